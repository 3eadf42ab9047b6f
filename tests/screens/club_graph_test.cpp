// The graph pages: home gates as bars (28), league positions as lines
// (33) and the accounts' two pies (113).
#include <cmath>
#include <filesystem>

#include "platform/window/print.h"
#include "screens/club_fixture.h"
#include "screens/graphscreen.h"
#include "soccerclasses/accounts.h"
#include "soccerclasses/division.h"
#include "ui/tree.h"

namespace clubpagetest {
namespace {

using platform::gfx::Pixel;

class ClubGraphs : public ClubPages {
protected:
    void SetUp() override {
        ClubPages::SetUp();
        world.GetDivision(0)->SetClubRange(0, 2);
        world.GetDivision(1)->SetClubRange(2, 1);
        SetLeagueDays(0, 10);
    }
    void SetLeagueDays(int division, int days) {
        CDivision& d = *world.GetDivision(division);
        for (int s = 0; s < 106; ++s) d.SetCalendarSlot(s, s < days ? 1 : 200);
    }
    CGraphScreen* Open(int screen) { return OpenAs<CGraphScreen>(screen); }
    CGraphScreen* Page() { return dynamic_cast<CGraphScreen*>(manager.GetCurrentPage()); }
    void Choose(CClub& club) {
        TreeNotice item;
        item.kind = kContextClub;
        item.data = reinterpret_cast<uintptr_t>(&club);
        Page()->OnTreeSelect(&item);
    }
    void Positions(CClub& club, std::initializer_list<int> positions) {
        int i = 0;
        for (int p : positions) club.SetLeaguePositionAfterGame(i++, uint8_t(p));
    }
    Pixel At(int x, int y) { return Page()->GetWork()->Row(y)[x]; }
    // The categories of the first n income items.
    std::vector<int> IncomeCategories(int n) {
        std::vector<int> out;
        for (int c = 0; c < CAccountsItemList::kItems && int(out.size()) < n; ++c)
            if (Club().GetAccounts()->GetItem(c).income) out.push_back(c);
        return out;
    }
};

TEST_F(ClubGraphs, AttendanceColumnsFollowTheLeagueDays) {
    struct Case {
        int days, columns;
    };
    for (const Case c : {Case{46, 23}, Case{10, 6}, Case{0, 1}, Case{60, 23}}) {
        SetLeagueDays(0, c.days);
        EXPECT_EQ(Open(28)->LayOutAttendance().columns, c.columns) << c.days << " league days";
    }
}

TEST_F(ClubGraphs, AttendanceBarsStopAtTheFirstMissingGateOnAScaleRoundedUp) {
    SetLeagueDays(0, 46);
    Club().SetGameSeries1(0, 24500);
    Club().SetGameSeries1(1, 12250);
    Club().SetGameSeries1(3, 9000);  // after a gap: not drawn
    ASSERT_EQ(Club().GetGraphScale(), 24500) << "the test's club expects smaller crowds than its record";
    const GraphLayout g = Open(28)->LayOutAttendance();
    EXPECT_EQ(g.unit, 1250) << "a top of 25,000 over 20 steps";
    ASSERT_EQ(g.values[0].size(), 2u);
    EXPECT_EQ(g.values[0][0], 19);
    EXPECT_EQ(g.values[0][1], 9);
    // The first bar is drawn in the club's colour over its black edge.
    const int w = int(g.columnWidth);
    EXPECT_EQ(At(70 + w / 2, 414 - 5), platform::gfx::ToPixel(CGraphScreen::ClubColour(Club())));
    EXPECT_EQ(At(70, 414 - 5), 0u) << "its black edge";
    Save("graph-attendance");
}

TEST_F(ClubGraphs, TheTreeBuildsTheLeagueGraphsClubList) {
    CGraphScreen* page = Open(33);
    ASSERT_EQ(page->GetGraphClubCount(), 1);
    Choose(OldTown());
    EXPECT_EQ(page->GetGraphClubCount(), 2) << "a club of the same division adds a line";
    Choose(OldTown());
    EXPECT_EQ(page->GetGraphClubCount(), 2) << "a drawn club changes nothing";
    Choose(PortEllis());
    EXPECT_EQ(page->GetGraphClubCount(), 1) << "another division starts again";
    EXPECT_EQ(page->GetGraphClub(0), &PortEllis());
    EXPECT_EQ(page->GetGraphDivision(), PortEllis().GetDivision());
    page->ClearGraph();
    EXPECT_EQ(page->GetGraphClubCount(), 0);
    EXPECT_EQ(page->GetGraphDivision(), PortEllis().GetDivision());
}

TEST_F(ClubGraphs, AtMostThirtyLinesAreDrawn) {
    std::vector<ClubFileRecord> records;
    for (int i = 0; i < 34; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
    world.GetClubList().ReadFile(WriteClubs(records));
    world.GetDivision(0)->SetClubRange(0, 34);
    MakeUser(Club(), 0);
    CGraphScreen* page = Open(33);
    for (int i = 1; i < 34; ++i) Choose(*world.GetClub(i));
    EXPECT_EQ(page->GetGraphClubCount(), CGraphScreen::kMaxGraphClubs);
}

TEST_F(ClubGraphs, EachLineEndsAtItsOwnFirstMissingPosition) {
    Positions(Club(), {1, 2, 2, 1});
    Positions(OldTown(), {2, 1, 255, 2});
    Open(33);
    Choose(OldTown());
    const GraphLayout g = Page()->LayOutLeague();
    EXPECT_EQ(g.columns, 10);
    EXPECT_EQ(g.steps, 2);
    EXPECT_EQ(g.points, 4);
    ASSERT_EQ(g.values.size(), 2u);
    EXPECT_EQ(g.values[0], (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(g.values[1], (std::vector<int>{0, 1})) << "no point at 255 and no line beyond it";
    Save("graph-league");
}

TEST_F(ClubGraphs, ALeagueWithoutDaysOrAClubWithoutPositionsDrawsNoLines) {
    SetLeagueDays(0, 0);
    const GraphLayout none = Open(33)->LayOutLeague();
    EXPECT_EQ(none.columns, 1);
    EXPECT_TRUE(none.values.empty());
    SetLeagueDays(0, 10);
    const GraphLayout empty = Open(33)->LayOutLeague();
    EXPECT_EQ(empty.points, 0) << "no league game played yet";
}

TEST_F(ClubGraphs, WithoutAClubThePageDrawsItsFrameAlone) {
    SackUser();
    CGraphScreen* page = Open(33);
    EXPECT_EQ(page->GetClub(), nullptr);
    EXPECT_EQ(page->GetGraphClubCount(), 0);
    EXPECT_TRUE(page->LayOutLeague().values.empty());
    EXPECT_TRUE(Open(28)->LayOutAttendance().values[0].empty());
    Choose(PortEllis());
    EXPECT_EQ(Page()->GetClub(), &PortEllis()) << "a club chosen in the tree fills it";
}

TEST_F(ClubGraphs, TheToolTipNamesTheNearestLineWithinEightPixels) {
    Positions(Club(), {1, 1, 1, 1});
    Positions(OldTown(), {2, 2, 2, 2});
    CGraphScreen* page = Open(33);
    Choose(OldTown());
    const GraphLayout g = page->LayOutLeague();
    const int x = 70 + int(g.columnWidth * 1.5);
    const int own = 414 - int(g.values[0][1] * g.stepHeight);
    EXPECT_EQ(page->ClubNearLine(x, own - 5), &Club());
    EXPECT_EQ(page->ClubNearLine(x, 414 - 3), &OldTown());
    EXPECT_EQ(page->ClubNearLine(x, own + 40), nullptr);
    EXPECT_EQ(page->ClubNearLine(70 + int(g.columnWidth * 3.5), own), nullptr) << "beyond the last point";
}

TEST_F(ClubGraphs, PieSlicesTakeTheirSharesAndSliversLeaveNoGap) {
    const auto two = CGraphScreen::LayOutPie({3, 1, 0});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_DOUBLE_EQ(two[0].sweep, 270.0);
    EXPECT_DOUBLE_EQ(two[1].start, 270.0);
    EXPECT_DOUBLE_EQ(two[1].sweep, 90.0);
    const auto sliver = CGraphScreen::LayOutPie({1000, 1, 500});
    ASSERT_EQ(sliver.size(), 2u);
    EXPECT_EQ(sliver[1].item, 2);
    EXPECT_DOUBLE_EQ(sliver[1].start, sliver[0].sweep) << "a slice not drawn does not advance the angle";
    EXPECT_TRUE(CGraphScreen::LayOutPie({0, 0}).empty());
}

TEST_F(ClubGraphs, TheAccountsChartDrawsItsPiesClockwiseAndABlackDiscForNothing) {
    const auto income = IncomeCategories(2);
    ASSERT_EQ(income.size(), 2u);
    Club().GetAccounts()->AddToItem(income[0], 3000);
    Club().GetAccounts()->AddToItem(income[1], 1000);
    CGraphScreen* page = Open(113);
    ASSERT_TRUE(page->IsWeekly());
    const double a = 45 * M_PI / 180;
    EXPECT_EQ(At(509 + int(30 * std::cos(a)), 186 + int(30 * std::sin(a))),
              platform::gfx::ToPixel(CGraphScreen::SliceColour(0)));
    EXPECT_EQ(At(509 + int(30 * std::cos(-a)), 186 + int(30 * std::sin(-a))),
              platform::gfx::ToPixel(CGraphScreen::SliceColour(1)));
    EXPECT_EQ(At(509, 328), 0u) << "no expenditure: a black disc";
    Save("graph-accounts");
    page->SetWeekly(false);
    EXPECT_FALSE(page->IsWeekly());
    EXPECT_FALSE(page->GetButton(CGraphScreen::kWeekly).flags & kSbDisabled);
    EXPECT_TRUE(page->GetButton(CGraphScreen::kSeason).flags & kSbDisabled);
    page->SetWeekly(true);
    EXPECT_TRUE(page->GetButton(CGraphScreen::kWeekly).flags & kSbDisabled);
    EXPECT_FALSE(page->GetButton(CGraphScreen::kSeason).flags & kSbDisabled);
}

TEST_F(ClubGraphs, LegendEntriesFillTwoColumnsOfSeven) {
    EXPECT_EQ(CGraphScreen::LegendSquare(0, true), (platform::gfx::Point{26, 144}));
    EXPECT_EQ(CGraphScreen::LegendSquare(8, true), (platform::gfx::Point{226, 160})) << "second column, second row";
    EXPECT_EQ(CGraphScreen::LegendSquare(10, false), (platform::gfx::Point{226, 287 + 48}));
}

TEST_F(ClubGraphs, PrintingALeagueGraphWritesItsFrameAndLines) {
    Positions(Club(), {1, 2, 1, 2});
    CGraphScreen* page = Open(33);
    platform::win::PrintJob job("League Graph");
    platform::gfx::Canvas& dc = job.StartPage();
    PrintInfo info;
    page->Print(&dc, &info);
    job.EndPage();
    const platform::gfx::Surface& sheet = job.Page(0);
    const Pixel line = platform::gfx::ToPixel(CGraphScreen::ClubColour(Club()));
    int lined = 0, grid = 0;
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x) {
            lined += sheet.Row(y)[x] == line;
            grid += sheet.Row(y)[x] == platform::gfx::MakePixel(128, 128, 128);
        }
    EXPECT_GT(lined, 100) << "the club's line is printed";
    EXPECT_GT(grid, 1000) << "the grid is printed";
    const auto result = job.Finish(platform::win::PrintMode::Direct);
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(result.files[0]));
}

TEST_F(ClubGraphs, PrintingAnAttendanceGraphPrintsItsBars) {
    SetLeagueDays(0, 46);
    Club().SetGameSeries1(0, 20000);
    CGraphScreen* page = Open(28);
    platform::win::PrintJob job("Attendance Graph");
    platform::gfx::Canvas& dc = job.StartPage();
    PrintInfo info;
    page->Print(&dc, &info);
    job.EndPage();
    const Pixel bar = platform::gfx::ToPixel(CGraphScreen::ClubColour(Club()));
    int filled = 0;
    const auto& sheet = job.Page(0);
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x) filled += sheet.Row(y)[x] == bar;
    EXPECT_GT(filled, 500);
}

}  // namespace
}  // namespace clubpagetest
