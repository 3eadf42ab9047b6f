#pragma once
// The finance section: the hub (103) with the financial and commercial
// directors' advice, Payroll (7), Manager Funding (21), Accounts (25) and
// the Job Centre (38). One class serves these pages; g_nScreenId at
// construction says which. Every figure is the current user's club's.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "ui/xspinedit.h"

class CClub;
class CXStatic;

class CFinanceScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 103;
    static constexpr int kPayrollPage = 7;
    static constexpr int kFundingPage = 21;
    static constexpr int kAccountsPage = 25;
    static constexpr int kJobCentrePage = 38;
    static constexpr int kFinanceSection = 4;  // the tool box's finance button
    static constexpr int kStaffGroup = 103;

    // The hub's section commands.
    static constexpr uint32_t kJobCentre = 23320;
    static constexpr uint32_t kAccountsChart = 23321;
    static constexpr uint32_t kPayroll = 23322;
    static constexpr uint32_t kManagerFunding = 23323;
    static constexpr uint32_t kAccounts = 23325;
    // The pages' own commands.
    static constexpr uint32_t kWeekly = 29009;
    static constexpr uint32_t kSeason = 21714;
    static constexpr uint32_t kSeasonToDate = 29008;
    static constexpr uint32_t kRequest = 32911;
    static constexpr uint32_t kAmountField = 32912;
    static constexpr uint32_t kHire = 768;
    static constexpr uint32_t kSack = 334;
    static constexpr uint32_t kInformation = 32909;
    // The Job Centre's filters, and the job kind each shows (5 every kind).
    struct StaffFilter {
        uint32_t command;
        uint8_t kind;
    };
    static constexpr StaffFilter kFilters[6] = {{995, 5}, {996, 4}, {997, 0}, {998, 1}, {999, 3}, {1003, 2}};
    // The row kinds of the pages' lists (a row's second data word).
    static constexpr uintptr_t kRowPlayer = 0, kRowEmployee = 1, kRowMarket = 2, kRowYouth = 3, kRowManager = 6,
                               kRowHeading = 99;
    // Funding requests: below this much base money the board will not sit.
    static constexpr double kSmallestRequest = 10000.0;

    CFinanceScreen();
    ~CFinanceScreen() override;

    int GetPage() const { return m_nPage; }
    int GetSeasonView() const { return m_nSeasonView; }
    int GetStaffFilter() const { return m_nStaffFilter; }
    CXSpinedit& GetAmountField() { return m_AmountField; }
    // The funding panel's lines since the page opened.
    const std::vector<std::string>& GetFundingLines() const { return m_FundingLines; }
    CXStatic* FindLabel(int x, int y);
    CXButton* FindButton(uint32_t id);
    // The page's first and second lists (null where the page has none).
    CListControl* GetPageList(int i);

    void Initialise() override;
    void Refresh() override;
    PageFactory GetPageFactory() const override;
    bool GetToolTipText(int index, std::string& text) override;
    void OnTreeSelect(const TreeNotice* item) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    void OnListClick(CListControl* list, int row, int column) override;

    // The pages' work, open to the tool box and tests.
    void FillPage();
    void SetSeasonView(int view);
    void SetStaffFilter(uint8_t kind);
    void RequestFunds();
    void HireEmployee();
    void SackEmployee();
    void ShowInformation();

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kFinanceSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void AdvisorFallback(const CEmployee& advisor, CHumanManager& user, HubPanelLines& lines) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    void FillPayroll();
    void FillFunding();
    void FillAccounts();
    void FillJobCentre();
    void SetUpJobCentre();
    void SetJobButtons(bool information, bool hire, bool sack);
    void TickFilter(uint8_t kind);
    void AddFundingLine(const std::string& line);
    void SetButtonGreyed(uint32_t id, bool greyed);
    void OpenPerson(uintptr_t subject, uintptr_t kind);
    // The list's top row kept across a refill once it has been filled.
    void KeepTopRow(CListControl& list, bool before);

    int m_nPage = kHubPage;
    CClub* m_pClub = nullptr;
    int m_nSeasonView = 0;
    uint8_t m_nStaffFilter = 5;
    bool m_bListFilled = false;
    bool m_bPressAnswered = false;  // a right press already answered through its list
    int m_nSavedTopRow = 0;
    CXSpinedit m_AmountField;
    CXMessageDisplay m_FundingPanel;
    std::vector<std::string> m_FundingLines;
};

void RegisterFinanceScreen();
