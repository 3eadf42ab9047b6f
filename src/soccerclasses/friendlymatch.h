#pragma once
// The world's friendlies: one fixture per friendly, with its match day beside it.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixture.h"

class CFriendlyMatchList : public CFixtureList {
public:
    // Appends a friendly (5 named, 5 allowed, no crowd yet, no referee).
    void AddFriendly(int16_t home, int16_t away, uint8_t matchDay);
    // Every friendly the club plays in goes, last first.
    void RemoveClubFriendlies(int club);
    uint8_t GetMatchDay(int i) const { return m_MatchDays.GetAt(i); }
    // The score of the club's first friendly on the match day; empty when
    // it has none that day.
    std::string GetFriendlyResultText(int club, uint8_t matchDay) const;
    // Today's friendlies in list order: a human manager's on the match-day
    // screen when withScreen is 1 (with him as the current user), the others
    // without it; then each human manager hears how it went.
    void PlayTodaysFriendlies(int withScreen);
    // Each human manager of the match hears the result, the code chosen by
    // the result and the clubs' popularity gap.
    static void SendResultMessages(const CFixture& fixture);

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    CExtByteArray m_MatchDays;
};
