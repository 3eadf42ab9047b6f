// The finance section: the hub (103) with its two directors, Payroll (7),
// Manager Funding (21), Accounts (25) and the Job Centre (38).
#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "screens/club_fixture.h"
#include "screens/financescreen.h"
#include "screens/playerscreen.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"
#include "soccerclasses/youth.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

namespace clubpagetest {
namespace {

class FinancePages : public ClubPages {
protected:
    CFinanceScreen* Open(int screen) { return OpenAs<CFinanceScreen>(screen); }
    CFinanceScreen* Page() { return dynamic_cast<CFinanceScreen*>(manager.GetCurrentPage()); }
    static std::string Text(unsigned id, std::initializer_list<platform::MsgArg> args = {}) {
        return platform::FormatMessageId(id, args);
    }
    static std::vector<std::string> Column(CListControl& list, int column) {
        std::vector<std::string> out;
        for (int r = 0; r < list.GetRowCount(); ++r) out.push_back(list.GetItemText(r, column));
        return out;
    }
    CEmployee* HireWith(uint8_t kind, const std::string& name, double wage, uint8_t years) {
        CEmployee* e = Hire(kind, name);
        e->Person().SetWeeklyWage(wage);
        e->Person().SetContractYears(years);
        return e;
    }
    CCountry& Country() { return *Club().GetCountry(); }
    CAvailableEmployee* Offer(uint8_t kind, const std::string& surname, uint8_t ability) {
        CBasicEmployee e;
        e.m_JobKind = kind;
        e.m_Ability = ability;
        e.Person().Set("K", surname, 50, 1);
        Country().AddAvailableEmployee(e);
        return Country().GetAvailableEmployee(Country().GetStaffMarket()->GetSize() - 1);
    }
    bool Greyed(uint32_t id) { return Page()->FindButton(id) && Page()->FindButton(id)->IsGreyed(); }
};

// --- the hub ---

TEST_F(FinancePages, TheHubBuildsItsSectionButtonsAndListsBothDirectors) {
    CEmployee* financial = Hire(9, "Ledger");
    Hire(10, "Sponsor");
    CFinanceScreen* page = Open(103);
    ASSERT_NE(page, nullptr);
    const uint32_t ids[] = {23322, 23323, 23320, 23325, 23321};
    ASSERT_EQ(page->GetButtonCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(page->GetButton(i).Id(), ids[i]);
        EXPECT_EQ(page->GetButton(i).WindowRect(), Rect::XYWH(23 + 98 * i, 378, 84, 84));
        EXPECT_EQ(page->GetButton(i).GetFrameCount(), 8) << "every frame of the finance hub's button loads";
    }
    ASSERT_NE(page->GetStaffList(), nullptr);
    EXPECT_EQ(page->GetStaffList()->GetRowCount(), 2);
    EXPECT_EQ(page->GetAdvisor(), financial);
    EXPECT_EQ(page->FindLabel(30, 22)->GetText(), "Financial Screens");
    Save("finance-hub");
}

TEST_F(FinancePages, TheFinancialDirectorsWelcomeStandsAloneElseTheMoneysStateSpeaks) {
    CEmployee* financial = Hire(9, "Ledger");
    User().AddMessage(117, "", "", "", -1);
    CFinanceScreen* page = Open(103);
    page->SelectAdvisor(financial);
    EXPECT_EQ(page->GetAdvisorLines(), std::vector<std::string>{Text(33149)});
    User().AddMessage(198, "", "", "", -1);
    page->SelectAdvisor(financial);
    EXPECT_EQ(page->GetAdvisorLines(), std::vector<std::string>{Text(33296)});
}

TEST_F(FinancePages, TheCommercialDirectorAwayIsStoredOnceAndShownAgain) {
    CEmployee* commercial = Hire(10, "Sponsor");
    CFinanceScreen* page = Open(103);
    page->SelectAdvisor(commercial);
    ASSERT_EQ(page->GetAdvisorLines().size(), 1u);
    EXPECT_EQ(page->GetAdvisorLines()[0], "The Commercial Director is away at the moment visiting potential sponsors.");
    EXPECT_EQ(InboxCount(250), 1);
    page->SelectAdvisor(commercial);
    EXPECT_EQ(page->GetAdvisorLines().size(), 1u);
    EXPECT_EQ(InboxCount(250), 1) << "a second visit stores no second message";
}

TEST_F(FinancePages, TheCommercialDirectorSpeaksOnceOfEachCodeInTheWordsOfTheClubsLevel) {
    CEmployee* commercial = Hire(10, "Sponsor");
    User().AddMessage(13, "League Cup", "", "", -1);
    User().AddMessage(15, "League Cup", "", "", -1);
    CFinanceScreen* page = Open(103);
    ASSERT_FALSE(Club().GetDivision()->IsTopDivision());
    page->SelectAdvisor(commercial);
    EXPECT_EQ(page->GetAdvisorLines(),
              (std::vector<std::string>{Text(34431, {"League Cup"}), Text(33158, {"League Cup"})}))
        << "one line per message, the lower level's words in place of the top's";

    world.GetCountry(1)->AddDivision(0);
    ASSERT_TRUE(Club().GetDivision()->IsTopDivision());
    page->SelectAdvisor(commercial);
    EXPECT_EQ(page->GetAdvisorLines(), std::vector<std::string>{Text(34423, {"League Cup"})})
        << "a top club's director has nothing to say of code 15";
}

TEST_F(FinancePages, OutOfWorkTheSectionButtonsOpenNothing) {
    CFinanceScreen* page = Open(103);
    SackUser();
    for (uint32_t id : {23322u, 23323u, 23320u, 23325u, 23321u}) {
        page->OpenSection(id);
        Drain();
        EXPECT_EQ(manager.GetCurrentPage(), page) << id;
    }
}

TEST_F(FinancePages, TheSectionButtonsOpenTheirPages) {
    const std::pair<uint32_t, int> cases[] = {{23322, 7}, {23323, 21}, {23320, 38}, {23325, 25}};
    for (auto [command, screen] : cases) {
        Open(103)->OpenSection(command);
        Drain();
        ASSERT_NE(Page(), nullptr) << command;
        EXPECT_EQ(Page()->GetPage(), screen);
    }
}

// --- Payroll ---

TEST_F(FinancePages, PayrollListsItsSectionsAndSeasonMoneyIsFiftyTwoTruncatedWeeks) {
    HireWith(0, "Whistler", 812.75, 2);
    const std::pair<int, const char*> signings[] = {{CSoccerPlayer::kGoalkeeper, "Safehands"},
                                                    {CSoccerPlayer::kDefender, "Stopper"},
                                                    {CSoccerPlayer::kAttacker, "Finisher"}};
    for (const auto& [position, surname] : signings) {
        const uint16_t id = AddPlayer(position, 640.0);
        world.GetPlayer(id)->Person().SetSurname(surname);
        ASSERT_TRUE(Club().AddPlayerToSquad(id));
    }
    CFinanceScreen* page = Open(7);
    ASSERT_NE(page, nullptr);
    CListControl& list = *page->GetPageList(0);
    const auto names = Column(list, 0);
    const std::string heading = Text(53316, {1});
    ASSERT_NE(std::find(names.begin(), names.end(), heading), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Manager") != names.end(), Club().HasManager());
    EXPECT_EQ(std::count_if(names.begin(), names.end(), [](const std::string& s) { return s.rfind("Youths", 0) == 0; }),
              Club().Youths().GetSize() > 0 ? 1 : 0)
        << "a club without youths shows no youths section";
    int row = -1;
    for (int r = 0; r < list.GetRowCount(); ++r)
        if (list.GetItemText(r, 1) == std::string("Coach") || names[size_t(r)].find("Whistler") != std::string::npos)
            row = r;
    ASSERT_GE(row, 0);
    EXPECT_EQ(list.GetItemData2(row), CFinanceScreen::kRowEmployee);
    EXPECT_EQ(list.GetItemText(row, 3), Club().FormatMoney(812));
    for (int r = 0; r < list.GetRowCount(); ++r) {
        if (list.GetItemData2(r) != CFinanceScreen::kRowHeading) continue;
        for (int c = 1; c < list.GetColumnCount(); ++c)
            EXPECT_EQ(std::string(list.GetItemText(r, c)), "") << "a heading stands alone in its row";
    }
    EXPECT_TRUE(Greyed(29009)) << "the weekly view's own button is inactive";
    EXPECT_FALSE(Greyed(21714));
    Save("finance-payroll");

    list.SetTopRow(3);
    page->SetSeasonView(1);
    EXPECT_EQ(list.GetItemText(row, 3), Club().FormatMoney(812 * 52));
    EXPECT_EQ(list.GetTopRow(), 3) << "the list keeps its place across the views";
    EXPECT_TRUE(Greyed(21714));
    EXPECT_EQ(page->FindLabel(30, 22)->GetText(), "Payroll Season");
    page->SetSeasonView(0);
    EXPECT_EQ(list.GetTopRow(), 3);
}

TEST_F(FinancePages, PayrollWithoutAManagerHasNoManagerSection) {
    Club().ClearManager();
    ASSERT_FALSE(Club().HasManager());
    CFinanceScreen* page = Open(7);
    const auto names = Column(*page->GetPageList(0), 0);
    EXPECT_EQ(std::find(names.begin(), names.end(), "Manager"), names.end());
    EXPECT_EQ(names.front(), Text(53317, {static_cast<int>(Club().GetSquadSize())})) << "the players come first";
}

// --- Manager Funding ---

class FundingPage : public FinancePages {
protected:
    void SetUp() override {
        FinancePages::SetUp();
        page = Open(21);
        ASSERT_NE(page, nullptr);
    }
    void Ask(double amount) {
        // The field shows thousands where the currency abbreviates.
        CXSpinedit& field = page->GetAmountField();
        field.SetValue(amount, false);
        if (field.GetValue() != amount) field.SetValue(amount / 1000, false);
        page->Send(kMsgSpinStepped, reinterpret_cast<uintptr_t>(&field), 0);  // as the arrows tell the page
        page->RequestFunds();
    }
    CFinanceScreen* page = nullptr;
};

TEST_F(FundingPage, ASmallRequestIsRefusedWithoutTouchingTheWeeks) {
    Ask(Country().ToLocalMoney(5000));
    EXPECT_EQ(page->GetFundingLines(), std::vector<std::string>{Text(53320)});
    EXPECT_EQ(Club().GetLastFundsRequestWeek(), CClub::kNoRequest);
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), CClub::kNoRequest);
}

TEST_F(FundingPage, AFirstRequestIsHeardWhateverTheDrawAndASecondThatWeekSurprisesTheBoard) {
    const int week = world.GetWeek();
    {
        // The lowest draw: a penalty of any size would refuse it.
        platform::ScopedRandomScript draws({0, 0, 0, 0, 0, 0});
        Ask(Country().ToLocalMoney(50000));
    }
    ASSERT_EQ(page->GetFundingLines().size(), 1u);
    EXPECT_NE(page->GetFundingLines()[0], Text(32916)) << "no hearing yet this season costs nothing";
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), week);
    EXPECT_EQ(page->FindLabel(267, 119)->GetText(), Club().FormatTransferBudget());
    EXPECT_EQ(page->FindLabel(267, 147)->GetText(), Club().FormatBankBalance());

    {
        platform::ScopedRandomScript draws({32767, 32767, 32767});
        Ask(Country().ToLocalMoney(50000));
    }
    ASSERT_EQ(page->GetFundingLines().size(), 2u);
    EXPECT_EQ(page->GetFundingLines()[1], Text(32916));
    Save("finance-funding");
}

// An approval: the board's words reach the panel and the page shows the
// larger funds at once.
TEST_F(FundingPage, AnApprovedRequestRaisesTheApprovedFundsOnThePage) {
    const std::string before = page->FindLabel(267, 119)->GetText();
    const double budget = Club().GetTransferBudget();
    {
        platform::ScopedRandomScript draws({32767, 32767});  // heard, and the board agrees
        Ask(Country().ToLocalMoney(50000));
    }
    ASSERT_EQ(page->GetFundingLines(), std::vector<std::string>{Text(32924)});
    EXPECT_GT(Club().GetTransferBudget(), budget);
    EXPECT_EQ(page->FindLabel(267, 119)->GetText(), Club().FormatTransferBudget());
    EXPECT_NE(page->FindLabel(267, 119)->GetText(), before);
    Save("finance-funding-approved");
}

// A year on, in the same week of the next season, the board hears the
// manager again: the new season forgot last season's request.
TEST_F(FundingPage, ARequestInTheSameWeekOfTheNextSeasonIsHeard) {
    const int week = world.GetWeek();
    Club().SetLastFundsRequestWeek(week);
    Club().SetLastGrantedRequestWeek(week);
    Club().StartNewSeason();
    {
        platform::ScopedRandomScript draws({0, 0, 0, 0, 0, 0});  // any penalty would refuse it
        Ask(Country().ToLocalMoney(50000));
    }
    ASSERT_EQ(page->GetFundingLines().size(), 1u);
    EXPECT_NE(page->GetFundingLines()[0], Text(32916)) << "not \"so soon\"";
    EXPECT_EQ(Club().GetLastGrantedRequestWeek(), week) << "heard";
}

TEST_F(FundingPage, TheWeeksGapChoosesThePenaltyAndItsWords) {
    const int week = world.GetWeek();
    if (week < 3) GTEST_SKIP() << "the world starts too early in its season";
    struct Case {
        int gap;
        unsigned text;
    };
    for (Case c : {Case{1, 32917}, Case{2, 32918}, Case{3, 32919}}) {
        Club().SetLastFundsRequestWeek(CClub::kNoRequest);
        Club().SetLastGrantedRequestWeek(week - c.gap);
        const size_t before = page->GetFundingLines().size();
        {
            platform::ScopedRandomScript draws({0});  // a draw of 0 falls to every penalty
            Ask(Country().ToLocalMoney(50000));
        }
        ASSERT_EQ(page->GetFundingLines().size(), before + 1);
        EXPECT_EQ(page->GetFundingLines().back(), Text(c.text)) << "gap " << c.gap;
        EXPECT_EQ(Club().GetLastGrantedRequestWeek(), week - c.gap) << "a refusal is no hearing";
    }
}

TEST_F(FundingPage, RequestIsActiveOnlyAboveNothing) {
    EXPECT_TRUE(Greyed(32911));
    page->GetAmountField().SetValue(1000, false);
    page->Send(kMsgSpinStepped, reinterpret_cast<uintptr_t>(&page->GetAmountField()), 0);
    EXPECT_FALSE(Greyed(32911));
    page->GetAmountField().SetValue(0, false);
    page->Send(kMsgSpinTyped, reinterpret_cast<uintptr_t>(&page->GetAmountField()), 0);
    EXPECT_TRUE(Greyed(32911));
}

// --- Accounts ---

TEST_F(FinancePages, AccountsShowTheWeekOrTheSeasonOfTheClubsBooks) {
    ASSERT_NE(Club().GetAccounts(), nullptr);
    Club().GetAccounts()->AddToItem(kGateReceipts, 12000);
    Club().GetAccounts()->ResetWeek();
    Club().GetAccounts()->AddToItem(kGateReceipts, 3000);
    CFinanceScreen* page = Open(25);
    ASSERT_NE(page, nullptr);
    CListControl& list = *page->GetPageList(0);
    const std::string gate = CAccountsItemList::StatementName(CAccountsItemList::GetCategoryName(kGateReceipts));
    auto gateIncome = [&] {
        for (int r = 0; r < list.GetRowCount(); ++r)
            if (list.GetItemText(r, 0) == gate) return std::string(list.GetItemText(r, 1));
        return std::string("missing");
    };
    EXPECT_EQ(gateIncome(), Club().FormatMoney(3000));
    EXPECT_TRUE(Greyed(29009));
    EXPECT_EQ(page->FindLabel(30, 61)->GetText().rfind("Week Ending - ", 0), 0u);
    EXPECT_EQ(page->FindLabel(145, 374)->GetText(), Club().FormatBankBalance());
    EXPECT_EQ(page->FindLabel(417, 374)->GetText(), Club().FormatLoan());
    page->SetSeasonView(1);
    EXPECT_EQ(gateIncome(), Club().FormatMoney(15000));
    EXPECT_TRUE(Greyed(29008));
    EXPECT_FALSE(Greyed(29009));
    Save("finance-accounts");
}

TEST(FinanceAccountsFill, AClubWithoutAccountsFillsNoRows) {
    CClub club;
    RecordingListRows rows;
    club.FillWeeklyAccounts(rows);
    club.FillSeasonAccounts(rows);
    EXPECT_TRUE(rows.Rows().empty());
}

// --- Job Centre ---

class JobCentre : public FinancePages {
protected:
    void SetUp() override {
        FinancePages::SetUp();
        ASSERT_NE(Country().GetStaffMarket(), nullptr);
        Country().GetStaffMarket()->RemoveAll();
        coach = HireWith(0, "Whistler", 500, 0);
        physio = HireWith(1, "Bandage", 400, 3);
        Offer(0, "Drill", 60);
        Offer(2, "Spyglass", 55);
        page = Open(38);
        ASSERT_NE(page, nullptr);
    }
    CListControl& Staff() { return *page->GetPageList(0); }
    CListControl& Market() { return *page->GetPageList(1); }
    // A click's choice: the row marked and highlighted, then the page told.
    void Select(CListControl& list, int row) {
        list.ClearSelected();
        list.AddSelected(row);
        list.SetSelection(row);
        page->OnListClick(&list, row, 0);
    }
    static int Chosen(const CListControl& list) { return list.GetSelectedCount() ? list.GetSelected(0) : -1; }
    int RowOf(CListControl& list, const std::string& surname) {
        for (int r = 0; r < list.GetRowCount(); ++r)
            if (std::string(list.GetItemText(r, 0)).find(surname) != std::string::npos) return r;
        return -1;
    }
    CEmployee* coach = nullptr;
    CEmployee* physio = nullptr;
    CFinanceScreen* page = nullptr;
};

TEST_F(JobCentre, EachFilterListsItsKindInBothListsAndAllListsEveryKind) {
    EXPECT_EQ(page->GetStaffFilter(), 5);
    EXPECT_TRUE(page->FindButton(995)->IsTicked());
    const int allStaff = Staff().GetRowCount();
    EXPECT_GE(allStaff, 2);
    EXPECT_EQ(Market().GetRowCount(), 2);
    for (int r = 0; r < Market().GetRowCount(); ++r)
        for (int c : {4, 5}) EXPECT_EQ(std::string(Market().GetItemText(r, c)), "") << "untitled column " << c;
    for (const auto& f : CFinanceScreen::kFilters) {
        page->SetStaffFilter(f.kind);
        EXPECT_TRUE(page->FindButton(f.command)->IsTicked());
        for (CListControl* list : {&Staff(), &Market()})
            for (int r = 0; r < list->GetRowCount() && f.kind != 5; ++r)
                EXPECT_EQ(reinterpret_cast<const CBasicEmployee*>(list->GetItemData(r))->m_JobKind, f.kind);
    }
    page->SetStaffFilter(0);
    EXPECT_EQ(Staff().GetRowCount(), 1);
    EXPECT_EQ(Market().GetRowCount(), 1);
    EXPECT_FALSE(page->FindButton(995)->IsTicked());
    Save("finance-jobcentre");
}

// A club chosen in the tree leaves the Job Centre on its filter, the button
// that shows it still ticked.
TEST_F(JobCentre, ATreeSelectionKeepsTheFilterAndItsButton) {
    page->SetStaffFilter(0);
    uint32_t coaches = 0;
    for (const auto& f : CFinanceScreen::kFilters)
        if (f.kind == 0) coaches = f.command;
    ASSERT_NE(coaches, 0u);
    TreeNotice item;
    item.kind = kContextClub;
    item.level = 3;
    item.data = reinterpret_cast<uintptr_t>(&PortEllis());
    page->OnTreeSelect(&item);
    EXPECT_EQ(page->GetStaffFilter(), 0);
    EXPECT_TRUE(page->FindButton(coaches)->IsTicked());
    EXPECT_FALSE(page->FindButton(995)->IsTicked());
    EXPECT_EQ(Market().GetRowCount(), 1) << "the market still by the filter";
}

TEST_F(JobCentre, AMarketRowAfterAStaffRowLeavesOnlyTheMarketRowAndNoSack) {
    EXPECT_TRUE(Greyed(32909));
    EXPECT_TRUE(Greyed(768));
    EXPECT_TRUE(Greyed(334));
    Select(Staff(), 0);
    EXPECT_FALSE(Greyed(334));
    EXPECT_TRUE(Greyed(768));
    Select(Market(), 0);
    EXPECT_EQ(Chosen(Staff()), -1);
    EXPECT_EQ(Chosen(Market()), 0);
    EXPECT_TRUE(Greyed(334));
    EXPECT_FALSE(Greyed(768));
    EXPECT_FALSE(Greyed(32909));
}

TEST_F(JobCentre, SackingAManWithNoContractLeftAsksNothing) {
    const double balance = Club().GetBankBalance();
    Select(Staff(), RowOf(Staff(), "Whistler"));
    page->SackEmployee();
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_GE(Club().Staff().FindIndex(coach), Club().Staff().GetSize()) << "he is gone";
    EXPECT_EQ(Club().GetBankBalance(), balance);
    EXPECT_EQ(RowOf(Staff(), "Whistler"), -1) << "the list is filled again";
    EXPECT_TRUE(Greyed(334));
}

TEST_F(JobCentre, TheSackQuestionNamesTheCappedMoneyAndThatIsWhatIsPaid) {
    const double balance = Club().GetBankBalance();
    const double capped = 4 * 400.0;
    const std::string name = physio->GetName();
    // Only the address: once sacked he is gone.
    const auto* face = &physio->Person();
    port.AnswerNext(kAnswerYes);
    Select(Staff(), RowOf(Staff(), "Bandage"));
    page->SackEmployee();
    ASSERT_EQ(port.Boxes().size(), 1u);
    std::string money;
    Country().FormatMoney(money, capped);
    EXPECT_EQ(port.Boxes()[0].text, Text(425, {name, money}))
        << "years left, but at most four weeks are paid";
    EXPECT_EQ(port.Boxes()[0].person, face) << "the question shows his face";
    EXPECT_EQ(Club().GetBankBalance(), balance - capped);
}

TEST_F(JobCentre, AManWhoTurnedTheClubDownWillNotNegotiateAgain) {
    const CPopularityList& table = world.GetPopularityList();
    const int high = table.GetStaffLevelMaximum(Club().GetPopularityIndex());
    ASSERT_LT(high, 255);
    // Above the club's level, and the draw says no.
    CAvailableEmployee* weak = Offer(3, "Novice", static_cast<uint8_t>(high + 1));
    page->FillPage();
    Select(Market(), RowOf(Market(), "Novice"));
    {
        platform::ScopedRandomScript draws({32767, 32767, 32767});
        page->HireEmployee();
    }
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].text, Text(835, {weak->GetName(), Club().GetName()}));
    EXPECT_EQ(port.Boxes()[0].person, &weak->Person()) << "every refusal shows his face";
    EXPECT_TRUE(Club().HasApproachedEmployee(*weak));
    EXPECT_EQ(Chosen(Market()), -1);
    Select(Market(), RowOf(Market(), "Novice"));
    page->HireEmployee();
    ASSERT_EQ(port.Boxes().size(), 2u);
    EXPECT_EQ(port.Boxes()[1].text, Text(1169, {weak->GetName(), Club().GetName()}));
    EXPECT_EQ(port.Boxes()[1].person, &weak->Person());
}

TEST_F(JobCentre, HiringAWillingManOpensContractTalksOnHim) {
    const CPopularityList& table = world.GetPopularityList();
    const int low = table.GetStaffLevelMinimum(Club().GetPopularityIndex());
    CAvailableEmployee* able = Offer(3, "Mentor", static_cast<uint8_t>(std::max(low, 1)));
    page->FillPage();
    Select(Market(), RowOf(Market(), "Mentor"));
    {
        platform::ScopedRandomScript draws({0, 0, 0});
        page->HireEmployee();
    }
    Drain();
    ASSERT_NE(manager.GetCurrentPage(), nullptr);
    EXPECT_EQ(g_nScreenId, 62);
    EXPECT_EQ(manager.GetCurrentPage()->GetPageFactory(), GetPageFactory(PageClass::Player));
    auto* talks = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    ASSERT_NE(talks, nullptr);
    EXPECT_EQ(talks->m_pSubject, able) << "the talks are with the man chosen";
    EXPECT_EQ(talks->m_nSubjectKind, 2) << "a man of the market being hired";
}

// --- the approached staff follow the market ---

TEST_F(JobCentre, ApproachesFollowTheMarketAndAreForgottenWhenItTurnsOver) {
    CAvailableEmployee* first = Country().GetAvailableEmployee(0);
    CAvailableEmployee* second = Country().GetAvailableEmployee(1);
    CAvailableEmployee* third = Offer(4, "Deputy", 40);
    Club().AddApproachedEmployee(*second);
    Club().AddApproachedEmployee(*third);
    ASSERT_EQ(Club().ApproachedEmployees(), (std::vector<uint32_t>{1, 2}));
    Country().RemoveAvailableEmployee(second);
    EXPECT_EQ(Club().ApproachedEmployees(), (std::vector<uint32_t>{1})) << "the man above moves down with his place";
    EXPECT_TRUE(Club().HasApproachedEmployee(*third));
    EXPECT_FALSE(Club().HasApproachedEmployee(*first)) << "another man took no one's refusal";
    Country().ClearMarkets();
    EXPECT_TRUE(Club().ApproachedEmployees().empty());
}

}  // namespace
}  // namespace clubpagetest
