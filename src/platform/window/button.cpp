#include "platform/window/button.h"

#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

Button::Button() {
    SetClassStyle(CS_DBLCLKS);
}

bool Button::CreateButton(std::string text, uint32_t style, const Rect& rect, Window* parent, uint32_t id) {
    text_ = std::move(text);
    SetClassStyle(CS_DBLCLKS);
    return Create(parent, rect, style | WS_CHILD, id);
}

void Button::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Invalidate();
}

bool Button::HasFocus() const {
    return Ui::Get().GetFocus() == this;
}

void Button::SetPushed(bool pushed, uint32_t action) {
    if (pushed_ == pushed) return;
    pushed_ = pushed;
    lastAction_ = action;
    Invalidate(false);
}

void Button::Clicked() {
    if (Window* p = Parent()) p->Send(WM_COMMAND, MakeWParam(Id(), BN_CLICKED), intptr_t(Handle()));
}

void Button::OnLButtonDown(uint32_t, Point) {
    Ui& ui = Ui::Get();
    ui.SetCapture(this);
    tracking_ = true;
    if (!HasFocus()) ui.SetFocus(this);
    SetPushed(true, ODA_SELECT);
}

void Button::OnLButtonDblClk(uint32_t flags, Point pt) {
    OnLButtonDown(flags, pt);
}

void Button::OnMouseMove(uint32_t, Point pt) {
    if (tracking_) SetPushed(ClientRect().Contains(pt), ODA_SELECT);
}

void Button::OnLButtonUp(uint32_t, Point pt) {
    if (!tracking_) return;
    tracking_ = false;
    bool inside = ClientRect().Contains(pt);
    WindowHandle self = Handle();
    Ui::Get().ReleaseCapture();
    if (!Ui::Get().FromHandle(self)) return;
    SetPushed(false, ODA_SELECT);
    if (inside) Clicked();
}

void Button::OnCaptureChanged(Window* next) {
    if (tracking_ && next != this) {
        tracking_ = false;
        SetPushed(false, ODA_SELECT);
    }
}

void Button::OnKeyDown(uint32_t vk, uint32_t, intptr_t) {
    if (vk == VK_SPACE && !spaceDown_ && !tracking_) {
        spaceDown_ = true;
        SetPushed(true, ODA_SELECT);
    }
}

void Button::OnKeyUp(uint32_t vk, intptr_t) {
    if (vk == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetPushed(false, ODA_SELECT);
        Clicked();
    }
}

void Button::OnSetFocus(Window*) {
    lastAction_ = ODA_FOCUS;
    Invalidate(false);
}

void Button::OnKillFocus(Window*) {
    spaceDown_ = false;
    if (pushed_ && !tracking_) pushed_ = false;
    lastAction_ = ODA_FOCUS;
    Invalidate(false);
}

void Button::OnEnable(bool) {
    Invalidate(false);
}

void Button::OnPaint(const PaintContext& pc) {
    uint32_t state = 0;
    if (pushed_) state |= ODS_SELECTED;
    if (HasFocus()) state |= ODS_FOCUS;
    if (!IsEnabled()) state |= ODS_DISABLED;
    if (IsOwnerDrawn()) {
        DrawItemInfo info;
        info.ctlId = Id();
        info.itemAction = lastAction_;
        info.itemState = state;
        info.window = this;
        info.paint = &pc;
        info.item = ClientRect();
        lastAction_ = ODA_DRAWENTIRE;
        DrawItem(info);
    } else {
        DrawPlain(pc, state);
    }
}

void Button::DrawItem(const DrawItemInfo& info) {
    if (Window* p = Parent()) p->Send(WM_DRAWITEM, Id(), reinterpret_cast<intptr_t>(&info));
}

void Button::DrawPlain(const PaintContext& pc, uint32_t state) {
    gfx::Canvas dc = pc.MakeCanvas();
    Rect r = ClientRect();
    unsigned flags = gfx::DFCS_BUTTONPUSH;
    if (state & ODS_SELECTED) flags |= gfx::DFCS_PUSHED;
    if (state & ODS_DISABLED) flags |= gfx::DFCS_INACTIVE;
    dc.DrawPushButtonFrame(r, flags);
    Rect text = r.Inflate(-3, -3);
    if (state & ODS_SELECTED) text = text.Offset(1, 1);
    uint32_t colour = gfx::ToPixel(gfx::GetSysColor((state & ODS_DISABLED) ? gfx::COLOR_GRAYTEXT : gfx::COLOR_BTNTEXT));
    static const gfx::FontRef font = gfx::Font::CreatePoint(80, "MS Sans Serif");
    dc.SelectFont(font);
    dc.SetBkMode(gfx::TRANSPARENT);
    dc.SetTextColor(gfx::RGB(int(colour >> 16) & 255, int(colour >> 8) & 255, int(colour) & 255));
    dc.DrawText(text_, text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    if (state & ODS_FOCUS) {
        Rect f = r.Inflate(-4, -4);
        for (int x = f.left; x < f.right; x += 2) {
            pc.SetPixel(x, f.top, 0);
            pc.SetPixel(x, f.bottom - 1, 0);
        }
        for (int y = f.top; y < f.bottom; y += 2) {
            pc.SetPixel(f.left, y, 0);
            pc.SetPixel(f.right - 1, y, 0);
        }
    }
}

}  // namespace platform::win
