#pragma once
// The one table of our world (assets/world/): currencies, federations,
// countries → divisions → clubs. Every generator of a start-up file that
// names countries, divisions or clubs reads it through this library, so the
// ids and indexes agree across all the files by construction.
//
// Texts are Windows-1252 once loaded. A table that breaks a rule stops the
// build with a message naming the file and line.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace worldtable {

using Fields = std::map<std::string, std::string>;  // optional key=value fields

struct Currency {
    int index = 0;
    std::string code, name, symbol;
    int symbolAfter = 0, separator = 0, abbreviate = 1;
    double rate = 1;
};

struct Federation {
    int id = 0;
    std::string name, secondName;
};

struct Club {
    int index = 0;          // in the world's club list
    int country = 0;        // country id
    int division = 0;       // in the world's division list
    std::string name;
    Fields fields;
    std::string source;     // "file:line", for messages
};

struct Division {
    int index = 0;          // in the world's division list
    int country = 0;
    std::string name;
    int strength = 0;       // 0..3
    Fields fields;
    std::vector<Club> clubs;
    int FirstClub() const { return clubs.empty() ? 0 : clubs.front().index; }
    int ClubCount() const { return static_cast<int>(clubs.size()); }
};

struct Country {
    int id = 0;
    std::string name, code, nationality;
    int federation = 0;
    int currency = 0;        // index into the currencies
    int wageFactor = 1;
    int boardSwitch = 0;
    int raceRow = 0;
    int federationRank = 0;  // 1, 2, … within the federation; 0 for the placeholder
    std::string map;         // "Europe", "World" or "" (not on a map)
    int group = 0;
    bool defaultSelected = false;
    int seasonStart = 2, seasonEnd = 102;
    std::vector<int> deadlines = {16, 52, 60, 100};
    Fields fields;
    std::vector<Division> divisions;
    bool HasLeague() const { return !divisions.empty(); }
};

struct World {
    std::vector<Currency> currencies;
    std::vector<Federation> federations;
    std::vector<Country> countries;  // index = id

    int ClubCount() const;
    int DivisionCount() const;
    std::vector<const Division*> Divisions() const;  // in index order
    std::vector<const Club*> Clubs() const;          // in index order
    const Currency* FindCurrency(const std::string& code) const;
};

// Reads assets/world/ under `assetsDir`; exits naming the fault when the
// table cannot be read or breaks a rule of CheckRules.
World Load(const std::filesystem::path& assetsDir);
// The data rules every file generated from the table relies on; empty when
// all hold.
std::vector<std::string> CheckRules(const World& world);

// The club counts that have a league schedule.
bool HasSchedule(int clubs);

}  // namespace worldtable
