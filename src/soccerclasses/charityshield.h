#pragma once
// The season-opening shields (competitions code): each one a cup between
// clubs that qualified in the season before.
#include <cstdint>
#include <cstdio>

#include "soccerclasses/cup.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/owninglist.h"

struct CFixtureInfo;

inline constexpr const char* kShieldsFile = "Data\\Shields.bin";

class CCharityShield : public CCup {
public:
    // The number by which cups and the world find this shield.
    int32_t m_Index = -1;
    // Clubs qualified for the next shield.
    CExtDWordArray m_Entrants;

    bool HasEntrant(int club) const { return m_Entrants.Find(static_cast<uint32_t>(club)) >= 0; }
    // A club already qualified is not entered twice.
    void AddEntrant(int club) {
        if (!HasEntrant(club)) m_Entrants.Add(static_cast<uint32_t>(club));
    }

    // One record of "Data\\Shields.bin": index, the two entrants, the
    // country, then the cup's definition. nullptr when usable, else what is
    // wrong. `clubCount` bounds the entrants.
    const char* ReadRecord(FILE* file, int countryCount, int clubCount, const Limits& limits,
                           const std::function<int(const CupNonLeagueRecord&)>& addNonLeague);
    void WriteRecord(FILE* file, int32_t firstEntrant, int32_t secondEntrant,
                     const std::vector<uint8_t>& roundNameIndexes) const;

    // On the draw day the final is paired from the qualified clubs (or, by
    // entry scheme 5, from the leaders of the top two divisions), and the
    // entrants are emptied for next season. No random draw, no news.
    void DrawToday();
    // The day's match; once the final is complete the winner takes the
    // honours and the country's headline. True when a round was played.
    bool PlayToday(bool live);
    // The season's end without honours: every tie goes.
    void EndOfSeason() { CCup::EndOfSeason(false); }
};

class CCharityShieldList : public OwningList<CCharityShield> {
public:
    // The first shield whose cup has a match of the club on the day.
    bool FindFixture(int day, int club, CFixtureInfo& info) const;
    // The shield of that shield index; null when none.
    CCharityShield* GetByIndex(int index) const;
    // The shield played in that country; null when none.
    CCharityShield* GetByCountry(int country) const;
    void DrawToday() {
        for (const auto& s : *this) s->DrawToday();
    }
    // Every shield's match of the day; true when any played.
    bool PlayToday(bool live);
    // Per shield in list order: its index, its entrants and its cup; no
    // count (the list comes from the start-up file).
    void Save(FILE* file) const;
    void Load(FILE* file);
};
