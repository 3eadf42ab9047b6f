// The match-day page: opened by the engine for a human manager's match,
// set up for its sides, played through its states on the virtual clock, and
// its panels' hit areas, run toggle and keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/gfx/bmp.h"
#include "platform/stringtable.h"
#include "shell/archive.h"
#include "screens/titlescreen.h"
#include "shell/screenglobals.h"
#include "soccerclasses/userport.h"
#include "screens/highscreen_fixture.h"
#include "platform/sound/audio.h"
#include "shell/flcplayer.h"
#include "shell/soundengine.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/soccertactic.h"

namespace hstest {
namespace {

using namespace highscreen;

TEST_F(HighScreenPage, AHumanManagersMatchOpensTheIntroPageOnPage64) {
    MakeHuman(Club(0));
    int mode = -1, screen = -1;
    uint32_t timer = 0;
    CFixture& f = OpenAndInspect([&](CHighScreen& p) {
        mode = p.m_nMode;
        screen = g_nCurrentScreen;
        timer = p.GetTimerId();
    });
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(screen, 64);
    EXPECT_NE(timer, 0u);
    ExpectCompleteFixture(f);
}

TEST_F(HighScreenPage, TheSidesOfTheFormationAndTacticsViewsFollowTheHumanClubs) {
    struct Case {
        bool homeHuman, awayHuman;
        int side;
        uint8_t both;
    };
    for (const Case& c : {Case{true, false, 0, 0}, Case{false, true, 1, 0}, Case{true, true, 0, 1}}) {
        SCOPED_TRACE(testing::Message() << c.homeHuman << c.awayHuman);
        TearDown();
        SetUp();
        if (c.homeHuman) MakeHuman(Club(0));
        if (c.awayHuman) MakeHuman(Club(1));
        int formation = -1, tactics = -1;
        uint8_t both = 9;
        OpenAndInspect([&](CHighScreen& p) {
            formation = p.m_nFormationSide;
            tactics = p.m_nTacticsSide;
            both = p.m_bBothHuman;
        });
        EXPECT_EQ(formation, c.side);
        EXPECT_EQ(tactics, c.side);
        EXPECT_EQ(both, c.both);
    }
}

// The formation view's "Rating" column gives each formation's familiarity,
// for the user's own list and for a computer side's, and fits its column.
TEST_F(HighScreenPage, TheFormationTablesRatingIsTheFamiliarityAndFitsItsColumn) {
    MakeUser(Club(0), 0);
    CHumanManager* manager = Club(0).GetHumanManager();
    ASSERT_TRUE(manager);
    ASSERT_GE(manager->GetTacticCount(), 3);
    for (int i = 0; i < manager->GetTacticCount(); ++i) manager->GetTactic(static_cast<uint8_t>(i))->m_Familiarity = static_cast<uint8_t>(7 + 31 * i % 93);
    std::array<std::vector<std::string>, 2> ratings, expected;
    int widest = 0, room = 0;
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        for (int side = 0; side < 2; ++side) {
            const SurfaceTable& t = p.m_FormationTable[static_cast<size_t>(side)];
            room = t.width - t.columnStart[1] - 4;  // cells are clipped 4 pixels short
            for (int r = 0; r < t.rowCount; ++r) {
                const std::string& text = t.cells[static_cast<size_t>(r)][1].text;
                ratings[static_cast<size_t>(side)].push_back(text);
                widest = std::max(widest, p.GetPageFont(0)->Measure(text));
                const CSoccerTactic* tactic = Club(side).GetTacticByIndex(r);
                expected[static_cast<size_t>(side)].push_back(
                    side == 0 ? std::to_string(manager->GetTactic(static_cast<uint8_t>(r))->m_Familiarity)
                              : std::to_string(tactic->m_Familiarity));
            }
        }
    });
    ASSERT_EQ(ratings[0].size(), static_cast<size_t>(manager->GetTacticCount()));
    EXPECT_FALSE(ratings[1].empty());
    EXPECT_EQ(ratings, expected);
    EXPECT_LE(widest, room);
}

// What the tick does when a clip ends, as a table: each clip number with
// and without the flag that it answers (the injury pending, the penalty
// pending, the kicks being animated), from the same state of the page.
TEST_F(HighScreenPage, EachEndedClipReactsAsItsTableRowSays) {
    MakeHuman(Club(0));
    struct State {
        int paused, banner, choosing, choiceState, running, phase, finished, secondHalf, halfTimeBanner, extraShown,
            halfTimeHandled, kicks, penaltyPending, injuryPending;
        bool captionKept;
        bool operator==(const State&) const = default;
    };
    auto describe = [](const State& s) {
        return testing::PrintToString(std::vector<int>{s.paused, s.banner, s.choosing, s.choiceState, s.running, s.phase,
                                                       s.finished, s.secondHalf, s.halfTimeBanner, s.extraShown,
                                                       s.halfTimeHandled, s.kicks, s.penaltyPending, s.injuryPending,
                                                       int(s.captionKept)});
    };
    struct Case {
        int clip;
        bool injury, penalty, extraTime;
        int choiceState;
        std::function<void(State&)> change;  // from the state before; none: nothing changes
    };
    auto none = [](State&) {};
    const Case cases[] = {
        {0, false, false, false, 0, [](State& s) { s.finished = 2; }},
        {4, false, false, false, 0,
         [](State& s) { s.paused = 1, s.banner = kBannerShootout, s.choosing = 1, s.choiceState = 1; }},
        {5, false, false, false, 0, [](State& s) { s.running = 1, s.phase = 1; }},
        {5, false, false, true, 0, [](State& s) { s.running = 1, s.phase = 1, s.extraShown = 1; }},
        {6, false, false, false, 0, [](State& s) { s.running = 1, s.phase = 3, s.halfTimeHandled = 2; }},
        {9, false, false, false, 0,
         [](State& s) { s.paused = 1, s.banner = kBannerHalfTime, s.secondHalf = 1, s.halfTimeBanner = 1, s.captionKept = false; }},
        {11, false, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerFullTime, s.captionKept = false; }},
        {12, false, false, true, 0, [](State& s) { s.paused = 1, s.banner = kBannerFullTimeAet, s.captionKept = false; }},
        {13, false, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerFullTime, s.captionKept = false; }},
        {14, false, false, false, 0,
         [](State& s) { s.paused = 1, s.banner = kBannerExtraTime, s.halfTimeBanner = 1, s.captionKept = false; }},
        {49, false, false, false, 0, [](State& s) { s.captionKept = false; }},
        {66, false, false, false, 0, [](State& s) { s.captionKept = false; }},
        {290, false, false, false, 0, none},
        {290, true, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerInjury; }},
        {295, true, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerInjury; }},
        {296, true, false, false, 0, none},
        {299, true, true, false, 0, none},
        {300, false, false, false, 0, none},
        {300, true, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerInjury; }},
        {309, true, false, false, 0, [](State& s) { s.paused = 1, s.banner = kBannerInjury; }},
        {320, false, false, false, 0, none},
        {320, false, true, false, 0,
         [](State& s) { s.paused = 1, s.banner = kBannerPenalty, s.choosing = 1, s.penaltyPending = 0; }},
        {327, false, true, false, 0,
         [](State& s) { s.paused = 1, s.banner = kBannerPenalty, s.choosing = 1, s.penaltyPending = 0; }},
        {328, false, true, false, 0, none},
        {346, false, false, false, 1, none},
        {346, false, false, false, 2, [](State& s) { s.kicks = 1; }},
        {377, false, false, false, 2, [](State& s) { s.kicks = 1; }},
        {378, false, false, false, 2, none},
        {1, true, true, false, 2, none},
    };
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "clip " << c.clip << " injury " << c.injury << " penalty " << c.penalty
                                            << " extra time " << c.extraTime << " choice " << c.choiceState);
            p.m_bPaused = 0;
            p.m_nMatchState = kBannerNone;
            p.m_bChoosing = 0;
            p.m_nChoiceState = c.choiceState;
            p.m_bRunning = 0;
            p.m_nPhase = 2;
            p.m_nFinished = 0;
            p.m_bSecondHalf = 0;
            p.m_bHalfTimeBanner = 0;
            p.m_bExtraTime = c.extraTime;
            p.m_bExtraTimeShown = 0;
            p.m_nHalfTimeHandled = 0;
            p.m_nShootoutKicks = 0;
            p.m_bPenaltyPending = c.penalty;
            p.m_bInjuryPending = c.injury;
            p.m_strCaption = "A line";
            auto read = [&] {
                return State{p.m_bPaused,         p.m_nMatchState,     p.m_bChoosing,       p.m_nChoiceState,
                             p.m_bRunning,        p.m_nPhase,          p.m_nFinished,       p.m_bSecondHalf,
                             p.m_bHalfTimeBanner, p.m_bExtraTimeShown, p.m_nHalfTimeHandled, p.m_nShootoutKicks,
                             p.m_bPenaltyPending, p.m_bInjuryPending,  p.m_strCaption == "A line"};
            };
            State expected = read();
            c.change(expected);
            p.ReactToEndedClip(c.clip);
            const State got = read();
            EXPECT_TRUE(got == expected) << "got " << describe(got) << "\nwanted " << describe(expected);
        }
        p.m_bPaused = 0;
        p.m_bChoosing = 0;
        p.m_nChoiceState = 0;
    });
}

// A second leg shows each side's first-leg goals in brackets on the score
// panel, before the goals; a league match shows none.
TEST_F(HighScreenPage, ASecondLegShowsTheFirstLegsGoalsInBrackets) {
    MakeHuman(Club(0));
    std::string leagueScore = "?", secondLegScores[2];
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        leagueScore = p.DisplayedScoreText(0);
    });
    EXPECT_EQ(leagueScore, "0");
    const int16_t first = static_cast<int16_t>(Div().GetFirstClub());
    // The first leg was played at the other ground: 3 - 1 to the away
    // club of this leg.
    CFixture firstLeg(CFixture::kCupHome, static_cast<int16_t>(first + 1), first, 5, 3, 0);
    firstLeg.m_HomeGoals = 3;
    firstLeg.m_AwayGoals = 1;
    world->RefillRotations();
    cupRound = std::make_unique<CCupRound>();
    cupRound->m_Kind = 1;
    cupRound->m_ReplaySlot = CCupRound::kNoReplay;
    cupFixture = std::make_unique<CFixture>(CFixture::kCupHome, first, static_cast<int16_t>(first + 1), 5, 3, 0);
    bool done = false;
    PlayOnPage(
        InspectOnce(
            [&](CHighScreen& p) {
                p.Proceed();
                secondLegScores[0] = p.DisplayedScoreText(0);
                secondLegScores[1] = p.DisplayedScoreText(1);
            },
            &done),
        [&] { Engine().PlayCupSecondLeg(cupFixture.get(), nullptr, cupRound.get(), &firstLeg, "Cup"); });
    ASSERT_TRUE(done);
    EXPECT_EQ(secondLegScores[0], "(1) 0");
    EXPECT_EQ(secondLegScores[1], "(3) 0");
}

TEST_F(HighScreenPage, EveryMatchStartsWithMatchPressedLevelsReleasedAndTheNewHomeSheet) {
    MakeHuman(Club(0));
    // What a match before could have left in the program-wide records.
    for (SurfaceButton& b : g_IntroButtons) b.state = 1;
    g_IntroButtons[0].state = 0;
    for (SurfaceButton& b : g_LevelButtons) b.state = 1;
    g_TeamSheet.rowCount = 3;
    std::vector<int> intro, levels;
    int rows = -1, homeCount = -1;
    OpenAndInspect([&](CHighScreen& p) {
        for (const SurfaceButton& b : g_IntroButtons) intro.push_back(b.state);
        for (const SurfaceButton& b : g_LevelButtons) levels.push_back(b.state);
        rows = g_TeamSheet.rowCount;
        homeCount = p.GetSquadCount(0);
    });
    EXPECT_EQ(intro, (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(levels, std::vector<int>(15, 0));
    EXPECT_GT(homeCount, 11);
    EXPECT_EQ(rows, homeCount);
}

TEST_F(HighScreenPage, ASquadWithAGapListsEveryPlayerOnFewerRows) {
    MakeHuman(Club(0));
    CClub& home = Club(0);
    int slots = -1, count = -1, rows = -1;
    std::vector<std::string> names, expected;
    bool gapKept = false;
    PlayLeague(5, [&](CHighScreen& p) {
        if (slots >= 0) return;
        // The gap is made after the engine picked the side, as a sold
        // player would leave it.
        home.SetPlayerId(3, 0xFFFF);
        gapKept = home.GetPlayerId(3) == 0xFFFF;
        CHighScreen fresh(p.GetMatchPlay());
        slots = fresh.m_nSquadSlots;
        count = fresh.GetSquadCount(0);
        rows = g_TeamSheet.rowCount;
        for (int r = 0; r < rows; ++r) names.push_back(g_TeamSheet.cells[static_cast<size_t>(r)][1].text);
        for (int s = 0; s < slots; ++s)
            if (const CPlayer* pl = home.GetPlayer(s)) expected.push_back(pl->GetName());
        p.GetMatchPlay()->SetState(CMatchPlay::kLeft);
    });
    ASSERT_TRUE(gapKept);
    EXPECT_EQ(count, slots - 1);
    EXPECT_EQ(rows, count);
    EXPECT_EQ(names, expected);
}

TEST_F(HighScreenPage, WithoutATimerTheBoxIsShownAndTheMatchIsFinishedWithoutThePage) {
    MakeHuman(Club(0));
    Ui::Get().SetTimersFail(true);
    platform::SeedRandom(5);
    CFixture& f = world->LeagueFixture(division, 0, 1);
    Engine().PlayLeagueMatch(&f, &Div(), "League");
    Ui::Get().SetTimersFail(false);
    const auto& boxes = backend->Boxes();
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                            [](const auto& b) { return b.text == platform::LoadString(45060); }));
    EXPECT_EQ(Engine().GetState(), CMatchPlay::kLeft);
    EXPECT_GE(Engine().GetMinute(), 90);
    ExpectCompleteFixture(f);
}

TEST_F(HighScreenPage, ProceedQueuesTheRunOutTheWhistleAndTheKickOffAndPausesTheAmbientSound) {
    MakeHuman(Club(0));
    std::vector<int> clips;
    int mode = -1, mirror = -1;
    bool ambientPaused = false;
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        clips = QueuedClips(p);
        mode = p.m_nMode;
        mirror = g_nMatchMode;
        ambientPaused = p.IsAmbientPaused();
    });
    EXPECT_EQ(clips, (std::vector<int>{3, 396, 5}));
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(mirror, 1);
    EXPECT_TRUE(ambientPaused);
}

TEST_F(HighScreenPage, AWholeMatchPlaysFromTheIntroPageToTheResultPageAndLeaves) {
    MakeHuman(Club(0));
    int halfTimeBreaks = 0;
    CFixture& f = PlayThrough(7, [&](CHighScreen& p) {
        if (p.m_nPhase == 2 && p.m_nHalfTimeHandled == 1 && halfTimeBreaks == 0) ++halfTimeBreaks;
    });
    EXPECT_EQ(modesSeen.front(), 0);
    EXPECT_NE(std::find(modesSeen.begin(), modesSeen.end(), 1), modesSeen.end());
    EXPECT_EQ(modesSeen.back(), 2);
    EXPECT_EQ(halfTimeBreaks, 1);
    EXPECT_NE(std::find(bannersSeen.begin(), bannersSeen.end(), kBannerHalfTime), bannersSeen.end());
    EXPECT_NE(std::find(bannersSeen.begin(), bannersSeen.end(), kBannerFullTime), bannersSeen.end());
    ExpectCompleteFixture(f);
    EXPECT_EQ(resultScore[0], f.m_HomeGoals);
    EXPECT_EQ(resultScore[1], f.m_AwayGoals);
    EXPECT_GE(Engine().GetMinute(), 90);
}

TEST_F(HighScreenPage, SkipToEndInTheFirstHalfEndsOnTheResultPageWithTheFixtureComplete) {
    MakeHuman(Club(0));
    bool asked = false;
    int minuteAsked = -1;
    CFixture& f = PlayThrough(9, [&](CHighScreen& p) {
        if (!asked && p.m_nPhase == 1 && p.GetMatchPlay()->GetMinute() >= 5) {
            asked = true;
            minuteAsked = p.GetMatchPlay()->GetMinute();
            ClickPage(25, 150);
        }
    });
    ASSERT_TRUE(asked);
    EXPECT_LT(minuteAsked, 45);
    EXPECT_EQ(modesSeen.back(), 2);
    EXPECT_EQ(std::find(bannersSeen.begin(), bannersSeen.end(), kBannerHalfTime), bannersSeen.end())
        << "no half-time break after the skip";
    ExpectCompleteFixture(f);
    EXPECT_EQ(resultScore[0], f.m_HomeGoals);
}

TEST_F(HighScreenPage, ClosingThePageStopsTheCrowdLoopsAndKillsItsTimer) {
    MakeHuman(Club(0));
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    g_bSfx = 1;
    if (!IsSoundRunning()) {
        ASSERT_EQ(StartDirectSound(), 0);
    }
    uint32_t timer = 0;
    bool killedAgain = true;
    std::array<int, 2> playingBefore{}, playingAfter{};
    OpenAndInspect([&](CHighScreen& p) {
        timer = p.GetTimerId();
        for (int slot : {kCrowdHomeSlot, kCrowdAwaySlot}) {
            LoadSample(slot, "SND\\GEN\\buttonpress.wav");
            PlaySample(slot, 1);
        }
        playingBefore = {GetSample(kCrowdHomeSlot)->playing, GetSample(kCrowdAwaySlot)->playing};
        p.Proceed();
        ASSERT_NE(p.ScoreSurface(), nullptr);
        p.Close();
        playingAfter = {GetSample(kCrowdHomeSlot)->playing, GetSample(kCrowdAwaySlot)->playing};
        // Every picture goes with the page, also those of the program-wide
        // button records, which outlive it.
        EXPECT_EQ(p.PageSurface(), nullptr);
        EXPECT_EQ(p.ScoreSurface(), nullptr);
        EXPECT_EQ(p.PanelSurface(0), nullptr);
        EXPECT_EQ(p.PanelSurface(1), nullptr);
        EXPECT_EQ(p.PerformanceSurface(), nullptr);
        for (const auto* set : {&g_IntroButtons, &g_ResultButtons})
            for (const SurfaceButton& b : *set) {
                EXPECT_EQ(b.released, nullptr);
                EXPECT_EQ(b.pressed, nullptr);
            }
        for (const SurfaceButton& b : g_LevelButtons) {
            EXPECT_EQ(b.released, nullptr);
            EXPECT_EQ(b.pressed, nullptr);
        }
        killedAgain = Ui::Get().KillTimer(&p, timer);
        EXPECT_EQ(p.GetTimerId(), 0u);
    });
    EndDirectSound();
    EXPECT_NE(timer, 0u);
    EXPECT_FALSE(killedAgain) << "the page's timer was already gone";
    EXPECT_EQ(playingBefore, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(playingAfter, (std::array<int, 2>{0, 0}));
}

// The day step's progress reaches the processing page only while it shows:
// the match page replaces it, a step during the match reaches nothing, and
// the day's next phase shows the page again, from its own step.
TEST_F(HighScreenPage, ProgressDuringTheMatchReachesNothingUntilTheDayShowsItsPageAgain) {
    MakeHuman(Club(0));
    CScreenManager* manager = app->GetView()->GetScreenManager();
    ASSERT_NE(manager, nullptr);
    // The game's own port, which the scripted one stands in front of.
    port.reset();
    UserPort& shell = GetUserPort();
    port = std::make_unique<ScriptedUserPort>();
    auto progressPage = [&] { return dynamic_cast<CTitleScreen*>(manager->GetProgressPage()); };

    shell.ShowProgress(9, "Saturday 7th August 1999", 2, 1);
    ASSERT_EQ(g_nCurrentScreen, 114);
    ASSERT_NE(progressPage(), nullptr);
    EXPECT_EQ(progressPage()->GetProgressStep(), 2);

    bool inspected = false;
    CFixture& f = OpenAndInspect([&](CHighScreen& p) {
        inspected = true;
        EXPECT_EQ(manager->GetProgressPage(), nullptr) << "the match page replaced it";
        shell.StepProgress();
        EXPECT_EQ(Page(), &p) << "the match page stays";
        EXPECT_EQ(g_nCurrentScreen, 64);
        EXPECT_EQ(manager->GetProgressPage(), nullptr);
    });
    ASSERT_TRUE(inspected);
    ExpectCompleteFixture(f);
    EXPECT_EQ(manager->GetProgressPage(), nullptr);
    shell.StepProgress();
    EXPECT_EQ(manager->GetProgressPage(), nullptr) << "a step alone brings no page back";

    shell.ShowProgress(9, "Saturday 7th August 1999", 3, 1);
    ASSERT_EQ(g_nCurrentScreen, 114);
    ASSERT_NE(progressPage(), nullptr);
    EXPECT_EQ(progressPage()->GetProgressStep(), 3);
    shell.StepProgress();
    EXPECT_EQ(progressPage()->GetProgressStep(), 4);
}

// Before play: a page made without a match has no engine; possession and a
// statistics row of nothing each are even; Action Areas lights the middle
// third and reads no zone; a timer that is not the page's moves nothing.
TEST_F(HighScreenPage, BeforePlayThePageReadsEvenAndAForeignTimerMovesNothing) {
    {
        CHighScreen unset;
        EXPECT_EQ(unset.GetMatchPlay(), nullptr);
    }
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        ASSERT_EQ(p.GetMatchPlay()->GetMinute(), 0);
        const auto figures = p.ResultStatistics();
        EXPECT_EQ(figures[0], (std::array<int, 2>{50, 50})) << "possession before play";

        // A share bar of 0 and 0 stands half and half.
        platform::gfx::Surface bar(120, 20);
        p.DrawShareBar(&bar, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255);
        int red = 0, blue = 0;
        for (int x = 1; x < 99; ++x) {
            red += bar.Get(x, 8) == platform::gfx::MakePixel(255, 0, 0);
            blue += bar.Get(x, 8) == platform::gfx::MakePixel(0, 0, 255);
        }
        EXPECT_EQ(red, 49);
        EXPECT_EQ(blue, 49);

        // Action Areas at minute 0: the middle third is the lit picture's.
        auto picture = [](const char* name) {
            auto bytes = LoadArchiveEntry(std::string("gfx\\match\\surfaces\\") + name + ".bmp");
            EXPECT_TRUE(bytes.has_value()) << name;
            return platform::gfx::ToSurface(*platform::gfx::DecodeBmp8(*bytes));
        };
        const platform::gfx::Surface lit = picture("centre territory light"), dark = picture("centre territory dark");
        p.m_nSection = 1;
        p.m_bDirty[kPerformance] = 1;
        p.DrawPerformancePanel(false);
        const platform::gfx::Surface* s = p.PerformanceSurface();
        ASSERT_NE(s, nullptr);
        auto litThird = [&](int x0, int x1) {
            int asLit = 0, asDark = 0;
            for (int y = 160; y < 240; y += 3)
                for (int x = x0; x < x1; x += 3) {
                    if (lit.Get(x, y) == dark.Get(x, y)) continue;
                    asLit += s->Get(x, y) == lit.Get(x, y);
                    asDark += s->Get(x, y) == dark.Get(x, y);
                }
            return asLit > asDark;
        };
        EXPECT_FALSE(litThird(36, 133));
        EXPECT_TRUE(litThird(135, 231));
        EXPECT_FALSE(litThird(233, 330));

        // Ticks of another timer leave the match where it stands.
        const int minute = p.GetMatchPlay()->GetMinute(), shown = p.m_nMinute;
        const std::vector<int> queued = QueuedClips(p);
        for (int i = 0; i < 20; ++i) p.OnTimerTick(p.GetTimerId() + 77);
        EXPECT_EQ(p.GetMatchPlay()->GetMinute(), minute);
        EXPECT_EQ(p.m_nMinute, shown);
        EXPECT_EQ(QueuedClips(p), queued);
    });
}

// The match samples at kick-off: the random loops and reactions drawn in
// slot order 20, 21, 26, 27; both crowd loops looping, panned hard left and
// right, at -1000.
TEST_F(HighScreenPage, TheMatchSamplesAreDrawnInSlotOrderAndTheCrowdLoopsPlayApart) {
    MakeHuman(Club(0));
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    g_bSfx = 1;
    if (!IsSoundRunning()) {
        ASSERT_EQ(StartDirectSound(), 0);
    }
    static constexpr const char* kLoops[7] = {"loop 02", "loop 09", "loop 10", "loop 19",
                                              "loop 25", "loop 35", "loop 36"};
    static constexpr const char* kHome[3] = {"reaction 09", "reaction 10", "reaction 11"};
    static constexpr const char* kAway[3] = {"reaction 08", "reaction 15", "reaction 16"};
    auto file = [](const char* name) { return std::string("SND\\MAT\\") + name + ".wav"; };
    OpenAndInspect([&](CHighScreen& p) {
        for (uint32_t seed : {3u, 11u, 29u}) {
            SCOPED_TRACE(seed);
            platform::SeedRandom(seed);
            const int a = RandomByte(7), b = RandomByte(7), c = RandomByte(3), d = RandomByte(3);
            platform::SeedRandom(seed);
            p.LoadMatchSamples();
            EXPECT_EQ(GetSample(kCrowdHomeSlot)->fileName, file(kLoops[a]));
            EXPECT_EQ(GetSample(kCrowdAwaySlot)->fileName, file(kLoops[b]));
            EXPECT_EQ(GetSample(26)->fileName, file(kHome[c]));
            EXPECT_EQ(GetSample(27)->fileName, file(kAway[d]));
            for (int slot : {kCrowdHomeSlot, kCrowdAwaySlot}) {
                const SampleRecord* s = GetSample(slot);
                ASSERT_TRUE(s && s->buffer);
                EXPECT_TRUE(s->playing);
                EXPECT_EQ(s->loop, 1);
                EXPECT_EQ(s->buffer->Pan(), slot == kCrowdHomeSlot ? -1000 : 1000);
                EXPECT_EQ(s->buffer->Volume(), -1000);
            }
        }
    });
    EndDirectSound();
}

// --- the page's rules that need no match ---

TEST(HighScreenAreas, PointsFallInThePanelsTheirEdgesSay) {
    struct Case {
        int x, y, panel;
    };
    for (const Case& c : {Case{210, 493, kStrip}, Case{210, 492, kPerformance}, Case{535, 0, -1}, Case{574, 224, -1},
                          Case{0, 0, kScorePanel}, Case{534, 224, kScorePanel}, Case{0, 225, kHomePanel},
                          Case{209, 549, kHomePanel}, Case{575, 225, kAwayPanel}, Case{787, 549, kAwayPanel},
                          Case{574, 492, kPerformance}, Case{574, 493, kStrip}}) {
        EXPECT_EQ(PanelAt(c.x, c.y), c.panel) << c.x << "," << c.y;
    }
}

TEST(HighScreenAreas, TheTrophyOfACompetitionId) {
    struct Case {
        int id;
        const char* path;
    };
    for (const Case& c : {Case{10000, "gfx\\trophies\\cup\\trophy00.bmp"}, Case{10023, "gfx\\trophies\\cup\\trophy23.bmp"},
                          Case{10024, "gfx\\trophies\\cup\\trophy00.bmp"}, Case{9999, "gfx\\trophies\\division\\trophy15.bmp"},
                          Case{0, "gfx\\trophies\\division\\trophy00.bmp"}, Case{-1, ""}})
        EXPECT_EQ(CHighScreen::TrophyPath(c.id), c.path) << c.id;
}

TEST(HighScreenAreas, TheStripsSectionsAndTheLevelButtonsValues) {
    EXPECT_EQ(StripSectionAt(0), 0);
    EXPECT_EQ(StripSectionAt(48), 0);
    EXPECT_EQ(StripSectionAt(49), 1);
    EXPECT_EQ(StripSectionAt(317), 6);
    EXPECT_EQ(StripSectionAt(318), 7);
    EXPECT_EQ(StripSectionAt(364), 7);
    EXPECT_EQ(StripSectionAt(365), -1);
    EXPECT_EQ(LevelValue(0), 0);
    EXPECT_EQ(LevelValue(2), 4);
    EXPECT_EQ(LevelValue(4), 9);
    struct Case {
        int value, button;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{4, 2}, Case{6, 3}, Case{8, 4}, Case{9, 4}})
        EXPECT_EQ(LevelButtonFor(c.value), c.button) << c.value;
}

TEST_F(HighScreenPage, SpaceHoldsAndReleasesTheMatchAndAHalfTimeReleaseStartsThePeriodOnce) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        CMatchPlay& e = *p.GetMatchPlay();
        // Space while a penalty taker is chosen does nothing.
        p.m_bChoosing = 1;
        p.ToggleRun();
        EXPECT_EQ(p.m_bPaused, 0);
        p.m_bChoosing = 0;
        // A hold made with the space bar does not touch the engine.
        const int minute = e.GetMinute();
        p.ToggleRun();
        EXPECT_EQ(p.m_bPaused, 1);
        EXPECT_EQ(p.m_nMatchState, kBannerPaused);
        p.ToggleRun();
        EXPECT_EQ(p.m_bPaused, 0);
        EXPECT_EQ(e.GetMinute(), minute);
        // The half-time hold: its release starts the next period, once.
        p.m_bPaused = 1;
        p.m_bHalfTimeBanner = 1;
        p.ToggleRun();
        EXPECT_EQ(e.GetMinute(), minute + 1);
        p.ToggleRun();
        p.ToggleRun();
        EXPECT_EQ(e.GetMinute(), minute + 1);
        EXPECT_EQ(p.m_nMatchState, kBannerNone);
    });
}

TEST_F(HighScreenPage, FSwitchesTheEnlargedViewOnlyAfterTheHiddenCodeAndHidingItRedrawsEveryPanel) {
    MakeHuman(Club(0));
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.Send(WM_KEYDOWN, 'F', 0);
        EXPECT_EQ(p.m_bEnlargedView, 0) << "F before the code is only recorded";
        for (char c : std::string("REPLAY")) p.Send(WM_KEYDOWN, static_cast<uintptr_t>(c), 0);
        p.Send(WM_KEYDOWN, 'F', 0);
        EXPECT_EQ(p.m_bEnlargedView, 1);
        p.m_bDirty.fill(0);
        p.Send(WM_KEYDOWN, 'F', 0);
        EXPECT_EQ(p.m_bEnlargedView, 0);
        EXPECT_EQ(p.m_bDirty, (std::array<uint8_t, kPanels>{1, 1, 1, 1, 1}));
    });
}

}  // namespace
}  // namespace hstest
