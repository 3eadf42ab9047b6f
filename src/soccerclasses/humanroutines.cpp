// The human managers' share of the day step: the checks before a match
// day, the daily notices and the per-user loops of the user list.
#include "soccerclasses/club.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kTooFewFitText = 959;

}  // namespace

bool CHumanManager::CheckTeamReady() {
    const CManager* m = GetManager();
    CWorldData* w = GetWorldData();
    CFixtureInfo match;
    if (!m || !w || !m->IsEmployed() || !m->FindMatchOn(w->GetMatchDay(), match)) return true;
    CClub* club = m->GetClub();
    if (!club) return true;
    if (club->CountAvailablePlayers() < 11 + match.substitutes) {
        UserMessageBox(kTooFewFitText, kBoxNotice, -1);
        return false;
    }
    // The club names its own complaint about the team sheet.
    return club->ValidateHumanSelection(match.substitutes);
}

bool CUserList::IsHumanMatchDay(const CMatchTime& date, CFixtureInfo& fixture) {
    CWorldData* world = GetWorldData();
    const int32_t previous = world->GetCurrentUserIndex();
    bool any = false;
    for (int i = 0; i < kSlots; ++i) {
        if (!world->SetCurrentUser(i)) continue;
        const CHumanManager& user = *m_Slots[size_t(i)];
        const CManager* m = user.IsEmployed() ? user.GetManager() : nullptr;
        CFixtureInfo found;
        if (m && m->FindMatchOn(date.GetMatchDay(), found)) {
            fixture = found;
            any = true;
        }
    }
    world->RestoreCurrentUser(previous);
    return any;
}
