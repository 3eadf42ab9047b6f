// The match page's touchline controls worked with the mouse in a match
// over the short clips: substitutions dragged both ways and a swap of two
// starters, the player card with its instructions and "Praise", the
// control strip's sections, a formation from the table, the tactics levels
// and check box, the power-bar switches.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "screens/highscreen_fixture.h"
#include "platform/stringtable.h"
#include "screens/highscreen_texts.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/matchplayer.h"

namespace hstest {
namespace {

using namespace highscreen;

class HighScreenControls : public HighScreenPage {
protected:
    HighScreenControls() { shortClips = true; }

    // Runs the steps one a tick while the match runs in a half; a step
    // that returns false is tried again at the next tick.
    CFixture& RunSteps(uint32_t seed, std::vector<std::function<bool(CHighScreen&)>> steps) {
        size_t next = 0;
        CFixture& f = PlayThrough(seed, [&](CHighScreen& p) {
            if (watch) watch(p);
            if (next >= steps.size() || p.m_bPaused || p.m_bChoosing || (p.m_nPhase != 1 && p.m_nPhase != 3)) return;
            if (p.m_nFastPlay || p.m_nFinished) return;
            if (steps[next](p)) ++next;
        });
        stepsDone = next;
        stepsTotal = steps.size();
        return f;
    }
    // A point of the page for input.
    Point At(int x, int y) { return OnMain(x, y); }
    void Drag(int x0, int y0, int x1, int y1) {
        backend->Press(At(x0, y0));
        backend->MoveTo(At((x0 + x1) / 2, (y0 + y1) / 2));
        backend->MoveTo(At(x1, y1));
        backend->Release(At(x1, y1));
    }
    static int HomeRowY(int row) { return 225 + 36 + 17 * row + 8; }

    size_t stepsDone = 0, stepsTotal = 0;
    // Runs at every tick of the match page, before the steps.
    std::function<void(CHighScreen&)> watch;
};

TEST_F(HighScreenControls, SubstitutionsDraggedBothWaysAndASwapOfStartersReachTheEngineAndTheClip) {
    MakeHuman(Club(0));
    struct Sub {
        int off = -1, on = -1;
        int32_t offId = 0, onId = 0;
        int position = -1;
        bool checked = false;
        std::vector<FlcPendingSubstitution> pending;
    } bench, pitch;
    int32_t swapA = 0, swapB = 0;
    bool swapChecked = false;
    size_t pendingBeforeSwap = 0, pendingAfterSwap = 0;
    int phaseOfFirst = -1;
    auto dragFor = [&](Sub& s, int fromRow, int toRow) {
        return [&, fromRow, toRow](CHighScreen& p) {
            s.off = fromRow < 11 ? fromRow : toRow;
            s.on = fromRow < 11 ? toRow : fromRow;
            s.offId = Club(0).GetPlayerId(s.off);
            s.onId = Club(0).GetPlayerId(s.on);
            s.position = p.GetMatchPlay()->GetHomeMatchPlayerPosition(s.on);
            if (phaseOfFirst < 0) phaseOfFirst = p.m_nPhase;
            Drag(100, HomeRowY(fromRow), 100, HomeRowY(toRow));
            backend->Call([&, page = &p] {
                s.pending = page->FlcState().pending;
                s.checked = true;
            });
            return true;
        };
    };
    CFixture& f = RunSteps(
        11, {[&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 3; },
             dragFor(bench, 11, 5),  // from the bench onto a starter
             [&](CHighScreen&) { return bench.checked; },
             dragFor(pitch, 6, 12),  // a starter dropped on the bench
             [&](CHighScreen&) { return pitch.checked; },
             [&](CHighScreen& p) {
                 swapA = Club(0).GetPlayerId(2);
                 swapB = Club(0).GetPlayerId(3);
                 pendingBeforeSwap = p.FlcState().pending.size();
                 Drag(100, HomeRowY(2), 100, HomeRowY(3));
                 backend->Call([&, page = &p] {
                     pendingAfterSwap = page->FlcState().pending.size();
                     swapChecked = true;
                 });
                 return true;
             },
             [&](CHighScreen&) { return swapChecked; }});
    ASSERT_EQ(stepsDone, stepsTotal);
    ExpectCompleteFixture(f);
    for (const Sub* s : {&bench, &pitch}) {
        SCOPED_TRACE(s == &bench ? "from the bench" : "onto the bench");
        // The player from the bench now stands in the starter's slot.
        EXPECT_EQ(Club(0).GetPlayerId(s->off), s->onId);
        EXPECT_EQ(Club(0).GetPlayerId(s->on), s->offId);
        // The clip request at the end of the list: the side and half's kind
        // and the position of the player coming on, read before the change.
        ASSERT_FALSE(s->pending.empty());
        EXPECT_EQ(s->pending.back().flags, phaseOfFirst == 1 ? 0 : 2);
        EXPECT_EQ(s->pending.back().position, std::clamp(s->position, 0, 3));
    }
    EXPECT_EQ(Engine().GetHomeSubstitutesUsed(), 2);
    // Two starters changing places is no substitution and asks no clip.
    EXPECT_EQ(Club(0).GetPlayerId(2), swapB);
    EXPECT_EQ(Club(0).GetPlayerId(3), swapA);
    EXPECT_EQ(pendingAfterSwap, pendingBeforeSwap);
}

TEST_F(HighScreenControls, TheCardTheStripTheFormationTableTheTacticsAndTheSwitchesAnswerTheMouse) {
    MakeUser(Club(0), 0);
    CHumanManager* manager = Club(0).GetHumanManager();
    ASSERT_TRUE(manager);
    ASSERT_GE(manager->GetTacticCount(), 2);
    int formationChosen = -1, formationBefore = -1, formationRow = -1;
    int instructionFormation = -1;
    std::vector<std::string> failures;
    auto expect = [&](bool ok, const char* what) {
        if (!ok) failures.push_back(what);
    };
    auto click = [&](int x, int y) { ClickPage(x, y); };
    CFixture& f = RunSteps(
        13,
        {[&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 2; },
         // A release on the row it was pressed on opens the card.
         [&](CHighScreen&) { click(100, HomeRowY(4)); return true; },
         [&](CHighScreen& p) {
             expect(p.m_nPanelView[0] == 1 && p.m_nCardPlayer[0] == 4, "the card opens on row 4");
             click(14 + 8, 225 + 6 + 8);  // "Previous player"
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nCardPlayer[0] == 3, "previous player");
             click(132 + 10, 225 + 243);  // the second tab
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nCardTab[0] == 1, "the tactics tab");
             instructionFormation = p.SelectedFormation(0);
             click(20 + 30 * 3 + 6, 225 + 254 + 6);  // aggression level 3
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_InstructionButtons[0][3].state == 1, "the instruction button pressed");
             click(15 + 10, 225 + 32 + 8);  // "Praise"
             return true;
         },
         [&](CHighScreen& p) {
             const FlcPlayerState& s = p.FlcState();
             // Either still waiting or already started: the touchline is used.
             expect(p.m_bTouchlineUsed[0] == 1 || s.extraClip == 315, "praise asks its clip");
             click(100, 225 + 200);  // closes the card
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nPanelView[0] == 0, "the card closes");
             click(210 + 300, 493 + 20);  // section 6 "Tactics"
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nSection == 6, "section 6");
             click(210 + 323 + 6, 225 + 32 + 6);  // highest aggression
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.GetMatchPlay()->GetHomeAggression() == 9, "highest aggression is 9");
             click(210 + 261 + 6, 225 + 32 + 6);  // the middle one
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.GetMatchPlay()->GetHomeAggression() == 4, "the middle level is 4");
             click(210 + 202 + 6, 225 + 73 + 6);  // lowest attacking bias
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.GetMatchPlay()->GetHomeBias() == 0, "the lowest level is 0");
             formationBefore = p.GetMatchPlay()->GetHomeOffsideTrap();
             click(210 + 327 + 5, 225 + 92 + 5);  // "Use offside trap"
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.GetMatchPlay()->GetHomeOffsideTrap() != formationBefore, "the offside trap toggles");
             click(210 + 323 + 6, 225 + 136 + 6);  // the attacking free-kick taker up
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nTakers[0] == 11, "the free-kick taker 10 -> 11");
             click(210 + 230, 493 + 20);  // section 5 "Formation"
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nSection == 5, "section 5");
             formationBefore = p.GetMatchPlay()->GetCurrentFormation(0);
             // The list shows its rows from the scroll bar's position, which
             // starts at the current formation: a visible row other than it.
             const int top = p.m_FormationBar[0].position;
             formationChosen = formationBefore == top ? top + 1 : top;
             formationRow = formationChosen - top;
             click(210 + 16 + 30, 225 + 72 + 23 * formationRow + 8);
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.GetMatchPlay()->GetCurrentFormation(0) == formationChosen, "the formation chosen");
             // A click on the selected row keeps it selected.
             click(210 + 16 + 30, 225 + 72 + 23 * (formationChosen - p.m_FormationBar[0].position) + 8);
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.SelectedFormation(0) == formationChosen &&
                        p.m_FormationTable[0].selected[static_cast<size_t>(formationChosen)] == 1,
                    "the selection never empties");
             click(210 + 20, 493 + 20);  // section 0 "Power Bars"
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_nSection == 0, "section 0");
             click(210 + 8 + 6, 225 + 102 + 6);  // the home midfield switch
             return true;
         },
         [&](CHighScreen& p) {
             expect(p.m_bPowerSwitch[0][2] == 0, "the switch turns off");
             return true;
         }});
    ASSERT_EQ(stepsDone, stepsTotal);
    EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
    ExpectCompleteFixture(f);
    ASSERT_GE(instructionFormation, 0);
    // Row 3's player is the third outfield player: index 2 in the table.
    EXPECT_EQ(manager->m_Instructions[0][static_cast<size_t>(instructionFormation)][2], 3);
}

// The tips: over the run button (its word follows the pause), the strip's
// sections and the tactics view's level buttons, each shown about a second
// after the pointer stops and hidden once it leaves for a point with none.
TEST_F(HighScreenControls, TipsShowOverTheRunButtonTheStripsSectionsAndTheTacticsLevels) {
    MakeHuman(Club(0));
    int waited = 0;
    std::vector<std::string> seen;
    auto moveTo = [&](int x, int y) {
        return [&, x, y](CHighScreen&) {
            backend->MoveTo(At(x, y));
            waited = 0;
            return true;
        };
    };
    // About a second and a half: the tip shows at the 18th tick.
    auto record = [&](CHighScreen& p) {
        if (++waited < 25) return false;
        const SurfaceToolTip& t = p.SurfaceWidgets().tip;
        seen.push_back(t.shown ? t.text + "@" + std::to_string(p.m_nTipPanel) : "(none)");
        return true;
    };
    CFixture& f = RunSteps(
        14, {[&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 2; },
             moveTo(25, 96), record,
             moveTo(210 + 161, 493 + 20), record,
             [&](CHighScreen&) { ClickPage(210 + 296, 493 + 20); return true; },  // "Tactics"
             moveTo(210 + 323 + 6, 225 + 32 + 6), record,
             moveTo(210 + 232 + 6, 225 + 73 + 6), record,
             moveTo(210 + 100, 225 + 250), record});
    ASSERT_EQ(stepsDone, stepsTotal);
    ExpectCompleteFixture(f);
    const std::vector<std::string> want = {
        platform::LoadString(hstext::kPauseMatch) + "@" + std::to_string(kScorePanel),
        platform::LoadString(hstext::kSections + 3) + "@" + std::to_string(kStrip),
        platform::LoadString(hstext::kLevelTips + 4) + "@" + std::to_string(kPerformance),
        platform::LoadString(hstext::kLevelTips + 6) + "@" + std::to_string(kPerformance),
        "(none)"};
    EXPECT_EQ(seen, want);
    for (const std::string& w : want) EXPECT_NE(w.rfind("@", 0), 0u) << "a tip with no words";
}

}  // namespace
}  // namespace hstest

namespace hstest {
namespace {

using namespace highscreen;

// Two human managers meet: the away panel takes drags and its card asks
// its touchline clip in the away colours, the formation and tactics views
// switch sides, and an away penalty is taken on the away card and counts
// for the away side.
TEST_F(HighScreenControls, WhenTwoHumanManagersMeetEachPanelWorksForItsOwnSide) {
    MakeUser(Club(0), 0);
    MakeUser(Club(1), 1);
    bool penaltySeen = false, stepsSeen = false;
    for (uint32_t seed = 1; seed <= 30 && !(penaltySeen && stepsSeen); ++seed) {
        int32_t offId = 0, onId = 0;
        int extraClip = -1, extraSide = -1, formationSide = -1, tacticsSide = -1;
        int awayOutcome = -1, awayGoalsBefore = -1;
        bool awayChoice = false, buttonsRight = false, swapped = false;
        watch = [&](CHighScreen& p) {
            if (!awayChoice && p.m_bChoosing && p.m_nChoiceState == 0 && p.m_nPenaltySide == 1) {
                awayChoice = true;
                awayOutcome = p.m_nPenaltyOutcome;
                awayGoalsBefore = p.GetMatchPlay()->GetFixture()->m_AwayGoals;
                buttonsRight = (p.m_CardButtons[1][2].flags & kSbHidden) == 0 &&
                               (p.m_CardButtons[0][2].flags & kSbHidden) != 0;
            }
        };
        takePenaltyClicks.clear();
        CFixture& f = RunSteps(
            seed,
            {[&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 2; },
             [&](CHighScreen&) {
                 offId = Club(1).GetPlayerId(7);
                 onId = Club(1).GetPlayerId(11);
                 Drag(575 + 100, HomeRowY(11), 575 + 100, HomeRowY(7));
                 backend->Call([&] { swapped = Club(1).GetPlayerId(7) == onId && Club(1).GetPlayerId(11) == offId; });
                 return true;
             },
             [&](CHighScreen&) { ClickPage(575 + 100, HomeRowY(3)); return true; },  // the away card
             [&](CHighScreen& p) {
                 ClickPage(575 + 8 + 10, 225 + 32 + 8);  // "Praise" on the away card
                 backend->Call([&, page = &p] {
                     extraClip = page->FlcState().extraClip;
                     extraSide = page->FlcState().extraSide;
                 });
                 return true;
             },
             [&](CHighScreen&) { ClickPage(210 + 230, 493 + 20); return true; },  // "Formation"
             [&](CHighScreen&) { ClickPage(210 + 270, 225 + 10); return true; },  // the away tab
             [&](CHighScreen& p) {
                 formationSide = p.m_nFormationSide;
                 ClickPage(210 + 300, 493 + 20);  // "Tactics"
                 return true;
             },
             [&](CHighScreen&) { ClickPage(210 + 270, 225 + 10); return true; },
             [&](CHighScreen& p) {
                 tacticsSide = p.m_nTacticsSide;
                 return true;
             }});
        watch = {};
        SCOPED_TRACE(seed);
        ExpectCompleteFixture(f);
        if (stepsDone == stepsTotal && !stepsSeen) {
            stepsSeen = true;
            EXPECT_TRUE(swapped) << "the bench player came on in the away starter's slot";
            std::string line;
            Engine().GetAwaySubstitutionText(line, 0);
            EXPECT_NE(line.find(W().GetPlayer(onId)->GetName()), std::string::npos) << line;
            EXPECT_EQ(extraClip, 318);
            EXPECT_EQ(extraSide, 1) << "the away manager's clip in the away colours";
            EXPECT_EQ(formationSide, 1);
            EXPECT_EQ(tacticsSide, 1);
        }
        if (awayChoice) {
            penaltySeen = true;
            EXPECT_TRUE(buttonsRight) << "only the away card offers the penalty";
            if (awayOutcome == 0) {
                int awayPenaltyGoals = 0;
                for (int i = 0; i < f.m_Events.GetSize(); ++i)
                    if (f.m_Events.GetAt(i)->m_Type == CMatchEvent::kAwayPenaltyGoal) ++awayPenaltyGoals;
                EXPECT_GE(awayPenaltyGoals, 1);
                EXPECT_GT(f.m_AwayGoals, awayGoalsBefore);
            }
        }
    }
    EXPECT_TRUE(stepsSeen);
    EXPECT_TRUE(penaltySeen) << "no seed of the list brought the away side a penalty";
}

// Two users' clubs: a substitution dragged on each panel swaps the club's
// slots for the rest of the match; after it each club goes back to the order
// it had before its user's selection was applied (the selection itself is
// untouched), while the match keeps the substitution: its text, and the
// minutes of the player who went off and of the one who came on.
TEST_F(HighScreenControls, AfterTheMatchAUsersClubHasItsOwnOrderBackAndTheMatchKeepsTheSubstitution) {
    MakeUser(Club(0), 0);
    MakeUser(Club(1), 1);
    std::array<std::array<uint16_t, kSquadSlots>, 2> before{};
    for (int side = 0; side < 2; ++side)
        for (int s = 0; s < kSquadSlots; ++s) before[size_t(side)][size_t(s)] = Club(side).GetPlayerId(s);
    std::array<uint16_t, 2> offId{}, onId{};
    std::array<int, 2> minute{-1, -1};
    std::array<bool, 2> heldAtFullTime{false, false};
    auto dragOn = [&](int side) {
        return [&, side](CHighScreen& p) {
            const int left = side == 0 ? 0 : 575;
            if (p.m_nPanelView[size_t(side)] != 0) {
                // A card left open by a penalty is closed first.
                ClickPage(left + 100, 225 + 200);
                return false;
            }
            offId[size_t(side)] = Club(side).GetPlayerId(7);
            onId[size_t(side)] = Club(side).GetPlayerId(11);
            minute[size_t(side)] = p.GetMatchPlay()->GetMinute();
            Drag(left + 100, HomeRowY(11), left + 100, HomeRowY(7));
            return true;
        };
    };
    watch = [&](CHighScreen& p) {
        if (p.m_nMode == 1 && p.m_nFinished != 0)
            for (int side = 0; side < 2; ++side)
                heldAtFullTime[size_t(side)] = onId[size_t(side)] != 0 && Club(side).GetPlayerId(7) == onId[size_t(side)];
    };
    CFixture& f = RunSteps(
        21, {[&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 20; }, dragOn(1),
             [&](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 30; }, dragOn(0)});
    watch = {};
    ASSERT_EQ(stepsDone, stepsTotal);
    ExpectCompleteFixture(f);
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE(side == 0 ? "home" : "away");
        EXPECT_TRUE(heldAtFullTime[size_t(side)]) << "the slots hold the substitution while the match stands";
        for (int s = 0; s < kSquadSlots; ++s)
            EXPECT_EQ(Club(side).GetPlayerId(s), before[size_t(side)][size_t(s)]) << "slot " << s;
        std::string line;
        if (side == 0) Engine().GetHomeSubstitutionText(line, 0);
        else Engine().GetAwaySubstitutionText(line, 0);
        EXPECT_NE(line.find(W().GetPlayer(onId[size_t(side)])->GetName()), std::string::npos) << line;
        EXPECT_NE(line.find(W().GetPlayer(offId[size_t(side)])->GetName()), std::string::npos) << line;
        const CPlayer* off = W().GetPlayer(offId[size_t(side)]);
        const CPlayer* on = W().GetPlayer(onId[size_t(side)]);
        EXPECT_GE(off->m_MinutesLastMatch, minute[size_t(side)]);
        EXPECT_LT(off->m_MinutesLastMatch, f.m_ScriptLength);
        EXPECT_GT(on->m_MinutesLastMatch, 0);
        EXPECT_EQ(off->m_MinutesLastMatch + on->m_MinutesLastMatch, f.m_ScriptLength);
    }
}

}  // namespace
}  // namespace hstest

namespace hstest {
namespace {

using namespace highscreen;

// The card's own rules, pressed at its buttons: "Previous player" on row 0
// and "Next player" on the last row stay; the touchline actions show for a
// human side's starters only; an instruction outside 0-5 read from a saved
// game presses the row's first button ("use the team setting").
TEST_F(HighScreenPage, TheCardKeepsItsEndsShowsTouchlineActionsForStartersAndReadsBadInstructionsAsTheTeams) {
    CHumanManager& user = MakeUser(Club(0), 0);
    int afterPrevious = -1, afterNext = -1, last = -1;
    bool starterShows = false, benchHidden = false, computerHidden = false;
    int pressedOfBadRow = -1;
    OpenAndInspect([&](CHighScreen& p) {
        p.Proceed();
        p.m_nPhase = 1;
        p.OpenCard(0, 0);
        p.PressPlayerCard(0, 14 + 4, 6 + 4);
        afterPrevious = p.m_nCardPlayer[0];
        last = p.m_nSquadSlots - 1;
        while (last > 0 && !p.IsFilledRow(0, last)) --last;
        p.OpenCard(0, last);
        p.PressPlayerCard(0, 178 + 4, 6 + 4);
        afterNext = p.m_nCardPlayer[0];
        p.OpenCard(0, 5);
        starterShows = (p.m_CardButtons[0][3].flags & kSbHidden) == 0;
        p.OpenCard(0, 12);
        benchHidden = (p.m_CardButtons[0][3].flags & kSbHidden) != 0;
        p.OpenCard(1, 5);
        computerHidden = (p.m_CardButtons[1][3].flags & kSbHidden) != 0;
        const int formation = p.SelectedFormation(0);
        user.m_Instructions[1][static_cast<size_t>(formation)][3] = 7;
        p.OpenCard(0, 4);
        for (int k = 0; k < 6; ++k)
            if (p.m_InstructionButtons[0][static_cast<size_t>(6 + k)].state) pressedOfBadRow = k;
    });
    EXPECT_EQ(afterPrevious, 0);
    EXPECT_EQ(afterNext, last);
    EXPECT_TRUE(starterShows);
    EXPECT_TRUE(benchHidden);
    EXPECT_TRUE(computerHidden);
    EXPECT_EQ(pressedOfBadRow, 0);
}

}  // namespace
}  // namespace hstest
