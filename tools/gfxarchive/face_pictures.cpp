// The photo-fit faces: every layer is painted from one description of a
// head in face coordinates (92 x 120, the face's middle at x 46), so layers
// that overlap (the eyes and chin layers, the nose over both) agree pixel
// for pixel in skin and light. Each picture is sampled three times finer
// and shrunk with hard keyed edges.
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "paint.h"
#include "pictures.h"
#include "shell/photofit.h"

using namespace platform::gfx;

namespace art {
namespace {

constexpr int kSub = 3;
constexpr double kMid = 46.0;

struct Rgb {
    double r, g, b;
};
Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Scale(Rgb a, double f) { return {a.r * f, a.g * f, a.b * f}; }

double Smooth(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A smooth value noise in [0, 1), for hair strands and backdrop mottling.
double SmoothNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const double tx = x - fx, ty = y - fy;
    const auto ix = static_cast<uint32_t>(static_cast<int64_t>(fx) + 100000);
    const auto iy = static_cast<uint32_t>(static_cast<int64_t>(fy) + 100000);
    const double a = Noise(ix, iy, seed), b = Noise(ix + 1, iy, seed), c = Noise(ix, iy + 1, seed),
                 d = Noise(ix + 1, iy + 1, seed);
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// --- skin and the head ---

constexpr Rgb kSkins[kPhotofitSkinCount] = {
    {234, 192, 160},  // white
    {116, 76, 52},    // caribbean
    {178, 126, 90},   // asian
    {238, 204, 164},  // oriental
    {204, 154, 112},  // latin
};
constexpr Rgb kHairColours[kPhotofitHairColourCount] = {
    {38, 30, 28},     // black
    {160, 158, 154},  // grey
    {104, 66, 38},    // medium brown
    {178, 86, 36},    // ginger
    {226, 188, 112},  // blonde
};

// The light comes from the upper left: a head reads as round when its
// sides fall off and the left cheek catches more light.
Rgb SkinAt(int skin, double fx, double fy) {
    const double nx = (fx - kMid) / 30.0;
    const double ny = (fy - 56.0) / 50.0;
    double f = 1.04 - 0.22 * nx * nx - 0.08 * nx - 0.06 * ny * ny;
    // Warmth on the cheeks.
    Rgb c = kSkins[skin];
    const double cheek = std::exp(-(std::pow(std::abs(fx - kMid) - 15, 2) + std::pow(fy - 60, 2)) / 40.0);
    c = Mix(c, {c.r * 1.05 + 8, c.g * 0.92, c.b * 0.9}, 0.35 * cheek);
    return Scale(c, f);
}

// The chin shapes: jaw half-width, chin half-width, the chin's lowest row,
// a cleft, and the shirt's colour below.
struct ChinShape {
    double jaw, chin, bottom;
    bool cleft;
    Rgb shirt;
};
constexpr ChinShape kChins[12] = {
    {24, 10, 99, false, {40, 52, 88}},    {26, 12, 100, false, {120, 30, 40}}, {22, 8, 100, false, {60, 60, 66}},
    {25, 11, 102, true, {30, 80, 60}},    {21, 9, 98, false, {200, 200, 205}}, {27, 14, 101, false, {30, 40, 120}},
    {23, 7, 103, false, {90, 40, 90}},    {24, 12, 97, true, {50, 50, 52}},    {26, 10, 99, false, {150, 110, 40}},
    {20, 8, 101, false, {35, 90, 120}},   {25, 13, 100, true, {110, 50, 30}},  {23, 10, 98, false, {70, 80, 40}},
};

// How far the head reaches on either side of the middle at a row.
double HeadHalfWidth(double fy, const ChinShape& c) {
    constexpr double top = 12, centre = 50, rx = 28;
    if (fy < top) return -1;
    if (fy < centre) return rx * std::sqrt(std::max(0.0, 1 - std::pow((fy - centre) / (centre - top), 2)));
    if (fy <= 64) return rx;
    if (fy <= 86) return rx + (c.jaw - rx) * Smooth(64, 86, fy);
    if (fy > c.bottom) return -1;
    const double t = (fy - 86) / (c.bottom - 86);
    return (c.jaw * (1 - t) + c.chin * t) * std::sqrt(std::max(0.0, 1 - std::pow(t, 3)));
}

// A head wide enough for every chin, for the layers drawn without one.
constexpr ChinShape kAnyChin = {24, 10, 100, false, {0, 0, 0}};

std::optional<Rgb> HeadPixel(int skin, const ChinShape& c, double fx, double fy) {
    const double hw = HeadHalfWidth(fy, c);
    const double dx = std::abs(fx - kMid);
    if (hw < 0 || dx > hw) return std::nullopt;
    Rgb s = SkinAt(skin, fx, fy);
    // The edge turns away from the light; under the jaw a soft shadow.
    s = Scale(s, 1 - 0.18 * Smooth(hw - 4, hw, dx));
    return s;
}

// --- the layers ---

using PixelFn = std::function<std::optional<Rgb>(double fx, double fy)>;

// Samples the picture (w x h) whose top left is at face point (ox, oy).
Bitmap8 Render(int w, int h, double ox, double oy, bool keyed, const PixelFn& fn) {
    Surface big(w * kSub, h * kSub, kKeyPixel);
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x) {
            const double fx = ox + (x + 0.5) / kSub, fy = oy + (y + 0.5) / kSub;
            if (auto c = fn(fx, fy)) {
                int r = std::clamp(static_cast<int>(std::lround(c->r)), 0, 255);
                int g = std::clamp(static_cast<int>(std::lround(c->g)), 0, 255);
                int b = std::clamp(static_cast<int>(std::lround(c->b)), 0, 255);
                if (NearKey(r, g, b)) b = std::max(0, b - 16);
                big.Row(y)[x] = MakePixel(r, g, b);
            } else if (!keyed) {
                big.Row(y)[x] = kBlack;
            }
        }
    return Quantise(Shrink(big, kSub, keyed), keyed, false);
}

// The upper head: skull, ears, brows and eyes.
struct EyeShape {
    double rx, ry, spacing, browLift, browArch, browThick;
    bool heavyLid;
};
constexpr EyeShape kEyes[5] = {
    {5.0, 2.6, 12, 0, 1.5, 2.0, false}, {5.4, 3.2, 12, 0.5, 2.5, 1.6, false}, {5.2, 1.9, 12, -0.5, 0.8, 2.4, false},
    {5.0, 2.4, 12, -1, 1.0, 2.8, true}, {4.4, 2.4, 13.5, 0.3, 2.0, 1.8, false},
};
constexpr Rgb kIrisWhite[5] = {{70, 110, 160}, {100, 66, 40}, {80, 120, 80}, {110, 130, 140}, {120, 90, 50}};

std::optional<Rgb> EyesPixel(int skin, int variant, double fx, double fy) {
    const EyeShape& e = kEyes[variant];
    const double dx = fx - kMid;
    // The ears sit on the head's sides.
    const double earDx = std::abs(dx) - 28.5, earDy = fy - 51;
    auto head = HeadPixel(skin, kAnyChin, fx, fy);
    if (!head) {
        if ((earDx * earDx) / 16.0 + (earDy * earDy) / 72.0 <= 1 && std::abs(dx) > 24) {
            Rgb s = Scale(SkinAt(skin, fx, fy), 0.9);
            const double inner = (earDx * earDx) / 5.0 + (earDy * earDy) / 30.0;
            if (inner <= 1) s = Scale(s, 0.82);
            return s;
        }
        return std::nullopt;
    }
    Rgb s = *head;
    const double side = dx < 0 ? -1 : 1;
    const double ex = std::abs(dx) - e.spacing, ey = fy - 41;
    // Brows: a thick arc above each eye.
    const double browY = 34.5 - e.browLift - e.browArch * (1 - std::pow(ex / 7.0, 2)) + (side > 0 ? 0 : 0);
    if (std::abs(ex) < 7.5 && std::abs(fy - browY) < e.browThick * (1 - 0.45 * std::abs(ex + 2) / 9.5)) {
        const Rgb brow = skin == 1 ? Rgb{30, 20, 16} : Rgb{78, 56, 40};
        return Mix(s, brow, 0.85);
    }
    // Shadow of the brow ridge and the lid crease.
    const double socket = std::exp(-(ex * ex / 40.0 + (fy - 39) * (fy - 39) / 12.0));
    s = Scale(s, 1 - 0.12 * socket);
    const double ry = e.ry * (1 - 0.45 * std::pow(std::abs(ex) / e.rx, 1.6));
    const double inEye = (ex * ex) / (e.rx * e.rx) + (ey * ey) / std::max(0.2, ry * ry);
    if (inEye <= 1) {
        Rgb sclera = {236, 232, 226};
        const Rgb iris = skin == 0 ? kIrisWhite[variant]
                                   : Mix(Rgb{70, 44, 28}, Rgb{110, 74, 40}, variant / 4.0);
        const double ix = ex + 0.3 * side, iy = ey + 0.4;
        const double ir = std::hypot(ix, iy);
        Rgb c = Scale(sclera, 1 - 0.25 * Smooth(-ry, ry * 0.2, -ey));
        if (ir < 2.5) c = Scale(iris, 0.85 + 0.3 * (ir / 2.5));
        if (ir < 1.1) c = {18, 14, 14};
        if (std::hypot(ix + 0.8, iy + 0.8) < 0.6) c = {250, 250, 250};
        // Upper lid: a dark line across the top of the eye.
        if (ey < -ry + 0.9) c = {40, 28, 24};
        if (e.heavyLid && ey < -ry * 0.2) c = Mix(Scale(kSkins[skin], 0.8), Rgb{40, 28, 24}, 0.3);
        return c;
    }
    // The lash line runs a little past the eye's ends.
    if (std::abs(ex) < e.rx + 1 && std::abs(ey + ry * 0.6) < 0.6 && std::abs(ex) > e.rx - 1.5)
        return Mix(s, Rgb{40, 28, 24}, 0.6);
    return s;
}

// The lower head: jaw, neck, collar and shoulders.
std::optional<Rgb> ChinPixel(int skin, int variant, double fx, double fy) {
    const ChinShape& c = kChins[variant];
    const double dx = fx - kMid, adx = std::abs(dx);
    // Shoulders and shirt, widening from the neck; a V of skin at the collar.
    if (fy >= 104 && adx <= std::min(36.0, 13 + (fy - 104) * 3.4)) {
        const double v = 9 - (fy - 104) * 0.8;
        if (adx < v) return Scale(SkinAt(skin, fx, fy), 0.78);
        Rgb shirt = c.shirt;
        if (adx < v + 2.2 && fy < 114) shirt = Mix(shirt, Rgb{240, 240, 240}, 0.25);  // the collar's edge
        return Scale(shirt, 1.05 - 0.25 * std::abs(dx) / 46.0 - 0.1 * (fy - 104) / 16.0);
    }
    if (auto head = HeadPixel(skin, c, fx, fy)) {
        Rgb s = *head;
        if (c.cleft && fy > c.bottom - 5 && adx < 0.8) s = Scale(s, 0.88);
        // The chin's underside darkens.
        s = Scale(s, 1 - 0.12 * Smooth(c.bottom - 8, c.bottom, fy) * (1 - adx / 30));
        return s;
    }
    // The neck, in the jaw's shadow.
    const double neck = 13.5 + (fy > 98 ? (fy - 98) * 0.25 : 0);
    if (fy >= 76 && adx <= neck) {
        Rgb s = Scale(SkinAt(skin, fx, fy), 0.8);
        const double under = HeadHalfWidth(fy - 4, c) >= adx ? 1.0 : 0.0;
        return Scale(s, 1 - 0.18 * under - 0.1 * (adx / neck));
    }
    return std::nullopt;
}

// Noses, shading on the skin: a side shadow, the tip, the nostrils.
struct NoseShape {
    double length, width, hook, tip;
};
constexpr NoseShape kNoses[6] = {
    {20, 6.5, 0, 2.2}, {19, 8.5, 0, 2.8}, {24, 6.5, 0, 2.4}, {22, 7, 1.2, 2.4}, {17, 6.5, -0.5, 2.6}, {20, 9.5, 0, 3.0},
};

std::optional<Rgb> NosePixel(int skin, int variant, double fx, double fy) {
    NoseShape n = kNoses[variant];
    if (skin == 1) n.width += 1.5;
    const double dx = fx - kMid, top = 46, tipY = top + n.length;
    if (fy < top || fy > tipY + 3) return std::nullopt;
    const double t = (fy - top) / n.length;
    const double hw = 2.2 + (n.width - 2.2) * std::pow(std::clamp(t, 0.0, 1.0), 2.2);
    if (std::abs(dx) > hw + 1.5) return std::nullopt;
    Rgb s = SkinAt(skin, fx, fy);
    // The side away from the light, a line down the bridge.
    const double bridge = std::exp(-std::pow(dx - 2.3 - n.hook * std::sin(t * 3.1), 2) / 1.6);
    s = Scale(s, 1 - 0.24 * bridge * Smooth(0.1, 0.4, t));
    // The ball of the nose catches the light.
    const double ball = std::exp(-(dx * dx + std::pow(fy - (tipY - 1.5), 2)) / (n.tip * n.tip));
    s = Mix(s, Scale(kSkins[skin], 1.12), 0.35 * ball);
    // The wings and nostrils.
    for (double side : {-1.0, 1.0}) {
        const double wx = dx - side * (n.width - 1.8), wy = fy - (tipY + 0.3);
        if ((wx * wx) / 3.2 + (wy * wy) / 1.3 < 1) s = Scale(s, 0.82);
        const double nostril = std::pow(dx - side * 2.6, 2) / 2.4 + std::pow(fy - (tipY + 1.0), 2) / 0.8;
        if (nostril < 1) s = Mix(s, Scale(kSkins[skin], 0.45), 0.55 * (1 - nostril));
    }
    // Under the nose a soft shadow.
    if (fy > tipY + 1.8 && std::abs(dx) < n.width) s = Scale(s, 0.9);
    return s;
}

// Mouths: lips with a dark line between, over a little of the skin.
struct MouthShape {
    double half, upper, lower, smile;
    bool teeth;
};
constexpr MouthShape kMouths[7] = {
    {9.5, 1.6, 2.4, 0.6, false}, {11, 1.8, 2.8, 1.5, false}, {8.5, 1.3, 2.0, 0, false}, {10, 2.4, 3.2, 0.4, false},
    {11.5, 1.6, 2.2, 2.6, true},  {9, 1.5, 2.6, -1.0, false}, {10.5, 2.0, 2.6, 1.0, false},
};

std::optional<Rgb> MouthPixel(int skin, int variant, double fx, double fy) {
    const MouthShape& m = kMouths[variant];
    const double dx = fx - kMid;
    const double u = dx / m.half;
    if (std::abs(u) > 1.25) return std::nullopt;
    const double line = 86.5 - m.smile * (u * u);  // the corners rise in a smile
    Rgb skinC = SkinAt(skin, fx, fy);
    const Rgb lip = Mix(Scale(kSkins[skin], 0.82), Rgb{168, 72, 72}, skin == 1 ? 0.15 : 0.35);
    const double taper = std::sqrt(std::max(0.0, 1 - u * u));
    const double up = m.upper * taper, lo = m.lower * taper;
    if (std::abs(u) <= 1) {
        if (std::abs(fy - line) < 0.55 + 0.3 * taper) return Mix(lip, Rgb{40, 20, 20}, 0.75);
        if (m.teeth && fy > line && fy < line + lo * 0.55 && std::abs(u) < 0.75) return Rgb{236, 232, 220};
        if (fy < line && fy > line - up) return Scale(lip, 0.9);
        if (fy > line && fy < line + lo) return Scale(lip, 1.05 - 0.15 * (fy - line) / lo);
    }
    // A soft shadow under the lower lip and round the corners.
    const double near = std::exp(-std::pow(fy - (line + lo + 1.2), 2) / 1.5) * taper;
    if (fy < line - up - 2.5 || fy > line + lo + 3.5) return std::nullopt;
    return Scale(skinC, 1 - 0.1 * near);
}

// Beards, by picture name: 1 stubble, 2 moustache, 3 goatee, 5 full beard,
// 6 along the jaw, 7 moustache and goatee.
std::optional<Rgb> BeardPixel(int skin, int colour, int kind, double fx, double fy) {
    if (kind == 0) return std::nullopt;
    const double dx = fx - kMid, adx = std::abs(dx);
    const Rgb hair = kHairColours[colour];
    const double mouthHole = std::pow(dx / 10.5, 2) + std::pow((fy - 86.8) / 2.6, 2);
    const double hw = HeadHalfWidth(fy, kAnyChin) + 1.2;
    const bool onJaw = fy > 64 && hw > 0 && adx <= hw;
    const bool moustache = fy > 78.5 && fy < 84.5 - std::max(0.0, adx - 6) * 0.35 && adx < 11.5 - (fy - 79) * 0.2;
    const bool goatee = fy > 88.5 && fy < 102 && adx < 6.5 - (fy - 88) * 0.12;
    const bool strap = onJaw && adx > hw - 5 - Smooth(84, 100, fy) * 6 && fy > 62;
    const bool full = onJaw && fy > 62 + Smooth(0, 14, 28 - adx) * 12 && mouthHole > 1;
    bool in = false;
    switch (kind) {
        case 1: in = full || (moustache && mouthHole > 1); break;
        case 2: in = moustache && mouthHole > 1; break;
        case 3: in = goatee && mouthHole > 1; break;
        case 5: in = (full || moustache) && mouthHole > 1; break;
        case 6: in = strap || (fy > 94 && onJaw && mouthHole > 1); break;
        case 7: in = (moustache || goatee) && mouthHole > 1; break;
        default: break;
    }
    if (!in) return std::nullopt;
    const double grain = SmoothNoise(fx * 1.6, fy * 0.9, 77u + static_cast<uint32_t>(kind));
    if (kind == 1) {
        // Stubble: a tint of the hair over the skin, speckled.
        const double dots = Noise(static_cast<uint32_t>(fx * 3), static_cast<uint32_t>(fy * 3), 5u);
        // It thins out towards the cheekbones, so it has no edge.
        const double density = Smooth(62, 76, fy) * (1 - Smooth(hw - 3, hw, adx) * 0.5);
        return Mix(SkinAt(skin, fx, fy), Scale(hair, 0.7), (0.2 + 0.2 * dots) * density);
    }
    Rgb c = Scale(hair, 0.78 + 0.35 * grain);
    c = Scale(c, 1 - 0.2 * Smooth(hw - 6, hw, adx));
    return c;
}

// --- hair ---

enum Texture { kSmooth, kCurly, kAfro, kCrop, kSpiky, kRows, kTwists };
struct HairDesign {
    double top;       // height above the skull
    double side;      // width beyond the skull
    double fringe;    // the hairline's row in the middle of the forehead
    double sideburn;  // the hairline's row at the temples
    double parting;   // offset of the parting from the middle; 0 none
    double sweep;     // how the fringe slants (rows per pixel)
    Texture texture;
    bool bald;        // only a band round the back and sides
    bool receding;    // temples cut back
};

// Front hair by picture number (1-based); the table's rows pick from these.
constexpr HairDesign kHairDesigns[31] = {
    {2.0, 1.0, 21, 44, 0, 0, kCrop, false, false},     // 1 short crop
    {3.5, 1.5, 22, 45, -9, 0.12, kSmooth, false, false},  // 2 side parting
    {5.5, 1.5, 22, 44, 0, 0, kSpiky, false, false},    // 3 spiky top
    {1.0, 0.6, 20, 43, 0, 0, kCrop, false, false},     // 4 buzz cut
    {2.5, 1.2, 17, 44, 0, 0, kSmooth, false, true},    // 5 receding
    {3.0, 1.3, 27, 44, 0, 0, kSmooth, false, false},   // 6 short fringe
    {4.0, 1.5, 26, 45, 0, 0.35, kSmooth, false, false},  // 7 swept fringe
    {4.5, 3.5, 30, 54, 1, 0, kSmooth, false, false},   // 8 curtains
    {4.5, 3.5, 25, 54, -8, 0.2, kSmooth, false, false},  // 9 over the ears, parted
    {4.0, 3.0, 33, 52, 0, 0, kSmooth, false, false},   // 10 bowl
    {4.0, 2.0, 22, 45, 0, 0, kCurly, false, false},    // 11 short curls
    {6.5, 4.0, 25, 54, 0, 0, kCurly, false, false},    // 12 curly over the ears
    {0.8, 1.0, 60, 46, 0, 0, kCrop, true, false},      // 13 bald
    {3.0, 1.2, 19, 44, 0, -0.05, kSmooth, false, false},  // 14 slicked back
    {7.5, 1.2, 21, 44, 0, 0, kCrop, false, false},     // 15 flat top
    {5.0, 3.0, 27, 52, 0, 0.15, kCurly, false, false},  // 16 messy
    {7.0, 1.5, 20, 44, 0, 0, kSmooth, false, false},   // 17 quiff
    {4.5, 4.5, 24, 70, 0.5, 0, kSmooth, false, false},  // 18 long, centre parting
    {4.5, 2.5, 30, 50, -10, 0.5, kSmooth, false, false},  // 19 long swept fringe
    {3.0, 3.0, 16, 52, 0, 0, kSmooth, false, true},    // 20 receding, long sides
    {5.0, 3.0, 24, 50, 9, 0.1, kCurly, false, false},  // 21 wavy, parted
    {3.5, 1.5, 23, 45, 9, 0.1, kSmooth, false, false},  // 22 short, parted right
    {6.0, 3.0, 22, 46, 0, 0, kAfro, false, false},     // 23 small afro
    {11.0, 7.0, 22, 48, 0, 0, kAfro, false, false},    // 24 large afro
    {2.0, 1.0, 21, 44, 0, 0, kRows, false, false},     // 25 cornrows
    {12.0, 0.5, 21, 44, 0, 0, kAfro, false, false},    // 26 high top
    {6.0, 2.5, 24, 48, 0, 0, kTwists, false, false},   // 27 twists
    {4.0, 0.5, 21, 42, 0, 0, kCurly, false, false},    // 28 faded sides, curls on top
    {4.0, 3.0, 32, 52, 0, 0.1, kSpiky, false, false},  // 29 straight fringe
    {6.0, 1.5, 28, 45, 0, 0.2, kSpiky, false, false},  // 30 spiky fringe
    {5.0, 4.0, 29, 60, -6, 0.25, kSmooth, false, false},  // 31 long with a fringe
};

Rgb HairShade(const Rgb& base, Texture t, double fx, double fy, uint32_t seed) {
    double n;
    switch (t) {
        case kCurly: n = SmoothNoise(fx * 0.7, fy * 0.7, seed); break;
        case kAfro: n = 0.6 * SmoothNoise(fx * 1.1, fy * 1.1, seed) + 0.4 * Noise(static_cast<uint32_t>(fx * 3), static_cast<uint32_t>(fy * 3), seed); break;
        case kCrop: n = Noise(static_cast<uint32_t>(fx * 3), static_cast<uint32_t>(fy * 3), seed); break;
        case kRows: n = 0.5 + 0.5 * std::sin(fx * 1.3); break;
        case kTwists: n = 0.5 + 0.5 * std::sin(fx * 1.6) * std::sin(fy * 0.9); break;
        default: n = SmoothNoise(fx * 1.4, fy * 0.18, seed); break;  // strands running down
    }
    // Lit from the upper left, with a sheen across the crown.
    const double light = 1.1 - 0.25 * Smooth(20, 74, fx) - 0.15 * Smooth(10, 60, fy);
    const double sheen = std::exp(-std::pow(fy - 16 - (fx - 30) * 0.1, 2) / 18.0) * 0.25;
    Rgb c = Scale(base, (0.62 + 0.62 * n) * light);
    // Dark hair shines lighter than itself, light hair only a little.
    const Rgb shine = Mix(Scale(base, 1.6), Rgb{150, 140, 135}, base.r < 60 ? 0.5 : 0.0);
    return Mix(c, shine, sheen * (t == kSmooth ? 1.2 : 0.5));
}

std::optional<Rgb> HairPixel(int skin, int colour, const HairDesign& d, double fx, double fy) {
    const double dx = fx - kMid, adx = std::abs(dx);
    const double cy = 50;
    double rx = 28 + d.side, ry = 38 + d.top;
    // A bumpy or spiky edge.
    const double ang = std::atan2(fy - cy, dx);
    if (d.texture == kSpiky) ry += 2.5 * std::abs(std::sin(ang * 9)) - 1;
    if (d.texture == kCurly || d.texture == kAfro || d.texture == kTwists)
        ry += 1.4 * std::sin(ang * 14 + 1.0), rx += 1.2 * std::sin(ang * 11);
    double top = cy - ry;
    const bool flat = d.top > 7 && d.texture != kAfro ? true : d.texture == kAfro && d.top > 11;
    if (flat && fy < cy - 38 - d.top * 0.55 && adx < rx * 0.8) top = cy - 38 - d.top;  // flat or high tops
    const double inOutline = std::pow(dx / rx, 2) + std::pow((fy - cy) / ry, 2);
    const bool boxTop = flat && fy >= cy - 38 - d.top && adx <= 22 + d.side * 0.5 && fy < 26;
    if (!(inOutline <= 1 || boxTop) || fy < top) return std::nullopt;
    if (fy > d.sideburn + 8) return std::nullopt;
    // The hairline: the fringe over the forehead, falling to the sideburns.
    double line = d.fringe + (dx * d.sweep);
    if (d.receding) line -= 6 * Smooth(6, 14, adx) * (1 - Smooth(18, 24, adx));
    const double ragged = (d.texture == kSmooth ? 1.4 : 0.9) * SmoothNoise(fx * 0.9, 3.0, 19u) +
                          (d.texture == kSmooth || d.texture == kSpiky ? 1.6 : 0.6) *
                              std::pow(std::abs(std::sin(fx * 1.7 + 0.5 * std::sin(fx * 0.6))), 3);
    double hairline = line + ragged + (d.sideburn - line) * Smooth(17, 27, adx);
    // Hair that hangs over the ears and cheeks stays outside the face.
    const double face = HeadHalfWidth(fy, kAnyChin);
    if (fy > hairline) return std::nullopt;
    if (d.sideburn > 56 && fy > 52 && face > 0 && adx < face - 1.5) return std::nullopt;
    if (d.bald && fy < 30 - 6 * Smooth(0, 24, adx)) return std::nullopt;
    Rgb base = kHairColours[colour];
    if (d.texture == kCrop || d.bald) base = Mix(Scale(kSkins[skin], 0.85), base, d.bald ? 0.55 : 0.7);
    Rgb c = HairShade(base, d.texture, fx, fy, 31u + static_cast<uint32_t>(colour));
    // The parting: a thin line from the crown.
    if (d.parting != 0 && fy < line + 1 && std::abs(dx - d.parting) < 0.7) c = Scale(c, 0.55);
    // Darker where the hair meets the face.
    c = Scale(c, 1 - 0.2 * Smooth(hairline - 3, hairline, fy));
    return c;
}

// Rear layers: hair behind the head and neck.
std::optional<Rgb> RearPixel(int colour, int kind, double fx, double fy) {
    const double dx = fx - kMid, adx = std::abs(dx);
    double half = 0, bottom = 0, topY = 30;
    switch (kind) {
        case 0: half = 25; bottom = 100; topY = 44; break;  // collar length
        case 1: half = 30; bottom = 106; topY = 40; break;  // collar, fuller
        case 2: half = 34; bottom = 92; topY = 24; break;   // full, medium
        case 3: half = 35; bottom = 119; topY = 24; break;  // full, long
        case 4: half = 34; bottom = 116; topY = 24; break;  // dreadlocks
        default: return std::nullopt;
    }
    if (fy < topY || fy > bottom) return std::nullopt;
    // Round over the crown like the head, straight down behind the neck,
    // rounded off at the ends.
    double w;
    if (fy < 50) {
        w = half * std::sqrt(std::max(0.0, 1 - std::pow((fy - 50) / (50 - topY + 2), 2)));
    } else {
        const double t = std::max(0.0, (fy - (bottom - 16)) / 16.0);
        w = half * (1 - 0.12 * (fy - 50) / 70.0) * std::sqrt(std::max(0.0, 1 - t * t * t));
    }
    if (adx > w) return std::nullopt;
    double lit = 1 - 0.3 * Smooth(w - 6, w, adx);
    if (kind == 4) {
        // Locks: rounded columns with narrow dark gaps between them.
        const double phase = std::fmod(fx + 100.0 + 0.6 * std::sin(fy * 0.15), 4.2) / 4.2;
        const double across = std::sin(phase * 3.14159);
        if (across < 0.18 && fy > 60) return std::nullopt;
        lit *= 0.55 + 0.55 * across;
        lit *= 0.85 + 0.3 * SmoothNoise(fx * 0.5, fy * 0.7, 41u);
    } else {
        lit *= 0.6 + 0.4 * SmoothNoise(fx * 1.3, fy * 0.12, 43u);
    }
    return Scale(kHairColours[colour], 0.85 * lit);
}

// Backdrops: a plain studio colour, brighter behind the head, mottled.
constexpr Rgb kBacks[7] = {{70, 100, 150}, {110, 114, 120}, {50, 118, 116}, {120, 52, 62},
                           {92, 112, 60},  {168, 146, 104}, {84, 66, 130}};

std::optional<Rgb> BackPixel(int n, double x, double y) {
    const double glow = std::exp(-(std::pow(x - 50, 2) + std::pow(y - 48, 2)) / 2600.0);
    const double mottle = SmoothNoise(x * 0.08, y * 0.08, 101u + n) * 0.6 + SmoothNoise(x * 0.25, y * 0.25, 7u) * 0.4;
    return Scale(kBacks[n], 0.62 + 0.45 * glow + 0.12 * mottle);
}

// The frame every face surface starts from: a bevelled border round a
// neutral field (what shows when a face has no backdrop).
Bitmap8 FaceBack() {
    return Render(100, 125, 0, 0, false, [](double x, double y) -> std::optional<Rgb> {
        const double edge = std::min({x, y, 100 - x, 125 - y});
        if (edge < 1) return Rgb{24, 26, 30};
        if (edge < 4) return (x < 100 - y * 0.8 && x + y < 100) ? Rgb{150, 156, 166} : Rgb{52, 56, 64};
        const double g = 0.75 + 0.25 * (1 - y / 125.0);
        return Scale(Rgb{92, 98, 110}, g);
    });
}

Picture Photofit(const std::string& entry, bool keyed, Bitmap8 b) {
    return {"photofit", entry, keyed, std::move(b)};
}

}  // namespace

std::vector<Picture> FacePictures() {
    std::vector<Picture> out;
    const HairStyleTable& table = GetHairStyleTable();
    for (int n = 0; n < 7; ++n)
        out.push_back(Photofit("back\\" + std::to_string(n + 1) + ".bmp", false,
                               Render(90, 115, 0, 0, false, [n](double x, double y) { return BackPixel(n, x, y); })));
    for (int skin = 0; skin < kPhotofitSkinCount; ++skin) {
        const std::string sk = kSkinFolders[static_cast<size_t>(skin)];
        for (int v = 0; v < 5; ++v)
            out.push_back(Photofit("eyes\\" + sk + "\\" + std::to_string(v + 1) + ".bmp", true,
                                   Render(92, 62, 0, 0, true, [=](double x, double y) { return EyesPixel(skin, v, x, y); })));
        for (int v = 0; v < 12; ++v)
            out.push_back(Photofit("chins\\" + sk + "\\" + std::to_string(v + 1) + ".bmp", true,
                                   Render(92, 72, 0, 48, true, [=](double x, double y) { return ChinPixel(skin, v, x, y); })));
        for (int v = 0; v < 6; ++v)
            out.push_back(Photofit("noses\\" + sk + "\\" + std::to_string(v + 1) + ".bmp", true,
                                   Render(20, 30, 36, 44, true, [=](double x, double y) { return NosePixel(skin, v, x, y); })));
        for (int v = 0; v < 7; ++v)
            out.push_back(Photofit("mouths\\" + sk + "\\" + std::to_string(v + 1) + ".bmp", true,
                                   Render(28, 16, 32, 79, true, [=](double x, double y) { return MouthPixel(skin, v, x, y); })));
        // The hair pictures the skin's row names.
        std::vector<int> pictures;
        for (const HairStyleEntry& e : table[static_cast<size_t>(skin)])
            if (e.kind != kHairKindEmpty && std::find(pictures.begin(), pictures.end(), e.picture) == pictures.end())
                pictures.push_back(e.picture);
        for (int colour = 0; colour < kPhotofitHairColourCount; ++colour) {
            const std::string folder = sk + "\\" + kHairColourFolders[static_cast<size_t>(colour)] + "\\";
            for (int kind : {0, 1, 2, 3, 5, 6, 7})
                out.push_back(Photofit("beards\\" + folder + std::to_string(kind) + ".bmp", true,
                                       Render(92, 120, 0, 0, true, [=](double x, double y) {
                                           return BeardPixel(skin, colour, kind, x, y);
                                       })));
            for (int p : pictures) {
                const HairDesign& d = kHairDesigns[std::clamp(p, 1, 31) - 1];
                out.push_back(Photofit("hair\\" + folder + std::to_string(p) + ".bmp", true,
                                       Render(92, 120, 1, 0, true, [=](double x, double y) {
                                           return HairPixel(skin, colour, d, x, y);
                                       })));
            }
            for (int k = 0; k < 5; ++k)
                out.push_back(Photofit("hair\\" + folder + kRearHairNames[static_cast<size_t>(k)] + ".bmp", true,
                                       Render(92, 120, -1, 0, true, [=](double x, double y) {
                                           return RearPixel(colour, k, x, y);
                                       })));
        }
    }
    out.push_back({"match", "surfaces\\faceback.bmp", false, FaceBack()});
    return out;
}

}  // namespace art
