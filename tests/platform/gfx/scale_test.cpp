// Whole-factor scaling (the window's present) against a plain reference,
// for every factor the window uses, at offsets and cut by the target.
#include <gtest/gtest.h>

#include "platform/gfx/blit.h"

namespace {

using namespace platform::gfx;

TEST(ScaleIntegerTest, MatchesThePlainReferenceAtOffsetsAndEdges) {
    Surface src(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) src.Set(x, y, MakePixel(x * 30, y * 40, x + y));
    struct Case {
        int factor, dx, dy, w, h;
    };
    for (Case c : {Case{1, 0, 0, 7, 5}, {2, 0, 0, 14, 10}, {2, 1, 3, 15, 12}, {2, -3, -1, 12, 9}, {3, 2, 0, 20, 15},
                   {3, -4, -2, 9, 9}, {4, 0, 1, 27, 17}, {2, 0, 0, 9, 4}}) {
        const Pixel bg = MakePixel(1, 2, 3);
        Surface dst(c.w, c.h, bg);
        ScaleInteger(dst, c.dx, c.dy, src, c.factor);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const int sx = x - c.dx, sy = y - c.dy;
                const bool inside = sx >= 0 && sy >= 0 && sx < 7 * c.factor && sy < 5 * c.factor;
                const Pixel want = inside ? src.Get(sx / c.factor, sy / c.factor) : bg;
                ASSERT_EQ(dst.Get(x, y), want) << "factor " << c.factor << " at " << x << "," << y << " offset "
                                               << c.dx << "," << c.dy;
            }
    }
}

}  // namespace
