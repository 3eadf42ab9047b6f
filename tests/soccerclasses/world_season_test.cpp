// Whole seasons of a generated world through the headless driver: every
// day keeps the world's invariants, every season end crowns its champions
// and cup winners, and a saved game round-trips byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>
#include <set>

#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/scout.h"
#include "soccerclasses/worlddata.h"
#include "support/game_driver.h"
#include "support/scripted_match_driver.h"
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

// The check sees a club given a second match on a league day: a played
// friendly slipped in beside its league fixture.
TEST(WorldSeason, TheCheckerCatchesAClubPlayingTwiceOnOneDay) {
    testsupport::GameDriver game({kSeasonScotland});
    CWorldData& w = game.World();
    testsupport::SeasonChecker season(w);
    const CDivision& top = *w.GetCountry(kSeasonScotland)->GetDivision(0);
    std::vector<std::string> problems;
    for (int step = 0; step < 60 && top.m_NextFixture == 0; ++step) {
        const int before = top.m_NextFixture;
        const int day = w.GetMatchDay();
        game.RunDays(1);
        if (top.m_NextFixture == before) {
            season.AfterDay(w, problems);
            continue;
        }
        EXPECT_TRUE(problems.empty()) << SeasonFirstProblem(problems);
        const CFixture& league = *top.m_Fixtures.GetAt(0);
        const int16_t stranger = static_cast<int16_t>(w.GetClubList().GetRealCount() - 1);
        w.GetFriendlyMatchList().AddFriendly(league.m_Home, stranger, static_cast<uint8_t>(day));
        CFixture& friendly = *w.GetFriendlyMatchList().GetAt(w.GetFriendlyMatchList().GetSize() - 1);
        friendly.m_ScriptLength = 90;
        season.AfterDay(w, problems);
        const std::string want = "club " + std::to_string(league.m_Home) + " played twice";
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                                [&](const std::string& p) { return p.find(want) != std::string::npos; }))
            << SeasonFirstProblem(problems);
    }
    EXPECT_GT(top.m_NextFixture, 0);
}

// A play-off of the second division, drawn by the day step on the day
// before a day without league matches and played on that day, the checks
// holding throughout.
TEST(WorldSeason, TheDayStepDrawsAPlayOffOnItsDayAndPlaysItOnTheNext) {
    testsupport::GameDriver game({kSeasonScotland});
    CWorldData& w = game.World();
    CDivision& second = *w.GetCountry(kSeasonScotland)->GetDivision(1);
    int slot = -1;
    for (int s = w.GetMatchDay() + 3; s < CDivision::kSlots && slot < 0; ++s) {
        const uint8_t here = second.GetCalendarSlot(s), top = w.GetCountry(kSeasonScotland)->GetDivision(0)->GetCalendarSlot(s);
        if ((here == 0 || here >= CDivision::kNoMatch) && (top == 0 || top >= CDivision::kNoMatch) &&
            here != CDivision::kLeagueEnd && top != CDivision::kLeagueEnd)
            slot = s;
    }
    ASSERT_GT(slot, 0);
    second.m_PromotionPlayOff = 77;
    second.m_AutoPromotion = 1;
    second.m_PromotionPlayOffClubs = 2;
    auto p = std::make_unique<CPlayOff>();
    p->m_Name = "Second Division Play-offs";
    p->m_Id = 77;
    p->m_ExtraPlaces = 1;
    p->m_CountryIndex = second.GetCountry();
    p->m_Venues.SetSizeAndFill(CCup::kVenues, static_cast<uint32_t>(w.GetClub(second.GetFirstClub())->GetStadiumIndex()));
    auto r = std::make_unique<CCupRound>();
    CCupRound::NameIdsOfIndex(45, r->m_FullNameId, r->m_ShortNameId);
    r->m_Entrants = 2;
    r->m_Kind = 24;
    r->m_DrawSlot = static_cast<uint8_t>(slot - 1);
    r->m_MatchSlot = static_cast<uint8_t>(slot);
    CCupRound& round = *r;
    p->m_Rounds.Add(std::move(r));
    w.GetPlayOffList().Add(std::move(p));

    testsupport::SeasonChecker season(w);
    std::vector<std::string> problems;
    auto check = [&](CWorldData& world) { season.AfterDay(world, problems); };
    while (w.GetMatchDay() < slot - 1) game.RunDays(1, check);
    EXPECT_FALSE(round.HasFixtures());
    game.RunDays(1, check);
    ASSERT_EQ(round.m_Ties.GetSize(), 1);
    const CFixture& tie = *round.m_Ties.GetAt(0);
    EXPECT_FALSE(tie.HasBeenPrepared());
    // The clubs at the places after the one automatic place.
    const std::set<int> drawn{tie.m_Home, tie.m_Away};
    std::set<int> placed;
    for (int c = second.GetFirstClub(); c < second.GetFirstClub() + second.GetClubCount(); ++c)
        if (const uint8_t pos = w.GetClub(c)->LeagueRow().m_Position; pos == 1 || pos == 2) placed.insert(c);
    EXPECT_EQ(drawn, placed);
    game.RunDays(1, check);
    EXPECT_TRUE(tie.HasBeenPrepared());
    EXPECT_TRUE(problems.empty()) << SeasonFirstProblem(problems);
}

// The lookups that spare long walks agree with the walks: every player is
// found at his slot, and every club whose transfer logs or scouts' lists
// name a player is among the clubs the index gives for him.
void SeasonExpectIndexesHold(CWorldData& w, const std::string& when) {
    SCOPED_TRACE(when);
    CPlayerList& players = w.GetPlayerList();
    int wrong = 0;
    for (int i = 0; i < players.GetSize(); ++i)
        if (const CPlayer* p = players.GetAt(i); p && players.FindIndex(p) != i) ++wrong;
    EXPECT_EQ(wrong, 0) << "players not found at their slots";
    CClubList& clubs = w.GetClubList();
    std::map<uint32_t, std::set<const CClub*>> named;
    for (int c = 0; c < clubs.GetSize(); ++c) {
        const CClub& club = *clubs.GetAt(c);
        for (int log = 0; log < 2; ++log)
            for (int i = 0; i < club.TransferHistory(log).GetSize(); ++i)
                if (const int32_t p = club.TransferHistory(log).GetAt(i)->m_PlayerIndex; p >= 0)
                    named[uint32_t(p)].insert(&club);
        for (const CScout& scout : clubs.GetAt(c)->Scouts())
            for (const CScout::Entry& e : std::as_const(scout).Entries())
                if (e.state != CScout::kFree) named[uint32_t(e.player)].insert(&club);
    }
    EXPECT_FALSE(named.empty()) << "a season with no transfer logged";
    for (const auto& [player, byWalk] : named) {
        const std::vector<const CClub*> byIndex = clubs.ClubsNamingPlayer(player);
        for (const CClub* club : byWalk)
            EXPECT_NE(std::find(byIndex.begin(), byIndex.end(), club), byIndex.end())
                << club->GetName() << " names player " << player << " unknown to the index";
    }
}

TEST(WorldSeason, ASavedGameAfterASeasonLoadsBackToTheSameBytesAndRunsOn) {
    testsupport::GameDriver game({kSeasonScotland});
    game.RunSeason();
    SeasonExpectIndexesHold(game.World(), "after a season");
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
    SeasonExpectIndexesHold(loaded, "loaded, and eight days on");
}

TEST(WorldSeason, WithAOneAHumanClubsLeagueMatchIsPlayedThroughTheScreenAndPosted) {
    testsupport::GameDriver game({kSeasonScotland});
    CWorldData& w = game.World();
    const CDivision* top = w.GetCountry(kSeasonScotland)->GetDivision(0);
    CClub& human = *w.GetClub(top->GetFirstClub());
    ASSERT_TRUE(human.HasManager());
    w.GetManagerList().GetAt(human.GetManager())->m_IsHuman = 1;
    w.GetUser(0)->SetManagerIndex(human.GetManager());
    w.RestoreCurrentUser(0);
    CWorldData::SelectedUserSlot() = 0;
    testsupport::ScriptedMatchDriver driver;
    testsupport::ScopedMatchDriver scope(&driver);
    int screenDays = 0;
    std::vector<std::string> problems;
    for (int day = 0; day < 40 && human.LeagueRow().GetPlayed() < 2; ++day) {
        const int opened = driver.opened;
        const int played = human.LeagueRow().GetPlayed();
        w.ProcessDay(1, 0);
        testsupport::CheckWorldInvariants(w, problems);
        // The human club's own league match goes to the screen, and the
        // table holds it once the day is done.
        if (human.LeagueRow().GetPlayed() != played) {
            ++screenDays;
            EXPECT_EQ(human.LeagueRow().GetPlayed(), played + 1);
            EXPECT_GT(driver.opened, opened);
        }
    }
    EXPECT_EQ(human.LeagueRow().GetPlayed(), 2);
    EXPECT_EQ(screenDays, 2);
    EXPECT_GE(driver.opened, 2);
    EXPECT_GT(driver.minutesPlayed, 0);
    // The other clubs of the division played their matches without it.
    int played = 0;
    for (int c = top->GetFirstClub(); c < top->GetFirstClub() + top->GetClubCount(); ++c)
        played += w.GetClub(c)->LeagueRow().GetPlayed();
    EXPECT_GT(played, 2 * 2);
    EXPECT_TRUE(problems.empty()) << SeasonFirstProblem(problems);
    EXPECT_TRUE(game.Port().ViewCommands().empty());
}

}  // namespace
