// One animation frame of the match-day page as the page's drawing services
// make it: the backdrop copied to the scratch surface, a 320 x 200 frame
// mixed over it, the match-state banner drawn and the scratch surface put on
// the window, at its place or stretched over the page. It runs every 55 ms
// tick, so it must take a small part of that (aim: under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"
#include "shell/view.h"

using namespace platform::gfx;

namespace {

void BM_MatchFrameWithBanner(benchmark::State& state) {
    using namespace platform::win;
    Ui& ui = Ui::Get();
    ui.Start(std::make_unique<HeadlessBackend>(Size{1024, 768}));
    {
        Window frame;
        frame.Create(nullptr, Rect{0, 0, 792, 573}, WS_VISIBLE);
        ui.SetMainWindow(&frame);
        CScreen page;
        page.Create(&frame);
        page.Show();
        frame.UpdateNow();
        CreatePlainSurface(g_pScratchSurface, 320, 200);
        page.CreateFonts(g_pScratchSurface.get());
        Surface backdrop(320, 200);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) backdrop.Set(x, y, MakePixel(30, 100 + y / 4, 40));
        std::vector<uint8_t> pixels(320 * 200);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 7 == 0 ? 9 : i % 64);
        uint8_t palette[1024];
        for (int i = 0; i < 1024; ++i) palette[i] = static_cast<uint8_t>(i * 5);
        page.m_nTransparentIndex = 9;
        page.m_nMatchState = kBannerHalfTime;
        page.m_bEnlargedView = static_cast<uint8_t>(state.range(0));
        page.m_nMatchMinute = 45;
        page.m_strBanner = {"Rovers", "1", "Albion", "0"};
        for (auto _ : state) {
            page.BlitSurfaceToSurface(0, 0, &backdrop, g_pScratchSurface.get());
            page.BuildMixBitmapSurface(pixels.data(), g_pScratchSurface.get(), palette, 320, 200);
            page.DrawMatchStateBanner();
            benchmark::DoNotOptimize(ui.MainPicture()->Data());
        }
        g_pScratchSurface.reset();
    }
    ui.Stop();
}
BENCHMARK(BM_MatchFrameWithBanner)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
