#pragma once
// The criteria by which a manager or a club's search filters players.
#include <array>
#include <cstdint>
#include <cstdio>

class CPlayerSearch {
public:
    CPlayerSearch();

    // The defaults, keeping the value factor.
    void Reset();
    void Set(int position, uint8_t minAge, uint8_t maxAge, uint8_t minSkill, uint8_t maxSkill,
             float minValue, float maxValue, uint8_t option2, int32_t option1, uint8_t option4);

    uint8_t GetPositionFlag(int i) const { return m_Positions.at(static_cast<size_t>(i)); }
    void SetPositionFlag(int i, uint8_t v) { m_Positions.at(static_cast<size_t>(i)) = v; }
    uint8_t GetMinAge() const { return m_MinAge; }
    uint8_t GetMaxAge() const { return m_MaxAge; }
    uint8_t GetMinSkill() const { return m_MinSkill; }
    uint8_t GetMaxSkill() const { return m_MaxSkill; }
    float GetMinValue() const { return m_MinValue; }
    float GetMaxValue() const { return m_MaxValue; }
    uint8_t GetOption2() const { return m_Option2; }
    uint8_t GetOption4() const { return m_Option4; }
    int32_t GetOption1() const { return m_Option1; }
    void SetMinAge(uint8_t v);
    void SetMaxAge(uint8_t v);
    void SetMinSkill(uint8_t v);
    void SetMaxSkill(uint8_t v);
    void SetMinValue(float v);
    void SetMaxValue(float v);
    void SetValueFactor(float f) { m_ValueFactor = f; }

    void Save(FILE* file) const;
    void Load(FILE* file);

    bool operator==(const CPlayerSearch&) const = default;

    float m_ValueFactor = 1.0f;
    float m_MinValue = 0;
    float m_MaxValue = 0;
    int32_t m_Option1 = 0;
    std::array<uint8_t, 4> m_Positions{};
    uint8_t m_MinAge = 16;
    uint8_t m_MaxAge = 40;
    uint8_t m_MinSkill = 10;
    uint8_t m_MaxSkill = 99;
    uint8_t m_Option2 = 0;
    uint8_t m_Option3 = 0;
    uint8_t m_Option4 = 0;
    uint8_t m_Option5 = 1;
};
