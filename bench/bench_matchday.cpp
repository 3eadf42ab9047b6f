// The match-day page, headless: one whole league match of a human manager
// played on the page over the real clips at the normal pace (ticks per
// second), the busiest tick's painting (every panel dirty, the power bars
// with their ten graphs) and the match page's surface loading.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/random.h"
#include "platform/trace.h"
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

// The match world reads the built game from here.
namespace testenv {
std::filesystem::path GameDir() { return VT_GAME_DIR; }
}  // namespace testenv

namespace {

using Clock = std::chrono::steady_clock;

struct MatchDayBenchFigures {
    long ticks = 0, clips = 0;
    double paintSeconds = 0, loadSeconds = 0;
    int paints = 0, loads = 0;
};

// Plays one league match between the first two clubs of the first league
// with the first club's manager human: "Proceed", play after every banner,
// the first starter takes any penalty, "Proceed" on the result page.
MatchDayBenchFigures PlayMatchDayOnThePage(bool measureTick) {
    using namespace platform::win;
    MatchDayBenchFigures out;
    testsupport::MatchWorld world(11, [](int id) { return id == 9 || id == 10; });
    const int division = world.FirstLeagueDivision();
    CWorldData& w = world.World();
    CDivision& div = *w.GetDivision(division);
    CClub& home = *w.GetClub(div.GetFirstClub());
    w.GetManagerList().GetAt(home.GetManager())->m_IsHuman = 1;
    auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
    HeadlessBackend* backend = b.get();
    Ui::Get().Start(std::move(b));
    backend->SetEndWhenScriptDone(false);
    {
        CBrixholmApp app;
        if (!app.InitInstance({})) return out;
        RegisterGamePages();
        ScriptedUserPort port;
        for (int i = 0; i < 3; ++i) {
            Message m;
            while (Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
            app.GetMainFrame()->UpdateNow();
        }
        auto page = [&]() -> CHighScreen* {
            CScreenManager* m = app.GetView()->GetScreenManager();
            return m ? dynamic_cast<CHighScreen*>(m->GetCurrentPage()) : nullptr;
        };
        auto click = [&](CHighScreen& p, int x, int y) {
            backend->Click(app.GetMainFrame()->ScreenToClient(p.ClientToScreen(Point{x, y})));
        };
        bool proceeded = false, left = false, measured = false;
        int lastBanner = -1;
        backend->SetTimerAction([&](uint32_t, uint32_t id) {
            CHighScreen* p = page();
            if (!p || id != p->GetTimerId() || id == 0 || p->GetMatchPlay()->GetState() >= CMatchPlay::kLeft) return;
            ++out.ticks;
            if (out.ticks > 200000) {
                p->GetMatchPlay()->SetState(CMatchPlay::kLeft);
                return;
            }
            if (p->m_nMode == 0 && !proceeded) {
                proceeded = true;
                click(*p, 610 + 72, 477 + 10);
            } else if (p->m_nMode == 1) {
                if (p->m_bChoosing) {
                    // The first starter who can play takes it.
                    const int side = p->ChoosingSide();
                    for (int r = 10; r >= 1; --r)
                        if (p->GetMatchPlay()->CanPlayerContinue(side, r)) {
                            p->m_nCardPlayer[static_cast<size_t>(side)] = r;
                            break;
                        }
                    p->OnTakePenalty(side);
                } else if (p->m_bPaused && p->m_nMatchState != lastBanner) {
                    lastBanner = p->m_nMatchState;
                    backend->Key(VK_SPACE);
                } else if (!p->m_bPaused) {
                    lastBanner = -1;
                }
                if (measureTick && !measured && p->GetMatchPlay()->GetMinute() >= 60) {
                    measured = true;
                    p->m_nSection = 0;
                    const auto t0 = Clock::now();
                    for (int i = 0; i < 200; ++i) {
                        p->m_bDirty.fill(1);
                        p->m_bClipFrameDirty = 1;
                        p->PaintHomePlayersPanel(true);
                        p->PaintAwayPlayersPanel(true);
                        p->PaintScorePanel(true);
                        p->PaintControlStrip(true);
                        p->DrawPerformancePanel(true);
                        p->PaintClipFrame(true);
                    }
                    out.paintSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
                    out.paints = 200;
                    const auto t1 = Clock::now();
                    for (int i = 0; i < 10; ++i) p->LoadMatchPageSurfaces();
                    out.loadSeconds = std::chrono::duration<double>(Clock::now() - t1).count();
                    out.loads = 10;
                }
            } else if (p->m_nMode == 2 && !left) {
                left = true;
                click(*p, 610 + 72, 477 + 10);
            }
        });
        platform::SeedRandom(7);
        CFixture& f = world.LeagueFixture(division, 0, 1);
        {
            // Every clip opened leaves its line: a match lasts its clips' frames.
            platform::TraceCapture trace;
            w.GetMatchPlay()->PlayLeagueMatch(&f, &div, "League");
            for (const std::string& line : trace.Lines()) out.clips += line.rfind("---FLC = ", 0) == 0;
        }
        backend->SetTimerAction({});
        SetMatchDriver(nullptr);
    }
    Ui::Get().Stop();
    return out;
}

void BM_MatchDayPageWholeMatch(benchmark::State& state) {
    long ticks = 0, clips = 0;
    for (auto _ : state) {
        const MatchDayBenchFigures f = PlayMatchDayOnThePage(false);
        ticks += f.ticks;
        clips += f.clips;
    }
    state.counters["ticks"] = static_cast<double>(ticks);
    state.counters["clips"] = static_cast<double>(clips);
    // The minutes the match takes on the screen at one frame a 55-ms tick.
    state.counters["minutes shown"] = static_cast<double>(ticks) * 55.0 / 60000.0;
    state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MatchDayPageWholeMatch)->Iterations(1)->Unit(benchmark::kSecond);

// The busiest tick's painting and the match page's loading, measured inside
// one match on the page (reported in milliseconds each).
void BM_MatchDayPageBusiestTick(benchmark::State& state) {
    MatchDayBenchFigures f;
    for (auto _ : state) f = PlayMatchDayOnThePage(true);
    if (f.paints > 0) state.counters["busiest tick ms"] = 1000.0 * f.paintSeconds / f.paints;
    if (f.loads > 0) state.counters["LoadMatchPageSurfaces ms"] = 1000.0 * f.loadSeconds / f.loads;
}
BENCHMARK(BM_MatchDayPageBusiestTick)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
