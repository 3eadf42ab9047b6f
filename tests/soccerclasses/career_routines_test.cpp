#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Six clubs, match day 1 on day 10: 0-1, 2-3, 4-5. User 0 manages club 0,
// whose squad is `players` men, positions in turn.
class CareerRoutines : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        SixClubLeague({1, 2, 3, 4, 5, 6});
        for (int i = 0; i < 18; ++i) Own().AddPlayerToSquad(AddPlayer(i % 4));
        MakeUser(Own(), 0);
        world.GetClock().SetMatchDay(10);
    }
    CClub& Own() { return *world.GetClub(0); }
    CHumanManager& User(int slot = 0) { return *world.GetUser(slot); }
    uint16_t Slot(int s) { return Own().GetPlayerId(s); }
    ScriptedUserPort port;
};

TEST_F(CareerRoutines, TheTeamCheckStopsAMatchDayOnlyForAReason) {
    struct Case {
        const char* what;
        int matchDay;
        int injured;      // of the squad, from slot 17 backwards
        uint8_t subsNamed;
        bool injureFirstPick;
        bool ready;
        unsigned box;  // 0 none
    } cases[] = {
        {"no match today", 11, 5, 5, false, true, 0},
        {"sixteen fit for eleven and five", 10, 2, 5, false, true, 0},
        {"fifteen fit for eleven and five", 10, 3, 5, false, false, 959},
        {"fifteen fit for eleven and three", 10, 3, 3, false, true, 0},
        {"enough men, but the first pick is hurt", 10, 1, 5, true, false, 117},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int s = 0; s < 18; ++s) Heal(Slot(s));
        for (int k = 0; k < c.injured; ++k) Injure(Slot(17 - k));
        if (c.injureFirstPick) Injure(Slot(0));
        world.GetDivision(0)->m_SubsNamed = c.subsNamed;
        world.GetClock().SetMatchDay(c.matchDay);
        const size_t before = port.Boxes().size();
        EXPECT_EQ(User().CheckTeamReady(), c.ready);
        if (c.box == 0) {
            EXPECT_EQ(port.Boxes().size(), before);
        } else {
            ASSERT_EQ(port.Boxes().size(), before + 1);
            EXPECT_EQ(port.Boxes().back().stringId, c.box == 959 ? 959u : 0u);
            if (c.box == 959) {
                EXPECT_EQ(port.Boxes().back().text,
                          "You do not have enough fit players in your 1st team. You must promote youths or get loan "
                          "players.");
            }
        }
    }
}

TEST_F(CareerRoutines, AnUnemployedOrAbsentManagerIsAlwaysReady) {
    for (int s = 0; s < 18; ++s) Injure(Slot(s));
    Own().GetManagerObject()->LeaveClub(world.GetTime());
    Own().SetManagerIndex(-1);
    EXPECT_TRUE(User().CheckTeamReady());
    EXPECT_TRUE(User(3).CheckTeamReady()) << "a slot out of play";
    EXPECT_TRUE(port.Boxes().empty());
}

TEST_F(CareerRoutines, AHumanMatchDayIsFoundForAnyUserAndTheCurrentUserComesBack) {
    User(4).SetManager(world.GetClub(2)->GetManager());
    world.RestoreCurrentUser(4);
    CFixtureInfo fixture;
    CMatchTime date;
    date.SetMatchDay(10);
    EXPECT_TRUE(world.GetUserList().IsHumanMatchDay(date, fixture));
    EXPECT_EQ(fixture.home, 2) << "the last user's match";
    EXPECT_EQ(fixture.away, 3);
    EXPECT_EQ(world.GetCurrentUserIndex(), 4);

    CFixtureInfo untouched;
    date.SetMatchDay(11);
    EXPECT_FALSE(world.GetUserList().IsHumanMatchDay(date, untouched));
    EXPECT_EQ(untouched.home, -1);

    // A user whose manager lost his job plays nothing.
    world.GetClub(2)->GetManagerObject()->LeaveClub(world.GetTime());
    world.GetClub(2)->SetManagerIndex(-1);
    CFixtureInfo only;
    date.SetMatchDay(10);
    EXPECT_TRUE(world.GetUserList().IsHumanMatchDay(date, only));
    EXPECT_EQ(only.home, 0);

    world.GetUserList().EndGame();
    world.RestoreCurrentUser(-1);
    EXPECT_FALSE(world.GetUserList().IsHumanMatchDay(date, only));
    EXPECT_EQ(world.GetCurrentUserIndex(), -1);
}

}  // namespace
}  // namespace clubtest
