// What a match needs to know about a player and what it leaves on him:
// availability, effective skills, discipline and the counters; and his side
// of injuries.
#include <algorithm>
#include <cassert>
#include <limits>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kCodeBooked = 155;
constexpr int kCodeSentOff = 157;
constexpr int kCodeServed = 162;
constexpr int kCodeInjured = 60;
constexpr int kCodeRecovered = 61;

int PhysioAbility(const CClub& club) {
    const CEmployee* physio = club.Staff().FindKind(CBasicEmployee::kHeadPhysio);
    return physio ? physio->m_Ability : 0;
}

template <class T>
void Inc(T& counter) {
    if (counter < std::numeric_limits<T>::max()) ++counter;
}

}  // namespace

CInjury* CPlayer::GetInjury() const {
    CWorldData* w = GetWorldData();
    return w && m_Injury >= 0 ? w->GetInjuryList().GetAt(m_Injury) : nullptr;
}

uint8_t CPlayer::GetInjurySeverity() const {
    const CInjury* in = GetInjury();
    return in ? in->GetSeverity() : 0;
}

bool CPlayer::IsInjured() const { return GetInjurySeverity() >= 100; }

bool CPlayer::IsAvailable() const {
    if (IsInjured()) {
        platform::Trace("Player Not Willing to transfer :- INJURED\n");
        return false;
    }
    if (m_Suspension > 0) {
        platform::Trace("Player Not Willing to transfer :- SUSPENDED\n");
        return false;
    }
    if (m_MatchStatus == kMatchSentOff) {
        platform::Trace("Player Not Willing to transfer :- SENDINGOFFPOINTS last Match\n");
        return false;
    }
    return true;
}

bool CPlayer::CanPlay() const { return !IsInjured() && m_MatchStatus != kMatchSentOff; }

bool CPlayer::IsOnPitch() const { return m_MatchStatus == 0 && !IsInjured(); }

namespace {

// One rule for every effective skill, worked in a wide type so that a
// strong player's figure cannot wrap before the clamp.
int Effective(const CPlayer& p, int base) {
    double v = base * p.m_Football.GetFormFactor();
    const int severity = p.GetInjurySeverity();
    if (p.GetInjury()) {
        const double f = (100 - std::min(severity, 100)) / 100.0;
        if (f == 0.0) return 0;
        v *= f;
    }
    if (p.m_Person.GetMorale() > 90) v *= 1.05;
    if (p.m_Person.GetMorale() < 25) v *= 0.98;
    if (p.m_Football.m_Energy < 70) v *= 0.9;
    return std::clamp(static_cast<int>(v + 0.5), 10, 99);
}

}  // namespace

int CPlayer::GetMatchAbility() const { return Effective(*this, m_Football.GetAbility()); }
int CPlayer::GetMatchGoalkeeping() const { return Effective(*this, m_Football.m_Handling); }
int CPlayer::GetMatchDefending() const { return Effective(*this, m_Football.m_Tackling); }
int CPlayer::GetMatchMidfield() const { return Effective(*this, m_Football.m_Passing); }
int CPlayer::GetMatchSkill68() const { return Effective(*this, m_Football.m_Heading); }
int CPlayer::GetMatchAttacking() const { return Effective(*this, m_Football.m_Shooting); }

void CPlayer::Book(const CClub& club) {
    Inc(m_SeasonBookings);
    Inc(m_ClubBookings);
    Inc(m_CareerBookings);
    m_DisciplinePoints = static_cast<uint8_t>(std::min(255, m_DisciplinePoints + 3));
    m_MatchStatus = kMatchBooked;
    SendMessageToHuman(club, kCodeBooked, GetName());
}

void CPlayer::SendOff(const CClub& club) {
    Inc(m_SeasonSendingsOff);
    Inc(m_ClubSendingsOff);
    Inc(m_CareerSendingsOff);
    m_DisciplinePoints = static_cast<uint8_t>(std::min(255, m_DisciplinePoints + 6));
    m_MatchStatus = kMatchSentOff;
    SendMessageToHuman(club, kCodeSentOff, GetName());
}

void CPlayer::Suspend(int n, const CClub& club) {
    int total = m_Suspension + n;
    Inc(m_SeasonSuspensions);
    const int repeats = m_SeasonSuspensions - m_SeasonSendingsOff;
    if (repeats != 0 && repeats != 1) total += n;
    m_Suspension = static_cast<uint8_t>(std::min(255, total));
    const std::string text = platform::FormatMessageId(44, {GetName(), static_cast<int>(m_Suspension), club.GetName()});
    if (club.IsHumanManaged()) {
        SendTextToHuman(club, text);
        UserMessageBoxText(text, kBoxNotice, WorldIndexOf(*this));
    }
    PostCountryNews(club, text);
    TellNewspaperSuspension(club, WorldIndexOf(*this));
}

void CPlayer::WeeklySuspensionStep(const CClub& club) {
    if (m_Suspension == 0) return;
    if (--m_Suspension > 0) return;
    const std::string text = platform::FormatMessageId(43, {GetName(), club.GetName()});
    SendMessageToHuman(club, kCodeServed, text);
    PostCountryNews(club, text);
}

void CPlayer::RecordFirstElevenAppearance() {
    RecordAppearance();
    Inc(m_SeasonStarts);
}

void CPlayer::RecordAppearance() {
    Inc(m_CareerAppearances);
    Inc(m_SeasonAppearances);
    Inc(m_AppearanceRun);
    Inc(m_GoalDrought);
    if (!IsOnLoan()) {
        Inc(m_ClubAppearances);
        Inc(m_SeasonClubAppearances);
    }
    m_MissedRun = 0;
    m_MatchStatus = 0;
}

void CPlayer::RecordNonAppearance() {
    Inc(m_GoalDrought);
    Inc(m_MissedRun);
    m_ScoringRun = 0;
    m_AppearanceRun = 0;
    m_MatchStatus = 0;
}

void CPlayer::RecordGoal(int kind) {
    assert(kind >= 0 && kind <= 7);
    if (kind == 7 || kind < 0 || kind > 7) return;
    if (kind >= 1 && kind <= 6) Inc(m_SeasonKindGoals);
    Inc(m_CareerGoals);
    Inc(m_SeasonGoals);
    Inc(m_ScoringRun);
    m_GoalDrought = 0;
    if (!IsOnLoan()) {
        Inc(m_SeasonClubGoals);
        Inc(m_ClubGoals);
    }
}

void CPlayer::RecordKeeperAppearance() {
    if (GetPosition() != CSoccerPlayer::kGoalkeeper) return;
    Inc(m_CareerGoals);
    Inc(m_ClubGoals);
    Inc(m_SeasonGoals);
    Inc(m_SeasonClubGoals);
    Inc(m_ScoringRun);
    m_GoalDrought = 0;
}

void CPlayer::RecordKindTally(int kind) {
    assert(kind >= 0 && kind <= 7);
    if (kind == 0) Inc(m_Kind0Tally);
    if (kind >= 1 && kind <= 6) Inc(m_KindsTally);
}

void CPlayer::RecordManOfTheMatch() {
    Inc(m_SeasonMotm);
    Inc(m_ClubMotm);
    Inc(m_CareerMotm);
}

bool CPlayer::Injure(const CClub& club, int group) {
    if (IsInjured()) return false;
    CWorldData* w = GetWorldData();
    if (!w) return false;
    const int slot = w->GetInjuryList().NewInjury();
    m_Injury = slot;
    CInjury& in = *w->GetInjuryList().GetAt(slot);
    in.MakeFootballInjury(group, PhysioAbility(club));
    m_Person.LowerMorale(20);
    TellNewspaperInjury(club, WorldIndexOf(*this), in.m_TimeLeft / 2);
    SendMessageToHuman(club, kCodeInjured, GetName(), platform::StrPrintf("%d", in.GetWeeksEstimate()), in.GetText(false));
    return true;
}

bool CPlayer::InjureInTraining(const CClub& club, int group) {
    if (!Injure(club, group)) return false;
    const CInjury& in = *GetInjury();
    const bool noArticle = in.FootballKind().noArticle;
    const int weeks = in.GetWeeksEstimate();
    const unsigned id = weeks <= 1 ? (noArticle ? 312 : 313) : (noArticle ? 314 : 315);
    SendTextToHuman(club, platform::FormatMessageId(id, {GetName(), weeks, in.GetText(false), club.GetName()}));
    return true;
}

bool CPlayer::StartAbsence(const CClub& club) {
    if (IsInjured()) return false;
    CWorldData* w = GetWorldData();
    if (!w) return false;
    const int slot = w->GetInjuryList().NewInjury();
    m_Injury = slot;
    CInjury& in = *w->GetInjuryList().GetAt(slot);
    bool newspaper = false;
    const uint32_t message = in.MakeAbsence(&newspaper);
    m_Person.LowerMorale(20);
    if (newspaper) TellNewspaperInjury(club, WorldIndexOf(*this), in.m_TimeLeft / 2);
    SendTextToHuman(club, platform::FormatMessageId(message, {GetName(), club.GetName(), static_cast<int>(in.GetWeeksEstimate())}));
    return true;
}

uint8_t CPlayer::GetInjuryTimeEstimate() const {
    const CInjury* in = GetInjury();
    return in && in->IsOut() ? in->GetWeeksEstimate() : 0;
}

void CPlayer::HealNow() {
    if (!IsInjured()) return;
    if (CWorldData* w = GetWorldData()) w->GetInjuryList().Remove(m_Injury);
    m_Injury = -1;
    m_Person.RaiseMorale(20);
}

void CPlayer::SetInjurySeverity(uint8_t severity) {
    if (CInjury* in = GetInjury()) in->SetSeverity(severity);
}

std::string CPlayer::GetSurgeryText(const CClub& club) const {
    const CInjury* in = GetInjury();
    if (!in || !in->IsOut() || in->m_SurgeryMessage < 0) return {};
    return platform::FormatMessageId(static_cast<uint32_t>(in->m_SurgeryMessage), {GetName(), club.GetName()});
}

void CPlayer::InjuryDayStep(const CClub& club) {
    CInjury* in = GetInjury();
    if (!in || !in->IsOut()) return;
    const CInjury::DayNews news = in->DayStep();
    if (news.surgeryTextId >= 0 && club.IsHumanManaged()) {
        const std::string text = platform::FormatMessageId(static_cast<uint32_t>(news.surgeryTextId), {GetName(), club.GetName()});
        SendTextToHuman(club, text);
        UserMessageBoxText(text, kBoxNotice, WorldIndexOf(*this));
    }
    if (news.recoveryTextId >= 0 && club.IsHumanManaged()) {
        const std::string text = platform::FormatMessageId(static_cast<uint32_t>(news.recoveryTextId), {GetName(), club.GetName()});
        UserMessageBoxText(text, kBoxNotice, WorldIndexOf(*this));
        if (news.footballInjury) SendMessageToHuman(club, kCodeRecovered, GetName(), in->GetText(false));
        SendTextToHuman(club, text);
    }
}

int WorldIndexOf(const CPlayer& player) {
    CWorldData* w = GetWorldData();
    const int i = w ? w->FindPlayerIndex(&player) : CPlayer::kNoPlayer;
    return i == CPlayer::kNoPlayer ? -1 : i;
}
