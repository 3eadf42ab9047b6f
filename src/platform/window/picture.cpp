#include "platform/window/picture.h"

#include <algorithm>

namespace platform::win {

void InvertRect(Picture& picture, const Rect& r) {
    Rect c = r.Intersect(picture.Bounds());
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* row = picture.Row(y);
        for (int x = c.left; x < c.right; ++x) row[x] ^= 0x00FFFFFFu;
    }
}

gfx::Canvas PaintContext::MakeCanvas() const {
    return gfx::Canvas(*picture, origin, gfx::Region(OffsetBy(clip, origin)));
}

void PaintContext::Fill(const Rect& clientRect, uint32_t colour) const {
    if (!picture) return;
    picture->FillRect(OffsetBy(clientRect.Intersect(clip), origin), colour);
}

void PaintContext::SetPixel(int x, int y, uint32_t colour) const {
    if (!picture || !clip.Contains(Point{x, y})) return;
    picture->Set(x + origin.x, y + origin.y, colour);
}

void PaintContext::Line(Point a, Point b, uint32_t colour) const {
    if (a.y == b.y) {
        Fill({std::min(a.x, b.x), a.y, std::max(a.x, b.x) + 1, a.y + 1}, colour);
    } else if (a.x == b.x) {
        Fill({a.x, std::min(a.y, b.y), a.x + 1, std::max(a.y, b.y) + 1}, colour);
    }
}

}  // namespace platform::win
