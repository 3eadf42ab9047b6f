#include <gtest/gtest.h>

#include "platform/trace.h"
#include "shell/ddsurface.h"
#include "shell/toolbox_draw.h"
#include "platform/gfx/system.h"

using namespace platform::gfx;

namespace {

TEST(DDSurfaceTest, CreatePlainSurfaceReportsFailure) {
    std::unique_ptr<Surface> s = std::make_unique<Surface>(4, 4);
    EXPECT_EQ(CreatePlainSurface(s, 320, 200), DD_OK);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Width(), 320);
    EXPECT_NE(CreatePlainSurface(s, 0, 200), DD_OK);
    EXPECT_FALSE(s);
    EXPECT_NE(CreatePlainSurface(s, Surface::kMaxSide + 1, 1), DD_OK);
    EXPECT_FALSE(s);
}

TEST(DDSurfaceTest, BuildBitmapSurfaceConvertsAndClips) {
    uint8_t palette[1024] = {};
    palette[4 * 7 + 0] = 30;
    palette[4 * 7 + 1] = 20;
    palette[4 * 7 + 2] = 10;
    const uint8_t pixels8[6] = {7, 0, 7, 0, 7, 0};
    Surface s(2, 1, kWhite);
    BuildBitmapSurface(pixels8, &s, palette, 3, 2);  // larger than the surface
    EXPECT_EQ(s.Get(0, 0), 0x0A141Eu);
    EXPECT_EQ(s.Get(1, 0), 0u);
    const uint8_t pixels24[6] = {3, 2, 1, 6, 5, 4};
    BuildBitmapSurface(pixels24, &s, 2, 1);
    EXPECT_EQ(s.Get(0, 0), 0x010203u);
    EXPECT_EQ(s.Get(1, 0), 0x040506u);

    platform::TraceCapture trace;
    s.SetRefuseLocks(true);
    BuildBitmapSurface(pixels24, &s, 2, 1);
    EXPECT_TRUE(trace.Contains("DDLock Error BuildBitmapSurface"));
    BuildBitmapSurface(pixels24, nullptr, 2, 1);  // harmless
}

TEST(DDSurfaceTest, ColourKeyIsSetAndRefusedOnNothing) {
    Surface s(2, 2);
    EXPECT_EQ(SetSurfaceColourKeyRGB(&s, 255, 0, 143), DD_OK);
    ASSERT_TRUE(s.ColourKey());
    EXPECT_EQ(*s.ColourKey(), kKeyPixel);
    EXPECT_NE(SetSurfaceColourKeyRGB(nullptr, 1, 2, 3), DD_OK);
}

TEST(DDSurfaceTest, BlitFadeBlendsSkipsKeyAndClips) {
    Surface src(4, 4, MakePixel(200, 100, 50));
    src.Set(1, 1, kKeyPixel);
    Surface dst(4, 4, kBlack);
    BlitFade(0, 0, 128, &src, &dst);
    EXPECT_EQ(dst.Get(0, 0), MakePixel(200 * 128 / 255, 100 * 128 / 255, 50 * 128 / 255));
    EXPECT_EQ(dst.Get(1, 1), kBlack);

    // Partly outside the destination on every side: only the overlap changes.
    for (Point at : {Point{-2, -2}, Point{2, 2}, Point{-3, 3}, Point{3, -3}}) {
        Surface d(4, 4, kBlack);
        BlitFade(at.x, at.y, 255, &src, &d);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                bool covered = x - at.x >= 0 && x - at.x < 4 && y - at.y >= 0 && y - at.y < 4 &&
                               !(x - at.x == 1 && y - at.y == 1);
                EXPECT_EQ(d.Get(x, y), covered ? src.Get(x - at.x, y - at.y) : kBlack)
                    << at.x << "," << at.y << " at " << x << "," << y;
            }
    }
    Surface big(100, 100, kWhite);
    BlitFade(-50, 90, 200, &big, &dst);  // entirely off the bottom: nothing
    EXPECT_EQ(dst.Get(0, 3), MakePixel(200 * 128 / 255, 100 * 128 / 255, 50 * 128 / 255));

    platform::TraceCapture trace;
    src.SetRefuseLocks(true);
    BlitFade(0, 0, 10, &src, &dst);
    EXPECT_TRUE(trace.Contains("DDLock Error in BlitFade1"));
    src.SetRefuseLocks(false);
    dst.SetRefuseLocks(true);
    BlitFade(0, 0, 10, &src, &dst);
    EXPECT_TRUE(trace.Contains("DDLock Error in BlitFade2"));
}

TEST(DDSurfaceTest, ErrorReportNamesOurErrorsAndUnknownOnes) {
    platform::TraceCapture trace;
    ReportDirectDrawError(DDERR_SURFACELOST, "view.cpp", 42);
    ReportDirectDrawError(0x8876017C, "blit.cpp", 7);
    ASSERT_EQ(trace.Lines().size(), 2u);
    EXPECT_EQ(trace.Lines()[0], "DirectDraw Error DDERR_SURFACELOST\nin file view.cpp at line 42\n");
    EXPECT_EQ(trace.Lines()[1], "DirectDraw Error Unknown Error\nin file blit.cpp at line 7\n");
}

TEST(ToolboxDrawTest, DividerLinesInTheirColours) {
    const ColourRef expected[6] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192),
                                   RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 0)};
    Surface s(20, 20, MakePixel(1, 2, 3));
    Canvas dc(s);
    const Pen before = Pen::Solid(RGB(9, 9, 9), 3);
    dc.SelectPen(before);
    DrawToolboxDivider(&dc, 2, 4, 12, 0, false);
    DrawToolboxDivider(&dc, 13, 11, 0, 19, true);
    EXPECT_EQ(dc.CurrentPen().colour, before.colour);
    EXPECT_EQ(dc.CurrentPen().width, 3);
    for (int o = 0; o < 6; ++o) {
        EXPECT_EQ(ToColourRef(s.Get(2, 4 + o)), expected[o]) << "horizontal " << o;
        EXPECT_EQ(ToColourRef(s.Get(11, 4 + o)), expected[o]) << "horizontal " << o;
        EXPECT_EQ(ToColourRef(s.Get(13 + o, 11)), expected[o]) << "vertical " << o;
        EXPECT_EQ(ToColourRef(s.Get(13 + o, 18)), expected[o]) << "vertical " << o;
    }
    EXPECT_EQ(s.Get(12, 4), MakePixel(1, 2, 3)) << "the end point is left out";
    EXPECT_EQ(s.Get(2, 10), MakePixel(1, 2, 3));
}

TEST(ToolboxDrawTest, TransparentBitmapCases) {
    Surface pic(3, 2, MakePixel(10, 20, 30));
    pic.Set(1, 0, kKeyPixel);
    Surface all(3, 2, kKeyPixel);
    Surface none(3, 2, MakePixel(40, 50, 60));
    const Pixel bg = MakePixel(7, 7, 7);

    Surface s(8, 8, bg);
    Canvas dc(s);
    DrawTransparentBitmap(&dc, &none, 1, 1, kKeyColourRef);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(s.Get(1 + x, 1 + y), none.Get(x, y));

    Surface s2(8, 8, bg);
    Canvas dc2(s2);
    DrawTransparentBitmap(&dc2, &all, 1, 1, kKeyColourRef);
    EXPECT_EQ(s2, Surface(8, 8, bg));

    DrawTransparentBitmap(&dc2, &pic, 1, 1, kKeyColourRef);
    EXPECT_EQ(s2.Get(1, 1), pic.Get(0, 0));
    EXPECT_EQ(s2.Get(2, 1), bg);
    EXPECT_EQ(s2.Get(3, 2), pic.Get(2, 1));

    // A given width and height draw only that part.
    Surface s3(8, 8, bg);
    Canvas dc3(s3);
    DrawTransparentBitmap(&dc3, &none, 0, 0, kKeyColourRef, 1, 2);
    EXPECT_EQ(s3.Get(1, 0), none.Get(1, 0));
    EXPECT_EQ(s3.Get(2, 0), bg);
    EXPECT_EQ(s3.Get(0, 1), bg);

    // Off the edge: clipped, nothing outside touched.
    DrawTransparentBitmap(&dc3, &none, 6, 7, kKeyColourRef);
    EXPECT_EQ(s3.Get(7, 7), none.Get(1, 0));
}

}  // namespace

namespace {

TEST(DDSurfaceTest, DesktopFormatIsReadWithItsTrace) {
    platform::TraceCapture trace;
    ReadDesktopFormat(16, 0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(g_desktopFormat.mode, 1);
    EXPECT_EQ(g_desktopFormat.greenShift, 5);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_EQ(trace.Lines()[0], "Desktop pixel format : Red 63488  Green 2016  Blue 31\n");
    ReadDesktopFormat();
    EXPECT_EQ(g_desktopFormat.mode, 3);
    EXPECT_EQ(trace.Lines().size(), 1u);
}

TEST(ToolboxDrawTest, TransparentBitmapLandsPixelForPixelWhenPrinting) {
    Surface page(200, 200, MakePixel(7, 7, 7));
    Canvas dc(page);
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({200, 200});
    Surface pic(4, 4, MakePixel(1, 2, 3));
    DrawTransparentBitmap(&dc, &pic, 10, 10, kKeyColourRef);
    EXPECT_EQ(page.Get(20, 20), MakePixel(1, 2, 3));
    EXPECT_EQ(page.Get(23, 23), MakePixel(1, 2, 3));
    EXPECT_EQ(page.Get(24, 24), MakePixel(7, 7, 7));
}

TEST(CanvasPolylineTest, ThickPolylinesAndPolygonOutlines) {
    Surface s(30, 30, kBlack);
    Canvas dc(s);
    dc.SelectPen(Pen::Solid(RGB(255, 255, 255), 1));
    dc.Polyline({{2, 2}, {12, 2}, {12, 12}});
    EXPECT_EQ(s.Get(2, 2), kWhite);
    EXPECT_EQ(s.Get(12, 2), kWhite);
    EXPECT_EQ(s.Get(12, 11), kWhite);
    EXPECT_EQ(s.Get(12, 12), kBlack) << "the last point is left out";
    dc.SelectPen(Pen::Solid(RGB(255, 0, 0), 2));
    dc.SelectBrush(Brush::None());
    dc.Polygon({{15, 15}, {25, 15}, {25, 25}, {15, 25}});
    EXPECT_EQ(s.Get(20, 15), 0xFF0000u);
    EXPECT_EQ(s.Get(20, 14), 0xFF0000u) << "a 2-pixel pen covers both sides of the line";
    EXPECT_EQ(s.Get(20, 20), kBlack);
    EXPECT_EQ(s.Get(15, 25), 0xFF0000u) << "a polygon closes itself";
}

}  // namespace
