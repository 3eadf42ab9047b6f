// Any bytes as an archived bitmap: refused or decoded, never read past.
#include <cstddef>
#include <cstdint>

#include "platform/gfx/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> f(data, size);
    using platform::gfx::PixelStart;
    for (PixelStart start : {PixelStart::AfterPalette, PixelStart::FromHeader}) {
        auto b = platform::gfx::DecodeBmp8(f, start);
        if (b && b->width * b->height <= 1 << 20) platform::gfx::ToSurface(*b);
    }
    platform::gfx::DecodeBmp24(f);
    return 0;
}
