#include "ui/flyingwindow.h"

#include "platform/gfx/canvas.h"
#include "platform/gfx/region.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::Surface;

namespace {

// Copies w x h pixels from (sx, sy) of `from` to (dx, dy) of `to`, cut to both.
void Copy(Surface& to, int dx, int dy, const Surface& from, int sx, int sy, int w, int h) {
    Canvas c(to);
    c.BitBlt(dx, dy, w, h, from, sx, sy);
}

}  // namespace

Picture* CFlyingWindow::Screen(Point* offset) {
    Window* main = Ui::Get().MainWindow();
    if (!main) return nullptr;
    Point origin;
    Picture* pic = main->PaintPicture(&origin);
    Point corner = main->ClientToScreen(Point{0, 0});
    *offset = {origin.x - corner.x, origin.y - corner.y};
    return pic;
}

bool CFlyingWindow::Create(Window* source, Window* owner, int x, int y) {
    if (!source || !owner) {
        platform::Trace("CFlyingWindow: no source or owner\n");
        return false;
    }
    m_pOwner = owner;
    Rect r;
    source->Send(ui::kMsgGetDragRect, reinterpret_cast<uintptr_t>(&r), 0);
    if (r.IsEmpty()) r = source->ClientToScreen(source->ClientRect());
    const int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return false;
    m_Image = Surface(w, h);
    m_Background = Surface(w, h);
    m_Work = Surface(w, h);
    m_Origin = {r.left, r.top};
    {
        Canvas dc(m_Image);
        Rect item = r;
        source->Send(ui::kMsgDrawDragItem, reinterpret_cast<uintptr_t>(&dc), reinterpret_cast<intptr_t>(&item));
        Rect edge{0, 0, w, h};
        dc.DrawEdge(edge, platform::gfx::EDGE_RAISED, platform::gfx::BF_RECT);
    }
    Rect at = x != 0 ? Rect::XYWH(x - w / 2, y - h / 2, w, h) : Rect::XYWH(r.left, r.top, w, h);
    Point off;
    Picture* pic = Screen(&off);
    if (pic) Copy(m_Background, 0, 0, *pic, at.left + off.x, at.top + off.y, w, h);
    if (!CreatePopup(owner->TopLevel(), at, WS_POPUP | WS_VISIBLE)) return false;
    if (pic) Copy(*pic, at.left + off.x, at.top + off.y, m_Image, 0, 0, w, h);
    Ui::Get().MarkDirty();
    return true;
}

bool CFlyingWindow::MoveTo(int x, int y) {
    const Rect now = WindowRect();
    const int w = now.Width(), h = now.Height();
    const int dx = now.left - x, dy = now.top - y;
    if (dx == 0 && dy == 0) return false;
    Point off;
    Picture* pic = Screen(&off);
    if (pic) {
        const int ox = now.left + off.x, oy = now.top + off.y;  // the old corner in the picture
        // What the new place shows now; where it overlaps the old place the
        // pixels are our image, so the saved background stands in for them.
        Copy(m_Work, 0, 0, *pic, ox - dx, oy - dy, w, h);
        Copy(m_Work, dx, dy, m_Background, 0, 0, w, h);
        Copy(*pic, ox - dx, oy - dy, m_Image, 0, 0, w, h);
        // Give back what the move uncovers: the old place less the new one.
        platform::gfx::Region uncovered(Rect{ox, oy, ox + w, oy + h});
        uncovered.Subtract(platform::gfx::Region(Rect{ox - dx, oy - dy, ox - dx + w, oy - dy + h}));
        Canvas c(*pic, {0, 0}, uncovered);
        c.BitBlt(ox, oy, w, h, m_Background, 0, 0);
        m_Background = m_Work;
        Ui::Get().MarkDirty();
    }
    Move(Rect::XYWH(x, y, w, h), false);
    return true;
}

void CFlyingWindow::OnPaint(const PaintContext& pc) {
    // Normally nothing to do; should the layer repaint us, the image is ours.
    Canvas c = pc.MakeCanvas();
    c.BitBlt(0, 0, m_Image.Width(), m_Image.Height(), m_Image, 0, 0);
}

void CFlyingWindow::PassOn(uint32_t msg, uint32_t flags, Point pt) {
    if (!m_pOwner || !m_pOwner->IsAlive()) return;
    Point p = m_pOwner->ScreenToClient(ClientToScreen(pt));
    m_pOwner->Send(msg, flags, MakePointParam(p));
}

void CFlyingWindow::OnMouseMove(uint32_t f, Point p) { PassOn(WM_MOUSEMOVE, f, p); }
void CFlyingWindow::OnLButtonDown(uint32_t f, Point p) { PassOn(WM_LBUTTONDOWN, f, p); }
void CFlyingWindow::OnLButtonUp(uint32_t f, Point p) { PassOn(WM_LBUTTONUP, f, p); }
