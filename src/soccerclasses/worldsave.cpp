// The world's own sections of a saved game.
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"

// The friendlies and the stadiums follow the divisions without markers of
// their own.
void CWorldData::SaveCompetitionSections(FILE* file) const {
    m_SaveMarker.Save(file);
    m_Divisions->Save(file);
    m_Friendlies->Save(file);
    m_Stadiums->Save(file);
}

bool CWorldData::LoadCompetitionSections(FILE* file) {
    if (!LoadMarker(file, m_SaveMarker.c_str())) return false;
    m_Divisions->Load(file);
    m_Friendlies->Load(file);
    m_Stadiums->Load(file);
    return !GameFileDamaged();
}
