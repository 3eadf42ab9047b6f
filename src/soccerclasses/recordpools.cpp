#include "soccerclasses/recordpools.h"

#include "soccerclasses/fixture.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/worlddata.h"

// The world keeps the pools; without a world, objects come and go directly.
std::unique_ptr<CFixture> TakePooledFixture() {
    if (CWorldData* w = GetWorldData()) return w->NewFixture();
    return std::make_unique<CFixture>();
}
void ReturnPooledFixture(std::unique_ptr<CFixture> fixture) {
    if (CWorldData* w = GetWorldData()) w->FreeFixture(std::move(fixture));
}
std::unique_ptr<CMatchEvent> TakePooledMatchEvent() {
    if (CWorldData* w = GetWorldData()) return w->NewMatchEvent();
    return std::make_unique<CMatchEvent>();
}
void ReturnPooledMatchEvent(std::unique_ptr<CMatchEvent> event) {
    if (CWorldData* w = GetWorldData()) w->FreeMatchEvent(std::move(event));
}
CSubstitutionVars* WorldSubstitutionVars() {
    CWorldData* w = GetWorldData();
    return w ? w->GetSubstitutionVars() : nullptr;
}
