// The club and finance sections' own pictures: the club hub's five section
// buttons, and Club Information's three record buttons (a turnstile, a
// scoreboard, a banknote with an arrow), each plain, lit and greyed.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kCS = 4;  // drawn at four times the size

int CBig(double v) { return static_cast<int>(std::lround(v * kCS)); }

// Shapes in final-pixel units on a canvas drawn at four times the size.
struct ClubPen : BigPen {
    void Text(const char* face, int size, int weight, ColourRef c, double x, double y, const char* text) {
        auto font = Font::Create(face, -size * kCS, weight);
        cv.SelectFont(font);
        cv.SetBkMode(TRANSPARENT);
        cv.SetTextAlign(TA_CENTER | TA_BASELINE);
        cv.SetTextColor(c);
        cv.TextOut(CBig(x), CBig(y), text);
    }
};

ColourRef ClubTone(const HubColour& c, double f) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
    return RGB(ch(c.r), ch(c.g), ch(c.b));
}

// A crest that turns a little as the loop runs, with an "i" of information.
void PaintClubCrest(Canvas& cv, double t, const HubColour& c) {
    ClubPen p{cv};
    const double k = std::cos(2 * M_PI * t) * 0.5 + 0.5;  // 1 at rest
    const double half = 14 * (0.55 + 0.45 * k), cx = 42;
    p.Fill(RGB(240, 240, 246));
    p.Poly({{cx - half - 2, 8}, {cx + half + 2, 8}, {cx + half + 2, 30}, {cx, 56}, {cx - half - 2, 30}});
    p.Fill(ClubTone(c, 1.0));
    p.Poly({{cx - half, 10}, {cx + half, 10}, {cx + half, 29}, {cx, 53}, {cx - half, 29}});
    p.Fill(ClubTone(c, 0.6));
    p.Poly({{cx, 10}, {cx + half, 10}, {cx + half, 29}, {cx, 53}});
    if (k > 0.35) {
        p.Fill(RGB(255, 255, 255));
        p.Ellipse(cx - 2.5, 15, 5, 5);
        p.Box(cx - 2.2, 23, 4.4, 16);
    }
}

// A stand with a crane swinging its load over the roof.
void PaintStadium(Canvas& cv, double t, const HubColour& c) {
    ClubPen p{cv};
    p.Fill(RGB(60, 140, 70));
    p.Poly({{10, 56}, {74, 56}, {68, 48}, {16, 48}});
    p.Fill(RGB(200, 204, 214));
    p.Poly({{14, 48}, {70, 48}, {66, 30}, {18, 30}});
    p.Line(RGB(120, 124, 140), 0.8);
    for (int r = 0; r < 4; ++r) p.Segment(17 + r * 0.9, 34 + r * 4, 67 - r * 0.9, 34 + r * 4);
    p.Fill(ClubTone(c, 0.9));
    p.Poly({{12, 30}, {72, 30}, {68, 24}, {16, 24}});
    p.Line(RGB(255, 200, 40), 1.6);
    p.Segment(60, 56, 60, 8);
    const double a = 0.5 * std::sin(2 * M_PI * t);
    const double jx = 60 - 30 * std::cos(a), jy = 8 + 6 * std::sin(a);
    p.Segment(60, 8, jx, jy);
    p.Segment(60, 8, 66, 10);
    p.Line(RGB(40, 40, 46), 0.8);
    p.Segment(jx + 4, jy + 1, jx + 4, jy + 12);
    p.Fill(RGB(150, 90, 40));
    p.Box(jx, jy + 12, 8, 5);
}

// A trophy that catches the light.
void PaintTrophy(Canvas& cv, double t, const HubColour&) {
    ClubPen p{cv};
    const ColourRef gold = RGB(240, 196, 60), dark = RGB(176, 128, 30);
    p.Fill(dark);
    p.Box(30, 50, 24, 6);
    p.Box(38, 40, 8, 10);
    p.Fill(gold);
    p.Poly({{26, 10}, {58, 10}, {56, 26}, {48, 38}, {36, 38}, {28, 26}});
    p.Line(gold, 2.4);
    p.Ellipse(18, 12, 12, 14);
    p.Ellipse(54, 12, 12, 14);
    p.Fill(RGB(255, 240, 180));
    p.Poly({{31, 12}, {35, 12}, {36, 30}, {33, 30}});
    const double gx = 28 + 28 * t, gy = 14 + 10 * t;
    if (t > 0) {
        p.Line(RGB(255, 255, 255), 1.2);
        p.Segment(gx - 4, gy, gx + 4, gy);
        p.Segment(gx, gy - 4, gx, gy + 4);
    }
}

// A shirt whose colours go round the loop.
void PaintKit(Canvas& cv, double t, const HubColour& c) {
    ClubPen p{cv};
    static const int kTones[8][3] = {{220, 40, 40},  {255, 255, 255}, {40, 90, 200}, {250, 200, 40},
                                     {30, 150, 70},  {40, 40, 46},    {250, 130, 30}, {120, 60, 170}};
    const int i = static_cast<int>(t * 8 + 0.5) % 8;
    const auto* a = kTones[i];
    const auto* b = kTones[(i + 3) % 8];
    p.Fill(RGB(a[0], a[1], a[2]));
    p.Poly({{28, 12}, {36, 8}, {48, 8}, {56, 12}, {66, 22}, {60, 30}, {55, 26}, {55, 54}, {29, 54}, {29, 26},
            {24, 30}, {18, 22}});
    p.Fill(RGB(b[0], b[1], b[2]));
    p.Box(38, 10, 8, 44);
    p.Fill(ClubTone(c, 1.1));
    p.Poly({{36, 8}, {42, 14}, {48, 8}, {45, 8}, {42, 11}, {39, 8}});
}

// A banknote crossing between two shirts.
void PaintTransfers(Canvas& cv, double t, const HubColour& c) {
    ClubPen p{cv};
    auto shirt = [&](double x, ColourRef col) {
        p.Fill(col);
        p.Poly({{x, 30}, {x + 4, 27}, {x + 12, 27}, {x + 16, 30}, {x + 20, 36}, {x + 16, 39}, {x + 15, 37},
                {x + 15, 54}, {x + 1, 54}, {x + 1, 37}, {x, 39}, {x - 4, 36}});
    };
    shirt(10, ClubTone(c, 1.0));
    shirt(58, RGB(90, 150, 240));
    const double x = 22 + 28 * t, y = 14 - 6 * std::sin(M_PI * t);
    p.Fill(RGB(120, 190, 110));
    p.Box(x, y, 22, 12);
    p.Line(RGB(40, 90, 40), 0.8);
    p.Box(x + 1.5, y + 1.5, 19, 9);
    p.Text("Arial Black", 8, 900, RGB(30, 70, 30), x + 11, y + 9.5, "$");
    p.Line(RGB(255, 255, 255), 1.6);
    p.Segment(26, 22 + 2, 56, 22 + 2);
    p.Segment(56, 24, 52, 21);
    p.Segment(56, 24, 52, 27);
}

enum class RecordLook { Plain, Lit, Greyed };

bool InRecordPlate(int x, int y, int w, int h, int r) {
    const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

void RecordIcon(ClubPen& p, int kind, ColourRef ink, ColourRef paper) {
    switch (kind) {
        case 0:  // a turnstile: the post and three arms
            p.Fill(ink);
            p.Box(24, 8, 8, 20);
            p.Line(ink, 2.2);
            p.Segment(28, 14, 14, 10);
            p.Segment(28, 14, 42, 10);
            p.Segment(28, 14, 28, 4);
            p.Fill(paper);
            p.Ellipse(26, 12, 4, 4);
            break;
        case 1:  // a scoreboard: two lit figures
            p.Fill(ink);
            p.Box(12, 6, 32, 20);
            p.Fill(paper);
            p.Box(14.5, 8.5, 12, 15);
            p.Box(29.5, 8.5, 12, 15);
            p.Text("Arial Black", 12, 900, ink, 20.5, 21, "3");
            p.Text("Arial Black", 12, 900, ink, 35.5, 21, "1");
            break;
        default:  // a banknote with an arrow
            p.Fill(ink);
            p.Box(10, 8, 30, 16);
            p.Fill(paper);
            p.Box(12, 10, 26, 12);
            p.Fill(ink);
            p.Ellipse(21, 12, 8, 8);
            p.Line(ink, 2.2);
            p.Segment(36, 26, 46, 26);
            p.Fill(ink);
            p.Poly({{49, 26}, {44, 22}, {44, 30}});
            break;
    }
}

// 56 x 34: plain is dark glass, lit glows in the club section's orange,
// greyed is flat and faded.
Bitmap8 RecordButton(int kind, RecordLook look) {
    constexpr int W = 56 * kCS, H = 34 * kCS, Rad = 7 * kCS, rim = 2 * kCS;
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRecordPlate(x, y, W, H, Rad)) continue;
            const double t = double(y) / H;
            const bool edge = !InRecordPlate(x - rim, y - rim, W - 2 * rim, H - 2 * rim, Rad - rim) || x < rim ||
                              y < rim || x >= W - rim || y >= H - rim;
            Pixel px;
            switch (look) {
                case RecordLook::Lit:
                    px = edge ? MakePixel(255, 210, 150) : MakePixel(150, 70, 20);
                    if (!edge) Blend(px, 255, 140, 50, 0.45 + 0.3 * (1 - t));
                    break;
                case RecordLook::Plain:
                    px = edge ? MakePixel(170, 100, 50) : MakePixel(36, 26, 22);
                    if (!edge) Blend(px, 120, 70, 40, 0.35 * (1 - t));
                    break;
                case RecordLook::Greyed:
                    px = edge ? MakePixel(96, 100, 108) : MakePixel(52, 56, 62);
                    break;
            }
            s.Row(y)[x] = px;
        }
    Canvas cv(s);
    ClubPen p{cv};
    const ColourRef ink = look == RecordLook::Lit     ? RGB(255, 255, 255)
                          : look == RecordLook::Plain ? RGB(255, 190, 130)
                                                      : RGB(128, 132, 138);
    const ColourRef paper = look == RecordLook::Lit     ? RGB(170, 80, 24)
                            : look == RecordLook::Plain ? RGB(40, 28, 24)
                                                        : RGB(56, 60, 66);
    RecordIcon(p, kind, ink, paper);
    return Quantise(Shrink(s, kCS, true), true, false);
}

// A plain plate for the graph pages' surface buttons, which draw their own
// captions: steel blue with a light rim, sunk and darker when pressed.
Bitmap8 GraphPlate(int w, int h, bool pressed) {
    const int W = w * kCS, H = h * kCS, Rad = 5 * kCS, rim = kCS + kCS / 2;
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRecordPlate(x, y, W, H, Rad)) continue;
            const double t = double(y) / H;
            const bool edge = !InRecordPlate(x - rim, y - rim, W - 2 * rim, H - 2 * rim, Rad - rim) || x < rim ||
                              y < rim || x >= W - rim || y >= H - rim;
            Pixel px = edge ? MakePixel(150, 190, 230) : MakePixel(24, 48, 86);
            if (edge)
                Blend(px, 255, 255, 255, pressed ? 0.0 : 0.35 * (1 - t));
            else
                Blend(px, 70, 120, 190, pressed ? 0.15 + 0.25 * t : 0.45 * (1 - t));
            s.Row(y)[x] = px;
        }
    return Quantise(Shrink(s, kCS, true), true, false);
}

}  // namespace

std::vector<Picture> ClubHubButtons() {
    static const std::vector<HubButtonArt> kButtons = {
        {"club information", "Club Information", &PaintClubCrest},
        {"stadium development", "Stadium", &PaintStadium},
        {"club honours", "Club Honours", &PaintTrophy},
        {"kit editor", "Kit Editor", &PaintKit},
        {"club transfers", "Club Transfers", &PaintTransfers},
    };
    return HubButtons("club", HubColour{255, 132, 41}, kButtons);
}

std::vector<Picture> ClubPictures() {
    std::vector<Picture> out = ClubHubButtons();
    static const char* const kNames[3] = {"gaterec", "resultrec", "transferrec"};
    for (int k = 0; k < 3; ++k) {
        const std::string n = kNames[k];
        out.push_back({"buttons", n + ".bmp", true, RecordButton(k, RecordLook::Plain)});
        out.push_back({"buttons", n + "_lo.bmp", true, RecordButton(k, RecordLook::Lit)});
        out.push_back({"buttons", n + "_dis.bmp", true, RecordButton(k, RecordLook::Greyed)});
    }
    out.push_back({"match", "surfaces\\clearbutton.bmp", true, GraphPlate(56, 20, false)});
    out.push_back({"match", "surfaces\\clearbuttonclicked.bmp", true, GraphPlate(56, 20, true)});
    out.push_back({"buttons", "button4_2.bmp", true, GraphPlate(126, 29, false)});
    return out;
}

}  // namespace art
