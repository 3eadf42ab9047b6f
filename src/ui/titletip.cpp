#include "ui/titletip.h"

#include "platform/gfx/canvas.h"
#include "platform/gfx/system.h"
#include "platform/trace.h"
#include "platform/window/ui.h"

using namespace platform::win;

bool CTitleTip::Create(CXWnd* owner) {
    if (!owner || !owner->IsAlive()) {
        platform::Trace("CTitleTip: no owner\n");
        return false;
    }
    m_hOwner = owner->Handle();
    m_nItemIndex = -1;
    m_nSecondIndex = -1;
    SetClassStyle(CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS);
    return CreatePopup(owner, Rect{0, 0, 0, 0}, WS_POPUP);
}

CXWnd* CTitleTip::GetOwnerWnd() const {
    return dynamic_cast<CXWnd*>(Ui::Get().FromHandle(m_hOwner));
}

platform::gfx::FontRef CTitleTip::DefaultFont() {
    static const auto font = platform::gfx::Font::Create("SSerife", 10, 400);
    return font;
}

void CTitleTip::Show(const Rect& screenRect, int index) {
    if (!IsAlive() || index < 0 || screenRect.IsEmpty()) {
        platform::Trace("CTitleTip: shown without a window, an item or a place\n");
        return;
    }
    if (index != m_nItemIndex) {
        m_nItemIndex = index;
        Invalidate(true);
    }
    // Over the same place it stays put: no move, no size, nothing under it
    // drawn again.
    if (!(screenRect == WindowRect())) Move(screenRect, true);
    Ui& ui = Ui::Get();
    if (ui.TopLevels().empty() || ui.TopLevels().back() != this) BringToTop();
    if (!IsShownFlag()) {
        Window* active = ui.GetActiveWindow();
        Window::Show(true);
        if (active && active->IsAlive() && ui.GetActiveWindow() != active) ui.SetActiveWindow(active);
    }
}

void CTitleTip::Hide() {
    if (IsAlive()) Window::Show(false);
}

void CTitleTip::OnPaint(const PaintContext& pc) {
    using namespace platform::gfx;
    Canvas dc = pc.MakeCanvas();
    Rect c = ClientRect();
    CXWnd* owner = GetOwnerWnd();
    if (m_nItemIndex < 0 || !owner) {
        platform::Trace("CTitleTip: painted without an item\n");
        return;
    }
    const int saved = dc.SaveDC();
    FontRef font = owner->GetItemFont();
    dc.SelectFont(font ? font : DefaultFont());
    dc.FillSolidRect(c, GetSysColor(COLOR_INFOBK));
    dc.DrawEdge(c, EDGE_RAISED, BF_RECT);
    const std::string text = owner->GetItemText(static_cast<uint32_t>(m_nItemIndex));
    if (text.empty()) {
        platform::Trace("CTitleTip: the item has no text\n");
    } else {
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
        dc.TextOut(3, 2, text);
    }
    dc.RestoreDC(saved);
}

void CTitleTip::PassOn(uint32_t msg, uint32_t flags, Point pt) {
    Window* owner = GetOwnerWnd();
    if (!owner) return;
    owner->Send(msg, flags, MakePointParam(owner->ScreenToClient(ClientToScreen(pt))));
}

void CTitleTip::OnLButtonDown(uint32_t flags, Point pt) { PassOn(WM_LBUTTONDOWN, flags, pt); }
void CTitleTip::OnLButtonUp(uint32_t flags, Point pt) { PassOn(WM_LBUTTONUP, flags, pt); }

void CTitleTip::OnKillFocus(Window* next) {
    Hide();
    CXWnd::OnKillFocus(next);
}
