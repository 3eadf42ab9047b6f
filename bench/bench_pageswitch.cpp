// A page switch as the user sees it: the screen manager shows a page built
// from the screen tables (the busiest page with two lists), both lists are
// filled, and the page is painted once, composed, with wipes off. Every
// click on the tool bar or a menu pays this.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/brixholmapp.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "shell/screentables.h"
#include "shell/view.h"
#include "support/ui_loop.h"

namespace {

// The page of the tables with at least two lists and the most rows.
int PageSwitchBusiestPage(int* rows) {
    int best = -1, bestRows = 0;
    for (int p = 0; p < screentables::kPageCount; ++p) {
        const int first = screentables::FirstControlRow(p);
        const int count = screentables::kScreens[p].controlCount;
        int lists = 0;
        for (int r = 0; r < count && first + r < screentables::kControlCount; ++r)
            lists += (screentables::kControls[first + r].flags & 0x40) != 0;
        if (lists >= 2 && count > bestRows) {
            best = p;
            bestRows = count;
        }
    }
    *rows = bestRows;
    return best;
}

void BM_PageSwitch(benchmark::State& state) {
    using namespace platform::win;
    platform::SetInstallFolder(VT_GAME_DIR);
    Ui::Get().Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
    {
        CBrixholmApp app;
        if (!app.InitInstance({})) {
            state.SkipWithError("the program did not start");
            Ui::Get().Stop();
            return;
        }
        testsupport::DrainMessages(*app.GetMainFrame());
        CScreenManager* manager = app.GetView() ? app.GetView()->GetScreenManager() : nullptr;
        if (!manager) {
            state.SkipWithError("no screen manager");
            Ui::Get().Stop();
            return;
        }
        int rows = 0;
        const int page = PageSwitchBusiestPage(&rows);
        if (page < 0) {
            state.SkipWithError("no page of two lists");
            Ui::Get().Stop();
            return;
        }
        const uint8_t fade = g_bFade;
        g_bFade = 0;
        for (auto _ : state) {
            g_nScreenId = page;
            manager->SetScreen(MakePage(PageClass::Info), true, false, false, true, false);
            auto* shown = dynamic_cast<CScreensInfo*>(manager->GetCurrentPage());
            if (!shown) continue;
            for (int l = 0; l < 2 && l < shown->GetListCount(); ++l) {
                CListControl& list = shown->GetList(l);
                for (int r = 0; r < 40; ++r) list.AddRow("Row " + std::to_string(r), 0, static_cast<uintptr_t>(r), 0);
            }
            shown->Invalidate(true);
            shown->UpdateNow();
            benchmark::DoNotOptimize(Ui::Get().MainPicture());
        }
        g_bFade = fade;
        state.counters["table_rows"] = rows;
    }
    Ui::Get().Stop();
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
