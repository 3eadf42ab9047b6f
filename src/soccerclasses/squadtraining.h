#pragma once
// A squad's training programme: nine setting bytes. Least form for the club
// code; the match engine owns it.
#include <array>
#include <cstdint>
#include <cstdio>

class CSoccerSquadTraining {
public:
    virtual ~CSoccerSquadTraining() = default;
    std::array<uint8_t, 9> settings{20, 10, 20, 40, 5, 5, 5, 5, 0};
    int GetWeightedValue() const { return static_cast<int>(settings[3] * (settings[0] / 100.0)); }
    void Save(FILE* f) const;
    void Load(FILE* f);
};
