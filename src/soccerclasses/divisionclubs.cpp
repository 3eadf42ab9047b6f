// The division's loops over its clubs: buyers, weekly steps, offers and the
// rows of the screens' lists.
#include "soccerclasses/globals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/worlddata.h"

namespace {
CClub* ClubAt(int i) {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(i) : nullptr;
}
constexpr int kBuyerDraws = 12;
}  // namespace

int CDivision::FindBuyerClub(int player, int notClub, double fee) const {
    CWorldData* w = GetWorldData();
    const CPlayer* p = w ? w->GetPlayer(player) : nullptr;
    if (!p) return -1;
    for (int i = 0; i < kBuyerDraws; ++i) {
        const int c = GetRandomNonHumanClub(notClub);
        const CClub* club = ClubAt(c);
        if (club && club->WantsPlayer(*p, fee)) return c;
    }
    return -1;
}

void CDivision::ProcessClubsWeekly(bool quiet) {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (CClub* club = ClubAt(c)) club->ProcessWeek(quiet);
}

int CDivision::OfferPlayerToClubs(uint32_t player, int sellerClub) {
    int approaches = 0;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        if (c == sellerClub) continue;
        CClub* club = ClubAt(c);
        if (!club || Random(10) >= 5) continue;
        ++approaches;
        // The first club that signs him ends the round: he is no longer the
        // seller's to offer.
        if (club->ApproachForPlayer(player, sellerClub)) break;
    }
    return approaches;
}

template <typename Row>
void CDivision::ForEachSquadPlayer(Row&& row) const {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        CClub* club = ClubAt(c);
        if (!club) continue;
        for (int s = 0; s < kSquadSlots; ++s)
            if (const CPlayer* p = club->PlayerInSlot(s)) row(*club, *p);
    }
}

void CDivision::FillManagerList(CListRows& rows) const {
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        const CClub* club = ClubAt(c);
        const CManager* m = club && club->HasManager() ? club->GetManagerObject() : nullptr;
        if (m) m->FillListRow(rows);
    }
}

void CDivision::FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const {
    CWorldData* w = GetWorldData();
    const CClub* own = w ? w->GetCurrentClub() : nullptr;
    ForEachSquadPlayer([&](const CClub& club, const CPlayer& p) {
        if (&club != own && club.HasManager()) p.AddTransferRow(rows, club.GetName(), false, search);
    });
}

void CDivision::FillDisciplineList(CListRows& rows) const {
    // Each row shows the league games of the player's club; a club that has
    // played none has nothing to show yet.
    ForEachSquadPlayer([&](CClub& club, const CPlayer& p) {
        const int games = club.LeagueRow().GetPlayed();
        if (games > 0) p.AddDisciplineRow(rows, games);
    });
}

void CDivision::FillTopScorerList(CListRows& rows) const {
    ForEachSquadPlayer([&](const CClub& club, const CPlayer& p) { p.AddScorerRow(rows, club.GetName()); });
}

void CDivision::FillPlayerCountList(CListRows& rows) const {
    ForEachSquadPlayer([&](const CClub& club, const CPlayer& p) { p.AddManOfTheMatchRow(rows, club.GetName()); });
}
