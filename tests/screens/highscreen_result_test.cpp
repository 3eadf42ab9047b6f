// The result page's lists, rows and figures; the fixture's goal, booking
// and sending-off texts; the panels' small rules (thirds, power bars); and
// skip-to-end pressed while a penalty taker or the shoot-out's kickers are
// being chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/highscreen_fixture.h"
#include "soccerclasses/matchevent.h"

namespace hstest {
namespace {

using namespace highscreen;

// A finished match's events: two home goals (one a penalty), an own goal
// that counts for the away side, a booking on each side and an away
// sending-off.
void ResultTestEvents(CFixture& f, bool shootout) {
    f.m_Events.Add(10, CMatchEvent::kHomeGoal, "Ames");
    f.m_Events.Add(20, CMatchEvent::kAwayOwnGoal, "Birk");
    f.m_Events.Add(25, CMatchEvent::kHomeBooking, "Dunn");
    f.m_Events.Add(30, CMatchEvent::kHomePenaltyGoal, "Cole");
    f.m_Events.Add(44, CMatchEvent::kAwayBooking, "Fenn");
    f.m_Events.Add(50, CMatchEvent::kAwaySendingOff, "Eddy");
    if (shootout) f.m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kHomeShootoutGoal, "Ames");
    f.m_HomeGoals = 2;
    f.m_AwayGoals = 1;
}

TEST_F(HighScreenPage, TheFixtureGivesEachSidesGoalsBookingsAndSendingsOffInOrder) {
    CFixture f;
    ResultTestEvents(f, false);
    std::string out = "stale";
    struct Case {
        std::string (*get)(const CFixture&, int);
        int n;
        const char* text;
    };
    const Case cases[] = {
        {[](const CFixture& x, int n) { std::string o; return x.GetHomeGoalText(o, n); }, 0, "Ames 10"},
        {[](const CFixture& x, int n) { std::string o; return x.GetHomeGoalText(o, n); }, 1, "Cole 30 (Pen)"},
        {[](const CFixture& x, int n) { std::string o = "x"; return x.GetHomeGoalText(o, n); }, 2, ""},
        {[](const CFixture& x, int n) { std::string o; return x.GetAwayGoalText(o, n); }, 0, "Birk 20 (OG)"},
        {[](const CFixture& x, int n) { std::string o; return x.GetHomeBookingText(o, n); }, 0, "Dunn (25) "},
        {[](const CFixture& x, int n) { std::string o; return x.GetAwayBookingText(o, n); }, 0, "Fenn (44) "},
        {[](const CFixture& x, int n) { std::string o; return x.GetAwaySendingOffText(o, n); }, 0, "Eddy (50) "},
        {[](const CFixture& x, int n) { std::string o = "x"; return x.GetHomeSendingOffText(o, n); }, 0, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.get(f, c.n), c.text) << c.n << " " << c.text;
    // The text comes back through the argument too.
    EXPECT_EQ(f.GetAwayGoalText(out, 0), out);
    EXPECT_EQ(out, "Birk 20 (OG)");
}

TEST_F(HighScreenPage, TheResultListsStartLowerAfterAShootoutAndTheStatisticsListFourteenPlayersASide) {
    MakeHuman(Club(0));
    std::vector<CHighScreen::ResultLine> home, away, homeAfterShootout;
    std::vector<CHighScreen::ResultPlayerRow> rows;
    std::array<std::array<int, 2>, 10> figures{};
    int slots = 0;
    OpenAndInspect([&](CHighScreen& p) {
        CFixture plain, withShootout;
        ResultTestEvents(plain, false);
        ResultTestEvents(withShootout, true);
        CFixture* real = p.m_pFixture;
        p.m_pFixture = &plain;
        home = p.ResultPageLines(0);
        away = p.ResultPageLines(1);
        p.m_pFixture = &withShootout;
        homeAfterShootout = p.ResultPageLines(0);
        p.m_pFixture = real;
        p.m_nSquadSlots = 16;
        slots = p.m_nSquadSlots;
        rows = p.ResultPlayerRows();
        figures = p.ResultStatistics();
    });
    // Goals from y 150 every 18 pixels, 10 more before the bookings, and
    // again before the sendings-off.
    ASSERT_EQ(home.size(), 3u);
    EXPECT_EQ(home[0].y, 150);
    EXPECT_EQ(home[0].icon, 0);
    EXPECT_EQ(home[1].text, "Cole 30 (Pen)");
    EXPECT_EQ(home[1].y, 168);
    EXPECT_EQ(home[2].icon, 1);
    EXPECT_EQ(home[2].y, 196);
    ASSERT_EQ(away.size(), 3u);
    EXPECT_EQ(away[0].text, "Birk 20 (OG)") << "an own goal is listed for the side it counts for";
    EXPECT_EQ(away[2].icon, 2);
    EXPECT_EQ(away[2].y, 150 + 18 + 10 + 18 + 10);
    ASSERT_EQ(homeAfterShootout.size(), home.size());
    for (size_t i = 0; i < home.size(); ++i) EXPECT_EQ(homeAfterShootout[i].y, home[i].y + 30);
    // Sixteen slots: fourteen rows a side, the first eleven rated.
    ASSERT_EQ(slots, 16);
    ASSERT_EQ(rows.size(), 28u);
    int rated = 0;
    for (const auto& r : rows) rated += r.rated;
    EXPECT_EQ(rated, 22);
    // Before any play the possession shows even.
    EXPECT_EQ(figures[0][0], 50);
    EXPECT_EQ(figures[0][1], 50);
}

TEST(HighScreenRules, ThirdsSharesAndPowerBars) {
    EXPECT_EQ(ThirdShares(33.4, 33.3, 33.3), (std::array<int, 3>{33, 33, 34}));
    EXPECT_EQ(ThirdShares(0, 0, 0), (std::array<int, 3>{0, 100, 0}));
    EXPECT_EQ(ThirdShares(1, 2, 1), (std::array<int, 3>{25, 50, 25}));
    EXPECT_EQ(PowerBarLength(160), 67);
    EXPECT_EQ(PowerBarLength(7), 2);
    EXPECT_EQ(PowerBarLength(0), 0);
}

class HighScreenSkips : public HighScreenPage {
protected:
    HighScreenSkips() { shortClips = true; }
};

// Skip-to-end while the human side's penalty taker is being chosen: the
// penalty is taken first (by the club's taker) and the match plays out.
TEST_F(HighScreenSkips, SkipDuringAPenaltyChoiceTakesThePenaltyAndEndsOnTheResultPage) {
    MakeHuman(Club(0));
    bool seen = false;
    for (uint32_t seed = 1; seed <= 20 && !seen; ++seed) {
        bool asked = false;
        int goalsBefore = -1, outcome = -1;
        modesSeen.clear();
        CFixture& f = PlayThrough(seed, [&](CHighScreen& p) {
            if (!asked && p.m_bChoosing && p.m_nChoiceState == 0) {
                asked = true;
                holdChoice = true;
                goalsBefore = p.GetMatchPlay()->GetFixture()->m_HomeGoals;
                outcome = p.m_nPenaltyOutcome;
                ClickPage(25, 150);
            }
        });
        holdChoice = false;
        if (!asked) continue;
        seen = true;
        SCOPED_TRACE(seed);
        EXPECT_EQ(modesSeen.back(), 2);
        ExpectCompleteFixture(f);
        EXPECT_EQ(Engine().GetPendingPenaltySide(), -1) << "the penalty was taken";
        if (outcome == 0) {
            EXPECT_GT(f.m_HomeGoals, goalsBefore);
        }
    }
    EXPECT_TRUE(seen) << "no seed of the list brought the human side a penalty";
}

// Skip-to-end while the shoot-out's kickers are being chosen: the engine
// kicks it at once and the result page has its line.
TEST_F(HighScreenSkips, SkipDuringTheShootoutChoiceKicksItAtOnce) {
    MakeHuman(Club(0));
    bool seen = false;
    for (uint32_t seed = 1; seed <= 60 && !seen; ++seed) {
        bool asked = false;
        modesSeen.clear();
        CFixture& f = PlayThrough(
            seed,
            [&](CHighScreen& p) {
                if (!asked && p.m_bChoosing && p.m_nChoiceState == 1) {
                    asked = true;
                    holdChoice = true;
                    ClickPage(25, 150);
                }
            },
            true);
        holdChoice = false;
        if (!asked) continue;
        seen = true;
        SCOPED_TRACE(seed);
        EXPECT_EQ(modesSeen.back(), 2);
        EXPECT_TRUE(f.m_Events.HasShootout());
        EXPECT_FALSE(f.GetShootoutText().empty());
        EXPECT_EQ(f.m_HomeGoals, f.m_AwayGoals) << "level after extra time";
    }
    EXPECT_TRUE(seen) << "no seed of the list brought a shoot-out";
}

}  // namespace
}  // namespace hstest
