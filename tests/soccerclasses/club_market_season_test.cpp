#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Six computer clubs and one human club in the followed country trade for
// a season: listings, searches, repairs, requests and the human club's
// offers. After every day no player stands in two slots, no squad passes
// 30, and each balance has moved only by what was booked.
TEST_F(ClubWorld, ASeasonOfTheTransferMarket) {
    std::vector<ClubFileRecord> records;
    for (int i = 0; i < 7; ++i) records.push_back(Record("Club " + std::to_string(i), 0, uint8_t(i % 4)));
    world.GetClubList().ReadFile(WriteClubs(records));
    world.GetCountryList().GetAt(1)->AddDivision(0);
    CDivision& division = *world.GetDivisionList().GetAt(0);
    division.SetClubRange(0, 7);
    division.SetAbroadSearchPercent(10);
    for (int r = 0; r < world.GetPopularityList().GetSize(); ++r) {
        world.GetPopularityList().GetAt(r)->m_TransferFigure = 1e9;
        world.GetPopularityList().GetAt(r)->m_LevelByte = 99;
    }
    CClubList& clubs = world.GetClubList();
    for (int c = 0; c < clubs.GetRealCount(); ++c) {
        for (int i = 0; i < 19 + c; ++i) {
            const uint16_t id = AddPlayer(i % 4);
            CPlayer& p = *world.GetPlayer(id);
            p.Person().SetWeeksAtClub(20);
            p.Person().SetContractYears(uint8_t(i % 5 == 0 ? 0 : 1 + i % 3));
            p.Person().SetAge(uint8_t(20 + i % 15));
            clubs.GetAt(c)->AddPlayerToSquad(id);
        }
        clubs.GetAt(c)->SetBankBalance(c == 3 ? -200000.0 : 20000000.0);
    }
    CClub& human = *clubs.GetAt(6);
    MakeHuman(human);
    world.GetUserList().GetAt(0)->SetManagerIndex(human.GetManager());

    struct Money {
        double balance, booked, loan;
    };
    auto money = [](const CClub& c) {
        const CAccountsItemList& a = *c.GetAccounts();
        return Money{c.GetBankBalance(),
                     a.GetSeasonFigure(kTransferIncome) - a.GetSeasonFigure(kTransferExpenditure) -
                         a.GetSeasonFigure(kGeneralExpenditure),
                     c.GetLoan()};
    };
    ScriptedUserPort port;
    platform::SeedRandom(77);
    int moves = 0;
    for (int day = 0; day < 120; ++day) {
        std::vector<Money> before;
        std::map<uint16_t, int> clubOf;
        for (int c = 0; c < clubs.GetRealCount(); ++c) {
            before.push_back(money(*clubs.GetAt(c)));
            for (int s = 0; s < kSquadSlots; ++s) clubOf[clubs.GetAt(c)->GetPlayerId(s)] = c;
        }
        for (int i = 0; i < 3; ++i) port.AnswerNext(::Random(4) == 0 ? 6 : 2);
        if (day % 7 == 0) division.StockTransferMarket();
        for (int c = 0; c < clubs.GetRealCount(); ++c) {
            CClub& club = *clubs.GetAt(c);
            club.SearchForTransferTarget(::Random(4));
            if (day % 5 == c % 5) club.RepairPositionShortfalls();
            if (CPlayer* p = club.GetPlayer(::Random(29)); p && day % 3 == 0)
                club.HandleTransferRequest(uint16_t(world.GetPlayerList().FindIndex(p)), p);
        }
        human.ComputerTransferActivity();
        if (day % 30 == 29)
            for (int c = 0; c < clubs.GetRealCount(); ++c)
                for (int s = 0; s < kSquadSlots; ++s)
                    if (CPlayer* p = clubs.GetAt(c)->GetPlayer(s)) p->Person().SetWeeksAtClub(20);

        std::set<uint16_t> seen;
        for (int c = 0; c < clubs.GetRealCount(); ++c) {
            const CClub& club = *clubs.GetAt(c);
            EXPECT_LE(club.GetSquadSize(), uint32_t(kSquadSlots)) << club.GetName() << " day " << day;
            for (int s = 0; s < kSquadSlots; ++s) {
                const uint16_t id = club.GetPlayerId(s);
                if (id == kEmptySlot) continue;
                EXPECT_NE(world.GetPlayer(id), nullptr) << "day " << day;
                EXPECT_TRUE(seen.insert(id).second) << "player " << id << " twice on day " << day;
                if (clubOf.count(id) && clubOf[id] != c) ++moves;
            }
            const Money now = money(club);
            const Money& was = before[size_t(c)];
            EXPECT_NEAR(now.balance - was.balance, (now.booked - was.booked) + (now.loan - was.loan),
                        1e-6 * std::max(1.0, std::abs(now.balance)))
                << club.GetName() << " day " << day;
        }
    }
    EXPECT_GT(moves, 5);
}

}  // namespace
}  // namespace clubtest
