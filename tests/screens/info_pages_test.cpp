// The information section over a real game: the hub's assistant, the
// highest gates and men of the match of a scope, the match summary as the
// fixture pages, the day's results and the day step open it, and a
// competition's description from its file or built from the string table.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/files.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "screens/competitions_fixture.h"
#include "screens/infoscreen.h"
#include "shell/helpwindow.h"
#include "shell/view.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/userport.h"
#include "ui/listcontrol.h"
#include "ui/xtoolbar.h"

namespace competitionstest {
namespace {

class InfoPages : public CompetitionPages {
protected:
    CInfoScreen* OpenInfo(int screen) { return Open<CInfoScreen>(PageClass::Info, screen); }
    CInfoScreen* Current() { return dynamic_cast<CInfoScreen*>(manager->GetCurrentPage()); }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    int CountMessages(uint8_t code) {
        int n = 0;
        for (int s = 0; s < CHumanManager::kInboxSlots; ++s) n += User().GetMessage(s).code == code;
        return n;
    }
    // The first played league match of the user's club, and its index.
    int PlayedClubFixture() {
        for (int i = 0; i < top->m_Fixtures.GetSize(); ++i) {
            const CFixture* f = top->m_Fixtures.GetAt(i);
            if (f->HasBeenPrepared() && f->IsClubInvolved(top->GetFirstClub())) return i;
        }
        return -1;
    }
    // The match day of a fixture of the top division.
    int DayOf(int index) {
        const CFixture* f = top->m_Fixtures.GetAt(index);
        for (int s = 0; s < CDivision::kSlots; ++s)
            if (top->GetFixtureIndexOfClub(s, f->m_Home) == index) return s;
        return -1;
    }
    CMatchTime DateOf(int index) {
        CMatchTime date = W().GetMatchTime();
        date.StepToMatchDay(DayOf(index), 1);
        return date;
    }
    int CurrentHistoryScreen() {
        const CHistory& h = manager->GetHistory();
        const HistoryEntry* e = h.GetAt(h.GetCurrent());
        return e ? e->screenId : -1;
    }
    std::string Label(CInfoScreen& page, int x, int y) {
        CXStatic* l = page.FindLabel(x, y);
        return l ? l->GetText() : std::string("<none>");
    }
};

// A fixture between two of the world's clubs with the given score.
CFixture InfoTestFixture(int home, int away, int homeGoals, int awayGoals) {
    CFixture f(CFixture::kCupHome, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0);
    f.m_HomeGoals = static_cast<uint8_t>(homeGoals);
    f.m_AwayGoals = static_cast<uint8_t>(awayGoals);
    return f;
}

TEST(InfoDescription, MeetingsPerClubCountOneCycleAsTheClubsPlayIt) {
    struct Case {
        int clubs, days, meetings;
    } cases[] = {
        {20, 38, 2}, {20, 19, 1}, {20, 114, 6}, {20, 37, -1}, {20, 133, -1},
        // An odd count plays club-count rounds a cycle (one club rests).
        {9, 18, 2}, {9, 16, -1}, {9, 36, 4}, {11, 22, 2}, {10, 36, 4}, {0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CInfoScreen::MeetingsPerClub(c.clubs, c.days), c.meetings) << c.clubs << " clubs, " << c.days;
}

TEST(InfoDescription, TheLastCommaBecomesAFullStopUnlessTheTextEndsInOne) {
    EXPECT_EQ(CInfoScreen::EndSentence("This division has 10 clubs, each plays 4 times, "),
              "This division has 10 clubs, each plays 4 times.");
    const std::string playOff = "the bottom 2 clubs that don't automatically get relegated qualify for the X Play-offs.";
    EXPECT_EQ(CInfoScreen::EndSentence(playOff), playOff);
    EXPECT_EQ(CInfoScreen::EndSentence(""), "");
}

// The file is read safely: its first 4,096 bytes, up to a zero byte.
TEST(InfoDescription, TheTextFileIsCutAtItsLimitOrItsZeroByte) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vt_info_texts";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "text" / "division");
    auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / "text" / "division" / name, std::ios::binary) << bytes;
    };
    std::string big(5000, 'a');
    big[4095] = 'z';
    write("1.dat", big);
    write("2.dat", std::string("Short text.\r\n\r\nSecond.") + '\0' + "hidden");
    write("3.dat", std::string(4096, 'b'));
    platform::SetInstallFolder(dir);
    std::string text;
    ASSERT_TRUE(CInfoScreen::ReadDescriptionFile("text\\division\\1.dat", text));
    EXPECT_EQ(text.size(), 4096u);
    EXPECT_EQ(text.back(), 'z');
    ASSERT_TRUE(CInfoScreen::ReadDescriptionFile("text\\division\\2.dat", text));
    EXPECT_EQ(text, "Short text.\r\n\r\nSecond.");
    ASSERT_TRUE(CInfoScreen::ReadDescriptionFile("text\\division\\3.dat", text)) << "no zero byte at all";
    EXPECT_EQ(text, std::string(4096, 'b'));
    EXPECT_FALSE(CInfoScreen::ReadDescriptionFile("text\\division\\9.dat", text));
    EXPECT_TRUE(text.empty());
    platform::ResetFolders();
    std::filesystem::remove_all(dir);
}

TEST_F(InfoPages, TheAssistantSpeaksOfTheLeagueAndTheSeasonAndFallsBackOnceOn244) {
    CInfoScreen* hub = OpenInfo(CInfoScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->GetTitle(), platform::LoadString(21606));
    CEmployee* assistant = nullptr;
    for (int pass = 0; pass < 2 && !assistant; ++pass) {
        CListControl* list = hub->GetStaffList();
        for (int r = 0; list && r < list->GetRowCount(); ++r)
            if (auto* e = reinterpret_cast<CEmployee*>(list->GetItemData(r));
                e && e->m_JobKind == CBasicEmployee::kAssistantManager)
                assistant = e;
        if (!assistant) {
            club->HireNewEmployee(CBasicEmployee::kAssistantManager);
            hub = OpenInfo(CInfoScreen::kHubPage);
        }
    }
    ASSERT_NE(assistant, nullptr);
    hub->SelectAdvisor(assistant);
    hub->SelectAdvisor(assistant);
    EXPECT_EQ(hub->GetAdvisorLines(), std::vector<std::string>{platform::LoadString(33316)});
    EXPECT_EQ(CountMessages(244), 1) << "the fallback is stored once";
    struct Case {
        uint8_t code;
        unsigned text;
    } cases[] = {{25, 32997}, {193, 33002}, {194, 33006}, {41, 33009}, {201, 33285}, {211, 33295}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        User().AddMessage(c.code, "Alpha", "", "", -1);
        hub->SelectAdvisor(assistant);
        const auto& lines = hub->GetAdvisorLines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), platform::FormatMessageId(c.text, {"Alpha", "", ""})),
                  lines.end());
        EXPECT_EQ(std::find(lines.begin(), lines.end(), platform::LoadString(33316)), lines.end());
    }
    // Its buttons open the section's pages, with or without a club.
    PageCommand(CInfoScreen::kHighestGates);
    EXPECT_EQ(g_nCurrentScreen, CInfoScreen::kGatesPage);
}

TEST_F(InfoPages, HighestGatesAndMenOfTheMatchRankTheScopeAndSayWhenThereIsNothing) {
    CInfoScreen* gates = OpenInfo(CInfoScreen::kGatesPage);
    ASSERT_TRUE(Select(&Scotland()));
    EXPECT_EQ(gates->GetHeading()->GetText(), Scotland().GetName());
    EXPECT_FALSE(gates->GetPageList()->IsVisible()) << "no match has been played";
    EXPECT_TRUE(gates->GetNoDataLabel()->IsVisible());
    RunDays(30);
    gates = OpenInfo(CInfoScreen::kGatesPage);
    ASSERT_TRUE(Select(top));
    CListControl& list = *gates->GetPageList();
    ASSERT_TRUE(list.IsVisible());
    EXPECT_EQ(gates->GetHeading()->GetText(), std::string(top->GetName()));
    EXPECT_LE(list.m_nRowLimit, CInfoScreen::kTopGates);
    int best = 0;
    for (int i = 0; i < top->m_Fixtures.GetSize(); ++i) best = std::max(best, int(top->m_Fixtures.GetAt(i)->m_Attendance));
    EXPECT_EQ(std::atoi(list.GetItemText(0, 1)), best) << "the highest gate first";
    for (int r = 1; r < list.m_nRowLimit; ++r)
        EXPECT_GE(std::atoi(list.GetItemText(r - 1, 1)), std::atoi(list.GetItemText(r, 1)));

    CInfoScreen* motm = OpenInfo(CInfoScreen::kMotmPage);
    ASSERT_TRUE(Select(club));
    CListControl& men = *motm->GetPageList();
    ASSERT_TRUE(men.IsVisible());
    for (int r = 1; r < men.GetRowCount() && r < men.m_nRowLimit; ++r)
        EXPECT_GE(std::atoi(men.GetItemText(r - 1, 3)), std::atoi(men.GetItemText(r, 3)));
    EXPECT_EQ(men.GetItemText(0, 2), club->GetName());
}

TEST(InfoSummary, GoalsOfOneScorerShareALineAndCardsFollowAfterAnEmptyRow) {
    CFixture f(CFixture::kLeague, 0, 1, 5, 3, 0);
    f.m_Events.Add(23, CMatchEvent::kHomeGoal, "Baird");
    f.m_Events.Add(30, CMatchEvent::kAwayBooking, "Munro");
    f.m_Events.Add(40, CMatchEvent::kAwayOwnGoal, "Reid");
    f.m_Events.Add(55, CMatchEvent::kHomeBooking, "Kerr");
    f.m_Events.Add(67, CMatchEvent::kHomePenaltyGoal, "Baird");
    f.m_Events.Add(70, CMatchEvent::kAwayBooking, "Shaw");
    f.m_Events.Add(88, CMatchEvent::kAwaySendingOff, "Munro");
    const auto rows = CInfoScreen::EventRows(f);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].home.text, "Baird (23,67" + platform::LoadString(947) + ")");
    EXPECT_EQ(rows[0].home.picture, "gfx\\listcontrol\\res_ball.bmp");
    EXPECT_EQ(rows[0].away.text, "Reid (40" + platform::LoadString(948) + ")");
    EXPECT_EQ(rows[0].away.colour, 0xFFFFFFu);
    EXPECT_TRUE(rows[1].home.text.empty() && rows[1].away.text.empty()) << "an empty row after the goals";
    std::string kerr, munro, shaw, off;
    f.GetHomeBookingText(kerr, 0);
    f.GetAwayBookingText(munro, 0);
    f.GetAwayBookingText(shaw, 1);
    f.GetAwaySendingOffText(off, 0);
    EXPECT_EQ(rows[2].home.text, kerr);
    EXPECT_EQ(rows[2].away.text, munro);
    EXPECT_EQ(rows[2].home.colour, CInfoScreen::kCardColour);
    EXPECT_TRUE(rows[3].home.text.empty()) << "the longer side adds rows with empty home columns";
    EXPECT_EQ(rows[3].away.text, shaw);
    EXPECT_EQ(rows[4].away.text, off);
    EXPECT_EQ(rows[4].away.picture, "gfx\\listcontrol\\res_red.bmp");
    EXPECT_EQ(rows[4].away.colour, CInfoScreen::kCardColour);

    CFixture quiet(CFixture::kLeague, 0, 1, 5, 3, 0);
    quiet.m_Events.Add(12, CMatchEvent::kHomeBooking, "Kerr");
    const auto cardsOnly = CInfoScreen::EventRows(quiet);
    ASSERT_EQ(cardsOnly.size(), 1u) << "no empty row without goals";
    EXPECT_EQ(cardsOnly[0].home.picture, "gfx\\listcontrol\\res_yellow.bmp");
}

TEST_F(InfoPages, TheResultLineNamesTheTiesWinnerOnAggregateAwayGoalsOrExtraTime) {
    const int a = top->GetFirstClub(), b = a + 1;
    const std::string A = W().GetClub(a)->GetName(), B = W().GetClub(b)->GetName();
    struct Case {
        const char* what;
        int firstHome, firstAway;  // the first leg, b at home to a
        int home, away;            // the second leg, a at home to b
        bool extraTime;
        std::string line;
    } cases[] = {
        {"aggregate", 1, 0, 3, 1, false, platform::FormatMessageId(962, {A, 3, 2})},
        {"aggregate for the away side", 3, 0, 1, 0, false, platform::FormatMessageId(962, {B, 3, 1})},
        {"away goals", 2, 1, 1, 0, false, platform::FormatMessageId(963, {A})},
        {"level on both", 1, 1, 1, 1, false, ""},
        // The second leg lost after extra time, the tie won on aggregate.
        {"extra time on aggregate", 3, 0, 2, 1, true, platform::FormatMessageId(113, {B})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFixture first = InfoTestFixture(b, a, c.firstHome, c.firstAway);
        CFixture second = InfoTestFixture(a, b, c.home, c.away);
        if (c.extraTime) second.SetExtraTimeFlag(30);
        EXPECT_EQ(CInfoScreen::ResultLine(second, &first, true), c.line);
    }
    CFixture single = InfoTestFixture(a, b, 2, 1);
    EXPECT_EQ(CInfoScreen::ResultLine(single, nullptr, true), "") << "a single leg without extra time";
    single.SetExtraTimeFlag(30);
    EXPECT_EQ(CInfoScreen::ResultLine(single, nullptr, true), platform::FormatMessageId(113, {A}));
    CFixture league = InfoTestFixture(a, b, 1, 1);
    league.m_Events.Add(CMatchEvent::kShootoutMinute, CMatchEvent::kAwayShootoutGoal, "Reid");
    EXPECT_EQ(CInfoScreen::ResultLine(league, nullptr, false), platform::FormatMessageId(116, {B, 1, 0}));
}

// The fixture page's identities reach the summary: a played league match.
TEST_F(InfoPages, ALeagueMatchSummaryShowsTheSidesScoresCrowdRefereeAndTrophy) {
    RunDays(25);
    const int index = PlayedClubFixture();
    ASSERT_GE(index, 0);
    const CFixture* f = top->m_Fixtures.GetAt(index);
    manager->ShowMatchSummary(1, top->GetName(), CInfoScreen::kSummaryLeague, kCompetitionsScotland, 0,
                              W().GetMatchTime(), index, 0);
    Drain();
    CInfoScreen* page = Current();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(g_nCurrentScreen, CInfoScreen::kSummaryPage);
    ASSERT_EQ(page->GetSummaryFixture(), f);
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(top->GetName()));
    EXPECT_EQ(Label(*page, 33, 119), f->GetHomeTeamName());
    EXPECT_EQ(Label(*page, 234, 119), std::to_string(f->m_HomeGoals));
    EXPECT_EQ(Label(*page, 310, 119), f->GetAwayTeamName());
    EXPECT_EQ(Label(*page, 511, 119), std::to_string(f->m_AwayGoals));
    EXPECT_EQ(Label(*page, 130, 416), f->GetAttendanceText());
    EXPECT_EQ(Label(*page, 390, 416), f->GetRefereeName());
    EXPECT_EQ(page->GetPageList()->GetRowCount(), static_cast<int>(CInfoScreen::EventRows(*f).size()));
    ASSERT_NE(page->GetOverlay(0), nullptr);
    char trophy[64];
    std::snprintf(trophy, sizeof trophy, "gfx\\trophies\\division\\trophy%02d.bmp", top->GetPictureNumber());
    EXPECT_EQ(page->GetTrophyPicture(), trophy);
    // An identity that names nothing shows the empty page.
    manager->ShowMatchSummary(1, top->GetName(), CInfoScreen::kSummaryLeague, kCompetitionsScotland, 0,
                              W().GetMatchTime(), 100000, 0);
    Drain();
    EXPECT_EQ(Current()->GetSummaryFixture(), nullptr);
    EXPECT_TRUE(Current()->GetNoDataLabel()->IsVisible());
}

TEST_F(InfoPages, CupIdentitiesNameEveryCupOnceAndATieOpensFromItsRow) {
    std::set<int> seen;
    for (const auto& cup : Scotland().GetCups()) {
        const int id = CInfoScreen::CupIdentity(cup.get());
        ASSERT_GE(id, 0);
        EXPECT_TRUE(seen.insert(id).second);
        EXPECT_EQ(CInfoScreen::CupOfIdentity(id), cup.get());
    }
    EXPECT_EQ(CInfoScreen::CupIdentity(nullptr), -1);
    EXPECT_EQ(CInfoScreen::CupOfIdentity(-1), nullptr);
    // The first cup's first round, once played, summarised by its identity.
    CCup* cup = Scotland().GetCups().GetAt(0);
    CMatchTime first;
    ASSERT_TRUE(cup->GetRound(0)->GetFirstLegDate(first));
    for (int d = 0; d < 120 && W().GetMatchDay() <= first.GetMatchDay(); ++d) RunDays(1);
    ASSERT_GT(cup->GetRound(0)->m_Ties.GetSize(), 0);
    manager->ShowMatchSummary(1, cup->m_Name, CInfoScreen::kSummaryCup, CInfoScreen::CupIdentity(cup), 0, first, 0, 0);
    Drain();
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->GetSummaryFixture(), cup->GetRound(0)->m_Ties.GetAt(0));
    EXPECT_EQ(Current()->GetSummaryCup(), cup);
}

// The day step's call names the competition and the date; the page finds
// the current user's match itself, and is not recorded in the history.
TEST_F(InfoPages, TheDayStepOpensTheUsersMatchOffTheHistoryWithTheToolBar) {
    RunDays(25);
    const int index = PlayedClubFixture();
    ASSERT_GE(index, 0);
    const CFixture* f = top->m_Fixtures.GetAt(index);
    ASSERT_GE(DayOf(index), 0);
    const CMatchTime date = DateOf(index);
    ASSERT_EQ(date.GetMatchDay(), DayOf(index));
    Command(19410);
    const int before = CurrentHistoryScreen();
    GetUserPort().OpenMatchDayScreen("", date, top, top);
    Drain();
    CInfoScreen* page = Current();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(g_nCurrentScreen, CInfoScreen::kSummaryPage);
    EXPECT_EQ(page->GetSummaryFixture(), f);
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(top->GetName()));
    EXPECT_EQ(CurrentHistoryScreen(), before) << "not recorded in the history";
    EXPECT_EQ(view->GetToolBar()->GetState(0), 1) << "the tool bar is enabled";
}

TEST_F(InfoPages, MatchResultsListTheHumanManagersMatchOnceInOrangeAndOpenItsSummary) {
    RunDays(25);
    const int index = PlayedClubFixture();
    ASSERT_GE(index, 0);
    const CFixture* f = top->m_Fixtures.GetAt(index);
    ASSERT_GE(DayOf(index), 0);
    CInfoScreen* results = OpenInfo(CInfoScreen::kResultsPage);
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetResultsDate().GetMatchDay(), W().GetMatchDay()) << "today when none is given";
    results->ShowResultsOf(DateOf(index));
    CListControl& list = *results->GetPageList();
    ASSERT_EQ(list.GetRowCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), f->GetHomeTeamName());
    EXPECT_EQ(list.GetItemText(0, 1),
              std::to_string(f->m_HomeGoals) + " - " + std::to_string(f->m_AwayGoals));
    ASSERT_NE(list.GetCell(0, 0), nullptr);
    EXPECT_EQ(list.GetCell(0, 0)->colour, CInfoScreen::kResultColour) << "orange";
    results->OpenRow(0);
    Drain();
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(g_nCurrentScreen, CInfoScreen::kSummaryPage);
    EXPECT_EQ(Current()->GetSummaryFixture(), f);
}

TEST_F(InfoPages, TheDescriptionPageReadsTheFileOrBuildsTheTextAndHintsWithoutASelection) {
    CInfoScreen* page = OpenInfo(CInfoScreen::kDescriptionPage);
    ASSERT_NE(page, nullptr);
    g_nTreeSelectionData = 0;
    page->Refresh();
    EXPECT_EQ(page->GetDescription(), platform::LoadString(53919));
    ASSERT_TRUE(Select(top));
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(top->GetName()));
    char path[64];
    std::snprintf(path, sizeof path, "text\\division\\%d.dat", top->GetPictureNumber());
    std::string file;
    if (CInfoScreen::ReadDescriptionFile(path, file)) {
        EXPECT_EQ(page->GetDescription(), file);
    } else {
        const std::string built = CInfoScreen::DivisionDescription(*top);
        EXPECT_EQ(page->GetDescription(), built);
        EXPECT_EQ(built.rfind(platform::FormatMessageId(53900, {int(top->GetClubCount())}), 0), 0u);
        EXPECT_EQ(built.back(), '.');
    }
    // A cup of the country, picked in the tree.
    CCup* cup = Scotland().GetCups().GetAt(0);
    ASSERT_TRUE(Select(cup, kTreeKindCompetition));
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(cup->m_Name));
    std::snprintf(path, sizeof path, "text\\cup\\%d.dat", cup->m_PictureNumber);
    if (!CInfoScreen::ReadDescriptionFile(path, file)) {
        const std::string built = CInfoScreen::CupDescription(*cup, 3);
        EXPECT_EQ(page->GetDescription(), built);
        EXPECT_EQ(built.rfind(platform::FormatMessageId(53914, {platform::LoadString(1147)}), 0), 0u);
    } else {
        EXPECT_EQ(page->GetDescription(), file);
    }
}

// Without a file the description is built sentence by sentence.
TEST_F(InfoPages, TheBuiltDescriptionsFollowTheData) {
    const std::string built = CInfoScreen::DivisionDescription(*top);
    const int meetings = CInfoScreen::MeetingsPerClub(top->GetClubCount(), top->CountLeagueSlots());
    EXPECT_GT(meetings, 0);
    std::string want = platform::FormatMessageId(53900, {int(top->GetClubCount())}) +
                       platform::FormatMessageId(53901, {meetings});
    EXPECT_EQ(built.rfind(want, 0), 0u) << built;
    EXPECT_EQ(built.find(platform::FormatMessageId(53902, {0})), std::string::npos) << "the top division promotes nobody";
    EXPECT_NE(built.find(platform::FormatMessageId(53904, {int(top->m_PointsRule)})), std::string::npos);
    EXPECT_NE(built.find(platform::FormatMessageId(53905, {1})), std::string::npos);
    EXPECT_NE(built.find(platform::FormatMessageId(53908, {int(top->m_SubsNamed)})), std::string::npos);
    EXPECT_EQ(built.back(), '.');
    EXPECT_EQ(built.find(", ."), std::string::npos);
    const CDivision* second = Scotland().GetDivision(1);
    ASSERT_NE(second, nullptr);
    const std::string lower = CInfoScreen::DivisionDescription(*second);
    if (second->GetAutoPromotionPlaces() > 0) {
        EXPECT_NE(lower.find(platform::FormatMessageId(53902, {int(second->GetAutoPromotionPlaces())})),
                  std::string::npos);
    }
    CCup* cup = Scotland().GetCups().GetAt(0);
    const std::string cupText = CInfoScreen::CupDescription(*cup, 3);
    EXPECT_EQ(cupText.rfind(platform::FormatMessageId(53914, {platform::LoadString(1147)}) +
                                platform::FormatMessageId(53915, {CInfoScreen::CountDescriptionRounds(*cup)}),
                            0),
              0u)
        << cupText;
    EXPECT_EQ(CInfoScreen::CupDescription(*cup, 2).rfind(platform::FormatMessageId(53914, {platform::LoadString(1145)}), 0), 0u)
        << "a cup picked at level 2 is a federation's";
    if (CCharityShield* shield = Scotland().GetCharityShield()) {
        EXPECT_NE(cupText.find(platform::FormatMessageId(53916, {std::string(shield->m_Name)})), std::string::npos);
        EXPECT_EQ(CInfoScreen::CupDescription(*shield, 3).rfind(platform::FormatMessageId(53914, {platform::LoadString(1146)}), 0), 0u);
    }
}

TEST_F(InfoPages, TheDescriptionPanelBreaksItsTextAtEachLineEnd) {
    CInfoScreen* page = OpenInfo(CInfoScreen::kDescriptionPage);
    ASSERT_NE(page, nullptr);
    CXMessageDisplay& panel = page->GetTextPanel();
    panel.Clear();
    panel.AddLine("One.");
    const int one = panel.GetTotalLines();
    panel.Clear();
    panel.AddLine("One.\r\n\r\nTwo.\r\n\r\nThree.");
    EXPECT_EQ(panel.GetLineCount(), 1) << "one line of the panel";
    EXPECT_EQ(panel.GetTotalLines(), one + 4) << "drawn as five lines, two of them empty";
}


// The information section as a player reaches it after a human match day:
// the tool bar's Info, the hub's Highest Gates and Cup & League
// Information, the menu's Man of the Match and Match Results, a summary
// opened from the results, and a description read from its file and one
// built from the string table.
TEST_F(InfoPages, EndToEndTheInformationSection) {
    RunDays(25);
    const int index = PlayedClubFixture();
    ASSERT_GE(index, 0);
    Command(19416);
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(g_nCurrentScreen, CInfoScreen::kHubPage);
    ASSERT_NE(dynamic_cast<CSectionHub*>(manager->GetCurrentPage())->GetStaffList(), nullptr);

    PageCommand(CInfoScreen::kHighestGates);
    ASSERT_EQ(g_nCurrentScreen, CInfoScreen::kGatesPage);
    ASSERT_TRUE(Select(top));
    EXPECT_TRUE(Current()->GetPageList()->IsVisible());
    EXPECT_GT(Current()->GetPageList()->GetRowCount(), 0);

    Command(32822);
    ASSERT_EQ(g_nCurrentScreen, CInfoScreen::kMotmPage);
    ASSERT_TRUE(Select(top));
    EXPECT_GT(Current()->GetPageList()->GetRowCount(), 0);

    Command(32891);
    ASSERT_EQ(g_nCurrentScreen, CInfoScreen::kResultsPage);
    Current()->ShowResultsOf(DateOf(index));
    ASSERT_EQ(Current()->GetPageList()->GetRowCount(), 1) << "the one human manager's match";
    Current()->OpenRow(0);
    Drain();
    ASSERT_EQ(g_nCurrentScreen, CInfoScreen::kSummaryPage);
    EXPECT_EQ(Current()->GetSummaryFixture(), top->m_Fixtures.GetAt(index));

    Command(19416);
    PageCommand(CInfoScreen::kCompetitionInfo);
    ASSERT_EQ(g_nCurrentScreen, CInfoScreen::kDescriptionPage);
    // Scotland's competitions: one read from its file, one built.
    bool read = false, built = false;
    auto check = [&](const void* node, int kind, const std::string& path, const std::string& made) {
        if (!Select(node, kind)) return;
        std::string file;
        if (CInfoScreen::ReadDescriptionFile(path, file)) {
            EXPECT_EQ(Current()->GetDescription(), file) << path;
            read = true;
        } else {
            EXPECT_EQ(Current()->GetDescription(), made) << path;
            built = true;
        }
    };
    char path[64];
    for (int d = 0; d < Scotland().GetDivisionCount(); ++d) {
        CDivision* division = Scotland().GetDivision(d);
        std::snprintf(path, sizeof path, "text\\division\\%d.dat", division->GetPictureNumber());
        check(division, 0, path, CInfoScreen::DivisionDescription(*division));
    }
    std::vector<CCup*> cups;
    for (int c = 0; c < Scotland().GetCups().GetSize(); ++c) cups.push_back(Scotland().GetCups().GetAt(c));
    cups.push_back(Scotland().GetCharityShield());
    for (int p = 0; p < Scotland().GetPlayOffs().GetSize(); ++p) cups.push_back(Scotland().GetPlayOff(p));
    for (int f = 0; f < W().GetFederationList().GetSize(); ++f)
        for (int c = 0; W().GetFederation(f) && c < W().GetFederation(f)->GetCupCount(); ++c)
            cups.push_back(W().GetFederation(f)->GetCup(c));
    for (CCup* cup : cups) {
        if (!cup) continue;
        std::snprintf(path, sizeof path, "text\\cup\\%d.dat", cup->m_PictureNumber);
        check(cup, kTreeKindCompetition, path, CInfoScreen::CupDescription(*cup, 3));
    }
    EXPECT_TRUE(read) << "a competition with its own file";
    if (!built) {
        // Every Scottish competition has its own file; a number that no file
        // carries (as one shared by several cups) shows the built text.
        CCup* cup = Scotland().GetCups().GetAt(0);
        const uint8_t number = cup->m_PictureNumber;
        cup->m_PictureNumber = 250;
        std::snprintf(path, sizeof path, "text\\cup\\%d.dat", cup->m_PictureNumber);
        ASSERT_TRUE(Select(top));
        check(cup, kTreeKindCompetition, path, CInfoScreen::CupDescription(*cup, 3));
        cup->m_PictureNumber = number;
    }
    EXPECT_TRUE(built) << "a competition described from the string table";
}

// Help on each page of the fixtures, tables, information, manager and
// discipline sections opens that page's own topic (context page + 1), not
// the general one.
TEST(CompetitionHelp, EveryPageHasItsOwnHelpTopic) {
    const std::pair<int, const char*> pages[] = {
        {104, "Fixture Screens"},     {17, "League Schedule"},      {18, "League Fixtures"},
        {1, "Cup Schedule"},          {2, "Cup Fixtures"},          {75, "Cup Route"},
        {73, "The Next Seven Days"},  {53, "Friendlies"},           {49, "League Table"},
        {32, "Leading Goal Scorers"}, {42, "Average Gates"},        {8, "Manager Ratings"},
        {105, "Information Screens"}, {77, "Highest Gates"},        {78, "Man of the Match"},
        {16, "Match Summary"},        {118, "Match Results"},       {119, "Cup & League Information"},
        {99, "Manager Screens"},      {45, "Manager of the Month"}, {70, "Manager Honours"},
        {116, "Manager Vacancies"},   {95, "Manager Profile"},      {107, "Discipline Screens"},
        {43, "Club Discipline"},      {84, "Player Discipline"},    {87, "Referee Tables"},
        {88, "Referee Information"}};
    const std::string general = HelpTopicFor(1).title;
    std::set<std::string> titles;
    for (const auto& [page, title] : pages) {
        const HelpTopic& topic = HelpTopicFor(page + 1);
        EXPECT_EQ(topic.title, title) << "page " << page;
        EXPECT_NE(topic.title, general) << "page " << page;
        EXPECT_GT(topic.text.size(), 40u) << "page " << page;
        titles.insert(topic.title);
    }
    EXPECT_EQ(titles.size(), std::size(pages)) << "no two pages share a topic";
}

}  // namespace
}  // namespace competitionstest
