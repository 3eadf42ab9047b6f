// The world's element lookups and its forwards to the lists.
#include "soccerclasses/careerpath.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include <cstdio>

CSoccerReferee* CWorldData::GetReferee(int i) const { return m_Referees ? m_Referees->GetAt(i) : nullptr; }
CFederationCup* CWorldData::GetFederationCup(int i) const {
    return m_FederationCups ? m_FederationCups->GetAt(i) : nullptr;
}
CStadium* CWorldData::GetStadium(int i) const { return m_Stadiums ? m_Stadiums->GetAt(i) : nullptr; }
CManager* CWorldData::GetManager(int i) const { return m_Managers ? m_Managers->GetAt(i) : nullptr; }
CDivisionStrength* CWorldData::GetDivisionStrength(int i) const {
    return m_DivisionStrengths && i >= 0 && i < m_DivisionStrengths->GetSize() ? m_DivisionStrengths->GetAt(i)
                                                                               : nullptr;
}
CPopularity* CWorldData::GetPopularity(int i) const { return m_Popularity ? m_Popularity->GetAt(i) : nullptr; }
CAggression* CWorldData::GetAggression(int i) const { return m_Aggression ? m_Aggression->GetAt(i) : nullptr; }
CInjury* CWorldData::GetInjury(int i) const { return m_Injuries ? m_Injuries->GetAt(i) : nullptr; }
CPlayOff* CWorldData::GetPlayOff(int i) const { return m_PlayOffs ? m_PlayOffs->GetAt(i) : nullptr; }
CCharityShield* CWorldData::GetCharityShield(int i) const { return m_Shields ? m_Shields->GetAt(i) : nullptr; }

const CSkillMoneyValue& CWorldData::GetSkillMoneyValueEntry(int skill) const { return m_SkillMoney->GetEntry(skill); }
int CWorldData::GetSkillMoneyValue(int skill) const { return m_SkillMoney->GetValue(skill); }
uint8_t CWorldData::PickCareerPath() const { return m_CareerPaths->PickCareerPath(); }
uint8_t CWorldData::PickCareerPathFromSecondGroup() const { return m_CareerPaths->PickCareerPathFromSecondGroup(); }

int CWorldData::FindPlayerIndex(const CPlayer* player) const {
    return m_Players && player ? m_Players->FindIndex(player) : CPlayer::kNoPlayer;
}
int CWorldData::GetClubIndex(const CClub* club) const { return m_Clubs ? m_Clubs->GetIndex(club) : -1; }
int CWorldData::NewInjury() { return m_Injuries->NewInjury(); }

void CWorldData::RemoveManagerFromUsers(int32_t manager) {
    if (!m_Users || manager < 0) return;
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (CHumanManager* h = m_Users->GetAt(u); h->GetManagerIndex() == manager) h->SetManagerIndex(-1);
}

int CWorldData::AddNonLeagueClub(const std::string& name, int32_t stadium, const CCountry& country,
                                 const CKits& home, const CKits& away) {
    auto club = std::make_unique<CNonLeagueClub>();
    club->Create(name, stadium, country, home, away);
    return m_NonLeagueClubs->Add(std::move(club));
}

void CWorldData::AddFriendly(int home, int away, uint8_t matchDay) {
    m_Friendlies->AddFriendly(static_cast<int16_t>(home), static_cast<int16_t>(away), matchDay);
}
void CWorldData::RemoveFriendlies(int club) { m_Friendlies->RemoveClubFriendlies(club); }
CFixture* CWorldData::FindFriendly(int home, int away) const {
    return m_Friendlies ? m_Friendlies->FindFixture(home, away) : nullptr;
}

std::string CWorldData::GetShortDateString() const {
    char text[16];
    std::snprintf(text, sizeof text, "%02d %s %02d", m_Clock.GetDay(), kShortMonthNames[m_Clock.GetMonth()],
                  m_Clock.GetYear() % 100);
    return text;
}

UserPort& CWorldData::GetActiveView() const { return GetUserPort(); }
