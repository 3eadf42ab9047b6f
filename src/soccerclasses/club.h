#pragma once
// The world's clubs (clubs code). The world needs a club's name now.
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

class CClub {
public:
    const CExtString& GetName() const { return m_Name; }

private:
    CExtString m_Name;
};
class CClubList : public OwningList<CClub> {};
