// The transfer list (page 47) over the largest world, every selectable
// country followed: filling it for the Europe node (every member country's
// computer clubs, sorted by price), and a position button, which filters
// the scope's players again without walking the scope.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
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
#include "support/game_driver.h"
#include "ui/listcontrol.h"

namespace {

using namespace platform::win;

class TransferListBench {
public:
    TransferListBench()
        : game(AllSelectableCountries(), VT_GAME_DIR, std::filesystem::temp_directory_path() / "vt_bench_transfers") {
        CWorldData& w = game.World();
        CCountry* england = nullptr;
        for (int i = 0; i < w.GetCountryList().GetSize() && !england; ++i)
            if (CCountry* c = w.GetCountry(i); c && c->GetDivisionCount() > 0) england = c;
        CClub* club = w.GetClub(england->GetDivision(0)->GetFirstClub());
        w.GetManagerList().GetAt(club->GetManager())->m_IsHuman = 1;
        w.GetUser(0)->SetManagerIndex(club->GetManager());
        w.RestoreCurrentUser(0);
        CWorldData::SelectedUserSlot() = 0;
        Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
        LoadArchiveIndexes();
        main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE);
        Ui::Get().SetMainWindow(&main);
        manager.Create(&main, Rect::XYWH(2, 2, CScreen::kWidth, CScreen::kHeight));
        RegisterGamePages();
        europe = w.GetFederation(0);
    }
    ~TransferListBench() {
        manager.Destroy();
        main.Destroy();
        Ui::Get().Stop();
        FreeArchiveIndexes();
    }
    CPlayerScreen* Open() {
        g_nTreeSelectionData = reinterpret_cast<uintptr_t>(europe);
        g_nTreeSelectionLevel = 1;
        g_nTreeSelectionKind = 0;
        g_nScreenId = CPlayerScreen::kTransferListPage;
        manager.SetScreen(new CPlayerScreen(), true, false, false, true, false);
        return dynamic_cast<CPlayerScreen*>(manager.GetCurrentPage());
    }

    testsupport::GameDriver game;
    Window main;
    CScreenManager manager;
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
