// The kit patterns: shirts, sleeves and shorts in three sizes, all on one
// palette whose five colour ramps the game overwrites with a club's kit
// colours. A pattern decides, pixel by pixel, which ramp paints there and
// how deep in the ramp (the shading); outlines and the see-through outside
// use fixed entries. Drawn point-sampled: an 8-bit index cannot be averaged.
#include <algorithm>
#include <cmath>
#include <functional>

#include "kit_palette.h"
#include "pictures.h"

using namespace platform::gfx;

namespace art {
namespace {

using kitpal::kMain;
using kitpal::kSecond;
using kitpal::kShortsMain;
using kitpal::kShortsSecond;
using kitpal::kTrim;

struct Pt {
    double x, y;
};
using Poly = std::vector<Pt>;

bool Inside(const Poly& p, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            in = !in;
    }
    return in;
}

Poly Scaled(const Poly& p, double f) {
    Poly out;
    for (Pt q : p) out.push_back({q.x * f, q.y * f});
    return out;
}

// The shapes of a kit in one size, in its pixels.
struct KitLayout {
    int size;
    Poly body, sleeveL, sleeveR, shorts;
    Pt neck;         // the middle of the neckline
    double neckW;    // half-width of the neck opening
    double neckD;    // its depth
    double bodyL, bodyR, bodyT, bodyB;
    double shortsT, shortsB;
    bool hasShorts;
};

KitLayout FullLayout() {
    KitLayout k;
    k.size = 128;
    k.body = {{50, 8}, {37, 14}, {37, 78}, {91, 78}, {91, 14}, {78, 8}};
    k.sleeveL = {{37.5, 14}, {12, 40}, {23, 52}, {37.5, 35}};
    k.sleeveR = {{90.5, 14}, {116, 40}, {105, 52}, {90.5, 35}};
    k.shorts = {{39, 78}, {89, 78}, {95, 116}, {67, 118}, {64, 96}, {61, 118}, {33, 116}};
    k.neck = {64, 8};
    k.neckW = 11;
    k.neckD = 8;
    k.bodyL = 37, k.bodyR = 91, k.bodyT = 8, k.bodyB = 78;
    k.shortsT = 78, k.shortsB = 118;
    k.hasShorts = true;
    return k;
}

// Small and tiny kits are the shirt alone, filling the picture.
KitLayout CompactLayout(int size) {
    const double f = size / 32.0;
    KitLayout k;
    k.size = size;
    k.body = Scaled({{12, 2}, {8.5, 5}, {8.5, 31}, {23.5, 31}, {23.5, 5}, {20, 2}}, f);
    k.sleeveL = Scaled({{8.6, 5}, {0.5, 13}, {3.5, 17}, {8.6, 12}}, f);
    k.sleeveR = Scaled({{23.4, 5}, {31.5, 13}, {28.5, 17}, {23.4, 12}}, f);
    k.neck = {16 * f, 2 * f};
    k.neckW = 3.2 * f;
    k.neckD = 2.6 * f;
    k.bodyL = 8.5 * f, k.bodyR = 23.5 * f, k.bodyT = 2 * f, k.bodyB = 31 * f;
    k.hasShorts = false;
    return k;
}

bool InNeck(const KitLayout& k, double x, double y) {
    const double dx = (x - k.neck.x) / k.neckW, dy = (y - k.neck.y) / k.neckD;
    return y >= k.neck.y - 1 && dx * dx + dy * dy <= 1;
}
// The collar: a band round the neck opening.
bool InCollar(const KitLayout& k, double x, double y) {
    const double band = std::max(1.0, k.size / 48.0);
    const double dx = (x - k.neck.x) / (k.neckW + band), dy = (y - k.neck.y) / (k.neckD + band);
    return !InNeck(k, x, y) && dx * dx + dy * dy <= 1;
}

// A picture of the size drawn by `paint`, which gives the palette entry at
// a pixel or -1 for outside. The pixels inside that touch the outside
// become the outline.
Bitmap8 Draw(int size, const std::function<int(int x, int y)>& paint) {
    std::vector<int> idx(static_cast<size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) idx[static_cast<size_t>(y * size + x)] = paint(x, y);
    Bitmap8 b;
    b.width = b.height = size;
    b.coloursUsed = 256;
    b.palette = kitpal::Palette();
    b.pixels.assign(static_cast<size_t>(size * size), kitpal::kKey);
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= size || y >= size ? -1 : idx[static_cast<size_t>(y * size + x)]; };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int v = at(x, y);
            if (v < 0) continue;
            const bool edge = at(x - 1, y) < 0 || at(x + 1, y) < 0 || at(x, y - 1) < 0 || at(x, y + 1) < 0;
            b.pixels[static_cast<size_t>(y * size + x)] = static_cast<uint8_t>(edge ? kitpal::kOutline : v);
        }
    return b;
}

// Light from the left: 0 the lit side, 1 plain, 2 and 3 in shadow.
int BodyShade(const KitLayout& k, double x, double y) {
    const double u = (x - k.bodyL) / (k.bodyR - k.bodyL), v = (y - k.bodyT) / (k.bodyB - k.bodyT);
    int s = 1;
    if (u < 0.16) s = 0;
    if (u > 0.82) s = 2;
    if (v > 0.93) s += 1;
    // A fold from under each arm, for the larger pictures.
    if (k.size >= 64 && std::abs((u - 0.12) - (v - 0.35) * 0.4) < 0.02 && v > 0.3 && v < 0.6) s = 2;
    if (k.size >= 64 && std::abs((0.88 - u) - (v - 0.35) * 0.4) < 0.02 && v > 0.3 && v < 0.6) s = 3;
    return std::min(s, 3);
}

// --- shirts ---

// Which of the two shirt ramps paints at (u, v) of the body (0..1 across
// and down), for body widths of `w` pixels (stripes stay at least 1 px).
using ShirtFn = std::function<bool(double u, double v, double w)>;  // true: secondary

int Bands(double t, int n, double w) {
    n = std::max(2, std::min(n, static_cast<int>(w / 2)));
    return static_cast<int>(std::floor(t * n));
}
bool Stripe(double t, double centre, double half) { return std::abs(t - centre) < half; }

std::vector<ShirtFn> ShirtDesigns() {
    using std::abs;
    return {
        [](double, double, double) { return false; },                                     // 0 plain
        [](double u, double, double w) { return Bands(u, 5, w) % 2 == 1; },             // 1 wide stripes
        [](double u, double, double w) { return Bands(u, 7, w) % 2 == 1; },             // 2 stripes
        [](double u, double, double w) { return Bands(u, 11, w) % 2 == 1; },            // 3 narrow stripes
        [](double u, double, double w) { return std::fmod(u * w, std::max(3.0, w / 8)) < 1; },  // 4 pinstripes
        [](double, double v, double w) { return Bands(v, 4, w) % 2 == 1; },             // 5 wide hoops
        [](double, double v, double w) { return Bands(v, 6, w) % 2 == 1; },             // 6 hoops
        [](double, double v, double w) { return Bands(v, 10, w) % 2 == 1; },            // 7 narrow hoops
        [](double u, double, double) { return u >= 0.5; },                                // 8 halves
        [](double, double v, double) { return v >= 0.5; },                                // 9 top and bottom
        [](double u, double v, double) { return (u >= 0.5) != (v >= 0.5); },              // 10 quarters
        [](double u, double v, double) { return abs((u - v * 0.9) - 0.05) < 0.16; },      // 11 sash
        [](double u, double v, double) { return abs(((1 - u) - v * 0.9) - 0.05) < 0.16; },  // 12 sash, other way
        [](double u, double v, double) { return abs(v - 0.25 - abs(u - 0.5) * -0.6 - 0.3) < 0.09; },  // 13 chevron
        [](double u, double, double) { return Stripe(u, 0.5, 0.14); },                    // 14 centre stripe
        [](double u, double, double w) { return Stripe(u, 0.5, std::max(0.05, 0.6 / w)); },  // 15 thin centre
        [](double, double v, double) { return v < 0.22; },                                // 16 yoke
        [](double, double v, double) { return v > 0.28 && v < 0.46; },                    // 17 chest band
        [](double u, double, double) { return u < 0.17 || u > 0.83; },                    // 18 side panels
        [](double u, double, double) { return Stripe(u, 0.4, 0.06) || Stripe(u, 0.6, 0.06); },  // 19 twin stripes
        [](double u, double v, double) { return (static_cast<int>(u * 4) + static_cast<int>(v * 4)) % 2 == 1; },  // 20 checks
        [](double u, double v, double) { return (static_cast<int>(u * 4 + v * 4) + static_cast<int>(u * 4 - v * 4 + 8)) % 2 == 1; },  // 21 harlequin
        [](double u, double v, double) { return static_cast<int>((u + v) * 4) % 2 == 1; },   // 22 diagonal stripes
        [](double, double v, double) { return v > 0.45 && v < 0.62; },                    // 23 single hoop
        [](double u, double, double) { return Stripe(u, 0.3, 0.09); },                    // 24 off-centre stripe
        [](double u, double, double) { return Stripe(u, 0.5, 0.05) || Stripe(u, 0.36, 0.04) || Stripe(u, 0.64, 0.04); },  // 25 three
        [](double, double v, double w) { return v > 0.5 && Bands(v, 12, w) % 2 == 1; },  // 26 hoops below
        [](double, double v, double) { return v > 0.66; },                                // 27 lower third
        [](double u, double v, double) { return abs(v - abs(u - 0.5) * 1.1) < 0.07 && v < 0.5; },  // 28 V band
        [](double u, double, double) { return Stripe(u, 0.25, 0.07) || Stripe(u, 0.75, 0.07); },  // 29 braces
        [](double u, double v, double) { return Stripe(u, 0.5, 0.1) || Stripe(v, 0.4, 0.08); },  // 30 cross
        [](double u, double v, double) { return abs(u - v) < 0.11 || abs(u - (1 - v)) < 0.11; },  // 31 saltire
        [](double u, double v, double) { return u + v > 1.0; },                           // 32 diagonal halves
        [](double u, double, double w) { return !Stripe(u, 0.5, 0.16) && Bands(u, 9, w) % 2 == 1; },  // 33 stripes, plain middle
        [](double, double v, double) { return Stripe(v, 0.32, 0.05) || Stripe(v, 0.45, 0.05); },  // 34 twin chest hoops
        [](double, double v, double w) { return std::fmod(v * w * 1.3, std::max(3.0, w / 8)) < 1; },  // 35 fine hoops
        [](double u, double v, double) { return abs((u - v * 0.9) + 0.1) < 0.07 || abs((u - v * 0.9) - 0.2) < 0.07; },  // 36 double sash
        [](double u, double v, double) { return (static_cast<int>(u * 3) + static_cast<int>(v * 3)) % 2 == 1; },  // 37 large checks
        [](double u, double, double) { return Stripe(u, 0.12, 0.03) || Stripe(u, 0.2, 0.03) || Stripe(u, 0.8, 0.03) || Stripe(u, 0.88, 0.03); },  // 38 tramlines
        [](double u, double v, double) { return Stripe(u, 0.5, 0.07) && v < 0.38; },      // 39 placket
        [](double u, double v, double) { return v < 0.38 - u * 0.3; },                    // 40 slanted yoke
        [](double u, double v, double) { return abs(v - 0.62 + abs(u - 0.5) * 0.7) < 0.08; },  // 41 arrow
        [](double u, double, double w) { return u < 0.5 && Bands(u * 2, 4, w / 2) % 2 == 1; },  // 42 one half striped
        [](double u, double v, double w) { return u >= 0.5 && Bands(v, 6, w) % 2 == 1; },  // 43 one half hooped
        [](double u, double v, double) { return std::hypot(u - 0.5, (v - 0.4) * 0.8) < 0.2; },  // 44 chest disc
        [](double u, double v, double) { return v > 0.25 + u * 0.5; },                   // 45 slanted halves
        [](double u, double v, double) { return v < 0.2 || Stripe(u, 0.5, 0.08); },       // 46 yoke and stripe
        [](double u, double v, double) { return u < 0.1 || u > 0.9 || v > 0.88; },        // 47 bordered
        [](double, double v, double) { return Stripe(v, 0.38, 0.035) || Stripe(v, 0.47, 0.035); },  // 48 fine double hoop
        [](double u, double, double) { return u > 0.33 && u < 0.67; },                    // 49 three bands
    };
}

Bitmap8 ShirtPicture(const KitLayout& k, const ShirtFn& design) {
    const double w = k.bodyR - k.bodyL;
    return Draw(k.size, [&](int px, int py) {
        const double x = px + 0.5, y = py + 0.5;
        if (!Inside(k.body, x, y) || InNeck(k, x, y)) return -1;
        const int shade = BodyShade(k, x, y);
        if (InCollar(k, x, y)) return kTrim + std::min(shade, 2);
        const double u = (x - k.bodyL) / w, v = (y - k.bodyT) / (k.bodyB - k.bodyT);
        return (design(u, v, w) ? kSecond : kMain) + shade;
    });
}

// --- sleeves ---

struct SleeveDesign {
    int base;     // ramp of the sleeve
    int cuff;     // ramp of the cuff, -1 none
    int feature;  // 0 none, 1 stripe along, 2 hoops, 3 shoulder band, 4 two cuff lines, 5 split along
    int accent;   // ramp of the feature
};

std::vector<SleeveDesign> SleeveDesigns() {
    return {
        {kMain, kTrim, 0, 0},         {kSecond, kTrim, 0, 0},       {kMain, -1, 0, 0},
        {kSecond, -1, 0, 0},          {kMain, kSecond, 0, 0},       {kSecond, kMain, 0, 0},
        {kMain, kTrim, 1, kSecond},   {kSecond, kTrim, 1, kMain},   {kMain, kTrim, 2, kSecond},
        {kSecond, kTrim, 2, kMain},   {kTrim, kMain, 0, 0},         {kMain, kTrim, 3, kSecond},
        {kSecond, kTrim, 3, kMain},   {kMain, -1, 4, kTrim},        {kSecond, -1, 4, kTrim},
        {kMain, kSecond, 1, kTrim},   {kMain, kTrim, 5, kSecond},   {kSecond, kTrim, 5, kMain},
        {kMain, kSecond, 4, kSecond}, {kSecond, kMain, 4, kMain},   {kTrim, kTrim, 1, kMain},
        {kMain, kTrim, 1, kTrim},     {kSecond, kTrim, 1, kTrim},   {kMain, kTrim, 2, kTrim},
        {kMain, kSecond, 3, kTrim},   {kTrim, -1, 0, 0},            {kMain, kMain, 1, kSecond},
        {kSecond, kSecond, 1, kMain}, {kMain, kTrim, 4, kSecond},   {kSecond, kTrim, 3, kTrim},
    };
}

// Position along a sleeve (0 at the shoulder, 1 at the cuff) and across it.
void SleeveCoords(const Poly& s, double x, double y, double& along, double& across) {
    // The sleeve runs from the middle of its shoulder edge (points 0 and 3)
    // to the middle of its cuff edge (points 1 and 2).
    const Pt a{(s[0].x + s[3].x) / 2, (s[0].y + s[3].y) / 2}, b{(s[1].x + s[2].x) / 2, (s[1].y + s[2].y) / 2};
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    along = ((x - a.x) * dx + (y - a.y) * dy) / len2;
    const double len = std::sqrt(len2);
    across = ((x - a.x) * -dy + (y - a.y) * dx) / len / (len * 0.45);
}

Bitmap8 SleevesPicture(const KitLayout& k, const SleeveDesign& d) {
    const double cuff = k.size >= 64 ? 0.15 : 0.22;
    return Draw(k.size, [&](int px, int py) {
        const double x = px + 0.5, y = py + 0.5;
        const bool left = Inside(k.sleeveL, x, y);
        if (!left && !Inside(k.sleeveR, x, y)) return -1;
        double along, across;
        SleeveCoords(left ? k.sleeveL : k.sleeveR, x, y, along, across);
        if (!left) across = -across;
        // The lit side is the upper edge of the left sleeve; the right
        // sleeve is in shadow.
        int shade = left ? (across < -0.3 ? 0 : 1) : (across < -0.3 ? 1 : 2);
        if (d.cuff >= 0 && along > 1 - cuff) return d.cuff + shade;
        int ramp = d.base;
        switch (d.feature) {
            case 1: if (std::abs(across) < 0.22) ramp = d.accent; break;
            case 2: if (static_cast<int>(along * 4) % 2 == 1) ramp = d.accent; break;
            case 3: if (along < 0.3) ramp = d.accent; break;
            case 4: if ((along > 0.62 && along < 0.7) || (along > 0.76 && along < 0.84)) ramp = d.accent; break;
            case 5: if (across > 0) ramp = d.accent; break;
            default: break;
        }
        return ramp + shade;
    });
}

// --- shorts ---

struct ShortsDesign {
    int base;
    int feature;  // 0 plain, 1 side stripe, 2 side panel, 3 hem band, 4 waistband, 5 two side stripes,
                  // 6 legs differ, 7 piping at the hem, 8 side stripe and hem
    int accent;
};

std::vector<ShortsDesign> ShortsDesigns() {
    std::vector<ShortsDesign> out;
    for (int base : {kShortsMain, kShortsSecond}) {
        const int other = base == kShortsMain ? kShortsSecond : kShortsMain;
        out.push_back({base, 0, 0});
        for (int f = 1; f <= 8; ++f) {
            out.push_back({base, f, other});
            if (f != 6) out.push_back({base, f, kTrim});
        }
    }
    return out;  // 2 x (1 + 8 + 7) = 32
}

Bitmap8 ShortsPicture(const KitLayout& k, const ShortsDesign& d) {
    const double t = k.shortsT, b = k.shortsB;
    return Draw(k.size, [&](int px, int py) {
        const double x = px + 0.5, y = py + 0.5;
        if (!Inside(k.shorts, x, y)) return -1;
        const double v = (y - t) / (b - t);
        // Each leg's outer edge, for the side stripes.
        const double left = 39 - 6 * v, right = 89 + 6 * v;
        const double fromSide = std::min(x - left, right - x);
        int shade = x < 50 ? 0 : (x > 82 ? 2 : 1);
        if (v > 0.45 && std::abs(x - 64) < 5) shade = 2;
        int ramp = d.base;
        switch (d.feature) {
            case 1: if (fromSide < 4) ramp = d.accent; break;
            case 2: if (fromSide < 9) ramp = d.accent; break;
            case 3: if (v > 0.82) ramp = d.accent; break;
            case 4: if (v < 0.12) ramp = d.accent; break;
            case 5: if ((fromSide > 1 && fromSide < 3) || (fromSide > 5 && fromSide < 7)) ramp = d.accent; break;
            case 6: if (x > 64) ramp = d.accent; break;
            case 7: if (v > 0.86 && v < 0.92) ramp = d.accent; break;
            case 8: if (fromSide < 3.5 || v > 0.86) ramp = d.accent; break;
            default: break;
        }
        return ramp + shade;
    });
}

// The full kit's base: soft shading inside the whole kit's outline, and the
// inside of the shirt's back where the neck opens.
Bitmap8 Highlight() {
    const KitLayout k = FullLayout();
    return Draw(128, [&](int px, int py) {
        const double x = px + 0.5, y = py + 0.5;
        const bool in = Inside(k.body, x, y) || Inside(k.sleeveL, x, y) || Inside(k.sleeveR, x, y) ||
                        Inside(k.shorts, x, y);
        if (!in) return -1;
        if (InNeck(k, x, y)) return kitpal::kHighlight + 4;  // the back of the collar, inside
        const double g = std::clamp((x - 20) / 100.0 + (y - 8) / 220.0, 0.0, 1.0);
        return kitpal::kHighlight + 8 + static_cast<int>(g * 14);
    });
}

// What printing lets through: white inside the kit, black (not printed)
// round it.
Bitmap8 ShirtMask() {
    const KitLayout k = FullLayout();
    Bitmap8 b = Draw(128, [&](int px, int py) {
        const double x = px + 0.5, y = py + 0.5;
        const bool in = Inside(k.body, x, y) || Inside(k.sleeveL, x, y) || Inside(k.sleeveR, x, y) ||
                        Inside(k.shorts, x, y);
        return in ? kitpal::kWhite : -1;
    });
    for (uint8_t& p : b.pixels) p = p == kitpal::kKey ? kitpal::kBlack : kitpal::kWhite;
    return b;
}

std::string Num(const char* stem, int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%02d.bmp", stem, n);
    return buf;
}

}  // namespace

std::vector<Picture> KitPictures() {
    std::vector<Picture> out;
    const auto shirts = ShirtDesigns();
    const auto sleeves = SleeveDesigns();
    const auto shorts = ShortsDesigns();
    struct Size {
        const char* folder;
        KitLayout layout;
    };
    const Size sizes[] = {{"kits\\", FullLayout()}, {"smallkits\\", CompactLayout(32)}, {"tinykits\\", CompactLayout(22)}};
    for (const Size& s : sizes) {
        for (size_t i = 0; i < shirts.size(); ++i)
            out.push_back({"kits", s.folder + Num("shirt", static_cast<int>(i)), true, ShirtPicture(s.layout, shirts[i])});
        for (size_t i = 0; i < sleeves.size(); ++i)
            out.push_back({"kits", s.folder + Num("sleeves", static_cast<int>(i)), true,
                           SleevesPicture(s.layout, sleeves[i])});
    }
    const KitLayout full = FullLayout();
    for (size_t i = 0; i < kitpal::kShortsCount; ++i) {
        // Past the generated designs, the last two mirror the plain ones
        // with a trim waistband and hem together.
        ShortsDesign d = i < shorts.size() ? shorts[i] : ShortsDesign{i % 2 ? kShortsSecond : kShortsMain, 8, kShortsSecond};
        out.push_back({"kits", "kits\\" + Num("shorts", static_cast<int>(i)), true, ShortsPicture(full, d)});
    }
    out.push_back({"kits", "kits\\kit_highlight.bmp", true, Highlight()});
    out.push_back({"match", "surfaces\\shirtmask.bmp", false, ShirtMask()});
    return out;
}

}  // namespace art
