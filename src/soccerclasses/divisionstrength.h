#pragma once
// The strength record of a division level ("Data\\DivStren.bin"): random
// values and the crowd's response to ticket prices for clubs of that level.
//
// Of the record's open bytes: byte 0 of the six is the discontent a manager
// starts with at a club of this level; the flag byte is 1 for a professional
// level; bytes 1 to 5 are spare. Base and spread give the relocation figure
// (base + Random(spread), in pounds).
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

class CDivisionStrength {
public:
    static constexpr int kFactorCount = 100;
    static constexpr double kFactorLimit = 5.0;

    CDivisionStrength() = default;
    // Reads one record; the caller checks the values with Problem().
    explicit CDivisionStrength(FILE* file);
    void Write(FILE* file) const;

    // Empty when the record can be used; else what is wrong with it.
    const char* Problem() const;

    int GetRandomValue() const;
    // The factor at floor(x), the index kept inside the table.
    double GetFactor(double x) const;

    uint8_t GetStartingDiscontent() const { return m_Bytes[0]; }
    int GetRelocationFigure() const { return GetRandomValue(); }
    bool IsProfessional() const { return m_Flag != 0; }

    int32_t m_Base = 0;
    int32_t m_Spread = 0;
    uint8_t m_Flag = 0;
    std::array<uint8_t, 6> m_Bytes{};
    std::array<double, kFactorCount> m_Factors{};
};

class CDivisionStrengthList {
public:
    static constexpr const char* kFileName = "Data\\DivStren.bin";

    // Reads "Data\\DivStren.bin"; throws DataFileError when it is missing,
    // damaged or holds a factor outside (0, 5).
    CDivisionStrengthList();
    explicit CDivisionStrengthList(const char* relPath);
    CDivisionStrengthList(const CDivisionStrengthList&) = delete;
    CDivisionStrengthList& operator=(const CDivisionStrengthList&) = delete;

    int GetSize() const { return static_cast<int>(m_Items.size()); }
    CDivisionStrength* GetAt(int i) const { return m_Items.at(static_cast<size_t>(i)).get(); }

    // The whole file for a list of records, as the data tool writes it.
    static void WriteFile(FILE* file, const std::vector<CDivisionStrength>& records);

private:
    void Read(const char* relPath);
    std::vector<std::unique_ptr<CDivisionStrength>> m_Items;
};
