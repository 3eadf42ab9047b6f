#include "platform/window/commonctrls.h"

#include <algorithm>

#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {
uint32_t SysPixel(int index) {
    return gfx::ToPixel(gfx::GetSysColor(index));
}
constexpr uint32_t kRepeatTimer = 1;
}  // namespace

bool UpDownCtrl::CreateUpDown(Window* parent, const Rect& rect, uint32_t style, uint32_t id) {
    SetClassStyle(CS_DBLCLKS);
    return Create(parent, rect, style | WS_CHILD, id);
}

void UpDownCtrl::SetRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
    pos_ = std::clamp(pos_, low_, high_);
}

void UpDownCtrl::SetPos(int pos) {
    pos_ = std::clamp(pos, low_, high_);
}

Window* UpDownCtrl::GetBuddy() const {
    return Ui::Get().FromHandle(buddy_);
}

void UpDownCtrl::OnLButtonDown(uint32_t, Point pt) {
    held_ = pt.y < ClientRect().Height() / 2 ? 1 : -1;
    Ui::Get().SetCapture(this);
    Invalidate(false);
    StepOnce();
    if (IsAlive() && held_) SetTimer(kRepeatTimer, kRepeatDelayMs);
}

void UpDownCtrl::OnLButtonUp(uint32_t, Point) {
    if (!held_) return;
    held_ = 0;
    KillTimer(kRepeatTimer);
    Ui::Get().ReleaseCapture();
    Invalidate(false);
}

void UpDownCtrl::OnTimer(uint32_t id) {
    if (id != kRepeatTimer || !held_) return;
    SetTimer(kRepeatTimer, kRepeatMs);
    StepOnce();
}

void UpDownCtrl::StepOnce() {
    Window* parent = Parent();
    if (!parent) return;
    NotifyUpDown nm;
    nm.hdr = {this, Id(), UDN_DELTAPOS};
    nm.iPos = pos_;
    nm.iDelta = held_;
    if (parent->Send(WM_NOTIFY, Id(), reinterpret_cast<intptr_t>(&nm)) != 0) return;
    int next = std::clamp(pos_ + nm.iDelta, low_, high_);
    if (next == pos_) return;
    pos_ = next;
    if (IsAlive()) parent->Send(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, uint32_t(pos_)), intptr_t(Handle()));
}

void UpDownCtrl::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    int mid = c.Height() / 2;
    gfx::Canvas dc = pc.MakeCanvas();
    dc.DrawPushButtonFrame({0, 0, c.right, mid}, gfx::DFCS_BUTTONPUSH | (held_ > 0 ? unsigned(gfx::DFCS_PUSHED) : 0u));
    dc.DrawPushButtonFrame({0, mid, c.right, c.bottom}, gfx::DFCS_BUTTONPUSH | (held_ < 0 ? unsigned(gfx::DFCS_PUSHED) : 0u));
    const uint32_t ink = SysPixel(IsEnabled() ? gfx::COLOR_BTNTEXT : gfx::COLOR_GRAYTEXT);
    int cx = c.right / 2;
    for (int k = 0; k < 3; ++k) {
        pc.Line({cx - k, mid / 2 - 1 + k}, {cx + k, mid / 2 - 1 + k}, ink);
        pc.Line({cx - k, mid + mid / 2 + 1 - k}, {cx + k, mid + mid / 2 + 1 - k}, ink);
    }
}

bool TabCtrl::CreateTabs(Window* parent, const Rect& rect, uint32_t style, uint32_t id) {
    return Create(parent, rect, style | WS_CHILD, id);
}

int TabCtrl::InsertItem(int index, std::string text) {
    index = std::clamp(index, 0, int(items_.size()));
    items_.insert(items_.begin() + index, std::move(text));
    if (sel_ < 0) sel_ = 0;
    else if (index <= sel_ && items_.size() > 1) ++sel_;
    Invalidate();
    return index;
}

int TabCtrl::SetCurSel(int index) {
    int old = sel_;
    if (index >= 0 && index < int(items_.size())) {
        sel_ = index;
        Invalidate();
    }
    return old;
}

void TabCtrl::SetFont(gfx::FontRef font) {
    font_ = std::move(font);
    Invalidate();
}

Rect TabCtrl::GetItemRect(int index) const {
    if (index < 0 || index >= int(items_.size())) return {};
    const gfx::FontRef& f = font_ ? font_ : gfx::Font::CreatePoint(80, "MS Sans Serif");
    int x = 2;
    for (int i = 0; i < index; ++i) x += f->Measure(items_[size_t(i)]) + 12;
    return {x, 2, x + f->Measure(items_[size_t(index)]) + 12, 2 + f->Metrics().height + 6};
}

void TabCtrl::OnLButtonDown(uint32_t, Point pt) {
    for (int i = 0; i < int(items_.size()); ++i) {
        if (!GetItemRect(i).Contains(pt) || i == sel_) continue;
        Window* parent = Parent();
        NotifyHeader nm{this, Id(), TCN_SELCHANGING};
        if (parent && parent->Send(WM_NOTIFY, Id(), reinterpret_cast<intptr_t>(&nm)) != 0) return;
        sel_ = i;
        Invalidate();
        if (OnSelChange()) return;
        nm.code = TCN_SELCHANGE;
        if (parent && parent->IsAlive()) parent->Send(WM_NOTIFY, Id(), reinterpret_cast<intptr_t>(&nm));
        return;
    }
}

void TabCtrl::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, SysPixel(gfx::COLOR_3DFACE));
    const uint32_t light = SysPixel(gfx::COLOR_3DHIGHLIGHT), shadow = SysPixel(gfx::COLOR_3DSHADOW),
                   dark = SysPixel(gfx::COLOR_3DDKSHADOW), ink = SysPixel(gfx::COLOR_BTNTEXT);
    int bodyTop = GetItemRect(0).bottom;
    pc.Line({0, bodyTop}, {c.right - 1, bodyTop}, light);
    for (int i = 0; i < int(items_.size()); ++i) {
        Rect r = GetItemRect(i);
        if (i == sel_) r = r.Inflate(2, 2);
        pc.Fill({r.left, r.top, r.right, bodyTop + (i == sel_ ? 1 : 0)}, SysPixel(gfx::COLOR_3DFACE));
        pc.Line({r.left, r.top + 2}, {r.left, bodyTop - 1}, light);
        pc.Line({r.left + 2, r.top}, {r.right - 3, r.top}, light);
        pc.Line({r.right - 2, r.top + 1}, {r.right - 2, bodyTop - 1}, shadow);
        pc.Line({r.right - 1, r.top + 2}, {r.right - 1, bodyTop - 1}, dark);
        PaintText(pc, {r.left + 6, r.top, r.right - 4, r.bottom}, items_[size_t(i)], ink);
    }
}

}  // namespace platform::win
