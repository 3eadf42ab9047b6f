// A new game, a whole season of day steps, and saving and loading after a
// season, for the default 27 countries and for all 71, through the headless
// game driver. The season benchmark also reports what the season's league
// matches looked like, one plain line per figure. Thirty seasons with the
// invariants checked at each season's end: BM_Soak, registered only when
// VT_SOAK=1 is set (VT_SOAK=1 vt_bench --benchmark_filter=BM_Soak); VT_SOAK_COUNTRIES
// ("150,27") and VT_SOAK_SEASONS narrow it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "soccerclasses/clublist.h"
#include "soccerclasses/manager.h"
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

// The resident memory of the process in MB, from /proc; 0 where there is none.
double SoakResidentMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0.0;
}

int SoakManagers(CWorldData& w) {
    int n = 0;
    for (int i = 0; i < w.GetManagerList().GetSize(); ++i) n += w.GetManagerList().GetAt(i) != nullptr;
    return n;
}

// Players of the world's list whom no club's squad holds.
int SoakUnattached(CWorldData& w) {
    std::vector<bool> held(size_t(w.GetPlayerList().GetSize()), false);
    for (int c = 0; c < w.GetClubList().GetSize(); ++c)
        for (int s = 0; s < kSquadSlots; ++s)
            if (const uint16_t p = w.GetClubList().GetAt(c)->GetPlayerId(s); p < held.size()) held[p] = true;
    int n = 0;
    for (int i = 0; i < w.GetPlayerList().GetSize(); ++i) n += w.GetPlayer(i) && !held[size_t(i)];
    return n;
}

// The soak's world: all 71 countries, or the ids of VT_SOAK_COUNTRIES
// ("150,27"), for a shorter look at where a season's time goes.
std::vector<uint8_t> SoakSelection() {
    const char* ids = std::getenv("VT_SOAK_COUNTRIES");
    if (!ids || !*ids) return AllSelectableCountries();
    std::vector<uint8_t> out;
    for (const char* p = ids; *p;) {
        char* end = nullptr;
        const long id = std::strtol(p, &end, 10);
        if (end == p) break;
        out.push_back(static_cast<uint8_t>(id));
        p = *end ? end + 1 : end;
    }
    return out;
}

int SoakSeasons() {
    const char* n = std::getenv("VT_SOAK_SEASONS");
    return n && std::atoi(n) > 0 ? std::atoi(n) : 30;
}

// Thirty seasons of the largest world; the invariants at each season's end,
// and each season's time and the memory held, one line a season.
void BM_Soak(benchmark::State& state) {
    const fs::path scratch = SeasonScratch();
    for (auto _ : state) {
        testsupport::GameDriver game(SoakSelection(), VT_GAME_DIR, scratch);
        testsupport::SeasonChecker checker(game.World());
        std::vector<std::string> problems;
        const int seasons = SoakSeasons();
        for (int s = 0; s < seasons; ++s) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const int days = game.DaySteps();
            game.RunSeason([&](CWorldData& w) { checker.AfterDay(w, problems); });
            testsupport::CheckWorldInvariants(game.World(), problems);
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            std::printf("season %2d: %3d day steps, %6.2f s wall, %6.2f s CPU, %7.1f MB resident, %d players, "
                        "%d unattached, %d managers, %zu problems\n",
                        s + 1, game.DaySteps() - days, wall, cpu, SoakResidentMB(),
                        game.World().GetPlayerList().CountPlayers(), SoakUnattached(game.World()), SoakManagers(game.World()), problems.size());
            std::fflush(stdout);
        }
        std::printf("%d seasons: %d season ends, %zu problems%s%s\n", seasons, checker.SeasonEnds(), problems.size(),
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
