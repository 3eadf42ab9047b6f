#pragma once
// Running the headless window loop from a test: draining what is queued,
// and letting virtual time pass.
#include <cstdint>

#include "platform/window/headless.h"
#include "platform/window/ui.h"

namespace testsupport {

// Dispatches every queued message and repaints, a few rounds, so messages
// that post others settle too.
inline void DrainMessages(platform::win::Window& main) {
    platform::win::Ui& ui = platform::win::Ui::Get();
    for (int round = 0; round < 3; ++round) {
        platform::win::Message m;
        while (ui.PeekMessage(m)) ui.DispatchMessage(m);
        main.UpdateNow();
    }
}

// Runs the loop for `ms` of virtual time (scripted input included). A ticking
// timer keeps the headless clock moving while nothing else is due.
inline void RunVirtualTime(platform::win::HeadlessBackend& backend, platform::win::Window& main, uint64_t ms) {
    backend.SetEndWhenScriptDone(false);
    platform::win::Ui& ui = platform::win::Ui::Get();
    const uint64_t end = ui.NowMs() + ms;
    const uint32_t tick = ui.StartPeriodicTimer(5, [] {});
    while (ui.NowMs() < end && ui.PumpOne()) {
    }
    ui.StopPeriodicTimer(tick);
    DrainMessages(main);
}

}  // namespace testsupport
