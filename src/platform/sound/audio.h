#pragma once
// The audio output: a mixer fed to the sound card through SDL2, or, in
// memory mode, a mixer whose output the program (the headless backend, a
// test) pulls itself. With no device the output does not open and the game
// runs silent.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/sound/mixer.h"
#include "platform/sound/wave.h"

namespace platform {

enum class AudioBackend {
    None,    // no audio device: opening fails
    Memory,  // mixed on request, into memory
    Sdl,     // SDL2's audio device; its callback is the only other thread
};

// Chosen at start, before the output opens; memory until then.
void SetAudioBackend(AudioBackend backend);
AudioBackend GetAudioBackend();

// The output rate asked of the device (and used as is in memory mode).
constexpr uint32_t kAudioOutputRate = 22050;

// Opens the chosen output; true when sound can play. Opening an open output
// changes nothing.
bool OpenAudio();
void CloseAudio();
bool IsAudioOpen();
// The rate the output really runs at (the device may choose its own).
uint32_t AudioOutputRate();

// Memory mode: mixes and returns `frames` stereo frames (left, right). Empty
// in any other mode or while closed.
std::vector<int16_t> PullAudio(size_t frames);

// Memory mode: plays `ms` milliseconds into nowhere, so that on a virtual
// clock sounds still end and loops move on. Nothing in any other mode.
void AdvanceAudio(uint32_t ms);

// One sample on the open output. Made stopped, at full volume, centred, at
// the sample's own rate.
class Voice {
public:
    // Null when the output is closed or the format is not playable PCM.
    static std::unique_ptr<Voice> Create(const WaveFormat& format, std::span<const uint8_t> data);
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    void Play(bool loop);
    void Stop();
    bool IsPlaying() const;
    void SetPosition(uint32_t frame);
    uint32_t Position() const;
    void SetVolume(long volume);  // hundredths of a dB, -10000..0
    void SetPan(long pan);        // -10000..10000
    void SetFrequency(uint32_t hz);
    long Volume() const;
    long Pan() const;
    uint32_t Frequency() const;

private:
    Voice(std::shared_ptr<Mixer> mixer, int id) : mixer_(std::move(mixer)), id_(id) {}
    // Shared, so a voice outliving the output stays harmless.
    std::shared_ptr<Mixer> mixer_;
    int id_;
};

}  // namespace platform
