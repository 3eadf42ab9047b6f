#pragma once
// One row of a league table. Least form for the club code; the
// competition records own it.
#include <cstdint>
#include <cstdio>

class CTableData {
public:
    int32_t club = -1;
    uint8_t homePlayed = 0, homeWon = 0, homeDrawn = 0, homeLost = 0, homeFor = 0, homeAgainst = 0;
    uint8_t homeWinRun = 0, homeLoseRun = 0, homeNoWin = 0, homeUnbeaten = 0;
    uint8_t awayPlayed = 0, awayWon = 0, awayDrawn = 0, awayLost = 0, awayFor = 0, awayAgainst = 0;
    uint8_t awayWinRun = 0, awayLoseRun = 0, awayNoWin = 0, awayUnbeaten = 0;
    uint8_t noWin = 0, unbeaten = 0, losingRun = 0, winningRun = 0;
    uint8_t position = 0;
    uint8_t points = 0;

    void Reset(uint8_t newPosition);
    int GetPlayed() const { return homePlayed + awayPlayed; }
    int GetGoalDifference() const { return (homeFor + awayFor) - (homeAgainst + awayAgainst); }
    void Save(FILE* f) const;
    void Load(FILE* f);
};
