// The club's daily and weekly steps, the board's handling of an overdrawn
// account, and a computer club's search for players.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/globals.h"
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
    (void)saturday;
    if (IsHumanManaged()) {
        ProcessHumanFinances();
        return;
    }
    CWorldData* world = GetWorldData();
    if (!countryActive || world->GetNewGameFlag() != 0) return;
    if (HasManager()) {
        const CCountry* country = GetCountry();
        const CPopularity* row = GetPopularity();
        const bool rich = country && row && balance_ > 2.0 * country->GetWageFactor() * row->m_SpendingFigure / 100.0;
        if (Random(50) == 1 || (rich && Random(100) < 5)) TradeForTheSquad();
    }
    KeepSquadLimits();
}

void CClub::TradeForTheSquad() {
    if (GetSquadSize() >= kSquadSlots) return;
    if (leagueRow_.GetPlayed() >= 10 && IsDominatingLeague() && CountAvailablePlayers() > kMinSquad) {
        if (Random(100) < 6) {
            SellPlayerToOtherClub(true);
            return;
        }
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
        if (CountAvailableInPosition(pos) < GetMinPlayersInPosition(pos))
            for (uint16_t id : squad_)
                if (id != kEmptySlot && world->GetPlayer(id)->GetPosition() == pos)
                    RemovePlayerFromTransferList(*world->GetPlayer(id));
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
        if (Random(4) == 1 && CountAvailablePlayers() > kMinSquad) SellPlayerToOtherClub(false);
    }
}

void CClub::ManagerLeaves(int reason) {
    (void)reason;
    if (CManager* m = GetManagerObject()) m->SetClubIndex(-1);
    manager_ = -1;
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
    if (!player) return;
    const int index = FindWorldIndex(*player);
    double fee = GetPlayerTransferFee(*player, *this);
    if (fee <= 0 || index < 0) return;
    const CDivision* d = GetDivision();
    if (!d || d->GetClubCount() < 2) return;
    CClub* buyer = nullptr;
    for (int tries = 0; tries < 20 && !buyer; ++tries) {
        CClub* c = world->GetClub(d->GetFirstClub() + RandomByte(d->GetClubCount()));
        if (c && c != this && !c->IsHumanManaged()) buyer = c;
    }
    if (!buyer || !buyer->WantsPlayer(*player, fee) || !MakeBid(*player, fee, *buyer, 0)) return;
    CContractOffer offer;
    CompleteTransfer(static_cast<uint16_t>(index), *player, fee, *buyer, offer, false);
}

void CClub::ProcessWeek(bool quiet) {
    if (IsCountryActive()) {
        for (size_t i = 0; i < offerTargets_.size();) {
            if (Random(5) == 1) offerTargets_.erase(offerTargets_.begin() + static_cast<long>(i));
            else ++i;
        }
        if (CStadium* s = GetStadium(); s && s->AdvanceWorks() && IsHumanManaged())
            AddInboxMessage(68, name_, "", "", -1);
        ProcessWeeklyAccounts();
    }
    ProcessWeekSquad(quiet);
}

void CClub::ProcessWeekSquad(bool quiet) {
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
