#include "ui/xmenu.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/screenglobals.h"
#include "shell/soundengine.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"
#include "ui/xwnd.h"

extern const unsigned char vt_menu131_txt[];
extern const unsigned long vt_menu131_txt_size;

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::ColourRef;
using platform::gfx::RGB;

namespace {

std::vector<MenuResourceSub> ParseMenus() {
    std::vector<MenuResourceSub> subs;
    std::string_view text(reinterpret_cast<const char*>(vt_menu131_txt), vt_menu131_txt_size);
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        size_t t1 = line.find('\t');
        if (t1 == std::string_view::npos) continue;
        std::string_view kind = line.substr(0, t1);
        std::string_view rest = line.substr(t1 + 1);
        size_t t2 = rest.find('\t');
        std::string number(rest.substr(0, t2));
        std::string name = t2 == std::string_view::npos ? std::string{} : std::string(rest.substr(t2 + 1));
        if (kind == "menu") {
            size_t index = std::strtoul(number.c_str(), nullptr, 10);
            if (subs.size() <= index) subs.resize(index + 1);
            subs[index].name = name;
        } else if (kind == "item" && !subs.empty()) {
            subs.back().items.push_back({static_cast<uint32_t>(std::strtoul(number.c_str(), nullptr, 10)), name});
        }
    }
    return subs;
}

constexpr uint32_t kClubCommands[] = {32778, 32781, 32796, 32797, 32798, 32799, 32804, 32806, 32809, 32810,
                                      32812, 32817, 32822, 32831, 32834, 32839, 32840, 32859, 32977, 33217};

constexpr ColourRef kMenuColours[24] = {
    RGB(57, 198, 165),  RGB(198, 198, 198), RGB(255, 173, 57),  RGB(158, 140, 208), RGB(255, 132, 41),
    RGB(57, 198, 165),  RGB(66, 173, 222),  RGB(57, 198, 107),  RGB(90, 156, 231),  RGB(225, 91, 91),
    RGB(225, 203, 83),  RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198), RGB(37, 146, 229),
    RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198),
    RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198), RGB(198, 198, 198)};

int ColourEntryForScreen(int s) {
    struct Group {
        int entry;
        std::initializer_list<int> screens;
    };
    static const Group groups[] = {
        {7, {1, 2, 17, 18, 53, 104}},          {3, {4, 26, 35, 36, 40, 80, 94, 100}},
        {6, {7, 21, 25, 38, 62, 103, 113}},    {2, {8, 45, 70, 95, 99, 116}},
        {4, {9, 24, 34, 71, 72, 101, 109, 110}}, {9, {10, 13, 86, 106}},
        {5, {22, 32, 47, 60, 78, 93, 102, 117}}, {8, {28, 33, 42, 49, 77, 105}},
        {10, {43, 84, 87, 107}},               {11, {120}},
        {12, {121}}};
    for (const Group& g : groups)
        if (std::find(g.screens.begin(), g.screens.end(), s) != g.screens.end()) return g.entry;
    return 0;
}

bool CurrentManagerHasClub() {
    CWorldData* world = GetWorldData();
    if (!world) return false;
    CHumanManager* user = world->GetCurrentUser();
    return user && user->HasManager() && user->IsEmployed();
}

}  // namespace

const std::vector<MenuResourceSub>& MenuResource131() {
    static const std::vector<MenuResourceSub> subs = ParseMenus();
    return subs;
}

const MenuResourceSub* GetSubMenu(int index) {
    const auto& subs = MenuResource131();
    if (index < 0 || static_cast<size_t>(index) >= subs.size() || subs[index].name.empty()) return nullptr;
    return &subs[index];
}

bool CommandNeedsClub(uint32_t id) { return std::find(std::begin(kClubCommands), std::end(kClubCommands), id) != std::end(kClubCommands); }

ColourRef MenuColourFor(int menuIndex, int screenId, bool* showNothing) {
    if (showNothing) *showNothing = menuIndex == 0 && screenId == 122;
    int entry = menuIndex == 0 ? ColourEntryForScreen(screenId) : menuIndex;
    if (entry < 0 || entry >= 24) entry = 0;
    return kMenuColours[entry];
}

CXMenu::CXMenu(ColourRef colour) : m_Colour(colour) { m_Menu.ownerDraw = this; }

ColourRef CXMenu::HighlightColour() const {
    int g = std::min(255, platform::gfx::GetGValue(m_Colour) + 0x11);
    int b = std::min(255, platform::gfx::GetBValue(m_Colour) + 0x11);
    return RGB(platform::gfx::GetRValue(m_Colour), g, b);
}

bool CXMenu::AppendItem(uint32_t id, const std::string& text, const std::string& picture, bool disabled,
                        bool checked) {
    if (m_nItemCount >= kMaxItems) {
        platform::Trace("CXMenu: more than 20 items\n");
        return false;
    }
    m_Ids[m_nItemCount] = id;
    m_Texts[m_nItemCount] = text;
    m_Pictures[m_nItemCount] = picture;
    m_Disabled[m_nItemCount] = disabled ? 1 : 0;
    m_Checked[m_nItemCount] = checked ? 1 : 0;
    if (checked) m_bAnyChecked = 1;
    m_Menu.Append(MF_OWNERDRAW | (disabled ? MF_GRAYED : 0) | (checked ? MF_CHECKED : 0), id, text,
                  static_cast<uintptr_t>(m_nItemCount));
    ++m_nItemCount;
    return true;
}

platform::gfx::FontRef CXMenu::Font() {
    if (m_bFontDirty || !m_pFont) {
        m_pFont = platform::gfx::Font::Create("Arial Narrow", platform::gfx::PointsToHeight(12), 400);
        m_bFontDirty = 0;
    }
    return m_pFont;
}

void CXMenu::DrawItem(Canvas& dc, uint32_t id, const Rect& r, bool drawEntire, bool selectionChange, bool selected) {
    int i = 0;
    while (i < m_nItemCount && m_Ids[i] != id) ++i;
    if (i == m_nItemCount) {
        platform::Trace("CXMenu: no item of that id\n");
        return;
    }
    auto font = Font();
    dc.SelectFont(font);
    m_nMenuWidth = std::max(m_nMenuWidth, font->Measure(m_Texts[i]));
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextAlign(platform::gfx::TA_LEFT);
    dc.SetTextColor(m_Disabled[i] ? RGB(128, 128, 128) : RGB(0, 0, 0));
    if (drawEntire || m_nHighlighted == i) {
        dc.FillSolidRect(r, m_Colour);
        m_nHighlighted = -1;
    }
    if (selectionChange && selected && !m_Texts[i].empty()) {
        dc.FillSolidRect(r, HighlightColour());
        dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, RGB(255, 255, 255));
        dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, RGB(255, 255, 255));
        dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, RGB(0, 0, 0));
        dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, RGB(0, 0, 0));
        m_nHighlighted = i;
    }
    if (m_Texts[i].empty()) {
        int y = r.top + r.Height() / 2;
        dc.FillSolidRect({r.left + 4, y, r.right - 4, y + 1}, RGB(0, 0, 0));
        dc.FillSolidRect({r.left + 4, y + 1, r.right - 4, y + 2}, RGB(255, 255, 255));
    } else {
        const int textLeft = r.left + 5 + (m_bAnyChecked ? kCheckMarkWidth : 0);
        if (m_Checked[i]) {
            // A tick in the column left of the text, in the text's colour.
            const ColourRef ink = m_Disabled[i] ? RGB(128, 128, 128) : RGB(0, 0, 0);
            const int cx = r.left + 5, cy = r.top + r.Height() / 2;
            for (int k = 0; k < 2; ++k) {
                for (int d = 0; d <= 3; ++d) dc.SetPixel(cx + d, cy - 1 + d + k, ink);
                for (int d = 0; d <= 6; ++d) dc.SetPixel(cx + 3 + d, cy + 2 - d + k, ink);
            }
        }
        dc.TextOut(textLeft, r.top + 2, m_Texts[i]);
    }
}

namespace {
const CXMenu* g_pTracking = nullptr;
}

const CXMenu* CXMenu::Tracking() { return g_pTracking; }

void CXMenu::MeasureItem(MeasureItemInfo& info) {
    info.itemHeight = kItemHeight;
    info.itemWidth = m_nMenuWidth - kCheckMarkWidth;
}

void CXMenu::DrawItem(const MenuDrawItemInfo& info) {
    if (!info.paint) return;
    Canvas dc = info.paint->MakeCanvas();
    DrawItem(dc, info.itemId, info.item, info.itemAction == ODA_DRAWENTIRE, info.itemAction == ODA_SELECT,
             (info.itemState & ODS_SELECTED) != 0);
}

uint32_t CXMenu::BackgroundPixel() const { return platform::gfx::ToPixel(m_Colour); }

uint32_t CXMenu::Track(Point screenPt, Window* owner) {
    if (!owner || m_nItemCount == 0) return 0;
    struct Mark {
        const CXMenu* before;
        explicit Mark(const CXMenu* m) : before(g_pTracking) { g_pTracking = m; }
        ~Mark() { g_pTracking = before; }
    } mark(this);
    // The width the texts need, before the first drawing.
    auto font = Font();
    for (int i = 0; i < m_nItemCount; ++i) m_nMenuWidth = std::max(m_nMenuWidth, font->Measure(m_Texts[i]) + 10);
    return TrackPopupMenu(m_Menu, TPM_RIGHTBUTTON, screenPt, owner);
}

bool ShowHotSpotMenu(CXWnd* wnd, int menuIndex, Point screenPt) {
    bool nothing = false;
    ColourRef colour = MenuColourFor(menuIndex, GetCurrentScreenId(), &nothing);
    if (nothing) return false;
    const MenuResourceSub* sub = GetSubMenu(menuIndex);
    if (!sub) {
        platform::TraceF("CXWnd: menu resource 131 has no sub-menu %d\n", menuIndex);
        return false;
    }
    // The window adds to (and relabels) a copy of the resource's sub-menu,
    // so its items count and follow the resource's, as a loaded menu's would.
    platform::win::Menu items;
    for (const auto& item : sub->items)
        items.Append(item.text.empty() ? platform::win::MF_SEPARATOR : platform::win::MF_STRING, item.id, item.text);
    wnd->FillPopupMenu(&items, menuIndex);
    if (items.items.size() <= 1 && !(items.items.size() == 1 && items.items[0].id == 32771)) return false;
    PlaySample(14, 0);
    const bool hasClub = CurrentManagerHasClub();
    CXMenu menu(colour);
    for (const auto& item : items.items) {
        if (menu.GetItemCount() >= CXMenu::kMaxItems) break;
        const bool greyed = (item.flags & (platform::win::MF_GRAYED | platform::win::MF_DISABLED)) != 0;
        menu.AppendItem(item.id, item.text, {}, greyed || (!hasClub && CommandNeedsClub(item.id)),
                        (item.flags & platform::win::MF_CHECKED) != 0);
    }
    menu.Track(screenPt, wnd);
    return true;
}
