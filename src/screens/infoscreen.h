#pragma once
// The information section: the hub (105) with the assistant on the league
// and the season, Highest Gates (77), Man of the Match (78), the match
// summary (16), the day's results of the human managers (118) and a
// competition's description (119). One class serves these pages;
// g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/matchtime.h"
#include "ui/xmessagedisplay.h"

class CCountry;
class CCup;
class CCupRound;
class CDivision;
class CFixture;

class CInfoScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 105;
    static constexpr int kGatesPage = 77;
    static constexpr int kMotmPage = 78;
    static constexpr int kSummaryPage = 16;
    static constexpr int kResultsPage = 118;
    static constexpr int kDescriptionPage = 119;
    static constexpr int kStaffGroup = 105;
    static constexpr int kInfoSection = 6;  // the tool box's information button
    static constexpr int kTopGates = 20;
    static constexpr int kTopMotm = 50;
    static constexpr int kMaxResults = 8;
    static constexpr size_t kDescriptionLimit = 4096;
    // The match summary's competition kinds: 0 the current user's match of
    // the day, 1 a league match, 2 a cup tie.
    static constexpr int kSummaryUsersMatch = 0, kSummaryLeague = 1, kSummaryCup = 2;
    // The event list's colours.
    static constexpr uint32_t kCardColour = 0x80CFFF;
    static constexpr uint32_t kResultColour = 0x0080FF;

    // The section commands, the hub's button ids.
    static constexpr uint32_t kAttendanceGraph = 21530;
    static constexpr uint32_t kLeagueGraph = 21532;
    static constexpr uint32_t kAverageGates = 21533;
    static constexpr uint32_t kLeagueTable = 21534;
    static constexpr uint32_t kHighestGates = 21535;
    static constexpr uint32_t kCompetitionInfo = 10200;

    CInfoScreen();
    ~CInfoScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool GetToolTipText(int index, std::string& text) override;
    void SetPageParams(const PageParams& params) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CListControl* GetPageList();
    CXStatic* GetHeading();
    CXStatic* GetNoDataLabel();
    CXStatic* FindLabel(int x, int y);
    CXMessageDisplay& GetTextPanel() { return m_TextPanel; }
    // What page 119 put in its panel.
    const std::string& GetDescription() const { return m_strDescription; }
    // The match page 16 shows; null when its identity named none.
    const CFixture* GetSummaryFixture() const { return m_pSummaryFixture; }
    const CCup* GetSummaryCup() const { return m_pSummaryCup; }
    const CDivision* GetSummaryDivision() const { return m_pSummaryDivision; }
    // The trophy picture page 16 shows; empty for none.
    const std::string& GetTrophyPicture() const { return m_strTrophy; }
    // The day page 118 lists, and another day shown.
    const CMatchTime& GetResultsDate() const { return m_ResultsDate; }
    void ShowResultsOf(const CMatchTime& date);

    // Double click on a row of the page's list, as the list reports it.
    void OpenRow(int row);

    // --- What the pages compute, open to the tests ---
    // A cup's identity among the world's cups: the countries' cups in
    // country order, then the shields, the play-offs and the federation
    // cups; -1 for none. Picture numbers are not unique in a large world.
    static int CupIdentity(const CCup* cup);
    static CCup* CupOfIdentity(int identity);
    // How often each club meets each other: the first k of 1 to 6 for which
    // the rounds of one cycle times k give the league days; -1 for none.
    static int MeetingsPerClub(int clubs, int leagueDays);
    // The round count of the cup's description.
    static int CountDescriptionRounds(const CCup& cup);
    static std::string DivisionDescription(const CDivision& division);
    // `level` is the tree level the cup was picked at (2 a federation cup).
    static std::string CupDescription(const CCup& cup, int level);
    // Ends the text with a full stop in place of its closing ", ".
    static std::string EndSentence(std::string text);
    // At most the first 4,096 bytes of the file, ending at a zero byte;
    // false when it cannot be opened.
    static bool ReadDescriptionFile(const std::string& path, std::string& text);
    // The result line of a match: `firstLeg` is the earlier match of a
    // two-legged tie (null for a single match); `cup` whether it is a tie.
    static std::string ResultLine(const CFixture& f, const CFixture* firstLeg, bool cup);
    // The event rows: (picture, text, colour) for each side's column pair.
    struct EventCell {
        std::string picture;
        std::string text;
        uint32_t colour = 0xFFFFFF;
    };
    struct EventRow {
        EventCell home, away;
    };
    static std::vector<EventRow> EventRows(const CFixture& f);

    // The match to summarise (16), as its opener gives it: the first value,
    // or else the last, the competition's text, four values and the date.
    int m_nSummaryFirst = 0;
    int m_nSummaryLast = 0;
    std::string m_strSummaryText;
    int m_nSummaryA = 0, m_nSummaryB = 0, m_nSummaryC = 0, m_nSummaryD = 0;
    CMatchTime m_SummaryDate;
    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kInfoSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    // One listed match of page 118.
    struct ResultRecord {
        const CFixture* fixture = nullptr;
        const CDivision* division = nullptr;
        const CCup* cup = nullptr;
        int round = -1;
        int replay = 0;
        int fixtureIndex = -1;
        std::string competition;
    };

    CScreenManager* PageManager() const;
    void FillPage();
    void FillScopeList();
    void ResolveSummary();
    bool FindUsersMatch();
    void FillSummary();
    void FillResults();
    void FillDescription();
    // A human manager's match on the day: league first, then the cups.
    static bool FindClubMatch(int club, int day, ResultRecord& out);

    int m_nPage = 0;
    CXMessageDisplay m_TextPanel;
    std::string m_strDescription;
    std::string m_strTrophy;
    uint8_t m_bCupSelected = 0;
    uint8_t m_bMenuShown = 0;
    int m_nSelectionLevel = 0;
    uintptr_t m_nSelectionData = 0;
    const CFixture* m_pSummaryFixture = nullptr;
    const CFixture* m_pFirstLeg = nullptr;
    const CCup* m_pSummaryCup = nullptr;
    const CDivision* m_pSummaryDivision = nullptr;
    CMatchTime m_ResultsDate;
    std::vector<ResultRecord> m_Results;
};

void RegisterInfoScreen();
