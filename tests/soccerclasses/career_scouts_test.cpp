#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/accounts.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

// Club "Own" of country 1 with a scout, user 0 its manager; "Rival" in the
// same country; "Abroad A", "Abroad B" and "Abroad C" in three other
// countries of the same federation, "Far Away" in another federation. Every
// club has a keeper, two defenders, two midfielders and an attacker, all of
// ability 50 and aged 25.
class ScoutingWorld : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        for (int i = 3; i < 5; ++i) {
            CountryRecord r;
            r.id = uint8_t(i);
            r.name = "Country " + std::to_string(i);
            r.federation = i == 4 ? 1 : 0;
            world.GetCountryList().Add(std::make_unique<CCountry>(r));
        }
        for (int c : {0, 3, 4}) {
            auto d = std::make_unique<CDivision>();
            d->SetName("League of " + std::to_string(c));
            d->SetCountry(uint8_t(c));
            world.GetDivisionList().Add(std::move(d));
        }
        // World divisions: 0 country 1, 1 country 2, 2 country 0, 3 country 3, 4 country 4.
        const std::vector<std::pair<const char*, int>> clubs = {
            {"Own", 0}, {"Rival", 0}, {"Abroad A", 1}, {"Abroad B", 2}, {"Abroad C", 3}, {"Far Away", 4}};
        std::vector<ClubFileRecord> records;
        for (auto [name, division] : clubs) {
            records.push_back(Record(name, division));
            records.back().stadium = 0;
        }
        world.GetClubList().ReadFile(WriteClubs(records));
        for (int c = 0; c < int(clubs.size()); ++c)
            for (int position : {0, 1, 1, 2, 2, 3}) world.GetClub(c)->AddPlayerToSquad(AddPlayer(position));
        MakeUser(Own(), 0);
        world.SetCurrentUser(0);
        Own().SetBankBalance(1000000.0);
        Own().SetBudgetPercentage(100.0);
        ASSERT_GE(Own().HireNewEmployee(CBasicEmployee::kScout), 0);
        SetScoutAbility(100);
        world.GetClock().Set(10, 20, 1, 1999, 10, 5);
    }
    CClub& Own() { return *world.GetClub(0); }
    CScout& Scout(int slot = 0) { return Own().Scouts()[size_t(slot)]; }
    void SetScoutAbility(int ability) { Own().Staff().GetAt(Scout().GetEmployee())->m_Ability = uint8_t(ability); }
    CPlayer* PlayerOf(int club, int slot) { return world.GetPlayer(world.GetClub(club)->GetPlayerId(slot)); }
    int IdOf(int club, int slot) { return world.GetClub(club)->GetPlayerId(slot); }
    // An assignment of the players given as (club, slot) pairs.
    CScout::AssignResult Assign(const std::vector<std::pair<int, int>>& who, bool confirmed, std::string& reply,
                                CScout* scout = nullptr) {
        CPlayer* players[CScout::kMaxPlayers] = {};
        for (size_t i = 0; i < who.size(); ++i) players[i] = PlayerOf(who[i].first, who[i].second);
        return (scout ? *scout : Scout()).MakeAssignment(reply, players, confirmed);
    }
    ScriptedUserPort port;
};

TEST_F(ScoutingWorld, TheCostAndTimeOfAnAssignment) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> players;
        int ability;
        int halfWeeks;
        double cost;
        const char* time;  // how the question says it
    } cases[] = {
        {"three players of one foreign club", {{2, 0}, {2, 1}, {2, 2}}, 60, 1, 500 + 100, "take half a week"},
        {"three clubs in three foreign countries", {{2, 0}, {3, 1}, {4, 2}}, 60, 3,
         1750 + 100 + (50 + 150) * 2, "take 1 and a half weeks"},
        {"ten players of two clubs at home", {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {1, 0}, {1, 1},
         {1, 2}, {1, 3}}, 100, 1, 500, "take half a week"},
        {"a club of another federation", {{1, 0}, {5, 0}}, 60, 1, 500 + 100 + (50 + 375) * 2, "take half a week"},
        {"two clubs in two foreign countries", {{2, 0}, {3, 0}}, 100, 2, 1250 + 150 * 2, "take 1 weeks"},
        {"five clubs in four foreign countries", {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}, 100, 6,
         2500 + 150 * 2 + 375 * 2, "take 3 weeks"},
        {"four clubs, one of them at home", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, 0, 3, 1500 + 250 + (125 + 150) * 2,
         "take 1 and a half weeks"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        SetScoutAbility(c.ability);
        std::string reply;
        ASSERT_EQ(Assign(c.players, false, reply), CScout::kAssignAsk);
        EXPECT_EQ(reply, "This scouting assignment will cost you " + Own().FormatMoney(c.cost) + " and " + c.time +
                             ". Do you want to continue?");
        EXPECT_FALSE(Scout().IsAway()) << "a question commits nothing";
        EXPECT_EQ(Own().GetBankBalance(), 1000000.0);

        const double booked = Own().GetAccounts()->GetWeekFigure(4);
        ASSERT_EQ(Assign(c.players, true, reply), CScout::kAssignDone);
        EXPECT_EQ(reply, "I'll get right on to it boss");
        EXPECT_TRUE(Scout().IsAway());
        EXPECT_DOUBLE_EQ(Own().GetBankBalance(), 1000000.0 - c.cost);
        EXPECT_DOUBLE_EQ(Own().GetAccounts()->GetWeekFigure(4) - booked, c.cost);
        for (size_t i = 0; i < c.players.size(); ++i) {
            const CScout::Entry& e = Scout().Entries()[i];
            EXPECT_EQ(e.player, IdOf(c.players[i].first, c.players[i].second));
            EXPECT_EQ(e.state, c.halfWeeks);
            EXPECT_EQ(e.text, "Scouting");
            EXPECT_EQ(e.estimate, 0);
        }
        EXPECT_EQ(Scout().Entries()[c.players.size()].state, CScout::kFree);
        TearDown();
    }
    SetUp();
}

TEST_F(ScoutingWorld, AnAssignmentRefusedForItsReason) {
    std::string reply;
    EXPECT_EQ(Assign({}, true, reply), CScout::kAssignNoPlayers);
    EXPECT_EQ(reply,
              "Select the players you want to scout from the above table then select the scout you wish to use. Use "
              "Ctrl to select multiple players.");
    Own().SetBankBalance(599.0);
    SetScoutAbility(60);  // costs 600
    EXPECT_EQ(Assign({{2, 0}}, true, reply), CScout::kAssignNoMoney);
    EXPECT_EQ(reply, "You do not have enough money to pay your scout for that assignment");
    EXPECT_EQ(Own().GetBankBalance(), 599.0);
    Own().SetBankBalance(600.0);
    EXPECT_EQ(Assign({{2, 0}}, true, reply), CScout::kAssignDone) << "exactly the money";
    EXPECT_EQ(Assign({{2, 1}}, true, reply), CScout::kAssignAway);
    EXPECT_EQ(reply, "This scout is away from his office");
    EXPECT_EQ(Scout().Entries()[1].state, CScout::kFree);
}

TEST_F(ScoutingWorld, TheWatchEndsWithTheEstimateAndTheInboxCode85) {
    std::string reply;
    SetAbility(uint16_t(IdOf(2, 1)), 64);
    ASSERT_EQ(Assign({{2, 0}, {2, 1}}, true, reply), CScout::kAssignDone);  // one half-week
    CPlayer& watched = *PlayerOf(2, 1);
    EXPECT_EQ(CClub::GetScoutReport(watched),
              "I am currently scouting this player boss. I will have the report ready for you in half a weeks time.");
    Scout().ProcessHalfWeek(Own());
    EXPECT_FALSE(Scout().IsAway());
    EXPECT_EQ(Scout().Entries()[1].state, CScout::kDone);
    EXPECT_EQ(Scout().Entries()[1].estimate, watched.GetAbility()) << "a scout of ability 100 is exact";
    EXPECT_EQ(Scout().Entries()[1].text, world.GetDayMonthYearText());
    EXPECT_TRUE(watched.Football().IsScoutedBy(0));
    EXPECT_EQ(Scout().GetEstimate(IdOf(2, 1)), watched.GetAbility());
    int reports = 0;
    for (const auto& m : world.GetUser(0)->GetInbox()) reports += m.code == 85;
    EXPECT_EQ(reports, 2) << "one for each finished watch";
    // Done entries stay done.
    Scout().ProcessHalfWeek(Own());
    EXPECT_EQ(Scout().Entries()[1].state, CScout::kDone);
}

TEST_F(ScoutingWorld, EstimatesStrayByTheScoutsAbilityAndStayWithinOneTo99) {
    struct Case {
        int scoutAbility, trueAbility, maxError;
    } cases[] = {{100, 50, 0}, {40, 50, 11}, {0, 5, 19}, {0, 95, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scout " << c.scoutAbility << ", player " << c.trueAbility);
        SetScoutAbility(c.scoutAbility);
        SetAbility(uint16_t(IdOf(3, 0)), c.trueAbility);
        const int truth = PlayerOf(3, 0)->GetAbility();
        int worst = 0;
        bool clamped = false;
        for (int i = 0; i < 300; ++i) {
            Scout().Init(Scout().GetEmployee(), 0);
            std::string reply;
            ASSERT_EQ(Assign({{3, 0}}, true, reply), CScout::kAssignDone);
            Scout().ProcessHalfWeek(Own());
            const int estimate = Scout().Entries()[0].estimate;
            ASSERT_GE(estimate, 1);
            ASSERT_LE(estimate, 99);
            worst = std::max(worst, std::abs(estimate - truth));
            clamped = clamped || estimate == 1 || estimate == 99;
        }
        EXPECT_LE(worst, c.maxError);
        if (c.maxError == 0) {
            EXPECT_EQ(worst, 0);
        } else {
            EXPECT_GT(worst, 0);
        }
        if (c.scoutAbility == 0) {
            EXPECT_TRUE(clamped) << "an estimate past the ends is held at them";
        }
    }
}

TEST_F(ScoutingWorld, AFullListDropsItsOldestAndForgetsWhomNoScoutStillWatches) {
    ASSERT_GE(Own().HireNewEmployee(CBasicEmployee::kScout), 0);
    std::vector<uint16_t> extra;
    for (int i = 0; i < 100; ++i) extra.push_back(AddPlayer(2));
    // The first two entries are players already reported on.
    for (int i = 0; i < 100; ++i) {
        CScout::Entry& e = Scout().Entries()[size_t(i)];
        e.player = extra[size_t(i)];
        e.state = CScout::kDone;
        e.estimate = 40;
        world.GetPlayer(extra[size_t(i)])->Football().SetScouted(0);
    }
    // The second scout still has the second of them.
    Scout(1).Entries()[0] = {extra[1], CScout::kDone, "1/1/99", 40};
    std::string reply;
    ASSERT_EQ(Assign({{2, 0}, {2, 1}}, true, reply), CScout::kAssignDone);
    EXPECT_EQ(Scout().Entries()[0].player, extra[2]);
    EXPECT_EQ(Scout().Entries()[97].player, extra[99]);
    EXPECT_EQ(Scout().Entries()[98].player, IdOf(2, 0));
    EXPECT_EQ(Scout().Entries()[99].player, IdOf(2, 1));
    EXPECT_EQ(Scout().Entries()[99].state, 1);
    EXPECT_FALSE(world.GetPlayer(extra[0])->Football().IsScoutedBy(0)) << "nobody reports on him now";
    EXPECT_TRUE(world.GetPlayer(extra[1])->Football().IsScoutedBy(0)) << "the other scout still does";
    EXPECT_TRUE(world.GetPlayer(extra[2])->Football().IsScoutedBy(0));
}

TEST_F(ScoutingWorld, TheReportWhileWatchingAndWithoutAnEntry) {
    CPlayer& p = *PlayerOf(3, 2);
    EXPECT_EQ(Scout().MakeReport(p), "") << "no entry, no report";
    const int id = IdOf(3, 2);
    struct Case {
        uint8_t state;
        const char* text;
    } cases[] = {
        {1, "I am currently scouting this player boss. I will have the report ready for you in half a weeks time."},
        {3, "I am currently scouting this player boss. I will have the report ready for you in 1 and a half weeks "
            "time."},
        {4, "I am currently scouting this player boss. I will have the report ready for you in 2 weeks time."},
        {CScout::kDone, ""},  // done, but he is not marked as scouted
    };
    for (const Case& c : cases) {
        Scout().Entries()[5] = {id, c.state, "Scouting", uint8_t(c.state == CScout::kDone ? 60 : 0)};
        EXPECT_EQ(Scout().MakeReport(p), c.text) << int(c.state);
    }
}

TEST_F(ScoutingWorld, TheVerdictByBandAndAgeGroup) {
    // Own's midfielders average 50; the watched midfielder is known to the
    // user, so his known ability is his true one.
    CPlayer& p = *PlayerOf(3, 3);
    const int id = IdOf(3, 3);
    p.Football().SetScouted(0);
    p.Football().SetKnownBy(0);
    Scout().Entries()[0] = {id, CScout::kDone, "5/10/99", 60};
    for (int s : {3, 4}) PlayerOf(0, s)->Football().m_Ability = 50;
    struct Case {
        int age, ability;
        const char* start;
    } cases[] = {
        {19, 29, "He's only a lad, boss"},                                      // d = -21: band 0
        {21, 50, "For his age "},                                               // d = 0: band 6
        {25, 29, "I wouldn't even think of buying this guy, boss."},            // band 0
        {25, 48, " is on a par with our Midfielders."},                         // d = -2: band 5
        {25, 65, " is a very good player, boss, clearly better than the Midfielders"},  // d = 15: band 9
        {25, 70, " is an excellent player."},                                   // d = 20: band 10
        {22, 90, " is an excellent player."},                                   // far above: band 10
        {30, 50, "There's still a season or two in "},                          // band 6
        {34, 80, "Age is no problem with a player like "},                      // band 10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "age " << c.age << ", ability " << c.ability);
        p.Person().SetAge(uint8_t(c.age));
        p.Football().m_Ability = uint8_t(c.ability);
        const std::string report = Scout().MakeReport(p);
        const std::string start = c.start[0] == ' ' ? p.GetName() + c.start : c.start;
        EXPECT_EQ(report.rfind(start, 0), 0u) << report;
        EXPECT_NE(report.find("rat"), std::string::npos);
        EXPECT_NE(report.find("60"), std::string::npos) << "the scout's estimate, not the truth";
    }
}

TEST_F(ScoutingWorld, TheSkillSentencesAgainstTheSquad) {
    CPlayer& p = *PlayerOf(3, 1);  // a defender
    const int id = IdOf(3, 1);
    p.Football().SetScouted(0);
    p.Football().SetKnownBy(0);
    p.Person().SetTemperament(4);
    Scout().Entries()[0] = {id, CScout::kDone, "5/10/99", 50};
    CSoccerPlayer& f = p.Football();
    auto reset = [&] {
        SetAbility(uint16_t(id), 50);
        f.m_Heading = f.m_Dribbling = 0;
        for (int s : {1, 2}) {
            CSoccerPlayer& mate = PlayerOf(0, s)->Football();
            mate.m_Heading = mate.m_Dribbling = 0;
        }
        f.m_Pace = f.m_Strength = 70;
        f.m_Fitness = 80;
    };
    reset();
    EXPECT_NE(Scout().MakeReport(p).find(p.GetName() +
                                         " has a well balanced set of skills, none of them really standing out as "
                                         "being above or below average."),
              std::string::npos);
    f.m_Tackling = 75;  // +25 over the squad's defenders
    f.m_Heading = 10;   // +10
    std::string report = Scout().MakeReport(p);
    EXPECT_NE(report.find("Excellent tackler. Good in the air."), std::string::npos) << report;
    EXPECT_EQ(report.find("well balanced"), std::string::npos);
    reset();
    f.m_Passing = 40;  // -10
    f.m_Pace = 30;
    f.m_Fitness = 98;
    p.Person().SetTemperament(9);
    report = Scout().MakeReport(p);
    EXPECT_NE(report.find("Not the best passer."), std::string::npos) << report;
    EXPECT_NE(report.find("Lacks pace."), std::string::npos);
    EXPECT_NE(report.find("Superbly fit."), std::string::npos);
    EXPECT_NE(report.find("Hot-headed"), std::string::npos);
    // A keeper is judged on his shot stopping alone.
    CPlayer& keeper = *PlayerOf(3, 0);
    keeper.Football().SetScouted(0);
    keeper.Football().SetKnownBy(0);
    Scout().Entries()[1] = {IdOf(3, 0), CScout::kDone, "5/10/99", 50};
    keeper.Football().m_Handling = 20;
    keeper.Football().m_Tackling = 99;
    report = Scout().MakeReport(keeper);
    EXPECT_NE(report.find("Poor shot stopper."), std::string::npos) << report;
    EXPECT_EQ(report.find("tackler"), std::string::npos);
}

TEST_F(ScoutingWorld, TheListShowsEachEntryAndForgetsReportsNoLongerHeld) {
    std::string reply;
    ASSERT_EQ(Assign({{2, 0}, {3, 2}}, true, reply), CScout::kAssignDone);
    Scout().Entries()[0].state = 2;  // still watching
    Scout().Entries()[1].state = 1;
    Scout().ProcessHalfWeek(Own());  // the second is done
    RecordingListRows rows;
    Scout().FillList(rows);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].cells.at(0), PlayerOf(2, 0)->GetName());
    EXPECT_EQ(rows.Rows()[0].cells.at(1), PlayerOf(2, 0)->Person().GetNationalityText());
    EXPECT_EQ(rows.Rows()[0].cells.at(2), "Scouting");
    EXPECT_EQ(rows.Rows()[1].cells.at(2), world.GetDayMonthYearText());
    EXPECT_EQ(rows.Rows()[1].data1, reinterpret_cast<uintptr_t>(PlayerOf(3, 2)));
    EXPECT_EQ(rows.Rows()[1].colour, world.GetListColour(PlayerOf(3, 2)->GetPosition()));

    // The user no longer holds the second as scouted: the entry goes.
    PlayerOf(3, 2)->Football().ClearScouted(0);
    Scout().FillList(rows);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(Scout().Entries()[1].state, CScout::kFree);
}

TEST_F(ScoutingWorld, TheClubsDayMovesItsScoutsOn) {
    std::string reply;
    ASSERT_EQ(Assign({{2, 0}, {3, 0}}, true, reply), CScout::kAssignDone);  // two half-weeks
    Own().ProcessHumanDay(10);
    EXPECT_EQ(Scout().Entries()[0].state, 1);
    EXPECT_TRUE(Scout().IsAway());
    world.GetUser(0)->ClearMessages();
    Own().ProcessHumanDay(10);
    EXPECT_EQ(Scout().Entries()[0].state, CScout::kDone);
    EXPECT_FALSE(Scout().IsAway());
    EXPECT_TRUE(world.GetUser(0)->HasMessage(85));
}

}  // namespace
}  // namespace clubtest
