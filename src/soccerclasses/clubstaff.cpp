// Staff on the club side, the first staff of a new game, and the squad
// counts the rest of the game asks for.
#include <algorithm>
#include <cassert>

#include "soccerclasses/club.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

int CClub::HireNewEmployee(uint8_t kind) {
    const CCountry* country = GetCountry();
    const CPopularity* row = GetPopularity();
    if (!country || !row || staff_.GetSize() >= CEmployeeList::kMaxEmployees) return -1;
    return TakeOnEmployee(std::make_unique<CEmployee>(kind, *country, *row));
}

int CClub::AddEmployee(const CAvailableEmployee& entry) {
    if (staff_.GetSize() >= CEmployeeList::kMaxEmployees) return -1;
    return TakeOnEmployee(std::make_unique<CEmployee>(static_cast<const CBasicEmployee&>(entry)));
}

// A new scout takes the first free scout slot.
int CClub::TakeOnEmployee(std::unique_ptr<CEmployee> employee) {
    const uint8_t kind = employee->m_JobKind;
    const int index = staff_.Add(std::move(employee));
    if (index >= 0 && kind == CBasicEmployee::kScout) {
        const int self = GetWorldData()->GetClubList().GetIndex(this);
        for (CScout& s : scouts_)
            if (!s.IsAssigned()) {
                s.Init(index, self);
                break;
            }
    }
    return index;
}

void CClub::DismissEmployee(int index, double compensation) {
    if (index < 0 || index >= staff_.GetSize()) return;
    staff_.RemoveAt(index);
    ForgetListPlaces(kPersonListStaff, *this);
    for (CScout& s : scouts_) {
        if (s.GetEmployee() == index) s.SetEmployee(-1);
        else if (s.GetEmployee() > index) s.SetEmployee(s.GetEmployee() - 1);
    }
    balance_ -= compensation;
    Book(kGeneralExpenditure, compensation);
}

void CClub::ReleasePlayer(uint16_t player, double compensation) {
    CWorldData* world = GetWorldData();
    CPlayer* p = world->GetPlayer(player);
    assert(p);
    if (!p) return;
    const int slot = FindSlotOfPlayer(player);
    if (slot >= 0) RemoveFromSquad(slot);
    const int age = p->GetAge();
    const bool retires = age >= 36 || (age >= 32 && Random(10) < 3);
    if (!retires) {
        AddInboxMessage(90, p->GetName(), "", "", player);
        // Out of contract, he is free to join anyone.
        p->Person().SetContractYears(0);
    } else {
        AddInboxMessage(91, p->GetName(), "", "", player);
        ForgetPlayerIndex(player);
        world->GetPlayerList().DeleteAt(player);
    }
    // Paid as well as booked, so that the balance moves only by booked amounts.
    balance_ -= compensation;
    Book(kGeneralExpenditure, compensation);
}

void CClubList::CreateInitialStaff() {
    for (int i = 0; i < realCount_; ++i) {
        CClub& club = *clubs_[static_cast<size_t>(i)];
        if (!club.IsCountryActive()) continue;
        for (uint8_t kind : {0, 1, 3, 4, 2, 2}) club.HireNewEmployee(kind);
        const CPopularity* row = club.GetPopularity();
        if (row && row->m_BaseCount > 25000) {
            club.HireNewEmployee(2);
            if (Random(10) < 3) club.HireNewEmployee(2);
        }
    }
}

bool CClub::HasEnoughAvailablePlayers() const { return CountAvailablePlayers() >= 20; }

int CClub::CountAvailableInFirstEleven() const {
    int n = 0;
    for (int s = 0; s <= 10; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += IsPlayerAvailable(*p);
    return n;
}

uint8_t CClub::CountInjuredPlayers() const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += IsPlayerInjuredOut(*p);
    return static_cast<uint8_t>(n);
}

int CClub::CountListedOrUncontractedPlayers() const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s))
            n += static_cast<int64_t>(p->m_AskingPrice) > 0 || p->Person().GetContractYears() < 1;
    return n;
}

// As the squad bookkeeping always did: one list that grows line by line,
// so each figure averages the lines so far (goalkeepers, then defence, ...).
void CClub::ComputeLineStrengths() {
    int sum = 0, count = 0;
    for (int pos = 0; pos < 4; ++pos) {
        for (int s = 0; s <= 10; ++s) {
            const CPlayer* p = PlayerInSlot(s);
            if (!p || p->GetPosition() != pos || !CanPlayerPlay(*p)) continue;
            sum += p->Football().GetPositionSkill();
            ++count;
        }
        positionFigures_[size_t(pos)] = static_cast<uint8_t>(count ? sum / count : 0);
    }
}

void CClubList::UpdatePositionFigures() {
    for (int i = 0; i < realCount_; ++i) clubs_[static_cast<size_t>(i)]->ComputeLineStrengths();
}
