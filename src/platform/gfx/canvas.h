#pragma once
// A drawing context on a surface, in GDI's manner: a current pen, brush,
// font and text colours, a clip region, a map mode for printing, and saved
// states. A canvas for a window is made with the window's place in the
// frame's picture as its origin and its visible part as the base clip.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/blit.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/font.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform::gfx {

struct Pen {
    ColourRef colour = RGB(0, 0, 0);
    int width = 1;
    bool null = false;
    static Pen Solid(ColourRef c, int w = 1) { return {c, w, false}; }
    static Pen None() { return {0, 1, true}; }
};

struct Brush {
    ColourRef colour = RGB(255, 255, 255);
    bool null = false;
    static Brush Solid(ColourRef c) { return {c, false}; }
    static Brush None() { return {0, true}; }  // GDI's stock NULL_BRUSH
};

enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// Text alignment flags (SetTextAlign).
enum : unsigned {
    TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
    TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24,
};

// DrawText flags.
enum : unsigned {
    DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000,
};

// ExtTextOut options.
enum : unsigned { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };

// DrawEdge edges and sides.
enum : unsigned {
    BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8,
    EDGE_RAISED = 5, EDGE_SUNKEN = 10, EDGE_ETCHED = 6, EDGE_BUMP = 9,
    BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8, BF_RECT = 15,
    BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000,
};

// DrawFrameControl's push-button states.
enum : unsigned { DFCS_BUTTONPUSH = 0x10, DFCS_PUSHED = 0x200, DFCS_INACTIVE = 0x100 };

enum class MapMode { Text = 1, Anisotropic = 8 };

class Canvas {
public:
    // `origin`: where the canvas's (0, 0) lies on the surface; `visible`: the
    // part of the surface it may touch, in surface pixels (default: all).
    explicit Canvas(Surface& target, Point origin = {0, 0},
                    std::optional<Region> visible = std::nullopt);

    Surface& Target() { return *target_; }
    const Surface& Target() const { return *target_; }
    Point Origin() const { return origin_; }

    // --- state ---
    Pen SelectPen(const Pen& p);
    Brush SelectBrush(const Brush& b);
    FontRef SelectFont(FontRef f);
    const Pen& CurrentPen() const { return st_.pen; }
    const Brush& CurrentBrush() const { return st_.brush; }
    const FontRef& CurrentFont() const { return st_.font; }
    ColourRef SetTextColor(ColourRef c);
    ColourRef GetTextColor() const { return st_.textColour; }
    ColourRef SetBkColor(ColourRef c);
    ColourRef GetBkColor() const { return st_.bkColour; }
    int SetBkMode(int mode);
    int GetBkMode() const { return st_.bkMode; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return st_.textAlign; }
    Point GetCurrentPosition() const { return st_.position; }

    // SaveDC: returns the level (1, 2, ...). RestoreDC(-1) restores the last,
    // RestoreDC(n) the state saved at level n; false when there is none.
    int SaveDC();
    bool RestoreDC(int level);

    // --- clipping (rectangles in logical units; regions in device pixels) ---
    // Replaces the clip; a null region removes it.
    void SelectClipRgn(const Region* rgn);
    void SelectClipRect(const Rect& logical);
    void IntersectClipRect(const Rect& logical);
    void ExcludeClipRect(const Rect& logical);
    Rect GetClipBox() const;  // logical
    bool RectVisible(const Rect& logical) const;
    bool PtVisible(Point logical) const;

    // --- map modes (printing) ---
    MapMode SetMapMode(MapMode m);
    MapMode GetMapMode() const { return st_.mapMode; }
    void SetWindowOrg(Point p) { st_.winOrg = p; }
    void SetWindowExt(Size s);
    void SetViewportOrg(Point p) { st_.vpOrg = p; }
    void SetViewportExt(Size s);
    Point LPtoDP(Point p) const;
    Point DPtoLP(Point p) const;
    Rect LPtoDP(const Rect& r) const;  // normalised
    Rect DPtoLP(const Rect& r) const;  // normalised

    // --- drawing, in logical units ---
    void MoveTo(int x, int y);
    void LineTo(int x, int y);  // GDI leaves out the end pixel
    void Polyline(const std::vector<Point>& pts);
    void Polygon(const std::vector<Point>& pts);
    void Rectangle(const Rect& r);  // pen frame inside r, brush inside that
    void Ellipse(const Rect& r);
    // The pie of the ellipse in r from the radial through `start`,
    // counter-clockwise to the radial through `end`.
    void Pie(const Rect& r, Point start, Point end);
    void SetPixel(int x, int y, ColourRef c);
    ColourRef GetPixel(int x, int y) const;  // CLR_INVALID outside the clip
    static constexpr ColourRef kClrInvalid = 0xFFFFFFFF;
    void FillRect(const Rect& r, const Brush& b);
    void FillSolidRect(const Rect& r, ColourRef c);
    void FrameRect(const Rect& r, ColourRef c);
    void InvertRect(const Rect& r);
    // Windows' DrawEdge in the classic scheme; with BF_ADJUST `r` shrinks.
    void DrawEdge(Rect& r, unsigned edge, unsigned flags);
    // The standard push-button frame (DrawFrameControl DFC_BUTTON).
    void DrawPushButtonFrame(const Rect& r, unsigned state);

    // --- blits (destination in logical units, source in its device pixels) ---
    void BitBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy,
                RasterOp op = RasterOp::SrcCopy);
    void BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy,
                RasterOp op = RasterOp::SrcCopy);
    void StretchBlt(const Rect& to, const Surface& src, const Rect& from);
    // A copy at device pixel (dx, dy), unscaled whatever the map mode.
    void DeviceBlt(int dx, int dy, const Surface& src, const Rect& from, RasterOp op = RasterOp::SrcCopy);
    // A blit leaving out every source pixel of `key`.
    void KeyedBlt(int x, int y, const Surface& src, const Rect& from, ColourRef key);

    // --- text (Windows-1252) ---
    void TextOut(int x, int y, std::string_view text);
    void ExtTextOut(int x, int y, unsigned options, const Rect* rect, std::string_view text);
    Size GetTextExtent(std::string_view text) const;
    TextMetrics GetTextMetrics() const;
    // DrawText: returns the height of the text; with DT_CALCRECT `r` is set
    // to the text's rectangle and nothing is drawn.
    int DrawText(std::string_view text, Rect& r, unsigned format);

    // The clip in surface pixels (for code that writes pixels itself).
    const std::vector<Rect>& ClipRects() const { return clipRects_; }
    // Plots one horizontal run of device pixels [x0, x1) through the clip.
    void DeviceSpan(int y, int x0, int x1, Pixel p);
    void DevicePixel(int x, int y, Pixel p);

private:
    struct State {
        Pen pen;
        Brush brush;
        FontRef font;
        ColourRef textColour = RGB(0, 0, 0);
        ColourRef bkColour = RGB(255, 255, 255);
        int bkMode = OPAQUE;
        unsigned textAlign = TA_LEFT | TA_TOP;
        Point position;
        std::optional<Region> clip;  // device pixels, relative to the origin
        MapMode mapMode = MapMode::Text;
        Point winOrg, vpOrg;
        Size winExt{1, 1}, vpExt{1, 1};
    };

    void UpdateClip();
    int DevicePenWidth() const;
    void FillPolygonDevice(const std::vector<Point>& pts, Pixel p);
    void StrokeDevice(Point a, Point b, Pixel p, int width, bool lastPixel);
    void PolylineDevice(const std::vector<Point>& pts, bool closed);
    void Stamp(int cx, int cy, int width, Pixel p);
    // The selected font (or the system font) at device size: under a
    // printing map mode the requested height is in logical units.
    const FontRef& FontOrDefault() const;
    const FontRef& DeviceFont() const;
    void DrawTextLine(int x, int yTop, std::string_view text, const Rect* clip);

    Surface* target_;
    Point origin_;
    std::optional<Region> visible_;  // surface pixels
    State st_;
    std::vector<State> saved_;
    std::vector<Rect> clipRects_;  // surface pixels
    mutable FontRef scaledFont_;     // DeviceFont's last result
    mutable FontRef scaledFrom_;
    mutable Size scaledFor_;
};

}  // namespace platform::gfx
