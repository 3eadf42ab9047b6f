#include "platform/window/metrics.h"

#include "platform/window/ui.h"

namespace platform::win {

int GetSystemMetrics(int metric) {
    Size desk{800, 600};
    if (Ui::Get().Started()) desk = Ui::Get().GetBackend().DesktopSize();
    switch (metric) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN: return desk.cx;
    case SM_CYSCREEN: return desk.cy;
    case SM_CYFULLSCREEN: return desk.cy - kCaptionHeight;
    case SM_CYCAPTION: return kCaptionHeight;
    case SM_CXFRAME:
    case SM_CYFRAME: return kFrameBorder;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return kDoubleClickDistance;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return kMenuCheck;
    default: return 0;
    }
}

uint32_t GetSysColor(int colour) {
    switch (colour) {
    case COLOR_WINDOW: return 0xFFFFFF;
    case COLOR_WINDOWTEXT: return 0x000000;
    case COLOR_3DFACE: return 0xC0C0C0;
    case COLOR_3DSHADOW: return 0x808080;
    case COLOR_GRAYTEXT: return 0x808080;
    case COLOR_BTNTEXT: return 0x000000;
    case COLOR_3DHIGHLIGHT: return 0xFFFFFF;
    case COLOR_3DDKSHADOW: return 0x000000;
    case COLOR_3DLIGHT: return 0xDFDFDF;
    case COLOR_INFOTEXT: return 0x000000;
    case COLOR_INFOBK: return 0xFFFFE1;
    default: return 0x000000;
    }
}

}  // namespace platform::win
