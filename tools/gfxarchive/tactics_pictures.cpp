// The tactics editor's pictures: the team instruction buttons in two
// sizes (the small ones are also the match card's), the "use the team
// setting" buttons, the run-direction arrows, and the marker's outline and
// tick.
#include <algorithm>
#include <cmath>
#include <string>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;

struct TactColour {
    int r, g, b;
};
// Aggression, passing, bias.
constexpr TactColour kGroupColours[3] = {{232, 84, 60}, {70, 150, 236}, {96, 200, 96}};

bool TactInRound(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// A plate in the group's colour: dark with a coloured rim, or lit and sunk
// when pressed.
Surface TactPlate(int W, int H, const TactColour& c, bool pressed) {
    const int R = std::max(2 * kS, H / 5), rim = std::max(kS, H / 14);
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!TactInRound(x, y, W, H, R)) continue;
            const double t = double(y) / H;
            const bool edge = !TactInRound(x - rim, y - rim, W - 2 * rim, H - 2 * rim, std::max(1, R - rim)) ||
                              x < rim || y < rim || x >= W - rim || y >= H - rim;
            Pixel p;
            if (edge) {
                p = pressed ? MakePixel(255, 255, 255) : MakePixel(c.r, c.g, c.b);
                Blend(p, 0, 0, 0, pressed ? 0.1 : 0.25 * t);
            } else if (pressed) {
                p = MakePixel(c.r * 3 / 4, c.g * 3 / 4, c.b * 3 / 4);
                Blend(p, 255, 255, 255, 0.25 * (1 - t));
            } else {
                p = MakePixel(18, 24, 40);
                Blend(p, c.r, c.g, c.b, 0.18 * (1 - t));
            }
            s.Row(y)[x] = p;
        }
    return s;
}

// The group's pictogram at level 0..4 in a box of the plate; level -1 is
// "use the team setting".
void TactIcon(Canvas& cv, int group, int level, int W, int H, const TactColour& c, bool pressed) {
    const ColourRef ink = pressed ? RGB(255, 255, 255) : RGB(c.r, c.g, c.b);
    const ColourRef dim = pressed ? RGB(c.r / 2, c.g / 2, c.b / 2) : RGB(50, 58, 80);
    cv.SelectPen(Pen::None());
    if (level < 0) {
        // A "T" for the team's own setting, with the group's mark beside it.
        auto font = Font::Create("Arial Black", -(H * 7 / 10), 900);
        cv.SelectFont(font);
        cv.SetBkMode(TRANSPARENT);
        cv.SetTextAlign(TA_CENTER | TA_BASELINE);
        cv.SetTextColor(ink);
        cv.TextOut(W * 2 / 5, H * 4 / 5, "T");
        cv.SelectBrush(Brush::Solid(ink));
        const int r = H / 8;
        for (int k = 0; k <= group; ++k)
            cv.Ellipse(Rect{W * 7 / 10 - r, H / 4 + k * 3 * r - r, W * 7 / 10 + r, H / 4 + k * 3 * r + r});
        return;
    }
    const int left = W / 6, right = W - W / 6, top = H / 5, bottom = H - H / 5;
    switch (group) {
        case 0: {
            // A meter of five rising bars, lit up to the level.
            const int step = (right - left) / 5;
            for (int k = 0; k < 5; ++k) {
                const int h = (bottom - top) * (k + 1) / 5;
                cv.SelectBrush(Brush::Solid(k <= level ? ink : dim));
                cv.Rectangle(Rect{left + k * step + step / 6, bottom - h, left + (k + 1) * step - step / 6, bottom});
            }
            break;
        }
        case 1: {
            // A ball and a pass whose length grows with the level.
            const int r = (bottom - top) / 4, cy = (top + bottom) / 2;
            cv.SelectBrush(Brush::Solid(ink));
            cv.Ellipse(Rect{left, cy - r, left + 2 * r, cy + r});
            const int end = left + 2 * r + (right - left - 2 * r) * (level + 1) / 5;
            const int dash = std::max(kS, (right - left) / 14);
            for (int x = left + 2 * r + dash; x + dash < end - 2 * dash; x += 2 * dash)
                cv.Rectangle(Rect{x, cy - kS / 2 - H / 40, x + dash, cy + kS / 2 + H / 40});
            cv.Polygon({Point{end - 3 * dash, cy - r}, Point{end, cy}, Point{end - 3 * dash, cy + r}});
            break;
        }
        default: {
            // From a shield (defend) through level scales to a double arrow.
            const int cx = (left + right) / 2, cy = (top + bottom) / 2, h = bottom - top;
            cv.SelectBrush(Brush::Solid(ink));
            if (level <= 1) {
                const int w = h * (level == 0 ? 9 : 6) / 10;
                cv.Polygon({Point{cx - w / 2, top}, Point{cx + w / 2, top}, Point{cx + w / 2, cy},
                            Point{cx, bottom}, Point{cx - w / 2, cy}});
            } else if (level == 2) {
                cv.Rectangle(Rect{left + h / 4, cy - h / 4, right - h / 4, cy - h / 10});
                cv.Rectangle(Rect{left + h / 4, cy + h / 10, right - h / 4, cy + h / 4});
            } else {
                const int n = level - 2, w = h * 2 / 3;
                const int start = cx - (n * w) / 2;
                for (int k = 0; k < n; ++k) {
                    const int x = start + k * w;
                    cv.Polygon({Point{x, top}, Point{x + w / 2, top}, Point{x + w, cy}, Point{x + w / 2, bottom},
                                Point{x, bottom}, Point{x + w / 2, cy}});
                }
            }
            break;
        }
    }
}

Bitmap8 TacticButton(int group, int level, bool pressed, int w, int h) {
    const int W = w * kS, H = h * kS;
    const TactColour& c = kGroupColours[group];
    Surface s = TactPlate(W, H, c, pressed);
    Canvas cv(s);
    TactIcon(cv, group, level, W, H, c, pressed);
    return Quantise(Shrink(s, kS, true), true, false);
}

// Direction d (0..7: up-left, up, up-right, back, forward, down-left, down,
// down-right) as a small yellow arrow with a dark edge.
Bitmap8 DirectionArrow(int d) {
    static const int kDx[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
    static const int kDy[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
    constexpr int W = 10 * kS;
    Surface s(W, W, kKeyPixel);
    Canvas cv(s);
    double dx = kDx[d], dy = kDy[d];
    const double len = std::hypot(dx, dy);
    dx /= len;
    dy /= len;
    const double c = W / 2.0, nx = -dy, ny = dx;
    auto at = [&](double along, double across) {
        return Point{int(c + dx * along + nx * across), int(c + dy * along + ny * across)};
    };
    const double L = W * 0.42;
    const std::vector<Point> arrow = {at(L, 0),         at(0, L * 0.9),      at(0, L * 0.35),   at(-L, L * 0.35),
                                      at(-L, -L * 0.35), at(0, -L * 0.35), at(0, -L * 0.9)};
    cv.SelectPen(Pen::Solid(RGB(40, 24, 0), kS));
    cv.SelectBrush(Brush::Solid(RGB(255, 214, 40)));
    cv.Polygon(arrow);
    return Quantise(Shrink(s, kS, true), true, false);
}

Bitmap8 MarkerOutline() {
    constexpr int W = 22 * kS;
    Surface s(W, W, kKeyPixel);
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < W; ++x) {
            const double r = std::hypot(x - W / 2.0 + 0.5, y - W / 2.0 + 0.5);
            if (r > W / 2.0 - 0.5) continue;
            if (r > W / 2.0 - 2.2 * kS) s.Row(y)[x] = MakePixel(255, 236, 90);
            else if (r > W / 2.0 - 3.0 * kS) s.Row(y)[x] = MakePixel(60, 40, 0);
        }
    return Quantise(Shrink(s, kS, true), true, false);
}

// Small, in the kit's lower right corner, so the shirt number it marks
// stays readable.
Bitmap8 MarkerTick() {
    constexpr int W = 22 * kS;
    Surface s(W, W, kKeyPixel);
    Canvas cv(s);
    const std::vector<Point> tick = {{12 * kS + kS / 2, 18 * kS}, {14 * kS + kS / 2, 16 * kS},
                                     {16 * kS + kS / 2, 18 * kS}, {19 * kS + kS / 2, 14 * kS + kS / 2},
                                     {21 * kS + kS / 2, 16 * kS + kS / 2}, {16 * kS + kS / 2, 21 * kS + kS / 2}};
    cv.SelectPen(Pen::Solid(RGB(0, 40, 0), kS + kS / 2));
    cv.SelectBrush(Brush::Solid(RGB(80, 240, 90)));
    cv.Polygon(tick);
    return Quantise(Shrink(s, kS, true), true, false);
}

}  // namespace

std::vector<Picture> TacticsPictures() {
    static const char* const kNames[3][5] = {
        {"lowaggress", "belowavaggress", "avaggress", "abovavaggress", "hiaggress"},
        {"shortpass", "mainlyshort", "mixpass", "mainlong", "allongpass"},
        {"verydefens", "defensive", "avdefens", "attacking", "alloutattack"},
    };
    std::vector<Picture> out;
    for (int g = 0; g < 3; ++g) {
        for (int k = 0; k < 5; ++k) {
            const std::string n = kNames[g][k];
            out.push_back({"buttons", "tactics\\" + n + ".bmp", true, TacticButton(g, k, false, 56, 36)});
            out.push_back({"buttons", "tactics\\hi" + n + ".bmp", true, TacticButton(g, k, true, 56, 36)});
            out.push_back({"buttons", "tactics\\a-" + n + ".bmp", true, TacticButton(g, k, false, 28, 17)});
            out.push_back({"buttons", "tactics\\a-hi" + n + ".bmp", true, TacticButton(g, k, true, 28, 17)});
        }
        // teamagg1 aggression, teamagg2 bias, teamagg3 passing.
        const int number = g == 0 ? 1 : g == 1 ? 3 : 2;
        const std::string t = "tactics\\teamagg" + std::to_string(number);
        out.push_back({"buttons", t + ".bmp", true, TacticButton(g, -1, false, 28, 17)});
        out.push_back({"buttons", t + " hi.bmp", true, TacticButton(g, -1, true, 28, 17)});
    }
    for (int d = 0; d < 8; ++d)
        out.push_back({"match", "surfaces\\warrow" + std::to_string(d + 1) + ".bmp", true, DirectionArrow(d)});
    out.push_back({"match", "surfaces\\tiny outline.bmp", true, MarkerOutline()});
    out.push_back({"match", "surfaces\\tiny tick.bmp", true, MarkerTick()});
    return out;
}

}  // namespace art
