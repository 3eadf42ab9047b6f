// The world's shields, play-offs and federation cups in the day step, and
// their club indexes when two clubs exchange slots.
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

namespace {

void SwapIndexesIn(CExtDWordArray& clubs, int a, int b) {
    for (int i = 0; i < clubs.GetSize(); ++i) {
        const auto club = static_cast<int32_t>(clubs.GetAt(i));
        if (club == a) clubs.SetAt(i, static_cast<uint32_t>(b));
        else if (club == b) clubs.SetAt(i, static_cast<uint32_t>(a));
    }
}

}  // namespace

void CWorldData::StartFederationCupSeason() { m_FederationCups->StartSeason(); }

bool CWorldData::PlayKnockOutCompetitionsToday(int a) {
    const bool live = a != 0;
    bool any = m_FederationCups->PlayToday(live);
    any = m_Shields->PlayToday(live) || any;
    any = m_PlayOffs->PlayToday(live) || any;
    return any;
}

void CWorldData::DrawKnockOutCompetitions() {
    m_PlayOffs->DrawAll();
    m_FederationCups->DrawAll();
    m_Shields->DrawToday();
}

void CWorldData::CloseFederationCupDay() { m_FederationCups->EndOfSeason(); }

void CWorldData::SwapCompetitionClubIndexes(int a, int b) {
    for (const auto& s : *m_Shields) {
        s->SwapClubIndexes(a, b);
        SwapIndexesIn(s->m_Entrants, a, b);
    }
    for (const auto& p : *m_PlayOffs) p->SwapClubIndexes(a, b);
    for (const auto& d : *m_Divisions) {
        if (d->m_Champion == a || d->m_Champion == b) d->m_Champion = d->m_Champion == a ? b : a;
        if (d->m_RunnerUp == a || d->m_RunnerUp == b) d->m_RunnerUp = d->m_RunnerUp == a ? b : a;
    }
    // A friendly is between two clubs, wherever they now stand.
    m_Friendlies->SwapClubIndexes(a, b);
    for (int i = 0; i < m_Clubs->GetRealCount(); ++i) m_Clubs->GetAt(i)->SwapFriendlyOpponents(a, b);
    for (const auto& c : *m_FederationCups) {
        c->SwapClubIndexes(a, b);
        SwapIndexesIn(c->m_Entrants, a, b);
        if (c->m_Holder == a) c->m_Holder = b;
        else if (c->m_Holder == b) c->m_Holder = a;
    }
}
