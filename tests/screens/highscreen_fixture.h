#pragma once
// The running program with a world of clubs for the match-day page: the
// real view, its screen manager and the page opened for a human manager's
// match through the engine, driven by scripted input on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>
#include <memory>

#include "platform/files.h"
#include "platform/gfx/png.h"
#include "platform/random.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/highscreen.h"
#include "shell/flcplayer.h"
#include "screens/pages.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"
#include "support/match_world.h"
#include "support/test_env.h"

namespace hstest {

using namespace platform::win;

class HighScreenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        world = std::make_unique<testsupport::MatchWorld>(11, [](int id) { return id == 9 || id == 10; });
        division = world->FirstLeagueDivision();
        ASSERT_GE(division, 0);
        if (shortClips) {
            // The two-frame clips stand in for the real ones; every other
            // file comes from the game folder.
            platform::SetInstallFolder(testenv::GameDir() / "shortclips");
            platform::SetDiscFolder(testenv::GameDir());
        }
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        backend->SetEndWhenScriptDone(false);
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        RegisterGamePages();
        highscreen::ForgetTypedKeys();
        // The model's boxes after a match (a suspension, an injury) are
        // answered from a table, so only the page's own loop runs.
        port = std::make_unique<ScriptedUserPort>();
        Drain();
    }
    void TearDown() override {
        SetMatchDriver(nullptr);
        backend->SetTimerAction({});
        port.reset();
        app.reset();
        Ui::Get().Stop();
        world.reset();
        if (shortClips) platform::ResetFolders();
    }
    void Drain() {
        for (int i = 0; i < 3; ++i) {
            Message m;
            while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
            app->GetMainFrame()->UpdateNow();
        }
    }

    CWorldData& W() { return world->World(); }
    CMatchPlay& Engine() { return *W().GetMatchPlay(); }
    CDivision& Div() { return *W().GetDivision(division); }
    CClub& Club(int offset) { return *W().GetClub(Div().GetFirstClub() + offset); }
    void MakeHuman(CClub& club) { W().GetManagerList().GetAt(club.GetManager())->m_IsHuman = 1; }
    // The club's manager becomes the user of a slot, with his own formations.
    CHumanManager& MakeUser(CClub& club, int slot) {
        MakeHuman(club);
        CHumanManager& user = *W().GetUserList().GetAt(slot);
        user.SetManagerIndex(club.GetManager());
        return user;
    }

    // The page on display when it is the match-day page.
    CHighScreen* Page() {
        CScreenManager* m = app->GetView()->GetScreenManager();
        return m ? dynamic_cast<CHighScreen*>(m->GetCurrentPage()) : nullptr;
    }
    // A point of the page in the main window's client, where input goes.
    Point OnMain(int x, int y) {
        CHighScreen* p = Page();
        if (!p) return {x, y};
        return app->GetMainFrame()->ScreenToClient(p->ClientToScreen(Point{x, y}));
    }
    void ClickPage(int x, int y) { backend->Click(OnMain(x, y)); }

    // Plays a league match of clubs 0 and 1 with the page; `onTick` runs
    // after every tick of the page's timer.
    CFixture& PlayLeague(uint32_t seed, const std::function<void(CHighScreen&)>& onTick) {
        platform::SeedRandom(seed);
        CFixture& f = world->LeagueFixture(division, 0, 1);
        PlayOnPage(onTick, [&] { Engine().PlayLeagueMatch(&f, &Div(), "League"); });
        return f;
    }
    // A cup tie of clubs 0 and 1 in a round that needs a winner on the day:
    // extra time, then penalties.
    CFixture& PlayCup(uint32_t seed, const std::function<void(CHighScreen&)>& onTick) {
        platform::SeedRandom(seed);
        world->RefillRotations();
        cupRound = std::make_unique<CCupRound>();
        cupRound->m_Kind = 1;
        cupRound->m_ReplaySlot = CCupRound::kNoReplay;
        cupFixture = std::make_unique<CFixture>(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub()),
                                                static_cast<int16_t>(Div().GetFirstClub() + 1), 5, 3, 0);
        // The round's other tie, when a test asks for one: clubs 2 and 3.
        if (otherTie)
            cupRound->m_Ties.AddFixture(CFixture::kCupHome, static_cast<int16_t>(Div().GetFirstClub() + 2),
                                        static_cast<int16_t>(Div().GetFirstClub() + 3), 5, 3, 0, 0);
        PlayOnPage(onTick, [&] { Engine().PlayCupTie(cupFixture.get(), nullptr, cupRound.get(), "Cup"); });
        return *cupFixture;
    }
    void PlayOnPage(const std::function<void(CHighScreen&)>& onTick, const std::function<void()>& play) {
        ticks = 0;
        backend->SetTimerAction([this, onTick](uint32_t, uint32_t id) {
            CHighScreen* p = Page();
            if (p && id == p->GetTimerId() && id != 0 && p->GetMatchPlay()->GetState() < CMatchPlay::kLeft) {
                // A match that stops moving fails here rather than hanging.
                if (++ticks > kMaxTicks) {
                    ADD_FAILURE() << "the match did not end: mode " << p->m_nMode << ", phase " << p->m_nPhase
                                  << ", paused " << int(p->m_bPaused) << ", banner " << p->m_nMatchState
                                  << ", minute " << p->GetMatchPlay()->GetMinute() << ", finished "
                                  << p->m_nFinished << ", running " << int(p->m_bRunning) << ", engine state " << int(p->GetMatchPlay()->GetState()) << ", modal depth " << Ui::Get().ModalDepth();
                    p->GetMatchPlay()->SetState(CMatchPlay::kLeft);
                    return;
                }
                onTick(*p);
            }
        });
        play();
        backend->SetTimerAction({});
    }
    void SaveShot(const std::string& name) {
        auto dir = testenv::BuildDir() / "screens-shots";
        std::filesystem::create_directories(dir);
        Ui::Get().PresentNow();
        platform::gfx::WritePng(backend->LastFrame(), dir / (name + ".png"));
    }

    std::unique_ptr<testsupport::MatchWorld> world;
    int division = -1;
    HeadlessBackend* backend = nullptr;
    std::unique_ptr<CBrixholmApp> app;
    std::unique_ptr<ScriptedUserPort> port;
    std::unique_ptr<CCupRound> cupRound;
    std::unique_ptr<CFixture> cupFixture;
    int ticks = 0;
    // Set by a test class's constructor: the page plays the short clips.
    bool shortClips = false;
    // Set by a test: a cup tie's round holds another tie.
    bool otherTie = false;
    static constexpr int kMaxTicks = 6000;
};

// The fixture's goals are the goals its event list records.
inline void ExpectCompleteFixture(const CFixture& f) {
    EXPECT_EQ(f.m_HomeGoals, f.m_Events.CountHomeGoals(130));
    EXPECT_EQ(f.m_AwayGoals, f.m_Events.CountAwayGoals(130));
    EXPECT_TRUE(f.HasBeenPrepared());
}

inline std::vector<int> QueuedClips(const CHighScreen& page) {
    std::vector<int> clips;
    const FlcPlayerState& f = page.FlcState();
    for (int i = f.readIndex; i != f.writeIndex; i = (i + 1) % FlcPlayerState::kQueueSize)
        clips.push_back(f.queue[static_cast<size_t>(i)].clip);
    return clips;
}

class HighScreenPage : public HighScreenFixture {
protected:
    // Opens the page for a league match, runs `inspect` at its first tick
    // and leaves; the engine then finishes the match on its own.
    CFixture& OpenAndInspect(const std::function<void(CHighScreen&)>& inspect) {
        return PlayLeague(5, InspectOnce(inspect));
    }
    // A tick action that runs `inspect` at the first tick and then ends the
    // match; `ran` (when given) tells whether it ran.
    static std::function<void(CHighScreen&)> InspectOnce(const std::function<void(CHighScreen&)>& inspect,
                                                         bool* ran = nullptr) {
        auto done = std::make_shared<bool>(false);
        return [done, inspect, ran](CHighScreen& p) {
            if (*done) return;
            *done = true;
            if (ran) *ran = true;
            inspect(p);
            p.GetMatchPlay()->SetState(CMatchPlay::kLeft);
        };
    }
    // A whole match through the real controls: "Proceed" on the intro page,
    // play after every banner, "Proceed" on the result page. `during` runs
    // at every tick of the match page.
    CFixture& PlayThrough(uint32_t seed, const std::function<void(CHighScreen&)>& during = {}, bool cup = false) {
        bool proceedClicked = false, leaveClicked = false;
        int lastBanner = -1;
        auto tick = [&](CHighScreen& p) {
            modesSeen.push_back(p.m_nMode);
            if (p.m_nMode == 0 && !proceedClicked) {
                proceedClicked = true;
                ClickPage(610 + 72, 477 + 10);
            } else if (p.m_nMode == 1) {
                if (during) during(p);
                if (p.m_bChoosing) {
                    if (!holdChoice) ChooseTakerStep(p);
                } else if (p.m_bPaused && p.m_nMatchState != lastBanner && !p.m_bChoosing) {
                    bannersSeen.push_back(p.m_nMatchState);
                    lastBanner = p.m_nMatchState;
                    backend->Key(VK_SPACE);
                } else if (!p.m_bPaused) {
                    lastBanner = -1;
                }
            } else if (p.m_nMode == 2 && !leaveClicked) {
                leaveClicked = true;
                resultScore = {p.GetDisplayedScore(0), p.GetDisplayedScore(1)};
                ClickPage(610 + 72, 477 + 10);
            }
        };
        return cup ? PlayCup(seed, tick) : PlayLeague(seed, tick);
    }

    // The row a choice of taker wants next: a penalty's taker is the last
    // starter who can play; the shoot-out's kickers run down from row 10.
    int WantedTaker(CHighScreen& p) {
        const int side = p.ChoosingSide();
        for (int r = 10; r >= 0; --r) {
            if (!p.GetMatchPlay()->CanPlayerContinue(side, r)) continue;
            bool chosen = false;
            for (int k = 0; k < p.m_nTakersChosen; ++k) chosen = chosen || p.m_Takers[static_cast<size_t>(k)].player == r;
            if (p.m_nChoiceState == 0 || !chosen) return r;
        }
        return -1;
    }
    // One click a tick towards the taker: his row opens the card, another
    // card is closed first, then "Take Penalty".
    void ChooseTakerStep(CHighScreen& p) {
        const int side = p.ChoosingSide();
        const int want = WantedTaker(p);
        const int left = side == 0 ? 0 : 575;
        if (want < 0) return;
        if (p.m_nPanelView[static_cast<size_t>(side)] == 0) {
            ClickPage(left + 100, 225 + 36 + 17 * want + 8);
        } else if (p.m_nCardPlayer[static_cast<size_t>(side)] != want) {
            ClickPage(left + 100, 225 + 100);
        } else {
            takePenaltyClicks.push_back(want);
            ClickPage(left + 10 + 20, 225 + 138 + 8);
        }
    }

    std::vector<int> modesSeen, bannersSeen, takePenaltyClicks;
    // Set by a test's tick action: the choice of taker waits.
    bool holdChoice = false;
    std::array<int, 2> resultScore{-1, -1};
};

}  // namespace hstest
