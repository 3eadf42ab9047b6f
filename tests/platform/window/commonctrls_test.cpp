#include <cstring>

#include "platform/window/commonctrls.h"
#include "platform/window/tooltips.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class TipOwner : public Recorder {
public:
    ToolTipManager tips;
    int asked = 0;

protected:
    void OnMouseMove(uint32_t, Point pt) override { tips.RelayMouse(WM_MOUSEMOVE, pt); }
    void OnLButtonDown(uint32_t, Point pt) override { tips.RelayMouse(WM_LBUTTONDOWN, pt); }
    intptr_t OnNotify(uintptr_t, intptr_t l) override {
        auto* ttt = reinterpret_cast<ToolTipText*>(l);
        if (ttt->hdr.code != TTN_NEEDTEXT) return 0;
        ++asked;
        std::string t = "Tool " + std::to_string(ttt->toolId) + std::string(100, 'x');
        std::memcpy(ttt->szText, t.data(), sizeof ttt->szText);  // fills it, no terminator
        return 0;
    }
};

class CommonControlsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(owner.Create(&main, {0, 0, 200, 200}, WS_CHILD | WS_VISIBLE));
        ASSERT_TRUE(owner.tips.CreateFor(&owner, [](Point p) { return p.x < 100 ? 1 : 2; }));
    }
    TipOwner owner;
};

TEST_F(CommonControlsTest, ToolTipShowsAfterTheDelayAndPopsAfterFiveSeconds) {
    backend->MoveTo({10, 10});
    bool shownEarly = true, shownLate = false, shownAfterPop = true;
    Ui::Get().StartPeriodicTimer(100, [&] {
        uint64_t t = backend->NowMs();
        if (t == 400) shownEarly = owner.tips.IsShown();
        if (t == 600) shownLate = owner.tips.IsShown();
        if (t == 5600) shownAfterPop = owner.tips.IsShown();
    });
    backend->SetEndWhenScriptDone(false);
    backend->SetTimeLimit(5700);
    RunToEnd();
    EXPECT_FALSE(shownEarly);
    EXPECT_TRUE(shownLate);
    EXPECT_FALSE(shownAfterPop);
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(owner.tips.Text().size(), 79u);  // the old 80-byte buffer
    EXPECT_EQ(owner.tips.Text().rfind("Tool 1", 0), 0u);
}

TEST_F(CommonControlsTest, ToolTipHidesOnLeavingAndOnAPress) {
    backend->MoveTo({10, 10});
    backend->MoveTo({150, 10}, 700);  // shown over tool 1, then the pointer moves to tool 2
    backend->Press({150, 10}, MouseButton::Left, 700);  // shown over tool 2, then a press
    backend->Pause(1000);
    std::vector<int> shownTools;
    Ui::Get().StartPeriodicTimer(50, [&] {
        if (owner.tips.IsShown() && (shownTools.empty() || shownTools.back() != owner.tips.CurrentTool()))
            shownTools.push_back(owner.tips.CurrentTool());
    });
    RunToEnd();
    EXPECT_EQ(shownTools, (std::vector<int>{1, 2}));
    EXPECT_FALSE(owner.tips.IsShown());
}

class UpDownParent : public Recorder {
public:
    bool refuse = false;
    std::vector<int> deltas;

protected:
    intptr_t OnNotify(uintptr_t, intptr_t l) override {
        auto* nm = reinterpret_cast<NotifyUpDown*>(l);
        if (nm->hdr.code == UDN_DELTAPOS) deltas.push_back(nm->iDelta);
        return refuse ? 1 : 0;
    }
};

TEST_F(CommonControlsTest, UpDownStepsAsksFirstAndRepeatsWhileHeld) {
    UpDownParent parent;
    ASSERT_TRUE(parent.Create(&main, {200, 0, 300, 100}, WS_CHILD | WS_VISIBLE));
    UpDownCtrl ud;
    ASSERT_TRUE(ud.CreateUpDown(&parent, {0, 0, 16, 40}, WS_VISIBLE, 5));
    ud.SetRange(0, 10);
    ud.SetPos(5);
    backend->Click({205, 5});   // upper arrow
    backend->Click({205, 35}, MouseButton::Left, 600);  // lower arrow
    backend->Press({205, 5}, MouseButton::Left, 600);
    backend->Release({205, 5}, MouseButton::Left, 750);  // held: 500 ms, then every 100 ms
    RunToEnd();
    EXPECT_EQ(parent.deltas.size(), 2u + 1u + 3u);
    EXPECT_EQ(ud.GetPos(), 5 + 1 - 1 + 4);
    EXPECT_GE(parent.Count(WM_VSCROLL), 3);
}

TEST_F(CommonControlsTest, UpDownRefusedByTheParent) {
    UpDownParent parent;
    parent.refuse = true;
    ASSERT_TRUE(parent.Create(&main, {200, 0, 300, 100}, WS_CHILD | WS_VISIBLE));
    UpDownCtrl ud;
    ASSERT_TRUE(ud.CreateUpDown(&parent, {0, 0, 16, 40}, WS_VISIBLE, 5));
    ud.SetRange(0, 10);
    ud.SetPos(5);
    backend->Click({205, 5});
    RunToEnd();
    EXPECT_EQ(parent.deltas, (std::vector<int>{1}));
    EXPECT_EQ(ud.GetPos(), 5);
    EXPECT_EQ(parent.Count(WM_VSCROLL), 0);
}

class Tabs : public TabCtrl {
public:
    int reflected = 0;
    bool keep = false;

protected:
    bool OnSelChange() override {
        ++reflected;
        bool kept = keep;
        keep = true;  // after the first change, the reflection keeps them
        return kept;
    }
};

TEST_F(CommonControlsTest, TabSelectionNotifies) {
    Tabs tabs;
    ASSERT_TRUE(tabs.CreateTabs(&main, {0, 250, 300, 300}, WS_VISIBLE, 9));
    tabs.InsertItem(0, "World");
    tabs.InsertItem(1, "Clubs");
    EXPECT_EQ(tabs.GetCurSel(), 0);
    Rect second = tabs.GetItemRect(1), first = tabs.GetItemRect(0);
    int afterFirst = -1;
    tabs.keep = false;
    backend->Click({second.left + 4, 250 + second.top + 4});
    backend->Click({first.left + 4, 250 + first.top + 4}, MouseButton::Left, 600);
    Ui::Get().StartPeriodicTimer(300, [&] {
        if (afterFirst < 0) afterFirst = main.Count(WM_NOTIFY);
    });
    RunToEnd();
    EXPECT_EQ(afterFirst, 2);  // changing, then change
    EXPECT_EQ(tabs.reflected, 2);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(main.Count(WM_NOTIFY), 3);  // the second change went no further than the control
}

}  // namespace
}  // namespace wintest
