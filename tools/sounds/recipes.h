#pragma once
// The game's sounds, each a recipe over the synthesis kit.
#include <string>
#include <vector>

#include "sources.h"

namespace synth {

// Loops are this long, and their beds are rendered this much longer to
// crossfade their end into their start.
constexpr float kLoopSeconds = 10.0f;
constexpr float kLoopFade = 2.0f;

struct Built {
    std::string path;  // game path, "SND\\GEN\\buttonpress.wav"
    Stereo sound;
    bool loop = false;
};

// Finishing.
Stereo ToStereo(const Mono& m, float pan = 0.0f);
// Adds a reverb tail of `tail` seconds.
Stereo InRoom(Stereo x, const RoomSettings& room, float tail);
// A one-shot: no DC, silence trimmed, soft edges, peak at `peakDb`.
Stereo FinishShot(Stereo x, float peakDb);
// A loop: no DC (circular), peak at `peakDb`; its end already meets its start.
Stereo FinishLoop(Stereo x, float peakDb);

// A marimba-like bar; a sheet of paper turned over.
Mono Bar(Rng& rng, float hz, float decay);
Stereo PageTurn(Rng& rng, float seconds);

std::vector<Built> InterfaceSounds();
std::vector<Built> AmbientSounds();
std::vector<Built> MatchDaySounds();

}  // namespace synth
