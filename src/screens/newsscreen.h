#pragma once
// The news section: the hub (106), the league and club messages (10, 13),
// the newspaper (86) and the Successive Wins list (92). One class serves
// these pages; g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/matchtime.h"
#include "ui/xmessagedisplay.h"

class CCountry;
class CClub;

class CNewsScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 106;
    static constexpr int kLeaguePage = 10;
    static constexpr int kClubPage = 13;
    static constexpr int kPaperPage = 86;
    static constexpr int kWinsPage = 92;
    static constexpr int kNewsSection = 7;  // the tool box's news button
    static constexpr int kStaffGroup = 106;
    static constexpr uint8_t kRumourMole = 12;

    static constexpr uint32_t kNewspaper = 21550;
    static constexpr uint32_t kClubMessages = 21552;
    static constexpr uint32_t kLeagueMessages = 21553;
    static constexpr uint32_t kLeftDate = 731;
    static constexpr uint32_t kRightDate = 732;
    static constexpr uint32_t kMessagePanelId = 21558;
    static constexpr platform::win::Rect kMessageRect{24, 144, 571, 435};
    static constexpr int kWinsRows = 30;

    CNewsScreen();
    ~CNewsScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;
    bool GetToolTipText(int index, std::string& text) override;
    void OnTreeSelect(const TreeNotice* item) override;

    int GetPage() const { return m_nPage; }

    // The message pages (10, 13).
    const CMatchTime& GetShownDate() const { return m_ShownDate; }
    CCountry* GetShownCountry() const { return m_pCountry; }
    CXMessageDisplay& GetMessagePanel() { return m_MessagePanel; }
    const std::vector<std::string>& GetShownLines() const { return m_ShownLines; }
    CXButton* GetLeftDateButton() { return FindButton(kLeftDate); }
    CXButton* GetRightDateButton() { return FindButton(kRightDate); }
    CXStatic* GetNameLabel() { return LabelAt(30, 61); }
    CXStatic* GetDateLabel() { return LabelAt(53, 117); }
    CXStatic* GetNoMessagesLabel() { return LabelAt(0, 230); }
    void OnLeftDate();
    void OnRightDate();

    // The country a message page or the paper shows for the tree selection:
    // the selected country, or that of a selected division or club; else
    // the user's; else the first with divisions. Null in an empty world.
    static CCountry* ChooseShownCountry();
    // The country a tree item stands for (a country, division or club
    // node); null for anything else.
    static CCountry* CountryOfTreeItem(int kind, uintptr_t data);

    // Rebuilds what the page shows for its state.
    void UpdatePage();

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kNewsSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;

private:
    bool IsMessagePage() const { return m_nPage == kLeaguePage || m_nPage == kClubPage; }
    CXStatic* LabelAt(int x, int y);
    CXButton* FindButton(uint32_t id);
    void SetUpMessagePage();
    void ShowMessages();
    // Left Date while the shown day is past the season's first; Right Date
    // while the next match day is not after the clock.
    void ShowDateButtons();
    void FillPlaceholderList();

    int m_nPage = 0;
    uint8_t m_nPendingWipe = 0;
    CMatchTime m_ShownDate;
    CCountry* m_pCountry = nullptr;
    CXMessageDisplay m_MessagePanel;
    std::vector<std::string> m_ShownLines;
    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
