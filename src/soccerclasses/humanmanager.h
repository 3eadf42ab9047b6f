#pragma once
// The eight user slots of the human managers. The career code builds the
// managers; the world's current-user rules need the slots now.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
    int32_t GetManagerIndex() const { return m_ManagerIndex; }
    void SetManagerIndex(int32_t index) { m_ManagerIndex = index; }
    bool HasManager() const { return m_ManagerIndex >= 0; }
    bool IsEmployed() const { return m_Employed; }
    void SetEmployed(bool employed) { m_Employed = employed; }

    // Formations: the manager's own list; the current one is his club's.
    CSoccerTacticList& GetTacticList() { return m_Tactics; }
    const CSoccerTacticList& GetTacticList() const { return m_Tactics; }
    uint8_t GetCurrentTactic() const { return static_cast<uint8_t>(m_Tactics.GetCurrent()); }
    // The manager's own honours, kept with him from club to club.
    CTrophyHistoryList& GetHonours() { return m_Honours; }
    const CTrophyHistoryList& GetHonours() const { return m_Honours; }
    // The transfer screens' search criteria.
    CPlayerSearch& GetPlayerSearch() { return m_Search; }
    void SetCurrentTactic(uint8_t index) {
        if (index < m_Tactics.GetSize()) m_Tactics.SetCurrent(index);
    }
    CSoccerTactic* GetTactic(uint8_t index) const { return m_Tactics.GetAt(index); }

    // The recent results, oldest first: 5 a draw, 4 a home win, 3 a home
    // defeat, 2 an away win, 1 an away defeat, 0 none yet.
    void AddResult(bool home, int homeGoals, int awayGoals) {
        const uint8_t code = homeGoals == awayGoals ? 5
                             : home                 ? (homeGoals > awayGoals ? 4 : 3)
                                                    : (awayGoals > homeGoals ? 2 : 1);
        for (auto& r : m_Results)
            if (r == 0) {
                r = code;
                return;
            }
        for (size_t i = 1; i < m_Results.size(); ++i) m_Results[i - 1] = m_Results[i];
        m_Results.back() = code;
    }
    const std::array<uint8_t, 11>& GetResults() const { return m_Results; }

    // The team sheet: per squad slot the match position given to its player
    // (1 up), 0 when not picked. The club's own slot order is left alone
    // until a match needs it.
    static constexpr int kSquadSlots = 30;
    uint8_t GetSelection(int slot) const { return m_Selection.at(static_cast<size_t>(slot)); }
    void SetSelection(int slot, uint8_t position) { m_Selection.at(static_cast<size_t>(slot)) = position; }
    void ResetSelection() {
        for (int s = 0; s < kSquadSlots; ++s) m_Selection[static_cast<size_t>(s)] = s < 16 ? uint8_t(s + 1) : 0;
    }
    bool IsSquadInSelectionOrder() const { return m_SquadInSelectionOrder; }
    // Puts the picked players into the club's slots in match order, the rest
    // behind them; the club's own order is kept to be put back afterwards.
    void ApplySelectionToClub(CClub& club, int substitutes);
    void RestoreClubSquadOrder(CClub& club);

    // The advisors' inbox and the manager's own news; the career code
    // builds the screens that show them.
    struct InboxMessage {
        uint8_t code;
        std::string text1, text2, text3;
        int32_t id;
    };
    void AddMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3, int32_t id) {
        m_Inbox.push_back({code, t1, t2, t3, id});
    }
    void AddNews(const std::string& text) { m_News.push_back(text); }
    // The single held-back message; a new one replaces it.
    void SetDeferredMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3,
                            int32_t id) {
        m_Deferred = {code, t1, t2, t3, id};
        m_HasDeferred = true;
    }
    bool HasDeferredMessage() const { return m_HasDeferred; }
    const InboxMessage& GetDeferredMessage() const { return m_Deferred; }
    const std::vector<InboxMessage>& GetInbox() const { return m_Inbox; }
    const std::vector<std::string>& GetNews() const { return m_News; }

    // His manager; NULL when the slot is not in play.
    CManager* GetManager() const;
    // His current club, else the one he left last; NULL when neither.
    CClub* GetClub() const;

    // Board and manager: his standing with boards, and the board's mood
    // about letting him go, drawn each day before his bids are decided.
    bool IsRatedFor(uint8_t popularityIndex) const;
    void RollTransferFlag();
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

private:
    int32_t m_ManagerIndex = -1;
    bool m_Employed = false;
    CSoccerTacticList m_Tactics;
    CTrophyHistoryList m_Honours;
    CPlayerSearch m_Search;
    std::array<uint8_t, kSquadSlots> m_Selection{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    std::array<uint16_t, kSquadSlots> m_SavedSquadOrder{};
    bool m_SquadInSelectionOrder = false;
    std::vector<InboxMessage> m_Inbox;
    std::vector<std::string> m_News;
    InboxMessage m_Deferred{};
    bool m_HasDeferred = false;
    std::array<uint8_t, 11> m_Results{};
    uint8_t m_TransferFlag = 0;
    CTransferNegotiationList m_Negotiations;
    std::vector<uint32_t> m_MarkedPlayers;
};

class CUserList {
public:
    static constexpr int kSlots = 8;

    int GetSize() const { return kSlots; }
    CHumanManager* GetAt(int i) { return i >= 0 && i < kSlots ? &m_Slots[static_cast<size_t>(i)] : nullptr; }
    const CHumanManager* GetAt(int i) const {
        return i >= 0 && i < kSlots ? &m_Slots[static_cast<size_t>(i)] : nullptr;
    }
    // The first slot with a manager, -1 when none.
    int FindFirstWithManager() const {
        for (int i = 0; i < kSlots; ++i)
            if (m_Slots[static_cast<size_t>(i)].HasManager()) return i;
        return -1;
    }
    int GetManagerCount() const {
        int n = 0;
        for (const auto& s : m_Slots) n += s.HasManager() ? 1 : 0;
        return n;
    }
    // The player has signed for `buyer`: every other user's bids for him end.
    void CancelNegotiationsForPlayer(int player, const CClub* buyer);
    // Two clubs have exchanged their places in the world's list.
    void SwapClubIndexes(int a, int b);

private:
    std::array<CHumanManager, kSlots> m_Slots;
};
