#include "soccerclasses/recordpools.h"

#include "soccerclasses/fixture.h"
#include "soccerclasses/matchevent.h"

// Until the world object holds the pools, objects come and go directly.
std::unique_ptr<CFixture> TakePooledFixture() { return std::make_unique<CFixture>(); }
void ReturnPooledFixture(std::unique_ptr<CFixture>) {}
std::unique_ptr<CMatchEvent> TakePooledMatchEvent() { return std::make_unique<CMatchEvent>(); }
void ReturnPooledMatchEvent(std::unique_ptr<CMatchEvent>) {}
CSubstitutionVars* WorldSubstitutionVars() { return nullptr; }
