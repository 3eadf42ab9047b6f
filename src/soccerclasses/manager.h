#pragma once
// Managers of the world. Least form for the club code; the people code owns it.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/owninglist.h"

class CPopularity;

class CManager {
public:
    std::string forename, surname;
    uint8_t age = 0;
    uint8_t country = 0;
    uint8_t contractYears = 0;
    uint8_t race = 0;
    std::array<uint8_t, 8> face{};
    double weeklyWage = 0.0;
    uint8_t rating = 0;
    int32_t club = -1;
    bool human = false;

    uint8_t GetRating() const { return rating; }
    bool IsHuman() const { return human; }
    std::string GetName() const { return forename.empty() ? surname : forename + " " + surname; }
};

class CManagerList : public OwningList<CManager> {
public:
    // Reads one manager record of "Data\\Clubs.bin" for a club; the club's
    // manager flag is the manager's age and its popularity row sets his terms.
    // Returns the new manager's index.
    int32_t ReadFromClubsFile(FILE* f, int32_t club, uint8_t age, const CPopularity* popularity);
};
