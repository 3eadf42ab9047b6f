// The news section's pictures: the hub's three section buttons (on the
// shared hub-button generator) and the message pages' date arrows.
#include <algorithm>
#include <cmath>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kNewsS = 4;  // the hub buttons are drawn at four times their size
constexpr HubColour kNewsColour{225, 91, 91};

int NewsBig(double v) { return static_cast<int>(std::lround(v * kNewsS)); }

struct NewsPen {
    Canvas& cv;
    void Fill(ColourRef c) {
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(c));
    }
    void Line(ColourRef c, double w) {
        cv.SelectPen(Pen::Solid(c, NewsBig(w)));
        cv.SelectBrush(Brush::None());
    }
    void Box(double x, double y, double w, double h) {
        cv.Rectangle(Rect{NewsBig(x), NewsBig(y), NewsBig(x + w), NewsBig(y + h)});
    }
    void Ellipse(double x, double y, double w, double h) {
        cv.Ellipse(Rect{NewsBig(x), NewsBig(y), NewsBig(x + w), NewsBig(y + h)});
    }
    void Poly(std::initializer_list<std::pair<double, double>> pts) {
        std::vector<Point> p;
        for (auto [x, y] : pts) p.push_back({NewsBig(x), NewsBig(y)});
        cv.Polygon(p);
    }
    void Segment(double x1, double y1, double x2, double y2) {
        cv.MoveTo(NewsBig(x1), NewsBig(y1));
        cv.LineTo(NewsBig(x2), NewsBig(y2));
    }
};

// A printed column of grey lines, as text seen from afar.
void NewsTextLines(NewsPen& p, double x, double y, double w, int lines, double gap, ColourRef ink) {
    p.Fill(ink);
    for (int i = 0; i < lines; ++i) {
        const double len = (i % 4 == 3) ? w * 0.6 : w;
        p.Box(x, y + i * gap, len, 1.2);
    }
}

// A letter rising out of its envelope, the club's crest on its seal.
void PaintClubMessages(Canvas& cv, double t, const HubColour& c) {
    NewsPen p{cv};
    const double rise = 9 * std::sin(M_PI * t);
    // The letter behind the envelope's front.
    p.Fill(RGB(248, 246, 236));
    p.Box(26, 18 - rise, 32, 30);
    NewsTextLines(p, 30, 23 - rise, 24, 5, 4, RGB(120, 120, 140));
    // The envelope.
    p.Fill(RGB(236, 226, 200));
    p.Poly({{18, 30}, {66, 30}, {66, 56}, {18, 56}});
    p.Fill(RGB(214, 200, 168));
    p.Poly({{18, 30}, {42, 46}, {66, 30}, {66, 56}, {18, 56}});
    p.Line(RGB(150, 132, 100), 1.0);
    p.Segment(18, 56, 40, 42);
    p.Segment(66, 56, 44, 42);
    // The seal: a small shield in the section's colour.
    p.Fill(RGB(std::min(255, c.r + 10), c.g / 2, c.b / 2));
    p.Poly({{36, 40}, {48, 40}, {48, 48}, {42, 53}, {36, 48}});
    p.Fill(RGB(255, 230, 120));
    p.Ellipse(40, 43, 4, 4);
}

// A ticker board of the leagues' news, its lines scrolling up.
void PaintLeagueMessages(Canvas& cv, double t, const HubColour& c) {
    NewsPen p{cv};
    p.Fill(RGB(24, 28, 40));
    p.Box(14, 10, 56, 46);
    p.Line(RGB(c.r, c.g, c.b), 1.5);
    p.Box(14, 10, 56, 46);
    // Six rows, each a small flag and a line of text, moving one row a loop.
    const double shift = 8 * t;
    static const ColourRef kFlags[] = {RGB(220, 40, 50), RGB(40, 90, 200), RGB(250, 210, 40),
                                       RGB(40, 160, 80), RGB(240, 240, 240), RGB(160, 60, 200)};
    for (int i = 0; i < 7; ++i) {
        const double y = 14 + i * 8 - shift;
        if (y < 12 || y > 50) continue;
        p.Fill(kFlags[i % 6]);
        p.Box(18, y, 7, 5);
        p.Fill(i == 2 ? RGB(255, 220, 90) : RGB(200, 210, 230));
        p.Box(28, y + 1.5, (i % 3 == 1) ? 26 : 36, 2);
    }
    // A highlight bar over the row in the middle.
    p.Line(RGB(255, 220, 90), 1.0);
    p.Box(16, 28, 52, 9);
}

// A folded newspaper that turns a little as it lands.
void PaintNewspaper(Canvas& cv, double t, const HubColour& c) {
    NewsPen p{cv};
    const double tilt = 2.5 * std::sin(2 * M_PI * t);
    p.Fill(RGB(120, 110, 110));
    p.Poly({{21 + tilt, 13}, {67 + tilt, 11 - tilt}, {67 - tilt, 57}, {21 - tilt, 58 + tilt}});
    p.Fill(RGB(244, 238, 244));
    p.Poly({{18 + tilt, 10}, {64 + tilt, 8 - tilt}, {64 - tilt, 54}, {18 - tilt, 55 + tilt}});
    // The masthead in the section's colour, a photograph and columns.
    p.Fill(RGB(c.r, c.g / 2, c.b / 2));
    p.Box(22, 13, 38, 6);
    p.Fill(RGB(70, 70, 80));
    p.Box(22, 22, 16, 14);
    p.Fill(RGB(150, 170, 120));
    p.Box(23, 30, 14, 5);
    p.Fill(RGB(230, 200, 170));
    p.Ellipse(27, 23, 6, 6);
    NewsTextLines(p, 41, 22, 18, 4, 3.5, RGB(90, 86, 100));
    NewsTextLines(p, 22, 39, 17, 4, 3.5, RGB(90, 86, 100));
    NewsTextLines(p, 42, 39, 17, 4, 3.5, RGB(90, 86, 100));
}

// The date arrows: a rounded plate of the section's colour with a white
// arrow; pressed, darker and one pixel lower.
Bitmap8 NewsDateArrow(bool right, bool pressed) {
    constexpr int S = 4, W = 26, H = 24;
    Surface s(W * S, H * S, kKeyPixel);
    const int top = pressed ? S : 0;
    const double dim = pressed ? 0.72 : 1.0;
    for (int y = top; y < H * S - (pressed ? 0 : S); ++y)
        for (int x = 0; x < W * S; ++x) {
            const int cx = std::clamp(x, 5 * S, (W - 5) * S), cy = std::clamp(y, top + 5 * S, H * S - 5 * S - (pressed ? 0 : S));
            const double dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy > 25.0 * S * S) continue;
            const double lift = 1.0 - 0.35 * (y - top) / double(H * S);
            Pixel px = MakePixel(std::clamp(static_cast<int>(kNewsColour.r * lift * dim), 0, 255),
                                 std::clamp(static_cast<int>(kNewsColour.g * lift * dim), 0, 255),
                                 std::clamp(static_cast<int>(kNewsColour.b * lift * dim), 0, 255));
            if (dx * dx + dy * dy > 16.0 * S * S) Blend(px, 40, 10, 10, 0.45);
            s.Row(y)[x] = px;
        }
    {
        Canvas cv(s);
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
        const int oy = top, mid = oy + 11 * S;
        std::vector<Point> arrow;
        if (right) arrow = {{9 * S, mid - 7 * S}, {19 * S, mid}, {9 * S, mid + 7 * S}};
        else arrow = {{17 * S, mid - 7 * S}, {7 * S, mid}, {17 * S, mid + 7 * S}};
        cv.Polygon(arrow);
    }
    return Quantise(Shrink(s, S, true), true, false);
}

}  // namespace

std::vector<Picture> NewsHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"club messages", "Club Messages", &PaintClubMessages},
        {"league messages", "League Messages", &PaintLeagueMessages},
        {"newspaper", "Newspaper", &PaintNewspaper},
    };
    return HubButtons("news", kNewsColour, kButtons);
}

std::vector<Picture> NewsPictures() {
    std::vector<Picture> out = NewsHubButtons();
    out.push_back({"buttons", "date_left.bmp", true, NewsDateArrow(false, false)});
    out.push_back({"buttons", "date_left_lo.bmp", true, NewsDateArrow(false, true)});
    out.push_back({"buttons", "date_right.bmp", true, NewsDateArrow(true, false)});
    out.push_back({"buttons", "date_right_lo.bmp", true, NewsDateArrow(true, true)});
    return out;
}

}  // namespace art
