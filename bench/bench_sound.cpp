// The mixer's cost per device buffer: many voices, some resampled, panned.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/bytes.h"
#include "platform/sound/mixer.h"

namespace {

void BM_MixVoices(benchmark::State& state) {
    platform::Mixer mixer(44100);
    std::vector<uint8_t> pcm(22050 * 4);
    for (size_t i = 0; i < pcm.size() / 2; ++i)
        platform::StoreU16(&pcm[2 * i], static_cast<uint16_t>(i * 37));
    for (int v = 0; v < state.range(0); ++v) {
        int id = mixer.AddVoice(platform::WaveFormat::Pcm(2, v % 2 ? 22050 : 11025, 16), pcm);
        mixer.SetPan(id, (v % 5 - 2) * 1000);
        mixer.SetVolume(id, -(v % 4) * 500);
        mixer.Play(id, true);
    }
    std::vector<int16_t> out(1024 * 2);
    for (auto _ : state) {
        mixer.Mix(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_MixVoices)->Arg(4)->Arg(12)->Arg(40);

}  // namespace
