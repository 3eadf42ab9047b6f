// The title tip over a long item: the owner's text in the tool-tip colours,
// shown without moving when it is already in place, presses passed back.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/system.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "ui/titletip.h"

using namespace platform::win;
using namespace platform::gfx;

namespace {

class Backdrop : public Window {
protected:
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), 0x204060); }
};

// An owner with long item names, which hears what the tip passes on.
class Owner : public CXWnd {
public:
    std::string GetItemText(uint32_t id) override { return id == 3 ? "Athletic Vantorel Reserves" : "Other"; }
    FontRef GetItemFont() override { return font; }

    struct Press {
        uint32_t msg, flags;
        Point pt;
    };
    std::vector<Press> presses;
    FontRef font;

protected:
    void OnLButtonDown(uint32_t f, Point p) override { presses.push_back({WM_LBUTTONDOWN, f, p}); }
    void OnLButtonUp(uint32_t f, Point p) override { presses.push_back({WM_LBUTTONUP, f, p}); }
};

class TitleTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE));
        Ui::Get().SetMainWindow(&main);
        ASSERT_TRUE(owner.CreateChild(Rect::XYWH(605, 81, 190, 400), &main));
        owner.Show(true);
        ASSERT_TRUE(tip.Create(&owner));
        Drain();
    }
    void TearDown() override {
        tip.Destroy();
        Ui::Get().Stop();
    }
    void Drain() {
        for (int round = 0; round < 3; ++round) {
            Message m;
            while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
            main.UpdateNow();
            if (tip.IsAlive()) tip.UpdateNow();
        }
    }
    uint32_t At(Point screen) { return Ui::Get().MainPicture()->Get(screen.x, screen.y); }

    HeadlessBackend* backend = nullptr;
    Backdrop main;
    Owner owner;
    CTitleTip tip;
};

// The tip as it should look, drawn apart.
Surface Expected(Size size, const FontRef& font, const std::string& text) {
    Surface s(size.cx, size.cy, kBlack);
    Canvas dc(s);
    Rect r{0, 0, size.cx, size.cy};
    dc.FillSolidRect(r, GetSysColor(COLOR_INFOBK));
    dc.DrawEdge(r, EDGE_RAISED, BF_RECT);
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    dc.TextOut(3, 2, text);
    return s;
}

TEST_F(TitleTipTest, ShowsTheOwnersTextInTheTipColoursOverTheRectangle) {
    EXPECT_FALSE(tip.IsShownFlag()) << "made hidden";
    const Rect place = Rect::XYWH(600, 120, 170, 18);
    tip.Show(place, 3);
    Drain();
    EXPECT_TRUE(tip.IsShownFlag());
    EXPECT_EQ(tip.WindowRect(), place);
    EXPECT_EQ(tip.GetItemIndex(), 3);
    const Surface want = Expected({170, 18}, CTitleTip::DefaultFont(), "Athletic Vantorel Reserves");
    int text = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 170; ++x) {
            ASSERT_EQ(At({600 + x, 120 + y}), want.Get(x, y)) << x << "," << y;
            if (want.Get(x, y) == ToPixel(GetSysColor(COLOR_INFOTEXT))) ++text;
        }
    EXPECT_GT(text, 20) << "the text is there";
    EXPECT_EQ(CTitleTip::DefaultFont()->Requested().face, "SSerife");
    EXPECT_EQ(CTitleTip::DefaultFont()->Requested().height, 10);

    // The owner's own font when it has one.
    owner.font = Font::Create("Arial Narrow", -15, 700);
    tip.Show(Rect::XYWH(600, 160, 170, 20), 3);
    Drain();
    const Surface narrow = Expected({170, 20}, owner.font, "Athletic Vantorel Reserves");
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 170; ++x) ASSERT_EQ(At({600 + x, 160 + y}), narrow.Get(x, y)) << x << "," << y;
}

TEST_F(TitleTipTest, ShowingAtTheSamePlaceNeitherMovesNorSizes) {
    const Rect place = Rect::XYWH(620, 200, 150, 18);
    tip.Show(place, 3);
    Drain();
    ASSERT_FALSE(main.NeedsPaint());
    tip.Show(place, 3);
    EXPECT_EQ(tip.WindowRect(), place);
    EXPECT_FALSE(main.NeedsPaint()) << "nothing under the tip to draw again";
    EXPECT_FALSE(tip.NeedsPaint());
    // A new place moves it, and what it left is drawn again.
    tip.Show(Rect::XYWH(620, 240, 150, 18), 3);
    EXPECT_TRUE(main.NeedsPaint());
    Drain();
    // Another item at the same place only repaints the tip.
    tip.Show(Rect::XYWH(620, 240, 150, 18), 4);
    EXPECT_TRUE(tip.NeedsPaint());
    EXPECT_FALSE(main.NeedsPaint());
    // Nothing shown without an item or a place.
    tip.Show(Rect::XYWH(620, 280, 150, 18), -1);
    tip.Show(Rect{0, 0, 0, 0}, 3);
    EXPECT_EQ(tip.WindowRect(), Rect::XYWH(620, 240, 150, 18));
}

TEST_F(TitleTipTest, PressesReachTheOwnerAtTheMappedPoint) {
    tip.Show(Rect::XYWH(640, 120, 170, 18), 3);
    Drain();
    tip.Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MakePointParam({5, 4}));
    tip.Send(WM_LBUTTONUP, MK_CONTROL, MakePointParam({7, 6}));
    ASSERT_EQ(owner.presses.size(), 2u);
    EXPECT_EQ(owner.presses[0].msg, WM_LBUTTONDOWN);
    EXPECT_EQ(owner.presses[0].flags, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(owner.presses[0].pt, (Point{640 + 5 - 605, 120 + 4 - 81}));
    EXPECT_EQ(owner.presses[1].msg, WM_LBUTTONUP);
    EXPECT_EQ(owner.presses[1].flags, static_cast<uint32_t>(MK_CONTROL));
    EXPECT_EQ(owner.presses[1].pt, (Point{640 + 7 - 605, 120 + 6 - 81}));
}

TEST_F(TitleTipTest, HidesAndLosesItsFocus) {
    tip.Show(Rect::XYWH(640, 120, 170, 18), 3);
    Drain();
    Ui::Get().SetFocus(&tip);
    Ui::Get().SetFocus(&owner);
    EXPECT_FALSE(tip.IsShownFlag()) << "losing the focus hides it";
    tip.Show(Rect::XYWH(640, 120, 170, 18), 3);
    tip.Hide();
    EXPECT_FALSE(tip.IsShownFlag());
    CTitleTip orphan;
    EXPECT_FALSE(orphan.Create(nullptr));
}

}  // namespace
