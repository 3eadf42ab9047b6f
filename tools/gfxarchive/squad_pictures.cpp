// The squad pages' own pictures: the hub's section buttons and the position
// filters of the team selection, training and youth squad pages.
#include <algorithm>
#include <cmath>

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

}  // namespace

std::vector<Picture> SquadPictures() {
    std::vector<Picture> out = SquadHubButtons();
    static const char* const kNames[5] = {"all", "keeper", "def", "mid", "strike"};
    for (int k = 0; k < 5; ++k) {
        out.push_back({"buttons", std::string(kNames[k]) + ".bmp", true, FilterButton(k, false)});
        out.push_back({"buttons", std::string(kNames[k]) + "_lo.bmp", true, FilterButton(k, true)});
    }
    return out;
}

}  // namespace art
