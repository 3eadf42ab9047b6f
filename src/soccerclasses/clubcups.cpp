// What a club plays in the knock-out competitions, and the questions about
// its day's match that the screens and the match squad ask.
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

namespace {

int SelfIndex(const CClub* club) { return GetWorldData()->GetClubList().GetIndex(club); }

// Play-offs and federation cups are cups too: the cup that holds the
// fixture describes it.
template <class List>
bool DescribeCupMatch(const List& list, int day, int club, CFixtureInfo& info) {
    CFixture* found = nullptr;
    if (!list.FindFixture(day, club, &found)) return false;
    for (const auto& cup : list)
        if (cup->FindRoundOfFixture(found)) return cup->FindFixture(day, club, info);
    return false;
}

}  // namespace

bool CClub::GetCountryCupFixtureInfo(CFixtureInfo& info, int day) const {
    CCountry* c = GetCountry();
    return c && c->GetCups().FindFixture(day, SelfIndex(this), info);
}

bool CClub::GetFederationCupFixtureInfo(CFixtureInfo& info, int day) const {
    return DescribeCupMatch(GetWorldData()->GetFederationCupList(), day, SelfIndex(this), info);
}

bool CClub::GetShieldFixtureInfo(CFixtureInfo& info, int day) const {
    return GetWorldData()->GetCharityShieldList().FindFixture(day, SelfIndex(this), info);
}

bool CClub::GetPlayOffFixtureInfo(CFixtureInfo& info, int day) const {
    return DescribeCupMatch(GetWorldData()->GetPlayOffList(), day, SelfIndex(this), info);
}

bool CClub::GetCupTieInfo(CFixtureInfo& info, int day) const {
    return GetCountryCupFixtureInfo(info, day) || GetFederationCupFixtureInfo(info, day) ||
           GetShieldFixtureInfo(info, day) || GetPlayOffFixtureInfo(info, day);
}

bool CClub::GetFixtureInfoForDay(CFixtureInfo& info, int day) const {
    return GetLeagueFixture(info, day) == 1 || GetFriendlyFixtureInfo(info, day) || GetCupTieInfo(info, day);
}

int CClub::GetSubstitutesForNextMatch() const {
    CFixtureInfo info;
    if (GetFixtureInfoForDay(info, GetWorldData()->GetMatchDay())) return info.substitutes;
    const CDivision* d = GetDivision();
    return d ? d->m_SubsNamed : 5;
}

std::string CClub::GetFriendlyDateText(int slot) const {
    const CDivision* d = GetDivision();
    return d ? d->GetMarkerDateText(slot) : std::string();
}

std::string CClub::GetFriendlyText(int slot) const {
    const int day = GetFriendlyDay(slot);
    if (day < 0) return std::string();
    return GetWorldData()->GetFriendlyMatchList().GetFriendlyResultText(SelfIndex(this), static_cast<uint8_t>(day));
}

void CClub::ResetFriendlies() {
    friendlyOpponents_.assign(4, kEmptySlot);
    friendlyVenues_.assign(4, 0);
}
