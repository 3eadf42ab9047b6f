#pragma once
// The game's sound engine: 40 numbered sample slots, each one WAVE file on
// one voice of the platform's mixer. Slots 0-19 hold the interface sounds,
// 20-27 the match sounds, 28-31 the ambient set of the page on display.
// Every failure is a trace line; the user is never told, and a game whose
// sound cannot start runs silent.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/audio.h"
#include "platform/sound/wave.h"

constexpr int kSampleSlots = 40;

// The interface sounds of slots 0-19, each "SND\\GEN\\<name>.wav".
inline constexpr const char* kInterfaceSampleNames[20] = {
    "buttonpress",      "buttondispress",    "toolpress",         "tooldispress",
    "toolmouseover",    "editincreasepress", "editdecreasepress", "treeitemselect",
    "treeexpand",       "treecollapse",      "treescroll",        "listitemselect",
    "listcolumnselect", "listscroll",        "rightmousebutton",  "radiopress",
    "checkboxtrue",     "standover",         "standselect",       "pageturn",
};

// The sound options of the profile's "Options" section, read by the view.
// "Sfx" gates every play, pan and volume request; "Ambient" and "Musicon"
// are read by the ambient sound.
extern uint8_t g_bSfx;
extern uint8_t g_bAmbient;
extern uint8_t g_bMusicon;
extern uint8_t g_bFade;

// One loaded sample.
struct SampleRecord {
    std::vector<uint8_t> waveData;
    uint32_t dataSize = 0;
    platform::WaveFormat format;
    uint32_t rate = 0;
    int32_t pan = 400;     // 400 = centre
    int32_t volume = 400;  // 400 = full
    int32_t loop = 0;      // the loop argument of the last play
    int32_t playing = 0;   // set by play, cleared by stop
    int32_t inHardware = 0;
    int32_t sticky = 0;
    std::unique_ptr<platform::Voice> buffer;
    int32_t loaded = 0;
    std::string fileName;  // the game path given to the load
};

// 0 when sound runs, -1 when it cannot (no audio device); after a failure
// every function of the engine returns at once for the rest of the run.
// The old engine took the main window for its device's focus; ours needs none.
int StartDirectSound();
// Stops and frees everything.
void EndDirectSound();
// Loads a WAVE file ("SND\\GEN\\buttonpress.wav") into a slot, replacing
// what it held. A file that cannot be read or played leaves the slot empty.
void LoadSample(int slot, const char* path);
// Plays from the start; a sample already playing is rewound, never doubled,
// and keeps its loop setting. 0 when fine or ignored.
int32_t PlaySample(int slot, int loop);
int32_t StopSample(int slot);
int32_t StopAllSamples();
int32_t FreeSample(int slot);
// In the mixer's units: pan -10000..10000, volume in hundredths of a dB.
void SetSamplePan(int slot, long pan);
void SetSampleVolume(int slot, long volume);

// The sample in a slot, or null when it is empty or the slot does not exist.
const SampleRecord* GetSample(int slot);
// Whether the slot's voice is sounding now.
bool IsSampleSounding(int slot);
// True between a successful start and the end.
bool IsSoundRunning();
