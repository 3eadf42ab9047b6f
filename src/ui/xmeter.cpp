#include "ui/xmeter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

double CXMeter::NeedleAngle() const {
    const int range = m_nMaximum - m_nMinimum;
    // An empty scale has nowhere to go: the needle rests at the start.
    if (range == 0) return 0.55;
    return m_nShown * 2.15 / range + 0.55;
}

int CXMeter::MarkerX() const {
    const Rect r = WindowRect();
    const int range = m_nMaximum - m_nMinimum;
    if (range == 0) return r.left + 5;
    return r.left + 5 + static_cast<int>(static_cast<double>(m_nShown) * (r.Width() - 10) / range);
}

void CXMeter::OnPaint(const PaintContext& pc) {
    Window* parent = Parent();
    if (!parent) {
        platform::Trace("CXMeter: no parent\n");
        return;
    }
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        platform::Trace("CXMeter: the page gives no work buffer\n");
        parent->Send(ui::kMsgDrawingDone);
        return;
    }
    if (!m_bStarted) {
        m_nShown = 0;
        if (SetTimer(kTimer, kTickMs)) m_bTimer = 1;
        m_bStarted = 1;
    }
    Rect r = WindowRect();
    if (m_bMoving) parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
    uint32_t colour = m_crPen;
    if (m_dwFlags & kMeterThreshold) colour = m_nShown > m_nThreshold ? m_crHigh : m_crLow;
    const int saved = dc->SaveDC();
    dc->SelectPen(platform::gfx::Pen::Solid(colour, m_nPenWidth));
    const int x0 = r.left + r.Width() / 2, y0 = r.bottom - 5;
    const double t = NeedleAngle();
    dc->MoveTo(x0, y0);
    dc->LineTo(static_cast<int>(x0 - 30 * std::cos(t)), static_cast<int>(y0 - 30 * std::sin(t)));
    if (m_dwFlags & kMeterMarker) {
        // Tilted towards the end of the scale the value lies nearer to.
        const double half = (m_nMaximum - m_nMinimum) / 2.0;
        const double off = half == 0 ? -1.0 : std::clamp((m_nShown - m_nMinimum - half) / half, -1.0, 1.0);
        const double a = off * 0.35;
        const int cx = MarkerX(), tipY = r.top + 5;
        auto rot = [&](double dx, double dy) {
            return Point{static_cast<int>(std::lround(cx + dx * std::cos(a) - dy * std::sin(a))),
                         static_cast<int>(std::lround(tipY + dx * std::sin(a) + dy * std::cos(a)))};
        };
        dc->SelectBrush(platform::gfx::Brush::Solid(colour));
        dc->SelectPen(platform::gfx::Pen::Solid(colour, 1));
        dc->Polygon(std::vector<Point>{rot(0, 0), rot(-m_nMarkerHalfWidth, m_nMarkerHeight),
                                       rot(m_nMarkerHalfWidth, m_nMarkerHeight)});
    }
    dc->RestoreDC(saved);
    Canvas out = pc.MakeCanvas();
    out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
    parent->Send(ui::kMsgDrawingDone);
}

void CXMeter::OnTimer(uint32_t id) {
    if (id != kTimer) return;
    // A target at or below the needle is shown at once: the climb only goes up.
    if (m_nShown >= m_nTarget) {
        const bool jump = m_nShown != m_nTarget;
        m_nShown = m_nTarget;
        KillTimer(kTimer);
        m_bTimer = 0;
        m_bMoving = jump ? 1 : 0;
        if (jump && Parent()) {
            Parent()->InvalidateRect(WindowRect(), true);
            Parent()->UpdateNow();
        }
        m_bMoving = 0;
        return;
    }
    m_bMoving = 1;
    ++m_nShown;
    if (Window* parent = Parent()) {
        parent->InvalidateRect(WindowRect(), true);
        parent->UpdateNow();
    }
}
