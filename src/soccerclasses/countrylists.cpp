// The country's forwarders to its divisions, referees, cups and job markets.
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/club.h"
#include "soccerclasses/worlddata.h"

const char* CCountry::AddCupFromFile(FILE* file, const CCup::Limits& limits,
                                     const std::function<int(const CupNonLeagueRecord&)>& addNonLeague) {
    RefreshSeasonText();
    auto cup = std::make_unique<CCup>();
    const char* why = cup->ReadDefinition(file, m_Id, limits, addNonLeague);
    if (GameFileDamaged()) return "the file ends inside the cup";
    if (why) return why;
    m_Cups.Add(std::move(cup));
    return nullptr;
}

void CCountry::FillRefereeList(CListRows& rows) const {
    CWorldData* w = GetWorldData();
    if (!w) return;
    for (int i = 0; i < m_Referees.GetSize(); ++i)
        if (const CSoccerReferee* r = w->GetRefereeList().GetAt(static_cast<int>(m_Referees.GetAt(i))))
            r->AddToListControl(rows);
}

void CCountry::FillRefereeListFiltered(CListRows& rows, int filter) const {
    CWorldData* w = GetWorldData();
    if (!w) return;
    for (int i = 0; i < m_Referees.GetSize(); ++i) {
        const CSoccerReferee* r = w->GetRefereeList().GetAt(static_cast<int>(m_Referees.GetAt(i)));
        if (r && r->GetFilterValue() == filter) r->AddToListControl(rows);
    }
}

namespace {

template <typename Fill>
void EachDivision(const CCountry& c, Fill fill) {
    for (int i = 0; i < c.GetDivisionCount(); ++i)
        if (const CDivision* d = c.GetDivision(i)) fill(*d);
}

}  // namespace

void CCountry::FillClubInfoList(CListRows& rows, int withDivision, int withCountry) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillClubInfoList(rows, withDivision, withCountry); });
}
void CCountry::FillDisciplineList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillDisciplineList(rows); });
}
void CCountry::FillClubList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillClubList(rows); });
}
void CCountry::FillFixtureList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.m_Fixtures.FillListControl(rows); });
}
void CCountry::FillTopScorerList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillTopScorerList(rows); });
}
void CCountry::FillPlayerCountList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillPlayerCountList(rows); });
}
void CCountry::FillManagerList(CListRows& rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillManagerList(rows); });
}
void CCountry::FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const {
    EachDivision(*this, [&](const CDivision& d) { d.FillPlayerSearchList(rows, search); });
}
void CCountry::SearchClubsForPlayers(const CPlayerSearch& search, CPlayerList& players, int excludedClub,
                                     std::vector<std::string>& names, CListRows* rows) const {
    EachDivision(*this, [&](const CDivision& d) { d.SearchClubsForPlayers(search, players, excludedClub, names, rows); });
}

CAvailableYouth* CCountry::GetAvailableYouth(int i) const {
    return m_YouthMarket ? m_YouthMarket->GetAt(i) : nullptr;
}

int CCountry::FindAvailableYouth(const CAvailableYouth* youth) const {
    return m_YouthMarket ? m_YouthMarket->FindIndex(youth) : -1;
}

void CCountry::RemoveAvailableYouth(int i) {
    if (m_YouthMarket && GetDivisionCount() > 0 && m_YouthMarket->GetAt(i)) {
        m_YouthMarket->RemoveAt(i);
        ForgetListPlaces(kPersonListYouthMarket, *this);
    }
}

void CCountry::FillAvailableYouthList(CListRows& rows) const {
    if (m_YouthMarket) m_YouthMarket->FillList(rows);
}

int CCountry::FindAvailableYouthByPosition(int position, int n) const {
    if (!m_YouthMarket) return -1;
    for (int i = 0; i < m_YouthMarket->GetSize(); ++i) {
        const CAvailableYouth* y = m_YouthMarket->GetAt(i);
        if (position != -1 && y->m_Football.GetPosition() != position) continue;
        if (n-- == 0) return i;
    }
    return -1;
}

CAvailableEmployee* CCountry::GetAvailableEmployee(int i) const {
    return m_StaffMarket ? m_StaffMarket->GetAt(i) : nullptr;
}

CAvailableEmployee* CCountry::PickAvailableEmployee(uint8_t kind, int lowest, int highest) const {
    return m_StaffMarket ? m_StaffMarket->PickEmployee(kind, lowest, highest) : nullptr;
}

void CCountry::AddAvailableEmployee(const CBasicEmployee& employee) {
    if (m_StaffMarket) m_StaffMarket->AddCopy(employee);
}

int CCountry::FindAvailableEmployee(const CAvailableEmployee* employee) const {
    return m_StaffMarket ? m_StaffMarket->FindIndex(employee) : -1;
}

void CCountry::RemoveAvailableEmployee(const CAvailableEmployee* employee) {
    int i = FindAvailableEmployee(employee);
    // Not found is 0xFFFF, past the end.
    if (i < 0 || i >= m_StaffMarket->GetSize()) return;
    m_StaffMarket->RemoveAt(i);
    StaffMarketChanged(i);
    ForgetListPlaces(kPersonListStaffMarket, *this);
}

void CCountry::StaffMarketChanged(int removed) {
    CWorldData* w = GetWorldData();
    if (!w) return;
    CClubList& clubs = w->GetClubList();
    for (int c = 0; c < clubs.GetSize(); ++c) {
        CClub* club = clubs.GetAt(c);
        if (!club || club->GetCountry() != this) continue;
        if (removed < 0) club->ForgetApproachedEmployees();
        else club->MarketEmployeeRemoved(static_cast<uint32_t>(removed));
    }
}

void CCountry::FillAvailableEmployeeList(CListRows& rows, uint8_t kindFilter) const {
    if (m_StaffMarket) m_StaffMarket->FillList(rows, kindFilter);
}

void CCountry::ClearMarkets() {
    if (m_YouthMarket) m_YouthMarket->RemoveAll();
    if (m_StaffMarket) m_StaffMarket->RemoveAll();
    StaffMarketChanged(-1);
    ForgetListPlaces(kPersonListYouthMarket, *this);
    ForgetListPlaces(kPersonListStaffMarket, *this);
}

void CCountry::UpdateStaffLists(const CPopularity& row, uint8_t divisionLevel, const CClub& club) {
    if (!IsFollowed()) return;
    m_YouthMarket->Update(*this, row, divisionLevel, club.GetYouthDevelopment());
    m_StaffMarket->Update(*this, row);
    StaffMarketChanged(-1);
    // Both markets give places to newcomers as they turn over.
    ForgetListPlaces(kPersonListYouthMarket, *this);
    ForgetListPlaces(kPersonListStaffMarket, *this);
}
