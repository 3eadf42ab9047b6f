// The clip table: parsing, the rules of its rows, and the check of the
// files the rows name.
#include "shell/flcclips.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

#include "platform/gfx/bmp.h"
#include "shell/archive.h"
#include "shell/flcdecode.h"

extern const unsigned char vt_flc_clips_txt[];
extern const unsigned long vt_flc_clips_txt_size;

const std::array<FlcFolder, 20> kFlcFolders = {{
    {"Shots", 248},       {"Fouls", 96},         {"Free-Kick", 50},    {"Fillers", 37},   {"Corners", 36},
    {"Penalties", 36},    {"Headers", 30},       {"Celebrations", 25}, {"Injured", 24},   {"Own-Goal", 18},
    {"Referee", 16},      {"Substitutions", 16}, {"Off-Ball", 8},      {"Manager", 6},    {"Post-Match", 5},
    {"Kick-Off", 4},      {"Crosses", 4},        {"Ref_Assist", 4},    {"Pre-Match", 2},  {"Half Time", 1},
}};

namespace {

bool FlcToInt(std::string_view s, int& out) {
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

std::string_view FlcTrim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The next blank-separated word of `s`, which loses it.
std::string_view FlcWord(std::string_view& s) {
    s = FlcTrim(s);
    size_t end = s.find_first_of(" \t");
    std::string_view w = s.substr(0, end);
    s.remove_prefix(end == std::string_view::npos ? s.size() : end);
    return w;
}

std::string FlcFolderOf(const std::string& name) {
    const size_t slash = name.find('\\');
    return slash == std::string::npos ? std::string() : name.substr(0, slash);
}

bool FlcInRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

bool ParseFlcClipTable(std::string_view text, std::vector<FlcClipRow>& rows, std::string* error) {
    rows.clear();
    int lineNo = 0;
    auto fail = [&](const char* why) {
        if (error) *error = "clip table line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (!text.empty()) {
        ++lineNo;
        const size_t nl = text.find('\n');
        std::string_view line = FlcTrim(text.substr(0, nl));
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (line.empty() || line.front() == '#') continue;
        FlcClipRow row;
        int v[5];
        for (int& n : v)
            if (!FlcToInt(FlcWord(line), n)) return fail("five numbers expected");
        row.number = v[0];
        row.endColumn = v[1];
        row.endRow = v[2];
        row.side = v[3];
        row.kind = v[4];
        line = FlcTrim(line);
        if (line.size() < 2 || line.front() != '"') return fail("a quoted name expected");
        const size_t close = line.find('"', 1);
        if (close == std::string_view::npos) return fail("the name's closing quote is missing");
        row.name = std::string(line.substr(1, close - 1));
        line.remove_prefix(close + 1);
        for (std::string_view w = FlcWord(line); !w.empty(); w = FlcWord(line)) {
            const size_t colon = w.find(':');
            int frame, slot;
            if (colon == std::string_view::npos || !FlcToInt(w.substr(0, colon), frame) ||
                !FlcToInt(w.substr(colon + 1), slot) || !FlcInRange(frame, 0, 32767) || !FlcInRange(slot, -32768, 32767))
                return fail("cues are frame:slot pairs");
            row.cues.push_back({static_cast<int16_t>(frame), static_cast<int16_t>(slot)});
        }
        rows.push_back(std::move(row));
    }
    return true;
}

std::vector<std::string> CheckFlcClipTable(const std::vector<FlcClipRow>& rows, bool complete) {
    std::vector<std::string> faults;
    auto fault = [&](int number, const std::string& why) {
        faults.push_back("clip " + std::to_string(number) + ": " + why);
    };
    std::vector<int> seen(kFlcClipCount, 0);
    std::map<std::string, int> perFolder;
    for (const FlcClipRow& r : rows) {
        if (!FlcInRange(r.number, 0, kFlcClipCount - 1)) {
            fault(r.number, "number outside 0-665");
            continue;
        }
        if (seen[static_cast<size_t>(r.number)]++) fault(r.number, "row given twice");
        if (r.endColumn != -1 && !FlcInRange(r.endColumn, 0, 12)) fault(r.number, "end column outside -1, 0-12");
        if (r.endRow != -1 && !FlcInRange(r.endRow, 0, 8)) fault(r.number, "end row outside -1, 0-8");
        if (!FlcInRange(r.side, 0, 2)) fault(r.number, "side outside 0-2");
        if (!FlcInRange(r.kind, 0, 8)) fault(r.number, "kind outside 0-8");
        // The numbers the player and the match page use by value.
        struct Fixed {
            int first, last, kind;
            const char* folder;
        };
        static constexpr Fixed kFixed[] = {
            {650, 665, kClipSubstitution, "Substitutions"}, {320, 323, kClipBooking, nullptr},
            {324, 327, kClipSendingOff, nullptr},           {346, 377, -1, "Penalties"},
            {382, 385, -1, "Ref_Assist"},                   {74, 85, -1, "Corners"},
        };
        for (const Fixed& f : kFixed) {
            if (!FlcInRange(r.number, f.first, f.last)) continue;
            if (f.kind >= 0 && r.kind != f.kind) fault(r.number, "kind must be " + std::to_string(f.kind));
            if (f.folder && FlcFolderOf(r.name) != f.folder) fault(r.number, std::string("must be in ") + f.folder);
        }
        const std::string folder = FlcFolderOf(r.name);
        const bool known = std::any_of(kFlcFolders.begin(), kFlcFolders.end(),
                                       [&](const FlcFolder& f) { return folder == f.name; });
        if (!known || r.name.size() <= folder.size() + 1 || r.name.find('\\', folder.size() + 1) != std::string::npos)
            fault(r.number, "name \"" + r.name + "\" is not Folder\\name in one of the 20 folders");
        else
            ++perFolder[folder];
        if (r.name.size() + 4 > kArchiveNameSize - 1) fault(r.number, "entry name longer than 47 characters");
        for (size_t i = 0; i < r.cues.size(); ++i) {
            if (i > 0 && r.cues[i].frame <= r.cues[i - 1].frame) fault(r.number, "cue frames not ascending");
            if (!FlcInRange(r.cues[i].slot, 0, 27)) fault(r.number, "cue slot outside the loaded samples 0-27");
        }
    }
    if (complete) {
        for (int n = 0; n < kFlcClipCount; ++n)
            if (!seen[static_cast<size_t>(n)]) fault(n, "no row");
        for (const FlcFolder& f : kFlcFolders)
            if (perFolder[f.name] != f.count)
                faults.push_back(std::string("folder ") + f.name + " holds " + std::to_string(perFolder[f.name]) +
                                 " clips, not " + std::to_string(f.count));
    }
    return faults;
}

namespace {

struct FlcCompiledTable {
    std::vector<FlcClipRow> rows;
    std::array<int, kFlcClipCount> byNumber{};
    FlcCompiledTable() {
        std::string error;
        if (!ParseFlcClipTable(std::string_view(reinterpret_cast<const char*>(vt_flc_clips_txt), vt_flc_clips_txt_size),
                               rows, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            rows.clear();
        }
        Index();
    }
    explicit FlcCompiledTable(std::vector<FlcClipRow> given) : rows(std::move(given)) { Index(); }
    void Index() {
        byNumber.fill(-1);
        for (size_t i = 0; i < rows.size(); ++i)
            if (FlcInRange(rows[i].number, 0, kFlcClipCount - 1) && byNumber[static_cast<size_t>(rows[i].number)] < 0)
                byNumber[static_cast<size_t>(rows[i].number)] = static_cast<int>(i);
    }
};

std::unique_ptr<FlcCompiledTable>& FlcTestTable() {
    static std::unique_ptr<FlcCompiledTable> table;
    return table;
}

const FlcCompiledTable& FlcTable() {
    if (FlcTestTable()) return *FlcTestTable();
    static const FlcCompiledTable table;
    return table;
}

}  // namespace

const FlcClipRow* FlcClipAt(int number) {
    if (!FlcInRange(number, 0, kFlcClipCount - 1)) return nullptr;
    const int i = FlcTable().byNumber[static_cast<size_t>(number)];
    return i < 0 ? nullptr : &FlcTable().rows[static_cast<size_t>(i)];
}

const std::vector<FlcClipRow>& FlcClipRows() { return FlcTable().rows; }

void SetFlcClipTableForTesting(std::vector<FlcClipRow> rows) {
    FlcTestTable() = std::make_unique<FlcCompiledTable>(std::move(rows));
}

void RestoreFlcClipTable() { FlcTestTable().reset(); }

namespace {

// The end-swap pairs: each range exchanges position by position with the
// range after the slash.
struct FlcSwapRange {
    int a0, a1, b0;
};
constexpr FlcSwapRange kFlcSwaps[] = {
    {7, 7, 8},       {12, 12, 13},    {15, 16, 17},    {19, 19, 20},    {21, 24, 25},    {29, 30, 31},
    {33, 34, 35},    {37, 38, 39},    {41, 42, 43},    {45, 46, 47},    {49, 54, 55},    {61, 63, 64},
    {74, 75, 76},    {78, 79, 80},    {82, 83, 84},    {86, 86, 87},    {88, 88, 89},    {90, 90, 91},
    {92, 92, 93},    {94, 94, 95},    {96, 96, 97},    {98, 98, 99},    {100, 100, 101}, {102, 102, 103},
    {104, 104, 105}, {106, 106, 107}, {108, 108, 109}, {110, 111, 112}, {114, 115, 116}, {118, 125, 126},
    {134, 136, 137}, {140, 145, 146}, {152, 154, 155}, {158, 159, 160}, {162, 173, 174}, {186, 197, 198},
    {252, 255, 256}, {260, 261, 262}, {264, 265, 266}, {268, 268, 269}, {270, 271, 272}, {274, 275, 276},
    {278, 278, 279}, {280, 281, 282}, {284, 285, 286}, {288, 288, 289}, {291, 291, 292}, {294, 294, 295},
    {296, 296, 297}, {298, 298, 299}, {300, 300, 301}, {302, 302, 303}, {305, 305, 306}, {307, 307, 308},
    {310, 310, 311}, {312, 312, 313}, {320, 320, 321}, {322, 322, 323}, {324, 324, 325}, {326, 326, 327},
    {328, 330, 331}, {334, 337, 338}, {342, 343, 344}, {378, 379, 380}, {382, 382, 383}, {384, 384, 385},
    {386, 388, 389}, {392, 392, 393}, {395, 395, 396}, {397, 397, 398}, {399, 399, 400},
};

}  // namespace

int FlcEndSwap(int clip) {
    for (const FlcSwapRange& r : kFlcSwaps) {
        const int len = r.a1 - r.a0;
        if (clip >= r.a0 && clip <= r.a1) return r.b0 + (clip - r.a0);
        if (clip >= r.b0 && clip <= r.b0 + len) return r.a0 + (clip - r.b0);
    }
    if (clip >= 346 && clip <= 377) return clip ^ 1;
    if (clip >= 402 && clip <= 649) return clip + ((clip - 402) % 4 < 2 ? 2 : -2);
    return clip;
}

std::string FlcClipPath(const FlcClipRow& row) { return "gfx\\flc\\" + row.name + ".flc"; }
std::string FlcBackdropPath(const FlcClipRow& row) { return "gfx\\flc\\" + row.name + ".bmp"; }

std::vector<std::string> CheckFlcClipFiles(const std::vector<FlcClipRow>& rows) {
    std::vector<std::string> faults;
    for (const FlcClipRow& r : rows) {
        const std::string who = "clip " + std::to_string(r.number) + ": ";
        auto clip = LoadArchiveEntry(FlcClipPath(r));
        flc::Header h;
        if (!clip) {
            faults.push_back(who + FlcClipPath(r) + " not found");
        } else if (!flc::ReadHeader(*clip, h)) {
            faults.push_back(who + "clip header refused (no frames, or larger than 320 x 200)");
        } else {
            for (const FlcCue& c : r.cues)
                if (c.frame >= h.frames) faults.push_back(who + "cue at frame " + std::to_string(c.frame) + " past its " +
                                                          std::to_string(h.frames) + " frames");
        }
        auto back = LoadArchiveEntry(FlcBackdropPath(r));
        if (!back) {
            faults.push_back(who + FlcBackdropPath(r) + " not found");
            continue;
        }
        auto bmp = platform::gfx::DecodeBmp8(*back, platform::gfx::PixelStart::AfterPalette);
        if (!bmp || bmp->width > flc::kMaxWidth || bmp->height > flc::kMaxHeight)
            faults.push_back(who + "backdrop unreadable or larger than 320 x 200");
    }
    return faults;
}
