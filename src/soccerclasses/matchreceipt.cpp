#include "soccerclasses/matchreceipt.h"

#include "soccerclasses/clubfile.h"

using namespace clubfile;

bool CMatchReceipt::Fill(bool home, int32_t crowdIn, int16_t kindIn, uint8_t homeGoals, uint8_t awayGoals,
                         double ticketPrice, uint8_t matchByteIn) {
    const double gross = crowdIn * ticketPrice;
    const double share = kindIn == 4 ? 0.5 : home ? 0.75 : 0.25;
    if (crowdIn <= 0 || gross * share < -1.0) return false;
    receipts = gross * share;
    goalsFor = home ? homeGoals : awayGoals;
    goalsAgainst = home ? awayGoals : homeGoals;
    side = home ? kHome : kAway;
    kind = kindIn;
    crowd = crowdIn;
    matchByte = matchByteIn;
    return true;
}

void CMatchReceipt::Save(FILE* f) const {
    PutU8(f, goalsFor);
    PutU8(f, goalsAgainst);
    PutU8(f, matchByte);
    PutU8(f, side);
    PutI32(f, kind);
    PutI32(f, crowd);
    PutU32(f, 0);
    PutF64(f, receipts);
}

void CMatchReceipt::Load(FILE* f) {
    goalsFor = GetU8(f);
    goalsAgainst = GetU8(f);
    matchByte = GetU8(f);
    side = GetU8(f);
    kind = GetI32(f);
    crowd = GetI32(f);
    GetU32(f);
    receipts = GetF64(f);
}
