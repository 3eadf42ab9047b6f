#include "platform/msgformat.h"

#include <gtest/gtest.h>

#include "platform/trace.h"

namespace {

TEST(MessageFormat, FillsNumberedInserts) {
    struct Case {
        const char* format;
        std::string expect;
    } cases[] = {
        {"%1!s! (%2!s!) has resumed training.", "Jan Kowal (Rovers) has resumed training."},
        {"%3!d! weeks", "7 weeks"},
        {"%3!.2d!:%3!.2d!", "07:07"},
        {"%2!s! before %1!s!", "Rovers before Jan Kowal"},
        {"%6!d!%%", "60%"},
        {"100%% sure", "100% sure"},
        {"%1 and %2", "Jan Kowal and Rovers"},
        {"%10!s!-%11!s!", "ten-eleven"},
        {"%4!.1f!", "2.5"},
        {"no inserts", "no inserts"},
        {"trailing %", "trailing %"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::FormatMessage(c.format, {"Jan Kowal", "Rovers", 7, 2.5, "five", 60, "7",
                                                     "8", "9", "ten", "eleven"}),
                  c.expect)
            << c.format;
    }
}

TEST(MessageFormat, ConvertsBetweenKindsInsteadOfMisreading) {
    EXPECT_EQ(platform::FormatMessage("%1!s!/%2!d!", {12, "34"}), "12/34");
}

// A message carries three texts while some of its lines name a fourth: the
// inserts beyond the arguments read as empty, and the trace says so.
TEST(MessageFormat, MissingArgumentsAreEmptyAndTraced) {
    platform::TraceCapture trace;
    EXPECT_EQ(platform::FormatMessage("%1!s! and %2!d!", {"only"}), "only and ");
    EXPECT_EQ(trace.Lines().size(), 1u);
    EXPECT_EQ(platform::FormatMessage("%1!s!, %2!s!, %3!s! and %4!s!.", {"A", "B", "C"}), "A, B, C and .");
}

TEST(MessageFormat, UnsafeConversionsAreNeverPassedToPrintf) {
    EXPECT_EQ(platform::FormatMessage("%1!n!", {"x"}), "x");
    EXPECT_EQ(platform::FormatMessage("%1!%s%s%s!", {"x"}), "x");
}

TEST(MessageFormat, PrintfStyleTexts) {
    EXPECT_EQ(platform::StrPrintf("ERROR! Cannot find file : %s", "Data\\Clubs.bin"),
              "ERROR! Cannot find file : Data\\Clubs.bin");
    EXPECT_EQ(platform::StrPrintf("Player Not Willing to transfer :- MINWEEKSATCLUB (%d)\n", 12),
              "Player Not Willing to transfer :- MINWEEKSATCLUB (12)\n");
    EXPECT_EQ(platform::StrPrintf("%s", std::string(5000, 'a').c_str()).size(), 5000u);
}

}  // namespace
