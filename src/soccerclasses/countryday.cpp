// The countries' loops of the day step and of the new game.
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {

template <typename Visit>
void EachCountryDivision(CCountry& c, Visit visit) {
    for (int i = 0; i < c.GetDivisionCount(); ++i)
        if (CDivision* d = c.GetDivision(i)) visit(*d);
}

// Weekly, midweek and deadline work is only for countries played in detail.
bool HasDetailedWork(const CCountry& c) { return c.GetDivisionCount() > 0 && c.GetFollowLevel() < kNotFollowed; }

}  // namespace

void CCountryList::StartDay() {
    CWorldData* w = GetWorldData();
    const int today = w ? w->GetMatchDay() : -1;
    for (const auto& c : *this) {
        if (c->GetSeasonStartDay() == today) {
            c->RefreshSeasonText();
            EachCountryDivision(*c, [](CDivision& d) { d.StartNewSeason(); });
        }
        if (c->GetDivisionCount() > 0) c->RefillRefereeRotation();
    }
}

void CCountryList::ProcessWeek(int a) {
    CWorldData* w = GetWorldData();
    for (const auto& c : *this) {
        c->GetNews().Trim(kCountryNewsKept);
        if (!HasDetailedWork(*c)) continue;
        EachCountryDivision(*c, [a](CDivision& d) {
            d.ProcessClubsWeekly(a != 0);
            d.StockTransferMarket();
        });
        c->CheckTransferDeadline(w->GetMatchDay());
        for (CPlayer* p : c->GetTransferListedPlayers()) ++p->m_WeeksListed;
    }
}

void CCountryList::ProcessMidweek() {
    CWorldData* w = GetWorldData();
    for (const auto& c : *this) {
        c->GetNews().Trim(kCountryNewsKept);
        if (!HasDetailedWork(*c)) continue;
        c->CheckTransferDeadline(w->GetMatchDay());
        EachCountryDivision(*c, [](CDivision& d) { d.StockTransferMarketOnly(); });
    }
}

bool CCountryList::EndOfSeasonAll() {
    bool ended = false;
    for (const auto& c : *this) ended = c->EndOfSeason() || ended;
    return ended;
}

void CCountryList::PrepareDivisions() {
    // The transfer lists are stocked before the first day.
    for (const auto& c : *this) EachCountryDivision(*c, [](CDivision& d) { d.StockTransferMarket(); });
}

void CCountryList::BuildClubRankings() {
    for (const auto& c : *this)
        if (c->GetDivisionCount() > 0) c->BuildClubRanking();
}
