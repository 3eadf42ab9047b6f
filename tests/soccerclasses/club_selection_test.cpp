#include <gtest/gtest.h>

#include <set>

#include "clubs_world.h"
#include "platform/trace.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

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

class HumanSelection : public TeamSelection {
protected:
    void SetUp() override {
        TeamSelection::SetUp();
        Squad({0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 1, 2, 3, 1, 2, 3, 1, 2});
        MakeHuman(Club());
        user = world.GetUserList().GetAt(2);
        user->SetManagerIndex(Club().GetManager());
        for (int s = 0; s < 30; ++s) before[size_t(s)] = Club().GetPlayerId(s);
    }
    void AllFit() {
        for (int s = 0; s < 30; ++s) {
            const uint16_t id = Club().GetPlayerId(s);
            if (id == kEmptySlot) continue;
            Heal(id);
            world.GetPlayer(id)->m_Suspension = 0;
        }
    }
    CHumanManager* user = nullptr;
    std::array<uint16_t, 30> before{};
};

TEST_F(HumanSelection, TheTeamSheetGoesIntoTheSlotsForTheMatchAndBackAfterIt) {
    // Shirts 1..16 reversed over slots 4..19, slots 0..3 left out.
    for (int s = 0; s < 30; ++s) user->SetSelection(s, s >= 4 && s < 20 ? uint8_t(20 - s) : 0);
    user->GetTacticList().GetCurrentTactic()->m_Aggression = 3;
    Club().PickMatchSquad(5);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(Club().GetPlayerId(k), before[size_t(19 - k)]) << "position " << k + 1;
    // The unpicked follow in their old order: slots 0..3, then 20 on.
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Club().GetPlayerId(16 + k), before[size_t(k)]);
    EXPECT_EQ(Club().GetPlayerId(20), kEmptySlot);
    EXPECT_EQ(Club().GetAggression(), 3);
    EXPECT_TRUE(user->IsSquadInSelectionOrder());
    user->RestoreClubSquadOrder(Club());
    for (int s = 0; s < 30; ++s) EXPECT_EQ(Club().GetPlayerId(s), before[size_t(s)]);
}

TEST_F(HumanSelection, AShirtNobodyWearsTakesTheNextUnpickedPlayer) {
    user->SetSelection(3, 0);  // shirt 4 is given to no one
    Club().PickMatchSquad(5);
    std::set<uint16_t> seen;
    for (int s = 0; s < 30; ++s)
        if (Club().GetPlayerId(s) != kEmptySlot) {
            EXPECT_TRUE(seen.insert(Club().GetPlayerId(s)).second);
        }
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(Club().GetPlayerId(3), before[3]);  // the first unpicked, in slot order
}

TEST_F(HumanSelection, AComputerPickDrawsAFormationTheManagerShares) {
    Club().SetTacticIndex(10);
    Club().SelectTeam(5);
    EXPECT_LT(Club().GetTactic(), 10);
    EXPECT_EQ(user->GetCurrentTactic(), Club().GetTactic());
}

TEST_F(HumanSelection, ValidationNamesTheFirstShirtThatCannotPlay) {
    struct Case {
        const char* what;
        int slot;
        const char* fragment;
    };
    const Case cases[] = {
        {"missing shirt", -1, "there is no one selected in the number 3 shirt"},
        {"injured", 2, "(3) "},
        {"suspended", 2, "isn't available because of a 2 match suspension."},
    };
    for (const Case& c : cases) {
        ScriptedUserPort port;
        for (int s = 0; s < 30; ++s) user->SetSelection(s, s < 16 ? uint8_t(s + 1) : 0);
        AllFit();
        if (c.slot < 0) user->SetSelection(2, 0);
        else if (std::string(c.what) == "injured") Injure(Club().GetPlayerId(c.slot));
        else world.GetPlayer(Club().GetPlayerId(c.slot))->m_Suspension = 2;
        EXPECT_FALSE(Club().ValidateHumanSelection(5)) << c.what;
        ASSERT_EQ(port.Boxes().size(), 1u) << c.what;
        EXPECT_NE(port.Boxes()[0].text.find(c.fragment), std::string::npos) << port.Boxes()[0].text;
        if (std::string(c.what) == "injured") {
            EXPECT_NE(port.Boxes()[0].text.find("isn't available due to injury."), std::string::npos);
        }
    }
    AllFit();
    user->SetSelection(2, 3);
    ScriptedUserPort port;
    EXPECT_TRUE(Club().ValidateHumanSelection(5));
    EXPECT_TRUE(port.Boxes().empty());
    // Fewer than sixteen fit men: the sheet stands whatever it holds.
    user->SetSelection(2, 0);
    for (int s = 0; s < 5; ++s) Injure(Club().GetPlayerId(s));
    EXPECT_TRUE(Club().ValidateHumanSelection(5));
}

}  // namespace
}  // namespace clubtest
