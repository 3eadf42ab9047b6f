#pragma once
// The voice table and the mixer. Each voice holds one sample and plays it at
// its own frequency, resampled to the output, with DirectSound-style volume
// and pan. Every operation takes the table's lock, so the audio thread's Mix
// and the game's calls never see a half-changed voice.
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "platform/sound/wave.h"

namespace platform {

// Volume: hundredths of a dB, 0 (full) down to -10000 (silent).
constexpr long kVolumeMax = 0;
constexpr long kVolumeMin = -10000;
// Pan: -10000 (left only) to 10000 (right only); the other side is cut by
// |pan| hundredths of a dB.
constexpr long kPanLeft = -10000;
constexpr long kPanRight = 10000;
// The frequencies a voice accepts; 0 means the sample's own rate.
constexpr uint32_t kFrequencyMin = 100;
constexpr uint32_t kFrequencyMax = 100000;

// The linear gain of an attenuation in hundredths of a dB (0 at -10000).
float AttenuationGain(long hundredthsDb);

class Mixer {
public:
    explicit Mixer(uint32_t outputRate = 22050);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    uint32_t OutputRate();
    void SetOutputRate(uint32_t rate);

    // A new, stopped voice; 0 when the format is not playable PCM.
    int AddVoice(const WaveFormat& format, std::span<const uint8_t> data);
    void RemoveVoice(int id);
    size_t VoiceCount();

    // Plays from the voice's current position.
    void Play(int id, bool loop);
    // Stops where it is; Play goes on from there.
    void Stop(int id);
    bool IsPlaying(int id);
    bool IsLooping(int id);
    void SetPosition(int id, uint32_t frame);
    uint32_t Position(int id);
    uint32_t Frames(int id);
    void SetVolume(int id, long volume);
    void SetPan(int id, long pan);
    void SetFrequency(int id, uint32_t hz);
    long Volume(int id);
    long Pan(int id);
    uint32_t Frequency(int id);

    // Mixes `frames` stereo frames of signed 16-bit samples into `out`
    // (overwritten, left then right). A voice that is not looping stops at
    // its end and goes back to its start.
    void Mix(int16_t* out, size_t frames);

private:
    struct Voice {
        int id = 0;
        uint16_t channels = 1;
        uint32_t rate = 22050;
        std::vector<int16_t> samples;  // interleaved
        uint32_t frames = 0;
        uint64_t position = 0;  // 32.32 fixed-point frames
        uint32_t frequency = 0;
        long volume = 0;
        long pan = 0;
        bool playing = false;
        bool loop = false;
    };
    Voice* Find(int id);
    void MixVoice(Voice& v, float* acc, size_t frames);

    std::mutex lock_;
    uint32_t outputRate_;
    int nextId_ = 1;
    std::vector<Voice> voices_;
    std::vector<float> scratch_;
};

}  // namespace platform
