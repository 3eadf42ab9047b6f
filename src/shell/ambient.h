#pragma once
// The pages' soundscapes: eleven sets of a loop and three spot effects under
// "SND\AMB", chosen by the page on display. Slot 28 holds the loop, slots
// 29-31 the spots (see soundengine.h).
#include <cstdint>

inline constexpr int kAmbientSetCount = 11;
inline constexpr int kAmbientMatchSet = 7;
inline constexpr int kAmbientLoopSlot = 28;
inline constexpr int kAmbientFirstSpotSlot = 29;
inline constexpr uint32_t kAmbientTimerId = 4;
inline constexpr uint32_t kAmbientTimerMs = 1000;
// How long a change of set waits, blocking, between stopping the old sounds
// and loading the new ones.
inline constexpr uint64_t kAmbientChangeWaitMs = 501;

// The set playing now; 0 before the first.
extern int g_nAmbientSet;

// The set of a page, 1..11, or 0 when the page has none. The map holds 120
// (page + 1, set) pairs searched from the first; the first match counts.
int AmbientSetForPage(int page);
// The four files of a set: the loop, then the three spots.
const char* AmbientFile(int set, int index);
// The seconds a spot waits, by RandomByte(32) & 7.
int AmbientSpotDelay(int index);
// Whether the options let a set sound: "Ambient", and for the MATCH set
// also "Musicon".
bool AmbientAllowed(int set);
