#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clubs_world.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Records, with each box, how many messages user 0's inbox held when it
// was shown.
class CareerEventsPort : public ScriptedUserPort {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override {
        const CHumanManager* user = GetWorldData()->GetUser(0);
        inboxAtBox.push_back(user ? int(user->GetInbox().size()) : -1);
        return ScriptedUserPort::ShowMessageBox(request);
    }
    std::vector<int> inboxAtBox;
};

// Country 1 with three divisions of four clubs: "First League" (world
// division 0, clubs A0-A3), "Second League" (2, B0-B3) and "Third League"
// (3, C0-C3); in each table the last club of the block leads. Each club
// has two players.
class CareerEventsWorld : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        for (const char* name : {"Second League", "Third League"}) {
            auto d = std::make_unique<CDivision>();
            d->SetName(name);
            d->SetCountry(1);
            world.GetDivisionList().Add(std::move(d));
        }
        std::vector<ClubFileRecord> records;
        for (int b = 0; b < 3; ++b)
            for (int i = 0; i < 4; ++i) {
                ClubFileRecord r = Record(std::string(1, char('A' + b)) + std::to_string(i), kDivisions[b]);
                r.stadium = 0;
                r.manager.country = 1;
                records.push_back(r);
            }
        world.GetClubList().ReadFile(WriteClubs(records));
        for (int b = 0; b < 3; ++b) {
            world.GetDivision(kDivisions[b])->SetClubRange(4 * b, 4);
            Country().AddDivision(uint32_t(kDivisions[b]));
            for (int i = 0; i < 4; ++i) {
                CClub& c = *world.GetClub(4 * b + i);
                c.LeagueRow().m_Position = uint8_t(3 - i);
                c.AddPlayerToSquad(AddPlayer(1));
                c.AddPlayerToSquad(AddPlayer(2));
            }
        }
        world.GetClock().SetMatchDay(Country().GetSeasonEndDay());
    }
    static constexpr int kDivisions[3] = {0, 2, 3};
    CCountry& Country() { return *world.GetCountry(1); }
    CClub& C(const std::string& name) { return *world.GetClub(world.FindClubByName(name)); }
    CHumanManager& User(int slot = 0) { return *world.GetUser(slot); }
    std::vector<int> Codes(int slot = 0) {
        std::vector<int> out;
        for (const auto& m : User(slot).GetInbox()) out.push_back(m.code);
        return out;
    }
};

TEST_F(CareerEventsWorld, EachEventShowsItsBoxPostsItsCodesAndHoldsItsMessage) {
    struct Case {
        const char* what;
        const char* club;
        std::function<void(CClub&)> event;
        const char* box;  // the start of the box after the manager's name; empty: none
        bool postsFirst;  // the codes reach the inbox before the box
        std::vector<int> codes;
        int deferred;  // 0 none
        const char* deferredText;
    };
    const Case cases[] = {
        {"the top division's title", "A3", [](CClub& c) { c.AddLeagueTitle("First League", 1); },
         ", congratulations, you've done it and finished top of the First League. The board congratulate you", true,
         {34, 201}, 0, ""},
        {"a lower division's title", "B3", [](CClub& c) { c.AddLeagueTitle("Second League", 2); },
         ", congratulations, you've won the Second League and promotion for the club.", true, {33}, 205,
         "Second League"},
        {"promoted at the season's end", "B2", [](CClub& c) { c.SeasonEndMoveUp(false); }, "", false, {33}, 205,
         "First League"},
        {"moved up, his step already taken", "B2", [](CClub& c) { c.SeasonEndMoveUp(true); }, "", false, {}, 0, ""},
        {"relegated at the season's end", "A0", [](CClub& c) { c.SeasonEndMoveDown(); }, "", false, {40}, 207,
         "Second League"},
        {"relegated from the middle", "B0", [](CClub& c) { c.SeasonEndMoveDown(); }, "", false, {40}, 207,
         "Third League"},
        {"the play-offs won", "C1", [](CClub& c) { c.SeasonEndHumanReview(); },
         ", congratulations, you've won the play offs and promotion for the club.", false, {33}, 205,
         "Second League"},
        {"relegation avoided", "A1", [](CClub& c) { c.SeasonEndHumanNotice(); },
         ", well done, you've avoided relegation.", false, {}, 0, ""},
        {"promoted", "B3", [](CClub& c) { c.RecordPromotion(); }, ", congratulations, you've got the club promoted.",
         false, {35}, 203, ""},
        {"relegated", "A0", [](CClub& c) { c.RecordRelegation(); },
         ", the board and fans are distraught at the club being relegated.", false, {39}, 206, ""},
        {"bottom of the league", "C0", [](CClub& c) { c.RecordBottomPlace(); },
         ", the board and fans are distraught at the club finishing at the bottom of the league.", false, {38}, 0,
         ""},
        {"a cup won", "B1", [](CClub& c) { c.AddCupWin("Country Cup", 3); },
         ", congratulations, you've won the Country Cup,  The board congratulate you on the team's victory.", false,
         {}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        {
            CareerEventsPort port;
            CClub& club = C(c.club);
            MakeUser(club, 0);
            // A computer-managed club's events reach nobody.
            c.event(C(c.club == std::string("A1") ? "A2" : "A1"));
            EXPECT_TRUE(port.Boxes().empty());
            EXPECT_TRUE(Codes().empty());

            c.event(club);
            if (std::string(c.box).empty()) {
                EXPECT_TRUE(port.Boxes().empty());
            } else {
                ASSERT_EQ(port.Boxes().size(), 1u);
                EXPECT_EQ(port.Boxes()[0].text.rfind(User().GetManagerName() + c.box, 0), 0u) << port.Boxes()[0].text;
                EXPECT_EQ(port.Boxes()[0].picture, User().GetManagerIndex());
                EXPECT_EQ(port.inboxAtBox[0], c.postsFirst ? int(c.codes.size()) : 0);
            }
            std::vector<int> codes;
            for (int code : Codes())
                if (code != 124 && code != 125) codes.push_back(code);  // the popularity's own news
            EXPECT_EQ(codes, c.codes);
            EXPECT_EQ(User().GetDeferredMessage().code, c.deferred);
            EXPECT_EQ(User().GetDeferredMessage().text1, c.deferredText);
        }
        TearDown();
    }
    SetUp();
}

TEST_F(CareerEventsWorld, TitlesAndCupsGoIntoHisOwnHonours) {
    ScriptedUserPort port;
    MakeUser(C("A3"), 0);
    C("A3").AddLeagueTitle("First League", 1);
    C("A3").AddCupWin("Country Cup", 3);
    const CTrophyHistoryList& honours = User().GetHonours();
    ASSERT_EQ(honours.GetSize(), 2);
    EXPECT_EQ(honours.GetAt(0)->m_Kind, CTrophyHistory::kLeagueTitle);
    EXPECT_EQ(std::string(honours.GetAt(0)->m_Title), "First League");
    EXPECT_EQ(std::string(honours.GetAt(0)->m_Extra), "A3");
    EXPECT_EQ(honours.GetAt(1)->m_Kind, CTrophyHistory::kCupWin);
    EXPECT_EQ(std::string(honours.GetAt(1)->m_Title), "Country Cup");
}

TEST_F(CareerEventsWorld, TheCountrysSeasonEndTellsEachUserOfHisOwnClub) {
    world.GetDivision(0)->m_ExchangeCount = 1;
    world.GetDivision(2)->m_ExchangeCount = 1;
    CareerEventsPort port;
    MakeUser(C("B3"), 0);  // the second league's champions
    MakeUser(C("A0"), 1);  // last of the first
    MakeUser(C("C0"), 2);  // last of all
    MakeUser(C("A2"), 3);  // a quiet season
    ASSERT_TRUE(Country().EndOfSeason());

    EXPECT_EQ(Codes(0), std::vector<int>{33});
    EXPECT_EQ(User(0).GetDeferredMessage().code, 205);
    EXPECT_EQ(User(0).GetDeferredMessage().text1, "Second League");
    // Relegated from the bottom places: the board's word, then the move.
    EXPECT_EQ(Codes(1), (std::vector<int>{39, 40}));
    EXPECT_EQ(User(1).GetDeferredMessage().code, 207);
    EXPECT_EQ(User(1).GetDeferredMessage().text1, "Second League");
    std::vector<int> bottom;
    for (int code : Codes(2))
        if (code != 124 && code != 125) bottom.push_back(code);
    EXPECT_EQ(bottom, std::vector<int>{38});
    EXPECT_TRUE(Codes(3).empty());
    EXPECT_FALSE(User(3).HasDeferredMessage());
    // The bottom club's box, the champions', then the relegated club's:
    // nobody else's.
    ASSERT_EQ(port.Boxes().size(), 3u);
    EXPECT_NE(port.Boxes()[0].text.find("finishing at the bottom of the league"), std::string::npos);
    EXPECT_NE(port.Boxes()[1].text.find("you've won the Second League and promotion"), std::string::npos);
    EXPECT_NE(port.Boxes()[2].text.find("distraught at the club being relegated"), std::string::npos);
}

TEST_F(CareerEventsWorld, JoiningAClubStartsTheRecordAfreshForIt) {
    ScriptedUserPort port;
    MakeUser(C("A3"), 0);
    CHumanManager& u = User();
    const int index = u.GetManagerIndex();
    // Whatever the old job left behind.
    u.AddMessage(25, "", "", "", -1);
    u.AddNews("Old news");
    u.MarkPlayer(3);
    u.Results()[4] = 2;
    u.m_Instructions[1][2][3] = 7;
    u.m_TrainLoad.fill(4);
    u.m_TrainProgress.fill(0.5);
    u.m_TacticSliders = {1, 1, 1, 1, 1};
    u.SetDeferredMessage(203, "promoted", "", "", -1);
    u.SetSelectedPlayer(0, 5);
    std::string reply;
    u.StartNegotiation(reply, C("B1").GetPlayerId(0), 1000, &C("B1"), 0);
    ASSERT_EQ(u.GetNegotiations().GetSize(), 1);

    const int target = world.FindClubByName("C2");
    const int old = world.FindClubByName("A3");
    u.JoinClub(target);

    EXPECT_EQ(world.GetClub(target)->GetManager(), index);
    EXPECT_EQ(world.GetManagerList().GetAt(index)->GetClubIndex(), target);
    EXPECT_EQ(world.GetClub(old)->GetManager(), -1) << "the old club is let go";
    EXPECT_FALSE(world.GetClub(old)->HasManager());
    EXPECT_EQ(world.GetManagerList().GetAt(index)->GetPreviousClubIndex(), old);
    EXPECT_EQ(u.GetClub(), world.GetClub(target));
    // Only the move itself is in the inbox.
    EXPECT_EQ(Codes(), std::vector<int>{200});
    EXPECT_TRUE(u.GetNews().IsEmpty());
    EXPECT_TRUE(u.GetMarkedPlayers().empty());
    EXPECT_EQ(u.GetNegotiations().GetSize(), 0);
    EXPECT_FALSE(u.HasDeferredMessage());
    for (int s = 0; s < 30; ++s) {
        EXPECT_EQ(u.GetSelection(s), s < 16 ? s + 1 : 0) << s;
        EXPECT_EQ(u.GetSavedSquadOrder().at(size_t(s)), world.GetClub(target)->GetPlayerId(s)) << s;
    }
    EXPECT_FALSE(u.IsSquadInSelectionOrder());
    for (uint8_t r : u.GetResults()) EXPECT_EQ(r, 0);
    EXPECT_EQ(u.m_Instructions[1][2][3], 0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_GE(u.m_TrainLevel[size_t(k)], 60);
        EXPECT_LT(u.m_TrainLevel[size_t(k)], 80);
        EXPECT_EQ(u.m_TrainLoad[size_t(k)], 0);
        EXPECT_EQ(u.m_TrainProgress[size_t(k)], 0.0);
    }
    EXPECT_EQ(u.m_TacticSliders, (std::array<int32_t, 5>{5, 10, 2, 5, 6}));
    // Every player of the country is known, in every division.
    for (int c = 0; c < 12; ++c)
        for (int s = 0; s < 2; ++s)
            EXPECT_TRUE(world.GetPlayer(world.GetClub(c)->GetPlayerId(s))->Football().IsKnownBy(0)) << c << "/" << s;
}

TEST_F(CareerEventsWorld, JoiningTwiceLeavesTwelveContactsInTheirOrder) {
    ScriptedUserPort port;
    MakeUser(C("B2"), 0);
    User().JoinClub(world.FindClubByName("B0"));
    User().JoinClub(world.FindClubByName("C3"));
    const std::vector<int> kinds{5, 6, 7, 8, 15, 16, 9, 10, 11, 12, 13, 14};
    ASSERT_EQ(User().GetContacts().GetSize(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(User().GetContacts().GetAt(i)->m_JobKind, kinds[size_t(i)]) << i;
    EXPECT_FALSE(C("B2").HasManager());
    EXPECT_FALSE(C("B0").HasManager());
    EXPECT_EQ(C("C3").GetManager(), User().GetManagerIndex());
}

TEST_F(CareerEventsWorld, AnUnemployedManagerJoinsWithoutLettingAnyoneGo) {
    ScriptedUserPort port;
    MakeUser(C("B2"), 0);
    C("B2").ManagerLeaves(0);
    const int others = C("A1").GetManager();
    ASSERT_GE(others, 0);
    User().JoinClub(world.FindClubByName("A1"));
    EXPECT_EQ(C("A1").GetManager(), User().GetManagerIndex());
    EXPECT_FALSE(world.GetManagerList().GetAt(others)->IsEmployed()) << "the sitting manager made way";
    EXPECT_FALSE(C("B2").HasManager());
    EXPECT_EQ(User().GetContacts().GetSize(), 12);
}

}  // namespace
}  // namespace clubtest
