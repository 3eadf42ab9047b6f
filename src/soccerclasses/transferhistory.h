#pragma once
// Transfer logs: a club's record of moves in and out, and a player's own
// career moves.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/extstring.h"

class CCountry;
class CListRows;

class CTransferHistory {
public:
    CTransferHistory() = default;
    CTransferHistory(const std::string& player, const std::string& fromClub, double fee, const std::string& toClub,
                     int playerIndex)
        : m_Player(player), m_FromClub(fromClub), m_Fee(fee), m_ToClub(toClub), m_PlayerIndex(playerIndex) {}

    bool IsFree() const { return m_Fee <= 0; }
    // "Free Transfer", or the fee in the country's money.
    std::string GetFeeText(const CCountry* country) const;
    // To club, player, from club, fee; the player as row data while the
    // world's player at the index still carries the name.
    void AddToList(CListRows& rows, const CCountry* country) const;

    CExtString m_Player;
    CExtString m_FromClub;
    double m_Fee = 0;
    CExtString m_ToClub;
    int32_t m_PlayerIndex = -1;
};

class CTransferHistoryList {
public:
    int GetSize() const { return static_cast<int>(m_Items.size()); }
    CTransferHistory* GetAt(int i) const { return m_Items.at(static_cast<size_t>(i)).get(); }
    void Add(const std::string& player, const std::string& fromClub, double fee, const std::string& toClub,
             int playerIndex) {
        m_Items.push_back(std::make_unique<CTransferHistory>(player, fromClub, fee, toClub, playerIndex));
    }
    void FillList(CListRows& rows, const CCountry* country) const {
        for (const auto& t : m_Items) t->AddToList(rows, country);
    }
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CTransferHistory>> m_Items;
};

class CPlayerTransferHistory {
public:
    CPlayerTransferHistory() = default;
    CPlayerTransferHistory(const std::string& date, double fee, const std::string& club)
        : m_Date(date), m_Fee(fee), m_Club(club) {}
    virtual ~CPlayerTransferHistory() = default;

    CExtString m_Date;
    double m_Fee = 0;
    CExtString m_Club;
};

class CPlayerTransferHistoryList {
public:
    int GetSize() const { return static_cast<int>(m_Items.size()); }
    CPlayerTransferHistory* GetAt(int i) const { return m_Items.at(static_cast<size_t>(i)).get(); }
    void Add(const std::string& date, double fee, const std::string& club) {
        m_Items.push_back(std::make_unique<CPlayerTransferHistory>(date, fee, club));
    }
    // The date of the oldest move; empty when there is none.
    std::string GetFirstDate() const { return m_Items.empty() ? std::string() : m_Items.front()->m_Date; }
    // Date, club and fee ("FREE" for exactly 0), one orange row a move.
    void FillListControl(CListRows& rows, const CCountry* country) const;
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    std::vector<std::unique_ptr<CPlayerTransferHistory>> m_Items;
};
