#include "soccerclasses/player.h"

#include <algorithm>
#include <cassert>

#include "soccerclasses/gamefile.h"

void CPlayer::ClearCounters() {
    m_CareerAppearances = m_ClubAppearances = m_CareerGoals = m_ClubGoals = 0;
    m_ClubMotm = m_ClubBookings = m_ClubSendingsOff = 0;
    m_CareerMotm = m_CareerBookings = m_CareerSendingsOff = 0;
    m_SeasonAppearances = m_SeasonClubAppearances = m_LastSeasonAppearances = m_SeasonStarts = 0;
    m_AppearanceRun = m_MissedRun = m_SeasonClubGoals = m_SeasonGoals = m_LastSeasonGoals = 0;
    m_SeasonKindGoals = m_Kind0Tally = m_KindsTally = m_ScoringRun = m_GoalDrought = 0;
    m_DisciplinePoints = m_MatchStatus = m_Suspension = 0;
    m_SeasonMotm = m_SeasonBookings = m_SeasonSendingsOff = m_SeasonSuspensions = 0;
    m_WeeksListed = m_LoanWeeks = m_MinutesLastMatch = 0;
}

void CPlayer::MakeBlank() {
    m_Person.Clear();
    m_Person.SetForename("");
    m_Person.SetSurname("");
    m_Football.Reset();
    m_AskingPrice = m_SigningOnDemand = m_SparePrice = -1.0;
    m_SpareSellOn = -1;
    m_Injury = -1;
    m_LoanClub = -1;
    ClearCounters();
    m_TransferHistory = CPlayerTransferHistoryList();
}

void CPlayer::MakeCopyOf(const CPlayer& source) {
    MakeBlank();
    m_Football.CopyFrom(source.m_Football);
    m_Person.CopyIdentity(source.m_Person);
}

void CPlayer::ReplaceWith(const CPlayer& source, const CContractOffer& offer) {
    MakeBlank();
    m_Person = source.m_Person;
    m_Football.CopyFrom(source.m_Football);
    m_Person.SetContractYears(static_cast<uint8_t>(offer.m_Years));
    m_Person.SetWeeklyWage(offer.m_WeeklyWage);
    const int user = GetClubUser();
    if (user >= 0) m_Football.SetKnownBy(static_cast<uint8_t>(user));
}

void CPlayer::Save(FILE* f) const {
    m_Person.Save(f);
    m_Football.Save(f);
    SaveInt32(f, m_Injury);
    SaveByte(f, m_SeasonMotm);
    SaveWord(f, m_ClubMotm);
    SaveWord(f, m_CareerMotm);
    SaveByte(f, m_SeasonGoals);
    SaveByte(f, m_SeasonAppearances);
    SaveByte(f, m_SeasonClubGoals);
    SaveByte(f, m_SeasonClubAppearances);
    SaveByte(f, m_LastSeasonGoals);
    SaveByte(f, m_LastSeasonAppearances);
    SaveByte(f, m_DisciplinePoints);
    SaveByte(f, m_Suspension);
    SaveByte(f, m_SeasonBookings);
    SaveWord(f, m_ClubBookings);
    SaveWord(f, m_CareerBookings);
    SaveByte(f, m_SeasonSuspensions);
    SaveByte(f, m_SeasonSendingsOff);
    SaveWord(f, m_ClubSendingsOff);
    SaveWord(f, m_CareerSendingsOff);
    SaveByte(f, m_SeasonKindGoals);
    SaveByte(f, m_Kind0Tally);
    SaveByte(f, m_KindsTally);
    SaveByte(f, m_SeasonStarts);
    SaveWord(f, m_CareerAppearances);
    SaveWord(f, m_ClubAppearances);
    SaveWord(f, m_CareerGoals);
    SaveWord(f, m_ClubGoals);
    SaveDouble(f, m_AskingPrice);
    SaveByte(f, m_AppearanceRun);
    SaveByte(f, m_MissedRun);
    SaveByte(f, m_ScoringRun);
    SaveByte(f, m_GoalDrought);
    SaveByte(f, m_WeeksListed);
    SaveByte(f, m_LoanWeeks);
    SaveInt32(f, m_LoanClub);
    m_TransferHistory.Save(f);
}

void CPlayer::Load(FILE* f) {
    m_Person.Load(f);
    m_Football.Load(f);
    m_Injury = LoadInt32(f);
    m_SeasonMotm = LoadByte(f);
    m_ClubMotm = LoadWord(f);
    m_CareerMotm = LoadWord(f);
    m_SeasonGoals = LoadByte(f);
    m_SeasonAppearances = LoadByte(f);
    m_SeasonClubGoals = LoadByte(f);
    m_SeasonClubAppearances = LoadByte(f);
    m_LastSeasonGoals = LoadByte(f);
    m_LastSeasonAppearances = LoadByte(f);
    m_DisciplinePoints = LoadByte(f);
    m_Suspension = LoadByte(f);
    m_SeasonBookings = LoadByte(f);
    m_ClubBookings = LoadWord(f);
    m_CareerBookings = LoadWord(f);
    m_SeasonSuspensions = LoadByte(f);
    m_SeasonSendingsOff = LoadByte(f);
    m_ClubSendingsOff = LoadWord(f);
    m_CareerSendingsOff = LoadWord(f);
    m_SeasonKindGoals = LoadByte(f);
    m_Kind0Tally = LoadByte(f);
    m_KindsTally = LoadByte(f);
    m_SeasonStarts = LoadByte(f);
    m_CareerAppearances = LoadWord(f);
    m_ClubAppearances = LoadWord(f);
    m_CareerGoals = LoadWord(f);
    m_ClubGoals = LoadWord(f);
    m_AskingPrice = LoadDouble(f);
    m_AppearanceRun = LoadByte(f);
    m_MissedRun = LoadByte(f);
    m_ScoringRun = LoadByte(f);
    m_GoalDrought = LoadByte(f);
    m_WeeksListed = LoadByte(f);
    m_LoanWeeks = LoadByte(f);
    m_LoanClub = LoadInt32(f);
    m_TransferHistory.Load(f);
    m_MatchStatus = 0;
    m_MinutesLastMatch = 0;
}

void CPlayer::ReadDatabase(FILE* f) {
    CExtString forename, surname;
    forename.LoadFixed(f, 2);
    surname.Load(f);
    m_Person.SetForename(forename);
    m_Person.SetSurname(surname);
    m_Person.ReadDatabase(f);
    m_Football.ReadDatabase(f);
    m_CareerAppearances = LoadWord(f);
    m_CareerGoals = LoadWord(f);
    m_ClubAppearances = LoadWord(f);
    m_ClubGoals = LoadWord(f);
    m_LastSeasonAppearances = LoadByte(f);
    m_LastSeasonGoals = LoadByte(f);
}

void CPlayer::WriteDatabase(FILE* f) const {
    char forename[2] = {0, 0};
    const std::string& fn = m_Person.GetForename();
    std::copy_n(fn.begin(), std::min<size_t>(fn.size(), 2), forename);
    WriteGameFile(forename, 1, 2, f);
    CExtString(m_Person.GetSurname()).Save(f);
    m_Person.WriteDatabase(f);
    m_Football.WriteDatabase(f);
    SaveWord(f, m_CareerAppearances);
    SaveWord(f, m_CareerGoals);
    SaveWord(f, m_ClubAppearances);
    SaveWord(f, m_ClubGoals);
    SaveByte(f, m_LastSeasonAppearances);
    SaveByte(f, m_LastSeasonGoals);
}

// ------------------------------------------------------------------ list

CPlayerList::~CPlayerList() {
    if (owning_) DeleteAll();
}

CPlayer* CPlayerList::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) return nullptr;
    return slots_[static_cast<size_t>(i)];
}

void CPlayerList::SetSize(int n) {
    n = std::max(0, n);
    if (owning_)
        for (int i = n; i < GetSize(); ++i) delete slots_[static_cast<size_t>(i)];
    slots_.resize(static_cast<size_t>(n), nullptr);
}

int CPlayerList::CountPlayers() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](CPlayer* p) { return p; }));
}

int CPlayerList::FirstEmpty() const {
    for (int i = 0; i < GetSize(); ++i)
        if (!slots_[static_cast<size_t>(i)]) return i;
    return -1;
}

int CPlayerList::Put(int index, std::unique_ptr<CPlayer> player) {
    if (index < 0) index = FirstEmpty();
    if (index < 0) {
        slots_.push_back(player.release());
        Place(GetSize() - 1);
        return GetSize() - 1;
    }
    if (index >= GetSize()) SetSize(index + 1);
    if (owning_) delete slots_[static_cast<size_t>(index)];
    slots_[static_cast<size_t>(index)] = player.release();
    Place(index);
    return index;
}

void CPlayerList::Place(int i) {
    if (CPlayer* p = owning_ ? slots_[static_cast<size_t>(i)] : nullptr) p->listSlot_ = i;
}

void CPlayerList::PlaceAll() {
    for (int i = 0; i < GetSize(); ++i) Place(i);
}

int CPlayerList::AddNewPlayer() { return Put(-1, std::make_unique<CPlayer>()); }

int CPlayerList::AddCopyOf(const CPlayer& source) {
    auto p = std::make_unique<CPlayer>();
    p->MakeCopyOf(source);
    return Put(-1, std::move(p));
}

void CPlayerList::DeleteAt(int index) {
    assert(index != CPlayer::kNoPlayer && index >= 0 && index < GetSize() && GetAt(index));
    if (!GetAt(index)) return;
    if (owning_) delete slots_[static_cast<size_t>(index)];
    slots_[static_cast<size_t>(index)] = nullptr;
}

void CPlayerList::DeleteAll() {
    for (int i = GetSize() - 1; i >= 0; --i) {
        if (owning_) delete slots_[static_cast<size_t>(i)];
        slots_[static_cast<size_t>(i)] = nullptr;
    }
    slots_.clear();
}

int CPlayerList::FindIndex(const CPlayer* player) const {
    assert(player);
    if (const int at = player->listSlot_; at >= 0 && at < GetSize() && slots_[static_cast<size_t>(at)] == player)
        return at;
    // Local lists keep no places.
    for (int i = 0; i < GetSize(); ++i)
        if (slots_[static_cast<size_t>(i)] == player) return i;
    return CPlayer::kNoPlayer;
}

void CPlayerList::AddSquad(const std::vector<uint16_t>& ids, const CPlayerList& world) {
    for (uint16_t id : ids)
        if (id != CPlayer::kNoPlayer)
            if (CPlayer* p = world.GetAt(id)) Append(p);
}

void CPlayerList::KeepPosition(int position) {
    std::erase_if(slots_, [&](CPlayer* p) { return !p || p->GetPosition() != position; });
    PlaceAll();
}

void CPlayerList::Swap(int i, int j) {
    assert(i != j && i >= 0 && j >= 0 && i < GetSize() && j < GetSize());
    std::swap(slots_.at(static_cast<size_t>(i)), slots_.at(static_cast<size_t>(j)));
    Place(i);
    Place(j);
}

int CPlayerList::AveragePositionSkill() const {
    int sum = 0, n = 0;
    for (CPlayer* p : slots_) {
        if (!p) continue;
        sum += p->Football().GetPositionSkill();
        ++n;
    }
    return n ? sum / n : 0;
}

template <class Key>
void CPlayerList::BubbleSort(Key key, bool highestFirst) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < slots_.size(); ++i) {
            int a = key(*slots_[i]), b = key(*slots_[i + 1]);
            if (highestFirst ? a < b : a > b) {
                std::swap(slots_[i], slots_[i + 1]);
                swapped = true;
            }
        }
    }
}

void CPlayerList::SortByPositionSkill() {
    std::erase(slots_, nullptr);
    BubbleSort([](const CPlayer& p) { return static_cast<int>(p.Football().GetPositionSkill()); }, true);
    PlaceAll();
}

void CPlayerList::Save(FILE* f) const {
    SaveInt32(f, GetSize());
    for (CPlayer* p : slots_) {
        SaveUInt32(f, p ? 1u : 0u);
        if (p) p->Save(f);
    }
}

void CPlayerList::Load(FILE* f) {
    int32_t n = LoadCount(f, 4);
    if (n >= kMaxSlots) {
        MarkGameFileDamaged("more player slots than indexes");
        return;
    }
    SetSize(n);
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        uint32_t present = LoadUInt32(f);
        if (!present) {
            if (owning_) delete slots_[static_cast<size_t>(i)];
            slots_[static_cast<size_t>(i)] = nullptr;
            continue;
        }
        if (!slots_[static_cast<size_t>(i)]) slots_[static_cast<size_t>(i)] = new CPlayer();
        Place(i);
        slots_[static_cast<size_t>(i)]->MakeBlank();
        slots_[static_cast<size_t>(i)]->Load(f);
    }
}

void CPlayerList::SwapLoanClubs(int a, int b) {
    for (CPlayer* p : slots_) {
        if (!p) continue;
        if (p->m_LoanClub == a)
            p->m_LoanClub = b;
        else if (p->m_LoanClub == b)
            p->m_LoanClub = a;
    }
}

void CPlayerList::SortByKnownAbility() {
    std::erase(slots_, nullptr);
    BubbleSort([](const CPlayer& p) { return static_cast<int>(p.GetKnownAbility(false)); }, true);
    PlaceAll();
}

void CPlayerList::SortByMatchAbility() {
    std::erase(slots_, nullptr);
    BubbleSort([](const CPlayer& p) { return p.GetMatchAbility(); }, false);
    PlaceAll();
}

void CPlayerList::AddFitPlayers(const std::vector<uint16_t>& ids, const CPlayerList& world, int position) {
    for (size_t i = 0; i < ids.size() && i < 11; ++i) {
        CPlayer* p = ids[i] == CPlayer::kNoPlayer ? nullptr : world.GetAt(ids[i]);
        if (!p || p->IsInjured() || p->m_MatchStatus == CPlayer::kMatchSentOff) continue;
        if (position < 0 ? p->GetPosition() != CSoccerPlayer::kGoalkeeper : p->GetPosition() == position) Append(p);
    }
}
