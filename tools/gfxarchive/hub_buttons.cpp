// The section hubs' animated buttons: 84 x 84, eight frames, a plate in the
// section's colour with a small looping picture of the page's subject and
// the page's name in a caption band along the foot (an animated button
// draws no text of its own). Frame 00 is the resting look.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;  // drawn at four times the size, then shrunk
constexpr int kSize = HubButtonSize;
constexpr int kBandTop = 62;  // the caption band, to the plate's foot

int Big(double v) { return static_cast<int>(std::lround(v * kS)); }

bool InRoundRect(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

Pixel Shade(const HubColour& c, double f) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
    return MakePixel(ch(c.r), ch(c.g), ch(c.b));
}

// The plate: a rim of the section's colour, a dark glassy body lit from the
// top, and the caption band darker still.
void Plate(Surface& s, const HubColour& c) {
    const int W = s.Width(), H = s.Height(), R = Big(10), rim = Big(2.5);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRoundRect(x, y, W, H, R)) continue;
            const double t = double(y) / H;
            Pixel p;
            if (!InRoundRect(x - rim, y - rim, W - 2 * rim, H - 2 * rim, R - rim) || x < rim || y < rim ||
                x >= W - rim || y >= H - rim) {
                p = Shade(c, 1.05 - 0.45 * t);
            } else if (y >= Big(kBandTop)) {
                p = MakePixel(10, 12, 22);
                Blend(p, c.r, c.g, c.b, 0.22);
            } else {
                p = MakePixel(18, 24, 44);
                Blend(p, c.r, c.g, c.b, 0.30 - 0.18 * t);
                if (y < Big(26)) Blend(p, 255, 255, 255, 0.10 * (1 - y / double(Big(26))));
            }
            s.Row(y)[x] = p;
        }
    // A thin rule of the section's colour above the caption band.
    for (int y = Big(kBandTop) - Big(1); y < Big(kBandTop); ++y)
        for (int x = rim; x < W - rim; ++x)
            if (s.Row(y)[x] != kKeyPixel) s.Row(y)[x] = Shade(c, 0.9);
}

void Caption(Surface& s, const char* text) {
    auto font = Font::Create("Arial Narrow", -12 * kS, 700);
    Canvas cv(s);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    const int base = Big(77);
    cv.SetTextColor(RGB(0, 0, 0));
    cv.TextOut(s.Width() / 2 + kS, base + kS, text);
    cv.SetTextColor(RGB(255, 255, 255));
    cv.TextOut(s.Width() / 2, base, text);
}

// A sheen that crosses the picture once per loop; out of sight on frame 0.
void Sheen(Surface& s, double phase) {
    if (phase <= 0) return;
    const double centre = -30 + phase * 150;  // along x + y, in final pixels
    for (int y = 0; y < Big(kBandTop) - Big(1); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            Pixel& p = s.Row(y)[x];
            if (p == kKeyPixel) continue;
            const double d = std::abs((x + y) / double(kS) * 0.7 - centre);
            if (d < 9) Blend(p, 255, 255, 255, 0.16 * (1 - d / 9));
        }
}


ColourRef Ref(const HubColour& c, double f = 1.0) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
    return RGB(ch(c.r), ch(c.g), ch(c.b));
}

// A shirt with a number that bobs on its hanger.
void PaintShirt(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    const double dy = -2.5 * std::sin(2 * M_PI * t);
    p.Fill(Ref(c, 1.1));
    p.Poly({{30, 14 + dy}, {36, 11 + dy}, {48, 11 + dy}, {54, 14 + dy}, {64, 22 + dy}, {59, 30 + dy},
            {54, 26 + dy}, {54, 54 + dy}, {30, 54 + dy}, {30, 26 + dy}, {25, 30 + dy}, {20, 22 + dy}});
    p.Fill(RGB(255, 255, 255));
    p.Poly({{36, 11 + dy}, {42, 17 + dy}, {48, 11 + dy}, {45, 11 + dy}, {42, 14 + dy}, {39, 11 + dy}});
    auto font = Font::Create("Arial Black", -15 * kS, 900);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    cv.SetTextColor(RGB(255, 255, 255));
    cv.TextOut(Big(42), Big(45 + dy), "11");
}

// A young player beside a ball that bounces.
void PaintYouth(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(236, 200, 160));
    p.Ellipse(24, 10, 11, 11);
    p.Fill(Ref(c, 1.1));
    p.Poly({{22, 22}, {37, 22}, {39, 40}, {20, 40}});
    p.Fill(RGB(240, 240, 245));
    p.Box(21, 40, 17, 6);
    p.Line(RGB(236, 200, 160), 3.2);
    p.Segment(25, 46, 23, 57);
    p.Segment(34, 46, 38, 56);
    const double h = std::abs(std::sin(M_PI * t));
    const double by = 48 - 30 * h;
    p.Fill(RGB(0, 0, 0));
    p.Ellipse(47, 57, 14 - 6 * h, 3);
    p.Fill(RGB(250, 250, 250));
    p.Ellipse(48, by, 12, 12);
    p.Fill(RGB(30, 30, 36));
    p.Ellipse(52, by + 4, 4, 4);
}

// Two cones and a ball weaving between them.
void PaintTraining(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    p.Fill(RGB(60, 140, 70));
    p.Ellipse(10, 44, 64, 14);
    for (double x : {20.0, 56.0}) {
        p.Fill(RGB(255, 140, 30));
        p.Poly({{x, 20}, {x + 8, 50}, {x - 8, 50}});
        p.Fill(RGB(255, 255, 255));
        p.Poly({{x - 3, 32}, {x + 3, 32}, {x + 4.5, 38}, {x - 4.5, 38}});
    }
    const double a = 2 * M_PI * t;
    const double bx = 38 + 20 * std::sin(a), by = 40 + 6 * std::cos(a);
    p.Fill(RGB(250, 250, 250));
    p.Ellipse(bx - 6, by - 6, 12, 12);
    p.Fill(RGB(30, 30, 36));
    p.Ellipse(bx - 2, by - 2, 4, 4);
}

// A red cross on a white disc that beats like a heart.
void PaintPhysio(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    const double k = 1 + 0.10 * std::max(0.0, std::sin(2 * M_PI * t));
    const double r = 22 * k, cx = 42, cy = 34;
    p.Fill(RGB(250, 250, 250));
    p.Ellipse(cx - r, cy - r, 2 * r, 2 * r);
    p.Fill(RGB(210, 30, 40));
    const double a = 14 * k, b = 5 * k;
    p.Box(cx - b, cy - a, 2 * b, 2 * a);
    p.Box(cx - a, cy - b, 2 * a, 2 * b);
}

// A tactics board: crosses and rings, and a run drawn out step by step.
void PaintTactics(Canvas& cv, double t, const HubColour&) {
    BigPen p{cv};
    p.Fill(RGB(40, 120, 60));
    p.Box(12, 10, 60, 48);
    p.Line(RGB(220, 240, 220), 1.2);
    p.Box(14, 12, 56, 44);
    p.Segment(42, 12, 42, 56);
    p.Ellipse(35, 27, 14, 14);
    p.Line(RGB(255, 255, 255), 2.2);
    for (auto [x, y] : {std::pair{22.0, 20.0}, {22.0, 44.0}}) {
        p.Segment(x - 4, y - 4, x + 4, y + 4);
        p.Segment(x - 4, y + 4, x + 4, y - 4);
    }
    p.Line(RGB(255, 220, 60), 2.2);
    p.Ellipse(54, 18, 9, 9);
    p.Ellipse(54, 40, 9, 9);
    // The run: from the lower cross towards goal, drawn out over the loop.
    const double len = t == 0 ? 1.0 : t;
    const double x2 = 26 + 36 * len, y2 = 44 - 14 * std::sin(M_PI * len * 0.9);
    p.Line(RGB(255, 255, 255), 1.6);
    const int steps = 12;
    for (int i = 0; i < steps; ++i) {
        if (i % 2) continue;
        const double a = i / double(steps), b = (i + 1) / double(steps);
        p.Segment(26 + (x2 - 26) * a, 44 + (y2 - 44) * a, 26 + (x2 - 26) * b, 44 + (y2 - 44) * b);
    }
    p.Fill(RGB(255, 255, 255));
    p.Poly({{x2 + 4, y2}, {x2 - 3, y2 - 4}, {x2 - 3, y2 + 4}});
}

// A stopwatch whose hand goes round.
void PaintStopwatch(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(Ref(c, 0.8));
    p.Box(38, 6, 8, 6);
    p.Fill(RGB(230, 232, 240));
    p.Ellipse(19, 11, 46, 46);
    p.Fill(RGB(250, 250, 252));
    p.Ellipse(23, 15, 38, 38);
    p.Line(RGB(40, 44, 60), 1.5);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12;
        p.Segment(42 + 15 * std::sin(a), 34 - 15 * std::cos(a), 42 + 18 * std::sin(a), 34 - 18 * std::cos(a));
    }
    const double a = 2 * M_PI * t;
    p.Line(RGB(210, 30, 40), 2.4);
    p.Segment(42, 34, 42 + 15 * std::sin(a), 34 - 15 * std::cos(a));
    p.Fill(RGB(40, 44, 60));
    p.Ellipse(40, 32, 4, 4);
}

}  // namespace

Bitmap8 HubButtonFrame(const HubColour& colour, const HubButtonArt& art, int frame) {
    Surface s(kSize * kS, kSize * kS, kKeyPixel);
    Plate(s, colour);
    const double t = (frame % HubButtonFrames) / double(HubButtonFrames);
    {
        Canvas cv(s);
        if (art.paint) art.paint(cv, t, colour);
    }
    Sheen(s, t);
    Caption(s, art.caption);
    return Quantise(Shrink(s, kS, true), true, false);
}

std::vector<Picture> HubButtons(const std::string& section, const HubColour& colour,
                                const std::vector<HubButtonArt>& buttons) {
    std::vector<Picture> out;
    for (const HubButtonArt& b : buttons)
        for (int f = 0; f < HubButtonFrames; ++f) {
            char entry[96];
            std::snprintf(entry, sizeof entry, "%shub\\%s%02d.bmp", section.c_str(), b.name, f);
            out.push_back({"animation", entry, true, HubButtonFrame(colour, b, f)});
        }
    return out;
}

std::vector<Picture> SquadHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"team selection", "Team Selection", &PaintShirt},
        {"youth squad", "Youth Squad", &PaintYouth},
        {"training", "Training", &PaintTraining},
        {"physio", "Physio", &PaintPhysio},
        {"tactics editor", "Tactics Editor", &PaintTactics},
        {"youth training", "Youth Training", &PaintStopwatch},
    };
    return HubButtons("squad", HubColour{70, 150, 222}, kButtons);
}

}  // namespace art
