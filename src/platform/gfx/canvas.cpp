#include "platform/gfx/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/gfx/system.h"

namespace platform::gfx {

Canvas::Canvas(Surface& target, Point origin, std::optional<Region> visible)
    : target_(&target), origin_(origin), visible_(std::move(visible)) {
    UpdateClip();
}

// --- state -----------------------------------------------------------------

Pen Canvas::SelectPen(const Pen& p) { return std::exchange(st_.pen, p); }
Brush Canvas::SelectBrush(const Brush& b) { return std::exchange(st_.brush, b); }
FontRef Canvas::SelectFont(FontRef f) { return std::exchange(st_.font, std::move(f)); }
ColourRef Canvas::SetTextColor(ColourRef c) { return std::exchange(st_.textColour, c); }
ColourRef Canvas::SetBkColor(ColourRef c) { return std::exchange(st_.bkColour, c); }
int Canvas::SetBkMode(int mode) { return std::exchange(st_.bkMode, mode); }
unsigned Canvas::SetTextAlign(unsigned align) { return std::exchange(st_.textAlign, align); }

int Canvas::SaveDC() {
    saved_.push_back(st_);
    return static_cast<int>(saved_.size());
}

bool Canvas::RestoreDC(int level) {
    if (saved_.empty()) return false;
    size_t index;
    if (level < 0) {
        if (static_cast<size_t>(-level) > saved_.size()) return false;
        index = saved_.size() + level;
    } else {
        if (level == 0 || static_cast<size_t>(level) > saved_.size()) return false;
        index = static_cast<size_t>(level) - 1;
    }
    st_ = saved_[index];
    saved_.resize(index);
    UpdateClip();
    return true;
}

// --- clipping --------------------------------------------------------------

void Canvas::UpdateClip() {
    Region r(target_->Bounds());
    if (visible_) r.Intersect(*visible_);
    if (st_.clip) {
        Region c = *st_.clip;
        c.Offset(origin_.x, origin_.y);
        r.Intersect(c);
    }
    clipRects_ = r.Rects();
}

void Canvas::SelectClipRgn(const Region* rgn) {
    if (rgn)
        st_.clip = *rgn;
    else
        st_.clip.reset();
    UpdateClip();
}

void Canvas::SelectClipRect(const Rect& logical) {
    Region r(LPtoDP(logical));
    SelectClipRgn(&r);
}

void Canvas::IntersectClipRect(const Rect& logical) {
    Region r(LPtoDP(logical));
    if (st_.clip)
        st_.clip->Intersect(r);
    else
        st_.clip = r;
    UpdateClip();
}

void Canvas::ExcludeClipRect(const Rect& logical) {
    if (!st_.clip) {
        Region all(target_->Bounds().Offset(-origin_.x, -origin_.y));
        st_.clip = all;
    }
    st_.clip->Subtract(Region(LPtoDP(logical)));
    UpdateClip();
}

Rect Canvas::GetClipBox() const {
    Rect b;
    for (const Rect& r : clipRects_) b = b.Union(r);
    return DPtoLP(b.Offset(-origin_.x, -origin_.y));
}

bool Canvas::RectVisible(const Rect& logical) const {
    Rect d = LPtoDP(logical).Offset(origin_.x, origin_.y);
    for (const Rect& r : clipRects_)
        if (!r.Intersect(d).IsEmpty()) return true;
    return false;
}

bool Canvas::PtVisible(Point logical) const {
    Point d = LPtoDP(logical);
    Point s{d.x + origin_.x, d.y + origin_.y};
    for (const Rect& r : clipRects_)
        if (r.Contains(s)) return true;
    return false;
}

// --- map modes -------------------------------------------------------------

MapMode Canvas::SetMapMode(MapMode m) {
    MapMode old = st_.mapMode;
    st_.mapMode = m;
    if (m == MapMode::Text) {
        st_.winExt = st_.vpExt = {1, 1};
    }
    return old;
}

void Canvas::SetWindowExt(Size s) {
    if (st_.mapMode != MapMode::Text && s.cx != 0 && s.cy != 0) st_.winExt = s;
}

void Canvas::SetViewportExt(Size s) {
    if (st_.mapMode != MapMode::Text && s.cx != 0 && s.cy != 0) st_.vpExt = s;
}

namespace {
int Scale(int v, int num, int den) {
    // Rounded to nearest, as GDI maps coordinates.
    int64_t p = static_cast<int64_t>(v) * num;
    int64_t q = den;
    if (q < 0) { p = -p; q = -q; }
    return static_cast<int>(p >= 0 ? (p + q / 2) / q : -((-p + q / 2) / q));
}
Rect Normalise(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}
}  // namespace

Point Canvas::LPtoDP(Point p) const {
    return {Scale(p.x - st_.winOrg.x, st_.vpExt.cx, st_.winExt.cx) + st_.vpOrg.x,
            Scale(p.y - st_.winOrg.y, st_.vpExt.cy, st_.winExt.cy) + st_.vpOrg.y};
}

Point Canvas::DPtoLP(Point p) const {
    return {Scale(p.x - st_.vpOrg.x, st_.winExt.cx, st_.vpExt.cx) + st_.winOrg.x,
            Scale(p.y - st_.vpOrg.y, st_.winExt.cy, st_.vpExt.cy) + st_.winOrg.y};
}

Rect Canvas::LPtoDP(const Rect& r) const {
    return Normalise(LPtoDP(Point{r.left, r.top}), LPtoDP(Point{r.right, r.bottom}));
}

Rect Canvas::DPtoLP(const Rect& r) const {
    return Normalise(DPtoLP(Point{r.left, r.top}), DPtoLP(Point{r.right, r.bottom}));
}

// --- pixels and spans --------------------------------------------------------

void Canvas::DeviceSpan(int y, int x0, int x1, Pixel p) {
    if (x1 <= x0) return;
    const int sy = y + origin_.y;
    const int sx0 = x0 + origin_.x, sx1 = x1 + origin_.x;
    for (const Rect& c : clipRects_) {
        if (sy < c.top || sy >= c.bottom) continue;
        int a = std::max(sx0, c.left), b = std::min(sx1, c.right);
        if (a >= b) continue;
        std::fill(target_->Row(sy) + a, target_->Row(sy) + b, p);
    }
}

void Canvas::DevicePixel(int x, int y, Pixel p) { DeviceSpan(y, x, x + 1, p); }

void Canvas::SetPixel(int x, int y, ColourRef c) {
    Point d = LPtoDP(Point{x, y});
    DevicePixel(d.x, d.y, ToPixel(c));
}

ColourRef Canvas::GetPixel(int x, int y) const {
    if (!PtVisible({x, y})) return kClrInvalid;
    Point d = LPtoDP(Point{x, y});
    return ToColourRef(target_->Get(d.x + origin_.x, d.y + origin_.y));
}

void Canvas::FillRect(const Rect& r, const Brush& b) {
    if (b.null) return;
    Rect d = LPtoDP(r);
    Pixel p = ToPixel(b.colour);
    for (int y = d.top; y < d.bottom; ++y) DeviceSpan(y, d.left, d.right, p);
}

void Canvas::FillSolidRect(const Rect& r, ColourRef c) { FillRect(r, Brush::Solid(c)); }

void Canvas::FrameRect(const Rect& r, ColourRef c) {
    Rect d = LPtoDP(r);
    if (d.IsEmpty()) return;
    Pixel p = ToPixel(c);
    DeviceSpan(d.top, d.left, d.right, p);
    DeviceSpan(d.bottom - 1, d.left, d.right, p);
    for (int y = d.top + 1; y < d.bottom - 1; ++y) {
        DevicePixel(d.left, y, p);
        DevicePixel(d.right - 1, y, p);
    }
}

void Canvas::InvertRect(const Rect& r) {
    Rect d = LPtoDP(r).Offset(origin_.x, origin_.y);
    for (const Rect& c : clipRects_) {
        Rect i = d.Intersect(c);
        for (int y = i.top; y < i.bottom; ++y)
            for (int x = i.left; x < i.right; ++x) target_->Row(y)[x] ^= 0xFFFFFF;
    }
}

// --- lines -------------------------------------------------------------------

int Canvas::DevicePenWidth() const {
    int w = std::max(st_.pen.width, 1);
    if (w > 1 && st_.mapMode != MapMode::Text)
        w = std::max(1, std::abs(Scale(w, st_.vpExt.cx, st_.winExt.cx)));
    return w;
}

void Canvas::Stamp(int cx, int cy, int width, Pixel p) {
    if (width <= 1) {
        DevicePixel(cx, cy, p);
        return;
    }
    // A round pen tip, as GDI's geometric pens draw.
    const int lo = -(width / 2);
    const double r = width / 2.0;
    for (int dy = lo; dy < lo + width; ++dy) {
        double fy = dy + 0.5 - (width % 2 ? 0.5 : 0.0);
        double half = std::sqrt(std::max(0.0, r * r - fy * fy));
        int x0 = static_cast<int>(std::lround(cx - half + (width % 2 ? 0.5 : 0.0)));
        int x1 = static_cast<int>(std::lround(cx + half + (width % 2 ? 0.5 : 0.0)));
        if (width == 2) { x0 = cx + lo; x1 = cx + lo + width; }
        DeviceSpan(cy + dy, x0, x1, p);
    }
}

void Canvas::StrokeDevice(Point a, Point b, Pixel p, int width, bool lastPixel) {
    int x = a.x, y = a.y;
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        bool atEnd = x == b.x && y == b.y;
        if (!atEnd || lastPixel || width > 1) Stamp(x, y, width, p);
        if (atEnd) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void Canvas::MoveTo(int x, int y) { st_.position = {x, y}; }

void Canvas::LineTo(int x, int y) {
    if (!st_.pen.null)
        StrokeDevice(LPtoDP(st_.position), LPtoDP(Point{x, y}), ToPixel(st_.pen.colour),
                     DevicePenWidth(), false);
    st_.position = {x, y};
}

void Canvas::PolylineDevice(const std::vector<Point>& pts, bool closed) {
    if (st_.pen.null || pts.size() < 2) return;
    Pixel p = ToPixel(st_.pen.colour);
    int w = DevicePenWidth();
    for (size_t i = 0; i + 1 < pts.size(); ++i) StrokeDevice(pts[i], pts[i + 1], p, w, false);
    if (closed)
        StrokeDevice(pts.back(), pts.front(), p, w, false);
    else if (w == 1)
        DevicePixel(pts.back().x, pts.back().y, p);  // Polyline stops one short too
}

void Canvas::Polyline(const std::vector<Point>& pts) {
    std::vector<Point> d;
    for (Point p : pts) d.push_back(LPtoDP(p));
    // GDI's Polyline leaves out the last pixel like LineTo.
    if (st_.pen.null || d.size() < 2) return;
    Pixel px = ToPixel(st_.pen.colour);
    int w = DevicePenWidth();
    for (size_t i = 0; i + 1 < d.size(); ++i) StrokeDevice(d[i], d[i + 1], px, w, false);
}

void Canvas::FillPolygonDevice(const std::vector<Point>& pts, Pixel p) {
    if (pts.size() < 3) return;
    int top = pts[0].y, bottom = pts[0].y;
    for (Point q : pts) { top = std::min(top, q.y); bottom = std::max(bottom, q.y); }
    std::vector<double> xs;
    for (int y = top; y < bottom; ++y) {
        const double cy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            Point a = pts[i], b = pts[(i + 1) % pts.size()];
            if (a.y == b.y) continue;
            if ((cy >= a.y && cy < b.y) || (cy >= b.y && cy < a.y))
                xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            int x0 = static_cast<int>(std::ceil(xs[i] - 0.5));
            int x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
            DeviceSpan(y, x0, x1, p);
        }
    }
}

void Canvas::Polygon(const std::vector<Point>& pts) {
    std::vector<Point> d;
    for (Point p : pts) d.push_back(LPtoDP(p));
    if (!st_.brush.null) FillPolygonDevice(d, ToPixel(st_.brush.colour));
    PolylineDevice(d, true);
}

void Canvas::Rectangle(const Rect& r) {
    Rect d = LPtoDP(r);
    if (d.IsEmpty()) return;
    const int w = st_.pen.null ? 0 : DevicePenWidth();
    if (!st_.brush.null) {
        Rect in = d.Inflate(-std::max(w, st_.pen.null ? 0 : 1), -std::max(w, st_.pen.null ? 0 : 1));
        Pixel b = ToPixel(st_.brush.colour);
        for (int y = in.top; y < in.bottom; ++y) DeviceSpan(y, in.left, in.right, b);
    }
    if (w == 0) return;
    Pixel p = ToPixel(st_.pen.colour);
    for (int i = 0; i < w && i * 2 < d.Height() && i * 2 < d.Width(); ++i) {
        Rect f = d.Inflate(-i, -i);
        DeviceSpan(f.top, f.left, f.right, p);
        DeviceSpan(f.bottom - 1, f.left, f.right, p);
        for (int y = f.top + 1; y < f.bottom - 1; ++y) {
            DevicePixel(f.left, y, p);
            DevicePixel(f.right - 1, y, p);
        }
    }
}

// --- ellipses and pies --------------------------------------------------------

namespace {

// The span of an ellipse (centre cx, cy; radii rx, ry) on the row whose
// centre is at fy; false when the row misses it.
bool EllipseSpan(double cx, double cy, double rx, double ry, double fy, int& x0, int& x1) {
    if (rx <= 0 || ry <= 0) return false;
    double t = (fy - cy) / ry;
    if (t <= -1.0 || t >= 1.0) return false;
    double half = rx * std::sqrt(1.0 - t * t);
    x0 = static_cast<int>(std::ceil(cx - half - 0.5));
    x1 = static_cast<int>(std::ceil(cx + half - 0.5));
    return x1 > x0;
}

constexpr double kTwoPi = 6.283185307179586;

double AngleOf(double x, double y, double cx, double cy) {
    double a = std::atan2(-(y - cy), x - cx);  // counter-clockwise on the screen
    return a < 0 ? a + kTwoPi : a;
}

}  // namespace

void Canvas::Ellipse(const Rect& r) { Pie(r, {}, {}); }

void Canvas::Pie(const Rect& r, Point startL, Point endL) {
    Rect d = LPtoDP(r);
    if (d.IsEmpty()) return;
    const bool full = startL == endL;
    const double cx = (d.left + d.right) / 2.0, cy = (d.top + d.bottom) / 2.0;
    const double rx = d.Width() / 2.0, ry = d.Height() / 2.0;
    double a0 = 0, sweep = kTwoPi;
    if (!full) {
        Point s = LPtoDP(startL), e = LPtoDP(endL);
        a0 = AngleOf(s.x, s.y, cx, cy);
        double a1 = AngleOf(e.x, e.y, cx, cy);
        // The sweep is counter-clockwise in logical space; a mapping that
        // flips one axis turns it round on the device.
        const bool flipped = (st_.vpExt.cx * st_.winExt.cx < 0) != (st_.vpExt.cy * st_.winExt.cy < 0);
        if (flipped) std::swap(a0, a1);
        sweep = a1 - a0;
        if (sweep <= 0) sweep += kTwoPi;
    }
    auto inSector = [&](int x, int y) {
        if (full) return true;
        double a = AngleOf(x + 0.5, y + 0.5, cx, cy) - a0;
        if (a < 0) a += kTwoPi;
        return a <= sweep;
    };
    const int w = st_.pen.null ? 0 : DevicePenWidth();
    const Pixel brush = ToPixel(st_.brush.colour), pen = ToPixel(st_.pen.colour);
    for (int y = d.top; y < d.bottom; ++y) {
        int o0, o1;
        if (!EllipseSpan(cx, cy, rx, ry, y + 0.5, o0, o1)) continue;
        int i0 = 0, i1 = 0;
        bool inner = w > 0 ? EllipseSpan(cx, cy, rx - w, ry - w, y + 0.5, i0, i1)
                           : EllipseSpan(cx, cy, rx, ry, y + 0.5, i0, i1);
        for (int x = o0; x < o1; ++x) {
            if (!inSector(x, y)) continue;
            bool ring = w > 0 && !(inner && x >= i0 && x < i1);
            if (ring)
                DevicePixel(x, y, pen);
            else if (!st_.brush.null)
                DevicePixel(x, y, brush);
        }
    }
    if (!full && w > 0) {
        // The two radii.
        Point c{static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(cy))};
        for (double a : {a0, a0 + sweep}) {
            Point e{static_cast<int>(std::lround(cx + (rx - 0.5) * std::cos(a) - 0.5)),
                    static_cast<int>(std::lround(cy - (ry - 0.5) * std::sin(a) - 0.5))};
            StrokeDevice(c, e, pen, w, true);
        }
    }
}

// --- edges -------------------------------------------------------------------

namespace {
struct EdgeColours {
    int topLeft;
    int bottomRight;
};
}  // namespace

void Canvas::DrawEdge(Rect& r, unsigned edge, unsigned flags) {
    Rect d = LPtoDP(r);
    auto pass = [&](EdgeColours c) {
        if (d.IsEmpty()) return;
        Pixel tl = ToPixel(GetSysColor(c.topLeft)), br = ToPixel(GetSysColor(c.bottomRight));
        if (flags & BF_TOP) DeviceSpan(d.top, d.left, d.right - 1, tl);
        if (flags & BF_LEFT)
            for (int y = d.top; y < d.bottom - 1; ++y) DevicePixel(d.left, y, tl);
        if (flags & BF_BOTTOM) DeviceSpan(d.bottom - 1, d.left, d.right, br);
        if (flags & BF_RIGHT)
            for (int y = d.top; y < d.bottom; ++y) DevicePixel(d.right - 1, y, br);
        if (flags & BF_LEFT) ++d.left;
        if (flags & BF_TOP) ++d.top;
        if (flags & BF_RIGHT) --d.right;
        if (flags & BF_BOTTOM) --d.bottom;
    };
    if (edge & BDR_RAISEDOUTER) pass({COLOR_3DLIGHT, COLOR_3DDKSHADOW});
    else if (edge & BDR_SUNKENOUTER) pass({COLOR_3DSHADOW, COLOR_3DHILIGHT});
    if (edge & BDR_RAISEDINNER) pass({COLOR_3DHILIGHT, COLOR_3DSHADOW});
    else if (edge & BDR_SUNKENINNER) pass({COLOR_3DDKSHADOW, COLOR_3DLIGHT});
    if ((flags & BF_MIDDLE) && !d.IsEmpty()) {
        Pixel face = ToPixel(GetSysColor(COLOR_3DFACE));
        for (int y = d.top; y < d.bottom; ++y) DeviceSpan(y, d.left, d.right, face);
    }
    if (flags & BF_ADJUST) r = DPtoLP(d);
}

void Canvas::DrawPushButtonFrame(const Rect& r, unsigned state) {
    Rect d = LPtoDP(r);
    auto frame = [&](int tlIndex, int brIndex) {
        if (d.IsEmpty()) return;
        Pixel tl = ToPixel(GetSysColor(tlIndex)), br = ToPixel(GetSysColor(brIndex));
        DeviceSpan(d.top, d.left, d.right - 1, tl);
        for (int y = d.top; y < d.bottom - 1; ++y) DevicePixel(d.left, y, tl);
        DeviceSpan(d.bottom - 1, d.left, d.right, br);
        for (int y = d.top; y < d.bottom; ++y) DevicePixel(d.right - 1, y, br);
        d = d.Inflate(-1, -1);
    };
    if (state & DFCS_PUSHED) {
        frame(COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
        frame(COLOR_3DSHADOW, COLOR_3DSHADOW);
    } else {
        frame(COLOR_3DHILIGHT, COLOR_3DDKSHADOW);
        frame(COLOR_3DLIGHT, COLOR_3DSHADOW);
    }
    Pixel face = ToPixel(GetSysColor(COLOR_3DFACE));
    for (int y = d.top; y < d.bottom; ++y) DeviceSpan(y, d.left, d.right, face);
}

// --- blits -------------------------------------------------------------------

void Canvas::BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp op) {
    Rect to = LPtoDP(Rect::XYWH(x, y, w, h));
    if (to.Width() != w || to.Height() != h) {
        // A scaled mapping (printing): stretch instead.
        for (const Rect& c : clipRects_)
            StretchBlit(*target_, to.Offset(origin_.x, origin_.y), src, Rect::XYWH(sx, sy, w, h),
                        std::nullopt, c);
        return;
    }
    for (const Rect& c : clipRects_)
        Blit(*target_, to.left + origin_.x, to.top + origin_.y, src, Rect::XYWH(sx, sy, w, h), op, c);
}

void Canvas::BitBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy, RasterOp op) {
    BitBlt(x, y, w, h, *src.target_, sx + src.origin_.x, sy + src.origin_.y, op);
}

void Canvas::DeviceBlt(int dx, int dy, const Surface& src, const Rect& from, RasterOp op) {
    for (const Rect& c : clipRects_) Blit(*target_, dx + origin_.x, dy + origin_.y, src, from, op, c);
}

void Canvas::StretchBlt(const Rect& to, const Surface& src, const Rect& from) {
    Rect d = LPtoDP(to).Offset(origin_.x, origin_.y);
    for (const Rect& c : clipRects_) StretchBlit(*target_, d, src, from, std::nullopt, c);
}

void Canvas::KeyedBlt(int x, int y, const Surface& src, const Rect& from, ColourRef key) {
    Point d = LPtoDP(Point{x, y});
    for (const Rect& c : clipRects_)
        BlitKeyed(*target_, d.x + origin_.x, d.y + origin_.y, src, from, ToPixel(key), c);
}

}  // namespace platform::gfx
