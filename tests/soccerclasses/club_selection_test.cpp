#include <gtest/gtest.h>

#include <set>

#include "clubs_world.h"
#include "platform/trace.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/player.h"

namespace clubtest {
namespace {

class TeamSelection : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        list.ReadFile(WriteClubs({Record("Harwick Albion", 0)}));
    }
    CClub& Club() { return *list.GetAt(0); }
    // Fills the squad in slot order with players of these positions.
    void Squad(std::initializer_list<int> positions, int ability = 50) {
        for (int p : positions) {
            const uint16_t id = AddPlayer(p);
            SetAbility(id, ability);
            ASSERT_TRUE(Club().AddPlayerToSquad(id));
        }
    }
    int PositionIn(int slot) { return Club().PlayerInSlot(slot)->GetPosition(); }
    CClubList list;
};

TEST_F(TeamSelection, FiveThreeTwoFillsTheFormationsPositions) {
    Squad({3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 1, 2, 3, 2, 1, 0, 0, 1, 2, 0, 3, 0, 1, 2, 3});
    Club().SetTacticIndex(3);
    Club().SelectTeam(5);
    EXPECT_EQ(PositionIn(0), 0);
    const int expected[10] = {1, 1, 1, 1, 1, 2, 2, 3, 3, 2};
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(PositionIn(s), expected[s - 1]) << "slot " << s;
    for (int s = 11; s <= 14; ++s) {
        EXPECT_NE(PositionIn(s), 0) << "slot " << s;
        EXPECT_TRUE(CanPlayerPlay(*Club().PlayerInSlot(s)));
    }
    EXPECT_EQ(PositionIn(15), 0);  // the substitute goalkeeper (a draw among many)
}

TEST_F(TeamSelection, OfEqualGoalkeepersTheLowerSlotPlays) {
    Squad({1, 0, 0});
    const uint16_t first = Club().GetPlayerId(1);
    EXPECT_TRUE(Club().FillSlotWithBestPlayer(0, 0));
    EXPECT_EQ(Club().GetPlayerId(0), first);
}

TEST_F(TeamSelection, BestOutfieldPlayerStandsInForAMissingDefender) {
    Squad({0, 2, 3, 3});
    const uint16_t best = Club().GetPlayerId(3);
    SetAbility(best, 80);
    EXPECT_TRUE(Club().FillSlotWithBestPlayer(1, 1));
    EXPECT_EQ(Club().GetPlayerId(1), best);
}

TEST_F(TeamSelection, ThreeSuspensionsMeanNoAggression) {
    Squad({0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 1, 2, 3, 1, 2, 3, 2, 1});
    for (int s : {12, 13, 14}) world.GetPlayer(Club().GetPlayerId(s))->m_Suspension = 1;
    for (int seed = 0; seed < 10; ++seed) {
        Club().SelectTeam(3);
        EXPECT_EQ(Club().GetAggression(), 0);
    }
}

TEST_F(TeamSelection, ShortSquadGetsGeneratedPlayers) {
    Squad({0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 1, 2});  // 14 available
    const int before = world.GetPlayerList().GetSize();
    Club().SelectTeam(5);
    ASSERT_EQ(world.GetPlayerList().GetSize(), before + 2);
    EXPECT_EQ(world.GetPlayer(before)->GetPosition(), 0);
    EXPECT_EQ(world.GetPlayer(before + 1)->GetPosition(), 1);
    EXPECT_EQ(Club().CountFilledSlots(), 16);
}

// With nobody playable within reach the search ends and says so.
TEST_F(TeamSelection, NoPlayablePlayerLeavesTheSlotAndEnds) {
    Squad({0, 1, 2});
    for (int s = 0; s < 3; ++s) Injure(Club().GetPlayerId(s));
    platform::TraceCapture trace;
    EXPECT_FALSE(Club().FillSlotWithBestPlayer(0, 0));
    EXPECT_TRUE(trace.Contains("No playable player"));
    EXPECT_EQ(Club().CountFilledSlots(), 3);
}

TEST_F(TeamSelection, EveryMatchSquadIsPlayableAndKeepsEachPlayerOnce) {
    Squad({0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 0, 1, 2, 3, 1, 2, 0, 3});
    for (int round = 0; round < 30; ++round) {
        for (int s = 0; s < 22; ++s) {
            const uint16_t id = Club().GetPlayerId(s);
            if (id == kEmptySlot) continue;
            Heal(id);
            if ((round + s) % 7 == 0) Injure(id);
        }
        Club().SelectTeam(5);
        std::set<uint16_t> seen;
        for (int s = 0; s < kSquadSlots; ++s) {
            if (Club().GetPlayerId(s) != kEmptySlot) {
                EXPECT_TRUE(seen.insert(Club().GetPlayerId(s)).second);
            }
        }
        for (int s = 0; s <= 15; ++s) EXPECT_TRUE(CanPlayerPlay(*Club().PlayerInSlot(s))) << round << " " << s;
        EXPECT_EQ(PositionIn(0), 0);
        for (int d = 0; d < 4; ++d) {
            const int32_t id = Club().GetDesignatedPlayer(d);
            ASSERT_NE(id, kEmptySlot);
            const int slot = Club().FindSlotOfPlayer(uint16_t(id));
            EXPECT_TRUE(slot >= 0 && slot <= 11) << slot;
        }
    }
}

}  // namespace
}  // namespace clubtest
