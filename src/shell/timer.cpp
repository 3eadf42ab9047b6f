#include "shell/timer.h"

#include "platform/window/ui.h"

CTimer::CTimer() : m_LastTime(platform::win::MonotonicMs()) {}

CTimer::~CTimer() = default;

int CTimer::Step(int distance, int maxTime) {
    const uint64_t now = platform::win::MonotonicMs();
    const int64_t elapsed = static_cast<int64_t>(now - m_LastTime);
    m_LastTime = now;
    if (elapsed < 1) {
        m_nStep = 1;
        return m_nStep;
    }
    if (m_nStep < 1) m_nStep = 1;
    if (static_cast<int64_t>(distance / m_nStep) * elapsed > maxTime) {
        const int64_t k = maxTime / elapsed;
        m_nStep = k >= 1 ? static_cast<int>(distance / k) : distance;
    }
    return m_nStep;
}
