#pragma once
// A stand-in for the match-day screen: it drives the match engine as the
// screen does (kick-off, a minute per message, the breaks, extra time, the
// human side's penalties and shoot-out kickers, leaving) and lets a test
// change the match between minutes.
#include <cstdint>
#include <functional>
#include <vector>

#include "soccerclasses/matchplay.h"

namespace testsupport {

class ScriptedMatchDriver : public CMatchDriver {
public:
    void Open(CMatchPlay& engine) override;
    bool PumpOne(CMatchPlay& engine) override;

    // Runs before each minute the screen would play.
    std::function<void(CMatchPlay&)> onMinute;
    // The human side's chosen shoot-out kickers, in order.
    std::vector<int> kickers{2, 3, 4, 5, 6};
    // The player the human side sends to take a penalty.
    int penaltyTaker = 9;
    // The program quits after this many messages; -1 never.
    int quitAfter = -1;

    int messages = 0;
    int minutesPlayed = 0;
    int breaks = 0;
    int opened = 0;
    std::vector<uint8_t> statesSeen;
    std::vector<int> minutesSeen;
};

// Installs a driver for the scope.
class ScopedMatchDriver {
public:
    explicit ScopedMatchDriver(CMatchDriver* driver) { SetMatchDriver(driver); }
    ~ScopedMatchDriver() { SetMatchDriver(nullptr); }
    ScopedMatchDriver(const ScopedMatchDriver&) = delete;
    ScopedMatchDriver& operator=(const ScopedMatchDriver&) = delete;
};

}  // namespace testsupport
