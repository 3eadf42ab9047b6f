// A fixture computed whole, without the match screen: the script played
// into goals, cards and penalties, then the statistics, the man of the
// match, injuries and the clubs' after-match steps. The goal and card
// operations serve the match screen's engine as well.
#include <algorithm>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"

namespace {

CMatchVars& PlayVars() { return *GetWorldData()->GetMatchVars(); }

bool Found(int slot) { return slot >= 0 && slot != kEmptySlot; }

uint8_t Inc(uint8_t v) { return v < 255 ? static_cast<uint8_t>(v + 1) : v; }

// The best player of a line in the first eleven who can play, by the
// skill of his line; -1 when none.
int BestPlayingInLine(const CClub& club, int position) {
    int best = -1, bestSkill = -1;
    for (int s = 0; s <= 10; ++s) {
        const CPlayer* p = club.GetPlayer(s);
        if (!p || p->GetPosition() != position || !p->CanPlay()) continue;
        const int skill = position == 1 ? p->GetMatchDefending() : position == 2 ? p->GetMatchMidfield()
                                                                                 : p->GetMatchAttacking();
        if (skill > bestSkill) {
            bestSkill = skill;
            best = s;
        }
    }
    return best;
}

int RandomPlayingInLine(const CClub& club, int position) {
    const int s = club.GetRandomFitInLine(position, true);
    return Found(s) && club.GetPlayer(s) && club.GetPlayer(s)->CanPlay() ? s : -1;
}

}  // namespace

CPlayer* CFixture::SidePlayer(int side, int slot) const {
    const CClub* club = PlayVars().GetClub(side);
    return club && slot >= 0 && slot < kSquadSlots ? club->GetPlayer(slot) : nullptr;
}

bool CFixture::SideCanPlay(int side, int slot) const {
    const CPlayer* p = SidePlayer(side, slot);
    return p && p->CanPlay();
}

int CFixture::RandomDefender(int side) const {
    const CClub* club = PlayVars().GetClub(side);
    if (!club) return -1;
    for (int position = 1; position <= 3; ++position) {
        const int s = club->GetRandomFirstTeamSlot(position);
        if (s >= 0) return s;
    }
    return -1;
}

void CFixture::AddPerformance(int slot, int side, int minute) {
    if (slot < 0 || slot >= CSoccerPlayerPerformanceList::kSlots) return;
    if (CWorldData* w = GetWorldData()) w->GetMatchVars()->GetPerformanceList(side).AddBadEvent(slot, 5, minute);
}

void CFixture::CreditPossession(int side, int minute) {
    const CClub* club = PlayVars().GetClub(side);
    const int s = club ? club->GetRandomFirstTeamSlot(-1) : -1;
    if (s < 0) return;
    PlayVars().AddPossession(side, s);
    PlayVars().GetPerformanceList(side).AddEvent(s, 1, minute);
}

void CFixture::SetExtraTimeFlag(int minutes) {
    m_ExtraTime = 1;
    PlayVars().ExtendPerformance(minutes);
}

CSoccerReferee* CFixture::GetReferee() const {
    CWorldData* w = GetWorldData();
    return w && m_Referee >= 0 ? w->GetReferee(m_Referee) : nullptr;
}

std::string CFixture::GetRefereeName() const {
    const CSoccerReferee* r = GetReferee();
    return r ? r->m_Person.GetName() : std::string();
}

std::string CFixture::GetManOfTheMatchName() const {
    CWorldData* w = GetWorldData();
    const CPlayer* p = w && m_ManOfTheMatch >= 0 && m_ManOfTheMatch != kEmptySlot ? w->GetPlayer(m_ManOfTheMatch) : nullptr;
    return p ? p->GetName() : std::string();
}

void CFixture::BorrowNonLeagueSlots() {
    CWorldData* w = GetWorldData();
    auto borrow = [&](int16_t& number, int16_t& kept, int slot, int16_t otherNumber) {
        if (number >= 0) return;
        const CNonLeagueClub* nl = w->GetNonLeagueClubList().GetAt(-1 - number);
        CClub* club = w->GetClub(slot);
        if (!nl || !club) return;
        // The borrowed club plays as a club of its country's lowest division.
        const CCountry* country = w->GetCountry(nl->m_Country);
        if (!country && otherNumber >= 0 && w->GetClub(otherNumber)) country = w->GetClub(otherNumber)->GetCountry();
        club->SetFromNonLeagueClub(nl, country ? country->GetLastDivision() : -1);
        kept = number;
        number = static_cast<int16_t>(slot);
    };
    borrow(m_Home, m_BorrowedHome, w->GetClubCount(), m_Away);
    borrow(m_Away, m_BorrowedAway, w->GetClubCount() + 1, m_Home);
}

void CFixture::ReturnNonLeagueSlots() {
    CWorldData* w = GetWorldData();
    auto give = [&](int16_t& number, int16_t& kept) {
        if (kept >= 0) return;
        if (CClub* club = w->GetClub(number)) club->DeleteSquadPlayers();
        number = kept;
        kept = 0;
    };
    give(m_Home, m_BorrowedHome);
    give(m_Away, m_BorrowedAway);
}

void CFixture::Play(int slot) {
    BorrowNonLeagueSlots();
    CExtByteArray script;
    PrepareMatch(slot, &script);
    SetUpSide(0, 0);
    SetUpSide(1, 0);
    FillScriptFrom(0, &script);
    PlayScript(&script, m_ScriptLength);
    CalcStatistics();
    ChooseManOfTheMatch(slot);
    if (slot != 999) {
        CMatchVars& mv = PlayVars();
        const CClub* home = mv.GetHomeClub();
        const CClub* away = mv.GetAwayClub();
        auto injuries = [&](int side, const CClub* club, uint8_t level) {
            if (!club || !(club->IsHumanManaged() || club->HasEnoughAvailablePlayers())) return;
            int n = 0;
            for (int k = GetChanceCount(level); k > 0; --k) n += TryInjury(side);
            m_Injuries[static_cast<size_t>(side)] = static_cast<uint8_t>(n);
        };
        injuries(0, home, mv.m_Aggression[1]);
        injuries(1, away, mv.m_Aggression[0]);
        FinishMatch(slot, home ? home->GetTacticIndex() : 0, away ? away->GetTacticIndex() : 0);
    }
    ReturnNonLeagueSlots();
}

void CFixture::PlayScript(CExtByteArray* script, int length) {
    if (!script) return;
    if (length > script->GetSize()) {
        platform::Trace("PlayScript: a length beyond the script\n");
        length = script->GetSize();
    }
    for (int i = 0; i < length; ++i) {
        const uint8_t code = script->GetAt(i);
        const auto minute = static_cast<uint8_t>(i + 90 * m_ExtraTime);
        switch (code) {
            case 1:
            case 2: {
                const int side = code - 1;
                if (m_HomeGoals + m_AwayGoals >= 7 && Random(10) >= 3) break;
                const int defender = RandomDefender(side ^ 1);
                if (defender >= 0 && TryOwnGoal(side, minute, defender)) break;
                const int shooter = PickShooter(side);
                if (shooter > 0) TakeShot(static_cast<uint8_t>(side), shooter, minute, 1);
                break;
            }
            case 3:
            case 4: {
                const int side = code - 3;
                GiveCard(side, 0, minute);
                if (Random(15) == 2) AwardPenalty(side ^ 1, minute);
                break;
            }
            case 5:
            case 6: {
                const int side = code - 5;
                GiveCard(side, 1, minute);
                if (Random(5) == 2) AwardPenalty(side ^ 1, minute);
                FillScriptFrom(static_cast<uint8_t>(i), script);
                break;
            }
            default: break;
        }
    }
}

int CFixture::PickShooter(int side) {
    const CMatchVars& mv = PlayVars();
    const auto s = static_cast<size_t>(side & 1);
    const CExtDWordArray& weights = mv.m_ShootingWeights[s];
    const CExtDWordArray& sums = mv.m_WeightSums[s];
    const int n = std::min(weights.GetSize(), sums.GetSize());
    if (n == 0 || sums.GetAt(n - 1) == 0) return 0;
    // A weight of 0 is never drawn, and a player who cannot play never shoots.
    for (int draw = 0; draw < 100; ++draw) {
        const auto r = static_cast<uint32_t>(Random(static_cast<int>(sums.GetAt(n - 1))));
        for (int i = 0; i < n; ++i) {
            if (sums.GetAt(i) < r || weights.GetAt(i) == 0) continue;
            if (SideCanPlay(side, i + 1)) return i + 1;
            break;
        }
    }
    for (int i = 0; i < n; ++i)
        if (weights.GetAt(i) > 0 && SideCanPlay(side, i + 1)) return i + 1;
    return 0;
}

bool CFixture::TakeShot(uint8_t side, int slot, uint8_t minute, uint8_t openPlay) {
    const CMatchVars& mv = PlayVars();
    const int s = side & 1;
    const CPlayer* p = SidePlayer(s, slot);
    if (!p) return false;
    int keeper = m_Strengths[0][static_cast<size_t>(s ^ 1)];
    int shooter = p->GetMatchAttacking();
    if (openPlay == 1 && Random(10) >= 8) shooter = p->GetMatchSkill68() & 0xFF;
    // Twists of fate: a side's own shots and the shots it faces. Worked in
    // int so that a doubled value cannot wrap.
    for (int t = 0; t < 2; ++t) {
        const uint8_t twist = mv.m_Twist[static_cast<size_t>(t)];
        if (twist == 0) continue;
        int& v = t == s ? shooter : keeper;
        v = twist == 1 ? v * 2 : v / 2;
    }
    const int roll = Random(shooter + keeper + 20);
    const bool scored = roll > keeper;
    if (scored && minute != CMatchEvent::kShootoutMinute) ScoreGoal(s, minute, slot, 0, roll - keeper);
    return scored;
}

void CFixture::RecordScorer(int side, uint8_t minute, int slot, uint8_t type) {
    CMatchVars& mv = PlayVars();
    CPlayer* p = SidePlayer(side, slot);
    if (!p) return;
    mv.m_Names[0] = p->Person().GetSurname();
    m_Events.Add(minute, type, p->GetName());
    if (m_Kind <= 7) p->RecordGoal(m_Kind);
    mv.AddGoal(side, slot, minute);
    uint8_t& goals = side == 0 ? m_HomeGoals : m_AwayGoals;
    goals = Inc(goals);
    m_ShotsOn[static_cast<size_t>(side)] = Inc(m_ShotsOn[static_cast<size_t>(side)]);
    // The keeper who was beaten.
    mv.GetPerformanceList(side ^ 1).AddBadEvent(0, 5, minute);
    if (CPlayer* keeper = SidePlayer(side ^ 1, 0); keeper && m_Kind < kFriendly) keeper->RecordKeeperAppearance();
}

void CFixture::ScoreGoal(int side, uint8_t minute, int slot, uint8_t penalty, int margin) {
    (void)margin;
    CMatchVars& mv = PlayVars();
    const int s = side & 1;
    if (!penalty) {
        const int helper = PickOtherPlayer(s, slot);
        if (helper >= 0) {
            CPlayer* assistant = SidePlayer(s, helper);
            mv.m_Names[1] = assistant->Person().GetSurname();
            mv.AddAssist(s, helper, minute);
            if (m_Kind <= 7) assistant->RecordKindTally(m_Kind);
        }
        const int defender = PickSetPieceTaker(s ^ 1, 0);
        if (defender >= 0) mv.GetPerformanceList(s ^ 1).AddBadEvent(defender, 3, minute);
    }
    RecordScorer(s, minute, slot, static_cast<uint8_t>((penalty ? 9 : 1) + s));
}

void CFixture::ScoreFreeKickGoal(int side, uint8_t minute, int slot) {
    RecordScorer(side & 1, minute, slot, static_cast<uint8_t>(1 + (side & 1)));
}

int CFixture::TryOwnGoal(int side, uint8_t minute, int defenderSlot) {
    if (Random(60) != 5) return 0;
    const int s = side & 1;
    const CPlayer* p = SidePlayer(s ^ 1, defenderSlot);
    if (!p || !p->CanPlay()) return 0;
    uint8_t& goals = s == 0 ? m_HomeGoals : m_AwayGoals;
    goals = Inc(goals);
    m_ShotsOn[static_cast<size_t>(s)] = Inc(m_ShotsOn[static_cast<size_t>(s)]);
    m_Events.Add(minute, 7 + s, p->GetName());
    PlayVars().GetPerformanceList(s ^ 1).AddBadEvent(0, 5, minute);
    PlayVars().GetPerformanceList(s ^ 1).AddBadEvent(defenderSlot, 9, minute);
    if (CPlayer* keeper = SidePlayer(s ^ 1, 0); keeper && m_Kind < kFriendly) keeper->RecordKeeperAppearance();
    return 1;
}

int CFixture::GetPenaltyTakerSlot(int side) {
    const CClub* club = PlayVars().GetClub(side);
    if (!club) return -1;
    const int taker = club->GetDesignatedPlayerSlot();
    if (Found(taker) && taker <= 10 && SideCanPlay(side, taker)) return taker;
    const int shooter = PickShooter(side);
    return shooter > 0 ? shooter : -1;
}

int CFixture::AwardPenalty(int side, uint8_t minute) {
    const int s = side & 1;
    const int taker = GetPenaltyTakerSlot(s);
    if (taker < 0) return -1;
    RecordScorer(s, minute, taker, static_cast<uint8_t>(9 + s));
    return taker;
}

int CFixture::GiveCard(int side, int red, uint8_t minute) {
    CMatchVars& mv = PlayVars();
    const int s = side & 1;
    CClub* club = mv.GetClub(s);
    const CClub* other = mv.GetClub(s ^ 1);
    if (!club || !other || (red != 0 && red != 1)) return -1;
    static constexpr int kOffset[4] = {0, 10, 5, 5};
    int weights[11] = {};
    int total = 0;
    for (int i = 0; i <= 10; ++i) {
        const CPlayer* p = club->GetPlayer(i);
        // A human manager's own aggression for the player stands in for his
        // temper, on the scale of the team's levels.
        static constexpr int kOwnAggression[6] = {-1, 0, 2, 5, 7, 9};
        const int own = kOwnAggression[club->GetIndividualInstruction(0, i)];
        if (p) weights[i] = kOffset[std::clamp(p->GetPosition(), 0, 3)] + (own >= 0 ? own : p->Person().GetTemperament());
        total += weights[i];
    }
    if (total == 0) return -1;
    int slot = -1;
    for (int draw = 0; draw < 100 && slot < 0; ++draw) {
        const int r = Random(total);
        int sum = 0;
        for (int i = 0; i <= 10; ++i) {
            sum += weights[i];
            if (sum < r || weights[i] == 0) continue;
            if (club->GetPlayer(i)->IsOnPitch()) slot = i;
            break;
        }
    }
    if (slot < 0) return -1;
    CPlayer* carded = club->GetPlayer(slot);
    const int pos = carded->GetPosition();
    const int answer = pos <= 1 ? 3 : pos == 2 ? 2 : 1;
    int fouled = other->GetRandomFirstTeamSlot(answer);
    if (fouled < 0) fouled = other->GetRandomFirstTeamSlot(-1);
    if (fouled < 0) return -1;
    mv.m_Names[2] = carded->Person().GetSurname();
    mv.m_Names[3] = other->GetPlayer(fouled)->Person().GetSurname();
    if (red == 0) {
        carded->Book(*club);
        m_Events.Add(minute, 3 + s, carded->GetName());
        m_Bookings[static_cast<size_t>(s)] = Inc(m_Bookings[static_cast<size_t>(s)]);
        mv.AddBooking(s, slot);
        club->AddBooking();
    } else {
        carded->SendOff(*club);
        m_Events.Add(minute, 5 + s, carded->GetName());
        m_SendingsOff[static_cast<size_t>(s)] = Inc(m_SendingsOff[static_cast<size_t>(s)]);
        mv.SetSentOff(s, slot);
        club->AddSendingOff();
    }
    AddPerformance(slot, s, minute);
    return slot;
}

int CFixture::PickSetPieceTaker(int side, uint8_t mode) {
    const CClub* club = PlayVars().GetClub(side);
    if (!club) return -1;
    if (mode == 1 || (mode == 0 && Random(10) < 7)) {
        const int d = RandomPlayingInLine(*club, 1);
        if (d >= 0) return d;
    }
    for (int position : {2, 3, 1}) {
        const int s = RandomPlayingInLine(*club, position);
        if (s >= 0) return s;
    }
    return -1;
}

int CFixture::PickOtherPlayer(int side, int slot) {
    const CClub* club = PlayVars().GetClub(side);
    if (!club) return -1;
    // Someone else must be able to help, or the search would never end.
    bool anyone = false;
    for (int s = 1; s <= 10 && !anyone; ++s)
        if (s != slot && club->GetPlayer(s) && club->GetPlayer(s)->CanPlay() && club->GetPlayer(s)->GetPosition() >= 1)
            anyone = true;
    if (!anyone) return -1;
    for (int tries = 0; tries < 100; ++tries) {
        int pick = -1;
        if (Random(10) > 7) {
            pick = RandomPlayingInLine(*club, 1);
        } else if (Random(10) < 7) {
            pick = RandomPlayingInLine(*club, 2);
        } else {
            for (int position : {3, 2, 1})
                if ((pick = RandomPlayingInLine(*club, position)) >= 0) break;
        }
        if (pick >= 0 && pick != slot) return pick;
    }
    return -1;
}

void CFixture::PlayExtraTime() {
    const int length = Random(2) + 31;
    CExtByteArray script;
    script.SetSizeAndFill(length, 0);
    SetExtraTimeFlag(length);
    FillScriptFrom(0, &script);
    PlayScript(&script, length);
    for (int side = 0; side < 2; ++side)
        if (const CClub* club = PlayVars().GetClub(side))
            for (int s = 0; s <= 10; ++s)
                if (CPlayer* p = club->GetPlayer(s)) p->m_MinutesLastMatch = static_cast<uint8_t>(m_ScriptLength + length);
}

void CFixture::PlayPenaltyShootout() {
    std::vector<int> lists[2];
    for (int side = 0; side < 2; ++side)
        for (int s = 10; s >= 1; --s)
            if (SideCanPlay(side, s)) lists[side].push_back(s);
    std::string firstHomeName;
    if (!lists[0].empty()) firstHomeName = SidePlayer(0, lists[0].front())->GetName();
    else if (const CPlayer* k = SidePlayer(0, 0)) firstHomeName = k->GetName();
    int scored[2] = {0, 0};
    auto kick = [&](int side) {
        if (lists[side].empty()) return;
        const int s = lists[side].front();
        lists[side].erase(lists[side].begin());
        if (TakeShot(static_cast<uint8_t>(side), s, CMatchEvent::kShootoutMinute, 0)) {
            m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kHomeShootoutGoal + side, SidePlayer(side, s)->GetName());
            ++scored[side];
        }
    };
    for (int r = 0; r < 5; ++r) {
        kick(0);
        kick(1);
        if (scored[0] > scored[1] + 5 - r || scored[1] > scored[0] + 5 - r) return;
    }
    while (scored[0] == scored[1]) {
        if (lists[0].empty() || lists[1].empty()) {
            const std::string name = lists[0].empty() ? firstHomeName : SidePlayer(0, lists[0].front())->GetName();
            m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kHomeShootoutGoal, name);
            return;
        }
        kick(0);
        kick(1);
    }
}

void CFixture::CalcStatistics() {
    const CMatchVars& mv = PlayVars();
    const int mh = m_Strengths[2][0], ma = m_Strengths[2][1];
    int on0 = m_ShotsOn[0] + Random(m_ShotsOn[0] + 3) + m_HomeGoals;
    if (mh > ma) on0 += Random(2);
    int on1 = m_ShotsOn[1] + Random(m_ShotsOn[1] + 2) + m_AwayGoals;
    if (ma > mh) on1 += Random(2);
    m_ShotsOn = {static_cast<uint8_t>(std::min(on0, 255)), static_cast<uint8_t>(std::min(on1, 255))};
    m_ShotsOff[0] = static_cast<uint8_t>(Random(m_ShotsOn[0] + 3) + 2);
    m_ShotsOff[1] = static_cast<uint8_t>(Random(m_ShotsOn[1] + 3) + 1);
    m_Corners[0] = static_cast<uint8_t>(Random(m_ShotsOn[0] + 2) + 2);
    m_Corners[1] = static_cast<uint8_t>(Random(m_ShotsOn[1] + 2) + 1);
    // Both draws stay, so the sequence is unchanged; the home side never
    // has more than 76 per cent of the ball.
    int p = Random(7) + (mh - ma) / 2 + 47;
    if (p < 77) p = Random(7) + (mh - ma) / 2 + 47;
    p = std::clamp(p, 0, 76);
    m_HomePossession = p;
    m_AwayPossession = 100 - p;
    for (int s = 0; s < 2; ++s) {
        // Two draws in a fixed order, whatever the compiler's.
        const int onTheBreak = (Random(3) + 2) * (mv.m_OnTheBreak[static_cast<size_t>(s)] ? 1 : 0);
        m_Offsides[static_cast<size_t>(s)] = static_cast<uint8_t>(onTheBreak + Random(3) + 3);
    }
    auto freeKicks = [&](int side, int possession) {
        const int b = m_Bookings[static_cast<size_t>(side)];
        const int base = b == 0 ? Random(possession + 4) + 2 : Random(possession + 4 * b) + 2 * b;
        return std::min(255, base + m_SendingsOff[static_cast<size_t>(side)] + m_Offsides[static_cast<size_t>(side)]);
    };
    m_FreeKicks[0] = static_cast<uint8_t>(freeKicks(1, p));
    m_FreeKicks[1] = static_cast<uint8_t>(freeKicks(0, 100 - p));
}

void CFixture::ChooseManOfTheMatch(int matchDay) {
    (void)matchDay;
    CMatchVars& mv = PlayVars();
    m_ManOfTheMatch = kEmptySlot;
    int side = 0, slot = -1;
    if (m_HomeGoals != m_AwayGoals) {
        side = m_HomeGoals > m_AwayGoals ? 0 : 1;
        const CClub* club = mv.GetClub(side);
        if (!club) return;
        if (Random(100) >= 50) slot = Random(100) >= 75 ? RandomPlayingInLine(*club, 3) : BestPlayingInLine(*club, 3);
        if (slot < 0) slot = Random(100) >= 75 ? RandomPlayingInLine(*club, 2) : BestPlayingInLine(*club, 2);
    } else {
        side = m_ShotsOn[1] < m_ShotsOn[0] ? 1 : 0;
        if (Random(100) >= 40) {
            side = m_ShotsOn[0] + m_ShotsOff[0] < m_ShotsOn[1] + m_ShotsOff[1] ? 1 : 0;
            if (const CClub* club = mv.GetClub(side))
                slot = Random(100) >= 75 ? RandomPlayingInLine(*club, 1) : BestPlayingInLine(*club, 1);
        } else if (SideCanPlay(side, 0)) {
            slot = 0;
        }
    }
    if (slot < 0) {
        // The last resort stays in the first eleven, with a man who can play.
        const int start = std::min(Random(11), 10);
        for (int k = 0; k <= 10 && slot < 0; ++k)
            if (SideCanPlay(side, (start + k) % 11)) slot = (start + k) % 11;
    }
    CPlayer* p = SidePlayer(side, slot);
    const CClub* club = mv.GetClub(side);
    if (!p || !club) return;
    m_ManOfTheMatch = club->GetPlayerId(slot);
    p->RecordManOfTheMatch();
}

int CFixture::GetChanceCount(uint8_t level) {
    static constexpr int kChances[10] = {0, 0, 0, 1, 1, 1, 1, 1, 2, 3};
    return level < 10 ? kChances[level] : 0;
}

int CFixture::TryInjury(int side) {
    CMatchVars& mv = PlayVars();
    const int s = side & 1;
    const CClub* club = mv.GetClub(s);
    if (!club) return 0;
    if (Random(10) > 4) return 0;
    int slot = 0;
    if (Random(60) != 1) {
        slot = club->GetRandomFirstTeamSlot(-1);
        if (slot < 0) return 0;
        if (slot == 0 && Random(60) != 1) return 0;
    }
    CPlayer* p = club->GetPlayer(slot);
    if (!p || p->IsInjured()) return 0;
    if (!p->Injure(*club, 4)) return 0;
    mv.m_Names[4] = p->Person().GetSurname();
    mv.m_InjuredSlot = slot;
    return 1;
}

void CFixture::FinishMatch(int matchDay, uint8_t homeTactic, uint8_t awayTactic, int homeSubstitutions,
                           int awaySubstitutions) {
    CWorldData* w = GetWorldData();
    CMatchVars& mv = *w->GetMatchVars();
    if (m_Attendance <= 0) platform::Trace("FinishMatch: no attendance\n");
    for (int side = 0; side < 2; ++side)
        if (const CClub* club = mv.GetClub(side))
            for (int s = 0; s <= 10; ++s)
                if (CPlayer* p = club->GetPlayer(s)) p->m_MinutesLastMatch = m_ScriptLength;
    if (CSoccerReferee* r = GetReferee()) r->AddMatch(m_Bookings[0] + m_Bookings[1], m_SendingsOff[0] + m_SendingsOff[1], m_Kind);
    const bool odd = (matchDay & 1) != 0;
    CClub* clubs[2] = {mv.GetHomeClub(), mv.GetAwayClub()};
    const int numbers[2] = {m_Home, m_Away};
    const uint8_t tactics[2] = {homeTactic, awayTactic};
    const int subs[2] = {homeSubstitutions, awaySubstitutions};
    for (int side = 0; side < 2; ++side) {
        CClub* c = clubs[side];
        if (!c || numbers[side] < 0 || numbers[side] >= w->GetClubCount()) continue;
        const auto n = static_cast<uint8_t>(subs[side]);
        // An odd match day fills the club's second receipt, an even one its first.
        auto receipt = odd ? (side == 0 ? &CClub::SetHomeReceipt2 : &CClub::SetAwayReceipt2)
                           : (side == 0 ? &CClub::SetHomeReceipt1 : &CClub::SetAwayReceipt1);
        (c->*receipt)(m_Attendance, m_Kind, m_HomeGoals, m_AwayGoals, m_Popularity, n);
    }
    for (int side = 0; side < 2; ++side) {
        CClub* c = clubs[side];
        if (!c || numbers[side] < 0 || numbers[side] >= w->GetClubCount()) continue;
        if (odd) c->ProcessAfterMatch2(subs[side], tactics[side], 0, this, side);
        else c->ProcessAfterMatch1(subs[side], tactics[side], this, side);
    }
}
