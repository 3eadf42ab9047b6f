// The event animations: every event number's clips, over many seeds of the
// random draws; the Part's edge cases and the mends of its lists; the
// final whistle; and the crowd loops' volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "catalogue.h"
#include "clipgen.h"

#include "platform/files.h"
#include "platform/sound/audio.h"
#include "platform/random.h"
#include "screens/matchanimation.h"
#include "shell/flcclips.h"
#include "shell/soundengine.h"
#include "soccerclasses/globals.h"
#include "support/test_env.h"

namespace {

bool AnimIn(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Clips that show no end of the pitch.
bool AnimNeutral(int n) {
    static const std::pair<int, int> kRanges[] = {{0, 14},    {67, 73},   {210, 251}, {290, 290}, {293, 293}, {304, 304},
                                                  {309, 309}, {314, 327}, {382, 385}, {394, 396}, {399, 401}, {650, 665}};
    return std::any_of(std::begin(kRanges), std::end(kRanges), [&](auto r) { return AnimIn(n, r.first, r.second); });
}

// A raw value that makes RandomByte(n) give v.
int AnimRawFor(int v, int n) { return ((v * 256 + n - 1) / n) << 4; }

bool AnimHas(const MatchEventAnimation& a, int lo, int hi) {
    return std::any_of(a.clips.begin(), a.clips.end(), [&](const FlcQueueEntry& c) { return AnimIn(c.clip, lo, hi); });
}

bool AnimIsGoalEvent(int e, bool homeHuman, bool awayHuman) {
    if (e == 7 || e == 8 || e == 37 || e == 38 || e == 49 || e == 50 || e == 61 || e == 62 || e == 73 || e == 74) return true;
    if (AnimIn(e, 103, 110) || AnimIn(e, 119, 122)) return true;
    if (AnimIn(e, 127, 150) && (e - 127) % 6 >= 4) return (e % 2 == 1) ? !homeHuman : !awayHuman;
    return false;
}

class MatchAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { ResetLastFillerGroup(); }
    void TearDown() override { platform::ClearRandomScript(); }
};

TEST_F(MatchAnimationTest, EveryEventOverManySeedsGivesClipsWithRowsAndTheRightKinds) {
    for (int humans = 0; humans < 4; ++humans) {
        const bool homeHuman = humans & 1, awayHuman = humans & 2;
        for (int e = 0; e < 256; ++e) {
            for (uint32_t seed = 1; seed <= 40; ++seed) {
                platform::SeedRandom(seed * 7919 + static_cast<uint32_t>(e));
                const MatchEventAnimation a = BuildEventAnimation(e, homeHuman, awayHuman, false);
                const std::string at = "event " + std::to_string(e) + " seed " + std::to_string(seed);
                ASSERT_FALSE(a.clips.empty()) << at;
                ASSERT_LE(a.clips.size(), 8u) << at;
                for (const FlcQueueEntry& c : a.clips) {
                    EXPECT_NE(FlcClipAt(c.clip), nullptr) << at << " clip " << c.clip;
                    EXPECT_TRUE(c.side == 0 || c.side == 1) << at;
                }
                const bool row = AnimIn(e, 7, 8) || AnimIn(e, 13, 16) || AnimIn(e, 29, 122) || AnimIn(e, 127, 162) ||
                                 AnimIn(e, 169, 188);
                if (!row) {
                    ASSERT_EQ(a.clips.size(), 1u) << at;
                    EXPECT_TRUE(AnimIn(a.clips[0].clip, 15, 18) || AnimIn(a.clips[0].clip, 29, 48)) << at;
                }
                const bool booking = AnimIn(e, 39, 62) || AnimIn(e, 127, 132) || AnimIn(e, 139, 144);
                const bool sendingOff = AnimIn(e, 63, 86) || AnimIn(e, 133, 138) || AnimIn(e, 145, 150);
                if (booking) { EXPECT_TRUE(AnimHas(a, 320, 323)) << at; }
                if (sendingOff) { EXPECT_TRUE(AnimHas(a, 324, 327)) << at; }
                if (sendingOff) { EXPECT_FALSE(AnimHas(a, 320, 323)) << at; }
                if (AnimIn(e, 127, 150)) {
                    const int outcome = (e - 127) % 6 < 2 ? 1 : (e - 127) % 6 < 4 ? 2 : 0;
                    const bool human = e % 2 == 1 ? homeHuman : awayHuman;
                    EXPECT_EQ(a.penaltyPending, human) << at;
                    if (human) {
                        EXPECT_EQ(a.clips.back().clip, 2) << at;
                        EXPECT_EQ(a.penaltyOutcome, outcome) << at;
                        EXPECT_EQ(a.penaltySide, e % 2 == 1 ? 0 : 1) << at;
                    } else {
                        EXPECT_EQ(AnimHas(a, 346, 361), outcome == 0) << at;
                        EXPECT_EQ(AnimHas(a, 370, 377), outcome == 1) << at;
                        EXPECT_EQ(AnimHas(a, 362, 369), outcome == 2) << at;
                    }
                } else {
                    EXPECT_FALSE(a.penaltyPending) << at;
                }
                if (AnimIsGoalEvent(e, homeHuman, awayHuman)) {
                    // The restart, by the side that conceded.
                    const FlcQueueEntry& last = a.clips.back();
                    ASSERT_TRUE(last.clip == 7 || last.clip == 8) << at;
                    EXPECT_EQ(last.side, last.clip == 7 ? 1 : 0) << at;
                }
                if (AnimIn(e, 169, 176)) { EXPECT_EQ(a.injury, 1) << at; }
                else if (AnimIn(e, 177, 188)) { EXPECT_EQ(a.injury, 0) << at; }
                else { EXPECT_EQ(a.injury, -1) << at; }
            }
        }
    }
}

TEST_F(MatchAnimationTest, BeforeHalfTimeASequenceShowsOneEndAndAfterItEveryClipIsMirrored) {
    for (int e = 0; e < 256; ++e) {
        for (uint32_t seed = 1; seed <= 30; ++seed) {
            platform::SeedRandom(seed * 104729 + static_cast<uint32_t>(e));
            const uint32_t state = platform::RandomState();
            const int filler = LastFillerGroup();
            const MatchEventAnimation a = BuildEventAnimation(e, false, false, false);
            std::set<char> ends;
            for (const FlcQueueEntry& c : a.clips)
                if (!AnimNeutral(c.clip)) ends.insert(FlcClipAt(c.clip)->name.back());
            const std::string at = "event " + std::to_string(e) + " seed " + std::to_string(seed);
            EXPECT_LE(ends.size(), 1u) << at;
            // A goal shows the end it goes in at: R for the home side's.
            const bool homeGoal = e == 8 || e == 37 || e == 49 || e == 61 || e == 73 || e == 119 || e == 121 ||
                                  (AnimIn(e, 103, 110) && e % 2 == 1);
            const bool awayGoal = e == 7 || e == 38 || e == 50 || e == 62 || e == 74 || e == 120 || e == 122 ||
                                  (AnimIn(e, 103, 110) && e % 2 == 0);
            if (homeGoal) { EXPECT_EQ(*ends.begin(), 'R') << at; }
            if (awayGoal) { EXPECT_EQ(*ends.begin(), 'L') << at; }
            // The same draws after half time: every clip its partner.
            platform::SetRandomState(state);
            (void)filler;
            MatchEventAnimation b;
            // A filler's group memory moved with the first draw: compare rows only.
            if (a.clips.size() == 1 && (AnimIn(a.clips[0].clip, 15, 18) || AnimIn(a.clips[0].clip, 29, 48))) continue;
            b = BuildEventAnimation(e, false, false, true);
            ASSERT_EQ(a.clips.size(), b.clips.size()) << at;
            for (size_t i = 0; i < a.clips.size(); ++i) {
                EXPECT_EQ(b.clips[i].clip, FlcEndSwap(a.clips[i].clip)) << at;
                EXPECT_EQ(b.clips[i].side, a.clips[i].side) << at;
            }
        }
    }
}

TEST_F(MatchAnimationTest, TheEdgeCasesOfTheEventTable) {
    // Two fillers in a row never come from one group; group 10's side
    // follows its pair.
    int before = -2;
    for (uint32_t seed = 1; seed < 300; ++seed) {
        platform::SeedRandom(seed);
        const MatchEventAnimation a = BuildEventAnimation(9, false, false, false);
        EXPECT_NE(LastFillerGroup(), before);
        before = LastFillerGroup();
        const FlcQueueEntry c = a.clips.front();
        if (AnimIn(c.clip, 17, 18)) { EXPECT_EQ(c.side, 0); }
        if (AnimIn(c.clip, 15, 16)) { EXPECT_EQ(c.side, 1); }
    }
    {
        // Group 10 scripted: the pair {17, 18} home, {15, 16} away.
        ResetLastFillerGroup();
        platform::ScopedRandomScript script{AnimRawFor(10, 11), AnimRawFor(1, 2), AnimRawFor(0, 2)};
        const MatchEventAnimation a = BuildEventAnimation(200, false, false, false);
        EXPECT_EQ(a.clips.front().clip, 17);
        EXPECT_EQ(a.clips.front().side, 0);
        // Group 10 again is refused; the next draw, group 3, is a home pair.
        platform::ScopedRandomScript again{AnimRawFor(10, 11), AnimRawFor(3, 11), AnimRawFor(0, 2)};
        const MatchEventAnimation b = BuildEventAnimation(200, false, false, false);
        EXPECT_EQ(b.clips.front().clip, 35);
        EXPECT_EQ(b.clips.front().side, 0);
        EXPECT_EQ(LastFillerGroup(), 3);
        ResetLastFillerGroup();
        platform::ScopedRandomScript away{AnimRawFor(10, 11), AnimRawFor(0, 2), AnimRawFor(1, 2)};
        const MatchEventAnimation c = BuildEventAnimation(200, false, false, false);
        EXPECT_EQ(c.clips.front().clip, 16);
        EXPECT_EQ(c.clips.front().side, 1);
    }
    // After half time a home goal ends in 8 instead of 7, and celebration 49
    // becomes 55.
    {
        platform::ScopedRandomScript script{AnimRawFor(0, 5), AnimRawFor(0, 6)};
        const MatchEventAnimation a = BuildEventAnimation(121, false, false, true);
        ASSERT_EQ(a.clips.size(), 3u);
        EXPECT_EQ(a.clips[0].clip, FlcEndSwap(262));
        EXPECT_EQ(a.clips[1].clip, 55);
        EXPECT_EQ(a.clips[2].clip, 8);
        EXPECT_EQ(a.clips[2].side, 1);
    }
    // The substitutions: 112 queues 650 with flag 0; 114, 116 and 118 carry 1.
    const std::pair<int, FlcQueueEntry> subs[] = {{111, {654, 0}}, {112, {650, 0}}, {113, {657, 0}}, {114, {653, 1}},
                                                  {115, {656, 0}}, {116, {652, 1}}, {117, {655, 0}}, {118, {651, 1}}};
    for (const auto& [e, clip] : subs) {
        const MatchEventAnimation a = BuildEventAnimation(e, false, false, false);
        ASSERT_EQ(a.clips.size(), 1u);
        EXPECT_EQ(a.clips[0].clip, clip.clip) << e;
        EXPECT_EQ(a.clips[0].side, clip.side) << e;
    }
    // Corners: 87-102 follow with clip event - 1; 105-108 with 106, 107, 104, 105.
    for (int e = 87; e <= 102; ++e) {
        const MatchEventAnimation a = BuildEventAnimation(e, false, false, false);
        ASSERT_EQ(a.clips.size(), 2u);
        EXPECT_EQ(a.clips[1].clip, e - 1);
        EXPECT_EQ(a.clips[0].side, e % 2 == 1 ? 0 : 1);
    }
    const int seconds[4] = {106, 107, 104, 105};
    for (int e = 105; e <= 108; ++e) EXPECT_EQ(BuildEventAnimation(e, false, false, false).clips[1].clip, seconds[e - 105]);
}

TEST_F(MatchAnimationTest, TheMendedListsShowAMissAsAMissAndASendingOffInRed) {
    // An away penalty missed (event 130, outcome 2) draws from 362-368.
    std::set<int> seen;
    for (uint32_t seed = 1; seed < 200; ++seed) {
        platform::SeedRandom(seed);
        const MatchEventAnimation a = BuildEventAnimation(130, false, false, false);
        for (const FlcQueueEntry& c : a.clips)
            if (AnimIn(c.clip, 362, 377)) seen.insert(c.clip);
    }
    EXPECT_EQ(seen, (std::set<int>{362, 364, 366, 368}));
    // Events 145-150 come from the sending-off step: a red card, 324 for the
    // home side's penalty (shown to the away side), 325 for the away side's.
    for (int e = 145; e <= 150; ++e) {
        const MatchEventAnimation a = BuildEventAnimation(e, false, false, false);
        ASSERT_GE(a.clips.size(), 3u);
        EXPECT_EQ(a.clips[2].clip, e % 2 == 1 ? 324 : 325) << e;
        EXPECT_EQ(a.clips[2].side, e % 2 == 1 ? 1 : 0) << e;
    }
}

TEST_F(MatchAnimationTest, TheFinalWhistleQueuesItsTwoClipsUnmirrored) {
    const std::vector<FlcQueueEntry> clips = FinalWhistleClips();
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(clips[0].clip, 394);
    EXPECT_EQ(clips[1].clip, 11);
    EXPECT_EQ(clips[0].side, 0);
    EXPECT_EQ(clips[1].side, 0);
}

TEST(MatchCrowdVolume, TheLevelsDriveTheTwoCrowdLoopsOnlyWhenTheyChange) {
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    platform::SetInstallFolder(testenv::GameDir());
    g_bSfx = 1;
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(kHomeCrowdSlot, "SND\\MAT\\loop 02.wav");
    LoadSample(kAwayCrowdSlot, "SND\\MAT\\loop 09.wav");
    LoadSample(29, "SND\\MAT\\loop 10.wav");
    ASSERT_TRUE(GetSample(kHomeCrowdSlot) && GetSample(kAwayCrowdSlot) && GetSample(29));
    ResetAppliedCrowdLevels();
    // The first tick of the run sets both, on slots 20 and 21 (not 29).
    ApplyCrowdLevels(15, 5);
    EXPECT_EQ(GetSample(kHomeCrowdSlot)->buffer->Volume(), -2000);
    EXPECT_EQ(GetSample(kAwayCrowdSlot)->buffer->Volume(), -500);
    EXPECT_EQ(GetSample(29)->buffer->Volume(), 0);
    EXPECT_EQ(LastAppliedCrowdLevel(0), 15);
    // A level unchanged since it was applied is not set again, not even at
    // the next match: a volume set by hand stays.
    SetSampleVolume(kHomeCrowdSlot, -100);
    ApplyCrowdLevels(15, 6);
    EXPECT_EQ(GetSample(kHomeCrowdSlot)->buffer->Volume(), -100);
    EXPECT_EQ(GetSample(kAwayCrowdSlot)->buffer->Volume(), -600);
    EXPECT_EQ(CrowdLevelVolume(10), -1000);
    EXPECT_EQ(CrowdLevelVolume(20), -10000);
    ResetAppliedCrowdLevels();
    EndDirectSound();
    platform::ResetFolders();
}

// The level of a crowd loop as the headless mixer plays it: the RMS of the
// first half second from the loop's start.
double CrowdMixedRms(int slot) {
    PlaySample(slot, 1);
    const std::vector<int16_t> out = platform::PullAudio(11025);
    StopSample(slot);
    double sum = 0;
    for (int16_t v : out) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(std::max<size_t>(1, out.size())));
}

TEST(MatchCrowdVolume, TheMixerPlaysTheHomeLoopAtLevelFifteenTwentyDecibelsDownAndTheAwayLoopAtFiveFiveDown) {
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    platform::SetInstallFolder(testenv::GameDir());
    g_bSfx = 1;
    ASSERT_EQ(StartDirectSound(), 0);
    for (int slot : {kHomeCrowdSlot, kAwayCrowdSlot}) LoadSample(slot, "SND\\MAT\\loop 02.wav");
    ASSERT_TRUE(GetSample(kHomeCrowdSlot) && GetSample(kAwayCrowdSlot));
    ResetAppliedCrowdLevels();
    ApplyCrowdLevels(0, 0);
    const double fullHome = CrowdMixedRms(kHomeCrowdSlot), fullAway = CrowdMixedRms(kAwayCrowdSlot);
    ASSERT_GT(fullHome, 100.0);
    ASSERT_GT(fullAway, 100.0);
    ApplyCrowdLevels(15, 5);
    const double homeDb = 20 * std::log10(CrowdMixedRms(kHomeCrowdSlot) / fullHome);
    const double awayDb = 20 * std::log10(CrowdMixedRms(kAwayCrowdSlot) / fullAway);
    EXPECT_NEAR(homeDb, -20.0, 0.3);
    EXPECT_NEAR(awayDb, -5.0, 0.3);
    ResetAppliedCrowdLevels();
    EndDirectSound();
    platform::ResetFolders();
}

// The lists one draw reads at the same index: the first clip shows the
// build-up, the second the finish, so the second opens in the cell where
// the first left the ball (from the catalogue, as the generator films it).
TEST(MatchClipContinuity, EveryOneDrawPairJoinsAtTheSameCell) {
    std::string text;
    {
        std::ifstream in(testenv::SourceDir() / "assets" / "flc" / "scenes.txt", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<clipgen::ClipSpec> specs;
    std::vector<clipgen::ClipRowInfo> rows;
    std::string error;
    ASSERT_TRUE(clipgen::ParseCatalogue(text, specs, &error)) << error;
    ASSERT_TRUE(clipgen::DescribeCatalogue(specs, rows, &error)) << error;
    std::map<int, const clipgen::ClipRowInfo*> byNumber;
    for (const clipgen::ClipRowInfo& r : rows) byNumber[r.number] = &r;
    ASSERT_EQ(byNumber.size(), 666u);
    static constexpr std::pair<int, int> kPairs[] = {{2, 3},   {6, 7},   {31, 32}, {36, 37}, {41, 42}, {46, 47},
                                                     {62, 64}, {63, 65}, {68, 70}, {69, 71}, {74, 76}, {75, 77}};
    int joins = 0;
    for (const auto& [a, b] : kPairs) {
        const std::vector<int>& first = EventClipList(a);
        const std::vector<int>& second = EventClipList(b);
        ASSERT_EQ(first.size(), second.size()) << "lists " << a << "/" << b;
        ASSERT_FALSE(first.empty()) << a;
        for (size_t i = 0; i < first.size(); ++i) {
            const clipgen::ClipRowInfo& x = *byNumber.at(first[i]);
            const clipgen::ClipRowInfo& y = *byNumber.at(second[i]);
            // Both show play at the same end.
            EXPECT_EQ(x.name.back(), y.name.back()) << x.number << " then " << y.number;
            EXPECT_GE(x.endColumn, 0) << x.number << " leaves the ball nowhere";
            EXPECT_EQ(x.endColumn, y.startColumn) << x.number << " then " << y.number;
            EXPECT_EQ(x.endRow, y.startRow) << x.number << " then " << y.number;
            ++joins;
        }
    }
    EXPECT_EQ(joins, 6 * 4 + 6 * 14);
    // A clip without a ball has no start cell; the flip mirrors the column.
    EXPECT_EQ(byNumber.at(320)->startColumn, -1);
    EXPECT_EQ(byNumber.at(474)->startColumn, 12 - byNumber.at(476)->startColumn);
    EXPECT_EQ(byNumber.at(474)->startRow, byNumber.at(476)->startRow);
}

}  // namespace
