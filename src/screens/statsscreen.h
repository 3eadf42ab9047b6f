#pragma once
// The league tables and statistics: Manager Ratings (8), Leading Goal
// Scorers (32), Average Gates (42) and the League Table (49), for whatever
// the navigator tree has selected. Page 49 also shows the current-form
// table and the tables of cup groups it offers as tree entries.
// One class serves these pages; g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/screensinfo.h"

class CCup;
class CCupRound;
class CTreeNode;
class CScreenManager;

class CStatsScreen : public CScreensInfo {
public:
    static constexpr int kManagerRatingsPage = 8;
    static constexpr int kScorersPage = 32;
    static constexpr int kGatesPage = 42;
    static constexpr int kLeagueTablePage = 49;
    static constexpr uint32_t kCurrentForm = 29001;
    static constexpr uint32_t kLeagueTable = 29007;
    static constexpr int kTopRows = 50;

    CStatsScreen();

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool GetToolTipText(int index, std::string& text) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;
    int HasGraph() override;
    void GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                     std::string& heading3) override;
    void DrawContent(platform::gfx::Canvas* dc) override;
    void Print(platform::gfx::Canvas* dc, PrintInfo* info) override;

    // The form mode: 1 shows the current-form table; kept for the program.
    static uint8_t& FormMode();

    int GetPage() const { return m_nPage; }
    bool ShowsCupGroup() const { return m_bCupGroup != 0; }
    CListControl* GetStatsList();
    CXStatic* GetHeading();
    CXStatic* GetCaption();
    CXStatic* GetNoDataLabel();
    CXButton* GetFormButton();
    CXButton* GetTableButton();
    // The group entries offered under the cups, in the order inserted.
    struct GroupEntry {
        CTreeNode* node = nullptr;
        CCup* cup = nullptr;
        CCupRound* round = nullptr;
        int group = 0;
    };
    const std::vector<GroupEntry>& GetGroupEntries() const { return m_Groups; }

    // The page as the tree selection asks for it.
    void BuildPage();
    void OnFormMode(uint8_t mode);

    // Puts "Group %d" nodes under every cup whose group round has begun,
    // and takes them from the others.
    void OfferCupGroups();

protected:
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    CScreenManager* PageManager() const;
    CXStatic* FindLabel(int x, int y);
    CXButton* FindButton(uint32_t id);
    // The group entry the tree selection names, or null.
    const GroupEntry* SelectedGroup() const;
    void OfferGroupsOf(CCup* cup);
    void FillHeading();
    void FillLeagueTable();
    void FillGroupTable(const GroupEntry& entry);
    void FillScopeList();
    // Shows the list, or "No Data Available" in its place when it is empty.
    void ShowListOrNoData(bool hasRows);

    int m_nPage = 0;
    uint8_t m_bCupGroup = 0;
    uint8_t m_bClearMarks = 0;
    uint8_t m_bMenuShown = 0;
    std::vector<GroupEntry> m_Groups;
    HistoryState m_HistoryBlock{-1, -1, -1};
};

void RegisterStatsScreen();
