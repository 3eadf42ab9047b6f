#pragma once
// What a page keeps of the animation player: the clip on show, its palettes
// and frame, the queue of clips to come and the substitution and extra
// clips the match page asks for. The operations are the page's.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/surface.h"

class CMatchPlay;
struct FlcClipRow;

struct FlcQueueEntry {
    int32_t clip = 0;
    int32_t side = 0;  // 0 home, 1 away
};

// A substitution the match page asks to be shown: flag word (AND 1 the
// side, AND 2 the left-hand clips) and the position 0 goalkeeper,
// 1 defender, 2 midfielder, 3 attacker.
struct FlcPendingSubstitution {
    int32_t flags = 0;
    int32_t position = 0;
};

struct FlcPlayerState {
    static constexpr int kQueueSize = 80;
    static constexpr int kMaxPendingSubstitutions = 10;

    std::array<uint8_t, 1024> clipPalette{};  // blue, green, red, reserved, as read
    std::array<uint8_t, 1024> palette{};      // converted: what frames are drawn with
    std::vector<uint8_t> frame;               // width x height indexes
    int clip = -1;
    std::vector<uint8_t> file;  // the clip's bytes
    size_t offset = 0;          // the next frame header
    int width = 0, height = 0;
    int framesLeft = 0;
    int frameCounter = 0;  // frames shown so far
    uint8_t open = 0;
    std::array<FlcQueueEntry, kQueueSize> queue{};
    int readIndex = 0, writeIndex = 0;
    int side = 0;
    CMatchPlay* match = nullptr;
    const FlcClipRow* row = nullptr;
    size_t cue = 0;  // the next cue of the row
    int endColumn = -1, endRow = -1;
    uint8_t started = 0;
    uint8_t shot = 0;
    int kind = 0;
    std::vector<FlcPendingSubstitution> pending;
    uint8_t injury = 0;  // the next substitution clip is an injury's
    int extraClip = -1;
    int extraSide = -1;  // -1: the side comes from the engine
    std::unique_ptr<platform::gfx::Surface> backdrop;

    bool QueueEmpty() const { return readIndex == writeIndex; }
    int QueueCount() const { return (writeIndex - readIndex + kQueueSize) % kQueueSize; }
};
