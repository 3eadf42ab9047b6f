#include "shell/view.h"

#include "shell/screen.h"
#include "shell/screenmanager.h"

#include "platform/profile.h"
#include "platform/trace.h"
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

void CBrixholmView::EndScreenModal(uint8_t busy, int result) {
    m_bModalBusy = busy;
    m_nModalResult = result;
}

void CBrixholmView::SetFullPage(uint8_t flag) {
    const bool changed = flag != m_bFullPage;
    m_bFullPage = flag;
    if (m_pFrame) {
        m_pFrame->SetFullPage(flag);
        if (changed) m_pFrame->Invalidate();
    }
    Invalidate();
}

bool CBrixholmView::OnCmdMsg(uint32_t id, uint32_t) {
    if (id == kEndModalCommand) {
        EndScreenModal(0, 1);
        return true;
    }
    return false;
}

void CBrixholmView::Setup() {
    ReadOptions();
    // The tool bar, the tree and the screen manager come with the screen
    // framework; until the title page exists a plain page shows its picture.
    g_nScreenId = 115;
    m_pPage = std::make_unique<CScreen>();
    m_pPage->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
    if (m_pPage->Create(this)) {
        m_pPage->Show();
        m_pPage->Enable();
        m_pPage->Invalidate();
    }
    m_bSetupDone = 1;
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
        DrawToolboxDivider(&dc, 599, 81, 604, c.bottom, true);
        DrawToolboxDivider(&dc, 0, kToolBarHeight, c.right, 80, false);
    }
}
