#include "soccerclasses/injury.h"

#include <algorithm>
#include <cassert>
#include <cctype>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"

const CInjuryKind CInjury::kFootball[kFootballKinds] = {
    {4, 0, 1, 0, 0, 0, 20, 10, 268},    {8, 0, 1, 0, 1, 0, 30, 10, 269},
    {12, 0, 1, 1, 0, 0, 40, 10, 270},   {16, 0, 1, 1, 0, 0, 30, 10, 271},
    {20, 0, 1, 1, 0, 0, 30, 10, 272},   {40, 0, 1, 1, 0, 0, 30, 10, 273},
    {50, 0, 1, 1, 0, 0, 30, 10, 274},   {60, 0, 1, 1, 0, 0, 30, 10, 275},
    {70, 0, 1, 1, 0, 0, 30, 10, 276},   {77, 1, 2, 1, 0, 0, 100, 0, 277},
    {78, 1, 2, 2, 0, 0, 100, 0, 278},   {79, 1, 3, 1, 0, 0, 40, 10, 279},
    {80, 1, 3, 2, 0, 0, 100, 0, 280},   {81, 2, 3, 2, 1, 0, 60, 10, 281},
    {82, 2, 3, 3, 0, 0, 60, 10, 282},   {83, 2, 3, 3, 0, 0, 60, 10, 283},
    {84, 2, 3, 3, 1, 0, 100, 0, 284},   {85, 3, 4, 2, 0, 0, 100, 0, 285},
    {86, 3, 4, 2, 0, 0, 100, 0, 286},   {87, 3, 6, 2, 0, 0, 100, 0, 287},
    {88, 3, 12, 2, 0, 2, 100, 0, 288},  {89, 3, 12, 2, 1, 2, 100, 0, 289},
    {90, 3, 12, 2, 0, 2, 100, 0, 290},  {91, 3, 12, 2, 0, 2, 100, 0, 291},
    {93, 3, 12, 2, 0, 2, 100, 0, 292},  {94, 3, 12, 2, 0, 0, 100, 0, 293},
    {95, 2, 12, 4, 0, 1, 100, 0, 294},  {96, 2, 12, 6, 1, 2, 100, 0, 295},
    {98, 2, 12, 12, 0, 2, 100, 0, 296}, {100, 2, 16, 8, 0, 2, 100, 0, 297},
};

const CAbsenceKind CInjury::kAbsences[kAbsenceKinds] = {
    {9, 1, 1, 253, -1, false},  {19, 1, 0, 254, -1, false}, {29, 1, 2, 255, -1, false},
    {39, 1, 0, 260, -1, false}, {49, 1, 2, 261, -1, false}, {59, 1, 0, 262, -1, false},
    {65, 1, 1, 263, 5, false},  {71, 3, 3, 264, 17, false}, {77, 2, 2, 265, 6, false},
    {83, 6, 2, 266, 6, false},  {89, 1, 2, 305, -1, true},  {93, 6, 8, 324, -1, true},
    {97, 1, 1, 325, -1, true},  {100, 2, 2, 326, -1, true},
};

double CInjury::GetFactor() const {
    assert(m_Severity <= 100);
    return (100 - std::min<int>(m_Severity, 100)) / 100.0;
}

void CInjury::SetSeverity(uint8_t s) {
    assert(s <= 100);
    m_Severity = std::min<uint8_t>(s, 100);
}

uint8_t CInjury::GetWeeksEstimate() const {
    // An injury whose time has run out has no weeks left, whatever the
    // recovery draw was.
    if (m_TimeLeft <= 1) return m_TimeLeft;
    return static_cast<uint8_t>(m_TimeLeft / 2);
}

uint8_t CInjury::GetTotalWeeks() const {
    int out = m_DaysOut == 1 ? 1 : m_DaysOut / 2;
    return static_cast<uint8_t>(std::min(255, GetWeeksEstimate() + out));
}

const CInjuryKind& CInjury::FootballKind() const {
    return kFootball[std::min<int>(m_Kind, kFootballKinds - 1)];
}

std::string CInjury::GetText(bool full) const {
    if (m_Absence) return full ? platform::LoadString(kAbsences[std::min<int>(m_Kind, kAbsenceKinds - 1)].messageId) : "";
    return platform::LoadString(FootballKind().nameId);
}

std::string CInjury::GetNameCapitalised() const {
    std::string s = GetText(false);
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

namespace {
std::string WeeksText(int weeks) {
    if (weeks <= 1) return platform::LoadString(317);
    return platform::FormatMessageId(318, {weeks});
}
}  // namespace

std::string CInjury::GetTimeText() const { return WeeksText(GetWeeksEstimate()); }

std::string CInjury::GetTotalTimeText() const { return WeeksText(GetTotalWeeks()); }

std::string CInjury::GetStatusText() const {
    const bool noArticle = !m_Absence && FootballKind().noArticle;
    const int weeks = GetWeeksEstimate();
    const std::string name = GetText(false);
    if (weeks <= 1) return platform::FormatMessageId(noArticle ? 319 : 320, {name});
    return platform::FormatMessageId(noArticle ? 321 : 322, {weeks, name});
}

void CInjury::MakeFootballInjury(int group, int physio) {
    int kind = 0;
    do {
        int r = Random(99);
        kind = kFootballKinds - 1;
        for (int k = 0; k < kFootballKinds; ++k) {
            if (kFootball[k].threshold > r) {
                kind = k;
                break;
            }
        }
    } while (group < 4 && kFootball[kind].group != group);
    const CInjuryKind& k = kFootball[kind];
    m_Kind = static_cast<uint8_t>(kind);
    m_Absence = 0;
    m_ShownInLists = 1;
    m_DaysOut = 0;
    m_SurgeryMessage = -1;
    m_SurgeryCountdown = k.surgery;
    m_Severity = k.severity < 100 ? static_cast<uint8_t>(std::min(100, k.severity + Random(k.spread))) : 100;
    const int time = (k.baseTime + Random(k.extraTime)) * 2 + 1;
    m_TimeLeft = static_cast<uint8_t>(std::min(255, time));

    const int d = physio - Random(100);
    int mod = 0;
    if (d < -49) {
        mod = time > 20 ? -4 : (time >= 5 && time <= 8) ? -2 : time < 5 ? 0 : -2;
    } else if (d <= -25) {
        mod = time > 20 ? -4 : time < 9 ? 0 : -2;
    } else if (d >= 26) {
        mod = time >= 21 ? 4 : (time >= 5 && time <= 8) ? 2 : time < 5 ? 0 : 2;
    }
    m_RecoveryModifier = static_cast<int8_t>(mod);
}

uint32_t CInjury::MakeAbsence(bool* newspaper) {
    const int r = Random(100);
    int kind = kAbsenceKinds - 1;
    for (int k = 0; k < kAbsenceKinds; ++k) {
        if (kAbsences[k].threshold > r) {
            kind = k;
            break;
        }
    }
    const CAbsenceKind& a = kAbsences[kind];
    m_Severity = 100;
    m_Absence = 1;
    // Only the absences that heal as football injuries show in injury lists.
    m_ShownInLists = a.becomesKind >= 0 ? 1 : 0;
    m_DaysOut = 0;
    m_SurgeryCountdown = 0;
    m_SurgeryMessage = -1;
    m_RecoveryModifier = 0;
    m_TimeLeft = static_cast<uint8_t>(a.baseTime + Random(a.extraTime) + 1);
    m_Kind = static_cast<uint8_t>(kind);
    if (newspaper) *newspaper = a.newspaper;
    if (a.becomesKind >= 0) {
        m_Kind = static_cast<uint8_t>(a.becomesKind);
        m_Absence = 0;
    }
    return a.messageId;
}

int CInjury::RecoveryTextId(int modifier) {
    switch (modifier) {
        case 4: return 791;
        case 2: return 790;
        case -2: return 789;
        case -4: return 788;
        default: return 323;
    }
}

CInjury::DayNews CInjury::DayStep() {
    DayNews news;
    if (m_SurgeryCountdown) {
        if (--m_SurgeryCountdown == 0) {
            const int r = Random(100);
            int time = m_TimeLeft;
            if (r < 5) {
                news.surgeryTextId = 794;
                time += Random(4) + 4;
            } else if (r < 10) {
                news.surgeryTextId = 795;
                time += Random(2) + 2;
            } else if (r < 90) {
                news.surgeryTextId = 793;
            } else if (r < 95) {
                news.surgeryTextId = 796;
                time -= 2;
            } else {
                time -= 4;
            }
            // A good operation shortens the time but never ends it on the spot.
            m_TimeLeft = static_cast<uint8_t>(std::clamp(time, 1, 255));
            m_SurgeryMessage = news.surgeryTextId;
        }
    }
    if (m_TimeLeft) --m_TimeLeft;
    if (m_DaysOut < 255) ++m_DaysOut;
    if (m_TimeLeft == 0 && !(m_Kind == 0 && !m_Absence)) {
        news.recoveryTextId = RecoveryTextId(m_RecoveryModifier);
        news.footballInjury = !m_Absence;
    }
    return news;
}

void CInjury::Save(FILE* f) const {
    SaveByte(f, m_Kind);
    SaveByte(f, m_Severity);
    SaveByte(f, m_TimeLeft);
    SaveByte(f, m_SurgeryCountdown);
    SaveByte(f, static_cast<uint8_t>(m_RecoveryModifier));
    SaveByte(f, m_ShownInLists);
    SaveByte(f, m_Absence);
    SaveByte(f, m_DaysOut);
    SaveInt32(f, m_SurgeryMessage);
}

void CInjury::Load(FILE* f) {
    m_Kind = LoadByte(f);
    m_Severity = LoadByte(f);
    m_TimeLeft = LoadByte(f);
    m_SurgeryCountdown = LoadByte(f);
    m_RecoveryModifier = static_cast<int8_t>(LoadByte(f));
    m_ShownInLists = LoadByte(f);
    m_Absence = LoadByte(f);
    m_DaysOut = LoadByte(f);
    m_SurgeryMessage = LoadInt32(f);
    const int kinds = m_Absence ? kAbsenceKinds : kFootballKinds;
    if (m_Kind >= kinds || m_Severity > 100) MarkGameFileDamaged("an injury outside its tables");
}

CInjury* CInjuryList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return slots_[static_cast<size_t>(i)].get();
}

int CInjuryList::NewInjury() {
    auto blank = std::make_unique<CInjury>();
    for (int i = 0; i < GetSize(); ++i) {
        if (!slots_[static_cast<size_t>(i)]) {
            slots_[static_cast<size_t>(i)] = std::move(blank);
            return i;
        }
    }
    slots_.push_back(std::move(blank));
    return GetSize() - 1;
}

void CInjuryList::Remove(int index) {
    if (index >= 0 && index < GetSize()) slots_[static_cast<size_t>(index)].reset();
}

void CInjuryList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (int i = 0; i < GetSize(); ++i) {
        const CInjury* in = slots_[static_cast<size_t>(i)].get();
        SaveInt32(f, in ? i : -1);
        if (in) in->Save(f);
    }
}

void CInjuryList::Load(FILE* f) {
    slots_.clear();
    const int32_t n = LoadCount(f, 4);
    slots_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        const int32_t marker = LoadInt32(f);
        if (marker == -1) continue;
        if (marker != i) {
            MarkGameFileDamaged("an injury slot out of place");
            break;
        }
        auto in = std::make_unique<CInjury>();
        in->Load(f);
        slots_[static_cast<size_t>(i)] = std::move(in);
    }
    if (GameFileDamaged()) slots_.clear();
}
