#include "soccerclasses/player.h"

#include "soccerclasses/globals.h"

void CPlayer::Regenerate(int newPosition, uint8_t abilityBase) {
    position = static_cast<uint8_t>(newPosition);
    age = static_cast<uint8_t>(18 + Random(14));
    ability = static_cast<uint8_t>(abilityBase + Random(10));
    injurySeverity = suspension = sendingOffPoints = 0;
    surname = "Newman";
}

int32_t CPlayerList::AddNewPlayer() { return Add(std::make_unique<CPlayer>()); }
