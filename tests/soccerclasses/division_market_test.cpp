#include <gtest/gtest.h>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Four clubs in the followed country's division, one in the other's. (The
// division's random pick reaches its last club only on the generator's
// top value, so three clubs can take part.)
class Market : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs(
            {Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0), Record("Ashby Vale", 0),
             Record("Port Ellis", 1)}));
        world.GetDivisionList().GetAt(0)->SetClubRange(0, 4);
        world.GetDivisionList().GetAt(1)->SetClubRange(4, 1);
        for (int c = 0; c < 5; ++c)
            for (int i = 0; i < 22; ++i) {
                const uint16_t id = AddPlayer(i % 4);
                world.GetPlayer(id)->Person().SetWeeksAtClub(20);
                world.GetPlayer(id)->Person().SetContractYears(3);
                L().GetAt(c)->AddPlayerToSquad(id);
            }
    }
    CClubList& L() { return world.GetClubList(); }
    CDivision& Home() { return *world.GetDivisionList().GetAt(0); }
    CDivision& Abroad() { return *world.GetDivisionList().GetAt(1); }
    int Listed(const CClub& club) {
        int n = 0;
        for (int s = 0; s < kSquadSlots; ++s)
            if (const CPlayer* p = club.PlayerInSlot(s)) n += p->IsListed();
        return n;
    }
};

TEST_F(Market, StockingFillsTheMarketToTwelve) {
    platform::SeedRandom(2);
    ASSERT_EQ(Home().CountListedOrUncontractedPlayers(), 0);
    Home().StockTransferMarket();
    EXPECT_GE(Home().CountListedOrUncontractedPlayers(), 12);
    // No club lists more than its share: five at most.
    for (int c = 0; c < 4; ++c) EXPECT_LE(Listed(*L().GetAt(c)), 5);
    EXPECT_EQ(Listed(*L().GetAt(4)), 0) << "another division";
}

TEST_F(Market, CountryPlayedByResultsOnlyIsNotStocked) {
    Abroad().StockTransferMarket();
    Abroad().StockTransferMarketOnly();
    EXPECT_EQ(Listed(*L().GetAt(4)), 0);
}

TEST_F(Market, HumanClubsListNoOne) {
    MakeHuman(*L().GetAt(0));
    Home().StockTransferMarketOnly();
    EXPECT_EQ(Listed(*L().GetAt(0)), 0);
    EXPECT_GT(Listed(*L().GetAt(1)) + Listed(*L().GetAt(2)), 0);
}

// Enough on the market already: nothing is added, whatever the draw.
TEST_F(Market, StockedMarketIsLeftAlone) {
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 5; ++s)
            if (CPlayer* p = L().GetAt(c)->GetPlayer(20 - s)) p->m_AskingPrice = 100000.0;
    ASSERT_EQ(Home().CountListedOrUncontractedPlayers(), 15);
    for (int i = 0; i < 30; ++i) Home().StockTransferMarket();
    EXPECT_EQ(Home().CountListedOrUncontractedPlayers(), 15);
}

// Only the full step reviews the clubs' lists: a club short of fit men
// takes its players off.
TEST_F(Market, ReviewTakesThinSquadsOffTheList) {
    CClub& thin = *L().GetAt(2);
    for (int s = 0; s < 3; ++s) thin.GetPlayer(s + 10)->m_AskingPrice = 50000.0;
    for (int s = 0; s < 5; ++s) Injure(thin.GetPlayerId(s));  // 17 available
    Home().StockTransferMarketOnly();
    EXPECT_EQ(Listed(thin), 3);
    Home().StockTransferMarket();
    EXPECT_EQ(Listed(thin), 0);
}

}  // namespace
}  // namespace clubtest
