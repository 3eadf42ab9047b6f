// The road to a new game in the running program: the country page's maps,
// flags and group buttons, then the initialise page's seven stages and
// the load from the title page.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <functional>
#include <memory>

#include "platform/random.h"
#include "platform/trace.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "screens/titlescreen.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/view.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/selectablecountries.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "support/test_env.h"
#include "support/ui_loop.h"

using namespace platform::win;

namespace {

const SelectableCountry& NewGameCountry(int id) {
    for (const SelectableCountry& c : GetSelectableCountries())
        if (c.id == id) return c;
    throw std::runtime_error("no such map country");
}

std::vector<int> NewGameSelected(const CWorldData& w) {
    std::vector<int> out;
    for (int i = 1; i < 255; ++i)
        if (w.GetCountrySelection()[i]) out.push_back(i);
    return out;
}

TEST(CountrySelectionTest, TheFlagHitTestIsStrictAndTheLastMatchWins) {
    const SelectableCountry& england = NewGameCountry(55);  // (136, 328)
    struct Case {
        int x, y, id;
    };
    const Case cases[] = {{136, 335, -1}, {137, 335, 55}, {153, 335, 55}, {154, 335, -1},
                          {140, 328, -1}, {140, 329, 55}, {140, 341, 55}, {140, 342, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(CTitleScreen::FlagAt(SelectableCountry::kEurope, c.x, c.y), c.id) << c.x << "," << c.y;
    EXPECT_EQ(england.flagX, 136);
    // Scotland (108, 291) and Northern Ireland (81, 314) do not overlap;
    // Albania (349, 451) and Yugoslavia (350, 429) neither: look for any
    // overlap in the table and check the later entry wins there.
    const auto europe = GetMapCountries(SelectableCountry::kEurope);
    for (size_t a = 0; a < europe.size(); ++a)
        for (size_t b = a + 1; b < europe.size(); ++b) {
            const int x = std::max(europe[a].flagX, europe[b].flagX) + 1;
            const int y = std::max(europe[a].flagY, europe[b].flagY) + 1;
            if (x < europe[a].flagX + 18 && x < europe[b].flagX + 18 && y < europe[a].flagY + 14 &&
                y < europe[b].flagY + 14) {
                int last = -1;
                for (const SelectableCountry& c : europe)
                    if (c.flagX < x && x < c.flagX + 18 && c.flagY < y && y < c.flagY + 14) last = c.id;
                EXPECT_EQ(CTitleScreen::FlagAt(SelectableCountry::kEurope, x, y), last);
            }
        }
    // Only the map asked about is tested: England's place on the World map is sea.
    EXPECT_EQ(CTitleScreen::FlagAt(SelectableCountry::kWorld, 140, 335), -1);
}

TEST(CountrySelectionTest, GroupButtonsAndTheDefaultSelection) {
    CWorldData w{CWorldData::Empty{}};
    // Whatever was chosen before, the page starts from the default 27.
    w.SelectCountry(1, true);
    w.SelectCountry(200, true);
    CTitleScreen::SetDefaultCountrySelection(w);
    const std::vector<int> def = NewGameSelected(w);
    ASSERT_EQ(def.size(), 27u);
    for (int id : def) EXPECT_EQ(w.GetCountrySelection()[id], id) << "byte i holds i";
    EXPECT_EQ(w.GetCountrySelection()[1], 0);

    // "Top 10" after "All" leaves the ten of group 1 and the World choice.
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kEurope, CTitleScreen::kGroupAll);
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(w), 49 + 7);
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kEurope, CTitleScreen::kGroupTop10);
    int europe = 0, world = 0;
    for (const SelectableCountry& c : GetSelectableCountries()) {
        if (!w.GetCountrySelection()[c.id]) continue;
        (c.map == SelectableCountry::kEurope ? europe : world)++;
        if (c.map == SelectableCountry::kEurope) {
            EXPECT_EQ(c.group, 1) << c.name;
        }
    }
    EXPECT_EQ(europe, 10);
    EXPECT_EQ(world, 7);
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kEurope, CTitleScreen::kGroupTop20);
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(w), 20 + 7);
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kWorld, CTitleScreen::kGroupAll);
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(w), 20 + 22);
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kEurope, CTitleScreen::kGroupNone);
    CTitleScreen::ApplyGroupButton(w, SelectableCountry::kWorld, CTitleScreen::kGroupNone);
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(w), 0);
}

class NewGamePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_SetupState = SetupState{};
        ResetGameFlags();
        // A fixed clock, so every run seeds its games alike.
        platform::SetRandomClock([] { return int64_t(936000000); });
        CBrixholmApp::SetWorldFactory([] { return std::make_unique<CWorldData>(); });
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        RegisterGamePages();
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        testsupport::DrainMessages(*app->GetMainFrame());
        manager = app->GetView()->GetScreenManager();
    }
    void TearDown() override {
        app.reset();
        Ui::Get().Stop();
        CBrixholmApp::SetWorldFactory(nullptr);
        g_SetupState = SetupState{};
        ResetGameFlags();
        platform::SetRandomClock(nullptr);
    }
    void Run(uint64_t ms) { testsupport::RunVirtualTime(*backend, *app->GetMainFrame(), ms); }
    CTitleScreen* Page() { return dynamic_cast<CTitleScreen*>(manager->GetCurrentPage()); }
    Point OnPage(int x, int y) { return app->GetMainFrame()->ScreenToClient(Page()->ClientToScreen(Point{x, y})); }
    void Click(int x, int y) {
        backend->Click(OnPage(x, y));
        Run(60);
    }
    void OpenTitlePage(int screen, const char* background) {
        g_nScreenId = screen;
        auto* page = new CTitleScreen();
        if (background) page->SetBackground(background);
        manager->SetScreen(page, true, false, true, false, false);
        testsupport::DrainMessages(*app->GetMainFrame());
    }
    // Clicks a flag's middle on the page.
    void ClickFlag(int id) {
        const SelectableCountry& c = NewGameCountry(id);
        Click(c.flagX + 9, c.flagY + 7);
    }

    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    CScreenManager* manager = nullptr;
};

TEST_F(NewGamePagesTest, CountryPageButtonsTabsAndFlags) {
    CWorldData* w = GetWorldData();
    ASSERT_NE(w, nullptr);
    w->SelectCountry(1, true);
    OpenTitlePage(79, "gfx\\backgrounds\\data selection2.bmp");
    ASSERT_EQ(Page()->GetScreen(), 79);
    EXPECT_EQ(NewGameSelected(*w).size(), 27u);
    EXPECT_TRUE(Page()->IsContinueEnabled());

    Click(17 + 30, 518 + 12);  // Europe "None"
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(*w), 7) << "the World choice stays";
    EXPECT_TRUE(Page()->IsContinueEnabled());
    Click(450, 100);  // the World tab
    EXPECT_EQ(Page()->GetMapTab(), 1);
    Click(17 + 30, 518 + 12);  // World "None"
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(*w), 0);
    EXPECT_FALSE(Page()->IsContinueEnabled());
    Click(644 + 60, 50 + 16);  // a disabled "OK" cannot be hit
    ASSERT_EQ(Page()->GetScreen(), 79);

    // A Europe flag's place on the World map: nothing there.
    const SelectableCountry& england = NewGameCountry(55);
    ASSERT_EQ(CTitleScreen::FlagAt(SelectableCountry::kWorld, england.flagX + 9, england.flagY + 7), -1);
    ClickFlag(55);
    EXPECT_EQ(w->GetCountrySelection()[55], 0);
    ClickFlag(24);  // Brazil
    EXPECT_EQ(w->GetCountrySelection()[24], 24);
    EXPECT_TRUE(Page()->IsContinueEnabled());
    Click(80 + 30, 518 + 12);  // World "All"
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(*w), 22);

    Click(100, 100);  // back to Europe: both choices kept
    EXPECT_EQ(Page()->GetMapTab(), 0);
    ClickFlag(55);
    ClickFlag(150);
    EXPECT_EQ(CTitleScreen::CountSelectedCountries(*w), 24);
    ClickFlag(150);
    EXPECT_EQ(w->GetCountrySelection()[150], 0) << "a second click takes it out again";

    // The hovered name stands beside its flag, in its colour.
    backend->MoveTo(OnPage(england.flagX + 9, england.flagY + 7));
    Run(60);
    EXPECT_EQ(Page()->GetHoveredCountry(), 55);
    const auto* work = Page()->GetWork();
    ASSERT_NE(work, nullptr);
    int red = 0;
    for (int y = england.flagY + 1; y < england.flagY + 20; ++y)
        for (int x = england.flagX + 22; x < england.flagX + 70; ++x) red += work->Get(x, y) == platform::gfx::MakePixel(224, 0, 32);
    EXPECT_GT(red, 10) << "the name in (224, 0, 32) at (x + 22, y + 1)";
}

TEST_F(NewGamePagesTest, OkRunsTheSevenStagesAndOpensTheManagerPage) {
    OpenTitlePage(79, "gfx\\backgrounds\\data selection2.bmp");
    Click(17 + 30, 518 + 12);
    Click(450, 100);
    Click(17 + 30, 518 + 12);
    Click(100, 100);
    ClickFlag(55);
    ClickFlag(150);
    Click(644 + 60, 50 + 16);
    ASSERT_NE(Page(), nullptr);
    ASSERT_EQ(Page()->GetScreen(), 112);
    EXPECT_EQ(g_SetupState.busy, 1) << "set on the way to the initialise page";
    EXPECT_EQ(g_SetupState.gameData, kGameDataNone);
    Run(200);
    EXPECT_EQ(g_SetupState.busy, 0) << "cleared at the next tick";
    EXPECT_EQ(g_SetupState.gameData, kGameDataLoaded);
    EXPECT_EQ(g_SetupState.worldInitialised, 1);
    EXPECT_EQ(g_nCurrentScreen, 97);
    CWorldData* w = GetWorldData();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(NewGameSelected(*w), (std::vector<int>{55, 150}));
    EXPECT_GT(w->GetClubList().GetSize(), 20);
    EXPECT_EQ(manager->GetHistory().GetCount(), 0) << "set-up pages are not recorded";
    // The tree was filled from the new world: the chosen countries are in it.
    const CTree& tree = app->GetView()->GetTreeWindow()->GetTree();
    for (int id : {55, 150}) EXPECT_NE(tree.FindItem(reinterpret_cast<uintptr_t>(w->GetCountry(id)), 0), nullptr) << id;
}

TEST_F(NewGamePagesTest, AFailedLoadFromTheTitleReturnsToTheTitleAndANewGameReadsTheDatabaseAgain) {
    g_SetupState.loadPath = (testenv::TestFolder() / "missing.qzs").string();
    g_SetupState.loadPending = 1;
    CWorldData* w = GetWorldData();
    CTitleScreen::SetDefaultCountrySelection(*w);
    w->ClearCountrySelection();
    w->SelectCountry(55, true);
    OpenTitlePage(112, "gfx\\backgrounds\\titlescreen.bmp");
    backend->Key(VK_RETURN, 300);  // closes 410 "Save-game file not found"
    Run(600);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetScreen(), 91) << "back to the title, not to the start page of an empty world";
    EXPECT_EQ(g_SetupState.loadPending, 0);
    EXPECT_EQ(g_SetupState.gameData, kGameDataNone) << "the next game reads the database again";
    EXPECT_EQ(g_bGameLoaded, 0);

    // The next new game runs the stages with its own selection: Scotland
    // alone this time.
    OpenTitlePage(79, "gfx\\backgrounds\\data selection2.bmp");
    Click(17 + 30, 518 + 12);
    Click(450, 100);
    Click(17 + 30, 518 + 12);
    Click(100, 100);
    ClickFlag(150);
    Click(644 + 60, 50 + 16);
    Run(200);
    ASSERT_EQ(g_nCurrentScreen, 97);
    w = GetWorldData();
    EXPECT_EQ(NewGameSelected(*w), (std::vector<int>{150}));
    EXPECT_TRUE(w->GetCountry(150)->IsFollowed());
    EXPECT_FALSE(w->GetCountry(55)->IsFollowed()) << "England was the failed load's choice, not this game's";
}

}  // namespace

#include "screens/optionscreen.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/soccerplayer.h"
#include "ui/tree.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"

namespace {

TEST(ManagerFaceTest, StepsWrapTheBeardSkipsFourAndTheRulesHold) {
    PhotofitFace f{};
    f.beard = 3;
    ASSERT_TRUE(COptionScreen::StepFace(f, 21516));
    EXPECT_EQ(f.beard, 5) << "up from 3 passes over 4";
    ASSERT_TRUE(COptionScreen::StepFace(f, 21514));
    EXPECT_EQ(f.beard, 3) << "down from 5 passes over 4";
    f.beard = 7;
    COptionScreen::StepFace(f, 21516);
    EXPECT_EQ(f.beard, 0);
    f.skin = 4;
    COptionScreen::StepFace(f, 10183);
    EXPECT_EQ(f.skin, 0) << "race wraps over 0-4";
    COptionScreen::StepFace(f, 10182);
    EXPECT_EQ(f.skin, 4);
    f.hairColour = 0;
    COptionScreen::StepFace(f, 10184);
    EXPECT_EQ(f.hairColour, 4) << "colour wraps over 0-4";
    EXPECT_FALSE(COptionScreen::StepFace(f, 21505));

    struct Case {
        int skin, colour, layered, wantColour, wantLayered;
    };
    const Case cases[] = {{4, 3, 1, 0, 1}, {4, 2, 1, 2, 1}, {4, 1, 1, 1, 1}, {2, 4, 1, 0, 1},
                          {0, 4, 1, 4, 1}, {0, 1, 0, 1, 1}, {0, 2, 0, 2, 0}};
    for (const Case& c : cases) {
        PhotofitFace g{};
        g.skin = int8_t(c.skin);
        g.hairColour = int8_t(c.colour);
        g.layered = int8_t(c.layered);
        COptionScreen::ApplyFaceRules(g);
        EXPECT_EQ(g.hairColour, c.wantColour) << c.skin << "/" << c.colour;
        EXPECT_EQ(g.layered, c.wantLayered) << c.skin << "/" << c.colour;
    }
    // Profile values out of range come back in range.
    PhotofitFace bad{};
    bad.skin = 9;
    bad.hairColour = 7;
    bad.beard = 4;
    const PhotofitFace n = COptionScreen::NormaliseFace(bad);
    EXPECT_EQ(n.skin, 0);
    EXPECT_EQ(n.hairColour, 2);
    EXPECT_EQ(n.beard, 4) << "a stored 4 stays 4";
    EXPECT_EQ(COptionScreen::AgeFromProfile("35x"), 35);
    EXPECT_EQ(COptionScreen::AgeFromProfile("66"), 35);
    EXPECT_EQ(COptionScreen::AgeFromProfile("6"), 6);
}

class ManagerSetupTest : public NewGamePagesTest {
protected:
    // England and Scotland only, through the country page and the stages.
    void StartTwoCountryGame() {
        OpenTitlePage(79, "gfx\\backgrounds\\data selection2.bmp");
        Click(17 + 30, 518 + 12);
        Click(450, 100);
        Click(17 + 30, 518 + 12);
        Click(100, 100);
        ClickFlag(55);
        ClickFlag(150);
        Click(644 + 60, 50 + 16);
        Run(200);
        ASSERT_EQ(g_nCurrentScreen, 97);
    }
    COptionScreen* Options() { return dynamic_cast<COptionScreen*>(manager->GetCurrentPage()); }
    std::function<void()> answerNotice;
    void Command(uint32_t id) {
        ASSERT_NE(Options(), nullptr);
        Options()->OnCommand(id, 0, nullptr);
        Run(60);
    }
    void TreeSelect(int level, const void* data) {
        TreeNotice n;
        n.level = level;
        n.data = reinterpret_cast<uintptr_t>(data);
        Options()->OnTreeSelect(&n);
    }
    // The first club of a country that is not `except`.
    int ClubOf(int countryId, int except = -1) {
        CWorldData* w = GetWorldData();
        for (int i = 0; i < w->GetClubList().GetSize(); ++i) {
            const CClub* c = w->GetClubList().GetAt(i);
            if (c && c->GetCountry() && c->GetCountry()->GetId() == countryId && i != except && c->HasManager()) return i;
        }
        return -1;
    }
    void MakeManager(const std::string& name, int age, int countryId, int club) {
        ASSERT_EQ(g_nCurrentScreen, 97);
        CWorldData* w = GetWorldData();
        Options()->FindEdit(21474)->SetText(name);
        Options()->GetAgeField().SetValue(age, false);
        TreeSelect(2, w->GetCountry(countryId));
        Command(21505);
        ASSERT_EQ(g_nCurrentScreen, 90);
        TreeSelect(4, w->GetClubList().GetAt(club));
        ASSERT_TRUE(Options()->FindButton(10192)->IsEnabled());
        Command(10192);
        ASSERT_EQ(g_nCurrentScreen, 61);
    }
};

TEST_F(ManagerSetupTest, TheChecksOfManagerGenerationRefuseInTheirOrder) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    struct Case {
        const char* name;
        int age;
        const char* nationality;
        unsigned refusal;
    };
    const Case cases[] = {{"", 35, "English", 582},         {"   ", 35, "English", 582},
                          {"Kit Moran", 5, "English", 477}, {"Kit Moran", 66, "English", 478},
                          {"Kit Moran", 6, "English", 0},   {"Kit Moran", 65, "Scottish", 0},
                          {"Kit Moran", 40, "Englandish", 476}, {"Kit Moran", 40, "", 476}};
    for (const Case& c : cases)
        EXPECT_EQ(COptionScreen::CheckManagerEntry(*w, c.name, c.age, c.nationality), c.refusal) << c.name << c.age;
    // A refusal keeps the page.
    Options()->FindEdit(21474)->SetText("  ");
    backend->Key(VK_RETURN, 100);
    Command(21505);
    Run(300);
    EXPECT_EQ(g_nCurrentScreen, 97);
    EXPECT_FALSE(Options()->FindButton(21506)->IsEnabled()) << "no Cancel for the first manager";
}

TEST_F(ManagerSetupTest, TwoManagersJoinTheirClubsAndTheGameOpensOnTheStartPage) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    const int first = ClubOf(55);
    ASSERT_GE(first, 0);
    const int displaced = w->GetClubList().GetAt(first)->GetManager();
    MakeManager("Kit Moran", 44, 55, first);
    CHumanManager* user = w->GetUserList().GetAt(0);
    ASSERT_TRUE(user->HasManager());
    CManager* human = user->GetManager();
    EXPECT_EQ(human->GetClubIndex(), first);
    EXPECT_EQ(human->Person().GetContractYears(), 4);
    EXPECT_GT(human->Person().GetWeeklyWage(), 0);
    EXPECT_EQ(human->Person().GetAge(), 44);
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    EXPECT_EQ(w->GetClubList().GetAt(first)->GetManager(), user->GetManagerIndex());
    ASSERT_NE(w->GetManagerList().GetAt(displaced), nullptr);
    EXPECT_FALSE(w->GetManagerList().GetAt(displaced)->IsEmployed()) << "the computer manager left";
    EXPECT_EQ(Options()->GetList(0).GetRowCount(), 1);

    Command(21511);  // Add Manager
    ASSERT_EQ(g_nCurrentScreen, 97);
    EXPECT_EQ(CWorldData::SelectedUserSlot(), 1);
    EXPECT_TRUE(Options()->FindButton(21506)->IsEnabled());
    // A club another human runs is refused for the second manager.
    Options()->FindEdit(21474)->SetText("Ros Vale");
    TreeSelect(2, w->GetCountry(150));
    Command(21505);
    ASSERT_EQ(g_nCurrentScreen, 90);
    backend->Key(VK_RETURN, 100);
    TreeSelect(4, w->GetClubList().GetAt(first));
    EXPECT_FALSE(Options()->FindButton(10192)->IsEnabled());
    EXPECT_FALSE(Options()->FindButton(10193)->IsEnabled());
    const int second = ClubOf(150);
    ASSERT_GE(second, 0);
    TreeSelect(4, w->GetClubList().GetAt(second));
    Command(10192);
    ASSERT_EQ(g_nCurrentScreen, 61);
    EXPECT_EQ(Options()->GetList(0).GetRowCount(), 2);
    EXPECT_EQ(std::string(Options()->GetList(0).GetItemText(1, 0)), "Ros Vale");

    Command(21510);  // OK
    ASSERT_EQ(g_nCurrentScreen, 96);
    EXPECT_EQ(g_bGameLoaded, 1);
    EXPECT_EQ(g_bGameInProgress, 1);
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    for (int slot : {0, 1}) {
        EXPECT_TRUE(w->GetUserList().GetAt(slot)->HasMessage(199)) << "a Tuesday start, slot " << slot;
        EXPECT_FALSE(w->GetUserList().GetAt(slot)->HasMessage(198));
    }
    EXPECT_EQ(manager->GetHistory().GetCount(), 1) << "the start page is the first entry";
}

TEST_F(ManagerSetupTest, DeletingAManagerCompactsTheSlotsAndTheirKnowledge) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    const int first = ClubOf(55), second = ClubOf(150);
    MakeManager("Kit Moran", 44, 55, first);
    Command(21511);
    MakeManager("Ros Vale", 50, 150, second);
    // Player 0 known to slot 1 only, player 1 to slot 0 only.
    std::vector<CPlayer*> players;
    for (int i = 0; i < w->GetPlayerList().GetSize() && players.size() < 2; ++i)
        if (CPlayer* p = w->GetPlayerList().GetAt(i)) players.push_back(p);
    ASSERT_EQ(players.size(), 2u);
    CPlayer* p0 = players[0];
    CPlayer* p1 = players[1];
    ASSERT_TRUE(p0 && p1);
    p0->Football().m_KnownMask = 0x2;
    p1->Football().m_KnownMask = 0x1;
    ASSERT_EQ(Options()->GetList(0).GetCurSel(), 0) << "the first row is selected";
    Command(520);  // Delete Manager: the first row
    EXPECT_EQ(w->GetUserList().GetAt(0)->GetManager()->GetName(), "Ros Vale") << "the slots close up";
    EXPECT_FALSE(w->GetUserList().GetAt(1)->HasManager());
    EXPECT_EQ(p0->Football().m_KnownMask, 0x1) << "the bit moved with its slot";
    EXPECT_EQ(p1->Football().m_KnownMask, 0x0) << "the deleted slot's bit is cleared";
    EXPECT_FALSE(w->GetClubList().GetAt(first)->HasManager());
    EXPECT_EQ(g_nCurrentScreen, 61);
    EXPECT_EQ(g_SetupState.managerCount, 1);
}

}  // namespace

namespace {

TEST(WeekSummaryTest, AResultOfZeroAndALossComeUnderLoss) {
    struct Case {
        double net;
        unsigned label;
        double shown;
    };
    const Case cases[] = {{0.0, 849, 0.0}, {-1234.7, 849, 1234.0}, {-0.4, 849, 0.0}, {500.5, 848, 500.5}};
    for (const Case& c : cases) {
        const auto [label, shown] = CTitleScreen::WeeklyResultLine(c.net);
        EXPECT_EQ(label, c.label) << c.net;
        EXPECT_DOUBLE_EQ(shown, c.shown) << c.net;
    }
}

TEST_F(ManagerSetupTest, TheWeekSummaryShowsTheUsersClubAndIsKeptPerDateSlotAndClub) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    const int first = ClubOf(55);
    MakeManager("Kit Moran", 44, 55, first);
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    CClub* club = w->GetClubList().GetAt(first);
    CTitleScreen::WeekSummary& s = CTitleScreen::GetWeekSummary();
    ASSERT_TRUE(CTitleScreen::UpdateWeekSummary(*w));
    EXPECT_EQ(s.clubName, club->GetName());
    EXPECT_EQ(s.values[3], std::to_string(club->GetStadiumCapacity()));
    EXPECT_EQ(s.values[6], std::to_string(club->GetSquadSize()));
    EXPECT_EQ(s.values[5], std::to_string(club->GetTablePosition() + 1));
    // The same date, slot and club: the stored summary stays.
    s.values[6] = "kept";
    CTitleScreen::UpdateWeekSummary(*w);
    EXPECT_EQ(s.values[6], "kept");
    // A new date computes it again; without a coach or physio "-" shows.
    while (club->GetCoach()) club->Staff().RemoveAt(club->Staff().FindIndex(club->GetCoach()));
    for (int k; (k = club->FindEmployeeOfType(1)) >= 0;) club->Staff().RemoveAt(k);
    w->GetClock().AddDays(1);
    CTitleScreen::UpdateWeekSummary(*w);
    EXPECT_EQ(s.values[6], std::to_string(club->GetSquadSize()));
    EXPECT_EQ(s.values[10], "-");
    EXPECT_EQ(s.values[11], "-");

    // The processing page in week-summary mode draws it with its bar.
    ProgressPage* bar = manager->ShowProgressScreen(9, "Saturday", 1);
    ASSERT_NE(bar, nullptr);
    bar->SetProgress(4, 0);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetBarLayout().x, 45) << "the week summary's bar";
    EXPECT_EQ(Page()->GetPicturePath(), "gfx\\backgrounds\\progress.bmp");
}

}  // namespace

#include <fstream>
#include <iterator>

namespace {

std::string NewGameFileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(ManagerSetupTest, GameOptionsSaveAndLoadGiveTheSameFileAgain) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    MakeManager("Kit Moran", 44, 55, ClubOf(55));
    Command(21511);
    MakeManager("Ros Vale", 50, 150, ClubOf(150));
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    g_nScreenId = 6;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
    Run(60);
    ASSERT_NE(Options(), nullptr);
    EXPECT_TRUE(Options()->FindButton(29003)->IsEnabled()) << "a game exists";

    const auto a = testenv::TestFolder() / "a.qzs";
    const auto b = testenv::TestFolder() / "b.qzs";
    backend->QueueFilePath(a.string());
    Command(29003);
    ASSERT_TRUE(std::filesystem::exists(a));
    EXPECT_EQ(g_SetupState.saving, 0);
    // The processing page was not recorded: Back returns to the options page.
    EXPECT_EQ(g_nCurrentScreen, 6);

    g_nScreenId = 6;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
    Run(60);
    backend->Key(VK_ESCAPE, 100);  // no save first
    backend->QueueFilePath(a.string());
    Command(29002);
    Run(300);
    ASSERT_EQ(g_nCurrentScreen, 96);
    EXPECT_EQ(manager->GetHistory().GetCount(), 1) << "the history starts again at the start page";
    EXPECT_EQ(g_bGameLoaded, 1);
    w = GetWorldData();
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    EXPECT_EQ(w->GetUserList().GetAt(0)->GetManager()->GetName(), "Kit Moran");
    EXPECT_EQ(w->GetUserList().GetAt(1)->GetManager()->GetName(), "Ros Vale");
    EXPECT_EQ(w->GetMatchTime().GetDayOfWeek(), 3) << "Tuesday";

    g_nScreenId = 6;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
    Run(60);
    backend->QueueFilePath(b.string());
    Command(29003);
    ASSERT_TRUE(std::filesystem::exists(b));
    EXPECT_EQ(NewGameFileBytes(a), NewGameFileBytes(b)) << "a loaded game saves to the same bytes";

    // Half a week on: the processing page shows the current user's club.
    CTitleScreen::GetWeekSummary().valid = false;
    const int day = w->GetMatchTime().GetDays();
    // The day's notices to each manager wait for a key: each one shown is
    // answered, however many the day brings.
    answerNotice = [this] {
        backend->Key(VK_RETURN, 150);
        backend->OnModalShown(answerNotice);
    };
    backend->OnModalShown(answerNotice);
    manager->Send(WM_COMMAND, 19423, 0);
    Run(200);
    w = GetWorldData();
    EXPECT_GT(w->GetMatchTime().GetDays(), day) << "the day step ran";
    const CTitleScreen::WeekSummary& summary = CTitleScreen::GetWeekSummary();
    EXPECT_TRUE(summary.valid);
    EXPECT_EQ(summary.clubName, w->GetUserList().GetAt(0)->GetClub()->GetName());
}

}  // namespace

#include "platform/profile.h"
#include "platform/stringtable.h"
#include "ui/usermessagebox.h"
#include "ui/xstatic.h"
#include "ui/treewindow.h"
#include "ui/xtoolbar.h"

namespace {

// Manager Selection, Game Options and the options hub in a running game of
// two managers.
TEST_F(ManagerSetupTest, TheOptionPagesInARunningGame) {
    StartTwoCountryGame();
    MakeManager("Kit Moran", 44, 55, ClubOf(55));
    Command(21511);
    MakeManager("Ros Vale", 50, 150, ClubOf(150));
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    CWorldData* w = GetWorldData();
    // Opened as the section buttons open pages, the tool bar on: the hub turns
    // its tool box off itself.
    auto open = [&](int screen) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
        Run(60);
        ASSERT_EQ(g_nCurrentScreen, screen);
        ASSERT_NE(Options(), nullptr);
    };

    // Row 111: the slots with a manager are white and enabled, the chosen one
    // red; a choice makes that user current.
    open(111);
    const platform::gfx::ColourRef white = platform::gfx::RGB(255, 255, 255), red = platform::gfx::RGB(255, 0, 0);
    for (int slot = 0; slot < 8; ++slot) {
        CXButton* b = Options()->FindButton(21480u + unsigned(slot));
        ASSERT_NE(b, nullptr) << slot;
        EXPECT_EQ(b->IsEnabled(), slot < 2) << slot;
        if (slot < 2) {
            EXPECT_EQ(b->GetTextColour(), slot == 0 ? red : white) << slot;
        }
    }
    Command(21481);
    EXPECT_EQ(w->GetCurrentUserIndex(), 1);
    EXPECT_EQ(app->GetMainFrame()->GetStatusBar().GetPaneText(1), "Ros Vale") << "the status bar follows the choice";
    EXPECT_EQ(Options()->FindButton(21481)->GetTextColour(), red);
    EXPECT_EQ(Options()->FindButton(21480)->GetTextColour(), white);
    Command(21480);
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    // Closing the page sets the tree back to mode 0.
    CTreeWindow* tree = app->GetView()->GetTreeWindow();
    ASSERT_NE(tree, nullptr);
    tree->SetMode(4);

    // Row 6: "Currency" on greys the currency and stops its arrows; off,
    // the arrows step through 34287 + i and the close keeps the choice.
    struct KeepCurrency {
        uint8_t currency = g_bCurrency, exchange = g_nExchange;
        ~KeepCurrency() { g_bCurrency = currency, g_nExchange = exchange; }
    } keepCurrency;
    g_bCurrency = 1;
    g_nExchange = 1;
    open(6);
    EXPECT_EQ(tree->GetMode(), 0) << "row 111 closed";
    EXPECT_TRUE(Options()->FindButton(29003)->IsEnabled()) << "a game is loaded";
    EXPECT_FALSE(Options()->FindButton(21395)->IsEnabled());
    Command(21395);
    EXPECT_EQ(g_nExchange, 1) << "the arrows stay still under the default currency";
    Command(21452);
    EXPECT_EQ(g_bCurrency, 0);
    ASSERT_TRUE(Options()->FindButton(21395)->IsEnabled());
    Command(21395);
    Command(21395);
    EXPECT_EQ(g_nExchange, 3);
    ASSERT_NE(Options()->FindLabel(350, 243), nullptr);
    EXPECT_EQ(Options()->FindLabel(350, 243)->GetText(), platform::LoadString(34287 + 3));
    open(96);
    EXPECT_EQ(platform::GetProfileInt("Options", "Exchange", -1), 3);
    EXPECT_EQ(platform::GetProfileInt("Options", "Currency", -1), 0);

    // Row 98: its eight controls with the tool box off; "Credits" (21447)
    // does nothing; "New Game" in a running game asks 787 first, and No
    // keeps the game.
    open(98);
    EXPECT_EQ(Options()->GetButtonCount(), 4);
    EXPECT_EQ(Options()->GetLabelCount(), 4);
    CXToolBar* tools = app->GetView()->GetToolBar();
    ASSERT_NE(tools, nullptr);
    for (int i = 0; i < tools->GetButtonCount(); ++i) EXPECT_EQ(tools->GetState(i), 0) << "tool " << i;
    Command(21447);
    EXPECT_EQ(g_nCurrentScreen, 98);
    std::vector<std::string> asked;
    backend->OnModalShown([&] {
        if (auto* box = dynamic_cast<CUserMessageBoxDlg*>(Ui::Get().GetActiveWindow())) asked.push_back(box->ShownText());
        backend->Key(VK_ESCAPE, 10);
    });
    Command(21446);
    Run(100);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], platform::LoadString(787));
    EXPECT_EQ(g_nCurrentScreen, 98) << "No keeps the running game";
    EXPECT_EQ(GetWorldData(), w);
    EXPECT_EQ(w->GetUserList().GetAt(1)->GetManager()->GetName(), "Ros Vale");
}

}  // namespace

#include "shell/ambient.h"
#include "shell/soundengine.h"

namespace {

// Game Options before any game: no saving or loading, the tool box off
// however the page was opened, no currency set at the close; the two sound
// switches drive the ambient loop in slot 28.
TEST_F(ManagerSetupTest, GameOptionsBeforeAGameAndTheSoundSwitches) {
    struct KeepOptions {
        uint8_t ambient = g_bAmbient, sfx = g_bSfx, currency = g_bCurrency, exchange = g_nExchange;
        bool started = !IsSoundRunning() && StartDirectSound() == 0;
        ~KeepOptions() {
            g_bAmbient = ambient, g_bSfx = sfx, g_bCurrency = currency, g_nExchange = exchange;
            if (started) EndDirectSound();
        }
    } keep;
    ASSERT_TRUE(IsSoundRunning());
    ASSERT_EQ(g_bGameLoaded, 0);
    g_bAmbient = g_bSfx = 1;
    g_bCurrency = 1;
    g_nExchange = 3;
    g_nScreenId = 6;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
    Run(60);
    ASSERT_EQ(g_nCurrentScreen, 6);
    ASSERT_NE(Options(), nullptr);
    EXPECT_FALSE(Options()->FindButton(29003)->IsEnabled());
    EXPECT_FALSE(Options()->FindButton(29002)->IsEnabled());
    EXPECT_TRUE(Options()->FindButton(28999)->IsEnabled());
    CXToolBar* tools = app->GetView()->GetToolBar();
    ASSERT_NE(tools, nullptr);
    for (int i = 0; i < tools->GetButtonCount(); ++i) EXPECT_EQ(tools->GetState(i), 0) << "tool " << i;
    const SampleRecord* loop = GetSample(kAmbientLoopSlot);
    ASSERT_NE(loop, nullptr);
    ASSERT_TRUE(loop->loaded) << "the page's own soundscape";

    struct Case {
        uint8_t ambient, sfx;
        bool playingBefore;
        uint32_t command;
        uint8_t ambientAfter, sfxAfter;
        bool playingAfter;
    };
    const Case cases[] = {
        {1, 1, true, 21454, 0, 1, false},   // Ambient off stops the loop
        {0, 1, false, 21454, 1, 1, true},   // Ambient on plays it
        {0, 0, false, 21454, 1, 0, false},  // but not with Sfx off
        {1, 1, true, 21455, 1, 0, false},   // Sfx off stops the loop
        {1, 0, false, 21455, 1, 1, true},   // Sfx on again restarts it with Ambient on
        {0, 0, false, 21455, 0, 1, false},  // and not with Ambient off
        {0, 1, false, 21455, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " from ambient " << int(c.ambient) << ", sfx "
                                        << int(c.sfx));
        g_bAmbient = c.ambient;
        g_bSfx = c.sfx;
        if (c.playingBefore)
            PlaySample(kAmbientLoopSlot, 1);
        else
            StopSample(kAmbientLoopSlot);
        Command(c.command);
        EXPECT_EQ(g_bAmbient, c.ambientAfter);
        EXPECT_EQ(g_bSfx, c.sfxAfter);
        EXPECT_EQ(bool(loop->playing), c.playingAfter);
        if (c.playingAfter) {
            EXPECT_EQ(loop->loop, 1) << "looping";
        }
    }

    // The close writes the options and, without a game, sets no currency.
    g_bAmbient = 0;
    g_bSfx = 1;
    g_nScreenId = 98;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
    Run(60);
    EXPECT_EQ(platform::GetProfileInt("Options", "Ambient", -1), 0);
    EXPECT_EQ(platform::GetProfileInt("Options", "Sfx", -1), 1);
    EXPECT_EQ(platform::GetProfileInt("Options", "Currency", -1), 1);
    EXPECT_EQ(g_nExchange, 3) << "no game, no currency";
    EXPECT_EQ(platform::GetProfileInt("Options", "Exchange", -1), 3);
}

}  // namespace

#include <filesystem>

namespace {

// The options' load in a running game: a cancelled load leaves the game and
// its flags, on Game Options and on the hub alike; Yes to 828 saves first;
// "New Game" asks 787, No keeps the game and Yes goes back to the title.
TEST_F(ManagerSetupTest, CancelledLoadsKeepTheGameAndNewGameAsksFirst) {
    StartTwoCountryGame();
    MakeManager("Kit Moran", 44, 55, ClubOf(55));
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    CWorldData* w = GetWorldData();
    CXToolBar* tools = app->GetView()->GetToolBar();
    ASSERT_NE(tools, nullptr);
    auto toolsOn = [&] {
        int on = 0;
        for (int i = 0; i < tools->GetButtonCount(); ++i) on += tools->GetState(i) != 0;
        return on;
    };
    auto open = [&](int screen) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
        Run(60);
        ASSERT_EQ(g_nCurrentScreen, screen);
    };
    struct Case {
        int screen;
        uint32_t command;
    };
    for (Case c : {Case{6, 29002}, Case{98, 21449}}) {
        SCOPED_TRACE(c.screen);
        open(c.screen);
        backend->Key(VK_ESCAPE, 100);  // no save first
        backend->QueueFilePath(std::nullopt);
        Command(c.command);
        Run(200);
        EXPECT_EQ(g_nCurrentScreen, c.screen) << "the page opens anew";
        EXPECT_EQ(GetWorldData(), w);
        EXPECT_TRUE(w->GetUserList().GetAt(0)->HasManager()) << "the running game stays";
        EXPECT_EQ(g_bGameLoaded, 1);
        EXPECT_EQ(g_SetupState.saving, 0);
        if (c.screen == 6) {
            ASSERT_NE(Options(), nullptr);
            EXPECT_TRUE(Options()->FindButton(29003)->IsEnabled());
            EXPECT_TRUE(Options()->FindButton(29002)->IsEnabled());
            EXPECT_GT(toolsOn(), 0);
        } else {
            EXPECT_EQ(toolsOn(), 0);
        }
    }

    const auto saved = testenv::TestFolder() / "before-load.qzs";
    open(6);
    backend->Key(VK_RETURN, 100);  // Yes: save first
    backend->QueueFilePath(saved.string());
    backend->QueueFilePath(std::nullopt);
    Command(29002);
    Run(200);
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(g_SetupState.saving, 0);
    EXPECT_EQ(g_bGameLoaded, 1);
    EXPECT_EQ(g_nCurrentScreen, 6);

    open(6);
    backend->Key(VK_ESCAPE, 100);
    Command(28999);
    Run(100);
    EXPECT_EQ(g_nCurrentScreen, 6) << "No changes nothing";
    EXPECT_EQ(g_bGameLoaded, 1);
    EXPECT_TRUE(GetWorldData()->GetUserList().GetAt(0)->HasManager());
    backend->Key(VK_RETURN, 100);
    Command(28999);
    Run(200);
    EXPECT_EQ(g_nCurrentScreen, 91);
    EXPECT_EQ(g_bGameLoaded, 0);
    EXPECT_EQ(g_SetupState.gameData, kGameDataNone);
    ASSERT_NE(GetWorldData(), nullptr);
    EXPECT_FALSE(GetWorldData()->GetUserList().GetAt(0) && GetWorldData()->GetUserList().GetAt(0)->HasManager())
        << "the world was reset";
}

}  // namespace

namespace {

// A close of the program waiting while the initialise page reads its
// stages, answered Yes at the one message handled between stages 3 and 4:
// no further stage runs and no page opens.
TEST_F(NewGamePagesTest, AQuitAnsweredBetweenTheThirdAndFourthStagesEndsTheStages) {
    CTitleScreen::SetDefaultCountrySelection(*GetWorldData());
    OpenTitlePage(112, "gfx\\backgrounds\\titlescreen.bmp");
    ASSERT_EQ(g_SetupState.gameData, kGameDataNone);
    CTitleScreen* page = Page();
    ASSERT_NE(page, nullptr);
    int asked = 0;
    backend->OnModalShown([&] {
        ++asked;
        backend->Key(VK_RETURN);  // Yes
    });
    app->GetMainFrame()->Post(WM_CLOSE, 0, 0);
    page->OnTimerTick(CTitleScreen::kPageTimer);
    EXPECT_EQ(asked, 1) << "the quit question came between the stages";
    EXPECT_TRUE(Ui::Get().QuitRequested());
    EXPECT_EQ(g_SetupState.gameData, kGameDataLoading) << "the stages stopped";
    EXPECT_EQ(g_SetupState.worldInitialised, 0);
    EXPECT_NE(g_nCurrentScreen, 97) << "no page opened";
}

}  // namespace

namespace {

// Page 97 brings back what the profile holds for the slot, in range; an
// unused slot starts from "", 35 and face 0. Page 90 opens with nothing
// chosen and fills in a club's details from the tree.
TEST_F(ManagerSetupTest, ManagerGenerationReadsTheSlotBackAndTheClubPageFillsInFromTheTree) {
    platform::WriteProfileString("manager0", "Name", "J\xC3\xBCrgen Holt");  // UTF-8 in the file
    platform::WriteProfileString("manager0", "Age", "52");
    platform::WriteProfileInt("manager0", "Race", 2);
    platform::WriteProfileInt("manager0", "Eye", 3);
    platform::WriteProfileInt("manager0", "Nose", 9);  // out of range: wraps over 0-5
    platform::WriteProfileInt("manager0", "Beard", 4);
    StartTwoCountryGame();
    ASSERT_NE(Options(), nullptr);
    EXPECT_EQ(Options()->FindEdit(21474)->GetText(), "J\xFCrgen Holt") << "Windows-1252 in the game";
    EXPECT_EQ(Options()->GetAgeField().GetValue(), 52.0);
    EXPECT_EQ(Options()->GetAgeField().GetMin(), 6);
    EXPECT_EQ(Options()->GetAgeField().GetMax(), 65);
    const PhotofitFace& face = g_SetupState.managerFaces[0];
    EXPECT_EQ(face.skin, 2);
    EXPECT_EQ(face.eyes, 3);
    EXPECT_EQ(face.nose, 3);
    EXPECT_EQ(face.beard, 4) << "a stored 4 stays";
    ASSERT_NE(Options()->FindLabel(330, 346), nullptr);
    EXPECT_EQ(Options()->FindLabel(330, 346)->GetText(), platform::LoadString(21406)) << "the race's name";

    // Page 90 before a club is chosen.
    CWorldData* w = GetWorldData();
    TreeSelect(2, w->GetCountry(55));
    Command(21505);
    ASSERT_EQ(g_nCurrentScreen, 90);
    EXPECT_EQ(Options()->FindLabel(30, 265)->GetText(), platform::LoadString(497));
    EXPECT_EQ(Options()->FindLabel(30, 61)->GetText(), platform::LoadString(605));
    for (int y : {140, 163, 186, 210}) EXPECT_EQ(Options()->FindLabel(314, y)->GetText(), platform::LoadString(485)) << y;
    EXPECT_FALSE(Options()->FindButton(10192)->IsEnabled());
    EXPECT_TRUE(Options()->FindButton(10193)->IsEnabled());
    CXToolBar* tools = app->GetView()->GetToolBar();
    ASSERT_NE(tools, nullptr);
    for (int i = 0; i < tools->GetButtonCount(); ++i) EXPECT_EQ(tools->GetState(i), 0) << "tool " << i;
    // A club's details; a year of 0 shows as unknown.
    const int index = ClubOf(55);
    std::vector<CClub*> shown{w->GetClubList().GetAt(index)};
    for (int i = 0; i < w->GetClubList().GetSize(); ++i)
        if (CClub* c = w->GetClubList().GetAt(i); c && c->GetYearFounded() <= 0 && c->GetCountry() &&
                                                   c->GetCountry()->IsFollowed()) {
            shown.push_back(c);
            break;
        }
    for (CClub* club : shown) {
        TreeSelect(4, club);
        EXPECT_EQ(Options()->FindLabel(30, 61)->GetText(), club->GetName());
        EXPECT_EQ(Options()->FindLabel(314, 140)->GetText(), club->GetStadiumName());
        EXPECT_EQ(Options()->FindLabel(314, 163)->GetText(), std::to_string(club->GetStadiumCapacity()));
        EXPECT_EQ(Options()->FindLabel(314, 186)->GetText(), club->FormatBankBalance());
        EXPECT_EQ(Options()->FindLabel(314, 210)->GetText(), club->GetYearFounded() > 0
                                                                 ? std::to_string(club->GetYearFounded())
                                                                 : platform::LoadString(19999));
        EXPECT_TRUE(Options()->FindButton(10192)->IsEnabled());
    }
    TreeSelect(4, shown[0]);
    // Cancel takes the manager out again and the slot is free.
    Command(10193);
    ASSERT_EQ(g_nCurrentScreen, 97);
    EXPECT_FALSE(w->GetUserList().GetAt(0)->HasManager());

    // An unused slot: a second manager's page starts from the defaults.
    MakeManager("Kit Moran", 44, 55, index);
    Command(21511);
    ASSERT_EQ(g_nCurrentScreen, 97);
    EXPECT_EQ(Options()->FindEdit(21474)->GetText(), "");
    EXPECT_EQ(Options()->GetAgeField().GetValue(), 35.0);
    const PhotofitFace& fresh = g_SetupState.managerFaces[1];
    EXPECT_EQ(fresh.skin, 0);
    EXPECT_EQ(fresh.eyes, 0);
    EXPECT_EQ(fresh.beard, 0);
}

// Manager Confirmation: the chosen row's details, eight managers at most,
// and the OK that starts the game.
TEST_F(ManagerSetupTest, ConfirmationShowsTheRowTakesEightManagersAndOkStartsTheGame) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    std::vector<int> clubs;
    for (int i = 0; i < w->GetClubList().GetSize() && clubs.size() < 8; ++i) {
        const CClub* c = w->GetClubList().GetAt(i);
        if (c && c->GetCountry() && c->GetCountry()->GetId() == 55 && c->HasManager()) clubs.push_back(i);
    }
    ASSERT_EQ(clubs.size(), 8u);
    MakeManager("Kit Moran", 44, 55, clubs[0]);
    const CClub* first = w->GetClubList().GetAt(clubs[0]);
    EXPECT_EQ(Options()->GetList(0).GetCurSel(), 0);
    EXPECT_EQ(std::string(Options()->GetList(0).GetItemText(0, 1)), "44");
    EXPECT_EQ(std::string(Options()->GetList(0).GetItemText(0, 2)), first->GetName());
    EXPECT_EQ(Options()->FindLabel(30, 100)->GetText(), "Kit Moran (44)");
    EXPECT_EQ(Options()->FindLabel(30, 127)->GetText(), "English");
    EXPECT_EQ(Options()->FindLabel(30, 153)->GetText(), platform::FormatMessageId(1177, {first->GetName(), "4"}));
    for (int k = 1; k < 8; ++k) {
        ASSERT_TRUE(Options()->FindButton(21511)->IsEnabled()) << k;
        Command(21511);
        MakeManager("Manager " + std::to_string(k), 30 + k, 55, clubs[size_t(k)]);
    }
    EXPECT_EQ(Options()->GetList(0).GetRowCount(), 8);
    EXPECT_EQ(g_SetupState.managerCount, 8);
    EXPECT_FALSE(Options()->FindButton(21511)->IsEnabled()) << "eight is the most";
    std::vector<std::string> asked;
    backend->OnModalShown([&] {
        if (auto* box = dynamic_cast<CUserMessageBoxDlg*>(Ui::Get().GetActiveWindow())) asked.push_back(box->ShownText());
        backend->Key(VK_RETURN, 10);
    });
    Command(21511);  // pressed anyway
    Run(100);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], platform::LoadString(23008));
    EXPECT_EQ(g_nCurrentScreen, 61);

    // OK: the first slot current, the week summary's date reset, its club
    // chosen in the tree.
    CTitleScreen::WeekSummary& summary = CTitleScreen::GetWeekSummary();
    ASSERT_TRUE(CTitleScreen::UpdateWeekSummary(*w));
    ASSERT_TRUE(summary.valid);
    w->SetCurrentUser(7);
    g_nTreeSelectionData = 0;
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    EXPECT_FALSE(summary.valid) << "computed afresh at the first processing";
    EXPECT_EQ(w->GetCurrentUserIndex(), 0);
    EXPECT_EQ(CWorldData::SelectedUserSlot(), 0);
    EXPECT_EQ(g_nTreeSelectionData, reinterpret_cast<uintptr_t>(first)) << "the first manager's club in the tree";
    EXPECT_EQ(app->GetMainFrame()->GetStatusBar().GetPaneText(1), "Kit Moran");
    EXPECT_EQ(app->GetMainFrame()->GetStatusBar().GetPaneText(2), first->GetName());
    g_nTreeSelectionData = 0;
}

// The welcome messages: 198 on a Saturday start with the club's name, and
// page 96 opened again posts nothing more. Game Options closed with the
// default currency in a running game sets Sterling.
TEST_F(ManagerSetupTest, ASaturdayStartWelcomesWith198OnceAndTheDefaultCurrencyIsSterling) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    const int club = ClubOf(55);
    MakeManager("Kit Moran", 44, 55, club);
    w->GetClock().AddDays(4);
    ASSERT_TRUE(w->GetMatchTime().IsSaturday());
    ASSERT_EQ(w->GetMatchTime().GetWeek(), 0);
    ASSERT_EQ(w->GetMatchTime().GetSeason(), 0);
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    CHumanManager* user = w->GetUserList().GetAt(0);
    EXPECT_TRUE(user->HasMessage(198));
    EXPECT_FALSE(user->HasMessage(199));
    const size_t messages = user->GetInbox().size();
    for (const auto& m : user->GetInbox())
        if (m.code == 198) {
            EXPECT_EQ(m.text1, w->GetClubList().GetAt(club)->GetName());
        }
    auto open = [&](int screen) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
        Run(60);
        ASSERT_EQ(g_nCurrentScreen, screen);
    };
    open(96);
    EXPECT_EQ(user->GetInbox().size(), messages) << "once per game";

    struct KeepCurrency {
        uint8_t currency = g_bCurrency, exchange = g_nExchange;
        ~KeepCurrency() { g_bCurrency = currency, g_nExchange = exchange; }
    } keep;
    g_bCurrency = 0;
    g_nExchange = 4;
    open(6);
    Command(21452);  // "Use Default Currency" on
    ASSERT_EQ(g_bCurrency, 1);
    open(96);
    EXPECT_EQ(g_nExchange, 1) << "Sterling";
    EXPECT_EQ(platform::GetProfileInt("Options", "Exchange", -1), 1);
    EXPECT_EQ(platform::GetProfileInt("Options", "Currency", -1), 1);
}

}  // namespace

namespace {

// "OK" on page 97 finds a country by its nationality word: every country
// of the world has one, and no two share it.
TEST_F(ManagerSetupTest, EveryNationalityWordIsSetAndNamesOneCountry) {
    StartTwoCountryGame();
    CWorldData* w = GetWorldData();
    std::map<std::string, int> seen;
    int countries = 0;
    for (int i = 0; i < w->GetCountryList().GetSize(); ++i) {
        const CCountry* c = w->GetCountryList().GetAt(i);
        if (!c) continue;
        ++countries;
        const std::string word = c->GetNationalityName();
        EXPECT_FALSE(word.empty()) << c->GetName();
        const auto [at, fresh] = seen.emplace(word, i);
        EXPECT_TRUE(fresh) << word << " names " << c->GetName() << " and country " << at->second;
        if (!word.empty()) {
            EXPECT_EQ(COptionScreen::FindNationality(*w, word), c);
        }
    }
    EXPECT_GT(countries, 71);
}

}  // namespace

namespace {

// Every page of the new game builds from its table rows without a missing
// definition or an exhausted pool.
TEST_F(ManagerSetupTest, EveryPageOfTheNewGameBuildsFromItsRowsWithoutAMissingPart) {
    platform::TraceCapture trace;
    StartTwoCountryGame();
    MakeManager("Kit Moran", 44, 55, ClubOf(55));  // pages 97, 90 and 61
    Command(21510);
    ASSERT_EQ(g_nCurrentScreen, 96);
    for (int screen : {6, 67, 96, 98, 111}) {
        g_nScreenId = screen;
        manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
        Run(60);
        EXPECT_EQ(g_nCurrentScreen, screen);
    }
    EXPECT_FALSE(trace.Contains("Failed to find"));
    EXPECT_FALSE(trace.Contains("Ran out"));
}

}  // namespace
