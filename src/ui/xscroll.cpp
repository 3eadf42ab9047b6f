#include "ui/xscroll.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/window/ui.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

bool CXScroll::Create(const std::string& name, uint32_t style, const Rect& rect, Window* parent, uint32_t id,
                      const char* up, const char* down, const char* thumb, Window* notify) {
    if (!Window::Create(parent, rect, style | WS_CHILD, id, name)) return false;
    m_pNotify = notify ? notify : parent;
    if (up) m_Up.Load(up);
    if (down) m_Down.Load(down);
    if (thumb) m_Thumb.Load(thumb);
    Layout();
    m_nThumb = m_nArrowHeight;
    m_nPos = 0;
    m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    return true;
}

void CXScroll::Layout() {
    const Rect c = ClientRect();
    m_nClientHeight = c.Height();
    m_nClientRight = c.right;
    m_nArrowWidth = m_nArrowHeight = c.Width();
    const int w = m_nArrowWidth;
    m_UpRect = {0, 0, w, w};
    m_DownRect = {0, m_nClientHeight - w, w, m_nClientHeight};
}

int CXScroll::ThumbFor(int position) const { return static_cast<int>(position * m_dPixelsPerStep + m_nArrowHeight); }

int CXScroll::SetScrollInfo(int minimum, int maximum, int position, int page, int trackPosition) {
    m_nMin = minimum;
    m_nMax = maximum;
    m_nPos = position;
    m_nPage = page;
    m_nTrackPos = trackPosition;
    const int track = m_nClientHeight - 3 * m_nArrowHeight;
    // A bar too short for its three pictures has no steps, like a range
    // without any: the thumb then rests at the top.
    if (maximum < 1 || track <= 0)
        m_dPixelsPerStep = 0;
    else if (maximum == 1)
        m_dPixelsPerStep = track;
    else
        m_dPixelsPerStep = static_cast<double>(track) / maximum;
    const int thumb = ThumbFor(position);
    m_nThumb = std::max(m_nArrowHeight, std::min(thumb, TrackEnd()));
    m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    return thumb;
}

void CXScroll::EnableBar(bool enable) {
    if ((enable ? 1 : 0) == m_bEnabled) return;
    m_bEnabled = enable ? 1 : 0;
    Redraw();
}

void CXScroll::Notify(uint32_t code) {
    if (m_pNotify && m_pNotify->IsAlive())
        m_pNotify->Send(WM_VSCROLL, MakeWParam(code, static_cast<uint32_t>(m_nPos)), 0);
}

void CXScroll::LineUp() {
    if (m_nPos - 1 < 0) return;
    --m_nPos;
    m_nThumb = std::max(ThumbFor(m_nPos), m_nArrowHeight);
    m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    Notify(SB_LINEUP);
}

void CXScroll::LineDown() {
    if (m_nPos + 1 > m_nMax) return;
    ++m_nPos;
    m_nThumb = std::min(ThumbFor(m_nPos), TrackEnd());
    m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    Notify(SB_LINEDOWN);
}

bool CXScroll::Under(Point pt) { return Ui::Get().WindowFromPoint(ClientToScreen(pt)) == this; }

void CXScroll::DrawBar(const PaintContext* pc) {
    Window* parent = Parent();
    if (!parent) return;
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (dc) {
        Rect r = WindowRect();
        parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
        if (m_bEnabled) {
            const auto key = platform::gfx::kKeyColourRef;
            m_Up.DrawTransparent(*dc, r.left + m_bUpPressed, r.top + m_bUpPressed, key);
            m_Down.DrawTransparent(*dc, r.left + m_bDownPressed, r.top + m_DownRect.top + m_bDownPressed, key);
            m_Thumb.DrawTransparent(*dc, r.left, r.top + m_nThumb, key);
        }
        if (pc) {
            Canvas out = pc->MakeCanvas();
            out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
        }
    }
    parent->Send(ui::kMsgDrawingDone);
}

void CXScroll::Redraw() {
    if (!IsAlive() || !IsShownFlag()) return;
    DrawBar(nullptr);
    if (Parent()) Parent()->InvalidateRect(WindowRect(), false);
}

void CXScroll::OnPaint(const PaintContext& pc) { DrawBar(&pc); }

void CXScroll::OnLButtonDown(uint32_t, Point pt) {
    if (!m_bEnabled || !Under(pt)) return;
    Ui& ui = Ui::Get();
    ui.SetFocus(this);
    ui.SetCapture(this);
    bool arrow = false;
    if (m_UpRect.Contains(pt)) {
        m_bUpPressed = 1;
        arrow = true;
    } else if (m_DownRect.Contains(pt)) {
        m_bDownPressed = 1;
        arrow = true;
    } else if (m_ThumbRect.Contains(pt)) {
        m_bDragging = 1;
        m_nPressX = pt.x;
        m_nDragRef = pt.y;
    } else {
        // Paging on the track: towards the press point, one page at a time.
        const int oldThumb = m_nThumb;
        const int press = std::min(pt.y, TrackEnd());
        uint32_t code;
        if (press < oldThumb) {
            m_nPos = std::max(m_nPos - m_nPage, m_nMin);
            code = SB_PAGEUP;
        } else {
            m_nPos = std::min(m_nPos + m_nPage, m_nMax);
            code = SB_PAGEDOWN;
        }
        m_nThumb = ThumbFor(m_nPos);
        Notify(code);
        if (m_nThumb < m_nArrowHeight) {
            m_nThumb = m_nArrowHeight;
            m_nPos = 0;
        } else if (m_nThumb > TrackEnd()) {
            m_nThumb = TrackEnd();
            m_nPos = m_nMax;
        }
        m_nTrackPos = m_nPos;
        m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    }
    if (arrow) m_nTimer = SetTimer(kRepeatTimer, kRepeatMs);
    Redraw();
}

void CXScroll::OnMouseMove(uint32_t, Point pt) {
    if (!m_bEnabled || !m_bDragging) return;
    if (pt.x == m_LastPoint.x && pt.y == m_LastPoint.y) return;
    m_LastPoint = pt;
    if (pt.y < m_nArrowHeight || pt.y >= m_nClientHeight - m_nArrowHeight) return;
    const int next = m_nThumb + (pt.y - m_nDragRef);
    if (m_dPixelsPerStep <= 0) return;  // nothing to scroll: the thumb stays
    if (next > m_nArrowHeight && next < TrackEnd()) {
        m_nThumb = next;
        m_nDragRef = pt.y;
        m_nPos = static_cast<int>((m_nThumb - m_nArrowHeight) / m_dPixelsPerStep);
        m_nPos = std::clamp(m_nPos, m_nMin, std::max(m_nMin, m_nMax));
    } else if (next >= TrackEnd() && m_nThumb < TrackEnd()) {
        m_nThumb = TrackEnd();
        m_nPos = m_nTrackPos = m_nMax;
        m_nDragRef = pt.y;
    } else if (next <= m_nArrowHeight && m_nThumb > m_nArrowHeight) {
        m_nThumb = m_nArrowHeight;
        m_nPos = m_nTrackPos = m_nMin;
        m_nDragRef = pt.y;
    } else {
        return;
    }
    m_ThumbRect = {0, m_nThumb, m_nArrowWidth, m_nThumb + m_nArrowWidth};
    Redraw();
    Notify(SB_THUMBTRACK);
}

void CXScroll::OnLButtonUp(uint32_t, Point pt) {
    if (!m_bEnabled) return;
    Ui& ui = Ui::Get();
    if (m_bDragging) m_nTrackPos = m_nPos;
    m_bDragging = 0;
    if (ui.GetCapture() == this) ui.ReleaseCapture();
    if (m_nTimer) KillTimer(kRepeatTimer);
    m_nTimer = 0;
    if (Under(pt)) {
        if (m_bUpPressed && m_UpRect.Contains(pt)) LineUp();
        if (m_bDownPressed && m_DownRect.Contains(pt)) LineDown();
    }
    m_bUpPressed = m_bDownPressed = 0;
    Redraw();
}

void CXScroll::OnTimer(uint32_t id) {
    if (id != kRepeatTimer) return;
    if (m_bUpPressed)
        LineUp();
    else if (m_bDownPressed)
        LineDown();
    Redraw();
}
