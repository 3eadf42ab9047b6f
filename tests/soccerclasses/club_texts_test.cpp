#include <gtest/gtest.h>

#include "platform/stringtable.h"

namespace {

// Every text the club code shows or writes is in the string table.
TEST(ClubTexts, EveryIdTheClubCodeUsesExists) {
    const unsigned ids[] = {
        52,    53,    54,    55,    56,    57,    58,    61,    62,    65,    66,    67,    68,    70,    73,
        74,    75,    76,    77,    78,    79,    80,    81,    82,    83,    84,    85,    86,    87,    88,
        89,    90,    91,    92,    93,    94,    96,    97,    98,    100,   101,   103,   108,   109,   117,
        118,   124,   125,   126,   127,   129,   130,   147,   327,   328,   379,   381,   382,   383,   384,
        385,   386,   387,   388,   389,   390,   391,   392,   393,   394,   400,   401,   423,   483,   484,
        521,   522,   523,   586,   600,   748,   940,   945,   1153,  1154,  1155,  1156,  1178,  1179,  10202,
        19999, 32862, 32872, 32873, 32874, 32875, 32876, 32877, 32878, 32879, 32880, 32914, 32915, 32920,
        32923, 32924, 32925, 32926, 32927};
    for (unsigned id : ids) EXPECT_TRUE(platform::HasString(id)) << id;
}

TEST(ClubTexts, QuotedTextsAreTheGamesOwn) {
    EXPECT_EQ(platform::LoadString(600), "The Board of Directors feel you have enough players in your squad.");
    EXPECT_EQ(platform::LoadString(98), "Friendly Match");
    EXPECT_EQ(platform::LoadString(401), "Profit / Loss");
    EXPECT_EQ(platform::LoadString(19999), "UNKNOWN");
}

}  // namespace

namespace {

// The board, appointment, loan and season texts, with the inserts the club
// code fills in.
TEST(ClubTexts, BoardLoanAndSeasonTextsExist) {
    const unsigned ids[] = {54,  55,  56,  57,  58,  60,  108, 109,   139,   140,   141,   142,   143,   144,
                            145, 146, 148, 149, 150, 151, 152, 153,   154,   155,   170,   340,   341,   32890,
                            32906, 32907, 32908, 32916, 32917, 32918, 32919};
    for (unsigned id : ids) EXPECT_TRUE(platform::HasString(id)) << id;
    EXPECT_EQ(platform::LoadString(146), "(%1!s!)  %2!s!'s loan period has expired and he has returned to %3!s!.");
    EXPECT_EQ(platform::LoadString(340),
              "(%1!s!)   %2!s! has completed his loan. %3!s! are not prepared to extend his loan period any further.");
    EXPECT_EQ(platform::LoadString(32890),
              "%2!s!, %1!s!'s loan period at %3!s! is complete.  Are you willing to extend it a further 4 weeks?");
    EXPECT_EQ(platform::LoadString(139), "%2!s! has been appointed as manager of %1!s!");
}

}  // namespace
