#include "platform/window/tooltips.h"

#include "platform/gfx/font.h"
#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {
constexpr uint32_t kShowTimer = 1;
constexpr uint32_t kPopTimer = 2;
}  // namespace

bool ToolTipManager::CreateFor(Window* owner, HitTest hitTest) {
    if (!owner || !owner->IsAlive()) return false;
    owner_ = owner->Handle();
    hitTest_ = std::move(hitTest);
    return CreatePopup(owner, {0, 0, 0, 0}, 0);
}

void ToolTipManager::RelayMouse(uint32_t msg, Point clientPt) {
    Window* owner = Ui::Get().FromHandle(owner_);
    if (!owner || !IsAlive()) return;
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        Pop();
        suppressed_ = true;
        return;
    }
    if (msg != WM_MOUSEMOVE) return;
    int hit = hitTest_ ? hitTest_(clientPt) : -1;
    if (hit == tool_) return;
    Pop();
    tool_ = hit;
    suppressed_ = false;
    if (hit >= 0) SetTimer(kShowTimer, kToolTipInitialMs);
}

void ToolTipManager::Pop() {
    KillTimer(kShowTimer);
    KillTimer(kPopTimer);
    if (IsShownFlag()) Show(false);
}

void ToolTipManager::OnTimer(uint32_t id) {
    KillTimer(id);
    if (id == kShowTimer && !suppressed_) ShowTip();
    if (id == kPopTimer) Pop();
}

void ToolTipManager::ShowTip() {
    Window* owner = Ui::Get().FromHandle(owner_);
    if (!owner || tool_ < 0) return;
    ToolTipText ttt;
    ttt.hdr = {owner, 0, TTN_NEEDTEXT};
    ttt.toolId = uintptr_t(tool_);
    owner->Send(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&ttt));
    ttt.szText[sizeof ttt.szText - 1] = 0;
    text_ = ttt.szText;
    if (text_.empty()) return;
    static const gfx::FontRef font = gfx::Font::CreatePoint(80, "MS Sans Serif");
    int w = font->Measure(text_) + 8, h = font->Metrics().height + 5;
    Point at = Ui::Get().CursorPos();
    Move(Rect::XYWH(at.x - 3, at.y + 16, w, h));
    BringToTop();
    Show(true);
    SetTimer(kPopTimer, kToolTipAutoPopMs);
}

void ToolTipManager::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, gfx::ToPixel(gfx::GetSysColor(gfx::COLOR_INFOBK)));
    const uint32_t frame = gfx::ToPixel(gfx::GetSysColor(gfx::COLOR_INFOTEXT));
    pc.Line({0, 0}, {c.right - 1, 0}, frame);
    pc.Line({0, c.bottom - 1}, {c.right - 1, c.bottom - 1}, frame);
    pc.Line({0, 0}, {0, c.bottom - 1}, frame);
    pc.Line({c.right - 1, 0}, {c.right - 1, c.bottom - 1}, frame);
    PaintText(pc, {3, 1, c.right - 2, c.bottom - 1}, text_, frame);
}

}  // namespace platform::win
