// What a club plays on a calendar day: its league match and its friendlies.
#include <algorithm>

#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kCalendarSlots = 106;
constexpr uint8_t kNoLeagueMatch = 200;
constexpr int kFriendlySlots = 4;

void FillClubs(CFixtureInfo& info, int home, int away) {
    CWorldData* world = GetWorldData();
    const CClub* h = world->GetClub(home);
    const CClub* a = world->GetClub(away);
    info.home = home;
    info.away = away;
    info.homeName = h ? h->GetName() : std::string();
    info.awayName = a ? a->GetName() : std::string();
    info.homeCountry = h ? h->GetCountryIndex() + 1 : 0;
    info.awayCountry = a ? a->GetCountryIndex() + 1 : 0;
    info.stadium = h ? h->GetStadiumName() : std::string();
}

}  // namespace

int CClub::GetLeagueFixture(CFixtureInfo& info, int day) const {
    const CDivision* d = GetDivision();
    // The calendar has 106 slots, 0 to 105.
    if (!d || day < 0 || day >= kCalendarSlots) return 0;
    info.substitutes = d->m_SubsNamed;
    info.substitutions = d->m_SubsAllowed;
    const uint8_t code = d->GetCalendarSlot(day);
    if (code == 0 || code >= kNoLeagueMatch) return 0;
    const int self = GetWorldData()->GetClubList().GetIndex(this);
    const auto pairs = d->GetPairsForSlot(day);
    // A match day's fixtures follow one another E / 2 at a time, E the club
    // count rounded down to even.
    const int first = (code - 1) * (d->GetClubCount() & ~1) / 2;
    for (size_t k = 0; k < pairs.size(); ++k) {
        if (pairs[k].first != self && pairs[k].second != self) continue;
        FillClubs(info, pairs[k].first, pairs[k].second);
        info.competition = d->GetName();
        info.leagueFlag = 1;
        info.extraFlag = 0;
        info.spare = 0;
        info.fixtureIndex = first + static_cast<int32_t>(k);
        info.fixture = d->m_Fixtures.GetAt(info.fixtureIndex);
        info.title.clear();
        info.cup = nullptr;
        return 1;
    }
    return 0;
}

bool CClub::GetLeagueFixtureInfo(CFixtureInfo& info) const {
    return GetLeagueFixture(info, GetWorldData()->GetMatchDay()) == 1;
}

int CClub::GetFriendlySlot(int day) const {
    const CDivision* d = GetDivision();
    return d ? CDivision::GetCalendarMarkerIndex(d->GetCalendarSlot(day)) : 65535;
}

bool CClub::IsFriendlyDay(int day) const { return GetFriendlySlot(day) != 65535; }

int CClub::GetFriendlyDay(int slot) const {
    const CDivision* d = GetDivision();
    return d ? d->FindMarkerSlot(slot) : -1;
}

bool CClub::IsFriendlyDayFree(int day) const {
    const int slot = GetFriendlySlot(day);
    return slot != 65535 && GetFriendlyOpponent(slot) == kEmptySlot;
}

int CClub::GetFirstFreeFriendlyDay() const {
    for (int slot = 0; slot < kFriendlySlots; ++slot)
        if (GetFriendlyOpponent(slot) == kEmptySlot) return GetFriendlyDay(slot);
    return -1;
}

bool CClub::CanArrangeFriendly(int day, int opponent) const {
    if (!IsFriendlyDayFree(day)) return false;
    if (opponent == -1) return true;
    for (int slot = 0; slot < kFriendlySlots; ++slot)
        if (GetFriendlyOpponent(slot) == static_cast<uint32_t>(opponent)) return false;
    return true;
}

bool CClub::GetFriendlyFixtureInfo(CFixtureInfo& info, int day) const {
    const int slot = GetFriendlySlot(day);
    if (slot == 65535 || GetFriendlyOpponent(slot) == kEmptySlot) return false;
    const int self = GetWorldData()->GetClubList().GetIndex(this);
    const int opponent = static_cast<int>(GetFriendlyOpponent(slot));
    if (GetFriendlyVenue(slot) == 1) FillClubs(info, opponent, self);
    else FillClubs(info, self, opponent);
    info.competition = platform::LoadString(98);
    info.leagueFlag = 0;
    info.extraFlag = 0;
    info.substitutes = 5;
    info.substitutions = 3;
    info.spare = 0;
    info.fixtureIndex = -1;
    info.fixture = GetWorldData()->GetFriendlyMatchList().FindFixture(info.home, info.away);
    info.title.clear();
    info.cup = nullptr;
    // The other club's season end may have taken the friendly away already.
    return info.fixture != nullptr;
}

bool CClub::IsDominatingLeague() const {
    const int games = leagueRow_.GetPlayed();
    if (games < 10) return false;
    if (leagueRow_.m_Points / games > 2) return true;
    if (leagueRow_.m_Position != 0) return false;
    const CDivision* d = GetDivision();
    return d && leagueRow_.m_Points - d->GetPointsAtPosition(1) > 12;
}
