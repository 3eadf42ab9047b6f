#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "records_roundtrip.h"

namespace clubtest {
namespace {

class ClubFixtures : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        // Ten match days of three pairings each (1-based club numbers).
        CDivision& div = SixClubLeague({1, 2, 3, 4, 5, 6, 3, 1, 6, 2, 4, 5, 1, 4, 2, 5, 3, 6, 5, 1, 6, 3, 4, 2,
                                        1, 6, 2, 3, 5, 4, 2, 1, 4, 3, 6, 5, 1, 3, 2, 6, 5, 4, 4, 1, 5, 2, 6, 3,
                                        1, 5, 3, 6, 2, 4, 6, 1, 3, 2, 4, 5});
        div.SetCalendarSlot(14, 2);
        div.SetCalendarSlot(105, 10);
        for (int k = 0; k < 4; ++k) div.SetCalendarSlot(3 + k, uint8_t(208 + k));
    }
    CClub& Club(int i) { return *world.GetClubList().GetAt(i); }
};

TEST_F(ClubFixtures, LeagueMatchOfACalendarDay) {
    CFixtureInfo info;
    ASSERT_EQ(Club(3).GetLeagueFixture(info, 10), 1);
    EXPECT_EQ(info.home, 2);
    EXPECT_EQ(info.away, 3);
    EXPECT_EQ(info.homeName, "Club 2");
    EXPECT_EQ(info.competition, "First League");
    EXPECT_EQ(info.leagueFlag, 1);
    EXPECT_EQ(info.stadium, Club(2).GetStadiumName());
    EXPECT_EQ(info.fixtureIndex, 1);  // the second pairing of match day 1
    ASSERT_EQ(Club(5).GetLeagueFixture(info, 14), 1);
    EXPECT_EQ(info.fixtureIndex, 3 + 1);  // match day 2 starts at E / 2 = 3
    EXPECT_EQ(info.home, 5);
    EXPECT_EQ(info.away, 1);
    // The last slot, 105, is a day of the calendar too.
    EXPECT_EQ(Club(0).GetLeagueFixture(info, 105), 1);
    EXPECT_EQ(Club(0).GetLeagueFixture(info, 106), 0);
    EXPECT_EQ(Club(0).GetLeagueFixture(info, 3), 0);  // a friendly day
    EXPECT_EQ(Club(0).GetLeagueFixture(info, 50), 0);  // no match
}

TEST_F(ClubFixtures, FriendlySlots) {
    EXPECT_TRUE(Club(0).IsFriendlyDay(4));
    EXPECT_EQ(Club(0).GetFriendlySlot(4), 1);
    EXPECT_EQ(Club(0).GetFriendlyDay(2), 5);
    EXPECT_EQ(Club(0).GetFirstFreeFriendlyDay(), 3);
    EXPECT_TRUE(Club(0).CanArrangeFriendly(3, 4));
    EXPECT_TRUE(world.GetClubList().ArrangeFriendly(3, 0, 4));
    EXPECT_FALSE(Club(0).CanArrangeFriendly(3, -1));
    EXPECT_FALSE(Club(0).CanArrangeFriendly(4, 4));  // the same opponent again
    EXPECT_TRUE(Club(0).CanArrangeFriendly(4, 5));
    EXPECT_EQ(Club(0).GetFirstFreeFriendlyDay(), 4);
    CFixtureInfo info;
    ASSERT_TRUE(Club(4).GetFriendlyFixtureInfo(info, 3));
    EXPECT_EQ(info.home, 0);  // the away club sees the opponent at home
    EXPECT_EQ(info.stadium, Club(0).GetStadiumName());
    EXPECT_EQ(info.competition, "Friendly Match");
    EXPECT_EQ(info.substitutes, 5);
    for (int s = 1; s < 4; ++s) EXPECT_TRUE(world.GetClubList().ArrangeFriendly(3 + s, 0, s));
    EXPECT_EQ(Club(0).GetFirstFreeFriendlyDay(), -1);
    EXPECT_EQ(Club(0).CountFreeFriendlySlots(), 0);
}

TEST_F(ClubFixtures, ArrangedFriendliesEnterTheWorldsList) {
    CFriendlyMatchList& list = world.GetFriendlyMatchList();
    CClubList& clubs = world.GetClubList();
    ASSERT_TRUE(clubs.ArrangeFriendly(3, 0, 4));
    ASSERT_TRUE(clubs.ArrangeFriendly(4, 2, 0));
    ASSERT_TRUE(clubs.ArrangeFriendly(5, 1, 3));
    // Refused: no friendly day, a taken slot, a club against itself.
    EXPECT_FALSE(clubs.ArrangeFriendly(10, 1, 2));
    EXPECT_FALSE(clubs.ArrangeFriendly(3, 4, 5));
    EXPECT_FALSE(clubs.ArrangeFriendly(6, 5, 5));
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetAt(1)->m_Home, 2);
    EXPECT_EQ(list.GetAt(1)->m_Away, 0);
    EXPECT_EQ(list.GetMatchDay(1), 4);
    EXPECT_NE(list.FindFixture(1, 3), nullptr);
    EXPECT_EQ(Club(4).GetFriendlyVenue(0), 1);

    const auto bytes = recordtest::Write([&](FILE* f) { list.Save(f); });
    list.RemoveClubFriendlies(0);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetMatchDay(0), 5);
    EXPECT_EQ(list.GetAt(0)->m_Home, 1);
    ASSERT_TRUE(recordtest::Read(bytes, [&](FILE* f) { list.Load(f); }));
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list.GetMatchDay(2), 5);
    EXPECT_EQ(list.GetAt(0)->m_Away, 4);
}

}  // namespace
}  // namespace clubtest
