#include "soccerclasses/stadium.h"

#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/clubsdata.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/startupfile.h"

using namespace clubfile;

namespace {

constexpr int32_t kPlacesPerStep[3][6] = {
    {0, 1500, 1500, 2000, 3000, 5000},  // end
    {0, 1000, 1000, 1300, 2100, 3300},  // side
    {0, 0, 600, 450, 850, 1100},        // corner
};

bool ValidLayoutBytes(const StandLayout& l) { return l.size <= 5 && l.roof <= 3 && l.seating <= 2 && l.boxes <= 1; }

}  // namespace

StandKind GetStandKind(int stand) {
    switch (stand) {
        case 0: case 2: case 5: case 7: return kCornerStand;
        case 1: case 6: return kSideStand;
        default: return kEndStand;
    }
}

std::array<int, 2> GetCornerNeighbours(int stand) {
    switch (stand) {
        case 0: return {1, 4};
        case 2: return {1, 3};
        case 5: return {4, 6};
        default: return {3, 6};
    }
}

int32_t GetPlacesPerStep(int kind, int size) {
    if (kind < 0 || kind > 2 || size < 0 || size > 5) return 0;
    return kPlacesPerStep[kind][size];
}

int32_t GetStandPlaces(int stand, const StandLayout& layout) {
    const int kind = GetStandKind(stand);
    int32_t places = 0;
    for (int s = 1; s <= layout.size && s <= 5; ++s) places += kPlacesPerStep[kind][s];
    if (layout.seating == 0) places = static_cast<int32_t>(places * 1.3);
    return places;
}

std::string CheckStandLayout(int stand, const std::array<StandLayout, 8>& stands, bool taylorReport) {
    const StandLayout& l = stands[static_cast<size_t>(stand)];
    const StandKind kind = GetStandKind(stand);
    if (!ValidLayoutBytes(l)) return "layout byte out of range";
    if (kind == kCornerStand) {
        if (l.size < 1) return "corner stand below size 1";
        for (int n : GetCornerNeighbours(stand))
            if (l.size > stands[static_cast<size_t>(n)].size) return "corner stand larger than a neighbour";
    }
    if ((kind == kCornerStand && l.size < 2) || l.size == 0)
        if (l.roof != 0 || l.seating != 0) return "roof or seating on a stand too small for them";
    if (kind != kCornerStand && l.size < 3 && l.boxes != 0) return "boxes on a stand below size 3";
    if (taylorReport && l.size >= 4 && l.seating == 0) return "standing terrace of size 4 or 5";
    return {};
}

CStandList::CStandList() {
    for (auto& s : stands) s = std::make_unique<CStand>();
}

void CStadium::ReduceCapacity(int32_t n) {
    if (n < 1) return;
    stands.totalCapacity -= n;
}

void CStadium::IncreaseCapacity(int32_t n) {
    if (n < 1) return;
    stands.totalCapacity += n;
}

int CStadium::CountStandsInWork() const {
    int n = 0;
    for (const auto& s : stands.stands) n += s->workState == 1;
    return n;
}

bool CStadium::AdvanceWorks() {
    bool finished = false;
    for (auto& s : stands.stands) {
        if (s->workState != 1 && s->workState != 2) continue;
        if (s->weeksLeft > 0) --s->weeksLeft;
        if (s->weeksLeft == 0) {
            s->layout = s->newLayout;
            s->workState = 0;
            stands.totalCapacity += s->seatsBeingAdded;
            s->seatsBeingAdded = 0;
            finished = true;
        }
    }
    return finished;
}

int32_t CStadium::GetPlacesOfStands() const {
    int32_t sum = 0;
    for (int i = 0; i < 8; ++i) sum += GetStandPlaces(i, stands[i].layout);
    return sum;
}

void CStadiumList::ReadDataFile() { Read(OpenDataFile(kStadiumsFile), kStadiumsFile); }

void CStadiumList::ReadFile(const std::string& path) { Read(OpenStartupPath(path), path); }

void CStadiumList::Read(FILE* f, const std::string& name) {
    // A stadium takes at least its name's length, two figures and 32 stand bytes.
    const int32_t count = LoadCount(f, 44);
    if (GameFileDamaged()) RefuseDataFile(f, name, "stadium count");
    std::vector<std::unique_ptr<CStadium>> list;
    list.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        auto s = std::make_unique<CStadium>();
        s->name = GetText(f);
        if (s->name.empty() && !GameFileDamaged()) RefuseDataFile(f, name, "a stadium without a name");
        s->firstFigure = GetI32(f);
        s->stands.totalCapacity = GetI32(f);
        for (auto& st : s->stands.stands) {
            st->layout.size = GetU8(f);
            st->layout.roof = GetU8(f);
            st->layout.seating = GetU8(f);
            st->layout.boxes = GetU8(f);
        }
        if (GameFileDamaged()) break;
        if (s->stands.totalCapacity < 0) RefuseDataFile(f, name, "a negative capacity");
        list.push_back(std::move(s));
    }
    CloseDataFile(f, name);
    stadiums_ = std::move(list);
}

void CStadiumList::Save(FILE* f) const {
    for (const auto& s : stadiums_) {
        PutText(f, s->name);
        PutI32(f, s->firstFigure);
        PutI32(f, s->stands.totalCapacity);
        for (const auto& st : s->stands.stands) {
            PutI32(f, st->seatsBeingAdded);
            PutU8(f, st->layout.size);
            PutU8(f, st->layout.roof);
            PutU8(f, st->layout.seating);
            PutU8(f, st->layout.boxes);
            PutU8(f, st->weeksLeft);
            PutI32(f, st->secondFigure);
            PutU8(f, st->workState);
            PutU8(f, st->newLayout.size);
            PutU8(f, st->newLayout.roof);
            PutU8(f, st->newLayout.seating);
            PutU8(f, st->newLayout.boxes);
        }
    }
}

void CStadiumList::Load(FILE* f) {
    for (auto& s : stadiums_) {
        s->name = GetText(f);
        s->firstFigure = GetI32(f);
        s->stands.totalCapacity = GetI32(f);
        for (auto& st : s->stands.stands) {
            st->seatsBeingAdded = GetI32(f);
            st->layout.size = GetU8(f);
            st->layout.roof = GetU8(f);
            st->layout.seating = GetU8(f);
            st->layout.boxes = GetU8(f);
            st->weeksLeft = GetU8(f);
            st->secondFigure = GetI32(f);
            st->workState = GetU8(f);
            st->newLayout.size = GetU8(f);
            st->newLayout.roof = GetU8(f);
            st->newLayout.seating = GetU8(f);
            st->newLayout.boxes = GetU8(f);
        }
    }
}

void CStadiumPlanList::ReadDataFile() { Read(OpenDataFile(kPlansFile), kPlansFile); }

void CStadiumPlanList::ReadFile(const std::string& path) { Read(OpenStartupPath(path), path); }

void CStadiumPlanList::Read(FILE* f, const std::string& name) {
    const int32_t count = LoadCount(f, 8);
    if (GameFileDamaged()) RefuseDataFile(f, name, "plan count");
    std::vector<std::unique_ptr<CStadiumPlan>> list;
    for (int32_t i = 0; i < count && !GameFileDamaged(); ++i) {
        auto p = std::make_unique<CStadiumPlan>();
        p->firstFigure = GetI32(f);
        p->bytes = GetBytes(f);
        list.push_back(std::move(p));
    }
    CloseDataFile(f, name);
    plans_ = std::move(list);
}
