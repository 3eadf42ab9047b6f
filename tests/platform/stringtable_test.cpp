#include "platform/stringtable.h"

#include <gtest/gtest.h>

#include "platform/msgformat.h"
#include "platform/trace.h"

namespace {

TEST(StringTable, ParsesEntriesEscapesAndComments) {
    auto t = platform::ParseStringTable(
        "# comment\n\n10\tplain\n11\t two  spaces \n12\tline\\none\\ttab\\\\slash\r\n13\t\xC2\xA3"
        "5m\n14\t\n");
    EXPECT_TRUE(t.errors.empty());
    ASSERT_EQ(t.texts.size(), 5u);
    EXPECT_EQ(t.texts[10], "plain");
    EXPECT_EQ(t.texts[11], " two  spaces ");
    EXPECT_EQ(t.texts[12], "line\none\ttab\\slash");
    EXPECT_EQ(t.texts[13], "\xA3" "5m");
    EXPECT_EQ(t.texts[14], "");
}

TEST(StringTable, ReportsBadLinesWithTheirNumbers) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"12 no tab\n", "line 1: expected an id"},
        {"x1\ttext\n", "line 1: expected an id"},
        {"\ttext\n", "line 1: expected an id"},
        {"#\n1\ta\n1\tb\n", "line 3: id 1 appears twice"},
        {"5\tbad \\q escape\n", "line 1: unknown escape"},
        {"5\tends \\\n", "line 1: lone backslash"},
        {"5\t\xCE\xB1\n", "line 1: character at byte 0"},
    };
    for (const auto& c : cases) {
        auto t = platform::ParseStringTable(c.text);
        ASSERT_EQ(t.errors.size(), 1u) << c.text;
        EXPECT_EQ(t.errors[0].rfind(c.error, 0), 0u) << t.errors[0];
    }
}

TEST(StringTable, CompiledTableIsClean) {
    EXPECT_TRUE(platform::StringTableErrors().empty())
        << platform::StringTableErrors().front();
    EXPECT_FALSE(platform::StringTable().empty());
}

TEST(StringTable, KnownTextsComeOutByteForByte) {
    // Leading, trailing and doubled spaces are part of the texts.
    EXPECT_EQ(platform::LoadString(268), "badly bruised toe");
    EXPECT_EQ(platform::LoadString(43), " %1!s! (%2!s!) has served his suspension.");
    EXPECT_EQ(platform::LoadString(342),
              "%1!s!'s contract has expired. Under the Bosman Ruling the player may move on a free "
              "transfer. ");
    EXPECT_NE(platform::LoadString(152).find(".  You must"), std::string::npos);
    EXPECT_EQ(platform::LoadString(60000), "ERROR! Damaged file : %s");
    EXPECT_EQ(platform::StrPrintf(platform::LoadString(60000).c_str(), "Data\\Clubs.bin"),
              "ERROR! Damaged file : Data\\Clubs.bin");
}

TEST(StringTable, MissingIdGivesEmptyTextAndOneTraceLine) {
    platform::TraceCapture trace;
    EXPECT_EQ(platform::LoadString(4000000000u), "");
    EXPECT_FALSE(platform::HasString(4000000000u));
    EXPECT_EQ(trace.Lines().size(), 1u);
    EXPECT_EQ(platform::FormatMessageId(4000000000u, {1}), "");
}

}  // namespace
