#include "platform/window/button.h"
#include "platform/window/dialog.h"
#include "platform/window/statusbar.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class OwnerDrawn : public Button {
public:
    std::vector<uint32_t> states;
    void DrawItem(const DrawItemInfo& info) override { states.push_back(info.itemState); }
};

class ControlsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(button.CreateButton("Go", BS_OWNERDRAW | WS_VISIBLE, {10, 10, 60, 30}, &main, 42));
        Drain();
        button.states.clear();
    }
    int Clicks() const {
        int n = 0;
        for (auto& s : main.seen) n += s.msg == WM_COMMAND && LowWord(s.w) == 42 && HighWord(s.w) == BN_CLICKED;
        return n;
    }
    OwnerDrawn button;
};

TEST_F(ControlsTest, ButtonClicksOnReleaseInsideOnly) {
    backend->Click({20, 20});
    backend->Press({20, 20}, MouseButton::Left, 600);
    backend->MoveTo({100, 100}, 10);  // dragged off: it pops up and no click comes
    backend->Release({100, 100}, MouseButton::Left, 10);
    RunToEnd();
    EXPECT_EQ(Clicks(), 1);
    EXPECT_FALSE(button.IsPushed());
    EXPECT_EQ(Ui::Get().GetCapture(), nullptr);
}

TEST_F(ControlsTest, ButtonDrawsPushedStatesAndTakesDoubleClicksAsPresses) {
    backend->Click({20, 20});
    backend->Click({20, 20}, MouseButton::Left, 50);  // a double click
    RunToEnd();
    EXPECT_EQ(Clicks(), 2);
    bool sawSelected = false, sawFocus = false;
    for (uint32_t s : button.states) {
        sawSelected |= (s & ODS_SELECTED) != 0;
        sawFocus |= (s & ODS_FOCUS) != 0;
    }
    EXPECT_TRUE(sawSelected);
    EXPECT_TRUE(sawFocus);
    button.Enable(false);
    Drain();
    ASSERT_FALSE(button.states.empty());
    EXPECT_NE(button.states.back() & ODS_DISABLED, 0u);
}

TEST_F(ControlsTest, ButtonSpaceKey) {
    Ui::Get().SetFocus(&button);
    backend->Key(VK_SPACE);
    RunToEnd();
    EXPECT_EQ(Clicks(), 1);
}

class TestDialog : public Dialog {
public:
    Button ok;
    bool OnInitDialog() override { return ok.CreateButton("OK", WS_VISIBLE, {10, 40, 80, 60}, this, 1); }
};

TEST_F(ControlsTest, DialogEndCodesFromKeysAndButtons) {
    struct Case {
        const char* what;
        std::function<void()> act;
        int expected;
    };
    const std::vector<Case> cases = {
        {"Enter", [&] { backend->Key(VK_RETURN); }, 1},
        {"Escape", [&] { backend->Key(VK_ESCAPE); }, 2},
        {"OK button", [&] {
             Window* d = Ui::Get().GetActiveWindow();
             Point p = main.ScreenToClient(d->ClientToScreen(Point{20, 50}));
             backend->Click(p);
         }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDialog dlg;
        bool ownerDisabled = false;
        backend->OnModalShown([&] {
            ownerDisabled = !main.IsEnabled();
            c.act();
        });
        int code = -1;
        main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
            if (m == WM_USER) code = dlg.DoModal(&main, {200, 100}, "Test");
        };
        main.Post(WM_USER);
        Message msg;
        while (code == -1 && Ui::Get().PumpOne()) {
        }
        main.hook = nullptr;
        EXPECT_EQ(code, c.expected);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(main.IsEnabled());
        EXPECT_FALSE(dlg.IsAlive());
    }
}

TEST_F(ControlsTest, DialogIsCentredOnTheMainWindow) {
    TestDialog dlg;
    Rect placed;
    backend->OnModalShown([&] {
        placed = dlg.WindowRect();
        dlg.EndDialog(5);
    });
    EXPECT_EQ(dlg.DoModal(&main, {200, 100}), 5);
    Rect m = main.WindowRect();
    EXPECT_EQ(placed, Rect::XYWH(m.left + 100, m.top + 100, 200, 100));
}

TEST_F(ControlsTest, StatusBarPanesLayOutAndUpdateWhenIdle) {
    StatusBar bar;
    ASSERT_TRUE(bar.CreateBar(&main));
    EXPECT_EQ(bar.WindowRect(), (Rect{0, 300 - kStatusBarHeight, 400, 300}));
    bar.SetIndicators({0, 369, 370});
    bar.SetPaneInfo(0, 0, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    bar.SetPaneInfo(1, 369, SBPS_NORMAL, 100);
    bar.SetPaneInfo(2, 370, SBPS_DISABLED, 100);
    EXPECT_EQ(bar.CommandToIndex(370), 2);
    EXPECT_EQ(bar.CommandToIndex(500), -1);
    // Fixed panes keep their width plus their edges; the stretching one takes the rest.
    EXPECT_EQ(bar.PaneRect(1).Width(), 104);
    EXPECT_EQ(bar.PaneRect(2).right, 400 - 2);
    EXPECT_EQ(bar.PaneRect(0).left, 2);
    EXPECT_EQ(bar.PaneRect(1).left, bar.PaneRect(0).right + 2);
    int updates = 0;
    bar.SetUpdateHandler([&](size_t index, uint32_t, StatusBar::PaneUpdate& u) {
        ++updates;
        if (index == 2) {
            u.enabled = true;
            u.text = "Tuesday";
            u.setText = true;
        }
    });
    backend->SetTimeLimit(10);
    RunToEnd();
    EXPECT_GE(updates, 3);
    EXPECT_EQ(bar.GetPaneText(2), "Tuesday");
    EXPECT_EQ(bar.GetPane(2).style & SBPS_DISABLED, 0u);
}

}  // namespace
}  // namespace wintest
