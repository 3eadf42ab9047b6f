#pragma once
// Adapts the step of an animated movement to the speed of the machine, so a
// movement never takes longer than it should.
#include <cstdint>

class CTimer {
public:
    CTimer();
    virtual ~CTimer();

    // The step for the next frame of a movement over `distance` units that
    // should take at most `maxTime` milliseconds.
    int Step(int distance, int maxTime);

private:
    uint64_t m_LastTime;  // the layer's monotonic milliseconds
    int m_nStep = 1;
};
