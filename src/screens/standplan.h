#pragma once
// Planning the rebuilding of one stand: the design ladder, the option
// rules, the pricing with the board's objections, the checks on "OK" and
// the start of the works. Nothing reaches the club before StartWorks.
#include <array>
#include <cstdint>

#include "soccerclasses/stadium.h"

class CClub;

struct StandPlan {
    static constexpr int kLadderSteps = 36;
    struct LadderStep {
        int roof, seating, boxes, size;
    };
    static LadderStep Ladder(int step);

    int stand = 1;                      // 1..8, NW .. SE
    std::array<StandLayout, 8> present;  // every stand as it stands
    int size = 0, roof = 0, seating = 0, boxes = 0;  // the plan
    int ladderStep = 0, direction = 0;
    double cost = 0;
    int weeks = 0;
    int32_t places = 0;    // places gained
    int32_t capacity = 0;  // the stadium's capacity now
    unsigned objection = 0;        // the message line's string id, 0 none
    bool overBudget = false;       // the cost exceeds the transfer budget
    bool roofSeatingGreyed = false, boxesGreyed = false;

    // The plan starts as the stand is (a corner of size 0 at size 1).
    void SetUp(const CClub& club, int standNumber);
    // One field plus or minus one: 0 size, 1 roof, 2 seating, 3 boxes.
    void Change(int field, int delta, const CClub& club);
    // One step along the ladder, -1 or +1.
    void Browse(int delta, const CClub& club);
    void ApplyOptionRules();
    void Price(const CClub& club);

    // The refusal of "OK" (string id), 0 when the works may start.
    unsigned CheckOk(const CClub& club) const;
    // Pays, closes capacity, writes the building records and tells the
    // manager; the floodlights reach the other corners.
    void StartWorks(CClub& club) const;

    bool IsCorner() const;
    int Kind() const;
    const StandLayout& Present() const { return present[static_cast<size_t>(stand - 1)]; }
    StandLayout Planned() const;
    int FindLadderStep() const;
};

// The building time of works of this cost, in weeks (0 for nothing).
int StandWorksWeeks(double cost);
