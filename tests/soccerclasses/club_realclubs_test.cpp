// Every club of the generated start-up database, of a followed country and
// of one played by results only, saves and reloads to the same bytes.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/random.h"
#include "records_roundtrip.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

class RealClubs : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        platform::SeedRandom(5);
        world = std::make_unique<CWorldData>();
        scope = std::make_unique<ScopedWorld>(world.get());
        // Every other country followed in detail.
        for (int id = 1; id < 255; ++id) world->SelectCountry(id, id % 2 == 0);
        world->ReadFederationsAndCountries();
        FILE* f = OpenDataFile("Data\\Clubs.bin");
        const int32_t clubs = LoadInt32(f);
        CloseGameFile(f);
        for (int i = 0; i < clubs; ++i) world->GetClubList().AddRealClub(std::make_unique<CClub>());
        ReadDivisionsIntoWorld(*world);
        world->GetStadiumList().ReadDataFile();
        world->GetClubList().ReadDataFile();
        world->GetPlayerList().LoadDatabase(world->GetClubList().GetRealCount());
    }
    void TearDown() override {
        scope.reset();
        world.reset();
        ClearPeopleMessages();
        ResetGameFileChannel();
        platform::ResetFolders();
    }

    std::unique_ptr<CWorldData> world;
    std::unique_ptr<ScopedWorld> scope;
};

TEST_F(RealClubs, EveryClubSavesAndReloadsToTheSameBytes) {
    CClubList& clubs = world->GetClubList();
    ASSERT_GT(clubs.GetRealCount(), 1000);
    int active = 0, inactive = 0;
    for (int c = 0; c < clubs.GetRealCount(); ++c) {
        const CClub& club = *clubs.GetAt(c);
        (club.IsCountryActive() ? active : inactive)++;
        const auto bytes = recordtest::Write([&](FILE* f) { club.Save(f); });
        // A saved game loads into the clubs the start-up files made, each
        // already in its division.
        CClub copy;
        copy.SetDivisionIndex(club.GetDivisionIndex());
        ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { copy.Load(f); })) << club.GetName();
        EXPECT_EQ(recordtest::Write([&](FILE* f) { copy.Save(f); }), bytes) << club.GetName();
        EXPECT_EQ(copy.GetName(), club.GetName());
        EXPECT_EQ(copy.IsCountryActive(), club.IsCountryActive()) << club.GetName();
    }
    EXPECT_GT(active, 100);
    EXPECT_GT(inactive, 100);
    // The whole list too.
    const auto all = recordtest::Write([&](FILE* f) { clubs.Save(f); });
    ASSERT_TRUE(recordtest::Read(all, [&](FILE* f) { clubs.Load(f); }));
    EXPECT_EQ(recordtest::Write([&](FILE* f) { clubs.Save(f); }), all);
}

}  // namespace
