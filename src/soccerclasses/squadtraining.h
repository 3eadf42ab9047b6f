#pragma once
// A squad's training programme: nine setting bytes.
#include <array>
#include <cstdint>
#include <cstdio>

class CSoccerSquadTraining {
public:
    CSoccerSquadTraining() = default;
    virtual ~CSoccerSquadTraining() = default;

    // Setting 4 scaled by setting 1 as a percentage.
    int GetWeightedValue() const { return static_cast<int>(m_Settings[3] * (m_Settings[0] / 100.0)); }
    uint8_t GetSetting(int n) const { return m_Settings.at(static_cast<size_t>(n - 1)); }
    void SetSetting(int n, uint8_t v) { m_Settings.at(static_cast<size_t>(n - 1)) = v; }

    void Save(FILE* file) const;
    void Load(FILE* file);

    std::array<uint8_t, 9> m_Settings{20, 10, 20, 40, 5, 5, 5, 5, 0};
};
