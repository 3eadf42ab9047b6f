#pragma once
// A division's best eleven of the current match day: place 0 the goalkeeper,
// 1 to 4 defenders, 5 to 7 midfielders, 8 to 10 attackers.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CClub;

class CPlayerOfTheWeek {
public:
    virtual ~CPlayerOfTheWeek() = default;
    CExtString m_Player;
    CExtString m_Club;
    int8_t m_Ability = 0;  // -10 when the place is empty
    uint8_t m_PositionSkill = 0;
};

class CTeamOfTheWeek : public OwningList<CPlayerOfTheWeek> {
public:
    static constexpr int kPlaces = 11;
    static constexpr int8_t kEmptyAbility = -10;

    CTeamOfTheWeek();
    void Reset();
    // The line a place belongs to: 0 goalkeeper, 1 defence, 2 midfield, 3 attack.
    static int LineOfPlace(int place);
    // Offers a player for a place: he takes it when he is better both in
    // ability and in position skill, and the draw (6 in 11) allows.
    bool Consider(int place, const std::string& player, const std::string& club, int ability, int positionSkill);
    // Offers the club's player in a squad slot for a place: his true ability
    // and his skill for his own position.
    bool Consider(int place, int squadSlot, const CClub& club);
    const CPlayerOfTheWeek* GetEntry(int place) const { return GetAt(place); }

    void Save(FILE* file) const;
    void Load(FILE* file);
};
