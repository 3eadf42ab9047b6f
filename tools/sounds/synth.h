#pragma once
// A small synthesis kit for the game's sounds: noise, modal resonators,
// filters, a reverb and the level tools. Everything runs at the game's
// 22,050 Hz in floats (full scale 1.0) and is deterministic: randomness comes
// only from seeded generators, so every build writes the same files.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int kRate = 22050;
constexpr float kPi = 3.14159265358979f;

size_t Samples(float seconds);

class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed * 2654435761u + 0x9E3779B9u) { Next(); }
    uint32_t Next();
    float Uniform();  // [0, 1)
    float Noise();    // [-1, 1)
    float Range(float lo, float hi);
    int Int(int n);  // 0..n-1
    float Gauss();

private:
    uint32_t s_;
};

using Mono = std::vector<float>;

struct Stereo {
    Mono l, r;
    explicit Stereo(size_t n = 0) : l(n, 0.0f), r(n, 0.0f) {}
    size_t size() const { return l.size(); }
    void Resize(size_t n) {
        l.resize(n, 0.0f);
        r.resize(n, 0.0f);
    }
};

// RBJ biquads.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float z1 = 0, z2 = 0;
    float Run(float x) {
        float y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
    static Biquad LowPass(float hz, float q = 0.707f);
    static Biquad HighPass(float hz, float q = 0.707f);
    static Biquad BandPass(float hz, float q);  // 0 dB at the centre
    static Biquad Peak(float hz, float q, float gainDb);
    static Biquad LowShelf(float hz, float gainDb);
    static Biquad HighShelf(float hz, float gainDb);
};

// A state-variable filter that stays stable while its frequency moves every
// sample (trapezoidal integration).
class Svf {
public:
    struct Out {
        float low, band, high;
    };
    Out Run(float x, float hz, float q);

private:
    float ic1_ = 0, ic2_ = 0;
};

// A sawtooth at phase (0..1) advancing dt a sample, with its jump smoothed
// so that its upper harmonics do not fold back below the Nyquist frequency.
inline float BlepSaw(float phase, float dt) {
    float v = 2.0f * phase - 1.0f;
    if (phase < dt) {
        float t = phase / dt;
        v -= t + t - t * t - 1.0f;
    } else if (phase > 1.0f - dt) {
        float t = (phase - 1.0f) / dt;
        v -= t * t + t + t + 1.0f;
    }
    return v;
}

// Runs a filter over a buffer. A circular buffer is run several times and
// the last run kept, so the filter's state at the end meets its start and
// the buffer still loops without a seam.
void Filter(Mono& x, Biquad f, bool circular = false);
void Filter(Stereo& x, const Biquad& f, bool circular = false);

// Exponentially decaying sine partials: the body of anything struck.
struct Mode {
    float hz;
    float gain;
    float decay;  // seconds to fall by 60 dB
};
Mono Modal(const std::vector<Mode>& modes, float seconds, Rng* rng = nullptr, float detune = 0.0f);

// Envelopes.
Mono Noise(size_t n, Rng& rng);
Mono PinkNoise(size_t n, Rng& rng);
Mono BrownNoise(size_t n, Rng& rng);
// attack and release in seconds, linear-in-dB-ish curves; total length n.
void ApplyAr(Mono& x, float attack, float release);
void ApplyDecay(Mono& x, float attack, float decay60);
// A smooth random curve in [0, 1] that repeats exactly over n samples.
Mono PeriodicWander(size_t n, Rng& rng, int minCycles, int maxCycles, int parts);
// A smooth random curve in [0, 1] (not periodic), changing about `rateHz` times a second.
Mono Wander(size_t n, Rng& rng, float rateHz);

// Places a mono sound into a stereo buffer at `at` with equal-power pan
// (-1 left .. 1 right); with wrap, what runs past the end goes to the start.
void Place(Stereo& dst, const Mono& src, size_t at, float gain, float pan, bool wrap = false);
void Place(Stereo& dst, const Stereo& src, size_t at, float gain, bool wrap = false);
void Scale(Mono& x, float g);
void Scale(Stereo& x, float g);

// Freeverb-style room: eight damped combs and four all-passes a channel.
struct RoomSettings {
    float size = 0.8f;  // 0..1, comb feedback
    float damp = 0.3f;  // high-frequency loss in the tail
    float wet = 0.25f;
    float dry = 1.0f;
    float width = 1.0f;
    float preDelay = 0.0f;  // seconds
};
void Reverb(Stereo& x, const RoomSettings& room, bool circular = false);

// A loop of n samples from x (n + fade long): the tail crossfades into the
// head with equal power, so the end runs on into the start.
Mono LoopCrossfade(const Mono& x, size_t n);
Stereo LoopCrossfade(const Stereo& x, size_t n);

// Level tools.
float Peak(const Stereo& x);
float Rms(const Stereo& x);
void RemoveDc(Stereo& x, bool circular);
void NormalisePeak(Stereo& x, float dbfs);
void FadeEdges(Stereo& x, float fadeIn, float fadeOut);
std::vector<int16_t> ToPcm16(const Stereo& x);

float DbToGain(float db);

}  // namespace synth
