#include "screens/disciplinescreen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "screens/infopagemenus.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr unsigned kDisRestOfWorld = 51100;
constexpr unsigned kDisNoData = 735;
constexpr int kDisPersonScreen = 60;
constexpr int kDisClubScreen = 9;

// The scopes, as the tree's levels give them.
enum DisScope : int { kDisWorld = 0, kDisFederation = 1, kDisCountry = 2, kDisDivision = 3, kDisClub = 4 };

CScreen* MakeDisciplineScreen() { return new CDisciplineScreen(); }

}  // namespace

CDisciplineScreen::CDisciplineScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\108.bmp");
    SetTitle(platform::LoadString(21611));
}

PageFactory CDisciplineScreen::GetPageFactory() const { return &MakeDisciplineScreen; }

void RegisterDisciplineScreen() { RegisterPageFactory(PageClass::Discipline, &MakeDisciplineScreen); }

const std::vector<HubAdvisorRule>& CDisciplineScreen::AdvisorRules() const {
    // The same codes 163 to 166 speak in the assistant's words or the
    // secretary's, by who is asked.
    static const std::vector<HubAdvisorRule> kRules = {
        {CBasicEmployee::kAssistantManager,
         {{{155, 51101}, {156, 51102}, {157, 51103}, {158, 51104}, {159, 51105}, {160, 51106}, {161, 51107},
           {162, 51108}, {163, 51109}, {164, 51110}, {165, 51111}, {166, 51112}, {168, 51113}}},
         {246, 51114}},
        {kLeagueSecretary,
         {{{198, 51120}, {224, 51121}, {163, 51122}, {164, 51123}, {165, 51124}, {166, 51125}, {167, 51126}}},
         {235, 51127}},
    };
    return kRules;
}

const std::vector<HubSection>& CDisciplineScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kClubDiscipline, PageClass::Discipline, kClubPage},
        {kPlayerDiscipline, PageClass::Discipline, kPlayerPage},
        {kRefereeTables, PageClass::Discipline, kRefereePage},
    };
    return kSections;
}

CScreenManager* CDisciplineScreen::PageManager() const { return dynamic_cast<CScreenManager*>(Parent()); }

CXStatic* CDisciplineScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CListControl* CDisciplineScreen::GetDisciplineList() {
    return m_nPage != kHubPage && GetListCount() > 0 ? &GetList(0) : nullptr;
}
CXStatic* CDisciplineScreen::GetScopeLabel() {
    // Page 88 has only its title, which the scope's name replaces.
    return m_nPage == kRefereeInfoPage ? FindLabel(30, 22) : FindLabel(30, 61);
}
CXStatic* CDisciplineScreen::GetNoDataLabel() { return FindLabel(0, 244); }

bool CDisciplineScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

void CDisciplineScreen::Initialise() {
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        SetUpHub();
        return;
    }
    if (CListControl* list = GetDisciplineList()) list->m_bSelectable = 1;
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
}

void CDisciplineScreen::Refresh() {
    if (m_nPage == kHubPage) {
        ShowAdvisor();
        return;
    }
    if (g_nTreeSelectionData)
        ShowContextPicture(std::clamp(g_nTreeSelectionLevel, 0, static_cast<int>(kContextClub)), g_nTreeSelectionData,
                           true, 0);
    FillPage();
    Repaint(0);
}

std::string CDisciplineScreen::ScopeName(int level, uintptr_t data, int /*kind*/) {
    if (level <= kDisWorld || !data) return platform::LoadString(kDisRestOfWorld);
    switch (level) {
        case kDisFederation: return reinterpret_cast<const CFederation*>(data)->GetName();
        case kDisCountry: return reinterpret_cast<const CCountry*>(data)->GetName();
        case kDisDivision: return reinterpret_cast<const CDivision*>(data)->GetName();
        case kDisClub: return reinterpret_cast<const CClub*>(data)->GetName();
        default: return {};
    }
}

void CDisciplineScreen::AddScopeRows(CListRows& list) {
    CWorldData* world = GetWorldData();
    if (!world) return;
    const int level = g_nTreeSelectionData ? g_nTreeSelectionLevel : kDisWorld;
    const uintptr_t data = g_nTreeSelectionData;
    if (data && g_nTreeSelectionKind == kTreeKindCompetition) return;
    switch (level) {
        case kDisWorld:
            if (m_nPage == kClubPage) world->GetFederationList().FillClubInfoList(list);
            if (m_nPage == kPlayerPage) world->GetFederationList().FillDisciplineList(list);
            if (m_nPage == kRefereePage) world->GetFederationList().FillRefereeList(list);
            break;
        case kDisFederation: {
            const auto* fed = reinterpret_cast<const CFederation*>(data);
            if (m_nPage == kClubPage) fed->FillClubInfoList(list, 1);
            if (m_nPage == kPlayerPage) fed->FillDisciplineList(list);
            if (m_nPage == kRefereePage) fed->FillRefereeList(list);
            break;
        }
        case kDisCountry: {
            const auto* country = reinterpret_cast<const CCountry*>(data);
            if (m_nPage == kClubPage) country->FillClubInfoList(list, 1, 0);
            if (m_nPage == kPlayerPage) country->FillDisciplineList(list);
            if (m_nPage == kRefereePage) country->FillRefereeList(list);
            break;
        }
        case kDisDivision: {
            const auto* division = reinterpret_cast<const CDivision*>(data);
            if (m_nPage == kClubPage) division->FillClubInfoList(list, 0, 0);
            if (m_nPage == kPlayerPage) division->FillDisciplineList(list);
            if (m_nPage == kRefereePage) {
                // The referees of the division's country who serve it.
                const CCountry* country = world->GetCountry(division->GetCountry());
                for (int i = 0; country && i < country->GetDivisionCount(); ++i)
                    if (country->GetDivision(i) == division)
                        country->FillRefereeListFiltered(list, static_cast<int>(country->GetDivisionIndex(i)));
            }
            break;
        }
        case kDisClub:
            // Only the players have a club scope.
            if (m_nPage == kPlayerPage) reinterpret_cast<const CClub*>(data)->AddDisciplineRows(list);
            break;
        default: break;
    }
}

void CDisciplineScreen::FillPage() {
    const int level = g_nTreeSelectionData ? g_nTreeSelectionLevel : kDisWorld;
    if (CXStatic* scope = GetScopeLabel())
        scope->SetText(ScopeName(level, g_nTreeSelectionData, g_nTreeSelectionKind));
    CListControl* list = GetDisciplineList();
    if (!list) return;
    list->m_nRowLimit = -1;
    list->ResetContent();
    AddScopeRows(*list);
    const bool rows = list->GetRowCount() > 0;
    if (rows) {
        // Every row takes part in the first ranking; then the top rows stay.
        list->Sort(m_nPage == kRefereePage ? 4 : 5);
        list->m_nRowLimit = kTopRows;
    }
    list->Show(rows);
    if (CXStatic* none = GetNoDataLabel()) {
        none->SetText(platform::LoadString(kDisNoData));
        none->Show(!rows);
    }
    list->Redraw();
}

void CDisciplineScreen::OnTreeSelect(const TreeNotice* item) {
    // The tree's refreshes and its world and federation rows change nothing.
    if (!item || item->word != 0 || item->level < kDisCountry) return;
    CScreensInfo::OnTreeSelect(item);
    if (m_nPage == kHubPage) return;
    if (item->data) ShowContextPicture(std::min(item->level, static_cast<int>(kContextClub)), item->data, true, 0);
    FillPage();
    Repaint(0);
}

void CDisciplineScreen::OpenPage(int screen) {
    CScreenManager* m = PageManager();
    if (!m) return;
    g_nScreenId = screen;
    m->SetScreen(MakePage(PageClass::Discipline), true, true, false, true, false);
}

bool CDisciplineScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    switch (id) {
        case kLeagueDiscipline:
        case kClubDiscipline: OpenPage(kClubPage); return true;
        case kPlayerDiscipline:
            if (HubManagerEmployed()) OpenPage(kPlayerPage);
            return true;
        case kRefereeTables: OpenPage(kRefereePage); return true;
        case kRefereeInfo: OpenPage(kRefereeInfoPage); return true;
        default: break;
    }
    return CSectionHub::OnCommand(id, code, control);
}

void CDisciplineScreen::OnRButtonDown(uint32_t flags, Point pt) {
    // The hub's staff and Player Discipline's players have their person
    // menus. A referee is no employee: his rows keep the page's menu, as
    // the clubs' rows do.
    int rowMenu = kNoRowMenu;
    if (m_nPage == kHubPage) rowMenu = kEmployeeMenuCode;
    if (m_nPage == kPlayerPage) rowMenu = kPlayerMenuCode;
    PressForPageMenu(*this, flags, pt, m_nPage, rowMenu, m_bMenuShown, [&] { CScreensInfo::OnRButtonDown(flags, pt); });
}

void CDisciplineScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    CListControl* list = GetDisciplineList();
    CScreenManager* m = PageManager();
    if (!list || !m || flags != ui::kRelayedFlags) return;
    const int row = list->GetPointerRow();
    if (row < 0 || row >= list->GetRowCount() || !list->GetItemData(row)) return;
    if (m_nPage == kClubPage) {
        g_nTreeSelectionLevel = kDisClub;
        g_nTreeSelectionData = list->GetItemData(row);
        g_nTreeSelectionKind = 0;
        g_nScreenId = kDisClubScreen;
        m->SetScreen(MakePage(PageClass::Youth), true, true, false, true, false);
    } else {
        m->OpenScreenById(kDisPersonScreen, static_cast<intptr_t>(list->GetItemData(row)),
                          static_cast<intptr_t>(list->GetItemData2(row)), 0, 0);
    }
}

void CDisciplineScreen::Close() {
    if (CScreenManager* m = PageManager();
        m && (m_nPage == kClubPage || m_nPage == kPlayerPage || m_nPage == kRefereePage)) {
        if (!m->IsOffHistory())
            m->MarkHistoryEntry(static_cast<intptr_t>(g_nTreeSelectionData),
                                static_cast<uint8_t>(g_nTreeSelectionKind == 255 ? 0 : g_nTreeSelectionKind));
        m->SetTreeMode(0);
    }
    CSectionHub::Close();
}

int CDisciplineScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CDisciplineScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}
