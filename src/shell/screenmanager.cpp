#include "shell/screenmanager.h"

#include <array>

#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/screen.h"
#include "shell/screensinfo.h"
#include "shell/view.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"
#include "ui/treewindow.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

std::array<PageFactory, static_cast<size_t>(PageClass::Count)> g_factories{};

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

CScreenManager::CScreenManager() = default;

CScreenManager::~CScreenManager() {
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
            g_bHumanMatchToday = world->IsHumanMatchDay(world->GetClock()) ? 1 : 0;
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
        page->m_nHistoryValue = static_cast<int>(entry.value);
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

intptr_t CScreenManager::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    Window* parent = Parent();
    switch (msg) {
        case ui::kMsgButtonState:
        case ui::kMsgAllButtons:
        case ui::kMsgTreeColour:
        case ui::kMsgButtonSet:
            if (!parent) {
                platform::Trace("CScreenManager: no view for a tool-bar or tree message\n");
                return 0;
            }
            return parent->Send(msg, w, l);
        default:
            return CXWnd::OnMessage(msg, w, l);
    }
}

namespace {

struct CommandRow {
    uint32_t command;
    PageClass kind;
    int screen;
    bool employed;
};

// The menus' commands and the pages they open.
constexpr CommandRow kCommands[] = {
    {19441, PageClass::Option, 67, false},      {32777, PageClass::Stats, 8, false},
    {32778, PageClass::SquadSelect, 4, true},   {32780, PageClass::Player, 37, false},
    {32781, PageClass::Finance, 38, true},      {32782, PageClass::Fixture, 17, false},
    {32783, PageClass::Graph, 28, false},       {32788, PageClass::News, 86, false},
    {32789, PageClass::Discipline, 43, false},  {32790, PageClass::Option, 6, false},
    {32791, PageClass::Manager, 45, false},     {32792, PageClass::Manager, 70, false},
    {32795, PageClass::ManProf, 95, false},     {32796, PageClass::Tact, 26, true},
    {32797, PageClass::Train, 35, true},        {32798, PageClass::Squad, 36, true},
    {32799, PageClass::Squad, 40, true},        {32800, PageClass::YTrain, 94, true},
    {32801, PageClass::Youth, 9, false},        {32802, PageClass::Stadium, 34, true},
    {32803, PageClass::Youth, 71, false},       {32804, PageClass::Kit, 72, true},
    {32805, PageClass::Player, 24, false},      {32806, PageClass::Player, 47, true},
    {32807, PageClass::Player, 93, false},      {32808, PageClass::Finance, 89, false},
    {32809, PageClass::Finance, 7, true},       {32810, PageClass::Finance, 21, true},
    {32811, PageClass::Player, 24, true},       {32812, PageClass::Finance, 25, true},
    {32813, PageClass::Fixture, 1, false},      {32814, PageClass::Fixture, 18, false},
    {32815, PageClass::Fixture, 75, false},     {32816, PageClass::Fixture, 75, false},
    {32817, PageClass::Stats, 32, true},        {32818, PageClass::Graph, 33, false},
    {32819, PageClass::Stats, 42, false},       {32820, PageClass::Stats, 49, false},
    {32821, PageClass::Info, 77, false},        {32822, PageClass::Info, 78, true},
    {32823, PageClass::News, 91, false},        {32824, PageClass::News, 92, false},
    {32825, PageClass::News, 10, false},        {32826, PageClass::Discipline, 43, false},
    {32828, PageClass::Discipline, 87, false},  {32829, PageClass::Discipline, 88, false},
    {32831, PageClass::Discipline, 84, false},  {32834, PageClass::News, 13, true},
    {32837, PageClass::Option, 111, false},     {32838, PageClass::Fixture, 2, false},
    {32839, PageClass::Fixture, 53, true},      {32840, PageClass::Graph, 113, true},
    {32841, PageClass::Manager, 116, false},    {32859, PageClass::Player, 117, true},
    {32891, PageClass::Info, 118, false},       {32897, PageClass::Player, 60, false},
    {32977, PageClass::YTrain, 80, true},       {33217, PageClass::Player, 37, true},
    {33218, PageClass::Info, 119, false},
};

// The tool box's page buttons: sections, shortcuts, options and manager selection.
constexpr CommandRow kToolboxPages[] = {
    {19410, PageClass::Manager, 99, false},    {19411, PageClass::Squad, 100, false},
    {19412, PageClass::Youth, 101, false},     {19413, PageClass::Player, 102, false},
    {19414, PageClass::Finance, 103, false},   {19415, PageClass::Fixture, 104, false},
    {19416, PageClass::Info, 105, false},      {19417, PageClass::News, 106, false},
    {19418, PageClass::Discipline, 107, false}, {19426, PageClass::Option, 111, false},
    {19432, PageClass::SquadSelect, 4, false}, {19433, PageClass::Tact, 26, false},
    {19434, PageClass::Squad, 36, false},      {19435, PageClass::Kit, 72, false},
    {19436, PageClass::Manager, 45, false},    {19437, PageClass::Stats, 32, false},
    {19438, PageClass::Fixture, 1, false},     {19439, PageClass::Discipline, 84, false},
    {19440, PageClass::Discipline, 87, false},
};

template <size_t N>
const CommandRow* FindRow(const CommandRow (&table)[N], uint32_t id) {
    for (const CommandRow& r : table)
        if (r.command == id) return &r;
    return nullptr;
}

bool CurrentManagerEmployed() {
    CWorldData* w = GetWorldData();
    CManager* m = w ? w->GetCurrentManager() : nullptr;
    return m && m->IsEmployed();
}

}  // namespace

bool CScreenManager::HandlesCommand(uint32_t id) {
    return (id >= 19410 && id <= 19441) || FindRow(kCommands, id) || (id >= 32897 && id <= 32906) || id == 34510 ||
           id == 32784 || id == 32785;
}

void CScreenManager::OpenPage(PageClass kind, int screen, bool record, bool enableToolBar) {
    g_nScreenId = screen;
    SetScreen(MakePage(kind), true, record, false, enableToolBar, false);
}

bool CScreenManager::Back() {
    const int i = m_History.GetCurrent();
    if (i == 0) return false;
    const int target = m_bOffHistory ? i : i - 1;
    if (!m_History.GetAt(target)) return false;
    ShowHistoryEntry(target);
    return true;
}

void CScreenManager::OnToolboxCommand(uint32_t id) {
    CBrixholmView* view = GetView();
    if (const CommandRow* r = FindRow(kToolboxPages, id)) {
        // Game Options is never recorded.
        OpenPage(r->kind, r->screen, r->screen != 6, true);
        return;
    }
    switch (id) {
        case 19419:
            OpenPage(PageClass::Option, 6, false, true);
            break;
        case 19420:
            Back();
            if (view && view->ModalBusy()) view->EndScreenModal(0, 1);
            break;
        case 19425:
            if (m_History.GetCurrent() < m_History.GetCount() - 1) ShowHistoryEntry(m_History.GetCurrent() + 1);
            break;
        default:
            break;
    }
}

bool CScreenManager::OnCommand(uint32_t id, uint32_t, Window*) {
    if (id >= 19410 && id <= 19440) {
        OnToolboxCommand(id);
        return true;
    }
    if (const CommandRow* r = FindRow(kCommands, id)) {
        if (r->employed && !CurrentManagerEmployed()) return true;
        OpenPage(r->kind, r->screen, true, true);
        return true;
    }
    return HandlesCommand(id);
}

void CScreenManager::OpenScreenById(int id, intptr_t, intptr_t, intptr_t, intptr_t) {
    switch (id) {
        case 62:
        case 23:
        case 60:
            OpenPage(PageClass::Player, id, false, false);
            break;
        case 116:
            OpenPage(PageClass::Manager, id, false, false);
            break;
        case 32778:
            g_nScreenId = 4;
            SetScreen(MakePage(PageClass::SquadSelect), true, true, false, false, false);
            break;
        default:
            break;
    }
}
