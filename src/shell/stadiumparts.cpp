#include "shell/stadiumparts.h"

#include <algorithm>
#include <sstream>

namespace stadiumparts {

namespace {

constexpr PlanRect kPitch{168, 112, 408, 272};
constexpr int kNorthSouthDepth[6] = {0, 14, 22, 32, 44, 60};
constexpr int kEastWestDepth[6] = {0, 14, 24, 36, 50, 68};
constexpr int kCornerSide[6] = {0, 14, 22, 32, 44, 60};

int Clamp(int v, int hi) { return std::clamp(v, 0, hi); }

// The codes of a stand that has a size (above 0).
std::string Named(const char* folder, const std::string& stem, int stand, const StandLayout& l) {
    return std::string(folder) + stem + "_" + SizeCode(l.size) + (l.size > 0 ? "_" + LayoutCodes(stand, l) : "") +
           ".bmp";
}

}  // namespace

Family GetFamily(int stand) {
    switch (stand) {
        case 1: case 3: case 6: case 8: return Family::Corner;
        case 2: case 7: return Family::NorthSouth;
        default: return Family::EastWest;
    }
}

bool IsCorner(int stand) { return GetFamily(stand) == Family::Corner; }

const char* DirectionCode(int stand) {
    static const char* const kCodes[8] = {"nw", "n", "ne", "e", "w", "sw", "s", "se"};
    return kCodes[Clamp(stand - 1, 7)];
}

const char* SizeCode(int size) {
    static const char* const kCodes[6] = {"n", "vs", "s", "m", "l", "2t"};
    return kCodes[Clamp(size, 5)];
}

std::string LayoutCodes(int stand, const StandLayout& layout) {
    static const char* const kRoof[4] = {"nr", "cr", "ar", "lr"};
    static const char* const kSeating[3] = {"ns", "cs", "ls"};
    const bool corner = IsCorner(stand);
    std::string boxes = corner ? (layout.boxes ? "lf" : "nf") : (layout.boxes ? "b" : "nb");
    int roof = Clamp(layout.roof, 3), seating = Clamp(layout.seating, 2);
    if (corner && layout.size < 2) roof = seating = 0;
    if (roof > 0) seating = 0;
    return boxes + "_" + kRoof[roof] + "_" + kSeating[seating];
}

std::string PlanPartEntry(int stand, const StandLayout& layout, bool underDevelopment) {
    const std::string stem = std::string("plan_") + DirectionCode(stand);
    if (underDevelopment) return "plans\\" + stem + (layout.size < 4 ? "_devs.bmp" : "_devl.bmp");
    return Named("plans\\", stem, stand, layout);
}

std::string PlanPitchEntry(bool dark) { return dark ? "plans\\darkpitch.bmp" : "plans\\pitch.bmp"; }

std::string ElevationEntry(int stand, const StandLayout& layout) {
    const Family f = GetFamily(stand);
    const char* dir = f == Family::Corner ? "nw" : f == Family::NorthSouth ? "n" : "w";
    return Named("stan3d\\", std::string("stand_") + dir, stand, layout);
}

std::string SideViewEntry(int stand, const StandLayout& layout, bool underDevelopment) {
    const std::string stem = std::string("stad_") + DirectionCode(stand);
    if (underDevelopment) return "stad3d\\" + stem + "_dev.bmp";
    StandLayout l = layout;
    if (IsCorner(stand) && l.size == 0) l.size = 1;
    return Named("stad3d\\", stem, stand, l);
}

std::string SideViewPitchEntry() { return "stad3d\\pitch.bmp"; }

std::string MarkEntry(int stand, int size, bool selected) {
    const Family f = GetFamily(stand);
    return std::string("plans\\select_") + (selected ? "r_" : "w_") + (size < 4 ? "s_" : "l_") +
           (f == Family::Corner ? "nw" : f == Family::NorthSouth ? "n" : "e") + ".bmp";
}

std::string PicturePath(const std::string& entry) { return "gfx\\stadium\\" + entry; }

PlanRect GetPlanRect(int part, int size) {
    const int s = Clamp(size, 5);
    switch (part) {
        case 0: return kPitch;
        case 2: return {kPitch.left, kPitch.top - kNorthSouthDepth[s], kPitch.right, kPitch.top};
        case 7: return {kPitch.left, kPitch.bottom, kPitch.right, kPitch.bottom + kNorthSouthDepth[s]};
        case 5: return {kPitch.left - kEastWestDepth[s], kPitch.top, kPitch.left, kPitch.bottom};
        case 4: return {kPitch.right, kPitch.top, kPitch.right + kEastWestDepth[s], kPitch.bottom};
        case 1: return {kPitch.left - kCornerSide[s], kPitch.top - kCornerSide[s], kPitch.left, kPitch.top};
        case 3: return {kPitch.right, kPitch.top - kCornerSide[s], kPitch.right + kCornerSide[s], kPitch.top};
        case 6: return {kPitch.left - kCornerSide[s], kPitch.bottom, kPitch.left, kPitch.bottom + kCornerSide[s]};
        case 8: return {kPitch.right, kPitch.bottom, kPitch.right + kCornerSide[s], kPitch.bottom + kCornerSide[s]};
        default: return {};
    }
}

PlanRect GetEnvelope(int stand) { return GetPlanRect(stand, 5); }

MarkSize GetMarkSize(int stand, int size) {
    const bool large = size >= 4;
    switch (GetFamily(stand)) {
        case Family::Corner: return large ? MarkSize{40, 40} : MarkSize{24, 24};
        case Family::NorthSouth: return large ? MarkSize{200, 40} : MarkSize{120, 20};
        default: return large ? MarkSize{40, 140} : MarkSize{20, 100};
    }
}

PlanRect GetMarkRect(int stand, int size) {
    const PlanRect r = GetPlanRect(stand, size);
    const MarkSize m = GetMarkSize(stand, size);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    return {cx - m.width / 2, cy - m.height / 2, cx - m.width / 2 + m.width, cy - m.height / 2 + m.height};
}

std::string PlanTableText() {
    std::ostringstream out;
    out << "# The stadium plan's rectangles: part size left top right bottom, in\n"
           "# doubled plan coordinates (the page halves them). Part 0 is the pitch,\n"
           "# parts 1-8 the stands NW, N, NE, E, W, SW, S, SE at sizes 0-5.\n";
    for (int part = 0; part <= 8; ++part)
        for (int size = 0; size <= (part == 0 ? 0 : 5); ++size) {
            const PlanRect r = GetPlanRect(part, size);
            out << part << ' ' << size << ' ' << 2 * r.left << ' ' << 2 * r.top << ' ' << 2 * r.right << ' '
                << 2 * r.bottom << '\n';
        }
    return out.str();
}

bool ParsePlanTable(const std::string& text, std::array<std::array<PlanRect, 6>, 9>& rects) {
    std::istringstream in(text);
    std::string line;
    std::array<std::array<bool, 6>, 9> seen{};
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        int part = -1, size = -1, l = 0, t = 0, r = 0, b = 0;
        if (!(row >> part >> size >> l >> t >> r >> b)) return false;
        if (part < 0 || part > 8 || size < 0 || size > 5 || r < l || b < t) return false;
        if (l % 2 || t % 2 || r % 2 || b % 2) return false;
        rects[static_cast<size_t>(part)][static_cast<size_t>(size)] = {l / 2, t / 2, r / 2, b / 2};
        seen[static_cast<size_t>(part)][static_cast<size_t>(size)] = true;
    }
    if (!seen[0][0]) return false;
    for (int s = 1; s <= 5; ++s) rects[0][static_cast<size_t>(s)] = rects[0][0];
    for (int part = 1; part <= 8; ++part)
        for (int s = 0; s <= 5; ++s)
            if (!seen[static_cast<size_t>(part)][static_cast<size_t>(s)]) return false;
    return true;
}

std::vector<std::string> AllEntries() {
    std::vector<std::string> out;
    auto designs = [](int stand, int size, auto&& take) {
        for (uint8_t boxes = 0; boxes <= 1; ++boxes) {
            if (!IsCorner(stand) && size < 3 && boxes) continue;
            if (IsCorner(stand) && size < 2) {
                take(StandLayout{static_cast<uint8_t>(size), 0, 0, boxes});
                continue;
            }
            for (uint8_t roof = 1; roof <= 3; ++roof) take(StandLayout{static_cast<uint8_t>(size), roof, 0, boxes});
            for (uint8_t seating = 0; seating <= 2; ++seating)
                take(StandLayout{static_cast<uint8_t>(size), 0, seating, boxes});
        }
    };
    auto add = [&out](const std::string& e) {
        if (std::find(out.begin(), out.end(), e) == out.end()) out.push_back(e);
    };
    for (int stand = 1; stand <= kStands; ++stand) {
        add(PlanPartEntry(stand, StandLayout{0, 0, 0, 0}, true));
        add(PlanPartEntry(stand, StandLayout{5, 0, 0, 0}, true));
        add(PlanPartEntry(stand, StandLayout{}, false));
        for (int size = 1; size <= 5; ++size)
            designs(stand, size, [&](const StandLayout& l) { add(PlanPartEntry(stand, l, false)); });
    }
    add(PlanPitchEntry(false));
    add(PlanPitchEntry(true));
    for (int selected = 1; selected >= 0; --selected)
        for (int size : {0, 4})
            for (int stand : {1, 2, 4}) add(MarkEntry(stand, size, selected == 1));
    for (int stand : {1, 2, 4}) {
        add(ElevationEntry(stand, StandLayout{}));
        for (int size = 1; size <= 5; ++size)
            designs(stand, size, [&](const StandLayout& l) { add(ElevationEntry(stand, l)); });
    }
    for (int stand = 1; stand <= kStands; ++stand) {
        if (!IsCorner(stand)) add(SideViewEntry(stand, StandLayout{}, false));
        for (int size = 1; size <= 5; ++size)
            designs(stand, size, [&](const StandLayout& l) { add(SideViewEntry(stand, l, false)); });
        add(SideViewEntry(stand, StandLayout{}, true));
    }
    add(SideViewPitchEntry());
    return out;
}

}  // namespace stadiumparts
