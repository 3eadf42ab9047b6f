#pragma once
// The desktop pixel formats the game was written against: 16 bits with any
// channel masks, 24 and 32 bits. Our surfaces are always 32 bits and the
// layer reports mode 3; the other modes live on as conversion functions over
// raw pixel rows, tested in every mode.
#include <cstdint>

#include "platform/gfx/surface.h"

namespace platform::gfx {

struct DesktopFormat {
    int mode = 3;  // 1: 16 bits, 2: 24 bits, 3: 32 bits, 0: anything else
    int redShift = 0, greenShift = 0, blueShift = 0;
    int redLoss = 0, greenLoss = 0, blueLoss = 0;
};

// From a display's depth and channel masks: at 16 bits each channel's shift
// is the count of zero bits below its mask and its loss 8 minus the count of
// its bits; other depths carry no shifts.
DesktopFormat DesktopFormatFromMasks(int bitsPerPixel, uint32_t redMask, uint32_t greenMask,
                                     uint32_t blueMask);
// What our layer reports: 32 bits, blue, green, red at increasing addresses.
DesktopFormat ReportedDesktopFormat();

int BytesPerPixel(const DesktopFormat& f);  // 0 in mode 0

// An 8-bit colour triple as a desktop value: the 16-bit word in mode 1,
// (red << 16) | (green << 8) | blue in modes 2 and 3, 0 in mode 0.
uint32_t ConvertColour(const DesktopFormat& f, int red, int green, int blue);
// The transparent colour RGB(255, 0, 143) as a source key.
inline uint32_t KeyValue(const DesktopFormat& f) { return ConvertColour(f, 255, 0, 143); }

// Writes one pixel (2, 3 or 4 bytes; the fourth byte of mode 3 is left as it
// was); mode 0 writes nothing.
void WriteDesktopPixel(const DesktopFormat& f, uint8_t* at, int red, int green, int blue);
// A pixel's channels back as 8-bit values (mode 1: ((pixel >> shift) << loss) & 255).
void ReadDesktopPixel(const DesktopFormat& f, const uint8_t* at, int& red, int& green, int& blue);
// Whether a pixel is the transparent colour as the fade tests it: the exact
// key in mode 1; red >= 252, green 0 and blue 136..143 in modes 2 and 3.
bool IsFadeTransparent(const DesktopFormat& f, const uint8_t* at);

// Raw rows in a desktop format: a locked surface of any mode.
struct DesktopBits {
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};
inline DesktopBits FromLocked(const LockedBits& b) { return {b.bits, b.width, b.height, b.pitch}; }

// Writes a top-down 8-bit picture through a palette of 256 entries (blue,
// green, red, reserved), or a top-down 24-bit one (blue, green, red), into
// the rows; only the part that fits is written.
// With `skipIndex` 0..255, pixels of that index leave the destination as
// it was (an animation frame mixed over its backdrop).
void WriteBitmap8(const DesktopFormat& f, DesktopBits dst, const uint8_t* pixels,
                  const uint8_t* palette, int width, int height, int skipIndex = -1);
void WriteBitmap24(const DesktopFormat& f, DesktopBits dst, const uint8_t* pixels, int width,
                   int height);

// Blends all of `src` into `dst` at (x, y): each non-transparent pixel's
// channels become (s * alpha + d * (255 - alpha)) / 255. Clipped to both.
void FadeBits(const DesktopFormat& f, int x, int y, int alpha, DesktopBits src, DesktopBits dst);

}  // namespace platform::gfx
