#include "platform/sound/audio.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bytes.h"

namespace {

using platform::AudioBackend;

class AudioTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetAudioBackend(AudioBackend::Memory); }
    static std::vector<uint8_t> Dc(int16_t level, size_t frames) {
        std::vector<uint8_t> out(frames * 2);
        for (size_t i = 0; i < frames; ++i)
            platform::StoreU16(&out[2 * i], static_cast<uint16_t>(level));
        return out;
    }
};

TEST_F(AudioTest, WithoutADeviceNothingOpensAndNoVoiceIsMade) {
    platform::SetAudioBackend(AudioBackend::None);
    EXPECT_FALSE(platform::OpenAudio());
    EXPECT_FALSE(platform::IsAudioOpen());
    EXPECT_EQ(platform::Voice::Create(platform::WaveFormat::Pcm(1, 22050, 16), Dc(1, 4)), nullptr);
    EXPECT_TRUE(platform::PullAudio(16).empty());
}

TEST_F(AudioTest, MemoryOutputMixesOnRequest) {
    platform::SetAudioBackend(AudioBackend::Memory);
    ASSERT_TRUE(platform::OpenAudio());
    EXPECT_EQ(platform::AudioOutputRate(), 22050u);
    auto v = platform::Voice::Create(platform::WaveFormat::Pcm(1, 22050, 16), Dc(1234, 10));
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->IsPlaying());
    EXPECT_EQ(v->Frequency(), 22050u);
    v->Play(false);
    auto out = platform::PullAudio(20);
    ASSERT_EQ(out.size(), 40u);
    EXPECT_EQ(out[0], 1234);
    EXPECT_EQ(out[19], 1234);
    EXPECT_EQ(out[20], 0);
    EXPECT_FALSE(v->IsPlaying());
}

TEST_F(AudioTest, AdvancingTheClockPlaysSoundsOut) {
    platform::SetAudioBackend(AudioBackend::Memory);
    ASSERT_TRUE(platform::OpenAudio());
    // 100 ms at 22,050 Hz is 2205 frames.
    auto v = platform::Voice::Create(platform::WaveFormat::Pcm(1, 22050, 16), Dc(1, 2205));
    v->Play(false);
    for (int i = 0; i < 9; ++i) platform::AdvanceAudio(11);  // 99 ms, with remainders carried
    EXPECT_TRUE(v->IsPlaying());
    platform::AdvanceAudio(1);
    EXPECT_FALSE(v->IsPlaying());
}

TEST_F(AudioTest, VoiceOutlivingTheOutputIsHarmless) {
    platform::SetAudioBackend(AudioBackend::Memory);
    ASSERT_TRUE(platform::OpenAudio());
    auto v = platform::Voice::Create(platform::WaveFormat::Pcm(1, 22050, 16), Dc(1, 4));
    platform::CloseAudio();
    v->Play(true);
    EXPECT_TRUE(platform::PullAudio(4).empty());
    v.reset();
}

TEST_F(AudioTest, SdlOutputOpensOnTheDummyDriverAndFailsWithoutOne) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SetAudioBackend(AudioBackend::Sdl);
    ASSERT_TRUE(platform::OpenAudio());
    EXPECT_GT(platform::AudioOutputRate(), 0u);
    auto v = platform::Voice::Create(platform::WaveFormat::Pcm(2, 22050, 16), Dc(100, 2000));
    ASSERT_NE(v, nullptr);
    v->Play(true);
    v->SetPan(-1000);
    EXPECT_TRUE(v->IsPlaying());
    EXPECT_TRUE(platform::PullAudio(4).empty()) << "the device pulls, not the program";
    v.reset();
    platform::CloseAudio();

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(platform::OpenAudio());
    EXPECT_EQ(platform::Voice::Create(platform::WaveFormat::Pcm(1, 22050, 16), Dc(1, 4)), nullptr);
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
