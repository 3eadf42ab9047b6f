#include "platform/window/window.h"

#include <algorithm>

#include "platform/window/ui.h"

namespace platform::win {

Window::Window() = default;

Window::~Window() {
    if (IsAlive()) Destroy();
    Ui::Get().ForgetDelete(this);
}

bool Window::Create(Window* parent, const Rect& rect, uint32_t style, uint32_t id, std::string name) {
    if (IsAlive()) return false;
    Ui& ui = Ui::Get();
    if ((style & WS_CHILD) && (!parent || !parent->IsAlive())) return false;
    style_ = style;
    id_ = id;
    name_ = std::move(name);
    rect_ = rect;
    update_ = {};
    erasePending_ = false;
    redraw_ = true;
    parent_ = (style & WS_CHILD) ? parent : nullptr;
    owner_ = (style & WS_CHILD) ? nullptr : parent;
    handle_ = ui.Register(this);
    if (parent_) {
        parent_->children_.push_back(this);
    } else {
        ui.AddTopLevel(this);
    }
    WindowHandle h = handle_;
    if (Send(WM_CREATE) == -1) {
        if (ui.FromHandle(h) == this) Destroy();
        return false;
    }
    if (ui.FromHandle(h) != this) return false;
    Rect c = ClientRect();
    Send(WM_SIZE, 0, MakePointParam({c.Width(), c.Height()}));
    if (IsVisible()) Invalidate(true);
    return true;
}

bool Window::CreatePopup(Window* owner, const Rect& screenRect, uint32_t style) {
    return Create(owner, screenRect, (style | WS_POPUP) & ~WS_CHILD);
}

void Window::Destroy() {
    if (!IsAlive()) return;
    Ui& ui = Ui::Get();
    if (IsVisible()) {
        // What was under it must be drawn again.
        Rect screen = WindowRect();
        if (parent_) screen = parent_->ClientToScreen(screen);
        Window* under = parent_ ? parent_ : nullptr;
        if (under) under->InvalidateScreen(screen, true);
        else if (Window* main = ui.MainWindow(); main && main != this) main->InvalidateScreen(screen, true);
    }
    Send(WM_DESTROY);
    // Children go after their parent heard of its own end, as on the old system.
    while (!children_.empty()) {
        Window* c = children_.back();
        c->Destroy();
    }
    for (Window* t : std::vector<Window*>(ui.TopLevels())) {
        if (t->owner_ == this) t->Destroy();
    }
    if (ui.GetCapture() == this) ui.ReleaseCapture();
    if (ui.GetFocus() == this) ui.SetFocus(nullptr);
    ui.KillTimer(this, 0xFFFFFFFFu);
    DetachFromParent();
    ui.Unregister(this);
    handle_ = 0;
    update_ = {};
}

void Window::DetachFromParent() {
    if (parent_) {
        auto& sib = parent_->children_;
        sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
        parent_ = nullptr;
    } else {
        Ui::Get().RemoveTopLevel(this);
    }
}

void Window::DeleteLater() {
    if (deletePending_) return;
    Destroy();
    deletePending_ = true;
    Ui::Get().ScheduleDelete(this);
}

Window* Window::TopLevel() {
    Window* w = this;
    while (w->parent_) w = w->parent_;
    return w;
}

Window* Window::FindChild(uint32_t id) const {
    for (Window* c : children_)
        if (c->id_ == id) return c;
    return nullptr;
}

Window* Window::NextSibling() const {
    if (!parent_) return nullptr;
    const auto& s = parent_->children_;
    auto it = std::find(s.begin(), s.end(), this);
    if (it == s.end() || it == s.begin()) return nullptr;
    return *(it - 1);
}

Window* Window::PrevSibling() const {
    if (!parent_) return nullptr;
    const auto& s = parent_->children_;
    auto it = std::find(s.begin(), s.end(), this);
    if (it == s.end() || it + 1 == s.end()) return nullptr;
    return *(it + 1);
}

void Window::BringToTop() {
    if (!IsAlive()) return;
    if (parent_) {
        auto& s = parent_->children_;
        s.erase(std::remove(s.begin(), s.end(), this), s.end());
        s.push_back(this);
    } else {
        Ui::Get().BringTopLevelToTop(this);
    }
    if (IsVisible()) Invalidate(true);
}

Rect Window::ClientRect() const {
    return {0, 0, std::max(0, rect_.Width() - insets_.left - insets_.right),
            std::max(0, rect_.Height() - insets_.top - insets_.bottom)};
}

void Window::SetInsets(const Insets& in) {
    insets_ = in;
}

void Window::Move(const Rect& rect, bool repaint) {
    if (!IsAlive()) {
        rect_ = rect;
        return;
    }
    bool visible = IsVisible();
    Rect oldScreen = parent_ ? parent_->ClientToScreen(rect_) : rect_;
    Rect oldClient = ClientRect();
    rect_ = rect;
    Rect newClient = ClientRect();
    if (visible && repaint) {
        Window* base = parent_ ? parent_ : Ui::Get().MainWindow();
        if (base && base != this) base->InvalidateScreen(oldScreen, true);
        Invalidate(true);
    }
    if (oldClient.Width() != newClient.Width() || oldClient.Height() != newClient.Height()) {
        Send(WM_SIZE, 0, MakePointParam({newClient.Width(), newClient.Height()}));
    }
}

Point Window::ClientToScreen(Point p) const {
    Point q{p.x + insets_.left + rect_.left, p.y + insets_.top + rect_.top};
    return parent_ ? parent_->ClientToScreen(q) : q;
}

Point Window::ScreenToClient(Point p) const {
    Point origin = ClientToScreen(Point{0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

Rect Window::ClientToScreen(const Rect& r) const {
    Point o = ClientToScreen(Point{0, 0});
    return OffsetBy(r, o);
}

Rect Window::ScreenToClient(const Rect& r) const {
    Point o = ClientToScreen(Point{0, 0});
    return r.Offset(-o.x, -o.y);
}

Rect Window::ScreenClientRect() const {
    return ClientToScreen(ClientRect());
}

bool Window::ClippedByAncestors(Rect& screenRect) const {
    for (Window* p = parent_; p; p = p->parent_) screenRect = screenRect.Intersect(p->ScreenClientRect());
    return !screenRect.IsEmpty();
}

void Window::Show(bool show) {
    if (!IsAlive()) {
        style_ = show ? (style_ | WS_VISIBLE) : (style_ & ~WS_VISIBLE);
        return;
    }
    if (show == IsShownFlag()) return;
    if (!show && IsVisible()) {
        Rect screen = parent_ ? parent_->ClientToScreen(rect_) : rect_;
        Window* base = parent_ ? parent_ : Ui::Get().MainWindow();
        style_ &= ~WS_VISIBLE;
        if (base && base != this) base->InvalidateScreen(screen, true);
        Ui& ui = Ui::Get();
        if (ui.GetFocus() == this) ui.SetFocus(nullptr);
    } else {
        style_ = show ? (style_ | WS_VISIBLE) : (style_ & ~WS_VISIBLE);
        if (IsVisible()) Invalidate(true);
    }
    Send(WM_SHOWWINDOW, show ? 1 : 0, 0);
}

bool Window::IsVisible() const {
    if (!IsAlive()) return false;
    for (const Window* w = this; w; w = w->parent_)
        if (!w->IsShownFlag()) return false;
    return true;
}

void Window::Enable(bool enable) {
    if (enable == IsEnabled()) return;
    style_ = enable ? (style_ & ~WS_DISABLED) : (style_ | WS_DISABLED);
    if (!IsAlive()) return;
    Ui& ui = Ui::Get();
    if (!enable) {
        if (ui.GetCapture() == this) ui.ReleaseCapture();
        if (Window* f = ui.GetFocus(); f == this) ui.SetFocus(nullptr);
    }
    Send(WM_ENABLE, enable ? 1 : 0, 0);
}

Window* Window::ChildFromPoint(Point clientPt, bool skipInvisible) {
    if (!ClientRect().Contains(clientPt)) return nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Window* c = *it;
        if (skipInvisible && !c->IsShownFlag()) continue;
        if (c->rect_.Contains(clientPt)) return c;
    }
    return this;
}

void Window::Invalidate(bool erase) {
    InvalidateRect(ClientRect(), erase);
}

void Window::InvalidateRect(const Rect& clientRect, bool erase) {
    if (!IsAlive()) return;
    InvalidateScreen(ClientToScreen(clientRect.Intersect(ClientRect())), erase);
}

void Window::InvalidateScreen(const Rect& screenRect, bool erase) {
    if (!IsAlive() || screenRect.IsEmpty()) return;
    Ui& ui = Ui::Get();
    // Every window drawn after this one over the area paints again too.
    std::vector<Window*> order;
    Window* top = TopLevel();
    Window* owner = top->IsPopup() ? ui.MainWindow() : top;
    if (!owner) owner = top;
    ui.Preorder(order, owner);
    auto it = std::find(order.begin(), order.end(), this);
    if (it == order.end()) {
        // Not drawn at the moment (hidden): just remember the area.
        Rect mine = ScreenToClient(screenRect).Intersect(ClientRect());
        update_ = update_.Union(mine);
        erasePending_ = erasePending_ || erase;
        return;
    }
    for (; it != order.end(); ++it) {
        Window* w = *it;
        Rect vis = w->ScreenClientRect();
        if (!w->ClippedByAncestors(vis)) continue;
        Rect hit = vis.Intersect(screenRect);
        if (hit.IsEmpty()) continue;
        w->update_ = w->update_.Union(w->ScreenToClient(hit));
        w->erasePending_ = w->erasePending_ || erase || w != this;
    }
}

void Window::Validate() {
    update_ = {};
    erasePending_ = false;
}

void Window::SetRedraw(bool on) {
    redraw_ = on;
    if (on && IsVisible()) Invalidate(true);
}

Picture* Window::PaintPicture(Point* clientOrigin) {
    if (!IsAlive()) return nullptr;
    Ui& ui = Ui::Get();
    Window* top = TopLevel();
    Window* owner = top->IsPopup() ? ui.MainWindow() : top;
    if (!owner) return nullptr;
    Picture* pic = ui.PictureOf(owner);
    if (!pic) return nullptr;
    if (clientOrigin) *clientOrigin = SubPoints(ClientToScreen(Point{0, 0}), owner->ClientToScreen(Point{0, 0}));
    return pic;
}

Rect Window::VisibleClient() {
    Point origin;
    Picture* pic = PaintPicture(&origin);
    if (!pic || !IsVisible()) return {};
    Rect screen = ScreenClientRect();
    ClippedByAncestors(screen);
    Rect inPicture = OffsetBy(ScreenToClient(screen), origin).Intersect(pic->Bounds());
    return inPicture.IsEmpty() ? Rect{} : inPicture.Offset(-origin.x, -origin.y);
}

void Window::PaintNow() {
    if (!IsAlive()) return;
    Point origin;
    Picture* pic = PaintPicture(&origin);
    Rect clip = update_.Intersect(VisibleClient());
    bool erase = erasePending_;
    Validate();
    if (!pic || clip.IsEmpty() || inPaint_) return;
    PaintContext pc{pic, origin, clip, erase};
    inPaint_ = true;
    if (erase) Send(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(&pc), 0);
    if (IsAlive()) Send(WM_PAINT, reinterpret_cast<uintptr_t>(&pc), 0);
    inPaint_ = false;
    Ui::Get().MarkDirty();
}

void Window::UpdateNow() {
    if (!IsAlive()) return;
    std::vector<Window*> order;
    Ui& ui = Ui::Get();
    Window* top = TopLevel();
    Window* owner = top->IsPopup() ? ui.MainWindow() : top;
    if (!owner) return;
    ui.Preorder(order, owner);
    std::vector<WindowHandle> handles;
    for (Window* w : order) handles.push_back(w->Handle());
    for (WindowHandle h : handles)
        if (Window* w = ui.FromHandle(h); w && w->NeedsPaint()) w->PaintNow();
    ui.PresentNow();
}

intptr_t Window::Send(uint32_t msg, uintptr_t w, intptr_t l) {
    if (!IsAlive()) return 0;
    ++busy_;
    intptr_t r = WindowProc(msg, w, l);
    --busy_;
    return r;
}

bool Window::Post(uint32_t msg, uintptr_t w, intptr_t l) {
    return Ui::Get().Post(this, msg, w, l);
}

uint32_t Window::SetTimer(uint32_t id, uint32_t intervalMs) {
    return Ui::Get().SetTimer(this, id, intervalMs);
}

bool Window::KillTimer(uint32_t id) {
    return Ui::Get().KillTimer(this, id);
}

intptr_t Window::WindowProc(uint32_t msg, uintptr_t w, intptr_t l) {
    Ui& ui = Ui::Get();
    switch (msg) {
    case WM_CREATE: return OnCreate();
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: {
        Point p = PointFromParam(l);
        OnSize(p.x, p.y);
        return 0;
    }
    case WM_PAINT:
        if (w == 0) PaintNow();
        else OnPaint(*reinterpret_cast<const PaintContext*>(w));
        return 0;
    case WM_ERASEBKGND:
        return w ? (OnEraseBackground(*reinterpret_cast<const PaintContext*>(w)) ? 1 : 0) : 0;
    case WM_MOUSEMOVE: OnMouseMove(uint32_t(w), PointFromParam(l)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(uint32_t(w), PointFromParam(l)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(uint32_t(w), PointFromParam(l)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(uint32_t(w), PointFromParam(l)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(uint32_t(w), PointFromParam(l)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(uint32_t(w), PointFromParam(l)); return 0;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(uint32_t(w), PointFromParam(l)); return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(LowWord(w), static_cast<int16_t>(HighWord(w)), PointFromParam(l));
        return 0;
    case WM_KEYDOWN: OnKeyDown(uint32_t(w), uint32_t(l & 0xFFFF), l); return 0;
    case WM_KEYUP: OnKeyUp(uint32_t(w), l); return 0;
    case WM_CHAR: OnChar(uint8_t(w), uint32_t(l & 0xFFFF)); return 0;
    case WM_TIMER: OnTimer(uint32_t(w)); return 0;
    case WM_SETFOCUS: OnSetFocus(ui.FromHandle(WindowHandle(w))); return 0;
    case WM_KILLFOCUS: OnKillFocus(ui.FromHandle(WindowHandle(w))); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(ui.FromHandle(WindowHandle(l))); return 0;
    case WM_ACTIVATEAPP: OnActivateApp(w != 0); return 0;
    case WM_ENABLE: OnEnable(w != 0); return 0;
    case WM_SHOWWINDOW: OnShowWindow(w != 0); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_COMMAND:
        return OnCommand(LowWord(w), HighWord(w), ui.FromHandle(WindowHandle(l))) ? 1 : 0;
    case WM_NOTIFY: return OnNotify(w, l);
    case WM_GETMINMAXINFO:
        if (l) OnGetMinMaxInfo(*reinterpret_cast<MinMaxInfo*>(l));
        return 0;
    case WM_PARENTNOTIFY: OnParentNotify(LowWord(w), PointFromParam(l)); return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(msg == WM_VSCROLL, LowWord(w), static_cast<int16_t>(HighWord(w)),
                 ui.FromHandle(WindowHandle(l)));
        return 0;
    default: return OnMessage(msg, w, l);
    }
}

intptr_t Window::DefaultProc(uint32_t msg, uintptr_t w, intptr_t l) {
    (void)w;
    (void)l;
    switch (msg) {
    case WM_CLOSE: Destroy(); return 0;
    default: return 0;
    }
}

}  // namespace platform::win
