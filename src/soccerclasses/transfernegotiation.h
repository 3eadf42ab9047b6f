#pragma once
// A human manager's accepted bids, each waiting a few days for the player to
// come and talk terms, and the day's decisions on them.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "soccerclasses/owninglist.h"

class CClub;
class CPlayer;
class CListRows;

class CTransferNegotiation {
public:
    CTransferNegotiation() = default;
    CTransferNegotiation(int32_t player, int32_t fee, int32_t club, uint8_t kind, uint8_t days)
        : m_Player(player), m_Fee(fee), m_Club(club), m_Kind(kind), m_Days(days) {}
    virtual ~CTransferNegotiation() = default;

    // One day passes; on the last the user is asked, and may be sent to the
    // player's screens. The bid may be gone when this returns: a signing on
    // a screen cancels bids.
    void Decide(CClub& ownClub);

    int32_t m_Player = 0;
    int32_t m_Fee = 0;
    int32_t m_Club = 0;
    uint8_t m_Kind = 0;
    uint8_t m_Days = 0;
    // Which bid this is while the game runs; not saved.
    uint32_t m_Serial = 0;
};

class CTransferNegotiationList : public OwningList<CTransferNegotiation> {
public:
    void Add(int32_t player, int32_t fee, int32_t club, uint8_t kind, uint8_t days);
    // The day's run over the bids there were when it began, from the last to
    // the first; a bid whose days are over is deleted. Bids added meanwhile
    // wait for the next day.
    void ProcessAll(CClub& ownClub);
    // The player signed for `buyer`: unless that is the own club, the user
    // is told once and every bid for him goes.
    void CancelForPlayer(int32_t player, const CClub* buyer, const CClub* ownClub);
    void SwapClubs(int32_t a, int32_t b);
    bool HasPlayerIndex(int32_t player) const;
    bool HasPlayer(const CPlayer* player) const;
    void DeleteAll() { RemoveAll(); }
    // Rows of player, club, fee in the money of `moneyClub`'s country and
    // the day of the talks.
    void FillList(CListRows& list, const CClub* moneyClub) const;

    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    int FindSerial(uint32_t serial) const;
    uint32_t m_NextSerial = 1;
};
