#include "platform/sound/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/bytes.h"

namespace {

using platform::Mixer;
using platform::WaveFormat;

std::vector<uint8_t> Pcm16(const std::vector<int16_t>& s) {
    std::vector<uint8_t> out(s.size() * 2);
    for (size_t i = 0; i < s.size(); ++i)
        platform::StoreU16(&out[2 * i], static_cast<uint16_t>(s[i]));
    return out;
}

// A constant mono signal of `frames` frames at `rate`.
int AddDc(Mixer& m, int16_t level, size_t frames, uint32_t rate = 22050) {
    return m.AddVoice(WaveFormat::Pcm(1, rate, 16), Pcm16(std::vector<int16_t>(frames, level)));
}

std::vector<int16_t> Pull(Mixer& m, size_t frames) {
    std::vector<int16_t> out(frames * 2);
    m.Mix(out.data(), frames);
    return out;
}

TEST(MixerTest, SampleAtTheOutputRatePassesThroughExactly) {
    Mixer m(22050);
    std::vector<int16_t> s{100, -200, 300, -400, 32767, -32768};
    int v = m.AddVoice(WaveFormat::Pcm(1, 22050, 16), Pcm16(s));
    ASSERT_NE(v, 0);
    m.Play(v, false);
    auto out = Pull(m, 8);
    for (size_t i = 0; i < s.size(); ++i) {
        EXPECT_EQ(out[2 * i], s[i]) << i;
        EXPECT_EQ(out[2 * i + 1], s[i]) << i;
    }
    EXPECT_EQ(out[12], 0);
    EXPECT_FALSE(m.IsPlaying(v));
    EXPECT_EQ(m.Position(v), 0u) << "an ended voice goes back to its start";
}

TEST(MixerTest, EightBitAndStereoSourcesConvert) {
    Mixer m(22050);
    int v8 = m.AddVoice(WaveFormat::Pcm(1, 22050, 8), std::vector<uint8_t>{128, 255, 0});
    m.Play(v8, false);
    auto out = Pull(m, 3);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 127 * 256);
    EXPECT_EQ(out[4], -128 * 256);

    int vs = m.AddVoice(WaveFormat::Pcm(2, 22050, 16), Pcm16({1000, -3000}));
    m.Play(vs, false);
    out = Pull(m, 1);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[1], -3000);
}

TEST(MixerTest, UnplayableFormatsMakeNoVoice) {
    Mixer m;
    WaveFormat f = WaveFormat::Pcm(2, 22050, 16);
    f.blockAlign = 2;
    EXPECT_EQ(m.AddVoice(f, std::vector<uint8_t>(8)), 0);
    EXPECT_EQ(m.AddVoice(WaveFormat::Pcm(2, 0, 16), std::vector<uint8_t>(8)), 0);
    EXPECT_EQ(m.VoiceCount(), 0u);
}

TEST(MixerTest, LoopingVoiceSoundsPastItsLengthAndOneShotEnds) {
    Mixer m(22050);
    int loop = AddDc(m, 1000, 100);
    int once = AddDc(m, 2000, 100);
    m.Play(loop, true);
    m.Play(once, false);
    auto out = Pull(m, 350);
    EXPECT_EQ(out[2 * 50], 3000);
    EXPECT_EQ(out[2 * 349], 1000);
    EXPECT_TRUE(m.IsPlaying(loop));
    EXPECT_FALSE(m.IsPlaying(once));
}

TEST(MixerTest, VolumeAndPanFollowTheDecibelLaw) {
    const double kMinus10dB = std::pow(10.0, -0.5);
    struct Case {
        long volume, pan;
        double left, right;
    };
    const Case cases[] = {
        {0, 0, 1, 1},
        {-1000, 0, kMinus10dB, kMinus10dB},
        {0, 1000, kMinus10dB, 1},
        {0, -1000, 1, kMinus10dB},
        {-1000, 1000, kMinus10dB * kMinus10dB, kMinus10dB},
        {0, 10000, 0, 1},
        {-10000, 0, 0, 0},
        {-20000, 0, 0, 0},  // clamped to silence
    };
    for (const auto& c : cases) {
        Mixer m(22050);
        int v = AddDc(m, 20000, 64);
        m.SetVolume(v, c.volume);
        m.SetPan(v, c.pan);
        m.Play(v, true);
        auto out = Pull(m, 10);
        EXPECT_NEAR(out[10], 20000 * c.left, 1.0) << c.volume << "/" << c.pan;
        EXPECT_NEAR(out[11], 20000 * c.right, 1.0) << c.volume << "/" << c.pan;
    }
}

TEST(MixerTest, FrequencyChangesTheSpeed) {
    struct Case {
        uint32_t rate, frequency, outRate;
        size_t framesToEnd;
    };
    const Case cases[] = {
        {22050, 0, 22050, 100},     {11025, 0, 22050, 200}, {22050, 44100, 22050, 50},
        {22050, 11025, 22050, 200}, {22050, 0, 44100, 200}, {44100, 0, 48000, 109},
    };
    for (const auto& c : cases) {
        Mixer m(c.outRate);
        int v = AddDc(m, 1000, 100, c.rate);
        m.SetFrequency(v, c.frequency);
        m.Play(v, false);
        Pull(m, c.framesToEnd - 1);
        EXPECT_TRUE(m.IsPlaying(v)) << c.rate << " " << c.frequency;
        Pull(m, 2);
        EXPECT_FALSE(m.IsPlaying(v)) << c.rate << " " << c.frequency;
    }
}

TEST(MixerTest, ResamplingInterpolatesBetweenFrames) {
    Mixer m(22050);
    int v = m.AddVoice(WaveFormat::Pcm(1, 11025, 16), Pcm16({0, 1000, 2000}));
    m.Play(v, false);
    auto out = Pull(m, 5);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 500);
    EXPECT_EQ(out[4], 1000);
    EXPECT_EQ(out[6], 1500);
}

TEST(MixerTest, SumsClampInsteadOfWrapping) {
    Mixer m;
    int a = AddDc(m, 30000, 10), b = AddDc(m, 30000, 10);
    int c = AddDc(m, -30000, 10), d = AddDc(m, -30000, 10);
    m.Play(a, false);
    m.Play(b, false);
    EXPECT_EQ(Pull(m, 1)[0], 32767);
    m.Stop(a);
    m.Stop(b);
    m.Play(c, false);
    m.Play(d, false);
    EXPECT_EQ(Pull(m, 1)[0], -32768);
}

TEST(MixerTest, StopKeepsThePlaceAndPlayGoesOn) {
    Mixer m;
    int v = m.AddVoice(WaveFormat::Pcm(1, 22050, 16), Pcm16({1, 2, 3, 4, 5, 6}));
    m.Play(v, false);
    Pull(m, 2);
    m.Stop(v);
    EXPECT_EQ(Pull(m, 1)[0], 0);
    EXPECT_EQ(m.Position(v), 2u);
    m.Play(v, false);
    EXPECT_EQ(Pull(m, 1)[0], 3);
    m.SetPosition(v, 0);
    EXPECT_EQ(Pull(m, 1)[0], 1);
    m.RemoveVoice(v);
    EXPECT_EQ(m.VoiceCount(), 0u);
    EXPECT_FALSE(m.IsPlaying(v));
}

}  // namespace
