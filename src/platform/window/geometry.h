#pragma once
// Points and rectangles in window pixels, right and bottom exclusive, as the
// window system the game was written for counted them.
#include <algorithm>
#include <cstdint>

namespace platform::win {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(const Point& o) const { return {x + o.x, y + o.y}; }
    Point operator-(const Point& o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Point TopLeft() const { return {left, top}; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Offset(Point d) const { return Offset(d.x, d.y); }
    Rect Intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    // The smallest rectangle holding both; an empty side counts for nothing.
    Rect Union(const Rect& o) const {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    bool Intersects(const Rect& o) const { return !Intersect(o).IsEmpty(); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Mouse positions travel in a message's long parameter as two signed 16-bit halves.
inline intptr_t MakePointParam(Point p) {
    return static_cast<intptr_t>(static_cast<uint32_t>(static_cast<uint16_t>(p.x)) |
                                 (static_cast<uint32_t>(static_cast<uint16_t>(p.y)) << 16));
}
inline Point PointFromParam(intptr_t l) {
    auto v = static_cast<uint32_t>(l);
    return {static_cast<int16_t>(v & 0xFFFF), static_cast<int16_t>(v >> 16)};
}
inline uintptr_t MakeWParam(uint32_t low, uint32_t high) {
    return static_cast<uintptr_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
inline uint32_t LowWord(uintptr_t v) { return static_cast<uint32_t>(v & 0xFFFF); }
inline uint32_t HighWord(uintptr_t v) { return static_cast<uint32_t>((v >> 16) & 0xFFFF); }

}  // namespace platform::win
