#pragma once
// Windows BMP files as the game's archives hold them: 8-bit pictures with a
// palette (and 24-bit ones for one surface builder). The reader trusts
// nothing in the header: every size and offset is checked against the bytes
// it was given before a pixel is read.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/gfx/surface.h"

namespace platform::gfx {

enum class BmpError {
    None,
    TooShort,        // smaller than the two headers
    BadHeader,       // not "BM", not a 40-byte information header, planes not 1
    SizeMismatch,    // the file header claims more than the bytes hold
    BadDimensions,   // width or height zero or below (top-down rows included), or too large
    Compressed,      // anything but plain rows
    TooManyColours,  // more than 256 colours used
    NotEightBit,     // an 8-bit reader given another depth
    NotTwentyFourBit,  // the 24-bit reader given another depth
    RowsOutside,     // palette or rows would lie past the end
};

// Where the pixel rows start: the file header's offset (as the widget
// bitmap reads it), or right behind the palette, 54 + 4n (as the page
// loader reads it).
enum class PixelStart { FromHeader, AfterPalette };

struct Bitmap8 {
    int width = 0;
    int height = 0;
    int coloursUsed = 0;                 // palette entries the file holds (1..256)
    std::array<uint8_t, 1024> palette{};  // blue, green, red, reserved; unused entries 0
    std::vector<uint8_t> pixels;         // top row first, width bytes a row
};

std::optional<Bitmap8> DecodeBmp8(std::span<const uint8_t> file, PixelStart start = PixelStart::AfterPalette,
                                  BmpError* error = nullptr);

// 24-bit rows at offset 54 (blue, green, red), top row first. Other
// depths are refused: read as 24-bit, a 1-, 4- or 16-bit file's rows would
// lie past its end.
struct Bitmap24 {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * 3 bytes a row
};
std::optional<Bitmap24> DecodeBmp24(std::span<const uint8_t> file, BmpError* error = nullptr);

// The bit count of a BMP's information header, or nothing when too short.
std::optional<int> BmpBitCount(std::span<const uint8_t> file);

// An 8-bit picture as a 32-bit surface, through its own palette or another
// of 256 entries (blue, green, red, reserved), such as a recoloured kit's.
Surface ToSurface(const Bitmap8& b);
Surface ToSurface(const Bitmap8& b, const std::array<uint8_t, 1024>& palette);

// Writes a complete 8-bit BMP file with all 256 palette entries: bottom-up
// rows padded to 4 bytes, biClrUsed 0, bfOffBits 1078.
std::vector<uint8_t> EncodeBmp8(const Bitmap8& b);

// A BMP row's length in the file: `bytesPerRow` padded to a multiple of 4.
constexpr int BmpStride(int bytesPerRow) { return (bytesPerRow + 3) & ~3; }

}  // namespace platform::gfx
