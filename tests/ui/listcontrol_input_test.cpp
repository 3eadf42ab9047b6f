// How the list draws into its page, scrolls, follows the mouse and keys,
// shows column tips, answers the drag-and-drop questions and tells its page.
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "platform/gfx/canvas.h"
#include "platform/window/headless.h"
#include "ui/xscroll.h"
#include "ui/xtooltip.h"

using namespace platform::win;
using platform::gfx::RGB;

namespace {

using ListInput = uitest::ListTest;
using Texts = std::vector<std::string>;

constexpr uint32_t kGreen = RGB(20, 250, 30);     // the selected colour in these tests
constexpr uint32_t kMagenta = RGB(250, 20, 240);  // the header colour
constexpr uint32_t kCyan = RGB(30, 240, 250);     // a cell colour
constexpr uint32_t kOrange = RGB(250, 160, 10);   // a column colour
constexpr uint32_t kRed = RGB(255, 0, 0);

class ListDraw : public uitest::ListTest {
protected:
    void SetUp() override {
        uitest::ListTest::SetUp();
        list.m_crSelected = kGreen;
        list.m_crHeader = kMagenta;
    }
};

TEST_F(ListDraw, HeaderTextsHaveAShadowAndThePressedColumnIsRed) {
    Fill(2);
    list.Redraw();
    for (int col : {0, 1}) {
        EXPECT_GT(CountColour(HeaderRect(col), kMagenta), 5) << col;
        EXPECT_GT(Shadowed(HeaderRect(col), kMagenta), 0) << col;
    }
    EXPECT_EQ(CountColour(HeaderRect(0), kRed), 0);
    Click(HeaderPoint(0));
    EXPECT_GT(CountColour(HeaderRect(0), kRed), 5);
    EXPECT_EQ(CountColour(HeaderRect(0), kMagenta), 0);
    EXPECT_GT(CountColour(HeaderRect(1), kMagenta), 5);
}

TEST_F(ListDraw, TextColoursInTheirOrder) {
    Fill(4);
    list.SetRowColour(0, kCyan);
    list.SetRowColour(1, kCyan);
    list.SetRowColour(2, kCyan);
    list.SetRowColour(3, kCyan);
    list.SetColumnColour(1, kOrange);
    list.SetItem(2, 0, "fixed", 1);
    list.Redraw();
    EXPECT_GT(CountColour(CellRect(0, 0), kCyan), 5);    // the cell's colour
    EXPECT_GT(CountColour(CellRect(0, 1), kOrange), 5);  // the column's, over it
    EXPECT_EQ(CountColour(CellRect(0, 1), kCyan), 0);
    list.SetSelection(0);
    EXPECT_GT(CountColour(CellRect(0, 0), kGreen), 5);  // selected, over both
    EXPECT_GT(CountColour(CellRect(0, 1), kGreen), 5);
    list.SetSelection(2);
    EXPECT_EQ(CountColour(CellRect(2, 0), kGreen), 0);  // a fixed cell never shows selected
    EXPECT_GT(CountColour(CellRect(2, 0), kCyan), 5);
    EXPECT_GT(CountColour(CellRect(2, 1), kGreen), 5);
    list.AddSelected(2);
    list.Redraw();
    EXPECT_GT(CountColour(CellRect(2, 0), kRed), 5);  // marked, over everything
    EXPECT_GT(CountColour(CellRect(2, 1), kRed), 5);
    EXPECT_GT(Shadowed(CellRect(2, 1), kRed), 3);  // with its shadow
}

TEST_F(ListDraw, BlobsAreCutAtTheColumnAndPicturesDrawnOnlyWhenTheyFit) {
    list.AddColumn("Blobs", kColumnBlobs, CListControl::kListPictures[0]);
    list.AddColumn("Kit", kColumnPicture, CListControl::kListPictures[1]);
    list.SetColumnWidth(0, 30);  // two blobs and a half
    list.SetColumnWidth(1, 40);
    list.AddRow("", 0, 0, 0);
    list.AddRow("", 0, 0, 0);
    list.SetItemValue(0, 0, 5);
    list.SetItemValue(1, 0, 1);
    ASSERT_TRUE(list.SetItemBitmap(0, 1, "gfx\\temp\\shirt.bmp"));
    ASSERT_TRUE(list.SetItemBitmap(1, 1, "gfx\\temp\\shirt.bmp"));
    list.Redraw();
    const auto& work = spy->GetWorkBuffer();
    const auto& back = spy->GetBackBuffer();
    Rect row0;
    list.GetRowRect(0, &row0, false);
    const int y = kListRect.top + 1 + row0.top + 7;
    auto drawn = [&](int x, int yy) { return work.Get(x, yy) != back.Get(x, yy); };
    auto anyInColumn = [&](int x0, int x1, int yy0, int yy1) {
        for (int yy = yy0; yy < yy1; ++yy)
            for (int x = x0; x < x1; ++x)
                if (drawn(x, yy)) return true;
        return false;
    };
    // Five blobs asked, the column holds 2 + 12 + 12 + 4 pixels of them: the
    // next column's start shows no blob.
    EXPECT_TRUE(anyInColumn(kListRect.left + 2, kListRect.left + 14, y - 5, y + 5));
    EXPECT_TRUE(anyInColumn(kListRect.left + 26, kListRect.left + 30, y - 5, y + 5));
    // The kit picture is centred in its 40-pixel column.
    EXPECT_TRUE(anyInColumn(kListRect.left + 30 + 14, kListRect.left + 30 + 26, y - 5, y + 5));
    // Narrowed below the picture's width, the column shows none.
    list.SetColumnWidth(1, 10);
    list.Redraw();
    EXPECT_FALSE(anyInColumn(kListRect.left + 30, kListRect.left + 60, y - 7, y + 7));
}

TEST_F(ListDraw, TextOffsetMovesRowsDownAndTheRowLimitHidesRows) {
    Fill(5);
    list.SetRowColour(0, kCyan);
    list.Redraw();
    const Rect top = CellRect(0, 0);
    const Rect area{top.left, top.top, top.right, top.top + 30};
    // The mean height of the row's text pixels, in tenths of a pixel.
    auto middle = [&] {
        long sum = 0, n = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            const long k = CountColour(Rect{area.left, y, area.right, y + 1}, kCyan);
            sum += k * y;
            n += k;
        }
        return n ? sum * 10 / n : -1;
    };
    const long before = middle();
    ASSERT_GT(before, 0);
    list.SetRowSetting(5);
    list.Redraw();
    EXPECT_EQ(middle() - before, 50);

    list.SetRowSetting(0);
    list.SetRowColour(1, kCyan);
    list.SetRowColour(2, kCyan);
    list.m_nRowLimit = 2;
    list.Redraw();
    EXPECT_GT(CountColour(CellRect(1, 0), kCyan), 5);
    EXPECT_EQ(CountColour(CellRect(2, 0), kCyan), 0);
    EXPECT_EQ(list.RowFromPoint(RowPoint(2).x, RowPoint(2).y), -1);
}

TEST_F(ListInput, RowsThatFitShowNoBarAndItsClicksAreIgnored) {
    Fill(3);
    list.Redraw();
    EXPECT_FALSE(list.IsScrollBarShown());
    Click({kBarLeft + 5, 245});
    EXPECT_EQ(list.GetTopRow(), 0);
    EXPECT_FALSE(Played(13));
}

TEST_F(ListInput, HoldingTheDownArrowScrollsEvery300msToTheLastPage) {
    Fill(20);
    list.Redraw();
    ASSERT_TRUE(list.IsScrollBarShown());
    const int fit = list.GetRowsThatFit();
    ASSERT_GT(fit, 3);
    ASSERT_EQ(list.GetScrollMax(), 20 - fit);
    list.SetSelection(0);
    Press({kBarLeft + 5, 245});  // the down arrow
    EXPECT_EQ(list.GetTopRow(), 0);
    RunFor(310);
    EXPECT_EQ(list.GetTopRow(), 1);
    EXPECT_EQ(list.GetCurSel(), -1);  // scrolling clears the selection
    EXPECT_TRUE(Played(13));
    RunFor(300 * 40);
    EXPECT_EQ(list.GetTopRow(), 20 - fit);
    EXPECT_EQ(list.GetThumbPos(), list.GetTrackLength());
    Release({kBarLeft + 5, 245});
    EXPECT_EQ(list.GetTopRow(), 20 - fit);
    // Nothing repeats once released.
    RunFor(900);
    EXPECT_EQ(list.GetTopRow(), 20 - fit);
    // Up the same way, to the top.
    Press({kBarLeft + 5, 102});
    RunFor(300 * 40);
    Release({kBarLeft + 5, 102});
    EXPECT_EQ(list.GetTopRow(), 0);
    EXPECT_EQ(list.GetThumbPos(), kBarWidth);
}

TEST_F(ListInput, PagingOnTheTrackAndDraggingTheThumb) {
    Fill(40);
    list.Redraw();
    const int fit = list.GetRowsThatFit();
    Click({kBarLeft + 5, 230});  // below the thumb
    EXPECT_EQ(list.GetTopRow(), fit);
    EXPECT_TRUE(Played(13));
    for (int i = 0; i < 10 && list.GetThumbPos() < list.GetTrackLength(); ++i) Click({kBarLeft + 5, 230});
    EXPECT_EQ(list.GetTopRow(), 40 - fit);  // pinned at the end
    EXPECT_EQ(list.GetThumbPos(), list.GetTrackLength());
    Click({kBarLeft + 5, 116});  // above the thumb
    EXPECT_EQ(list.GetTopRow(), 40 - 2 * fit);

    list.SetTopRow(0);
    list.Redraw();
    Played(13);
    const int thumb = 100 + list.GetThumbPos();
    Press({kBarLeft + 5, thumb + 3});
    Move({kBarLeft + 5, thumb + 33});
    EXPECT_GT(list.GetTopRow(), 0);
    EXPECT_FALSE(Played(13));  // dragging is silent
    Move({kBarLeft + 5, thumb + 400});  // far past the end
    EXPECT_EQ(list.GetTopRow(), 40 - fit);
    Release({kBarLeft + 5, thumb + 400});
    EXPECT_FALSE(list.IsButtonDown());
}

// A bar no taller than its two arrows and the thumb has no pixels to step
// by: the thumb stays at the top and dragging it changes nothing.
TEST_F(ListInput, ABarWithoutPixelsPerStepKeepsItsThumbAtTheTop) {
    CListControl shortBar;
    ASSERT_TRUE(shortBar.Create(Rect{320, 100, 500, 250}, spy, 78, 486, 100, 3 * kBarWidth, kBarWidth, 0, false));
    shortBar.SetRowFont("Arial", 8, true, false, false);
    shortBar.SetHeaderFont("Arial", 8, true, false, false);
    shortBar.AddColumn("Name", 0);
    shortBar.SetColumnWidth(0, 90);
    for (int i = 0; i < 30; ++i) shortBar.AddRow("r" + std::to_string(i), 0, 0, 0);
    shortBar.Redraw();
    ASSERT_TRUE(shortBar.IsScrollBarShown());
    EXPECT_EQ(shortBar.GetThumbPos(), kBarWidth);
    const Point thumb{486 + 5, 100 + kBarWidth + 3};
    shortBar.Send(WM_LBUTTONDOWN, ui::kRelayedFlags, MakePointParam(thumb));
    for (int dy : {5, 20, 60, -10})
        shortBar.Send(WM_MOUSEMOVE, ui::kRelayedFlags, MakePointParam(Point{thumb.x, thumb.y + dy}));
    shortBar.Send(WM_LBUTTONUP, ui::kRelayedFlags, MakePointParam(thumb));
    EXPECT_EQ(shortBar.GetTopRow(), 0);
    EXPECT_EQ(shortBar.GetThumbPos(), kBarWidth);
    // The arrows still step, one row at a time; the thumb stays put.
    const Point down{486 + 5, 100 + 3 * kBarWidth - 3};
    shortBar.Send(WM_LBUTTONDOWN, ui::kRelayedFlags, MakePointParam(down));
    shortBar.Send(WM_LBUTTONUP, ui::kRelayedFlags, MakePointParam(down));
    EXPECT_EQ(shortBar.GetTopRow(), 1);
    EXPECT_EQ(shortBar.GetThumbPos(), kBarWidth);
    shortBar.Destroy();
}

TEST_F(ListInput, HoverSelectionFollowsThePointerAndClearsOffTheRows) {
    Fill(5);
    list.Redraw();
    Move(RowPoint(2));
    EXPECT_EQ(list.GetCurSel(), 2);
    Move(RowPoint(3, 1));
    EXPECT_EQ(list.GetCurSel(), 3);
    Move({150, 240});  // in the list, below its rows
    EXPECT_EQ(list.GetCurSel(), -1);
    list.m_bHoverSelects = 0;
    Move(RowPoint(1));
    EXPECT_EQ(list.GetCurSel(), -1);
}

TEST_F(ListInput, ColumnTipAfter300msNeverForEmptyOrBlank) {
    Fill(3);
    list.SetColumnText2(0, "The club's name");
    list.SetColumnText2(1, " ");
    list.Redraw();
    Move(RowPoint(1, 0));
    EXPECT_FALSE(list.IsTipShown());
    RunFor(320);
    EXPECT_TRUE(list.IsTipShown());
    EXPECT_EQ(list.GetTipText(), "The club's name");
    Move(RowPoint(1, 1));
    EXPECT_FALSE(list.IsTipShown());
    RunFor(320);
    EXPECT_FALSE(list.IsTipShown());
    // A tip over the header too; off the list it goes.
    Move(HeaderPoint(0));
    RunFor(320);
    EXPECT_TRUE(list.IsTipShown());
    Move({50, 50});
    EXPECT_FALSE(list.IsTipShown());
}

// Right presses as a player makes them: each reaches the list and the page
// hears of it, the second of two quick ones on the same spot (a double click
// to the window layer) and one landing on a column tip left standing too,
// which then goes.
TEST_F(ListInput, EveryRightPressReachesTheListEvenTwiceOnOneSpotOrOnItsTip) {
    Fill(5);
    list.SetColumnText2(0, "The club's name");
    list.Redraw();
    const auto onMain = [&](Point p) { return main.ScreenToClient(spy->ClientToScreen(p)); };
    const Point spot = onMain(RowPoint(1));
    backend->MoveTo(spot);
    RunFor(320);
    ASSERT_TRUE(list.IsTipShown());
    backend->Click(spot, MouseButton::Right, 20);
    RunFor(60);
    backend->Click(spot, MouseButton::Right, 20);
    RunFor(60);
    EXPECT_EQ(spy->Count(WM_RBUTTONDOWN), 2) << "both presses on one spot";
    EXPECT_FALSE(list.IsTipShown());

    // The tip stands under the pointer; a press on it is the list's.
    backend->MoveTo(onMain(RowPoint(0)), 20);
    RunFor(400);
    ASSERT_TRUE(list.IsTipShown());
    const Point onTip = onMain({RowPoint(0).x, RowPoint(0).y + 20});
    ASSERT_NE(dynamic_cast<CXToolTip*>(Ui::Get().WindowFromPoint(main.ClientToScreen(onTip))), nullptr);
    backend->Click(onTip, MouseButton::Right, 20);
    RunFor(60);
    ASSERT_EQ(spy->Count(WM_RBUTTONDOWN), 3) << "the press on the tip";
    EXPECT_EQ(PointFromParam(spy->notices.back().l), (Point{RowPoint(0).x, RowPoint(0).y + 20}));
    EXPECT_FALSE(list.IsTipShown());
    EXPECT_EQ(dynamic_cast<CXToolTip*>(Ui::Get().WindowFromPoint(main.ClientToScreen(onTip))), nullptr)
        << "the tip is gone";

    // A list between two fillings is switched off: its page takes the
    // presses and hands them on, the second of a quick pair too.
    list.Enable(false);
    const Point third = onMain(RowPoint(3));
    backend->Click(third, MouseButton::Right, 700);
    backend->Click(third, MouseButton::Right, 20);
    RunFor(800);
    EXPECT_EQ(spy->Count(WM_RBUTTONDOWN), 5) << "both presses through the page";
}

TEST_F(ListInput, NoticesCarryTheRelayFlagAndThePointInPageCoordinates) {
    Fill(5);
    list.m_bSelectable = 1;
    list.Redraw();
    // A press in list coordinates comes out in page coordinates.
    const Point onPage = RowPoint(2, 1);
    Press(Point{onPage.x - kListRect.left, onPage.y - kListRect.top}, 0);
    Release(onPage);
    ASSERT_EQ(spy->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(spy->notices[0].w, ui::kRelayedFlags);
    EXPECT_EQ(PointFromParam(spy->notices[0].l), onPage);
    EXPECT_TRUE(Played(11));

    list.Send(WM_LBUTTONDBLCLK, ui::kRelayedFlags, MakePointParam(RowPoint(3)));
    EXPECT_EQ(spy->Count(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(list.GetPointerRow(), 3);
    list.Send(WM_LBUTTONDBLCLK, ui::kRelayedFlags, MakePointParam(HeaderPoint(0)));
    list.Send(WM_LBUTTONDBLCLK, ui::kRelayedFlags, MakePointParam(Point{150, 240}));
    EXPECT_EQ(spy->Count(WM_LBUTTONDBLCLK), 1);

    list.Send(WM_RBUTTONDOWN, ui::kRelayedFlags, MakePointParam(RowPoint(4)));
    EXPECT_EQ(spy->Count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(list.GetPointerRow(), 4);
    list.Send(WM_RBUTTONUP, ui::kRelayedFlags, MakePointParam(RowPoint(4)));
    EXPECT_EQ(list.GetPointerRow(), -1);
    // Below the last row the press goes on as the page's, with no row; the
    // header keeps it.
    list.Send(WM_RBUTTONDOWN, ui::kRelayedFlags, MakePointParam(Point{150, 240}));
    EXPECT_EQ(spy->Count(WM_RBUTTONDOWN), 2);
    EXPECT_EQ(list.GetPointerRow(), -1);
    list.Send(WM_RBUTTONUP, ui::kRelayedFlags, MakePointParam(Point{150, 240}));
    list.Send(WM_RBUTTONDOWN, ui::kRelayedFlags, MakePointParam(HeaderPoint(0)));
    EXPECT_EQ(spy->Count(WM_RBUTTONDOWN), 2);
    list.Send(WM_RBUTTONUP, ui::kRelayedFlags, MakePointParam(HeaderPoint(0)));

    // A held row being moved is the page's drag: the moves go to it.
    Press(RowPoint(1));
    Move(RowPoint(2));
    EXPECT_EQ(spy->Count(WM_MOUSEMOVE), 1);
    Release(RowPoint(2));
}

TEST_F(ListInput, ALeftClickWorksAfterARightClickWhoseReleaseAMenuTook) {
    Fill(5);
    list.m_bSelectable = 1;
    list.Redraw();
    list.Send(WM_RBUTTONDOWN, ui::kRelayedFlags, MakePointParam(RowPoint(1)));
    EXPECT_TRUE(list.IsButtonDown());
    // The menu's tracker takes the focus and the capture, and the release.
    Window popup;
    ASSERT_TRUE(popup.Create(spy, Rect{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
    Ui::Get().SetCapture(&popup);
    Ui::Get().SetFocus(&popup);
    Ui::Get().ReleaseCapture();
    EXPECT_FALSE(list.IsButtonDown());
    Click(RowPoint(3));
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(spy->Count(WM_LBUTTONDOWN), 1);
    popup.Destroy();
}

TEST_F(ListInput, KeysMoveTheSelectionWithoutScrolling) {
    Fill(3);
    list.Redraw();
    Ui::Get().SetFocus(&list);
    list.Send(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(list.GetCurSel(), 0);
    list.Send(WM_KEYDOWN, VK_DOWN, 1);
    list.Send(WM_KEYDOWN, VK_DOWN, 1);
    list.Send(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(list.GetCurSel(), 2);
    list.Send(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    list.Send(WM_KEYDOWN, VK_UP, 1);
    list.Send(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetTopRow(), 0);
    // Losing the focus clears the selection.
    list.Send(WM_KEYDOWN, VK_DOWN, 1);
    Ui::Get().SetFocus(spy);
    EXPECT_EQ(list.GetCurSel(), -1);
}

TEST_F(ListInput, DragAndDropAnswers) {
    Fill(20);
    list.SetRowColour(3, kCyan);
    list.m_nDragColumn = 1;
    list.Redraw();
    Point p = RowPoint(3, 1);
    EXPECT_EQ(list.Send(ui::kMsgMayDrag, reinterpret_cast<uintptr_t>(&p)), 1);
    EXPECT_EQ(list.GetDropRow(), 3);
    EXPECT_EQ(list.Send(ui::kMsgDraggedItem), 3);
    Rect r;
    EXPECT_EQ(list.Send(ui::kMsgGetDragRect, reinterpret_cast<uintptr_t>(&r)), 1);
    const Point screen = spy->ClientToScreen(Point{kListRect.left + 90, CellRect(3).top});
    EXPECT_EQ(r.left, screen.x);
    EXPECT_EQ(r.top, screen.y);
    EXPECT_EQ(r.Width(), 90);
    EXPECT_EQ(r.Height(), list.m_nRowHeight);
    // The drag image: the row's text over black.
    platform::gfx::Surface image(r.Width(), r.Height());
    {
        platform::gfx::Canvas dc(image);
        Rect item = r;
        list.Send(ui::kMsgDrawDragItem, reinterpret_cast<uintptr_t>(&dc), reinterpret_cast<intptr_t>(&item));
    }
    int lit = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) lit += (image.Get(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(lit, 5);

    // Not from another column, nor below the rows.
    Point other = RowPoint(3, 0);
    EXPECT_EQ(list.Send(ui::kMsgMayDrag, reinterpret_cast<uintptr_t>(&other)), 0);
    list.DeleteAllItems(false, true);
    for (int i = 0; i < 3; ++i) list.AddRow("x" + std::to_string(i), 0, 0, 0);
    list.Redraw();
    Point below{kListRect.left + 120, 240};
    EXPECT_EQ(list.Send(ui::kMsgMayDrag, reinterpret_cast<uintptr_t>(&below)), 0);
    EXPECT_EQ(list.Send(ui::kMsgDraggedItem), -1);
    EXPECT_EQ(list.Send(ui::kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&below)), -1);
    Point second = RowPoint(1, 1);
    EXPECT_EQ(list.Send(ui::kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&second)), 1);

    // Once sorted from its header, the item is the row it was added as.
    Click(HeaderPoint(0));  // descending: x2, x1, x0
    Point top = RowPoint(0, 1);
    EXPECT_EQ(list.Send(ui::kMsgMayDrag, reinterpret_cast<uintptr_t>(&top)), 1);
    EXPECT_EQ(list.Send(ui::kMsgDraggedItem), 2);
}

}  // namespace
