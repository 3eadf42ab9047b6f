// A full compose of the squad section's surface pages, as each paint, drag
// step and click makes it: Team Selection's two tabs, the tactics editor's
// two pages and the training page's three tabs, in a new game of one
// country with a human manager. They run on every mouse move of a drag, so
// each should stay well inside a 4-ms frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/squadselectscreen.h"
#include "screens/tactscreen.h"
#include "screens/trainscreen.h"
#include "shell/archive.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "support/game_driver.h"

namespace {

using namespace platform::win;

// Scotland, its first club managed by user 0, and the page in a headless
// window.
class SquadPageBench {
public:
    SquadPageBench()
        : game({150}, VT_GAME_DIR, std::filesystem::temp_directory_path() / "vt_bench_squadpages") {
        CWorldData& w = game.World();
        CClub* club = w.GetClub(w.GetCountry(150)->GetDivision(0)->GetFirstClub());
        w.GetManagerList().GetAt(club->GetManager())->m_IsHuman = 1;
        w.GetUser(0)->SetManagerIndex(club->GetManager());
        w.RestoreCurrentUser(0);
        CWorldData::SelectedUserSlot() = 0;
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        LoadArchiveIndexes();
        main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE);
        Ui::Get().SetMainWindow(&main);
        manager.Create(&main, Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight));
    }
    ~SquadPageBench() {
        manager.Destroy();
        main.Destroy();
        Ui::Get().Stop();
        FreeArchiveIndexes();
    }
    CScreen* Open(CScreen* page, int screen) {
        g_nScreenId = screen;
        manager.SetScreen(page, true, false, false, true, false);
        main.UpdateNow();
        return manager.GetCurrentPage();
    }
    static void Click(CScreen* page, int x, int y) {
        const intptr_t at = static_cast<intptr_t>(x | (y << 16));
        page->Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        page->Send(WM_LBUTTONUP, 0, at);
    }
    // A paint: the page composes itself whole and puts it on the window.
    void Paint(CScreen* page) {
        page->Invalidate(false);
        page->UpdateNow();
    }

    testsupport::GameDriver game;
    Window main;
    CScreenManager manager;
};

void BM_TeamSelectionCompose(benchmark::State& state) {
    SquadPageBench bench;
    CScreen* page = bench.Open(new CSquadSelectScreen(), CSquadSelectScreen::kScreen);
    SquadPageBench::Click(page, state.range(0) ? 400 : 100, 120);
    for (auto _ : state) bench.Paint(page);
}
BENCHMARK(BM_TeamSelectionCompose)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TacticsEditorCompose(benchmark::State& state) {
    SquadPageBench bench;
    CScreen* page = bench.Open(new CTactScreen(), CTactScreen::kScreen);
    SquadPageBench::Click(page, state.range(0) ? 400 : 100, 120);
    for (auto _ : state) bench.Paint(page);
}
BENCHMARK(BM_TacticsEditorCompose)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TrainingCompose(benchmark::State& state) {
    SquadPageBench bench;
    CScreen* page = bench.Open(new CTrainScreen(), CTrainScreen::kScreen);
    const int tabX[3] = {100, 300, 490};
    SquadPageBench::Click(page, tabX[state.range(0)], 120);
    for (auto _ : state) bench.Paint(page);
}
BENCHMARK(BM_TrainingCompose)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
