#pragma once
// A window's backing picture: 32-bit pixels 0x00RRGGBB, with width, height and
// a pitch in pixels. It is the shape the drawing surfaces share, so a surface
// can be made over a picture and a picture handed to the backends.
#include <cstdint>
#include <vector>

#include "platform/window/geometry.h"

namespace platform::win {

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, uint32_t fill = 0) { Resize(width, height, fill); }

    void Resize(int width, int height, uint32_t fill = 0);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return width_; }  // in pixels
    uint32_t* Pixels() { return pixels_.data(); }
    const uint32_t* Pixels() const { return pixels_.data(); }
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint32_t At(int x, int y) const { return Row(y)[x]; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    // Fills `r`, cut to the picture.
    void Fill(const Rect& r, uint32_t colour);
    // Inverts the colour bits of `r`, cut to the picture (the caret's look).
    void Invert(const Rect& r);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

inline constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// Where a window paints: the picture, the window's client origin in it, and
// the part of the client (in client coordinates) that may be touched.
struct PaintContext {
    Picture* picture = nullptr;
    Point origin;
    Rect clip;
    bool erase = false;

    // Fills a rectangle given in client coordinates, within the clip.
    void Fill(const Rect& clientRect, uint32_t colour) const;
    void SetPixel(int x, int y, uint32_t colour) const;
    // A horizontal or vertical line of one pixel, both ends included.
    void Line(Point a, Point b, uint32_t colour) const;
};

}  // namespace platform::win
