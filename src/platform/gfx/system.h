#pragma once
// The system colour and metrics tables of the classic Windows scheme, the
// values the game's frame and widgets were laid out against.
#include "platform/gfx/colour.h"
#include "platform/gfx/geometry.h"

namespace platform::gfx {

enum SysColour : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16, COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
    COLOR_3DFACE = COLOR_BTNFACE, COLOR_3DSHADOW = COLOR_BTNSHADOW,
    COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT, COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT,
};
constexpr int kSysColourCount = 25;

// GetSysColor: black for an index outside the table.
ColourRef GetSysColor(int index);

enum SysMetric : int {
    SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
    SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8,
    SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15,
    SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17, SM_CXFRAME = 32, SM_CYFRAME = 33,
    SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXEDGE = 45, SM_CYEDGE = 46,
    SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72,
};

// GetSystemMetrics: 0 for a metric the table does not hold. The screen sizes
// come from the desktop the window layer reports (SetDesktopSize).
int GetSystemMetrics(int index);

// The desktop's usable area, in the virtual desktop's pixels. The full-screen
// metrics are that area less the caption, as Windows gave them.
void SetDesktopSize(Size usable);
Size DesktopSize();

// Classic metrics the frame is built from.
constexpr int kCaptionHeight = 19;
constexpr int kFrameBorder = 4;
constexpr int kMenuCheck = 13;

}  // namespace platform::gfx
