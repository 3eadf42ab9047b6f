// The pages' backgrounds, 788 x 550, from the short descriptions of
// assets/screens/backgrounds.txt: each in its section's colours, with the
// title band where pages write their title and club name, and panels under
// their lists and texts.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

struct Rgb {
    double r, g, b;
};

struct Style {
    const char* name;
    Rgb accent;
    uint32_t seed;
};

constexpr Style kStyles[] = {
    {"manager", {232, 150, 52}, 11},     {"squad", {70, 150, 222}, 12},   {"club", {206, 62, 60}, 13},
    {"player", {56, 172, 150}, 14},      {"finances", {64, 164, 92}, 15}, {"fixtures", {128, 176, 60}, 16},
    {"information", {92, 132, 214}, 17}, {"news", {204, 92, 96}, 18},    {"discipline", {224, 190, 70}, 19},
    {"options", {152, 120, 206}, 20},    {"neutral", {132, 138, 154}, 21},
};

const Style& StyleNamed(const std::string& name) {
    for (const Style& s : kStyles)
        if (name == s.name) return s;
    throw std::runtime_error("unknown background style " + name);
}

struct PanelBox {
    int x, y, w, h;
    // 0 a panel; 1 a tab behind, 2 the tab in front; 3 a pitch, own goal
    // on the left; 4 a pitch of 22-px cells with a faint grid, whose goal
    // areas are the keeper's cells (two columns, rows 3 to 5); 5 a football
    // ground's surroundings seen from above, at the stadium plan's scale.
    int kind = 0;
};

struct Description {
    std::string name;
    const Style* style;
    bool full;
    std::vector<PanelBox> panels;
    // Without the title band and the faint pitch: pages whose own pictures
    // cover the top of the page.
    bool bare = false;
};

Pixel Make(double r, double g, double b) {
    auto c = [](double v) { return std::clamp(static_cast<int>(v + 0.5), 0, 255); };
    return MakePixel(c(r), c(g), c(b));
}

// Inside a rounded rectangle (radius r)?
bool InRounded(int x, int y, const PanelBox& p, int r) {
    if (x < p.x || y < p.y || x >= p.x + p.w || y >= p.y + p.h) return false;
    const int cx = std::clamp(x, p.x + r, p.x + p.w - 1 - r), cy = std::clamp(y, p.y + r, p.y + p.h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// Grass mown in stripes, the touchlines, the halfway line and centre
// circle, and the goal areas at both ends.
void DrawPitch(Surface& s, const PanelBox& p) {
    const bool grid = p.kind == 4;
    const int stripe = grid ? 22 : std::max(8, p.w / 13);
    for (int y = p.y; y < p.y + p.h; ++y)
        for (int x = p.x; x < p.x + p.w; ++x) {
            const bool light = ((x - p.x) / stripe) % 2 == 0;
            const double n = (Noise(uint32_t(x), uint32_t(y), 77) - 0.5) * 8;
            s.Row(y)[x] = Make(34 + n, (light ? 118 : 104) + n, 44 + n);
        }
    auto line = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (x >= p.x && y >= p.y && x < p.x + p.w && y < p.y + p.h) Blend(s.Row(y)[x], 240, 250, 240, 0.75);
    };
    if (grid) {
        for (int y = p.y; y < p.y + p.h; ++y)
            for (int x = p.x; x < p.x + p.w; ++x)
                if ((x - p.x) % 22 == 0 || (y - p.y) % 22 == 0) Blend(s.Row(y)[x], 0, 30, 0, 0.25);
        auto box = [&](int x0, int y0, int x1, int y1) {
            line(x0, y0, x1, y0);
            line(x0, y1, x1, y1);
            line(x0, y0, x0, y1);
            line(x1, y0, x1, y1);
        };
        const int l = p.x, t = p.y, r = p.x + p.w - 1, b = p.y + p.h - 1, mx = p.x + 6 * 22 + 11;
        line(l, t, r, t);
        line(l, b, r, b);
        line(l, t, l, b);
        line(r, t, r, b);
        line(mx, t, mx, b);
        box(l, t + 3 * 22, l + 2 * 22, t + 6 * 22);
        box(r - 2 * 22, t + 3 * 22, r, t + 6 * 22);
        box(l, t + 2 * 22 - 11, l + 4 * 22, t + 7 * 22 + 11);
        box(r - 4 * 22, t + 2 * 22 - 11, r, t + 7 * 22 + 11);
        const int my = (t + b) / 2, radius = 30;
        for (int y = my - radius - 1; y <= my + radius + 1; ++y)
            for (int x = mx - radius - 1; x <= mx + radius + 1; ++x)
                if (std::abs(std::hypot(x - mx, y - my) - radius) < 0.7) line(x, y, x, y);
        return;
    }
    const int l = p.x + 3, t = p.y + 3, r = p.x + p.w - 4, b = p.y + p.h - 4;
    line(l, t, r, t);
    line(l, b, r, b);
    line(l, t, l, b);
    line(r, t, r, b);
    const int mx = (l + r) / 2, my = (t + b) / 2;
    line(mx, t, mx, b);
    const int radius = p.h / 7;
    for (int y = my - radius - 1; y <= my + radius + 1; ++y)
        for (int x = mx - radius - 1; x <= mx + radius + 1; ++x)
            if (std::abs(std::hypot(x - mx, y - my) - radius) < 0.7) line(x, y, x, y);
    const int boxH = p.h * 2 / 5, boxW = p.w / 10, smallH = p.h / 5, smallW = p.w / 24;
    for (int side = 0; side < 2; ++side) {
        const int edge = side == 0 ? l : r, dir = side == 0 ? 1 : -1;
        const int bx = edge + dir * boxW, sx = edge + dir * smallW;
        line(std::min(edge, bx), my - boxH / 2, std::max(edge, bx), my - boxH / 2);
        line(std::min(edge, bx), my + boxH / 2, std::max(edge, bx), my + boxH / 2);
        line(bx, my - boxH / 2, bx, my + boxH / 2);
        line(std::min(edge, sx), my - smallH / 2, std::max(edge, sx), my - smallH / 2);
        line(std::min(edge, sx), my + smallH / 2, std::max(edge, sx), my + smallH / 2);
        line(sx, my - smallH / 2, sx, my + smallH / 2);
    }
}


// A filled rectangle of the surroundings, clipped to the area.
void FillArea(Surface& s, const PanelBox& a, int x0, int y0, int x1, int y1, double r, double g, double b,
              double grain, uint32_t seed) {
    for (int y = std::max(y0, 0); y < std::min(y1, a.h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, a.w); ++x) {
            const double n = (Noise(uint32_t(x), uint32_t(y), seed) - 0.5) * grain;
            s.Row(a.y + y)[a.x + x] = Make(r + n, g + n, b + n);
        }
}

void ShadeArea(Surface& s, const PanelBox& a, int x0, int y0, int x1, int y1, double r, double g, double b,
               double alpha) {
    for (int y = std::max(y0, 0); y < std::min(y1, a.h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, a.w); ++x) Blend(s.Row(a.y + y)[a.x + x], r, g, b, alpha);
}

// A tree seen from above: a round crown lit from the north-west, its
// shadow thrown to the south-east.
void Tree(Surface& s, const PanelBox& a, double cx, double cy, double radius, uint32_t seed) {
    const int r = static_cast<int>(radius) + 4;
    for (int y = int(cy) - r; y <= int(cy) + r + 4; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r + 4; ++x) {
            if (x < 0 || y < 0 || x >= a.w || y >= a.h) continue;
            if (std::hypot(x - cx - 3, y - cy - 3) <= radius) Blend(s.Row(a.y + y)[a.x + x], 8, 20, 8, 0.45);
        }
    for (int y = int(cy) - r; y <= int(cy) + r; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r; ++x) {
            if (x < 0 || y < 0 || x >= a.w || y >= a.h) continue;
            const double d = std::hypot(x - cx, y - cy);
            const double lumpy = radius * (0.86 + 0.14 * Noise(uint32_t(x / 2), uint32_t(y / 2), seed));
            if (d > lumpy) continue;
            const double lit = std::clamp(0.55 + 0.45 * ((cx - x) + (cy - y)) / (radius * 1.4), 0.15, 1.0);
            const double n = (Noise(uint32_t(x), uint32_t(y), seed + 1) - 0.5) * 18;
            s.Row(a.y + y)[a.x + x] = Make(30 + 38 * lit + n, 70 + 70 * lit + n, 26 + 30 * lit + n);
        }
}

// A house roof: two slopes either side of a ridge, the north or west slope
// catching the light, and its shadow on the ground.
void Roof(Surface& s, const PanelBox& a, int x0, int y0, int w, int h, int tone, uint32_t seed) {
    static const double kTones[4][3] = {{150, 72, 52}, {122, 60, 48}, {104, 108, 116}, {160, 98, 62}};
    const double* c = kTones[tone % 4];
    ShadeArea(s, a, x0 + 2, y0 + 2, x0 + w + 3, y0 + h + 3, 0, 0, 0, 0.4);
    const bool ridgeAcross = w >= h;  // the ridge runs along the longer side
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            if (x < 0 || y < 0 || x >= a.w || y >= a.h) continue;
            const bool first = ridgeAcross ? (y - y0) * 2 < h : (x - x0) * 2 < w;
            const double lit = first ? 1.12 : 0.78;
            const bool course = ridgeAcross ? (y - y0) % 3 == 0 : (x - x0) % 3 == 0;
            const double n = (Noise(uint32_t(x), uint32_t(y), seed) - 0.5) * 10 - (course ? 8 : 0);
            s.Row(a.y + y)[a.x + x] = Make(c[0] * lit + n, c[1] * lit + n, c[2] * lit + n);
        }
    // The ridge line and a darker rim.
    for (int i = 0; i < (ridgeAcross ? w : h); ++i) {
        const int x = ridgeAcross ? x0 + i : x0 + w / 2, y = ridgeAcross ? y0 + h / 2 : y0 + i;
        if (x >= 0 && y >= 0 && x < a.w && y < a.h) Blend(s.Row(a.y + y)[a.x + x], 60, 40, 36, 0.5);
    }
}

// A ground's surroundings at the stadium plan's scale (one pixel a plan
// pixel): the paved concourse the stands stand on, a ring road, the car
// park to the west with its bays and cars, terraced streets to the east,
// trees along the roads and hedges to the north and south. The stands and
// pitch are drawn over it by the page; where a stand is small or missing,
// the concourse shows.
void DrawGround(Surface& s, const PanelBox& a) {
    // Grass and earth.
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const double n = (Noise(uint32_t(x), uint32_t(y), 91) - 0.5) * 14 +
                             (Noise(uint32_t(x / 9), uint32_t(y / 9), 92) - 0.5) * 16;
            s.Row(a.y + y)[a.x + x] = Make(62 + n, 96 + n, 50 + n * 0.6);
        }
    // The ring road (asphalt with a dashed centre line), and the streets
    // leaving it.
    const int outL = 66, outT = 12, outR = 510, outB = 372, road = 12;
    std::vector<uint8_t> isRoad(size_t(a.w) * size_t(a.h), 0);
    auto asphalt = [&](int x0, int y0, int x1, int y1) {
        FillArea(s, a, x0, y0, x1, y1, 70, 72, 78, 10, 93);
        for (int y = std::max(y0, 0); y < std::min(y1, a.h); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, a.w); ++x) isRoad[size_t(y) * size_t(a.w) + size_t(x)] = 1;
    };
    asphalt(outL, outT, outR, outT + road);
    asphalt(outL, outB - road, outR, outB);
    asphalt(outL, outT, outL + road, outB);
    asphalt(outR - road, outT, outR, outB);
    asphalt(0, 188, outL, 188 + road);            // west, to the car park's gate
    asphalt(outR, 100, a.w, 100 + road);           // east, the terraces' cross streets
    asphalt(outR, 270, a.w, 270 + road);
    asphalt(538, 0, 538 + road, a.h);              // the terraces' own street
    asphalt(280, 0, 280 + road, outT);             // north and south, to the town
    asphalt(280, outB, 280 + road, a.h);
    auto dashes = [&](int x0, int y0, int x1, int y1, bool across) {
        for (int i = 0; across ? x0 + i < x1 : y0 + i < y1; ++i)
            if ((i / 6) % 2 == 0) {
                const int x = across ? x0 + i : x0, y = across ? y0 : y0 + i;
                if (x >= 0 && y >= 0 && x < a.w && y < a.h) Blend(s.Row(a.y + y)[a.x + x], 236, 236, 220, 0.8);
            }
    };
    dashes(outL + road, outT + road / 2, outR - road, 0, true);
    dashes(outL + road, outB - road / 2, outR - road, 0, true);
    dashes(outL + road / 2, outT + road, 0, outB - road, false);
    dashes(outR - road / 2, outT + road, 0, outB - road, false);
    dashes(544, 0, 0, a.h, false);
    // Kerbs: a light edge on both sides of every road.
    for (int y = 1; y < a.h - 1; ++y)
        for (int x = 1; x < a.w - 1; ++x) {
            auto road = [&](int rx, int ry) { return isRoad[size_t(ry) * size_t(a.w) + size_t(rx)] != 0; };
            if (road(x, y)) continue;
            if (road(x + 1, y) || road(x - 1, y) || road(x, y + 1) || road(x, y - 1))
                Blend(s.Row(a.y + y)[a.x + x], 190, 188, 180, 0.8);
        }
    // The concourse round the ground, pale paving in large flags.
    const PanelBox concourse{a.x + 86, a.y + 38, 404, 308};
    for (int y = concourse.y; y < concourse.y + concourse.h; ++y)
        for (int x = concourse.x; x < concourse.x + concourse.w; ++x) {
            if (!InRounded(x, y, concourse, 18)) continue;
            const int lx = x - a.x, ly = y - a.y;
            const double n = (Noise(uint32_t(lx), uint32_t(ly), 94) - 0.5) * 8;
            const bool joint = lx % 12 == 0 || ly % 12 == 0;
            const double v = joint ? 150 : 172;
            s.Row(y)[x] = Make(v + n, v - 2 + n, v - 8 + n);
        }
    // The car park to the west: two rows of bays either side of an aisle,
    // some taken by cars.
    FillArea(s, a, 6, 36, 58, 348, 84, 86, 92, 8, 95);
    static const double kCars[6][3] = {{200, 40, 40}, {230, 230, 236}, {40, 70, 160}, {40, 40, 46},
                                       {200, 190, 60}, {110, 120, 130}};
    for (int row = 0; row < 2; ++row) {
        const int x0 = row == 0 ? 8 : 40;
        for (int y = 40; y + 9 < 346; y += 10) {
            if (y >= 184 && y < 204) continue;  // the gate from the road
            for (int x = x0; x < x0 + 16; ++x) Blend(s.Row(a.y + y)[a.x + x], 230, 230, 220, 0.8);
            if (Noise(uint32_t(row), uint32_t(y), 96) < 0.62) {
                const double* c = kCars[static_cast<int>(Noise(uint32_t(row), uint32_t(y), 97) * 6)];
                const int cx = x0 + 2;
                ShadeArea(s, a, cx + 1, y + 3, cx + 14, y + 10, 0, 0, 0, 0.35);
                FillArea(s, a, cx, y + 2, cx + 12, y + 8, c[0], c[1], c[2], 6, 98);
                ShadeArea(s, a, cx + 4, y + 3, cx + 8, y + 7, 180, 210, 230, 0.45);  // the windscreen and roof
            }
        }
    }
    // Terraces to the east: rows of roofs between the cross streets,
    // gardens behind, on both sides of their street.
    for (int block = 0; block < 3; ++block) {
        const int y0 = block == 0 ? 2 : block == 1 ? 114 : 284, y1 = block == 0 ? 98 : block == 1 ? 268 : a.h - 2;
        for (int side = 0; side < 2; ++side) {
            const int x0 = side == 0 ? 514 : 552, w = side == 0 ? 22 : 22;
            for (int y = y0 + 2, n = 0; y + 10 < y1; y += 12, ++n)
                Roof(s, a, x0, y, w, 11, (block + side + n / 4) % 4, 99 + uint32_t(block * 7 + side));
        }
    }
    // Houses along the north and south edges.
    for (int x = 80, n = 0; x + 26 < outR - 8; x += 30, ++n)
        if (x + 26 < 276 || x > 296) {
            Roof(s, a, x, 0, 26, 9, n % 4, 120 + uint32_t(n));
            Roof(s, a, x, outB + 2, 26, 10, (n + 2) % 4, 140 + uint32_t(n));
        }
    // Trees on the verges between the road and the concourse, and in the
    // corners.
    uint32_t seed = 200;
    for (int x = 92; x < 486; x += 23) {
        Tree(s, a, x, 31, 5.5, seed++);
        Tree(s, a, x + 11, 355, 5.5, seed++);
    }
    for (int y = 60; y < 330; y += 26) {
        Tree(s, a, 80 - 1, y, 4.5, seed++);
        Tree(s, a, 497, y + 13, 4.5, seed++);
    }
    for (auto [x, y] : {std::pair{26, 18}, std::pair{44, 22}, std::pair{20, 364}, std::pair{42, 370},
                        std::pair{256, 376}, std::pair{318, 378}, std::pair{262, 6}, std::pair{312, 4}})
        Tree(s, a, x, y, 7, seed++);
}

void DrawTab(Surface& s, const PanelBox& p, const Rgb& a, bool front) {
    for (int y = p.y; y < p.y + p.h; ++y)
        for (int x = p.x; x < p.x + p.w; ++x) {
            // Rounded at the top only.
            if (!InRounded(x, std::min(y, p.y + 8), {p.x, p.y, p.w, p.h + 8}, 7)) continue;
            const bool edge = x <= p.x || x >= p.x + p.w - 1 || y <= p.y ||
                              !InRounded(x, std::min(y, p.y + 8), {p.x + 1, p.y + 1, p.w - 2, p.h + 6}, 6);
            if (edge && !(front && y == p.y + p.h - 1))
                Blend(s.Row(y)[x], a.r, a.g, a.b, front ? 0.9 : 0.45);
            else if (front)
                Blend(s.Row(y)[x], a.r * 0.35, a.g * 0.35, a.b * 0.35, 0.75);
            else
                Blend(s.Row(y)[x], 2, 4, 10, 0.6);
        }
    if (front) return;
    for (int x = p.x; x < p.x + p.w; ++x) Blend(s.Row(p.y + p.h - 1)[x], a.r, a.g, a.b, 0.9);
}

Bitmap8 Background(const Description& d) {
    constexpr int W = 788, H = 550;
    const Rgb a = d.style->accent;
    Surface s(W, H);
    // The field: deep navy tinted with the section's colour, lighter at the
    // top left, with a fine diagonal weave and a soft glow of the colour.
    const double gx = d.full ? 620 : 470, gy = 60;
    for (int y = 0; y < H; ++y) {
        Pixel* row = s.Row(y);
        for (int x = 0; x < W; ++x) {
            const double t = double(y) / H;
            double r = 12 + a.r * 0.10 + 10 * (1 - t), g = 18 + a.g * 0.10 + 12 * (1 - t),
                   b = 38 + a.b * 0.10 + 18 * (1 - t);
            const double weave = ((x + y) % 7 == 0 ? 5.0 : 0.0) + ((x - y + 7000) % 7 == 0 ? 3.0 : 0.0);
            const double n = (Noise(uint32_t(x), uint32_t(y), d.style->seed) - 0.5) * 5;
            const double glow = std::exp(-(std::pow(x - gx, 2) + std::pow(y - gy, 2)) / (2 * 190.0 * 190.0));
            r += weave + n + a.r * 0.32 * glow;
            g += weave + n + a.g * 0.32 * glow;
            b += weave + n + a.b * 0.32 * glow;
            row[x] = Make(r, g, b);
        }
    }
    // A pitch drawn faintly in the lower right of what the page shows.
    const int right = d.full ? W : 599, bottom = d.full ? H : 469;
    const double pcx = right - 120, pcy = bottom - 90;
    for (int y = 0; y < H && !d.bare; ++y)
        for (int x = 0; x < W; ++x) {
            const double dist = std::hypot(x - pcx, y - pcy);
            const bool line = std::abs(dist - 70) < 1.2 || (std::abs(x - pcx) < 1.0 && y > pcy - 160) ||
                              std::abs(dist - 4) < 2.5;
            if (line) Blend(s.Row(y)[x], a.r, a.g, a.b, 0.16);
        }
    // The title band: a darker strip under the title and club name, an
    // accent bar at its left and a bright rule beneath.
    const PanelBox band{0, 12, right, d.bare ? 0 : 86};
    for (int y = band.y; y < band.y + band.h; ++y)
        for (int x = 0; x < band.w; ++x) {
            const double fade = x < band.w - 120 ? 1.0 : (band.w - x) / 120.0;
            Blend(s.Row(y)[x], 4, 6, 14, 0.55 * fade);
            if (x >= 12 && x < 18) Blend(s.Row(y)[x], a.r, a.g, a.b, 0.9);
        }
    for (int x = 0; x < band.w && !d.bare; ++x) {
        const double fade = x < band.w - 120 ? 1.0 : (band.w - x) / 120.0;
        Blend(s.Row(band.y + band.h)[x], a.r, a.g, a.b, 0.85 * fade);
        Blend(s.Row(band.y + band.h + 1)[x], 0, 0, 0, 0.5 * fade);
        Blend(s.Row(band.y - 1)[x], 255, 255, 255, 0.12 * fade);
    }
    for (const PanelBox& p : d.panels) {
        if (p.kind == 3 || p.kind == 4) DrawPitch(s, p);
        if (p.kind == 5) DrawGround(s, p);
    }
    // Panels: smoked glass with a thin edge of the section's colour; tabs
    // the same with the one in front lit and open at its foot.
    for (const PanelBox& p : d.panels) {
        if (p.kind == 1 || p.kind == 2) {
            DrawTab(s, p, a, p.kind == 2);
            continue;
        }
        if (p.kind != 0) continue;
        for (int y = p.y; y < p.y + p.h && y < H; ++y)
            for (int x = p.x; x < p.x + p.w && x < W; ++x) {
                if (!InRounded(x, y, p, 8)) continue;
                const bool edge = !InRounded(x, y, {p.x + 1, p.y + 1, p.w - 2, p.h - 2}, 7);
                if (edge)
                    Blend(s.Row(y)[x], a.r, a.g, a.b, 0.7);
                else
                    Blend(s.Row(y)[x], 2, 4, 10, 0.5 + 0.1 * (y - p.y) / double(p.h));
            }
    }
    return Quantise(s, false, true);
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; in >> f;) out.push_back(f);
    return out;
}

}  // namespace

std::vector<Picture> PageBackgrounds(const std::filesystem::path& assets) {
    std::ifstream in(assets / "screens" / "backgrounds.txt");
    if (!in) throw std::runtime_error("no background descriptions");
    std::vector<Picture> out;
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        ++n;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        const auto f = Fields(line);
        if (f.empty()) continue;
        auto fail = [&](const std::string& what) {
            throw std::runtime_error("backgrounds.txt:" + std::to_string(n) + ": " + what);
        };
        if (f.size() < 3 || (f.size() - 3) % 5 != 0) fail("expected name section layout [kind x y w h]...");
        if (f[0].size() < 3 || f[0].front() != '"' || f[0].back() != '"') fail("the name is quoted");
        if (f[1] == "match") {
            // The match page's look is the match pictures' own.
            if (f.size() != 3 || f[2] != "full") fail("a match page is full and has no panels");
            out.push_back({"backgrounds", f[0].substr(1, f[0].size() - 2), false, MatchPageBackground()});
            continue;
        }
        Description d{f[0].substr(1, f[0].size() - 2), &StyleNamed(f[1]), f[2] == "full", {}, f[2] == "bare"};
        if (f[2] != "full" && f[2] != "normal" && f[2] != "bare") fail("layout is normal, bare or full");
        for (size_t i = 3; i < f.size(); i += 5) {
            static const char* const kKinds[] = {"panel", "tab", "fronttab", "pitch", "grid", "ground"};
            int kind = -1;
            for (int k = 0; k < 6; ++k)
                if (f[i] == kKinds[k]) kind = k;
            if (kind < 0) fail("expected panel, tab, fronttab, pitch, grid or ground");
            d.panels.push_back(
                {std::stoi(f[i + 1]), std::stoi(f[i + 2]), std::stoi(f[i + 3]), std::stoi(f[i + 4]), kind});
        }
        out.push_back({"backgrounds", d.name, false, Background(d)});
    }
    return out;
}

}  // namespace art
