// The match-day page's set-up load of pictures: thirty-two face surfaces on
// their frames (both squads and benches) and the two clubs' full kits, all
// from the shipped archives.
#include <benchmark/benchmark.h>

#include "platform/files.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "shell/screen.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/manager.h"

namespace {

void BM_MatchDaySetUpPictures(benchmark::State& state) {
    using namespace platform::win;
    Ui& ui = Ui::Get();
    ui.Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
    platform::SetInstallFolder(VT_GAME_DIR);
    if (!LoadArchiveIndexes()) {
        state.SkipWithError("no game data");
        ui.Stop();
        return;
    }
    {
        CScreen page;
        std::vector<CManager> people(32);
        for (size_t i = 0; i < people.size(); ++i) {
            CFace& f = people[i].Person().Face();
            f.SetRace(static_cast<unsigned>(i % 5));
            f.SetColour(static_cast<unsigned>(i % 4));
            f.SetHair(static_cast<unsigned>(i * 7 % 40));
            f.SetChin(static_cast<unsigned>(i % 12));
            f.SetBeard(static_cast<unsigned>(i % 8));
        }
        CKits home, away;
        home.bytes = {2, 5, 1, 7, 15, 15, 15, 7};
        away.bytes = {0, 11, 3, 11, 4, 4, 11, 11};
        for (auto _ : state) {
            for (const CManager& m : people) {
                std::unique_ptr<platform::gfx::Surface> s;
                page.BuildManagerFaceSurface(0, &m, s);
                benchmark::DoNotOptimize(s.get());
            }
            for (const CKits* k : {&home, &away}) {
                std::unique_ptr<platform::gfx::Surface> s;
                page.BuildKitSurface(s, CScreen::kKitFull, *k);
                benchmark::DoNotOptimize(s.get());
            }
        }
    }
    FreeArchiveIndexes();
    platform::ResetFolders();
    ui.Stop();
}
BENCHMARK(BM_MatchDaySetUpPictures)->Unit(benchmark::kMillisecond);

}  // namespace
