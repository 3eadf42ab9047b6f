#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"

namespace clubtest {
namespace {

class ClubSquad : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        list.ReadFile(WriteClubs({Record("Harwick Albion", 0)}));
    }
    CClub& Club() { return *list.GetAt(0); }
    CClubList list;
};

TEST_F(ClubSquad, TwentyEightInSlotsAndTwoOutOnLoanIsFull) {
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(Club().AddPlayerToSquad(AddPlayer(1 + i % 3)));
    Club().LoanOutPlayer(Club().GetPlayerId(29));
    Club().LoanOutPlayer(Club().GetPlayerId(28));
    EXPECT_EQ(Club().CountFilledSlots(), 28);
    EXPECT_EQ(Club().GetSquadSize(), 30u);
    EXPECT_EQ(Club().CanSignPlayer(0), 600);
    EXPECT_FALSE(Club().AddPlayerToSquad(AddPlayer(0)));
    EXPECT_EQ(Club().CountFilledSlots(), 28);
}

// The limit table {6, 10, 10, 10}: a sixth goalkeeper may join five, a
// seventh may not.
TEST_F(ClubSquad, GoalkeeperLimitFollowsTheTable) {
    for (int i = 0; i < 5; ++i) Club().AddPlayerToSquad(AddPlayer(0));
    EXPECT_EQ(Club().CanSignPlayer(0), 0);
    Club().AddPlayerToSquad(AddPlayer(0));
    EXPECT_EQ(Club().CanSignPlayer(0), 32862);
    for (int i = 0; i < 9; ++i) Club().AddPlayerToSquad(AddPlayer(1));
    EXPECT_EQ(Club().CanSignPlayer(1), 0);
}

TEST_F(ClubSquad, APlayerStandsInOneSlotOnly) {
    const uint16_t p = AddPlayer(2);
    EXPECT_TRUE(Club().AddPlayerToSquad(p));
    EXPECT_FALSE(Club().AddPlayerToSquad(p));
    EXPECT_EQ(Club().CountFilledSlots(), 1);
    EXPECT_EQ(list.FindClubOfPlayer(p), &Club());
}

TEST_F(ClubSquad, ComputerClubFillsAFirstElevenGapFromTheBench) {
    std::vector<uint16_t> ids;
    for (int pos : {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 1, 3}) ids.push_back(AddPlayer(pos));
    for (uint16_t id : ids) Club().AddPlayerToSquad(id);
    Club().RemoveFromSquad(9);  // an attacker: slot 13's attacker takes his place
    EXPECT_EQ(Club().GetPlayerId(9), ids[13]);
    EXPECT_EQ(Club().GetPlayerId(11), ids[11]);
    EXPECT_EQ(Club().GetPlayerId(13), kEmptySlot);
    Club().RemoveFromSquad(20);  // an empty reserve slot closes the gap
    EXPECT_EQ(Club().CountFilledSlots(), 13);
}

TEST_F(ClubSquad, BlankClub) {
    CClub blank;
    EXPECT_EQ(blank.GetTicketPrice(), 10.0);
    EXPECT_EQ(blank.GetManager(), -1);
    EXPECT_EQ(blank.CountFilledSlots(), 0);
    EXPECT_EQ(blank.GetAccounts(), nullptr);
    EXPECT_EQ(blank.GetCurrentForm(), nullptr);
}

TEST_F(ClubSquad, FoundedYearText) {
    EXPECT_EQ(Club().GetFoundedYearText(), "1890");
    CClub blank;
    EXPECT_EQ(blank.GetFoundedYearText(), "UNKNOWN");
}

}  // namespace
}  // namespace clubtest
