// What a human manager sets on the tactics editor reaches his club's match:
// the captain and the set-piece takers hold the club's designated places
// and take the penalties and free kicks; each player's own aggression and
// attacking bias weigh in his cards and his shots.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using testsupport::MatchWorld;
using testsupport::ScopedMatchDriver;
using testsupport::ScriptedMatchDriver;

class MatchRoles : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        // Club 0's manager is the user of slot 0; his sheet numbers the
        // squad in slot order, so team-sheet position p is slot p - 1.
        CClub& club = Club(0);
        W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1;
        user = W().GetUserList().GetAt(0);
        user->SetManagerIndex(club.GetManager());
        user->ResetSelection();
        ASSERT_EQ(club.GetHumanManager(), user);
        for (int s = 0; s < 16; ++s) {
            CPlayer* p = club.GetPlayer(s);
            ASSERT_NE(p, nullptr);
            p->m_Injury = -1;
            ASSERT_TRUE(p->IsAvailable()) << s;
        }
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    CMatchPlay& Engine() { return *W().GetMatchPlay(); }
    // Plays a league match of clubs 0 and 1; `atKickOff` runs before the
    // first minute.
    CFixture& RolesPlay(uint32_t seed, const std::function<void(CMatchPlay&)>& atKickOff,
                        const std::function<void(CMatchPlay&)>& everyMinute = {}) {
        platform::SeedRandom(seed);
        CFixture& f = world->LeagueFixture(division, 0, 1);
        ScriptedMatchDriver driver;
        bool first = true;
        driver.onMinute = [&](CMatchPlay& e) {
            if (first && atKickOff) atKickOff(e);
            first = false;
            if (everyMinute) everyMinute(e);
        };
        ScopedMatchDriver scope(&driver);
        Engine().PlayLeagueMatch(&f, &Div(), "League");
        return f;
    }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
    CHumanManager* user = nullptr;
};

// Captain 4, attacking free kicks 9, defensive 7, corners 8 and 11: the
// designated places 0 to 3 hold numbers 4, 9, 8 and 11, and number 9 takes
// the penalties the engine takes for the club.
TEST_F(MatchRoles, TheNamedCaptainAndTakersHoldTheClubsDesignatedPlaces) {
    for (uint32_t seed : {3u, 8u, 21u}) {
        SCOPED_TRACE(seed);
        user->m_TacticSliders = {4, 9, 7, 8, 11};
        // The match before may have left a man hurt or banned.
        for (int s = 0; s < 16; ++s) {
            Club(0).GetPlayer(s)->m_Injury = -1;
            Club(0).GetPlayer(s)->m_Suspension = 0;
        }
        std::array<int32_t, 4> expected{};
        for (int d = 0; d < 4; ++d) expected[size_t(d)] = Club(0).GetPlayerId(std::array{3, 8, 7, 10}[size_t(d)]);
        bool checked = false;
        RolesPlay(seed, [&](CMatchPlay& e) {
            checked = true;
            for (int d = 0; d < 4; ++d) EXPECT_EQ(Club(0).GetDesignatedPlayer(d), expected[size_t(d)]) << "place " << d;
            EXPECT_EQ(e.GetFixture()->GetPenaltyTakerSlot(0), 8) << "number 9 takes the club's penalties";
            EXPECT_EQ(Club(0).GetRolePlayerSlot(2), 6) << "number 7 takes the defensive free kicks";
        });
        EXPECT_TRUE(checked);
    }
}

// A named player who cannot play leaves his place to the club's own draw;
// so does a role outside the team sheet's range.
TEST_F(MatchRoles, ANamedPlayerWhoIsOutLeavesHisPlaceToTheDraw) {
    user->m_TacticSliders = {1, 9, 7, 14, 1};
    CPlayer* nine = Club(0).GetPlayer(8);
    const int32_t nineId = Club(0).GetPlayerId(8);
    const int injury = W().GetInjuryList().NewInjury();
    W().GetInjuryList().GetAt(injury)->SetSeverity(100);
    nine->m_Injury = injury;
    ASSERT_FALSE(nine->IsAvailable());
    EXPECT_EQ(Club(0).GetRolePlayerSlot(1), -1);
    EXPECT_EQ(Club(0).GetRolePlayerSlot(3), -1) << "position 14 is not in the eleven";
    EXPECT_EQ(Club(0).GetRolePlayerSlot(4), -1) << "the keeper takes no corners";
    EXPECT_EQ(Club(0).GetRolePlayerSlot(0), 0) << "the keeper may be captain";
    Club(0).RefreshMatchRoles();
    EXPECT_EQ(Club(0).GetDesignatedPlayer(0), Club(0).GetPlayerId(0));
    EXPECT_NE(Club(0).GetDesignatedPlayer(1), nineId);
    // A computer club keeps its draws.
    CClub& other = Club(1);
    other.RefreshMatchRoles();
    EXPECT_EQ(other.GetRolePlayerSlot(0), -1);
}

// The attacking free-kick taker shoots every free kick at goal, the
// defensive one takes the others.
TEST_F(MatchRoles, TheNamedFreeKickTakersTakeTheHumanSidesFreeKicks) {
    user->m_TacticSliders = {4, 9, 7, 8, 11};
    std::map<int, std::set<int>> takers;  // shot at goal or not -> slots
    RolesPlay(5, [&](CMatchPlay& e) {
        for (int k = 0; k < 200; ++k) {
            e.FreeKick(0);
            const int cls = (e.GetEventCode() - matchevent::kFreeKick) / 2;
            takers[cls >= 3 ? 1 : 0].insert(e.GetCurrentPlayerSlot());
        }
    });
    EXPECT_EQ(takers[0], std::set<int>{6}) << "number 7";
    EXPECT_EQ(takers[1], std::set<int>{8}) << "number 9";
}

// A player's own aggression stands in for his temper in the draw of the
// cards, and his own attacking bias scales his share of the side's shots.
TEST_F(MatchRoles, APlayersOwnAggressionAndBiasWeighInHisCardsAndShots) {
    CClub& club = Club(0);
    const int formation = club.GetTacticIndex();
    auto& aggression = user->m_Instructions[0][size_t(formation)];
    auto& bias = user->m_Instructions[1][size_t(formation)];
    // Number 6 (slot 5) is the hothead and the shooter; number 7 (slot 6)
    // the calm one who stays back.
    aggression.fill(0);
    bias.fill(0);
    aggression[4] = 5;
    aggression[5] = 1;
    bias[4] = 5;
    bias[5] = 1;
    EXPECT_EQ(club.GetIndividualInstruction(0, 5), 5);
    EXPECT_EQ(club.GetIndividualInstruction(1, 6), 1);
    EXPECT_EQ(club.GetIndividualInstruction(0, 0), 0) << "the keeper has none";
    aggression[0] = 7;
    EXPECT_EQ(club.GetIndividualInstruction(0, 1), 0) << "a value outside 1 to 5 is the team's";
    aggression[0] = 0;

    const auto shooting = [&](int slot) {
        return static_cast<double>(W().GetMatchVars()->m_ShootingWeights[0].GetAt(slot - 1));
    };
    std::array<double, 2> withOwn{}, without{};
    std::array<int, 2> cardsOwn{}, cardsWithout{};
    const auto own = aggression;
    const auto ownBias = bias;
    RolesPlay(9, [&](CMatchPlay& e) {
        CFixture& f = *e.GetFixture();
        for (int pass = 0; pass < 2; ++pass) {
            aggression = pass == 0 ? own : decltype(own){};
            bias = pass == 0 ? ownBias : decltype(ownBias){};
            f.SetUpSide(0, e.GetMinute());
            (pass == 0 ? withOwn : without) = {shooting(5), shooting(6)};
            auto& cards = pass == 0 ? cardsOwn : cardsWithout;
            for (int k = 0; k < 600; ++k) {
                const int slot = f.GiveCard(0, 0, 10);
                if (slot == 5) ++cards[0];
                if (slot == 6) ++cards[1];
                // A booked man is drawn no more: each draw starts afresh.
                if (slot >= 0) Club(0).GetPlayer(slot)->m_MatchStatus = 0;
            }
        }
    });
    ASSERT_GT(without[0], 0);
    ASSERT_GT(without[1], 0);
    EXPECT_NEAR(withOwn[0], without[0] * 1.5, 1.0) << "an attacking bias shoots more";
    EXPECT_NEAR(withOwn[1], without[1] * 0.5, 1.0) << "a defensive bias shoots less";
    EXPECT_GT(cardsOwn[0], cardsWithout[0]) << "the highest aggression is booked more";
    EXPECT_LT(cardsOwn[1], cardsWithout[1]) << "the lowest less";
}

// A player's own passing style stands in for the team's where the side's
// passing counts: in the planning of its goals.
TEST_F(MatchRoles, APlayersOwnPassingStyleCountsInTheSidesPassing) {
    CClub& club = Club(0);
    auto& passing = user->m_Instructions[2][size_t(club.GetTacticIndex())];
    struct Case {
        std::array<int32_t, 10> own;
        int team, played;
    };
    const Case cases[] = {
        {{}, 4, 4},                               // everyone follows the team
        {{5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 0, 9},   // all the longest
        {{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}, 4, 2},   // half the shortest: (0 + 4) / 2
        {{3, 3, 3, 0, 0, 0, 0, 0, 0, 0}, 9, 8},   // (3 * 5 + 7 * 9) / 10 = 7.8
        {{9, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 5, 5},   // a damaged value is the team's
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 12, 12}, // a damaged team style stays
    };
    for (const Case& c : cases) {
        passing = c.own;
        EXPECT_EQ(club.GetPlayedPassingStyle(c.team), c.played) << c.team << " " << c.own[0];
    }
    passing = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    EXPECT_EQ(Club(1).GetPlayedPassingStyle(3), 3) << "a computer club plays the team's";

    // The goal plan: the home side's target moves by the difference of the
    // goal terms of the longest and the shortest style.
    RolesPlay(4, [&](CMatchPlay& e) {
        CFixture& f = *e.GetFixture();
        CMatchVars& mv = *W().GetMatchVars();
        f.m_Strengths = {{{50, 50}, {40, 60}, {70, 50}, {30, 60}}};
        mv.m_Twist = {0, 0};
        mv.m_PassingStyle[0] = 4;
        const auto planned = [&](int32_t own) {
            passing.fill(own);
            platform::SeedRandom(77);
            f.SetGoalTargets(static_cast<uint8_t>(e.GetMinute()), nullptr);
            return int(mv.m_GoalTargets[0]);
        };
        const int longest = planned(5), shortest = planned(1), team = planned(0);
        ASSERT_NE(f.GetTacticGoalTerm(0, 9), f.GetTacticGoalTerm(0, 0));
        EXPECT_EQ(longest - shortest, f.GetTacticGoalTerm(0, 9) - f.GetTacticGoalTerm(0, 0));
        EXPECT_EQ(team - shortest, f.GetTacticGoalTerm(0, 4) - f.GetTacticGoalTerm(0, 0));
    });
}

}  // namespace
