#pragma once
// Generates the world's players for "Data\\players.bin": a squad for every
// club of every league country, fitted to the club's division and standing.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

class CPopularityList;

namespace playergen {

struct NameRegion {
    std::string name;
    std::string initials;  // Windows-1252
    int singlePercent = 0;
    std::vector<std::string> surnames;
    std::vector<std::string> singles;
};

struct Names {
    std::vector<NameRegion> regions;
    std::map<int, int> regionOfCountry;  // country id -> region
    const NameRegion* For(int country) const;
};

// Reads assets/people/names.txt; exits naming the line on a fault.
Names LoadNames(const std::filesystem::path& assets);

struct CountrySpec {
    int id = 0;
    int raceRow = 0;
    int wageFactor = 100;
};

struct ClubSpec {
    int index = 0;       // in Clubs.bin
    int country = 0;
    int strength = 0;    // the division's strength class 0..3
    int popularity = 0;  // the club's popularity row
};

// Squads of 22 to 30 per club, in club order. Returns the number of
// records written. Needs the career paths installed for generation.
int WritePlayers(FILE* file, const std::vector<ClubSpec>& clubs, const std::map<int, CountrySpec>& countries,
                 const Names& names, const CPopularityList& popularity);

// The most clubs whose players all have an index below the empty mark.
inline constexpr int kMaxClubs = 2181;

}  // namespace playergen
