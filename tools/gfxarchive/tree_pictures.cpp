// The navigator's pictures: the start-up background tile, the twelve node
// icons and every league country's flag from the flag table.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;

Pixel Hex(const std::string& s) {
    const unsigned v = static_cast<unsigned>(std::stoul(s, nullptr, 16));
    return MakePixel(static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255));
}

ColourRef Ref(Pixel p) { return RGB(PixelR(p), PixelG(p), PixelB(p)); }

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, sep);) out.push_back(part);
    return out;
}

// A five-pointed star centred at (cx, cy), radius r, in big pixels.
std::vector<Point> Star(double cx, double cy, double r) {
    std::vector<Point> p;
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5, rr = k % 2 ? r * 0.42 : r;
        p.push_back({static_cast<int>(cx + rr * std::cos(a)), static_cast<int>(cy + rr * std::sin(a))});
    }
    return p;
}

}  // namespace

Surface FlagSurface(const std::string& pattern, const std::vector<Pixel>& c, int w, int h) {
    const int W = w * kS, H = h * kS;
    Surface s(W, H, c.at(0));
    Canvas g(s);
    g.SelectPen(Pen::None());
    auto fill = [&](Rect r, Pixel p) { g.FillSolidRect(r, Ref(p)); };
    auto at = [&](size_t i) { return c.at(std::min(i, c.size() - 1)); };
    if (pattern == "h2") {
        fill({0, H / 2, W, H}, at(1));
    } else if (pattern == "h3") {
        fill({0, H / 3, W, 2 * H / 3}, at(1));
        fill({0, 2 * H / 3, W, H}, at(2));
    } else if (pattern == "v2") {
        fill({W / 2, 0, W, H}, at(1));
    } else if (pattern == "v3") {
        fill({W / 3, 0, 2 * W / 3, H}, at(1));
        fill({2 * W / 3, 0, W, H}, at(2));
    } else if (pattern == "cross") {
        const int x = W * 6 / 20, t = H * 3 / 13;
        fill({x, 0, x + t, H}, at(1));
        fill({0, (H - t) / 2, W, (H + t) / 2}, at(1));
        if (c.size() > 2) {
            const int i = t / 2;
            fill({x + (t - i) / 2, 0, x + (t + i) / 2, H}, at(2));
            fill({0, (H - i) / 2, W, (H + i) / 2}, at(2));
        }
    } else if (pattern == "centre") {
        const int t = H * 3 / 13;
        fill({(W - t) / 2, 0, (W + t) / 2, H}, at(1));
        fill({0, (H - t) / 2, W, (H + t) / 2}, at(1));
    } else if (pattern == "saltire") {
        g.SelectPen(Pen::Solid(Ref(at(1)), 2 * kS));
        g.MoveTo(0, 0);
        g.LineTo(W, H);
        g.MoveTo(W, 0);
        g.LineTo(0, H);
    } else if (pattern == "plus") {
        const int t = H / 5, l = H * 3 / 5;
        fill({(W - t) / 2, (H - l) / 2, (W + t) / 2, (H + l) / 2}, at(1));
        fill({(W - l) / 2, (H - t) / 2, (W + l) / 2, (H + t) / 2}, at(1));
    } else if (pattern == "disc") {
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Ellipse(Rect::XYWH(W / 2 - H * 3 / 10, H / 2 - H * 3 / 10, H * 6 / 10, H * 6 / 10));
    } else if (pattern == "mark") {
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Polygon(Star(W / 2.0, H / 2.0 + kS / 2, H * 0.36));
    } else if (pattern == "diamond") {
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Polygon({{W / 2, kS * 2}, {W - kS * 2, H / 2}, {W / 2, H - kS * 2}, {kS * 2, H / 2}});
        g.SelectBrush(Brush::Solid(Ref(at(2))));
        g.Ellipse(Rect::XYWH(W / 2 - H / 5, H / 2 - H / 5, 2 * H / 5, 2 * H / 5));
    } else if (pattern == "canton") {
        fill({0, H / 2, W, H}, at(1));
        fill({0, 0, W * 7 / 20, H / 2}, at(2));
        g.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
        g.Polygon(Star(W * 3.5 / 20, H / 4.0, H * 0.16));
    } else if (pattern == "stripes") {
        for (int k = 1; k < 9; k += 2) fill({0, H * k / 9, W, H * (k + 1) / 9}, at(1));
        if (c.size() > 2) fill({0, 0, W * 8 / 20, H * 5 / 9}, at(2));
    } else if (pattern == "crescent") {
        // Field, crescent and star (Turkey).
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Ellipse(Rect::XYWH(W * 0.24, H * 0.25, H * 0.5, H * 0.5));
        g.SelectBrush(Brush::Solid(Ref(at(0))));
        g.Ellipse(Rect::XYWH(W * 0.24 + H * 0.12, H * 0.3, H * 0.4, H * 0.4));
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Polygon(Star(W * 0.24 + H * 0.62, H * 0.5, H * 0.13));
    } else if (pattern == "triangle") {
        // Field, triangle, stars: Bosnia-Herzegovina since 1998.
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Polygon({Point{W * 27 / 100, 0}, Point{W * 75 / 100, 0}, Point{W * 75 / 100, H}});
        g.SelectBrush(Brush::Solid(Ref(at(2))));
        for (int k = 0; k < 7; ++k) {
            const double t = (k + 0.5) / 7.0;
            g.Polygon(Star(W * (0.19 + 0.48 * t), H * t, H * 0.075));
        }
    } else if (pattern == "sun") {
        // Field and the eight-rayed sun of FYR Macedonia since 1995.
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        const int cx = W / 2, cy = H / 2, ray = H / 9;
        g.Polygon({Point{cx, cy}, Point{0, 0}, Point{ray * 3 / 2, 0}});
        g.Polygon({Point{cx, cy}, Point{0, 0}, Point{0, ray}});
        g.Polygon({Point{cx, cy}, Point{W, 0}, Point{W - ray * 3 / 2, 0}});
        g.Polygon({Point{cx, cy}, Point{W, 0}, Point{W, ray}});
        g.Polygon({Point{cx, cy}, Point{0, H}, Point{ray * 3 / 2, H}});
        g.Polygon({Point{cx, cy}, Point{0, H}, Point{0, H - ray}});
        g.Polygon({Point{cx, cy}, Point{W, H}, Point{W - ray * 3 / 2, H}});
        g.Polygon({Point{cx, cy}, Point{W, H}, Point{W, H - ray}});
        g.Polygon({Point{cx, cy}, Point{cx - ray, 0}, Point{cx + ray, 0}});
        g.Polygon({Point{cx, cy}, Point{cx - ray, H}, Point{cx + ray, H}});
        g.Polygon({Point{cx, cy}, Point{0, cy - ray}, Point{0, cy + ray}});
        g.Polygon({Point{cx, cy}, Point{W, cy - ray}, Point{W, cy + ray}});
        g.SelectBrush(Brush::Solid(Ref(at(0))));
        g.Ellipse(Rect::XYWH(cx - H * 0.2, cy - H * 0.2, H * 0.4, H * 0.4));
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Ellipse(Rect::XYWH(cx - H * 0.16, cy - H * 0.16, H * 0.32, H * 0.32));
    } else if (pattern == "ornament") {
        // Upper band, lower band, the hoist's ornament: Belarus since 1995.
        fill({0, H * 2 / 3, W, H}, at(1));
        fill({0, 0, W * 2 / 9, H}, at(2));
        g.SelectBrush(Brush::Solid(Ref(at(0))));
        const int cx = W / 9, d = H / 10;
        for (int k = 0; k < 5; ++k) {
            const int cy = H * (2 * k + 1) / 10;
            g.Polygon({Point{cx, cy - d}, Point{cx + d, cy}, Point{cx, cy + d}, Point{cx - d, cy}});
        }
    } else if (pattern == "wine") {
        // Field and a canton of two bands: Georgia from 1990 to 2004.
        fill({0, 0, W * 2 / 5, H / 4}, at(1));
        fill({0, H / 4, W * 2 / 5, H / 2}, at(2));
    } else if (pattern == "bauhinia") {
        // Field and the five-petalled flower of Hong Kong since 1997.
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        for (int k = 0; k < 5; ++k) {
            const double a = -M_PI / 2 + k * 2 * M_PI / 5;
            std::vector<Point> petal;
            for (int j = 0; j < 12; ++j) {
                const double u = j / 11.0 * M_PI;
                const double along = H * 0.34 * (1 - std::cos(u)) / 2, across = H * 0.09 * std::sin(u);
                const double b = a + 0.35;  // each petal curls the same way round
                petal.push_back({static_cast<int>(W / 2 + along * std::cos(b) - across * std::sin(b)),
                                 static_cast<int>(H / 2 + along * std::sin(b) + across * std::cos(b))});
            }
            g.Polygon(petal);
        }
    } else if (pattern == "pall") {
        // South Africa since 1994: red, blue, the white-edged green Y, the
        // yellow-edged black triangle.
        fill({0, H / 2, W, H}, at(1));
        const int j = W * 2 / 5;
        g.SelectPen(Pen::Solid(Ref(at(3)), H / 3));
        g.MoveTo(-H / 8, -H / 8);
        g.LineTo(j, H / 2);
        g.LineTo(-H / 8, H + H / 8);
        g.MoveTo(j, H / 2);
        g.LineTo(W, H / 2);
        g.SelectPen(Pen::Solid(Ref(at(2)), H / 5));
        g.MoveTo(-H / 8, -H / 8);
        g.LineTo(j, H / 2);
        g.LineTo(-H / 8, H + H / 8);
        g.MoveTo(j, H / 2);
        g.LineTo(W, H / 2);
        g.SelectPen(Pen::None());
        g.SelectBrush(Brush::Solid(Ref(at(4))));
        g.Polygon({Point{0, H * 16 / 100}, Point{W * 30 / 100, H / 2}, Point{0, H * 84 / 100}});
        g.SelectBrush(Brush::Solid(Ref(at(5))));
        g.Polygon({Point{0, H * 25 / 100}, Point{W * 22 / 100, H / 2}, Point{0, H * 75 / 100}});
    } else if (pattern == "dragon") {
        // Upper band, lower band and the red dragon of Wales, facing the hoist.
        fill({0, H / 2, W, H}, at(1));
        g.SelectBrush(Brush::Solid(Ref(at(2))));
        auto P = [&](double x, double y) { return Point{static_cast<int>(W * x), static_cast<int>(H * y)}; };
        g.Polygon({P(0.22, 0.30), P(0.30, 0.22), P(0.34, 0.30), P(0.38, 0.46), P(0.44, 0.30), P(0.50, 0.12),
                   P(0.58, 0.28), P(0.64, 0.16), P(0.66, 0.40), P(0.72, 0.46), P(0.80, 0.34), P(0.86, 0.24),
                   P(0.84, 0.42), P(0.76, 0.60), P(0.70, 0.66), P(0.70, 0.82), P(0.64, 0.82), P(0.62, 0.68),
                   P(0.48, 0.68), P(0.44, 0.84), P(0.38, 0.84), P(0.40, 0.64), P(0.34, 0.52), P(0.28, 0.38),
                   P(0.20, 0.36)});
    } else if (pattern == "ulster") {
        // Field, cross, star, hand and crown: the Ulster banner.
        const int t = H * 3 / 13;
        fill({(W - t) / 2, 0, (W + t) / 2, H}, at(1));
        fill({0, (H - t) / 2, W, (H + t) / 2}, at(1));
        const int cx = W / 2, cy = H / 2 + H / 20, r = H / 5;
        g.SelectBrush(Brush::Solid(Ref(at(0))));
        g.Polygon({Point{cx, cy - r}, Point{cx + r * 87 / 100, cy + r / 2}, Point{cx - r * 87 / 100, cy + r / 2}});
        g.Polygon({Point{cx, cy + r}, Point{cx + r * 87 / 100, cy - r / 2}, Point{cx - r * 87 / 100, cy - r / 2}});
        fill({cx - r / 4, cy - r / 3, cx + r / 4, cy + r / 2}, at(1));
        g.SelectBrush(Brush::Solid(Ref(at(2))));
        g.Polygon({Point{cx - r / 2, cy - r - H / 20}, Point{cx - r / 2, cy - r - H / 8}, Point{cx - r / 6, cy - r - H / 12},
                   Point{cx, cy - r - H / 7}, Point{cx + r / 6, cy - r - H / 12}, Point{cx + r / 2, cy - r - H / 8},
                   Point{cx + r / 2, cy - r - H / 20}});
    } else if (pattern == "taegeuk") {
        // Field, the red and blue circle, the four black trigrams.
        const int r = H * 22 / 100;
        g.SelectBrush(Brush::Solid(Ref(at(2))));
        g.Ellipse(Rect::XYWH(W / 2 - r, H / 2 - r, 2 * r, 2 * r));
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Pie(Rect::XYWH(W / 2 - r, H / 2 - r, 2 * r, 2 * r), Point{W / 2 + r, H / 2}, Point{W / 2 - r, H / 2});
        g.SelectBrush(Brush::Solid(Ref(at(3))));
        for (int k = 0; k < 4; ++k) {
            const int x = k % 2 ? W * 80 / 100 : W * 12 / 100, y = k / 2 ? H * 72 / 100 : H * 14 / 100;
            for (int b = 0; b < 3; ++b) fill({x, y + b * H / 20, x + W / 10, y + b * H / 20 + H / 36 + 1}, at(3));
        }
    } else if (pattern == "ensign") {
        // Field, the Union flag in the canton, the stars (field, stars).
        const int cw = W / 2, ch = H / 2;
        fill({0, 0, cw, ch}, MakePixel(1, 33, 105));
        g.SelectPen(Pen::Solid(RGB(255, 255, 255), H / 10));
        g.MoveTo(0, 0);
        g.LineTo(cw, ch);
        g.MoveTo(cw, 0);
        g.LineTo(0, ch);
        g.SelectPen(Pen::Solid(RGB(200, 16, 46), H / 30 + 1));
        g.MoveTo(0, 0);
        g.LineTo(cw, ch);
        g.MoveTo(cw, 0);
        g.LineTo(0, ch);
        g.SelectPen(Pen::None());
        fill({cw / 2 - H / 14, 0, cw / 2 + H / 14, ch}, MakePixel(255, 255, 255));
        fill({0, ch / 2 - H / 14, cw, ch / 2 + H / 14}, MakePixel(255, 255, 255));
        fill({cw / 2 - H / 24, 0, cw / 2 + H / 24, ch}, MakePixel(200, 16, 46));
        fill({0, ch / 2 - H / 24, cw, ch / 2 + H / 24}, MakePixel(200, 16, 46));
        g.SelectBrush(Brush::Solid(Ref(at(1))));
        g.Polygon(Star(W * 0.25, H * 0.76, H * 0.13));
        g.Polygon(Star(W * 0.75, H * 0.22, H * 0.07));
        g.Polygon(Star(W * 0.62, H * 0.48, H * 0.07));
        g.Polygon(Star(W * 0.86, H * 0.42, H * 0.07));
        g.Polygon(Star(W * 0.75, H * 0.82, H * 0.07));
    } else if (pattern == "greece") {
        // Nine stripes and the cross in the canton (stripes, field).
        for (int k = 1; k < 9; k += 2) fill({0, H * k / 9, W, H * (k + 1) / 9}, at(1));
        fill({0, 0, W * 10 / 27, H * 5 / 9}, at(0));
        fill({W * 4 / 27, 0, W * 6 / 27, H * 5 / 9}, at(1));
        fill({0, H * 2 / 9, W * 10 / 27, H * 3 / 9}, at(1));
    } else {
        throw std::runtime_error("unknown flag pattern " + pattern);
    }
    Surface small = Shrink(s, kS, false);
    // The dark edge, and the light from the top left.
    for (int y = 0; y < small.Height(); ++y)
        for (int x = 0; x < small.Width(); ++x) {
            Pixel& p = small.Row(y)[x];
            if (x == 0 || y == 0 || x == small.Width() - 1 || y == small.Height() - 1) {
                p = MakePixel(PixelR(p) / 3, PixelG(p) / 3, PixelB(p) / 3);
                continue;
            }
            const double f = 1.08 - 0.16 * (x + y) / double(small.Width() + small.Height());
            p = MakePixel(std::min(255, int(PixelR(p) * f)), std::min(255, int(PixelG(p) * f)),
                          std::min(255, int(PixelB(p) * f)));
        }
    return small;
}

std::vector<FlagDesign> ReadFlagTable(const std::filesystem::path& assets) {
    std::vector<FlagDesign> out;
    std::ifstream in(assets / "ui" / "flags.txt");
    if (!in) throw std::runtime_error("no flag table");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto f = Split(line, '|');
        if (f.size() != 3) throw std::runtime_error("bad flag line: " + line);
        FlagDesign d{f[0], f[1], {}};
        for (const auto& c : Split(f[2], ',')) d.colours.push_back(Hex(c));
        out.push_back(std::move(d));
    }
    return out;
}

namespace {

// One flag, 20 x 13 for the tree (60 x 40 beside a page's title), with a
// one-pixel dark edge so light flags stand out on any background.
Bitmap8 Flag(const std::string& pattern, const std::vector<Pixel>& c, int w = 20, int h = 13) {
    Surface small = FlagSurface(pattern, c, w, h);
    // Corners left out: the flag sits on the tree's background like a cloth.
    for (int y : {0, small.Height() - 1})
        for (int x : {0, small.Width() - 1}) small.Row(y)[x] = kKeyPixel;
    return Quantise(small, true, false);
}

// The node icons, 16 x 16 on the key colour; drawn larger, the context
// pictures beside a page's title.
Bitmap8 Icon(const std::string& name, int size = 16) {
    const int N = size * kS;
    Surface s(N, N, kKeyPixel);
    Canvas g(s);
    auto P = [&](double x, double y) { return Point{static_cast<int>(x * N / 16), static_cast<int>(y * N / 16)}; };
    auto R = [&](double x, double y, double w, double h) {
        return Rect{int(x * N / 16), int(y * N / 16), int((x + w) * N / 16), int((y + h) * N / 16)};
    };
    const ColourRef outline = RGB(16, 20, 36);
    g.SelectPen(Pen::Solid(outline, std::max(1, kS * size / 16)));
    auto globe = [&](ColourRef sea, ColourRef land) {
        g.SelectBrush(Brush::Solid(sea));
        g.Ellipse(R(1, 1, 14, 14));
        g.SelectPen(Pen::None());
        g.SelectBrush(Brush::Solid(land));
        return;
    };
    if (name == "world") {
        globe(RGB(40, 110, 210), RGB(60, 170, 80));
        g.Polygon({P(4, 4), P(8, 3), P(9, 7), P(6, 9), P(4, 7)});
        g.Polygon({P(9, 9), P(13, 8), P(12, 13), P(9, 12)});
    } else if (name == "europe") {
        g.SelectBrush(Brush::Solid(RGB(0, 51, 153)));
        g.Rectangle(R(0, 2, 16, 12));
        g.SelectPen(Pen::None());
        g.SelectBrush(Brush::Solid(RGB(255, 204, 0)));
        for (int k = 0; k < 12; ++k) {
            const double a = k * M_PI / 6;
            g.Ellipse(R(7.2 + 4 * std::cos(a), 7.2 + 4 * std::sin(a), 1.8, 1.8));
        }
    } else if (name == "restofworld" || name == "americas" || name == "afc" || name == "caf" || name == "ofc") {
        const ColourRef land = name == "americas" ? RGB(220, 60, 60)
                               : name == "afc"    ? RGB(240, 170, 30)
                               : name == "caf"    ? RGB(40, 160, 70)
                               : name == "ofc"    ? RGB(30, 170, 200)
                                                  : RGB(150, 150, 160);
        globe(RGB(30, 60, 140), land);
        if (name == "americas") {
            g.Polygon({P(4, 3), P(8, 3), P(7, 7), P(9, 9), P(8, 13), P(6, 10), P(5, 6)});
        } else if (name == "afc") {
            g.Polygon({P(5, 3), P(13, 4), P(12, 9), P(8, 10), P(6, 7)});
        } else if (name == "caf") {
            g.Polygon({P(5, 4), P(11, 4), P(12, 8), P(9, 13), P(7, 9), P(4, 7)});
        } else if (name == "ofc") {
            g.Polygon({P(6, 8), P(12, 7), P(12, 12), P(7, 12)});
        } else {
            g.Polygon({P(4, 5), P(11, 4), P(12, 10), P(6, 11)});
        }
    } else if (name == "division") {
        g.SelectBrush(Brush::Solid(RGB(245, 245, 235)));
        g.Rectangle(R(2, 1, 12, 14));
        g.SelectPen(Pen::None());
        g.SelectBrush(Brush::Solid(RGB(40, 90, 180)));
        for (int k = 0; k < 5; ++k) g.Rectangle(R(4, 3.2 + k * 2.2, 8, 1.2));
    } else if (name == "club") {
        g.SelectBrush(Brush::Solid(RGB(200, 30, 40)));
        g.Polygon({P(2, 1), P(14, 1), P(14, 8), P(8, 15), P(2, 8)});
        g.SelectPen(Pen::None());
        g.SelectBrush(Brush::Solid(RGB(250, 250, 250)));
        g.Rectangle(R(7, 2, 2, 10));
    } else if (name == "player") {
        g.SelectBrush(Brush::Solid(RGB(240, 200, 160)));
        g.Ellipse(R(5, 1, 6, 6));
        g.SelectBrush(Brush::Solid(RGB(30, 120, 200)));
        g.Polygon({P(2, 15), P(3, 9), P(13, 9), P(14, 15)});
    } else if (name == "cup" || name == "fed_cup") {
        const ColourRef metal = name == "cup" ? RGB(226, 178, 40) : RGB(200, 205, 215);
        g.SelectBrush(Brush::Solid(metal));
        g.Polygon({P(3, 1), P(13, 1), P(12, 7), P(9, 9), P(9, 11), P(12, 14), P(4, 14), P(7, 11), P(7, 9), P(4, 7)});
    } else {
        throw std::runtime_error("unknown icon " + name);
    }
    return Quantise(Shrink(s, kS, true), true, false);
}

// The start-up background: deep navy with a faint diamond lattice, seamless.
Bitmap8 IntroTile() {
    const int N = 64;
    Surface s(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            Pixel p = MakePixel(18, 30, 66);
            const int d1 = (x + y) % 32, d2 = (x - y + 64) % 32;
            if (d1 == 0 || d2 == 0) Blend(p, 90, 130, 210, 0.35);
            Add(p, (Noise(x, y, 31) - 0.5) * 6, (Noise(x, y, 32) - 0.5) * 6, (Noise(x, y, 33) - 0.5) * 8);
            s.Row(y)[x] = p;
        }
    return Quantise(s, false, false);
}

struct Section {
    const char* suffix;
    int r, g, b;
};
// The section colours of the menus, one per page group.
constexpr Section kSections[] = {{"manager", 255, 173, 57},  {"squad", 158, 140, 208},  {"club", 255, 132, 41},
                                 {"player", 57, 198, 165},   {"financial", 66, 173, 222}, {"fixtures", 57, 198, 107},
                                 {"info", 90, 156, 231},     {"news", 225, 91, 91},       {"discipline", 225, 203, 83}};

bool InRound(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// The league table's panel: dark glass tinted with the section's colour, a
// rim in that colour, a heading band and the "Today's Match" band.
Bitmap8 TableBack(const Section& s) {
    const int W = 166, H = 452;
    Surface out(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRound(x, y, W, H, 8)) continue;
            const double t = double(y) / H;
            Pixel p = MakePixel(int(10 + s.r * 0.10 + 8 * (1 - t)), int(14 + s.g * 0.10 + 8 * (1 - t)),
                                int(34 + s.b * 0.14 + 10 * (1 - t)));
            const bool rim = !InRound(x - 2, y - 2, W - 4, H - 4, 6) || x < 2 || y < 2 || x >= W - 2 || y >= H - 2;
            if (rim) p = MakePixel(s.r * 3 / 4, s.g * 3 / 4, s.b * 3 / 4);
            else if ((y >= 6 && y < 44) || (y >= 410 && y < 446)) Blend(p, s.r, s.g, s.b, 0.22);
            Add(p, (Noise(x, y, 41) - 0.5) * 4, (Noise(x, y, 42) - 0.5) * 4, (Noise(x, y, 43) - 0.5) * 4);
            out.Row(y)[x] = p;
        }
    return Quantise(out, true, false);
}

// One table row's band: a soft bar in the section's colour.
Bitmap8 TableRowBand(const Section& s) {
    const int W = 156, H = 14;
    Surface out(W, H, kKeyPixel);
    for (int y = 1; y < H - 1; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRound(x, y - 1, W, H - 2, 5)) continue;
            const double t = double(y) / H;
            out.Row(y)[x] = MakePixel(int(s.r * (0.30 - 0.12 * t)), int(s.g * (0.30 - 0.12 * t)),
                                      int(20 + s.b * (0.34 - 0.12 * t)));
        }
    return Quantise(out, true, false);
}

// A page group's tree background: the start-up lattice tinted with the
// section's colour, seamless.
Bitmap8 SectionTile(const Section& s) {
    const int N = 64;
    Surface out(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            Pixel p = MakePixel(int(10 + s.r * 0.12), int(14 + s.g * 0.12), int(30 + s.b * 0.16));
            const int d1 = (x + y) % 32, d2 = (x - y + 64) % 32;
            if (d1 == 0 || d2 == 0) Blend(p, s.r, s.g, s.b, 0.28);
            Add(p, (Noise(x, y, 51) - 0.5) * 6, (Noise(x, y, 52) - 0.5) * 6, (Noise(x, y, 53) - 0.5) * 6);
            out.Row(y)[x] = p;
        }
    return Quantise(out, false, false);
}

// The start-up pane with the game's name and a ball, drawn once at the top left.
Bitmap8 IntroLogo() {
    const int W = 183, H = 469;
    Surface big(W * kS, H * kS);
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x) {
            const double t = double(y) / big.Height();
            Pixel p = MakePixel(int(14 + 10 * (1 - t)), int(24 + 16 * (1 - t)), int(56 + 30 * (1 - t)));
            const int d1 = (x / kS + y / kS) % 32, d2 = (x / kS - y / kS + 640) % 32;
            if (d1 == 0 || d2 == 0) Blend(p, 90, 130, 210, 0.3);
            big.Row(y)[x] = p;
        }
    Canvas c(big);
    // The ball: white with dark patches.
    const int cx = W * kS / 2, cy = 150 * kS, r = 46 * kS;
    c.SelectPen(Pen::Solid(RGB(20, 20, 30), 2 * kS));
    c.SelectBrush(Brush::Solid(RGB(245, 245, 245)));
    c.Ellipse(Rect{cx - r, cy - r, cx + r, cy + r});
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(RGB(28, 28, 36)));
    c.Polygon(Star(cx, cy, r * 0.42));
    for (int k = 0; k < 5; ++k) {
        const double a = -M_PI / 2 + k * 2 * M_PI / 5;
        c.Ellipse(Rect::XYWH(int(cx + r * 0.82 * std::cos(a)) - r / 6, int(cy + r * 0.82 * std::sin(a)) - r / 6, r / 3,
                             r / 3));
    }
    auto title = Font::Create("Arial Black", -30 * kS, 900);
    c.SelectFont(title);
    c.SetBkMode(TRANSPARENT);
    c.SetTextAlign(TA_CENTER);
    for (auto [text, y] : {std::pair{"VANTOREL", 250}, std::pair{"2000", 290}}) {
        c.SetTextColor(RGB(20, 12, 4));
        c.TextOut(cx + 2 * kS, (y + 2) * kS, text);
        c.SetTextColor(RGB(236, 190, 80));
        c.TextOut(cx, y * kS, text);
    }
    auto sub = Font::Create("Arial Narrow", -14 * kS, 700);
    c.SelectFont(sub);
    c.SetTextColor(RGB(200, 214, 240));
    c.TextOut(cx, 340 * kS, "FOOTBALL CLUB MANAGEMENT");
    return Quantise(Shrink(big, kS, false), false, true);
}

}  // namespace

std::vector<Picture> TreePictures(const std::filesystem::path& assets) {
    std::vector<Picture> out;
    out.push_back({"tree", "intro.bmp", false, IntroTile()});
    for (const char* name : {"world", "europe", "restofworld", "division", "club", "player", "cup", "fed_cup", "americas",
                             "afc", "caf", "ofc"})
        out.push_back({"tree", std::string("icons\\") + name + ".bmp", true, Icon(name)});
    out.push_back({"tree", "intro_logo.bmp", false, IntroLogo()});
    for (const char* name : {"world", "europe", "restofworld"})
        out.push_back({"tree", std::string("context\\") + name + ".bmp", true, Icon(name, 50)});
    for (const Section& s : kSections) {
        out.push_back({"tree", std::string(s.suffix) + ".bmp", false, SectionTile(s)});
        out.push_back({"tree", std::string("table\\backg_") + s.suffix + ".bmp", true, TableBack(s)});
        out.push_back({"tree", std::string("table\\row_") + s.suffix + ".bmp", true, TableRowBand(s)});
    }
    // The country ids of the flag codes, for the page pictures' "flag%02d".
    std::map<std::string, int> ids;
    {
        std::ifstream countries(assets / "world" / "countries.txt");
        if (!countries) throw std::runtime_error("no country table");
        for (std::string line; std::getline(countries, line);) {
            if (line.empty() || line[0] == '#') continue;
            const auto f = Split(line, '|');
            if (f.size() > 2) ids[f[2]] = std::stoi(f[0]);
        }
    }
    std::ifstream in(assets / "ui" / "flags.txt");
    if (!in) throw std::runtime_error("no flag table");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto f = Split(line, '|');
        if (f.size() != 3) throw std::runtime_error("bad flag line: " + line);
        std::vector<Pixel> colours;
        for (const auto& c : Split(f[2], ',')) colours.push_back(Hex(c));
        out.push_back({"tree", "flags\\" + f[0] + ".bmp", true, Flag(f[1], colours)});
        if (auto id = ids.find(f[0]); id != ids.end()) {
            char name[32];
            std::snprintf(name, sizeof name, "flag%02d.bmp", id->second);
            out.push_back({"flags", name, true, Flag(f[1], colours, 60, 40)});
        }
    }
    return out;
}

}  // namespace art
