#pragma once
// A picture in memory, 32 bits a pixel (0x00RRGGBB), rows top-down. It stands
// in for a device context's bitmap, a compatible bitmap and a DirectDraw
// surface alike; a Canvas (canvas.h) draws on it the way GDI drew on a DC.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gfx/colour.h"
#include "platform/gfx/geometry.h"

namespace platform::gfx {

// The pixels of a locked surface, as DirectDraw's lock gave them.
struct LockedBits {
    uint8_t* bits = nullptr;  // first byte of the top row
    int width = 0;
    int height = 0;
    int pitch = 0;  // bytes from one row to the next
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = kBlack);

    // A surface of the size asked, or nothing when the size is not positive or
    // too large to hold (both sides at most kMaxSide).
    static std::optional<Surface> Make(int width, int height, Pixel fill = kBlack);
    static constexpr int kMaxSide = 16384;

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size GetSize() const { return {width_, height_}; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }

    Pixel* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const Pixel* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }

    // Reads and writes outside the surface are ignored (reads give black).
    Pixel Get(int x, int y) const;
    void Set(int x, int y, Pixel p);

    void Fill(Pixel p);
    // Fills the part of `r` inside the surface.
    void FillRect(const Rect& r, Pixel p);

    // The source colour key a keyed blit leaves out (DirectDraw's SRCBLT key,
    // low end = high end).
    void SetColourKey(Pixel key) { key_ = key; }
    void ClearColourKey() { key_.reset(); }
    std::optional<Pixel> ColourKey() const { return key_; }

    // DirectDraw's lock: the raw rows for pixel code. Fails (nothing) on an
    // empty surface, or while the surface is set to refuse locks (the lost
    // surfaces DirectDraw could report, so callers' failure paths can run).
    std::optional<LockedBits> Lock();
    void Unlock() {}
    void SetRefuseLocks(bool refuse) { refuseLocks_ = refuse; }

    bool operator==(const Surface& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    std::optional<Pixel> key_;
    bool refuseLocks_ = false;
};

}  // namespace platform::gfx
