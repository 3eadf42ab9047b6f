// A full compose of the squad section's surface pages, as each paint, drag
// step and click makes it: Team Selection's two tabs, the tactics editor's
// two pages and the training page's three tabs, in a new game of one
// country with a human manager (Team Selection with all 30 squad slots
// filled), and the tactics pitch's redraw on each move of a marker drag.
// They run on every mouse move of a drag, so each should stay well inside a
// 4-ms frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "page_session_bench.h"
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
#include "soccerclasses/soccertactic.h"

namespace {

using namespace platform::win;

// Scotland, its first club managed by user 0, and the page in a headless
// window.
class SquadPageBench : public PageSessionBench {
public:
    SquadPageBench() : PageSessionBench({150}, 150, "vt_bench_squadpages") {}
    CClub& Club() { return *club; }
    // Fills the human club's squad to all 30 slots with the next club's
    // players, who leave that club.
    void FillSquad() {
        CWorldData& w = game.World();
        CClub& own = Club();
        CClub& other = *w.GetClub(w.GetClubList().GetIndex(&own) + 1);
        for (int s = 0; s < kSquadSlots && own.CountFilledSlots() < kSquadSlots; ++s) {
            const uint16_t id = other.GetPlayerId(s);
            if (id == kEmptySlot) continue;
            other.RemoveFromSquad(s);
            own.AddPlayerToSquad(id);
        }
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
};

void BM_TeamSelectionCompose(benchmark::State& state) {
    SquadPageBench bench;
    bench.FillSquad();
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

// A marker of "Custom 1" dragged over the pitch: each move composes the
// page and puts only the pitch on the window.
void BM_TacticsPitchDrag(benchmark::State& state) {
    SquadPageBench bench;
    bench.game.World().GetUser(0)->SetCurrentTactic(10);
    CScreen* page = bench.Open(new CTactScreen(), CTactScreen::kScreen);
    const CSoccerTactic& custom = *bench.game.World().GetUser(0)->GetTactic(10);
    auto cell = [](int x, int y) {
        return static_cast<intptr_t>((CTactScreen::kPitchX + 22 * x + 11) | ((CTactScreen::kPitchY + 22 * y + 11) << 16));
    };
    page->Send(WM_LBUTTONDOWN, MK_LBUTTON, cell(custom.m_Depth[3], custom.m_Width[3]));
    bool across = false;
    for (auto _ : state) {
        across = !across;
        page->Send(WM_MOUSEMOVE, MK_LBUTTON, across ? cell(9, 1) : cell(10, 7));
    }
    page->Send(WM_LBUTTONUP, 0, cell(custom.m_Depth[3], custom.m_Width[3]));
}
BENCHMARK(BM_TacticsPitchDrag)->Unit(benchmark::kMillisecond);

void BM_TrainingCompose(benchmark::State& state) {
    SquadPageBench bench;
    CScreen* page = bench.Open(new CTrainScreen(), CTrainScreen::kScreen);
    const int tabX[3] = {100, 300, 490};
    SquadPageBench::Click(page, tabX[state.range(0)], 120);
    for (auto _ : state) bench.Paint(page);
}
BENCHMARK(BM_TrainingCompose)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
