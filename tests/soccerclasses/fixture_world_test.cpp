// Fixtures as the screens show them, with names from the world.
#include <gtest/gtest.h>

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"

namespace {

class FixturesInWorld : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Ashford", "Barnstaple", "Carlisle"}) {
            auto club = std::make_unique<CClub>();
            club->SetName(name);
            world.GetClubList().AddRealClub(std::move(club));
        }
        auto human = std::make_unique<CManager>();
        human->m_IsHuman = 1;
        world.GetClub(2)->SetManagerIndex(world.GetManagerList().Add(std::move(human)));
        auto village = std::make_unique<CNonLeagueClub>();
        village->Set("Village", 0);
        world.GetNonLeagueClubList().Add(std::move(village));
    }
    CFixture* Add(int home, int away, const char* date, int h, int a, int attendance) {
        EXPECT_TRUE(list.AddFixture(0, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, attendance, 0));
        CFixture* f = list.GetAt(list.GetSize() - 1);
        f->m_Date = date;
        for (int i = 0; i < h; ++i) f->m_Events.Add(10 + 20 * i, CMatchEvent::kHomeGoal, "H");
        for (int i = 0; i < a; ++i) f->m_Events.Add(15 + 20 * i, CMatchEvent::kAwayGoal, "A");
        f->m_HomeGoals = static_cast<uint8_t>(h);
        f->m_AwayGoals = static_cast<uint8_t>(a);
        return f;
    }
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
    CFixtureList list;
};

TEST_F(FixturesInWorld, NamesIncludeNonLeagueClubs) {
    CFixture* f = Add(0, -1, "Sat 03 Jul 99", 0, 1, 500);
    EXPECT_EQ(f->GetHomeTeamName(), "Ashford");
    EXPECT_EQ(f->GetAwayTeamName(), "Village");
    EXPECT_EQ(f->GetWinnerName(), "Village");
    EXPECT_FALSE(f->IsHumanInvolved());
    EXPECT_TRUE(Add(1, 2, "d", 0, 0, 0)->IsHumanInvolved());
}

TEST_F(FixturesInWorld, ListRowsSkipResetFixtures) {
    Add(0, 1, "Sat 03 Jul 99", 2, 1, 12000);
    Add(1, 2, "Sat 03 Jul 99", 0, 0, 800);
    list.CreateBlank(3);  // blank fixtures are counted and saved, never listed
    Add(0, 1, "Sat 03 Jul 99", 2, 1, 12000);
    list.GetAt(0)->Reset();
    RecordingListRows rows;
    list.FillListControl(rows);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].cells[1], "12000");
    EXPECT_EQ(rows.Rows()[0].cells[2], "Ashford");
    EXPECT_EQ(rows.Rows()[0].cells[4], "Sat 03 Jul 99");
    EXPECT_EQ(rows.Rows()[0].colour, 0xFFFFFFu);
}

TEST_F(FixturesInWorld, TodaysOtherMatchesAndGoalFlashes) {
    CFixture* a = Add(0, 1, "Sat 03 Jul 99", 2, 1, 0);   // goals at 10, 30 and 15
    Add(1, 2, "Sat 03 Jul 99", 1, 0, 0);                // a human manager's match
    CFixture* c = Add(1, 0, "Tue 06 Jul 99", 1, 0, 0);
    std::vector<CFixture*> today;
    list.CollectTodaysOtherFixtures(today, "Sat 03 Jul 99");
    EXPECT_EQ(today, std::vector<CFixture*>{a});
    EXPECT_EQ(list.GetGoalFlashText(0), "");
    EXPECT_EQ(list.GetGoalFlashText(30), "Ashford 2 - 1 Barnstaple");
    EXPECT_EQ(list.GetGoalFlashText(10), c->GetScoreTextIfGoalInMinute(10));  // the last fixture first
    EXPECT_EQ(list.GetGoalFlashText(11), "");
}

}  // namespace

namespace {

TEST_F(FixturesInWorld, SideClubsAndCapitalNamesFollowTheResult) {
    world.GetClub(0)->SetName("S\xe8te \xe9toile");  // accented letters too
    CFixture* f = Add(0, 1, "Sat 03 Jul 99", 1, 3, 100);
    EXPECT_EQ(f->GetHomeClub(), world.GetClub(0));
    EXPECT_EQ(f->GetAwayClub(), world.GetClub(1));
    EXPECT_EQ(f->GetWinner(), world.GetClub(1));
    EXPECT_EQ(f->GetLoser(), world.GetClub(0));
    EXPECT_EQ(f->GetHomeClubNameConverted(), "S\xc8TE \xc9TOILE");
    EXPECT_EQ(f->GetAwayClubNameConverted(), "BARNSTAPLE");
    EXPECT_EQ(f->GetWinnerNameConverted(), "BARNSTAPLE");
    EXPECT_EQ(f->GetLoserNameConverted(), "S\xc8TE \xc9TOILE");

    // A level score goes to the shoot-out's winner.
    CFixture* level = Add(1, 2, "d", 1, 1, 0);
    level->m_Events.Add(121, CMatchEvent::kAwayShootoutGoal, "A");
    EXPECT_EQ(level->GetWinner(), world.GetClub(2));
    EXPECT_EQ(level->GetLoserNameConverted(), "BARNSTAPLE");

    // A non-league side has no league club and no headline name.
    CFixture* village = Add(-1, 0, "d", 2, 0, 0);
    EXPECT_EQ(village->GetHomeClub(), nullptr);
    EXPECT_EQ(village->GetWinner(), nullptr);
    EXPECT_EQ(village->GetHomeClubNameConverted(), "");
    EXPECT_EQ(village->GetLoserNameConverted(), "S\xc8TE \xc9TOILE");
}

TEST_F(FixturesInWorld, OnlyTodaysComputerMatchesAreCollected) {
    struct Case {
        int home, away;
        const char* date;
        bool collected;
    } cases[] = {
        {0, 1, "Sat 03 Jul 99", true},   // today, no human manager
        {1, 2, "Sat 03 Jul 99", false},  // the human manager's club plays
        {0, 1, "Tue 06 Jul 99", false},  // another day
        {-1, 0, "Sat 03 Jul 99", true},  // a non-league side has no manager
    };
    for (const Case& c : cases) {
        CFixture* f = Add(c.home, c.away, c.date, 0, 0, 0);
        std::vector<CFixture*> out;
        f->AddToListIfToday(out, "Sat 03 Jul 99");
        EXPECT_EQ(out.size(), c.collected ? 1u : 0u) << c.home << "-" << c.away << " " << c.date;
    }
}

}  // namespace

namespace {

TEST_F(FixturesInWorld, TodayIsTheWorldsDate) {
    world.GetClock().Set(0, 0, 0, 1999, 7, 3);
    ASSERT_EQ(world.GetDateText(), "Sat 03 Jul 99");
    CFixture* today = Add(0, 1, "Sat 03 Jul 99", 0, 0, 0);
    Add(0, 1, "Tue 06 Jul 99", 0, 0, 0);
    std::vector<CFixture*> out;
    list.CollectTodaysOtherFixtures(out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], today);
}

}  // namespace
