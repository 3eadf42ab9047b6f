#include "soccerclasses/peopledeletion.h"

#include "soccerclasses/userport.h"

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/worlddata.h"

namespace {

// A headline must never name whoever takes the slot next.
void ForgetInEvents(CNewsPaperEvents& e, int player) {
    if (e.m_InjuredPlayer == player) {
        e.m_InjuredPlayer = -1;
        e.m_InjuryWeeks = 0xFF;
    }
    if (e.m_TransferPlayer == player) {
        e.m_TransferPlayer = e.m_TransferClub = -1;
        e.m_TransferFee.clear();
        e.m_TransferAmount = -1;
    }
    if (e.m_SuspendedPlayer == player) e.m_SuspendedPlayer = e.m_SuspendedSkill = -1;
    if (e.m_ReturningPlayer == player) e.m_ReturningPlayer = -1;
    if (e.m_TopScorer == player) e.m_TopScorer = -1;
}

template <class List>
void ForgetInCups(const List& cups, int player) {
    for (const auto& cup : cups) ForgetInEvents(cup->m_NewsPaperEvents, player);
}

}  // namespace

void ForgetPlayerIndex(int player) {
    if (player < 0) return;
    CWorldData* w = GetWorldData();
    if (!w) return;
    w->GetContractClauseList().RemovePlayerClauses(static_cast<uint32_t>(player));
    for (const auto& d : w->GetDivisionList()) ForgetInEvents(d->m_NewsPaperEvents, player);
    const CPlayer* p = w->GetPlayer(player);
    for (const auto& c : w->GetCountryList()) {
        ForgetInCups(c->GetCups(), player);
        if (p) c->RemoveTransferListedPlayer(p);
    }
    ForgetInCups(w->GetPlayOffList(), player);
    ForgetInCups(w->GetCharityShieldList(), player);
    ForgetInCups(w->GetFederationCupList(), player);
    // Targets, loans, designated men, scouts' reports and log links.
    w->GetClubList().ForgetPlayer(static_cast<uint32_t>(player));
    // And no page may be made again for him.
    GetUserPort().PersonDeleted(kPersonListPlayers, -1, player);
}
