#pragma once
// The world that owns every list. Least form for the club code; the world
// core owns it.
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/stadium.h"

class CClubList;

class CWorldData {
public:
    CWorldData();
    ~CWorldData();

    std::vector<CCountry> countries;
    CDivisionList divisions;
    CPopularityList popularity;
    CManagerList managers;
    CPlayerList players;
    CStadiumList stadiums;
    std::unique_ptr<CClubList> clubs;
    int32_t clubCount = 0;
    std::string accountsDate;
    std::string todayText;
    bool replaying = false;

    CCountry* GetCountry(int i) { return i >= 0 && i < int(countries.size()) ? &countries[size_t(i)] : nullptr; }
    CDivision* GetDivision(int i) const { return divisions.GetAt(i); }
    void SetAccountsDate(const std::string& text) { accountsDate = text; }
};

CWorldData* GetWorldData();
// Installs the world the model works on (tests install their own).
void SetWorldData(CWorldData* world);
