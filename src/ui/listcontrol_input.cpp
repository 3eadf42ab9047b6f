// The list's mouse, keys, scroll bar, column tips, drag-and-drop answers
// and the notices to its page.
#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "ui/flyingwindow.h"
#include "ui/listcontrol.h"
#include "ui/xmessages.h"
#include "ui/xscroll.h"
#include "ui/xtooltip.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {
constexpr int kSampleRow = 11;
constexpr int kSampleHeader = 12;
constexpr int kSampleScroll = 13;
}  // namespace

Point CListControl::ToOwner(uint32_t flags, Point pt) const {
    if (flags == ui::kRelayedFlags || !m_pOwner) return pt;
    return m_pOwner->ScreenToClient(ClientToScreen(pt));
}

void CListControl::SendToOwner(uint32_t msg, Point ownerPt) {
    if (!m_pOwner || !m_pOwner->IsAlive()) {
        platform::Trace("CListControl: a notice without an owner\n");
        return;
    }
    m_pOwner->Send(msg, ui::kRelayedFlags, MakePointParam(ownerPt));
}

bool CListControl::IsOnScrollBar(int x, int y) const { return m_BarRect.Contains(Point{x, y}); }

bool CListControl::InHeaderStrip(Point p) const {
    if (m_bHeaderHidden) return false;
    const Rect strip{m_ListRect.left, m_ListRect.top, m_ListRect.right, m_ListRect.top + m_nHeaderHeight + 1};
    return strip.Contains(p);
}

int CListControl::RowFromPoint(int x, int y) const {
    Rect r = m_ListRect;
    if (!m_bHeaderHidden) r.top += m_nHeaderHeight + 1;
    if (!r.Contains(Point{x, y}) || IsOnScrollBar(x, y) || m_nRowHeight <= 0) return -1;
    const int ly = y - m_ListRect.top;
    const int row = m_bHeaderHidden ? m_nTopRow + ly / m_nRowHeight
                                    : m_nTopRow + (ly - m_nHeaderHeight - 1) / m_nRowHeight;
    return row < ShownRows() ? row : -1;
}

int CListControl::ColumnFromPoint(int x, int y, bool headerToo) const {
    if (m_Columns.empty()) return -1;
    if (!headerToo && !RowsArea().Contains(Point{x, y})) return -1;
    int left = m_ListRect.left;
    for (int col = 0; col < static_cast<int>(m_Columns.size()); ++col) {
        const int right = left + m_Columns[col]->width + m_nColumnGap;
        if (x > left && x < right) return col;
        left = right;
    }
    return -1;
}

// ---- the scroll bar ----

void CListControl::BarButtonDown(Point p) {
    const Rect& b = m_BarRect;
    const int y = p.y - b.top;
    if (y < m_nArrowHeight) {
        m_bUpPressed = 1;
    } else if (y >= b.Height() - m_nArrowHeight) {
        m_bDownPressed = 1;
    } else if (y >= m_nThumbPos && y < m_nThumbPos + m_nArrowHeight) {
        m_bThumbDragging = 1;
        m_nDragLastY = p.y;
        return;
    } else {
        uint32_t code;
        if (y < m_nThumbPos) {
            m_nScrollPos = std::max(m_nScrollPos - m_nScrollPage, m_nScrollMin);
            code = SB_PAGEUP;
        } else {
            m_nScrollPos = std::min(m_nScrollPos + m_nScrollPage, m_nScrollMax);
            code = SB_PAGEDOWN;
        }
        m_nThumbPos = ThumbFor(m_nScrollPos);
        if (m_nThumbPos <= m_nArrowHeight) {
            m_nThumbPos = m_nArrowHeight;
            m_nScrollPos = m_nScrollMin;
        } else if (m_nThumbPos >= TrackEnd()) {
            m_nThumbPos = TrackEnd();
            m_nScrollPos = m_nScrollMax;
        }
        OnVScroll(code, m_nScrollPos);
        return;
    }
    if (SetTimer(kRepeatTimer, kTimerMs)) m_bRepeatRunning = 1;
    Paint(true);
}

void CListControl::LineUp() {
    if (m_nScrollPos <= 0) {
        m_nThumbPos = m_nArrowHeight;
        return;
    }
    --m_nScrollPos;
    m_nThumbPos = std::max(ThumbFor(m_nScrollPos), m_nArrowHeight);
    OnVScroll(SB_LINEUP, m_nScrollPos);
}

void CListControl::LineDown() {
    if (m_nScrollPos + 1 > m_nScrollMax) {
        m_nThumbPos = TrackEnd();
        return;
    }
    ++m_nScrollPos;
    m_nThumbPos = std::min(ThumbFor(m_nScrollPos), m_nTrackLength);
    OnVScroll(SB_LINEDOWN, m_nScrollPos);
}

void CListControl::ThumbDrag(Point p) {
    const int dy = p.y - m_nDragLastY;
    m_nDragLastY = p.y;
    if (dy == 0 || m_dPixelsPerStep <= 0) return;
    const int next = m_nThumbPos + dy;
    if (next >= TrackEnd()) {
        m_nThumbPos = TrackEnd();
        m_nScrollPos = m_nScrollMax;
    } else if (next <= m_nArrowHeight) {
        m_nThumbPos = m_nArrowHeight;
        m_nScrollPos = m_nScrollMin;
    } else {
        m_nThumbPos = next;
        m_nScrollPos = std::clamp(static_cast<int>((m_nThumbPos - m_nArrowHeight) / m_dPixelsPerStep), m_nScrollMin,
                                  std::max(m_nScrollMin, m_nScrollMax));
    }
    OnVScroll(SB_THUMBTRACK, m_nScrollPos);
}

void CListControl::OnVScroll(uint32_t code, int position) {
    m_nCurrentSelection = -1;
    switch (code) {
        case SB_LINEUP:
            if (m_nTopRow > 0) --m_nTopRow;
            break;
        case SB_LINEDOWN:
            if (m_nTopRow + m_nRowsFit < ShownRows()) ++m_nTopRow;
            break;
        case SB_PAGEUP:
        case SB_PAGEDOWN: m_nTopRow = position; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            m_nTopRow = position;
            Paint(true);
            return;
        default: return;
    }
    Paint(true);
    PlaySample(kSampleScroll, 0);
}

void CListControl::OnScroll(bool vertical, uint32_t code, int pos, Window*) {
    if (vertical) OnVScroll(code, pos);
}

void CListControl::Unlock() {
    const bool arrow = m_bUpPressed || m_bDownPressed;
    m_bButtonDown = 0;
    m_bRightDown = 0;
    m_bThumbDragging = 0;
    m_bUpPressed = m_bDownPressed = 0;
    if (m_bRepeatRunning) KillTimer(kRepeatTimer);
    m_bRepeatRunning = 0;
    if (arrow && IsAlive()) Paint(true);
}

// ---- the mouse ----

void CListControl::OnLButtonDown(uint32_t flags, Point pt) {
    if (m_bButtonDown) return;
    m_bButtonDown = 1;
    Ui& ui = Ui::Get();
    ui.SetFocus(this);
    ui.SetCapture(this);
    const Point p = ToOwner(flags, pt);
    if (IsOnScrollBar(p.x, p.y)) {
        if (m_bBarShown) BarButtonDown(p);
        return;
    }
    m_nPointerRow = RowFromPoint(p.x, p.y);
    m_nPointerColumn = ColumnFromPoint(p.x, p.y, true);
    if (m_bSelectable && m_nPointerRow >= 0) {
        bool ignored = false;
        MarkOnClick(m_nPointerRow, &ignored);
        if (!ignored) {
            PlaySample(kSampleRow, 0);
            if (!SetSelection(m_nPointerRow)) Redraw();
            SendToOwner(WM_LBUTTONDOWN, p);
        }
    }
    if (InHeaderStrip(p)) {
        const int col = ColumnFromPoint(p.x, p.y, true);
        m_nPressedHeader = col;
        if (col >= 0 && m_Columns[col]->sortable) {
            PlaySample(kSampleHeader, 0);
            m_nPointerRow = -1;
            Sort(col);
            Redraw();
        } else {
            m_nPressedHeader = -1;
        }
    }
}

void CListControl::OnLButtonUp(uint32_t flags, Point pt) {
    const Point p = ToOwner(flags, pt);
    const bool dragged = m_bThumbDragging != 0;
    const bool up = m_bUpPressed != 0, down = m_bDownPressed != 0;
    m_bButtonDown = 0;
    m_bThumbDragging = 0;
    if (m_bRepeatRunning) KillTimer(kRepeatTimer);
    m_bRepeatRunning = 0;
    m_bUpPressed = m_bDownPressed = 0;
    if (!IsOnScrollBar(p.x, p.y)) {
        if (m_nPointerRow != -1) Redraw();
        m_nPointerRow = -1;
        if (up || down) Paint(true);
    } else if (up || down || dragged) {
        const int y = p.y - m_BarRect.top;
        if (up && y < m_nArrowHeight) LineUp();
        if (down && y >= m_BarRect.Height() - m_nArrowHeight) LineDown();
        Paint(true);
    }
    Ui& ui = Ui::Get();
    if (ui.GetCapture() == this) ui.ReleaseCapture();
}

void CListControl::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (!IsShownFlag()) return;
    const Point p = ToOwner(flags, pt);
    if (InHeaderStrip(p) || IsOnScrollBar(p.x, p.y)) return;
    m_nPointerRow = RowFromPoint(p.x, p.y);
    if (m_nPointerRow >= 0) SendToOwner(WM_LBUTTONDBLCLK, p);
}

void CListControl::OnRButtonDown(uint32_t flags, Point pt) {
    HideTip();  // the page's menu comes where the tip stood
    Ui::Get().SetFocus(this);
    m_bButtonDown = 1;
    m_bRightDown = 1;
    const Point p = ToOwner(flags, pt);
    if (InHeaderStrip(p) || IsOnScrollBar(p.x, p.y)) return;
    // Below the last row the press belongs to the page, whose own menu
    // shows there; the pointer row says no row was pressed.
    const int row = RowFromPoint(p.x, p.y);
    m_nPointerRow = row;
    m_nPointerColumn = row < 0 ? -1 : ColumnFromPoint(p.x, p.y, true);
    SendToOwner(WM_RBUTTONDOWN, p);
}

// Rows have no right double click: a quick second press is a press.
void CListControl::OnRButtonDblClk(uint32_t flags, Point pt) { OnRButtonDown(flags, pt); }

void CListControl::OnRButtonUp(uint32_t, Point) {
    m_bButtonDown = 0;
    m_bRightDown = 0;
    m_nPointerRow = -1;
    Ui& ui = Ui::Get();
    if (ui.GetCapture() == this) ui.ReleaseCapture();
}

void CListControl::OnMouseMove(uint32_t flags, Point pt) {
    if (!IsShownFlag()) return;
    const Point p = ToOwner(flags, pt);
    if (p.x == m_LastMouse.x && p.y == m_LastMouse.y) return;
    m_LastMouse = p;
    Ui& ui = Ui::Get();
    if (m_bThumbDragging || IsOnScrollBar(p.x, p.y)) {
        if (m_bThumbDragging) ThumbDrag(p);
        if (m_nCurrentSelection != -1) ClearSelection();
        return;
    }
    if (!m_bButtonDown || m_nPointerRow == -1) {
        const int col = m_ListRect.Contains(p) ? ColumnFromPoint(p.x, p.y, true) : -1;
        if (col < 0) {
            HideTip();
        } else {
            if (m_bTipShown && col != m_nTipColumn) HideTip();
            m_strTip = m_Columns[col]->text2;
            m_nTipColumn = col;
            m_TipPoint = p;
            if (SetTimer(kTipTimer, kTimerMs)) m_bTipTimer = 1;
        }
        const bool dragImage = dynamic_cast<CFlyingWindow*>(ui.GetCapture()) != nullptr ||
                               dynamic_cast<CFlyingWindow*>(ui.WindowFromPoint(m_pOwner->ClientToScreen(p)));
        const int row = RowFromPoint(p.x, p.y);
        if (dragImage || row < 0) {
            if (m_nCurrentSelection != -1) ClearSelection();
        } else if (m_bHoverSelects) {
            SetSelection(row);
        }
        return;
    }
    // A row is held: the page drags it. Near the edges the list follows.
    if (dynamic_cast<CFlyingWindow*>(ui.GetCapture())) {
        const int row = RowFromPoint(p.x, p.y);
        const int lastVisible = m_nTopRow + m_nRowsFit - 1;
        if (row >= 0 && row == m_nTopRow && m_nTopRow > 0) {
            OnVScroll(SB_LINEUP, m_nTopRow - 1);
            m_nScrollPos = m_nTopRow;
        } else if (row >= 0 && row == lastVisible && m_nTopRow + m_nRowsFit < ShownRows()) {
            OnVScroll(SB_LINEDOWN, m_nTopRow + 1);
            m_nScrollPos = m_nTopRow;
        }
    }
    SendToOwner(WM_MOUSEMOVE, p);
}

void CListControl::OnTimer(uint32_t id) {
    if (id == kRepeatTimer) {
        if (m_bUpPressed)
            LineUp();
        else if (m_bDownPressed)
            LineDown();
        Paint(true);
        return;
    }
    if (id == kTipTimer) {
        KillTimer(kTipTimer);
        m_bTipTimer = 0;
        if (m_LastMouse.x != m_TipPoint.x || m_LastMouse.y != m_TipPoint.y) return;
        if (m_strTip.empty() || m_strTip == " " || !m_pTip || !m_pOwner) return;
        const Point s = m_pOwner->ClientToScreen(m_TipPoint);
        m_pTip->Show(s.x, s.y, m_strTip);
        m_bTipShown = 1;
    }
}

void CListControl::HideTip() {
    if (m_bTipTimer) KillTimer(kTipTimer);
    m_bTipTimer = 0;
    if (m_pTip) m_pTip->Hide();
    m_bTipShown = 0;
}

// ---- keys and focus ----

void CListControl::OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) {
    if (Ui::Get().GetFocus() != this) return;
    if (vk == VK_DOWN) {
        if (m_nCurrentSelection < ShownRows() - 1) SetSelection(m_nCurrentSelection + 1);
        return;
    }
    if (vk == VK_UP) {
        if (m_nCurrentSelection == 0)
            ClearSelection();
        else if (m_nCurrentSelection > 0)
            SetSelection(m_nCurrentSelection - 1);
        return;
    }
    CXWnd::OnKeyDown(vk, repeatCount, flags);
}

void CListControl::OnSetFocus(Window* old) {
    if (auto* other = dynamic_cast<CListControl*>(old); other && other != this) other->HideTip();
}

void CListControl::OnKillFocus(Window* next) {
    if (m_nCurrentSelection != -1) ClearSelection();
    HideTip();
    Unlock();
    CXWnd::OnKillFocus(next);
}

void CListControl::OnCaptureChanged(Window* next) {
    // A release another window took (a pop-up menu, the page's drag) must
    // not leave the list ignoring every later press.
    if (next != this) Unlock();
}

void CListControl::OnDestroy() {
    HideTip();
    CXWnd::OnDestroy();
}

// ---- drag and drop ----

intptr_t CListControl::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    switch (msg) {
        case ui::kMsgMayDrag: {
            const auto* p = reinterpret_cast<const Point*>(w);
            if (!p) return 0;
            m_nDropRow = RowFromPoint(p->x, p->y);
            if (m_nDropRow < 0 || m_nDropRow >= m_nRowCount) return 0;
            Rect visible;
            if (m_nDropRow < m_nTopRow || !GetRowRect(m_nDropRow, &visible, false)) return 0;
            if (ColumnFromPoint(p->x, p->y, false) != m_nDragColumn) return 0;
            return RowsArea().Contains(*p) ? 1 : 0;
        }
        case ui::kMsgGetDragRect: {
            auto* r = reinterpret_cast<Rect*>(w);
            if (!r) return 0;
            Rect row;
            if (m_nDropRow < 0 || !ColumnInRange(m_nDragColumn) || !GetRowRect(m_nDropRow, &row, false)) {
                *r = Rect{};
                return 0;
            }
            int left = m_ListRect.left;
            for (int c = 0; c < m_nDragColumn; ++c) left += m_Columns[c]->width + m_nColumnGap;
            const Point o = ClientOrigin();
            const Rect owner{left, o.y + row.top, left + m_Columns[m_nDragColumn]->width, o.y + row.bottom};
            *r = m_pOwner ? m_pOwner->ClientToScreen(owner) : owner;
            return 1;
        }
        case ui::kMsgDrawDragItem: {
            auto* dc = reinterpret_cast<Canvas*>(w);
            const auto* item = reinterpret_cast<const Rect*>(l);
            if (!dc || !item || m_nDropRow < 0) return 0;
            dc->FillSolidRect(Rect{0, 0, item->Width(), item->Height()}, 0x000000);
            Rect row;
            if (!GetRowRect(m_nDropRow, &row, false)) return 0;
            int left = m_ListRect.left;
            for (int c = 0; c < m_nDragColumn && c < static_cast<int>(m_Columns.size()); ++c)
                left += m_Columns[c]->width + m_nColumnGap;
            MakeFonts();
            DrawRow(*dc, m_nDropRow, Point{-left, -(ClientOrigin().y + row.top) - 4});
            return 1;
        }
        case ui::kMsgDraggedItem: {
            if (m_nDropRow < 0) return -1;
            if (m_nPressedHeader != -1) {
                const CListCell* c = GetCell(m_nDropRow, 0);
                return c ? c->rowAtInsertion : -1;
            }
            return m_nDropRow;
        }
        case ui::kMsgRowAtPoint: {
            const auto* p = reinterpret_cast<const Point*>(w);
            return p ? RowFromPoint(p->x, p->y) : -1;
        }
        default: return CXWnd::OnMessage(msg, w, l);
    }
}
