// The news pages in the running program over a new game of England and
// Scotland, with a human manager at England's first top-division club: the
// tool box's News button, League and Club Messages browsed by their date
// arrows, Skip to Next Match Date ending on the day's paper, every page
// button pressed, the paper reopened, Scotland's paper from the tree and
// back, the next day's rolls, the local news page of England's paper, and
// the paper of a loaded game. Every box the days bring is answered by one
// self-rearming answerer.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/newsscreen.h"
#include "screens/pages.h"
#include "shell/history.h"
#include "shell/screenglobals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"
#include "support/test_env.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xbutton.h"

namespace {

using namespace platform::win;

constexpr uint8_t kNewsEngland = 55, kNewsScotland = 150;
constexpr uint32_t kNewsToolButton = 19417, kNewsHalfWeek = 19423, kNewsSkip = 19424, kNewsPaperCommand = 32788;

class NewsInTheProgram : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kNewsEngland, kNewsScotland});
        club = game->HumanManagesTopClub(kNewsEngland);
        ASSERT_NE(club, nullptr);
        RegisterGamePages();
        StartApp();
        scope = std::make_unique<testsupport::ScopedMatchDriver>(&driver);
        // Every box is answered with its first button; menus are closed.
        answer = [this] {
            backend->Key(VK_RETURN, 10);
            backend->OnModalShown(answer);
        };
        backend->OnModalShown(answer);
        backend->SetEndWhenScriptDone(false);
        Command(19410);
    }
    void TearDown() override {
        StopApp();
        scope.reset();
        game.reset();
    }
    CWorldData& W() { return *GetWorldData(); }
    CNewsScreen* News() { return dynamic_cast<CNewsScreen*>(manager->GetCurrentPage()); }
    Window& Main() { return *app->GetMainFrame(); }
    void Click(int x, int y, bool twice = false) {
        const Point p = Main().ScreenToClient(manager->GetCurrentPage()->ClientToScreen(Point{x, y}));
        backend->Click(p, MouseButton::Left, 20);
        if (twice) backend->Click(p, MouseButton::Left, 60);
        testsupport::RunVirtualTime(*backend, Main(), 300);
    }
    void Save(const std::string& name) {
        Ui::Get().PresentNow();
        auto dir = testenv::BuildDir() / "page-shots";
        std::filesystem::create_directories(dir);
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    // A press of the mouse on the tree's row of the node of `data`, brought
    // into view first; false when the node is not shown.
    bool ClickTreeNode(uintptr_t data) {
        CTreeWindow* window = manager->GetTreeWindow();
        if (!window) return false;
        CTree& tree = window->GetTree();
        if (!tree.SelectItem(data, 0)) return false;
        tree.ClearSelection(tree.GetRoot());
        tree.PaintBuffer();
        for (int i = 0; i < tree.GetRowsDrawn(); ++i) {
            const CTree::Row& row = tree.GetRow(i);
            if (!row.node || row.node->data != data) continue;
            const Point centre{row.rect.left + 20, (row.rect.top + row.rect.bottom) / 2};
            backend->Click(Main().ScreenToClient(tree.ClientToScreen(centre)), MouseButton::Left, 20);
            testsupport::RunVirtualTime(*backend, Main(), 1000);
            return true;
        }
        return false;
    }
    static std::vector<std::string> Texts(CNewsScreen& page) {
        std::vector<std::string> out;
        for (CXStatic* l : page.GetShownPaperLabels()) out.push_back(l->GetText());
        return out;
    }
    static bool Shown(CXButton* b) { return b && b->IsShownFlag(); }
    // Presses a message page's date arrow with the mouse.
    // A pause after each, so that two presses are never a double click.
    void LeftDate() {
        Click(25 + 13, 115 + 12);
        testsupport::RunVirtualTime(*backend, Main(), 1000);
    }
    void RightDate() {
        Click(550 + 13, 115 + 12);
        testsupport::RunVirtualTime(*backend, Main(), 1000);
    }
    // Skip to Next Match Date, which runs the world on to the club's next
    // match day. A match day of the club's is played first by moving half a
    // week on, with the side picked as its manager would have it.
    void Skip() {
        for (int days = 0; g_bHumanMatchToday && days < 4; ++days) {
            club->SelectTeam(5);
            W().GetUser(0)->ResetSelection();
            ASSERT_TRUE(W().GetUser(0)->CheckTeamReady());
            const int played = driver.opened;
            Command(kNewsHalfWeek);
            ASSERT_EQ(driver.opened, played + 1) << "the club's match was played";
            ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kPaperPage) << "half a week on ends on the paper";
        }
        Command(kNewsSkip);
    }
    // The match day `back` match days before the clock.
    int DayBefore(int back) {
        CMatchTime t = W().GetMatchTime();
        for (int i = 0; i < back; ++i) t.PreviousMatchDay();
        return t.GetMatchDay();
    }
    // Two steps back with the left arrow, then forward with the right one
    // until it hides: the page ends on today with no way past it.
    void BrowseBackTwoAndForward(const char* what) {
        CNewsScreen* page = News();
        ASSERT_NE(page, nullptr) << what;
        EXPECT_EQ(page->GetShownDate().GetMatchDay(), W().GetMatchDay()) << what;
        EXPECT_FALSE(Shown(page->GetRightDateButton())) << what;
        ASSERT_TRUE(Shown(page->GetLeftDateButton())) << what;
        LeftDate();
        LeftDate();
        EXPECT_EQ(page->GetShownDate().GetMatchDay(), DayBefore(2)) << what;
        int steps = 0;
        while (Shown(page->GetRightDateButton()) && steps < 5) {
            RightDate();
            ++steps;
        }
        EXPECT_EQ(steps, 2) << what;
        EXPECT_TRUE(page->GetShownDate() == W().GetMatchTime()) << what;
        RightDate();
        EXPECT_TRUE(page->GetShownDate() == W().GetMatchTime()) << what << ": no step passes the clock";
    }
    // The page list's entries as the divisions' state gives them: a
    // fixtures spread for a division with league matches of today or the
    // match day before (division 0 also with cup matches), a table spread
    // for one whose first club has played and has games left.
    void ExpectPageListOfTheDivisions(CNewsScreen& page) {
        const CCountry& country = *page.GetShownCountry();
        std::vector<int> want{1};
        for (int d = 0; d < std::min(country.GetDivisionCount(), 4); ++d) {
            const CDivision* division = country.GetDivision(d);
            ASSERT_NE(division, nullptr);
            bool matches = !page.GetFixtureRows(d, false).empty() || !page.GetResultRows(d, false).empty();
            if (d == 0) matches = matches || !page.GetFixtureRows(0, true).empty() || !page.GetResultRows(0, true).empty();
            if (matches) want.push_back(20 + d);
            int days = 0;
            for (int s = 0; s < CMatchTime::kSlotsPerSeason; ++s)
                days += division->GetCalendarSlot(s) >= 1 && division->GetCalendarSlot(s) <= 199;
            const int played = W().GetClub(division->GetFirstClub())->GetGamesPlayed();
            if (played >= 1 && played < days) want.push_back(10 + d);
        }
        want.push_back(2);
        EXPECT_EQ(page.GetPageList(), want);
    }

    std::function<void()> answer;
    std::unique_ptr<testsupport::GameDriver> game;
    testsupport::ScriptedMatchDriver driver;
    std::unique_ptr<testsupport::ScopedMatchDriver> scope;
    CClub* club = nullptr;
};

TEST_F(NewsInTheProgram, TheNewsPagesAndTheDaysPaper) {
    EXPECT_EQ(g_bNewspaperRefresh, 1) << "a new game draws its paper's rolls afresh";
    // Into the season: Skip to Next Match Date ends each time on the paper.
    for (int i = 0; i < 3; ++i) {
        ASSERT_NO_FATAL_FAILURE(Skip());
        ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kPaperPage) << "skip " << i;
    }
    ASSERT_GE(W().GetMatchDay(), 3);

    // 1. The tool box's News button: the hub, with the mole's line when
    // the club keeps a mole.
    Command(kNewsToolButton);
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kHubPage);
    CNewsScreen* hub = News();
    ASSERT_NE(hub, nullptr);
    const CEmployee* mole = nullptr;
    for (int i = 0; i < club->Staff().GetSize(); ++i)
        if (const CEmployee* e = club->Staff().GetAt(i); e && e->m_JobKind == CNewsScreen::kRumourMole) mole = e;
    if (mole) {
        EXPECT_EQ(hub->GetAdvisor(), mole);
        EXPECT_FALSE(hub->GetAdvisorLines().empty()) << "the mole's rumours, or all quiet";
    }
    Save("news-endtoend-hub");

    // 2. League Messages, then Club Messages, by the hub's buttons.
    Click(121 + 42, 378 + 42);
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kLeaguePage);
    EXPECT_EQ(News()->GetShownCountry(), W().GetCountry(kNewsEngland));
    BrowseBackTwoAndForward("League Messages");
    Command(kNewsToolButton);
    Click(23 + 42, 378 + 42);
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kClubPage);
    EXPECT_EQ(News()->GetNameLabel()->GetText(), club->GetName());
    BrowseBackTwoAndForward("Club Messages");

    // 3. Skip to Next Match Date: the day's paper opens by itself on its front page.
    ASSERT_NO_FATAL_FAILURE(Skip());
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kPaperPage);
    CNewsScreen* paper = News();
    ASSERT_NE(paper, nullptr);
    EXPECT_EQ(paper->GetShownCountry(), W().GetCountry(kNewsEngland));
    EXPECT_EQ(paper->GetPaperPage(), 0);
    EXPECT_EQ(g_bNewspaperRefresh, 0) << "the day's rolls are drawn";
    Save("newspaper-after-skip");
    ExpectPageListOfTheDivisions(*paper);
    const std::vector<int> list = paper->GetPageList();
    ASSERT_GE(list.size(), 3u) << "a match day of four divisions has spreads";
    const std::vector<int> xs = CNewsScreen::PageButtonPositions(static_cast<int>(list.size()));
    const std::vector<std::string> front = Texts(*paper);
    const std::vector<std::string> frontPictures = paper->GetPictureNames();
    // Every page button in turn, from the back page to the front one.
    for (size_t i = list.size(); i-- > 0;) {
        Click(xs[i] + 28, 431 + 18);
        const int code = list[i];
        const int want = code == 1 ? 0 : code == 2 ? 9 : code >= 20 ? 1 + 2 * (code - 20) : 2 + 2 * (code - 10);
        EXPECT_EQ(paper->GetPaperPage(), want) << "button " << i;
        EXPECT_GT(paper->GetPageLabelCount(), 0) << "button " << i;
        if (code == 20) Save("newspaper-endtoend-fixtures");
        // England's emblem 23 has a back-page form of its own.
        if (code == 1 || code == 2) {
            EXPECT_EQ(paper->GetPictureNames()[2], code == 1 ? "gfx\\newspaper\\tlogo23.bmp" : "gfx\\newspaper\\tlogo23b.bmp");
        }
        if (code == 10) Save("newspaper-endtoend-table");
    }

    // 4. Reopened the same day: the same paper.
    Command(kNewsPaperCommand);
    paper = News();
    ASSERT_NE(paper, nullptr);
    EXPECT_EQ(Texts(*paper), front);
    EXPECT_EQ(paper->GetPictureNames(), frontPictures);
    // England's paper, emblem 23, opens the local news page on a double click.
    const size_t urls = backend->Urls().size();
    Click(300, 200, true);
    ASSERT_EQ(backend->Urls().size(), urls + 1);
    EXPECT_EQ(backend->Urls().back(), CNewsScreen::LocalNewsAddress());

    // Scotland from the tree: another paper, and no local news page.
    ASSERT_TRUE(ClickTreeNode(reinterpret_cast<uintptr_t>(W().GetCountry(kNewsScotland))));
    ASSERT_EQ(News(), paper);
    EXPECT_EQ(paper->GetShownCountry(), W().GetCountry(kNewsScotland));
    EXPECT_NE(Texts(*paper), front);
    EXPECT_NE(paper->GetPictureNames(), frontPictures);
    ExpectPageListOfTheDivisions(*paper);
    const std::vector<std::string> scottish = Texts(*paper);
    Click(300, 200, true);
    EXPECT_EQ(backend->Urls().size(), urls + 1);
    // Away and back: the paper of the country it showed.
    Command(kNewsToolButton);
    ASSERT_TRUE(manager->GoBack(1));
    Drain();
    ASSERT_NE(News(), nullptr);
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kPaperPage);
    EXPECT_EQ(News()->GetShownCountry(), W().GetCountry(kNewsScotland));
    EXPECT_EQ(Texts(*News()), scottish);

    // One more day: new rolls.
    const NewspaperRolls before = CNewsScreen::GetRawRolls();
    ASSERT_NO_FATAL_FAILURE(Skip());
    ASSERT_EQ(g_nCurrentScreen, CNewsScreen::kPaperPage);
    const NewspaperRolls& after = CNewsScreen::GetRawRolls();
    EXPECT_FALSE(std::equal(std::begin(before.variant), std::end(before.variant), std::begin(after.variant)) &&
                 before.big[0] == after.big[0] && before.side[0] == after.side[0] &&
                 before.percent[0] == after.percent[0]);

    // 5. Saved and loaded: the flag is set again and the paper builds.
    const std::filesystem::path file = testenv::TestFolder() / "news-endtoend.qzs";
    ASSERT_TRUE(W().SaveGame(file.string()));
    g_bNewspaperRefresh = 0;
    ASSERT_EQ(CWorldData::LoadGame(file.string()), 1);
    EXPECT_EQ(g_bNewspaperRefresh, 1) << "a loaded game draws its paper's rolls afresh";
    manager->RefreshTree(0);
    g_nTreeSelectionKind = 0;
    g_nTreeSelectionData = 0;
    g_nTreeSelectionLevel = 0;
    Command(kNewsPaperCommand);
    paper = News();
    ASSERT_NE(paper, nullptr);
    EXPECT_EQ(g_bNewspaperRefresh, 0);
    EXPECT_GE(paper->GetPageList().size(), 2u);
    EXPECT_FALSE(Texts(*paper).empty());
    ExpectPageListOfTheDivisions(*paper);
}

}  // namespace
