// The small keyed pictures: a shirt, a trophy, the list's marker blobs and
// the program's icon. Drawn at four times their size on the key colour and
// shrunk with hard edges, so no pixel comes near the key.
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
    Surface s(64 * kS, 64 * kS, kKeyPixel);
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(60, 10, 16), kS));
    // Sleeves first, white, then the red body over them.
    c.SelectBrush(Brush::Solid(RGB(240, 240, 240)));
    c.Polygon(Scaled({{18, 6}, {4, 14}, {1, 30}, {12, 32}, {17, 22}}));
    c.Polygon(Scaled({{46, 6}, {60, 14}, {63, 30}, {52, 32}, {47, 22}}));
    c.SelectBrush(Brush::Solid(RGB(200, 24, 36)));
    c.Polygon(Scaled({{18, 6}, {26, 4}, {32, 9}, {38, 4}, {46, 6}, {48, 22}, {48, 60}, {16, 60}, {16, 22}}));
    // Collar and a pin stripe.
    c.SelectBrush(Brush::Solid(RGB(240, 240, 240)));
    c.Polygon(Scaled({{26, 4}, {32, 9}, {38, 4}, {36, 3}, {32, 7}, {28, 3}}));
    c.SelectPen(Pen::Solid(RGB(240, 240, 240), 2 * kS));
    c.MoveTo(32 * kS, 11 * kS);
    c.LineTo(32 * kS, 58 * kS);
    Shade(s, 0.6);
    return Quantise(Shrink(s, kS, true), true, false);
}

Bitmap8 Trophy() {
    Surface s(64 * kS, 80 * kS, kKeyPixel);
    Canvas c(s);
    const ColourRef gold = RGB(226, 178, 40), dark = RGB(120, 80, 10);
    c.SelectPen(Pen::Solid(dark, kS));
    c.SelectBrush(Brush::Solid(gold));
    // Handles as rings behind the cup.
    c.SelectBrush(Brush::None());
    c.SelectPen(Pen::Solid(gold, 4 * kS));
    c.Ellipse(Rect::XYWH(4 * kS, 10 * kS, 20 * kS, 24 * kS));
    c.Ellipse(Rect::XYWH(40 * kS, 10 * kS, 20 * kS, 24 * kS));
    c.SelectPen(Pen::Solid(dark, kS));
    c.SelectBrush(Brush::Solid(gold));
    c.Polygon(Scaled({{12, 6}, {52, 6}, {48, 30}, {40, 42}, {24, 42}, {16, 30}}));
    c.Ellipse(Rect::XYWH(12 * kS, 2 * kS, 40 * kS, 9 * kS));
    c.Polygon(Scaled({{28, 42}, {36, 42}, {35, 56}, {29, 56}}));
    c.SelectBrush(Brush::Solid(RGB(70, 40, 20)));
    c.Polygon(Scaled({{16, 58}, {48, 58}, {52, 76}, {12, 76}}));
    c.SelectBrush(Brush::Solid(gold));
    c.Rectangle(Rect::XYWH(20 * kS, 63 * kS, 24 * kS, 8 * kS));
    c.SelectBrush(Brush::Solid(RGB(255, 240, 170)));
    c.SelectPen(Pen::None());
    c.Polygon(Scaled({{18, 10}, {23, 10}, {26, 32}, {22, 32}}));
    Shade(s, 0.8);
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
    return {
        {"backgrounds", "titlescreen.bmp", false, TitleScreen()},
        {"messagebox", "vantorel.bmp", true, ProgramIcon()},
        {"temp", "listblobs.bmp", true, ListBlobs()},
        {"temp", "s10trophy.bmp", true, Trophy()},
        {"temp", "shirt.bmp", true, Shirt()},
    };
}

}  // namespace art
