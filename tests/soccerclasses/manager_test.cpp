#include <gtest/gtest.h>

#include "people_io.h"
#include "platform/random.h"
#include "soccerclasses/manager.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

CManager Hired(double rating = 50) {
    CManager m;
    m.Person().Set("R", "Pellow", 44, 55);
    m.m_Rating = rating;
    m.JoinClub(12, 10800, 52000.0 * 10, 3, 20, 40);
    return m;
}

TEST(Manager, JoiningSetsTermsAndANewManagersRating) {
    CManager m;
    m.Person().Set("R", "Pellow", 44, 55);
    m.JoinClub(12, 10800, 52 * 1000.5, 3, 20, 40);
    EXPECT_EQ(m.GetClubIndex(), 12);
    EXPECT_EQ(m.Person().GetWeeklyWage(), 1000);
    EXPECT_EQ(m.m_LivingCosts, 800);
    EXPECT_EQ(m.GetRating(), 50);
    EXPECT_EQ(m.GetBoardConfidence(), 50);
    EXPECT_EQ(m.GetDiscontent(), 20);
    m.LeaveClub(11000);
    EXPECT_FALSE(m.IsEmployed());
    EXPECT_EQ(m.GetPreviousClubIndex(), 12);
    EXPECT_EQ(m.m_History[1].m_LeftDay, 11000);
    EXPECT_EQ(m.GetBoardConfidence(), 0);
    EXPECT_EQ(m.GetLastClubIndex(), 12);
}

TEST(Manager, WithThreeClubsReloadsToTheSameBytes) {
    CManager m = Hired();
    m.LeaveClub(11000);
    m.JoinClub(30, 11100, 52000, 2, 10, 40);
    m.m_History[0].m_Sales = 1.5e6;
    m.LeaveClub(11500);
    m.JoinClub(7, 11600, 104000, 4, 5, 40);
    m.RecordLeagueResult(3, 1, 3, 1, 20, 10, 0);
    m.m_IsHuman = 1;
    m.m_Savings = -250;
    std::string bytes = SaveBytes([&](FILE* f) { m.Save(f); });
    // Fillers are zero, dates are UTC midnights in seconds.
    const size_t history = bytes.size() - 96 - (4 + 4 + 12 + 4 + 1 + 4 + 2 + 1 + 2 + 2 + 1 + 2 + 2 + 1 + 2 + 2 + 1 +
                                                2 + 4 + 4 + 2 + 24 + 2 + 8 + 1 + 4 + 1);
    EXPECT_EQ(bytes.substr(history + 2, 2), std::string(2, '\0'));
    uint32_t joined = static_cast<uint8_t>(bytes[history + 4]) | static_cast<uint8_t>(bytes[history + 5]) << 8 |
                      static_cast<uint8_t>(bytes[history + 6]) << 16 |
                      static_cast<uint32_t>(static_cast<uint8_t>(bytes[history + 7])) << 24;
    EXPECT_EQ(joined, 11600u * 86400u);
    EXPECT_EQ(bytes.substr(history + 12, 4), std::string(4, '\0'));
    CManager q;
    ASSERT_TRUE(LoadBytes([&](FILE* f) { q.Load(f); }));
    EXPECT_EQ(q, m);
    EXPECT_EQ(SaveBytes([&](FILE* f) { q.Save(f); }), bytes);
}

TEST(Manager, ListSavesEmptySlotsAndReloads) {
    CManagerList list;
    list.Add(std::make_unique<CManager>(Hired()));
    list.Add(std::make_unique<CManager>(Hired(70)));
    list.Add(std::make_unique<CManager>(Hired(30)));
    list.RemoveAt(1);
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    CManagerList read;
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read.GetSize(), 3);
    EXPECT_EQ(read.GetAt(1), nullptr);
    EXPECT_EQ(read.GetAt(2)->GetRating(), 30);
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
    EXPECT_EQ(read.Add(std::make_unique<CManager>()), 1);
    read.SwapClubIndexes(12, 4);
    EXPECT_EQ(read.GetAt(0)->GetClubIndex(), 4);
}

TEST(Manager, ResultsMoveRatingAndMomentum) {
    CManager m = Hired();
    m.RecordLeagueResult(2, 0, 3, 1, 10, 10, 0);
    EXPECT_DOUBLE_EQ(m.GetRating(), 50.3);
    EXPECT_DOUBLE_EQ(m.m_GoodMomentum, 0.6);
    EXPECT_EQ(m.m_SeasonPoints, 3);
    m.RecordLeagueResult(0, 1, 3, 1, 10, 40, 0);  // lost to a far less popular club
    EXPECT_DOUBLE_EQ(m.GetRating(), 50.3 - 2.0);
    m.RecordLeagueResult(1, 1, 3, 1, 55, 10, 0);  // drew away at a bigger club: d = 1
    EXPECT_DOUBLE_EQ(m.GetRating(), 49.3);
    EXPECT_EQ(m.m_SeasonPoints, 4);
    EXPECT_EQ(m.GetWinPercentage(), 100 / 3 + 50 / 3);
    m.m_SeasonWins = 2, m.m_SeasonDraws = 1, m.m_SeasonLosses = 1;
    EXPECT_EQ(m.GetWinPercentage(), 62);
    CManager idle;
    EXPECT_EQ(idle.GetWinPercentage(), 100);
}

TEST(Manager, TheBoardWaitsForElevenGamesAndSevenWeeks) {
    struct Case {
        int board, games, weeks;
        bool sacked;
    } cases[] = {
        {9, 11, 7, true}, {9, 10, 7, false}, {9, 11, 6, false}, {40, 30, 30, false}, {0, 30, 30, true},
    };
    for (const auto& c : cases) {
        CManager m = Hired();
        m.m_BoardConfidence = static_cast<uint8_t>(c.board);
        m.Person().SetWeeksAtClub(static_cast<int16_t>(c.weeks));
        EXPECT_EQ(m.ShouldBeSacked(c.games), c.sacked) << c.board << " " << c.games << " " << c.weeks;
    }
    // Between 10 and 40 the draw decides: more often the lower the confidence.
    platform::SeedRandom(8);
    int low = 0, high = 0;
    for (int k = 0; k < 1000; ++k) {
        CManager m = Hired();
        m.Person().SetWeeksAtClub(20);
        m.m_BoardConfidence = 15;
        low += m.ShouldBeSacked(20);
        m.m_BoardConfidence = 35;
        high += m.ShouldBeSacked(20);
    }
    EXPECT_GT(low, 800);
    EXPECT_LT(high, 100);
}

TEST(Manager, MoneyRunsOutForAnUnemployedHuman) {
    CManager m;
    m.Person().Set("R", "Pellow", 44, 55);
    m.m_IsHuman = 1;
    m.m_LivingCosts = 300;
    m.m_Savings = 500;
    EXPECT_FALSE(m.WeeklyStep());
    EXPECT_EQ(m.m_Savings, 200);
    EXPECT_TRUE(m.WeeklyStep());
    EXPECT_EQ(m.m_PreviousSavings, 200);
    CManager computer = m;
    computer.m_IsHuman = 0;
    EXPECT_FALSE(computer.WeeklyStep());
    CManager paid = Hired();
    paid.m_IsHuman = 1;
    paid.m_Savings = 0;
    EXPECT_FALSE(paid.WeeklyStep());
    EXPECT_EQ(paid.m_Savings, 10000 - 8000);
}

TEST(Manager, SeasonEventsRaiseCountersAndRating) {
    CManager m = Hired(98);
    m.AddLeagueTitle(true);
    EXPECT_EQ(m.GetRating(), 99);
    EXPECT_EQ(m.m_Titles[0], 1);
    EXPECT_EQ(m.m_Titles[1], 1);
    EXPECT_EQ(m.m_Savings, static_cast<int>(10000 * 52 * 0.1));
    m.AddRelegation();
    EXPECT_EQ(m.GetRating(), 96);
    m.AddMonthAward();
    EXPECT_EQ(m.m_MonthAwards[2], 1);
    m.m_Rating = 6;
    m.AddBottomPlaces(0);
    m.AddLastPlace();
    EXPECT_EQ(m.GetRating(), 5);
}

}  // namespace
