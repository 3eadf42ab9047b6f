#pragma once
// The right-button pop-up menu: flat items in the page's colour, a raised
// highlight, grey disabled items and engraved separators; and the menus of
// resource 131 it is filled from.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"

struct MenuResourceItem {
    uint32_t id = 0;
    std::string text;  // empty: a separator
};
struct MenuResourceSub {
    std::string name;
    std::vector<MenuResourceItem> items;
};
// Menu resource 131, read once from the compiled-in table; index = sub-menu.
const std::vector<MenuResourceSub>& MenuResource131();
// Null when the resource has no such sub-menu.
const MenuResourceSub* GetSubMenu(int index);

// The commands that need a club: greyed when the current manager has none.
bool CommandNeedsClub(uint32_t id);
// The menu colour for a menu index and the page shown (entry per screen for 0).
platform::gfx::ColourRef MenuColourFor(int menuIndex, int screenId, bool* showNothing = nullptr);

// It draws its items itself, as the tracker of the window layer asks; the
// tracker does the rest (placement, keys, clicks, the command).
class CXMenu : public platform::win::MenuOwnerDraw {
public:
    static constexpr int kMaxItems = 20;
    static constexpr int kItemHeight = 25;
    static constexpr int kCheckMarkWidth = 13;

    explicit CXMenu(platform::gfx::ColourRef colour);
    CXMenu(const CXMenu&) = delete;  // its menu points back at it
    CXMenu& operator=(const CXMenu&) = delete;

    bool AppendItem(uint32_t id, const std::string& text, const std::string& picture, bool disabled,
                    bool checked = false);
    int GetItemCount() const { return m_nItemCount; }
    int GetMenuWidth() const { return m_nMenuWidth; }
    platform::gfx::ColourRef GetColour() const { return m_Colour; }
    // Green and blue 0x11 lighter, each stopping at 255.
    platform::gfx::ColourRef HighlightColour() const;
    int GetHighlighted() const { return m_nHighlighted; }
    const std::string& GetItemText(int i) const { return m_Texts[i]; }
    uint32_t GetItemId(int i) const { return m_Ids[i]; }
    bool IsItemDisabled(int i) const { return m_Disabled[i] != 0; }
    bool IsItemChecked(int i) const { return m_Checked[i] != 0; }

    // Draws item `id` in `r`: the whole item, or a change of its selection.
    void DrawItem(platform::gfx::Canvas& dc, uint32_t id, const platform::win::Rect& r, bool drawEntire,
                  bool selectionChange, bool selected);

    // The tracker's requests: every item 25 pixels high and the menu width
    // less a check mark wide; drawing in the menu's colour.
    void MeasureItem(platform::win::MeasureItemInfo& info) override;
    void DrawItem(const platform::win::MenuDrawItemInfo& info) override;
    uint32_t BackgroundPixel() const override;

    // Shows the menu at a screen point, tracked with the right button, and
    // runs until an item is chosen or the menu is dismissed; the chosen
    // command goes to `owner` as WM_COMMAND and is returned (0 when none).
    uint32_t Track(platform::win::Point screenPt, platform::win::Window* owner);
    // The menu being tracked now, or null.
    static const CXMenu* Tracking();

private:
    platform::gfx::FontRef Font();

    uint8_t m_bFontDirty = 1;
    platform::gfx::FontRef m_pFont;
    int m_nMenuWidth = 200;
    int m_nItemCount = 0;
    int m_nHighlighted = -1;
    platform::gfx::ColourRef m_Colour;
    std::array<std::string, kMaxItems> m_Texts;
    std::array<std::string, kMaxItems> m_Pictures;
    std::array<uint32_t, kMaxItems> m_Ids{};
    std::array<uint8_t, kMaxItems> m_Disabled{};
    std::array<uint8_t, kMaxItems> m_Checked{};
    uint8_t m_bAnyChecked = 0;  // texts then stand right of the tick column
    platform::win::Menu m_Menu;  // the owner-drawn items the tracker shows
};

// The right-button menu of a widget window: sub-menu `menuIndex` of resource
// 131 in the colour of the page, at a screen point. Returns whether a menu
// was shown. `fill` lets the window add items first.
class CXWnd;
bool ShowHotSpotMenu(CXWnd* wnd, int menuIndex, platform::win::Point screenPt);
