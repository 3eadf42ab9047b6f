#include "shell/view.h"

#include "shell/screen.h"
#include "shell/screenmanager.h"
#include "ui/tree.h"
#include "ui/treewindow.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

#include "platform/profile.h"
#include "platform/trace.h"
#include "platform/window/print.h"
#include "platform/window/statusbar.h"
#include "platform/window/ui.h"
#include "shell/archive.h"
#include "shell/brixholmapp.h"
#include "shell/ddsurface.h"
#include "shell/mainframe.h"
#include "shell/soundengine.h"
#include "shell/toolbox_draw.h"

using namespace platform::win;

// The sound options and "Fade" live with the sound engine, below the widgets.
uint8_t g_bCurrency = 1;
uint8_t g_nExchange = 1;
double g_dExchange = 1.0;

std::unique_ptr<platform::gfx::Surface> g_pScratchSurface;

void StartDirectDraw() {
    platform::Trace("Starting Direct Draw\n");
    // Our layer always has a 32-bit desktop; the format is reported, not probed.
    g_desktopFormat = platform::gfx::ReportedDesktopFormat();
    // The scratch surface's result is only recorded, as the start-up asks.
    if (int r = CreatePlainSurface(g_pScratchSurface, 320, 200); r != DD_OK)
        ReportDirectDrawError(r, __FILE__, __LINE__);
    LoadArchiveIndexes();
}

void EndDirectDraw() {
    platform::Trace("End Direct Draw\n");
    if (g_archives.loaded) FreeArchiveIndexes();
    g_pScratchSurface.reset();
}

void ReadOptions() {
    auto flag = [](const char* key) { return uint8_t(platform::GetProfileInt("Options", key, 1) != 0); };
    g_bFade = flag("Fade");
    g_bAmbient = flag("Ambient");
    g_bMusicon = flag("Musicon");
    g_bSfx = flag("Sfx");
    g_bCurrency = flag("Currency");
    const int exchange = platform::GetProfileInt("Options", "Exchange", 1);
    g_nExchange = uint8_t(exchange & 0xFF);
    g_dExchange = exchange;
}

CBrixholmView::CBrixholmView() {
    StartDirectDraw();
}

CBrixholmView::~CBrixholmView() {
    // The page on display and the history go with the manager, first.
    m_pScreenManager.reset();
    m_pTreeWindow.reset();
    m_pToolBar.reset();
    EndDirectSound();
    EndDirectDraw();
    g_pInstanceLock.reset();
}

bool CBrixholmView::CreateView(CMainFrame* frame) {
    m_pFrame = frame;
    SetInsets({2, 2, 2, 2});
    Rect c = frame->ClientRect();
    if (!Create(frame, {0, 0, c.right, c.bottom - platform::win::kStatusBarHeight}, WS_CHILD | WS_VISIBLE, 0xE900))
        return false;
    frame->SetActiveView(this);
    frame->RecalcLayout();
    return true;
}

CScreen* CBrixholmView::GetPage() const {
    return m_pScreenManager ? m_pScreenManager->GetCurrentPage() : nullptr;
}

int CBrixholmView::RunScreenModal(int id, intptr_t a, intptr_t b, intptr_t c, intptr_t d) {
    m_Waits.push_back({});
    m_bModalBusy = 1;
    const size_t depth = m_Waits.size();
    if (m_pScreenManager) {
        if (id == 23 || id == 60 || id == 62 || id == 116 || id == 32778)
            m_pScreenManager->OpenScreenById(id, a, b, c, d);
        else
            m_pScreenManager->Send(WM_COMMAND, static_cast<uintptr_t>(id), 0);
    }
    // The page ends the wait from inside this loop; a quit ends it as Back does.
    const bool ended = Ui::Get().RunModalLoop(nullptr, [&] { return m_Waits.size() >= depth && m_Waits[depth - 1].busy; });
    int result = ended && m_Waits.size() >= depth ? m_Waits[depth - 1].result : 1;
    if (m_Waits.size() >= depth) m_Waits.resize(depth - 1);
    m_bModalBusy = m_Waits.empty() ? 0 : 1;
    m_nModalResult = result;
    return result;
}

void CBrixholmView::EndScreenModal(uint8_t busy, int result) {
    m_nModalResult = result;
    if (m_Waits.empty()) {
        m_bModalBusy = busy;
        return;
    }
    m_Waits.back().busy = busy;
    m_Waits.back().result = result;
}

void CBrixholmView::SetFullPage(uint8_t flag) {
    const bool changed = flag != m_bFullPage;
    m_bFullPage = flag;
    if (m_pFrame) {
        m_pFrame->SetFullPage(flag);
        if (changed) m_pFrame->Invalidate();
    }
    Layout();
    Invalidate();
}

void CBrixholmView::SetTreeOnLeft(bool left) {
    m_bTreeOnLeft = left ? 1 : 0;
    if (m_pTreeWindow) m_pTreeWindow->SetTreeOnLeft(left);
    Layout();
    Invalidate();
}

void CBrixholmView::Layout() {
    if (!m_bSetupDone || !m_pScreenManager) return;
    const Rect c = ClientRect();
    const int W = c.right;
    Rect manager;
    if (m_bFullPage) {
        if (m_pTreeWindow) m_pTreeWindow->Show(false);
        if (m_pToolBar) m_pToolBar->Show(false);
        manager = c;
    } else {
        if (m_pToolBar) {
            m_pToolBar->Move(Rect{0, 0, W, kToolBarHeight});
            m_pToolBar->Show(true);
        }
        Rect tree;
        if (m_bTreeOnLeft) {
            manager = Rect{W - 600, 81, W, 551};
            tree = Rect{0, 80, W - 606, c.bottom};
        } else {
            manager = Rect{0, 81, 599, 551};
            tree = Rect{605, 80, W, c.bottom};
        }
        if (m_pTreeWindow) {
            m_pTreeWindow->Move(tree);
            m_pTreeWindow->Show(true);
        }
    }
    m_pScreenManager->Move(manager);
    if (CScreen* page = GetPage(); page && page->IsAlive()) page->Move(m_pScreenManager->ClientRect());
}

void CBrixholmView::DrawDividers(platform::gfx::Canvas& dc) {
    const Rect c = ClientRect();
    if (m_bTreeOnLeft)
        DrawToolboxDivider(&dc, c.right - 606, 81, c.right - 601, c.bottom, true);
    else
        DrawToolboxDivider(&dc, 599, 81, 604, c.bottom, true);
    DrawToolboxDivider(&dc, 0, kToolBarHeight, c.right, 80, false);
}

void CBrixholmView::OnSize(int cx, int cy) {
    Window::OnSize(cx, cy);
    Layout();
}

void CBrixholmView::OnKillFocus(Window* next) {
    Window::OnKillFocus(next);
    HideTreeTitleTip();
}

void CBrixholmView::LoadToolBarButtons(int set) {
    if (!m_pToolBar) return;
    m_nToolBarSet = set == 1 ? 1 : 0;
    const std::vector<ToolBarButton> buttons = ToolBarLayout(m_nToolBarSet);
    m_pToolBar->SetButtons(kToolBarStrips[m_nToolBarSet], buttons.data(), static_cast<int>(buttons.size()));
}

void CBrixholmView::SetAllToolBarButtons(bool enable) {
    if (m_pToolBar) m_pToolBar->SetAllButtonStates(enable ? 1 : 0);
}

void CBrixholmView::SetToolBarButton(int button, bool enable) {
    if (m_pToolBar) m_pToolBar->SetButtonState(button, enable ? 1 : 0);
}

void CBrixholmView::ShowMatchDayButtons() {
    if (!m_pToolBar) return;
    m_pToolBar->SetButtonState(17, g_bHumanMatchToday);
    m_pToolBar->Invalidate(false);
}

void CBrixholmView::SetTreeMarkLevel(int depth) {
    if (m_pTreeWindow) m_pTreeWindow->GetTree().CollapseLevel(m_pTreeWindow->GetTree().GetRoot(), depth);
}

void CBrixholmView::HideTreeTitleTip() {
    if (m_pTreeWindow) m_pTreeWindow->HideTitleTip();
}

void CBrixholmView::RedrawChildren() {
    for (Window* w : {static_cast<Window*>(m_pScreenManager.get()), static_cast<Window*>(m_pToolBar.get()),
                      static_cast<Window*>(m_pTreeWindow.get())})
        if (w && w->IsAlive() && w->IsShownFlag()) {
            w->Invalidate(false);
            w->UpdateNow();
        }
    if (!m_bFullPage) {
        Invalidate(false);
        UpdateNow();
    }
}

bool CBrixholmView::PrintPage(int mode) {
    CScreen* page = GetPage();
    if (!page) return false;
    PrintJob job(page->GetTitle().empty() ? "Vantorel 2000" : page->GetTitle());
    PrintInfo info;
    platform::gfx::Canvas& dc = job.StartPage();
    // The page's 600 x 470 units fill the printed page's width.
    dc.SetMapMode(platform::gfx::MapMode::Anisotropic);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({600, 470});
    page->Print(&dc, &info);
    job.EndPage();
    const PrintResult r = job.Finish(mode == 2 ? PrintMode::Preview : mode == 1 ? PrintMode::Direct : PrintMode::Print);
    return !r.failed && !r.cancelled;
}

bool CBrixholmView::OnCmdMsg(uint32_t id, uint32_t) {
    if (id == kEndModalCommand) {
        EndScreenModal(0, 1);
        return true;
    }
    if (id >= kPrintCommand && id <= kPrintPreviewCommand) {
        PrintPage(static_cast<int>(id - kPrintCommand));
        return true;
    }
    if (id == kCmdToggleTree) {
        SetTreeOnLeft(!m_bTreeOnLeft);
        return true;
    }
    // Every command the screen manager handles goes on to it.
    if (m_pScreenManager && m_pScreenManager->HandlesCommand(id)) {
        m_pScreenManager->Send(WM_COMMAND, id, 0);
        return true;
    }
    return false;
}

intptr_t CBrixholmView::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    switch (msg) {
        case ui::kMsgGetHistory:
            return m_pScreenManager ? reinterpret_cast<intptr_t>(&m_pScreenManager->GetHistory()) : 0;
        case ui::kMsgGoHistory:
            if (m_pScreenManager) m_pScreenManager->ShowHistoryEntry(static_cast<int>(w));
            return 1;
        case ui::kMsgButtonState:
            if (m_pToolBar) m_pToolBar->SetButtonState(static_cast<int>(w), static_cast<uint8_t>(l));
            return 1;
        case ui::kMsgAllButtons:
            if (m_pToolBar) m_pToolBar->SetAllButtonStates(w != 0 ? 1 : 0);
            return 1;
        case ui::kMsgButtonSet:
            LoadToolBarButtons(static_cast<int>(w));
            return 1;
        case ui::kMsgTreeColour:
            if (m_pTreeWindow) m_pTreeWindow->Send(msg, w, l);
            return 1;
        case kMsgTreeSelected:
        case kMsgTreeExpanded:
        case kMsgTreeCollapsed:
            if (m_pScreenManager) {
                const auto* item = reinterpret_cast<const TreeNotice*>(w);
                if (msg == kMsgTreeSelected) m_pScreenManager->OnTreeSelect(item);
                else if (msg == kMsgTreeExpanded) m_pScreenManager->OnTreeNotify1(item);
                else m_pScreenManager->OnTreeNotify2(item);
            }
            return 1;
        default:
            return Window::OnMessage(msg, w, l);
    }
}

void CBrixholmView::Setup() {
    ReadOptions();
    const Rect c = ClientRect();
    m_pScreenManager = std::make_unique<CScreenManager>();
    m_pTreeWindow = std::make_unique<CTreeWindow>();
    m_pToolBar = std::make_unique<CXToolBar>();
    m_pToolBar->Create(this, Rect{0, 0, c.right, kToolBarHeight});
    LoadToolBarButtons(0);
    m_pTreeWindow->Create(this, Rect{605, 81, c.right, c.bottom}, 0xE901);
    m_pTreeWindow->Show(false);
    m_pScreenManager->Create(this, c);
    g_nScreenId = 115;
    CScreen* title = MakePage(PageClass::Title);
    title->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
    m_bSetupDone = 1;
    m_pScreenManager->SetScreen(title, true, false, true, true, false);
    m_pTreeWindow->SetMode(6);
    if (Ui::Get().GetFocus() != this) {
        Ui::Get().SetFocus(this);
        Invalidate();
    }
}

void CBrixholmView::OnPaint(const PaintContext& pc) {
    if (!m_bSetupDone && !m_bSetupStarted) {
        m_bSetupStarted = 1;
        Ui::Get().BeginWaitCursor();
        Setup();
        Ui::Get().EndWaitCursor();
    }
    const Rect c = ClientRect();
    pc.Fill(c, 0x000000);
    if (!m_bFullPage) {
        platform::gfx::Canvas dc = pc.MakeCanvas();
        DrawDividers(dc);
    }
}
