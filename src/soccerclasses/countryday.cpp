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
            c->GetCups().NewSeason();
        }
        if (c->GetDivisionCount() > 0) c->RefillRefereeRotation();
    }
}

int CCountryList::PlayCupDay(int a) {
    int result = a;
    for (const auto& c : *this) {
        c->RefreshSeasonText();
        result = c->GetCups().PlayToday(a != 0) ? 1 : 0;
    }
    return result;
}

void CCountryList::DrawCups() {
    for (const auto& c : *this) c->GetCups().DrawToday();
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

void CCountryList::StartCalendarYearSeasons() {
    for (const auto& c : *this) {
        if (c->GetSeasonKind() != 1) continue;
        for (int i = 0; i < c->GetDivisionCount(); ++i)
            if (CDivision* d = c->GetDivision(i)) d->PlayUpToToday(static_cast<int>(c->GetDivisionIndex(i)), 0);
        c->GetCups().CatchUpToToday();
    }
}

void CCountryList::BuildClubRankings() {
    for (const auto& c : *this)
        if (c->GetDivisionCount() > 0) c->BuildClubRanking();
}
