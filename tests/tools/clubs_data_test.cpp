#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "clubs/clubgen.h"
#include "platform/files.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"
#include "worldtable/worldtable.h"

namespace {

// The generated club files, read back through the game's own readers into
// a world built from the generated start-up files and the world table.
class ClubsData : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        table = worldtable::Load(testenv::SourceDir() / "assets");
        world = std::make_unique<CWorldData>();
        scoped = std::make_unique<ScopedWorld>(world.get());
        world->ReadFederationsAndCountries();
        for (const worldtable::Division* d : table.Divisions()) {
            auto division = std::make_unique<CDivision>();
            division->SetName(d->name);
            division->SetCountry(uint8_t(d->country));
            division->SetClubRange(d->FirstClub(), uint8_t(d->ClubCount()));
            world->GetDivisionList().Add(std::move(division));
        }
    }
    void TearDown() override {
        scoped.reset();
        world.reset();
        ResetGameFileChannel();
        platform::ResetFolders();
    }

    worldtable::World table;
    std::unique_ptr<CWorldData> world;
    std::unique_ptr<ScopedWorld> scoped;
};

TEST_F(ClubsData, ClubsStadiumsAndPlansReadBackAndKeepTheRules) {
    world->GetStadiumList().ReadDataFile();
    CStadiumPlanList plans;
    plans.ReadDataFile();
    EXPECT_EQ(plans.GetSize(), 8);
    CClubList& clubs = world->GetClubList();
    clubs.ReadDataFile();

    const auto tableClubs = table.Clubs();
    ASSERT_EQ(clubs.GetRealCount(), int(tableClubs.size()));
    EXPECT_LE(clubs.GetRealCount(), 2181);
    EXPECT_LT(table.DivisionCount(), 256);
    EXPECT_EQ(clubs.GetSize(), clubs.GetRealCount() + 2);
    EXPECT_EQ(world->GetStadiumList().GetSize(),
              clubs.GetRealCount() +
                  clubgen::kVenuesPerCountry * int(std::count_if(table.countries.begin(), table.countries.end(),
                                                                [](const auto& c) { return c.HasLeague(); })));

    std::set<std::string> names;
    for (int i = 0; i < clubs.GetRealCount(); ++i) {
        const CClub& c = *clubs.GetAt(i);
        SCOPED_TRACE(c.GetName());
        EXPECT_EQ(c.GetName(), tableClubs[size_t(i)]->name);
        EXPECT_EQ(c.GetDivisionIndex(), tableClubs[size_t(i)]->division);
        EXPECT_TRUE(names.insert(c.GetName()).second);
        ASSERT_NE(c.GetManagerObject(), nullptr);
        EXPECT_EQ(c.GetManagerObject()->Person().GetName().find(".."), std::string::npos)
            << c.GetManagerObject()->Person().GetName();
        EXPECT_GT(c.GetManagerWage(), 0.0);
        EXPECT_LT(c.GetPopularityIndex(), world->GetPopularityList().GetSize());

        for (int k : {0, 1}) {
            const CKits& kit = k ? c.GetAwayKit() : c.GetHomeKit();
            EXPECT_LT(kit.bytes[0], clubgen::kSleevePatterns);
            EXPECT_LT(kit.bytes[1], clubgen::kShirtPatterns);
            EXPECT_LT(kit.bytes[2], clubgen::kShortsPatterns);
            for (int b = 3; b < 8; ++b) EXPECT_LT(kit.bytes[size_t(b)], 16);
        }
        EXPECT_FALSE(clubgen::ColoursAlike(c.GetHomeKit().bytes[3], c.GetAwayKit().bytes[3]));

        const CStadium& s = *c.GetStadium();
        EXPECT_FALSE(s.name.empty());
        EXPECT_EQ(s.GetCapacity(), s.GetPlacesOfStands());
        EXPECT_GE(s.GetCapacity(), world->GetPopularityList().GetAt(c.GetPopularityIndex())->m_CrowdBase);
        std::array<StandLayout, 8> layout;
        for (int st = 0; st < 8; ++st) layout[size_t(st)] = s.stands[st].layout;
        const bool taylor = c.GetCountryIndex() == 55;
        for (int st = 0; st < 8; ++st) EXPECT_EQ(CheckStandLayout(st, layout, taylor), "") << st;
    }
    // Clubs of one town share an area code.
    for (int i = 1; i < clubs.GetRealCount(); ++i) {
        const CClub& a = *clubs.GetAt(i - 1);
        const CClub& b = *clubs.GetAt(i);
        if (a.GetCountryIndex() == b.GetCountryIndex() && a.GetSecondName() == b.GetSecondName()) {
            EXPECT_EQ(a.GetAreaCode(), b.GetAreaCode());
        }
    }
}

TEST_F(ClubsData, DamagedClubFilesAreRefused) {
    world->GetStadiumList().ReadDataFile();
    for (const char* file : {kClubsFile, kStadiumsFile, kPlansFile}) {
        const auto source = platform::MapPath(testenv::GameDir(), file);
        const auto copy = testenv::TestFolder() / "copy.bin";
        std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::resize_file(copy, std::filesystem::file_size(copy) * 2 / 3);
        SCOPED_TRACE(file);
        if (std::string(file) == kClubsFile) {
            CClubList list;
            EXPECT_THROW(list.ReadFile(copy.string()), DataFileError);
        } else if (std::string(file) == kStadiumsFile) {
            CStadiumList list;
            EXPECT_THROW(list.ReadFile(copy.string()), DataFileError);
        } else {
            CStadiumPlanList list;
            EXPECT_THROW(list.ReadFile(copy.string()), DataFileError);
        }
        ResetGameFileChannel();
    }
}

}  // namespace
