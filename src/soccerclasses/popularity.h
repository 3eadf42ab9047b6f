#pragma once
// The popularity table: what a club of each standing has and attracts, from
// the most popular row (index 0) down. Read once from "Data\\popularity.bin".
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CCountry;
class CDivisionStrength;

class CPopularity {
public:
    static constexpr int kBands = 4;
    static constexpr size_t kFileBytes = 220;

    // Field order of the file.
    double m_BaseValue = 0;
    double m_ManagerWageBase = 0;
    double m_ManagerWageSpread = 0;
    double m_YouthWage = 0;
    double m_TicketPriceBase = 0;
    double m_TicketPriceSpread = 0;
    double m_BalanceBase = 0;
    double m_BalanceSpread = 0;
    double m_GeneralWagesBase = 0;
    double m_GeneralWagesSpread = 0;
    int32_t m_BaseCount = 0;
    double m_Value12 = 0;
    double m_RunningCostBase = 0;
    double m_RunningCostSpread = 0;
    uint8_t m_LevelByte = 0;
    uint8_t m_Byte16 = 0;
    uint8_t m_StandingByte = 0;
    uint8_t m_RenewalByte = 0;
    double m_SpendingFigure = 0;
    double m_TransferFigure = 0;
    int32_t m_BonusBase = 0;
    int32_t m_BonusSpread = 0;
    int32_t m_DownwardStep = 0;
    int32_t m_UpwardStep = 0;
    int32_t m_CrowdBase = 0;
    uint8_t m_StaffLevelMinimum = 0;
    uint8_t m_StaffLevelRange = 0;
    double m_PercentageValue = 0;
    std::array<uint8_t, kBands> m_Regeneration{};
    std::array<uint8_t, kBands> m_BandA{};
    std::array<uint8_t, kBands> m_BandB{};
    std::array<uint8_t, kBands> m_AbilityBase{};
    std::array<uint8_t, kBands> m_AbilitySpread{};
    double m_SponsorshipBase = 0;
    double m_SponsorshipSpread = 0;
    double m_TelevisionBase = 0;
    double m_TelevisionSpread = 0;
    double m_MerchandisingRate = 0;
    uint8_t m_ManagerRatingThreshold = 0;
    // The chance, in percent, that the club turns away an approach for a
    // player it has not listed: big clubs seldom let one go.
    uint8_t m_UnlistedRefusalChance = 0;

    void Read(FILE* file);
    void Write(FILE* file) const;
    // Empty when the row passes the reading checks, else what is wrong.
    std::string CheckRow() const;

    double GetValue(uint8_t percent) const;
    double GetBudget(uint8_t percent) const;
    int GetRandomAbility(int position) const;
    bool IsAbilityInBand(uint8_t value, int position) const;
    int GetAbilityUpperBound(int position) const;
    uint8_t GetBandA(int position) const;
    uint8_t GetRegenerationByte(int position) const;
    uint8_t GetAbilityBase(int position) const { return m_AbilityBase[Band(position)]; }
    bool FitsAbility(uint8_t ability, int position) const;
    bool IsManagerRated(uint8_t rating) const { return rating >= m_ManagerRatingThreshold; }
    int GetTicketPrice() const;

private:
    // Strength classes and positions beyond the four entries use the last.
    static int Band(int position);
};

class CPopularityList {
public:
    static constexpr int kBonusTableSize = 16;
    static const int kManagerBonusIds[kBonusTableSize];

    static constexpr const char* kFile = "Data\\popularity.bin";

    CPopularityList() = default;
    // Reads the start-up file; throws DataFileError when it is missing or
    // fails the reading checks.
    explicit CPopularityList(const std::string& gamePath);
    ~CPopularityList();
    CPopularityList(const CPopularityList&) = delete;
    CPopularityList& operator=(const CPopularityList&) = delete;
    CPopularityList(CPopularityList&&) = default;
    CPopularityList& operator=(CPopularityList&&) = default;

    // Reads the table from an open channel file. A row that fails the checks,
    // or a short file, marks the file damaged; the list is then left empty.
    bool Load(FILE* file);
    // The same from a whole file; false with a reason when refused.
    bool LoadFile(const std::string& path, std::string* why = nullptr);
    void Save(FILE* file) const;

    int GetSize() const { return static_cast<int>(rows_.size()); }
    void Add(const CPopularity& row) { rows_.push_back(std::make_unique<CPopularity>(row)); }
    CPopularity* GetAt(int index) const;

    double GetBaseValue(int index) const { return Row(index).m_BaseValue; }
    double GetValue4(int index) const { return Row(index).m_YouthWage; }
    int GetBaseCount(int index) const { return Row(index).m_BaseCount; }
    int GetCrowdBase(int index) const { return Row(index).m_CrowdBase; }
    uint8_t GetAbilityBase(int index, int position) const { return Row(index).GetAbilityBase(position); }
    uint8_t GetLevelByte(int index) const { return Row(index).m_LevelByte; }
    uint8_t GetStaffLevelMinimum(int index) const { return Row(index).m_StaffLevelMinimum; }
    int GetStaffLevelMaximum(int index) const;
    int GetDownwardStep(int index) const;
    int GetUpwardStep(int index) const;
    bool IsBaseCountOver25000(int index) const { return Row(index).m_BaseCount > 25000; }
    double GetPercentValue(int index, uint8_t percent) const;
    // The yearly wage a club of this row offers its manager, in the money of
    // a country whose wage factor is `wageFactor`; `round` is the country's
    // rounding (RoundMoney), identity when absent.
    double GetManagerWage(int index, uint8_t wageFactor, double (*round)(double) = nullptr) const;
    int GetManagerBonus(int index) const;

    // Match attendance. `strengthFactor` is the home division strength's
    // factor for the price figure x.
    int GetAttendance(uint8_t competition, uint8_t homePos, uint8_t awayPos, uint8_t homeSize,
                      uint8_t awaySize, uint8_t b, int capacity, double x, int homeIndex,
                      int awayIndex, double strengthFactor) const;

private:
    const CPopularity& Row(int index) const;
    std::vector<std::unique_ptr<CPopularity>> rows_;
};
