#include "screens/newsscreen.h"

#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/pages.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/division.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xmessages.h"

using namespace platform::win;

namespace {

constexpr unsigned kWinsClubName = 49050;

CScreen* MakeNewsScreen() { return new CNewsScreen(); }

bool NewsCountryHasDivisions(const CCountry* c) { return c && c->GetDivisionCount() > 0; }

}  // namespace

CNewsScreen::CNewsScreen() : m_nPage(g_nScreenId) {
    SetBackground("gfx\\backgrounds\\107.bmp");
    SetTitle(platform::LoadString(21610));
}

CNewsScreen::~CNewsScreen() = default;

PageFactory CNewsScreen::GetPageFactory() const { return &MakeNewsScreen; }

void RegisterNewsScreen() { RegisterPageFactory(PageClass::News, &MakeNewsScreen); }

int CNewsScreen::GetHistoryParams(HistoryState* block) {
    if (block) *block = m_HistoryBlock;
    return 0;
}

void CNewsScreen::SetHistoryParams(const HistoryState* block) {
    if (block) m_HistoryBlock = *block;
}

// ---- the hub's table ----

const std::vector<HubAdvisorRule>& CNewsScreen::AdvisorRules() const {
    // The rumour mole passes on what he hears, in this order; with nothing
    // heard he says all is quiet.
    static const std::vector<HubAdvisorRule> kRules = {
        {kRumourMole,
         {{{148, 49010}, {149, 49011}, {229, 49012}, {230, 49013}, {231, 49014}, {233, 49015}, {234, 49016},
           {150, 49017}}},
         {245, 49018}},
    };
    return kRules;
}

const std::vector<HubSection>& CNewsScreen::Sections() const {
    static const std::vector<HubSection> kSections = {
        {kClubMessages, PageClass::News, kClubPage, true},
        {kLeagueMessages, PageClass::News, kLeaguePage, false},
        {kNewspaper, PageClass::News, kPaperPage, false},
    };
    return kSections;
}

// ---- building ----

CXStatic* CNewsScreen::LabelAt(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXButton* CNewsScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

void CNewsScreen::Enable() {
    const platform::win::Point at = ScreenToClient(platform::win::Ui::Get().CursorPos());
    Send(platform::win::WM_MOUSEMOVE, platform::win::Ui::Get().MouseFlags(), platform::win::MakePointParam(at));
    CSectionHub::Enable();
}

void CNewsScreen::Initialise() {
    m_nPendingWipe = 0;
    BuildScreen(m_nPage);
    if (m_nPage == kHubPage) {
        // The contact line waits for a contact.
        if (CXStatic* line = GetAdvisorLabel()) line->SetText("");
        SetUpHub();
    }
}

void CNewsScreen::Refresh() {
    if (IsMessagePage()) SetUpMessagePage();
    if (m_nPage == kPaperPage) {
        m_pCountry = nullptr;
        // Back to a paper shows the country it showed.
        if (CWorldData* world = GetWorldData(); world && m_bHistoryValueSet && m_nHistoryValue >= 0 &&
                                                m_nHistoryValue < world->GetCountryList().GetSize()) {
            CCountry* c = world->GetCountry(m_nHistoryValue);
            if (c && c->GetDivisionCount() > 0) m_pCountry = c;
        }
        if (!m_pCountry) m_pCountry = ChooseNewspaperCountry();
        CreatePageButtons();
    }
    UpdatePage();
}

void CNewsScreen::UpdatePage() {
    if (IsMessagePage()) ShowMessages();
    if (m_nPage == kPaperPage) BuildNewspaper();
    if (m_nPage == kWinsPage) FillPlaceholderList();
    if (m_nPage == kHubPage) ShowAdvisor();
}

void CNewsScreen::Close() {
    if (m_nPage == kPaperPage) {
        if (auto* manager = dynamic_cast<CScreenManager*>(Parent())) {
            int index = -1;
            if (CWorldData* world = GetWorldData())
                for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
                    if (world->GetCountry(i) == m_pCountry) index = i;
            manager->MarkHistoryEntry(index, 0);
        }
    }
    CSectionHub::Close();
}

bool CNewsScreen::GetToolTipText(int index, std::string& text) {
    const CHotSpot* spot = GetHotSpot(index);
    if (!spot) return true;
    text = platform::LoadString(spot->Id());
    // A spread's button names its division.
    if (m_nPage == kPaperPage && spot->Id() > kBackPage && spot->Id() <= kFrontPage + 9 && m_pCountry)
        if (const CDivision* d = m_pCountry->GetDivision(static_cast<int>(spot->Id() - 20652) / 2))
            text += " " + std::string(d->GetName());
    if (const size_t br = text.find('\n'); br != std::string::npos) text = text.substr(br + 1);
    return true;
}

// ---- the country shown ----

CCountry* CNewsScreen::CountryOfTreeItem(int level, int kind, uintptr_t data) {
    CWorldData* world = GetWorldData();
    if (!world || !data || kind == kTreeKindCompetition) return nullptr;
    // The selection is checked against the world's lists: a node of an
    // earlier page may name an object no longer there.
    if (level == kContextCountry) {
        for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
            if (reinterpret_cast<uintptr_t>(world->GetCountry(i)) == data) return world->GetCountry(i);
    } else if (level == kContextDivision) {
        for (int i = 0; i < world->GetDivisionList().GetSize(); ++i)
            if (CDivision* d = world->GetDivision(i); reinterpret_cast<uintptr_t>(d) == data)
                return world->GetCountry(d->GetCountry());
    } else if (level == kContextClub) {
        for (int i = 0; i < world->GetClubList().GetSize(); ++i)
            if (CClub* c = world->GetClub(i); reinterpret_cast<uintptr_t>(c) == data) return c->GetCountry();
    }
    return nullptr;
}

CCountry* CNewsScreen::ChooseShownCountry() {
    CWorldData* world = GetWorldData();
    if (!world) return nullptr;
    if (CCountry* c = CountryOfTreeItem(g_nTreeSelectionLevel, g_nTreeSelectionKind, g_nTreeSelectionData)) return c;
    if (CCountry* c = world->GetCurrentCountry()) return c;
    for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
        if (NewsCountryHasDivisions(world->GetCountry(i))) return world->GetCountry(i);
    return nullptr;
}

// ---- the message pages ----

void CNewsScreen::SetUpMessagePage() {
    CWorldData* world = GetWorldData();
    if (m_nPage == kLeaguePage) {
        m_pCountry = ChooseShownCountry();
        if (m_pCountry) ShowFlagPicture(m_pCountry->GetId());
    } else if (CClub* club = world ? world->GetCurrentClub() : nullptr; club && HubManagerEmployed()) {
        BuildClubKitSurface(reinterpret_cast<uintptr_t>(club));
    }
    m_MessagePanel.Create("", WS_CHILD | WS_VISIBLE, kMessageRect, this, kMessagePanelId, "Arial Narrow", 21,
                          platform::gfx::RGB(255, 255, 255), 0, 0);
    if (world) m_ShownDate = world->GetMatchTime();
    ShowDateButtons();
}

void CNewsScreen::ShowDateButtons() {
    CWorldData* world = GetWorldData();
    bool left = m_ShownDate.GetMatchDay() > 1;
    bool right = false;
    if (world) {
        CMatchTime next = m_ShownDate;
        next.NextMatchDay();
        right = !world->GetMatchTime().IsBefore(next);
    }
    if (CXButton* b = GetLeftDateButton()) b->Show(left);
    if (CXButton* b = GetRightDateButton()) b->Show(right);
}

void CNewsScreen::ShowMessages() {
    CWorldData* world = GetWorldData();
    std::string date;
    m_ShownDate.GetDateText(date);
    m_ShownLines.clear();
    std::string name;
    if (m_nPage == kLeaguePage) {
        if (m_pCountry) {
            name = m_pCountry->GetName();
            m_pCountry->FillNewsStrings(m_ShownLines, date);
        }
    } else if (world && HubManagerEmployed()) {
        if (CClub* club = world->GetCurrentClub()) name = club->GetName();
        if (CHumanManager* user = world->GetCurrentUser()) user->GetNewsLines(m_ShownLines, date);
    }
    SetRedraw(false);
    if (CXStatic* label = GetNameLabel()) label->SetText(name);
    std::string shown;
    m_ShownDate.FormatDate(shown);
    if (CXStatic* label = GetDateLabel()) label->SetText(shown);
    SetRedraw(true);
    const bool none = m_ShownLines.empty();
    if (m_MessagePanel.IsAlive()) {
        m_MessagePanel.Clear();
        m_MessagePanel.AddLines(m_ShownLines);
        m_MessagePanel.ScrollToTop();
        m_MessagePanel.Show(!none);
        m_MessagePanel.Redraw();
    }
    if (CXStatic* label = GetNoMessagesLabel()) label->Show(none);
    Repaint(0);
}

void CNewsScreen::OnLeftDate() {
    if (!IsMessagePage() || m_ShownDate.GetMatchDay() <= 1) return;
    m_ShownDate.PreviousMatchDay();
    ShowMessages();
    ShowDateButtons();
    Repaint(0);
}

void CNewsScreen::OnRightDate() {
    CWorldData* world = GetWorldData();
    if (!IsMessagePage() || !world) return;
    CMatchTime next = m_ShownDate;
    next.NextMatchDay();
    // Browsing never passes the game's own day.
    if (world->GetMatchTime().IsBefore(next)) return;
    m_ShownDate = next;
    ShowMessages();
    ShowDateButtons();
    Repaint(0);
}

void CNewsScreen::OnTreeSelect(const TreeNotice* item) {
    if (!item) return;
    CScreensInfo::OnTreeSelect(item);
    // The world, a federation or a competition changes nothing.
    if (item->level < kContextCountry || item->kind == kTreeKindCompetition) return;
    if (m_nPage == kPaperPage) {
        CCountry* country = CountryOfTreeItem(item->level, item->kind, item->data);
        if (!country || country == m_pCountry || country->GetDivisionCount() == 0) return;
        m_pCountry = country;
        BuildNewspaper();
        return;
    }
    if (m_nPage != kLeaguePage) return;
    CCountry* country = CountryOfTreeItem(item->level, item->kind, item->data);
    if (!country) return;
    m_pCountry = country;
    // The flag is the shown country's, whatever node named it.
    ShowContextPicture(kContextCountry, reinterpret_cast<uintptr_t>(country), true, 0);
    if (CWorldData* world = GetWorldData()) {
        m_ShownDate = world->GetMatchTime();
        // A new country opens on the match day before today's, where its
        // latest results are.
        if (m_ShownDate.GetMatchDay() > 1) m_ShownDate.PreviousMatchDay();
    }
    ShowDateButtons();
    UpdatePage();
    Repaint(0);
}

// ---- Successive Wins ----

void CNewsScreen::FillPlaceholderList() {
    if (GetListCount() < 1) return;
    CListControl& list = GetList(0);
    list.ResetContent();
    const std::string club = platform::LoadString(kWinsClubName);
    for (int r = 0; r < kWinsRows; ++r) {
        list.AddRow(club, 0, 0, 0);
        for (int c = 1; c <= 3; ++c) list.SetItem(r, c, std::to_string(r));
        list.SetRowColour(r, platform::gfx::RGB(255, 255, 255));
    }
}

// ---- commands and the mouse ----

bool CNewsScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (IsMessagePage() && id == kLeftDate) {
        OnLeftDate();
        return true;
    }
    if (IsMessagePage() && id == kRightDate) {
        OnRightDate();
        return true;
    }
    if (m_nPage == kPaperPage && id >= kFrontPage && id < kFrontPage + kPaperButtons) {
        OnPageCommand(id);
        return true;
    }
    return CSectionHub::OnCommand(id, code, control);
}

void CNewsScreen::OnRButtonDown(uint32_t flags, Point pt) {
    // The hub's menus are the section hub's: the contact's over a row while
    // the manager has a club, the page's elsewhere. A row pressed without a
    // club answers with no menu at all, not the page's.
    if (m_nPage == kHubPage) {
        if (!HubManagerEmployed() && HitTestListRow(pt.x, pt.y) >= 0) {
            CScreensInfo::OnRButtonDown(flags, pt);
            return;
        }
        OnHubRightPress(flags, pt, m_nPage);
        return;
    }
    CSectionHub::OnRButtonDown(flags, pt);
    ShowContextMenu(m_nPage, pt.x, pt.y, 0);
}

void CNewsScreen::OnLButtonDblClk(uint32_t flags, Point pt) {
    if (m_nPage == kHubPage) {
        CSectionHub::OnLButtonDblClk(flags, pt);
        return;
    }
    CScreensInfo::OnLButtonDblClk(flags, pt);
    if (m_nPage == kPaperPage) OpenLocalNewsPage();
}
