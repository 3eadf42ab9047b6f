#include "platform/window/tooltips.h"

#include "platform/gfx/font.h"
#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

ToolTipTiming::~ToolTipTiming() {
    Disarm();
}

void ToolTipTiming::Relay(uint32_t msg, Point clientPt) {
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK) {
        Pop();
        leftShown_ = false;
        return;
    }
    if (msg != WM_MOUSEMOVE) return;
    const int hit = hooks_.hitTest ? hooks_.hitTest(clientPt) : -1;
    if (hit == tool_) return;
    HideNow(true);
    Disarm();
    tool_ = hit;
    suppressed_ = false;
    if (hit < 0) return;
    // Straight on from a tip just shown, the next one comes quickly.
    const bool reshow = leftShown_ && Ui::Get().NowMs() - leftShownAt_ < kToolTipInitialMs;
    Arm(Next::Show, reshow ? kToolTipReshowMs : kToolTipInitialMs);
}

void ToolTipTiming::Pop() {
    Disarm();
    HideNow(false);
    suppressed_ = true;
}

void ToolTipTiming::Reset() {
    Disarm();
    HideNow(false);
    tool_ = -1;
    suppressed_ = false;
    leftShown_ = false;
}

void ToolTipTiming::HideNow(bool byLeaving) {
    if (!shown_) return;
    shown_ = false;
    if (byLeaving) {
        leftShown_ = true;
        leftShownAt_ = Ui::Get().NowMs();
    }
    if (hooks_.hide) hooks_.hide();
}

void ToolTipTiming::Arm(Next next, uint32_t ms) {
    Disarm();
    if (!Ui::Get().Started()) return;
    next_ = next;
    delay_ = ms;
    timer_ = Ui::Get().StartPeriodicTimer(ms, [this] { Due(); });
}

void ToolTipTiming::Disarm() {
    if (timer_ && Ui::Get().Started()) Ui::Get().StopPeriodicTimer(timer_);
    timer_ = 0;
    next_ = Next::None;
}

void ToolTipTiming::Due() {
    const Next next = next_;
    Disarm();
    if (next == Next::Pop) {
        Pop();
        return;
    }
    if (next != Next::Show || suppressed_ || tool_ < 0) return;
    if (!hooks_.show || !hooks_.show(tool_)) return;
    shown_ = true;
    leftShown_ = false;
    Arm(Next::Pop, kToolTipAutoPopMs);
}

bool ToolTipManager::CreateFor(Window* owner, HitTest hitTest) {
    if (!owner || !owner->IsAlive()) return false;
    owner_ = owner->Handle();
    timing_.SetHooks({std::move(hitTest), [this](int tool) { return ShowTip(tool); },
                      [this] {
                          if (IsAlive() && IsShownFlag()) Show(false);
                      }});
    return CreatePopup(owner, {0, 0, 0, 0}, 0);
}

bool ToolTipManager::ShowTip(int tool) {
    Window* owner = Ui::Get().FromHandle(owner_);
    if (!owner || !IsAlive() || tool < 0) return false;
    ToolTipText ttt;
    ttt.hdr = {owner, 0, TTN_NEEDTEXT};
    ttt.toolId = uintptr_t(tool);
    owner->Send(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&ttt));
    ttt.szText[sizeof ttt.szText - 1] = 0;
    text_ = ttt.szText;
    if (text_.empty()) return false;
    static const gfx::FontRef font = gfx::Font::CreatePoint(80, "MS Sans Serif");
    int w = font->Measure(text_) + 8, h = font->Metrics().height + 5;
    Point at = Ui::Get().CursorPos();
    Move(Rect::XYWH(at.x - 3, at.y + 16, w, h));
    BringToTop();
    Show(true);
    return true;
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
