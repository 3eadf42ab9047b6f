#pragma once
// The youth job market of a country followed in detail: youngsters a club
// can take into its youth squad.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "soccerclasses/person.h"
#include "soccerclasses/soccerplayer.h"

class CClub;
class CCountry;
class CListRows;
class CPopularity;

class CAvailableYouth {
public:
    void Save(FILE* file) const;
    void Load(FILE* file);
    // A youngster of the country; his ability from the row's entry
    // `entry` (the division's strength class).
    void Generate(const CCountry& country, const CPopularity& row, uint8_t entry);

    CPerson m_Person;
    CSoccerPlayer m_Football;
    uint8_t m_WeeksOnMarket = 0;
};

class CAvailableYouthList {
public:
    static constexpr int kRefillBelow = 12;

    CAvailableYouthList() = default;
    CAvailableYouthList(const CAvailableYouthList&) = delete;
    CAvailableYouthList& operator=(const CAvailableYouthList&) = delete;

    int GetSize() const { return static_cast<int>(entries_.size()); }
    CAvailableYouth* GetAt(int i) const;
    // `youthDevelopment` is the club's youth-development figure.
    void Update(const CCountry& country, const CPopularity& row, uint8_t divisionLevel, uint8_t youthDevelopment);
    void EndOfSeason();
    void RemoveAt(int i);
    void RemoveAll() { entries_.clear(); }
    int FindIndex(const CAvailableYouth* y) const;
    void FillList(CListRows& list) const;

    // int32 count, then the entries.
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CAvailableYouth>> entries_;
};
