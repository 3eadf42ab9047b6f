// The club, money and ground pages in the running program, driven by
// clicks: in a new game with one human manager, the Club button's
// Information in its three record modes, Honours and the kit editor (both
// kits changed, kept after Back); the Finance button's hub, Payroll weekly
// and for the season, a funding request the board answers, the Accounts for
// the season, the Accounts Chart both ways, the Job Centre sacking one man and hiring another through
// contract talks; then the Club button's Stadium, a side stand selected and
// planned larger under a better roof, the works started and paid for, a
// week of the game played with them and the works run to their end; after
// some league days the gates and the league graph with two more clubs,
// cleared, and both printed. Also
// the right-button menus of the club hub, Payroll and the Job Centre by row
// kind and employment.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "screens/financescreen.h"
#include "screens/graphscreen.h"
#include "screens/kitscreen.h"
#include "screens/youthscreen.h"
#include "screens/playerscreen.h"
#include "screens/stadiumscreen.h"
#include "shell/stadiumparts.h"
#include "soccerclasses/accounts.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/stadium.h"
#include "support/human_game_app.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"
#include "ui/xspinedit.h"

namespace {

using namespace platform::win;

constexpr uint32_t kProgramClubHub = 19412, kProgramFinanceHub = 19414, kProgramMoveHalfWeek = 19423;
constexpr int kFinanceMenuGroup = 6, kPlayerMenuGroup = 11, kEmployeeMenuGroup = 12;
constexpr int kBuildingWork = 15;

class MoneyInTheProgram : public testsupport::HumanGameApp {
protected:
    void SetUp() override {
        HumanGameApp::SetUp();
        if (HasFatalFailure()) return;
        answerKey = VK_RETURN;
        // The driver makes the club's manager human; a new game gives him
        // his contacts as he takes the club.
        World().GetUser(0)->NewContacts(Club());
        g_nTreeSelectionKind = 255;
        g_nTreeSelectionData = 0;
    }
    CClub& Club() { return *club; }
    CCountry& Country() { return *club->GetCountry(); }
    void ClickAt(Point p) {
        backend->Click(ToMain(p), MouseButton::Left, 700);
        Run(800);
    }
    void ClickButton(int x, int y) { ClickAt({x + 63, y + 14}); }  // the middle of a 126 x 29 button
    // A hub's section button through the tool box.
    template <class T>
    T* Section(uint32_t command, int hubScreen, int button) {
        Command(command);
        EXPECT_EQ(g_nCurrentScreen, hubScreen);
        ClickAt({23 + 98 * button + 42, 378 + 42});
        return dynamic_cast<T*>(manager->GetCurrentPage());
    }
    // The middle of row `row` of a page list, below its header strip;
    // {-1, -1} when the row is not shown.
    Point OnListRow(CScreensInfo& page, CListControl& list, int row) {
        const Rect r = list.WindowRect();
        int first = -1, last = -1;
        for (int y = r.top + 20; y < r.bottom; ++y)
            if (page.HitTestListRow(r.left + 40, y) == row) {
                if (first < 0) first = y;
                last = y;
            }
        return first < 0 ? Point{-1, -1} : Point{r.left + 40, (first + last) / 2};
    }
    int RowWhere(CListControl& list, uintptr_t data) {
        for (int r = 0; r < list.GetRowCount(); ++r)
            if (list.GetItemData(r) == data) return r;
        return -1;
    }
    CStand& StandOf(int stand) { return club->GetStadium()->stands[stand - 1]; }
};

TEST_F(MoneyInTheProgram, TheFinancePagesPayAskAccountSackAndHire) {
    // Payroll: the wages of the week, then of the season.
    auto* payroll = Section<CFinanceScreen>(kProgramFinanceHub, 103, 0);
    ASSERT_NE(payroll, nullptr);
    ASSERT_EQ(payroll->GetPage(), CFinanceScreen::kPayrollPage);
    CListControl* wages = payroll->GetPageList(0);
    ASSERT_NE(wages, nullptr);
    ASSERT_GT(wages->GetRowCount(), Club().GetSquadSize());
    int playerRow = -1;
    for (int r = 0; r < wages->GetRowCount() && playerRow < 0; ++r)
        if (wages->GetItemData2(r) == CFinanceScreen::kRowPlayer) playerRow = r;
    ASSERT_GE(playerRow, 0);
    const std::string weekly = wages->GetItemText(playerRow, 3);
    ClickButton(303, 405);
    EXPECT_EQ(payroll->GetSeasonView(), 1);
    EXPECT_NE(wages->GetItemText(playerRow, 3), weekly) << "a season's salary in place of the week's wage";
    ClickButton(27, 405);
    EXPECT_EQ(payroll->GetSeasonView(), 0);
    EXPECT_EQ(wages->GetItemText(playerRow, 3), weekly);

    // Manager Funding: a request the board hears and answers.
    auto* funding = Section<CFinanceScreen>(kProgramFinanceHub, 103, 1);
    ASSERT_NE(funding, nullptr);
    ASSERT_EQ(funding->GetPage(), CFinanceScreen::kFundingPage);
    ASSERT_TRUE(funding->FindButton(CFinanceScreen::kRequest)->IsGreyed());
    funding->GetAmountField().SetValue(2'000'000, true);
    funding->Send(kMsgSpinTyped, reinterpret_cast<uintptr_t>(&funding->GetAmountField()), 0);
    ASSERT_FALSE(funding->FindButton(CFinanceScreen::kRequest)->IsGreyed());
    ClickButton(447, 299);
    ASSERT_EQ(funding->GetFundingLines().size(), 1u) << "the board's answer reaches the panel";
    EXPECT_EQ(Club().GetLastFundsRequestWeek(), World().GetWeek());
    EXPECT_EQ(funding->FindLabel(267, 119)->GetText(), Club().FormatTransferBudget());
    EXPECT_EQ(funding->FindLabel(267, 147)->GetText(), Club().FormatBankBalance());

    // Accounts: the season so far.
    auto* accounts = Section<CFinanceScreen>(kProgramFinanceHub, 103, 3);
    ASSERT_NE(accounts, nullptr);
    ASSERT_EQ(accounts->GetPage(), CFinanceScreen::kAccountsPage);
    ClickButton(27, 405);
    EXPECT_EQ(accounts->GetSeasonView(), 1);
    EXPECT_GT(accounts->GetPageList(0)->GetRowCount(), 0);
    EXPECT_EQ(accounts->FindLabel(145, 374)->GetText(), Club().FormatBankBalance());

    // The Accounts Chart, the season's pies and then the week's.
    auto* chart = Section<CGraphScreen>(kProgramFinanceHub, 103, 4);
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->GetScreen(), CGraphScreen::kAccountsPage);
    const bool chartWeekly = chart->IsWeekly();
    ClickButton(chartWeekly ? 305 : 27, 405);
    EXPECT_NE(chart->IsWeekly(), chartWeekly);
    ClickButton(chartWeekly ? 27 : 305, 405);
    EXPECT_EQ(chart->IsWeekly(), chartWeekly);

    // The Job Centre: a member of staff sacked, with what the question
    // names paid, then a coach of the market hired through contract talks.
    const CPopularityList& levels = World().GetPopularityList();
    const int high = levels.GetStaffLevelMaximum(Club().GetPopularityIndex());
    CBasicEmployee wanted;
    wanted.m_JobKind = CBasicEmployee::kHeadCoach;
    wanted.m_Ability = static_cast<uint8_t>(high);  // at the club's level: he always talks
    wanted.Person().Set("Gordon", "Tacticus", 48, 1);
    Country().AddAvailableEmployee(wanted);
    CAvailableEmployee* coach = Country().GetAvailableEmployee(Country().GetStaffMarket()->GetSize() - 1);

    auto* jobs = Section<CFinanceScreen>(kProgramFinanceHub, 103, 2);
    ASSERT_NE(jobs, nullptr);
    ASSERT_EQ(jobs->GetPage(), CFinanceScreen::kJobCentrePage);
    CListControl& staff = *jobs->GetPageList(0);
    CListControl& market = *jobs->GetPageList(1);
    ASSERT_GT(staff.GetRowCount(), 0);
    const int staffBefore = Club().Staff().GetSize();
    const Point firstStaff = OnListRow(*jobs, staff, 0);
    ASSERT_GE(firstStaff.y, 0);
    ClickAt(firstStaff);
    ASSERT_TRUE(staff.IsSelected(0)) << "the click chose him";
    EXPECT_FALSE(jobs->FindButton(CFinanceScreen::kSack)->IsGreyed());
    const int modalsBefore = modals;
    ClickButton(392, 407);
    EXPECT_EQ(modals, modalsBefore + 1) << "the question, answered Yes";
    EXPECT_EQ(Club().Staff().GetSize(), staffBefore - 1) << "Yes to the question: he is gone";
    EXPECT_EQ(staff.GetRowCount(), staffBefore - 1);

    ClickAt({21 + 26, 226 + 20});  // the coaches
    EXPECT_EQ(jobs->GetStaffFilter(), 0);
    EXPECT_TRUE(jobs->FindButton(997)->IsTicked());
    for (int r = 0; r < market.GetRowCount(); ++r)
        EXPECT_EQ(reinterpret_cast<const CBasicEmployee*>(market.GetItemData(r))->m_JobKind, CBasicEmployee::kHeadCoach);
    const int row = RowWhere(market, reinterpret_cast<uintptr_t>(coach));
    ASSERT_GE(row, 0);
    market.SetTopRow(row);
    market.Redraw();
    const Point onCoach = OnListRow(*jobs, market, row);
    ASSERT_GE(onCoach.y, 0);
    ClickAt(onCoach);
    ASSERT_TRUE(market.IsSelected(row));
    ClickButton(208, 407);
    EXPECT_EQ(g_nCurrentScreen, 62) << "contract talks";
    auto* talks = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(talks, nullptr);
    EXPECT_EQ(talks->m_pSubject, coach);
    EXPECT_EQ(talks->m_nSubjectKind, 2);
}

TEST_F(MoneyInTheProgram, TheClubPagesShowTheRecordsAndHonoursAndKeepTheKitsAsEdited) {
    auto* info = Section<CYouthScreen>(kProgramClubHub, 101, 0);
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->GetPage(), CYouthScreen::kInfoPage);
    EXPECT_EQ(CYouthScreen::GetRecordMode(), 0);
    const int buttonsY[3] = {276, 313, 350};
    for (int mode : {1, 2, 0}) {
        ClickAt({24 + 28, buttonsY[mode] + 17});
        EXPECT_EQ(CYouthScreen::GetRecordMode(), mode);
    }
    auto* honours = Section<CYouthScreen>(kProgramClubHub, 101, 2);
    ASSERT_NE(honours, nullptr);
    EXPECT_EQ(honours->GetPage(), CYouthScreen::kHonoursPage);

    const CKits home = Club().GetHomeKit(), away = Club().GetAwayKit();
    auto* kits = Section<CKitScreen>(kProgramClubHub, 101, 3);
    ASSERT_NE(kits, nullptr);
    ClickAt({230 + 7, 194 + 7});  // the home sleeves' next pattern
    ClickAt({275 + 7, 328 + 7});  // the home shirt's next main colour
    ClickAt({546 + 7, 194 + 7});  // the away sleeves
    ClickAt({553 + 7, 328 + 7});  // the away shirt's main colour
    Command(19420);               // Back
    EXPECT_NE(manager->GetCurrentPage(), kits);
    // What the four arrows do, by the editor's own rule: next sleeves and
    // next main colour (buttons 1 and 7) on each kit.
    CKits wantHome = home, wantAway = away;
    for (int button : {1, 7, 16 + 1, 16 + 7}) CKitScreen::ApplyButton(wantHome, wantAway, button);
    EXPECT_EQ(Club().GetHomeKit().bytes, wantHome.bytes);
    EXPECT_EQ(Club().GetAwayKit().bytes, wantAway.bytes);
    EXPECT_NE(Club().GetHomeKit().bytes, home.bytes);
    EXPECT_NE(Club().GetAwayKit().bytes, away.bytes);
    EXPECT_NE(Club().GetHomeKit().bytes[CKits::kFirstColour], Club().GetAwayKit().bytes[CKits::kFirstColour]);
}

TEST_F(MoneyInTheProgram, AStandIsRebuiltAndItsWorksRunWithTheWeeks) {
    CStadium& ground = *Club().GetStadium();
    // The north stand, medium under a basic roof, to be made larger under a
    // better one.
    const int chosen = 2;
    StandOf(chosen).layout = StandLayout{3, 1, 1, 0};
    StandOf(chosen).workState = 0;
    Club().SetBankBalance(40'000'000.0);
    Club().SetBudgetPercentage(100.0);

    auto* plan = Section<CStadiumScreen>(kProgramClubHub, 101, 1);
    ASSERT_NE(plan, nullptr);
    ASSERT_EQ(plan->GetPage(), CStadiumScreen::kPlanPage);
    const stadiumparts::PlanRect r = stadiumparts::GetPlanRect(chosen, StandOf(chosen).layout.size);
    const Point centre{CStadiumScreen::kPlanX + (r.left + r.right) / 2, CStadiumScreen::kPlanY + (r.top + r.bottom) / 2};
    backend->MoveTo(ToMain(centre), 40);
    Run(200);
    EXPECT_EQ(plan->GetHoveredStand(), chosen);
    ClickAt(centre);
    ASSERT_EQ(CStadiumScreen::GetSelectedStand(), chosen);
    ClickButton(314, 431);  // Improve
    auto* stand = dynamic_cast<CStadiumScreen*>(manager->GetCurrentPage());
    ASSERT_NE(stand, nullptr);
    ASSERT_EQ(stand->GetPage(), CStadiumScreen::kStandPage);
    ClickAt({550 + 7, 268 + 7});  // a larger stand
    ClickAt({550 + 7, 298 + 7});  // a better roof
    const StandPlan planned = CStadiumScreen::GetPlan();
    ASSERT_GT(planned.size, StandOf(chosen).layout.size);
    ASSERT_GT(planned.cost, 0.0);

    const double balance = Club().GetBankBalance();
    const double building = Club().GetAccounts()->GetSeasonFigure(kBuildingWork);
    const int32_t capacity = ground.GetCapacity();
    auto worksMessages = [this] {
        const auto inbox = User().GetInbox();
        return std::count_if(inbox.begin(), inbox.end(), [](const auto& m) { return m.code == 67; });
    };
    const auto inbox = worksMessages();
    ClickButton(303, 408);  // OK, and Yes to the cost
    ASSERT_EQ(StandOf(chosen).workState, 1) << "the works started";
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), balance - planned.cost);
    EXPECT_DOUBLE_EQ(Club().GetAccounts()->GetSeasonFigure(kBuildingWork), building + planned.cost);
    EXPECT_LT(ground.GetCapacity(), capacity) << "the stand's places close while it is built";
    EXPECT_EQ(worksMessages(), inbox + 1) << "the chairman confirms the programme";
    EXPECT_EQ(g_nCurrentScreen, CStadiumScreen::kPlanPage) << "the plan shows the works";
    auto* works = dynamic_cast<CStadiumScreen*>(manager->GetCurrentPage());
    ASSERT_NE(works, nullptr);
    EXPECT_NE(works->GetOverlayName(chosen).find("_dev"), std::string::npos);

    // A week of the game: the works count down.
    const int weeks = StandOf(chosen).weeksLeft;
    const StandLayout target = StandOf(chosen).newLayout;
    const int32_t returning = StandOf(chosen).seatsBeingAdded;
    const int32_t closed = ground.GetCapacity();
    for (int i = 0; i < 6 && StandOf(chosen).weeksLeft == weeks; ++i) Command(kProgramMoveHalfWeek);
    EXPECT_EQ(StandOf(chosen).weeksLeft, weeks - 1);
    // The rest of the works through the model's days.
    for (int day = 0; day < 7 * (weeks + 1) && StandOf(chosen).workState != 0; ++day) World().ProcessDay(0, 0);
    EXPECT_EQ(StandOf(chosen).workState, 0);
    EXPECT_EQ(StandOf(chosen).layout, target);
    EXPECT_EQ(ground.GetCapacity(), closed + returning);

    // The plan and the side view show the new stand.
    auto* after = Section<CStadiumScreen>(kProgramClubHub, 101, 1);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->GetOverlayName(chosen), stadiumparts::PlanPartEntry(chosen, target, false));
    ClickButton(12, 431);  // View Stadium
    auto* side = dynamic_cast<CStadiumScreen*>(manager->GetCurrentPage());
    ASSERT_NE(side, nullptr);
    ASSERT_EQ(side->GetPage(), CStadiumScreen::kSidePage);
    ClickButton(214, 427);  // Reverse View
    EXPECT_TRUE(CStadiumScreen::IsReversed());
    ClickButton(18, 427);  // Cut View
    EXPECT_TRUE(CStadiumScreen::IsCut());
    ClickButton(214, 427);
    ClickButton(18, 427);
    EXPECT_FALSE(CStadiumScreen::IsReversed());
    EXPECT_FALSE(CStadiumScreen::IsCut());
}

TEST_F(MoneyInTheProgram, AfterSomeLeagueDaysTheGraphsShowGatesAndPositionsAndPrint) {
    for (int day = 0; day < 60 && Club().GetGameSeries1(1) <= 0; ++day) World().ProcessDay(0, 0);
    ASSERT_GT(Club().GetGameSeries1(1), 0) << "two home league games played";

    Command(32783);  // Attendance Graph
    auto* gates = dynamic_cast<CGraphScreen*>(manager->GetCurrentPage());
    ASSERT_NE(gates, nullptr);
    ASSERT_EQ(gates->GetScreen(), CGraphScreen::kAttendancePage);
    EXPECT_EQ(gates->GetClub(), &Club());
    EXPECT_GE(gates->LayOutAttendance().unit * gates->LayOutAttendance().steps, Club().GetGameSeries1(0));
    EXPECT_TRUE(view->PrintPage(1)) << "printed";

    Command(32818);  // League Graph
    auto* league = dynamic_cast<CGraphScreen*>(manager->GetCurrentPage());
    ASSERT_NE(league, nullptr);
    ASSERT_EQ(league->GetScreen(), CGraphScreen::kLeaguePage);
    EXPECT_EQ(league->GetGraphClubCount(), 1);
    const CDivision& division = *Club().GetDivision();
    int added = 0;
    for (int c = 0; c < division.GetClubCount() && added < 2; ++c) {
        CClub* other = World().GetClub(division.GetFirstClub() + c);
        if (other == &Club()) continue;
        TreeNotice pick{};
        pick.kind = kContextClub;
        pick.data = reinterpret_cast<uintptr_t>(other);
        league->OnTreeSelect(&pick);
        ++added;
        EXPECT_EQ(league->GetGraphClub(added), other);
    }
    EXPECT_EQ(league->GetGraphClubCount(), 3);
    EXPECT_TRUE(view->PrintPage(1));
    ClickAt({48 + 28, 412 + 10});  // Clear
    EXPECT_EQ(league->GetGraphClubCount(), 0);
}

// A double click on a Payroll row opens the man's page by what he is: the
// manager his profile, a member of staff or a player the person screen on
// him; a heading nothing.
TEST_F(MoneyInTheProgram, PayrollRowsOpenTheManagersProfileOrThePersonScreenByRowKind) {
    struct Case {
        uintptr_t kind;
        int screen;
        const char* what;
    };
    const Case cases[] = {
        {CFinanceScreen::kRowHeading, 7, "a heading: nothing"},
        {CFinanceScreen::kRowManager, 95, "the manager's row: his profile"},
        {CFinanceScreen::kRowEmployee, 60, "a member of staff"},
        {CFinanceScreen::kRowPlayer, 60, "a player"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* payroll = Section<CFinanceScreen>(kProgramFinanceHub, 103, 0);
        ASSERT_NE(payroll, nullptr);
        CListControl& wages = *payroll->GetPageList(0);
        int row = -1;
        for (int r = 0; r < wages.GetRowCount() && row < 0; ++r)
            if (wages.GetItemData2(r) == c.kind) row = r;
        ASSERT_GE(row, 0);
        const uintptr_t subject = wages.GetItemData(row);
        wages.SetTopRow(row);
        wages.Redraw();
        const Point at = OnListRow(*payroll, wages, row);
        ASSERT_GE(at.y, 0);
        backend->Click(ToMain(at), MouseButton::Left, 700);
        backend->Click(ToMain(at), MouseButton::Left, 100);
        Run(1200);
        EXPECT_EQ(g_nCurrentScreen, c.screen);
        if (c.screen == 60) {
            auto* person = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
            ASSERT_NE(person, nullptr);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(person->m_pSubject), subject);
        }
    }
}

// The club hub of a new game lists the chairman and the fans' secretary and
// the chairman speaks; a right press on their rows shows nothing, off the
// list the club pages' menu, employed or not.
TEST_F(MoneyInTheProgram, TheClubHubListsItsContactsAndShowsTheClubMenu) {
    answerKey = VK_ESCAPE;
    Command(kProgramClubHub);
    ASSERT_EQ(g_nCurrentScreen, 101);
    auto* hub = dynamic_cast<CYouthScreen*>(manager->GetCurrentPage());
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->GetList(0).GetRowCount(), 2) << "the chairman and the fans' secretary";
    EXPECT_FALSE(hub->GetAdvisorLines().empty()) << "the chairman speaks";
    const int clubMenu = RightClick({300, 60});
    EXPECT_GE(clubMenu, 0);
    EXPECT_NE(clubMenu, kEmployeeMenuGroup);
    EXPECT_NE(clubMenu, kFinanceMenuGroup);

    // Over a row the page asks for the person menu of the man pressed; the
    // chairman and the fans' secretary are contacts, for whom that menu holds
    // nothing, so no menu shows and the club menu does not stand in. Quick
    // presses on one spot each get their answer.
    CListControl& contacts = hub->GetList(0);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const Point at = OnListRow(*hub, contacts, row);
        ASSERT_GE(at.y, 0);
        for (int press = 0; press < 2; ++press) {
            g_pSelectedEmployee = nullptr;
            EXPECT_EQ(RightClick(at), -1) << "a contact has no menu";
            EXPECT_EQ(g_pSelectedEmployee, reinterpret_cast<CBasicEmployee*>(contacts.GetItemData(row)))
                << "the page asked for the menu of the man pressed";
        }
    }
    // A hired man's row, as another group's list makes it: the same press
    // gives the person menu, so the silence above is the contacts' own.
    CEmployee* hired = nullptr;
    for (int i = 0; i < Club().Staff().GetSize() && !hired; ++i)
        if (CEmployee* e = Club().Staff().GetAt(i); e && !e->IsContact()) hired = e;
    ASSERT_NE(hired, nullptr);
    // At the top of the club's level, where its answer needs no draw.
    hired->m_Ability =
        static_cast<uint8_t>(World().GetPopularityList().GetStaffLevelMaximum(Club().GetPopularityIndex()));
    hired->AddGroupRow(contacts, 100);
    ASSERT_EQ(contacts.GetRowCount(), 3);
    contacts.Invalidate();
    Run(100);
    const Point man = OnListRow(*hub, contacts, 2);
    ASSERT_GE(man.y, 0);
    EXPECT_EQ(RightClick(man), kEmployeeMenuGroup);
    EXPECT_EQ(g_pSelectedEmployee, hired);

    CManager* boss = World().GetManagerList().GetAt(Club().GetManager());
    ASSERT_NE(boss, nullptr);
    boss->m_History[0].m_Club = -1;
    Command(kProgramClubHub);
    ASSERT_EQ(g_nCurrentScreen, 101);
    EXPECT_EQ(RightClick({300, 60}), clubMenu);
}

TEST_F(MoneyInTheProgram, PayrollAndTheJobCentreShowTheirMenusByRowKindAndEmployment) {
    answerKey = VK_ESCAPE;
    auto* payroll = Section<CFinanceScreen>(kProgramFinanceHub, 103, 0);
    ASSERT_NE(payroll, nullptr);
    CListControl& wages = *payroll->GetPageList(0);
    auto firstOf = [&](uintptr_t kind) {
        for (int r = 0; r < wages.GetRowCount(); ++r)
            if (wages.GetItemData2(r) == kind) return r;
        return -1;
    };
    struct Case {
        uintptr_t kind;
        int group;
        const char* what;
    };
    const Case cases[] = {
        {CFinanceScreen::kRowManager, kFinanceMenuGroup, "the manager's row: the page's menu"},
        {CFinanceScreen::kRowHeading, -1, "a heading: nothing"},
        {CFinanceScreen::kRowEmployee, kEmployeeMenuGroup, "a member of staff"},
        {CFinanceScreen::kRowPlayer, kPlayerMenuGroup, "a player"},
    };
    // "Offer Contract" is in a staff menu only when the club takes the man's
    // level, which between the club's floor and top is a draw; at the top it
    // is not, so the staff row's menu is whole however the presses come.
    const CPopularityList& levels = World().GetPopularityList();
    const int floor = levels.GetStaffLevelMinimum(Club().GetPopularityIndex());
    const int top = levels.GetStaffLevelMaximum(Club().GetPopularityIndex());
    const int staffRow = firstOf(CFinanceScreen::kRowEmployee);
    ASSERT_GE(staffRow, 0);
    auto* staff = reinterpret_cast<CEmployee*>(wages.GetItemData(staffRow));
    ASSERT_NE(staff, nullptr);
    staff->m_Ability = static_cast<uint8_t>(top);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int row = firstOf(c.kind);
        ASSERT_GE(row, 0);
        wages.SetTopRow(row);
        wages.Redraw();
        const Point at = OnListRow(*payroll, wages, row);
        ASSERT_GE(at.y, 0);
        EXPECT_EQ(RightClick(at), c.group);
    }
    EXPECT_EQ(RightClick({300, 60}), kFinanceMenuGroup) << "the page's header";
    // Below the floor the club never takes him: the item is left out, the
    // other three stay.
    ASSERT_GT(floor, 0);
    staff->m_Ability = static_cast<uint8_t>(floor - 1);
    wages.SetTopRow(staffRow);
    wages.Redraw();
    const Point onStaff = OnListRow(*payroll, wages, staffRow);
    ASSERT_GE(onStaff.y, 0);
    EXPECT_EQ(RightClick(onStaff), -1) << "not the whole staff menu";
    ASSERT_FALSE(menus.empty());
    EXPECT_EQ(menus.back(), (std::vector<uint32_t>{32902, 32903, 32905})) << "Information, Sack, Renew Contract";

    CBasicEmployee looking;
    looking.m_JobKind = CBasicEmployee::kHeadPhysio;
    // At the club's level, so that his menu offers him a contract.
    looking.m_Ability = static_cast<uint8_t>(World().GetPopularityList().GetStaffLevelMaximum(Club().GetPopularityIndex()));
    looking.Person().Set("Ian", "Splint", 44, 1);
    Country().AddAvailableEmployee(looking);
    auto* jobs = Section<CFinanceScreen>(kProgramFinanceHub, 103, 2);
    ASSERT_NE(jobs, nullptr);
    for (int l = 0; l < 2; ++l) {
        SCOPED_TRACE(l);
        CListControl& list = *jobs->GetPageList(l);
        ASSERT_GT(list.GetRowCount(), 0);
        auto* man = reinterpret_cast<CBasicEmployee*>(list.GetItemData(0));
        ASSERT_NE(man, nullptr);
        man->m_Ability = static_cast<uint8_t>(top);  // no draw, as above
        const Point at = OnListRow(*jobs, list, 0);
        ASSERT_GE(at.y, 0);
        EXPECT_EQ(RightClick(at), kEmployeeMenuGroup) << "either list's rows";
    }
    EXPECT_EQ(RightClick({300, 60}), kFinanceMenuGroup);

    // Out of work: no person menus, the page's menu elsewhere.
    CManager* boss = World().GetManagerList().GetAt(Club().GetManager());
    ASSERT_NE(boss, nullptr);
    boss->m_History[0].m_Club = -1;
    for (int l = 0; l < 2; ++l) {
        const Point at = OnListRow(*jobs, *jobs->GetPageList(l), 0);
        ASSERT_GE(at.y, 0);
        EXPECT_EQ(RightClick(at), -1) << l;
    }
    EXPECT_EQ(RightClick({300, 60}), kFinanceMenuGroup);
}

}  // namespace
