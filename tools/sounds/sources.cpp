#include "sources.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace synth {

Mono Click(Rng& rng, float bodyHz, float brightHz, float decay, float bodyMix) {
    float seconds = std::max(0.05f, decay * 1.2f);
    Mono impact = Noise(Samples(seconds), rng);
    Filter(impact, Biquad::HighPass(brightHz * 0.5f));
    Filter(impact, Biquad::LowPass(std::min(brightHz * 2.5f, 10000.0f)));
    ApplyDecay(impact, 0.0004f, 0.012f);
    Mono body = Modal({{bodyHz, 1.0f, decay},
                       {bodyHz * 2.71f, 0.45f, decay * 0.5f},
                       {bodyHz * 5.13f, 0.2f, decay * 0.3f},
                       {brightHz, 0.35f, 0.02f}},
                      seconds, &rng, 0.01f);
    Mono out(impact.size());
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = impact[i] * (1 - bodyMix) * 1.5f + body[i] * bodyMix;
    ApplyAr(out, 0.0003f, 0.004f);
    return out;
}

Mono WoodKnock(Rng& rng, float hz, float decay) {
    Mono body = Modal({{hz, 1.0f, decay},
                       {hz * 2.32f, 0.7f, decay * 0.6f},
                       {hz * 4.05f, 0.35f, decay * 0.35f},
                       {hz * 6.8f, 0.15f, decay * 0.2f}},
                      decay * 1.3f + 0.03f, &rng, 0.02f);
    Mono hit = Noise(body.size(), rng);
    Filter(hit, Biquad::BandPass(hz * 5, 0.8f));
    ApplyDecay(hit, 0.0003f, 0.008f);
    for (size_t i = 0; i < body.size(); ++i) body[i] += hit[i] * 0.6f;
    ApplyAr(body, 0.0003f, 0.005f);
    return body;
}

Mono MetalClang(Rng& rng, float hz, float decay) {
    static const float kRatio[] = {1.0f,  1.59f, 2.14f, 2.65f, 3.16f,
                                   3.72f, 4.31f, 5.13f, 6.22f, 7.4f};
    std::vector<Mode> modes;
    for (size_t i = 0; i < std::size(kRatio); ++i)
        modes.push_back({hz * kRatio[i],
                         rng.Range(0.4f, 1.0f) / (1.0f + 0.3f * static_cast<float>(i)),
                         decay / (1.0f + 0.35f * static_cast<float>(i))});
    Mono out = Modal(modes, decay * 1.1f + 0.05f, &rng, 0.015f);
    Mono hit = Noise(out.size(), rng);
    Filter(hit, Biquad::HighPass(1500));
    ApplyDecay(hit, 0.0002f, 0.02f);
    for (size_t i = 0; i < out.size(); ++i) out[i] += hit[i] * 0.5f;
    ApplyAr(out, 0.0002f, 0.02f);
    return out;
}

Mono SmallBell(Rng& rng, float hz, float decay) {
    Mono out = Modal({{hz, 1.0f, decay},
                      {hz * 2.0f, 0.5f, decay * 0.7f},
                      {hz * 2.76f, 0.45f, decay * 0.5f},
                      {hz * 5.4f, 0.25f, decay * 0.25f},
                      {hz * 8.93f, 0.12f, decay * 0.12f}},
                     decay * 1.1f, &rng, 0.002f);
    ApplyAr(out, 0.0003f, 0.02f);
    return out;
}

Mono Ceramic(Rng& rng, float hz, float decay) {
    Mono out = Modal({{hz, 1.0f, decay},
                      {hz * 1.47f, 0.6f, decay * 0.8f},
                      {hz * 2.09f, 0.5f, decay * 0.6f},
                      {hz * 2.56f, 0.3f, decay * 0.5f}},
                     decay * 1.1f + 0.02f, &rng, 0.01f);
    Mono hit = Noise(out.size(), rng);
    Filter(hit, Biquad::HighPass(2500));
    ApplyDecay(hit, 0.0002f, 0.006f);
    for (size_t i = 0; i < out.size(); ++i) out[i] += hit[i] * 0.4f;
    ApplyAr(out, 0.0002f, 0.01f);
    return out;
}

Mono Thump(Rng& rng, float hz0, float hz1, float decay, float slap) {
    size_t n = Samples(decay * 1.2f + 0.02f);
    Mono out(n);
    double phase = 0;
    float k = std::exp(-6.9078f / (decay * kRate));
    float amp = 1.0f;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kRate;
        float hz = hz1 + (hz0 - hz1) * std::exp(-t * 30.0f);
        phase += 2 * M_PI * hz / kRate;
        out[i] = static_cast<float>(std::sin(phase)) * amp;
        amp *= k;
    }
    Mono hit = Noise(n, rng);
    Filter(hit, Biquad::BandPass(1800, 0.7f));
    ApplyDecay(hit, 0.0003f, 0.015f);
    for (size_t i = 0; i < n; ++i) out[i] += hit[i] * slap;
    ApplyAr(out, 0.0005f, 0.01f);
    return out;
}

Mono NoiseBurst(Rng& rng, float seconds, float lowHz, float highHz, float attack, float decay) {
    Mono out = Noise(Samples(seconds), rng);
    if (lowHz > 20) Filter(out, Biquad::HighPass(lowHz));
    if (lowHz > 20) Filter(out, Biquad::HighPass(lowHz));
    Filter(out, Biquad::LowPass(highHz));
    Filter(out, Biquad::LowPass(highHz));
    ApplyDecay(out, attack, decay);
    ApplyAr(out, 0.0005f, std::min(0.02f, seconds * 0.3f));
    return out;
}

Mono Swoosh(Rng& rng, float seconds, float hz0, float hz1, float q) {
    size_t n = Samples(seconds);
    Mono out(n);
    Svf f;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(n);
        float hz = hz0 * std::pow(hz1 / hz0, t);
        float env = std::sin(kPi * std::pow(t, 0.7f));
        out[i] = f.Run(rng.Noise(), hz, q).band * env * env;
    }
    return out;
}

Mono Whistle(Rng& rng, float hz, const std::vector<float>& blasts, float gap) {
    float total = 0.05f;
    for (float b : blasts) total += b + gap;
    Mono out(Samples(total), 0.0f);
    size_t at = Samples(0.01f);
    for (float b : blasts) {
        size_t n = Samples(b);
        double phase = 0;
        Svf breath;
        float pea = rng.Range(22.0f, 30.0f);
        for (size_t i = 0; i < n && at + i < out.size(); ++i) {
            float t = static_cast<float>(i) / kRate;
            // The pea rattles the pitch a few dozen times a second, a little unevenly.
            float warble = std::sin(2 * kPi * pea * t + 0.6f * std::sin(2 * kPi * 3.1f * t));
            float f = hz * (1.0f + 0.035f * warble + 0.01f * std::sin(2 * kPi * 0.9f * t));
            phase += 2 * M_PI * f / kRate;
            float tone = static_cast<float>(std::sin(phase) + 0.18 * std::sin(2 * phase));
            float air = breath.Run(rng.Noise(), f, 6.0f).band;
            float env = std::min(1.0f, t / 0.025f) * std::min(1.0f, (b - t) / 0.04f);
            env *= 0.85f + 0.15f * warble;
            out[at + i] += (tone * 0.8f + air * 0.9f) * env;
        }
        at += n + Samples(gap);
    }
    return out;
}

Mono Birdsong(Rng& rng, float hzLo, float hzHi, int chirps) {
    Mono out(Samples(0.1f + chirps * 0.16f), 0.0f);
    size_t at = 0;
    for (int c = 0; c < chirps; ++c) {
        float len = rng.Range(0.04f, 0.11f);
        size_t n = Samples(len);
        float f0 = rng.Range(hzLo, hzHi), f1 = rng.Range(hzLo, hzHi);
        float trill = rng.Range(0.0f, 1.0f) < 0.4f ? rng.Range(30.0f, 60.0f) : 0.0f;
        double phase = 0;
        for (size_t i = 0; i < n && at + i < out.size(); ++i) {
            float t = static_cast<float>(i) / static_cast<float>(n);
            float f = f0 + (f1 - f0) * t;
            if (trill > 0) f *= 1.0f + 0.06f * std::sin(2 * kPi * trill * t * len);
            phase += 2 * M_PI * f / kRate;
            float env = std::sin(kPi * t);
            out[at + i] +=
                static_cast<float>(std::sin(phase) + 0.15 * std::sin(2 * phase)) * env * env;
        }
        at += n + Samples(rng.Range(0.02f, 0.07f));
    }
    return out;
}

Mono Tones(float hzA, float hzB, float seconds) {
    size_t n = Samples(seconds);
    Mono out(n);
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kRate;
        out[i] = 0.5f * (std::sin(2 * kPi * hzA * t) + std::sin(2 * kPi * hzB * t));
    }
    ApplyAr(out, 0.004f, 0.004f);
    return out;
}

Mono Creak(Rng& rng, float seconds, float rate0, float rate1) {
    size_t n = Samples(seconds);
    Mono pulses(n, 0.0f);
    float phase = 0;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(n);
        float rate = rate0 + (rate1 - rate0) * t;
        phase += rate * (1.0f + 0.3f * rng.Noise()) / kRate;
        if (phase >= 1.0f) {
            phase -= 1.0f;
            pulses[i] = rng.Range(0.5f, 1.0f) * std::sin(kPi * t);
        }
    }
    Mono out(n, 0.0f);
    for (auto [hz, q, g] :
         {std::tuple{420.0f, 12.0f, 1.0f}, {980.0f, 10.0f, 0.7f}, {1900.0f, 8.0f, 0.4f}}) {
        Mono band = pulses;
        Filter(band, Biquad::BandPass(hz, q));
        for (size_t i = 0; i < n; ++i) out[i] += band[i] * g;
    }
    ApplyAr(out, 0.01f, 0.03f);
    return out;
}

namespace {

struct Vowel {
    float f1, f2, f3;
};
constexpr Vowel kVowels[] = {
    {730, 1090, 2440},  // a
    {530, 1840, 2480},  // e
    {300, 2200, 2950},  // i
    {570, 840, 2410},   // o
    {320, 870, 2240},   // u
    {660, 1700, 2400},  // ae
};

// One talking voice into `out`, `gain` on each side.
void Talk(Rng& rng, Mono& out, float pitch, float syllables, float talkiness) {
    size_t n = out.size();
    Svf s1, s2, s3;
    Vowel cur = kVowels[rng.Int(6)], target = cur;
    float phase = 0;
    size_t nextSyllable = 0, syllableLen = 1, syllableStart = 0;
    bool voiced = true;
    float intonation = 1.0f, intonationTarget = 1.0f;
    Biquad tilt = Biquad::LowPass(2800, 0.6f);
    for (size_t i = 0; i < n; ++i) {
        if (i >= nextSyllable) {
            syllableStart = i;
            syllableLen = Samples(rng.Range(0.6f, 1.4f) / syllables);
            nextSyllable = i + syllableLen;
            voiced = rng.Uniform() < talkiness;
            target = kVowels[rng.Int(6)];
            intonationTarget = rng.Range(0.88f, 1.15f);
        }
        const float glide = 0.004f;
        cur.f1 += (target.f1 - cur.f1) * glide;
        cur.f2 += (target.f2 - cur.f2) * glide;
        cur.f3 += (target.f3 - cur.f3) * glide;
        intonation += (intonationTarget - intonation) * 0.0005f;
        float f0 = pitch * intonation * (1.0f + 0.01f * rng.Noise());
        phase += f0 / kRate;
        if (phase >= 1) phase -= 1;
        float src = tilt.Run(BlepSaw(phase, f0 / kRate) + 0.25f * rng.Noise());
        float y = s1.Run(src, cur.f1, 6).band + 0.6f * s2.Run(src, cur.f2, 8).band +
                  0.25f * s3.Run(src, cur.f3, 10).band;
        float t = static_cast<float>(i - syllableStart) / static_cast<float>(syllableLen);
        float env = voiced ? std::sin(kPi * t) : 0.0f;
        out[i] += y * env;
    }
}

}  // namespace

Stereo Babble(Rng& rng, size_t n, int voices, float pitchLo, float pitchHi,
              float syllablesPerSecond, float talkiness) {
    Stereo out(n);
    for (int v = 0; v < voices; ++v) {
        Mono one(n, 0.0f);
        Talk(rng, one, rng.Range(pitchLo, pitchHi), syllablesPerSecond * rng.Range(0.8f, 1.2f),
             talkiness);
        Place(out, one, 0, rng.Range(0.4f, 1.0f), rng.Range(-0.8f, 0.8f));
    }
    return out;
}

Mono CrowdVowel(Rng& rng, float seconds, int voices, float hz0, float hz1, int vowel, float attack,
                float release) {
    size_t n = Samples(seconds);
    Mono out(n, 0.0f);
    Vowel v = kVowels[vowel % 6];
    for (int k = 0; k < voices; ++k) {
        Svf s1, s2, s3;
        float phase = rng.Uniform();
        float detune = rng.Range(0.9f, 1.12f);
        float vib = rng.Range(4.0f, 6.5f), vibPhase = rng.Uniform() * 6.28f;
        float late = rng.Range(0.0f, attack * 0.6f);
        Biquad tilt = Biquad::LowPass(2400, 0.6f);
        float gain = rng.Range(0.5f, 1.0f);
        for (size_t i = 0; i < n; ++i) {
            float t = static_cast<float>(i) / kRate;
            float u = t / seconds;
            float f0 = (hz0 + (hz1 - hz0) * u) * detune *
                       (1.0f + 0.015f * std::sin(2 * kPi * vib * t + vibPhase));
            phase += f0 / kRate;
            if (phase >= 1) phase -= 1;
            float src = tilt.Run(BlepSaw(phase, f0 / kRate) + 0.35f * rng.Noise());
            float y = s1.Run(src, v.f1, 5).band + 0.5f * s2.Run(src, v.f2, 7).band +
                      0.2f * s3.Run(src, v.f3, 9).band;
            float a = std::clamp((t - late) / attack, 0.0f, 1.0f);
            float r = std::clamp((seconds - t) / release, 0.0f, 1.0f);
            out[i] += y * gain * a * r;
        }
    }
    return out;
}

Stereo CrowdRoar(Rng& rng, const Mono& level, float baseHz) {
    size_t n = level.size();
    Stereo out(n);
    for (Mono* ch : {&out.l, &out.r}) {
        Mono pink = PinkNoise(n, rng);
        Svf body, air;
        for (size_t i = 0; i < n; ++i) {
            float lv = level[i];
            // A louder crowd is a brighter crowd: the band opens as it swells.
            float centre = baseHz * (0.8f + 1.6f * lv);
            float b = body.Run(pink[i], centre, 0.8f).band;
            float h = air.Run(pink[i], centre * 3.2f, 1.2f).band;
            (*ch)[i] = (b + h * (0.15f + 0.5f * lv)) * (0.15f + lv);
        }
    }
    return out;
}

Stereo Applause(Rng& rng, size_t n, float rate, const Mono& density, bool wrap) {
    Stereo out(n);
    // A bank of clap shapes to draw from: hands differ in size and so in pitch.
    std::vector<Mono> claps;
    for (int k = 0; k < 12; ++k) {
        Mono c = Noise(Samples(0.06f), rng);
        Filter(c, Biquad::BandPass(rng.Range(800, 2600), rng.Range(1.2f, 2.5f)));
        ApplyDecay(c, 0.0008f, rng.Range(0.03f, 0.06f));
        claps.push_back(std::move(c));
    }
    double expected = 0;
    for (size_t i = 0; i < n; ++i) {
        expected += rate * density[i] / kRate;
        while (expected >= 1.0) {
            expected -= rng.Uniform() * 2.0;
            Place(out, claps[static_cast<size_t>(rng.Int(12))], i, rng.Range(0.3f, 1.0f),
                  rng.Range(-0.9f, 0.9f), wrap);
        }
    }
    return out;
}

Mono KeyClick(Rng& rng, bool space) {
    Mono a = Click(rng, space ? rng.Range(180, 230) : rng.Range(300, 420), rng.Range(2500, 4200),
                   space ? 0.05f : 0.03f, 0.5f);
    // The key bottoms out, then comes back up a moment later.
    Mono b = Click(rng, rng.Range(500, 700), rng.Range(3000, 5000), 0.02f, 0.4f);
    size_t up = Samples(rng.Range(0.06f, 0.11f));
    a.resize(std::max(a.size(), up + b.size()), 0.0f);
    for (size_t i = 0; i < b.size(); ++i) a[up + i] += b[i] * 0.35f;
    return a;
}

}  // namespace synth
