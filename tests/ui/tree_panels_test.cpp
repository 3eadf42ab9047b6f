// The panels the switched-off navigator shows: the league table with its
// day cache, the club card and today's match.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "soccerclasses/clubs_world.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "support/test_env.h"
#include "ui/tree.h"

using namespace platform::win;

namespace {

class NavigatorPanel : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        // Countries with flag names, in place of the club world's.
        for (int i = 0; i < 3; ++i) {
            CountryRecord r;
            r.id = uint8_t(i);
            r.name = "Country " + std::to_string(i);
            r.thirdName = i == 1 ? "eng" : "sco";
            r.followLevel = kFollowed;
            world.GetCountryList().RemoveAt(i);
            world.GetCountryList().InsertAt(i, std::make_unique<CCountry>(r));
        }
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(tree.Create(Rect{605, 81, 788, 550}, &main, 3));
        tree.Show(true);
        tree.SetBackground("gfx\\tree\\intro.bmp", true, "fixtures");
        tree.SetSelectableLevel(nullptr, 0, 0, false);  // switched off
        tree.SetPanelMode(1);
    }
    void TearDown() override {
        tree.Destroy();
        main.Destroy();
        Ui::Get().Stop();
        FreeArchiveIndexes();
        ClubWorld::TearDown();
    }
    void League(int clubs) {
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < clubs; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
        records.push_back(Record("Far Club", 1));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, clubs);
        world.GetDivision(1)->SetClubRange(clubs, 1);
        for (int i = 0; i < clubs; ++i) {
            CClub& c = *world.GetClub(i);
            c.LeagueRow().m_Position = uint8_t(clubs - 1 - i);
            c.LeagueRow().m_Points = uint8_t(3 * i);
            c.LeagueRow().m_HomePlayed = 2;
        }
    }
    void Seat(int club) {
        MakeUser(*world.GetClub(club), 0);
        world.SetCurrentUser(0);
    }
    // Yellow text on the table row at `row`.
    int Yellow(int row, int clubs) {
        const int y = CTree::TableRowTop(row, clubs);
        int n = 0;
        for (int yy = y; yy < y + 14; ++yy)
            for (int x = 0; x < 183; ++x) {
                const uint32_t p = tree.GetBuffer().Get(x, yy);
                const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
                n += r > 180 && g > 180 && b < 90;  // the text's strokes, however thin
            }
        return n;
    }

    // Pixels in the band of rows [top, top + 14) that `is` picks.
    template <class Pick>
    int Band(int top, Pick is) {
        int n = 0;
        for (int y = top; y < top + 14; ++y)
            for (int x = 0; x < 183; ++x) {
                const uint32_t p = tree.GetBuffer().Get(x, y);
                n += is((p >> 16) & 255, (p >> 8) & 255, p & 255);
            }
        return n;
    }
    static bool IsYellow(int r, int g, int b) { return r > 180 && g > 180 && b < 90; }
    static bool IsBlue(int r, int g, int b) { return b > 180 && r < 90 && g < 90; }
    static bool IsWhite(int r, int g, int b) { return r > 200 && g > 200 && b > 200; }

    Window main;
    CTree tree;
};

TEST_F(NavigatorPanel, WithoutAHumanManagerTheCacheStaysEmpty) {
    League(6);
    tree.RefreshTable(1);
    EXPECT_FALSE(tree.IsTableCacheValid());
    EXPECT_EQ(tree.GetTableCacheBuilds(), 0);
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetPanelRowsDrawn(), 0);
    // "League Table" and "No Information Available" in yellow instead.
    EXPECT_GT(Band(20, IsYellow), 10);
    EXPECT_GT(Band(40, IsYellow), 10);
    EXPECT_EQ(Band(80, IsYellow), 0);
    // The club card and today's match draw nothing without a manager.
    for (int mode : {2, 3}) {
        tree.SetPanelMode(mode);
        tree.PaintBuffer();
        EXPECT_EQ(Band(10, IsBlue) + Band(90, IsYellow), 0) << "mode " << mode;
    }
}

TEST_F(NavigatorPanel, TheClubCardAndTodaysMatchAtTheirPlaces) {
    SixClubLeague({1, 2, 3, 4, 5, 6});
    Seat(0);
    tree.SetPanelMode(2);
    tree.PaintBuffer();
    EXPECT_GT(Band(10, IsBlue), 10) << "the club's name";
    EXPECT_GT(Band(30, IsWhite), 10) << "its manager";
    EXPECT_EQ(Band(90, IsYellow), 0) << "no match on the card";
    const auto dir = testenv::BuildDir() / "widget-shots";
    std::filesystem::create_directories(dir);
    platform::gfx::WritePng(tree.GetBuffer(), dir / "panel_club.png");

    // No match today: "No Match Today" in yellow, no opponent below.
    tree.SetPanelMode(3);
    world.GetClock().SetMatchDay(3);
    std::string none;
    ASSERT_FALSE(TodaysOpponent(none));
    tree.PaintBuffer();
    EXPECT_GT(Band(90, IsYellow), 10);
    EXPECT_EQ(Band(130, IsWhite), 0);
    // A match today: its date in yellow, the opponent in white.
    world.GetClock().SetMatchDay(10);
    ASSERT_TRUE(TodaysOpponent(none));
    tree.PaintBuffer();
    EXPECT_GT(Band(90, IsYellow), 10);
    EXPECT_GT(Band(130, IsWhite), 10);
    platform::gfx::WritePng(tree.GetBuffer(), dir / "panel_match_today.png");
}

TEST_F(NavigatorPanel, TheCacheIsBuiltOncePerDayInTableOrder) {
    League(6);
    Seat(2);
    tree.RefreshTable(1);
    tree.RefreshTable(1);
    EXPECT_EQ(tree.GetTableCacheBuilds(), 1);
    ASSERT_TRUE(tree.IsTableCacheValid());
    EXPECT_EQ(tree.GetTableCacheRow(0).name, "Club 5");
    EXPECT_EQ(tree.GetTableCacheRow(0).points, 15);
    EXPECT_EQ(tree.GetTableCacheRow(0).played, 2);
    EXPECT_EQ(tree.GetTableCacheRow(5).name, "Club 0");
    EXPECT_EQ(tree.GetTableCacheRow(6).played, -1);
    // The next day the table is built again, from the day's positions.
    world.GetClub(0)->LeagueRow().m_Points = 40;
    world.GetClock().AddDays(1);
    tree.RefreshTable(1);
    EXPECT_EQ(tree.GetTableCacheBuilds(), 2);
    EXPECT_EQ(tree.GetTableCacheRow(5).points, 40);
    // Another mode empties it.
    world.GetClock().AddDays(1);
    tree.RefreshTable(2);
    EXPECT_FALSE(tree.IsTableCacheValid());
    EXPECT_EQ(tree.GetTableCacheRow(0).name, "");
}

TEST_F(NavigatorPanel, HumanRunClubsAreYellowAndEveryRowIsDrawn) {
    League(6);
    Seat(2);
    MakeHuman(*world.GetClub(4));
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetPanelRowsDrawn(), 6);
    EXPECT_GT(Yellow(3, 6), 5);  // club 2, fourth
    EXPECT_GT(Yellow(1, 6), 5);  // club 4, second
    EXPECT_EQ(Yellow(0, 6), 0);
    EXPECT_EQ(tree.GetLoadedFlag(), "eng");
    const auto dir = testenv::BuildDir() / "widget-shots";
    std::filesystem::create_directories(dir);
    platform::gfx::WritePng(tree.GetBuffer(), dir / "panel_table.png");
    // The club card and today's match draw too.
    tree.SetPanelMode(3);
    tree.PaintBuffer();
    platform::gfx::WritePng(tree.GetBuffer(), dir / "panel_match.png");
}

TEST_F(NavigatorPanel, AtTheSeasonsStartThereIsNoTableYet) {
    League(6);
    Seat(2);
    for (int i = 0; i < 6; ++i) world.GetClub(i)->LeagueRow().m_Position = 0;
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetPanelRowsDrawn(), 0);
}

TEST_F(NavigatorPanel, LongDivisionsEndAboveTodaysMatch) {
    EXPECT_EQ(CTree::TableRowTop(0, 20), 54);
    EXPECT_EQ(CTree::TableRowTop(1, 20), 69);
    EXPECT_LE(CTree::TableRowTop(25, 26) + 15, 424);
    League(26);
    Seat(2);
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetPanelRowsDrawn(), 26);
}

TEST_F(NavigatorPanel, TheFlagFollowsTheCountry) {
    League(6);
    Seat(2);
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetLoadedFlag(), "eng");
    // Another user, in the other country, takes his turn.
    MakeUser(*world.GetClub(6), 1);
    world.SetCurrentUser(1);
    tree.PaintBuffer();
    EXPECT_EQ(tree.GetLoadedFlag(), "sco");
}

TEST_F(NavigatorPanel, TheOpponentIsFoundByClubIndex) {
    CDivision& d = SixClubLeague({1, 2, 3, 4, 5, 6});
    (void)d;
    // Two clubs of one name: the manager's own club is never his opponent.
    world.GetClub(1)->SetName("Club 0");
    Seat(0);
    world.GetClock().SetMatchDay(10);
    std::string opponent;
    ASSERT_TRUE(TodaysOpponent(opponent));
    EXPECT_EQ(opponent, "Club 0");
    // It is club 1 (the namesake), found by index, not the manager's own.
    world.GetClub(1)->SetName("Namesake");
    ASSERT_TRUE(TodaysOpponent(opponent));
    EXPECT_EQ(opponent, "Namesake");
}

}  // namespace
