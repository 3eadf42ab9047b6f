// The title class's pages that redraw often: the country page, redrawn in
// full on every mouse move, and the processing page's DrawProgress, which
// runs about nine times per day step. Both should stay within 4 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/files.h"
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
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"
#include "support/ui_loop.h"

namespace {

class NewGamePagesBench {
public:
    explicit NewGamePagesBench(int screen) {
        using namespace platform::win;
        // The program's profile and saves go to a folder of the run's own.
        const auto home = std::filesystem::temp_directory_path() / "vt-bench-newgame";
        std::filesystem::create_directories(home);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        platform::SetInstallFolder(VT_GAME_DIR);
        CBrixholmApp::SetWorldFactory([] { return std::make_unique<CWorldData>(); });
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        RegisterGamePages();
        app = std::make_unique<CBrixholmApp>();
        if (!app->InitInstance({})) {
            why = "the program did not start";
            return;
        }
        testsupport::DrainMessages(*app->GetMainFrame());
        CScreenManager* manager = app->GetView() ? app->GetView()->GetScreenManager() : nullptr;
        if (!manager) {
            why = "no screen manager";
            return;
        }
        g_nScreenId = screen;
        page = screen == 114 ? new CTitleScreen(7, std::string("Loading Game"), 0) : new CTitleScreen();
        manager->SetScreen(page, true, false, true, false, false);
    }
    ~NewGamePagesBench() {
        app.reset();
        platform::win::Ui::Get().Stop();
        CBrixholmApp::SetWorldFactory(nullptr);
    }
    std::unique_ptr<CBrixholmApp> app;
    CTitleScreen* page = nullptr;
    const char* why = "";
};

void BM_CountryPageRedraw(benchmark::State& state) {
    NewGamePagesBench bench(79);
    if (!bench.page) {
        state.SkipWithError(bench.why);
        return;
    }
    for (auto _ : state) bench.page->DrawPage();
}
BENCHMARK(BM_CountryPageRedraw)->Unit(benchmark::kMillisecond);

// England alone, read in its seven stages, and a human manager at its
// first club: the week summary's own layout.
bool EmployOneManager(CWorldData& world) {
    world.ClearCountrySelection();
    world.SelectCountry(55, true);
    for (int stage = 0; stage < 7; ++stage) world.NewGame(stage);
    const CCountry* england = world.GetCountry(55);
    if (!england) return false;
    for (int i = 0; i < world.GetClubList().GetSize(); ++i) {
        CClub* club = world.GetClubList().GetAt(i);
        if (!club || club->GetCountry() != england) continue;
        CHumanManager* user = world.GetUserList().GetAt(0);
        user->SetManager(world.GetManagerList().AddManager(*england));
        if (club->HasManager())
            if (CManager* old = world.GetManagerList().GetAt(club->GetManager())) old->LeaveClub(0);
        club->ClearManager();
        club->RenewManagerTerms();
        club->SetManagerTerms(club->GetManagerWage(), 4);
        user->GetManager()->JoinClub(i, *club);
        club->SetManager(user->GetManagerIndex());
        world.SetCurrentUser(0);
        return user->IsEmployed();
    }
    return false;
}

// 0 the load layout, 1 the save layout, 2 week-summary mode without an
// employed manager, 3 the week summary of an employed manager's club.
void BM_DrawProgress(benchmark::State& state) {
    NewGamePagesBench bench(114);
    if (!bench.page) {
        state.SkipWithError(bench.why);
        return;
    }
    if (state.range(0) == 3) {
        CWorldData* world = GetWorldData();
        if (!world || !EmployOneManager(*world)) {
            state.SkipWithError("no manager could be employed");
            return;
        }
        CTitleScreen::UpdateWeekSummary(*world);
    }
    g_SetupState.saving = state.range(0) == 1 ? 1 : 0;
    bench.page->SetWeekSummaryMode(state.range(0) >= 2);
    for (auto _ : state) bench.page->DrawProgress();
    g_SetupState.saving = 0;
}
BENCHMARK(BM_DrawProgress)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
