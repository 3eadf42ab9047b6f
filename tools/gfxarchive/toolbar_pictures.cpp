// The tool bar: the two strips and every button's highlighted, disabled
// and alternative pictures. Buttons are glassy rounded plates in their
// section's colour with a gold rim, an emblem and a label; the strip is the
// navy panel of the message boxes, carried on to 1588 pixels for a wide
// frame.
#include <algorithm>
#include <cmath>
#include <string>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;

struct Tone {
    int r, g, b;
};

Pixel Mix(Tone a, Tone b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return MakePixel(static_cast<int>(a.r + (b.r - a.r) * t), static_cast<int>(a.g + (b.g - a.g) * t),
                     static_cast<int>(a.b + (b.b - a.b) * t));
}

Tone Scale(Tone t, double f) {
    return {std::clamp(static_cast<int>(t.r * f), 0, 255), std::clamp(static_cast<int>(t.g * f), 0, 255),
            std::clamp(static_cast<int>(t.b * f), 0, 255)};
}

bool InRound(int x, int y, int w, int h, int r) {
    int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

enum Look { kNormal, kHighlighted, kDisabled };

struct ButtonArt {
    const char* name;
    const char* label;  // empty: emblem only
    Tone colour;
    char emblem;  // see Emblem()
    int w, h;
};

// The section colours of the menus.
constexpr Tone kManager{255, 173, 57}, kSquad{158, 140, 208}, kClub{255, 132, 41}, kPlayer{57, 198, 165},
    kFinance{66, 173, 222}, kFixtures{57, 198, 107}, kInfo{90, 156, 231}, kNews{225, 91, 91}, kDiscipline{225, 203, 83},
    kNavy{40, 64, 130}, kGold{222, 180, 72}, kGrey{120, 124, 132}, kGreen{40, 170, 80};

const ButtonArt kButtons[] = {
    {"manager", "MANAGER", kManager, 'p', 64, 54},     {"squad", "SQUAD", kSquad, 's', 64, 54},
    {"club", "CLUB", kClub, 'c', 64, 54},              {"player", "PLAYER", kPlayer, 'b', 64, 54},
    {"finance", "FINANCES", kFinance, '$', 64, 54},    {"fixtures", "FIXTURES", kFixtures, 'd', 64, 54},
    {"info", "INFO", kInfo, 'i', 64, 54},              {"news", "NEWS", kNews, 'n', 64, 54},
    {"discip", "DISCIPLINE", kDiscipline, 'k', 64, 54}, {"nsquad", "SQUAD", kSquad, 's', 59, 55},
    {"tactics", "TACTICS", kSquad, 't', 59, 55},       {"physio", "PHYSIO", kSquad, '+', 59, 55},
    {"kiteditor", "KITS", kClub, 's', 59, 55},         {"mom", "HONOURS", kManager, 'h', 59, 55},
    {"topscorers", "SCORERS", kPlayer, 'b', 59, 55},   {"cupfixtures", "CUPS", kFixtures, 'h', 59, 55},
    {"playerdisc", "CARDS", kDiscipline, 'k', 59, 55}, {"reftables", "TOP PAID", kFinance, '$', 59, 55},
    {"options", "", kNavy, 'o', 25, 26},               {"back", "", kNavy, '<', 25, 26},
    {"load", "", kNavy, 'f', 25, 26},                  {"help", "", kNavy, '?', 25, 26},
    {"forward", "", kNavy, '>', 25, 26},               {"nextmanager", "", kNavy, 'p', 25, 26},
    {"nextday", "NEXT DAY", kNavy, 0, 54, 26},         {"skip", "SKIP", kNavy, 0, 54, 26},
    {"match", "PLAY", kGreen, 0, 54, 26},              {"results", "RESULT", kGreen, 0, 54, 26},
};

const ButtonArt* Find(const std::string& name) {
    for (const ButtonArt& b : kButtons)
        if (name == b.name) return &b;
    return nullptr;
}

// The plate: rim, a body graded from light to dark, a gloss on its top half.
Surface Plate(const ButtonArt& a, Look look) {
    const int W = a.w * kS, H = a.h * kS, R = std::min(6, a.h / 3) * kS, rimW = kS + kS / 2;
    Tone body = look == kDisabled ? kGrey : a.colour;
    if (look == kHighlighted) body = Scale(body, 1.18);
    const Tone dark = Scale(body, look == kDisabled ? 0.55 : 0.42), light = Scale(body, look == kDisabled ? 0.9 : 1.0);
    const Tone rim = look == kDisabled ? Tone{160, 162, 168} : look == kHighlighted ? Tone{255, 236, 150} : kGold;
    Surface s(W, H, kKeyPixel);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRound(x, y, W, H, R)) continue;
            const double t = double(y) / H;
            Pixel p;
            const bool inner = InRound(x - rimW, y - rimW, W - 2 * rimW, H - 2 * rimW, std::max(1, R - rimW)) &&
                               x >= rimW && y >= rimW && x < W - rimW && y < H - rimW;
            if (!inner)
                p = Mix(rim, Tone{255, 246, 210}, (1 - t) * 0.5);
            else
                p = Mix(light, dark, t * 0.9);
            if (inner && y < H * 0.45) Blend(p, 255, 255, 255, 0.22 * (1 - y / (H * 0.45)));
            s.Row(y)[x] = p;
        }
    return s;
}

// A small emblem, in big pixels, within `box`.
void Emblem(Surface& s, char kind, const Rect& box, ColourRef ink) {
    Canvas c(s);
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(ink));
    const int x0 = box.left, y0 = box.top, w = box.Width(), h = box.Height();
    auto P = [&](double fx, double fy) { return Point{x0 + static_cast<int>(fx * w), y0 + static_cast<int>(fy * h)}; };
    auto E = [&](double fx, double fy, double fw, double fh) {
        c.Ellipse(Rect{x0 + int(fx * w), y0 + int(fy * h), x0 + int((fx + fw) * w), y0 + int((fy + fh) * h)});
    };
    auto R = [&](double fx, double fy, double fw, double fh) {
        c.Rectangle(Rect{x0 + int(fx * w), y0 + int(fy * h), x0 + int((fx + fw) * w), y0 + int((fy + fh) * h)});
    };
    switch (kind) {
        case 'p':  // a person: head and shoulders
            E(0.35, 0.05, 0.3, 0.38);
            c.Polygon({P(0.12, 1.0), P(0.2, 0.55), P(0.8, 0.55), P(0.88, 1.0)});
            break;
        case 's':  // a shirt
            c.Polygon({P(0.3, 0.05), P(0.42, 0.1), P(0.5, 0.2), P(0.58, 0.1), P(0.7, 0.05), P(0.98, 0.3), P(0.85, 0.45),
                       P(0.75, 0.38), P(0.75, 1.0), P(0.25, 1.0), P(0.25, 0.38), P(0.15, 0.45), P(0.02, 0.3)});
            break;
        case 'c':  // a club crest
            c.Polygon({P(0.15, 0.05), P(0.85, 0.05), P(0.85, 0.55), P(0.5, 1.0), P(0.15, 0.55)});
            break;
        case 'b':  // a ball
            E(0.2, 0.05, 0.6, 0.9);
            break;
        case '$':  // a stack of coins
            for (int k = 0; k < 3; ++k) E(0.2, 0.55 - k * 0.22, 0.6, 0.4);
            break;
        case 'd':  // a calendar
            R(0.15, 0.1, 0.7, 0.85);
            break;
        case 'i':  // information
            E(0.42, 0.02, 0.16, 0.18);
            R(0.42, 0.3, 0.16, 0.68);
            break;
        case 'n':  // a folded newspaper
            c.Polygon({P(0.1, 0.1), P(0.9, 0.1), P(0.9, 0.95), P(0.1, 0.95)});
            break;
        case 'k':  // a card held up
            c.Polygon({P(0.3, 0.05), P(0.75, 0.12), P(0.68, 0.95), P(0.22, 0.88)});
            break;
        case 't':  // tactics: three dots and an arrow
            E(0.1, 0.65, 0.22, 0.25);
            E(0.4, 0.35, 0.22, 0.25);
            c.Polygon({P(0.65, 0.05), P(0.98, 0.1), P(0.88, 0.4)});
            break;
        case '+':  // a medical cross
            R(0.38, 0.05, 0.24, 0.9);
            R(0.1, 0.37, 0.8, 0.26);
            break;
        case 'h':  // a cup
            c.Polygon({P(0.15, 0.02), P(0.85, 0.02), P(0.75, 0.45), P(0.56, 0.6), P(0.56, 0.8), P(0.75, 0.98),
                       P(0.25, 0.98), P(0.44, 0.8), P(0.44, 0.6), P(0.25, 0.45)});
            break;
        case 'o':  // options: a cog
            for (int k = 0; k < 8; ++k) {
                const double a = k * M_PI / 4;
                const double cx = 0.5 + 0.36 * std::cos(a), cy = 0.5 + 0.36 * std::sin(a);
                E(cx - 0.11, cy - 0.11, 0.22, 0.22);
            }
            E(0.18, 0.18, 0.64, 0.64);
            break;
        case '<':
            c.Polygon({P(0.05, 0.5), P(0.55, 0.08), P(0.55, 0.32), P(0.95, 0.32), P(0.95, 0.68), P(0.55, 0.68),
                       P(0.55, 0.92)});
            break;
        case '>':
            c.Polygon({P(0.95, 0.5), P(0.45, 0.08), P(0.45, 0.32), P(0.05, 0.32), P(0.05, 0.68), P(0.45, 0.68),
                       P(0.45, 0.92)});
            break;
        case 'f':  // a disk
            c.Polygon({P(0.1, 0.08), P(0.78, 0.08), P(0.92, 0.22), P(0.92, 0.92), P(0.1, 0.92)});
            break;
        case '?':
            E(0.25, 0.02, 0.5, 0.45);
            R(0.42, 0.4, 0.16, 0.3);
            E(0.4, 0.78, 0.2, 0.2);
            break;
        default: break;
    }
    // Dark details that turn the silhouettes into things.
    c.SelectBrush(Brush::Solid(RGB(20, 24, 40)));
    switch (kind) {
        case 'd': R(0.2, 0.32, 0.6, 0.55); break;
        case 'n':
            for (int k = 0; k < 3; ++k) R(0.2, 0.25 + k * 0.22, 0.6, 0.08);
            break;
        case 'o': E(0.36, 0.36, 0.28, 0.28); break;
        case 'f': R(0.28, 0.08, 0.4, 0.3); break;
        case '?': E(0.38, 0.14, 0.24, 0.2); break;
        case 'c': R(0.45, 0.15, 0.1, 0.55); break;
        default: break;
    }
}

void Label(Surface& s, const char* text, int pixelHeight, int baselineY, ColourRef colour) {
    auto font = Font::Create("Arial Narrow", -pixelHeight * kS, 700);
    Canvas c(s);
    c.SelectFont(font);
    c.SetBkMode(TRANSPARENT);
    c.SetTextAlign(TA_CENTER);
    c.SetTextColor(RGB(10, 12, 24));
    c.TextOut(s.Width() / 2 + kS, baselineY + kS, text);
    c.SetTextColor(colour);
    c.TextOut(s.Width() / 2, baselineY, text);
}

// The big picture of a button (kS times its size) in one look.
Surface ButtonBig(const ButtonArt& a, Look look) {
    Surface s = Plate(a, look);
    const ColourRef ink = look == kDisabled ? RGB(190, 192, 198) : look == kHighlighted ? RGB(255, 255, 255)
                                                                                         : RGB(255, 240, 200);
    const int W = s.Width(), H = s.Height();
    if (a.label[0] && a.h > 40) {
        Emblem(s, a.emblem, Rect{W / 2 - 11 * kS, 7 * kS, W / 2 + 11 * kS, 29 * kS}, ink);
        Label(s, a.label, 11, H - 19 * kS, ink);
    } else if (a.label[0]) {
        Label(s, a.label, 12, 6 * kS, ink);
    } else {
        Emblem(s, a.emblem, Rect{6 * kS, 6 * kS, W - 6 * kS, H - 6 * kS}, ink);
    }
    return s;
}

Bitmap8 Button(const ButtonArt& a, Look look) { return Quantise(Shrink(ButtonBig(a, look), kS, true), true, false); }

// The strip behind the buttons: navy with fine stripes, a gold rule at the
// bottom, and a pitch-green band carrying on to the right.
Surface StripBackground() {
    const int W = 1588, H = 75;
    Surface s(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double t = double(y) / H;
            Pixel p = Mix(Tone{34, 56, 112}, Tone{10, 18, 44}, t);
            if (((x + y) / 5) % 2) Blend(p, 255, 255, 255, 0.03);
            Add(p, (Noise(x, y, 21) - 0.5) * 5, (Noise(x, y, 22) - 0.5) * 5, (Noise(x, y, 23) - 0.5) * 5);
            if (y >= H - 3) p = Mix(Tone{222, 180, 72}, Tone{138, 98, 30}, (y - (H - 3)) / 3.0);
            else if (y == H - 4 || y == 0) p = MakePixel(6, 10, 26);
            s.Row(y)[x] = p;
        }
    // Grooves framing the groups of buttons.
    return s;
}

// Lays a keyed picture onto the strip at (x, y).
void Paste(Surface& strip, const Surface& pic, int x, int y) {
    for (int yy = 0; yy < pic.Height(); ++yy)
        for (int xx = 0; xx < pic.Width(); ++xx) {
            const Pixel p = pic.Get(xx, yy);
            if (p != kKeyPixel && x + xx < strip.Width() && y + yy < strip.Height()) strip.Row(y + yy)[x + xx] = p;
        }
}

struct Place {
    const char* name;
    int x, y;
};

// Where each button's normal look lies in the two strips (the layouts' rectangles).
const Place kSet0[] = {{"manager", 119, 10}, {"squad", 184, 10},   {"club", 249, 10},     {"player", 314, 10},
                       {"finance", 379, 10}, {"fixtures", 444, 10}, {"info", 509, 10},    {"news", 574, 10},
                       {"discip", 639, 10},  {"options", 14, 10},  {"back", 14, 37},      {"load", 43, 10},
                       {"help", 72, 37},     {"nextday", 725, 10}, {"skip", 725, 37},     {"forward", 43, 37},
                       {"nextmanager", 72, 10}};
const Place kSet1[] = {{"nsquad", 121, 11},     {"tactics", 186, 11},    {"physio", 251, 11},
                       {"kiteditor", 316, 11},  {"mom", 380, 11},        {"topscorers", 446, 11},
                       {"cupfixtures", 511, 11}, {"playerdisc", 576, 11}, {"reftables", 641, 11},
                       {"options", 8, 9},       {"back", 8, 40},         {"load", 37, 9},
                       {"help", 66, 40},        {"nextday", 730, 10},    {"skip", 730, 40},
                       {"forward", 37, 40},     {"nextmanager", 66, 10}};

template <size_t N>
Surface Strip(const Place (&places)[N]) {
    Surface s = StripBackground();
    for (const Place& p : places) {
        const ButtonArt* a = Find(p.name);
        if (a) Paste(s, Shrink(ButtonBig(*a, kNormal), kS, true), p.x, p.y);
    }
    return s;
}

template <size_t N>
const Place& PlaceOf(const Place (&places)[N], const char* name) {
    for (const Place& p : places)
        if (std::string(p.name) == name) return p;
    return places[0];
}

// Rows [top, top + height) of an 8-bit picture, with its palette.
Bitmap8 Rows(const Bitmap8& b, int top, int height) {
    Bitmap8 out = b;
    out.height = height;
    out.pixels.assign(b.pixels.begin() + static_cast<ptrdiff_t>(top) * b.width,
                      b.pixels.begin() + static_cast<ptrdiff_t>(top + height) * b.width);
    return out;
}

}  // namespace

std::vector<Picture> ToolBarPictures() {
    std::vector<Picture> out;
    // Both strips share one palette, so a button's normal look is the same
    // pixels in either, and the day buttons' own pictures can be cut from
    // them: drawn over the strip when the pointer leaves, they match what a
    // full paint copies from it.
    const Surface s0 = Strip(kSet0), s1 = Strip(kSet1);
    Surface both(s0.Width(), s0.Height() + s1.Height());
    for (int y = 0; y < s0.Height(); ++y)
        for (int x = 0; x < s0.Width(); ++x) {
            both.Row(y)[x] = s0.Get(x, y);
            both.Row(s0.Height() + y)[x] = s1.Get(x, y);
        }
    const Bitmap8 strips = Quantise(both, true, false);
    const Bitmap8 strip0 = Rows(strips, 0, s0.Height());
    out.push_back({"toolbar", "toolbar.bmp", false, strip0});
    out.push_back({"toolbar", "toolbar2.bmp", false, Rows(strips, s0.Height(), s1.Height())});
    for (const ButtonArt& a : kButtons) {
        out.push_back({"toolbar", std::string("hi_") + a.name + ".bmp", true, Button(a, kHighlighted)});
        out.push_back({"toolbar", std::string("dis_") + a.name + ".bmp", true, Button(a, kDisabled)});
    }
    for (const char* name : {"nextday", "skip"}) {
        const Surface look = Shrink(ButtonBig(*Find(name), kNormal), kS, true);
        const Place& at = PlaceOf(kSet0, name);
        Bitmap8 lo = strips;
        lo.width = look.Width();
        lo.height = look.Height();
        lo.pixels.assign(static_cast<size_t>(lo.width) * lo.height, 0);  // 0: the key
        for (int y = 0; y < lo.height; ++y)
            for (int x = 0; x < lo.width; ++x)
                if (look.Get(x, y) != kKeyPixel)
                    lo.pixels[static_cast<size_t>(y) * lo.width + x] =
                        strip0.pixels[static_cast<size_t>(at.y + y) * strip0.width + at.x + x];
        out.push_back({"toolbar", std::string("lo_") + name + ".bmp", true, lo});
    }
    for (const char* name : {"match", "results"})
        out.push_back({"toolbar", std::string("lo_") + name + ".bmp", true, Button(*Find(name), kNormal)});
    return out;
}

}  // namespace art
