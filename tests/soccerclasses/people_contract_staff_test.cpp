#include <gtest/gtest.h>

#include <cmath>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/division.h"
#include "soccerclasses/newspaperevents.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/scriptedport.h"

namespace clubtest {
namespace {

class PeopleAtClubs : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        L().ReadFile(WriteClubs({Record("Harwick Albion", 0), Record("Port Ellis", 1)}));
    }
    CClubList& L() { return world.GetClubList(); }
    CClub& Club(int i) { return *L().GetAt(i); }
    void MakeUser(CClub& club, int slot) {
        ClubWorld::MakeUser(club, slot);
        world.SetCurrentUser(slot);
    }
    // Asks up to n times; the number of boxes shown.
    size_t AskRenewal(CPlayer& p, CClub& club, ScriptedUserPort& port, int n = 200) {
        for (int i = 0; i < n && port.Boxes().empty(); ++i) p.RequestContractRenewal(club);
        return port.Boxes().size();
    }
};

TEST_F(PeopleAtClubs, RenewalRequestOffersThreeButtonsAndOpensTheScreens) {
    MakeUser(Club(0), 2);
    const uint16_t id = AddPlayer(2);
    Club(0).AddPlayerToSquad(id);
    CPlayer& p = *world.GetPlayer(id);
    p.Person().SetContractYears(1);
    ASSERT_TRUE(p.IsWillingToSignFor(Club(0), false));
    ScriptedUserPort port;
    port.AnswerNext(2);            // "Player Info." shows him and asks again
    port.AnswerNext(kAnswerYes);   // "Negotiate"
    ASSERT_EQ(AskRenewal(p, Club(0), port), 2u);
    const auto& buttons = port.Boxes()[0].buttons;
    ASSERT_GE(buttons.size(), 3u);
    EXPECT_EQ(buttons[0], "Negotiate");
    EXPECT_EQ(buttons[1], "Reject Offer");
    EXPECT_EQ(buttons[2], "Player Info.");
    EXPECT_NE(port.Boxes()[0].text.find("wants to negotiate a new contract"), std::string::npos);
    ASSERT_EQ(port.Screens().size(), 2u);
    EXPECT_EQ(port.Screens()[0].screen, 60);
    EXPECT_EQ(port.Screens()[1].screen, 62);
    EXPECT_EQ(port.Screens()[1].object, &p);
    // The same text reaches the human's own news.
    ASSERT_FALSE(world.GetUserList().GetAt(2)->GetNews().IsEmpty());
    EXPECT_EQ(std::string(world.GetUserList().GetAt(2)->GetNews().GetAt(world.GetUserList().GetAt(2)->GetNews().GetSize() - 1)->GetText()), port.Boxes()[0].text);
}

TEST_F(PeopleAtClubs, RenewalRequestNeedsHisLastYearAtAHumanClubAndNoLoan) {
    MakeUser(Club(0), 0);
    struct Case {
        const char* what;
        int club;
        uint8_t years;
        bool loan;
        uint8_t status;
    };
    for (const Case& c : {Case{"two years left", 0, 2, false, 0}, Case{"on loan", 0, 1, true, 0},
                          Case{"computer club", 1, 1, false, 0}, Case{"no talks", 0, 1, false, 3}}) {
        const uint16_t id = AddPlayer(1);
        Club(c.club).AddPlayerToSquad(id);
        CPlayer& p = *world.GetPlayer(id);
        p.Person().SetContractYears(c.years);
        p.Person().SetStatus(c.status);
        if (c.loan) p.m_LoanWeeks = 4;
        ScriptedUserPort port;
        EXPECT_EQ(AskRenewal(p, Club(c.club), port), 0u) << c.what;
    }
}

TEST_F(PeopleAtClubs, OnlyTwentyTwoYearOldsLookAbroad) {
    if (world.GetCountryList().GetAt(1)->GetDivisionCount() == 0) world.GetCountryList().GetAt(1)->AddDivision(0);
    CCountry* home = world.GetCountryList().GetAt(0);
    CPlayer p;
    p.Person().SetAge(23);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(p.PickDestinationCountry(home, world.GetCountryList()), home);
    // Out of contract at 22: about one draw in four goes to the league country.
    p.Person().SetAge(22);
    p.Person().SetContractYears(0);
    int abroad = 0;
    for (int i = 0; i < 400; ++i) {
        CCountry* c = p.PickDestinationCountry(home, world.GetCountryList());
        ASSERT_TRUE(c == home || c == world.GetCountryList().GetAt(1));
        abroad += c != home;
    }
    EXPECT_GT(abroad, 50);
    EXPECT_LT(abroad, 150);
}

TEST_F(PeopleAtClubs, CompareWithSquadAveragesHisPositionOnly) {
    MakeUser(Club(0), 0);
    int abilities = 0;
    for (int ability : {40, 60}) {
        const uint16_t id = AddPlayer(3);
        SetAbility(id, ability);
        world.GetPlayer(id)->Football().m_Flair = uint8_t(ability);
        world.GetPlayer(id)->Football().SetKnownBy(0);  // his own club's players are known
        abilities += world.GetPlayer(id)->GetAbility();
        Club(0).AddPlayerToSquad(id);
    }
    const int average = abilities / 2;
    const uint16_t keeper = AddPlayer(0);
    SetAbility(keeper, 90);
    Club(0).AddPlayerToSquad(keeper);
    CPlayer& target = *world.GetPlayer(AddPlayer(3));
    target.Football().m_Flair = 70;
    // Nothing known of him: known ability 0; the squad's attackers average 50.
    EXPECT_EQ(target.CompareWithSquad(nullptr, 0), -average);
    // Unknown, his attribute is shaded up by the whole ability.
    EXPECT_EQ(target.CompareWithSquad(nullptr, 6), 70 + target.GetAbility() - 50);
    target.Football().SetKnownBy(0);
    EXPECT_EQ(target.CompareWithSquad(&Club(0), 0), target.GetAbility() - average);
    EXPECT_EQ(target.CompareWithSquad(nullptr, 6), 70 - 50);
    // A squad without his position gives nothing to compare.
    EXPECT_EQ(target.CompareWithSquad(&Club(1), 0), 0);
}

TEST_F(PeopleAtClubs, AppointedManagerTakesTheClubsTermsAndAHumanHearsOfTheMove) {
    CManagerList& managers = world.GetManagerList();
    const int previous = Club(1).GetManager();
    CManager* m = managers.GetAt(previous);
    m->m_IsHuman = 1;
    world.GetUserList().GetAt(4)->SetManagerIndex(previous);
    m->LeaveClub(100);
    Club(1).SetManagerIndex(-1);
    const int old = Club(0).GetManager();
    managers.AppointManager(previous, 0, Club(0));
    EXPECT_EQ(Club(0).GetManager(), previous);
    EXPECT_EQ(m->GetClubIndex(), 0);
    EXPECT_EQ(m->GetPreviousClubIndex(), 1);
    EXPECT_EQ(m->Person().GetWeeklyWage(), std::trunc(Club(0).GetManagerWage() / 52));
    EXPECT_EQ(m->Person().GetContractYears(), Club(0).GetManagerYears());
    const auto& inbox = world.GetUserList().GetAt(4)->GetInbox();
    ASSERT_EQ(inbox.size(), 1u);
    EXPECT_EQ(inbox[0].code, 200);
    EXPECT_EQ(inbox[0].text2, "Harwick Albion");
    // A computer manager, or one new to the game, hears nothing.
    managers.AppointManager(old, 1, Club(1));
    EXPECT_EQ(inbox.size(), 1u);
}

TEST_F(PeopleAtClubs, ManagerFromAMemberOfStaffAndHisMoneyTexts) {
    CEmployee coach;
    coach.Person().SetSurname("Okafor");
    coach.Person().SetCountry(2);
    CManager unemployed(coach, 1000.0, 2, -1);
    EXPECT_EQ(unemployed.GetName(), coach.GetName());
    EXPECT_EQ(unemployed.Person().GetCountry(), 2);
    EXPECT_EQ(unemployed.m_LivingCosts, 800);
    EXPECT_EQ(unemployed.Person().GetContractYears(), 2);
    EXPECT_FALSE(unemployed.IsEmployed());
    EXPECT_EQ(unemployed.GetWeeklyWageText(), "-");
    EXPECT_EQ(unemployed.GetYearlyWageText(), "-");

    CManager hired(coach.Person(), 1000.0, 2, 0);
    ASSERT_EQ(hired.GetClubIndex(), 0);
    const double wage = hired.Person().GetWeeklyWage();
    std::string expect;
    Club(0).GetCountry()->FormatMoney(expect, wage * 52);
    EXPECT_EQ(hired.GetYearlyWageText(), expect);
    Club(0).GetCountry()->FormatMoney(expect, wage - hired.m_LivingCosts);
    EXPECT_EQ(hired.GetWeeklyNetText(), expect);
    hired.m_Savings = 12345;
    Club(0).GetCountry()->FormatMoney(expect, 12345);
    EXPECT_EQ(hired.GetSavingsText(), expect);

    hired.SetIdentity("Brennan", 41, 1);
    EXPECT_EQ(hired.Person().GetSurname(), "Brennan");
    EXPECT_EQ(hired.Person().GetAge(), 41);
    EXPECT_EQ(hired.Person().GetCountry(), 1);
}

TEST_F(PeopleAtClubs, ScoutAwayOnAnAssignmentShowsGrey) {
    MakeUser(Club(0), 1);
    CEmployeeList& staff = Club(0).Staff();
    const int home = staff.Add(std::make_unique<CEmployee>(CEmployee::kScout, *Club(0).GetCountry(),
                                                           *Club(0).GetPopularity()));
    const int away = staff.Add(std::make_unique<CEmployee>(CEmployee::kScout, *Club(0).GetCountry(),
                                                           *Club(0).GetPopularity()));
    Club(0).Scouts()[3].SetEmployee(away);
    Club(0).Scouts()[3].SetAway(true);
    Club(0).Scouts()[4].SetEmployee(home);  // assigned but at home
    RecordingListRows rows;
    staff.FillScoutList(rows);
    int grey = 0, scouts = 0;
    for (const auto& r : rows.Rows()) {
        ++scouts;
        if (r.data1 == reinterpret_cast<uintptr_t>(staff.GetAt(away))) {
            EXPECT_EQ(r.colour, 0x808080u);
            ++grey;
        } else {
            EXPECT_NE(r.colour, 0x808080u);
        }
    }
    EXPECT_EQ(grey, 1);
    EXPECT_GE(scouts, 2);
}

TEST_F(PeopleAtClubs, KnownAbilityTakesTheFirstEstimateOfAScoutWithATask) {
    MakeUser(Club(0), 0);
    const uint16_t id = AddPlayer(2);
    Club(1).AddPlayerToSquad(id);
    CPlayer& p = *world.GetPlayer(id);
    p.Football().SetScouted(0);
    auto& scouts = Club(0).Scouts();
    // An unassigned slot's report does not count.
    scouts[0].Entries()[0] = {id, CScout::kDone, "", 77};
    EXPECT_EQ(p.GetKnownAbility(false), 0);
    EXPECT_EQ(p.GetKnownAbilityText(false), "");
    // With no report left he no longer counts as scouted by that user.
    EXPECT_FALSE(p.Football().IsScoutedBy(0));
    scouts[2].SetEmployee(0);
    scouts[2].Entries()[5] = {id, CScout::kDone, "", 63};
    p.Football().SetScouted(0);
    EXPECT_EQ(p.GetKnownAbility(false), 63);
    EXPECT_EQ(p.GetKnownAbilityText(false), "63 (S)");
    EXPECT_EQ(p.GetKnownAbility(true), p.GetAbility());
    p.Football().SetKnownBy(0);
    EXPECT_EQ(p.GetKnownAbility(false), p.GetAbility());
}

TEST_F(PeopleAtClubs, InjuriesAndSuspensionsReachTheDivisionsNewspaper) {
    const uint16_t a = AddPlayer(1), b = AddPlayer(2);
    SetAbility(a, 30);
    SetAbility(b, 70);
    Club(0).AddPlayerToSquad(a);
    Club(0).AddPlayerToSquad(b);
    CNewsPaperEvents& news = Club(0).GetDivision()->m_NewsPaperEvents;
    TellNewspaperInjury(Club(0), a, 6);
    TellNewspaperInjury(Club(0), b, 3);  // shorter: the first stays
    EXPECT_EQ(news.m_InjuredPlayer, a);
    EXPECT_EQ(news.m_InjuryWeeks, 6);
    TellNewspaperSuspension(Club(0), a);
    TellNewspaperSuspension(Club(0), b);  // more skilful: he takes the place
    EXPECT_EQ(news.m_SuspendedPlayer, b);
}

}  // namespace
}  // namespace clubtest
