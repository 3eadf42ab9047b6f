#pragma once
// Reading the competitions' start-up files into the world at a new game:
// the divisions (registered with their countries), the referees and each
// country's domestic cups. Each throws DataFileError for a file that is
// missing, damaged or does not fit the rest of the world.
class CWorldData;

inline constexpr const char* kCupsFile = "Data\\cups.bin";
// (clubs x 3 + 9) x 10 player slots must stay below 65535.
inline constexpr int kMaxWorldClubs = 2181;

void ReadDivisionsIntoWorld(CWorldData& world);
void ReadRefereesIntoWorld(CWorldData& world);
void ReadCupsIntoWorld(CWorldData& world);
