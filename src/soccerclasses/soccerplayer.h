#pragma once
// The football half of every player-like person: position, ability and
// skills, condition, development, ratings and who knows him; his generation,
// training and development; his value, fees and wages.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "soccerclasses/person.h"

class CPopularity;
class CCountry;
class CClub;
class CSoccerPlayerCareerPathList;
class CSkillMoneyValueList;
struct CSkillMoneyValue;

class CPlayerRating {
public:
    CPlayerRating() { Reset(); }
    virtual ~CPlayerRating() = default;
    CPlayerRating(const CPlayerRating&) = default;
    CPlayerRating& operator=(const CPlayerRating&) = default;

    void Reset() { m_Ratings.fill(0); }
    void Init(uint8_t ability);
    void Add(uint8_t rating);
    uint8_t GetLatest() const { return m_Ratings[0]; }
    uint8_t GetAt(int i) const { return m_Ratings.at(static_cast<size_t>(i)); }
    int GetAverage() const;
    void CopyFrom(const CPlayerRating& other) { m_Ratings = other.m_Ratings; }
    void Save(FILE* file) const;
    void Load(FILE* file);

    bool operator==(const CPlayerRating& o) const { return m_Ratings == o.m_Ratings; }

    std::array<uint8_t, 6> m_Ratings{};
};

// The money figures' country: its wage factor (a percentage) and the
// rounding of its currency.
struct MoneyScale {
    uint8_t percent = 100;
    double (*round)(double, const CCountry*) = nullptr;
    const CCountry* country = nullptr;

    // The country's rounding, or the plain tidy-figure ladder without one.
    double Round(double v) const;
    // (x / 100, integer division) x the percentage.
    double Scaled(int64_t x) const { return static_cast<double>((x / 100) * percent); }
};

// The figures of the country's wage factor, rounded in its currency.
MoneyScale MoneyScaleOf(const CCountry* country);

class CSoccerPlayer {
public:
    enum Position : uint8_t { kGoalkeeper = 0, kDefender = 1, kMidfielder = 2, kAttacker = 3 };
    static constexpr uint8_t kLeftFoot = 0x80;
    static constexpr int kTrainingSlots = 7;

    CSoccerPlayer();

    void Reset();
    void CopyFrom(const CSoccerPlayer& other) { *this = other; }

    // Ability from the four position skills by the weights of the position.
    void RecalculateAbility();
    void ClampSkills();

    int GetPosition() const { return m_Position & 0x7F; }
    uint8_t GetTopFlag() const { return m_Position & kLeftFoot; }
    bool IsLeftFooted() const { return GetTopFlag() != 0; }
    void SetPosition(int position, bool leftFoot);
    uint8_t GetAbility() const { return m_Ability; }
    uint8_t GetPreviousAbility() const { return m_PreviousAbility; }
    uint8_t GetPositionSkill() const;
    std::string GetPositionText() const;
    uint32_t GetPositionLetterId() const { return 395 + static_cast<uint32_t>(ClampedPosition()); }
    double GetFormFactor() const;
    bool HasImproved() const { return m_Ability > m_PreviousAbility; }
    bool HasDeclined() const { return m_Ability < m_PreviousAbility; }

    void SetScouted(uint8_t user) { SetBit(m_ScoutedMask, user, true); }
    // A scouting report that has gone is forgotten even by a reader who
    // only looks: the mask is mutable for that.
    void ClearScouted(uint8_t user) const { SetBit(m_ScoutedMask, user, false); }
    void SetKnownBy(uint8_t user) { SetBit(m_KnownMask, user, true); }
    bool IsKnownBy(int user) const { return user >= 0 && user < 8 && (m_KnownMask >> user) & 1; }
    bool IsScoutedBy(int user) const { return user >= 0 && user < 8 && (m_ScoutedMask >> user) & 1; }
    // 1 known, plus 2 scouted, for the user given.
    int GetKnownState(int user) const;

    // players.bin's 12 football bytes.
    void ReadDatabase(FILE* file);
    void WriteDatabase(FILE* file) const;
    void Save(FILE* file) const;
    void Load(FILE* file);

    // --- Generation ---
    void Generate(int age, uint8_t position, uint8_t ability);
    void GenerateSkills();
    void AdjustForYouth();
    void AdjustForVeteran();
    // A youngster: his position is that of `positionOf` (a random existing
    // player of the country), his ability from entry `entry` of the row.
    void GenerateForCountry(int age, int position, const CPopularity& row, uint8_t entry);
    void GenerateFromPopularity(int age, const CPopularity& row, uint8_t abilityEntry, uint8_t position);
    void GenerateStar();

    // --- Training, development, condition ---
    // Weekly training with the club's first and second settings (already
    // divided by 40).
    void Train(int age, double general, double specific);
    void TrainAvailableYouth(int age, uint8_t youthDevelopment);
    void DevelopGroup(double amount, int age, int group);
    void Develop(int age, uint8_t rating);
    void AfterMatchCondition(uint8_t minutes);
    void Rest(uint8_t age);
    void RerollCondition();
    void Decline(int n);
    static int MinutesBracket(int minutes);
    static int EnergyRecovery(int age);

    // --- Value, fees and wages ---
    int GetValue(int age, uint8_t temperament, uint8_t percent, uint8_t skill = 0) const;
    double GetMinimumFee(int age, uint8_t temperament, const MoneyScale& m) const;
    double GetMaximumFee(int age, uint8_t temperament, const MoneyScale& m) const;
    bool IsAboveMaximumFee(double price, int age, uint8_t temperament, const MoneyScale& m) const;
    double GetTransferFee(int age, uint8_t temperament, const MoneyScale& m) const;
    double GetWageDemand(int age, const MoneyScale& m) const;
    double GetMinimumWage(int age, const MoneyScale& m) const;
    double GetMaximumWage(int age, const MoneyScale& m) const;
    double GetSigningFeeDemand(int age, bool freeAgent, const MoneyScale& m) const;
    double GetMinimumSigningFee(int age, bool freeAgent, const MoneyScale& m) const;
    double GetMaximumSigningFee(int age, bool freeAgent, const MoneyScale& m) const;
    void GetContractDemands(CContractOffer& offer, int age, bool freeAgent, const MoneyScale& m) const;
    // A string id, or -1 when the offer is acceptable.
    int CheckOffer(const CContractOffer& demands, int age, const CContractOffer& offer,
                   uint8_t percent, bool freeAgent) const;
    // "T" for an acceptable offer, else the text of CheckOffer's answer.
    std::string GetOfferReply(const CContractOffer& demands, int age, const CContractOffer& offer,
                              uint8_t percent, bool freeAgent, const std::string& name) const;
    bool FitsPopularity(const CPopularity& row, int age, int position) const;

    bool operator==(const CSoccerPlayer&) const = default;

    CPlayerRating m_Rating;
    std::array<double, 5> m_Progress{};
    uint8_t m_Position = 0;
    uint8_t m_Ability = 0;
    uint8_t m_PreviousAbility = 0;
    uint8_t m_Handling = 0;
    uint8_t m_Tackling = 0;
    uint8_t m_Passing = 0;
    uint8_t m_Shooting = 0;
    uint8_t m_Pace = 0;
    uint8_t m_PaceUpTicks = 0;
    uint8_t m_PaceDownTicks = 0;
    uint8_t m_Strength = 0;
    uint8_t m_StrengthTicks = 0;
    uint8_t m_Heading = 0;
    uint8_t m_Fitness = 0;
    uint8_t m_Energy = 0;
    uint8_t m_Flair = 0;
    uint8_t m_Dribbling = 0;
    uint8_t m_CareerPath = 0;
    std::array<uint8_t, kTrainingSlots> m_Training{};
    mutable uint8_t m_ScoutedMask = 0;
    uint8_t m_KnownMask = 0;

private:
    int ClampedPosition() const;
    uint8_t& SkillOfGroup(int group);
    void ApplyGains(double& p, double f, int group);
    void ApplyLosses(double& p, double f);
    void SpillOver(int group, int r, int delta);
    const CSkillMoneyValue& MoneyRow(int age) const;
    static void SetBit(uint8_t& mask, uint8_t user, bool on);
};
