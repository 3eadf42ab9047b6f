// A human manager's league match the whole way in the running program, over
// the two-frame clips: Skip to Next Match Date to his match day, "Play
// Match" on the tool bar, the intro page's views and the team sheet's scroll,
// every touchline control in play, the result page's three views, and the
// day going on to the newspaper afterwards.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/random.h"
#include "screens/highscreen.h"
#include "screens/pages.h"
#include "shell/flcplayer.h"
#include "shell/screenglobals.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/player.h"
#include "support/app_fixture.h"
#include "support/game_driver.h"

using namespace platform::win;

namespace {

using namespace highscreen;

constexpr uint8_t kLeagueDayCountry = 150;
constexpr uint32_t kLeagueDayPlayMatch = 19423, kLeagueDaySkip = 19424;
constexpr int kLeagueDayNewspaper = 86;

class HighScreenLeagueDay : public testsupport::HeadlessAppTest {
protected:
    void StartGame() {
        game = std::make_unique<testsupport::GameDriver>(std::vector<uint8_t>{kLeagueDayCountry});
        club = game->HumanManagesTopClub(kLeagueDayCountry);
        ASSERT_NE(club, nullptr);
        // The two-frame clips stand in for the real ones.
        platform::SetInstallFolder(testenv::GameDir() / "shortclips");
        platform::SetDiscFolder(testenv::GameDir());
        RegisterGamePages();
        StartApp();
        // Every box the days bring is answered with its first button.
        answerBox = [this] {
            backend->Key(VK_RETURN, 10);
            backend->OnModalShown(answerBox);
        };
        backend->OnModalShown(answerBox);
        backend->SetEndWhenScriptDone(false);
        Command(19410);
    }
    void EndGame() {
        if (!game) return;
        backend->SetTimerAction({});
        StopApp();
        game.reset();
    }
    void TearDown() override { EndGame(); }
    CWorldData& W() { return game->World(); }
    bool PlaysToday() {
        CManager* m = W().GetManagerList().GetAt(club->GetManager());
        CFixtureInfo info;
        return m && m->FindMatchOn(W().GetMatchDay(), info);
    }
    CHighScreen* Page() { return manager ? dynamic_cast<CHighScreen*>(manager->GetCurrentPage()) : nullptr; }
    Point OnMain(CHighScreen& p, int x, int y) {
        return app->GetMainFrame()->ScreenToClient(p.ClientToScreen(Point{x, y}));
    }
    void Click(CHighScreen& p, int x, int y) { backend->Click(OnMain(p, x, y)); }
    void Drag(CHighScreen& p, int x0, int y0, int x1, int y1) {
        backend->Press(OnMain(p, x0, y0));
        backend->MoveTo(OnMain(p, (x0 + x1) / 2, (y0 + y1) / 2));
        backend->MoveTo(OnMain(p, x1, y1));
        backend->Release(OnMain(p, x1, y1));
    }
    static int RowY(int row) { return 225 + 36 + 17 * row + 8; }

    std::function<void()> answerBox;
    std::unique_ptr<testsupport::GameDriver> game;
    CClub* club = nullptr;

    // One match day of a new game whose day draws start from the clock's
    // seed; every check of the road. Whether his side was given a penalty
    // (and took it) comes back.
    void PlayTheDay(int64_t clockSeed, bool& penaltySeen) {
        for (int skips = 0; skips < 12 && !PlaysToday(); ++skips) Command(kLeagueDaySkip);
        ASSERT_TRUE(PlaysToday()) << "Skip to Next Match Date reaches the club's match day";
        CHumanManager* user = W().GetUser(0);
        ASSERT_NE(user, nullptr);
        // His team sheet: the club's own pick of the fit men, numbered 1 to 16.
        club->SelectTeam(5);
        user->ResetSelection();
        ASSERT_TRUE(user->CheckTeamReady());
        // The other clubs of the division play with the highest aggression, so
        // that their bookings may bring his side a penalty.
        const CDivision* top = W().GetCountry(kLeagueDayCountry)->GetDivision(0);
        for (int c = top->GetFirstClub(); c < top->GetFirstClub() + top->GetClubCount(); ++c) {
            CClub* other = W().GetClub(c);
            if (!other || other == club) continue;
            std::array<uint8_t, 5> settings = other->GetMatchInstructions();
            settings[4] = 9;
            other->SetMatchInstructions(settings);
        }

        std::vector<std::string> failures;
        auto expect = [&](bool ok, const std::string& what) {
            if (!ok) failures.push_back(what);
        };
        CFixture* fixture = nullptr;
        int side = -1;  // the human club's side
        long ticks = 0;
        int introStep = 0, resultStep = 0, lastBanner = -1, sectionsSeen = 0;
        bool penaltyChosen = false;
        int32_t penaltyPlayer = -1;
        int instructionFormation = -1, formationChosen = -1;
        struct Sub {
            int off = -1, on = -1;
            uint16_t offId = 0, onId = 0;
        };
        std::array<Sub, 2> subs;
        bool subsHeldAtFullTime = false;
        std::array<std::string, 2> subLines;
        int scoreAhead = 0, refused = 0;
        std::array<int, 3> resultViews{-1, -1, -1};

        // The steps in play, one a tick while the match runs in a half; a step
        // that returns false is tried again at the next tick.
        auto left = [&] { return side == 0 ? 0 : 575; };
        std::vector<std::function<bool(CHighScreen&)>> steps;
        steps.push_back([](CHighScreen& p) { return p.GetMatchPlay()->GetMinute() >= 2; });
        steps.push_back([&](CHighScreen& p) {
            // Space holds the match and space again lets it run.
            backend->Key(VK_SPACE);
            backend->Call([&, page = &p] { expect(page->m_bPaused && page->m_nMatchState == kBannerPaused, "space pauses"); });
            backend->Key(VK_SPACE);
            backend->Call([&, page = &p] { expect(!page->m_bPaused, "space resumes"); });
            return true;
        });
        static constexpr int kSectionEdges[9] = {0, 49, 94, 139, 183, 229, 274, 318, 365};
        for (int s = 0; s < 8; ++s) {
            steps.push_back([&, s](CHighScreen& p) {
                Click(p, 210 + (kSectionEdges[s] + kSectionEdges[s + 1]) / 2, 493 + 20);
                backend->Call([&, s, page = &p] {
                    expect(page->m_nSection == s, "section " + std::to_string(s));
                    if (page->m_nSection == s) ++sectionsSeen;
                });
                return true;
            });
        }
        // A formation from the formation table (section 5).
        steps.push_back([&](CHighScreen& p) { Click(p, 210 + (229 + 274) / 2, 493 + 20); return true; });
        steps.push_back([&](CHighScreen& p) {
            const int before = p.GetMatchPlay()->GetCurrentFormation(side);
            const int top = p.m_FormationBar[static_cast<size_t>(side)].position;
            formationChosen = before == top ? top + 1 : top;
            Click(p, 210 + 16 + 30, 225 + 72 + 23 * (formationChosen - top) + 8);
            backend->Call([&, page = &p] {
                expect(page->GetMatchPlay()->GetCurrentFormation(side) == formationChosen, "the formation chosen");
            });
            return true;
        });
        // Tactics (section 6): a level button of each group, both check boxes.
        steps.push_back([&](CHighScreen& p) { Click(p, 210 + (274 + 318) / 2, 493 + 20); return true; });
        for (int g = 0; g < 3; ++g) {
            steps.push_back([&, g](CHighScreen& p) {
                const SurfaceButton& b = g_LevelButtons[static_cast<size_t>(g * 5 + 4)];
                Click(p, 210 + b.x + 6, 225 + b.y + 6);
                backend->Call([&, g, page = &p] {
                    CMatchPlay& e = *page->GetMatchPlay();
                    const int v = g == 0 ? (side == 0 ? e.GetHomeAggression() : e.GetAwayAggression())
                                  : g == 1 ? (side == 0 ? e.GetHomeBias() : e.GetAwayBias())
                                           : (side == 0 ? e.GetHomePassingStyle() : e.GetAwayPassingStyle());
                    expect(v == 9, "the highest level of group " + std::to_string(g));
                });
                return true;
            });
        }
        for (int box = 0; box < 2; ++box) {
            steps.push_back([&, box](CHighScreen& p) {
                CMatchPlay& e = *p.GetMatchPlay();
                const int before = box == 0 ? (side == 0 ? e.GetHomeOffsideTrap() : e.GetAwayOffsideTrap())
                                            : (side == 0 ? e.GetHomeOnTheBreak() : e.GetAwayOnTheBreak());
                const SurfaceButton& b = p.m_TacticsButtons[static_cast<size_t>(side)][static_cast<size_t>(box)];
                Click(p, 210 + b.x + 5, 225 + b.y + 5);
                backend->Call([&, box, before, page = &p] {
                    CMatchPlay& m = *page->GetMatchPlay();
                    const int now = box == 0 ? (side == 0 ? m.GetHomeOffsideTrap() : m.GetAwayOffsideTrap())
                                             : (side == 0 ? m.GetHomeOnTheBreak() : m.GetAwayOnTheBreak());
                    expect(now != before, "check box " + std::to_string(box));
                });
                return true;
            });
        }
        // A starter's card: the tactics tab, an instruction button, "Praise".
        steps.push_back([&](CHighScreen& p) {
            if (p.m_nPanelView[static_cast<size_t>(side)] != 0) {
                Click(p, left() + 100, 225 + 200);
                return false;
            }
            Click(p, left() + 100, RowY(3));
            return true;
        });
        steps.push_back([&](CHighScreen& p) {
            Click(p, left() + (side == 0 ? 132 : 117) + 10, 225 + 243);
            return true;
        });
        steps.push_back([&](CHighScreen& p) {
            expect(p.m_nCardTab[static_cast<size_t>(side)] == 1, "the card's tactics tab");
            instructionFormation = p.SelectedFormation(side);
            const SurfaceButton& b = p.m_InstructionButtons[static_cast<size_t>(side)][3];
            Click(p, left() + b.x + 6, 225 + b.y + 6);
            return true;
        });
        steps.push_back([&](CHighScreen& p) {
            const SurfaceButton& b = p.m_CardButtons[static_cast<size_t>(side)][3];
            Click(p, left() + b.x + 10, 225 + b.y + 8);
            backend->Call([&, page = &p] {
                expect(page->m_bTouchlineUsed[static_cast<size_t>(side)] == 1 || page->FlcState().extraClip >= 314,
                       "praise asks its clip");
            });
            return true;
        });
        // Two substitutions by drag: from the bench onto a starter, and a
        // starter onto the bench.
        for (int k = 0; k < 2; ++k) {
            steps.push_back([&, k](CHighScreen& p) {
                if (p.m_nPanelView[static_cast<size_t>(side)] != 0) {
                    Click(p, left() + 100, 225 + 200);
                    return false;
                }
                const int from = k == 0 ? 11 : 6, to = k == 0 ? 5 : 12;
                Sub& s = subs[static_cast<size_t>(k)];
                s.off = std::min(from, to);
                s.on = std::max(from, to);
                s.offId = club->GetPlayerId(s.off);
                s.onId = club->GetPlayerId(s.on);
                Drag(p, left() + 100, RowY(from), left() + 100, RowY(to));
                backend->Call([&, k] {
                    const Sub& t = subs[static_cast<size_t>(k)];
                    expect(club->GetPlayerId(t.off) == t.onId, "substitution " + std::to_string(k));
                });
                return true;
            });
        }
        size_t next = 0;

        auto tick = [&](CHighScreen& p) {
            if (++ticks > 8000) {
                failures.push_back("the match did not end");
                p.GetMatchPlay()->SetState(CMatchPlay::kLeft);
                return;
            }
            CMatchPlay& e = *p.GetMatchPlay();
            if (!fixture) {
                fixture = e.GetFixture();
                side = e.GetManagerKind(0) == 1 ? 0 : 1;
            }
            if (p.m_nMode == 0) {
                // "Home Team", a scroll of the sheet, "Away Team", "Match", "Proceed".
                switch (introStep++) {
                    case 0: Click(p, 298 + 72, 477 + 10); break;
                    case 1:
                        expect(p.m_nView == 1, "the home team sheet");
                        Click(p, 513 + 15, 176 + 276 - 8);
                        break;
                    case 2:
                        expect(g_TeamSheetBar.position > 0, "the sheet scrolls");
                        Click(p, 454 + 72, 477 + 10);
                        break;
                    case 3:
                        expect(p.m_nView == 2, "the away team sheet");
                        Click(p, 138 + 72, 477 + 10);
                        break;
                    case 4:
                        expect(p.m_nView == 0, "the match view");
                        Click(p, 610 + 72, 477 + 10);
                        break;
                    default: break;
                }
                return;
            }
            if (p.m_nMode == 2) {
                // The three views, then "Proceed".
                if (resultStep < 3) {
                    if (resultStep > 0) resultViews[static_cast<size_t>(resultStep - 1)] = p.m_nView;
                    static constexpr int kViewX[3] = {298, 454, 138};
                    Click(p, kViewX[resultStep] + 72, 477 + 10);
                } else if (resultStep == 3) {
                    resultViews[2] = p.m_nView;
                    Click(p, 610 + 72, 477 + 10);
                }
                ++resultStep;
                return;
            }
            for (int s = 0; s < 2; ++s)
                if (p.GetDisplayedScore(s) > (s == 0 ? fixture->m_HomeGoals : fixture->m_AwayGoals)) ++scoreAhead;
            refused = p.m_nRefusedPushes;
            if (p.m_nFinished != 0 && !subsHeldAtFullTime && subs[1].onId != 0) {
                // Both who went off sit on the bench (one who came on may have
                // gone off again, hurt).
                subsHeldAtFullTime = club->FindSlotOfPlayer(subs[0].offId) >= 11 && club->FindSlotOfPlayer(subs[1].offId) >= 11;
                for (int k = 0; k < 2; ++k) {
                    if (side == 0) e.GetHomeSubstitutionText(subLines[static_cast<size_t>(k)], k);
                    else e.GetAwaySubstitutionText(subLines[static_cast<size_t>(k)], k);
                }
            }
            if (p.m_bChoosing) {
                // His side's penalty, or its shoot-out kickers: a starter's
                // card (from row 10 down, each kicker once), then "Take
                // Penalty".
                if (p.ChoosingSide() != side) return;
                int want = -1;
                for (int r = 10; r >= 1 && want < 0; --r) {
                    if (!e.CanPlayerContinue(side, r)) continue;
                    bool chosen = false;
                    for (int k = 0; k < p.m_nTakersChosen; ++k)
                        chosen = chosen || p.m_Takers[static_cast<size_t>(k)].player == r;
                    if (p.m_nChoiceState == 0 || !chosen) want = r;
                }
                if (want < 0) return;
                const size_t sd = static_cast<size_t>(side);
                if (p.m_nPanelView[sd] == 0) {
                    Click(p, left() + 100, RowY(want));
                } else if (p.m_nCardPlayer[sd] != want) {
                    Click(p, left() + 100, 225 + 100);
                } else {
                    if (p.m_nChoiceState == 0) {
                        penaltyChosen = true;
                        penaltyPlayer = club->GetPlayerId(want);
                    }
                    const SurfaceButton& b = p.m_CardButtons[sd][2];
                    Click(p, left() + b.x + 20, 225 + b.y + 8);
                }
                return;
            }
            if (p.m_bPaused && p.m_nMatchState != lastBanner) {
                // Play after each banner: the run button at half and full time,
                // the space bar otherwise.
                lastBanner = p.m_nMatchState;
                if (p.m_nMatchState == kBannerHalfTime || p.m_nMatchState == kBannerFullTime)
                    Click(p, 25, 96);
                else
                    backend->Key(VK_SPACE);
                return;
            }
            if (!p.m_bPaused) lastBanner = -1;
            if (next >= steps.size() || p.m_bPaused || (p.m_nPhase != 1 && p.m_nPhase != 3) || p.m_nFinished) return;
            if (steps[next](p)) ++next;
        };
        backend->SetTimerAction([&](uint32_t, uint32_t id) {
            CHighScreen* p = Page();
            if (p && id == p->GetTimerId() && id != 0 && p->GetMatchPlay()->GetState() < CMatchPlay::kLeft) tick(*p);
        });
        platform::SetRandomClock([clockSeed] { return int64_t(936000000) + clockSeed; });
        Command(kLeagueDayPlayMatch);
        backend->SetTimerAction({});

        EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
        EXPECT_EQ(next, steps.size()) << "every step of play was taken";
        EXPECT_EQ(sectionsSeen, 8);
        EXPECT_GE(introStep, 5);
        EXPECT_EQ(resultViews, (std::array<int, 3>{1, 2, 0})) << "scores, statistics, the result";
        EXPECT_EQ(g_nCurrentScreen, kLeagueDayNewspaper) << "the day ends on the newspaper";
        ASSERT_NE(fixture, nullptr);
        EXPECT_TRUE(fixture->HasBeenPrepared());
        EXPECT_EQ(fixture->m_HomeGoals, fixture->m_Events.CountHomeGoals(130));
        EXPECT_EQ(fixture->m_AwayGoals, fixture->m_Events.CountAwayGoals(130));
        EXPECT_EQ(scoreAhead, 0) << "a goal shown before its clip";
        EXPECT_EQ(refused, 0) << "a clip the queue could not take";
        // Both substitutions: the club's slots while the match stood, the
        // match's record, and the minutes of each player.
        EXPECT_TRUE(subsHeldAtFullTime);
        for (int k = 0; k < 2; ++k) {
            const Sub& s = subs[static_cast<size_t>(k)];
            SCOPED_TRACE(k);
            const CPlayer* off = W().GetPlayer(s.offId);
            const CPlayer* on = W().GetPlayer(s.onId);
            ASSERT_TRUE(off && on);
            EXPECT_NE(subLines[static_cast<size_t>(k)].find(on->GetName()), std::string::npos) << subLines[static_cast<size_t>(k)];
            EXPECT_NE(subLines[static_cast<size_t>(k)].find(off->GetName()), std::string::npos) << subLines[static_cast<size_t>(k)];
            EXPECT_GT(on->m_MinutesLastMatch, 0);
            EXPECT_EQ(off->m_MinutesLastMatch + on->m_MinutesLastMatch, fixture->m_ScriptLength);
        }
        // The formation chosen early in the first half played longest: the
        // engine settles the last formation's minutes before the end.
        ASSERT_EQ(W().GetMatchPlay()->GetFixture(), fixture) << "the page's match was the engine's last";
        ASSERT_GE(formationChosen, 0);
        EXPECT_EQ(W().GetMatchPlay()->GetLongestFormation(side), formationChosen);
        // The per-player instruction went into the manager's own table.
        ASSERT_GE(instructionFormation, 0);
        EXPECT_EQ(user->m_Instructions[0][static_cast<size_t>(instructionFormation)][2], 3);
        if (penaltyChosen) {
            EXPECT_EQ(club->GetDesignatedPlayer(1), penaltyPlayer) << "the chosen taker takes the next";
        }
        penaltySeen = penaltyChosen;
    }
};

TEST_F(HighScreenLeagueDay, PlayMatchFromTheToolBarRunsTheMatchOnThePageAndTheDayEndsOnTheNewspaper) {
    // The first seed of the list whose match brings his side a penalty.
    static constexpr int64_t kLeagueDayClockSeeds[] = {2, 5, 23, 29};
    bool penaltySeen = false;
    for (int64_t seed : kLeagueDayClockSeeds) {
        SCOPED_TRACE(seed);
        ASSERT_NO_FATAL_FAILURE(StartGame());
        ASSERT_NO_FATAL_FAILURE(PlayTheDay(seed, penaltySeen));
        EndGame();
        if (penaltySeen) break;
    }
    EXPECT_TRUE(penaltySeen) << "no seed of the list gave his side a penalty";
}

}  // namespace
