// The commands of a game in the running program, over a real game with a
// human manager: a team that cannot be fielded on its match day stops the
// clock and opens Team Selection; Skip to Next Match Date runs the world on
// to the human club's next match day and stops there; the person actions
// ask before they act.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/screenglobals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"

using namespace platform::win;

namespace {

constexpr uint8_t kAdvanceScotland = 150;
constexpr uint32_t kMoveHalfWeek = 19423, kSkipToMatch = 19424;

class HumanGameCommands : public testsupport::HeadlessAppTest {
protected:
    void SetUp() override {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kAdvanceScotland});
        club = game->HumanManagesTopClub(kAdvanceScotland);
        ASSERT_NE(club, nullptr);
        RegisterGamePages();
        StartApp();
        // The pages put in the match-day screen's driver; the scripted one
        // goes in over it, so that a match played shows in its count.
        scope = std::make_unique<testsupport::ScopedMatchDriver>(&driver);
        AnswerEveryBox();
        ASSERT_EQ(GetMatchDriver(), &driver);
        Command(19410);
    }
    void TearDown() override {
        StopApp();
        scope.reset();
        game.reset();
    }
    CWorldData& W() { return game->World(); }
    bool PlaysToday() {
        CManager* m = W().GetManagerList().GetAt(club->GetManager());
        CFixtureInfo info;
        return m && m->FindMatchOn(W().GetMatchDay(), info);
    }
    // Day steps, under the scripted match screen, to the human club's next
    // match day; false when none comes within the bound.
    bool RunToMatchDay() {
        for (int day = 0; day < 60; ++day) {
            if (PlaysToday()) return true;
            W().ProcessDay(0, 0);
        }
        return PlaysToday();
    }
    void InjureSquad() {
        for (int s = 0; s < kSquadSlots; ++s) {
            CPlayer* p = club->GetPlayer(s);
            if (!p) continue;
            const int i = W().GetInjuryList().NewInjury();
            W().GetInjuryList().GetAt(i)->SetSeverity(100);
            p->m_Injury = i;
        }
    }
    // Every box the days bring is answered with its first button (Return),
    // or with No (Escape) when asked.
    void AnswerEveryBox(uint32_t key = VK_RETURN) {
        boxKey = key;
        if (answerBox) return;
        answerBox = [this] {
            ++boxes;
            backend->Key(boxKey, 10);
            backend->OnModalShown(answerBox);
        };
        backend->OnModalShown(answerBox);
        backend->SetEndWhenScriptDone(false);
    }

    std::function<void()> answerBox;
    uint32_t boxKey = VK_RETURN;
    int boxes = 0;
    std::unique_ptr<testsupport::GameDriver> game;
    testsupport::ScriptedMatchDriver driver;
    std::unique_ptr<testsupport::ScopedMatchDriver> scope;
    CClub* club = nullptr;
};

TEST_F(HumanGameCommands, AnUnfitTeamOnItsMatchDayStopsTheClockAndOpensTeamSelection) {
    ASSERT_TRUE(RunToMatchDay());
    InjureSquad();
    ASSERT_LT(club->CountAvailablePlayers(), 11);
    const CMatchTime before = W().GetMatchTime();
    const int opened = driver.opened;
    for (uint32_t command : {kMoveHalfWeek, kSkipToMatch}) {
        SCOPED_TRACE(command);
        g_bHumanMatchToday = 1;  // as the day that stopped here set it
        Command(command);
        EXPECT_EQ(g_nCurrentScreen, 4) << "Team Selection";
        EXPECT_TRUE(W().GetMatchTime() == before) << "the clock stays";
        EXPECT_EQ(driver.opened, opened) << "no match was played";
        Command(19410);
    }
}

TEST_F(HumanGameCommands, SkipRunsOnToTheHumanClubsNextMatchDayAndStopsThere) {
    ASSERT_FALSE(PlaysToday()) << "a new game starts before the first match day";
    g_bHumanMatchToday = 0;
    // A day that brings the user a notice (the pre-season hint) stops the
    // run early; the next Skip goes on from there.
    int skips = 0;
    while (!PlaysToday() && skips < 10) {
        const CMatchTime before = W().GetMatchTime();
        Command(kSkipToMatch);
        ++skips;
        ASSERT_FALSE(W().GetMatchTime() == before) << "each Skip moves the clock";
    }
    EXPECT_TRUE(PlaysToday()) << "it stopped on a day the human club plays";
    EXPECT_EQ(g_bHumanMatchToday, 1);
    EXPECT_EQ(driver.opened, 0) << "the match waits for the user";

    // The count would see a match: with a team that can be fielded, the
    // next command plays it through the scripted screen.
    club->SelectTeam(5);
    W().GetUser(0)->ResetSelection();
    Command(kMoveHalfWeek);
    EXPECT_EQ(driver.opened, 1) << "the match was played on the scripted screen";
}

// The person actions ask before they act: No leaves everything as it was.
TEST_F(HumanGameCommands, ReleaseAndSackAskFirstAndActOnlyOnYes) {
    // One of his own whose pay-off the club can meet.
    CPlayer* player = nullptr;
    for (int s = 0; s < kSquadSlots && !player; ++s) {
        CPlayer* p = club->GetPlayer(s);
        if (p && p->IsWithinClubStanding(*club) && p->GetRemainingWages() > 0 &&
            p->GetRemainingWages() <= club->GetBankBalance())
            player = p;
    }
    ASSERT_NE(player, nullptr);
    const int index = CClub::FindWorldIndex(*player);
    g_pSelectedPlayer = player;
    AnswerEveryBox(VK_ESCAPE);
    int asked = boxes;
    Command(32898);
    EXPECT_EQ(boxes, asked + 1) << "the pay-off was put to the user";
    EXPECT_GE(club->FindSlotOfPlayer(static_cast<uint16_t>(index)), 0) << "No keeps him";
    AnswerEveryBox(VK_RETURN);
    Command(32898);
    EXPECT_LT(club->FindSlotOfPlayer(static_cast<uint16_t>(index)), 0) << "Yes lets him go";

    const int hiredAt = club->HireNewEmployee(CBasicEmployee::kHeadPhysio);
    ASSERT_GE(hiredAt, 0);
    CEmployee* physio = club->Staff().GetAt(hiredAt);
    ASSERT_NE(physio, nullptr);
    const int staffBefore = club->Staff().GetSize();
    g_pSelectedEmployee = physio;
    AnswerEveryBox(VK_ESCAPE);
    asked = boxes;
    Command(32903);
    EXPECT_EQ(boxes, asked + 1);
    EXPECT_EQ(club->Staff().GetSize(), staffBefore) << "No keeps him";
    AnswerEveryBox(VK_RETURN);
    Command(32903);
    EXPECT_EQ(club->Staff().GetSize(), staffBefore - 1) << "Yes sacks him";
    EXPECT_GE(club->Staff().FindIndex(physio), club->Staff().GetSize());

    // Another club's man: nothing is asked and nobody goes.
    CClub* other = W().GetClub(W().GetClubList().GetIndex(club) + 1);
    ASSERT_NE(other, nullptr);
    const int theirsAt = other->HireNewEmployee(CBasicEmployee::kHeadPhysio);
    ASSERT_GE(theirsAt, 0);
    g_pSelectedEmployee = other->Staff().GetAt(theirsAt);
    const int theirs = other->Staff().GetSize(), ours = club->Staff().GetSize();
    asked = boxes;
    Command(32903);
    EXPECT_EQ(boxes, asked);
    EXPECT_EQ(other->Staff().GetSize(), theirs);
    EXPECT_EQ(club->Staff().GetSize(), ours);
}

// Scouting another club's man: the cost and time are put to the user, and
// only Yes sends the scout and pays him.
TEST_F(HumanGameCommands, ScoutingAPlayerAsksTheCostAndSendsTheScoutOnlyOnYes) {
    CClub* other = W().GetClub(W().GetClubList().GetIndex(club) + 1);
    ASSERT_NE(other, nullptr);
    CPlayer* target = other->GetPlayer(0);
    ASSERT_NE(target, nullptr);
    g_pSelectedPlayer = target;

    // Without a scout there is no one to send.
    for (CScout& s : club->Scouts()) s.SetEmployee(-1);
    int asked = boxes;
    Command(32901);
    EXPECT_EQ(boxes, asked + 1) << "1170: no scout to send";

    ASSERT_GE(club->HireNewEmployee(CBasicEmployee::kScout), 0);
    CScout* scout = CClub::FindFreeScout();
    ASSERT_NE(scout, nullptr);
    club->SetBankBalance(5e7);
    club->SetBudgetPercentage(100.0);
    const double bank = club->GetBankBalance();
    const int32_t index = CClub::FindWorldIndex(*target);

    AnswerEveryBox(VK_ESCAPE);
    asked = boxes;
    Command(32901);
    EXPECT_EQ(boxes, asked + 1) << "the cost was put to the user";
    EXPECT_FALSE(scout->IsAway()) << "No sends nobody";
    EXPECT_FALSE(scout->HasEntryFor(index));
    EXPECT_EQ(club->GetBankBalance(), bank);

    AnswerEveryBox(VK_RETURN);
    Command(32901);
    EXPECT_TRUE(scout->IsAway());
    EXPECT_TRUE(scout->HasEntryFor(index));
    EXPECT_LT(club->GetBankBalance(), bank) << "the club paid for the watch";

    // His own player is not for scouting: nothing is asked.
    g_pSelectedPlayer = club->GetPlayer(0);
    asked = boxes;
    Command(32901);
    EXPECT_EQ(boxes, asked);
}

}  // namespace
