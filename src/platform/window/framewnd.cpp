#include "platform/window/framewnd.h"

#include <climits>

#include "platform/gfx/system.h"
#include "platform/window/ui.h"

namespace platform::win {

bool FrameWindow::CreateFrame(std::string title, const Rect& rect, uint32_t style) {
    title_ = std::move(title);
    using gfx::kFrameBorder;
    SetInsets({kFrameBorder, kFrameBorder + gfx::kCaptionHeight, kFrameBorder, kFrameBorder});
    if (!Create(nullptr, rect, style & ~(WS_CHILD | WS_POPUP))) return false;
    Ui& ui = Ui::Get();
    if (ui.MainWindow() == this && ui.Started()) {
        ui.GetBackend().SetTitle(title_);
        SyncBackend();
        ui.GetBackend().ShowMainWindow(IsShownFlag());
    }
    return true;
}

void FrameWindow::SetTitle(std::string title) {
    title_ = std::move(title);
    Ui& ui = Ui::Get();
    if (ui.MainWindow() == this && ui.Started()) ui.GetBackend().SetTitle(title_);
}

Window* FrameWindow::ActiveView() const {
    return Ui::Get().FromHandle(view_);
}

Window* FrameWindow::StatusBarWindow() const {
    return Ui::Get().FromHandle(bar_);
}

void FrameWindow::RecalcLayout() {
    Rect c = ClientRect();
    int bottom = c.bottom;
    if (Window* bar = StatusBarWindow(); bar && bar->IsShownFlag()) {
        int h = bar->WindowRect().Height();
        bar->Move({0, c.bottom - h, c.right, c.bottom});
        bottom -= h;
    }
    if (Window* view = ActiveView()) view->Move({0, 0, c.right, std::max(0, bottom)});
}

bool FrameWindow::RouteCommand(uint32_t id, uint32_t code) {
    if (auto* view = dynamic_cast<CommandTarget*>(ActiveView()); view && view->OnCmdMsg(id, code)) return true;
    if (doc_ && doc_->OnCmdMsg(id, code)) return true;
    if (OnFrameCommand(id, code)) return true;
    return app_ && app_->OnCmdMsg(id, code);
}

bool FrameWindow::OnCommand(uint32_t id, uint32_t code, Window*) {
    return RouteCommand(id, code);
}

void FrameWindow::OnSize(int, int) {
    RecalcLayout();
    SyncBackend();
}

void FrameWindow::OnDestroy() {
    // The main frame's end is the program's end, as with the framework.
    if (Ui::Get().MainWindow() == this) Ui::Get().PostQuitMessage(0);
}

void FrameWindow::SyncBackend() {
    Ui& ui = Ui::Get();
    if (!ui.Started() || ui.MainWindow() != this) return;
    MinMaxInfo mm{{0, 0}, {INT_MAX / 4, INT_MAX / 4}};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&mm));
    const Insets& in = GetInsets();
    Size ex{in.left + in.right, in.top + in.bottom};
    ui.GetBackend().PlaceMainWindow(ClientToScreen(ClientRect()),
                                    {std::max(0, mm.minTrack.cx - ex.cx), std::max(0, mm.minTrack.cy - ex.cy)},
                                    {std::max(0, mm.maxTrack.cx - ex.cx), std::max(0, mm.maxTrack.cy - ex.cy)});
}

void FrameWindow::ResizeClient(Size client) {
    if (Ui::Get().MainWindow() == this) Ui::Get().ResizeMainClient(client);
}

}  // namespace platform::win
