// A new game, a whole season of day steps, and saving and loading after a
// season, for the default 27 countries and for all 71, through the headless
// game driver. The season benchmark also reports what the season's league
// matches looked like, one plain line per figure. Thirty seasons with the
// invariants checked at each season's end: BM_Soak, registered only when
// VT_SOAK=1 is set (VT_SOAK=1 vt_bench --benchmark_filter=BM_Soak).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "soccerclasses/clublist.h"
#include "soccerclasses/player.h"
#include "soccerclasses/selectablecountries.h"
#include "support/game_driver.h"

namespace {

namespace fs = std::filesystem;

fs::path SeasonScratch() {
    fs::path p = fs::temp_directory_path() / "vt_bench_season";
    fs::create_directories(p);
    // Saved games and the profile stay out of the user's folders.
    setenv("XDG_DATA_HOME", p.c_str(), 1);
    setenv("XDG_CONFIG_HOME", p.c_str(), 1);
    return p;
}

std::vector<uint8_t> SeasonSelection(int64_t all) {
    return all ? AllSelectableCountries() : DefaultCountrySelection();
}

void SeasonWorldSize(benchmark::State& state, CWorldData& w) {
    state.counters["clubs"] = w.GetClubList().GetRealCount();
    state.counters["players"] = w.GetPlayerList().GetSize();
}

void BM_NewGame(benchmark::State& state) {
    const fs::path scratch = SeasonScratch();
    for (auto _ : state) {
        testsupport::GameDriver game(SeasonSelection(state.range(0)), VT_GAME_DIR, scratch);
        state.PauseTiming();
        SeasonWorldSize(state, game.World());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewGame)->Arg(0)->Arg(1)->ArgName("all71")->Unit(benchmark::kMillisecond)->Iterations(2);

double SeasonPerCent(long part, long whole) { return whole ? 100.0 * double(part) / double(whole) : 0.0; }
double SeasonPerMatch(long n, long matches) { return matches ? double(n) / double(matches) : 0.0; }

void BM_Season(benchmark::State& state) {
    const fs::path scratch = SeasonScratch();
    for (auto _ : state) {
        state.PauseTiming();
        testsupport::GameDriver game(SeasonSelection(state.range(0)), VT_GAME_DIR, scratch);
        testsupport::SeasonChecker checker(game.World());
        std::vector<std::string> problems;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        // The world's season and on until every followed country has ended one.
        game.RunSeason([&](CWorldData& w) { checker.AfterDay(w, problems); });
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        const testsupport::SeasonMatchStats& s = checker.Stats();
        CWorldData& w = game.World();
        state.counters["days/s"] = game.DaySteps() / seconds;
        state.counters["matches/s"] = double(s.matches) / seconds;
        state.counters["players/s"] = double(w.GetPlayerList().GetSize()) * game.DaySteps() / seconds;
        SeasonWorldSize(state, w);
        std::printf("season of %s: %d day steps, %ld league matches, %zu problems\n",
                    state.range(0) ? "all 71" : "the default 27", game.DaySteps(), s.matches, problems.size());
        std::printf("goals per match: %.2f\n", SeasonPerMatch(s.goals, s.matches));
        std::printf("home wins / draws / away wins: %.1f%% / %.1f%% / %.1f%%\n", SeasonPerCent(s.homeWins, s.matches),
                    SeasonPerCent(s.draws, s.matches), SeasonPerCent(s.awayWins, s.matches));
        std::printf("yellow cards per match: %.2f\n", SeasonPerMatch(s.yellowCards, s.matches));
        std::printf("red cards per match: %.3f\n", SeasonPerMatch(s.redCards, s.matches));
        std::printf("penalty goals per match: %.3f\n", SeasonPerMatch(s.penaltyGoals, s.matches));
        if (!problems.empty()) std::printf("first problem: %s\n", problems.front().c_str());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Season)->Arg(0)->Arg(1)->ArgName("all71")->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_SaveAndLoadAfterASeason(benchmark::State& state) {
    const fs::path scratch = SeasonScratch();
    testsupport::GameDriver game(SeasonSelection(state.range(0)), VT_GAME_DIR, scratch);
    game.RunSeason();
    const std::string path = (scratch / "bench-season.qzs").string();
    for (auto _ : state) {
        GetWorldData()->SaveGame(path);
        CWorldData::LoadGame(path);
    }
    SeasonWorldSize(state, *GetWorldData());
    state.counters["bytes"] = double(fs::file_size(path));
}
BENCHMARK(BM_SaveAndLoadAfterASeason)->Arg(0)->Arg(1)->ArgName("all71")->Unit(benchmark::kMillisecond)->Iterations(2);

// Thirty seasons of the largest world; the invariants at each season's end.
void BM_Soak(benchmark::State& state) {
    const fs::path scratch = SeasonScratch();
    for (auto _ : state) {
        testsupport::GameDriver game(AllSelectableCountries(), VT_GAME_DIR, scratch);
        testsupport::SeasonChecker checker(game.World());
        std::vector<std::string> problems;
        for (int s = 0; s < 30; ++s) {
            game.RunSeason([&](CWorldData& w) { checker.AfterDay(w, problems); });
            testsupport::CheckWorldInvariants(game.World(), problems);
        }
        std::printf("thirty seasons: %d season ends, %zu problems%s%s\n", checker.SeasonEnds(), problems.size(),
                    problems.empty() ? "" : "; first: ", problems.empty() ? "" : problems.front().c_str());
    }
}
// Only on request (VT_SOAK=1), so that a plain run stays short.
const bool kSoakRegistered = [] {
    if (const char* v = std::getenv("VT_SOAK"); v && *v == '1')
        benchmark::RegisterBenchmark("BM_Soak", BM_Soak)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
    return true;
}();

}  // namespace
