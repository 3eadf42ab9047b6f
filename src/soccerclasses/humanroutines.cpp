// The human managers' share of the day step: the checks before a match
// day, the daily notices and the per-user loops of the user list.
#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kTooFewFitText = 959;
constexpr unsigned kPreSeasonText = 864;
constexpr unsigned kSeasonOverText = 32896;
constexpr int kFriendlySlotCount = 4;

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

bool CHumanManager::PreSeasonHint() {
    CWorldData* w = GetWorldData();
    CClub* club = IsEmployed() ? GetClub() : nullptr;
    if (!w || !club) return false;
    const CCountry* country = club->GetCountry();
    const CDivision* division = club->GetDivision();
    const bool gameStart = country && w->GetSeason() == 0 && country->GetSeasonStartDay() == w->GetMatchDay();
    const bool friendliesNear = division && division->CountMatchDaysToFriendlyDay() == 2;
    if (!gameStart && !friendliesNear) return false;
    bool shown = false;
    if (club->CountFreeFriendlySlots() == kFriendlySlotCount) {
        m_MarkedPlayers.clear();
        UserMessageBoxText(platform::FormatMessageId(kPreSeasonText, {GetManagerName()}), kBoxNotice, -1);
        shown = true;
    }
    // Posted once: left standing it would come back at every later hint
    // until he changed clubs.
    if (m_Deferred.code != 0) {
        AddMessage(m_Deferred.code, m_Deferred.text1, m_Deferred.text2, m_Deferred.text3, m_Deferred.id);
        ClearDeferredMessage();
    }
    return shown;
}

bool CHumanManager::SeasonEndNotice() {
    CWorldData* w = GetWorldData();
    const CClub* club = GetClub();
    const CDivision* division = club ? club->GetDivision() : nullptr;
    if (!w || !division || division->GetCalendarSlot(w->GetMatchDay()) != CDivision::kLeagueEnd) return false;
    UserMessageBoxText(platform::FormatMessageId(kSeasonOverText, {GetManagerName()}), kBoxNotice, -1);
    return true;
}

bool CUserList::DailyStep() {
    bool shown = false;
    for (auto& user : m_Slots) {
        if (!user->HasManager()) continue;
        shown = user->PreSeasonHint() || shown;
        shown = user->SeasonEndNotice() || shown;
    }
    return shown;
}

void CUserList::UpdateAdvisors() {
    CWorldData* world = GetWorldData();
    const int32_t previous = world->GetCurrentUserIndex();
    for (int i = 0; i < kSlots; ++i) {
        if (!m_Slots[size_t(i)]->HasManager()) continue;
        world->SetCurrentUser(i);
        m_Slots[size_t(i)]->UpdateAdvisors();
    }
    world->RestoreCurrentUser(previous);
}

int CUserList::IndexOf(const CHumanManager* user) const {
    for (int i = 0; i < kSlots; ++i)
        if (m_Slots[size_t(i)].get() == user) return i;
    return -1;
}
