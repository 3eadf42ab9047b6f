// The division's queries and season work over the world's clubs.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/divisionstrength.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/referee.h"
#include "soccerclasses/matchtime.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {
CClub* ClubAt(int i) {
    CWorldData* w = GetWorldData();
    return w ? w->GetClub(i) : nullptr;
}
constexpr unsigned kManagerOfTheMonthText = 50;
}  // namespace

int CDivision::GetClubIndexAtPosition(int position) const {
    if (position < 0 || position >= m_ClubCount) return -1;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c)
        if (CClub* club = ClubAt(c); club && club->LeagueRow().m_Position == position) return c;
    return -1;
}

int CDivision::GetPointsAtPosition(int position) const {
    CClub* club = ClubAt(GetClubIndexAtPosition(position));
    return club ? club->LeagueRow().m_Points : 0;
}

int CDivision::GetPointsGapToSafety(int clubIndex) const {
    CClub* club = ClubAt(clubIndex);
    int safe = m_ClubCount < 14 ? m_ClubCount - 3 : m_ClubCount - 7;
    return GetPointsAtPosition(safe) - (club ? club->LeagueRow().m_Points : 0);
}

int CDivision::GetRandomOtherClub(int notClub) const {
    // The draw never ends in a division of one club.
    if (m_ClubCount < 2) return -1;
    for (;;) {
        int c = m_FirstClub + Random(m_ClubCount - 1);
        if (c != notClub) return c;
    }
}

int CDivision::GetRandomNonHumanClub(int notClub) const {
    for (int i = 0; i < 50; ++i) {
        int c = m_FirstClub + Random(m_ClubCount - 1);
        CClub* club = ClubAt(c);
        if (c != notClub && club && !club->IsHumanManaged()) return c;
    }
    return -1;
}

bool CDivision::IsTopDivision() const {
    CWorldData* w = GetWorldData();
    CCountry* country = w ? w->GetCountry(m_Country) : nullptr;
    return country && country->GetDivisionCount() > 0 && country->GetDivision(0) == this;
}

void CDivision::FillLeagueTable(CListRows& rows, const CDivision* next) const {
    rows.ResetContent();
    for (int i = 0; i < m_ClubCount; ++i) rows.AddRow("", 0, 0, 0);
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        CClub* club = ClubAt(c);
        if (!club) continue;
        club->LeagueRow().AddToListControl(rows, 0xFFFFFF, 65535, 65280, m_AutoPromotion, GetRelegationPlaces(next),
                                           m_ClubCount, club->GetName(), m_PromotionPlayOffClubs,
                                           m_RelegationPlayOffClubs, 0xFFFF00);
    }
}

void CDivision::StartNewSeason() {
    if (CWorldData* w = GetWorldData()) m_SeasonStart = w->GetMatchTime().GetDays() * 86400;
    m_NextFixture = 0;
    m_Fixtures.ResetAll();
    m_ManagersOfTheMonth.RemoveAll();
    for (int i = 0; i < m_ClubCount; ++i) {
        if (CClub* club = ClubAt(m_FirstClub + i)) {
            club->LeagueRow().m_Position = static_cast<uint8_t>(i);
            club->StartNewSeason();
        }
    }
}

bool CDivision::EndOfSeason() {
    bool human = false;
    int leaders = 0;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        CClub* club = ClubAt(c);
        if (!club) continue;
        leaders += club->LeagueRow().m_Position == 0;
        club->EndOfSeason();
        human |= club->IsHumanManaged();
    }
    // Two clubs on top means the table was never sorted: the season's
    // titles would go astray, so say so where developers look.
    if (leaders > 1) platform::Trace("division season end: two clubs at the top of " + m_Name);
    return human;
}

void CDivision::ResetClubSeasonRecords() {
    for (int i = 0; i < m_ClubCount; ++i)
        if (CClub* club = ClubAt(m_FirstClub + i)) {
            // The position history and the season's series go with the row.
            club->ClearSeasonArrays();
            club->LeagueRow().Reset(static_cast<uint8_t>(i));
        }
    m_ManagersOfTheMonth.RemoveAll();
}

void CDivision::RankByForm() {
    struct Entry { CClub* club; int a, b, c; };
    std::vector<Entry> order;
    for (int i = 0; i < m_ClubCount; ++i) {
        CClub* club = ClubAt(m_FirstClub + i);
        if (!club) continue;
        const CCurrentForm* form = club->GetCurrentForm();
        Entry e{club, 0, 0, 0};
        if (form) e = {club, form->GetPoints(), form->GetGoalsFor() - form->GetGoalsAgainst(), form->GetGoalsFor()};
        order.push_back(e);
    }
    // Insertion sort: the first value decides, then the second, then the third.
    for (size_t i = 1; i < order.size(); ++i) {
        Entry e = order[i];
        size_t j = i;
        auto above = [&](const Entry& o) {
            return e.a != o.a ? e.a > o.a : e.b != o.b ? e.b > o.b : e.c > o.c;
        };
        while (j > 0 && above(order[j - 1])) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = e;
    }
    for (size_t i = 0; i < order.size(); ++i)
        if (CCurrentForm* form = order[i].club->GetCurrentForm()) form->SetFormPosition(static_cast<int32_t>(i));
}

int CDivision::AwardManagerOfTheMonth() {
    CWorldData* w = GetWorldData();
    if (!w) return -1;
    CMatchTime month = w->GetMatchTime();
    month.PreviousMatchDay();
    std::string monthText = platform::StrPrintf("%s %02d", kShortMonthNames[month.GetMonth()], month.GetYear() % 100);
    if (m_DaysSinceAward <= 1) return -1;
    m_DaysSinceAward = 0;
    int bestA = 0, bestB = 0, bestClub = -1;
    for (int c = m_FirstClub; c < m_FirstClub + m_ClubCount; ++c) {
        CClub* club = ClubAt(c);
        CManager* m = club ? club->GetManagerObject() : nullptr;
        if (!m) continue;
        int a = m->m_CampaignPoints, b = m->m_CampaignGoalsFor;
        if (a > bestA || (a == bestA && b > bestB)) {
            bestA = a;
            bestB = b;
            bestClub = c;
        }
        m->m_CampaignPoints = m->m_CampaignGoalsFor = m->m_CampaignGoalsAgainst = 0;
    }
    if (bestClub < 0) return -1;
    CClub* club = ClubAt(bestClub);
    CManager* m = club->GetManagerObject();
    m_ManagersOfTheMonth.Add(monthText, m->GetName(), club->GetName());
    m_NewsPaperEvents.SetManagerOfTheMonth(club->GetManager());
    m->AddMonthAward();
    if (club->IsHumanManaged())
        UserMessageBoxText(platform::FormatMessageId(kManagerOfTheMonthText,
                                                     {m_Name, w->GetMonthEndText(), m->GetName(), club->GetName()}),
                           0, 0);
    return club->GetManager();
}

bool CDivision::GetMarkerDate(CMatchTime& out, int k) const {
    CWorldData* w = GetWorldData();
    if (!w || k < 0 || k > 3) return false;
    CMatchTime t = w->GetMatchTime();
    // One season at most: a calendar without the day must not hold the game.
    for (int step = 0; step < kSlots; ++step) {
        if (GetCalendarSlot(t.GetMatchDay()) == kFriendly0 + k) {
            out = t;
            return true;
        }
        t.NextMatchDay();
    }
    return false;
}

std::string CDivision::GetMarkerDateText(int k) const {
    CMatchTime t;
    std::string text;
    if (GetMarkerDate(t, k)) t.GetDateText(text);
    return text;
}

void CDivision::StepForward(CMatchTime& t) const {
    if (GetCalendarSlot(t.GetMatchDay()) != kSeasonLast) t.NextMatchDay();
}

void CDivision::StepBack(CMatchTime& t) const {
    CWorldData* w = GetWorldData();
    if (w && w->GetMatchDay() == 0 && m_Fixtures.GetSize() == 0) {
        if (t.GetMatchDay() > 0) t.PreviousMatchDay();
        return;
    }
    if (GetCalendarSlot(t.GetMatchDay()) != kSeasonFirst) t.PreviousMatchDay();
}

void CDivision::GetResultsForSlot(int slot, CSoccerResultList& out) const {
    out.RemoveAll();
    uint8_t code = GetCalendarSlot(slot);
    if (code == 0 || code >= kNoMatch) return;
    CWorldData* w = GetWorldData();
    bool played = w && slot < w->GetMatchDay();
    int first = GetMatchesPerRound() / 2 * (code - 1);
    auto pairs = GetPairsForSlot(slot);
    for (size_t j = 0; j < pairs.size(); ++j) {
        auto [home, away] = pairs[j];
        auto line = std::make_unique<CSoccerResult>();
        const CClub* h = ClubAt(home);
        const CClub* a = ClubAt(away);
        line->SetHome(h ? h->GetName() : std::string(), h && h->IsHumanManaged(), h ? h->GetCountry() : nullptr);
        line->SetAway(a ? a->GetName() : std::string(), a && a->IsHumanManaged(), a ? a->GetCountry() : nullptr);
        if (played) {
            const CFixture* f = m_Fixtures.GetAt(first + static_cast<int>(j));
            if (f && f->m_Home == home && f->m_Away == away) line->SetFixture(f);
        }
        out.Add(std::move(line));
    }
}

int CDivision::CountToSeasonEnd() const {
    CWorldData* w = GetWorldData();
    return CountToSeasonEnd(w ? w->GetMatchDay() : 0);
}

int CDivision::CountMatchDaysToFriendlyDay() const {
    CWorldData* w = GetWorldData();
    return CountMatchDaysToFriendlyDay(w ? w->GetMatchDay() : 0);
}

const CDivisionStrength* CDivision::GetDivisionStrength() const {
    CWorldData* w = GetWorldData();
    CDivisionStrengthList* list = w ? w->GetDivisionStrengthList() : nullptr;
    return list && m_StrengthIndex < list->GetSize() ? list->GetAt(m_StrengthIndex) : nullptr;
}
