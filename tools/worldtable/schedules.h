#pragma once
// The league schedules: double round robins in which every pair meets once
// at each ground, home and away alternating as evenly as a round robin allows.
#include <cstdint>
#include <vector>

namespace worldtable {

// Match days of E = clubs rounded down to even bytes: E/2 (home, away) pairs
// of slots 1..clubs. With an odd count one club rests each match day.
std::vector<uint8_t> MakeDoubleRoundRobin(int clubs);

}  // namespace worldtable
