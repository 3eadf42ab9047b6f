#include "soccerclasses/squadtraining.h"

#include "soccerclasses/clubfile.h"

void CSoccerSquadTraining::Save(FILE* f) const {
    for (uint8_t b : settings) clubfile::PutU8(f, b);
}
void CSoccerSquadTraining::Load(FILE* f) {
    for (uint8_t& b : settings) b = clubfile::GetU8(f);
}
