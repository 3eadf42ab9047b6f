#include "soccerclasses/divisionstrength.h"

#include <cmath>
#include <string>

#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/startupfile.h"

namespace {
constexpr size_t kRecordBytes = 6 + 1 + 4 + 4 + 8 * CDivisionStrength::kFactorCount;
}

CDivisionStrength::CDivisionStrength(FILE* file) {
    for (auto& b : m_Bytes) b = LoadByte(file);
    m_Flag = LoadByte(file);
    m_Base = LoadInt32(file);
    m_Spread = LoadInt32(file);
    for (auto& f : m_Factors) f = LoadDouble(file);
}

void CDivisionStrength::Write(FILE* file) const {
    for (auto b : m_Bytes) SaveByte(file, b);
    SaveByte(file, m_Flag);
    SaveInt32(file, m_Base);
    SaveInt32(file, m_Spread);
    for (double f : m_Factors) SaveDouble(file, f);
}

const char* CDivisionStrength::Problem() const {
    for (double f : m_Factors) {
        // Written so that a NaN is refused too.
        if (!(f > 0.0 && f < kFactorLimit)) return "a price factor outside (0, 5)";
    }
    if (m_Spread < 0) return "a negative spread";
    return nullptr;
}

int CDivisionStrength::GetRandomValue() const { return m_Base + Random(m_Spread); }

double CDivisionStrength::GetFactor(double x) const {
    // floor of a figure just below 0 is -1, and callers may pass up to 100.
    double i = std::floor(x);
    if (!(i >= 0)) i = 0;
    if (i > kFactorCount - 1) i = kFactorCount - 1;
    return m_Factors[static_cast<size_t>(i)];
}

CDivisionStrengthList::CDivisionStrengthList() { Read(kFileName); }
CDivisionStrengthList::CDivisionStrengthList(const char* relPath) { Read(relPath); }

void CDivisionStrengthList::Read(const char* relPath) {
    FILE* f = OpenDataFile(relPath);
    int32_t n = LoadCount(f, kRecordBytes);
    for (int32_t i = 0; i < n && !GameFileDamaged(); ++i) {
        auto rec = std::make_unique<CDivisionStrength>(f);
        if (!GameFileDamaged()) {
            if (const char* why = rec->Problem()) RefuseDataFile(f, relPath, "record " + std::to_string(i) + ": " + why);
        }
        m_Items.push_back(std::move(rec));
    }
    CloseDataFile(f, relPath);
}

void CDivisionStrengthList::WriteFile(FILE* file, const std::vector<CDivisionStrength>& records) {
    SaveInt32(file, static_cast<int32_t>(records.size()));
    for (const auto& r : records) r.Write(file);
}
