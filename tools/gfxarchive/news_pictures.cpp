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

constexpr HubColour kNewsColour{225, 91, 91};



// A printed column of grey lines, as text seen from afar.
void NewsTextLines(BigPen& p, double x, double y, double w, int lines, double gap, ColourRef ink) {
    p.Fill(ink);
    for (int i = 0; i < lines; ++i) {
        const double len = (i % 4 == 3) ? w * 0.6 : w;
        p.Box(x, y + i * gap, len, 1.2);
    }
}

// A letter rising out of its envelope, the club's crest on its seal.
void PaintClubMessages(Canvas& cv, double t, const HubColour& c) {
    BigPen p{cv};
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
    BigPen p{cv};
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
    BigPen p{cv};
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

// The paper itself: a warm white with a faint fibre, a grey edge; a spread
// has its fold shaded between x 296 and 309.
Bitmap8 NewsPaperSheet(int w, int h, bool spread) {
    Surface s(w, h, MakePixel(244, 238, 244));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Pixel& p = s.Row(y)[x];
            const double fibre = (Noise(uint32_t(x / 3), uint32_t(y), 91) - 0.5) * 10 + (Noise(uint32_t(x), uint32_t(y), 17) - 0.5) * 6;
            Add(p, fibre, fibre, fibre);
            if (spread && x >= 296 && x <= 309) {
                const double d = std::abs(x - 302.5) / 7.0;
                Blend(p, 120, 110, 120, 0.35 * (1 - d));
            }
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) p = MakePixel(150, 146, 152);
        }
    return Quantise(s, false, false);
}

// A page button: a small paper page (or an open spread) on the desk,
// pressed darker and a pixel lower.
Bitmap8 NewsPageButton(int kind, bool pressed) {
    constexpr int S = 4, W = 60, H = 36;
    Surface s(W * S, H * S, kKeyPixel);
    {
        Canvas cv(s);
        BigPen p{cv};
        const double dy = pressed ? 1 : 0;
        const double dim = pressed ? 0.78 : 1.0;
        auto shade = [dim](int r, int g, int b) { return RGB(int(r * dim), int(g * dim), int(b * dim)); };
        // A small page icon in the top 14 px (15 pressed); the caption goes under it.
        constexpr double top = 1, ph = 12, pw = 12;
        p.Fill(RGB(40, 30, 30));
        p.Box(kind == 2 ? 18 : 25, top + 1 + dy, kind == 2 ? 26 : pw, ph);
        p.Fill(shade(244, 238, 244));
        const std::vector<double> pages = kind == 2 ? std::vector<double>{17, 31} : std::vector<double>{24};
        for (double x : pages) p.Box(x, top + dy, pw, ph);
        if (kind == 2) {
            p.Fill(shade(200, 192, 200));
            p.Box(29, top + dy, 2, ph);
        } else {
            p.Fill(shade(205, 198, 206));
            // The folded corner: top right for the front page, top left for the back.
            if (kind == 0) p.Poly({{33, top + dy}, {36, top + 3 + dy}, {33, top + 3 + dy}});
            else p.Poly({{27, top + dy}, {24, top + 3 + dy}, {27, top + 3 + dy}});
        }
        // Printed lines: a red headline and three rows of text.
        for (double x : pages) {
            p.Fill(shade(200, 40, 40));
            p.Box(x + 1.5, top + 3.5 + dy, pw - 3, 2);
            p.Fill(shade(110, 104, 116));
            for (int i = 0; i < 3; ++i) p.Box(x + 1.5, top + 6.5 + dy + i * 2, i == 2 ? pw / 2 : pw - 3, 1);
        }
    }
    return Quantise(Shrink(s, S, true), true, false);
}

// The advert box at the foot of a column: an invented pools coupon.
Bitmap8 NewsAdvertBar() {
    constexpr int S = 4, W = 56, H = 34;
    Surface s(W * S, H * S, MakePixel(250, 246, 236));
    {
        Canvas cv(s);
        BigPen p{cv};
        p.Line(RGB(0, 0, 0), 1.0);
        p.Box(0.5, 0.5, 55, 33);
        p.Fill(RGB(30, 60, 150));
        p.Ellipse(4, 9, 16, 16);
        p.Fill(RGB(255, 255, 255));
        p.Ellipse(8, 13, 8, 8);
        auto big = Font::Create("Arial Black", -9 * S, 900);
        cv.SelectFont(big);
        cv.SetBkMode(TRANSPARENT);
        cv.SetTextColor(RGB(20, 20, 30));
        cv.TextOut(23 * S, 5 * S, "POOLS");
        auto small = Font::Create("Arial", -7 * S, 700);
        cv.SelectFont(small);
        cv.SetTextColor(RGB(180, 30, 30));
        cv.TextOut(23 * S, 17 * S, "WIN BIG");
    }
    return Quantise(Shrink(s, S, false), false, false);
}

// A masthead emblem: a crest in dark ink with its own device, n 1 to 23;
// the back page's variant of 23 is reversed out.
Bitmap8 NewsEmblem(int n, bool reversed) {
    constexpr int S = 4, W = 32, H = 40;
    static const ColourRef kInks[6] = {RGB(120, 20, 30), RGB(20, 40, 110), RGB(20, 80, 50),
                                       RGB(70, 40, 20), RGB(50, 50, 60),  RGB(90, 20, 90)};
    const ColourRef ink = kInks[n % 6];
    const ColourRef paper = RGB(244, 238, 244);
    Surface s(W * S, H * S, kKeyPixel);
    {
        Canvas cv(s);
        BigPen p{cv};
        p.Fill(reversed ? paper : ink);
        const int shape = n % 3;
        if (shape == 0) p.Poly({{2, 2}, {30, 2}, {30, 22}, {16, 38}, {2, 22}});
        else if (shape == 1) p.Ellipse(1, 4, 30, 32);
        else p.Poly({{16, 1}, {31, 10}, {31, 30}, {16, 39}, {1, 30}, {1, 10}});
        p.Fill(reversed ? ink : paper);
        const int device = (n * 7) % 6;
        switch (device) {
            case 0: p.Ellipse(9, 11, 14, 14); break;  // a ball
            case 1: p.Poly({{16, 8}, {19, 16}, {27, 16}, {21, 21}, {23, 29}, {16, 24}, {9, 29}, {11, 21}, {5, 16}, {13, 16}}); break;
            case 2: p.Box(11, 12, 10, 16); p.Box(9, 9, 3, 4); p.Box(14.5, 9, 3, 4); p.Box(20, 9, 3, 4); break;  // a tower
            case 3: p.Poly({{8, 28}, {12, 12}, {16, 20}, {20, 12}, {24, 28}}); break;  // a crown of peaks
            case 4: p.Poly({{9, 12}, {23, 12}, {23, 20}, {16, 28}, {9, 20}}); break;  // a shield within
            default: p.Box(8, 14, 16, 4); p.Box(14, 8, 4, 18); break;  // a cross
        }
        // A stripe that tells the 23 apart.
        p.Fill(reversed ? ink : paper);
        p.Box(4, 32 - (n % 4), 24 - 2 * (n % 5), 1.2);
    }
    return Quantise(Shrink(s, S, true), true, false);
}

// The newspaper page's "88.bmp": a dark wooden desk the paper lies on, soft
// shadows where the single page and the open spread fall, and a darker band
// behind the page buttons.
Bitmap8 NewsDesk() {
    constexpr int W = 788, H = 550;
    Surface s(W, H);
    auto boxDistance = [](double x, double y, double x0, double y0, double x1, double y1) {
        const double dx = std::max({x0 - x, 0.0, x - x1}), dy = std::max({y0 - y, 0.0, y - y1});
        return std::hypot(dx, dy);
    };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            // Planks 92 px wide along the desk, each with its own grain.
            const int plank = y / 92;
            const double fy = y + 9 * std::sin(x * 0.004 + plank * 1.7);
            const double grain = std::sin(fy * 0.55 + 3 * Noise(uint32_t(x / 40), uint32_t(plank), 5)) * 0.5 + 0.5;
            const double fleck = Noise(uint32_t(x / 2), uint32_t(y), 23);
            double r = 70 + 22 * grain + 10 * fleck, g = 42 + 13 * grain + 6 * fleck, b = 26 + 8 * grain + 4 * fleck;
            const double shadeOf = 0.85 + 0.15 * Noise(uint32_t(plank), 1, 77);
            r *= shadeOf, g *= shadeOf, b *= shadeOf;
            if (y % 92 == 0 || y % 92 == 1) r *= 0.55, g *= 0.55, b *= 0.55;  // the joint between planks
            Pixel p = MakePixel(std::clamp(int(r), 0, 255), std::clamp(int(g), 0, 255), std::clamp(int(b), 0, 255));
            // The paper's shadow, thrown a few pixels down and right.
            const double dSpread = boxDistance(x - 4, y - 5, 3, 5, 599, 427);
            const double dSingle = boxDistance(x - 4, y - 5, 145, 5, 459, 427);
            const double shadow = std::max(std::exp(-dSpread / 6.0) * 0.45, std::exp(-dSingle / 7.0) * 0.55);
            Blend(p, 8, 4, 2, shadow);
            if (y >= 428 && y <= 469 && x < 599) Blend(p, 12, 6, 4, 0.45);
            if ((y == 428 || y == 469) && x < 599) Blend(p, 160, 120, 80, 0.35);
            s.Row(y)[x] = p;
        }
    return Quantise(s, false, true);
}

}  // namespace

std::vector<Picture> NewspaperFrames() {
    std::vector<Picture> out;
    out.push_back({"newspaper", "new\\fr4.bmp", false, NewsPaperSheet(314, 422, false)});
    out.push_back({"newspaper", "new\\in4.bmp", false, NewsPaperSheet(596, 422, true)});
    const char* const kButtons[3] = {"newsright", "newsleft", "newsdouble"};
    for (int k = 0; k < 3; ++k) {
        out.push_back({"newspaper", std::string("new\\") + kButtons[k] + ".bmp", true, NewsPageButton(k, false)});
        out.push_back({"newspaper", std::string("new\\") + kButtons[k] + "1.bmp", true, NewsPageButton(k, true)});
    }
    out.push_back({"newspaper", "new\\bar1.bmp", false, NewsAdvertBar()});
    for (int n = 1; n <= 23; ++n)
        out.push_back({"newspaper", "tlogo" + std::to_string(n) + ".bmp", true, NewsEmblem(n, false)});
    out.push_back({"newspaper", "tlogo23b.bmp", true, NewsEmblem(23, true)});
    for (Picture& p : PressPhotos()) out.push_back(std::move(p));
    return out;
}

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
    for (Picture& p : NewspaperFrames()) out.push_back(std::move(p));
    out.push_back({"backgrounds", "88.bmp", false, NewsDesk()});
    out.push_back({"buttons", "date_left.bmp", true, NewsDateArrow(false, false)});
    out.push_back({"buttons", "date_left_lo.bmp", true, NewsDateArrow(false, true)});
    out.push_back({"buttons", "date_right.bmp", true, NewsDateArrow(true, false)});
    out.push_back({"buttons", "date_right_lo.bmp", true, NewsDateArrow(true, true)});
    return out;
}

}  // namespace art
