#include "support/match_world.h"

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "support/test_env.h"

namespace testsupport {

MatchWorld::MatchWorld(uint32_t seed, const std::function<bool(int)>& followed) {
    platform::SetInstallFolder(testenv::GameDir());
    platform::SeedRandom(seed);
    m_World = std::make_unique<CWorldData>();
    m_Scope = std::make_unique<ScopedWorld>(m_World.get());
    CWorldData& w = *m_World;
    for (int id = 1; id < 255; ++id) w.SelectCountry(id, followed(id));
    w.ReadFederationsAndCountries();
    FILE* f = OpenDataFile("Data\\Clubs.bin");
    const int32_t clubs = LoadInt32(f);
    CloseGameFile(f);
    for (int i = 0; i < clubs; ++i) w.GetClubList().AddRealClub(std::make_unique<CClub>());
    ReadDivisionsIntoWorld(w);
    w.GetStadiumList().ReadDataFile();
    w.GetClubList().ReadDataFile();
    w.GetPlayerList().LoadDatabase(w.GetClubList().GetRealCount());
    ReadRefereesIntoWorld(w);
    RefillRotations();
}

MatchWorld::~MatchWorld() {
    m_Fixture.reset();
    m_Scope.reset();
    m_World.reset();
    ResetGameFileChannel();
    platform::ResetFolders();
}

void MatchWorld::RefillRotations() {
    for (int i = 0; i < m_World->GetCountryList().GetSize(); ++i) m_World->GetCountry(i)->RefillRefereeRotation();
}

int MatchWorld::FirstLeagueDivision() const {
    CWorldData& w = *m_World;
    for (int i = 0; i < w.GetDivisionList().GetSize(); ++i) {
        const CDivision* d = w.GetDivision(i);
        const CClub* c = d->GetClubCount() > 1 ? w.GetClub(d->GetFirstClub()) : nullptr;
        if (c && c->GetPlayer(0) && c->GetCountry() && c->GetCountry()->GetFollowLevel() == 0) return i;
    }
    return -1;
}

CFixture& MatchWorld::LeagueFixture(int division, int homeOffset, int awayOffset) {
    CDivision* d = m_World->GetDivision(division);
    const auto home = static_cast<int16_t>(d->GetFirstClub() + homeOffset);
    const auto away = static_cast<int16_t>(d->GetFirstClub() + awayOffset);
    m_Fixture = std::make_unique<CFixture>(CFixture::kLeague, home, away, 5, 3, 0);
    m_World->GetMatchVars()->SetDivision(d);
    return *m_Fixture;
}

int CountEvents(const CFixture& f, std::initializer_list<int> types) {
    int n = 0;
    for (int i = 0; i < f.m_Events.GetSize(); ++i)
        for (int t : types) n += f.m_Events.GetAt(i)->m_Type == t;
    return n;
}

}  // namespace testsupport
