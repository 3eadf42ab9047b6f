// Manager Vacancies (116): approaching a club, bargaining over wage and
// years, accepting or rejecting; the renewal of his own contract and the
// job offers model code opens the page for and waits on.
#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/managerscreen.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/tree.h"
#include "ui/xbutton.h"
#include "ui/xstatic.h"

using namespace platform::win;

namespace {

constexpr unsigned kVacNone = 485;              // "-"
constexpr unsigned kVacNoClub = 605;            // "No Club Selected"
constexpr unsigned kVacHasManager = 490;
constexpr unsigned kVacChooseClub = 497;
constexpr unsigned kVacRenewTitle = 540, kVacExit = 580;
constexpr unsigned kVacIncrease = 332, kVacDecrease = 333;
constexpr unsigned kVacApproachText = 21470;
// Ours.
constexpr unsigned kVacNotInterested = 53611, kVacPressApproach = 53612, kVacNotReleased = 53613;
constexpr unsigned kVacDisappointed = 53614, kVacWithdrawn = 53615, kVacWorthLess = 53616;
constexpr unsigned kVacRenewOffer = 53617, kVacFurtherOffer = 53618, kVacFirstOffer = 53619;
constexpr unsigned kVacWelcome = 53620, kVacRaiseOffer = 53621;
constexpr int kVacRenewing = -2;  // the club's manager field while its manager's contract is talked over
constexpr platform::gfx::ColourRef kVacWhite = platform::gfx::RGB(255, 255, 255);
constexpr platform::gfx::ColourRef kVacGrey = platform::gfx::RGB(128, 128, 128);
constexpr platform::gfx::ColourRef kVacYellow = platform::gfx::RGB(255, 255, 0);
constexpr const char* kVacLeftArrow = "gfx\\scroll\\leftarrow.bmp";
constexpr const char* kVacRightArrow = "gfx\\scroll\\rightarrow.bmp";

int VacClubIndex(const CClub* club) {
    CWorldData* w = GetWorldData();
    return club && w ? w->GetClubList().GetIndex(club) : -1;
}

bool VacRenewing(const CClub* club) { return club && club->GetManager() == kVacRenewing; }

int VacFace(const CHumanManager* user) { return user ? user->GetManagerIndex() : -1; }

}  // namespace

bool CManagerScreen::IsTurnedDown(int club) {
    const auto& list = g_SetupState.turnedDown;
    return club >= 0 && std::find(list.begin(), list.end(), static_cast<uint16_t>(club)) != list.end();
}

CClub* CManagerScreen::GetTarget() const {
    CWorldData* w = GetWorldData();
    return w && m_nTarget >= 0 ? w->GetClub(m_nTarget) : nullptr;
}

CXButton* CManagerScreen::GetVacancyButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

void CManagerScreen::SetButton(uint32_t id, bool active, unsigned text) {
    CXButton* b = GetVacancyButton(id);
    if (!b) return;
    if (text) b->SetTextId(text);
    b->Enable(active);
    b->Redraw();
}

void CManagerScreen::SetContractText(const std::string& text) {
    if (CXStatic* t = GetContractText()) t->SetText(text);
}

void CManagerScreen::SetFieldsActive(bool active) {
    for (CXSpinedit* f : {&m_Salary, &m_Length})
        if (f->IsAlive()) {
            f->Enable(active);
            f->Redraw();
        }
    for (int y : {344, 369})
        if (CXStatic* label = FindLabel(30, y)) {
            label->SetColours(active ? kVacWhite : kVacGrey, platform::gfx::RGB(0, 0, 0));
            label->Refresh();
        }
}

void CManagerScreen::SetVacancyValues(const CClub* club) {
    const std::string none = platform::LoadString(kVacNone);
    const std::string values[4] = {
        club ? club->GetStadiumName() : none,
        club ? platform::StrPrintf("%d", club->GetStadiumCapacity()) : none,
        club ? club->FormatBankBalance() : none,
        club ? club->GetFoundedYearText() : none,
    };
    constexpr int kValueY[4] = {151, 203, 255, 307};
    for (int i = 0; i < 4; ++i)
        if (CXStatic* v = FindLabel(30, kValueY[i])) v->SetText(values[i]);
    if (CXStatic* name = GetClubNameLabel()) name->SetText(club ? club->GetName() : platform::LoadString(kVacNoClub));
}

void CManagerScreen::SetUpVacancies() {
    m_bLeavingAgreed = false;
    m_bTermsAgreed = false;
    SetContractText("");
    if (CXStatic* founded = FindLabel(30, 307)) founded->SetText(platform::LoadString(kVacNone));
    for (uint32_t id : {kApproach, kReject, kAccept}) SetButton(id, false);
    CWorldData* world = GetWorldData();
    const CCountry* country = world ? world->GetCurrentCountry() : nullptr;
    m_Salary.Create("", WS_VISIBLE, Rect{296, 344, 571, 368}, this, kSalaryField, kVacLeftArrow, kVacRightArrow, 0,
                    999999, country, 4, 0, 1000, "Arial Narrow", 12, "");
    m_Length.Create("", WS_VISIBLE, Rect{296, 369, 571, 393}, this, kLengthField, kVacLeftArrow, kVacRightArrow, 1, 99,
                    nullptr, 4, 0, 1, "Arial Narrow", 12, "");
    m_Salary.SetValue(0, false);
    m_Length.SetValue(0, false);
    SetFieldsActive(false);
    if (CScreenManager* manager = PageManager()) manager->ColourVacantClubs(kVacantClubColour, 0);
    // Only a club of the world's list is taken from the caller.
    if (IsModelCall() && world && world->GetClubList().GetIndex(static_cast<const CClub*>(m_pVacancyClub)) >= 0)
        SelectVacancyClub(static_cast<CClub*>(m_pVacancyClub));
}

void CManagerScreen::OwnClubPicked() {
    m_bLeavingAgreed = false;
    m_bClubSelected = false;
    m_nTarget = -1;
    SetVacancyValues(nullptr);
    if (CXStatic* name = GetClubNameLabel()) name->SetText(platform::LoadString(kVacNone));
    SetContractText("");
    for (uint32_t id : {kApproach, kReject, kAccept}) SetButton(id, false);
    ReleaseKitSurface(false);
    Repaint(0);
}

void CManagerScreen::SelectVacancyClub(CClub* club) {
    if (!club) return;
    if (VacRenewing(club))
        if (CXStatic* title = FindLabel(30, 22)) title->SetText(platform::LoadString(kVacRenewTitle));
    m_nTarget = VacClubIndex(club);
    m_bClubSelected = true;
    m_bTalksOpen = false;
    m_bOfferMade = false;
    SetFieldsActive(false);
    SetVacancyValues(club);
    if (IsModelCall()) {
        if (!Approach()) {
            SetButton(kAccept, true, kVacExit);
            m_bExitMode = true;
        }
    } else {
        const bool refused = IsTurnedDown(m_nTarget);
        SetContractText(platform::LoadString(refused ? kVacNotInterested : kVacPressApproach));
        SetButton(kApproach, !refused, kVacApproachText);
        SetButton(kReject, false);
        SetButton(kAccept, false);
    }
    if (m_bClubSelected) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    Repaint(0);
}

bool CManagerScreen::Approach() {
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    CClub* target = GetTarget();
    if (!user || !target || !m_bClubSelected) return false;
    CClub* own = user->GetClub();
    if (IsModelCall() || VacRenewing(own)) {
        Offer();
        return true;
    }
    if (m_bTalksOpen) {
        Offer();
        return true;
    }
    if (user->IsEmployed() && own) {
        if (!own->BoardReleasesManager()) {
            UserMessageBox(kVacNotReleased, kBoxNotice, VacFace(user));
            return false;
        }
        if (!m_bLeavingAgreed) {
            UserMessageBox(kVacDisappointed, kBoxNotice, VacFace(user));
            m_bLeavingAgreed = true;
        }
    }
    const bool formerClub = !user->IsEmployed() && user->GetPreviousClub() == target;
    const CDivision* d = target->GetDivision();
    const int clubs = d ? static_cast<int>(d->GetClubCount()) : 0;
    const bool topQuarter = target->GetTablePosition() < clubs / 4;
    if (formerClub || IsTurnedDown(m_nTarget) || !target->IsManagerRatedFor(world->GetCurrentUserIndex()) ||
        topQuarter) {
        UserMessageBox(kVacNotInterested, kBoxNotice, VacFace(user));
        return false;
    }
    Offer();
    return true;
}

void CManagerScreen::Offer() {
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    CClub* target = GetTarget();
    if (!user || !target) return;
    const bool first = !m_bTalksOpen;
    if (first) {
        m_bTalksOpen = true;
        SetFieldsActive(true);
        m_nTalkCount = 0;
        if (target->GetManagerWage() == 0) target->RenewManagerTerms();
        // No club run by another human manager takes a second one.
        if (target->GetManagerKind() == 1 && target->GetHumanManager() != user) {
            ClearVacancyClub(false);
            SetContractText(platform::LoadString(kVacHasManager));
            return;
        }
    } else {
        ++m_nTalkCount;
        if (m_nTalkCount >= kMaxTalks || Random(3) == 1) {
            UserMessageBoxText(platform::FormatMessageId(kVacWithdrawn, {target->GetName()}), kBoxNotice, VacFace(user));
            Reject();
            return;
        }
        target->RenewManagerTerms();
        const bool asked = m_Salary.GetShownValue() != 0 || m_Length.GetShownValue() != 0;
        if (asked) {
            if (m_Salary.GetShownValue() < m_dLastOfferShown) {
                UserMessageBox(kVacWorthLess, kBoxNotice, VacFace(user));
                return;
            }
            // The request as shown: the same figure as the last offer asks for no more.
            const double wanted = m_Salary.GetShownValue() == m_dLastOfferShown ? m_dLastOffer : m_Salary.GetBaseValue();
            target->CapManagerWage(wanted);
            if (m_Length.GetShownValue() != 0) target->CapManagerYears(static_cast<uint8_t>(m_Length.GetShownValue()));
        }
    }
    std::string wage;
    target->FormatManagerWage(wage);
    const std::string years = platform::StrPrintf("%d", static_cast<int>(target->GetManagerYears()));
    const unsigned text = VacRenewing(user->GetClub()) ? kVacRenewOffer : (first ? kVacFirstOffer : kVacFurtherOffer);
    SetContractText(platform::FormatMessageId(text, {target->GetName(), wage, years}));
    m_dLastOffer = target->GetManagerWage();
    m_Salary.SetBaseValue(m_dLastOffer, true);
    m_dLastOfferShown = m_Salary.GetShownValue();
    m_Length.SetValue(target->GetManagerYears(), true);
    m_bOfferMade = true;
    SetButton(kApproach, true, kVacRaiseOffer);
    SetButton(kReject, true);
    SetButton(kAccept, true);
    Repaint(0);
}

// Back to no club: the name, values and buttons cleared.
void CManagerScreen::ClearVacancyClub(bool modelAccept) {
    m_bTalksOpen = false;
    m_bOfferMade = false;
    m_bClubSelected = false;
    m_Salary.SetValue(0, false);
    m_Length.SetValue(0, false);
    SetFieldsActive(false);
    SetVacancyValues(nullptr);
    SetButton(kApproach, false, kVacApproachText);
    SetButton(kReject, false);
    if (modelAccept) {
        SetButton(kAccept, true, kVacExit);
        m_bExitMode = true;
    } else {
        SetButton(kAccept, false);
    }
    ReleaseKitSurface(false);
    Repaint(0);
}

void CManagerScreen::Reject() {
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (m_nTarget >= 0 && !IsTurnedDown(m_nTarget)) g_SetupState.turnedDown.push_back(static_cast<uint16_t>(m_nTarget));
    const bool quiet = IsModelCall() || (user && VacRenewing(user->GetClub()));
    ClearVacancyClub(IsModelCall());
    SetContractText(quiet ? std::string() : platform::LoadString(kVacChooseClub));
}

void CManagerScreen::Accept() {
    CScreenManager* manager = PageManager();
    if (m_bExitMode && IsModelCall()) {
        // Only terms accepted here count as agreed: after "Reject" the board's
        // renewal ends in the manager's resignation, not in the old terms.
        if (CBrixholmView* view = manager ? manager->GetView() : nullptr) view->EndScreenModal(0, m_bTermsAgreed ? 1 : 0);
        return;
    }
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    CClub* target = GetTarget();
    if (!m_bClubSelected || !m_bOfferMade || !user || !target) return;
    CClub* old = user->IsEmployed() ? user->GetClub() : nullptr;
    const bool renewal = VacRenewing(old) || VacRenewing(target);
    if (!renewal) {
        if (old) old->ManagerLeaves(0);
        UserMessageBox(kVacWelcome, kBoxNotice, VacFace(user));
        // The club's own manager makes way, and the country hears of it.
        if (target->GetManager() >= 0 && target->GetManagerKind() == 0) target->ManagerLeaves(1);
    }
    if (CCountry* country = target->GetCountry(); country && !country->IsFollowed()) country->Activate();
    user->JoinClub(m_nTarget);
    target->ProcessWeeklyAccounts();
    g_SetupState.turnedDown.clear();
    m_bTermsAgreed = true;
    m_bOfferMade = false;
    m_bTalksOpen = false;
    SetButton(kApproach, false);
    SetButton(kReject, false);
    SetButton(kAccept, IsModelCall(), IsModelCall() ? kVacExit : 0);
    m_bExitMode = IsModelCall();
    if (manager) {
        if (old && old != target) manager->SetTreeNodeColour(nullptr, reinterpret_cast<uintptr_t>(old), 0, kVacWhite);
        manager->SetTreeNodeColour(nullptr, reinterpret_cast<uintptr_t>(target), 0, kVacYellow);
    }
    GetUserPort().UpdateStatusBar();
    Repaint(0);
}

void CManagerScreen::CloseVacancies() {
    CScreenManager* manager = PageManager();
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (!manager) return;
    if (user && user->IsEmployed())
        if (CClub* club = user->GetClub()) {
            manager->SetTreeNodeColour(nullptr, reinterpret_cast<uintptr_t>(club), 0, kVacWhite);
            if (CDivision* d = club->GetDivision())
                manager->SetTreeNodeColour(nullptr, reinterpret_cast<uintptr_t>(d), 0, kVacWhite);
            if (CCountry* c = club->GetCountry())
                manager->SetTreeNodeColour(nullptr, reinterpret_cast<uintptr_t>(c), 0, kVacWhite);
        }
    manager->ColourVacantClubs(0, 1);
}

intptr_t CManagerScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    if (msg == kMsgSpinArrowTip && m_nPage == kVacanciesPage) {
        auto* text = reinterpret_cast<std::string*>(l);
        if (!text) return 0;
        // Each field's even hot spot is its decrease arrow.
        *text = platform::LoadString((w - CXSpinedit::kArrowIdBase) % 2 == 0 ? kVacDecrease : kVacIncrease);
        return 1;
    }
    return CSectionHub::OnMessage(msg, w, l);
}
