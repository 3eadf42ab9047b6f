#include "ui/xtooltip.h"

#include "platform/gfx/canvas.h"
#include "platform/trace.h"
#include "platform/window/ui.h"

using namespace platform::win;

bool CXToolTip::Create(Window* owner) {
    if (!owner) {
        platform::Trace("CXToolTip: no owner\n");
        return false;
    }
    m_pOwner = owner;
    SetClassStyle(CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS);
    return CreatePopup(owner->TopLevel(), Rect{0, 0, 0, 0}, WS_POPUP);
}

platform::gfx::FontRef CXToolTip::TipFont() {
    static const auto font = platform::gfx::Font::Create("MS Sans Serif", 8, 400);
    return font;
}

Rect CXToolTip::TipRect(int x, int y, Size extent) {
    return {x - 3, y + 16, x - 3 + extent.cx + 8, y + 16 + extent.cy + 5};
}

void CXToolTip::Show(int x, int y, const std::string& text) {
    if (!IsAlive() || text.empty()) {
        platform::Trace("CXToolTip: shown without a window or a text\n");
        return;
    }
    if (text != m_strText) {
        m_strText = text;
        Invalidate(true);
    }
    auto f = TipFont();
    const Rect r = TipRect(x, y, {f->Measure(text), f->Metrics().height});
    if (!(r == m_Rect)) {
        m_Rect = r;
        Move(r, true);
    }
    if (!IsShownFlag()) {
        // Shown without taking the activation from the window it helps.
        Ui& ui = Ui::Get();
        Window* active = ui.GetActiveWindow();
        Window::Show(true);
        if (active && active->IsAlive() && ui.GetActiveWindow() != active) ui.SetActiveWindow(active);
    }
}

void CXToolTip::Hide() {
    if (IsAlive()) Window::Show(false);
}

void CXToolTip::OnPaint(const PaintContext& pc) {
    platform::gfx::Canvas dc = pc.MakeCanvas();
    Rect c = ClientRect();
    dc.FillSolidRect(c, platform::gfx::RGB(255, 255, 225));
    dc.DrawEdge(c, platform::gfx::EDGE_RAISED, platform::gfx::BF_RECT);
    if (m_strText.empty()) return;
    dc.SelectFont(TipFont());
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextColor(platform::gfx::RGB(0, 0, 0));
    dc.TextOut(3, 2, m_strText);
}

void CXToolTip::PassOn(uint32_t msg, uint32_t flags, Point pt) { PassOnAt(msg, flags, ClientToScreen(pt)); }

void CXToolTip::PassOnAt(uint32_t msg, uint32_t flags, Point screen) {
    if (!m_pOwner || !m_pOwner->IsAlive()) return;
    m_pOwner->Send(msg, flags, MakePointParam(m_pOwner->ScreenToClient(screen)));
}

// A press on the tip is meant for what lies under it: the tip goes and the
// owner takes the press, a right one (its menu) as well as a left one.
void CXToolTip::OnLButtonDown(uint32_t f, Point p) {
    const Point screen = ClientToScreen(p);
    Hide();
    PassOnAt(WM_LBUTTONDOWN, f, screen);
}
void CXToolTip::OnLButtonUp(uint32_t f, Point p) { PassOn(WM_LBUTTONUP, f, p); }
void CXToolTip::OnRButtonDown(uint32_t f, Point p) {
    const Point screen = ClientToScreen(p);
    Hide();
    PassOnAt(WM_RBUTTONDOWN, f, screen);
}
void CXToolTip::OnRButtonUp(uint32_t f, Point p) { PassOn(WM_RBUTTONUP, f, p); }

void CXToolTip::OnKillFocus(Window* next) {
    Hide();
    if (m_pOwner && m_pOwner->IsAlive()) m_pOwner->Send(WM_KILLFOCUS, reinterpret_cast<uintptr_t>(next), 0);
    CXWnd::OnKillFocus(next);
}
