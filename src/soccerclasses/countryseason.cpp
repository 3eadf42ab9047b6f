// The country's part of the day step: deadlines, the season's end with its
// titles, promotion and relegation, and the club ranking.
#include <utility>
#include <vector>

#include "platform/trace.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/worlddata.h"

CDivision* CCountry::PickNearbyDivision(int division) const {
    const int n = GetDivisionCount();
    if (n == 0) return nullptr;
    int p = division;
    for (int i = 0; i < n; ++i)
        if (static_cast<int>(GetDivisionIndex(i)) == division) p = i;
    const int r = Random(5);
    if (r == 0 && p < n - 1) return GetDivision(p + 1);
    if ((r == 1 || r == 2) && p >= 1) return GetDivision(p - 1);
    return GetDivision(p);
}

void CCountry::CheckTransferDeadline(int day) {
    if (!IsDeadlineDay(day)) return;
    m_TransferWindow = m_TransferWindow ? 0 : 1;
    // An opened window is news of its own, not a second closing.
    AddNewsById(m_TransferWindow == 0 ? kDeadlinePassedText : kWindowOpenedText, 0);
}

void CCountry::BuildClubRanking() {
    m_ClubRanking.RemoveAll();
    for (int i = 0; i < GetDivisionCount(); ++i)
        if (const CDivision* d = GetDivision(i)) d->AddClubsTo(m_ClubRanking);
}

namespace {

CClub* SeasonClubAt(const CDivision& d, int position) {
    CWorldData* w = GetWorldData();
    return w->GetClub(d.GetClubIndexAtPosition(position));
}

// The champion and runner-up of a division as its final table stands.
void RecordDivisionPlaces(CDivision& d, bool promotesRunnerUp, bool lowerDivision) {
    CWorldData* w = GetWorldData();
    const int champion = d.GetClubIndexAtPosition(0);
    const int runnerUp = d.GetClubIndexAtPosition(1);
    if (CClub* c = w->GetClub(champion)) {
        d.SetChampion(champion);
        c->AddLeagueTitle(d.GetName(), d.GetPictureNumber());
        if (lowerDivision) c->SeasonEndMoveUp(true);
    }
    if (CClub* c = w->GetClub(runnerUp)) {
        d.SetRunnerUp(runnerUp);
        c->AddLeagueRunnerUp(d.GetName(), d.GetPictureNumber());
        // Only a runner-up who goes up gets the promotion's bookkeeping.
        if (lowerDivision && promotesRunnerUp) {
            c->RecordPromotion();
            c->SeasonEndMoveUp(false);
        }
    }
}

// A play-off's outcome, taken once; empty without a play-off or when it is
// not played this season.
CExtDWordArray PlayOffOutcome(CPlayOff* p, uint8_t mark) {
    CExtDWordArray out;
    if (p && p->m_Spare != 6) p->GetOutcome(out, mark);
    return out;
}

// The top division's play-off decides its final order: its clubs take the
// top places in the play-off's order.
void ApplyTopPlayOffOrder(CDivision& top, const CExtDWordArray& order) {
    CWorldData* w = GetWorldData();
    for (int i = 0; i < order.GetSize(); ++i) {
        CClub* a = w->GetClub(static_cast<int32_t>(order.GetAt(i)));
        CClub* b = w->GetClub(top.GetClubIndexAtPosition(i));
        if (!a || !b || a == b) continue;
        std::swap(a->LeagueRow().m_Position, b->LeagueRow().m_Position);
    }
}

// The clubs that the play-off of L sends up into U: each takes the place of
// a club just above U's direct relegation places; a club of U that won its
// place stays where it is.
void MovePlayOffClubs(CDivision& upper, uint32_t upperIndex, const CExtDWordArray& outcome, int places, int k) {
    CWorldData* w = GetWorldData();
    const int count = upper.GetClubCount();
    auto at = [&](int pos) { return upper.GetClubIndexAtPosition(pos); };
    auto entry = [&](int i) { return i < outcome.GetSize() ? static_cast<int32_t>(outcome.GetAt(i)) : -1; };
    auto moveUp = [&](int club, int down) {
        CClub* up = w->GetClub(club);
        CClub* v = w->GetClub(down);
        if (!up || !v) return;
        if (club == down) {
            up->SeasonEndHumanNotice();
            return;
        }
        v->RecordRelegation();
        v->SeasonEndMoveDown();
        up->SeasonEndHumanReview();
        w->SwapClubs(down, club);
    };
    if (places == 1) {
        if (entry(0) >= 0) moveUp(entry(0), at(count - k - 1));
        return;
    }
    if (places != 2) {
        platform::Trace("CCountry::EndOfSeason: a play-off sending up other than one or two clubs\n");
        return;
    }
    const int a = entry(0), b = entry(1);
    auto inUpper = [&](int club) {
        const CClub* c = w->GetClub(club);
        return c && c->GetDivisionIndex() == static_cast<int32_t>(upperIndex);
    };
    if (a >= 0) {
        if (inUpper(a)) {
            w->GetClub(a)->SeasonEndHumanNotice();
        } else {
            const int v = at(count - k - 1) == b ? at(count - k - 2) : at(count - k - 1);
            moveUp(a, v);
        }
    }
    if (b >= 0) {
        if (inUpper(b)) {
            w->GetClub(b)->SeasonEndHumanNotice();
        } else {
            const int v = at(count - k - 2) == a ? at(count - k - 1) : at(count - k - 2);
            moveUp(b, v);
        }
    }
}

}  // namespace

bool CCountry::EndOfSeason() {
    CWorldData* w = GetWorldData();
    const int n = GetDivisionCount();
    if (n == 0 || !w || m_SeasonEndDay != w->GetMatchDay()) return false;
    CDivision* top = GetDivision(0);
    CCharityShield* shield = GetCharityShield();
    if (shield && top->GetShieldQualification()) shield->EndOfSeason();
    m_Cups.EndOfSeason();
    // Every play-off's outcome is taken before any club changes its slot.
    std::vector<CExtDWordArray> outcomes;
    for (int i = 0; i < n; ++i) outcomes.push_back(PlayOffOutcome(GetDivision(i)->GetPlayOff(), i == 0 ? 0 : 1));
    for (int i = 0; i < n; ++i)
        if (CDivision* d = GetDivision(i)) d->EndOfSeason();
    if (IsFollowed()) {
        if (m_YouthMarket) m_YouthMarket->EndOfSeason();
        if (m_StaffMarket) m_StaffMarket->EndOfSeason();
        StaffMarketChanged(-1);
        ForgetListPlaces(kPersonListYouthMarket, *this);
        ForgetListPlaces(kPersonListStaffMarket, *this);
    }
    if (outcomes[0].GetSize() >= 2) ApplyTopPlayOffOrder(*top, outcomes[0]);
    else if (top->GetPlayOff()) platform::Trace("CCountry::EndOfSeason: the top play-off gave fewer than two clubs\n");
    RecordDivisionPlaces(*top, false, false);
    if (shield) {
        const int champion = top->GetClubIndexAtPosition(0);
        shield->AddEntrant(shield->HasEntrant(champion) ? top->GetClubIndexAtPosition(1) : champion);
    }
    if (n > 1)
        if (CClub* bottom = SeasonClubAt(*GetDivision(n - 1), GetDivision(n - 1)->GetClubCount() - 1))
            bottom->RecordBottomPlace();
    for (int i = 1; i < n; ++i) {
        CDivision& upper = *GetDivision(i - 1);
        CDivision& lower = *GetDivision(i);
        const int k = upper.GetPromotionPlaces();
        RecordDivisionPlaces(lower, k >= 2, true);
        for (int j = 0; j < k; ++j) {
            const int down = upper.GetClubIndexAtPosition(upper.GetClubCount() - 1 - j);
            const int up = lower.GetClubIndexAtPosition(j);
            if (down < 0 || up < 0) continue;
            w->GetClub(down)->RecordRelegation();
            w->GetClub(down)->SeasonEndMoveDown();
            // The champion's title already says promotion; the other places
            // that go up are promoted in their own right.
            if (j > 1) {
                w->GetClub(up)->RecordPromotion();
                w->GetClub(up)->SeasonEndMoveUp(false);
            }
            w->SwapClubs(down, up);
        }
        if (CPlayOff* p = lower.GetPlayOff(); p && p->m_Spare != 6)
            MovePlayOffClubs(upper, GetDivisionIndex(i - 1), outcomes[static_cast<size_t>(i)], p->m_ExtraPlaces, k);
    }
    // The ranking follows the final tables, top division first.
    m_ClubRanking.RemoveAll();
    int total = 0;
    for (int i = 0; i < n; ++i) total += GetDivision(i)->GetClubCount();
    m_ClubRanking.SetSizeAndFill(total, 0);
    const int topFirst = top->GetFirstClub();
    for (int i = 0; i < n; ++i) {
        CDivision& d = *GetDivision(i);
        for (int c = d.GetFirstClub(); c < d.GetFirstClub() + d.GetClubCount(); ++c) {
            const CClub* club = w->GetClub(c);
            const int at = d.GetFirstClub() - topFirst + (club ? club->LeagueRow().m_Position : 0);
            if (at >= 0 && at < total) m_ClubRanking.SetAt(at, static_cast<uint32_t>(c));
        }
        d.ResetClubSeasonRecords();
    }
    for (int i = 0; i < m_Referees.GetSize(); ++i)
        if (CSoccerReferee* r = w->GetReferee(static_cast<int>(m_Referees.GetAt(i)))) r->NewSeason(this);
    return true;
}
