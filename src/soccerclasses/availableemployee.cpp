#include "soccerclasses/availableemployee.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

CAvailableEmployee::CAvailableEmployee(const CCountry& country, const CPopularity& row) {
    m_Person.InitGiven(static_cast<uint8_t>(35 + Random(24)), 0, country, true);
    m_Person.DrawNames(country);
    // The draw's rare top value would bring a contact onto the market; it
    // counts as the highest hired kind instead.
    m_JobKind = static_cast<uint8_t>(std::min(Random(5), static_cast<int>(kAssistantManager)));
    m_Ability = static_cast<uint8_t>(std::min(100, row.m_StaffLevelMinimum + Random(row.m_StaffLevelRange)));
    m_WeeksOnMarket = 0;
}

std::string CAvailableEmployee::RespondToOffer(CContractOffer& d, const CContractOffer& o, const CCountry& country) {
    const double factor = country.GetWageFactor();
    const double min = GetMinimumWage() / 100 * factor;
    const double max = GetMaximumWage() / 100 * factor;
    const std::string name = GetName();
    if (o.m_WeeklyWage == d.m_WeeklyWage && o.m_Years == d.m_Years) return "T";
    if (min > o.m_WeeklyWage) {
        d.m_WeeklyWage = RoundMoney((d.m_WeeklyWage - min) / 2 + min, &country);
        return platform::FormatMessageId(14, {name});
    }
    if (o.m_WeeklyWage < d.m_WeeklyWage && Random(10) < 8) {
        d.m_WeeklyWage = (d.m_WeeklyWage - min) / 2 + min;
        return platform::FormatMessageId(14, {name});
    }
    if (max < o.m_WeeklyWage && o.m_WeeklyWage > d.m_WeeklyWage) {
        d.m_WeeklyWage = max;
        return platform::FormatMessageId(15, {name});
    }
    if (o.m_Years <= Random(50) && o.m_Years >= 1) {
        if (o.m_Years <= 9) return "T";
        d.m_Years -= Random(d.m_Years);
        return platform::FormatMessageId(27, {name});
    }
    d.m_Years += Random(d.m_Years);
    return platform::FormatMessageId(28, {name});
}

void CAvailableEmployee::Save(FILE* f) const {
    CBasicEmployee::Save(f);
    SaveByte(f, m_WeeksOnMarket);
}

void CAvailableEmployee::Load(FILE* f) {
    CBasicEmployee::Load(f);
    m_WeeksOnMarket = LoadByte(f);
}

CAvailableEmployee* CAvailableEmployeeList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return entries_[static_cast<size_t>(i)].get();
}

void CAvailableEmployeeList::Update(const CCountry& country, const CPopularity& row) {
    for (size_t i = 0; i < entries_.size();) {
        CAvailableEmployee& e = *entries_[i];
        ++e.m_WeeksOnMarket;
        if (e.m_WeeksOnMarket < 6 && Random(100) < 51)
            ++i;
        else
            entries_.erase(entries_.begin() + static_cast<long>(i));
    }
    if (GetSize() < kRefillBelow) {
        const int add = Random(26 - GetSize());
        for (int k = 0; k < add; ++k) entries_.push_back(std::make_unique<CAvailableEmployee>(country, row));
    }
}

void CAvailableEmployeeList::EndOfSeason() {
    for (size_t i = 0; i < entries_.size();) {
        entries_[i]->m_Person.EndSeason();
        if (entries_[i]->m_Person.GetAge() > 59)
            entries_.erase(entries_.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

void CAvailableEmployeeList::AddCopy(const CBasicEmployee& e) {
    auto copy = std::make_unique<CAvailableEmployee>(e);
    copy->m_WeeksOnMarket = 0;
    entries_.push_back(std::move(copy));
}

void CAvailableEmployeeList::RemoveAt(int i) {
    if (i >= 0 && i < GetSize()) entries_.erase(entries_.begin() + i);
}

int CAvailableEmployeeList::FindIndex(const CAvailableEmployee* e) const {
    for (int i = 0; i < GetSize(); ++i)
        if (entries_[static_cast<size_t>(i)].get() == e) return i;
    return 0xFFFF;
}

CAvailableEmployee* CAvailableEmployeeList::PickEmployee(uint8_t kind, int lo, int hi) const {
    CAvailableEmployee* choice = nullptr;
    for (const auto& e : entries_)
        if (e->m_JobKind == kind && e->m_Ability >= lo && e->m_Ability <= hi && Random(10) < 6) choice = e.get();
    return choice;
}

void CAvailableEmployeeList::FillList(CListRows& list, uint8_t kindFilter) const {
    CWorldData* w = GetWorldData();
    for (const auto& e : entries_) {
        if (kindFilter != 5 && kindFilter != e->m_JobKind) continue;
        const int row = list.AddRow(e->GetName(), 0, reinterpret_cast<uintptr_t>(e.get()), 0);
        list.SetItemNumber(row, 1, e->m_Ability);
        list.SetItemNumber(row, 2, e->m_Person.GetAge());
        list.SetItem(row, 3, e->GetJobTitle());
        if (w) list.SetRowColour(row, w->GetListColour(4 + e->m_JobKind));
    }
}

void CAvailableEmployeeList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& e : entries_) e->Save(f);
}

void CAvailableEmployeeList::Load(FILE* f) {
    const int32_t n = LoadCount(f, 40);
    while (GetSize() > n) entries_.pop_back();
    while (GetSize() < n) entries_.push_back(std::make_unique<CAvailableEmployee>());
    for (const auto& e : entries_) {
        if (GameFileDamaged()) break;
        e->Load(f);
    }
    if (GameFileDamaged()) entries_.clear();
}
