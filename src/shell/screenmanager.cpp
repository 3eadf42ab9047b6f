#include "shell/screenmanager.h"

#include <array>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/screen.h"
#include "shell/mainframe.h"
#include "shell/screensinfo.h"
#include "shell/setupstate.h"
#include "shell/view.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/treewindow.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

std::array<PageFactory, static_cast<size_t>(PageClass::Count)> g_factories{};
MatchPageFactory g_matchFactory = nullptr;

CScreen* MakePlainPage();

// The page that stands in for a page class not registered: the table's
// caption, background and rows.
class CTablePage : public CScreensInfo {
public:
    void Initialise() override { BuildScreen(g_nScreenId); }
    PageFactory GetPageFactory() const override { return &MakePlainPage; }
};

CScreen* MakePlainPage() { return new CTablePage(); }

constexpr int kBackButton = 10;
constexpr int kForwardButton = 15;
constexpr int kManagerSelectionButton = 16;
constexpr int kProgressScreen = 114;
constexpr int kNewGameScreen = 91;
constexpr int kMatchScreen = 64;
constexpr int kMatchSummaryScreen = 16;
constexpr int kJobCentreScreen = 38;
constexpr int kRefereeTablesScreen = 87;
constexpr unsigned kNewGameText = 786;

bool KeepsBackDisabled(int screen) { return screen == 60 || screen == 62 || screen == 116 || screen == 23; }

}  // namespace

void RegisterPageFactory(PageClass kind, PageFactory factory) {
    if (kind < PageClass::Count) g_factories[static_cast<size_t>(kind)] = factory;
}

PageFactory GetPageFactory(PageClass kind) {
    PageFactory f = kind < PageClass::Count ? g_factories[static_cast<size_t>(kind)] : nullptr;
    return f ? f : &MakePlainPage;
}

CScreen* MakePage(PageClass kind) { return GetPageFactory(kind)(); }

void RegisterMatchPageFactory(MatchPageFactory factory) { g_matchFactory = factory; }

CScreenManager::CScreenManager() {
    SetHelpModesQuery([this](HelpModes& modes) {
        if (!m_pCurrent) return false;
        m_pCurrent->GetHelpModes(modes);
        return true;
    });
}

CScreenManager::~CScreenManager() {
    SetHelpModesQuery(nullptr);
    if (m_pCurrent) {
        if (m_pCurrent->IsAlive()) {
            m_pCurrent->Close();
            m_pCurrent->platform::win::Window::Show(false);
            m_pCurrent->Destroy();
        }
        delete m_pCurrent;
        m_pCurrent = nullptr;
    }
}

bool CScreenManager::Create(Window* parent, const Rect& rect) {
    return Window::Create(parent, rect, WS_CHILD | WS_VISIBLE, 0, "ScreenManager");
}

CBrixholmView* CScreenManager::GetView() const { return dynamic_cast<CBrixholmView*>(Parent()); }

void CScreenManager::OnPaint(const PaintContext& pc) { pc.Fill(ClientRect(), 0); }

void CScreenManager::DropCurrentPage() {
    if (!m_pCurrent) return;
    CScreen* old = m_pCurrent;
    m_pCurrent = nullptr;
    // Hidden and closed now; destroyed and deleted once no handler of it
    // runs, since the switch may come from the old page's own button.
    old->platform::win::Window::Show(false);
    old->Close();
    if (old->IsAlive())
        old->DeleteLater();
    else
        delete old;
}

bool CScreenManager::SetScreen(CScreen* page, bool create, bool addToHistory, bool fullPage, bool enableToolBar,
                               bool fromHistory) {
    if (!page) return false;
    Ui& ui = Ui::Get();
    CBrixholmView* view = GetView();
    ui.BeginWaitCursor();
    if (view) view->SetRedraw(false);
    DropCurrentPage();
    m_pCurrent = page;
    g_nCurrentScreen = g_nScreenId;
    if (view) view->SetTreeMarkLevel(2);
    if (create) {
        page->Create(this);
        page->Initialise();
    }
    page->Refresh();
    if (view) view->SetFullPage(fullPage ? 1 : 0);
    if (addToHistory) {
        HistoryState state;
        page->GetHistoryParams(&state);
        m_History.AddHistoryEntry(page->GetTitle(), page->GetPageFactory(), state, g_nScreenId,
                                  GetCommandForScreen(g_nScreenId));
    }
    m_bOffHistory = fromHistory ? 0 : (addToHistory ? 0 : 1);
    if (view) {
        view->SetAllToolBarButtons(enableToolBar);
        if (enableToolBar) {
            view->SetToolBarButton(kForwardButton, m_History.GetCurrent() < m_History.GetCount() - 1);
            view->SetToolBarButton(kBackButton, m_History.GetCurrent() > 0);
        }
        if (view->ModalBusy() && !KeepsBackDisabled(g_nScreenId)) view->SetToolBarButton(kBackButton, true);
    }
    g_bHumanMatchToday = 0;
    if (g_bGameInProgress) {
        CWorldData* world = GetWorldData();
        if (world) {
            if (world->GetHumanManagerCount() < 2 && view) view->SetToolBarButton(kManagerSelectionButton, false);
            CFixtureInfo fixture;
            g_bHumanMatchToday = world->GetUserList().IsHumanMatchDay(world->GetClock(), fixture) ? 1 : 0;
        }
    }
    if (view) {
        view->ShowMatchDayButtons();
        view->HideTreeTitleTip();
    }
    page->Enable();
    page->RepaintHidden();
    if (view) view->SetRedraw(true);
    page->Show();
    if (view) view->RedrawChildren();
    int wipe = Random(8);
    if (wipe < 1 || wipe > 8) wipe = 1;
    page->RepaintWithWipe(wipe);
    ui.SetFocus(page);
    if (g_nScreenId != kProgressScreen)
        while (ui.WaitCursorShown()) ui.EndWaitCursor();
    return true;
}

void CScreenManager::ShowHistoryEntry(int index) {
    const HistoryEntry* e = m_History.GetAt(index);
    if (!e) return;
    const HistoryEntry entry = *e;
    g_nScreenId = entry.screenId;
    CScreen* page = (entry.factory ? entry.factory : &MakePlainPage)();
    page->SetHistoryParams(&entry.state);
    if (entry.valueSet == 1) {
        page->m_bHistoryValueSet = 1;
        page->m_nHistoryValue = entry.value;
        page->m_nHistorySubValue = entry.subValue;
    }
    if (!entry.time.IsUnset()) page->m_HistoryTime = entry.time;
    m_History.SetCurrent(index);
    CBrixholmView* view = GetView();
    const bool modal = view && view->ModalBusy();
    SetScreen(page, true, false, false, !modal, true);
}

bool CScreenManager::GoBack(int n) {
    const int i = m_History.GetCurrent();
    if (i > 0 && n > i) return false;
    if (i == 0 && g_nScreenId != 6) return false;
    if (m_bOffHistory && n < 2) {
        // The page left was not recorded: Back returns to the recorded one.
        if (!m_History.GetAt(i)) return false;
        ShowHistoryEntry(i);
        return true;
    }
    if (!m_History.GetAt(i - n)) return false;
    ShowHistoryEntry(i - n);
    return true;
}

bool CScreenManager::RemoveHistoryEntries(const HistoryState& person, bool wholeList) {
    const bool again = m_History.RemoveHistoryEntries(person, wholeList);
    if (CBrixholmView* view = GetView())
        if (m_History.GetCurrent() >= m_History.GetCount() - 1) view->SetToolBarButton(kForwardButton, false);
    if (again) m_bOffHistory = 1;
    return again;
}

int CScreenManager::GetCommandForScreen(int id) {
    struct Pair {
        int screen, command;
    };
    static constexpr Pair kTable[] = {
        {1, 32813},  {2, 32838},   {4, 32778},  {6, 32790},  {7, 32809},  {8, 32777},  {9, 32801},  {10, 32825},
        {13, 32834}, {17, 32782},  {18, 32814}, {21, 32810}, {24, 32805}, {25, 32812}, {26, 32796}, {28, 32783},
        {32, 32817}, {33, 32818},  {34, 32802}, {35, 32797}, {36, 32798}, {37, 33217}, {38, 32781}, {40, 32799},
        {42, 32819}, {43, 32826},  {45, 32791}, {47, 32806}, {49, 32820}, {53, 32839}, {60, 20444}, {70, 32792},
        {71, 32803}, {72, 32804},  {75, 32816}, {77, 32821}, {78, 32822}, {80, 32977}, {84, 32831}, {86, 32788},
        {87, 32828}, {88, 32829},  {89, 32808}, {91, 32823}, {92, 32824}, {93, 32807}, {94, 32800}, {96, 20445},
        {110, 20446}, {111, 32837}, {113, 32840}, {116, 32841}, {117, 32859}, {118, 32891}, {119, 33218},
    };
    if (id >= 99 && id <= 107) return 19410 + (id - 99);
    for (const Pair& p : kTable)
        if (p.screen == id) return p.command;
    return -1;
}

void CScreenManager::OpenPage(PageClass kind, int screen, bool record, bool enableToolBar, const PageParams& params) {
    g_nScreenId = screen;
    CScreen* page = MakePage(kind);
    page->SetPageParams(params);
    SetScreen(page, true, record, false, enableToolBar, false);
}

void CScreenManager::OpenScreenById(int id, intptr_t a, intptr_t b, intptr_t c, intptr_t d) {
    PersonPageParams person;
    person.subject = reinterpret_cast<void*>(a);
    person.value = b;
    switch (id) {
        case 62:
            // The fourth value is the sell-on already agreed.
            person.kind = static_cast<int>(c & 0xFF);
            person.sellOn = static_cast<uint8_t>(d);
            OpenPage(PageClass::Player, id, false, false, person);
            break;
        case 23:
            person.sellOn = static_cast<uint8_t>(c);
            person.club = d;
            OpenPage(PageClass::Player, id, false, false, person);
            break;
        case 60:
            // The second word is the subject's kind.
            person.kind = static_cast<int>(b);
            OpenPage(PageClass::Player, id, false, false, person);
            break;
        case 116:
            OpenPage(PageClass::Manager, id, false, false, VacancyPageParams{reinterpret_cast<void*>(a)});
            break;
        case 32778:
            g_nScreenId = 4;
            SetScreen(MakePage(PageClass::SquadSelect), true, true, false, false, false);
            break;
        default:
            break;
    }
}

void CScreenManager::StartNewGame() {
    g_bGameInProgress = 0;
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) frame->ResetStatusBar();
    ProgressPageParams progress;
    progress.caption = 13;
    progress.textId = kNewGameText;
    progress.text = platform::LoadString(kNewGameText);
    progress.flag = 1;
    g_nScreenId = kProgressScreen;
    CScreen* page = MakePage(PageClass::Title);
    page->SetPageParams(progress);
    SetScreen(page, true, false, false, false, false);
    ProgressPage* bar = dynamic_cast<ProgressPage*>(page);
    if (bar) {
        bar->DrawProgress();
        bar->SetProgress(0, 2);
    }
    if (CWorldData* world = GetWorldData()) world->ClearGame();
    if (bar && m_pCurrent == page) bar->SetProgress(1, 2);
    // One pass of the message loop, as the reset's progress asks.
    if (Message m; Ui::Get().PeekMessage(m)) Ui::Get().DispatchMessage(m);
    if (CWorldData* world = GetWorldData()) world->SetCurrentUser(-1);
    ClearHistory();
    g_nActiveUser = 0;
    g_SetupState.managerCount = 1;
    // The next game reads the start-up database again, with its own selection.
    g_SetupState.gameData = kGameDataNone;
    RefreshTree(0);
    g_nScreenId = kNewGameScreen;
    CScreen* title = MakePage(PageClass::Title);
    title->SetBackground("gfx\\backgrounds\\92.bmp");
    SetScreen(title, true, false, true, true, false);
}

ProgressPage* CScreenManager::ShowProgressScreen(int caption, const std::string& text, uint8_t flag) {
    ProgressPageParams params;
    params.caption = caption;
    params.text = text;
    params.flag = flag;
    g_nScreenId = kProgressScreen;
    CScreen* page = MakePage(PageClass::Title);
    page->SetPageParams(params);
    SetScreen(page, true, false, false, false, false);
    if (CBrixholmView* view = GetView())
        if (CTreeWindow* tree = view->GetTreeWindow(); tree && tree->IsAlive()) {
            tree->Invalidate(false);
            tree->UpdateNow();
        }
    ProgressPage* bar = dynamic_cast<ProgressPage*>(page);
    if (bar) bar->DrawProgress();
    return bar;
}

ProgressPage* CScreenManager::GetProgressPage() const {
    if (!m_pCurrent || g_nCurrentScreen != kProgressScreen) return nullptr;
    return dynamic_cast<ProgressPage*>(m_pCurrent);
}

void CScreenManager::StartMatchScreen(CMatchPlay* engine) {
    g_nScreenId = kMatchScreen;
    CScreen* page = g_matchFactory ? g_matchFactory(engine) : MakePlainPage();
    page->SetBackground("gfx\\backgrounds\\65.bmp");
    SetScreen(page, true, false, true, true, false);
}

void CScreenManager::ShowMatchSummary(int first, const std::string& text, int a, int b, int c,
                                      const CMatchTime& date, int d, int last) {
    if (text.empty()) platform::Trace("CScreenManager::ShowMatchSummary - no text\n");
    MatchSummaryParams params;
    params.first = first;
    params.last = last;
    params.text = text;
    params.a = a;
    params.b = b;
    params.c = c;
    params.d = d;
    params.date = date;
    g_nScreenId = kMatchSummaryScreen;
    CScreen* page = MakePage(PageClass::Info);
    page->SetPageParams(params);
    SetScreen(page, true, false, false, true, false);
}

CListControl* CScreenManager::GetPageList(int index) const {
    auto* page = dynamic_cast<CScreensInfo*>(m_pCurrent);
    if (!page || index >= page->GetListCount()) return nullptr;
    CListControl& list = page->GetList(index);
    return list.IsAlive() ? &list : nullptr;
}

namespace {

// The data of the list's selected row; 0 when none is selected.
intptr_t SelectedRowData(const CListControl* list) {
    if (!list) return 0;
    const int row = list->GetCurSel();
    return row >= 0 ? static_cast<intptr_t>(list->GetItemData(row)) : 0;
}

}  // namespace

intptr_t CScreenManager::GetJobCentreSelection(int screen) const {
    if (screen != kJobCentreScreen || g_nCurrentScreen != kJobCentreScreen) return 0;
    return SelectedRowData(GetPageList(0));
}

int CScreenManager::GetJobCentreRow(int screen) const {
    if (screen != kJobCentreScreen || g_nCurrentScreen != kJobCentreScreen) return -1;
    const CListControl* list = GetPageList(0);
    return list ? list->GetCurSel() : -1;
}

intptr_t CScreenManager::GetRefereeSelection(int screen) const {
    if (screen != kRefereeTablesScreen || g_nCurrentScreen != kRefereeTablesScreen) return 0;
    if (intptr_t first = SelectedRowData(GetPageList(0))) return first;
    return SelectedRowData(GetPageList(1));
}
