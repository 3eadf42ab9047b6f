// The club's board and its manager: the terms it offers him, its review of a
// computer manager, the end of a manager's contract, and every departure.
#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/msgformat.h"
#include "platform/trace.h"
#include "soccerclasses/club.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/player.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr uint8_t kBoardWorriedMessage = 150;
constexpr uint8_t kManagerSackedMessage = 192;
constexpr int kManagerVacanciesScreen = 116;
constexpr uint8_t kManagerNewsCategory = 5;
constexpr int kMinSquad = 18;

// Every human manager in play hears of another club's trouble.
void TellEveryHuman(uint8_t code, const std::string& t1, const std::string& t2) {
    CUserList& users = GetWorldData()->GetUserList();
    for (int u = 0; u < CUserList::kSlots; ++u)
        if (CHumanManager* h = users.GetAt(u); h->HasManager()) h->AddMessage(code, t1, t2, "", -1);
}

// The news text of a computer manager's departure, by a draw of 0..55.
unsigned DepartureNewsId(int r) {
    if (r == 0 || (r >= 9 && r <= 15)) return 140;
    if (r == 1 || (r >= 16 && r <= 22)) return 141;
    if (r == 2 || (r >= 23 && r <= 31)) return 142;
    if (r == 3 || (r >= 32 && r <= 40)) return 143;
    if (r == 5 || (r >= 41 && r <= 50)) return 145;
    return 144;  // 4, 6-8 and 51-55
}

}  // namespace

std::string CClub::GetManagerNameOrNone() const {
    const CManager* m = GetManagerObject();
    return m ? m->GetName() : std::string();
}

uint8_t CClub::GetManagerKind() const {
    const CManager* m = GetManagerObject();
    return m ? m->m_IsHuman : 0;
}

int CClub::GetHumanManagerIndex() const {
    if (manager_ >= 0) {
        CUserList& users = GetWorldData()->GetUserList();
        for (int u = 0; u < CUserList::kSlots; ++u)
            if (users.GetAt(u)->GetManagerIndex() == manager_) return u;
    }
    platform::Trace("A club without a human manager was asked for his user slot\n");
    return -1;
}

bool CClub::IsManagerRatedFor(int user) const {
    const CHumanManager* h = GetWorldData()->GetUserList().GetAt(user);
    return h && h->IsRatedFor(popularity_);
}

void CClub::RenewManagerTerms() {
    const CCountry* country = GetCountry();
    const CPopularityList& table = GetWorldData()->GetPopularityList();
    bool newBonus = true;
    if (managerWage_ > 0.0) {
        managerWage_ = RoundMoney(managerWage_ / 100.0 * (102 + Random(3)), country);
        if (Random(2) == 1 && managerYears_ > 1) --managerYears_;
        newBonus = Random(2) == 1;
    } else if (table.GetSize() > 0) {
        const uint8_t factor = country ? country->GetWageFactor() : 100;
        const double weekly = table.GetManagerWage(popularity_, factor) / 52.0;
        managerWage_ = RoundMoney(weekly, country) * 52.0;
        managerYears_ = 4;
    }
    if (newBonus && table.GetSize() > 0) managerBonus_ = table.GetManagerBonus(popularity_);
}

void CClub::FormatManagerWage(std::string& out) const { out = FormatMoney(managerWage_); }

double CClub::CapManagerWage(double amount) {
    if (amount < managerWage_) managerWage_ = amount;
    return managerWage_;
}

uint8_t CClub::CapManagerYears(uint8_t years) {
    if (years < managerYears_) managerYears_ = years;
    return static_cast<uint8_t>(std::clamp(managerYears_, 0, 255));
}

// A club in trouble strengthens its weakest line, unless it is running
// away with its league: then the board cashes in, or overworks a player.
void CClub::TradeWhenStruggling() {
    if (IsDominatingLeague() && CountAvailablePlayers() > kMinSquad) {
        if (Random(100) < 6) {
            SellPlayerToOtherClub(true);
            return;
        }
        if (Random(100) < 20) {
            if (CPlayer* p = GetRandomKeeperOrAttacker()) p->Injure(*this, 2);
            return;
        }
    }
    SearchForTransferTarget(static_cast<int>(GetWeakestLine()));
}

void CClub::BoardReview() {
    CManager* m = GetManagerObject();
    if (!m || m->IsHuman()) return;
    if (leagueRow_.GetPlayed() <= 10 || m->Person().GetWeeksAtClub() <= 6) return;
    const CDivision* d = GetDivision();
    const CCountry* country = GetCountry();
    if (!d) return;
    const int self = GetWorldData()->GetClubList().GetIndex(this);
    const bool anyway = country && country->GetBoardReviewSwitch() == 1 && Random(200) == 100;
    if (!anyway && !(d->GetPointsGapToSafety(self) > 9 && Random(10) < 3)) return;

    const int n = d->GetClubCount();
    const std::string managerName = m->GetName();
    const bool last = leagueRow_.m_Position == n - 1;
    if (last && n >= 2 && leagueRow_.m_Points + 12 < d->GetPointsAtPosition(n - 2)) {
        TellEveryHuman(kBoardWorriedMessage, managerName, name_);
        tactic_ = 1;
        if (GetSquadSize() < kSquadSlots) TradeWhenStruggling();
        return;
    }
    if (Random(100) < 25) {
        TellEveryHuman(kManagerSackedMessage, managerName, name_);
        ManagerLeaves(1);
        return;
    }
    TellEveryHuman(kBoardWorriedMessage, managerName, name_);
    if (tactic_ == 0) {
        tactic_ = 1;
        return;
    }
    if (GetSquadSize() < kSquadSlots) TradeWhenStruggling();
}

void CClub::ReviewExpiredContract() {
    CManager* m = GetManagerObject();
    if (!m) return;
    RenewManagerTerms();
    const CDivision* d = GetDivision();
    const int n = d ? d->GetClubCount() : 0;
    const int position = leagueRow_.m_Position;
    const bool inclined = position < n / 2 || Random(n - position + 2) == 1;
    if (m->GetWinPercentage() <= 80 && !inclined) {
        ManagerLeaves(1);
        return;
    }
    if (m->IsHuman())
        OfferNewContractToHuman();
    else
        m->Person().SetContractYears(static_cast<uint8_t>(Random(5)));
}

void CClub::OfferNewContractToHuman() {
    CWorldData* world = GetWorldData();
    CManager* m = GetManagerObject();
    if (!m) return;
    const int32_t remembered = manager_;
    const int previousUser = world->GetCurrentUserIndex();
    world->SetCurrentUser(GetHumanManagerIndex());
    manager_ = -1;
    const std::string text = FormatMessageId(32876, {name_, m->GetName()});
    if (UserMessageBoxText(text, kBoxYesNo, remembered) == kAnswerYes) {
        manager_ = -2;
        const int self = world->GetClubList().GetIndex(this);
        // The screen sets the index itself when a contract is agreed; a
        // screen that only reports the agreement leaves it to us.
        const int agreed = GetUserPort().RunScreenModal(kManagerVacanciesScreen, this, self, remembered, 1);
        if (agreed == 1 && manager_ < 0) {
            manager_ = remembered;
            m->Person().SetContractYears(static_cast<uint8_t>(std::clamp(managerYears_, 0, 255)));
            if (managerWage_ >= 52.0) m->Person().SetWeeklyWage(std::trunc(managerWage_ / 52.0));
        }
    }
    world->RestoreCurrentUser(previousUser);
    if (manager_ < 0) {
        manager_ = remembered;
        ManagerResigns();
    }
}

void CClub::RetireManager() {
    CManager* m = GetManagerObject();
    if (!m) return;
    if (CCountry* c = GetCountry()) c->AddNews(FormatMessageId(109, {m->GetName(), name_}), kManagerNewsCategory);
    ForgetManagerIndex(manager_);
    GetWorldData()->GetManagerList().RemoveAt(manager_);
    manager_ = -1;
}

void CClub::ManagerLeaves(int reason) {
    CWorldData* world = GetWorldData();
    CManager* m = GetManagerObject();
    if (!m) {
        manager_ = -1;
        return;
    }
    const bool human = m->IsHuman();
    const std::string managerName = m->GetName();
    CHumanManager* user = human ? GetHumanManager() : nullptr;
    if (reason == 1 && human) {
        if (user) user->RestoreClubSquadOrder(*this);
        const std::string text = m->Person().GetContractYears() < 1 ? FormatMessageId(108, {managerName, name_})
                                                                     : FormatMessageId(140, {name_, managerName});
        UserMessageBoxText(text, kBoxPlain, manager_);
        const CCountry* c = GetCountry();
        const int size = static_cast<int>(GetSquadSize());
        if (c && c->GetFollowLevel() < 2 && size < kMinSquad) AddGeneratedPlayers(Random(3) + kMinSquad - size);
        if (user) user->ClearNegotiations();
    } else if (reason == 1) {
        if (CCountry* c = GetCountry())
            c->AddNews(FormatMessageId(DepartureNewsId(Random(55)), {name_, managerName}), kManagerNewsCategory);
    }
    if (m->TakeLivingCosts() > 0)
        if (CDivision* d = GetDivision()) d->m_NewsPaperEvents.AddSackedManager(manager_);
    m->LeaveClub(world->GetClock().GetDays());
    manager_ = -1;
    if (!human) return;
    world->RefreshTree();
    if (CCountry* c = GetCountry()) c->ClearMarkets();
    GetUserPort().UpdateStatusBar();
}

bool CClub::BoardReleasesManager() const {
    const CManager* m = GetManagerObject();
    const CHumanManager* user = GetHumanManager();
    assert(m && user);
    if (!m || !user) return false;
    if (m->Person().GetWeeksAtClub() < 6) return false;
    return user->GetTransferFlag() != 0;
}

// A manager who leaves the world leaves no index in the newspapers' lists.
void CClub::ForgetManagerIndex(int manager) {
    if (manager < 0) return;
    CDivisionList& divisions = GetWorldData()->GetDivisionList();
    for (int i = 0; i < divisions.GetSize(); ++i) {
        CNewsPaperEvents& e = divisions.GetAt(i)->m_NewsPaperEvents;
        for (CExtDWordArray* list : {&e.m_Sacked, &e.m_NewManagers})
            for (int k = list->GetSize() - 1; k >= 0; --k)
                if (list->GetAt(k) == static_cast<uint32_t>(manager)) list->RemoveAt(k);
    }
}

// The human manager goes of his own accord; the board finds a caretaker
// straight away.
void CClub::ManagerResigns() {
    CManager* m = GetManagerObject();
    if (!m) return;
    const std::string managerName = m->GetName();
    UserMessageBoxText(FormatMessageId(54 + unsigned(Random(3)), {name_}), kBoxPlain, manager_);
    const std::string news = FormatMessageId(58, {name_, managerName});
    if (CHumanManager* user = GetHumanManager()) {
        user->AddNews(news);
        user->ClearNegotiations();
    }
    m->LeaveClub(GetWorldData()->GetClock().GetDays());
    manager_ = -1;
    if (CCountry* c = GetCountry()) c->AddNews(news, 6);
    if (staff_.FindKind(CBasicEmployee::kHeadCoach))
        PromoteCoachToManager();
    else
        AppointPlayerManager();
}
