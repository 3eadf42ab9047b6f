// The engine loads and plays every sound the game ships.
#include <gtest/gtest.h>

#include "shell/soundengine.h"

namespace {

class ShippedSoundsEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetAudioBackend(platform::AudioBackend::Memory);
        g_bSfx = 1;
        ASSERT_EQ(StartDirectSound(), 0);
    }
    void TearDown() override { EndDirectSound(); }
    static bool Sounds(size_t frames) {
        for (int16_t v : platform::PullAudio(frames))
            if (v) return true;
        return false;
    }
};

TEST_F(ShippedSoundsEngineTest, InterfaceSoundsFillSlotsZeroToNineteen) {
    for (int slot = 0; slot < 20; ++slot) {
        std::string path = std::string("SND\\GEN\\") + kInterfaceSampleNames[slot] + ".wav";
        LoadSample(slot, path.c_str());
        ASSERT_NE(GetSample(slot), nullptr) << path;
        EXPECT_EQ(GetSample(slot)->rate, 22050u);
    }
    for (int slot = 0; slot < 20; ++slot) {
        PlaySample(slot, 0);
        EXPECT_TRUE(Sounds(2205)) << kInterfaceSampleNames[slot];
        StopSample(slot);
    }
}

TEST_F(ShippedSoundsEngineTest, EveryAmbientSetLoadsIntoSlots28To31AndItsLoopKeepsPlaying) {
    struct Set {
        const char* folder;
        const char* files[4];
    };
    const char* plain[4] = {"loop.wav", "spot1.wav", "spot2.wav", "spot3.wav"};
    std::vector<Set> sets;
    for (const char* f : {"INTRO", "MANAGER", "SQUAD", "CLUB", "PLAYER", "FINANCIAL", "MATCH",
                          "FIXTURES", "INFO", "DISCIPLINE"})
        sets.push_back({f, {plain[0], plain[1], plain[2], plain[3]}});
    sets.push_back(
        {"NEWS", {"office loop.wav", "telephone ringing.wav", "dialing.wav", "printing.wav"}});
    for (const auto& set : sets) {
        StopAllSamples();
        for (int k = 0; k < 4; ++k) {
            std::string path = std::string("SND\\AMB\\") + set.folder + "\\" + set.files[k];
            LoadSample(28 + k, path.c_str());
            ASSERT_NE(GetSample(28 + k), nullptr) << path;
        }
        PlaySample(28, 1);
        // Past the end of the loop, it is still sounding.
        platform::PullAudio(22050 * 11);
        EXPECT_TRUE(IsSampleSounding(28)) << set.folder;
        EXPECT_TRUE(Sounds(2205)) << set.folder;
    }
}

}  // namespace
