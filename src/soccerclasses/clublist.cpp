#include "soccerclasses/clublist.h"

#include <algorithm>
#include <cassert>

#include "platform/msgformat.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/clubsdata.h"
#include "soccerclasses/startupfile.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"

void InstallClubActivation() {
    SetClubActivationHook([](CCountry& country, bool followed) {
        CWorldData* world = GetWorldData();
        if (!world) return;
        CClubList& clubs = world->GetClubList();
        for (int i = 0; i < clubs.GetRealCount(); ++i) {
            CClub* club = clubs.GetAt(i);
            if (club->GetCountryIndex() != country.GetId()) continue;
            if (followed && !club->GetAccounts()) club->ActivateCountry();
            if (!followed) club->DeactivateCountry();
        }
    });
}

void CClubList::ReadDataFile() { Read(OpenDataFile(kClubsFile), kClubsFile); }

void CClubList::ReadFile(const std::string& path) { Read(OpenStartupPath(path), path); }

void CClubList::Read(FILE* f, const std::string& name) {
    // A club record with its manager takes at least 58 bytes.
    const int32_t n = LoadCount(f, 58);
    if (GameFileDamaged()) RefuseDataFile(f, name, "club count");
    std::vector<std::unique_ptr<CClub>> list;
    list.reserve(static_cast<size_t>(n) + 2);
    CWorldData* world = GetWorldData();
    int lastDivision = -1;
    std::vector<bool> divisionSeen(static_cast<size_t>(world->GetDivisionList().GetSize()), false);
    for (int32_t i = 0; i < n; ++i) {
        auto club = std::make_unique<CClub>();
        const std::string why = club->ReadFromFile(f, i);
        if (GameFileDamaged()) break;
        if (!why.empty()) RefuseDataFile(f, name, platform::StrPrintf("club %d: %s", i, why.c_str()));
        // A division's clubs stand in one block.
        const int d = club->GetDivisionIndex();
        if (d != lastDivision) {
            if (divisionSeen[static_cast<size_t>(d)]) RefuseDataFile(f, name, "a club outside its division's block");
            divisionSeen[static_cast<size_t>(d)] = true;
            lastDivision = d;
        }
        list.push_back(std::move(club));
    }
    CloseDataFile(f, name);
    InstallClubActivation();
    list.push_back(std::make_unique<CClub>());
    list.push_back(std::make_unique<CClub>());
    clubs_ = std::move(list);
    realCount_ = n;
    DropNamedPlayerIndex();
    GetWorldData()->SetClubCount(n);
}

void CClubList::AddRealClub(std::unique_ptr<CClub> club) {
    if (clubs_.size() == static_cast<size_t>(realCount_)) {
        clubs_.push_back(std::make_unique<CClub>());
        clubs_.push_back(std::make_unique<CClub>());
    }
    clubs_.insert(clubs_.begin() + realCount_, std::move(club));
    ++realCount_;
    DropNamedPlayerIndex();
    GetWorldData()->SetClubCount(realCount_);
}

void CClubList::Save(FILE* f) const {
    for (int i = 0; i < realCount_; ++i) clubs_[static_cast<size_t>(i)]->Save(f);
}

void CClubList::Load(FILE* f) {
    for (int i = 0; i < realCount_ && !GameFileDamaged(); ++i) clubs_[static_cast<size_t>(i)]->Load(f);
    DropNamedPlayerIndex();
}

void CClubList::StartMidweek() {
    // The receipts stay: the weekly accounts book both and then empty them.
    for (int i = 0; i < realCount_; ++i)
        if (CAccountsItemList* a = clubs_[static_cast<size_t>(i)]->GetAccounts()) a->ResetWeek();
}

void CClubList::ProcessDay() {
    const bool saturday = GetWorldData()->IsSaturday();
    CClub::DayAppointments() = 0;
    for (int i = 0; i < realCount_; ++i) {
        CClub* club = clubs_[static_cast<size_t>(i)].get();
        club->ProcessDay(saturday, club->IsCountryActive());
    }
}

CClub* CClubList::FindClubOfPlayer(uint16_t player) {
    for (int i = 0; i < realCount_; ++i)
        if (clubs_[static_cast<size_t>(i)]->FindSlotOfPlayer(player) >= 0) return clubs_[static_cast<size_t>(i)].get();
    return nullptr;
}

int CClubList::GetIndex(const CClub* club) const {
    for (int i = 0; i < GetSize(); ++i)
        if (clubs_[static_cast<size_t>(i)].get() == club) return i;
    return -1;
}

int CClubList::FindByName(const std::string& name) const {
    if (name.empty()) return 65535;
    for (int i = 0; i < realCount_; ++i)
        if (clubs_[static_cast<size_t>(i)]->GetName() == name) return i;
    return 65535;
}

void CClubList::SwapSlots(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= GetSize() || b >= GetSize()) return;
    std::swap(clubs_[static_cast<size_t>(a)], clubs_[static_cast<size_t>(b)]);
}

void CClubList::SwapClubs(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= realCount_ || b >= realCount_) return;
    CClub& x = *clubs_[static_cast<size_t>(a)];
    CClub& y = *clubs_[static_cast<size_t>(b)];
    const int32_t divisionA = x.GetDivisionIndex(), divisionB = y.GetDivisionIndex();
    const uint8_t positionA = x.LeagueRow().m_Position, positionB = y.LeagueRow().m_Position;
    std::swap(clubs_[static_cast<size_t>(a)], clubs_[static_cast<size_t>(b)]);
    CWorldData* world = GetWorldData();
    world->GetManagerList().SwapClubIndexes(a, b);
    world->GetContractClauseList().SwapClubIndexes(static_cast<uint32_t>(a), static_cast<uint32_t>(b));
    world->GetUserList().SwapClubIndexes(a, b);
    // The division and the table position stay with the place.
    clubs_[static_cast<size_t>(a)]->SetDivisionIndex(divisionA);
    clubs_[static_cast<size_t>(a)]->LeagueRow().m_Position = positionA;
    clubs_[static_cast<size_t>(b)]->SetDivisionIndex(divisionB);
    clubs_[static_cast<size_t>(b)]->LeagueRow().m_Position = positionB;
}

void CClubList::SwapTablePositions(int a, int b) {
    std::swap(GetAt(a)->LeagueRow().m_Position, GetAt(b)->LeagueRow().m_Position);
}

void CClubList::SortByTable() {
    auto worse = [](CClub& x, CClub& y) {  // is x worse than y
        return y.LeagueRow().RanksAbove(x.LeagueRow());
    };
    for (size_t i = 1; i < clubs_.size(); ++i)
        for (size_t j = i; j > 0 && worse(*clubs_[j - 1], *clubs_[j]); --j) std::swap(clubs_[j - 1], clubs_[j]);
    for (size_t i = 0; i < clubs_.size(); ++i) clubs_[i]->LeagueRow().m_Position = static_cast<uint8_t>(i);
}

bool CClubList::ArrangeFriendly(int day, int home, int away) {
    CClub* a = GetAt(home);
    CClub* b = GetAt(away);
    if (!a || !b || home == away || day < 0 || day > 255) return false;
    if (!a->IsFriendlyDayFree(day) || !b->IsFriendlyDayFree(day)) return false;
    a->SetFriendly(a->GetFriendlySlot(day), static_cast<uint32_t>(away), 0);
    b->SetFriendly(b->GetFriendlySlot(day), static_cast<uint32_t>(home), 1);
    GetWorldData()->GetFriendlyMatchList().AddFriendly(static_cast<int16_t>(home), static_cast<int16_t>(away),
                                                       static_cast<uint8_t>(day));
    return true;
}

CClub* CClubList::FindClubOfEmployee(const CEmployee* employee) {
    if (!employee) return nullptr;
    for (auto& c : clubs_)
        if (c->Staff().FindIndex(employee) < c->Staff().GetSize()) return c.get();
    return nullptr;
}

CClub* CClubList::FindClubOfYouth(const CYouth* youth) {
    if (!youth) return nullptr;
    for (auto& c : clubs_)
        for (int i = 0; i < c->Youths().GetSize(); ++i)
            if (c->Youths().GetAt(i) == youth) return c.get();
    return nullptr;
}

void CClubList::ForgetPlayer(uint32_t player) {
    for (const auto& club : clubs_) club->ForgetPlayerLinks(player);
    if (!namedByBuilt_) BuildNamedPlayerIndex();
    const auto it = namedBy_.find(player);
    if (it == namedBy_.end()) return;
    for (CClub* club : it->second) club->ForgetPlayerInLists(player);
    namedBy_.erase(it);
}

void CClubList::NoteNamedPlayer(int32_t player, CClub* club) {
    // Unbuilt, the next build finds him; a club of no list is nobody's.
    if (!namedByBuilt_ || player < 0 || !club || GetIndex(club) < 0) return;
    std::vector<CClub*>& clubs = namedBy_[static_cast<uint32_t>(player)];
    if (std::find(clubs.begin(), clubs.end(), club) == clubs.end()) clubs.push_back(club);
}

std::vector<const CClub*> CClubList::ClubsNamingPlayer(uint32_t player) {
    if (!namedByBuilt_) BuildNamedPlayerIndex();
    const auto it = namedBy_.find(player);
    if (it == namedBy_.end()) return {};
    return {it->second.begin(), it->second.end()};
}

void CClubList::BuildNamedPlayerIndex() {
    namedBy_.clear();
    for (const auto& club : clubs_)
        club->ForEachNamedPlayer([&](uint32_t player) {
            std::vector<CClub*>& clubs = namedBy_[player];
            if (clubs.empty() || clubs.back() != club.get()) clubs.push_back(club.get());
        });
    namedByBuilt_ = true;
}
