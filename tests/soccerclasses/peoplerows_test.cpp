#include <gtest/gtest.h>

#include "clubs_world.h"
#include "platform/files.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/managerofthemonth.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/scriptedport.h"
#include "support/test_env.h"

namespace {

class PeopleRows : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        platform::SetInstallFolder(testenv::GameDir());
        paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
        money = std::make_unique<CSkillMoneyValueList>(CSkillMoneyValueList::kFile);
        InstallPeopleTables(paths.get(), money.get(), nullptr);
    }
    void TearDown() override {
        InstallPeopleTables(nullptr, nullptr, nullptr);
        platform::ResetFolders();
        ClubWorld::TearDown();
    }
    CPlayer& Make(int position, int age) {
        CPlayer& p = *world.GetPlayer(AddPlayer(position));
        p.m_Football.Generate(age, static_cast<uint8_t>(position), 60);
        p.m_Person.Set("K", "Marsh", static_cast<uint8_t>(age), 1);
        return p;
    }
    std::unique_ptr<CSoccerPlayerCareerPathList> paths;
    std::unique_ptr<CSkillMoneyValueList> money;
};

TEST_F(PeopleRows, TransferRowsShowPriceOrStatus) {
    CPlayerSearch any;
    any.m_Option1 = 99;  // any kind
    struct Case {
        double price;
        int years, age;
        const char* shown;
    } cases[] = {{-1.0, 2, 25, "N/A"}, {-1.0, 0, 20, "N/A"}, {-1.0, 0, 26, "BOSMAN"}, {0.0, 2, 25, "FREE"}};
    for (const auto& c : cases) {
        RecordingListRows rows;
        CPlayer& p = Make(2, c.age);
        p.m_AskingPrice = c.price;
        p.m_Person.SetContractYears(static_cast<uint8_t>(c.years));
        p.AddTransferRow(rows, "Harwick", true, any);
        ASSERT_EQ(rows.Rows().size(), 1u);
        EXPECT_EQ(rows.Rows()[0].cells[0], "K.Marsh");
        EXPECT_EQ(rows.Rows()[0].cells[4], c.shown);
    }
}

TEST_F(PeopleRows, ListsShowOnlyTheirPlayers) {
    CPlayer& keeper = Make(0, 28);
    CPlayer& striker = Make(3, 24);
    keeper.m_SeasonGoals = 5;
    striker.m_SeasonGoals = 7;
    striker.m_SeasonKindGoals = 2;
    striker.m_SeasonMotm = 1;
    RecordingListRows scorers, motm, injuries, discipline;
    keeper.AddScorerRow(scorers, "x");
    striker.AddScorerRow(scorers, "x");
    ASSERT_EQ(scorers.Rows().size(), 1u);
    EXPECT_EQ(scorers.Rows()[0].cells[3], "5");
    EXPECT_EQ(scorers.Rows()[0].cells[5], "7");
    keeper.AddManOfTheMatchRow(motm, "x");
    striker.AddManOfTheMatchRow(motm, "x");
    EXPECT_EQ(motm.Rows().size(), 1u);
    striker.m_SeasonBookings = 2;
    striker.m_SeasonSendingsOff = 1;
    striker.AddDisciplineRow(discipline, 12);
    EXPECT_EQ(discipline.Rows()[0].cells[5], "12");
    // An absence that does not list as an injury stays out of the list.
    striker.m_Injury = world.GetInjuryList().NewInjury();
    CInjury& in = *world.GetInjuryList().GetAt(striker.m_Injury);
    in.m_Severity = 100;
    in.m_TimeLeft = 5;
    in.m_Absence = 1;
    in.m_ShownInLists = 0;
    striker.AddInjuryRow(injuries);
    EXPECT_TRUE(injuries.Rows().empty());
    in.m_Absence = 0;
    in.m_ShownInLists = 1;
    in.m_Kind = 5;
    in.m_DaysOut = 4;
    striker.AddInjuryRow(injuries);
    ASSERT_EQ(injuries.Rows().size(), 1u);
    EXPECT_EQ(injuries.Rows()[0].cells[1], "Sprained ankle");
    // "Out For" the whole layoff (two weeks gone, two left), "Remaining" what
    // is left; the status sentence goes to the physio's report instead.
    EXPECT_EQ(injuries.Rows()[0].cells[2], "4 weeks.");
    EXPECT_EQ(injuries.Rows()[0].cells[3], "2 weeks.");
}

TEST_F(PeopleRows, ManagerAndMonthRows) {
    CManager m;
    m.Person().Set("R", "Pellow", 44, 1);
    m.m_Rating = 120;
    m.m_IsHuman = 1;
    RecordingListRows rows;
    m.FillListRow(rows);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].cells[1], "R.Pellow");
    EXPECT_EQ(rows.Rows()[0].cells[3], "100");
    EXPECT_EQ(rows.Rows()[0].colour, 255u);
    CManagerOfTheMonthList list;
    list.Add("August", "R.Pellow", "Harwick Albion");
    RecordingListRows month;
    list.FillList(month);
    ASSERT_EQ(month.Rows().size(), 1u);
    EXPECT_EQ(month.Rows()[0].cells[2], "Harwick Albion");
}

TEST_F(PeopleRows, GameOverLeavesThePostVacantAndTheUserSlotEmpty) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0)}));
    CClub& club = *world.GetClub(0);
    const int index = club.GetManager();
    ASSERT_GE(index, 0);
    CManager& m = *world.GetManagerList().GetAt(index);
    MakeHuman(club);
    m.m_Savings = -1000000;
    world.GetUser(0)->SetManagerIndex(index);
    world.GetManagerList().WeeklyStepAll();
    EXPECT_EQ(world.GetManagerList().GetAt(index), nullptr);
    EXPECT_EQ(club.GetManager(), -1);
    EXPECT_FALSE(world.GetUser(0)->HasManager());
}

}  // namespace
