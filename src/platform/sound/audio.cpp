#include "platform/sound/audio.h"

#include <SDL.h>

#include "platform/trace.h"

namespace platform {

namespace {

struct Output {
    AudioBackend backend = AudioBackend::Memory;
    std::shared_ptr<Mixer> mixer;
    SDL_AudioDeviceID device = 0;
    uint64_t advanceCarry = 0;  // thousandths of a frame not yet played
    // A device still open at exit keeps calling into the mixer from its own
    // thread: it is closed (which waits for its callback) before the mixer goes.
    ~Output() {
        if (device != 0) SDL_CloseAudioDevice(device);
    }
};

Output& State() {
    static Output output;
    return output;
}

void SdlCallback(void* user, Uint8* stream, int len) {
    static_cast<Mixer*>(user)->Mix(reinterpret_cast<int16_t*>(stream),
                                   static_cast<size_t>(len) / 4);
}

bool OpenSdl(Output& o) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        TraceF("No audio: %s\n", SDL_GetError());
        return false;
    }
    // The mixer must exist before the device calls back into it.
    auto mixer = std::make_shared<Mixer>(kAudioOutputRate);
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(kAudioOutputRate);
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512;  // about 23 ms: clicks follow the mouse closely
    want.callback = SdlCallback;
    want.userdata = mixer.get();
    SDL_AudioSpec have{};
    SDL_AudioDeviceID dev =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (dev == 0) {
        TraceF("No audio device: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // A device that chose its own rate gets it: the mixer resamples to it.
    // The device starts paused, so no callback runs before this.
    mixer->SetOutputRate(static_cast<uint32_t>(have.freq));
    o.mixer = std::move(mixer);
    o.device = dev;
    SDL_PauseAudioDevice(dev, 0);
    return true;
}

}  // namespace

void SetAudioBackend(AudioBackend backend) {
    CloseAudio();
    State().backend = backend;
}

AudioBackend GetAudioBackend() {
    return State().backend;
}

bool OpenAudio() {
    Output& o = State();
    if (o.mixer) return true;
    o.advanceCarry = 0;
    switch (o.backend) {
        case AudioBackend::None:
            return false;
        case AudioBackend::Memory:
            o.mixer = std::make_shared<Mixer>(kAudioOutputRate);
            return true;
        case AudioBackend::Sdl:
            return OpenSdl(o);
    }
    return false;
}

void CloseAudio() {
    Output& o = State();
    if (o.device) {
        SDL_CloseAudioDevice(o.device);  // waits for a running callback
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        o.device = 0;
    }
    o.mixer.reset();
}

bool IsAudioOpen() {
    return State().mixer != nullptr;
}

uint32_t AudioOutputRate() {
    Output& o = State();
    return o.mixer ? o.mixer->OutputRate() : 0;
}

std::vector<int16_t> PullAudio(size_t frames) {
    Output& o = State();
    if (!o.mixer || o.backend != AudioBackend::Memory) return {};
    std::vector<int16_t> out(frames * 2);
    o.mixer->Mix(out.data(), frames);
    return out;
}

void AdvanceAudio(uint32_t ms) {
    Output& o = State();
    if (!o.mixer || o.backend != AudioBackend::Memory) return;
    // Whole frames now, the remainder carried to the next call.
    uint64_t scaled = static_cast<uint64_t>(ms) * o.mixer->OutputRate() + o.advanceCarry;
    size_t frames = static_cast<size_t>(scaled / 1000);
    o.advanceCarry = scaled % 1000;
    std::vector<int16_t> sink(1024 * 2);
    while (frames > 0) {
        size_t chunk = frames < 1024 ? frames : 1024;
        o.mixer->Mix(sink.data(), chunk);
        frames -= chunk;
    }
}

std::unique_ptr<Voice> Voice::Create(const WaveFormat& format, std::span<const uint8_t> data) {
    auto mixer = State().mixer;
    if (!mixer) return nullptr;
    int id = mixer->AddVoice(format, data);
    if (id == 0) return nullptr;
    return std::unique_ptr<Voice>(new Voice(std::move(mixer), id));
}

Voice::~Voice() {
    mixer_->RemoveVoice(id_);
}
void Voice::Play(bool loop) {
    mixer_->Play(id_, loop);
}
void Voice::Stop() {
    mixer_->Stop(id_);
}
bool Voice::IsPlaying() const {
    return mixer_->IsPlaying(id_);
}
void Voice::SetPosition(uint32_t frame) {
    mixer_->SetPosition(id_, frame);
}
uint32_t Voice::Position() const {
    return mixer_->Position(id_);
}
void Voice::SetVolume(long volume) {
    mixer_->SetVolume(id_, volume);
}
void Voice::SetPan(long pan) {
    mixer_->SetPan(id_, pan);
}
void Voice::SetFrequency(uint32_t hz) {
    mixer_->SetFrequency(id_, hz);
}
long Voice::Volume() const {
    return mixer_->Volume(id_);
}
long Voice::Pan() const {
    return mixer_->Pan(id_);
}
uint32_t Voice::Frequency() const {
    return mixer_->Frequency(id_);
}

}  // namespace platform
