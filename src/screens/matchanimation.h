#pragma once
// What the match-day page shows for the engine's events: each event number
// turned into its sequence of clips (with the penalty choice and the injury
// flag it raises), the final whistle's clips, and the two crowd loops'
// volume following the crowd levels. The match page queues the clips on
// its player and keeps the flags.
#include <vector>

#include "shell/flcplayer.h"

struct MatchEventAnimation {
    std::vector<FlcQueueEntry> clips;  // in queue order, at most eight
    // A human side's penalty: the page lets the user choose the taker.
    bool penaltyPending = false;
    int penaltySide = 0;     // 0 home, 1 away
    int penaltyOutcome = 0;  // 0 scored, 1 saved, 2 missed
    int injury = -1;         // 1 set the injury-pending flag, 0 clear it, -1 leave it
};

// The clips of event `event` (the engine's current event number). The
// human flags are the two sides' manager kinds; from half time on
// (`endsSwapped`) every clip is its end-swap partner, side flags unchanged.
// Draws with RandomByte in the order the clips are chosen.
MatchEventAnimation BuildEventAnimation(int event, bool homeHuman, bool awayHuman, bool endsSwapped);

// One clip drawn with RandomByte from candidate list `list` (1 to 87, the
// shoot-out's 25 to 27 included); -1 for a list that does not exist.
int DrawEventListClip(int list);
// Candidate list `list` (1-87) of the event table; empty for a number the
// table leaves unused or outside it.
const std::vector<int>& EventClipList(int list);

// The final whistle and the handshakes, never mirrored.
std::vector<FlcQueueEntry> FinalWhistleClips();

// The filler group drawn last: it lives for the whole run of the program
// (two fillers in a row never come from one group); -1 before the first.
int LastFillerGroup();
void ResetLastFillerGroup();

// The sample slots of the two crowd loops (the home end panned left, the
// away end right) and the attenuation, in hundredths of a decibel, of each
// crowd level 0..20.
inline constexpr int kHomeCrowdSlot = 20, kAwayCrowdSlot = 21;
int CrowdLevelVolume(int level);

// Sets the loops' volumes for the two crowd levels, each only when it
// differs from the level last applied in this run of the program.
void ApplyCrowdLevels(int homeLevel, int awayLevel);
// The levels last applied (-1 before the first), and their reset for tests.
int LastAppliedCrowdLevel(int side);
void ResetAppliedCrowdLevels();
