// Filling the navigator from the largest world: every country followed.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/files.h"
#include "platform/random.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"
#include "ui/treewindow.h"

namespace {

void BM_FillTreeForTheWholeWorld(benchmark::State& state) {
    using namespace platform::win;
    Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
    platform::SetInstallFolder(VT_GAME_DIR);
    LoadArchiveIndexes();
    platform::SeedRandom(3);
    auto world = std::make_unique<CWorldData>();
    ScopedWorld scope(world.get());
    for (int id = 1; id < 255; ++id) world->SelectCountry(id, true);
    world->ReadFederationsAndCountries();
    FILE* f = OpenDataFile("Data\\Clubs.bin");
    const int32_t clubs = LoadInt32(f);
    CloseGameFile(f);
    for (int i = 0; i < clubs; ++i) world->GetClubList().AddRealClub(std::make_unique<CClub>());
    ReadDivisionsIntoWorld(*world);
    world->GetStadiumList().ReadDataFile();
    world->GetClubList().ReadDataFile();
    world->GetPlayerList().LoadDatabase(world->GetClubList().GetRealCount());
    {
        Window main;
        main.Create(nullptr, Rect{0, 0, 800, 600}, WS_VISIBLE);
        Ui::Get().SetMainWindow(&main);
        CTreeWindow pane;
        pane.Create(&main, Rect{605, 80, 788, 550}, 9);
        for (auto _ : state) pane.FillTree(5);
        pane.Destroy();
        main.Destroy();
    }
    FreeArchiveIndexes();
    ResetGameFileChannel();
    platform::ResetFolders();
    Ui::Get().Stop();
}
BENCHMARK(BM_FillTreeForTheWholeWorld)->Unit(benchmark::kMillisecond);

}  // namespace
