// A manager's posts: made from a person or a member of staff, joining a
// club on its terms, his identity and his money as texts.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

namespace {

// Inbox code of a human manager's move to a new club.
constexpr uint8_t kMovedClubMessage = 200;

const CCountry* ClubCountry(const CManager& m) {
    CWorldData* w = GetWorldData();
    const CClub* club = w ? w->GetClub(m.GetLastClubIndex()) : nullptr;
    return club ? club->GetCountry() : nullptr;
}

std::string MoneyText(const CManager& m, double amount) {
    std::string s;
    if (const CCountry* c = ClubCountry(m))
        c->FormatMoney(s, amount);
    else
        s = platform::StrPrintf("%.0f", amount);
    return s;
}

}  // namespace

CManager::CManager(const CPerson& person, double weeklyWage, uint8_t contractYears, int club) {
    Clear();
    m_Person = person;
    assert(weeklyWage > 0);
    m_Person.SetWeeklyWage(weeklyWage);
    m_LivingCosts = static_cast<int32_t>(weeklyWage * 0.8);
    m_Person.SetContractYears(contractYears);
    if (club < 0) return;
    CWorldData* w = GetWorldData();
    if (const CClub* c = w ? w->GetClub(club) : nullptr) JoinClub(club, *c);
}

CManager::CManager(const CBasicEmployee& employee, double weeklyWage, uint8_t contractYears, int club)
    : CManager(employee.Person(), weeklyWage, contractYears, club) {}

void CManager::JoinClub(int club, const CClub& clubObject) {
    CWorldData* w = GetWorldData();
    const int32_t today = w ? w->GetClock().GetDays() : 0;
    uint8_t discontent = 0;
    if (const CDivision* d = clubObject.GetDivision()) {
        CDivisionStrengthList* strengths = w ? w->GetDivisionStrengthList() : nullptr;
        const int k = d->GetStrengthIndex();
        if (strengths && k >= 0 && k < strengths->GetSize())
            discontent = strengths->GetAt(k)->GetStartingDiscontent();
    }
    const CPopularity* row = clubObject.GetPopularity();
    const int years = std::clamp<int32_t>(clubObject.GetManagerYears(), 0, 255);
    JoinClub(club, today, clubObject.GetManagerWage(), static_cast<uint8_t>(years), discontent,
             row ? row->m_ManagerRatingThreshold : 0);
}

void CManager::SetIdentity(const std::string& name, uint8_t age, uint8_t nationality) {
    m_Person.SetSurname(name);
    m_Person.SetAge(age);
    m_Person.SetCountry(nationality);
}

std::string CManager::GetWeeklyWageText() const {
    return IsEmployed() ? MoneyText(*this, m_Person.GetWeeklyWage()) : "-";
}

std::string CManager::GetYearlyWageText() const {
    return IsEmployed() ? MoneyText(*this, m_Person.GetWeeklyWage() * 52) : "-";
}

std::string CManager::GetLivingCostsText() const { return MoneyText(*this, m_LivingCosts); }

std::string CManager::GetWeeklyNetText() const {
    if (!IsEmployed()) return MoneyText(*this, m_LivingCosts);
    return MoneyText(*this, m_Person.GetWeeklyWage() - m_LivingCosts);
}

std::string CManager::GetSavingsText() const { return MoneyText(*this, m_Savings); }

void CManagerList::AppointManager(int index, int club, CClub& clubObject) {
    CManager* m = GetAt(index);
    assert(m);
    if (!m) return;
    m->JoinClub(club, clubObject);
    clubObject.SetManagerIndex(index);
    if (!m->IsHuman() || m->GetPreviousClubIndex() < 0) return;
    CWorldData* w = GetWorldData();
    if (!w) return;
    CUserList& users = w->GetUserList();
    for (int u = 0; u < CUserList::kSlots; ++u) {
        CHumanManager* h = users.GetAt(u);
        if (h->GetManagerIndex() != index) continue;
        h->AddMessage(kMovedClubMessage, m->GetName(), clubObject.GetName(), w->GetTeamName(m->GetPreviousClubIndex()),
                      index);
    }
}

bool CManager::FindMatchOn(int day, CFixtureInfo& fixture) const {
    if (!IsEmployed()) return false;
    CWorldData* w = GetWorldData();
    const CClub* club = w ? w->GetClub(GetClubIndex()) : nullptr;
    if (!club) return false;
    return club->GetLeagueFixture(fixture, day) == 1 || club->GetCountryCupFixtureInfo(fixture, day) ||
           club->GetFriendlyFixtureInfo(fixture, day) || club->GetShieldFixtureInfo(fixture, day) ||
           club->GetPlayOffFixtureInfo(fixture, day) || club->GetFederationCupFixtureInfo(fixture, day);
}

int CManagerList::AddManager(const CCountry& country, int club, const CClub& clubObject) {
    const int index = AddManager(country);
    if (club >= 0) GetAt(index)->JoinClub(club, clubObject);
    return index;
}
