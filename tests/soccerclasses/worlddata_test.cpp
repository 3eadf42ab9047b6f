#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/worldlinks.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

class WorldTest : public ::testing::Test {
protected:
    void TearDown() override { ResetModuleState(); }
};

TEST_F(WorldTest, TestsInstallTheirOwnWorld) {
    EXPECT_EQ(GetWorldData(), nullptr);
    CWorldData a{CWorldData::Empty{}}, b{CWorldData::Empty{}};
    {
        ScopedWorld one(&a);
        EXPECT_EQ(GetWorldData(), &a);
        {
            ScopedWorld two(&b);
            EXPECT_EQ(GetWorldData(), &b);
        }
        EXPECT_EQ(GetWorldData(), &a);
    }
    EXPECT_EQ(GetWorldData(), nullptr);
}

TEST_F(WorldTest, ResetPutsEveryModuleStateBack) {
    CWorldData w{CWorldData::Empty{}};
    SetWorldData(&w);
    GetCurrencyDisplay().option = 0;
    GetCurrencyDisplay().rate = 1.6;
    platform::SeedRandom(99);
    platform::Rand();
    std::string path = (testenv::TestFolder() / "open.bin").string();
    ASSERT_NE(OpenGameFile(path, "wb"), nullptr);
    auto* port = new ScriptedUserPort;
    ResetModuleState();
    EXPECT_EQ(GetWorldData(), nullptr);
    EXPECT_EQ(GetCurrencyDisplay().option, 1);
    EXPECT_EQ(GetCurrencyDisplay().rate, 1.0);
    EXPECT_FALSE(GameFileIsOpen());
    EXPECT_NE(&GetUserPort(), port);
    platform::SeedRandom(1);
    int expected = platform::Rand();
    ResetModuleState();
    EXPECT_EQ(platform::Rand(), expected);
    SetUserPort(port);  // let it restore the default itself
    delete port;
}

TEST_F(WorldTest, CurrentUserFollowsTheSlotsWithManagers) {
    CWorldData w{CWorldData::Empty{}};
    ScopedWorld installed(&w);
    ScriptedUserPort port;
    EXPECT_EQ(w.GetCurrentUserIndex(), -1);
    EXPECT_EQ(w.GetCurrentUser(), nullptr);
    EXPECT_FALSE(w.SetCurrentUser(3));
    EXPECT_EQ(w.GetCurrentUserIndex(), -1) << "no slot has a manager: nothing changes";
    EXPECT_FALSE(w.SetCurrentUser(-1));

    w.GetUser(2)->SetManagerIndex(17);
    w.GetUser(5)->SetManagerIndex(4);
    EXPECT_TRUE(w.SetCurrentUser(5));
    EXPECT_EQ(w.GetCurrentUserIndex(), 5);
    EXPECT_FALSE(w.SetCurrentUser(0));
    EXPECT_EQ(w.GetCurrentUserIndex(), 2) << "an empty slot gives the first with a manager";
    EXPECT_FALSE(w.SetCurrentUser(8));
    EXPECT_EQ(port.StatusBarUpdates(), 2);

    w.GetUser(6)->SetManagerIndex(4);
    w.SetCurrentUserByManager(4);
    EXPECT_EQ(w.GetCurrentUserIndex(), 6) << "the last slot with the manager wins";
    EXPECT_EQ(port.StatusBarUpdates(), 2) << "no status-bar refresh";
    w.SetCurrentUserByManager(-1);
    EXPECT_EQ(w.GetCurrentUserIndex(), 6);
    CWorldData::SelectedUserSlot() = 2;
    w.ResetCurrentUser();
    EXPECT_EQ(w.GetCurrentUserIndex(), 2);
    EXPECT_EQ(w.GetHumanManagerCount(), 3);
    EXPECT_TRUE(w.HasHumanManager());
    w.SelectFirstHumanUser();
    EXPECT_EQ(w.GetCurrentUserIndex(), 2);
}

TEST_F(WorldTest, PoolsRecycleObjects) {
    CWorldData w{CWorldData::Empty{}};
    ScopedWorld installed(&w);
    auto f = w.NewFixture();
    CFixture* raw = f.get();
    w.FreeFixture(std::move(f));
    EXPECT_EQ(w.GetFixturePoolSize(), 1);
    EXPECT_EQ(TakePooledFixture().get(), raw) << "the competitions' pool is the world's";
    EXPECT_EQ(w.GetFixturePoolSize(), 0);
    auto e = w.NewMatchEvent();
    CMatchEvent* ev = e.get();
    ReturnPooledMatchEvent(std::move(e));
    EXPECT_EQ(w.NewMatchEvent().get(), ev);
    EXPECT_EQ(WorldSubstitutionVars(), w.GetSubstitutionVars());
}

TEST_F(WorldTest, TablesOfTheWorld) {
    CWorldData w{CWorldData::Empty{}};
    EXPECT_EQ(w.GetFinanceCategoryStringId(0), 379u);
    EXPECT_EQ(w.GetFinanceCategoryStringId(16), 945u);
    EXPECT_EQ(w.GetListColour(15), 21u | (250u << 8) | (255u << 16));
    EXPECT_TRUE(CWorldData::IsPositionCompatible(0, 10));
    EXPECT_TRUE(CWorldData::IsPositionCompatible(10, 0));
    EXPECT_FALSE(CWorldData::IsPositionCompatible(2, 0));
    EXPECT_TRUE(CWorldData::IsPositionCompatible(1, 0));
    EXPECT_EQ(w.GetSaveMarker(), "BXQT");
    EXPECT_EQ(w.GetPlayer(-1), nullptr);
    EXPECT_EQ(w.GetPlayer(0), nullptr);
    EXPECT_EQ(w.GetTeamName(-1), "");
    EXPECT_EQ(w.GetSchedule(26)->GetSize(), 1300);
    EXPECT_EQ(w.GetSchedule(6)->GetSize(), 60);
    w.SelectCountry(55, true);
    w.SelectCountry(0, true);
    EXPECT_EQ(w.GetCountrySelection()[55], 55);
    EXPECT_EQ(w.GetCountrySelection()[0], 0);
    w.GetClock().Set(0, 0, 0, 1999, 7, 3);
    EXPECT_EQ(w.GetDateText(), "Sat 03 Jul 99");
    EXPECT_EQ(w.GetFutureDateText(2), "Sat 10 Jul 99");
    EXPECT_EQ(w.GetSeasonText(0), "99-00");
}

TEST_F(WorldTest, MissingStartUpFileIsReportedThroughThePort) {
    platform::SetInstallFolder(testenv::TestFolder() / "empty");
    platform::SetDiscFolder(testenv::TestFolder() / "disc");
    ScriptedUserPort port;
    EXPECT_EQ(StartWorld(), nullptr);
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].text,
              "ERROR! Cannot find file : " + (testenv::TestFolder() / "disc" / "Data" / "Currency.bin").string());
    EXPECT_EQ(port.Boxes()[0].type, kBoxNotice);
    EXPECT_FALSE(GameFileIsOpen());
    platform::ResetFolders();
}

TEST_F(WorldTest, DamagedStartUpFileIsReportedThroughThePort) {
    auto dir = testenv::TestFolder() / "install";
    std::filesystem::create_directories(dir / "Data");
    std::filesystem::copy(testenv::GameDir() / "Data", dir / "Data",
                          std::filesystem::copy_options::recursive);
    std::filesystem::resize_file(dir / "Data" / "fixtures.bin", 8000);
    platform::SetInstallFolder(dir);
    ScriptedUserPort port;
    EXPECT_EQ(StartWorld(), nullptr);
    EXPECT_TRUE(port.AskedText("ERROR! Damaged file : Data\\fixtures.bin"));
    platform::ResetFolders();
    auto world = StartWorld();
    EXPECT_NE(world, nullptr) << "the built game folder is whole";
}

TEST_F(WorldTest, PortAnswersFromATableAndRecords) {
    {
        ScriptedUserPort port;
        port.AnswerId(405, kAnswerNo);
        port.AnswerScreen(116, 1);
        EXPECT_EQ(UserMessageBoxEx(405, kBoxExYesNo, 0, "Yes", "No", "", -1, 0, -1, 1), kAnswerNo);
        EXPECT_EQ(UserMessageBoxEx(405, kBoxExYesNo, 0, "Yes", "No", "", -1, 0, -1, 1), kAnswerYes)
            << "after the table, the first button";
        EXPECT_EQ(UserMessageBoxText("Hello", kBoxNotice, 3), kAnswerOk);
        port.AnswerNext(2);
        EXPECT_EQ(UserMessageBoxTextEx("Offer", kBoxThreeButtons, 0, "A", "B", "C", 1, -1, 1, ""), 2);
        EXPECT_EQ(GetUserPort().RunScreenModal(116, nullptr, -1, 0, 0), 1);
        EXPECT_EQ(GetUserPort().RunScreenModal(60, nullptr, 0, 0, 0), 0);
        ASSERT_EQ(port.Boxes().size(), 4u);
        EXPECT_TRUE(port.Asked(405));
        EXPECT_EQ(port.Boxes()[3].buttons, (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(port.Boxes()[2].picture, 3);
        ASSERT_EQ(port.Screens().size(), 2u);
        EXPECT_EQ(port.Screens()[0].screen, 116);
        CWorldData w{CWorldData::Empty{}};
        w.RefreshTree();
        EXPECT_EQ(port.TreeFills(), std::vector<int>{5});
        EXPECT_EQ(port.TreeModes(), std::vector<int>{0});
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(UserMessageBoxText("No shell here", kBoxYesNo, -1), kAnswerYes);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "No shell here\n");
}

TEST(ListRows, RecordsRowsCellsColoursAndData) {
    RecordingListRows rows(3);
    CListRows& list = rows;  // as model code sees it
    int r = list.AddRow("Gloucester Rangers", 0, 7, 0);
    EXPECT_TRUE(list.SetItemNumber(r, 1, 42));
    EXPECT_FALSE(list.SetItem(r, 3, "beyond"));
    EXPECT_TRUE(list.SetItemFromId(r, 2, 34055));
    list.SetRowColour(r, 255);
    list.SetRowData2(r, 9);
    list.SetSortable(true);
    list.Redraw();
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].cells, (std::vector<std::string>{"Gloucester Rangers", "42", "England"}));
    EXPECT_EQ(rows.Rows()[0].colour, 255u);
    EXPECT_EQ(rows.Rows()[0].data1, 7u);
    EXPECT_EQ(rows.Rows()[0].data2, 9u);
    EXPECT_TRUE(rows.Sortable());
    rows.ResetContent();
    EXPECT_TRUE(rows.Rows().empty());
}

}  // namespace

#include "soccerclasses/clublist.h"
#include "soccerclasses/manager.h"

namespace {

TEST(WorldCurrentUser, DataOfTheCurrentUser) {
    CWorldData w{CWorldData::Empty{}};
    ScopedWorld installed(&w);
    ScriptedUserPort port;
    for (int i = 0; i < 2; ++i) {
        auto club = std::make_unique<CClub>();
        club->SetName(i ? "Gloucester Rangers" : "Ashford Rovers");
        w.GetClubList().AddRealClub(std::move(club));
    }
    auto m = std::make_unique<CManager>();
    m->m_Person.Set("Tom", "Hollins", 41, 1);
    m->SetClubIndex(1);
    int mi = w.GetManagerList().Add(std::move(m));

    EXPECT_EQ(w.GetCurrentClub(), nullptr);
    EXPECT_EQ(w.GetCurrentClubName(), "");
    EXPECT_EQ(w.GetCurrentManagerName(), "");
    EXPECT_EQ(w.GetCurrentManager(), nullptr);

    w.GetUser(3)->SetManagerIndex(mi);
    EXPECT_EQ(w.GetCurrentClub(), nullptr) << "direct accessors do not re-select";
    EXPECT_NE(w.GetCurrentManager(), nullptr) << "re-selecting accessors do";
    EXPECT_EQ(w.GetCurrentUserIndex(), 3);
    EXPECT_EQ(w.GetCurrentClub(), w.GetClub(1));
    EXPECT_EQ(w.GetCurrentClubName(), "Gloucester Rangers");
    EXPECT_FALSE(w.GetCurrentManagerName().empty());
    EXPECT_EQ(w.FindClubByName("Ashford Rovers"), 0);
    EXPECT_EQ(w.FindClubByName("Nowhere United"), 65535);
}

}  // namespace
