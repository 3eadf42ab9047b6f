#include "soccerclasses/soccertactic.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

namespace {

constexpr int kBands = 8;

const uint8_t kKeeper[kBands] = {100, 90, 90, 70, 60, 50, 40, 30};

// Depths 0 to 5.
const uint8_t kDefence[kBands][6] = {
    {100, 100, 100, 80, 70, 20}, {99, 99, 99, 79, 69, 19}, {98, 98, 98, 78, 68, 19}, {97, 97, 97, 77, 67, 18},
    {95, 95, 95, 75, 65, 18},    {93, 93, 93, 74, 65, 17}, {91, 91, 91, 72, 62, 16}, {70, 70, 70, 55, 45, 5}};
// Depths 3 to 10.
const uint8_t kMidfield[kBands][8] = {
    {20, 30, 80, 100, 80, 60, 40, 10}, {19, 29, 79, 99, 79, 59, 40, 10}, {19, 28, 78, 98, 78, 58, 39, 9},
    {18, 28, 77, 97, 77, 57, 39, 9},   {18, 27, 76, 95, 75, 56, 38, 8},  {17, 27, 76, 93, 74, 56, 38, 8},
    {16, 27, 75, 91, 72, 55, 37, 7},   {5, 8, 55, 70, 55, 42, 28, 2}};
// Depths 7 to 12.
const uint8_t kAttack[kBands][6] = {
    {20, 40, 60, 90, 100, 100}, {19, 40, 59, 89, 99, 99}, {19, 39, 58, 89, 98, 98}, {18, 39, 57, 88, 97, 97},
    {18, 38, 56, 87, 95, 95},   {17, 38, 56, 85, 93, 93}, {16, 37, 55, 84, 91, 91}, {5, 28, 42, 68, 70, 70}};
// Widths 0 to 3.
const uint8_t kLeft[kBands][4] = {{100, 90, 70, 40}, {99, 89, 69, 40}, {98, 89, 68, 39}, {97, 88, 67, 39},
                                  {95, 87, 65, 38},  {93, 85, 65, 38}, {91, 84, 62, 37}, {70, 68, 45, 28}};
const uint8_t kCentre[kBands][9] = {
    {0, 10, 30, 60, 100, 60, 30, 10, 0}, {0, 10, 29, 59, 99, 59, 30, 10, 0}, {0, 10, 28, 58, 98, 58, 30, 10, 0},
    {0, 10, 28, 57, 97, 57, 30, 10, 0},  {0, 10, 27, 56, 95, 56, 30, 10, 0}, {0, 10, 27, 56, 93, 56, 30, 10, 0},
    {0, 10, 27, 55, 91, 55, 30, 10, 0},  {0, 10, 8, 42, 70, 42, 30, 10, 0}};
// Widths 5 to 8.
const uint8_t kRight[kBands][4] = {{40, 70, 90, 100}, {40, 69, 89, 99}, {39, 68, 89, 98}, {39, 67, 88, 97},
                                   {38, 65, 87, 95},  {38, 65, 85, 93}, {37, 62, 84, 91}, {28, 45, 68, 70}};
const uint8_t kDepthFactor[13] = {0, 1, 1, 1, 1, 1, 1, 4, 4, 4, 10, 10, 10};

const uint8_t kTrainAbove90[12] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};
const uint8_t kTrainBelow90[12] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6};

struct BuiltIn {
    int positions[20];
    uint8_t base;
};
const BuiltIn kBuiltIns[CSoccerTacticList::kBuiltIn] = {
    {{2, 1, 2, 7, 2, 3, 2, 5, 6, 3, 6, 1, 6, 5, 10, 5, 10, 3, 6, 7}, 90},  // 4-4-2
    {{2, 1, 2, 7, 2, 5, 2, 3, 6, 2, 6, 4, 6, 6, 10, 4, 10, 2, 10, 6}, 85}, // 4-3-3
    {{2, 1, 2, 7, 2, 5, 2, 3, 6, 3, 6, 5, 10, 1, 10, 3, 10, 5, 10, 7}, 80}, // 4-2-4
    {{2, 0, 2, 6, 2, 4, 2, 2, 2, 8, 6, 2, 6, 4, 10, 5, 10, 3, 6, 6}, 90},  // 5-3-2
    {{2, 0, 2, 6, 2, 4, 2, 2, 2, 8, 6, 3, 6, 5, 10, 4, 10, 2, 10, 6}, 70}, // 5-2-3
    {{2, 0, 2, 6, 2, 4, 2, 2, 2, 8, 6, 1, 6, 3, 10, 4, 6, 7, 6, 5}, 80},   // 5-4-1
    {{2, 1, 2, 7, 2, 5, 2, 3, 6, 0, 6, 2, 6, 4, 10, 4, 6, 8, 6, 6}, 80},   // 4-5-1
    {{2, 2, 2, 6, 2, 4, 6, 2, 6, 6, 6, 4, 10, 1, 10, 3, 10, 5, 10, 7}, 70}, // 3-3-4
    {{2, 2, 2, 6, 6, 0, 2, 4, 6, 2, 6, 6, 6, 4, 10, 3, 10, 5, 6, 8}, 80},  // 3-5-2
    {{2, 2, 2, 6, 2, 4, 6, 1, 6, 3, 6, 5, 6, 7, 10, 6, 10, 2, 10, 4}, 70}, // 3-4-3
};
const int kCustomPositions[20] = {2, 0, 2, 2, 2, 4, 2, 6, 2, 8, 6, 2, 6, 4, 6, 6, 10, 3, 10, 5};

}  // namespace

CSoccerTactic::CSoccerTactic() { m_Roles.SetSizeAndFill(kPlayers, 0); }

CSoccerTactic::CSoccerTactic(unsigned nameId, const int positions[20], uint8_t familiarity, uint8_t custom)
    : CSoccerTactic() {
    m_Name = platform::LoadString(nameId);
    for (int i = 0; i < kPlayers; ++i) {
        m_Depth[static_cast<size_t>(i)] = positions[2 * i];
        m_Width[static_cast<size_t>(i)] = positions[2 * i + 1];
    }
    m_Familiarity = familiarity;
    m_Custom = custom;
}

std::string CSoccerTactic::GetFamiliarityText() const { return platform::StrPrintf("%d", m_Familiarity); }

std::string CSoccerTactic::GetLabel() const {
    return platform::StrPrintf("%s (%d)", m_Name.c_str(), m_Familiarity);
}

int CSoccerTactic::IsInvalid() const {
    if (!m_Custom) return 0;
    int left = 0, centre = 0, right = 0, defence = 0, midfield = 0, attack = 0;
    for (int i = 0; i < kPlayers; ++i) {
        int d = m_Depth[static_cast<size_t>(i)], w = m_Width[static_cast<size_t>(i)];
        (w <= 2 ? left : w <= 5 ? centre : right)++;
        defence += d <= 4;
        midfield += d >= 4 && d <= 8;
        attack += d >= 8;
    }
    return left < 2 || left > 5 || centre < 2 || centre > 10 || right < 2 || right > 5 || defence < 2 ||
           defence > 10 || midfield < 2 || midfield > 10 || attack == 0 || attack > 7;
}

int CSoccerTactic::GetFamiliarityBand() const {
    if (IsInvalid()) return 7;
    int f = m_Familiarity;
    return f >= 95 ? 0 : f >= 90 ? 1 : f >= 85 ? 2 : f >= 80 ? 3 : f >= 70 ? 4 : f >= 60 ? 5 : 6;
}

void CSoccerTactic::AddTenths(int n) {
    m_Tenths = static_cast<uint8_t>(m_Tenths + n);
    if (m_Tenths >= 10) {
        m_Tenths = static_cast<uint8_t>(m_Tenths - 10);
        ++m_Familiarity;
    }
    if (m_Familiarity > 99) m_Familiarity = 99;
}

void CSoccerTactic::Train(uint8_t level) {
    size_t l = std::min<size_t>(level, 11);
    AddTenths(m_Familiarity >= 90 ? kTrainAbove90[l] : kTrainBelow90[l]);
}

CPositionProfile CSoccerTactic::GetPositionProfile(int p) const {
    // Positions are kept on the grid by the editing screens; clamp so a bad
    // saved game cannot read outside the tables.
    int d = std::clamp<int>(m_Depth.at(static_cast<size_t>(p)), 0, kMaxDepth);
    int w = std::clamp<int>(m_Width.at(static_cast<size_t>(p)), 0, kMaxWidth);
    int b = GetFamiliarityBand();
    CPositionProfile r{};
    r.keeper = d == 0 ? kKeeper[b] : 0;
    r.defence = d <= 5 ? kDefence[b][d] : 0;
    r.midfield = d >= 3 && d <= 10 ? kMidfield[b][d - 3] : 0;
    r.attack = d >= 7 ? kAttack[b][d - 7] : 0;
    r.left = w <= 3 ? kLeft[b][w] : 0;
    r.centre = kCentre[b][w];
    r.right = w >= 5 ? kRight[b][w - 5] : 0;
    r.depthFactor1 = r.depthFactor2 = kDepthFactor[d];
    r.role = m_Roles.GetSize() > p ? m_Roles.GetAt(p) : 0;
    return r;
}

int CSoccerTactic::CountSharedPositions(const CSoccerTactic& o) const {
    int n = 0;
    for (int a = 0; a < kPlayers; ++a)
        for (int b = 0; b < kPlayers; ++b)
            n += o.m_Depth[static_cast<size_t>(a)] == m_Depth[static_cast<size_t>(b)] &&
                 o.m_Width[static_cast<size_t>(a)] == m_Width[static_cast<size_t>(b)];
    return n;
}

void CSoccerTactic::Save(FILE* f) const {
    m_Name.Save(f);
    m_Roles.Save(f);
    SaveByte(f, m_Instructions[0]);
    SaveByte(f, m_Instructions[1]);
    SaveByte(f, m_Aggression);
    SaveByte(f, m_Instructions[2]);
    SaveByte(f, m_Instructions[3]);
    for (int i = 0; i < kPlayers; ++i) {
        SaveInt32(f, m_Depth[static_cast<size_t>(i)]);
        SaveInt32(f, m_Width[static_cast<size_t>(i)]);
    }
    SaveByte(f, m_Familiarity);
    SaveByte(f, m_Tenths);
    SaveByte(f, m_Custom);
    SaveByte(f, m_Spare);
}

void CSoccerTactic::Load(FILE* f) {
    m_Name.Load(f);
    m_Roles.Load(f);
    m_Instructions[0] = LoadByte(f);
    m_Instructions[1] = LoadByte(f);
    m_Aggression = LoadByte(f);
    m_Instructions[2] = LoadByte(f);
    m_Instructions[3] = LoadByte(f);
    for (int i = 0; i < kPlayers; ++i) {
        m_Depth[static_cast<size_t>(i)] = LoadInt32(f);
        m_Width[static_cast<size_t>(i)] = LoadInt32(f);
    }
    m_Familiarity = LoadByte(f);
    m_Tenths = LoadByte(f);
    m_Custom = LoadByte(f);
    m_Spare = LoadByte(f);
}

CSoccerTacticList::CSoccerTacticList() {
    for (int i = 0; i < kBuiltIn; ++i)
        Add(std::make_unique<CSoccerTactic>(kFormationNameIds + static_cast<unsigned>(i), kBuiltIns[i].positions, 0, 0));
    SetInitialFamiliarity();
    for (int i = 0; i < kCustom; ++i) {
        Add(std::make_unique<CSoccerTactic>(kFormationNameIds + kBuiltIn + static_cast<unsigned>(i), kCustomPositions, 0, 1));
        RecomputeFamiliarity(GetSize() - 1);
    }
}

void CSoccerTacticList::SetInitialFamiliarity() {
    int builtIn = 0;
    for (int i = 0; i < GetSize(); ++i) {
        CSoccerTactic* t = GetAt(i);
        if (!t->m_Custom) {
            t->m_Familiarity = static_cast<uint8_t>(kBuiltIns[std::min(i, kBuiltIn - 1)].base + Random(9));
            ++builtIn;
        }
        t->m_Spare = 0;
    }
    m_Current = Random(builtIn);
}

void CSoccerTacticList::RecomputeFamiliarity(int k) {
    CSoccerTactic* target = GetAt(k);
    int best = 0;
    const CSoccerTactic* from = nullptr;
    for (int j = 0; j < GetSize(); ++j) {
        if (j == k) continue;
        int n = GetAt(j)->CountSharedPositions(*target);
        if (n > best) {
            best = n;
            from = GetAt(j);
        }
    }
    if (!from) target->m_Familiarity = 50;
    else if (best == CSoccerTactic::kPlayers) target->m_Familiarity = from->m_Familiarity;
    else target->m_Familiarity = static_cast<uint8_t>(from->m_Familiarity / 9 * best);
}

void CSoccerTacticList::SetPositionDepth(int player, int value) {
    GetCurrentTactic()->m_Depth.at(static_cast<size_t>(player)) = std::clamp(value, 0, CSoccerTactic::kMaxDepth);
    RecomputeFamiliarity(m_Current);
}

void CSoccerTacticList::SetPositionWidth(int player, int value) {
    GetCurrentTactic()->m_Width.at(static_cast<size_t>(player)) = std::clamp(value, 0, CSoccerTactic::kMaxWidth);
    RecomputeFamiliarity(m_Current);
}

int CSoccerTacticList::GetPositionDepth(int player, int formation) const {
    return GetAt(formation == -1 ? m_Current : formation)->m_Depth.at(static_cast<size_t>(player));
}

int CSoccerTacticList::GetPositionWidth(int player, int formation) const {
    return GetAt(formation == -1 ? m_Current : formation)->m_Width.at(static_cast<size_t>(player));
}

void CSoccerTacticList::DecayFamiliarity() {
    for (const auto& t : *this)
        if (Random(99) > t->m_Familiarity && t->m_Familiarity > 50) --t->m_Familiarity;
}

void CSoccerTacticList::Save(FILE* f) const {
    SaveInt32(f, m_Current);
    for (const auto& t : *this) t->Save(f);
}

void CSoccerTacticList::Load(FILE* f) {
    int32_t current = LoadInt32(f);
    for (const auto& t : *this) t->Load(f);
    if (current < 0 || current >= GetSize()) {
        MarkGameFileDamaged("current formation");
        current = 0;
    }
    m_Current = current;
}
