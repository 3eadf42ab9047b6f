// The manager profile over a real game: its details and money texts, the
// rating graph on the grid's scale, the lifestyle that follows the wage
// and the two tabs.
#include <algorithm>

#include "platform/gfx/colour.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/competitions_fixture.h"
#include "screens/manprofscreen.h"

namespace competitionstest {
namespace {

using platform::gfx::Pixel;
using platform::win::Window;

class ProfilePage : public CompetitionPages {
protected:
    CManProfScreen* OpenProfile() { return Open<CManProfScreen>(PageClass::ManProf, CManProfScreen::kPage); }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    CManager& Manager() { return *W().GetCurrentManager(); }
    // Gives the user `weeks` Saturdays of the ratings given, in order.
    void RecordWeeks(std::initializer_list<double> ratings) {
        for (double r : ratings) {
            Manager().m_Rating = r;
            User().WeeklyStep();
        }
    }
    static bool ProfIsMagenta(Pixel p) {
        return platform::gfx::PixelR(p) > 200 && platform::gfx::PixelG(p) < 60 && platform::gfx::PixelB(p) > 200;
    }
    // Whether the data line passes within a pixel of (x, y).
    static bool ProfLineNear(const CManProfScreen& page, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (ProfIsMagenta(page.GetWork()->Row(y + dy)[x + dx])) return true;
        return false;
    }
};

TEST_F(ProfilePage, TheDetailsAndFinancesNameTheManagerAndHisClub) {
    CManProfScreen* page = OpenProfile();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetMode(), CManProfScreen::kGraphMode);
    EXPECT_TRUE(page->HasKit());
    const auto details = page->DetailRows();
    ASSERT_EQ(details.size(), 6u);
    EXPECT_EQ(details[1].second, std::to_string(static_cast<int>(Manager().GetRating())) + "%");
    EXPECT_EQ(details[3].second, club->GetName());
    const auto money = page->FinanceRows();
    ASSERT_EQ(money.size(), 5u);
    EXPECT_EQ(money[0].second, User().GetMoneyText2()) << "the yearly wage";
    EXPECT_NE(money[0].second, "-");
    EXPECT_EQ(money[4].second, User().GetMoneyText5());
}

// Out of work: no kit, no current club, and the salary reads "-".
TEST_F(ProfilePage, AManagerWithoutAClubShowsADashForHisSalary) {
    const int clubIndex = Manager().GetClubIndex();
    Manager().SetClubIndex(-1);
    CManProfScreen* page = OpenProfile();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->HasKit());
    EXPECT_EQ(page->FinanceRows()[0].second, "-");
    EXPECT_EQ(page->DetailRows()[3].second, "");
    Manager().SetClubIndex(clubIndex);
}

TEST_F(ProfilePage, TheGraphPlotsEachRecordedWeekOnTheGridsScale) {
    EXPECT_TRUE(CManProfScreen::GraphValues(User()).empty());
    // A rating of 100 reaches the grid's top line, 10 its first line.
    const auto top = CManProfScreen::PlotPoints({100, 10, 0});
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].y, 278);
    EXPECT_EQ(top[1].y, 414 - 13);
    EXPECT_EQ(top[2].y, 414);
    EXPECT_EQ(top[1].x, 123);
    RecordWeeks({50.7, 60.2, 70.9});
    EXPECT_EQ(CManProfScreen::GraphValues(User()), (std::vector<int>{50, 60, 70})) << "three weeks, three points";
    RecordWeeks({71, 72, 73, 74, 75, 76, 77, 78});
    const auto ten = CManProfScreen::GraphValues(User());
    ASSERT_EQ(ten.size(), 10u) << "the last ten weeks only";
    EXPECT_EQ(ten.front(), 60) << "the first week has gone";
    EXPECT_EQ(ten.back(), 78);
}

TEST_F(ProfilePage, TheDrawnGraphFollowsTheRatingsAndNoWeeksDrawNoLine) {
    CManProfScreen* page = OpenProfile();
    ASSERT_NE(page, nullptr);
    page->Compose();
    int magenta = 0;
    for (int y = 270; y <= 416; ++y)
        for (int x = 70; x <= 530; ++x) magenta += ProfIsMagenta(page->GetWork()->Row(y)[x]);
    EXPECT_EQ(magenta, 0) << "no weeks: only the grid and axes";
    RecordWeeks({40, 80});
    page->Compose();
    const auto pts = CManProfScreen::PlotPoints({40, 80});
    EXPECT_TRUE(ProfLineNear(*page, pts[0].x + 2, pts[0].y - 1));
    EXPECT_TRUE(ProfLineNear(*page, (pts[0].x + pts[1].x) / 2, (pts[0].y + pts[1].y) / 2));
    EXPECT_FALSE(ProfLineNear(*page, pts[1].x + 25, pts[1].y)) << "the line ends at the last week";
}

// The house and the car follow the wealth level, which counts the
// thresholds four fifths of the weekly wage reaches.
TEST_F(ProfilePage, TheLifestyleFollowsTheWeeklyWage) {
    struct Case {
        double weekly;
        int house, car;
    };
    const Case cases[] = {{100, 1, 1}, {624, 1, 1}, {625, 1, 2}, {5000, 3, 3}, {20000, 4, 4},
                          {37499, 5, 5}, {37500, 5, 6}, {100000, 5, 6}};
    for (const Case& c : cases) {
        Manager().Person().SetWeeklyWage(c.weekly);
        const int level = User().GetWealthLevel();
        EXPECT_EQ(CManProfScreen::HouseNumber(level), c.house) << c.weekly;
        EXPECT_EQ(CManProfScreen::CarNumber(level), c.car) << c.weekly;
    }
}

TEST_F(ProfilePage, TheTabsAnswerClicksInTheirBandOnly) {
    CManProfScreen* page = OpenProfile();
    ASSERT_NE(page, nullptr);
    struct Case {
        int x, y;
        bool inBand;
        int mode;
    };
    const Case cases[] = {{301, 250, true, CManProfScreen::kFinancesMode}, {200, 243, false, CManProfScreen::kFinancesMode},
                          {300, 244, true, CManProfScreen::kGraphMode},    {574, 268, false, CManProfScreen::kGraphMode},
                          {574, 267, true, CManProfScreen::kFinancesMode}, {83, 260, true, CManProfScreen::kGraphMode},
                          {40, 260, true, CManProfScreen::kGraphMode}};
    for (const Case& c : cases) {
        EXPECT_EQ(page->ClickTabs(c.x, c.y), c.inBand) << c.x << "," << c.y;
        EXPECT_EQ(page->GetMode(), c.mode) << c.x << "," << c.y;
    }
    // A real press on the finances tab, as the mouse sends it.
    Window& frame = *app->GetMainFrame();
    backend->Click(frame.ScreenToClient(page->ClientToScreen(platform::win::Point{400, 255})),
                   platform::win::MouseButton::Left, 100);
    testsupport::RunVirtualTime(*backend, frame, 500);
    EXPECT_EQ(page->GetMode(), CManProfScreen::kFinancesMode);
    // The finances tab shows the lifestyle card where the graph tab has none.
    const Pixel card = page->GetWork()->Row(306 + 60)[431 + 74];
    page->ClickTabs(100, 255);
    EXPECT_NE(page->GetWork()->Row(306 + 60)[431 + 74], card);
}


// The profile's tick is the page's own: opened and left again and again it
// leaves no timer behind, never runs out of timers and never tells the
// player so; only when no timer can be had does it say so.
TEST_F(ProfilePage, ThePageTimerIsReturnedOnEveryCloseAndItsLackIsTold) {
    const std::string text = platform::LoadString(44000);
    ASSERT_EQ(text, "No more timers available");
    const auto told = [&] {
        const auto& shown = backend->Boxes();
        return std::count_if(shown.begin(), shown.end(), [&](const auto& b) { return b.text == text; });
    };
    Command(19410);
    const size_t before = platform::win::Ui::Get().TimerCount();
    for (int i = 0; i < 50; ++i) {
        ASSERT_NE(OpenProfile(), nullptr);
        Command(19410);
    }
    EXPECT_EQ(platform::win::Ui::Get().TimerCount(), before) << "every tick given back";
    EXPECT_EQ(told(), 0);
    platform::win::Ui::Get().SetTimersFail(true);
    OpenProfile();
    platform::win::Ui::Get().SetTimersFail(false);
    EXPECT_EQ(told(), 1);
}

}  // namespace
}  // namespace competitionstest
