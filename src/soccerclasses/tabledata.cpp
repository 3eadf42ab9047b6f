#include "soccerclasses/tabledata.h"

#include "soccerclasses/clubfile.h"

using namespace clubfile;

void CTableData::Reset(uint8_t newPosition) {
    homePlayed = homeWon = homeDrawn = homeLost = homeFor = homeAgainst = 0;
    awayPlayed = awayWon = awayDrawn = awayLost = awayFor = awayAgainst = 0;
    position = newPosition;
    points = 0;
}

void CTableData::Save(FILE* f) const {
    PutI32(f, club);
    for (uint8_t b : {homePlayed, homeWon, homeDrawn, homeLost, homeFor, homeAgainst, homeWinRun, homeLoseRun,
                      homeNoWin, homeUnbeaten, awayPlayed, awayWon, awayDrawn, awayLost, awayFor, awayAgainst,
                      awayWinRun, awayLoseRun, awayNoWin, awayUnbeaten, noWin, unbeaten, winningRun, losingRun,
                      position, points})
        PutU8(f, b);
}

void CTableData::Load(FILE* f) {
    club = GetI32(f);
    for (uint8_t* b : {&homePlayed, &homeWon, &homeDrawn, &homeLost, &homeFor, &homeAgainst, &homeWinRun,
                       &homeLoseRun, &homeNoWin, &homeUnbeaten, &awayPlayed, &awayWon, &awayDrawn, &awayLost,
                       &awayFor, &awayAgainst, &awayWinRun, &awayLoseRun, &awayNoWin, &awayUnbeaten, &noWin,
                       &unbeaten, &winningRun, &losingRun, &position, &points})
        *b = GetU8(f);
}
