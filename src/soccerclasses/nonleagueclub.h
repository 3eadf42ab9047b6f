#pragma once
// Clubs outside the leagues that enter the cups (people code).
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CNonLeagueClub {
public:
    const CExtString& GetName() const { return m_Name; }

private:
    CExtString m_Name;
};
class CNonLeagueClubList : public OwningList<CNonLeagueClub> {};
