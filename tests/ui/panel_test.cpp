// The message panel and the tool-tip window on the test page.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "soccerclasses/humanmanager.h"
#include "ui/xmessagedisplay.h"
#include "ui/xtooltip.h"

using namespace platform::win;
using platform::gfx::RGB;

namespace {

class PanelTest : public uitest::PageTest {
protected:
    void Make(uint8_t spacing, int height = 150) {
        ASSERT_TRUE(panel.Create("", WS_VISIBLE, Rect{100, 300, 500, 300 + height}, page.get(), 60, "Arial", -13,
                                 RGB(255, 255, 255), 1, spacing));
    }
    CXMessageDisplay panel;
};

TEST_F(PanelTest, FittingTextShowsNoBarAndOverflowShowsItAtTheNextDrawing) {
    Make(0);
    EXPECT_EQ(panel.WindowRect(), (Rect{100, 300, 477, 450}));  // 23 pixels less on the right
    const int visible = panel.GetVisibleLines();
    ASSERT_GT(visible, 3);
    for (int i = 0; i < visible; ++i) EXPECT_FALSE(panel.AddLine("Line " + std::to_string(i)));
    EXPECT_FALSE(panel.IsBarShown());
    EXPECT_TRUE(panel.AddLine("The one line too many"));
    EXPECT_TRUE(panel.IsBarShown());
    EXPECT_FALSE(panel.GetScrollBar().IsShownFlag());  // not before the next drawing
    EXPECT_EQ(panel.GetTopLine(), 0);
    panel.Redraw();
    Drain();
    EXPECT_TRUE(panel.GetScrollBar().IsShownFlag());
    EXPECT_EQ(panel.GetTopLine(), 0);  // the view stays at the top
    EXPECT_EQ(panel.GetScrollRange(), panel.GetTotalLines() - visible);
    Save("message_panel");
    EXPECT_TRUE(panel.ScrollToEnd());
    EXPECT_FALSE(panel.ScrollToEnd());
    EXPECT_EQ(panel.GetTopLine(), panel.GetScrollRange());
}

TEST_F(PanelTest, AnAdvisorsMessagesGoStraightIntoThePanel) {
    Make(0, 400);
    CHumanManager user;
    user.AddMessage(30, "Ashby", "", "", -1);
    user.AddMessage(31, "Brent", "", "", -1);
    user.AddMessage(30, "Corby", "", "", 7);
    // Text 60 is "%1!s!, %2!s! champions (%3!s!)": one line a message.
    EXPECT_TRUE(user.GetMessages(30, 60, panel.GetLineSink()));
    EXPECT_EQ(panel.GetLineCount(), 2);
    EXPECT_TRUE(user.GetMessages(30, 60, panel.GetLineSink(), nullptr, 7));
    EXPECT_EQ(panel.GetLineCount(), 3) << "only the message about id 7";
    EXPECT_FALSE(user.GetMessages(32, 60, panel.GetLineSink()));
    EXPECT_EQ(panel.GetLineCount(), 3);
    for (int i = panel.GetLineCount(); i < CXMessageDisplay::kMaxLines; ++i) panel.AddLine("x");
    user.GetMessages(31, 60, panel.GetLineSink());
    EXPECT_EQ(panel.GetLineCount(), CXMessageDisplay::kMaxLines) << "the sink keeps the panel's limit";
}

TEST_F(PanelTest, SpacingOneGivesTwoDisplayLinesALine) {
    Make(1, 400);
    for (int n = 1; n <= 5; ++n) {
        panel.AddLine("Short");
        EXPECT_EQ(panel.GetTotalLines(), 2 * n);
    }
}

TEST_F(PanelTest, WrappedLinesCountTheirDisplayLines) {
    Make(0, 400);
    panel.AddLine(std::string(40, 'x') + " " + std::string(40, 'y') + " " + std::string(40, 'z'));
    EXPECT_GE(panel.GetTotalLines(), 2);
}

TEST_F(PanelTest, ALineBeyondTheLastIsRefused) {
    Make(0);
    for (int i = 0; i < CXMessageDisplay::kMaxLines; ++i) panel.AddLine("x");
    EXPECT_EQ(panel.GetLineCount(), 256);
    EXPECT_FALSE(panel.AddLine("257"));
    EXPECT_EQ(panel.GetLineCount(), 256);
    EXPECT_FALSE(panel.AddLineId(4000000000u));
}

TEST_F(PanelTest, ScrollingStopsAtTheEnds) {
    Make(0);
    for (int i = 0; i < 40; ++i) panel.AddLine("Line " + std::to_string(i));
    panel.Redraw();
    Drain();
    panel.Send(WM_VSCROLL, MakeWParam(SB_LINEUP, 0), 0);
    EXPECT_EQ(panel.GetTopLine(), 0);
    panel.Send(WM_VSCROLL, MakeWParam(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(panel.GetTopLine(), panel.GetVisibleLines());
    for (int i = 0; i < 10; ++i) panel.Send(WM_VSCROLL, MakeWParam(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(panel.GetTopLine(), panel.GetScrollRange());
    panel.Send(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 3), 0);
    EXPECT_EQ(panel.GetTopLine(), 3);
    EXPECT_EQ(panel.GetScrollBar().GetPos(), 3);
}

TEST_F(PanelTest, NoDrawingOnceThePageIsGone) {
    Make(0);
    panel.AddLine("x");
    page->Close();
    Drain();
    const Picture before = *Ui::Get().MainPicture();
    // The page answers no buffer: nothing is drawn, nothing is marked for
    // painting, no buffer comes back to life, and the text stays.
    panel.Redraw();
    EXPECT_FALSE(page->NeedsPaint());
    EXPECT_FALSE(panel.NeedsPaint());
    EXPECT_TRUE(page->GetBackBuffer().IsEmpty());
    EXPECT_EQ(page->Send(ui::kMsgGetWorkDC), 0);
    EXPECT_EQ(panel.GetLineCount(), 1);
    Drain();
    EXPECT_TRUE(*Ui::Get().MainPicture() == before);
}

TEST(ToolTipGeometry, RectangleUnderThePoint) {
    EXPECT_EQ(CXToolTip::TipRect(100, 50, {40, 13}), (Rect{97, 66, 145, 84}));
}

TEST_F(PanelTest, ToolTipShowsOnceAndPassesClicksToItsOwner) {
    struct Owner : CXWnd {
        std::vector<Point> downs;
        void OnLButtonDown(uint32_t, Point p) override { downs.push_back(p); }
    } owner;
    ASSERT_TRUE(owner.Create(&main, Rect{50, 50, 350, 250}, WS_CHILD | WS_VISIBLE, 70));
    CXToolTip tip;
    ASSERT_TRUE(tip.Create(&owner));
    tip.Show(200, 100, "Free transfer");
    Drain();
    const Rect first = tip.WindowRect();
    EXPECT_EQ(first.left, 197);
    EXPECT_EQ(first.top, 116);
    EXPECT_TRUE(tip.IsShownFlag());
    tip.Show(200, 100, "Free transfer");
    EXPECT_FALSE(tip.NeedsPaint());
    EXPECT_EQ(tip.WindowRect(), first);
    Point in{5, 5};
    tip.Send(WM_LBUTTONDOWN, 0, MakePointParam(in));
    ASSERT_EQ(owner.downs.size(), 1u);
    Point screen = tip.ClientToScreen(in);
    EXPECT_EQ(owner.downs[0].x, owner.ScreenToClient(screen).x);
    EXPECT_EQ(owner.downs[0].y, owner.ScreenToClient(screen).y);
    // The tip's colours.
    const auto& pic = *Ui::Get().MainPicture();
    Point mid = tip.ClientToScreen(Point{first.Width() - 4, first.Height() - 4});
    Point origin;
    main.PaintPicture(&origin);
    Point inMain = main.ScreenToClient(mid);
    EXPECT_EQ(pic.Get(inMain.x + origin.x, inMain.y + origin.y), platform::gfx::MakePixel(255, 255, 225));
    tip.Hide();
    EXPECT_FALSE(tip.IsShownFlag());
}

}  // namespace
