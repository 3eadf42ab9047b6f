#pragma once
// A small gauge: a needle from the bottom middle that sweeps left to right
// as the value grows, and optionally a marker triangle along the top. From
// its first paint the needle climbs one unit every 30 ms to its target.
#include <cstdint>

#include "platform/window/window.h"

inline constexpr uint32_t kMeterMarker = 0x2;
inline constexpr uint32_t kMeterThreshold = 0x4;

class CXMeter : public platform::win::Window {
public:
    static constexpr uint32_t kTimer = 1;
    static constexpr uint32_t kTickMs = 30;

    // The needle's angle for a shown value, in radians: 0.55 (up and left)
    // to 2.70 (up and right).
    double NeedleAngle() const;
    // The x of the marker's middle, in the parent's coordinates.
    int MarkerX() const;
    bool IsStarted() const { return m_bStarted != 0; }
    bool IsMoving() const { return m_bMoving != 0; }
    bool TimerRunning() const { return m_bTimer != 0; }

    // Set by the owning page before the first paint.
    int32_t m_nMinimum = 0, m_nMaximum = 100;
    int32_t m_nShown = 0, m_nTarget = 0;
    uint32_t m_crPen = 0xFFFFFF;
    int32_t m_nPenWidth = 2;
    int32_t m_nMarkerHalfWidth = 4, m_nMarkerHeight = 6;
    uint32_t m_crLow = 0x00FF00, m_crHigh = 0x0000FF;
    int32_t m_nThreshold = 50;
    uint32_t m_dwFlags = 0;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnTimer(uint32_t id) override;

private:
    uint8_t m_bStarted = 0;
    uint8_t m_bMoving = 0;
    uint8_t m_bTimer = 0;
};
