// The rules across the start-up files that the match engine relies on, its
// texts, the referees' rotation, the cups' extra-time test and the engine's
// finer rules on the screen path.
#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchtexts.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/stadium.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using platform::ScopedRandomScript;
using testsupport::MatchWorld;
using testsupport::ScopedMatchDriver;
using testsupport::ScriptedMatchDriver;

TEST(MatchData, TheStartUpFilesKeepTheEnginesRules) {
    MatchWorld mw(3, [](int) { return true; });
    CWorldData& w = mw.World();
    // A borrowed club's crowd reads division-strength record 3.
    ASSERT_NE(w.GetDivisionStrengthList(), nullptr);
    EXPECT_GE(w.GetDivisionStrengthList()->GetSize(), 4);
    // Every ground holds at least 100, so capped and neutral crowds stay positive.
    ASSERT_GT(w.GetStadiumList().GetSize(), 0);
    for (int i = 0; i < w.GetStadiumList().GetSize(); ++i)
        EXPECT_GE(w.GetStadiumList().GetAt(i)->GetCapacity(), 100) << "stadium " << i;
    // Ticket prices stay below 99.9, where the crowd would be 1.
    for (int i = 0; i < w.GetPopularityList().GetSize(); ++i) {
        const CPopularity* p = w.GetPopularityList().GetAt(i);
        EXPECT_LT(p->m_TicketPriceBase + p->m_TicketPriceSpread, 99.9) << "popularity row " << i;
    }
    // Every league division has enough referees for a match day.
    std::vector<int> referees(static_cast<size_t>(w.GetDivisionList().GetSize()), 0);
    for (int r = 0; r < w.GetRefereeList().GetSize(); ++r) ++referees[w.GetReferee(r)->GetDivision()];
    for (int d = 0; d < w.GetDivisionList().GetSize(); ++d)
        EXPECT_GE(referees[static_cast<size_t>(d)], w.GetDivision(d)->GetClubCount() / 2 + 2) << "division " << d;
}

TEST(MatchTexts, EveryCommentaryIdHasItsText) {
    const unsigned ids[] = {98, 776, 866, 913, 961, 32881, 32883, 32884, 32885, 32886, 32887, 35000, 35001, 35002,
                            35003, 35004, 35040, 35041, 35060, 35061};
    for (unsigned id : ids) EXPECT_FALSE(platform::LoadString(id).empty()) << id;
    for (unsigned first : {881u, 887u, 894u, 900u, 906u, 35010u, 35015u, 35020u, 35030u})
        for (unsigned k = 0; k < (first >= 35010 && first < 35020 ? 5u : 6u); ++k)
            EXPECT_FALSE(platform::LoadString(first + k).empty()) << first + k;
    for (unsigned k = 0; k < 5; ++k) EXPECT_FALSE(platform::LoadString(35050 + k).empty());
    // The quoted texts, byte for byte.
    EXPECT_EQ(platform::LoadString(866), "(%1!d!) Penalty,  goal, %2!s! (%3!s!)");
    EXPECT_EQ(platform::LoadString(961), "(%1!d!), %3!s! for %2!s!");
    EXPECT_EQ(platform::LoadString(894), "GOAL to %1!s!! A fantastic free-kick by %2!s!.");
    EXPECT_EQ(platform::LoadString(900),
              "A fantastic finish by %2!s! but the goal won't stand. The linesman has spotted an infringement.");
    EXPECT_EQ(platform::LoadString(32881), "Good attempt by %2!s!(%1!s!) that was very nearly on target");
    EXPECT_EQ(platform::LoadString(35010), "*NEW* Home Corner, shot deflected");
    EXPECT_EQ(platform::LoadString(35019), "*NEW* Away Corner, shot on target saved");
    EXPECT_EQ(platform::LoadString(35040), "(%1!d!) Penalty saved, %2!s! (%3!s!)");
    EXPECT_EQ(platform::LoadString(35004), "(%1!d!) %2!s! (%3!s!) scores");
}

TEST(CupExtraTime, LevelScoresAndAggregates) {
    auto fixture = [](int h, int a) {
        CFixture f;
        f.m_HomeGoals = uint8_t(h);
        f.m_AwayGoals = uint8_t(a);
        return f;
    };
    struct Case {
        uint8_t kind;
        int h, a;
        int firstH, firstA;  // -1: no first leg
        bool needs;
    } cases[] = {
        {1, 1, 1, -1, -1, true},   {1, 2, 1, -1, -1, false}, {0, 1, 1, -1, -1, false}, {12, 0, 0, -1, -1, false},
        {5, 1, 0, 1, 0, true},     // 1-1 on aggregate
        {5, 2, 1, 1, 0, true},     // 2-2 on aggregate
        {5, 3, 1, 1, 0, false},
        {8, 1, 0, 1, 0, true},     // away goals level too
        {8, 2, 1, 1, 0, false},    // 2-2, but one away goal to none
        {8, 1, 1, 2, 0, false},    // 2-3 on aggregate
        {9, 1, 1, 1, 1, true},
        {9, 2, 2, 1, 1, false},    // 3-3, but two away goals to one
    };
    for (const Case& c : cases) {
        CCupRound round;
        round.m_Kind = c.kind;
        CFixture f = fixture(c.h, c.a);
        CFixture first = fixture(c.firstH, c.firstA);
        EXPECT_EQ(round.NeedsExtraTime(c.firstH < 0 ? nullptr : &first, f), c.needs)
            << int(c.kind) << " " << c.h << "-" << c.a;
    }
}

class MatchRules : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    CMatchPlay& Engine() { return *W().GetMatchPlay(); }
    void MakeHuman(CClub& club) { W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1; }
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

TEST_F(MatchRules, RefereesComeFromTheRotationAndRefereeNoughtCounts) {
    CCountry& country = *Club(0).GetCountry();
    ASSERT_GT(country.GetRefereeCount(), 0);
    country.RefillRefereeRotation();
    const int n = country.GetRotationSize();
    // Every referee of the division is picked once before anyone repeats.
    std::set<int> picked;
    for (int i = 0; i < n; ++i) {
        const int r = country.PickReferee(static_cast<uint16_t>(division));
        ASSERT_GE(r, 0);
        if (W().GetReferee(r)->GetDivision() == division) {
            EXPECT_TRUE(picked.insert(r).second) << r;
        }
    }
    // An empty rotation is refilled and the pick goes on.
    while (country.GetRotationSize() > 0) country.PickReferee(static_cast<uint16_t>(division));
    EXPECT_GE(country.PickReferee(static_cast<uint16_t>(division)), 0);
    // World referee 0 is a referee like any other.
    int zeroCountry = -1;
    for (int c = 0; c < W().GetCountryList().GetSize() && zeroCountry < 0; ++c) {
        CCountry& k = *W().GetCountry(c);
        k.RefillRefereeRotation();
        for (int i = 0; i < 3 * k.GetRefereeCount(); ++i)
            if (k.PickReferee(W().GetReferee(0)->GetDivision()) == 0) zeroCountry = c;
    }
    EXPECT_GE(zeroCountry, 0);
}

TEST_F(MatchRules, ANeutralVenueAndAFriendlyDrawTheirCrowds) {
    for (int seed = 1; seed < 30; ++seed) {
        platform::SeedRandom(static_cast<uint32_t>(seed));
        world->RefillRotations();
        CFixture& f = world->LeagueFixture(division, 0, 1);
        f.m_Kind = CFixture::kNeutral;
        f.m_Attendance = 40000;
        CExtByteArray script;
        const uint32_t before = static_cast<uint32_t>(Club(0).GetAverageAttendance());
        f.PrepareMatch(13, &script);
        EXPECT_GE(f.m_Attendance, 30000);
        EXPECT_LE(f.m_Attendance, 40000);
        // A friendly: capped below the ground's size and not credited.
        CFixture& g = world->LeagueFixture(division, 0, 1);
        g.m_Kind = CFixture::kFriendly;
        g.PrepareMatch(13, &script);
        EXPECT_LE(g.m_Attendance, Club(0).GetStadiumCapacity());
        EXPECT_EQ(static_cast<uint32_t>(Club(0).GetAverageAttendance()), before);
    }
}

TEST_F(MatchRules, FreeKicksAreCopiedAwayFirst) {
    ScriptedMatchDriver driver;
    CFixture& f = PlayLeague(driver, 14);
    EXPECT_EQ(f.m_FreeKicks[0], Engine().GetCount(CMatchPlay::kFreeKicks, 1));
    EXPECT_EQ(f.m_FreeKicks[1], Engine().GetCount(CMatchPlay::kFreeKicks, 0));
    EXPECT_EQ(f.m_ShotsOn[0], Engine().GetCount(CMatchPlay::kShotsOn, 0));
    // The possession minutes' shares, truncated, and the away side's the rest.
    const double h = Engine().GetPossessionMinutes(0), a = Engine().GetPossessionMinutes(1);
    ASSERT_GT(h + a, 0);
    EXPECT_EQ(f.m_HomePossession, static_cast<int>(100.0 * h / (h + a)));
    EXPECT_EQ(f.m_AwayPossession, 100 - f.m_HomePossession);
}

TEST_F(MatchRules, ABookedThenSentOffPlayerReportsSentOff) {
    ScriptedMatchDriver driver;
    int state = -1;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() != 20) return;
        CMatchVars& mv = *W().GetMatchVars();
        mv.AddBooking(0, 4);
        state = e.GetHomePlayerState(4) * 10;
        mv.SetSentOff(0, 4);
        state += e.GetHomePlayerState(4);
    };
    PlayLeague(driver, 9);
    EXPECT_EQ(state, 14);
}

TEST_F(MatchRules, TheSeventhQuietMinuteBecomesAnEvent) {
    ScriptedMatchDriver driver;
    std::vector<int> codes;
    driver.onMinute = [&](CMatchPlay& e) {
        if (e.GetMinute() == 30) {
            e.SetQuietMinutes(6);
            e.Script().SetAt(31, 0);
        }
        if (e.GetMinute() == 31) codes.push_back(e.GetEventCode());
    };
    PlayLeague(driver, 10);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_NE(codes[0], 0);
}

TEST_F(MatchRules, ForcedGoalAttemptsOnlyBetweenTwoHumanClubs) {
    for (bool both : {false, true}) {
        world.reset();
        world = std::make_unique<MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        MakeHuman(Club(0));
        if (both) MakeHuman(Club(1));
        Div().m_PointsRule = 254;
        ScriptedMatchDriver driver;
        int forced = 0;
        driver.onMinute = [&](CMatchPlay& e) {
            CFixture& f = *e.GetFixture();
            const int m = e.GetMinute();
            // The minute just played, which the step found quiet.
            if (m > 85 && m <= 89) forced += e.GetScript().GetAt(m) == 1 || e.GetScript().GetAt(m) == 2;
            if (m >= 85 && m < 89) {
                // Level, and nothing planned for the coming minute.
                f.m_AwayGoals = f.m_HomeGoals;
                e.Script().SetAt(m + 1, 0);
            }
        };
        PlayLeague(driver, 21);
        EXPECT_EQ(forced, both ? 4 : 0) << both;  // minutes 86 to 89
    }
}

TEST_F(MatchRules, AnInjuredPlayerIsReplacedAndTheEventSaysSo) {
    for (uint32_t seed = 1; seed < 400; ++seed) {
        ScriptedMatchDriver driver;
        int code = 0, usedBefore = 0, usedAfter = 0;
        driver.onMinute = [&](CMatchPlay& e) {
            if (code >= matchevent::kInjuryPending) return;
            usedAfter = e.GetHomeSubstitutesUsed() + e.GetAwaySubstitutesUsed();
            if (e.GetEventCode() >= matchevent::kInjuryPending && e.GetEventCode() <= 188) {
                code = e.GetEventCode();
            } else {
                usedBefore = usedAfter;
            }
        };
        PlayLeague(driver, seed);
        if (code < matchevent::kInjuryReplaced) continue;
        // Computer sides: the man is replaced (one more substitution), or no
        // substitute could come on.
        const bool replaced = (code - matchevent::kInjuryReplaced) % 2 == 0;
        EXPECT_EQ(usedAfter - usedBefore, replaced ? 1 : 0) << code;
        return;
    }
    FAIL() << "no serious injury";
}

TEST_F(MatchRules, CardsAfterAFoulUseBothSetsOfClips) {
    // A booking's free kick is 39 to 50 or 51 to 62, a sending-off's 63 to 74
    // or 75 to 86: the screen has clips for all four.
    // Penalties after a card are 127 to 138, never the step's 9, 10 or 123 to 126,
    // and no number falls outside the screen's table.
    int seen[4] = {0, 0, 0, 0}, penalties[2] = {0, 0}, stray = 0;
    // At least 400 matches for the stray numbers; more only while a kind of
    // event is still unseen (the rarest, a penalty after a sending-off, can
    // take a few hundred matches more in some worlds).
    auto allSeen = [&] {
        for (int range = 0; range < 4; ++range)
            if (seen[range] == 0) return false;
        return penalties[0] > 0 && penalties[1] > 0;
    };
    for (uint32_t seed = 1; seed < 400 || (seed < 4000 && !allSeen()); ++seed) {
        // Every match starts with both squads free of suspensions: a side with
        // three men out plays without aggression, and hundreds of matches in
        // one world would otherwise leave nobody to send off.
        for (int c = 0; c < 2; ++c)
            for (int slot = 0; slot < 30; ++slot)
                if (CPlayer* p = Club(c).GetPlayer(slot)) p->m_Suspension = 0;
        ScriptedMatchDriver driver;
        driver.onMinute = [&](CMatchPlay& e) {
            const int code = e.GetEventCode();
            if (code >= 39 && code <= 86) ++seen[(code - 39) / 12];
            if (code >= 127 && code <= 138) ++penalties[(code - 127) / 6];
            // Every number the screen is handed is one it animates.
            const bool known = code == 0 || code == 7 || code == 8 || (code >= 27 && code <= 122) ||
                               (code >= 127 && code <= 162) || (code >= 169 && code <= 188);
            stray += !known;
        };
        PlayLeague(driver, seed);
    }
    for (int range = 0; range < 4; ++range) EXPECT_GT(seen[range], 0) << "no event in " << 39 + 12 * range;
    EXPECT_GT(penalties[0], 0);
    EXPECT_GT(penalties[1], 0);
    EXPECT_EQ(stray, 0);
}

TEST_F(MatchRules, KeepersCountTheGoalsTheyLetInAndAssistsAreTallied) {
    // A keeper's goal counters hold the goals he conceded: over the away
    // club's keepers they grow by the home side's goals, own goals included.
    auto keeperGoals = [&](CClub& club) {
        int sum = 0;
        for (int slot = 0; slot < 30; ++slot)
            if (const CPlayer* p = club.GetPlayer(slot); p && p->GetPosition() == CSoccerPlayer::kGoalkeeper)
                sum += p->m_SeasonGoals;
        return sum;
    };
    auto tallies = [&](CClub& club) {
        int sum = 0;
        for (int slot = 0; slot < 30; ++slot)
            if (const CPlayer* p = club.GetPlayer(slot)) sum += p->m_Kind0Tally + p->m_KindsTally;
        return sum;
    };
    int goals = 0, assists = 0;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        const int keepersBefore = keeperGoals(Club(1)), talliesBefore = tallies(Club(0));
        ScriptedMatchDriver driver;
        CFixture& f = PlayLeague(driver, seed);
        EXPECT_EQ(keeperGoals(Club(1)) - keepersBefore, f.m_HomeGoals) << seed;
        goals += f.m_HomeGoals;
        assists += tallies(Club(0)) - talliesBefore;
        EXPECT_LE(tallies(Club(0)) - talliesBefore, f.m_HomeGoals) << seed;
    }
    EXPECT_GT(goals, 0);
    EXPECT_GT(assists, 0);
    // Friendlies count nothing.
    const int before = keeperGoals(Club(1));
    ScriptedMatchDriver driver;
    platform::SeedRandom(7);
    CFixture& friendly = world->LeagueFixture(division, 0, 1);
    friendly.m_Kind = CFixture::kFriendly;
    {
        ScopedMatchDriver scope(&driver);
        Engine().PlayLeagueMatch(&friendly, &Div(), "Friendly");
    }
    EXPECT_EQ(keeperGoals(Club(1)), before);
}

TEST_F(MatchRules, HumanPenaltiesRecordWhatHappened) {
    MakeHuman(Club(0));
    struct Watch : ScriptedMatchDriver {
        int outcome = -1, before = 0, after = 0, takerSlot = -2, chosen = 9;
        const CClub* club = nullptr;
        bool PumpOne(CMatchPlay& e) override {
            if (e.GetPendingPenaltySide() == 0 && outcome < 0) {
                outcome = e.GetPendingPenaltyOutcome();
                before = e.GetFixture()->m_HomeGoals;
                const CPlayer* p = e.GetHomePlayer(chosen);
                const bool fit = p && p->CanPlay();
                e.TakeHumanPenalty(0, fit ? chosen : 99);
                after = e.GetFixture()->m_HomeGoals;
                // The chosen man becomes the club's penalty taker.
                if (fit) takerSlot = club->GetDesignatedPlayerSlot();
                return true;
            }
            return ScriptedMatchDriver::PumpOne(e);
        }
    };
    int seen = 0;
    for (uint32_t seed = 1; seed < 300 && seen < 3; ++seed) {
        Watch watch;
        watch.club = &Club(0);
        PlayLeague(watch, seed);
        if (watch.outcome < 0) continue;
        ++seen;
        EXPECT_EQ(watch.after - watch.before, watch.outcome == 0 ? 1 : 0) << seed;
        if (watch.takerSlot != -2) {
            EXPECT_EQ(watch.takerSlot, watch.chosen) << seed;
        }
    }
    EXPECT_GT(seen, 0);
}

TEST_F(MatchRules, TheScreensShootoutRecordsTheChosenKicks) {
    MakeHuman(Club(0));
    Div().m_PointsRule = 254;
    for (uint32_t seed = 1; seed < 60; ++seed) {
        ScriptedMatchDriver driver;
        driver.kickers = {10, 9, 8};  // fewer than five: completed
        CFixture& f = PlayLeague(driver, seed);
        if (!f.m_Events.HasShootout()) continue;
        CMatchPlay& e = Engine();
        // Kick 0 is the fifth element of the outcome list and the first kick recorded.
        int scored = 0;
        for (int k = 0; k < 5; ++k) scored += e.GetHomeShootoutKick(k) == 0;
        EXPECT_LE(f.CountHomeShootoutGoals(), scored);
        if (e.GetHomeShootoutKick(0) == 0) {
            ASSERT_GT(f.m_Events.GetSize(), 0);
            bool firstHome = false;
            for (int i = 0; i < f.m_Events.GetSize() && !firstHome; ++i)
                if (f.m_Events.GetAt(i)->m_Type == CMatchEvent::kHomeShootoutGoal) {
                    firstHome = true;
                    EXPECT_EQ(std::string(f.m_Events.GetAt(i)->m_Name), Club(0).GetPlayer(10)->GetName());
                }
            EXPECT_TRUE(firstHome);
        }
        EXPECT_NE(f.CountHomeShootoutGoals(), f.CountAwayShootoutGoals());
        return;
    }
    FAIL() << "no shoot-out";
}

TEST_F(MatchRules, ANonLeagueSideBorrowsASpareSlotAndGivesItBack) {
    auto nl = std::make_unique<CNonLeagueClub>();
    nl->Create("Ashby Rovers", Club(0).GetStadiumIndex(), *Club(0).GetCountry(), Club(0).GetHomeKit(),
               Club(0).GetAwayKit());
    W().GetNonLeagueClubList().Add(std::move(nl));
    const int spare = W().GetClubCount();
    for (int path = 0; path < 2; ++path) {
        platform::SeedRandom(40 + static_cast<uint32_t>(path));
        world->RefillRotations();
        CFixture f(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub()), -1, 5, 3, 0);
        if (path == 0) {
            f.Play(13);
        } else {
            ScriptedMatchDriver driver;
            ScopedMatchDriver scope(&driver);
            Engine().PlayFriendly(&f, "Friendly");
        }
        EXPECT_EQ(f.m_Away, -1);
        for (int s = 0; s < kSquadSlots; ++s) {
            EXPECT_EQ(W().GetClub(spare)->GetPlayerId(s), kEmptySlot);
            EXPECT_EQ(W().GetClub(spare + 1)->GetPlayerId(s), kEmptySlot);
        }
        EXPECT_GT(f.m_ScriptLength, 0);
    }
}

}  // namespace
