// Transfers on the club side: a computer seller's answer to a bid, the
// human seller's bid box, completed transfers with money, slots, records,
// logs and news, and a computer buyer's tests.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/contractclause.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/person.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr int kMinInPosition[4] = {2, 5, 5, 5};
constexpr int kSellOnDemand[10] = {5, 5, 5, 10, 10, 10, 15, 15, 20, 20};
constexpr int kMinSquad = 18;
// The four-button box answers 6, 7, 2 and 9 for its buttons in order.
constexpr int kFourButtonAnswers[4] = {6, 7, 2, 9};

int PickText(std::initializer_list<int> ids) {
    const int n = static_cast<int>(ids.size());
    return *(ids.begin() + std::min(Random(n - 1), n - 1));
}

std::string Today() { return GetWorldData()->GetDayMonthYearText(); }

}  // namespace

int CClub::GetMinPlayersInPosition(int position) { return kMinInPosition[std::clamp(position, 0, 3)]; }

int CClub::CountAvailableInPosition(int position) const {
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) n += IsPlayerAvailable(*p) && p->GetPosition() == position;
    return n;
}

CHumanManager* CClub::GetHumanManager() const {
    if (!IsHumanManaged()) return nullptr;
    CUserList& users = GetWorldData()->GetUserList();
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (users.GetAt(u)->GetManagerIndex() == manager_) return users.GetAt(u);
    return nullptr;
}

std::string CClub::GetManagerName() const {
    const CManager* m = GetManagerObject();
    return m ? m->GetName() : std::string();
}

std::string CClub::FormatMoney(double amount) const {
    std::string out;
    if (const CCountry* c = GetCountry()) c->FormatMoney(out, amount);
    else out = platform::StrPrintf("%.0f", amount);
    return out;
}

void CClub::SendMessageToHuman(const std::string& text) {
    if (CHumanManager* h = GetHumanManager()) h->AddNews(text);
}

void CClub::AddInboxMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3,
                            int32_t id) {
    if (CHumanManager* h = GetHumanManager()) h->AddMessage(code, t1, t2, t3, id);
}

void CClub::PostCountryNews(const std::string& text) {
    if (CCountry* c = GetCountry()) c->AddNews(text, 0);
}

uint8_t CClub::GetSellOnDemand(const CPlayer& player, bool always) const {
    if (!always && (IsHumanManaged() || player.GetAge() >= 30)) return 0;
    // The table has ten entries; the generator's top draw stays on the last.
    return static_cast<uint8_t>(kSellOnDemand[std::min(Random(10), 9)]);
}

bool CClub::MakeBid(CPlayer& player, double bid, CClub& buyer, int sellOn) {
    if (IsHumanManaged()) return OfferBidToHuman(player, bid, buyer, sellOn);
    const std::string refusal = FormatMessageId(65, {name_, player.GetName()});
    if (CountAvailablePlayers() < kMinSquad ||
        CountAvailableInPosition(player.GetPosition()) <= GetMinPlayersInPosition(player.GetPosition())) {
        if (buyer.IsHumanManaged()) UserMessageBoxText(refusal, 48, buyer.GetManager());
        return false;
    }
    const double asking = static_cast<double>(static_cast<int64_t>(player.m_AskingPrice));
    if (asking > 0 && bid >= asking) return true;
    // The seller's own reckoning of his worth: his fee with the contract's years counted.
    const CCountry* country = GetCountry();
    const double fee = country ? player.GetAskingPrice(*country) : GetPlayerTransferFee(player, *this);
    bool accepted = true;
    if (bid < 0.8 * fee) {
        accepted = false;
    } else {
        struct Band { double low, high; int limit; bool highInclusive; };
        static constexpr Band kBands[] = {
            {0.8, 0.84, 5, true}, {0.85, 0.89, 10, true}, {0.9, 0.94, 30, true}, {0.95, 1.0, 60, false}};
        for (const Band& b : kBands) {
            const bool inside = bid >= b.low * fee && (b.highInclusive ? bid <= b.high * fee : bid < b.high * fee);
            if (!inside) continue;
            if (Random(100) > b.limit) accepted = false;
            break;
        }
    }
    if (!accepted && buyer.IsHumanManaged()) UserMessageBox(66, 48, buyer.GetManager());
    return accepted;
}

bool CClub::OfferBidToHuman(CPlayer& player, double bid, CClub& buyer, int sellOn) {
    // Terms agreed in talks are this bid's alone.
    player.m_SparePrice = -1.0;
    player.m_SpareSellOn = -1;
    const std::string money = FormatMoney(bid);
    std::string text;
    if (bid > 0 && sellOn > 0)
        text = FormatMessageId(61, {buyer.name_, player.GetName(), money, name_, GetManagerName(), sellOn});
    else if (bid > 0)
        text = FormatMessageId(10202, {buyer.name_, player.GetName(), money, name_, GetManagerName()});
    else
        text = FormatMessageId(62, {buyer.name_, player.GetName(), name_, GetManagerName()});
    // Buttons in the order of the answers the box gives: accept, reject,
    // player information, negotiate.
    const auto& strings = [](unsigned id) { return platform::LoadString(id); };
    CWorldData* world = GetWorldData();
    const int playerIndex = FindWorldIndex(player);
    for (;;) {
        const int answer = UserMessageBoxTextEx(text, kBoxFourButtons, 0, strings(523), strings(521), strings(522),
                                                playerIndex, -1, 1, strings(940));
        if (answer == kFourButtonAnswers[2]) {
            GetUserPort().RunScreenModal(60, &player, 0, 0, 0);
            continue;
        }
        if (answer == kFourButtonAnswers[0]) return true;
        if (answer == kFourButtonAnswers[3]) {
            if (GetUserPort().RunScreenModal(23, &player, static_cast<intptr_t>(bid), sellOn,
                                             world->GetClubList().GetIndex(&buyer)) == 1)
                return true;
        }
        if (answer == kFourButtonAnswers[1] || answer == kFourButtonAnswers[3]) {
            if (Random(3) == 1 && playerIndex >= 0) buyer.offerTargets_.push_back(static_cast<uint32_t>(playerIndex));
            return false;
        }
        return false;
    }
}

int CClub::FindWorldIndex(const CPlayer& player) {
    const CPlayerList& players = GetWorldData()->GetPlayerList();
    for (int i = 0; i < players.GetSize(); ++i)
        if (players.GetAt(i) == &player) return i;
    return -1;
}

bool CClub::CanAfford(double amount) const { return GetTransferBudget() >= amount; }

bool CClub::CheckFundsForPlayer(double amount) const {
    if (GetTransferBudget() >= amount || !IsHumanManaged()) return true;
    UserMessageBox(400, 0, manager_);
    return false;
}

void CClub::ReceiveMoney(double amount) {
    if (amount <= -1.0) return;
    if (amount > 0 && IsCountryActive()) {
        Book(kTransferIncome, amount * 0.67);
        if (manager_ >= 0) GetWorldData()->GetManagerList().AddSales(manager_, static_cast<int>(amount));
    }
    balance_ += amount * 0.67;
}

void CClub::ReceiveSellOnShare(double fee, uint8_t percentage, const std::string& playerName,
                               const std::string& sellerName) {
    const double share = percentage * fee / 100.0;
    ReceiveMoney(share);
    const std::string text = FormatMessageId(
        32873, {HasManager() ? GetManagerName() : name_, playerName, sellerName, FormatMoney(fee), FormatMoney(share)});
    if (IsHumanManaged()) {
        UserMessageBoxText(text, 0, manager_);
        SendMessageToHuman(text);
    }
}

void CClub::PayForSigning(double fee, const CContractOffer& offer) {
    if (fee <= -1.0) return;
    balance_ -= fee;
    balance_ -= offer.m_SigningOnFee;
    balance_ -= offer.m_Relocation;
    if (!IsCountryActive()) return;
    if (fee > 0) {
        Book(kTransferExpenditure, fee);
        if (manager_ >= 0) GetWorldData()->GetManagerList().AddPurchases(manager_, static_cast<int>(fee));
    }
    Book(kGeneralExpenditure, offer.m_Relocation);
    Book(kGeneralExpenditure, offer.m_SigningOnFee);
}

void CClub::AddSignedPlayer(uint16_t index, double fee, const CContractOffer& offer, const std::string& sellerName) {
    CPlayer* player = GetWorldData()->GetPlayer(index);
    if (!player) return;
    // A deal always pays a wage and runs a year at least.
    CContractOffer terms = offer;
    terms.m_WeeklyWage = std::max(1.0, terms.m_WeeklyWage);
    terms.m_Years = std::max(1, terms.m_Years);
    player->CompleteMove(terms);
    AddPlayerToSquad(index);
    transfers1_.Add(player->GetName(), sellerName, fee, name_, index);
    NoteNamedPlayer(index);
}

bool CClub::BuyPlayer(uint16_t index, double fee, const CContractOffer& offer, const std::string& sellerName) {
    CPlayer* player = GetWorldData()->GetPlayer(index);
    if (!player || fee <= -1.0 || sellerName.empty()) return false;
    PayForSigning(fee, offer);
    const bool recordFee = records_.SetTransferPaid(player->GetName(), sellerName, fee, Today()) != 0;
    if (IsHumanManaged()) {
        if (fee > 0) AddInboxMessage(recordFee ? 89 : 87, player->GetName(), FormatMoney(fee), sellerName, index);
        else AddInboxMessage(95, player->GetName(), sellerName, "", index);
    }
    AddSignedPlayer(index, fee, offer, sellerName);
    if (IsHumanManaged()) {
        const std::string joined = FormatMessageId(97, {player->GetName()});
        UserMessageBoxText(joined, 0, manager_);
        SendMessageToHuman(joined);
        std::string fans;
        FansWelcomeSigning(fans, *player, true);
    }
    return recordFee;
}

void CClub::SellPlayer(uint16_t index, double fee, CClub& buyer, bool recordFee, bool atContractEnd) {
    CWorldData* world = GetWorldData();
    CPlayer* player = world->GetPlayer(index);
    if (!player || fee <= -1.0) return;
    const std::string playerName = player->GetName();

    SettleSellOnClauses(index, fee, playerName);
    ReceiveMoney(fee);
    records_.SetTransferReceived(playerName, buyer.name_, fee, Today());
    if (IsHumanManaged() && !atContractEnd) FansReactToSale(*player);
    player->m_TransferHistory.Add(Today(), fee, name_);
    const int slot = FindSlotOfPlayer(index);
    if (slot >= 0) RemoveFromSquad(slot);
    // The formations lose a man who knew them.
    DecayHumanFamiliarity();

    std::string news;
    if (fee > 0 && !recordFee) {
        news = FormatMessageId(uint32_t(PickText({74, 75, 76, 77, 78, 79, 80, 81, 82, 83})),
                               {playerName, buyer.name_, FormatMoney(fee), name_});
        AddInboxMessage(86, playerName, FormatMoney(fee), buyer.name_, -1);
    } else if (fee > 0) {
        news = FormatMessageId(423, {playerName, buyer.name_, FormatMoney(fee), name_});
        AddInboxMessage(88, playerName, FormatMoney(fee), buyer.name_, -1);
    } else if (!atContractEnd) {
        news = FormatMessageId(uint32_t(PickText({84, 85, 86, 87, 88, 89, 90, 91, 92})), {playerName, buyer.name_, name_});
        AddInboxMessage(97, playerName, buyer.name_, "", -1);
    } else {
        news = FormatMessageId(32875, {playerName, buyer.name_, name_});
        if (IsHumanManaged()) UserMessageBoxText(news, 0, manager_);
        AddInboxMessage(96, playerName, buyer.name_, "", -1);
    }
    SendMessageToHuman(news);
    // The log line names the club he left and the club he joined.
    transfers2_.Add(playerName, name_, fee, buyer.name_, index);
    NoteNamedPlayer(index);
    PostCountryNews(news);
    if (buyer.GetCountryIndex() == GetCountryIndex()) {
        if (CDivision* division = buyer.GetDivision(); division && fee > 0)
            division->m_NewsPaperEvents.SetTransfer(index, world->GetClubList().GetIndex(&buyer), FormatMoney(fee), fee);
    } else if (fee > 0) {
        // Abroad the fee reads in the buyer's money.
        const std::string money = buyer.FormatMoney(fee);
        buyer.PostCountryNews(
            recordFee ? FormatMessageId(423, {playerName, buyer.name_, money, name_})
                      : FormatMessageId(uint32_t(PickText({74, 75, 76, 77, 78, 79, 80, 81, 82, 83})),
                                        {playerName, buyer.name_, money, name_}));
    } else {
        buyer.PostCountryNews(news);
    }
    world->GetUserList().CancelNegotiationsForPlayer(index, &buyer);
}

void CClub::SettleSellOnClauses(uint16_t index, double fee, const std::string& playerName) {
    CWorldData* world = GetWorldData();
    CContractClauseList& clauses = world->GetContractClauseList();
    // A clause this club holds on the player was made for the deal now
    // being completed (the buyer signs before the seller sells): it stays.
    // The previous deal's clause is paid and goes.
    std::vector<uint8_t> kept;
    const CContractClause* previous = nullptr;
    for (int i = 0; i < clauses.GetSize(); ++i) {
        const CContractClause* c = clauses.GetAt(i);
        if (!c || c->m_Player != index) continue;
        if (world->GetClub(static_cast<int>(c->m_Club)) == this) kept.push_back(c->m_Percentage);
        else if (!previous) previous = c;
    }
    if (!previous) return;
    if (fee > 0) {
        const uint8_t pct = previous->m_Percentage;
        if (CClub* holder = world->GetClub(static_cast<int>(previous->m_Club))) {
            holder->ReceiveSellOnShare(fee, pct, playerName, name_);
            const std::string text = FormatMessageId(
                32874, {GetManagerName(), holder->name_, FormatMoney(pct * fee / 100.0), playerName, int(pct)});
            if (IsHumanManaged()) {
                UserMessageBoxText(text, 0, manager_);
                SendMessageToHuman(text);
            }
        }
    }
    clauses.RemovePlayerClauses(index);
    const int self = world->GetClubList().GetIndex(this);
    for (uint8_t pct : kept) clauses.Add(index, pct, static_cast<uint32_t>(self));
}

std::string CClub::SignPlayerFromHumanDeal(uint16_t index, double fee, const CContractOffer* offer, CClub& seller,
                                           uint8_t sellOn) {
    CWorldData* world = GetWorldData();
    CPlayer* player = world->GetPlayer(index);
    if (!player || !offer || fee <= -1.0) return std::string();
    const std::string playerName = player->GetName();
    const bool recordFee = records_.SetTransferPaid(playerName, seller.name_, fee, Today()) != 0;
    if (IsHumanManaged() && fee > 0)
        AddInboxMessage(recordFee ? 89 : 87, playerName, FormatMoney(fee), seller.name_, index);
    PayForSigning(fee, *offer);
    if (sellOn > 0)
        world->GetContractClauseList().Add(index, sellOn, static_cast<uint32_t>(world->GetClubList().GetIndex(&seller)));
    AddSignedPlayer(index, fee, *offer, seller.name_);
    return IsHumanManaged() ? FormatMessageId(97, {playerName}) : std::string();
}

void CClub::CompleteTransfer(uint16_t index, CPlayer& player, double fee, CClub& buyer, CContractOffer& offer,
                             bool atContractEnd) {
    player.GetContractDemands(offer, buyer, this);
    if (buyer.GetCountryIndex() != GetCountryIndex()) player.StartNewSeason();
    // The buyer's record test decides the seller's news, and the fans judge
    // the sale with the player still in the seller's squad: buy, then sell.
    const bool recordFee = buyer.BuyPlayer(index, fee, offer, name_);
    SellPlayer(index, fee, buyer, recordFee, atContractEnd);
}

namespace {
// The player's place among the squad by ability, and among his position.
std::pair<int, int> SquadRanks(const CClub& club, const CPlayer& player) {
    int byAbility = 0, inPosition = 0;
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = club.PlayerInSlot(s);
        if (!p || p == &player) continue;
        if (p->GetAbility() > player.GetAbility()) ++byAbility;
        if (p->GetPosition() == player.GetPosition() &&
            p->Football().GetPositionSkill() > player.Football().GetPositionSkill())
            ++inPosition;
    }
    return {byAbility, inPosition};
}
}  // namespace

void CClub::FansWelcomeSigning(std::string& out, const CPlayer& player, bool showBox) {
    out.clear();
    const auto [rank, positionRank] = SquadRanks(*this, player);
    if (rank >= 4 && positionRank >= 2) return;
    out = FormatMessageId(Random(10) < 5 ? 93 : 94, {player.GetName(), GetManagerName()});
    if (showBox) UserMessageBoxText(out, 0, manager_);
    SetReputation(static_cast<uint8_t>(std::min(99, reputation_ + 20)));
    SendMessageToHuman(out);
}

void CClub::FansReactToSale(const CPlayer& player) {
    const auto [rank, positionRank] = SquadRanks(*this, player);
    if (rank >= 4 && positionRank >= 2) return;
    const std::string text = FormatMessageId(96, {player.GetName(), GetManagerName()});
    if (IsHumanManaged()) UserMessageBoxText(text, 0, manager_);
    reputation_ = static_cast<uint8_t>(std::max(0, reputation_ - 20));
    SendMessageToHuman(text);
}

bool CClub::WantsPlayer(const CPlayer& player, double fee) const {
    if (IsHumanManaged()) return false;
    if (balance_ * 1.25 < fee) return false;
    if (GetSquadSize() >= kSquadSlots) return false;
    const CPopularity* row = GetPopularity();
    // The band test is indexed by the division's strength class; the
    // table's four entries cover classes 0..3 and the last serves beyond.
    const int strength = std::clamp(GetDivisionStrengthIndex(), 0, 3);
    if (row && !row->IsAbilityInBand(player.Football().GetPositionSkill(), strength)) return false;
    int sum = 0, n = 0;
    for (int s = 0; s < kSquadSlots; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (!p || p->GetPosition() != player.GetPosition()) continue;
        sum += p->Football().GetPositionSkill();
        ++n;
    }
    return n == 0 || sum / n <= player.Football().GetPositionSkill();
}

bool CClub::ApproachForPlayer(uint32_t index, int sellerIndex) {
    CWorldData* world = GetWorldData();
    CClub* seller = world->GetClub(sellerIndex);
    CPlayer* player = world->GetPlayer(static_cast<int>(index));
    if (!seller || !player || index >= kEmptySlot) return false;
    // A full squad buys and borrows no one.
    if (GetSquadSize() >= kSquadSlots) return false;
    const double fee = GetPlayerTransferFee(*player, *this);
    if (!player->IsWillingToMove()) return false;
    if (std::find(offerTargets_.begin(), offerTargets_.end(), index) != offerTargets_.end()) return false;
    CContractOffer offer;
    if (player->IsFreeAgent()) {
        seller->CompleteTransfer(static_cast<uint16_t>(index), *player, 0.0, *this, offer, true);
        return true;
    }
    const int sellOn = kSellOnDemand[std::min(Random(10), 9)];
    if (!seller->MakeBid(*player, fee, *this, sellOn)) return false;
    seller->CompleteAcceptedBid(static_cast<uint16_t>(index), *player, fee, sellOn, *this);
    return true;
}

void CClub::CompleteAcceptedBid(uint16_t index, CPlayer& player, double fee, int sellOn, CClub& buyer) {
    const bool human = IsHumanManaged();
    if (player.m_SparePrice != -1.0) {
        fee = player.m_SparePrice;
        if (player.m_SpareSellOn >= 0) sellOn = player.m_SpareSellOn;
    }
    player.m_SparePrice = -1.0;
    player.m_SpareSellOn = -1;
    CContractOffer offer;
    CompleteTransfer(index, player, fee, buyer, offer, false);
    if (human && sellOn > 0) {
        CWorldData* world = GetWorldData();
        world->GetContractClauseList().Add(index, static_cast<uint8_t>(sellOn),
                                           static_cast<uint32_t>(world->GetClubList().GetIndex(this)));
    }
}

int CClub::GetDivisionStrengthIndex() const {
    const CDivision* d = GetDivision();
    return d ? d->GetStrengthIndex() : 0;
}
