#include "platform/random.h"

#include <ctime>
#include <deque>
#include <unordered_set>

namespace platform {
namespace {

uint32_t g_state = 1;
uint32_t g_lastSeed = 1;
std::function<int64_t()> g_clock;
uint32_t g_counter = 0;
std::unordered_set<uint32_t> g_usedSeeds;
std::deque<int> g_script;

int64_t ClockSeconds() { return g_clock ? g_clock() : static_cast<int64_t>(std::time(nullptr)); }

}  // namespace

int Rand() {
    if (!g_script.empty()) {
        const int v = g_script.front();
        g_script.pop_front();
        return v;
    }
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

void SeedRandom(uint32_t seed) {
    g_state = seed;
    g_lastSeed = seed;
}

void SeedRandomFromTime() {
    uint32_t seed = static_cast<uint32_t>(ClockSeconds()) + 0x9E3779B9u * ++g_counter;
    // A run seeds a few thousand times at most; remembering them all makes
    // the "never twice" promise exact rather than probable.
    while (!g_usedSeeds.insert(seed).second) ++seed;
    SeedRandom(seed);
}

uint32_t LastRandomSeed() { return g_lastSeed; }

void SetRandomClock(std::function<int64_t()> clock) {
    g_clock = std::move(clock);
    g_counter = 0;
    g_usedSeeds.clear();
}

uint32_t RandomState() { return g_state; }
void SetRandomState(uint32_t state) { g_state = state; }

}  // namespace platform

namespace platform {

ScopedRandomScript::ScopedRandomScript(std::initializer_list<int> values) {
    for (int v : values) Push(v);
}

ScopedRandomScript::~ScopedRandomScript() { ClearRandomScript(); }

void ScopedRandomScript::Push(int value) { g_script.push_back(value < 0 ? 0 : value > kRandMax ? kRandMax : value); }

int ScopedRandomScript::Pending() const { return static_cast<int>(g_script.size()); }

void ClearRandomScript() { g_script.clear(); }

}  // namespace platform
