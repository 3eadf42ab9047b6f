// The engine's finer rules: computer substitutions and their pause, the
// aggression table on every line, injuries, the extra time's cards, the
// penalty taker, the loops that must end, empty slots, the screen's
// shoot-out and the latest scores.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/referee.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using platform::ScopedRandomScript;
using testsupport::MatchWorld;
using testsupport::ScopedMatchDriver;
using testsupport::ScriptedMatchDriver;

constexpr int kChecksTop = 32767;

class MatchChecks : public ::testing::Test {
protected:
    void SetUp() override { Build(); }
    void TearDown() override { world.reset(); }
    void Build() {
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
    }
    CWorldData& W() { return world->World(); }
    CMatchVars& MV() { return *W().GetMatchVars(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    CMatchPlay& Engine() { return *W().GetMatchPlay(); }
    void MakeHuman(CClub& club) { W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1; }
    CFixture& PlayLeague(ScriptedMatchDriver& driver, uint32_t seed) {
        platform::SeedRandom(seed);
        CFixture& f = world->LeagueFixture(division, 0, 1);
        ScopedMatchDriver scope(&driver);
        Engine().PlayLeagueMatch(&f, &Div(), "League");
        return f;
    }
    // The home side prepared as at kick-off, without a match being played.
    CFixture& PreparedHomeSide() {
        CFixture& f = world->LeagueFixture(division, 0, 1);
        MV().SetClubs(f.m_Home, f.m_Away);
        MV().Reset();
        Club(0).PickMatchSquad(5);
        Club(1).PickMatchSquad(5);
        MV().LoadHomeClubSettings();
        MV().LoadAwayClubSettings();
        return f;
    }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(MatchChecks, ComputerSubstitutionsWaitForMinute61AndPauseEightMinutes) {
    MakeHuman(Club(0));
    int chosen = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        ScriptedMatchDriver driver;
        std::array<std::vector<uint16_t>, 2> onPitch;
        std::array<int, 2> used{0, 0};
        int lastComputerStep = -100;
        auto snapshot = [&](int side) {
            std::vector<uint16_t> ids;
            for (int s = 0; s <= 10; ++s) ids.push_back(Club(side).GetPlayerId(s));
            return ids;
        };
        driver.onMinute = [&](CMatchPlay& e) {
            // What happened in the minute just played (step minutesPlayed - 1).
            const int step = driver.minutesPlayed - 1;
            const int code = e.GetEventCode();
            for (int side = 0; side < 2; ++side) {
                const int now = side == 0 ? e.GetHomeSubstitutesUsed() : e.GetAwaySubstitutesUsed();
                if (now > used[static_cast<size_t>(side)] && !onPitch[static_cast<size_t>(side)].empty()) {
                    const bool injuryEvent = code >= matchevent::kInjuryReplaced && code <= 188;
                    // The human side is changed by the engine only for an injury.
                    if (side == 0) {
                        EXPECT_TRUE(injuryEvent) << "seed " << seed << " minute " << e.GetMinute() << " code " << code;
                    }
                    // The man who went off: fit ones go only in the planned changes.
                    const std::vector<uint16_t> after = snapshot(side);
                    for (uint16_t id : onPitch[static_cast<size_t>(side)]) {
                        if (std::find(after.begin(), after.end(), id) != after.end()) continue;
                        const CPlayer* off = W().GetPlayer(id);
                        if (side == 1 && !injuryEvent && off && off->GetInjurySeverity() <= 30) {
                            ++chosen;
                            EXPECT_GE(e.GetMinute(), 61) << "seed " << seed;
                            EXPECT_GE(step - lastComputerStep, 8) << "seed " << seed << " minute " << e.GetMinute();
                        }
                    }
                    if (side == 1 && !injuryEvent) lastComputerStep = step;
                }
                used[static_cast<size_t>(side)] = now;
                onPitch[static_cast<size_t>(side)] = snapshot(side);
            }
        };
        CFixture& f = PlayLeague(driver, seed);
        EXPECT_LE(Engine().GetHomeSubstitutesUsed(), f.m_SubsAllowed);
        EXPECT_LE(Engine().GetAwaySubstitutesUsed(), f.m_SubsAllowed);
    }
    EXPECT_GT(chosen, 0);
}

TEST_F(MatchChecks, AggressionMovesDefenceMidfieldAndAttackByATenth) {
    CFixture& f = PreparedHomeSide();
    MV().m_Bias[0] = 4;
    // A computer side's lines are the sums of its players' abilities.
    int line[4] = {0, 0, 0, 0};
    for (int s = 1; s <= 10; ++s) {
        const CPlayer* p = Club(0).GetPlayer(s);
        if (p && p->CanPlay() && p->GetPosition() >= 1 && p->GetPosition() <= 3)
            line[p->GetPosition()] += p->GetMatchAbility();
    }
    struct Case {
        int level, sign;
    } cases[] = {{9, 1}, {0, -1}, {4, 0}};
    for (const Case& c : cases) {
        MV().m_Aggression[0] = static_cast<uint8_t>(c.level);
        f.SetUpSide(0, 0);
        auto moved = [&](int x) { return x + c.sign * (x / 10); };
        EXPECT_EQ(f.m_Strengths[1][0], std::clamp(moved(line[1]) / 4, 10, 99)) << c.level;
        EXPECT_EQ(f.m_Strengths[2][0], std::clamp(moved(line[2]) / 3, 10, 99)) << c.level;
        EXPECT_EQ(f.m_Strengths[3][0], std::clamp(moved(line[3]) / 3, 10, 99)) << c.level;
    }
}

TEST_F(MatchChecks, TheKeeperIsHurtOnlyOnTheRareDraw) {
    CFixture& f = PreparedHomeSide();
    const int kOne = 32767 / 60 * 3 / 2;  // Random(60) == 1
    {
        // Random(10) = 0, Random(60) = 1: the keeper is the one hurt.
        ScopedRandomScript raw({0, kOne});
        EXPECT_EQ(f.TryInjury(0), 1);
    }
    EXPECT_EQ(MV().m_InjuredSlot, 0);
    EXPECT_NE(Club(0).GetPlayer(0)->GetInjury(), nullptr);
    // A keeper already out cannot be hurt again.
    while (!Club(0).GetPlayer(0)->IsInjured()) Club(0).GetPlayer(0)->Injure(Club(0), 4);
    ScopedRandomScript raw({0, kOne});
    EXPECT_EQ(f.TryInjury(0), 0);
}

TEST_F(MatchChecks, ExtraTimePlansAThirdOfTheCards) {
    CFixture& f = PreparedHomeSide();
    std::array<int, 4> planned[2];
    for (int extra = 0; extra < 2; ++extra) {
        f.m_ExtraTime = static_cast<uint8_t>(extra);
        f.m_Bookings = {0, 0};
        f.m_SendingsOff = {0, 0};
        MV().m_Aggression = {9, 9};
        CExtByteArray script;
        script.SetSizeAndFill(95, 0);
        platform::SeedRandom(77);
        f.AddAggressionEvents(0, &script);
        planned[extra] = {MV().m_PlannedBookings[0], MV().m_PlannedBookings[1], MV().m_PlannedSendingsOff[0],
                          MV().m_PlannedSendingsOff[1]};
    }
    EXPECT_GT(planned[0][0] + planned[0][1], 2);
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(planned[1][k], planned[0][k] / 3) << k;
}

TEST_F(MatchChecks, APenaltyTakerWhoCannotPlayLeavesItToAnother) {
    CFixture& f = PreparedHomeSide();
    f.SetUpSide(0, 0);
    Club(0).SetDesignatedPlayer(1, Club(0).GetPlayerId(9));
    EXPECT_EQ(f.GetPenaltyTakerSlot(0), 9);
    Club(0).GetPlayer(9)->m_MatchStatus = CPlayer::kMatchSentOff;
    platform::SeedRandom(5);
    for (int i = 0; i < 50; ++i) {
        const int taker = f.GetPenaltyTakerSlot(0);
        EXPECT_NE(taker, 9);
        EXPECT_TRUE(f.SideCanPlay(0, taker)) << taker;
    }
    const int scorer = f.AwardPenalty(0, 30);
    EXPECT_NE(scorer, 9);
    EXPECT_EQ(f.m_HomeGoals, 1);
}

TEST_F(MatchChecks, PlanningAndPickingEndWhenNothingIsLeft) {
    CFixture& f = PreparedHomeSide();
    f.SetUpSide(0, 0);
    f.SetUpSide(1, 0);
    // A script whose only quiet minute is past, or that has none, takes
    // nothing more, and the placing ends.
    for (int quiet : {0, -1}) {
        CExtByteArray busy;
        busy.SetSizeAndFill(95, 7);
        if (quiet >= 0) busy.SetAt(quiet, 0);
        MV().m_Aggression = {9, 9};
        f.SetGoalTargets(1, &busy);
        f.AddAggressionEvents(1, &busy);
        EXPECT_EQ(busy.Count(7), quiet >= 0 ? 94 : 95);
    }
    // Nobody else on the pitch can help: no assistant.
    for (int s = 1; s <= 10; ++s)
        if (s != 9) Club(0).GetPlayer(s)->m_MatchStatus = CPlayer::kMatchSentOff;
    EXPECT_EQ(f.PickOtherPlayer(0, 9), -1);
}

TEST_F(MatchChecks, AnEmptySlotInTheFirstElevenTakesNoPart) {
    CFixture& f = PreparedHomeSide();
    int empty = -1;
    for (int s = 11; s < kSquadSlots && empty < 0; ++s)
        if (Club(0).GetPlayerId(s) == kEmptySlot) empty = s;
    ASSERT_GE(empty, 0);
    Club(0).SwapSquadSlots(5, empty);
    ASSERT_EQ(Club(0).GetPlayer(5), nullptr);
    f.SetUpSide(0, 0);
    EXPECT_EQ(MV().m_ShootingWeights[0].GetAt(4), 0u);
    platform::SeedRandom(6);
    for (int i = 0; i < 200; ++i) {
        EXPECT_NE(f.PickShooter(0), 5);
        EXPECT_NE(f.GetPenaltyTakerSlot(0), 5);
    }
    for (int i = 0; i < 20; ++i) EXPECT_NE(f.GiveCard(0, 0, static_cast<uint8_t>(10 + i)), 5);
}

TEST_F(MatchChecks, TheHomeSidesExtraKickWithoutKickersCarriesItsKeepersName) {
    CFixture& f = PreparedHomeSide();
    f.m_Strengths[0] = {50, 50};
    for (int s = 1; s <= 10; ++s) Club(0).GetPlayer(s)->m_MatchStatus = CPlayer::kMatchSentOff;
    ScopedRandomScript raw({0, 0, 0, 0, 0});  // five away misses
    f.PlayPenaltyShootout();
    ASSERT_EQ(f.CountHomeShootoutGoals(), 1);
    EXPECT_EQ(f.CountAwayShootoutGoals(), 0);
    std::string name;
    for (int i = 0; i < f.m_Events.GetSize(); ++i)
        if (f.m_Events.GetAt(i)->m_Type == CMatchEvent::kHomeShootoutGoal) name = f.m_Events.GetAt(i)->m_Name;
    EXPECT_EQ(name, Club(0).GetPlayer(0)->GetName());
}

TEST_F(MatchChecks, TheChosenKickersTakeTheScreensShootoutAndTheOtherSideIsCompleted) {
    MakeHuman(Club(0));
    MakeHuman(Club(1));
    Div().m_PointsRule = 254;
    const std::vector<int> chosen{10, 9, 8, 7, 6};
    for (uint32_t seed = 1; seed < 80; ++seed) {
        ScriptedMatchDriver driver;
        driver.kickers = chosen;
        // Level at the whistle, so the rule-254 match goes to its shoot-out.
        driver.onMinute = [](CMatchPlay& e) {
            if (e.GetMinute() >= 85) e.GetFixture()->m_AwayGoals = e.GetFixture()->m_HomeGoals;
        };
        CFixture& f = PlayLeague(driver, seed);
        if (!f.m_Events.HasShootout()) continue;
        CMatchPlay& e = Engine();
        // Only the home side chose; the away side kicked too.
        // The first scored kick of each side among those taken: a shoot-out
        // stops once one side's tally is out of the other's reach, and the
        // kicks planned after that are never taken.
        int homeKick = -1, awayKick = -1;
        int goals[2] = {0, 0}, taken[2] = {0, 0};
        bool decided = false;
        for (int k = 0; k < 5 && !decided; ++k) {
            for (int side = 0; side < 2 && !decided; ++side) {
                ++taken[side];
                if ((side == 0 ? e.GetHomeShootoutKick(k) : e.GetAwayShootoutKick(k)) == 0) {
                    ++goals[side];
                    int& first = side == 0 ? homeKick : awayKick;
                    if (first < 0) first = k;
                }
                decided = goals[0] > goals[1] + (5 - taken[1]) || goals[1] > goals[0] + (5 - taken[0]);
            }
        }
        std::vector<std::string> home, away;
        for (int i = 0; i < f.m_Events.GetSize(); ++i) {
            const CMatchEvent& ev = *f.m_Events.GetAt(i);
            if (ev.m_Type == CMatchEvent::kHomeShootoutGoal) home.push_back(ev.m_Name);
            if (ev.m_Type == CMatchEvent::kAwayShootoutGoal) away.push_back(ev.m_Name);
        }
        if (homeKick >= 0) {
            ASSERT_FALSE(home.empty());
            EXPECT_EQ(home[0], Club(0).GetPlayer(chosen[static_cast<size_t>(homeKick)])->GetName()) << seed;
        }
        for (const std::string& n : home) {
            bool one = false;
            for (int s : chosen) one = one || Club(0).GetPlayer(s)->GetName() == n;
            EXPECT_TRUE(one) << n;
        }
        if (awayKick >= 0) {
            EXPECT_FALSE(away.empty()) << seed;
        }
        for (const std::string& n : away) {
            bool outfield = false;
            for (int s = 2; s <= 10; ++s) outfield = outfield || Club(1).GetPlayer(s)->GetName() == n;
            EXPECT_TRUE(outfield) << n;
        }
        EXPECT_NE(f.CountHomeShootoutGoals(), f.CountAwayShootoutGoals());
        return;
    }
    FAIL() << "no shoot-out";
}

TEST_F(MatchChecks, TheLatestScoresComeFromTheOtherMatchesOfTheDay) {
    // Today's league day: the match played and two others.
    CFixtureList& day = Div().m_Fixtures;
    const auto club = [&](int k) { return static_cast<int16_t>(Div().GetFirstClub() + k); };
    for (int k = 0; k < 6; k += 2) ASSERT_TRUE(day.AddFixture(CFixture::kLeague, club(k), club(k + 1), 5, 3, 0, -1));
    for (int i = 0; i < day.GetSize(); ++i) day.GetAt(i)->m_Date = W().GetDateText();
    CFixture* played = day.GetAt(day.GetSize() - 3);
    CFixture* other = day.GetAt(day.GetSize() - 1);
    ScriptedMatchDriver driver;
    std::vector<CFixture*> related;
    std::string latest, before;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() != 30) return;
        related = e.GetRelatedFixtures();
        before = e.GetLatestScoresText();
        other->m_Events.Add(29, 1, "Scorer");
        latest = e.GetLatestScoresText();
    };
    platform::SeedRandom(4);
    {
        ScopedMatchDriver scope(&driver);
        Engine().PlayLeagueMatch(played, &Div(), "League");
    }
    EXPECT_EQ(related.size(), 2u);
    EXPECT_EQ(std::count(related.begin(), related.end(), played), 0);
    EXPECT_EQ(std::count(related.begin(), related.end(), other), 1);
    EXPECT_TRUE(before.empty()) << before;
    EXPECT_EQ(latest, other->GetHomeTeamName() + " 1 - 0 " + other->GetAwayTeamName());
}

TEST_F(MatchChecks, TheSecondLegKnowsEachSidesFirstLegGoals) {
    CCupRound round;
    round.m_Kind = 5;
    platform::SeedRandom(3);
    // The first leg was played the other way round and ended 3-1.
    CFixture first(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub() + 1),
                   static_cast<int16_t>(Div().GetFirstClub()), 5, 3, 0);
    first.m_HomeGoals = 3;
    first.m_AwayGoals = 1;
    CFixture second(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub()),
                    static_cast<int16_t>(Div().GetFirstClub() + 1), 5, 3, 0);
    ScriptedMatchDriver driver;
    int home = -1, away = -1;
    bool secondLeg = false;
    driver.onMinute = [&](CMatchPlay& e) {
        home = e.GetFirstLegGoals(0);
        away = e.GetFirstLegGoals(1);
        secondLeg = e.IsSecondLegTie();
    };
    {
        ScopedMatchDriver scope(&driver);
        Engine().PlayCupSecondLeg(&second, nullptr, &round, &first, "Cup");
    }
    EXPECT_TRUE(secondLeg);
    EXPECT_EQ(home, 1);
    EXPECT_EQ(away, 3);
}

TEST_F(MatchChecks, ThePlayerTakenOffIsTheWeakestWhoStartedAndCanPlay) {
    CFixture& f = PreparedHomeSide();
    f.SetUpSide(0, 0);
    const int minute = std::min(Engine().GetMinute(), 129);
    auto value = [&](int s) { return MV().GetPerformanceList(0).GetMinuteByte(s, minute); };
    auto weakest = [&](int position) {
        int best = -1;
        for (int s = 1; s <= 10; ++s) {
            const CPlayer* p = Club(0).GetPlayer(s);
            if (!p || !p->CanPlay() || p->GetPosition() == 0) continue;
            if (position >= 0 && p->GetPosition() != position) continue;
            if (best < 0 || value(s) <= value(best)) best = s;
        }
        return best;
    };
    const int first = Club(0).ChoosePlayerToTakeOff(0);
    ASSERT_GE(first, 1);
    EXPECT_EQ(first, weakest(-1));
    // A man sent off is not taken off; the next weakest is.
    Club(0).GetPlayer(first)->m_MatchStatus = CPlayer::kMatchSentOff;
    const int second = Club(0).ChoosePlayerToTakeOff(1);
    EXPECT_NE(second, first);
    EXPECT_EQ(second, weakest(-1));
    const int attacker = Club(0).ChoosePlayerToTakeOffByPosition(1, 3);
    if (attacker >= 0) {
        EXPECT_EQ(Club(0).GetPlayer(attacker)->GetPosition(), 3);
        EXPECT_EQ(attacker, weakest(3));
    }
    // The keeper is never chosen.
    EXPECT_EQ(Club(0).ChoosePlayerToTakeOffByPosition(1, 0), -1);
}

TEST_F(MatchChecks, PossessionIsCreditedToAPlayerWhoCanPlay) {
    CFixture& f = PreparedHomeSide();
    f.SetUpSide(0, 0);
    for (int s = 1; s <= 10; ++s)
        if (s != 6) Club(0).GetPlayer(s)->m_MatchStatus = CPlayer::kMatchSentOff;
    Club(0).GetPlayer(0)->m_MatchStatus = CPlayer::kMatchSentOff;
    const int before = MV().GetPerformanceList(0).GetMinuteByte(6, 40);
    platform::SeedRandom(8);
    for (int i = 0; i < 5; ++i) f.CreditPossession(0, 30);
    EXPECT_GT(MV().GetPerformanceList(0).GetMinuteByte(6, 40), before);
    // Nobody who can play: nothing, and no endless search.
    Club(0).GetPlayer(6)->m_MatchStatus = CPlayer::kMatchSentOff;
    f.CreditPossession(0, 31);
}

}  // namespace

namespace {

TEST_F(MatchChecks, AKeeperGoingOffTakesTheBenchKeeperElseAnOutfieldMan) {
    ScriptedMatchDriver driver;
    int withKeeper = -2, withoutKeeper = -2, benchKeeper = -1, last = 0;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() != 20) return;
        CClub& away = Club(1);
        last = 10 + e.GetFixture()->m_SubsNamed;
        // A keeper on the bench, for the first question.
        for (int s = 11; s <= last && benchKeeper < 0; ++s)
            if (away.GetPlayer(s) && away.GetPlayer(s)->IsAvailable()) benchKeeper = s;
        ASSERT_GE(benchKeeper, 0);
        const int wasPosition = away.GetPlayer(benchKeeper)->GetPosition();
        for (int s = 11; s <= last; ++s)
            if (away.GetPlayer(s) && away.GetPlayer(s)->GetPosition() == 0 && s != benchKeeper)
                away.GetPlayer(s)->Football().SetPosition(1, false);
        away.GetPlayer(benchKeeper)->Football().SetPosition(0, false);
        withKeeper = e.ChooseSubstitute(1, 0);
        // Without one, the outfield rules choose: for a keeper who is out
        // injured, any outfield man of the bench.
        away.GetPlayer(benchKeeper)->Football().SetPosition(1, false);
        for (int k = 0; k < 50 && !away.GetPlayer(0)->IsInjured(); ++k) away.GetPlayer(0)->Injure(away, 4);
        ASSERT_TRUE(away.GetPlayer(0)->IsInjured());
        withoutKeeper = e.ChooseSubstitute(1, 0);
        away.GetPlayer(benchKeeper)->Football().SetPosition(wasPosition, false);
    };
    PlayLeague(driver, 5);
    EXPECT_EQ(withKeeper, benchKeeper);
    EXPECT_GE(withoutKeeper, 11);
    EXPECT_LE(withoutKeeper, last);
}

}  // namespace

namespace {

TEST_F(MatchChecks, FastPlayWhileAPenaltyWaitsForItsTakerStillTakesIt) {
    MakeHuman(Club(0));
    struct Driver : ScriptedMatchDriver {
        int outcome = -1, before = 0, after = 0;
        bool PumpOne(CMatchPlay& e) override {
            if (e.GetPendingPenaltySide() == 0 && outcome < 0) {
                outcome = e.GetPendingPenaltyOutcome();
                before = e.GetFixture()->m_HomeGoals;
                e.PlayToEnd();  // pressed before choosing the taker
                after = e.GetFixture()->m_HomeGoals;
                return true;
            }
            return ScriptedMatchDriver::PumpOne(e);
        }
    };
    int scoredSeen = 0;
    for (uint32_t seed = 1; seed < 300 && scoredSeen == 0; ++seed) {
        Driver driver;
        CFixture& f = PlayLeague(driver, seed);
        if (driver.outcome < 0) continue;
        EXPECT_LT(Engine().GetPendingPenaltySide(), 0);
        int homeGoals = 0;
        for (int i = 0; i < f.m_Events.GetSize(); ++i) homeGoals += f.m_Events.GetAt(i)->IsHomeGoal();
        EXPECT_EQ(homeGoals, f.m_HomeGoals) << seed;
        if (driver.outcome != 0) continue;
        ++scoredSeen;
        // The penalty the engine had already scored counts, before play goes on.
        EXPECT_GE(driver.after, driver.before + 1) << seed;
    }
    EXPECT_GT(scoredSeen, 0);
}

}  // namespace

namespace {

TEST_F(MatchChecks, AReplayLevelAfterExtraTimeIsSettledOnPenalties) {
    CCupRound round;
    round.m_Kind = 1;
    round.m_ReplaySlot = 40;
    const auto home = static_cast<int16_t>(Div().GetFirstClub()), away = static_cast<int16_t>(home + 1);
    ASSERT_TRUE(round.m_Ties.AddFixture(CFixture::kCupHome, home, away, 5, 3, 0, -1));
    ASSERT_TRUE(round.m_Replays.AddFixture(CFixture::kCupHome, away, home, 5, 3, 0, -1));
    for (bool replay : {false, true}) {
        CFixture& f = *(replay ? round.m_Replays : round.m_Ties).GetAt(0);
        ScriptedMatchDriver driver;
        // Level at the end of the ninety and of extra time.
        driver.onMinute = [](CMatchPlay& e) {
            const int m = e.GetMinute();
            if ((m >= 85 && m <= 90) || m >= 115) e.GetFixture()->m_AwayGoals = e.GetFixture()->m_HomeGoals;
        };
        platform::SeedRandom(replay ? 12 : 11);
        world->RefillRotations();
        {
            ScopedMatchDriver scope(&driver);
            Engine().PlayCupTie(&f, nullptr, &round, "Cup");
        }
        EXPECT_EQ(f.m_ExtraTime, 1) << replay;
        EXPECT_EQ(f.m_Events.HasShootout(), replay);
        if (replay) {
            EXPECT_NE(f.CountHomeShootoutGoals(), f.CountAwayShootoutGoals());
        }
    }
}

}  // namespace

namespace {

TEST_F(MatchChecks, AKeeperSentOffKeepsTheSidesKeeperByte) {
    CFixture& f = PreparedHomeSide();
    MV().m_Aggression[0] = 4;
    MV().m_Bias[0] = 4;
    f.SetUpSide(0, 0);
    const int before = f.m_Strengths[0][0];
    ASSERT_GT(before, 0);
    EXPECT_EQ(before, Club(0).GetPlayer(0)->GetMatchGoalkeeping() & 0xFF);
    Club(0).GetPlayer(0)->m_MatchStatus = CPlayer::kMatchSentOff;
    f.SetUpSide(0, 30);
    EXPECT_EQ(f.m_Strengths[0][0], before);
}

}  // namespace

namespace {

TEST_F(MatchChecks, ALeagueMatchGetsARefereeOfItsDivision) {
    world->RefillRotations();
    std::set<int> seen;
    // A match day's worth of the division's matches, each from the rotation.
    for (int k = 0; k + 1 < Div().GetClubCount() && k < 8; k += 2) {
        CFixture& f = world->LeagueFixture(division, k, k + 1);
        CExtByteArray script;
        f.PrepareMatch(999, &script);
        const CSoccerReferee* r = f.GetReferee();
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->GetDivision(), division) << k;
        EXPECT_TRUE(seen.insert(f.m_Referee).second) << "referee " << f.m_Referee << " twice in a day";
    }
    EXPECT_GT(seen.size(), 1u);
}

}  // namespace

namespace {

TEST_F(MatchChecks, AGoalPlannedAfterSevenIsOftenDroppedWithoutTheScreen) {
    CFixture& f = PreparedHomeSide();
    f.SetUpSide(0, 0);
    f.SetUpSide(1, 0);
    CExtByteArray script;
    script.SetSizeAndFill(95, 0);
    script.SetAt(50, 1);
    f.m_HomeGoals = 4;
    f.m_AwayGoals = 3;
    {
        // Random(10) >= 3: the goal is dropped and nothing else is drawn.
        ScopedRandomScript raw({kChecksTop / 10 * 3 + 200});
        f.PlayScript(&script, 95);
        EXPECT_EQ(raw.Pending(), 0);
    }
    EXPECT_EQ(f.m_HomeGoals, 4);
    EXPECT_EQ(f.m_Events.GetSize(), 0);
    // Below 3 of 10 the attempt is made: a defender and a shooter are drawn.
    platform::SeedRandom(3);
    const uint32_t before = platform::RandomState();
    {
        ScopedRandomScript raw({0});
        f.PlayScript(&script, 95);
    }
    EXPECT_NE(platform::RandomState(), before);
}

}  // namespace
