#include "support/game_driver.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "support/test_env.h"

namespace testsupport {

GameDriver::GameDriver(const std::vector<uint8_t>& countries) {
    ResetModuleState();
    platform::SetInstallFolder(testenv::GameDir());
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
    const std::filesystem::path path = testenv::TestFolder() / "driver.qzs";
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

}  // namespace testsupport
