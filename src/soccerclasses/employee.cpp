#include "soccerclasses/employee.h"

#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kJobTitleIds = 61000;
constexpr unsigned kEmployeeInfoButton = 61017;
constexpr int kPersonInfoScreen = 60;
constexpr int kNegotiationScreen = 62;

// The staff groups of the staff screens and the kinds each shows.
std::vector<uint8_t> GroupKinds(int group) {
    switch (group) {
        case 99: return {5, 6, 11};
        case 100: return {0, 1, 3, 4};
        case 101: return {7, 15};
        case 102: return {2, 16};
        case 103: return {9, 10};
        case 104: return {4, 8};
        case 105: return {4};
        case 106: return {12};
        case 107: return {4, 14};
        default: return {};
    }
}

double Round(double v, const CCountry* c) { return c ? RoundMoney(v, c) : RoundToNiceAmount(v); }

}  // namespace

std::string CBasicEmployee::JobTitle(uint8_t kind) {
    return platform::LoadString(kJobTitleIds + std::min<unsigned>(kind, kKinds - 1));
}

std::string CBasicEmployee::GetJobTitle() const { return JobTitle(m_JobKind); }

double CBasicEmployee::GetMinimumWage() const { return SkillMoneyTable().GetEntry(m_Ability).m_StaffWageBase; }

double CBasicEmployee::GetMaximumWage() const {
    const CSkillMoneyValue& r = SkillMoneyTable().GetEntry(m_Ability);
    return static_cast<double>(r.m_StaffWageBase) + r.m_StaffWageSpread;
}

void CBasicEmployee::MakeContractDemand(CContractOffer& offer, const CCountry& country) const {
    const CSkillMoneyValue& r = SkillMoneyTable().GetEntry(m_Ability);
    offer.m_WeeklyWage = Round(r.m_StaffWageBase + Random(r.m_StaffWageSpread), &country);
    int seasons = 2 + Random(5);
    // Staff stay until 60, but an older man still signs for a season.
    if (m_Person.GetAge() + seasons > 60) seasons = std::max(1, 60 - m_Person.GetAge());
    offer.m_Years = seasons;
}

void CBasicEmployee::Save(FILE* f) const {
    m_Person.Save(f);
    SaveByte(f, m_JobKind);
    SaveByte(f, m_Ability);
    SaveByte(f, m_Spare);
}

void CBasicEmployee::Load(FILE* f) {
    m_Person.Load(f);
    m_JobKind = LoadByte(f);
    m_Ability = LoadByte(f);
    m_Spare = LoadByte(f);
    if (m_JobKind >= kKinds) MarkGameFileDamaged("a job kind that does not exist");
}

CEmployee::CEmployee(uint8_t kind, const CCountry& country, const CPopularity& row) {
    m_JobKind = kind;
    m_Ability = static_cast<uint8_t>(std::clamp<int>(
        static_cast<uint8_t>(row.m_StaffLevelMinimum + Random(row.m_StaffLevelRange)), 30, 99));
    m_Person.InitGiven(static_cast<uint8_t>(35 + Random(24)), static_cast<uint8_t>(1 + Random(3)), country, true);
    m_Person.DrawNames(country);
    const double wage = Round(GetMinimumWage() / 100 * country.GetWageFactor(), &country);
    assert(wage > 0);
    m_Person.SetWeeklyWage(std::max(1.0, wage));
}

int CEmployee::DecideFuture(const std::string& clubName, bool notify) {
    const int age = m_Person.GetAge();
    if (age > 59 && Random(65 - age) == 1) {
        m_Person.SetStatus(CPerson::kStatusRetiring);
        if (notify) UserMessageBoxText(platform::FormatMessageId(31, {GetName(), clubName}), kBoxNotice, -1);
        return 0;
    }
    if (Random(40) != 1) return 1;
    m_Person.SetStatus(CPerson::kStatusNoTalks);
    if (notify) UserMessageBoxText(platform::FormatMessageId(32, {GetName(), clubName}), kBoxNotice, -1);
    return 0;
}

uint8_t CEmployee::ContractExpires(const CClub& club, bool notify) {
    if (m_Person.GetContractYears() > 0) return 0;
    if (!notify) return 1;
    const uint8_t status = m_Person.GetStatus();
    const bool asks = status == 0 || status == 2 || (status >= 4 && status <= 9);
    assert(asks || status == 1 || status == 3 || status == 10 || status == 11);
    if (asks) AskHuman(platform::FormatMessageId(32892, {GetName(), GetJobTitle()}));
    if (m_Person.GetContractYears() > 0) return 0;
    const std::string left = platform::FormatMessageId(32893, {GetName(), GetJobTitle()});
    UserMessageBoxText(left, kBoxNotice, -1);
    SendTextToHuman(club, left);
    return 1;
}

void CEmployee::EndOfSeason(bool real) {
    if (real) m_Person.EndSeason();
    const int age = m_Person.GetAge();
    if (age >= 66 || (age >= 62 && Random(10) <= 2)) {
        if (!real) {
            m_Person.SetAge(static_cast<uint8_t>(35 + Random(15)));
            return;
        }
        UserMessageBoxText(platform::FormatMessageId(33, {GetName(), GetJobTitle()}), kBoxNotice, -1);
        m_Person.SetStatus(CPerson::kStatusRetiring);
        m_Person.SetContractYears(0);
        m_Person.SetAge(kRetiredAge);
    }
}

std::string CEmployee::RespondToOffer(CContractOffer& d, const CClub& club, const CContractOffer& o) {
    const CCountry* country = club.GetCountry();
    const double factor = country ? country->GetWageFactor() : 100;
    const double min = GetMinimumWage() / 100 * factor;
    const double max = GetMaximumWage() / 100 * factor;
    const std::string name = GetName();
    auto answer = [&](int code, unsigned id) {
        return platform::StrPrintf("%d", code) + platform::FormatMessageId(id, {name});
    };
    const CDivision* division = club.GetDivision();
    const bool topDivision = country && division && country->IsTopDivision(division);
    if (m_Ability > 80 && !topDivision) return answer(3, 34);
    if (o.m_WeeklyWage == d.m_WeeklyWage && o.m_Years == d.m_Years)
        return "1" + platform::FormatMessageId(329, {name, static_cast<int>(o.m_Years), club.GetName()});
    if (o.m_WeeklyWage < d.m_WeeklyWage) {
        if (min > o.m_WeeklyWage) {
            d.m_WeeklyWage = Round((d.m_WeeklyWage - min) / 2 + min, country);
            return answer(6, 14);
        }
        const double t = Round((d.m_WeeklyWage - min) / 2 + min, country);
        d.m_WeeklyWage = t;
        if (o.m_WeeklyWage < t) return answer(6, 14);
        if (max < o.m_WeeklyWage) {
            d.m_WeeklyWage = max;
            return answer(7, 15);
        }
    }
    if (o.m_Years < d.m_Years && (o.m_Years > Random(50) || o.m_Years < 1)) {
        d.m_Years += Random(d.m_Years);
        return answer(8, 28);
    }
    if (o.m_Years <= 9) return "1" + platform::FormatMessageId(329, {name, static_cast<int>(o.m_Years), club.GetName()});
    d.m_Years -= Random(d.m_Years);
    return answer(9, 27);
}

void CEmployee::AddStaffRow(CListRows& list, uintptr_t index, uint8_t kindFilter) const {
    if (kindFilter != 5 && kindFilter != m_JobKind) return;
    const int row = list.AddRow(GetName(), 0, reinterpret_cast<uintptr_t>(this), index);
    list.SetItemNumber(row, 1, m_Ability);
    list.SetItemNumber(row, 2, m_Person.GetAge());
    list.SetItem(row, 3, GetJobTitle());
    CWorldData* w = GetWorldData();
    std::string wage;
    if (const CCountry* country = CurrentUserCountry())
        country->FormatMoney(wage, m_Person.GetWeeklyWage());
    else
        wage = platform::StrPrintf("%.0f", m_Person.GetWeeklyWage());
    list.SetItem(row, 4, wage);
    list.SetItemNumber(row, 5, m_Person.GetContractYears());
    if (w) list.SetRowColour(row, w->GetListColour(4 + m_JobKind));
}

void CEmployee::AddScoutNameRow(CListRows& list) const {
    if (m_JobKind != kScout) return;
    list.AddRow(GetName(), 0, reinterpret_cast<uintptr_t>(this), 0);
}

namespace {

constexpr uint32_t kAwayGrey = 0x808080;


}  // namespace

void CEmployee::AddScoutRow(CListRows& list) const {
    if (m_JobKind != kScout) return;
    const int row = list.AddRow(GetName(), 0, reinterpret_cast<uintptr_t>(this), 0);
    list.SetItemNumber(row, 1, m_Ability);
    CWorldData* w = GetWorldData();
    bool away = false;
    if (CClub* club = CurrentUserClub()) {
        const int index = club->Staff().FindIndex(this);
        for (const CScout& s : club->Scouts())
            if (index >= 0 && s.GetEmployee() == index && s.IsAway()) away = true;
    }
    if (away)
        list.SetRowColour(row, kAwayGrey);
    else if (w)
        list.SetRowColour(row, w->GetListColour(4 + m_JobKind));
}

void CEmployee::AddGroupRow(CListRows& list, int group) const {
    const std::vector<uint8_t> kinds = GroupKinds(group);
    if (std::find(kinds.begin(), kinds.end(), m_JobKind) == kinds.end()) return;
    const int row = list.AddRow(GetName(), 0, reinterpret_cast<uintptr_t>(this), 0);
    // A contact's percentage cell stays blank.
    if (!IsContact())
        list.SetItemNumber(row, 1, m_Ability);
    else
        list.SetItem(row, 1, "");
    list.SetItem(row, 2, GetJobTitle());
}

CEmployee* CEmployeeList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return slots_[static_cast<size_t>(i)].get();
}

int CEmployeeList::Add(std::unique_ptr<CEmployee> e) {
    if (GetSize() >= kMaxEmployees) return -1;
    slots_.push_back(std::move(e));
    return GetSize() - 1;
}

void CEmployeeList::RemoveAt(int i) {
    if (i >= 0 && i < GetSize()) slots_.erase(slots_.begin() + i);
}

int CEmployeeList::FindIndex(const CEmployee* e) const {
    for (int i = 0; i < GetSize(); ++i)
        if (slots_[static_cast<size_t>(i)].get() == e) return i;
    return 0xFFFF;
}

CEmployee* CEmployeeList::FindKind(uint8_t kind) const {
    for (const auto& e : slots_)
        if (e && e->m_JobKind == kind) return e.get();
    return nullptr;
}

int32_t CEmployeeList::GetTotalWages() const {
    int32_t total = 0;
    for (const auto& e : slots_)
        if (e) total = static_cast<int32_t>(total + e->m_Person.GetWeeklyWage());
    return total;
}

void CEmployeeList::EndOfSeason(bool real, CClub& club) {
    for (const auto& e : slots_)
        if (e) e->EndOfSeason(real);
    CCountry* country = club.GetCountry();
    for (int i = GetSize() - 1; i >= 0; --i) {
        CEmployee* e = GetAt(i);
        if (!e || e->m_Person.GetContractYears() != 0) continue;
        const uint8_t status = e->m_Person.GetStatus();
        if (status == CPerson::kStatusNoTalks) {
            if (country && country->GetStaffMarket()) country->GetStaffMarket()->AddCopy(*e);
            RemoveAt(i);
        } else if (status == CPerson::kStatusRetiring) {
            RemoveAt(i);
        }
    }
}

void CEmployeeList::Release(int index, CClub& club) {
    assert(index >= 0 && index < GetSize() && GetAt(index));
    CEmployee* e = GetAt(index);
    if (!e) return;
    CCountry* country = club.GetCountry();
    if (country && country->GetStaffMarket()) country->GetStaffMarket()->AddCopy(*e);
    RemoveAt(index);
}

void CEmployeeList::CheckContracts(CClub& club) {
    // A saved game may leave a slot empty: it is passed over.
    for (const auto& e : slots_)
        if (e) e->CheckContract(club);
}

void CEmployeeList::FillStaffList(CListRows& list, uint8_t kindFilter) const {
    list.ResetContent();
    for (int i = 0; i < GetSize(); ++i)
        if (const CEmployee* e = GetAt(i)) e->AddStaffRow(list, static_cast<uintptr_t>(i), kindFilter);
}

void CEmployeeList::FillScoutNameList(CListRows& list) const {
    list.ResetContent();
    for (const auto& e : slots_)
        if (e) e->AddScoutNameRow(list);
}

void CEmployeeList::FillScoutList(CListRows& list) const {
    list.ResetContent();
    for (const auto& e : slots_)
        if (e) e->AddScoutRow(list);
}

void CEmployeeList::FillGroupList(CListRows& list, int group) const {
    for (const auto& e : slots_)
        if (e) e->AddGroupRow(list, group);
}

void CEmployeeList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& e : slots_) {
        SaveInt32(f, e ? 1 : 0);
        if (e) e->Save(f);
    }
}

void CEmployeeList::Load(FILE* f) {
    slots_.clear();
    const int32_t n = LoadCount(f, 4);
    if (n > kMaxEmployees) {
        MarkGameFileDamaged("more than 20 employees");
        return;
    }
    slots_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        if (!LoadInt32(f)) continue;
        auto e = std::make_unique<CEmployee>();
        e->Load(f);
        slots_[static_cast<size_t>(i)] = std::move(e);
    }
    if (GameFileDamaged()) slots_.clear();
}

void CEmployee::AskHuman(const std::string& text) {
    for (;;) {
        const int answer =
            UserMessageBoxTextEx(text, kBoxThreeButtons, 0, platform::LoadString(940), platform::LoadString(521),
                                 platform::LoadString(kEmployeeInfoButton), -1, -1, 1, "");
        if (answer == 2) {
            GetUserPort().RunScreenModal(kPersonInfoScreen, this, 0, 0, 0);
            continue;
        }
        if (answer == kAnswerYes) GetUserPort().RunScreenModal(kNegotiationScreen, this, 0, 0, 0);
        return;
    }
}

void CEmployee::CheckContract(const CClub& club) {
    if (m_Person.GetContractYears() == 1 && Random(5) == 1 && DecideFuture(club.GetName(), true) == 1 &&
        m_Person.GetStatus() == 0)
        AskHuman(platform::FormatMessageId(30, {club.GetName(), GetName(), GetJobTitle()}));
}

CClub* CEmployee::GetClub() const {
    CWorldData* w = GetWorldData();
    if (!w) return nullptr;
    for (int i = 0; i < w->GetClubList().GetSize(); ++i)
        if (CClub* c = w->GetClub(i); c && c->Staff().FindIndex(this) != 0xFFFF) return c;
    return nullptr;
}

bool CEmployeeList::CheckAllPresent() const {
    return std::none_of(slots_.begin(), slots_.end(), [](const auto& e) { return !e; });
}
