#pragma once
// A window's backing picture is a drawing-layer surface; a window paints
// into it through a canvas whose origin is the window's client corner and
// whose clip is the window's part that needs painting.
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/surface.h"
#include "platform/window/geometry.h"

namespace platform::win {

using Picture = gfx::Surface;

inline constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// Inverts the colour bits of `r`, cut to the picture (the caret's look).
void InvertRect(Picture& picture, const Rect& r);

// Where a window paints: the picture, the window's client origin in it, and
// the part of the client (in client coordinates) that may be touched.
struct PaintContext {
    Picture* picture = nullptr;
    Point origin;
    Rect clip;
    bool erase = false;

    // A canvas in client coordinates, clipped to `clip`.
    gfx::Canvas MakeCanvas() const;
    // Fills a rectangle given in client coordinates, within the clip.
    void Fill(const Rect& clientRect, uint32_t colour) const;
    void SetPixel(int x, int y, uint32_t colour) const;
    // A horizontal or vertical line of one pixel, both ends included.
    void Line(Point a, Point b, uint32_t colour) const;
};

}  // namespace platform::win
