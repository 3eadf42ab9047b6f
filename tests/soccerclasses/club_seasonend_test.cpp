#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/news.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Twenty clubs of one followed division; club 0 is managed by user slot 0.
class SeasonEnd : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 20; ++i) records.push_back(Record("Club " + std::to_string(i), 0, uint8_t(i % 4)));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, 20);
        world.GetCountry(1)->AddDivision(0);
        MakeHuman(C(0));
        User().SetManagerIndex(C(0).GetManager());
        // Nobody is up for review unless a test says so.
        for (int i = 0; i < 20; ++i) ManagerOf(i).Person().SetContractYears(9);
    }
    CClub& C(int i) { return *world.GetClubList().GetAt(i); }
    CHumanManager& User() { return *world.GetUserList().GetAt(0); }
    CManager& ManagerOf(int club) { return *world.GetManagerList().GetAt(C(club).GetManager()); }
    bool NewsHas(const std::string& fragment) {
        for (const auto& n : world.GetCountry(1)->GetNews())
            if (n->GetText().find(fragment) != std::string::npos) return true;
        return false;
    }
    uint16_t Sign(int club, int slot, int position, int years) {
        const uint16_t id = AddPlayer(position);
        world.GetPlayer(id)->Person().SetContractYears(uint8_t(years));
        world.GetPlayer(id)->Person().SetAge(26);
        C(club).SetPlayerId(slot, id);
        return id;
    }
    ScriptedUserPort port;
};

TEST_F(SeasonEnd, TheSeasonGoesIntoTheRecordsAndTheManagerAges) {
    C(3).LeagueRow().m_Points = 61;
    C(3).LeagueRow().m_Position = 2;
    const int age = ManagerOf(3).Person().GetAge();
    C(3).EndOfSeason();
    EXPECT_EQ(C(3).Records().GetMostPoints(), 61);
    EXPECT_EQ(ManagerOf(3).Person().GetAge(), age + 1);
    EXPECT_EQ(ManagerOf(3).Person().GetContractYears(), 8);
    C(3).LeagueRow().m_Points = 50;
    C(3).EndOfSeason();
    EXPECT_EQ(C(3).Records().GetMostPoints(), 61);
    EXPECT_EQ(C(3).Records().GetSecondMostPoints(), 50);
}

TEST_F(SeasonEnd, OnlyAnExpiringContractGoesBeforeTheBoard) {
    struct Case {
        int years;
        bool reviewed;
    };
    for (const Case& c : {Case{1, true}, Case{2, false}}) {
        C(4).SetManagerTerms(52000.0, 3);
        ManagerOf(4).Person().SetContractYears(uint8_t(c.years));
        ManagerOf(4).Person().SetAge(40);  // too young to retire
        C(4).LeagueRow().m_Position = 1;   // the board is inclined to keep him
        C(4).EndOfSeason();
        ASSERT_TRUE(C(4).HasManager());
        // The review renews the terms: the wage grows by 2 to 4 per cent.
        if (c.reviewed) {
            EXPECT_GE(C(4).GetManagerWage(), 52000.0 * 1.01) << c.years;
            EXPECT_LE(ManagerOf(4).Person().GetContractYears(), 5);
        } else {
            EXPECT_EQ(C(4).GetManagerWage(), 52000.0) << c.years;
            EXPECT_EQ(ManagerOf(4).Person().GetContractYears(), 1);
        }
    }
}

TEST_F(SeasonEnd, AnOldComputerManagerRetiresButAHumanOneNever) {
    ManagerOf(0).Person().SetAge(70);
    ManagerOf(5).Person().SetAge(70);
    const int index = C(5).GetManager();
    const std::string name = ManagerOf(5).GetName();
    bool retired = false;
    for (uint32_t seed = 0; seed < 60 && !retired; ++seed) {
        platform::SeedRandom(seed);
        ManagerOf(5).Person().SetContractYears(9);
        ManagerOf(0).Person().SetContractYears(9);
        C(5).EndOfSeason();
        C(0).EndOfSeason();
        retired = !C(5).HasManager();
        ASSERT_TRUE(C(0).HasManager());
    }
    ASSERT_TRUE(retired);
    EXPECT_EQ(world.GetManagerList().GetAt(index), nullptr);
    EXPECT_TRUE(NewsHas(name + " has retired as manager of Club 5"));
}

TEST_F(SeasonEnd, ABorrowedPlayerWhoseContractEndsGoesBack) {
    // Club 0 (human) borrowed him from club 1; his contract runs out.
    const uint16_t id = Sign(1, 0, 2, 1);
    C(1).LoanOutPlayer(id);
    C(0).LoanInPlayer(id);
    world.GetPlayer(id)->m_LoanClub = 1;
    world.GetPlayer(id)->m_LoanWeeks = 10;
    const uint16_t own = Sign(0, 1, 1, 3);
    ASSERT_EQ(C(1).GetPlayersOutsideSlots(), 1);
    C(0).EndOfSeason();
    EXPECT_EQ(C(0).FindSlotOfPlayer(id), -1);
    EXPECT_GE(C(1).FindSlotOfPlayer(id), 0);
    EXPECT_EQ(C(1).GetPlayersOutsideSlots(), 0);
    EXPECT_EQ(world.GetPlayer(id)->m_LoanClub, -1);
    EXPECT_TRUE(port.AskedText("are not prepared to extend his loan"));
    EXPECT_GE(C(0).FindSlotOfPlayer(own), 0);  // his own men stay
    // A borrowed man with a contract to run stays on loan.
    const uint16_t kept = Sign(2, 0, 3, 4);
    C(2).LoanOutPlayer(kept);
    C(0).LoanInPlayer(kept);
    world.GetPlayer(kept)->m_LoanClub = 2;
    world.GetPlayer(kept)->m_LoanWeeks = 10;
    C(0).EndOfSeason();
    EXPECT_GE(C(0).FindSlotOfPlayer(kept), 0);
    EXPECT_EQ(C(2).GetPlayersOutsideSlots(), 1);
}

TEST_F(SeasonEnd, ARetiringBorrowedPlayerLeavesNoLoanOpenAtHisClub) {
    const uint16_t id = Sign(1, 0, 2, 3);
    C(1).LoanOutPlayer(id);
    C(0).LoanInPlayer(id);
    world.GetPlayer(id)->m_LoanClub = 1;
    world.GetPlayer(id)->m_LoanWeeks = 10;
    world.GetPlayer(id)->Person().SetAge(36);
    world.GetPlayer(id)->Person().SetContractYears(1);
    world.GetPlayer(id)->Person().SetStatus(CPerson::kStatusRetiring);
    C(0).EndOfSeason();
    EXPECT_EQ(world.GetPlayer(id), nullptr);
    EXPECT_EQ(C(1).GetPlayersOutsideSlots(), 0);
}

TEST_F(SeasonEnd, ADeletedPlayerLeavesEveryClubList) {
    // He retires from the human club, whose other ten men stay.
    const int positions[11] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3};
    std::vector<uint16_t> eleven;
    for (int s = 0; s < 11; ++s) eleven.push_back(Sign(0, s, positions[s], 3));
    const uint16_t id = eleven[6];
    const uint16_t other = AddPlayer(2);
    for (int c : {5, 6}) {
        C(c).OfferTargets() = {other, id};
        C(c).LoanDeals() = {id};
    }
    CScout::Entry& e = C(5).Scouts()[0].Entries()[3];
    e.player = id;
    e.state = CScout::kDone;
    e.estimate = 70;
    C(6).TransferHistory(0).Add("Him", "Club 0", 1000.0, "Club 6", id);
    bool designated = false;
    for (uint32_t seed = 0; seed < 40 && !designated; ++seed) {
        platform::SeedRandom(seed);
        C(0).ChooseDesignatedPlayers();
        for (int i = 0; i < 4; ++i) designated |= C(0).GetDesignatedPlayer(i) == int32_t(id);
    }
    ASSERT_TRUE(designated);
    world.GetPlayer(id)->Person().SetAge(36);
    world.GetPlayer(id)->Person().SetStatus(CPerson::kStatusRetiring);
    world.GetPlayer(id)->Person().SetContractYears(1);
    C(0).EndOfSeason();
    ASSERT_EQ(world.GetPlayer(id), nullptr);
    for (int c : {5, 6}) {
        EXPECT_EQ(C(c).OfferTargets(), std::vector<uint32_t>{other}) << c;
        EXPECT_TRUE(C(c).LoanDeals().empty()) << c;
    }
    EXPECT_EQ(C(5).Scouts()[0].Entries()[3].state, CScout::kFree);
    EXPECT_EQ(C(5).Scouts()[0].GetEstimate(id), 0);
    EXPECT_EQ(C(6).TransferHistory(0).GetAt(0)->m_PlayerIndex, -1);
    EXPECT_EQ(C(6).TransferHistory(0).GetAt(0)->m_Player, "Him");
    for (int i = 0; i < 4; ++i) EXPECT_NE(C(0).GetDesignatedPlayer(i), int32_t(id)) << i;
    // The slot is reused by the next new player, who is nobody's target.
    EXPECT_EQ(world.GetPlayerList().AddNewPlayer(), id);
    EXPECT_FALSE(C(5).HasBidForPlayer(id));
}

TEST_F(SeasonEnd, ABlankClubOffersTheTermsOfItsStanding) {
    CClub blank;
    EXPECT_GT(blank.GetManagerWage(), 0.0);
    EXPECT_EQ(blank.GetManagerYears(), 4);
    EXPECT_GE(blank.GetManagerBonus(), 155);
    EXPECT_LE(blank.GetManagerBonus(), 170);
    EXPECT_EQ(blank.GetManager(), -1);
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(SeasonEnd, AHumanManagersExpiringContractIsPutToHimAtTheSeasonEnd) {
    ManagerOf(0).Person().SetContractYears(1);
    ManagerOf(0).Person().SetAge(40);
    port.AnswerNext(kAnswerYes);
    port.AnswerScreen(116, 1);  // the talks agree a new contract
    C(0).EndOfSeason();
    EXPECT_TRUE(port.AskedText("your contract with Club 0 has run out"));
    ASSERT_EQ(port.Screens().size(), 1u);
    EXPECT_TRUE(C(0).HasManager());
    EXPECT_EQ(C(0).GetManager(), User().GetManagerIndex());
    // With a year or more to run nobody asks.
    ScriptedUserPort quiet;
    ManagerOf(0).Person().SetContractYears(3);
    C(0).EndOfSeason();
    EXPECT_FALSE(quiet.AskedText("your contract with Club 0 has run out"));
    EXPECT_TRUE(quiet.Screens().empty());
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(SeasonEnd, SeasonEndsKeepEverySquadWhole) {
    platform::SeedRandom(11);
    for (int c = 0; c < 20; ++c)
        for (int i = 0; i < 16 + c % 8; ++i) {
            const uint16_t id = AddPlayer(i % 4);
            CPlayer& p = *world.GetPlayer(id);
            p.Person().SetAge(uint8_t(18 + (i * 7 + c) % 20));
            p.Person().SetContractYears(uint8_t((i + c) % 3));
            C(c).AddPlayerToSquad(id);
        }
    // A few loans between neighbours, the human club borrowing one.
    for (int c : {0, 3, 8, 12}) {
        const int lender = c + 1;
        const uint16_t id = C(lender).GetPlayerId(12);
        C(lender).LoanOutPlayer(id);
        C(c).LoanInPlayer(id);
        world.GetPlayer(id)->StartLoan(lender, 6);
    }
    for (int c = 0; c < 20; ++c) ManagerOf(c).Person().SetContractYears(uint8_t(1 + c % 3));
    for (int season = 0; season < 3; ++season) {
        for (int c = 0; c < 20; ++c) C(c).EndOfSeason();
        for (int c = 0; c < 20; ++c) C(c).StartNewSeason();
        std::set<uint16_t> seen;
        int away = 0, borrowed = 0;
        for (int c = 0; c < 20; ++c) {
            const CClub& club = C(c);
            EXPECT_LE(club.GetSquadSize(), uint32_t(kSquadSlots)) << c;
            away += club.GetPlayersOutsideSlots();
            for (int s = 0; s < kSquadSlots; ++s) {
                const uint16_t id = club.GetPlayerId(s);
                if (id == kEmptySlot) continue;
                ASSERT_NE(world.GetPlayer(id), nullptr) << "season " << season << " club " << c;
                EXPECT_TRUE(seen.insert(id).second) << "player " << id << " twice, season " << season;
                borrowed += world.GetPlayer(id)->m_LoanClub >= 0;
            }
            // A vacant post is the board's to fill; a held one is held by a manager of this club.
            if (club.HasManager()) {
                EXPECT_EQ(club.GetManagerObject()->GetClubIndex(), c) << "season " << season;
            }
        }
        EXPECT_EQ(away, borrowed) << "season " << season;
    }
}

}  // namespace
}  // namespace clubtest
