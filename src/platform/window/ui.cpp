#include "platform/window/ui.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>

#include "platform/cp1252.h"
#include "platform/gfx/system.h"
#include "platform/trace.h"

namespace platform::win {

bool ScrollBarMouse(Window* w, InputEvent::Kind kind, Point screen);  // scrollbars.cpp

namespace {
std::atomic<bool> g_terminate{false};

bool IsButtonDown(uint32_t msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN;
}
}  // namespace

uint64_t MonotonicMs() {
    if (Ui::Get().Started()) return Ui::Get().NowMs();
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

Ui& Ui::Get() {
    static Ui ui;
    return ui;
}

void Ui::RequestTerminate() {
    g_terminate.store(true);
}

void Ui::Start(std::unique_ptr<Backend> backend) {
    Stop();
    backend_ = std::move(backend);
    g_terminate.store(false);
    caretEpoch_ = backend_ ? backend_->NowMs() : 0;
    // The metrics the layout reads are those of this backend's desktop.
    if (backend_) gfx::SetDesktopSize(backend_->DesktopSize());
}

void Ui::Stop() {
    // Windows still alive end with the session; their objects belong to their owners.
    while (!topLevels_.empty()) topLevels_.back()->Destroy();
    // Taken out first: each window forgets itself from the list as it goes.
    std::vector<Window*> pending;
    pending.swap(pendingDeletes_);
    for (Window* w : pending) {
        w->deletePending_ = false;
        delete w;
    }
    queue_.clear();
    translated_.clear();
    windows_.clear();
    pictures_.clear();
    timers_.clear();
    idleHandlers_.clear();
    cursorImages_.clear();
    modalShown_.clear();
    main_ = focus_ = capture_ = active_ = 0;
    appActive_ = true;
    quit_ = false;
    exitCode_ = 0;
    modalDepth_ = 0;
    timersFail_ = false;
    dirty_ = false;
    idleRan_ = false;
    presents_ = 0;
    cursor_ = {};
    std::fill(std::begin(keys_), std::end(keys_), uint8_t{0});
    lastDownWindow_ = 0;
    lastDownCounts_ = false;
    cursor_id_ = 0;
    shownCursor_ = -1;
    waitCount_ = 0;
    caretOwner_ = 0;
    caretHide_ = 1;
    backend_.reset();
}

uint64_t Ui::NowMs() {
    return backend_ ? backend_->NowMs() : 0;
}

// ---- windows -------------------------------------------------------------

WindowHandle Ui::Register(Window* w) {
    WindowHandle h = nextHandle_++;
    windows_.emplace_back(h, w);
    return h;
}

void Ui::Unregister(Window* w) {
    WindowHandle h = w->Handle();
    auto it = std::lower_bound(windows_.begin(), windows_.end(), std::make_pair(h, (Window*)nullptr),
                               [](const auto& a, const auto& b) { return a.first < b.first; });
    if (it != windows_.end() && it->first == h) windows_.erase(it);
    pictures_.erase(std::remove_if(pictures_.begin(), pictures_.end(),
                                   [h](const PictureSlot& s) { return s.owner == h; }),
                    pictures_.end());
    if (main_ == h) main_ = 0;
    if (active_ == h) active_ = 0;
    if (caretOwner_ == h) caretOwner_ = 0;
    if (lastDownWindow_ == h) lastDownWindow_ = 0;
}

Window* Ui::FromHandle(WindowHandle h) const {
    if (h == 0) return nullptr;
    auto it = std::lower_bound(windows_.begin(), windows_.end(), h,
                               [](const auto& a, WindowHandle v) { return a.first < v; });
    return (it != windows_.end() && it->first == h) ? it->second : nullptr;
}

void Ui::AddTopLevel(Window* w) {
    topLevels_.push_back(w);
    if (!w->IsPopup()) {
        if (main_ == 0) main_ = w->Handle();
        if (active_ == 0) active_ = w->Handle();
    }
}

void Ui::RemoveTopLevel(Window* w) {
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), w), topLevels_.end());
}

void Ui::BringTopLevelToTop(Window* w) {
    RemoveTopLevel(w);
    topLevels_.push_back(w);
}

void Ui::SetMainWindow(Window* w) {
    main_ = w ? w->Handle() : 0;
}

Picture* Ui::PictureOf(Window* top) {
    if (!top || !top->IsAlive()) return nullptr;
    Rect c = top->ClientRect();
    for (auto& s : pictures_) {
        if (s.owner == top->Handle()) {
            if (s.picture.Width() != c.Width() || s.picture.Height() != c.Height())
                s.picture = Picture(c.Width(), c.Height());
            return &s.picture;
        }
    }
    pictures_.push_back({top->Handle(), Picture(c.Width(), c.Height())});
    return &pictures_.back().picture;
}

Picture* Ui::MainPicture() {
    return PictureOf(MainWindow());
}

void Ui::Preorder(std::vector<Window*>& out, Window* pictureOwner) {
    // Painter's order: the owner's tree, then the pop-ups drawn over it.
    auto walk = [&](auto&& self, Window* w) -> void {
        if (!w->IsShownFlag() || !w->RedrawOn()) return;
        out.push_back(w);
        for (Window* c : w->Children()) self(self, c);
    };
    if (!pictureOwner) return;
    walk(walk, pictureOwner);
    for (Window* t : topLevels_)
        if (t->IsPopup()) walk(walk, t);
}

Window* Ui::DeepestChildAt(Window* w, Point screen) {
    for (auto it = w->Children().rbegin(); it != w->Children().rend(); ++it) {
        Window* c = *it;
        if (!c->IsShownFlag() || !c->IsEnabled()) continue;
        Rect r = w->ClientToScreen(c->WindowRect());
        if (r.Contains(screen)) return DeepestChildAt(c, screen);
    }
    return w;
}

Window* Ui::WindowFromPoint(Point screen) {
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
        Window* t = *it;
        if (!t->IsShownFlag() || !t->WindowRect().Contains(screen)) continue;
        return DeepestChildAt(t, screen);
    }
    return nullptr;
}

void Ui::ScheduleDelete(Window* w) {
    if (std::find(pendingDeletes_.begin(), pendingDeletes_.end(), w) == pendingDeletes_.end())
        pendingDeletes_.push_back(w);
}

void Ui::ForgetDelete(Window* w) {
    pendingDeletes_.erase(std::remove(pendingDeletes_.begin(), pendingDeletes_.end(), w),
                          pendingDeletes_.end());
}

void Ui::RunDeletions() {
    for (size_t i = 0; i < pendingDeletes_.size();) {
        Window* w = pendingDeletes_[i];
        if (w->busy_ == 0) {
            pendingDeletes_.erase(pendingDeletes_.begin() + long(i));
            w->deletePending_ = false;
            delete w;
        } else {
            ++i;
        }
    }
}

// ---- focus, capture, activation -----------------------------------------

Window* Ui::SetFocus(Window* w) {
    Window* old = GetFocus();
    if (w && !w->IsAlive()) return old;
    if (old == w) return old;
    WindowHandle next = w ? w->Handle() : 0;
    focus_ = next;
    if (old) old->Send(WM_KILLFOCUS, next, 0);
    if (w && FromHandle(next) == w && focus_ == next) w->Send(WM_SETFOCUS, old ? old->Handle() : 0, 0);
    return old;
}

Window* Ui::SetCapture(Window* w) {
    Window* old = GetCapture();
    if (!w || !w->IsAlive()) return old;
    capture_ = w->Handle();
    if (old && old != w) old->Send(WM_CAPTURECHANGED, 0, intptr_t(capture_));
    return old;
}

void Ui::ReleaseCapture() {
    Window* old = GetCapture();
    capture_ = 0;
    if (old) old->Send(WM_CAPTURECHANGED, 0, 0);
}

void Ui::SetActiveWindow(Window* w) {
    active_ = (w && w->IsAlive()) ? w->TopLevel()->Handle() : 0;
}

bool Ui::IsKeyDown(uint32_t vk) const {
    return vk < 256 && keys_[vk] != 0;
}

void Ui::SetKey(uint32_t vk, bool down) {
    if (vk < 256) keys_[vk] = down ? 1 : 0;
}

uint32_t Ui::MouseFlags() const {
    uint32_t f = 0;
    if (IsKeyDown(VK_LBUTTON)) f |= MK_LBUTTON;
    if (IsKeyDown(VK_RBUTTON)) f |= MK_RBUTTON;
    if (IsKeyDown(VK_MBUTTON)) f |= MK_MBUTTON;
    if (IsKeyDown(VK_SHIFT)) f |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL)) f |= MK_CONTROL;
    return f;
}

// ---- timers --------------------------------------------------------------

uint32_t Ui::SetTimer(Window* w, uint32_t id, uint32_t intervalMs) {
    if (!w || !w->IsAlive() || timersFail_) return 0;
    uint64_t due = NowMs() + std::max<uint32_t>(intervalMs, 10);
    for (auto& t : timers_) {
        if (t.hwnd == w->Handle() && t.id == id) {
            t.interval = intervalMs;
            t.due = due;
            return id == 0 ? 1 : id;
        }
    }
    timers_.push_back({w->Handle(), id, intervalMs, due, nullptr});
    return id == 0 ? 1 : id;
}

bool Ui::KillTimer(Window* w, uint32_t id) {
    if (!w) return false;
    WindowHandle h = w->Handle();
    size_t before = timers_.size();
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) {
                                     return t.hwnd == h && t.hwnd != 0 && (t.id == id || id == 0xFFFFFFFFu);
                                 }),
                  timers_.end());
    return timers_.size() != before;
}

uint32_t Ui::StartPeriodicTimer(uint32_t intervalMs, std::function<void()> fn) {
    if (timersFail_ || !fn) return 0;
    uint32_t id = nextPeriodicId_++;
    timers_.push_back({0, id, intervalMs, NowMs() + std::max<uint32_t>(intervalMs, 1), std::move(fn)});
    return id;
}

void Ui::StopPeriodicTimer(uint32_t id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.hwnd == 0 && t.id == id; }),
                  timers_.end());
}

Ui::Timer* Ui::FindDueTimer(uint64_t now) {
    Timer* best = nullptr;
    for (auto& t : timers_) {
        if (t.due > now) continue;
        if (t.hwnd != 0 && !FromHandle(t.hwnd)) continue;
        if (!best || t.due < best->due) best = &t;
    }
    return best;
}

// ---- cursors and caret ----------------------------------------------------

int Ui::CreateImageCursor(CursorImage image) {
    cursorImages_.push_back(std::move(image));
    return int(cursorImages_.size()) + 1;
}

int Ui::SetCursor(int cursor) {
    int old = cursor_id_;
    cursor_id_ = cursor;
    return old;
}

void Ui::BeginWaitCursor() {
    ++waitCount_;
}

void Ui::EndWaitCursor() {
    if (waitCount_ > 0) --waitCount_;
}

void Ui::CreateCaret(Window* w, int width, int height) {
    if (!w || !w->IsAlive()) return;
    DestroyCaret();
    caretOwner_ = w->Handle();
    caretSize_ = {std::max(1, width), std::max(1, height)};
    caretPos_ = {};
    caretHide_ = 1;  // a new caret is hidden until shown
    caretEpoch_ = NowMs();
}

void Ui::DestroyCaret() {
    if (caretOwner_ && CaretShownNow()) MarkDirty();
    caretOwner_ = 0;
    caretHide_ = 1;
}

void Ui::SetCaretPos(Point p) {
    caretPos_ = p;
    caretEpoch_ = NowMs();
    MarkDirty();
}

void Ui::ShowCaret(Window* w) {
    if (!w || w->Handle() != caretOwner_ || caretHide_ == 0) return;
    if (--caretHide_ == 0) {
        caretEpoch_ = NowMs();
        MarkDirty();
    }
}

void Ui::HideCaret(Window* w) {
    if (!w || w->Handle() != caretOwner_) return;
    if (caretHide_++ == 0) MarkDirty();
}

bool Ui::CaretShownNow() {
    Window* w = FromHandle(caretOwner_);
    if (!w || caretHide_ != 0 || !w->IsVisible()) return false;
    return ((NowMs() - caretEpoch_) / kCaretBlinkMs) % 2 == 0;
}

// ---- idle, presenting ------------------------------------------------------

int Ui::AddIdleHandler(std::function<void()> fn) {
    int id = nextIdleId_++;
    idleHandlers_.emplace_back(id, std::move(fn));
    return id;
}

void Ui::RemoveIdleHandler(int id) {
    idleHandlers_.erase(std::remove_if(idleHandlers_.begin(), idleHandlers_.end(),
                                       [id](const auto& p) { return p.first == id; }),
                        idleHandlers_.end());
}

void Ui::PresentNow() {
    if (!backend_) return;
    Window* main = MainWindow();
    Picture* pic = MainPicture();
    if (!main || !pic) return;
    bool caretOn = CaretShownNow();
    Rect caret;
    if (caretOn) {
        Window* owner = FromHandle(caretOwner_);
        Point origin;
        owner->PaintPicture(&origin);
        caret = Rect::XYWH(caretPos_.x, caretPos_.y, caretSize_.cx, caretSize_.cy)
                    .Intersect(owner->VisibleClient());
        caret = OffsetBy(caret, origin);
        InvertRect(*pic, caret);
    }
    int wanted = waitCount_ > 0 ? 1 : cursor_id_;
    if (wanted != shownCursor_) {
        if (wanted >= 2 && size_t(wanted - 2) < cursorImages_.size())
            backend_->SetImageCursor(cursorImages_[size_t(wanted - 2)]);
        else
            backend_->SetStandardCursor(wanted == 1 ? StandardCursor::Wait : StandardCursor::Arrow);
        shownCursor_ = wanted;
    }
    backend_->Present(*pic);
    if (caretOn) InvertRect(*pic, caret);
    caretPresentedOn_ = caretOn;
    dirty_ = false;
    ++presents_;
}

void Ui::RunIdle() {
    RunDeletions();
    if (!idleRan_) {
        idleRan_ = true;
        auto handlers = idleHandlers_;
        for (auto& h : handlers) h.second();
    }
    if (CaretShownNow() != caretPresentedOn_) dirty_ = true;
    if (dirty_) PresentNow();
    if (modalDepth_ > 0 && size_t(modalDepth_) <= modalShown_.size() && !modalShown_[size_t(modalDepth_ - 1)]) {
        modalShown_[size_t(modalDepth_ - 1)] = true;
        if (backend_) backend_->ModalLoopShown(modalDepth_);
    }
}

uint64_t Ui::NextDeadline() {
    uint64_t next = UINT64_MAX;
    for (auto& t : timers_)
        if (t.hwnd == 0 || FromHandle(t.hwnd)) next = std::min(next, t.due);
    Window* caretWin = FromHandle(caretOwner_);
    if (caretWin && caretHide_ == 0 && caretWin->IsVisible()) {
        uint64_t now = NowMs();
        uint64_t phase = (now - caretEpoch_) / kCaretBlinkMs;
        next = std::min(next, caretEpoch_ + (phase + 1) * kCaretBlinkMs);
    }
    return next;
}

// ---- the loop ----------------------------------------------------------------

bool Ui::Post(Window* w, uint32_t msg, uintptr_t wp, intptr_t lp) {
    if (w && !w->IsAlive()) return false;
    Queued q{false, {w ? w->Handle() : 0, msg, wp, lp, NowMs()}, {}};
    queue_.push_back(std::move(q));
    return true;
}

void Ui::QueueInput(const InputEvent& e) {
    queue_.push_back({true, {}, e});
}

void Ui::PostQuitMessage(int exitCode) {
    if (!quit_) exitCode_ = exitCode;
    quit_ = true;
}

void Ui::PollBackend() {
    if (!backend_) return;
    std::vector<InputEvent> events;
    backend_->Poll(events);
    for (auto& e : events) QueueInput(e);
}

Window* Ui::FindPaint() {
    std::vector<Window*> order;
    Window* main = MainWindow();
    Preorder(order, main);
    for (Window* t : topLevels_)
        if (!t->IsPopup() && t != main) Preorder(order, t);
    for (Window* w : order)
        if (w->NeedsPaint() && !w->inPaint_) return w;
    return nullptr;
}

bool Ui::PeekMessage(Message& out) {
    if (!translated_.empty()) {
        out = translated_.front();
        translated_.pop_front();
        return true;
    }
    PollBackend();
    while (!queue_.empty()) {
        Queued q = std::move(queue_.front());
        queue_.pop_front();
        if (q.isInput) {
            if (Translate(q.input, out)) return true;
            if (!translated_.empty()) {
                out = translated_.front();
                translated_.pop_front();
                return true;
            }
            continue;
        }
        if (q.msg.hwnd != 0 && !FromHandle(q.msg.hwnd)) continue;  // its window is gone
        out = q.msg;
        return true;
    }
    return false;
}

bool Ui::GetMessage(Message& out) {
    for (;;) {
        RunDeletions();
        if (g_terminate.exchange(false)) PostQuitMessage(0);
        if (quit_) {
            out = {0, WM_QUIT, uintptr_t(exitCode_), 0, NowMs()};
            return false;
        }
        if (PeekMessage(out)) {
            idleRan_ = false;
            return true;
        }
        if (quit_) continue;
        if (Window* w = FindPaint()) {
            out = {w->Handle(), WM_PAINT, 0, 0, NowMs()};
            return true;
        }
        uint64_t now = NowMs();
        if (Timer* t = FindDueTimer(now)) {
            out = {t->hwnd, WM_TIMER, t->id, 0, now};
            t->due = now + std::max<uint32_t>(t->interval, 1);
            idleRan_ = false;
            return true;
        }
        RunIdle();
        if (quit_ || !queue_.empty() || !translated_.empty() || FindPaint()) continue;
        if (FindDueTimer(NowMs())) continue;
        if (!backend_) {
            PostQuitMessage(0);
            continue;
        }
        backend_->Wait(NextDeadline());
    }
}

void Ui::DispatchMessage(const Message& m) {
    if (m.hwnd == 0) {
        if (m.message == WM_TIMER) {
            for (auto& t : timers_) {
                if (t.hwnd == 0 && t.id == m.wParam) {
                    auto fn = t.fn;  // the callback may stop its own timer
                    fn();
                    break;
                }
            }
        }
        return;
    }
    Window* w = FromHandle(m.hwnd);
    if (!w) return;
    if (m.message == WM_PAINT) {
        ++w->busy_;
        w->PaintNow();
        --w->busy_;
        return;
    }
    if (m.message == WM_TIMER) {
        bool live = false;
        for (auto& t : timers_) live = live || (t.hwnd == m.hwnd && t.id == m.wParam);
        if (!live) return;
    }
    if (m.message == WM_KEYDOWN || m.message == WM_CHAR) {
        Window* top = w->TopLevel();
        bool swallowed = top->PreTranslateKey(m.message, uint32_t(m.wParam));
        if (swallowed || !FromHandle(m.hwnd)) return;
    }
    if (IsButtonDown(m.message) && w->Parent()) {
        // The ancestors hear of a press on a child first, each in its own coordinates.
        Point screen = w->ClientToScreen(PointFromParam(m.lParam));
        uint32_t event = m.message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN
                         : m.message == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN
                                                           : m.message;
        std::vector<WindowHandle> chain;
        for (Window* p = w->Parent(); p; p = p->Parent()) chain.push_back(p->Handle());
        for (WindowHandle h : chain)
            if (Window* p = FromHandle(h))
                p->Send(WM_PARENTNOTIFY, MakeWParam(event, 0), MakePointParam(p->ScreenToClient(screen)));
        if (!FromHandle(m.hwnd)) return;
    }
    w->Send(m.message, m.wParam, m.lParam);
    if (m.message == WM_TIMER && backend_) backend_->TimerHandled(m.hwnd, uint32_t(m.wParam));
}

bool Ui::PumpOne() {
    Message m;
    if (!GetMessage(m)) return false;
    DispatchMessage(m);
    return true;
}

int Ui::Run() {
    while (PumpOne()) {
    }
    return exitCode_;
}

bool Ui::RunModalLoop(Window* owner, const std::function<bool()>& keepRunning) {
    Window* top = owner ? owner->TopLevel() : nullptr;
    WindowHandle topHandle = top ? top->Handle() : 0;
    bool reenable = top && top->IsEnabled();
    if (reenable) top->Enable(false);
    ++modalDepth_;
    modalShown_.resize(size_t(modalDepth_));
    modalShown_[size_t(modalDepth_ - 1)] = false;
    bool ended = true;
    while (keepRunning()) {
        if (!PumpOne()) {
            ended = false;
            break;
        }
    }
    --modalDepth_;
    modalShown_.resize(size_t(modalDepth_));
    if (reenable)
        if (Window* t = FromHandle(topHandle)) t->Enable(true);
    return ended;
}

// ---- input ---------------------------------------------------------------------

bool Ui::Translate(const InputEvent& e, Message& out) {
    using K = InputEvent::Kind;
    switch (e.kind) {
    case K::MouseMove:
    case K::ButtonDown:
    case K::ButtonUp:
    case K::Wheel: return TranslateMouse(e, out);
    case K::KeyDown:
    case K::KeyUp:
    case K::Text: return TranslateKey(e, out);
    case K::CloseRequest: {
        Window* main = MainWindow();
        if (!main || !main->IsEnabled()) return false;  // a modal loop is running
        out = {main->Handle(), WM_CLOSE, 0, 0, NowMs()};
        return true;
    }
    case K::Activate: {
        if (appActive_ == e.active) return false;
        appActive_ = e.active;
        std::vector<WindowHandle> tops;
        for (Window* t : topLevels_) tops.push_back(t->Handle());
        for (WindowHandle h : tops)
            if (Window* t = FromHandle(h)) t->Send(WM_ACTIVATEAPP, e.active ? 1 : 0, 0);
        if (!e.active) {
            std::fill(std::begin(keys_), std::end(keys_), uint8_t{0});
            if (Window* c = GetCapture()) {
                (void)c;
                ReleaseCapture();
            }
        }
        return false;
    }
    case K::Terminate: PostQuitMessage(0); return false;
    case K::Resize: ResizeMainClient(e.size); return false;
    case K::Expose: MarkDirty(); return false;
    }
    return false;
}

bool Ui::TranslateMouse(const InputEvent& e, Message& out) {
    using K = InputEvent::Kind;
    Window* main = MainWindow();
    if (!main) return false;
    Point screen = main->ClientToScreen(e.pt);
    cursor_ = screen;
    uint32_t vk = e.button == MouseButton::Left ? VK_LBUTTON : e.button == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
    if (e.kind == K::ButtonDown) SetKey(vk, true);
    if (e.kind == K::ButtonUp) SetKey(vk, false);

    if (ScrollBarMouse(nullptr, e.kind, screen)) return false;  // a bar is tracking the mouse
    Window* target = GetCapture();
    if (!target) {
        target = WindowFromPoint(screen);
        if (!target) return false;
        Window* top = target->TopLevel();
        if (!top->IsEnabled()) return false;  // behind a modal loop
        if (!target->ScreenClientRect().Contains(screen)) {
            ScrollBarMouse(target, e.kind, screen);
            return false;  // a scroll bar, the caption or the border
        }
    }
    Point pt = target->ScreenToClient(screen);
    uint32_t flags = MouseFlags();
    uint64_t now = NowMs();
    uint32_t msg = WM_MOUSEMOVE;
    uintptr_t wp = flags;
    intptr_t lp = MakePointParam(pt);
    switch (e.kind) {
    case K::MouseMove: msg = WM_MOUSEMOVE; break;
    case K::Wheel:
        msg = WM_MOUSEWHEEL;
        wp = MakeWParam(flags, uint32_t(int16_t(e.delta)));
        lp = MakePointParam(screen);
        if (Window* f = GetFocus()) target = f;
        break;
    case K::ButtonDown: {
        bool dbl = lastDownCounts_ && (target->ClassStyle() & CS_DBLCLKS) && lastDownWindow_ == target->Handle() &&
                   lastDownButton_ == e.button && now - lastDownTime_ <= kDoubleClickMs &&
                   std::abs(screen.x - lastDownPt_.x) <= kDoubleClickDistance &&
                   std::abs(screen.y - lastDownPt_.y) <= kDoubleClickDistance;
        if (dbl) {
            lastDownCounts_ = false;  // a third press starts again
        } else {
            lastDownCounts_ = true;
            lastDownWindow_ = target->Handle();
            lastDownButton_ = e.button;
            lastDownTime_ = now;
            lastDownPt_ = screen;
        }
        if (e.button == MouseButton::Left) msg = dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        else if (e.button == MouseButton::Right) msg = dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
        else msg = WM_MBUTTONDOWN;
        break;
    }
    case K::ButtonUp:
        msg = e.button == MouseButton::Left ? WM_LBUTTONUP : e.button == MouseButton::Right ? WM_RBUTTONUP : WM_MBUTTONUP;
        break;
    default: return false;
    }
    out = {target->Handle(), msg, wp, lp, now};
    return true;
}

bool Ui::TranslateKey(const InputEvent& e, Message& out) {
    using K = InputEvent::Kind;
    Window* target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (e.kind == K::KeyDown) SetKey(e.key, true);
    if (e.kind == K::KeyUp) SetKey(e.key, false);
    if (!target || !target->TopLevel()->IsEnabled()) return false;
    uint64_t now = NowMs();
    if (e.kind == K::Text) {
        size_t pos = 0;
        while (pos < e.text.size()) {
            auto cp = DecodeUtf8(e.text, pos);
            if (!cp) break;
            auto b = CodePointToCp1252(*cp);
            if (!b || *b < 0x20 || *b == 0x7F) continue;  // 1252 cannot hold it, or a control
            translated_.push_back({target->Handle(), WM_CHAR, *b, 1, now});
        }
        return false;
    }
    if (e.kind == K::KeyUp) {
        out = {target->Handle(), WM_KEYUP, e.key, intptr_t(1) | (intptr_t(1) << 30) | (intptr_t(1) << 31), now};
        return true;
    }
    out = {target->Handle(), WM_KEYDOWN, e.key, intptr_t(1) | (e.repeat ? KF_REPEAT_BIT : 0), now};
    // The control characters typed with these keys follow their key-down.
    uint8_t ch = 0;
    switch (e.key) {
    case VK_RETURN: ch = 13; break;
    case VK_ESCAPE: ch = 27; break;
    case VK_BACK: ch = 8; break;
    case VK_TAB: ch = 9; break;
    default: break;
    }
    if (ch) translated_.push_back({target->Handle(), WM_CHAR, ch, intptr_t(1) | (e.repeat ? KF_REPEAT_BIT : 0), now});
    return true;
}

void Ui::ResizeMainClient(Size client) {
    Window* main = MainWindow();
    if (!main) return;
    Rect r = main->WindowRect();
    const Insets& in = main->GetInsets();
    MinMaxInfo mm{{0, 0}, {INT_MAX / 4, INT_MAX / 4}};
    main->Send(WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&mm));
    int w = std::clamp(client.cx + in.left + in.right, mm.minTrack.cx, std::max(mm.minTrack.cx, mm.maxTrack.cx));
    int h = std::clamp(client.cy + in.top + in.bottom, mm.minTrack.cy, std::max(mm.minTrack.cy, mm.maxTrack.cy));
    main->Move(Rect::XYWH(r.left, r.top, w, h));
}

int Ui::MessageBox(std::string_view text, std::string_view caption, uint32_t type) {
    if (!backend_) return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL;
    Window* main = MainWindow();
    bool reenable = main && main->IsEnabled();
    if (reenable) main->Enable(false);
    int r = backend_->MessageBox(text, caption, type);
    if (reenable)
        if (Window* m = MainWindow()) m->Enable(true);
    return r;
}

}  // namespace platform::win
