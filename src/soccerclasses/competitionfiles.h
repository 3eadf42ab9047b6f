#pragma once
// Reading the competitions' start-up files into the world at a new game:
// the divisions (registered with their countries), the referees, each
// country's domestic cups, the shields, the play-offs and the federation
// cups. Each throws DataFileError for a file that is
// missing, damaged or does not fit the rest of the world.
#include <array>
#include <cstdint>

class CCountry;
class CWorldData;

inline constexpr const char* kCupsFile = "Data\\cups.bin";
// (clubs x 3 + 9) x 10 player slots must stay below 65535.
inline constexpr int kMaxWorldClubs = 2181;

void ReadDivisionsIntoWorld(CWorldData& world);
void ReadRefereesIntoWorld(CWorldData& world);
void ReadCupsIntoWorld(CWorldData& world);
// "Data\\PlayOffs.bin": the play-offs the divisions name by id.
void ReadPlayOffsIntoWorld(CWorldData& world);
// "Data\\Shields.bin": one shield per league country, read after the clubs.
void ReadShieldsIntoWorld(CWorldData& world);
// "Data\\FedCups.bin": the federation cups, each registered with its
// federation; read after the clubs.
void ReadFederationCupsIntoWorld(CWorldData& world);
// The shields, play-offs and federation cups take the picture numbers after
// the cups' (a cup's is its place in "Data\\cups.bin"), in that order.
void NumberCompetitionPictures(CWorldData& world);
// A cup's results of last season, kept by its country for this season's
// entrants by the cup's place among the country's cups (0 the main cup).
void StoreLastSeasonCupResults(CCountry& country, int cupPosition, const std::array<int32_t, 4>& results);
