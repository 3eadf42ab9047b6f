// The right-button menus of the fixtures, information, tables, manager and
// discipline pages in the running program: each hub's employee menu over a
// staff row while the manager holds a club and none without one; the player
// menu over the rows of players; the page's own menu everywhere else; no
// menu on the match pages.
#include <gtest/gtest.h>

#include "screens/disciplinescreen.h"
#include "screens/fixturescreen.h"
#include "screens/infoscreen.h"
#include "screens/managerscreen.h"
#include "screens/statsscreen.h"
#include "platform/random.h"
#include "shell/pagemenus.h"
#include "soccerclasses/employee.h"
#include "support/human_game_app.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

namespace competitionmenus {
namespace {

using platform::win::Point;

constexpr int kManagerGroup = 2, kPlayerGroup = 5, kFixturesGroup = 7, kInformationGroup = 8,
              kDisciplineGroup = 10, kPlayerMenuGroup = 11, kEmployeeMenuGroup = 12;
constexpr int kNoMenu = -1;

class CompetitionMenus : public testsupport::HumanGameApp {
protected:
    void SetUp() override {
        HumanGameApp::SetUp();
        // The contacts a manager gains at a club: the bank manager, doctor,
        // fan, job agency and league secretary.
        for (uint8_t kind : {5, 6, 8, 11, 14})
            User().GetContacts().Add(std::make_unique<CEmployee>(kind, *club->GetCountry(), *club->GetPopularity()));
    }
    // Weeks of the season, every box on the way answered with Return.
    void RunDays(int n) {
        answerKey = platform::win::VK_RETURN;
        game->RunDays(n);
        answerKey = platform::win::VK_ESCAPE;
    }
    // A point on row `row` of a page list; {-1, -1} when it is not shown.
    Point OnListRow(CScreensInfo& page, CListControl& list, int row) {
        const platform::win::Rect r = list.WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (page.HitTestListRow(r.left + 40, y) == row) return {r.left + 40, y + 4};
        return {-1, -1};
    }
    // The group of the menu a right click shows, -1 for none. A person
    // menu may leave out commands that do not apply to the person: a menu
    // belongs to the first group holding all its commands.
    int MenuAt(Point p) {
        const size_t before = menus.size();
        const int exact = RightClick(p);
        if (exact >= 0 || menus.size() == before) return exact;
        for (int g = 0; g < static_cast<int>(MenuResource131().size()); ++g) {
            const MenuResourceSub* sub = GetSubMenu(g);
            if (!sub) continue;
            bool all = true;
            for (uint32_t id : menus.back()) {
                bool found = false;
                for (const auto& item : sub->items) found = found || item.id == id;
                all = all && found;
            }
            if (all) return g;
        }
        return -1;
    }
    CDivision* Top() { return World().GetCountry(kHumanGameCountry)->GetDivision(0); }

    // The menus of a page with a list: over its first row and off the list.
    struct Case {
        PageClass kind;
        int screen;
        int onRow;
        int elsewhere;
    };
    template <class Page, class ListOf>
    void Check(const Case& c, ListOf listOf, const void* scope = nullptr) {
        SCOPED_TRACE(c.screen);
        auto* page = Open<Page>(c.kind, c.screen);
        ASSERT_NE(page, nullptr);
        if (scope) {
            ASSERT_TRUE(Select(scope));
        }
        CListControl* list = listOf(*page);
        ASSERT_NE(list, nullptr);
        ASSERT_GT(list->GetRowCount(), 0);
        // A hub's contacts have no employee menu: a hired man's row.
        int row = 0;
        if (c.onRow == kEmployeeMenuGroup)
            while (row < list->GetRowCount() && reinterpret_cast<CEmployee*>(list->GetItemData(row))->IsContact()) ++row;
        ASSERT_LT(row, list->GetRowCount());
        const Point row0 = OnListRow(*page, *list, row);
        ASSERT_GE(row0.y, 0);
        g_pSelectedPlayer = nullptr;
        g_pSelectedEmployee = nullptr;
        // "Offer Contract" is left out for a man whose level the club turns
        // down, a draw inside the band: the same seed decides both.
        bool offered = false;
        if (c.onRow == kEmployeeMenuGroup) {
            platform::SeedRandom(7);
            offered = club->AcceptsLevel(reinterpret_cast<CEmployee*>(list->GetItemData(row))->m_Ability);
            platform::SeedRandom(7);
        }
        EXPECT_EQ(MenuAt(row0), c.onRow);
        if (c.onRow == kEmployeeMenuGroup) {
            std::vector<uint32_t> expected = {32902, 32903, 32905};
            if (offered) expected.push_back(32906);
            ASSERT_FALSE(menus.empty());
            EXPECT_EQ(menus.back(), expected);
        }
        if (c.onRow == kPlayerMenuGroup) {
            EXPECT_EQ(g_pSelectedPlayer, reinterpret_cast<CPlayer*>(list->GetItemData(row))) << "the row pressed";
        }
        if (c.onRow == kEmployeeMenuGroup) {
            EXPECT_EQ(g_pSelectedEmployee, reinterpret_cast<CBasicEmployee*>(list->GetItemData(row))) << "the row pressed";
        }
        EXPECT_EQ(MenuAt({300, 30}), c.elsewhere) << "the page's header";
    }
};

TEST_F(CompetitionMenus, EachHubShowsTheEmployeeMenuOverAStaffRowAndItsSectionMenuElsewhere) {
    auto staff = [](CSectionHub& hub) { return hub.GetStaffList(); };
    Check<CSectionHub>({PageClass::Fixture, CFixtureScreen::kHubPage, kEmployeeMenuGroup, kFixturesGroup}, staff);
    Check<CSectionHub>({PageClass::Info, CInfoScreen::kHubPage, kEmployeeMenuGroup, kInformationGroup}, staff);
    // The manager hub lists only contacts (bank manager, doctor, job
    // agency), whom no employee menu serves.
    Check<CSectionHub>({PageClass::Manager, CManagerScreen::kHubPage, kNoMenu, kManagerGroup}, staff);
    Check<CSectionHub>({PageClass::Discipline, CDisciplineScreen::kHubPage, kEmployeeMenuGroup, kDisciplineGroup},
                       staff);
}

// The manager hub lists his own contacts out of work too; without a club
// a staff row has no menu, and the page keeps its own elsewhere.
TEST_F(CompetitionMenus, WithoutAClubAStaffRowShowsNoMenu) {
    CManager* m = World().GetCurrentManager();
    ASSERT_NE(m, nullptr);
    const int clubIndex = m->GetClubIndex();
    m->SetClubIndex(-1);
    Check<CSectionHub>({PageClass::Manager, CManagerScreen::kHubPage, kNoMenu, kManagerGroup},
                       [](CSectionHub& hub) { return hub.GetStaffList(); });
    m->SetClubIndex(clubIndex);
}

TEST_F(CompetitionMenus, PlayersRowsShowThePlayerMenuOtherRowsThePagesMenu) {
    RunDays(60);
    Check<CStatsScreen>({PageClass::Stats, CStatsScreen::kScorersPage, kPlayerMenuGroup, kPlayerGroup},
                        [](CStatsScreen& p) { return p.GetStatsList(); }, Top());
    Check<CStatsScreen>({PageClass::Stats, CStatsScreen::kLeagueTablePage, kInformationGroup, kInformationGroup},
                        [](CStatsScreen& p) { return p.GetStatsList(); }, Top());
    Check<CStatsScreen>({PageClass::Stats, CStatsScreen::kManagerRatingsPage, kManagerGroup, kManagerGroup},
                        [](CStatsScreen& p) { return p.GetStatsList(); }, Top());
    Check<CInfoScreen>({PageClass::Info, CInfoScreen::kMotmPage, kPlayerMenuGroup, kPlayerGroup},
                       [](CInfoScreen& p) { return p.GetPageList(); }, Top());
    Check<CInfoScreen>({PageClass::Info, CInfoScreen::kGatesPage, kInformationGroup, kInformationGroup},
                       [](CInfoScreen& p) { return p.GetPageList(); }, Top());
    Check<CDisciplineScreen>({PageClass::Discipline, CDisciplineScreen::kPlayerPage, kPlayerMenuGroup, kDisciplineGroup},
                             [](CDisciplineScreen& p) { return p.GetDisciplineList(); }, Top());
    Check<CDisciplineScreen>({PageClass::Discipline, CDisciplineScreen::kClubPage, kDisciplineGroup, kDisciplineGroup},
                             [](CDisciplineScreen& p) { return p.GetDisciplineList(); }, Top());
    // A referee is no employee: his row keeps the page's menu.
    Check<CDisciplineScreen>(
        {PageClass::Discipline, CDisciplineScreen::kRefereePage, kDisciplineGroup, kDisciplineGroup},
        [](CDisciplineScreen& p) { return p.GetDisciplineList(); }, Top());
    Check<CFixtureScreen>({PageClass::Fixture, CFixtureScreen::kLeagueSchedulePage, kFixturesGroup, kFixturesGroup},
                          [](CFixtureScreen& p) { return p.GetFixtureList(); });
}

TEST_F(CompetitionMenus, ThePlayerMenuNeedsAClubAndTheMatchPagesHaveNone) {
    RunDays(60);
    CManager* m = World().GetCurrentManager();
    const int clubIndex = m->GetClubIndex();
    m->SetClubIndex(-1);
    Check<CStatsScreen>({PageClass::Stats, CStatsScreen::kScorersPage, kNoMenu, kPlayerGroup},
                        [](CStatsScreen& p) { return p.GetStatsList(); }, Top());
    m->SetClubIndex(clubIndex);

    auto* results = Open<CInfoScreen>(PageClass::Info, CInfoScreen::kResultsPage);
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(MenuAt({300, 30}), kNoMenu);
    EXPECT_EQ(MenuAt({300, 250}), kNoMenu);
}

}  // namespace
}  // namespace competitionmenus
