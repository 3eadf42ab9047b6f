#include "soccerclasses/playerperformance.h"

#include <algorithm>
#include <cassert>

#include "soccerclasses/globals.h"

namespace {
int ClampMinute(int m) { return std::clamp(m, 0, CSoccerPlayerPerformance::kMinutes - 1); }
}  // namespace

void CSoccerPlayerPerformance::Apply(int minute, int d) {
    minute = ClampMinute(minute);
    m_Total = static_cast<uint8_t>(m_Total + d);
    const int now = m_Minutes.GetAt(minute);
    if (d <= 0) {
        if (now - (-d) > 10)
            m_Minutes.SubtractWithoutUnderflow(static_cast<uint8_t>(-d), minute);
        else
            m_Minutes.FillFrom(10, minute);
        return;
    }
    d = std::min(d, 99 - now);
    if (d > 0) m_Minutes.AddWithoutOverflow(static_cast<uint8_t>(d), minute);
}

int CSoccerPlayerPerformance::ScoreRandom(int minute) {
    const int r = Random(120) - 60;
    const int d = r > 50 ? -6 : r >= 26 ? -4 : r >= 2 ? -2 : r >= -24 ? 2 : r >= -49 ? 4 : 6;
    Apply(minute, d);
    return d;
}

int CSoccerPlayerPerformance::ScoreValue(int8_t value, int minute) {
    // Bad values lower, good ones raise, by how far they lie from nought.
    const int v = value;
    const int d = v <= -40 ? -6 : v <= -20 ? -4 : v < 0 ? -2 : v < 20 ? 2 : v < 40 ? 4 : 6;
    Apply(minute, d);
    return d;
}

CSoccerPlayerPerformanceList::CSoccerPlayerPerformanceList() {
    for (int i = 0; i < kSlots; ++i) m_Slots.push_back(std::make_unique<CSoccerPlayerPerformance>());
    for (auto& s : m_Series) s.SetSizeAndFill(kMinutes, 0);
}

void CSoccerPlayerPerformanceList::StartMatch(const std::array<uint8_t, kSlots>& bases) {
    m_Totals.fill(0);
    for (int i = 0; i < kSlots; ++i) {
        CSoccerPlayerPerformance& p = *m_Slots[static_cast<size_t>(i)];
        if (!bases[static_cast<size_t>(i)]) continue;
        assert(bases[static_cast<size_t>(i)] < 100);
        p.m_Total = 0;
        p.m_Base = i <= 10 ? bases[static_cast<size_t>(i)] : 0;
        p.m_Minutes.FillFrom(p.m_Base, 0);
    }
}

void CSoccerPlayerPerformanceList::Series(int k, int d, int minute) {
    m_Totals[static_cast<size_t>(k)] += d;
    m_Series[static_cast<size_t>(k)].AddFrom(static_cast<uint32_t>(d), ClampMinute(minute));
}

void CSoccerPlayerPerformanceList::AddResult2(int slot, int minute) { Series(0, Slot(slot).ScoreRandom(minute), minute); }

namespace {
int KindDelta(int kind) { return kind <= 4 ? 2 : kind <= 8 ? 4 : 6; }
}  // namespace

void CSoccerPlayerPerformanceList::AddEvent(int slot, int kind, int minute) {
    const int d = KindDelta(kind);
    Slot(slot).Apply(minute, d);
    Series(3, d, minute);
}

void CSoccerPlayerPerformanceList::AddBadEvent(int slot, int kind, int minute) {
    const int d = -KindDelta(kind);
    Slot(slot).Apply(minute, d);
    Series(1, d, minute);
}

void CSoccerPlayerPerformanceList::AddTeamEvent(int slot, int kind, int minute, bool flag) {
    const int d = kind <= 3 ? 0 : kind <= 6 ? 2 : kind <= 8 ? 4 : 6;
    if (d) Slot(slot).Apply(minute, d);
    Series(flag ? 2 : 1, d, minute);
}

void CSoccerPlayerPerformanceList::AddResult(int slot, int8_t value, int minute) {
    Series(3, Slot(slot).ScoreValue(value, minute), minute);
}

void CSoccerPlayerPerformanceList::SetRating(int slot, uint8_t value, int minute) {
    CSoccerPlayerPerformance& p = Slot(slot);
    p.m_Base = value;
    const int rating = std::clamp<int>(static_cast<int8_t>(p.m_Total + value), 10, 99);
    p.m_Minutes.FillFrom(static_cast<uint8_t>(rating), ClampMinute(minute));
}

void CSoccerPlayerPerformanceList::SetOffsets(int32_t o1, int32_t o2, int32_t o3, int32_t o4, int minute) {
    m_Offsets = {o1, o2, o3, o4};
    for (size_t k = 0; k < 4; ++k)
        m_Series[k].FillFrom(static_cast<uint32_t>(m_Totals[k] + m_Offsets[k]), ClampMinute(minute));
}

void CSoccerPlayerPerformanceList::SwapSlots(int i, int j) {
    std::swap(m_Slots.at(static_cast<size_t>(i)), m_Slots.at(static_cast<size_t>(j)));
}

void CSoccerPlayerPerformanceList::ExtendToExtraTime() {
    for (auto& p : m_Slots) p->m_Minutes.FillFrom(p->m_Minutes.GetAt(89), 90);
}

uint8_t CSoccerPlayerPerformanceList::GetMinuteByte(int slot, int minute) const {
    assert(minute < kMinutes);
    return m_Slots.at(static_cast<size_t>(slot))->m_Minutes.GetAt(ClampMinute(minute));
}

void CSoccerPlayerPerformanceList::ClearMinuteByte(int slot, int minute) { Slot(slot).m_Minutes.FillFrom(0, ClampMinute(minute)); }

void CSoccerPlayerPerformanceList::ClearBefore(int slot, int minute) {
    CExtByteArray& m = Slot(slot).m_Minutes;
    for (int i = 0; i < std::min(minute, kMinutes); ++i) m.SetAt(i, 0);
}

int CSoccerPlayerPerformanceList::GetAverageRating(int slot, int n) const {
    n = std::clamp(n, 1, kMinutes);
    return std::min<int>(100, m_Slots.at(static_cast<size_t>(slot))->m_Minutes.AverageNonZero(static_cast<uint8_t>(n)));
}

uint32_t CSoccerPlayerPerformanceList::GetTeamRating(int minute) const {
    const int m = ClampMinute(minute);
    // The bad-event series runs below nought: read as unsigned it would
    // make one booking worth a billion points.
    auto s = [&](int k) { return static_cast<int64_t>(static_cast<int32_t>(m_Series[static_cast<size_t>(k)].GetAt(m))); };
    const int64_t r = (s(3) / 3 + s(2) / 3 + s(1) / 4 + s(0)) / 4;
    return static_cast<uint32_t>(std::max<int64_t>(0, r));
}

int32_t CSoccerPlayerPerformanceList::SeriesAt(int k, int minute) const {
    return static_cast<int32_t>(m_Series[static_cast<size_t>(std::clamp(k, 0, 3))].GetAt(ClampMinute(minute)));
}

uint32_t CSoccerPlayerPerformanceList::GetValueAt(int minute) const { return m_Series[0].GetAt(ClampMinute(minute)); }
