#include "soccerclasses/clublist.h"

#include <cassert>

#include "soccerclasses/clubfile.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/worlddata.h"

bool CClubList::ReadDataFile(std::string& error) {
    const auto path = FindStartupFile(kClubsFile, error);
    return path && ReadFile(*path, error);
}

bool CClubList::ReadFile(const std::filesystem::path& path, std::string& error) {
    StartupFileReader reader(path, error);
    if (!reader.IsOpen()) return false;
    FILE* f = reader.File();
    const int32_t n = clubfile::GetI32(f);
    // A club record takes at least 4 + 4 + 4 + 2 + 4 + 4 + 2 + 1 + 16 bytes
    // and its manager record 2 + 4 + 11.
    if (n < 0 || !reader.CanHold(n, 58)) return reader.Fail();
    std::vector<std::unique_ptr<CClub>> list;
    list.reserve(static_cast<size_t>(n) + 2);
    const CWorldData* world = GetWorldData();
    int lastDivision = -1;
    std::vector<bool> divisionSeen(world->divisions.size(), false);
    for (int32_t i = 0; i < n; ++i) {
        auto club = std::make_unique<CClub>();
        if (!club->ReadFromFile(f, i)) return reader.Fail();
        // A division's clubs stand in one block.
        const int d = club->GetDivisionIndex();
        if (d != lastDivision) {
            if (divisionSeen[static_cast<size_t>(d)]) return reader.Fail();
            divisionSeen[static_cast<size_t>(d)] = true;
            lastDivision = d;
        }
        list.push_back(std::move(club));
    }
    if (!reader.Finish()) return false;
    list.push_back(std::make_unique<CClub>());
    list.push_back(std::make_unique<CClub>());
    clubs_ = std::move(list);
    realCount_ = n;
    GetWorldData()->clubCount = n;
    return true;
}

void CClubList::AddRealClub(std::unique_ptr<CClub> club) {
    if (clubs_.size() == static_cast<size_t>(realCount_)) {
        clubs_.push_back(std::make_unique<CClub>());
        clubs_.push_back(std::make_unique<CClub>());
    }
    clubs_.insert(clubs_.begin() + realCount_, std::move(club));
    ++realCount_;
    GetWorldData()->clubCount = realCount_;
}

void CClubList::Save(FILE* f) const {
    for (int i = 0; i < realCount_; ++i) clubs_[static_cast<size_t>(i)]->Save(f);
}

void CClubList::Load(FILE* f) {
    for (int i = 0; i < realCount_ && !IsGameFileDamaged(); ++i) clubs_[static_cast<size_t>(i)]->Load(f);
}

void CClubList::StartMidweek() {
    // The receipts stay: the weekly accounts book both and then empty them.
    for (int i = 0; i < realCount_; ++i)
        if (CAccountsItemList* a = clubs_[static_cast<size_t>(i)]->GetAccounts()) a->ResetWeek();
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

void CClubList::SwapTablePositions(int a, int b) {
    std::swap(GetAt(a)->LeagueRow().position, GetAt(b)->LeagueRow().position);
}

void CClubList::SortByTable() {
    auto worse = [](CClub& x, CClub& y) {  // is x worse than y
        const CTableData& a = x.LeagueRow();
        const CTableData& b = y.LeagueRow();
        if (a.points != b.points) return a.points < b.points;
        if (a.GetGoalDifference() != b.GetGoalDifference()) return a.GetGoalDifference() < b.GetGoalDifference();
        return uint8_t(a.homeFor + a.awayFor) <= uint8_t(b.homeFor + b.awayFor);
    };
    for (size_t i = 1; i < clubs_.size(); ++i)
        for (size_t j = i; j > 0 && worse(*clubs_[j - 1], *clubs_[j]); --j) std::swap(clubs_[j - 1], clubs_[j]);
    for (size_t i = 0; i < clubs_.size(); ++i) clubs_[i]->LeagueRow().position = static_cast<uint8_t>(i);
}

void CClubList::ArrangeFriendly(int homeSlot, int awaySlot, int home, int away) {
    CClub* a = GetAt(home);
    CClub* b = GetAt(away);
    if (!a || !b || a->GetFriendlyOpponent(homeSlot) != kEmptySlot || b->GetFriendlyOpponent(awaySlot) != kEmptySlot)
        return;
    a->SetFriendly(homeSlot, static_cast<uint32_t>(away), 0);
    b->SetFriendly(awaySlot, static_cast<uint32_t>(home), 1);
}
