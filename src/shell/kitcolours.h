#pragma once
// The sixteen colours a kit's colour bytes index: the kit pictures, the
// animation clips' palettes, the match page's share bars and ball markers
// all read this one table.
#include <array>
#include <cstdint>

struct KitColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

inline constexpr int kKitColourCount = 16;

inline constexpr std::array<KitColour, kKitColourCount> kKitColours = {{
    {50, 50, 50},    {110, 140, 140}, {0, 130, 45},   {0, 170, 0},
    {255, 255, 0},   {255, 190, 10},  {255, 130, 10}, {255, 0, 0},
    {215, 10, 0},    {230, 0, 185},   {10, 70, 160},  {0, 0, 255},
    {90, 150, 250},  {0, 196, 196},   {254, 245, 200}, {255, 255, 255},
}};

// A colour byte from a kit record or the engine; bytes past the table read
// as its last entry rather than past its end.
inline constexpr KitColour KitColourAt(int index) {
    if (index < 0) index = 0;
    if (index >= kKitColourCount) index = kKitColourCount - 1;
    return kKitColours[static_cast<size_t>(index)];
}
