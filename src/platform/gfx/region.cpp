#include "platform/gfx/region.h"

namespace platform::gfx {

std::vector<Rect> SubtractRect(const Rect& a, const Rect& b) {
    std::vector<Rect> out;
    if (a.IsEmpty()) return out;
    Rect i = a.Intersect(b);
    if (i.IsEmpty()) {
        out.push_back(a);
        return out;
    }
    if (i.top > a.top) out.push_back({a.left, a.top, a.right, i.top});
    if (i.bottom < a.bottom) out.push_back({a.left, i.bottom, a.right, a.bottom});
    if (i.left > a.left) out.push_back({a.left, i.top, i.left, i.bottom});
    if (i.right < a.right) out.push_back({i.right, i.top, a.right, i.bottom});
    return out;
}

Region::Region(const Rect& r) {
    if (!r.IsEmpty()) rects_.push_back(r);
}

Rect Region::Bounds() const {
    Rect b;
    for (const Rect& r : rects_) b = b.Union(r);
    return b;
}

bool Region::Contains(Point p) const {
    for (const Rect& r : rects_)
        if (r.Contains(p)) return true;
    return false;
}

bool Region::Touches(const Rect& q) const {
    for (const Rect& r : rects_)
        if (!r.Intersect(q).IsEmpty()) return true;
    return false;
}

int Region::Area() const {
    int a = 0;
    for (const Rect& r : rects_) a += r.Width() * r.Height();
    return a;
}

void Region::AddDisjoint(const Rect& r) {
    // Only the parts of r that no held rectangle covers are added.
    std::vector<Rect> pieces{r};
    for (const Rect& held : rects_) {
        std::vector<Rect> next;
        for (const Rect& p : pieces)
            for (const Rect& q : SubtractRect(p, held)) next.push_back(q);
        pieces.swap(next);
        if (pieces.empty()) return;
    }
    rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

Region& Region::Union(const Region& o) {
    for (const Rect& r : o.rects_) AddDisjoint(r);
    return *this;
}

Region& Region::Intersect(const Region& o) {
    std::vector<Rect> out;
    for (const Rect& a : rects_)
        for (const Rect& b : o.rects_) {
            Rect i = a.Intersect(b);
            if (!i.IsEmpty()) out.push_back(i);
        }
    rects_.swap(out);
    return *this;
}

Region& Region::Subtract(const Region& o) {
    for (const Rect& b : o.rects_) {
        std::vector<Rect> out;
        for (const Rect& a : rects_)
            for (const Rect& p : SubtractRect(a, b)) out.push_back(p);
        rects_.swap(out);
    }
    return *this;
}

Region& Region::Offset(int dx, int dy) {
    for (Rect& r : rects_) r = r.Offset(dx, dy);
    return *this;
}

bool Region::SameAs(const Region& o) const {
    Region a = *this;
    a.Subtract(o);
    if (!a.IsEmpty()) return false;
    Region b = o;
    b.Subtract(*this);
    return b.IsEmpty();
}

}  // namespace platform::gfx
