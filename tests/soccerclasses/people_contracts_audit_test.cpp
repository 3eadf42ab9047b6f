// A player's willingness to move and to renew, the board's price bounds,
// the age chances and the managers' wage levels.
#include <gtest/gtest.h>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class PlayerDealings : public PeopleWorld {
protected:
    CPlayer& Make(int age, int position = 2) {
        const uint16_t id = AddPlayer(position, 1000);
        CPlayer& p = *world.GetPlayer(id);
        p.m_Football.Generate(age, static_cast<uint8_t>(position), 60);
        p.m_Person.Set("T", "Dealer", static_cast<uint8_t>(age), 1);
        p.m_Person.SetContractYears(2);
        p.m_Person.SetWeeksAtClub(20);
        Club().AddPlayerToSquad(id);
        return p;
    }
};

TEST_F(PlayerDealings, FourThingsKeepAPlayerWhereHeIs) {
    CPlayer& base = Make(25);
    ASSERT_TRUE(base.IsWillingToMove());
    struct Case {
        const char* what;
        void (*change)(CPlayer&);
    } cases[] = {
        {"five weeks at the club", [](CPlayer& p) { p.m_Person.SetWeeksAtClub(5); }},
        {"retiring", [](CPlayer& p) { p.m_Person.SetStatus(CPerson::kStatusRetiring); }},
        {"on loan", [](CPlayer& p) { p.m_LoanWeeks = 3; }},
    };
    for (const Case& k : cases) {
        CPlayer& p = Make(25);
        k.change(p);
        EXPECT_FALSE(p.IsWillingToMove()) << k.what;
    }
    CPlayer& hurt = Make(25);
    Injure(static_cast<uint16_t>(world.FindPlayerIndex(&hurt)));
    EXPECT_FALSE(hurt.IsWillingToMove());
    // Six weeks are enough.
    CPlayer& settled = Make(25);
    settled.m_Person.SetWeeksAtClub(6);
    EXPECT_TRUE(settled.IsWillingToMove());
}

TEST_F(PlayerDealings, TheBoardListsWithinItsBounds) {
    ScriptedUserPort port;
    CPlayer& p = Make(25);
    const CCountry& country = *Club().GetCountry();
    EXPECT_FALSE(p.SetTransferPrice(2000000000, country));
    EXPECT_TRUE(port.AskedText("could get more than"));
    const double upper = p.m_AskingPrice;
    ASSERT_GT(upper, 0);
    ASSERT_LT(upper, 2000000000.0);
    EXPECT_EQ(p.m_Person.GetStatus(), CPerson::kStatusListed);

    EXPECT_FALSE(p.SetTransferPrice(1, country));
    EXPECT_TRUE(port.AskedText("will not let you sell"));
    const double lower = p.m_AskingPrice;
    ASSERT_GT(lower, 1);
    ASSERT_LT(lower, upper);

    const size_t boxes = port.Boxes().size();
    const int middle = static_cast<int>((lower + upper) / 2);
    EXPECT_TRUE(p.SetTransferPrice(middle, country));
    EXPECT_EQ(port.Boxes().size(), boxes);
    EXPECT_GE(p.m_AskingPrice, lower);
    EXPECT_LE(p.m_AskingPrice, upper);
    p.RemoveFromTransferList();
    EXPECT_EQ(p.m_AskingPrice, -1.0);
    EXPECT_EQ(p.m_WeeksListed, 0);
}

TEST_F(PlayerDealings, RenewalTalksNeedAPlayerWhoPlays) {
    MakeHuman(Club());
    ScriptedUserPort port;
    // Fewer club appearances than a tenth of his weeks at the club: no talks.
    CPlayer& unused = Make(28);
    unused.m_Person.SetWeeksAtClub(100);
    unused.m_ClubAppearances = 9;
    EXPECT_FALSE(unused.AskToRenewContract(Club()));
    EXPECT_EQ(unused.m_Person.GetStatus(), CPerson::kStatusNoTalks);
    EXPECT_TRUE(port.AskedText("does not want to negotiate a new contract"));
    // A regular mostly talks; now and then he still says no.
    int talks = 0;
    for (int k = 0; k < 200; ++k) {
        CPlayer& regular = Make(28);
        regular.m_Person.SetWeeksAtClub(100);
        regular.m_ClubAppearances = 10;
        talks += regular.AskToRenewContract(Club());
        Club().RemoveFromSquad(Club().FindSlotOfPlayer(static_cast<uint16_t>(world.FindPlayerIndex(&regular))));
    }
    EXPECT_GT(talks, 180);
}

TEST_F(PlayerDealings, YoungPlayersTakeChancesByAgeBand) {
    struct Case {
        int age;
        int low, high;  // per thousand
    } cases[] = {{17, 300, 410}, {20, 190, 290}, {25, 5, 30}, {27, 1000, 1000}, {35, 1000, 1000}};
    for (const Case& k : cases) {
        CPlayer& p = Make(k.age);
        int yes = 0;
        for (int i = 0; i < 4000; ++i) yes += p.AgeChanceTest();
        EXPECT_GE(yes / 4, k.low) << k.age;
        EXPECT_LE(yes / 4, k.high) << k.age;
    }
}

TEST_F(PlayerDealings, PayingOffAContractCostsTheRestOfItsWages) {
    CPlayer& p = Make(25);
    p.m_Person.SetWeeklyWage(1000);
    world.GetClock().Set(10, 20, 0, 1999, 9, 18);
    EXPECT_DOUBLE_EQ(p.GetRemainingWages(), (2 * 52 - 10) * 1000.0);
    std::string money;
    Club().GetCountry()->FormatMoney(money, 94000);
    const std::string text = p.GetPayOffText(*Club().GetCountry());
    EXPECT_NE(text.find("It will cost you " + money + " to pay off " + p.GetName() + "'s contract"), std::string::npos)
        << text;
    p.m_Person.SetContractYears(0);
    EXPECT_EQ(p.GetRemainingWages(), 0.0);
}

TEST_F(PlayerDealings, AContractsLastYearNeverCostsLessThanNothing) {
    CPlayer& p = Make(25);
    p.m_Person.SetWeeklyWage(1000);
    p.m_Person.SetContractYears(1);
    // The season's last week, and a clock not yet set (week 107): a release
    // there must not pay the club.
    for (int week : {52, 60, 107}) {
        world.GetClock().Set(week, 20, 0, 2000, 6, 27);
        EXPECT_EQ(p.GetRemainingWages(), 0.0) << week;
    }
    world.GetClock().Set(51, 20, 0, 2000, 6, 20);
    EXPECT_DOUBLE_EQ(p.GetRemainingWages(), 1000.0);
}

TEST_F(PlayerDealings, ContractMoneyAsTextAloneOrInAMessage) {
    CPerson person;
    person.Set("A", "Moneyman", 30, 1);
    person.SetWeeklyWage(100);
    person.SetContractYears(2);
    world.GetClock().Set(10, 20, 0, 1999, 9, 18);
    const CCountry& country = *Club().GetCountry();
    std::string full, capped;
    country.FormatMoney(full, 94 * 100);
    country.FormatMoney(capped, 4 * 100);
    EXPECT_EQ(person.FormatContractMoney(country, 0xFFFFFFFFu, false), full);
    EXPECT_EQ(person.FormatContractMoney(country, 0xFFFFFFFFu, true), capped);
    EXPECT_EQ(person.FormatContractMoney(country, 355, false),
              "It will cost you " + full + " to pay off " + person.GetName() + "'s contract. Are you sure you wish to proceed ?");
}

TEST(ManagerWage, LevelsFromFourFifthsOfTheWage) {
    struct Case {
        double weekly;
        int level;
    } cases[] = {{0, 0},      {624, 0},      {625, 1},      {1250, 2},     {2500, 3},    {5000, 4},
                 {8750, 5},   {13750, 6},    {20000, 7},    {27500, 8},    {37499, 8},   {37500, 9},
                 {1e6, 9}};
    for (const Case& k : cases) {
        CManager m;
        m.Person().SetWeeklyWage(k.weekly);
        EXPECT_EQ(m.GetWageLevel(), k.level) << k.weekly;
    }
}

}  // namespace
}  // namespace clubtest
