#pragma once
// Menus as data (the resources the game's pop-up menus are loaded from) and
// the pop-up menu tracker: a nested loop over a menu drawn into the main
// window's picture, owner-drawn items and cascading sub-menus included,
// that ends with a choice, a click outside or Escape.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/button.h"
#include "platform/window/window.h"

namespace platform::win {

inline constexpr uint32_t MF_STRING = 0x0000;
inline constexpr uint32_t MF_GRAYED = 0x0001;
inline constexpr uint32_t MF_DISABLED = 0x0002;
inline constexpr uint32_t MF_CHECKED = 0x0008;
inline constexpr uint32_t MF_POPUP = 0x0010;
inline constexpr uint32_t MF_OWNERDRAW = 0x0100;
inline constexpr uint32_t MF_SEPARATOR = 0x0800;

inline constexpr uint32_t TPM_LEFTBUTTON = 0x0000;
inline constexpr uint32_t TPM_RIGHTBUTTON = 0x0002;
inline constexpr uint32_t TPM_RETURNCMD = 0x0100;

struct Menu;
struct MeasureItemInfo;
struct MenuDrawItemInfo;

// A menu that measures and draws its own owner-drawn items, as a menu object
// of the old framework did when the owner window passed the requests on to
// it. Without one, the requests go to the owner window.
class MenuOwnerDraw {
public:
    virtual ~MenuOwnerDraw() = default;
    virtual void MeasureItem(MeasureItemInfo& info) = 0;
    virtual void DrawItem(const MenuDrawItemInfo& info) = 0;
    // The colour under the items and in the menu's border (a pixel).
    virtual uint32_t BackgroundPixel() const;
};

struct MenuItem {
    uint32_t id = 0;
    std::string text;  // Windows-1252
    uint32_t flags = MF_STRING;
    uintptr_t itemData = 0;  // the owner's, handed back in measure and draw requests
    std::shared_ptr<Menu> popup;
};

struct Menu {
    std::vector<MenuItem> items;
    MenuOwnerDraw* ownerDraw = nullptr;  // not owned
    Menu& Append(uint32_t flags, uint32_t id, std::string text = {}, uintptr_t data = 0);
    Menu* GetSubMenu(size_t position) const;
    MenuItem* FindItem(uint32_t id);
};

// Menu resources by number, registered by whoever writes them.
void RegisterMenuResource(uint32_t id, Menu menu);
const Menu* LoadMenuResource(uint32_t id);

// An owner-drawn item's size request (WM_MEASUREITEM, the long parameter).
struct MeasureItemInfo {
    uint32_t ctlType = ODT_MENU;
    uint32_t itemId = 0;
    int itemWidth = 0;
    int itemHeight = 0;
    uintptr_t itemData = 0;
};

// The draw request of a menu item carries its data too.
struct MenuDrawItemInfo : DrawItemInfo {
    uintptr_t itemData = 0;
};

// How long the pointer rests on an item with a sub-menu before it opens.
inline constexpr uint32_t kSubMenuDelayMs = 400;

// Shows `menu` with its top left at `screen` (moved to stay inside the main
// window) and tracks it. An item with a sub-menu opens it beside itself
// after the delay, on a click, or with Right or Return; Left and Escape close
// the innermost sub-menu. The chosen item's id is returned and, unless
// TPM_RETURNCMD is given, sent to `owner` as WM_COMMAND. 0 when nothing was
// chosen. The owner gets WM_INITMENUPOPUP (the menu, its position in the
// parent) before each menu opens.
uint32_t TrackPopupMenu(const Menu& menu, uint32_t flags, Point screen, Window* owner);

// The menus open now, outermost first, as screen rectangles (for tests and
// for the owner's own hit tests while a menu runs).
std::vector<Rect> OpenMenuRects();

}  // namespace platform::win
