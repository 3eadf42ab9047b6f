// The league play-offs: their draws from the divisions' table places, the
// clubs they send up, and their place in a saved game.
#include "soccerclasses/playoff.h"

#include <algorithm>

#include "platform/random.h"
#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/tabledata.h"
#include "soccerclasses/worlddata.h"

namespace {

CClub* PlayOffLeagueClub(int club) {
    CWorldData* w = GetWorldData();
    return w && club >= 0 && club < w->GetClubCount() ? w->GetClub(club) : nullptr;
}

bool PlayOffListHasClub(const CFixtureList& list, int club) {
    for (int i = 0; i < list.GetSize(); ++i)
        if (list.GetAt(i)->m_Home == club || list.GetAt(i)->m_Away == club) return true;
    return false;
}

}  // namespace

const char* CPlayOff::ReadRecord(FILE* f, int countryCount, const Limits& limits,
                                 const std::function<int(const CupNonLeagueRecord&)>& addNonLeague) {
    m_Id = LoadByte(f);
    const uint8_t country = LoadByte(f);
    m_Spare = LoadByte(f);
    m_ExtraPlaces = LoadByte(f);
    if (GameFileDamaged()) return "the file ends inside a play-off";
    if (m_Id == 0) return "a play-off of id 0";
    if (country >= countryCount) return "a play-off's country outside the country list";
    if (m_ExtraPlaces != 1 && m_ExtraPlaces != 2) return "a play-off sending up other than one or two clubs";
    const char* why = ReadDefinition(f, country, limits, addNonLeague);
    if (GameFileDamaged()) return "the file ends inside a play-off";
    // The file's previous results belong to no play-off.
    m_PreviousResults.fill(-1);
    return why;
}

void CPlayOff::WriteRecord(FILE* f, const std::vector<CupNonLeagueRecord>& nonLeague,
                           const std::vector<uint8_t>& roundNameIndexes) const {
    for (uint8_t b : {m_Id, static_cast<uint8_t>(m_CountryIndex), m_Spare, m_ExtraPlaces}) SaveByte(f, b);
    WriteDefinition(f, nonLeague, roundNameIndexes);
}

void CPlayOff::Draw() {
    const int i = GetRoundDrawnToday();
    if (i < 0) return;
    // Later rounds draw as any cup's: group qualifiers or the winners.
    if (i > 0) {
        DrawToday();
        return;
    }
    CCupRound* r = GetRound(0);
    if (CCupRound::IsReverseKind(r->m_Kind)) return;
    if (r->HasFixtures() || r->m_Replays.GetSize() > 0) {
        platform::Trace(m_Name + ": a round drawn twice\n");
        return;
    }
    platform::Trace(GetRoundFullName(0) + " Draw\n");
    AnnounceDrawNews(0);
    CExtDWordArray entrants;
    if (CWorldData* w = GetWorldData()) w->GetDivisionList().CollectPlayOffClubs(m_Id, entrants);
    platform::SeedRandomFromTime();
    r->DrawEntrants(*this, entrants);
    ScheduleFollowingRounds(*r, entrants);
}

void CPlayOff::CollectOutcome(CExtDWordArray& out) {
    if (GetRoundCount() == 0) {
        platform::Trace(m_Name + ": a play-off without rounds\n");
        return;
    }
    CCupRound* last = GetRound(GetRoundCount() - 1);
    if (!last->HasFixtures()) return;
    if (last->m_Kind != 10 && last->m_Kind != 31) {
        CExtDWordArray winners, beaten;
        // Quiet: the final's notices were given when it was played.
        last->ResolveTies(winners, beaten, 0, m_Name, 1, *this);
        for (int k = 0; k < winners.GetSize(); ++k)
            if (static_cast<int32_t>(winners.GetAt(k)) != CCupRound::kNoWinner) out.Add(winners.GetAt(k));
        if (m_ExtraPlaces == 1 && !beaten.IsEmpty()) out.Add(beaten.GetAt(0));
        return;
    }
    const CCupRound* group = m_Rounds.GetFirstGroupRound();
    const int groups = group ? group->GetGroupCount() : 0;
    if (groups < 1 || group->m_Entrants / groups < 1) {
        platform::Trace(m_Name + ": a group play-off without clubs in its groups\n");
        return;
    }
    // Every group sends the same share of the places, rounded up.
    const int perGroup = (m_ExtraPlaces + groups - 1) / groups;
    for (int g = 0; g < groups; ++g) {
        CExtDWordArray clubs;
        group->CollectGroupClubs(g, clubs, m_Rounds.GetNextRound(group));
        CTableDataList table;
        table.CreateRows(clubs.GetSize());
        table.ResetAll();
        table.SetClubs(clubs);
        m_Rounds.BuildGroupTable(*this, g, table, 0, group);
        table.Sort();
        for (int p = 0; p < perGroup && p < table.GetSize(); ++p) {
            const int club = table.GetAt(p)->m_Club;
            if (club < 0) platform::Trace(m_Name + ": a group table row without a club\n");
            out.Add(static_cast<uint32_t>(club));
        }
    }
}

void CPlayOff::GetOutcome(CExtDWordArray& out, uint8_t mark) {
    const int first = out.GetSize();
    CollectOutcome(out);
    const CCupRound* last = GetRoundCount() ? GetRound(GetRoundCount() - 1) : nullptr;
    const bool knockOut = last && last->m_Kind != 10 && last->m_Kind != 31;
    if (mark) {
        for (int k = first; k < out.GetSize(); ++k) {
            CClub* c = PlayOffLeagueClub(static_cast<int32_t>(out.GetAt(k)));
            if (!c) continue;
            // A single-place knock-out's last club is its beaten finalist.
            if (knockOut && k - first >= m_ExtraPlaces) c->AddPlayOffRunnerUp(m_Name, m_PictureNumber);
            else c->AddPlayOffWin(m_Name, m_PictureNumber);
        }
    }
    if (out.GetSize() - first < m_ExtraPlaces) platform::Trace(m_Name + ": fewer clubs than places go up\n");
    ClearFixtures();
}

bool CPlayOff::IsClubInvolved(int club) const {
    for (int i = 0; i < GetRoundCount(); ++i)
        if (PlayOffListHasClub(GetRound(i)->m_Ties, club) || PlayOffListHasClub(GetRound(i)->m_Replays, club))
            return true;
    return false;
}

namespace {

constexpr uint32_t kPlayOffHomeColour = 0xFFFF00;
constexpr uint32_t kPlayOffAwayColour = 16750986;
constexpr unsigned kPlayOffHomeMark = 52;
constexpr unsigned kPlayOffAwayMark = 53;
constexpr unsigned kPlayOffNoTieMark = 32888;

void PlayOffAddTieRows(const CFixtureList& list, CListRows& rows, int club) {
    for (int i = 0; i < list.GetSize(); ++i) {
        const CFixture* f = list.GetAt(i);
        if (club >= 0 && !f->IsClubInvolved(club)) continue;
        const auto data = reinterpret_cast<uintptr_t>(f);
        const int row = rows.AddRow("", 0, data, 0);
        rows.SetItem(row, 0, f->GetHomeTeamName(), 0, data, 0);
        rows.SetItem(row, 1, f->HasBeenPrepared() ? platform::StrPrintf("%d - %d", f->m_HomeGoals, f->m_AwayGoals)
                                                   : std::string("-"));
        rows.SetItem(row, 2, f->GetAwayTeamName());
        rows.SetItem(row, 3, f->GetAttendanceText());
        rows.SetRowColour(row, f->IsHumanInvolved() ? 0xFFu : 0xFFFFFFu);
    }
}

}  // namespace

void CPlayOff::FillRoundList(CListRows& rows, int club) const {
    for (int i = 0; i < GetRoundCount(); ++i) {
        const CCupRound& r = *GetRound(i);
        if (r.m_Kind == CCupRound::kPlaceholderKind) continue;
        const int row = rows.AddRow(GetRoundName(i), 0, static_cast<uintptr_t>(i), 0);
        const CFixture* f = club >= 0 ? r.m_Ties.GetClubFixture(0, club) : nullptr;
        if (!f) {
            rows.SetItemFromId(row, 1, kPlayOffNoTieMark);
            rows.SetItem(row, 2, "");
            rows.SetItem(row, 3, "");
            rows.SetItem(row, 4, "");
            continue;
        }
        const bool home = f->m_Home == club;
        rows.SetRowColour(row, home ? kPlayOffHomeColour : kPlayOffAwayColour);
        rows.SetItemFromId(row, 1, home ? kPlayOffHomeMark : kPlayOffAwayMark);
        rows.SetItem(row, 2, home ? f->GetAwayTeamName() : f->GetHomeTeamName());
        if (f->HasBeenPrepared()) {
            rows.SetItem(row, 3, platform::StrPrintf("%d - %d", f->m_HomeGoals, f->m_AwayGoals));
            rows.SetItemNumber(row, 4, f->m_Attendance);
        }
    }
}

void CPlayOff::FillRelegationRoundList(CListRows& rows, const CPlayOff* promotion, int club) const {
    if (promotion != this) FillRoundList(rows, club);
}

int CPlayOff::GetCurrentRoundIndex() const {
    for (int i = GetRoundCount() - 1; i >= 0; --i)
        if (GetRound(i)->HasFixtures()) return i;
    return -1;
}

void CPlayOff::FillTieList(CListRows& rows, int club) const {
    const int i = GetCurrentRoundIndex();
    if (i < 0) return;
    PlayOffAddTieRows(GetRound(i)->m_Ties, rows, club);
    PlayOffAddTieRows(GetRound(i)->m_Replays, rows, club);
}

void CPlayOff::FillRelegationTieList(CListRows& rows, const CPlayOff* promotion, int club) const {
    if (promotion != this) FillTieList(rows, club);
}

CPlayOff* CPlayOffList::FindById(uint8_t id) const {
    if (id == 0) return nullptr;
    for (int i = GetSize() - 1; i >= 0; --i)
        if (GetAt(i)->m_Id == id) return GetAt(i);
    return nullptr;
}

bool CPlayOffList::PlayToday(bool live) {
    bool any = false;
    for (const auto& p : *this) {
        any = p->PlayToday(live) || any;
        any = p->PlayReplaysToday(live, 2) || any;
    }
    return any;
}

bool CPlayOffList::IsClubInvolved(int club) const {
    return std::any_of(begin(), end(), [club](const auto& p) { return p->IsClubInvolved(club); });
}

void CPlayOffList::Save(FILE* f) const {
    for (const auto& p : *this) {
        SaveByte(f, p->m_Id);
        p->Save(f);
    }
}

void CPlayOffList::Load(FILE* f) {
    for (const auto& p : *this) {
        p->m_Id = LoadByte(f);
        p->Load(f);
    }
}
