#include "platform/gfx/blit.h"

#include <cstring>

namespace platform::gfx {
namespace {

// Clips a copy of `from` placed at (dx, dy): on return `from` and (dx, dy)
// describe only pixels inside both surfaces and the clip.
bool ClipCopy(const Surface& dst, int& dx, int& dy, const Surface& src, Rect& from,
              const Rect& clip) {
    Rect f = from.Intersect(src.Bounds());
    if (f.IsEmpty()) return false;
    dx += f.left - from.left;
    dy += f.top - from.top;
    Rect target = Rect::XYWH(dx, dy, f.Width(), f.Height()).Intersect(dst.Bounds()).Intersect(clip);
    if (target.IsEmpty()) return false;
    from = Rect::XYWH(f.left + (target.left - dx), f.top + (target.top - dy), target.Width(),
                      target.Height());
    dx = target.left;
    dy = target.top;
    return true;
}

template <typename Op>
void ForEachRow(Surface& dst, int dx, int dy, const Surface& src, const Rect& from, Op op) {
    for (int y = 0; y < from.Height(); ++y) {
        const Pixel* s = src.Row(from.top + y) + from.left;
        Pixel* d = dst.Row(dy + y) + dx;
        op(d, s, from.Width());
    }
}

}  // namespace

void Blit(Surface& dst, int dx, int dy, const Surface& src, const Rect& fromIn, RasterOp op,
          const Rect& clip) {
    Rect from = fromIn;
    if (op == RasterOp::DstInvert || op == RasterOp::Blackness || op == RasterOp::Whiteness) {
        // Source-less operations touch the destination rectangle only.
        Rect t = Rect::XYWH(dx, dy, from.Width(), from.Height()).Intersect(dst.Bounds()).Intersect(clip);
        for (int y = t.top; y < t.bottom; ++y) {
            Pixel* d = dst.Row(y);
            for (int x = t.left; x < t.right; ++x)
                d[x] = op == RasterOp::DstInvert ? (~d[x] & 0xFFFFFF)
                       : op == RasterOp::Blackness ? kBlack : kWhite;
        }
        return;
    }
    if (!ClipCopy(dst, dx, dy, src, from, clip)) return;
    if (&dst == &src && op == RasterOp::SrcCopy) {
        // Overlapping copies within one surface: go the safe way round.
        const bool down = dy > from.top;
        for (int i = 0; i < from.Height(); ++i) {
            int y = down ? from.Height() - 1 - i : i;
            std::memmove(dst.Row(dy + y) + dx, src.Row(from.top + y) + from.left,
                         static_cast<size_t>(from.Width()) * sizeof(Pixel));
        }
        return;
    }
    switch (op) {
        case RasterOp::SrcCopy:
            ForEachRow(dst, dx, dy, src, from, [](Pixel* d, const Pixel* s, int n) {
                std::memcpy(d, s, static_cast<size_t>(n) * sizeof(Pixel));
            });
            break;
        case RasterOp::SrcAnd:
            ForEachRow(dst, dx, dy, src, from, [](Pixel* d, const Pixel* s, int n) {
                for (int i = 0; i < n; ++i) d[i] &= s[i];
            });
            break;
        case RasterOp::SrcPaint:
            ForEachRow(dst, dx, dy, src, from, [](Pixel* d, const Pixel* s, int n) {
                for (int i = 0; i < n; ++i) d[i] |= s[i];
            });
            break;
        case RasterOp::SrcInvert:
            ForEachRow(dst, dx, dy, src, from, [](Pixel* d, const Pixel* s, int n) {
                for (int i = 0; i < n; ++i) d[i] ^= s[i];
            });
            break;
        case RasterOp::NotSrcCopy:
            ForEachRow(dst, dx, dy, src, from, [](Pixel* d, const Pixel* s, int n) {
                for (int i = 0; i < n; ++i) d[i] = ~s[i] & 0xFFFFFF;
            });
            break;
        default:
            break;
    }
}

void BlitKeyed(Surface& dst, int dx, int dy, const Surface& src, const Rect& fromIn, Pixel key,
               const Rect& clip) {
    Rect from = fromIn;
    if (!ClipCopy(dst, dx, dy, src, from, clip)) return;
    ForEachRow(dst, dx, dy, src, from, [key](Pixel* d, const Pixel* s, int n) {
        for (int i = 0; i < n; ++i)
            if (s[i] != key) d[i] = s[i];
    });
}

void StretchBlit(Surface& dst, const Rect& to, const Surface& src, const Rect& from,
                 std::optional<Pixel> key, const Rect& clip) {
    if (to.IsEmpty() || from.IsEmpty()) return;
    Rect t = to.Intersect(dst.Bounds()).Intersect(clip);
    if (t.IsEmpty()) return;
    const int64_t fw = from.Width(), fh = from.Height(), tw = to.Width(), th = to.Height();
    for (int y = t.top; y < t.bottom; ++y) {
        int sy = from.top + static_cast<int>(((y - to.top) * fh) / th);
        if (sy < 0 || sy >= src.Height()) continue;
        const Pixel* s = src.Row(sy);
        Pixel* d = dst.Row(y);
        for (int x = t.left; x < t.right; ++x) {
            int sx = from.left + static_cast<int>(((x - to.left) * fw) / tw);
            if (sx < 0 || sx >= src.Width()) continue;
            Pixel p = s[sx];
            if (key && p == *key) continue;
            d[x] = p;
        }
    }
}

void ScaleInteger(Surface& dst, int dx, int dy, const Surface& src, int factor) {
    if (factor < 1) return;
    if (factor == 1) {
        Blit(dst, dx, dy, src, src.Bounds());
        return;
    }
    const Rect target = Rect::XYWH(dx, dy, src.Width() * factor, src.Height() * factor).Intersect(dst.Bounds());
    for (int y = target.top; y < target.bottom; ++y) {
        const int sy = (y - dy) / factor;
        Pixel* d = dst.Row(y);
        if (y > target.top && (y - dy) % factor != 0) {
            // Every row of a block is the same: copy the one above.
            std::memcpy(d + target.left, dst.Row(y - 1) + target.left,
                        static_cast<size_t>(target.Width()) * sizeof(Pixel));
            continue;
        }
        const Pixel* s = src.Row(sy);
        int x = target.left;
        // Up to the first whole block, then whole blocks, then the rest.
        for (; x < target.right && (x - dx) % factor != 0; ++x) d[x] = s[(x - dx) / factor];
        if (factor == 2) {
            for (; x + 1 < target.right; x += 2) d[x] = d[x + 1] = s[(x - dx) >> 1];
        } else {
            for (; x + factor <= target.right; x += factor) {
                const Pixel p = s[(x - dx) / factor];
                for (int k = 0; k < factor; ++k) d[x + k] = p;
            }
        }
        for (; x < target.right; ++x) d[x] = s[(x - dx) / factor];
    }
}

Surface MakeMask(const Surface& src, Pixel key) {
    Surface mask(src.Width(), src.Height());
    for (int y = 0; y < src.Height(); ++y) {
        const Pixel* s = src.Row(y);
        Pixel* m = mask.Row(y);
        for (int x = 0; x < src.Width(); ++x) m[x] = s[x] == key ? kWhite : kBlack;
    }
    return mask;
}

}  // namespace platform::gfx
