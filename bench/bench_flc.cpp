// One frame of a 320 x 200 animation clip as the player makes it on every
// 55-ms tick: the line delta decoded into the frame, the backdrop restored
// on the scratch surface, the frame mixed over it and the banner drawn and
// presented. It must take a small part of the tick.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "flcwriter.h"
#include "platform/bytes.h"
#include "match_page_bench.h"
#include "platform/files.h"
#include "shell/archive.h"
#include "shell/flcclips.h"
#include "shell/flcdecode.h"
#include "shell/view.h"

using namespace platform::gfx;

namespace {

// Two frames of a busy clip: players running over the whole picture.
std::vector<uint8_t> FlcBenchFrame(int f) {
    std::vector<uint8_t> px(320 * 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            px[static_cast<size_t>(y * 320 + x)] =
                static_cast<uint8_t>(((x + 3 * f) / 6 + y / 9) % 5 == 0 ? 128 + (x + y + f) % 32 : 10);
    return px;
}

void BM_FlcFrame(benchmark::State& state) {
    MatchPageBench bench;
    CScreen& page = *bench.page;
    flcw::FlcPalette pal{};
    for (int i = 0; i < 768; ++i) pal[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 7);
    flcw::FlcWriter writer(320, 200);
    writer.AddFrame(FlcBenchFrame(0), pal);
    writer.AddFrame(FlcBenchFrame(1));
    const std::vector<uint8_t> clip = writer.Finish();
    // The second frame's one chunk: its line delta.
    const size_t second = flc::kFileHeaderSize + platform::LoadU32(clip.data() + flc::kFileHeaderSize);
    const size_t chunk = second + flc::kFrameHeaderSize;
    const size_t size = platform::LoadU32(clip.data() + chunk) - flc::kChunkHeaderSize;
    const uint8_t* delta = clip.data() + chunk + flc::kChunkHeaderSize;
    std::vector<uint8_t> pixels = FlcBenchFrame(0);
    page.m_nTransparentIndex = 10;
    page.m_nMatchState = kBannerPaused;
    for (auto _ : state) {
        page.DecodeFlcDelta(delta, size, pixels.data(), 320, 200);
        bench.DrawFrame(pixels.data());
        benchmark::DoNotOptimize(bench.ui.MainPicture()->Data());
    }
}
BENCHMARK(BM_FlcFrame)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The same work over the heaviest clip the generator ships (the most bytes
// a frame), frame after frame as the match page plays it.
void BM_FlcHeaviestShippedClip(benchmark::State& state) {
    platform::SetInstallFolder(VT_GAME_DIR);
    ArchiveTable table;
    std::vector<uint8_t> clip;
    double heaviest = 0;
    if (LoadArchiveIndexes(table)) {
        for (const FlcClipRow& row : FlcClipRows()) {
            auto ref = FindArchiveEntry(FlcClipPath(row), table);
            if (!ref) continue;
            auto bytes = ReadArchiveEntry(*ref);
            flc::Header h;
            if (!bytes || !flc::ReadHeader(*bytes, h)) continue;
            const double perFrame = static_cast<double>(bytes->size()) / h.frames;
            if (perFrame > heaviest) {
                heaviest = perFrame;
                clip = std::move(*bytes);
            }
        }
    }
    platform::ResetFolders();
    if (clip.empty()) {
        state.SkipWithError("no shipped clips: build the game data first");
        return;
    }
    MatchPageBench bench;
    flc::Header h;
    flc::ReadHeader(clip, h);
    std::vector<uint8_t> pixels(320 * 200);
    std::array<uint8_t, 1024> palette{};
    int transparent = 0;
    size_t offset = flc::kFileHeaderSize;
    int frame = 0;
    bench.page->m_nTransparentIndex = 0;
    bench.page->m_nMatchState = kBannerPaused;
    for (auto _ : state) {
        if (frame == h.frames) {
            frame = 0;
            offset = flc::kFileHeaderSize;
        }
        flc::FrameTarget t{pixels.data(), 320, 200, palette.data(), &transparent, false};
        flc::DecodeFrame(clip, offset, t, frame == 0);
        ++frame;
        bench.DrawFrame(pixels.data());
        benchmark::DoNotOptimize(bench.ui.MainPicture()->Data());
    }
    state.counters["bytes_per_frame"] = heaviest;
}
BENCHMARK(BM_FlcHeaviestShippedClip)->Unit(benchmark::kMillisecond);

}  // namespace
