// A player as time passes: daily and weekly updates, the work after a
// match, the season's end and the regeneration of a retired player.
#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/squadtraining.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kCodeImproved = 42;
constexpr int kCodeDeclined = 43;
constexpr int kCodeDisciplineWarning = 168;
constexpr int kImprovedIds[4][3] = {
    {33325, 33326, 33327}, {33328, 33329, 33330}, {33331, 33332, 33333}, {33372, 33373, 33374}};
constexpr int kDeclinedIds[4][3] = {
    {33375, 33376, 33377}, {33378, 33379, 33380}, {33381, 33382, 33383}, {33384, 33385, 33386}};

int CountPlayersAtLevel(const CClub& club, uint8_t level) {
    CWorldData* w = GetWorldData();
    int n = 0;
    for (int s = 0; s < kSquadSlots && w; ++s)
        if (const CPlayer* p = w->GetPlayer(club.GetPlayerId(s))) n += p->GetAbility() >= level;
    return n;
}

void Tell(const CClub& club, const std::string& text, const CPlayer& p) {
    SendTextToHuman(club, text);
    UserMessageBoxText(text, kBoxNotice, WorldIndexOf(p));
}

std::array<int, 5> SkillGroup(const CSoccerPlayer& f) {
    return {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Shooting, f.m_Heading};
}
std::array<int, 5> PhysicalGroup(const CSoccerPlayer& f) {
    return {f.m_Pace, f.m_Flair, f.m_Strength, f.m_Fitness, f.m_Energy};
}
int Kind(const std::array<int, 5>& a1, const std::array<int, 5>& b1, const std::array<int, 5>& a2,
         const std::array<int, 5>& b2, bool up) {
    auto moved = [up](const std::array<int, 5>& a, const std::array<int, 5>& b) {
        for (size_t i = 0; i < a.size(); ++i)
            if (up ? b[i] > a[i] : b[i] < a[i]) return true;
        return false;
    };
    const bool first = moved(a1, b1), second = moved(a2, b2);
    return first && second ? 3 : first ? 1 : second ? 2 : 0;
}

}  // namespace

void CPlayer::Update(const CClub& club, uint16_t, bool newWeek, bool train) {
    if (IsInjured()) {
        InjuryDayStep(club);
        CInjury* in = GetInjury();
        if (in && in->m_TimeLeft == 0) {
            if (CWorldData* w = GetWorldData()) w->GetInjuryList().Remove(m_Injury);
            m_Injury = -1;
            m_Person.RaiseMorale(20);
        }
    }
    if (newWeek) {
        if (train) WeeklyTraining(club);
        if (!IsOnLoan()) m_Person.SetWeeksAtClub(static_cast<int16_t>(std::min(32767, m_Person.GetWeeksAtClub() + 1)));
        if (m_AskingPrice > 0.0 && m_WeeksListed < 255) ++m_WeeksListed;
    }
    if (!club.IsHumanManaged()) {
        if (m_AskingPrice > 0.0 && Random(20) == 2) RemoveFromTransferList();
    } else if (!IsOnLoan() && m_Person.GetAge() >= 32 && Random(100) < 16) {
        const CCountry* country = club.GetCountry();
        const int month = GetWorldData() ? GetWorldData()->GetMonth() : 0;
        const bool window = country && country->IsCalendarYearSeason() ? month >= 6 && month <= 10 : month >= 7;
        if (window) AnnounceRetirement(club);
    }
    m_Football.Rest(m_Person.GetAge());
}

void CPlayer::WeeklyTraining(const CClub& club) {
    if (IsInjured()) {
        m_Football.m_Fitness = static_cast<uint8_t>(std::clamp(m_Football.m_Fitness - 2, 30, 99));
        return;
    }
    const CSoccerSquadTraining* t = club.GetSquadTraining();
    const double general = (t ? t->GetSetting(1) : 20) / 40.0;
    const double specific = (t ? t->GetSetting(2) : 10) / 40.0;
    if (!club.IsHumanManaged()) {
        m_Football.Train(m_Person.GetAge(), general, specific);
        return;
    }
    const auto skills = SkillGroup(m_Football), physical = PhysicalGroup(m_Football);
    m_Football.Train(m_Person.GetAge(), general, specific);
    const int up = Kind(skills, SkillGroup(m_Football), physical, PhysicalGroup(m_Football), true);
    const int down = Kind(skills, SkillGroup(m_Football), physical, PhysicalGroup(m_Football), false);
    const int pos = std::min(GetPosition(), 3);
    if (up) {
        SendMessageToHuman(club, kCodeImproved, GetName(), platform::LoadString(kImprovedIds[pos][up - 1]), "", WorldIndexOf(*this));
    } else if (down && m_Football.HasDeclined()) {
        // The coach speaks of a decline only when the ability has fallen.
        SendMessageToHuman(club, kCodeDeclined, GetName(), platform::LoadString(kDeclinedIds[pos][down - 1]), "", WorldIndexOf(*this));
    }
}

void CPlayer::AnnounceRetirement(const CClub& club) {
    if (m_Person.GetStatus() == CPerson::kStatusRetiring || m_Person.GetContractYears() != 1 || m_Person.GetAge() < 32)
        return;
    if (Random(100) > (42 - m_Person.GetAge()) * 10) {
        m_Person.SetStatus(CPerson::kStatusRetiring);
        if (club.IsHumanManaged()) Tell(club, platform::FormatMessageId(31, {GetName(), club.GetName()}), *this);
    }
}

void CPlayer::UpdateAfterMatch(const CClub& club, uint8_t matchValue) {
    m_Football.Develop(m_Person.GetAge(), matchValue);
    m_Football.AfterMatchCondition(m_MinutesLastMatch);
    if (m_DisciplinePoints >= 22) {
        Suspend(m_MatchStatus == kMatchSentOff ? 3 : 2, club);
        m_DisciplinePoints = static_cast<uint8_t>(m_DisciplinePoints - 22);
    } else if (m_MatchStatus == kMatchSentOff) {
        Suspend(1, club);
    } else if (club.IsHumanManaged() && m_DisciplinePoints >= 19) {
        SendMessageToHuman(club, kCodeDisciplineWarning, GetName(), platform::StrPrintf("%d", m_MatchStatus));
    }
    if (CInjury* in = GetInjury()) in->SetSeverity(100);
    m_MatchStatus = 0;
    m_MinutesLastMatch = 0;
}

bool CPlayer::EndSeason(const CClub& club) {
    m_Person.EndSeason();
    if (static_cast<int8_t>(m_Person.GetContractYears()) < 0) m_Person.SetContractYears(0);
    if (m_Person.GetContractYears() > 0 && m_Person.GetAge() < 40) return false;
    CCountry* country = club.GetCountry();
    if (club.IsHumanManaged()) {
        if (m_Person.GetStatus() == CPerson::kStatusRetiring) {
            Tell(club, platform::FormatMessageId(42, {GetName(), club.GetName()}), *this);
            return true;
        }
        if (m_Person.GetContractYears() == 0 && m_Person.GetAge() < 24) {
            if (country) SetTransferPrice(-1, *country);
        } else if (m_Person.GetContractYears() == 0) {
            m_AskingPrice = -1.0;
            SendTextToHuman(club, platform::FormatMessageId(342, {GetName()}));
        }
        return false;
    }
    // A computer club renews, lets go or replaces him.
    const int age = m_Person.GetAge();
    if (age > 32 && Random(10) >= 3) m_Person.SetStatus(CPerson::kStatusRetiring);
    if (age > 36 && Random(10) >= 7) m_Person.SetStatus(CPerson::kStatusRetiring);
    if (age < 40 && m_Person.GetStatus() != CPerson::kStatusRetiring) {
        if (Random(50) != 2) {
            const int years = age >= 37 ? 1 : age >= 31 ? Random(4) + 2 : Random(5) + 2;
            m_Person.SetContractYears(static_cast<uint8_t>(years));
        } else {
            m_AskingPrice = -1.0;
            if (m_Person.GetContractYears() == 0 && age < 24 && country) SetTransferPrice(-1, *country);
        }
        return false;
    }
    Regenerate(club, GetPosition());
    return false;
}

void CPlayer::Regenerate(const CClub& club, int position) {
    // Whatever pointed at the old player must not point at the new one.
    ForgetPlayerIndex(WorldIndexOf(*this));
    if (CWorldData* w = GetWorldData(); w && m_Injury >= 0) w->GetInjuryList().Remove(m_Injury);
    MakeBlank();
    const CPopularity* row = club.GetPopularity();
    const int k = StrengthClass(club);
    int quality = 40;
    if (row) {
        quality = CountPlayersAtLevel(club, row->GetBandA(k)) >= row->GetRegenerationByte(k) ? row->GetRandomAbility(k)
                                                                                             : row->GetAbilityUpperBound(k);
    }
    const int age = 18 + Random(2);
    m_Football.Generate(age, static_cast<uint8_t>(std::clamp(position, 0, 3)),
                        static_cast<uint8_t>(std::clamp(quality, 10, 99)));
    const CCountry* country = club.GetCountry();
    const double wage = m_Football.GetWageDemand(age, MoneyScaleOf(country));
    if (country) m_Person.InitRandomAdult(wage, *country);
    m_Person.SetAge(static_cast<uint8_t>(18 + Random(2)));
}

void CPlayer::StartNewSeason() {
    m_LastSeasonAppearances = m_SeasonAppearances;
    m_LastSeasonGoals = m_SeasonGoals;
    m_SeasonAppearances = m_SeasonClubAppearances = m_SeasonStarts = 0;
    m_SeasonGoals = m_SeasonClubGoals = m_SeasonKindGoals = 0;
    m_Kind0Tally = m_KindsTally = 0;
    m_DisciplinePoints = 0;
    m_SeasonMotm = m_SeasonBookings = m_SeasonSendingsOff = m_SeasonSuspensions = 0;
    m_Football.RerollCondition();
}

bool CPlayer::LateCareerRetirementDraw() const {
    if (m_Person.GetAge() < 33) return false;
    static constexpr int kN[4] = {10, 2, 2, 4};
    return Random(kN[std::min(GetPosition(), 3)]) == 1;
}
