#include "support/scripted_match_driver.h"

#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"

namespace testsupport {

void ScriptedMatchDriver::Open(CMatchPlay&) { ++opened; }

bool ScriptedMatchDriver::PumpOne(CMatchPlay& e) {
    ++messages;
    if (quitAfter >= 0 && messages > quitAfter) return false;
    if (!e.HasKickedOff()) {
        e.KickOff();
        return true;
    }
    if (e.GetPendingPenaltySide() >= 0) {
        e.TakeHumanPenalty(e.GetPendingPenaltySide(), penaltyTaker);
        return true;
    }
    if (!e.HasEnded() && !e.IsHalfTime() && onMinute) onMinute(e);
    if (e.HasEnded()) {
        if (e.IsShootoutDue()) {
            for (int k : kickers) e.AddShootoutKicker(k);
            e.PlayShootoutAtOnce();
        }
        e.SetState(CMatchPlay::kLeft);
        return true;
    }
    if (e.IsHalfTime()) {
        if (e.GetState() == CMatchPlay::kNinetyOver && e.WentToExtraTime()) e.SetState(CMatchPlay::kExtraTime);
        ++breaks;
        e.StartNextPeriod();
        return true;
    }
    e.PlayMinute();
    ++minutesPlayed;
    statesSeen.push_back(e.GetState());
    minutesSeen.push_back(e.GetMinute());
    return true;
}

}  // namespace testsupport
