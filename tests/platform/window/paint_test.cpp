#include <fstream>

#include "platform/window/frame_png.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class PaintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main.paintColour = Rgb(0, 0, 255);
        ASSERT_TRUE(child.Create(&main, {10, 10, 110, 60}, WS_CHILD | WS_VISIBLE, 1));
        child.paintColour = Rgb(255, 0, 0);
        Drain();
        main.seen.clear();
        child.seen.clear();
    }
    uint32_t Shown(int x, int y) { return backend->LastFrame().Get(x, y); }
    Recorder child;
};

TEST_F(PaintTest, ParentsPaintBeforeChildrenAndShareOnePicture) {
    EXPECT_EQ(Shown(5, 5), Rgb(0, 0, 255));
    EXPECT_EQ(Shown(10, 10), Rgb(255, 0, 0));
    EXPECT_EQ(Shown(109, 59), Rgb(255, 0, 0));
    EXPECT_EQ(Shown(110, 60), Rgb(0, 0, 255));
    // Invalidating the parent over the child paints the child again, after it.
    std::vector<Window*> order;
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) { if (m == WM_PAINT) order.push_back(&main); };
    child.hook = [&](uint32_t m, uintptr_t, intptr_t) { if (m == WM_PAINT) order.push_back(&child); };
    main.InvalidateRect({0, 0, 20, 20});
    Drain();
    EXPECT_EQ(order, (std::vector<Window*>{&main, &child}));
    EXPECT_EQ(Shown(12, 12), Rgb(255, 0, 0));
}

TEST_F(PaintTest, HidingAndMovingRepaintWhatWasUnder) {
    child.Show(false);
    Drain();
    EXPECT_EQ(Shown(50, 30), Rgb(0, 0, 255));
    EXPECT_EQ(child.Count(WM_PAINT), 0);
    child.Show(true);
    child.Move({200, 100, 220, 120});
    Drain();
    EXPECT_EQ(Shown(50, 30), Rgb(0, 0, 255));
    EXPECT_EQ(Shown(205, 105), Rgb(255, 0, 0));
}

TEST_F(PaintTest, RedrawOffHoldsPaintingBack) {
    child.SetRedraw(false);
    child.paintColour = Rgb(0, 255, 0);
    child.Invalidate();
    Drain();
    EXPECT_EQ(child.Count(WM_PAINT), 0);
    child.SetRedraw(true);
    Drain();
    EXPECT_EQ(child.Count(WM_PAINT), 1);
    EXPECT_EQ(Shown(20, 20), Rgb(0, 255, 0));
}

TEST_F(PaintTest, PopupsDrawOverTheMainPictureAndLeaveNoTrace) {
    Recorder tip;
    tip.paintColour = Rgb(255, 255, 225);
    Point origin = main.ClientToScreen(Point{0, 0});
    ASSERT_TRUE(tip.CreatePopup(&main, Rect::XYWH(origin.x + 50, origin.y + 40, 30, 10), WS_VISIBLE));
    Drain();
    EXPECT_EQ(Shown(55, 45), Rgb(255, 255, 225));
    // A repaint of the child under the tip keeps the tip on top.
    child.Invalidate();
    Drain();
    EXPECT_EQ(Shown(55, 45), Rgb(255, 255, 225));
    tip.Show(false);
    Drain();
    EXPECT_EQ(Shown(55, 45), Rgb(255, 0, 0));
    EXPECT_EQ(Ui::Get().WindowFromPoint(main.ClientToScreen(Point{55, 45})), &child);
}

TEST_F(PaintTest, TreeQueries) {
    Recorder second, hidden;
    ASSERT_TRUE(second.Create(&main, {50, 20, 150, 80}, WS_CHILD | WS_VISIBLE, 2));
    ASSERT_TRUE(hidden.Create(&main, {0, 0, 400, 300}, WS_CHILD, 3));
    EXPECT_EQ(main.ChildFromPoint({60, 30}), &second);
    EXPECT_EQ(main.ChildFromPoint({15, 15}), &child);
    EXPECT_EQ(main.ChildFromPoint({300, 200}), &main);
    EXPECT_EQ(main.ChildFromPoint({300, 200}, false), &hidden);
    EXPECT_EQ(main.ChildFromPoint({500, 200}), nullptr);
    EXPECT_EQ(second.NextSibling(), &child);
    EXPECT_EQ(child.PrevSibling(), &second);
    child.BringToTop();
    EXPECT_EQ(main.ChildFromPoint({60, 30}), &child);
    EXPECT_EQ(main.FindChild(3), &hidden);
    EXPECT_EQ(child.ClientToScreen(Point{1, 2}), main.ClientToScreen(Point{11, 12}));
}

TEST_F(PaintTest, CaretBlinksInTheShownFrame) {
    Ui& ui = Ui::Get();
    ui.CreateCaret(&child, 2, 10);
    ui.SetCaretPos({5, 5});
    ui.ShowCaret(&child);
    Drain();
    Ui::Get().PresentNow();
    EXPECT_EQ(Shown(15, 15), Rgb(0, 255, 255));  // red inverted
    EXPECT_EQ(main.PaintPicture()->Get(15, 15), Rgb(255, 0, 0));  // the picture itself is clean
    backend->AdvanceTime(kCaretBlinkMs);
    ui.PresentNow();
    EXPECT_EQ(Shown(15, 15), Rgb(255, 0, 0));
    ui.HideCaret(&child);
    backend->AdvanceTime(kCaretBlinkMs);
    ui.PresentNow();
    EXPECT_EQ(Shown(15, 15), Rgb(255, 0, 0));
}

TEST_F(PaintTest, CursorsAndTheCountedWaitCursor) {
    Ui& ui = Ui::Get();
    ui.BeginWaitCursor();
    ui.BeginWaitCursor();
    ui.EndWaitCursor();
    ui.PresentNow();
    EXPECT_EQ(backend->Cursor(), 1);
    ui.EndWaitCursor();
    int hand = ui.CreateImageCursor({2, 2, {1, 1}, {0xFF000000u, 0, 0, 0xFF000000u}});
    EXPECT_GE(hand, 2);
    ui.SetCursor(hand);
    ui.PresentNow();
    EXPECT_EQ(backend->Cursor(), 2);
}

TEST_F(PaintTest, FramesAreWrittenAsPng) {
    auto path = std::filesystem::path(::testing::TempDir()) / "vt-frame.png";
    backend->SaveFrame(path, 10);
    RunToEnd();
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes, EncodePng(backend->LastFrame()));
    const uint8_t sig[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(std::begin(sig), std::end(sig), bytes.begin()));
    auto be32 = [&](size_t at) { return (uint32_t(bytes[at]) << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3]; };
    EXPECT_EQ(be32(16), 400u);  // IHDR width
    EXPECT_EQ(be32(20), 300u);  // IHDR height
    // The image data holds the shown pixels, stored raw: find the blue row start.
    const uint8_t blue[] = {0, 0, 0, 255};  // filter byte, then 0,0,255
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), std::begin(blue), std::end(blue)), bytes.end());
}

}  // namespace
}  // namespace wintest
