#include "ui/xtoolbar.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/menu.h"
#include "platform/window/ui.h"
#include "shell/history.h"
#include "shell/screenglobals.h"
#include "shell/soundengine.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {

constexpr int kSampleHover = 4;
constexpr int kSamplePress = 2;
constexpr int kSampleDisabled = 3;

struct LayoutRow {
    uint32_t command;
    const char* name;
    Rect rect;
};

// The view's two layouts: the nine sections (or shortcuts), then the small
// buttons, the day buttons and the match buttons in the day buttons' places.
constexpr LayoutRow kLayouts[2][19] = {
    {{19410, "manager", {119, 10, 183, 64}},   {19411, "squad", {184, 10, 248, 64}},
     {19412, "club", {249, 10, 313, 64}},      {19413, "player", {314, 10, 378, 64}},
     {19414, "finance", {379, 10, 443, 64}},   {19415, "fixtures", {444, 10, 508, 64}},
     {19416, "info", {509, 10, 573, 64}},      {19417, "news", {574, 10, 638, 64}},
     {19418, "discip", {639, 10, 703, 64}},    {19419, "options", {14, 10, 42, 36}},
     {19420, "back", {14, 37, 42, 64}},        {19421, "load", {43, 10, 71, 36}},
     {19422, "help", {72, 37, 97, 64}},        {19423, "nextday", {725, 10, 779, 36}},
     {19424, "skip", {725, 37, 779, 64}},      {19425, "forward", {43, 37, 71, 64}},
     {19426, "nextmanager", {72, 10, 97, 36}}, {19430, "match", {725, 10, 779, 36}},
     {19431, "results", {725, 37, 779, 64}}},
    {{19432, "nsquad", {121, 11, 180, 66}},    {19433, "tactics", {186, 11, 245, 66}},
     {19434, "physio", {251, 11, 310, 66}},    {19435, "kiteditor", {316, 11, 375, 66}},
     {19436, "mom", {380, 11, 439, 66}},       {19437, "topscorers", {446, 11, 505, 66}},
     {19438, "cupfixtures", {511, 11, 570, 66}}, {19439, "playerdisc", {576, 11, 635, 66}},
     {19440, "reftables", {641, 11, 700, 66}}, {19419, "options", {8, 9, 33, 37}},
     {19420, "back", {8, 40, 33, 67}},         {19421, "load", {37, 9, 62, 37}},
     {19422, "help", {66, 40, 91, 67}},        {19423, "nextday", {730, 10, 785, 36}},
     {19424, "skip", {730, 40, 785, 66}},      {19425, "forward", {37, 40, 62, 67}},
     {19426, "nextmanager", {66, 10, 91, 37}}, {19430, "match", {730, 10, 785, 36}},
     {19431, "results", {730, 40, 785, 66}}},
};

bool HasAlternative(int button) { return button == 13 || button == 14 || button == 17 || button == 18; }

// The commands of the section menus that the view handles before anyone else.
bool ForwardedToView(uint32_t id) {
    return (id >= 32775 && id <= 32786) || (id >= 32788 && id <= 32792) || (id >= 32795 && id <= 32826) ||
           id == 32828 || id == 32829 || id == 32831 || id == 32834 || (id >= 32837 && id <= 32841) ||
           id == 32859 || id == 32977 || id == 33217 || id == 33218;
}

}  // namespace

std::vector<ToolBarButton> ToolBarLayout(int set) {
    std::vector<ToolBarButton> out;
    const int s = set == 1 ? 1 : 0;
    for (int i = 0; i < 19; ++i) {
        const LayoutRow& row = kLayouts[s][i];
        ToolBarButton b;
        b.highlighted = std::string("gfx\\toolbar\\hi_") + row.name + ".bmp";
        b.disabled = std::string("gfx\\toolbar\\dis_") + row.name + ".bmp";
        if (HasAlternative(i)) b.alternative = std::string("gfx\\toolbar\\lo_") + row.name + ".bmp";
        b.command = row.command;
        b.rect = row.rect;
        out.push_back(b);
    }
    return out;
}

CXToolBar::CXToolBar() {
    m_Commands.fill(static_cast<uint32_t>(-1));
    SetMenuIndex(-2);
}

CXToolBar::~CXToolBar() = default;

bool CXToolBar::Create(Window* parent, const Rect& rect) {
    return Window::Create(parent, rect, WS_CHILD, 0, "Toolbar");
}

void CXToolBar::SetButtons(const std::string& strip, const ToolBarButton* records, int count) {
    // The arrays are made once for nineteen buttons; a longer layout would
    // write past them.
    count = std::clamp(count, 0, kMaxButtons);
    m_Background.Load(strip);
    m_Composition = m_Background.GetSurface();
    m_bCreated = 1;
    m_nButtonCount = std::max(count - 2, 0);
    for (int i = 0; i < m_nButtonCount; ++i) m_States[i] = 1;
    // The new layout's spots replace the old ones, so a spot's index stays
    // its button's.
    RemoveAllHotSpots();
    for (int i = 0; i < count; ++i) {
        const ToolBarButton& r = records[i];
        m_Highlighted[i].Load(r.highlighted);
        if (r.alternative.size() > 1)
            m_Alternative[i].Load(r.alternative);
        else
            m_Alternative[i].Clear();
        m_Disabled[i].Load(r.disabled);
        m_Paths[i] = r.highlighted;
        m_Commands[i] = r.command;
        AddHotSpot(r.rect, kSpotToolTip | kSpotHover, r.command);
    }
    if (IsAlive()) {
        Invalidate(false);
        UpdateNow();
    }
}

bool CXToolBar::SetButtonState(int button, uint8_t state) {
    if (button < 0 || button > m_nButtonCount || button >= kMaxButtons) return false;
    m_States[button] = state;
    if (IsAlive()) Invalidate(false);
    return true;
}

void CXToolBar::SetAllButtonStates(uint8_t state) {
    for (int i = 0; i < m_nButtonCount; ++i) m_States[i] = state;
    if (IsAlive()) Invalidate(false);
}

bool CXToolBar::GetButtonState(int button) const {
    return button >= 0 && button < kMaxButtons && m_States[button] != 0;
}

int CXToolBar::PictureOf(int button) const {
    return g_bHumanMatchToday == 1 && (button == 13 || button == 14) ? button + 4 : button;
}

void CXToolBar::DrawButton(Canvas& dc, int button) {
    Rect r;
    if (!GetHotSpotRect(button, &r)) return;
    const int pic = PictureOf(button);
    const auto key = platform::gfx::kKeyColourRef;
    const uint8_t state = m_States[button];
    if (state == 2 || (state == 1 && m_Hover[button])) {
        m_Highlighted[pic].DrawTransparent(dc, r.left, r.top, key);
    } else if (state == 1) {
        if (button == 13 || button == 14)
            m_Alternative[pic].DrawTransparent(dc, r.left, r.top, key);
        else
            dc.BitBlt(r.left, r.top, r.Width(), r.Height(), m_Background.GetSurface(), r.left, r.top);
    } else {
        m_Disabled[pic].DrawTransparent(dc, r.left, r.top, key);
    }
}

void CXToolBar::ShowButton(int button) {
    if (m_Composition.IsEmpty() || button < 0 || button >= kMaxButtons) return;
    Rect r;
    if (!GetHotSpotRect(button, &r)) return;
    Canvas dc(m_Composition);
    DrawButton(dc, button);
    if (IsAlive()) {
        InvalidateRect(r, false);
        UpdateNow();
    }
}

void CXToolBar::OnPaint(const PaintContext& pc) {
    if (m_Composition.IsEmpty()) return;
    {
        Canvas dc(m_Composition);
        const Rect box = pc.clip;
        dc.BitBlt(box.left, box.top, box.Width(), box.Height(), m_Background.GetSurface(), box.left, box.top);
        // A hovered button keeps its look through a repaint.
        for (int i = 0; i < m_nButtonCount; ++i)
            if (m_States[i] != 1 || m_Hover[i]) DrawButton(dc, i);
        if (m_States[17] != 0) {
            DrawButton(dc, 13);
            DrawButton(dc, 14);
        }
    }
    Canvas out = pc.MakeCanvas();
    out.BitBlt(pc.clip.left, pc.clip.top, pc.clip.Width(), pc.clip.Height(), m_Composition, pc.clip.left,
               pc.clip.top);
}

bool CXToolBar::OnHotSpotEnter(int index) {
    if (index < 0 || index >= kMaxButtons) return false;
    if (m_States[index] == 1) PlaySample(kSampleHover, 0);
    m_Hover[index] = 1;
    ShowButton(index);
    return m_States[index] != 0;
}

bool CXToolBar::OnHotSpotLeave(int index) {
    if (index < 0 || index >= kMaxButtons) return false;
    m_Hover[index] = 0;
    ShowButton(index);
    return true;
}

void CXToolBar::OnLButtonDown(uint32_t flags, Point pt) {
    int i = HotSpotFromPoint(&pt);
    if (i < 0) return;
    SetHoverIndex(&i);
    int hovered = -1;
    for (int b = 0; b < kMaxButtons && hovered < 0; ++b)
        if (m_Hover[b]) hovered = b;
    if (GetHoverIndex() >= 0 && hovered >= 0) {
        if (m_States[hovered] != 0) {
            // Pressed on a match day, the day buttons show the match picture
            // their hover showed.
            const int pic = PictureOf(hovered);
            m_Highlighted[pic].Load(m_Paths[pic]);
            ShowButton(hovered);
            if (Window* main = Ui::Get().MainWindow()) main->Post(WM_COMMAND, m_Commands[hovered], 0);
            PlaySample(kSamplePress, 0);
        } else {
            PlaySample(kSampleDisabled, 0);
        }
    }
    CXWnd::OnLButtonDown(flags, pt);
}

std::string CXToolBar::GetItemText(uint32_t id) { return platform::LoadString(id); }

bool CXToolBar::GetToolTipText(int index, std::string& text) {
    if (index < 0 || index >= kMaxButtons) return false;
    const std::string& s = platform::LoadString(m_Commands[PictureOf(index)]);
    const size_t nl = s.find('\n');
    text = nl == std::string::npos ? s : s.substr(nl + 1);
    return true;
}

bool CXToolBar::GetHotSpotMenu(int index, int* menuIndex) {
    if (index < 0 || index >= kMaxButtons || !menuIndex) return false;
    *menuIndex = index <= 8 ? index + 2 : index + 4;
    return m_States[index] != 0;
}

bool CXToolBar::FillPopupMenu(Menu* menu, int menuIndex) {
    if (menuIndex != kBackMenu || !menu) return false;
    Window* parent = Parent();
    const auto* history = parent ? reinterpret_cast<const CHistory*>(parent->Send(ui::kMsgGetHistory)) : nullptr;
    if (!history) return true;
    const int last = history->GetCount() - 1;
    for (int i = last; i >= 0 && i > last - 8; --i) {
        const uint32_t flags = MF_STRING | (i == history->GetCurrent() ? MF_CHECKED : 0);
        menu->Append(flags, kHistoryCommand + static_cast<uint32_t>(i), history->GetAt(i)->title);
    }
    return true;
}

bool CXToolBar::OnCommand(uint32_t id, uint32_t code, Window* control) {
    Window* parent = Parent();
    if (!parent) return false;
    if (ForwardedToView(id)) parent->Send(WM_COMMAND, MakeWParam(id, code), reinterpret_cast<intptr_t>(control));
    const auto* history = reinterpret_cast<const CHistory*>(parent->Send(ui::kMsgGetHistory));
    if (id >= kHistoryCommand && id <= kHistoryCommand + 0x64) {
        parent->Send(ui::kMsgGoHistory, id - kHistoryCommand, 0);
        return true;
    }
    if (id == 32786 && history && history->GetCurrent() >= 1) {
        parent->Send(ui::kMsgGoHistory, static_cast<uintptr_t>(history->GetCurrent() - 1), 0);
        return true;
    }
    if (id == 32787 && history && history->GetCurrent() < history->GetCount() - 1) {
        parent->Send(ui::kMsgGoHistory, static_cast<uintptr_t>(history->GetCurrent() + 1), 0);
        return true;
    }
    return ForwardedToView(id);
}
