#pragma once
// The news section: the hub (106), the league and club messages (10, 13),
// the newspaper (86) and the Successive Wins list (92). One class serves
// these pages; g_nScreenId at construction says which.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/matchtime.h"
#include "ui/xmessagedisplay.h"

class CCountry;
class CClub;
class CDivision;

// The layout rolls of the paper: drawn on the first build after the game
// has advanced and kept until it advances again.
struct NewspaperRolls {
    uint8_t frontVariant = 0, backVariant = 0;
    uint8_t percent[6] = {};
    int big[2] = {}, side[2] = {}, small[2] = {};  // front page's, back page's
    uint8_t perDivision[4] = {};
    int fillerOffset[4] = {};  // short, feature, long, one-word
    uint8_t variant[20] = {};
};

// A row of a fixtures or results list: a heading when `heading` is set.
struct NewspaperRow {
    std::string home, away, heading;
    int homeGoals = -1, awayGoals = -1;
};

// Where a fixtures or results list stands on its page: at the bottom, its
// heading just above it; one column below 32 rows, two from 32.
struct NewspaperListLayout {
    int columns = 1, height = 9, step = 10;
    int shown = 0;     // the rows that fit, from the first
    int rowsTall = 0;  // rows in the taller column
    int headingY = 0;  // the heading's top; the rows start 16 px lower
};

// A row of the table spread's leading scorers.
struct NewspaperScorer {
    std::string surname;
    int league = 0, cup = 0, total = 0;
};

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
    // A page enabled again (after a box or the day step) answers the
    // cursor where it already stands: the button under it lights up.
    void Enable() override;
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
    // The country a tree item stands for: a country node, or the country of
    // a division or club node, told by the node's level in the tree (the
    // kind byte marks only competitions); null for anything else.
    static CCountry* CountryOfTreeItem(int level, int kind, uintptr_t data);

    // Rebuilds what the page shows for its state.
    void UpdatePage();

    // ---- the newspaper (86) ----
    static constexpr uint32_t kFrontPage = 20650;
    static constexpr uint32_t kBackPage = 20651;
    static constexpr int kPaperButtons = 10;
    static constexpr int kPoolSize = 100;
    static constexpr int kResultCap = 65;
    static constexpr int kTextBottom = 416;
    // The paper's own faces, as the label pool's font choices take them.
    enum PaperFace : int { kHaettenschweiler = 0, kArial = 1, kArialBlack = 2, kTimes = 3, kSansSerif = 4, kCourier = 5 };

    // The country with divisions the paper shows for the tree selection.
    static CCountry* ChooseNewspaperCountry();
    // Folds a roll offset by k into 1 to top (a sum above top loses top
    // until it is at most top; 0 stays 0 for the page variants).
    static int FoldRoll(int roll, int k, int top);
    static int FoldVariantByte(int roll, int k);
    static int FoldPageVariant(int roll, int k);
    // Picture numbers past their range (or 0) are taken as 1.
    static int PictureNumber(int n, int top);
    // The x of each of n page buttons, left to right.
    static std::vector<int> PageButtonPositions(int n);
    // The emblem shown for a logo number.
    static std::string LogoPicture(int logo, bool backPage);
    static const NewspaperRolls& GetRawRolls();
    // The journalist's index of the next byline (the walk over the variant
    // bytes stays within the twenty).
    static int BylineIndex(const uint8_t (&v)[20], int j);

    void BuildNewspaper();
    void ShowPaperPage(int page);
    void OnPageCommand(uint32_t id);
    int GetPaperPage() const { return m_nPaperPage; }
    uint8_t GetPendingWipe() const { return m_nPendingWipe; }
    int GetPaperK() const { return m_nPaperK; }
    const std::vector<int>& GetPageList() const { return m_PageList; }
    const NewspaperRolls& GetFoldedRolls() const { return m_Folded; }
    const std::vector<std::string>& GetHeadlinePool() const { return m_Pool; }
    const std::string& GetGossip() const { return m_Gossip; }
    const std::vector<std::string>& GetLongHeadlines() const { return m_Long; }
    const std::vector<std::string>& GetShortHeadlines() const { return m_Short; }
    const std::vector<std::string>& GetFeatureHeadlines() const { return m_Feature; }
    const std::vector<std::string>& GetOneWordLabels() const { return m_Words; }
    const std::vector<NewspaperRow>& GetFixtureRows(int slot, bool cup) const;
    const std::vector<NewspaperRow>& GetResultRows(int slot, bool cup) const;
    CXButton& GetPageButton(int i) { return m_PageButtons[static_cast<size_t>(i)]; }
    // The labels of the page on display, masthead labels that show included.
    std::vector<CXStatic*> GetShownPaperLabels();
    int GetPageLabelCount() const { return static_cast<int>(m_PageLabels.size()); }
    // The paths of the paper's pictures, in overlay order.
    const std::vector<std::string>& GetPictureNames() const { return m_PictureNames; }
    // Fills the headline pool from a division's events (open to tests).
    void AddDivisionHeadlines(const CDivision& division, int d);
    void FillStoryTables();
    // A division's leading scorers, league and cup goals counted as the
    // Leading Goal Scorers page counts them, most goals first, at most 12.
    static std::vector<NewspaperScorer> LeadingScorers(const CDivision& division);
    // The layout of a list of `count` rows (results or fixtures).
    static NewspaperListLayout ListLayout(int count, bool results);
    // A scorer's row under the heading "Player          L  C   T".
    static std::string ScorerRow(const NewspaperScorer& s);
    // The paper's own news page, shipped with the game, as a file address;
    // opened only from the paper whose emblem is 23.
    static std::string LocalNewsAddress();
    bool OpenLocalNewsPage();

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

    // The paper's parts.
    void CreatePageButtons();
    void DrawRolls();
    void MakeGossip();
    void CollectCupMatches();
    void CollectLeagueMatches(const CDivision& division, int d);
    void AddToPool(const std::string& text);
    std::string TakeFromPool(size_t maxLength);
    std::string Filler(int kind);
    void PlacePageButtons();
    void MakeMastheads();
    void ClearPage();
    void PaperPicture(const std::string& name, int x, int y);
    void PaperLogo(const std::string& name);
    CXStatic* PaperLabel(int l, int t, int r, int b, int height, platform::gfx::ColourRef colour, bool bold,
                         bool italic, const std::string& text, int face);
    int HeadlineBox(const std::string& text, int l, int t, int r, int boxHeight, int face);
    int LeadFace();
    int Byline(int x, int y);
    int BodyColumns(int left, int top, int right, int bottom, int count, bool frontPage, bool firstOpens);
    void BuildFrontPage();
    void BuildBackPage();
    void BuildStoryPage(bool back);
    void BuildFixturesSpread(int d);
    void BuildTableSpread(int d);
    int ListRows(const std::vector<NewspaperRow>& rows, int left, int right, bool results, unsigned heading);
    void FinishPaperPage();

    int m_nPaperPage = 0;
    int m_nPaperK = 0;
    int m_nBylineStep = 0;
    int m_nBodyWalk = 0;
    int m_FillerUsed[4] = {};
    NewspaperRolls m_Folded;
    std::vector<int> m_PageList;
    std::vector<std::string> m_Pool;
    std::string m_Gossip;
    std::vector<std::string> m_Short, m_Feature, m_Long, m_Words;
    std::vector<std::string> m_PaperNews;
    std::vector<NewspaperRow> m_Fixtures[2][4], m_Results[2][4];  // [cup][slot]
    std::vector<std::pair<std::string, std::string>> m_TeamOfWeek[4];
    std::vector<CXStatic*> m_PageLabels;
    std::vector<std::string> m_PictureNames;
    CXStatic* m_Mast[7] = {};
    std::array<CXButton, kPaperButtons> m_PageButtons;

    int m_nPage = 0;
    uint8_t m_nPendingWipe = 0;
    CMatchTime m_ShownDate;
    CCountry* m_pCountry = nullptr;
    CXMessageDisplay m_MessagePanel;
    std::vector<std::string> m_ShownLines;
    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};
};
