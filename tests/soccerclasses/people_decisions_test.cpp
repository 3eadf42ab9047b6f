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

}  // namespace
