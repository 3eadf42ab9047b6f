#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    auto utf8 = platform::Cp1252ToUtf8(all);
    auto back = platform::Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        uint8_t byte;
        const char* utf8;
    } cases[] = {
        {0xA3, "\xC2\xA3"},          // pound sign
        {0x80, "\xE2\x82\xAC"},      // euro sign
        {0x8A, "\xC5\xA0"},          // S caron
        {0x93, "\xE2\x80\x9C"},      // left double quote
        {0xE9, "\xC3\xA9"},          // e acute
        {0x81, "\xC2\x81"},          // undefined in 1252: kept as the C1 control
        {'A', "A"},
    };
    for (const auto& c : cases) {
        std::string one(1, static_cast<char>(c.byte));
        EXPECT_EQ(platform::Cp1252ToUtf8(one), c.utf8) << int(c.byte);
        EXPECT_EQ(platform::Utf8ToCp1252(c.utf8).value_or("?"), one) << int(c.byte);
    }
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    const char* cases[] = {
        "\xCE\xB1",          // Greek alpha
        "\xD0\x96",          // Cyrillic Zhe
        "\xC5\x82",          // l with stroke
        "\xE2\x82",          // truncated sequence
        "\xC0\x80",          // overlong NUL
        "\xFF",              // not UTF-8 at all
    };
    for (const char* c : cases) {
        size_t bad = 99;
        std::string text = std::string("ok ") + c;
        EXPECT_FALSE(platform::Utf8ToCp1252(text, &bad).has_value()) << c;
        EXPECT_EQ(bad, 3u);
    }
}

TEST(Cp1252, CaseConversionCoversAccentedLetters) {
    EXPECT_EQ(platform::Cp1252Upper("m\xFCller \x9a\xE9"), "M\xDCLLER \x8A\xC9");
    EXPECT_EQ(platform::Cp1252Lower("\xC5SE \xD7"), "\xE5se \xD7");  // multiplication sign stays
    EXPECT_EQ(platform::Cp1252Upper("\xDF"), "\xDF");               // sharp s has no capital here
    EXPECT_EQ(platform::Cp1252CompareNoCase("\xC9toile", "\xE9TOILE"), 0);
    EXPECT_LT(platform::Cp1252CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(platform::Cp1252CompareNoCase("abcd", "ABC"), 0);
}

}  // namespace
