// The match-day page and the match animations: each event queues the clips
// the animations choose (mirrored after half time) with the penalty choice
// and injury flag they raise, the closing whistle, the crowd loops that
// follow the crowd levels, and whole matches over the two-frame clips in
// which the engine waits for every queued clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/random.h"
#include "platform/sound/audio.h"
#include "platform/trace.h"
#include "screens/highscreen_fixture.h"
#include "screens/matchanimation.h"
#include "shell/soundengine.h"
#include "soccerclasses/matchevent.h"

namespace hstest {
namespace {

using namespace highscreen;

std::vector<int> ClipsTestTail(const std::vector<int>& all, size_t from) {
    return std::vector<int>(all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end());
}

std::vector<int> ClipsTestNumbers(const MatchEventAnimation& a) {
    std::vector<int> out;
    for (const FlcQueueEntry& c : a.clips) out.push_back(c.clip);
    return out;
}

TEST_F(HighScreenPage, EachEventQueuesItsAnimationAndKeepsThePenaltyAndInjuryItRaises) {
    MakeHuman(Club(0));
    struct Case {
        int event;
        bool secondHalf;
        int injuryBefore, injuryAfter;
        int pending, side, outcome;
    };
    // 121 a home goal; 127 the human home side's penalty (outcome 1); 128
    // the computer away side's, shown whole; 169 and 177 an injury that
    // stops the match and one that does not; 9 a filler.
    const Case cases[] = {{121, false, 0, 0, 0, 0, 0}, {121, true, 1, 1, 0, 0, 0},  {127, false, 0, 0, 1, 0, 1},
                          {128, true, 0, 0, 0, 0, 0},  {169, false, 0, 1, 0, 0, 0}, {177, true, 1, 0, 0, 0, 0},
                          {9, false, 1, 1, 0, 0, 0}};
    OpenAndInspect([&](CHighScreen& p) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.event);
            p.m_bSecondHalf = c.secondHalf;
            p.m_bInjuryPending = static_cast<uint8_t>(c.injuryBefore);
            p.m_bPenaltyPending = 0;
            p.m_nPenaltySide = p.m_nPenaltyOutcome = -1;
            const size_t before = QueuedClips(p).size();
            const uint32_t state = platform::RandomState();
            ResetLastFillerGroup();
            const MatchEventAnimation expected = BuildEventAnimation(c.event, true, false, c.secondHalf);
            platform::SetRandomState(state);
            ResetLastFillerGroup();
            p.QueueEventAnimation(c.event);
            EXPECT_EQ(ClipsTestTail(QueuedClips(p), before), ClipsTestNumbers(expected));
            EXPECT_EQ(p.m_bInjuryPending, c.injuryAfter);
            EXPECT_EQ(p.m_bPenaltyPending, c.pending);
            if (c.pending) {
                EXPECT_EQ(p.m_nPenaltySide, c.side);
                EXPECT_EQ(p.m_nPenaltyOutcome, c.outcome);
            }
            if (c.event == 121 && c.secondHalf) {
                // The mirrored sequence is not the first half's.
                platform::SetRandomState(state);
                EXPECT_NE(ClipsTestNumbers(BuildEventAnimation(121, true, false, false)),
                          ClipsTestNumbers(expected));
            }
        }
        const size_t before = QueuedClips(p).size();
        p.m_bSecondHalf = 1;
        p.QueueFinalWhistle();
        EXPECT_EQ(ClipsTestTail(QueuedClips(p), before), (std::vector<int>{394, 11}));
        EXPECT_EQ(p.m_bFinalWhistle, 1);
        EXPECT_EQ(p.m_nRefusedPushes, 0);
    });
}

class HighScreenShortClips : public HighScreenPage {
protected:
    HighScreenShortClips() { shortClips = true; }
};

TEST_F(HighScreenShortClips, TheEngineWaitsForEveryQueuedClipAndGoalsReachThePanelAfterTheirClips) {
    MakeHuman(Club(0));
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    g_bSfx = 1;
    if (!IsSoundRunning()) {
        ASSERT_EQ(StartDirectSound(), 0);
    }
    ResetAppliedCrowdLevels();
    int waitingAfterLastTick = 0, minuteAfterLastTick = -1;
    int minuteMovedWhileClipsWaited = 0, scoreAheadOfFixture = 0, scoreBehindFixture = 0, crowdMismatch = 0;
    int crowdChanges = 0, lastHomeLevel = 10;
    bool loopsChecked = false, pausedAfterLastTick = false;
    CFixture& f = PlayThrough(3, [&](CHighScreen& p) {
        const FlcPlayerState& s = p.FlcState();
        const int minute = p.GetMatchPlay()->GetMinute();
        // With two-frame clips one tick ends at most one clip: while another
        // waited behind it, no minute may have been played (the release
        // after a break starts the next period, a minute on).
        if (waitingAfterLastTick > 0 && !pausedAfterLastTick && minute != minuteAfterLastTick)
            ++minuteMovedWhileClipsWaited;
        waitingAfterLastTick = s.QueueCount();
        pausedAfterLastTick = p.m_bPaused != 0;
        minuteAfterLastTick = minute;
        const CFixture* fx = p.GetMatchPlay()->GetFixture();
        for (int side = 0; side < 2; ++side) {
            const int goals = side == 0 ? fx->m_HomeGoals : fx->m_AwayGoals;
            if (p.GetDisplayedScore(side) > goals) ++scoreAheadOfFixture;
            if (p.GetDisplayedScore(side) < goals) ++scoreBehindFixture;
        }
        if (!loopsChecked) {
            loopsChecked = true;
            for (int slot : {kCrowdHomeSlot, kCrowdAwaySlot}) {
                const SampleRecord* r = GetSample(slot);
                ASSERT_TRUE(r) << slot;
                EXPECT_TRUE(r->playing) << slot;
                EXPECT_EQ(r->buffer->Pan(), slot == kCrowdHomeSlot ? -1000 : 1000);
            }
        }
        for (int side = 0; side < 2 && p.m_nMode == 1; ++side) {
            const int level = p.m_nCrowdLevel[static_cast<size_t>(side)];
            const SampleRecord* r = GetSample(side == 0 ? kCrowdHomeSlot : kCrowdAwaySlot);
            if (!r || r->buffer->Volume() != CrowdLevelVolume(level))
                ++crowdMismatch;
        }
        if (p.m_nCrowdLevel[0] != lastHomeLevel) ++crowdChanges;
        lastHomeLevel = p.m_nCrowdLevel[0];
        EXPECT_EQ(p.m_nRefusedPushes, 0);
    });
    EXPECT_TRUE(loopsChecked);
    EXPECT_EQ(modesSeen.back(), 2);
    ExpectCompleteFixture(f);
    ASSERT_GT(f.m_HomeGoals + f.m_AwayGoals, 0) << "the seed must bring a goal";
    EXPECT_EQ(minuteMovedWhileClipsWaited, 0);
    EXPECT_EQ(scoreAheadOfFixture, 0) << "a goal shown before the engine recorded it";
    EXPECT_GT(scoreBehindFixture, 0) << "every goal waits for its clip";
    EXPECT_EQ(resultScore[0], f.m_HomeGoals);
    EXPECT_EQ(resultScore[1], f.m_AwayGoals);
    EXPECT_EQ(crowdMismatch, 0);
    EXPECT_GT(crowdChanges, 0);
    EndDirectSound();
}

// The page's clock: every tick of play shows one frame, and every clip the
// events queue shows all its frames; none is passed over. So a match lasts
// the frames of its clips (quiet minutes take no time on the screen).
TEST_F(HighScreenShortClips, EveryQueuedClipShowsEachOfItsFramesOneATick) {
    MakeHuman(Club(0));
    platform::TraceCapture trace;
    auto clipsOpened = [&] {
        return std::count_if(trace.Lines().begin(), trace.Lines().end(),
                             [](const std::string& l) { return l.rfind("---FLC = ", 0) == 0; });
    };
    long opened = 0, framesShown = 0, ticksWithTwoFrames = 0, idleTicks = 0;
    int lastCounter = 0;
    bool pausedBefore = true;
    PlayThrough(4, [&](CHighScreen& p) {
        const long now = clipsOpened();
        const int counter = p.FlcState().frameCounter;
        // A clip opened this tick shows its first frames; one going on
        // shows those past the last tick's.
        const long shown = now > opened ? counter + (now - opened - 1) : counter - lastCounter;
        framesShown += shown;
        if (shown > 1) ++ticksWithTwoFrames;
        if (shown == 0 && !pausedBefore && !p.m_bPaused && p.m_nFinished == 0) ++idleTicks;
        opened = now;
        lastCounter = counter;
        pausedBefore = p.m_bPaused != 0;
    });
    EXPECT_EQ(modesSeen.back(), 2);
    ASSERT_GT(opened, 40) << "a whole match opens many clips";
    // The short clips have two frames each.
    EXPECT_EQ(framesShown, 2 * opened);
    EXPECT_EQ(ticksWithTwoFrames, 0);
    EXPECT_EQ(idleTicks, 0) << "a tick of play that showed nothing";
    EXPECT_FALSE(trace.Contains("skipped"));
    EXPECT_FALSE(trace.Contains("Cannot find file"));
    EXPECT_FALSE(trace.Contains("has no row"));
}

}  // namespace
}  // namespace hstest

namespace hstest {
namespace {

using namespace highscreen;

// A human side's penalty in play: the choice holds the match (space does
// nothing), only the awarded side's card offers "Take Penalty", a
// substitute or the other side is refused, and the card player takes it.
TEST_F(HighScreenShortClips, AHumanSidesPenaltyIsTakenByTheCardPlayerOfTheSideItWasAwardedTo) {
    MakeHuman(Club(0));
    bool seen = false;
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u}) {
        int stage = 0, chosen = -1, outcome = -1;
        std::vector<int> after;
        bool swapped = false, penaltyShot = false;
        modesSeen.clear();
        takePenaltyClicks.clear();
        CFixture& f = PlayThrough(seed, [&](CHighScreen& p) {
            if (stage == 0 && p.m_bChoosing && p.m_nChoiceState == 0) {
                stage = 1;
                holdChoice = true;
                EXPECT_EQ(p.m_nMatchState, kBannerPenalty);
                EXPECT_EQ(p.m_nPenaltySide, 0) << "only the human side chooses";
                EXPECT_EQ(p.m_CardButtons[0][2].flags & kSbHidden, 0);
                EXPECT_NE(p.m_CardButtons[1][2].flags & kSbHidden, 0);
                backend->Key(VK_SPACE);
            } else if (stage == 1) {
                stage = 2;
                EXPECT_TRUE(p.m_bPaused) << "space while choosing";
                EXPECT_TRUE(p.m_bChoosing);
                // A substitute, and the side not awarded the penalty.
                p.m_nCardPlayer[0] = 12;
                p.OnTakePenalty(0);
                p.m_nCardPlayer[1] = 9;
                p.OnTakePenalty(1);
                EXPECT_TRUE(p.m_bChoosing);
                EXPECT_EQ(p.m_nPenaltySide, 0);
                outcome = p.m_nPenaltyOutcome;
                swapped = p.m_bSecondHalf != 0;
                holdChoice = false;
            } else if (stage == 2 && p.m_bChoosing && p.m_nPanelView[0] == 1 && !penaltyShot) {
                // For people to look at: the card open for the penalty.
                penaltyShot = true;
                SaveShot("matchday-penalty-choice");
            } else if (stage == 2 && !p.m_bChoosing) {
                stage = 3;
                after = QueuedClips(p);
                chosen = takePenaltyClicks.empty() ? -1 : takePenaltyClicks.back();
            }
        });
        holdChoice = false;
        if (stage == 0) continue;
        seen = true;
        SCOPED_TRACE(seed);
        ASSERT_EQ(stage, 3);
        ASSERT_GE(chosen, 1);
        EXPECT_EQ(modesSeen.back(), 2);
        ExpectCompleteFixture(f);
        // The run-up first, from the home side's list (mirrored after half time).
        ASSERT_FALSE(after.empty());
        const std::vector<int> runUps = swapped ? std::vector<int>{380, 381} : std::vector<int>{378, 379};
        EXPECT_NE(std::find(runUps.begin(), runUps.end(), after.front()), runUps.end()) << after.front();
        const CPlayer* taker = Club(0).GetPlayer(chosen);
        ASSERT_TRUE(taker);
        EXPECT_EQ(Club(0).GetDesignatedPlayer(1), Club(0).GetPlayerId(chosen)) << "the club's penalty taker";
        int penaltyGoals = 0;
        for (int i = 0; i < f.m_Events.GetSize(); ++i)
            if (f.m_Events.GetAt(i)->m_Type == CMatchEvent::kHomePenaltyGoal) ++penaltyGoals;
        if (outcome == 0) {
            EXPECT_GE(penaltyGoals, 1);
        }
        break;
    }
    EXPECT_TRUE(seen) << "no seed of the list brought the human side a penalty";
}

}  // namespace
}  // namespace hstest

namespace hstest {
namespace {

using namespace highscreen;

// Over a whole match: the crowd levels stay within 5 to 15 and move at
// most once in 18 ticks; the ball trail takes, for each clip that starts,
// the clip's end cell, the older marks moving down the trail.
TEST_F(HighScreenShortClips, TheCrowdLevelsKeepTheirRangeAndPaceAndTheTrailTakesEachClipsEndCell) {
    MakeHuman(Club(0));
    int tick = 0, lastChange = -100, outOfRange = 0, tooSoon = 0, changes = 0, trailChecks = 0, trailWrong = 0;
    std::array<int, 2> levels{-1, -1};
    std::array<CHighScreen::BallTrailEntry, 4> trail{};
    PlayThrough(7, [&](CHighScreen& p) {
        ++tick;
        if (p.m_nCrowdLevel != levels) {
            // The first reading is no change.
            if (levels[0] >= 0) {
                ++changes;
                if (tick - lastChange < 18) ++tooSoon;
                lastChange = tick;
            }
            levels = p.m_nCrowdLevel;
        }
        for (int l : p.m_nCrowdLevel) outOfRange += l < 5 || l > 15;
        // A clip that started this tick put its end cell at the head of the
        // trail and moved the older marks down.
        const FlcPlayerState& f = p.FlcState();
        if (p.m_BallTrail[0].x != trail[0].x || p.m_BallTrail[0].y != trail[0].y) {
            ++trailChecks;
            trailWrong += p.m_BallTrail[0].x != 35 + 23 * f.endColumn;
            trailWrong += p.m_BallTrail[0].y != 41 + 23 * f.endRow;
            for (size_t i = 1; i < trail.size(); ++i)
                trailWrong += p.m_BallTrail[i].x != trail[i - 1].x || p.m_BallTrail[i].y != trail[i - 1].y;
        }
        trail = p.m_BallTrail;
    });
    EXPECT_EQ(modesSeen.back(), 2);
    EXPECT_GT(changes, 0) << "the crowd followed the play";
    EXPECT_EQ(outOfRange, 0);
    EXPECT_EQ(tooSoon, 0);
    EXPECT_GT(trailChecks, 10);
    EXPECT_EQ(trailWrong, 0);
}

// The latest score of the day's other matches stands on the score panel
// in play, and is hidden at half time and after the final whistle; it
// comes back in the second half. The cup round's other tie scores in every
// minute here, so there is always a latest score to show.
TEST_F(HighScreenShortClips, TheLatestScoreIsHiddenAtHalfTimeAndAfterTheWhistle) {
    MakeHuman(Club(0));
    std::vector<std::vector<platform::gfx::Pixel>> bare;
    auto strip = [](const platform::gfx::Surface& s) {
        std::vector<std::vector<platform::gfx::Pixel>> rows;
        for (int y = 196; y < 216; ++y) {
            rows.emplace_back();
            for (int x = 150; x < 436; ++x) rows.back().push_back(s.Get(x, y));
        }
        return rows;
    };
    int shownFirstHalf = 0, shownSecondHalf = 0, hiddenAtHalfTime = 0, hiddenAtEnd = 0, wrong = 0;
    bool scoring = false;
    otherTie = true;
    PlayThrough(3, [&](CHighScreen& p) {
        CMatchPlay* e = p.GetMatchPlay();
        if (!scoring) {
            scoring = true;
            ASSERT_FALSE(e->GetRelatedFixtures().empty()) << "the round has another tie";
            CFixture* other = e->GetRelatedFixtures().front();
            for (int m = 1; m <= 125; ++m) other->m_Events.Add(m, CMatchEvent::kHomeGoal, "Ames");
            p.m_bDirty[kScorePanel] = 1;
            p.PaintScorePanel(false);
            bare = strip(*p.ScoreSurface());
            return;
        }
        if (p.m_bEnlargedView) return;
        p.m_bDirty[kScorePanel] = 1;
        p.PaintScorePanel(false);
        const bool shown = strip(*p.ScoreSurface()) != bare;
        const bool hidden = p.m_nHalfTimeHandled == 1 || p.m_nFinished != 0;
        if (hidden) {
            wrong += shown;
            (p.m_nFinished ? hiddenAtEnd : hiddenAtHalfTime) += 1;
        } else if (e->GetMinute() >= 2 && !e->GetLatestScoresText().empty()) {
            wrong += !shown;
            (p.m_bSecondHalf ? shownSecondHalf : shownFirstHalf) += 1;
        }
    }, true);
    EXPECT_EQ(modesSeen.back(), 2);
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(shownFirstHalf, 0);
    EXPECT_GT(hiddenAtHalfTime, 0);
    EXPECT_GT(shownSecondHalf, 0);
    EXPECT_GT(hiddenAtEnd, 0);
}

// A cup tie level after extra time: "E-T" on the score panel, then the
// shoot-out: a kicker chosen twice counts once, five kickers end the
// choice, every kick is queued as three clips alternating home and away,
// and the board counts the kicks as their clips end.
TEST_F(HighScreenShortClips, ACupTieLevelAfterExtraTimeGoesToTheShootoutWithFiveChosenKickers) {
    MakeHuman(Club(0));
    bool seen = false;
    for (uint32_t seed = 1; seed <= 60 && !seen; ++seed) {
        int stage = 0, kicks = -1, boardKicks = -1;
        bool extraTimeShown = false, buttonHiddenAfter = false, boardShot = false;
        std::vector<FlcQueueEntry> queued;
        std::vector<int> takers;
        modesSeen.clear();
        bannersSeen.clear();
        CFixture& f = PlayThrough(
            seed,
            [&](CHighScreen& p) {
                if (p.m_bExtraTimeShown) extraTimeShown = true;
                if (stage == 0 && p.m_nChoiceState == 1 && p.m_bChoosing) {
                    stage = 1;
                    EXPECT_EQ(p.m_nMatchState, kBannerShootout);
                    EXPECT_EQ(p.ChoosingSide(), 0);
                    EXPECT_EQ(p.m_CardButtons[0][2].flags & kSbHidden, 0);
                    // The same player twice is one kicker.
                    p.m_nCardPlayer[0] = 10;
                    p.OnTakePenalty(0);
                    p.OnTakePenalty(0);
                    EXPECT_EQ(p.m_nTakersChosen, 1);
                    // A substitute is no kicker.
                    p.m_nCardPlayer[0] = 13;
                    p.OnTakePenalty(0);
                    EXPECT_EQ(p.m_nTakersChosen, 1);
                } else if (stage == 1 && p.m_nChoiceState == 2) {
                    stage = 2;
                    const FlcPlayerState& s = p.FlcState();
                    for (int i = s.readIndex; i != s.writeIndex; i = (i + 1) % FlcPlayerState::kQueueSize)
                        queued.push_back(s.queue[static_cast<size_t>(i)]);
                    for (int k = 0; k < p.m_nTakersChosen; ++k) takers.push_back(p.m_Takers[static_cast<size_t>(k)].player);
                    buttonHiddenAfter = (p.m_CardButtons[0][2].flags & kSbHidden) != 0;
                }
                if (p.m_nChoiceState == 2) boardKicks = p.m_nShootoutKicks;
                if (p.m_nChoiceState == 2 && p.m_nShootoutKicks == 3 && !boardShot) {
                    // For people to look at: the board after three kicks.
                    boardShot = true;
                    SaveShot("matchday-shootout-board");
                }
            },
            true);
        if (stage == 0) continue;
        seen = true;
        SCOPED_TRACE(seed);
        ASSERT_EQ(stage, 2);
        EXPECT_TRUE(extraTimeShown);
        EXPECT_NE(std::find(bannersSeen.begin(), bannersSeen.end(), kBannerExtraTime), bannersSeen.end());
        EXPECT_EQ(takers.size(), 5u);
        EXPECT_EQ(std::set<int>(takers.begin(), takers.end()).size(), takers.size());
        EXPECT_TRUE(buttonHiddenAfter);
        EXPECT_EQ(modesSeen.back(), 2);
        EXPECT_TRUE(f.m_Events.HasShootout());
        // The result page, still on display, gives the shoot-out's line with
        // the winner, and its lists start below it.
        CHighScreen* page = Page();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->m_nMode, 2);
        const std::string line = f.GetShootoutText();
        const std::string winner = f.m_Events.GetShootoutWinner() == 0 ? f.GetHomeTeamName() : f.GetAwayTeamName();
        EXPECT_NE(line.find(winner), std::string::npos) << line;
        for (int side = 0; side < 2; ++side)
            for (const CHighScreen::ResultLine& l : page->ResultPageLines(side)) EXPECT_GE(l.y, 180);
        // Three clips a kick from the run-up on, the kicks alternating home
        // and away; a five-round shoot-out takes 6 to 10 kicks.
        const auto first = std::find_if(queued.begin(), queued.end(),
                                        [](const FlcQueueEntry& c) { return c.clip >= 378 && c.clip <= 381; });
        const std::vector<FlcQueueEntry> kickClips(first, queued.end());
        ASSERT_EQ(kickClips.size() % 3, 0u);
        kicks = static_cast<int>(kickClips.size() / 3);
        EXPECT_GE(kicks, 6);
        EXPECT_LE(kicks, 10);
        for (size_t i = 0; i < kickClips.size(); ++i) EXPECT_EQ(kickClips[i].side, static_cast<int>((i / 3) % 2)) << i;
        EXPECT_EQ(boardKicks, kicks);
    }
    EXPECT_TRUE(seen) << "no seed of the list brought a shoot-out";
}

}  // namespace
}  // namespace hstest
