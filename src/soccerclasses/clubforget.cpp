// A player who leaves the world must leave nothing behind at any club: his
// slot in the world's list is handed to the next new player.
#include <algorithm>

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/worlddata.h"

void CClub::ForgetPlayerLinks(uint32_t player) {
    std::erase(offerTargets_, player);
    std::erase(loanDeals_, player);
    for (int32_t& d : designated_)
        if (d == static_cast<int32_t>(player)) d = kEmptySlot;
}

void CClub::ForgetPlayerInLists(uint32_t player) {
    for (CScout& scout : scouts_) scout.ForgetPlayer(static_cast<int32_t>(player));
    // The logs keep the names; only the link to the player's page goes.
    for (CTransferHistoryList* log : {&transfers1_, &transfers2_})
        for (int i = 0; i < log->GetSize(); ++i)
            if (log->GetAt(i)->m_PlayerIndex == static_cast<int32_t>(player)) log->GetAt(i)->m_PlayerIndex = -1;
}

void CClub::ForEachNamedPlayer(const std::function<void(uint32_t)>& visit) const {
    for (const CTransferHistoryList* log : {&transfers1_, &transfers2_})
        for (int i = 0; i < log->GetSize(); ++i)
            if (const int32_t p = log->GetAt(i)->m_PlayerIndex; p >= 0) visit(static_cast<uint32_t>(p));
    for (const CScout& scout : scouts_)
        for (const CScout::Entry& e : scout.Entries())
            if (e.state != CScout::kFree && e.player >= 0) visit(static_cast<uint32_t>(e.player));
}

CTransferHistoryList& CClub::TransferHistory(int i) {
    if (CWorldData* w = GetWorldData()) w->GetClubList().DropNamedPlayerIndex();
    return i == 0 ? transfers1_ : transfers2_;
}

void CClub::NoteNamedPlayer(int32_t player) {
    if (CWorldData* w = GetWorldData()) w->GetClubList().NoteNamedPlayer(player, this);
}
