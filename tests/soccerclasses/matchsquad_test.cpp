// The match variables taking a side's settings from its club or formation,
// and the engine's match squads.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/matchplayer.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccertactic.h"

namespace {

class MatchSides : public clubtest::PeopleWorld {
protected:
    void SetUp() override {
        PeopleWorld::SetUp();
        for (int slot = 0; slot < 16; ++slot) {
            const uint16_t id = AddPlayer(slot == 0 ? 0 : 1 + slot % 3);
            SetAbility(id, 40 + slot);
            Club().SetPlayerId(slot, id);
        }
        Club().SetMatchInstructions({7, 2, 1, 0, 6});
        vars.SetClubs(1, 0);  // Harwick Albion away
    }
    CMatchVars vars;
};

TEST_F(MatchSides, ClubsOfTheSides) {
    EXPECT_EQ(vars.GetHomeClub(), world.GetClub(1));
    EXPECT_EQ(vars.GetAwayClub(), &Club());
    EXPECT_EQ(vars.GetClub(3), &Club());  // any odd side is the away side
    vars.SetClubs(-1, 0);                 // a non-league opponent has no club
    EXPECT_EQ(vars.GetHomeClub(), nullptr);
    EXPECT_FALSE(vars.LoadHomeClubSettings());
}

TEST_F(MatchSides, ClubSettingsAndStartingRatings) {
    ASSERT_TRUE(vars.LoadAwayClubSettings());
    EXPECT_EQ(vars.m_Bias[1], 7);
    EXPECT_EQ(vars.m_PassingStyle[1], 2);
    EXPECT_EQ(vars.m_OffsideTrap[1], 1);
    EXPECT_EQ(vars.m_OnTheBreak[1], 0);
    EXPECT_EQ(vars.m_Aggression[1], 6);
    EXPECT_EQ(vars.m_Reputation[1], Club().GetReputation());
    EXPECT_EQ(vars.m_PopularityIndex[1], Club().GetPopularityIndex());
    EXPECT_EQ(vars.m_Bias[0], 4);  // the home side untouched
    CSoccerPlayerPerformanceList& away = vars.GetPerformanceList(1);
    EXPECT_EQ(away.GetMinuteByte(0, 0), Club().GetPlayer(0)->GetAbility());
    EXPECT_EQ(away.GetMinuteByte(10, 45), Club().GetPlayer(10)->GetAbility());

    // Swapping slots carries the ratings with the counters.
    vars.AddPossession(1, 3);
    vars.SwapSlots(1, 3, 12);
    EXPECT_EQ(vars.GetCounter(CMatchVars::kFirst, 1, 12), 1);
    EXPECT_EQ(vars.GetCounter(CMatchVars::kFirst, 1, 3), 0);
    EXPECT_EQ(away.GetMinuteByte(12, 0), Club().GetPlayer(3)->GetAbility());
}

TEST_F(MatchSides, SettingsOutsideTheTablesAreRefused) {
    Club().SetMatchInstructions({7, 2, 1, 0, 10});  // no aggression level 10
    EXPECT_FALSE(vars.LoadAwayClubSettings());
    EXPECT_EQ(vars.m_Bias[1], 4);
    Club().SetMatchInstructions({7, 2, 1, 0, 6});
    ASSERT_TRUE(vars.LoadAwayClubSettings());

    CSoccerTactic tactic;
    tactic.m_Instructions = {1, 8, 0, 1};
    tactic.m_Aggression = 9;
    ASSERT_TRUE(vars.LoadTacticSettings(tactic, 0));
    EXPECT_EQ(vars.m_Bias[0], 1);
    EXPECT_EQ(vars.m_PassingStyle[0], 8);
    EXPECT_EQ(vars.m_OnTheBreak[0], 1);
    EXPECT_EQ(vars.m_Aggression[0], 9);
    tactic.m_Aggression = 12;
    EXPECT_FALSE(vars.LoadTacticSettings(tactic, 0));
    EXPECT_EQ(vars.m_Aggression[0], 9);
}

TEST_F(MatchSides, NamesAndExtraTime) {
    vars.SetNames("SCORER", "MAKER", "BOOKED", "FOULED", "HURT");
    EXPECT_EQ(vars.m_Names[2], "BOOKED");
    ASSERT_TRUE(vars.LoadAwayClubSettings());
    vars.GetPerformanceList(1).SetRating(4, 70, 80);
    vars.ExtendPerformance(30);
    EXPECT_EQ(vars.GetPerformanceList(1).GetMinuteByte(4, 110), vars.GetPerformanceList(1).GetMinuteByte(4, 89));
    vars.Reset();
    EXPECT_EQ(vars.m_Names[2], "");
}

TEST_F(MatchSides, SquadSetUpFillsElevenAndTheBench) {
    CSoccerMatchPlayerList squad;
    EXPECT_FALSE(squad.SetUp(Club(), 6));
    ASSERT_TRUE(squad.SetUp(Club(), 3));
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(squad.GetAt(i)->m_Player, Club().GetPlayer(i)) << i;
        EXPECT_EQ(squad.GetAt(i)->m_Slot, i);
    }
    EXPECT_EQ(squad.GetAt(14)->m_Player, nullptr);  // left as it was
    EXPECT_EQ(squad.GetAt(15)->m_Player, nullptr);

    squad.GetAt(2)->m_Countdown = 2;
    squad.GetAt(12)->m_Countdown = 2;  // on the bench: no countdown
    squad.m_Counters.SetAt(1, 1);
    EXPECT_TRUE(squad.Tick(1));
    EXPECT_FALSE(squad.Tick(130));
    EXPECT_EQ(squad.GetAt(2)->m_Countdown, 1);
    EXPECT_EQ(squad.GetAt(12)->m_Countdown, 2);
    EXPECT_EQ(squad.m_Counters.GetAt(1), 0);
    EXPECT_TRUE(squad.Tick(2));
    EXPECT_TRUE(squad.Tick(3));
    EXPECT_EQ(squad.GetAt(2)->m_Countdown, 0);  // never below 0

    CPlayer* off = squad.GetAt(5)->m_Player;
    CPlayer* on = squad.GetAt(12)->m_Player;
    ASSERT_TRUE(squad.RecordSubstitution(5, 12));
    EXPECT_EQ(squad.GetAt(5)->m_Player, on);
    EXPECT_EQ(squad.GetAt(12)->m_Player, off);
    EXPECT_EQ(squad.GetAt(5)->m_Slot, 5);
    EXPECT_EQ(squad.GetAt(12)->m_Slot, 12);
    EXPECT_FALSE(squad.RecordSubstitution(4, 4));
    EXPECT_FALSE(squad.Swap(3, 16));
    ASSERT_TRUE(squad.Swap(0, 1));
    EXPECT_EQ(squad.GetAt(0)->m_Slot, 1);  // a plain swap takes the slot numbers along
}

}  // namespace
