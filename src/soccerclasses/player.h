#pragma once
// A professional footballer: a person, his football part and his own
// contract, transfer, loan, injury and statistics fields. Every player lives
// in the world's player list and is known everywhere by his index there.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/person.h"
#include "soccerclasses/soccerplayer.h"
#include "soccerclasses/transferhistory.h"

class CClub;
class CCountry;
class CCountryList;
class CInjury;
class CListRows;
class CPlayerSearch;

class CPlayer {
public:
    static constexpr uint16_t kNoPlayer = 0xFFFF;
    static constexpr uint8_t kMatchBooked = 3;
    static constexpr uint8_t kMatchSentOff = 6;

    CPlayer() { MakeBlank(); }
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // Person cleared, football part reset, no price, no injury, no loan,
    // every counter 0, an empty history.
    void MakeBlank();
    // Football part and identity from `source`; contract and counters blank.
    void MakeCopyOf(const CPlayer& source);
    // The same object becomes `source`, signed on the offer's terms.
    void ReplaceWith(const CPlayer& source, const CContractOffer& offer);

    void Save(FILE* file) const;
    void Load(FILE* file);
    // The fields of a players.bin record after its club index.
    void ReadDatabase(FILE* file);
    void WriteDatabase(FILE* file) const;

    CPerson& Person() { return m_Person; }
    const CPerson& Person() const { return m_Person; }
    CSoccerPlayer& Football() { return m_Football; }
    const CSoccerPlayer& Football() const { return m_Football; }
    std::string GetName() const { return m_Person.GetName(); }
    int GetPosition() const { return m_Football.GetPosition(); }
    uint8_t GetAbility() const { return m_Football.GetAbility(); }
    uint8_t GetAge() const { return m_Person.GetAge(); }
    bool IsOnLoan() const { return m_LoanWeeks != 0; }
    bool IsListed() const { return m_AskingPrice > -1.0; }
    bool IsFreeAgent() const { return m_Person.GetContractYears() == 0 && m_Person.GetAge() >= 24; }

    // --- Availability, discipline, statistics (match side) ---
    CInjury* GetInjury() const;
    bool IsInjured() const;  // out, at severity 100
    uint8_t GetInjurySeverity() const;
    bool IsAvailable() const;
    bool CanPlay() const;
    bool IsOnPitch() const;
    // The skills the match engine uses, 10..99 (0 for a player who is out).
    int GetMatchAbility() const;
    int GetMatchGoalkeeping() const;
    int GetMatchDefending() const;
    int GetMatchMidfield() const;
    int GetMatchSkill68() const;
    int GetMatchAttacking() const;
    void Book(const CClub& club);
    void SendOff(const CClub& club);
    void Suspend(int matches, const CClub& club);
    void WeeklySuspensionStep(const CClub& club);
    void RecordFirstElevenAppearance();
    void RecordAppearance();
    void RecordNonAppearance();
    void RecordGoal(int kind);
    void RecordKeeperAppearance();
    void RecordKindTally(int kind);
    void RecordManOfTheMatch();
    void LiftMorale() { m_Person.RaiseMorale(5); }

    // --- Injuries, player side ---
    // A football injury of a group (4 any); false when he is out already.
    bool Injure(const CClub& club, int group);
    bool InjureInTraining(const CClub& club, int group);
    bool StartAbsence(const CClub& club);
    uint8_t GetInjuryTimeEstimate() const;
    void HealNow();
    void SetInjurySeverity(uint8_t severity);
    std::string GetSurgeryText(const CClub& club) const;
    // The day's step of an injury that keeps him out.
    void InjuryDayStep(const CClub& club);

    // --- Daily, weekly and season processing ---
    void Update(const CClub& club, uint16_t unused, bool newWeek, bool train);
    void WeeklyTraining(const CClub& club);
    void AnnounceRetirement(const CClub& club);
    void UpdateAfterMatch(const CClub& club, uint8_t matchValue);
    // True only when he has just retired from a human-managed club.
    bool EndSeason(const CClub& club);
    void Regenerate(const CClub& club, int position);
    void StartNewSeason();
    bool LateCareerRetirementDraw() const;

    // --- Contracts, fees and willingness ---
    double YearsFactor(double amount) const;
    double GetTransferFee(const CCountry& country) const;
    double GetAskingPrice(const CCountry& country) const;
    int GetAdjustedValue(uint8_t percent) const;
    std::string GetAskingPriceText(const CCountry& country) const;
    double GetWageDemand(const CClub& club) const;
    double GetRemainingWages() const;
    std::string GetPayOffText(const CCountry& country) const;
    bool SetTransferPrice(int price, const CCountry& country);
    void ListAtPrice(double amount, const CCountry& country);
    void RemoveFromTransferList();
    bool ListAtComputedFee(const CCountry& country);
    void WithdrawFromList();
    void Unsettle();
    bool CanBeApproached() const;
    bool IsWillingToMove() const;
    bool FitsClub(const CClub& club) const;
    std::string GetRefusalText(const CClub& club, bool renewal) const;
    bool IsWillingToSignFor(const CClub& club, bool show) const;
    bool IsAboveValue(double amount, const CCountry& country) const;
    bool IsWithinClubStanding(const CClub& club) const;
    bool AgeChanceTest() const;
    void GetContractDemands(CContractOffer& offer, const CClub& buyer, const CClub* current) const;
    // "T" for an acceptable offer, else the answer to show.
    std::string AnswerOffer(const CContractOffer& demands, const CClub& club, const CContractOffer& offer) const;
    bool AskToRenewContract(const CClub& club);
    // His own request for a new contract, raised in his last contract year
    // at a human-managed club; true when the human was asked.
    bool RequestContractRenewal(CClub& club);
    // Where he looks for a club: home, or for some 22-year-olds a random
    // league country.
    CCountry* PickDestinationCountry(CCountry* home, const CCountryList& countries) const;
    // His value of a kind (0 known ability, 1..7 an attribute) against the
    // average of the club's squad players of his position (the current
    // user's club when null); 0 when there is nobody to compare with.
    int CompareWithSquad(const CClub* club, int kind) const;
    void CompleteMove(const CContractOffer& offer);
    void StartLoan(int lendingClub, int weeks);
    bool LoanWeekPasses();
    std::string GetLoanRefusal(const CClub& club, int slotAtClub) const;
    bool IsLoanCandidate() const;

    // --- His club ---
    // The club whose squad holds him in the world; null when none does.
    CClub* GetClub() const;
    CCountry* GetClubCountry() const;
    std::string GetPositionText() const { return m_Football.GetPositionText(); }
    // Empty when no club holds him.
    std::string GetClubName() const;
    std::string GetClubNameConverted() const;
    // The user slot of the human who manages his club, -1 when none does.
    int GetClubUser() const;

    // --- Screen rows and texts ---
    // The true ability, or what the current user knows of it (0 nothing).
    uint8_t GetKnownAbility(bool actual) const;
    std::string GetKnownAbilityText(bool actual) const;
    std::string GetFootText() const;
    bool MatchesSearch(const CPlayerSearch& search) const;
    void AddTransferRow(CListRows& list, const std::string& text, bool actual, const CPlayerSearch& search) const;
    void AddDisciplineRow(CListRows& list, int leagueGames) const;
    void AddInjuryRow(CListRows& list) const;
    void AddScorerRow(CListRows& list, const std::string& text) const;
    void AddManOfTheMatchRow(CListRows& list, const std::string& text) const;

    CPerson m_Person;
    CSoccerPlayer m_Football;
    double m_AskingPrice = -1.0;
    double m_SigningOnDemand = -1.0;
    double m_SparePrice = -1.0;
    // The sell-on agreed with the spare price; not saved, -1 none.
    int8_t m_SpareSellOn = -1;
    int32_t m_LoanClub = -1;
    int32_t m_Injury = -1;
    uint16_t m_CareerAppearances = 0;
    uint16_t m_ClubAppearances = 0;
    uint16_t m_CareerGoals = 0;
    uint16_t m_ClubGoals = 0;
    uint16_t m_ClubMotm = 0;
    uint16_t m_ClubBookings = 0;
    uint16_t m_ClubSendingsOff = 0;
    uint16_t m_CareerMotm = 0;
    uint16_t m_CareerBookings = 0;
    uint16_t m_CareerSendingsOff = 0;
    uint8_t m_SeasonAppearances = 0;
    uint8_t m_SeasonClubAppearances = 0;
    uint8_t m_LastSeasonAppearances = 0;
    uint8_t m_SeasonStarts = 0;
    uint8_t m_AppearanceRun = 0;
    uint8_t m_MissedRun = 0;
    uint8_t m_SeasonClubGoals = 0;
    uint8_t m_SeasonGoals = 0;
    uint8_t m_LastSeasonGoals = 0;
    uint8_t m_SeasonKindGoals = 0;
    uint8_t m_Kind0Tally = 0;
    uint8_t m_KindsTally = 0;
    uint8_t m_ScoringRun = 0;
    uint8_t m_GoalDrought = 0;
    uint8_t m_DisciplinePoints = 0;
    uint8_t m_MatchStatus = 0;
    uint8_t m_Suspension = 0;
    uint8_t m_SeasonMotm = 0;
    uint8_t m_SeasonBookings = 0;
    uint8_t m_SeasonSendingsOff = 0;
    uint8_t m_SeasonSuspensions = 0;
    uint8_t m_WeeksListed = 0;
    uint8_t m_LoanWeeks = 0;
    uint8_t m_MinutesLastMatch = 0;
    CPlayerTransferHistoryList m_TransferHistory;

private:
    friend class CPlayerList;
    void ClearCounters();

    // Where the owning list that holds him put him, so that finding his
    // index needs no walk of the whole list; checked against the list
    // before it is believed. Not saved.
    int32_t listSlot_ = -1;
};

// The player's index in the world's player list; -1 when he is not in it.
int WorldIndexOf(const CPlayer& player);

// The world's players by index (an empty slot holds nothing), and the
// non-owning lists that screens and clubs fill and sort.
class CPlayerList {
public:
    static constexpr int kMaxSlots = CPlayer::kNoPlayer;

    // An owning list deletes its players; a local one only forgets them.
    explicit CPlayerList(bool owning = true) : owning_(owning) {}
    ~CPlayerList();
    CPlayerList(const CPlayerList&) = delete;
    CPlayerList& operator=(const CPlayerList&) = delete;

    int GetSize() const { return static_cast<int>(slots_.size()); }
    CPlayer* GetAt(int i) const;
    void SetSize(int n);
    int CountPlayers() const;

    // The creators take the first empty slot, or append.
    int AddNewPlayer();
    int AddCopyOf(const CPlayer& source);
    int Put(int index, std::unique_ptr<CPlayer> player);
    int Add(std::unique_ptr<CPlayer> player) { return Put(-1, std::move(player)); }
    void DeleteAt(int index);
    void DeleteAll();
    int FindIndex(const CPlayer* player) const;

    // Local lists.
    void Append(CPlayer* player) {
        slots_.push_back(player);
        Place(GetSize() - 1);
    }
    void AddSquad(const std::vector<uint16_t>& ids, const CPlayerList& world);
    void KeepPosition(int position);
    void Swap(int i, int j);
    int AveragePositionSkill() const;
    void SortByPositionSkill();
    void SortByKnownAbility();
    void SortByMatchAbility();
    // Of the first 11 ids: the players of the position (outfield players
    // for -1) who are neither out injured nor sent off.
    void AddFitPlayers(const std::vector<uint16_t>& ids, const CPlayerList& world, int position);

    // A row filler: the player, the list, the caller's extra word and the
    // slot's value from the id array.
    using RowFiller = std::function<void(const CPlayer&, CListRows&, uint16_t extra, uint16_t value)>;
    // Every occupied slot through the filler, with ids[slot] (65535 past
    // the end of the array, which callers may give shorter than the list).
    void FillList(CListRows& list, uint16_t extra, const std::vector<uint16_t>& ids, const RowFiller& filler) const;

    // Every slot as a presence word and, when present, the player's record.
    void Save(FILE* file) const;
    // Slots saved as absent are left empty: a game loaded over a new one
    // keeps no player that had gone from the saved game.
    void Load(FILE* file);

    // Builds the world's players from "Data\\players.bin" for the first
    // `clubCount` clubs of the club list; throws DataFileError when the file
    // is missing or breaks a rule.
    void LoadDatabase(int clubCount);
    // The same from an open channel file; false (the file marked damaged)
    // when a record breaks a rule.
    bool ReadDatabase(FILE* file, int clubCount);
    static constexpr const char* kDatabaseFile = "Data\\players.bin";
    static constexpr int kMinSquad = 16;
    static constexpr int kMaxSquad = 30;
    // (clubs x 3 + 9) x 10 slots.
    static int DatabaseSlots(int clubCount) { return (clubCount * 3 + 9) * 10; }

    // Every player whose loan club is a gets b, and the reverse.
    void SwapLoanClubs(int a, int b);

private:
    int FirstEmpty() const;
    // An owning list tells the player in slot i where he stands.
    void Place(int i);
    void PlaceAll();
    template <class Key>
    void BubbleSort(Key key, bool highestFirst);

    std::vector<CPlayer*> slots_;
    bool owning_;
};
