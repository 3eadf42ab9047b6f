// The transfer list (page 47) over the largest world, every selectable
// country followed: filling it for the Europe node (every member country's
// computer clubs, sorted by price), and a position button, which filters
// the scope's players again without walking the scope.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "page_session_bench.h"
#include "screens/pages.h"
#include "screens/playerscreen.h"
#include "shell/archive.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/selectablecountries.h"
#include "ui/listcontrol.h"

namespace {

using namespace platform::win;

class TransferListBench : public PageSessionBench {
public:
    TransferListBench() : PageSessionBench(AllSelectableCountries(), -1, "vt_bench_transfers") {
        RegisterGamePages();
        europe = game.World().GetFederation(0);
    }
    CPlayerScreen* Open() {
        g_nTreeSelectionData = reinterpret_cast<uintptr_t>(europe);
        g_nTreeSelectionLevel = 1;
        g_nTreeSelectionKind = 0;
        g_nScreenId = CPlayerScreen::kTransferListPage;
        manager.SetScreen(new CPlayerScreen(), true, false, false, true, false);
        return dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    }

    CFederation* europe = nullptr;
};

// The whole opening: the page built, Europe's squads walked, matched and sorted.
void BM_TransferListEurope(benchmark::State& state) {
    TransferListBench bench;
    CPlayerScreen* page = nullptr;
    for (auto _ : state) page = bench.Open();
    state.counters["rows"] = page ? page->GetPageList(0)->GetRowCount() : 0;
    state.counters["players"] = page ? page->GetSearchResults().GetSize() : 0;
}
BENCHMARK(BM_TransferListEurope)->Unit(benchmark::kMillisecond);

// A position change on the open page: the results filtered again and sorted.
void BM_TransferListPositionChange(benchmark::State& state) {
    TransferListBench bench;
    CPlayerScreen* page = bench.Open();
    int position = 0;
    for (auto _ : state) {
        page->OnPositionButton(position);
        position = (position + 1) % 4;
    }
    state.counters["players"] = page->GetSearchResults().GetSize();
}
BENCHMARK(BM_TransferListPositionChange)->Unit(benchmark::kMillisecond);

}  // namespace
