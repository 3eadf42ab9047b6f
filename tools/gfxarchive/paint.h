#pragma once
// Helpers for painting the game's pictures: drawing happens on 32-bit
// surfaces, usually at twice or four times the final size, then shrinks to
// the final size and becomes an 8-bit picture with a 256-colour palette.
#include <cstdint>
#include <string>

#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"

namespace art {

using platform::gfx::Bitmap8;
using platform::gfx::Pixel;
using platform::gfx::Surface;

// Averages factor x factor blocks. With `keyed`, a block that is mostly the
// key colour stays exactly the key and other blocks average only their
// non-key samples, so no edge pixel comes near the key.
Surface Shrink(const Surface& big, int factor, bool keyed);

// Median-cut palette and Floyd-Steinberg dithering into 8 bits. A keyed
// picture keeps the key as palette entry 0 and its key pixels exactly;
// every other entry is kept clear of the key's 5-6-5 value.
Bitmap8 Quantise(const Surface& s, bool keyed, bool dither);

// Whether a colour would collapse onto the key on a 5-6-5 desktop.
bool NearKey(int r, int g, int b);

// A deterministic hash noise in [0, 1).
double Noise(uint32_t x, uint32_t y, uint32_t seed);

// Mixes `c` over the pixel with weight a (0..1).
void Blend(Pixel& d, double r, double g, double b, double a);
void Add(Pixel& d, double r, double g, double b);

}  // namespace art
