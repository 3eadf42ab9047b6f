#include "screens/squadscreen.h"
#include "screens/squadscreen_fit.h"

#include <algorithm>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "soccerclasses/club.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"

using namespace platform::win;

namespace {

// The advisors' inbox codes and the texts their lines take.
constexpr HubAdvisorText kPhysioWeeks{62, 48026};
constexpr HubAdvisorText kAllFit{63, 48025};
constexpr HubAdvisorText kFitIn{249, 48028};
constexpr unsigned kFitInText = 48027;

CScreen* MakeSquadScreen() { return new CSquadScreen(); }

}  // namespace

CSquadScreen::CSquadScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\101.bmp");
    SetTitle(platform::LoadString(21601));
}

CSquadScreen::~CSquadScreen() = default;

PageFactory CSquadScreen::GetPageFactory() const { return &MakeSquadScreen; }

void RegisterSquadScreen() { RegisterPageFactory(PageClass::Squad, &MakeSquadScreen); }

const std::vector<HubAdvisorRule>& CSquadScreen::AdvisorRules() const {
    static const std::vector<HubAdvisorRule> kRules = {
        {CBasicEmployee::kHeadCoach,
         {{{198, 48010}, {200, 48011}, {223, 48012}, {42, 48013}, {43, 48013}}},
         {190, 48014}},
        {CBasicEmployee::kHeadPhysio,
         {{{198, 48020}, {200, 48021}, {223, 48022}, {60, 48023}, {61, 48024}}},
         {}},
        {CBasicEmployee::kYouthCoach, {{{198, 48030}, {200, 48031}, {64, 48013}, {65, 48013}}}, {66, 48032}},
        {CBasicEmployee::kAssistantManager,
         {{{197, 34312}, {198, 48040}, {199, 48041}, {200, 48042}, {213, 48043}, {214, 48044}, {215, 48045},
           {216, 48046}, {217, 48047}, {218, 48048}, {219, 48049}, {220, 48050}, {221, 48051}, {225, 48052},
           {226, 48053}, {227, 48054}, {2, 48055}, {1, 48056}, {4, 48057}, {3, 48058}}},
         {239, 48059}},
    };
    return kRules;
}

const std::vector<HubSection>& CSquadScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kTeamSelection, PageClass::SquadSelect, 4}, {kYouthSquad, PageClass::Squad, kYouthPage},
        {kTraining, PageClass::Train, 35},           {kPhysio, PageClass::Squad, kPhysioPage},
        {kTacticsEditor, PageClass::Tact, 26},       {kYouthTraining, PageClass::YTrain, 80},
    };
    return kSections;
}

// The physio's report when no stored message spoke: everyone fit, or the
// first injured player's recovery.
void CSquadScreen::AdvisorFallback(const CEmployee& advisor, CHumanManager& user, HubPanelLines& lines) {
    if (advisor.m_JobKind != CBasicEmployee::kHeadPhysio) return;
    const CClub* club = CurrentClub();
    if (!club) return;
    if (club->CountInjuredPlayers() == 0) {
        AskFallback(user, kAllFit, lines);
        return;
    }
    const int before = lines.Count();
    user.GetMessages(kPhysioWeeks.code, kPhysioWeeks.textId, lines);
    if (lines.Count() > before) return;
    const CPlayer* injured = nullptr;
    for (int s = 0; s < CHumanManager::kSquadSlots && !injured; ++s) {
        const CPlayer* p = club->PlayerInSlot(s);
        if (p && p->IsInjured()) injured = p;
    }
    const CInjury* injury = injured ? injured->GetInjury() : nullptr;
    if (!injury) return;
    const std::string weeks = std::to_string(std::max(1, injury->GetWeeks() / 2));
    const std::string text = injury->GetText(false);
    if (!text.empty()) {
        user.AddMessage(kPhysioWeeks.code, injured->GetName(), text, weeks, -1);
        user.GetMessages(kPhysioWeeks.code, kPhysioWeeks.textId, lines);
        return;
    }
    // Asking whether the line is stored must not add it to the panel.
    if (!user.HasMessage(kFitIn.code))
        user.AddMessage(kFitIn.code, platform::FormatMessageId(kFitInText, {injured->GetName(), weeks}), "", "", -1);
    user.GetMessages(kFitIn.code, kFitIn.textId, lines);
}

CClub* CSquadScreen::CurrentClub() {
    CWorldData* w = GetWorldData();
    return w ? w->GetCurrentClub() : nullptr;
}

CXStatic* CSquadScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CSquadScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

void CSquadScreen::Initialise() {
    BuildScreen(m_nPage);
    CWorldData* world = GetWorldData();
    const CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (m_nPage != kHubPage && (!CurrentClub() || !user || !user->IsEmployed())) {
        // Out of work there is no squad to show, and nothing may change.
        m_bNoClub = 1;
        ShowNoDataAvailable();
        return;
    }
    if (m_nPage == kHubPage) SetUpHub();
    if (m_nPage == kYouthPage) InitialiseYouthPage();
}

void CSquadScreen::Refresh() {
    if (m_bNoClub) return;
    if (m_nPage == kHubPage) ShowAdvisor();
    if (m_nPage == kPhysioPage) BuildPhysioPage();
    if (m_nPage == kYouthPage) BuildYouthPage();
}

void CSquadScreen::Close() { CSectionHub::Close(); }

bool CSquadScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    const unsigned id = spot->Id() == kSackHire ? m_nSackHireText : spot->Id();
    text = platform::LoadString(id);
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CSquadScreen::OnListClick(CListControl* list, int row, int column) {
    CSectionHub::OnListClick(list, row, column);
    if (m_nPage == kPhysioPage && list == GetInjuryList()) OnPhysioClick();
    if (m_nPage == kYouthPage) OnYouthListClick(list, row);
}

void CSquadScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    // A double click a list passes back is the list's own: the base would
    // hand it to the list's spot again, and the two would pass it to and
    // fro for ever.
    if (flags != ui::kRelayedFlags) {
        CScreensInfo::OnLButtonDblClk(flags, pt);
        return;
    }
    if (m_nPage != kYouthPage) return;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    for (CListControl* list : {GetCurrentYouthList(), GetAvailableYouthList()}) {
        if (!list) continue;
        const int row = list->GetPointerRow();
        if (row < 0 || row >= list->GetRowCount() || !list->WindowRect().Contains(pt)) continue;
        const intptr_t mode = list == GetCurrentYouthList() ? 3 : 4;
        manager->OpenScreenById(60, static_cast<intptr_t>(list->GetItemData(row)), mode, 0, 0);
        return;
    }
}

// Pages 36 and 40 show the squad menu wherever they are pressed; the hub
// also the employee menu over a staff row.
void CSquadScreen::OnRButtonDown(uint32_t flags, Point pt) { OnHubRightPress(flags, pt, m_nPage); }

void CSquadScreen::OnLButtonDown(uint32_t flags, Point pt) {
    CSectionHub::OnLButtonDown(flags, pt);
    // The base ends a press a list passes back at the list click; on the
    // youth page the press also picks the row up for a drag.
    if (m_nPage != kYouthPage || flags != ui::kRelayedFlags || m_bNoClub) return;
    Point at = pt;
    const int spot = HotSpotFromPoint(&at);
    if (const CHotSpot* s = GetHotSpot(spot); s && (s->m_dwFlags & kSpotDragSource)) CXWnd::OnLButtonDown(0, pt);
}

bool CSquadScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kYouthPage) {
        if (id >= kFilterAll && id <= kFilterAll + 4) {
            OnYouthFilter(static_cast<int>(id - kFilterAll) - 1);
            return true;
        }
        if (id == kOfferContract) {
            OnOfferContract();
            return true;
        }
        if (id == kSackHire) {
            OnSackHirePlayer();
            return true;
        }
    }
    return CSectionHub::OnCommand(id, code, control);
}

intptr_t CSquadScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    if (msg == kMsgListSorted && m_nPage == kYouthPage) {
        OnListSorted(static_cast<uint32_t>(w), static_cast<int>(l));
        return 1;
    }
    return CSectionHub::OnMessage(msg, w, l);
}

// ---- Page 36: the physio ----

CListControl* CSquadScreen::GetInjuryList() {
    return m_nPage == kPhysioPage && GetListCount() > 0 ? &GetList(0) : nullptr;
}
CXStatic* CSquadScreen::GetNoInjuriesLabel() { return m_nPage == kPhysioPage ? FindLabel(0, 190) : nullptr; }
CXStatic* CSquadScreen::GetInjuryReport() { return m_nPage == kPhysioPage ? FindLabel(26, 338) : nullptr; }

void CSquadScreen::BuildPhysioPage() {
    CClub* club = CurrentClub();
    if (CXStatic* name = FindLabel(30, 61)) SetFittedLabelText(*name, club ? club->GetName() : "");
    if (CXStatic* report = GetInjuryReport()) report->SetText("");
    if (club) BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    CListControl* list = GetInjuryList();
    if (!list) return;
    list->m_bSelectable = 1;
    list->m_bFitText = 1;
    list->ResetContent();
    if (club) club->AddInjuryRows(*list);
    const bool none = list->GetRowCount() == 0;
    if (CXStatic* label = GetNoInjuriesLabel()) {
        label->SetText(platform::LoadString(none && !club ? 735 : 48064));
        label->Show(none);
    }
    list->Show(!none);
    Repaint(0);
}

void CSquadScreen::OnPhysioClick() {
    CListControl* list = GetInjuryList();
    CXStatic* report = GetInjuryReport();
    if (!list || !report) return;
    const int row = list->GetCurSel();
    if (row < 0 || row >= list->GetRowCount()) return;
    const auto* player = reinterpret_cast<const CPlayer*>(list->GetItemData(row));
    const CInjury* injury = player ? player->GetInjury() : nullptr;
    const CClub* club = CurrentClub();
    if (!injury || !club) return;
    std::string text = player->GetSurgeryText(*club);
    if (text.empty()) text = player->GetName() + " " + injury->GetStatusText();
    report->SetText(text);
    Repaint(0);
}
