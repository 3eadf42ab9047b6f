// Each page's background soundscape: the set's loop, and a spot effect at
// random intervals on the page's one-second timer. The set stays loaded and
// looping across pages that share it.
#include <array>
#include <chrono>
#include <thread>
#include <utility>

#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/ambient.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "soccerclasses/globals.h"

int g_nAmbientSet = 0;

namespace {

struct AmbientSet {
    const char* files[4];
};

const AmbientSet kSets[kAmbientSetCount] = {
    {{"SND\\AMB\\INTRO\\loop.wav", "SND\\AMB\\INTRO\\spot1.wav", "SND\\AMB\\INTRO\\spot2.wav",
      "SND\\AMB\\INTRO\\spot3.wav"}},
    {{"SND\\AMB\\MANAGER\\loop.wav", "SND\\AMB\\MANAGER\\spot1.wav", "SND\\AMB\\MANAGER\\spot2.wav",
      "SND\\AMB\\MANAGER\\spot3.wav"}},
    {{"SND\\AMB\\SQUAD\\loop.wav", "SND\\AMB\\SQUAD\\spot1.wav", "SND\\AMB\\SQUAD\\spot2.wav",
      "SND\\AMB\\SQUAD\\spot3.wav"}},
    {{"SND\\AMB\\CLUB\\loop.wav", "SND\\AMB\\CLUB\\spot1.wav", "SND\\AMB\\CLUB\\spot2.wav",
      "SND\\AMB\\CLUB\\spot3.wav"}},
    {{"SND\\AMB\\PLAYER\\loop.wav", "SND\\AMB\\PLAYER\\spot1.wav", "SND\\AMB\\PLAYER\\spot2.wav",
      "SND\\AMB\\PLAYER\\spot3.wav"}},
    {{"SND\\AMB\\FINANCIAL\\loop.wav", "SND\\AMB\\FINANCIAL\\spot1.wav", "SND\\AMB\\FINANCIAL\\spot2.wav",
      "SND\\AMB\\FINANCIAL\\spot3.wav"}},
    {{"SND\\AMB\\MATCH\\loop.wav", "SND\\AMB\\MATCH\\spot1.wav", "SND\\AMB\\MATCH\\spot2.wav",
      "SND\\AMB\\MATCH\\spot3.wav"}},
    {{"SND\\AMB\\FIXTURES\\loop.wav", "SND\\AMB\\FIXTURES\\spot1.wav", "SND\\AMB\\FIXTURES\\spot2.wav",
      "SND\\AMB\\FIXTURES\\spot3.wav"}},
    {{"SND\\AMB\\INFO\\loop.wav", "SND\\AMB\\INFO\\spot1.wav", "SND\\AMB\\INFO\\spot2.wav",
      "SND\\AMB\\INFO\\spot3.wav"}},
    {{"SND\\AMB\\NEWS\\office loop.wav", "SND\\AMB\\NEWS\\telephone ringing.wav", "SND\\AMB\\NEWS\\dialing.wav",
      "SND\\AMB\\NEWS\\printing.wav"}},
    {{"SND\\AMB\\DISCIPLINE\\loop.wav", "SND\\AMB\\DISCIPLINE\\spot1.wav", "SND\\AMB\\DISCIPLINE\\spot2.wav",
      "SND\\AMB\\DISCIPLINE\\spot3.wav"}},
};

constexpr int kSpotDelays[8] = {5, 12, 18, 30, 3, 25, 2, 8};

// The page-to-set map as pairs of (page + 1, set), 120 of them; the pairs
// behind the last entry stay (0, 0). Page 114 appears twice, first with
// INTRO; the first pair wins, so its MATCH pair is never reached.
constexpr int kMapSize = 120;
using PagePair = std::pair<int, int>;

constexpr std::array<PagePair, kMapSize> MakeMap() {
    constexpr int pages[][10] = {
        {6, 59, 61, 90, 96, 97, 98, 108, 114, -1},  // 1 INTRO
        {8, 45, 70, 95, 99, 116, -1},               // 2 MANAGER
        {4, 26, 35, 36, 40, 53, 94, 100, -1},       // 3 SQUAD
        {9, 34, 39, 71, 72, 101, 109, 110, -1},     // 4 CLUB
        {22, 37, 47, 60, 93, 102, 117, -1},         // 5 PLAYER
        {7, 21, 24, 25, 38, 62, 89, 103, 113, -1},  // 6 FINANCIAL
        {11, 31, 64, 111, 112, 114, -1},            // 7 MATCH
        {1, 2, 16, 17, 18, 73, 75, 104, -1},        // 8 FIXTURES
        {28, 32, 33, 42, 49, 77, 78, 105, -1},      // 9 INFO
        {10, 13, 86, 106, -1},                      // 10 NEWS
        {43, 84, 87, 88, 107, -1},                  // 11 DISCIPLINE
    };
    std::array<PagePair, kMapSize> map{};
    int n = 0;
    for (int set = 0; set < kAmbientSetCount; ++set)
        for (int i = 0; pages[set][i] >= 0; ++i) map[n++] = {pages[set][i] + 1, set + 1};
    return map;
}

constexpr std::array<PagePair, kMapSize> kPageMap = MakeMap();

// Blocks for the set change, on the layer's clock: the headless backend's
// virtual clock moves on instead of the test sleeping.
void WaitBlocking(uint64_t ms) {
    platform::win::Ui& ui = platform::win::Ui::Get();
    const uint64_t start = platform::win::MonotonicMs();
    const uint64_t end = start + ms;
    while (platform::win::MonotonicMs() < end) {
        const uint64_t before = platform::win::MonotonicMs();
        if (ui.Started())
            ui.GetBackend().Wait(end);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(end - before));
        if (platform::win::MonotonicMs() == before) {
            // Input waiting makes a real backend return at once; a short
            // sleep lets its clock move. A virtual clock held by a scripted
            // step does not move at all, and waiting on would never end.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (platform::win::MonotonicMs() == before) break;
        }
    }
}

}  // namespace

int AmbientSetForPage(int page) {
    for (const PagePair& p : kPageMap)
        if (p.first == page + 1) return p.second;
    return 0;
}

const char* AmbientFile(int set, int index) {
    if (set < 1 || set > kAmbientSetCount || index < 0 || index > 3) return nullptr;
    return kSets[set - 1].files[index];
}

int AmbientSpotDelay(int index) {
    return kSpotDelays[index & 7];
}

bool AmbientAllowed(int set) {
    return g_bAmbient && (set != kAmbientMatchSet || g_bMusicon);
}

void CScreen::StartAmbientSound() {
    m_nAmbientCountdown = 0;
    const int set = AmbientSetForPage(g_nCurrentScreen);
    if (set == 0) return;
    // A sound engine ended and started again has let the set go.
    const bool setLost = IsSoundRunning() && !GetSample(kAmbientLoopSlot);
    if (set != g_nAmbientSet || setLost) {
        const uint8_t paused = m_bAmbientPaused;
        m_bAmbientPaused = 0;
        StopAllSamples();
        WaitBlocking(kAmbientChangeWaitMs);
        for (int i = 0; i < 4; ++i) LoadSample(kAmbientLoopSlot + i, AmbientFile(set, i));
        g_nAmbientSet = set;
        if (AmbientAllowed(set)) PlaySample(kAmbientLoopSlot, 1);
        m_bAmbientPaused = paused;
    }
    if (m_nAmbientTimer) KillTimer(m_nAmbientTimer);
    m_nAmbientTimer = SetTimer(kAmbientTimerId, kAmbientTimerMs);
    if (!m_nAmbientTimer) platform::Trace("CScreen: no timer for the ambient sound\n");
}

void CScreen::OnTimerTick(uint32_t id) {
    if (id == 0 || id != m_nAmbientTimer || m_bAmbientPaused) return;
    if (m_nAmbientCountdown > 0) {
        --m_nAmbientCountdown;
        return;
    }
    m_nAmbientCountdown = AmbientSpotDelay(RandomByte(32) & 7);
    if (AmbientAllowed(g_nAmbientSet)) PlaySample(kAmbientFirstSpotSlot + RandomByte(3), 0);
}

void CScreen::PauseAmbientSound() {
    m_bAmbientPaused = 1;
    if (AmbientAllowed(g_nAmbientSet)) StopSample(kAmbientLoopSlot);
}

void CScreen::ResumeAmbientSound() {
    m_bAmbientPaused = 0;
    if (AmbientAllowed(g_nAmbientSet)) PlaySample(kAmbientLoopSlot, 1);
}
