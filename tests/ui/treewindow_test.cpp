// The tree window filled from the generated world: its federations,
// countries, divisions and clubs, the modes, vacant clubs, the pop-up menu,
// its commands and the notices it passes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/menu.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/generated_world.h"
#include "ui/treewindow.h"
#include "support/test_env.h"
#include "ui/xmenu.h"

using namespace platform::win;

namespace {

// Stands in for the view.
class TreeViewWnd : public Window {
public:
    std::vector<uint32_t> seen;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == kMsgTreeSelected || msg == kMsgTreeExpanded || msg == kMsgTreeCollapsed) seen.push_back(msg);
        if (msg == WM_COMMAND) seen.push_back(static_cast<uint32_t>(w & 0xFFFF));
        return Window::WindowProc(msg, w, l);
    }
};

class TreeWindowTest : public worldtest::GeneratedWorld {
protected:
    void SetUp() override {
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_EQ(StartDirectSound(), 0);
        for (int i = 0; i < 20; ++i)
            LoadSample(i, (std::string("SND\\GEN\\") + kInterfaceSampleNames[i] + ".wav").c_str());
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(view.Create(&main, Rect{0, 0, 792, 554}, WS_CHILD | WS_VISIBLE));
        Build(3, [](int) { return true; });
        ASSERT_TRUE(pane.Create(&view, Rect{605, 80, 788, 550}, 9));
    }
    void TearDown() override {
        pane.Destroy();
        view.Destroy();
        main.Destroy();
        EndDirectSound();
        Ui::Get().Stop();
        FreeArchiveIndexes();
        worldtest::GeneratedWorld::TearDown();
    }
    std::vector<std::string> Children(const CTreeNode* n, bool shownOnly = false) {
        std::vector<std::string> out;
        for (const CTreeNode* c = n->firstChild; c; c = c->next)
            if (!shownOnly || c->visible) out.push_back(c->text);
        return out;
    }
    CTree& Tree() { return pane.GetTree(); }
    bool Played(int slot) {
        const SampleRecord* s = GetSample(slot);
        const bool was = s && s->playing;
        StopSample(slot);
        return was;
    }

    Window main;
    TreeViewWnd view;
    CTreeWindow pane;
};

TEST_F(TreeWindowTest, ANewDayShowsTheFiveFederationsAndANodeForEveryLeagueCountry) {
    pane.FillTree(5);
    pane.SetMode(0);
    CTreeNode* root = Tree().GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text, "World");
    EXPECT_EQ(root->kind, kTreeKindRoot);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"Europe", "America", "Asia", "Africa", "Oceania"}));
    int countries = 0;
    for (int i = 0; i < world->GetCountryList().GetSize(); ++i) {
        CCountry* c = world->GetCountry(i);
        const CTreeNode* n = Tree().FindItem(reinterpret_cast<uintptr_t>(c), 0);
        if (c->GetDivisionCount() > 0 && c->GetFollowLevel() != kNotFollowed) {
            ASSERT_NE(n, nullptr) << c->GetName();
            EXPECT_EQ(n->GetLevel(), 2);
            EXPECT_GE(n->icon, CTreeWindow::kFirstFlagIcon);
            ++countries;
        } else {
            EXPECT_EQ(n, nullptr) << c->GetName();
        }
    }
    EXPECT_GE(countries, 71);
    // Federation 1 gets no node, so it holds no league country and no cup.
    CFederation* fed1 = world->GetFederation(1);
    ASSERT_NE(fed1, nullptr);
    EXPECT_EQ(fed1->GetCupCount(), 0);
    for (int i = 0; i < fed1->GetCountryCount(); ++i)
        EXPECT_EQ(world->GetCountry(int(fed1->GetCountryIndex(i)))->GetDivisionCount(), 0);
    // Divisions, then their clubs in order, each club with its placeholder.
    CDivision* d = world->GetDivision(0);
    CTreeNode* dn = Tree().FindItem(reinterpret_cast<uintptr_t>(d), 0);
    ASSERT_NE(dn, nullptr);
    EXPECT_EQ(dn->GetLevel(), 3);
    CTreeNode* first = dn->firstChild;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->data, reinterpret_cast<uintptr_t>(world->GetClub(d->GetFirstClub())));
    ASSERT_NE(first->firstChild, nullptr);
    EXPECT_EQ(first->firstChild->text, "empty");
    EXPECT_EQ(first->firstChild->kind, kTreeKindRoot);
    EXPECT_EQ(g_nTreeSelectionLevel, 0);
    EXPECT_EQ(g_nTreeSelectionKind, 255);
    // A sheet of the filled navigator for people to look at.
    Tree().SetSelectableLevel(Tree().GetRoot(), 4, 1, false);
    pane.SelectItem(first->data, 0);
    Tree().PaintBuffer();
    const auto dir = testenv::BuildDir() / "widget-shots";
    std::filesystem::create_directories(dir);
    platform::gfx::WritePng(Tree().GetBuffer(), dir / "tree_filled.png");
}

TEST_F(TreeWindowTest, CountriesOfResultsOnlyAndTheirCupsGetNoNode) {
    CCountry* shown = nullptr;
    CCountry* hidden = nullptr;
    for (int i = 0; i < world->GetCountryList().GetSize() && (!shown || !hidden); ++i) {
        CCountry* c = world->GetCountry(i);
        if (c->GetDivisionCount() == 0) continue;
        (shown ? hidden : shown) = c;
    }
    ASSERT_TRUE(shown && hidden);
    hidden->SetFollowLevel(kNotFollowed);
    auto cup = std::make_unique<CCup>();
    cup->m_Name = "Hidden Cup";
    hidden->GetCups().Add(std::move(cup));
    auto cup2 = std::make_unique<CCup>();
    cup2->m_Name = "League Cup";
    CCup* leagueCup = cup2.get();
    shown->GetCups().Add(std::move(cup2));
    pane.FillTree(5);
    EXPECT_EQ(Tree().FindItem(reinterpret_cast<uintptr_t>(hidden), 0), nullptr);
    CTreeNode* cn = Tree().FindItem(reinterpret_cast<uintptr_t>(leagueCup), kTreeKindCompetition);
    ASSERT_NE(cn, nullptr);
    EXPECT_EQ(cn->GetLevel(), 3);
    // Modes: competitions hidden (0), shown with divisions hidden (2), both (5).
    pane.SetMode(0);
    EXPECT_FALSE(cn->visible);
    CTreeNode* dn = Tree().FindItem(reinterpret_cast<uintptr_t>(shown->GetDivision(0)), 0);
    ASSERT_NE(dn, nullptr);
    EXPECT_TRUE(dn->visible);
    pane.SetMode(2);
    EXPECT_TRUE(cn->visible);
    EXPECT_FALSE(dn->visible);
    pane.SetMode(5);
    EXPECT_TRUE(cn->visible && dn->visible);
}

TEST_F(TreeWindowTest, TheSameModeTwiceRefillsNothingAndModeThreeLeavesTheRoot) {
    pane.SetMode(0);
    EXPECT_EQ(pane.GetCurrentFill(), 5);
    CTreeNode* marker = pane.InsertItem("marker", 0, nullptr, 4242, 0);
    pane.SetMode(0);
    EXPECT_EQ(Tree().FindItem(4242, 0), marker);
    pane.SetMode(3);
    EXPECT_EQ(pane.GetCurrentFill(), 3);
    EXPECT_EQ(Tree().GetRoot()->firstChild, nullptr);
    pane.SetMode(6);
    EXPECT_EQ(pane.GetCurrentFill(), 6);
    pane.SetMode(9);  // ignored
    EXPECT_EQ(pane.GetCurrentFill(), 6);
}

TEST_F(TreeWindowTest, VacantClubsAndTheirWayUpTakeTheColourUntilReset) {
    pane.FillTree(5);
    CClub* vacant = world->GetClub(world->GetDivision(0)->GetFirstClub() + 1);
    vacant->ClearManager();
    CClub* managed = world->GetClub(world->GetDivision(0)->GetFirstClub());
    managed->SetManagerIndex(0);
    CTreeNode* n = Tree().FindItem(reinterpret_cast<uintptr_t>(vacant), 0);
    pane.ColourVacantClubs(0x0000FF, false);
    EXPECT_EQ(n->colour, 0x0000FFu);
    EXPECT_EQ(Tree().FindItem(reinterpret_cast<uintptr_t>(managed), 0)->colour, 0xFFFFFFu);
    EXPECT_EQ(n->parent->colour, 0x0000FFu);
    EXPECT_EQ(n->parent->parent->colour, 0x0000FFu);
    EXPECT_EQ(n->parent->parent->parent->colour, 0xFFFFFFu);  // the federation stays
    pane.ColourVacantClubs(0x0000FF, true);
    EXPECT_EQ(n->colour, 0xFFFFFFu);
    EXPECT_EQ(n->parent->parent->colour, 0xFFFFFFu);
}

TEST_F(TreeWindowTest, ThePopUpLabelsItsCommandsAndTheCommandsWork) {
    pane.FillTree(5);
    Menu menu;
    for (const auto& item : GetSubMenu(0)->items) menu.Append(MF_STRING, item.id, item.text);
    ASSERT_TRUE(pane.FillPopupMenu(&menu, 0));
    EXPECT_EQ(menu.FindItem(kCmdToggleBackground)->text, "Hide Background Bitmap");
    EXPECT_EQ(menu.FindItem(kCmdToggleTree)->text, "Tree To Left");
    EXPECT_EQ(menu.FindItem(kCmdToggleShortcut)->text, "Add Shortcut");
    EXPECT_TRUE(menu.FindItem(kCmdToggleShortcut)->flags & MF_GRAYED);  // no right click yet

    pane.Send(WM_COMMAND, kCmdToggleBackground, 0);
    EXPECT_EQ(Tree().m_bShowPicture, 0);
    pane.Send(WM_COMMAND, kCmdToggleTree, 0);
    EXPECT_EQ(view.seen.back(), kCmdToggleTree);
    Menu again;
    for (const auto& item : GetSubMenu(0)->items) again.Append(MF_STRING, item.id, item.text);
    pane.FillPopupMenu(&again, 0);
    EXPECT_EQ(again.FindItem(kCmdToggleBackground)->text, "Show Background Bitmap");
    EXPECT_EQ(again.FindItem(kCmdToggleTree)->text, "Tree To Right");

    // A right click on a row allows the shortcut, which the command makes.
    pane.SetRootExpanded(true);
    Tree().Show(true);
    Tree().Invalidate(false);
    Tree().UpdateNow();
    ASSERT_GT(Tree().GetRowsDrawn(), 1);
    const Rect r = Tree().GetRow(1).rect;
    Tree().Send(WM_RBUTTONDOWN, 0, MakePointParam(Point{r.left + 2, r.top + 3}));
    Menu third;
    for (const auto& item : GetSubMenu(0)->items) third.Append(MF_STRING, item.id, item.text);
    pane.FillPopupMenu(&third, 0);
    EXPECT_FALSE(third.FindItem(kCmdToggleShortcut)->flags & MF_GRAYED);
    pane.Send(WM_COMMAND, kCmdToggleShortcut, 0);
    ASSERT_NE(Tree().GetRoot()->next, nullptr);
    EXPECT_TRUE(Tree().GetRoot()->next->shortcut);
}

TEST_F(TreeWindowTest, NoticesArePassedOnAndSelectingSetsTheSelectionValues) {
    pane.FillTree(5);
    CClub* club = world->GetClub(world->GetDivision(0)->GetFirstClub());
    CTreeNode* n = pane.SelectItem(reinterpret_cast<uintptr_t>(club), 0);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(g_nTreeSelectionLevel, 4);
    EXPECT_EQ(g_nTreeSelectionData, reinterpret_cast<uintptr_t>(club));
    EXPECT_EQ(g_nTreeSelectionKind, 0);
    TreeNotice notice;
    pane.Send(kMsgTreeSelected, reinterpret_cast<uintptr_t>(&notice), 0);
    EXPECT_TRUE(Played(7));
    pane.Send(kMsgTreeExpanded, reinterpret_cast<uintptr_t>(&notice), 0);
    pane.Send(kMsgTreeCollapsed, reinterpret_cast<uintptr_t>(&notice), 0);
    EXPECT_EQ(view.seen, (std::vector<uint32_t>{kMsgTreeSelected, kMsgTreeExpanded, kMsgTreeCollapsed}));
    EXPECT_FALSE(Played(7));
    EXPECT_TRUE(pane.SetCurrentTab(4));
    EXPECT_FALSE(pane.SetCurrentTab(5));
    EXPECT_EQ(pane.GetCurrentTab(), 4);
}

TEST_F(TreeWindowTest, NavigatingByTextsWalksDownFromTheRoot) {
    pane.FillTree(5);
    CTree& t = Tree();
    pane.Navigate(0, "");
    EXPECT_EQ(t.GetCurrent(), t.GetRoot());
    EXPECT_TRUE(t.GetRoot()->expanded);
    pane.Navigate(1, "Europe");
    CTreeNode* europe = t.GetCurrent();
    ASSERT_NE(europe, nullptr);
    EXPECT_EQ(europe->text, "Europe");
    EXPECT_TRUE(europe->expanded && europe->selected);
    const CTreeNode* firstCountry = europe->firstChild;
    while (firstCountry && firstCountry->kind != 0) firstCountry = firstCountry->next;  // past the cups
    ASSERT_NE(firstCountry, nullptr);
    pane.Navigate(1, firstCountry->text);
    CTreeNode* country = t.GetCurrent();
    EXPECT_EQ(country->parent, europe);
    EXPECT_TRUE(country->selected);
    EXPECT_FALSE(europe->selected) << "one selection at a time";
    // Closing selects as well; an unknown text leaves everything as it was.
    pane.Navigate(3, country->firstChild->text);
    CTreeNode* division = t.GetCurrent();
    EXPECT_EQ(division->parent, country);
    EXPECT_FALSE(division->expanded);
    EXPECT_TRUE(division->selected);
    pane.Navigate(1, "no such node");
    EXPECT_EQ(t.GetCurrent(), division);
    pane.Navigate(2, "");
    pane.Navigate(7, "Europe");
    EXPECT_EQ(t.GetCurrent(), division);
    // A refill deletes the current node; the walk then starts again.
    pane.FillTree(5);
    EXPECT_EQ(t.GetCurrent(), nullptr);
    pane.Navigate(1, "Europe");
    EXPECT_EQ(t.GetCurrent(), nullptr);
}

TEST_F(TreeWindowTest, TheViewsOperationsWorkFromTheRoot) {
    for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
        if (CCountry* c = world->GetCountry(i); c->GetDivisionCount() > 0) {
            auto cup = std::make_unique<CCup>();
            cup->m_Name = "Main Cup";
            c->GetCups().Add(std::move(cup));
            break;
        }
    pane.FillTree(5);
    pane.SetMode(5);
    CTree& t = Tree();
    CTreeNode* europe = t.GetRoot()->firstChild;
    ASSERT_NE(europe, nullptr);
    pane.SetSelectableLevel(1, 1, false);
    EXPECT_EQ(t.GetSelectionDepth(), 1);
    EXPECT_TRUE(europe->selectable);
    EXPECT_FALSE(t.GetRoot()->selectable);
    pane.ClearSelectable(false);
    EXPECT_FALSE(europe->selectable);
    pane.SetCompetitionsSelectable(1);
    const CTreeNode* cup = nullptr;
    std::function<void(const CTreeNode*)> findCup = [&](const CTreeNode* n) {
        for (; n && !cup; n = n->next) {
            if (n->kind == kTreeKindCompetition) cup = n;
            findCup(n->firstChild);
        }
    };
    findCup(t.GetRoot());
    ASSERT_NE(cup, nullptr);
    EXPECT_TRUE(cup->selectable);
    EXPECT_FALSE(europe->selectable);
    pane.DisableItem(europe, 0, 0, true);
    EXPECT_TRUE(europe->disabled && europe->next->disabled);
    pane.ClearSelectable(true);
    EXPECT_FALSE(europe->disabled);
    pane.SetDisabledByText("Europe", 1);
    EXPECT_TRUE(europe->disabled);
    EXPECT_FALSE(europe->next->disabled);
    europe->expanded = 1;
    pane.CollapseLevel(1);
    EXPECT_FALSE(europe->expanded);
    pane.SetItemVisible(europe, false);
    EXPECT_FALSE(europe->visible);
    EXPECT_TRUE(pane.SetBackground("gfx\\tree\\club.bmp", true, "club"));
    EXPECT_FALSE(pane.SetBackground("gfx\\tree\\nosuch.bmp", true, ""));
    pane.SetExpandLimit(false, 2);
    EXPECT_EQ(t.GetExpandLimit(), 2);
    pane.BringIntoView(nullptr);  // nothing to bring

    // Colouring a node given, or found by data and kind; nothing to find
    // colours nothing.
    CClub* club = world->GetClub(world->GetDivision(0)->GetFirstClub());
    const auto clubData = reinterpret_cast<uintptr_t>(club);
    EXPECT_TRUE(pane.SetItemColour(nullptr, clubData, 0, 0x00FF00));
    CTreeNode* clubNode = pane.FindItem(clubData);
    ASSERT_NE(clubNode, nullptr);
    EXPECT_EQ(clubNode->colour, 0x00FF00u);
    EXPECT_TRUE(pane.SetItemColour(europe, 0, 0, 0x0000FF));
    EXPECT_EQ(europe->colour, 0x0000FFu);
    EXPECT_FALSE(pane.SetItemColour(nullptr, 0, 0, 0x123456));
    EXPECT_FALSE(pane.SetItemColour(nullptr, 987654321, 0, 0x123456));
    EXPECT_EQ(pane.GetParentData(clubData), reinterpret_cast<uintptr_t>(world->GetDivision(0)));
    // The players' screens replace a club's placeholder with its players.
    pane.DeleteChildren(clubNode);
    EXPECT_EQ(clubNode->firstChild, nullptr);
    CTreeNode* player = pane.InsertItem("A. Player", 5, clubNode, 4242, 0);
    EXPECT_EQ(player->parent, clubNode);
    EXPECT_EQ(player->colour, 0xFFFFFFu);
    EXPECT_EQ(pane.FindItem(4242), player);
    // A selected item that goes hands the selection to the item whose
    // children went; a selection elsewhere stays where it is.
    ASSERT_NE(pane.SelectItem(4242, 0), nullptr);
    pane.DeleteChildren(clubNode);
    EXPECT_EQ(g_nTreeSelectionData, clubNode->data);
    EXPECT_EQ(g_nTreeSelectionKind, clubNode->kind);
    EXPECT_EQ(g_nTreeSelectionLevel, clubNode->GetLevel());
    EXPECT_TRUE(clubNode->selected);
    CTreeNode* other = pane.InsertItem("B. Player", 5, clubNode, 4343, 0);
    ASSERT_NE(other, nullptr);
    ASSERT_NE(pane.SelectItem(europe->data, europe->kind), nullptr);
    pane.DeleteChildren(clubNode);
    EXPECT_EQ(g_nTreeSelectionData, europe->data);
}

// The tab control of the pane: its font, a change of tab reported to the
// pane, and right clicks passed to its parent in the parent's coordinates.
class TabParent : public Window {
public:
    std::vector<Point> rightClicks;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == WM_RBUTTONDOWN) rightClicks.push_back(PointFromParam(l));
        return Window::WindowProc(msg, w, l);
    }
};

TEST_F(TreeWindowTest, TheTabControlReportsItsTabAndPassesRightClicksOn) {
    CXTabCtrl& tabs = pane.GetTabs();
    ASSERT_TRUE(tabs.IsAlive());
    EXPECT_EQ(tabs.GetItemCount(), 5);
    EXPECT_FALSE(tabs.IsVisible()) << "created, never shown";
    ASSERT_TRUE(tabs.GetFont());
    EXPECT_EQ(tabs.GetFont()->Requested().face, "MS Sans Serif");
    EXPECT_EQ(pane.GetCurrentTab(), -1);
    const Rect third = tabs.GetItemRect(2);
    tabs.Send(WM_LBUTTONDOWN, 1, MakePointParam(Point{third.left + 3, third.top + 3}));
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(pane.GetCurrentTab(), 2);

    TabParent holder;
    ASSERT_TRUE(holder.Create(&view, Rect{100, 40, 400, 140}, WS_CHILD | WS_VISIBLE));
    CXTabCtrl own;
    ASSERT_TRUE(own.Create(&holder, Rect{20, 10, 220, 36}, 3));
    own.Send(WM_RBUTTONDOWN, 0, MakePointParam(Point{5, 6}));
    ASSERT_EQ(holder.rightClicks.size(), 1u);
    EXPECT_EQ(holder.rightClicks[0].x, 25);
    EXPECT_EQ(holder.rightClicks[0].y, 16);
    own.Destroy();
    holder.Destroy();
}

}  // namespace
