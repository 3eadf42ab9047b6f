#include <gtest/gtest.h>

#include <functional>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Clubs 0..2 at home (country 1), club 3 abroad (country 2).
class Signing : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs(
            {Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0), Record("Port Ellis", 1)}));
        for (int c = 0; c < 4; ++c) {
            for (int i = 0; i < 22; ++i) {
                const uint16_t id = AddPlayer(i % 4);
                world.GetPlayer(id)->Person().SetContractYears(3);
                L().GetAt(c)->AddPlayerToSquad(id);
            }
            L().GetAt(c)->SetBankBalance(10000000.0);
        }
        id = Seller().GetPlayerId(14);
        offer.m_WeeklyWage = 500.0;
        offer.m_Years = 3;
        offer.m_SigningOnFee = 20000.0;
        offer.m_Relocation = 5000.0;
    }
    CClub& Seller() { return *L().GetAt(0); }
    CClub& Buyer() { return *L().GetAt(1); }
    CClubList& L() { return world.GetClubList(); }
    std::vector<std::string> News(int country) {
        std::vector<std::string> out;
        CNewsList& news = world.GetCountryList().GetAt(country)->GetNews();
        for (int i = 0; i < news.GetSize(); ++i) out.push_back(news.GetAt(i)->GetText());
        return out;
    }
    uint16_t id = 0;
    CContractOffer offer;
};

// The human buyer signs first, then the seller completes the sale, as the
// player screens do it. The clause agreed in the talks must survive the
// sale and pay the seller when the player moves on.
TEST_F(Signing, HumanDealKeepsItsSellOnClause) {
    MakeUser(Buyer(), 0);
    ScriptedUserPort port;
    const std::string text = Buyer().SignPlayerFromHumanDeal(id, 1000000.0, &offer, Seller(), 15);
    EXPECT_EQ(text, world.GetPlayer(id)->GetName() + " has joined the club.");
    EXPECT_DOUBLE_EQ(Buyer().GetBankBalance(), 10000000.0 - 1000000.0 - 20000.0 - 5000.0);
    const auto& inbox = world.GetUserList().GetAt(0)->GetInbox();
    ASSERT_EQ(inbox.size(), 1u);
    EXPECT_EQ(inbox[0].code, 89);  // a club record
    EXPECT_EQ(world.GetPlayer(id)->Person().GetWeeklyWage(), 500.0);

    Seller().SellPlayer(id, 1000000.0, Buyer(), true, false);
    EXPECT_EQ(SlotsHolding(id), 1);
    EXPECT_GE(Buyer().FindSlotOfPlayer(id), 0);
    // The seller gets its fee, and no share of its own sale.
    EXPECT_DOUBLE_EQ(Seller().GetBankBalance(), 10000000.0 + 0.67 * 1000000.0);
    const CContractClause* clause = world.GetContractClauseList().Find(id);
    ASSERT_NE(clause, nullptr);
    EXPECT_EQ(clause->m_Club, 0u);
    EXPECT_EQ(clause->m_Percentage, 15);

    // The player moves on: the seller of the first deal takes 15%.
    CClub& third = *L().GetAt(2);
    Buyer().CompleteTransfer(id, *world.GetPlayer(id), 2000000.0, third, offer, false);
    EXPECT_DOUBLE_EQ(Seller().GetBankBalance(), 10000000.0 + 0.67 * 1000000.0 + 0.67 * 300000.0);
    EXPECT_EQ(world.GetContractClauseList().Find(id), nullptr);
    EXPECT_EQ(SlotsHolding(id), 1);
}

TEST_F(Signing, SecondSigningAtTheSameFeeIsNoRecord) {
    MakeUser(Buyer(), 0);
    ScriptedUserPort port;
    Buyer().SignPlayerFromHumanDeal(id, 800000.0, &offer, Seller(), 0);
    const uint16_t other = Seller().GetPlayerId(15);
    Buyer().SignPlayerFromHumanDeal(other, 800000.0, &offer, Seller(), 0);
    const auto& inbox = world.GetUserList().GetAt(0)->GetInbox();
    ASSERT_EQ(inbox.size(), 2u);
    EXPECT_EQ(inbox[0].code, 89);
    EXPECT_EQ(inbox[1].code, 87);
    EXPECT_EQ(world.GetContractClauseList().GetSize(), 0) << "no sell-on agreed";
}

TEST_F(Signing, DealWithoutTermsOrForAComputerClub) {
    const double before = Buyer().GetBankBalance();
    EXPECT_EQ(Buyer().SignPlayerFromHumanDeal(id, 800000.0, nullptr, Seller(), 0), "");
    EXPECT_EQ(Buyer().GetBankBalance(), before);
    EXPECT_LT(Buyer().FindSlotOfPlayer(id), 0);
    // A computer buyer signs, and gets no text.
    EXPECT_EQ(Buyer().SignPlayerFromHumanDeal(id, 800000.0, &offer, Seller(), 0), "");
    EXPECT_GE(Buyer().FindSlotOfPlayer(id), 0);
}

// A sale at home is the division's transfer story, by amount.
TEST_F(Signing, FeeStoryOfTheBuyersDivision) {
    const CNewsPaperEvents& events = world.GetDivisionList().GetAt(0)->m_NewsPaperEvents;
    Seller().CompleteTransfer(id, *world.GetPlayer(id), 500000.0, Buyer(), offer, false);
    EXPECT_EQ(events.m_TransferPlayer, id);
    EXPECT_EQ(events.m_TransferClub, 1);
    EXPECT_EQ(events.m_TransferAmount, 500000.0);
    // A cheaper one later does not replace it; a free one is no story.
    const uint16_t cheap = Seller().GetPlayerId(15), free1 = Seller().GetPlayerId(16);
    Seller().CompleteTransfer(cheap, *world.GetPlayer(cheap), 90000.0, *L().GetAt(2), offer, false);
    Seller().CompleteTransfer(free1, *world.GetPlayer(free1), 0.0, *L().GetAt(2), offer, false);
    EXPECT_EQ(events.m_TransferPlayer, id);
    const uint16_t dear = Seller().GetPlayerId(16);
    Seller().CompleteTransfer(dear, *world.GetPlayer(dear), 2000000.0, *L().GetAt(2), offer, false);
    EXPECT_EQ(events.m_TransferPlayer, dear);
    EXPECT_EQ(events.m_TransferClub, 2);
}

// A sale abroad is news in both countries, each with its own text.
TEST_F(Signing, SaleAbroadIsNewsInBothCountries) {
    CClub& abroad = *L().GetAt(3);
    Seller().CompleteTransfer(id, *world.GetPlayer(id), 500000.0, abroad, offer, false);
    const auto home = News(1), away = News(2);
    ASSERT_EQ(home.size(), 1u);
    ASSERT_EQ(away.size(), 1u);
    for (const auto& text : {home[0], away[0]}) {
        EXPECT_NE(text.find(world.GetPlayer(id)->GetName()), std::string::npos);
        EXPECT_NE(text.find("Port Ellis"), std::string::npos);
    }
    EXPECT_EQ(world.GetDivisionList().GetAt(0)->m_NewsPaperEvents.m_TransferPlayer,
              CNewsPaperEvents().m_TransferPlayer)
        << "no story for the seller's division";
    EXPECT_EQ(SlotsHolding(id), 1);
}

// Season counters start afresh in a new country only.
TEST_F(Signing, MoveAbroadStartsTheSeasonCountersAfresh) {
    CPlayer& p = *world.GetPlayer(id);
    p.m_SeasonAppearances = 7;
    const uint16_t other = Seller().GetPlayerId(15);
    world.GetPlayer(other)->m_SeasonAppearances = 7;
    Seller().CompleteTransfer(id, p, 100000.0, *L().GetAt(3), offer, false);
    Seller().CompleteTransfer(other, *world.GetPlayer(other), 100000.0, Buyer(), offer, false);
    EXPECT_EQ(p.m_SeasonAppearances, 0);
    EXPECT_EQ(p.m_LastSeasonAppearances, 7);
    EXPECT_EQ(world.GetPlayer(other)->m_SeasonAppearances, 7);
    // The newcomer's club counters start at his new club.
    EXPECT_EQ(p.Person().GetWeeksAtClub(), 0);
    EXPECT_FALSE(p.IsListed());
}

// A player who would not move is not approached: a newcomer, an injured
// man, a player on loan.
TEST_F(Signing, UnwillingPlayersAreNotApproached) {
    struct Case {
        const char* what;
        std::function<void(CPlayer&)> arrange;
    };
    const Case cases[] = {
        {"newcomer", [](CPlayer& p) { p.Person().SetWeeksAtClub(2); }},
        {"injured", [this](CPlayer&) { Injure(id); }},
        {"on loan", [](CPlayer& p) { p.StartLoan(2, 4); }},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CPlayer& p = *world.GetPlayer(id);
        p.Person().SetWeeksAtClub(20);
        p.Person().SetContractYears(0);  // a free agent, who would go at once
        c.arrange(p);
        EXPECT_FALSE(Buyer().ApproachForPlayer(id, 0)) << c.what;
        EXPECT_EQ(Seller().FindSlotOfPlayer(id), 14) << c.what;
    }
}

}  // namespace
}  // namespace clubtest
