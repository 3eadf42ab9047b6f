#include "shell/toolbox_draw.h"

#include <cassert>

#include "platform/gfx/system.h"

using namespace platform::gfx;

void DrawToolboxDivider(Canvas* dc, int x1, int y1, int x2, int y2, bool vertical) {
    assert(dc);
    if (!dc) return;
    struct Line {
        int offset;
        ColourRef colour;
    };
    const Line lines[] = {
        {0, GetSysColor(COLOR_3DDKSHADOW)}, {5, GetSysColor(COLOR_3DDKSHADOW)},
        {1, RGB(255, 255, 255)},            {2, GetSysColor(COLOR_3DFACE)},
        {3, GetSysColor(COLOR_3DFACE)},     {4, GetSysColor(COLOR_BTNSHADOW)},
    };
    const Pen old = dc->CurrentPen();
    for (const Line& l : lines) {
        dc->SelectPen(Pen::Solid(l.colour, 1));
        if (vertical) {
            dc->MoveTo(x1 + l.offset, y1);
            dc->LineTo(x1 + l.offset, y2);
        } else {
            dc->MoveTo(x1, y1 + l.offset);
            dc->LineTo(x2, y1 + l.offset);
        }
    }
    dc->SelectPen(old);
}

void DrawTransparentBitmap(Canvas* dc, const Surface* bitmap, int x, int y, ColourRef transparent,
                           int height, int width) {
    if (!dc || !bitmap || bitmap->IsEmpty()) return;
    const int w = width == -1 ? bitmap->Width() : width;
    const int h = height == -1 ? bitmap->Height() : height;
    if (w <= 0 || h <= 0) return;
    const Rect area = Rect::XYWH(0, 0, w, h);
    // The mask technique: transparent pixels are white in the mask, so the
    // destination survives the AND there, and black in the inverse mask, so
    // the picture adds nothing there.
    Surface picture(w, h);
    Blit(picture, 0, 0, *bitmap, area);
    Surface mask(w, h, kWhite);
    Blit(mask, 0, 0, MakeMask(*bitmap, ToPixel(transparent)), area);
    Surface inverse(w, h);
    Blit(inverse, 0, 0, mask, area, RasterOp::NotSrcCopy);
    Surface work(w, h);
    const Point d = dc->LPtoDP(Point{x, y});
    const Point o = dc->Origin();
    Blit(work, 0, 0, dc->Target(), Rect::XYWH(d.x + o.x, d.y + o.y, w, h));
    Blit(work, 0, 0, mask, area, RasterOp::SrcAnd);
    Blit(picture, 0, 0, inverse, area, RasterOp::SrcAnd);
    Blit(work, 0, 0, picture, area, RasterOp::SrcPaint);
    // Both contexts share the map mode, so the picture lands pixel for pixel.
    dc->DeviceBlt(d.x, d.y, work, area);
}
