// The screen manager's commands: the tool box, the menus' page commands,
// the person actions of the pop-up menus, saving, help, and making the
// game move on.
#include <algorithm>
#include <array>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/mainframe.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/treewindow.h"

using namespace platform::win;
using platform::FormatMessageId;
using platform::MsgArg;

namespace {

struct CommandRow {
    uint32_t command;
    PageClass kind;
    int screen;
    bool employed;
};

// The commands and the pages they open: the menus' items, and rows no menu
// holds (Team of the Week, Successive Wins) that pages and history entries send.
constexpr CommandRow kCommands[] = {
    {19441, PageClass::Option, 67, false},      {32777, PageClass::Stats, 8, false},
    {32778, PageClass::SquadSelect, 4, true},   {32780, PageClass::Player, 37, false},
    {32781, PageClass::Finance, 38, true},      {32782, PageClass::Fixture, 17, false},
    {32783, PageClass::Graph, 28, false},       {32788, PageClass::News, 86, false},
    {32789, PageClass::Discipline, 43, false},  {32790, PageClass::Option, 6, false},
    {32791, PageClass::Manager, 45, false},     {32792, PageClass::Manager, 70, false},
    {32795, PageClass::ManProf, 95, false},     {32796, PageClass::Tact, 26, true},
    {32797, PageClass::Train, 35, true},        {32798, PageClass::Squad, 36, true},
    {32799, PageClass::Squad, 40, true},        {32800, PageClass::YTrain, 94, true},
    {32801, PageClass::Youth, 9, false},        {32802, PageClass::Stadium, 34, true},
    {32803, PageClass::Youth, 71, false},       {32804, PageClass::Kit, 72, true},
    {32805, PageClass::Player, 24, false},      {32806, PageClass::Player, 47, true},
    {32807, PageClass::Player, 93, false},      {32808, PageClass::Finance, 89, false},
    {32809, PageClass::Finance, 7, true},       {32810, PageClass::Finance, 21, true},
    {32811, PageClass::Player, 24, true},       {32812, PageClass::Finance, 25, true},
    {32813, PageClass::Fixture, 1, false},      {32814, PageClass::Fixture, 18, false},
    {32815, PageClass::Fixture, 75, false},     {32816, PageClass::Fixture, 75, false},
    {32817, PageClass::Stats, 32, true},        {32818, PageClass::Graph, 33, false},
    {32819, PageClass::Stats, 42, false},       {32820, PageClass::Stats, 49, false},
    {32821, PageClass::Info, 77, false},        {32822, PageClass::Info, 78, true},
    {32823, PageClass::News, 91, false},        {32824, PageClass::News, 92, false},
    {32825, PageClass::News, 10, false},        {32826, PageClass::Discipline, 43, false},
    {32828, PageClass::Discipline, 87, false},  {32829, PageClass::Discipline, 88, false},
    {32831, PageClass::Discipline, 84, false},  {32834, PageClass::News, 13, true},
    {32837, PageClass::Option, 111, false},     {32838, PageClass::Fixture, 2, false},
    {32839, PageClass::Fixture, 53, true},      {32840, PageClass::Graph, 113, true},
    {32841, PageClass::Manager, 116, false},    {32859, PageClass::Player, 117, true},
    {32891, PageClass::Info, 118, false},       {32897, PageClass::Player, 60, false},
    {32977, PageClass::YTrain, 80, true},       {33217, PageClass::Player, 37, true},
    {33218, PageClass::Info, 119, false},
};

// The tool box's page buttons: sections, shortcuts, options and manager selection.
constexpr CommandRow kToolboxPages[] = {
    {19410, PageClass::Manager, 99, false},    {19411, PageClass::Squad, 100, false},
    {19412, PageClass::Youth, 101, false},     {19413, PageClass::Player, 102, false},
    {19414, PageClass::Finance, 103, false},   {19415, PageClass::Fixture, 104, false},
    {19416, PageClass::Info, 105, false},      {19417, PageClass::News, 106, false},
    {19418, PageClass::Discipline, 107, false}, {19426, PageClass::Option, 111, false},
    {19432, PageClass::SquadSelect, 4, false}, {19433, PageClass::Tact, 26, false},
    {19434, PageClass::Squad, 36, false},      {19435, PageClass::Kit, 72, false},
    {19436, PageClass::Manager, 45, false},    {19437, PageClass::Stats, 32, false},
    {19438, PageClass::Fixture, 1, false},     {19439, PageClass::Discipline, 84, false},
    {19440, PageClass::Discipline, 87, false},
};

template <size_t N>
const CommandRow* FindRow(const CommandRow (&table)[N], uint32_t id) {
    for (const CommandRow& r : table)
        if (r.command == id) return &r;
    return nullptr;
}

bool CurrentManagerEmployed() {
    CWorldData* w = GetWorldData();
    CManager* m = w ? w->GetCurrentManager() : nullptr;
    return m && m->IsEmployed();
}


// The commands besides the page rows and the tool box: the person actions,
// the menus' advance, help and save entries.
constexpr uint32_t kOtherCommands[] = {32775, 32776, 32784, 32785, 32897, 32898, 32899, 32900,
                                       32901, 32902, 32903, 32904, 32905, 32906, 34510};

constexpr uint32_t kFirstToolboxCommand = 19410;
constexpr uint32_t kLastToolboxCommand = 19440;
constexpr int kOptionsScreen = 6;
constexpr int kTitleScreen = 96;
constexpr int kTeamSelectionScreen = 4;
constexpr int kPersonScreen = 60;
constexpr int kContractScreen = 62;
constexpr int kPurchaseScreen = 22;
constexpr int kRefereeTablesScreen = 87;
constexpr int kJobCentreScreen = 38;
constexpr int kAdvanceDayA = 1;
constexpr uint32_t kTransferListCommand = 32806;

// The fewest fit players a club keeps in each position before it will
// talk of selling one: goalkeepers, defenders, midfielders, attackers.
constexpr std::array<int, 4> kMinPlayersInPosition = {2, 5, 5, 5};

CClub* CurrentClub() {
    CWorldData* w = GetWorldData();
    return w ? w->GetCurrentClub() : nullptr;
}

std::string Format(unsigned id, std::initializer_list<MsgArg> inserts) {
    return FormatMessageId(id, inserts);
}

void Tell(unsigned id, std::initializer_list<MsgArg> inserts) {
    UserMessageBoxText(Format(id, inserts), kBoxNotice, -1);
}

// "T" or nothing: the player has no objection.
bool IsRefusal(const std::string& text) { return !text.empty() && text != "T"; }

}  // namespace

bool CScreenManager::HandlesCommand(uint32_t id) {
    return (id >= kFirstToolboxCommand && id <= kLastToolboxCommand) || FindRow(kCommands, id) ||
           std::find(std::begin(kOtherCommands), std::end(kOtherCommands), id) != std::end(kOtherCommands);
}

bool CScreenManager::Back() {
    const int i = m_History.GetCurrent();
    if (i == 0) return false;
    const int target = m_bOffHistory ? i : i - 1;
    if (!m_History.GetAt(target)) return false;
    ShowHistoryEntry(target);
    return true;
}

void CScreenManager::OnToolboxCommand(uint32_t id) {
    CBrixholmView* view = GetView();
    if (const CommandRow* r = FindRow(kToolboxPages, id)) {
        // Game Options is never recorded.
        OpenPage(r->kind, r->screen, r->screen != kOptionsScreen, true);
        return;
    }
    switch (id) {
        case 19419:
            OpenPage(PageClass::Option, kOptionsScreen, false, true);
            break;
        case 19420:
            Back();
            if (view && view->ModalBusy()) view->EndScreenModal(0, 1);
            break;
        case 19421:
            SaveGame();
            break;
        case 19422:
            ShowHelp();
            break;
        case 19423:
            MoveHalfWeekAhead();
            break;
        case 19424:
            SkipToNextMatchDate();
            break;
        case 19425:
            if (m_History.GetCurrent() < m_History.GetCount() - 1) ShowHistoryEntry(m_History.GetCurrent() + 1);
            break;
        default:
            // 19430 and 19431 take the places of 19423 and 19424 on a match
            // day, as the same commands.
            if (id == 19430) MoveHalfWeekAhead();
            if (id == 19431) SkipToNextMatchDate();
            break;
    }
}

bool CScreenManager::OnCommand(uint32_t id, uint32_t, Window*) {
    if (id >= kFirstToolboxCommand && id <= kLastToolboxCommand) {
        OnToolboxCommand(id);
        return true;
    }
    if (id == 32897) {
        // The player menu's Information: the selected player, mode 0.
        if (g_pSelectedPlayer) {
            PersonPageParams p;
            p.subject = g_pSelectedPlayer;
            p.kind = kPersonListPlayers;
            OpenPage(PageClass::Player, kPersonScreen, true, true, p);
        }
        return true;
    }
    if (const CommandRow* r = FindRow(kCommands, id)) {
        if (r->employed && !CurrentManagerEmployed()) return true;
        // The transfer list closes with the country's transfer window.
        if (id == kTransferListCommand) {
            CWorldData* w = GetWorldData();
            const CCountry* country = w ? w->GetCurrentCountry() : nullptr;
            if (!country || !country->GetTransferWindow()) {
                UserMessageBox(kDeadlinePassedText, kBoxNotice, -1);
                return true;
            }
        }
        OpenPage(r->kind, r->screen, true, true);
        return true;
    }
    if (!HandlesCommand(id)) return false;
    OnPersonCommand(id);
    return true;
}

void CScreenManager::OnPersonCommand(uint32_t id) {
    switch (id) {
        case 32775: ShowHelp(); break;
        case 32776: SaveGame(); break;
        case 32784:
        case 32785:
            // The messages go only when a day runs.
            g_bNewspaperRefresh = 1;
            break;
        case 32898: ReleasePlayer(); break;
        case 32899: LoanPlayer(); break;
        case 32900: BuyPlayer(); break;
        case 32901: ScoutPlayer(); break;
        case 32902: {
            PersonPageParams p;
            if (g_nScreenId == kRefereeTablesScreen) {
                p.subject = reinterpret_cast<void*>(GetRefereeSelection(kRefereeTablesScreen));
                p.kind = kPersonListReferees;
            } else {
                p.subject = g_pSelectedEmployee;
                p.kind = kPersonListStaff;
            }
            if (p.subject) OpenPage(PageClass::Player, kPersonScreen, true, true, p);
            break;
        }
        case 32903: SackEmployee(); break;
        case 32904: RenewPlayerContract(); break;
        case 32905:
            if (g_pSelectedEmployee) {
                PersonPageParams p;
                p.subject = g_pSelectedEmployee;
                p.kind = kPersonListStaff;
                OpenPage(PageClass::Player, kContractScreen, false, false, p);
            }
            break;
        case 32906: OfferEmployeeContract(); break;
        case 34510: ToggleTransferList(); break;
        default: break;
    }
}

void CScreenManager::ReleasePlayer() {
    CPlayer* player = g_pSelectedPlayer;
    CClub* club = player ? player->GetClub() : nullptr;
    if (!club) return;
    const double wages = player->GetRemainingWages();
    if (wages > club->GetBankBalance() && wages > 0) {
        UserMessageBox(18, kBoxNotice, -1);
        return;
    }
    if (!player->IsWithinClubStanding(*club)) {
        Tell(19, {player->GetName()});
        return;
    }
    if (wages > 0) {
        const CCountry* country = club->GetCountry();
        const std::string text = country ? player->GetPayOffText(*country) : std::string();
        if (UserMessageBoxText(text, kBoxYesNo, CClub::FindWorldIndex(*player)) != kAnswerYes) return;
    }
    const PersonIdentity id = IdentifyPerson(player, kPersonListPlayers);
    RemoveHistoryEntries({id.index, id.owner, id.kind});
    club->ReleasePlayer(static_cast<uint16_t>(id.index), wages);
    ShowHistoryEntry(m_History.GetCurrent());
}

void CScreenManager::LoanPlayer() {
    CPlayer* player = g_pSelectedPlayer;
    CClub* club = CurrentClub();
    CWorldData* w = GetWorldData();
    if (!player || !club || !w || club->CanSignPlayer(player, true) != 0) return;
    const uint32_t index = static_cast<uint32_t>(CClub::FindWorldIndex(*player));
    CHumanManager* user = w->GetCurrentUser();
    if (user && user->IsNegotiatingFor(player)) {
        Tell(840, {player->GetName()});
        return;
    }
    if (club->HasLoanDealForPlayer(index) || club->HasBidForPlayer(index)) {
        Tell(836, {player->GetName()});
        return;
    }
    PersonPageParams p;
    p.subject = player;
    p.kind = kPersonListPlayers;
    p.loan = 1;
    p.club = player->GetClub() ? w->GetClubList().GetIndex(player->GetClub()) : -1;
    OpenPage(PageClass::Player, kPurchaseScreen, false, false, p);
}

void CScreenManager::BuyPlayer() {
    CPlayer* player = g_pSelectedPlayer;
    CClub* club = CurrentClub();
    CWorldData* w = GetWorldData();
    if (!player || !club || !w) return;
    CClub* his = player->GetClub();
    const bool free = player->IsFreeAgent();
    if (!free && !player->IsListed()) {
        const CCountry* country = w->GetCurrentCountry();
        if (country && !club->CanAfford(country->ToBaseMoney(player->GetTransferFee(*country)))) {
            UserMessageBox(10203, kBoxNotice, -1);
            return;
        }
    }
    if (club->CanSignPlayer(player, true) != 0) return;
    const uint32_t index = static_cast<uint32_t>(CClub::FindWorldIndex(*player));
    CHumanManager* user = w->GetCurrentUser();
    if (user && user->IsNegotiatingFor(player)) {
        Tell(840, {player->GetName()});
        return;
    }
    if (club->HasBidForPlayer(index)) {
        Tell(839, {player->GetName()});
        return;
    }
    if (!free && !player->IsListed() && his && Random(100) <= his->GetPopularityIndex()) {
        Tell(837, {player->GetName(), club->GetName()});
        return;
    }
    const int position = player->GetPosition();
    if (!free && his && position >= 0 && position < static_cast<int>(kMinPlayersInPosition.size()) &&
        his->CountFitPlayersInPosition(position) <= kMinPlayersInPosition[static_cast<size_t>(position)]) {
        Tell(838, {his->GetName(), player->GetName()});
        return;
    }
    const std::string refusal = player->GetRefusalText(*club, false);
    if (IsRefusal(refusal)) {
        UserMessageBoxText(refusal, kBoxNotice, static_cast<int>(index));
        return;
    }
    PersonPageParams p;
    p.subject = player;
    p.kind = kPersonListPlayers;
    p.club = his ? w->GetClubList().GetIndex(his) : -1;
    OpenPage(PageClass::Player, free ? kContractScreen : kPurchaseScreen, false, false, p);
}

void CScreenManager::ScoutPlayer() {
    CPlayer* player = g_pSelectedPlayer;
    CClub* club = CurrentClub();
    if (!player || !club || player->GetClub() == club) return;
    CScout* scout = CClub::FindFreeScout();
    if (!scout) {
        UserMessageBox(1170, kBoxNotice, -1);
        return;
    }
    CPlayer* players[CScout::kMaxPlayers] = {player};
    std::string reply;
    // Unconfirmed, the scout names the cost and the time it takes; anything
    // else (away, no money) is only told.
    if (scout->MakeAssignment(reply, players, false) != CScout::kAssignAsk) {
        UserMessageBoxText(reply, kBoxNotice, -1);
        return;
    }
    if (UserMessageBoxText(reply, kBoxYesNo, CClub::FindWorldIndex(*player)) != kAnswerYes) return;
    scout->MakeAssignment(reply, players, true);
}

void CScreenManager::SackEmployee() {
    CBasicEmployee* employee = g_pSelectedEmployee;
    CClub* club = CurrentClub();
    CWorldData* w = GetWorldData();
    if (!employee || !club || !w) return;
    const int index = club->Staff().FindIndex(static_cast<const CEmployee*>(employee));
    // Not found is 0xFFFF: someone else's man is not the user's to sack.
    if (index < 0 || index >= club->Staff().GetSize()) return;
    const CCountry* country = club->GetCountry();
    // The question names what is paid: at most four weeks' wages.
    const double compensation = employee->Person().GetContractCost(true, w->GetWeek());
    const std::string text = country ? employee->Person().FormatContractMoney(*country, 425, true)
                                     : Format(425, {employee->GetName(), ""});
    if (UserMessageBoxText(text, kBoxYesNo, -1) != kAnswerYes) return;
    RemoveHistoryEntries({index, w->GetClubList().GetIndex(club), kPersonListStaff}, true);
    club->DismissEmployee(index, compensation);
    ShowHistoryEntry(m_History.GetCurrent());
}

void CScreenManager::RenewPlayerContract() {
    CPlayer* player = g_pSelectedPlayer;
    CClub* club = CurrentClub();
    if (!player || !club) return;
    if (club->HasBidForPlayer(static_cast<uint32_t>(CClub::FindWorldIndex(*player)))) return;
    const uint8_t status = player->Person().GetStatus();
    if (status == 3 || status == 10) {
        Tell(949, {player->GetName()});
        return;
    }
    if (status == 11) {
        Tell(951, {player->GetName()});
        return;
    }
    if (!player->AskToRenewContract(*club)) return;
    PersonPageParams p;
    p.subject = player;
    p.kind = kPersonListPlayers;
    OpenPage(PageClass::Player, kContractScreen, false, false, p);
}

void CScreenManager::OfferEmployeeContract() {
    if (g_nScreenId != kJobCentreScreen) return;
    auto* employee = reinterpret_cast<CBasicEmployee*>(GetJobCentreSelection(kJobCentreScreen));
    CClub* club = CurrentClub();
    if (!employee || !club) return;
    if (!club->ConfirmHireEmployee(employee->m_JobKind)) return;
    if (!club->AcceptsLevel(employee->m_Ability)) {
        Tell(835, {employee->GetName(), club->GetName()});
        return;
    }
    PersonPageParams p;
    p.subject = employee;
    p.kind = kPersonListStaffMarket;
    OpenPage(PageClass::Player, kContractScreen, false, false, p);
}

void CScreenManager::ToggleTransferList() {
    CPlayer* player = g_pSelectedPlayer;
    CWorldData* w = GetWorldData();
    if (!player || !w) return;
    if (player->IsListed()) {
        player->m_AskingPrice = -1.0;
        return;
    }
    if (const CCountry* country = w->GetCurrentCountry()) player->SetTransferPrice(-1, *country);
}

void CScreenManager::SaveGame() {
    CWorldData* w = GetWorldData();
    if (!w || !w->SaveGameDialog()) return;
    const int i = m_History.GetCurrent();
    if (i >= 1 || (i == 0 && g_nScreenId == kOptionsScreen)) {
        const int target = m_bOffHistory ? i : i - 1;
        if (m_History.GetAt(target)) {
            ShowHistoryEntry(target);
            return;
        }
    }
    OpenPage(PageClass::Option, kTitleScreen, false, true);
}

void CScreenManager::ShowHelp() {
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) frame->OnHelp();
}
