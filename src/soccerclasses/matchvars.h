#pragma once
// The state of the one match being computed: the substitution record and the
// aggression table (the world owns one of each), and the match variables.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/extwordarray.h"
#include "soccerclasses/owninglist.h"
#include "soccerclasses/playerperformance.h"

class CSubstitutionVars {
public:
    static constexpr uint16_t kEmpty = 65535;

    CSubstitutionVars() { Reset(0); }

    // Clears every entry and stores `allowed` (kept within 0..5; a negative
    // value leaves the old one).
    void Reset(int allowed);
    int GetAllowed() const { return m_Allowed; }
    // Entries 0 to 4 are the home side's, 5 to 9 the away side's.
    int CountUsed(int side) const;
    bool WasTakenOff(uint16_t player) const;
    bool Add(uint8_t slot, int side, uint16_t playerOff, uint16_t playerOn);
    bool CanSubstitute(int side) const { return CountUsed(side) != m_Allowed; }

    uint8_t GetSlot(int i) const { return m_Slots.GetAt(i); }
    uint16_t GetPlayerOff(int i) const { return m_Off.GetAt(i); }
    uint16_t GetPlayerOn(int i) const { return m_On.GetAt(i); }

private:
    int m_Allowed = 0;
    CExtByteArray m_Slots;
    CExtWordArray m_Off;
    CExtWordArray m_On;
};

struct CAggression {
    int32_t bookingBase, bookingSpread, sendingOffBase, sendingOffSpread;
};

class CAggressionList : public OwningList<CAggression> {
public:
    static constexpr int kLevels = 10;
    CAggressionList();
    int GetBookingCount(int level) const;
    int GetSendingOffCount(int level) const;
};

class CClub;
class CDivision;
class CFixture;
class CSoccerTactic;

class CMatchVars {
public:
    CMatchVars() { Reset(); }

    void SetDivision(CDivision* division) { m_Division = division; }
    CDivision* GetDivision() const { return m_Division; }
    void SetClubIndexes(int home, int away) { m_Club = {home, away}; }
    void SetClubs(int home, int away) { SetClubIndexes(home, away); }
    void SetClubsFromFixture(const CFixture& fixture);
    int GetClubIndex(int side) const { return m_Club[static_cast<size_t>(side & 1)]; }
    // The world's club of a side; null for a side without a league club.
    CClub* GetClub(int side) const;
    CClub* GetHomeClub() const { return GetClub(0); }
    CClub* GetAwayClub() const { return GetClub(1); }

    // A side's popularity index, reputation and match instructions from its
    // club, and its performance list started with the club's first eleven
    // and bench. False, changing nothing, without a club or with a
    // popularity index or aggression level outside their tables.
    bool LoadHomeClubSettings() { return LoadClubSettings(0); }
    bool LoadAwayClubSettings() { return LoadClubSettings(1); }
    bool LoadClubSettings(int side);
    // A side's instructions from a formation; false for an aggression level
    // outside the table.
    bool LoadTacticSettings(const CSoccerTactic& tactic, int side);
    // Both performance lists carried on into extra time.
    void ExtendPerformance(int minutes);
    CSoccerPlayerPerformanceList& GetPerformanceList(int side) { return m_Performance[static_cast<size_t>(side & 1)]; }

    // Everything planned cleared, then the rare twist of fate drawn.
    void Reset();
    void DivideCardPlanByThree();

    // The counters and the player's rating: an assist lifts it a little, a
    // goal more.
    void AddAssist(int side, int slot, int minute = 0);
    void AddGoal(int side, int slot, int minute = 0);
    void AddBooking(int side, int slot);
    // The first per-slot counter: times the player had the ball.
    void AddPossession(int side, int slot);
    void SetNames(const std::string& scorer, const std::string& assistant, const std::string& booked,
                  const std::string& fouled, const std::string& injured);
    void SetSentOff(int side, int slot);
    bool IsBooked(int side, int slot) const { return GetCounter(kBookings, side, slot) > 0; }
    bool IsSentOff(int side, int slot) const { return GetCounter(kSentOff, side, slot) > 0; }
    // Shooting weights are kept whole: a strong attacker's weight does not
    // fit a byte.
    void AppendWeights(int side, uint32_t a, uint32_t b);
    void ClearWeights(int side);
    void SwapSlots(int side, int a, int b);

    // The per-slot counters, 16 slots a side.
    enum CounterKind { kFirst, kGoals, kThird, kBookings, kSentOff, kGoalsAndAssists, kCounterKinds };
    uint8_t GetCounter(int counter, int side, int slot) const {
        return m_Counters[static_cast<size_t>(counter)][static_cast<size_t>(side & 1)].GetAt(slot);
    }

    CDivision* m_Division = nullptr;
    std::array<int, 2> m_Club{-1, -1};
    std::array<std::string, 5> m_Names;  // scorer, assistant, booked, fouled, injured
    CExtByteArray m_Work;
    std::array<CExtDWordArray, 2> m_ShootingWeights, m_SecondWeights;
    std::array<CExtDWordArray, 2> m_WeightSums;
    std::array<CSoccerPlayerPerformanceList, 2> m_Performance;
    std::array<std::array<CExtByteArray, 2>, kCounterKinds> m_Counters;
    int m_InjuredSlot = 65535;
    std::array<int, 30> m_AttributeSums{};
    std::array<uint8_t, 2> m_Reputation{}, m_Aggression{}, m_Bias{}, m_PassingStyle{}, m_OffsideTrap{}, m_OnTheBreak{},
        m_PopularityIndex{}, m_TemperTotal{}, m_Twist{};
    std::array<int8_t, 2> m_PlannedBookings{}, m_PlannedSendingsOff{}, m_GoalTargets{};

private:
    void Bump(int counter, int side, int slot);
};
