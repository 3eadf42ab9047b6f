// Filling a vacant manager's post: offers to human managers doing well
// elsewhere, else an unemployed manager, the club's coach or a veteran
// player as player-manager.
#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/msgformat.h"
#include "soccerclasses/club.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using platform::FormatMessageId;

namespace {

constexpr int kOfferChance[7] = {15, 20, 25, 30, 35, 40, 45};
constexpr int kFarOfferChance = 5;
constexpr uint8_t kVacancyMessage = 147;
constexpr int kManagerVacanciesScreen = 116;
constexpr uint8_t kManagerNewsCategory = 5;
// Fewer computer attempts on a day the more human managers play.
constexpr int kAttemptLimit = 15;

}  // namespace

uint8_t& CClub::DayAppointments() {
    static uint8_t count = 0;
    return count;
}

// A human manager doing well at a club no more popular than this one may be
// offered the post; his Yes opens the talks. True when he took it.
bool CClub::OfferPostToHuman(int user, bool& told) {
    CWorldData* world = GetWorldData();
    CHumanManager* h = world->GetUserList().GetAt(user);
    CManager* m = h && h->HasManager() ? world->GetManagerList().GetAt(h->GetManagerIndex()) : nullptr;
    if (!m) return false;
    const int present = m->IsEmployed() ? m->GetClubIndex() : -1;
    if (world->GetTeamName(m->GetPreviousClubIndex()) == name_ || (present >= 0 && world->GetTeamName(present) == name_))
        return false;
    const int games = present >= 0 ? m->m_ClubWins + m->m_ClubDraws + m->m_ClubLosses : 0;
    if (games <= 6 || !IsCountryActive()) return false;
    const CClub* his = world->GetClub(m->GetLastClubIndex());
    if (!his) return false;
    const int d = (his->GetPopularityIndex() - popularity_) / 4;
    if (d < 0) return false;
    if (Random(400) < 50) {
        h->AddMessage(kVacancyMessage, name_, "", "", -1);
        told = true;
    }
    int chance = d < 7 ? kOfferChance[d] : kFarOfferChance;
    if (his->GetCountryIndex() != GetCountryIndex()) chance -= 10;
    if (present >= 0) chance -= 15;
    chance = std::max(chance, 0);
    if (!h->IsRatedFor(popularity_)) return false;
    if (DayAppointments() >= Random(320) / 100) return false;
    if (Random(100) >= chance) return false;
    ++DayAppointments();
    const std::string text = FormatMessageId(32872, {name_, m->GetName()});
    if (UserMessageBoxText(text, kBoxYesNo, h->GetManagerIndex()) != kAnswerYes) return false;
    world->SetCurrentUser(user);
    const int self = world->GetClubList().GetIndex(this);
    const int agreed = GetUserPort().RunScreenModal(kManagerVacanciesScreen, this, self, h->GetManagerIndex(), 0);
    // The screen sets the index itself when a contract is agreed; a screen
    // that only reports the agreement leaves the move to us.
    if (agreed == 1 && manager_ < 0) h->JoinClub(self);
    world->ResetCurrentUser();
    return HasManager();
}

void CClub::AppointNewManager() {
    CWorldData* world = GetWorldData();
    RenewManagerTerms();
    bool told = false;
    // Every user slot that has a manager, not only the first few.
    for (int u = 0; u < CUserList::kSlots && !HasManager(); ++u) OfferPostToHuman(u, told);
    if (!told) {
        for (int k = world->GetHumanManagerCount(); k < kAttemptLimit && !HasManager(); ++k) {
            switch (Random(10)) {
                case 3:
                case 7:
                case 8:
                    AppointPlayerManager();
                    break;
                case 4:
                case 6:
                    PromoteCoachToManager();
                    break;
                default:
                    AppointUnemployedManager();
                    break;
            }
        }
    }
    if (!HasManager()) return;
    if (CCountry* c = GetCountry())
        c->AddNews(FormatMessageId(139, {name_, GetManagerName()}), kManagerNewsCategory);
    if (CDivision* d = GetDivision()) d->m_NewsPaperEvents.AddNewManager(manager_);
}

bool CClub::AppointUnemployedManager() {
    CWorldData* world = GetWorldData();
    CManagerList& managers = world->GetManagerList();
    const std::vector<int> free = managers.CollectUnemployed(static_cast<uint8_t>(GetCountryIndex()));
    if (free.empty()) return false;
    const int count = static_cast<int>(free.size());
    const int i = count > 1 ? std::min(Random(count - 1), count - 1) : 0;
    if (Random(3) != 1) return false;
    const CManager* m = managers.GetAt(free[size_t(i)]);
    if (!m) return false;
    const int present = m->IsEmployed() ? m->GetClubIndex() : -1;
    if (world->GetTeamName(m->GetPreviousClubIndex()) == name_ || (present >= 0 && world->GetTeamName(present) == name_))
        return false;
    if (managerWage_ < 52.0) RenewManagerTerms();
    managers.AppointManager(free[size_t(i)], world->GetClubList().GetIndex(this), *this);
    return true;
}

bool CClub::PromoteCoachToManager() {
    const CEmployee* coach = staff_.FindKind(CBasicEmployee::kHeadCoach);
    if (!coach) return false;
    if (Random(3) != 1) return false;
    CWorldData* world = GetWorldData();
    if (managerWage_ < 52.0) RenewManagerTerms();
    const double weekly = std::max(1.0, std::trunc(managerWage_ / 52.0));
    const uint8_t years = static_cast<uint8_t>(std::clamp(managerYears_, 0, 255));
    auto m = std::make_unique<CManager>(*coach, weekly, years, world->GetClubList().GetIndex(this));
    manager_ = world->GetManagerList().Add(std::move(m));
    DismissEmployee(staff_.FindIndex(coach), 0.0);
    return true;
}
