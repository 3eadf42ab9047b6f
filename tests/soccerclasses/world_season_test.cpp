// Whole seasons of a generated world through the headless driver: every
// day keeps the world's invariants, every season end crowns its champions
// and cup winners, and a saved game round-trips byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/worlddata.h"
#include "support/game_driver.h"
#include "support/test_env.h"

namespace {

// Scotland has two divisions (promotion and relegation), a cup and a league cup.
constexpr uint8_t kSeasonScotland = 150;

std::string SeasonFirstProblem(const std::vector<std::string>& problems) {
    return problems.empty() ? std::string() : problems.front() + " (" + std::to_string(problems.size()) + " in all)";
}

TEST(WorldSeason, ASeasonPlaysEveryFixtureCrownsItsWinnersAndKeepsTheInvariants) {
    testsupport::GameDriver game({kSeasonScotland});
    CWorldData& w = game.World();
    testsupport::SeasonChecker season(w);
    std::vector<std::string> problems;
    const CCountry* scotland = w.GetCountry(kSeasonScotland);
    ASSERT_NE(scotland, nullptr);
    ASSERT_EQ(scotland->GetDivisionCount(), 2);
    // One season of the world's clock, and on to the country's next season end.
    game.RunSeason([&](CWorldData& world) {
        testsupport::CheckWorldInvariants(world, problems);
        season.AfterDay(world, problems);
    });
    for (int day = 0; season.SeasonEnds() < 1 && day < 110; ++day)
        game.RunDays(1, [&](CWorldData& world) {
            testsupport::CheckWorldInvariants(world, problems);
            season.AfterDay(world, problems);
        });
    EXPECT_EQ(season.SeasonEnds(), 1);
    EXPECT_TRUE(problems.empty()) << SeasonFirstProblem(problems);
    EXPECT_GT(season.LeagueMatches(), 0);
}

TEST(WorldSeason, ASavedGameAfterASeasonLoadsBackToTheSameBytesAndRunsOn) {
    testsupport::GameDriver game({kSeasonScotland});
    game.RunSeason();
    const std::vector<uint8_t> saved = game.SavedGame();
    ASSERT_FALSE(saved.empty());
    const std::filesystem::path path = testenv::TestFolder() / "season.qzs";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(saved.data()), static_cast<std::streamsize>(saved.size()));
    }
    ASSERT_EQ(CWorldData::LoadGame(path.string()), 1);
    CWorldData& loaded = *GetWorldData();
    const std::filesystem::path again = testenv::TestFolder() / "season-again.qzs";
    ASSERT_TRUE(loaded.SaveGame(again.string()));
    std::ifstream in(again, std::ios::binary);
    const std::vector<uint8_t> resaved{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(resaved.size(), saved.size());
    EXPECT_TRUE(resaved == saved);
    std::vector<std::string> problems;
    for (int day = 0; day < 8; ++day) {
        loaded.ProcessDay(0, 0);
        testsupport::CheckWorldInvariants(loaded, problems);
    }
    EXPECT_TRUE(problems.empty()) << SeasonFirstProblem(problems);
}

}  // namespace
