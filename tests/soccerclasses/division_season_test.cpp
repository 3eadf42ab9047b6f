// A division's season work over clubs of a followed country.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"

namespace {

class FollowedDivision : public clubtest::ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 4; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, 4);
    }
    CClub& Club(int i) { return *world.GetClubList().GetAt(i); }
};

TEST_F(FollowedDivision, SeasonRecordsResetTakesThePositionHistoryWithIt) {
    CDivision& d = *world.GetDivision(0);
    for (int i = 0; i < 4; ++i) {
        Club(i).LeaguePositions().assign(Club(i).LeaguePositions().size(), 2);
        Club(i).LeagueRow().AddHomeResult(2, 0, 3, 1, 0);
    }
    d.ResetClubSeasonRecords();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Club(i).GetLeaguePositionAfterGame(0), 255) << i;  // no game played yet
        EXPECT_EQ(Club(i).GetLeaguePositionAfterGame(45), 255) << i;
        EXPECT_EQ(Club(i).LeagueRow().m_Position, i);
        EXPECT_EQ(Club(i).LeagueRow().m_Points, 0);
    }
}

}  // namespace
