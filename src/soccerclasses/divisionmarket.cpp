// Keeping a division's transfer market stocked with listed players.
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kWantedOnMarket = 12;
constexpr int kTopUpRounds = 100;

bool IsStocked(const CDivision& d) {
    const CWorldData* world = GetWorldData();
    const CCountry* country = world ? world->GetCountry(d.GetCountry()) : nullptr;
    return country && country->GetFollowLevel() < kNotFollowed;
}

}  // namespace

int CDivision::CountListedOrUncontractedPlayers() const {
    CWorldData* world = GetWorldData();
    int n = 0;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (const CClub* club = world->GetClub(c)) n += club->CountListedOrUncontractedPlayers();
    return n;
}

void CDivision::StockTransferMarket() {
    if (!IsStocked(*this)) return;
    CWorldData* world = GetWorldData();
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (CClub* club = world->GetClub(c)) club->ReviewTransferList();
    StockTransferMarketOnly();
}

void CDivision::StockTransferMarketOnly() {
    if (!IsStocked(*this) || m_ClubCount == 0) return;
    int total = CountListedOrUncontractedPlayers();
    if (total >= kWantedOnMarket && Random(2) != 1) return;
    CWorldData* world = GetWorldData();
    for (int round = 0; round < kTopUpRounds && total < kWantedOnMarket; ++round) {
        const int n = Random(6) + 6;
        for (int i = 0; i < n; ++i) {
            const int c = GetRandomNonHumanClub(-1);
            if (CClub* club = c < 0 ? nullptr : world->GetClub(c)) club->TransferListRandomPlayers(1);
        }
        total = CountListedOrUncontractedPlayers();
    }
}
