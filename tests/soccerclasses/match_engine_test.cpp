// The engine object played through the scripted stand-in for the match
// screen.
#include <gtest/gtest.h>

#include <set>
#include <map>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using testsupport::CountEvents;
using testsupport::MatchWorld;
using testsupport::ScopedMatchDriver;
using testsupport::ScriptedMatchDriver;

class MatchEngine : public ::testing::Test {
protected:
    void SetUp() override {
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CMatchPlay& Engine() { return *W().GetMatchPlay(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CMatchVars& MV() { return *W().GetMatchVars(); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    void MakeHuman(CClub& club) { W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1; }
    // Plays a league match of clubs 0 and 1 on the driver.
    CFixture& PlayLeague(ScriptedMatchDriver& driver, uint32_t seed, int home = 0, int away = 1) {
        platform::SeedRandom(seed);
        CFixture& f = world->LeagueFixture(division, home, away);
        ScopedMatchDriver scope(&driver);
        Engine().PlayLeagueMatch(&f, &Div(), "League");
        return f;
    }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(MatchEngine, PlaysNinetyMinutesWithBreaksAndStoppageTime) {
    ScriptedMatchDriver driver;
    std::vector<int> stoppage;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() == 45) stoppage.push_back(e.GetStoppagePlayed());
    };
    CFixture& f = PlayLeague(driver, 3);
    EXPECT_EQ(driver.opened, 1);
    EXPECT_EQ(driver.breaks, 1);  // half time only
    EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
    // Minute 45 is played again for each stoppage minute, 1 to 5 of them.
    const int at45 = static_cast<int>(std::count(driver.minutesSeen.begin(), driver.minutesSeen.end(), 45));
    EXPECT_GE(at45, 2);
    EXPECT_LE(at45, 6);
    EXPECT_EQ(std::count(driver.minutesSeen.begin(), driver.minutesSeen.end(), 46), 0);
    for (uint8_t s : driver.statesSeen) EXPECT_LE(s, 1);
    EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9}));
    EXPECT_EQ(f.m_AwayGoals, CountEvents(f, {2, 8, 10}));
    EXPECT_GE(f.m_ShotsOn[0], f.m_HomeGoals);
    EXPECT_DOUBLE_EQ(f.m_HomePossession + f.m_AwayPossession, 100.0);
}

TEST_F(MatchEngine, HalfTimeWaitsForTheNextPeriod) {
    struct Driver : ScriptedMatchDriver {
        int minuteAtBreak = -1, afterResume = -1, stillBreak = 0;
        bool PumpOne(CMatchPlay& e) override {
            if (e.IsHalfTime() && minuteAtBreak < 0) {
                minuteAtBreak = e.GetMinute();
                // Nothing moves while the break lasts.
                stillBreak = e.IsHalfTime() && e.GetMinute() == 45;
                e.StartNextPeriod();
                afterResume = e.GetMinute();
                return true;
            }
            return ScriptedMatchDriver::PumpOne(e);
        }
    } driver;
    PlayLeague(driver, 5);
    EXPECT_EQ(driver.minuteAtBreak, 45);
    EXPECT_EQ(driver.stillBreak, 1);
    EXPECT_EQ(driver.afterResume, 46);
}

TEST_F(MatchEngine, ARule254LeagueMatchLevelAtNinetyGoesToTheShootout) {
    Div().m_PointsRule = 254;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        ScriptedMatchDriver driver;
        std::vector<uint8_t> states;
        CFixture& f = PlayLeague(driver, seed);
        if (f.m_HomeGoals != f.m_AwayGoals) continue;
        EXPECT_EQ(f.m_ExtraTime, 0);
        EXPECT_TRUE(f.m_Events.HasShootout()) << seed;
        EXPECT_NE(f.CountHomeShootoutGoals(), f.CountAwayShootoutGoals());
        EXPECT_EQ(std::count(driver.statesSeen.begin(), driver.statesSeen.end(), CMatchPlay::kExtraTime), 0);
        // 0 through the ninety, then the shoot-out at once; 4 once left.
        EXPECT_TRUE(std::is_sorted(driver.statesSeen.begin(), driver.statesSeen.end()));
        EXPECT_EQ(driver.statesSeen.front(), CMatchPlay::kNormalTime);
        EXPECT_EQ(driver.statesSeen.back(), CMatchPlay::kShootout);
        EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
        return;
    }
    FAIL() << "no level match";
}

TEST_F(MatchEngine, Rule255LevelGoesToExtraTimeOf125Minutes) {
    Div().m_PointsRule = 255;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        ScriptedMatchDriver driver;
        int maxMinute = 0;
        bool sawExtraState = false;
        driver.onMinute = [&](CMatchPlay& e) {
            maxMinute = std::max(maxMinute, e.GetMinute());
            sawExtraState = sawExtraState || e.GetState() == CMatchPlay::kExtraTime;
        };
        CFixture& f = PlayLeague(driver, seed);
        if (!f.m_ExtraTime) continue;
        EXPECT_EQ(f.m_ScriptLength, 125);
        EXPECT_TRUE(sawExtraState);
        EXPECT_EQ(driver.breaks, 3);  // half time, before extra time, its half time
        EXPECT_GE(maxMinute, 119);
        // 0, then 2 through extra time (the screen's answer to 1), then 3.
        EXPECT_TRUE(std::is_sorted(driver.statesSeen.begin(), driver.statesSeen.end()));
        EXPECT_EQ(driver.statesSeen.front(), CMatchPlay::kNormalTime);
        EXPECT_EQ(driver.statesSeen.back(), CMatchPlay::kShootout);
        EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
        if (f.m_HomeGoals == f.m_AwayGoals) {
            EXPECT_TRUE(f.m_Events.HasShootout());
        }
        return;
    }
    FAIL() << "no match went to extra time";
}

TEST_F(MatchEngine, FastPlayAtAnyMinuteFinishesTheMatch) {
    for (int at : {1, 44, 45, 60, 90}) {
        ScriptedMatchDriver driver;
        int changesAfter = 0;
        driver.onMinute = [&](CMatchPlay& e) {
            if (e.GetMinute() >= at && !e.IsFast()) {
                e.PlayToEnd();
                const int before = e.GetHomeBias();
                const int settings[5] = {e.GetHomePassingStyle(), e.GetAwayAggression(), e.GetHomeOffsideTrap(),
                                         e.GetAwayOnTheBreak(), e.GetCurrentFormation(0)};
                e.SetHomeBias(before == 9 ? 0 : 9);
                e.SetHomePassingStyle(settings[0] == 9 ? 0 : 9);
                e.SetAwayAggression(settings[1] == 9 ? 0 : 9);
                e.ToggleHomeOffsideTrap();
                e.ToggleAwayOnTheBreak();
                e.SetHomeFormation(e.GetCurrentFormation(0) == 0 ? 1 : 0);
                changesAfter += e.GetHomeBias() != before;
                changesAfter += e.GetHomePassingStyle() != settings[0] || e.GetAwayAggression() != settings[1] ||
                                e.GetHomeOffsideTrap() != settings[2] || e.GetAwayOnTheBreak() != settings[3] ||
                                e.GetCurrentFormation(0) != settings[4];
                EXPECT_EQ(e.Substitute(0, 5, 12), 0);
            }
        };
        CFixture& f = PlayLeague(driver, 20 + static_cast<uint32_t>(at));
        EXPECT_EQ(changesAfter, 0) << at;
        // Each break was resumed a minute on, so the step reached full time.
        EXPECT_GE(Engine().GetMinute(), 90) << at;
        EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
        EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9}));
        EXPECT_GT(f.m_Attendance, 0);
    }
}

TEST_F(MatchEngine, FastPlayDuringABreakFinishesTheMatch) {
    for (int breakAt : {45, 90, 105}) {
        Div().m_PointsRule = breakAt == 45 ? 3 : 255;
        struct Driver : ScriptedMatchDriver {
            int at = 45, pressedAt = -1;
            bool PumpOne(CMatchPlay& e) override {
                if (e.IsHalfTime() && e.GetMinute() == at && pressedAt < 0) {
                    pressedAt = e.GetMinute();
                    e.PlayToEnd();
                    return true;
                }
                return ScriptedMatchDriver::PumpOne(e);
            }
        };
        bool pressed = false;
        for (uint32_t seed = 1; seed < 60 && !pressed; ++seed) {
            Driver driver;
            driver.at = breakAt;
            // Level at the ninety's whistle, so that extra time comes.
            driver.onMinute = [](CMatchPlay& e) {
                if (e.GetMinute() >= 85 && e.GetMinute() <= 90)
                    e.GetFixture()->m_AwayGoals = e.GetFixture()->m_HomeGoals;
            };
            CFixture& f = PlayLeague(driver, seed);
            if (driver.pressedAt < 0) continue;
            pressed = true;
            EXPECT_TRUE(Engine().HasEnded());
            EXPECT_GE(Engine().GetMinute(), breakAt == 45 ? 90 : 120) << breakAt;
            EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9}));
            // A tie still level after extra time was settled by its shoot-out.
            if (f.m_ExtraTime && f.m_HomeGoals == f.m_AwayGoals) {
                EXPECT_TRUE(f.m_Events.HasShootout());
            }
        }
        EXPECT_TRUE(pressed) << breakAt;
    }
}

TEST_F(MatchEngine, QuittingMidMatchStillGivesACompleteFixture) {
    ScriptedMatchDriver driver;
    driver.quitAfter = 30;
    CFixture& f = PlayLeague(driver, 8);
    EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
    EXPECT_LT(driver.minutesPlayed, 40);
    EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9}));
    EXPECT_TRUE(Engine().HasEnded());
    EXPECT_GT(f.m_ManOfTheMatch, -1);
}

TEST_F(MatchEngine, SubstituteAnswersAsTheScreenReadsIt) {
    MakeHuman(Club(0));
    ScriptedMatchDriver driver;
    std::vector<int> answers;
    uint16_t wentOff = 0, cameOn = 0;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() != 10) return;
        wentOff = Club(0).GetPlayerId(5);
        cameOn = Club(0).GetPlayerId(12);
        answers.push_back(e.Substitute(0, 12, 5));  // bench row first: one comes on
        answers.push_back(e.Substitute(0, 3, 4));   // two on the pitch change places
        answers.push_back(e.Substitute(0, 12, 13)); // two on the bench
        answers.push_back(e.Substitute(0, 6, 12));  // the man taken off cannot come back
        answers.push_back(e.Substitute(0, 6, 13));
        answers.push_back(e.Substitute(0, 7, 14));
        answers.push_back(e.Substitute(0, 8, 15));  // beyond the three allowed
        EXPECT_EQ(e.GetHomeSubstitutesUsed(), 3);
        EXPECT_TRUE(e.IsHomePlayerSubstituted(12));
        // One line a substitution, the first for the first change; a line
        // out of range leaves the text as it was.
        std::string line;
        e.GetHomeSubstitutionText(line, 0);
        EXPECT_EQ(line.rfind("(10), ", 0), 0u) << line;
        EXPECT_NE(line.find(W().GetPlayer(wentOff)->GetName()), std::string::npos) << line;
        e.GetHomeSubstitutionText(line, 2);
        std::string kept = "kept";
        e.GetHomeSubstitutionText(kept, 3);
        EXPECT_EQ(kept, "kept");
        e.GetAwaySubstitutionText(kept, 0);
        EXPECT_EQ(kept, "kept");
        EXPECT_EQ(e.GetHomeMatchPlayerName(5), Club(0).GetPlayer(5)->Person().GetSurname());
        EXPECT_EQ(e.GetHomeTeamName(), Club(0).GetName());
        EXPECT_EQ(e.GetFixtureTitle(), "League");
    };
    CFixture& f = PlayLeague(driver, 4);
    EXPECT_EQ(answers, (std::vector<int>{1, 2, 0, 0, 1, 1, 0}));
    // Who took part, and for how long; the man taken off waits in bench slot 11.
    EXPECT_EQ(W().GetPlayer(wentOff)->m_MinutesLastMatch, 10);
    EXPECT_EQ(W().GetPlayer(cameOn)->m_MinutesLastMatch, f.m_ScriptLength - 10);
    EXPECT_EQ(Club(0).GetPlayerId(11), wentOff);
}

TEST_F(MatchEngine, AFormationChangeIsReplannedAfterThreeMinutes) {
    MakeHuman(Club(0));
    ScriptedMatchDriver driver;
    int delay = -1, formation = -1, clubFormation = -1;
    const int start = Club(0).GetTacticIndex();
    const int other = start == 1 ? 2 : 1;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() == 10) {
            e.SetHomeFormation(other);
            delay = e.GetReplanDelay();
            formation = e.GetCurrentFormation(0);
            clubFormation = Club(0).GetTacticIndex();
        }
    };
    PlayLeague(driver, 6);
    EXPECT_EQ(delay, 3);
    EXPECT_EQ(formation, other);
    EXPECT_EQ(clubFormation, other);
    // Played for eighty minutes, the new formation was played longest.
    EXPECT_EQ(Engine().GetLongestFormation(0), other);
    EXPECT_EQ(Club(0).GetTacticIndex(), start);
}

TEST_F(MatchEngine, TheHumanSideFollowsTheHomeClub) {
    struct Case {
        bool homeHuman, awayHuman;
        int side;
    } cases[] = {{true, false, 0}, {false, true, 1}, {false, false, 1}, {true, true, 0}};
    for (const Case& c : cases) {
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        if (c.homeHuman) MakeHuman(Club(0));
        if (c.awayHuman) MakeHuman(Club(1));
        ScriptedMatchDriver driver;
        int side = -1;
        driver.onMinute = [&](CMatchPlay& e) { side = e.GetHumanSide(); };
        PlayLeague(driver, 2);
        EXPECT_EQ(side, c.side);
    }
}

TEST_F(MatchEngine, ComputerSubstitutionsComeFromMinute61WithAPause) {
    int total = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        ScriptedMatchDriver driver;
        std::vector<std::pair<int, int>> subs;  // minute, side
        int lastHome = 0, lastAway = 0;
        driver.onMinute = [&](CMatchPlay& e) {
            if (e.GetHomeSubstitutesUsed() > lastHome) subs.push_back({e.GetMinute(), 0});
            if (e.GetAwaySubstitutesUsed() > lastAway) subs.push_back({e.GetMinute(), 1});
            lastHome = e.GetHomeSubstitutesUsed();
            lastAway = e.GetAwaySubstitutesUsed();
        };
        PlayLeague(driver, seed);
        EXPECT_LE(lastHome, 3);
        EXPECT_LE(lastAway, 3);
        total += static_cast<int>(subs.size());
        for (const auto& [minute, side] : subs) {
            (void)side;
            // A substitution for injury may come earlier; planned ones from 61.
            if (minute < 61) continue;
            EXPECT_GE(minute, 61);
        }
    }
    EXPECT_GT(total, 0);
}

TEST_F(MatchEngine, AwayKitFollowsTheColourTable) {
    CClub& home = Club(0);
    CClub& away = Club(1);
    // Find colours that clash and colours that do not.
    int clashA = -1, clashB = -1, okA = -1, okB = -1;
    for (int a = 0; a < 16; ++a)
        for (int b = 0; b < 16; ++b) {
            if (!CWorldData::IsPositionCompatible(a, b) && clashA < 0) clashA = a, clashB = b;
            if (CWorldData::IsPositionCompatible(a, b) && okA < 0) okA = a, okB = b;
        }
    ASSERT_GE(clashA, 0);
    ASSERT_GE(okA, 0);
    ScriptedMatchDriver driver;
    driver.quitAfter = 0;
    PlayLeague(driver, 1);
    CMatchPlay& e = Engine();
    home.HomeKit().bytes[3] = static_cast<uint8_t>(okA);
    away.AwayKit().bytes[3] = static_cast<uint8_t>(okB);
    away.HomeKit().bytes[6] = 77;
    away.AwayKit().bytes[6] = 88;
    MV().SetClubs(Div().GetFirstClub(), Div().GetFirstClub() + 1);
    EXPECT_EQ(e.GetAwayKitByte(6), 88);  // compatible second kit is worn
    away.AwayKit().bytes[3] = static_cast<uint8_t>(clashB);
    home.HomeKit().bytes[3] = static_cast<uint8_t>(clashA);
    EXPECT_EQ(e.GetAwayKitByte(6), 77);  // a clash: the first kit
    away.HomeKit().bytes[3] = static_cast<uint8_t>(clashB);
    EXPECT_EQ(e.GetAwayKitByte(6), 77);  // both clash: still the first kit
}

}  // namespace

namespace {

// Screen matches with a human manager changing things at random minutes.
TEST_F(MatchEngine, ScreenMatchesWithRandomChangesKeepTheirInvariants) {
    MakeHuman(Club(0));
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        ScriptedMatchDriver driver;
        // The test's own choices come from their own sequence, apart from the engine's.
        uint32_t mine = seed * 2654435761u;
        auto pick = [&](int n) {
            mine = mine * 1103515245u + 12345u;
            return static_cast<int>((mine >> 16) % static_cast<uint32_t>(n));
        };
        const int fastAt = seed % 3 == 0 ? 20 + pick(100) : 1000;
        std::set<uint16_t> takenOff;
        int comeBack = 0;
        driver.onMinute = [&](CMatchPlay& e) {
            const int m = e.GetMinute();
            if (m >= fastAt && !e.IsFast()) e.PlayToEnd();
            if (e.IsFast()) return;
            // Re-plans start from the real figures: predictions never pile up.
            EXPECT_LT(e.GetScript().Count(17) + e.GetScript().Count(18), 40) << seed << " minute " << m;
            switch (pick(12)) {
                case 0: e.SetHomeBias(pick(10)); break;
                case 1: e.SetHomePassingStyle(pick(10)); break;
                case 2: e.SetHomeAggression(pick(10)); break;
                case 3: e.ToggleHomeOnTheBreak(); break;
                case 4: e.SetHomeFormation(pick(10)); break;
                case 5: {
                    const int out = 1 + pick(10), in = 11 + pick(5);
                    const uint16_t off = Club(0).GetPlayerId(out), on = Club(0).GetPlayerId(in);
                    if (e.Substitute(0, in, out) == 1) {
                        takenOff.insert(off);
                        comeBack += takenOff.count(on) != 0;
                    }
                    break;
                }
                default: break;
            }
        };
        // Scorers' goals: each scorer of types 1, 2, 9 and 10 counts his goal. A
        // man who stood in goal counts the goals he let in instead, so the
        // keepers are left out by where they played, not by their position (a
        // keeper may play outfield for a human side).
        std::set<const CPlayer*> inGoal;
        std::map<const CPlayer*, int> goalsBefore;
        for (int c = 0; c < 2; ++c)
            for (int s = 0; s < 30; ++s)
                if (const CPlayer* p = Club(c).GetPlayer(s)) goalsBefore[p] = p->m_SeasonGoals;
        auto scored = [&] {
            int n = 0;
            for (const auto& [p, before] : goalsBefore)
                if (!inGoal.count(p)) n += p->m_SeasonGoals - before;
            return n;
        };
        const auto onMinute = driver.onMinute;
        driver.onMinute = [&, onMinute](CMatchPlay& e) {
            for (int c = 0; c < 2; ++c)
                if (const CPlayer* k = Club(c).GetPlayer(0)) inGoal.insert(k);
            onMinute(e);
        };
        CFixture& f = PlayLeague(driver, seed);
        EXPECT_EQ(scored(), CountEvents(f, {1, 2, 9, 10})) << seed;
        EXPECT_EQ(f.m_HomeGoals, CountEvents(f, {1, 7, 9})) << seed;
        EXPECT_EQ(f.m_AwayGoals, CountEvents(f, {2, 8, 10})) << seed;
        EXPECT_EQ(f.m_Bookings[0], CountEvents(f, {3}));
        EXPECT_EQ(f.m_Bookings[1], CountEvents(f, {4}));
        EXPECT_EQ(f.m_SendingsOff[0], CountEvents(f, {5}));
        EXPECT_EQ(f.m_SendingsOff[1], CountEvents(f, {6}));
        EXPECT_LT(f.m_Events.GetSize(), 150);
        EXPECT_GE(f.m_ShotsOn[0], f.m_HomeGoals);
        EXPECT_GE(f.m_ShotsOn[1], f.m_AwayGoals);
        EXPECT_GE(f.m_HomePossession, 0);
        EXPECT_LE(f.m_HomePossession, 100);
        EXPECT_DOUBLE_EQ(f.m_HomePossession + f.m_AwayPossession, 100.0);
        EXPECT_LE(Engine().GetHomeSubstitutesUsed(), 3);
        EXPECT_LE(Engine().GetAwaySubstitutesUsed(), 3);
        EXPECT_EQ(comeBack, 0);
        std::set<std::string> off;
        for (int i = 0; i < f.m_Events.GetSize(); ++i) {
            const CMatchEvent& e = *f.m_Events.GetAt(i);
            if (e.m_Minute == CMatchEvent::kShootoutMinute) continue;
            EXPECT_EQ(off.count(e.m_Name), 0u) << "seed " << seed << " " << e.m_Name;
            if (e.m_Type == 5 || e.m_Type == 6) off.insert(e.m_Name);
        }
    }
}

TEST_F(MatchEngine, FastPlayAtAShootoutDueKicksItWithTheComputersKickers) {
  for (uint8_t rule : {uint8_t(254), uint8_t(255)}) {
    MakeHuman(Club(0));
    Div().m_PointsRule = rule;
    struct Driver : ScriptedMatchDriver {
        bool pressed = false;
        bool PumpOne(CMatchPlay& e) override {
            if (e.HasEnded() && e.IsShootoutDue() && !pressed) {
                pressed = true;
                e.PlayToEnd();
                return true;
            }
            return ScriptedMatchDriver::PumpOne(e);
        }
    };
    bool found = false;
    for (uint32_t seed = 1; seed < 60 && !found; ++seed) {
        Driver driver;
        // Level from minute 85 on, so that the whistle finds a tie.
        driver.onMinute = [](CMatchPlay& e) {
            if (e.GetMinute() >= 85) e.GetFixture()->m_AwayGoals = e.GetFixture()->m_HomeGoals;
        };
        CFixture& f = PlayLeague(driver, seed);
        if (!driver.pressed) continue;
        found = true;
        EXPECT_EQ(Engine().GetMinute() >= 120, rule == 255);
        EXPECT_TRUE(f.m_Events.HasShootout());
        EXPECT_NE(f.CountHomeShootoutGoals(), f.CountAwayShootoutGoals());
    }
    EXPECT_TRUE(found) << "no shoot-out under rule " << int(rule);
  }
}

}  // namespace

namespace {

TEST_F(MatchEngine, ACupTieThatNeedsItGoesToExtraTimeAndAReplayRoundNeverToPenalties) {
    for (uint8_t replaySlot : {CCupRound::kNoReplay, uint8_t(40)}) {
        CCupRound round;
        round.m_Kind = 1;
        round.m_ReplaySlot = replaySlot;
        bool checked = false;
        for (uint32_t seed = 1; seed < 80 && !checked; ++seed) {
            ScriptedMatchDriver driver;
            platform::SeedRandom(seed);
            world->RefillRotations();
            CFixture f(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub()),
                       static_cast<int16_t>(Div().GetFirstClub() + 1), 5, 3, 0);
            {
                ScopedMatchDriver scope(&driver);
                Engine().PlayCupTie(&f, nullptr, &round, "Cup");
            }
            if (!f.m_ExtraTime) {
                EXPECT_NE(f.m_HomeGoals, f.m_AwayGoals) << seed;
                continue;
            }
            checked = true;
            EXPECT_EQ(f.m_ScriptLength, 125);
            const bool level = f.m_HomeGoals == f.m_AwayGoals;
            EXPECT_EQ(f.m_Events.HasShootout(), level && replaySlot == CCupRound::kNoReplay) << seed;
        }
        EXPECT_TRUE(checked) << int(replaySlot);
    }
}

}  // namespace

namespace {

TEST_F(MatchEngine, ScorerLinesHoldTheGoalsOnly) {
    int goals = 0, checks = 0;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        ScriptedMatchDriver driver;
        driver.onMinute = [&](CMatchPlay& e) {
            const CFixture& f = *e.GetFixture();
            EXPECT_EQ(e.GetScorerLineCount(0), f.m_HomeGoals) << seed << " minute " << e.GetMinute();
            EXPECT_EQ(e.GetScorerLineCount(1), f.m_AwayGoals);
            if (f.m_HomeGoals > 0) {
                EXPECT_EQ(e.GetHomeScorerLine(0).rfind("(", 0), 0u);
                EXPECT_NE(e.GetHomeScorers().find(e.GetHomeScorerLine(0)), std::string::npos);
            }
            ++checks;
        };
        CFixture& f = PlayLeague(driver, seed);
        goals += f.m_HomeGoals + f.m_AwayGoals;
    }
    EXPECT_GT(goals, 0);
    EXPECT_GT(checks, 0);
}

}  // namespace
