#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// A port whose screens can act while they are open, as the real ones do
// when the user signs a player on them.
class NegotiationPort : public ScriptedUserPort {
public:
    std::map<int, std::function<void(void*)>> onScreen;
    int RunScreenModal(int screen, void* object, intptr_t v1, intptr_t v2, intptr_t v3) override {
        const int result = ScriptedUserPort::RunScreenModal(screen, object, v1, v2, v3);
        if (auto it = onScreen.find(screen); it != onScreen.end()) it->second(object);
        return result;
    }
    int Count(const std::string& fragment) const {
        int n = 0;
        for (const auto& b : Boxes()) n += b.text.find(fragment) != std::string::npos;
        return n;
    }
};

// Club 0 is the user's; clubs 1 and 2 sell.
class Negotiations : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Harwick Town", 0), Record("Lowbridge", 0)}));
        world.GetCountryList().GetAt(1)->AddDivision(0);
        world.GetCountryList().GetAt(2)->AddDivision(1);
        world.GetDivisionList().GetAt(0)->SetClubRange(0, 3);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 20; ++i) L().GetAt(c)->AddPlayerToSquad(AddPlayer(i % 4));
            L().GetAt(c)->SetBankBalance(1000000.0);
        }
        MakeUser(Own(), 0);
    }
    CClubList& L() { return world.GetClubList(); }
    CClub& Own() { return *L().GetAt(0); }
    CHumanManager& User() { return *world.GetUser(0); }
    CTransferNegotiationList& Bids() { return User().GetNegotiations(); }
    int Of(int club, int slot) { return L().GetAt(club)->GetPlayerId(slot); }
    std::string Name(int player) { return world.GetPlayer(player)->GetName(); }
};

TEST_F(Negotiations, StartingTalksTellsTheDayAndWaitsOneToThreeDays) {
    std::map<int, int> seen;
    for (int i = 0; i < 300; ++i) {
        std::string reply;
        User().StartNegotiation(reply, Of(1, 3), 5000, L().GetAt(1), 2);
        const CTransferNegotiation& bid = *Bids().GetAt(Bids().GetSize() - 1);
        ++seen[bid.m_Days];
        EXPECT_EQ(reply, Name(Of(1, 3)) + " will discuss personal terms on " + world.GetFutureDateText(bid.m_Days));
        EXPECT_EQ(bid.m_Club, 1);
        EXPECT_EQ(bid.m_Kind, 2);
        EXPECT_EQ(bid.m_Fee, 5000);
    }
    // Three days come only with the generator's top value.
    EXPECT_GT(seen[1], 100);
    EXPECT_GT(seen[2], 100);
    for (const auto& [days, n] : seen) EXPECT_TRUE(days >= 1 && days <= 3) << days;
    EXPECT_TRUE(User().IsNegotiatingForIndex(Of(1, 3)));
    EXPECT_TRUE(User().IsNegotiatingFor(world.GetPlayer(Of(1, 3))));
    EXPECT_FALSE(User().IsNegotiatingFor(world.GetPlayer(Of(1, 4))));
    User().MarkPlayer(Of(2, 0));
    EXPECT_TRUE(User().IsMarked(Of(2, 0)));
    User().ClearNegotiations();
    EXPECT_EQ(Bids().GetSize(), 0);
    EXPECT_FALSE(User().IsMarked(Of(2, 0)));
}

TEST_F(Negotiations, ABidIsDecidedOnTheDayItsWaitEndsAndThenRemoved) {
    NegotiationPort port;
    Bids().Add(Of(1, 3), 5000, 1, 0, 1);
    Bids().Add(Of(1, 4), 5000, 1, 0, 2);
    port.AnswerNext(kAnswerNo);  // break off
    Bids().ProcessAll(Own());
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].text, Own().GetManagerObject()->GetName() +
                                        " - do you wish to proceed and negotiate a contract for " + Name(Of(1, 3)) +
                                        " from Harwick Town for " + Own().FormatMoney(5000) + "?");
    ASSERT_EQ(port.Boxes()[0].buttons.size(), 3u);
    EXPECT_EQ(port.Boxes()[0].buttons[0], "Negotiate");
    EXPECT_EQ(port.Boxes()[0].buttons[1], "Break off");
    EXPECT_EQ(port.Boxes()[0].buttons[2], "Player Info.");
    EXPECT_EQ(port.Boxes()[0].person, &world.GetPlayer(Of(1, 3))->Person());
    ASSERT_EQ(Bids().GetSize(), 1);
    EXPECT_EQ(Bids().GetAt(0)->m_Player, Of(1, 4));
    EXPECT_EQ(Bids().GetAt(0)->m_Days, 1);
    EXPECT_TRUE(port.Screens().empty());
}

// The day's outcome by squad size, funds and the user's answers.
TEST_F(Negotiations, TheDecisionFollowsSquadFundsAndAnswers) {
    struct Case {
        const char* what;
        int squadExtra;
        double balance;
        std::vector<int> answers;
        const char* text;
        std::vector<int> screens;
    };
    const Case cases[] = {
        {"a full squad ends the deal, funds or not", 10, 1e9, {}, "you have no room in your squad for", {}},
        {"a fee equal to the balance passes", 0, 5000, {kAnswerNo}, "do you wish to proceed", {}},
        {"a fee above the balance is blocked", 0, 4999, {}, "The board have blocked your bid", {}},
        {"player information twice, then break off", 0, 5000, {2, 2, kAnswerNo}, "do you wish to proceed", {60, 60}},
        {"negotiate opens the talks with the fee", 0, 5000, {kAnswerYes}, "do you wish to proceed", {62}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NegotiationPort port;
        for (int i = 0; i < c.squadExtra; ++i) Own().AddPlayerToSquad(AddPlayer(1));
        Own().SetBankBalance(c.balance);
        Bids().Add(Of(1, 3), 5000, 1, 0, 1);
        for (int a : c.answers) port.AnswerNext(a);
        Bids().ProcessAll(Own());
        EXPECT_EQ(port.Boxes().size(), std::max<size_t>(1, c.answers.size()));
        for (const auto& box : port.Boxes()) EXPECT_NE(box.text.find(c.text), std::string::npos) << box.text;
        ASSERT_EQ(port.Screens().size(), c.screens.size());
        for (size_t i = 0; i < c.screens.size(); ++i) {
            EXPECT_EQ(port.Screens()[i].screen, c.screens[i]);
            EXPECT_EQ(port.Screens()[i].object, world.GetPlayer(Of(1, 3)));
            if (c.screens[i] == 62) {
                EXPECT_EQ(port.Screens()[i].value1, 5000);
            }
        }
        EXPECT_EQ(Bids().GetSize(), 0);
        while (Own().GetSquadSize() > 20) Own().RemoveFromSquad(20);
    }
}

TEST_F(Negotiations, ABidForAPlayerWhoNoLongerExistsGoesSilently) {
    ScriptedUserPort port;
    Bids().Add(world.GetPlayerList().GetSize() + 5, 5000, 1, 0, 1);
    Bids().ProcessAll(Own());
    EXPECT_TRUE(port.Boxes().empty());
    EXPECT_EQ(Bids().GetSize(), 0);
}

TEST_F(Negotiations, ASigningElsewhereEndsEveryBidForThePlayerWithOneMessage) {
    NegotiationPort port;
    Bids().Add(Of(1, 3), 5000, 1, 0, 2);
    Bids().Add(Of(1, 5), 5000, 1, 0, 2);
    Bids().Add(Of(1, 3), 7000, 1, 0, 3);
    world.GetUserList().CancelNegotiationsForPlayer(Of(1, 3), L().GetAt(2));
    ASSERT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(port.Boxes()[0].text,
              Own().GetManagerObject()->GetName() + " - " + Name(Of(1, 3)) + " has signed for Lowbridge.");
    EXPECT_EQ(port.Boxes()[0].person, &Own().GetManagerObject()->Person());
    ASSERT_EQ(Bids().GetSize(), 1);
    EXPECT_EQ(Bids().GetAt(0)->m_Player, Of(1, 5));
    // Signed by the user's own club: nothing happens.
    world.GetUserList().CancelNegotiationsForPlayer(Of(1, 5), &Own());
    EXPECT_EQ(port.Boxes().size(), 1u);
    EXPECT_EQ(Bids().GetSize(), 1);
}

TEST_F(Negotiations, ClubsThatSwapPlacesSwapInTheBids) {
    Bids().Add(Of(1, 3), 5000, 4, 0, 2);
    Bids().Add(Of(1, 4), 5000, 9, 0, 2);
    Bids().Add(Of(1, 5), 5000, 1, 0, 2);
    world.GetUserList().SwapClubIndexes(4, 9);
    EXPECT_EQ(Bids().GetAt(0)->m_Club, 9);
    EXPECT_EQ(Bids().GetAt(1)->m_Club, 4);
    EXPECT_EQ(Bids().GetAt(2)->m_Club, 1);
    // The club list's own swap reaches the bids.
    Bids().Add(Of(1, 6), 5000, 2, 0, 2);
    L().SwapClubs(1, 2);
    EXPECT_EQ(Bids().GetAt(2)->m_Club, 2);
    EXPECT_EQ(Bids().GetAt(3)->m_Club, 1);
}

// While the talks with one player are on screen, the user signs him (the
// screen's deal cancels the bids of a rival's user too) and makes a new bid.
TEST_F(Negotiations, BidsChangedDuringTheTalksAreDecidedOnceAndNewOnesWait) {
    NegotiationPort port;
    MakeUser(*L().GetAt(2), 1);
    CTransferNegotiationList& rival = world.GetUser(1)->GetNegotiations();
    const int star = Of(1, 3);
    Bids().Add(Of(1, 7), 4000, 1, 0, 1);  // decided after the talks
    Bids().Add(star, 6000, 1, 0, 2);      // waits
    Bids().Add(star, 5000, 1, 0, 1);      // decided first: talks
    rival.Add(star, 5000, 1, 0, 3);
    port.AnswerNext(kAnswerYes);
    port.AnswerNext(kAnswerOk);  // the rival's signing
    port.AnswerNext(kAnswerNo);
    int talks = 0;
    port.onScreen[62] = [&](void*) {
        ++talks;
        // The rival's user signs him meanwhile; then the user bids again.
        world.GetUserList().CancelNegotiationsForPlayer(star, L().GetAt(2));
        std::string reply;
        User().StartNegotiation(reply, Of(1, 9), 3000, L().GetAt(1), 0);
    };
    Bids().ProcessAll(Own());
    EXPECT_EQ(talks, 1);
    EXPECT_EQ(port.Count("has signed for"), 1);
    EXPECT_EQ(port.Count("do you wish to proceed"), 2);  // the star once, the other player once
    ASSERT_EQ(Bids().GetSize(), 1);
    EXPECT_EQ(Bids().GetAt(0)->m_Player, Of(1, 9));
    EXPECT_GE(Bids().GetAt(0)->m_Days, 1);
    EXPECT_EQ(rival.GetSize(), 1) << "the buyer's own user keeps his bid";
}

TEST_F(Negotiations, TheListShowsEachBidAndTheBidsSurviveSaving) {
    Bids().Add(Of(1, 3), 5000, 1, 7, 2);
    Bids().Add(Of(2, 4), 123456, 2, 1, 3);
    RecordingListRows rows;
    User().FillNegotiationList(rows);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[1].cells[0], Name(Of(2, 4)));
    EXPECT_EQ(rows.Rows()[1].cells[1], "Lowbridge");
    EXPECT_EQ(rows.Rows()[1].cells[2], Own().FormatMoney(123456));
    EXPECT_EQ(rows.Rows()[1].cells[3], world.GetFutureDateText(3));
    EXPECT_EQ(rows.Rows()[1].data1, reinterpret_cast<uintptr_t>(world.GetPlayer(Of(2, 4))));
    EXPECT_EQ(rows.Rows()[1].colour, world.GetListColour(world.GetPlayer(Of(2, 4))->GetPosition()));

    const std::string path = ::testing::TempDir() + "negotiations.bin";
    FILE* f = OpenGameFile(path, "wb");
    ASSERT_NE(f, nullptr);
    Bids().Save(f);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    CTransferNegotiationList back;
    back.Add(1, 1, 1, 1, 1);
    f = OpenGameFile(path, "rb");
    back.Load(f);
    EXPECT_EQ(GameFileBytesLeft(), 0u);
    ASSERT_EQ(CloseGameFile(f), kGameFileClosed);
    ASSERT_EQ(back.GetSize(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(back.GetAt(i)->m_Player, Bids().GetAt(i)->m_Player);
        EXPECT_EQ(back.GetAt(i)->m_Fee, Bids().GetAt(i)->m_Fee);
        EXPECT_EQ(back.GetAt(i)->m_Club, Bids().GetAt(i)->m_Club);
        EXPECT_EQ(back.GetAt(i)->m_Kind, Bids().GetAt(i)->m_Kind);
        EXPECT_EQ(back.GetAt(i)->m_Days, Bids().GetAt(i)->m_Days);
    }
    // 4 + 2 x (4 + 4 + 4 + 1 + 1) bytes.
    FILE* raw = std::fopen(path.c_str(), "rb");
    std::fseek(raw, 0, SEEK_END);
    EXPECT_EQ(std::ftell(raw), 32);
    std::fclose(raw);
}

TEST_F(Negotiations, TheDailyRollDecidesTheBidsOfTheManagersClub) {
    NegotiationPort port;
    Bids().Add(Of(1, 3), 5000, 1, 0, 1);
    port.AnswerNext(kAnswerNo);
    User().RollTransferFlag();
    EXPECT_EQ(Bids().GetSize(), 0);
    EXPECT_EQ(port.Boxes().size(), 1u);
}

}  // namespace
}  // namespace clubtest
