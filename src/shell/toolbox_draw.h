#pragma once
// The tool-box file's two drawing helpers: the 3-D divider between the tool
// bar, the tree and the page, and the keyed blit every page draws its
// overlay pictures with.
#include "platform/gfx/canvas.h"

using platform::gfx::Canvas;
using platform::gfx::ColourRef;

// Six 1-pixel lines from (x1, y1) to (x2, y2), across the divider at offsets
// 0 to 5: dark shadow, white, face, face, shadow, dark shadow.
void DrawToolboxDivider(Canvas* dc, int x1, int y1, int x2, int y2, bool vertical);

// Draws `bitmap` at (x, y) leaving out every pixel of `transparent`. A height
// or width of -1 means the bitmap's own.
void DrawTransparentBitmap(Canvas* dc, const platform::gfx::Surface* bitmap, int x, int y,
                           ColourRef transparent, int height = -1, int width = -1);
