// A player who leaves the world must leave nothing behind at any club: his
// slot in the world's list is handed to the next new player.
#include <algorithm>

#include "soccerclasses/club.h"

void CClub::ForgetPlayer(uint32_t player) {
    std::erase(offerTargets_, player);
    std::erase(loanDeals_, player);
    for (int32_t& d : designated_)
        if (d == static_cast<int32_t>(player)) d = kEmptySlot;
    for (CScout& scout : scouts_)
        for (CScout::Entry& e : scout.Entries())
            if (e.state != CScout::kFree && e.player == static_cast<int32_t>(player)) e = CScout::Entry{};
    // The logs keep the names; only the link to the player's page goes.
    for (CTransferHistoryList* log : {&transfers1_, &transfers2_})
        for (int i = 0; i < log->GetSize(); ++i)
            if (log->GetAt(i)->m_PlayerIndex == static_cast<int32_t>(player)) log->GetAt(i)->m_PlayerIndex = -1;
}
