// The world's lookups and forwards, the country's cup queries, managers'
// clubs, staff and the rule that a deleted person leaves no index behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "clubs_world.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/youth.h"

namespace clubtest {
namespace {

class WorldAudit : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        world.GetClubList().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)}));
    }
    CClub& Club(int i) { return *world.GetClub(i); }
};

TEST_F(WorldAudit, ElementLookupsGiveTheListsElementsAndNullOutside) {
    EXPECT_EQ(world.GetStadium(1), world.GetStadiumList().GetAt(1));
    EXPECT_EQ(world.GetStadium(3), nullptr);
    EXPECT_EQ(world.GetPopularity(2), world.GetPopularityList().GetAt(2));
    EXPECT_EQ(world.GetPopularity(-1), nullptr);
    const int m = Club(0).GetManager();
    ASSERT_GE(m, 0);
    EXPECT_EQ(world.GetManager(m), world.GetManagerList().GetAt(m));
    EXPECT_EQ(world.GetManager(world.GetManagerList().GetSize()), nullptr);
    EXPECT_EQ(world.GetReferee(0), nullptr);
    EXPECT_EQ(world.GetPlayOff(0), nullptr);
    EXPECT_EQ(world.GetCharityShield(0), nullptr);
    EXPECT_EQ(world.GetFederationCup(0), nullptr);
    EXPECT_NE(world.GetAggression(0), nullptr);
    EXPECT_EQ(world.GetAggression(CAggressionList::kLevels), nullptr);

    const int injury = world.NewInjury();
    EXPECT_EQ(world.GetInjury(injury), world.GetInjuryList().GetAt(injury));
    EXPECT_NE(world.GetInjury(injury), nullptr);

    EXPECT_EQ(world.GetClubIndex(&Club(1)), 1);
    EXPECT_EQ(world.GetClubIndex(nullptr), -1);
    const uint16_t id = AddPlayer(2);
    EXPECT_EQ(world.FindPlayerIndex(world.GetPlayer(id)), id);
    CPlayer stranger;
    EXPECT_EQ(world.FindPlayerIndex(&stranger), CPlayer::kNoPlayer);
}

TEST_F(WorldAudit, SkillMoneyAndCareerPathsComeFromTheWorldsTables) {
    // The empty world's own tables stand in for the built game's here.
    world.GetSkillMoneyValueList().Add(CSkillMoneyValue{1000, 200, 0, 0, 100, 0, 100, 0});
    EXPECT_EQ(world.GetSkillMoneyValue(0), 1100);
    EXPECT_EQ(world.GetSkillMoneyValueEntry(0).m_ValueSpread, 200);
}

TEST_F(WorldAudit, ClockTexts) {
    struct Case {
        int year, month, day;
        const char* text;
    } cases[] = {{1999, 7, 3, "03 Jul 99"}, {2000, 12, 31, "31 Dec 00"}, {2004, 2, 29, "29 Feb 04"}};
    for (const Case& k : cases) {
        world.GetClock().Set(1, 1, 0, k.year, k.month, k.day);
        EXPECT_EQ(world.GetShortDateString(), k.text);
        EXPECT_EQ(world.GetTime(), world.GetClock().GetDays());
    }
}

TEST_F(WorldAudit, TheActiveViewIsTheInstalledPort) {
    ScriptedUserPort port;
    EXPECT_EQ(&world.GetActiveView(), static_cast<UserPort*>(&port));
    world.GetActiveView().FillTree(5);
    ASSERT_EQ(port.TreeFills().size(), 1u);
    EXPECT_EQ(port.TreeFills()[0], 5);
}

TEST_F(WorldAudit, FriendliesAreAddedFoundAndRemoved) {
    world.AddFriendly(0, 1, 12);
    world.AddFriendly(1, 0, 14);
    CFixture* first = world.FindFriendly(0, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->IsClubInvolved(0));
    EXPECT_NE(world.FindFriendly(1, 0), nullptr);
    EXPECT_NE(world.FindFriendly(1, 0), first);
    EXPECT_EQ(world.FindFriendly(0, 0), nullptr);
    EXPECT_EQ(world.GetFriendlyMatchList().GetMatchDay(1), 14);
    world.RemoveFriendlies(1);
    EXPECT_EQ(world.FindFriendly(0, 1), nullptr);
    EXPECT_EQ(world.FindFriendly(1, 0), nullptr);
    EXPECT_EQ(world.GetFriendlyMatchList().GetSize(), 0);
}

TEST_F(WorldAudit, AManagerLeavesEveryUserSlotThatHeldHim) {
    const int a = Club(0).GetManager(), b = Club(1).GetManager();
    world.GetUser(0)->SetManagerIndex(a);
    world.GetUser(1)->SetManagerIndex(b);
    world.GetUser(3)->SetManagerIndex(a);
    world.RemoveManagerFromUsers(a);
    EXPECT_EQ(world.GetUser(0)->GetManagerIndex(), -1);
    EXPECT_EQ(world.GetUser(1)->GetManagerIndex(), b);
    EXPECT_EQ(world.GetUser(3)->GetManagerIndex(), -1);
    world.RemoveManagerFromUsers(-1);
    EXPECT_EQ(world.GetUser(1)->GetManagerIndex(), b);
}

TEST_F(WorldAudit, NonLeagueClubsGetASquadOnlyInAFollowedCountry) {
    CKits home, away;
    home.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    const int a = world.AddNonLeagueClub("Kings Lynn", 1, *world.GetCountry(1), home, away);
    const int b = world.AddNonLeagueClub("Far Town", 2, *world.GetCountry(2), home, away);
    EXPECT_EQ(b, a + 1);
    const CNonLeagueClub& followed = *world.GetNonLeagueClub(a);
    EXPECT_EQ(followed.GetName(), "Kings Lynn");
    EXPECT_EQ(followed.m_Country, 1);
    EXPECT_EQ(followed.m_HomeKit.bytes, home.bytes);
    EXPECT_EQ(followed.m_Squad.GetSize(), CNonLeagueClub::kSquadSize);
    EXPECT_EQ(world.GetNonLeagueClub(b)->m_Squad.GetSize(), 0);
}

TEST_F(WorldAudit, CountryFindsItsShieldPlayOffsAndCups) {
    CCountry& country = *world.GetCountry(1);
    EXPECT_EQ(country.GetCharityShield(), nullptr);
    for (int c : {2, 1}) {
        auto shield = std::make_unique<CCharityShield>();
        shield->m_CountryIndex = c;
        world.GetCharityShieldList().Add(std::move(shield));
    }
    EXPECT_EQ(country.GetCharityShield(), world.GetCharityShield(1));

    // The country names its play-offs by id (3 is the list's third), not by place.
    for (int i = 0; i < 3; ++i) {
        auto p = std::make_unique<CPlayOff>();
        p->m_Id = static_cast<uint8_t>(i + 1);
        world.GetPlayOffList().Add(std::move(p));
    }
    EXPECT_EQ(country.AddPlayOff(3), 0);
    EXPECT_EQ(country.GetPlayOff(0), world.GetPlayOff(2));
    EXPECT_EQ(country.GetPlayOff(1), nullptr);
    EXPECT_TRUE(country.OwnsPlayOffCup(world.GetPlayOff(2)));
    EXPECT_EQ(country.GetPlayOffOfCup(world.GetPlayOff(2)), world.GetPlayOff(2));
    EXPECT_FALSE(country.OwnsPlayOffCup(world.GetPlayOff(0)));
    EXPECT_EQ(country.GetPlayOffOfCup(nullptr), nullptr);

    auto cup = std::make_unique<CCup>();
    cup->m_Name = "Harwick Cup";
    auto round = std::make_unique<CCupRound>();
    round->m_FullNameId = 183;
    round->m_MatchSlot = 20;
    round->m_Ties.AddFixture(1, 0, 1, 3, 3, 0, 0);
    cup->m_Rounds.Add(std::move(round));
    country.GetCups().Add(std::move(cup));
    EXPECT_TRUE(country.OwnsCup(country.GetCups().GetAt(0)));
    EXPECT_FALSE(country.OwnsCup(world.GetPlayOff(2)));
    EXPECT_FALSE(world.GetCountry(2)->OwnsCup(country.GetCups().GetAt(0)));
    CFixtureInfo info;
    EXPECT_EQ(country.FindCupFixture(20, 1, info), 1);
    EXPECT_EQ(info.fixture, country.GetCups().GetAt(0)->GetRound(0)->m_Ties.GetAt(0));
    CFixtureInfo none;
    EXPECT_EQ(country.FindCupFixture(21, 1, none), 0);
    EXPECT_EQ(country.FindCupFixture(20, 2, none), 0);
}

TEST_F(WorldAudit, AFederationNamesItsCupsInTheWorldsList) {
    for (int i = 0; i < 3; ++i) world.GetFederationCupList().Add(std::make_unique<CFederationCup>());
    CFederation federation(0, "UEFA", "Europe");
    federation.AddCup(2);
    federation.AddCup(0);
    EXPECT_EQ(federation.GetCup(0), world.GetFederationCup(2));
    EXPECT_EQ(federation.GetCup(1), world.GetFederationCup(0));
    EXPECT_EQ(federation.GetCup(2), nullptr);
    federation.AddCup(7);  // no such cup in the world
    EXPECT_EQ(federation.GetCup(2), nullptr);
}

TEST_F(WorldAudit, ManagersNameTheirCurrentAndPreviousClubs) {
    CManager& m = *world.GetManager(Club(0).GetManager());
    EXPECT_EQ(m.GetClub(), &Club(0));
    EXPECT_EQ(m.GetPreviousClub(), nullptr);
    EXPECT_EQ(m.GetLastClubName(), "Harwick Albion");
    EXPECT_EQ(m.GetPreviousClubName(), "-");
    m.LeaveClub(100);
    // Out of work, his last club is the one he left.
    EXPECT_EQ(m.GetClub(), &Club(0));
    EXPECT_EQ(m.GetPreviousClub(), &Club(0));
    EXPECT_EQ(m.GetLastClubName(), "Harwick Albion");
    EXPECT_EQ(m.GetPreviousClubName(), "Harwick Albion");
    m.JoinClub(1, Club(1));
    EXPECT_EQ(m.GetClub(), &Club(1));
    EXPECT_EQ(m.GetPreviousClubName(), "Harwick Albion");
}

TEST_F(WorldAudit, StaffKnowTheirClubAndAskAboutNewTerms) {
    CEmployeeList& staff = Club(0).Staff();
    const int i = staff.Add(std::make_unique<CEmployee>(2, *world.GetCountry(1), *world.GetPopularity(0)));
    CEmployee& e = *staff.GetAt(i);
    EXPECT_EQ(e.GetClub(), &Club(0));
    CEmployee loose(2, *world.GetCountry(1), *world.GetPopularity(0));
    EXPECT_EQ(loose.GetClub(), nullptr);
    EXPECT_TRUE(staff.CheckAllPresent());

    // With years left beyond this one he never asks.
    ScriptedUserPort port;
    e.m_Person.SetContractYears(2);
    for (int k = 0; k < 200; ++k) e.CheckContract(Club(0));
    EXPECT_TRUE(port.Boxes().empty());
    // In his last year he asks now and then, with his club's name, his name and his job.
    e.m_Person.SetContractYears(1);
    e.m_Person.SetAge(40);
    port.AnswerNext(2);  // "Emp. Info." shows him and asks again
    for (int k = 0; k < 400 && port.Boxes().empty(); ++k) {
        e.m_Person.SetStatus(0);
        e.CheckContract(Club(0));
    }
    ASSERT_FALSE(port.Boxes().empty());
    const std::string& text = port.Boxes()[0].text;
    EXPECT_NE(text.find("Harwick Albion"), std::string::npos) << text;
    EXPECT_NE(text.find(e.GetName()), std::string::npos) << text;
    EXPECT_NE(text.find("wants to negotiate a new one"), std::string::npos) << text;
    ASSERT_EQ(port.Boxes().size(), 2u);
    ASSERT_GE(port.Screens().size(), 1u);
    EXPECT_EQ(port.Screens()[0].screen, 60);
    EXPECT_EQ(port.Screens()[0].object, &e);
}

TEST_F(WorldAudit, OnlyAHumanManagersYouthsAreCoachedAndReportedOn) {
    MakeHuman(Club(0));
    world.GetUser(0)->SetManagerIndex(Club(0).GetManager());
    for (int c : {0, 1}) Club(c).Youths().GenerateYouths(*world.GetCountry(1), *world.GetPopularity(0), 2);
    ASSERT_GT(Club(0).Youths().GetSize(), 0);
    ASSERT_GT(Club(1).Youths().GetSize(), 0);
    auto snapshot = [&](int c) {
        std::string bytes;
        for (int i = 0; i < Club(c).Youths().GetSize(); ++i) {
            const CSoccerPlayer& f = Club(c).Youths().GetAt(i)->m_Football;
            bytes += {char(f.m_Handling), char(f.m_Tackling), char(f.m_Passing), char(f.m_Shooting), char(f.m_Pace),
                      char(f.m_Fitness), char(f.m_Energy)};
        }
        return bytes;
    };
    const std::string human = snapshot(0), computer = snapshot(1);
    for (int week = 0; week < 30; ++week)
        for (int c : {0, 1}) Club(c).Youths().TrainAll(Club(c));
    EXPECT_NE(snapshot(0), human);
    EXPECT_EQ(snapshot(1), computer);
    const auto& inbox = world.GetUser(0)->GetInbox();
    ASSERT_FALSE(inbox.empty());
    for (const auto& m : inbox) {
        EXPECT_TRUE(m.code == 64 || m.code == 65) << int(m.code);
        ASSERT_FALSE(m.text2.empty());
        EXPECT_EQ(m.text2[0], ' ') << m.text2;  // the coach's words follow the youth's name
    }
}

TEST_F(WorldAudit, AnEighteenYearOldYouthIsOfferedToAHumanManager) {
    MakeHuman(Club(0));
    world.GetUser(0)->SetManagerIndex(Club(0).GetManager());
    CYouthList& youths = Club(0).Youths();
    youths.GenerateYouths(*world.GetCountry(1), *world.GetPopularity(0), 2);
    ASSERT_GT(youths.GetSize(), 0);
    for (int i = 0; i < youths.GetSize(); ++i) youths.GetAt(i)->m_Person.SetAge(17);
    CYouth& y = *youths.GetAt(0);
    y.m_Person.SetAge(18);
    ScriptedUserPort port;
    // A full squad leaves no room, and seventeen-year-olds wait.
    for (int k = 0; k < 100; ++k) youths.OfferContracts(Club(0), 30);
    EXPECT_TRUE(port.Boxes().empty());
    // A computer club is never asked.
    for (int k = 0; k < 100; ++k) Club(1).Youths().OfferContracts(Club(1), 20);
    EXPECT_TRUE(port.Boxes().empty());
    port.AnswerNext(kAnswerYes);  // "Youth Info." shows him and asks again
    port.AnswerNext(kAnswerNo);   // "Negotiate"
    for (int k = 0; k < 200 && port.Boxes().empty(); ++k) youths.OfferContracts(Club(0), 20);
    ASSERT_EQ(port.Boxes().size(), 2u);
    const std::string& text = port.Boxes()[0].text;
    EXPECT_NE(text.find("Youth player " + y.GetName()), std::string::npos) << text;
    EXPECT_NE(text.find(world.GetManager(Club(0).GetManager())->GetName()), std::string::npos) << text;
    ASSERT_EQ(port.Screens().size(), 2u);
    EXPECT_EQ(port.Screens()[0].screen, 60);
    EXPECT_EQ(port.Screens()[1].screen, 62);
    EXPECT_EQ(port.Screens()[1].object, &y);
}

TEST_F(WorldAudit, OnlyAFollowedCountryKeepsJobMarkets) {
    CCountry& followed = *world.GetCountry(1);
    CCountry& other = *world.GetCountry(2);
    ASSERT_NE(followed.GetStaffMarket(), nullptr);
    ASSERT_NE(followed.GetYouthMarket(), nullptr);
    EXPECT_EQ(other.GetStaffMarket(), nullptr);
    EXPECT_EQ(other.GetYouthMarket(), nullptr);
    for (int week = 0; week < 5; ++week) {
        followed.UpdateStaffLists(*world.GetPopularity(0), 0, Club(0));
        other.UpdateStaffLists(*world.GetPopularity(0), 0, Club(1));
    }
    EXPECT_GT(followed.GetStaffMarket()->GetSize() + followed.GetYouthMarket()->GetSize(), 0);
    EXPECT_EQ(other.GetStaffMarket(), nullptr);
}

TEST_F(WorldAudit, SeasonStartDayAndInterest) {
    CCountry& c = *world.GetCountry(1);
    world.GetClock().SetMatchDay(c.GetSeasonStartDay());
    EXPECT_TRUE(c.IsSeasonStartDay());
    world.GetClock().SetMatchDay(c.GetSeasonStartDay() + 1);
    EXPECT_FALSE(c.IsSeasonStartDay());
    // 20 % a year, compounded over 52 weeks.
    EXPECT_NEAR(std::pow(1.0 + c.GetWeeklyInterestRate(), 52), 1.0 + c.GetInterestRate() / 100.0, 1e-6);
}

TEST_F(WorldAudit, AManagerWhoseGameIsOverLeavesNoIndexInTheNewspapers) {
    const int gone = Club(0).GetManager(), kept = Club(1).GetManager();
    MakeHuman(Club(0));
    world.GetUser(0)->SetManagerIndex(gone);
    world.GetManager(gone)->m_Savings = -1000000;
    CNewsPaperEvents& news = world.GetDivision(0)->m_NewsPaperEvents;
    news.AddSackedManager(gone);
    news.AddNewManager(kept);
    news.AddNewManager(gone);
    world.GetManagerList().WeeklyStepAll();
    ASSERT_EQ(world.GetManager(gone), nullptr);
    ASSERT_EQ(news.m_Sacked.GetSize(), 0);
    ASSERT_EQ(news.m_NewManagers.GetSize(), 1);
    EXPECT_EQ(news.m_NewManagers.GetAt(0), static_cast<uint32_t>(kept));
}

class DeletionAudit : public PeopleWorld {};

TEST_F(DeletionAudit, ARegeneratedPlayerLeavesNoIndexBehind) {
    const uint16_t gone = AddPlayer(2, 1000);
    const uint16_t kept = AddPlayer(3, 1000);
    for (uint16_t id : {gone, kept}) Club().AddPlayerToSquad(id);
    CNewsPaperEvents& news = Club().GetDivision()->m_NewsPaperEvents;
    news.SetInjury(gone, 9);
    news.SetSuspension(gone, 70);
    news.SetTransfer(gone, 1, "1m", 1e6);
    news.SetReturningPlayer(kept);
    news.m_TopScorer = gone;
    world.GetContractClauseList().Add(gone, 10, 1);
    world.GetContractClauseList().Add(kept, 15, 1);
    CCountry& country = *Club().GetCountry();
    country.AddTransferListedPlayer(world.GetPlayer(gone));
    country.AddTransferListedPlayer(world.GetPlayer(kept));

    CScout& scout = world.GetClub(1)->Scouts()[0];
    scout.Init(0, 1);
    scout.Entries()[0] = CScout::Entry{gone, CScout::kDone, "", 70};
    scout.Entries()[1] = CScout::Entry{kept, CScout::kDone, "", 65};
    ASSERT_EQ(scout.GetEstimate(gone), 70);

    world.GetPlayer(gone)->Regenerate(Club(), 2);

    EXPECT_EQ(scout.GetEstimate(gone), 0);
    EXPECT_EQ(scout.Entries()[0].state, CScout::kFree);
    EXPECT_EQ(scout.GetEstimate(kept), 65);

    EXPECT_EQ(news.m_InjuredPlayer, -1);
    EXPECT_EQ(news.m_SuspendedPlayer, -1);
    EXPECT_EQ(news.m_TransferPlayer, -1);
    EXPECT_EQ(news.m_TopScorer, -1);
    EXPECT_EQ(news.m_ReturningPlayer, kept);
    // The next event of the day is kept, however small.
    news.SetInjury(kept, 1);
    EXPECT_EQ(news.m_InjuredPlayer, kept);
    EXPECT_EQ(world.GetContractClauseList().Find(gone), nullptr);
    EXPECT_NE(world.GetContractClauseList().Find(kept), nullptr);
    ASSERT_EQ(country.GetTransferListedPlayers().size(), 1u);
    EXPECT_EQ(country.GetTransferListedPlayers()[0], world.GetPlayer(kept));
}

class PlayerTalks : public PeopleWorld {
protected:
    CPlayer& Make(int age) {
        const uint16_t id = AddPlayer(2, 1000);
        CPlayer& p = *world.GetPlayer(id);
        p.m_Person.Set("T", "Talker", static_cast<uint8_t>(age), 1);
        p.m_Person.SetContractYears(2);
        return p;
    }
    // What he asks of club 0, with three seasons and some relocation.
    CContractOffer Demands(const CPlayer& p) {
        CContractOffer d;
        p.GetContractDemands(d, Club(), nullptr);
        d.m_Years = 3;
        d.m_Relocation = 1000;
        return d;
    }
};

TEST_F(PlayerTalks, TheAnswerToAnOfferJudgesMoneyThenSeasonsThenRelocation) {
    CPlayer& p = Make(25);
    const CContractOffer d = Demands(p);
    ASSERT_GT(d.m_WeeklyWage, 100);
    struct Case {
        const char* what;
        void (*change)(CContractOffer&);
        const char* fragment;  // "T" for yes
    } cases[] = {
        {"the demands", [](CContractOffer&) {}, "T"},
        {"a low wage", [](CContractOffer& o) { o.m_WeeklyWage = 1; }, "such a low wage"},
        {"fewer seasons", [](CContractOffer& o) { o.m_Years = 2; }, "longer contract"},
        {"seven seasons", [](CContractOffer& o) { o.m_Years = 7; }, "that many seasons"},
        {"more relocation", [](CContractOffer& o) { o.m_Relocation = 5000; }, "T"},
    };
    for (const Case& k : cases) {
        CContractOffer o = d;
        k.change(o);
        const std::string answer = p.AnswerOffer(d, Club(), o);
        if (std::string(k.fragment) == "T")
            EXPECT_EQ(answer, "T") << k.what;
        else
            EXPECT_NE(answer.find(k.fragment), std::string::npos) << k.what << ": " << answer;
    }
    // From 34 four seasons are too many, even when asked for.
    CPlayer& veteran = Make(34);
    CContractOffer v = Demands(veteran);
    v.m_Years = 4;
    CContractOffer o = v;
    o.m_Relocation = 2000;
    EXPECT_NE(veteran.AnswerOffer(v, Club(), o).find("that many seasons"), std::string::npos);
}

TEST_F(PlayerTalks, TheCloserTheRelocationTheLikelierHeSigns) {
    CPlayer& p = Make(25);
    const CContractOffer d = Demands(p);
    auto refusals = [&](double relocation) {
        int n = 0;
        for (int k = 0; k < 400; ++k) {
            CContractOffer o = d;
            o.m_Relocation = relocation;
            const std::string answer = p.AnswerOffer(d, Club(), o);
            if (answer != "T") {
                EXPECT_NE(answer.find("relocation expenses"), std::string::npos) << answer;
                ++n;
            }
        }
        return n;
    };
    const int none = refusals(0), most = refusals(950);
    // A chance of 5 against one of 80: about 94 % against 19 % refused.
    EXPECT_GT(none, 330);
    EXPECT_LT(most, 130);
    EXPECT_GT(most, 20);
}

}  // namespace
}  // namespace clubtest
