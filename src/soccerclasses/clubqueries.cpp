// Small queries of the club screens: money texts, form figures, what a
// squad slot's player is missing for, the division and the friendlies.
#include <cassert>

#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/division.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

std::string CClub::FormatBankBalance() const { return FormatMoney(balance_); }
std::string CClub::FormatTransferBudget() const { return FormatMoney(GetTransferBudget()); }
std::string CClub::FormatLoan() const { return FormatMoney(loan_); }

std::string CClub::GetYouthName(int i) const {
    const CYouth* y = i >= 0 && i < youths_.GetSize() ? youths_.GetAt(i) : nullptr;
    return y ? y->GetName() : std::string();
}

std::string CClub::GetFormText() const { return form_ ? form_->GetFormText() : std::string(); }
int32_t CClub::GetFormPoints() const { return form_ ? form_->GetPoints() : 0; }
int32_t CClub::GetFormGoalsFor() const { return form_ ? form_->GetGoalsFor() : 0; }
int32_t CClub::GetFormGoalsAgainst() const { return form_ ? form_->GetGoalsAgainst() : 0; }
int32_t CClub::GetFormWins() const { return form_ ? form_->GetWins() : 0; }
int32_t CClub::GetFormLosses() const { return form_ ? form_->GetLosses() : 0; }

void CClub::SetFormPosition(int32_t position) {
    assert(form_ && position >= 0);
    if (!form_ || position < 0) {
        platform::Trace("A form position for a club without form, or below 0\n");
        return;
    }
    form_->SetFormPosition(position);
}

uint8_t CClub::GetSlotInjuryEstimate(int slot) const {
    const CPlayer* p = slot >= 0 && slot < kSquadSlots ? PlayerInSlot(slot) : nullptr;
    return p ? p->GetInjuryTimeEstimate() : 0;
}

uint8_t CClub::GetSlotSuspension(int slot) const {
    const CPlayer* p = slot >= 0 && slot < kSquadSlots ? PlayerInSlot(slot) : nullptr;
    return p ? p->m_Suspension : 0;
}

std::string CClub::GetDivisionName() const {
    const CDivision* d = GetDivision();
    return d ? static_cast<const std::string&>(d->GetName()) : std::string();
}

std::string CClub::GetFriendlyOpponentName(int slot) const {
    const uint32_t opponent = GetFriendlyOpponent(slot);
    const CClub* c = opponent == kEmptySlot ? nullptr : GetWorldData()->GetClub(static_cast<int>(opponent));
    return c ? c->GetName() : std::string();
}

std::string CClub::GetFriendlyVenueName(int slot) const {
    const uint32_t opponent = GetFriendlyOpponent(slot);
    const CClub* c = opponent == kEmptySlot ? nullptr : GetWorldData()->GetClub(static_cast<int>(opponent));
    if (!c) return std::string();
    return GetFriendlyVenue(slot) == 0 ? GetStadiumName() : c->GetStadiumName();
}

void CClub::ShiftHumanSelection(int slot) {
    if (CHumanManager* h = GetHumanManager()) h->RemoveSelectionSlot(slot);
}

void CClub::DecayHumanFamiliarity() {
    if (CHumanManager* h = GetHumanManager()) h->DecayTacticFamiliarity();
}
