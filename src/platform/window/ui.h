#pragma once
// The one UI thread's state: the message queue and loops, timers, focus,
// capture, activation, cursors, the caret and the backend. Posted messages
// and input come first, then paint, then timers, as on the system the game
// was designed against; a timer never has more than one message pending.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/backend.h"
#include "platform/window/window.h"

namespace platform::win {

struct Message {
    WindowHandle hwnd = 0;  // 0: a message of the thread (periodic timers)
    uint32_t message = WM_NULL;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    uint64_t time = 0;
};

// Timing the double clicks, key repeat and caret use.
inline constexpr uint64_t kDoubleClickMs = 500;
inline constexpr int kDoubleClickDistance = 4;
inline constexpr uint64_t kKeyRepeatDelayMs = 500;
inline constexpr uint64_t kKeyRepeatIntervalMs = 33;
inline constexpr uint64_t kCaretBlinkMs = 530;

class Ui {
public:
    static Ui& Get();

    // Starts a session on `backend`, forgetting everything of the last one.
    void Start(std::unique_ptr<Backend> backend);
    // Ends the session: destroys the windows still alive and drops the backend.
    void Stop();
    bool Started() const { return backend_ != nullptr; }
    Backend& GetBackend() { return *backend_; }
    uint64_t NowMs();

    // The loop.
    bool GetMessage(Message& out);  // false once the program quits
    bool PeekMessage(Message& out);  // takes a posted or input message if one waits
    void DispatchMessage(const Message& m);
    bool PumpOne();  // one message; false once the program quits
    int Run();       // until quit; the exit code
    // Runs a nested loop until `keepRunning` is false or the program quits
    // (then false). The owner's top-level window is disabled meanwhile.
    bool RunModalLoop(Window* owner, const std::function<bool()>& keepRunning);
    int ModalDepth() const { return modalDepth_; }
    void PostQuitMessage(int exitCode);
    bool QuitRequested() const { return quit_; }
    int ExitCode() const { return exitCode_; }
    // Safe from a signal handler: ends the program at the next message.
    static void RequestTerminate();

    bool Post(Window* w, uint32_t msg, uintptr_t wp, intptr_t lp);
    // Input as the backends give it; queued in order with posted messages.
    void QueueInput(const InputEvent& e);
    // Sizes the main window's client as a user's drag would, within the
    // limits its WM_GETMINMAXINFO gives.
    void ResizeMainClient(Size client);

    // Windows.
    Window* FromHandle(WindowHandle h) const;
    Window* MainWindow() const { return FromHandle(main_); }
    void SetMainWindow(Window* w);
    const std::vector<Window*>& TopLevels() const { return topLevels_; }
    Window* WindowFromPoint(Point screen);
    Picture* MainPicture();

    Window* GetFocus() const { return FromHandle(focus_); }
    Window* SetFocus(Window* w);  // the previous focus
    Window* GetCapture() const { return FromHandle(capture_); }
    Window* SetCapture(Window* w);
    void ReleaseCapture();
    bool AppActive() const { return appActive_; }
    Window* GetActiveWindow() const { return FromHandle(active_); }
    void SetActiveWindow(Window* w);
    Window* GetForegroundWindow() const { return appActive_ ? GetActiveWindow() : nullptr; }

    Point CursorPos() const { return cursor_; }
    bool IsKeyDown(uint32_t vk) const;
    int16_t GetKeyState(uint32_t vk) const { return IsKeyDown(vk) ? int16_t(-32768) : int16_t(0); }
    uint32_t MouseFlags() const;

    // Timers.
    uint32_t SetTimer(Window* w, uint32_t id, uint32_t intervalMs);
    bool KillTimer(Window* w, uint32_t id);
    // A timer that calls `fn` on the UI thread every `intervalMs`.
    uint32_t StartPeriodicTimer(uint32_t intervalMs, std::function<void()> fn);
    void StopPeriodicTimer(uint32_t id);
    // While set, every new timer fails (the "no more timers" paths).
    void SetTimersFail(bool fail) { timersFail_ = fail; }
    size_t TimerCount() const { return timers_.size(); }

    // Cursors: the arrow, the wait cursor (counted) and cursors of pictures.
    int CreateImageCursor(CursorImage image);  // an id of 2 or more
    int SetCursor(int cursor);                 // 0 arrow, 1 wait; the previous one
    int CurrentCursor() const { return cursor_id_; }
    void BeginWaitCursor();
    void EndWaitCursor();
    bool WaitCursorShown() const { return waitCount_ > 0; }

    // The caret: one for the thread, owned by a window.
    void CreateCaret(Window* w, int width, int height);
    void DestroyCaret();
    void SetCaretPos(Point clientPt);
    Point CaretPos() const { return caretPos_; }
    void ShowCaret(Window* w);
    void HideCaret(Window* w);
    bool CaretShownNow();  // visible and in the "on" phase of its blink

    // Called each time the loop runs out of messages.
    int AddIdleHandler(std::function<void()> fn);
    void RemoveIdleHandler(int id);

    // The picture changed; it is shown when the loop goes idle.
    void MarkDirty() { dirty_ = true; }
    void PresentNow();
    uint64_t PresentCount() const { return presents_; }

    int MessageBox(std::string_view text, std::string_view caption, uint32_t type);

    // Used by Window.
    WindowHandle Register(Window* w);
    void Unregister(Window* w);
    void AddTopLevel(Window* w);
    void RemoveTopLevel(Window* w);
    void BringTopLevelToTop(Window* w);
    void ScheduleDelete(Window* w);
    void ForgetDelete(Window* w);
    void Preorder(std::vector<Window*>& out, Window* pictureOwner);
    Picture* PictureOf(Window* overlappedTop);

private:
    struct Timer {
        WindowHandle hwnd;
        uint32_t id;
        uint32_t interval;
        uint64_t due;
        std::function<void()> fn;  // periodic timers
    };
    struct Queued {
        bool isInput;
        Message msg;
        InputEvent input;
    };
    struct PictureSlot {
        WindowHandle owner;
        Picture picture;
    };

    void PollBackend();
    bool Translate(const InputEvent& e, Message& out);
    bool TranslateMouse(const InputEvent& e, Message& out);
    bool TranslateKey(const InputEvent& e, Message& out);
    Window* FindPaint();
    Timer* FindDueTimer(uint64_t now);
    uint64_t NextDeadline();
    void RunIdle();
    void RunDeletions();
    Window* DeepestChildAt(Window* w, Point screen);
    void SetKey(uint32_t vk, bool down);

    std::unique_ptr<Backend> backend_;
    std::deque<Queued> queue_;
    std::deque<Message> translated_;
    std::vector<std::pair<WindowHandle, Window*>> windows_;  // sorted by handle
    std::vector<Window*> topLevels_;                         // bottom first
    std::vector<PictureSlot> pictures_;
    std::vector<Window*> pendingDeletes_;
    std::vector<Timer> timers_;
    std::vector<std::pair<int, std::function<void()>>> idleHandlers_;
    std::vector<CursorImage> cursorImages_;
    std::vector<bool> modalShown_;
    WindowHandle nextHandle_ = 1;
    uint32_t nextPeriodicId_ = 1;
    int nextIdleId_ = 1;
    WindowHandle main_ = 0, focus_ = 0, capture_ = 0, active_ = 0;
    bool appActive_ = true;
    bool quit_ = false;
    int exitCode_ = 0;
    int modalDepth_ = 0;
    bool timersFail_ = false;
    bool dirty_ = false;
    bool idleRan_ = false;
    uint64_t presents_ = 0;
    Point cursor_;
    uint8_t keys_[256] = {};
    // Double clicks.
    WindowHandle lastDownWindow_ = 0;
    MouseButton lastDownButton_ = MouseButton::Left;
    uint64_t lastDownTime_ = 0;
    Point lastDownPt_;
    bool lastDownCounts_ = false;
    // Cursors.
    int cursor_id_ = 0;
    int shownCursor_ = -1;
    int waitCount_ = 0;
    // Caret.
    WindowHandle caretOwner_ = 0;
    Size caretSize_;
    Point caretPos_;
    int caretHide_ = 1;
    uint64_t caretEpoch_ = 0;
    bool caretPresentedOn_ = false;
};

}  // namespace platform::win
