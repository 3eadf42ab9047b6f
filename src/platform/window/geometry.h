#pragma once
// The window layer measures with the drawing layer's points and rectangles
// (right and bottom exclusive), and packs points into message parameters as
// the old system did.
#include <cstdint>

#include "platform/gfx/geometry.h"

namespace platform::win {

using gfx::Point;
using gfx::Rect;
using gfx::Size;

inline Point AddPoints(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point SubPoints(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Rect OffsetBy(const Rect& r, Point d) { return r.Offset(d.x, d.y); }

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
