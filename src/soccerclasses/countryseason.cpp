// The country's part of the day step: deadlines, the season's end with its
// titles, promotion and relegation, and the club ranking.
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
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
        if (lowerDivision && promotesRunnerUp) c->SeasonEndMoveUp(false);
    }
}

}  // namespace

bool CCountry::EndOfSeason() {
    CWorldData* w = GetWorldData();
    const int n = GetDivisionCount();
    if (n == 0 || !w || m_SeasonEndDay != w->GetMatchDay()) return false;
    for (int i = 0; i < n; ++i)
        if (CDivision* d = GetDivision(i)) d->EndOfSeason();
    if (IsFollowed()) {
        if (m_YouthMarket) m_YouthMarket->EndOfSeason();
        if (m_StaffMarket) m_StaffMarket->EndOfSeason();
    }
    CDivision* top = GetDivision(0);
    RecordDivisionPlaces(*top, false, false);
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
            w->GetClub(down)->SeasonEndMoveDown();
            if (j > 1) w->GetClub(up)->SeasonEndMoveUp(false);
            w->SwapClubs(down, up);
        }
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
