// One day of every club's daily step in the largest world: every country
// with a league followed, every club with a full squad.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

int ClubCountOfFile() {
    std::ifstream in(platform::MapPath(VT_GAME_DIR, kClubsFile), std::ios::binary);
    unsigned char b[4] = {};
    in.read(reinterpret_cast<char*>(b), 4);
    return b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24;
}

struct LargestWorld {
    LargestWorld() {
        platform::SetInstallFolder(VT_GAME_DIR);
        world = std::make_unique<CWorldData>();
        SetWorldData(world.get());
        InstallPeopleTables(&world->GetCareerPathList(), &world->GetSkillMoneyValueList(), &world->GetPopularityList());
        for (int id = 1; id < kCountrySelectionSize; ++id) world->SelectCountry(id, true);
        world->ReadFederationsAndCountries();
        CDivisionList::Limits limits{ClubCountOfFile(), world->GetCountryList().GetSize(),
                                     world->GetDivisionStrengthList()->GetSize()};
        world->GetDivisionList().ReadFile(CDivisionList::kFileName, limits,
                                          [&](int n) { return world->GetSchedule(n); });
        world->GetStadiumList().ReadDataFile();
        world->GetClubList().ReadDataFile();
        CClubList& clubs = world->GetClubList();
        for (int c = 0; c < clubs.GetRealCount(); ++c)
            for (int i = 0; i < 24; ++i) {
                const int id = world->GetPlayerList().AddNewPlayer();
                CPlayer& p = *world->GetPlayer(id);
                p.Football().SetPosition(i % 4, false);
                p.Person().SetAge(static_cast<uint8_t>(18 + i % 15));
                p.Person().SetContractYears(2);
                p.Person().SetSurname("Player");
                clubs.GetAt(c)->AddPlayerToSquad(static_cast<uint16_t>(id));
            }
    }
    std::unique_ptr<CWorldData> world;
};

void BM_AllClubsOneDay(benchmark::State& state) {
    static LargestWorld w;
    platform::SeedRandom(1);
    for (auto _ : state) w.world->GetClubList().ProcessDay();
    state.counters["clubs"] = w.world->GetClubList().GetRealCount();
}
BENCHMARK(BM_AllClubsOneDay)->Unit(benchmark::kMillisecond);

}  // namespace
