// A computer manager's choice of the player to take off during a match.
#include <algorithm>

#include "soccerclasses/club.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

int ChooseOff(const CClub& club, int position) {
    CWorldData* w = GetWorldData();
    if (!w) return -1;
    CMatchVars& mv = *w->GetMatchVars();
    const int side = mv.GetHomeClub() == &club ? 0 : mv.GetAwayClub() == &club ? 1 : -1;
    if (side < 0) return -1;
    const CSubstitutionVars& subs = *w->GetSubstitutionVars();
    const int minute = w->GetMatchPlay() ? w->GetMatchPlay()->GetMinute() : 0;
    int best = -1, lowest = 1000;
    for (int s = 1; s <= 10; ++s) {
        const CPlayer* p = club.GetPlayer(s);
        if (!p || !p->CanPlay() || p->GetPosition() == 0) continue;
        if (position >= 0 && p->GetPosition() != position) continue;
        bool cameOn = false;
        for (int i = 0; i < 10; ++i) cameOn = cameOn || subs.GetPlayerOn(i) == club.GetPlayerId(s);
        if (cameOn) continue;
        const int value = mv.GetPerformanceList(side).GetMinuteByte(s, std::min(minute, 129));
        if (value <= lowest) {
            lowest = value;
            best = s;
        }
    }
    return best;
}

}  // namespace

int CClub::ChoosePlayerToTakeOff(int n) const {
    (void)n;
    return ChooseOff(*this, -1);
}

int CClub::ChoosePlayerToTakeOffByPosition(int n, int position) const {
    (void)n;
    return ChooseOff(*this, position);
}
