// The small keyed pictures: a shirt, a trophy, the list's marker blobs and
// the program's icon. Drawn at four times their size on the key colour and
// shrunk with hard edges, so no pixel comes near the key.
#include <algorithm>
#include <cmath>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;

std::vector<Point> Scaled(std::initializer_list<Point> pts) {
    std::vector<Point> out;
    for (Point p : pts) out.push_back({p.x * kS, p.y * kS});
    return out;
}

// Maps a design drawn on a 64-unit grid onto a picture `size` pixels across
// (at kS times that while drawing).
struct Grid {
    double f;
    explicit Grid(int size) : f(size * kS / 64.0) {}
    int operator()(double v) const { return static_cast<int>(std::lround(v * f)); }
    std::vector<Point> Pts(std::initializer_list<Point> pts) const {
        std::vector<Point> out;
        for (Point p : pts) out.push_back({(*this)(p.x), (*this)(p.y)});
        return out;
    }
    Rect R(double x, double y, double w, double h) const { return Rect::XYWH((*this)(x), (*this)(y), (*this)(w), (*this)(h)); }
    int W(double v) const { return std::max(1, (*this)(v)); }
};

// Lights a flat-coloured shape from the top left: each non-key pixel is
// darkened by its distance along the light.
void Shade(Surface& s, double strength) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            Pixel& p = s.Row(y)[x];
            if (p == kKeyPixel) continue;
            double t = (x / static_cast<double>(s.Width()) + y / static_cast<double>(s.Height())) / 2;
            double f = 1.0 + strength * (0.35 - t);
            p = MakePixel(static_cast<int>(std::clamp(PixelR(p) * f, 0.0, 255.0)),
                          static_cast<int>(std::clamp(PixelG(p) * f, 0.0, 255.0)),
                          static_cast<int>(std::clamp(PixelB(p) * f, 0.0, 255.0)));
        }
}

}  // namespace

Bitmap8 Shirt() {
    // Drawn for a list header: 14 pixels, so the shapes are bold and few.
    constexpr int kSize = 14;
    const Grid g(kSize);
    Surface s(kSize * kS, kSize * kS, kKeyPixel);
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(60, 10, 16), g.W(3)));
    // Sleeves first, white, then the red body over them.
    c.SelectBrush(Brush::Solid(RGB(240, 240, 240)));
    c.Polygon(g.Pts({{18, 4}, {2, 14}, {0, 30}, {14, 32}, {17, 22}}));
    c.Polygon(g.Pts({{46, 4}, {62, 14}, {64, 30}, {50, 32}, {47, 22}}));
    c.SelectBrush(Brush::Solid(RGB(200, 24, 36)));
    c.Polygon(g.Pts({{18, 4}, {26, 2}, {32, 9}, {38, 2}, {46, 4}, {48, 22}, {48, 62}, {16, 62}, {16, 22}}));
    // A white stripe down the middle.
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(RGB(240, 240, 240)));
    c.Rectangle(g.R(28, 12, 8, 50));
    Shade(s, 0.6);
    return Quantise(Shrink(s, kS, true), true, false);
}

Bitmap8 Trophy() {
    // A cup for a list header, 14 pixels square.
    constexpr int kSize = 14;
    const Grid g(kSize);
    Surface s(kSize * kS, kSize * kS, kKeyPixel);
    Canvas c(s);
    const ColourRef gold = RGB(226, 178, 40), dark = RGB(120, 80, 10);
    // Handles as rings behind the cup.
    c.SelectBrush(Brush::None());
    c.SelectPen(Pen::Solid(gold, g.W(6)));
    c.Ellipse(g.R(2, 6, 22, 24));
    c.Ellipse(g.R(40, 6, 22, 24));
    c.SelectPen(Pen::Solid(dark, g.W(3)));
    c.SelectBrush(Brush::Solid(gold));
    c.Polygon(g.Pts({{12, 2}, {52, 2}, {48, 28}, {38, 38}, {26, 38}, {16, 28}}));
    c.Polygon(g.Pts({{27, 38}, {37, 38}, {36, 50}, {28, 50}}));
    c.SelectBrush(Brush::Solid(RGB(70, 40, 20)));
    c.Polygon(g.Pts({{14, 50}, {50, 50}, {54, 63}, {10, 63}}));
    c.SelectBrush(Brush::Solid(RGB(255, 240, 170)));
    c.SelectPen(Pen::None());
    c.Polygon(g.Pts({{18, 6}, {25, 6}, {27, 26}, {22, 26}}));
    Shade(s, 0.8);
    return Quantise(Shrink(s, kS, true), true, false);
}

// The table's movement marks, 11 pixels: a green arrow up, a red arrow down
// and an amber bar for a club that kept its place.
Bitmap8 Movement(int kind) {
    constexpr int kSize = 11;
    const Grid g(kSize);
    Surface s(kSize * kS, kSize * kS, kKeyPixel);
    Canvas c(s);
    const ColourRef fill = kind == 0 ? RGB(40, 200, 70) : kind == 1 ? RGB(220, 40, 40) : RGB(240, 180, 30);
    c.SelectPen(Pen::Solid(RGB(20, 20, 20), g.W(4)));
    c.SelectBrush(Brush::Solid(fill));
    if (kind == 0)
        c.Polygon(g.Pts({{32, 4}, {60, 34}, {44, 34}, {44, 60}, {20, 60}, {20, 34}, {4, 34}}));
    else if (kind == 1)
        c.Polygon(g.Pts({{32, 60}, {60, 30}, {44, 30}, {44, 4}, {20, 4}, {20, 30}, {4, 30}}));
    else
        c.Rectangle(g.R(6, 22, 52, 20));
    Shade(s, 0.5);
    return Quantise(Shrink(s, kS, true), true, false);
}

Bitmap8 ListBlobs() {
    // Five round markers, 12 pixels each: red, amber, green, blue, white.
    const ColourRef colours[5] = {RGB(210, 30, 30), RGB(240, 160, 20), RGB(30, 170, 60), RGB(40, 90, 220),
                                  RGB(235, 235, 235)};
    Surface s(60 * kS, 12 * kS, kKeyPixel);
    Canvas c(s);
    for (int i = 0; i < 5; ++i) {
        c.SelectPen(Pen::Solid(RGB(20, 20, 20), kS));
        c.SelectBrush(Brush::Solid(colours[i]));
        c.Ellipse(Rect::XYWH((i * 12 + 1) * kS, 1 * kS, 10 * kS, 10 * kS));
        c.SelectPen(Pen::None());
        c.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
        c.Ellipse(Rect::XYWH((i * 12 + 3) * kS, 3 * kS, 3 * kS, 3 * kS));
    }
    return Quantise(Shrink(s, kS, true), true, false);
}

// The tree's 9-pixel boxes: a plus to open, a minus to close, an arrow for
// a shortcut; gold on navy like the scroll arrows, opaque.
Bitmap8 TreeBox(int kind) {
    constexpr int kN = 9;
    Surface s(kN, kN, MakePixel(222, 180, 72));
    for (int y = 1; y < kN - 1; ++y)
        for (int x = 1; x < kN - 1; ++x) s.Row(y)[x] = MakePixel(22 + 4 * y, 38 + 5 * y, 84 + 6 * y);
    const Pixel ink = MakePixel(255, 236, 170);
    if (kind == 2) {
        for (int k = 0; k < 3; ++k)
            for (int y = 2 + k; y <= 6 - k; ++y) s.Row(y)[3 + k] = ink;
    } else {
        for (int x = 2; x <= 6; ++x) s.Row(4)[x] = ink;
        if (kind == 0)
            for (int y = 2; y <= 6; ++y) s.Row(y)[4] = ink;
    }
    return Quantise(s, false, false);
}

Bitmap8 ProgramIcon() {
    // A football on a red shield.
    Surface s(32 * kS, 32 * kS, kKeyPixel);
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(30, 10, 10), kS));
    c.SelectBrush(Brush::Solid(RGB(190, 20, 30)));
    c.Polygon(Scaled({{2, 2}, {30, 2}, {30, 16}, {16, 30}, {2, 16}}));
    c.SelectBrush(Brush::Solid(RGB(245, 245, 245)));
    c.Ellipse(Rect::XYWH(7 * kS, 5 * kS, 18 * kS, 18 * kS));
    c.SelectBrush(Brush::Solid(RGB(25, 25, 25)));
    c.SelectPen(Pen::None());
    std::vector<Point> pent;
    for (int k = 0; k < 5; ++k) {
        double a = -M_PI / 2 + k * 2 * M_PI / 5;
        pent.push_back({static_cast<int>((16 + 4.5 * std::cos(a)) * kS), static_cast<int>((14 + 4.5 * std::sin(a)) * kS)});
    }
    c.Polygon(pent);
    Shade(s, 0.5);
    return Quantise(Shrink(s, kS, true), true, false);
}

std::vector<Picture> AllPictures() {
    std::vector<Picture> all = {
        {"backgrounds", "titlescreen.bmp", false, TitleScreen()},
        {"backgrounds", "92.bmp", false, TitleMenuScreen()},
        {"backgrounds", "creditscreen.bmp", false, CreditScreen()},
        {"backgrounds", "blank.bmp", false, PlainPage(0, 0, 0)},
        {"messagebox", "vantorel.bmp", true, ProgramIcon()},
        {"temp", "listblobs.bmp", true, ListBlobs()},
        {"temp", "s10trophy.bmp", true, Trophy()},
        {"temp", "shirt.bmp", true, Shirt()},
        {"listcontrol", "pos_up.bmp", true, Movement(0)},
        {"listcontrol", "pos_down.bmp", true, Movement(1)},
        {"listcontrol", "pos_same.bmp", true, Movement(2)},
        {"tree", "expandable.bmp", false, TreeBox(0)},
        {"tree", "expanded.bmp", false, TreeBox(1)},
        {"tree", "shortcut.bmp", false, TreeBox(2)},
    };
    for (Picture& p : WidgetPictures()) all.push_back(std::move(p));
    for (Picture& p : ToolBarPictures()) all.push_back(std::move(p));
    for (Picture& p : FacePictures()) all.push_back(std::move(p));
    for (Picture& p : KitPictures()) all.push_back(std::move(p));
    for (Picture& p : SquadPictures()) all.push_back(std::move(p));
    for (Picture& p : PlayerPictures()) all.push_back(std::move(p));
    for (Picture& p : MatchPictures()) all.push_back(std::move(p));
    for (Picture& p : NewsPictures()) all.push_back(std::move(p));
    for (Picture& p : ClubPictures()) all.push_back(std::move(p));
    for (Picture& p : CompetitionPictures()) all.push_back(std::move(p));
    for (Picture& p : InfoPictures()) all.push_back(std::move(p));
    return all;
}

}  // namespace art
