#include <gtest/gtest.h>

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

class Transfers : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0)}));
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 22; ++i) L().GetAt(c)->AddPlayerToSquad(AddPlayer(i % 4));
    }
    CClub& Seller() { return *L().GetAt(0); }
    CClub& Buyer() { return *L().GetAt(1); }
    CClubList& L() { return world.GetClubList(); }
};

TEST_F(Transfers, CompletedTransferMovesThePlayerAndTheMoney) {
    const uint16_t id = Seller().GetPlayerId(5);
    Seller().SetBankBalance(0);
    Buyer().SetBankBalance(5000000);
    CContractOffer offer;
    Seller().CompleteTransfer(id, *world.GetPlayer(id), 1000000.0, Buyer(), offer, false);
    EXPECT_EQ(SlotsHolding(id), 1);
    EXPECT_GE(Buyer().FindSlotOfPlayer(id), 0);
    EXPECT_LT(Seller().FindSlotOfPlayer(id), 0);
    EXPECT_DOUBLE_EQ(Seller().GetBankBalance(), 670000.0);
    EXPECT_DOUBLE_EQ(Seller().GetAccounts()->GetWeekFigure(kTransferIncome), 670000.0);
    EXPECT_DOUBLE_EQ(Buyer().GetBankBalance(), 5000000 - 1000000.0 - offer.m_SigningOnFee - offer.m_Relocation);
    EXPECT_DOUBLE_EQ(Buyer().GetAccounts()->GetWeekFigure(kTransferExpenditure), 1000000.0);
    EXPECT_EQ(Buyer().Records().GetRecordFeePaid(), 1000000.0);
    EXPECT_EQ(Seller().Records().GetRecordFeeReceived(), 1000000.0);
    // The logs name the club he left and the club he joined.
    const CTransferHistory& out = *Seller().TransferHistory(1).GetAt(0);
    EXPECT_EQ(out.m_FromClub, "Harwick Albion");
    EXPECT_EQ(out.m_ToClub, "Harwick Town");
    EXPECT_EQ(out.m_PlayerIndex, id);
    const CTransferHistory& in = *Buyer().TransferHistory(0).GetAt(0);
    EXPECT_EQ(in.m_FromClub, "Harwick Albion");
    EXPECT_EQ(in.m_ToClub, "Harwick Town");
}

TEST_F(Transfers, SellOnClauseHolderGetsItsShareAndTheClauseGoes) {
    const uint16_t id = Seller().GetPlayerId(3);
    CClub& holder = *L().GetAt(2);
    holder.SetBankBalance(0);
    world.GetContractClauseList().Add(id, 20, 2);
    CContractOffer offer;
    Seller().CompleteTransfer(id, *world.GetPlayer(id), 1000000.0, Buyer(), offer, false);
    EXPECT_DOUBLE_EQ(holder.GetBankBalance(), 0.67 * 200000.0);
    EXPECT_EQ(world.GetContractClauseList().Find(id), nullptr);
}

TEST_F(Transfers, FreeTransferBooksNothing) {
    const uint16_t id = Seller().GetPlayerId(7);
    const double before = Seller().GetBankBalance();
    CContractOffer offer;
    Seller().CompleteTransfer(id, *world.GetPlayer(id), 0.0, Buyer(), offer, true);
    EXPECT_EQ(Seller().GetBankBalance(), before);
    EXPECT_EQ(Seller().GetAccounts()->GetWeekFigure(kTransferIncome), 0.0);
    EXPECT_EQ(SlotsHolding(id), 1);
}

// A club whose squad is full takes no one, not even a free agent.
TEST_F(Transfers, FullSquadApproachesNoOne) {
    while (Buyer().GetSquadSize() < kSquadSlots) Buyer().AddPlayerToSquad(AddPlayer(2));
    const uint16_t id = Seller().GetPlayerId(4);
    world.GetPlayer(id)->Person().SetContractYears(0);  // a free agent
    EXPECT_FALSE(Buyer().ApproachForPlayer(id, 0));
    EXPECT_GE(Seller().FindSlotOfPlayer(id), 0);
    EXPECT_EQ(Buyer().GetSquadSize(), uint32_t(kSquadSlots));
}

TEST_F(Transfers, FreeAgentMovesAtOnce) {
    const uint16_t id = Seller().GetPlayerId(4);
    world.GetPlayer(id)->Person().SetContractYears(0);
    world.GetPlayer(id)->Person().SetWeeksAtClub(20);
    EXPECT_TRUE(Buyer().ApproachForPlayer(id, 0));
    EXPECT_GE(Buyer().FindSlotOfPlayer(id), 0);
    EXPECT_EQ(SlotsHolding(id), 1);
}

// The bid box's buttons answer as their labels say.
TEST_F(Transfers, BidBoxButtonsAnswerAsLabelled) {
    MakeUser(Seller(), 0);
    const uint16_t id = Seller().GetPlayerId(6);
    const int kAnswers[4] = {6, 7, 2, 9};
    struct Case {
        const char* label;
        bool accepted;
    };
    for (const Case& c : {Case{"Accept Offer", true}, Case{"Reject Offer", false}}) {
        ScriptedUserPort port;
        // Find the button first, then answer as pressing it would.
        port.AnswerNext(2);  // "Player Info." opens the person screen and asks again
        const bool first = Seller().MakeBid(*world.GetPlayer(id), 500000.0, Buyer(), 0);
        (void)first;
        ASSERT_GE(port.Boxes().size(), 2u);
        const auto& buttons = port.Boxes()[0].buttons;
        ASSERT_EQ(buttons.size(), 4u);
        EXPECT_EQ(port.Screens().at(0).screen, 60);
        int index = -1;
        for (int b = 0; b < 4; ++b)
            if (buttons[size_t(b)] == c.label) index = b;
        ASSERT_GE(index, 0) << c.label;
        ScriptedUserPort again;
        again.AnswerNext(kAnswers[index]);
        EXPECT_EQ(Seller().MakeBid(*world.GetPlayer(id), 500000.0, Buyer(), 0), c.accepted) << c.label;
    }
    // Escape gives the box's second answer: the bid is rejected.
    ScriptedUserPort escape;
    escape.AnswerNext(7);
    EXPECT_FALSE(Seller().MakeBid(*world.GetPlayer(id), 500000.0, Buyer(), 0));
    EXPECT_EQ(escape.Boxes()[0].buttons[1], "Reject Offer");
}

TEST_F(Transfers, NegotiationScreenDecidesANegotiatedBid) {
    MakeUser(Seller(), 1);
    const uint16_t id = Seller().GetPlayerId(6);
    ScriptedUserPort port;
    port.AnswerNext(9);
    port.AnswerScreen(23, 1);
    EXPECT_TRUE(Seller().MakeBid(*world.GetPlayer(id), 500000.0, Buyer(), 10));
    EXPECT_EQ(port.Screens().back().screen, 23);
    EXPECT_NE(port.Boxes()[0].text.find("10% sell on clause"), std::string::npos);
}

// The sell-on table's ten entries hold even on the generator's top draw.
TEST_F(Transfers, SellOnDemandStaysInItsTable) {
    const CPlayer& p = *world.GetPlayer(Seller().GetPlayerId(1));
    platform::SetRandomState(4028364353u);  // the next draw is 32767
    EXPECT_EQ(Seller().GetSellOnDemand(p, true), 20);
    for (int i = 0; i < 200; ++i) {
        const int d = Seller().GetSellOnDemand(p, true);
        EXPECT_TRUE(d == 5 || d == 10 || d == 15 || d == 20) << d;
    }
    MakeHuman(Seller());
    EXPECT_EQ(Seller().GetSellOnDemand(p, false), 0);
}

TEST_F(Transfers, WantsPlayerComparesWithTheAverageOfHisPosition) {
    CClub& club = *L().GetAt(2);
    for (int s = 0; s < kSquadSlots; ++s) {
        const uint16_t id = club.GetPlayerId(s);
        if (id != kEmptySlot && world.GetPlayer(id)->GetPosition() == 1) SetAbility(id, 70);
    }
    club.SetBankBalance(1e9);
    const uint16_t weaker = AddPlayer(1);
    SetAbility(weaker, 69);
    EXPECT_FALSE(club.WantsPlayer(*world.GetPlayer(weaker), 1000.0));
    SetAbility(weaker, 70);
    EXPECT_TRUE(club.WantsPlayer(*world.GetPlayer(weaker), 1000.0));
    club.SetBankBalance(100.0);
    EXPECT_FALSE(club.WantsPlayer(*world.GetPlayer(weaker), 1000.0));
}

TEST_F(Transfers, ComputerSellerKeepsTooSmallASquad) {
    CClub& small = *L().GetAt(2);
    while (small.CountAvailablePlayers() >= 18) small.RemoveFromSquad(0);
    const uint16_t id = small.GetPlayerId(1);
    EXPECT_FALSE(small.MakeBid(*world.GetPlayer(id), 1e9, Buyer(), 0));
}

}  // namespace
}  // namespace clubtest
