// One animation frame of the match-day page as the page's drawing services
// make it: the backdrop copied to the scratch surface, a 320 x 200 frame
// mixed over it, the match-state banner drawn and the scratch surface put on
// the window, at its place or stretched over the page. It runs every 55 ms
// tick, so it must take a small part of that (aim: under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "match_page_bench.h"
#include "shell/view.h"

using namespace platform::gfx;

namespace {

void BM_MatchFrameWithBanner(benchmark::State& state) {
    MatchPageBench bench;
    CScreen& page = *bench.page;
    std::vector<uint8_t> pixels(320 * 200);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 7 == 0 ? 9 : i % 64);
    page.m_nTransparentIndex = 9;
    page.m_nMatchState = kBannerHalfTime;
    page.m_bEnlargedView = static_cast<uint8_t>(state.range(0));
    page.m_nMatchMinute = 45;
    page.m_strBanner = {"Rovers", "1", "Albion", "0"};
    for (auto _ : state) {
        bench.DrawFrame(pixels.data());
        benchmark::DoNotOptimize(bench.ui.MainPicture()->Data());
    }
}
BENCHMARK(BM_MatchFrameWithBanner)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
