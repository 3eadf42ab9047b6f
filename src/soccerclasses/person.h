#pragma once
// The part every human being of the game world shares: name, nationality,
// age, contract, temperament, morale and face.
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/extstring.h"

class CCountry;

// An offer or a demand in contract talks.
struct CContractOffer {
    double m_SigningOnFee = 0;
    double m_WeeklyWage = 0;
    double m_Relocation = 0;
    int32_t m_Years = 0;

    bool operator==(const CContractOffer&) const = default;
};

// The face picture's features, packed as the saved record holds them.
struct CFace {
    uint32_t m_Word1 = 0;  // race 0-3, eye 4-7, mouth 8-11, nose 12-15, beard 16-19,
                           // ninth 20-23, colour 24-26, chin 27-31
    uint32_t m_Word2 = 0;  // hair 0-6; the other bits stay 0

    uint8_t Race() const { return Bits(m_Word1, 0, 4); }
    uint8_t Eye() const { return Bits(m_Word1, 4, 4); }
    uint8_t Mouth() const { return Bits(m_Word1, 8, 4); }
    uint8_t Nose() const { return Bits(m_Word1, 12, 4); }
    uint8_t Beard() const { return Bits(m_Word1, 16, 4); }
    uint8_t Ninth() const { return Bits(m_Word1, 20, 4); }
    uint8_t Colour() const { return Bits(m_Word1, 24, 3); }
    uint8_t Chin() const { return Bits(m_Word1, 27, 5); }
    uint8_t Hair() const { return Bits(m_Word2, 0, 7); }

    void SetRace(unsigned v) { Put(m_Word1, 0, 4, v); }
    void SetEye(unsigned v) { Put(m_Word1, 4, 4, v); }
    void SetMouth(unsigned v) { Put(m_Word1, 8, 4, v); }
    void SetNose(unsigned v) { Put(m_Word1, 12, 4, v); }
    void SetBeard(unsigned v) { Put(m_Word1, 16, 4, v); }
    void SetNinth(unsigned v) { Put(m_Word1, 20, 4, v); }
    void SetColour(unsigned v) { Put(m_Word1, 24, 3, v); }
    void SetChin(unsigned v) { Put(m_Word1, 27, 5, v); }
    void SetHair(unsigned v) { Put(m_Word2, 0, 7, v); }

    // Draws a face from the race table row (0..4) of the person's country.
    void Generate(int baseRaceRow, bool beardAllowed);

    bool operator==(const CFace&) const = default;

private:
    static uint8_t Bits(uint32_t w, int at, int width) {
        return static_cast<uint8_t>((w >> at) & ((1u << width) - 1));
    }
    static void Put(uint32_t& w, int at, int width, unsigned v) {
        uint32_t mask = ((1u << width) - 1) << at;
        w = (w & ~mask) | ((static_cast<uint32_t>(v) << at) & mask);
    }
};

class CPerson {
public:
    static constexpr uint8_t kMinimumAge = 16;
    // Status values.
    static constexpr uint8_t kStatusNone = 0;
    static constexpr uint8_t kStatusRenewalAgreed = 1;
    static constexpr uint8_t kStatusNoTalks = 3;
    static constexpr uint8_t kStatusListed = 10;
    static constexpr uint8_t kStatusRetiring = 11;

    CPerson() = default;
    CPerson(const CPerson& other);
    CPerson& operator=(const CPerson& other) = default;

    void Set(const std::string& forename, const std::string& surname, uint8_t age, uint8_t country);
    // Name, temperament, morale, country, wage, age and face; the contract
    // stays as it is.
    void CopyIdentity(const CPerson& other);
    void Clear();

    // Initialisers. Each clears the numeric fields first.
    void InitRandomYoungster(const CCountry& country);
    void InitRandomAdult(double weeklyWage, const CCountry& country);
    void InitGiven(uint8_t age, uint8_t contractYears, const CCountry& country, bool beardAllowed);
    // Draws a forename and a surname for the country (a results-only
    // country lends the names of a random league country).
    void DrawNames(const CCountry& country);

    const std::string& GetForename() const { return m_Forename; }
    const std::string& GetSurname() const { return m_Surname; }
    void SetForename(const std::string& s) { m_Forename = s; }
    void SetSurname(const std::string& s) { m_Surname = s; }
    uint8_t GetCountry() const { return m_Country; }
    void SetCountry(uint8_t c) { m_Country = c; }
    uint8_t GetAge() const { return m_Age; }
    void SetAge(uint8_t age);
    uint8_t GetContractYears() const { return m_ContractYears; }
    void SetContractYears(uint8_t y) { m_ContractYears = y; }
    uint8_t GetPendingYears() const { return m_PendingYears; }
    void SetPendingYears(uint8_t y) { m_PendingYears = y; }
    double GetPendingWage() const { return m_PendingWage; }
    void SetPendingWage(double w) { m_PendingWage = w; }
    uint8_t GetStatus() const { return m_Status; }
    void SetStatus(uint8_t s) { m_Status = s; }
    uint8_t GetTemperament() const { return m_Temperament; }
    void SetTemperament(uint8_t t) { m_Temperament = t; }
    uint8_t GetMorale() const { return m_Morale; }
    void SetMorale(uint8_t m) { m_Morale = m; }
    // Morale changes that stay within 0..99.
    void RaiseMorale(int by);
    void LowerMorale(int by);
    const CFace& GetFace() const { return m_Face; }
    CFace& Face() { return m_Face; }
    int16_t GetWeeksAtClub() const { return m_WeeksAtClub; }
    void SetWeeksAtClub(int16_t w) { m_WeeksAtClub = w; }
    double GetWeeklyWage() const { return m_WeeklyWage; }
    void SetWeeklyWage(double w) { m_WeeklyWage = w; }

    // Texts.
    std::string GetName() const;
    std::string GetAgeText() const;
    std::string GetContractYearsText() const;
    std::string GetNationalityText() const;
    std::string GetTemperamentText() const;
    std::string GetMoraleText() const;
    std::string GetWageText(const CCountry& country) const;
    std::string GetYearlyWageText(const CCountry& country) const;
    static int MoraleTextId(uint8_t morale);

    // Contract money: the wages still owed, or at most four weeks of them.
    double GetContractCost(bool capped, int weekOfSeason) const;
    std::string FormatContractMoney(const CCountry& country, uint32_t stringId, bool capped) const;

    void FillOfferFromContract(CContractOffer& offer) const;
    void ApplyContract(const CContractOffer& offer);
    void ClearPendingRenewal();
    void ClearWage() { m_WeeklyWage = 0.0; }
    // Ages a season; true when the contract has run out.
    bool EndSeason();

    // The saved-game record.
    void Save(FILE* file) const;
    void Load(FILE* file);
    // The person part of a players.bin record (after the forename and
    // surname, which the caller reads first).
    void ReadDatabase(FILE* file);
    void WriteDatabase(FILE* file) const;
    // The 8 face bytes of the start-up files, after the race byte.
    void ReadFaceBytes(FILE* file);
    void WriteFaceBytes(FILE* file) const;

    bool operator==(const CPerson&) const = default;

private:
    void ClearNumbers();

    CExtString m_Forename;
    CExtString m_Surname;
    uint8_t m_Country = 0;
    uint8_t m_Age = 0;
    uint8_t m_ContractYears = 0;
    uint8_t m_PendingYears = 0;
    uint8_t m_Status = 0;
    uint8_t m_Temperament = 0;
    uint8_t m_Morale = 80;
    CFace m_Face;
    int16_t m_WeeksAtClub = 0;
    double m_PendingWage = 0;
    double m_WeeklyWage = 0;
};
