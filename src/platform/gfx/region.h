#pragma once
// Regions as GDI's CRgn gave them to the game: sets of pixels built from
// rectangles, with union, intersection and difference (the drag image's
// "everything but the window" clip). Held as non-overlapping rectangles.
#include <vector>

#include "platform/gfx/geometry.h"

namespace platform::gfx {

class Region {
public:
    Region() = default;
    explicit Region(const Rect& r);

    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<Rect>& Rects() const { return rects_; }
    Rect Bounds() const;
    bool Contains(Point p) const;
    // Whether any pixel of `r` is in the region (GDI's RectInRegion).
    bool Touches(const Rect& r) const;
    int Area() const;

    Region& Union(const Region& o);
    Region& Intersect(const Region& o);
    Region& Subtract(const Region& o);
    Region& Offset(int dx, int dy);

    // Equal when both hold the same pixels, however they were built.
    bool SameAs(const Region& o) const;

private:
    void AddDisjoint(const Rect& r);
    std::vector<Rect> rects_;
};

// The parts of `a` outside `b` (at most four rectangles).
std::vector<Rect> SubtractRect(const Rect& a, const Rect& b);

}  // namespace platform::gfx
