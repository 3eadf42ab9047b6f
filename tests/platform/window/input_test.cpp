#include "window_fixture.h"

namespace wintest {
namespace {

class InputTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(a.Create(&main, {0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, 1));
        ASSERT_TRUE(b.Create(&main, {200, 0, 300, 100}, WS_CHILD | WS_VISIBLE, 2));
        a.SetClassStyle(CS_DBLCLKS);
    }
    Recorder a, b;
};

TEST_F(InputTest, DoubleClickOrderAndTiming) {
    struct Case {
        const char* what;
        uint64_t gap;
        Point second;
        std::vector<uint32_t> expected;
    };
    const std::vector<Case> cases = {
        {"quick and close", 100, {12, 10}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        {"at the limit", 480, {14, 14}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        {"too slow", 481, {10, 10}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {"too far", 100, {15, 10}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        a.seen.clear();
        backend->Click({10, 10}, MouseButton::Left, 1000);  // press, release 20 ms later
        backend->Press(c.second, MouseButton::Left, c.gap);
        backend->Release(c.second, MouseButton::Left, 20);
        while (!backend->ScriptDone()) Ui::Get().PumpOne();
        Drain();
        EXPECT_EQ(a.Messages({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}), c.expected);
    }
}

TEST_F(InputTest, ThirdPressStartsAgainAndPlainWindowsGetNoDoubleClicks) {
    for (int i = 0; i < 3; ++i) backend->Click({10, 10}, MouseButton::Left, 50);
    for (int i = 0; i < 2; ++i) backend->Click({210, 10}, MouseButton::Left, 50);
    RunToEnd();
    EXPECT_EQ(a.Messages({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<uint32_t>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
    EXPECT_EQ(b.Count(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(b.Count(WM_LBUTTONDOWN), 2);
}

TEST_F(InputTest, MouseGoesToTheVisibleEnabledWindowUnderIt) {
    Recorder hidden;
    ASSERT_TRUE(hidden.Create(&a, {0, 0, 50, 50}, WS_CHILD, 3));
    backend->Click({20, 30});
    backend->Click({250, 40}, MouseButton::Right);
    b.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_RBUTTONUP) b.Enable(false);
    };
    backend->Click({260, 40}, MouseButton::Left, 10);  // a disabled child: its parent gets the press
    RunToEnd();
    ASSERT_EQ(a.Count(WM_LBUTTONDOWN), 1);
    EXPECT_TRUE(hidden.seen.empty() || hidden.Count(WM_LBUTTONDOWN) == 0);
    auto it = std::find_if(a.seen.begin(), a.seen.end(), [](auto& s) { return s.msg == WM_LBUTTONDOWN; });
    EXPECT_EQ(PointFromParam(it->l), (Point{20, 30}));
    EXPECT_EQ(it->w & MK_LBUTTON, MK_LBUTTON);
    auto rb = std::find_if(b.seen.begin(), b.seen.end(), [](auto& s) { return s.msg == WM_RBUTTONDOWN; });
    ASSERT_NE(rb, b.seen.end());
    EXPECT_EQ(PointFromParam(rb->l), (Point{50, 40}));
    EXPECT_EQ(b.Count(WM_LBUTTONDOWN), 0);
    EXPECT_GE(main.Count(WM_LBUTTONDOWN), 1);
    // The parent heard of the press on its child, in its own coordinates.
    auto pn = std::find_if(main.seen.begin(), main.seen.end(), [](auto& s) { return s.msg == WM_PARENTNOTIFY; });
    ASSERT_NE(pn, main.seen.end());
    EXPECT_EQ(LowWord(pn->w), WM_LBUTTONDOWN);
    EXPECT_EQ(PointFromParam(pn->l), (Point{20, 30}));
}

TEST_F(InputTest, CaptureKeepsTheMouseButWindowFromPointDoesNot) {
    bool captured = false;
    a.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_LBUTTONDOWN) {
            Ui::Get().SetCapture(&a);
            captured = true;
        }
        if (m == WM_LBUTTONUP) Ui::Get().ReleaseCapture();
    };
    backend->Press({10, 10});
    backend->MoveTo({250, 50}, 10);
    backend->Release({250, 50}, MouseButton::Left, 10);
    backend->MoveTo({251, 50}, 10);
    Window* underPointer = nullptr;
    a.hook = [&, inner = a.hook](uint32_t m, uintptr_t w, intptr_t l) {
        inner(m, w, l);
        if (m == WM_MOUSEMOVE) underPointer = Ui::Get().WindowFromPoint(Ui::Get().CursorPos());
    };
    RunToEnd();
    EXPECT_TRUE(captured);
    auto mv = std::find_if(a.seen.begin(), a.seen.end(), [](auto& s) { return s.msg == WM_MOUSEMOVE; });
    ASSERT_NE(mv, a.seen.end());
    EXPECT_EQ(PointFromParam(mv->l), (Point{250, 50}));  // in a's coordinates, past its edge
    EXPECT_EQ(underPointer, &b);
    EXPECT_EQ(a.Count(WM_LBUTTONUP), 1);
    EXPECT_EQ(a.Count(WM_CAPTURECHANGED), 1);
    EXPECT_EQ(b.Count(WM_MOUSEMOVE), 1);  // after the release, moves go where the pointer is
    EXPECT_EQ(b.Count(WM_LBUTTONUP), 0);
}

TEST_F(InputTest, KeyRepeatWhileHeld) {
    Ui::Get().SetFocus(&a);
    backend->HoldKey(VK_LEFT, 600);
    RunToEnd();
    std::vector<intptr_t> flags;
    for (auto& s : a.seen)
        if (s.msg == WM_KEYDOWN) flags.push_back(s.l);
    // Down at 0, repeats from 500 ms every 33 ms until released at 600.
    ASSERT_EQ(flags.size(), 5u);
    EXPECT_EQ(flags[0] & KF_REPEAT_BIT, 0);
    for (size_t i = 1; i < flags.size(); ++i) EXPECT_NE(flags[i] & KF_REPEAT_BIT, 0);
    EXPECT_EQ(a.Count(WM_KEYUP), 1);
    EXPECT_FALSE(Ui::Get().IsKeyDown(VK_LEFT));
}

TEST_F(InputTest, TypedCharactersAreWindows1252) {
    Ui::Get().SetFocus(&b);
    backend->Type("a\xC3\xA9\xE2\x82\xAC\xE2\x9C\x93\xC2\xA3");  // a é € ✓ £
    backend->Key(VK_RETURN);
    backend->Key('A');
    RunToEnd();
    std::vector<uintptr_t> chars;
    for (auto& s : b.seen)
        if (s.msg == WM_CHAR) chars.push_back(s.w);
    EXPECT_EQ(chars, (std::vector<uintptr_t>{'a', 0xE9, 0x80, 0xA3, 13}));
    EXPECT_EQ(b.Messages({WM_KEYDOWN, WM_CHAR, WM_KEYUP}).size(), 5u + 4u);
}

TEST_F(InputTest, FocusMessagesAndKeyState) {
    EXPECT_EQ(Ui::Get().SetFocus(&a), nullptr);
    EXPECT_EQ(Ui::Get().SetFocus(&b), &a);
    EXPECT_EQ(a.Count(WM_KILLFOCUS), 1);
    EXPECT_EQ(b.Count(WM_SETFOCUS), 1);
    b.Destroy();
    EXPECT_EQ(Ui::Get().GetFocus(), nullptr);
    backend->KeyDown(VK_CONTROL);
    backend->Click({10, 10}, MouseButton::Left, 10);
    RunToEnd();
    auto down = std::find_if(a.seen.begin(), a.seen.end(), [](auto& s) { return s.msg == WM_LBUTTONDOWN; });
    ASSERT_NE(down, a.seen.end());
    EXPECT_EQ(down->w & MK_CONTROL, MK_CONTROL);
    EXPECT_LT(Ui::Get().GetKeyState(VK_CONTROL), 0);
}

TEST_F(InputTest, ActivationReachesTopLevelWindows) {
    InputEvent off(InputEvent::Kind::Activate);
    off.active = false;
    backend->Add(10, off);
    InputEvent on(InputEvent::Kind::Activate);
    on.active = true;
    backend->Add(10, on);
    RunToEnd();
    std::vector<uintptr_t> states;
    for (auto& s : main.seen)
        if (s.msg == WM_ACTIVATEAPP) states.push_back(s.w);
    EXPECT_EQ(states, (std::vector<uintptr_t>{0, 1}));
    EXPECT_EQ(Ui::Get().GetForegroundWindow(), &main);
}

TEST_F(InputTest, ScriptFileSteps) {
    EXPECT_TRUE(backend->LoadScript("move 1 2\nfly 3").has_value());
    auto err = backend->LoadScript("# a script\nwait 50\nclick 10 10\nkey return\nhold left 40\ntext hé\n");
    EXPECT_FALSE(err.has_value()) << *err;
    Ui::Get().SetFocus(&a);
    RunToEnd();
    EXPECT_EQ(a.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(a.Count(WM_KEYDOWN), 2);
    EXPECT_EQ(a.Count(WM_CHAR), 3);  // Return, h, é
}

}  // namespace
}  // namespace wintest
