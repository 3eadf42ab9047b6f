#include <gtest/gtest.h>

#include "platform/bytes.h"
#include "platform/gfx/bmp.h"

namespace platform::gfx {
namespace {

Bitmap8 Sample(int w, int h) {
    Bitmap8 b;
    b.width = w;
    b.height = h;
    b.coloursUsed = 256;
    for (int i = 0; i < 256; ++i) {
        b.palette[i * 4] = static_cast<uint8_t>(i);
        b.palette[i * 4 + 1] = static_cast<uint8_t>(255 - i);
        b.palette[i * 4 + 2] = static_cast<uint8_t>(i / 2);
    }
    for (int i = 0; i < w * h; ++i) b.pixels.push_back(static_cast<uint8_t>(i * 7));
    return b;
}

TEST(BmpTest, EncodeDecodeRoundTripWithPaddedRows) {
    Bitmap8 b = Sample(10, 3);
    auto file = EncodeBmp8(b);
    EXPECT_EQ(file.size(), 1078u + 12u * 3u) << "a 10-pixel row takes 12 bytes";
    EXPECT_EQ(LoadU32(file.data() + 2), file.size());
    EXPECT_EQ(LoadU32(file.data() + 10), 1078u);
    for (PixelStart start : {PixelStart::AfterPalette, PixelStart::FromHeader}) {
        BmpError err;
        auto back = DecodeBmp8(file, start, &err);
        ASSERT_TRUE(back);
        EXPECT_EQ(err, BmpError::None);
        EXPECT_EQ(back->width, 10);
        EXPECT_EQ(back->pixels, b.pixels) << "top row first, 10 bytes a row";
        EXPECT_EQ(back->palette, b.palette);
    }
    Surface s = ToSurface(b);
    EXPECT_EQ(s.Get(1, 0), MakePixel(3, 248, 7));
}

TEST(BmpTest, SixteenColoursStartAt118) {
    Bitmap8 b = Sample(4, 2);
    auto file = EncodeBmp8(b);
    // Rewrite as a 16-colour file: 16 palette entries, rows right behind.
    std::vector<uint8_t> small(file.begin(), file.begin() + 54 + 64);
    StoreU32(small.data() + 46, 16);
    small.insert(small.end(), file.begin() + 1078, file.end());
    StoreU32(small.data() + 2, static_cast<uint32_t>(small.size()));
    StoreU32(small.data() + 10, 118);
    auto back = DecodeBmp8(small);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->coloursUsed, 16);
    EXPECT_EQ(back->pixels, b.pixels);
    EXPECT_EQ(back->palette[16 * 4], 0) << "entries past those used are empty";
}

TEST(BmpTest, DamagedHeadersAreRefused) {
    const auto good = EncodeBmp8(Sample(5, 5));
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int width;  // 4 or 2 bytes
        BmpError expected;
    } cases[] = {
        {"file size beyond the bytes", 2, 99999, 4, BmpError::SizeMismatch},
        {"info header size", 14, 12, 4, BmpError::BadHeader},
        {"zero width", 18, 0, 4, BmpError::BadDimensions},
        {"negative height", 22, static_cast<uint32_t>(-5), 4, BmpError::BadDimensions},
        {"huge width", 18, 100000, 4, BmpError::BadDimensions},
        {"compression", 30, 1, 4, BmpError::Compressed},
        {"257 colours", 46, 257, 4, BmpError::TooManyColours},
        {"4-bit", 28, 4, 2, BmpError::NotEightBit},
        {"pixel offset past the end", 10, 5000, 4, BmpError::RowsOutside},
        {"taller than the rows", 22, 50, 4, BmpError::RowsOutside},
    };
    for (const Case& c : cases) {
        auto f = good;
        if (c.width == 4)
            StoreU32(f.data() + c.at, c.value);
        else
            StoreU16(f.data() + c.at, static_cast<uint16_t>(c.value));
        BmpError err = BmpError::None;
        PixelStart start = c.at == 10 ? PixelStart::FromHeader : PixelStart::AfterPalette;
        EXPECT_FALSE(DecodeBmp8(f, start, &err)) << c.what;
        EXPECT_EQ(err, c.expected) << c.what;
    }
    BmpError err;
    EXPECT_FALSE(DecodeBmp8(std::span<const uint8_t>(good.data(), 40), PixelStart::AfterPalette, &err));
    EXPECT_EQ(err, BmpError::TooShort);
    auto cut = good;
    cut.resize(good.size() - 10);
    StoreU32(cut.data() + 2, static_cast<uint32_t>(cut.size()));
    EXPECT_FALSE(DecodeBmp8(cut, PixelStart::AfterPalette, &err));
    EXPECT_EQ(err, BmpError::RowsOutside);
}

TEST(BmpTest, TwentyFourBitRows) {
    // A 2x2 24-bit file by hand: stride 8.
    ByteWriter w;
    w.U8('B'); w.U8('M'); w.U32(54 + 16); w.U32(0); w.U32(54);
    w.U32(40); w.I32(2); w.I32(2); w.U16(1); w.U16(24); w.U32(0); w.U32(16);
    w.I32(0); w.I32(0); w.U32(0); w.U32(0);
    const uint8_t bottom[8] = {1, 2, 3, 4, 5, 6, 0, 0}, top[8] = {7, 8, 9, 10, 11, 12, 0, 0};
    w.Raw(bottom, 8);
    w.Raw(top, 8);
    auto b = DecodeBmp24(w.Bytes());
    ASSERT_TRUE(b);
    EXPECT_EQ(b->pixels, (std::vector<uint8_t>{7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(BmpBitCount(w.Bytes()), 24);
    auto cut = w.Bytes();
    cut.resize(60);
    StoreU32(cut.data() + 2, 60);
    EXPECT_FALSE(DecodeBmp24(cut));
}

}  // namespace
}  // namespace platform::gfx

namespace platform::gfx {
namespace {

TEST(BmpTest, AnotherPaletteRecolours) {
    Bitmap8 b;
    b.width = 2;
    b.height = 1;
    b.pixels = {1, 2};
    std::array<uint8_t, 1024> kit{};
    kit[4 * 1 + 2] = 255;  // entry 1 red
    kit[4 * 2 + 0] = 255;  // entry 2 blue
    Surface s = ToSurface(b, kit);
    EXPECT_EQ(s.Get(0, 0), 0xFF0000u);
    EXPECT_EQ(s.Get(1, 0), 0x0000FFu);
    EXPECT_EQ(ToSurface(b).Get(0, 0), 0u);
}

}  // namespace
}  // namespace platform::gfx
