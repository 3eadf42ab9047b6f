// Every sound the tools ship: the format the engine takes, sensible levels,
// no clipping or DC, soft edges on the effects and loops that join.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/sound/wave.h"
#include "support/test_env.h"

namespace {

struct Shipped {
    std::string path;
    bool loop;
};

std::vector<Shipped> AllSounds() {
    const char* gen[] = {
        "buttonpress",      "buttondispress",    "toolpress",         "tooldispress",
        "toolmouseover",    "editincreasepress", "editdecreasepress", "treeitemselect",
        "treeexpand",       "treecollapse",      "treescroll",        "listitemselect",
        "listcolumnselect", "listscroll",        "rightmousebutton",  "radiopress",
        "checkboxtrue",     "standover",         "standselect",       "pageturn"};
    std::vector<Shipped> out;
    for (const char* g : gen) out.push_back({std::string("SND\\GEN\\") + g + ".wav", false});
    for (const char* set : {"INTRO", "MANAGER", "SQUAD", "CLUB", "PLAYER", "FINANCIAL", "MATCH",
                            "FIXTURES", "INFO", "DISCIPLINE"}) {
        std::string f = std::string("SND\\AMB\\") + set + "\\";
        out.push_back({f + "loop.wav", true});
        for (const char* s : {"spot1.wav", "spot2.wav", "spot3.wav"}) out.push_back({f + s, false});
    }
    out.push_back({"SND\\AMB\\NEWS\\office loop.wav", true});
    for (const char* s : {"telephone ringing.wav", "dialing.wav", "printing.wav"})
        out.push_back({std::string("SND\\AMB\\NEWS\\") + s, false});
    return out;
}

struct Channels {
    std::vector<double> ch[2];
};

Channels Decode(const std::vector<uint8_t>& data) {
    Channels c;
    for (size_t i = 0; i + 3 < data.size(); i += 4) {
        c.ch[0].push_back(static_cast<int16_t>(platform::LoadU16(&data[i])) / 32768.0);
        c.ch[1].push_back(static_cast<int16_t>(platform::LoadU16(&data[i + 2])) / 32768.0);
    }
    return c;
}

double Rms(const std::vector<double>& x, size_t from, size_t to) {
    double s = 0;
    for (size_t i = from; i < to; ++i) s += x[i] * x[i];
    return std::sqrt(s / static_cast<double>(std::max<size_t>(1, to - from)));
}

TEST(ShippedSoundsTest, AllSixtyFourAreThereInTheEnginesFormat) {
    auto all = AllSounds();
    ASSERT_EQ(all.size(), 64u);
    for (const auto& s : all) {
        auto path = platform::FindPath(testenv::GameDir(), s.path);
        ASSERT_TRUE(path) << s.path;
        auto w = platform::ReadWaveFile(*path);
        ASSERT_EQ(w.error, platform::kWaveOk) << s.path;
        EXPECT_TRUE(w.format.IsPlayablePcm()) << s.path;
        EXPECT_EQ(w.format.channels, 2) << s.path;
        EXPECT_EQ(w.format.samplesPerSec, 22050u) << s.path;
        EXPECT_EQ(w.format.bitsPerSample, 16) << s.path;
        EXPECT_EQ(w.format.avgBytesPerSec, 88200u) << s.path;
        EXPECT_EQ(w.data.size() % 4, 0u) << s.path;
        EXPECT_GE(w.data.size(), 4u * 22050 / 20) << s.path << " shorter than 50 ms";
    }
}

TEST(ShippedSoundsTest, LevelsLeaveHeadroomWithoutClippingOrDc) {
    for (const auto& s : AllSounds()) {
        auto w = platform::ReadWaveFile(*platform::FindPath(testenv::GameDir(), s.path));
        Channels c = Decode(w.data);
        double peak = 0;
        for (const auto& ch : c.ch) {
            double mean = 0;
            for (double v : ch) {
                peak = std::max(peak, std::fabs(v));
                mean += v;
            }
            mean /= static_cast<double>(ch.size());
            EXPECT_LT(std::fabs(mean), 0.001) << s.path << " carries DC";
        }
        // Loud enough to hear, quiet enough that a click over a loop over an
        // effect still does not clip.
        EXPECT_LT(peak, 0.5) << s.path;
        EXPECT_GT(peak, 0.08) << s.path;
    }
}

TEST(ShippedSoundsTest, EffectsStartAndEndInSilence) {
    for (const auto& s : AllSounds()) {
        if (s.loop) continue;
        auto w = platform::ReadWaveFile(*platform::FindPath(testenv::GameDir(), s.path));
        Channels c = Decode(w.data);
        for (const auto& ch : c.ch) {
            EXPECT_LT(std::fabs(ch.front()), 0.002) << s.path;
            EXPECT_LT(std::fabs(ch.back()), 0.002) << s.path;
        }
    }
}

// The last sample runs on into the first no harder than the sound's own
// steps do, and no second of the loop drops out or jumps out.
TEST(ShippedSoundsTest, LoopsJoinWithoutAClickAndHoldTheirLevel) {
    for (const auto& s : AllSounds()) {
        if (!s.loop) continue;
        auto w = platform::ReadWaveFile(*platform::FindPath(testenv::GameDir(), s.path));
        Channels c = Decode(w.data);
        size_t n = c.ch[0].size();
        ASSERT_GE(n, 22050u * 5) << s.path
                                 << " a loop of less than five seconds repeats too plainly";
        for (const auto& ch : c.ch) {
            std::vector<double> steps;
            for (size_t i = 0; i + 1 < n; ++i) steps.push_back(std::fabs(ch[i + 1] - ch[i]));
            std::nth_element(steps.begin(),
                             steps.begin() + static_cast<long>(steps.size() * 999 / 1000),
                             steps.end());
            double p999 = steps[steps.size() * 999 / 1000];
            EXPECT_LE(std::fabs(ch.front() - ch.back()), 2 * p999) << s.path;
            // Slow content (a rumble, a fading tail) must meet too: the means
            // of 64-sample blocks step across the join as they step elsewhere.
            const size_t kBlock = 64;
            std::vector<double> means;
            for (size_t from = 0; from + kBlock <= n; from += kBlock) {
                double m = 0;
                for (size_t i = from; i < from + kBlock; ++i) m += ch[i];
                means.push_back(m / kBlock);
            }
            std::vector<double> blockSteps;
            for (size_t k = 0; k + 1 < means.size(); ++k)
                blockSteps.push_back(std::fabs(means[k + 1] - means[k]));
            std::nth_element(blockSteps.begin(),
                             blockSteps.begin() + static_cast<long>(blockSteps.size() * 99 / 100),
                             blockSteps.end());
            double p99 = blockSteps[blockSteps.size() * 99 / 100];
            double head = 0, tail = 0;
            for (size_t i = 0; i < kBlock; ++i) {
                head += ch[i];
                tail += ch[n - 1 - i];
            }
            EXPECT_LE(std::fabs(head - tail) / kBlock, 2 * p99) << s.path;
            double whole = Rms(ch, 0, n);
            for (size_t from = 0; from + 22050 <= n; from += 22050) {
                double second = Rms(ch, from, from + 22050);
                EXPECT_LT(std::fabs(20 * std::log10(second / whole)), 6.0)
                    << s.path << " at " << from / 22050 << " s";
            }
        }
    }
}

}  // namespace
