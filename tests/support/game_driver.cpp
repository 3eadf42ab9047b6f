#include "support/game_driver.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/player.h"
#include "soccerclasses/trophyhistory.h"

namespace testsupport {

GameDriver::GameDriver(const std::vector<uint8_t>& countries, const std::filesystem::path& gameDir,
                       const std::filesystem::path& scratchDir)
    : m_Scratch(scratchDir) {
    ResetModuleState();
    platform::SetInstallFolder(gameDir);
    platform::SetRandomClock([] { return int64_t(936000000); });
    m_Port = std::make_unique<ScriptedUserPort>();
    m_World = std::make_unique<CWorldData>();
    SetWorldData(m_World.get());
    for (uint8_t id : countries) m_World->SelectCountry(id, true);
    m_World->ClearGame();
    m_World->SetCurrentUser(-1);
    for (int stage = 0; stage <= 6; ++stage) m_World->NewGame(stage);
    g_bGameInProgress = 1;
}

GameDriver::~GameDriver() {
    m_Port.reset();
    m_World.reset();
    platform::SetRandomClock(nullptr);
    ResetModuleState();
    platform::ResetFolders();
}

CClub* GameDriver::HumanManagesTopClub(uint8_t country) {
    CWorldData& w = World();
    const CCountry* c = w.GetCountry(country);
    const CDivision* top = c ? c->GetDivision(0) : nullptr;
    if (!top) return nullptr;
    CClub* club = w.GetClub(top->GetFirstClub());
    if (!club || !club->HasManager()) return nullptr;
    w.GetManagerList().GetAt(club->GetManager())->m_IsHuman = 1;
    w.GetUser(0)->SetManagerIndex(club->GetManager());
    w.RestoreCurrentUser(0);
    CWorldData::SelectedUserSlot() = 0;
    return club;
}

void GameDriver::RunDays(int n, const std::function<void(CWorldData&)>& check) {
    for (int i = 0; i < n; ++i) {
        // Without a human manager every day asks to stop; a headless run goes on.
        World().ProcessDay(0, 0);
        ++m_DaySteps;
        if (check) check(World());
    }
}

void GameDriver::RunSeason(const std::function<void(CWorldData&)>& check) {
    const int season = World().GetSeason();
    while (World().GetSeason() == season) RunDays(1, check);
}

std::vector<uint8_t> GameDriver::SavedGame() {
    const std::filesystem::path path = m_Scratch / "driver.qzs";
    if (!World().SaveGame(path.string())) return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void CheckWorldInvariants(CWorldData& w, std::vector<std::string>& problems) {
    CClubList& clubs = w.GetClubList();
    std::map<int, int> holders;
    for (int c = 0; c < clubs.GetRealCount(); ++c) {
        const CClub* club = clubs.GetAt(c);
        int filled = 0;
        for (int s = 0; s < kSquadSlots; ++s) {
            const uint16_t p = club->GetPlayerId(s);
            if (p == 65535) continue;
            ++filled;
            if (!w.GetPlayer(p)) problems.push_back("club " + std::to_string(c) + " holds a missing player");
            if (++holders[p] > 1) problems.push_back("player " + std::to_string(p) + " in two slots");
        }
        if (filled > kSquadSlots) problems.push_back("club " + std::to_string(c) + " over 30");
        if (club->GetManager() >= 0 && !w.GetManager(club->GetManager()))
            problems.push_back("club " + std::to_string(c) + " names a missing manager");
    }
    for (const auto& country : w.GetCountryList()) {
        if (!country->IsFollowed()) continue;
        for (int i = 0; i < country->GetDivisionCount(); ++i) {
            const CDivision* d = country->GetDivision(i);
            std::vector<int> seen(d->GetClubCount(), 0);
            for (int c = d->GetFirstClub(); c < d->GetFirstClub() + d->GetClubCount(); ++c) {
                const int p = clubs.GetAt(c)->LeagueRow().m_Position;
                if (p < d->GetClubCount()) ++seen[static_cast<size_t>(p)];
            }
            for (int s : seen)
                if (s != 1) {
                    problems.push_back(std::string(d->GetName()) + ": table places not a permutation");
                    break;
                }
        }
    }
}

namespace {

bool DriverFollowsLeague(const CCountry& c) { return c.IsFollowed() && c.GetDivisionCount() > 0; }

// Honours of one kind and title among the clubs of a range.
int DriverCountHonours(CWorldData& w, int first, int last, uint8_t kind, const std::string& title) {
    int n = 0;
    for (int c = first; c <= last; ++c) {
        CClub* club = w.GetClub(c);
        if (!club) continue;
        const CTrophyHistoryList& t = club->Trophies();
        for (int i = 0; i < t.GetSize(); ++i)
            if (t.GetAt(i)->m_Kind == kind && std::string(t.GetAt(i)->m_Title) == title) ++n;
    }
    return n;
}

}  // namespace

SeasonChecker::SeasonChecker(CWorldData& w) : m_Yesterday(w.GetMatchDay()) {
    for (const auto& d : w.GetDivisionList()) {
        m_DivisionSizes.push_back(d->GetClubCount());
        m_LeagueFixturesPlayed.push_back(d->m_NextFixture);
    }
}

void SeasonChecker::AfterDay(CWorldData& w, std::vector<std::string>& problems) {
    CheckTables(w, problems);
    CheckCupDay(w, m_Yesterday, problems);
    CheckOneMatchADay(w, m_Yesterday, problems);
    m_Yesterday = w.GetMatchDay();
    for (const auto& c : w.GetCountryList())
        if (DriverFollowsLeague(*c) && c->GetSeasonEndDay() == w.GetMatchDay()) CheckSeasonEnd(w, *c, problems);
}

void SeasonChecker::CheckTables(CWorldData& w, std::vector<std::string>& problems) const {
    for (const auto& country : w.GetCountryList()) {
        if (!DriverFollowsLeague(*country)) continue;
        for (int i = 0; i < country->GetDivisionCount(); ++i) {
            const CDivision* d = country->GetDivision(i);
            const std::string name(d->GetName());
            int won = 0, lost = 0, goalsFor = 0, goalsAgainst = 0, played = 0;
            std::map<int, int> fixturesOf;
            for (int f = 0; f < d->m_NextFixture; ++f) {
                ++fixturesOf[d->m_Fixtures.GetAt(f)->m_Home];
                ++fixturesOf[d->m_Fixtures.GetAt(f)->m_Away];
            }
            for (int c = d->GetFirstClub(); c < d->GetFirstClub() + d->GetClubCount(); ++c) {
                const CTableData& row = w.GetClub(c)->LeagueRow();
                won += row.GetWon();
                lost += row.GetLost();
                goalsFor += row.GetGoalsFor();
                goalsAgainst += row.GetGoalsAgainst();
                played += row.GetPlayed();
            }
            if (won != lost) problems.push_back(name + ": wins and defeats differ");
            if (goalsFor != goalsAgainst) problems.push_back(name + ": goals for and against differ");
            // Between a season's end and the next start the rows are empty
            // while the fixtures of the season ended stay.
            if (played == 0) continue;
            for (int c = d->GetFirstClub(); c < d->GetFirstClub() + d->GetClubCount(); ++c)
                if (w.GetClub(c)->LeagueRow().GetPlayed() != fixturesOf[c])
                    problems.push_back(name + ": club " + std::to_string(c) + " played " +
                                       std::to_string(w.GetClub(c)->LeagueRow().GetPlayed()) + " of " +
                                       std::to_string(fixturesOf[c]) + " fixtures");
        }
    }
}

// Every round of the day just played has its ties, each one played.
void SeasonChecker::CheckCupDay(CWorldData& w, int day, std::vector<std::string>& problems) {
    for (const auto& country : w.GetCountryList()) {
        if (!DriverFollowsLeague(*country)) continue;
        for (const auto& cup : country->GetCups()) {
            int last = cup->GetRoundCount() - 1;
            while (last >= 0 && cup->GetRound(last)->m_Kind == CCupRound::kPlaceholderKind) --last;
            for (int i = 0; i <= last; ++i) {
                const CCupRound* r = cup->GetRound(i);
                if (r->m_MatchSlot != day || r->m_Kind == CCupRound::kPlaceholderKind) continue;
                const std::string round = cup->GetRoundFullName(i);
                if (r->m_Ties.GetSize() == 0) problems.push_back(round + ": played without ties");
                for (int t = 0; t < r->m_Ties.GetSize(); ++t)
                    if (!r->m_Ties.GetAt(t)->HasBeenPrepared()) problems.push_back(round + ": a tie not played");
                if (i == last && r->m_Ties.GetSize() > 0) ++m_FinalsPlayed[cup.get()];
            }
        }
    }
}

// Every match played on the day, by club: the league fixtures the day moved
// past, the ties and replays of the rounds on their slot in every kind of
// cup, and the day's friendlies.
void SeasonChecker::CheckOneMatchADay(CWorldData& w, int day, std::vector<std::string>& problems) {
    std::map<int, std::vector<std::string>> matches;
    auto add = [&](const CFixture& f, const std::string& what) {
        if (!f.HasBeenPrepared()) return;
        if (f.m_Home >= 0) matches[f.m_Home].push_back(what);
        if (f.m_Away >= 0) matches[f.m_Away].push_back(what);
    };
    for (int i = 0; i < w.GetDivisionList().GetSize(); ++i) {
        const CDivision* d = w.GetDivision(i);
        if (static_cast<size_t>(i) >= m_LeagueFixturesPlayed.size()) break;
        int& before = m_LeagueFixturesPlayed[static_cast<size_t>(i)];
        // A new season starts the fixtures again.
        const int from = d->m_NextFixture < before ? 0 : before;
        for (int f = from; f < d->m_NextFixture && f < d->m_Fixtures.GetSize(); ++f)
            add(*d->m_Fixtures.GetAt(f), std::string(d->GetName()));
        before = d->m_NextFixture;
    }
    auto addCup = [&](const CCup& cup) {
        for (int i = 0; i < cup.GetRoundCount(); ++i) {
            const CCupRound* r = cup.GetRound(i);
            if (r->m_MatchSlot == day)
                for (int t = 0; t < r->m_Ties.GetSize(); ++t) add(*r->m_Ties.GetAt(t), cup.GetRoundFullName(i));
            if (r->HasReplaySlot() && r->m_ReplaySlot == day)
                for (int t = 0; t < r->m_Replays.GetSize(); ++t) add(*r->m_Replays.GetAt(t), cup.GetReplayName(i));
        }
    };
    for (const auto& country : w.GetCountryList())
        for (const auto& cup : country->GetCups()) addCup(*cup);
    for (const auto& s : w.GetCharityShieldList()) addCup(*s);
    for (const auto& p : w.GetPlayOffList()) addCup(*p);
    for (const auto& c : w.GetFederationCupList()) addCup(*c);
    const CFriendlyMatchList& friendlies = w.GetFriendlyMatchList();
    for (int i = 0; i < friendlies.GetSize(); ++i)
        if (friendlies.GetMatchDay(i) == day) add(*friendlies.GetAt(i), "a friendly");
    for (const auto& [club, played] : matches) {
        if (played.size() < 2) continue;
        std::string list;
        for (const std::string& m : played) list += (list.empty() ? "" : ", ") + m;
        problems.push_back("club " + std::to_string(club) + " played twice on day " + std::to_string(day) + ": " + list);
    }
}

void SeasonChecker::CheckSeasonEnd(CWorldData& w, CCountry& country, std::vector<std::string>& problems) {
    const int seasons = ++m_CountrySeasons[country.GetId()];
    ++m_SeasonEnds;
    const std::string where = std::string(country.GetName()) + " season " + std::to_string(seasons) + ": ";
    const int first = country.FirstClubIndex(), last = country.LastClubIndex();
    const CDivision* top = country.GetDivision(0);
    for (int i = 0; i < country.GetDivisionCount(); ++i) {
        const CDivision* d = country.GetDivision(i);
        const int n = d->GetClubCount();
        const std::string name(d->GetName());
        if (d->m_NextFixture != n * (n - 1))
            problems.push_back(where + name + " played " + std::to_string(d->m_NextFixture) + " of " +
                               std::to_string(n * (n - 1)) + " fixtures");
        std::set<std::pair<int, int>> pairs;
        for (int f = 0; f < d->m_NextFixture && f < d->m_Fixtures.GetSize(); ++f) {
            const CFixture* fx = d->m_Fixtures.GetAt(f);
            if (fx->m_Home == fx->m_Away || !d->HoldsClub(fx->m_Home) || !d->HoldsClub(fx->m_Away) ||
                !pairs.insert({fx->m_Home, fx->m_Away}).second)
                problems.push_back(where + name + ": a fixture played twice or between strangers");
        }
        m_LeagueMatches += d->m_NextFixture;
        for (int f = 0; f < d->m_NextFixture && f < d->m_Fixtures.GetSize(); ++f) {
            const CFixture& fx = *d->m_Fixtures.GetAt(f);
            ++m_Stats.matches;
            m_Stats.goals += fx.m_HomeGoals + fx.m_AwayGoals;
            if (fx.m_HomeGoals > fx.m_AwayGoals) ++m_Stats.homeWins;
            else if (fx.m_HomeGoals < fx.m_AwayGoals) ++m_Stats.awayWins;
            else ++m_Stats.draws;
            const CMatchEventList& e = fx.m_Events;
            m_Stats.yellowCards += e.CountHomeBookings() + e.CountAwayBookings();
            m_Stats.redCards += e.CountHomeSendingsOff() + e.CountAwaySendingsOff();
            for (int g = 0; g < fx.m_HomeGoals; ++g) m_Stats.penaltyGoals += e.IsHomeGoalPenalty(g) ? 1 : 0;
            for (int g = 0; g < fx.m_AwayGoals; ++g) m_Stats.penaltyGoals += e.IsAwayGoalPenalty(g) ? 1 : 0;
        }
        const auto divisionIndex = static_cast<size_t>(country.GetDivisionIndex(i));
        if (divisionIndex < m_DivisionSizes.size() && m_DivisionSizes[divisionIndex] != n)
            problems.push_back(where + name + " changed its size");
        for (int c = d->GetFirstClub(); c < d->GetFirstClub() + n; ++c)
            if (w.GetClub(c)->GetDivision() != d) problems.push_back(where + name + ": a club of another division");
        if (DriverCountHonours(w, first, last, CTrophyHistory::kLeagueTitle, name) != seasons)
            problems.push_back(where + name + ": not one champion a season");
    }
    for (const auto& cup : country.GetCups()) {
        if (cup->GetRoundCount() > 0 && m_FinalsPlayed[cup.get()] != 1)
            problems.push_back(where + std::string(cup->m_Name) + ": its final played " +
                               std::to_string(m_FinalsPlayed[cup.get()]) + " times");
        m_FinalsPlayed[cup.get()] = 0;
        if (cup->GetRoundCount() > 0 &&
            DriverCountHonours(w, 0, w.GetClubList().GetRealCount() - 1, CTrophyHistory::kCupWin,
                               std::string(cup->m_Name)) != seasons)
            problems.push_back(where + std::string(cup->m_Name) + ": not one winner a season");
    }
    std::vector<int> ranked;
    const CExtDWordArray& ranking = country.GetClubRanking();
    for (int i = 0; i < ranking.GetSize(); ++i) ranked.push_back(static_cast<int>(ranking.GetAt(i)));
    std::vector<int> sorted = ranked;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected;
    for (int c = first; c <= last; ++c) expected.push_back(c);
    if (sorted != expected) problems.push_back(where + "the club ranking is not the country's clubs once each");
    if (ranked.empty() || ranked.front() != top->GetChampion())
        problems.push_back(where + "the club ranking does not start with the champion");
}

}  // namespace testsupport
