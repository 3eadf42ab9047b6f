#include <gtest/gtest.h>

#include <map>
#include <set>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class ClubDay : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0)}));
        MakeHuman(Club());
        world.GetUserList().GetAt(0)->SetManagerIndex(Club().GetManager());
    }
    CClub& Club() { return *world.GetClubList().GetAt(0); }
};

// With the loan at the base value there is nothing left to raise: the
// board refuses, and the loan and its term stay as they were.
TEST_F(ClubDay, BoardRefusesARescueLoanPastTheBaseValue) {
    const double v = Club().GetPopularity()->m_BaseValue;
    for (uint32_t seed = 0; seed < 20; ++seed) {
        platform::SeedRandom(seed);
        ScriptedUserPort port;
        Club().SetLoan(v);
        Club().SetWeekOpeningBalance(1000.0);
        Club().SetBankBalance(-10.0);
        Club().ProcessHumanFinances();
        EXPECT_EQ(Club().GetLoan(), v);
        EXPECT_EQ(Club().GetBankBalance(), -10.0);
        EXPECT_TRUE(port.AskedText("the board are not prepared to raise any more"));
        EXPECT_EQ(world.GetUserList().GetAt(0)->GetInbox().back().code, 120);
    }
}

TEST_F(ClubDay, BoardRaisesMoneyForAnOverdrawnClubWithoutALoan) {
    int granted = 0;
    for (uint32_t seed = 0; seed < 40; ++seed) {
        platform::SeedRandom(seed);
        ScriptedUserPort port;
        Club().SetLoan(0.0);
        Club().SetWeekOpeningBalance(1000.0);
        Club().SetBankBalance(-10.0);
        Club().ProcessHumanFinances();
        if (Club().GetLoan() > 0) {
            ++granted;
            EXPECT_GT(Club().GetBankBalance(), -10.0);
            EXPECT_EQ(Club().GetLoanWeeks(), 260);
            EXPECT_EQ(world.GetUserList().GetAt(0)->GetInbox().back().code, 121);
        }
    }
    EXPECT_GT(granted, 20);  // about four times in five
}

TEST_F(ClubDay, NeverPositiveOpeningBalanceIsNeverRescued) {
    ScriptedUserPort port;
    Club().SetWeekOpeningBalance(0.0);
    Club().SetBankBalance(-500.0);
    Club().ProcessHumanFinances();
    EXPECT_EQ(Club().GetLoan(), 0.0);
}

TEST_F(ClubDay, KeeperOrAttackerPickEnds) {
    CClub& other = *world.GetClubList().GetAt(1);
    EXPECT_EQ(other.GetRandomKeeperOrAttacker(), nullptr);  // an empty squad
    for (int i = 0; i < 5; ++i) other.AddPlayerToSquad(AddPlayer(1));
    const CPlayer* p = other.GetRandomKeeperOrAttacker();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetPosition(), 1);
}

// Computer clubs of a small world run a season of days; after every day no
// player stands twice, no squad passes 30, every slot names a player and
// every balance moved only by what the accounts and loans show.
TEST_F(ClubWorld, ASeasonOfDailyAndWeeklySteps) {
    std::vector<ClubFileRecord> records;
    for (int i = 0; i < 8; ++i) records.push_back(Record("Club " + std::to_string(i), 0, uint8_t(i % 4)));
    world.GetClubList().ReadFile(WriteClubs(records));
    // The clubs' search walks the country's divisions.
    world.GetCountryList().GetAt(1)->AddDivision(0);
    world.GetDivisionList().GetAt(0)->SetClubRange(0, 8);
    CClubList& clubs = world.GetClubList();
    for (int c = 0; c < clubs.GetRealCount(); ++c)
        for (int i = 0; i < 17 + c; ++i) clubs.GetAt(c)->AddPlayerToSquad(AddPlayer(i % 4));
    // Settled players, whom other clubs may approach.
    for (int i = 0; i < world.GetPlayerList().GetSize(); ++i)
        if (CPlayer* p = world.GetPlayer(i)) p->Person().SetWeeksAtClub(20);
    for (CPopularity* p : {world.GetPopularityList().GetAt(0), world.GetPopularityList().GetAt(1),
                           world.GetPopularityList().GetAt(2), world.GetPopularityList().GetAt(3)}) {
        p->m_TransferFigure = 1e9;
        p->m_SpendingFigure = 1.0;
    }
    struct Money {
        double balance, income, spending, loan;
    };
    auto money = [&](const CClub& c) {
        const CAccountsItemList& a = *c.GetAccounts();
        return Money{c.GetBankBalance(), a.GetSeasonFigure(kTransferIncome),
                     a.GetSeasonFigure(kTransferExpenditure) + a.GetSeasonFigure(kGeneralExpenditure), c.GetLoan()};
    };
    // The board's side of the season: two posts fall vacant, three managers
    // look for work, a few clubs keep a coach and the market offers more,
    // one club trails far behind and one player is out on loan.
    for (int c = 0; c < clubs.GetRealCount(); ++c) {
        CTableData& row = clubs.GetAt(c)->LeagueRow();
        row.m_HomePlayed = row.m_AwayPlayed = 6;
        row.m_Position = uint8_t(c);
        // Clubs 6 and 7 trail the safe place by far more than nine points.
        row.m_Points = uint8_t(c == 7 ? 5 : c == 6 ? 10 : 40 - 2 * c);
        if (CManager* m = clubs.GetAt(c)->GetManagerObject()) m->Person().SetWeeksAtClub(20);
    }
    clubs.GetAt(0)->ManagerLeaves(1);
    clubs.GetAt(1)->ManagerLeaves(1);
    for (int i = 0; i < 3; ++i) {
        const int m = world.GetManagerList().AddManager(*world.GetCountry(1));
        world.GetManagerList().GetAt(m)->Person().SetCountry(1);
    }
    for (int c = 2; c < 5; ++c) clubs.GetAt(c)->HireNewEmployee(CBasicEmployee::kHeadCoach);
    for (int i = 0; i < 3; ++i) {
        CBasicEmployee coach;
        coach.m_JobKind = CBasicEmployee::kHeadCoach;
        coach.Person().SetSurname("Trainer" + std::to_string(i));
        world.GetCountry(1)->AddAvailableEmployee(coach);
    }
    {
        const uint16_t lent = clubs.GetAt(5)->GetPlayerId(12);
        clubs.GetAt(5)->LoanOutPlayer(lent);
        clubs.GetAt(6)->LoanInPlayer(lent);
        world.GetPlayer(lent)->StartLoan(5, 3);
    }
    int moves = 0, managerChanges = 0;
    std::vector<int32_t> postHolders(size_t(clubs.GetRealCount()), -1);
    for (int day = 0; day < 100; ++day) {
        std::vector<Money> before;
        std::map<uint16_t, int> clubOf;
        for (int c = 0; c < clubs.GetRealCount(); ++c) before.push_back(money(*clubs.GetAt(c)));
        for (int c = 0; c < clubs.GetRealCount(); ++c)
            for (int s = 0; s < kSquadSlots; ++s) clubOf[clubs.GetAt(c)->GetPlayerId(s)] = c;
        clubs.ProcessDay();
        // A search of every club each day keeps transfers coming.
        for (int c = 0; c < clubs.GetRealCount(); ++c) clubs.GetAt(c)->SearchForTransferTarget(day % 4);
        if (day % 2 == 1)
            for (int c = 0; c < clubs.GetRealCount(); ++c) clubs.GetAt(c)->ProcessWeek(true);
        if (day % 7 == 0) Injure(clubs.GetAt(day % 8)->GetPlayerId(0));

        std::set<uint16_t> seen;
        std::set<int32_t> managers;
        int away = 0, borrowed = 0;
        for (int c = 0; c < clubs.GetRealCount(); ++c) {
            const CClub& club = *clubs.GetAt(c);
            // A post is vacant or held by a manager of this club alone.
            EXPECT_GE(club.GetManager(), -1);
            if (club.HasManager()) {
                const CManager* m = club.GetManagerObject();
                ASSERT_NE(m, nullptr) << club.GetName() << " day " << day;
                EXPECT_EQ(m->GetClubIndex(), c) << "day " << day;
                EXPECT_TRUE(managers.insert(club.GetManager()).second) << "day " << day;
            }
            managerChanges += postHolders[size_t(c)] != club.GetManager();
            postHolders[size_t(c)] = club.GetManager();
            away += club.GetPlayersOutsideSlots();
            for (int s = 0; s < kSquadSlots; ++s)
                if (const CPlayer* p = club.PlayerInSlot(s)) borrowed += p->m_LoanClub >= 0;
        }
        EXPECT_EQ(away, borrowed) << "day " << day;
        for (int c = 0; c < clubs.GetRealCount(); ++c) {
            const CClub& club = *clubs.GetAt(c);
            EXPECT_LE(club.GetSquadSize(), uint32_t(kSquadSlots));
            for (int s = 0; s < kSquadSlots; ++s) {
                const uint16_t id = club.GetPlayerId(s);
                if (id == kEmptySlot) continue;
                EXPECT_NE(world.GetPlayer(id), nullptr) << "day " << day;
                EXPECT_TRUE(seen.insert(id).second) << "player " << id << " twice on day " << day;
                if (clubOf.count(id) && clubOf[id] != c) ++moves;
            }
            const Money now = money(club);
            const Money& was = before[size_t(c)];
            EXPECT_NEAR(now.balance - was.balance,
                        (now.income - was.income) - (now.spending - was.spending) + (now.loan - was.loan),
                        1e-3 * std::max(1.0, std::abs(now.balance)))
                << club.GetName() << " day " << day;
        }
    }
    EXPECT_GT(moves, 0);
    // The vacant posts were filled, and the lent player went home.
    EXPECT_GT(managerChanges, 8 + 2);  // the first day's count, two appointments and more
    EXPECT_TRUE(clubs.GetAt(0)->HasManager());
    EXPECT_TRUE(clubs.GetAt(1)->HasManager());
    EXPECT_EQ(clubs.GetAt(5)->GetPlayersOutsideSlots(), 0);
}

}  // namespace
}  // namespace clubtest

