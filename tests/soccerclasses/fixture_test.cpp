#include "soccerclasses/fixture.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "records_roundtrip.h"

namespace {

TEST(MatchEvents, EmptyListCountsNothingAndAwayWinsShootout) {
    CMatchEventList e;
    EXPECT_EQ(e.CountHomeGoals(200) + e.CountAwayGoals(200) + e.CountHomeBookings() + e.CountAwaySendingsOff(), 0);
    EXPECT_FALSE(e.HasShootout());
    EXPECT_EQ(e.GetShootoutWinner(), 1);
    EXPECT_EQ(e.GetHomeGoalText(0), "");
    EXPECT_FALSE(e.IsAwayGoalPenalty(0));
}

TEST(MatchEvents, GoalsCardsAndTexts) {
    CMatchEventList e;
    e.Add(12, CMatchEvent::kHomeGoal, "Smith");
    e.Add(30, CMatchEvent::kAwayBooking, "Jones");
    e.Add(44, CMatchEvent::kHomeOwnGoal, "Brown");
    e.Add(80, CMatchEvent::kAwayPenaltyGoal, "Green");
    e.Add(93, CMatchEvent::kHomeGoal, "Smith");
    e.Add(255, CMatchEvent::kHomeShootoutGoal, "Smith");
    e.Add(255, CMatchEvent::kAwayShootoutGoal, "Green");
    e.Add(255, CMatchEvent::kAwayShootoutGoal, "Hill");
    EXPECT_EQ(e.CountHomeGoals(90), 2);  // extra time and kicks left out
    EXPECT_EQ(e.CountHomeGoals(125), 3);
    EXPECT_EQ(e.CountAwayGoals(90), 1);
    EXPECT_TRUE(e.IsHomeGoalOwnGoal(1));
    EXPECT_FALSE(e.IsHomeGoalOwnGoal(0));
    EXPECT_TRUE(e.IsAwayGoalPenalty(0));
    EXPECT_EQ(e.GetHomeGoalText(1), "Brown 44 (OG)");
    EXPECT_EQ(e.GetAwayGoalText(0), "Green 80 (Pen)");
    EXPECT_EQ(e.GetAwayBookingText(0), "Jones (30) ");
    EXPECT_EQ(e.GetAwayBookingText(1), "");
    EXPECT_TRUE(e.IsGoalInMinute(44));
    EXPECT_FALSE(e.IsGoalInMinute(30));
    EXPECT_FALSE(e.IsGoalInMinute(255));
    EXPECT_EQ(e.GetShootoutWinner(), 1);
    EXPECT_EQ(e.GetShootoutText("Home FC", "Away FC"), "Away FC won 2 - 1 after a penalty shootout.");
}

TEST(MatchEvents, ListStopsAtItsLimit) {
    CMatchEventList e;
    for (int i = 0; i < CMatchEventList::kMaxEvents; ++i) ASSERT_TRUE(e.Add(1, CMatchEvent::kHomeBooking, "X"));
    EXPECT_FALSE(e.Add(1, CMatchEvent::kHomeBooking, "X"));
    EXPECT_EQ(e.GetSize(), 149);
}

TEST(MatchEvents, SavedSizeAndLoadsIntoLongerAndShorterLists) {
    CMatchEventList e;
    e.Add(3, 1, "Ab");
    e.Add(4, 4, "");
    e.Add(255, 164, "Xyz");
    auto bytes = recordtest::Write([&](FILE* f) { e.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + (6 + 2) + 6 + (6 + 3));
    for (int before : {0, 1, 5}) {
        CMatchEventList back;
        for (int i = 0; i < before; ++i) back.Add(9, 3, "old name");
        ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { back.Load(f); }));
        ASSERT_EQ(back.GetSize(), 3);
        EXPECT_EQ(back.GetAt(1)->m_Name, "");  // an empty saved name replaces the old one
        EXPECT_EQ(recordtest::Write([&](FILE* f) { back.Save(f); }), bytes);
    }
    auto tooMany = bytes;
    tooMany[0] = 150;
    CMatchEventList back;
    EXPECT_FALSE(recordtest::Read(tooMany, [&](FILE* f) { back.Load(f); }));
}

CFixture Played() {
    CFixture f;
    EXPECT_TRUE(f.Init(CFixture::kCupHome, 4, -3, 5, 3, 12000, 17));
    f.m_Date = "Sat 03 Jul 99";
    f.m_HomeGoals = 2;
    f.m_AwayGoals = 1;
    f.m_ScriptLength = 93;
    f.m_ExtraTime = 1;
    f.m_Popularity = 0.5;
    f.m_HomePossession = 55.5;
    f.m_AwayPossession = 44.5;
    f.m_Bookings = {1, 2};
    f.m_FreeKicks = {7, 8};
    f.m_Offsides = {3, 4};
    f.m_Strengths = {{{60, 61}, {70, 71}, {80, 81}, {90, 91}}};
    f.m_Injuries = {1, 0};
    f.m_ManOfTheMatch = 321;
    f.m_Events.Add(10, 1, "Smith");
    return f;
}

TEST(Fixture, InitRefusesImpossibleFixtures) {
    CFixture f;
    EXPECT_FALSE(f.Init(0, 3, 3, 5, 3, 0, 0));
    EXPECT_FALSE(f.Init(0, 3, 4, 6, 3, 0, 0));
    EXPECT_FALSE(f.Init(0, 3, 4, 3, 4, 0, 0));
    EXPECT_FALSE(f.Init(0, 3, 4, 3, 0, 0, 0));
    EXPECT_EQ(f.m_Home, -1);
    EXPECT_EQ(f.m_SubsAllowed, 5);
    CFixtureList list;
    EXPECT_FALSE(list.AddFixture(0, 2, 2, 5, 3, 0, 0));
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(Fixture, ResetKeepsDateSubstitutesRefereePopularityAndExtraTime) {
    CFixture f = Played();
    f.Reset();
    EXPECT_EQ(f.m_Home, -1);
    EXPECT_EQ(f.m_Away, -1);
    EXPECT_EQ(f.m_Events.GetSize(), 0);
    EXPECT_EQ(f.m_HomeGoals + f.m_AwayGoals + f.m_Attendance + f.m_ManOfTheMatch + f.m_ScriptLength, 0);
    EXPECT_EQ(f.m_Strengths[3][1], 0);
    EXPECT_EQ(f.m_Date, "Sat 03 Jul 99");
    EXPECT_EQ(f.m_SubsNamed, 5);
    EXPECT_EQ(f.m_SubsAllowed, 3);
    EXPECT_EQ(f.m_Referee, 17);
    EXPECT_EQ(f.m_ExtraTime, 1);
    EXPECT_DOUBLE_EQ(f.m_Popularity, 0.5);
}

TEST(Fixture, WinnerOfADrawIsTheShootoutWinner) {
    CFixture f;
    ASSERT_TRUE(f.Init(CFixture::kCupHome, 10, 20, 5, 3, 0, 0));
    f.m_HomeGoals = f.m_AwayGoals = 1;
    f.m_Events.Add(255, CMatchEvent::kAwayShootoutGoal, "A");
    EXPECT_EQ(f.GetWinnerIndex(), 20);
    EXPECT_EQ(f.GetLoserIndex(), 10);
    f.m_Events.Add(255, CMatchEvent::kHomeShootoutGoal, "B");
    f.m_Events.Add(255, CMatchEvent::kHomeShootoutGoal, "C");
    EXPECT_EQ(f.GetWinnerIndex(), 10);
    f.m_HomeGoals = 0;
    EXPECT_EQ(f.GetWinnerIndex(), 20);
    EXPECT_EQ(f.GetWinningScore(), 1);
    EXPECT_EQ(f.GetLosingScore(), 0);
}

TEST(Fixture, RandomScoreRanges) {
    platform::SeedRandom(7);
    CFixture f;
    int maxH = 0, maxA = 0;
    for (int i = 0; i < 400000; ++i) {
        f.SetRandomScore();
        maxH = std::max<int>(maxH, f.m_HomeGoals);
        maxA = std::max<int>(maxA, f.m_AwayGoals);
    }
    EXPECT_EQ(maxH, 6);
    EXPECT_EQ(maxA, 5);
}

TEST(Fixture, TacticGoalTerms) {
    CFixture f;
    // defence home 70 > away attack 65; home attack 50 < away defence 80
    f.m_Strengths = {{{0, 0}, {70, 80}, {40, 30}, {50, 65}}};
    struct Case { uint8_t instruction; int term; } cases[] = {
        {0, 0}, {1, 0}, {2, 0}, {4, 0}, {6, 1}, {7, 1}, {8, 2}, {9, 2}, {10, 0}};
    for (auto c : cases) EXPECT_EQ(f.GetTacticGoalTerm(0, c.instruction), c.term) << int(c.instruction);
    f.m_Strengths[1][0] = 60;  // now only the minus applies
    EXPECT_EQ(f.GetTacticGoalTerm(0, 0), -2);
    EXPECT_EQ(f.GetTacticGoalTerm(0, 3), -1);
    EXPECT_EQ(f.GetTacticGoalTerm(1, 8), -2);
}

TEST(Fixture, SaveLayoutAndRoundTrip) {
    CFixture f = Played();
    auto events = recordtest::Write([&](FILE* file) { f.m_Events.Save(file); });
    auto bytes = recordtest::Write([&](FILE* file) { f.Save(file); });
    ASSERT_EQ(bytes.size(), 81u + f.m_Date.size() + events.size());
    size_t p = 4 + f.m_Date.size();
    EXPECT_EQ(bytes[p], CFixture::kCupHome);
    EXPECT_EQ(bytes[p + 1], 93);
    EXPECT_EQ(bytes[p + 3], 4);                    // home club
    EXPECT_EQ(bytes[p + 5], 0xFD);                 // away -3
    EXPECT_EQ(bytes[p + 7], 2);                    // home goals
    EXPECT_EQ(bytes[p + 9] + 256 * bytes[p + 10], 12000);
    EXPECT_EQ(bytes[p + 47], 7);                   // free kicks conceded, as stored
    EXPECT_EQ(bytes[p + 49 + events.size()], 3);   // offsides after the events
    EXPECT_EQ(bytes.back() , 0);
    EXPECT_EQ(bytes[bytes.size() - 2], 1);         // injuries
    CFixture back;
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* file) { back.Load(file); }));
    EXPECT_EQ(recordtest::Write([&](FILE* file) { back.Save(file); }), bytes);
}

TEST(FixtureList, LookupsAndBlankSeason) {
    CFixtureList list;
    list.CreateBlank(6);
    EXPECT_EQ(list.GetSize(), 6);
    EXPECT_EQ(list.GetAt(5)->m_Home, -1);
    list.GetAt(1)->Set(0, 3, 4, 5, 3, 0);
    list.GetAt(3)->Set(0, 5, 3, 5, 3, 0);
    list.GetAt(4)->Set(0, 3, 4, 5, 3, 0);
    EXPECT_EQ(list.GetClubFixture(1, 3), list.GetAt(3));
    EXPECT_EQ(list.GetClubFixture(3, 3), nullptr);
    EXPECT_EQ(list.FindFixture(3, 4), list.GetAt(4));  // the last one
    EXPECT_EQ(list.FindFixture(4, 3), nullptr);
    EXPECT_EQ(list.IndexOf(list.GetAt(3)), 3);
    list.DeleteAll();
    ASSERT_EQ(list.GetSize(), 6);
    for (int i = 0; i < 6; ++i) ASSERT_NE(list.GetAt(i), nullptr);  // never an empty slot
    auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    EXPECT_EQ(bytes.size(), 4u + 6 * (81 + 4));
}

TEST(FixtureList, LoadsIntoLongerAndShorterLists) {
    CFixtureList one;
    one.Add(std::make_unique<CFixture>(Played()));
    auto bytes = recordtest::Write([&](FILE* f) { one.Save(f); });
    for (int before : {0, 3}) {
        CFixtureList list;
        list.CreateBlank(before);
        ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { list.Load(f); }));
        ASSERT_EQ(list.GetSize(), 1);
        EXPECT_EQ(list.GetAt(0)->m_ManOfTheMatch, 321);
        EXPECT_EQ(recordtest::Write([&](FILE* f) { list.Save(f); }), bytes);
    }
}

}  // namespace
