#include "platform/window/scripted.h"

#include <algorithm>

namespace platform::win {

ScriptedBackend::ScriptedBackend(std::unique_ptr<Backend> inner)
    : inner_(std::move(inner)), script_(inner_->DesktopSize()), start_(inner_->NowMs()) {}

void ScriptedBackend::FollowRealClock() {
    const uint64_t real = inner_->NowMs() - start_;
    if (real > script_.NowMs()) script_.AdvanceTime(real - script_.NowMs());
}

void ScriptedBackend::Poll(std::vector<InputEvent>& out) {
    FollowRealClock();
    // The script's steps first: a frame step holds back until the real
    // events before it are handled, as it does headless.
    script_.Poll(out);
    inner_->Poll(out);
}

void ScriptedBackend::Wait(uint64_t deadlineMs) {
    FollowRealClock();
    // The script's own idle work (frames to write, the end of the script)
    // without moving its clock: only the real clock moves it.
    script_.Wait(script_.NowMs());
    if (script_.Ended()) return;
    // Woken often enough that a scripted step is never late by much.
    inner_->Wait(std::min(deadlineMs, inner_->NowMs() + 10));
}

void ScriptedBackend::Present(const Picture& picture) {
    inner_->Present(picture);
    script_.Present(picture);
}

}  // namespace platform::win
