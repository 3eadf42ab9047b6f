// Closing the gaps in the user list after a manager of the set-up has been
// deleted, with the per-slot data that is kept by slot number.
#include <array>

#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccerplayer.h"
#include "soccerclasses/worlddata.h"

std::array<int, CUserList::kSlots> CUserList::CompactSlots() {
    std::array<int, kSlots> from{};
    std::array<std::unique_ptr<CHumanManager>, kSlots> slots;
    int next = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < kSlots; ++i) {
            auto& s = m_Slots[static_cast<size_t>(i)];
            if (!s || s->HasManager() != (pass == 0)) continue;
            from[static_cast<size_t>(next)] = i;
            slots[static_cast<size_t>(next++)] = std::move(s);
        }
    for (int i = 0; i < kSlots; ++i) {
        if (!slots[static_cast<size_t>(i)]) {
            slots[static_cast<size_t>(i)] = std::make_unique<CHumanManager>();
            from[static_cast<size_t>(i)] = -1;
        }
    }
    m_Slots = std::move(slots);
    return from;
}

void CWorldData::CompactUsers() {
    const std::array<int, CUserList::kSlots> from = m_Users->CompactSlots();
    if (!m_Players) return;
    for (int p = 0; p < m_Players->GetSize(); ++p) {
        CPlayer* player = m_Players->GetAt(p);
        if (!player) continue;
        uint8_t mask = 0;
        for (int i = 0; i < CUserList::kSlots; ++i) {
            const int old = from[static_cast<size_t>(i)];
            const CHumanManager* user = m_Users->GetAt(i);
            // A slot without a manager knows nobody.
            if (old >= 0 && user && user->HasManager() && player->Football().IsKnownBy(old)) mask |= uint8_t(1u << i);
        }
        player->Football().m_KnownMask = mask;
    }
}
