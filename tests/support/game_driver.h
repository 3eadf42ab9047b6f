#pragma once
// A headless game for tests and benchmarks: a new game of a country
// selection with a fixed clock and every module-wide state reset, then day
// steps as the continue loop runs them, with checks after each day.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "soccerclasses/country.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace testsupport {

class GameDriver {
public:
    // Installs the scripted port and builds the new game (the game-in-
    // progress flag set afterwards, as the new game's last page does) from
    // the game data in `gameDir`; saved games go to `scratchDir`.
    GameDriver(const std::vector<uint8_t>& countries, const std::filesystem::path& gameDir,
               const std::filesystem::path& scratchDir);
    // The test's own folders.
    explicit GameDriver(const std::vector<uint8_t>& countries)
        : GameDriver(countries, testenv::GameDir(), testenv::TestFolder()) {}
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    CWorldData& World() { return *GetWorldData(); }
    ScriptedUserPort& Port() { return *m_Port; }
    // n day steps with (0, 0); `check` runs after each one.
    void RunDays(int n, const std::function<void(CWorldData&)>& check = {});
    // Day steps until the season number grows.
    void RunSeason(const std::function<void(CWorldData&)>& check = {});
    // The game as a saved file's bytes.
    std::vector<uint8_t> SavedGame();
    int DaySteps() const { return m_DaySteps; }
    // The first club of `country`'s top division given a human manager in
    // user slot 0, who becomes the current and selected user; null when the
    // country has no division or the club no manager.
    CClub* HumanManagesTopClub(uint8_t country);

private:
    std::unique_ptr<ScriptedUserPort> m_Port;
    std::unique_ptr<CWorldData> m_World;
    std::filesystem::path m_Scratch;
    int m_DaySteps = 0;
};

// The invariants every day keeps: no player in two squads or two slots,
// at most 30 players a club, every kept person index names someone, the
// table places of every followed division a permutation. Failures are
// added to `problems`.
void CheckWorldInvariants(CWorldData& world, std::vector<std::string>& problems);

// The league's and the season's checks, day after day: every followed
// division's table agrees with the fixtures it has played (wins and defeats,
// goals for and against), and on each country's season end day every league
// fixture was played once, every division crowned one champion and every
// domestic cup played its final and crowned one winner that season, the divisions kept their sizes and the club ranking
// holds each of the country's clubs once, the champion first. No club plays
// twice on one day, over league, cups, shields, play-offs, federation cups
// and friendlies.
// The league matches of the seasons that ended, summed for the benchmarks.
struct SeasonMatchStats {
    long matches = 0, goals = 0, homeWins = 0, draws = 0, awayWins = 0;
    long yellowCards = 0, redCards = 0, penaltyGoals = 0;
};

class SeasonChecker {
public:
    explicit SeasonChecker(CWorldData& world);
    void AfterDay(CWorldData& world, std::vector<std::string>& problems);
    // Season ends seen, over every followed country.
    int SeasonEnds() const { return m_SeasonEnds; }
    // League matches counted at the season ends.
    int LeagueMatches() const { return m_LeagueMatches; }
    const SeasonMatchStats& Stats() const { return m_Stats; }

private:
    void CheckTables(CWorldData& world, std::vector<std::string>& problems) const;
    void CheckCupDay(CWorldData& world, int day, std::vector<std::string>& problems);
    void CheckSeasonEnd(CWorldData& world, CCountry& country, std::vector<std::string>& problems);
    void CheckOneMatchADay(CWorldData& world, int day, std::vector<std::string>& problems);

    std::vector<int> m_DivisionSizes;
    std::vector<int> m_LeagueFixturesPlayed;  // each division's next fixture yesterday
    std::map<int, int> m_CountrySeasons;  // seasons ended by country id
    std::map<const CCup*, int> m_FinalsPlayed;  // since the cup's last season end
    int m_Yesterday = -1;
    int m_SeasonEnds = 0;
    int m_LeagueMatches = 0;
    SeasonMatchStats m_Stats;
};

}  // namespace testsupport
