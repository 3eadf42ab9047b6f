#include "screens/financescreen.h"

#include <algorithm>
#include <cmath>

#include "platform/msgformat.h"
#include "soccerclasses/globals.h"
#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/pageparams.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr uint8_t kFinancialDirector = 9;
constexpr uint8_t kCommercialDirector = 10;
constexpr int kPersonScreen = 60;
constexpr int kContractScreen = 62;
constexpr int kProfileScreen = 95;
constexpr int kChartScreen = 113;
constexpr int kFinancesMenu = 103;  // the "TB_FINANCES Menu" group of every finance page

// The pages' texts (ours where none was known).
constexpr unsigned kPayrollTitle = 10008, kSeasonWord = 53332, kWeeklyWord = 53333, kWageHeading = 53312,
                   kSalaryHeading = 53314, kManagerHeading = 53315, kEmployeesHeading = 53316,
                   kPlayersHeading = 53317, kYouthsHeading = 53318, kWeekEnding = 53319, kTooSmall = 53320,
                   kNoNegotiation = 1169, kNoIntention = 835, kSackQuestion = 425;
// The refusals for a request heard again too soon, by weeks since the last hearing.
constexpr struct {
    int penalty;
    unsigned text;
} kTooSoon[4] = {{100, 32916}, {75, 32917}, {33, 32918}, {25, 32919}};

constexpr uint32_t kHeadingColour = 0x00FF00;
constexpr uint32_t kManagerColour = 0x0077EE;

// The value texts of Manager Funding and Accounts, by their place.
constexpr int kFundingValueX = 267;
constexpr int kFundingRows[6] = {119, 147, 181, 209, 237, 265};
constexpr Point kBalanceValue{145, 374}, kLoanValue{417, 374}, kClubName{30, 61}, kTitle{30, 22};
constexpr Rect kFundingPanelRect{24, 341, 571, 434};
constexpr uint32_t kFundingPanelId = 21558;
constexpr Rect kAmountRect{205, 298, 445, 328};

CScreen* MakeFinanceScreen() { return new CFinanceScreen(); }

// A box about a member of staff or a man of the market shows his face.
int AskAbout(const CPerson& person, const std::string& text, unsigned type) {
    MessageBoxRequest r;
    r.text = text;
    r.type = type;
    r.person = &person;
    return GetUserPort().ShowMessageBox(r);
}

std::string Money(const CClub* club, double base) {
    const CCountry* country = club ? club->GetCountry() : nullptr;
    if (!country) return std::to_string(static_cast<long long>(base));
    std::string out;
    country->FormatMoney(out, base);
    return out;
}

// The row a click chose in a list: its mark, which stays when the pointer
// moves on to the page's buttons (the hover highlight does not).
int ChosenRow(const CListControl& list) { return list.GetSelectedCount() > 0 ? list.GetSelected(0) : -1; }

void Unchoose(CListControl& list) {
    list.ClearSelected();
    list.ClearSelection();
}

// A heading row: green, empty but for its title, never sorted away.
void AddHeadingRow(CListControl& list, const std::string& title) {
    const int row = list.AddRow(title, 0, 0, CFinanceScreen::kRowHeading);
    for (int c = 1; c < list.GetColumnCount(); ++c) list.SetItem(row, c, "");
    list.SetRowColour(row, kHeadingColour);
}

}  // namespace

void RegisterFinanceScreen() { RegisterPageFactory(PageClass::Finance, &MakeFinanceScreen); }

PageFactory CFinanceScreen::GetPageFactory() const { return &MakeFinanceScreen; }

CFinanceScreen::CFinanceScreen() : m_nPage(g_nScreenId) {
    if (m_nPage != kPayrollPage && m_nPage != kFundingPage && m_nPage != kAccountsPage && m_nPage != kJobCentrePage)
        m_nPage = kHubPage;
    SetBackground("gfx\\backgrounds\\39.bmp");
    SetTitle(platform::LoadString(21604));
    if (CWorldData* w = GetWorldData()) m_pClub = w->GetCurrentClub();
}

CFinanceScreen::~CFinanceScreen() = default;

const std::vector<HubAdvisorRule>& CFinanceScreen::AdvisorRules() const {
    // A club outside its country's top division hears the commercial
    // director's words for its level in place of the top division's.
    bool top = true;
    if (CWorldData* w = GetWorldData())
        if (CClub* club = w->GetCurrentClub())
            if (CDivision* d = club->GetDivision()) top = d->IsTopDivision();
    static std::vector<HubAdvisorRule> rules;
    std::vector<HubAdvisorText> financial;
    for (uint8_t c = 116; c <= 122; ++c) financial.push_back({c, 33148u + (c - 116u)});
    financial.push_back({123, 33155});
    std::vector<HubAdvisorText> commercial = {{199, 33298}, {200, 33299}, {67, 33176}, {1, 33170}, {3, 33171},
                                              {5, 33172},   {7, 33173},   {9, 33174},  {11, 33175}};
    if (top) {
        for (HubAdvisorText t : std::initializer_list<HubAdvisorText>{{13, 34423},
                                                                      {14, 34424},
                                                                      {24, 33163},
                                                                      {16, 34425},
                                                                      {17, 34436},
                                                                      {19, 34427},
                                                                      {20, 34437},
                                                                      {23, 34438},
                                                                      {22, 34430}})
            commercial.push_back(t);
    } else {
        for (HubAdvisorText t : std::initializer_list<HubAdvisorText>{{13, 34431},
                                                                      {14, 34432},
                                                                      {24, 33163},
                                                                      {15, 33158},
                                                                      {16, 33159},
                                                                      {17, 34426},
                                                                      {19, 33160},
                                                                      {20, 34428},
                                                                      {23, 34429},
                                                                      {22, 33161}})
            commercial.push_back(t);
    }
    for (HubAdvisorText t : std::initializer_list<HubAdvisorText>{{201, 34434},
                                                                  {202, 34435},
                                                                  {33, 33164},
                                                                  {34, 33165},
                                                                  {35, 33166},
                                                                  {37, 33167},
                                                                  {38, 33168},
                                                                  {39, 33169},
                                                                  {25, 34504},
                                                                  {26, 34505},
                                                                  {27, 34506},
                                                                  {28, 34507},
                                                                  {29, 34508}})
        commercial.push_back(t);
    rules = {
        // The welcome lines stand alone; the money's state only without them.
        {kFinancialDirector, {{{198, 33296}, {200, 33297}}, financial}, {0, 0}},
        {kCommercialDirector, {commercial}, {250, 34509}},
    };
    return rules;
}

void CFinanceScreen::AdvisorFallback(const CEmployee&, CHumanManager&, HubPanelLines&) {}

const std::vector<HubSection>& CFinanceScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kPayroll, PageClass::Finance, kPayrollPage},
        {kManagerFunding, PageClass::Finance, kFundingPage},
        {kJobCentre, PageClass::Finance, kJobCentrePage},
        {kAccounts, PageClass::Finance, kAccountsPage},
        {kAccountsChart, PageClass::Graph, kChartScreen},
    };
    return kSections;
}

CXStatic* CFinanceScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CFinanceScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

CListControl* CFinanceScreen::GetPageList(int i) { return i >= 0 && i < GetListCount() ? &GetList(i) : nullptr; }

void CFinanceScreen::SetButtonGreyed(uint32_t id, bool greyed) {
    if (CXButton* b = FindButton(id)) {
        b->SetGreyed(greyed);
        b->Redraw();
    }
}

void CFinanceScreen::Initialise() {
    BuildScreen(m_nPage);
    m_pClub = GetWorldData() ? GetWorldData()->GetCurrentClub() : nullptr;
    switch (m_nPage) {
        case kHubPage: SetUpHub(); break;
        case kPayrollPage:
        case kAccountsPage:
            m_nSeasonView = 0;
            if (CListControl* list = GetPageList(0)) list->m_bSelectable = 1;
            break;
        case kFundingPage: {
            m_FundingPanel.Create("", WS_CHILD | WS_VISIBLE, kFundingPanelRect, this, kFundingPanelId, "Arial Narrow",
                                  20, platform::gfx::RGB(255, 255, 255), 0, 0);
            const CCountry* country = m_pClub ? m_pClub->GetCountry() : nullptr;
            m_AmountField.Create("", WS_VISIBLE, kAmountRect, this, kAmountField, "gfx\\scroll\\leftarrow.bmp",
                                 "gfx\\scroll\\rightarrow.bmp", 0, 999999999, country, 4, 0, 500, "Arial Narrow", 13,
                                 "");
            SetButtonGreyed(kRequest, true);
            break;
        }
        case kJobCentrePage: SetUpJobCentre(); break;
        default: break;
    }
}

void CFinanceScreen::Refresh() {
    if (m_nPage == kHubPage) ShowAdvisor();
    else FillPage();
}

void CFinanceScreen::FillPage() {
    m_pClub = GetWorldData() ? GetWorldData()->GetCurrentClub() : nullptr;
    switch (m_nPage) {
        case kPayrollPage: FillPayroll(); break;
        case kFundingPage: FillFunding(); break;
        case kAccountsPage: FillAccounts(); break;
        case kJobCentrePage: FillJobCentre(); break;
        case kHubPage: ShowAdvisor(); return;
        default: break;
    }
    BuildClubKitSurface(reinterpret_cast<uintptr_t>(m_pClub));
    Repaint(0);
}

void CFinanceScreen::KeepTopRow(CListControl& list, bool before) {
    if (before) {
        if (m_bListFilled) m_nSavedTopRow = list.GetTopRow();
        return;
    }
    if (m_bListFilled) list.SetTopRow(std::min(m_nSavedTopRow, std::max(0, list.GetRowCount() - 1)));
    m_bListFilled = true;
    list.Redraw();
}

void CFinanceScreen::FillPayroll() {
    if (CXStatic* name = FindLabel(kClubName.x, kClubName.y)) name->SetText(m_pClub ? m_pClub->GetName() : "");
    if (CXStatic* title = FindLabel(kTitle.x, kTitle.y))
        title->SetText(platform::LoadString(kPayrollTitle) + " " +
                       platform::LoadString(m_nSeasonView ? kSeasonWord : kWeeklyWord));
    SetButtonGreyed(kWeekly, m_nSeasonView == 0);
    SetButtonGreyed(kSeason, m_nSeasonView == 1);
    CListControl* list = GetPageList(0);
    if (!list) return;
    KeepTopRow(*list, true);
    list->ResetContent();
    if (!m_pClub) {
        KeepTopRow(*list, false);
        return;
    }
    const int weeks = m_nSeasonView ? 52 : 1;
    auto wage = [&](double weekly) { return Money(m_pClub, std::trunc(weekly) * weeks); };
    CWorldData* w = GetWorldData();
    if (CManager* m = m_pClub->HasManager() ? m_pClub->GetManagerObject() : nullptr) {
        AddHeadingRow(*list, platform::LoadString(kManagerHeading));
        const int row = list->AddRow(m->GetName(), 0, reinterpret_cast<uintptr_t>(m), kRowManager);
        list->SetItem(row, 1, platform::LoadString(kManagerHeading));
        CHumanManager* user = w ? w->GetCurrentUser() : nullptr;
        list->SetItemNumber(row, 2, static_cast<int>(user ? user->GetManagerRating() : m->GetRating()));
        list->SetItem(row, 3, wage(m->Person().GetWeeklyWage()));
        list->SetItemNumber(row, 4, m->Person().GetContractYears());
        list->SetRowColour(row, kManagerColour);
    }
    const CEmployeeList& staff = m_pClub->Staff();
    int employees = 0;
    for (int i = 0; i < staff.GetSize(); ++i)
        if (staff.GetAt(i)) ++employees;
    if (employees > 0) {
        AddHeadingRow(*list, platform::FormatMessageId(kEmployeesHeading, {employees}));
        for (int i = 0; i < staff.GetSize(); ++i) {
            const CEmployee* e = staff.GetAt(i);
            if (!e) continue;
            const int row = list->AddRow(e->GetName(), 0, reinterpret_cast<uintptr_t>(e), kRowEmployee);
            list->SetItem(row, 1, e->GetJobTitle());
            list->SetItemNumber(row, 2, e->m_Ability);
            list->SetItem(row, 3, wage(e->m_Person.GetWeeklyWage()));
            list->SetItemNumber(row, 4, e->m_Person.GetContractYears());
            if (w) list->SetRowColour(row, w->GetListColour(4 + e->m_JobKind));
        }
    }
    AddHeadingRow(*list, platform::FormatMessageId(kPlayersHeading, {static_cast<int>(m_pClub->GetSquadSize())}));
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = m_pClub->GetPlayer(s);
        if (!p) continue;
        const int row = list->AddRow(p->GetName(), 0, reinterpret_cast<uintptr_t>(p), kRowPlayer);
        list->SetItem(row, 1, p->GetPositionText());
        list->SetItemNumber(row, 2, p->GetKnownAbility(false));
        list->SetItem(row, 3, wage(p->m_Person.GetWeeklyWage()));
        list->SetItemNumber(row, 4, static_cast<int8_t>(p->m_Person.GetContractYears()));
        if (w) list->SetRowColour(row, w->GetListColour(p->GetPosition()));
    }
    const CYouthList& youths = m_pClub->Youths();
    int youthCount = 0;
    for (int i = 0; i < youths.GetSize(); ++i)
        if (youths.GetAt(i)) ++youthCount;
    if (youthCount > 0) {
        AddHeadingRow(*list, platform::FormatMessageId(kYouthsHeading, {youthCount}));
        for (int i = 0; i < youths.GetSize(); ++i) {
            const CYouth* y = youths.GetAt(i);
            if (!y) continue;
            const int row = list->AddRow(y->GetName(), 0, reinterpret_cast<uintptr_t>(y), kRowYouth);
            list->SetItem(row, 1, y->m_Football.GetPositionText());
            list->SetItemNumber(row, 2, y->m_Football.GetAbility());
            list->SetItem(row, 3, wage(y->m_Person.GetWeeklyWage()));
            list->SetItemNumber(row, 4, 19 - y->m_Person.GetAge());
            if (w) list->SetRowColour(row, w->GetListColour(y->m_Football.GetPosition()));
        }
    }
    KeepTopRow(*list, false);
}

void CFinanceScreen::FillFunding() {
    if (CXStatic* name = FindLabel(kClubName.x, kClubName.y)) name->SetText(m_pClub ? m_pClub->GetName() : "");
    if (!m_pClub) return;
    const double income = m_pClub->GetSeasonTransferIncome();
    const double spending = m_pClub->GetSeasonTransferSpending();
    const std::string values[6] = {m_pClub->FormatTransferBudget(), m_pClub->FormatBankBalance(),
                                   m_pClub->GetManagerNameOrNone(), Money(m_pClub, spending),
                                   Money(m_pClub, income),          Money(m_pClub, income - spending)};
    for (int i = 0; i < 6; ++i)
        if (CXStatic* label = FindLabel(kFundingValueX, kFundingRows[i])) label->SetText(values[i]);
}

void CFinanceScreen::FillAccounts() {
    CWorldData* w = GetWorldData();
    std::string date = CClub::AccountsDate();
    if (date.empty() && w) date = w->GetDayMonthYearText();
    if (CXStatic* line = FindLabel(kClubName.x, kClubName.y))
        line->SetText(platform::FormatMessageId(kWeekEnding, {date}));
    SetButtonGreyed(kWeekly, m_nSeasonView == 0);
    SetButtonGreyed(kSeasonToDate, m_nSeasonView == 1);
    if (CXStatic* v = FindLabel(kBalanceValue.x, kBalanceValue.y)) v->SetText(m_pClub ? m_pClub->FormatBankBalance() : "");
    if (CXStatic* v = FindLabel(kLoanValue.x, kLoanValue.y)) v->SetText(m_pClub ? m_pClub->FormatLoan() : "");
    CListControl* list = GetPageList(0);
    if (!list) return;
    KeepTopRow(*list, true);
    list->ResetContent();
    if (m_pClub) {
        if (m_nSeasonView) m_pClub->FillSeasonAccounts(*list);
        else m_pClub->FillWeeklyAccounts(*list);
    }
    KeepTopRow(*list, false);
}

void CFinanceScreen::SetSeasonView(int view) {
    m_nSeasonView = view ? 1 : 0;
    if (m_nPage == kPayrollPage)
        if (CListControl* list = GetPageList(0))
            list->SetColumnText2(3, platform::LoadString(m_nSeasonView ? kSalaryHeading : kWageHeading));
    FillPage();
}

void CFinanceScreen::AddFundingLine(const std::string& line) {
    m_FundingLines.push_back(line);
    if (m_FundingPanel.IsAlive()) {
        m_FundingPanel.AddLine(line);
        m_FundingPanel.ScrollToEnd();
        m_FundingPanel.Redraw();
    }
}

void CFinanceScreen::RequestFunds() {
    CWorldData* w = GetWorldData();
    if (m_nPage != kFundingPage || !m_pClub || !w || !m_AmountField.IsAlive()) return;
    const double amount = m_AmountField.GetValue();
    const CCountry* country = m_pClub->GetCountry();
    if ((country ? country->ToBaseMoney(amount) : amount) < kSmallestRequest) {
        AddFundingLine(platform::LoadString(kTooSmall));
        return;
    }
    const int week = w->GetWeek();
    // A season with no hearing yet ("none") charges no penalty.
    int gap = -1;
    if (week != m_pClub->GetLastFundsRequestWeek()) {
        m_pClub->SetLastFundsRequestWeek(week);
        const int heard = m_pClub->GetLastGrantedRequestWeek();
        if (heard != CClub::kNoRequest) gap = static_cast<int8_t>(week - heard);
    } else {
        gap = 0;
    }
    const int chance = Random(100);
    const bool soon = gap >= 0 && gap <= 3;
    if (soon && chance - kTooSoon[gap].penalty <= 0) {
        AddFundingLine(platform::LoadString(kTooSoon[gap].text));
    } else {
        m_pClub->SetLastGrantedRequestWeek(week);
        if (const uint32_t answer = m_pClub->RequestFunds(amount, 5)) AddFundingLine(platform::LoadString(answer));
        FillFunding();
    }
    Repaint(0);
}

void CFinanceScreen::SetUpJobCentre() {
    m_nStaffFilter = 5;
    SetJobButtons(false, false, false);
    for (int l = 0; l < 2; ++l)
        if (CListControl* list = GetPageList(l)) {
            list->m_bSelectable = 1;
            list->m_bKeepMark = 1;  // a second click on the chosen man keeps him chosen
        }
    TickFilter(m_nStaffFilter);
}

void CFinanceScreen::TickFilter(uint8_t kind) {
    for (const StaffFilter& f : kFilters)
        if (CXButton* b = FindButton(f.command)) {
            b->SetTicked(f.kind == kind);
            b->Redraw();
        }
}

void CFinanceScreen::SetJobButtons(bool information, bool hire, bool sack) {
    SetButtonGreyed(kInformation, !information);
    SetButtonGreyed(kHire, !hire);
    SetButtonGreyed(kSack, !sack);
}

void CFinanceScreen::SetStaffFilter(uint8_t kind) {
    m_nStaffFilter = kind;
    TickFilter(kind);
    FillPage();
}

void CFinanceScreen::FillJobCentre() {
    if (CXStatic* name = FindLabel(kClubName.x, kClubName.y)) name->SetText(m_pClub ? m_pClub->GetName() : "");
    CListControl* staff = GetPageList(0);
    CListControl* market = GetPageList(1);
    if (!staff || !market) return;
    staff->ResetContent();
    market->ResetContent();
    Unchoose(*staff);
    Unchoose(*market);
    if (m_pClub) {
        m_pClub->FillEmployeeRows(*staff, m_nStaffFilter);
        for (int r = 0; r < staff->GetRowCount(); ++r) staff->SetRowData2(r, kRowEmployee);
        if (const CCountry* country = m_pClub->GetCountry()) {
            country->FillAvailableEmployeeList(*market, m_nStaffFilter);
            // The market's last two columns have no heading and stay empty.
            for (int r = 0; r < market->GetRowCount(); ++r) {
                market->SetRowData2(r, kRowMarket);
                market->SetItem(r, 4, "");
                market->SetItem(r, 5, "");
            }
        }
    }
    staff->Redraw();
    market->Redraw();
}

void CFinanceScreen::OnListClick(CListControl* list, int row, int column) {
    CSectionHub::OnListClick(list, row, column);
    if (m_nPage != kJobCentrePage || !list) return;
    CListControl* staff = GetPageList(0);
    CListControl* market = GetPageList(1);
    if (!staff || !market) return;
    const bool selected = row >= 0 && row < list->GetRowCount();
    if (list == staff && selected) {
        Unchoose(*market);
        market->Redraw();
        SetJobButtons(true, false, true);
    } else if (list == market && selected) {
        Unchoose(*staff);
        staff->Redraw();
        SetJobButtons(true, true, false);
    } else {
        Unchoose(*list);
        SetJobButtons(false, false, false);
    }
}

void CFinanceScreen::HireEmployee() {
    CListControl* market = GetPageList(1);
    if (m_nPage != kJobCentrePage || !market || !m_pClub || ChosenRow(*market) < 0) return;
    auto* e = reinterpret_cast<CAvailableEmployee*>(market->GetItemData(ChosenRow(*market)));
    if (!e) return;
    if (m_pClub->HasApproachedEmployee(*e)) {
        AskAbout(e->Person(), platform::FormatMessageId(kNoNegotiation, {e->GetName(), m_pClub->GetName()}),
                 kBoxNotice);
        return;
    }
    if (m_pClub->ConfirmHireEmployee(e->m_JobKind) != 1) return;
    if (m_pClub->AcceptsLevel(e->m_Ability)) {
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent()))
            manager->OpenScreenById(kContractScreen, reinterpret_cast<intptr_t>(e), 0, kPersonListStaffMarket, 0);
        return;
    }
    m_pClub->AddApproachedEmployee(*e);
    AskAbout(e->Person(), platform::FormatMessageId(kNoIntention, {e->GetName(), m_pClub->GetName()}), kBoxNotice);
    Unchoose(*market);
    SetJobButtons(false, false, false);
    market->Redraw();
}

void CFinanceScreen::SackEmployee() {
    CListControl* staff = GetPageList(0);
    CWorldData* w = GetWorldData();
    if (m_nPage != kJobCentrePage || !staff || !m_pClub || !w || ChosenRow(*staff) < 0) return;
    auto* e = reinterpret_cast<CEmployee*>(staff->GetItemData(ChosenRow(*staff)));
    const int index = e ? m_pClub->Staff().FindIndex(e) : -1;
    if (index < 0 || index >= m_pClub->Staff().GetSize()) return;
    // He is paid what the question names: at most four weeks' wages.
    const double owed = e->m_Person.GetContractCost(false, w->GetWeek());
    const double paid = e->m_Person.GetContractCost(true, w->GetWeek());
    bool sack = owed == 0.0;
    if (!sack) {
        const CCountry* country = m_pClub->GetCountry();
        const std::string question =
            country ? e->m_Person.FormatContractMoney(*country, kSackQuestion, true)
                    : platform::FormatMessageId(kSackQuestion, {e->GetName(), Money(m_pClub, paid)});
        sack = AskAbout(e->Person(), question, kBoxYesNo) == kAnswerYes;
    }
    if (sack) {
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) {
            const PersonIdentity id = IdentifyPerson(e, kPersonListStaff);
            manager->RemoveHistoryEntries({id.index, id.owner, id.kind}, true);
        }
        m_pClub->DismissEmployee(index, paid);
    }
    Unchoose(*staff);
    SetJobButtons(false, false, false);
    FillJobCentre();
}

void CFinanceScreen::ShowInformation() {
    for (int l = 0; l < 2; ++l) {
        CListControl* list = GetPageList(l);
        if (!list || ChosenRow(*list) < 0) continue;
        const int row = ChosenRow(*list);
        if (const uintptr_t data = list->GetItemData(row)) OpenPerson(data, list->GetItemData2(row));
        return;
    }
}

void CFinanceScreen::OpenPerson(uintptr_t subject, uintptr_t kind) {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager || !subject) return;
    if (kind == kRowManager) {
        g_nScreenId = kProfileScreen;
        manager->SetScreen(MakePage(PageClass::ManProf), true, true, false, true, false);
        return;
    }
    manager->OpenScreenById(kPersonScreen, static_cast<intptr_t>(subject), static_cast<intptr_t>(kind), 0, 0);
}

void CFinanceScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    if (flags != ui::kRelayedFlags) return;
    for (int l = 0; l < (m_nPage == kJobCentrePage ? 2 : 1); ++l) {
        CListControl* list = GetPageList(l);
        if (!list) continue;
        const int row = list->GetPointerRow();
        if (row < 0 || row >= list->GetRowCount()) continue;
        const uintptr_t data = list->GetItemData(row), kind = list->GetItemData2(row);
        if (!data || kind == kRowHeading) return;
        if (m_nPage == kPayrollPage && kind == kRowEmployee && reinterpret_cast<const CEmployee*>(data)->IsContact())
            return;
        if (m_nPage == kPayrollPage || m_nPage == kJobCentrePage) OpenPerson(data, kind);
        return;
    }
}

void CFinanceScreen::OnRButtonDown(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        OnHubRightPress(flags, pt, kFinancesMenu);
        return;
    }
    // A direct press on a list row comes back relayed through the base and
    // is answered there; it is not answered twice.
    if (flags != ui::kRelayedFlags) {
        m_bPressAnswered = false;
        CScreensInfo::OnRButtonDown(flags, pt);
        if (m_bPressAnswered) return;
    }
    m_bPressAnswered = true;
    const bool employed = HubManagerEmployed();
    const int row = HitTestListRow(pt.x, pt.y);
    if (row >= 0 && (m_nPage == kPayrollPage || m_nPage == kJobCentrePage)) {
        const uintptr_t data = GetListRowData(pt.x, pt.y);
        CListControl* list = GetPageList(0);
        uintptr_t kind = kRowEmployee;
        if (m_nPage == kPayrollPage && list && row < list->GetRowCount()) kind = list->GetItemData2(row);
        if (kind == kRowHeading) return;
        if (m_nPage == kJobCentrePage || kind == kRowPlayer || kind == kRowEmployee) {
            if (employed && data)
                ShowContextMenu(kind == kRowPlayer ? kPlayerMenuCode : kEmployeeMenuCode, pt.x, pt.y, data);
            return;
        }
    }
    ShowContextMenu(kFinancesMenu, pt.x, pt.y, 0);
}

bool CFinanceScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kHubPage) return CSectionHub::OnCommand(id, code, control);
    if (CXButton* b = FindButton(id); b && b->IsGreyed()) return true;
    switch (id) {
        case kWeekly: SetSeasonView(0); return true;
        case kSeason:
        case kSeasonToDate: SetSeasonView(1); return true;
        case kRequest: RequestFunds(); return true;
        case kHire: HireEmployee(); return true;
        case kSack: SackEmployee(); return true;
        case kInformation: ShowInformation(); return true;
        default: break;
    }
    if (m_nPage == kJobCentrePage)
        for (const StaffFilter& f : kFilters)
            if (f.command == id) {
                SetStaffFilter(f.kind);
                return true;
            }
    return CScreensInfo::OnCommand(id, code, control);
}

intptr_t CFinanceScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    if (m_nPage == kFundingPage && (msg == kMsgSpinStepped || msg == kMsgSpinTyped) &&
        reinterpret_cast<CXSpinedit*>(w) == &m_AmountField) {
        SetButtonGreyed(kRequest, !(m_AmountField.GetValue() > 0.0));
        return 0;
    }
    return CSectionHub::OnMessage(msg, w, l);
}

bool CFinanceScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CFinanceScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item || item->kind == 0 || item->kind == 1) return;
    CSectionHub::OnTreeSelect(item);
    if (m_nPage == kHubPage) return;
    // The Job Centre keeps its filter, and the button that shows it ticked.
    FillPage();
    if (m_nPage == kJobCentrePage) TickFilter(m_nStaffFilter);
}

int CFinanceScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = HistoryState{m_nSeasonView, m_nStaffFilter, m_nPage};
    return 0;
}

void CFinanceScreen::SetHistoryParams(const HistoryState* block) {
    if (!block) return;
    m_nSeasonView = block->identity == 1 ? 1 : 0;
}
