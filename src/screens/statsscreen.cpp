#include "screens/statsscreen.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "screens/infopagemenus.h"
#include "screens/pages.h"
#include "shell/pagemenus.h"
#include "shell/screenmanager.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/tabledata.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr int kStatsPersonScreen = 60;
constexpr unsigned kStatsGroupText = 330;      // "Group %d"
constexpr unsigned kStatsGroupHeading = 844;   // "Group %1!d! - %2!s!"
constexpr unsigned kStatsNoData = 21423;
constexpr unsigned kStatsPrintTitle = 10050;  // "League Table"
constexpr int kStatsCupIcon = 6;

CScreen* MakeStatsScreen() { return new CStatsScreen(); }

// The tree's levels: federations, countries (and federation cups),
// divisions (and domestic cups), clubs.
enum StatsLevel : int { kStatsFederation = 1, kStatsCountry = 2, kStatsDivision = 3, kStatsClub = 4 };

bool StatsIsCupKind(int kind) { return kind == kTreeKindCompetition; }

}  // namespace

uint8_t& CStatsScreen::FormMode() {
    static uint8_t mode = 0;
    return mode;
}

CStatsScreen::CStatsScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\108.bmp");
    // Every page's caption replaces the class's title when it is built.
    SetTitle(platform::LoadString(21611));
}

PageFactory CStatsScreen::GetPageFactory() const { return &MakeStatsScreen; }

void RegisterStatsScreen() { RegisterPageFactory(PageClass::Stats, &MakeStatsScreen); }

CScreenManager* CStatsScreen::PageManager() const { return dynamic_cast<CScreenManager*>(Parent()); }

CXStatic* CStatsScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CStatsScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

CListControl* CStatsScreen::GetStatsList() { return GetListCount() > 0 ? &GetList(0) : nullptr; }
CXStatic* CStatsScreen::GetHeading() { return FindLabel(30, 61); }
CXStatic* CStatsScreen::GetCaption() { return FindLabel(30, 22); }
CXStatic* CStatsScreen::GetNoDataLabel() { return FindLabel(0, 244); }
CXButton* CStatsScreen::GetFormButton() { return FindButton(kCurrentForm); }
CXButton* CStatsScreen::GetTableButton() { return FindButton(kLeagueTable); }

void CStatsScreen::Initialise() {
    if (m_nPage == kLeagueTablePage)
        if (CScreenManager* m = PageManager()) {
            m->SetTreeMarkLevel(3);
            m->MarkTreeItems(0, kTreeKindCompetition, 3, 0);
        }
    BuildScreen(m_nPage);
    if (CListControl* list = GetStatsList()) list->m_bSelectable = 1;
    if (CXStatic* none = GetNoDataLabel()) none->Show(false);
}

void CStatsScreen::Refresh() {
    if (m_nPage == kLeagueTablePage) {
        if (CScreenManager* m = PageManager()) {
            m->SetTreeLevelValue(3, 1, 0);
            m->SetTreeLevelValue(1, 1, 0);
        }
        OfferCupGroups();
        m_bCupGroup = SelectedGroup() ? 1 : 0;
    }
    // A cup group's item holds its round, not a division or a cup: the
    // picture is its cup's trophy.
    if (const GroupEntry* group = m_nPage == kLeagueTablePage && m_bCupGroup ? SelectedGroup() : nullptr)
        ShowContextPicture(std::min(g_nTreeSelectionLevel, static_cast<int>(kContextClub)),
                           reinterpret_cast<uintptr_t>(group->cup), true, 1);
    else if (g_nTreeSelectionData)
        ShowContextPicture(std::min(g_nTreeSelectionLevel, static_cast<int>(kContextClub)), g_nTreeSelectionData, true,
                           StatsIsCupKind(g_nTreeSelectionKind) ? 1 : 0);
    BuildPage();
    Repaint(0);
}

void CStatsScreen::Close() {
    if (CScreenManager* m = PageManager()) {
        if (m_nPage == kLeagueTablePage) {
            m->MarkTreeItems(0, kTreeKindCompetition, 3, 1);
            // The group entries belong to this page only.
            for (const GroupEntry& g : m_Groups)
                if (g.node && g.node->parent) {
                    m->DeleteTreeChildren(g.node->parent);
                    break;
                }
            std::vector<CCup*> done;
            for (const GroupEntry& g : m_Groups) {
                if (std::find(done.begin(), done.end(), g.cup) != done.end()) continue;
                done.push_back(g.cup);
                if (CTreeNode* cupNode = m->FindTreeItem(reinterpret_cast<uintptr_t>(g.cup)))
                    m->DeleteTreeChildren(cupNode);
            }
            m_Groups.clear();
        }
        if (m_bClearMarks) m->ClearTreeMarks();
        if (!m->IsOffHistory())
            m->MarkHistoryEntry(static_cast<intptr_t>(g_nTreeSelectionData),
                                static_cast<uint8_t>(g_nTreeSelectionKind == 255 ? 0 : g_nTreeSelectionKind));
    }
    CScreensInfo::Close();
}

bool CStatsScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

int CStatsScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CStatsScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

// ---- the cup groups of page 49 ----

void CStatsScreen::OfferCupGroups() {
    CWorldData* world = GetWorldData();
    CScreenManager* m = PageManager();
    if (!world || !m) return;
    m_Groups.clear();
    for (int f = 0; f < world->GetFederationList().GetSize(); ++f) {
        CFederation* fed = world->GetFederation(f);
        if (!fed) continue;
        for (int i = 0; i < fed->GetCupCount(); ++i) OfferGroupsOf(fed->GetCup(i));
    }
    for (int c = 0; c < world->GetCountryList().GetSize(); ++c) {
        CCountry* country = world->GetCountry(c);
        if (!country || country->GetFollowLevel() == kNotFollowed) continue;
        for (auto& cup : country->GetCups()) OfferGroupsOf(cup.get());
        OfferGroupsOf(country->GetCharityShield());
        for (int p = 0; p < country->GetPlayOffs().GetSize(); ++p) OfferGroupsOf(country->GetPlayOff(p));
    }
}

void CStatsScreen::OfferGroupsOf(CCup* cup) {
    CScreenManager* m = PageManager();
    CWorldData* world = GetWorldData();
    if (!cup || !m || !world) return;
    CTreeNode* node = m->FindTreeItem(reinterpret_cast<uintptr_t>(cup));
    if (!node) return;
    m->DeleteTreeChildren(node);
    CCupRound* round = cup->m_Rounds.GetFirstGroupRound();
    const int today = world->GetMatchDay();
    CMatchTime date;
    if (!round || !round->GetFirstLegDate(date) || date.GetMatchDay() > today) {
        m->MarkTreeItems(reinterpret_cast<uintptr_t>(cup), kTreeKindCompetition, 3, 0);
        return;
    }
    // The latest group round whose day has come holds the groups as they stand.
    for (CCupRound* next = cup->m_Rounds.GetNextRound(round); next && CCupRound::IsGroupKind(next->m_Kind);
         next = cup->m_Rounds.GetNextRound(next)) {
        CMatchTime d;
        if (!next->GetFirstLegDate(d) || d.GetMatchDay() > today) break;
        round = next;
    }
    for (int g = 0; g < round->GetGroupCount(); ++g) {
        CTreeNode* child =
            m->InsertTreeItem(platform::StrPrintf(platform::LoadString(kStatsGroupText).c_str(), g + 1),
                              kStatsCupIcon, node, reinterpret_cast<uintptr_t>(round), g);
        if (child) m_Groups.push_back({child, cup, round, g});
    }
    m_bClearMarks = 1;
}

const CStatsScreen::GroupEntry* CStatsScreen::SelectedGroup() const {
    for (const GroupEntry& g : m_Groups)
        if (reinterpret_cast<uintptr_t>(g.round) == g_nTreeSelectionData && g.group == g_nTreeSelectionKind)
            return &g;
    return nullptr;
}

// ---- building the page ----

void CStatsScreen::FillHeading() {
    CXStatic* heading = GetHeading();
    if (!heading) return;
    std::string text;
    const uintptr_t data = g_nTreeSelectionData;
    const GroupEntry* group = m_nPage == kLeagueTablePage && m_bCupGroup ? SelectedGroup() : nullptr;
    if (group) {
        text = platform::FormatMessageId(kStatsGroupHeading, {std::to_string(group->group + 1), group->cup->m_Name});
    } else if (data) {
        const bool cup = StatsIsCupKind(g_nTreeSelectionKind);
        switch (g_nTreeSelectionLevel) {
            case kStatsFederation: text = reinterpret_cast<const CFederation*>(data)->GetName(); break;
            case kStatsCountry:
                text = cup ? std::string(reinterpret_cast<const CCup*>(data)->m_Name)
                           : std::string(reinterpret_cast<const CCountry*>(data)->GetName());
                break;
            case kStatsDivision:
                text = cup ? std::string(reinterpret_cast<const CCup*>(data)->m_Name)
                           : std::string(reinterpret_cast<const CDivision*>(data)->GetName());
                break;
            case kStatsClub: text = reinterpret_cast<const CClub*>(data)->GetName(); break;
            default: break;
        }
    }
    heading->SetText(text);
}

void CStatsScreen::ShowListOrNoData(bool hasRows) {
    if (CListControl* list = GetStatsList()) list->Show(hasRows);
    if (CXStatic* none = GetNoDataLabel()) {
        none->SetText(platform::LoadString(kStatsNoData));
        none->Show(!hasRows);
    }
}

void CStatsScreen::BuildPage() {
    FillHeading();
    CListControl* list = GetStatsList();
    if (!list) return;
    list->m_nRowLimit = -1;
    list->ResetContent();
    if (m_nPage == kLeagueTablePage) {
        const GroupEntry* group = m_bCupGroup ? SelectedGroup() : nullptr;
        if (group)
            FillGroupTable(*group);
        else
            FillLeagueTable();
    } else {
        FillScopeList();
    }
    list->Redraw();
}

void CStatsScreen::FillLeagueTable() {
    CListControl& list = *GetStatsList();
    CXButton* form = GetFormButton();
    CXButton* table = GetTableButton();
    const bool division = g_nTreeSelectionLevel == kStatsDivision && g_nTreeSelectionData &&
                          !StatsIsCupKind(g_nTreeSelectionKind);
    if (!division) {
        // Nothing to rank: a federation, a country or no selection at all.
        if (form) form->Enable(false);
        if (table) table->Enable(false);
        return;
    }
    auto* div = reinterpret_cast<CDivision*>(g_nTreeSelectionData);
    const CCountry* country = GetWorldData() ? GetWorldData()->GetCountry(div->GetCountry()) : nullptr;
    const bool followed = country && country->IsFollowed();
    if (!followed) FormMode() = 0;
    if (FormMode()) {
        if (CXStatic* caption = GetCaption()) caption->SetText(platform::LoadString(kCurrentForm));
        if (form) form->Enable(false);
        if (table) table->Enable(true);
        div->RankByForm();
        div->FillFormTable(list);
        for (int r = 0; r < list.GetRowCount(); ++r)
            if (const auto* club = reinterpret_cast<const CClub*>(list.GetItemData(r)); club && !club->IsHumanManaged())
                list.SetRowColour(r, 0xFFFF00);
        return;
    }
    if (CXStatic* caption = GetCaption()) caption->SetText(platform::LoadString(kLeagueTable));
    if (table) table->Enable(false);
    if (form) form->Enable(followed);
    // Each club's row at its table place, with the arrow of its last move.
    std::vector<const CClub*> clubs;
    CWorldData* world = GetWorldData();
    for (int i = 0; world && i < div->GetClubCount(); ++i)
        if (const CClub* club = world->GetClub(div->GetFirstClub() + i)) clubs.push_back(club);
    std::stable_sort(clubs.begin(), clubs.end(), [](const CClub* a, const CClub* b) {
        return a->LeagueRow().m_Position < b->LeagueRow().m_Position;
    });
    for (const CClub* club : clubs)
        club->AddLeagueTableRow(list, 0xFFFFFF, 65535, 65280, div->m_PromotionPlayOffClubs,
                                div->m_RelegationPlayOffClubs, 0xFFFF00);
}

void CStatsScreen::FillGroupTable(const GroupEntry& entry) {
    CListControl& list = *GetStatsList();
    if (CXStatic* caption = GetCaption()) caption->SetText(platform::LoadString(kLeagueTable));
    if (CXButton* b = GetFormButton()) b->Enable(false);
    if (CXButton* b = GetTableButton()) b->Enable(false);
    CWorldData* world = GetWorldData();
    CExtDWordArray clubs;
    entry.round->CollectGroupClubs(entry.group, clubs, entry.cup->m_Rounds.GetNextRound(entry.round));
    if (clubs.GetSize() < 1 || !world) return;
    CTableDataList table;
    table.CreateRows(clubs.GetSize());
    table.ResetAll();
    table.SetClubs(clubs);
    entry.cup->m_Rounds.BuildGroupTable(*entry.cup, entry.group, table, 0, entry.cup->m_Rounds.GetFirstGroupRound());
    table.Sort();
    list.AddEmptyRows(table.GetSize());
    for (int i = 0; i < table.GetSize(); ++i) {
        const CTableData& row = *table.GetAt(i);
        const int p = std::clamp(static_cast<int>(row.m_Position), 0, table.GetSize() - 1);
        const CClub* club = world->GetClub(row.m_Club);
        list.SetItemNumber(p, 0, p + 1);
        list.SetItem(p, 2, club ? club->GetName() : std::string());
        const int values[] = {row.GetPlayed(), row.GetWon(),      row.GetDrawn(),
                              row.GetLost(),   row.GetGoalsFor(), row.GetGoalsAgainst()};
        for (int c = 0; c < 6; ++c) list.SetItemNumber(p, 3 + c, values[c]);
        list.SetItemNumber(p, 9, row.m_Points);
        list.SetRowData(p, reinterpret_cast<uintptr_t>(club), 0);
        list.SetRowColour(p, 0xFFFFFF);
    }
}

void CStatsScreen::FillScopeList() {
    CListControl& list = *GetStatsList();
    const uintptr_t data = g_nTreeSelectionData;
    const int level = g_nTreeSelectionLevel;
    if (data && !StatsIsCupKind(g_nTreeSelectionKind)) {
        switch (level) {
            case kStatsFederation: {
                const auto* fed = reinterpret_cast<const CFederation*>(data);
                if (m_nPage == kScorersPage) fed->FillTopScorerList(list);
                if (m_nPage == kManagerRatingsPage) fed->FillManagerList(list);
                if (m_nPage == kGatesPage) fed->FillClubList(list);
                break;
            }
            case kStatsCountry: {
                const auto* country = reinterpret_cast<const CCountry*>(data);
                if (m_nPage == kScorersPage) country->FillTopScorerList(list);
                if (m_nPage == kManagerRatingsPage) country->FillManagerList(list);
                if (m_nPage == kGatesPage) country->FillClubList(list);
                break;
            }
            case kStatsDivision: {
                const auto* div = reinterpret_cast<const CDivision*>(data);
                if (m_nPage == kScorersPage) div->FillTopScorerList(list);
                if (m_nPage == kManagerRatingsPage) div->FillManagerList(list);
                if (m_nPage == kGatesPage) div->FillClubList(list);
                break;
            }
            case kStatsClub:
                if (m_nPage == kScorersPage) reinterpret_cast<const CClub*>(data)->AddTopScorerRows(list);
                break;
            default: break;
        }
    }
    const int sortColumn = m_nPage == kScorersPage ? 5 : m_nPage == kManagerRatingsPage ? 3 : 5;
    if (m_nPage == kGatesPage)
        list.Show(true);
    else
        ShowListOrNoData(list.GetRowCount() > 0);
    if (list.GetRowCount() > 0) {
        // The whole scope is ranked, then its top rows kept.
        list.Sort(sortColumn);
        list.m_nRowLimit = kTopRows;
    }
}

// ---- commands, the tree and the mouse ----

void CStatsScreen::OnFormMode(uint8_t mode) {
    FormMode() = mode;
    BuildPage();
    Repaint(0);
}

bool CStatsScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nPage == kLeagueTablePage && (id == kCurrentForm || id == kLeagueTable)) {
        OnFormMode(id == kCurrentForm ? 1 : 0);
        return true;
    }
    return CScreensInfo::OnCommand(id, code, control);
}

void CStatsScreen::OnTreeSelect(const TreeNotice* item) {
    // The root and the expand notices select nothing.
    if (!item || item->level < kStatsFederation || item->word != 0) return;
    CScreensInfo::OnTreeSelect(item);
    m_bCupGroup = 0;
    const bool cupKind = StatsIsCupKind(item->kind);
    if (m_nPage != kLeagueTablePage) {
        if (item->data)
            ShowContextPicture(std::min(item->level, static_cast<int>(kContextClub)), item->data, true, cupKind ? 1 : 0);
        BuildPage();
        Repaint(0);
        return;
    }
    if (SelectedGroup()) {
        m_bCupGroup = 1;
        BuildPage();
        Repaint(0);
        return;
    }
    if (item->level == kStatsDivision && !cupKind) {
        ShowContextPicture(kContextDivision, item->data, true, 0);
        auto* div = reinterpret_cast<const CDivision*>(item->data);
        const CCountry* country = GetWorldData() ? GetWorldData()->GetCountry(div->GetCountry()) : nullptr;
        if (!country || !country->IsFollowed()) FormMode() = 0;
        BuildPage();
        Repaint(0);
        return;
    }
    if (CXButton* b = GetFormButton()) b->Enable(false);
    if (CXButton* b = GetTableButton()) b->Enable(false);
    Repaint(0);
}

void CStatsScreen::OnRButtonDown(uint32_t flags, Point pt) {
    // The scorers are players, with the player menu; the other lists'
    // rows are clubs and managers, with the page's menu.
    PressForPageMenu(*this, flags, pt, m_nPage, m_nPage == kScorersPage ? kPlayerMenuCode : kNoRowMenu, m_bMenuShown,
                     [&] { CScreensInfo::OnRButtonDown(flags, pt); });
}

void CStatsScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    CScreensInfo::OnLButtonDblClk(flags, pt);
    CListControl* list = GetStatsList();
    if (!list || flags != ui::kRelayedFlags) return;
    const int row = list->GetPointerRow();
    if (row < 0 || row >= list->GetRowCount()) return;
    CScreenManager* m = PageManager();
    if (!m) return;
    const uintptr_t data = list->GetItemData(row);
    if (!data) return;
    if (m_nPage == kScorersPage) {
        m->OpenScreenById(kStatsPersonScreen, static_cast<intptr_t>(data), static_cast<intptr_t>(list->GetItemData2(row)),
                          0, 0);
    } else if (m_nPage == kGatesPage) {
        // The club's own page: its information.
        g_nTreeSelectionLevel = kStatsClub;
        g_nTreeSelectionData = data;
        g_nTreeSelectionKind = 0;
        g_nScreenId = 9;
        m->SetScreen(MakePage(PageClass::Youth), true, true, false, true, false);
    }
}

// ---- printing the league table ----

int CStatsScreen::HasGraph() { return m_nPage == kLeagueTablePage ? 1 : 0; }

void CStatsScreen::GetHeadings(std::string& title, std::string& heading1, std::string& heading2,
                               std::string& heading3) {
    CWorldData* world = GetWorldData();
    const CClub* club = world ? world->GetCurrentClub() : nullptr;
    title = platform::LoadString(kStatsPrintTitle);
    heading1 = club ? club->GetName() : std::string();
    heading2 = world ? world->GetDateText() : std::string();
    heading3 = club ? club->GetManagerNameOrNone() : std::string();
}

void CStatsScreen::Print(platform::gfx::Canvas* dc, PrintInfo* /*info*/) { DrawContent(dc); }

void CStatsScreen::DrawContent(platform::gfx::Canvas* dc) {
    CListControl* list = GetStatsList();
    if (!dc || !list || m_nPage != kLeagueTablePage) return;
    std::string lines[4];
    GetHeadings(lines[0], lines[1], lines[2], lines[3]);
    BeginPrintedPage(dc, lines, 200);
    // The list's columns scaled from the page's pixels, from (200, -500) down.
    auto small = platform::gfx::Font::Create("Arial", -40, 400);
    dc->SelectFont(small);
    constexpr int kScale = 3, kRowStep = 55;
    int x = 200;
    for (int c = 0; c < list->GetColumnCount(); ++c) {
        if (const char* h = list->GetColumnHeader(c)) dc->TextOut(x, -500, h);
        x += list->GetColumnWidth(c) * kScale;
    }
    for (int r = 0; r < list->GetRowCount(); ++r) {
        x = 200;
        for (int c = 0; c < list->GetColumnCount(); ++c) {
            if (const char* t = list->GetItemText(r, c); t && !(list->GetColumnFormat(c) & kColumnPicture))
                dc->TextOut(x, -500 - kRowStep * (r + 1), t);
            x += list->GetColumnWidth(c) * kScale;
        }
    }
    dc->RestoreDC(-1);
}
