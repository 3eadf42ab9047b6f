#include "soccerclasses/playersearch.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "soccerclasses/gamefile.h"

namespace {
constexpr float kDefaultMaxValue = 40000000.0f;

void SaveFloat(FILE* f, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    SaveUInt32(f, bits);
}

float LoadFloat(FILE* f) {
    uint32_t bits = LoadUInt32(f);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
}  // namespace

CPlayerSearch::CPlayerSearch() {
    m_ValueFactor = 1.0f;
    Reset();
    m_Option5 = 1;
}

void CPlayerSearch::Reset() {
    m_MinValue = 0;
    m_MaxValue = kDefaultMaxValue * m_ValueFactor;
    m_Option1 = 0;
    m_Positions = {1, 1, 1, 1};
    m_MinAge = 16;
    m_MaxAge = 40;
    m_MinSkill = 10;
    m_MaxSkill = 99;
    m_Option2 = 0;
    m_Option4 = 0;
}

void CPlayerSearch::Set(int position, uint8_t minAge, uint8_t maxAge, uint8_t minSkill, uint8_t maxSkill,
                        float minValue, float maxValue, uint8_t option2, int32_t option1, uint8_t option4) {
    assert(position >= 0 && position <= 3);
    m_ValueFactor = 1.0f;
    m_Positions = {0, 0, 0, 0};
    m_Positions[static_cast<size_t>(std::clamp(position, 0, 3))] = 1;
    SetMinAge(minAge);
    SetMaxAge(maxAge);
    SetMinSkill(minSkill);
    SetMaxSkill(maxSkill);
    SetMinValue(minValue);
    SetMaxValue(maxValue);
    m_Option2 = option2;
    m_Option1 = option1;
    m_Option4 = option4;
}

void CPlayerSearch::SetMinAge(uint8_t v) {
    assert(v != 0);
    m_MinAge = v;
}

void CPlayerSearch::SetMaxAge(uint8_t v) {
    assert(v != 0);
    m_MaxAge = v;
}

void CPlayerSearch::SetMinSkill(uint8_t v) {
    assert(v >= 10 && v <= 99);
    m_MinSkill = std::clamp<uint8_t>(v, 10, 99);
}

void CPlayerSearch::SetMaxSkill(uint8_t v) {
    assert(v >= 10 && v <= 99);
    m_MaxSkill = std::clamp<uint8_t>(v, 10, 99);
}

void CPlayerSearch::SetMinValue(float v) {
    assert(v >= 0);
    m_MinValue = std::max(0.0f, v);
}

void CPlayerSearch::SetMaxValue(float v) {
    assert(v >= 0);
    m_MaxValue = std::max(0.0f, v);
}

void CPlayerSearch::Save(FILE* f) const {
    WriteGameFile(m_Positions.data(), 1, m_Positions.size(), f);
    SaveByte(f, m_MinAge);
    SaveByte(f, m_MaxAge);
    SaveByte(f, m_MinSkill);
    SaveByte(f, m_MaxSkill);
    SaveFloat(f, m_ValueFactor);
    SaveFloat(f, m_MinValue);
    SaveFloat(f, m_MaxValue);
    SaveByte(f, m_Option2);
    SaveByte(f, m_Option3);
    SaveInt32(f, m_Option1);
    SaveByte(f, m_Option4);
}

void CPlayerSearch::Load(FILE* f) {
    ReadGameFile(m_Positions.data(), m_Positions.size(), f);
    m_MinAge = LoadByte(f);
    m_MaxAge = LoadByte(f);
    m_MinSkill = LoadByte(f);
    m_MaxSkill = LoadByte(f);
    m_ValueFactor = LoadFloat(f);
    m_MinValue = LoadFloat(f);
    m_MaxValue = LoadFloat(f);
    m_Option2 = LoadByte(f);
    m_Option3 = LoadByte(f);
    m_Option1 = LoadInt32(f);
    m_Option4 = LoadByte(f);
}
