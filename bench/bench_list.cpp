// Sorting a transfer-list-sized list: 5,000 rows by a name column and by a
// money column (abbreviated amounts with a currency symbol).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/random.h"
#include "ui/listcontrol.h"

namespace {

void Fill(CListControl& list) {
    list.ResetContent();
    platform::SeedRandom(11);
    static const char* const kNames[] = {"Martin", "Martinez", "\xC9mile", "Zoltan", "Anders", "Kowalski", "O'Brien"};
    for (int i = 0; i < 5000; ++i) {
        const int r = list.AddRow(std::string(kNames[platform::Rand() % 7]) + " " + std::to_string(platform::Rand()), 0,
                                  static_cast<uintptr_t>(i), 0);
        const int amount = platform::Rand() % 9000;
        list.SetItem(r, 1, amount >= 1000 ? "\xA3" + std::to_string(amount / 1000) + "m"
                                          : "\xA3" + std::to_string(amount) + "t");
    }
}

CListControl& Bench() {
    static CListControl list;
    static bool made = false;
    if (!made) {
        list.AddColumn("Name", 0);
        list.AddColumn("Value", kColumnDigits);
        made = true;
    }
    return list;
}

void BM_SortByName(benchmark::State& state) {
    CListControl& list = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        Fill(list);
        state.ResumeTiming();
        list.Sort(0);
    }
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_SortByMoney(benchmark::State& state) {
    CListControl& list = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        Fill(list);
        state.ResumeTiming();
        list.Sort(1);
    }
}
BENCHMARK(BM_SortByMoney)->Unit(benchmark::kMillisecond);

}  // namespace
