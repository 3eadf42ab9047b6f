#pragma once
// The international club cups (competitions code): cups whose entrants hold
// berths of their federation's countries.
#include <cstdint>

#include "soccerclasses/cup.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/owninglist.h"

class CFixture;

class CFederationCup : public CCup {
public:
    int32_t m_Holder = -1;     // last winner's club index
    uint16_t m_Federation = 0;
    CExtDWordArray m_Entrants;  // this season's, holder first

    bool HasEntrant(int club) const { return club >= 0 && m_Entrants.Find(static_cast<uint32_t>(club)) >= 0; }
};

class CFederationCupList : public OwningList<CFederationCup> {
public:
    // The club's federation-cup match on the day; false, and *out untouched, when none.
    bool FindFixture(int day, int club, CFixture** out) const;
};
