#pragma once
// Clubs outside the leagues that enter the domestic cups, with their small
// generated squads.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/clubrecords.h"
#include "soccerclasses/extstring.h"
#include "soccerclasses/owninglist.h"
#include "soccerclasses/person.h"
#include "soccerclasses/soccerplayer.h"

class CCountry;

class CNonLeaguePlayer {
public:
    // A part-timer of 16 to 36 and an ability of about 10.
    void Make(const std::string& forename, const std::string& surname, int position, int baseRaceRow);

    CPerson m_Person;
    CSoccerPlayer m_Football;
};

class CNonLeaguePlayerList {
public:
    static constexpr int kSquadOrder[25] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 1, 0, 2, 1, 0, 2, 3, 0, 3, 1, 1, 2, 2};

    int GetSize() const { return static_cast<int>(slots_.size()); }
    CNonLeaguePlayer* GetAt(int i) const;
    void RemoveAll() { slots_.clear(); }
    // `count` (1..29) players of the squad order, named after players of the country.
    void Generate(int count, const CCountry& country);

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CNonLeaguePlayer>> slots_;
};

class CNonLeagueClub {
public:
    static constexpr int kSquadSize = 24;

    const CExtString& GetName() const { return m_Name; }
    int32_t GetStadium() const { return m_Stadium; }
    // The name and ground only (a club with no country yet).
    void Set(const std::string& name, int32_t stadium) {
        m_Name = name;
        m_Stadium = stadium;
    }
    // A club as its cup definition brings it in.
    void Create(const std::string& name, int32_t stadium, const CCountry& country, const CKits& home,
                const CKits& away);
    // Back to a fresh club of the country; a followed country's club gets
    // its squad.
    void Reset(const CCountry& country);
    std::string GetStadiumName() const;

    void Save(FILE* file) const;
    void Load(FILE* file);

    CExtString m_Name;
    CKits m_HomeKit;
    CKits m_AwayKit;
    CNonLeaguePlayerList m_Squad;
    int32_t m_Stadium = 0;
    uint16_t m_FirstWord = 0;
    uint16_t m_Popularity = 0;
    uint8_t m_Country = 0;
    uint8_t m_Status = 0;
    uint8_t m_Settings[3] = {0, 0, 0};
};

// Saved after the clubs, with no count: loading reads as many clubs as the
// built world holds.
class CNonLeagueClubList : public OwningList<CNonLeagueClub> {
public:
    void Save(FILE* file) const;
    void Load(FILE* file);
};
