#include "soccerclasses/worlddata.h"

#include "soccerclasses/clublist.h"

namespace {
CWorldData* g_world = nullptr;
}

CWorldData::CWorldData() : clubs(std::make_unique<CClubList>()) {}
CWorldData::~CWorldData() = default;

CWorldData* GetWorldData() { return g_world; }
void SetWorldData(CWorldData* world) { g_world = world; }
