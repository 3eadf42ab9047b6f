#include "soccerclasses/humanmanager.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

void CHumanManager::ApplySelectionToClub(CClub& club, int substitutes) {
    if (!m_Employed || m_SquadInSelectionOrder) return;
    if (const CSoccerTactic* t = m_Tactics.GetCurrentTactic()) {
        std::array<uint8_t, 5> settings{t->m_Instructions[0], t->m_Instructions[1], t->m_Instructions[2],
                                        t->m_Instructions[3], t->m_Aggression};
        if (settings[0] >= 10) settings[0] = 9;
        club.SetMatchInstructions(settings);
    }
    std::array<uint16_t, kSquadSlots> work{};
    for (int s = 0; s < kSquadSlots; ++s) work[size_t(s)] = m_SavedSquadOrder[size_t(s)] = club.GetPlayerId(s);

    // A match position nobody holds takes the next unpicked player, so that
    // every player still stands in exactly one slot.
    const int picked = std::clamp(11 + substitutes, 0, kSquadSlots);
    std::array<uint16_t, kSquadSlots> order;
    order.fill(kEmptySlot);
    std::vector<int> holes;
    for (int k = 0; k < picked; ++k) {
        const auto* it = std::find(m_Selection.begin(), m_Selection.end(), uint8_t(k + 1));
        const size_t s = static_cast<size_t>(it - m_Selection.begin());
        if (it == m_Selection.end() || work[s] == kEmptySlot) {
            holes.push_back(k);
            continue;
        }
        order[size_t(k)] = work[s];
        work[s] = kEmptySlot;
    }
    size_t next = static_cast<size_t>(picked);
    auto it = holes.begin();
    for (uint16_t id : work) {
        if (id == kEmptySlot) continue;
        if (it != holes.end()) order[size_t(*it++)] = id;
        else order[next++] = id;
    }
    for (int s = 0; s < kSquadSlots; ++s) club.SetPlayerId(s, order[size_t(s)]);
    m_SquadInSelectionOrder = true;
}

void CHumanManager::RestoreClubSquadOrder(CClub& club) {
    if (!m_Employed || !m_SquadInSelectionOrder) return;
    for (int s = 0; s < kSquadSlots; ++s) club.SetPlayerId(s, m_SavedSquadOrder[size_t(s)]);
    m_SquadInSelectionOrder = false;
}

bool CHumanManager::IsRatedFor(uint8_t popularityIndex) const {
    CWorldData* w = GetWorldData();
    const CManager* m = w && HasManager() ? w->GetManagerList().GetAt(m_ManagerIndex) : nullptr;
    const CPopularity* row = w ? w->GetPopularityList().GetAt(popularityIndex) : nullptr;
    if (!m || !row) return false;
    return row->IsManagerRated(static_cast<uint8_t>(std::clamp(m->GetRating(), 0.0, 255.0)));
}

CManager* CHumanManager::GetManager() const {
    CWorldData* w = GetWorldData();
    return w && HasManager() ? w->GetManagerList().GetAt(m_ManagerIndex) : nullptr;
}

CClub* CHumanManager::GetClub() const {
    const CManager* m = GetManager();
    if (!m) return nullptr;
    return m->IsEmployed() ? m->GetClub() : m->GetPreviousClub();
}

// The fewer years left on his contract, the readier the board is to let him
// go. Then the day's bids are decided.
void CHumanManager::RollTransferFlag() {
    static constexpr int kReleaseChance[5] = {90, 90, 85, 80, 70};
    const CManager* m = GetManager();
    const int years = m ? std::min<int>(m->Person().GetContractYears(), 4) : 0;
    m_TransferFlag = Random(100) < kReleaseChance[years] ? 1 : 0;
    if (CClub* club = GetClub()) m_Negotiations.ProcessAll(*club);
}

void CHumanManager::StartNegotiation(std::string& reply, int player, int fee, const CClub* club, uint8_t kind) {
    CWorldData* w = GetWorldData();
    const int days = Random(2) + 1;
    m_Negotiations.Add(player, fee, club ? w->GetClubIndex(club) : -1, kind, static_cast<uint8_t>(days));
    const CPlayer* p = w->GetPlayer(player);
    reply = platform::FormatMessageId(863, {p ? p->GetName() : std::string(), w->GetFutureDateText(days)});
}

void CHumanManager::ClearNegotiations() {
    m_Negotiations.DeleteAll();
    m_MarkedPlayers.clear();
}

void CHumanManager::FillNegotiationList(CListRows& list) const { m_Negotiations.FillList(list, GetClub()); }

bool CHumanManager::IsMarked(int player) const {
    return std::find(m_MarkedPlayers.begin(), m_MarkedPlayers.end(), static_cast<uint32_t>(player)) !=
           m_MarkedPlayers.end();
}

void CUserList::CancelNegotiationsForPlayer(int player, const CClub* buyer) {
    for (auto& user : m_Slots)
        if (user.HasManager()) user.GetNegotiations().CancelForPlayer(player, buyer, user.GetClub());
}

void CUserList::SwapClubIndexes(int a, int b) {
    for (auto& user : m_Slots)
        if (user.HasManager()) user.GetNegotiations().SwapClubs(a, b);
}
