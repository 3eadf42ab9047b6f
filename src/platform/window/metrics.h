#pragma once
// The classic system metrics and colours the game's layout was measured
// with, and the fixed 96 dpi.
#include <cstdint>

#include "platform/window/geometry.h"

namespace platform::win {

enum SystemMetric : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CYCAPTION = 4,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
    SM_CXFULLSCREEN = 16,
    SM_CYFULLSCREEN = 17,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
};

inline constexpr int kCaptionHeight = 19;
inline constexpr int kFrameBorder = 4;
inline constexpr int kMenuCheck = 13;
inline constexpr int kLogPixels = 96;

// The full-screen client area is the usable desktop less one caption, as the
// display check of the start-up expects.
int GetSystemMetrics(int metric);

enum SystemColour : int {
    COLOR_WINDOW = 5,
    COLOR_WINDOWTEXT = 8,
    COLOR_3DFACE = 15,
    COLOR_BTNFACE = 15,
    COLOR_3DSHADOW = 16,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_3DHIGHLIGHT = 20,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};

// 0x00RRGGBB of the classic scheme.
uint32_t GetSysColor(int colour);

}  // namespace platform::win
