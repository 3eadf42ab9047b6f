// A computer club offers a few of its players on the transfer list, so that
// the market has players to buy.
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/country.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {
constexpr int kAvailableFloor = 18;
constexpr int kListedCeiling = 5;
}  // namespace

void CClub::TransferListRandomPlayers(int n) {
    if (IsHumanManaged() || CountAvailablePlayers() <= kAvailableFloor) return;
    if (CountListedOrUncontractedPlayers() >= kListedCeiling) return;
    CCountry* country = GetCountry();
    if (!country) return;
    for (int pass = 0; pass < n; ++pass) {
        // Mostly a reserve; now and then anyone in the squad. The draws
        // repeat until they hit a player, within their bound.
        const int slot = Random(4) == 1 ? DrawFilledSlot(0, 29) : DrawFilledSlot(11, 18);
        if (slot < 0) continue;
        CPlayer* p = GetWorldData()->GetPlayer(squad_[size_t(slot)]);
        if (!p || p->IsOnLoan() || p->GetAge() >= 34 || !p->IsWillingToMove()) continue;
        const double fee = GetPlayerTransferFee(*p, *this);
        const double price = fee > 0.0 ? fee * 0.9 + Random(static_cast<int>(fee * 0.3)) : 0.0;
        p->ListAtPrice(price, *country);
    }
}
