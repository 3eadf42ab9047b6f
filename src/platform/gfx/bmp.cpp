#include "platform/gfx/bmp.h"

#include <cstring>

#include "platform/bytes.h"

namespace platform::gfx {
namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;
constexpr size_t kHeaders = kFileHeader + kInfoHeader;
// The largest side we accept; our pictures are at most a page.
constexpr int kMaxSide = 8192;

struct Header {
    uint32_t fileSize, pixelOffset;
    int32_t width, height;
    uint16_t planes, bitCount;
    uint32_t compression, coloursUsed;
};

bool Fail(BmpError* out, BmpError e) {
    if (out) *out = e;
    return false;
}

std::nullopt_t Refuse(BmpError* out, BmpError e) {
    Fail(out, e);
    return std::nullopt;
}

bool ReadHeader(std::span<const uint8_t> f, Header& h, BmpError* err) {
    if (f.size() < kHeaders) return Fail(err, BmpError::TooShort);
    const uint8_t* p = f.data();
    if (p[0] != 'B' || p[1] != 'M' || LoadU32(p + 14) != kInfoHeader) return Fail(err, BmpError::BadHeader);
    h.fileSize = LoadU32(p + 2);
    h.pixelOffset = LoadU32(p + 10);
    h.width = static_cast<int32_t>(LoadU32(p + 18));
    h.height = static_cast<int32_t>(LoadU32(p + 22));
    h.planes = LoadU16(p + 26);
    h.bitCount = LoadU16(p + 28);
    h.compression = LoadU32(p + 30);
    h.coloursUsed = LoadU32(p + 46);
    if (h.planes != 1) return Fail(err, BmpError::BadHeader);
    if (h.fileSize > f.size()) return Fail(err, BmpError::SizeMismatch);
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide)
        return Fail(err, BmpError::BadDimensions);
    if (h.compression != 0) return Fail(err, BmpError::Compressed);
    return true;
}

}  // namespace

std::optional<int> BmpBitCount(std::span<const uint8_t> f) {
    if (f.size() < kHeaders) return std::nullopt;
    return LoadU16(f.data() + 28);
}

std::optional<Bitmap8> DecodeBmp8(std::span<const uint8_t> f, PixelStart start, BmpError* err) {
    if (err) *err = BmpError::None;
    Header h;
    if (!ReadHeader(f, h, err)) return std::nullopt;
    if (h.bitCount != 8) return Refuse(err, BmpError::NotEightBit);
    if (h.coloursUsed > 256) return Refuse(err, BmpError::TooManyColours);
    const size_t n = h.coloursUsed ? h.coloursUsed : 256;
    if (kHeaders + 4 * n > f.size()) return Refuse(err, BmpError::RowsOutside);
    const size_t offset = start == PixelStart::FromHeader ? h.pixelOffset : kHeaders + 4 * n;
    const size_t stride = static_cast<size_t>(BmpStride(h.width));
    // The last row needs only its width, not its padding.
    const size_t need = stride * (static_cast<size_t>(h.height) - 1) + static_cast<size_t>(h.width);
    if (offset > f.size() || need > f.size() - offset) return Refuse(err, BmpError::RowsOutside);

    Bitmap8 b;
    b.width = h.width;
    b.height = h.height;
    b.coloursUsed = static_cast<int>(n);
    std::memcpy(b.palette.data(), f.data() + kHeaders, 4 * n);
    b.pixels.resize(static_cast<size_t>(h.width) * h.height);
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = f.data() + offset + stride * static_cast<size_t>(h.height - 1 - y);
        std::memcpy(b.pixels.data() + static_cast<size_t>(y) * h.width, row, static_cast<size_t>(h.width));
    }
    return b;
}

std::optional<Bitmap24> DecodeBmp24(std::span<const uint8_t> f, BmpError* err) {
    if (err) *err = BmpError::None;
    Header h;
    if (!ReadHeader(f, h, err)) return std::nullopt;
    if (h.bitCount != 24) return Refuse(err, BmpError::NotTwentyFourBit);
    const size_t stride = static_cast<size_t>(BmpStride(h.width * 3));
    const size_t rowBytes = static_cast<size_t>(h.width) * 3;
    const size_t need = stride * (static_cast<size_t>(h.height) - 1) + rowBytes;
    if (need > f.size() - kHeaders) return Refuse(err, BmpError::RowsOutside);
    Bitmap24 b;
    b.width = h.width;
    b.height = h.height;
    b.pixels.resize(rowBytes * h.height);
    for (int y = 0; y < h.height; ++y)
        std::memcpy(b.pixels.data() + rowBytes * y, f.data() + kHeaders + stride * (h.height - 1 - y), rowBytes);
    return b;
}

Surface ToSurface(const Bitmap8& b) { return ToSurface(b, b.palette); }

Surface ToSurface(const Bitmap8& b, const std::array<uint8_t, 1024>& palette) {
    Surface s(b.width, b.height);
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* src = b.pixels.data() + static_cast<size_t>(y) * b.width;
        Pixel* d = s.Row(y);
        for (int x = 0; x < b.width; ++x) {
            const uint8_t* e = palette.data() + src[x] * 4;
            d[x] = MakePixel(e[2], e[1], e[0]);
        }
    }
    return s;
}

std::vector<uint8_t> EncodeBmp8(const Bitmap8& b) {
    const uint32_t stride = static_cast<uint32_t>(BmpStride(b.width));
    const uint32_t offset = static_cast<uint32_t>(kHeaders) + 1024;
    const uint32_t size = offset + stride * static_cast<uint32_t>(b.height);
    ByteWriter w;
    w.U8('B');
    w.U8('M');
    w.U32(size);
    w.U32(0);
    w.U32(offset);
    w.U32(kInfoHeader);
    w.I32(b.width);
    w.I32(b.height);
    w.U16(1);
    w.U16(8);
    w.U32(0);                 // no compression
    w.U32(stride * b.height);  // image size
    w.I32(3780);              // 96 dpi in pixels per metre
    w.I32(3780);
    w.U32(0);  // all 256 colours
    w.U32(0);
    w.Raw(b.palette.data(), b.palette.size());
    std::vector<uint8_t> out = w.Take();
    out.reserve(size);
    for (int y = b.height - 1; y >= 0; --y) {
        const uint8_t* row = b.pixels.data() + static_cast<size_t>(y) * b.width;
        out.insert(out.end(), row, row + b.width);
        out.insert(out.end(), stride - static_cast<uint32_t>(b.width), 0);
    }
    return out;
}

}  // namespace platform::gfx
