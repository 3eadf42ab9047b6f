#include "intro_clip.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "synth.h"

using namespace platform::gfx;

namespace introart {
namespace {

constexpr int kW = 788, kH = 550;
// Six ramps of 40 shades from black to full colour; index 0 is black.
constexpr int kShades = 40;
enum Ramp { kSky, kGrass, kConcrete, kGold, kLight, kCrowd, kRamps };
constexpr uint32_t kRampTop[kRamps] = {0x3A64C8, 0x48C050, 0xB4B8C0, 0xFFD24A, 0xFFF6E0, 0xD04038};

uint8_t Shade(Ramp r, double level) {
    const int s = std::clamp(static_cast<int>(level * (kShades - 1) + 0.5), 0, kShades - 1);
    return s == 0 ? 0 : static_cast<uint8_t>(1 + r * kShades + s);
}

std::array<uint32_t, 256> IntroPalette() {
    std::array<uint32_t, 256> p{};
    for (int r = 0; r < kRamps; ++r)
        for (int s = 0; s < kShades; ++s) {
            const double k = s / double(kShades - 1);
            // Dark shades lean blue, as things do at night.
            auto ch = [&](int shift, double night) {
                const double top = (kRampTop[r] >> shift) & 0xFF;
                return static_cast<uint32_t>(std::clamp(top * k + night * (1 - k) * k * 60, 0.0, 255.0));
            };
            p[size_t(1 + r * kShades + s)] = ch(16, 0.2) << 16 | ch(8, 0.3) << 8 | ch(0, 1.0);
        }
    return p;
}

struct Tower {
    int x, on;  // foot's x and the frame its lamps light
};
constexpr Tower kTowers[4] = {{70, 14}, {250, 26}, {540, 38}, {718, 50}};
constexpr int kHorizon = 300;     // where the pitch meets the stands
constexpr int kStandTop = 170;
constexpr int kStrike = 70, kGoal = 96, kTitle = 108, kFade = 150, kBlack = 176;

double LightAt(int frame) {
    double lit = 0;
    for (const Tower& t : kTowers) lit += std::clamp((frame - t.on) / 3.0, 0.0, 1.0);
    return lit / 4.0;
}

// The ball's place and radius at a frame of the strike.
bool Ball(int frame, double& bx, double& by, double& br) {
    if (frame < kStrike || frame > kGoal + 2) return false;
    const double t = std::min(1.0, (frame - kStrike) / double(kGoal - kStrike));
    bx = 300 + t * (662 - 300);
    by = 520 - t * (520 - 372) - std::sin(t * 3.14159) * 90;
    br = 16 - 10 * t;
    return true;
}

std::vector<uint8_t> TitleMask() {
    Surface mask(kW, kH);
    Canvas c(mask);
    auto font = Font::Create("Arial Black", 86, 900);
    c.SelectFont(font);
    c.SetBkMode(TRANSPARENT);
    c.SetTextColor(RGB(255, 255, 255));
    c.SetTextAlign(TA_CENTER);
    c.TextOut(kW / 2, 150, "Vantorel 2000");
    std::vector<uint8_t> m(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) m[size_t(y) * kW + x] = uint8_t(PixelR(mask.Get(x, y)));
    return m;
}

void RenderFrame(int frame, const std::vector<uint8_t>& title, std::vector<uint8_t>& px) {
    px.assign(size_t(kW) * kH, 0);
    if (frame >= kBlack) return;
    const double light = LightAt(frame);
    const double fade = frame < kFade ? 1.0 : std::max(0.0, 1.0 - (frame - kFade) / double(kBlack - kFade));
    auto set = [&](int x, int y, Ramp r, double level) {
        if (x >= 0 && y >= 0 && x < kW && y < kH) px[size_t(y) * kW + x] = Shade(r, std::clamp(level, 0.0, 1.0) * fade);
    };
    // Flashes in the stands after the goal, at fixed places.
    synth::Rng flashes(uint32_t(frame) * 7919u + 3u);

    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (y < kStandTop + (x < 120 || x > 668 ? 40 : 0)) {
                // The sky: deep blue, warmed into a glow above the lit towers.
                double glow = 0;
                for (const Tower& t : kTowers) {
                    const double on = std::clamp((frame - t.on) / 3.0, 0.0, 1.0);
                    const double d = std::hypot(x - t.x, (y - 70) * 1.6);
                    glow += on * std::max(0.0, 1.0 - d / 260.0) * 0.35;
                }
                set(x, y, kSky, 0.10 + 0.18 * y / kStandTop + glow);
            } else if (y < kHorizon) {
                // The stands: tiers of concrete, the crowd in bands of colour.
                const int tier = (y - kStandTop) / 26;
                const bool crowd = (y - kStandTop) % 26 > 6;
                const double lit = 0.15 + 0.6 * light;
                if (crowd && ((x / 6 + y / 4 + tier) % 3 != 0))
                    set(x, y, (x / 6 + y / 4) % 5 < 2 ? kCrowd : kConcrete, lit * (0.55 + 0.1 * (tier % 2)));
                else
                    set(x, y, kConcrete, lit * 0.45);
            } else {
                // The pitch in mown stripes, brighter towards the camera.
                const double depth = (y - kHorizon) / double(kH - kHorizon);
                const double cx = (x - kW / 2) / (0.6 + depth);
                const bool stripe = static_cast<int>(std::floor((cx + 2000) / 70)) % 2 == 0;
                set(x, y, kGrass, (0.08 + 0.62 * light) * (0.7 + 0.3 * depth) * (stripe ? 1.0 : 0.86));
            }
        }
    }
    // The white lines: halfway line and the box before the goal.
    for (int x = 60; x < 728; ++x) set(x, kHorizon + 4, kLight, 0.25 + 0.6 * light);
    for (int y = kHorizon + 4; y < 470; ++y) set(560 - (y - kHorizon) / 3, y, kLight, 0.25 + 0.6 * light);
    // The floodlight towers: a mast and a bank of lamps.
    for (const Tower& t : kTowers) {
        const double on = std::clamp((frame - t.on) / 3.0, 0.0, 1.0);
        for (int y = 60; y < kHorizon - 10; ++y)
            for (int x = t.x - 2; x <= t.x + 2; ++x) set(x, y, kConcrete, 0.2 + 0.2 * light);
        for (int y = 40; y < 64; ++y)
            for (int x = t.x - 26; x <= t.x + 26; ++x) {
                const bool lamp = (x - t.x + 26) % 9 > 1 && (y - 40) % 8 > 1;
                set(x, y, lamp ? kLight : kConcrete, lamp ? 0.15 + 0.85 * on : 0.25);
            }
    }
    // The goal and its net, which billows when the ball hits.
    const double billow = frame >= kGoal && frame < kGoal + 12 ? std::sin((frame - kGoal) / 12.0 * 3.14159) * 10 : 0;
    for (int y = 330; y <= 430; ++y)
        for (int x = 600; x <= 740; ++x) {
            const bool post = x < 604 || x > 736 || y < 334;
            const double bulge = billow * std::sin((x - 600) / 140.0 * 3.14159) * std::sin((y - 330) / 100.0 * 3.14159);
            const bool net = (int(x + bulge) % 10 == 0) || (int(y + bulge) % 10 == 0);
            if (post) set(x, y, kLight, 0.3 + 0.7 * light);
            else if (net) set(x, y, kLight, 0.15 + 0.45 * light);
        }
    // The ball, lit from above.
    double bx, by, br;
    if (Ball(frame, bx, by, br)) {
        for (int y = int(by - br); y <= int(by + br); ++y)
            for (int x = int(bx - br); x <= int(bx + br); ++x) {
                const double u = (x - bx) / br, v = (y - by) / br;
                if (u * u + v * v > 1) continue;
                const bool patch = (int((u + 1) * 3) + int((v + 1) * 3)) % 3 == 0;
                set(x, y, patch ? kConcrete : kLight, (0.55 + 0.45 * std::max(0.0, -v)) * (patch ? 0.4 : 1.0));
            }
    }
    if (frame >= kGoal && frame < kGoal + 26) {
        for (int k = 0; k < 22; ++k) {
            const int fx = flashes.Int(kW), fy = kStandTop + flashes.Int(kHorizon - kStandTop);
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    if (std::abs(dx) + std::abs(dy) <= 2) set(fx + dx, fy + dy, kLight, 1.0 - 0.2 * (std::abs(dx) + std::abs(dy)));
        }
    }
    // The title, rising out of the dark in gold.
    if (frame >= kTitle) {
        const double in = std::clamp((frame - kTitle) / 10.0, 0.0, 1.0);
        for (int y = 120; y < 290; ++y)
            for (int x = 0; x < kW; ++x) {
                const uint8_t c = title[size_t(y) * kW + x];
                const uint8_t s = y > 124 && x > 4 ? title[size_t(y - 5) * kW + x - 4] : 0;
                if (c > 110) set(x, y, kGold, in * (1.0 - 0.45 * (y - 150) / 110.0));
                else if (s > 110) set(x, y, kSky, 0.02);
            }
    }
}

synth::Stereo Soundtrack() {
    using namespace synth;
    const size_t n = size_t(kFrames) * 1470;
    Stereo out(n);
    Rng rng(2000);
    // The crowd: pink noise through a voice band, swelling with the lights
    // and roaring at the goal.
    Mono crowd = PinkNoise(n, rng);
    Filter(crowd, Biquad::BandPass(700, 0.6f));
    Mono crowd2 = PinkNoise(n, rng);
    Filter(crowd2, Biquad::BandPass(1100, 0.8f));
    const Mono wander = Wander(n, rng, 3.0f);
    for (size_t i = 0; i < n; ++i) {
        const double frame = i / 1470.0;
        double level = 0.05 + 0.25 * LightAt(int(frame));
        if (frame >= kGoal) level += 0.9 * std::exp(-(frame - kGoal) / 30.0);
        if (frame >= kFade) level *= std::max(0.0, 1.0 - (frame - kFade) / double(kBlack - kFade));
        const float w = 0.8f + 0.4f * wander[i];
        out.l[i] += float(level) * w * crowd[i];
        out.r[i] += float(level) * w * crowd2[i];
    }
    // A heavy clunk for each bank of lamps.
    for (int t = 0; t < 4; ++t) {
        Rng r(uint32_t(40 + t));
        Mono clunk = Modal({{62, 1.0f, 0.35f}, {118, 0.5f, 0.25f}, {431, 0.2f, 0.08f}, {1520, 0.08f, 0.03f}}, 0.5f, &r,
                           0.01f);
        Place(out, clunk, size_t(kTowers[t].on) * 1470, 0.7f, -0.7f + 0.47f * t);
    }
    // The ball struck, and a short stinger under the title.
    Rng kick(77);
    Mono thump = Modal({{95, 1.0f, 0.12f}, {210, 0.4f, 0.06f}}, 0.3f, &kick);
    Place(out, thump, size_t(kStrike) * 1470, 0.8f, -0.3f);
    const size_t start = size_t(kTitle) * 1470, len = size_t(1.8 * kRate);
    Mono chord(len);
    for (double hz : {196.0, 246.94, 293.66, 392.0}) {
        for (size_t i = 0; i < len; ++i) {
            const double t = i / double(kRate);
            chord[i] += float(0.18 * std::sin(2 * kPi * hz * t) * (1 - std::exp(-t * 30)) * std::exp(-t * 1.6));
        }
    }
    Place(out, chord, start, 0.8f, 0.0f);
    Reverb(out, RoomSettings{0.85f, 0.4f, 0.3f, 1.0f, 1.0f, 0.02f});
    // Everything fades with the picture; the last frame is silent.
    for (size_t i = 0; i < n; ++i) {
        const double frame = i / 1470.0;
        const float g = frame < kFade ? 1.0f : float(std::max(0.0, 1.0 - (frame - kFade) / double(kBlack - kFade)));
        out.l[i] *= g;
        out.r[i] *= g;
    }
    const float peak = Peak(out);
    if (peak > 0) Scale(out, 0.8f / peak);
    return out;
}

}  // namespace

aviwriter::Clip MakeIntroClip() {
    aviwriter::Clip clip;
    clip.palette = IntroPalette();
    const std::vector<uint8_t> title = TitleMask();
    clip.frames.resize(kFrames);
    for (int f = 0; f < kFrames; ++f) RenderFrame(f, title, clip.frames[size_t(f)]);
    const synth::Stereo sound = Soundtrack();
    clip.sound.resize(sound.size() * 2);
    for (size_t i = 0; i < sound.size(); ++i) {
        clip.sound[i * 2] = int16_t(std::clamp(sound.l[i], -1.0f, 1.0f) * 32767);
        clip.sound[i * 2 + 1] = int16_t(std::clamp(sound.r[i], -1.0f, 1.0f) * 32767);
    }
    return clip;
}

}  // namespace introart
