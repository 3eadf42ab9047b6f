// The view with its tool bar, tree and screen manager: the set-up, the two
// layouts with the tree on either side, page switches with the history,
// Back and Forward, and model code's nested waits on pages.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/userport.h"
#include "support/test_env.h"
#include "ui/treewindow.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        Drain();
        view = app->GetView();
        manager = view->GetScreenManager();
        ASSERT_NE(manager, nullptr);
    }
    void TearDown() override {
        app.reset();
        Ui::Get().Stop();
    }
    void Drain() {
        for (int i = 0; i < 3; ++i) {
            Message m;
            while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
            app->GetMainFrame()->UpdateNow();
        }
    }
    void Command(uint32_t id) {
        app->GetMainFrame()->Send(WM_COMMAND, id, 0);
        Drain();
    }
    void Save(const std::string& name) {
        auto dir = testenv::BuildDir() / "shell-shots";
        std::filesystem::create_directories(dir);
        Ui::Get().PresentNow();
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }

    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CBrixholmView* view = nullptr;
    CScreenManager* manager = nullptr;
};

TEST_F(ViewTest, SetUpMakesTheToolBarTheTreeAndTheManagerAndShowsTheTitlePage) {
    EXPECT_TRUE(view->SetupDone());
    CXToolBar* bar = view->GetToolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->IsShownFlag()) << "hidden on the full-page title";
    EXPECT_EQ(bar->WindowRect(), (Rect{0, 0, 788, 75}));
    EXPECT_EQ(bar->GetCommand(0), 19410u) << "button set 0";
    ASSERT_NE(view->GetTreeWindow(), nullptr);
    EXPECT_FALSE(view->GetTreeWindow()->IsShownFlag());
    EXPECT_EQ(view->GetTreeWindow()->GetCurrentFill(), 6) << "tree mode 6 at start";
    EXPECT_EQ(manager->WindowRect(), (Rect{0, 0, 788, 550}));
    ASSERT_NE(manager->GetCurrentPage(), nullptr);
    EXPECT_EQ(g_nCurrentScreen, 115);
    EXPECT_EQ(manager->GetCurrentPage()->GetBackgroundName(), "gfx\\backgrounds\\titlescreen.bmp");
    EXPECT_EQ(manager->GetHistory().GetCount(), 0) << "the title page is not recorded";
    EXPECT_TRUE(view->IsFullPage());
}

TEST_F(ViewTest, SectionPagesUseTheNormalLayoutWithTheTreeOnEitherSide) {
    Command(19410);
    EXPECT_EQ(g_nCurrentScreen, 99);
    EXPECT_FALSE(view->IsFullPage());
    EXPECT_TRUE(view->GetToolBar()->IsShownFlag());
    EXPECT_EQ(view->GetToolBar()->WindowRect(), (Rect{0, 0, 788, 75}));
    EXPECT_EQ(manager->WindowRect(), (Rect{0, 81, 599, 551}));
    EXPECT_EQ(view->GetTreeWindow()->WindowRect(), (Rect{605, 80, 788, 550}));
    EXPECT_TRUE(view->GetTreeWindow()->IsShownFlag());
    EXPECT_EQ(manager->GetCurrentPage()->WindowRect(), (Rect{0, 0, 599, 470}));
    Save("manager-page-tree-right");
    Command(kCmdToggleTree);
    EXPECT_EQ(manager->WindowRect(), (Rect{188, 81, 788, 551}));
    EXPECT_EQ(view->GetTreeWindow()->WindowRect(), (Rect{0, 80, 182, 550}));
    Save("manager-page-tree-left");
    Command(kCmdToggleTree);
    EXPECT_EQ(manager->WindowRect(), (Rect{0, 81, 599, 551}));
}

TEST_F(ViewTest, PagesAreRecordedAndBackAndForwardWalkTheHistory) {
    for (uint32_t id : {19410u, 19411u, 19412u}) Command(id);
    CHistory& h = manager->GetHistory();
    ASSERT_EQ(h.GetCount(), 3);
    EXPECT_EQ(h.GetAt(1)->screenId, 100);
    EXPECT_EQ(h.GetAt(1)->commandId, 19411);
    EXPECT_EQ(h.GetAt(2)->title, "Club Screen");
    EXPECT_EQ(view->GetToolBar()->GetState(10), 1) << "Back";
    EXPECT_EQ(view->GetToolBar()->GetState(15), 0) << "Forward at the last entry";
    Command(19420);
    EXPECT_EQ(g_nCurrentScreen, 100);
    EXPECT_EQ(h.GetCurrent(), 1);
    EXPECT_EQ(view->GetToolBar()->GetState(15), 1);
    Command(19425);
    EXPECT_EQ(g_nCurrentScreen, 101);
    // Game Options is not recorded; Back returns to the page left.
    Command(19419);
    EXPECT_EQ(g_nCurrentScreen, 6);
    EXPECT_EQ(h.GetCount(), 3);
    EXPECT_EQ(manager->IsOffHistory(), 1);
    Command(19420);
    EXPECT_EQ(g_nCurrentScreen, 101);
    // At the first entry Back shows nothing.
    h.SetCurrent(0);
    Command(19420);
    EXPECT_EQ(g_nCurrentScreen, 101);
    EXPECT_FALSE(manager->GoBack(1));
    EXPECT_FALSE(manager->GoBack(5));
    // Recording after going back drops the entries after it.
    Command(32820);  // League Table
    EXPECT_EQ(h.GetCount(), 2);
    EXPECT_EQ(h.GetAt(1)->screenId, 49);
}

TEST_F(ViewTest, ModelCodeWaitsNestAndEndInnermostFirst) {
    Command(19410);
    std::vector<int> results;
    std::vector<int> screens;
    backend->Call([&] {
        backend->Call([&] {
            screens.push_back(g_nCurrentScreen);
            EXPECT_EQ(view->GetToolBar()->GetState(0), 0) << "the tool bar is disabled for a modal page";
            EXPECT_EQ(view->GetToolBar()->GetState(10), 0) << "Back stays off on 60";
            backend->Call([&] {
                screens.push_back(g_nCurrentScreen);
                EXPECT_EQ(view->ModalDepth(), 2);
                view->EndScreenModal(0, 5);
            });
            backend->Call([&] { view->EndScreenModal(0, 7); });
            results.push_back(view->RunScreenModal(62, 0, 0, 0, 0));
        });
        results.push_back(view->RunScreenModal(60, 0, 0, 0, 0));
    });
    backend->SetEndWhenScriptDone(true);
    Ui::Get().Run();
    EXPECT_EQ(screens, (std::vector<int>{60, 62}));
    EXPECT_EQ(results, (std::vector<int>{5, 7}));
    EXPECT_EQ(view->ModalDepth(), 0);
}

TEST_F(ViewTest, BackOrCommand399EndAWaitWithOneAndAQuitEndsEveryWait) {
    Command(19410);
    int byBack = 0, by399 = 0, byQuit = 0;
    backend->Call([&] {
        backend->Call([&] { app->GetMainFrame()->Send(WM_COMMAND, 19420, 0); });
        byBack = view->RunScreenModal(116, 0, 0, 0, 0);
        backend->Call([&] { app->GetMainFrame()->Send(WM_COMMAND, CBrixholmView::kEndModalCommand, 0); });
        by399 = view->RunScreenModal(60, 0, 0, 0, 0);
        backend->Call([&] { Ui::Get().PostQuitMessage(0); });
        byQuit = view->RunScreenModal(60, 0, 0, 0, 0);
    });
    Ui::Get().Run();
    EXPECT_EQ(byBack, 1);
    EXPECT_EQ(by399, 1);
    EXPECT_EQ(byQuit, 1);
}

TEST_F(ViewTest, APersonWhoLeavesTheWorldTakesHisPagesOutOfTheHistory) {
    Command(19410);
    manager->SetHistoryState({7, -1, kPersonListPlayers});  // the manager page "shows" player 7
    Command(19411);
    manager->SetHistoryState({8, -1, kPersonListPlayers});
    Command(19412);
    ASSERT_EQ(manager->GetHistory().GetCount(), 3);
    GetUserPort().PersonDeleted(kPersonListPlayers, -1, 7);
    ASSERT_EQ(manager->GetHistory().GetCount(), 2);
    EXPECT_EQ(manager->GetHistory().GetCurrent(), 1) << "still on the club page";
    EXPECT_EQ(g_nCurrentScreen, 101);
    // The page on display goes: the one before it is shown again.
    Command(19420);
    EXPECT_EQ(g_nCurrentScreen, 100);
    GetUserPort().PersonDeleted(kPersonListPlayers, -1, 8);
    EXPECT_EQ(manager->GetHistory().GetCount(), 1);
    EXPECT_EQ(g_nCurrentScreen, 101);
    EXPECT_EQ(view->GetToolBar()->GetState(15), 0) << "nothing to go forward to";
}

}  // namespace
