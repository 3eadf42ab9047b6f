#include "soccerclasses/humanmanager.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubfile.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/worlddata.h"

using namespace clubfile;

namespace {

constexpr uint8_t kScoutReportCode = 85;
constexpr uint8_t kSuggestedTeamCode = 197;

}  // namespace

CHumanManager::CHumanManager() {
    for (int day = 0; day < 5; ++day)
        for (int session = 0; session < 4; ++session) {
            const int k = day * 4 + session;
            m_TableA[size_t(k)] = day + session;
            m_TableB[size_t(k)] = day + session <= 4 ? day + session : 0;
        }
    ResetSelection();
    ResetPersonalValues();
}

void CHumanManager::ResetPersonalValues() {
    m_Results.fill(0);
    for (auto& table : m_Instructions)
        for (auto& formation : table) formation.fill(0);
    for (auto& level : m_TrainLevel) level = static_cast<uint8_t>(Random(20) + 60);
    m_TrainLoad.fill(0);
    m_TrainProgress.fill(0.0);
    m_TacticSliders = {5, 10, 2, 5, 6};
    ClearDeferredMessage();
}

void CHumanManager::SetManager(int32_t index) {
    m_ManagerIndex = index;
    if (index < 0) return;
    if (CManager* m = GetManager()) m->m_IsHuman = 1;
    m_Search.Reset();
}

bool CHumanManager::IsEmployed() const {
    const CManager* m = GetManager();
    return m && m->IsEmployed();
}

void CHumanManager::ResetSelection() {
    for (int s = 0; s < kSquadSlots; ++s) m_Selection[size_t(s)] = s < 16 ? uint8_t(s + 1) : 0;
    m_SquadInSelectionOrder = 0;
}

void CHumanManager::AddResult(bool home, int homeGoals, int awayGoals) {
    const uint8_t code = homeGoals == awayGoals ? 5
                         : home                 ? (homeGoals > awayGoals ? 4 : 3)
                                                : (awayGoals > homeGoals ? 2 : 1);
    for (auto& r : m_Results)
        if (r == 0) {
            r = code;
            return;
        }
    std::copy(m_Results.begin() + 1, m_Results.end(), m_Results.begin());
    m_Results.back() = code;
}

void CHumanManager::AddMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3,
                               int32_t id) {
    AdvisorMessage m{code, t1, t2, t3, id};
    for (auto& slot : m_Messages)
        if (slot.code == 0) {
            slot = std::move(m);
            return;
        }
    std::move(m_Messages.begin() + 1, m_Messages.end(), m_Messages.begin());
    m_Messages.back() = std::move(m);
}

bool CHumanManager::GetMessages(uint8_t code, unsigned textId, CMessageLines& lines, const void*, int id) const {
    bool found = false;
    for (const AdvisorMessage& m : m_Messages) {
        if (m.code != code) continue;
        found = true;
        if (code == kSuggestedTeamCode) {
            lines.AddLine(BuildSuggestedTeam());
        } else if (code == kScoutReportCode) {
            lines.AddLine(platform::LoadString(textId));
            break;
        } else if (id == -1 || id == m.id) {
            lines.AddLine(platform::FormatMessageId(textId, {m.text1, m.text2, m.text3}));
        }
    }
    return found;
}

void CHumanManager::ClearMessages() { m_Messages.fill(AdvisorMessage{}); }

std::vector<CHumanManager::AdvisorMessage> CHumanManager::GetInbox() const {
    std::vector<AdvisorMessage> used;
    for (const AdvisorMessage& m : m_Messages)
        if (m.code != 0) used.push_back(m);
    return used;
}

bool CHumanManager::HasMessage(uint8_t code) const {
    return std::any_of(m_Messages.begin(), m_Messages.end(), [code](const AdvisorMessage& m) { return m.code == code; });
}

void CHumanManager::SetDeferredMessage(uint8_t code, const std::string& t1, const std::string& t2,
                                       const std::string& t3, int32_t id) {
    m_Deferred = {code, t1, t2, t3, id};
}

void CHumanManager::AddNews(const std::string& text) {
    const CWorldData* w = GetWorldData();
    m_News.Add(text, 0, w ? w->GetDateText() : std::string());
}

std::string CHumanManager::GetTacticName(int index) const {
    const CSoccerTactic* t = m_Tactics.GetAt(index);
    return t ? std::string(t->m_Name) : std::string();
}

std::string CHumanManager::GetTacticLabel(int index) const {
    const CSoccerTactic* t = m_Tactics.GetAt(index);
    return t ? t->GetLabel() : std::string();
}

std::string CHumanManager::GetTacticFamiliarity(uint8_t index) const {
    const CSoccerTactic* t = m_Tactics.GetAt(index);
    return t ? t->GetFamiliarityText() : std::string();
}

int CHumanManager::GetTacticPlayerX(int player, int formation) const {
    return m_Tactics.GetPositionWidth(player, formation);
}

int CHumanManager::GetTacticPlayerY(int player, int formation) const {
    return m_Tactics.GetPositionDepth(player, formation);
}

void CHumanManager::SwapTactics(int a, int b) {
    CSoccerTactic* x = m_Tactics.GetAt(a);
    CSoccerTactic* y = m_Tactics.GetAt(b);
    if (!x || !y || x == y) return;
    std::swap(*x, *y);
}

CManager* CHumanManager::GetManager() const {
    CWorldData* w = GetWorldData();
    return w && HasManager() ? w->GetManagerList().GetAt(m_ManagerIndex) : nullptr;
}

double CHumanManager::GetManagerRating() const {
    const CManager* m = GetManager();
    return m ? m->GetRating() : 0.0;
}

CClub* CHumanManager::GetClub() const {
    const CManager* m = GetManager();
    if (!m) return nullptr;
    return m->IsEmployed() ? m->GetClub() : m->GetPreviousClub();
}

CClub* CHumanManager::GetPreviousClub() const {
    const CManager* m = GetManager();
    return m ? m->GetPreviousClub() : nullptr;
}

std::string CHumanManager::GetClubName() const {
    const CManager* m = GetManager();
    const CClub* c = m && m->IsEmployed() ? m->GetClub() : nullptr;
    return c ? c->GetName() : std::string();
}

std::string CHumanManager::GetPreviousClubName() const {
    const CClub* c = GetPreviousClub();
    return c ? c->GetName() : std::string();
}

std::string CHumanManager::GetManagerName() const {
    const CManager* m = GetManager();
    return m ? m->GetName() : std::string();
}

uint8_t CHumanManager::GetAge() const {
    const CManager* m = GetManager();
    return m ? m->Person().GetAge() : 0;
}

std::string CHumanManager::GetAgeText() const {
    const CManager* m = GetManager();
    return m ? m->Person().GetAgeText() : std::string();
}

std::string CHumanManager::GetNationalityName() const {
    const CManager* m = GetManager();
    return m ? m->Person().GetNationalityText() : std::string();
}

uint8_t CHumanManager::GetContractYears() const {
    const CManager* m = GetManager();
    return m ? m->Person().GetContractYears() : 0;
}

std::string CHumanManager::GetContractYearsText() const {
    return HasManager() && GetManager() ? platform::StrPrintf("%d", GetContractYears()) : std::string();
}

double CHumanManager::GetWage() const {
    const CManager* m = GetManager();
    return m ? m->Person().GetWeeklyWage() : 0.0;
}

int CHumanManager::GetWealthLevel() const {
    const CManager* m = GetManager();
    return m ? m->GetWageLevel() : 0;
}

bool CHumanManager::HasFriendlyRefusal(const CClub* club) const {
    CWorldData* world = GetWorldData();
    const int index = club && world ? world->GetClubList().GetIndex(club) : -1;
    return index >= 0 && std::find(m_FriendlyRefusals.begin(), m_FriendlyRefusals.end(), index) != m_FriendlyRefusals.end();
}

void CHumanManager::AddFriendlyRefusal(const CClub* club) {
    CWorldData* world = GetWorldData();
    const int index = club && world ? world->GetClubList().GetIndex(club) : -1;
    if (index >= 0 && !HasFriendlyRefusal(club)) m_FriendlyRefusals.push_back(index);
}

std::string CHumanManager::GetMoneyText1() const {
    const CManager* m = GetManager();
    return m ? m->GetWeeklyWageText() : std::string();
}

std::string CHumanManager::GetMoneyText2() const {
    const CManager* m = GetManager();
    return m ? m->GetYearlyWageText() : std::string();
}

std::string CHumanManager::GetMoneyText3() const {
    const CManager* m = GetManager();
    return m ? m->GetLivingCostsText() : std::string();
}

std::string CHumanManager::GetMoneyText4() const {
    const CManager* m = GetManager();
    return m ? m->GetWeeklyNetText() : std::string();
}

std::string CHumanManager::GetMoneyText5() const {
    const CManager* m = GetManager();
    return m && m->IsEmployed() ? m->GetSavingsText() : std::string();
}

int CHumanManager::GetClubCountryIndex() const {
    const CClub* c = GetClub();
    return c ? c->GetCountryIndex() : -1;
}

int CHumanManager::GetClubPopularityIndex() const {
    const CClub* c = GetClub();
    return c ? c->GetPopularityIndex() : -1;
}

int CHumanManager::GetClubDivision() const {
    const CClub* c = GetClub();
    return c ? c->GetDivisionIndex() : -1;
}

int CHumanManager::GetSelectedPlayer(int pos) const {
    if (pos < 0 || pos >= kSquadSlots) return 0;
    if (IsEmployed() && m_SquadInSelectionOrder) return pos + 1;
    return m_Selection[size_t(pos)];
}

void CHumanManager::SetSelectedPlayer(int pos, int value) {
    if (pos < 0 || pos >= kSquadSlots || value < 0 || value > kSquadSlots) return;
    if (IsEmployed() && m_SquadInSelectionOrder) {
        // Slot k holds position k + 1: the slot of position `value` is value - 1.
        if (value == 0) return;
        if (CClub* club = GetClub()) club->SwapSquadSlots(pos, value - 1);
        return;
    }
    const auto* it = std::find(m_Selection.begin(), m_Selection.end(), static_cast<uint8_t>(value));
    const uint8_t old = m_Selection[size_t(pos)];
    m_Selection[size_t(pos)] = static_cast<uint8_t>(value);
    if (it != m_Selection.end() && it != &m_Selection[size_t(pos)])
        m_Selection[size_t(it - m_Selection.begin())] = old;
}

void CHumanManager::RemoveSelectionSlot(int slot) {
    if (slot < 0 || slot >= kSquadSlots) return;
    std::copy(m_Selection.begin() + slot + 1, m_Selection.end(), m_Selection.begin() + slot);
    m_Selection.back() = 0;
}

void CHumanManager::ApplySelectionToClub(CClub& club, int substitutes) {
    if (!IsEmployed() || m_SquadInSelectionOrder) return;
    if (const CSoccerTactic* t = m_Tactics.GetCurrentTactic()) {
        std::array<uint8_t, 5> settings{t->m_Instructions[0], t->m_Instructions[1], t->m_Instructions[2],
                                        t->m_Instructions[3], t->m_Aggression};
        if (settings[0] >= 10) settings[0] = 9;
        club.SetMatchInstructions(settings);
    }
    m_SavedSquadOrder.assign(kSquadSlots, kEmptySlot);
    std::array<uint16_t, kSquadSlots> work{};
    for (int s = 0; s < kSquadSlots; ++s) work[size_t(s)] = m_SavedSquadOrder[size_t(s)] = club.GetPlayerId(s);

    const int picked = std::clamp(11 + substitutes, 0, kSquadSlots);
    std::array<uint16_t, kSquadSlots> order;
    order.fill(kEmptySlot);
    std::vector<int> holes;
    for (int k = 0; k < picked; ++k) {
        const auto* it = std::find(m_Selection.begin(), m_Selection.end(), uint8_t(k + 1));
        const size_t s = static_cast<size_t>(it - m_Selection.begin());
        if (it == m_Selection.end() || work[s] == kEmptySlot) {
            holes.push_back(k);
            continue;
        }
        order[size_t(k)] = work[s];
        work[s] = kEmptySlot;
    }
    // A position nobody holds takes the first player left who can play,
    // else anyone left; the rest follow the picked players.
    CWorldData* world = GetWorldData();
    for (int pass = 0; pass < 2; ++pass)
        for (auto hole = holes.begin(); hole != holes.end();) {
            auto next = std::find_if(work.begin(), work.end(), [&](uint16_t id) {
                if (id == kEmptySlot) return false;
                const CPlayer* p = world->GetPlayer(id);
                return pass == 1 || (p && p->IsAvailable());
            });
            if (next == work.end()) break;
            order[size_t(*hole)] = *next;
            *next = kEmptySlot;
            hole = holes.erase(hole);
        }
    size_t next = static_cast<size_t>(picked);
    for (uint16_t id : work)
        if (id != kEmptySlot) order[next++] = id;
    for (int s = 0; s < kSquadSlots; ++s) club.SetPlayerId(s, order[size_t(s)]);
    m_SquadInSelectionOrder = 1;
}

void CHumanManager::RestoreClubSquadOrder(CClub& club) {
    if (!IsEmployed() || !m_SquadInSelectionOrder) return;
    for (int s = 0; s < kSquadSlots && s < static_cast<int>(m_SavedSquadOrder.size()); ++s)
        club.SetPlayerId(s, m_SavedSquadOrder[size_t(s)]);
    m_SquadInSelectionOrder = 0;
}

std::string CHumanManager::GetRankedPlayerName(int rank, int group) const {
    const CClub* club = GetClub();
    if (!club || rank < 0 || rank >= 10 || group < 0 || group > 3) return {};
    CWorldData* world = GetWorldData();
    struct Ranked {
        int slot;
        int ability;
    };
    std::vector<Ranked> found;
    for (int s = 0; s < kSquadSlots && found.size() < 10; ++s) {
        const uint16_t id = club->GetPlayerId(s);
        const CPlayer* p = id == kEmptySlot ? nullptr : world->GetPlayer(id);
        if (!p || !p->CanPlay() || p->GetPosition() != group) continue;
        found.push_back({s, static_cast<uint8_t>(std::clamp(p->GetMatchAbility(), 0, 255))});
    }
    // Best first; equal abilities keep their slot order.
    std::stable_sort(found.begin(), found.end(), [](const Ranked& a, const Ranked& b) { return a.ability > b.ability; });
    if (rank >= static_cast<int>(found.size())) return {};
    return world->GetPlayer(club->GetPlayerId(found[size_t(rank)].slot))->GetName();
}

std::string CHumanManager::BuildSuggestedTeam() const {
    static constexpr int kShapes[10][3] = {{4, 4, 2}, {4, 3, 3}, {4, 2, 4}, {5, 3, 2}, {5, 2, 3},
                                           {5, 4, 1}, {4, 5, 1}, {3, 3, 4}, {3, 5, 2}, {3, 4, 3}};
    const CClub* club = GetClub();
    const int formation = club ? club->GetTacticIndex() : 0;
    const int* shape = kShapes[formation >= 0 && formation < 10 ? formation : 0];
    std::vector<std::string> names{GetRankedPlayerName(0, 0)};
    for (int group = 1; group <= 3; ++group)
        for (int rank = 0; rank < shape[group - 1]; ++rank) names.push_back(GetRankedPlayerName(rank, group));
    const auto& n = names;
    return platform::FormatMessageId(34312, {n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10]});
}

bool CHumanManager::IsRatedFor(uint8_t popularityIndex) const {
    CWorldData* w = GetWorldData();
    const CManager* m = w && HasManager() ? w->GetManagerList().GetAt(m_ManagerIndex) : nullptr;
    const CPopularity* row = w ? w->GetPopularityList().GetAt(popularityIndex) : nullptr;
    if (!m || !row) return false;
    return row->IsManagerRated(static_cast<uint8_t>(std::clamp(m->GetRating(), 0.0, 255.0)));
}

// The fewer years left on his contract, the readier the board is to let him
// go. Then the day's bids are decided.
void CHumanManager::RollTransferFlag() {
    static constexpr int kReleaseChance[5] = {90, 90, 85, 80, 70};
    const CManager* m = GetManager();
    const int years = m ? std::min<int>(m->Person().GetContractYears(), 4) : 0;
    m_TransferFlag = Random(100) < kReleaseChance[years] ? 1 : 0;
    if (CClub* club = GetClub()) m_Negotiations.ProcessAll(*club);
}

void CHumanManager::StartNegotiation(std::string& reply, int player, int fee, const CClub* club, uint8_t kind) {
    CWorldData* w = GetWorldData();
    const int days = Random(2) + 1;
    m_Negotiations.Add(player, fee, club ? w->GetClubIndex(club) : -1, kind, static_cast<uint8_t>(days));
    const CPlayer* p = w->GetPlayer(player);
    reply = platform::FormatMessageId(863, {p ? p->GetName() : std::string(), w->GetFutureDateText(days)});
}

// Field by field, in the order the saved game has always had.
void CHumanManager::Save(FILE* f) const {
    PutI32(f, m_ManagerIndex);
    PutU8(f, m_ReservedByte);
    PutI32(f, m_Reserved);
    PutI32(f, m_Weeks);
    for (uint8_t r : m_Results) PutU8(f, r);
    for (int32_t w : m_WageHistory) PutI32(f, w);
    PutU8(f, m_Deferred.code);
    PutText(f, m_Deferred.text1);
    PutText(f, m_Deferred.text2);
    PutText(f, m_Deferred.text3);
    PutI32(f, m_Deferred.id);
    m_Contacts.Save(f);
    PutU8(f, m_TransferFlag);
    m_Search.Save(f);
    m_News.Save(f);
    m_Training.Save(f);
    m_Tactics.Save(f);
    PutU8(f, m_SquadInSelectionOrder);
    PutBytes(f, std::vector<uint8_t>(m_Selection.begin(), m_Selection.end()));
    PutWords(f, m_SavedSquadOrder);
    m_Honours.Save(f);
    PutDWords(f, m_MarkedPlayers);
    m_Negotiations.Save(f);
    for (size_t k = 0; k < m_TableA.size(); ++k) {
        PutI32(f, m_TableA[k]);
        PutI32(f, m_TableB[k]);
    }
    for (int formation = 0; formation < kFormations; ++formation)
        for (int player = 0; player < kOutfieldPlayers; ++player)
            for (const auto& table : m_Instructions) PutI32(f, table[size_t(formation)][size_t(player)]);
    for (uint8_t v : m_TrainLevel) PutU8(f, v);
    for (uint8_t v : m_TrainLoad) PutU8(f, v);
    for (double v : m_TrainProgress) PutF64(f, v);
    for (int32_t v : m_TacticSliders) PutI32(f, v);
}

void CHumanManager::Load(FILE* f) {
    ClearMessages();
    m_FriendlyRefusals.clear();
    m_ManagerIndex = GetI32(f);
    m_ReservedByte = GetU8(f);
    m_Reserved = GetI32(f);
    m_Weeks = GetI32(f);
    for (uint8_t& r : m_Results) r = GetU8(f);
    for (int32_t& w : m_WageHistory) w = GetI32(f);
    m_Deferred.code = GetU8(f);
    m_Deferred.text1 = GetText(f);
    m_Deferred.text2 = GetText(f);
    m_Deferred.text3 = GetText(f);
    m_Deferred.id = GetI32(f);
    m_Contacts.Load(f);
    m_TransferFlag = GetU8(f);
    m_Search.Load(f);
    m_News.Load(f);
    m_Training.Load(f);
    m_Tactics.Load(f);
    m_SquadInSelectionOrder = GetU8(f);
    const std::vector<uint8_t> selection = GetBytes(f);
    if (selection.size() == m_Selection.size()) std::copy(selection.begin(), selection.end(), m_Selection.begin());
    else MarkGameFileDamaged("a user's team sheet is not 30 entries");
    m_SavedSquadOrder = GetWords(f);
    if (!m_SavedSquadOrder.empty() && m_SavedSquadOrder.size() != kSquadSlots)
        MarkGameFileDamaged("a user's saved squad order is not 30 entries");
    m_Honours.Load(f);
    m_MarkedPlayers = GetDWords(f);
    m_Negotiations.Load(f);
    for (size_t k = 0; k < m_TableA.size(); ++k) {
        m_TableA[k] = GetI32(f);
        m_TableB[k] = GetI32(f);
    }
    for (int formation = 0; formation < kFormations; ++formation)
        for (int player = 0; player < kOutfieldPlayers; ++player)
            for (auto& table : m_Instructions) table[size_t(formation)][size_t(player)] = GetI32(f);
    for (uint8_t& v : m_TrainLevel) v = GetU8(f);
    for (uint8_t& v : m_TrainLoad) v = GetU8(f);
    for (double& v : m_TrainProgress) v = GetF64(f);
    for (int32_t& v : m_TacticSliders) v = GetI32(f);
}

void CHumanManager::ClearNegotiations() {
    m_Negotiations.DeleteAll();
    m_MarkedPlayers.clear();
}

void CHumanManager::FillNegotiationList(CListRows& list) const { m_Negotiations.FillList(list, GetClub()); }

bool CHumanManager::IsMarked(int player) const {
    return std::find(m_MarkedPlayers.begin(), m_MarkedPlayers.end(), static_cast<uint32_t>(player)) !=
           m_MarkedPlayers.end();
}

void CHumanManager::WeeklyStep() {
    if (!HasManager()) return;
    if (IsEmployed()) m_News.Trim(20);
    ++m_Weeks;
    // The profile's graph shows the rating, whole points, week by week.
    const CManager* m = GetManager();
    const int32_t rating = m ? static_cast<int32_t>(m->GetRating()) : 0;
    for (int32_t& week : m_WageHistory)
        if (week == 0) {
            week = rating;
            return;
        }
    std::copy(m_WageHistory.begin() + 1, m_WageHistory.end(), m_WageHistory.begin());
    m_WageHistory.back() = rating;
}

void CUserList::WeeklyStep() {
    CWorldData* world = GetWorldData();
    const int32_t previous = world->GetCurrentUserIndex();
    for (int i = 0; i < kSlots; ++i) {
        if (!m_Slots[size_t(i)]->HasManager()) continue;
        world->SetCurrentUser(i);
        m_Slots[size_t(i)]->WeeklyStep();
    }
    world->RestoreCurrentUser(previous);
}

CUserList::CUserList() {
    for (auto& slot : m_Slots) slot = std::make_unique<CHumanManager>();
}

int CUserList::FindFirstWithManager() const {
    for (int i = 0; i < kSlots; ++i)
        if (m_Slots[size_t(i)]->HasManager()) return i;
    return -1;
}

int CUserList::CountInPlay() const {
    int n = 0;
    for (const auto& user : m_Slots) n += user->GetManagerIndex() != -1 ? 1 : 0;
    return n;
}

void CUserList::RemoveManager(int managerIndex) {
    for (auto& user : m_Slots)
        if (user->GetManagerIndex() == managerIndex) user->SetManager(-1);
}

void CUserList::EndGame() {
    for (auto& user : m_Slots) user->SetManager(-1);
}

void CUserList::Save(FILE* f) const {
    PutI32(f, kSlots);
    for (int i = 0; i < kSlots; ++i) {
        PutText(f, platform::FormatMessage("SYNC %1!d!", {i}));
        m_Slots[size_t(i)]->Save(f);
    }
}

void CUserList::Load(FILE* f) {
    for (auto& slot : m_Slots) slot = std::make_unique<CHumanManager>();
    const int32_t n = GetI32(f);
    if (n < 1 || n > kSlots) {
        MarkGameFileDamaged("the number of users is not 1 to 8");
        return;
    }
    for (int i = 0; i < n && !GameFileDamaged(); ++i) {
        if (GetText(f) != platform::FormatMessage("SYNC %1!d!", {i})) {
            MarkGameFileDamaged("a user's marker is wrong");
            return;
        }
        m_Slots[size_t(i)]->Load(f);
    }
}

void CUserList::CancelNegotiationsForPlayer(int player, const CClub* buyer) {
    for (auto& user : m_Slots)
        if (user->HasManager()) user->GetNegotiations().CancelForPlayer(player, buyer, user->GetClub());
}

void CUserList::SwapClubIndexes(int a, int b) {
    for (auto& user : m_Slots)
        if (user->HasManager()) user->GetNegotiations().SwapClubs(a, b);
}
