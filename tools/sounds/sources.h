#pragma once
// The sound sources the game's sounds are built from: struck objects, noise
// gestures, whistles and bells, voices and crowds.
#include "synth.h"

namespace synth {

// A struck object: a short bright impact over a resonant body.
Mono Click(Rng& rng, float bodyHz, float brightHz, float decay, float bodyMix = 0.6f);
Mono WoodKnock(Rng& rng, float hz, float decay = 0.12f);
Mono MetalClang(Rng& rng, float hz, float decay);
Mono SmallBell(Rng& rng, float hz, float decay);
Mono Ceramic(Rng& rng, float hz, float decay);
// A low thump whose pitch drops from hz0 to hz1.
Mono Thump(Rng& rng, float hz0, float hz1, float decay, float slap = 0.3f);
// Noise shaped by a band and an attack/decay envelope.
Mono NoiseBurst(Rng& rng, float seconds, float lowHz, float highHz, float attack, float decay);
// Band-passed noise whose centre moves from hz0 to hz1 (a swoosh).
Mono Swoosh(Rng& rng, float seconds, float hz0, float hz1, float q);
// A pea whistle at hz with its warble; blasts of the given lengths and gaps.
Mono Whistle(Rng& rng, float hz, const std::vector<float>& blasts, float gap);
// A bird call: a few chirps sweeping between two frequencies.
Mono Birdsong(Rng& rng, float hzLo, float hzHi, int chirps);
// Sine pairs (telephone tones) for a duration, with soft edges.
Mono Tones(float hzA, float hzB, float seconds);
// A wooden stick-slip creak.
Mono Creak(Rng& rng, float seconds, float rate0, float rate1);
// Talk: `voices` formant voices over n samples, each with its own syllables
// and pauses; spread across the stereo field.
Stereo Babble(Rng& rng, size_t n, int voices, float pitchLo, float pitchHi,
              float syllablesPerSecond, float talkiness);
// A crowd singing one vowel on a pitch glide: many slightly different voices.
Mono CrowdVowel(Rng& rng, float seconds, int voices, float hz0, float hz1, int vowel, float attack,
                float release);
// Broadband crowd roar whose brightness follows its loudness; `level` (0..1)
// is the intensity curve, one value per sample.
Stereo CrowdRoar(Rng& rng, const Mono& level, float baseHz);
// Applause: `rate` claps a second (following `density` 0..1), spread in stereo.
Stereo Applause(Rng& rng, size_t n, float rate, const Mono& density, bool wrap);
// A keyboard key (mechanical, 1999).
Mono KeyClick(Rng& rng, bool space);

}  // namespace synth
