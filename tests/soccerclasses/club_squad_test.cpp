#include <gtest/gtest.h>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/youth.h"
#include "soccerclasses/popularity.h"

namespace clubtest {
namespace {

class ClubSquad : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        list.ReadFile(WriteClubs({Record("Harwick Albion", 0)}));
    }
    CClub& Club() { return *list.GetAt(0); }
    CClubList list;
};

TEST_F(ClubSquad, TwentyEightInSlotsAndTwoOutOnLoanIsFull) {
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(Club().AddPlayerToSquad(AddPlayer(1 + i % 3)));
    Club().LoanOutPlayer(Club().GetPlayerId(29));
    Club().LoanOutPlayer(Club().GetPlayerId(28));
    EXPECT_EQ(Club().CountFilledSlots(), 28);
    EXPECT_EQ(Club().GetSquadSize(), 30u);
    EXPECT_EQ(Club().CanSignPlayer(0), 600);
    EXPECT_FALSE(Club().AddPlayerToSquad(AddPlayer(0)));
    EXPECT_EQ(Club().CountFilledSlots(), 28);
}

// The limit table {6, 10, 10, 10}: a sixth goalkeeper may join five, a
// seventh may not.
TEST_F(ClubSquad, GoalkeeperLimitFollowsTheTable) {
    for (int i = 0; i < 5; ++i) Club().AddPlayerToSquad(AddPlayer(0));
    EXPECT_EQ(Club().CanSignPlayer(0), 0);
    Club().AddPlayerToSquad(AddPlayer(0));
    EXPECT_EQ(Club().CanSignPlayer(0), 32862);
    for (int i = 0; i < 9; ++i) Club().AddPlayerToSquad(AddPlayer(1));
    EXPECT_EQ(Club().CanSignPlayer(1), 0);
}

TEST_F(ClubSquad, ARefusalShownToTheManagerAnswersMinusOne) {
    for (int i = 0; i < 6; ++i) Club().AddPlayerToSquad(AddPlayer(0));
    const uint16_t keeper = AddPlayer(0), defender = AddPlayer(1);
    ScriptedUserPort port;
    EXPECT_EQ(Club().CanSignPlayer(world.GetPlayer(keeper), false), 32862);
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_EQ(Club().CanSignPlayer(world.GetPlayer(keeper), true), -1);
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].stringId, 32862u);
    EXPECT_EQ(port.Boxes()[0].text, "The board of directors feel you have enough players in this position.");
    EXPECT_EQ(port.Boxes()[0].picture, Club().GetManager());
    EXPECT_EQ(Club().CanSignPlayer(world.GetPlayer(defender), true), 0);
    EXPECT_EQ(port.Boxes().size(), 1u);
}

TEST_F(ClubSquad, TheClubOfAnEmployeeOrAYouthIsTheOneHoldingThatObject) {
    ASSERT_GE(list.GetSize(), 2);  // the real club and the blank ones behind it
    auto employee = std::make_unique<CEmployee>();
    auto youth = std::make_unique<CYouth>();
    const CEmployee* e = employee.get();
    const CYouth* y = youth.get();
    list.GetAt(1)->Staff().Add(std::move(employee));
    list.GetAt(1)->Youths().Add(std::move(youth));
    EXPECT_EQ(list.FindClubOfEmployee(e), list.GetAt(1));
    EXPECT_EQ(list.FindClubOfYouth(y), list.GetAt(1));
    const CEmployee stranger;
    const CYouth other;
    EXPECT_EQ(list.FindClubOfEmployee(&stranger), nullptr);
    EXPECT_EQ(list.FindClubOfYouth(&other), nullptr);
    EXPECT_EQ(list.FindClubOfEmployee(nullptr), nullptr);
}

TEST_F(ClubSquad, APlayerStandsInOneSlotOnly) {
    const uint16_t p = AddPlayer(2);
    EXPECT_TRUE(Club().AddPlayerToSquad(p));
    EXPECT_FALSE(Club().AddPlayerToSquad(p));
    EXPECT_EQ(Club().CountFilledSlots(), 1);
    EXPECT_EQ(list.FindClubOfPlayer(p), &Club());
}

TEST_F(ClubSquad, ComputerClubFillsAFirstElevenGapFromTheBench) {
    std::vector<uint16_t> ids;
    for (int pos : {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 1, 3}) ids.push_back(AddPlayer(pos));
    for (uint16_t id : ids) Club().AddPlayerToSquad(id);
    Club().RemoveFromSquad(9);  // an attacker: slot 13's attacker takes his place
    EXPECT_EQ(Club().GetPlayerId(9), ids[13]);
    EXPECT_EQ(Club().GetPlayerId(11), ids[11]);
    EXPECT_EQ(Club().GetPlayerId(13), kEmptySlot);
    Club().RemoveFromSquad(20);  // an empty reserve slot closes the gap
    EXPECT_EQ(Club().CountFilledSlots(), 13);
}

TEST_F(ClubSquad, BlankClub) {
    CClub blank;
    EXPECT_EQ(blank.GetTicketPrice(), 10.0);
    EXPECT_EQ(blank.GetManager(), -1);
    EXPECT_EQ(blank.CountFilledSlots(), 0);
    EXPECT_EQ(blank.GetAccounts(), nullptr);
    EXPECT_EQ(blank.GetCurrentForm(), nullptr);
}

TEST_F(ClubSquad, FoundedYearText) {
    EXPECT_EQ(Club().GetFoundedYearText(), "1890");
    CClub blank;
    EXPECT_EQ(blank.GetFoundedYearText(), "UNKNOWN");
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(ClubWorld, InitialStaffAndScoutSlots) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0, 0), Record("Port Ellis", 1, 0)}));
    world.GetPopularityList().GetAt(0)->m_BaseCount = 20000;
    world.GetClubList().CreateInitialStaff();
    CClub& club = *world.GetClubList().GetAt(0);
    EXPECT_EQ(club.Staff().GetSize(), 6);
    EXPECT_EQ(club.Scouts()[0].GetEmployee(), 4);
    EXPECT_EQ(club.Scouts()[1].GetEmployee(), 5);
    EXPECT_FALSE(club.Scouts()[2].IsAssigned());
    EXPECT_EQ(world.GetClubList().GetAt(1)->Staff().GetSize(), 0);  // results only
    // Dismissing the first scout empties his slot and renumbers the other.
    club.SetBankBalance(1000.0);
    club.DismissEmployee(4, 300.0);
    EXPECT_FALSE(club.Scouts()[0].IsAssigned());
    EXPECT_EQ(club.Scouts()[1].GetEmployee(), 4);
    EXPECT_EQ(club.GetBankBalance(), 700.0);
    EXPECT_EQ(club.GetAccounts()->GetWeekFigure(kGeneralExpenditure), 300.0);
}

TEST_F(ClubWorld, AManFromTheJobMarketJoinsTheStaffAndAScoutTakesASlot) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0, 0)}));
    CClub& club = *world.GetClubList().GetAt(0);
    CAvailableEmployee scout(*club.GetCountry(), *club.GetPopularity());
    scout.m_JobKind = CBasicEmployee::kScout;
    CAvailableEmployee coach(*club.GetCountry(), *club.GetPopularity());
    coach.m_JobKind = 0;
    EXPECT_EQ(club.AddEmployee(coach), 0);
    EXPECT_FALSE(club.Scouts()[0].IsAssigned());
    EXPECT_EQ(club.AddEmployee(scout), 1);
    EXPECT_EQ(club.Scouts()[0].GetEmployee(), 1);
    EXPECT_EQ(club.Staff().GetAt(1)->GetName(), scout.GetName());
    while (club.Staff().GetSize() < CEmployeeList::kMaxEmployees) club.AddEmployee(coach);
    EXPECT_EQ(club.AddEmployee(coach), -1);
    EXPECT_EQ(club.Staff().GetSize(), CEmployeeList::kMaxEmployees);
}

TEST_F(ClubWorld, AReleasedPlayerGoesFreeOrRetiresByAge) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0, 0)}));
    CClub& club = *world.GetClubList().GetAt(0);
    MakeHuman(club);
    CHumanManager& user = *world.GetUserList().GetAt(0);
    user.SetManagerIndex(club.GetManager());
    struct Case {
        int age;
        bool mayRetire, mustRetire;
    };
    for (const Case c : {Case{25, false, false}, Case{33, true, false}, Case{36, true, true}, Case{40, true, true}}) {
        const uint16_t id = AddPlayer(2);
        world.GetPlayer(id)->Person().SetAge(uint8_t(c.age));
        world.GetPlayer(id)->Person().SetContractYears(3);
        ASSERT_TRUE(club.AddPlayerToSquad(id));
        const std::string name = world.GetPlayer(id)->GetName();
        club.SetBankBalance(1000.0);
        const double booked = club.GetAccounts()->GetWeekFigure(kGeneralExpenditure);
        club.ReleasePlayer(id, 250.0);
        EXPECT_EQ(club.FindSlotOfPlayer(id), -1) << c.age;
        EXPECT_EQ(club.GetBankBalance(), 750.0);
        EXPECT_EQ(club.GetAccounts()->GetWeekFigure(kGeneralExpenditure), booked + 250.0);
        ASSERT_FALSE(user.GetInbox().empty());
        const bool retired = world.GetPlayer(id) == nullptr;
        EXPECT_EQ(user.GetInbox().back().code, retired ? 91 : 90) << c.age;
        EXPECT_EQ(user.GetInbox().back().text1, name);
        if (c.mustRetire) {
            EXPECT_TRUE(retired) << c.age;
        }
        if (!c.mayRetire) {
            ASSERT_FALSE(retired) << c.age;
            EXPECT_EQ(world.GetPlayer(id)->Person().GetContractYears(), 0);
        }
    }
}

TEST_F(ClubWorld, LineStrengthsAndTheWeakestLine) {
    world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0)}));
    CClub& club = *world.GetClubList().GetAt(0);
    club.SetPositionFigures(50, 40, 45, 60);
    EXPECT_EQ(club.GetWeakestLine(), 2u);  // the later test that holds wins
    for (int pos : {0, 1, 1, 2, 2, 3}) club.AddPlayerToSquad(AddPlayer(pos));
    SetAbility(club.GetPlayerId(0), 60);
    SetAbility(club.GetPlayerId(1), 40);
    SetAbility(club.GetPlayerId(2), 40);
    club.ComputeLineStrengths();
    const int keeper = world.GetPlayer(club.GetPlayerId(0))->Football().GetPositionSkill();
    const int defender = world.GetPlayer(club.GetPlayerId(1))->Football().GetPositionSkill();
    EXPECT_EQ(club.GetPositionFigure(0), keeper);
    EXPECT_EQ(club.GetPositionFigure(1), (keeper + 2 * defender) / 3);
    Injure(club.GetPlayerId(5));
    EXPECT_EQ(club.CountInjuredPlayers(), 1);
    EXPECT_EQ(club.CountAvailableInFirstEleven(), 5);
}

}  // namespace
}  // namespace clubtest
