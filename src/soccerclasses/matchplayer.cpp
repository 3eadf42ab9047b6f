#include "soccerclasses/matchplayer.h"

#include <utility>

#include "soccerclasses/club.h"

void CSoccerMatchPlayer::Clear() {
    m_FirstByte = m_Countdown = 0;
    m_Goals = m_SecondCounter = m_ShotsOn = m_ShotsOff = m_Fouls = 0;
}

CSoccerMatchPlayerList::CSoccerMatchPlayerList() {
    for (auto& e : m_Entries) e = std::make_unique<CSoccerMatchPlayer>();
    m_Counters.SetSizeAndFill(3, 0);
}

bool CSoccerMatchPlayerList::SetUp(const CClub& club, int substitutes) {
    if (substitutes < 0 || substitutes > 5) return false;
    for (int i = 0; i <= 10 + substitutes; ++i) {
        CSoccerMatchPlayer& e = *m_Entries[static_cast<size_t>(i)];
        e.m_Player = club.GetPlayer(i);
        e.m_Slot = i;
        e.Clear();
    }
    m_Counters.SetSizeAndFill(3, 0);
    return true;
}

bool CSoccerMatchPlayerList::Tick(int minute) {
    if (minute < 0 || minute >= kMaxMinute) return false;
    m_Counters.DecrementNonZero();
    for (int i = 0; i <= 10; ++i) {
        uint8_t& c = m_Entries[static_cast<size_t>(i)]->m_Countdown;
        if (c) --c;
    }
    return true;
}

bool CSoccerMatchPlayerList::Swap(int a, int b) {
    if (a == b || !GetAt(a) || !GetAt(b)) return false;
    std::swap(m_Entries[static_cast<size_t>(a)], m_Entries[static_cast<size_t>(b)]);
    return true;
}

bool CSoccerMatchPlayerList::RecordSubstitution(int a, int b) {
    if (!Swap(a, b)) return false;
    std::swap(m_Entries[static_cast<size_t>(a)]->m_Slot, m_Entries[static_cast<size_t>(b)]->m_Slot);
    return true;
}
