// The match day's sounds as shipped: the platform's format, the lengths and
// levels each kind of sound keeps, loops that join without a click, and the
// engine's slots 20 to 27 holding them.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/files.h"
#include "platform/sound/wave.h"
#include "shell/soundengine.h"
#include "support/test_env.h"

namespace {

struct MatchSound {
    const char* file;
    double minSeconds, maxSeconds;
    bool loop;
};

const MatchSound kMatchSounds[] = {
    {"loop 02.wav", 8, 12, true},       {"loop 09.wav", 8, 12, true},       {"loop 10.wav", 8, 12, true},
    {"loop 19.wav", 8, 12, true},       {"loop 25.wav", 8, 12, true},       {"loop 35.wav", 8, 12, true},
    {"loop 36.wav", 8, 12, true},       {"kick 15.wav", 0.1, 0.25, false},  {"kick 12.wav", 0.1, 0.25, false},
    {"kick 28.wav", 0.1, 0.25, false},  {"whistle 04.wav", 0.45, 0.8, false}, {"reaction 09.wav", 1.5, 3, false},
    {"reaction 10.wav", 1.5, 3, false}, {"reaction 11.wav", 1.5, 3, false}, {"reaction 08.wav", 3, 5, false},
    {"reaction 15.wav", 3, 5, false},   {"reaction 16.wav", 3, 5, false},
};

double MatchRmsDb(const std::vector<int16_t>& s, size_t from, size_t frames) {
    double sum = 0;
    for (size_t i = from * 2; i < (from + frames) * 2; ++i) sum += static_cast<double>(s[i]) * s[i];
    return 10 * std::log10(sum / static_cast<double>(frames * 2) + 1e-9);
}

TEST(ShippedMatchSounds, FormatLengthsLevelsAndLoopJoins) {
    for (const MatchSound& m : kMatchSounds) {
        const auto path = testenv::GameDir() / "SND" / "MAT" / m.file;
        const platform::WaveFile w = platform::ReadWaveFile(path);
        ASSERT_EQ(w.error, platform::kWaveOk) << m.file;
        EXPECT_EQ(w.format.formatTag, platform::kWaveFormatPcm) << m.file;
        EXPECT_EQ(w.format.channels, 2) << m.file;
        EXPECT_EQ(w.format.bitsPerSample, 16) << m.file;
        EXPECT_EQ(w.format.samplesPerSec, 22050u) << m.file;
        std::vector<int16_t> s(w.data.size() / 2);
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<int16_t>(w.data[2 * i] | (w.data[2 * i + 1] << 8));
        const size_t frames = s.size() / 2;
        const double seconds = static_cast<double>(frames) / 22050;
        EXPECT_GE(seconds, m.minSeconds) << m.file;
        EXPECT_LE(seconds, m.maxSeconds) << m.file;
        int peak = 0;
        for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
        const double peakDb = 20 * std::log10(peak / 32768.0);
        EXPECT_LT(peakDb, m.loop ? -3.0 : -1.0) << m.file;
        EXPECT_GT(peakDb, -30.0) << m.file << " is nearly silent";
        if (!m.loop) continue;
        // The last frame leads on into the first: no step larger than the
        // loop's own largest step between neighbours.
        int largestStep = 0;
        for (size_t i = 2; i < s.size(); ++i) largestStep = std::max(largestStep, std::abs(s[i] - s[i - 2]));
        for (int c = 0; c < 2; ++c)
            EXPECT_LE(std::abs(s[static_cast<size_t>(c)] - s[s.size() - 2 + static_cast<size_t>(c)]), largestStep) << m.file;
        const size_t ms50 = 22050 / 20;
        EXPECT_LT(std::fabs(MatchRmsDb(s, 0, ms50) - MatchRmsDb(s, frames - ms50, ms50)), 1.0) << m.file;
    }
}

TEST(ShippedMatchSounds, TheEngineLoadsThemIntoTheMatchSlots) {
    platform::SetAudioBackend(platform::AudioBackend::Memory);
    platform::SetInstallFolder(testenv::GameDir());
    g_bSfx = 1;
    ASSERT_EQ(StartDirectSound(), 0);
    const int slots[] = {20, 21, 20, 21, 20, 21, 20, 22, 23, 25, 24, 26, 26, 26, 27, 27, 27};
    int i = 0;
    for (const MatchSound& m : kMatchSounds) {
        const std::string path = std::string("SND\\MAT\\") + m.file;
        LoadSample(slots[i], path.c_str());
        ASSERT_NE(GetSample(slots[i]), nullptr) << path;
        EXPECT_EQ(GetSample(slots[i])->rate, 22050u);
        ++i;
    }
    EndDirectSound();
    platform::ResetFolders();
}

}  // namespace
