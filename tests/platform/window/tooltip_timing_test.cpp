// The tip timing the framework's tips and the widgets' tips share: the
// initial, reshow and auto-pop delays, and what hides a tip.
#include <memory>

#include "platform/window/tooltips.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class TipTimingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        backend->SetEndWhenScriptDone(false);
        timing.SetHooks({[](Point p) { return p.x < 0 ? -1 : p.x / 100; },  // tools 100 px wide
                         [this](int tool) {
                             shows.push_back({Ui::Get().NowMs(), tool});
                             return tool != 9;  // tool 9 has no text
                         },
                         [this] { ++hides; }});
    }
    // `fn` runs at `ms` on the virtual clock.
    void At(uint64_t ms, std::function<void()> fn) {
        auto id = std::make_shared<uint32_t>(0);
        *id = Ui::Get().StartPeriodicTimer(uint32_t(ms), [id, fn] {
            Ui::Get().StopPeriodicTimer(*id);
            fn();
        });
    }
    void MoveAt(uint64_t ms, int x) {
        At(ms, [this, x] { timing.Relay(WM_MOUSEMOVE, {x, 5}); });
    }
    void RunUntil(uint64_t ms) {
        backend->SetTimeLimit(ms);
        RunToEnd();
    }
    struct Shown {
        uint64_t at;
        int tool;
        bool operator==(const Shown&) const = default;
    };
    ToolTipTiming timing;
    std::vector<Shown> shows;
    int hides = 0;
};

TEST_F(TipTimingTest, InitialThenReshowThenInitialAgainAfterAPause) {
    std::vector<uint32_t> pending;
    MoveAt(100, 50);                                              // tool 0
    MoveAt(800, 150);                                             // straight on to tool 1
    At(801, [&] { pending.push_back(timing.PendingDelay()); });
    MoveAt(1000, -5);                                             // off every tool
    MoveAt(1700, 250);                                            // tool 2, long after
    At(1701, [&] { pending.push_back(timing.PendingDelay()); });
    MoveAt(2300, 350);                                            // tool 3 soon after tool 2 was shown
    RunUntil(3000);
    EXPECT_EQ(shows, (std::vector<Shown>{{600, 0}, {900, 1}, {2200, 2}, {2400, 3}}));
    EXPECT_EQ(pending, (std::vector<uint32_t>{kToolTipReshowMs, kToolTipInitialMs}));
    EXPECT_EQ(hides, 3);
}

TEST_F(TipTimingTest, AutoPopAndAPressKeepTheToolQuietUntilItChanges) {
    bool shownAfterPop = true, shownAfterPress = true;
    MoveAt(100, 50);                       // shown at 600, popped at 5600
    MoveAt(5700, 60);                      // still tool 0: stays hidden
    At(6500, [&] { shownAfterPop = timing.Shown(); });
    MoveAt(6600, 150);                     // tool 1 (the pop was no leaving: the initial delay)
    At(7200, [&] { timing.Relay(WM_LBUTTONDOWN, {150, 5}); });
    MoveAt(7300, 160);
    At(8000, [&] { shownAfterPress = timing.Shown(); });
    MoveAt(8100, 250);                     // a new tool after a press: the initial delay
    MoveAt(9000, 950);                     // tool 9 has no text: nothing shows
    RunUntil(10000);
    EXPECT_FALSE(shownAfterPop);
    EXPECT_FALSE(shownAfterPress);
    EXPECT_EQ(shows, (std::vector<Shown>{{600, 0}, {7100, 1}, {8600, 2}, {9100, 9}}));
    EXPECT_FALSE(timing.Shown());
}

TEST_F(TipTimingTest, ResetForgetsTheToolAndATimingDestroyedEarlyLeavesNoTimer) {
    MoveAt(100, 50);
    At(700, [&] { timing.Reset(); });
    MoveAt(800, 60);  // the same tool again counts as new after a reset
    {
        auto early = std::make_unique<ToolTipTiming>(ToolTipTiming::Hooks{[](Point) { return 0; }, [](int) {
                                                                               ADD_FAILURE() << "shown after destruction";
                                                                               return true;
                                                                           },
                                                                           {}});
        early->Relay(WM_MOUSEMOVE, {1, 1});
    }
    RunUntil(2000);
    EXPECT_EQ(shows, (std::vector<Shown>{{600, 0}, {1300, 0}}));
    EXPECT_EQ(hides, 1);
}

}  // namespace
}  // namespace wintest
