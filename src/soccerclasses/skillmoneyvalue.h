#pragma once
// The skill-money table: per ability 0..99 the bases and spreads from which
// every money figure of a footballer or a member of staff derives.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct CSkillMoneyValue {
    static constexpr size_t kFileBytes = 32;

    int32_t m_ValueBase = 0;
    int32_t m_ValueSpread = 0;
    int32_t m_FeeBase = 0;
    int32_t m_FeeSpread = 0;
    int32_t m_WageBase = 0;
    int32_t m_WageSpread = 0;
    int32_t m_StaffWageBase = 0;
    int32_t m_StaffWageSpread = 0;

    void Read(FILE* file);
    void Write(FILE* file) const;
};

class CSkillMoneyValueList {
public:
    static constexpr int kAbilities = 100;
    // Wages are in hundredths before the wage factor: a smaller base would
    // round a wage down to nothing.
    static constexpr int kMinimumWageBase = 100;

    static constexpr const char* kFile = "Data\\PlayerValue.bin";

    CSkillMoneyValueList() = default;
    // Reads the start-up file; throws DataFileError when it is missing or
    // fails the reading checks.
    explicit CSkillMoneyValueList(const std::string& gamePath);
    ~CSkillMoneyValueList();
    CSkillMoneyValueList(const CSkillMoneyValueList&) = delete;
    CSkillMoneyValueList& operator=(const CSkillMoneyValueList&) = delete;
    CSkillMoneyValueList(CSkillMoneyValueList&&) = default;
    CSkillMoneyValueList& operator=(CSkillMoneyValueList&&) = default;

    // Fewer than 100 rows, a wage base below 100 or a negative figure marks
    // the file damaged.
    bool Load(FILE* file);
    bool LoadFile(const std::string& path, std::string* why = nullptr);
    void Save(FILE* file) const;
    std::string Check() const;

    int GetSize() const { return static_cast<int>(rows_.size()); }
    void Add(const CSkillMoneyValue& v) { rows_.push_back(std::make_unique<CSkillMoneyValue>(v)); }
    // Abilities beyond the table read its last row.
    const CSkillMoneyValue& GetEntry(int skill) const;
    int GetValue(int skill) const;

private:
    std::vector<std::unique_ptr<CSkillMoneyValue>> rows_;
};
