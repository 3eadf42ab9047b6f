// The navigator tree: inserting, finding, selecting, expanding by box and
// double click, scrolling, shortcuts, right clicks, the title tip and
// deletion that leaves nothing behind.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "ui/tree.h"

using namespace platform::win;

namespace {

// Stands in for the tree window: records the notices.
class TreeParent : public Window {
public:
    struct Seen {
        uint32_t msg;
        TreeNotice notice;
        Point pt;
    };
    std::vector<Seen> seen;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == kMsgTreeSelected || msg == kMsgTreeExpanded || msg == kMsgTreeCollapsed) {
            seen.push_back({msg, *reinterpret_cast<const TreeNotice*>(w), {}});
            return 0;
        }
        if (msg == WM_RBUTTONDOWN) {
            seen.push_back({msg, {}, PointFromParam(l)});
            return 0;
        }
        return Window::WindowProc(msg, w, l);
    }
    int Count(uint32_t msg) const {
        int n = 0;
        for (const auto& s : seen) n += s.msg == msg;
        return n;
    }
};

class TreeTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        ASSERT_TRUE(parent.Create(&main, Rect{605, 80, 788, 550}, WS_CHILD | WS_VISIBLE));
        ASSERT_TRUE(tree.Create(Rect{0, 0, 183, 469}, &parent, 5));
        tree.Show(true);
        tree.SetFont("Arial", 8, true, false, false);
    }
    void TearDown() override {
        tree.Destroy();
        parent.Destroy();
        uitest::PageTest::TearDown();
    }
    // World - Europe - England - Premier - clubs, as the tree window fills it.
    void Fill(int clubs) {
        root = tree.InsertItem("World", 0, nullptr, 0, kTreeKindRoot);
        europe = tree.InsertItem("Europe", 0, root, 100, 0);
        country = tree.InsertItem("England", 0, europe, 200, 0);
        division = tree.InsertItem("Premier Division", 0, country, 300, 0);
        for (int i = 0; i < clubs; ++i) club.push_back(tree.InsertItem("Club " + std::to_string(i), 0, division, 1000 + i, 0));
    }
    void Paint() {
        tree.Invalidate(false);
        tree.UpdateNow();
    }
    int RowOf(const CTreeNode* n) {
        for (int i = 0; i < tree.GetRowsDrawn(); ++i)
            if (tree.GetRow(i).node == n) return i;
        return -1;
    }
    Point PointOf(const CTreeNode* n) {
        const int r = RowOf(n);
        EXPECT_GE(r, 0);
        const Rect rc = tree.GetRow(r).rect;
        return {rc.left + 3, (rc.top + rc.bottom) / 2};
    }
    int BoxOf(const CTreeNode* n) {
        for (int i = 0; i < CXWnd::kMaxHotSpots; ++i)
            if (tree.GetHotSpotNode(i) == n) return i;
        return -1;
    }
    void Click(const CTreeNode* n) { tree.Send(WM_LBUTTONDOWN, 1, MakePointParam(PointOf(n))); }
    void DoubleClick(const CTreeNode* n) { tree.Send(WM_LBUTTONDBLCLK, 1, MakePointParam(PointOf(n))); }

    TreeParent parent;
    CTree tree;
    CTreeNode *root = nullptr, *europe = nullptr, *country = nullptr, *division = nullptr;
    std::vector<CTreeNode*> club;
};

TEST_F(TreeTest, ANewChildGoesAfterTheShownChildrenAheadOfHiddenOnes) {
    root = tree.InsertItem("World", 0, nullptr, 0, kTreeKindRoot);
    CTreeNode* a = tree.InsertItem("A", 0, root, 1, 0);
    CTreeNode* b = tree.InsertItem("B", 0, root, 2, 0);
    b->visible = 0;
    CTreeNode* c = tree.InsertItem("C", 0, nullptr, 3, 0);
    EXPECT_EQ(c->parent, root);
    EXPECT_EQ(a->next, c);
    EXPECT_EQ(c->next, b);
    EXPECT_EQ(b->prev, c);
    EXPECT_EQ(root->firstChild, a);
    EXPECT_EQ(tree.GetRoot(), root);
    EXPECT_EQ(c->GetLevel(), 1);
}

TEST_F(TreeTest, FindingByDataAndKind) {
    Fill(3);
    tree.InsertItem("Cup", 0, country, 300, kTreeKindCompetition);
    EXPECT_EQ(tree.FindItem(300, 0), division);
    EXPECT_EQ(tree.FindItem(300, kTreeKindCompetition)->text, "Cup");
    EXPECT_EQ(tree.FindItem(1001, 0), club[1]);
    EXPECT_EQ(tree.GetParentData(1002), 300u);
    EXPECT_EQ(tree.GetParentData(77), 0u);
    CTree bare;
    bare.InsertItem("World", 0, nullptr, 0, kTreeKindRoot);
    bare.InsertItem("Europe", 0, nullptr, 5, 0);
    EXPECT_EQ(bare.FindItem(0, kTreeKindCompetition), nullptr);
}

TEST_F(TreeTest, TheBoxOpensWithANoticeWhileADoubleClickWithoutALimitIsSilent) {
    Fill(3);
    root->expanded = europe->expanded = country->expanded = 1;
    tree.SetSelectableLevel(root, 4, 1, false);
    Paint();
    ASSERT_GE(RowOf(division), 0);
    DoubleClick(division);
    EXPECT_TRUE(division->expanded);
    EXPECT_TRUE(parent.seen.empty());
    EXPECT_FALSE(Played(8));
    DoubleClick(division);
    EXPECT_FALSE(division->expanded);
    Paint();
    const int box = BoxOf(division);
    ASSERT_GE(box, 0);
    tree.OnHotSpotClick(box);
    EXPECT_TRUE(division->expanded);
    ASSERT_EQ(parent.Count(kMsgTreeExpanded), 1);
    EXPECT_EQ(parent.seen[0].notice.text, "Premier Division");
    EXPECT_EQ(parent.seen[0].notice.level, 3);
    EXPECT_EQ(parent.seen[0].notice.word, 2);
    EXPECT_EQ(parent.seen[0].notice.data, 300u);
    EXPECT_TRUE(Played(8));
    Paint();
    tree.OnHotSpotClick(BoxOf(division));
    EXPECT_FALSE(division->expanded);
    EXPECT_EQ(parent.Count(kMsgTreeCollapsed), 1);
    EXPECT_TRUE(Played(9));
    // Under a limit, the double click tells the parent.
    tree.SetExpandLimit(true, 4);
    root->expanded = europe->expanded = country->expanded = 1;
    Paint();
    DoubleClick(division);
    EXPECT_EQ(parent.Count(kMsgTreeExpanded), 2);
    // A node without shown children toggles and tells nothing.
    tree.SetExpandLimit(true, 6);
    Paint();
    DoubleClick(club[0]);
    EXPECT_TRUE(club[0]->expanded);
    EXPECT_EQ(parent.seen.size(), 3u);
}

TEST_F(TreeTest, TwentyEightRowsShowNoScrollBarAndTwentyNineShowOne) {
    tree.SetSelectableLevel(nullptr, 5, 1, false);
    Fill(24);  // World, Europe, England, Premier and 24 clubs: 28 rows
    root->expanded = europe->expanded = country->expanded = division->expanded = 1;
    Paint();
    EXPECT_EQ(tree.GetTotalRows(), 28);
    EXPECT_FALSE(tree.HasScrollBar(SB_VERT));
    tree.InsertItem("Club 24", 0, division, 1024, 0);
    tree.UpdateScrollBar(false);
    EXPECT_EQ(tree.GetTotalRows(), 29);
    ASSERT_TRUE(tree.HasScrollBar(SB_VERT));
    const ScrollInfo info = tree.GetScrollInfo(SB_VERT);
    EXPECT_EQ(info.min, 0);
    EXPECT_EQ(info.max, 11);
    EXPECT_EQ(info.page, 10);
    // Scrolling moves the top row and plays its sample.
    tree.Send(WM_VSCROLL, 1, 0);
    EXPECT_EQ(tree.GetScrollIndex(), 1);
    EXPECT_EQ(tree.GetTopRow(), europe);
    EXPECT_TRUE(Played(10));
    tree.Send(WM_VSCROLL, 1, 0);
    tree.Send(WM_VSCROLL, 1, 0);
    EXPECT_EQ(tree.GetScrollIndex(), 2);  // while the index is below total - 28 + 1
    tree.Send(WM_VSCROLL, 0, 0);
    tree.Send(WM_VSCROLL, 0, 0);
    EXPECT_EQ(tree.GetTopRow(), root);
    EXPECT_EQ(tree.GetScrollIndex(), 0);
}

TEST_F(TreeTest, ClickingTheSelectedRowDeselectsItWithoutANotice) {
    Fill(3);
    root->expanded = europe->expanded = country->expanded = division->expanded = 1;
    tree.SetSelectableLevel(root, 4, 1, false);
    Paint();
    Click(club[1]);
    EXPECT_TRUE(club[1]->selected);
    ASSERT_EQ(parent.Count(kMsgTreeSelected), 1);
    EXPECT_EQ(parent.seen[0].notice.data, 1001u);
    EXPECT_EQ(parent.seen[0].notice.depth, 4);
    EXPECT_TRUE(Played(7));
    Click(club[2]);
    EXPECT_FALSE(club[1]->selected);
    EXPECT_TRUE(club[2]->selected);
    Click(club[2]);
    EXPECT_FALSE(club[2]->selected);
    EXPECT_EQ(parent.Count(kMsgTreeSelected), 2);
    // A disabled row ignores clicks.
    tree.DisableItem(nullptr, 1000, 0, false);
    Click(club[0]);
    EXPECT_FALSE(club[0]->selected);
    // With clicks switched off no row takes a click or a double click.
    tree.SetExpandLimit(false, -1);
    root->expanded = europe->expanded = country->expanded = division->expanded = 1;
    Paint();
    Click(club[1]);
    DoubleClick(division);
    EXPECT_FALSE(club[1]->selected);
    EXPECT_TRUE(division->expanded);
    EXPECT_EQ(parent.Count(kMsgTreeSelected), 2);
}

TEST_F(TreeTest, SelectItemOpensTheWayAndShortcutsLeadToTheirTarget) {
    Fill(40);
    tree.SetSelectableLevel(root, 4, 1, false);
    ASSERT_EQ(tree.SelectItem(1035, 0), club[35]);
    EXPECT_TRUE(root->expanded && europe->expanded && country->expanded && division->expanded);
    EXPECT_TRUE(club[35]->selected);
    Paint();
    EXPECT_GE(RowOf(club[35]), 0);  // scrolled into view
    tree.m_crBackground = platform::gfx::RGB(20, 34, 76);
    tree.m_crLine = platform::gfx::RGB(255, 255, 255);
    Paint();
    Save("tree_rows");

    // A shortcut to club 20, made by a right click on its row.
    tree.SelectItem(1020, 0);
    Paint();
    tree.Send(WM_RBUTTONDOWN, 0, MakePointParam(PointOf(club[20])));
    EXPECT_EQ(tree.GetRightClickRow(), RowOf(club[20]));
    ASSERT_EQ(parent.Count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(parent.seen.back().pt, parent.ScreenToClient(tree.ClientToScreen(PointOf(club[20]))));
    tree.ToggleShortcut();
    CTreeNode* shortcut = root->next;
    ASSERT_NE(shortcut, nullptr);
    EXPECT_TRUE(shortcut->shortcut);
    EXPECT_EQ(shortcut->target, club[20]);
    EXPECT_EQ(shortcut->text, "Club 20");
    // Everything closed again: the shortcut's box opens the way to the target.
    tree.SetExpandLimit(true, 6);
    root->expanded = 0;
    Paint();
    const int box = BoxOf(shortcut);
    ASSERT_GE(box, 0);
    tree.OnHotSpotClick(box);
    EXPECT_TRUE(club[20]->selected);
    EXPECT_TRUE(root->expanded && europe->expanded && country->expanded && division->expanded);
    // Its double click does the same.
    tree.SetExpandLimit(true, 6);
    root->expanded = 0;
    Paint();
    DoubleClick(shortcut);
    EXPECT_TRUE(club[20]->selected);
    EXPECT_TRUE(division->expanded);
    // A right click on the shortcut and the toggle remove it.
    root->expanded = 0;
    Paint();
    tree.Send(WM_RBUTTONDOWN, 0, MakePointParam(PointOf(shortcut)));
    EXPECT_EQ(tree.GetRightClickRow(), -2);
    tree.ToggleShortcut();
    EXPECT_EQ(root->next, nullptr);
}

TEST_F(TreeTest, DeletedNodesLeaveNoShortcutRowOrRightClickBehind) {
    Fill(5);
    tree.SetSelectableLevel(root, 4, 1, false);
    tree.SelectItem(1003, 0);
    Paint();
    tree.Send(WM_RBUTTONDOWN, 0, MakePointParam(PointOf(club[3])));
    tree.ToggleShortcut();
    ASSERT_NE(root->next, nullptr);
    Paint();
    const Point stale = PointOf(club[3]);
    tree.Send(WM_RBUTTONDOWN, 0, MakePointParam(stale));
    tree.DeleteChildren(division);
    EXPECT_EQ(division->firstChild, nullptr);
    EXPECT_EQ(root->next, nullptr);  // the shortcut went with its target
    EXPECT_EQ(tree.GetRowsDrawn(), 0);
    EXPECT_EQ(tree.GetRightClickRow(), -1);
    // A click queued before the next paint finds no row.
    tree.Send(WM_LBUTTONDOWN, 1, MakePointParam(stale));
    tree.Send(WM_LBUTTONDBLCLK, 1, MakePointParam(stale));
    tree.ToggleShortcut();
    EXPECT_EQ(root->next, nullptr);
    Paint();
    EXPECT_GT(tree.GetRowsDrawn(), 0);
}

TEST_F(TreeTest, PruningEmptiesOpenCompetitions) {
    Fill(2);
    CTreeNode* cup = tree.InsertItem("Cup", 0, country, 400, kTreeKindCompetition);
    tree.InsertItem("Round 1", 0, cup, 401, 0);
    CTreeNode* shut = tree.InsertItem("Shield", 0, country, 402, kTreeKindCompetition);
    tree.InsertItem("Final", 0, shut, 403, 0);
    cup->expanded = 1;
    tree.PruneExpanded(0, kTreeKindCompetition);
    EXPECT_EQ(cup->firstChild, nullptr);
    EXPECT_NE(shut->firstChild, nullptr);  // closed: kept
    EXPECT_NE(division->firstChild, nullptr);
}

TEST_F(TreeTest, ACutRowGetsItsTitleTipAfter50msAndScrollingHidesIt) {
    root = tree.InsertItem("World", 0, nullptr, 0, kTreeKindRoot);
    CTreeNode* longName = tree.InsertItem("Borussia Vereinigte Sportfreunde Mittelrhein-Westerwald", 0, root, 1, 0);
    CTreeNode* shortName = tree.InsertItem("Ajax", 0, root, 2, 0);
    root->expanded = 1;
    tree.SetSelectableLevel(root, 2, 1, false);
    Paint();
    tree.Send(WM_MOUSEMOVE, 0, MakePointParam(PointOf(longName)));
    EXPECT_EQ(tree.GetTitleTipRow(), RowOf(longName));
    EXPECT_FALSE(tree.IsTitleTipShown());
    RunFor(60);
    EXPECT_TRUE(tree.IsTitleTipShown());
    EXPECT_EQ(tree.GetTitleTipRect().right, tree.ClientToScreen(Point{tree.ClientRect().right, 0}).x);
    // The tip window itself lies over the cut row and names it.
    const CTitleTip* tip = tree.GetTitleTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->IsShownFlag());
    EXPECT_EQ(tip->WindowRect(), tree.GetTitleTipRect());
    EXPECT_EQ(tip->GetItemIndex(), RowOf(longName));
    EXPECT_EQ(tree.GetItemText(uint32_t(tip->GetItemIndex())), longName->text);
    tree.Send(WM_VSCROLL, 8, 0);  // SB_ENDSCROLL hides it too
    EXPECT_FALSE(tree.IsTitleTipShown());
    EXPECT_FALSE(tip->IsShownFlag());
    // Losing the focus hides it as well.
    tree.Send(WM_MOUSEMOVE, 0, MakePointParam(Point{PointOf(longName).x + 1, PointOf(longName).y}));
    RunFor(60);
    ASSERT_TRUE(tree.IsTitleTipShown());
    tree.Send(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(tree.IsTitleTipShown());
    EXPECT_FALSE(tip->IsShownFlag());
    tree.Send(WM_MOUSEMOVE, 0, MakePointParam(PointOf(shortName)));
    RunFor(60);
    EXPECT_FALSE(tree.IsTitleTipShown());
    EXPECT_EQ(tree.GetTitleTipRow(), -1);
}

TEST_F(TreeTest, AnUntiledPictureLeavesTheRestInTheBackgroundColour) {
    Fill(1);
    ASSERT_FALSE(tree.SetBackground("gfx\\tree\\nosuch.bmp", false, ""));
    tree.m_crBackground = platform::gfx::RGB(10, 200, 30);
    Paint();
    EXPECT_EQ(tree.GetBuffer().Get(170, 460) & 0xFFFFFF, platform::gfx::MakePixel(10, 200, 30) & 0xFFFFFF);
}

// The setters that screens use through the tree window, with their
// matching rules: (data, kind) matches, levels, and what they leave alone.
TEST_F(TreeTest, SettersMatchByDataKindAndLevel) {
    Fill(3);
    CTreeNode* cup = tree.InsertItem("Cup", 0, country, 400, kTreeKindCompetition);
    CTreeNode* shield = tree.InsertItem("Shield", 0, country, 401, kTreeKindCompetition);

    // Level -1: by kind (any data), by data with kind 0, by both.
    tree.SetSelectableWhere(root, 0, kTreeKindCompetition, -1, 1);
    EXPECT_TRUE(cup->selectable && shield->selectable);
    EXPECT_FALSE(division->selectable || club[0]->selectable);
    tree.SetSelectableWhere(root, 1001, 0, -1, 1);
    EXPECT_TRUE(club[1]->selectable);
    EXPECT_FALSE(club[0]->selectable);
    tree.SetSelectableWhere(root, 401, kTreeKindCompetition, -1, 0);
    EXPECT_FALSE(shield->selectable);
    EXPECT_TRUE(cup->selectable);
    // A level: every node there, nothing else.
    tree.ClearSelectable(root, false);
    tree.SetSelectableWhere(root, 0, 0, 4, 1);
    EXPECT_TRUE(club[0]->selectable && club[2]->selectable);
    EXPECT_FALSE(division->selectable || cup->selectable);

    // Showing: competitions one way, the other nodes of level 3 the other.
    tree.ShowWhere(0, kTreeKindCompetition, root, 0, 3, 1);
    EXPECT_FALSE(cup->visible || shield->visible);
    EXPECT_TRUE(division->visible && club[0]->visible);
    tree.ShowWhere(0, kTreeKindCompetition, root, 1, 3, 0);
    EXPECT_TRUE(cup->visible);
    EXPECT_FALSE(division->visible);
    EXPECT_TRUE(club[0]->visible) << "only the given level takes the other flag";
    tree.ShowWhere(0, kTreeKindCompetition, root, 1, 3, 1);

    // Expandable: nodes of the level whose data differs (kind 0 given);
    // deeper levels are never visited.
    tree.SetExpandableWhere(root, 300, 0, 3, 0);
    EXPECT_TRUE(division->expandable);
    EXPECT_FALSE(cup->expandable || shield->expandable);
    EXPECT_TRUE(club[0]->expandable);
    tree.SetExpandableWhere(root, 0, kTreeKindCompetition, 3, 0);
    EXPECT_FALSE(division->expandable) << "a kind other than the given one";
    tree.SetExpandableWhere(root, 0, kTreeKindCompetition, 4, 0);
    EXPECT_FALSE(club[1]->expandable);

    // Selection depth: level 0 switches the tree off; also-above reaches up.
    tree.SetSelectableLevel(root, 0, 1, false);
    EXPECT_EQ(tree.GetSelectionDepth(), -1);
    tree.ClearSelectable(root, false);
    tree.SetSelectableLevel(root, 3, 1, true);
    EXPECT_EQ(tree.GetSelectionDepth(), 3);
    EXPECT_TRUE(root->selectable && europe->selectable && country->selectable && division->selectable);
    EXPECT_FALSE(club[0]->selectable);

    // Disabling: one node, or it and its following siblings; by text, which
    // also closes it; nothing at all without a node, data or kind.
    tree.DisableItem(nullptr, 0, 0, true);
    EXPECT_FALSE(club[0]->disabled);
    tree.DisableItem(nullptr, 1001, 0, true);
    EXPECT_FALSE(club[0]->disabled);
    EXPECT_TRUE(club[1]->disabled && club[2]->disabled && cup->disabled == 0);
    tree.ClearSelectable(root, true);
    EXPECT_FALSE(club[1]->disabled);
    division->expanded = 1;
    tree.SetDisabledByText("Premier Division", 1);
    EXPECT_TRUE(division->disabled);
    EXPECT_FALSE(division->expanded);
    tree.SetDisabledByText("Premier Division", 0);
    EXPECT_FALSE(division->disabled);

    // Collapsing one level; the expand limit collapses it and everything below.
    country->expanded = division->expanded = europe->expanded = 1;
    tree.CollapseLevel(root, 2);
    EXPECT_FALSE(country->expanded);
    EXPECT_TRUE(division->expanded && europe->expanded);
    country->expanded = 1;
    club[0]->selected = 1;
    tree.SetExpandLimit(true, 2);
    EXPECT_FALSE(country->expanded || division->expanded);
    EXPECT_TRUE(europe->expanded);
    EXPECT_FALSE(club[0]->selected);
    EXPECT_EQ(tree.GetTopRow(), root);
}

}  // namespace
