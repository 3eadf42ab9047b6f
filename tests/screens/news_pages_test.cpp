// The news section's pages over a small world: the hub (106) with the rumour
// mole, League and Club Messages (10, 13) browsed day by day, and the
// Successive Wins list (92).
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/newsscreen.h"
#include "screens/playerscreen.h"
#include "shell/helpwindow.h"
#include "screens/squad_fixture.h"
#include "shell/history.h"
#include "shell/screenglobals.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

namespace squadtest {
namespace {

class NewsPages : public SquadPages {
protected:
    void SetUp() override {
        SquadPages::SetUp();
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionLevel = 0;
        world.GetCountry(1)->AddDivision(0);
        world.GetCountry(2)->AddDivision(1);
        // Saturday 15 July 2000, the season's fifth match day (1 July was the first).
        world.GetClock().Set(2, 5, 0, 2000, 7, 15);
    }
    void TearDown() override {
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nTreeSelectionLevel = 0;
        SquadPages::TearDown();
    }
    CNewsScreen* OpenNews(int screen) {
        g_nScreenId = screen;
        manager.SetScreen(new CNewsScreen(), true, true, false, true, false);
        Drain();
        return News();
    }
    CNewsScreen* News() { return dynamic_cast<CNewsScreen*>(manager.GetCurrentPage()); }
    CEmployee* HireMole() {
        auto e = std::make_unique<CEmployee>();
        e->m_JobKind = CNewsScreen::kRumourMole;
        e->Person().Set("S", "Whisper", 50, 1);
        CEmployee* raw = e.get();
        Club().Staff().Add(std::move(e));
        return raw;
    }
    void Unemploy() { world.GetManagerList().GetAt(Club().GetManager())->m_History[0].m_Club = -1; }
    int InboxCount(uint8_t code) {
        const auto inbox = User().GetInbox();
        return static_cast<int>(std::count_if(inbox.begin(), inbox.end(), [code](const auto& m) { return m.code == code; }));
    }
    // The date text of the match day `back` steps before the clock.
    std::string DayText(int back) {
        CMatchTime t = world.GetMatchTime();
        for (int i = 0; i < back; ++i) t.PreviousMatchDay();
        std::string s;
        t.GetDateText(s);
        return s;
    }
    static bool Shown(CXButton* b) { return b && b->IsShownFlag(); }
};

// ---- the hub ----

TEST_F(NewsPages, TheHubBuildsItsButtonsListAndHeading) {
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    ASSERT_NE(page, nullptr);
    const uint32_t ids[] = {CNewsScreen::kClubMessages, CNewsScreen::kLeagueMessages, CNewsScreen::kNewspaper};
    const int xs[] = {23, 121, 219};
    ASSERT_EQ(page->GetButtonCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(page->GetButton(i).Id(), ids[i]);
        EXPECT_EQ(page->GetButton(i).WindowRect(), Rect::XYWH(xs[i], 378, 84, 84));
        EXPECT_EQ(page->GetButton(i).GetFrameCount(), 8) << "every frame of the section button loads";
    }
    ASSERT_EQ(page->GetListCount(), 1);
    EXPECT_EQ(page->GetList(0).WindowRect().left, 23);
    EXPECT_EQ(page->GetList(0).WindowRect().top, 233);
    EXPECT_LE(page->GetList(0).WindowRect().bottom, 345);
    EXPECT_EQ(page->GetLabel(1).GetText(), "News Screens");
    std::string tip;
    for (int i = 0; i < 4; ++i)
        if (page->GetHotSpot(i) && page->GetHotSpot(i)->Id() == CNewsScreen::kNewspaper) page->GetToolTipText(i, tip);
    EXPECT_EQ(tip, "Read the country's newspaper") << "the tool tip is the text after the caption's line break";
    Save("news-hub");
}

TEST_F(NewsPages, EnablingThePageAgainLightsTheButtonUnderTheCursor) {
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    ASSERT_NE(page, nullptr);
    CXButton& paper = page->GetButton(2);
    ASSERT_EQ(paper.Id(), CNewsScreen::kNewspaper);
    // While a box holds the page, the cursor comes to rest on a button.
    page->platform::win::Window::Enable(false);
    const Point centre{paper.WindowRect().left + 40, paper.WindowRect().top + 40};
    backend->MoveTo(main.ScreenToClient(page->ClientToScreen(centre)), 30);
    testsupport::RunVirtualTime(*backend, main, 100);
    ASSERT_EQ(page->GetHoveredButton(), nullptr) << "a disabled page hears no mouse";
    page->Enable();
    EXPECT_EQ(page->GetHoveredButton(), &paper);
    EXPECT_TRUE(page->IsEnabled());
}

TEST(NewsHelp, EveryNewsPageHasItsOwnHelpTopic) {
    const std::pair<int, const char*> topics[] = {
        {107, "The news room"}, {11, "League Messages"}, {14, "Club Messages"}, {87, "The newspaper"}, {93, "Successive Wins"}};
    for (const auto& [context, title] : topics) {
        EXPECT_EQ(HelpTopicFor(context).title, title) << context;
        EXPECT_GT(HelpTopicFor(context).text.size(), 80u) << context;
    }
}

TEST_F(NewsPages, TheMoleWithNothingHeardSaysAllQuietOnceStored) {
    CEmployee* mole = HireMole();
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    ASSERT_EQ(page->GetList(0).GetRowCount(), 1);
    EXPECT_EQ(page->GetList(0).GetCurSel(), 0);
    EXPECT_EQ(page->GetAdvisor(), mole);
    EXPECT_EQ(page->GetAdvisorLabel()->GetText(), mole->GetName() + " - " + mole->GetJobTitle());
    const std::vector<std::string> quiet{platform::LoadString(49018)};
    EXPECT_EQ(page->GetAdvisorLines(), quiet);
    EXPECT_EQ(InboxCount(245), 1);
    page->SelectAdvisor(mole);
    EXPECT_EQ(page->GetAdvisorLines(), quiet);
    EXPECT_EQ(InboxCount(245), 1) << "a second visit stores nothing more";
}

TEST_F(NewsPages, TheMolePassesOnRumoursInHisOrderWithTheirInserts) {
    CEmployee* mole = HireMole();
    User().AddMessage(150, "T.Boss", "Rovers", "", -1);
    User().AddMessage(233, "A.Wing", "winger", "United", -1);
    User().AddMessage(148, "B.Back", "City", "", -1);
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    ASSERT_EQ(page->GetAdvisor(), mole);
    const std::vector<std::string> want{
        platform::FormatMessageId(49010, {"B.Back", "City"}),
        platform::FormatMessageId(49015, {"A.Wing", "winger", "United"}),
        platform::FormatMessageId(49017, {"T.Boss", "Rovers"}),
    };
    EXPECT_EQ(page->GetAdvisorLines(), want);
    EXPECT_EQ(InboxCount(245), 0) << "all quiet only when nothing was heard";
    Save("news-hub-rumours");
}

TEST_F(NewsPages, AContactOfAnotherKindShowsAnEmptyPanel) {
    HireMole();
    CEmployee* coach = Hire(CBasicEmployee::kHeadCoach, "Coachman");
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    page->SelectAdvisor(coach);
    EXPECT_TRUE(page->GetAdvisorLines().empty());
    EXPECT_EQ(page->GetAdvisorPanel().GetLineCount(), 0);
}

TEST_F(NewsPages, OutOfWorkTheHubIsEmptyAndOnlyClubMessagesStayShut) {
    HireMole();
    Unemploy();
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    EXPECT_EQ(page->GetList(0).GetRowCount(), 0);
    EXPECT_EQ(page->GetAdvisor(), nullptr);
    EXPECT_EQ(page->GetAdvisorLabel()->GetText(), "");
    EXPECT_EQ(page->GetAdvisorPanel().GetLineCount(), 0);
    EXPECT_TRUE(page->OpenSection(CNewsScreen::kClubMessages));
    Drain();
    EXPECT_EQ(News(), page) << "Club Messages needs a club";
    struct Case {
        uint32_t command;
        int screen;
    };
    for (const Case& c : {Case{CNewsScreen::kLeagueMessages, 10}, Case{CNewsScreen::kNewspaper, 86}}) {
        OpenNews(CNewsScreen::kHubPage);
        ASSERT_TRUE(News()->OpenSection(c.command));
        Drain();
        EXPECT_EQ(g_nCurrentScreen, c.screen);
        ASSERT_NE(News(), nullptr);
        EXPECT_EQ(News()->GetPage(), c.screen);
    }
}

TEST_F(NewsPages, AClickOnClubMessagesOpensThePageForAnEmployedManager) {
    OpenNews(CNewsScreen::kHubPage);
    Click(23 + 42, 378 + 42);
    EXPECT_EQ(g_nCurrentScreen, CNewsScreen::kClubPage);
    ASSERT_NE(News(), nullptr);
    EXPECT_EQ(News()->GetPage(), CNewsScreen::kClubPage);
}

TEST_F(NewsPages, ADoubleClickOnTheMoleOpensNothing) {
    HireMole();
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    const int entries = manager.GetHistory().GetCount();
    Click(60, 233 + 23 + 10, true);
    EXPECT_EQ(News(), page);
    EXPECT_EQ(g_nCurrentScreen, CNewsScreen::kHubPage);
    EXPECT_EQ(manager.GetHistory().GetCount(), entries);
}

// Group 106 lists only contacts, so hired staff reach the news hub's list
// only as a row of another group would put him there: the hub still opens
// his page on a double click, as hired staff (mode 1) with the row's data.
TEST_F(NewsPages, ADoubleClickOnHiredStaffOpensHisPage) {
    HireMole();
    CEmployee* coach = Hire(CBasicEmployee::kHeadCoach, "Coachman");
    CNewsScreen* page = OpenNews(CNewsScreen::kHubPage);
    CListControl* staff = page->GetStaffList();
    ASSERT_NE(staff, nullptr);
    ASSERT_EQ(staff->GetRowCount(), 1) << "the mole alone";
    coach->AddGroupRow(*staff, 100);
    ASSERT_EQ(staff->GetRowCount(), 2);
    staff->SetRowData2(1, 1);
    staff->Invalidate();
    Drain();
    Point row{-1, -1};
    const Rect r = staff->WindowRect();
    for (int y = r.top; y < r.bottom && row.y < 0; ++y)
        if (page->HitTestListRow(r.left + 12, y) == 1) row = {r.left + 12, y + 4};
    ASSERT_GE(row.y, 0);
    Click(row.x, row.y, true);
    auto* person = dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    ASSERT_NE(person, nullptr) << "the person page opened";
    EXPECT_EQ(g_nScreenId, 60);
    EXPECT_EQ(person->m_pSubject, coach);
    EXPECT_EQ(person->m_nSubjectKind, 1);
}

// ---- League and Club Messages ----

TEST_F(NewsPages, LeagueMessagesShowTodaysNewsOfTheUsersCountryAndCannotPassTheClock) {
    CCountry& home = *Club().GetCountry();
    home.GetNews().Add("Today's story", 0, DayText(0));
    home.GetNews().Add("Another today", 0, DayText(0));
    home.GetNews().Add("Story of Tuesday", 0, DayText(1));
    CNewsScreen* page = OpenNews(CNewsScreen::kLeaguePage);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetShownCountry(), &home);
    EXPECT_EQ(page->GetNameLabel()->GetText(), std::string(home.GetName()));
    std::string date;
    world.GetMatchTime().FormatDate(date);
    EXPECT_EQ(page->GetDateLabel()->GetText(), date);
    EXPECT_EQ(page->GetShownLines(), (std::vector<std::string>{"Today's story", "Another today"}));
    EXPECT_EQ(page->GetMessagePanel().GetLineCount(), 2);
    EXPECT_TRUE(page->GetMessagePanel().IsShownFlag());
    EXPECT_FALSE(page->GetNoMessagesLabel()->IsShownFlag());
    EXPECT_TRUE(Shown(page->GetLeftDateButton()));
    EXPECT_FALSE(Shown(page->GetRightDateButton())) << "today is as far as the news goes";
    Save("news-league-messages");

    page->OnRightDate();
    EXPECT_TRUE(page->GetShownDate() == world.GetMatchTime()) << "no step passes the clock";

    page->OnLeftDate();
    EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Story of Tuesday"});
    EXPECT_TRUE(Shown(page->GetRightDateButton()));
    page->OnLeftDate();
    EXPECT_TRUE(page->GetShownLines().empty());
    EXPECT_FALSE(page->GetMessagePanel().IsShownFlag()) << "a day without news hides the panel";
    EXPECT_TRUE(page->GetNoMessagesLabel()->IsShownFlag());
    EXPECT_EQ(page->GetNoMessagesLabel()->GetText(), "No Messages");
    page->OnRightDate();
    page->OnRightDate();
    EXPECT_TRUE(page->GetShownDate() == world.GetMatchTime());
    EXPECT_FALSE(Shown(page->GetRightDateButton()));
    EXPECT_EQ(page->GetShownLines().size(), 2u);
}

TEST_F(NewsPages, SteppingBackToTheFirstMatchDayHidesLeftDate) {
    CNewsScreen* page = OpenNews(CNewsScreen::kLeaguePage);
    for (int step = 5; step > 1; --step) {
        EXPECT_TRUE(Shown(page->GetLeftDateButton())) << "on match day " << step;
        page->OnLeftDate();
    }
    EXPECT_EQ(page->GetShownDate().GetMatchDay(), 1);
    EXPECT_FALSE(Shown(page->GetLeftDateButton()));
    EXPECT_TRUE(Shown(page->GetRightDateButton()));
    page->OnLeftDate();
    EXPECT_EQ(page->GetShownDate().GetMatchDay(), 1) << "the season's first day is the last step back";
}

TEST_F(NewsPages, OnTheSeasonsFirstMatchDayBothDateButtonsAreHidden) {
    world.GetClock().Set(0, 1, 0, 2000, 7, 1);
    for (int screen : {CNewsScreen::kLeaguePage, CNewsScreen::kClubPage}) {
        CNewsScreen* page = OpenNews(screen);
        EXPECT_FALSE(Shown(page->GetLeftDateButton())) << screen;
        EXPECT_FALSE(Shown(page->GetRightDateButton())) << screen;
    }
}

// The tree's notices as the tree sends them: the node's level tells a
// country (2), a division (3) or a club (4); the kind byte marks only
// competitions.
TEST_F(NewsPages, AnotherCountryFromTheTreeOpensOnTheMatchDayBeforeTheClock) {
    CCountry& other = *world.GetCountry(2);
    other.GetNews().Add("Over the border", 0, DayText(1));
    CNewsScreen* page = OpenNews(CNewsScreen::kLeaguePage);
    struct Case {
        const char* what;
        int level;
        uintptr_t data;
    };
    const Case cases[] = {
        {"a country node", kContextCountry, reinterpret_cast<uintptr_t>(&other)},
        {"a division node", kContextDivision, reinterpret_cast<uintptr_t>(world.GetDivision(1))},
        {"a club node", kContextClub, reinterpret_cast<uintptr_t>(world.GetClub(1))},
    };
    for (const Case& c : cases) {
        page->OnTreeSelect(nullptr);
        TreeNotice home{"", kContextCountry, 2, 0, reinterpret_cast<uintptr_t>(Club().GetCountry()), 0};
        page->OnTreeSelect(&home);
        ASSERT_EQ(page->GetShownCountry(), Club().GetCountry());
        TreeNotice n{"", c.level, 2, 0, c.data, 0};
        page->OnTreeSelect(&n);
        EXPECT_EQ(page->GetShownCountry(), &other) << c.what;
        EXPECT_EQ(page->GetShownDate().GetMatchDay(), 4) << c.what;
        EXPECT_TRUE(Shown(page->GetLeftDateButton())) << c.what;
        EXPECT_TRUE(Shown(page->GetRightDateButton())) << c.what;
        EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Over the border"}) << c.what;
        EXPECT_EQ(page->GetNameLabel()->GetText(), "Country 2");
        EXPECT_TRUE(page->IsPicturePresent(kSlotFlag)) << c.what << ": the shown country's flag";
        EXPECT_FALSE(page->IsPicturePresent(kSlotKit)) << c.what;
        EXPECT_EQ(g_nTreeSelectionLevel, c.level) << "the selection is recorded";
    }
    struct Still {
        const char* what;
        TreeNotice notice;
    };
    const Still still[] = {
        {"a federation", {"", kContextFederation, 2, 0, 1234, 0}},
        {"the world", {"", kContextWorld, 2, 0, 0, kTreeKindRoot}},
        {"a cup of the country", {"", kContextDivision, 2, 0, reinterpret_cast<uintptr_t>(Club().GetCountry()), kTreeKindCompetition}},
    };
    for (const Still& s : still) {
        page->OnTreeSelect(&s.notice);
        EXPECT_EQ(page->GetShownCountry(), &other) << s.what << " changes nothing";
    }
}

TEST_F(NewsPages, AnUnemployedManagersLeagueMessagesShowTheFirstCountryWithDivisions) {
    Unemploy();
    world.GetCountry(2)->GetNews().Add("Far away", 0, DayText(0));
    CNewsScreen* page = OpenNews(CNewsScreen::kLeaguePage);
    EXPECT_EQ(page->GetShownCountry(), world.GetCountry(1));
    g_nTreeSelectionLevel = kContextClub;
    g_nTreeSelectionKind = 0;
    g_nTreeSelectionData = reinterpret_cast<uintptr_t>(world.GetClub(1));
    page = OpenNews(CNewsScreen::kLeaguePage);
    EXPECT_EQ(page->GetShownCountry(), world.GetCountry(2)) << "the tree's club names the country";
    EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Far away"});
}

TEST_F(NewsPages, ClubMessagesShowTheClubAndTheUsersNewsOfTheDay) {
    User().GetNews().Add("Your news today", 0, DayText(0));
    User().GetNews().Add("Your news before", 0, DayText(1));
    Club().GetCountry()->GetNews().Add("League news", 0, DayText(0));
    CNewsScreen* page = OpenNews(CNewsScreen::kClubPage);
    EXPECT_EQ(page->GetNameLabel()->GetText(), Club().GetName());
    EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Your news today"});
    EXPECT_TRUE(page->IsPicturePresent(kSlotKit)) << "the club's kit stands beside its name";
    Save("news-club-messages");
    page->OnLeftDate();
    EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Your news before"});
}

TEST_F(NewsPages, TheDateButtonsBrowseThroughTheirCommands) {
    Club().GetCountry()->GetNews().Add("Tuesday", 0, DayText(1));
    CNewsScreen* page = OpenNews(CNewsScreen::kLeaguePage);
    Click(25 + 13, 115 + 12);
    EXPECT_EQ(page->GetShownLines(), std::vector<std::string>{"Tuesday"});
    Click(550 + 13, 115 + 12);
    EXPECT_TRUE(page->GetShownDate() == world.GetMatchTime());
}

// ---- Successive Wins ----

TEST_F(NewsPages, SuccessiveWinsListsThirtyPlaceholderRows) {
    CNewsScreen* page = OpenNews(CNewsScreen::kWinsPage);
    ASSERT_EQ(page->GetListCount(), 1);
    CListControl& list = page->GetList(0);
    ASSERT_EQ(list.GetRowCount(), 30);
    EXPECT_EQ(list.GetColumnCount(), 4);
    for (int r : {0, 17, 29}) {
        EXPECT_EQ(std::string(list.GetItemText(r, 0)), platform::LoadString(49050));
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(std::string(list.GetItemText(r, c)), std::to_string(r));
    }
    EXPECT_EQ(page->GetLabel(0).GetText(), "Successive Wins");
}

}  // namespace
}  // namespace squadtest

namespace squadtest {
namespace {

TEST_F(NewsPages, CodeMadeLabelsOfferSevenFacesTheLastPlainArial) {
    CNewsScreen* page = OpenNews(CNewsScreen::kWinsPage);
    const char* faces[] = {"Haettenschweiler", "Arial Narrow", "Arial Black", "Times New Roman",
                           "MS Sans Serif",    "Courier New",  "Arial"};
    for (int choice = 0; choice < 7; ++choice) {
        CXStatic* label = page->AddStatic(10, 10 + 20 * choice, 200, 30 + 20 * choice, 12, 0, false, false, false,
                                          0, "Words", choice);
        ASSERT_NE(label, nullptr);
        label->GetTextExtent();
        ASSERT_TRUE(label->GetFont());
        EXPECT_EQ(label->GetFont()->Requested().face, faces[choice]) << "choice " << choice;
    }
}

}  // namespace
}  // namespace squadtest
