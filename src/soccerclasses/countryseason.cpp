// The country's part of the day step: deadlines, the season's end with its
// titles, promotion and relegation, and the club ranking.
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
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
        if (lowerDivision && promotesRunnerUp) c->SeasonEndMoveUp(false);
    }
}

// A play-off that has not been cleared for another season (spare byte 6
// marks one that is not played).
CPlayOff* SeasonPlayOff(const CDivision& d) {
    CPlayOff* p = d.GetPlayOff();
    return p && p->m_Spare != 6 ? p : nullptr;
}

// The play-off's order becomes the division's final order.
void ApplyPlayOffOrder(CDivision& d, CPlayOff& playOff) {
    CWorldData* w = GetWorldData();
    CExtDWordArray order;
    playOff.GetOutcome(order, 0);
    if (order.GetSize() < 2) platform::Trace(std::string(d.GetName()) + ": a play-off without two clubs\n");
    for (int i = 0; i < order.GetSize() && i < d.GetClubCount(); ++i) {
        const int club = static_cast<int32_t>(order.GetAt(i));
        const int at = d.GetClubIndexAtPosition(i);
        if (!d.HoldsClub(club) || at < 0 || at == club) continue;
        w->GetClubList().SwapTablePositions(club, at);
    }
}

// The club at U's place `count - k - 1 - extra`, passing over `skip`.
int PlayOffVictim(const CDivision& upper, int k, int extra, int skip) {
    const int count = upper.GetClubCount();
    int v = upper.GetClubIndexAtPosition(count - k - 1 - extra);
    if (v == skip && v >= 0) v = upper.GetClubIndexAtPosition(count - k - 1 - (1 - extra));
    return v;
}

// One club the play-off sends up in place of the club `victim` of U.
void PromoteFromPlayOff(const CDivision& upper, int club, int victim) {
    CWorldData* w = GetWorldData();
    CClub* winner = w->GetClub(club);
    if (!winner) return;
    if (upper.HoldsClub(club) || club == victim) {
        winner->SeasonEndHumanNotice();
        return;
    }
    CClub* down = w->GetClub(victim);
    if (!down) return;
    down->SeasonEndMoveDown();
    winner->SeasonEndHumanReview();
    w->SwapClubs(victim, club);
}

// The lower division's play-off sends one or two clubs up.
void ApplyPromotionPlayOff(const CDivision& upper, CPlayOff& playOff, int k) {
    CExtDWordArray outcome;
    playOff.GetOutcome(outcome, 1);
    if (outcome.IsEmpty()) return;
    const int first = static_cast<int32_t>(outcome.GetAt(0));
    const int second = outcome.GetSize() > 1 ? static_cast<int32_t>(outcome.GetAt(1)) : -1;
    switch (playOff.m_ExtraPlaces) {
        case 1:
            PromoteFromPlayOff(upper, first, PlayOffVictim(upper, k, 0, -1));
            break;
        case 2:
            PromoteFromPlayOff(upper, first, PlayOffVictim(upper, k, 0, second));
            if (second >= 0) PromoteFromPlayOff(upper, second, PlayOffVictim(upper, k, 1, first));
            break;
        default:
            platform::Trace(std::string(playOff.m_Name) + ": a play-off of neither one nor two places\n");
            break;
    }
}

}  // namespace

bool CCountry::EndOfSeason() {
    CWorldData* w = GetWorldData();
    const int n = GetDivisionCount();
    if (n == 0 || !w || m_SeasonEndDay != w->GetMatchDay()) return false;
    // The cups keep their finalists and qualifiers in the country's fields.
    m_Cups.EndOfSeason();
    for (int i = 0; i < n; ++i)
        if (CDivision* d = GetDivision(i)) d->EndOfSeason();
    if (IsFollowed()) {
        if (m_YouthMarket) m_YouthMarket->EndOfSeason();
        if (m_StaffMarket) m_StaffMarket->EndOfSeason();
    }
    CDivision* top = GetDivision(0);
    if (CPlayOff* p = SeasonPlayOff(*top)) ApplyPlayOffOrder(*top, *p);
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
        if (CPlayOff* p = SeasonPlayOff(lower)) ApplyPromotionPlayOff(upper, *p, k);
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
