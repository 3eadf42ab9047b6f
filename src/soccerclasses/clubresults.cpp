// What a club does once a match is played, and the small questions about
// its squad, staff and dealings that the engine, the country and the
// screens ask.
#include <algorithm>

#include "platform/msgformat.h"
#include "soccerclasses/availableemployee.h"
#include "soccerclasses/club.h"
#include "soccerclasses/extdwordarray.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/personidentity.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr uint8_t kRidiculousTactic = 46;
constexpr uint8_t kSackedForTactics = 47;
constexpr int32_t kLargeSupport = 25000;
enum JobKind : uint8_t { kCoach = 0, kPhysio = 1, kScout = 2 };

}  // namespace

void CClub::ProcessAfterMatch(int n, uint8_t tactic, int goalsFor, int goalsAgainst, CFixture* fixture, int side) {
    (void)fixture;
    (void)side;
    ProcessAfterMatch(goalsFor, goalsAgainst);
    if (CHumanManager* h = GetHumanManager()) {
        if (CSoccerTactic* t = h->GetTactic(tactic)) {
            if (goalsFor > goalsAgainst) t->AddFamiliarityLarge();
            else if (goalsFor == goalsAgainst) t->AddFamiliaritySmall();
            else t->NormaliseFamiliarity();
            // The formation's spare byte is the board's warning: cleared with
            // every new tactic list, and saved with the formation.
            if (t->IsInvalid()) {
                const std::string manager = GetManagerName();
                if (t->m_Spare != 0) {
                    UserMessageBoxText(platform::FormatMessageId(328, {manager}), 0, manager_);
                    AddInboxMessage(kSackedForTactics, std::string(t->m_Name), "", "", -1);
                    ManagerLeaves(0);
                } else {
                    UserMessageBoxText(platform::FormatMessageId(327, {manager}), 0, manager_);
                    t->m_Spare = 1;
                    AddInboxMessage(kRidiculousTactic, std::string(t->m_Name), "", "", -1);
                }
            }
        }
    }
    CWorldData* w = GetWorldData();
    const int played = std::clamp(n + 10, -1, kSquadSlots - 1);
    for (int s = 0; s < kSquadSlots; ++s) {
        CPlayer* p = w->GetPlayer(squad_[size_t(s)]);
        if (!p) continue;
        if (s <= played) {
            // The match engine leaves each player's rating of the match as
            // his latest; that is his performance for the development step.
            p->UpdateAfterMatch(*this, p->Football().m_Rating.GetLatest());
        } else {
            p->m_MatchStatus = 0;
            p->m_MinutesLastMatch = 0;
        }
    }
    if (CHumanManager* h = GetHumanManager()) h->RestoreClubSquadOrder(*this);
}

void CClub::ProcessAfterMatch1(int n, uint8_t tactic, CFixture* fixture, int side) {
    ProcessAfterMatch(n, tactic, receipt1_.goalsFor, receipt1_.goalsAgainst, fixture, side);
}

void CClub::ProcessAfterMatch2(int n, uint8_t tactic, int ignored, CFixture* fixture, int side) {
    (void)ignored;
    ProcessAfterMatch(n, tactic, receipt2_.goalsFor, receipt2_.goalsAgainst, fixture, side);
}

int CClub::GetDesignatedPlayerSlot() const {
    const int32_t player = designated_[1];
    if (player == kEmptySlot) return kEmptySlot;
    const int slot = FindSlotOfPlayer(static_cast<uint16_t>(player));
    return slot < 0 ? kEmptySlot : slot;
}

uint16_t CClub::GetRandomSquadPlayer() const {
    // A bounded draw: an empty squad must not draw for ever.
    const int s = DrawFilledSlot(0, 29);
    return s < 0 ? kEmptySlot : squad_[size_t(s)];
}

int CClub::CountPlayersAtLevel() const {
    const CPopularity* row = GetPopularity();
    if (!row) return 0;
    // The band bytes cover the four strength classes; a stronger division
    // uses the last.
    const uint8_t level = row->m_BandA[size_t(std::clamp(GetDivisionStrengthIndex(), 0, 3))];
    int n = 0;
    for (int s = 0; s < kSquadSlots; ++s)
        if (const CPlayer* p = PlayerInSlot(s); p && p->Football().GetAbility() >= level) ++n;
    return n;
}

int CClub::PromoteYouth(int youth, int arg) {
    CWorldData* w = GetWorldData();
    const CYouth* y = youths_.GetAt(youth);
    const auto slot = std::find(squad_.begin(), squad_.end(), kEmptySlot);
    if (!y || slot == squad_.end()) return -1;
    const int id = w->GetPlayerList().AddNewPlayer();
    CPlayer* p = w->GetPlayer(id);
    if (!p || id >= kEmptySlot) return -1;
    p->Person() = y->m_Person;
    p->Football().CopyFrom(y->m_Football);
    // The contract years he signs for.
    if (arg > 0) p->Person().SetContractYears(static_cast<uint8_t>(arg));
    SetPlayerId(static_cast<int>(slot - squad_.begin()), static_cast<uint16_t>(id));
    youths_.DeleteAt(youth);
    ForgetListPlaces(kPersonListYouths, *this);
    return id;
}

bool CClub::HasLargeSupport() const {
    return GetWorldData()->GetPopularityList().GetBaseCount(popularity_) > kLargeSupport;
}

int CClub::FindEmployeeOfType(uint8_t kind) const {
    for (int i = 0; i < staff_.GetSize(); ++i)
        if (const CEmployee* e = staff_.GetAt(i); e && e->m_JobKind == kind) return i;
    return -1;
}

uint8_t CClub::GetPhysioAbility() const {
    const CEmployee* e = staff_.FindKind(kPhysio);
    return e ? e->m_Ability : 0;
}

int CClub::CountScouts() const {
    int n = 0;
    for (int i = 0; i < staff_.GetSize(); ++i)
        if (const CEmployee* e = staff_.GetAt(i); e && e->m_JobKind == kScout) ++n;
    return n;
}

bool CClub::HasBidForPlayer(uint32_t player) const {
    return std::find(offerTargets_.begin(), offerTargets_.end(), player) != offerTargets_.end();
}

bool CClub::HasLoanDealForPlayer(uint32_t player) const {
    return std::find(loanDeals_.begin(), loanDeals_.end(), player) != loanDeals_.end();
}

bool CClub::HasApproachedEmployee(const CAvailableEmployee& entry) const {
    const CCountry* c = GetCountry();
    const int index = c ? c->FindAvailableEmployee(&entry) : -1;
    return index >= 0 &&
           std::find(approachedStaff_.begin(), approachedStaff_.end(), uint32_t(index)) != approachedStaff_.end();
}
