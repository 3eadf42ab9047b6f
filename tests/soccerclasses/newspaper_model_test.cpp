// What the newspaper asks of the model: the shock win among a match day's
// results, and a random player of a club's squad.
#include <gtest/gtest.h>

#include <set>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/player.h"

namespace clubtest {
namespace {

class NewspaperModel : public ClubWorld {
protected:
    // Clubs 0 to 5 on popularity rows 2, 10, 22, 30, 40 and 42.
    void MakeClubs() {
        const uint8_t rows[] = {2, 10, 22, 30, 40, 42};
        // Rows beyond the small world's four, as a full table has.
        const CPopularity last = *world.GetPopularityList().GetAt(3);
        while (world.GetPopularityList().GetSize() < 50) world.GetPopularityList().Add(last);
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 6; ++i) records.push_back(Record("Club " + std::to_string(i), 0, rows[i]));
        world.GetClubList().ReadFile(WriteClubs(records));
    }
    int Result(int home, int away, int h, int a) {
        auto f = std::make_unique<CFixture>();
        f->Set(0, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0);
        f->m_HomeGoals = static_cast<uint8_t>(h);
        f->m_AwayGoals = static_cast<uint8_t>(a);
        return fixtures.Add(std::move(f));
    }
    CFixtureList fixtures;
    CNewsPaperEvents events;
};

TEST_F(NewspaperModel, AMuchSmallerClubsWinIsTheShockWin) {
    MakeClubs();
    struct Case {
        const char* what;
        int home, away, h, a;
        bool shock;
    };
    const Case cases[] = {
        {"row 30 beats row 2 at home", 3, 0, 1, 0, true},
        {"row 22 wins away at row 2: a gap of exactly 20", 0, 2, 0, 2, true},
        {"row 30 beats row 10: a gap of 20", 1, 3, 0, 1, true},
        {"row 22 beats row 10: a gap of 12", 2, 1, 3, 1, false},
        {"the bigger club wins", 0, 4, 2, 0, false},
        {"a draw between far apart clubs", 5, 0, 1, 1, false},
    };
    for (const Case& c : cases) {
        events.Reset();
        fixtures.RemoveAll();
        events.SetResult(Result(c.home, c.away, c.h, c.a), fixtures);
        EXPECT_EQ(events.m_ShockWin >= 0, c.shock) << c.what;
        EXPECT_EQ(!events.GetShockWinHeadline(0, fixtures).empty(), c.shock) << c.what;
    }
}

TEST_F(NewspaperModel, TheShockWinKeepsTheLargestGapAndTheLaterOnEqualOnes) {
    MakeClubs();
    events.SetResult(Result(4, 0, 1, 0), fixtures);  // gap 38
    events.SetResult(Result(3, 0, 1, 0), fixtures);  // gap 28
    EXPECT_EQ(events.m_ShockWin, 0);
    events.SetResult(Result(1, 5, 0, 2), fixtures);  // gap 32
    EXPECT_EQ(events.m_ShockWin, 0);
    events.SetResult(Result(0, 4, 0, 3), fixtures);  // gap 38 again: the later
    EXPECT_EQ(events.m_ShockWin, 3);
    events.SetResult(Result(5, 0, 2, 1), fixtures);  // gap 40
    EXPECT_EQ(events.m_ShockWin, 4);
    EXPECT_EQ(events.m_BigWin, 3) << "a 3-0 is still the big win";
}

TEST_F(NewspaperModel, ARandomSquadPlayerComesFromAnOccupiedSlotAndAnEmptySquadGivesNone) {
    MakeClubs();
    CClub& club = *world.GetClub(0);
    for (int s = 0; s < kSquadSlots; ++s) club.RemoveFromSquad(s);
    platform::SeedRandom(3);
    EXPECT_EQ(club.GetRandomPlayer(), nullptr) << "an empty squad ends at once";
    std::set<const CPlayer*> signed_;
    for (int i = 0; i < 3; ++i) {
        const uint16_t id = AddPlayer(CSoccerPlayer::kMidfielder);
        ASSERT_TRUE(club.AddPlayerToSquad(id));
        signed_.insert(world.GetPlayer(id));
    }
    std::set<const CPlayer*> drawn;
    for (int i = 0; i < 200; ++i) {
        const CPlayer* p = club.GetRandomPlayer();
        ASSERT_TRUE(signed_.count(p)) << "draw " << i;
        drawn.insert(p);
    }
    EXPECT_EQ(drawn, signed_) << "every squad player can be drawn";
}

}  // namespace
}  // namespace clubtest
