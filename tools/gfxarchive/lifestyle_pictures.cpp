// The manager profile's lifestyle panel: a rounded card of sky and lawn,
// five houses that grow with the wage, and six cars parked in front. The
// houses and cars are keyed so the card shows round them.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kLifeW = 148, kLifeH = 120, kLifeS = 4;

Surface LifeSurface() { return Surface(kLifeW * kLifeS, kLifeH * kLifeS, kKeyPixel); }
Bitmap8 LifeFinish(const Surface& s) { return Quantise(Shrink(s, kLifeS, true), true, true); }

bool LifeInCard(int x, int y, int w, int h, int r) {
    const int cx = x < r ? r : (x >= w - r ? w - r - 1 : x);
    const int cy = y < r ? r : (y >= h - r ? h - r - 1 : y);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// The card: a sky fading to the horizon, distant hills, a lawn and a path.
Bitmap8 LifestyleBack() {
    Surface s = LifeSurface();
    const int W = kLifeW * kLifeS, H = kLifeH * kLifeS, horizon = 70 * kLifeS;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!LifeInCard(x, y, W, H, 9 * kLifeS)) continue;
            Pixel px;
            if (y < horizon) {
                const double t = double(y) / horizon;
                px = MakePixel(uint8_t(96 + 110 * t), uint8_t(156 + 74 * t), uint8_t(228 + 20 * t));
                // Two soft clouds.
                for (auto [cx, cy, rx, ry] : {std::array<double, 4>{34, 18, 18, 6}, {108, 28, 22, 7}}) {
                    const double dx = (x / double(kLifeS) - cx) / rx, dy = (y / double(kLifeS) - cy) / ry;
                    const double d = dx * dx + dy * dy;
                    if (d < 1) Blend(px, 255, 255, 255, 0.75 * (1 - d));
                }
                // Far hills.
                const double hill = 62 + 5 * std::sin(x / double(kLifeS) * 0.07) + 3 * std::sin(x / double(kLifeS) * 0.19);
                if (y / double(kLifeS) > hill) px = MakePixel(120, 170, 120);
            } else {
                const double t = double(y - horizon) / (H - horizon);
                const double n = Noise(uint32_t(x / 3), uint32_t(y / 3), 7);
                px = MakePixel(uint8_t(70 + 30 * t + 18 * n), uint8_t(150 + 25 * t + 14 * n), uint8_t(60 + 10 * n));
            }
            // The rim.
            if (!LifeInCard(x - 2 * kLifeS, y - 2 * kLifeS, W - 4 * kLifeS, H - 4 * kLifeS, 7 * kLifeS))
                px = MakePixel(235, 235, 240);
            s.Row(y)[x] = px;
        }
    return LifeFinish(s);
}

struct LifeHouse {
    double x, w, wallTop, roofTop;  // walls from wallTop to the ground at 78
    ColourRef wall, roof, trim;
    int floors, windows;
    bool porch, columns, tower;
};

void LifeWindow(BigPen& p, double x, double y, double w, double h) {
    p.Fill(RGB(245, 245, 240));
    p.Box(x - 0.8, y - 0.8, w + 1.6, h + 1.6);
    p.Fill(RGB(120, 170, 215));
    p.Box(x, y, w, h);
    p.Line(RGB(245, 245, 240), 0.6);
    p.Segment(x + w / 2, y, x + w / 2, y + h);
    p.Segment(x, y + h / 2, x + w, y + h / 2);
}

// A house standing on the lawn, its door at the front.
Bitmap8 HousePicture(int n) {
    static const LifeHouse kHouses[5] = {
        // A terrace: a narrow brick front between its neighbours.
        {30, 88, 42, 30, RGB(160, 82, 62), RGB(80, 70, 75), RGB(230, 225, 215), 2, 1, false, false, false},
        // Semi-detached: two mirrored halves under one roof.
        {22, 104, 40, 24, RGB(214, 180, 140), RGB(150, 60, 45), RGB(250, 248, 240), 2, 2, true, false, false},
        // Detached, with a garage.
        {18, 112, 38, 18, RGB(236, 226, 206), RGB(120, 55, 40), RGB(255, 255, 255), 2, 3, true, false, false},
        // A villa: white walls and a low terracotta roof.
        {12, 124, 36, 22, RGB(248, 246, 238), RGB(200, 100, 60), RGB(180, 150, 110), 2, 4, true, true, false},
        // A mansion: a long stone front with a middle tower.
        {6, 136, 34, 18, RGB(222, 214, 192), RGB(70, 80, 100), RGB(255, 255, 250), 3, 5, true, true, true},
    };
    const LifeHouse& h = kHouses[n - 1];
    Surface s = LifeSurface();
    Canvas cv(s);
    BigPen p{cv};
    const double ground = 78, right = h.x + h.w;
    if (n == 1) {
        // The neighbours' walls on either side, a shade darker.
        p.Fill(RGB(130, 70, 56));
        p.Box(h.x - 22, h.wallTop + 2, 22, ground - h.wallTop - 2);
        p.Box(right, h.wallTop + 2, 22, ground - h.wallTop - 2);
    }
    // Roof.
    p.Fill(h.roof);
    if (h.tower) {
        p.Poly({{h.x - 3, h.wallTop}, {h.x + 10, h.roofTop + 8}, {right - 10, h.roofTop + 8}, {right + 3, h.wallTop}});
        p.Fill(h.wall);
        p.Box(h.x + h.w / 2 - 14, h.roofTop - 4, 28, h.wallTop - h.roofTop + 4);
        p.Fill(h.roof);
        p.Poly({{h.x + h.w / 2 - 17, h.roofTop - 4}, {h.x + h.w / 2, h.roofTop - 16}, {h.x + h.w / 2 + 17, h.roofTop - 4}});
        LifeWindow(p, h.x + h.w / 2 - 5, h.roofTop + 2, 10, 10);
    } else {
        p.Poly({{h.x - 4, h.wallTop}, {h.x + h.w / 2, h.roofTop}, {right + 4, h.wallTop}});
    }
    // Chimney.
    p.Fill(RGB(150, 80, 60));
    p.Box(right - 22, h.roofTop + 2, 7, h.wallTop - h.roofTop - 2);
    // Walls.
    p.Fill(h.wall);
    p.Box(h.x, h.wallTop, h.w, ground - h.wallTop);
    p.Line(RGB(90, 70, 60), 0.6);
    p.Segment(h.x, ground, right, ground);
    if (n == 2) {
        p.Line(h.trim, 1.2);
        p.Segment(h.x + h.w / 2, h.wallTop, h.x + h.w / 2, ground);
    }
    // Windows on each floor, the door in the middle of the ground floor.
    const double floorH = (ground - h.wallTop) / h.floors;
    const int cols = h.windows + 1;
    for (int f = 0; f < h.floors; ++f)
        for (int c = 0; c < cols; ++c) {
            const double cx = h.x + (c + 0.5) * h.w / cols;
            if (f == h.floors - 1 && c == cols / 2) continue;
            LifeWindow(p, cx - 5, h.wallTop + f * floorH + floorH * 0.22, 10, floorH * 0.5);
        }
    const double doorX = h.x + (cols / 2 + 0.5) * h.w / cols;
    p.Fill(RGB(40, 70, 60));
    if (n == 1) p.Fill(RGB(30, 50, 110));
    p.Box(doorX - 5, ground - floorH * 0.8, 10, floorH * 0.8);
    p.Fill(RGB(230, 190, 80));
    p.Ellipse(doorX + 2, ground - floorH * 0.42, 1.6, 1.6);
    if (h.porch) {
        p.Fill(h.trim);
        p.Box(doorX - 9, ground - floorH * 0.95, 18, 2.5);
    }
    if (h.columns) {
        p.Fill(h.trim);
        for (double dx : {-8.0, 6.0}) p.Box(doorX + dx, ground - floorH * 0.92, 2, floorH * 0.92);
    }
    // A hedge and, for the bigger houses, two trees.
    p.Fill(RGB(40, 110, 50));
    p.Box(h.x - (n == 1 ? 0 : 4), ground, h.w + (n == 1 ? 0 : 8), 4);
    if (n >= 3) {
        for (double tx : {h.x - 4.0, right - 2.0}) {
            p.Fill(RGB(100, 70, 40));
            p.Box(tx, ground - 14, 3, 14);
            p.Fill(RGB(50, 130, 60));
            p.Ellipse(tx - 7, ground - 32, 17, 22);
        }
    }
    return LifeFinish(s);
}

struct LifeCar {
    double length, height, roof;  // body size and cabin height
    ColourRef body;
    bool low, spoiler;
};

// A car seen from the side, parked on the drive at the front.
Bitmap8 CarPicture(int n) {
    static const LifeCar kCars[6] = {
        {52, 11, 11, RGB(150, 150, 120), false, false},  // an old hatchback, faded
        {56, 11, 10, RGB(60, 140, 200), false, false},   // a small car
        {70, 11, 10, RGB(170, 30, 40), false, false},    // a saloon
        {78, 11, 10, RGB(25, 30, 45), false, false},     // an executive car
        {76, 9, 7, RGB(230, 40, 30), true, false},       // a sports car
        {84, 8, 7, RGB(250, 190, 20), true, true},       // a supercar
    };
    const LifeCar& c = kCars[n - 1];
    Surface s = LifeSurface();
    Canvas cv(s);
    BigPen p{cv};
    const double ground = 112, x0 = (kLifeW - c.length) / 2 + 6, x1 = x0 + c.length;
    const double bodyTop = ground - 5 - c.height, wheelR = c.low ? 6 : 6.5;
    // Shadow.
    p.Fill(RGB(40, 80, 40));
    p.Ellipse(x0 - 2, ground - 3, c.length + 4, 6);
    // Cabin.
    p.Fill(c.body);
    const double cabinL = x0 + c.length * (c.low ? 0.32 : 0.22), cabinR = x0 + c.length * (c.low ? 0.72 : (n == 1 ? 0.9 : 0.78));
    p.Poly({{cabinL - 4, bodyTop + 1}, {cabinL + 5, bodyTop - c.roof}, {cabinR - 5, bodyTop - c.roof}, {cabinR + 3, bodyTop + 1}});
    p.Fill(RGB(170, 205, 230));
    p.Poly({{cabinL - 1, bodyTop}, {cabinL + 6, bodyTop - c.roof + 2}, {cabinR - 6, bodyTop - c.roof + 2}, {cabinR, bodyTop}});
    p.Line(c.body, 1.2);
    p.Segment((cabinL + cabinR) / 2, bodyTop - c.roof + 2, (cabinL + cabinR) / 2, bodyTop);
    // Body.
    p.Fill(c.body);
    p.Poly({{x0, ground - 5}, {x0, bodyTop + 3}, {x0 + 4, bodyTop}, {x1 - 3, bodyTop + (c.low ? 2 : 0)}, {x1, bodyTop + 5}, {x1, ground - 5}});
    p.Box(x0 + 2, ground - 7, c.length - 4, 4);
    // Highlight, lamps and spoiler.
    p.Line(RGB(255, 255, 255), 0.6);
    p.Segment(x0 + 5, bodyTop + 2, x1 - 6, bodyTop + 2 + (c.low ? 1 : 0));
    p.Fill(RGB(255, 245, 200));
    p.Box(x1 - 3, bodyTop + 4, 3, 3);
    p.Fill(RGB(200, 30, 30));
    p.Box(x0, bodyTop + 4, 2, 3);
    if (c.spoiler) {
        p.Fill(RGB(30, 30, 30));
        p.Box(x0 - 1, bodyTop - 4, 10, 2);
        p.Box(x0 + 3, bodyTop - 3, 2, 4);
    }
    if (n == 1) {
        // A dent and a dull patch on the old hatchback.
        p.Fill(RGB(120, 110, 90));
        p.Ellipse(x0 + 20, bodyTop + 4, 8, 4);
    }
    // Wheels.
    for (double wx : {x0 + c.length * 0.2, x1 - c.length * 0.2}) {
        p.Fill(RGB(25, 25, 25));
        p.Ellipse(wx - wheelR, ground - 2 * wheelR, 2 * wheelR, 2 * wheelR);
        p.Fill(n >= 4 ? RGB(210, 210, 220) : RGB(150, 150, 150));
        p.Ellipse(wx - wheelR * 0.55, ground - wheelR * 1.55, wheelR * 1.1, wheelR * 1.1);
    }
    return LifeFinish(s);
}

std::string LifeName(const char* stem, int n) {
    char name[24];
    std::snprintf(name, sizeof name, "%s%02d.bmp", stem, n);
    return name;
}

}  // namespace

std::vector<Picture> LifestylePictures() {
    std::vector<Picture> out;
    out.push_back({"buttons", "profile-back.bmp", true, LifestyleBack()});
    for (int n = 1; n <= 5; ++n) out.push_back({"buttons", LifeName("house", n), true, HousePicture(n)});
    for (int n = 1; n <= 6; ++n) out.push_back({"buttons", LifeName("car", n), true, CarPicture(n)});
    return out;
}

}  // namespace art
