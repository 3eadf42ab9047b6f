#pragma once
// Two colour words meet here. The game speaks Windows' COLORREF, 0x00BBGGRR;
// our surfaces hold pixels as 0x00RRGGBB, which is also the byte order
// blue, green, red, unused of a 32-bit desktop.
#include <cstdint>

namespace platform::gfx {

using ColourRef = uint32_t;  // 0x00BBGGRR
using Pixel = uint32_t;      // 0x00RRGGBB

constexpr ColourRef RGB(int r, int g, int b) {
    return static_cast<ColourRef>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int GetRValue(ColourRef c) { return static_cast<int>(c & 255); }
constexpr int GetGValue(ColourRef c) { return static_cast<int>((c >> 8) & 255); }
constexpr int GetBValue(ColourRef c) { return static_cast<int>((c >> 16) & 255); }

constexpr Pixel MakePixel(int r, int g, int b) {
    return static_cast<Pixel>(((r & 255) << 16) | ((g & 255) << 8) | (b & 255));
}
constexpr int PixelR(Pixel p) { return static_cast<int>((p >> 16) & 255); }
constexpr int PixelG(Pixel p) { return static_cast<int>((p >> 8) & 255); }
constexpr int PixelB(Pixel p) { return static_cast<int>(p & 255); }

constexpr Pixel ToPixel(ColourRef c) { return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)); }
constexpr ColourRef ToColourRef(Pixel p) { return RGB(PixelR(p), PixelG(p), PixelB(p)); }

// The transparent colour of every picture of the game, RGB(255, 0, 143).
constexpr ColourRef kKeyColourRef = RGB(255, 0, 143);
constexpr Pixel kKeyPixel = ToPixel(kKeyColourRef);

constexpr Pixel kBlack = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;

}  // namespace platform::gfx
