#include "soccerclasses/tabledata.h"

#include <cassert>

#include "soccerclasses/club.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/worlddata.h"

void CTableData::Clear() {
    m_Club = -1;
    m_HomePlayed = m_HomeWon = m_HomeDrawn = m_HomeLost = m_HomeFor = m_HomeAgainst = 0;
    m_HomeWinRun = m_HomeLoseRun = m_HomeNoWinRun = m_HomeUnbeatenRun = 0;
    m_AwayPlayed = m_AwayWon = m_AwayDrawn = m_AwayLost = m_AwayFor = m_AwayAgainst = 0;
    m_AwayWinRun = m_AwayLoseRun = m_AwayNoWinRun = m_AwayUnbeatenRun = 0;
    m_NoWinRun = m_UnbeatenRun = m_LoseRun = m_WinRun = 0;
    m_Position = m_Points = 0;
}

void CTableData::Reset(uint8_t position) {
    m_HomePlayed = m_HomeWon = m_HomeDrawn = m_HomeLost = m_HomeFor = m_HomeAgainst = 0;
    m_AwayPlayed = m_AwayWon = m_AwayDrawn = m_AwayLost = m_AwayFor = m_AwayAgainst = 0;
    m_Position = position;
    m_Points = 0;
}

CTableData::Half CTableData::HomeHalf() {
    return {&m_HomePlayed, &m_HomeWon, &m_HomeDrawn, &m_HomeLost, &m_HomeFor, &m_HomeAgainst,
            &m_HomeWinRun, &m_HomeLoseRun, &m_HomeNoWinRun, &m_HomeUnbeatenRun};
}

CTableData::Half CTableData::AwayHalf() {
    return {&m_AwayPlayed, &m_AwayWon, &m_AwayDrawn, &m_AwayLost, &m_AwayFor, &m_AwayAgainst,
            &m_AwayWinRun, &m_AwayLoseRun, &m_AwayNoWinRun, &m_AwayUnbeatenRun};
}

void CTableData::AddResult(Half h, int own, int other, bool won, bool drawn, uint8_t winPoints, int drawPoints) {
    ++*h.played;
    *h.gf = static_cast<uint8_t>(*h.gf + own);
    *h.ga = static_cast<uint8_t>(*h.ga + other);
    if (drawn) {
        ++*h.drawn;
        *h.winRun = 0;
        *h.loseRun = 0;
        ++*h.noWinRun;
        ++*h.unbeatenRun;
        ++m_NoWinRun;
        ++m_UnbeatenRun;
        m_LoseRun = 0;
        m_WinRun = 0;
        m_Points = static_cast<uint8_t>(m_Points + drawPoints);
    } else if (won) {
        ++*h.won;
        ++*h.winRun;
        *h.loseRun = 0;
        *h.noWinRun = 0;
        ++*h.unbeatenRun;
        m_NoWinRun = 0;
        ++m_UnbeatenRun;
        m_LoseRun = 0;
        ++m_WinRun;
        m_Points = static_cast<uint8_t>(m_Points + winPoints);
    } else {
        ++*h.lost;
        *h.winRun = 0;
        ++*h.loseRun;
        ++*h.noWinRun;
        *h.unbeatenRun = 0;
        ++m_NoWinRun;
        m_UnbeatenRun = 0;
        ++m_LoseRun;
        m_WinRun = 0;
    }
}

void CTableData::AddHomeResult(int h, int a, uint8_t w, int d, uint8_t s) {
    bool drawn = h == a && d >= 1;
    bool won = h > a || (h == a && d == 0 && s == 1);
    AddResult(HomeHalf(), h, a, won, drawn, w, d);
}

void CTableData::AddAwayResult(int h, int a, uint8_t w, int d, uint8_t s) {
    bool drawn = h == a && d >= 1;
    bool won = h < a || (h == a && d == 0 && s == 0);
    AddResult(AwayHalf(), a, h, won, drawn, w, d);
}

bool CTableData::RanksAbove(const CTableData& e) const {
    if (m_Points != e.m_Points) return m_Points > e.m_Points;
    if (GetGoalDifference() != e.GetGoalDifference()) return GetGoalDifference() > e.GetGoalDifference();
    return GetSortGoals() >= e.GetSortGoals();
}

void CTableData::Save(FILE* f) const {
    SaveInt32(f, m_Club);
    const uint8_t bytes[] = {m_HomePlayed, m_HomeWon, m_HomeDrawn, m_HomeLost, m_HomeFor, m_HomeAgainst,
                             m_HomeWinRun, m_HomeLoseRun, m_HomeNoWinRun, m_HomeUnbeatenRun,
                             m_AwayPlayed, m_AwayWon, m_AwayDrawn, m_AwayLost, m_AwayFor, m_AwayAgainst,
                             m_AwayWinRun, m_AwayLoseRun, m_AwayNoWinRun, m_AwayUnbeatenRun,
                             m_NoWinRun, m_UnbeatenRun};
    for (uint8_t b : bytes) SaveByte(f, b);
    // The winning run goes before the losing run, against the field order.
    SaveByte(f, m_WinRun);
    SaveByte(f, m_LoseRun);
    SaveByte(f, m_Position);
    SaveByte(f, m_Points);
}

void CTableData::Load(FILE* f) {
    m_Club = LoadInt32(f);
    uint8_t* bytes[] = {&m_HomePlayed, &m_HomeWon, &m_HomeDrawn, &m_HomeLost, &m_HomeFor, &m_HomeAgainst,
                        &m_HomeWinRun, &m_HomeLoseRun, &m_HomeNoWinRun, &m_HomeUnbeatenRun,
                        &m_AwayPlayed, &m_AwayWon, &m_AwayDrawn, &m_AwayLost, &m_AwayFor, &m_AwayAgainst,
                        &m_AwayWinRun, &m_AwayLoseRun, &m_AwayNoWinRun, &m_AwayUnbeatenRun,
                        &m_NoWinRun, &m_UnbeatenRun};
    for (uint8_t* b : bytes) *b = LoadByte(f);
    m_WinRun = LoadByte(f);
    m_LoseRun = LoadByte(f);
    m_Position = LoadByte(f);
    m_Points = LoadByte(f);
}

void SortTableRows(std::vector<CTableData*>& rows) {
    for (size_t i = 1; i < rows.size(); ++i) {
        CTableData* row = rows[i];
        size_t j = i;
        while (j > 0 && row->RanksAbove(*rows[j - 1])) {
            rows[j] = rows[j - 1];
            --j;
        }
        rows[j] = row;
    }
}

void CTableDataList::CreateRows(int n) {
    assert(n >= 1);
    m_Rows.clear();
    for (int i = 0; i < n; ++i) m_Rows.push_back(std::make_unique<CTableData>());
}

void CTableDataList::SetClubs(const CExtDWordArray& clubs) {
    assert(clubs.GetSize() == GetSize());
    for (int i = 0; i < GetSize() && i < clubs.GetSize(); ++i) GetAt(i)->m_Club = static_cast<int32_t>(clubs.GetAt(i));
}

void CTableDataList::ResetAll() {
    for (int i = 0; i < GetSize(); ++i) GetAt(i)->Reset(static_cast<uint8_t>(i));
}

void CTableDataList::Sort() {
    std::vector<CTableData*> order;
    for (auto& r : m_Rows) order.push_back(r.release());
    SortTableRows(order);
    for (size_t i = 0; i < order.size(); ++i) {
        m_Rows[i].reset(order[i]);
        order[i]->m_Position = static_cast<uint8_t>(i);
    }
}

void CTableData::AddToListControl(CListRows& rows, uint32_t normal, uint32_t promotion, uint32_t relegation,
                                  int promotionPlaces, int relegationPlaces, int clubCount, const std::string& name,
                                  uint8_t promotionPlayOffClubs, uint8_t relegationPlayOffClubs,
                                  uint32_t playOff) const {
    int p = m_Position;
    uint32_t colour = normal;
    if (relegationPlaces >= 0 && p >= clubCount - relegationPlaces) colour = relegation;
    else if (relegationPlayOffClubs > 0 && p >= clubCount - relegationPlayOffClubs - relegationPlaces) colour = playOff;
    if (p < promotionPlaces) colour = promotion;
    else if (promotionPlayOffClubs > 0 && p < promotionPlaces + promotionPlayOffClubs) colour = playOff;
    rows.SetRowColour(p, colour);
    rows.SetItemNumber(p, 0, p + 1);
    rows.SetItem(p, 1, name);
    const int values[] = {GetPlayed(), GetWon(), GetDrawn(), GetLost(), GetGoalsFor(), GetGoalsAgainst()};
    for (int i = 0; i < 6; ++i) rows.SetItemNumber(p, 3 + i, values[i]);
    rows.SetItemNumber(p, 9, m_Points);
}

CTableData* CTableDataList::FindClubRow(int club) const {
    for (const auto& r : m_Rows)
        if (r->m_Club == club) return r.get();
    return nullptr;
}

void CTableDataList::AddGroupResult(const CFixture& fixture) {
    if (!fixture.HasBeenPrepared()) return;
    if (CTableData* home = FindClubRow(fixture.m_Home))
        home->AddHomeResult(fixture.m_HomeGoals, fixture.m_AwayGoals, 3, 1, 0);
    if (CTableData* away = FindClubRow(fixture.m_Away))
        away->AddAwayResult(fixture.m_HomeGoals, fixture.m_AwayGoals, 3, 1, 0);
}

bool CTableDataList::AddLeagueBonus(uint8_t percent) {
    int shift;
    switch (percent) {
        case 0: return true;
        case 100: shift = 0; break;
        case 50: shift = 1; break;
        case 25: shift = 2; break;
        default: return false;
    }
    CWorldData* w = GetWorldData();
    if (!w) return false;
    for (const auto& r : m_Rows) {
        if (r->m_Club < 0 || r->m_Club >= w->GetClubList().GetSize()) continue;
        int points = r->m_Points + (w->GetClub(r->m_Club)->LeagueRow().m_Points >> shift);
        // A byte: a bonus that would wrap the total keeps it at the top.
        r->m_Points = static_cast<uint8_t>(points > 255 ? 255 : points);
    }
    return true;
}
