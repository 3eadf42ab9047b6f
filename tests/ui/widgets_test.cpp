// The test page: labels, buttons of every style and a scroll bar on the
// title picture, driven by scripted input; pixels checked where the rules
// fix them.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "ui/xbutton.h"
#include "ui/xmessagedisplay.h"
#include "ui/xscroll.h"
#include "ui/xstatic.h"

using namespace platform::win;
using platform::gfx::MakePixel;
using platform::gfx::RGB;

namespace {

class WidgetPage : public uitest::PageTest {
protected:
    std::vector<uint32_t> clicks;
    std::vector<std::pair<uint32_t, int>> scrolls;

    // Listens to the page's commands and scroll notices.
    struct Listener : CScreen {
        WidgetPage* t = nullptr;
        bool OnCommand(uint32_t id, uint32_t code, Window*) override {
            if (code == BN_CLICKED) t->clicks.push_back(id);
            return true;
        }
        void OnScroll(bool, uint32_t code, int pos, Window*) override { t->scrolls.push_back({code, pos}); }
    };
    void SetUp() override {
        uitest::PageTest::SetUp();
        page.reset();
        auto* l = new Listener;
        l->t = this;
        page.reset(l);
        page->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(page->Create(&main));
        page->Show();
        page->Enable();
        Drain();
    }
    std::unique_ptr<CXButton> Button(uint32_t id, Rect r, uint32_t style, const std::string& text = "") {
        auto b = std::make_unique<CXButton>();
        EXPECT_TRUE(b->Create(text, WS_VISIBLE, r, page.get(), id, style));
        if (style & kButtonText) b->SetFont("Arial", 10, true);
        if (style & kButtonBitmaps) {
            if (style & (kButtonAnimated | kButtonTwoFrame)) {
                if (style & kButtonTwoFrame) {
                    b->AddFrame("gfx\\buttons\\widget_two0.bmp");
                    b->AddFrame("gfx\\buttons\\widget_two1.bmp");
                } else {
                    for (int k = 0; k < 8; ++k) {
                        char n[64];
                        std::snprintf(n, sizeof n, "gfx\\animation\\widget_anim%02d.bmp", k);
                        b->AddFrame(n);
                    }
                }
            } else if (style & kButtonCheck) {
                if (style & kButtonRadio)
                    b->SetBitmaps("gfx\\buttons\\widget_base.bmp", "gfx\\match\\surfaces\\radio_on.bmp",
                                  "gfx\\match\\surfaces\\radio_off.bmp");
                else
                    b->SetBitmaps("gfx\\buttons\\widget_base.bmp", "gfx\\buttons\\check_on.bmp",
                                  "gfx\\buttons\\check_off.bmp", nullptr, nullptr, "gfx\\buttons\\check_dis.bmp");
            } else {
                b->SetBitmaps("gfx\\buttons\\widget_base.bmp", nullptr, nullptr, "gfx\\buttons\\widget_overlay.bmp",
                              "gfx\\buttons\\widget_overlay_down.bmp", "gfx\\buttons\\widget_base_grey.bmp");
            }
        }
        return b;
    }
};

TEST_F(WidgetPage, LabelRestoresTheBackgroundAndLeavesNoOldGlyphs) {
    CXStatic label;
    ASSERT_TRUE(label.Create("WWWWWWWW", WS_VISIBLE, Rect{100, 100, 400, 130}, page.get(), 10));
    label.SetLabelStyle(kLabelSingleLine);
    label.SetFont("Arial", 16, true);
    label.SetColours(RGB(255, 255, 0), RGB(0, 0, 0));
    label.SetText("WWWWWWWW");
    label.Refresh();
    Drain();
    int changed = 0;
    for (int x = 100; x < 400; ++x)
        for (int y = 100; y < 130; ++y) changed += At(x, y) != Back(x, y);
    EXPECT_GT(changed, 100);
    label.SetText("i");
    label.Refresh();
    Drain();
    // Everything right of the short text is the page's own picture again.
    for (int x = 120; x < 400; x += 3)
        for (int y = 100; y < 130; y += 2) ASSERT_EQ(At(x, y), Back(x, y)) << x << "," << y;
    Save("label_after_settext");
}

// A new text shows at the next paint without the page asking for one,
// for a label keeping its size and for one that shrinks to its text.
TEST_F(WidgetPage, ANewLabelTextShowsWithoutARefresh) {
    struct Case {
        uint32_t style;
        const char* name;
    };
    for (Case c : {Case{kLabelSingleLine, "fixed"}, {kLabelSingleLine | kLabelGrow | kLabelShrink, "shrinking"},
                   {0, "wrapped"}}) {
        SCOPED_TRACE(c.name);
        CXStatic label;
        ASSERT_TRUE(label.Create("", WS_VISIBLE, Rect{100, 100, 400, 130}, page.get(), 10));
        label.SetLabelStyle(c.style);
        label.SetFont("Arial", 16, true);
        label.SetColours(RGB(255, 255, 0), RGB(0, 0, 0));
        label.SetText("WWWWWWWW");
        Drain();
        auto ink = [&](int x0, int x1) {
            int n = 0;
            for (int x = x0; x < x1; ++x)
                for (int y = 100; y < 130; ++y) n += At(x, y) == MakePixel(255, 255, 0);
            return n;
        };
        EXPECT_GT(ink(100, 400), 100) << "the first text";
        label.SetText("i");
        Drain();
        EXPECT_EQ(ink(120, 400), 0) << "the old glyphs are gone";
        EXPECT_GT(ink(100, 120), 0) << "the new text is there";
        label.Destroy();
        label.EraseBackground();
        Drain();
    }
}

TEST_F(WidgetPage, LabelStyles) {
    struct Case {
        uint32_t style;
        const char* name;
    };
    for (Case c : {Case{kLabelShadow, "shadow"}, {kLabelCentred | kLabelSingleLine, "centred"},
                   {kLabelRight | kLabelSingleLine, "right"}, {kLabelBand | kLabelSingleLine, "band"}, {0, "wrapped"}}) {
        SCOPED_TRACE(c.name);
        CXStatic label;
        ASSERT_TRUE(label.Create("Gate 12", WS_VISIBLE, Rect{200, 200, 400, 240}, page.get(), 11));
        label.SetLabelStyle(c.style);
        label.SetFont("Arial", 12, false);
        label.SetColours(RGB(255, 255, 255), RGB(200, 0, 0));
        label.SetText("Gate 12");
        label.Refresh();
        Drain();
        // Where the ink starts says the alignment; the band and the shadow
        // bring the second colour.
        int first = -1, red = 0;
        for (int x = 200; x < 400 && first < 0; ++x)
            for (int y = 200; y < 240; ++y)
                if (At(x, y) == MakePixel(255, 255, 255)) {
                    first = x;
                    break;
                }
        for (int x = 198; x < 402; ++x)
            for (int y = 200; y < 240; ++y) red += At(x, y) == MakePixel(200, 0, 0);
        ASSERT_GE(first, 0);
        if (c.style & kLabelCentred) {
            EXPECT_GT(first, 250);
        } else if (c.style & kLabelRight) {
            EXPECT_GT(first, 320);
        } else {
            EXPECT_LT(first, 210);
        }
        if (c.style & (kLabelBand | kLabelShadow)) {
            EXPECT_GT(red, 5);
        } else {
            EXPECT_EQ(red, 0);
        }
        if (c.style & kLabelBand) {
            // The band starts a pixel left of the label, in the page's buffer.
            EXPECT_EQ(page->GetWorkBuffer().Get(199, 204), MakePixel(200, 0, 0));
        }
        label.Destroy();
        label.EraseBackground();
        Drain();
    }
}

TEST_F(WidgetPage, LabelGrowAndShrinkEndAtTheTextExtent) {
    CXStatic label;
    ASSERT_TRUE(label.Create("", WS_VISIBLE, Rect{100, 100, 110, 105}, page.get(), 10));
    label.SetLabelStyle(kLabelGrow | kLabelShrink | kLabelSingleLine);
    label.SetFont("Arial", 12, false);
    for (const char* t : {"A longer text than the label", "Short"}) {
        label.SetText(t);
        auto ext = label.GetTextExtent();
        EXPECT_EQ(label.WindowRect(), Rect::XYWH(100, 100, ext.cx, ext.cy)) << t;
    }
}

TEST_F(WidgetPage, LabelAutoSizeTakesTheLargestThatFits) {
    CXStatic big, small;
    ASSERT_TRUE(big.Create("", WS_VISIBLE, Rect{0, 0, 780, 500}, page.get(), 10));
    big.SetLabelStyle(kLabelAutoSize);
    big.SetFont("Arial", 10, false);
    big.SetText("ab");
    EXPECT_EQ(big.GetPoints(), 63);
    ASSERT_TRUE(small.Create("", WS_VISIBLE, Rect{0, 0, 120, 30}, page.get(), 11));
    small.SetLabelStyle(kLabelAutoSize);
    small.SetFont("Arial", 10, false);
    small.SetText("Manager of the Month");
    EXPECT_GE(small.GetPoints(), 7);
    EXPECT_LT(small.GetPoints(), 12);
    auto f = small.GetFont();
    EXPECT_LE(f->Measure("Manager of the Month"), 120);
}

TEST_F(WidgetPage, LabelForwardsTheMouseInPageCoordinates) {
    CXStatic label;
    ASSERT_TRUE(label.Create("x", WS_VISIBLE, Rect{300, 300, 400, 330}, page.get(), 10));
    page->AddHotSpot({300, 300, 400, 330}, 0x4, 77);
    backend->MoveTo({350, 310});
    RunFor(50);
    EXPECT_EQ(page->GetCursorState(), 4);  // the page saw its press spot under the label
}

TEST_F(WidgetPage, PushButtonPressesOneDownClicksAndSounds) {
    auto b = Button(20, {100, 400, 220, 432}, kButtonBitmaps | kButtonPush | kButtonTransparent | kButtonText, "Continue");
    Drain();
    Save("button_up");
    const uint32_t before = At(150, 420);
    backend->Press({150, 416});
    RunFor(30);
    EXPECT_TRUE(Played(0));
    Save("button_down");
    // The picture moved one pixel right and down.
    EXPECT_EQ(At(151, 421), before);
    backend->Release({150, 416});
    RunFor(30);
    EXPECT_EQ(clicks, (std::vector<uint32_t>{20}));
    EXPECT_EQ(At(150, 420), before);
}

TEST_F(WidgetPage, DoubleClickCountsAsAPress) {
    auto b = Button(20, {100, 400, 220, 432}, kButtonBitmaps | kButtonPush);
    Drain();
    backend->Press({150, 416});
    backend->Release({150, 416}, MouseButton::Left, 20);
    backend->Press({150, 416}, MouseButton::Left, 50);  // within the double-click time
    backend->Release({150, 416}, MouseButton::Left, 20);
    RunFor(200);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(WidgetPage, GreyedPushButtonSoundsButNeverClicks) {
    auto b = Button(21, {100, 400, 220, 432}, kButtonBitmaps | kButtonPush | kButtonText, "Sack");
    b->SetGreyed(true);
    b->SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    b->Redraw();
    Drain();
    Save("button_greyed");
    int grey = 0;
    for (int x = 100; x < 220; ++x)
        for (int y = 400; y < 432; ++y) grey += At(x, y) == MakePixel(128, 128, 128);
    EXPECT_GT(grey, 10);
    backend->Click({150, 416});
    RunFor(50);
    EXPECT_TRUE(Played(1));
    EXPECT_FALSE(Played(0));
    EXPECT_TRUE(clicks.empty());
}

// Disabling a button gives it the look its page would give it by greying
// it, at once and without a redraw of the page's own; enabling it again
// brings back the normal look.
TEST_F(WidgetPage, DisabledButtonsOfEveryKindShowTheGreyedLook) {
    struct Case {
        const char* name;
        uint32_t style;
        bool onePicture;  // a plain picture button as the screen builder makes it
        const char* text;
    };
    const Case cases[] = {
        {"push with greyed picture", kButtonBitmaps | kButtonPush | kButtonTransparent | kButtonText, false, "Sack"},
        {"opaque push", kButtonBitmaps | kButtonPush | kButtonText | kButtonCentred, false, "Renew"},
        {"text only", kButtonPush | kButtonText, false, "Release"},
        {"one picture", kButtonBitmaps | kButtonText | kButtonCentred, true, "Record"},
        {"check box", kButtonBitmaps | kButtonPush | kButtonCheck | kButtonTransparent, false, ""},
        {"two-frame", kButtonBitmaps | kButtonTwoFrame | kButtonTransparent | kButtonText, false, "Youth"},
        {"animated", kButtonBitmaps | kButtonAnimated | kButtonTransparent | kButtonText, false, "Scout"},
    };
    const Rect r{100, 400, 220, 432};
    auto look = [&] {
        Drain();
        std::vector<uint32_t> px;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) px.push_back(At(x, y));
        return px;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CXButton> b;
        if (c.onePicture) {
            b = std::make_unique<CXButton>();
            ASSERT_TRUE(b->Create(c.text, WS_VISIBLE, r, page.get(), 40, c.style));
            b->SetFont("Arial", 10, true);
            b->SetBitmaps("gfx\\buttons\\widget_base.bmp");
        } else {
            b = Button(40, r, c.style, c.text);
        }
        b->Redraw();
        const auto normal = look();
        b->SetGreyed(true);
        b->Redraw();
        const auto greyed = look();
        EXPECT_NE(greyed, normal);
        b->SetGreyed(false);
        b->Redraw();
        EXPECT_EQ(look(), normal);

        b->Enable(false);
        EXPECT_TRUE(b->IsGreyed());
        EXPECT_EQ(look(), greyed);
        b->Enable(true);
        EXPECT_FALSE(b->IsGreyed());
        EXPECT_EQ(look(), normal);
        b.reset();
        page->Repaint(0);
        Drain();
    }
}

// The page hands a press on a push button to the button even when it is
// disabled; the button answers as a greyed one.
TEST_F(WidgetPage, DisabledPushButtonSoundsGreyedAndNeverClicks) {
    auto b = Button(21, {100, 400, 220, 432}, kButtonBitmaps | kButtonPush | kButtonText, "Sack");
    b->Enable(false);
    Drain();
    backend->Click({150, 416});
    RunFor(50);
    EXPECT_TRUE(Played(1));
    EXPECT_FALSE(Played(0));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(WidgetPage, RadioGroupUnticksOnlyItsRun) {
    // Check boxes and radio buttons are push buttons too (the click sound).
    const uint32_t radio = kButtonBitmaps | kButtonPush | kButtonCheck | kButtonRadio | kButtonTransparent;
    auto a = Button(30, {100, 100, 120, 120}, radio);
    auto b = Button(31, {130, 100, 150, 120}, radio);
    auto stop = Button(32, {160, 100, 180, 120}, kButtonBitmaps | kButtonPush | kButtonCheck);  // ends the run
    auto c = Button(33, {190, 100, 210, 120}, radio);
    a->SetTicked(true);
    c->SetTicked(true);
    Drain();
    backend->Click({105, 105});  // already ticked: nothing, not even a sound
    RunFor(50);
    EXPECT_FALSE(Played(0));
    EXPECT_TRUE(a->IsTicked());
    backend->Click({135, 105});
    RunFor(50);
    EXPECT_TRUE(Played(0));
    EXPECT_TRUE(b->IsTicked());
    EXPECT_FALSE(a->IsTicked());
    EXPECT_TRUE(c->IsTicked());  // beyond the plain check box
    EXPECT_FALSE(stop->IsTicked());
}

TEST_F(WidgetPage, CheckBoxToggles) {
    auto box = Button(34, {100, 100, 116, 116}, kButtonBitmaps | kButtonPush | kButtonCheck | kButtonTransparent);
    Drain();
    backend->Click({105, 105});
    RunFor(50);
    EXPECT_TRUE(box->IsTicked());
    backend->Click({105, 105}, MouseButton::Left, 600);
    RunFor(700);
    EXPECT_FALSE(box->IsTicked());
}

TEST_F(WidgetPage, HoverStartsTheAnimationWithOneSoundAndLeavingReverses) {
    auto a = Button(40, {100, 100, 164, 164}, kButtonBitmaps | kButtonAnimated | kButtonTransparent | kButtonFromStart);
    auto b = Button(41, {164, 100, 228, 164}, kButtonBitmaps | kButtonTwoFrame | kButtonTransparent);
    Drain();
    Played(4);
    backend->MoveTo({130, 130});
    RunFor(30);
    EXPECT_TRUE(Played(4));
    EXPECT_EQ(a->GetAnimationState(), 2);
    EXPECT_EQ(a->GetTimerPeriod(), 1000u / 8);
    backend->MoveTo({190, 130});  // straight onto the other: no sound
    RunFor(30);
    EXPECT_FALSE(Played(4));
    EXPECT_EQ(a->GetAnimationState(), 1);  // running back at double speed
    EXPECT_EQ(a->GetTimerPeriod(), 1000u / 8 / 2);
    EXPECT_EQ(b->GetCurrentFrame(), 1);
    backend->MoveTo({400, 400});
    RunFor(2000);
    EXPECT_EQ(b->GetCurrentFrame(), 0);
    EXPECT_EQ(a->GetAnimationState(), 0);
    EXPECT_EQ(a->GetCurrentFrame(), 0);
    EXPECT_FALSE(a->HasTimer());
}

// Leaving a button that starts from frame 0 finishes the pass at double
// speed in the direction it was going: forward to the wrap at frame 0, or,
// with a turn at the end, up to the last frame and straight back down.
TEST_F(WidgetPage, LeavingAFromTheStartButtonFinishesItsPassAtDoubleSpeed) {
    struct Case {
        uint32_t extraStyle;
        std::vector<int> frames;  // every 50 ms after leaving
    } cases[] = {
        {0, {4, 5, 6, 7, 0}},
        {kButtonTurnAtEnd, {4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        auto a = Button(45, {100, 100, 164, 164},
                        kButtonBitmaps | kButtonAnimated | kButtonTransparent | kButtonFromStart | c.extraStyle);
        a->SetDuration(800);  // 100 ms a frame
        a->SetLoopPause(500);
        Drain();
        a->StartAnimation(true);
        RunFor(350);
        ASSERT_EQ(a->GetCurrentFrame(), 3);
        a->ReverseAnimation();
        EXPECT_EQ(a->GetTimerPeriod(), 50u);
        std::vector<int> frames;
        for (size_t i = 0; i < c.frames.size(); ++i) {
            RunFor(50);
            frames.push_back(a->GetCurrentFrame());
        }
        EXPECT_EQ(frames, c.frames) << c.extraStyle;
        EXPECT_EQ(a->GetAnimationState(), 0);
        EXPECT_FALSE(a->HasTimer());
        RunFor(300);
        EXPECT_EQ(a->GetCurrentFrame(), 0);
    }
}

TEST_F(WidgetPage, AnimationFramesFollowTheClockAndPauseAtTheTurn) {
    auto a = Button(42, {100, 100, 164, 164}, kButtonBitmaps | kButtonAnimated | kButtonTurnAtEnd | kButtonTransparent);
    a->SetDuration(800);  // 100 ms a frame
    a->SetLoopPause(500);
    Drain();
    a->StartAnimation(true);
    std::vector<int> frames;
    for (int i = 0; i < 16; ++i) {
        RunFor(100);
        frames.push_back(a->GetCurrentFrame());
    }
    // Up to the last frame, five steps' worth of pause there, then back down.
    std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7, 6, 5, 4, 3};
    EXPECT_EQ(frames, expected);
    Save("animated_button");
}

TEST_F(WidgetPage, AnimationWithoutTurnWrapsAndDestroyingStopsTheTimer) {
    auto a = Button(43, {100, 100, 164, 164}, kButtonBitmaps | kButtonAnimated | kButtonTransparent);
    a->SetDuration(800);
    Drain();
    a->StartAnimation(true);
    RunFor(850);
    EXPECT_EQ(a->GetCurrentFrame(), 0);  // wrapped after frame 7
    const size_t timers = Ui::Get().TimerCount();
    a->Destroy();
    EXPECT_EQ(Ui::Get().TimerCount(), timers - 1);
    RunFor(300);  // no step reaches the destroyed button
}

TEST_F(WidgetPage, AButtonWithoutFramesDoesNotAnimate) {
    CXButton b;
    ASSERT_TRUE(b.Create("", WS_VISIBLE, {10, 10, 50, 50}, page.get(), 44, kButtonAnimated | kButtonBitmaps));
    b.StartAnimation(true);
    EXPECT_FALSE(b.HasTimer());
    EXPECT_EQ(b.GetAnimationState(), 0);
}

// A greyed button keeps its still look under the pointer, however it was
// greyed, and wakes again once it is live and the pointer moves.
TEST_F(WidgetPage, AGreyedButtonNeverAnimatesUnderThePointer) {
    struct Case {
        const char* name;
        uint32_t style;
        bool disable;  // Enable(false); otherwise SetGreyed(true)
    };
    const Case cases[] = {
        {"animated, disabled", kButtonBitmaps | kButtonAnimated | kButtonTransparent | kButtonFromStart, true},
        {"animated, greyed", kButtonBitmaps | kButtonAnimated | kButtonTransparent | kButtonFromStart, false},
        {"two-frame, disabled", kButtonBitmaps | kButtonTwoFrame | kButtonTransparent, true},
        {"two-frame, greyed", kButtonBitmaps | kButtonTwoFrame | kButtonTransparent, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto b = Button(42, {100, 100, 164, 164}, c.style);
        if (c.disable) b->Enable(false);
        else b->SetGreyed(true);
        Drain();
        backend->MoveTo({400, 400});
        RunFor(30);
        Played(4);
        backend->MoveTo({130, 130});
        RunFor(300);
        EXPECT_FALSE(Played(4)) << "no hover sound";
        EXPECT_EQ(page->GetHoveredButton(), nullptr);
        EXPECT_EQ(b->GetAnimationState(), 0);
        EXPECT_EQ(b->GetCurrentFrame(), 0);
        // Live again: the next move over it starts it.
        if (c.disable) b->Enable(true);
        else b->SetGreyed(false);
        backend->MoveTo({132, 132});
        RunFor(30);
        EXPECT_EQ(page->GetHoveredButton(), b.get());
        EXPECT_TRUE(Played(4));
        if (c.style & kButtonTwoFrame) EXPECT_EQ(b->GetCurrentFrame(), 1);
        else EXPECT_EQ(b->GetAnimationState(), 2);
        // Greyed while lit: the next move runs it back as leaving does.
        if (c.disable) b->Enable(false);
        else b->SetGreyed(true);
        backend->MoveTo({134, 134});
        RunFor(2000);
        EXPECT_EQ(page->GetHoveredButton(), nullptr);
        EXPECT_EQ(b->GetCurrentFrame(), 0);
        backend->MoveTo({400, 400});
        RunFor(30);
    }
}

class ScrollPage : public WidgetPage {
protected:
    void SetUp() override {
        WidgetPage::SetUp();
        ASSERT_TRUE(bar.Create("", WS_VISIBLE, Rect{700, 100, 714, 300}, page.get(), 50, "gfx\\scroll\\uparrow.bmp",
                               "gfx\\scroll\\downarrow.bmp", "gfx\\scroll\\scrollball.bmp"));
        Drain();
    }
    CXScroll bar;
};

TEST_F(ScrollPage, ThumbArithmeticAndEnds) {
    struct Case {
        int max, pos, thumb;
    };
    // Track 200 - 3 x 14 = 158 pixels.
    for (Case c : {Case{0, 0, 14}, {1, 1, 14 + 158}, {10, 5, 14 + 79}, {10, 10, 172}, {-3, 0, 14}}) {
        bar.SetScrollInfo(0, c.max, c.pos, 3, c.pos);
        EXPECT_EQ(bar.GetThumb(), c.thumb) << c.max << " " << c.pos;
    }
}

TEST_F(ScrollPage, HoldingUpAtZeroSendsNothingAndPagingStopsAtTheMaximum) {
    bar.SetScrollInfo(0, 10, 0, 4, 0);
    bar.Redraw();
    Drain();
    backend->Press({705, 105});
    backend->Release({705, 105}, MouseButton::Left, 1000);
    RunFor(1100);
    EXPECT_TRUE(scrolls.empty());
    // Below the thumb: a page down each click, never past the maximum.
    for (int i = 0; i < 3; ++i) backend->Click({705, 270}, MouseButton::Left, 600);
    RunFor(3000);
    ASSERT_EQ(scrolls.size(), 3u);
    EXPECT_EQ(scrolls[0], (std::pair<uint32_t, int>{SB_PAGEDOWN, 4}));
    EXPECT_EQ(scrolls[1].second, 8);
    EXPECT_EQ(scrolls[2].second, 10);  // not 12
    EXPECT_EQ(bar.GetThumb(), 172);
    Save("scroll_bar");
    // The thumb picture is drawn at its place.
    EXPECT_NE(At(707, 279), Back(707, 279));
    EXPECT_EQ(At(707, 130), Back(707, 130));
}

TEST_F(ScrollPage, ArrowRepeatsWhileHeld) {
    bar.SetScrollInfo(0, 10, 0, 4, 0);
    backend->Press({705, 295});
    backend->Release({705, 295}, MouseButton::Left, 1000);
    RunFor(1100);
    // Three repeats in the second held, and one more on the release.
    ASSERT_EQ(scrolls.size(), 4u);
    for (auto& s : scrolls) EXPECT_EQ(s.first, SB_LINEDOWN);
    EXPECT_EQ(bar.GetPos(), 4);
}

TEST_F(ScrollPage, DraggingTheThumbAndAMaximumOfZero) {
    bar.SetScrollInfo(0, 0, 0, 4, 0);
    backend->Press({705, 20 + 100 - 100 + 107});
    backend->MoveTo({705, 250}, 20);
    backend->Release({705, 250}, MouseButton::Left, 20);
    RunFor(200);
    EXPECT_EQ(bar.GetThumb(), 14);  // nothing to scroll: the thumb stays
    EXPECT_EQ(bar.GetPos(), 0);
    scrolls.clear();
    bar.SetScrollInfo(0, 10, 0, 4, 0);
    backend->Press({705, 120});
    backend->MoveTo({705, 199}, 20);
    backend->Release({705, 199}, MouseButton::Left, 20);
    RunFor(200);
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.back().first, SB_THUMBTRACK);
    EXPECT_EQ(bar.GetPos(), 5);
}

TEST_F(ScrollPage, DisabledBarDrawsOnlyTheBackgroundAndIgnoresTheMouse) {
    bar.SetScrollInfo(0, 10, 0, 4, 0);
    bar.EnableBar(false);
    Drain();
    for (int y = 100; y < 300; y += 7) ASSERT_EQ(At(707, y), Back(707, y));
    backend->Click({705, 280});
    RunFor(100);
    EXPECT_TRUE(scrolls.empty());
}

TEST_F(ScrollPage, OnePageHoldsEveryWidgetAndTakesScriptedInput) {
    // Labels of each style bit down the left.
    std::vector<std::unique_ptr<CXStatic>> labels;
    const uint32_t labelStyles[] = {0,          kLabelShadow, kLabelNoRestore, kLabelGrow,       kLabelShrink,
                                    kLabelCentred | kLabelSingleLine, kLabelRight | kLabelSingleLine,
                                    kLabelBand | kLabelSingleLine, kLabelNoClip, kLabelAutoSize};
    int y = 20;
    for (uint32_t style : labelStyles) {
        auto l = std::make_unique<CXStatic>();
        ASSERT_TRUE(l->Create("Attendance", WS_VISIBLE, Rect{20, y, 180, y + 22}, page.get(), 100 + y));
        l->SetLabelStyle(style);
        l->SetFont("Arial", 10, true);
        l->SetColours(RGB(255, 255, 255), RGB(0, 0, 120));
        l->SetText("Attendance 21,400");
        l->Refresh();
        labels.push_back(std::move(l));
        y += 26;
    }
    // Buttons of every style across the middle.
    auto push = Button(20, {220, 20, 340, 52}, kButtonBitmaps | kButtonPush | kButtonText, "Continue");
    auto plain = Button(21, {220, 60, 340, 92}, kButtonBitmaps | kButtonPush | kButtonTransparent | kButtonText, "Back");
    auto greyed = Button(22, {220, 100, 340, 132}, kButtonBitmaps | kButtonPush | kButtonText, "Sack");
    greyed->SetGreyed(true);
    greyed->SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    auto check = Button(23, {220, 140, 236, 156}, kButtonBitmaps | kButtonPush | kButtonCheck | kButtonTransparent);
    const uint32_t radio = kButtonBitmaps | kButtonPush | kButtonCheck | kButtonRadio | kButtonTransparent;
    auto r1 = Button(24, {220, 170, 236, 186}, radio);
    auto r2 = Button(25, {240, 170, 256, 186}, radio);
    r1->SetTicked(true);
    auto two = Button(26, {360, 20, 424, 84}, kButtonBitmaps | kButtonTwoFrame | kButtonTransparent);
    auto turn = Button(27, {430, 20, 494, 84}, kButtonBitmaps | kButtonAnimated | kButtonTurnAtEnd | kButtonTransparent);
    auto fast = Button(28, {500, 20, 564, 84}, kButtonBitmaps | kButtonAnimated | kButtonFromStart | kButtonTransparent);
    auto loop = Button(29, {570, 20, 634, 84}, kButtonBitmaps | kButtonAnimated | kButtonTransparent);
    // A message panel and the scroll bar of the fixture.
    CXMessageDisplay panel;
    ASSERT_TRUE(panel.Create("", WS_VISIBLE, Rect{220, 300, 600, 420}, page.get(), 60, "Arial", -13,
                             RGB(255, 255, 255), 1, 0));
    for (int i = 0; i < 12; ++i) panel.AddLine("Matchday " + std::to_string(i + 1) + ": a draw at home.");
    panel.Redraw();
    bar.SetScrollInfo(0, 10, 0, 4, 0);
    bar.Redraw();
    for (auto* b : {push.get(), plain.get(), greyed.get(), check.get(), r1.get(), r2.get()}) b->Redraw();
    Drain();
    Played(4);

    // Hover the animated ones, click a push button, a check box and a
    // radio button, page the bar down.
    backend->MoveTo({460, 50});
    RunFor(40);
    EXPECT_TRUE(Played(4));
    EXPECT_EQ(turn->GetAnimationState(), 2);
    backend->MoveTo({530, 50});
    RunFor(40);
    EXPECT_FALSE(Played(4));  // straight from one to the next
    EXPECT_EQ(fast->GetAnimationState(), 2);
    backend->MoveTo({200, 250});
    RunFor(40);
    backend->Click({280, 36}, MouseButton::Left, 10);
    backend->Click({228, 148}, MouseButton::Left, 600);
    backend->Click({248, 178}, MouseButton::Left, 600);
    backend->Click({280, 116}, MouseButton::Left, 600);  // greyed: no click
    backend->Click({705, 270}, MouseButton::Left, 600);
    RunFor(3000);
    EXPECT_EQ(clicks, (std::vector<uint32_t>{20, 23, 25}));
    EXPECT_TRUE(check->IsTicked());
    EXPECT_TRUE(r2->IsTicked());
    EXPECT_FALSE(r1->IsTicked());
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(scrolls[0], (std::pair<uint32_t, int>{SB_PAGEDOWN, 4}));
    Save("test_page");

    // Pixels: the greyed text, the thumb after its page step, the panel's
    // bar at its first drawing.
    int grey = 0;
    for (int x = 220; x < 340; ++x)
        for (int yy = 100; yy < 132; ++yy) grey += At(x, yy) == MakePixel(128, 128, 128);
    EXPECT_GT(grey, 10);
    EXPECT_GT(bar.GetThumb(), bar.GetArrowHeight());
    const int thumbY = 100 + bar.GetThumb() + 3;
    EXPECT_NE(At(707, thumbY), Back(707, thumbY));
    EXPECT_EQ(At(707, 100 + bar.GetArrowHeight() + 2), Back(707, 100 + bar.GetArrowHeight() + 2));
    EXPECT_TRUE(panel.IsBarShown());
    EXPECT_EQ(panel.GetTopLine(), 0);
    int ink = 0;
    for (int x = 20; x < 180; ++x)
        for (int yy = 20; yy < 40; ++yy) ink += At(x, yy) == MakePixel(255, 255, 255);
    EXPECT_GT(ink, 20);
}

}  // namespace
