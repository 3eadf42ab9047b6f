// The world core's hot paths: building the world from its start-up files,
// reading the countries with the default selection and with every map
// country followed, saving them, and the small field reads and money texts
// every record and screen goes through.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/worlddata.h"

namespace {

// Country ids of the new-game maps; the first 27 are the default selection.
const int kDefault[] = {9, 10, 17, 24, 37, 44, 47, 48, 55, 62, 67, 86, 88, 121, 126, 128, 136, 137,
                        141, 142, 150, 159, 160, 165, 166, 176, 181};
const int kOthers[] = {1, 2, 3, 6, 7, 11, 16, 22, 26, 30, 36, 39, 46, 53, 57, 59, 61, 63, 66, 69, 78, 79,
                       80, 81, 85, 87, 92, 97, 103, 104, 111, 114, 115, 116, 123, 127, 133, 140, 155, 156,
                       179, 182, 187, 190};

std::unique_ptr<CWorldData> WorldWith(bool all) {
    auto w = std::make_unique<CWorldData>();
    for (int id : kDefault) w->SelectCountry(id, true);
    if (all)
        for (int id : kOthers) w->SelectCountry(id, true);
    w->ReadFederationsAndCountries();
    return w;
}

void BM_BuildWorld(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(std::make_unique<CWorldData>());
}
BENCHMARK(BM_BuildWorld)->Unit(benchmark::kMillisecond);

void BM_ReadCountries(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(WorldWith(state.range(0) != 0));
}
BENCHMARK(BM_ReadCountries)->Arg(0)->Arg(1)->ArgName("all71")->Unit(benchmark::kMillisecond);

void BM_SaveCountries(benchmark::State& state) {
    auto w = WorldWith(state.range(0) != 0);
    // Give every country a division so each writes its record.
    w->GetDivisionList().Add(new CDivision);
    for (const auto& c : w->GetCountryList()) c->AddDivision(0);
    std::string path = (std::filesystem::temp_directory_path() / "vt_bench_countries.bin").string();
    for (auto _ : state) {
        FILE* f = OpenGameFile(path, "wb");
        w->GetCountryList().Save(f);
        CloseGameFile(f);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveCountries)->Arg(0)->Arg(1)->ArgName("all71")->Unit(benchmark::kMicrosecond);

void BM_FormatMoney(benchmark::State& state) {
    CCurrency pound(0, "\xA3", 0, 0, 1.0, 1);
    std::string s;
    double amount = 12345678;
    for (auto _ : state) {
        pound.FormatMoney(s, amount);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatMoney);

}  // namespace
