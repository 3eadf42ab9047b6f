#include "soccerclasses/worldlinks.h"

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
namespace {
std::function<std::string(int)> g_clubNames;
}
void SetClubNameSource(std::function<std::string(int)> source) { g_clubNames = std::move(source); }
std::string ClubNameConverted(int club) {
    if (g_clubNames) return g_clubNames(club);
    std::string name;
    if (CWorldData* w = GetWorldData()) name = w->GetTeamName(club);
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name;
}
