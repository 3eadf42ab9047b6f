// Team selection and the designated players of the first eleven.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/player.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr uint8_t kTacticDraw[11] = {0, 1, 0, 1, 0, 7, 1, 1, 9, 3, 3};
constexpr uint8_t kFormation[10][10] = {
    {1, 1, 1, 1, 2, 2, 2, 3, 3, 2},  // 4-4-2
    {1, 1, 1, 1, 2, 2, 2, 3, 3, 3},  // 4-3-3
    {1, 1, 1, 1, 2, 2, 3, 3, 3, 3},  // 4-2-4
    {1, 1, 1, 1, 1, 2, 2, 3, 3, 2},  // 5-3-2
    {1, 1, 1, 1, 1, 2, 3, 3, 3, 2},  // 5-2-3
    {1, 1, 1, 1, 1, 2, 2, 3, 2, 2},  // 5-4-1
    {1, 1, 1, 1, 1, 2, 2, 3, 2, 2},  // 5-4-1
    {1, 1, 1, 2, 2, 2, 3, 3, 3, 3},  // 3-3-4
    {1, 1, 1, 2, 2, 2, 2, 3, 3, 2},  // 3-5-2
    {1, 1, 1, 2, 2, 2, 3, 3, 3, 2},  // 3-4-3
};
// Draws that find no one end here: a squad with nobody playable in reach
// must not hold up the day.
constexpr int kMaxDraws = 1000;

}  // namespace

const CPlayer* CClub::PlayerInSlot(int slot) const {
    const uint16_t id = squad_.at(static_cast<size_t>(slot));
    return id == kEmptySlot ? nullptr : GetWorldData()->GetPlayer(id);
}

int CClub::GetFormationPosition(int tactic, int slot) {
    if (slot == 0) return 0;
    return kFormation[std::clamp(tactic, 0, 9)][std::clamp(slot, 1, 10) - 1];
}

int CClub::CountAvailablePlayers() const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += IsPlayerAvailable(*p);
    return n;
}

// The players the club could part with: a borrowed man is not its to sell.
int CClub::CountAvailableNotOnLoan() const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += IsPlayerAvailable(*p) && !p->IsOnLoan();
    return n;
}

int CClub::CountSuspendedPlayers() const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += GetPlayerSuspension(*p) > 0;
    return n;
}

void CClub::AddGeneratedPlayers(int n) {
    CWorldData* world = GetWorldData();
    for (int i = 0; i < n && GetSquadSize() < kSquadSlots; ++i) {
        const int32_t id = world->GetPlayerList().AddNewPlayer();
        if (id < 0 || id >= kEmptySlot || !AddPlayerToSquad(static_cast<uint16_t>(id))) return;
        RegeneratePlayerForClub(*world->GetPlayer(id), *this, i % 4);
    }
}

void CClub::PickMatchSquad(int substitutes) {
    // A human manager's team sheet goes into the slots; a human club whose
    // manager holds no user slot is picked like any other.
    if (CHumanManager* h = GetHumanManager()) {
        h->ApplySelectionToClub(*this, substitutes);
        GetWorldData()->ResetCurrentUser();
        return;
    }
    SelectTeam(substitutes);
}

bool CClub::ValidateHumanSelection(int substitutes) const {
    const CHumanManager* h = GetHumanManager();
    if (!h) return true;
    const int wanted = 11 + substitutes;
    // Too few fit men: whatever he picks must be played, or no day could run.
    if (CountAvailablePlayers() < wanted) return true;
    for (int k = 1; k <= wanted; ++k) {
        int slot = -1;
        for (int s = 0; s < kSquadSlots && slot < 0; ++s)
            if (h->GetSelection(s) == k && squad_[size_t(s)] != kEmptySlot) slot = s;
        std::string text;
        if (slot < 0) {
            text = platform::FormatMessageId(586, {k, GetManagerName()});
        } else {
            const CPlayer& p = *PlayerInSlot(slot);
            if (p.IsInjured())
                text = platform::FormatMessageId(117, {k, p.GetName(), GetName()});
            else if (GetPlayerSuspension(p) > 0)
                text = platform::FormatMessageId(118, {k, int(GetPlayerSuspension(p)), p.GetName(), GetName()});
        }
        if (!text.empty()) {
            UserMessageBoxText(text, kBoxNotice, manager_);
            return false;
        }
    }
    return true;
}

void CClub::SelectTeam(int substitutes) {
    if (tactic_ >= 10) {
        tactic_ = kTacticDraw[Random(10)];
        if (CHumanManager* h = GetHumanManager()) h->SetCurrentTactic(tactic_);
    }
    const int wanted = 11 + substitutes;
    const int available = CountAvailablePlayers();
    if (available < wanted) AddGeneratedPlayers(wanted - available);

    if (CountSuspendedPlayers() >= 3) instructions_[4] = 0;
    else instructions_[4] = Random(3) == 2 ? 6 : 5;

    FillSlotWithBestPlayer(0, 0);
    for (int s = 1; s <= 10; ++s) FillSlotWithBestPlayer(s, GetFormationPosition(tactic_, s));

    const int lastSub = 10 + substitutes;
    for (int s = 11; s < lastSub && s < kSquadSlots; ++s) {
        auto fits = [&](int slot, bool keeperToo) {
            const CPlayer* p = PlayerInSlot(slot);
            return p && CanPlayerPlay(*p) && (keeperToo || p->GetPosition() != 0);
        };
        if (fits(s, false)) continue;
        const int spread = std::max(18 - substitutes, 1);
        int j = s, tries = 0;
        bool found = false;
        while (true) {
            if (fits(j, tries >= 10)) {
                found = true;
                break;
            }
            if (tries >= kMaxDraws) break;
            do j = std::min(s + Random(spread), kSquadSlots - 1);
            while (++tries < kMaxDraws && squad_[size_t(j)] == kEmptySlot);
        }
        if (!found) {
            platform::Trace("No playable substitute within reach: slot left as it was\n");
            continue;
        }
        SwapSquadSlots(s, j);
    }
    if (lastSub < kSquadSlots) SelectBenchKeeper(lastSub);
    ChooseDesignatedPlayers();
}

bool CClub::FillSlotWithBestPlayer(int slot, int position) {
    if (slot < 0 || slot >= kSquadSlots || position < 0 || position > 3) return false;
    auto best = [&](bool anyOutfield) {
        int bestSlot = 0, bestAbility = 0;
        for (int k = slot; k < kSquadSlots; ++k) {
            const CPlayer* p = PlayerInSlot(k);
            if (!p || !CanPlayerPlay(*p)) continue;
            if (anyOutfield ? p->GetPosition() == 0 : p->GetPosition() != position) continue;
            if (GetPlayerMatchAbility(*p) > bestAbility) {
                bestAbility = GetPlayerMatchAbility(*p);
                bestSlot = k;
            }
        }
        return bestSlot;
    };
    int found = best(false);
    if (found == 0 && position != 0) found = best(true);
    if (found != 0 && found != slot) SwapSquadSlots(slot, found);
    // Goalkeeper slot 0 counts as "none found" above; it may still hold the best.
    auto playable = [&] { return PlayerInSlot(slot) && CanPlayerPlay(*PlayerInSlot(slot)); };
    for (int tries = 0; !playable() && slot < kSquadSlots - 1 && tries < kMaxDraws; ++tries) {
        const int j = slot + Random(kSquadSlots - 1 - slot);
        if (j != slot && squad_[size_t(j)] != kEmptySlot) SwapSquadSlots(slot, j);
    }
    if (!playable()) platform::Trace("No playable player within reach of a squad slot\n");
    return playable();
}

void CClub::SelectBenchKeeper(int slot) {
    auto keeper = [&](int s) {
        const CPlayer* p = PlayerInSlot(s);
        return p && CanPlayerPlay(*p) && p->GetPosition() == 0;
    };
    if (keeper(slot)) return;
    int j = slot, tries = 0;
    while (!keeper(j) && tries < 10) {
        do j = slot + Random(kSquadSlots - 1 - slot);
        while (++tries < 10 && squad_[size_t(j)] == kEmptySlot);
    }
    const bool found = keeper(j);
    if (j != slot && squad_[size_t(j)] != kEmptySlot) SwapSquadSlots(slot, j);
    if (!found || squad_[size_t(slot)] == kEmptySlot) FillSlotWithBestPlayer(slot, 1 + Random(2));
}

int CClub::PickAvailableInWindow(int first, int last) const {
    int draws = 0;
    while (last < kSquadSlots) {
        const int s = first + Random(last - first);
        const CPlayer* p = PlayerInSlot(s);
        if (p && IsPlayerAvailable(*p)) return s;
        if (++draws % 31 == 0) ++last;
    }
    platform::Trace("No available player for a designated place\n");
    return -1;
}

void CClub::ChooseDesignatedPlayers() {
    auto inEleven = [&](int32_t id) {
        for (int s = 0; s <= 10; ++s)
            if (squad_[size_t(s)] == id) return true;
        return false;
    };
    static constexpr int kWindows[4][2] = {{1, 8}, {5, 11}, {2, 7}, {3, 10}};
    for (int d = 0; d < 4; ++d) {
        if (designated_[size_t(d)] != kEmptySlot && inEleven(designated_[size_t(d)])) continue;
        int slot = -1;
        if (d == 0) {
            for (int tries = 0; tries < 8 && slot < 0; ++tries) {
                const int s = kWindows[0][0] + Random(kWindows[0][1] - kWindows[0][0]);
                const CPlayer* p = PlayerInSlot(s);
                if (p && IsPlayerAvailable(*p) && p->GetAge() > 24) slot = s;
            }
        }
        if (slot < 0) slot = PickAvailableInWindow(kWindows[d][0], kWindows[d][1]);
        designated_[size_t(d)] = slot < 0 ? kEmptySlot : squad_[size_t(slot)];
    }
}

int CClub::GetRolePlayerSlot(int role) const {
    const CHumanManager* h = GetHumanManager();
    if (!h || role < 0 || role >= static_cast<int>(h->m_TacticSliders.size())) return -1;
    const int position = h->m_TacticSliders[size_t(role)];
    // The captain may be the keeper; a taker is an outfield player.
    if (position < (role == 0 ? 1 : 2) || position > 11) return -1;
    for (int s = 0; s <= 10; ++s) {
        if (h->GetSelectedPlayer(s) != position) continue;
        const CPlayer* p = PlayerInSlot(s);
        return p && IsPlayerAvailable(*p) ? s : -1;
    }
    return -1;
}

void CClub::RefreshMatchRoles() {
    // The draws come first, so that a named role changes no later draw.
    ChooseDesignatedPlayers();
    if (!GetHumanManager()) return;
    static constexpr int kRoleOfPlace[4] = {0, 1, 3, 4};
    for (int d = 0; d < 4; ++d) {
        const int slot = GetRolePlayerSlot(kRoleOfPlace[d]);
        if (slot >= 0) designated_[size_t(d)] = squad_[size_t(slot)];
    }
}

int CClub::GetIndividualInstruction(int table, int slot) const {
    const CHumanManager* h = GetHumanManager();
    if (!h || table < 0 || table > 2 || slot < 1 || slot > 10) return 0;
    const int player = h->GetSelectedPlayer(slot) - 2;
    const int formation = GetTacticIndex();
    if (player < 0 || player >= CHumanManager::kOutfieldPlayers || formation >= CHumanManager::kFormations) return 0;
    const int v = h->m_Instructions[size_t(table)][size_t(formation)][size_t(player)];
    return v >= 1 && v <= 5 ? v : 0;
}

int CClub::GetPlayedPassingStyle(int teamStyle) const {
    // A style outside the levels counts for nothing in the planning; it stays so.
    if (teamStyle < 0 || teamStyle > 9 || !GetHumanManager()) return teamStyle;
    static constexpr int kOwnStyle[6] = {-1, 0, 2, 5, 7, 9};
    int sum = 0;
    for (int s = 1; s <= 10; ++s) {
        const int own = kOwnStyle[GetIndividualInstruction(2, s)];
        sum += own >= 0 ? own : teamStyle;
    }
    return (sum + 5) / 10;
}
