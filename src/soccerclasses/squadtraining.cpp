#include "soccerclasses/squadtraining.h"

#include "soccerclasses/gamefile.h"

void CSoccerSquadTraining::Save(FILE* f) const {
    for (uint8_t b : m_Settings) SaveByte(f, b);
}

void CSoccerSquadTraining::Load(FILE* f) {
    for (uint8_t& b : m_Settings) b = LoadByte(f);
}
