#include "screens/standplan.h"

#include <algorithm>

#include "soccerclasses/club.h"
#include "soccerclasses/humanmanager.h"

namespace {

constexpr int kTaylorCountry = 55;
constexpr int kFloodlightWeeks = 9;
constexpr int32_t kFloodlightCost = 100000;

constexpr double kCostPerPlace[3] = {400, 450, 500};
constexpr double kSeatingCost[3][6] = {
    {0, 0, 0, 0, 0, 0}, {0, 20000, 40000, 60000, 80000, 100000}, {0, 30000, 55000, 80000, 105000, 130000}};
constexpr double kRoofCost[4][6] = {{0, 0, 0, 0, 0, 0},
                                    {0, 40000, 60000, 100000, 160000, 200000},
                                    {0, 60000, 90000, 140000, 220000, 280000},
                                    {0, 80000, 120000, 180000, 280000, 360000}};
constexpr double kBoxesCost[3][6] = {{0, 0, 0, 100000, 120000, 140000},
                                     {0, 0, 0, 60000, 80000, 100000},
                                     {100000, 100000, 100000, 100000, 100000, 100000}};
struct TimeBand {
    double limit;
    int weeks;
};
constexpr TimeBand kTimeBands[] = {{40000, 5},    {59999, 6},    {79999, 7},    {99999, 8},
                                   {149999, 9},   {199999, 10},  {299999, 12},  {499999, 14},
                                   {749999, 16},  {999999, 18},  {2000000, 20}, {3000000, 23},
                                   {4000000, 26}, {5000000, 29}, {6000000, 32}, {99999999, 35}};

constexpr StandPlan::LadderStep kSizeSteps[7] = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}, {2, 1, 0, 0},
                                                 {2, 2, 0, 0}, {3, 2, 0, 0}, {3, 2, 1, 0}};

int Wrap(int step) { return ((step % StandPlan::kLadderSteps) + StandPlan::kLadderSteps) % StandPlan::kLadderSteps; }

// The present size is what works are measured from.
uint8_t Byte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

int StandWorksWeeks(double cost) {
    if (cost <= 0) return 0;
    for (const TimeBand& b : kTimeBands)
        if (cost < b.limit) return b.weeks;
    return kTimeBands[std::size(kTimeBands) - 1].weeks;
}

StandPlan::LadderStep StandPlan::Ladder(int step) {
    step = Wrap(step);
    if (step == 0) return {0, 0, 0, 0};
    LadderStep s = kSizeSteps[(step - 1) % 7];
    s.size = (step - 1) / 7 + 1;
    return s;
}

bool StandPlan::IsCorner() const { return GetStandKind(stand - 1) == kCornerStand; }
int StandPlan::Kind() const { return GetStandKind(stand - 1); }

StandLayout StandPlan::Planned() const { return {Byte(size), Byte(roof), Byte(seating), Byte(boxes)}; }

void StandPlan::SetUp(const CClub& club, int standNumber) {
    stand = std::clamp(standNumber, 1, 8);
    const CStadium* stadium = club.GetStadium();
    for (int i = 0; i < 8; ++i) present[static_cast<size_t>(i)] = stadium ? stadium->stands[i].layout : StandLayout{};
    capacity = stadium ? stadium->GetCapacity() : 0;
    if (IsCorner() && present[static_cast<size_t>(stand - 1)].size == 0) present[static_cast<size_t>(stand - 1)].size = 1;
    const StandLayout& p = Present();
    size = p.size, roof = p.roof, seating = p.seating, boxes = p.boxes;
    ladderStep = 0;
    direction = 0;
    ladderStep = FindLadderStep();
    ApplyOptionRules();
    Price(club);
}

int StandPlan::FindLadderStep() const {
    const bool search = IsCorner() ? (size > 1 || roof > 0) : !(size == 0 && roof == 0);
    if (!search) return ladderStep;
    // One full turn at most: a design off the ladder keeps the step.
    for (int i = 0; i < kLadderSteps; ++i) {
        const int j = Wrap(ladderStep + i);
        const LadderStep s = Ladder(j);
        if (s.size == size && s.roof == roof) return j;
    }
    return ladderStep;
}

void StandPlan::Browse(int delta, const CClub& club) {
    direction = delta < 0 ? -1 : 1;
    int step = Wrap(FindLadderStep() + direction);
    if (IsCorner() && step >= 1 && step <= 6) step = direction > 0 ? 8 : 0;
    if (!IsCorner() && Ladder(step).boxes && Ladder(step).size < 3) step = Wrap(step + direction);
    ladderStep = step;
    const LadderStep s = Ladder(step);
    size = s.size, roof = s.roof, seating = s.seating, boxes = s.boxes;
    ApplyOptionRules();
    Price(club);
}

void StandPlan::Change(int field, int delta, const CClub& club) {
    switch (field) {
        case 0: size += delta; break;
        case 1: roof += delta; break;
        case 2: seating += delta; break;
        default: boxes += delta; break;
    }
    ApplyOptionRules();
    Price(club);
}

void StandPlan::ApplyOptionRules() {
    size = std::clamp(size, IsCorner() ? 1 : 0, 5);
    roofSeatingGreyed = (IsCorner() && size < 2) || size == 0;
    if (roofSeatingGreyed) roof = seating = 0;
    boxesGreyed = !IsCorner() && size < 3;
    if (boxesGreyed) boxes = 0;
    roof = std::clamp(roof, 0, 3);
    seating = std::clamp(seating, 0, 2);
    boxes = std::clamp(boxes, 0, 1);
}

void StandPlan::Price(const CClub& club) {
    const StandLayout& p = Present();
    const int k = Kind();
    objection = 0;
    cost = 0;
    places = 0;
    if (size > p.size) {
        for (int s = p.size + 1; s <= size; ++s) places += GetPlacesPerStep(k, s);
        cost += kSeatingCost[seating][size] + kRoofCost[roof][size];
        if (boxes > p.boxes) cost += kBoxesCost[k][size];
    } else {
        if (seating > p.seating) cost += kSeatingCost[seating][size];
        if (roof > p.roof) cost += kRoofCost[roof][size];
        if (boxes > p.boxes) cost += kBoxesCost[k][size];
    }
    cost += kCostPerPlace[seating] * places;
    if (seating == 0) places = static_cast<int32_t>(places * 1.3);
    weeks = StandWorksWeeks(cost);
    const bool improves = roof > p.roof || seating > p.seating || boxes > p.boxes;
    if (size < p.size)
        objection = 20005;
    else if ((size == p.size && !improves) || cost == 0)
        objection = 20000;
    else if (IsCorner() && size >= 2)
        for (int n : GetCornerNeighbours(stand - 1))
            if (size > present[static_cast<size_t>(n)].size) objection = 20001;
    overBudget = cost > club.GetTransferBudget();
    if (overBudget) objection = 20002;
}

unsigned StandPlan::CheckOk(const CClub& club) const {
    const CStadium* stadium = club.GetStadium();
    if (!stadium) return 20004;
    if (club.CountStandsInWork() >= 2) return 20003;
    if (stadium->stands[stand - 1].workState != 0) return 20004;
    const StandLayout& p = Present();
    if (size < p.size) return 20005;
    if (cost == 0) return 20000;
    if (IsCorner() && size >= 2)
        for (int n : GetCornerNeighbours(stand - 1))
            if (size > present[static_cast<size_t>(n)].size) return 20001;
    if (size >= 4 && seating == 0 && club.GetCountryIndex() == kTaylorCountry) return 19998;
    return 0;
}

void StandPlan::StartWorks(CClub& club) const {
    CStadium* stadium = club.GetStadium();
    if (!stadium) return;
    club.PayBuildingCost(cost);
    const StandLayout& p = Present();
    int32_t lost = 0;
    for (int s = 0; s <= p.size; ++s) lost += GetPlacesPerStep(Kind(), s);
    if (lost > 0) {
        if (lost < stadium->GetCapacity()) {
            club.ReduceStadiumCapacity(lost);
        } else {
            lost = std::max(0, stadium->GetCapacity() - 100);
            club.ReduceStadiumCapacity(lost);
        }
    }
    CStand& st = stadium->stands[stand - 1];
    // The stand keeps its present boxes unless the plan changes them.
    st.newLayout = {Byte(size), Byte(roof), Byte(seating), st.layout.boxes};
    st.workState = 1;
    st.secondFigure = static_cast<int32_t>(cost);
    st.weeksLeft = Byte(weeks);
    st.seatsBeingAdded = lost + places;
    const std::string weeksText = std::to_string(weeks);
    const std::string costText = club.FormatMoney(cost);
    CHumanManager* manager = club.GetHumanManager();
    if (manager) manager->AddMessage(67, weeksText, costText, "", -1);
    if (boxes == st.layout.boxes) return;
    st.newLayout.boxes = Byte(boxes);
    if (!IsCorner()) return;
    // The ground's floodlights are one set: the other corners follow, at
    // no further charge and with no places closed or gained.
    for (int other : {0, 2, 5, 7}) {
        if (other == stand - 1) continue;
        CStand& c = stadium->stands[other];
        if (c.workState != 0) {
            c.newLayout.boxes = Byte(boxes);
            c.weeksLeft = Byte(c.weeksLeft + kFloodlightWeeks);
            continue;
        }
        c.newLayout = {c.layout.size, c.layout.roof, c.layout.seating, Byte(boxes)};
        c.workState = 2;
        c.weeksLeft = kFloodlightWeeks;
        c.secondFigure = kFloodlightCost;
        c.seatsBeingAdded = 0;
        if (manager) manager->AddMessage(67, weeksText, costText, "", -1);
    }
}
