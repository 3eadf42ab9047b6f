#include "soccerclasses/worldlinks.h"

#include "platform/cp1252.h"

#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

// The world keeps the pools; without a world, objects come and go directly.
std::unique_ptr<CFixture> TakePooledFixture() {
    if (CWorldData* w = GetWorldData()) return w->NewFixture();
    return std::make_unique<CFixture>();
}
void ReturnPooledFixture(std::unique_ptr<CFixture> fixture) {
    if (CWorldData* w = GetWorldData()) w->FreeFixture(std::move(fixture));
}
std::unique_ptr<CMatchEvent> TakePooledMatchEvent() {
    if (CWorldData* w = GetWorldData()) return w->NewMatchEvent();
    return std::make_unique<CMatchEvent>();
}
void ReturnPooledMatchEvent(std::unique_ptr<CMatchEvent> event) {
    if (CWorldData* w = GetWorldData()) w->FreeMatchEvent(std::move(event));
}
CSubstitutionVars* WorldSubstitutionVars() {
    CWorldData* w = GetWorldData();
    return w ? w->GetSubstitutionVars() : nullptr;
}
namespace {
std::function<std::string(int)> g_clubNames;
}
void SetClubNameSource(std::function<std::string(int)> source) { g_clubNames = std::move(source); }
std::string ClubNameConverted(int club) {
    if (g_clubNames) return g_clubNames(club);
    CWorldData* w = GetWorldData();
    if (!w) return {};
    if (const CClub* c = club >= 0 ? w->GetClub(club) : nullptr) return c->GetNameConverted();
    // A non-league side's own name, in capitals like the rest of a headline.
    return platform::Cp1252Upper(w->GetTeamName(club));
}

namespace {
std::string Upper(const std::string& s) { return platform::Cp1252Upper(s); }
const CPlayer* Player(int i) {
    CWorldData* w = GetWorldData();
    return w && i >= 0 ? w->GetPlayer(i) : nullptr;
}
const CManager* Manager(int i) {
    CWorldData* w = GetWorldData();
    return w && i >= 0 ? w->GetManagerList().GetAt(i) : nullptr;
}
}  // namespace

std::string PlayerSurnameUpper(int player) {
    const CPlayer* p = Player(player);
    return p ? Upper(p->Person().GetSurname()) : std::string();
}

int ClubOfPlayer(int player) {
    CWorldData* w = GetWorldData();
    if (!Player(player) || player > 0xFFFE) return -1;
    CClub* club = w->GetClubList().FindClubOfPlayer(static_cast<uint16_t>(player));
    return club ? w->GetClubList().GetIndex(club) : -1;
}

int ClubPopularityRow(int club) {
    CWorldData* w = GetWorldData();
    const CClub* c = w && club >= 0 ? w->GetClub(club) : nullptr;
    return c ? c->GetPopularityIndex() : -1;
}

int PlayerSeasonGoals(int player) {
    const CPlayer* p = Player(player);
    return p ? p->m_SeasonGoals : 0;
}

int PlayerInjuryTimeEstimate(int player) {
    const CPlayer* p = Player(player);
    return p ? p->GetInjuryTimeEstimate() : 0;
}

int PlayerMatchesSuspended(int player) {
    const CPlayer* p = Player(player);
    return p ? p->m_Suspension : 0;
}

std::string ManagerSurnameUpper(int manager) {
    const CManager* m = Manager(manager);
    return m ? Upper(m->m_Person.GetSurname()) : std::string();
}

int ManagerClub(int manager, bool orPrevious) {
    const CManager* m = Manager(manager);
    if (!m) return -1;
    if (m->IsEmployed()) return m->GetClubIndex();
    return orPrevious ? m->GetPreviousClubIndex() : -1;
}

int ManagerPreviousClub(int manager) {
    const CManager* m = Manager(manager);
    return m ? m->GetPreviousClubIndex() : -1;
}
