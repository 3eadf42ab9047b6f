// Finding a club's match in the knock-out competitions: the country's cups,
// the shields, the play-offs and the federation cups.
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/nonleagueclub.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int32_t kHomeGround = 0;
constexpr int32_t kNeutralVenue = 1;
constexpr int32_t kNonLeagueGround = 14;

int CountryNumber(const CWorldData& w, int club) {
    if (club >= 0) {
        const CClub* c = w.GetClub(club);
        return c ? c->GetCountryIndex() + 1 : 0;
    }
    const CNonLeagueClub* n = w.GetNonLeagueClub(-club - 1);
    return n ? n->m_Country + 1 : 0;
}

}  // namespace

CFixture* CCupRound::FindFixture(int day, int club, bool* replay) const {
    if (day == m_MatchSlot)
        if (CFixture* f = m_Ties.GetClubFixture(0, club)) {
            if (replay) *replay = false;
            return f;
        }
    if (HasReplaySlot() && day == m_ReplaySlot)
        if (CFixture* f = m_Replays.GetClubFixture(0, club)) {
            if (replay) *replay = true;
            return f;
        }
    return nullptr;
}

bool CCup::FindFixture(int day, int club, CFixtureInfo& info) const {
    CWorldData* w = GetWorldData();
    if (!w) return false;
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound* round = GetRound(i);
        bool replay = false;
        CFixture* f = round->FindFixture(day, club, &replay);
        if (!f) continue;
        f->FillMatchInfo(info);
        info.homeCountry = CountryNumber(*w, f->m_Home);
        info.awayCountry = CountryNumber(*w, f->m_Away);
        info.extraFlag = kHomeGround;
        if (f->m_Home < 0) {
            const CNonLeagueClub* n = w->GetNonLeagueClub(-f->m_Home - 1);
            info.homeName = n ? std::string(n->GetName()) : std::string();
            info.stadium = n ? n->GetStadiumName() : std::string();
            info.extraFlag = kNonLeagueGround;
        }
        if (f->m_Away < 0) info.awayName = w->GetTeamName(f->m_Away);
        if (CCupRound::IsNeutralKind(round->m_Kind)) {
            const CStadium* venue =
                m_Venues.GetSize() > 0 ? w->GetStadiumList().GetAt(static_cast<int>(m_Venues.GetAt(0))) : nullptr;
            info.stadium = venue ? venue->name : std::string();
            info.extraFlag = kNeutralVenue;
        } else if (f->m_Home >= 0) {
            const CClub* home = w->GetClub(f->m_Home);
            info.stadium = home ? home->GetStadiumName() : std::string();
        }
        info.title = replay ? GetReplayName(i) : GetRoundFullName(i);
        info.competition = m_Name;
        info.cup = this;
        info.leagueFlag = 0;
        info.spare = 0;
        info.fixtureIndex = -1;
        info.fixture = f;
        return true;
    }
    return false;
}

bool CCupList::FindFixture(int day, int club, CFixtureInfo& info) const {
    if (club < 0) return false;
    for (const auto& cup : *this)
        if (cup->FindFixture(day, club, info)) return true;
    return false;
}

bool CCharityShieldList::FindFixture(int day, int club, CFixtureInfo& info) const {
    if (club < 0) return false;
    for (const auto& shield : *this)
        if (shield->FindFixture(day, club, info)) return true;
    return false;
}

namespace {

template <class List>
bool FindInCups(const List& list, int day, int club, CFixture** out) {
    if (!out || club < 0) return false;
    for (const auto& cup : list)
        for (int i = 0; i < cup->GetRoundCount(); ++i)
            if (CFixture* f = cup->GetRound(i)->FindFixture(day, club)) {
                *out = f;
                return true;
            }
    return false;
}

}  // namespace

bool CPlayOffList::FindFixture(int day, int club, CFixture** out) const { return FindInCups(*this, day, club, out); }

bool CFederationCupList::FindFixture(int day, int club, CFixture** out) const {
    return FindInCups(*this, day, club, out);
}
