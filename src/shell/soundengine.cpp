#include "shell/soundengine.h"

#include <array>

#include "platform/files.h"
#include "platform/trace.h"

// The option bytes; the view reads them from the profile.
uint8_t g_bFade = 1;
uint8_t g_bAmbient = 1;
uint8_t g_bMusicon = 1;
uint8_t g_bSfx = 1;

namespace {

enum class EngineState { NotStarted, Running, Failed };

EngineState g_state = EngineState::NotStarted;
std::array<std::unique_ptr<SampleRecord>, kSampleSlots> g_slots;

bool Running() {
    return g_state == EngineState::Running;
}

bool ValidSlot(int slot, const char* what) {
    if (slot >= 0 && slot < kSampleSlots) return true;
    platform::TraceF("Sound: %s ignored, no slot %d\n", what, slot);
    return false;
}

// Reads the file through the data-path lookup. A missing file is an open
// failure like any other: sounds are optional, so it never ends the game.
uint32_t LoadWaveFile(SampleRecord& rec) {
    auto path = platform::FindGameFile(rec.fileName);
    if (!path) return platform::kWaveCannotOpen;
    platform::WaveFile wave = platform::ReadWaveFile(*path);
    if (wave.error != platform::kWaveOk) return wave.error;
    rec.format = std::move(wave.format);
    rec.waveData = std::move(wave.data);
    rec.dataSize = static_cast<uint32_t>(rec.waveData.size());
    return platform::kWaveOk;
}

bool CreateSampleBuffer(SampleRecord& rec) {
    rec.buffer = platform::Voice::Create(rec.format, rec.waveData);
    if (!rec.buffer) return false;
    rec.buffer->SetVolume(0);
    rec.buffer->SetPan(0);
    rec.inHardware = 0;
    return true;
}

}  // namespace

int StartDirectSound() {
    for (auto& s : g_slots) s.reset();
    g_state = EngineState::NotStarted;
    platform::Trace("Starting Direct Sound\n");
    if (!platform::OpenAudio()) {
        platform::Trace("Failed to Initialize DirectSound object");
        g_state = EngineState::Failed;
        return -1;
    }
    g_state = EngineState::Running;
    return 0;
}

void EndDirectSound() {
    platform::Trace("Ending Direct Sound\n");
    if (!Running()) return;
    // Stops whatever "Sfx" says, so a loop started before it was switched
    // off cannot outlive the engine.
    for (auto& s : g_slots)
        if (s && s->buffer) s->buffer->Stop();
    for (auto& s : g_slots) s.reset();
    platform::CloseAudio();
    g_state = EngineState::NotStarted;
}

void LoadSample(int slot, const char* path) {
    if (!Running() || !ValidSlot(slot, "load")) return;
    if (g_slots[slot]) FreeSample(slot);
    auto rec = std::make_unique<SampleRecord>();
    rec->fileName = path ? path : "";
    uint32_t err = LoadWaveFile(*rec);
    if (err != platform::kWaveOk) {
        platform::TraceF("Sound file %s: error 0x%X\n", rec->fileName.c_str(), err);
        platform::Trace("Bad wave file or file too big to fit in memory");
        return;
    }
    if (!CreateSampleBuffer(*rec)) {
        platform::TraceF("Sound file %s cannot be played\n", rec->fileName.c_str());
        platform::Trace("Cannot create new buffer");
        return;
    }
    rec->loaded = 1;
    rec->rate = rec->format.samplesPerSec;
    rec->pan = 400;
    rec->volume = 400;
    rec->buffer->SetVolume(0);
    if (g_bSfx) {
        rec->buffer->SetFrequency(rec->rate);
        rec->buffer->SetPan(0);
    }
    g_slots[slot] = std::move(rec);
}

int32_t PlaySample(int slot, int loop) {
    if (!g_bSfx || !Running() || !ValidSlot(slot, "play")) return 0;
    SampleRecord* rec = g_slots[slot].get();
    if (!rec) {
        platform::TraceF("-------- Cannot play sample %d as its not loaded --------\n", slot);
        return 0;
    }
    rec->loop = loop;
    if (rec->buffer->IsPlaying()) {
        // A restart rewinds the one voice; the loop setting stays as it was.
        rec->buffer->SetPosition(0);
        return 0;
    }
    rec->buffer->SetPosition(0);
    rec->buffer->Play(loop != 0);
    rec->playing = 1;
    return 0;
}

int32_t StopSample(int slot) {
    if (!Running() || !ValidSlot(slot, "stop")) return 0;
    SampleRecord* rec = g_slots[slot].get();
    if (!rec) {
        platform::TraceF("-------- Cannot stop sample %d as its not loaded --------\n", slot);
        return 0;
    }
    if (rec->playing || rec->buffer->IsPlaying()) {
        rec->buffer->Stop();
        rec->playing = 0;
    }
    return 0;
}

int32_t StopAllSamples() {
    if (!Running()) return 0;
    for (int i = 0; i < kSampleSlots; ++i)
        if (g_slots[i]) StopSample(i);
    return 0;
}

int32_t FreeSample(int slot) {
    if (!Running() || !ValidSlot(slot, "free")) return 0;
    g_slots[slot].reset();
    return 0;
}

void SetSamplePan(int slot, long pan) {
    if (!g_bSfx || !Running() || !ValidSlot(slot, "pan") || !g_slots[slot]) return;
    g_slots[slot]->buffer->SetPan(pan);
}

void SetSampleVolume(int slot, long volume) {
    if (!g_bSfx || !Running() || !ValidSlot(slot, "volume") || !g_slots[slot]) return;
    g_slots[slot]->buffer->SetVolume(volume);
}

const SampleRecord* GetSample(int slot) {
    if (slot < 0 || slot >= kSampleSlots) return nullptr;
    return g_slots[slot].get();
}

bool IsSampleSounding(int slot) {
    const SampleRecord* rec = GetSample(slot);
    return rec && rec->buffer->IsPlaying();
}

bool IsSoundRunning() {
    return Running();
}
