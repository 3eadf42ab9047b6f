// A headless walk through the game's commands with the real page classes:
// from a section page in the normal layout, every tool-bar button of both
// sets is clicked and every menu command sent, and each opens its page
// with its class and screen id; the walk then goes Back and Forward.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/gfx/png.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/disciplinescreen.h"
#include "screens/financescreen.h"
#include "screens/fixturescreen.h"
#include "screens/graphscreen.h"
#include "screens/infoscreen.h"
#include "screens/kitscreen.h"
#include "screens/managerscreen.h"
#include "screens/manprofscreen.h"
#include "screens/newsscreen.h"
#include "screens/pages.h"
#include "screens/playerscreen.h"
#include "screens/squadselectscreen.h"
#include "screens/tactscreen.h"
#include "screens/stadiumscreen.h"
#include "screens/statsscreen.h"
#include "screens/youthscreen.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "support/test_env.h"
#include "support/app_fixture.h"
#include "support/ui_loop.h"
#include "ui/xmenu.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

using WalkIsClass = std::function<bool(CScreen*)>;

template <class T>
WalkIsClass WalkClass() {
    return [](CScreen* p) { return dynamic_cast<T*>(p) != nullptr; };
}
// A class another page issue builds: any page stands in until it lands.
WalkIsClass WalkAnyPage() {
    return [](CScreen* p) { return p != nullptr; };
}

struct WalkStep {
    uint32_t command;
    int screen;
    WalkIsClass isClass;
    const char* name;
};

// The tool bar's buttons, set 0 then set 1 (the shared ones once).
const WalkStep kWalkToolBar[] = {
    {19410, 99, WalkClass<CManagerScreen>(), "CManagerScreen"},
    {19411, 100, WalkAnyPage(), "CSquadScreen"},
    {19412, 101, WalkClass<CYouthScreen>(), "CYouthScreen"},
    {19413, 102, WalkClass<CPlayerScreen>(), "CPlayerScreen"},
    {19414, 103, WalkClass<CFinanceScreen>(), "CFinanceScreen"},
    {19415, 104, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {19416, 105, WalkClass<CInfoScreen>(), "CInfoScreen"},
    {19417, 106, WalkClass<CNewsScreen>(), "CNewsScreen"},
    {19418, 107, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {19419, 6, WalkAnyPage(), "COptionScreen"},
    {19426, 111, WalkAnyPage(), "COptionScreen"},
    {19432, 4, WalkClass<CSquadSelectScreen>(), "CSquadSelectScreen"},
    {19433, 26, WalkClass<CTactScreen>(), "CTactScreen"},
    {19434, 36, WalkAnyPage(), "CSquadScreen"},
    {19435, 72, WalkClass<CKitScreen>(), "CKitScreen"},
    {19436, 45, WalkClass<CManagerScreen>(), "CManagerScreen"},
    {19437, 32, WalkClass<CStatsScreen>(), "CStatsScreen"},
    {19438, 1, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {19439, 84, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {19440, 87, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
};

// The command table's page rows that need no employed manager: the menus'
// items, and rows no menu holds (Team of the Week 91, Successive Wins 92)
// that pages and history entries send.
const WalkStep kWalkMenus[] = {
    {19441, 67, WalkAnyPage(), "COptionScreen"},
    {32777, 8, WalkClass<CStatsScreen>(), "CStatsScreen"},
    {32780, 37, WalkClass<CPlayerScreen>(), "CPlayerScreen"},
    {32782, 17, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32783, 28, WalkClass<CGraphScreen>(), "CGraphScreen"},
    {32788, 86, WalkClass<CNewsScreen>(), "CNewsScreen"},
    {32789, 43, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {32790, 6, WalkAnyPage(), "COptionScreen"},
    {32791, 45, WalkClass<CManagerScreen>(), "CManagerScreen"},
    {32792, 70, WalkClass<CManagerScreen>(), "CManagerScreen"},
    {32795, 95, WalkClass<CManProfScreen>(), "CManProfScreen"},
    {32801, 9, WalkClass<CYouthScreen>(), "CYouthScreen"},
    {32803, 71, WalkClass<CYouthScreen>(), "CYouthScreen"},
    {32805, 24, WalkClass<CPlayerScreen>(), "CPlayerScreen"},
    {32807, 93, WalkClass<CPlayerScreen>(), "CPlayerScreen"},
    {32808, 89, WalkClass<CFinanceScreen>(), "CFinanceScreen"},
    {32813, 1, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32814, 18, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32815, 75, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32816, 75, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32818, 33, WalkClass<CGraphScreen>(), "CGraphScreen"},
    {32819, 42, WalkClass<CStatsScreen>(), "CStatsScreen"},
    {32820, 49, WalkClass<CStatsScreen>(), "CStatsScreen"},
    {32821, 77, WalkClass<CInfoScreen>(), "CInfoScreen"},
    {32823, 91, WalkClass<CNewsScreen>(), "CNewsScreen"},
    {32824, 92, WalkClass<CNewsScreen>(), "CNewsScreen"},
    {32825, 10, WalkClass<CNewsScreen>(), "CNewsScreen"},
    {32826, 43, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {32828, 87, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {32829, 88, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {32831, 84, WalkClass<CDisciplineScreen>(), "CDisciplineScreen"},
    {32837, 111, WalkAnyPage(), "COptionScreen"},
    {32838, 2, WalkClass<CFixtureScreen>(), "CFixtureScreen"},
    {32841, 116, WalkClass<CManagerScreen>(), "CManagerScreen"},
    {32891, 118, WalkClass<CInfoScreen>(), "CInfoScreen"},
    {33218, 119, WalkClass<CInfoScreen>(), "CInfoScreen"},
};

// The rows that need an employed manager: with no game they open nothing.
const uint32_t kWalkEmployedOnly[] = {32778, 32781, 32796, 32797, 32798, 32799, 32800, 32802, 32804, 32806,
                                      32809, 32810, 32811, 32812, 32817, 32822, 32834, 32839, 32840, 32859,
                                      32977, 33217};

class CommandWalk : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        RegisterGamePages();
        StartApp();
    }
    void TearDown() override {
        StopApp();
    }
    // A click on tool-bar button `button` of the set shown, as a user's.
    void ClickToolBar(int button) {
        const Rect r = ToolBarLayout(view->GetToolBarSet())[static_cast<size_t>(button)].rect;
        const Rect bar = view->GetToolBar()->WindowRect();
        const Point view0 = view->ClientToScreen(Point{0, 0});
        const Point frame0 = app->GetMainFrame()->ClientToScreen(Point{0, 0});
        const Point p{view0.x - frame0.x + bar.left + (r.left + r.right) / 2,
                      view0.y - frame0.y + bar.top + (r.top + r.bottom) / 2};
        // The pointer comes over the button first, as a hand would bring it.
        backend->MoveTo(p);
        backend->Click(p, MouseButton::Left, 100);
        testsupport::RunVirtualTime(*backend, *app->GetMainFrame(), 1500);
    }
    void Save(const std::string& name) {
        auto dir = testenv::BuildDir() / "screens-walk";
        std::filesystem::create_directories(dir);
        Ui::Get().PresentNow();
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }
    void ExpectOpened(const WalkStep& s) {
        SCOPED_TRACE(testing::Message() << "command " << s.command);
        EXPECT_EQ(g_nCurrentScreen, s.screen);
        CScreen* page = manager->GetCurrentPage();
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(s.isClass(page)) << "expected " << s.name;
        EXPECT_TRUE(page->IsAlive() && page->IsShownFlag());
        EXPECT_FALSE(view->IsFullPage());
    }

};

int WalkButtonOf(CXToolBar* bar, uint32_t command) {
    for (int b = 0; b < 19; ++b)
        if (bar->GetCommand(b) == command) return b;
    return -1;
}

// Successive Wins has its command, which opens the page and names it in
// the history, but no menu offers it to the user.
TEST(CommandTable, SuccessiveWinsHasACommandAndNoMenuItem) {
    EXPECT_EQ(CScreenManager::GetCommandForScreen(92), 32824);
    const auto walked = std::find_if(std::begin(kWalkMenus), std::end(kWalkMenus),
                                     [](const WalkStep& s) { return s.command == 32824; });
    ASSERT_NE(walked, std::end(kWalkMenus));
    EXPECT_EQ(walked->screen, 92);
    ASSERT_FALSE(MenuResource131().empty());
    for (const MenuResourceSub& sub : MenuResource131())
        for (const MenuResourceItem& item : sub.items) EXPECT_NE(item.id, 32824u) << sub.name;
}

TEST_F(CommandWalk, EveryToolBarButtonOfBothSetsOpensItsPage) {
    Command(19410);
    ASSERT_EQ(g_nCurrentScreen, 99) << "the walk starts on a section page";
    for (const WalkStep& s : kWalkToolBar) {
        const int set = s.command >= 19432 ? 1 : 0;
        if (view->GetToolBarSet() != set) {
            manager->SetToolBarSet(set);
            Drain();
        }
        // Options and Manager Selection leave the buttons as they were;
        // every page the walk opens enables them again.
        view->SetAllToolBarButtons(true);
        const int button = WalkButtonOf(view->GetToolBar(), s.command);
        ASSERT_GE(button, 0) << s.command;
        ClickToolBar(button);
        ExpectOpened(s);
        Save("toolbar-" + std::to_string(s.command));
    }
}

TEST_F(CommandWalk, EveryMenuCommandOpensItsPageAndBackAndForwardWalkTheHistory) {
    Command(19410);
    for (const WalkStep& s : kWalkMenus) {
        Command(s.command);
        ExpectOpened(s);
    }
    // The last eight recorded pages are held; Back walks down them.
    CHistory& h = manager->GetHistory();
    ASSERT_EQ(h.GetCount(), CHistory::kMaxEntries);
    const int last = h.GetCurrent();
    const int lastScreen = h.GetAt(last)->screenId;
    const int before = h.GetAt(last - 1)->screenId;
    ClickToolBar(10);  // Back
    EXPECT_EQ(g_nCurrentScreen, before);
    EXPECT_EQ(h.GetCurrent(), last - 1);
    ClickToolBar(15);  // Forward
    EXPECT_EQ(g_nCurrentScreen, lastScreen);
    EXPECT_EQ(h.GetCurrent(), last);
    Save("menus-after-back-and-forward");
}

TEST_F(CommandWalk, RowsForAnEmployedManagerOpenNothingWithoutOne) {
    Command(19410);
    for (uint32_t id : kWalkEmployedOnly) {
        Command(id);
        EXPECT_EQ(g_nCurrentScreen, 99) << id;
    }
    // History, Title and View Stadium ids are history command ids only.
    for (uint32_t id : {20444u, 20445u, 20446u}) {
        Command(id);
        EXPECT_EQ(g_nCurrentScreen, 99) << id;
    }
}

TEST_F(CommandWalk, ModelCodesValuesReachThePagesFields) {
    Command(19410);
    int subject = 0;
    manager->OpenScreenById(62, reinterpret_cast<intptr_t>(&subject), 4500, 0x102, 15);
    auto* contract = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(contract, nullptr);
    EXPECT_EQ(g_nCurrentScreen, 62);
    EXPECT_EQ(contract->m_pSubject, &subject);
    EXPECT_EQ(contract->m_nSubjectValue, 4500);
    EXPECT_EQ(contract->m_nSubjectKind, 2) << "the low byte of the third value";
    EXPECT_EQ(contract->m_nSellOn, 15) << "the agreed sell-on";
    EXPECT_EQ(view->GetToolBar()->GetState(0), 0) << "pages for model code disable the tool bar";

    manager->OpenScreenById(23, reinterpret_cast<intptr_t>(&subject), 90000, 10, 7);
    auto* sale = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(sale, nullptr);
    EXPECT_EQ(sale->m_nSubjectValue, 90000);
    EXPECT_EQ(sale->m_nSellOn, 10);
    EXPECT_EQ(sale->m_nBuyingClub, 7);

    manager->OpenScreenById(60, reinterpret_cast<intptr_t>(&subject), 1, 0, 0);
    auto* person = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->m_nSubjectKind, 1) << "the second word is the person's kind";

    manager->OpenScreenById(116, reinterpret_cast<intptr_t>(&subject), 3, 2, 1);
    auto* vacancies = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(vacancies, nullptr);
    EXPECT_EQ(vacancies->m_pVacancyClub, &subject);
    EXPECT_EQ(manager->GetHistory().GetAt(manager->GetHistory().GetCurrent())->screenId, 99)
        << "none of them is recorded";

    manager->ShowMatchSummary(0, "Cup Final", 1, 2, 3, CMatchTime(), 4, 9);
    auto* summary = dynamic_cast<CInfoScreen*>(manager->GetCurrentPage());
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(g_nCurrentScreen, 16);
    EXPECT_EQ(summary->m_nSummaryFirst, 0);
    EXPECT_EQ(summary->m_nSummaryLast, 9) << "no first value: the last goes in";
    EXPECT_EQ(summary->m_strSummaryText, "Cup Final");
    EXPECT_EQ(summary->m_nSummaryD, 4);
    EXPECT_EQ(view->GetToolBar()->GetState(0), 1) << "the summary enables the tool bar";
}

TEST_F(CommandWalk, APageMadeAgainForSomeoneWhoIsGoneSaysNoDataAvailable) {
    Command(19410);
    // An entry naming a player the world does not hold (no game is loaded).
    CHistory& h = manager->GetHistory();
    h.AddHistoryEntry("Person Information", GetPageFactory(PageClass::Player), {12, -1, kPersonListPlayers}, 60,
                      20444);
    manager->ShowHistoryEntry(h.GetCurrent());
    auto* page = dynamic_cast<CPlayerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->m_bSubjectGone);
    ASSERT_TRUE(page->ShowsNoData());
    bool anyEnabled = false;
    for (int i = 0; i < page->GetButtonCount(); ++i) anyEnabled |= page->GetButton(i).IsEnabled();
    EXPECT_FALSE(anyEnabled);
    Save("no-data-available");
    // The hub it came back to keeps nobody and shows its page.
    manager->ShowHistoryEntry(0);
    auto* hub = dynamic_cast<CManagerScreen*>(manager->GetCurrentPage());
    ASSERT_NE(hub, nullptr);
    EXPECT_FALSE(hub->ShowsNoData());
}

}  // namespace
