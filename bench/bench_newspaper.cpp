// The newspaper of a four-division country (England) some weeks into the
// season: building the whole paper with the day's rolls and its front page,
// and rebuilding its fullest page, as a press of a page button does. A page
// turn should stay well under a tenth of a second.
#include <benchmark/benchmark.h>

#include "page_session_bench.h"
#include "screens/newsscreen.h"
#include "shell/screenglobals.h"
#include "soccerclasses/gameflags.h"

namespace {

class NewspaperBench : public PageSessionBench {
public:
    NewspaperBench() : PageSessionBench({55}, 55, "vt_bench_newspaper") {
        // Into the season, so every division has fixtures, results and a table.
        game.RunDays(40);
        g_nTreeSelectionKind = 0;
        g_nTreeSelectionData = 0;
        g_nScreenId = CNewsScreen::kPaperPage;
        manager.SetScreen(new CNewsScreen(), true, false, false, true, false);
        paper = dynamic_cast<CNewsScreen*>(manager.GetCurrentPage());
    }
    // The page of the paper that takes the most labels.
    int FullestPage() {
        int best = 0, most = -1;
        for (int i = 0; i < static_cast<int>(paper->GetPageList().size()); ++i) {
            paper->ShowPaperPage(i);
            if (paper->GetPageLabelCount() > most) most = paper->GetPageLabelCount(), best = i;
        }
        return best;
    }
    CNewsScreen* paper = nullptr;
};

void BM_NewspaperBuildWithFrontPage(benchmark::State& state) {
    NewspaperBench bench;
    if (!bench.paper) {
        state.SkipWithError("the paper did not open");
        return;
    }
    for (auto _ : state) {
        g_bNewspaperRefresh = 1;  // a new day's rolls each time
        bench.paper->BuildNewspaper();
    }
    state.counters["pages"] = static_cast<double>(bench.paper->GetPageList().size());
}
BENCHMARK(BM_NewspaperBuildWithFrontPage)->Unit(benchmark::kMillisecond);

void BM_NewspaperFullestPage(benchmark::State& state) {
    NewspaperBench bench;
    if (!bench.paper) {
        state.SkipWithError("the paper did not open");
        return;
    }
    const int page = bench.FullestPage();
    for (auto _ : state) bench.paper->ShowPaperPage(page);
    state.counters["labels"] = bench.paper->GetPageLabelCount();
}
BENCHMARK(BM_NewspaperFullestPage)->Unit(benchmark::kMillisecond);

}  // namespace
