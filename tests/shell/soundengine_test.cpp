#include "shell/soundengine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "platform/files.h"
#include "platform/trace.h"
#include "support/test_env.h"

namespace {

using platform::AudioBackend;

// Each test gets its own game folder with a few sounds, the memory output,
// "Sfx" on, and an engine ended afterwards.
class SoundEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = testenv::TestFolder() / "game";
        std::filesystem::create_directories(game_ / "SND" / "GEN");
        platform::SetInstallFolder(game_);
        platform::SetAudioBackend(AudioBackend::Memory);
        g_bSfx = 1;
        // A mono ramp 0, 100, 200 ... of 100 frames: where it is tells how far it has played.
        std::vector<int16_t> ramp(100);
        for (int i = 0; i < 100; ++i) ramp[i] = static_cast<int16_t>(i * 100);
        Write("SND\\GEN\\ramp.wav", platform::EncodeWavePcm16(1, 22050, ramp));
        Write("SND\\GEN\\dc.wav",
              platform::EncodeWavePcm16(2, 22050, std::vector<int16_t>(200, 20000)));
    }
    void TearDown() override {
        EndDirectSound();
        g_bSfx = 1;
        platform::SetAudioBackend(AudioBackend::Memory);
    }
    void Write(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
        auto path = platform::MapPath(game_, gamePath);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<int16_t> Pull(size_t frames) { return platform::PullAudio(frames); }
    static bool Silent(const std::vector<int16_t>& s) {
        for (int16_t x : s)
            if (x) return false;
        return true;
    }
    std::filesystem::path game_;
};

TEST_F(SoundEngineTest, LoadsAndPlaysASlot) {
    platform::TraceCapture trace;
    ASSERT_EQ(StartDirectSound(), 0);
    EXPECT_TRUE(trace.Contains("Starting Direct Sound"));
    LoadSample(3, "snd\\gen\\RAMP.wav");  // the lookup ignores case
    const SampleRecord* rec = GetSample(3);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->loaded, 1);
    EXPECT_EQ(rec->rate, 22050u);
    EXPECT_EQ(rec->pan, 400);
    EXPECT_EQ(rec->volume, 400);
    EXPECT_EQ(rec->dataSize, 200u);
    EXPECT_EQ(rec->fileName, "snd\\gen\\RAMP.wav");
    EXPECT_EQ(PlaySample(3, 0), 0);
    EXPECT_TRUE(IsSampleSounding(3));
    auto out = Pull(120);
    EXPECT_EQ(out[2 * 10], 1000);
    EXPECT_EQ(out[2 * 10 + 1], 1000);
    EXPECT_EQ(out[2 * 110], 0);
    EXPECT_FALSE(IsSampleSounding(3));
    EndDirectSound();
    EXPECT_TRUE(trace.Contains("Ending Direct Sound"));
    EXPECT_EQ(GetSample(3), nullptr);
    EXPECT_FALSE(IsSoundRunning());
}

TEST_F(SoundEngineTest, WithSfxOffNothingPlaysButLoadsFillSlots) {
    ASSERT_EQ(StartDirectSound(), 0);
    g_bSfx = 0;
    LoadSample(0, "SND\\GEN\\dc.wav");
    ASSERT_NE(GetSample(0), nullptr);
    EXPECT_EQ(PlaySample(0, 1), 0);
    SetSamplePan(0, 5000);
    SetSampleVolume(0, -5000);
    EXPECT_TRUE(Silent(Pull(50)));
    EXPECT_EQ(GetSample(0)->buffer->Pan(), 0);
    EXPECT_EQ(GetSample(0)->buffer->Volume(), 0);
    EXPECT_EQ(GetSample(0)->playing, 0);
}

TEST_F(SoundEngineTest, RestartRewindsTheOneVoiceAndKeepsItsLoopSetting) {
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(7, "SND\\GEN\\ramp.wav");
    PlaySample(7, 0);
    Pull(60);
    PlaySample(7, 1);  // playing: rewound, the new loop flag is not applied
    auto out = Pull(101);
    EXPECT_EQ(out[0], 0) << "back at the start";
    EXPECT_EQ(out[2 * 50], 5000) << "one voice, not two summed";
    EXPECT_EQ(out[2 * 100], 0);
    EXPECT_FALSE(IsSampleSounding(7)) << "still the one-shot it was started as";
    EXPECT_EQ(GetSample(7)->loop, 1);
}

TEST_F(SoundEngineTest, LoadIntoAnOccupiedSlotReplacesAndAFailedLoadEmptiesIt) {
    auto pcm8 =
        platform::EncodeWave(platform::WaveFormat::Pcm(1, 8000, 8), std::vector<uint8_t>(10, 200));
    Write("SND\\GEN\\eight.wav", pcm8);
    platform::WaveFormat adpcm = platform::WaveFormat::Pcm(1, 22050, 16);
    adpcm.formatTag = 2;
    adpcm.extra = {1, 2};
    Write("SND\\GEN\\adpcm.wav", platform::EncodeWave(adpcm, std::vector<uint8_t>(10)));
    Write("SND\\GEN\\24bit.wav",
          platform::EncodeWave(platform::WaveFormat::Pcm(2, 22050, 24), std::vector<uint8_t>(12)));
    Write("SND\\GEN\\3ch.wav",
          platform::EncodeWave(platform::WaveFormat::Pcm(3, 22050, 16), std::vector<uint8_t>(12)));
    Write("SND\\GEN\\norate.wav",
          platform::EncodeWave(platform::WaveFormat::Pcm(2, 0, 16), std::vector<uint8_t>(12)));
    platform::WaveFormat skew = platform::WaveFormat::Pcm(2, 22050, 16);
    skew.blockAlign = 3;
    Write("SND\\GEN\\skew.wav", platform::EncodeWave(skew, std::vector<uint8_t>(12)));
    auto cut = platform::EncodeWavePcm16(1, 22050, std::vector<int16_t>(100, 5));
    cut.resize(cut.size() - 20);
    Write("SND\\GEN\\cut.wav", cut);

    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(5, "SND\\GEN\\ramp.wav");
    LoadSample(5, "SND\\GEN\\eight.wav");
    ASSERT_NE(GetSample(5), nullptr);
    EXPECT_EQ(GetSample(5)->rate, 8000u);
    EXPECT_EQ(GetSample(5)->fileName, "SND\\GEN\\eight.wav");

    struct Case {
        const char* path;
        const char* message;
    };
    const Case cases[] = {
        {"SND\\GEN\\missing.wav", "Bad wave file or file too big to fit in memory"},
        {"SND\\GEN\\cut.wav", "Bad wave file or file too big to fit in memory"},
        {"SND\\GEN\\adpcm.wav", "Cannot create new buffer"},
        {"SND\\GEN\\24bit.wav", "Cannot create new buffer"},
        {"SND\\GEN\\3ch.wav", "Cannot create new buffer"},
        {"SND\\GEN\\norate.wav", "Cannot create new buffer"},
        {"SND\\GEN\\skew.wav", "Cannot create new buffer"},
    };
    for (const auto& c : cases) {
        LoadSample(5, "SND\\GEN\\ramp.wav");
        platform::TraceCapture trace;
        LoadSample(5, c.path);
        EXPECT_EQ(GetSample(5), nullptr) << c.path;
        EXPECT_TRUE(trace.Contains(c.message)) << c.path;
        PlaySample(5, 0);
        EXPECT_TRUE(trace.Contains("-------- Cannot play sample 5 as its not loaded --------\n"))
            << c.path;
        StopSample(5);
        EXPECT_TRUE(trace.Contains("-------- Cannot stop sample 5 as its not loaded --------\n"))
            << c.path;
    }
}

// No output at all, and an SDL output that finds no device.
TEST_F(SoundEngineTest, FailedStartLeavesEveryFunctionInert) {
    for (AudioBackend backend : {AudioBackend::None, AudioBackend::Sdl}) {
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        platform::SetAudioBackend(backend);
        platform::TraceCapture trace;
        EXPECT_EQ(StartDirectSound(), -1);
        unsetenv("SDL_AUDIODRIVER");
        EXPECT_TRUE(trace.Contains("Failed to Initialize DirectSound object"));
        EXPECT_FALSE(IsSoundRunning());
        LoadSample(0, "SND\\GEN\\ramp.wav");
        EXPECT_EQ(GetSample(0), nullptr);
        EXPECT_EQ(PlaySample(0, 0), 0);
        EXPECT_EQ(StopSample(0), 0);
        EXPECT_EQ(StopAllSamples(), 0);
        EXPECT_EQ(FreeSample(0), 0);
        SetSamplePan(0, 100);
        SetSampleVolume(0, -100);
        size_t before = trace.Lines().size();
        EndDirectSound();
        ASSERT_EQ(trace.Lines().size(), before + 1) << "ending a failed engine only says so";
        EXPECT_EQ(trace.Lines().back(), "Ending Direct Sound\n");
    }
}

TEST_F(SoundEngineTest, BadSlotsAndEmptySlotsAreIgnored) {
    ASSERT_EQ(StartDirectSound(), 0);
    platform::TraceCapture trace;
    for (int slot : {-1, 40, 1000}) {
        LoadSample(slot, "SND\\GEN\\ramp.wav");
        EXPECT_EQ(PlaySample(slot, 1), 0);
        EXPECT_EQ(StopSample(slot), 0);
        EXPECT_EQ(FreeSample(slot), 0);
        SetSamplePan(slot, 1000);
        SetSampleVolume(slot, -1000);
        EXPECT_EQ(GetSample(slot), nullptr);
    }
    EXPECT_TRUE(trace.Contains("no slot 40"));
    EXPECT_TRUE(trace.Contains("no slot -1"));
    SetSamplePan(12, 1000);
    SetSampleVolume(12, -1000);
    EXPECT_EQ(GetSample(12), nullptr);
    EXPECT_TRUE(Silent(Pull(10)));
}

TEST_F(SoundEngineTest, StopsWorkAfterSfxIsSwitchedOff) {
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(28, "SND\\GEN\\dc.wav");
    LoadSample(29, "SND\\GEN\\dc.wav");
    LoadSample(30, "SND\\GEN\\dc.wav");
    PlaySample(28, 1);
    PlaySample(29, 1);
    PlaySample(30, 1);
    g_bSfx = 0;
    StopSample(28);
    EXPECT_FALSE(IsSampleSounding(28));
    EXPECT_EQ(GetSample(28)->playing, 0);
    EXPECT_TRUE(IsSampleSounding(29));
    StopAllSamples();
    EXPECT_FALSE(IsSampleSounding(29));
    EXPECT_FALSE(IsSampleSounding(30));
    EXPECT_TRUE(Silent(Pull(10)));
}

TEST_F(SoundEngineTest, LoopOutlastsItsLengthAndPanAndVolumeFollowTheDecibelLaw) {
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(20, "SND\\GEN\\dc.wav");  // 100 frames of 20000
    PlaySample(20, 1);
    auto out = Pull(1000);
    EXPECT_EQ(out[2 * 999], 20000);
    EXPECT_TRUE(IsSampleSounding(20));

    const double k = 20000 * std::pow(10.0, -0.5);
    struct Case {
        long pan, volume;
        double left, right;
    };
    const Case cases[] = {{-1000, 0, 20000, k}, {1000, 0, k, 20000}, {0, -1000, k, k}};
    for (const auto& c : cases) {
        SetSamplePan(20, c.pan);
        SetSampleVolume(20, c.volume);
        out = Pull(4);
        EXPECT_NEAR(out[4], c.left, 1.0) << c.pan << " " << c.volume;
        EXPECT_NEAR(out[5], c.right, 1.0) << c.pan << " " << c.volume;
    }
}

TEST_F(SoundEngineTest, EndStopsAndFreesEverythingOnce) {
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(0, "SND\\GEN\\dc.wav");
    PlaySample(0, 1);
    g_bSfx = 0;
    EndDirectSound();
    EXPECT_EQ(GetSample(0), nullptr);
    EXPECT_FALSE(platform::IsAudioOpen());
    platform::TraceCapture trace;
    EndDirectSound();
    EXPECT_EQ(trace.Lines().size(), 1u);
    // The engine can start again afterwards.
    g_bSfx = 1;
    ASSERT_EQ(StartDirectSound(), 0);
    LoadSample(0, "SND\\GEN\\dc.wav");
    PlaySample(0, 0);
    EXPECT_FALSE(Silent(Pull(4)));
}

}  // namespace
