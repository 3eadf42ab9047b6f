#include "soccerclasses/teamoftheweek.h"

#include "soccerclasses/club.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/globals.h"

CTeamOfTheWeek::CTeamOfTheWeek() {
    for (int i = 0; i < kPlaces; ++i) Add(std::make_unique<CPlayerOfTheWeek>());
}

void CTeamOfTheWeek::Reset() {
    for (const auto& e : *this) {
        e->m_Ability = kEmptyAbility;
        e->m_PositionSkill = 0;
    }
}

int CTeamOfTheWeek::LineOfPlace(int place) { return place == 0 ? 0 : place <= 4 ? 1 : place <= 7 ? 2 : 3; }

bool CTeamOfTheWeek::Consider(int place, const std::string& player, const std::string& club, int ability,
                              int positionSkill) {
    CPlayerOfTheWeek* e = GetAt(place);
    if (!e) return false;
    if (ability <= e->m_Ability || positionSkill <= e->m_PositionSkill || Random(10) >= 6) return false;
    e->m_Player = player;
    e->m_Club = club;
    e->m_Ability = static_cast<int8_t>(ability);
    e->m_PositionSkill = static_cast<uint8_t>(positionSkill);
    return true;
}

void CTeamOfTheWeek::Save(FILE* f) const {
    for (const auto& e : *this) {
        e->m_Player.Save(f);
        e->m_Club.Save(f);
        SaveByte(f, static_cast<uint8_t>(e->m_Ability));
        SaveByte(f, e->m_PositionSkill);
    }
}

void CTeamOfTheWeek::Load(FILE* f) {
    for (const auto& e : *this) {
        e->m_Player.Load(f);
        e->m_Club.Load(f);
        e->m_Ability = static_cast<int8_t>(LoadByte(f));
        e->m_PositionSkill = LoadByte(f);
    }
}

bool CTeamOfTheWeek::Consider(int place, int squadSlot, const CClub& club) {
    if (place < 0 || place >= kPlaces || squadSlot < 0 || squadSlot >= 30) return false;
    CWorldData* w = GetWorldData();
    const CPlayer* p = w ? w->GetPlayer(club.GetPlayerId(squadSlot)) : nullptr;
    if (!p) return false;
    return Consider(place, p->GetName(), club.GetName(), p->GetAbility(), p->m_Football.GetPositionSkill());
}
