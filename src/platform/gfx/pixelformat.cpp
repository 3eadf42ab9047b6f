#include "platform/gfx/pixelformat.h"

#include <algorithm>
#include <bit>

namespace platform::gfx {

DesktopFormat DesktopFormatFromMasks(int bpp, uint32_t r, uint32_t g, uint32_t b) {
    DesktopFormat f;
    switch (bpp) {
        case 16: {
            f.mode = 1;
            auto shift = [](uint32_t m) { return m ? std::countr_zero(m) : 0; };
            auto loss = [](uint32_t m) { return 8 - std::popcount(m); };
            f.redShift = shift(r);
            f.greenShift = shift(g);
            f.blueShift = shift(b);
            f.redLoss = loss(r);
            f.greenLoss = loss(g);
            f.blueLoss = loss(b);
            break;
        }
        case 24: f.mode = 2; break;
        case 32: f.mode = 3; break;
        default: f.mode = 0; break;
    }
    return f;
}

DesktopFormat ReportedDesktopFormat() { return DesktopFormatFromMasks(32, 0xFF0000, 0xFF00, 0xFF); }

int BytesPerPixel(const DesktopFormat& f) {
    switch (f.mode) {
        case 1: return 2;
        case 2: return 3;
        case 3: return 4;
        default: return 0;
    }
}

uint32_t ConvertColour(const DesktopFormat& f, int r, int g, int b) {
    r &= 255; g &= 255; b &= 255;
    if (f.mode == 1)
        return static_cast<uint16_t>(((r >> f.redLoss) << f.redShift) | ((g >> f.greenLoss) << f.greenShift) |
                                     ((b >> f.blueLoss) << f.blueShift));
    if (f.mode == 2 || f.mode == 3) return static_cast<uint32_t>((r << 16) | (g << 8) | b);
    return 0;
}

void WriteDesktopPixel(const DesktopFormat& f, uint8_t* at, int r, int g, int b) {
    if (f.mode == 1) {
        uint16_t v = static_cast<uint16_t>(ConvertColour(f, r, g, b));
        at[0] = static_cast<uint8_t>(v);
        at[1] = static_cast<uint8_t>(v >> 8);
    } else if (f.mode == 2 || f.mode == 3) {
        at[0] = static_cast<uint8_t>(b);
        at[1] = static_cast<uint8_t>(g);
        at[2] = static_cast<uint8_t>(r);
    }
}

void ReadDesktopPixel(const DesktopFormat& f, const uint8_t* at, int& r, int& g, int& b) {
    if (f.mode == 1) {
        unsigned v = at[0] | (at[1] << 8);
        r = static_cast<int>(((v >> f.redShift) << f.redLoss) & 255);
        g = static_cast<int>(((v >> f.greenShift) << f.greenLoss) & 255);
        b = static_cast<int>(((v >> f.blueShift) << f.blueLoss) & 255);
    } else if (f.mode == 2 || f.mode == 3) {
        b = at[0];
        g = at[1];
        r = at[2];
    } else {
        r = g = b = 0;
    }
}

bool IsFadeTransparent(const DesktopFormat& f, const uint8_t* at) {
    if (f.mode == 1) return static_cast<uint32_t>(at[0] | (at[1] << 8)) == KeyValue(f);
    if (f.mode == 2 || f.mode == 3) return at[2] >= 252 && at[1] == 0 && at[0] >= 136 && at[0] <= 143;
    return false;
}

void WriteBitmap8(const DesktopFormat& f, DesktopBits dst, const uint8_t* pixels, const uint8_t* palette,
                  int width, int height, int skipIndex) {
    const int bpp = BytesPerPixel(f);
    if (bpp == 0 || !dst.bits || !pixels || !palette) return;
    const int w = std::min(width, dst.width), h = std::min(height, dst.height);
    for (int y = 0; y < h; ++y) {
        const uint8_t* s = pixels + static_cast<size_t>(y) * width;
        uint8_t* d = dst.bits + static_cast<ptrdiff_t>(y) * dst.pitch;
        for (int x = 0; x < w; ++x) {
            if (s[x] == skipIndex) continue;
            const uint8_t* e = palette + s[x] * 4;
            WriteDesktopPixel(f, d + x * bpp, e[2], e[1], e[0]);
        }
    }
}

void WriteBitmap24(const DesktopFormat& f, DesktopBits dst, const uint8_t* pixels, int width, int height) {
    const int bpp = BytesPerPixel(f);
    if (bpp == 0 || !dst.bits || !pixels) return;
    const int w = std::min(width, dst.width), h = std::min(height, dst.height);
    for (int y = 0; y < h; ++y) {
        const uint8_t* s = pixels + static_cast<size_t>(y) * width * 3;
        uint8_t* d = dst.bits + static_cast<ptrdiff_t>(y) * dst.pitch;
        for (int x = 0; x < w; ++x) WriteDesktopPixel(f, d + x * bpp, s[x * 3 + 2], s[x * 3 + 1], s[x * 3]);
    }
}

void FadeBits(const DesktopFormat& f, int x, int y, int alpha, DesktopBits src, DesktopBits dst) {
    const int bpp = BytesPerPixel(f);
    if (bpp == 0 || !src.bits || !dst.bits) return;
    alpha = std::clamp(alpha, 0, 255);
    // Only source pixels that land inside the destination are visited.
    const int x0 = std::max(0, -x), y0 = std::max(0, -y);
    const int x1 = std::min(src.width, dst.width - x), y1 = std::min(src.height, dst.height - y);
    for (int sy = y0; sy < y1; ++sy) {
        const uint8_t* s = src.bits + static_cast<ptrdiff_t>(sy) * src.pitch;
        uint8_t* d = dst.bits + static_cast<ptrdiff_t>(sy + y) * dst.pitch;
        for (int sx = x0; sx < x1; ++sx) {
            const uint8_t* sp = s + sx * bpp;
            if (IsFadeTransparent(f, sp)) continue;
            uint8_t* dp = d + (sx + x) * bpp;
            int sr, sg, sb, dr, dg, db;
            ReadDesktopPixel(f, sp, sr, sg, sb);
            ReadDesktopPixel(f, dp, dr, dg, db);
            WriteDesktopPixel(f, dp, (sr * alpha + dr * (255 - alpha)) / 255,
                              (sg * alpha + dg * (255 - alpha)) / 255, (sb * alpha + db * (255 - alpha)) / 255);
        }
    }
}

}  // namespace platform::gfx
