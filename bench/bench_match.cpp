// The match engine: a season of league matches of the largest world played
// through the fixture path, and human managers' matches played at once
// through the engine object. Each reports matches per second and, over all
// matches played, the figures a season should show.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/peopletables.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

namespace {

struct Figures {
    long matches = 0, goals = 0, homeWins = 0, draws = 0, awayWins = 0, yellows = 0, reds = 0, penaltyGoals = 0;
    void Add(const CFixture& f) {
        ++matches;
        goals += f.m_HomeGoals + f.m_AwayGoals;
        homeWins += f.m_HomeGoals > f.m_AwayGoals;
        draws += f.m_HomeGoals == f.m_AwayGoals;
        awayWins += f.m_HomeGoals < f.m_AwayGoals;
        yellows += f.m_Bookings[0] + f.m_Bookings[1];
        reds += f.m_SendingsOff[0] + f.m_SendingsOff[1];
        for (int i = 0; i < f.m_Events.GetSize(); ++i) {
            const int t = f.m_Events.GetAt(i)->m_Type;
            penaltyGoals += t == CMatchEvent::kHomePenaltyGoal || t == CMatchEvent::kAwayPenaltyGoal;
        }
    }
    void Report(const char* what) const {
        if (matches == 0) return;
        const double n = static_cast<double>(matches);
        std::printf("%s: %ld matches\n", what, matches);
        std::printf("%s goals per match: %.2f\n", what, goals / n);
        std::printf("%s home wins / draws / away wins: %.1f%% / %.1f%% / %.1f%%\n", what, 100 * homeWins / n,
                    100 * draws / n, 100 * awayWins / n);
        std::printf("%s yellow cards per match: %.2f\n", what, yellows / n);
        std::printf("%s red cards per match: %.3f\n", what, reds / n);
        std::printf("%s penalty goals per match: %.3f\n", what, penaltyGoals / n);
    }
};

// Every country followed, with the generated clubs, players and referees.
struct LargestWorld {
    LargestWorld() {
        platform::SetInstallFolder(VT_GAME_DIR);
        platform::SeedRandom(1);
        world = std::make_unique<CWorldData>();
        SetWorldData(world.get());
        InstallPeopleTables(&world->GetCareerPathList(), &world->GetSkillMoneyValueList(), &world->GetPopularityList());
        for (int id = 1; id < kCountrySelectionSize; ++id) world->SelectCountry(id, true);
        world->ReadFederationsAndCountries();
        FILE* f = OpenDataFile("Data\\Clubs.bin");
        const int32_t clubs = LoadInt32(f);
        CloseGameFile(f);
        for (int i = 0; i < clubs; ++i) world->GetClubList().AddRealClub(std::make_unique<CClub>());
        ReadDivisionsIntoWorld(*world);
        world->GetStadiumList().ReadDataFile();
        world->GetClubList().ReadDataFile();
        world->GetPlayerList().LoadDatabase(world->GetClubList().GetRealCount());
        ReadRefereesIntoWorld(*world);
    }
    void Refill() {
        for (int i = 0; i < world->GetCountryList().GetSize(); ++i) world->GetCountry(i)->RefillRefereeRotation();
    }
    std::unique_ptr<CWorldData> world;
};

LargestWorld& World() {
    static LargestWorld w;
    return w;
}

void BM_LeagueSeasonWithoutScreen(benchmark::State& state) {
    LargestWorld& lw = World();
    CWorldData& w = *lw.world;
    Figures figures;
    for (auto _ : state) {
        for (int slot = 0; slot < CDivision::kSlots; ++slot) {
            lw.Refill();
            for (int d = 0; d < w.GetDivisionList().GetSize(); ++d) {
                CDivision* div = w.GetDivision(d);
                for (auto [home, away] : div->GetPairsForSlot(slot)) {
                    CFixture f(CFixture::kLeague, static_cast<int16_t>(home), static_cast<int16_t>(away), 5, 3, 0);
                    w.GetMatchVars()->SetDivision(div);
                    f.Play(slot);
                    figures.Add(f);
                }
            }
        }
    }
    state.counters["matches/s"] = benchmark::Counter(static_cast<double>(figures.matches), benchmark::Counter::kIsRate);
    figures.Report("league season");
}
BENCHMARK(BM_LeagueSeasonWithoutScreen)->Iterations(1)->Unit(benchmark::kSecond);

void BM_HumanMatchesAtOnce(benchmark::State& state) {
    LargestWorld& lw = World();
    CWorldData& w = *lw.world;
    Figures figures;
    // Every club of a division has a human manager, so each home side is played
    // as a human manager's side is.
    CDivision* div = w.GetDivision(0);
    const int n = div->GetClubCount();
    for (int c = 0; c < n; ++c)
        if (CManager* m = w.GetManagerList().GetAt(w.GetClub(div->GetFirstClub() + c)->GetManager())) m->m_IsHuman = 1;
    int k = 0;
    for (auto _ : state) {
        lw.Refill();
        const int home = k % n, away = (home + 1 + (k / n) % (n - 1)) % n;
        ++k;
        CFixture f(CFixture::kLeague, static_cast<int16_t>(div->GetFirstClub() + home),
                   static_cast<int16_t>(div->GetFirstClub() + away), 5, 3, 0);
        w.GetMatchPlay()->PlayLeagueMatch(&f, div, "League");
        figures.Add(f);
    }
    state.counters["matches/s"] = benchmark::Counter(static_cast<double>(figures.matches), benchmark::Counter::kIsRate);
    figures.Report("human matches");
}
BENCHMARK(BM_HumanMatchesAtOnce)->Iterations(500)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Each division's first league match day, fully followed: the matches played
// without the screen and posted to rows, records and the best eleven.
void BM_LeagueMatchDayEveryDivision(benchmark::State& state) {
    LargestWorld& lw = World();
    CWorldData& w = *lw.world;
    w.SetGameInProgress(1);
    std::vector<int> slots;
    for (int d = 0; d < w.GetDivisionList().GetSize(); ++d) {
        int first = -1;
        for (int s = 0; s < CDivision::kSlots && first < 0; ++s) {
            const uint8_t c = w.GetDivision(d)->GetCalendarSlot(s);
            if (c >= 1 && c < CDivision::kNoMatch) first = s;
        }
        slots.push_back(first);
    }
    long matches = 0;
    for (auto _ : state) {
        lw.Refill();
        for (int d = 0; d < w.GetDivisionList().GetSize(); ++d) {
            CDivision* div = w.GetDivision(d);
            if (slots[size_t(d)] < 0) continue;
            div->m_NextFixture = 0;
            div->PlayMatchDay(d, 0, slots[size_t(d)]);
            matches += div->m_NextFixture;
        }
    }
    state.counters["matches/s"] = benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LeagueMatchDayEveryDivision)->Iterations(3)->Unit(benchmark::kSecond);

// Every country's cups drawn and their first rounds played without the screen.
void BM_CupFirstRoundEveryCountry(benchmark::State& state) {
    LargestWorld& lw = World();
    CWorldData& w = *lw.world;
    w.SetGameInProgress(1);
    static bool cupsRead = false;
    if (!cupsRead) {
        ReadCupsIntoWorld(w);
        cupsRead = true;
    }
    for (int i = 0; i < w.GetCountryList().GetSize(); ++i) {
        CCountry* c = w.GetCountry(i);
        if (!c->GetClubRanking().IsEmpty() || c->GetDivisionCount() == 0) continue;
        for (int k = c->FirstClubIndex(); k <= c->LastClubIndex(); ++k) c->GetClubRanking().Add(static_cast<uint32_t>(k));
    }
    long ties = 0;
    for (auto _ : state) {
        lw.Refill();
        for (int i = 0; i < w.GetCountryList().GetSize(); ++i)
            for (const auto& cup : w.GetCountry(i)->GetCups()) {
                if (cup->GetRoundCount() == 0) continue;
                cup->ClearFixtures();
                cup->NewSeason();
                CCupRound* r = cup->GetRound(0);
                CExtDWordArray entrants;
                r->MakeDraw(*cup, nullptr, entrants);
                cup->PlayRound(*r, false, 0);
                ties += r->m_Ties.GetSize();
            }
    }
    state.counters["ties/s"] = benchmark::Counter(static_cast<double>(ties), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CupFirstRoundEveryCountry)->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace
