// The club's rows in the list screens.
#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"

namespace {
constexpr uint32_t kWhite = 16777215;
constexpr uint32_t kRed = 255;
constexpr uint32_t kYellow = 65535;
}  // namespace

void CClub::FillYouthListControl(CListRows& list, int position) const {
    list.ResetContent();
    for (int i = 0; i < youths_.GetSize(); ++i) {
        const CYouth* y = youths_.GetAt(i);
        if (y && (position == -1 || y->m_Football.GetPosition() == position))
            y->FillListRow(list, static_cast<uintptr_t>(i));
    }
    list.Redraw();
}

void CClub::AddInjuryRows(CListRows& list) const {
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) p->AddInjuryRow(list);
}

void CClub::AddTopScorerRows(CListRows& list) const {
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) p->AddScorerRow(list, GetName());
}

void CClub::AddDisciplineRows(CListRows& list) const {
    const int games = LeagueRow().GetPlayed();
    if (games < 1) return;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) p->AddDisciplineRow(list, games);
}

// Kind filter 5 shows every kind.
void CClub::FillEmployeeRows(CListRows& list, uint8_t kindFilter) const { staff_.FillStaffList(list, kindFilter); }

void CClub::FillEmployeeGroupList(CListRows& list, int group) const {
    list.ResetContent();
    staff_.FillGroupList(list, group);
}

void CClub::AddDisciplineTableRow(CListRows& list, bool withDivision, bool withCountry) const {
    const int games = LeagueRow().GetPlayed();
    if (games < 1) return;
    std::string name = GetName();
    if (withDivision) {
        if (const CDivision* d = GetDivision()) name = platform::StrPrintf("%s (%s)", name.c_str(), d->GetName().c_str());
    } else if (withCountry) {
        if (const CCountry* c = GetCountry()) name = platform::StrPrintf("%s (%s)", name.c_str(), c->GetName().c_str());
    }
    const int row = list.AddRow("", 0, reinterpret_cast<uintptr_t>(this), 0);
    list.SetItem(row, 1, name);
    list.SetItemNumber(row, 2, games);
    list.SetItemNumber(row, 3, bookings_);
    list.SetItemNumber(row, 4, sendingsOff_);
    list.SetItemNumber(row, 5, disciplinePoints_);
    list.SetRowColour(row, IsHumanManaged() ? kRed : kWhite);
}

void CClub::AddAttendanceTableRow(CListRows& list) const {
    const int row = list.AddRow("", 0, reinterpret_cast<uintptr_t>(this), 0);
    list.SetItem(row, 1, GetName());
    list.SetItemNumber(row, 2, homeGames_);
    list.SetItemNumber(row, 3, lastHomeCrowd_);
    list.SetItemNumber(row, 4, GetAverageAttendance());
    list.SetItemNumber(row, 5, totalGate_);
    list.SetRowColour(row, IsHumanManaged() ? kRed : kWhite);
}

void CClub::AddFormTableRow(CListRows& list, uint32_t colour) const {
    const CCurrentForm* form = form_.get();
    if (!form) return;
    const int row = list.InsertRow(form->GetFormPosition(), platform::StrPrintf("%d", form->GetFormPosition() + 1), 0,
                                   reinterpret_cast<uintptr_t>(this), 0);
    list.SetItem(row, 2, GetName());
    list.SetItemNumber(row, 3, form->GetGames());
    list.SetItemNumber(row, 4, form->GetWins());
    list.SetItemNumber(row, 5, form->GetDraws());
    list.SetItemNumber(row, 6, form->GetLosses());
    list.SetItemNumber(row, 7, form->GetGoalsFor());
    list.SetItemNumber(row, 8, form->GetGoalsAgainst());
    list.SetItemNumber(row, 9, form->GetPoints());
    list.SetRowColour(row, IsHumanManaged() ? kYellow : colour);
}
