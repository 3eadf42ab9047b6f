// The club's transfer list: random listings by computer clubs, taking a
// position off the list, the bid and loan lists, and a player's own
// request to leave.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr int kMinSquad = 18;
constexpr int kPlayerInfoScreen = 60;
// What a player says when his request to leave is turned down.
constexpr unsigned kRefusedRequestTexts[] = {123, 124, 125, 126, 127, 129, 130};

unsigned PickReaction() {
    constexpr int n = static_cast<int>(std::size(kRefusedRequestTexts));
    return kRefusedRequestTexts[std::min(Random(n - 1), n - 1)];
}

int AppendPlayer(std::vector<uint32_t>& list, const CPlayer& player) {
    const int index = CClub::FindWorldIndex(player);
    if (index < 0) return -1;
    list.push_back(static_cast<uint32_t>(index));
    return static_cast<int>(list.size()) - 1;
}

}  // namespace

void CClub::TransferListRandomPlayers(int n) {
    CCountry* country = GetCountry();
    if (!country || IsHumanManaged() || CountAvailablePlayers() <= kMinSquad ||
        CountListedOrUncontractedPlayers() >= 5)
        return;
    CWorldData* world = GetWorldData();
    for (int pass = 0; pass < std::clamp(n, 0, 7); ++pass) {
        const int slot = Random(4) == 1 ? DrawFilledSlot(0, 29) : DrawFilledSlot(11, 18);
        if (slot < 0) return;
        CPlayer* player = world->GetPlayer(squad_[size_t(slot)]);
        if (!player || player->GetAge() >= 34 || !player->IsWillingToMove()) continue;
        const double fee = player->GetTransferFee(*country);
        const double price = fee > 0 ? fee * 0.9 + Random(static_cast<int>(fee * 0.3)) : 0.0;
        player->ListAtPrice(price, *country);
    }
}

void CClub::DelistPlayersInPosition(int position) {
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s); p && p->GetPosition() == position)
            GetWorldData()->GetPlayer(squad_[size_t(s)])->RemoveFromTransferList();
}

int CClub::AddBidTarget(const CPlayer& player) { return AppendPlayer(offerTargets_, player); }

int CClub::AddLoanTarget(const CPlayer& player) { return AppendPlayer(loanDeals_, player); }

void CClub::HandleTransferRequest(uint16_t index, CPlayer* player) {
    if (!player || CountAvailableNotOnLoan() < 19) return;
    const bool human = IsHumanManaged();
    auto refuse = [&] {
        UserMessageBoxText(FormatMessageId(PickReaction(), {player->GetName()}), kBoxNotice, manager_);
        player->Unsettle();
    };
    if (human) {
        const std::string question = FormatMessageId(132, {player->GetName(), name_, GetManagerName()});
        for (;;) {
            // The three buttons answer 6, 7 and 2 in order.
            const int answer = UserMessageBoxTextEx(question, kBoxThreeButtons, 0, platform::LoadString(133),
                                                    platform::LoadString(522), platform::LoadString(577), manager_,
                                                    -1, 1, "");
            if (answer == kAnswerNo) {
                GetUserPort().RunScreenModal(kPlayerInfoScreen, player, 0, 0, 0);
                continue;
            }
            if (answer != 2) {
                refuse();
                return;
            }
            break;
        }
    } else if (Random(1) != 1) {
        return;
    }

    CCountry* country = GetCountry();
    if (!country) return;
    std::string news;
    if (!player->ListAtComputedFee(*country)) {
        news = FormatMessageId(Random(10) < 6 ? 134 : 135, {name_, player->GetName()});
    } else {
        // Nobody would pay for him. A computer club's board takes its own
        // advice; a human manager is asked.
        const bool release =
            !human || UserMessageBoxText(FormatMessageId(136, {player->GetName()}), kBoxYesNo, manager_) == kAnswerYes;
        if (release) {
            news = FormatMessageId(137, {name_, player->GetName()});
            // Late in a last contract year the reckoning can fall below
            // nothing; a release never pays the club.
            ReleasePlayer(index, std::max(0.0, player->GetRemainingWages()));
        } else {
            player->WithdrawFromList();
            UserMessageBoxText(FormatMessageId(PickReaction(), {player->GetName()}), kBoxNotice, manager_);
        }
    }
    if (!news.empty()) PostCountryNews(news);
}

void CClub::ReviewTransferList() { KeepSquadLimits(); }

int CClub::AddApproachedEmployee(const CAvailableEmployee& employee) {
    const CCountry* country = GetWorldData()->GetCurrentCountry();
    const int index = country ? country->FindAvailableEmployee(&employee) : -1;
    // The market answers 65535 for a man it does not hold.
    if (index < 0 || !country->GetStaffMarket() || index >= country->GetStaffMarket()->GetSize()) return -1;
    approachedStaff_.push_back(static_cast<uint32_t>(index));
    return static_cast<int>(approachedStaff_.size()) - 1;
}
