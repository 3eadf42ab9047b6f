// The clips of the match's events and its closing whistle, and the crowd's
// volume. The event sequences and the crowd loops come with the match
// animations; until then every event shows one filler clip and the crowd
// is silent.
#include "soccerclasses/globals.h"
#include "platform/trace.h"
#include "screens/highscreen.h"

namespace {

// The filler groups: two clips each, with the side they are shown for.
struct HsFillerGroup {
    int clips[2];
    int side;
};
constexpr HsFillerGroup kHsFillers[10] = {{{29, 30}, 1}, {{31, 32}, 0}, {{33, 34}, 1}, {{35, 36}, 0}, {{37, 38}, 1},
                                          {{39, 40}, 0}, {{41, 42}, 1}, {{43, 44}, 0}, {{45, 46}, 1}, {{47, 48}, 0}};
int g_nHsLastFiller = -1;

}  // namespace

void CHighScreen::QueueEventAnimation(int event) {
    platform::TraceF("-Current Event Number- %d\n", event);
    // A filler group that differs from the last one shown.
    int group = 0;
    do {
        group = RandomByte(11);
    } while (group == g_nHsLastFiller);
    g_nHsLastFiller = group;
    HsFillerGroup g = group < 10 ? kHsFillers[group] : HsFillerGroup{{15, 16}, 1};
    if (group == 10 && RandomByte(2) == 1) g = {{17, 18}, 0};
    PushFlcEvent(g.clips[RandomByte(2)], g.side);
}

void CHighScreen::QueueFinalWhistle() {
    m_bFinalWhistle = 1;
    PushFlcEvent(394, 0);
    PushFlcEvent(11, 0);
}

void CHighScreen::UpdateCrowdVolume() {}
