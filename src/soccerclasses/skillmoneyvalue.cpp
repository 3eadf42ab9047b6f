#include "soccerclasses/skillmoneyvalue.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"

void CSkillMoneyValue::Read(FILE* f) {
    m_ValueBase = LoadInt32(f);
    m_ValueSpread = LoadInt32(f);
    m_FeeBase = LoadInt32(f);
    m_FeeSpread = LoadInt32(f);
    m_WageBase = LoadInt32(f);
    m_WageSpread = LoadInt32(f);
    m_StaffWageBase = LoadInt32(f);
    m_StaffWageSpread = LoadInt32(f);
}

void CSkillMoneyValue::Write(FILE* f) const {
    SaveInt32(f, m_ValueBase);
    SaveInt32(f, m_ValueSpread);
    SaveInt32(f, m_FeeBase);
    SaveInt32(f, m_FeeSpread);
    SaveInt32(f, m_WageBase);
    SaveInt32(f, m_WageSpread);
    SaveInt32(f, m_StaffWageBase);
    SaveInt32(f, m_StaffWageSpread);
}

CSkillMoneyValueList::~CSkillMoneyValueList() {
    while (!rows_.empty()) rows_.pop_back();
}

std::string CSkillMoneyValueList::Check() const {
    if (GetSize() < kAbilities) return "the skill-money table lacks a row for an ability 0 to 99";
    for (const auto& r : rows_) {
        if (r->m_WageBase < kMinimumWageBase) return "a wage base is below 100";
        if (r->m_ValueBase < 0 || r->m_ValueSpread < 0 || r->m_FeeBase < 0 || r->m_FeeSpread < 0 ||
            r->m_WageSpread < 0 || r->m_StaffWageBase <= 0 || r->m_StaffWageSpread < 0)
            return "a money figure is negative";
    }
    return {};
}

bool CSkillMoneyValueList::Load(FILE* f) {
    rows_.clear();
    int32_t count = LoadCount(f, CSkillMoneyValue::kFileBytes);
    for (int i = 0; i < count && !GameFileDamaged(); ++i) {
        auto r = std::make_unique<CSkillMoneyValue>();
        r->Read(f);
        rows_.push_back(std::move(r));
    }
    if (!GameFileDamaged()) {
        if (std::string why = Check(); !why.empty()) MarkGameFileDamaged(why.c_str());
    }
    if (GameFileDamaged()) {
        rows_.clear();
        return false;
    }
    return true;
}

bool CSkillMoneyValueList::LoadFile(const std::string& path, std::string* why) {
    bool ok = ReadWholeGameFile(path, [this](FILE* f) { return Load(f); }, why);
    if (!ok) rows_.clear();
    return ok;
}

void CSkillMoneyValueList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& r : rows_) r->Write(f);
}

const CSkillMoneyValue& CSkillMoneyValueList::GetEntry(int skill) const {
    assert(skill >= 0 && skill < GetSize());
    if (rows_.empty()) throw std::out_of_range("skill-money table is empty");
    return *rows_[static_cast<size_t>(std::clamp(skill, 0, GetSize() - 1))];
}

int CSkillMoneyValueList::GetValue(int skill) const {
    const CSkillMoneyValue& r = GetEntry(skill);
    return r.m_ValueBase + r.m_ValueSpread / 2;
}

CSkillMoneyValueList::CSkillMoneyValueList(const std::string& gamePath) {
    FILE* f = OpenDataFile(gamePath);
    Load(f);
    CloseDataFile(f, gamePath);
}
