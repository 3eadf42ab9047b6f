#include <gtest/gtest.h>

#include "platform/gfx/blit.h"

namespace platform::gfx {
namespace {

Surface Pattern(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Set(x, y, MakePixel(x * 10, y * 10, 7));
    return s;
}

TEST(SurfaceTest, MakeRefusesBadSizesAndOutsideAccessIsHarmless) {
    EXPECT_FALSE(Surface::Make(0, 10));
    EXPECT_FALSE(Surface::Make(10, -1));
    EXPECT_FALSE(Surface::Make(Surface::kMaxSide + 1, 1));
    auto s = Surface::Make(3, 2, 0x123456);
    ASSERT_TRUE(s);
    s->Set(-1, 0, kWhite);
    s->Set(3, 1, kWhite);
    EXPECT_EQ(s->Get(5, 5), kBlack);
    EXPECT_EQ(s->Get(2, 1), 0x123456u);
    s->FillRect({-5, -5, 2, 1}, kWhite);
    EXPECT_EQ(s->Get(1, 0), kWhite);
    EXPECT_EQ(s->Get(2, 0), 0x123456u);
    EXPECT_EQ(s->Get(0, 1), 0x123456u);
}

TEST(SurfaceTest, LockGivesRowsAndCanBeRefused) {
    Surface s(4, 3);
    auto bits = s.Lock();
    ASSERT_TRUE(bits);
    EXPECT_EQ(bits->pitch, 16);
    bits->bits[bits->pitch * 2 + 4] = 0x55;  // blue of (1, 2)
    EXPECT_EQ(s.Get(1, 2), 0x000055u);
    s.SetRefuseLocks(true);
    EXPECT_FALSE(s.Lock());
    EXPECT_FALSE(Surface().Lock());
}

TEST(BlitTest, RasterOperations) {
    struct Case {
        RasterOp op;
        Pixel expected;
    } cases[] = {
        {RasterOp::SrcCopy, 0x0F0F00},  {RasterOp::SrcAnd, 0x0F0000},
        {RasterOp::SrcPaint, 0xFF0F00}, {RasterOp::SrcInvert, 0xF00F00},
        {RasterOp::NotSrcCopy, 0xF0F0FF}, {RasterOp::DstInvert, 0x00FFFF},
    };
    for (const Case& c : cases) {
        Surface dst(2, 2, 0xFF0000);
        Surface src(2, 2, 0x0F0F00);
        Blit(dst, 0, 0, src, src.Bounds(), c.op);
        EXPECT_EQ(dst.Get(1, 1), c.expected) << std::hex << static_cast<uint32_t>(c.op);
    }
}

TEST(BlitTest, ClipsAtEveryEdgeOfBothSurfaces) {
    Surface src = Pattern(10, 10);
    Surface dst(8, 8, kWhite);
    // Source rectangle hangs off the source's top-left; destination off its right.
    Blit(dst, 5, 5, src, {-2, -2, 6, 6});
    // (5,5) gets source (-2,-2): nothing there, so the copy starts at dst (7,7).
    EXPECT_EQ(dst.Get(6, 6), kWhite);
    EXPECT_EQ(dst.Get(7, 7), src.Get(0, 0));
    Surface dst2(8, 8, kWhite);
    Blit(dst2, -3, -4, src, src.Bounds());
    EXPECT_EQ(dst2.Get(0, 0), src.Get(3, 4));
    EXPECT_EQ(dst2.Get(6, 5), src.Get(9, 9));
    EXPECT_EQ(dst2.Get(7, 7), kWhite);
    Surface dst3(8, 8, kWhite);
    Blit(dst3, 0, 0, src, src.Bounds(), RasterOp::SrcCopy, {2, 2, 4, 4});
    EXPECT_EQ(dst3.Get(1, 1), kWhite);
    EXPECT_EQ(dst3.Get(2, 3), src.Get(2, 3));
    EXPECT_EQ(dst3.Get(4, 4), kWhite);
}

TEST(BlitTest, OverlappingCopyWithinOneSurface) {
    Surface s = Pattern(6, 6);
    Surface ref = s;
    Blit(s, 1, 1, s, {0, 0, 5, 5});
    for (int y = 1; y < 6; ++y)
        for (int x = 1; x < 6; ++x) EXPECT_EQ(s.Get(x, y), ref.Get(x - 1, y - 1));
}

TEST(BlitTest, KeyedBlitLeavesKeyPixelsOut) {
    Surface src(3, 1, kKeyPixel);
    src.Set(1, 0, 0x102030);
    Surface dst(3, 1, kWhite);
    BlitKeyed(dst, 0, 0, src, src.Bounds(), kKeyPixel);
    EXPECT_EQ(dst.Get(0, 0), kWhite);
    EXPECT_EQ(dst.Get(1, 0), 0x102030u);
    EXPECT_EQ(dst.Get(2, 0), kWhite);
}

TEST(BlitTest, StretchDoublesAndHalves) {
    Surface src = Pattern(2, 2);
    Surface big(4, 4);
    StretchBlit(big, big.Bounds(), src, src.Bounds());
    EXPECT_EQ(big.Get(0, 0), src.Get(0, 0));
    EXPECT_EQ(big.Get(1, 1), src.Get(0, 0));
    EXPECT_EQ(big.Get(2, 1), src.Get(1, 0));
    EXPECT_EQ(big.Get(3, 3), src.Get(1, 1));
    Surface small(1, 1);
    StretchBlit(small, small.Bounds(), big, big.Bounds());
    EXPECT_EQ(small.Get(0, 0), src.Get(0, 0));
    // Keyed stretch and an empty target.
    Surface keyed(2, 1, kKeyPixel);
    Surface dst(4, 1, kWhite);
    StretchBlit(dst, dst.Bounds(), keyed, keyed.Bounds(), kKeyPixel);
    EXPECT_EQ(dst.Get(3, 0), kWhite);
    StretchBlit(dst, {2, 0, 1, 1}, src, src.Bounds());
    EXPECT_EQ(dst.Get(1, 0), kWhite);
}

TEST(BlitTest, MaskIsWhiteWhereKeyed) {
    Surface src(2, 1, kKeyPixel);
    src.Set(0, 0, 0x010101);
    Surface m = MakeMask(src, kKeyPixel);
    EXPECT_EQ(m.Get(0, 0), kBlack);
    EXPECT_EQ(m.Get(1, 0), kWhite);
}

}  // namespace
}  // namespace platform::gfx

namespace platform::gfx {
namespace {

TEST(BlitTest, IntegerScalingMakesSharpBlocksAndClips) {
    Surface src(2, 2);
    src.Set(0, 0, 1);
    src.Set(1, 0, 2);
    src.Set(0, 1, 3);
    src.Set(1, 1, 4);
    Surface dst(7, 7, kWhite);
    ScaleInteger(dst, 1, 1, src, 3);
    EXPECT_EQ(dst.Get(0, 0), kWhite);
    EXPECT_EQ(dst.Get(1, 1), 1u);
    EXPECT_EQ(dst.Get(3, 3), 1u);
    EXPECT_EQ(dst.Get(4, 3), 2u);
    EXPECT_EQ(dst.Get(6, 6), 4u);
    Surface small(3, 3, kWhite);
    ScaleInteger(small, -1, -1, src, 2);
    EXPECT_EQ(small.Get(0, 0), 1u);
    EXPECT_EQ(small.Get(1, 0), 2u);
    EXPECT_EQ(small.Get(2, 2), 4u);
}

}  // namespace
}  // namespace platform::gfx
