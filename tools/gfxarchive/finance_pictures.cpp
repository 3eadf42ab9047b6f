// The finance section's own pictures: the finance hub's five section
// buttons (a wage packet, a banknote offered across the table, a job
// board, a ledger and a pie chart), and the Job Centre's six staff filters
// (a group, a clipboard, a whistle, a red cross, a young player and
// binoculars), each plain and lit. The scouts filter is "jobscout": the
// player pages' scout mode button already holds "scout".
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kFS = 4;  // drawn at four times the size

ColourRef FinanceTone(const HubColour& c, double f) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
    return RGB(ch(c.r), ch(c.g), ch(c.b));
}

// A wage packet whose coins pile up as the loop runs.
void PaintPayroll(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(214, 190, 140));
    p.Box(14, 14, 36, 40);
    p.Fill(RGB(190, 162, 110));
    p.Poly({{14, 14}, {50, 14}, {32, 28}});
    p.Line(RGB(90, 70, 40), 0.8);
    p.Box(14, 14, 36, 40);
    p.Fill(FinanceTone(c, 1.0));
    p.Box(20, 38, 24, 6);
    const int coins = 1 + static_cast<int>(t * 5) % 5;
    for (int i = 0; i < coins; ++i) {
        p.Fill(RGB(250, 210, 60));
        p.Ellipse(52, 52 - 5.0 * i, 18, 6);
        p.Fill(RGB(200, 150, 30));
        p.Ellipse(55, 53 - 5.0 * i, 12, 3);
    }
}

// A banknote handed from one hand to another.
void PaintFunding(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    const double k = 0.5 - 0.5 * std::cos(2 * M_PI * t);
    p.Fill(RGB(230, 190, 160));
    p.Poly({{6, 44}, {22, 40}, {30, 44}, {26, 50}, {8, 52}});
    p.Poly({{78, 36}, {62, 32}, {54, 36}, {58, 42}, {76, 44}});
    const double x = 22 + 20 * k;
    p.Fill(RGB(120, 190, 110));
    p.Box(x, 24 - 6 * std::sin(M_PI * k), 22, 13);
    p.Line(RGB(40, 90, 40), 0.8);
    p.Box(x + 1.5, 25.5 - 6 * std::sin(M_PI * k), 19, 10);
    p.Fill(FinanceTone(c, 1.1));
    p.Ellipse(x + 7, 27 - 6 * std::sin(M_PI * k), 8, 7);
}

// A job board with cards that flip in turn.
void PaintJobBoard(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(RGB(150, 110, 70));
    p.Box(12, 8, 60, 44);
    p.Fill(RGB(196, 160, 110));
    p.Box(15, 11, 54, 38);
    const int lit = static_cast<int>(t * 4) % 4;
    for (int i = 0; i < 4; ++i) {
        const double x = 19 + 25.0 * (i % 2), y = 14 + 18.0 * (i / 2);
        p.Fill(i == lit ? FinanceTone(c, 1.1) : RGB(250, 248, 236));
        p.Box(x, y, 21, 14);
        p.Fill(RGB(60, 60, 70));
        p.Ellipse(x + 2, y + 3, 6, 6);
        p.Box(x + 10, y + 4, 9, 1.6);
        p.Box(x + 10, y + 8, 7, 1.6);
    }
    p.Fill(RGB(110, 80, 50));
    p.Box(38, 52, 8, 6);
}

// An open ledger, a pen writing down its columns.
void PaintLedger(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
    p.Fill(FinanceTone(c, 0.55));
    p.Box(10, 12, 64, 44);
    p.Fill(RGB(252, 250, 240));
    p.Box(13, 14, 28, 38);
    p.Box(43, 14, 28, 38);
    p.Line(RGB(150, 170, 210), 0.6);
    for (int r = 0; r < 6; ++r) {
        p.Segment(15, 19 + 6.0 * r, 39, 19 + 6.0 * r);
        p.Segment(45, 19 + 6.0 * r, 69, 19 + 6.0 * r);
    }
    const int rows = static_cast<int>(t * 6) % 6;
    p.Line(RGB(30, 40, 90), 1.0);
    for (int r = 0; r <= rows; ++r) p.Segment(56, 17.5 + 6.0 * r, 67 - (r % 3) * 2.0, 17.5 + 6.0 * r);
    const double py = 17 + 6.0 * rows;
    p.Fill(RGB(40, 40, 46));
    p.Poly({{66, py - 12}, {70, py - 14}, {62, py + 1}, {60, py}});
}

// A pie chart turning a slice at a time.
void PaintPie(Canvas& cv, double t, const HubColour& c) {
    const ColourRef tones[4] = {FinanceTone(c, 1.0), RGB(240, 200, 60), RGB(90, 170, 230), RGB(230, 90, 80)};
    const double shares[4] = {0.4, 0.25, 0.2, 0.15};
    double a = 2 * M_PI * t;
    const double cx = 42, cy = 32, r = 22;
    for (int i = 0; i < 4; ++i) {
        const double b = a + 2 * M_PI * shares[i];
        const double lift = i == 0 ? 3 : 0, mid = (a + b) / 2;
        const double ox = cx + lift * std::cos(mid), oy = cy - lift * std::sin(mid);
        cv.SelectPen(Pen::Solid(RGB(30, 30, 36), kFS));
        cv.SelectBrush(Brush::Solid(tones[i]));
        cv.Pie(Rect{BigPen::Big(ox - r), BigPen::Big(oy - r), BigPen::Big(ox + r), BigPen::Big(oy + r)},
               Point{BigPen::Big(ox + r * std::cos(a)), BigPen::Big(oy - r * std::sin(a))},
               Point{BigPen::Big(ox + r * std::cos(b)), BigPen::Big(oy - r * std::sin(b))});
        a = b;
    }
}

bool InFilterPlate(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

void FilterIcon(BigPen& p, int kind, ColourRef ink, ColourRef accent) {
    switch (kind) {
        case 0:  // a group of three heads and shoulders
            for (int i = 0; i < 3; ++i) {
                const double x = 12 + 10.0 * i, y = i == 1 ? 8 : 11;
                p.Fill(i == 1 ? accent : ink);
                p.Ellipse(x + 3, y, 8, 8);
                p.Poly({{x, y + 23}, {x + 1, y + 12}, {x + 13, y + 12}, {x + 14, y + 23}});
            }
            break;
        case 1:  // a clipboard with a tactic
            p.Fill(ink);
            p.Box(16, 7, 20, 27);
            p.Fill(accent);
            p.Box(22, 5, 8, 5);
            p.Line(RGB(40, 40, 50), 1.2);
            p.Segment(20, 16, 28, 24);
            p.Segment(28, 16, 20, 24);
            p.Ellipse(27, 25, 5, 5);
            break;
        case 2:  // a whistle on its cord
            p.Fill(ink);
            p.Ellipse(14, 16, 16, 16);
            p.Box(24, 16, 16, 7);
            p.Fill(accent);
            p.Ellipse(19, 21, 6, 6);
            p.Line(accent, 1.2);
            p.Segment(16, 18, 12, 6);
            p.Segment(12, 6, 36, 6);
            break;
        case 3:  // a red cross on a white disc
            p.Fill(ink);
            p.Ellipse(12, 5, 28, 28);
            p.Fill(RGB(220, 30, 40));
            p.Box(22, 9, 8, 20);
            p.Box(16, 15, 20, 8);
            break;
        case 4:  // a young player with a ball at his feet
            p.Fill(accent);
            p.Ellipse(20, 4, 9, 9);
            p.Poly({{17, 24}, {18, 13}, {31, 13}, {32, 24}});
            p.Fill(ink);
            p.Box(18, 24, 5, 9);
            p.Box(26, 24, 5, 9);
            p.Fill(RGB(250, 250, 250));
            p.Ellipse(32, 27, 7, 7);
            break;
        default:  // binoculars
            p.Fill(ink);
            p.Ellipse(10, 14, 15, 17);
            p.Ellipse(27, 14, 15, 17);
            p.Box(18, 8, 16, 12);
            p.Fill(accent);
            p.Ellipse(13, 19, 9, 9);
            p.Ellipse(30, 19, 9, 9);
            break;
    }
}

// 52 x 40: plain is dark green glass, lit glows in the finance green.
Bitmap8 FilterButton(int kind, bool lit) {
    constexpr int W = 52 * kFS, H = 40 * kFS, Rad = 7 * kFS, rim = 2 * kFS;
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InFilterPlate(x, y, W, H, Rad)) continue;
            const double t = double(y) / H;
            const bool edge = !InFilterPlate(x - rim, y - rim, W - 2 * rim, H - 2 * rim, Rad - rim);
            Pixel px = lit ? (edge ? MakePixel(200, 250, 190) : MakePixel(40, 120, 50))
                           : (edge ? MakePixel(90, 150, 100) : MakePixel(22, 40, 30));
            if (!edge) Blend(px, lit ? 120 : 60, lit ? 220 : 110, lit ? 110 : 70, (lit ? 0.5 : 0.3) * (1 - t));
            s.Row(y)[x] = px;
        }
    Canvas cv(s);
    BigPen p{cv};
    FilterIcon(p, kind, lit ? RGB(255, 255, 255) : RGB(200, 220, 205), lit ? RGB(255, 220, 80) : RGB(150, 200, 160));
    return Quantise(Shrink(s, kFS, true), true, false);
}

}  // namespace

std::vector<Picture> FinanceHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"payroll", "Payroll", &PaintPayroll},
        {"manager funding", "Manager Funding", &PaintFunding},
        {"job centre", "Job Centre", &PaintJobBoard},
        {"accounts", "Accounts", &PaintLedger},
        {"accounts chart", "Accounts Chart", &PaintPie},
    };
    return HubButtons("finance", HubColour{70, 190, 90}, kButtons);
}

std::vector<Picture> FinancePictures() {
    std::vector<Picture> out = FinanceHubButtons();
    static const char* const kNames[6] = {"allemployees", "asstmanager", "coach", "physio", "youthcoach", "jobscout"};
    for (int k = 0; k < 6; ++k) {
        const std::string n = kNames[k];
        out.push_back({"buttons", n + ".bmp", true, FilterButton(k, false)});
        out.push_back({"buttons", n + "_lo.bmp", true, FilterButton(k, true)});
    }
    return out;
}

}  // namespace art
