#pragma once
// A division's manager-of-the-month awards of the season: month, manager and
// club, one row per award.
#include <cstdio>
#include <string>

#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"

struct CManagerOfTheMonth {
    CExtString m_Month;
    CExtString m_Manager;
    CExtString m_Club;
};

class CManagerOfTheMonthList : public OwningList<CManagerOfTheMonth> {
public:
    void AddAward(const std::string& month, const std::string& manager, const std::string& club) {
        Add(std::make_unique<CManagerOfTheMonth>(CManagerOfTheMonth{month, manager, club}));
    }
    void Save(FILE* file) const;
    void Load(FILE* file);
};
