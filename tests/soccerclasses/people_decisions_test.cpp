// Rules where the game departs from the plain reading of its rules: each
// case would fail on that reading.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/soccerplayer.h"

namespace {

// The generator's step and its inverse, to place the rare top value 32767
// at a chosen draw.
constexpr uint32_t kMul = 214013, kAdd = 2531011, kInverse = 0xB9B33155u;
static_assert(kMul * kInverse == 1u);

uint32_t StateBefore(uint32_t state, int draws) {
    for (int i = 0; i < draws; ++i) state = (state - kAdd) * kInverse;
    return state;
}

class PeopleDecisions : public clubtest::PeopleWorld {};

TEST_F(PeopleDecisions, TheStaffMarketsTopDrawBringsAnAssistantManagerNotAContact) {
    const CCountry& country = *world.GetCountry(1);
    const CPopularity& row = *table->GetAt(20);
    // Whichever draw of a new market entry is its job kind, one of these
    // entries meets the top value there.
    int assistants = 0;
    for (int n = 1; n <= 120; ++n) {
        platform::SetRandomState(StateBefore(0x7FFF0000u, n));
        CAvailableEmployee e(country, row);
        EXPECT_LE(e.m_JobKind, CBasicEmployee::kAssistantManager) << "top value at draw " << n;
        assistants += e.m_JobKind == CBasicEmployee::kAssistantManager;
    }
    EXPECT_GT(assistants, 0);
    platform::SetRandomState(StateBefore(0x7FFF0000u, 1));
    EXPECT_EQ(platform::Rand(), platform::kRandMax);
}

TEST_F(PeopleDecisions, AgesPastFortyFourCountAsFortyFour) {
    const CPopularity& row = *table->GetAt(20);
    for (int position = 0; position < 4; ++position) {
        CSoccerPlayer old, last;
        platform::SeedRandom(99);
        old.Generate(50, static_cast<uint8_t>(position), 60);
        platform::SeedRandom(99);
        last.Generate(44, static_cast<uint8_t>(position), 60);
        EXPECT_EQ(old.GetAbility(), last.GetAbility());
        EXPECT_EQ(old.m_Pace, last.m_Pace);
        EXPECT_EQ(old.m_Strength, last.m_Strength);
        EXPECT_EQ(old.m_Tackling, last.m_Tackling);
        EXPECT_EQ(old.m_Shooting, last.m_Shooting);
        EXPECT_EQ(old.FitsPopularity(row, 50, position), old.FitsPopularity(row, 44, position));
    }
}

TEST(PopularityRow, AbilityBandsAndMoney) {
    CPopularity r;
    r.m_AbilityBase = {40, 50, 50, 55};
    r.m_AbilitySpread = {10, 0, 20, 5};
    r.m_BandA = {60, 60, 70, 80};
    r.m_BandB = {10, 15, 5, 10};
    r.m_ManagerRatingThreshold = 45;
    r.m_BalanceBase = 200000;
    r.m_GeneralWagesBase = 5000;
    struct Case {
        int ability, position;
        bool fits, inBand;
    } cases[] = {
        {30, 0, true, false},  {29, 0, false, false}, {40, 0, true, true},  {70, 0, true, true},
        {75, 0, true, false},  {76, 0, false, false}, {90, 3, true, true},  {95, 3, true, false},
        {96, 3, false, false}, {44, 9, false, false}, {45, 9, true, false}, {55, 9, true, true},  // the last band
    };
    for (const Case& k : cases) {
        EXPECT_EQ(r.FitsAbility(static_cast<uint8_t>(k.ability), k.position), k.fits) << k.ability << "/" << k.position;
        EXPECT_EQ(r.IsAbilityInBand(static_cast<uint8_t>(k.ability), k.position), k.inBand)
            << k.ability << "/" << k.position;
    }
    EXPECT_EQ(r.GetAbilityUpperBound(2), 75);
    EXPECT_EQ(r.GetRandomAbility(1), 50);
    for (int k = 0; k < 200; ++k) {
        const int a = r.GetRandomAbility(2);
        EXPECT_GE(a, 50);
        EXPECT_LE(a, 70);
    }
    EXPECT_FALSE(r.IsManagerRated(44));
    EXPECT_TRUE(r.IsManagerRated(45));
    // Without a spread the money is exact: the base in hundredths, times the percentage.
    EXPECT_DOUBLE_EQ(r.GetValue(80), 160000.0);
    EXPECT_DOUBLE_EQ(r.GetBudget(100), 5000.0);
}

}  // namespace
