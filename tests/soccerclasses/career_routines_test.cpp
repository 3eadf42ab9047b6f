#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
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

TEST_F(CareerRoutines, ThePreSeasonHintAndTheHeldBackMessage) {
    const int start = Own().GetCountry()->GetSeasonStartDay();
    struct Case {
        const char* what;
        int matchDay;
        int season;
        int friendlies;   // arranged
        bool employed;
        bool box;
        bool posted;      // the held-back message reaches the inbox
    } cases[] = {
        {"two days before the friendlies", 10, 3, 0, true, true, true},
        {"the game's first day", start, 0, 0, true, true, true},
        {"a later season's first day", start, 2, 0, true, false, false},
        {"three days before the friendlies", 9, 3, 0, true, false, false},
        {"one friendly arranged", 10, 3, 1, true, false, true},
        {"out of work", 10, 3, 0, false, false, false},
    };
    world.GetDivision(0)->SetCalendarSlot(12, CDivision::kFriendly0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.GetClock().SetMatchDay(c.matchDay);
        world.GetClock().SetSeason(c.season);
        Own().ResetFriendlies();
        if (c.friendlies) Own().SetFriendly(1, 3, 0);
        CManager& m = *world.GetManagerList().GetAt(User().GetManagerIndex());
        if (!c.employed) m.SetClubIndex(-1);
        User().ClearMessages();
        User().MarkPlayer(7);
        User().SetDeferredMessage(203, "promoted", "", "", -1);
        world.RestoreCurrentUser(3);
        const size_t before = port.Boxes().size();
        EXPECT_EQ(world.GetUserList().DailyStep(), c.box);
        EXPECT_EQ(world.GetCurrentUserIndex(), 3) << "the daily step leaves the current user";
        EXPECT_EQ(port.Boxes().size(), before + (c.box ? 1 : 0));
        if (c.box) {
            EXPECT_EQ(port.Boxes().back().text.rfind(m.GetName() + ", the new season is approaching.", 0), 0u);
            EXPECT_TRUE(User().GetMarkedPlayers().empty());
        } else {
            EXPECT_FALSE(User().GetMarkedPlayers().empty());
        }
        EXPECT_EQ(User().HasMessage(203), c.posted);
        EXPECT_EQ(User().HasDeferredMessage(), !c.posted) << "posted once, then cleared";
        if (c.posted) {
            // The next hint has nothing more to post.
            User().ClearMessages();
            world.GetUserList().DailyStep();
            EXPECT_FALSE(User().HasMessage(203));
        }
        m.SetClubIndex(0);
    }
}

TEST_F(CareerRoutines, TheSeasonEndNoticeOnTheLeaguesLastDay) {
    world.GetDivision(0)->SetCalendarSlot(10, CDivision::kLeagueEnd);
    world.GetClock().SetMatchDay(10);
    Own().SetFriendly(0, 3, 0);
    EXPECT_TRUE(world.GetUserList().DailyStep());
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].text, User().GetManagerName() +
                                        ", the domestic season has finished. If you press 'Skip to next match' you "
                                        "will go straight to next season and will not be able to view end of season "
                                        "data or take any actions at the club in the close season.");
    world.GetClock().SetMatchDay(11);
    EXPECT_FALSE(world.GetUserList().DailyStep());
    world.GetClock().SetMatchDay(10);
    world.GetUserList().EndGame();
    EXPECT_FALSE(world.GetUserList().DailyStep()) << "after the game's end nobody is told";
    EXPECT_EQ(port.Boxes().size(), 1u);
}

TEST_F(CareerRoutines, TheBoardsMoodFollowsTheContractYearsAgainstScriptedDraws) {
    CManager& m = *Own().GetManagerObject();
    // Years above 4 count as 4.
    const int chance[8] = {90, 90, 85, 80, 70, 70, 70, 70};
    for (int years = 0; years < 8; ++years) {
        m.Person().SetContractYears(uint8_t(years));
        for (int drawn : {chance[years] - 1, chance[years]}) {
            SCOPED_TRACE(testing::Message() << years << " years, Random(100) gives " << drawn);
            // The raw value that Random(100) turns into `drawn`.
            platform::ScopedRandomScript script{int(std::ceil(drawn * 32767 / 100.0))};
            User().RollTransferFlag();
            EXPECT_EQ(User().GetTransferFlag(), drawn < chance[years] ? 1 : 0);
            EXPECT_EQ(script.Pending(), 0) << "one draw a day";
        }
    }
}

}  // namespace
}  // namespace clubtest
