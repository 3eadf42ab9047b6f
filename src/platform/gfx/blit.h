#pragma once
// Copies between surfaces: GDI's raster operations, DirectDraw's keyed and
// stretched blits. Every operation clips to both surfaces and to `clip` (in
// destination pixels), so no call writes or reads outside a surface.
#include "platform/gfx/surface.h"

namespace platform::gfx {

// The raster operations the game uses, with GDI's codes.
enum class RasterOp : uint32_t {
    SrcCopy = 0x00CC0020,     // dst = src
    SrcAnd = 0x008800C6,      // dst = dst & src
    SrcPaint = 0x00EE0086,    // dst = dst | src
    SrcInvert = 0x00660046,   // dst = dst ^ src
    NotSrcCopy = 0x00330008,  // dst = ~src
    DstInvert = 0x00550009,   // dst = ~dst
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

constexpr Rect kNoClip{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

// `src`'s rectangle `from` to (dx, dy) of `dst`.
void Blit(Surface& dst, int dx, int dy, const Surface& src, const Rect& from,
          RasterOp op = RasterOp::SrcCopy, const Rect& clip = kNoClip);

// As Blit with SrcCopy, leaving out every source pixel equal to `key`.
void BlitKeyed(Surface& dst, int dx, int dy, const Surface& src, const Rect& from, Pixel key,
               const Rect& clip = kNoClip);

// `src`'s rectangle `from` scaled into `to` of `dst` (nearest pixel, as
// DirectDraw's stretching did); with a key, key pixels are left out. A
// negative width or height of `to` is refused (nothing drawn).
void StretchBlit(Surface& dst, const Rect& to, const Surface& src, const Rect& from,
                 std::optional<Pixel> key = std::nullopt, const Rect& clip = kNoClip);

// `src` enlarged by a whole factor into `dst` at (dx, dy), each pixel a
// factor x factor block: the sharp scaling of a presented frame.
void ScaleInteger(Surface& dst, int dx, int dy, const Surface& src, int factor);

// A two-colour mask as GDI made one by copying a colour bitmap into a
// monochrome one with the background colour set to `key`: white where the
// source is `key`, black elsewhere.
Surface MakeMask(const Surface& src, Pixel key);

}  // namespace platform::gfx
