#pragma once
// Referees, read from "Data\\Referees.bin", with their season and career
// cards; and the result lines of the fixture and results lists.
//
// The start-up record is the person part of a players.bin record, then two
// record bytes and the u16 world index of the division the referee serves.
// Record byte 0 is his grade: the place of that division in its country (0
// the top); byte 1 is spare. The filter value is his division.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/owninglist.h"
#include "soccerclasses/person.h"

class CCountry;
class CDivisionList;
class CFixture;
class CListRows;

class CSoccerReferee {
public:
    // Fixture kinds by group: league 0; cup ties 1, 2, 4, 5; kinds 3 and 6.
    static int GroupOfKind(uint8_t fixtureKind);
    static constexpr int kFirstRetirementAge = 44;

    void ReadRecord(FILE* file);
    void WriteRecord(FILE* file) const;

    void AddMatch(uint8_t bookings, uint8_t sendingsOff, uint8_t fixtureKind);
    // A referee's influence on the cards a side is planned to get: none.
    int AdjustCardCount(int count) const { return count; }
    // The yearly step: he ages, and once he has reached his retirement age
    // (44 + Random(5), drawn afresh each year) he is replaced by a new
    // referee of the country aged 30 to 36. The season counts start again.
    // True when he retired.
    bool NewSeason(const CCountry* country);
    int GetSeasonBookings() const;
    int GetSeasonSendingsOff() const;
    int GetDisciplinaryPoints() const { return 3 * (GetSeasonBookings() + 2 * GetSeasonSendingsOff()); }
    // A row for a referee who has shown a card this season.
    bool AddToListControl(CListRows& rows) const;
    uint16_t GetDivision() const { return m_Division; }
    int GetFilterValue() const { return m_Division; }
    uint8_t GetGrade() const { return m_RecordBytes[0]; }

    void Save(FILE* file) const;
    void Load(FILE* file);

    struct Counts {
        uint8_t bookings = 0, sendingsOff = 0, matches = 0;
    };
    struct CareerCounts {
        uint16_t bookings = 0, sendingsOff = 0, matches = 0;
    };

    CPerson m_Person;
    std::array<uint8_t, 2> m_RecordBytes{};
    uint16_t m_Division = 0;
    std::array<Counts, 3> m_Season{};
    std::array<CareerCounts, 3> m_Career{};
};

class CSoccerRefereeList : public OwningList<CSoccerReferee> {
public:
    static constexpr const char* kFileName = "Data\\Referees.bin";

    // Reads the referees; throws DataFileError when the file is missing,
    // damaged, or names a division that is not one of the referee's country.
    void ReadFile(const char* relPath, const CDivisionList& divisions, int countryCount);
    static void WriteFile(FILE* file, const std::vector<const CSoccerReferee*>& referees);

    // No count: the list comes from the start-up file.
    void Save(FILE* file) const;
    void Load(FILE* file);
};

class CSoccerResult {
public:
    void SetHome(const std::string& name, uint8_t human, const CCountry* country);
    void SetAway(const std::string& name, uint8_t human, const CCountry* country);
    void SetFixture(const CFixture* fixture);
    bool HasScore() const { return m_Fixture != nullptr; }
    void AddToListControl(CListRows& rows, int row) const;

    std::string m_HomeName, m_AwayName;
    const CCountry* m_HomeCountry = nullptr;
    const CCountry* m_AwayCountry = nullptr;
    int16_t m_HomeHuman = 0, m_AwayHuman = 0;
    int32_t m_HomeGoals = -1, m_AwayGoals = -1, m_Attendance = -1;
    const CFixture* m_Fixture = nullptr;
};

class CSoccerResultList : public OwningList<CSoccerResult> {};
