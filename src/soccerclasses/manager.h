#pragma once
// Every club's manager, computer or human: his history of three clubs, his
// rating, the board's and the fans' confidence, his savings and his record.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/person.h"

class CListRows;
class CCountry;
class CBasicEmployee;
class CClub;
struct CFixtureInfo;

struct CManagerHistory {
    int16_t m_Club = -1;
    int32_t m_JoinedDay = 0;  // days since 1970; 0 = none
    int32_t m_LeftDay = 0;
    double m_Sales = 0;
    double m_Purchases = 0;

    bool operator==(const CManagerHistory&) const = default;
};

class CManager {
public:
    // Games the club must have played in the season before the board may
    // sack its manager, and weeks he must have been there.
    static constexpr int kGamesBeforeSacking = 11;
    static constexpr int kWeeksBeforeSacking = 7;

    CManager() { Clear(); }
    // A manager made from a person or a member of staff, on a positive
    // weekly wage; he joins the club when its index is not negative.
    CManager(const CPerson& person, double weeklyWage, uint8_t contractYears, int club);
    CManager(const CBasicEmployee& employee, double weeklyWage, uint8_t contractYears, int club);

    void Clear();
    void ResetRecord();

    CPerson& Person() { return m_Person; }
    const CPerson& Person() const { return m_Person; }
    std::string GetName() const { return m_Person.GetName(); }
    bool IsEmployed() const { return m_History[0].m_Club >= 0; }
    int GetClubIndex() const { return m_History[0].m_Club; }
    void SetClubIndex(int club) { m_History[0].m_Club = static_cast<int16_t>(club); }
    int GetPreviousClubIndex() const { return m_History[1].m_Club; }
    // The current club, else the previous one, else -1.
    int GetLastClubIndex() const;
    // The clubs behind those indexes; NULL when none.
    CClub* GetClub() const;
    CClub* GetPreviousClub() const;
    // The current club's name, else the previous one's; empty when none.
    std::string GetLastClubName() const;
    // "-" when he had no club before.
    std::string GetPreviousClubName() const;
    double GetRating() const { return m_Rating; }
    uint8_t GetBoardConfidence() const { return IsEmployed() ? m_BoardConfidence : 0; }
    uint8_t GetFanConfidence() const { return IsEmployed() ? m_FanConfidence : 0; }
    uint8_t GetDiscontent() const { return m_Discontent; }
    bool IsHuman() const { return m_IsHuman != 0; }
    int GetWinPercentage() const;
    int GetWageLevel() const;

    // Taking up and leaving a post. `today` is the world's day number.
    void JoinClub(int club, int32_t today, double yearlyWage, uint8_t contractYears,
                  uint8_t startingDiscontent, uint8_t ratingThreshold);
    // When employed, his club's match on the calendar day in the league, a
    // cup, a friendly, a shield, a play-off or a federation cup; false when
    // there is none.
    bool FindMatchOn(int day, CFixtureInfo& fixture) const;
    // The same on the club's terms, dated today.
    void JoinClub(int club, const CClub& clubObject);
    void LeaveClub(int32_t today);

    // The new-manager screen's choices.
    void SetIdentity(const std::string& name, uint8_t age, uint8_t nationality);

    // Money texts in his club's country ("-" for wages when unemployed).
    std::string GetWeeklyWageText() const;
    std::string GetYearlyWageText() const;
    std::string GetLivingCostsText() const;
    std::string GetWeeklyNetText() const;
    std::string GetSavingsText() const;

    // Results. `clubGames` is the club's league and cup games of the season,
    // which keep the board from sacking a manager in its first weeks.
    // Each returns true when the board sacks him.
    bool RecordLeagueResult(int goalsFor, int goalsAgainst, int winPoints, int drawPoints,
                            int ownPopularity, int otherPopularity, int clubGames);
    bool RecordCupResult(int goalsFor, int goalsAgainst, int ownPopularity, int otherPopularity,
                         int clubGames);
    void ConfidenceUp();
    bool ConfidenceDown(int clubGames);
    bool ShouldBeSacked(int clubGames);

    // Season events.
    void AddMonthAward();
    void AddLeagueTitle(bool topDivision);
    void AddCupWin(uint8_t reward);
    void AddPromotion();
    void AddTopPlaces();
    void AddRelegation();
    bool AddBottomPlaces(int clubGames);
    void AddLastPlace();
    void AddFederationCupEntry();

    // His row in a list of managers: name, club, rating.
    void FillListRow(CListRows& list) const;

    // His savings less his living costs, the savings kept as the previous
    // ones: what a departing manager has left over.
    int32_t TakeLivingCosts() {
        m_PreviousSavings = m_Savings;
        return m_Savings - m_LivingCosts;
    }

    // Wages in, living costs out; true for a human manager whose money has
    // run out (game over).
    bool WeeklyStep();
    // Ages a season; true when he retires. A human whose club played its
    // season in a followed league gets its review held back (code 202).
    bool SeasonEnd();

    void Save(FILE* file) const;
    void Load(FILE* file);

    bool operator==(const CManager&) const = default;

    CPerson m_Person;
    std::array<CManagerHistory, 3> m_History{};
    int32_t m_SeasonSales = 0;
    int32_t m_SeasonPurchases = 0;
    int32_t m_SeasonPoints = 0;
    int32_t m_CareerPoints = 0;
    int32_t m_ClubWins = 0;
    int32_t m_CareerWins = 0;
    int32_t m_Savings = 0;
    int32_t m_PreviousSavings = 0;
    int32_t m_LivingCosts = 0;
    uint16_t m_ClubDraws = 0, m_CareerDraws = 0;
    uint16_t m_ClubLosses = 0, m_CareerLosses = 0;
    uint16_t m_ClubGoalsFor = 0, m_CareerGoalsFor = 0;
    uint16_t m_ClubGoalsAgainst = 0, m_CareerGoalsAgainst = 0;
    double m_Rating = 0;
    double m_GoodMomentum = 0;
    double m_BadMomentum = 0;
    uint8_t m_CampaignPoints = 0, m_CampaignGoalsFor = 0, m_CampaignGoalsAgainst = 0;
    std::array<uint8_t, 3> m_MonthAwards{};
    std::array<uint8_t, 2> m_Titles{}, m_Promotions{}, m_Relegations{}, m_Cups{};
    uint8_t m_SeasonWins = 0, m_SeasonDraws = 0, m_SeasonLosses = 0;
    uint8_t m_SeasonGoalsFor = 0, m_SeasonGoalsAgainst = 0;
    uint8_t m_BoardConfidence = 0;
    uint8_t m_FanConfidence = 0;
    uint8_t m_Discontent = 0;
    uint8_t m_IsHuman = 0;

private:
    static constexpr uint8_t kSeasonReviewMessage = 202;
    void HoldBackSeasonReview() const;
    void CountGoals(int goalsFor, int goalsAgainst);
    void CountWin();
    void CountDraw();
    void CountLoss();
    bool Win(double x);
    bool Lose(double x, int clubGames);
    bool Draw(int ownPopularity, int otherPopularity, int clubGames);
    void Gain(double rating, double momentum);
    bool Drop(double rating, double momentum, int clubGames);
};

class CPopularity;

class CManagerList {
public:
    CManagerList() = default;
    CManagerList(const CManagerList&) = delete;
    CManagerList& operator=(const CManagerList&) = delete;

    int GetSize() const { return static_cast<int>(slots_.size()); }
    CManager* GetAt(int i) const;
    // First empty slot, or appended.
    int Add(std::unique_ptr<CManager> manager);
    // Reads one manager record of "Data\\Clubs.bin" for a club; the club's
    // manager flag is the manager's age and its popularity row sets his
    // terms. Returns the new manager's index.
    int32_t ReadFromClubsFile(FILE* file, int32_t club, uint8_t age, const CPopularity* popularity);
    void RemoveAt(int index);
    void DeleteAll() { slots_.clear(); }
    int FindIndex(const CManager* manager) const;
    void AddSales(int index, int amount);
    void AddPurchases(int index, int amount);
    void SwapClubIndexes(int a, int b);
    // A new manager of the country in the first empty slot; he joins the
    // club when one is given.
    int AddManager(const CCountry& country);
    int AddManager(const CCountry& country, int club, const CClub& clubObject);
    // He joins the club, the club takes him, and a human who had a club
    // before hears of the move (inbox code 200).
    void AppointManager(int index, int club, CClub& clubObject);
    // Computer managers without a club, of the nationality.
    std::vector<int> CollectUnemployed(uint8_t nationality) const;
    // Every manager's week, from the last; a human manager whose money has
    // run out leaves the users and the game, and his club's post falls vacant.
    void WeeklyStepAll();
    // True when the manager retires at the season's end.
    bool SeasonEndFor(int index);

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CManager>> slots_;
};
