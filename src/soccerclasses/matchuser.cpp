#include "soccerclasses/matchuser.h"

#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/worlddata.h"

CMatchUserScope::CMatchUserScope(const CFixture& f) {
    CWorldData* w = GetWorldData();
    m_PreviousUser = w->GetCurrentUserIndex();
    m_PreviousSelected = CWorldData::SelectedUserSlot();
    for (const CClub* c : {f.GetHomeClub(), f.GetAwayClub()}) {
        if (!c || !c->IsHumanManaged()) continue;
        const int user = c->GetHumanManagerIndex();
        if (user < 0) continue;
        w->RestoreCurrentUser(user);
        CWorldData::SelectedUserSlot() = static_cast<uint8_t>(user);
        return;
    }
}

CMatchUserScope::~CMatchUserScope() {
    CWorldData::SelectedUserSlot() = m_PreviousSelected;
    GetWorldData()->RestoreCurrentUser(m_PreviousUser);
}
