// The squad pages' own pictures: the hub's section buttons, the position
// filters of the team selection, training and youth squad pages, the shirt
// numbers laid over the kits, and the injury and suspension icons.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;

bool InRoundBox(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// A filter: a small plate with a pictogram of the position on the left
// and its short word; the chosen look is lit in the position's colour and
// sunk.
Bitmap8 FilterButton(int kind, bool chosen) {
    constexpr int W = 64 * kS, H = 30 * kS, R = 7 * kS, rim = 2 * kS;
    // All, keepers, defenders, midfielders, attackers.
    static const int kColours[5][3] = {
        {200, 200, 210}, {60, 200, 90}, {70, 150, 235}, {240, 200, 60}, {235, 80, 70}};
    static const char* const kWords[5] = {"ALL", "GK", "DEF", "MID", "ATT"};
    const int* c = kColours[kind];
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRoundBox(x, y, W, H, R)) continue;
            const double t = double(y) / H;
            Pixel p;
            const bool edge = !InRoundBox(x - rim, y - rim, W - 2 * rim, H - 2 * rim, R - rim) || x < rim ||
                              y < rim || x >= W - rim || y >= H - rim;
            if (edge) {
                p = chosen ? MakePixel(c[0], c[1], c[2]) : MakePixel(70, 110, 170);
                Blend(p, 255, 255, 255, chosen ? 0.15 * t : 0.25 * (1 - t));
            } else if (chosen) {
                p = MakePixel(c[0] / 3, c[1] / 3, c[2] / 3);
                Blend(p, c[0], c[1], c[2], 0.25 + 0.2 * t);
            } else {
                p = MakePixel(20, 30, 60);
                Blend(p, 90, 130, 200, 0.35 * (1 - t));
            }
            s.Row(y)[x] = p;
        }
    Canvas cv(s);
    const ColourRef ink = chosen ? RGB(255, 255, 255) : RGB(c[0], c[1], c[2]);
    // The pictogram: a figure on a small pitch strip, its place by position.
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(chosen ? RGB(255, 255, 255) : RGB(150, 170, 200)));
    cv.Rectangle(Rect{6 * kS, 8 * kS, 24 * kS, 22 * kS});
    cv.SelectBrush(Brush::Solid(chosen ? RGB(30, 110, 50) : RGB(40, 90, 60)));
    cv.Rectangle(Rect{7 * kS, 9 * kS, 23 * kS, 21 * kS});
    cv.SelectPen(Pen::Solid(RGB(220, 240, 220), kS / 2));
    cv.MoveTo(15 * kS, 9 * kS);
    cv.LineTo(15 * kS, 21 * kS);
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(ink));
    auto dot = [&](double x, double y) {
        cv.Ellipse(Rect{int((x - 1.6) * kS), int((y - 1.6) * kS), int((x + 1.6) * kS), int((y + 1.6) * kS)});
    };
    switch (kind) {
        case 0:
            dot(9, 15); dot(12, 11); dot(12, 19); dot(16, 13); dot(16, 17); dot(20, 15);
            break;
        case 1: dot(9, 15); break;
        case 2: dot(12, 11); dot(12, 15); dot(12, 19); break;
        case 3: dot(15.5, 11); dot(15.5, 15); dot(15.5, 19); break;
        default: dot(20, 12); dot(20, 18); break;
    }
    auto font = Font::Create("Arial Narrow", -14 * kS, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    cv.SetTextColor(RGB(0, 0, 0));
    cv.TextOut(44 * kS + kS / 2, 20 * kS + kS / 2, kWords[kind]);
    cv.SetTextColor(ink);
    cv.TextOut(44 * kS, 20 * kS, kWords[kind]);
    return Quantise(Shrink(s, kS, true), true, false);
}

// A number as a hard-edged mask (no blending, so the picture holds only
// the key, white and the outline), centred on (cx, cy) of a w x h picture.
std::vector<uint8_t> NumberMask(const std::string& text, int w, int h, int cx, int cy, int height) {
    Surface s(w, h, MakePixel(0, 0, 0));
    Canvas cv(s);
    auto font = Font::Create("Arial Narrow", -height, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_CENTER | TA_BASELINE);
    cv.SetTextColor(RGB(255, 255, 255));
    cv.TextOut(cx, cy + height * 7 / 20, text);
    std::vector<uint8_t> mask(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) mask[size_t(y) * w + x] = PixelR(s.Row(y)[x]) >= 120 ? 1 : 0;
    return mask;
}

// White digits with a one-pixel dark outline; every other pixel the key,
// so the shirt shows through around them.
Bitmap8 ShirtNumber(int n, int size) {
    const int height = size == 22 ? 11 : 15;
    const int cy = size == 22 ? 11 : 15;
    const auto mask = NumberMask(std::to_string(n), size, size, size / 2, cy, height);
    Surface s(size, size, kKeyPixel);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (mask[size_t(y) * size + x]) {
                s.Row(y)[x] = MakePixel(255, 255, 255);
                continue;
            }
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int u = x + dx, v = y + dy;
                    near = u >= 0 && v >= 0 && u < size && v < size && mask[size_t(v) * size + u];
                }
            if (near) s.Row(y)[x] = MakePixel(20, 20, 28);
        }
    return Quantise(s, true, false);
}

// A 20-px badge: a white medical cross on a red disc (injury) or a red
// card (suspension), with the weeks or matches in a corner ("24+" at 24).
Bitmap8 CountIcon(bool injury, int n) {
    constexpr int W = 20 * kS;
    Surface s(W, W, kKeyPixel);
    Canvas cv(s);
    cv.SelectPen(Pen::Solid(RGB(60, 0, 0), kS));
    if (injury) {
        cv.SelectBrush(Brush::Solid(RGB(214, 30, 36)));
        cv.Ellipse(Rect{0, 0, 14 * kS, 14 * kS});
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
        cv.Rectangle(Rect{5 * kS, 2 * kS + kS / 2, 9 * kS, 11 * kS + kS / 2});
        cv.Rectangle(Rect{2 * kS + kS / 2, 5 * kS, 11 * kS + kS / 2, 9 * kS});
    } else {
        cv.SelectBrush(Brush::Solid(RGB(226, 28, 34)));
        cv.Rectangle(Rect{2 * kS, 0, 12 * kS, 14 * kS});
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(255, 110, 110)));
        cv.Rectangle(Rect{3 * kS, kS, 6 * kS, 5 * kS});
    }
    const std::string text = n >= 24 ? "24+" : std::to_string(n);
    const int right = 20 * kS - kS / 2, base = 20 * kS - kS;
    auto font = Font::Create("Arial Narrow", -(n >= 10 ? 9 : 10) * kS, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(TA_RIGHT | TA_BASELINE);
    cv.SetTextColor(RGB(10, 10, 14));
    for (int dy = -kS; dy <= kS; dy += kS)
        for (int dx = -kS; dx <= kS; dx += kS) cv.TextOut(right + dx, base + dy, text);
    cv.SetTextColor(RGB(255, 236, 120));
    cv.TextOut(right, base, text);
    return Quantise(Shrink(s, kS, true), true, false);
}

}  // namespace

Bitmap8 ShirtNumberPicture(int n, int size) { return ShirtNumber(n, size); }

std::vector<Picture> SquadPictures() {
    std::vector<Picture> out = SquadHubButtons();
    static const char* const kNames[5] = {"all", "keeper", "def", "mid", "strike"};
    for (int k = 0; k < 5; ++k) {
        out.push_back({"buttons", std::string(kNames[k]) + ".bmp", true, FilterButton(k, false)});
        out.push_back({"buttons", std::string(kNames[k]) + "_lo.bmp", true, FilterButton(k, true)});
    }
    for (int n = 1; n <= 16; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "number%02d.bmp", n);
        out.push_back({"kits", std::string("tinykits\\") + name, true, ShirtNumber(n, 22)});
        out.push_back({"kits", std::string("smallkits\\") + name, true, ShirtNumber(n, 32)});
    }
    for (int n = 1; n <= 24; ++n) {
        out.push_back({"match", "surfaces\\redcross" + std::to_string(n) + ".bmp", true, CountIcon(true, n)});
        out.push_back({"match", "surfaces\\red" + std::to_string(n) + ".bmp", true, CountIcon(false, n)});
    }
    for (Picture& p : TacticsPictures()) out.push_back(std::move(p));
    return out;
}

}  // namespace art
