// The match-day page and the match animations: each event queues the clips
// the animations choose (mirrored after half time) with the penalty choice
// and injury flag they raise, the closing whistle, the crowd loops that
// follow the crowd levels, and whole matches over the two-frame clips in
// which the engine waits for every queued clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/random.h"
#include "platform/sound/audio.h"
#include "screens/highscreen_fixture.h"
#include "screens/matchanimation.h"
#include "shell/soundengine.h"

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

}  // namespace
}  // namespace hstest
