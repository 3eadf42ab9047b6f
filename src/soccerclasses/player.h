#pragma once
// The world's players. Least form for the club code; the people code owns it.
#include <cstdint>
#include <memory>
#include <string>

#include "soccerclasses/owninglist.h"

class CPlayer {
public:
    std::string surname;
    double weeklyWage = 0.0;
    uint8_t position = 0;  // 0 goalkeeper .. 3 attacker; bit 7 left-footed
    uint8_t age = 25;
    uint8_t temperament = 5;
    uint8_t ability = 50;
    uint8_t injurySeverity = 0;  // 100: cannot play
    uint8_t suspension = 0;      // matches still to sit out
    uint8_t sendingOffPoints = 0;

    int GetPosition() const { return position & 0x7F; }
    bool IsInjured() const { return injurySeverity >= 100; }
    // Fit and not standing on six sending-off points.
    bool CanPlay() const { return !IsInjured() && sendingOffPoints < 6; }
    // Fit, not suspended and not on six sending-off points.
    bool IsAvailable() const { return CanPlay() && suspension == 0; }
    int GetMatchAbility() const { return ability; }
    // Makes him a newly generated player of a club in a position.
    void Regenerate(int position, uint8_t abilityBase);
};

class CPlayerList : public OwningList<CPlayer> {
public:
    // A blank player in the first empty place; its index.
    int32_t AddNewPlayer();
};
