#pragma once
// The start-up files of the clubs: "Data\\Stadiums.bin", "Data\\Plans.bin"
// and "Data\\Clubs.bin". The readers live with their lists; these are the
// records as the data tools write them, through the game's own channel.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "soccerclasses/stadium.h"

// Throws DataFileError (missing) when the file cannot be opened.
FILE* OpenStartupPath(const std::string& path);

struct StadiumFileRecord {
    std::string name;
    // The year the ground was opened; kept with the stadium, not used by the clubs.
    int32_t firstFigure = 0;
    int32_t capacity = 0;
    std::array<StandLayout, 8> stands{};
};

struct PlanFileRecord {
    int32_t firstFigure = 0;
    std::vector<uint8_t> bytes;
};

struct ManagerFileRecord {
    std::string initial;  // at most 2 bytes
    std::string surname;
    uint8_t contractYears = 2;
    uint8_t country = 0;
    uint8_t race = 0;
    std::array<uint8_t, 8> face{};
};

struct ClubFileRecord {
    std::string name;
    std::string secondName;
    int32_t stadium = 0;
    uint8_t popularity = 0;
    uint8_t secondPopularity = 0;
    int32_t areaCode = 0;
    int32_t division = 0;
    int16_t yearFounded = 0;
    // The manager's age; 0 would mean no manager, which the file never has.
    uint8_t managerFlag = 45;
    ManagerFileRecord manager;
    std::array<uint8_t, 8> homeKit{};
    std::array<uint8_t, 8> awayKit{};
};

// Each writes the whole file; false when it could not be written.
bool WriteStadiumsFile(const std::string& path, const std::vector<StadiumFileRecord>& stadiums);
bool WritePlansFile(const std::string& path, const std::vector<PlanFileRecord>& plans);
bool WriteClubsFile(const std::string& path, const std::vector<ClubFileRecord>& clubs);
