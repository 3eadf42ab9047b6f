#pragma once
// The season-opening shields (competitions code): each one a cup between
// clubs that qualified in the season before.
#include <cstdint>

#include "soccerclasses/cup.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/owninglist.h"

struct CFixtureInfo;

class CCharityShield : public CCup {
public:
    // The number by which cups and the world find this shield.
    int32_t m_Index = -1;
    // Clubs qualified for the next shield.
    CExtDWordArray m_Entrants;

    bool HasEntrant(int club) const { return m_Entrants.Find(static_cast<uint32_t>(club)) >= 0; }
    // A club already qualified is not entered twice.
    void AddEntrant(int club) {
        if (!HasEntrant(club)) m_Entrants.Add(static_cast<uint32_t>(club));
    }
};

class CCharityShieldList : public OwningList<CCharityShield> {
public:
    // The first shield whose cup has a match of the club on the day.
    bool FindFixture(int day, int club, CFixtureInfo& info) const;
};
