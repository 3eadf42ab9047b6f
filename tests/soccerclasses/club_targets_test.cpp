#include <gtest/gtest.h>

#include <set>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Clubs 0 and 1 at home (country 1), club 2 abroad (country 0); both
// countries followed and with a league.
class Targets : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Port Ellis", 1)}));
        world.GetCountryList().GetAt(1)->AddDivision(0);
        // Abroad is country 0: the random pick of a country reaches the
        // last of the list only on the generator's top value.
        world.GetDivisionList().GetAt(1)->SetCountry(0);
        world.GetCountryList().GetAt(0)->AddDivision(1);
        world.GetCountryList().GetAt(0)->SetInitialFollowLevel(kFollowed);
        world.GetDivisionList().GetAt(0)->SetClubRange(0, 2);
        world.GetDivisionList().GetAt(1)->SetClubRange(2, 1);
        for (int r = 0; r < world.GetPopularityList().GetSize(); ++r) world.GetPopularityList().GetAt(r)->m_LevelByte = 99;
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 20; ++i) L().GetAt(c)->AddPlayerToSquad(Settled(AddPlayer(i % 3)));  // no attackers
            L().GetAt(c)->SetBankBalance(50000000.0);
        }
    }
    uint16_t Settled(uint16_t id) {
        world.GetPlayer(id)->Person().SetWeeksAtClub(20);
        world.GetPlayer(id)->Person().SetContractYears(3);
        return id;
    }
    CClub& Club() { return *L().GetAt(0); }
    static uint16_t FirstReserveKeeper(const CClub& club) {
        for (int s = 19; s < kSquadSlots; ++s)
            if (const CPlayer* p = club.PlayerInSlot(s); p && p->GetPosition() == 0) return club.GetPlayerId(s);
        return kEmptySlot;
    }
    CClubList& L() { return world.GetClubList(); }
    int CountFrom(const CClub& club, const std::vector<uint16_t>& ids) {
        int n = 0;
        for (uint16_t id : ids) n += club.FindSlotOfPlayer(id) >= 0;
        return n;
    }
};

// Attackers out of contract stand only at the club abroad.
TEST_F(Targets, SearchLooksAbroadByTheDivisionsPercentage) {
    std::vector<uint16_t> foreign;
    for (int i = 0; i < 8; ++i) {
        const uint16_t id = AddPlayer(3);
        world.GetPlayer(id)->Person().SetWeeksAtClub(20);  // out of contract at 25: a free agent
        L().GetAt(2)->AddPlayerToSquad(id);
        foreign.push_back(id);
    }
    for (int percent : {0, 100}) {
        platform::SeedRandom(9);
        world.GetDivisionList().GetAt(0)->SetAbroadSearchPercent(uint8_t(percent));
        for (int i = 0; i < 60; ++i) Club().SearchForTransferTarget(3);
        if (percent == 0) {
            EXPECT_EQ(CountFrom(Club(), foreign), 0) << "the own country has no attackers";
        } else {
            EXPECT_GT(CountFrom(Club(), foreign), 0);
        }
    }
    for (int c = 0; c < 3; ++c) EXPECT_LE(L().GetAt(c)->GetSquadSize(), uint32_t(kSquadSlots));
}

TEST_F(Targets, SearchNeedsAnOpenWindowAndAComputerManager) {
    const uint16_t id = AddPlayer(3);
    world.GetPlayer(id)->Person().SetWeeksAtClub(20);
    L().GetAt(1)->AddPlayerToSquad(id);
    Club().GetCountry()->SetTransferWindow(0);
    for (int i = 0; i < 100; ++i) Club().SearchForTransferTarget(3);
    EXPECT_LT(Club().FindSlotOfPlayer(id), 0);
    Club().GetCountry()->SetTransferWindow(1);
    MakeHuman(Club());
    for (int i = 0; i < 100; ++i) Club().SearchForTransferTarget(3);
    EXPECT_LT(Club().FindSlotOfPlayer(id), 0);
}

TEST_F(Targets, CollectMatchingPlayersPairsPlayersWithTheirClub) {
    CPlayerSearch search;
    search.Set(1, 16, 40, 10, 99, 0.0f, 0.0f, 0, 2, 1);  // defenders, free agents
    const uint16_t a = Club().GetPlayerId(1), b = Club().GetPlayerId(4);
    world.GetPlayer(a)->Person().SetContractYears(0);
    world.GetPlayer(b)->Person().SetContractYears(0);
    CExtDWordArray players, clubs;
    Club().CollectMatchingPlayers(7, players, clubs, search);
    ASSERT_EQ(players.GetSize(), 2);
    EXPECT_EQ(players.GetAt(0), a);
    EXPECT_EQ(players.GetAt(1), b);
    EXPECT_EQ(clubs.GetSize(), 2);
    EXPECT_EQ(clubs.GetAt(0), 7u);
    EXPECT_EQ(clubs.GetAt(1), 7u);
}

// Too few fit keepers: a keeper in the reserves whose injury is nearly
// over is cured before anyone is bought.
TEST_F(Targets, ShortfallRepairCuresANearlyFitReserve) {
    CClub& club = Club();
    club.AddPlayerToSquad(Settled(AddPlayer(0)));  // slot 20, a reserve keeper
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = club.PlayerInSlot(s); p && p->GetPosition() == 0) Injure(club.GetPlayerId(s));
    const uint16_t reserve = FirstReserveKeeper(club);
    ASSERT_NE(reserve, kEmptySlot);
    ASSERT_LT(world.GetPlayer(reserve)->GetInjuryTimeEstimate(), 2);
    club.GetCountry()->SetTransferWindow(0);  // nobody can be bought
    club.RepairPositionShortfalls();
    EXPECT_FALSE(world.GetPlayer(reserve)->IsInjured());
    EXPECT_EQ(club.CountFilledSlots(), 21);
}

TEST_F(Targets, FullSquadIsNotRepaired) {
    CClub& club = Club();
    club.AddPlayerToSquad(Settled(AddPlayer(0)));
    while (club.GetSquadSize() < uint32_t(kSquadSlots)) club.AddPlayerToSquad(Settled(AddPlayer(2)));
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = club.PlayerInSlot(s); p && p->GetPosition() == 0) Injure(club.GetPlayerId(s));
    const uint16_t reserve = FirstReserveKeeper(club);
    ASSERT_NE(reserve, kEmptySlot);
    club.RepairPositionShortfalls();
    EXPECT_TRUE(world.GetPlayer(reserve)->IsInjured());
    EXPECT_EQ(club.GetSquadSize(), uint32_t(kSquadSlots));
}

TEST_F(Targets, OldReserveIsHandedOver) {
    CClub& giver = *L().GetAt(1);
    EXPECT_FALSE(giver.TransferOldPlayer(1, Club())) << "nobody over 30";
    const uint16_t veteran = giver.GetPlayerId(22 - 3);  // a reserve defender
    ASSERT_EQ(world.GetPlayer(veteran)->GetPosition(), 1);
    world.GetPlayer(veteran)->Person().SetAge(32);
    const double before = Club().GetBankBalance() + giver.GetBankBalance();
    EXPECT_TRUE(giver.TransferOldPlayer(1, Club()));
    EXPECT_GE(Club().FindSlotOfPlayer(veteran), 0);
    EXPECT_LT(giver.FindSlotOfPlayer(veteran), 0);
    // No fee changes hands; only the newcomer's signing costs are paid.
    EXPECT_LE(Club().GetBankBalance() + giver.GetBankBalance(), before);
    EXPECT_DOUBLE_EQ(giver.GetBankBalance(), 50000000.0);
}

TEST_F(Targets, OutOfContractPlayersGetOneToFourYears) {
    const uint16_t free1 = Club().GetPlayerId(2), keeps = Club().GetPlayerId(3);
    world.GetPlayer(free1)->Person().SetContractYears(0);
    world.GetPlayer(keeps)->Person().SetContractYears(1);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        world.GetPlayer(free1)->Person().SetContractYears(0);
        Club().GiveOutOfContractPlayersContracts();
        const int years = world.GetPlayer(free1)->Person().GetContractYears();
        EXPECT_GE(years, 1);
        EXPECT_LE(years, 4);
        seen.insert(years);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(world.GetPlayer(keeps)->Person().GetContractYears(), 1);
}

TEST_F(Targets, ScoutsAllowedByStanding) {
    struct Case {
        uint8_t popularity;
        int scouts;
    };
    for (const Case& c : {Case{95, 2}, Case{90, 2}, Case{85, 3}, Case{60, 4}, Case{59, 5}, Case{20, 6}, Case{0, 7}}) {
        Club().SetPopularityIndex(c.popularity);
        EXPECT_EQ(Club().GetAllowedScouts(), c.scouts) << int(c.popularity);
    }
}

TEST_F(Targets, FourthScoutRefusedAtPopularity85) {
    CClub& club = Club();
    club.SetPopularityIndex(3);  // a row of the test table, for hiring
    for (int i = 0; i < 3; ++i) ASSERT_GE(club.HireNewEmployee(2), 0);
    club.SetPopularityIndex(85);
    ScriptedUserPort port;
    EXPECT_EQ(club.ConfirmHireEmployee(2), 0);
    EXPECT_TRUE(port.Asked(73));
    club.DismissEmployee(club.Staff().GetSize() - 1, 0.0);
    EXPECT_EQ(club.ConfirmHireEmployee(2), 1);
}

TEST_F(Targets, SecondCoachNeedsTheManagersYes) {
    CClub& club = Club();
    club.SetPopularityIndex(3);
    EXPECT_EQ(club.ConfirmHireEmployee(0), 1) << "no coach yet";
    ASSERT_GE(club.HireNewEmployee(0), 0);
    for (int answer : {kAnswerYes, kAnswerNo}) {
        ScriptedUserPort port;
        port.AnswerNext(answer);
        EXPECT_EQ(club.ConfirmHireEmployee(0), answer == kAnswerYes ? 1 : 0);
        ASSERT_EQ(port.Boxes().size(), 1u);
        EXPECT_EQ(port.Boxes()[0].type, kBoxYesNo);
        EXPECT_NE(port.Boxes()[0].text.find("You already have a coach"), std::string::npos);
    }
}

TEST_F(Targets, LevelWithinTheStandingBand) {
    const CPopularityList& table = world.GetPopularityList();
    const int low = table.GetStaffLevelMinimum(Club().GetPopularityIndex());
    const int high = table.GetStaffLevelMaximum(Club().GetPopularityIndex());
    if (low > 0) {
        EXPECT_FALSE(Club().AcceptsLevel(uint8_t(low - 1)));
    }
    // At either edge there is no draw.
    for (int level : {low, high}) {
        platform::SeedRandom(4);
        const int next = platform::Rand();
        platform::SeedRandom(4);
        EXPECT_TRUE(Club().AcceptsLevel(uint8_t(level)));
        EXPECT_EQ(platform::Rand(), next) << level;
    }
}

TEST_F(Targets, ManagerAndSeasonHelpers) {
    std::string name;
    Club().GetManagerFullName(name);
    EXPECT_EQ(name, Club().GetManagerObject()->GetName());
    Club().GetManagerObject()->Person().SetWeeksAtClub(17);
    EXPECT_EQ(Club().GetManagerWeeksAtClub(), 17);
    EXPECT_EQ(Club().GetGamesPlayed(), 0);
    ASSERT_GT(Club().GetIncomeItemCount(), 0);
    EXPECT_EQ(Club().GetIncomeItemName(0), Club().GetAccounts()->GetIncomeItemName(0));
    EXPECT_EQ(Club().GetExpenditureItemCount(), Club().GetAccounts()->CountExpenditureItems());
    EXPECT_EQ(Club().GetPlayer(0), world.GetPlayer(Club().GetPlayerId(0)));
    EXPECT_EQ(Club().GetPlayer(29), nullptr);
}

}  // namespace
}  // namespace clubtest
