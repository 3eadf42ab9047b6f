#pragma once
// A league division. Least form for the club code; the competition records own it.
#include <cstdint>
#include <string>

class CDivision {
public:
    std::string name;
    uint8_t country = 0;
    int32_t firstClub = 0;
    int32_t clubCount = 0;
    uint8_t benchSize = 5;
    int16_t substitutions = 3;
};
