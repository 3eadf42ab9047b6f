#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "platform/gfx/system.h"

namespace platform::gfx {
namespace {

constexpr Pixel kBg = 0x203040;

int Count(const Surface& s, Pixel p, Rect area = {0, 0, 1 << 20, 1 << 20}) {
    int n = 0;
    Rect a = area.Intersect(s.Bounds());
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) n += s.Get(x, y) == p;
    return n;
}

TEST(CanvasTest, LinesLeaveOutTheEndPixelAndWidthsGrow) {
    Surface s(20, 20, kBg);
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(255, 0, 0)));
    c.MoveTo(2, 3);
    c.LineTo(10, 3);
    EXPECT_EQ(Count(s, 0xFF0000), 8);
    EXPECT_EQ(s.Get(10, 3), kBg);
    EXPECT_EQ(c.GetCurrentPosition(), (Point{10, 3}));
    // Diagonal: one pixel a step.
    c.MoveTo(0, 10);
    c.LineTo(5, 15);
    EXPECT_EQ(s.Get(4, 14), 0xFF0000u);
    EXPECT_EQ(s.Get(5, 15), kBg);
    Surface t(20, 20, kBg);
    Canvas ct(t);
    ct.SelectPen(Pen::Solid(RGB(0, 255, 0), 3));
    ct.MoveTo(5, 10);
    ct.LineTo(15, 10);
    EXPECT_EQ(t.Get(10, 9), 0x00FF00u);
    EXPECT_EQ(t.Get(10, 11), 0x00FF00u);
    EXPECT_EQ(t.Get(10, 13), kBg);
    // A null pen draws nothing but moves.
    ct.SelectPen(Pen::None());
    ct.LineTo(0, 0);
    EXPECT_EQ(Count(t, 0x00FF00), Count(t, 0x00FF00));
    EXPECT_EQ(t.Get(2, 2), kBg);
}

TEST(CanvasTest, RectangleWithNullBrushIsAFrame) {
    Surface s(10, 10, kBg);
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(255, 255, 255)));
    c.SelectBrush(Brush::None());
    c.Rectangle({1, 1, 6, 5});
    EXPECT_EQ(s.Get(1, 1), kWhite);
    EXPECT_EQ(s.Get(5, 4), kWhite);
    EXPECT_EQ(s.Get(6, 5), kBg);
    EXPECT_EQ(s.Get(3, 2), kBg) << "null brush: inside untouched";
    c.SelectBrush(Brush::Solid(RGB(0, 0, 255)));
    c.Rectangle({1, 1, 6, 5});
    EXPECT_EQ(s.Get(3, 2), 0x0000FFu);
    EXPECT_EQ(Count(s, kWhite), 14);
}

TEST(CanvasTest, PolygonEllipseAndPieFillTheirInsides) {
    Surface s(40, 40, kBg);
    Canvas c(s);
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(RGB(255, 0, 0)));
    c.Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_EQ(Count(s, 0xFF0000), 100);
    c.SelectBrush(Brush::Solid(RGB(0, 255, 0)));
    c.Ellipse({20, 0, 40, 20});
    int disc = Count(s, 0x00FF00);
    EXPECT_NEAR(disc, 314, 12);
    EXPECT_EQ(s.Get(30, 10), 0x00FF00u);
    EXPECT_EQ(s.Get(20, 0), kBg);
    // A quarter pie: from the right (0 degrees) counter-clockwise to the top.
    Surface p(20, 20, kBg);
    Canvas cp(p);
    cp.SelectPen(Pen::None());
    cp.SelectBrush(Brush::Solid(RGB(0, 0, 255)));
    cp.Pie({0, 0, 20, 20}, {20, 10}, {10, 0});
    EXPECT_EQ(p.Get(14, 5), 0x0000FFu) << "top right";
    EXPECT_EQ(p.Get(5, 5), kBg) << "top left";
    EXPECT_EQ(p.Get(14, 14), kBg) << "bottom right";
    EXPECT_NEAR(Count(p, 0x0000FF), 314 / 4, 10);
}

TEST(CanvasTest, ClipRegionsWithDifference) {
    Surface s(10, 10, kBg);
    Canvas c(s);
    Region r(Rect{0, 0, 10, 10});
    r.Subtract(Region(Rect{2, 2, 8, 8}));
    c.SelectClipRgn(&r);
    c.FillSolidRect({0, 0, 10, 10}, RGB(255, 255, 255));
    EXPECT_EQ(Count(s, kWhite), 100 - 36);
    EXPECT_EQ(s.Get(5, 5), kBg);
    EXPECT_FALSE(c.PtVisible({5, 5}));
    EXPECT_TRUE(c.RectVisible({0, 0, 3, 3}));
    EXPECT_FALSE(c.RectVisible({3, 3, 6, 6}));
    EXPECT_EQ(c.GetPixel(5, 5), Canvas::kClrInvalid);
    c.SelectClipRgn(nullptr);
    c.IntersectClipRect({4, 4, 6, 6});
    EXPECT_EQ(c.GetClipBox(), (Rect{4, 4, 6, 6}));
    c.ExcludeClipRect({4, 4, 5, 6});
    c.FillSolidRect({0, 0, 10, 10}, RGB(255, 0, 0));
    EXPECT_EQ(Count(s, 0xFF0000), 2);
}

TEST(CanvasTest, OriginAndVisiblePartActLikeAWindowDC) {
    Surface frame(30, 30, kBg);
    // A child window at (10, 10), 10 x 10, whose right half is covered.
    Canvas c(frame, {10, 10}, Region(Rect{10, 10, 15, 20}));
    c.FillSolidRect({0, 0, 10, 10}, RGB(255, 255, 255));
    EXPECT_EQ(Count(frame, kWhite), 50);
    EXPECT_EQ(frame.Get(10, 10), kWhite);
    EXPECT_EQ(frame.Get(16, 10), kBg);
    EXPECT_EQ(c.GetClipBox(), (Rect{0, 0, 5, 10}));
}

TEST(CanvasTest, SaveAndRestoreStates) {
    Surface s(4, 4);
    Canvas c(s);
    c.SetTextColor(RGB(1, 2, 3));
    int level = c.SaveDC();
    EXPECT_EQ(level, 1);
    c.SetTextColor(RGB(4, 5, 6));
    c.SetBkMode(TRANSPARENT);
    c.IntersectClipRect({0, 0, 1, 1});
    c.SaveDC();
    c.SetTextColor(RGB(7, 8, 9));
    EXPECT_TRUE(c.RestoreDC(-1));
    EXPECT_EQ(c.GetTextColor(), RGB(4, 5, 6));
    EXPECT_TRUE(c.RestoreDC(level));
    EXPECT_EQ(c.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(c.GetBkMode(), OPAQUE);
    EXPECT_EQ(c.GetClipBox(), (Rect{0, 0, 4, 4}));
    EXPECT_FALSE(c.RestoreDC(-1));
    EXPECT_FALSE(c.RestoreDC(3));
}

TEST(CanvasTest, AnisotropicPrintingMapping) {
    // The printing set-up: window 100 x 100, viewport 600 x -470 with y up.
    Surface s(600, 470, kWhite);
    Canvas c(s);
    c.SetMapMode(MapMode::Anisotropic);
    c.SetWindowExt({100, 100});
    c.SetViewportExt({600, -470});
    c.SetViewportOrg({0, 470});
    EXPECT_EQ(c.LPtoDP(Point{0, 0}), (Point{0, 470}));
    EXPECT_EQ(c.LPtoDP(Point{100, 100}), (Point{600, 0}));
    EXPECT_EQ(c.DPtoLP(Point{300, 235}), (Point{50, 50}));
    c.FillSolidRect({0, 0, 50, 50}, RGB(0, 0, 0));
    EXPECT_EQ(s.Get(10, 460), kBlack) << "bottom left in logical units is y up";
    EXPECT_EQ(s.Get(310, 460), kWhite);
    c.SetMapMode(MapMode::Text);
    EXPECT_EQ(c.LPtoDP(Point{7, 8}), (Point{7, 478})) << "origins stay, extents reset";
}

TEST(CanvasTest, EdgesAndPushButtonInClassicColours) {
    Surface s(10, 10, kBg);
    Canvas c(s);
    Rect r{0, 0, 10, 10};
    c.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(ToColourRef(s.Get(0, 0)), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(ToColourRef(s.Get(9, 9)), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(ToColourRef(s.Get(1, 1)), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(ToColourRef(s.Get(8, 8)), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(r, (Rect{2, 2, 8, 8}));
    EXPECT_EQ(s.Get(5, 5), kBg);
    Surface b(10, 10, kBg);
    Canvas cb(b);
    cb.DrawPushButtonFrame({0, 0, 10, 10}, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(ToColourRef(b.Get(0, 0)), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(ToColourRef(b.Get(1, 1)), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(ToColourRef(b.Get(5, 5)), GetSysColor(COLOR_3DFACE));
}

TEST(CanvasTest, BlitsThroughTheCanvasClip) {
    Surface src(4, 4, 0x112233);
    Surface dst(8, 8, kBg);
    Canvas c(dst);
    c.IntersectClipRect({0, 0, 3, 8});
    c.BitBlt(1, 1, 4, 4, src, 0, 0);
    EXPECT_EQ(dst.Get(2, 2), 0x112233u);
    EXPECT_EQ(dst.Get(3, 2), kBg);
    Surface keyed(2, 1, kKeyPixel);
    keyed.Set(0, 0, 0x445566);
    c.KeyedBlt(0, 6, keyed, keyed.Bounds(), kKeyColourRef);
    EXPECT_EQ(dst.Get(0, 6), 0x445566u);
    EXPECT_EQ(dst.Get(1, 6), kBg);
}

TEST(SystemTablesTest, ClassicColoursAndMetrics) {
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_3DSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(99), RGB(0, 0, 0));
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CXMENUCHECK), 13);
    SetDesktopSize({1280, 1000});
    EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN), 1000 - 19);
}

TEST(RegionTest, SetOperations) {
    Region a(Rect{0, 0, 10, 10});
    Region b(Rect{5, 5, 15, 15});
    Region u = a;
    u.Union(b);
    EXPECT_EQ(u.Area(), 175);
    EXPECT_EQ(u.Bounds(), (Rect{0, 0, 15, 15}));
    Region i = a;
    i.Intersect(b);
    EXPECT_EQ(i.Area(), 25);
    Region d = a;
    d.Subtract(b);
    EXPECT_EQ(d.Area(), 75);
    EXPECT_FALSE(d.Contains({7, 7}));
    EXPECT_TRUE(d.Contains({2, 7}));
    // Same pixels built two ways compare equal.
    Region halves(Rect{0, 0, 5, 10});
    halves.Union(Region(Rect{5, 0, 10, 10}));
    EXPECT_TRUE(halves.SameAs(a));
    EXPECT_FALSE(halves.SameAs(b));
    EXPECT_TRUE(Region().IsEmpty());
    EXPECT_TRUE(Region(Rect{3, 3, 3, 9}).IsEmpty());
}

}  // namespace
}  // namespace platform::gfx
