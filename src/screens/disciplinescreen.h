#pragma once
// The discipline section: the hub (107) with the assistant manager and the
// league secretary, the fair-play table of clubs (43), the players'
// bookings and sendings-off (84), the referees' cards (87) and the referee
// information page (88), each for the scope picked in the navigator tree.
// One class serves these pages; g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"

class CDisciplineScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 107;
    static constexpr int kClubPage = 43;
    static constexpr int kPlayerPage = 84;
    static constexpr int kRefereePage = 87;
    static constexpr int kRefereeInfoPage = 88;
    static constexpr int kStaffGroup = 107;
    static constexpr int kDisciplineSection = 8;  // the tool box's discipline button
    static constexpr int kLeagueSecretary = 14;
    static constexpr int kTopRows = 50;

    static constexpr uint32_t kLeagueDiscipline = 21800;
    static constexpr uint32_t kClubDiscipline = 21801;
    static constexpr uint32_t kPlayerDiscipline = 21802;
    static constexpr uint32_t kRefereeTables = 21803;
    static constexpr uint32_t kRefereeInfo = 21804;

    CDisciplineScreen();

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool GetToolTipText(int index, std::string& text) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CListControl* GetDisciplineList();
    CXStatic* GetScopeLabel();
    CXStatic* GetNoDataLabel();
    // The list for the tree's scope: its name, its rows ranked on points
    // over the whole scope, then its top rows kept.
    void FillPage();
    // The scope's name as the page heads it.
    static std::string ScopeName(int level, uintptr_t data, int kind);

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kDisciplineSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    CScreenManager* PageManager() const;
    CXStatic* FindLabel(int x, int y);
    void OpenPage(int screen);
    void AddScopeRows(CListRows& list);

    int m_nPage = 0;
    uint8_t m_bMenuShown = 0;
    HistoryState m_HistoryBlock{-1, -1, -1};
};

void RegisterDisciplineScreen();
