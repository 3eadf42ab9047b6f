#pragma once
// The running program with a world of clubs for the match-day page: the
// real view, its screen manager and the page opened for a human manager's
// match through the engine, driven by scripted input on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/gfx/png.h"
#include "platform/random.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "screens/highscreen.h"
#include "screens/pages.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
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
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        backend->SetEndWhenScriptDone(false);
        app = std::make_unique<CBrixholmApp>();
        ASSERT_TRUE(app->InitInstance({}));
        RegisterGamePages();
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
        Engine().PlayLeagueMatch(&f, &Div(), "League");
        backend->SetTimerAction({});
        return f;
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
    int ticks = 0;
    static constexpr int kMaxTicks = 6000;
};

}  // namespace hstest
