// The match-day page's pictures: the intro, team-sheet and result pages,
// the match page's panels in the look of a television graphic (dark steel
// panels with a bevel, the clip in a monitor bezel), its buttons, status
// icons, shoot-out marks and the ball marker whose colour the page sets.
#include <algorithm>
#include <cmath>
#include <string>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kM = 2;  // drawn at twice the size, then shrunk

struct MatchRgb {
    int r, g, b;
};

constexpr MatchRgb kSteel{168, 176, 190}, kShade{52, 56, 66}, kAccent{70, 150, 222}, kGold{236, 196, 72};

// A dark panel with a steel bevel and a faint top light, at (x, y) w x h
// in the big surface's pixels.
void MatchPanel(Surface& s, int x, int y, int w, int h, double depth = 1.0) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int px = x + i, py = y + j;
            if (px < 0 || py < 0 || px >= s.Width() || py >= s.Height()) continue;
            const double t = double(j) / std::max(1, h);
            Pixel p = MakePixel(int((18 + 14 * (1 - t)) * depth), int((24 + 16 * (1 - t)) * depth),
                                int((38 + 22 * (1 - t)) * depth));
            const int edge = std::min({i, j, w - 1 - i, h - 1 - j});
            if (edge < kM) {
                const bool light = i < kM || j < kM;
                p = light ? MakePixel(kSteel.r, kSteel.g, kSteel.b) : MakePixel(kShade.r, kShade.g, kShade.b);
            } else if (edge < 2 * kM) {
                p = MakePixel(10, 12, 18);
            }
            s.Row(py)[px] = p;
        }
}

// The page backdrop: deep blue-grey with the faint mown stripes of a pitch.
void MatchBackdrop(Surface& s, uint32_t seed) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const double stripe = ((x / (48 * kM)) % 2) ? 0.0 : 6.0;
            const double n = Noise(uint32_t(x / kM), uint32_t(y / kM), seed) * 5;
            const double t = double(y) / s.Height();
            s.Row(y)[x] = MakePixel(int(14 + 10 * t + n), int(26 + 18 * t + stripe + n), int(40 + 12 * t + n));
        }
}

void MatchText(Canvas& cv, int x, int y, const std::string& text, int height, ColourRef colour, unsigned align) {
    auto font = Font::Create("Arial Narrow", -height * kM, 700);
    cv.SelectFont(font);
    cv.SetBkMode(TRANSPARENT);
    cv.SetTextAlign(align | TA_BASELINE);
    cv.SetTextColor(RGB(0, 0, 0));
    cv.TextOut(x * kM + kM, y * kM + kM, text);
    cv.SetTextColor(colour);
    cv.TextOut(x * kM, y * kM, text);
}

Bitmap8 Finish(const Surface& big, bool keyed) { return Quantise(Shrink(big, kM, keyed), keyed, !keyed); }

// A full page with its panels (page coordinates).
struct MatchBox {
    int x, y, w, h;
};
Bitmap8 MatchPage(std::initializer_list<MatchBox> boxes, uint32_t seed, bool pitch = false) {
    Surface s(788 * kM, 550 * kM);
    MatchBackdrop(s, seed);
    // The title band where the competition and the fixture are written.
    MatchPanel(s, 16 * kM, 2 * kM, 756 * kM, 62 * kM, 0.8);
    for (const MatchBox& b : boxes) MatchPanel(s, b.x * kM, b.y * kM, b.w * kM, b.h * kM);
    if (pitch) {
        // The team sheet's formation pitch, own goal at the top.
        Canvas cv(s);
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(32, 96, 44)));
        cv.Rectangle(Rect{556 * kM, 122 * kM, 762 * kM, 403 * kM});
        cv.SelectPen(Pen::Solid(RGB(200, 230, 200), kM));
        cv.SelectBrush(Brush::None());
        cv.Rectangle(Rect{560 * kM, 126 * kM, 758 * kM, 399 * kM});
        cv.Rectangle(Rect{610 * kM, 126 * kM, 708 * kM, 166 * kM});
        cv.MoveTo(560 * kM, 262 * kM);
        cv.LineTo(758 * kM, 262 * kM);
        cv.Ellipse(Rect{634 * kM, 238 * kM, 684 * kM, 288 * kM});
    }
    return Finish(s, false);
}

// The intro page's three bands: each team's name (font 5, from y 134 and
// 342, its descenders to about 48 pixels below) and "Vs" (from y 249) stand
// inside theirs, and so does each team's kit (128 square from (102, 96) and
// (102, 304), its cloth from about 7 to 117 down).
constexpr MatchBox kIntroPanels[3] = {{90, 96, 608, 124}, {90, 232, 608, 60}, {90, 304, 608, 124}};

// A rounded plate on the key: released in steel blue, pressed lit gold.
Bitmap8 MatchPlate(int w, int h, bool pressed, const std::string& word = {}) {
    Surface s(w * kM, h * kM, kKeyPixel);
    const int r = std::min(h, 12) * kM / 3;
    for (int y = 0; y < h * kM; ++y)
        for (int x = 0; x < w * kM; ++x) {
            const int cx = std::clamp(x, r, w * kM - 1 - r), cy = std::clamp(y, r, h * kM - 1 - r);
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r) continue;
            const double t = double(y) / (h * kM);
            const bool rim = x < kM || y < kM || x >= (w - 1) * kM || y >= (h - 1) * kM;
            Pixel p = pressed ? MakePixel(int(120 + 80 * (1 - t)), int(96 + 70 * (1 - t)), 30)
                              : MakePixel(int(30 + 40 * (1 - t)), int(60 + 50 * (1 - t)), int(100 + 70 * (1 - t)));
            if (rim) p = pressed ? MakePixel(kGold.r, kGold.g, kGold.b) : MakePixel(kSteel.r, kSteel.g, kSteel.b);
            s.Row(y)[x] = p;
        }
    if (!word.empty()) {
        Canvas cv(s);
        MatchText(cv, w / 2, h / 2 + 4, word, std::min(13, h - 6), RGB(255, 255, 255), TA_CENTER);
    }
    return Finish(s, true);
}

// The status icons: a yellow card, the injury cross, both, a red card.
Bitmap8 MatchStatusIcon(int kind, int w, int h) {
    Surface s(w * kM, h * kM, kKeyPixel);
    Canvas cv(s);
    cv.SelectPen(Pen::Solid(RGB(20, 20, 20), 1));
    auto card = [&](int x0, int y0, int x1, int y1, ColourRef c) {
        cv.SelectBrush(Brush::Solid(c));
        cv.Rectangle(Rect{x0 * kM, y0 * kM, x1 * kM, y1 * kM});
    };
    auto cross = [&](int cx, int cy, int arm) {
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(240, 240, 240)));
        cv.Rectangle(Rect{(cx - arm) * kM, (cy - arm) * kM, (cx + arm) * kM, (cy + arm) * kM});
        cv.SelectBrush(Brush::Solid(RGB(210, 30, 30)));
        cv.Rectangle(Rect{(cx - arm + 1) * kM, cy * kM - kM, (cx + arm - 1) * kM, cy * kM + kM});
        cv.Rectangle(Rect{cx * kM - kM, (cy - arm + 1) * kM, cx * kM + kM, (cy + arm - 1) * kM});
    };
    switch (kind) {
        case 0: card(2, 1, w - 2, h - 1, RGB(250, 214, 30)); break;
        case 1: cross(w / 2, h / 2, std::min(w, h) / 2 - 1); break;
        case 2:
            card(0, 0, w / 2 + 1, h - 4, RGB(250, 214, 30));
            cross(w / 2 + 1, h / 2 + 2, std::min(w, h) / 2 - 2);
            break;
        default: card(2, 1, w - 2, h - 1, RGB(220, 20, 20)); break;
    }
    return Finish(s, true);
}

// The score panel: the clock box, the title line, two team rows, the
// commentary box and the latest-score strip.
Bitmap8 TopBox() {
    Surface s(440 * kM, 225 * kM);
    MatchBackdrop(s, 41);
    MatchPanel(s, 0, 0, 440 * kM, 225 * kM, 0.9);
    MatchPanel(s, 4 * kM, 4 * kM, 64 * kM, 58 * kM, 0.6);    // the clock
    MatchPanel(s, 70 * kM, 4 * kM, 366 * kM, 24 * kM, 0.7);  // titles
    MatchPanel(s, 70 * kM, 32 * kM, 366 * kM, 30 * kM);      // home row
    MatchPanel(s, 70 * kM, 65 * kM, 366 * kM, 30 * kM);      // away row
    MatchPanel(s, 74 * kM, 108 * kM, 352 * kM, 76 * kM, 0.5);  // commentary
    MatchPanel(s, 70 * kM, 190 * kM, 366 * kM, 28 * kM, 0.7);  // latest score
    return Finish(s, false);
}

// The clip's monitor: a bezel round the window (14, 13) to (333, 212).
Bitmap8 ActionBox() {
    Surface s(348 * kM, 225 * kM);
    MatchBackdrop(s, 43);
    MatchPanel(s, 0, 0, 348 * kM, 225 * kM, 0.9);
    MatchPanel(s, 6 * kM, 5 * kM, 336 * kM, 215 * kM, 0.5);
    for (int y = 13 * kM; y < 213 * kM; ++y)
        for (int x = 14 * kM; x < 334 * kM; ++x) s.Row(y)[x] = MakePixel(0, 0, 0);
    // A small red light under the screen.
    Canvas cv(s);
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(RGB(220, 40, 30)));
    cv.Ellipse(Rect{320 * kM, 215 * kM, 326 * kM, 221 * kM});
    return Finish(s, false);
}

// The control strip: eight sections between the edges, lit or unlit.
Bitmap8 ControlStrip(bool lit) {
    static constexpr int kEdges[9] = {0, 49, 94, 139, 183, 229, 274, 318, 365};
    static const char* const kNames[8] = {"Power", "Areas", "Play", "Stats", "Scores", "Shape", "Tactics", "Subs"};
    Surface s(365 * kM, 59 * kM);
    MatchBackdrop(s, 47);
    Canvas cv(s);
    for (int i = 0; i < 8; ++i) {
        const int x0 = kEdges[i], w = kEdges[i + 1] - kEdges[i];
        MatchPanel(s, x0 * kM, 0, w * kM, 59 * kM, lit ? 2.2 : 1.0);
        MatchText(cv, x0 + w / 2, 36, kNames[i], 11, lit ? RGB(255, 255, 0) : RGB(200, 210, 225), TA_CENTER);
    }
    return Finish(s, false);
}

// A players panel: the title band, the rows and (card views) the tabs.
Bitmap8 PlayersPanel(int width, int kind) {
    Surface s(width * kM, 327 * kM);
    MatchBackdrop(s, uint32_t(50 + kind + width));
    MatchPanel(s, 0, 0, width * kM, 327 * kM, 0.9);
    MatchPanel(s, 4 * kM, 2 * kM, (width - 8) * kM, 26 * kM, 0.6);
    if (kind == 0) {
        // Squad rows of 17 pixels from y 35, every other one darker.
        for (int r = 0; r < 17; ++r) {
            const int y = 35 + 17 * r;
            if (y + 16 > 325) break;
            MatchPanel(s, 4 * kM, y * kM, (width - 8) * kM, 16 * kM, r % 2 ? 0.7 : 0.85);
        }
    } else {
        MatchPanel(s, 4 * kM, 58 * kM, (width - 8) * kM, 72 * kM, 0.7);   // rating and attributes
        MatchPanel(s, 4 * kM, 154 * kM, (width - 8) * kM, 76 * kM, 0.7);  // match counts
        MatchPanel(s, 8 * kM, 234 * kM, 98 * kM, 18 * kM, kind == 1 ? 1.6 : 0.6);  // the tabs
        MatchPanel(s, 110 * kM, 234 * kM, 98 * kM - (210 - width) * kM, 18 * kM, kind == 2 ? 1.6 : 0.6);
        MatchPanel(s, 4 * kM, 240 * kM + 12 * kM, (width - 8) * kM, 68 * kM, 0.5);  // graph or buttons
    }
    return Finish(s, false);
}

// A performance panel view: the title band and, by kind, its pitch.
Bitmap8 CentreView(int kind) {
    Surface s(365 * kM, 268 * kM);
    MatchBackdrop(s, uint32_t(60 + kind));
    MatchPanel(s, 0, 0, 365 * kM, 268 * kM, 0.9);
    MatchPanel(s, 4 * kM, 2 * kM, 357 * kM, 26 * kM, 0.6);
    Canvas cv(s);
    auto pitch = [&](int x0, int y0, int x1, int y1, ColourRef grass) {
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(grass));
        cv.Rectangle(Rect{x0 * kM, y0 * kM, x1 * kM, y1 * kM});
        cv.SelectPen(Pen::Solid(RGB(210, 235, 210), kM));
        cv.SelectBrush(Brush::None());
        cv.Rectangle(Rect{x0 * kM, y0 * kM, x1 * kM, y1 * kM});
        const int mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
        cv.MoveTo(mx * kM, y0 * kM);
        cv.LineTo(mx * kM, y1 * kM);
        cv.Ellipse(Rect{(mx - 20) * kM, (my - 20) * kM, (mx + 20) * kM, (my + 20) * kM});
        cv.Rectangle(Rect{x0 * kM, (my - 40) * kM, (x0 + 30) * kM, (my + 40) * kM});
        cv.Rectangle(Rect{(x1 - 30) * kM, (my - 40) * kM, x1 * kM, (my + 40) * kM});
    };
    switch (kind) {
        case 0:  // zones: two graph areas under the bars
            MatchPanel(s, 30 * kM, 175 * kM, 150 * kM, 72 * kM, 0.5);
            MatchPanel(s, 185 * kM, 175 * kM, 150 * kM, 72 * kM, 0.5);
            break;
        case 1:  // man marking: the pitch the ball trail is drawn on
        case 5:  // formation: the same pitch beside the list
            if (kind == 1)
                pitch(35, 41, 331, 247, RGB(30, 92, 42));
            else
                pitch(200, 36, 356, 244, RGB(30, 92, 42));
            break;
        case 2:  // territory, lit
        case 3:  // territory, dark
            pitch(35, 42, 331, 247, kind == 2 ? RGB(52, 150, 64) : RGB(22, 62, 30));
            break;
        case 4:  // statistics: ten rows
        case 8:  // motivation (the shoot-out board)
            for (int r = 0; r < (kind == 4 ? 10 : 2); ++r)
                MatchPanel(s, 16 * kM, (kind == 4 ? 34 + 22 * r : 168 + 42 * r) * kM, 333 * kM, 20 * kM, 0.6);
            break;
        case 9:  // latest scores: the header band and the bottom band
            MatchPanel(s, 0, 0, 365 * kM, 32 * kM, 0.7);
            MatchPanel(s, 0, 258 * kM, 365 * kM, 10 * kM, 0.7);
            break;
        case 7:  // playing styles: the levels and switches, then the takers
            // The labels start at y 30 and 141, so each panel starts above them.
            MatchPanel(s, 12 * kM, 28 * kM, 341 * kM, 106 * kM, 0.6);
            MatchPanel(s, 12 * kM, 136 * kM, 341 * kM, 126 * kM, 0.6);
            break;
        default:  // substitutions
            MatchPanel(s, 12 * kM, 34 * kM, 341 * kM, 104 * kM, 0.6);
            MatchPanel(s, 12 * kM, 144 * kM, 341 * kM, 104 * kM, 0.6);
            break;
    }
    return Finish(s, false);
}

// The run and skip buttons: a round steel button with a pause, play or
// skip symbol; the dark look is dimmed.
Bitmap8 RunButton(int symbol, bool dark) {
    Surface s(48 * kM, 50 * kM, kKeyPixel);
    Canvas cv(s);
    cv.SelectPen(Pen::Solid(RGB(kSteel.r, kSteel.g, kSteel.b), 2 * kM));
    cv.SelectBrush(Brush::Solid(dark ? RGB(24, 30, 44) : RGB(36, 70, 120)));
    cv.Ellipse(Rect{3 * kM, 4 * kM, 45 * kM, 46 * kM});
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(dark ? RGB(110, 116, 128) : RGB(255, 255, 255)));
    if (symbol == 0) {
        cv.Rectangle(Rect{16 * kM, 15 * kM, 21 * kM, 35 * kM});
        cv.Rectangle(Rect{27 * kM, 15 * kM, 32 * kM, 35 * kM});
    } else if (symbol == 1) {
        cv.Polygon({{18 * kM, 14 * kM}, {34 * kM, 25 * kM}, {18 * kM, 36 * kM}});
    } else {
        cv.Polygon({{13 * kM, 15 * kM}, {24 * kM, 25 * kM}, {13 * kM, 35 * kM}});
        cv.Polygon({{24 * kM, 15 * kM}, {35 * kM, 25 * kM}, {24 * kM, 35 * kM}});
    }
    return Finish(s, true);
}

// The ball marker: a white ball whose panels are palette entry 255, which
// the page overwrites with the side's shirt colour.
Bitmap8 BallMarker() {
    Bitmap8 b;
    b.width = b.height = 20;
    b.coloursUsed = 256;
    auto entry = [&](int i, int r, int g, int bl) {
        b.palette[size_t(i) * 4] = uint8_t(bl);
        b.palette[size_t(i) * 4 + 1] = uint8_t(g);
        b.palette[size_t(i) * 4 + 2] = uint8_t(r);
    };
    entry(0, 255, 0, 143);  // the key
    entry(1, 16, 16, 16);   // the rim
    entry(2, 250, 250, 250);
    entry(255, 200, 40, 40);
    b.pixels.assign(400, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const double dx = x - 9.5, dy = y - 9.5, d = std::sqrt(dx * dx + dy * dy);
            if (d > 9.2) continue;
            uint8_t v = 2;
            if (d > 8.0) v = 1;
            // The panels: a centre patch and five around it.
            else if (d < 3.0 || (d > 5.5 && d < 7.5 && int(std::atan2(dy, dx) * 5 / 3.14159 + 10) % 2 == 0)) v = 255;
            b.pixels[size_t(y) * 20 + size_t(x)] = v;
        }
    return b;
}

// The shoot-out marks: a ball in the net, a cross.
Bitmap8 PenaltyMark(bool goal) {
    Surface s(24 * kM, 24 * kM, kKeyPixel);
    Canvas cv(s);
    if (goal) {
        cv.SelectPen(Pen::Solid(RGB(20, 20, 20), kM));
        cv.SelectBrush(Brush::Solid(RGB(250, 250, 250)));
        cv.Ellipse(Rect{3 * kM, 3 * kM, 21 * kM, 21 * kM});
        cv.SelectPen(Pen::None());
        cv.SelectBrush(Brush::Solid(RGB(30, 190, 60)));
        cv.Ellipse(Rect{9 * kM, 9 * kM, 15 * kM, 15 * kM});
    } else {
        cv.SelectPen(Pen::Solid(RGB(230, 40, 40), 4 * kM));
        cv.MoveTo(5 * kM, 5 * kM);
        cv.LineTo(19 * kM, 19 * kM);
        cv.MoveTo(19 * kM, 5 * kM);
        cv.LineTo(5 * kM, 19 * kM);
    }
    return Finish(s, true);
}

Bitmap8 ResultBall() {
    Surface s(16 * kM, 16 * kM, kKeyPixel);
    Canvas cv(s);
    cv.SelectPen(Pen::Solid(RGB(20, 20, 20), kM));
    cv.SelectBrush(Brush::Solid(RGB(250, 250, 250)));
    cv.Ellipse(Rect{2 * kM, 2 * kM, 14 * kM, 14 * kM});
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(RGB(30, 30, 30)));
    cv.Ellipse(Rect{6 * kM, 6 * kM, 10 * kM, 10 * kM});
    return Finish(s, true);
}

}  // namespace

// The match page's background, seen for a moment before the page paints
// itself: the intro page, with its frames filled in, so that nothing looks
// missing. Its text, kits and buttons are the page's; here they are an
// empty crest frame, two kit frames, the floodlit centre circle and the
// rail of the four buttons.
Bitmap8 MatchPageBackground() {
    Surface s(788 * kM, 550 * kM);
    MatchBackdrop(s, 31);
    MatchPanel(s, 16 * kM, 2 * kM, 756 * kM, 62 * kM, 0.8);
    for (const MatchBox& b : kIntroPanels) MatchPanel(s, b.x * kM, b.y * kM, b.w * kM, b.h * kM);
    MatchPanel(s, 126 * kM, 468 * kM, 652 * kM, 42 * kM, 0.7);  // the buttons' rail
    Canvas cv(s);
    // The kits stand in two floodlit frames, a shirt's outline in each.
    // Each frame stands inside its band, as the kit does.
    for (int top : {96, 304}) {
        MatchPanel(s, 100 * kM, (top + 4) * kM, 132 * kM, 116 * kM, 0.6);
        const double cx = 166 * kM, cy = (top + 10) * kM;
        for (int y = (top + 8) * kM; y < (top + 116) * kM; ++y)
            for (int x = 104 * kM; x < 228 * kM; ++x) {
                const double d = std::hypot((x - cx) / 1.3, y - cy) / (110.0 * kM);
                const double light = std::max(0.0, 1.0 - d) * 0.55;
                const Pixel p = s.Row(y)[x];
                auto mix = [&](int c, int to) { return int(c + (to - c) * light); };
                s.Row(y)[x] = MakePixel(mix((p >> 16) & 255, 170), mix((p >> 8) & 255, 196), mix(p & 255, 210));
            }
        cv.SelectBrush(Brush::None());
        cv.SelectPen(Pen::Solid(RGB(kSteel.r, kSteel.g, kSteel.b), kM));
        const int ox = 166, oy = top + 64;
        std::vector<Point> shirt;
        for (auto [dx, dy] : std::initializer_list<std::pair<int, int>>{
                 {-12, -40}, {-34, -32}, {-48, -12}, {-38, -2}, {-30, -10}, {-30, 40}, {30, 40}, {30, -10},
                 {38, -2}, {48, -12}, {34, -32}, {12, -40}, {0, -32}})
            shirt.push_back(Point{(ox + dx) * kM, (oy + dy) * kM});
        shirt.push_back(shirt.front());
        cv.Polyline(shirt);
    }
    // The competition's crest: a gold shield in the title band.
    MatchPanel(s, 24 * kM, 3 * kM, 58 * kM, 60 * kM, 0.5);
    cv.SelectPen(Pen::Solid(RGB(kGold.r, kGold.g, kGold.b), 2 * kM));
    cv.SelectBrush(Brush::Solid(RGB(60, 46, 16)));
    cv.Polygon({Point{36 * kM, 12 * kM}, Point{70 * kM, 12 * kM}, Point{70 * kM, 36 * kM}, Point{53 * kM, 54 * kM},
                Point{36 * kM, 36 * kM}});
    // The centre circle behind "Vs", lit from above like the pitch at night.
    cv.SelectBrush(Brush::None());
    cv.SelectPen(Pen::Solid(RGB(kSteel.r, kSteel.g, kSteel.b), 2 * kM));
    const int cy = kIntroPanels[1].y + kIntroPanels[1].h / 2;
    // Sized to stand inside its band.
    const int rc = kIntroPanels[1].h / 2 - 6;
    cv.Ellipse(Rect{(425 - rc) * kM, (cy - rc) * kM, (425 + rc) * kM, (cy + rc) * kM});
    cv.SelectPen(Pen::Solid(RGB(kAccent.r, kAccent.g, kAccent.b), kM));
    cv.MoveTo(250 * kM, cy * kM);
    cv.LineTo((425 - rc - 6) * kM, cy * kM);
    cv.MoveTo((425 + rc + 6) * kM, cy * kM);
    cv.LineTo(680 * kM, cy * kM);
    cv.SelectPen(Pen::None());
    cv.SelectBrush(Brush::Solid(RGB(kGold.r, kGold.g, kGold.b)));
    cv.Ellipse(Rect{(425 - 4) * kM, (cy - 4) * kM, (425 + 4) * kM, (cy + 4) * kM});
    // The four buttons' places on the rail: their plates, unlit.
    for (int x : {138, 298, 454, 610})
        for (int y = 0; y < 24 * kM; ++y)
            for (int i = 0; i < 144 * kM; ++i) {
                const double t = double(y) / (24 * kM);
                const bool rim = i < kM || y < kM || i >= 143 * kM || y >= 23 * kM;
                s.Row(477 * kM + y)[x * kM + i] =
                    rim ? MakePixel(96, 104, 120) : MakePixel(int(24 + 24 * (1 - t)), int(44 + 30 * (1 - t)), int(72 + 42 * (1 - t)));
            }
    return Finish(s, false);
}

std::vector<Picture> MatchPictures() {
    std::vector<Picture> out;
    auto add = [&](const std::string& name, bool keyed, Bitmap8 b) {
        out.push_back({"match", "surfaces\\" + name + ".bmp", keyed, std::move(b)});
    };
    add("intro", false, MatchPage({kIntroPanels[0], kIntroPanels[1], kIntroPanels[2]}, 31));
    add("squad", false, MatchPage({{26, 146, 509, 308}, {548, 114, 222, 297}}, 32, true));
    add("result", false, MatchPage({{90, 88, 606, 50}, {90, 144, 606, 280}, {90, 428, 606, 40}}, 33));
    // The scores' table stands at (90, 88) with its scroll bar out to x 704:
    // the panel holds both with a margin.
    add("scores", false, MatchPage({{80, 80, 632, 380}}, 34));
    add("match stats", false, MatchPage({{16, 128, 210, 340}, {222, 128, 344, 240}, {570, 128, 204, 340}}, 35));
    // The intro and result buttons: their captions are written by the page.
    for (int i = 0; i < 4; ++i) {
        add("intro" + std::to_string(i + 1), true, MatchPlate(144, 24, false));
        add("introl" + std::to_string(i + 1), true, MatchPlate(144, 24, true));
    }
    static const char* const kIcons[4] = {"yellow", "injured", "injuredyellow", "red"};
    for (int i = 0; i < 4; ++i) add(kIcons[i], true, MatchStatusIcon(i, 12, 14));
    add("players_left", false, PlayersPanel(210, 0));
    add("playerperf_left", false, PlayersPanel(210, 1));
    add("playerperf_left2", false, PlayersPanel(210, 2));
    add("players_right", false, PlayersPanel(213, 0));
    add("playerperf_right", false, PlayersPanel(213, 1));
    add("playerperf_right2", false, PlayersPanel(213, 2));
    static const char* const kWords[3] = {"Praise", "Encourage", "Discipline"};
    for (int i = 0; i < 3; ++i) {
        add("4button" + std::to_string(i + 1) + "light", true, MatchPlate(60, 22, false, kWords[i]));
        add("4button" + std::to_string(i + 1) + "dark", true, MatchPlate(60, 22, true, kWords[i]));
    }
    add("4leftbuttonpenalty", true, MatchPlate(190, 18, false));
    add("button pause light", true, RunButton(0, false));
    add("button pause dark", true, RunButton(0, true));
    add("button play light", true, RunButton(1, false));
    add("button exit light", true, RunButton(2, false));
    add("button exit dark", true, RunButton(2, true));
    add("top box", false, TopBox());
    add("action box", false, ActionBox());
    add("buttons light", false, ControlStrip(true));
    add("buttons dark", false, ControlStrip(false));
    static const char* const kCentre[10] = {"centre zones",       "centre manmarking",     "centre territory light",
                                            "centre territory dark", "centre statistics",  "centre formation",
                                            "centresubstitutions", "centre playing styles", "centre motivation",
                                            "centre latest scores"};
    for (int i = 0; i < 10; ++i) add(kCentre[i], false, CentreView(i));
    add("ball1", true, BallMarker());
    add("pen-goal", true, PenaltyMark(true));
    add("pen-miss", true, PenaltyMark(false));
    add("res_ball", true, ResultBall());
    add("res_yellow", true, MatchStatusIcon(0, 16, 16));
    add("res_red", true, MatchStatusIcon(3, 16, 16));
    return out;
}

}  // namespace art
