// The information section's pictures: the hub's six section buttons (on the
// shared hub-button generator) and the match summary's event marks, a ball,
// a yellow card and a red card.
#include <cmath>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr HubColour kInfoColour{86, 156, 230};

// Bars of a crowd chart growing in turn, the last one highlighted.
void PaintAttendanceGraph(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(236, 240, 246));
    p.Box(10, 10, 64, 50);
    p.Line(RGB(90, 90, 100), 1.0);
    p.Segment(16, 54, 70, 54);
    p.Segment(16, 54, 16, 14);
    const double heights[] = {18, 26, 22, 34, 30};
    for (int i = 0; i < 5; ++i) {
        const double grow = std::min(1.0, std::max(0.0, t * 5 - i + 0.6));
        const double h = heights[i] * (0.35 + 0.65 * grow);
        p.Fill(i == 4 ? RGB(255, 196, 60) : RGB(c.r, c.g, c.b));
        p.Box(20 + i * 10, 54 - h, 7, h);
    }
}

// A line of league places moving across a grid, a dot riding its tip.
void PaintLeagueGraph(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(236, 240, 246));
    p.Box(10, 10, 64, 50);
    p.Line(RGB(200, 206, 218), 0.6);
    for (int i = 0; i < 4; ++i) p.Segment(14, 18 + i * 10, 70, 18 + i * 10);
    const double ys[] = {48, 40, 44, 30, 34, 22, 18};
    const int shown = 2 + static_cast<int>(t * 5) % 5;
    p.Line(RGB(c.r, c.g, c.b), 1.6);
    for (int i = 1; i <= shown && i < 7; ++i) p.Segment(14 + (i - 1) * 9, ys[i - 1], 14 + i * 9, ys[i]);
    const int tip = std::min(shown, 6);
    p.Fill(RGB(255, 196, 60));
    p.Ellipse(14 + tip * 9 - 3, ys[tip] - 3, 6, 6);
}

// A turnstile with a counter clicking up.
void PaintHighestGates(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(120, 124, 136));
    p.Box(14, 26, 20, 32);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(16, 30, 16, 6);
    const double a = 2 * M_PI * t;
    p.Line(RGB(210, 214, 224), 2.0);
    for (int k = 0; k < 3; ++k) {
        const double ang = a + k * 2 * M_PI / 3;
        p.Segment(34, 42, 34 + 16 * std::cos(ang), 42 + 6 * std::sin(ang));
    }
    p.Fill(RGB(30, 30, 36));
    p.Box(42, 12, 30, 12);
    const int digits = 4;
    const int value = static_cast<int>(t * 8);
    for (int i = 0; i < digits; ++i) {
        const bool lit = i == digits - 1 ? true : (value >> (digits - 1 - i)) & 1;
        p.Fill(lit ? RGB(255, 196, 60) : RGB(90, 80, 40));
        p.Box(45 + i * 7, 15, 5, 6);
    }
}

// A stand of supporters whose heads bob in a wave.
void PaintAverageGates(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(c.r, c.g, c.b));
    p.Poly({{8, 58}, {76, 58}, {76, 30}, {8, 42}});
    p.Fill(RGB(250, 250, 250));
    p.Poly({{8, 42}, {76, 30}, {76, 26}, {8, 38}});
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 7; ++i) {
            const double x = 12 + i * 9;
            const double base = 48 - (x - 8) * 12.0 / 68 + row * 7;
            const double bob = 2.5 * std::max(0.0, std::sin(2 * M_PI * (t - i / 7.0)));
            p.Fill((i + row) % 2 ? RGB(244, 212, 170) : RGB(150, 100, 70));
            p.Ellipse(x, base - bob - 5, 5, 5);
        }
    p.Line(RGB(255, 196, 60), 1.2);
    p.Segment(8, 62, 76, 62);
}

// A league table whose highlighted row climbs.
void PaintInfoLeagueTable(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(236, 240, 246));
    p.Box(12, 10, 60, 52);
    p.Fill(RGB(c.r, c.g, c.b));
    p.Box(12, 10, 60, 7);
    const int lit = 5 - static_cast<int>(t * 6) % 6;
    for (int i = 0; i < 6; ++i) {
        const double y = 20 + i * 7;
        p.Fill(i == lit ? RGB(255, 196, 60) : RGB(200, 206, 218));
        p.Box(15, y, 36, 5);
        p.Fill(RGB(120, 126, 140));
        p.Box(55, y, 14, 5);
    }
}

// An open book with an "i" whose pages turn.
void PaintCompetitionInfo(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(c.r, c.g, c.b));
    p.Poly({{8, 20}, {42, 16}, {76, 20}, {76, 60}, {42, 56}, {8, 60}});
    p.Fill(RGB(250, 248, 240));
    p.Poly({{11, 22}, {41, 19}, {41, 53}, {11, 57}});
    p.Poly({{43, 19}, {73, 22}, {73, 57}, {43, 53}});
    const double turn = std::sin(M_PI * t);
    p.Fill(RGB(232, 228, 214));
    p.Poly({{43, 19}, {43 + 28 * (1 - turn), 21 - 6 * turn}, {43 + 28 * (1 - turn), 55 - 6 * turn}, {43, 53}});
    p.Line(RGB(170, 176, 190), 0.8);
    for (int i = 0; i < 4; ++i) p.Segment(15, 30 + i * 6, 37, 29 + i * 6);
    p.Fill(RGB(40, 90, 170));
    p.Ellipse(55, 26, 5, 5);
    p.Box(56, 33, 3, 14);
}

// A 14-pixel event mark, drawn four times the size on the key colour.
Bitmap8 EventMark(void (*paint)(BigPen& p)) {
    Surface big(14 * BigPen::kScale, 14 * BigPen::kScale, kKeyPixel);
    Canvas cv(big);
    BigPen p{cv};
    paint(p);
    return Quantise(Shrink(big, BigPen::kScale, true), true, false);
}

void PaintBall(BigPen& p) {
    p.Fill(RGB(250, 250, 250));
    p.Ellipse(1, 1, 12, 12);
    p.Fill(RGB(20, 20, 24));
    p.Poly({{7, 4.5}, {9.4, 6.2}, {8.5, 9}, {5.5, 9}, {4.6, 6.2}});
    p.Ellipse(1.3, 5, 2, 3);
    p.Ellipse(10.7, 5, 2, 3);
    p.Ellipse(5.5, 11.4, 3, 1.6);
    p.Line(RGB(60, 60, 66), 0.5);
    p.Ellipse(1, 1, 12, 12);
}

void PaintCard(BigPen& p, ColourRef colour) {
    p.Fill(RGB(40, 40, 40));
    p.Box(4, 2, 8, 11);
    p.Fill(colour);
    p.Box(3, 1, 8, 11);
}
void PaintYellow(BigPen& p) { PaintCard(p, RGB(255, 214, 0)); }
void PaintRed(BigPen& p) { PaintCard(p, RGB(220, 24, 24)); }

}  // namespace

std::vector<Picture> InfoHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"attendance graph", "Attendance Graph", &PaintAttendanceGraph},
        {"league graph", "League Graph", &PaintLeagueGraph},
        {"highest gates", "Highest Gates", &PaintHighestGates},
        {"average gates", "Average Gates", &PaintAverageGates},
        {"league table", "League Table", &PaintInfoLeagueTable},
        {"cup league information", "Information", &PaintCompetitionInfo},
    };
    return HubButtons("info", kInfoColour, kButtons);
}

std::vector<Picture> InfoPictures() {
    std::vector<Picture> out = InfoHubButtons();
    out.push_back({"listcontrol", "res_ball.bmp", true, EventMark(&PaintBall)});
    out.push_back({"listcontrol", "res_yellow.bmp", true, EventMark(&PaintYellow)});
    out.push_back({"listcontrol", "res_red.bmp", true, EventMark(&PaintRed)});
    return out;
}

}  // namespace art
