#pragma once
// The squad section's hub (page 100) and the two list pages it opens: the
// physio's injury list (page 36) and the youth squad beside the country's
// available youths (page 40). The page built is chosen by g_nScreenId.
#include <string>
#include <vector>

#include "screens/sectionhub.h"

class CClub;
class CYouth;
class CAvailableYouth;

class CSquadScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 100;
    static constexpr int kPhysioPage = 36;
    static constexpr int kYouthPage = 40;
    static constexpr int kSquadSection = 1;  // the tool box's squad button
    static constexpr int kStaffGroup = 100;
    static constexpr int kYouthLimit = 12;

    // The section commands, the page's button ids.
    static constexpr uint32_t kTeamSelection = 10005;
    static constexpr uint32_t kYouthSquad = 10041;
    static constexpr uint32_t kTraining = 10036;
    static constexpr uint32_t kPhysio = 10037;
    static constexpr uint32_t kTacticsEditor = 10027;
    static constexpr uint32_t kYouthTraining = 10181;
    // Page 40's commands and lists.
    static constexpr uint32_t kOfferContract = 48070;
    static constexpr uint32_t kSackHire = 48071;
    static constexpr uint32_t kFilterAll = 48075;  // to kFilterAll + 4, attackers
    static constexpr uint32_t kCurrentYouthList = 1066;
    static constexpr uint32_t kAvailableYouthList = 1067;

    CSquadScreen();
    ~CSquadScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    PageFactory GetPageFactory() const override;
    bool GetToolTipText(int index, std::string& text) override;
    void OnListClick(CListControl* list, int row, int column) override;
    void OnDrop(const DropInfo* info) override;

    int GetPage() const { return m_nPage; }
    bool ShowsNoClub() const { return m_bNoClub != 0; }

    // Page 36.
    CListControl* GetInjuryList();
    CXStatic* GetNoInjuriesLabel();
    CXStatic* GetInjuryReport();

    // Page 40.
    int GetYouthFilter() const { return m_youthFilter; }
    int GetAvailableFilter() const { return m_availableFilter; }
    CListControl* GetCurrentYouthList();
    CListControl* GetAvailableYouthList();
    CXButton* GetOfferButton();
    CXButton* GetSackHireButton();
    CXButton* GetFilterButton(int position);  // -1 all .. 3 attackers
    void OnYouthFilter(int position);
    void OnOfferContract();
    void OnSackHirePlayer();
    void OnListSorted(uint32_t listId, int column);

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kSquadSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void AdvisorFallback(const CEmployee& advisor, CHumanManager& user, HubPanelLines& lines) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    static CClub* CurrentClub();
    CXStatic* FindLabel(int x, int y);
    CXButton* FindButton(uint32_t id);

    // Page 36.
    void BuildPhysioPage();
    void OnPhysioClick();
    // Page 40.
    void InitialiseYouthPage();
    void BuildYouthPage();
    void FillCurrentYouths();
    void AfterYouthChange();
    void OnYouthListClick(CListControl* list, int row);
    void SetSackHire(unsigned textId, bool enable);
    void TickFilter(int position);
    bool SackYouth(int index);
    bool HireYouth(int index);

    int m_nPage = 0;
    uint8_t m_bNoClub = 0;
    int m_youthFilter = -1;
    int m_availableFilter = -1;
    int m_youthSortColumn = -1;
    int m_availableSortColumn = -1;
    unsigned m_nSackHireText = 48081;
};

void RegisterSquadScreen();
