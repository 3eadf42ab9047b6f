#pragma once
// Clubs outside the leagues that enter the cups (people code).
#include <cstdint>
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CNonLeagueClub {
public:
    const CExtString& GetName() const { return m_Name; }
    int32_t GetStadium() const { return m_Stadium; }
    // What a cup definition gives of the club.
    void Set(const std::string& name, int32_t stadium) {
        m_Name = name;
        m_Stadium = stadium;
    }

private:
    CExtString m_Name;
    int32_t m_Stadium = 0;
};
class CNonLeagueClubList : public OwningList<CNonLeagueClub> {};
