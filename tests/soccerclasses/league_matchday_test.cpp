// League match days over the generated world: the day's matches from the
// calendar and schedule, the points rules, the messages to human managers,
// the table order afterwards and the replay of a season up to today.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/random.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/tabledata.h"
#include "soccerclasses/scriptedport.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using testsupport::MatchWorld;
using testsupport::ScopedMatchDriver;
using testsupport::ScriptedMatchDriver;

class LeagueDay : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<MatchWorld>(7, [](int id) { return id == 9; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        W().GetClock().Set(0, 0, 0, 1999, 7, 3);
        W().SetGameInProgress(1);
        Div().StartNewSeason();
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    // The club's manager is human, in user slot `slot`.
    void MakeUser(CClub& club, int slot) {
        W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1;
        W().GetUser(slot)->SetManagerIndex(club.GetManager());
    }
    // A league fixture of the division's list (as the day fills it) with a
    // given result, for the posting rules.
    CFixture& Result(int home, int away, int hg, int ag, bool extraTime = false, int homeKicks = 0,
                     int awayKicks = 0) {
        CFixture& f = *Div().m_Fixtures.GetAt(Div().m_NextFixture++);
        f.Set(CFixture::kLeague, static_cast<int16_t>(Div().GetFirstClub() + home),
              static_cast<int16_t>(Div().GetFirstClub() + away), 5, 3, 0);
        f.m_HomeGoals = static_cast<uint8_t>(hg);
        f.m_AwayGoals = static_cast<uint8_t>(ag);
        f.m_ExtraTime = extraTime ? 1 : 0;
        for (int k = 0; k < homeKicks; ++k) f.m_Events.Add(255, CMatchEvent::kHomeShootoutGoal, "");
        for (int k = 0; k < awayKicks; ++k) f.m_Events.Add(255, CMatchEvent::kAwayShootoutGoal, "");
        return f;
    }
    int LeagueSlot() const {
        for (int s = 0; s < CDivision::kSlots; ++s) {
            const uint8_t c = world->World().GetDivision(division)->GetCalendarSlot(s);
            if (c >= 1 && c < CDivision::kNoMatch) return s;
        }
        return -1;
    }
    static int CountCode(const CHumanManager& h, uint8_t code) {
        int n = 0;
        for (const auto& m : h.GetInbox()) n += m.code == code;
        return n;
    }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(LeagueDay, SlotsWithoutLeagueMatchesPlayNothing) {
    for (uint8_t code : {200, 201, 202, 203, 208, 211}) {
        Div().SetCalendarSlot(30, code);
        EXPECT_EQ(Div().PlayMatchDay(division, 0, 30), 0) << int(code);
    }
    EXPECT_EQ(Div().m_NextFixture, 0);
    // The list answers false when no division has a league match today.
    const int today = W().GetMatchDay();
    for (int i = 0; i < W().GetDivisionList().GetSize(); ++i) W().GetDivision(i)->SetCalendarSlot(today, 208);
    EXPECT_FALSE(W().GetDivisionList().PlayTodaysMatches(0));
    Div().SetCalendarSlot(today, 1);
    EXPECT_TRUE(W().GetDivisionList().PlayTodaysMatches(0));
    EXPECT_EQ(Div().m_NextFixture, Div().GetClubCount() / 2);
}

TEST_F(LeagueDay, FullyFollowedDayPlaysPostsAndOrdersTheTable) {
    const int slot = LeagueSlot();
    ASSERT_GE(slot, 0);
    platform::SeedRandom(5);
    ASSERT_EQ(Div().PlayMatchDay(division, 0, slot), 1);
    const int matches = Div().GetClubCount() / 2;
    ASSERT_EQ(Div().m_NextFixture, matches);
    int played = 0, goals = 0;
    for (int i = 0; i < matches; ++i) {
        const CFixture& f = *Div().m_Fixtures.GetAt(i);
        EXPECT_TRUE(f.HasBeenPrepared());
        goals += f.m_HomeGoals + f.m_AwayGoals;
        const CTableData& h = W().GetClub(f.m_Home)->LeagueRow();
        const CTableData& a = W().GetClub(f.m_Away)->LeagueRow();
        EXPECT_EQ(h.m_HomePlayed, 1);
        EXPECT_EQ(a.m_AwayPlayed, 1);
        EXPECT_EQ(h.GetGoalsFor(), f.m_HomeGoals);
        EXPECT_EQ(a.GetGoalsFor(), f.m_AwayGoals);
        // The home gate goes into the club's gate series.
        EXPECT_EQ(W().GetClub(f.m_Home)->GetGameSeries1(0), f.m_Attendance);
        played += 2;
    }
    EXPECT_EQ(played, matches * 2);
    // Positions are the table order: each row ranks above none before it.
    std::vector<const CTableData*> byPosition(Div().GetClubCount());
    for (int c = 0; c < Div().GetClubCount(); ++c) {
        const CTableData& row = Club(c).LeagueRow();
        ASSERT_LT(row.m_Position, Div().GetClubCount());
        byPosition[row.m_Position] = &row;
        EXPECT_EQ(Club(c).GetLeaguePositionAfterGame(0), row.m_Position);
    }
    for (size_t p = 1; p < byPosition.size(); ++p) {
        ASSERT_NE(byPosition[p], nullptr);
        EXPECT_GE(byPosition[p - 1]->m_Points, byPosition[p]->m_Points);
        if (byPosition[p - 1]->m_Points == byPosition[p]->m_Points) {
            EXPECT_GE(byPosition[p - 1]->GetGoalDifference(), byPosition[p]->GetGoalDifference());
        }
    }
}

TEST_F(LeagueDay, ResultsOnlyCountryGetsRandomScoresAndNoTableChange) {
    int other = -1;
    for (int i = 0; i < W().GetDivisionList().GetSize() && other < 0; ++i) {
        const CDivision* d = W().GetDivision(i);
        const CCountry* c = W().GetCountry(d->GetCountry());
        if (c && c->GetFollowLevel() == kNotFollowed && d->GetClubCount() >= 8) other = i;
    }
    ASSERT_GE(other, 0);
    CDivision& d = *W().GetDivision(other);
    d.StartNewSeason();
    d.SetCalendarSlot(20, 1);
    std::vector<uint8_t> positions;
    for (int c = 0; c < d.GetClubCount(); ++c) positions.push_back(W().GetClub(d.GetFirstClub() + c)->GetTablePosition());
    int homeMax = 0, awayMax = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        platform::SeedRandom(seed);
        d.m_NextFixture = 0;
        ASSERT_EQ(d.PlayMatchDay(other, 1, 20), 1);
        for (int i = 0; i < d.GetClubCount() / 2; ++i) {
            const CFixture& f = *d.m_Fixtures.GetAt(i);
            EXPECT_LE(f.m_HomeGoals, 6);
            EXPECT_LE(f.m_AwayGoals, 5);
            homeMax = std::max<int>(homeMax, f.m_HomeGoals);
            awayMax = std::max<int>(awayMax, f.m_AwayGoals);
            // A random score counts as played.
            EXPECT_EQ(f.m_ScriptLength, 90);
            EXPECT_EQ(f.m_Date, W().GetDateText());
        }
    }
    EXPECT_GE(homeMax, 4);
    for (int c = 0; c < d.GetClubCount(); ++c) {
        const CClub* club = W().GetClub(d.GetFirstClub() + c);
        EXPECT_EQ(club->LeagueRow().GetPlayed(), 0);
        EXPECT_EQ(club->GetTablePosition(), positions[size_t(c)]);
    }
}

TEST_F(LeagueDay, PointsRules) {
    struct Case {
        uint8_t rule;
        int hg, ag;
        bool extraTime;
        int homeKicks, awayKicks;
        int homePoints, awayPoints;
        int homeWon, awayWon, drawn;
    } cases[] = {
        {255, 1, 1, true, 3, 4, 0, 1, 0, 1, 0},  // level after extra time, away wins the shoot-out
        {255, 2, 2, true, 5, 4, 1, 0, 1, 0, 0},  // the home side wins it
        {255, 2, 1, true, 0, 0, 2, 0, 1, 0, 0},  // won in extra time
        {255, 0, 3, false, 0, 0, 0, 3, 0, 1, 0}, // won in normal time
        {254, 1, 1, false, 2, 4, 1, 1, 0, 0, 1}, // stays a draw, whatever the shoot-out
        {254, 3, 0, false, 0, 0, 3, 0, 1, 0, 0},
        {2, 2, 0, false, 0, 0, 2, 0, 1, 0, 0},   // two points for a win
        {2, 1, 1, false, 0, 0, 1, 1, 0, 0, 1},
        {3, 0, 1, false, 0, 0, 0, 3, 0, 1, 0},
    };
    for (const Case& k : cases) {
        Div().StartNewSeason();
        Div().m_PointsRule = k.rule;
        CFixture& f = Result(0, 1, k.hg, k.ag, k.extraTime, k.homeKicks, k.awayKicks);
        Div().PostResult(&f);
        const CTableData& h = Club(0).LeagueRow();
        const CTableData& a = Club(1).LeagueRow();
        SCOPED_TRACE(::testing::Message() << "rule " << int(k.rule) << " " << k.hg << "-" << k.ag);
        EXPECT_EQ(h.m_Points, k.homePoints);
        EXPECT_EQ(a.m_Points, k.awayPoints);
        EXPECT_EQ(h.GetWon(), k.homeWon);
        EXPECT_EQ(a.GetWon(), k.awayWon);
        EXPECT_EQ(h.GetLost(), k.awayWon);
        EXPECT_EQ(h.GetDrawn(), k.drawn);
        EXPECT_EQ(a.GetDrawn(), k.drawn);
    }
}

TEST_F(LeagueDay, FirstLeagueMatchMessages) {
    MakeUser(Club(0), 0);
    CFixture& lost = Result(0, 1, 0, 1);
    Div().PostResult(&lost);
    Div().SendFirstMatchMessages(lost);
    const CHumanManager& h = *W().GetUser(0);
    ASSERT_EQ(CountCode(h, 226), 1);
    for (const auto& m : h.GetInbox())
        if (m.code == 226) {
            EXPECT_EQ(m.text1, Club(1).GetName());
            EXPECT_EQ(m.id, -1);
        }
    // The second match is no longer the first.
    CFixture& won = Result(2, 0, 0, 2);
    Div().PostResult(&won);
    Div().SendFirstMatchMessages(won);
    EXPECT_EQ(CountCode(h, 225), 0);
    // Two human clubs, the winner's first match: both hear, each from his side.
    MakeUser(Club(3), 1);
    MakeUser(Club(4), 2);
    CFixture& level = Result(3, 4, 2, 2);
    Div().PostResult(&level);
    Div().SendFirstMatchMessages(level);
    EXPECT_EQ(CountCode(*W().GetUser(1), 227), 1);
    EXPECT_EQ(CountCode(*W().GetUser(2), 227), 1);
}

TEST_F(LeagueDay, SupportersViewByPopularityGapAndResult) {
    struct Case {
        int homePop, awayPop, hg, ag;
        unsigned homeText, awayText;
    } cases[] = {
        {45, 5, 4, 0, 33336, 33370},   // a gap of 40, won by four
        {10, 10, 1, 1, 33353, 33353},  // level clubs, level score
        {5, 45, 0, 1, 33369, 33337},   // the small club loses narrowly
        {20, 10, 2, 1, 33347, 33359},  // band 2 and its mirror 4
    };
    MakeUser(Club(0), 0);
    MakeUser(Club(1), 1);
    for (const Case& k : cases) {
        Club(0).SetPopularityIndex(static_cast<uint8_t>(k.homePop));
        Club(1).SetPopularityIndex(static_cast<uint8_t>(k.awayPop));
        ASSERT_EQ(Club(0).GetPopularityIndex(), k.homePop);
        CFixture& f = Result(0, 1, k.hg, k.ag);
        Div().PostResult(&f);
        const auto& home = W().GetUser(0)->GetInbox();
        const auto& away = W().GetUser(1)->GetInbox();
        ASSERT_FALSE(home.empty());
        ASSERT_FALSE(away.empty());
        EXPECT_EQ(home.back().code, 248);
        EXPECT_EQ(home.back().text1, platform::LoadString(k.homeText)) << k.homeText;
        EXPECT_EQ(away.back().text1, platform::LoadString(k.awayText)) << k.awayText;
        EXPECT_FALSE(platform::LoadString(k.homeText).empty());
    }
}

TEST_F(LeagueDay, HumanMatchIsHeldBackAndPlayedThroughTheEngineAsItsManager) {
    const int slot = LeagueSlot();
    ASSERT_GE(slot, 0);
    // The human club of the day's first pair, in user slot 3; another user is current.
    const auto pairs = Div().GetPairsForSlot(slot);
    ASSERT_FALSE(pairs.empty());
    CClub& human = *W().GetClub(pairs[0].second);
    MakeUser(human, 3);
    MakeUser(*W().GetClub(pairs[1].first), 0);
    W().RestoreCurrentUser(0);
    CWorldData::SelectedUserSlot() = 0;
    ScriptedMatchDriver driver;
    std::vector<int> usersSeen;
    driver.onMinute = [&](CMatchPlay&) { usersSeen.push_back(W().GetCurrentUserIndex()); };
    ScopedMatchDriver scope(&driver);
    ScriptedUserPort port;
    platform::SeedRandom(9);
    ASSERT_EQ(Div().PlayMatchDay(division, 1, slot), 1);
    EXPECT_EQ(driver.opened, 2);  // the two human clubs' matches, nothing else
    // The day step's league line comes back once the screen has gone.
    EXPECT_EQ(port.ProgressLines(), std::vector<int>{3});
    ASSERT_FALSE(usersSeen.empty());
    // The first held-back match is user 3's, the other user 0's.
    EXPECT_EQ(usersSeen.front(), 3);
    EXPECT_EQ(usersSeen.back(), 0);
    EXPECT_EQ(W().GetCurrentUserIndex(), 0);
    EXPECT_EQ(CWorldData::SelectedUserSlot(), 0);
    // Posted after the engine: the human club's row holds the result.
    EXPECT_EQ(human.LeagueRow().GetPlayed(), 1);
    EXPECT_GE(CountCode(*W().GetUser(3), 248), 1);
    // Without the screen the same day plays them at once.
    Div().StartNewSeason();
    for (int c = 0; c < Div().GetClubCount(); ++c) Club(c).LeagueRow().Reset(static_cast<uint8_t>(c));
    driver.opened = 0;
    ASSERT_EQ(Div().PlayMatchDay(division, 0, slot), 1);
    EXPECT_EQ(driver.opened, 0);
    EXPECT_EQ(port.ProgressLines().size(), 1u);
    EXPECT_EQ(human.LeagueRow().GetPlayed(), 1);
}

TEST_F(LeagueDay, PlayUpToTodayReplaysTheSeasonWithRandomScores) {
    int first = -1;
    for (int s = 0; s < CDivision::kSlots && first < 0; ++s)
        if (Div().GetCalendarSlot(s) == CDivision::kSeasonFirst) first = s;
    ASSERT_GE(first, 0);
    const int today = first + 12;
    while (W().GetMatchDay() < today) W().NextMatchDay();
    const CMatchTime before = W().GetMatchTime();
    int leagueDays = 0;
    for (int s = first; s < today; ++s) {
        const uint8_t c = Div().GetCalendarSlot(s);
        leagueDays += c >= 1 && c < CDivision::kNoMatch;
    }
    ASSERT_GT(leagueDays, 0);
    W().SetGameInProgress(0);
    CCountry& country = *W().GetCountry(Div().GetCountry());
    country.SetPaperStory("OLD NEWS");
    platform::SeedRandom(3);
    Div().PlayUpToToday(division, 0);
    EXPECT_EQ(W().GetMatchTime(), before);
    // Each replayed day reshuffles the country's working order and clears
    // its headline.
    EXPECT_TRUE(country.GetPaperStory().empty());
    CExtDWordArray order = country.GetWorkingClubOrder(), ranking = country.GetClubRanking();
    ASSERT_EQ(order.GetSize(), ranking.GetSize());
    std::sort(order.GetData(), order.GetData() + order.GetSize());
    std::sort(ranking.GetData(), ranking.GetData() + ranking.GetSize());
    for (int i = 0; i < order.GetSize(); ++i) EXPECT_EQ(order.GetAt(i), ranking.GetAt(i));
    EXPECT_EQ(Div().m_NextFixture, leagueDays * (Div().GetClubCount() / 2));
    int played = 0;
    for (int c = 0; c < Div().GetClubCount(); ++c) played += Club(c).LeagueRow().GetPlayed();
    EXPECT_EQ(played, leagueDays * (Div().GetClubCount() / 2) * 2);
    for (int i = 0; i < Div().m_NextFixture; ++i) {
        EXPECT_LE(Div().m_Fixtures.GetAt(i)->m_HomeGoals, 6);
        EXPECT_LE(Div().m_Fixtures.GetAt(i)->m_AwayGoals, 5);
    }
    // From the season's first slot itself nothing happens.
    while (W().GetMatchDay() != first) W().PreviousMatchDay();
    const int next = Div().m_NextFixture;
    Div().PlayUpToToday(division, 0);
    EXPECT_EQ(W().GetMatchDay(), first);
    EXPECT_EQ(Div().m_NextFixture, next);
}

}  // namespace
