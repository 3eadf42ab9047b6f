// The club and finance pages' work on the page tick (55 ms), in a new game
// of England with user 0 at its first club: the stadium plan's redraw on a
// hover (the pitch, eight stand parts and the mark composed, then copied to
// the window), the side view's composition, the kit editor's page (two kits
// recoloured and 32 arrow buttons), the league graph composed with the 24
// clubs of the largest division over its 46 league days and the tool tip's
// search for the nearest line, and opening the stadium plan and the
// Accounts page. Each should stay well inside the tick.
#include <benchmark/benchmark.h>

#include "page_session_bench.h"
#include "screens/financescreen.h"
#include "screens/graphscreen.h"
#include "screens/kitscreen.h"
#include "screens/stadiumscreen.h"
#include "shell/stadiumparts.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/stadium.h"
#include "support/ui_loop.h"
#include "ui/tree.h"

namespace {

using namespace platform::win;

class ClubPageBench : public PageSessionBench {
public:
    ClubPageBench() : PageSessionBench({55}, 55, "vt_bench_clubpages") {}
    template <class Page>
    Page* Open(int screen) {
        g_nScreenId = screen;
        manager.SetScreen(new Page(), true, false, false, true, false);
        testsupport::DrainMessages(main);  // the page replaced goes
        main.UpdateNow();
        return dynamic_cast<Page*>(manager.GetCurrentPage());
    }
    static Point StandCentre(int stand, int size) {
        const stadiumparts::PlanRect r = stadiumparts::GetPlanRect(stand, size);
        return {CStadiumScreen::kPlanX + (r.left + r.right) / 2, CStadiumScreen::kPlanY + (r.top + r.bottom) / 2};
    }
};

void BM_StadiumPlanHoverRedraw(benchmark::State& state) {
    ClubPageBench bench;
    auto* plan = bench.Open<CStadiumScreen>(CStadiumScreen::kPlanPage);
    const CStadium& ground = *bench.club->GetStadium();
    const Point north = ClubPageBench::StandCentre(2, ground.stands[1].layout.size);
    const Point south = ClubPageBench::StandCentre(7, ground.stands[6].layout.size);
    bool flip = false;
    for (auto _ : state) {
        plan->OnMouseMove(0, flip ? north : south);  // a new stand lit: its mark and the plan again
        flip = !flip;
        plan->UpdateNow();
    }
}
BENCHMARK(BM_StadiumPlanHoverRedraw)->Unit(benchmark::kMillisecond);

void BM_StadiumSideViewCompose(benchmark::State& state) {
    ClubPageBench bench;
    auto* side = bench.Open<CStadiumScreen>(CStadiumScreen::kSidePage);
    for (auto _ : state) {
        side->DrawSideView(false);
        side->UpdateNow();
    }
}
BENCHMARK(BM_StadiumSideViewCompose)->Unit(benchmark::kMillisecond);

void BM_KitEditorCompose(benchmark::State& state) {
    ClubPageBench bench;
    auto* kit = bench.Open<CKitScreen>(72);
    for (auto _ : state) kit->Compose();
}
BENCHMARK(BM_KitEditorCompose)->Unit(benchmark::kMillisecond);

// The league graph with every club of England's largest division, each with
// a position after every league day.
class LeagueGraphBench : public ClubPageBench {
public:
    CGraphScreen* OpenFull() {
        CWorldData& w = game.World();
        CDivision* largest = nullptr;
        for (int d = 0; d < w.GetDivisionList().GetSize(); ++d)
            if (CDivision* div = w.GetDivision(d); div && (!largest || div->GetClubCount() > largest->GetClubCount()))
                largest = div;
        auto* graph = Open<CGraphScreen>(CGraphScreen::kLeaguePage);
        if (!largest || !graph) return graph;
        const int games = 2 * (largest->GetClubCount() - 1);
        for (int c = 0; c < largest->GetClubCount(); ++c) {
            CClub* club = w.GetClub(largest->GetFirstClub() + c);
            for (int g = 0; g < games; ++g)
                club->SetLeaguePositionAfterGame(g, static_cast<uint8_t>(1 + (c + g) % largest->GetClubCount()));
            TreeNotice pick{};
            pick.kind = kContextClub;
            pick.data = reinterpret_cast<uintptr_t>(club);
            graph->OnTreeSelect(&pick);
        }
        return graph;
    }
};

void BM_LeagueGraphCompose(benchmark::State& state) {
    LeagueGraphBench bench;
    CGraphScreen* graph = bench.OpenFull();
    if (!graph) {
        state.SkipWithError("no league graph");
        return;
    }
    for (auto _ : state) graph->Compose();
    state.counters["clubs"] = graph->GetGraphClubCount();
}
BENCHMARK(BM_LeagueGraphCompose)->Unit(benchmark::kMillisecond);

void BM_LeagueGraphToolTipSearch(benchmark::State& state) {
    LeagueGraphBench bench;
    CGraphScreen* graph = bench.OpenFull();
    if (!graph) {
        state.SkipWithError("no league graph");
        return;
    }
    int x = CGraphScreen::kOriginX;
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph->ClubNearLine(x, 300));
        x = x >= 530 ? CGraphScreen::kOriginX : x + 7;
    }
}
BENCHMARK(BM_LeagueGraphToolTipSearch)->Unit(benchmark::kMicrosecond);

void BM_OpenStadiumPlan(benchmark::State& state) {
    ClubPageBench bench;
    for (auto _ : state) bench.Open<CStadiumScreen>(CStadiumScreen::kPlanPage);
}
BENCHMARK(BM_OpenStadiumPlan)->Unit(benchmark::kMillisecond);

void BM_OpenAccounts(benchmark::State& state) {
    ClubPageBench bench;
    for (auto _ : state) bench.Open<CFinanceScreen>(CFinanceScreen::kAccountsPage);
}
BENCHMARK(BM_OpenAccounts)->Unit(benchmark::kMillisecond);

}  // namespace
