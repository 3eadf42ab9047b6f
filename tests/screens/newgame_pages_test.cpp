// The road to a new game in the running program: the country page's maps,
// flags and group buttons, then the initialise page's seven stages and
// the load from the title page.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

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
#include "soccerclasses/gameflags.h"
#include "soccerclasses/selectablecountries.h"
#include "soccerclasses/worlddata.h"
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
}

}  // namespace
