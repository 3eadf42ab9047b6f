#pragma once
// The window tree: frames, children and pop-ups, with the behaviour of the
// window system the game was designed against. Every window lives on the one
// UI thread; messages are sent (a direct call) or posted (queued, see ui.h).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/geometry.h"
#include "platform/window/messages.h"
#include "platform/window/picture.h"

namespace platform::win {

using WindowHandle = uint32_t;  // 0: none; never reused within a run

// Room round the client area, for windows with a caption and a border.
struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct MinMaxInfo {
    Size minTrack;
    Size maxTrack;
};

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // A child (WS_CHILD) at `rect` in the parent's client coordinates, or a
    // top-level window (no parent; WS_POPUP pop-ups name an owner) at `rect`
    // on the virtual desktop. Sends WM_CREATE (-1 fails the creation), then
    // WM_SIZE. A window can be created again after it was destroyed.
    bool Create(Window* parent, const Rect& rect, uint32_t style, uint32_t id = 0,
                std::string name = {});
    bool CreatePopup(Window* owner, const Rect& screenRect, uint32_t style = 0);
    // Sends WM_DESTROY to this window and then its children; afterwards no
    // message reaches it. The object stays until deleted.
    void Destroy();
    // Destroys the window now and deletes the object once no handler of it is
    // running, so a window may be replaced from inside its own handler.
    void DeleteLater();

    bool IsAlive() const { return handle_ != 0; }
    WindowHandle Handle() const { return handle_; }
    uint32_t Id() const { return id_; }
    const std::string& Name() const { return name_; }
    uint32_t Style() const { return style_; }
    uint32_t ClassStyle() const { return classStyle_; }
    void SetClassStyle(uint32_t cs) { classStyle_ = cs; }
    bool IsChild() const { return (style_ & WS_CHILD) != 0; }
    bool IsPopup() const { return (style_ & WS_POPUP) != 0; }

    Window* Parent() const { return parent_; }
    Window* Owner() const { return owner_; }
    Window* TopLevel();
    const std::vector<Window*>& Children() const { return children_; }  // bottom first
    Window* FindChild(uint32_t id) const;
    // The sibling walk in z-order (top to bottom), as radio groups use it.
    Window* NextSibling() const;  // the one below
    Window* PrevSibling() const;  // the one above
    void BringToTop();

    // Geometry. WindowRect is in the parent's client coordinates (the
    // desktop's for top-level windows); the client has its own origin.
    Rect WindowRect() const { return rect_; }
    Rect ClientRect() const;
    void SetInsets(const Insets& in);
    const Insets& GetInsets() const { return insets_; }
    void Move(const Rect& rect, bool repaint = true);
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;
    Rect ClientToScreen(const Rect& r) const;
    Rect ScreenToClient(const Rect& r) const;

    // Visibility and enable state.
    void Show(bool show);
    bool IsShownFlag() const { return (style_ & WS_VISIBLE) != 0; }
    bool IsVisible() const;  // it and every ancestor are shown
    void Enable(bool enable);
    bool IsEnabled() const { return (style_ & WS_DISABLED) == 0; }

    // The child under `clientPt`, or this window when none is; null when the
    // point is outside. Invisible children are skipped when asked.
    Window* ChildFromPoint(Point clientPt, bool skipInvisible = true);

    // Painting. Invalidating also marks whatever is drawn over the area later
    // (children, later siblings, pop-ups), since all share one picture.
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect& clientRect, bool erase = true);
    void Validate();
    Rect UpdateRect() const { return update_; }
    bool NeedsPaint() const { return !update_.IsEmpty(); }
    // Paints what is invalid in this window and its children now, and shows it.
    void UpdateNow();
    // Redraw off: invalidation is remembered but nothing is painted until on.
    void SetRedraw(bool on);
    bool RedrawOn() const { return redraw_; }
    // The picture this window paints into and its client origin there, or
    // null when it has none (not created, or no main window for a pop-up).
    Picture* PaintPicture(Point* clientOrigin = nullptr);
    // The client rectangle as visible in the picture (cut by ancestors and
    // the picture), in client coordinates.
    Rect VisibleClient();

    // Messages.
    intptr_t Send(uint32_t msg, uintptr_t w = 0, intptr_t l = 0);
    bool Post(uint32_t msg, uintptr_t w = 0, intptr_t l = 0);

    // Window timers: WM_TIMER with the id; 0 when no timer could be made.
    uint32_t SetTimer(uint32_t id, uint32_t intervalMs);
    bool KillTimer(uint32_t id);

    // A top-level window's first look at a key message bound for it or its
    // children (accelerators, a dialog's Enter and Escape): true swallows it.
    virtual bool PreTranslateKey(uint32_t /*msg*/, uint32_t /*vk*/) { return false; }

    // The message handler. The default calls the On* handlers below.
    virtual intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l);
    // The default handling of a message nobody took.
    intptr_t DefaultProc(uint32_t msg, uintptr_t w, intptr_t l);

protected:
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(int /*cx*/, int /*cy*/) {}
    virtual void OnPaint(const PaintContext& /*pc*/) {}
    // True when the background was erased.
    virtual bool OnEraseBackground(const PaintContext& /*pc*/) { return false; }
    virtual void OnMouseMove(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnLButtonDown(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnLButtonUp(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnLButtonDblClk(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnRButtonDown(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnRButtonUp(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnRButtonDblClk(uint32_t /*flags*/, Point /*pt*/) {}
    virtual void OnMouseWheel(uint32_t /*flags*/, int /*delta*/, Point /*screenPt*/) {}
    virtual void OnKeyDown(uint32_t /*vk*/, uint32_t /*repeatCount*/, intptr_t /*flags*/) {}
    virtual void OnKeyUp(uint32_t /*vk*/, intptr_t /*flags*/) {}
    virtual void OnChar(uint8_t /*ch*/, uint32_t /*repeatCount*/) {}
    virtual void OnTimer(uint32_t /*id*/) {}
    virtual void OnSetFocus(Window* /*old*/) {}
    virtual void OnKillFocus(Window* /*next*/) {}
    virtual void OnCaptureChanged(Window* /*next*/) {}
    virtual void OnActivateApp(bool /*active*/) {}
    virtual void OnEnable(bool /*enabled*/) {}
    virtual void OnShowWindow(bool /*show*/) {}
    // WM_CLOSE; the default destroys the window.
    virtual void OnClose() { Destroy(); }
    // WM_COMMAND: true when handled.
    virtual bool OnCommand(uint32_t /*id*/, uint32_t /*code*/, Window* /*control*/) { return false; }
    virtual intptr_t OnNotify(uintptr_t /*w*/, intptr_t /*l*/) { return 0; }
    virtual void OnGetMinMaxInfo(MinMaxInfo& /*info*/) {}
    virtual void OnParentNotify(uint32_t /*event*/, Point /*pt*/) {}
    virtual void OnScroll(bool /*vertical*/, uint32_t /*code*/, int /*pos*/, Window* /*bar*/) {}
    // Any message the switch above does not know (private messages included).
    virtual intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) { return DefaultProc(msg, w, l); }

private:
    friend class Ui;
    void DetachFromParent();
    void PaintNow();
    void InvalidateScreen(const Rect& screenRect, bool erase);
    Rect ScreenClientRect() const;
    bool ClippedByAncestors(Rect& screenRect) const;

    WindowHandle handle_ = 0;
    uint32_t id_ = 0;
    std::string name_;
    uint32_t style_ = 0;
    uint32_t classStyle_ = 0;
    Window* parent_ = nullptr;
    Window* owner_ = nullptr;
    std::vector<Window*> children_;
    Rect rect_;
    Insets insets_;
    Rect update_;  // client coordinates
    bool erasePending_ = false;
    bool redraw_ = true;
    bool inPaint_ = false;
    int busy_ = 0;  // handlers of this window on the stack
    bool deletePending_ = false;
    uint64_t createOrder_ = 0;
};

}  // namespace platform::win
