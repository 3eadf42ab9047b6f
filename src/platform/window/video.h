#pragma once
// The video child window a page plays its clip in. The clip's format is read
// by a ClipSource (our tools write the format; its reader comes with the
// page that plays the intro); the window shows one frame each frame time on
// the layer's clock, answers whether it has stopped, and can be stopped.
#include <cstdint>
#include <memory>

#include "platform/window/window.h"

namespace platform::win {

class ClipSource {
public:
    virtual ~ClipSource() = default;
    virtual Size FrameSize() const = 0;
    virtual int FrameCount() const = 0;
    virtual uint32_t FrameMs() const = 0;
    // Draws frame `index` into `target` (FrameSize big); false when it cannot.
    virtual bool DecodeFrame(int index, Picture& target) = 0;
    // The clip's sound starts or stops with the pictures (nothing by default).
    virtual void StartSound() {}
    virtual void StopSound() {}
};

class VideoWindow : public Window {
public:
    bool Open(Window* parent, const Rect& rect, std::unique_ptr<ClipSource> clip);
    void Play();
    void Stop();
    bool IsStopped() const { return !playing_; }
    int CurrentFrame() const { return frame_; }

protected:
    void OnTimer(uint32_t id) override;
    void OnPaint(const PaintContext& pc) override;
    void OnDestroy() override;

private:
    std::unique_ptr<ClipSource> clip_;
    Picture picture_;
    uint64_t started_ = 0;
    int frame_ = -1;
    bool playing_ = false;
};

}  // namespace platform::win
