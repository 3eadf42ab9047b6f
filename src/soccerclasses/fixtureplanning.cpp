// Goal planning: how many goals each side is to score and when, and the
// cards its aggression earns, written into the per-minute script.
#include <algorithm>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"

void CFixture::FillScriptFrom(uint8_t minute, CExtByteArray* script) {
    if (!script || minute >= script->GetSize() - 1) return;
    for (int i = minute + 1; i < script->GetSize(); ++i) script->SetAt(i, 0);
    SetGoalTargets(static_cast<uint8_t>(minute + 1), script);
    CMatchVars& mv = *GetWorldData()->GetMatchVars();
    // A computer side well ahead eases off.
    for (int s = 0; s < 2; ++s) {
        const CClub* club = mv.GetClub(s);
        const auto own = static_cast<size_t>(s), other = static_cast<size_t>(s ^ 1);
        if (club && !club->IsHumanManaged() && mv.m_GoalTargets[own] > 3 && mv.m_GoalTargets[other] < 1)
            mv.m_Aggression[own] = 0;
    }
    AddAggressionEvents(static_cast<uint8_t>(minute + 1), script);
}

void CFixture::SetGoalTargets(uint8_t fromMinute, CExtByteArray* script) {
    CMatchVars& mv = *GetWorldData()->GetMatchVars();
    auto H = [&](int k) { return static_cast<int>(m_Strengths[static_cast<size_t>(k)][0]); };
    auto A = [&](int k) { return static_cast<int>(m_Strengths[static_cast<size_t>(k)][1]); };
    enum { kKeeper, kDefence, kMidfield, kAttack };
    const int r1 = Random(3) + 1;
    int th = (std::min(H(kAttack), H(kMidfield)) - A(kDefence) / 2) / 10 + 1;
    if (r1 == 1 && mv.m_Reputation[0] > 80) ++th;
    if (r1 == 3 && mv.m_Reputation[0] < 30) --th;
    if (mv.m_TemperTotal[1] - mv.m_TemperTotal[0] > 29) --th;
    const int r2 = Random(5) + 1;
    int ta = (std::min(A(kAttack), A(kMidfield)) - H(kDefence) / 2) / 10;
    if (mv.m_TemperTotal[0] - mv.m_TemperTotal[1] > 29) ++ta;
    if (H(kDefence) == H(kMidfield) && H(kMidfield) == H(kAttack)) --ta;
    if (r2 == 1 && mv.m_Reputation[1] > 80) ++ta;
    if (r2 == 3 && mv.m_Reputation[1] < 30) --ta;
    if (H(kAttack) < 15) th >>= 1;
    if (A(kAttack) < 15) ta >>= 1;
    // Each side's passing as its starters play it: a human manager's own
    // instructions to a player stand in for the team's style.
    const auto played = [&](int s) {
        const CClub* c = mv.GetClub(s);
        const int team = mv.m_PassingStyle[size_t(s)];
        return static_cast<uint8_t>(c ? c->GetPlayedPassingStyle(team) : team);
    };
    th += GetTacticGoalTerm(0, played(0));
    ta += GetTacticGoalTerm(1, played(1));
    if (const CClub* c = mv.GetHomeClub()) th += c->CountStrongMidfielders();
    if (const CClub* c = mv.GetAwayClub()) ta += c->CountStrongMidfielders();
    // The rare twists of fate push a side's goals while the plan allows.
    auto& twist = mv.m_Twist;
    if (twist[0] == 1) {
        if (th < ta) th += Random(3);
        else twist[0] = 0;
    } else if (twist[0] == 2) {
        if (th > ta) th -= Random(3);
        else twist[0] = 0;
    }
    if (twist[1] == 1) {
        if (th > ta) ta += Random(3);
        else twist[1] = 0;
    } else if (twist[1] == 2) {
        if (th < ta) ta -= Random(3);
        else twist[1] = 0;
    }
    if (m_ExtraTime == 1) {
        th /= 3;
        ta /= 3;
    }
    mv.m_GoalTargets = {static_cast<int8_t>(th), static_cast<int8_t>(ta)};
    PlaceGoalsInScript(fromMinute, script);
}

namespace {

// A random quiet minute after `from`, when the draws allow one.
void PlaceCode(CExtByteArray& script, uint8_t from, uint8_t code) {
    const int p = script.RandomIndexOf(0);
    if (p > from) script.SetAt(p, code);
}

}  // namespace

void CFixture::PlaceGoalsInScript(uint8_t fromMinute, CExtByteArray* script) {
    if (!script || script->GetSize() == 0) return;
    const CMatchVars& mv = *GetWorldData()->GetMatchVars();
    const int th = mv.m_GoalTargets[0], ta = mv.m_GoalTargets[1];
    const int size = script->GetSize();
    for (int i = 0; i < std::max(th, ta); ++i) {
        if (i < th && Random(size) > fromMinute) PlaceCode(*script, fromMinute, 1);
        if (i < ta && Random(size) > fromMinute) PlaceCode(*script, fromMinute, 2);
    }
}

void CFixture::AddAggressionEvents(uint8_t fromMinute, CExtByteArray* script) {
    if (!script || script->GetSize() == 0) return;
    CWorldData* w = GetWorldData();
    CMatchVars& mv = *w->GetMatchVars();
    const CAggressionList& table = w->GetAggressionList();
    auto count = [&](int level, bool red, int sofar) {
        const int n = red ? table.GetSendingOffCount(level) : table.GetBookingCount(level);
        if (n - sofar < 0) return 0;
        return (red ? table.GetSendingOffCount(level) : table.GetBookingCount(level)) - sofar;
    };
    int cards[4] = {
        count(mv.m_Aggression[0], false, m_Bookings[0]),
        count(mv.m_Aggression[1], false, m_Bookings[1]),
        count(mv.m_Aggression[0], true, m_SendingsOff[0]),
        count(mv.m_Aggression[1], true, m_SendingsOff[1]),
    };
    if (const CSoccerReferee* ref = GetReferee())
        for (int& c : cards) c = ref->AdjustCardCount(c);
    mv.m_PlannedBookings = {static_cast<int8_t>(cards[0]), static_cast<int8_t>(cards[1])};
    mv.m_PlannedSendingsOff = {static_cast<int8_t>(cards[2]), static_cast<int8_t>(cards[3])};
    if (m_ExtraTime == 1) mv.DivideCardPlanByThree();
    const int planned[4] = {mv.m_PlannedBookings[0], mv.m_PlannedBookings[1], mv.m_PlannedSendingsOff[0],
                            mv.m_PlannedSendingsOff[1]};
    const int size = script->GetSize();
    for (int kind = 0; kind < 4; ++kind) {
        for (int k = 0; k < 20; ++k) {
            if (k >= planned[kind] || Random(size) <= fromMinute) continue;
            const int p = script->RandomIndexOf(0);
            if (Random(100) < 60 && p > fromMinute) script->SetAt(p, static_cast<uint8_t>(3 + kind));
        }
    }
}
