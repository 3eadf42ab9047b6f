// Window scroll bars: their geometry, drawing and the mouse on them.
#include <algorithm>

#include "platform/gfx/system.h"
#include "platform/window/notify.h"
#include "platform/window/ui.h"
#include "platform/window/window.h"

namespace platform::win {

namespace {

uint32_t SysPixel(int index) {
    return gfx::ToPixel(gfx::GetSysColor(index));
}

constexpr int kMinThumb = 8;

}  // namespace

void Window::SetScrollInfo(int bar, const ScrollInfo& info, bool redraw) {
    ScrollInfo& s = bar == SB_VERT ? vscroll_ : hscroll_;
    s = info;
    if (s.max < s.min) s.max = s.min;
    s.page = std::clamp(s.page, 0, s.max - s.min + 1);
    s.pos = std::clamp(s.pos, s.min, std::max(s.min, s.max - std::max(s.page - 1, 0)));
    s.trackPos = s.pos;
    if (redraw && IsVisible() && HasScrollBar(bar)) PaintScrollBars();
}

int Window::SetScrollPos(int bar, int pos, bool redraw) {
    ScrollInfo s = GetScrollInfo(bar);
    int old = s.pos;
    s.pos = pos;
    SetScrollInfo(bar, s, redraw);
    return old;
}

void Window::SetScrollRange(int bar, int min, int max, bool redraw) {
    ScrollInfo s = GetScrollInfo(bar);
    s.min = min;
    s.max = max;
    SetScrollInfo(bar, s, redraw);
}

void Window::SetScrollTrackPos(int bar, int trackPos) {
    ScrollInfo& s = bar == SB_VERT ? vscroll_ : hscroll_;
    s.trackPos = std::clamp(trackPos, s.min, std::max(s.min, s.max - std::max(s.page - 1, 0)));
    if (IsVisible()) PaintScrollBars();
}

void Window::ShowScrollBar(int bar, bool show) {
    uint32_t flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (((style_ & flag) != 0) == show) return;
    Rect before = ClientRect();
    style_ = show ? (style_ | flag) : (style_ & ~flag);
    Rect after = ClientRect();
    if (IsVisible()) Invalidate(true);
    Send(WM_SIZE, 0, MakePointParam({after.Width(), after.Height()}));
    (void)before;
}

Rect Window::ScrollBarRect(int bar) const {
    if (!HasScrollBar(bar)) return {};
    Rect c = ClientRect();
    if (bar == SB_VERT) return {c.right, 0, c.right + kScrollBarSize, c.bottom};
    return {0, c.bottom, c.right, c.bottom + kScrollBarSize};
}

Rect Window::ScrollThumbRect(int bar) const {
    Rect r = ScrollBarRect(bar);
    if (r.IsEmpty()) return {};
    const ScrollInfo& s = bar == SB_VERT ? vscroll_ : hscroll_;
    const bool vert = bar == SB_VERT;
    const int length = vert ? r.Height() : r.Width();
    const int track = length - 2 * kScrollBarSize;
    const int range = s.max - s.min + 1;
    if (track < kMinThumb || range <= std::max(s.page, 1)) return {};
    int thumb = s.page > 0 ? std::max(kMinThumb, track * s.page / range) : kScrollBarSize;
    thumb = std::min(thumb, track);
    const int span = range - std::max(s.page, 1);
    const int at = kScrollBarSize + (track - thumb) * (s.trackPos - s.min) / std::max(1, span);
    return vert ? Rect{r.left, r.top + at, r.right, r.top + at + thumb}
                : Rect{r.left + at, r.top, r.left + at + thumb, r.bottom};
}

void Window::PaintScrollBars() {
    if (!HasScrollBar(SB_VERT) && !HasScrollBar(SB_HORZ)) return;
    Point origin;
    Picture* pic = PaintPicture(&origin);
    if (!pic || !IsVisible()) return;
    // The whole window, cut by its ancestors, in client coordinates.
    Rect screen = parent_ ? parent_->ClientToScreen(rect_) : rect_;
    ClippedByAncestors(screen);
    Rect visible = ScreenToClient(screen);
    for (int bar : {SB_VERT, SB_HORZ}) {
        Rect r = ScrollBarRect(bar);
        if (r.IsEmpty()) continue;
        PaintContext pc{pic, origin, r.Intersect(visible), false};
        pc.Fill(r, gfx::MakePixel(224, 224, 224));
        gfx::Canvas dc = pc.MakeCanvas();
        const bool vert = bar == SB_VERT;
        Rect first = vert ? Rect{r.left, r.top, r.right, r.top + kScrollBarSize}
                          : Rect{r.left, r.top, r.left + kScrollBarSize, r.bottom};
        Rect last = vert ? Rect{r.left, r.bottom - kScrollBarSize, r.right, r.bottom}
                         : Rect{r.right - kScrollBarSize, r.top, r.right, r.bottom};
        dc.DrawPushButtonFrame(first, gfx::DFCS_BUTTONPUSH);
        dc.DrawPushButtonFrame(last, gfx::DFCS_BUTTONPUSH);
        const uint32_t ink = SysPixel(IsEnabled() ? gfx::COLOR_BTNTEXT : gfx::COLOR_GRAYTEXT);
        for (int k = 0; k < 4; ++k) {
            if (vert) {
                int cx = first.left + kScrollBarSize / 2 - 1;
                pc.Line({cx - k, first.top + 6 + k}, {cx + k, first.top + 6 + k}, ink);
                pc.Line({cx - k, last.bottom - 7 - k}, {cx + k, last.bottom - 7 - k}, ink);
            } else {
                int cy = first.top + kScrollBarSize / 2 - 1;
                pc.Line({first.left + 6 + k, cy - k}, {first.left + 6 + k, cy + k}, ink);
                pc.Line({last.right - 7 - k, cy - k}, {last.right - 7 - k, cy + k}, ink);
            }
        }
        Rect thumb = ScrollThumbRect(bar);
        if (!thumb.IsEmpty()) dc.DrawPushButtonFrame(thumb, gfx::DFCS_BUTTONPUSH);
    }
    Ui::Get().MarkDirty();
}

// ---- the mouse on a bar ------------------------------------------------------

namespace {

struct BarTrack {
    WindowHandle window = 0;
    int bar = SB_VERT;
    uint32_t code = SB_ENDSCROLL;  // what a held press repeats
    int grabOffset = 0;            // pointer to thumb start while dragging
    uint32_t repeatTimer = 0;
} g_track;

void SendScroll(Window* w, int bar, uint32_t code, int pos) {
    w->Send(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(code, uint32_t(pos)), 0);
}

void StopRepeat() {
    if (g_track.repeatTimer) Ui::Get().StopPeriodicTimer(g_track.repeatTimer);
    g_track.repeatTimer = 0;
}

}  // namespace

// Called by the loop for mouse input over a window's bars, or while a bar
// tracks the mouse. True when the bar took the input.
bool ScrollBarMouse(Window* w, InputEvent::Kind kind, Point screen) {
    using K = InputEvent::Kind;
    Ui& ui = Ui::Get();
    if (g_track.window) {
        Window* t = ui.FromHandle(g_track.window);
        if (!t) {
            StopRepeat();
            g_track = {};
            return false;
        }
        Point pt = t->ScreenToClient(screen);
        if (kind == K::MouseMove && g_track.code == SB_THUMBTRACK) {
            Rect r = t->ScrollBarRect(g_track.bar);
            Rect thumb = t->ScrollThumbRect(g_track.bar);
            ScrollInfo s = t->GetScrollInfo(g_track.bar);
            const bool vert = g_track.bar == SB_VERT;
            int thumbLen = vert ? thumb.Height() : thumb.Width();
            int track = (vert ? r.Height() : r.Width()) - 2 * kScrollBarSize - thumbLen;
            int at = (vert ? pt.y - r.top : pt.x - r.left) - kScrollBarSize - g_track.grabOffset;
            int span = s.max - s.min + 1 - std::max(s.page, 1);
            int pos = s.min + (track > 0 ? std::clamp(at, 0, track) * span / track : 0);
            if (pos != s.trackPos) {
                t->SetScrollTrackPos(g_track.bar, pos);
                SendScroll(t, g_track.bar, SB_THUMBTRACK, pos);
            }
        }
        if (kind == K::ButtonUp) {
            StopRepeat();
            if (g_track.code == SB_THUMBTRACK) {
                ScrollInfo s = t->GetScrollInfo(g_track.bar);
                SendScroll(t, g_track.bar, SB_THUMBPOSITION, s.trackPos);
                t->SetScrollTrackPos(g_track.bar, t->GetScrollPos(g_track.bar));
            }
            int bar = g_track.bar;
            g_track = {};
            ui.ReleaseCapture();
            SendScroll(t, bar, SB_ENDSCROLL, 0);
        }
        return true;
    }
    if (kind != K::ButtonDown || !w) return false;
    Point pt = w->ScreenToClient(screen);
    for (int bar : {SB_VERT, SB_HORZ}) {
        Rect r = w->ScrollBarRect(bar);
        if (!r.Contains(pt)) continue;
        const bool vert = bar == SB_VERT;
        int along = vert ? pt.y - r.top : pt.x - r.left;
        int length = vert ? r.Height() : r.Width();
        Rect thumb = w->ScrollThumbRect(bar);
        uint32_t code;
        if (along < kScrollBarSize) code = SB_LINEUP;
        else if (along >= length - kScrollBarSize) code = SB_LINEDOWN;
        else if (thumb.Contains(pt)) code = SB_THUMBTRACK;
        else if (vert ? pt.y < thumb.top : pt.x < thumb.left) code = SB_PAGEUP;
        else code = SB_PAGEDOWN;
        g_track = {w->Handle(), bar, code, vert ? pt.y - thumb.top : pt.x - thumb.left, 0};
        ui.SetCapture(w);
        if (code != SB_THUMBTRACK) {
            SendScroll(w, bar, code, 0);
            WindowHandle h = w->Handle();
            // Held, the press repeats: after half a second, ten times a second.
            uint64_t started = ui.NowMs();
            g_track.repeatTimer = ui.StartPeriodicTimer(100, [h, bar, code, started] {
                Window* tw = Ui::Get().FromHandle(h);
                if (tw && Ui::Get().NowMs() - started >= 500) SendScroll(tw, bar, code, 0);
            });
        }
        return true;
    }
    return false;
}

}  // namespace platform::win
