#include "platform/bytes.h"

#include <gtest/gtest.h>

namespace {

TEST(Bytes, WritesLittleEndianAndReadsBack) {
    platform::ByteWriter w;
    w.U8(0xAB);
    w.U16(0x1234);
    w.I16(-2);
    w.U32(0xDEADBEEF);
    w.I32(-100000);
    w.F64(1234.5);
    w.Raw("xyz");
    const std::vector<uint8_t> expectHead = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE};
    ASSERT_GE(w.Size(), expectHead.size());
    EXPECT_TRUE(std::equal(expectHead.begin(), expectHead.end(), w.Bytes().begin()));

    platform::ByteReader r(w.Bytes());
    uint8_t u8;
    uint16_t u16;
    int16_t i16;
    uint32_t u32;
    int32_t i32;
    double f;
    std::string s;
    ASSERT_TRUE(r.U8(u8) && r.U16(u16) && r.I16(i16) && r.U32(u32) && r.I32(i32) && r.F64(f) &&
                r.RawString(s, 3));
    EXPECT_EQ(u8, 0xAB);
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(i16, -2);
    EXPECT_EQ(u32, 0xDEADBEEFu);
    EXPECT_EQ(i32, -100000);
    EXPECT_EQ(f, 1234.5);
    EXPECT_EQ(s, "xyz");
    EXPECT_TRUE(r.AtEnd());
}

TEST(Bytes, ReadingPastTheEndFailsAndStaysFailed) {
    const uint8_t data[3] = {1, 2, 3};
    platform::ByteReader r(data, sizeof data);
    uint16_t a;
    uint32_t b = 77;
    uint8_t c = 9;
    EXPECT_TRUE(r.U16(a));
    EXPECT_FALSE(r.U32(b));
    EXPECT_EQ(b, 0u);
    EXPECT_TRUE(r.Failed());
    EXPECT_FALSE(r.U8(c));  // the byte is there, but the record is already broken
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(Bytes, EmptyReadsIntoNoBufferAreHarmless) {
    const uint8_t data[1] = {7};
    platform::ByteReader r(data, sizeof data);
    std::vector<uint8_t> none;
    EXPECT_TRUE(r.Raw(none.data(), 0));
    EXPECT_FALSE(r.Skip(2));
    EXPECT_FALSE(r.Raw(none.data(), 0));  // the record is broken; still no write
}

TEST(Bytes, HugeSizesDoNotWrapAround) {
    const uint8_t data[4] = {};
    platform::ByteReader r(data, sizeof data);
    EXPECT_TRUE(r.Skip(2));
    EXPECT_FALSE(r.Skip(SIZE_MAX));
    std::string s;
    platform::ByteReader r2(data, sizeof data);
    EXPECT_FALSE(r2.RawString(s, SIZE_MAX - 1));
}

}  // namespace
