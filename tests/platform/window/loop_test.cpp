#include "window_fixture.h"

namespace wintest {
namespace {

constexpr uint32_t WM_PING = WM_USER + 1;

TEST_F(WindowTest, PostedBeforePaintBeforeTimer) {
    Recorder child;
    ASSERT_TRUE(child.Create(&main, {10, 10, 50, 50}, WS_CHILD | WS_VISIBLE));
    Drain();
    main.seen.clear();
    ASSERT_NE(main.SetTimer(7, 10), 0u);
    backend->AdvanceTime(20);
    main.Invalidate();
    main.Post(WM_PING);
    std::vector<uint32_t> order;
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_PING || m == WM_PAINT || m == WM_TIMER) order.push_back(m);
        if (m == WM_TIMER) Ui::Get().PostQuitMessage(0);
    };
    Ui::Get().Run();
    EXPECT_EQ(order, (std::vector<uint32_t>{WM_PING, WM_PAINT, WM_TIMER}));
}

TEST_F(WindowTest, SlowTimerHandlerNeverBuildsBacklog) {
    main.SetTimer(1, 55);
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_TIMER) backend->AdvanceTime(300);  // a tick slower than its interval
    };
    backend->SetTimeLimit(3000);
    RunToEnd();
    // Back to back, a tick costs 300 ms: never the 54 ticks 3000 / 55 would give.
    EXPECT_LE(main.Count(WM_TIMER), 11);
    EXPECT_GE(main.Count(WM_TIMER), 9);
}

TEST_F(WindowTest, NothingReachesADestroyedWindow) {
    Recorder child;
    ASSERT_TRUE(child.Create(&main, {0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
    child.Post(WM_PING);
    child.SetTimer(3, 10);
    child.Destroy();
    EXPECT_FALSE(child.Post(WM_PING));
    EXPECT_EQ(child.Send(WM_PING), 0);
    backend->SetTimeLimit(200);
    child.seen.clear();
    RunToEnd();
    EXPECT_TRUE(child.seen.empty());
    EXPECT_EQ(Ui::Get().FromHandle(child.Handle()), nullptr);
}

TEST_F(WindowTest, NestedLoopsAllEndOnQuit) {
    int innerReturned = -1;
    bool outerEnded = false;
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_PING) {
            bool ended = Ui::Get().RunModalLoop(&main, [] { return true; });
            innerReturned = ended ? 1 : 0;
        }
        if (m == WM_PING + 1) {
            bool ended = Ui::Get().RunModalLoop(&main, [] { return true; });
            EXPECT_FALSE(ended);
        }
        if (m == WM_PING + 2) Ui::Get().PostQuitMessage(5);
    };
    main.Post(WM_PING);
    main.Post(WM_PING + 1);
    main.Post(WM_PING + 2);
    EXPECT_EQ(Ui::Get().Run(), 5);
    outerEnded = true;
    EXPECT_EQ(innerReturned, 0);
    EXPECT_TRUE(outerEnded);
    EXPECT_TRUE(main.IsEnabled());  // the loops gave the owner back
}

TEST_F(WindowTest, ModalLoopDisablesOwnerAndDropsClose) {
    bool done = false;
    bool enabledInside = true;
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m == WM_PING) {
            Ui::Get().RunModalLoop(&main, [&] { return !done; });
        }
        if (m == WM_PING + 1) {
            enabledInside = main.IsEnabled();
            done = true;
        }
    };
    main.Post(WM_PING);
    backend->Close(10);
    backend->Add(20, InputEvent::Kind::Expose);
    main.Post(WM_PING + 1);
    Message msg;
    while (!done && Ui::Get().PumpOne()) {
    }
    EXPECT_FALSE(enabledInside);
    EXPECT_EQ(main.Count(WM_CLOSE), 0);
    EXPECT_TRUE(main.IsAlive());
}

TEST_F(WindowTest, ModalLoopAnswersScriptGivenBeforeIt) {
    backend->Key(VK_RETURN, 100);
    bool gotReturn = false;
    bool ended = false;
    int shownActions = 0;
    backend->OnModalShown([&] { ++shownActions; });
    main.hook = [&](uint32_t m, uintptr_t w, intptr_t) {
        if (m == WM_PING) ended = Ui::Get().RunModalLoop(nullptr, [&] { return !gotReturn; });
        if (m == WM_KEYDOWN && w == VK_RETURN) gotReturn = true;
    };
    main.Post(WM_PING);
    RunToEnd();
    EXPECT_TRUE(gotReturn);
    EXPECT_TRUE(ended);
    EXPECT_EQ(shownActions, 1);
}

class SelfDeleting : public Window {
public:
    bool* deleted;
    int touched = 0;
    explicit SelfDeleting(bool* d) : deleted(d) {}
    ~SelfDeleting() override { *deleted = true; }

protected:
    intptr_t OnMessage(uint32_t msg, uintptr_t, intptr_t) override {
        if (msg == WM_PING) {
            DeleteLater();
            // Still safe: the object lives until this handler is over.
            Ui::Get().RunModalLoop(nullptr, [this] { return ++touched < 3; });
            ++touched;
        }
        return 0;
    }
};

TEST_F(WindowTest, DeferredDeletionFromInsideAHandler) {
    bool deleted = false;
    auto* w = new SelfDeleting(&deleted);
    ASSERT_TRUE(w->Create(&main, {0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
    main.Invalidate();
    w->Post(WM_PING);
    Message m;
    ASSERT_TRUE(Ui::Get().GetMessage(m));
    Ui::Get().DispatchMessage(m);
    EXPECT_FALSE(deleted);  // the modal loop inside the handler did not delete it
    backend->SetTimeLimit(100);
    RunToEnd();
    EXPECT_TRUE(deleted);
}

TEST_F(WindowTest, TimersCanFailAndPeriodicTimersRunOnTheLoop) {
    Ui::Get().SetTimersFail(true);
    EXPECT_EQ(main.SetTimer(4, 1000), 0u);
    EXPECT_EQ(Ui::Get().StartPeriodicTimer(10, [] {}), 0u);
    Ui::Get().SetTimersFail(false);
    int ticks = 0;
    uint32_t id = Ui::Get().StartPeriodicTimer(100, [&] {
        if (++ticks == 5) Ui::Get().PostQuitMessage(0);
    });
    ASSERT_NE(id, 0u);
    Ui::Get().Run();
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(backend->NowMs(), 500u);
}

TEST_F(WindowTest, TerminationEndsTheLoop) {
    main.SetTimer(1, 1000);
    Ui::RequestTerminate();
    EXPECT_EQ(Ui::Get().Run(), 0);
    EXPECT_EQ(main.Count(WM_CLOSE), 0);
}

TEST_F(WindowTest, HeadlessRunEndsAtItsTimeLimit) {
    main.SetTimer(1, 100);
    backend->SetTimeLimit(1000);
    RunToEnd();
    EXPECT_EQ(main.Count(WM_TIMER), 10);
    EXPECT_TRUE(backend->Ended());
}

TEST_F(WindowTest, CommandsAndIdleHandlers) {
    int idle = 0;
    Ui::Get().AddIdleHandler([&] { ++idle; });
    main.Post(WM_PING);
    main.Post(WM_PING);
    backend->SetTimeLimit(10);
    RunToEnd();
    EXPECT_GE(idle, 1);
    EXPECT_LE(idle, 3);  // once each time the queue runs dry, not once a message
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

TEST_F(WindowTest, ATestsCallRunsInOrderWithTheScriptAndInsideModalLoops) {
    std::vector<std::string> order;
    main.hook = [&](uint32_t msg, uintptr_t, intptr_t) {
        if (msg == WM_LBUTTONDOWN) order.push_back("press");
    };
    backend->Press({10, 10});
    backend->Call([&] {
        order.push_back("call " + std::to_string(main.Count(WM_LBUTTONDOWN)));
        // A call may post; what it posts is handled before the next step.
        main.Post(WM_USER + 1);
    });
    backend->Call([&] { order.push_back("second " + std::to_string(main.Count(WM_USER + 1))); }, 30);
    backend->Call([&] {
        // A modal loop started by a call gets the steps given after it.
        bool going = true;
        backend->Call([&] {
            order.push_back("inside modal");
            going = false;
        });
        Ui::Get().RunModalLoop(&main, [&] { return going; });
        order.push_back("modal over");
    });
    RunToEnd();
    EXPECT_EQ(order, (std::vector<std::string>{"press", "call 1", "second 1", "inside modal", "modal over"}));
}

TEST_F(WindowTest, TheTimerActionRunsAfterEveryTimerMessage) {
    std::vector<std::pair<uint32_t, int>> seen;
    main.hook = [&](uint32_t msg, uintptr_t, intptr_t) {
        if (msg == WM_TIMER) seen.push_back({0, main.Count(WM_TIMER)});
    };
    backend->SetTimerAction([&](uint32_t hwnd, uint32_t id) {
        EXPECT_EQ(hwnd, main.Handle());
        seen.push_back({id, main.Count(WM_TIMER)});
        if (main.Count(WM_TIMER) == 3) main.KillTimer(id);
    });
    main.SetTimer(7, 55);
    backend->SetTimeLimit(1000);
    RunToEnd();
    EXPECT_EQ(seen, (std::vector<std::pair<uint32_t, int>>{{0, 1}, {7, 1}, {0, 2}, {7, 2}, {0, 3}, {7, 3}}));
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

int g_loopTestDeleted = 0;

class CountedWindow : public Window {
public:
    ~CountedWindow() override { ++g_loopTestDeleted; }
};

TEST_F(WindowTest, StoppingDeletesEveryWindowStillWaitingForDeletion) {
    g_loopTestDeleted = 0;
    for (int i = 0; i < 3; ++i) {
        auto* w = new CountedWindow;
        ASSERT_TRUE(w->Create(&main, {0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
        w->DeleteLater();
    }
    Ui::Get().Stop();
    EXPECT_EQ(g_loopTestDeleted, 3);
}

}  // namespace
}  // namespace wintest
