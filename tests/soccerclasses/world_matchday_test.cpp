#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/extbytearray.h"

namespace clubtest {
namespace {

class HumanMatchDay : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        SixClubLeague({1, 2, 3, 4, 5, 6});  // match day 1: 1-2, 3-4, 5-6
        date.SetMatchDay(10);
    }
    // User slot `slot` manages club `club`.
    void Human(int slot, int club) {
        world.GetUser(slot)->SetManagerIndex(world.GetClub(club)->GetManager());
    }
    CMatchTime date;
};

TEST_F(HumanMatchDay, TrueOnlyForHumanClubsInDifferentFixtures) {
    struct Case {
        std::vector<int> clubs;  // of user slots 0, 1, …
        bool expected;
    } cases[] = {
        {{0}, false},        // one human manager
        {{0, 1}, false},     // the same fixture
        {{0, 2}, true},      // two fixtures
        {{1, 0, 5}, true},   // the third one differs
    };
    for (const Case& k : cases) {
        for (int s = 0; s < CUserList::kSlots; ++s) world.GetUser(s)->SetManagerIndex(-1);
        for (size_t s = 0; s < k.clubs.size(); ++s) Human(static_cast<int>(s), k.clubs[s]);
        CWorldData::SelectedUserSlot() = 0;
        EXPECT_EQ(world.IsHumanMatchDay(date), k.expected) << k.clubs.size() << " users";
        EXPECT_EQ(world.GetCurrentUserIndex(), 0);
    }
    // An empty slot (a manager's game over) hides nobody behind it.
    for (int s = 0; s < CUserList::kSlots; ++s) world.GetUser(s)->SetManagerIndex(-1);
    Human(2, 0);
    Human(5, 2);
    CWorldData::SelectedUserSlot() = 2;
    EXPECT_TRUE(world.IsHumanMatchDay(date));
    EXPECT_EQ(world.GetCurrentUserIndex(), 2);
    // On a day without league matches nobody plays.
    Human(0, 0);
    Human(1, 2);
    date.SetMatchDay(11);
    EXPECT_FALSE(world.IsHumanMatchDay(date));
}

}  // namespace
}  // namespace clubtest
