#include "soccerclasses/scout.h"

#include "soccerclasses/clubfile.h"

using namespace clubfile;

void CScout::Init(int32_t employee, int32_t clubIndex) {
    club_ = clubIndex;
    away_ = 0;
    employee_ = employee;
    entries_.fill(Entry{});
}

uint8_t CScout::GetEstimate(int32_t player) const {
    for (const Entry& e : entries_)
        if (e.player == player && e.state == kDone) return e.estimate;
    return 0;
}

void CScout::Save(FILE* f) const {
    PutI32(f, club_);
    PutI32(f, employee_);
    PutU8(f, away_);
    for (const Entry& e : entries_) {
        PutI32(f, e.player);
        PutU8(f, e.state);
        PutText(f, e.text);
        PutU8(f, e.estimate);
    }
}

void CScout::Load(FILE* f) {
    club_ = GetI32(f);
    employee_ = GetI32(f);
    away_ = GetU8(f);
    for (Entry& e : entries_) {
        e.player = GetI32(f);
        e.state = GetU8(f);
        e.text = GetText(f);
        e.estimate = GetU8(f);
    }
}
