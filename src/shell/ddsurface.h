#pragma once
// The page-independent surface services: building a surface from decoded
// pixels, plain surfaces, colour keys, the alpha fade and the error report.
// Our surfaces stand where DirectDraw's were; the desktop format is the
// layer's (always 32 bits), kept in one global the view fills at start.
#include <cstdint>
#include <memory>

#include "platform/gfx/pixelformat.h"
#include "platform/gfx/surface.h"

using platform::gfx::DesktopFormat;
using platform::gfx::Surface;

// The desktop pixel format every conversion uses.
extern DesktopFormat g_desktopFormat;

// Sets g_desktopFormat from the display's depth and masks, with the start-up
// trace line at 16 bits. Our layer's display is always 32 bits.
void ReadDesktopFormat(int bitsPerPixel = 32, uint32_t redMask = 0xFF0000, uint32_t greenMask = 0xFF00,
                       uint32_t blueMask = 0xFF);

// Result codes of our surface layer, in the report's names.
enum DDResult : int {
    DD_OK = 0,
    DDERR_INVALIDPARAMS = 1,   // a null or empty surface, a bad size
    DDERR_OUTOFMEMORY = 2,     // a surface too large to hold
    DDERR_SURFACELOST = 3,     // a lock refused
    DDERR_INVALIDRECT = 4,     // a rectangle outside a surface
};

// Writes a top-down 8-bit picture, through a palette of 256 entries (blue,
// green, red, reserved), into the surface; only what fits is written.
void BuildBitmapSurface(const uint8_t* pixels, Surface* surface, const uint8_t* palette, int width,
                        int height);
// The same for top-down 24-bit pixels (blue, green, red).
void BuildBitmapSurface(const uint8_t* pixels, Surface* surface, int width, int height);

// Replaces `surface` with a new plain surface of the size. DD_OK, or the
// reason no surface could be made (the old one is released either way).
int CreatePlainSurface(std::unique_ptr<Surface>& surface, int width, int height);

// Sets the surface's source colour key to the converted colour.
int SetSurfaceColourKeyRGB(Surface* surface, int red, int green, int blue);

// Blends the whole source into the destination at (x, y), leaving its
// transparent pixels out; clipped to both surfaces.
void BlitFade(int x, int y, int alpha, Surface* source, Surface* destination);

// The debug report of a failed surface call.
void ReportDirectDrawError(int result, const char* file, int line);
// The name the report prints for a result.
const char* DirectDrawErrorName(int result);
