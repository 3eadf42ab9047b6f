#include "platform/gfx/system.h"

namespace platform::gfx {
namespace {

// The classic scheme of Windows 95/98 ("Windows Standard").
constexpr ColourRef kSysColours[kSysColourCount] = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // 3-D face
    RGB(128, 128, 128),  // 3-D shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // 3-D highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(223, 223, 223),  // 3-D light
    RGB(0, 0, 0),        // tool-tip text
    RGB(255, 255, 225),  // tool-tip background
};

Size g_desktop{1024, 768};

}  // namespace

ColourRef GetSysColor(int index) {
    if (index < 0 || index >= kSysColourCount) return RGB(0, 0, 0);
    return kSysColours[index];
}

void SetDesktopSize(Size usable) { g_desktop = usable; }
Size DesktopSize() { return g_desktop; }

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN: return g_desktop.cx;
        case SM_CYSCREEN: return g_desktop.cy;
        case SM_CXFULLSCREEN: return g_desktop.cx;
        case SM_CYFULLSCREEN: return g_desktop.cy - kCaptionHeight;
        case SM_CXVSCROLL: case SM_CYHSCROLL: return 16;
        case SM_CYCAPTION: return kCaptionHeight;
        case SM_CXBORDER: case SM_CYBORDER: return 1;
        case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
        case SM_CXICON: case SM_CYICON: return 32;
        case SM_CXCURSOR: case SM_CYCURSOR: return 32;
        case SM_CYMENU: return 19;
        case SM_CXFRAME: case SM_CYFRAME: return kFrameBorder;
        case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
        case SM_CXEDGE: case SM_CYEDGE: return 2;
        case SM_CXMENUCHECK: case SM_CYMENUCHECK: return kMenuCheck;
        default: return 0;
    }
}

}  // namespace platform::gfx
