// What the match-day screen reads of the match and how it changes it.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/matchtexts.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

int CMatchPlay::Kick(const CExtByteArray& kicks, int k) {
    return k >= 0 && k < kicks.GetSize() && 4 - k >= 0 && 4 - k < kicks.GetSize() ? kicks.GetAt(4 - k) : 2;
}

std::string CMatchPlay::Line(const std::vector<std::string>& lines, int i) {
    return i >= 0 && i < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(i)] : std::string();
}

std::string CMatchPlay::Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : ", ") + l;
    return out;
}

void CMatchPlay::SubstitutionLine(int side, std::string& out, int i) const {
    const auto& lines = m_SubstitutionTexts[side & 1];
    if (i >= 0 && i < static_cast<int>(lines.size())) out = lines[static_cast<size_t>(i)];
}

std::string CMatchPlay::GetHomeTeamName() const { return m_Fixture ? m_Fixture->GetHomeTeamName() : std::string(); }
std::string CMatchPlay::GetAwayTeamName() const { return m_Fixture ? m_Fixture->GetAwayTeamName() : std::string(); }

void CMatchPlay::GetCommentary(std::string& line, int* kind, int* extra) const {
    line = m_Commentary;
    if (kind) *kind = m_CommentaryKind;
    if (extra) *extra = m_CommentaryKind == 1 || m_CommentaryKind == 2 ? 1 : m_CommentaryKind == 3 ? 2 : 0;
}

void CMatchPlay::ClearCommentary() {
    m_Commentary.clear();
    m_CommentaryKind = -1;
}

bool CMatchPlay::WentToExtraTime() const { return m_Fixture && m_Fixture->m_ExtraTime != 0; }

bool CMatchPlay::NeedsExtraTime() const { return MatchNeedsWinner(); }

int CMatchPlay::GetHomePossession() const {
    const double total = m_Zones[0] + m_Zones[1] + m_Zones[2];
    return total > 0 ? static_cast<int>((m_Zones[1] / 2 + m_Zones[2]) / total * 100) : 50;
}

int CMatchPlay::GetHomeSubstitutesUsed() const { return GetWorldData()->GetSubstitutionVars()->CountUsed(0); }
int CMatchPlay::GetAwaySubstitutesUsed() const { return GetWorldData()->GetSubstitutionVars()->CountUsed(1); }

void CMatchPlay::AddShootoutKicker(int slot) {
    // Only the side of a human-managed home club, else the away side, chooses.
    const CClub* home = SideClub(0);
    CExtByteArray& list = home && home->IsHumanManaged() ? m_HomeKickers : m_AwayKickers;
    if (slot >= 0 && slot <= 10 && list.GetSize() < 5) list.Add(static_cast<uint8_t>(slot));
}

std::string CMatchPlay::GetLatestScoresText() const {
    if ((!m_Division && !m_Round) || m_Minute < 2) return {};
    for (auto it = m_Related.rbegin(); it != m_Related.rend(); ++it) {
        std::string t = (*it)->GetScoreTextIfGoalInMinute(m_Minute - 1);
        if (!t.empty()) return t;
    }
    return {};
}

std::string CMatchPlay::GetRefereeName() const { return m_Fixture ? m_Fixture->GetRefereeName() : std::string(); }
std::string CMatchPlay::GetManOfTheMatchName() const {
    return m_Fixture ? m_Fixture->GetManOfTheMatchName() : std::string();
}
std::string CMatchPlay::GetHomeTacticName() const { return SideClub(0) ? SideClub(0)->GetTacticName() : std::string(); }
std::string CMatchPlay::GetAwayTacticName() const { return SideClub(1) ? SideClub(1)->GetTacticName() : std::string(); }
std::string CMatchPlay::GetShootoutText() const { return m_Fixture ? m_Fixture->GetShootoutText() : std::string(); }

uint32_t CMatchPlay::GetSidePerformance(int side, int minute) const {
    return GetWorldData()->GetMatchVars()->GetPerformanceList(side).GetTeamRating(minute);
}

int CMatchPlay::Setting(int which, int side) const {
    const CSoccerTactic& t = *m_Tactics[side & 1];
    return which == kAggressionSetting ? t.m_Aggression : t.m_Instructions[static_cast<size_t>(which)];
}

void CMatchPlay::Change(int which, int side, int v) {
    if (m_Fast || v < 0 || v > 9 || Setting(which, side) == v) return;
    CSoccerTactic& t = *m_Tactics[side & 1];
    (which == kAggressionSetting ? t.m_Aggression : t.m_Instructions[static_cast<size_t>(which)]) = static_cast<uint8_t>(v);
    m_Changed = 1;
}

void CMatchPlay::SetFormation(int side, int i) {
    const int s = side & 1;
    if (m_Fast || i == m_CurrentFormation[s]) return;
    CClub* club = SideClub(s);
    if (!club || !club->GetTacticByIndex(i)) return;
    if (m_FormationMinutes[s] > m_LongestMinutes[s]) {
        m_LongestFormation[s] = m_CurrentFormation[s];
        m_LongestMinutes[s] = m_FormationMinutes[s];
    }
    // The instructions the side plays with stay; the shape is the new one's.
    const auto instructions = m_Tactics[s]->m_Instructions;
    const uint8_t aggression = m_Tactics[s]->m_Aggression;
    *m_Tactics[s] = *club->GetTacticByIndex(i);
    m_Tactics[s]->m_Instructions = instructions;
    m_Tactics[s]->m_Aggression = aggression;
    club->SetTacticIndex(static_cast<uint8_t>(i));
    m_CurrentFormation[s] = i;
    m_FormationMinutes[s] = 0;
    m_Changed = 1;
    m_ReplanDelay = 3;
}

// The player of the side's match-squad entry, who may differ from the
// club's slot before kick-off or after the match.
static const CPlayer* EntryPlayer(const CSoccerMatchPlayerList& squad, int slot) {
    const CSoccerMatchPlayer* e = squad.GetAt(slot);
    return e ? e->m_Player : nullptr;
}

std::string CMatchPlay::MatchPlayerName(int side, int slot) const {
    const CPlayer* p = EntryPlayer(*m_Squads[side & 1], slot);
    return p ? p->Person().GetSurname() : std::string();
}

int CMatchPlay::MatchPlayerPosition(int side, int slot) const {
    const CPlayer* p = EntryPlayer(*m_Squads[side & 1], slot);
    return p ? p->GetPosition() : -1;
}

int CMatchPlay::GetManagerKind(int side) const {
    const CClub* c = SideClub(side);
    return c ? c->GetManagerKind() : 0;
}

uint8_t CMatchPlay::GetHomeKitByte(int k) const {
    const CClub* c = SideClub(0);
    return c && k >= 0 && k < 8 ? c->GetHomeKit().bytes[static_cast<size_t>(k)] : 0;
}

uint8_t CMatchPlay::GetAwayKitByte(int k) const {
    const CClub* h = SideClub(0);
    const CClub* a = SideClub(1);
    if (!h || !a || k < 0 || k >= 8) return 0;
    // The second kit, unless its shirt clashes with the home shirt.
    const bool clash = !CWorldData::IsPositionCompatible(h->GetHomeKit().bytes[3], a->GetAwayKit().bytes[3]);
    return (clash ? a->GetHomeKit() : a->GetAwayKit()).bytes[static_cast<size_t>(k)];
}

int CMatchPlay::MinuteValue(int side, int slot, int minute) const {
    if (slot < 0 || slot >= 16 || minute < 0 || minute >= 130) return 0;
    return GetWorldData()->GetMatchVars()->GetPerformanceList(side).GetMinuteByte(slot, minute);
}

int CMatchPlay::PlayerState(int side, int slot) const {
    const CMatchVars& mv = *GetWorldData()->GetMatchVars();
    const CPlayer* p = SidePlayer(side, slot);
    if (slot < 0 || slot >= 16) return 0;
    if (mv.IsSentOff(side, slot) || (p && p->m_MatchStatus == CPlayer::kMatchSentOff)) return 4;
    const bool booked = mv.IsBooked(side, slot);
    const bool injured = p && p->GetInjury() != nullptr;
    return (booked ? 1 : 0) + (injured ? 2 : 0);
}

bool CMatchPlay::CanPlayerContinue(int side, int slot) const {
    const CPlayer* p = SidePlayer(side, slot);
    return p && !p->GetInjury() && PlayerState(side, slot) != 4;
}

bool CMatchPlay::IsSubstituted(int side, int slot) const {
    const CClub* c = SideClub(side);
    return c && GetWorldData()->GetSubstitutionVars()->WasTakenOff(c->GetPlayerId(slot));
}

int CMatchPlay::GetCompetitionId() const {
    if (m_Division) return m_Division->GetPictureNumber();
    if (m_Cup) return m_Cup->m_PictureNumber + 10000;
    return -1;
}

void CMatchPlay::GetCompetitionTitle(std::string& out) const {
    if (m_Division) out = m_Division->GetName();
    else if (m_Cup) out = m_Cup->m_Name;
    else out = platform::LoadString(98);
}

void CMatchPlay::GetCompetitionName(std::string& out) const {
    if (m_Division) {
        out = m_Division->GetName();
    } else if (m_Cup && m_Round) {
        const int i = m_Cup->GetRoundIndex(m_Round);
        out = i >= 0 ? m_Cup->GetRoundName(i) : std::string(m_Cup->m_Name);
    } else {
        out = platform::LoadString(98);
    }
}

int CMatchPlay::GetCount(int what, int side) const {
    return what >= 0 && what < kCounts ? m_Counts[static_cast<size_t>(what)][static_cast<size_t>(side & 1)] : 0;
}

int CMatchPlay::Substitute(int side, int slotA, int slotB) {
    if (m_Fast) return 0;
    return DoSubstitute(side, slotA, slotB);
}

int CMatchPlay::DoSubstitute(int side, int slotA, int slotB) {
    CWorldData* w = GetWorldData();
    const int s = side & 1;
    CClub* club = SideClub(s);
    if (!club || slotA == slotB || slotA < 0 || slotB < 0) return 0;
    const int last = 10 + std::clamp<int>(m_Fixture->m_SubsNamed, 0, 5);
    if (slotA > last || slotB > last) return 0;
    CMatchVars& mv = *w->GetMatchVars();
    if (slotA <= 10 && slotB <= 10) {
        // Two men on the pitch change places.
        club->SwapSquadSlots(slotA, slotB);
        mv.SwapSlots(s, slotA, slotB);
        m_Squads[s]->Swap(slotA, slotB);
        m_Changed = 1;
        return 2;
    }
    if (slotA > 10 && slotB > 10) return 0;
    const int outSlot = std::min(slotA, slotB), inSlot = std::max(slotA, slotB);
    CPlayer* out = club->GetPlayer(outSlot);
    CPlayer* in = club->GetPlayer(inSlot);
    if (!out || !in) return 0;
    // A man sent off cannot be replaced; one hurt however badly can.
    if (mv.IsSentOff(s, outSlot) || out->m_MatchStatus == CPlayer::kMatchSentOff) return 0;
    const uint16_t outId = club->GetPlayerId(outSlot), inId = club->GetPlayerId(inSlot);
    CSubstitutionVars& subs = *w->GetSubstitutionVars();
    if (!in->IsAvailable() || subs.WasTakenOff(inId)) return 0;
    if (!subs.Add(static_cast<uint8_t>(outSlot), s, outId, inId)) return 0;
    mv.SwapSlots(s, outSlot, inSlot);
    m_Squads[s]->RecordSubstitution(outSlot, inSlot);
    club->SwapSquadSlots(outSlot, inSlot);
    m_Commentary = platform::FormatMessageId(matchtext::kSubstitution, {m_Minute, out->GetName(), in->GetName()});
    m_SubstitutionTexts[s].push_back(m_Commentary);
    m_WentOff[s].push_back({outId, m_Minute});
    m_CameOn[s].push_back({inId, m_Minute});
    m_Changed = 1;
    return 1;
}

void CMatchPlay::TakeHumanPenalty(int side, int slot) {
    const int s = side & 1;
    if (m_PendingPenaltySide != s) return;
    const int outcome = m_PendingPenaltyOutcome;
    m_PendingPenaltySide = -1;
    CPlayer* p = SidePlayer(s, slot);
    if (!p || slot > 10 || !p->CanPlay()) {
        // Nobody fit chosen: the club's own taker steps up.
        slot = m_Fixture->GetPenaltyTakerSlot(s);
        p = SidePlayer(s, slot);
        if (!p) return;
    } else if (CClub* taker = SideClub(s)) {
        taker->SetDesignatedPlayer(1, taker->GetPlayerId(slot));  // he takes the next one too
    }
    m_CurrentSlot = slot;
    m_CurrentPlayer = p;
    const CClub* club = SideClub(s);
    const std::string clubName = club ? club->GetName() : "";
    if (outcome != 0) {
        m_Commentary = platform::FormatMessageId(outcome == 1 ? matchtext::kPenaltySaved : matchtext::kPenaltyOffTarget,
                                                 {m_Minute, p->GetName(), clubName});
        return;
    }
    m_Fixture->RecordScorer(s, static_cast<uint8_t>(m_Minute), slot, static_cast<uint8_t>(9 + s));
    m_Commentary = platform::FormatMessageId(matchtext::kPenaltyGoal, {m_Minute, p->GetName(), clubName});
    AddScorerLine(s, p, false);
    GoalFollowUp(s, slot);
    SetGoalLine();
}
