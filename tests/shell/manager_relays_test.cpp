// The screen manager's relays to the tree and the tool bar, the progress
// page, the print command and the view's set-up under early size changes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "shell/view.h"
#include "support/test_env.h"
#include "support/app_fixture.h"
#include "support/ui_loop.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

// A page that counts what reaches it: tree notices, progress, printing.
class RelayProbePage : public CScreensInfo, public ProgressPage {
public:
    static inline int selects = 0, notify1 = 0, notify2 = 0, steps = 0, draws = 0;
    static inline int lastStep = -1, lastCount = -1;
    static inline ProgressPageParams params;
    static void Reset() {
        selects = notify1 = notify2 = steps = draws = 0;
        lastStep = lastCount = -1;
        params = {};
    }
    void Initialise() override { BuildScreen(g_nScreenId); }
    void SetPageParams(const PageParams& p) override {
        if (const auto* q = std::get_if<ProgressPageParams>(&p)) params = *q;
    }
    void OnTreeSelect(const TreeNotice*) override { ++selects; }
    void OnTreeNotify1(const TreeNotice*) override { ++notify1; }
    void OnTreeNotify2(const TreeNotice*) override { ++notify2; }
    void SetProgress(int step, int count) override {
        lastStep = step;
        lastCount = count;
    }
    void StepProgress() override { ++steps; }
    void DrawProgress() override { ++draws; }
    // Half the printed page's logical width, a tenth of its height, black.
    void Print(platform::gfx::Canvas* dc, PrintInfo*) override {
        dc->FillRect(Rect{0, 0, 50, 10}, platform::gfx::Brush::Solid(platform::gfx::RGB(0, 0, 0)));
    }
    PageFactory GetPageFactory() const override { return &Make; }
    static CScreen* Make() { return new RelayProbePage(); }
};

class RelayTest : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        RelayProbePage::Reset();
        RegisterPageFactory(PageClass::Title, &RelayProbePage::Make);
        RegisterPageFactory(PageClass::Manager, &RelayProbePage::Make);
        StartApp();
    }
    void TearDown() override {
        StopApp();
        RegisterPageFactory(PageClass::Title, nullptr);
        RegisterPageFactory(PageClass::Manager, nullptr);
    }

};

TEST_F(RelayTest, TreeRelaysAndMessagesReachTheTreeWindow) {
    Command(19410);
    CTreeWindow* tree = manager->GetTreeWindow();
    ASSERT_NE(tree, nullptr);
    manager->RefreshTree(0);
    CTreeNode* root = tree->GetTree().GetRoot();
    ASSERT_NE(root, nullptr);
    CTreeNode* club = manager->InsertTreeItem("Club", 0, root, 1001, 4);
    CTreeNode* player = manager->InsertTreeItem("Player", 0, club, 2002, 5);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(manager->FindTreeItem(2002), player);
    EXPECT_EQ(manager->GetTreeParentData(2002, 5), 1001u);
    EXPECT_EQ(manager->GetTreeParentData(0, 0), 0u) << "neither data nor kind";

    EXPECT_TRUE(manager->SelectTreeItem(2002, 5));
    EXPECT_EQ(g_nTreeSelectionData, 2002u);
    EXPECT_EQ(g_nTreeSelectionKind, 5);

    manager->ExpandTreeItem(root, true);
    EXPECT_EQ(club->expanded, 1) << "the chain of first children";
    manager->CollapseTree();
    EXPECT_EQ(club->expanded, 0);
    EXPECT_EQ(root->expanded, 1) << "the root stays open";

    manager->Send(ui::kMsgTreeExpandLimit, 1, 3);
    EXPECT_EQ(tree->GetTree().GetExpandLimit(), 3);
    manager->Send(ui::kMsgTreeItemVisible, reinterpret_cast<uintptr_t>(player), 0);
    EXPECT_EQ(player->visible, 0);
    manager->Send(ui::kMsgTreeItemVisible, reinterpret_cast<uintptr_t>(player), 7);
    EXPECT_EQ(player->visible, 1);
    manager->Send(ui::kMsgTreeSelectable, 2, 0);
    EXPECT_EQ(player->selectable, 1) << "depth 2 made selectable";

    // A branch opened on the player: he is the selection, visible, and
    // closed because his level is not above the depth.
    g_nTreeSelectionData = 0;
    manager->ShowTreeBranch(2, "", false, "", 2002, 0);
    EXPECT_EQ(g_nTreeSelectionData, 2002u);
    EXPECT_EQ(g_nTreeSelectionKind, 5);
    EXPECT_EQ(g_nTreeSelectionLevel, player->GetLevel());
    EXPECT_EQ(player->visible, 1);
    EXPECT_EQ(player->expanded, 0);
    EXPECT_EQ(tree->GetTree().GetExpandLimit(), 2);
    // Data 0 stops after the first step; an unknown one finds nothing.
    manager->ShowTreeBranch(3, "", false, "", 0, 0);
    EXPECT_EQ(tree->GetTree().GetExpandLimit(), 3);
    EXPECT_EQ(g_nTreeSelectionData, 2002u);
    manager->ShowTreeBranch(2, "", false, "", 999999, 0);
    EXPECT_EQ(g_nTreeSelectionData, 2002u);

    manager->DeleteTreeChildren(club);
    EXPECT_EQ(club->firstChild, nullptr);
    EXPECT_EQ(manager->FindTreeItem(2002), nullptr);
}

TEST_F(RelayTest, TreeNoticesReachThePageOnDisplay) {
    Command(19410);
    TreeNotice notice;
    view->Send(kMsgTreeSelected, reinterpret_cast<uintptr_t>(&notice), 0);
    view->Send(kMsgTreeExpanded, reinterpret_cast<uintptr_t>(&notice), 0);
    view->Send(kMsgTreeExpanded, reinterpret_cast<uintptr_t>(&notice), 0);
    view->Send(kMsgTreeCollapsed, reinterpret_cast<uintptr_t>(&notice), 0);
    EXPECT_EQ(RelayProbePage::selects, 1);
    EXPECT_EQ(RelayProbePage::notify1, 2);
    EXPECT_EQ(RelayProbePage::notify2, 1);
}

TEST_F(RelayTest, ToolBarRelaysTellEnabledButtonsAndSwitchTheButtonSet) {
    Command(19410);
    EXPECT_TRUE(manager->IsToolBarFlagSet());
    manager->OpenScreenById(116, 0, 0, 0, 0);  // a page for model code: the tool bar off
    EXPECT_FALSE(manager->IsToolBarFlagSet());
    manager->SetToolBarSet(1);
    EXPECT_EQ(view->GetToolBarSet(), 1);
    EXPECT_EQ(view->GetToolBar()->GetCommand(0), 19432u);
    manager->SetToolBarSet(0);
    EXPECT_EQ(view->GetToolBar()->GetCommand(0), 19410u);
}

TEST_F(RelayTest, ProgressReachesOnlyTheProgressPageOnDisplay) {
    Command(19410);
    GetUserPort().ShowProgress(9, "Saturday 7th August 1999", 3, 1);
    EXPECT_EQ(g_nCurrentScreen, 114);
    EXPECT_EQ(RelayProbePage::params.text, "Saturday 7th August 1999");
    EXPECT_EQ(RelayProbePage::params.caption, 9);
    EXPECT_EQ(RelayProbePage::lastStep, 3);
    EXPECT_EQ(RelayProbePage::lastCount, 9);
    EXPECT_EQ(RelayProbePage::draws, 1);
    GetUserPort().StepProgress();
    EXPECT_EQ(RelayProbePage::steps, 1);
    EXPECT_EQ(manager->GetHistory().GetCount(), 1) << "the progress page is not recorded";
    EXPECT_FALSE(manager->IsToolBarFlagSet());
    // Another page has replaced it: a step reaches nothing.
    Command(19410);
    GetUserPort().StepProgress();
    EXPECT_EQ(RelayProbePage::steps, 1);
    EXPECT_EQ(manager->GetProgressPage(), nullptr);
}

TEST_F(RelayTest, ANewGameShowsProgressThenTheNewGamePageWithAnEmptyHistory) {
    Command(19410);
    Command(19411);
    g_nActiveUser = 3;
    manager->StartNewGame();
    EXPECT_EQ(RelayProbePage::params.textId, 786u);
    EXPECT_EQ(RelayProbePage::params.caption, 13);
    EXPECT_EQ(RelayProbePage::lastStep, 1) << "the reset's second step";
    EXPECT_EQ(RelayProbePage::lastCount, 2);
    EXPECT_EQ(g_nCurrentScreen, 91);
    EXPECT_EQ(manager->GetCurrentPage()->GetBackgroundName(), "gfx\\backgrounds\\92.bmp");
    EXPECT_TRUE(view->IsFullPage());
    EXPECT_EQ(manager->GetHistory().GetCount(), 0);
    EXPECT_EQ(g_nActiveUser, 0);
    EXPECT_EQ(g_bGameInProgress, 0);
}

TEST_F(RelayTest, ThePrintCommandRendersThePageIntoAPng) {
    const std::filesystem::path docs = testenv::TestFolder() / "print-docs";
    std::filesystem::remove_all(docs);
    ::setenv("XDG_DOCUMENTS_DIR", docs.c_str(), 1);
    Command(19410);
    manager->GetCurrentPage()->SetTitle("Probe Page");
    Command(CBrixholmView::kPrintCommand);
    ::unsetenv("XDG_DOCUMENTS_DIR");
    const std::filesystem::path file = docs / "Vantorel 2000" / "Probe Page 001.png";
    ASSERT_TRUE(std::filesystem::exists(file));
    const std::optional<platform::gfx::Surface> read = platform::gfx::ReadPng(file);
    ASSERT_TRUE(read.has_value());
    const platform::gfx::Surface& png = *read;
    // The page's 100 x 100 units fill 600 x 470 pixels: its black half-width
    // band reaches x 299 and y 46, not beyond.
    EXPECT_EQ(png.Get(10, 10) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(png.Get(295, 44) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(png.Get(305, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(png.Get(10, 50) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ViewSetUp, SizeChangesBeforeSetUpMoveNothing) {
    auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
    Ui::Get().Start(std::move(b));
    {
        CMainFrame frame;
        ASSERT_TRUE(frame.CreateMainFrame("Vantorel 2000"));
        CBrixholmView view;
        ASSERT_TRUE(view.CreateView(&frame));
        // Sized before its first paint: nothing is laid out, nothing made.
        view.Move(Rect{0, 0, 500, 300});
        view.Layout();
        EXPECT_FALSE(view.SetupDone());
        EXPECT_EQ(view.GetScreenManager(), nullptr);
        EXPECT_EQ(view.GetToolBar(), nullptr);
        // The first paint sets up over the size the view has then.
        view.Move(Rect{0, 0, 788, 550});
        frame.Show(true);
        view.Invalidate();
        view.UpdateNow();
        ASSERT_TRUE(view.SetupDone());
        ASSERT_NE(view.GetScreenManager(), nullptr);
        EXPECT_EQ(view.GetScreenManager()->WindowRect(), view.ClientRect());
        const Rect bar = view.GetToolBar()->WindowRect();
        EXPECT_EQ(bar.top, 0);
        EXPECT_EQ(bar.bottom, 75);
    }
    Ui::Get().Stop();
}

}  // namespace
