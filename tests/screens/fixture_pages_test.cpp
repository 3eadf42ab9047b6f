// The fixtures section over a real game: the hub's advice, a club's league
// schedule, a division's match days browsed both ways, a cup's schedule and
// its rounds, the double clicks between them and the dates kept in the
// history.
#include <filesystem>
#include <set>

#include "platform/gfx/png.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/competitions_fixture.h"
#include "screens/fixturescreen.h"
#include "screens/infoscreen.h"
#include "screens/manprofscreen.h"
#include "screens/statsscreen.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/employee.h"
#include "support/test_env.h"
#include "ui/listcontrol.h"

namespace competitionstest {
namespace {

class FixturePages : public CompetitionPages {
protected:
    CFixtureScreen* OpenFixtures(int screen) { return Open<CFixtureScreen>(PageClass::Fixture, screen); }
    CHumanManager& User() { return *W().GetCurrentUser(); }
    int CountMessages(uint8_t code) {
        int n = 0;
        for (int s = 0; s < CHumanManager::kInboxSlots; ++s) n += User().GetMessage(s).code == code;
        return n;
    }
    // The hub's staff row of the job kind; -1 when the list has none.
    int StaffRow(CFixtureScreen& hub, uint8_t kind) {
        CListControl* list = hub.GetStaffList();
        for (int r = 0; list && r < list->GetRowCount(); ++r)
            if (const auto* e = reinterpret_cast<const CEmployee*>(list->GetItemData(r)); e && e->m_JobKind == kind)
                return r;
        return -1;
    }
    CCup* FirstCup() { return Scotland().GetCups().GetSize() > 0 ? Scotland().GetCups().GetAt(0) : nullptr; }
};

// The assistant speaks of each stored code in its own words; with nothing
// stored he falls back on one line, stored once.
TEST_F(FixturePages, TheAssistantReadsHisCodesAndFallsBackOnALineStoredOnce) {
    CFixtureScreen* hub = OpenFixtures(CFixtureScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    int row = StaffRow(*hub, CBasicEmployee::kAssistantManager);
    if (row < 0) {
        club->HireNewEmployee(CBasicEmployee::kAssistantManager);
        hub = OpenFixtures(CFixtureScreen::kHubPage);
        row = StaffRow(*hub, CBasicEmployee::kAssistantManager);
    }
    ASSERT_GE(row, 0);
    auto* assistant = reinterpret_cast<CEmployee*>(hub->GetStaffList()->GetItemData(row));
    hub->SelectAdvisor(assistant);
    EXPECT_EQ(hub->GetAdvisorLines(), std::vector<std::string>{platform::LoadString(33315)});
    hub->SelectAdvisor(assistant);
    EXPECT_EQ(CountMessages(243), 1) << "the fallback is stored once";

    struct Case {
        uint8_t code;
        unsigned text;
    };
    std::vector<Case> cases;
    for (int c = 126; c <= 139; ++c) cases.push_back({static_cast<uint8_t>(c), 32983u + unsigned(c - 126)});
    cases.push_back({140, 33371});
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        User().AddMessage(c.code, "Alpha", "Beta", "Gamma", -1);
        hub->SelectAdvisor(assistant);
        const std::string want = platform::FormatMessageId(c.text, {"Alpha", "Beta", "Gamma"});
        const auto& lines = hub->GetAdvisorLines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end());
        EXPECT_EQ(std::find(lines.begin(), lines.end(), platform::LoadString(33315)), lines.end())
            << "no fallback beside a real line";
    }
}

TEST_F(FixturePages, TheFanFallsBackOnALineStoredOnce) {
    CFixtureScreen* hub = OpenFixtures(CFixtureScreen::kHubPage);
    const int row = StaffRow(*hub, 8);
    ASSERT_GE(row, 0) << "the fan is one of the user's contacts";
    auto* fan = reinterpret_cast<CEmployee*>(hub->GetStaffList()->GetItemData(row));
    for (int pass = 0; pass < 2; ++pass) {
        hub->SelectAdvisor(fan);
        EXPECT_EQ(hub->GetAdvisorLines(), std::vector<std::string>{platform::LoadString(33312)});
    }
    EXPECT_EQ(CountMessages(240), 1);
}

// Every code the fan reads has its own text, shown in his order; the cup
// codes read the top division's texts or the lower divisions'.
TEST_F(FixturePages, TheFanReadsHisCodesInOrderWithHisDivisionsCupTexts) {
    struct FanCode {
        uint8_t code;
        unsigned top, lower;
    };
    std::vector<FanCode> order = {{46, 33146, 33146}, {47, 33147, 33147}, {2, 33077, 33077}, {4, 33078, 33078},
                                  {1, 33079, 33079},  {3, 33080, 33080},  {5, 33081, 33081}, {7, 33082, 33082},
                                  {9, 33083, 33083},  {11, 33084, 33084}};
    const uint8_t cupCodes[] = {13, 14, 15, 16, 17, 19, 20, 22, 23};
    for (unsigned i = 0; i < 9; ++i) order.push_back({cupCodes[i], 33085 + i, 33094 + i});
    order.push_back({24, 33103, 33103});
    for (unsigned c = 212; c <= 221; ++c) order.push_back({uint8_t(c), 33255 + c - 212, 33255 + c - 212});
    for (unsigned c = 225; c <= 227; ++c) order.push_back({uint8_t(c), 33267 + c - 225, 33267 + c - 225});
    order.push_back({223, 33265, 33265});
    order.push_back({224, 33266, 33266});
    for (unsigned c = 25; c <= 39; ++c) order.push_back({uint8_t(c), 33104 + c - 25, 33104 + c - 25});
    order.push_back({41, 33119, 33119});
    order.push_back({248, 33335, 33335});
    for (bool topDivision : {true, false}) {
        SCOPED_TRACE(topDivision ? "top division" : "lower division");
        if (!topDivision) {
            CDivision* second = Scotland().GetDivision(1);
            ASSERT_NE(second, nullptr);
            for (int i = 0; i < W().GetClubList().GetSize(); ++i)
                if (W().GetClub(i)->GetDivision() == second && W().GetClub(i)->GetManagerKind() == 0) {
                    User().JoinClub(i);
                    break;
                }
            ASSERT_FALSE(W().GetCurrentClub()->GetDivision()->IsTopDivision());
            // The move gives him new contacts; a fan among them for certain.
            User().GetContacts().Add(std::make_unique<CEmployee>(8, *W().GetCurrentClub()->GetCountry(),
                                                                 *W().GetCurrentClub()->GetPopularity()));
        }
        User().ClearMessages();
        // Posted in reverse: the fan's order is his own, not the inbox's.
        for (auto it = order.rbegin(); it != order.rend(); ++it) User().AddMessage(it->code, "Kestrel Cup", "", "", -1);
        CFixtureScreen* hub = OpenFixtures(CFixtureScreen::kHubPage);
        const int row = StaffRow(*hub, 8);
        ASSERT_GE(row, 0);
        hub->SelectAdvisor(reinterpret_cast<CEmployee*>(hub->GetStaffList()->GetItemData(row)));
        std::vector<std::string> want;
        for (const FanCode& f : order) {
            const unsigned text = topDivision ? f.top : f.lower;
            ASSERT_FALSE(platform::LoadString(text).empty()) << text;
            want.push_back(platform::FormatMessageId(text, {"Kestrel Cup", "", ""}));
        }
        EXPECT_EQ(hub->GetAdvisorLines(), want);
    }
}

TEST_F(FixturePages, TheFriendliesButtonDoesNothingWithoutAClub) {
    CFixtureScreen* hub = OpenFixtures(CFixtureScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CManager* m = W().GetCurrentManager();
    ASSERT_NE(m, nullptr);
    const int clubIndex = m->GetClubIndex();
    m->SetClubIndex(-1);
    ASSERT_FALSE(m->IsEmployed());
    PageCommand(CFixtureScreen::kFriendlies);
    EXPECT_EQ(manager->GetCurrentPage(), hub) << "the hub stays";
    // The other section buttons open their pages all the same.
    PageCommand(CFixtureScreen::kLeagueSchedule);
    EXPECT_EQ(g_nCurrentScreen, CFixtureScreen::kLeagueSchedulePage);
    m->SetClubIndex(clubIndex);
}

// Browsing a division's match days runs between the season's first and
// last slots and never stops on a day without league matches.
TEST_F(FixturePages, LeagueFixturesBrowseBothWaysBetweenTheSeasonsEndsSkippingEmptyDays) {
    CFixtureScreen* page = OpenFixtures(CFixtureScreen::kLeagueFixturesPage);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->GetDivision(), top);
    auto code = [&] { return top->GetCalendarSlot(page->GetDate().GetMatchDay()); };
    EXPECT_NE(code(), CDivision::kNoMatch);
    std::set<int> days;
    int steps = 0;
    while (page->GetRightButton()->IsVisible() && steps < 120) {
        PageCommand(CFixtureScreen::kRightDate);
        ++steps;
        EXPECT_NE(code(), CDivision::kNoMatch) << "stopped on an empty day";
        days.insert(page->GetDate().GetMatchDay());
        if (code() < CDivision::kNoMatch) {
            EXPECT_EQ(page->GetFixtureList()->GetRowCount(), top->GetClubCount() / 2);
            EXPECT_FALSE(page->GetNoDataLabel()->IsVisible());
        }
    }
    EXPECT_EQ(code(), CDivision::kSeasonLast);
    EXPECT_GE(static_cast<int>(days.size()), CDivision::ScheduleMatchDays(top->GetClubCount()));
    steps = 0;
    while (page->GetLeftButton()->IsVisible() && steps < 120) {
        PageCommand(CFixtureScreen::kLeftDate);
        ++steps;
        EXPECT_NE(code(), CDivision::kNoMatch);
    }
    EXPECT_EQ(code(), CDivision::kSeasonFirst);
    EXPECT_TRUE(page->GetRightButton()->IsVisible());
}

TEST_F(FixturePages, CupFixturesStepThroughTheRoundsAndTheScheduleOpensARound) {
    CCup* cup = FirstCup();
    ASSERT_NE(cup, nullptr);
    CFixtureScreen* schedule = OpenFixtures(CFixtureScreen::kCupSchedulePage);
    ASSERT_EQ(schedule->GetCup(), cup) << "the country's first cup";
    CListControl& rows = *schedule->GetFixtureList();
    ASSERT_GT(rows.GetRowCount(), 1);
    EXPECT_EQ(schedule->GetHeading()->GetText(), std::string(cup->m_Name));
    // The second round's row opens the cup's fixtures on that round.
    int row = -1;
    for (int r = 0; r < rows.GetRowCount() && row < 0; ++r)
        if (static_cast<intptr_t>(rows.GetItemData2(r)) > 0) row = r;
    ASSERT_GE(row, 0);
    const int round = static_cast<int>(rows.GetItemData2(row));
    schedule->OpenRow(row);
    Drain();
    auto* fixtures = dynamic_cast<CFixtureScreen*>(manager->GetCurrentPage());
    ASSERT_NE(fixtures, nullptr);
    ASSERT_EQ(fixtures->GetPage(), CFixtureScreen::kCupFixturesPage);
    ASSERT_GE(fixtures->GetRoundPosition(), 0);
    EXPECT_EQ(fixtures->GetRoundDates()[size_t(fixtures->GetRoundPosition())].first, round);
    EXPECT_EQ(fixtures->GetDateLabel()->GetText().rfind(cup->GetRoundName(round), 0), 0u);

    // Right to the last shown date, then back to the first.
    const int last = static_cast<int>(fixtures->GetRoundDates().size()) - 1;
    while (fixtures->GetRightButton()->IsVisible()) PageCommand(CFixtureScreen::kRightDate);
    EXPECT_EQ(fixtures->GetRoundPosition(), last);
    while (fixtures->GetLeftButton()->IsVisible()) PageCommand(CFixtureScreen::kLeftDate);
    EXPECT_EQ(fixtures->GetRoundPosition(), 0);
    EXPECT_TRUE(fixtures->GetRightButton()->IsVisible());
    // A replay date names its round with "Replay".
    for (size_t i = 0; i < fixtures->GetRoundDates().size(); ++i) {
        if (fixtures->GetRoundDates()[i].second != 1) continue;
        while (fixtures->GetRoundPosition() < static_cast<int>(i)) PageCommand(CFixtureScreen::kRightDate);
        const int r = fixtures->GetRoundDates()[i].first;
        EXPECT_EQ(fixtures->GetDateLabel()->GetText(),
                  platform::FormatMessageId(519, {cup->GetRoundName(r), cup->GetRound(r)->GetSecondLegDateText()}));
        break;
    }
}

// A row of the league schedule opens that match day's fixtures; going
// back and forth through the history shows the same date again.
TEST_F(FixturePages, TheLeagueScheduleOpensItsDayAndTheHistoryKeepsTheDate) {
    CFixtureScreen* schedule = OpenFixtures(CFixtureScreen::kLeagueSchedulePage);
    ASSERT_EQ(schedule->GetClub(), club);
    CListControl& rows = *schedule->GetFixtureList();
    ASSERT_GE(rows.GetRowCount(), 3);
    const int day = static_cast<int>(rows.GetItemData2(2));
    schedule->OpenRow(2);
    Drain();
    auto* fixtures = dynamic_cast<CFixtureScreen*>(manager->GetCurrentPage());
    ASSERT_NE(fixtures, nullptr);
    ASSERT_EQ(fixtures->GetPage(), CFixtureScreen::kLeagueFixturesPage);
    EXPECT_EQ(fixtures->GetDate().GetMatchDay(), day);
    EXPECT_EQ(fixtures->GetDivision(), top);
    PageCommand(CFixtureScreen::kRightDate);
    const int shown = fixtures->GetDate().GetMatchDay();
    ASSERT_NE(shown, day);
    // Away and back: the page comes back on the date it showed.
    OpenFixtures(CFixtureScreen::kCupSchedulePage);
    ASSERT_TRUE(manager->GoBack(1));
    Drain();
    fixtures = dynamic_cast<CFixtureScreen*>(manager->GetCurrentPage());
    ASSERT_NE(fixtures, nullptr);
    EXPECT_EQ(fixtures->GetPage(), CFixtureScreen::kLeagueFixturesPage);
    EXPECT_EQ(fixtures->GetDate().GetMatchDay(), shown);
    EXPECT_EQ(fixtures->GetDivision(), top);
}

TEST_F(FixturePages, ADivisionPickedInTheTreeShowsTodayAndAnotherCupRefillsTheCupPages) {
    CFixtureScreen* page = OpenFixtures(CFixtureScreen::kLeagueFixturesPage);
    CDivision* second = Scotland().GetDivision(1);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(Select(second));
    EXPECT_EQ(page->GetDivision(), second);
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(second->GetName()));

    if (Scotland().GetCups().GetSize() < 2) return;
    CCup* other = Scotland().GetCups().GetAt(1);
    page = OpenFixtures(CFixtureScreen::kCupSchedulePage);
    ASSERT_TRUE(Select(other, kTreeKindCompetition));
    EXPECT_EQ(page->GetCup(), other);
    EXPECT_EQ(page->GetHeading()->GetText(), std::string(other->m_Name));
}

// The cup route shows its table texts and nothing more; the next seven
// days its caption; both show the picture of what the tree selects.
TEST_F(FixturePages, TheCupRouteAndTheNextSevenDaysShowTheirTextsAndTheSelectionsPicture) {
    CFixtureScreen* route = OpenFixtures(CFixtureScreen::kCupRoutePage);
    ASSERT_NE(route, nullptr);
    EXPECT_EQ(route->GetCaption()->GetText(), platform::LoadString(10076));
    std::set<std::string> texts;
    for (int i = 0; i < route->GetLabelCount(); ++i) texts.insert(route->GetLabel(i).GetText());
    EXPECT_TRUE(texts.count(platform::LoadString(21711)));
    EXPECT_TRUE(texts.count(platform::LoadString(21713)));
    EXPECT_EQ(route->GetListCount(), 0);
    EXPECT_FALSE(route->IsPicturePresent(kSlotFlag));
    ASSERT_TRUE(Select(&Scotland()));
    EXPECT_TRUE(route->IsPicturePresent(kSlotFlag)) << "the country's flag";

    CFixtureScreen* next = OpenFixtures(CFixtureScreen::kNextDaysPage);
    ASSERT_NE(next, nullptr);
    // Opening a page sets up the section's tree, which selects its own node
    // (a division): the page shows that node's picture, not the flag of the
    // country chosen on the cup route.
    EXPECT_EQ(g_nTreeSelectionLevel, 3);
    EXPECT_NE(g_nTreeSelectionData, reinterpret_cast<uintptr_t>(&Scotland()));
    EXPECT_FALSE(next->IsPicturePresent(kSlotFlag));
    ASSERT_NE(next->GetCaption(), nullptr);
    EXPECT_EQ(next->GetCaption()->GetText(), platform::LoadString(10074));
    ASSERT_TRUE(Select(&Scotland()));
    EXPECT_TRUE(next->IsPicturePresent(kSlotFlag)) << "the country's flag";
    ASSERT_TRUE(Select(club));
    EXPECT_FALSE(next->IsPicturePresent(kSlotFlag));
    EXPECT_TRUE(next->IsPicturePresent(kSlotKit)) << "the club's kit";
}


// The pictures of these sections for people to look at (scripts/
// screenshots.sh copies them); the check is only that each page came up and
// drew something.
class CompetitionShots : public CompetitionPages {
protected:
    void Shot(const std::string& name) {
        Drain();
        platform::win::Ui::Get().PresentNow();
        const auto& frame = backend->LastFrame();
        std::set<uint32_t> colours;
        for (int y = 0; y < frame.Height() && colours.size() < 16; y += 7)
            for (int x = 0; x < frame.Width() && colours.size() < 16; x += 7) colours.insert(frame.Get(x, y));
        EXPECT_GE(colours.size(), 16u) << name << " looks blank";
        EXPECT_TRUE(SaveShot(name)) << name;
    }
    template <typename Page>
    void OpenAndShoot(PageClass kind, int screen, const std::string& name, const void* scope = nullptr) {
        ASSERT_NE(Open<Page>(kind, screen), nullptr) << name;
        if (scope) {
            ASSERT_TRUE(Select(scope)) << name;
        }
        Shot(name);
    }
};

TEST_F(CompetitionShots, TheScreenshotSet) {
    RunDays(40);
    using F = CFixtureScreen;
    OpenAndShoot<CSectionHub>(PageClass::Fixture, F::kHubPage, "fixtures-hub");
    OpenAndShoot<F>(PageClass::Fixture, F::kLeagueSchedulePage, "fixtures-league-schedule");
    OpenAndShoot<F>(PageClass::Fixture, F::kLeagueFixturesPage, "fixtures-league-fixtures", top);
    OpenAndShoot<F>(PageClass::Fixture, F::kCupSchedulePage, "fixtures-cup-schedule");
    OpenAndShoot<F>(PageClass::Fixture, F::kCupFixturesPage, "fixtures-cup-fixtures");
    for (int slot = 0, n = 0; slot < 2; ++slot) {
        const int day = club->GetFriendlyDay(slot);
        for (; n < W().GetClubList().GetSize(); ++n) {
            CClub* other = W().GetClub(n);
            if (other != club && other->GetCountry() == &Scotland() && other->IsFriendlyDayFree(day) &&
                W().GetClubList().ArrangeFriendly(day, W().GetClubList().GetIndex(club), n)) {
                ++n;
                break;
            }
        }
    }
    OpenAndShoot<F>(PageClass::Fixture, F::kFriendliesPage, "fixtures-friendlies");
    OpenAndShoot<CSectionHub>(PageClass::Info, 105, "information-hub");
    OpenAndShoot<CScreensInfo>(PageClass::Stats, 49, "tables-league-table", top);
    PageCommand(CStatsScreen::kCurrentForm);
    Shot("tables-current-form");
    PageCommand(CStatsScreen::kLeagueTable);
    OpenAndShoot<CScreensInfo>(PageClass::Stats, 32, "stats-scorers", top);
    OpenAndShoot<CScreensInfo>(PageClass::Stats, 42, "stats-gates", top);
    OpenAndShoot<CScreensInfo>(PageClass::Stats, 8, "stats-manager-ratings", top);
    OpenAndShoot<CScreensInfo>(PageClass::Info, 77, "information-highest-gates", top);
    OpenAndShoot<CScreensInfo>(PageClass::Info, 78, "information-man-of-the-match", top);
    OpenAndShoot<CScreensInfo>(PageClass::Info, 118, "information-match-results");
    OpenAndShoot<CScreensInfo>(PageClass::Info, 119, "information-description", top);
    for (int i = 0; i < top->m_Fixtures.GetSize(); ++i)
        if (top->m_Fixtures.GetAt(i)->HasBeenPrepared() && top->m_Fixtures.GetAt(i)->IsClubInvolved(W().GetClubList().GetIndex(club))) {
            manager->ShowMatchSummary(1, top->GetName(), CInfoScreen::kSummaryLeague, kCompetitionsScotland, 0, W().GetMatchTime(), i, 0);
            Shot("information-match-summary");
            break;
        }
    OpenAndShoot<CSectionHub>(PageClass::Manager, 99, "manager-hub");
    OpenAndShoot<CScreensInfo>(PageClass::Manager, 45, "manager-of-the-month", top);
    OpenAndShoot<CScreensInfo>(PageClass::Manager, 70, "manager-honours");
    OpenAndShoot<CScreensInfo>(PageClass::ManProf, 95, "manager-profile");
    auto* profile = dynamic_cast<CManProfScreen*>(manager->GetCurrentPage());
    ASSERT_NE(profile, nullptr);
    ASSERT_TRUE(profile->ClickTabs(301, 250));
    profile->Compose();
    Shot("manager-profile-finances");
    OpenAndShoot<CScreensInfo>(PageClass::Manager, 116, "manager-vacancies");
    OpenAndShoot<CSectionHub>(PageClass::Discipline, 107, "discipline-hub");
    OpenAndShoot<CScreensInfo>(PageClass::Discipline, 43, "discipline-clubs", top);
    OpenAndShoot<CScreensInfo>(PageClass::Discipline, 84, "discipline-players", top);
    OpenAndShoot<CScreensInfo>(PageClass::Discipline, 87, "discipline-referees", top);
}

}  // namespace
}  // namespace competitionstest
