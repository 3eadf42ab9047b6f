#pragma once
// A side's minute-by-minute ratings during a match: one record per match
// squad slot and four team series from which the match screens draw.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "soccerclasses/extbytearray.h"
#include "soccerclasses/extdwordarray.h"

class CSoccerPlayerPerformance {
public:
    static constexpr int kMinutes = 130;

    CSoccerPlayerPerformance() { m_Minutes.SetSizeAndFill(kMinutes, 0); }
    virtual ~CSoccerPlayerPerformance() = default;

    void Apply(int minute, int delta);
    int ScoreRandom(int minute);
    // Signed value to a change of -6, -4, -2, 2, 4 or 6.
    int ScoreValue(int8_t value, int minute);

    uint8_t m_Total = 0;
    uint8_t m_Base = 0;
    CExtByteArray m_Minutes;
};

class CSoccerPlayerPerformanceList {
public:
    static constexpr int kSlots = 16;
    static constexpr int kMinutes = CSoccerPlayerPerformance::kMinutes;

    CSoccerPlayerPerformanceList();

    // `bases` gives each slot's true ability, 0 for an empty slot.
    void StartMatch(const std::array<uint8_t, kSlots>& bases);
    void AddResult2(int slot, int minute);
    void AddEvent(int slot, int kind, int minute);
    void AddBadEvent(int slot, int kind, int minute);
    void AddTeamEvent(int slot, int kind, int minute, bool flag);
    void AddResult(int slot, int8_t value, int minute);
    void SetRating(int slot, uint8_t value, int minute);
    void SetFirstSlotRating(uint8_t value, int minute) { SetRating(0, value, minute); }
    void SetOffsets(int32_t o1, int32_t o2, int32_t o3, int32_t o4, int minute);
    void SwapSlots(int i, int j);
    void ExtendToExtraTime();
    uint8_t GetMinuteByte(int slot, int minute) const;
    void ClearMinuteByte(int slot, int minute);
    void ClearBefore(int slot, int minute);
    int GetAverageRating(int slot, int n) const;
    uint32_t GetTeamRating(int minute) const;
    uint32_t GetValueAt(int minute) const;
    // The defence, midfield and attack series at a minute, signed.
    int32_t GetDefenceAt(int minute) const { return SeriesAt(1, minute); }
    int32_t GetMidfieldAt(int minute) const { return SeriesAt(2, minute); }
    int32_t GetAttackAt(int minute) const { return SeriesAt(3, minute); }
    int32_t SeriesAt(int k, int minute) const;

    CSoccerPlayerPerformance& Slot(int slot) { return *m_Slots.at(static_cast<size_t>(slot)); }

private:
    void Series(int k, int delta, int minute);

    std::vector<std::unique_ptr<CSoccerPlayerPerformance>> m_Slots;
    std::array<CExtDWordArray, 4> m_Series;
    std::array<int32_t, 4> m_Totals{};
    std::array<int32_t, 4> m_Offsets{};
};
