#include "platform/sound/mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/bytes.h"

namespace platform {

float AttenuationGain(long hundredthsDb) {
    if (hundredthsDb <= kVolumeMin) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, static_cast<double>(hundredthsDb) / 2000.0));
}

Mixer::Mixer(uint32_t outputRate) : outputRate_(outputRate ? outputRate : 22050) {}

uint32_t Mixer::OutputRate() {
    std::lock_guard<std::mutex> g(lock_);
    return outputRate_;
}

void Mixer::SetOutputRate(uint32_t rate) {
    std::lock_guard<std::mutex> g(lock_);
    if (rate) outputRate_ = rate;
}

Mixer::Voice* Mixer::Find(int id) {
    for (auto& v : voices_)
        if (v.id == id) return &v;
    return nullptr;
}

int Mixer::AddVoice(const WaveFormat& format, std::span<const uint8_t> data) {
    if (!format.IsPlayablePcm()) return 0;
    Voice v;
    v.channels = format.channels;
    v.rate = format.samplesPerSec;
    // Whole frames only: a trailing partial frame is noise.
    size_t frames = data.size() / format.blockAlign;
    if (frames > UINT32_MAX) frames = UINT32_MAX;
    v.frames = static_cast<uint32_t>(frames);
    size_t count = frames * format.channels;
    v.samples.resize(count);
    if (format.bitsPerSample == 8) {
        for (size_t i = 0; i < count; ++i)
            v.samples[i] = static_cast<int16_t>((static_cast<int>(data[i]) - 128) * 256);
    } else {
        for (size_t i = 0; i < count; ++i)
            v.samples[i] = static_cast<int16_t>(LoadU16(data.data() + 2 * i));
    }
    std::lock_guard<std::mutex> g(lock_);
    v.id = nextId_++;
    voices_.push_back(std::move(v));
    return voices_.back().id;
}

void Mixer::RemoveVoice(int id) {
    std::lock_guard<std::mutex> g(lock_);
    std::erase_if(voices_, [id](const Voice& v) { return v.id == id; });
}

size_t Mixer::VoiceCount() {
    std::lock_guard<std::mutex> g(lock_);
    return voices_.size();
}

void Mixer::Play(int id, bool loop) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id)) {
        v->loop = loop;
        v->playing = v->frames > 0;
    }
}

void Mixer::Stop(int id) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id)) v->playing = false;
}

bool Mixer::IsPlaying(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v && v->playing;
}

bool Mixer::IsLooping(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v && v->loop;
}

void Mixer::SetPosition(int id, uint32_t frame) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id)) v->position = static_cast<uint64_t>(std::min(frame, v->frames)) << 32;
}

uint32_t Mixer::Position(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v ? static_cast<uint32_t>(v->position >> 32) : 0;
}

uint32_t Mixer::Frames(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v ? v->frames : 0;
}

void Mixer::SetVolume(int id, long volume) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id)) v->volume = std::clamp(volume, kVolumeMin, kVolumeMax);
}

void Mixer::SetPan(int id, long pan) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id)) v->pan = std::clamp(pan, kPanLeft, kPanRight);
}

void Mixer::SetFrequency(int id, uint32_t hz) {
    std::lock_guard<std::mutex> g(lock_);
    if (Voice* v = Find(id))
        v->frequency = hz == 0 ? 0 : std::clamp(hz, kFrequencyMin, kFrequencyMax);
}

long Mixer::Volume(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v ? v->volume : 0;
}

long Mixer::Pan(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v ? v->pan : 0;
}

uint32_t Mixer::Frequency(int id) {
    std::lock_guard<std::mutex> g(lock_);
    Voice* v = Find(id);
    return v ? (v->frequency ? v->frequency : v->rate) : 0;
}

void Mixer::MixVoice(Voice& v, float* acc, size_t frames) {
    float gain = AttenuationGain(v.volume);
    float left = gain * AttenuationGain(v.pan > 0 ? -v.pan : 0);
    float right = gain * AttenuationGain(v.pan < 0 ? v.pan : 0);
    uint32_t hz = v.frequency ? v.frequency : v.rate;
    uint64_t step = (static_cast<uint64_t>(hz) << 32) / outputRate_;
    uint64_t end = static_cast<uint64_t>(v.frames) << 32;
    const int16_t* s = v.samples.data();
    const size_t ch = v.channels;
    constexpr float kScale = 1.0f / 4294967296.0f;
    for (size_t i = 0; i < frames; ++i) {
        if (v.position >= end) {
            if (!v.loop) {
                v.playing = false;
                v.position = 0;
                return;
            }
            v.position %= end;
        }
        size_t a = static_cast<size_t>(v.position >> 32);
        size_t b = a + 1;
        // The last frame leans towards the first when looping, so the seam
        // of a loop is interpolated like any other pair of frames.
        if (b >= v.frames) b = v.loop ? 0 : a;
        float t = static_cast<float>(v.position & 0xFFFFFFFFu) * kScale;
        float l0 = s[a * ch], l1 = s[b * ch];
        float r0 = s[a * ch + ch - 1], r1 = s[b * ch + ch - 1];
        acc[2 * i] += (l0 + (l1 - l0) * t) * left;
        acc[2 * i + 1] += (r0 + (r1 - r0) * t) * right;
        v.position += step;
    }
    if (v.position >= end && !v.loop) {
        v.playing = false;
        v.position = 0;
    }
}

void Mixer::Mix(int16_t* out, size_t frames) {
    std::lock_guard<std::mutex> g(lock_);
    if (scratch_.size() < frames * 2) scratch_.resize(frames * 2);
    std::fill(scratch_.begin(), scratch_.begin() + static_cast<long>(frames * 2), 0.0f);
    for (auto& v : voices_)
        if (v.playing) MixVoice(v, scratch_.data(), frames);
    for (size_t i = 0; i < frames * 2; ++i) {
        float x = std::clamp(scratch_[i], -32768.0f, 32767.0f);
        out[i] = static_cast<int16_t>(std::lrintf(x));
    }
}

}  // namespace platform
