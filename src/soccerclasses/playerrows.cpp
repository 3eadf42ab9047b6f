// A player's rows in the screens' lists and the small texts they show.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/worlddata.h"

namespace {

int CurrentUser() {
    CWorldData* w = GetWorldData();
    return w ? w->GetCurrentUserIndex() : -1;
}

uint32_t PositionColour(const CPlayer& p) {
    CWorldData* w = GetWorldData();
    return w ? w->GetListColour(p.GetPosition()) : 0xFFFFFF;
}

int AddNamedRow(CListRows& list, const CPlayer& p, bool nameFirst) {
    const int row = list.AddRow(nameFirst ? p.GetName() : std::string(), 0, reinterpret_cast<uintptr_t>(&p), 0);
    if (!nameFirst) list.SetItem(row, 1, p.GetName());
    list.SetRowColour(row, PositionColour(p));
    return row;
}

}  // namespace

uint8_t CPlayer::GetKnownAbility(bool actual) const {
    const int user = CurrentUser();
    if (actual || m_Football.IsKnownBy(user)) return GetAbility();
    CClub* club = CurrentUserClub();
    CWorldData* w = GetWorldData();
    const int index = w ? w->GetPlayerList().FindIndex(this) : -1;
    if (club && index >= 0 && index < kNoPlayer)
        for (const CScout& scout : club->Scouts())
            if (scout.IsAssigned())
                if (const uint8_t estimate = scout.GetEstimate(index)) return estimate;
    // No report of him is left: he no longer counts as scouted.
    if (user >= 0) m_Football.ClearScouted(static_cast<uint8_t>(user));
    return 0;
}

std::string CPlayer::GetKnownAbilityText(bool actual) const {
    if (actual) return platform::StrPrintf("%d", GetAbility());
    const int user = CurrentUser();
    if (m_Football.IsKnownBy(user)) return platform::StrPrintf("%d", GetAbility());
    const uint8_t known = GetKnownAbility(false);
    if (m_Football.IsScoutedBy(user) && known) return platform::StrPrintf("%d", known) + platform::LoadString(34196);
    return {};
}

std::string CPlayer::GetFootText() const { return platform::LoadString(m_Football.IsLeftFooted() ? 34231 : 34232); }

bool CPlayer::MatchesSearch(const CPlayerSearch& s) const {
    if (!s.GetPositionFlag(std::min(GetPosition(), 3))) return false;
    if (IsOnLoan() || m_Person.GetStatus() == CPerson::kStatusRetiring) return false;
    const bool listed = m_AskingPrice > -1.0;
    const double value = listed ? static_cast<double>(static_cast<int64_t>(m_AskingPrice))
                                : m_Football.GetValue(GetAge(), m_Person.GetTemperament(), 100);
    if (s.GetOption2() && !listed && !(s.GetOption4() && m_Suspension > 0)) return false;
    const uint8_t known = GetKnownAbility(false);
    if (s.m_Option3 && known == 0) return false;
    if (s.GetOption4() == 1 && (GetAge() < s.GetMinAge() || GetAge() > s.GetMaxAge())) return false;
    if (known && (known < s.GetMinSkill() || known > s.GetMaxSkill())) return false;
    if (s.m_Option5 && IsInjured()) return false;
    const bool inRange = value >= s.GetMinValue() && value <= s.GetMaxValue();
    switch (s.GetOption1()) {
        case 0: return inRange && (listed || m_Person.GetContractYears() == 0);
        case 1: return m_AskingPrice == 0.0;
        case 2: return IsFreeAgent();
        case 3: return inRange && !listed && (m_Person.GetContractYears() > 0 || GetAge() < 24);
        default: return true;
    }
}

void CPlayer::AddTransferRow(CListRows& list, const std::string& text, bool actual, const CPlayerSearch& search) const {
    if (!MatchesSearch(search)) return;
    const int row = AddNamedRow(list, *this, true);
    list.SetItem(row, 1, text);
    list.SetItem(row, 2, GetKnownAbilityText(actual));
    list.SetItemNumber(row, 3, GetAge());
    std::string price;
    const CCountry* country = CurrentUserCountry();
    if (m_AskingPrice == 0.0)
        price = platform::LoadString(834);
    else if (m_AskingPrice >= 1.0)
        price = country ? GetAskingPriceText(*country) : platform::StrPrintf("%.0f", m_AskingPrice);
    else
        price = platform::LoadString(IsFreeAgent() ? 833 : 480);
    list.SetItem(row, 4, price);
}

void CPlayer::AddDisciplineRow(CListRows& list, int leagueGames) const {
    const int row = AddNamedRow(list, *this, false);
    list.SetItemNumber(row, 2, leagueGames);
    list.SetItemNumber(row, 3, m_SeasonBookings);
    list.SetItemNumber(row, 4, m_SeasonSendingsOff);
    list.SetItemNumber(row, 5, (m_SeasonBookings + 2 * m_SeasonSendingsOff) * 3);
}

void CPlayer::AddInjuryRow(CListRows& list) const {
    const CInjury* in = GetInjury();
    if (!in || !in->IsOut() || !in->m_ShownInLists) return;
    const int row = AddNamedRow(list, *this, true);
    list.SetItem(row, 1, in->GetNameCapitalised());
    // How long he is out in all, then what is left; the status sentence is
    // the physio's report, not a cell.
    list.SetItem(row, 2, in->GetTotalTimeText());
    list.SetItem(row, 3, in->GetTimeText());
}

void CPlayer::AddScorerRow(CListRows& list, const std::string& text) const {
    if (GetPosition() == CSoccerPlayer::kGoalkeeper || m_SeasonGoals < 2) return;
    const int row = AddNamedRow(list, *this, false);
    list.SetItem(row, 2, text);
    list.SetItemNumber(row, 3, m_SeasonGoals - m_SeasonKindGoals);
    list.SetItemNumber(row, 4, m_SeasonKindGoals);
    list.SetItemNumber(row, 5, m_SeasonGoals);
}

void CPlayer::AddManOfTheMatchRow(CListRows& list, const std::string& text) const {
    if (m_SeasonMotm < 1) return;
    const int row = AddNamedRow(list, *this, false);
    list.SetItem(row, 2, text);
    list.SetItemNumber(row, 3, m_SeasonMotm);
    list.SetItemNumber(row, 4, m_ClubMotm);
    list.SetItemNumber(row, 5, m_CareerMotm);
}
