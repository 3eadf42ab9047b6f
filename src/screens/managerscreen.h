#pragma once
// The manager section: the hub (99) with the bank manager, the doctor and
// the job agency, Manager of the Month (45) for a division, the manager's
// Honours (70) and Manager Vacancies (116). One class serves these pages;
// g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"

class CDivision;

class CManagerScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 99;
    static constexpr int kMonthPage = 45;
    static constexpr int kHonoursPage = 70;
    static constexpr int kVacanciesPage = 116;
    static constexpr int kStaffGroup = 99;
    static constexpr int kManagerSection = 0;  // the tool box's manager button
    static constexpr int kBankManager = 5, kDoctor = 6, kJobAgency = 11;

    // The section commands: the hub's buttons and the menu's.
    static constexpr uint32_t kProfile = 23000, kProfileMenu = 32795;
    static constexpr uint32_t kMonth = 23001, kMonthMenu = 32791;
    static constexpr uint32_t kHonours = 23002, kHonoursMenu = 32792;
    static constexpr uint32_t kRatings = 23004, kRatingsMenu = 32777;
    static constexpr uint32_t kVacancies = 22998, kVacanciesMenu = 32841;

    CManagerScreen();

    void Initialise() override;
    void Refresh() override;
    void OnTreeSelect(const TreeNotice* item) override;
    void Close() override;
    bool GetToolTipText(int index, std::string& text) override;
    void SetPageParams(const PageParams& params) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CDivision* GetDivision() const { return m_pDivision; }
    CListControl* GetPageList();
    CXStatic* GetHeading();
    CXStatic* GetNoDataLabel();

    // The club whose post model code offers (116), while it waits.
    void* m_pVacancyClub = nullptr;

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kManagerSection; }
    // The job agency is the user's own contact: asked out of work too.
    bool ListsOwnStaffAlways() const override { return true; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    CScreenManager* PageManager() const;
    CXStatic* FindLabel(int x, int y);
    void FillMonthPage();
    void FillHonoursPage();
    void ShowListOrNoData(bool hasRows);

    int m_nPage = 0;
    CDivision* m_pDivision = nullptr;
    HistoryState m_HistoryBlock{-1, -1, -1};
};

void RegisterManagerScreen();
