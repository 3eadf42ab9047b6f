#pragma once
// One football club: names, stadium, kits, records and form, money and
// accounts, staff, youth squad, the 30 squad slots and the season figures.
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/accounts.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/matchreceipt.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/tabledata.h"
#include "soccerclasses/transferhistory.h"
#include "soccerclasses/trophyhistory.h"
#include "soccerclasses/youth.h"

class CCountry;
class CDivision;
class CManager;
class CPlayer;
class CHumanManager;
class CListRows;
class CAvailableEmployee;
class CExtDWordArray;
class CPlayerSearch;
struct CContractOffer;
struct CFixtureInfo;
class CPopularity;
class CStadium;
class CDivisionStrength;
class CFederation;
class CNewsPaperEvents;
class CNonLeagueClub;
class CPlayerList;
class CPlayerSearch;
class CSoccerTactic;
class CFixture;

inline constexpr uint16_t kEmptySlot = 65535;
inline constexpr int kSquadSlots = 30;

class CClub {
public:
    // A blank club: the two non-league opponent slots behind the real clubs.
    CClub();
    ~CClub();
    CClub(const CClub&) = delete;
    CClub& operator=(const CClub&) = delete;

    // One record of "Data\\Clubs.bin"; empty, or the rule of the file that
    // the record breaks (the caller refuses the file).
    std::string ReadFromFile(FILE* f, int32_t index);

    // The full equipment of a club whose country has just become active.
    void ActivateCountry();
    // Takes the records of a followed country away when it stops being followed.
    void DeactivateCountry();
    void CreateAccounts();

    // The saved record. Rows that only clubs of followed countries carry are
    // present when the country is active at the time of writing and reading.
    void Save(FILE* f) const;
    void Load(FILE* f);

    // Lookups through the world.
    CDivision* GetDivision() const;
    CCountry* GetCountry() const;
    int GetCountryIndex() const;
    bool IsCountryActive() const;
    const CPopularity* GetPopularity() const;
    CStadium* GetStadium() const;
    std::string GetStadiumName() const;
    int32_t GetStadiumCapacity() const;
    CManager* GetManagerObject() const;
    bool HasManager() const { return manager_ >= 0; }
    bool IsHumanManaged() const;
    std::string GetFoundedYearText() const;
    int32_t GetAverageAttendance() const { return homeGames_ > 0 ? totalGate_ / homeGames_ : 0; }
    void AddBooking() { disciplinePoints_ += 3; ++bookings_; }
    void AddSendingOff() { disciplinePoints_ += 6; ++sendingsOff_; }
    void ClearSeasonArrays();

    // Money.
    double GetTransferBudget() const;
    // The board's answer to a request for more transfer money: a string id.
    uint32_t RequestFunds(double amount, int years);
    void TakeLoan(double amount, int years);
    // Building works paid: the amount (base money, as the price tables
    // give it) booked under "Building work" and taken from the balance;
    // nothing for a club that is not followed. Returns the amount paid.
    double PayBuildingCost(double amount);
    // The weeks of the season of the last funds request heard and of the
    // last one granted; kNoRequest when none this season.
    static constexpr int kNoRequest = -2;
    int GetLastFundsRequestWeek() const { return lastRequest_ >= 128 ? int(lastRequest_) - 256 : int(lastRequest_); }
    int GetLastGrantedRequestWeek() const { return lastGrantedRequest_; }
    void SetLastFundsRequestWeek(int week) { lastRequest_ = static_cast<uint8_t>(week); }
    void SetLastGrantedRequestWeek(int week) { lastGrantedRequest_ = static_cast<int8_t>(week); }
    // Books an amount in the accounts of a followed club; nothing otherwise.
    void Book(int category, double amount);

    // Match receipts: the home club's and then the away club's record of
    // the week's first or second match.
    void SetHomeReceipt1(int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals, double price, uint8_t b);
    void SetAwayReceipt1(int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals, double price, uint8_t b);
    void SetHomeReceipt2(int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals, double price, uint8_t b);
    void SetAwayReceipt2(int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals, double price, uint8_t b);
    void ClearReceipts();
    // A sale's or sell-on share's money: 0.67 of it reaches the club.
    void ReceiveMoney(double amount);
    void ProcessWeeklyAccounts();
    // The date of the latest weekly accounts, which the finance page shows.
    static std::string& AccountsDate();

    // The squad's training settings (none for a blank club) and the youth
    // development figure the youth training uses.
    const CSoccerSquadTraining* GetSquadTraining() const { return training_.get(); }
    CSoccerSquadTraining* SquadTraining() { return training_.get(); }
    uint8_t GetYouthDevelopment() const { return youthTrainingLoad_; }
    // The youth training hours the youth timetable gives.
    void SetYouthDevelopment(uint8_t hours) { youthTrainingLoad_ = hours; }

    // Squad slots.
    uint16_t GetPlayerId(int slot) const { return squad_.at(static_cast<size_t>(slot)); }
    void SetPlayerId(int slot, uint16_t player);
    // The next empty slot from 0 upward, for the players.bin loader; false when full.
    bool AddPlayerToSquad(uint16_t player);
    void SwapSquadSlots(int a, int b);
    void RemoveFromSquad(int slot);
    int FindSlotOfPlayer(uint16_t player) const;
    uint32_t GetSquadSize() const;
    int CountFilledSlots() const;
    int CountPlayersInPosition(int position) const;
    // 0 when the board allows the signing, else the refusal's string id.
    int32_t CanSignPlayer(int position) const;
    // The same board test for a player; with `show` a refusal is put to the
    // manager in a message box and the answer is -1.
    int32_t CanSignPlayer(const CPlayer* player, bool show) const;
    void LoanOutPlayer(uint16_t player);
    void LoanInPlayer(uint16_t player);

    // Team selection.
    void PickMatchSquad(int substitutes);
    // Whether a human manager's team sheet can be played; a fault is shown.
    bool ValidateHumanSelection(int substitutes) const;
    void SetMatchInstructions(const std::array<uint8_t, 5>& settings) { instructions_ = settings; }
    const std::array<uint8_t, 5>& GetMatchInstructions() const { return instructions_; }
    void SelectTeam(int substitutes);
    bool FillSlotWithBestPlayer(int slot, int position);
    void SelectBenchKeeper(int slot);
    void ChooseDesignatedPlayers();
    // Before a human-managed club's match: the captain and the attacking
    // free-kick, left corner and right corner takers its manager named hold
    // designated places 0 to 3 while they stand in the first eleven and are
    // available; the others are drawn as for any club.
    void RefreshMatchRoles();
    // The first-eleven slot of the player at the team-sheet position of the
    // human manager's set-piece role (0 captain, 1 attacking and 2
    // defensive free-kick taker, 3 left and 4 right corner taker); -1 when
    // none is named, he is not in the eleven or he is not available.
    int GetRolePlayerSlot(int role) const;
    // The human manager's own instruction (0 aggression, 1 attacking bias,
    // 2 passing style) for the player of a first-eleven slot in the current
    // formation: 1 to 5, or 0 for the team's setting.
    int GetIndividualInstruction(int table, int slot) const;
    // The passing style the side plays with `teamStyle` set for it: each
    // outfield starter passes at his own level where his human manager gave
    // him one, else at the team's; the mean of the ten, rounded.
    int GetPlayedPassingStyle(int teamStyle) const;
    // A slot of the window whose player is available; the window grows
    // after every 31 failed draws and the search ends at slot 29 (-1).
    int PickAvailableInWindow(int first, int last) const;
    void AddGeneratedPlayers(int n);
    int CountAvailablePlayers() const;
    int CountAvailableNotOnLoan() const;
    int CountSuspendedPlayers() const;
    const CPlayer* PlayerInSlot(int slot) const;
    // The position the formation puts into a squad slot 0..10.
    static int GetFormationPosition(int tactic, int slot);
    uint8_t GetAggression() const { return instructions_[4]; }
    int32_t GetDesignatedPlayer(int i) const { return designated_.at(static_cast<size_t>(i)); }
    // Designated player 1 takes the penalties; a human manager names him on the match screen.
    void SetDesignatedPlayer(int i, int32_t playerId) { designated_.at(static_cast<size_t>(i)) = playerId; }

    // Transfers.
    static int GetMinPlayersInPosition(int position);
    int CountAvailableInPosition(int position) const;
    uint8_t GetSellOnDemand(const CPlayer& player, bool always) const;
    // A computer club's bid for one of this club's players: accepted?
    bool MakeBid(CPlayer& player, double bid, CClub& buyer, int sellOn);
    bool OfferBidToHuman(CPlayer& player, double bid, CClub& buyer, int sellOn);
    bool CanAfford(double amount) const;
    bool CheckFundsForPlayer(double amount) const;
    void ReceiveSellOnShare(double fee, uint8_t percentage, const std::string& playerName,
                            const std::string& sellerName);
    void PayForSigning(double fee, const CContractOffer& offer);
    void AddSignedPlayer(uint16_t index, double fee, const CContractOffer& offer, const std::string& sellerName);
    bool BuyPlayer(uint16_t index, double fee, const CContractOffer& offer, const std::string& sellerName);
    void SellPlayer(uint16_t index, double fee, CClub& buyer, bool recordFee, bool atContractEnd);
    void CompleteTransfer(uint16_t index, CPlayer& player, double fee, CClub& buyer, CContractOffer& offer,
                          bool atContractEnd);
    void FansWelcomeSigning(std::string& out, const CPlayer& player, bool showBox);
    void FansReactToSale(const CPlayer& player);
    bool WantsPlayer(const CPlayer& player, double fee) const;
    bool ApproachForPlayer(uint32_t index, int sellerIndex);
    // The sale after an accepted bid: at the price and sell-on the human
    // seller agreed in talks when there are such (the player's spare
    // values, reset here), else at the bid's own; a human seller then holds
    // the clause of that sell-on.
    void CompleteAcceptedBid(uint16_t index, CPlayer& player, double fee, int sellOn, CClub& buyer);
    int GetDivisionStrengthIndex() const;

    // Transfer market: listing, bids and loans, requests, targets, signings
    // A computer club puts up to n (1..7) random players on the list.
    void TransferListRandomPlayers(int n);
    void DelistPlayersInPosition(int position);
    // The club's look at its own list: too few fit men, or too few in a
    // position, and they come off it.
    void ReviewTransferList();
    // The bid and loan lists: the new entry's index, -1 for a player
    // outside the world's list.
    int AddBidTarget(const CPlayer& player);
    int AddLoanTarget(const CPlayer& player);
    // An entry of the current country's staff job market the club has
    // approached; -1 for one that is not on that market.
    int AddApproachedEmployee(const CAvailableEmployee& employee);
    const std::vector<uint32_t>& ApproachedEmployees() const { return approachedStaff_; }
    // The approached staff are places in the country's staff market: they
    // follow it when it drops entry `index`, and are forgotten when it turns over.
    void MarketEmployeeRemoved(uint32_t index);
    void ForgetApproachedEmployees() { approachedStaff_.clear(); }
    // A squad player's request to leave.
    void HandleTransferRequest(uint16_t index, CPlayer* player);
    // The slot holding the player; 65535 (and a trace) when none does.
    uint16_t FindSquadSlotOfPlayer(uint16_t id) const;
    // The seller's answer to a human manager's bid or loan request: "T"
    // accepted, "F" refused quietly, else the refusal to show.
    std::string EvaluateFirstBid(CPlayer* player, double bid, uint8_t offeredSellOn, uint8_t askedSellOn, CClub& buyer,
                                 double referenceFee);
    std::string EvaluateRevisedBid(CPlayer* player, double bid, uint8_t offeredSellOn, uint8_t askedSellOn,
                                   CClub& buyer, double referenceFee);
    std::string EvaluateLoanRequest(CPlayer* player, CClub& requester, int weeks);
    // Computer clubs' approaches for a human club's players.
    void ComputerTransferActivity();
    // The offer turned down, which a next try must beat; 0 when done.
    double TryComputerBidForPlayer(CPlayer* player, double lastOffer, int slot);
    bool AppointPlayerManager();
    // Squad and staff helpers of the transfer and hiring screens.
    CPlayer* GetPlayer(int slot) const;
    // A player of the squad drawn among its occupied slots (one draw); null
    // when the squad is empty, so the caller's story is not made.
    CPlayer* GetRandomPlayer() const;
    // Appends each squad player who matches, with the club's index beside him.
    void CollectMatchingPlayers(int clubIndex, CExtDWordArray& players, CExtDWordArray& clubs,
                                const CPlayerSearch& search) const;
    // Hands a veteran reserve of the position to the receiving club for nothing.
    bool TransferOldPlayer(int position, CClub& receiver);
    void GiveOutOfContractPlayersContracts();
    void GetManagerFullName(std::string& out) const;
    int GetManagerWeeksAtClub() const;
    int GetGamesPlayed() const;
    // The accounts' items in item order: counts, string ids of the names,
    // and the amounts of the week or the season so far (base money) copied
    // into `out`, which holds a place for every item of the kind.
    int GetIncomeItemCount() const;
    int GetExpenditureItemCount() const;
    uint32_t GetIncomeItemName(int i) const;
    uint32_t GetExpenditureItemName(int i) const;
    void GetWeeklyIncome(double* out) const;
    void GetWeeklyExpenditure(double* out) const;
    void GetSeasonIncome(double* out) const;
    void GetSeasonExpenditure(double* out) const;
    // The week's or the season's statement as rows of the accounts page:
    // name, income, expenditure in the club's money; nothing for a club
    // that keeps no accounts.
    void FillWeeklyAccounts(CListRows& list) const;
    void FillSeasonAccounts(CListRows& list) const;
    // Scouts the club's standing allows.
    int GetAllowedScouts() const;
    // 1 when the human manager may go on hiring a man of the kind.
    int ConfirmHireEmployee(uint8_t kind);
    bool AcceptsLevel(uint8_t level) const;
    // A human manager's signing agreed in talks: paid, in the squad, and a
    // sell-on clause for the seller when one was agreed. "%1!s! has joined
    // the club." for a human buyer, else empty.
    std::string SignPlayerFromHumanDeal(uint16_t index, double fee, const CContractOffer* offer, CClub& seller,
                                        uint8_t sellOn);
    // Pays and ends the sell-on clause of the player's previous move.
    void SettleSellOnClauses(uint16_t index, double fee, const std::string& playerName);

    // Messages to the club's human manager and news of its country.
    CHumanManager* GetHumanManager() const;
    std::string GetManagerName() const;
    std::string FormatMoney(double amount) const;
    void SendMessageToHuman(const std::string& text);
    void AddInboxMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3,
                         int32_t id);
    void PostCountryNews(const std::string& text);
    static int FindWorldIndex(const CPlayer& player);

    // Results, reputation and the season.
    void ChangeReputation(int delta);
    void RaiseReputation(uint8_t n);
    void LowerReputation(uint8_t n);
    // A league result in the club's row (and form and human record); with no
    // draws allowed a level score is decided by the home-won-shoot-out flag.
    void RecordHomeLeagueResult(int homeGoals, int awayGoals, uint8_t a, int b, uint8_t homeWonShootout = 0);
    void RecordAwayLeagueResult(int homeGoals, int awayGoals, uint8_t a, int b, uint8_t homeWonShootout = 0);
    // The reputation's move by the score of a match just played.
    void ProcessAfterMatch(int goalsFor, int goalsAgainst);
    void AddAttendance(uint32_t crowd);
    // The best (by own-position skill) or a random fit player of a line in
    // the first eleven: his slot or his id; 65535 when none.
    int GetBestInLine(int position, bool asSlot) const;
    int GetRandomFitInLine(int position, bool asSlot) const;
    void AddLeagueTitle(const std::string& division, uint8_t picture);
    void AddLeagueRunnerUp(const std::string& division, uint8_t picture);
    void RecordPromotion();
    void RecordRelegation();
    void RecordBottomPlace();
    void AddPlayOffWin(const std::string& name, uint8_t picture);
    void AddPlayOffRunnerUp(const std::string& name, uint8_t picture);
    void AddCupWin(const std::string& cup, uint8_t picture);
    void AddCupRunnerUp(const std::string& cup, uint8_t picture);
    void AddShieldWin(const std::string& shield, uint8_t picture);
    void AddShieldRunnerUp(const std::string& shield, uint8_t picture);
    void SeasonEndMoveDown();
    void SeasonEndMoveUp(bool skipHumanStep = false);
    // The division `step` places below the club's own (above when
    // negative); its own name at either end of the country's list.
    std::string GetNeighbourDivisionName(int step) const;
    void StartNewSeason();
    void EndOfSeason();
    void RecordSeasonInRecords();

    // The daily and weekly steps.
    void ProcessDay(bool saturday, bool countryActive);
    void ProcessWeek(bool quiet);
    void ProcessWeekSquad(bool quiet);
    // Days from today without a league match in the division's calendar.
    int GetBreakLength() const;
    CPlayer* GetRandomKeeperOrAttacker();
    void SellPlayerToOtherClub(bool keeperOrAttacker);
    void SearchForTransferTarget(int position);
    void RepairPositionShortfalls();
    void ProcessHumanFinances();
    void ManagerLeaves(int reason);
    uint32_t GetWeakestLine() const;
    bool IsDominatingLeague() const;
    // Stores the four figures and gives back the midfield's.
    uint8_t SetPositionFigures(uint8_t g, uint8_t d, uint8_t m, uint8_t a) {
        positionFigures_ = {g, d, m, a};
        return m;
    }
    void SetWeekOpeningBalance(double b) { weekOpeningBalance_ = b; }
    void SetLoan(double l) { loan_ = l; }

    // Board and manager
    // The manager's name; empty when the post is vacant.
    std::string GetManagerNameOrNone() const;
    // 1 for a human manager, 0 for a computer one or none.
    uint8_t GetManagerKind() const;
    // The user slot of the club's human manager; -1 when none.
    int GetHumanManagerIndex() const;
    void ClearManager() { manager_ = -1; }
    bool IsManagerRatedFor(int user) const;
    void RenewManagerTerms();
    void FormatManagerWage(std::string& out) const;
    double CapManagerWage(double amount);
    uint8_t CapManagerYears(uint8_t years);
    int32_t GetManagerBonus() const { return managerBonus_; }
    void SetManagerTerms(double yearlyWage, int32_t years) {
        managerWage_ = yearlyWage;
        managerYears_ = years;
    }
    void BoardReview();
    void ReviewExpiredContract();
    void OfferNewContractToHuman();
    void RetireManager();
    bool BoardReleasesManager() const;
    // Manager appointment. The day's count of job offers made to human
    // managers, shared by every club and cleared before the day's first.
    void AppointNewManager();
    bool AppointUnemployedManager();
    bool PromoteCoachToManager();
    static uint8_t& DayAppointments();
    bool OfferPostToHuman(int user, bool& told);
    // A human manager's resignation; a successor is sought at once.
    void ManagerResigns();
    // No division's newspaper keeps the index of a manager who is gone.
    static void ForgetManagerIndex(int manager);
    // Board messages and loan ends
    void CheckStaffConcerns();
    void CheckSquadConcerns();
    void ReviewDiscipline();
    // True when the borrowed player went back to his club.
    bool ProcessLoanEnd(int slot);
    bool WillExtendLoan(const CPlayer& player, const std::string& borrowerName);
    // A board text in a box naming the manager and in his inbox.
    void TellManager(const std::string& text);
    void MarkKnownToHuman(uint16_t player) const;
    // Days of the day step: the human club's business and a computer club's
    // coach; the board's trading shared with its review.
    void ProcessHumanDay(int breakLength);
    void HireMissingCoach();
    void TradeForTheSquad();
    void TradeWhenStruggling();

    // What the club plays on a calendar day (0..105).
    int GetLeagueFixture(CFixtureInfo& info, int day) const;
    bool GetLeagueFixtureInfo(CFixtureInfo& info) const;
    bool GetFriendlyFixtureInfo(CFixtureInfo& info, int day) const;
    int GetFriendlySlot(int day) const;
    bool IsFriendlyDay(int day) const;
    int GetFriendlyDay(int slot) const;
    bool IsFriendlyDayFree(int day) const;
    int GetFirstFreeFriendlyDay() const;
    bool CanArrangeFriendly(int day, int opponent) const;

    // Fixture queries of the cups, season bookkeeping and match results.
    // A calendar day's match in the knock-out competitions; true when found.
    bool GetCountryCupFixtureInfo(CFixtureInfo& info, int day) const;
    bool GetFederationCupFixtureInfo(CFixtureInfo& info, int day) const;
    bool GetShieldFixtureInfo(CFixtureInfo& info, int day) const;
    bool GetPlayOffFixtureInfo(CFixtureInfo& info, int day) const;
    // Any cup, shield, play-off or federation-cup tie on the day.
    bool GetCupTieInfo(CFixtureInfo& info, int day) const;
    // League, friendly, cups, federation cups, shields, play-offs in turn.
    bool GetFixtureInfoForDay(CFixtureInfo& info, int day) const;
    // The bench of today's match; the division's bench size when none.
    int GetSubstitutesForNextMatch() const;
    int CountFreeFriendlyDays() const { return CountFreeFriendlySlots(); }
    std::string GetFriendlyDateText(int slot) const;
    // The score of the slot's friendly; empty when none is arranged.
    std::string GetFriendlyText(int slot) const;
    void ResetFriendlies();

    void UpdateRecordsFromMatch(const CFixture& fixture);
    void UpdateRecordsFromAwayMatch(const CFixture& fixture);
    // The series of an inactive country read 0 and keep nothing.
    uint8_t GetLeaguePositionAfterGame(int game) const;
    void SetLeaguePositionAfterGame(int game, uint8_t position);
    int32_t GetGameSeries1(int i) const;
    void SetGameSeries1(int i, int32_t value);
    void SetGameSeries2(int i, int32_t value);
    int32_t GetGraphScale() const;
    std::string FormatTicketPrice(bool asMoney) const;
    int CountStrongMidfielders() const;
    void DeleteSquadPlayers();
    void PrepareForNewHumanManager();
    void PrepareForFederationCup();
    void FillResultsOnlySquad();
    int GetDivisionClubCount() const;
    void BuildFirstElevenPickWeights(std::vector<uint8_t>& weights) const;
    void ResetForNewDivision(uint8_t position);
    void SeasonEndHumanReview();
    void SeasonEndHumanNotice();

    // After a match: n substitutes used, the formation's index, side 0 home.
    void ProcessAfterMatch(int n, uint8_t tactic, int goalsFor, int goalsAgainst, CFixture* fixture, int side);
    void ProcessAfterMatch1(int n, uint8_t tactic, CFixture* fixture, int side);
    void ProcessAfterMatch2(int n, uint8_t tactic, int ignored, CFixture* fixture, int side);
    int GetBestDefender(bool asSlot) const { return GetBestInLine(1, asSlot); }
    int GetBestMidfielder(bool asSlot) const { return GetBestInLine(2, asSlot); }
    int GetBestAttacker(bool asSlot) const { return GetBestInLine(3, asSlot); }
    int GetRandomFitDefender(bool asSlot) const { return GetRandomFitInLine(1, asSlot); }
    int GetRandomFitMidfielder(bool asSlot) const { return GetRandomFitInLine(2, asSlot); }
    int GetRandomFitAttacker(bool asSlot) const { return GetRandomFitInLine(3, asSlot); }
    int GetDesignatedPlayerSlot() const;
    uint8_t GetTablePosition() const { return leagueRow_.m_Position; }
    uint8_t GetPoints() const { return leagueRow_.m_Points; }
    // A random filled slot's player id; 65535 when the draws find none.
    uint16_t GetRandomSquadPlayer() const;
    int CountPlayersAtLevel() const;
    // Youth i becomes a player in the first empty slot; his new index, or
    // -1 when the squad is full or there is no such youth.
    int PromoteYouth(int youth, int arg);
    bool HasLargeSupport() const;
    CEmployee* GetCoach() const { return staff_.FindKind(0); }
    int FindEmployeeOfType(uint8_t kind) const;
    uint8_t GetPhysioAbility() const;
    int CountScouts() const;
    bool HasBidForPlayer(uint32_t player) const;
    bool HasLoanDealForPlayer(uint32_t player) const;
    bool HasApproachedEmployee(const CAvailableEmployee& entry) const;

    // Staff and the squad counts.
    // A new employee of a job kind for the club's country and standing; a
    // new scout takes the first free scout slot. -1 when the staff is full.
    int HireNewEmployee(uint8_t kind);
    void DismissEmployee(int index, double compensation);
    // Hires a man from the staff job market (the market keeps its entry);
    // his index, or -1 when the staff is full.
    int AddEmployee(const CAvailableEmployee& entry);
    // Lets a player go: out of contract, or into retirement when old.
    void ReleasePlayer(uint16_t player, double compensation);

    // Rows of the list screens; "Fill" clears the list first.
    void FillYouthListControl(CListRows& list, int position) const;
    void AddInjuryRows(CListRows& list) const;
    void AddTopScorerRows(CListRows& list) const;
    void AddDisciplineRows(CListRows& list) const;
    // The staff of one job kind, or of every kind for 5.
    void FillEmployeeRows(CListRows& list, uint8_t kindFilter = 5) const;
    void FillEmployeeGroupList(CListRows& list, int group) const;
    void AddDisciplineTableRow(CListRows& list, bool withDivision, bool withCountry) const;
    void AddAttendanceTableRow(CListRows& list) const;
    // Clubs of an inactive country keep no form: no row.
    void AddFormTableRow(CListRows& list, uint32_t colour) const;
    bool HasEnoughAvailablePlayers() const;
    int CountAvailableInFirstEleven() const;
    uint8_t CountInjuredPlayers() const;
    int CountListedOrUncontractedPlayers() const;
    void ComputeLineStrengths();
    uint8_t GetPositionFigure(int i) const { return positionFigures_.at(static_cast<size_t>(i)); }

    // Club accessors, honours and screen rows (the lookups, tactics, the
    // non-league opponent, the pickers and the rows not declared above).
    // The country's follow level: 0 for a country followed in detail.
    uint8_t IsCountryInactive() const;
    const CDivisionStrength* GetDivisionStrength() const;
    CFederation* GetFederation() const;
    uint8_t GetCountryMoneyScale() const;
    int CountStandsInWork() const;
    void ReduceStadiumCapacity(int32_t n);
    CNewsPaperEvents* GetDivisionNewsEvents() const;
    double GetSeasonTransferIncome() const;
    double GetSeasonTransferSpending() const;
    // Stores the manager; a human manager's country refreshes its job
    // markets for this club.
    void SetManager(int32_t manager);
    // User slot 0..7, or 255 for the user who manages this club.
    void MarkSquadKnownToUser(uint8_t user);
    // A human-managed club uses its manager's formations; any other club
    // user slot 0's list with the club's tactic byte. `GetTactic` already
    // names the tactic byte, so the formation itself is `GetTacticObject`.
    uint8_t GetTacticIndex() const;
    void SetTacticIndex(uint8_t t);
    std::string GetTacticName() const;
    CSoccerTactic* GetTacticObject() const;
    CSoccerTactic* GetTacticByIndex(int i) const;
    int GetTacticPositionX(int i) const;
    int GetTacticPositionY(int i) const;
    // Honours; the kind byte and the flag pass to the trophy history (flag
    // 1 for a cup). A human manager's own history records them as well.
    void AddWinHonour(const std::string& competition, uint8_t kind, uint8_t flag);
    void AddRunnerUpHonour(const std::string& competition, uint8_t kind, uint8_t flag);
    void AddShieldWinHonour(const std::string& competition, uint8_t kind, uint8_t flag);
    // Makes this blank slot the non-league club's side for one cup tie.
    // False when the club brings fewer than 17 players (the squad is still
    // filled with what there is).
    bool SetFromNonLeagueClub(const CNonLeagueClub* club, int32_t division);
    // The index in the youth list of the n-th youth of the position (any
    // for -1); -1 when none.
    int FindYouthByPosition(int position, int n) const;
    void AddPlayerCountRows(CListRows& list) const;
    // Every squad player goes into `players` and the club's name into
    // `names`; those who match get a search row when a list is given.
    void AddMatchingPlayers(const CPlayerSearch& search, CPlayerList& players, std::vector<std::string>& names,
                            CListRows* list) const;
    // The scouts with their ability, and the scouts' names only.
    void FillEmployeeRowsSummary(CListRows& list) const;
    void FillEmployeeRowsCompact(CListRows& list) const;
    // The club's row of a league table at its table position, with the
    // arrow of its last move.
    void AddLeagueTableRow(CListRows& list, uint32_t normalColour, uint32_t promotionColour, uint32_t relegationColour,
                           uint8_t promotionPlayOffClubs, uint8_t relegationPlayOffClubs, uint32_t playOffColour) const;
    // The club's league matches of the season, with the results so far.
    void FillLeagueFixtureList(CListRows& list) const;
    // The scouts of the current user's club, in slot order: the first free
    // one (null when none), and what they say of a player ("-" for no grade).
    static CScout* FindFreeScout();
    static bool IsPlayerScouted(const CPlayer& player);
    static std::string GetScoutReport(const CPlayer& player);
    static std::string GetScoutGrade(const CPlayer& player);
    // The match engine's pickers: a squad slot, -1 when none.
    int GetRandomFirstTeamSlot(int position) const;
    int PickPlayerToReplace(int n) const;
    // The player to take off for the n-th substitution of a match being
    // played: the first-eleven outfield player (of the position, for the
    // second form) who can play, did not come on, and rates lowest at the
    // engine's minute; the higher slot on a tie. -1 when none.
    int ChoosePlayerToTakeOff(int n) const;
    int ChoosePlayerToTakeOffByPosition(int n, int position) const;
    int PickPlayerToReplaceInPosition(int n, int position) const;

    // Friendly slots (the calendar side lives with the divisions).
    uint32_t GetFriendlyOpponent(int slot) const;
    uint8_t GetFriendlyVenue(int slot) const;
    void SetFriendly(int slot, uint32_t opponent, uint8_t venue);
    // Clubs a and b exchanged their places in the world's club list.
    void SwapFriendlyOpponents(int a, int b);
    int CountFreeFriendlySlots() const;

    // Plain fields.
    const std::string& GetName() const { return name_; }
    // The name in capitals, accented letters too (headlines and shields).
    std::string GetNameConverted() const;
    void SetName(const std::string& n) { name_ = n; }
    const std::string& GetSecondName() const { return secondName_; }
    int32_t GetStadiumIndex() const { return stadium_; }
    void SetStadiumIndex(int32_t s) { stadium_ = s; }
    int32_t GetManager() const { return manager_; }
    void SetManagerIndex(int32_t m) { manager_ = m; }
    int32_t GetDivisionIndex() const { return division_; }
    void SetDivisionIndex(int32_t d) { division_ = d; }
    int32_t GetAreaCode() const { return areaCode_; }
    uint8_t GetPopularityIndex() const { return popularity_; }
    // A human manager hears of a move with the new television and
    // sponsorship money (inbox 124 more popular, 125 less).
    void SetPopularityIndex(uint8_t p);
    uint8_t GetReputation() const { return reputation_; }
    void SetReputation(uint8_t r) { reputation_ = r > 99 ? 99 : r; }
    uint8_t GetTactic() const { return tactic_; }
    int16_t GetYearFounded() const { return yearFounded_; }
    double GetBankBalance() const { return balance_; }
    void SetBankBalance(double b) { balance_ = b; }
    double GetBudgetPercentage() const { return budgetPercentage_; }
    void SetBudgetPercentage(double p) { budgetPercentage_ = p; }
    double GetLoan() const { return loan_; }
    double GetWeeklyRepayment() const { return weeklyRepayment_; }
    int32_t GetLoanWeeks() const { return loanWeeks_; }
    double GetTicketPrice() const { return ticketPrice_; }
    void SetTicketPrice(double p) { ticketPrice_ = p; }
    double GetManagerWage() const { return managerWage_; }
    int32_t GetManagerYears() const { return managerYears_; }
    double GetWeekOpeningBalance() const { return weekOpeningBalance_; }
    double GetWeekNet() const { return weekNet_; }
    int32_t GetLastHomeCrowd() const { return lastHomeCrowd_; }
    int32_t GetDisciplinePoints() const { return disciplinePoints_; }
    uint8_t GetPlayersOutsideSlots() const { return playersOutside_; }
    // Players borrowed and with the club now, and loans taken this season.
    uint8_t GetPlayersOnLoanHere() const { return loansOutNow_; }
    int32_t GetLoansThisSeason() const { return loansOutSeason_; }
    const CKits& GetHomeKit() const { return homeKit_; }
    const CKits& GetAwayKit() const { return awayKit_; }
    CKits& HomeKit() { return homeKit_; }
    CKits& AwayKit() { return awayKit_; }
    const CMatchReceipt& GetReceipt(int i) const { return i == 0 ? receipt1_ : receipt2_; }
    CAccountsItemList* GetAccounts() const { return accounts_.get(); }
    CCurrentForm* GetCurrentForm() const { return form_.get(); }
    CClubRecords& Records() { return records_; }
    CTableData& LeagueRow() { return leagueRow_; }
    const CTableData& LeagueRow() const { return leagueRow_; }
    CTrophyHistoryList& Trophies() { return trophies_; }
    const CTransferHistoryList& TransferHistory(int i) const { return i == 0 ? transfers1_ : transfers2_; }
    // For change: the world's index of clubs naming players is dropped.
    CTransferHistoryList& TransferHistory(int i);
    CEmployeeList& Staff() { return staff_; }
    const CEmployeeList& Staff() const { return staff_; }
    const CYouthList& Youths() const { return youths_; }
    CYouthList& Youths() { return youths_; }
    std::array<CScout, 7>& Scouts() { return scouts_; }
    std::vector<uint8_t>& LeaguePositions() { return leaguePositions_; }
    std::vector<uint32_t>& OfferTargets() { return offerTargets_; }
    std::vector<uint32_t>& LoanDeals() { return loanDeals_; }

    // Season end of the manager, and players who leave the world
    void ReviewManagerAtSeasonEnd();
    // A deleted player leaves the bid, loan and designated lists, the
    // scouts' reports and the transfer logs; the slot index may be reused.
    void ForgetPlayer(uint32_t player) {
        ForgetPlayerLinks(player);
        ForgetPlayerInLists(player);
    }
    // The bid, loan and designated lists only (a few entries each).
    void ForgetPlayerLinks(uint32_t player);
    // The scouts' reports and the transfer logs only.
    void ForgetPlayerInLists(uint32_t player);
    // Each player index the transfer logs and the scouts' entries in use
    // hold (a player may come more than once).
    void ForEachNamedPlayer(const std::function<void(uint32_t)>& visit) const;

    // Money texts, form figures and the squad screens' small queries
    std::string FormatBankBalance() const;
    // Never below 0.
    std::string FormatTransferBudget() const;
    std::string FormatLoan() const;
    // Empty when there is no such youth.
    std::string GetYouthName(int i) const;
    // A club of a country not followed keeps no form: 0 and empty texts.
    std::string GetFormText() const;
    int32_t GetFormPoints() const;
    int32_t GetFormGoalsFor() const;
    int32_t GetFormGoalsAgainst() const;
    int32_t GetFormWins() const;
    int32_t GetFormLosses() const;
    void SetFormPosition(int32_t position);
    int32_t CountFitPlayersInPosition(int position) const { return CountAvailableInPosition(position); }
    // 0 for an empty slot.
    uint8_t GetSlotInjuryEstimate(int slot) const;
    uint8_t GetSlotSuspension(int slot) const;
    std::string GetDivisionName() const;
    // Empty when the friendly slot has no opponent.
    std::string GetFriendlyOpponentName(int slot) const;
    std::string GetFriendlyVenueName(int slot) const;

private:
    // Tells the world's index that a log line of this club names the player.
    void NoteNamedPlayer(int32_t player);
    // A human manager's team sheet follows his squad up when a slot empties.
    void ShiftHumanSelection(int slot);
    void DecayHumanFamiliarity();
    int TakeOnEmployee(std::unique_ptr<CEmployee> employee);
    void ResetClub();
    void AddHonour(const std::string& competition, uint8_t picture, bool winner, bool isCup);
    void SetPopularityIndexTo(int index);
    void NewTicketPrice();
    void WorldEndOfSeasonHook();
    // A filled slot drawn from first .. first + spread; -1 when none comes.
    int DrawFilledSlot(int first, int spread) const;
    void KeepSquadLimits();
    void SetReceipt(CMatchReceipt& r, bool home, int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals,
                    double price, uint8_t b);

    CTableData leagueRow_;
    CClubRecords records_;
    std::string name_;
    std::string secondName_;
    CYouthList youths_;
    CEmployeeList staff_;
    std::array<CScout, 7> scouts_;
    std::unique_ptr<CSoccerSquadTraining> training_;
    uint8_t youthTrainingLoad_ = 10;
    CTransferHistoryList transfers1_;
    CTransferHistoryList transfers2_;
    CTrophyHistoryList trophies_;
    CKits homeKit_;
    CKits awayKit_;
    std::unique_ptr<CCurrentForm> form_;
    std::unique_ptr<CAccountsItemList> accounts_;
    std::vector<uint16_t> squad_;
    std::vector<uint8_t> leaguePositions_;
    std::vector<uint32_t> series1_;
    std::vector<uint32_t> series2_;
    std::vector<uint32_t> friendlyOpponents_;
    std::vector<uint8_t> friendlyVenues_;
    std::vector<uint32_t> offerTargets_;
    std::vector<uint32_t> loanDeals_;
    std::vector<uint32_t> approachedStaff_;
    double managerWage_ = 0.0;
    double balance_ = 0.0;
    double budgetPercentage_ = 0.0;
    int8_t lastGrantedRequest_ = -2;
    uint8_t lastRequest_ = 254;
    double weekOpeningBalance_ = 0.0;
    double weekNet_ = 0.0;
    double ticketPrice_ = 10.0;
    double loan_ = 0.0;
    double weeklyRepayment_ = 0.0;
    int16_t yearFounded_ = 0;
    int32_t lowestGate_ = 0;
    int32_t areaCode_ = 0;
    int32_t disciplinePoints_ = 0;
    int32_t bookings_ = 0;
    int32_t sendingsOff_ = 0;
    int32_t stadium_ = 0;
    int32_t manager_ = -1;
    int32_t managerYears_ = 0;
    int32_t managerBonus_ = 0;
    std::array<int32_t, 4> designated_{kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
    int32_t totalGate_ = 0;
    int32_t homeGames_ = 0;
    int32_t lastHomeCrowd_ = 0;
    int32_t division_ = 0;
    int32_t loansOutSeason_ = 0;
    int32_t loanWeeks_ = 0;
    uint8_t popularity_ = 0;
    uint8_t secondPopularity_ = 0;
    uint8_t reputation_ = 0;
    uint8_t tactic_ = 0;
    std::array<uint8_t, 5> instructions_{5, 5, 0, 0, 0};
    std::array<uint8_t, 4> positionFigures_{};
    uint8_t playersOutside_ = 0;
    uint8_t loansOutNow_ = 0;
    CMatchReceipt receipt1_;
    CMatchReceipt receipt2_;
};

#include "soccerclasses/clublist.h"
