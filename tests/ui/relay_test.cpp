// How a page passes the mouse and keys on to lists, spin fields and edit
// fields, and how the widget base treats lists in double clicks and drags.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "platform/trace.h"
#include "platform/window/commonctrls.h"
#include "platform/window/notify.h"
#include "ui/listcontrol.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xspinedit.h"

using namespace platform::win;

namespace {

struct Seen {
    uint32_t msg;
    uint32_t flags;
    Point pt;
};

// A list of 15-pixel rows and 50-pixel columns that, like the real one,
// hands a press on a row back to its page as a relayed message in page
// coordinates.
class RowList : public CListControl {
public:
    std::vector<Seen> seen;
    int cleared = 0;
    bool passBack = true;
    void ClearSelection() override {
        ++cleared;
        CListControl::ClearSelection();
    }
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == ui::kMsgMayDrag) return 1;
        if (msg == ui::kMsgDraggedItem) return 3;
        if (msg == ui::kMsgRowAtPoint) {
            const Point p = *reinterpret_cast<const Point*>(w);
            return (p.y - WindowRect().top) / 15;
        }
        if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP ||
            msg == WM_MOUSEMOVE || msg == WM_LBUTTONDBLCLK) {
            const Point p = PointFromParam(l);
            seen.push_back({msg, static_cast<uint32_t>(w), p});
            const bool relayed = w == ui::kRelayedFlags;
            const Point onPage = relayed ? p : Parent()->ScreenToClient(ClientToScreen(p));
            if ((msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) && !relayed) {
                m_nPointerRow = (onPage.y - WindowRect().top) / 15;
                m_nPointerColumn = (onPage.x - WindowRect().left) / 50;
                if (passBack) Parent()->Send(msg, ui::kRelayedFlags, MakePointParam(onPage));
            }
            return 0;
        }
        return CListControl::WindowProc(msg, w, l);
    }
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), 0x00303030); }
};

class RelayPage : public CScreen {
public:
    struct Click {
        CListControl* list;
        int row, column;
    };
    std::vector<Click> clicks;
    std::vector<DropInfo> drops;
    int menuAsks = 0;
    void OnListClick(CListControl* list, int row, int column) override { clicks.push_back({list, row, column}); }
    void OnDrop(const DropInfo* info) override { drops.push_back(*info); }
    bool GetHotSpotMenu(int, int*) override {
        ++menuAsks;
        return false;
    }
    bool OnHotSpotEnter(int) override { return true; }
    bool OnHotSpotLeave(int) override { return true; }
    // Pages pass presses on lists to the lists; this one lets the widget
    // base arm a drag from them, as a page that drags rows would.
    bool pressToBase = false;

protected:
    void OnLButtonDown(uint32_t flags, Point pt) override {
        if (pressToBase)
            CXWnd::OnLButtonDown(flags, pt);
        else
            CScreen::OnLButtonDown(flags, pt);
    }
};

// Records what reaches it.
template <class Base>
class Recorder : public Base {
public:
    std::vector<Seen> seen;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_CHAR)
            seen.push_back({msg, static_cast<uint32_t>(w), msg == WM_CHAR ? Point{} : PointFromParam(l)});
        if (msg == WM_NOTIFY) {
            seen.push_back({msg, static_cast<uint32_t>(w), {}});
            return 1;
        }
        return Base::WindowProc(msg, w, l);
    }
};

class RelayTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        page.reset();
        spy = new RelayPage;
        page.reset(spy);
        spy->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(spy->Create(&main));
        spy->Show();
        spy->Enable();
        ASSERT_TRUE(list.Create(spy, Rect{100, 100, 300, 250}, WS_CHILD | WS_VISIBLE, 50));
        ASSERT_TRUE(other.Create(spy, Rect{400, 100, 600, 250}, WS_CHILD | WS_VISIBLE, 51));
        ASSERT_TRUE(spin.Create(spy, Rect{100, 300, 200, 320}, WS_CHILD | WS_VISIBLE, 52));
        ASSERT_TRUE(edit.Create(spy, Rect{100, 350, 300, 370}, WS_CHILD | WS_VISIBLE, 53));
        Drain();
    }
    void ToPage(uint32_t msg, Point p, uint32_t flags = 0) { spy->Send(msg, flags, MakePointParam(p)); }

    RelayPage* spy = nullptr;
    RowList list, other;
    Recorder<CXSpinedit> spin;
    Recorder<CXEdit> edit;
};

TEST_F(RelayTest, PressOnAListRowComesBackAsAListClick) {
    ToPage(WM_LBUTTONDOWN, {160, 137});
    ASSERT_EQ(list.seen.size(), 1u);
    EXPECT_EQ(list.seen[0].pt, (Point{60, 37}));  // mapped into the list
    ASSERT_EQ(spy->clicks.size(), 1u);
    EXPECT_EQ(spy->clicks[0].list, &list);
    EXPECT_EQ(spy->clicks[0].row, 2);
    EXPECT_EQ(spy->clicks[0].column, 1);
    // A relayed release from the list is a click as well; a plain release
    // goes to the list under the point.
    ToPage(WM_LBUTTONUP, {160, 137}, ui::kRelayedFlags);
    EXPECT_EQ(spy->clicks.size(), 2u);
    ToPage(WM_LBUTTONUP, {420, 110});
    ASSERT_FALSE(other.seen.empty());
    EXPECT_EQ(other.seen.back().msg, static_cast<uint32_t>(WM_LBUTTONUP));
    EXPECT_EQ(other.seen.back().pt, (Point{20, 10}));
}

TEST_F(RelayTest, SpinFieldsGetPressesAndEditFieldsTakeTheFocus) {
    ToPage(WM_LBUTTONDOWN, {110, 305}, 1);
    ToPage(WM_LBUTTONUP, {110, 305}, 0);
    ASSERT_EQ(spin.seen.size(), 2u);
    EXPECT_EQ(spin.seen[0].msg, static_cast<uint32_t>(WM_LBUTTONDOWN));
    EXPECT_EQ(spin.seen[0].flags, 1u);
    EXPECT_EQ(spin.seen[0].pt, (Point{10, 5}));
    EXPECT_EQ(spin.seen[1].msg, static_cast<uint32_t>(WM_LBUTTONUP));

    EXPECT_NE(Ui::Get().GetFocus(), &edit);
    ToPage(WM_LBUTTONDOWN, {150, 360});
    EXPECT_EQ(Ui::Get().GetFocus(), &edit);
    EXPECT_TRUE(edit.seen.empty());  // the edit field takes the focus, not the press
}

TEST_F(RelayTest, TypedCharactersGoToAFocusedEditFieldAndKeysAreTraced) {
    spy->Send(WM_CHAR, 'a', 1);
    EXPECT_TRUE(edit.seen.empty());  // the page has the focus: nobody to type into
    Ui::Get().SetFocus(&edit);
    spy->Send(WM_CHAR, 0xA3, 1);  // the pound sign
    ASSERT_EQ(edit.seen.size(), 1u);
    EXPECT_EQ(edit.seen[0].msg, static_cast<uint32_t>(WM_CHAR));
    EXPECT_EQ(edit.seen[0].flags, 0xA3u);

    platform::TraceCapture trace;
    spy->Send(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(trace.Contains("CScreen::OnKeyDown()\n"));
}

TEST_F(RelayTest, MouseOverAListIsPassedOnAndLeavingClearsItsSelection) {
    ToPage(WM_MOUSEMOVE, {150, 120});
    ASSERT_EQ(list.seen.size(), 1u);
    EXPECT_EQ(list.seen[0].flags, ui::kRelayedFlags);
    EXPECT_EQ(list.seen[0].pt, (Point{150, 120}));  // page coordinates, as the flags say
    EXPECT_EQ(spy->GetListUnderMouse(), &list);
    // The list passing back its own drag keeps its selection.
    ToPage(WM_MOUSEMOVE, {152, 122}, ui::kRelayedFlags);
    EXPECT_EQ(list.cleared, 0);
    EXPECT_EQ(list.seen.size(), 1u);
    // Onto the page: the list loses its hover selection, once.
    ToPage(WM_MOUSEMOVE, {350, 400});
    EXPECT_EQ(list.cleared, 1);
    EXPECT_EQ(spy->GetListUnderMouse(), nullptr);
    ToPage(WM_MOUSEMOVE, {360, 400});
    EXPECT_EQ(list.cleared, 1);
    // Straight from one list onto another.
    ToPage(WM_MOUSEMOVE, {150, 120});
    ToPage(WM_MOUSEMOVE, {450, 120});
    EXPECT_EQ(list.cleared, 2);
    EXPECT_EQ(spy->GetListUnderMouse(), &other);
}

TEST_F(RelayTest, AButtonLeftStraightForAListStopsItsAnimation) {
    CXButton anim;
    ASSERT_TRUE(anim.Create("", WS_VISIBLE, Rect{300, 100, 364, 164}, spy, 60,
                            kButtonBitmaps | kButtonAnimated | kButtonTransparent));
    for (int k = 0; k < 8; ++k) {
        char n[64];
        std::snprintf(n, sizeof n, "gfx\\animation\\widget_anim%02d.bmp", k);
        ASSERT_TRUE(anim.AddFrame(n));
    }
    Drain();
    ToPage(WM_MOUSEMOVE, {330, 130});
    EXPECT_EQ(anim.GetAnimationState(), 2);  // running forwards
    ToPage(WM_MOUSEMOVE, {290, 130});        // onto the list next to it
    EXPECT_NE(anim.GetAnimationState(), 2);
    EXPECT_EQ(list.seen.size(), 1u);
    ToPage(WM_MOUSEMOVE, {330, 130});  // back onto the button: it runs again
    EXPECT_EQ(anim.GetAnimationState(), 2);
}

TEST_F(RelayTest, RightPressOnAListRowAsksForTheMenuOnce) {
    spy->SetMenuIndex(-2);
    spy->AddHotSpot(Rect{100, 100, 300, 250}, kSpotHover, 50);
    ToPage(WM_RBUTTONDOWN, {150, 120});
    ASSERT_FALSE(list.seen.empty());
    EXPECT_EQ(list.seen[0].msg, static_cast<uint32_t>(WM_RBUTTONDOWN));
    EXPECT_EQ(spy->menuAsks, 1);
    // A list that keeps the press to itself (off its rows) leaves the menu to the page.
    list.passBack = false;
    ToPage(WM_RBUTTONDOWN, {150, 120});
    EXPECT_EQ(spy->menuAsks, 2);
    ToPage(WM_RBUTTONUP, {150, 120});
    EXPECT_EQ(list.seen.back().msg, static_cast<uint32_t>(WM_RBUTTONUP));
}

TEST_F(RelayTest, AnUpDownStepGoesOnToItsBuddy) {
    UpDownCtrl updown;
    ASSERT_TRUE(updown.CreateUpDown(spy, Rect{210, 300, 226, 320}, WS_CHILD | WS_VISIBLE, 54));
    updown.SetBuddy(&spin);
    NotifyUpDown nm;
    nm.hdr = {&updown, 54, UDN_DELTAPOS};
    nm.iDelta = 1;
    EXPECT_EQ(spy->Send(WM_NOTIFY, 54, reinterpret_cast<intptr_t>(&nm)), 1);
    ASSERT_EQ(spin.seen.size(), 1u);
    EXPECT_EQ(spin.seen[0].msg, static_cast<uint32_t>(WM_NOTIFY));
    EXPECT_EQ(spin.seen[0].flags, UDN_DELTAPOS);
    // Without a buddy nothing is passed on.
    updown.SetBuddy(nullptr);
    EXPECT_EQ(spy->Send(WM_NOTIFY, 54, reinterpret_cast<intptr_t>(&nm)), 0);
    EXPECT_EQ(spin.seen.size(), 1u);
}

TEST_F(RelayTest, DoubleClickOnAListSpotReachesTheListOnly) {
    spy->AddHotSpot(Rect{100, 100, 300, 250}, kSpotHover, 50);
    spy->AddHotSpot(Rect{100, 300, 200, 320}, kSpotHover, 52);
    ToPage(WM_LBUTTONDBLCLK, {150, 130});
    ASSERT_EQ(list.seen.size(), 1u);
    EXPECT_EQ(list.seen[0].msg, static_cast<uint32_t>(WM_LBUTTONDBLCLK));
    EXPECT_EQ(list.seen[0].flags, ui::kRelayedFlags);
    EXPECT_EQ(list.seen[0].pt, (Point{150, 130}));
    EXPECT_EQ(spy->GetDragSourceId(), 50);  // until the release
    ToPage(WM_LBUTTONUP, {150, 130});
    EXPECT_EQ(spy->GetDragSourceId(), -1);
    // Over a spot that is no list nothing is passed on.
    ToPage(WM_LBUTTONDBLCLK, {150, 310});
    EXPECT_TRUE(spin.seen.empty());
    EXPECT_EQ(spy->GetDragSourceId(), -1);
    // The list's own notice of a row double-clicked comes back relayed: the
    // widget base leaves it to the page and never sends it to the list again.
    list.seen.clear();
    spy->Send(WM_LBUTTONDBLCLK, ui::kRelayedFlags, MakePointParam(Point{150, 130}));
    EXPECT_TRUE(list.seen.empty());
}

class ListDragTest : public RelayTest {
protected:
    void SetUp() override {
        RelayTest::SetUp();
        ASSERT_TRUE(source.Create(spy, Rect{100, 400, 140, 430}, WS_CHILD | WS_VISIBLE, 40));
        spy->AddHotSpot(Rect{100, 400, 140, 430}, kSpotDragSource, 40);
        spy->AddHotSpot(Rect{100, 100, 300, 250}, kSpotDragSource | kSpotDropTarget, 50);
        const int target = spy->AddHotSpot(Rect{400, 100, 600, 250}, kSpotDropTarget, 51);
        spy->GetHotSpot(target)->AddAcceptedSource(&source);
        spy->GetHotSpot(target)->AddAcceptedSource(&list);
        Drain();
    }
    // Drags from `from` to `to` in page coordinates, straight, in steps.
    void Drag(Point from, Point to) {
        spy->pressToBase = true;
        ToPage(WM_LBUTTONDOWN, from);
        spy->pressToBase = false;
        for (int k = 1; k <= 5; ++k)
            ToPage(WM_MOUSEMOVE, {from.x + (to.x - from.x) * k / 5, from.y + (to.y - from.y) * k / 5});
    }

    // A plain child that may be dragged and gives item 7.
    class Source : public Window {
    public:
        intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
            if (msg == ui::kMsgMayDrag) return 1;
            if (msg == ui::kMsgDraggedItem) return 7;
            return Window::WindowProc(msg, w, l);
        }
    } source;
};

TEST_F(ListDragTest, ADragOverAListMarksItAndShowsItThePointer) {
    Drag({110, 410}, {450, 160});
    ASSERT_TRUE(spy->IsDragging());
    EXPECT_TRUE(other.IsDragOver());
    EXPECT_FALSE(list.IsDragOver());
    ASSERT_FALSE(other.seen.empty());
    EXPECT_EQ(other.seen.back().msg, static_cast<uint32_t>(WM_MOUSEMOVE));
    EXPECT_EQ(other.seen.back().flags, ui::kRelayedFlags);
    EXPECT_EQ(other.seen.back().pt, (Point{450, 160}));
    // Off the list the mark goes; the drop ends it everywhere.
    ToPage(WM_MOUSEMOVE, {350, 300});
    EXPECT_FALSE(other.IsDragOver());
    ToPage(WM_MOUSEMOVE, {450, 161});
    EXPECT_TRUE(other.IsDragOver());
    ToPage(WM_LBUTTONUP, {450, 161});
    EXPECT_FALSE(other.IsDragOver());
}

TEST_F(ListDragTest, DropOnAListGivesItsRowAndAListSourceAddsItsItem) {
    // From a plain source: the target list's row alone.
    Drag({110, 410}, {450, 160});
    ToPage(WM_LBUTTONUP, {450, 160});
    ASSERT_EQ(spy->drops.size(), 1u);
    EXPECT_EQ(spy->drops[0].target, &other);
    EXPECT_EQ(spy->drops[0].itemAndRow, 4u);  // (160 - 100) / 15
    // From a list: its item low, the target's row high.
    Drag({150, 130}, {450, 191});
    ToPage(WM_LBUTTONUP, {450, 191});
    ASSERT_EQ(spy->drops.size(), 2u);
    EXPECT_EQ(spy->drops[1].source, &list);
    EXPECT_EQ(spy->drops[1].itemAndRow, 3u | (6u << 16));
}

}  // namespace
