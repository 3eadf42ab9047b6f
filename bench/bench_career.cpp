// A season of the human managers' own steps for eight employed users with
// full squads, in a new game of the default 27 countries: each day the
// users' notices and the advisors' report, and on Saturdays the weekly step.
// The world itself stands still but for its clock.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/selectablecountries.h"
#include "support/game_driver.h"

namespace {

namespace fs = std::filesystem;

fs::path CareerScratch() {
    fs::path p = fs::temp_directory_path() / "vt_bench_career";
    fs::create_directories(p);
    setenv("XDG_DATA_HOME", p.c_str(), 1);
    setenv("XDG_CONFIG_HOME", p.c_str(), 1);
    return p;
}

// The eight fullest squads with a manager, each taken over by a user.
void CareerEightUsers(CWorldData& w) {
    std::vector<std::pair<int, int>> clubs;  // (-squad size, club)
    for (int c = 0; c < w.GetClubList().GetRealCount(); ++c)
        if (const CClub* club = w.GetClub(c); club && club->HasManager())
            clubs.emplace_back(-static_cast<int>(club->GetSquadSize()), c);
    std::sort(clubs.begin(), clubs.end());
    for (int u = 0; u < CUserList::kSlots && u < static_cast<int>(clubs.size()); ++u) {
        const int club = clubs[size_t(u)].second;
        CHumanManager& user = *w.GetUser(u);
        user.SetManager(w.GetClub(club)->GetManager());
        user.JoinClub(club);
    }
}

void BM_CareerSeasonOfUserSteps(benchmark::State& state) {
    const fs::path scratch = CareerScratch();
    long messages = 0, days = 0, users = 0;
    for (auto _ : state) {
        state.PauseTiming();
        testsupport::GameDriver game(DefaultCountrySelection(), VT_GAME_DIR, scratch);
        CWorldData& w = game.World();
        CareerEightUsers(w);
        users = w.GetUserList().CountInPlay();
        state.ResumeTiming();
        for (int day = 0; day < CMatchTime::kSlotsPerSeason; ++day) {
            // The inbox is emptied whenever the game moves on.
            for (int u = 0; u < CUserList::kSlots; ++u) {
                messages += static_cast<long>(w.GetUser(u)->GetInbox().size());
                w.GetUser(u)->ClearMessages();
            }
            w.GetUserList().DailyStep();
            w.GetUserList().UpdateAdvisors();
            if (w.IsSaturday()) w.GetUserList().WeeklyStep();
            w.GetClock().NextMatchDay();
            ++days;
        }
    }
    state.counters["users"] = static_cast<double>(users);
    state.counters["days"] = benchmark::Counter(static_cast<double>(days), benchmark::Counter::kIsRate);
    state.counters["messages/day"] = days ? static_cast<double>(messages) / static_cast<double>(days) : 0.0;
}
BENCHMARK(BM_CareerSeasonOfUserSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
