// The match day's sounds ("SND\MAT"): seven crowd loops, each with its own
// character, the three kicks, the referee's whistle and the crowd's
// reactions to a near miss and to a goal.
#include <cmath>

#include "recipes.h"

namespace synth {

namespace {

// Crowd loops stay under -3 dBFS, one-shots under -1.
constexpr float kMatchLoopPeak = -6.0f;
constexpr float kMatchShotPeak = -3.0f;
const RoomSettings kGround{0.93f, 0.45f, 0.3f, 1.0f, 1.0f, 0.03f};

size_t MatchLoopN() { return Samples(kLoopSeconds); }
size_t MatchBedN() { return Samples(kLoopSeconds + kLoopFade); }

// The loop is periodic, so any point may be its seam: take the one where
// the 50 ms either side are closest in level, so no drum or shout is cut.
void RotateToCalmSeam(Stereo& s) {
    const size_t n = s.size(), w = Samples(0.05f), step = Samples(0.01f);
    auto level = [&](size_t from) {
        double sum = 0;
        for (size_t i = 0; i < w; ++i) {
            const size_t k = (from + i) % n;
            sum += static_cast<double>(s.l[k]) * s.l[k] + static_cast<double>(s.r[k]) * s.r[k];
        }
        return 10 * std::log10(sum / static_cast<double>(2 * w) + 1e-12);
    };
    size_t best = 0;
    double bestGap = 1e9;
    for (size_t at = 0; at < n; at += step) {
        const double gap = std::fabs(level(at) - level((at + n - w) % n));
        if (gap < bestGap) {
            bestGap = gap;
            best = at;
        }
    }
    Stereo r(n);
    for (size_t i = 0; i < n; ++i) {
        r.l[i] = s.l[(i + best) % n];
        r.r[i] = s.r[(i + best) % n];
    }
    s = std::move(r);
}

Built MatchLoop(const char* name, Stereo s) {
    Reverb(s, kGround, true);
    Filter(s, Biquad::HighPass(60), true);
    RotateToCalmSeam(s);
    return {std::string("SND\\MAT\\") + name, FinishLoop(std::move(s), kMatchLoopPeak), true};
}

Built MatchShot(const char* name, Stereo s) {
    return {std::string("SND\\MAT\\") + name, FinishShot(std::move(s), kMatchShotPeak), false};
}

// The ground's steady roar: `level` 0..1 around which it wanders, and its
// talk, rendered long and crossfaded so its end runs into its start.
Stereo CrowdBed(Rng& rng, float level, float wander, float baseHz, int talkers) {
    const size_t n = MatchBedN();
    Mono lv = Wander(n, rng, 0.35f);
    for (float& v : lv) v = level + wander * (v - 0.5f);
    Stereo crowd = CrowdRoar(rng, lv, baseHz);
    if (talkers > 0) Place(crowd, Babble(rng, n, talkers, 120, 290, 4.0f, 0.8f), 0, 0.12f);
    return LoopCrossfade(crowd, MatchLoopN());
}

// A periodic level over the loop (so a swell repeats seamlessly).
Mono LoopSwell(size_t n, int cycles, float lo, float hi) {
    Mono m(n);
    for (size_t i = 0; i < n; ++i)
        m[i] = lo + (hi - lo) * (0.5f - 0.5f * std::cos(2 * kPi * cycles * static_cast<float>(i) / static_cast<float>(n)));
    return m;
}

// Crowd voices on a vowel placed round the loop, wrapping past its end.
void Shouts(Rng& rng, Stereo& loop, int count, float hzLo, float hzHi, float gain) {
    for (int k = 0; k < count; ++k) {
        const float len = rng.Range(0.4f, 1.1f);
        Mono v = CrowdVowel(rng, len, 6 + rng.Int(10), rng.Range(hzLo, hzHi), rng.Range(hzLo, hzHi), rng.Int(5), 0.05f, 0.3f);
        Place(loop, v, static_cast<size_t>(rng.Uniform() * static_cast<float>(loop.size())), gain, rng.Range(-0.8f, 0.8f), true);
    }
}

// A chant of `notes` (hz, beats) sung by a stand, repeated to fill the loop.
void Chant(Rng& rng, Stereo& loop, const std::vector<std::pair<float, float>>& notes, float beat, int voices, float gain,
           float pan) {
    float t = 0;
    while (t < kLoopSeconds - 0.05f) {
        for (const auto& [hz, beats] : notes) {
            const float len = beats * beat;
            if (t >= kLoopSeconds) break;
            if (hz > 0) {
                Mono v = CrowdVowel(rng, len * 0.95f, voices, hz, hz * 0.98f, (static_cast<int>(hz) / 7) % 4, 0.04f, 0.12f);
                Place(loop, v, Samples(t), gain, pan, true);
            }
            t += len;
        }
    }
}

Stereo Kick(Rng& rng, float hz0, float hz1, float decay, float slap, float crack) {
    Mono body = Thump(rng, hz0, hz1, decay, slap);
    Mono leather = NoiseBurst(rng, 0.05f, 900, 5000, 0.001f, 0.03f);
    for (size_t i = 0; i < leather.size() && i < body.size(); ++i) body[i] += leather[i] * crack;
    return InRoom(ToStereo(body, 0.0f), kGround, 0.04f);
}

Stereo Reaction(Rng& rng, float seconds, float peak, float rise, float hold, int vowel, float hz0, float hz1, float baseHz,
                bool applause) {
    const size_t n = Samples(seconds);
    Mono level(n);
    for (size_t i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float v = t < rise ? 0.5f - 0.5f * std::cos(kPi * t / rise)
                        : t < rise + hold ? 1.0f
                                          : std::exp(-(t - rise - hold) * 3.0f / std::max(0.2f, seconds - rise - hold));
        level[i] = v * peak;
    }
    Stereo s = CrowdRoar(rng, level, baseHz);
    Mono voice = CrowdVowel(rng, seconds * 0.85f, 40, hz0, hz1, vowel, rise * 0.8f, seconds * 0.4f);
    Place(s, voice, 0, 0.55f, 0.0f);
    if (applause) Place(s, Applause(rng, n, 150, level, false), Samples(0.3f), 0.45f);
    return InRoom(std::move(s), kGround, 0.6f);
}

}  // namespace

std::vector<Built> MatchDaySounds() {
    Rng rng(0x4D415443u);
    std::vector<Built> out;
    const size_t n = MatchLoopN();
    {  // a murmur with shouts
        Stereo s = CrowdBed(rng, 0.3f, 0.2f, 480, 40);
        Shouts(rng, s, 7, 180, 330, 0.35f);
        out.push_back(MatchLoop("loop 02.wav", std::move(s)));
    }
    {  // a chanting end
        Stereo s = CrowdBed(rng, 0.32f, 0.15f, 500, 20);
        Chant(rng, s, {{294, 1}, {247, 1}, {294, 1}, {247, 1}, {330, 0.5f}, {294, 0.5f}, {247, 2}, {0, 1}}, 0.3571f, 30, 0.5f,
              -0.4f);
        out.push_back(MatchLoop("loop 09.wav", std::move(s)));
    }
    {  // drums and clapping
        Stereo s = CrowdBed(rng, 0.28f, 0.1f, 460, 20);
        const float beat = kLoopSeconds / 20;  // 120 a minute, whole beats round the loop
        for (int b = 0; b < 20; ++b) {
            Mono drum = Thump(rng, 95, 60, 0.28f, 0.5f);
            Place(s, drum, Samples(b * beat), b % 4 == 0 ? 0.9f : 0.6f, 0.5f, true);
            Mono dens(Samples(0.08f), 1.0f);
            if (b % 2 == 1) Place(s, Applause(rng, dens.size(), 900, dens, false), Samples(b * beat), 0.7f, true);
        }
        out.push_back(MatchLoop("loop 10.wav", std::move(s)));
    }
    {  // whistles from the stands
        Stereo s = CrowdBed(rng, 0.38f, 0.2f, 520, 30);
        for (int k = 0; k < 9; ++k) {
            Mono w = Whistle(rng, rng.Range(1800, 3200), {rng.Range(0.3f, 0.9f)}, 0.0f);
            Place(s, w, static_cast<size_t>(rng.Uniform() * static_cast<float>(n)), 0.18f, rng.Range(-0.9f, 0.9f), true);
        }
        out.push_back(MatchLoop("loop 19.wav", std::move(s)));
    }
    {  // singing that swells
        Stereo s = CrowdBed(rng, 0.25f, 0.1f, 470, 16);
        Mono swell = LoopSwell(n, 1, 0.3f, 1.0f);
        Stereo song(n);
        Chant(rng, song, {{262, 2}, {330, 2}, {392, 3}, {330, 1}, {294, 2}, {262, 2}}, 0.2778f, 40, 0.6f, 0.2f);
        for (size_t i = 0; i < n; ++i) {
            song.l[i] *= swell[i];
            song.r[i] *= swell[i];
        }
        Place(s, song, 0, 1.0f);
        out.push_back(MatchLoop("loop 25.wav", std::move(s)));
    }
    {  // a tense hush
        Stereo s = CrowdBed(rng, 0.12f, 0.06f, 380, 26);
        Shouts(rng, s, 2, 160, 220, 0.12f);
        out.push_back(MatchLoop("loop 35.wav", std::move(s)));
    }
    {  // a loud away end
        Stereo s = CrowdBed(rng, 0.6f, 0.25f, 560, 30);
        Chant(rng, s, {{220, 1}, {220, 1}, {262, 2}, {220, 1}, {196, 1}, {220, 2}}, 0.3125f, 44, 0.6f, 0.6f);
        out.push_back(MatchLoop("loop 36.wav", std::move(s)));
    }
    out.push_back(MatchShot("kick 15.wav", Kick(rng, 170, 110, 0.09f, 0.35f, 0.25f)));
    out.push_back(MatchShot("kick 12.wav", Kick(rng, 140, 70, 0.14f, 0.7f, 0.6f)));
    out.push_back(MatchShot("kick 28.wav", Kick(rng, 120, 60, 0.14f, 0.55f, 0.4f)));
    out.push_back(MatchShot("whistle 04.wav", InRoom(ToStereo(Whistle(rng, 2950, {0.5f}, 0.0f), 0.0f), kGround, 0.15f)));
    out.push_back(MatchShot("reaction 09.wav", Reaction(rng, 1.9f, 0.6f, 0.35f, 0.4f, 4, 240, 160, 420, false)));
    out.push_back(MatchShot("reaction 10.wav", Reaction(rng, 2.0f, 0.7f, 0.3f, 0.5f, 4, 260, 170, 430, false)));
    out.push_back(MatchShot("reaction 11.wav", Reaction(rng, 1.6f, 0.55f, 0.25f, 0.3f, 2, 230, 180, 410, false)));
    out.push_back(MatchShot("reaction 08.wav", Reaction(rng, 3.6f, 1.0f, 0.3f, 1.6f, 0, 270, 300, 520, true)));
    out.push_back(MatchShot("reaction 15.wav", Reaction(rng, 4.2f, 1.0f, 0.4f, 2.0f, 0, 280, 310, 540, true)));
    out.push_back(MatchShot("reaction 16.wav", Reaction(rng, 3.2f, 0.95f, 0.25f, 1.4f, 1, 290, 260, 500, true)));
    return out;
}

}  // namespace synth
