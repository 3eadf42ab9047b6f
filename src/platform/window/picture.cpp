#include "platform/window/picture.h"

namespace platform::win {

void Picture::Resize(int width, int height, uint32_t fill) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    pixels_.assign(static_cast<size_t>(width_) * height_, fill);
}

void Picture::Fill(const Rect& r, uint32_t colour) {
    Rect c = r.Intersect(Bounds());
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* row = Row(y);
        for (int x = c.left; x < c.right; ++x) row[x] = colour;
    }
}

void Picture::Invert(const Rect& r) {
    Rect c = r.Intersect(Bounds());
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* row = Row(y);
        for (int x = c.left; x < c.right; ++x) row[x] ^= 0x00FFFFFFu;
    }
}

void PaintContext::Fill(const Rect& clientRect, uint32_t colour) const {
    if (!picture) return;
    picture->Fill(clientRect.Intersect(clip).Offset(origin), colour);
}

void PaintContext::SetPixel(int x, int y, uint32_t colour) const {
    if (!picture || !clip.Contains({x, y})) return;
    Point p{x + origin.x, y + origin.y};
    if (picture->Bounds().Contains(p)) picture->Row(p.y)[p.x] = colour;
}

void PaintContext::Line(Point a, Point b, uint32_t colour) const {
    if (a.y == b.y) {
        Fill({std::min(a.x, b.x), a.y, std::max(a.x, b.x) + 1, a.y + 1}, colour);
    } else if (a.x == b.x) {
        Fill({a.x, std::min(a.y, b.y), a.x + 1, std::max(a.y, b.y) + 1}, colour);
    }
}

}  // namespace platform::win
