#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/pixelformat.h"

namespace platform::gfx {
namespace {

const DesktopFormat k565 = DesktopFormatFromMasks(16, 0xF800, 0x07E0, 0x001F);
const DesktopFormat k555 = DesktopFormatFromMasks(16, 0x7C00, 0x03E0, 0x001F);
const DesktopFormat k24 = DesktopFormatFromMasks(24, 0xFF0000, 0xFF00, 0xFF);
const DesktopFormat k32 = ReportedDesktopFormat();

TEST(DesktopFormatTest, ShiftsAndLossesFromMasks) {
    EXPECT_EQ(k565.mode, 1);
    EXPECT_EQ(k565.redShift, 11);
    EXPECT_EQ(k565.greenShift, 5);
    EXPECT_EQ(k565.blueShift, 0);
    EXPECT_EQ(k565.redLoss, 3);
    EXPECT_EQ(k565.greenLoss, 2);
    EXPECT_EQ(k565.blueLoss, 3);
    EXPECT_EQ(k555.redShift, 10);
    EXPECT_EQ(k555.greenLoss, 3);
    const DesktopFormat eight = DesktopFormatFromMasks(8, 0, 0, 0);
    EXPECT_EQ(eight.mode, 0);
    EXPECT_EQ(eight.redShift + eight.greenShift + eight.blueShift + eight.redLoss, 0);
    EXPECT_EQ(k24.mode, 2);
    EXPECT_EQ(k32.mode, 3);
    EXPECT_EQ(BytesPerPixel(k565), 2);
    EXPECT_EQ(BytesPerPixel(k24), 3);
    EXPECT_EQ(BytesPerPixel(k32), 4);
    EXPECT_EQ(BytesPerPixel(eight), 0);
}

TEST(DesktopFormatTest, ConversionsOfTheKeyAndTheFillColour) {
    EXPECT_EQ(KeyValue(k565), 0xF811u);
    EXPECT_EQ(ConvertColour(k565, 255, 0, 143), 0xF811u);
    EXPECT_EQ(ConvertColour(k24, 10, 20, 30), 0x0A141Eu);
    EXPECT_EQ(ConvertColour(k32, 10, 20, 30), 0x0A141Eu);
    EXPECT_EQ(KeyValue(k32), 0xFF008Fu);
    EXPECT_EQ(ConvertColour(DesktopFormatFromMasks(8, 0, 0, 0), 1, 2, 3), 0u);
}

TEST(DesktopFormatTest, PixelsRoundTripInEveryMode) {
    for (const DesktopFormat& f : {k565, k555, k24, k32}) {
        uint8_t px[4] = {0, 0, 0, 0x77};
        WriteDesktopPixel(f, px, 200, 100, 50);
        int r, g, b;
        ReadDesktopPixel(f, px, r, g, b);
        const int tol = f.mode == 1 ? 8 : 0;
        EXPECT_NEAR(r, 200, tol);
        EXPECT_NEAR(g, 100, tol);
        EXPECT_NEAR(b, 50, tol);
        if (f.mode == 3) {
            EXPECT_EQ(px[3], 0x77) << "the fourth byte is left alone";
        }
    }
}

TEST(DesktopFormatTest, WriteBitmap8GoesThroughThePaletteAndStaysInside) {
    uint8_t palette[1024] = {};
    palette[4 * 1 + 0] = 143;  // entry 1: the key, BGR0
    palette[4 * 1 + 2] = 255;
    palette[4 * 2 + 1] = 255;  // entry 2: green
    const uint8_t pixels[6] = {1, 2, 0, 2, 1, 1};  // 3 x 2
    std::vector<uint8_t> rows(2 * 2 * 2, 0xEE);       // a 2 x 2 surface of 5-6-5
    WriteBitmap8(k565, {rows.data(), 2, 2, 4}, pixels, palette, 3, 2);
    auto word = [&](int x, int y) { return rows[y * 4 + x * 2] | (rows[y * 4 + x * 2 + 1] << 8); };
    EXPECT_EQ(word(0, 0), 0xF811);
    EXPECT_EQ(word(1, 0), 0x07E0);
    EXPECT_EQ(word(0, 1), 0x07E0);
    EXPECT_EQ(word(1, 1), 0xF811);
}

TEST(DesktopFormatTest, FadeHalvesOverBlackAndSkipsTheKeyInEveryMode) {
    for (const DesktopFormat& f : {k565, k24, k32}) {
        const int bpp = BytesPerPixel(f);
        std::vector<uint8_t> src(2 * bpp), dst(2 * bpp, 0);
        WriteDesktopPixel(f, src.data(), 200, 100, 64);
        WriteDesktopPixel(f, src.data() + bpp, 255, 0, 143);
        WriteDesktopPixel(f, dst.data() + bpp, 9 << 3, 9 << 2, 9 << 3);
        std::vector<uint8_t> before = dst;
        FadeBits(f, 0, 0, 128, {src.data(), 2, 1, 2 * bpp}, {dst.data(), 2, 1, 2 * bpp});
        int r, g, b, sr, sg, sb;
        ReadDesktopPixel(f, dst.data(), r, g, b);
        ReadDesktopPixel(f, src.data(), sr, sg, sb);
        const int tol = f.mode == 1 ? 8 : 0;
        EXPECT_NEAR(r, sr * 128 / 255, tol) << f.mode;
        EXPECT_NEAR(g, sg * 128 / 255, tol) << f.mode;
        EXPECT_NEAR(b, sb * 128 / 255, tol) << f.mode;
        EXPECT_TRUE(std::equal(dst.begin() + bpp, dst.end(), before.begin() + bpp)) << f.mode;
    }
}

TEST(DesktopFormatTest, FadeKeyRangeInTrueColour) {
    struct Case {
        int r, g, b;
        bool transparent;
    } cases[] = {{255, 0, 143, true}, {252, 0, 136, true}, {251, 0, 140, false},
                 {255, 1, 140, false}, {255, 0, 135, false}, {255, 0, 144, false}};
    for (const Case& c : cases) {
        uint8_t px[4] = {};
        WriteDesktopPixel(k32, px, c.r, c.g, c.b);
        EXPECT_EQ(IsFadeTransparent(k32, px), c.transparent) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(DesktopFormatTest, FadeAlphaZeroKeepsAndFullCopies) {
    uint8_t src[4], dst[4];
    for (int alpha : {0, 255}) {
        WriteDesktopPixel(k32, src, 10, 20, 30);
        WriteDesktopPixel(k32, dst, 100, 110, 120);
        FadeBits(k32, 0, 0, alpha, {src, 1, 1, 4}, {dst, 1, 1, 4});
        int r, g, b;
        ReadDesktopPixel(k32, dst, r, g, b);
        EXPECT_EQ(r, alpha ? 10 : 100);
        EXPECT_EQ(g, alpha ? 20 : 110);
        EXPECT_EQ(b, alpha ? 30 : 120);
    }
}

}  // namespace
}  // namespace platform::gfx

namespace platform::gfx {
namespace {

TEST(DesktopFormatTest, MixingSkipsOneIndex) {
    uint8_t palette[1024] = {};
    palette[4 * 3 + 2] = 200;
    const uint8_t pixels[3] = {3, 9, 3};
    uint8_t rows[12];
    for (int i = 0; i < 12; ++i) rows[i] = 0x11;
    WriteBitmap8(ReportedDesktopFormat(), {rows, 3, 1, 12}, pixels, palette, 3, 1, 9);
    EXPECT_EQ(rows[2], 200);
    EXPECT_EQ(rows[4], 0x11);
    EXPECT_EQ(rows[6], 0x11) << "the skipped pixel is left as it was";
    EXPECT_EQ(rows[10], 200);
}

}  // namespace
}  // namespace platform::gfx
