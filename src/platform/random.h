#pragma once
// The C runtime's random generator as the game was balanced against:
// RAND_MAX 32767, state = state * 214013 + 2531011, result = (state >> 16) & 0x7FFF.
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace platform {

constexpr int kRandMax = 32767;

// The next value, 0 to 32767.
int Rand();

// Exactly srand(n).
void SeedRandom(uint32_t seed);

// Seeds from the clock, mixed with a call counter so that two calls within
// the same second (many day steps run in one second) never share a seed.
void SeedRandomFromTime();

// The seed most recently given to the generator.
uint32_t LastRandomSeed();

// The clock SeedRandomFromTime reads, in seconds. An empty function restores
// the real clock. Setting a clock also restarts the seed history, so a fixed
// clock gives the same sequence of seeds on every run.
void SetRandomClock(std::function<int64_t()> clock);

// The raw generator state, for code that must save and restore it.
uint32_t RandomState();
void SetRandomState(uint32_t state);

// Tests script the generator's raw values: while a script is installed,
// Rand() hands out its queued values (each 0 to 32767) first, in order,
// without moving the state. The queue empties when the scope ends and when
// ClearRandomScript() runs.
class ScopedRandomScript {
public:
    ScopedRandomScript(std::initializer_list<int> values = {});
    ~ScopedRandomScript();
    ScopedRandomScript(const ScopedRandomScript&) = delete;
    ScopedRandomScript& operator=(const ScopedRandomScript&) = delete;
    void Push(int value);
    // Values still queued.
    int Pending() const;
};
void ClearRandomScript();

}  // namespace platform
