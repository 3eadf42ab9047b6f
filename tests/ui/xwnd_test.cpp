// The widget base: hot spots, hover, press, the right-button menu and drag
// and drop, on a page of the headless session.
#include <gtest/gtest.h>

#include <functional>

#include "page_fixture.h"
#include "shell/screenmanager.h"
#include "soccerclasses/worlddata.h"
#include "ui/cursors.h"
#include "ui/flyingwindow.h"
#include "ui/xmenu.h"
#include "ui/xtooltip.h"
#include "ui/xwnd.h"

using namespace platform::win;

namespace {

// A page that writes down what the base tells it.
class SpyPage : public CScreen {
public:
    std::vector<std::string> log;
    std::vector<DropInfo> drops;
    std::vector<uint32_t> commands;
    int menuOfSpot = -2;
    bool OnHotSpotEnter(int i) override {
        log.push_back("enter " + std::to_string(i));
        return true;
    }
    bool OnHotSpotLeave(int i) override {
        log.push_back("leave " + std::to_string(i));
        return true;
    }
    void OnHotSpotPressed(int i) override { log.push_back("pressed " + std::to_string(i)); }
    void OnHotSpotClick(int i) override { log.push_back("click " + std::to_string(i)); }
    void OnDrop(const DropInfo* info) override { drops.push_back(*info); }
    uint64_t releasedAt = 0;
    void OnLButtonUp(uint32_t f, Point p) override {
        releasedAt = Ui::Get().NowMs();
        CScreen::OnLButtonUp(f, p);
    }
    bool GetToolTipText(int i, std::string& text) override {
        text = "spot " + std::to_string(i);
        return true;
    }
    bool GetHotSpotMenu(int, int* menuIndex) override {
        *menuIndex = menuOfSpot;
        return true;
    }
    std::function<void(Menu*, int)> fill;
    bool FillPopupMenu(Menu* menu, int menuIndex) override {
        if (fill) fill(menu, menuIndex);
        return true;
    }

protected:
    bool OnCommand(uint32_t id, uint32_t, Window*) override {
        commands.push_back(id);
        return true;
    }
};

// A child that may be dragged; it draws itself as a red square.
class DragSource : public Window {
public:
    int upsSeen = 0;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == ui::kMsgMayDrag) return 1;
        if (msg == ui::kMsgDraggedItem) return 7;
        if (msg == ui::kMsgDrawDragItem) {
            auto* dc = reinterpret_cast<platform::gfx::Canvas*>(w);
            dc->FillSolidRect(dc->Target().Bounds(), platform::gfx::RGB(200, 0, 0));
            return 1;
        }
        return Window::OnMessage(msg, w, l);
    }

protected:
    // Like every widget, it hands the press to its page (which then captures).
    void OnLButtonDown(uint32_t f, Point p) override {
        Parent()->Send(WM_LBUTTONDOWN, f, MakePointParam(Parent()->ScreenToClient(ClientToScreen(p))));
    }
    void OnLButtonUp(uint32_t, Point) override {
        ++upsSeen;
        upAt = Ui::Get().NowMs();
    }

public:
    uint64_t upAt = 0;
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), 0x00C80000); }
};

class XWndTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        page.reset();
        spy = new SpyPage;
        page.reset(spy);
        spy->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(spy->Create(&main));
        spy->Show();
        spy->Enable();
        Drain();
    }
    SpyPage* spy = nullptr;
};

TEST(HotSpots, UnionFindAndSlots) {
    CXWnd w;
    const Rect a{10, 10, 50, 30}, b{60, 10, 90, 30};
    EXPECT_EQ(w.AddHotSpot(a, 0x8, 5), 0);
    EXPECT_EQ(w.AddHotSpot(a, 0x10, 5), 0);  // the same spot: flags joined
    EXPECT_EQ(w.GetHotSpot(0)->m_dwFlags, 0x18u);
    EXPECT_EQ(w.AddHotSpot(a, 0x4, 6), 1);   // same place, another id: a second spot
    EXPECT_EQ(w.FindHotSpot(a, 6), -1);      // the first equal region decides
    EXPECT_EQ(w.AddHotSpot(b, 0x4, 7), 2);
    // A freed middle slot does not hide the spots after it.
    EXPECT_TRUE(w.RemoveHotSpot(1));
    EXPECT_FALSE(w.RemoveHotSpot(1));
    EXPECT_EQ(w.FindHotSpot(b, 7), 2);
    EXPECT_EQ(w.AddHotSpot(b, 0x2, 7), 2);
    EXPECT_EQ(w.AddHotSpot({0, 0, 1, 1}, 0, 9), 1);  // the free slot is reused
    for (int i = 3; i < CXWnd::kMaxHotSpots; ++i) EXPECT_EQ(w.AddHotSpot(Rect::XYWH(i * 3, 100, 2, 2), 0, 100 + i), i);
    EXPECT_EQ(w.AddHotSpot({200, 200, 210, 210}, 0, 1), -1);
    Rect r;
    EXPECT_TRUE(w.GetHotSpotRect(2, &r));
    EXPECT_EQ(r, b);
    EXPECT_FALSE(w.GetHotSpotRect(35, &r));
    EXPECT_FALSE(w.GetHotSpotRect(-1, &r));
    Point p{70, 20};
    EXPECT_EQ(w.HotSpotFromPoint(&p), 2);
    EXPECT_TRUE(w.IsDropTargetAt(70, 20));
    EXPECT_FALSE(w.IsDropTargetAt(20, 20));
    EXPECT_EQ(w.HotSpotFromId(7), 2);
    EXPECT_EQ(w.HotSpotFromId(1234), -1);
}

TEST(HotSpots, KindIsTheHighestKindBit) {
    struct Case {
        uint32_t flags;
        int kind;
    };
    for (Case c : {Case{0, 0}, {0x2000, 9}, {0x4000 | 0x2000, 10}, {0x200000 | 0x2000, 17}, {0x100000, 16},
                   {0x10 | 0x8, 0}, {0x400000, 0}}) {
        EXPECT_EQ(CXWnd::GetHotSpotKind(&c.flags), c.kind) << std::hex << c.flags;
    }
}

TEST_F(XWndTest, HoverEntersAndLeavesAndPressNeedsTheSameSpot) {
    spy->AddHotSpot({100, 100, 200, 150}, kSpotHover, 1);
    spy->AddHotSpot({300, 100, 400, 150}, kSpotPress, 2);
    spy->AddHotSpot({500, 100, 600, 150}, kSpotPress, 3);
    backend->MoveTo({120, 120});
    backend->MoveTo({10, 10}, 20);
    backend->MoveTo({320, 120}, 20);
    backend->Press({320, 120}, MouseButton::Left, 20);
    backend->Release({330, 130}, MouseButton::Left, 20);   // same spot: pressed once
    backend->Press({320, 120}, MouseButton::Left, 600);
    backend->Release({520, 120}, MouseButton::Left, 20);   // another spot: nothing
    RunFor(1500);
    EXPECT_EQ(spy->log, (std::vector<std::string>{"enter 0", "leave 0", "pressed 1"}));
    EXPECT_EQ(spy->GetCursorState(), 4);  // last over a press spot
}

TEST_F(XWndTest, ClickSpotFiresOnTheWayDown) {
    spy->AddHotSpot({100, 100, 200, 150}, kSpotClick | kSpotPress, 1);
    backend->Press({150, 120});
    RunFor(100);
    EXPECT_EQ(spy->log, (std::vector<std::string>{"click 0"}));
}

TEST_F(XWndTest, RightClickShowsTheSubMenuAndItsCommandArrives) {
    // A world whose current user has no club: the club-only items are grey.
    CWorldData world;
    ScopedWorld scope(&world);
    spy->SetMenuIndex(2);
    const MenuResourceSub* sub = GetSubMenu(2);
    ASSERT_NE(sub, nullptr);
    g_nScreenId = 4;  // a squad page: the squad colour
    std::vector<bool> greyed;
    platform::gfx::ColourRef colour = 0;
    backend->OnModalShown([&] {
        const CXMenu* m = CXMenu::Tracking();
        ASSERT_NE(m, nullptr);
        colour = m->GetColour();
        for (int i = 0; i < m->GetItemCount(); ++i) greyed.push_back(m->IsItemDisabled(i));
        // The menu is the newest top-level window; pick its first item.
        Window* menu = Ui::Get().TopLevels().back();
        Point first = menu->ClientToScreen(Point{20, 2 + 12});
        backend->MoveTo(first);
        backend->Release(first, MouseButton::Right, 20);
    });
    backend->Click({300, 300}, MouseButton::Right);
    RunFor(500);
    ASSERT_EQ(spy->commands.size(), 1u);
    EXPECT_EQ(spy->commands[0], sub->items[0].id);
    EXPECT_EQ(spy->commands[0], 32795u);
    EXPECT_EQ(colour, MenuColourFor(2, 4));  // a fixed index keeps its own colour
    EXPECT_EQ(greyed, std::vector<bool>(5, false));
}

TEST_F(XWndTest, ClubCommandsAreGreyWithoutAClubAndCannotBeChosen) {
    CWorldData world;
    ScopedWorld scope(&world);
    spy->SetMenuIndex(3);  // the squad commands all need a club
    g_nScreenId = 4;
    std::vector<bool> greyed;
    backend->OnModalShown([&] {
        const CXMenu* m = CXMenu::Tracking();
        ASSERT_NE(m, nullptr);
        for (int i = 0; i < m->GetItemCount(); ++i) greyed.push_back(m->IsItemDisabled(i));
        // A greyed item cannot be chosen: clicking it leaves the menu open.
        Window* menu = Ui::Get().TopLevels().back();
        backend->Click(menu->ClientToScreen(Point{20, 14}), MouseButton::Left, 10);
        backend->Key(VK_ESCAPE, 30);
    });
    backend->Click({300, 300}, MouseButton::Right);
    RunFor(500);
    EXPECT_EQ(greyed, std::vector<bool>(6, true));
    EXPECT_TRUE(spy->commands.empty());
    EXPECT_TRUE(Played(14));  // the right-button sound
    EXPECT_EQ(MenuColourFor(0, 4), platform::gfx::RGB(158, 140, 208));
}

TEST_F(XWndTest, MenuIndexZeroTakesTheColourOfThePageOnShow) {
    spy->SetMenuIndex(0);  // the tree menu: its single "Toggle Tree" still shows
    struct Case {
        int screen;
        bool shown;
        platform::gfx::ColourRef colour;
    };
    const std::vector<Case> cases = {
        {4, true, platform::gfx::RGB(158, 140, 208)},  // a squad page
        {120, true, platform::gfx::RGB(198, 198, 198)},
        {50, true, platform::gfx::RGB(57, 198, 165)},   // a page of no group: entry 0
        {122, false, 0},                               // this page shows no menu at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        g_nScreenId = c.screen;
        bool shown = false;
        platform::gfx::ColourRef colour = 0;
        std::vector<uint32_t> ids;
        backend->OnModalShown([&] {
            const CXMenu* m = CXMenu::Tracking();
            ASSERT_NE(m, nullptr);
            shown = true;
            colour = m->GetColour();
            for (int i = 0; i < m->GetItemCount(); ++i) ids.push_back(m->GetItemId(i));
            backend->Key(VK_ESCAPE, 10);
        });
        // Apart in place and time, so no two clicks make a double click.
        backend->Click({300 + 10 * c.screen % 97, 300}, MouseButton::Right);
        RunFor(600);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(Played(14), c.shown);
        if (c.shown) {
            EXPECT_EQ(colour, c.colour);
            EXPECT_EQ(ids, (std::vector<uint32_t>{32771, 32830, 32832}));
        }
    }
    g_nScreenId = 0;
}

TEST_F(XWndTest, ItemsTheWindowAddsCountAndFollowTheResourceItems) {
    // The back menu holds one item of its own; the history the page adds
    // makes it worth showing, below the resource's item, greyed where asked.
    CWorldData world;
    ScopedWorld scope(&world);
    spy->SetMenuIndex(14);
    spy->fill = [](Menu* menu, int index) {
        if (index != 14) return;
        menu->Append(MF_STRING, 0xF001, "Squad");
        menu->Append(MF_GRAYED, 0xF000, "Title");
    };
    std::vector<uint32_t> ids;
    std::vector<bool> greyed;
    backend->OnModalShown([&] {
        const CXMenu* m = CXMenu::Tracking();
        ASSERT_NE(m, nullptr);
        for (int i = 0; i < m->GetItemCount(); ++i) {
            ids.push_back(m->GetItemId(i));
            greyed.push_back(m->IsItemDisabled(i));
        }
        backend->Key(VK_ESCAPE, 10);
    });
    backend->Click({300, 300}, MouseButton::Right);
    RunFor(500);
    EXPECT_EQ(ids, (std::vector<uint32_t>{32786, 0xF001, 0xF000}));
    EXPECT_EQ(greyed, (std::vector<bool>{false, false, true}));

    // Without the additions the single item is not worth a menu.
    spy->fill = nullptr;
    bool shown = false;
    backend->OnModalShown([&] { shown = true; });
    backend->Click({340, 320}, MouseButton::Right, 700);
    RunFor(1500);
    EXPECT_FALSE(shown);
}

TEST_F(XWndTest, MenuIndexMinusTwoOverNoSpotShowsNothing) {
    spy->SetMenuIndex(-2);
    const size_t before = Ui::Get().TopLevels().size();
    bool shown = false;
    backend->OnModalShown([&] { shown = true; });
    backend->Click({300, 300}, MouseButton::Right);
    RunFor(300);
    EXPECT_FALSE(shown);
    EXPECT_EQ(Ui::Get().TopLevels().size(), before);
    EXPECT_FALSE(Played(14));
}

TEST_F(XWndTest, ToolTipHitTestNeedsTheFlag) {
    spy->AddHotSpot({100, 100, 200, 150}, kSpotToolTip, 1);
    spy->AddHotSpot({300, 100, 400, 150}, kSpotHover, 2);
    Rect r;
    EXPECT_EQ(spy->ToolHitTest({150, 120}, &r), 0);
    EXPECT_EQ(r, (Rect{100, 100, 200, 150}));
    EXPECT_EQ(spy->ToolHitTest({350, 120}, &r), -1);
    std::string text;
    EXPECT_TRUE(spy->GetToolTipText(spy->GetToolTipIndex(), text));
    EXPECT_EQ(text, "spot 0");
}

TEST_F(XWndTest, HotSpotToolTipAppearsAfterTheDelayAndGoesWhenLeft) {
    spy->AddHotSpot({100, 100, 200, 150}, kSpotToolTip, 1);
    spy->AddHotSpot({300, 100, 400, 150}, kSpotToolTip, 2);
    backend->MoveTo({120, 120});
    RunFor(CXWnd::kToolTipDelayMs / 2);
    EXPECT_EQ(spy->GetShownToolTip(), nullptr);  // not yet
    RunFor(CXWnd::kToolTipDelayMs);
    ASSERT_NE(spy->GetShownToolTip(), nullptr);
    EXPECT_EQ(spy->GetShownToolTip()->GetText(), "spot 0");
    Save("hot_spot_tool_tip");
    backend->MoveTo({320, 120});
    RunFor(50);
    EXPECT_EQ(spy->GetShownToolTip(), nullptr);  // left: hidden, the next one waits
    RunFor(CXWnd::kToolTipDelayMs + 50);
    ASSERT_NE(spy->GetShownToolTip(), nullptr);
    EXPECT_EQ(spy->GetShownToolTip()->GetText(), "spot 1");
    backend->MoveTo({600, 400});
    RunFor(50);
    EXPECT_EQ(spy->GetShownToolTip(), nullptr);
}

class DragTest : public XWndTest {
protected:
    void SetUp() override {
        XWndTest::SetUp();
        ASSERT_TRUE(source.Create(spy, Rect{100, 300, 140, 330}, WS_CHILD | WS_VISIBLE, 40));
        spy->AddHotSpot(Rect{100, 300, 140, 330}, kSpotDragSource, 40);
        target = spy->AddHotSpot(Rect{400, 300, 500, 400}, kSpotDropTarget, 41);
        Drain();
    }
    DragSource source;
    int target = -1;
};

TEST_F(DragTest, AcceptedDropCallsOnDrop) {
    spy->GetHotSpot(target)->AddAcceptedSource(&source);
    backend->Press({110, 310});
    for (int x = 120; x <= 450; x += 30) backend->MoveTo({x, 320}, 10);
    backend->Release({450, 320}, MouseButton::Left, 10);
    RunFor(800);
    ASSERT_EQ(spy->drops.size(), 1u);
    EXPECT_EQ(spy->drops[0].source, &source);
    EXPECT_EQ(spy->drops[0].sourceId, 40);
    EXPECT_EQ(spy->drops[0].targetId, 41);
    EXPECT_EQ(spy->drops[0].itemAndRow, 7u);  // the target is no list: the source's item alone
    EXPECT_FALSE(spy->IsDragging());
    EXPECT_EQ(source.upsSeen, 1);
}

TEST_F(DragTest, DropBackAtThePressPointFiresNothing) {
    // The source's own spot takes drops from it: a drop there moves an item
    // within the source, unless it lands where the press was.
    const int own = spy->AddHotSpot(Rect{100, 300, 140, 330}, kSpotDropTarget, 40);
    spy->GetHotSpot(own)->AddAcceptedSource(&source);
    struct Case {
        Point release;
        size_t drops;
        int ups;
    };
    for (const Case& c : {Case{{110, 310}, 0, 0}, Case{{125, 318}, 1, 1}}) {
        SCOPED_TRACE(std::to_string(c.release.x));
        spy->drops.clear();
        source.upsSeen = 0;
        backend->Press({110, 310});
        for (int x = 130; x <= 250; x += 40) backend->MoveTo({x, 310}, 10);
        backend->MoveTo(c.release, 10);
        backend->Release(c.release, MouseButton::Left, 10);
        RunFor(800);
        EXPECT_FALSE(spy->IsDragging());
        EXPECT_EQ(spy->drops.size(), c.drops);
        EXPECT_EQ(source.upsSeen, c.ups);
        if (!spy->drops.empty()) {
            EXPECT_EQ(spy->drops[0].target, &source);
            EXPECT_EQ(spy->drops[0].itemAndRow, 7u);  // item 7, row 0: the source answers no rows
        }
    }
}

TEST_F(DragTest, RefusedDropFliesBackAndStillReleasesTheSource) {
    backend->Press({110, 310});
    for (int x = 120; x <= 450; x += 30) backend->MoveTo({x, 320}, 10);
    backend->Release({450, 320}, MouseButton::Left, 10);
    RunFor(2000);
    EXPECT_TRUE(spy->drops.empty());
    EXPECT_EQ(source.upsSeen, 1);
    // The image flew home in about 600 ms of the clock.
    const uint64_t flight = source.upAt - spy->releasedAt;
    EXPECT_GE(flight, 500u);
    EXPECT_LE(flight, 700u);
    EXPECT_FALSE(spy->IsDragging());
}

TEST_F(DragTest, FlyingWindowMovesWithoutTrailOrHole) {
    Drain();
    CFlyingWindow fly;
    ASSERT_TRUE(fly.Create(&source, spy, 0, 0));  // at the item's own place
    EXPECT_EQ(fly.WindowRect(), (Rect{100, 300, 140, 330}));
    const uint32_t red = platform::gfx::MakePixel(200, 0, 0);
    EXPECT_FALSE(fly.MoveTo(100, 300));
    // Off the source first, onto the page's picture.
    ASSERT_TRUE(fly.MoveTo(200, 200));
    const uint32_t under = Back(215, 215);
    ASSERT_TRUE(fly.MoveTo(210, 205));  // less than its size
    const auto& pic = *Ui::Get().MainPicture();
    EXPECT_EQ(pic.Get(230, 220), red);                     // covered: the image
    EXPECT_EQ(pic.Get(202, 202), Back(202, 202));          // uncovered strip: the page again
    EXPECT_EQ(pic.Get(205, 232), Back(205, 232));
    ASSERT_TRUE(fly.MoveTo(300, 300));
    EXPECT_EQ(pic.Get(215, 215), under);                   // no trail left behind
    fly.Destroy();
}

TEST_F(DragTest, EmptyRectangleMeansTheWholeSource) {
    CFlyingWindow fly;
    ASSERT_TRUE(fly.Create(&source, spy, 300, 200));
    EXPECT_EQ(fly.WindowRect(), Rect::XYWH(300 - 20, 200 - 15, 40, 30));
    fly.Destroy();
}

TEST(Cursors, TableHasTheArrowFirstAndPicturesWithHotSpots) {
    EXPECT_EQ(CursorResourceOfState(0), 0);
    const int expected[] = {106, 143, 147, 146, 158, 159, 191, 190, 237, 240};
    for (int i = 1; i < 11; ++i) {
        EXPECT_EQ(CursorResourceOfState(i), expected[i - 1]);
        auto img = MakeCursorImage(expected[i - 1]);
        ASSERT_EQ(img.argb.size(), 32u * 32u);
        EXPECT_NE(img.argb[img.hotSpot.y * 32 + img.hotSpot.x] >> 24, 0u) << expected[i - 1];
    }
    EXPECT_TRUE(MakeCursorImage(999).argb.empty());
    EXPECT_EQ(CursorResourceOfState(11), 0);
}

}  // namespace
