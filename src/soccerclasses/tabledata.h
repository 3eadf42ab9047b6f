#pragma once
// One row of a league or group table, and the table order.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CExtDWordArray;
class CFixture;
class CListRows;

class CTableData {
public:
    CTableData() { Clear(); }

    void Clear();
    // Starts a season at `position`; the runs carry over.
    void Reset(uint8_t position);
    void AddHomeResult(int homeGoals, int awayGoals, uint8_t winPoints, int drawPoints, uint8_t homeWonShootout);
    void AddAwayResult(int homeGoals, int awayGoals, uint8_t winPoints, int drawPoints, uint8_t homeWonShootout);

    int GetPlayed() const { return m_HomePlayed + m_AwayPlayed; }
    int GetWon() const { return m_HomeWon + m_AwayWon; }
    int GetDrawn() const { return m_HomeDrawn + m_AwayDrawn; }
    int GetLost() const { return m_HomeLost + m_AwayLost; }
    int GetGoalsFor() const { return m_HomeFor + m_AwayFor; }
    int GetGoalsAgainst() const { return m_HomeAgainst + m_AwayAgainst; }
    int GetGoalDifference() const { return GetGoalsFor() - GetGoalsAgainst(); }
    // Goals as the table order weighs them: kept to a byte.
    int GetSortGoals() const { return GetGoalsFor() % 256; }

    // The table order: true when this row belongs above `earlier`, a row that
    // stood before it (level rows move up, so they end reversed).
    bool RanksAbove(const CTableData& earlier) const;

    void Save(FILE* file) const;
    void Load(FILE* file);
    // Puts the row at the list row of its position, coloured by its place.
    void AddToListControl(CListRows& rows, uint32_t normalColour, uint32_t promotionColour, uint32_t relegationColour,
                          int promotionPlaces, int relegationPlaces, int clubCount, const std::string& name,
                          uint8_t promotionPlayOffClubs, uint8_t relegationPlayOffClubs, uint32_t playOffColour) const;

    int32_t m_Club;
    uint8_t m_HomePlayed, m_HomeWon, m_HomeDrawn, m_HomeLost;
    uint8_t m_HomeFor, m_HomeAgainst;
    uint8_t m_HomeWinRun, m_HomeLoseRun, m_HomeNoWinRun, m_HomeUnbeatenRun;
    uint8_t m_AwayPlayed, m_AwayWon, m_AwayDrawn, m_AwayLost;
    uint8_t m_AwayFor, m_AwayAgainst;
    uint8_t m_AwayWinRun, m_AwayLoseRun, m_AwayNoWinRun, m_AwayUnbeatenRun;
    uint8_t m_NoWinRun, m_UnbeatenRun, m_LoseRun, m_WinRun;
    uint8_t m_Position, m_Points;

private:
    struct Half {
        uint8_t *played, *won, *drawn, *lost, *gf, *ga, *winRun, *loseRun, *noWinRun, *unbeatenRun;
    };
    Half HomeHalf();
    Half AwayHalf();
    void AddResult(Half h, int own, int other, bool won, bool drawn, uint8_t winPoints, int drawPoints);
};

// Sorts rows into the table order by insertion, in place.
void SortTableRows(std::vector<CTableData*>& rows);

class CTableDataList {
public:
    int GetSize() const { return static_cast<int>(m_Rows.size()); }
    CTableData* GetAt(int i) const { return m_Rows.at(static_cast<size_t>(i)).get(); }

    void CreateRows(int n);
    void SetClubs(const CExtDWordArray& clubs);
    void ResetAll();
    // Table order, then each row's position is its index.
    void Sort();
    // A group match: 3 points a win, 1 a draw; nothing until it is played.
    void AddGroupResult(const CFixture& fixture);
    // Each row gains a half, all or a quarter (50, 100, 25) of the points its
    // club has in its own league row; false, changing nothing, for any other
    // percentage but 0.
    bool AddLeagueBonus(uint8_t percent);
    CTableData* FindClubRow(int club) const;
    void RemoveAll() { m_Rows.clear(); }

private:
    std::vector<std::unique_ptr<CTableData>> m_Rows;
};
