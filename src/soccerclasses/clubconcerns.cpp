// What the board and staff tell a human manager from day to day (missing
// staff, thin cover, tired players, the disciplinary record), and the end
// of a borrowed player's loan.
#include <cassert>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubplayers.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/indexedintarray.h"
#include "soccerclasses/player.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

struct StaffConcern {
    uint8_t kind;
    int draw;
    unsigned text;
};
// In the order the board looks at them.
constexpr StaffConcern kStaffConcerns[] = {
    {CBasicEmployee::kHeadCoach, 18, 148},
    {CBasicEmployee::kHeadPhysio, 18, 149},
    {CBasicEmployee::kAssistantManager, 16, 32906},
    {CBasicEmployee::kYouthCoach, 20, 32907},
    {CBasicEmployee::kScout, 23, 32908},
};

constexpr const char* kPositionNames[4] = {"Goalkeeper", "Defender", "Midfielder", "Attacker"};
constexpr int kTiredEnergy = 40;
constexpr int kLeagueCodeLast = 199;
constexpr int kLoanExtensionWeeks = 4;

}  // namespace

// A text of the board: in a box naming the manager, and in his inbox.
void CClub::TellManager(const std::string& text) {
    UserMessageBoxText(text, kBoxNotice, manager_);
    SendMessageToHuman(text);
}

void CClub::CheckStaffConcerns() {
    for (const StaffConcern& c : kStaffConcerns)
        if (!staff_.FindKind(c.kind) && Random(c.draw) == 1) TellManager(FormatMessageId(c.text, {name_}));
}

void CClub::CheckSquadConcerns() {
    int available = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s)) available += IsPlayerAvailable(*p);
    if (available == kSquadSlots) return;
    if (CountAvailableInPosition(0) < GetMinPlayersInPosition(0) && Random(18) == 1)
        TellManager(FormatMessageId(150, {name_, kPositionNames[0]}));
    for (int pos = 1; pos < 4; ++pos) {
        if (CountAvailableInPosition(pos) < GetMinPlayersInPosition(pos) && Random(18) == 1) {
            TellManager(FormatMessageId(150, {name_, kPositionNames[pos]}));
            break;
        }
    }
    if (CountAvailablePlayers() < 20 && Random(18) == 1) TellManager(FormatMessageId(103, {name_}));
    for (int s = 0; s <= 10; ++s) {
        const CPlayer* p = PlayerInSlot(s);
        if (!p || p->Football().m_Energy >= kTiredEnergy || Random(8) != 1) continue;
        const std::string text = FormatMessageId(151, {p->GetName(), name_});
        SendMessageToHuman(text);
        UserMessageBoxText(text, kBoxNotice, manager_);
    }
}

void CClub::ReviewDiscipline() {
    const CDivision* d = GetDivision();
    assert(d);
    if (!d) return;
    const int played = leagueRow_.GetPlayed();
    int matchDays = 0;
    for (int slot = 0; slot < 106; ++slot) {
        const uint8_t code = d->GetCalendarSlot(slot);
        matchDays += code >= 1 && code <= kLeagueCodeLast;
    }
    if (played < 6 || matchDays - played < 3) return;

    CIndexedIntArray ranking;
    const int first = d->GetFirstClub(), n = d->GetClubCount();
    CWorldData* world = GetWorldData();
    for (int c = first; c < first + n; ++c)
        if (const CClub* club = world->GetClub(c)) ranking.Add(c, club->GetDisciplinePoints());
    ranking.SortDescending();
    const int self = world->GetClubList().GetIndex(this);
    int rank = -1;
    for (int i = 0; i < ranking.GetSize() && rank < 0; ++i)
        if (ranking.GetIndexAt(i) == self) rank = i;
    if (rank < 0) return;

    unsigned text = 0;
    uint8_t code = 0;
    if (rank == 0) text = 152, code = 163;
    else if (rank <= 4) text = 153, code = 164;
    else if (rank <= 9) text = 154;
    else if (rank == n - 5) code = 165;
    else if (rank == n - 1) code = 166;
    if (code && IsHumanManaged()) AddInboxMessage(code, "", "", "", -1);
    if (text) TellManager(FormatMessageId(text, {name_, GetManagerName()}));
}

bool CClub::WillExtendLoan(const CPlayer& player, const std::string& borrowerName) {
    if (player.Person().GetContractYears() < 1) return false;
    if (!IsHumanManaged()) return Random(2) != 1;
    const std::string text = FormatMessageId(32890, {player.GetName(), GetManagerName(), borrowerName});
    return UserMessageBoxText(text, kBoxYesNo, manager_) != kAnswerNo;
}

bool CClub::ProcessLoanEnd(int slot) {
    CWorldData* world = GetWorldData();
    const uint16_t id = squad_.at(static_cast<size_t>(slot));
    CPlayer* player = world->GetPlayer(id == kEmptySlot ? -1 : id);
    if (!player) return false;
    CClub* lender = world->GetClub(player->m_LoanClub);
    if (!lender || lender == this) {
        // Nobody to go back to, or home already: he stays, his loan over.
        platform::Trace("A borrowed player has no other club to return to\n");
        if (lender == this && playersOutside_ > 0) --playersOutside_;
        player->m_LoanClub = -1;
        player->m_LoanWeeks = 0;
        return false;
    }
    const std::string returned = FormatMessageId(146, {name_, player->GetName(), lender->GetName()});
    if (IsHumanManaged()) {
        if (!lender->WillExtendLoan(*player, name_)) {
            UserMessageBoxText(FormatMessageId(340, {name_, player->GetName(), lender->GetName()}), kBoxPlain, manager_);
        } else {
            const std::string offer = FormatMessageId(341, {name_, player->GetName(), lender->GetName()});
            if (UserMessageBoxText(offer, kBoxYesNo, manager_) == kAnswerYes) {
                player->m_LoanWeeks = kLoanExtensionWeeks;
                return false;
            }
            UserMessageBoxText(returned, kBoxPlain, manager_);
        }
    }
    SendMessageToHuman(returned);
    loanDeals_.push_back(id);
    assert(lender->playersOutside_ > 0);
    if (lender->playersOutside_ > 0) --lender->playersOutside_;
    player->m_LoanClub = -1;
    player->m_LoanWeeks = 0;
    RemoveFromSquad(slot);
    if (!lender->AddPlayerToSquad(id)) platform::Trace("The lending club had no slot for its returning player\n");
    if (loansOutNow_ > 0) --loansOutNow_;
    return true;
}
