// A human manager's career: taking a job, and what the board says of his
// season's achievements.
#include <memory>

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/inboxcodes.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

// The board's boxes.
constexpr unsigned kChampionsTopText = 32863;
constexpr unsigned kChampionsText = 32864;
constexpr unsigned kPlayOffsWonText = 32865;
constexpr unsigned kRelegationAvoidedText = 32866;
constexpr unsigned kRelegatedText = 32867;
constexpr unsigned kPromotedText = 32868;
constexpr unsigned kCupWonText = 32870;
constexpr unsigned kBottomText = 32895;

// His advisers and contacts, in the order they join him.
constexpr uint8_t kContactKinds[] = {5, 6, 7, 8, 15, 16, 9, 10, 11, 12, 13, 14};

}  // namespace

void CHumanManager::JoinClub(int clubIndex) {
    CWorldData* w = GetWorldData();
    CManager* m = GetManager();
    CClub* club = w ? w->GetClub(clubIndex) : nullptr;
    if (!m || !club) return;
    // He works for one club at a time: the old one is let go quietly.
    if (m->IsEmployed()) {
        if (CClub* old = m->GetClub()) {
            if (IsSquadInSelectionOrder()) RestoreClubSquadOrder(*old);
            old->SetManagerIndex(-1);
        }
        m->LeaveClub(w->GetClock().GetDays());
    }

    // The club's sitting manager, if any, leaves it: two managers never
    // hold one club.
    if (CManager* sitting = club->GetManagerObject(); sitting && sitting != m) {
        sitting->LeaveClub(w->GetClock().GetDays());
        club->SetManagerIndex(-1);
    }

    ClearMessages();
    w->GetManagerList().AppointManager(m_ManagerIndex, clubIndex, *club);
    club->PrepareForNewHumanManager();

    m_Search.Reset();
    m_Tactics.SetInitialFamiliarity();
    ResetSelection();
    m_SavedSquadOrder.assign(kSquadSlots, 0);
    for (int s = 0; s < kSquadSlots; ++s) m_SavedSquadOrder[size_t(s)] = club->GetPlayerId(s);
    m_MarkedPlayers.clear();
    m_News.DeleteAll();
    m_Negotiations.DeleteAll();

    // He knows every player of his new country, in every division.
    const int user = w->GetUserList().IndexOf(this);
    if (const CCountry* country = club->GetCountry(); country && user >= 0) {
        for (int i = 0; i < country->GetDivisionCount(); ++i) {
            const CDivision* division = country->GetDivision(i);
            if (!division) continue;
            for (int pos = 0; pos < division->GetClubCount(); ++pos) {
                const CClub* other = w->GetClub(division->GetClubIndexAtPosition(pos));
                if (!other) continue;
                for (int s = 0; s < kSquadSlots; ++s)
                    if (CPlayer* p = w->GetPlayer(other->GetPlayerId(s))) p->Football().SetKnownBy(uint8_t(user));
            }
        }
    }

    ResetPersonalValues();
    NewContacts(*club);
}

void CHumanManager::NewContacts(const CClub& club) {
    while (m_Contacts.GetSize() > 0) m_Contacts.RemoveAt(m_Contacts.GetSize() - 1);
    const CCountry* country = club.GetCountry();
    const CPopularity* row = club.GetPopularity();
    if (!country || !row) return;
    for (uint8_t kind : kContactKinds) m_Contacts.Add(std::make_unique<CEmployee>(kind, *country, *row));
}

void CHumanManager::ShowBoardMessage(const std::string& text) {
    UserMessageBoxText(text, kBoxPlain, m_ManagerIndex);
}

void CHumanManager::OnChampions(const std::string& division, bool topDivision, const std::string& clubName) {
    // The title is told at once: nothing of it is held for next season.
    if (topDivision) {
        AddMessage(inbox::kChampions, "", "", "", -1);
        AddMessage(inbox::kNextSeasonChampions, clubName, "", "", -1);
    } else {
        AddMessage(inbox::kPromoted, "", "", "", -1);
        SetDeferredMessage(inbox::kNextSeasonPlayOffs, division, "", "", -1);
    }
    ShowBoardMessage(
        platform::FormatMessageId(topDivision ? kChampionsTopText : kChampionsText, {division, GetManagerName()}));
}

void CHumanManager::OnPromotedByDivision(const std::string& newDivision) {
    AddMessage(inbox::kPromoted, "", "", "", -1);
    SetDeferredMessage(inbox::kNextSeasonPlayOffs, newDivision, "", "", -1);
}

void CHumanManager::OnRelegatedByDivision(const std::string& newDivision) {
    AddMessage(inbox::kRelegatedByDivision, "", "", "", -1);
    SetDeferredMessage(inbox::kNextSeasonDivisionDown, newDivision, "", "", -1);
}

void CHumanManager::OnPlayOffsWon(const std::string& newDivision) {
    ShowBoardMessage(platform::FormatMessageId(kPlayOffsWonText, {GetManagerName()}));
    AddMessage(inbox::kPromoted, "", "", "", -1);
    SetDeferredMessage(inbox::kNextSeasonPlayOffs, newDivision, "", "", -1);
}

void CHumanManager::OnRelegationAvoided() {
    ShowBoardMessage(platform::FormatMessageId(kRelegationAvoidedText, {GetManagerName()}));
}

void CHumanManager::OnPromoted() {
    ShowBoardMessage(platform::FormatMessageId(kPromotedText, {GetManagerName()}));
    AddMessage(inbox::kAutoPromoted, "", "", "", -1);
    SetDeferredMessage(inbox::kNextSeasonPromoted, "", "", "", -1);
}

void CHumanManager::OnRelegated() {
    ShowBoardMessage(platform::FormatMessageId(kRelegatedText, {GetManagerName()}));
    AddMessage(inbox::kBottomRelegated, "", "", "", -1);
    SetDeferredMessage(inbox::kNextSeasonRelegated, "", "", "", -1);
}

void CHumanManager::OnBottomOfLeague() {
    ShowBoardMessage(platform::FormatMessageId(kBottomText, {GetManagerName()}));
    AddMessage(inbox::kBottomOfAll, "", "", "", -1);
}

void CHumanManager::OnCupWon(const std::string& cup) {
    ShowBoardMessage(platform::FormatMessageId(kCupWonText, {GetManagerName(), cup}));
}

void CHumanManager::AddDivisionHonour(const std::string& division, const std::string& clubName,
                                      const std::string& season, uint8_t picture) {
    m_Honours.AddWinnerHonour(division, clubName, season, picture, 0);
}

void CHumanManager::AddCupHonour(const std::string& cup, const std::string& clubName, const std::string& season,
                                 uint8_t picture) {
    m_Honours.AddWinnerHonour(cup, clubName, season, picture, 1);
}
