#include <gtest/gtest.h>

#include "clubs_world.h"
#include "people_io.h"
#include "platform/files.h"
#include "soccerclasses/country.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/peopletables.h"
#include "support/test_env.h"

namespace {

using peopleio::LoadBytes;
using peopleio::SaveBytes;

class NonLeague : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        platform::SetInstallFolder(testenv::GameDir());
        paths = std::make_unique<CSoccerPlayerCareerPathList>(CSoccerPlayerCareerPathList::kFile);
        InstallPeopleTables(paths.get(), nullptr, nullptr);
    }
    void TearDown() override {
        InstallPeopleTables(nullptr, nullptr, nullptr);
        platform::ResetFolders();
        ClubWorld::TearDown();
    }
    std::unique_ptr<CSoccerPlayerCareerPathList> paths;
};

TEST_F(NonLeague, FollowedCountriesGiveASquadOfTwentyFour) {
    CKits home, away;
    home.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    CNonLeagueClub club;
    club.Create("Ashby Wanderers", 1, *world.GetCountry(1), home, away);
    ASSERT_EQ(club.m_Squad.GetSize(), 24);
    int byPosition[4] = {};
    for (int i = 0; i < 24; ++i) {
        const CNonLeaguePlayer& p = *club.m_Squad.GetAt(i);
        ++byPosition[p.m_Football.GetPosition()];
        EXPECT_GE(p.m_Person.GetAge(), 16);
        EXPECT_LE(p.m_Person.GetAge(), 36);
        EXPECT_EQ(p.m_Person.GetCountry(), 1);
    }
    EXPECT_EQ(byPosition[0], 4);
    EXPECT_EQ(byPosition[1], 8);
    EXPECT_EQ(byPosition[2], 6);
    EXPECT_EQ(byPosition[3], 6);
    EXPECT_EQ(club.m_Popularity, std::max(0, world.GetPopularityList().GetSize() - 2));

    CNonLeagueClub resultsOnly;
    resultsOnly.Create("Kelso Rovers", 0, *world.GetCountry(2), home, away);
    EXPECT_EQ(resultsOnly.m_Squad.GetSize(), 0);
}

TEST_F(NonLeague, ClubWithItsSquadReloadsToTheSameBytes) {
    CNonLeagueClubList list;
    CKits home, away;
    home.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    away.bytes = {8, 7, 6, 5, 4, 3, 2, 1};
    for (int k = 0; k < 2; ++k) {
        auto club = std::make_unique<CNonLeagueClub>();
        club->Create(k ? "Kelso Rovers" : "Ashby Wanderers", k, *world.GetCountry(1 + k), home, away);
        club->m_Settings[1] = 9;
        list.Add(std::move(club));
    }
    std::string bytes = SaveBytes([&](FILE* f) { list.Save(f); });
    CNonLeagueClubList read;
    for (int k = 0; k < 2; ++k) read.Add(std::make_unique<CNonLeagueClub>());
    ASSERT_TRUE(LoadBytes([&](FILE* f) { read.Load(f); }));
    EXPECT_EQ(read.GetAt(0)->m_Squad.GetSize(), 24);
    EXPECT_EQ(read.GetAt(1)->m_HomeKit, home);
    EXPECT_EQ(SaveBytes([&](FILE* f) { read.Save(f); }), bytes);
}

}  // namespace
