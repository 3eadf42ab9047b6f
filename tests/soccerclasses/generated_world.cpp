#include "generated_world.h"

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "support/test_env.h"

namespace worldtest {

void GeneratedWorld::Build(uint32_t seed, const std::function<bool(int)>& followed) {
    platform::SetInstallFolder(testenv::GameDir());
    platform::SeedRandom(seed);
    world = std::make_unique<CWorldData>();
    scope = std::make_unique<ScopedWorld>(world.get());
    for (int id = 1; id < 255; ++id) world->SelectCountry(id, followed(id));
    world->ReadFederationsAndCountries();
    // Divisions and clubs each check themselves against the other; until
    // the new-game load orders them, blank clubs stand in for the count.
    FILE* f = OpenDataFile("Data\\Clubs.bin");
    const int32_t clubs = LoadInt32(f);
    CloseGameFile(f);
    for (int i = 0; i < clubs; ++i) world->GetClubList().AddRealClub(std::make_unique<CClub>());
    ReadDivisionsIntoWorld(*world);
    world->GetStadiumList().ReadDataFile();
    world->GetClubList().ReadDataFile();
    world->GetPlayerList().LoadDatabase(world->GetClubList().GetRealCount());
}

void GeneratedWorld::TearDown() {
    scope.reset();
    world.reset();
    ResetGameFileChannel();
    platform::ResetFolders();
}

}  // namespace worldtest
