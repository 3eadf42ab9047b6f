#include <gtest/gtest.h>

#include "platform/random.h"
#include "soccerclasses/playerperformance.h"

namespace {

std::array<uint8_t, 16> Bases(uint8_t v) {
    std::array<uint8_t, 16> b{};
    for (int i = 0; i < 16; ++i) b[static_cast<size_t>(i)] = v;
    return b;
}

TEST(Performance, RatingsStayWithin10And99) {
    CSoccerPlayerPerformanceList list;
    list.StartMatch(Bases(14));
    list.AddBadEvent(0, 9, 30);  // 14 - 6 would pass below 10
    EXPECT_EQ(list.GetMinuteByte(0, 29), 14);
    for (int m = 30; m < 130; ++m) EXPECT_EQ(list.GetMinuteByte(0, m), 10);
    list.StartMatch(Bases(97));
    list.AddEvent(1, 9, 40);
    EXPECT_EQ(list.GetMinuteByte(1, 39), 97);
    EXPECT_EQ(list.GetMinuteByte(1, 40), 99);
    // Substitutes start at nought.
    EXPECT_EQ(list.GetMinuteByte(12, 0), 0);
}

TEST(Performance, ASubstituteCountsFromHisMinute) {
    CSoccerPlayerPerformanceList list;
    list.StartMatch(Bases(60));
    list.SetRating(3, 80, 0);
    list.ClearBefore(3, 60);
    EXPECT_EQ(list.GetAverageRating(3, 90), 80);
    list.SetRating(4, 50, 60);
    list.ClearBefore(4, 0);
    EXPECT_EQ(list.GetAverageRating(4, 90), (60 * 60 + 30 * 50) / 90);
}

TEST(Performance, TeamSeriesFollowTheEvents) {
    CSoccerPlayerPerformanceList list;
    list.StartMatch(Bases(60));
    list.AddEvent(2, 5, 10);          // +4 in series 4
    list.AddTeamEvent(2, 9, 20, true);  // +6 in series 3
    list.AddTeamEvent(2, 2, 20, false);  // nothing applied
    EXPECT_EQ(list.GetMinuteByte(2, 25), 70);
    list.SetOffsets(100, 40, 30, 60, 50);
    EXPECT_EQ(list.GetValueAt(50), 100u);
    EXPECT_EQ(list.GetTeamRating(50), ((60 + 4) / 3 + (30 + 6) / 3 + 40 / 4 + 100) / 4u);
    list.ExtendToExtraTime();
    EXPECT_EQ(list.GetMinuteByte(2, 120), list.GetMinuteByte(2, 89));
    platform::SeedRandom(3);
    for (int k = 0; k < 200; ++k) {
        int d = list.Slot(5).ScoreRandom(k % 90);
        EXPECT_TRUE(d == -6 || d == -4 || d == -2 || d == 2 || d == 4 || d == 6);
    }
}

TEST(Performance, BadEventsLowerTheTeamRating) {
    CSoccerPlayerPerformanceList list;
    list.StartMatch(Bases(60));
    list.SetOffsets(100, 0, 0, 0, 0);
    EXPECT_EQ(list.GetTeamRating(20), 25u);
    list.AddBadEvent(2, 9, 10);  // -6 in series 2
    EXPECT_EQ(list.GetTeamRating(5), 25u);
    EXPECT_EQ(list.GetTeamRating(20), (100 - 6 / 4) / 4u);
    // However bad the match, the rating stops at nought.
    for (int k = 0; k < 100; ++k) list.AddBadEvent(3, 9, 30);
    EXPECT_EQ(list.GetTeamRating(40), 0u);
}

}  // namespace
