#pragma once
// The league play-offs (competitions code): cups whose entrants come from
// table places of the divisions.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/cup.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/owninglist.h"

class CFixture;
class CListRows;

inline constexpr const char* kPlayOffsFile = "Data\\PlayOffs.bin";

class CPlayOff : public CCup {
public:
    uint8_t m_Spare = 0;
    uint8_t m_Id = 0;           // the id by which divisions name it
    uint8_t m_ExtraPlaces = 0;  // clubs it sends up

    // One record of "Data\\PlayOffs.bin": id, country, spare byte, extra
    // places, then the cup's definition. nullptr when usable, else what is
    // wrong.
    const char* ReadRecord(FILE* file, int countryCount, const Limits& limits,
                           const std::function<int(const CupNonLeagueRecord&)>& addNonLeague);
    void WriteRecord(FILE* file, const std::vector<CupNonLeagueRecord>& nonLeague,
                     const std::vector<uint8_t>& roundNameIndexes) const;

    // The draw of the round whose draw slot is today: the first round takes
    // the clubs of every division that names this play-off, later rounds
    // their group qualifiers or the previous round's winners.
    void Draw();
    // The clubs going up, winners first; a single-place knock-out play-off
    // also gives its beaten finalist. With `mark` the clubs get their
    // honours. The play-off is then cleared for the next season.
    void GetOutcome(CExtDWordArray& out, uint8_t mark);
    // The same order without honours and without clearing; empty while the
    // last round has no ties.
    void CollectOutcome(CExtDWordArray& out);
    // The club stands in a tie or a replay of any round.
    bool IsClubInvolved(int club) const;

    // The club's path through the play-off: a row per shown round with its
    // name and, where the club has a tie, the opponent, home or away, and
    // the score and gate once played.
    void FillRoundList(CListRows& rows, int club) const;
    // The same below a division's promotion play-off rows; nothing when it
    // is that play-off, whose rows are already there.
    void FillRelegationRoundList(CListRows& rows, const CPlayOff* promotion, int club) const;
    // The ties of the latest drawn round, then its replays, that the club
    // plays in (every one when the club is -1).
    void FillTieList(CListRows& rows, int club) const;
    void FillRelegationTieList(CListRows& rows, const CPlayOff* promotion, int club) const;
    // The round with ties that was drawn last; -1 before the first draw.
    int GetCurrentRoundIndex() const;
};

class CPlayOffList : public OwningList<CPlayOff> {
public:
    // The club's play-off match on the day; false, and *out untouched, when none.
    bool FindFixture(int day, int club, CFixture** out) const;
    // The last play-off with the id; null when none (0 names none).
    CPlayOff* FindById(uint8_t id) const;
    void DrawAll() {
        for (const auto& p : *this) p->Draw();
    }
    // Each play-off's round of the day, then its replays; true when any played.
    bool PlayToday(bool live);
    bool IsClubInvolved(int club) const;
    // Each play-off in list order: its id and its cup; no count.
    void Save(FILE* file) const;
    void Load(FILE* file);
};
