#pragma once
// The one palette every kit pattern carries. The game overwrites the five
// colour ramps with a kit's colours; everything else is fixed.
#include <array>
#include <cstddef>
#include <cstdint>

namespace kitpal {

inline constexpr int kKey = 0;            // RGB(255, 0, 143), outside the kit
inline constexpr int kMain = 1;           // 1..8: main shirt colour
inline constexpr int kSecond = 17;        // 17..24: secondary shirt colour
inline constexpr int kShortsMain = 33;    // 33..40: main shorts colour
inline constexpr int kShortsSecond = 49;  // 49..56: secondary shorts colour
inline constexpr int kTrim = 65;          // 65..72: trim
inline constexpr int kOutline = 80;
inline constexpr int kHighlight = 96;     // 96..127: the highlight's greys
inline constexpr int kWhite = 128;
inline constexpr int kBlack = 255;
inline constexpr int kRampStarts[5] = {kMain, kSecond, kShortsMain, kShortsSecond, kTrim};

inline constexpr size_t kShirtCount = 50, kSleevesCount = 30, kShortsCount = 34;

// Blue, green, red, reserved; the ramps in neutral grey, as the game's
// white would paint them.
inline std::array<uint8_t, 1024> Palette() {
    std::array<uint8_t, 1024> p{};
    auto set = [&](int i, int r, int g, int b) {
        p[static_cast<size_t>(i) * 4] = static_cast<uint8_t>(b);
        p[static_cast<size_t>(i) * 4 + 1] = static_cast<uint8_t>(g);
        p[static_cast<size_t>(i) * 4 + 2] = static_cast<uint8_t>(r);
    };
    set(kKey, 255, 0, 143);
    for (int start : kRampStarts)
        for (int k = 0; k < 8; ++k) {
            const int v = 255 - k * 255 / 8;
            set(start + k, v, v, v);
        }
    set(kOutline, 22, 22, 28);
    set(kOutline + 1, 60, 60, 68);
    for (int i = 0; i < 32; ++i) {
        const int v = 70 + i * 5;
        set(kHighlight + i, v, v, v + 4);
    }
    set(kWhite, 255, 255, 255);
    set(kBlack, 0, 0, 0);
    return p;
}

}  // namespace kitpal
