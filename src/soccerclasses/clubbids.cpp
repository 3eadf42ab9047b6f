// The seller's answers to a human manager's bids and loan requests, the
// computer clubs' interest in a human club's players, and a veteran who
// becomes his club's player-manager.
#include <algorithm>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/peopledeletion.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr int kMinSquad = 18;
constexpr int kSellOnChance[4] = {75, 40, 15, 5};
constexpr int kLoanChance[7] = {5, 5, 10, 10, 15, 20, 30};
const std::string kAccept = "T";
const std::string kRefuse = "F";

// A bid within a band of the fee is refused when the draw passes the limit.
struct Band {
    double low, high;  // multiples of the fee, both inclusive
    int limit;
};
constexpr Band kHumanBidBands[] = {{0.95, 1.04, 10}, {1.05, 1.19, 20}, {1.2, 1.34, 30}, {1.35, 1.49, 40},
                                   {1.5, 1.74, 60},  {1.75, 1.99, 80}};

// Whether the draw of the first band holding the bid refuses it. A bid
// between two bands, or exactly twice the fee, is taken without a draw.
bool BandRefuses(double bid, double fee) {
    for (const Band& b : kHumanBidBands)
        if (bid >= b.low * fee && bid <= b.high * fee) return Random(100) > b.limit;
    if (bid > 2.0 * fee) return Random(100) > 90;
    return false;
}

}  // namespace

uint16_t CClub::FindSquadSlotOfPlayer(uint16_t id) const {
    const int slot = FindSlotOfPlayer(id);
    if (slot < 0) {
        platform::TraceF("Player %u is in no squad slot of %s\n", unsigned(id), name_.c_str());
        return kEmptySlot;
    }
    return static_cast<uint16_t>(slot);
}

namespace {

// The least a computer seller takes for a listed player: about 75..94% of
// his price, or his wage figure when that is more.
double SellerFloorPrice(const CClub& seller, const CPlayer& player) {
    const int64_t hundreds = static_cast<int64_t>(player.m_AskingPrice) / 100;
    const double wage = player.GetWageDemand(seller);
    const double first = static_cast<double>((Random(20) + 75) * hundreds);
    if (wage > first) return wage;
    return static_cast<double>((Random(20) + 75) * hundreds);
}

std::string AskHumanAboutBid(const CClub& seller, const CPlayer& player, double bid, uint8_t sellOn,
                             const CClub& buyer) {
    const std::string text =
        bid > 0 ? FormatMessageId(61, {buyer.GetName(), player.GetName(), seller.FormatMoney(bid), seller.GetName(),
                                       seller.GetManagerName(), int(sellOn)})
                : FormatMessageId(62, {buyer.GetName(), player.GetName(), seller.GetName(), seller.GetManagerName()});
    if (UserMessageBoxText(text, kBoxYesNo, CClub::FindWorldIndex(player)) == kAnswerYes) return kAccept;
    return FormatMessageId(1178, {seller.GetName()});
}

void TellHumanOfFreeAgentInterest(CClub& club, const CPlayer& player) {
    club.AddInboxMessage(148, player.GetName(), club.GetName(), player.Football().GetPositionText(), -1);
}

std::string EvaluateBid(CClub& seller, CPlayer* player, double bid, uint8_t offeredSellOn, uint8_t askedSellOn, CClub& buyer,
                               double referenceFee, bool first) {
    if (!player) return kRefuse;
    const double floor = SellerFloorPrice(seller, *player);
    if (seller.IsHumanManaged()) return AskHumanAboutBid(seller, *player, bid, offeredSellOn, buyer);
    const bool humanBuyer = buyer.IsHumanManaged();
    if (first) {
        if (!player->IsWillingToMove()) return kRefuse;
        if (seller.CountAvailablePlayers() <= kMinSquad) {
            platform::TraceF("Club refused transfer :- MINSQUADSIZE(%d) reached\n", kMinSquad);
            return kRefuse;
        }
        const int minimum = CClub::GetMinPlayersInPosition(player->GetPosition());
        if (seller.CountAvailableInPosition(player->GetPosition()) <= minimum) {
            platform::TraceF("Club refused transfer :- MINPLAYERSINPOSITION reached (%d)\n", minimum);
            return kRefuse;
        }
    }
    if (offeredSellOn < askedSellOn) {
        // A demand of 20 against an offer below 5 is as far apart as the table goes.
        const int idx = std::clamp(askedSellOn / 5 - offeredSellOn / 5, 0, 3);
        const int x = Random(100);
        if (x > kSellOnChance[idx]) {
            platform::TraceF(first ? "Club refused transfer :- rndnum(%d) > SellOnChanceAccept(%d)\n"
                                   : "Non-Listed player refused :- rndnum(%d) > SellOnChanceAccept (%d)\n",
                             x, kSellOnChance[idx]);
            return humanBuyer ? FormatMessageId(1179, {seller.GetName(), player->GetName()}) : kRefuse;
        }
    }
    const double asking = static_cast<double>(static_cast<int64_t>(player->m_AskingPrice));
    if (asking > 0) {
        if (bid >= asking) return kAccept;
        if (bid > floor && Random(99) > 24 && bid > referenceFee) return kAccept;
        if (humanBuyer) return FormatMessageId(67, {seller.GetName(), player->GetName()});
        if (first) platform::Trace("Club refused listed player transfer\n");
        return kRefuse;
    }
    const CCountry* country = seller.GetCountry();
    const double fee = country ? player->GetAskingPrice(*country) : GetPlayerTransferFee(*player, seller);
    if (bid < 0.95 * fee || BandRefuses(bid, fee)) {
        platform::TraceF("Club refused player transfer :- Bid Not Enough (Amount Offered = %.0f, FairPrice = %.f)\n",
                         bid, fee);
        return humanBuyer ? FormatMessageId(66, {}) : kRefuse;
    }
    return kAccept;
}

}  // namespace

std::string CClub::EvaluateFirstBid(CPlayer* player, double bid, uint8_t offeredSellOn, uint8_t askedSellOn,
                                    CClub& buyer, double referenceFee) {
    return EvaluateBid(*this, player, bid, offeredSellOn, askedSellOn, buyer, referenceFee, true);
}

std::string CClub::EvaluateRevisedBid(CPlayer* player, double bid, uint8_t offeredSellOn, uint8_t askedSellOn,
                                      CClub& buyer, double referenceFee) {
    return EvaluateBid(*this, player, bid, offeredSellOn, askedSellOn, buyer, referenceFee, false);
}

std::string CClub::EvaluateLoanRequest(CPlayer* player, CClub& requester, int weeks) {
    if (!player) return kRefuse;
    const std::string refusal = FormatMessageId(70, {name_, player->GetName()});
    if (IsHumanManaged()) {
        const std::string text =
            FormatMessageId(68, {requester.name_, player->GetName(), name_, weeks, GetManagerName()});
        return UserMessageBoxText(text, kBoxYesNo, FindWorldIndex(*player)) == kAnswerYes ? kAccept : refusal;
    }
    const std::string refuse = requester.IsHumanManaged() ? refusal : kRefuse;
    const int position = player->GetPosition();
    if (CountAvailablePlayers() < kMinSquad || playersOutside_ > 2 ||
        CountAvailableInPosition(position) < GetMinPlayersInPosition(position))
        return refuse;
    if (Random(100) > kLoanChance[std::min<int>(player->m_MissedRun, 6)]) return refuse;
    const int index = FindWorldIndex(*player);
    const uint16_t slot = index < 0 ? kEmptySlot : FindSquadSlotOfPlayer(static_cast<uint16_t>(index));
    return player->GetLoanRefusal(requester, slot == kEmptySlot ? -1 : slot);
}

// --- Computer clubs and a human club's players ---

void CClub::ComputerTransferActivity() {
    if (!IsHumanManaged() || CountAvailablePlayers() < kMinSquad) return;
    CWorldData* world = GetWorldData();
    CCountry* country = GetCountry();
    CDivision* division = GetDivision();
    const int self = world->GetClubList().GetIndex(this);
    if (Random(10) == 2 && country && division) {
        const int slot = Random(11);
        CPlayer* player = squad_[size_t(slot)] == kEmptySlot ? nullptr : world->GetPlayer(squad_[size_t(slot)]);
        const uint16_t index = squad_[size_t(slot)];
        if (player && !player->IsOnLoan()) {
            double fee = player->GetTransferFee(*country);
            const int buyerIndex = division->FindBuyerClub(index, self, fee);
            CClub* buyer = buyerIndex < 0 ? nullptr : world->GetClub(buyerIndex);
            if (buyer && player->IsFreeAgent()) {
                if (Random(3) == 1) {
                    TellHumanOfFreeAgentInterest(*this, *player);
                } else {
                    CContractOffer offer;
                    CompleteTransfer(index, *player, 0.0, *buyer, offer, true);
                }
            } else if (buyer) {
                if (Random(6) == 3 && static_cast<int64_t>(player->m_AskingPrice) < 1 && fee < 3000000.0) fee *= 2;
                if (fee > 0 && MakeBid(*player, fee, *buyer, 0)) CompleteAcceptedBid(index, *player, fee, 0, *buyer);
            }
        }
    }
    for (int i = 0; i < kSquadSlots; ++i) {
        if (CountAvailableNotOnLoan() <= kMinSquad) continue;
        double last = 0.0;
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (squad_[size_t(i)] == kEmptySlot || Random(6) != 1) continue;
            last = TryComputerBidForPlayer(world->GetPlayer(squad_[size_t(i)]), last, i);
            if (last == 0.0) break;
        }
    }
}

double CClub::TryComputerBidForPlayer(CPlayer* player, double lastOffer, int slot) {
    CWorldData* world = GetWorldData();
    CCountry* country = GetCountry();
    if (!player || !IsHumanManaged() || !country || slot < 0 || slot >= kSquadSlots) return 0.0;
    if (!player->CanBeApproached()) return 0.0;
    CCountry* destination = player->PickDestinationCountry(country, world->GetCountryList());
    if (!destination || destination->GetDivisionCount() == 0) return 0.0;
    const CDivision* division = destination->GetDivision(Random(destination->GetDivisionCount() - 1));
    const int self = world->GetClubList().GetIndex(this);
    const int otherIndex = division ? division->GetRandomNonHumanClub(self) : -1;
    CClub* other = otherIndex < 0 ? nullptr : world->GetClub(otherIndex);
    if (!other) return 0.0;
    const uint16_t index = squad_[size_t(slot)];
    const double fee = player->GetTransferFee(*country);
    if (player->IsFreeAgent() && other->WantsPlayer(*player, 0.0)) {
        if (Random(3) == 1) {
            TellHumanOfFreeAgentInterest(*this, *player);
        } else {
            CContractOffer offer;
            CompleteTransfer(index, *player, 0.0, *other, offer, true);
        }
        return 0.0;
    }
    const double asking = static_cast<double>(static_cast<int64_t>(player->m_AskingPrice));
    if (fee <= 0 || fee <= 0.8 * asking || !other->WantsPlayer(*player, fee)) return 0.0;
    const double offer = RoundMoney(std::min(fee, std::max(0.0, asking)), other->GetCountry());
    if (offer == -1.0 || offer <= lastOffer) return 0.0;
    if (!MakeBid(*player, offer, *other, 0)) return offer;
    CompleteAcceptedBid(index, *player, offer, 0, *other);
    return 0.0;
}

bool CClub::AppointPlayerManager() {
    CWorldData* world = GetWorldData();
    for (int s = 0; s < kSquadSlots; ++s) {
        CPlayer* player = squad_[size_t(s)] == kEmptySlot ? nullptr : world->GetPlayer(squad_[size_t(s)]);
        if (!player || player->GetAge() < 33) continue;
        const int position = player->GetPosition();
        const int n = position == 0 ? 10 : position == 3 ? 4 : 2;
        if (Random(n) != 1) continue;

        // A club that never set its manager's terms pays what its standing pays.
        if (managerWage_ < 52.0) {
            const CCountry* country = GetCountry();
            const double yearly = country ? world->GetPopularityList().GetManagerWage(popularity_, country->GetWageFactor())
                                          : 0.0;
            managerWage_ = std::max(52.0, yearly);
            if (managerYears_ <= 0) managerYears_ = 4;
        }
        const double weekly = std::trunc(managerWage_ / 52.0);
        const uint16_t id = squad_[size_t(s)];
        const int self = world->GetClubList().GetIndex(this);
        const auto years = static_cast<uint8_t>(std::clamp<int32_t>(managerYears_, 0, 255));
        manager_ = world->GetManagerList().Add(std::make_unique<CManager>(player->Person(), weekly, years, self));
        RemoveFromSquad(s);
        ForgetPlayerIndex(id);
        world->GetPlayerList().DeleteAt(id);
        return true;
    }
    return false;
}
