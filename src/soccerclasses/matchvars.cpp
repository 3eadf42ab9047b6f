#include "soccerclasses/matchvars.h"

#include <algorithm>
#include <utility>

#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/worlddata.h"

void CSubstitutionVars::Reset(int allowed) {
    m_Slots.SetSizeAndFill(10, 10);
    m_Off.SetSizeAndFill(10, kEmpty);
    m_On.SetSizeAndFill(10, kEmpty);
    if (allowed >= 0) m_Allowed = allowed > 5 ? 5 : allowed;
}

int CSubstitutionVars::CountUsed(int side) const {
    int n = 0;
    for (int i = 0; i < 5; ++i) n += m_Off.GetAt((side & 1) * 5 + i) != kEmpty;
    return n;
}

bool CSubstitutionVars::WasTakenOff(uint16_t player) const {
    for (uint16_t p : m_Off)
        if (p == player) return true;
    return false;
}

bool CSubstitutionVars::Add(uint8_t slot, int side, uint16_t playerOff, uint16_t playerOn) {
    if (playerOff == playerOn) return false;
    if (CountUsed(side) >= m_Allowed || WasTakenOff(playerOn)) return false;
    for (int i = (side & 1) * 5, end = i + 5; i < end; ++i) {
        if (m_Off.GetAt(i) != kEmpty) continue;
        m_Off.SetAt(i, playerOff);
        m_On.SetAt(i, playerOn);
        m_Slots.SetAt(i, slot);
        return true;
    }
    return false;
}

CAggressionList::CAggressionList() {
    static const CAggression kLevelsTable[kLevels] = {
        {1, 1, 0, 0}, {1, 2, 0, 0}, {1, 2, 0, 0}, {1, 3, 0, 0}, {1, 3, 0, 0},
        {2, 2, 0, 0}, {2, 3, 1, 1}, {3, 2, 1, 2}, {3, 3, 1, 2}, {4, 3, 2, 3},
    };
    for (const auto& l : kLevelsTable) Add(std::make_unique<CAggression>(l));
}

int CAggressionList::GetBookingCount(int level) const {
    const CAggression* a = GetAt(level);
    if (!a) return 0;
    return a->bookingSpread >= 1 ? a->bookingBase + Random(a->bookingSpread) : a->bookingBase;
}

int CAggressionList::GetSendingOffCount(int level) const {
    const CAggression* a = GetAt(level);
    if (!a) return 0;
    return a->sendingOffSpread >= 1 ? a->sendingOffBase + Random(a->sendingOffSpread) : a->sendingOffBase;
}

void CMatchVars::SetClubsFromFixture(const CFixture& fixture) { SetClubIndexes(fixture.m_Home, fixture.m_Away); }

void CMatchVars::Reset() {
    m_GoalTargets = m_PlannedBookings = m_PlannedSendingsOff = {0, 0};
    m_Twist = m_Reputation = m_Aggression = m_PopularityIndex = m_OffsideTrap = m_OnTheBreak = m_TemperTotal = {0, 0};
    m_Bias = m_PassingStyle = {4, 4};
    m_Work.RemoveAll();
    for (auto& n : m_Names) n.clear();
    m_InjuredSlot = 65535;
    for (auto& kind : m_Counters)
        for (auto& side : kind) side.SetSizeAndFill(16, 0);
    m_AttributeSums.fill(0);
    if (Random(30) == 2) {
        switch (Random(6)) {
            case 0: m_Twist[0] = 1; break;
            case 1: m_Twist[0] = 2; break;
            case 2: m_Twist[1] = 1; break;
            case 3: m_Twist[1] = 2; break;
            case 4: m_Twist = {1, 2}; break;
            default: m_Twist = {2, 1}; break;
        }
    }
}

void CMatchVars::DivideCardPlanByThree() {
    for (auto* a : {&m_PlannedBookings, &m_PlannedSendingsOff})
        for (auto& v : *a) v = static_cast<int8_t>(v / 3);
}

void CMatchVars::Bump(int counter, int side, int slot) {
    auto& arr = m_Counters[static_cast<size_t>(counter)][static_cast<size_t>(side & 1)];
    arr.SetAt(slot, static_cast<uint8_t>(arr.GetAt(slot) + 1));
}

void CMatchVars::AddAssist(int side, int slot, int minute) {
    Bump(kThird, side, slot);
    GetPerformanceList(side).AddEvent(slot, 5, minute);
}

void CMatchVars::AddGoal(int side, int slot, int minute) {
    Bump(kGoals, side, slot);
    Bump(kGoalsAndAssists, side, slot);
    GetPerformanceList(side).AddEvent(slot, 9, minute);
}

void CMatchVars::AddBooking(int side, int slot) { Bump(kBookings, side, slot); }

void CMatchVars::SetSentOff(int side, int slot) {
    m_Counters[kSentOff][static_cast<size_t>(side & 1)].SetAt(slot, 1);
}

void CMatchVars::AppendWeights(int side, uint32_t a, uint32_t b) {
    size_t s = static_cast<size_t>(side & 1);
    m_ShootingWeights[s].Add(a);
    m_SecondWeights[s].Add(b);
    uint32_t sum = 0;
    for (uint32_t w : m_ShootingWeights[s]) sum += w;
    m_WeightSums[s].Add(sum);
}

void CMatchVars::ClearWeights(int side) {
    size_t s = static_cast<size_t>(side & 1);
    m_ShootingWeights[s].RemoveAll();
    m_SecondWeights[s].RemoveAll();
    m_WeightSums[s].RemoveAll();
}

void CMatchVars::SwapSlots(int side, int a, int b) {
    GetPerformanceList(side).SwapSlots(a, b);
    for (auto& kind : m_Counters) {
        auto& arr = kind[static_cast<size_t>(side & 1)];
        uint8_t t = arr.GetAt(a);
        arr.SetAt(a, arr.GetAt(b));
        arr.SetAt(b, t);
    }
}

CClub* CMatchVars::GetClub(int side) const {
    CWorldData* w = GetWorldData();
    const int c = GetClubIndex(side);
    return w && c >= 0 && c < w->GetClubList().GetSize() ? w->GetClub(c) : nullptr;
}

bool CMatchVars::LoadClubSettings(int side) {
    const CClub* club = GetClub(side);
    CWorldData* w = GetWorldData();
    if (!club || !w) return false;
    const auto& in = club->GetMatchInstructions();  // bias, passing, offside trap, on the break, aggression
    if (in[4] >= CAggressionList::kLevels) return false;
    if (club->GetPopularityIndex() >= w->GetPopularityList().GetSize()) return false;
    const size_t s = static_cast<size_t>(side & 1);
    m_PopularityIndex[s] = club->GetPopularityIndex();
    m_Reputation[s] = club->GetReputation();
    m_Aggression[s] = in[4];
    m_Bias[s] = in[0];
    m_PassingStyle[s] = in[1];
    m_OffsideTrap[s] = in[2];
    m_OnTheBreak[s] = in[3];
    // Ratings start from each player's true ability; an empty slot stays 0.
    std::array<uint8_t, CSoccerPlayerPerformanceList::kSlots> bases{};
    for (int slot = 0; slot < CSoccerPlayerPerformanceList::kSlots; ++slot)
        if (const CPlayer* p = club->GetPlayer(slot)) bases[static_cast<size_t>(slot)] = std::min<uint8_t>(p->GetAbility(), 99);
    m_Performance[s].StartMatch(bases);
    return true;
}

bool CMatchVars::LoadTacticSettings(const CSoccerTactic& tactic, int side) {
    if (tactic.m_Aggression >= CAggressionList::kLevels) return false;
    const size_t s = static_cast<size_t>(side & 1);
    m_Aggression[s] = tactic.m_Aggression;
    m_Bias[s] = tactic.m_Instructions[0];
    m_PassingStyle[s] = tactic.m_Instructions[1];
    m_OffsideTrap[s] = tactic.m_Instructions[2];
    m_OnTheBreak[s] = tactic.m_Instructions[3];
    return true;
}

void CMatchVars::ExtendPerformance(int minutes) {
    // The lists already hold every minute a match can reach; extra time
    // carries the last rating of normal time on.
    if (minutes <= 0) return;
    for (auto& p : m_Performance) p.ExtendToExtraTime();
}

void CMatchVars::AddPossession(int side, int slot) { Bump(kFirst, side, slot); }

void CMatchVars::SetNames(const std::string& scorer, const std::string& assistant, const std::string& booked,
                          const std::string& fouled, const std::string& injured) {
    m_Names = {scorer, assistant, booked, fouled, injured};
}
