// The widgets' pictures: scroll-bar arrows and thumb, radio and check
// marks, the message box's backgrounds and buttons, trophies and the test
// pages' buttons in every role and frame. One look throughout: dark navy
// glass with a gold rim, lit from the top left.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "paint.h"
#include "pictures.h"
#include "platform/gfx/canvas.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kS = 4;  // drawn at four times the size, then shrunk

struct Tone {
    int r, g, b;
};
constexpr Tone kNavy{22, 38, 84}, kNavyLight{54, 86, 160}, kGold{222, 180, 72}, kGoldDark{138, 98, 30},
    kGrey{96, 100, 110}, kGreyLight{150, 154, 162}, kGreen{40, 150, 70};

Pixel Mix(Tone a, Tone b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return MakePixel(static_cast<int>(a.r + (b.r - a.r) * t), static_cast<int>(a.g + (b.g - a.g) * t),
                     static_cast<int>(a.b + (b.b - a.b) * t));
}

// Inside a rounded rectangle of radius r (in big pixels)?
bool InRound(int x, int y, int w, int h, int r) {
    int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

// A glassy rounded plate: rim in `rim`, body a vertical gradient, a soft
// highlight along the top. `sunk` turns the light round (pressed look).
Surface Plate(int w, int h, Tone body, Tone bodyLight, Tone rim, bool sunk, bool keyed) {
    const int W = w * kS, H = h * kS, R = std::min(6, h / 3) * kS, rimW = kS + kS / 2;
    Surface s(W, H, keyed ? kKeyPixel : MakePixel(0, 0, 0));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InRound(x, y, W, H, R)) continue;
            double t = double(y) / H;
            Pixel p;
            if (!InRound(x - rimW, y - rimW, W - 2 * rimW, H - 2 * rimW, std::max(1, R - rimW)) || x < rimW ||
                y < rimW || x >= W - rimW || y >= H - rimW)
                p = Mix(rim, Tone{255, 240, 200}, sunk ? t * 0.5 : (1 - t) * 0.5);
            else
                p = sunk ? Mix(bodyLight, body, 1 - t) : Mix(bodyLight, body, t);
            if (!sunk && y > rimW && y < H * 0.42 && x > rimW * 2 && x < W - rimW * 2)
                Blend(p, 255, 255, 255, 0.16 * (1 - y / (H * 0.42)));
            s.Row(y)[x] = p;
        }
    return s;
}

Bitmap8 Finish(const Surface& big, bool keyed) { return Quantise(Shrink(big, kS, keyed), keyed, !keyed); }

// A filled triangle pointing up (dir 0), down (1), left (2) or right (3).
void Arrow(Surface& s, int dir, Pixel colour) {
    const int W = s.Width(), H = s.Height();
    Canvas c(s);
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(ToColourRef(colour)));
    const int m = W / 4;
    std::vector<Point> p;
    switch (dir) {
        case 0: p = {{W / 2, m + 2}, {W - m, H - m - 2}, {m, H - m - 2}}; break;
        case 1: p = {{m, m + 2}, {W - m, m + 2}, {W / 2, H - m - 2}}; break;
        case 2: p = {{m + 2, H / 2}, {W - m - 2, m}, {W - m - 2, H - m}}; break;
        default: p = {{m + 2, m}, {W - m - 2, H / 2}, {m + 2, H - m}}; break;
    }
    c.Polygon(p);
}

Bitmap8 ScrollArrow(int dir) {
    Surface s = Plate(14, 14, kNavy, kNavyLight, kGold, false, true);
    Arrow(s, dir, MakePixel(kGold.r, kGold.g, kGold.b));
    return Finish(s, true);
}

Bitmap8 ScrollBall() {
    const int W = 14 * kS;
    Surface s(W, W, kKeyPixel);
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < W; ++x) {
            double dx = x - W / 2.0 + 0.5, dy = y - W / 2.0 + 0.5, d = std::sqrt(dx * dx + dy * dy);
            if (d > W / 2.0 - 1) continue;
            double light = std::clamp(1.0 - std::hypot(dx + W * 0.18, dy + W * 0.18) / W, 0.0, 1.0);
            s.Row(y)[x] = d > W / 2.0 - kS * 1.5 ? Mix(kGoldDark, kGold, light) : Mix(kGoldDark, Tone{255, 236, 170}, light);
        }
    return Finish(s, true);
}

// A round radio mark or a square check box, with or without its tick.
Bitmap8 Mark(bool round, bool on, bool greyed) {
    const int N = 16, W = N * kS;
    Surface s = round ? Surface(W, W, kKeyPixel) : Plate(N, N, greyed ? kGrey : kNavy, greyed ? kGreyLight : kNavyLight,
                                                        greyed ? kGreyLight : kGold, true, true);
    if (round) {
        for (int y = 0; y < W; ++y)
            for (int x = 0; x < W; ++x) {
                double d = std::hypot(x - W / 2.0 + 0.5, y - W / 2.0 + 0.5);
                if (d > W / 2.0 - 1) continue;
                s.Row(y)[x] = d > W / 2.0 - kS * 1.6 ? Mix(kGold, kGoldDark, y / double(W)) : Mix(kNavy, kNavyLight, 1 - y / double(W));
                if (on && d < W * 0.22) s.Row(y)[x] = Mix(Tone{120, 230, 140}, kGreen, d / (W * 0.22));
            }
    } else if (on) {
        Canvas c(s);
        c.SelectPen(Pen::Solid(greyed ? RGB(200, 200, 200) : RGB(120, 230, 140), 3 * kS));
        c.MoveTo(4 * kS, 8 * kS);
        c.LineTo(7 * kS, 12 * kS);
        c.LineTo(12 * kS, 4 * kS);
    }
    return Finish(s, true);
}

// The message box's backdrop: deep blue with a fine pitch-stripe pattern
// and, for the picture layout, a framed panel on the left for the face or
// the trophy.
Bitmap8 BoxBackground(bool withPicture) {
    const int W = 510, H = 300;
    Surface s(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            double t = double(y) / H;
            Pixel p = Mix(Tone{30, 52, 104}, Tone{12, 20, 46}, t);
            if (((x + y) / 6) % 2) Blend(p, 255, 255, 255, 0.025);
            Add(p, (Noise(x, y, 7) - 0.5) * 6, (Noise(x, y, 8) - 0.5) * 6, (Noise(x, y, 9) - 0.5) * 6);
            if (x < 3 || y < 3 || x >= W - 3 || y >= H - 3) p = Mix(kGold, kGoldDark, t);
            else if (x < 5 || y < 5 || x >= W - 5 || y >= H - 5) p = MakePixel(8, 12, 28);
            s.Row(y)[x] = p;
        }
    if (withPicture) {
        // The face sits at (50, 58) and a trophy at (57, 76); the frame holds both.
        const Rect f{42, 50, 128, 150};
        for (int y = f.top; y < f.bottom; ++y)
            for (int x = f.left; x < f.right; ++x) {
                Pixel& p = s.Row(y)[x];
                bool rim = x < f.left + 2 || y < f.top + 2 || x >= f.right - 2 || y >= f.bottom - 2;
                p = rim ? Mix(kGold, kGoldDark, double(y - f.top) / f.Height()) : Mix(Tone{8, 14, 34}, Tone{20, 32, 70}, double(y - f.top) / f.Height());
            }
    }
    return Quantise(s, false, true);
}

Bitmap8 BoxButton(int w, int h) { return Finish(Plate(w, h, kNavy, kNavyLight, kGold, false, true), true); }
Bitmap8 BoxButtonDown(int w, int h) { return Finish(Plate(w, h, kNavy, kNavyLight, kGold, true, true), true); }

// A round menu emblem of the title pages' animated buttons: a gold ring
// round a navy disc with its words; the second frame glows.
// The options hub's emblems: a gold-rimmed glass disc with a pictogram over
// its caption. Frame 1 is the lit one the hovered button shows: a brighter
// glass, a light rim and a glow round the pictogram.
enum class EmblemSign { Ball, Star, Disk, Gear };
constexpr double kEmblemPi = 3.14159265358979323846;

void EmblemPictogram(Canvas& g, EmblemSign sign, int cx, int cy, int r, bool lit) {
    const ColourRef ink = lit ? RGB(255, 240, 176) : RGB(kGold.r, kGold.g, kGold.b);
    const ColourRef dark = RGB(12, 18, 44);
    g.SelectPen(Pen::Solid(dark, 2 * kS));
    switch (sign) {
        case EmblemSign::Ball: {
            g.SelectBrush(Brush::Solid(RGB(246, 246, 240)));
            g.Ellipse(Rect{cx - r, cy - r, cx + r, cy + r});
            // The centre pentagon and the five patches round it.
            g.SelectBrush(Brush::Solid(dark));
            auto pentagon = [&](double px, double py, double pr, double turn) {
                std::vector<Point> pts;
                for (int k = 0; k < 5; ++k) {
                    const double a = turn + k * 2 * kEmblemPi / 5;
                    pts.push_back({int(px + pr * std::sin(a)), int(py - pr * std::cos(a))});
                }
                g.Polygon(pts);
            };
            pentagon(cx, cy, r * 0.34, 0);
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * kEmblemPi / 5 + kEmblemPi / 5;
                pentagon(cx + r * 0.86 * std::sin(a), cy - r * 0.86 * std::cos(a), r * 0.26, a + kEmblemPi);
            }
            g.SelectBrush(Brush::None());
            g.Ellipse(Rect{cx - r, cy - r, cx + r, cy + r});
            break;
        }
        case EmblemSign::Star: {
            std::vector<Point> pts;
            for (int k = 0; k < 10; ++k) {
                const double a = k * kEmblemPi / 5, rr = k % 2 ? r * 0.45 : r * 1.05;
                pts.push_back({int(cx + rr * std::sin(a)), int(cy - rr * std::cos(a))});
            }
            g.SelectBrush(Brush::Solid(ink));
            g.Polygon(pts);
            break;
        }
        case EmblemSign::Disk: {
            // A diskette: the body, its metal shutter and the label.
            const Rect body{cx - r, cy - r, cx + r, cy + r};
            g.SelectBrush(Brush::Solid(RGB(30, 34, 48)));
            g.Polygon({{body.left, body.top}, {body.right - r / 4, body.top}, {body.right, body.top + r / 4},
                       {body.right, body.bottom}, {body.left, body.bottom}});
            g.SelectBrush(Brush::Solid(RGB(196, 200, 210)));
            g.Rectangle(Rect{cx - r / 2, body.top, cx + r / 2, body.top + r * 3 / 4});
            g.SelectBrush(Brush::Solid(dark));
            g.Rectangle(Rect{cx + r / 8, body.top + r / 8, cx + r * 3 / 8, body.top + r * 5 / 8});
            g.SelectBrush(Brush::Solid(ink));
            g.Rectangle(Rect{cx - r * 3 / 4, cy + r / 8, cx + r * 3 / 4, body.bottom - r / 8});
            break;
        }
        case EmblemSign::Gear: {
            std::vector<Point> pts;
            const int teeth = 8;
            for (int k = 0; k < teeth * 4; ++k) {
                const double a = k * 2 * kEmblemPi / (teeth * 4) + kEmblemPi / (teeth * 4);
                const double rr = (k % 4 == 0 || k % 4 == 1) ? r * 1.05 : r * 0.78;
                pts.push_back({int(cx + rr * std::sin(a)), int(cy - rr * std::cos(a))});
            }
            g.SelectBrush(Brush::Solid(ink));
            g.Polygon(pts);
            g.SelectBrush(Brush::Solid(lit ? RGB(70, 110, 200) : RGB(kNavyLight.r, kNavyLight.g, kNavyLight.b)));
            const int hole = r * 2 / 5;
            g.Ellipse(Rect{cx - hole, cy - hole, cx + hole, cy + hole});
            break;
        }
    }
}

Bitmap8 MenuEmblem(EmblemSign sign, const char* words, int frame) {
    const bool lit = frame != 0;
    const int W = 150 * kS;
    Surface s(W, W, kKeyPixel);
    const double c = W / 2.0, outer = W / 2.0 - kS, inner = outer - 9 * kS;
    const Tone rimLight = lit ? Tone{255, 236, 170} : kGold, rimDark = lit ? kGold : kGoldDark;
    const Tone glass = lit ? Tone{78, 120, 212} : kNavyLight;
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < W; ++x) {
            const double d = std::hypot(x - c, y - c);
            if (d > outer) continue;
            const double t = (y - (c - outer)) / (2 * outer);
            Pixel p = d > inner ? Mix(rimLight, rimDark, t) : Mix(glass, kNavy, t + d / (4 * outer));
            // A glow behind the pictogram on the lit frame; a sheen on the glass.
            const double gd = std::hypot(x - c, y - (c - 16 * kS)) / (44.0 * kS);
            if (lit && d <= inner && gd < 1) Blend(p, 255, 244, 200, 0.35 * (1 - gd) * (1 - gd));
            if (d <= inner && y < c - inner * 0.25) Blend(p, 255, 255, 255, 0.12 * (1 - (y - (c - inner)) / (inner * 0.75)));
            s.Row(y)[x] = p;
        }
    Canvas g(s);
    EmblemPictogram(g, sign, int(c), int(c - 16 * kS), 26 * kS, lit);
    // The caption on the lower part of the glass, as large as fits there.
    g.SetBkMode(TRANSPARENT);
    g.SetTextAlign(TA_CENTER);
    const int baseY = int(c + 18 * kS);
    int size = 20;
    FontRef font;
    for (; size > 9; --size) {
        font = Font::Create("Arial Black", -size * kS, 900);
        g.SelectFont(font);
        const Size ext = g.GetTextExtent(words);
        const double rowY = baseY + ext.cy - c;  // the caption's lower edge
        if (ext.cx <= 2 * std::sqrt(std::max(0.0, inner * inner - rowY * rowY)) - 8 * kS) break;
    }
    g.SetTextColor(RGB(10, 14, 30));
    g.TextOut(int(c) + kS, baseY + kS, words);
    g.SetTextColor(lit ? RGB(255, 244, 190) : RGB(kGold.r, kGold.g, kGold.b));
    g.TextOut(int(c), baseY, words);
    return Finish(s, true);
}

// A cup or a shield for the trophies; the number varies the colours.
Bitmap8 TrophyPicture(int n, bool cup) {
    const int W = 62 * kS, H = 62 * kS;
    Surface s(W, H, kKeyPixel);
    Canvas c(s);
    const Tone metal = n % 3 == 0 ? Tone{205, 210, 220} : n % 3 == 1 ? kGold : Tone{200, 130, 70};
    c.SelectPen(Pen::Solid(RGB(40, 30, 10), kS));
    c.SelectBrush(Brush::Solid(RGB(metal.r, metal.g, metal.b)));
    if (cup) {
        c.Ellipse(Rect::XYWH(6 * kS, 8 * kS, 10 * kS, 16 * kS));
        c.Ellipse(Rect::XYWH(46 * kS, 8 * kS, 10 * kS, 16 * kS));
        c.SelectBrush(Brush::Solid(RGB(metal.r, metal.g, metal.b)));
        c.Polygon({{12 * kS, 4 * kS}, {50 * kS, 4 * kS}, {44 * kS, 30 * kS}, {34 * kS, 38 * kS}, {28 * kS, 38 * kS},
                   {18 * kS, 30 * kS}});
        c.Rectangle(Rect::XYWH(28 * kS, 38 * kS, 6 * kS, 10 * kS));
        c.SelectBrush(Brush::Solid(RGB(60, 40, 20)));
        c.Rectangle(Rect::XYWH(18 * kS, 48 * kS, 26 * kS, 10 * kS));
    } else {
        c.Polygon({{10 * kS, 4 * kS}, {52 * kS, 4 * kS}, {52 * kS, 30 * kS}, {31 * kS, 58 * kS}, {10 * kS, 30 * kS}});
        c.SelectBrush(Brush::Solid(RGB(kNavy.r, kNavy.g, kNavy.b)));
        c.Polygon({{18 * kS, 12 * kS}, {44 * kS, 12 * kS}, {44 * kS, 29 * kS}, {31 * kS, 46 * kS}, {18 * kS, 29 * kS}});
    }
    // A star for the number's place in its set.
    c.SelectPen(Pen::None());
    c.SelectBrush(Brush::Solid(RGB(255, 250, 230)));
    std::vector<Point> star;
    for (int k = 0; k < 10; ++k) {
        double a = -kEmblemPi / 2 + k * kEmblemPi / 5, rr = (k % 2 ? 3.0 : 7.0) * kS;
        star.push_back({static_cast<int>(31 * kS + rr * std::cos(a)), static_cast<int>((cup ? 18 : 24) * kS + rr * std::sin(a))});
    }
    c.Polygon(star);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            Pixel& p = s.Row(y)[x];
            if (p == kKeyPixel) continue;
            double f = 1.25 - 0.5 * (double(x) / W + double(y) / H) / 2 * 2;
            p = MakePixel(std::clamp(int(PixelR(p) * f), 0, 255), std::clamp(int(PixelG(p) * f), 0, 255),
                          std::clamp(int(PixelB(p) * f), 0, 255));
        }
    return Finish(s, true);
}

// The test pages' button in a role: base, greyed base, overlays.
Bitmap8 PageButton(int role) {
    const int w = 120, h = 32;
    switch (role) {
        case 0: return BoxButton(w, h);
        case 6: return Finish(Plate(w, h, kGrey, kGreyLight, kGreyLight, false, true), true);
        case 3: case 4: case 5: {
            // Overlays: a small ball badge on the left, lit, pressed or grey.
            Surface s(w * kS, h * kS, kKeyPixel);
            const int cx = 16 * kS, cy = h * kS / 2, r = 9 * kS;
            for (int y = cy - r; y <= cy + r; ++y)
                for (int x = cx - r; x <= cx + r; ++x) {
                    double d = std::hypot(x - cx, y - cy);
                    if (d > r) continue;
                    Tone a = role == 5 ? kGreyLight : role == 4 ? kGreen : kGold;
                    s.Row(y)[x] = Mix(Tone{255, 255, 240}, a, d / r + 0.2);
                }
            return Finish(s, true);
        }
        default: return BoxButton(w, h);
    }
}

// Frame k of n of the animated test button: a ball rolling across a plate.
Bitmap8 AnimFrame(int k, int n) {
    Surface s = Plate(64, 64, kNavy, kNavyLight, kGold, false, true);
    const double a = 2 * kEmblemPi * k / n;
    const int cx = static_cast<int>((32 + 16 * std::cos(a)) * kS), cy = static_cast<int>((32 + 16 * std::sin(a)) * kS);
    const int r = 8 * kS;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            double d = std::hypot(x - cx, y - cy);
            if (d <= r && x >= 0 && y >= 0 && x < s.Width() && y < s.Height())
                s.Row(y)[x] = Mix(Tone{255, 255, 255}, Tone{180, 180, 190}, d / r);
        }
    return Finish(s, true);
}

}  // namespace

std::vector<Picture> WidgetPictures() {
    std::vector<Picture> out;
    out.push_back({"scroll", "uparrow.bmp", true, ScrollArrow(0)});
    out.push_back({"scroll", "downarrow.bmp", true, ScrollArrow(1)});
    out.push_back({"scroll", "leftarrow.bmp", true, ScrollArrow(2)});
    out.push_back({"scroll", "rightarrow.bmp", true, ScrollArrow(3)});
    out.push_back({"scroll", "scrollball.bmp", true, ScrollBall()});
    out.push_back({"match", "surfaces\\radio_on.bmp", true, Mark(true, true, false)});
    out.push_back({"match", "surfaces\\radio_off.bmp", true, Mark(true, false, false)});
    out.push_back({"buttons", "check_on.bmp", true, Mark(false, true, false)});
    out.push_back({"buttons", "check_off.bmp", true, Mark(false, false, false)});
    out.push_back({"buttons", "check_dis.bmp", true, Mark(false, false, true)});
    out.push_back({"messagebox", "message_box_pic.bmp", false, BoxBackground(true)});
    out.push_back({"messagebox", "message_box_text.bmp", false, BoxBackground(false)});
    out.push_back({"messagebox", "button.bmp", true, BoxButton(151, 28)});
    out.push_back({"buttons", "button4_small.bmp", true, BoxButton(126, 29)});
    for (int f = 0; f < 2; ++f) {
        char frame[48];
        std::snprintf(frame, sizeof frame, "menuanim\\new game%02d.bmp", f);
        out.push_back({"animation", frame, true, MenuEmblem(EmblemSign::Ball, "NEW GAME", f)});
    }
    // The options hub's other emblems.
    struct HubEmblem {
        const char* stem;
        const char* caption;
        EmblemSign sign;
    };
    for (const HubEmblem& e : {HubEmblem{"credits", "CREDITS", EmblemSign::Star},
                               HubEmblem{"game options", "OPTIONS", EmblemSign::Gear},
                               HubEmblem{"load game", "LOAD GAME", EmblemSign::Disk}})
        for (int f = 0; f < 2; ++f) {
            char frame[48];
            std::snprintf(frame, sizeof frame, "menuanim\\%s%02d.bmp", e.stem, f);
            out.push_back({"animation", frame, true, MenuEmblem(e.sign, e.caption, f)});
        }
    out.push_back({"messagebox", "4button.bmp", true, BoxButton(115, 28)});
    out.push_back({"messagebox", "3upmiddle.bmp", true, BoxButton(157, 45)});
    out.push_back({"messagebox", "3downmiddle.bmp", true, BoxButtonDown(157, 45)});
    out.push_back({"messagebox", "3upright.bmp", true, BoxButton(157, 45)});
    out.push_back({"messagebox", "3downright.bmp", true, BoxButtonDown(157, 45)});
    char name[32];
    // Every picture number a competition record can carry: the start-up data
    // number divisions and cups by their place in the world, well past 24.
    for (int n = 0; n < 256; ++n) {
        std::snprintf(name, sizeof name, "cup\\trophy%02d.bmp", n);
        out.push_back({"trophies", name, true, TrophyPicture(n, true)});
        std::snprintf(name, sizeof name, "division\\trophy%02d.bmp", n);
        out.push_back({"trophies", name, true, TrophyPicture(n, false)});
    }
    const char* roles[] = {"widget_base.bmp", nullptr, nullptr, "widget_overlay.bmp", "widget_overlay_down.bmp",
                           "widget_overlay_grey.bmp", "widget_base_grey.bmp"};
    for (int r = 0; r < 7; ++r)
        if (roles[r]) out.push_back({"buttons", roles[r], true, PageButton(r)});
    out.push_back({"buttons", "widget_two0.bmp", true, BoxButton(120, 32)});
    out.push_back({"buttons", "widget_two1.bmp", true, Finish(Plate(120, 32, kNavyLight, Tone{90, 130, 210}, kGold, false, true), true)});
    for (int k = 0; k < 8; ++k) {
        std::snprintf(name, sizeof name, "widget_anim%02d.bmp", k);
        out.push_back({"animation", name, true, AnimFrame(k, 8)});
    }
    return out;
}

}  // namespace art
