#include <gtest/gtest.h>

#include "clubs_world.h"
#include "support/test_env.h"
#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/peoplemessages.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"

namespace {

class PlayerLife : public clubtest::PeopleWorld {
protected:
    CPlayer& Make(int ability = 60, int age = 25) {
        const uint16_t id = AddPlayer(2, 1000);
        CPlayer& p = *world.GetPlayer(id);
        p.m_Football.Generate(age, 2, static_cast<uint8_t>(ability));
        p.m_Person.Set("T", "Tester", static_cast<uint8_t>(age), 1);
        p.m_Person.SetWeeklyWage(1000);
        p.m_Person.SetContractYears(3);
        p.m_Person.SetMorale(70);
        p.m_Person.SetWeeksAtClub(20);
        p.m_Football.m_Energy = 90;
        Club().AddPlayerToSquad(id);
        return p;
    }
    void Injure(CPlayer& p, uint8_t severity, uint8_t time = 3) {
        p.m_Injury = world.GetInjuryList().NewInjury();
        CInjury& in = *world.GetInjuryList().GetAt(p.m_Injury);
        in.m_Severity = severity;
        in.m_TimeLeft = time;
        in.m_Kind = 5;
    }
};

TEST_F(PlayerLife, EffectiveSkillsFollowFormInjuryMoraleAndCondition) {
    CPlayer& p = Make(60);
    const int base = p.GetAbility();
    p.m_Football.m_Rating.Init(p.GetAbility());
    EXPECT_EQ(p.GetMatchAbility(), base);
    Injure(p, 50);
    EXPECT_EQ(p.GetMatchAbility(), static_cast<int>(base * 0.5 + 0.5));
    world.GetInjuryList().GetAt(p.m_Injury)->m_Severity = 100;
    for (int v : {p.GetMatchAbility(), p.GetMatchGoalkeeping(), p.GetMatchDefending(), p.GetMatchMidfield(),
                  p.GetMatchSkill68(), p.GetMatchAttacking()})
        EXPECT_EQ(v, 0);
    p.m_Injury = -1;
    p.m_Football.m_Energy = 60;
    EXPECT_EQ(p.GetMatchAbility(), static_cast<int>(base * 0.9 + 0.5));

    // A figure far beyond a byte is clamped, not wrapped.
    CPlayer& star = Make(99);
    star.m_Football.m_Ability = 99;
    star.m_Football.m_Rating.Init(99);
    star.m_Person.SetMorale(95);
    EXPECT_EQ(star.GetMatchAbility(), 99);
    star.m_Football.m_Ability = 10;  // ratings of 99 over an ability of 10: a form factor of 9.9
    EXPECT_EQ(star.GetMatchAbility(), 99);
    star.m_Football.m_Ability = 8;
    star.m_Football.m_Rating.Init(8);
    star.m_Person.SetMorale(50);
    EXPECT_EQ(star.GetMatchAbility(), 10);
}

TEST_F(PlayerLife, SuspensionsDoubleOnlyWhenRepeated) {
    CPlayer& p = Make();
    p.Suspend(1, Club());
    EXPECT_EQ(p.m_Suspension, 1);  // first of the season
    p.m_Suspension = 0;
    p.Suspend(2, Club());
    EXPECT_EQ(p.m_Suspension, 4);  // the second without a red card doubles
    CPlayer& red = Make();
    red.SendOff(Club());
    red.Suspend(1, Club());
    EXPECT_EQ(red.m_Suspension, 1);
    EXPECT_FALSE(red.IsAvailable());
    // Suspended but fit: not picked, yet able to play.
    CPlayer& q = Make();
    q.m_Suspension = 1;
    EXPECT_FALSE(q.IsAvailable());
    EXPECT_TRUE(q.CanPlay());
    // The division's newspaper keeps one of the two banned players.
    const int banned = Club().GetDivision()->m_NewsPaperEvents.m_SuspendedPlayer;
    EXPECT_TRUE(banned == world.FindPlayerIndex(&p) || banned == world.FindPlayerIndex(&red)) << banned;
}

TEST_F(PlayerLife, TwentyFivePointsAndARedCardMeanThreeMatches) {
    CPlayer& p = Make(60);
    p.m_DisciplinePoints = 19;
    p.SendOff(Club());
    EXPECT_EQ(p.m_DisciplinePoints, 25);
    p.UpdateAfterMatch(Club(), 60);
    EXPECT_EQ(p.m_Suspension, 3);
    EXPECT_EQ(p.m_DisciplinePoints, 3);
    EXPECT_EQ(p.m_MatchStatus, 0);
}

TEST_F(PlayerLife, HealingLiftsMorale) {
    struct Case {
        int morale, after;
    } cases[] = {{85, 99}, {60, 80}};
    for (const auto& c : cases) {
        CPlayer& p = Make();
        Injure(p, 100, 1);
        p.m_Person.SetMorale(static_cast<uint8_t>(c.morale));
        p.Update(Club(), 0, false, false);
        EXPECT_EQ(p.m_Injury, -1);
        EXPECT_EQ(p.m_Person.GetMorale(), c.after);
    }
}

TEST_F(PlayerLife, InjuriesNeedAFreePlayerAndHealNow) {
    CPlayer& p = Make();
    p.m_Person.SetMorale(50);
    EXPECT_TRUE(p.Injure(Club(), 4));
    EXPECT_EQ(p.m_Person.GetMorale(), 30);
    world.GetInjuryList().GetAt(p.m_Injury)->m_Severity = 100;
    EXPECT_FALSE(p.Injure(Club(), 4));
    EXPECT_GT(p.GetInjuryTimeEstimate(), 0);
    p.HealNow();
    EXPECT_EQ(p.m_Injury, -1);
    EXPECT_EQ(p.m_Person.GetMorale(), 50);
}

TEST_F(PlayerLife, OldComputerPlayersRetireAndAreRegeneratedInPlace) {
    int retired = 0;
    const int n = 400;
    for (int k = 0; k < n; ++k) {
        CPlayer& p = Make(60, 33);
        const int index = world.GetPlayerList().FindIndex(&p);
        world.GetContractClauseList().Add(static_cast<uint32_t>(index), 10, 1);
        p.m_Person.SetContractYears(1);
        p.EndSeason(Club());
        if (p.GetAge() <= 20) {
            ++retired;
            EXPECT_GE(p.GetAge(), 18);
            EXPECT_EQ(world.GetPlayerList().FindIndex(&p), index);
            // No clause follows the old player to the new one.
            EXPECT_EQ(world.GetContractClauseList().Find(static_cast<uint32_t>(index)), nullptr);
        }
        Club().RemoveFromSquad(Club().FindSlotOfPlayer(static_cast<uint16_t>(index)));
    }
    EXPECT_GT(retired, n * 6 / 10);
    EXPECT_LT(retired, n * 8 / 10);
}

TEST_F(PlayerLife, ListedPlayersCostAboutTheirPrice) {
    CPlayer& p = Make(80);
    const CCountry& c = *world.GetCountry(1);
    const double fee = p.YearsFactor(p.m_Football.GetMinimumFee(p.GetAge(), p.m_Person.GetTemperament(), MoneyScaleOf(&c)));
    p.m_AskingPrice = fee / 3;
    for (int k = 0; k < 30; ++k) {
        const double f = p.GetTransferFee(c);
        EXPECT_GE(f, p.m_AskingPrice * 0.9 * 0.95);
        EXPECT_LE(f, p.m_AskingPrice * 1.1 * 1.05);
    }
    p.m_Person.SetContractYears(1);
    p.m_Person.SetStatus(CPerson::kStatusRenewalAgreed);
    EXPECT_EQ(p.YearsFactor(100), 100);
    p.m_Person.SetStatus(0);
    EXPECT_EQ(p.YearsFactor(100), 90);
    p.m_Person.SetContractYears(0);
    EXPECT_EQ(p.GetTransferFee(c), 0.0);  // a free agent costs nothing
}

TEST_F(PlayerLife, LoansEndAfterTheirWeeks) {
    CPlayer& p = Make();
    p.StartLoan(1, 8);
    EXPECT_TRUE(p.IsOnLoan());
    for (int w = 1; w < 8; ++w) EXPECT_FALSE(p.LoanWeekPasses());
    EXPECT_TRUE(p.LoanWeekPasses());
    EXPECT_FALSE(p.IsOnLoan());
}

TEST_F(PlayerLife, NewSeasonRollsTheCountersOver) {
    CPlayer& p = Make();
    p.m_SeasonAppearances = 30;
    p.m_SeasonGoals = 12;
    p.m_DisciplinePoints = 10;
    p.StartNewSeason();
    EXPECT_EQ(p.m_LastSeasonAppearances, 30);
    EXPECT_EQ(p.m_LastSeasonGoals, 12);
    EXPECT_EQ(p.m_SeasonGoals, 0);
    EXPECT_EQ(p.m_DisciplinePoints, 0);
    EXPECT_GE(p.m_Football.m_Fitness, 81);
}

}  // namespace
