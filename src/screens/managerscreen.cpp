#include "screens/managerscreen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "screens/infopagemenus.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/trophyhistory.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"

using namespace platform::win;

namespace {

constexpr unsigned kMgrNoData = 735;
constexpr int kMgrProfileScreen = 95, kMgrRatingsScreen = 8;
constexpr int kMgrDivisionLevel = 3;

CScreen* MakeManagerScreen() { return new CManagerScreen(); }

}  // namespace

CManagerScreen::CManagerScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\100.bmp");
    SetTitle(platform::LoadString(21600));
    CWorldData* world = GetWorldData();
    m_pDivision = world ? world->GetCurrentDivision() : nullptr;
}

PageFactory CManagerScreen::GetPageFactory() const { return &MakeManagerScreen; }

void RegisterManagerScreen() { RegisterPageFactory(PageClass::Manager, &MakeManagerScreen); }

void CManagerScreen::SetPageParams(const PageParams& params) {
    if (const auto* p = std::get_if<VacancyPageParams>(&params)) m_pVacancyClub = p->club;
}

const std::vector<HubAdvisorRule>& CManagerScreen::AdvisorRules() const {
    static const std::vector<HubAdvisorRule> kRules = [] {
        std::vector<HubAdvisorRule> rules;
        HubAdvisorRule bank{kBankManager, {{}}, {}};
        for (int c = 48; c <= 53; ++c) bank.groups[0].push_back({static_cast<uint8_t>(c), 32961u + unsigned(c - 48)});
        bank.groups[0].push_back({200, 33219});
        bank.groups[0].push_back({198, 33219});
        rules.push_back(bank);
        HubAdvisorRule doctor{kDoctor, {{}}, {}};
        for (int c = 54; c <= 59; ++c) doctor.groups[0].push_back({static_cast<uint8_t>(c), 32967u + unsigned(c - 54)});
        doctor.groups[0].push_back({200, 33220});
        doctor.groups[0].push_back({198, 33220});
        rules.push_back(doctor);
        rules.push_back({kJobAgency, {{{147, 33181}}}, {238, 33310}});
        return rules;
    }();
    return kRules;
}

const std::vector<HubSection>& CManagerScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kProfile, PageClass::ManProf, kMgrProfileScreen}, {kMonth, PageClass::Manager, kMonthPage},
        {kHonours, PageClass::Manager, kHonoursPage},      {kRatings, PageClass::Stats, kMgrRatingsScreen},
        {kVacancies, PageClass::Manager, kVacanciesPage},
    };
    return kSections;
}

CScreenManager* CManagerScreen::PageManager() const { return dynamic_cast<CScreenManager*>(Parent()); }

CXStatic* CManagerScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CListControl* CManagerScreen::GetPageList() {
    return (m_nPage == kMonthPage || m_nPage == kHonoursPage) && GetListCount() > 0 ? &GetList(0) : nullptr;
}
CXStatic* CManagerScreen::GetHeading() { return FindLabel(30, 61); }
CXStatic* CManagerScreen::GetNoDataLabel() { return FindLabel(0, 244); }

bool CManagerScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CManagerScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        SetUpHub();
        return;
    }
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
    if (m_nPage == kVacanciesPage) SetUpVacancies();
}

void CManagerScreen::Refresh() {
    switch (m_nPage) {
        case kHubPage: ShowAdvisor(); return;
        case kMonthPage:
            if (m_pDivision) ShowContextPicture(kContextDivision, reinterpret_cast<uintptr_t>(m_pDivision), true, 0);
            FillMonthPage();
            break;
        case kHonoursPage: FillHonoursPage(); break;
        default: break;
    }
    Repaint(0);
}

void CManagerScreen::ShowListOrNoData(bool hasRows) {
    CListControl* list = GetPageList();
    if (list) {
        list->Show(hasRows);
        list->Redraw();
    }
    if (CXStatic* none = GetNoDataLabel()) {
        none->SetText(platform::LoadString(kMgrNoData));
        none->Show(!hasRows);
    }
}

void CManagerScreen::FillMonthPage() {
    CListControl* list = GetPageList();
    if (CXStatic* h = GetHeading()) h->SetText(m_pDivision ? std::string(m_pDivision->GetName()) : std::string());
    if (!list) return;
    list->ResetContent();
    if (m_pDivision) m_pDivision->FillManagerOfTheMonthList(*list);
    ShowListOrNoData(list->GetRowCount() > 0);
}

void CManagerScreen::FillHonoursPage() {
    CListControl* list = GetPageList();
    CWorldData* world = GetWorldData();
    CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
    if (CXStatic* h = GetHeading()) h->SetText(user ? user->GetManagerName() : std::string());
    if (user)
        if (const CManager* m = world->GetCurrentManager()) {
            const CFace& f = m->Person().GetFace();
            BuildFaceSurface(30, 100, 0, f.Race(), f.Colour(), f.Hair(), f.Eye(), f.Nose(), f.Chin(), f.Mouth(),
                             f.Beard(), -1);
        }
    if (!list) return;
    list->ResetContent();
    if (user) user->GetHonours().FillListControl(*list);
    ShowListOrNoData(list->GetRowCount() > 0);
}

void CManagerScreen::OnTreeSelect(const TreeNotice* item) {
    // The tree's refreshes and its world and federation rows change nothing.
    if (!item || item->word != 0 || item->level < 2) return;
    CScreensInfo::OnTreeSelect(item);
    if (m_nPage == kMonthPage && item->level == kMgrDivisionLevel && item->kind != kTreeKindCompetition && item->data) {
        m_pDivision = reinterpret_cast<CDivision*>(item->data);
        ShowContextPicture(kContextDivision, item->data, true, 0);
        FillMonthPage();
        Repaint(0);
    }
    if (m_nPage == kVacanciesPage && item->level == kContextClub && item->kind != kTreeKindCompetition && item->data) {
        auto* club = reinterpret_cast<CClub*>(item->data);
        CWorldData* world = GetWorldData();
        CHumanManager* user = world ? world->GetCurrentUser() : nullptr;
        if (!IsModelCall() && user && user->IsEmployed() && user->GetClub() == club)
            OwnClubPicked();
        else
            SelectVacancyClub(club);
    }
}

void CManagerScreen::OnRButtonDown(uint32_t flags, Point pt) {
    PressForPageMenu(*this, flags, pt, m_nPage, m_nPage == kHubPage ? kEmployeeMenuCode : kNoRowMenu, m_bMenuShown,
                     [&] { CScreensInfo::OnRButtonDown(flags, pt); });
}

bool CManagerScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kVacanciesPage && (id == kApproach || id == kReject || id == kAccept)) {
        if (id == kApproach)
            Approach();
        else if (id == kReject)
            Reject();
        else
            Accept();
        return true;
    }
    // The menu's commands open the same pages as the hub's buttons.
    uint32_t section = id;
    if (id == kProfileMenu) section = kProfile;
    if (id == kMonthMenu) section = kMonth;
    if (id == kHonoursMenu) section = kHonours;
    if (id == kRatingsMenu) section = kRatings;
    if (id == kVacanciesMenu) section = kVacancies;
    for (const HubSection& s : Sections())
        if (s.command == section) {
            if (CScreenManager* m = PageManager()) {
                g_nScreenId = s.screen;
                m->SetScreen(MakePage(s.kind), true, true, false, true, false);
            }
            return true;
        }
    return CSectionHub::OnCommand(id, code, control);
}

void CManagerScreen::Close() {
    if (CScreenManager* m = PageManager(); m && m_nPage == kMonthPage && !m->IsOffHistory())
        m->MarkHistoryEntry(static_cast<intptr_t>(g_nTreeSelectionData),
                            static_cast<uint8_t>(g_nTreeSelectionKind == 255 ? 0 : g_nTreeSelectionKind));
    if (m_nPage == kVacanciesPage) CloseVacancies();
    CSectionHub::Close();
}

int CManagerScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CManagerScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}
