// The engine object: set-up, the play loop behind the match driver, kick-
// off, breaks, fast play and the ending.
#include "soccerclasses/matchplay.h"

#include <algorithm>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

namespace {

CMatchDriver*& InstalledDriver() {
    static CMatchDriver* driver = nullptr;
    return driver;
}

}  // namespace

void CInstantMatchDriver::Open(CMatchPlay& engine) {
    engine.KickOff();
    engine.PlayToEnd();
    engine.SetState(CMatchPlay::kLeft);
}

bool CInstantMatchDriver::PumpOne(CMatchPlay& engine) {
    engine.SetState(CMatchPlay::kLeft);
    return true;
}

void SetMatchDriver(CMatchDriver* driver) { InstalledDriver() = driver; }

CMatchDriver* GetMatchDriver() {
    static CInstantMatchDriver instant;
    return InstalledDriver() ? InstalledDriver() : &instant;
}

int matchevent::Penalty(int base, int side, int outcome) {
    // Each group lists outcome 1, then 2, then 0 (scored), home before away.
    const int k = outcome == 1 ? 0 : outcome == 2 ? 1 : 2;
    return base + (side & 1) + 2 * k;
}

CMatchPlay::CMatchPlay() {
    for (auto& s : m_Squads) s = std::make_unique<CSoccerMatchPlayerList>();
    for (auto& t : m_Tactics) t = std::make_unique<CSoccerTactic>();
}

CMatchPlay::~CMatchPlay() = default;

void CMatchPlay::PlayLeagueMatch(CFixture* fixture, CDivision* division, const std::string& title, uint8_t callerByte) {
    SetUp(fixture, division, callerByte, nullptr, nullptr, nullptr, title);
}

void CMatchPlay::PlayCupTie(CFixture* fixture, CCup* cup, CCupRound* round, const std::string& title) {
    SetUp(fixture, nullptr, 0, cup, round, nullptr, title);
}

void CMatchPlay::PlayCupSecondLeg(CFixture* fixture, CCup* cup, CCupRound* round, CFixture* firstLeg,
                                  const std::string& title) {
    SetUp(fixture, nullptr, 0, cup, round, firstLeg, title);
}

void CMatchPlay::PlayFriendly(CFixture* fixture, const std::string& title) {
    SetUp(fixture, nullptr, 0, nullptr, nullptr, nullptr, title);
}

void CMatchPlay::ResetCounters() {
    for (auto& c : m_Counts) c = {0, 0};
    m_Zones = {0, 1.0, 0};
    m_PossessionMinutes = {0, 0};
    m_PossessionPercent = {0, 0};
    m_ReplanDelay = m_QuietMinutes = m_SubstitutionPause = 0;
    m_Fast = 0;
    m_Changed = 1;
    m_CommentaryKind = -1;
    m_Commentary.clear();
    m_SecondLine.clear();
    m_EventCode = 0;
    m_CurrentSlot = -1;
    m_CurrentPlayer = nullptr;
    m_PendingPenaltySide = -1;
    m_KickedOff = m_Ended = false;
    for (int s = 0; s < 2; ++s) {
        m_ScorerLines[s].clear();
        m_SubstitutionTexts[s].clear();
        m_WentOff[s].clear();
        m_CameOn[s].clear();
    }
}

void CMatchPlay::SetUp(CFixture* fixture, CDivision* division, uint8_t callerByte, CCup* cup, CCupRound* round,
                       CFixture* firstLeg, const std::string& title) {
    if (!fixture) {
        platform::Trace("CMatchPlay::SetUp without a fixture\n");
        return;
    }
    m_Fixture = fixture;
    m_Kind = fixture->m_Kind;
    m_Division = division;
    m_CallerByte = callerByte;
    m_Cup = cup;
    m_Round = round;
    m_FirstLeg = firstLeg;
    // Stored per side of this match: the home club's goals in the first leg
    // (where it played away) first.
    m_FirstLegGoals = firstLeg ? std::array<int, 2>{firstLeg->m_AwayGoals, firstLeg->m_HomeGoals}
                               : std::array<int, 2>{0, 0};
    m_Title = title;
    ResetCounters();
    Play();
}

void CMatchPlay::Play() {
    CWorldData* w = GetWorldData();
    if (!m_Fixture || !w) return;
    m_HalfTime = 0;
    m_StoppagePlayed = 0;
    m_StoppageLeft = static_cast<uint8_t>(Random(4) + 1);
    m_Minute = 0;
    m_StepFlag = 0;
    m_State = kNormalTime;
    m_Zones = {0, 1.0, 0};
    m_PossessionMinutes = {0, 0};
    // The other matches of the day or round, for the latest scores.
    m_Related.clear();
    if (m_Division && m_Kind == CFixture::kLeague) {
        for (int i = 0; i < m_Division->m_Fixtures.GetSize(); ++i) {
            CFixture* f = m_Division->m_Fixtures.GetAt(i);
            if (f && f != m_Fixture && f->m_Date == w->GetDateText() && f->m_Home >= 0) m_Related.push_back(f);
        }
    } else if (m_Round) {
        for (int i = 0; i < m_Round->m_Ties.GetSize(); ++i)
            if (CFixture* f = m_Round->m_Ties.GetAt(i); f && f != m_Fixture) m_Related.push_back(f);
    }
    m_Fixture->BorrowNonLeagueSlots();
    CMatchVars& mv = *w->GetMatchVars();
    if (m_Division) mv.SetDivision(m_Division);
    m_Fixture->PrepareMatch(w->GetMatchDay(), &m_Script);
    // The away side is the human's only when the home club has no human manager.
    const CClub* home = SideClub(0);
    m_HumanSide = home && home->IsHumanManaged() ? 0 : 1;

    CMatchDriver* driver = GetMatchDriver();
    driver->Open(*this);
    while (m_State < kLeft)
        if (!driver->PumpOne(*this)) break;
    FinishUnplayed();
    m_State = kLeft;

    CopyTotalsToFixture();
    // The formation played longest is settled with the last one's minutes.
    for (int s = 0; s < 2; ++s)
        if (m_FormationMinutes[s] > m_LongestMinutes[s]) {
            m_LongestFormation[s] = m_CurrentFormation[s];
            m_LongestMinutes[s] = m_FormationMinutes[s];
        }
    for (int s = 0; s < 2; ++s)
        if (CClub* c = SideClub(s)) c->SetTacticIndex(static_cast<uint8_t>(m_StartFormation[s]));
    int homeSubs = 0, awaySubs = 0;
    SettleTakenOffPlayers(homeSubs, awaySubs);
    m_Fixture->FinishMatch(w->GetMatchDay(), static_cast<uint8_t>(m_LongestFormation[0]),
                           static_cast<uint8_t>(m_LongestFormation[1]), homeSubs, awaySubs);
    // Minutes played by those who came on or went off.
    for (int s = 0; s < 2; ++s) {
        for (const auto& [id, minute] : m_WentOff[s])
            if (CPlayer* p = w->GetPlayer(id)) p->m_MinutesLastMatch = static_cast<uint8_t>(minute);
        for (const auto& [id, minute] : m_CameOn[s])
            if (CPlayer* p = w->GetPlayer(id))
                p->m_MinutesLastMatch = static_cast<uint8_t>(std::max(0, m_Fixture->m_ScriptLength - minute));
    }
    m_Fixture->ReturnNonLeagueSlots();
    for (auto& n : m_Names) n.clear();
    for (auto& l : m_ScorerLines) l.clear();
    m_Related.clear();
}

void CMatchPlay::FinishUnplayed() {
    // However the loop ended, the fixture is returned complete.
    if (!m_KickedOff) KickOff();
    if (!m_Ended) PlayToEnd();
    if (IsShootoutDue()) {
        const uint8_t fast = m_Fast;
        m_Fast = 1;
        if (m_HomeKickers.GetSize() == 0 && m_AwayKickers.GetSize() == 0) SetUpShootout();
        PlayShootoutAtOnce();
        m_Fast = fast;
    }
}

void CMatchPlay::CopyTotalsToFixture() {
    CFixture& f = *m_Fixture;
    auto byte = [](int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
    for (size_t s = 0; s < 2; ++s) {
        f.m_ShotsOn[s] = byte(m_Counts[kShotsOn][s]);
        f.m_ShotsOff[s] = byte(m_Counts[kShotsOff][s]);
        f.m_Corners[s] = byte(m_Counts[kCorners][s]);
        f.m_Offsides[s] = byte(m_Counts[kOffsides][s]);
        f.m_Bookings[s] = byte(m_Counts[kBookings][s]);
        f.m_SendingsOff[s] = byte(m_Counts[kSendingsOff][s]);
    }
    f.m_FreeKicks = {byte(m_Counts[kFreeKicks][1]), byte(m_Counts[kFreeKicks][0])};
    const double total = m_PossessionMinutes[0] + m_PossessionMinutes[1];
    const int home = total > 0 ? static_cast<int>(100.0 * m_PossessionMinutes[0] / total) : 50;
    f.m_HomePossession = home;
    f.m_AwayPossession = 100 - home;
}

void CMatchPlay::SettleTakenOffPlayers(int& homeSubs, int& awaySubs) {
    // Those taken off go to bench slots 11 onward in the order they went,
    // so that slots 0 to 10 + n are the players who took part.
    for (int s = 0; s < 2; ++s) {
        CClub* club = SideClub(s);
        const int n = static_cast<int>(m_WentOff[s].size());
        (s == 0 ? homeSubs : awaySubs) = n;
        if (!club) continue;
        for (int k = 0; k < n; ++k) {
            const int at = club->FindSlotOfPlayer(m_WentOff[s][static_cast<size_t>(k)].first);
            if (at >= 0 && at != 11 + k) club->SwapSquadSlots(at, 11 + k);
        }
    }
}

void CMatchPlay::KickOff() {
    CWorldData* w = GetWorldData();
    CMatchVars& mv = *w->GetMatchVars();
    for (int s = 0; s < 2; ++s) {
        CClub* club = SideClub(s);
        if (club && club->GetTacticObject()) *m_Tactics[s] = *club->GetTacticObject();
        // The side starts with the instructions the club's settings gave it.
        m_Tactics[s]->m_Instructions = {mv.m_Bias[s], mv.m_PassingStyle[s], mv.m_OffsideTrap[s], mv.m_OnTheBreak[s]};
        m_Tactics[s]->m_Aggression = mv.m_Aggression[s];
        const int t = club ? club->GetTacticIndex() : 0;
        m_StartFormation[s] = m_CurrentFormation[s] = m_LongestFormation[s] = t;
        m_FormationMinutes[s] = m_LongestMinutes[s] = 0;
        if (club) m_Squads[s]->SetUp(*club, std::clamp<int>(m_Fixture->m_SubsNamed, 0, 5));
    }
    m_HomeKicks.RemoveAll();
    m_AwayKicks.RemoveAll();
    m_HomeKickers.RemoveAll();
    m_AwayKickers.RemoveAll();
    m_ZoneOfMinute.SetSizeAndFill(m_Fixture->m_ScriptLength + 1, 0);
    w->GetSubstitutionVars()->Reset(m_Fixture->m_SubsAllowed);
    m_SubstitutionPause = 0;
    m_HalfTimeGoals = {0, 0};
    m_ReplanDelay = 0;
    m_KickedOff = true;
    AfterMinuteUpdate();
}

void CMatchPlay::StartNextPeriod() {
    m_HalfTime = 0;
    m_StoppagePlayed = 0;
    m_ReplanDelay = m_QuietMinutes = m_SubstitutionPause = 0;
    m_StoppageLeft = static_cast<uint8_t>(Random(4) + 1);
    ++m_Minute;
}

void CMatchPlay::ResumeBreak() {
    // The screen would start extra time when it sees the ninety over.
    if (m_State == kNinetyOver && m_Fixture->m_ExtraTime) m_State = kExtraTime;
    StartNextPeriod();
}

void CMatchPlay::PlayToEnd() {
    if (!m_KickedOff) KickOff();
    // A penalty still waiting for the human manager's taker is taken by
    // the club's own, as a computer side's is.
    if (m_PendingPenaltySide >= 0) TakeHumanPenalty(m_PendingPenaltySide, -1);
    m_Fast = 1;
    if (m_HalfTime) ResumeBreak();
    // A match has at most four periods, each a few hundred steps at most.
    for (int guard = 0; !m_Ended && guard < 1000; ++guard) {
        if (!PlayMinute()) {
            m_Ended = true;
            break;
        }
        if (m_HalfTime) ResumeBreak();
    }
    if (IsShootoutDue()) {
        if (m_HomeKickers.GetSize() == 0 && m_AwayKickers.GetSize() == 0) SetUpShootout();
        PlayShootoutAtOnce();
    }
}

CClub* CMatchPlay::SideClub(int side) const {
    CWorldData* w = GetWorldData();
    return w ? w->GetMatchVars()->GetClub(side) : nullptr;
}

CPlayer* CMatchPlay::SidePlayer(int side, int slot) const {
    const CClub* c = SideClub(side);
    return c && slot >= 0 && slot < kSquadSlots ? c->GetPlayer(slot) : nullptr;
}

bool CMatchPlay::BothHuman() const {
    const CClub* h = SideClub(0);
    const CClub* a = SideClub(1);
    return h && a && h->IsHumanManaged() && a->IsHumanManaged();
}

bool CMatchPlay::MatchNeedsWinner() const {
    if (!m_Fixture) return false;
    if (m_Division && m_Kind == CFixture::kLeague)
        return m_Division->m_PointsRule >= 254 && m_Fixture->m_HomeGoals == m_Fixture->m_AwayGoals;
    if (m_Round) return m_Round->NeedsExtraTime(m_FirstLeg, *m_Fixture);
    return false;
}

bool CMatchPlay::ShootoutAfterExtraTime() const {
    // A level first match of a round with replays goes to its replay; the
    // replay itself is settled on penalties.
    if (m_Round && !m_FirstLeg && m_Round->HasReplaySlot()) {
        for (int i = 0; i < m_Round->m_Replays.GetSize(); ++i)
            if (m_Round->m_Replays.GetAt(i) == m_Fixture) return true;
        return false;
    }
    return true;
}

bool CMatchPlay::IsShootoutDue() const {
    return m_Fixture && m_State >= kShootout && MatchNeedsWinner() && !m_Fixture->m_Events.HasShootout() &&
           (m_Minute < 120 || ShootoutAfterExtraTime());
}
