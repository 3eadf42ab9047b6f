#include <gtest/gtest.h>

#include "platform/gfx/png.h"
#include <fstream>

#include "support/test_env.h"

namespace platform::gfx {
namespace {

TEST(PngTest, WritesAndReadsBack) {
    Surface s(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) s.Set(x, y, MakePixel(x * 30, y * 80, 255 - x));
    const auto file = testenv::TestFolder() / "frame.png";
    ASSERT_TRUE(WritePng(s, file));
    auto back = ReadPng(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, s);
    EXPECT_FALSE(WritePng(s, testenv::TestFolder() / "no" / "such" / "dir.png"));
    EXPECT_FALSE(WritePng(Surface(), file));
    EXPECT_FALSE(ReadPng(testenv::TestFolder() / "missing.png"));
    std::ofstream(testenv::TestFolder() / "bad.png") << "not a png";
    EXPECT_FALSE(ReadPng(testenv::TestFolder() / "bad.png"));
}

}  // namespace
}  // namespace platform::gfx
