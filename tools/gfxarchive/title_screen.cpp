// The title page's background: a floodlit stadium at night seen from behind
// one goal, with the game's name above it.
#include <cmath>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kW = 788, kH = 550, kS = 2;  // drawn at twice the size
constexpr double kHorizon = 250, kFocal = 520, kEye = 7.0;

// The pitch seen in perspective: pitch coordinates X across (-34..34) and Z
// away from the camera (metres) to screen.
double ScreenY(double z) { return kHorizon + kFocal * kEye / z; }
double ScreenX(double x, double z) { return kW / 2.0 + kFocal * x / z; }

void Sky(Surface& s) {
    for (int y = 0; y < s.Height(); ++y) {
        double t = std::min(1.0, y / (kHorizon * kS));
        Pixel c = MakePixel(static_cast<int>(6 + 30 * t * t), static_cast<int>(10 + 28 * t * t),
                            static_cast<int>(34 + 60 * t));
        std::fill(s.Row(y), s.Row(y) + s.Width(), c);
    }
    for (int i = 0; i < 140; ++i) {
        int x = static_cast<int>(Noise(i, 1, 7) * s.Width());
        int y = static_cast<int>(Noise(i, 2, 7) * kHorizon * kS * 0.7);
        double b = 120 + 135 * Noise(i, 3, 7);
        Pixel& p = s.Row(y)[x];
        Blend(p, b, b, b * 0.95 + 10, 0.9);
        if (Noise(i, 4, 7) > 0.8 && x + 1 < s.Width()) Blend(s.Row(y)[x + 1], b, b, b, 0.5);
    }
}

void Stands(Surface& s) {
    const double boardsTop = ScreenY(116) - 1.2 * kFocal / 116;  // top of the boards
    const int top = static_cast<int>(128 * kS), bottom = static_cast<int>(boardsTop * kS);
    // The roof: a dark band with a lit fascia.
    for (int y = top - 26 * kS; y < top; ++y)
        for (int x = 0; x < s.Width(); ++x) {
            double t = (y - (top - 26 * kS)) / (26.0 * kS);
            s.Row(y)[x] = MakePixel(static_cast<int>(18 + 12 * t), static_cast<int>(18 + 12 * t),
                                    static_cast<int>(26 + 14 * t));
        }
    for (int y = top - 4 * kS; y < top; ++y)
        for (int x = 0; x < s.Width(); ++x) s.Row(y)[x] = MakePixel(150, 150, 160);
    // Rows of spectators, smaller towards the back and lit from the pitch:
    // each a head above a pair of shoulders in his club's colours.
    const Pixel shirts[] = {MakePixel(200, 30, 40), MakePixel(235, 235, 235), MakePixel(200, 30, 40),
                            MakePixel(30, 60, 170), MakePixel(200, 30, 40), MakePixel(60, 60, 64),
                            MakePixel(235, 235, 235), MakePixel(240, 200, 40)};
    const Pixel skins[] = {MakePixel(224, 172, 140), MakePixel(198, 140, 100), MakePixel(140, 96, 66),
                           MakePixel(90, 60, 44)};
    for (int y = top; y < bottom; ++y) {
        double depth = (y - top) / static_cast<double>(bottom - top);
        double light = 0.35 + 0.5 * depth;
        for (int x = 0; x < s.Width(); ++x)
            s.Row(y)[x] = MakePixel(static_cast<int>(26 * light), static_cast<int>(30 * light),
                                    static_cast<int>(52 * light));
    }
    auto fill = [&](double x0, double y0, double x1, double y1, Pixel c, double shade) {
        Pixel p = MakePixel(static_cast<int>(PixelR(c) * shade), static_cast<int>(PixelG(c) * shade),
                            static_cast<int>(PixelB(c) * shade));
        for (int yy = std::max(top, static_cast<int>(y0)); yy < std::min(bottom, static_cast<int>(y1)); ++yy)
            for (int xx = std::max(0, static_cast<int>(x0)); xx < std::min(s.Width(), static_cast<int>(x1)); ++xx)
                s.Row(yy)[xx] = p;
    };
    uint32_t row = 0;
    for (double y = top + 2.0 * kS; y < bottom; ++row) {
        const double depth = (y - top) / (bottom - top);
        const double h = (3.6 + 3.2 * depth) * kS;  // one row of seats
        const double light = 0.45 + 0.55 * depth;
        const double step = h * 0.82;
        double x = -Noise(row, 0, 31) * step;
        for (uint32_t seat = 0; x < s.Width(); ++seat, x += step) {
            const double n = Noise(seat, row, 32);
            if (n < 0.12) continue;  // an empty seat
            const Pixel shirt = shirts[static_cast<int>(Noise(seat, row, 33) * 8)];
            const Pixel skin = skins[static_cast<int>(Noise(seat, row, 34) * 4)];
            const double jx = (Noise(seat, row, 35) - 0.5) * step * 0.25;
            const double jy = (Noise(seat, row, 36) - 0.5) * h * 0.2;
            const double shade = light * (0.75 + 0.25 * Noise(seat, row, 37));
            // Shoulders, then the head; a raised arm now and then.
            fill(x + jx + step * 0.08, y + jy + h * 0.42, x + jx + step * 0.92, y + h, shirt, shade);
            fill(x + jx + step * 0.30, y + jy + h * 0.05, x + jx + step * 0.70, y + jy + h * 0.45, skin, shade);
            if (Noise(seat, row, 38) > 0.93)
                fill(x + jx + step * 0.80, y + jy - h * 0.35, x + jx + step * 0.95, y + jy + h * 0.45, shirt, shade);
        }
        y += h;
    }
    // Advertising boards along the far touchline.
    const Pixel boards[] = {MakePixel(20, 70, 160), MakePixel(230, 230, 230), MakePixel(200, 40, 30),
                            MakePixel(250, 200, 30), MakePixel(20, 120, 60)};
    const int by0 = bottom, by1 = static_cast<int>(ScreenY(116) * kS);
    for (int y = by0; y < by1; ++y)
        for (int x = 0; x < s.Width(); ++x) {
            int panel = (x / (kS * 60));
            Pixel c = boards[panel % 5];
            bool stripe = ((x / kS) % 60) < 4 || y == by0;
            s.Row(y)[x] = stripe ? MakePixel(15, 15, 20) : c;
        }
}

// Whether pitch point (x, z) is on a marking. Lines are at least about a
// pixel wide on screen: wx and wz are that pixel in metres across and along.
bool OnLine(double x, double z, double wx, double wz) {
    auto nearX = [wx](double a, double b) { return std::abs(a - b) < wx; };
    auto nearZ = [wz](double a, double b) { return std::abs(a - b) < wz; };
    auto onCircle = [&](double cx, double cz, double radius) {
        double dx = x - cx, dz = z - cz, r = std::hypot(dx, dz);
        if (r < 1e-9) return false;
        double w = wx * std::abs(dx) / r + wz * std::abs(dz) / r;
        return std::abs(r - radius) < w;
    };
    const double halfway = 57.0, goal = 110.0;
    if ((nearX(x, -34) || nearX(x, 34)) && z > 12 && z < goal) return true;
    if (nearZ(z, goal) && std::abs(x) < 34 + wx) return true;
    if (nearZ(z, halfway) && std::abs(x) < 34) return true;
    if (onCircle(0, halfway, 9.15)) return true;
    if (std::abs(x) < 0.3 && std::abs(z - halfway) < std::max(0.3, wz)) return true;
    // The far penalty area, its arc and spot, and the goal area.
    if (nearZ(z, goal - 16.5) && std::abs(x) < 20.16) return true;
    if ((nearX(x, -20.16) || nearX(x, 20.16)) && z > goal - 16.5 && z < goal) return true;
    if (nearZ(z, goal - 5.5) && std::abs(x) < 9.16) return true;
    if ((nearX(x, -9.16) || nearX(x, 9.16)) && z > goal - 5.5 && z < goal) return true;
    if (std::abs(x) < 0.25 && std::abs(z - (goal - 11)) < std::max(0.25, wz)) return true;
    if (z < goal - 16.5 && onCircle(0, goal - 11, 9.15)) return true;
    return false;
}

void Pitch(Surface& s) {
    const int top = static_cast<int>(ScreenY(116) * kS);
    for (int y = top; y < s.Height(); ++y) {
        const double sy = (y + 0.5) / kS;
        const double z = kFocal * kEye / (sy - kHorizon);
        const double px = kFocal / z;  // screen pixels per metre here
        for (int x = 0; x < s.Width(); ++x) {
            const double sx = (x + 0.5) / kS;
            const double X = (sx - kW / 2.0) * z / kFocal;
            bool inside = std::abs(X) <= 34 && z <= 110;
            int stripe = static_cast<int>(std::floor(z / 5.5)) & 1;
            double g = inside ? (stripe ? 118 : 100) : 84;
            // Light pools from the floodlights and a darker foreground.
            double lit = 0.75 + 0.25 * std::exp(-std::pow((z - 70) / 45, 2));
            double n = 0.94 + 0.06 * Noise(x / 2, y / 2, 21);
            Pixel c = MakePixel(static_cast<int>(g * 0.34 * lit * n), static_cast<int>(g * lit * n),
                                static_cast<int>(g * 0.30 * lit * n));
            const double pz = kFocal * kEye / (z * z);  // screen pixels per metre of depth
            if (OnLine(X, z, std::max(0.12, 0.7 / (px * kS)), std::max(0.12, 0.7 / (pz * kS))))
                c = MakePixel(235, 240, 235);
            s.Row(y)[x] = c;
        }
    }
    // The far goal: posts and crossbar, and a net behind.
    Canvas c(s);
    const double z = 110;
    const int gl = static_cast<int>(ScreenX(-3.66, z) * kS), gr = static_cast<int>(ScreenX(3.66, z) * kS);
    const int base = static_cast<int>(ScreenY(z) * kS);
    const int bar = base - static_cast<int>(2.44 * kFocal / z * kS);
    for (int y = bar; y < base; ++y)
        for (int x = gl; x < gr; ++x)
            if ((x / 2 + y / 2) % 3 == 0) Blend(s.Row(y)[x], 220, 220, 220, 0.35);
    c.FillSolidRect({gl - 2, bar - 2, gl + 2, base}, RGB(250, 250, 250));
    c.FillSolidRect({gr - 2, bar - 2, gr + 2, base}, RGB(250, 250, 250));
    c.FillSolidRect({gl - 2, bar - 2, gr + 2, bar + 2}, RGB(250, 250, 250));
}

void Floodlight(Surface& s, double cx) {
    // A pylon rising from behind the stand, a bank of lamps and its glow.
    const double top = 38, bankH = 34, bankW = 70;
    Canvas c(s);
    c.SelectPen(Pen::Solid(RGB(40, 40, 52), 3 * kS));
    const int px = static_cast<int>(cx * kS);
    c.MoveTo(px, static_cast<int>((top + bankH) * kS));
    c.LineTo(px - 10 * kS, 110 * kS);
    c.MoveTo(px, static_cast<int>((top + bankH) * kS));
    c.LineTo(px + 10 * kS, 110 * kS);
    c.SelectPen(Pen::Solid(RGB(40, 40, 52), 1 * kS));
    for (int i = 0; i < 5; ++i) {
        int y0 = static_cast<int>((top + bankH + i * 8) * kS), y1 = y0 + 8 * kS;
        int w0 = static_cast<int>((i * 2.0 / 1) * kS), w1 = static_cast<int>(((i + 1) * 2.0) * kS);
        c.MoveTo(px - w0, y0);
        c.LineTo(px + w1, y1);
        c.MoveTo(px + w0, y0);
        c.LineTo(px - w1, y1);
    }
    const Rect bank = Rect::XYWH(static_cast<int>((cx - bankW / 2) * kS), static_cast<int>(top * kS),
                                 static_cast<int>(bankW * kS), static_cast<int>(bankH * kS));
    c.FillSolidRect(bank, RGB(30, 30, 38));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 6; ++col) {
            Rect lamp = Rect::XYWH(bank.left + (3 + col * 11) * kS, bank.top + (3 + row * 10) * kS, 9 * kS, 8 * kS);
            c.FillSolidRect(lamp, RGB(255, 252, 235));
        }
    // Glow and a faint beam towards the pitch.
    const double gx = cx * kS, gy = (top + bankH / 2) * kS;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            double d = std::hypot(x - gx, (y - gy) * 1.1) / kS;
            double glow = 170 * std::exp(-d / 34) + 40 * std::exp(-d / 130);
            if (glow > 1) Add(s.Row(y)[x], glow, glow * 0.95, glow * 0.8);
        }
}

void Ball(Surface& s, double cx, double cy, double r) {
    cx *= kS;
    cy *= kS;
    r *= kS;
    // Its shadow on the grass first.
    for (int y = static_cast<int>(cy + r * 0.6); y < static_cast<int>(cy + r * 1.25); ++y)
        for (int x = static_cast<int>(cx - r * 1.3); x < static_cast<int>(cx + r * 1.5); ++x) {
            double dx = (x - cx - r * 0.2) / (r * 1.25), dy = (y - cy - r * 0.95) / (r * 0.28);
            double d = dx * dx + dy * dy;
            if (d < 1 && x >= 0 && x < s.Width() && y < s.Height()) Blend(s.Row(y)[x], 0, 10, 0, 0.55 * (1 - d));
        }
    // Pentagons: one facing us and five around it, foreshortened.
    struct Patch {
        double px, py, radius, squash, angle;
    };
    std::vector<Patch> patches{{0.08, -0.05, 0.30, 1.0, 0.3}};
    for (int k = 0; k < 5; ++k) {
        double a = 0.3 + k * 2 * M_PI / 5 + M_PI / 5;
        patches.push_back({0.08 + 0.80 * std::cos(a), -0.05 + 0.80 * std::sin(a), 0.27, 0.55, a});
    }
    auto inPentagon = [](double x, double y, const Patch& p) {
        // Into the patch's frame: radial axis squashed.
        double dx = x - p.px, dy = y - p.py;
        double ca = std::cos(p.angle), sa = std::sin(p.angle);
        double u = (dx * ca + dy * sa) / p.squash, v = -dx * sa + dy * ca;
        double rr = std::hypot(u, v), th = std::atan2(v, u);
        double sector = 2 * M_PI / 5;
        double local = std::fmod(th + 10 * sector, sector) - sector / 2;
        return rr * std::cos(local) < p.radius * std::cos(sector / 2);
    };
    for (int y = static_cast<int>(cy - r) - 1; y <= static_cast<int>(cy + r) + 1; ++y)
        for (int x = static_cast<int>(cx - r) - 1; x <= static_cast<int>(cx + r) + 1; ++x) {
            if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) continue;
            double u = (x + 0.5 - cx) / r, v = (y + 0.5 - cy) / r;
            double d2 = u * u + v * v;
            if (d2 > 1) continue;
            double nz = std::sqrt(1 - d2);
            double lambert = std::max(0.0, -0.45 * u - 0.55 * v + 0.70 * nz);
            double shade = 0.28 + 0.72 * lambert;
            bool dark = false;
            for (const Patch& p : patches) dark = dark || inPentagon(u, v, p);
            double base = dark ? 28 : 245;
            double spec = std::pow(std::max(0.0, -0.4 * u - 0.5 * v + 0.77 * nz), 30) * 120;
            s.Row(y)[x] = MakePixel(static_cast<int>(std::min(255.0, base * shade + spec)),
                                    static_cast<int>(std::min(255.0, base * shade + spec)),
                                    static_cast<int>(std::min(255.0, base * shade * 1.02 + spec)));
        }
}

// Text with a vertical colour ramp, a dark outline and a drop shadow.
void Title(Surface& s, const char* text, const char* face, int height, int y, Pixel topColour, Pixel bottomColour,
           int outline, int shadow) {
    auto font = Font::Create(face, height * kS, 700);
    Surface mask(s.Width(), s.Height());
    Canvas mc(mask);
    mc.SelectFont(font);
    mc.SetBkMode(TRANSPARENT);
    mc.SetTextColor(RGB(255, 255, 255));
    mc.SetTextAlign(TA_CENTER);
    mc.TextOut(s.Width() / 2, y * kS, text);
    const int h = font->Metrics().height;
    auto cover = [&](int x, int yy) { return PixelR(mask.Get(x, yy)) / 255.0; };
    // The shadow, then the outline (the mask grown), then the ramp.
    Surface out = s;
    const int y0 = std::max(0, (y - outline - 2) * kS), y1 = std::min(s.Height(), y * kS + h + (outline + shadow + 2) * kS);
    for (int yy = y0; yy < y1; ++yy)
        for (int x = 0; x < s.Width(); ++x) {
            double sh = cover(x - shadow * kS, yy - shadow * kS);
            if (sh > 0) Blend(out.Row(yy)[x], 0, 0, 0, 0.6 * sh);
            double o = 0;
            for (int dy = -outline * kS; dy <= outline * kS && o < 1; ++dy)
                for (int dx = -outline * kS; dx <= outline * kS && o < 1; ++dx)
                    if (dx * dx + dy * dy <= outline * kS * outline * kS) o = std::max(o, cover(x + dx, yy + dy));
            if (o > 0) Blend(out.Row(yy)[x], 30, 14, 4, o);
            double c = cover(x, yy);
            if (c > 0) {
                double t = std::clamp((yy - y * kS) / static_cast<double>(h), 0.0, 1.0);
                double shine = t < 0.5 ? 1.0 : 0.85;
                Blend(out.Row(yy)[x], (PixelR(topColour) * (1 - t) + PixelR(bottomColour) * t) * shine,
                      (PixelG(topColour) * (1 - t) + PixelG(bottomColour) * t) * shine,
                      (PixelB(topColour) * (1 - t) + PixelB(bottomColour) * t) * shine, c);
            }
        }
    s = std::move(out);
}

}  // namespace

Bitmap8 TitleScreen() {
    Surface s(kW * kS, kH * kS);
    Sky(s);
    Floodlight(s, 70);
    Floodlight(s, kW - 70);
    Stands(s);
    Pitch(s);
    Ball(s, 640, 468, 42);
    Title(s, "VANTOREL 2000", "Haettenschweiler", 88, 22, MakePixel(255, 236, 140), MakePixel(214, 128, 24), 3, 5);
    Title(s, "FOOTBALL CLUB MANAGEMENT", "Arial Narrow", 22, 118, MakePixel(255, 255, 255), MakePixel(200, 210, 230),
          1, 2);
    return Quantise(Shrink(s, kS, false), false, true);
}

// A dark glass plate with a gold rim, in picture pixels.
void Plate(Surface& s, int x, int y, int w, int h) {
    for (int yy = y * kS; yy < (y + h) * kS; ++yy)
        for (int xx = x * kS; xx < (x + w) * kS; ++xx) {
            const int ex = std::min(xx - x * kS, (x + w) * kS - 1 - xx), ey = std::min(yy - y * kS, (y + h) * kS - 1 - yy);
            const int edge = std::min(ex, ey);
            if (edge < 2 * kS) Blend(s.Row(yy)[xx], 222, 170, 60, 0.95);
            else Blend(s.Row(yy)[xx], 8, 14, 40, 0.88 - 0.16 * (yy - y * kS) / double(h * kS));
        }
}

void Band(Surface& s, int top, int bottom, double r, double g, double b, double a) {
    for (int yy = top * kS; yy < bottom * kS; ++yy)
        for (int xx = 0; xx < s.Width(); ++xx) Blend(s.Row(yy)[xx], r, g, b, a);
}

Surface StadiumScene() {
    Surface s(kW * kS, kH * kS);
    Sky(s);
    Floodlight(s, 70);
    Floodlight(s, kW - 70);
    Stands(s);
    Pitch(s);
    return s;
}

Bitmap8 TitleMenuScreen() {
    Surface s = StadiumScene();
    Ball(s, 120, 470, 36);
    // The three menu plates; their captions are drawn by the page.
    for (int i = 0; i < 3; ++i) Plate(s, 432, 28 + 72 * i, 320, 64);
    Title(s, "VANTOREL 2000", "Haettenschweiler", 88, 300, MakePixel(255, 236, 140), MakePixel(214, 128, 24), 3, 5);
    Title(s, "FOOTBALL CLUB MANAGEMENT", "Arial Narrow", 22, 396, MakePixel(255, 255, 255), MakePixel(200, 210, 230),
          1, 2);
    // The band the disclaimer is written on.
    Band(s, 505, 546, 0, 0, 0, 0.7);
    return Quantise(Shrink(s, kS, false), false, true);
}

Bitmap8 CreditScreen() {
    Surface s = StadiumScene();
    for (int yy = 90 * kS; yy < 510 * kS; ++yy)
        for (int xx = 100 * kS; xx < 700 * kS; ++xx) Blend(s.Row(yy)[xx], 236, 232, 220, 0.86);
    Title(s, "VANTOREL 2000", "Haettenschweiler", 60, 14, MakePixel(255, 236, 140), MakePixel(214, 128, 24), 3, 4);
    return Quantise(Shrink(s, kS, false), false, true);
}

// One exact colour: the quantiser's nearest level would be off by a step,
// and "blank.bmp" must match the intro's black last frame.
Bitmap8 PlainPage(int r, int g, int b) {
    Bitmap8 out;
    out.width = kW;
    out.height = kH;
    out.coloursUsed = 1;
    out.palette[0] = static_cast<uint8_t>(b);
    out.palette[1] = static_cast<uint8_t>(g);
    out.palette[2] = static_cast<uint8_t>(r);
    out.pixels.assign(static_cast<size_t>(kW) * kH, 0);
    return out;
}

}  // namespace art
