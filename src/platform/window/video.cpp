#include "platform/window/video.h"

#include "platform/window/ui.h"

namespace platform::win {

namespace {
constexpr uint32_t kFrameTimer = 1;
}

bool VideoWindow::Open(Window* parent, const Rect& rect, std::unique_ptr<ClipSource> clip) {
    if (!clip || clip->FrameCount() <= 0) return false;
    clip_ = std::move(clip);
    Size s = clip_->FrameSize();
    picture_ = Picture(std::max(1, s.cx), std::max(1, s.cy));
    if (!Create(parent, rect, WS_CHILD | WS_VISIBLE)) return false;
    // Disabled, so the mouse reaches the page beneath (a click skips the clip).
    Enable(false);
    return true;
}

void VideoWindow::Play() {
    if (!clip_ || !IsAlive()) return;
    started_ = Ui::Get().NowMs();
    frame_ = -1;
    playing_ = true;
    clip_->StartSound();
    OnTimer(kFrameTimer);
    if (playing_) SetTimer(kFrameTimer, std::max<uint32_t>(1, clip_->FrameMs()));
}

void VideoWindow::Stop() {
    if (!playing_) return;
    playing_ = false;
    KillTimer(kFrameTimer);
    if (clip_) clip_->StopSound();
}

void VideoWindow::OnTimer(uint32_t id) {
    if (id != kFrameTimer || !playing_) return;
    // The frame due now: a slow machine skips frames rather than slowing down.
    int due = int((Ui::Get().NowMs() - started_) / std::max<uint32_t>(1, clip_->FrameMs()));
    if (due >= clip_->FrameCount()) {
        Stop();
        return;
    }
    if (due == frame_) return;
    if (!clip_->DecodeFrame(due, picture_)) {
        // A damaged frame ends the clip there.
        Stop();
        return;
    }
    frame_ = due;
    Invalidate(false);
}

void VideoWindow::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    if (frame_ < 0) {
        pc.Fill(c, 0);
        return;
    }
    for (int y = std::max(pc.clip.top, 0); y < std::min({pc.clip.bottom, c.bottom, picture_.Height()}); ++y)
        for (int x = std::max(pc.clip.left, 0); x < std::min({pc.clip.right, c.right, picture_.Width()}); ++x)
            pc.SetPixel(x, y, picture_.Get(x, y));
}

void VideoWindow::OnDestroy() {
    Stop();
}

}  // namespace platform::win
