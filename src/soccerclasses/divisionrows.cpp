// The division's club tables for the screens, and the loops that hand each
// club a transfer-list step or a player search.
#include <algorithm>
#include <vector>

#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

namespace {

CClub* ClubAt(int i) {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(i) : nullptr;
}

constexpr uint32_t kPlayOffColour = 0xFFFF00;

}  // namespace

void CDivision::FillPlayOffLists(CListRows& rows, int club) const {
    const CPlayOff* promotion = GetPlayOff();
    if (promotion) promotion->FillRoundList(rows, club);
    if (const CPlayOff* relegation = GetRelegationPlayOff()) relegation->FillRelegationRoundList(rows, promotion, club);
}

void CDivision::FillPlayOffTies(CListRows& rows, int club) const {
    const CPlayOff* promotion = GetPlayOff();
    if (promotion) promotion->FillTieList(rows, club);
    if (const CPlayOff* relegation = GetRelegationPlayOff()) relegation->FillRelegationTieList(rows, promotion, club);
}

void CDivision::FillClubInfoList(CListRows& rows, int withDivision, int withCountry) const {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (const CClub* club = ClubAt(c)) club->AddDisciplineTableRow(rows, withDivision != 0, withCountry != 0);
}

void CDivision::FillClubList(CListRows& rows) const {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (const CClub* club = ClubAt(c)) club->AddAttendanceTableRow(rows);
}

void CDivision::FillFormTable(CListRows& rows) const {
    // Each row goes in at its form place; taken in that order, every row
    // lands where it belongs whatever order the clubs stand in.
    std::vector<const CClub*> clubs;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (const CClub* club = ClubAt(c); club && club->GetCurrentForm()) clubs.push_back(club);
    std::stable_sort(clubs.begin(), clubs.end(), [](const CClub* a, const CClub* b) {
        return a->GetCurrentForm()->GetFormPosition() < b->GetCurrentForm()->GetFormPosition();
    });
    for (const CClub* club : clubs) club->AddFormTableRow(rows, kPlayOffColour);
}

void CDivision::ListRandomPlayers() {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (CClub* club = ClubAt(c)) club->TransferListRandomPlayers(Random(3));
}

void CDivision::SearchClubsForPlayers(const CPlayerSearch& search, CPlayerList& players, int excludedClub,
                                      std::vector<std::string>& names, CListRows* rows) const {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        if (c == excludedClub) continue;
        const CClub* club = ClubAt(c);
        if (club && Random(10) < 5) club->AddMatchingPlayers(search, players, names, rows);
    }
}
