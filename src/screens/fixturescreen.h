#pragma once
// The fixtures section: the hub (104) with the assistant's and the fan's
// advice, a club's league schedule (17), a division's results and fixtures
// by match day (18), a cup's schedule (1) and its ties round by round (2),
// the cup route (75) and the next seven days (73). One class serves these
// pages; g_nScreenId at construction says which.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "screens/sectionhub.h"
#include "soccerclasses/matchtime.h"

class CClub;
class CCup;
class CDivision;
class CScreenManager;

class CFixtureScreen : public CSectionHub {
public:
    static constexpr int kHubPage = 104;
    static constexpr int kCupSchedulePage = 1;
    static constexpr int kCupFixturesPage = 2;
    static constexpr int kLeagueSchedulePage = 17;
    static constexpr int kLeagueFixturesPage = 18;
    static constexpr int kCupRoutePage = 75;
    static constexpr int kNextDaysPage = 73;
    static constexpr int kFriendliesPage = 53;
    static constexpr int kStaffGroup = 104;
    static constexpr int kFixturesSection = 5;  // the tool box's fixtures button

    // The section commands, the hub's button ids.
    static constexpr uint32_t kLeagueSchedule = 21720;
    static constexpr uint32_t kCupSchedule = 21721;
    static constexpr uint32_t kLeagueFixtures = 21722;
    static constexpr uint32_t kCupFixtures = 10077;
    static constexpr uint32_t kCupRoute = 21724;
    static constexpr uint32_t kFriendlies = 21725;
    static constexpr uint32_t kLeftDate = 731;
    static constexpr uint32_t kRightDate = 732;

    // What a page opened from another one starts on: the match day to open
    // (and whether to step back to it), the round position, the club and
    // the division. Taken by the next page built.
    struct OpenRequest {
        int matchDay = -1;
        uint8_t backwards = 0;
        int roundPosition = -1;
        CClub* club = nullptr;
        CDivision* division = nullptr;
        CCup* cup = nullptr;
    };
    static OpenRequest& PendingRequest();

    CFixtureScreen();
    ~CFixtureScreen() override;

    void Initialise() override;
    void Refresh() override;
    void Close() override;
    void OnTreeSelect(const TreeNotice* item) override;
    bool GetToolTipText(int index, std::string& text) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;
    PageFactory GetPageFactory() const override;

    int GetPage() const { return m_nPage; }
    CClub* GetClub() const { return m_pClub; }
    CDivision* GetDivision() const { return m_pDivision; }
    CCup* GetCup() const { return m_pCup; }
    const CMatchTime& GetDate() const { return m_Date; }
    int GetRoundPosition() const { return m_nRoundPosition; }
    const std::vector<std::pair<int, int>>& GetRoundDates() const { return m_RoundDates; }
    CListControl* GetFixtureList();
    CXStatic* GetHeading();
    CXStatic* GetCaption();
    CXStatic* GetDateLabel();
    CXStatic* GetNoDataLabel();
    CXButton* GetLeftButton();
    CXButton* GetRightButton();

    void OnLeftDate();
    void OnRightDate();

    // Friendlies (53).
    static constexpr uint32_t kArrangeHome = 766, kArrangeAway = 767;
    static constexpr int kFriendlySlots = 4;
    // A left click on row `row` of the friendly list: picks or unpicks the day.
    void PickFriendlyRow(int row);
    // "Arrange Home" (true) or "Arrange Away"; true when a friendly was arranged.
    bool ArrangeFriendly(bool home);
    // A computer club's answer to a draw r of 0 to 100 for the divisions'
    // difference d (1 for the same division).
    static bool FriendlyAccepted(int difference, int draw);
    static int FriendlyDifference(const CClub& own, const CClub& opponent);
    // A friendly day has passed when its match day is today's or earlier;
    // its date is the day's date in the current season.
    bool FriendlyDayPassed(int slot) const;
    std::string FriendlyDateText(int slot) const;
    int GetFriendlyPick() const { return m_nPick; }
    int GetArrangeDay() const { return m_nArrangeDay; }
    CClub* GetOpponent() const { return m_bOpponentChosen ? m_pOpponent : nullptr; }
    CXButton* GetArrangeButton(bool home) { return FindButton(home ? kArrangeHome : kArrangeAway); }
    CXStatic* GetDetailValue(int row) { return FindLabel(190, 125 + 33 * row); }
    // Double click on row `row` of the page's list, as the list reports it.
    void OpenRow(int row);

protected:
    const std::vector<HubAdvisorRule>& AdvisorRules() const override;
    const std::vector<HubSection>& Sections() const override;
    int StaffGroup() const override { return kStaffGroup; }
    int ToolboxButton() const override { return kFixturesSection; }
    bool IsHubPage() const override { return m_nPage == kHubPage; }
    void AdvisorFallback(const CEmployee& advisor, CHumanManager& user, HubPanelLines& lines) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    CScreenManager* PageManager() const;
    CXStatic* FindLabel(int x, int y);
    CXButton* FindButton(uint32_t id);
    void OpenPage(int screen);
    static CCup* DefaultCup();
    void SetUpRoundNavigation();
    void FillPage();
    void FillLeagueSchedule();
    void FillLeagueFixtures();
    void FillCupSchedule();
    void FillCupFixtures();
    void ShowListOrNoData(bool hasRows);
    uint8_t CalendarCode() const;
    void SetUpFriendlies();
    void OpenTreeAtClub(CScreenManager& m);
    void FillFriendlies();
    void ChooseOpponent(CClub* club);
    void SetFriendlyDetails(const CClub* opponent);
    void EnableArrangeButtons(bool enable);
    bool ComputerClubAccepts(CClub& opponent, int slot);

    int m_nPage = 0;
    CClub* m_pClub = nullptr;
    CDivision* m_pDivision = nullptr;
    CCup* m_pCup = nullptr;
    int m_nRoundPosition = -1;
    uint8_t m_bReplayDate = 0;
    CMatchTime m_Date;
    int m_nOpenMatchDay = -1;
    uint8_t m_bBackwards = 0;
    // The cup's shown rounds in order: (round index, 1 for its replay day).
    std::vector<std::pair<int, int>> m_RoundDates;
    HistoryState m_HistoryBlock{-1, -1, -1};
    // The friendlies page's pick, day and opponent; never saved.
    int m_nOwnIndex = -1;
    int m_nArrangeDay = -1;
    int m_nArrangeSlot = -1;
    int m_nPick = -1;
    CClub* m_pOpponent = nullptr;
    bool m_bOpponentChosen = false;
    uint8_t m_bMenuShown = 0;
};

void RegisterFixtureScreen();
