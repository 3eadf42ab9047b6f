#pragma once
// The human players of a game: one record per user slot, eight slots.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/employee.h"
#include "soccerclasses/messagelines.h"
#include "soccerclasses/news.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/transfernegotiation.h"
#include "soccerclasses/trophyhistory.h"

class CClub;
class CListRows;
class CManager;
class CPlayer;

class CHumanManager {
public:
    static constexpr int kSquadSlots = 30;
    static constexpr int kInboxSlots = 110;
    static constexpr int kFormations = 30;
    static constexpr int kOutfieldPlayers = 10;

    // One inbox message: its code, the three inserts of the text that the
    // showing screen picks, and mostly the player it is about (-1 none).
    struct AdvisorMessage {
        uint8_t code = 0;
        std::string text1, text2, text3;
        int32_t id = -1;
    };

    CHumanManager();
    CHumanManager(const CHumanManager&) = delete;
    CHumanManager& operator=(const CHumanManager&) = delete;

    int32_t GetManagerIndex() const { return m_ManagerIndex; }
    // Stores the index; a manager it names becomes human and the search
    // criteria start afresh.
    void SetManager(int32_t index);
    void SetManagerIndex(int32_t index) { SetManager(index); }
    bool HasManager() const { return m_ManagerIndex >= 0; }
    // In play, and his manager holds a club.
    bool IsEmployed() const;

    // Formations: the manager's own list; the current one is his club's.
    CSoccerTacticList& GetTacticList() { return m_Tactics; }
    const CSoccerTacticList& GetTacticList() const { return m_Tactics; }
    int GetTacticCount() const { return m_Tactics.GetSize(); }
    uint8_t GetCurrentTactic() const { return static_cast<uint8_t>(m_Tactics.GetCurrent()); }
    void SetCurrentTactic(uint8_t index) {
        if (index < m_Tactics.GetSize()) m_Tactics.SetCurrent(index);
    }
    CSoccerTactic* GetTactic(uint8_t index) const { return m_Tactics.GetAt(index); }
    CSoccerTactic* GetCurrentTacticObject() const { return m_Tactics.GetCurrentTactic(); }
    std::string GetTacticName(int index) const;
    std::string GetTacticLabel(int index) const;
    std::string GetTacticFamiliarity(uint8_t index) const;
    int GetTacticPlayerX(int player, int formation = -1) const;
    int GetTacticPlayerY(int player, int formation = -1) const;
    void SwapTactics(int a, int b);
    // Each formation known better than half and less than a draw of 0..99
    // is forgotten a little: a player has left.
    void DecayTacticFamiliarity() { m_Tactics.DecayFamiliarity(); }
    // The manager's own honours, kept with him from club to club.
    CTrophyHistoryList& GetHonours() { return m_Honours; }
    const CTrophyHistoryList& GetHonours() const { return m_Honours; }
    // The transfer screens' search criteria.
    CPlayerSearch& GetPlayerSearch() { return m_Search; }
    CSoccerSquadTraining& GetTraining() { return m_Training; }

    // The recent results, oldest first: 5 a draw, 4 a home win, 3 a home
    // defeat, 2 an away win, 1 an away defeat, 0 none yet.
    void AddResult(bool home, int homeGoals, int awayGoals);
    const std::array<uint8_t, 11>& GetResults() const { return m_Results; }
    std::array<uint8_t, 11>& Results() { return m_Results; }

    // The team sheet: per squad slot the match position given to its player
    // (1 up), 0 when not picked. The club's own slot order is left alone
    // until a match needs it.
    uint8_t GetSelection(int slot) const { return m_Selection.at(static_cast<size_t>(slot)); }
    void SetSelection(int slot, uint8_t position) { m_Selection.at(static_cast<size_t>(slot)) = position; }
    void ResetSelection();
    bool IsSquadInSelectionOrder() const { return m_SquadInSelectionOrder != 0; }
    const std::vector<uint16_t>& GetSavedSquadOrder() const { return m_SavedSquadOrder; }
    // The match position of squad slot `pos`: pos + 1 while the club's slots
    // stand in the selection's order.
    int GetSelectedPlayer(int pos) const;
    // Gives slot `pos` the position `value`; the slot that held it takes the
    // old one. In selection order the two squad slots change places.
    void SetSelectedPlayer(int pos, int value);
    // The player of squad slot `slot` has left and the slots behind moved up.
    void RemoveSelectionSlot(int slot);
    // The assistant's picks: the rank-th best who can play of a position
    // group (0 keepers .. 3 attackers), empty when there is none; and his
    // suggested eleven for the club's formation.
    std::string GetRankedPlayerName(int rank, int group) const;
    std::string BuildSuggestedTeam() const;
    // Puts the picked players into the club's slots in match order, the rest
    // behind them; the club's own order is kept to be put back afterwards.
    void ApplySelectionToClub(CClub& club, int substitutes);
    void RestoreClubSquadOrder(CClub& club);

    // The advisors' inbox: 110 slots filled from the first; when full the
    // oldest goes. Emptied whenever the game moves on; never saved.
    void AddMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3, int32_t id);
    // The lines of every message of the code (and of the id unless -1) in
    // the text `textId`; true when any message has the code.
    bool GetMessages(uint8_t code, unsigned textId, CMessageLines& lines, const void* ignored = nullptr,
                     int id = -1) const;
    void ClearMessages();
    const AdvisorMessage& GetMessage(int slot) const { return m_Messages.at(static_cast<size_t>(slot)); }
    // The used slots, oldest first.
    std::vector<AdvisorMessage> GetInbox() const;
    bool HasMessage(uint8_t code) const;
    // The single held-back message; a new one replaces it.
    void SetDeferredMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3,
                            int32_t id);
    void ClearDeferredMessage() { m_Deferred = AdvisorMessage{}; }
    bool HasDeferredMessage() const { return m_Deferred.code != 0; }
    const AdvisorMessage& GetDeferredMessage() const { return m_Deferred; }

    // His own news, dated today.
    void AddNews(const std::string& text);
    CNewsList& GetNews() { return m_News; }
    const CNewsList& GetNews() const { return m_News; }
    void GetNewsLines(std::vector<std::string>& out, const std::string& date) const { m_News.GetLines(out, date); }

    // His manager; NULL when the slot is not in play.
    CManager* GetManager() const;
    // His manager's rating, a percentage; 0 without a manager.
    double GetManagerRating() const;
    // His current club, else the one he left last; NULL when neither.
    CClub* GetClub() const;
    CClub* GetPreviousClub() const;
    // Texts of his manager and club; empty when there is none.
    std::string GetClubName() const;
    std::string GetPreviousClubName() const;
    std::string GetManagerName() const;
    uint8_t GetAge() const;
    std::string GetAgeText() const;
    std::string GetNationalityName() const;
    uint8_t GetContractYears() const;
    std::string GetContractYearsText() const;
    double GetWage() const;
    // The lifestyle his weekly wage affords, 0 to 9 (0 without a manager).
    int GetWealthLevel() const;
    // Weekly wage, yearly wage, living costs, weekly net and savings.
    std::string GetMoneyText1() const;
    std::string GetMoneyText2() const;
    std::string GetMoneyText3() const;
    std::string GetMoneyText4() const;
    std::string GetMoneyText5() const;
    // Of the club GetClub gives; -1 without one.
    int GetClubCountryIndex() const;
    int GetClubPopularityIndex() const;
    int GetClubDivision() const;

    // His advisors and contacts.
    CEmployeeList& GetContacts() { return m_Contacts; }
    const CEmployeeList& GetContacts() const { return m_Contacts; }
    void FillStaffList(CListRows& list, int group) const { m_Contacts.FillGroupList(list, group); }

    // His manager takes the job at the club of the world's list, letting
    // any club he still holds go first; the record starts afresh for the
    // new club, with the country's players known and twelve new contacts.
    void JoinClub(int clubIndex);
    // The twelve contacts of a club he has just taken (chairman, directors,
    // secretaries...), in place of any he had.
    void NewContacts(const CClub& club);
    // The season's career events, called by his club: the board's box, the
    // inbox codes and the message held for the next season. The champions
    // post before their box, the others after it.
    void OnChampions(const std::string& division, bool topDivision, const std::string& clubName);
    void OnPromotedByDivision(const std::string& newDivision);
    void OnRelegatedByDivision(const std::string& newDivision);
    void OnPlayOffsWon(const std::string& newDivision);
    void OnRelegationAvoided();
    void OnPromoted();
    void OnRelegated();
    void OnBottomOfLeague();
    void OnCupWon(const std::string& cup);
    // His own honours, won with the club named.
    void AddDivisionHonour(const std::string& division, const std::string& clubName, const std::string& season,
                           uint8_t picture);
    void AddCupHonour(const std::string& cup, const std::string& clubName, const std::string& season,
                      uint8_t picture);

    // Board and manager: his standing with boards, and the board's mood
    // about letting him go, drawn each day before his bids are decided.
    bool IsRatedFor(uint8_t popularityIndex) const;
    // Clubs that turned down his request for a friendly; kept for the
    // session only, so a load or a new game starts with none.
    bool HasFriendlyRefusal(const CClub* club) const;
    void AddFriendlyRefusal(const CClub* club);
    void RollTransferFlag();
    // Whether his match of today may be played: too few fit men (959) or a
    // team sheet the club refuses stops it. True without a match today.
    bool CheckTeamReady();
    uint8_t GetTransferFlag() const { return m_TransferFlag; }
    void SetTransferFlag(uint8_t flag) { m_TransferFlag = flag; }

    // Accepted bids waiting for the player to talk terms.
    CTransferNegotiationList& GetNegotiations() { return m_Negotiations; }
    bool IsNegotiatingFor(const CPlayer* player) const { return m_Negotiations.HasPlayer(player); }
    bool IsNegotiatingForIndex(int player) const { return m_Negotiations.HasPlayerIndex(player); }
    // Adds the bid with one to three days to wait; `reply` tells the user
    // when the player will come.
    void StartNegotiation(std::string& reply, int player, int fee, const CClub* club, uint8_t kind);
    // Ends every bid, and forgets the players he marked.
    void ClearNegotiations();
    void FillNegotiationList(CListRows& list) const;
    // Players marked on the player screens.
    void MarkPlayer(int player) { m_MarkedPlayers.push_back(static_cast<uint32_t>(player)); }
    bool IsMarked(int player) const;
    const std::vector<uint32_t>& GetMarkedPlayers() const { return m_MarkedPlayers; }
    void ClearMarkedPlayers() { m_MarkedPlayers.clear(); }

    // The day's advisors' report: the training levels move, then the staff's
    // notes on results, standing, money, players and today's match go to
    // the inbox. Nothing for a manager without a job.
    void UpdateAdvisors();
    // Due a few days before the friendlies (or on the game's first day): the
    // reminder to arrange friendlies (864) while none is arranged, and the
    // held-back message posted once. True when the box was shown.
    bool PreSeasonHint();
    // On the last day of the domestic season, 32896; true when shown.
    bool SeasonEndNotice();

    // Saturday's step: the employed manager's news trimmed to the newest 20,
    // a week more, and his rating recorded.
    void WeeklyStep();
    // Weeks in the game, and his rating week by week (oldest first, 0 none).
    int32_t GetWeeks() const { return m_Weeks; }
    const std::array<int32_t, 10>& GetWageHistory() const { return m_WageHistory; }

    // The training timetables (senior, youth), the set-piece ratings with
    // their weekly hours and progress, the players' own instructions per
    // formation (aggression, attacking bias, passing style) and the
    // team-sheet places of captain and set-piece takers.
    std::array<int32_t, 20> m_TableA{};
    std::array<int32_t, 20> m_TableB{};
    std::array<std::array<std::array<int32_t, kOutfieldPlayers>, kFormations>, 3> m_Instructions{};
    std::array<uint8_t, 4> m_TrainLevel{};
    std::array<uint8_t, 4> m_TrainLoad{};
    std::array<double, 4> m_TrainProgress{};
    std::array<int32_t, 5> m_TacticSliders{5, 10, 2, 5, 6};

    // The record in the saved game; the inbox is neither written nor read.
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    void ResetPersonalValues();
    void ShowBoardMessage(const std::string& text);
    void AdvanceTraining();
    void PostResultStreaks();
    void PostLeaguePosition(const CClub& club);
    void PostManagerState(const CManager& m, const CClub& club);
    void PostSquadNotes(const CClub& club, int user);
    void PostClubFinances(const CClub& club);
    void PostTodaysMatch(const CManager& m, const CClub& club);
    void PostDayNotes(const CClub& club);

    CTrophyHistoryList m_Honours;
    std::array<uint8_t, kSquadSlots> m_Selection{};
    std::vector<uint16_t> m_SavedSquadOrder;
    std::vector<uint32_t> m_MarkedPlayers;
    CSoccerTacticList m_Tactics;
    CNewsList m_News;
    CTransferNegotiationList m_Negotiations;
    CPlayerSearch m_Search;
    CSoccerSquadTraining m_Training;
    int32_t m_ManagerIndex = -1;
    int32_t m_Reserved = 0;
    int32_t m_Weeks = 0;
    uint8_t m_SquadInSelectionOrder = 0;
    uint8_t m_TransferFlag = 0;
    uint8_t m_ReservedByte = 0;
    std::array<AdvisorMessage, kInboxSlots> m_Messages;
    std::array<uint8_t, 11> m_Results{};
    std::array<int32_t, 10> m_WageHistory{};
    AdvisorMessage m_Deferred;
    CEmployeeList m_Contacts;
    std::vector<int32_t> m_FriendlyRefusals;

    friend class CUserList;
};

struct CFixtureInfo;
class CMatchTime;

class CUserList {
public:
    static constexpr int kSlots = 8;

    CUserList();
    CUserList(const CUserList&) = delete;
    CUserList& operator=(const CUserList&) = delete;

    int GetSize() const { return kSlots; }
    CHumanManager* GetAt(int i) const { return i >= 0 && i < kSlots ? m_Slots[static_cast<size_t>(i)].get() : nullptr; }
    // The slot of a record, -1 when it is not in the list.
    int IndexOf(const CHumanManager* user) const;
    // The first slot with a manager, -1 when none.
    int FindFirstWithManager() const;
    int CountInPlay() const;
    int GetManagerCount() const { return CountInPlay(); }
    bool AnyInPlay() const { return FindFirstWithManager() >= 0; }
    // The manager has left human control: no slot plays him any more.
    void RemoveManager(int managerIndex);
    // The end of the thirtieth season: no slot is in play afterwards.
    void EndGame();
    // The daily notices of every slot in play, the current user left as he
    // is; true when any box was shown.
    bool DailyStep();
    // The advisors' report of every slot in play, each made the current
    // user in turn; the current user is put back afterwards.
    void UpdateAdvisors();
    // Saturday's step for every slot in play, each made the current user in
    // turn; the current user is put back afterwards.
    void WeeklyStep();
    // Whether any user's club plays on the date, each slot made current in
    // turn; `fixture` gets the last match found.
    bool IsHumanMatchDay(const CMatchTime& date, CFixtureInfo& fixture);
    // The player has signed for `buyer`: every other user's bids for him end.
    void CancelNegotiationsForPlayer(int player, const CClub* buyer);
    // Two clubs have exchanged their places in the world's list.
    void SwapClubIndexes(int a, int b);
    // The slots with a manager first, in their old order; entry i of the
    // result is the old slot of new slot i.
    std::array<int, kSlots> CompactSlots();

    // The count, then per slot its "SYNC n" marker and its record. A load
    // that finds a count outside 1..8 or a wrong marker marks the file
    // damaged; slots the file does not hold are left empty.
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::array<std::unique_ptr<CHumanManager>, kSlots> m_Slots;
};
