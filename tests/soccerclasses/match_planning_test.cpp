// Preparation, side strengths, goal planning and the fixture-only steps,
// on scripted raw values of the generator.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "support/match_world.h"

namespace {

using platform::ScopedRandomScript;
using testsupport::MatchWorld;

constexpr int kPlanningTop = 32767;

TEST(RandomScript, ScriptedValuesComeFirstAndLeaveTheStateAlone) {
    platform::SeedRandom(5);
    const uint32_t state = platform::RandomState();
    {
        ScopedRandomScript script({kPlanningTop, 0, 12});
        EXPECT_EQ(platform::Rand(), kPlanningTop);
        EXPECT_EQ(Random(11), 0);
        EXPECT_EQ(platform::Rand(), 12);
        EXPECT_EQ(platform::RandomState(), state);
        script.Push(kPlanningTop);
        EXPECT_EQ(script.Pending(), 1);
    }
    // The scope took its unused value with it.
    platform::SeedRandom(5);
    const int expected = platform::Rand();
    platform::SeedRandom(5);
    {
        ScopedRandomScript script({1, 2});
        ResetModuleState();
        EXPECT_EQ(script.Pending(), 0);
    }
    platform::SeedRandom(5);
    EXPECT_EQ(platform::Rand(), expected);
}

class Planning : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CMatchVars& MV() { return *W().GetMatchVars(); }
    CClub& Club(int offset) { return *W().GetClub(W().GetDivision(division)->GetFirstClub() + offset); }
    // A fixture whose strengths are set by hand and that has no clubs, so
    // that nothing but the strengths and the draws plans its goals.
    CFixture Bare(int homeAttack, int homeMidfield, int homeDefence, int awayAttack, int awayMidfield,
                  int awayDefence) {
        CFixture f(CFixture::kLeague, 0, 1, 5, 3, 0);
        MV().Reset();
        MV().SetClubs(-1, -1);
        MV().m_Twist = {0, 0};
        MV().m_Reputation = {50, 50};
        f.m_Strengths[3] = {uint8_t(homeAttack), uint8_t(awayAttack)};
        f.m_Strengths[2] = {uint8_t(homeMidfield), uint8_t(awayMidfield)};
        f.m_Strengths[1] = {uint8_t(homeDefence), uint8_t(awayDefence)};
        f.m_Strengths[0] = {50, 50};
        return f;
    }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(Planning, ScriptLengthIs91To95AndOnly95AtTheTopValue) {
    struct Case {
        int raw, length;
    } cases[] = {{kPlanningTop, 95}, {kPlanningTop - 1, 94}, {0, 91}};
    for (const Case& c : cases) {
        CFixture& f = world->LeagueFixture(division, 0, 1);
        f.m_Attendance = 1234;
        f.m_Date = std::string("before");
        CExtByteArray script;
        {
            // The twist draw, then the length (the referee comes from a filled rotation).
            ScopedRandomScript raw({kPlanningTop, c.raw});
            f.PrepareMatch(999, &script);
        }
        EXPECT_EQ(f.m_ScriptLength, c.length);
        EXPECT_EQ(script.GetSize(), c.length);
        // Slot 999 leaves the crowd and the date alone.
        EXPECT_EQ(f.m_Attendance, 1234);
        EXPECT_EQ(std::string(f.m_Date), "before");
    }
}

TEST_F(Planning, TenDefendersLeaveMidfieldAndAttackAtTheirFloor) {
    CClub& home = Club(0);
    for (int s = 1; s <= 10; ++s) home.GetPlayer(s)->Football().SetPosition(1, false);
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    MV().Reset();
    MV().LoadHomeClubSettings();
    MV().m_Aggression[0] = 4;
    MV().m_Bias[0] = 4;
    f.SetUpSide(0, 0);
    EXPECT_EQ(f.m_Strengths[2][0], 10);
    EXPECT_EQ(f.m_Strengths[3][0], 10);
    EXPECT_GT(f.m_Strengths[1][0], 10);
}

TEST_F(Planning, AggressionMovesEveryStrengthByATenthAtTheEnds) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    MV().Reset();
    MV().LoadHomeClubSettings();
    MV().m_Bias[0] = 4;
    int keeper[10] = {};
    for (int level : {0, 4, 9}) {
        MV().m_Aggression[0] = uint8_t(level);
        f.SetUpSide(0, 0);
        keeper[level] = f.m_Strengths[0][0];
    }
    const int k = keeper[4];
    ASSERT_GT(k, 10);
    EXPECT_EQ(keeper[9], k + k / 10);
    EXPECT_EQ(keeper[0], k - k / 10);
}

TEST_F(Planning, GoalTargetsFollowTheStrengths) {
    struct Case {
        int attack, midfield, defence;
        bool extraTime;
        int home, away;
    } cases[] = {
        {60, 60, 60, false, 4, 2},  // the home side's level lines cost the away side one
        {60, 60, 60, true, 1, 0},   // a third in extra time
        {10, 10, 99, false, -1, -2},  // -2 and -3, halved for an attack below 15
    };
    for (const Case& c : cases) {
        CFixture f = Bare(c.attack, c.midfield, c.defence, c.attack, c.midfield, c.defence);
        f.m_ExtraTime = c.extraTime;
        CExtByteArray script;
        script.SetSizeAndFill(95, 0);
        {
            // Draws of 2 out of 3 and of 5 change nothing.
            ScopedRandomScript raw({kPlanningTop / 2, kPlanningTop / 3});
            f.SetGoalTargets(0, &script);
        }
        EXPECT_EQ(MV().m_GoalTargets[0], c.home) << c.attack << (c.extraTime ? " extra time" : "");
        EXPECT_EQ(MV().m_GoalTargets[1], c.away);
        if (c.home < 1) {
            EXPECT_EQ(script.Count(1) + script.Count(2), 0);
        }
    }
}

TEST_F(Planning, ReplanningLeavesThePastAndTheLastMinuteAlone) {
    CFixture f = Bare(99, 99, 50, 99, 99, 50);
    CExtByteArray script;
    script.SetSizeAndFill(95, 0);
    for (int i = 0; i <= 50; ++i) script.SetAt(i, 7);
    platform::SeedRandom(3);
    f.FillScriptFrom(50, &script);
    for (int i = 0; i <= 50; ++i) EXPECT_EQ(script.GetAt(i), 7) << i;
    EXPECT_GT(script.Count(1) + script.Count(2), 0);
    // At minute 94 of 95 nothing is planned and nothing drawn.
    CExtByteArray before = script;
    const uint32_t state = platform::RandomState();
    f.FillScriptFrom(94, &script);
    EXPECT_TRUE(script == before);
    EXPECT_EQ(platform::RandomState(), state);
}

TEST_F(Planning, AComputerSideFourGoalsUpEasesOff) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    MV().Reset();
    MV().m_Twist = {0, 0};
    MV().m_Aggression = {7, 7};
    f.m_Strengths[3] = {99, 10};
    f.m_Strengths[2] = {99, 10};
    f.m_Strengths[1] = {99, 10};
    CExtByteArray script;
    script.SetSizeAndFill(95, 0);
    f.FillScriptFrom(0, &script);
    EXPECT_EQ(MV().m_Aggression[0], 0);
    EXPECT_EQ(MV().m_Aggression[1], 7);
}

TEST_F(Planning, CardCountsOfTheAggressionTable) {
    const CAggressionList& table = W().GetAggressionList();
    {
        ScopedRandomScript raw({0, kPlanningTop});
        EXPECT_EQ(table.GetBookingCount(0), 1);
        EXPECT_EQ(table.GetBookingCount(0), 2);
    }
    platform::SeedRandom(4);
    for (int level = 0; level < 6; ++level)
        for (int i = 0; i < 50; ++i) EXPECT_EQ(table.GetSendingOffCount(level), 0);
}

TEST_F(Planning, ShotsAreWorkedInIntWithEachTwist) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    MV().Reset();
    const int slot = 9;
    const int shooter = Club(0).GetPlayer(slot)->GetMatchAttacking();
    f.m_Strengths[0] = {80, 80};
    struct Case {
        uint8_t homeTwist, awayTwist;
        int raw;
    } cases[] = {{0, 0, kPlanningTop}, {0, 0, 0}, {1, 0, kPlanningTop}, {1, 0, kPlanningTop / 2}, {2, 0, kPlanningTop / 2},
                 {0, 1, kPlanningTop / 2}, {0, 2, kPlanningTop / 2}, {1, 0, 20000}};
    for (const Case& c : cases) {
        MV().m_Twist = {c.homeTwist, c.awayTwist};
        int s = shooter, k = 80;
        if (c.homeTwist == 1) s *= 2;
        if (c.homeTwist == 2) s /= 2;
        if (c.awayTwist == 1) k *= 2;
        if (c.awayTwist == 2) k /= 2;
        const bool expected = static_cast<int>(c.raw / 32767.0 * (s + k + 20)) > k;
        ScopedRandomScript raw({c.raw});
        EXPECT_EQ(f.TakeShot(0, slot, 255, 0), expected) << int(c.homeTwist) << int(c.awayTwist) << " " << c.raw;
    }
}

TEST_F(Planning, PickShooterNeverTakesAWeightOfNoughtOrAManWhoCannotPlay) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    MV().ClearWeights(0);
    // Slots 1..10: only 2 and 4 have weight, and 4 has been sent off.
    for (int s = 1; s <= 10; ++s) MV().AppendWeights(0, s == 2 || s == 4 ? 50 : 0, 1);
    Club(0).GetPlayer(4)->m_MatchStatus = CPlayer::kMatchSentOff;
    platform::SeedRandom(9);
    for (int i = 0; i < 300; ++i) EXPECT_EQ(f.PickShooter(0), 2);
    // Both out of play: nobody shoots.
    Club(0).GetPlayer(2)->m_MatchStatus = CPlayer::kMatchSentOff;
    EXPECT_EQ(f.PickShooter(0), 0);
    MV().ClearWeights(0);
    EXPECT_EQ(f.PickShooter(0), 0);
}

TEST_F(Planning, StatisticsCapPossessionAndCountFreeKicks) {
    platform::SeedRandom(12);
    for (int i = 0; i < 200; ++i) {
        CFixture f = Bare(50, 99, 50, 50, 10, 50);
        f.m_Bookings = {uint8_t(i % 3), uint8_t(i % 2)};
        f.CalcStatistics();
        EXPECT_LE(f.m_HomePossession, 76);
        EXPECT_DOUBLE_EQ(f.m_AwayPossession, 100 - f.m_HomePossession);
        const int b = f.m_Bookings[1];
        const int p = static_cast<int>(f.m_HomePossession);
        const int base = f.m_FreeKicks[0] - f.m_Offsides[1] - f.m_SendingsOff[1];
        EXPECT_GE(base, 2 * std::max(b, 1));
        EXPECT_LE(base, b == 0 ? p + 4 + 2 : p + 4 * b + 2 * b);
        EXPECT_GE(f.m_Offsides[0], 3);
    }
}

TEST_F(Planning, InjuryChancesByAggression) {
    const int expected[10] = {0, 0, 0, 1, 1, 1, 1, 1, 2, 3};
    for (int level = 0; level < 10; ++level) EXPECT_EQ(CFixture::GetChanceCount(uint8_t(level)), expected[level]);
    EXPECT_EQ(CFixture::GetChanceCount(10), 0);
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    ScopedRandomScript raw({kPlanningTop});  // Random(10) > 4: no injury
    EXPECT_EQ(f.TryInjury(0), 0);
}

TEST_F(Planning, ShootoutStopsOnlyWhenOutOfReach) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    f.m_Strengths[0] = {50, 50};
    ScopedRandomScript raw;
    for (int i = 0; i < 5; ++i) {
        raw.Push(kPlanningTop);  // home scores
        raw.Push(0);     // away misses
    }
    f.PlayPenaltyShootout();
    // 3-0 after three rounds goes on; 4-0 after four ends.
    EXPECT_EQ(f.CountHomeShootoutGoals(), 4);
    EXPECT_EQ(f.CountAwayShootoutGoals(), 0);
    EXPECT_EQ(raw.Pending(), 2);
    EXPECT_EQ(f.GetShootoutWinner(), 0);
}

TEST_F(Planning, AShootoutAgainstAnEmptyListGoesToTheHomeSide) {
    CFixture& f = world->LeagueFixture(division, 0, 1);
    MV().SetClubs(f.m_Home, f.m_Away);
    for (int s = 1; s <= 10; ++s) Club(1).GetPlayer(s)->m_MatchStatus = CPlayer::kMatchSentOff;
    ScopedRandomScript raw({0, 0, 0, 0, 0});  // five home misses
    f.PlayPenaltyShootout();
    EXPECT_EQ(f.CountHomeShootoutGoals(), 1);
    EXPECT_EQ(f.CountAwayShootoutGoals(), 0);
    EXPECT_EQ(f.GetShootoutWinner(), 0);
}

}  // namespace
