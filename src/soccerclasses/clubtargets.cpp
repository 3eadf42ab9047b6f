// A computer club's search for players to buy, the repair of a thin
// position, veterans handed to another club, and the squad and staff
// helpers the screens ask for.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/country.h"
#include "soccerclasses/listrows.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/playersearch.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr int kPositionTarget[4] = {2, 6, 6, 5};
// Search kinds, as the player search reads them: players listed for
// nothing, free agents, and players under contract within the price.
constexpr int kSearchFreeListed = 1;
constexpr int kSearchFreeAgents = 2;
constexpr int kSearchContracted = 3;
constexpr int kRepairPasses = 30;
constexpr int kSearchPasses = 24;

// Every club of a country but one adds the players that match.
void SearchCountry(const CCountry& country, const CPlayerSearch& search, int excludedClub, CExtDWordArray& players,
                   CExtDWordArray& clubs) {
    CWorldData* world = GetWorldData();
    for (int d = 0; d < country.GetDivisionCount(); ++d) {
        const CDivision* division = country.GetDivision(d);
        if (!division) continue;
        for (int c = division->GetFirstClub(); c < division->GetFirstClub() + division->GetClubCount(); ++c)
            if (const CClub* club = c == excludedClub ? nullptr : world->GetClub(c))
                club->CollectMatchingPlayers(c, players, clubs, search);
    }
}

}  // namespace

CPlayer* CClub::GetPlayer(int slot) const {
    const uint16_t id = squad_.at(static_cast<size_t>(slot));
    return id == kEmptySlot ? nullptr : GetWorldData()->GetPlayer(id);
}

CPlayer* CClub::GetRandomPlayer() const {
    int occupied[kSquadSlots];
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (squad_.at(static_cast<size_t>(s)) != kEmptySlot) occupied[n++] = s;
    if (n == 0) return nullptr;
    // Random(n) reaches n only on the generator's top value.
    return GetPlayer(occupied[std::min(Random(n), n - 1)]);
}

void CClub::CollectMatchingPlayers(int clubIndex, CExtDWordArray& players, CExtDWordArray& clubs,
                                   const CPlayerSearch& search) const {
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (!p || !p->MatchesSearch(search)) continue;
        players.Add(squad_[size_t(s)]);
        clubs.Add(static_cast<uint32_t>(clubIndex));
    }
}

void CClub::SearchForTransferTarget(int position) {
    CWorldData* world = GetWorldData();
    CCountry* country = GetCountry();
    const CPopularity* row = GetPopularity();
    const CDivision* division = GetDivision();
    if (!country || !row || !division || country->GetTransferWindow() == 0) return;
    // The board spends for computer managers only.
    if (IsHumanManaged()) return;
    int kind = kSearchContracted;
    if (balance_ < 0.0) {
        const int n = Random(4) + 1;
        const double x = row->m_BaseValue / 2.0 - loan_;
        if (x >= 100.0) TakeLoan(x, n + Random(n));
        else kind = kSearchFreeListed;
    }
    const double limit = row->m_TransferFigure / 100.0 * country->GetWageFactor();
    if (limit > balance_ || Random(100) < 20) kind = kSearchFreeAgents;

    CPlayerSearch search;
    const auto minAge = static_cast<uint8_t>(Random(3) + 16);
    const auto maxAge = static_cast<uint8_t>(38 - Random(5));
    const int strength = std::clamp(GetDivisionStrengthIndex(), 0, 3);
    const auto minSkill = static_cast<uint8_t>(std::clamp<int>(row->GetAbilityBase(strength), 10, 99));
    const auto maxSkill = static_cast<uint8_t>(std::clamp<int>(row->m_LevelByte, minSkill, 99));
    search.Set(std::clamp(position, 0, 3), minAge, maxAge, minSkill, maxSkill, 0.0f,
               static_cast<float>(std::max(0.0, limit)), 0, kind, 1);

    const CCountry* where = country;
    if (Random(100) <= division->GetAbroadSearchPercent())
        if (const CCountry* abroad = world->GetRandomLeagueCountry()) where = abroad;
    CExtDWordArray players, clubs;
    SearchCountry(*where, search, world->GetClubList().GetIndex(this), players, clubs);

    bool done = false;
    while (players.GetSize() > 0) {
        const int n = players.GetSize();
        const int i = n == 1 ? 0 : std::min(Random(n), n - 1);
        if (ApproachForPlayer(players.GetAt(i), static_cast<int>(clubs.GetAt(i))) && Random(20) != 1) done = true;
        players.RemoveAt(i);
        clubs.RemoveAt(i);
        if (Random(2) == 1 || GetSquadSize() >= kSquadSlots || done) break;
    }
}

void CClub::RepairPositionShortfalls() {
    CWorldData* world = GetWorldData();
    int passes = 0;
    for (int pos = 0; pos < 4 && passes < kRepairPasses; ++pos) {
        while (passes < kRepairPasses) {
            if (GetSquadSize() >= kSquadSlots || CountAvailableInPosition(pos) >= GetMinPlayersInPosition(pos)) break;
            ++passes;
            if (passes <= kSearchPasses) {
                if (CountPlayersInPosition(pos) < kPositionTarget[pos]) {
                    SearchForTransferTarget(pos);
                    continue;
                }
                CPlayer* cured = nullptr;
                for (int s = 19; s < kSquadSlots && !cured; ++s)
                    if (CPlayer* p = GetPlayer(s); p && p->GetPosition() == pos && p->GetInjuryTimeEstimate() < 2)
                        cured = p;
                if (cured) cured->HealNow();
                else SearchForTransferTarget(pos);
                continue;
            }
            // Late passes: ask clubs of the division to hand over a veteran.
            const CDivision* division = GetDivision();
            const int self = world->GetClubList().GetIndex(this);
            for (int ask = 0; division && ask < 30; ++ask) {
                const int other = division->GetRandomNonHumanClub(self);
                CClub* club = other < 0 ? nullptr : world->GetClub(other);
                if (club && club->TransferOldPlayer(pos, *this)) break;
            }
        }
    }
}

bool CClub::TransferOldPlayer(int position, CClub& receiver) {
    // A receiving squad without room takes no one.
    if (&receiver == this || receiver.GetSquadSize() >= kSquadSlots) return false;
    for (int s = 19; s < kSquadSlots; ++s) {
        CPlayer* p = GetPlayer(s);
        if (!p || p->GetPosition() != position || p->GetAge() <= 30 || !IsPlayerAvailable(*p) ||
            p->Person().GetWeeksAtClub() <= 6)
            continue;
        CContractOffer offer;
        offer.m_WeeklyWage = p->Person().GetWeeklyWage();
        offer.m_Years = p->Person().GetContractYears();
        CompleteTransfer(squad_[size_t(s)], *p, 0.0, receiver, offer, false);
        return true;
    }
    return false;
}

void CClub::GiveOutOfContractPlayersContracts() {
    for (int s = 0; s < kSquadSlots; ++s) {
        CPlayer* p = GetPlayer(s);
        if (!p || p->Person().GetContractYears() != 0) continue;
        const int r = Random(99);
        p->Person().SetContractYears(static_cast<uint8_t>(r < 20 ? 1 : r < 50 ? 2 : r < 90 ? 3 : 4));
    }
}

void CClub::GetManagerFullName(std::string& out) const {
    const CManager* m = GetManagerObject();
    if (!m) platform::Trace("Manager's name asked of a club without a manager\n");
    out = m ? m->GetName() : std::string();
}

int CClub::GetManagerWeeksAtClub() const {
    const CManager* m = GetManagerObject();
    if (!m) platform::Trace("Manager's service asked of a club without a manager\n");
    return m ? m->Person().GetWeeksAtClub() : 0;
}

int CClub::GetGamesPlayed() const { return leagueRow_.GetPlayed(); }

int CClub::GetIncomeItemCount() const { return accounts_ ? accounts_->CountIncomeItems() : 0; }
int CClub::GetExpenditureItemCount() const { return accounts_ ? accounts_->CountExpenditureItems() : 0; }
uint32_t CClub::GetIncomeItemName(int i) const { return accounts_ ? accounts_->GetIncomeItemName(i) : 0; }
uint32_t CClub::GetExpenditureItemName(int i) const { return accounts_ ? accounts_->GetExpenditureItemName(i) : 0; }
void CClub::GetWeeklyIncome(double* out) const {
    if (accounts_ && out) accounts_->GetWeekIncome(out);
}
void CClub::GetWeeklyExpenditure(double* out) const {
    if (accounts_ && out) accounts_->GetWeekExpenditure(out);
}
void CClub::GetSeasonIncome(double* out) const {
    if (accounts_ && out) accounts_->GetSeasonIncome(out);
}
void CClub::GetSeasonExpenditure(double* out) const {
    if (accounts_ && out) accounts_->GetSeasonExpenditure(out);
}

namespace {

void FillAccountsStatement(const CClub& club, CListRows& list, bool season) {
    list.ResetContent();
    const CAccountsItemList* accounts = club.GetAccounts();
    if (!accounts) return;
    const CCountry* country = club.GetCountry();
    // Whole base amounts, then each shown as the club's money.
    auto money = [&](const std::string& cell) -> std::string {
        if (cell.empty()) return cell;
        const double amount = std::stod(cell);
        if (!country) return cell;
        std::string out;
        country->FormatMoney(out, amount);
        return out;
    };
    for (const auto& r : accounts->GetStatement(season, [](double v) { return v; })) {
        const int row = list.AddRow(r.name, 0, 0, 0);
        list.SetItem(row, 1, money(r.income));
        list.SetItem(row, 2, money(r.expenditure));
        list.SetRowColour(row, r.colour);
    }
}

}  // namespace

void CClub::FillWeeklyAccounts(CListRows& list) const { FillAccountsStatement(*this, list, false); }
void CClub::FillSeasonAccounts(CListRows& list) const { FillAccountsStatement(*this, list, true); }

void CClub::MarketEmployeeRemoved(uint32_t index) {
    std::erase(approachedStaff_, index);
    for (uint32_t& i : approachedStaff_)
        if (i > index) --i;
}

int CClub::GetAllowedScouts() const {
    static constexpr struct {
        int from, scouts;
    } kScouts[] = {{90, 2}, {80, 3}, {60, 4}, {40, 5}, {20, 6}, {0, 7}};
    for (const auto& r : kScouts)
        if (popularity_ >= r.from) return r.scouts;
    return 7;
}

int CClub::ConfirmHireEmployee(uint8_t kind) {
    if (kind == CBasicEmployee::kScout) {
        const int allowed = std::min(GetAllowedScouts(), static_cast<int>(scouts_.size()));
        for (int i = 0; i < allowed; ++i)
            if (!scouts_[size_t(i)].IsAssigned()) return 1;
        UserMessageBox(73, kBoxNotice, manager_);
        return 0;
    }
    if (kind > 4) {
        platform::TraceF("Unknown staff kind %d taken as a coach\n", int(kind));
        kind = 0;
    }
    const CEmployee* present = staff_.FindKind(kind);
    if (!present) return 1;
    // What is left of his contract is paid off.
    const CPerson& person = present->Person();
    const int week = GetWorldData()->GetWeek();
    const double compensation =
        person.GetContractYears() == 0
            ? 0.0
            : std::max(0.0, (person.GetContractYears() * 52.0 - week) * person.GetWeeklyWage());
    static constexpr unsigned kTexts[5] = {1153, 1154, 0, 1155, 1156};
    const std::string text =
        platform::FormatMessageId(kTexts[kind], {present->GetName(), FormatMoney(compensation)});
    return UserMessageBoxText(text, kBoxYesNo, manager_) == kAnswerYes ? 1 : 0;
}

bool CClub::AcceptsLevel(uint8_t level) const {
    const CPopularityList& table = GetWorldData()->GetPopularityList();
    const int low = table.GetStaffLevelMinimum(popularity_);
    const int high = table.GetStaffLevelMaximum(popularity_);
    if (level < low) return false;
    if (level > high && Random(100) > 20) return false;
    if (level <= low || level >= high) return true;
    return Random(100) < 86;
}
