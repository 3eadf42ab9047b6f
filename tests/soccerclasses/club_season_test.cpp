#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"

namespace clubtest {
namespace {

class ClubSeason : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0, 1), Record("Port Ellis", 1, 2)}));
    }
    CClub& Club() { return *world.GetClubList().GetAt(0); }
};

TEST_F(ClubSeason, ReputationStaysWithinItsRange) {
    struct Case {
        int start;
        std::function<void(CClub&)> event;
        int expected;
    };
    const std::vector<Case> cases = {
        {90, [](CClub& c) { c.AddCupWin("Cup", 1); }, 99},
        {15, [](CClub& c) { c.RecordRelegation(); }, 0},
        {20, [](CClub& c) { c.ProcessAfterMatch(0, 5); }, 0},
        {90, [](CClub& c) { c.ProcessAfterMatch(5, 0); }, 99},
        {50, [](CClub& c) { c.ProcessAfterMatch(4, 4); }, 60},
        {50, [](CClub& c) { c.ProcessAfterMatch(2, 1); }, 80},
        {50, [](CClub& c) { c.ProcessAfterMatch(1, 5); }, 15},
        {50, [](CClub& c) { c.AddPlayOffRunnerUp("Play-off", 1); }, 60},
    };
    for (const Case& c : cases) {
        Club().SetReputation(uint8_t(c.start));
        c.event(Club());
        EXPECT_EQ(Club().GetReputation(), c.expected) << c.start;
    }
}

// A league place is a league honour; cups are cup honours.
TEST_F(ClubSeason, HonoursOfLeaguesAndCups) {
    Club().AddLeagueTitle("First League", 3);
    Club().AddLeagueRunnerUp("First League", 3);
    Club().AddCupWin("Harwick Cup", 5);
    Club().AddCupRunnerUp("Harwick Cup", 5);
    const CTrophyHistoryList& t = Club().Trophies();
    ASSERT_EQ(t.GetSize(), 4);
    EXPECT_EQ(t.GetAt(0)->m_Kind, 0);
    EXPECT_EQ(t.GetAt(1)->m_Kind, 1);
    EXPECT_EQ(t.GetAt(2)->m_Kind, 2);
    EXPECT_EQ(t.GetAt(3)->m_Kind, 3);
    EXPECT_EQ(t.GetAt(0)->m_Title, "First League");
}

// Going up makes a club more popular (a lower index), going down less.
TEST_F(ClubSeason, PopularityMovesTheRightWay) {
    for (int i = 0; i < 4; ++i) {
        world.GetPopularityList().GetAt(i)->m_UpwardStep = 1;
        world.GetPopularityList().GetAt(i)->m_DownwardStep = 2;
    }
    Club().SetPopularityIndex(1);
    Club().SeasonEndMoveUp();
    EXPECT_EQ(Club().GetPopularityIndex(), 0);
    Club().SeasonEndMoveUp();
    EXPECT_EQ(Club().GetPopularityIndex(), 0);
    Club().SeasonEndMoveDown();
    EXPECT_EQ(Club().GetPopularityIndex(), 2);
    Club().SeasonEndMoveDown();
    EXPECT_EQ(Club().GetPopularityIndex(), 3);  // stays within the table
}

TEST_F(ClubSeason, PromotedComputerClubGetsARoomierStadium) {
    world.GetPopularityList().GetAt(0)->m_BaseCount = 30000;
    world.GetPopularityList().GetAt(1)->m_UpwardStep = 1;
    Club().SetPopularityIndex(1);
    Club().SeasonEndMoveUp();
    EXPECT_EQ(Club().GetStadiumCapacity(), 33000);
}

TEST_F(ClubSeason, LeagueResultsReachTableAndForm) {
    Club().RecordHomeLeagueResult(2, 1, 3, 1);
    Club().RecordAwayLeagueResult(1, 1, 3, 1);
    EXPECT_EQ(Club().LeagueRow().m_Points, 4);
    EXPECT_EQ(Club().GetCurrentForm()->GetFormText(), "----WD");
    CClub& inactive = *world.GetClubList().GetAt(1);
    inactive.RecordAwayLeagueResult(0, 3, 3, 1);
    EXPECT_EQ(inactive.LeagueRow().m_Points, 3);
}

TEST_F(ClubSeason, LowestGateIsTheFirstCrowdThenSmallerOnes) {
    Club().AddAttendance(30000);
    Club().AddAttendance(40000);
    Club().AddAttendance(20000);
    EXPECT_EQ(Club().GetAverageAttendance(), 30000);
    Club().StartNewSeason();
    EXPECT_EQ(Club().GetAverageAttendance(), 0);
}

TEST_F(ClubSeason, BestAndRandomFitLinePicks) {
    for (int pos : {0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3}) Club().AddPlayerToSquad(AddPlayer(pos));
    SetAbility(Club().GetPlayerId(2), 70);
    SetAbility(Club().GetPlayerId(3), 70);
    EXPECT_EQ(Club().GetBestInLine(1, true), 2);
    for (int s : {1, 2, 3}) Injure(Club().GetPlayerId(s));
    EXPECT_EQ(Club().GetRandomFitInLine(1, true), kEmptySlot);
    EXPECT_NE(Club().GetRandomFitInLine(3, true), kEmptySlot);
}

TEST_F(ClubSeason, ComputerClubBalanceAtTheSeasonEnd) {
    for (int i = 0; i < 20; ++i) Club().AddPlayerToSquad(AddPlayer(i % 4));
    CPopularity& row = *world.GetPopularityList().GetAt(1);
    row.m_BalanceSpread = 1;  // V without a spread
    const double v = row.GetValue(100);
    Club().SetBankBalance(3 * v);
    Club().EndOfSeason();
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), v);
    Club().SetBankBalance(5 * v);
    Club().EndOfSeason();
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), 5 * v);
}

TEST_F(ClubSeason, SeasonRecords) {
    Club().LeagueRow().m_Position = 4;
    Club().LeagueRow().m_Points = 61;
    Club().RecordSeasonInRecords();
    EXPECT_EQ(Club().Records().GetMostPoints(), 61);
    EXPECT_EQ(Club().Records().GetBestFinish(), 4);
    EXPECT_EQ(Club().Records().Text(19), "First League");
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(ClubWorld, SwappedClubsTakeEachOthersDivisionAndPlace) {
    auto second = std::make_unique<CDivision>();
    second->SetName("Second League");
    second->SetCountry(1);
    world.GetDivisionList().Add(std::move(second));
    auto low = Record("Lowbridge", 2);
    low.stadium = 0;
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), low}));
    CClubList& clubs = world.GetClubList();
    clubs.GetAt(0)->LeagueRow().m_Position = 7;
    clubs.GetAt(1)->LeagueRow().m_Position = 0;
    const int32_t managerOfLowbridge = clubs.GetAt(1)->GetManager();
    world.GetContractClauseList().Add(99, 10, 1);
    clubs.SwapClubs(0, 1);
    EXPECT_EQ(clubs.GetAt(0)->GetName(), "Lowbridge");
    EXPECT_EQ(clubs.GetAt(0)->GetDivisionIndex(), 0);
    EXPECT_EQ(clubs.GetAt(0)->LeagueRow().m_Position, 7);
    EXPECT_EQ(clubs.GetAt(1)->GetDivisionIndex(), 2);
    EXPECT_EQ(world.GetManagerList().GetAt(managerOfLowbridge)->GetClubIndex(), 0);
    EXPECT_EQ(world.GetContractClauseList().Find(99)->m_Club, 0u);
}

}  // namespace
}  // namespace clubtest
