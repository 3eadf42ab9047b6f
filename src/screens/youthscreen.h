#pragma once
// The club section: the hub (101) with the chairman's and the fans'
// secretary's advice, Club Information (9) with one club's facts, records
// and kit, and Club Honours (71). One class serves these pages;
// g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"

class CClub;

class CYouthScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 101;
    static constexpr int kInfoPage = 9;
    static constexpr int kHonoursPage = 71;
    static constexpr int kClubSection = 2;  // the tool box's club button
    static constexpr int kStaffGroup = 101;

    // The hub's section commands.
    static constexpr uint32_t kClubInformation = 22201;
    static constexpr uint32_t kStadiumDevelopment = 22202;
    static constexpr uint32_t kClubHonours = 22203;
    static constexpr uint32_t kKitEditor = 22204;
    static constexpr uint32_t kClubTransfers = 23324;
    // Club Information's record buttons.
    static constexpr uint32_t kRecordGates = 23137;
    static constexpr uint32_t kRecordResults = 23138;
    static constexpr uint32_t kRecordTransfers = 23139;

    CYouthScreen();
    ~CYouthScreen() override;

    // The club pages 9 and 71 show; a page that opens Club Information on
    // another club sets it before handing the page over.
    void SetShownClub(CClub* club) { m_pClub = club; }
    CClub* GetShownClub() const { return m_pClub; }
    int GetPage() const { return m_nPage; }
    // 0 gates, 1 results, 2 transfers; shared by every Club Information page.
    static int GetRecordMode() { return s_nRecordMode; }

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    PageFactory GetPageFactory() const override;
    bool GetToolTipText(int index, std::string& text) override;
    void OnTreeSelect(const TreeNotice* item) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;

    // Page 9's value texts, by their place on the page; null elsewhere.
    CXStatic* FindLabel(int x, int y);
    CXButton* FindButton(uint32_t id);
    // Page 71's list and its "No Data Available" line.
    CListControl* GetHonoursList();
    CXStatic* GetNoHonoursLabel();

    // The record commands' work: mode 0 to 2, the page redrawn in place.
    void SetRecordMode(int mode);
    // Draws Club Information for the shown club.
    void DrawClubInformation(bool inPlace);
    void DrawHonours();

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kClubSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    // The section commands that open a page without a club.
    bool OpenAlways(uint32_t command);

    int m_nPage = kHubPage;
    CClub* m_pClub = nullptr;
    static int s_nRecordMode;
};

void RegisterYouthScreen();
