#pragma once
// The right press of the competition and career pages: over a list row the
// row's person menu while the manager is employed (no menu without a club),
// elsewhere the page's own menu.
#include <cstdint>

#include "screens/sectionhub.h"
#include "shell/screensinfo.h"
#include "ui/xmessages.h"

// No person menu over the rows: the page's menu wherever it is pressed.
inline constexpr int kNoRowMenu = 0;

// Call from OnRButtonDown; `base` runs the page base's right press, `shown`
// is the page's own flag. A direct press on a list comes back from the list
// relayed: the menu is shown then, and the direct press shows nothing more.
template <class Base>
void PressForPageMenu(CScreensInfo& page, uint32_t flags, platform::win::Point pt, int pageMenu, int rowMenu,
                      uint8_t& shown, Base base) {
    const bool relayed = flags == ui::kRelayedFlags;
    if (!relayed) {
        shown = 0;
        base();
        if (shown) return;
    }
    shown = 1;
    if (rowMenu != kNoRowMenu && page.HitTestListRow(pt.x, pt.y) >= 0) {
        const uintptr_t person = page.GetListRowData(pt.x, pt.y);
        if (person && HubManagerEmployed()) page.ShowContextMenu(rowMenu, pt.x, pt.y, person);
    } else {
        page.ShowContextMenu(pageMenu, pt.x, pt.y, 0);
    }
    if (relayed) base();
}
