// Friendlies played on their match day, the human managers' messages about
// them, and friendlies that belong to one season only.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "support/match_world.h"
#include "support/scripted_match_driver.h"

namespace {

using testsupport::MatchWorld;

class FriendlyPlay : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<MatchWorld>(17, [](int id) { return id == 9; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        W().GetClock().Set(0, 0, 0, 1999, 7, 3);
    }
    void TearDown() override { world.reset(); }
    CWorldData& W() { return world->World(); }
    int ClubIndex(int offset) { return W().GetDivision(division)->GetFirstClub() + offset; }
    CClub& Club(int offset) { return *W().GetClub(ClubIndex(offset)); }
    void MakeUser(CClub& club, int slot) {
        W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1;
        W().GetUser(slot)->SetManagerIndex(club.GetManager());
    }
    CFriendlyMatchList& List() { return W().GetFriendlyMatchList(); }

    std::unique_ptr<MatchWorld> world;
    int division = -1;
};

TEST_F(FriendlyPlay, PlayedOnItsOwnMatchDayOnly) {
    List().AddFriendly(static_cast<int16_t>(ClubIndex(0)), static_cast<int16_t>(ClubIndex(1)), 12);
    const CFixture& f = *List().GetAt(List().GetSize() - 1);
    for (int day = 0; day <= 13; ++day) {
        while (W().GetMatchDay() < day) W().NextMatchDay();
        platform::SeedRandom(static_cast<uint32_t>(day));
        List().PlayTodaysFriendlies(0);
        EXPECT_EQ(f.HasBeenPrepared(), day >= 12) << day;
    }
}

TEST_F(FriendlyPlay, MessagesByResultAndPopularityGap) {
    struct Case {
        int homePop, awayPop, hg, ag;
        uint8_t homeCode, awayCode;
    } cases[] = {
        {30, 15, 2, 0, 213, 218},  // the bigger club wins: 213, the smaller loses: 218
        {15, 30, 2, 0, 215, 216},
        {20, 25, 1, 0, 214, 217},  // close clubs
        {30, 15, 1, 1, 221, 221},  // level: the away side is the winner, the smaller club
        {15, 30, 2, 2, 219, 219},
        {20, 22, 0, 0, 220, 220},
    };
    MakeUser(Club(0), 0);
    MakeUser(Club(1), 1);
    for (const Case& k : cases) {
        Club(0).SetPopularityIndex(static_cast<uint8_t>(k.homePop));
        Club(1).SetPopularityIndex(static_cast<uint8_t>(k.awayPop));
        CFixture f(CFixture::kFriendly, static_cast<int16_t>(ClubIndex(0)), static_cast<int16_t>(ClubIndex(1)), 5, 5, 0);
        f.m_HomeGoals = static_cast<uint8_t>(k.hg);
        f.m_AwayGoals = static_cast<uint8_t>(k.ag);
        CFriendlyMatchList::SendResultMessages(f);
        const auto home = W().GetUser(0)->GetInbox().back();
        const auto away = W().GetUser(1)->GetInbox().back();
        EXPECT_EQ(home.code, k.homeCode) << k.homePop << "-" << k.awayPop;
        EXPECT_EQ(away.code, k.awayCode) << k.homePop << "-" << k.awayPop;
        EXPECT_EQ(home.text1, Club(1).GetName());
        EXPECT_EQ(away.text1, Club(0).GetName());
    }
}

TEST_F(FriendlyPlay, HumanFriendlyOnTheScreenAsItsManager) {
    MakeUser(Club(2), 4);
    W().RestoreCurrentUser(0);
    CWorldData::SelectedUserSlot() = 0;
    List().AddFriendly(static_cast<int16_t>(ClubIndex(1)), static_cast<int16_t>(ClubIndex(2)), 0);
    testsupport::ScriptedMatchDriver driver;
    int user = -1;
    driver.onMinute = [&](CMatchPlay&) { user = W().GetCurrentUserIndex(); };
    testsupport::ScopedMatchDriver scope(&driver);
    platform::SeedRandom(6);
    List().PlayTodaysFriendlies(1);
    EXPECT_EQ(driver.opened, 1);
    EXPECT_EQ(user, 4);
    EXPECT_EQ(W().GetCurrentUserIndex(), 0);
    EXPECT_FALSE(W().GetUser(4)->GetInbox().empty());
}

TEST_F(FriendlyPlay, AFriendlyBelongsToOneSeason) {
    const int day = Club(0).GetFriendlyDay(0);
    ASSERT_GE(day, 0);
    ASSERT_TRUE(W().GetClubList().ArrangeFriendly(day, ClubIndex(0), ClubIndex(1)));
    while (W().GetMatchDay() < day) W().NextMatchDay();
    platform::SeedRandom(3);
    List().PlayTodaysFriendlies(0);
    const int before = List().GetSize();
    // The home club's season ends first: the friendly leaves the list, and
    // the away club, whose slot still names it, has no friendly that day.
    Club(0).EndOfSeason();
    EXPECT_EQ(List().GetSize(), before - 1);
    CFixtureInfo info;
    EXPECT_FALSE(Club(1).GetFriendlyFixtureInfo(info, day));
    // Next season's same match day plays no friendly of theirs.
    Club(1).EndOfSeason();
    List().PlayTodaysFriendlies(0);
    for (int i = 0; i < List().GetSize(); ++i) EXPECT_FALSE(List().GetAt(i)->IsClubInvolved(ClubIndex(0)));
}

}  // namespace
