// The newspaper's photographs: match action, celebrations, managers,
// grounds and crowds, drawn as scenes of the figure library's people over
// painted backdrops, then given the look of newsprint photography. Picture
// n of a family draws from a seed of the family and n alone, so every build
// gives the same bytes.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "figure.h"
#include "paint.h"
#include "pictures.h"
#include "shell/kitcolours.h"
#include "shell/photofit.h"

namespace art {
namespace {

using platform::gfx::MakePixel;
using platform::gfx::PixelB;
using platform::gfx::PixelG;
using platform::gfx::PixelR;

constexpr double kPressPi = 3.14159265358979323846;
constexpr int kPressScale = 4;

struct PressRgb {
    double r = 0, g = 0, b = 0;
};
PressRgb PressMix(PressRgb a, PressRgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
PressRgb PressScaled(PressRgb a, double f) { return {a.r * f, a.g * f, a.b * f}; }
PressRgb operator+(PressRgb a, PressRgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
double PressLum(PressRgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

// A small deterministic generator (splitmix64), one per picture.
class PressRng {
public:
    // The seed is scrambled first: neighbouring seeds must not give one
    // stream shifted by a step.
    explicit PressRng(uint64_t seed) : s_(seed) { s_ = Next() ^ 0x5DEECE66Dull; }
    uint64_t Next() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double U() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
    double R(double a, double b) { return a + (b - a) * U(); }
    int I(int n) { return static_cast<int>(U() * n) % std::max(1, n); }
    bool Chance(double p) { return U() < p; }
    double Gauss() {
        const double u1 = std::max(1e-12, U()), u2 = U();
        return std::sqrt(-2 * std::log(u1)) * std::cos(2 * kPressPi * u2);
    }

private:
    uint64_t s_;
};

PressRgb KitRgb(int index) {
    const KitColour k = KitColourAt(index);
    return {double(k.red), double(k.green), double(k.blue)};
}

constexpr PressRgb kPressSkins[5] = {{232, 190, 160}, {120, 78, 52}, {214, 170, 120}, {176, 122, 84}, {240, 200, 176}};
constexpr PressRgb kPressHair[5] = {{30, 24, 20}, {92, 60, 34}, {196, 160, 96}, {120, 50, 24}, {150, 150, 150}};

// The working picture at four times the final size; every shape is given
// in final pixels.
class PressImage {
public:
    PressImage(int w, int h, PressRgb fill) : w_(w), h_(h), W_(w * kPressScale), H_(h * kPressScale),
                                               px_(static_cast<size_t>(W_) * H_, fill) {}
    int W() const { return w_; }
    int H() const { return h_; }
    int BigW() const { return W_; }
    int BigH() const { return H_; }
    PressRgb& At(int x, int y) { return px_[static_cast<size_t>(y) * W_ + x]; }
    const PressRgb& At(int x, int y) const { return px_[static_cast<size_t>(y) * W_ + x]; }

    void Put(int x, int y, PressRgb c, double a = 1) {
        if (x < 0 || y < 0 || x >= W_ || y >= H_) return;
        PressRgb& d = At(x, y);
        d = PressMix(d, c, a);
    }
    // Runs `fn` on every big pixel whose centre lies in the final-pixel box.
    template <class Fn>
    void Each(double x0, double y0, double x1, double y1, Fn fn) {
        const int bx0 = std::max(0, int(std::floor(x0 * kPressScale))), by0 = std::max(0, int(std::floor(y0 * kPressScale)));
        const int bx1 = std::min(W_ - 1, int(std::ceil(x1 * kPressScale))), by1 = std::min(H_ - 1, int(std::ceil(y1 * kPressScale)));
        for (int y = by0; y <= by1; ++y)
            for (int x = bx0; x <= bx1; ++x) fn(x, y, (x + 0.5) / kPressScale, (y + 0.5) / kPressScale);
    }
    void Box(double x0, double y0, double x1, double y1, PressRgb c, double a = 1) {
        Each(x0, y0, x1, y1, [&](int x, int y, double fx, double fy) {
            if (fx >= x0 && fx < x1 && fy >= y0 && fy < y1) Put(x, y, c, a);
        });
    }
    void Oval(double cx, double cy, double rx, double ry, PressRgb c, double a = 1) {
        Each(cx - rx, cy - ry, cx + rx, cy + ry, [&](int x, int y, double fx, double fy) {
            const double dx = (fx - cx) / rx, dy = (fy - cy) / ry;
            if (dx * dx + dy * dy <= 1) Put(x, y, c, a);
        });
    }
    // A round-ended stroke `width` final pixels thick.
    void Stroke(double x0, double y0, double x1, double y1, double width, PressRgb c, double a = 1) {
        const double r = width / 2;
        const double vx = x1 - x0, vy = y1 - y0, len2 = std::max(1e-9, vx * vx + vy * vy);
        Each(std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r,
             [&](int x, int y, double fx, double fy) {
                 const double t = std::clamp(((fx - x0) * vx + (fy - y0) * vy) / len2, 0.0, 1.0);
                 const double dx = fx - (x0 + t * vx), dy = fy - (y0 + t * vy);
                 if (dx * dx + dy * dy <= r * r) Put(x, y, c, a);
             });
    }
    void Polygon(const std::vector<std::pair<double, double>>& pts, PressRgb c, double a = 1) {
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (auto [x, y] : pts) {
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
        Each(x0, y0, x1, y1, [&](int x, int y, double fx, double fy) {
            bool in = false;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                const auto [xi, yi] = pts[i];
                const auto [xj, yj] = pts[j];
                if ((yi > fy) != (yj > fy) && fx < (xj - xi) * (fy - yi) / (yj - yi) + xi) in = !in;
            }
            if (in) Put(x, y, c, a);
        });
    }
    void Gradient(double y0, double y1, PressRgb top, PressRgb bottom) {
        Each(0, y0, w_, y1, [&](int x, int y, double, double fy) {
            if (fy >= y0 && fy < y1) At(x, y) = PressMix(top, bottom, (fy - y0) / std::max(1e-9, y1 - y0));
        });
    }
    // A box blur of the rows between y0 and y1 (final pixels), as a lens
    // shows what lies far behind the subject.
    void Soften(double y0, double y1, int radius) {
        const int by0 = std::max(0, int(y0 * kPressScale)), by1 = std::min(H_, int(y1 * kPressScale));
        if (by1 <= by0 || radius <= 0) return;
        std::vector<PressRgb> line;
        for (int pass = 0; pass < 2; ++pass) {
            for (int y = by0; y < by1; ++y) {
                line.assign(px_.begin() + static_cast<long>(y) * W_, px_.begin() + static_cast<long>(y + 1) * W_);
                for (int x = 0; x < W_; ++x) {
                    PressRgb s;
                    int n = 0;
                    for (int k = std::max(0, x - radius); k <= std::min(W_ - 1, x + radius); ++k, ++n) {
                        s.r += line[k].r, s.g += line[k].g, s.b += line[k].b;
                    }
                    At(x, y) = PressScaled(s, 1.0 / n);
                }
            }
            for (int x = 0; x < W_; ++x) {
                line.clear();
                for (int y = by0; y < by1; ++y) line.push_back(At(x, y));
                for (int y = by0; y < by1; ++y) {
                    PressRgb s;
                    int n = 0;
                    for (int k = std::max(by0, y - radius); k <= std::min(by1 - 1, y + radius); ++k, ++n) {
                        const PressRgb& p = line[static_cast<size_t>(k - by0)];
                        s.r += p.r, s.g += p.g, s.b += p.b;
                    }
                    At(x, y) = PressScaled(s, 1.0 / n);
                }
            }
        }
    }

private:
    int w_, h_, W_, H_;
    std::vector<PressRgb> px_;
};

// The figure library paints palette indexes; a scene's inks give them
// their colours.
class PressInks {
public:
    uint8_t One(PressRgb c) {
        const uint32_t key = (uint32_t(std::clamp(c.r, 0.0, 255.0)) << 16) | (uint32_t(std::clamp(c.g, 0.0, 255.0)) << 8) |
                             uint32_t(std::clamp(c.b, 0.0, 255.0));
        auto it = index_.find(key);
        if (it != index_.end()) return it->second;
        if (next_ > 255) return 255;
        colours_[static_cast<size_t>(next_)] = c;
        index_[key] = static_cast<uint8_t>(next_);
        return static_cast<uint8_t>(next_++);
    }
    Shade Ramp(PressRgb c) {
        auto clampc = [](PressRgb x) { return PressRgb{std::min(255.0, x.r), std::min(255.0, x.g), std::min(255.0, x.b)}; };
        return {One(clampc(PressScaled(c, 1.2))), One(c), One(PressScaled(c, 0.6))};
    }
    PressRgb Of(uint8_t i) const { return colours_[i]; }

private:
    std::array<PressRgb, 256> colours_{};
    std::map<uint32_t, uint8_t> index_;
    int next_ = 1;
};

struct PressKit {
    PressRgb shirt, shorts, socks;
};

PressKit RandomKit(PressRng& rng) {
    const int shirt = rng.I(16);
    int shorts = rng.Chance(0.5) ? 15 : rng.I(16);
    if (shorts == shirt && rng.Chance(0.7)) shorts = shirt == 0 ? 15 : 0;
    const int socks = rng.Chance(0.6) ? shirt : shorts;
    return {KitRgb(shirt), KitRgb(shorts), KitRgb(socks)};
}

// A second kit that reads apart from the first.
PressKit OtherKit(PressRng& rng, const PressKit& a) {
    for (int tries = 0; tries < 20; ++tries) {
        PressKit k = RandomKit(rng);
        if (std::abs(PressLum(k.shirt) - PressLum(a.shirt)) > 60) return k;
    }
    return {PressLum(a.shirt) > 128 ? KitRgb(10) : KitRgb(15), KitRgb(0), KitRgb(15)};
}

// People drawn by the figure library onto a layer, then laid over the
// picture.
class PressCast {
public:
    PressCast(PressImage& img) : img_(img), layer_(img.BigW(), img.BigH(), 0) {}

    FigureStyle Player(const PressKit& k, PressRng& rng) {
        FigureStyle st;
        const int skin = rng.I(5);
        st.skin = inks_.Ramp(kPressSkins[skin]);
        st.hair = inks_.One(kPressHair[skin == 1 || skin == 3 ? 0 : rng.I(4)]);
        st.shirt = inks_.Ramp(k.shirt);
        st.shorts = inks_.Ramp(k.shorts);
        st.socks = inks_.Ramp(k.socks);
        st.boots = inks_.One({20, 20, 22});
        st.outline = inks_.One({28, 24, 22});
        st.bald = rng.Chance(0.06);
        return st;
    }
    FigureStyle Keeper(PressRng& rng) {
        PressKit k{KitRgb(rng.Chance(0.5) ? 3 : (rng.Chance(0.5) ? 5 : 0)), KitRgb(0), KitRgb(0)};
        FigureStyle st = Player(k, rng);
        st.longSleeves = true;
        st.gloves = inks_.Ramp({235, 235, 220});
        return st;
    }
    FigureStyle Suit(PressRng& rng, bool tracksuit = false) {
        FigureStyle st;
        const int skin = rng.I(5);
        st.skin = inks_.Ramp(kPressSkins[skin]);
        st.hair = inks_.One(kPressHair[rng.I(5)]);
        static const PressRgb kSuits[4] = {{34, 36, 44}, {58, 58, 64}, {30, 38, 70}, {70, 60, 50}};
        const PressRgb suit = tracksuit ? KitRgb(rng.I(16)) : kSuits[rng.I(4)];
        st.shirt = inks_.Ramp(suit);
        st.shorts = inks_.Ramp(tracksuit ? PressScaled(suit, 0.5) : suit);
        st.socks = st.shorts;
        st.boots = inks_.One({18, 16, 16});
        st.outline = inks_.One({22, 20, 20});
        st.longSleeves = true;
        st.trousers = true;
        st.bald = rng.Chance(0.25);
        return st;
    }
    FigureStyle Referee(PressRng& rng, bool red) {
        PressKit k{rng.Chance(0.7) ? PressRgb{28, 28, 30} : PressRgb{230, 220, 40}, {24, 24, 26}, {24, 24, 26}};
        FigureStyle st = Player(k, rng);
        st.prop = Prop::Card;
        st.propColour = inks_.Ramp(red ? PressRgb{220, 20, 20} : PressRgb{250, 220, 20});
        return st;
    }
    void Draw(double footX, double footY, double height, const FigureStyle& st, Pose pose, double phase = 0.5,
              int facing = 1, double lift = 0) {
        PoseState ps;
        ps.pose = pose;
        ps.phase = phase;
        ps.facing = facing;
        ps.lift = lift;
        DrawFigure(layer_, footX * kPressScale, footY * kPressScale, height * kPressScale, st, ps);
    }
    // Lays the figures over the picture and starts an empty layer.
    void Print() {
        for (int y = 0; y < layer_.Height(); ++y)
            for (int x = 0; x < layer_.Width(); ++x) {
                const uint8_t c = layer_.Get(x, y);
                if (c) img_.At(x, y) = inks_.Of(c);
            }
        layer_ = Canvas8(img_.BigW(), img_.BigH(), 0);
    }

private:
    PressImage& img_;
    Canvas8 layer_;
    PressInks inks_;
};

// ---- Backdrops ----

void Sky(PressImage& im, double y1, PressRng& rng) {
    const bool night = rng.Chance(0.35);
    im.Gradient(0, y1, night ? PressRgb{20, 26, 52} : PressRgb{120, 160, 210},
                night ? PressRgb{50, 60, 90} : PressRgb{200, 215, 230});
}

// Grass seen from the stands: mowing stripes fanning from a vanishing
// point, a line or two.
void Pitch(PressImage& im, double horizon, PressRng& rng, bool lines = true) {
    const double vx = rng.R(-0.5, 1.5) * im.W();
    const double fan = rng.R(2.0, 4.0);
    const PressRgb g1{56, 128, 52}, g2{74, 150, 64};
    im.Each(0, horizon, im.W(), im.H(), [&](int x, int y, double fx, double fy) {
        if (fy < horizon) return;
        const double d = fy - horizon + 2;
        const int stripe = int(std::floor((fx - vx) / d * fan / 4 + 100));
        PressRgb c = (stripe & 1) ? g1 : g2;
        c = PressScaled(c, 0.85 + 0.25 * std::min(1.0, d / im.H()));
        c = c + PressRgb{(Noise(uint32_t(x), uint32_t(y), 7) - 0.5) * 14, (Noise(uint32_t(x), uint32_t(y), 8) - 0.5) * 14, 0};
        im.At(x, y) = c;
    });
    if (lines) {
        const double ly = horizon + rng.R(4, (im.H() - horizon) * 0.6);
        im.Box(0, ly, im.W(), ly + 0.5 + (ly - horizon) * 0.03, {230, 235, 225}, 0.85);
        if (rng.Chance(0.6)) {
            const double x0 = rng.R(0.1, 0.9) * im.W();
            im.Stroke(x0, horizon, x0 + (x0 - vx) * (im.H() - horizon) / 10.0, im.H(), 0.7, {230, 235, 225}, 0.8);
        }
    }
}

// Rows of spectators: heads and shoulders in the colours of their clubs,
// softened when the lens keeps them far behind.
void Crowd(PressImage& im, double y0, double y1, double size, PressRng& rng, const PressKit& home, int blur) {
    im.Box(0, y0, im.W(), y1, {34, 32, 40});
    for (double y = y0 + size * 0.8; y < y1 + size; y += size * 0.9) {
        for (double x = -size + rng.R(0, size); x < im.W() + size; x += size * rng.R(0.75, 1.05)) {
            if (rng.Chance(0.06)) continue;  // an empty seat
            const double r = rng.U();
            PressRgb body = r < 0.45 ? home.shirt
                            : r < 0.6 ? home.shorts
                                      : PressRgb{rng.R(30, 220), rng.R(30, 200), rng.R(30, 200)};
            body = PressScaled(body, rng.R(0.6, 1.0));
            const double up = rng.Chance(0.15) ? size * 0.5 : 0;  // standing
            im.Oval(x, y - up, size * 0.48, size * 0.55, body);
            im.Oval(x, y - size * 0.62 - up, size * 0.25, size * 0.3, PressScaled(kPressSkins[rng.I(5)], rng.R(0.7, 1.0)));
            if (rng.Chance(0.08)) im.Stroke(x, y - up, x + rng.R(-0.3, 0.3) * size, y - size * 1.5 - up, size * 0.2, body);
        }
    }
    if (blur > 0) im.Soften(y0, y1, blur);
}

// Advertising boards: panels of strong colour with blurred marks, never a
// legible word.
void Boards(PressImage& im, double y0, double y1, PressRng& rng, int blur) {
    double x = -rng.R(0, 20);
    while (x < im.W()) {
        const double w = rng.R(22, 40);
        const PressRgb bg = KitRgb(rng.I(16));
        im.Box(x, y0, x + w, y1, bg);
        const PressRgb mark = PressLum(bg) > 140 ? PressRgb{30, 30, 60} : PressRgb{240, 240, 235};
        const double h = y1 - y0;
        const double bx = x + w * rng.R(0.1, 0.3);
        im.Box(bx, y0 + h * 0.3, bx + w * rng.R(0.3, 0.55), y0 + h * 0.7, mark);
        if (rng.Chance(0.6)) im.Oval(x + w * 0.82, y0 + h * 0.5, h * 0.25, h * 0.25, KitRgb(rng.I(16)));
        im.Box(x + w - 0.4, y0, x + w, y1, {20, 20, 20}, 0.6);
        x += w;
    }
    if (blur > 0) im.Soften(y0, y1, blur);
}

void Floodlight(PressImage& im, double x, double top, double bottom) {
    im.Stroke(x, top + 6, x, bottom, 1.2, {70, 72, 80});
    im.Box(x - 6, top, x + 6, top + 7, {60, 60, 70});
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) im.Oval(x - 4.5 + i * 3, top + 1.8 + j * 3.2, 1.2, 1.2, {255, 250, 220});
}

// A goal seen from the front: posts, bar and the net's mesh.
void GoalFrame(PressImage& im, double x0, double x1, double yBar, double yGround) {
    const double depth = (x1 - x0) * 0.12;
    im.Box(x0 + depth, yBar + depth * 0.5, x1 - depth, yGround - depth * 0.2, {200, 205, 200}, 0.18);
    for (double x = x0; x <= x1; x += 2.2) im.Stroke(x, yBar, x + (x - (x0 + x1) / 2) * -0.12, yGround, 0.25, {235, 235, 235}, 0.5);
    for (double y = yBar; y <= yGround; y += 2.2) im.Stroke(x0 + depth * 0.5, y, x1 - depth * 0.5, y, 0.25, {235, 235, 235}, 0.5);
    im.Stroke(x0, yBar, x0, yGround, 1.3, {250, 250, 250});
    im.Stroke(x1, yBar, x1, yGround, 1.3, {250, 250, 250});
    im.Stroke(x0, yBar, x1, yBar, 1.3, {250, 250, 250});
}

// The board behind a press conference: the club's emblem repeated with a
// sponsor's mark.
void PressBoard(PressImage& im, PressRng& rng) {
    const PressRgb bg = rng.Chance(0.5) ? PressRgb{235, 235, 238} : PressScaled(KitRgb(rng.I(16)), 0.55);
    im.Box(0, 0, im.W(), im.H(), bg);
    const PressRgb a = KitRgb(rng.I(16)), b = KitRgb(rng.I(16));
    const double step = rng.R(12, 18);
    for (double y = 2; y < im.H(); y += step * 0.8)
        for (double x = (int(y / step) % 2) * step / 2; x < im.W() + step; x += step) {
            im.Polygon({{x - 3, y}, {x + 3, y}, {x + 3, y + 4}, {x, y + 6}, {x - 3, y + 4}}, a);
            im.Box(x + step / 2 - 3, y + 2, x + step / 2 + 3, y + 3.5, b);
        }
}

void Building(PressImage& im, double yTop, double yBase, PressRng& rng, const PressKit& home) {
    const PressRgb wall = rng.Chance(0.5) ? PressRgb{150, 120, 100} : PressRgb{190, 186, 178};
    im.Box(0, yTop, im.W(), yBase, wall);
    // A roof line of the stand above, and its steelwork.
    im.Box(0, yTop - 6, im.W(), yTop, {90, 90, 100});
    for (double x = 4; x < im.W(); x += 14) im.Stroke(x, yTop - 6, x + 7, yTop, 0.6, {60, 60, 66});
    // The club's name band in its colours, in marks rather than letters.
    im.Box(im.W() * 0.15, yTop + 3, im.W() * 0.85, yTop + 9, home.shirt);
    for (double x = im.W() * 0.2; x < im.W() * 0.8; x += 4.5) im.Box(x, yTop + 4.5, x + 2.8, yTop + 7.5, home.shorts);
    // Windows and an entrance.
    for (double x = 4; x < im.W() - 6; x += 10)
        for (double y = yTop + 12; y < yBase - 14; y += 9) im.Box(x, y, x + 6, y + 5, {60, 70, 90});
    const double gx = im.W() * rng.R(0.35, 0.55);
    im.Box(gx, yBase - 16, gx + 20, yBase, {40, 36, 34});
    for (double x = gx + 1; x < gx + 20; x += 2) im.Box(x, yBase - 15, x + 0.5, yBase, {120, 120, 124});
}

// ---- Objects ----

void Ball(PressImage& im, double cx, double cy, double r) {
    im.Oval(cx, cy, r, r, {245, 245, 240});
    im.Oval(cx - r * 0.2, cy - r * 0.1, r * 0.35, r * 0.32, {30, 30, 34});
    im.Oval(cx + r * 0.55, cy + r * 0.35, r * 0.22, r * 0.22, {30, 30, 34});
    im.Oval(cx - r * 0.6, cy + r * 0.55, r * 0.2, r * 0.2, {30, 30, 34});
    im.Oval(cx + r * 0.3, cy - r * 0.65, r * 0.2, r * 0.18, {30, 30, 34});
    im.Oval(cx + r * 0.35, cy + r * 0.35, r * 0.75, r * 0.75, {0, 0, 0}, 0.12);
}

void Trophy(PressImage& im, double cx, double top, double h, bool gold) {
    const PressRgb m = gold ? PressRgb{220, 180, 60} : PressRgb{200, 204, 210};
    const PressRgb lit = gold ? PressRgb{255, 236, 150} : PressRgb{250, 250, 255};
    const PressRgb dark = PressScaled(m, 0.55);
    const double w = h * 0.42;
    // Handles, cup, stem, base.
    im.Oval(cx - w * 0.62, top + h * 0.28, w * 0.22, h * 0.16, dark);
    im.Oval(cx + w * 0.62, top + h * 0.28, w * 0.22, h * 0.16, dark);
    im.Oval(cx - w * 0.62, top + h * 0.28, w * 0.1, h * 0.08, {0, 0, 0}, 0);
    im.Polygon({{cx - w * 0.5, top}, {cx + w * 0.5, top}, {cx + w * 0.3, top + h * 0.5}, {cx - w * 0.3, top + h * 0.5}}, m);
    im.Oval(cx, top, w * 0.5, h * 0.05, lit);
    im.Box(cx - w * 0.08, top + h * 0.5, cx + w * 0.08, top + h * 0.78, m);
    im.Box(cx - w * 0.35, top + h * 0.78, cx + w * 0.35, top + h, dark);
    im.Box(cx - w * 0.25, top + h * 0.05, cx - w * 0.12, top + h * 0.42, lit, 0.8);
}

void Boots(PressImage& im, double cx, double cy, double s, PressRgb c) {
    for (int k = 0; k < 2; ++k) {
        const double x = cx - s * 0.3 + k * s * 0.55, y = cy - k * s * 0.15;
        im.Polygon({{x - s * 0.45, y - s * 0.25}, {x - s * 0.1, y - s * 0.25}, {x + s * 0.05, y - s * 0.05},
                    {x + s * 0.5, y}, {x + s * 0.5, y + s * 0.15}, {x - s * 0.45, y + s * 0.15}}, c);
        im.Stroke(x - s * 0.3, y - s * 0.05, x + s * 0.3, y + s * 0.05, s * 0.06, {245, 245, 245});
        for (int i = 0; i < 4; ++i) im.Box(x - s * 0.4 + i * s * 0.25, y + s * 0.15, x - s * 0.34 + i * s * 0.25, y + s * 0.22, {200, 200, 200});
    }
}

void Whistle(PressImage& im, double cx, double cy, double s) {
    im.Oval(cx, cy, s * 0.3, s * 0.3, {180, 184, 190});
    im.Box(cx, cy - s * 0.3, cx + s * 0.6, cy, {190, 194, 200});
    im.Oval(cx - s * 0.05, cy - s * 0.05, s * 0.1, s * 0.1, {40, 40, 40});
    im.Stroke(cx - s * 0.3, cy, cx - s * 0.9, cy + s * 0.6, s * 0.06, {200, 30, 30});
}

void Contract(PressImage& im, double cx, double cy, double s) {
    im.Polygon({{cx - s * 0.45, cy - s * 0.55}, {cx + s * 0.4, cy - s * 0.6}, {cx + s * 0.48, cy + s * 0.55}, {cx - s * 0.38, cy + s * 0.6}},
               {245, 242, 232});
    for (int i = 0; i < 7; ++i)
        im.Stroke(cx - s * 0.32, cy - s * 0.42 + i * s * 0.12, cx + s * 0.3, cy - s * 0.44 + i * s * 0.12, s * 0.03, {90, 90, 100});
    im.Stroke(cx - s * 0.2, cy + s * 0.45, cx + s * 0.1, cy + s * 0.4, s * 0.03, {20, 30, 120});
    im.Stroke(cx + s * 0.05, cy + s * 0.45, cx + s * 0.6, cy - s * 0.1, s * 0.08, {20, 20, 24});
}

void Microphone(PressImage& im, double cx, double cy, double s, PressRgb flag) {
    im.Stroke(cx, cy, cx + s * 0.15, cy + s * 0.9, s * 0.12, {30, 30, 34});
    im.Box(cx - s * 0.15, cy + s * 0.15, cx + s * 0.17, cy + s * 0.4, flag);
    im.Oval(cx, cy - s * 0.05, s * 0.18, s * 0.22, {70, 70, 76});
    im.Oval(cx - s * 0.05, cy - s * 0.12, s * 0.06, s * 0.07, {150, 150, 156});
}

void Medal(PressImage& im, double cx, double cy, double s, PressRng& rng) {
    const PressRgb ribbon = KitRgb(rng.I(16));
    im.Polygon({{cx - s * 0.3, cy - s * 0.8}, {cx - s * 0.1, cy - s * 0.8}, {cx + s * 0.05, cy}, {cx - s * 0.1, cy}}, ribbon);
    im.Polygon({{cx + s * 0.3, cy - s * 0.8}, {cx + s * 0.1, cy - s * 0.8}, {cx - s * 0.05, cy}, {cx + s * 0.1, cy}}, PressScaled(ribbon, 0.7));
    im.Oval(cx, cy + s * 0.25, s * 0.32, s * 0.32, {210, 170, 60});
    im.Oval(cx, cy + s * 0.25, s * 0.2, s * 0.2, {240, 210, 110});
}

void Scarf(PressImage& im, double cx, double cy, double s, const PressKit& k) {
    for (int i = 0; i < 10; ++i) {
        const double x = cx - s * 0.9 + i * s * 0.18;
        const double y = cy + std::sin(i * 0.7) * s * 0.2;
        im.Box(x, y - s * 0.16, x + s * 0.18, y + s * 0.16, (i % 2) ? k.shirt : k.shorts);
    }
    for (int i = 0; i < 5; ++i) im.Stroke(cx + s * 0.9, cy + (i - 2) * s * 0.06, cx + s * 1.05, cy + (i - 2) * s * 0.07, s * 0.03, k.shirt);
}

// ---- The press look ----

struct PressFinal {
    int w = 0, h = 0;
    std::vector<PressRgb> px;
};

PressFinal ShrinkPress(const PressImage& im) {
    PressFinal f{im.W(), im.H(), {}};
    f.px.resize(static_cast<size_t>(f.w) * f.h);
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
            PressRgb s;
            for (int j = 0; j < kPressScale; ++j)
                for (int i = 0; i < kPressScale; ++i) s = s + im.At(x * kPressScale + i, y * kPressScale + j);
            f.px[static_cast<size_t>(y) * f.w + x] = PressScaled(s, 1.0 / (kPressScale * kPressScale));
        }
    return f;
}

// Grey by luminance (or colour a third less saturated, a little warm), a
// slight blur, grain, the hard contrast of newsprint and a light vignette.
void PressLook(PressFinal& f, bool grey, PressRng& rng) {
    for (PressRgb& p : f.px) {
        const double l = PressLum(p);
        if (grey) p = {l, l, l};
        else p = PressRgb{(l + (p.r - l) * 2 / 3) * 1.04 + 4, l + (p.g - l) * 2 / 3 + 1, (l + (p.b - l) * 2 / 3) * 0.93};
    }
    // A blur of 0.6 px: a three-tap Gaussian each way.
    const double side = std::exp(-1.0 / (2 * 0.36)), sum = 1 + 2 * side;
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<PressRgb> src = f.px;
        for (int y = 0; y < f.h; ++y)
            for (int x = 0; x < f.w; ++x) {
                auto at = [&](int xx, int yy) {
                    xx = std::clamp(xx, 0, f.w - 1), yy = std::clamp(yy, 0, f.h - 1);
                    return src[static_cast<size_t>(yy) * f.w + xx];
                };
                const PressRgb a = pass ? at(x, y - 1) : at(x - 1, y), b = pass ? at(x, y + 1) : at(x + 1, y);
                f.px[static_cast<size_t>(y) * f.w + x] = PressScaled(at(x, y) + PressScaled(a + b, side), 1 / sum);
            }
    }
    // Press contrast about the picture's middle grey, kept inside the range a
    // printed photograph reads well in.
    double mean = 0;
    for (const PressRgb& p : f.px) mean += PressLum(p);
    mean /= double(f.px.size());
    double var = 0;
    for (const PressRgb& p : f.px) var += (PressLum(p) - mean) * (PressLum(p) - mean);
    const double sd = std::sqrt(var / double(f.px.size()));
    const double gain = std::clamp(std::max(1.2, 42.0 / std::max(1.0, sd)), 1.0, 2.2);
    const double centre = std::clamp(mean, 95.0, 160.0);
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
            PressRgb& p = f.px[static_cast<size_t>(y) * f.w + x];
            const double dx = (x + 0.5) / f.w - 0.5, dy = (y + 0.5) / f.h - 0.5;
            const double vignette = 1 - 0.55 * (dx * dx + dy * dy);
            const double grain = rng.Gauss() * 6;
            auto tone = [&](double v) {
                v = centre + (v - mean) * gain;
                return std::clamp(v * vignette + grain, 0.0, 255.0);
            };
            p = {tone(p.r), tone(p.g), tone(p.b)};
        }
}

// Entry 255 holds the key colour, and no pixel uses it.
Bitmap8 PressBitmap(const PressFinal& f, bool grey) {
    Bitmap8 b;
    b.width = f.w;
    b.height = f.h;
    b.coloursUsed = 256;
    b.pixels.resize(f.px.size());
    if (grey) {
        for (int i = 0; i < 255; ++i) {
            const uint8_t v = static_cast<uint8_t>(std::lround(i * 255.0 / 254.0));
            b.palette[i * 4] = b.palette[i * 4 + 1] = b.palette[i * 4 + 2] = v;
        }
        for (size_t i = 0; i < f.px.size(); ++i)
            b.pixels[i] = static_cast<uint8_t>(std::clamp<long>(std::lround(f.px[i].r * 254.0 / 255.0), 0, 254));
    } else {
        Surface s(f.w, f.h);
        for (int y = 0; y < f.h; ++y)
            for (int x = 0; x < f.w; ++x) {
                const PressRgb& p = f.px[static_cast<size_t>(y) * f.w + x];
                Pixel px = MakePixel(int(std::lround(p.r)), int(std::lround(p.g)), int(std::lround(p.b)));
                if (px == platform::gfx::kKeyPixel) px = MakePixel(254, 0, 143);
                s.Row(y)[x] = px;
            }
        // Quantised as a keyed picture (the key at entry 0, which no pixel
        // takes), then the key moved to the last entry.
        Bitmap8 q = Quantise(s, true, true);
        for (int i = 0; i < 255; ++i)
            for (int c = 0; c < 4; ++c) b.palette[i * 4 + c] = q.palette[(i + 1) * 4 + c];
        for (size_t i = 0; i < q.pixels.size(); ++i) b.pixels[i] = static_cast<uint8_t>(std::max(1, int(q.pixels[i])) - 1);
    }
    b.palette[255 * 4] = static_cast<uint8_t>(PixelB(platform::gfx::kKeyPixel));
    b.palette[255 * 4 + 1] = static_cast<uint8_t>(PixelG(platform::gfx::kKeyPixel));
    b.palette[255 * 4 + 2] = static_cast<uint8_t>(PixelR(platform::gfx::kKeyPixel));
    return b;
}

Bitmap8 Develop(const PressImage& im, bool grey, PressRng& rng) {
    PressFinal f = ShrinkPress(im);
    PressLook(f, grey, rng);
    return PressBitmap(f, grey);
}

// ---- The big photographs: colour, upright 111 x 150 ----

constexpr int kBigW = 111, kBigH = 150;

// The ground behind close action: crowd, boards, grass from the horizon.
void ActionBackdrop(PressImage& im, PressRng& rng, const PressKit& home, double boardsTop) {
    Crowd(im, 0, boardsTop, rng.R(5, 8), rng, home, 5);
    Boards(im, boardsTop, boardsTop + 9, rng, 3);
    Pitch(im, boardsTop + 9, rng);
}

void BigCelebration(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    ActionBackdrop(im, rng, k, rng.R(30, 55));
    PressCast cast(im);
    // Team-mates running in behind, the scorer in front.
    const int mates = 1 + rng.I(3);
    for (int i = 0; i < mates; ++i)
        cast.Draw(rng.R(5, 105), rng.R(95, 115), rng.R(55, 75), cast.Player(k, rng), rng.Chance(0.5) ? Pose::Run : Pose::ArmsUp,
                  rng.U(), rng.Chance(0.5) ? 1 : -1);
    static const Pose kJoy[4] = {Pose::ArmsUp, Pose::KneeSlide, Pose::Jump, Pose::Point};
    const Pose p = kJoy[rng.I(4)];
    const double h = rng.R(105, 130);
    cast.Draw(rng.R(45, 66), p == Pose::KneeSlide ? 148 : 146, h, cast.Player(k, rng), p, p == Pose::Jump ? 0.5 : rng.U(),
              rng.Chance(0.5) ? 1 : -1);
    cast.Print();
}

void BigShot(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    ActionBackdrop(im, rng, k, rng.R(25, 45));
    PressCast cast(im);
    const int dir = rng.Chance(0.5) ? 1 : -1;
    const double fx = dir > 0 ? rng.R(35, 50) : rng.R(61, 76);
    const double h = rng.R(95, 120);
    if (rng.Chance(0.7))
        cast.Draw(fx - dir * rng.R(20, 35), 132, h * 0.85, cast.Player(o, rng), rng.Chance(0.5) ? Pose::Run : Pose::Tackle, rng.U(), dir);
    cast.Draw(fx, 145, h, cast.Player(k, rng), Pose::Kick, rng.R(0.45, 0.7), dir);
    cast.Print();
    Ball(im, fx + dir * h * 0.34, 145 - h * 0.08 - rng.R(0, 10), h * 0.05);
}

void BigHeader(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    Sky(im, 60, rng);
    Crowd(im, rng.R(30, 50), 90, rng.R(5, 7), rng, k, 6);
    Pitch(im, 90, rng, false);
    PressCast cast(im);
    const int dir = rng.Chance(0.5) ? 1 : -1;
    const double h = rng.R(80, 95);
    cast.Draw(55 - dir * 14, 140, h, cast.Player(o, rng), Pose::Header, 0.4, dir);
    const double fx = 55 + dir * rng.R(0, 8);
    cast.Draw(fx, 146, h, cast.Player(k, rng), Pose::Header, 0.5, dir);
    cast.Print();
    Ball(im, fx + dir * h * 0.16, 146 - h * 1.2, h * 0.055);
}

void BigSave(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 50, rng.R(5, 7), rng, k, 6);
    Boards(im, 50, 58, rng, 3);
    Pitch(im, 58, rng, false);
    GoalFrame(im, -10, kBigW + 10, 20, 120);
    PressCast cast(im);
    const int dir = rng.Chance(0.5) ? 1 : -1;
    const double h = rng.R(80, 100);
    const bool dive = rng.Chance(0.7);
    cast.Draw(55 - dir * 20, 132, h, cast.Keeper(rng), dive ? Pose::Dive : Pose::Catch, dive ? rng.R(0.45, 0.65) : 0.5, dir);
    cast.Print();
    if (dive) Ball(im, 55 + dir * rng.R(28, 42), 132 - h * rng.R(0.7, 0.95), h * 0.055);
    else Ball(im, 55 - dir * 20, 132 - h * 0.62, h * 0.055);
}

void BigTackle(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    ActionBackdrop(im, rng, k, rng.R(30, 55));
    PressCast cast(im);
    const int dir = rng.Chance(0.5) ? 1 : -1;
    const double h = rng.R(85, 105);
    cast.Draw(55 + dir * 18, 132, h, cast.Player(o, rng), rng.Chance(0.5) ? Pose::Fall : Pose::Run, rng.R(0.2, 0.5), dir);
    cast.Draw(55 - dir * 18, 146, h, cast.Player(k, rng), Pose::Tackle, 0.5, dir);
    cast.Print();
    Ball(im, 55 + dir * rng.R(5, 25), 143, h * 0.05);
}

void Confetti(PressImage& im, PressRng& rng, double density) {
    const int n = int(im.W() * im.H() * density);
    for (int i = 0; i < n; ++i) {
        const double x = rng.R(0, im.W()), y = rng.R(0, im.H());
        im.Box(x, y, x + rng.R(0.6, 1.5), y + rng.R(0.4, 1.0), KitRgb(rng.I(16)));
    }
}

void BigTrophy(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 90, rng.R(5, 8), rng, k, 6);
    Pitch(im, 90, rng, false);
    PressCast cast(im);
    for (int i = 0; i < 4; ++i)
        cast.Draw(rng.R(0, 111), rng.R(120, 135), rng.R(60, 75), cast.Player(k, rng), i % 2 ? Pose::ArmsUp : Pose::Clap, rng.U());
    const double h = rng.R(95, 110), fx = rng.R(48, 62);
    cast.Draw(fx, 160, h, cast.Player(k, rng), Pose::HoldUp, 0.5);
    cast.Print();
    Trophy(im, fx, 160 - h * 1.35, h * 0.32, rng.Chance(0.5));
    Confetti(im, rng, 0.02);
}

void BigManager(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, rng.R(55, 75), rng.R(5, 8), rng, k, 7);
    const double top = im.H() * 0.48;
    Boards(im, top, top + 10, rng, 4);
    Pitch(im, top + 10, rng);
    PressCast cast(im);
    static const Pose kTouchline[5] = {Pose::Point, Pose::Shout, Pose::Watch, Pose::Protest, Pose::Stand};
    const Pose p = kTouchline[rng.I(5)];
    const int dir = rng.Chance(0.5) ? 1 : -1;
    if (rng.Chance(0.5)) cast.Draw(55 + dir * 40, 150, 105, cast.Suit(rng, true), Pose::Stand, 0, dir);
    cast.Draw(rng.R(45, 65), 158, rng.R(120, 140), cast.Suit(rng), p, rng.U(), dir);
    cast.Print();
}

void BigCrowd(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 85, rng.R(5, 7), rng, k, 4);
    Crowd(im, 80, 150, rng.R(9, 13), rng, k, 0);
    PressCast cast(im);
    for (int i = 0; i < 3; ++i) {
        FigureStyle fan = cast.Player({k.shirt, {40, 40, 60}, {40, 40, 60}}, rng);
        fan.trousers = true;
        cast.Draw(15 + i * 40 + rng.R(-6, 6), 180, rng.R(110, 130), fan, i == 1 ? Pose::Wave : (rng.Chance(0.5) ? Pose::ArmsUp : Pose::Clap),
                  rng.U());
    }
    cast.Print();
    if (rng.Chance(0.7)) Scarf(im, rng.R(30, 80), rng.R(60, 80), rng.R(18, 26), k);
}

void BigWall(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    ActionBackdrop(im, rng, k, rng.R(20, 35));
    PressCast cast(im);
    const int n = 3 + rng.I(3);
    for (int i = 0; i < n; ++i) cast.Draw(18 + i * (75.0 / n), 98, 62, cast.Player(o, rng), Pose::Stand, 0);
    cast.Draw(rng.R(30, 80), 148, rng.R(80, 95), cast.Player(k, rng), Pose::Kick, 0.2, rng.Chance(0.5) ? 1 : -1);
    cast.Print();
    Ball(im, rng.R(40, 70), 143, 4);
}

void BigDejected(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    ActionBackdrop(im, rng, k, rng.R(35, 60));
    PressCast cast(im);
    static const Pose kSad[3] = {Pose::Kneel, Pose::Lie, Pose::Crouch};
    if (rng.Chance(0.6)) cast.Draw(rng.R(10, 100), 110, 60, cast.Player(k, rng), Pose::Walk, rng.U(), rng.Chance(0.5) ? 1 : -1);
    cast.Draw(rng.R(45, 65), 146, rng.R(100, 120), cast.Player(k, rng), kSad[rng.I(3)], 0.8, rng.Chance(0.5) ? 1 : -1);
    cast.Print();
}

// ---- The side photographs: grey, wide 111 x 72 ----

constexpr int kSideW = 111, kSideH = 72;

void SideConference(PressImage& im, PressRng& rng) {
    PressBoard(im, rng);
    PressCast cast(im);
    const int people = 1 + rng.I(2);
    for (int i = 0; i < people; ++i)
        cast.Draw(people == 1 ? rng.R(45, 65) : 30 + i * 50, 95, 80, cast.Suit(rng), i == 0 && rng.Chance(0.4) ? Pose::Point : Pose::Stand, 0);
    cast.Print();
    // The table's front and the microphones on it.
    im.Box(0, 52, im.W(), im.H(), {40, 44, 60});
    im.Box(0, 52, im.W(), 54, {200, 200, 210});
    const int mics = 3 + rng.I(4);
    for (int i = 0; i < mics; ++i) Microphone(im, 20 + i * (70.0 / mics) + rng.R(-3, 3), 42 + rng.R(-2, 2), 11, KitRgb(rng.I(16)));
}

void SideSigning(PressImage& im, PressRng& rng) {
    PressBoard(im, rng);
    const PressKit k = RandomKit(rng);
    PressCast cast(im);
    cast.Draw(30, 120, 100, cast.Player({{40, 40, 44}, {40, 40, 44}, {40, 40, 44}}, rng), Pose::Handshake, 0, 1);
    cast.Draw(80, 120, 100, cast.Suit(rng), Pose::Handshake, 0, -1);
    cast.Print();
    // The shirt held up between them.
    const double cx = 55, cy = 62;
    im.Polygon({{cx - 16, cy - 14}, {cx - 6, cy - 18}, {cx + 6, cy - 18}, {cx + 16, cy - 14}, {cx + 22, cy - 4}, {cx + 14, cy},
                {cx + 12, cy + 20}, {cx - 12, cy + 20}, {cx - 14, cy}, {cx - 22, cy - 4}},
               k.shirt);
    im.Box(cx - 3, cy - 6, cx + 3, cy + 8, k.shorts);
    im.Box(cx - 7, cy - 6, cx + 7, cy - 3, k.shorts);
}

void SideTraining(PressImage& im, PressRng& rng) {
    Sky(im, 26, rng);
    // A tree line behind the training pitches.
    for (double x = -4; x < im.W() + 4; x += rng.R(5, 9)) im.Oval(x, 24, rng.R(4, 7), rng.R(6, 10), {40 + rng.R(0, 20), 80 + rng.R(0, 30), 40});
    Pitch(im, 28, rng);
    const PressKit k = RandomKit(rng);
    PressCast cast(im);
    const int n = 3 + rng.I(4);
    for (int i = 0; i < n; ++i) {
        static const Pose kDrills[5] = {Pose::Run, Pose::Stretch, Pose::Jump, Pose::Walk, Pose::Kick};
        FigureStyle st = cast.Player(k, rng);
        st.longSleeves = rng.Chance(0.5);
        cast.Draw(rng.R(5, 106), rng.R(45, 70), rng.R(26, 40), st, kDrills[rng.I(5)], rng.U(), rng.Chance(0.5) ? 1 : -1);
    }
    cast.Print();
    for (int i = 0; i < 6; ++i) {
        const double x = 10 + i * 17 + rng.R(-3, 3), y = rng.R(50, 68);
        im.Polygon({{x - 1.5, y}, {x + 1.5, y}, {x, y - 3}}, {250, 140, 20});
    }
    Ball(im, rng.R(10, 100), rng.R(58, 68), 1.5);
}

void SideStadium(PressImage& im, PressRng& rng) {
    Sky(im, 40, rng);
    const PressKit k = RandomKit(rng);
    const double top = rng.R(14, 24);
    Building(im, top, 62, rng, k);
    Floodlight(im, rng.R(4, 18), 1, top);
    Floodlight(im, rng.R(92, 106), 1, top);
    im.Box(0, 62, im.W(), im.H(), {120, 118, 112});
    PressCast cast(im);
    for (int i = 0; i < 4 + rng.I(5); ++i) cast.Draw(rng.R(0, 111), rng.R(64, 74), rng.R(14, 18), cast.Suit(rng), Pose::Walk, rng.U(), rng.Chance(0.5) ? 1 : -1);
    cast.Print();
}

void SideWideAction(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    Crowd(im, 0, 18, 3, rng, k, 2);
    Boards(im, 18, 23, rng, 1);
    Pitch(im, 23, rng);
    PressCast cast(im);
    const int n = 4 + rng.I(5);
    std::vector<std::pair<double, int>> ys;
    for (int i = 0; i < n; ++i) ys.push_back({rng.R(34, 72), i});
    std::sort(ys.begin(), ys.end());
    for (auto [y, i] : ys) {
        const double h = 12 + (y - 30) * 0.55;
        cast.Draw(rng.R(5, 106), y, h, cast.Player(i % 2 ? o : k, rng), rng.Chance(0.7) ? Pose::Run : Pose::Kick, rng.U(),
                  rng.Chance(0.5) ? 1 : -1);
    }
    cast.Print();
    Ball(im, rng.R(20, 90), rng.R(45, 65), 1.6);
}

void SideCrowd(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 72, rng.R(5, 9), rng, k, rng.Chance(0.5) ? 2 : 0);
    if (rng.Chance(0.5)) {
        // A banner along the front of the stand.
        const double y = rng.R(40, 60);
        im.Box(0, y, im.W(), y + 8, k.shirt);
        for (double x = 6; x < im.W() - 6; x += 7) im.Box(x, y + 2, x + 4, y + 6, k.shorts);
    }
}

void SideDugout(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 30, 4, rng, k, 3);
    // The shelter: a dark back, perspex roof, a row of seats.
    im.Box(0, 16, im.W(), 60, {50, 52, 60});
    im.Polygon({{0, 10}, {im.W(), 10}, {im.W(), 18}, {0, 22}}, {170, 190, 200});
    for (double x = 3; x < im.W(); x += 11) im.Box(x, 44, x + 9, 52, PressScaled(k.shirt, 0.8));
    PressCast cast(im);
    for (int i = 0; i < 5; ++i)
        cast.Draw(8 + i * 22 + rng.R(-3, 3), 66, rng.R(40, 46), i == 2 ? cast.Suit(rng) : cast.Suit(rng, true),
                  i == 2 ? (rng.Chance(0.5) ? Pose::Shout : Pose::Point) : Pose::Crouch, rng.U(), 1);
    cast.Print();
    im.Box(0, 64, im.W(), im.H(), {64, 128, 56});
}

void SideReferee(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng), o = OtherKit(rng, k);
    Crowd(im, 0, 26, 4, rng, k, 3);
    Boards(im, 26, 32, rng, 2);
    Pitch(im, 32, rng);
    PressCast cast(im);
    const int dir = rng.Chance(0.5) ? 1 : -1;
    cast.Draw(55 + dir * 25, 84, 62, cast.Player(o, rng), rng.Chance(0.5) ? Pose::Protest : Pose::Stand, 0.5, -dir);
    cast.Draw(55 - dir * 10, 90, 70, cast.Referee(rng, rng.Chance(0.4)), Pose::RaiseArm, 0.5, dir);
    cast.Print();
}

void SideFans(PressImage& im, PressRng& rng) {
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 40, 5, rng, k, 3);
    PressCast cast(im);
    for (int i = 0; i < 5; ++i) {
        FigureStyle fan = cast.Player({k.shirt, {40, 40, 60}, {40, 40, 60}}, rng);
        fan.trousers = true;
        cast.Draw(10 + i * 23 + rng.R(-4, 4), 100, rng.R(65, 80), fan, rng.Chance(0.5) ? Pose::ArmsUp : Pose::Jump, rng.U());
    }
    cast.Print();
    Scarf(im, rng.R(30, 80), rng.R(20, 35), 14, k);
}

// ---- The small photographs: grey, 52 x 44 ----

constexpr int kSmallW = 52, kSmallH = 44;

// The photo-fit pictures by their archive names, to lay faces from.
using PressFaceParts = std::map<std::string, const Bitmap8*>;

void PressFace(PressImage& im, const PressFaceParts& parts, PhotofitFace face, double left, double top) {
    std::array<FaceLayer, 8> layers;
    const int n = PhotofitLayers(face, false, layers);
    for (int i = 0; i < n; ++i) {
        std::string name = layers[static_cast<size_t>(i)].path;
        const std::string prefix = "gfx\\photofit\\";
        if (name.rfind(prefix, 0) == 0) name = name.substr(prefix.size());
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        auto it = parts.find(name);
        if (it == parts.end()) continue;
        const Bitmap8& b = *it->second;
        // One face pixel is one working pixel: a quarter of a final pixel.
        const int ox = int(left * kPressScale) + layers[static_cast<size_t>(i)].x,
                  oy = int(top * kPressScale) + layers[static_cast<size_t>(i)].y;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) {
                const uint8_t* p = b.palette.data() + b.pixels[static_cast<size_t>(y) * b.width + x] * 4;
                if (MakePixel(p[2], p[1], p[0]) == platform::gfx::kKeyPixel) continue;
                const int bx = ox + x, by = oy + y;
                if (bx >= 0 && by >= 0 && bx < im.BigW() && by < im.BigH()) im.At(bx, by) = {double(p[2]), double(p[1]), double(p[0])};
            }
    }
}

PhotofitFace RandomFace(PressRng& rng, bool older) {
    PhotofitFace f;
    f.skin = static_cast<int8_t>(rng.I(5));
    f.hairColour = static_cast<int8_t>(older && rng.Chance(0.5) ? 4 : rng.I(5));
    f.chin = static_cast<int8_t>(rng.I(12));
    f.eyes = static_cast<int8_t>(rng.I(5));
    f.hairStyle = static_cast<int8_t>(rng.I(45));
    f.mouth = static_cast<int8_t>(rng.I(7));
    f.nose = static_cast<int8_t>(rng.I(6));
    f.beard = static_cast<int8_t>(rng.Chance(older ? 0.35 : 0.2) ? 1 + rng.I(7) : 0);
    f.step = 1;
    return f;
}

// A head and shoulders: a plain studio or ground behind, shoulders in a
// kit shirt, a training top or a suit and tie, the face from the photo-fit.
void SmallPortrait(PressImage& im, PressRng& rng, const PressFaceParts& parts, bool manager) {
    const PressKit k = RandomKit(rng);
    const int back = rng.I(3);
    if (back == 0) im.Gradient(0, kSmallH, {150, 150, 160}, {90, 90, 100});
    else if (back == 1) Crowd(im, 0, kSmallH, 4, rng, k, 4);
    else PressBoard(im, rng);
    const double cx = 26 + rng.R(-2, 2);
    const int dress = manager ? (rng.Chance(0.75) ? 2 : 1) : (rng.Chance(0.8) ? 0 : 1);
    const PressRgb top = dress == 0 ? k.shirt : dress == 1 ? KitRgb(rng.I(16)) : PressRgb{36 + rng.R(0, 30), 38 + rng.R(0, 20), 50 + rng.R(0, 30)};
    im.Polygon({{cx - 24, 46}, {cx - 22, 36}, {cx - 12, 31}, {cx + 12, 31}, {cx + 22, 36}, {cx + 24, 46}}, top);
    if (dress == 2) {
        im.Polygon({{cx - 5, 31}, {cx + 5, 31}, {cx + 2, 44}, {cx - 2, 44}}, {235, 235, 240});
        im.Polygon({{cx - 1.5, 32}, {cx + 1.5, 32}, {cx + 2, 42}, {cx, 44}, {cx - 2, 42}}, KitRgb(rng.I(16)));
        im.Stroke(cx - 5, 31, cx - 1, 44, 1.2, PressScaled(top, 0.6));
        im.Stroke(cx + 5, 31, cx + 1, 44, 1.2, PressScaled(top, 0.6));
    } else if (dress == 0) {
        im.Polygon({{cx - 6, 31}, {cx + 6, 31}, {cx, 36}}, k.shorts);
    } else {
        im.Stroke(cx, 32, cx, 46, 0.6, {220, 220, 220});
    }
    PressFace(im, parts, RandomFace(rng, manager), cx - 11.5, 3.5 + rng.R(-1, 1.5));
}

void SmallObject(PressImage& im, PressRng& rng, int n) {
    const PressKit k = RandomKit(rng);
    if (rng.Chance(0.5)) im.Gradient(0, kSmallH, {200, 200, 205}, {120, 120, 128});
    else {
        Pitch(im, -10, rng, false);
    }
    switch (n % 8) {
        case 0: Trophy(im, 26, 5, 36, rng.Chance(0.5)); break;
        case 1: Ball(im, 26, 24, 14); break;
        case 2: Boots(im, 26, 26, 26, KitRgb(rng.I(16))); break;
        case 3: Whistle(im, 24, 22, 22); break;
        case 4: Contract(im, 24, 22, 34); break;
        case 5: Microphone(im, 26, 12, 28, KitRgb(rng.I(16))); break;
        case 6: Medal(im, 26, 20, 20, rng); break;
        default: Scarf(im, 26, 22, 24, k); break;
    }
}

// ---- The team photograph: 100 x 60, two rows ----

Bitmap8 TeamPhoto() {
    PressRng rng(977);
    PressImage im(100, 60, {0, 0, 0});
    const PressKit k = RandomKit(rng);
    Crowd(im, 0, 22, 3, rng, k, 3);
    Boards(im, 22, 27, rng, 1);
    Pitch(im, 27, rng, false);
    PressCast cast(im);
    for (int i = 0; i < 6; ++i) cast.Draw(12 + i * 15.2, 44, 30, i == 0 ? cast.Keeper(rng) : cast.Player(k, rng), Pose::Stand, 0);
    for (int i = 0; i < 5; ++i) cast.Draw(19 + i * 15.5, 61, 30, cast.Player(k, rng), Pose::Crouch, 0.5, i < 3 ? 1 : -1);
    cast.Print();
    return Develop(im, true, rng);
}

}  // namespace

std::vector<Picture> PressPhotos() {
    std::vector<Picture> out;
    using Scene = void (*)(PressImage&, PressRng&);
    struct Share {
        Scene scene;
        int count;
    };
    auto family = [&](const char* folder, int w, int h, bool grey, uint32_t seed, const std::vector<Share>& shares) {
        int n = 0;
        // Interleaved, so neighbouring numbers show different subjects.
        std::vector<Scene> order;
        std::vector<int> left;
        for (const Share& s : shares) left.push_back(s.count);
        for (bool any = true; any;) {
            any = false;
            for (size_t i = 0; i < shares.size(); ++i)
                if (left[i] > 0) {
                    order.push_back(shares[i].scene);
                    --left[i];
                    any = true;
                }
        }
        for (Scene scene : order) {
            ++n;
            PressRng rng(seed * 1000 + static_cast<uint32_t>(n));
            PressImage im(w, h, {0, 0, 0});
            scene(im, rng);
            out.push_back({"newspaper", std::string(folder) + "\\" + std::to_string(n) + ".bmp", false, Develop(im, grey, rng)});
        }
    };
    family("big", kBigW, kBigH, false, 1,
           {{BigCelebration, 20}, {BigShot, 15}, {BigHeader, 12}, {BigSave, 12}, {BigTackle, 10}, {BigTrophy, 10},
            {BigManager, 10}, {BigCrowd, 9}, {BigWall, 5}, {BigDejected, 5}});
    family("side", kSideW, kSideH, true, 2,
           {{SideConference, 15}, {SideSigning, 12}, {SideTraining, 12}, {SideStadium, 10}, {SideWideAction, 20},
            {SideCrowd, 10}, {SideDugout, 10}, {SideReferee, 8}, {SideFans, 6}});

    // The small family needs the photo-fit's face pictures.
    const std::vector<Picture> faces = FacePictures();
    PressFaceParts parts;
    for (const Picture& p : faces)
        if (p.archive == "photofit") parts[p.entry] = &p.bitmap;
    for (int n = 1; n <= 101; ++n) {
        PressRng rng(3000 + static_cast<uint32_t>(n));
        PressImage im(kSmallW, kSmallH, {0, 0, 0});
        // 50 players and 30 managers in turn (three of every eight are
        // managers), then 21 objects.
        if (n > 80) SmallObject(im, rng, n);
        else SmallPortrait(im, rng, parts, n % 8 == 0 || n % 8 == 3 || n % 8 == 6);
        out.push_back({"newspaper", "small\\" + std::to_string(n) + ".bmp", false, Develop(im, true, rng)});
    }
    out.push_back({"newspaper", "teamweek.bmp", false, TeamPhoto()});
    return out;
}

}  // namespace art
