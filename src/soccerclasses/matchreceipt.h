#pragma once
// One match's takings for a club, booked by the weekly accounts.
#include <cstdint>
#include <cstdio>

class CMatchReceipt {
public:
    static constexpr uint8_t kHome = 0, kAway = 1, kEmpty = 2;
    uint8_t goalsFor = 0;
    uint8_t goalsAgainst = 0;
    uint8_t matchByte = 0;
    uint8_t side = kEmpty;
    int32_t kind = 0;
    int32_t crowd = 0;
    double receipts = 0.0;

    bool IsEmpty() const { return side == kEmpty; }
    void Clear() { *this = CMatchReceipt{}; }
    // Fills the record for one side of a match; false (record unchanged) for
    // a crowd of 0 or a negative ticket price.
    bool Fill(bool home, int32_t crowd, int16_t kind, uint8_t homeGoals, uint8_t awayGoals, double ticketPrice,
              uint8_t matchByte);

    // 24 bytes as the old record held them; the padding is always zero.
    void Save(FILE* f) const;
    void Load(FILE* f);
};
