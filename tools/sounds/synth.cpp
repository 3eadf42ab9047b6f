#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

size_t Samples(float seconds) {
    return static_cast<size_t>(std::lround(seconds * kRate));
}

float DbToGain(float db) {
    return std::pow(10.0f, db / 20.0f);
}

uint32_t Rng::Next() {
    // xorshift32
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}
float Rng::Uniform() {
    return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}
float Rng::Noise() {
    return Uniform() * 2.0f - 1.0f;
}
float Rng::Range(float lo, float hi) {
    return lo + (hi - lo) * Uniform();
}
int Rng::Int(int n) {
    return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n));
}
float Rng::Gauss() {
    float s = 0;
    for (int i = 0; i < 4; ++i) s += Noise();
    return s * 0.866f;
}

namespace {

struct Coeffs {
    float w0, cw, sw, alpha;
};
Coeffs Prepare(float hz, float q) {
    hz = std::clamp(hz, 5.0f, kRate * 0.49f);
    Coeffs c;
    c.w0 = 2 * kPi * hz / kRate;
    c.cw = std::cos(c.w0);
    c.sw = std::sin(c.w0);
    c.alpha = c.sw / (2 * q);
    return c;
}
Biquad Make(float b0, float b1, float b2, float a0, float a1, float a2) {
    Biquad f;
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = a1 / a0;
    f.a2 = a2 / a0;
    return f;
}

}  // namespace

Biquad Biquad::LowPass(float hz, float q) {
    Coeffs c = Prepare(hz, q);
    return Make((1 - c.cw) / 2, 1 - c.cw, (1 - c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::HighPass(float hz, float q) {
    Coeffs c = Prepare(hz, q);
    return Make((1 + c.cw) / 2, -(1 + c.cw), (1 + c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::BandPass(float hz, float q) {
    Coeffs c = Prepare(hz, q);
    return Make(c.alpha, 0, -c.alpha, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::Peak(float hz, float q, float gainDb) {
    Coeffs c = Prepare(hz, q);
    float a = std::pow(10.0f, gainDb / 40.0f);
    return Make(1 + c.alpha * a, -2 * c.cw, 1 - c.alpha * a, 1 + c.alpha / a, -2 * c.cw,
                1 - c.alpha / a);
}
Biquad Biquad::LowShelf(float hz, float gainDb) {
    Coeffs c = Prepare(hz, 0.707f);
    float a = std::pow(10.0f, gainDb / 40.0f);
    float s = 2 * std::sqrt(a) * c.alpha;
    return Make(a * ((a + 1) - (a - 1) * c.cw + s), 2 * a * ((a - 1) - (a + 1) * c.cw),
                a * ((a + 1) - (a - 1) * c.cw - s), (a + 1) + (a - 1) * c.cw + s,
                -2 * ((a - 1) + (a + 1) * c.cw), (a + 1) + (a - 1) * c.cw - s);
}
Biquad Biquad::HighShelf(float hz, float gainDb) {
    Coeffs c = Prepare(hz, 0.707f);
    float a = std::pow(10.0f, gainDb / 40.0f);
    float s = 2 * std::sqrt(a) * c.alpha;
    return Make(a * ((a + 1) + (a - 1) * c.cw + s), -2 * a * ((a - 1) + (a + 1) * c.cw),
                a * ((a + 1) + (a - 1) * c.cw - s), (a + 1) - (a - 1) * c.cw + s,
                2 * ((a - 1) - (a + 1) * c.cw), (a + 1) - (a - 1) * c.cw - s);
}

Svf::Out Svf::Run(float x, float hz, float q) {
    hz = std::clamp(hz, 10.0f, kRate * 0.45f);
    float g = std::tan(kPi * hz / kRate);
    float k = 1.0f / q;
    float a1 = 1.0f / (1.0f + g * (g + k));
    float a2 = g * a1;
    float a3 = g * a2;
    float v3 = x - ic2_;
    float v1 = a1 * ic1_ + a2 * v3;
    float v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    return {v2, v1, x - k * v1 - v2};
}

void Filter(Mono& x, Biquad f, bool circular) {
    if (circular) {
        // Warm the state up on the buffer itself, twice, then keep a third run.
        for (int pass = 0; pass < 2; ++pass)
            for (float v : x) f.Run(v);
    }
    for (float& v : x) v = f.Run(v);
}

void Filter(Stereo& x, const Biquad& f, bool circular) {
    Filter(x.l, f, circular);
    Filter(x.r, f, circular);
}

Mono Modal(const std::vector<Mode>& modes, float seconds, Rng* rng, float detune) {
    Mono out(Samples(seconds), 0.0f);
    for (const Mode& m : modes) {
        float hz = m.hz;
        if (rng && detune > 0) hz *= 1.0f + rng->Noise() * detune;
        if (hz >= kRate * 0.48f) continue;
        double w = 2 * M_PI * hz / kRate;
        double k = std::exp(-6.9078 / (m.decay * kRate));
        // Rotating phasor: cheap and exact enough for a few thousand samples.
        double c = std::cos(w), s = std::sin(w);
        double re = 1, im = 0, amp = m.gain;
        for (float& v : out) {
            v += static_cast<float>(amp * im);
            double nre = re * c - im * s;
            im = re * s + im * c;
            re = nre;
            amp *= k;
            if (amp < 1e-6) break;
        }
    }
    return out;
}

Mono Noise(size_t n, Rng& rng) {
    Mono out(n);
    for (float& v : out) v = rng.Noise();
    return out;
}

Mono PinkNoise(size_t n, Rng& rng) {
    Mono out(n);
    float b0 = 0, b1 = 0, b2 = 0;
    for (float& v : out) {
        float w = rng.Noise();
        b0 = 0.99765f * b0 + w * 0.0990460f;
        b1 = 0.96300f * b1 + w * 0.2965164f;
        b2 = 0.57000f * b2 + w * 1.0526913f;
        v = (b0 + b1 + b2 + w * 0.1848f) * 0.25f;
    }
    return out;
}

Mono BrownNoise(size_t n, Rng& rng) {
    Mono out(n);
    float y = 0;
    for (float& v : out) {
        y = 0.996f * y + rng.Noise() * 0.06f;
        v = y;
    }
    return out;
}

void ApplyAr(Mono& x, float attack, float release) {
    size_t n = x.size();
    size_t a = std::min(n, Samples(attack));
    size_t r = std::min(n, Samples(release));
    for (size_t i = 0; i < a; ++i)
        x[i] *= 0.5f - 0.5f * std::cos(kPi * static_cast<float>(i) / static_cast<float>(a));
    for (size_t i = 0; i < r; ++i)
        x[n - 1 - i] *= 0.5f - 0.5f * std::cos(kPi * static_cast<float>(i) / static_cast<float>(r));
}

void ApplyDecay(Mono& x, float attack, float decay60) {
    size_t a = Samples(attack);
    float k = std::exp(-6.9078f / (decay60 * kRate));
    float g = 1.0f;
    for (size_t i = 0; i < x.size(); ++i) {
        if (i < a) {
            x[i] *= static_cast<float>(i) / static_cast<float>(a);
        } else {
            x[i] *= g;
            g *= k;
        }
    }
}

Mono PeriodicWander(size_t n, Rng& rng, int minCycles, int maxCycles, int parts) {
    Mono out(n, 0.0f);
    for (int p = 0; p < parts; ++p) {
        int cycles = minCycles + rng.Int(maxCycles - minCycles + 1);
        float phase = rng.Uniform() * 2 * kPi;
        float amp = 1.0f / std::sqrt(static_cast<float>(cycles));
        double w = 2 * M_PI * cycles / static_cast<double>(n);
        for (size_t i = 0; i < n; ++i)
            out[i] += amp * static_cast<float>(std::sin(w * static_cast<double>(i) + phase));
    }
    auto [lo, hi] = std::minmax_element(out.begin(), out.end());
    float a = *lo, b = *hi;
    for (float& v : out) v = b > a ? (v - a) / (b - a) : 0.5f;
    return out;
}

Mono Wander(size_t n, Rng& rng, float rateHz) {
    Mono out(n);
    size_t step = std::max<size_t>(1, Samples(1.0f / rateHz));
    float from = rng.Uniform(), to = rng.Uniform();
    for (size_t i = 0; i < n; ++i) {
        size_t k = i % step;
        if (k == 0 && i > 0) {
            from = to;
            to = rng.Uniform();
        }
        float t = static_cast<float>(k) / static_cast<float>(step);
        out[i] = from + (to - from) * (0.5f - 0.5f * std::cos(kPi * t));
    }
    return out;
}

void Place(Stereo& dst, const Mono& src, size_t at, float gain, float pan, bool wrap) {
    float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * kPi / 4;
    float gl = gain * std::cos(angle) * 1.41421356f, gr = gain * std::sin(angle) * 1.41421356f;
    size_t n = dst.size();
    if (n == 0) return;
    for (size_t i = 0; i < src.size(); ++i) {
        size_t j = at + i;
        if (j >= n) {
            if (!wrap) break;
            j %= n;
        }
        dst.l[j] += src[i] * gl;
        dst.r[j] += src[i] * gr;
    }
}

void Place(Stereo& dst, const Stereo& src, size_t at, float gain, bool wrap) {
    size_t n = dst.size();
    if (n == 0) return;
    for (size_t i = 0; i < src.size(); ++i) {
        size_t j = at + i;
        if (j >= n) {
            if (!wrap) break;
            j %= n;
        }
        dst.l[j] += src.l[i] * gain;
        dst.r[j] += src.r[i] * gain;
    }
}

void Scale(Mono& x, float g) {
    for (float& v : x) v *= g;
}
void Scale(Stereo& x, float g) {
    Scale(x.l, g);
    Scale(x.r, g);
}

namespace {

class Comb {
public:
    explicit Comb(size_t n) : buf_(n, 0.0f) {}
    float Run(float in, float feedback, float damp) {
        float out = buf_[i_];
        store_ = out * (1 - damp) + store_ * damp;
        buf_[i_] = in + store_ * feedback;
        if (++i_ == buf_.size()) i_ = 0;
        return out;
    }

private:
    std::vector<float> buf_;
    size_t i_ = 0;
    float store_ = 0;
};

class AllPass {
public:
    explicit AllPass(size_t n) : buf_(n, 0.0f) {}
    float Run(float in) {
        float b = buf_[i_];
        float out = b - in;
        buf_[i_] = in + b * 0.5f;
        if (++i_ == buf_.size()) i_ = 0;
        return out;
    }

private:
    std::vector<float> buf_;
    size_t i_ = 0;
};

}  // namespace

void Reverb(Stereo& x, const RoomSettings& room, bool circular) {
    static const size_t kComb[8] = {558, 594, 638, 678, 711, 745, 778, 808};
    static const size_t kAll[4] = {278, 220, 170, 112};
    const size_t spread = 11;
    std::vector<Comb> cl, cr;
    std::vector<AllPass> al, ar;
    for (size_t c : kComb) {
        cl.emplace_back(c);
        cr.emplace_back(c + spread);
    }
    for (size_t a : kAll) {
        al.emplace_back(a);
        ar.emplace_back(a + spread);
    }
    float feedback = 0.7f + room.size * 0.28f;
    float damp = room.damp * 0.4f;
    float wet1 = room.wet * 3.0f * (room.width / 2 + 0.5f);
    float wet2 = room.wet * 3.0f * ((1 - room.width) / 2);
    size_t n = x.size();
    size_t pre = Samples(room.preDelay);
    Stereo out(n);
    int passes = circular ? 3 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 0; i < n; ++i) {
            size_t src = (i + n - (pre % std::max<size_t>(n, 1))) % n;
            bool has = circular || i >= pre;
            float in = has ? (x.l[src] + x.r[src]) * 0.015f : 0.0f;
            float ol = 0, orr = 0;
            for (auto& c : cl) ol += c.Run(in, feedback, damp);
            for (auto& c : cr) orr += c.Run(in, feedback, damp);
            for (auto& a : al) ol = a.Run(ol);
            for (auto& a : ar) orr = a.Run(orr);
            out.l[i] = ol * wet1 + orr * wet2;
            out.r[i] = orr * wet1 + ol * wet2;
        }
    }
    for (size_t i = 0; i < n; ++i) {
        x.l[i] = x.l[i] * room.dry + out.l[i];
        x.r[i] = x.r[i] * room.dry + out.r[i];
    }
}

Mono LoopCrossfade(const Mono& x, size_t n) {
    Mono out(x.begin(), x.begin() + static_cast<long>(std::min(n, x.size())));
    size_t fade = x.size() > n ? std::min(x.size() - n, n) : 0;
    for (size_t i = 0; i < fade; ++i) {
        float t = (static_cast<float>(i) + 0.5f) / static_cast<float>(fade);
        out[i] = x[i] * std::sin(t * kPi / 2) + x[n + i] * std::cos(t * kPi / 2);
    }
    return out;
}

Stereo LoopCrossfade(const Stereo& x, size_t n) {
    Stereo out;
    out.l = LoopCrossfade(x.l, n);
    out.r = LoopCrossfade(x.r, n);
    return out;
}

float Peak(const Stereo& x) {
    float p = 0;
    for (size_t i = 0; i < x.size(); ++i) p = std::max({p, std::fabs(x.l[i]), std::fabs(x.r[i])});
    return p;
}

float Rms(const Stereo& x) {
    double s = 0;
    for (size_t i = 0; i < x.size(); ++i) s += x.l[i] * x.l[i] + x.r[i] * x.r[i];
    return x.size() ? static_cast<float>(std::sqrt(s / (2.0 * static_cast<double>(x.size()))))
                    : 0.0f;
}

void RemoveDc(Stereo& x, bool circular) {
    if (circular) {
        for (Mono* ch : {&x.l, &x.r}) {
            double mean = 0;
            for (float v : *ch) mean += v;
            mean /= static_cast<double>(std::max<size_t>(1, ch->size()));
            for (float& v : *ch) v -= static_cast<float>(mean);
        }
        Filter(x, Biquad::HighPass(25.0f), true);
    } else {
        Filter(x, Biquad::HighPass(25.0f), false);
    }
}

void NormalisePeak(Stereo& x, float dbfs) {
    float p = Peak(x);
    if (p > 0) Scale(x, DbToGain(dbfs) / p);
}

void FadeEdges(Stereo& x, float fadeIn, float fadeOut) {
    ApplyAr(x.l, fadeIn, fadeOut);
    ApplyAr(x.r, fadeIn, fadeOut);
}

std::vector<int16_t> ToPcm16(const Stereo& x) {
    std::vector<int16_t> out(x.size() * 2);
    for (size_t i = 0; i < x.size(); ++i) {
        out[2 * i] = static_cast<int16_t>(std::lrintf(std::clamp(x.l[i], -1.0f, 1.0f) * 32767.0f));
        out[2 * i + 1] =
            static_cast<int16_t>(std::lrintf(std::clamp(x.r[i], -1.0f, 1.0f) * 32767.0f));
    }
    return out;
}

}  // namespace synth
