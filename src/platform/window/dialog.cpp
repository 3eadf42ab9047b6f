#include "platform/window/dialog.h"

#include <algorithm>

#include "platform/gfx/system.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"

namespace platform::win {

namespace {
uint32_t SysPixel(int index) {
    return gfx::ToPixel(gfx::GetSysColor(index));
}
}  // namespace

int Dialog::DoModal(Window* owner, Size size, std::string caption) {
    Ui& ui = Ui::Get();
    caption_ = std::move(caption);
    Rect centre{0, 0, gfx::DesktopSize().cx, gfx::DesktopSize().cy};
    if (Window* main = ui.MainWindow()) centre = main->WindowRect();
    Rect r = Rect::XYWH(centre.left + (centre.Width() - size.cx) / 2, centre.top + (centre.Height() - size.cy) / 2,
                        size.cx, size.cy);
    result_ = -1;
    if (!CreatePopup(owner, r, WS_VISIBLE)) return -1;
    WindowHandle self = Handle();
    Window* oldActive = ui.GetActiveWindow();
    Window* oldFocus = ui.GetFocus();
    ui.SetActiveWindow(this);
    ui.SetFocus(this);
    if (!OnInitDialog()) {
        Destroy();
        return -1;
    }
    running_ = ui.FromHandle(self) == this;
    bool ended = ui.RunModalLoop(owner ? owner : ui.MainWindow(), [this] { return running_; });
    running_ = false;
    if (IsAlive()) Destroy();
    if (oldActive && oldActive->IsAlive()) ui.SetActiveWindow(oldActive);
    if (oldFocus && oldFocus->IsAlive()) ui.SetFocus(oldFocus);
    return ended ? result_ : -1;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    running_ = false;
    Ui::Get().Post(nullptr, WM_NULL, 0, 0);  // wakes the loop so it sees the end
}

bool Dialog::PreTranslateKey(uint32_t msg, uint32_t vk) {
    if (msg != WM_KEYDOWN) return msg == WM_CHAR && (vk == 13 || vk == 27);
    if (vk == VK_RETURN) {
        OnOK();
        return true;
    }
    if (vk == VK_ESCAPE) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnCommand(uint32_t id, uint32_t code, Window*) {
    if (code != BN_CLICKED) return false;
    if (id == 1) OnOK();
    else if (id == 2) OnCancel();
    else return false;
    return true;
}

void Dialog::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, SysPixel(gfx::COLOR_3DFACE));
    gfx::Canvas dc = pc.MakeCanvas();
    Rect edge = c;
    dc.DrawEdge(edge, gfx::EDGE_RAISED, gfx::BF_RECT);
    if (!caption_.empty()) {
        // The caption bar the system would have drawn round a real window.
        pc.Fill({3, 3, c.right - 3, 3 + kCaptionBar}, gfx::MakePixel(0, 0, 128));
        PaintText(pc, {7, 3, c.right - 6, 3 + kCaptionBar}, caption_, gfx::MakePixel(255, 255, 255));
    }
}

bool ProgressCtrl::CreateProgress(Window* parent, const Rect& rect, uint32_t style, uint32_t id) {
    return Create(parent, rect, style | WS_CHILD, id);
}

void ProgressCtrl::SetRange(int low, int high) {
    low_ = low;
    high_ = std::max(low + 1, high);
    pos_ = std::clamp(pos_, low_, high_);
    Invalidate();
}

int ProgressCtrl::SetPos(int pos) {
    int old = pos_;
    pos_ = std::clamp(pos, low_, high_);
    if (pos_ != old) Invalidate();
    return old;
}

int ProgressCtrl::StepIt() {
    int old = pos_;
    int next = pos_ + step_;
    if (next > high_) next = low_ + (next - high_);  // wraps, as the control did
    pos_ = next;
    Invalidate();
    return old;
}

void ProgressCtrl::OnPaint(const PaintContext& pc) {
    Rect c = ClientRect();
    pc.Fill(c, SysPixel(gfx::COLOR_3DFACE));
    gfx::Canvas dc = pc.MakeCanvas();
    Rect edge = c;
    dc.DrawEdge(edge, gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_ADJUST);
    int filled = (edge.Width() * (pos_ - low_)) / std::max(1, high_ - low_);
    int block = std::max(2, edge.Height() * 2 / 3);
    for (int x = edge.left + 1; x < edge.left + filled; x += block + 2)
        pc.Fill({x, edge.top + 1, std::min(x + block, edge.left + filled), edge.bottom - 1},
                SysPixel(gfx::COLOR_HIGHLIGHT));
}

}  // namespace platform::win
