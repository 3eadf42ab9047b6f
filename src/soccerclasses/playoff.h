#pragma once
// The league play-offs (competitions code): cups whose entrants come from
// table places of the divisions.
#include <cstdint>

#include "soccerclasses/cup.h"
#include "soccerclasses/owninglist.h"

class CFixture;

class CPlayOff : public CCup {
public:
    uint8_t m_Spare = 0;
    uint8_t m_Id = 0;           // the id by which divisions name it
    uint8_t m_ExtraPlaces = 0;  // clubs it sends up
};

class CPlayOffList : public OwningList<CPlayOff> {
public:
    // The club's play-off match on the day; false, and *out untouched, when none.
    bool FindFixture(int day, int club, CFixture** out) const;
};
