#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "clubs_world.h"
#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class Listing : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0)}));
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 22; ++i) L().GetAt(c)->AddPlayerToSquad(Settled(AddPlayer(i % 4)));
    }
    uint16_t Settled(uint16_t id) {
        CPlayer& p = *world.GetPlayer(id);
        p.Person().SetWeeksAtClub(20);
        p.Person().SetContractYears(3);
        return id;
    }
    CClub& Club() { return *L().GetAt(0); }
    CClubList& L() { return world.GetClubList(); }
    int CountListed(const CClub& club) {
        int n = 0;
        for (int s = 0; s < kSquadSlots; ++s)
            if (const CPlayer* p = club.PlayerInSlot(s)) n += p->IsListed();
        return n;
    }
    std::vector<std::string> CountryNews() {
        std::vector<std::string> out;
        CNewsList& news = Club().GetCountry()->GetNews();
        for (int i = 0; i < news.GetSize(); ++i) out.push_back(news.GetAt(i)->GetText());
        return out;
    }
    CHumanManager& User(int slot) { return *world.GetUserList().GetAt(slot); }
};

TEST_F(Listing, RandomListingPricesPlayersNearTheirFee) {
    // A fee is drawn within the player's band: take the band from many draws.
    std::map<uint16_t, std::pair<double, double>> band;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = Club().PlayerInSlot(s)) {
            auto& [low, high] = band[Club().GetPlayerId(s)] = {1e12, 0.0};
            for (int i = 0; i < 300; ++i) {
                const double fee = p->GetTransferFee(*Club().GetCountry());
                low = std::min(low, fee);
                high = std::max(high, fee);
            }
        }
    platform::SeedRandom(11);
    Club().TransferListRandomPlayers(4);
    const int listed = CountListed(Club());
    EXPECT_GE(listed, 1);
    EXPECT_LE(listed, 4);
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = Club().PlayerInSlot(s);
        if (!p || !p->IsListed()) continue;
        const auto [low, high] = band[Club().GetPlayerId(s)];
        ASSERT_GT(low, 0.0);
        EXPECT_GE(p->m_AskingPrice, low * 0.9 - 10000.0);
        EXPECT_LE(p->m_AskingPrice, high * 1.2 + 10000.0);
        EXPECT_EQ(p->Person().GetStatus(), CPerson::kStatusListed);
    }
}

// Who is never listed, and which clubs list no one.
TEST_F(Listing, RandomListingRefusals) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"human club", [this] { MakeUser(Club(), 0); }},
        {"18 available", [this] { for (int s = 0; s < 4; ++s) Injure(Club().GetPlayerId(s)); }},
        {"five listed or out of contract",
         [this] {
             for (int s = 0; s < 5; ++s) world.GetPlayer(Club().GetPlayerId(s))->Person().SetContractYears(0);
         }},
        {"nobody willing",
         [this] {
             for (int s = 0; s < kSquadSlots; ++s)
                 if (CPlayer* p = const_cast<CPlayer*>(Club().PlayerInSlot(s))) p->Person().SetWeeksAtClub(2);
         }},
        {"veterans",
         [this] {
             for (int s = 0; s < kSquadSlots; ++s)
                 if (CPlayer* p = const_cast<CPlayer*>(Club().PlayerInSlot(s))) p->Person().SetAge(34);
         }},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        c.arrange();
        for (int round = 0; round < 20; ++round) Club().TransferListRandomPlayers(7);
        EXPECT_EQ(CountListed(Club()), 0) << c.what;
    }
}

TEST_F(Listing, DelistingTakesOnlyThePositionOffTheList) {
    for (int s = 0; s < kSquadSlots; ++s)
        if (CPlayer* p = const_cast<CPlayer*>(Club().PlayerInSlot(s))) p->m_AskingPrice = 5000.0;
    Club().DelistPlayersInPosition(1);
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = Club().PlayerInSlot(s)) {
            EXPECT_EQ(p->IsListed(), p->GetPosition() != 1) << s;
        }
}

TEST_F(Listing, BidAndLoanListsHoldWorldIndexes) {
    const uint16_t a = L().GetAt(1)->GetPlayerId(3), b = L().GetAt(2)->GetPlayerId(4);
    EXPECT_EQ(Club().AddBidTarget(*world.GetPlayer(a)), 0);
    EXPECT_EQ(Club().AddBidTarget(*world.GetPlayer(b)), 1);
    EXPECT_EQ(Club().AddLoanTarget(*world.GetPlayer(b)), 0);
    EXPECT_EQ(Club().OfferTargets(), (std::vector<uint32_t>{a, b}));
    EXPECT_EQ(Club().LoanDeals(), (std::vector<uint32_t>{b}));
    CPlayer stranger;
    EXPECT_EQ(Club().AddLoanTarget(stranger), -1);
    EXPECT_EQ(Club().LoanDeals().size(), 1u);
    // A club that has bid for a player does not approach him again.
    EXPECT_FALSE(Club().ApproachForPlayer(a, 1));
}

// Approached staff are indexes into the current manager's country's market.
TEST_F(Listing, ApproachedEmployeesIndexTheCurrentCountrysMarket) {
    MakeUser(Club(), 0);
    ASSERT_TRUE(world.SetCurrentUser(0));
    CCountry& country = *Club().GetCountry();
    CBasicEmployee physio;
    physio.m_JobKind = CBasicEmployee::kHeadPhysio;
    const int before = country.GetStaffMarket()->GetSize();
    country.AddAvailableEmployee(physio);
    country.AddAvailableEmployee(physio);
    EXPECT_EQ(Club().AddApproachedEmployee(*country.GetAvailableEmployee(before + 1)), 0);
    EXPECT_EQ(Club().ApproachedEmployees(), (std::vector<uint32_t>{uint32_t(before + 1)}));
    const CAvailableEmployee stranger;
    EXPECT_EQ(Club().AddApproachedEmployee(stranger), -1);
    EXPECT_EQ(Club().ApproachedEmployees().size(), 1u);
}

class Requests : public Listing {
protected:
    void SetUp() override {
        Listing::SetUp();
        MakeUser(Club(), 0);
        id = Club().GetPlayerId(14);
    }
    CPlayer& P() { return *world.GetPlayer(id); }
    uint16_t id = 0;
};

TEST_F(Requests, RefusedRequestUnsettlesThePlayer) {
    P().Person().SetMorale(50);
    ScriptedUserPort port;
    port.AnswerNext(6);  // "Refuse"
    Club().HandleTransferRequest(id, &P());
    ASSERT_EQ(port.Boxes().size(), 2u);
    EXPECT_EQ(port.Boxes()[0].buttons, (std::vector<std::string>{"Refuse", "Player Info.", "List Player"}));
    EXPECT_NE(port.Boxes()[0].text.find("is unhappy at the club and requests a transfer"), std::string::npos);
    EXPECT_NE(port.Boxes()[1].text.find(P().GetName()), std::string::npos);
    EXPECT_EQ(P().Person().GetMorale(), 35);
    EXPECT_FALSE(P().IsListed());
    EXPECT_TRUE(CountryNews().empty());
}

TEST_F(Requests, PlayerInfoThenListing) {
    ScriptedUserPort port;
    port.AnswerNext(7);  // "Player Info."
    port.AnswerNext(2);  // "List Player"
    Club().HandleTransferRequest(id, &P());
    ASSERT_EQ(port.Screens().size(), 1u);
    EXPECT_EQ(port.Screens()[0].screen, 60);
    EXPECT_EQ(port.Screens()[0].object, &P());
    EXPECT_EQ(port.Boxes().size(), 2u);
    EXPECT_GT(P().m_AskingPrice, 0.0);
    const auto news = CountryNews();
    ASSERT_EQ(news.size(), 1u);
    EXPECT_NE(news[0].find(P().GetName()), std::string::npos);
    EXPECT_TRUE(news[0].find("own request") != std::string::npos ||
                news[0].find("lack of first team football") != std::string::npos);
}

// A player nobody would pay for: the board suggests a free transfer.
TEST_F(Requests, FreeTransferQuestion) {
    for (int agree : {kAnswerYes, kAnswerNo}) {
        TearDown();
        SetUp();
        P().Person().SetContractYears(0);  // out of contract at 25: no fee
        P().Person().SetWeeklyWage(100.0);
        const double before = Club().GetBankBalance();
        ScriptedUserPort port;
        port.AnswerNext(2);
        port.AnswerNext(agree);
        Club().HandleTransferRequest(id, &P());
        EXPECT_TRUE(port.AskedText("The board suggest that you offer a free transfer to " + P().GetName()));
        if (agree == kAnswerYes) {
            EXPECT_LT(Club().FindSlotOfPlayer(id), 0);
            const auto news = CountryNews();
            ASSERT_EQ(news.size(), 1u);
            EXPECT_NE(news[0].find("has been released on a free transfer"), std::string::npos);
            // Nothing is owed on an ended contrac
            EXPECT_DOUBLE_EQ(Club().GetBankBalance(), before);
        } else {
            EXPECT_GE(Club().FindSlotOfPlayer(id), 0);
            EXPECT_FALSE(P().IsListed());
            EXPECT_EQ(P().Person().GetStatus(), 0);
            EXPECT_TRUE(CountryNews().empty());
        }
    }
}

TEST_F(Requests, ReleaseWithWagesLeftPaysThemAsBooked) {
    // A veteran retires on release; his wages are paid off all the same.
    P().Person().SetAge(36);
    P().Person().SetContractYears(4);
    P().Person().SetWeeklyWage(100.0);
    const double wages = P().GetRemainingWages();
    ASSERT_GT(wages, 0.0);
    const double before = Club().GetBankBalance();
    Club().ReleasePlayer(id, wages);
    EXPECT_LT(Club().FindSlotOfPlayer(id), 0);
    EXPECT_DOUBLE_EQ(Club().GetBankBalance(), before - wages);
    EXPECT_DOUBLE_EQ(Club().GetAccounts()->GetWeekFigure(kGeneralExpenditure), wages);
}

TEST_F(Requests, NoRequestIsHeardWithTooFewPlayers) {
    for (int s = 0; s < 4; ++s) Injure(Club().GetPlayerId(s));  // 18 available
    ScriptedUserPort port;
    Club().HandleTransferRequest(id, &P());
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_FALSE(P().IsListed());
}

TEST_F(Requests, ComputerClubAlmostNeverGrantsARequest) {
    CClub& other = *L().GetAt(1);
    const uint16_t pid = other.GetPlayerId(14);
    ScriptedUserPort port;
    platform::SeedRandom(3);
    for (int i = 0; i < 200; ++i) other.HandleTransferRequest(pid, world.GetPlayer(pid));
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_FALSE(world.GetPlayer(pid)->IsListed());
}

// The reactions to a refused request name the player; the request's own
// texts are the game's.
TEST(TransferRequestTexts, ReactionsAndQuestions) {
    for (unsigned id : {123u, 124u, 125u, 126u, 127u, 129u, 130u}) {
        ASSERT_TRUE(platform::HasString(id)) << id;
        EXPECT_NE(platform::FormatMessageId(id, {"J. Smith"}).find("J. Smith"), std::string::npos) << id;
    }
    EXPECT_EQ(platform::LoadString(133), "Refuse");
    EXPECT_EQ(platform::LoadString(577), "List Player");
    EXPECT_EQ(platform::FormatMessageId(137, {"Harwick Albion", "J. Smith"}),
              "(Harwick Albion) J. Smith has been released on a free transfer.");
    EXPECT_EQ(platform::FormatMessageId(136, {"J. Smith"}),
              "The board suggest that you offer a free transfer to J. Smith. Do you agree?");
}

}  // namespace
}  // namespace clubtest
