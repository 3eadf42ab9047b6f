// The records reuse the world's idle fixtures and events, and every fixture
// reset clears the world's substitution record.
#include <gtest/gtest.h>

#include "records_roundtrip.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchvars.h"
#include "platform/random.h"
#include "soccerclasses/worlddata.h"

namespace {

class RecordPools : public ::testing::Test {
protected:
    CWorldData world{CWorldData::Empty{}};
    ScopedWorld installed{&world};
};

TEST_F(RecordPools, FixtureListLoadsTakeFromAndReturnToThePool) {
    CFixtureList three;
    three.CreateBlank(3);
    auto bytesOf3 = recordtest::Write([&](FILE* f) { three.Save(f); });
    CFixtureList one;
    one.CreateBlank(1);
    auto bytesOf1 = recordtest::Write([&](FILE* f) { one.Save(f); });

    int pool = world.GetFixturePoolSize();
    CFixtureList list;
    list.CreateBlank(3);
    ASSERT_TRUE(recordtest::Read(bytesOf1, [&](FILE* f) { list.Load(f); }));
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_EQ(world.GetFixturePoolSize(), pool + 2);
    ASSERT_TRUE(recordtest::Read(bytesOf3, [&](FILE* f) { list.Load(f); }));
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(world.GetFixturePoolSize(), pool);
}

TEST_F(RecordPools, EventListLoadsTakeFromAndReturnToThePool) {
    CMatchEventList five;
    for (int i = 0; i < 5; ++i) five.Add(i + 1, 3, "P");
    CMatchEventList three;
    for (int i = 0; i < 3; ++i) three.Add(i + 1, 4, "Q");
    auto bytes5 = recordtest::Write([&](FILE* f) { five.Save(f); });
    auto bytes3 = recordtest::Write([&](FILE* f) { three.Save(f); });
    int pool = world.GetMatchEventPoolSize();
    ASSERT_TRUE(recordtest::Read(bytes3, [&](FILE* f) { five.Load(f); }));
    EXPECT_EQ(world.GetMatchEventPoolSize(), pool + 2);
    ASSERT_TRUE(recordtest::Read(bytes5, [&](FILE* f) { five.Load(f); }));
    EXPECT_EQ(world.GetMatchEventPoolSize(), pool);
    EXPECT_EQ(five.CountHomeBookings(), 5);
}

TEST_F(RecordPools, FixtureResetClearsTheWorldsSubstitutionRecord) {
    CSubstitutionVars* subs = world.GetSubstitutionVars();
    ASSERT_NE(subs, nullptr);
    CFixture f;
    ASSERT_TRUE(f.Init(0, 1, 2, 5, 3, 0, 0));
    EXPECT_EQ(subs->GetAllowed(), 3);
    EXPECT_TRUE(subs->Add(4, 0, 100, 200));
    EXPECT_EQ(subs->CountUsed(0), 1);
    f.Reset();
    EXPECT_EQ(subs->CountUsed(0), 0);
}

TEST(SubstitutionRecord, RulesOfASubstitution) {
    CSubstitutionVars s;
    s.Reset(2);
    EXPECT_FALSE(s.Add(1, 0, 7, 7));
    EXPECT_TRUE(s.Add(1, 0, 10, 20));
    EXPECT_FALSE(s.Add(2, 0, 30, 10));  // a player taken off cannot come back
    EXPECT_TRUE(s.Add(2, 0, 30, 40));
    EXPECT_FALSE(s.CanSubstitute(0));
    EXPECT_FALSE(s.Add(3, 0, 50, 60));  // all allowed used
    EXPECT_TRUE(s.CanSubstitute(1));
    EXPECT_TRUE(s.Add(3, 1, 50, 60));
    EXPECT_EQ(s.GetPlayerOff(5), 50);
    EXPECT_TRUE(s.WasTakenOff(30));
    s.Reset(-1);
    EXPECT_EQ(s.GetAllowed(), 2);
    s.Reset(9);
    EXPECT_EQ(s.GetAllowed(), 5);
}

TEST(AggressionTable, CardCounts) {
    CAggressionList table;
    ASSERT_EQ(table.GetSize(), 10);
    platform::SeedRandom(5);
    int maxLevel0 = 0;
    for (int i = 0; i < 100000; ++i) {
        int b = table.GetBookingCount(0);
        EXPECT_TRUE(b == 1 || b == 2);
        maxLevel0 = std::max(maxLevel0, b);
        for (int level = 0; level < 6; ++level) ASSERT_EQ(table.GetSendingOffCount(level), 0);
        int s9 = table.GetSendingOffCount(9);
        ASSERT_TRUE(s9 >= 2 && s9 <= 5);
    }
    EXPECT_EQ(maxLevel0, 2);  // only at the generator's top value
    EXPECT_EQ(table.GetBookingCount(42), 0);
}

TEST(MatchVariables, ResetAndTwists) {
    CMatchVars v;
    platform::SeedRandom(1);
    int twisted = 0;
    for (int i = 0; i < 3000; ++i) {
        v.Reset();
        EXPECT_EQ(v.m_Bias[0], 4);
        EXPECT_EQ(v.m_InjuredSlot, 65535);
        twisted += v.m_Twist[0] || v.m_Twist[1];
    }
    EXPECT_GT(twisted, 40);
    EXPECT_LT(twisted, 170);  // about one match in thirty
    v.AddGoal(0, 9);
    v.AddBooking(1, 3);
    v.SetSentOff(1, 4);
    v.SwapSlots(0, 9, 12);
    EXPECT_EQ(v.GetCounter(CMatchVars::kGoals, 0, 12), 1);
    EXPECT_EQ(v.GetCounter(CMatchVars::kGoalsAndAssists, 0, 9), 0);
    EXPECT_TRUE(v.IsBooked(1, 3));
    EXPECT_TRUE(v.IsSentOff(1, 4));
    v.AppendWeights(0, 5, 1);
    v.AppendWeights(0, 7, 1);
    EXPECT_EQ(v.m_WeightSums[0].GetAt(1), 12u);
    v.m_PlannedBookings = {7, 5};
    v.DivideCardPlanByThree();
    EXPECT_EQ(v.m_PlannedBookings[0], 2);
}

}  // namespace
