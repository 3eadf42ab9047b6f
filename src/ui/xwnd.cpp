#include "ui/xwnd.h"

#include <algorithm>
#include <cstdlib>

#include "platform/trace.h"
#include "platform/window/tooltips.h"
#include "platform/window/ui.h"
#include "shell/timer.h"
#include "ui/cursors.h"
#include "ui/flyingwindow.h"
#include "ui/listcontrol.h"
#include "ui/xmenu.h"
#include "ui/xtooltip.h"

using namespace platform::win;
using namespace ui;

int g_bFocusRequest = 0;

namespace {

// A programming error the old code asserted; we trace it and carry on.
void Fault(const char* what) { platform::TraceF("CXWnd: %s\n", what); }

Window* MainWindow() { return Ui::Get().MainWindow(); }

bool ForegroundIsOurs(Window* dragImage) {
    Window* fg = Ui::Get().GetForegroundWindow();
    if (!fg) return false;
    if (dragImage && fg == dragImage) return true;
    // The main window, or a pop-up it owns (a tip, the drag image).
    for (Window* w = fg; w; w = w->Owner())
        if (w->TopLevel() == MainWindow()) return true;
    return false;
}

}  // namespace

bool CHotSpot::AcceptsDragFrom(const Window* source) const {
    if (!source) {
        Fault("a drop target was asked about no source");
        return false;
    }
    return std::find(m_Sources.begin(), m_Sources.end(), source->Handle()) != m_Sources.end();
}

bool CHotSpot::AddAcceptedSource(const Window* source) {
    if (!source) return false;
    for (auto& s : m_Sources)
        if (s == 0) {
            s = source->Handle();
            return true;
        }
    return false;
}

static_assert(CXWnd::kToolTipDelayMs == kToolTipInitialMs);

CXWnd::CXWnd() {
    SetClassStyle(CS_DBLCLKS);
    m_pToolTipTiming = std::make_unique<ToolTipTiming>();
    m_pToolTipTiming->SetHooks({[this](Point p) { return ToolHitTest(p, nullptr); },
                              [this](int i) { return ShowSpotToolTip(i); },
                              [this] {
                                  if (m_pToolTip && m_pToolTip->IsAlive()) m_pToolTip->Hide();
                              }});
}

CXWnd::~CXWnd() { HideToolTip(); }

CXToolTip* CXWnd::GetShownToolTip() const {
    return m_pToolTip && m_pToolTip->IsAlive() && m_pToolTip->IsShownFlag() ? m_pToolTip.get() : nullptr;
}

void CXWnd::HideToolTip() {
    m_pToolTipTiming->Reset();
    if (m_pToolTip && m_pToolTip->IsAlive()) m_pToolTip->Hide();
}

// The tip of a tool-tip spot, shown and hidden by the layer's tip timing.
bool CXWnd::ShowSpotToolTip(int i) {
    Point now = ScreenToClient(Ui::Get().CursorPos());
    if (HotSpotFromPoint(&now) != i) return false;
    std::string text;
    if (!GetToolTipText(i, text) || text.empty()) return false;
    if (text.size() > 79) text.resize(79);  // the notification's 80-character buffer
    if (!m_pToolTip) m_pToolTip = std::make_unique<CXToolTip>();
    if (!m_pToolTip->IsAlive() && !m_pToolTip->Create(this)) return false;
    const Point at = Ui::Get().CursorPos();
    m_pToolTip->Show(at.x, at.y, text);
    return true;
}

void CXWnd::TrackToolTip(Point pt) {
    if (!m_bToolTips) return;
    m_pToolTipTiming->Relay(WM_MOUSEMOVE, pt);
}

bool CXWnd::CreateChild(const Rect& rect, Window* parent) { return Create(parent, rect, WS_CHILD | WS_VISIBLE, 1); }

int CXWnd::AddHotSpot(const Rect& rect, uint32_t flags, uint32_t id) {
    int found = FindHotSpot(rect, id);
    if (found >= 0) {
        m_HotSpots[found]->m_dwFlags |= flags;
        if (flags & kSpotToolTip) m_bToolTips = 1;
        return found;
    }
    for (int i = 0; i < kMaxHotSpots; ++i)
        if (!m_HotSpots[i]) {
            m_HotSpots[i] = std::make_unique<CHotSpot>(rect, flags, id);
            if (flags & kSpotToolTip) m_bToolTips = 1;
            return i;
        }
    return -1;
}

bool CXWnd::RemoveHotSpot(int index) {
    if (index < 0 || index >= kMaxHotSpots || !m_HotSpots[index]) return false;
    m_HotSpots[index].reset();
    if (m_nHoverIndex == index) m_nHoverIndex = -1;
    if (m_nPressedIndex == index) m_nPressedIndex = -1;
    return true;
}

void CXWnd::RemoveAllHotSpots() {
    for (auto& s : m_HotSpots) s.reset();
    m_nHoverIndex = m_nPressedIndex = -1;
}

bool CXWnd::GetHotSpotRect(int index, Rect* rect) const {
    if (index < 0 || index >= kMaxHotSpots || !m_HotSpots[index] || !rect) return false;
    *rect = m_HotSpots[index]->GetRect();
    return true;
}

CHotSpot* CXWnd::GetHotSpot(int index) const {
    if (index < 0 || index >= kMaxHotSpots) return nullptr;
    return m_HotSpots[index].get();
}

int CXWnd::FindHotSpot(const Rect& rect, uint32_t id) const {
    // Every slot, not only those before the first free one: a removed spot
    // in the middle must not make the later ones invisible.
    for (int i = 0; i < kMaxHotSpots; ++i) {
        const auto& s = m_HotSpots[i];
        if (s && s->GetRect() == rect) return s->Id() == id ? i : -1;
    }
    return -1;
}

int CXWnd::HotSpotFromPoint(const Point* pt) const {
    if (!pt) return -1;
    for (int i = 0; i < kMaxHotSpots; ++i)
        if (m_HotSpots[i] && m_HotSpots[i]->Contains(*pt)) return i;
    return -1;
}

int CXWnd::HotSpotFromId(uint32_t id) const {
    for (int i = 0; i < kMaxHotSpots; ++i)
        if (m_HotSpots[i] && m_HotSpots[i]->Id() == id) return i;
    return -1;
}

bool CXWnd::IsDropTargetAt(int x, int y) const {
    Point p{x, y};
    int i = HotSpotFromPoint(&p);
    return i >= 0 && (m_HotSpots[i]->m_dwFlags & kSpotDropTarget) != 0;
}

void CXWnd::SetHoverIndex(const int* index) {
    if (!index || *index == m_nHoverIndex) return;
    if (m_nHoverIndex != -1) OnHotSpotLeave(m_nHoverIndex);
    m_nHoverIndex = *index;
    OnHotSpotEnter(m_nHoverIndex);
}

int CXWnd::GetHotSpotKind(const uint32_t* flags) {
    if (!flags) return 0;
    int kind = 17;
    for (uint32_t bit = 0x200000; bit >= 0x2000; bit >>= 1, --kind)
        if (*flags & bit) return kind;
    return 0;
}

bool CXWnd::OnHotSpotEnter(int) {
    Fault("OnHotSpotEnter is not overridden");
    return false;
}

bool CXWnd::OnHotSpotLeave(int) {
    Fault("OnHotSpotLeave is not overridden");
    return false;
}

std::string CXWnd::GetItemText(uint32_t) { return {}; }

platform::gfx::FontRef CXWnd::GetItemFont() { return nullptr; }

bool CXWnd::GetToolTipText(int, std::string&) {
    Fault("GetToolTipText is not overridden");
    return false;
}

bool CXWnd::GetHotSpotMenu(int, int*) {
    Fault("GetHotSpotMenu is not overridden");
    return false;
}

bool CXWnd::FillPopupMenu(platform::win::Menu*, int) { return true; }

int CXWnd::CursorOf(int state) { return CursorForState(state); }

void CXWnd::SetCursorState(int state) {
    if (state < 0 || state >= kCursorCount) return;
    m_nCursorState = state;
    Ui::Get().SetCursor(CursorOf(state));
}

int CXWnd::ToolHitTest(Point pt, Rect* toolRect) {
    if (!ForegroundIsOurs(nullptr)) return -1;
    int i = HotSpotFromPoint(&pt);
    if (i < 0 || !(m_HotSpots[i]->m_dwFlags & kSpotToolTip)) return -1;
    m_nToolTipIndex = i;
    if (toolRect) *toolRect = m_HotSpots[i]->GetRect();
    return i;
}

void CXWnd::OnLButtonDown(uint32_t flags, Point pt) {
    m_pToolTipTiming->Relay(WM_LBUTTONDOWN, pt);
    if (Window* main = MainWindow()) main->BringToTop();
    Ui& ui = Ui::Get();
    if (Window* child = ChildFromPoint(pt); child && child != this) ui.SetFocus(child);
    int i = HotSpotFromPoint(&pt);
    if (i < 0) {
        ui.SetFocus(this);
        m_PressPoint = pt;
        return;
    }
    const uint32_t f = m_HotSpots[i]->m_dwFlags;
    (void)flags;
    if (f & kSpotDragSource) {
        m_nDragSourceId = static_cast<int>(m_HotSpots[i]->Id());
        ui.SetCapture(this);
    } else if (f & kSpotClick) {
        OnHotSpotClick(i);
    } else if (f & kSpotPress) {
        m_nPressedIndex = i;
        ui.SetCapture(this);
    }
    m_PressPoint = pt;
}

void CXWnd::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (Window* main = MainWindow()) main->BringToTop();
    // A list hands a double click on its row back as a relayed one; sending
    // that to the list again would bounce it between the two for ever.
    if (flags == ui::kRelayedFlags) return;
    int i = HotSpotFromPoint(&pt);
    if (i < 0) {
        Ui::Get().SetFocus(this);
        m_PressPoint = pt;
        return;
    }
    // Lists take a double click on their spot; nothing else does. The point
    // goes as a relayed one, already in this window's coordinates, where the
    // list reads its rows.
    m_nDragSourceId = static_cast<int>(m_HotSpots[i]->Id());
    if (auto* list = dynamic_cast<CListControl*>(FindChild(m_HotSpots[i]->Id()))) {
        m_PressPoint = pt;
        list->Send(WM_LBUTTONDBLCLK, kRelayedFlags, MakePointParam(pt));
        return;
    }
    m_nDragSourceId = -1;
}

void CXWnd::OnMouseMove(uint32_t, Point pt) {
    Ui& ui = Ui::Get();
    if (!ForegroundIsOurs(m_pDragImage.get())) return;
    if (ui.GetCapture() != this) ui.SetCapture(this);

    if (!m_bDragging && m_nDragSourceId != -1) {
        Window* source = FindChild(static_cast<uint32_t>(m_nDragSourceId));
        if (!source) {
            Fault("the drag source names no child window");
            m_nDragSourceId = -1;
        } else {
            // Asked at the press point, where the item was picked up.
            Point at = m_PressPoint;
            if (source->Send(kMsgMayDrag, reinterpret_cast<uintptr_t>(&at), 0) != 0) {
                m_LastDragPos = ClientToScreen(pt);
                m_pDragImage = std::make_unique<CFlyingWindow>();
                if (m_pDragImage->Create(source, this, m_LastDragPos.x, m_LastDragPos.y)) {
                    m_bDragging = 1;
                    m_LastDragPos.x -= 1;
                    m_LastDragPos.y -= 1;
                } else {
                    m_pDragImage.reset();
                }
            }
        }
    }
    if (!m_bDragging && m_nDragSourceId == -1) {
        Window* under = ui.WindowFromPoint(ClientToScreen(pt));
        if (under && under != this) {
            if (m_nHoverIndex != -1) {
                OnHotSpotLeave(m_nHoverIndex);
                m_nHoverIndex = -1;
            }
            bool ownChild = false;
            for (Window* w = under; w; w = w->Parent())
                if (w == this) ownChild = true;
            if (!ownChild && ui.GetCapture() == this) ui.ReleaseCapture();
        }
    }

    int i = HotSpotFromPoint(&pt);
    if (!m_bDragging) TrackToolTip(pt);
    if (!m_bDragging) {
        if (i >= 0) {
            const uint32_t f = m_HotSpots[i]->m_dwFlags;
            if (f & kSpotPress) {
                SetCursorState(4);
            } else if ((f & kSpotHover) && i != m_nHoverIndex) {
                if (m_nHoverIndex != -1) OnHotSpotLeave(m_nHoverIndex);
                m_nHoverIndex = i;
                OnHotSpotEnter(i);
            }
            return;
        }
        if (m_nHoverIndex != -1) {
            OnHotSpotLeave(m_nHoverIndex);
            m_nHoverIndex = -1;
        }
        if (m_nCursorState != 1 && m_nCursorState != 6 && m_nCursorState != 9) SetCursorState(0);
        return;
    }

    // Dragging.
    Window* source = FindChild(static_cast<uint32_t>(m_nDragSourceId));
    if (i < 0) {
        SetCursorState(1);
    } else if (static_cast<int>(m_HotSpots[i]->Id()) != m_nDragSourceId) {
        const CHotSpot& s = *m_HotSpots[i];
        if (s.m_dwFlags & kSpotDropTarget) {
            if (source && s.AcceptsDragFrom(source)) SetCursorState(2);
        } else {
            int st = m_nCursorState;
            if (st != 1 && st != 4 && st != 6 && st != 9) st = 0;
            SetCursorState(st);
        }
    }
    Point screen = ClientToScreen(pt);
    if (screen.x != m_LastDragPos.x || screen.y != m_LastDragPos.y) {
        Rect r = m_pDragImage->WindowRect();
        m_pDragImage->MoveTo(r.left + screen.x - m_LastDragPos.x, r.top + screen.y - m_LastDragPos.y);
        m_LastDragPos = screen;
    }
    // A list under the drag shows where the item would go.
    auto* list = dynamic_cast<CListControl*>(ChildFromPoint(pt, true));
    SetDragOverList(list);
    if (list) list->Send(WM_MOUSEMOVE, kRelayedFlags, MakePointParam(pt));
}

void CXWnd::SetDragOverList(CListControl* list) {
    if (!list && !m_hDragOverList) return;
    auto* old = dynamic_cast<CListControl*>(Ui::Get().FromHandle(m_hDragOverList));
    if (old && old != list) old->SetDragOver(false);
    m_hDragOverList = list ? list->Handle() : 0;
    if (list) list->SetDragOver(true);
}

void CXWnd::EndDrag() {
    m_bDragging = 0;
    SetDragOverList(nullptr);
    if (m_pDragImage) {
        m_pDragImage->Destroy();
        m_pDragImage.reset();
    }
}

void CXWnd::FlyBack() {
    // A straight line back to where the item was picked up, in about 600 ms
    // whatever the distance; the larger axis steps, the other follows.
    Rect r = m_pDragImage->WindowRect();
    Point to = m_pDragImage->Origin();
    int x = r.left, y = r.top;
    const int dx = std::abs(to.x - x), dy = std::abs(to.y - y);
    const int sx = to.x >= x ? 1 : -1, sy = to.y >= y ? 1 : -1;
    const int longer = std::max(dx, dy), shorter = std::min(dx, dy);
    CTimer timer;
    int err = longer / 2;
    int done = 0;
    while (done < longer) {
        int step = std::max(1, timer.Step(longer, 600));
        for (int k = 0; k < step && done < longer; ++k, ++done) {
            err -= shorter;
            bool side = err < 0;
            if (side) err += longer;
            if (dx >= dy) {
                x += sx;
                if (side) y += sy;
            } else {
                y += sy;
                if (side) x += sx;
            }
        }
        m_pDragImage->MoveTo(x, y);
        Ui::Get().PresentNow();
        Ui::Get().GetBackend().Wait(Ui::Get().NowMs() + 10);
    }
}

void CXWnd::OnLButtonUp(uint32_t, Point pt) {
    Ui& ui = Ui::Get();
    if (ui.GetCapture() == this) ui.ReleaseCapture();
    int i = HotSpotFromPoint(&pt);
    if (m_bDragging) {
        Window* source = FindChild(static_cast<uint32_t>(m_nDragSourceId));
        CHotSpot* spot = i >= 0 ? m_HotSpots[i].get() : nullptr;
        if (spot && (spot->m_dwFlags & kSpotDropTarget) && source && spot->AcceptsDragFrom(source)) {
            EndDrag();
            DropInfo info;
            info.source = source;
            info.target = FindChild(spot->Id());
            info.sourceId = m_nDragSourceId;
            info.targetId = static_cast<int32_t>(spot->Id());
            const bool moved = pt.x != m_PressPoint.x || pt.y != m_PressPoint.y;
            if (info.target == source) {
                if (moved) {
                    auto item = static_cast<uint32_t>(source->Send(kMsgDraggedItem));
                    auto row = static_cast<uint32_t>(
                        info.target->Send(kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&pt), 0));
                    if (item >= 35 || row >= 35) Fault("a dragged item or row is out of range");
                    info.itemAndRow = (item & 0xFFFF) | ((row & 0xFFFF) << 16);
                }
            } else if (dynamic_cast<CListControl*>(info.target)) {
                // A list target answers the row under the drop; a list source
                // adds the item it gives up.
                auto row = static_cast<uint32_t>(
                    info.target->Send(kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&pt), 0));
                if (dynamic_cast<CListControl*>(source)) {
                    auto item = static_cast<uint32_t>(source->Send(kMsgDraggedItem));
                    info.itemAndRow = (item & 0xFFFF) | ((row & 0xFFFF) << 16);
                } else {
                    info.itemAndRow = row;
                }
            } else {
                info.itemAndRow = static_cast<uint32_t>(source->Send(kMsgDraggedItem));
            }
            m_nDragSourceId = -1;
            if (!moved) return;
            source->Send(WM_LBUTTONUP, 0, 0);
            OnDrop(&info);
            return;
        }
        FlyBack();
        EndDrag();
        if (source) {
            source->Send(WM_LBUTTONUP, 0, 0);
            Rect area = source->WindowRect();
            if (source->Parent() != this) area = ScreenToClient(source->Parent()->ClientToScreen(area));
            InvalidateRect(area, true);
            UpdateNow();
        }
        m_nDragSourceId = -1;
        return;
    }
    if (m_nPressedIndex != -1 && i == m_nPressedIndex && (m_HotSpots[i]->m_dwFlags & kSpotPress)) {
        m_nPressedIndex = -1;
        OnHotSpotPressed(i);
    }
    m_nPressedIndex = -1;
    m_nDragSourceId = -1;
}

void CXWnd::OnRButtonDown(uint32_t, Point pt) {
    m_pToolTipTiming->Relay(WM_RBUTTONDOWN, pt);
    int menuIndex = m_nMenuIndex;
    if (menuIndex == -1) return;
    if (menuIndex == -2) {
        int i = HotSpotFromPoint(&pt);
        if (i < 0 || !GetHotSpotMenu(i, &menuIndex) || menuIndex == -2) return;
    }
    ShowHotSpotMenu(this, menuIndex, ClientToScreen(pt));
    if (m_nHoverIndex != -1) {
        OnHotSpotLeave(m_nHoverIndex);
        m_nHoverIndex = -1;
    }
}

void CXWnd::OnSize(int, int) { Refresh(); }

void CXWnd::OnKillFocus(Window*) {
    if (m_nHoverIndex != -1) OnHotSpotLeave(m_nHoverIndex);
    m_nHoverIndex = -1;
}

void CXWnd::OnActivateApp(bool active) {
    if (active) g_bFocusRequest = 1;
}

void CXWnd::OnDestroy() {
    EndDrag();
    HideToolTip();
    if (m_pToolTip && m_pToolTip->IsAlive()) m_pToolTip->Destroy();
}
