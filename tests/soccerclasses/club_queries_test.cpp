#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clubs_world.h"
#include "platform/random.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/soccertactic.h"
#include "soccerclasses/youth.h"

namespace clubtest {
namespace {

// Four followed clubs and one played by results only; club 0 is human.
class ClubQueries : public ClubWorld {
protected:
    void SetUp() override {
        ClubWorld::SetUp();
        std::vector<ClubFileRecord> records;
        for (int i = 0; i < 4; ++i) records.push_back(Record("Club " + std::to_string(i), 0, uint8_t(i)));
        records.push_back(Record("Far Town", 1));
        world.GetClubList().ReadFile(WriteClubs(records));
        world.GetDivision(0)->SetClubRange(0, 4);
        world.GetDivision(1)->SetClubRange(4, 1);
        MakeHuman(C(0));
        User().SetManagerIndex(C(0).GetManager());
    }
    CClub& C(int i) { return *world.GetClubList().GetAt(i); }
    CHumanManager& User() { return *world.GetUserList().GetAt(0); }
    ScriptedUserPort port;
};

TEST_F(ClubQueries, MoneyTextsAreInTheClubsCurrency) {
    C(1).SetBankBalance(250000.0);
    C(1).SetBudgetPercentage(40.0);
    C(1).SetLoan(90000.0);
    EXPECT_EQ(C(1).FormatBankBalance(), C(1).FormatMoney(250000.0));
    EXPECT_EQ(C(1).FormatTransferBudget(), C(1).FormatMoney(100000.0));
    EXPECT_EQ(C(1).FormatLoan(), C(1).FormatMoney(90000.0));
    EXPECT_NE(C(1).FormatBankBalance().find("250"), std::string::npos);
    // An overdrawn club has nothing to spend, not a negative budget.
    C(1).SetBankBalance(-5000.0);
    EXPECT_EQ(C(1).FormatTransferBudget(), C(1).FormatMoney(0.0));
}

TEST_F(ClubQueries, YouthNamesAndFormFigures) {
    C(1).Youths().AddRandomYouth(*world.GetCountry(1), *C(1).GetPopularity(), 0);
    EXPECT_EQ(C(1).GetYouthName(0), C(1).Youths().GetAt(0)->GetName());
    EXPECT_FALSE(C(1).GetYouthName(0).empty());
    EXPECT_EQ(C(1).GetYouthName(1), "");
    EXPECT_EQ(C(1).GetYouthName(-1), "");

    C(1).RecordHomeLeagueResult(2, 1, 3, 1);
    C(1).RecordAwayLeagueResult(1, 1, 3, 1);
    C(1).RecordHomeLeagueResult(0, 3, 3, 1);
    EXPECT_EQ(C(1).GetFormText().substr(3), "WDL");
    EXPECT_EQ(C(1).GetFormPoints(), 4);
    EXPECT_EQ(C(1).GetFormGoalsFor(), 3);
    EXPECT_EQ(C(1).GetFormGoalsAgainst(), 5);
    EXPECT_EQ(C(1).GetFormWins(), 1);
    EXPECT_EQ(C(1).GetFormLosses(), 1);
    C(1).SetFormPosition(2);
    EXPECT_EQ(C(1).GetCurrentForm()->GetFormPosition(), 2);
    // A club played by results only keeps no form.
    CClub& far = C(4);
    far.RecordHomeLeagueResult(3, 0, 3, 1);
    EXPECT_EQ(far.GetFormText(), "");
    EXPECT_EQ(far.GetFormPoints(), 0);
    EXPECT_EQ(far.GetFormWins(), 0);
}

TEST_F(ClubQueries, SlotAndFriendlyQueries) {
    const uint16_t hurt = AddPlayer(1);
    const uint16_t banned = AddPlayer(2);
    C(1).SetPlayerId(0, hurt);
    C(1).SetPlayerId(1, banned);
    Injure(hurt);
    world.GetInjuryList().GetAt(world.GetPlayer(hurt)->m_Injury)->m_TimeLeft = 6;
    world.GetPlayer(banned)->m_Suspension = 2;
    EXPECT_EQ(C(1).GetSlotInjuryEstimate(0), world.GetPlayer(hurt)->GetInjuryTimeEstimate());
    EXPECT_EQ(C(1).GetSlotInjuryEstimate(0), 3);
    EXPECT_EQ(C(1).GetSlotInjuryEstimate(1), world.GetPlayer(banned)->GetInjuryTimeEstimate());
    EXPECT_EQ(C(1).GetSlotSuspension(1), 2);
    EXPECT_EQ(C(1).GetSlotSuspension(0), 0);
    EXPECT_EQ(C(1).GetSlotSuspension(5), 0);  // empty
    EXPECT_EQ(C(1).GetSlotInjuryEstimate(5), 0);

    EXPECT_EQ(C(1).GetDivisionName(), "First League");
    EXPECT_EQ(C(4).GetDivisionName(), "Premier Division");

    C(1).SetFriendly(0, 2, 0);
    C(1).SetFriendly(1, 3, 1);
    EXPECT_EQ(C(1).GetFriendlyOpponentName(0), "Club 2");
    EXPECT_EQ(C(1).GetFriendlyVenueName(0), C(1).GetStadiumName());  // at home
    EXPECT_EQ(C(1).GetFriendlyOpponentName(1), "Club 3");
    EXPECT_EQ(C(1).GetFriendlyVenueName(1), C(3).GetStadiumName());  // away
    EXPECT_EQ(C(1).GetFriendlyOpponentName(2), "");
    EXPECT_EQ(C(1).GetFriendlyVenueName(2), "");
}

TEST_F(ClubQueries, AHumanSquadKnowsItsNewMenAndTheTeamSheetFollowsTheSlots) {
    CSoccerTacticList& tactics = User().GetTacticList();
    for (const auto& t : tactics) t->m_Familiarity = 90;
    std::vector<uint16_t> ids;
    for (int i = 0; i < 20; ++i) {
        ids.push_back(AddPlayer(i % 4));
        ASSERT_TRUE(C(0).AddPlayerToSquad(ids.back()));
        EXPECT_TRUE(world.GetPlayer(ids.back())->Football().IsKnownBy(0));
    }
    int drilled = 0;
    for (const auto& t : tactics) drilled += t->m_Familiarity < 90;
    EXPECT_GT(drilled, 0);  // twenty new faces cost some drilling

    for (int s = 0; s < 30; ++s) User().SetSelection(s, s < 16 ? uint8_t(s + 1) : 0);
    C(0).RemoveFromSquad(2);
    EXPECT_EQ(C(0).GetPlayerId(2), ids[3]);
    EXPECT_EQ(User().GetSelection(1), 2);
    EXPECT_EQ(User().GetSelection(2), 4);   // the man from slot 3 keeps his place
    EXPECT_EQ(User().GetSelection(14), 16);
    EXPECT_EQ(User().GetSelection(29), 0);
    // A computer club's sheet is nobody's.
    const uint16_t other = AddPlayer(1);
    C(1).SetPlayerId(11, other);
    C(1).RemoveFromSquad(11);
    EXPECT_EQ(User().GetSelection(2), 4);
    EXPECT_FALSE(world.GetPlayer(other)->Football().IsKnownBy(0));
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(ClubQueries, AHumanClubsYouthsTrainWithTheWeeklyAccounts) {
    const CCountry& country = *world.GetCountry(1);
    for (int i = 0; i < 6; ++i) C(0).Youths().AddRandomYouth(country, *C(0).GetPopularity(), i % 4);
    auto skills = [&] {
        std::vector<int> out;
        for (int i = 0; i < C(0).Youths().GetSize(); ++i) {
            const CSoccerPlayer& f = C(0).Youths().GetAt(i)->m_Football;
            for (int v : {f.m_Handling, f.m_Tackling, f.m_Passing, f.m_Shooting, f.m_Pace, f.m_Strength})
                out.push_back(v);
        }
        return out;
    };
    const std::vector<int> before = skills();
    for (int week = 0; week < 8; ++week) C(0).ProcessWeeklyAccounts();
    EXPECT_NE(skills(), before);
    // The youths are paid for: six of them at 125 times the row's youth wage.
    C(0).GetAccounts()->ResetWeek();
    C(0).ProcessWeeklyAccounts();
    EXPECT_DOUBLE_EQ(C(0).GetAccounts()->GetWeekFigure(12), 6 * 125 * C(0).GetPopularity()->m_YouthWage);
}

}  // namespace
}  // namespace clubtest

namespace clubtest {
namespace {

TEST_F(ClubQueries, DesignatedPlayersComeFromTheirWindowsAndStayWhileTheyPlay) {
    const int positions[11] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3};
    for (int s = 0; s < 11; ++s) {
        const uint16_t id = AddPlayer(positions[s]);
        world.GetPlayer(id)->Person().SetAge(20);  // nobody older than 24
        C(1).SetPlayerId(s, id);
    }
    C(1).ChooseDesignatedPlayers();
    static constexpr int kWindows[4][2] = {{1, 8}, {5, 11}, {2, 7}, {3, 10}};
    std::vector<int32_t> chosen;
    for (int d = 0; d < 4; ++d) {
        const int32_t id = C(1).GetDesignatedPlayer(d);
        ASSERT_NE(id, kEmptySlot) << d;  // the first still gets one after his eight draws
        const int slot = C(1).FindSlotOfPlayer(uint16_t(id));
        EXPECT_GE(slot, kWindows[d][0]) << d;
        EXPECT_LE(slot, kWindows[d][1]) << d;
        chosen.push_back(id);
    }
    // They keep their roles from match to match while they stay in the eleven.
    for (uint32_t seed = 0; seed < 5; ++seed) {
        platform::SeedRandom(seed);
        C(1).ChooseDesignatedPlayers();
        for (int d = 0; d < 4; ++d) EXPECT_EQ(C(1).GetDesignatedPlayer(d), chosen[size_t(d)]);
    }
}

TEST_F(ClubQueries, AWindowWithNobodyAvailableEndsAtTheLastSlot) {
    const uint16_t keeper = AddPlayer(0);
    C(1).SetPlayerId(0, keeper);
    for (int s = 1; s < 4; ++s) {
        const uint16_t id = AddPlayer(1);
        Injure(id);
        C(1).SetPlayerId(s, id);
    }
    EXPECT_EQ(C(1).PickAvailableInWindow(1, 8), -1);
    EXPECT_EQ(C(1).PickAvailableInWindow(0, 3) >= 0, true);  // slot 0 is reachable and fit
    C(1).ChooseDesignatedPlayers();
    EXPECT_EQ(C(1).GetDesignatedPlayer(1), kEmptySlot);
}

}  // namespace
}  // namespace clubtest
