// Friendlies (53): the club's four friendly days, a day and an opponent
// picked, the request put to the opponent's human manager or decided by
// the computer club's rule, refusals remembered.
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/fixturescreen.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xbutton.h"
#include "ui/xstatic.h"

namespace {

constexpr unsigned kFriNone = 485, kFriNotAvailable = 480;
constexpr unsigned kFriChooseClub = 781, kFriRefuse = 298, kFriUnavailable = 957, kFriAlready = 944;
constexpr unsigned kFriAsk = 782, kFriAccept = 942, kFriDecline = 943, kFriAccepted = 300, kFriRefusedBefore = 304;
constexpr uint32_t kFriGrey = 0x808080, kFriWhite = 0xFFFFFF;
constexpr int kFriDate = 0, kFriHome = 1, kFriResult = 2, kFriAway = 3;

}  // namespace

bool CFixtureScreen::FriendlyAccepted(int difference, int draw) {
    switch (difference) {
        case 0: return draw <= 90;
        case 1: return draw <= 80;
        case 2: return draw <= 40;
        case 3: return draw <= 20;
        default: return true;
    }
}

int CFixtureScreen::FriendlyDifference(const CClub& own, const CClub& opponent) {
    if (own.GetDivision() && own.GetDivision() == opponent.GetDivision()) return 1;
    return own.GetDivisionStrengthIndex() - opponent.GetDivisionStrengthIndex();
}

bool CFixtureScreen::FriendlyDayPassed(int slot) const {
    CWorldData* world = GetWorldData();
    const int day = m_pClub ? m_pClub->GetFriendlyDay(slot) : -1;
    return day < 0 || !world || day <= world->GetMatchTime().GetMatchDay();
}

std::string CFixtureScreen::FriendlyDateText(int slot) const {
    CWorldData* world = GetWorldData();
    const int day = m_pClub ? m_pClub->GetFriendlyDay(slot) : -1;
    if (day < 0 || !world) return std::string();
    // This season's day, before or after today: never next season's.
    CMatchTime t = world->GetMatchTime();
    t.StepToMatchDay(day, day < t.GetMatchDay() ? 1 : 0);
    std::string text;
    t.GetDateText(text);
    return text;
}

void CFixtureScreen::SetUpFriendlies() {
    CWorldData* world = GetWorldData();
    CScreenManager* m = PageManager();
    if (!m_pClub || !world) return;
    if (m) OpenTreeAtClub(*m);
    BuildClubKitSurface(reinterpret_cast<uintptr_t>(m_pClub));
    if (CListControl* list = GetFixtureList()) list->SetSortable(false);
    m_nOwnIndex = world->GetClubList().GetIndex(m_pClub);
    m_nArrangeDay = m_pClub->GetFirstFreeFriendlyDay();
    m_nArrangeSlot = m_nArrangeDay >= 0 ? m_pClub->GetFriendlySlot(m_nArrangeDay) : -1;
    if (CXStatic* h = GetHeading()) h->SetText(m_pClub->GetName());
    FillFriendlies();
    EnableArrangeButtons(false);
    SetFriendlyDetails(nullptr);
}

// The tree opens at the own club with its country marked, so that the
// clubs nearest in the calendar are the first offered as opponents.
void CFixtureScreen::OpenTreeAtClub(CScreenManager& m) {
    if (const CCountry* country = m_pClub->GetCountry()) m.SelectTreeItem(reinterpret_cast<uintptr_t>(country), 0);
    CTreeNode* node = m.FindTreeNodeByRecord(reinterpret_cast<uintptr_t>(m_pClub), 0);
    if (!node) return;
    for (CTreeNode* p = node->parent; p; p = p->parent) p->expanded = 1;
    m.ExpandTreeItem(node, false);
    m.RedrawTree();
}

void CFixtureScreen::FillFriendlies() {
    CListControl* list = GetFixtureList();
    if (!list) return;
    list->ResetContent();
    if (!m_pClub) return;
    const std::string own = m_pClub->GetName();
    for (int slot = 0; slot < kFriendlySlots; ++slot) {
        const int row = list->AddRow(FriendlyDateText(slot), 0, static_cast<uintptr_t>(slot), 0);
        for (int col : {kFriHome, kFriResult, kFriAway}) list->SetItem(row, col, "");
        const bool passed = FriendlyDayPassed(slot);
        const std::string opponent = m_pClub->GetFriendlyOpponentName(slot);
        intptr_t opponentIndex = -1;
        if (passed && opponent.empty()) {
            const std::string na = platform::LoadString(kFriNotAvailable);
            list->SetItem(row, kFriHome, na);
            list->SetItem(row, kFriAway, na);
            list->SetRowColour(row, kFriGrey);
        } else {
            if (!opponent.empty()) {
                const bool atHome = m_pClub->GetFriendlyVenueName(slot) == m_pClub->GetStadiumName();
                list->SetItem(row, kFriHome, atHome ? own : opponent);
                list->SetItem(row, kFriAway, atHome ? opponent : own);
                const std::string result = passed ? m_pClub->GetFriendlyText(slot) : std::string();
                list->SetItem(row, kFriResult, result.empty() ? std::string("-") : result);
                opponentIndex = static_cast<intptr_t>(m_pClub->GetFriendlyOpponent(slot));
            }
            list->SetRowColour(row, kFriWhite);
        }
        list->SetRowData2(row, static_cast<uintptr_t>(opponentIndex));
    }
    list->Redraw();
}

void CFixtureScreen::EnableArrangeButtons(bool enable) {
    for (bool home : {true, false})
        if (CXButton* b = GetArrangeButton(home)) {
            b->Enable(enable);
            b->Redraw();
        }
}

void CFixtureScreen::SetFriendlyDetails(const CClub* opponent) {
    const std::string none = platform::LoadString(kFriNone);
    const CDivision* d = opponent ? opponent->GetDivision() : nullptr;
    const std::string values[4] = {none, opponent ? opponent->GetName() : none,
                                   opponent ? opponent->GetStadiumName() : none,
                                   d ? std::string(d->GetName()) : none};
    for (int i = 0; i < 4; ++i)
        if (CXStatic* v = GetDetailValue(i)) v->SetText(values[i]);
}

void CFixtureScreen::PickFriendlyRow(int row) {
    CListControl* list = GetFixtureList();
    if (!list || !m_pClub || row < 0 || row >= list->GetRowCount()) return;
    if (row == m_nPick) {
        m_nPick = -1;
    } else {
        const int slot = static_cast<int>(list->GetItemData(row));
        const bool free = static_cast<intptr_t>(list->GetItemData2(row)) == -1;
        if (!FriendlyDayPassed(slot) && free) {
            m_nPick = row;
            m_nArrangeSlot = slot;
            m_nArrangeDay = m_pClub->GetFriendlyDay(slot);
        } else {
            m_nPick = -1;
            list->ClearSelection();
        }
    }
    if (m_pClub->CountFreeFriendlyDays() <= 0) {
        m_nPick = -1;
        list->ClearSelection();
    }
    EnableArrangeButtons(m_nPick >= 0 && m_bOpponentChosen && m_pClub->CountFreeFriendlyDays() > 0);
    Repaint(0);
}

void CFixtureScreen::ChooseOpponent(CClub* club) {
    // A club never meets itself.
    if (!club || club == m_pClub) {
        m_bOpponentChosen = false;
        EnableArrangeButtons(false);
        return;
    }
    m_pOpponent = club;
    m_bOpponentChosen = true;
    if (m_nPick >= 0) EnableArrangeButtons(true);
    SetFriendlyDetails(club);
    BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
}

bool CFixtureScreen::ComputerClubAccepts(CClub& opponent, int slot) {
    CHumanManager* user = GetWorldData() ? GetWorldData()->GetCurrentUser() : nullptr;
    const std::string name = opponent.GetName();
    if (user && user->HasFriendlyRefusal(&opponent)) {
        UserMessageBoxText(platform::FormatMessageId(kFriRefusedBefore, {name}), kBoxNotice, -1);
        return false;
    }
    const CCountry* country = opponent.GetCountry();
    bool accepted = false;
    if (country && country->IsFollowed()) {
        const int difference = FriendlyDifference(*m_pClub, opponent);
        accepted = FriendlyAccepted(difference, Random(100));
    }
    if (!accepted && user) user->AddFriendlyRefusal(&opponent);
    UserMessageBoxText(accepted ? platform::FormatMessageId(kFriAccepted, {name, FriendlyDateText(slot)})
                                : platform::FormatMessageId(kFriRefuse, {name}),
                       kBoxNotice, -1);
    return accepted;
}

bool CFixtureScreen::ArrangeFriendly(bool home) {
    CWorldData* world = GetWorldData();
    if (!world || !m_pClub) return false;
    if (!m_bOpponentChosen || !m_pOpponent) {
        UserMessageBox(kFriChooseClub, kBoxNotice, -1);
        return false;
    }
    CClub& opponent = *m_pOpponent;
    const std::string name = opponent.GetName();
    if (m_nPick < 0 || m_nArrangeSlot < 0 || FriendlyDayPassed(m_nArrangeSlot)) {
        UserMessageBoxText(platform::FormatMessageId(kFriRefuse, {name}), kBoxNotice, -1);
        return false;
    }
    const int day = m_nArrangeDay;
    const std::string date = FriendlyDateText(m_nArrangeSlot);
    if (!opponent.IsFriendlyDay(day) || !opponent.IsFriendlyDayFree(day)) {
        UserMessageBoxText(platform::FormatMessageId(kFriUnavailable, {name, date}), kBoxNotice, -1);
        return false;
    }
    if (!opponent.CanArrangeFriendly(day, m_nOwnIndex)) {
        UserMessageBoxText(platform::FormatMessageId(kFriAlready, {name}), kBoxNotice, -1);
        return false;
    }
    bool accepted = false;
    if (opponent.GetManagerKind() == 1) {
        std::string manager;
        opponent.GetManagerFullName(manager);
        const std::string stadium = home ? m_pClub->GetStadiumName() : opponent.GetStadiumName();
        const std::string text = platform::FormatMessageId(kFriAsk, {manager, m_pClub->GetName(), stadium, date});
        const int answer = home ? UserMessageBoxText(text, kBoxYesNo, -1)
                                : UserMessageBoxTextEx(text, kBoxExYesNo, 0, platform::LoadString(kFriAccept),
                                                       platform::LoadString(kFriDecline), "", -1, 0, 0, "");
        accepted = answer == kAnswerYes;
        if (!accepted) UserMessageBoxText(platform::FormatMessageId(kFriRefuse, {name}), kBoxNotice, -1);
    } else {
        accepted = ComputerClubAccepts(opponent, m_nArrangeSlot);
    }
    if (!accepted) return false;
    const int other = world->GetClubList().GetIndex(&opponent);
    world->GetClubList().ArrangeFriendly(day, home ? m_nOwnIndex : other, home ? other : m_nOwnIndex);
    FillFriendlies();
    ReleaseKitSurface(false);
    SetFriendlyDetails(nullptr);
    if (CScreenManager* m = PageManager()) m->CollapseTree();
    if (CListControl* list = GetFixtureList()) {
        list->ClearSelection();
        list->Redraw();
    }
    m_nPick = -1;
    m_bOpponentChosen = false;
    EnableArrangeButtons(false);
    Repaint(0);
    return true;
}
