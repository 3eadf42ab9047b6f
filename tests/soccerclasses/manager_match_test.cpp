#include <gtest/gtest.h>

#include <cmath>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/extbytearray.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"

namespace clubtest {
namespace {

class ManagerAtClub : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 4; ++i) records.push_back(Record("Club " + std::to_string(i), 0));
        world.GetClubList().ReadFile(WriteClubs(records));
        for (uint8_t b : {1, 2, 3, 4}) schedule.Add(b);
        CDivision& div = *world.GetDivision(0);
        div.SetClubRange(0, 4);
        div.SetUp(&schedule);
        div.SetCalendarSlot(12, 1);
    }
    CClub& Club(int i) { return *world.GetClubList().GetAt(i); }
    CManager& ManagerOf(int club) { return *world.GetManagerList().GetAt(Club(club).GetManager()); }
    CExtByteArray schedule;
};

TEST_F(ManagerAtClub, FindsHisClubsLeagueMatchOnlyWhileEmployed) {
    CFixtureInfo info;
    ASSERT_TRUE(ManagerOf(3).FindMatchOn(12, info));
    EXPECT_EQ(info.home, 2);
    EXPECT_EQ(info.away, 3);
    EXPECT_FALSE(ManagerOf(3).FindMatchOn(13, info));
    CManager& m = ManagerOf(3);
    m.LeaveClub(0);
    CFixtureInfo none;
    EXPECT_FALSE(m.FindMatchOn(12, none));
    EXPECT_EQ(none.home, -1);
}

TEST_F(ManagerAtClub, HumanSeasonEndHoldsBackTheReviewOfAPlayedSeason) {
    CManager& human = ManagerOf(0);
    human.m_IsHuman = 1;
    world.GetUserList().GetAt(6)->SetManagerIndex(Club(0).GetManager());
    human.Person().SetAge(40);
    // No crowd yet: nothing to review.
    human.SeasonEnd();
    EXPECT_FALSE(world.GetUserList().GetAt(6)->HasDeferredMessage());
    Club(0).AddAttendance(12000);
    human.SeasonEnd();
    ASSERT_TRUE(world.GetUserList().GetAt(6)->HasDeferredMessage());
    const auto& held = world.GetUserList().GetAt(6)->GetDeferredMessage();
    EXPECT_EQ(held.code, 202);
    EXPECT_EQ(held.text2, "Club 0");
    EXPECT_EQ(held.id, Club(0).GetManager());
    EXPECT_TRUE(world.GetUserList().GetAt(6)->GetInbox().empty());
    // A computer manager's season end holds nothing back for anyone.
    Club(1).AddAttendance(9000);
    ManagerOf(1).SeasonEnd();
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (u != 6) {
            EXPECT_FALSE(world.GetUserList().GetAt(u)->HasDeferredMessage());
        }
}

TEST_F(ManagerAtClub, ANewManagerForAClubJoinsItOnItsTerms) {
    CManagerList& managers = world.GetManagerList();
    const int loose = managers.AddManager(*Club(2).GetCountry());
    EXPECT_FALSE(managers.GetAt(loose)->IsEmployed());
    const int hired = managers.AddManager(*Club(2).GetCountry(), 2, Club(2));
    EXPECT_NE(hired, loose);
    const CManager& m = *managers.GetAt(hired);
    EXPECT_EQ(m.GetClubIndex(), 2);
    EXPECT_EQ(m.Person().GetWeeklyWage(), std::trunc(Club(2).GetManagerWage() / 52));
    EXPECT_GT(m.GetRating(), 0.0);
    EXPECT_EQ(m.m_LivingCosts, static_cast<int32_t>(m.Person().GetWeeklyWage() * 0.8));
}

}  // namespace
}  // namespace clubtest
