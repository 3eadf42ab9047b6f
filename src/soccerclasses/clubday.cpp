// The club's daily and weekly steps, the board's handling of an overdrawn
// account, and a computer club's search for players.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr int kOverdraftChance[10] = {80, 70, 60, 50, 35, 20, 10, 5, 0, 0};
constexpr int kMinSquad = 18;
// Random picks of a filled slot give up after this many draws.
constexpr int kMaxDraws = 1000;
constexpr uint8_t kNoLeagueMatch = 200;

}  // namespace

int CClub::GetBreakLength() const {
    const CDivision* d = GetDivision();
    if (!d) return 0;
    int day = GetWorldData()->GetMatchDay();
    int n = 0;
    for (int i = 0; i < 106 && d->GetCalendarSlot((day + i) % 106) == kNoLeagueMatch; ++i) ++n;
    return n;
}

int CClub::DrawFilledSlot(int first, int spread) const {
    for (int tries = 0; tries < kMaxDraws; ++tries) {
        const int s = std::min(first + Random(spread), kSquadSlots - 1);
        if (squad_[size_t(s)] != kEmptySlot) return s;
    }
    platform::Trace("No player found by a random draw of the squad\n");
    return -1;
}

CPlayer* CClub::GetRandomKeeperOrAttacker() {
    CPlayer* last = nullptr;
    for (int drawn = 0; drawn <= 100; ++drawn) {
        const int s = DrawFilledSlot(0, 29);
        if (s < 0) return nullptr;
        last = GetWorldData()->GetPlayer(squad_[size_t(s)]);
        if (last && (last->GetPosition() == 0 || last->GetPosition() == 3)) return last;
    }
    return last;
}

void CClub::ProcessDay(bool saturday, bool countryActive) {
    CWorldData* world = GetWorldData();
    const int breakLength = GetBreakLength();
    for (int s = 0; s < kSquadSlots; ++s)
        if (CPlayer* p = world->GetPlayer(squad_[size_t(s)] == kEmptySlot ? -1 : squad_[size_t(s)]))
            p->Update(*this, static_cast<uint16_t>(breakLength), saturday, countryActive);
    if (!HasManager()) {
        if (Random(4) == 1) AppointNewManager();
    } else {
        BoardReview();
    }
    if (IsHumanManaged()) {
        ProcessHumanDay(breakLength);
        return;
    }
    if (!countryActive || world->GetNewGameFlag() != 0) return;
    if (HasManager()) {
        HireMissingCoach();
        const CCountry* country = GetCountry();
        const CPopularity* row = GetPopularity();
        const bool rich = country && row && balance_ > 2.0 * country->GetWageFactor() * row->m_SpendingFigure / 100.0;
        if (Random(50) == 1 || (rich && Random(100) < 5)) TradeForTheSquad();
    }
    KeepSquadLimits();
}

// A human manager's club: his day's business with the board, then the
// board's look at the money, then an odd absence.
void CClub::ProcessHumanDay(int breakLength) {
    CWorldData* world = GetWorldData();
    const int previousUser = world->GetCurrentUserIndex();
    CHumanManager* user = GetHumanManager();
    world->SetCurrentUser(GetHumanManagerIndex());
    if (user) user->RollTransferFlag();
    const CDivision* d = GetDivision();
    const int unitsLeft = d ? d->CountToSeasonEnd() : -1;
    if (unitsLeft >= 0 && unitsLeft < 6) {
        // A player's answer can take him out of the squad: ask from a copy.
        const std::vector<uint16_t> ids = squad_;
        for (uint16_t id : ids)
            if (CPlayer* p = world->GetPlayer(id == kEmptySlot ? -1 : id)) p->RequestContractRenewal(*this);
        staff_.CheckContracts(*this);
        youths_.OfferContracts(*this, static_cast<int>(GetSquadSize()));
    }
    if (Random(6) == 1 && breakLength < 4 && GetAggression() > 4) ReviewDiscipline();
    ComputerTransferActivity();
    CheckSquadConcerns();
    CheckStaffConcerns();
    world->RestoreCurrentUser(previousUser);
    // The scouts name the club's human manager themselves.
    for (CScout& scout : scouts_)
        if (scout.IsAssigned()) scout.ProcessHalfWeek(*this);

    ProcessHumanFinances();
    if (!IsHumanManaged()) return;  // sacked for the club's ruin
    if (Random(100) < 3) {
        const int s = DrawFilledSlot(0, 29);
        if (CPlayer* p = s < 0 ? nullptr : world->GetPlayer(squad_[size_t(s)])) p->StartAbsence(*this);
    }
}

// A computer club without a head coach takes one from the country's market.
void CClub::HireMissingCoach() {
    if (staff_.FindKind(CBasicEmployee::kHeadCoach)) return;
    CCountry* country = GetCountry();
    CWorldData* world = GetWorldData();
    if (!country || popularity_ >= world->GetPopularityList().GetSize()) return;
    const CPopularityList& table = world->GetPopularityList();
    CAvailableEmployee* offered = country->PickAvailableEmployee(
        CBasicEmployee::kHeadCoach, table.GetStaffLevelMinimum(popularity_), table.GetStaffLevelMaximum(popularity_));
    if (!offered) return;
    const int index = AddEmployee(*offered);
    if (index < 0) return;
    staff_.GetAt(index)->Person().SetContractYears(static_cast<uint8_t>(Random(5) + 1));
    country->RemoveAvailableEmployee(offered);
}

void CClub::TradeForTheSquad() {
    if (GetSquadSize() >= kSquadSlots) return;
    if (leagueRow_.GetPlayed() >= 10) {
        TradeWhenStruggling();
        return;
    }
    SearchForTransferTarget(static_cast<int>(GetWeakestLine()));
}

void CClub::KeepSquadLimits() {
    CWorldData* world = GetWorldData();
    if (CountAvailablePlayers() < kMinSquad) {
        for (uint16_t id : squad_)
            if (id != kEmptySlot) RemovePlayerFromTransferList(*world->GetPlayer(id));
        return;
    }
    for (int pos = 0; pos < 4; ++pos)
        if (CountAvailableInPosition(pos) < GetMinPlayersInPosition(pos)) DelistPlayersInPosition(pos);
}

// The board's look at an overdrawn account of a human manager's club.
void CClub::ProcessHumanFinances() {
    const CPopularity* row = GetPopularity();
    const CCountry* country = GetCountry();
    if (!row || !country) return;
    const double v = row->m_BaseValue;
    if (weekOpeningBalance_ > 0.0 && balance_ < 0.0) {
        const double t = loan_ / v * 100.0;
        const int k = static_cast<int>(t / 10.0);
        const int r = Random(100);
        // Past the table, with the loan at the base value, there is nothing
        // left to raise: the board refuses as when its draw fails.
        if (t >= 100.0 || k >= 10 || r > kOverdraftChance[k]) {
            UserMessageBoxText(FormatMessageId(147, {name_}), 48, manager_);
            AddInboxMessage(120, FormatMoney(balance_), "", "", -1);
        } else {
            const double x = (100.0 - t) / 2.0;
            const double amount = (Random(static_cast<int>(x)) + x) * v / 100.0;
            loan_ += amount;
            weeklyRepayment_ = CalcLoanRepayment(20.0, loan_, 5.0, 52.0);
            balance_ += amount;
            loanWeeks_ = 260;
            AddInboxMessage(121, FormatMoney(balance_), FormatMoney(amount), "", -1);
            UserMessageBoxText(FormatMessageId(32920, {name_, FormatMoney(amount)}), 48, manager_);
        }
    }
    const double ruin = GetWorldData()->GetPopularityList().GetPercentValue(popularity_, country->GetWageFactor());
    if (balance_ < ruin) {
        UserMessageBox(32923, 48, manager_);
        ManagerLeaves(0);
    } else if (balance_ < ruin / 2) {
        UserMessageBox(32927, 48, manager_);
        if (Random(4) == 1 && CountAvailableNotOnLoan() > kMinSquad) SellPlayerToOtherClub(false);
    }
}

void CClub::SellPlayerToOtherClub(bool keeperOrAttacker) {
    CWorldData* world = GetWorldData();
    CPlayer* player = nullptr;
    if (keeperOrAttacker) {
        player = GetRandomKeeperOrAttacker();
    } else {
        const int s = Random(3) != 1 ? DrawFilledSlot(11, 18) : DrawFilledSlot(0, 29);
        player = s < 0 ? nullptr : world->GetPlayer(squad_[size_t(s)]);
    }
    if (!player || player->IsOnLoan()) return;
    const int index = FindWorldIndex(*player);
    double fee = GetPlayerTransferFee(*player, *this);
    if (fee <= 0 || index < 0) return;
    // The buyer: a computer club of a division where the player would go.
    CCountry* destination = player->PickDestinationCountry(GetCountry(), world->GetCountryList());
    if (!destination || destination->GetDivisionCount() == 0) return;
    const CDivision* d = destination->GetDivision(Random(destination->GetDivisionCount() - 1));
    const int buyerIndex = d ? d->GetRandomNonHumanClub(world->GetClubList().GetIndex(this)) : -1;
    CClub* buyer = buyerIndex < 0 ? nullptr : world->GetClub(buyerIndex);
    if (!buyer || buyer == this || !buyer->WantsPlayer(*player, fee) || !MakeBid(*player, fee, *buyer, 0)) return;
    // A price agreed before stands.
    if (player->m_SparePrice != -1.0) {
        fee = player->m_SparePrice;
        player->m_SparePrice = -1.0;
    }
    CContractOffer offer;
    CompleteTransfer(static_cast<uint16_t>(index), *player, fee, *buyer, offer, false);
}

void CClub::ProcessWeek(bool quiet) {
    CHumanManager* user = GetHumanManager();
    if (IsCountryActive()) {
        for (size_t i = 0; i < offerTargets_.size();) {
            const bool talking = user && user->IsNegotiatingForIndex(static_cast<int>(offerTargets_[i]));
            if (Random(5) == 1 && !talking)
                offerTargets_.erase(offerTargets_.begin() + static_cast<long>(i));
            else
                ++i;
        }
        if (CStadium* s = GetStadium(); s && s->AdvanceWorks() && IsHumanManaged())
            AddInboxMessage(68, name_, "", "", -1);
        ProcessWeeklyAccounts();
    }
    ProcessWeekSquad(quiet);
    user = GetHumanManager();
    if (!user) return;
    // The week's training works on the formation the programme names.
    if (training_)
        if (CSoccerTactic* t = user->GetTacticList().GetAt(training_->GetSetting(9)))
            t->Train(static_cast<uint8_t>(std::clamp(training_->GetWeightedValue(), 0, 255)));
    CCountry* country = GetCountry();
    const CPopularity* row = GetPopularity();
    if (country && row) country->UpdateStaffLists(*row, static_cast<uint8_t>(GetDivisionStrengthIndex()), *this);
}

void CClub::ProcessWeekSquad(bool quiet) {
    CWorldData* world = GetWorldData();
    const int settled = CountAvailableNotOnLoan();
    for (int s = 0; s < kSquadSlots; ++s) {
        const uint16_t id = squad_[size_t(s)];
        CPlayer* p = world->GetPlayer(id == kEmptySlot ? -1 : id);
        if (!p) continue;
        if (p->IsOnLoan() && p->m_LoanClub >= 0) {
            // A player who went back leaves his slot to the next one.
            if (p->LoanWeekPasses() && ProcessLoanEnd(s)) --s;
        } else if (settled > kMinSquad && Random(75) == 2 && p->IsWillingToMove()) {
            HandleTransferRequest(id, p);
        }
    }
    if (!IsHumanManaged()) {
        for (int pass = 0; pass < 10; ++pass) {
            if (GetSquadSize() >= kSquadSlots || CountAvailablePlayers() > kMinSquad) break;
            SearchForTransferTarget(static_cast<int>(GetWeakestLine()));
        }
        RepairPositionShortfalls();
        return;
    }
    if (CountAvailablePlayers() <= kMinSquad) {
        const std::string text = FormatMessageId(103, {name_});
        SendMessageToHuman(text);
        if (!quiet) UserMessageBoxText(text, 48, manager_);
    }
}

uint32_t CClub::GetWeakestLine() const {
    uint32_t line = 0;
    for (uint32_t p = 1; p < 4; ++p)
        if (positionFigures_[p] < positionFigures_[0]) line = p;
    return line;
}
