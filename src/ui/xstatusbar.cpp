#include "ui/xstatusbar.h"

int CXStatusBar::OnCreate() {
    if (StatusBar::OnCreate() == -1) return -1;
    SetIndicators({platform::win::ID_SEPARATOR, platform::win::ID_SEPARATOR, kTextPane});
    return 0;
}
