#pragma once
// The two match squads of the engine: eleven players and up to five
// substitutes a side, with the counters the match screen's panels read.
#include <array>
#include <cstdint>
#include <memory>

#include "soccerclasses/extbytearray.h"

class CClub;
class CPlayer;

class CSoccerMatchPlayer {
public:
    virtual ~CSoccerMatchPlayer() = default;

    // Back to the state of a squad member before kick-off.
    void Clear();

    CPlayer* m_Player = nullptr;
    CExtByteArray m_Bytes;
    int m_Slot = 0;
    int m_Goals = 0;
    int m_SecondCounter = 0;
    int m_ShotsOn = 0;
    int m_ShotsOff = 0;
    int m_Fouls = 0;
    uint8_t m_FirstByte = 0;
    // Counts down one a minute while the player is in the first eleven.
    uint8_t m_Countdown = 0;
};

class CSoccerMatchPlayerList {
public:
    static constexpr int kEntries = 16;
    static constexpr int kMaxMinute = 130;

    CSoccerMatchPlayerList();

    // Entries 0 to 10 + substitutes take the club's players of those squad
    // slots; the rest stay as they were. False for more than 5 substitutes.
    bool SetUp(const CClub& club, int substitutes);
    // One minute on: the counters and the first eleven's countdowns fall.
    // False for a minute the match cannot reach.
    bool Tick(int minute);
    // Exchanges two entries; false for the same entry or one out of range.
    bool Swap(int a, int b);
    // A substitution: the players change places, the slot numbers stay
    // with the places.
    bool RecordSubstitution(int a, int b);

    CSoccerMatchPlayer* GetAt(int i) const {
        return i >= 0 && i < kEntries ? m_Entries[static_cast<size_t>(i)].get() : nullptr;
    }
    int GetSize() const { return kEntries; }

    CExtByteArray m_Counters;

private:
    std::array<std::unique_ptr<CSoccerMatchPlayer>, kEntries> m_Entries;
};
