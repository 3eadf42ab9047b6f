// The result page's lists, rows and figures; the fixture's goal, booking
// and sending-off texts; the panels' small rules (thirds, power bars); and
// skip-to-end pressed while a penalty taker or the shoot-out's kickers are
// being chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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
    std::vector<CHighScreen::ResultLine> home, away, homeAfterShootout, crowdedLines;
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
        // A crowded list after a shoot-out: ten goals, five bookings and a
        // sending-off.
        CFixture crowded;
        for (int i = 0; i < 10; ++i) crowded.m_Events.Add(i + 1, CMatchEvent::kHomeGoal, "Ames");
        for (int i = 0; i < 5; ++i) crowded.m_Events.Add(i + 60, CMatchEvent::kHomeBooking, "Dunn");
        crowded.m_Events.Add(70, CMatchEvent::kHomeSendingOff, "Eddy");
        crowded.m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kHomeShootoutGoal, "Ames");
        crowded.m_HomeGoals = 10;
        p.m_pFixture = &crowded;
        crowdedLines = p.ResultPageLines(0);
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
    // A long list closes up its lines so that the last stays in the panel
    // (foot at 424), above the referee's line, and no two lines touch (a
    // line and its icon are 13 pixels high).
    ASSERT_EQ(crowdedLines.size(), 16u);
    EXPECT_EQ(crowdedLines.front().y, 180);
    EXPECT_LE(crowdedLines.back().y + 14, 424);
    for (size_t i = 1; i < crowdedLines.size(); ++i)
        EXPECT_GE(crowdedLines[i].y - crowdedLines[i - 1].y, 13) << "line " << i;
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

namespace hstest {
namespace {

using namespace highscreen;

// The screenshot set of the match-day page (written to
// build-test/screens-shots/ for people to look at): the intro page's three
// views, the match page with each of the eight sections, the result page's
// three views. Each picture differs from the others of its set.
// Two whole matches in a row, a league match and then a cup tie: each ends
// on its result page and leaves, its page waiting for the day's next page.
// The second match's page replaces the first, and no picture of the first
// outlives it in the program-wide button records (which outlive every
// page); the second starts from its intro page, and closing it lets go of
// its pictures too.
TEST_F(HighScreenSkips, TwoMatchesInARowLeaveNoPictureBehind) {
    MakeHuman(Club(0));
    using Pictures = std::vector<std::weak_ptr<platform::gfx::Surface>>;
    Pictures first, second;
    auto collect = [](Pictures& into) {
        into.clear();
        auto take = [&](const SurfaceButton& b) {
            for (const auto* pic : {&b.released, &b.pressed, &b.overlay})
                if (*pic) into.push_back(*pic);
        };
        for (const SurfaceButton& b : g_IntroButtons) take(b);
        for (const SurfaceButton& b : g_ResultButtons) take(b);
        for (const SurfaceButton& b : g_LevelButtons) take(b);
    };
    auto alive = [](const Pictures& pictures) {
        int n = 0;
        for (const auto& w : pictures) n += !w.expired();
        return n;
    };
    bool secondFresh = false;
    int firstAliveDuringSecond = -1;
    CFixture& league = PlayThrough(3, [&](CHighScreen&) { collect(first); });
    ExpectCompleteFixture(league);
    const CHighScreen* firstPage = Page();
    ASSERT_NE(firstPage, nullptr);
    ASSERT_FALSE(first.empty()) << "the match's buttons had pictures";
    modesSeen.clear();
    CFixture& cup = PlayThrough(
        4,
        [&](CHighScreen& p) {
            if (firstAliveDuringSecond < 0) {
                firstAliveDuringSecond = alive(first);
                secondFresh = &p != firstPage || p.m_nMinute <= 1;
                secondFresh = secondFresh && !modesSeen.empty() && modesSeen.front() == 0;
            }
            collect(second);
        },
        true);
    ExpectCompleteFixture(cup);
    EXPECT_EQ(firstAliveDuringSecond, 0) << "a picture of the first match outlived its page";
    EXPECT_TRUE(secondFresh) << "the second match starts on its intro page";
    ASSERT_FALSE(second.empty());
    CHighScreen* last = Page();
    ASSERT_NE(last, nullptr);
    last->Close();
    EXPECT_EQ(alive(second), 0) << "a picture of the second match outlived its page";
}

TEST_F(HighScreenSkips, TheScreenshotSetShowsEveryViewDifferently) {
    MakeUser(Club(0), 0);
    std::vector<std::string> names;
    std::vector<platform::gfx::Surface> frames;
    auto shot = [&](const std::string& name) {
        SaveShot("matchday-" + name);
        names.push_back(name);
        frames.push_back(backend->LastFrame());
    };
    int stage = 0, lastBanner = -1, lastGoals = 0, enlarged = 0;
    bool penaltyShot = false, goalShot = false;
    static constexpr int kIntroX[4] = {138, 298, 454, 610};
    static constexpr int kSectionX[8] = {24, 71, 116, 161, 206, 251, 296, 341};
    CFixture& f = PlayLeague(5, [&](CHighScreen& p) {
        if (p.m_nMode == 0) {
            if (stage < 3) {
                shot(stage == 0 ? "intro-match" : stage == 1 ? "intro-home" : "intro-away");
                ClickPage(kIntroX[stage + 1] + 72, 477 + 10);
                ++stage;
            }
            return;
        }
        if (p.m_nMode == 1) {
            const int side = p.ChoosingSide();
            if (p.m_bChoosing) {
                // The card open on the taker, before "Take Penalty".
                if (!penaltyShot && p.m_nChoiceState == 0 && p.m_nPanelView[static_cast<size_t>(side)] == 1 &&
                    p.m_nCardPlayer[static_cast<size_t>(side)] == WantedTaker(p)) {
                    penaltyShot = true;
                    shot("penalty-choice");
                }
                ChooseTakerStep(p);
                return;
            }
            const int goals = p.GetDisplayedScore(0) + p.GetDisplayedScore(1);
            if (goals > lastGoals && !goalShot && !p.m_strCaption.empty()) {
                goalShot = true;
                shot("goal-caption");
            }
            lastGoals = goals;
            if (p.m_bPaused && p.m_nMatchState != lastBanner) {
                if (p.m_nMatchState == kBannerHalfTime) shot("half-time");
                lastBanner = p.m_nMatchState;
                backend->Key(VK_SPACE);
                return;
            }
            if (!p.m_bPaused) lastBanner = -1;
            // The hidden code, then F: the clip over the whole page; F again
            // hides it.
            if (enlarged == 0 && p.m_nPhase == 3 && p.GetMatchPlay()->GetMinute() >= 50) {
                for (char key : std::string("REPLAYF")) p.Send(WM_KEYDOWN, static_cast<uintptr_t>(key), 0);
                ++enlarged;
                return;
            }
            if (enlarged == 1 || enlarged == 2) {
                if (++enlarged == 3) {
                    EXPECT_EQ(p.m_bEnlargedView, 1) << "the hidden code and F enlarge the clip";
                    shot("enlarged");
                    p.Send(WM_KEYDOWN, 'F', 0);
                }
                return;
            }
            // Sections 0 to 7 in the first half, a shot the tick after each click.
            if (stage >= 3 && stage < 3 + 16 && p.m_nPhase == 1 && p.GetMatchPlay()->GetMinute() >= 3) {
                const int k = stage - 3;
                if (k % 2 == 0)
                    ClickPage(210 + kSectionX[k / 2], 493 + 20);
                else
                    shot("section-" + std::to_string(k / 2));
                ++stage;
            }
            return;
        }
        if (stage < 3 + 16) stage = 3 + 16;  // a short first half: the sections were not all shown
        const int view = stage - (3 + 16);
        if (view < 3) {
            // "Result", "Scores", "Statistics", then "Proceed".
            shot(view == 0 ? "result" : view == 1 ? "scores" : "statistics");
            ClickPage(kIntroX[view + 1] + 72, 477 + 10);
            ++stage;
        }
    });
    ExpectCompleteFixture(f);
    for (const char* name : {"half-time", "goal-caption", "enlarged"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    ASSERT_GE(names.size(), 3u + 8u + 3u + 3u) << ::testing::PrintToString(names);
    for (size_t i = 0; i < frames.size(); ++i)
        for (size_t j = i + 1; j < frames.size(); ++j) {
            bool differ = false;
            const auto& a = frames[i];
            const auto& b = frames[j];
            for (int y = 0; y < std::min(a.Height(), b.Height()) && !differ; ++y)
                for (int x = 0; x < std::min(a.Width(), b.Width()) && !differ; ++x) differ = a.Get(x, y) != b.Get(x, y);
            EXPECT_TRUE(differ) << names[i] << " and " << names[j] << " look the same";
        }
}

}  // namespace
}  // namespace hstest
