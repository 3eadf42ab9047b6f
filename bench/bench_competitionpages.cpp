// The competition and career pages' heavier work in a new game of every
// selectable country, the program running headless: page 49 offering its
// "Group %d" nodes over every cup of the world (each time the page opens),
// the Player Discipline list of the whole world filled, ranked and cut to
// its top rows (each time the page opens on the world), and the manager
// profile's page composed in both tabs (each 55-ms tick that changes its
// tool tip). The page opens should keep the switch quick; the profile's
// drawing should stay well inside its tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/disciplinescreen.h"
#include "screens/manprofscreen.h"
#include "screens/pages.h"
#include "screens/statsscreen.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/country.h"
#include "soccerclasses/selectablecountries.h"
#include "support/game_driver.h"
#include "support/ui_loop.h"
#include "ui/listcontrol.h"

namespace {

using namespace platform::win;

// Far enough into the season for bookings everywhere and the federation
// cups' group rounds begun.
constexpr int kSeasonDays = 250;

class CompetitionBench {
public:
    // `days` of the season played before the program comes up.
    explicit CompetitionBench(int days = 0)
        : game(AllSelectableCountries(), VT_GAME_DIR, std::filesystem::temp_directory_path() / "vt_bench_competitions") {
        CWorldData& w = game.World();
        for (int i = 0; i < w.GetCountryList().GetSize() && !club; ++i)
            if (const CCountry* c = w.GetCountry(i); c && c->GetDivisionCount() > 0)
                club = game.HumanManagesTopClub(static_cast<uint8_t>(i));
        game.RunDays(days);
        RegisterGamePages();
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        // A box on the way is answered with Return.
        answer = [this] {
            backend->Key(VK_RETURN, 10);
            backend->OnModalShown(answer);
        };
        backend->OnModalShown(answer);
        backend->SetEndWhenScriptDone(false);
        app = std::make_unique<CBrixholmApp>();
        if (!app->InitInstance({})) return;
        Drain();
        manager = app->GetView() ? app->GetView()->GetScreenManager() : nullptr;
        app->GetMainFrame()->Send(WM_COMMAND, 19410, 0);
        Drain();
    }
    ~CompetitionBench() {
        app.reset();
        Ui::Get().Stop();
    }
    CompetitionBench(const CompetitionBench&) = delete;
    CompetitionBench& operator=(const CompetitionBench&) = delete;

    void Drain() { testsupport::DrainMessages(*app->GetMainFrame()); }
    template <class Page>
    Page* Open(PageClass kind, int screen) {
        if (!manager) return nullptr;
        g_nScreenId = screen;
        manager->SetScreen(MakePage(kind), true, false, false, true, false);
        Drain();
        return dynamic_cast<Page*>(manager->GetCurrentPage());
    }

    testsupport::GameDriver game;
    CClub* club = nullptr;
    HeadlessBackend* backend = nullptr;
    std::function<void()> answer;
    std::unique_ptr<CBrixholmApp> app;
    CScreenManager* manager = nullptr;
};

void BM_LeagueTableOffersCupGroups(benchmark::State& state) {
    CompetitionBench bench(kSeasonDays);
    auto* page = bench.Open<CStatsScreen>(PageClass::Stats, CStatsScreen::kLeagueTablePage);
    if (!page) {
        state.SkipWithError("page 49 did not open");
        return;
    }
    for (auto _ : state) page->OfferCupGroups();
    state.counters["groups"] = static_cast<double>(page->GetGroupEntries().size());
}
BENCHMARK(BM_LeagueTableOffersCupGroups)->Unit(benchmark::kMillisecond);

void BM_PlayerDisciplineWholeWorld(benchmark::State& state) {
    CompetitionBench bench(kSeasonDays);
    auto* page = bench.Open<CDisciplineScreen>(PageClass::Discipline, CDisciplineScreen::kPlayerPage);
    if (!page || !page->GetDisciplineList()) {
        state.SkipWithError("page 84 did not open");
        return;
    }
    for (auto _ : state) {
        g_nTreeSelectionData = 0;  // the world
        g_nTreeSelectionLevel = 0;
        page->FillPage();
    }
    state.counters["rows"] = static_cast<double>(page->GetDisciplineList()->GetRowCount());
}
BENCHMARK(BM_PlayerDisciplineWholeWorld)->Unit(benchmark::kMillisecond);

void BM_ProfileCompose(benchmark::State& state) {
    CompetitionBench bench;
    auto* page = bench.Open<CManProfScreen>(PageClass::ManProf, CManProfScreen::kPage);
    if (!page) {
        state.SkipWithError("the profile did not open");
        return;
    }
    if (state.range(0) == 1) page->ClickTabs(301, 250);  // Manager Finances
    for (auto _ : state) {
        page->Compose();
        page->UpdateNow();
    }
}
BENCHMARK(BM_ProfileCompose)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
