#include "soccerclasses/matchevent.h"

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worldlinks.h"

bool CMatchEvent::IsGoal() const { return IsHomeGoal() || IsAwayGoal(); }

bool CMatchEventList::Add(int minute, int type, const std::string& name) {
    if (GetSize() >= kMaxEvents) return false;
    OwningList::Add(std::make_unique<CMatchEvent>(static_cast<uint8_t>(minute), static_cast<uint8_t>(type), name));
    return true;
}

int CMatchEventList::CountType(uint8_t type) const {
    int n = 0;
    for (const auto& e : *this) n += e->m_Type == type;
    return n;
}

int CMatchEventList::CountHomeGoals(int minute) const {
    int n = 0;
    for (const auto& e : *this) n += e->IsHomeGoal() && e->m_Minute <= minute;
    return n;
}

int CMatchEventList::CountAwayGoals(int minute) const {
    int n = 0;
    for (const auto& e : *this) n += e->IsAwayGoal() && e->m_Minute <= minute;
    return n;
}

bool CMatchEventList::IsGoalInMinute(int minute) const {
    for (const auto& e : *this)
        if (e->IsGoal() && e->m_Minute == minute) return true;
    return false;
}

const CMatchEvent* CMatchEventList::NthGoal(bool home, int n) const {
    for (const auto& e : *this)
        if ((home ? e->IsHomeGoal() : e->IsAwayGoal()) && n-- == 0) return e.get();
    return nullptr;
}

const CMatchEvent* CMatchEventList::NthOfType(uint8_t type, int n) const {
    for (const auto& e : *this)
        if (e->m_Type == type && n-- == 0) return e.get();
    return nullptr;
}

bool CMatchEventList::IsHomeGoalPenalty(int n) const {
    auto e = NthGoal(true, n);
    return e && e->m_Type == CMatchEvent::kHomePenaltyGoal;
}
bool CMatchEventList::IsAwayGoalPenalty(int n) const {
    auto e = NthGoal(false, n);
    return e && e->m_Type == CMatchEvent::kAwayPenaltyGoal;
}
bool CMatchEventList::IsHomeGoalOwnGoal(int n) const {
    auto e = NthGoal(true, n);
    return e && e->m_Type == CMatchEvent::kHomeOwnGoal;
}
bool CMatchEventList::IsAwayGoalOwnGoal(int n) const {
    auto e = NthGoal(false, n);
    return e && e->m_Type == CMatchEvent::kAwayOwnGoal;
}

std::string CMatchEventList::GoalText(const CMatchEvent* e) const {
    if (!e) return {};
    std::string text = platform::StrPrintf(platform::LoadString(kGoalTextId).c_str(), e->m_Name.c_str(), e->m_Minute);
    if (e->m_Type == CMatchEvent::kHomeOwnGoal || e->m_Type == CMatchEvent::kAwayOwnGoal)
        text += platform::LoadString(kOwnGoalSuffixId);
    else if (e->m_Type == CMatchEvent::kHomePenaltyGoal || e->m_Type == CMatchEvent::kAwayPenaltyGoal)
        text += platform::LoadString(kPenaltySuffixId);
    return text;
}

std::string CMatchEventList::CardText(const CMatchEvent* e) const {
    if (!e) return {};
    return platform::StrPrintf(platform::LoadString(kCardTextId).c_str(), e->m_Name.c_str(), e->m_Minute);
}

std::string CMatchEventList::GetShootoutText(const std::string& homeName, const std::string& awayName) const {
    int home = CountHomeShootoutGoals(), away = CountAwayShootoutGoals();
    bool homeWon = GetShootoutWinner() == 0;
    return platform::FormatMessageId(kShootoutTextId,
                                     {homeWon ? homeName : awayName, homeWon ? home : away, homeWon ? away : home});
}

void CMatchEventList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (const auto& e : *this) {
        SaveByte(f, e->m_Minute);
        SaveByte(f, e->m_Type);
        e->m_Name.Save(f);
    }
}

void CMatchEventList::Load(FILE* f) {
    int32_t n = LoadCount(f, 6);
    if (n > kMaxEvents) {
        MarkGameFileDamaged("too many match events");
        n = 0;
    }
    while (GetSize() > n) ReturnPooledMatchEvent(TakeLast());
    while (GetSize() < n) OwningList::Add(TakePooledMatchEvent());
    for (const auto& e : *this) {
        e->m_Minute = LoadByte(f);
        e->m_Type = LoadByte(f);
        e->m_Name.Load(f);
    }
}
