// The screen extras on real pages of the running shell: the navigator's
// set-up by caption, the manager slots of Manager Selection, the list
// look-ups and the right-click menus with their enable rules.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "platform/stringtable.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/screenglobals.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "shell/screentables.h"
#include "shell/soundengine.h"
#include "ui/xmenu.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "support/match_world.h"
#include "support/test_env.h"
#include "support/ui_loop.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

int ExtrasPageWithCaption(const std::string& caption) {
    for (int p = 0; p < screentables::kPageCount; ++p)
        if (platform::LoadString(static_cast<uint32_t>(screentables::kScreens[p].caption)) == caption) return p;
    return -1;
}

// The first page whose table rows make at least `n` widgets of a kind.
int ExtrasPageWith(bool list, int n) {
    for (int p = 0; p < screentables::kPageCount; ++p) {
        const int first = screentables::FirstControlRow(p);
        int count = 0;
        for (int r = 0; r < screentables::kScreens[p].controlCount && first + r < screentables::kControlCount; ++r) {
            const uint32_t f = screentables::kControls[first + r].flags;
            count += list ? (f & 0x40) != 0 : ((f & 0x40) == 0 && (f & 0x200) == 0 && (f & 0x6) != 0);
        }
        if (count >= n) return p;
    }
    return -1;
}

int ExtrasCountSelected(const CTreeNode* n) {
    int count = 0;
    for (; n; n = n->next) count += (n->selected ? 1 : 0) + ExtrasCountSelected(n->firstChild);
    return count;
}

class ScreenExtrasTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<testsupport::MatchWorld>(5, [](int id) { return id == 9; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        CWorldData& w = world->World();
        club = w.GetClub(w.GetDivision(division)->GetFirstClub());
        other = w.GetClub(w.GetDivision(division)->GetFirstClub() + 1);
        w.GetManagerList().GetAt(club->GetManager())->m_IsHuman = 1;
        w.GetUserList().GetAt(0)->SetManagerIndex(club->GetManager());
        w.SetCurrentUser(0);

        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        Drain();
        view = app->GetView();
        manager = view->GetScreenManager();
        tree = view->GetTreeWindow();
        tree->FillTree(5);
        tree->SetMode(0);
    }
    void TearDown() override {
        app.reset();
        Ui::Get().Stop();
        world.reset();
    }
    void Drain() { testsupport::DrainMessages(*app->GetMainFrame()); }
    // Shows the page of that caption as a table-built page.
    CScreensInfo* Open(const std::string& caption) {
        const int p = ExtrasPageWithCaption(caption);
        EXPECT_GE(p, 0) << caption;
        return OpenPage(p);
    }
    CScreensInfo* OpenPage(int p) {
        g_nScreenId = p;
        manager->SetScreen(MakePage(PageClass::Info), true, false, false, true, false);
        Drain();
        return dynamic_cast<CScreensInfo*>(manager->GetCurrentPage());
    }
    uintptr_t Data(const void* p) { return reinterpret_cast<uintptr_t>(p); }
    const CTreeNode* SelectedNode() {
        const CTreeNode* found = nullptr;
        std::function<void(const CTreeNode*)> walk = [&](const CTreeNode* n) {
            for (; n; n = n->next) {
                if (n->selected) found = n;
                walk(n->firstChild);
            }
        };
        walk(tree->GetTree().GetRoot());
        return found;
    }

    std::unique_ptr<testsupport::MatchWorld> world;
    int division = -1;
    CClub* club = nullptr;
    CClub* other = nullptr;
    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CBrixholmView* view = nullptr;
    CScreenManager* manager = nullptr;
    CTreeWindow* tree = nullptr;
};

TEST_F(ScreenExtrasTest, EachCaptionSetsTheNavigatorAsItsRowSays) {
    CWorldData& w = world->World();
    const uintptr_t div = Data(w.GetDivision(division));
    const uintptr_t own = Data(club);
    const uintptr_t country = Data(club->GetCountry());
    struct Case {
        const char* caption;
        int mode;  // -1: left as it was (0 here)
        int depth;  // -1: the tree switched off
        const char* picture;
        bool tiled;
        int panel;
        uintptr_t node;  // 0: nothing selected
    };
    const Case cases[] = {
        {"Manager Screen", 0, -1, "gfx\\tree\\manager.bmp", true, 1, 0},
        {"Squad Screen", 0, -1, "gfx\\tree\\squad.bmp", true, 1, 0},
        {"Game Options", 0, -1, "gfx\\tree\\intro_logo.bmp", false, 0, 0},
        {"League Table", 5, 4, "gfx\\tree\\info.bmp", true, 0, div},
        {"Cup Schedule", 2, 3, "gfx\\tree\\fixtures.bmp", true, 0, 0},
        {"Team Selection", 0, 4, "gfx\\tree\\squad.bmp", true, 0, own},
        {"Referee Information", 1, 3, "gfx\\tree\\discipline.bmp", true, 0, div},
        {"Newspaper", 0, 2, "gfx\\tree\\news.bmp", true, 0, country},
        {"Manager Generation", 4, 2, "gfx\\tree\\intro.bmp", true, 0, 0},
        {"Club Honours", 0, 4, "gfx\\tree\\club.bmp", true, 1, own},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        tree->SetMode(0);
        Open(c.caption);
        EXPECT_EQ(tree->GetMode(), c.mode);
        EXPECT_EQ(tree->GetTree().GetSelectionDepth(), c.depth);
        EXPECT_EQ(tree->GetTree().GetBackgroundPath(), c.picture);
        EXPECT_EQ(tree->GetTree().IsBackgroundTiled(), c.tiled);
        EXPECT_EQ(tree->GetTree().GetPanelMode(), c.panel);
        const CTreeNode* sel = SelectedNode();
        if (c.node) {
            ASSERT_NE(sel, nullptr);
            EXPECT_EQ(sel->data, c.node);
            EXPECT_EQ(g_nTreeSelectionData, c.node);
        } else {
            EXPECT_EQ(sel, nullptr);
        }
    }
    // The section pages name the colours of their panels.
    Open("Manager Screen");
    EXPECT_EQ(tree->GetTree().GetPanelSuffix(), "manager");
}

TEST_F(ScreenExtrasTest, ACaptionOutsideTheTableLeavesTheNavigatorAlone) {
    Open("League Table");
    const int p = ExtrasPageWithCaption("Past Winners");
    ASSERT_GE(p, 0);
    g_nScreenId = p;
    manager->SetScreen(MakePage(PageClass::Info), true, false, false, true, false);
    EXPECT_EQ(tree->GetMode(), 5);
    EXPECT_EQ(tree->GetTree().GetBackgroundPath(), "gfx\\tree\\info.bmp");
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), 4);
}

TEST_F(ScreenExtrasTest, ManagerVacanciesAndPersonInformationFollowTheModelsWait) {
    CWorldData& w = world->World();
    Open("Manager Vacancies");
    EXPECT_EQ(tree->GetMode(), 0);
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), 4);
    EXPECT_EQ(tree->GetTree().GetRoot()->expanded, 1);
    ASSERT_NE(SelectedNode(), nullptr);
    EXPECT_EQ(SelectedNode()->data, Data(w.GetDivision(division)));
    Open("Person Information");
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), 5);
    EXPECT_EQ(tree->GetTree().GetBackgroundPath(), "gfx\\tree\\player.bmp");

    // Opened for model code: both as their section pages.
    view->m_bModalBusy = 1;
    Open("Manager Vacancies");
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), -1);
    EXPECT_EQ(tree->GetTree().GetBackgroundPath(), "gfx\\tree\\manager.bmp");
    EXPECT_EQ(tree->GetTree().GetPanelMode(), 1);
    Open("Person Information");
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), -1);
    EXPECT_EQ(tree->GetTree().GetBackgroundPath(), "gfx\\tree\\player.bmp");
    EXPECT_EQ(tree->GetTree().GetPanelMode(), 1);
    view->m_bModalBusy = 0;

    // Without a club the vacancies page has no division to show.
    w.GetUserList().GetAt(0)->SetManagerIndex(-1);
    Open("Manager Vacancies");
    EXPECT_EQ(tree->GetTree().GetSelectionDepth(), -1);
}

TEST_F(ScreenExtrasTest, ViewStadiumShowsTheSelectedClubOrElseTheUsersOwn) {
    tree->SelectItem(Data(other), 0);
    ASSERT_EQ(g_nTreeSelectionData, Data(other));
    Open("View Stadium");
    ASSERT_NE(SelectedNode(), nullptr);
    EXPECT_EQ(SelectedNode()->data, Data(other));

    tree->SelectItem(Data(world->World().GetDivision(division)), 0);
    Open("View Stadium");
    ASSERT_NE(SelectedNode(), nullptr);
    EXPECT_EQ(SelectedNode()->data, Data(club));
    EXPECT_EQ(g_nTreeSelectionData, Data(club)) << "the user's club becomes the selection";
}

TEST_F(ScreenExtrasTest, ProgressRefillsTheTree) {
    tree->SetMode(3);
    ASSERT_EQ(tree->GetCurrentFill(), 3);
    Open("Progress");
    EXPECT_EQ(tree->GetCurrentFill(), 5);
    EXPECT_EQ(tree->GetMode(), 0);
    EXPECT_EQ(tree->GetTree().GetBackgroundPath(), "gfx\\tree\\intro_logo.bmp");
}

TEST_F(ScreenExtrasTest, ManagerSelectionShowsAFaceAndNameInEachSlotWithAManager) {
    CWorldData& w = world->World();
    // A second human in slot 5; slot 3 and the others stay empty.
    w.GetManagerList().GetAt(other->GetManager())->m_IsHuman = 1;
    w.GetUserList().GetAt(5)->SetManagerIndex(other->GetManager());
    CScreensInfo* page = Open("Manager Selection");
    ASSERT_NE(page, nullptr);
    // Two faces, each of its layers at the slot's place (28, 89) and (170, 276):
    // the rear hair's layer one left of the face at (x + 7, y - 6), no back.
    bool first = false, second = false;
    for (int i = 0; i < page->GetOverlayCount(); ++i) {
        const OverlayBitmap* o = page->GetOverlay(i);
        first |= o->x == 28 + 7 && o->y == 89 - 6;
        second |= o->x == 170 + 7 && o->y == 276 - 6;
        EXPECT_NE(o->x, 312 + 7 - 14) << "no back layer";
        EXPECT_FALSE(o->x == 454 + 7 && o->y == 89 - 6) << "slot 3 has no manager";
    }
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
}

TEST_F(ScreenExtrasTest, ManagerNamesGoOnTheSlotsButtonsAndEmptySlotsKeepTheirText) {
    CWorldData& w = world->World();
    w.GetManagerList().GetAt(other->GetManager())->m_IsHuman = 1;
    w.GetUserList().GetAt(1)->SetManagerIndex(other->GetManager());
    // A page of no rows of its own (the manager hub has its section buttons).
    CScreensInfo* page = Open("Manager Profile");
    ASSERT_NE(page, nullptr);
    // Three text buttons, as the slots' rows make them.
    const screentables::ControlRow rows[3] = {
        {119, 29000, 24, 207, 0x5}, {119, 29000, 166, 207, 0x5}, {119, 29000, 308, 207, 0x5}};
    page->BuildRows(rows, 3);
    ASSERT_EQ(page->GetButtonCount(), 3);
    const std::string kept = page->GetButton(2).Text();
    for (int i = 0; i < 8; ++i) page->AddManagerNameLabels(0, 0, i);
    EXPECT_EQ(page->GetButton(0).Text(), w.GetUser(0)->GetManagerName());
    EXPECT_EQ(page->GetButton(1).Text(), w.GetUser(1)->GetManagerName());
    EXPECT_EQ(page->GetButton(2).Text(), kept);
}

}  // namespace

namespace {

// The rules of the person menus, on players and staff of the world.
class PageMenuRulesTest : public ScreenExtrasTest {
protected:
    PageMenuSubject Subject() {
        CWorldData& w = world->World();
        PageMenuSubject s;
        s.employed = true;
        s.userClub = club;
        s.user = w.GetCurrentUser();
        return s;
    }
    static std::map<uint32_t, bool> Enabled(const std::vector<PageMenuChoice>& items) {
        std::map<uint32_t, bool> m;
        for (const PageMenuChoice& c : items) m[c.id] = !c.disabled;
        return m;
    }
};

TEST_F(PageMenuRulesTest, PlayerItemsFollowWhoseHeIs) {
    CPlayer* own = club->GetPlayer(0);
    CPlayer* theirs = other->GetPlayer(0);
    ASSERT_NE(own, nullptr);
    ASSERT_NE(theirs, nullptr);
    own->Person().SetContractYears(3);

    PageMenuSubject s = Subject();
    s.player = own;
    auto items = BuildPageMenuItems(11, s);
    ASSERT_EQ(items.size(), 7u);
    auto on = Enabled(items);
    EXPECT_TRUE(on[32897]) << "Information";
    EXPECT_TRUE(on[32898]) << "Release";
    EXPECT_TRUE(on[32904]) << "Renew Contract";
    EXPECT_TRUE(on[kTransferListCommand]);
    EXPECT_FALSE(on[32899]) << "Loan: his own player";
    EXPECT_FALSE(on[32900]) << "Buy: his own player";
    EXPECT_FALSE(on[32901]) << "Scout: his own player";
    EXPECT_EQ(items[6].text, "Transfer List");

    // Five years left: no renewal yet. Listed: the item offers the way off.
    own->Person().SetContractYears(5);
    own->m_AskingPrice = 0.0;
    items = BuildPageMenuItems(11, s);
    on = Enabled(items);
    EXPECT_FALSE(on[32904]);
    EXPECT_EQ(items[6].text, platform::LoadString(598));
    own->m_AskingPrice = -1.0;

    // On loan from elsewhere: nothing of the owner's.
    own->m_LoanWeeks = 4;
    on = Enabled(BuildPageMenuItems(11, s));
    EXPECT_FALSE(on[32898]);
    EXPECT_FALSE(on[32904]);
    EXPECT_FALSE(on[kTransferListCommand]);
    own->m_LoanWeeks = 0;

    // Another club's player: the owner's items greyed.
    s.player = theirs;
    on = Enabled(BuildPageMenuItems(11, s));
    EXPECT_FALSE(on[32898]);
    EXPECT_FALSE(on[kTransferListCommand]);
    EXPECT_TRUE(on[32897]);
    // Asked for a price that is not above nothing: no bid.
    theirs->m_AskingPrice = 0.0;
    on = Enabled(BuildPageMenuItems(11, s));
    EXPECT_FALSE(on[32899]);
    EXPECT_FALSE(on[32900]);
    theirs->m_AskingPrice = -1.0;

    // Without a club the person items stay closed.
    s.userClub = nullptr;
    s.employed = false;
    on = Enabled(BuildPageMenuItems(11, s));
    for (uint32_t id : {32898u, 32904u, 32899u, 32900u, 32901u, kTransferListCommand}) EXPECT_FALSE(on[id]) << id;
}

TEST_F(PageMenuRulesTest, SectionMenusGreyTheClubCommandsOnlyWithoutAClub) {
    PageMenuSubject s = Subject();
    const auto employed = BuildPageMenuItems(3, s);
    ASSERT_FALSE(employed.empty());
    for (const PageMenuChoice& c : employed) EXPECT_FALSE(c.disabled) << c.id;
    s.employed = false;
    s.userClub = nullptr;
    int greyed = 0;
    for (const PageMenuChoice& c : BuildPageMenuItems(3, s)) {
        EXPECT_EQ(c.disabled, CommandNeedsClub(c.id)) << c.id;
        greyed += c.disabled;
    }
    EXPECT_GT(greyed, 0) << "the squad menu holds Team Selection";
    EXPECT_TRUE(BuildPageMenuItems(-1, s).empty());
}

TEST_F(PageMenuRulesTest, StaffItemsFollowTheClubTheyWorkFor) {
    auto hired = std::make_unique<CEmployee>();
    hired->m_JobKind = CBasicEmployee::kHeadPhysio;
    CEmployee* coach = hired.get();
    club->Staff().Add(std::move(hired));
    ASSERT_EQ(coach->GetClub(), club);
    PageMenuSubject s = Subject();
    s.employee = coach;
    auto on = Enabled(BuildPageMenuItems(12, s));
    EXPECT_TRUE(on[32903]) << "Sack";
    EXPECT_TRUE(on[32905]) << "Renew Contract";
    coach->m_Spare = 1;
    on = Enabled(BuildPageMenuItems(12, s));
    EXPECT_FALSE(on[32905]);
    coach->m_Spare = 0;

    // Someone else's staff: neither.
    s.userClub = other;
    on = Enabled(BuildPageMenuItems(12, s));
    EXPECT_FALSE(on[32903]);
    EXPECT_FALSE(on[32905]);

    // No row for anyone: Offer Contract greyed.
    s.employee = nullptr;
    const auto none = BuildPageMenuItems(12, s);
    bool offered = false;
    for (const PageMenuChoice& c : none)
        if (c.id == 32906) {
            offered = true;
            EXPECT_TRUE(c.disabled);
        }
    EXPECT_TRUE(offered);

    // A contact opens no menu at all.
    CEmployee contact;
    contact.m_JobKind = CBasicEmployee::kBankManager;
    s.employee = &contact;
    EXPECT_TRUE(BuildPageMenuItems(12, s).empty());
}

TEST_F(PageMenuRulesTest, LoanAndBuyOpenForASignablePlayerOfAnotherClub) {
    CWorldData& w = world->World();
    PageMenuSubject s = Subject();
    // The first player elsewhere that the user's club may sign at all.
    CPlayer* target = nullptr;
    for (int c = 0; c < w.GetClubList().GetSize() && !target; ++c) {
        CClub* seller = w.GetClub(c);
        if (!seller || seller == club) continue;
        for (int i = 0; i < kSquadSlots && !target; ++i) {
            CPlayer* p = seller->GetPlayer(i);
            if (!p) continue;
            s.player = p;
            const auto on = Enabled(BuildPageMenuItems(11, s));
            if (on.at(32899) && on.at(32900)) target = p;
        }
    }
    ASSERT_NE(target, nullptr) << "the world holds someone the user's club could sign";
    s.player = target;
    EXPECT_TRUE(Enabled(BuildPageMenuItems(11, s))[32897]);

    // Each of these alone closes both.
    const double price = target->m_AskingPrice;
    target->m_AskingPrice = 0.0;
    auto on = Enabled(BuildPageMenuItems(11, s));
    EXPECT_FALSE(on[32899]) << "asked nothing";
    EXPECT_FALSE(on[32900]);
    target->m_AskingPrice = price;

    const uint8_t status = target->Person().GetStatus();
    target->Person().SetStatus(CPerson::kStatusRetiring);
    on = Enabled(BuildPageMenuItems(11, s));
    EXPECT_FALSE(on[32899]) << "he would refuse";
    EXPECT_FALSE(on[32900]);
    target->Person().SetStatus(status);

    EXPECT_TRUE(Enabled(BuildPageMenuItems(11, s))[32900]) << "back as it was";
}

TEST_F(PageMenuRulesTest, OfferContractShowsOnlyForStaffTheClubWouldTake) {
    CWorldData& w = world->World();
    const int low = w.GetPopularityList().GetStaffLevelMinimum(club->GetPopularityIndex());
    ASSERT_GT(low, 0) << "the fixture's club needs a floor to test below it";
    PageMenuSubject s = Subject();
    CEmployee free;
    free.m_JobKind = CBasicEmployee::kHeadCoach;
    s.employee = &free;
    auto find = [](const std::vector<PageMenuChoice>& items) -> const PageMenuChoice* {
        for (const PageMenuChoice& c : items)
            if (c.id == 32906) return &c;
        return nullptr;
    };
    // At the floor the club always takes him: the item is there and open.
    free.m_Ability = static_cast<uint8_t>(low);
    auto items = BuildPageMenuItems(12, s);
    ASSERT_NE(find(items), nullptr);
    EXPECT_FALSE(find(items)->disabled);
    // Below the floor the item is left out, not greyed.
    free.m_Ability = static_cast<uint8_t>(low - 1);
    items = BuildPageMenuItems(12, s);
    EXPECT_EQ(find(items), nullptr);
    EXPECT_EQ(items.size(), 3u) << "the other staff items stay";
    // Without a club there is nothing to offer.
    s.userClub = nullptr;
    EXPECT_EQ(find(BuildPageMenuItems(12, s)), nullptr);
}

TEST(PageMenuShortSubMenuTest, SubMenusOfFewerThanTwoItemsOpenNothingButTheTreeToggle) {
    PageMenuSubject s;
    s.employed = true;
    for (int group = 14; group <= 20; ++group) {
        const MenuResourceSub* sub = GetSubMenu(group);
        if (!sub) continue;
        ASSERT_LT(sub->items.size(), 2u) << group;
        EXPECT_TRUE(BuildPageMenuItems(group, s).empty()) << group;
    }
    // The tree's own menu has three items and opens.
    EXPECT_EQ(BuildPageMenuItems(0, s).size(), 3u);
    EXPECT_TRUE(BuildPageMenuItems(21, s).empty()) << "no such sub-menu";
}

TEST_F(ScreenExtrasTest, RowsThatResetTheModeDoSoAndTheOthersKeepIt) {
    struct Case {
        const char* caption;
        int mode;
    };
    const Case cases[] = {
        {"Manager Profile", 0},      {"Manager Honours", 0},   {"Match Results", 0},
        {"Match Summary", 0},        {"Manager Selection", 0}, {"Manager Ratings", 0},
        {"Highest Gates", 0},        {"Squad Screen", 3},      {"Club Screen", 3},
        {"Leading Goal Scorers", 3}, {"Credits", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        tree->SetMode(3);
        ASSERT_NE(Open(c.caption), nullptr);
        EXPECT_EQ(tree->GetMode(), c.mode);
    }
}

TEST_F(ScreenExtrasTest, ContextMenuOpensOnlyWithAGroupAndAnEnabledToolBarAndSendsItsCommand) {
    CScreensInfo* page = Open("Squad Screen");
    ASSERT_NE(page, nullptr);
    view->SetAllToolBarButtons(false);
    EXPECT_FALSE(manager->IsToolBarFlagSet());
    StopSample(14);
    EXPECT_EQ(page->ShowContextMenu(kPlayerMenuCode, 100, 100, 0), 0u);
    const SampleRecord* sample = GetSample(14);
    EXPECT_FALSE(sample && sample->playing) << "no sound while the tool bar is off";

    view->SetAllToolBarButtons(true);
    EXPECT_TRUE(manager->IsToolBarFlagSet());
    EXPECT_EQ(page->ShowContextMenu(23, 100, 100, 0), 0u) << "no menu group";

    // A right click outside every list takes the person the caller passes.
    CPlayer* theirs = other->GetPlayer(0);
    backend->OnModalShown([&] {
        backend->Key(VK_DOWN, 10);
        backend->Key(VK_RETURN, 10);
    });
    backend->SetEndWhenScriptDone(false);
    backend->SetTimeLimit(3000);
    EXPECT_EQ(page->ShowContextMenu(kPlayerMenuCode, 5, 5, reinterpret_cast<uintptr_t>(theirs)), 32897u);
    EXPECT_EQ(g_pSelectedPlayer, theirs);
    Drain();
    EXPECT_EQ(g_nCurrentScreen, 60) << "Information reached the screen manager";
}

TEST_F(ScreenExtrasTest, ListLookUpsAnswerForTheFirstTwoListsOnly) {
    const int withLists = ExtrasPageWith(true, 1);
    ASSERT_GE(withLists, 0);
    CScreensInfo* page = OpenPage(withLists);
    ASSERT_NE(page, nullptr);
    ASSERT_GE(page->GetListCount(), 1);
    CListControl& list = page->GetList(0);
    list.AddRow("first", 0, 77, 0);
    list.AddRow("second", 0, 88, 0);
    const Rect r = list.WindowRect();
    // Find the second row's line by walking down the list.
    int y2 = -1;
    for (int y = r.top; y < r.bottom && y2 < 0; ++y)
        if (page->HitTestListRow(r.left + 20, y) == 1) y2 = y;
    ASSERT_GE(y2, 0);
    EXPECT_EQ(page->GetListRowData(r.left + 20, y2), 88u);
    EXPECT_EQ(page->HitTestListRow(r.left + 20, r.bottom - 2), -1) << "below the rows";
    EXPECT_EQ(page->GetListRowData(r.left + 20, r.bottom - 2), 0u);
    EXPECT_EQ(page->HitTestListRow(r.right + 5, y2), -1) << "outside the list";
}

TEST_F(ScreenExtrasTest, ListLookUpsReachTheSecondList) {
    const int withTwo = ExtrasPageWith(true, 2);
    ASSERT_GE(withTwo, 0) << "a page of two lists";
    CScreensInfo* page = OpenPage(withTwo);
    ASSERT_NE(page, nullptr);
    ASSERT_GE(page->GetListCount(), 2);
    for (int i = 0; i < 2; ++i) page->GetList(i).AddRow("only", 0, 100u + static_cast<uintptr_t>(i), 0);
    // A point on the first row of list i that no other window covers.
    auto rowOf = [&](int i, int* x, int* y) {
        const Rect r = page->GetList(i).WindowRect();
        for (int yy = r.top; yy < r.bottom; ++yy)
            for (int xx = r.left + 2; xx < r.right; xx += 8) {
                const Point pt{xx, yy};
                if (page->ChildFromPoint(pt) != &page->GetList(i)) continue;
                if (page->GetList(i).Send(ui::kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&pt), 0) == 0) {
                    *x = xx;
                    *y = yy;
                    return true;
                }
            }
        return false;
    };
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        int x = 0, y = 0;
        ASSERT_TRUE(rowOf(i, &x, &y));
        EXPECT_EQ(page->HitTestListRow(x, y), 0);
        EXPECT_EQ(page->GetListRowData(x, y), 100u + static_cast<uintptr_t>(i)) << "each list answers with its own row";
    }
}


}  // namespace
