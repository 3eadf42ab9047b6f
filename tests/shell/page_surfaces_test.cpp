// The page's surface services: blits to the window cut at the page's edges,
// copies between surfaces clipped to both, the mixing build and the fills.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/colour.h"
#include "platform/trace.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"
#include "page_fixture.h"

using namespace platform::gfx;

namespace {

class PageSurfacesTest : public pagetest::PageFixture {};

// A source whose every pixel differs, with the key colour in a few places.
Surface Pattern(int w, int h, bool withKey) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Set(x, y, MakePixel(10 + x, 20 + y, 30));
    if (withKey) {
        s.Set(0, 0, kKeyPixel);
        s.Set(w - 1, h / 2, kKeyPixel);
    }
    return s;
}

TEST_F(PageSurfacesTest, BlitToTheWindowIsCutAtThePagesRightAndBottomEdges) {
    MakePage();
    Surface red(100, 100, MakePixel(255, 0, 0));
    page->BlitSurfaceToScreen(&red, 700, 500);
    int covered = 0;
    for (int y = 450; y < 620; ++y)
        for (int x = 650; x < 860; ++x)
            if (OnWindow(x, y) == MakePixel(255, 0, 0)) ++covered;
    EXPECT_EQ(covered, 88 * 50);
    EXPECT_EQ(OnWindow(700, 500), MakePixel(255, 0, 0));
    EXPECT_EQ(OnWindow(787, 549), MakePixel(255, 0, 0));
    EXPECT_EQ(OnWindow(788, 520), pagetest::kFrameColour) << "nothing right of the page";
    EXPECT_EQ(OnWindow(720, 550), pagetest::kFrameColour) << "nothing below the page";

    // The top and left edges cut too, and the source shrinks with them.
    Surface pattern = Pattern(40, 30, false);
    page->BlitSurfaceToScreen(&pattern, -10, -5);
    EXPECT_EQ(OnWindow(0, 0), pattern.Get(10, 5));
    EXPECT_EQ(OnWindow(29, 24), pattern.Get(39, 29));
    EXPECT_EQ(OnWindow(-1, 3), pagetest::kFrameColour);
}

TEST_F(PageSurfacesTest, WindowBlitsOfPartsAndStretchedKeyedCopies) {
    MakePage();
    Surface page_sized = Pattern(CScreen::kWidth, CScreen::kHeight, false);
    page->BlitSurfaceRectToScreen(&page_sized, 770, 540, 40, 40);  // partly off the page
    EXPECT_EQ(OnWindow(770, 540), page_sized.Get(770, 540));
    EXPECT_EQ(OnWindow(787, 549), page_sized.Get(787, 549));
    EXPECT_EQ(OnWindow(769, 540), 0u) << "outside the rectangle the page stays black";

    // A 2x2 picture with one key pixel, doubled into (10, 10): the keyed
    // quarter leaves the page as it was.
    Surface small(2, 2, MakePixel(0, 200, 0));
    small.Set(1, 1, kKeyPixel);
    page->BlitSurfaceToScreenKeyed(&small, 10, 10, 4, 4);
    EXPECT_EQ(OnWindow(10, 10), MakePixel(0, 200, 0));
    EXPECT_EQ(OnWindow(13, 11), MakePixel(0, 200, 0));
    EXPECT_EQ(OnWindow(12, 12), 0u);
    EXPECT_EQ(OnWindow(13, 13), 0u);
    EXPECT_EQ(OnWindow(14, 10), 0u);

    platform::TraceCapture trace;
    page->BlitSurfaceToScreen(nullptr, 0, 0);
    EXPECT_TRUE(trace.Contains("DirectDraw Error DDERR_INVALIDPARAMS"));
}

// Each surface-to-surface operation against a pixel-by-pixel model, at
// places inside, across every edge and wholly outside the destination.
struct CopyCase {
    const char* name;
    bool keyed;
    std::function<void(CScreen&, int, int, Surface*, Surface*)> run;
    // The source pixel that should land on destination (x, y) for an
    // operation placed at (px, py), or nothing.
    std::function<std::optional<Point>(int x, int y, int px, int py)> from;
};

TEST_F(PageSurfacesTest, CopiesBetweenSurfacesAreClippedToBoth) {
    MakePage();
    const int sw = 12, sh = 9;
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < sw && y < sh; };
    const std::vector<CopyCase> cases = {
        {"BlitSurfaceToSurface", false, [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.BlitSurfaceToSurface(x, y, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (!inside(x - px, y - py)) return std::nullopt;
             return Point{x - px, y - py};
         }},
        {"CopySurfaceRect", false,
         [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.CopySurfaceRect(x, y, x + 5, y + 4, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (x < px || y < py || x >= px + 5 || y >= py + 4 || !inside(x, y)) return std::nullopt;
             return Point{x, y};
         }},
        {"CopySurfaceRectTo", false,
         [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.CopySurfaceRectTo(3, 2, 6, 5, s, x, y, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             const int sx = 3 + x - px, sy = 2 + y - py;
             if (x < px || y < py || x >= px + 6 || y >= py + 5) return std::nullopt;
             return Point{sx, sy};
         }},
        {"BlitSurfaceKeyedAt", true, [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.BlitSurfaceKeyedAt(x, y, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (!inside(x - px, y - py)) return std::nullopt;
             return Point{x - px, y - py};
         }},
        {"BlitSurfaceFastKeyed", true, [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.BlitSurfaceFastKeyed(x, y, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (!inside(x - px, y - py)) return std::nullopt;
             return Point{x - px, y - py};
         }},
        {"BlitSurfaceRectKeyed", true,
         [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.BlitSurfaceRectKeyed(x, y, 0, 3, 12, 6, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (x < px || y < py || x >= px + 12 || y >= py + 6) return std::nullopt;
             return Point{x - px, 3 + y - py};
         }},
        {"BlitSurfaceKeyed, same size", true,
         [](CScreen& p, int x, int y, Surface* s, Surface* d) { p.BlitSurfaceKeyed(x, y, 9, 12, s, d); },
         [&](int x, int y, int px, int py) -> std::optional<Point> {
             if (!inside(x - px, y - py)) return std::nullopt;
             return Point{x - px, y - py};
         }},
    };
    const Point places[] = {{2, 1}, {-4, -3}, {15, 11}, {-6, 12}, {14, -5}, {-30, 2}, {3, 40}};
    for (const CopyCase& c : cases) {
        for (Point at : places) {
            Surface src = Pattern(sw, sh, true);
            Surface dst(20, 16, MakePixel(1, 1, 1));
            c.run(*page, at.x, at.y, &src, &dst);
            for (int y = 0; y < dst.Height(); ++y)
                for (int x = 0; x < dst.Width(); ++x) {
                    Pixel want = MakePixel(1, 1, 1);
                    if (auto f = c.from(x, y, at.x, at.y); f && inside(f->x, f->y)) {
                        const Pixel p = src.Get(f->x, f->y);
                        if (!(c.keyed && p == kKeyPixel)) want = p;
                    }
                    ASSERT_EQ(dst.Get(x, y), want) << c.name << " at " << at.x << "," << at.y << " pixel " << x
                                                   << "," << y;
                }
            if (c.keyed) {
                ASSERT_TRUE(src.ColourKey());
                EXPECT_EQ(*src.ColourKey(), kKeyPixel) << c.name << " sets the source's key";
            }
        }
    }
}

TEST_F(PageSurfacesTest, BlitSurfaceKeyedTakesItsHeightBeforeItsWidth) {
    MakePage();
    Surface src(2, 2, MakePixel(9, 99, 199));
    Surface dst(12, 12, kBlack);
    page->BlitSurfaceKeyed(1, 2, 4, 8, &src, &dst);  // height 4, width 8
    EXPECT_EQ(dst.Get(8, 5), MakePixel(9, 99, 199)) << "eight wide";
    EXPECT_EQ(dst.Get(9, 2), kBlack);
    EXPECT_EQ(dst.Get(1, 6), kBlack) << "four high";
    EXPECT_EQ(dst.Get(1, 5), MakePixel(9, 99, 199));
    // Stretched past the destination's edge: cut, nothing outside touched.
    Surface tiny(3, 3, kBlack);
    page->BlitSurfaceKeyed(-5, 1, 50, 50, &src, &tiny);
    EXPECT_EQ(tiny.Get(0, 0), kBlack);
    EXPECT_EQ(tiny.Get(2, 2), MakePixel(9, 99, 199));
}

TEST_F(PageSurfacesTest, FillsAreClippedAndTakeTheirColour) {
    MakePage();
    Surface s(10, 6, kBlack);
    EXPECT_EQ(page->FillSurfaceRect(&s, 7, -2, 10, 5, 10, 20, 30), 0);
    EXPECT_EQ(s.Get(9, 2), 0x0A141Eu);
    EXPECT_EQ(s.Get(6, 2), kBlack);
    EXPECT_EQ(s.Get(9, 3), kBlack);
    page->FillSurfaceRect(&s, -100, -100, 1000, 1000, 1, 2, 3);
    EXPECT_EQ(s.Get(0, 0), MakePixel(1, 2, 3));
    EXPECT_EQ(s.Get(9, 5), MakePixel(1, 2, 3));
    page->FillSurfaceRect(&s, 2, 2, -3, 2, 9, 9, 9);  // an empty rectangle fills nothing
    EXPECT_EQ(s.Get(1, 2), MakePixel(1, 2, 3));
}

TEST_F(PageSurfacesTest, MixingLeavesTheTransparentAnimationIndexAlone) {
    MakePage();
    uint8_t palette[1024] = {};
    for (int i = 0; i < 256; ++i) {
        palette[4 * i + 2] = static_cast<uint8_t>(i);  // red = index
        palette[4 * i + 1] = 7;
    }
    const uint8_t pixels[6] = {1, 5, 2, 5, 5, 3};
    Surface s(3, 2, MakePixel(0, 0, 250));
    page->m_nTransparentIndex = 5;
    page->BuildMixBitmapSurface(pixels, &s, palette, 3, 2);
    EXPECT_EQ(s.Get(0, 0), MakePixel(1, 7, 0));
    EXPECT_EQ(s.Get(1, 0), MakePixel(0, 0, 250)) << "index 5 shows what was there";
    EXPECT_EQ(s.Get(2, 0), MakePixel(2, 7, 0));
    EXPECT_EQ(s.Get(0, 1), MakePixel(0, 0, 250));
    EXPECT_EQ(s.Get(1, 1), MakePixel(0, 0, 250));
    EXPECT_EQ(s.Get(2, 1), MakePixel(3, 7, 0));
    // The plain build writes every pixel.
    BuildBitmapSurface(pixels, &s, palette, 3, 2);
    EXPECT_EQ(s.Get(1, 0), MakePixel(5, 7, 0));

    platform::TraceCapture trace;
    s.SetRefuseLocks(true);
    page->BuildMixBitmapSurface(pixels, &s, palette, 3, 2);
    EXPECT_TRUE(trace.Contains("DDLock Error BuildMixBitmapSurface"));
}

TEST_F(PageSurfacesTest, CopySurfaceMakesAnEqualSurface) {
    MakePage();
    Surface src = Pattern(7, 5, true);
    auto dst = std::make_unique<Surface>(2, 2);
    page->CopySurface(&src, dst);
    ASSERT_TRUE(dst);
    EXPECT_EQ(*dst, src);
    page->CopySurface(nullptr, dst);
    EXPECT_FALSE(dst);
}

}  // namespace
