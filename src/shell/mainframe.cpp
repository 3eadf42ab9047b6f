#include "shell/mainframe.h"

#include "platform/gfx/system.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"
#include "shell/helpcontext.h"
#include "shell/screenmanager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;

namespace {
constexpr int kFrameWidth = 800;
constexpr int kFrameHeightBelowCaption = 581;
constexpr int kFrameMaxWidth = 1600;
constexpr int kFrameMinHeight = 600;
}  // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

Rect CMainFrame::InitialRect() {
    using namespace platform::gfx;
    const int fullW = GetSystemMetrics(SM_CXFULLSCREEN);
    const int fullH = GetSystemMetrics(SM_CYFULLSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const int height = caption + kFrameHeightBelowCaption;
    return Rect::XYWH((fullW - kFrameWidth) / 2, (fullH + caption - height) / 2, kFrameWidth, height);
}

bool CMainFrame::CreateMainFrame(std::string title) {
    return CreateFrame(std::move(title), InitialRect(), WS_CAPTION | WS_VISIBLE);
}

int CMainFrame::OnCreate() {
    if (!m_wndStatusBar.CreateBar(this)) {
        platform::Trace("Failed to create status bar\n");
        return -1;
    }
    m_wndStatusBar.SetIndicators({ID_SEPARATOR, kPaneIds[0], kPaneIds[1], kPaneIds[2]});
    m_wndStatusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    for (size_t i = 0; i < 3; ++i) m_wndStatusBar.SetPaneInfo(i + 1, kPaneIds[i], SBPS_DISABLED, 0);
    m_wndStatusBar.SetUpdateHandler(
        [this](size_t index, uint32_t, StatusBar::PaneUpdate& u) { OnUpdatePane(index, u); });
    SetStatusBarWindow(&m_wndStatusBar);
    m_wndProgress.CreateProgress(this, {0, 0, 0, 0}, 0, 0);
    return 0;
}

void CMainFrame::OnUpdatePane(size_t index, StatusBar::PaneUpdate& u) {
    if (index == 0) {
        u.enabled = true;
        return;
    }
    if (m_bStatusBarEmpty == 0) {
        m_wndStatusBar.SetPaneInfo(index, kPaneIds[index - 1], SBPS_NORMAL, kPaneWidth);
        u.enabled = true;
    }
}

void CMainFrame::UpdateStatusBar() {
    m_bStatusBarEmpty = 0;
    std::string texts[3];
    if (CWorldData* world = GetWorldData()) {
        // The manager's and club's names come from the world once it answers them.
        texts[2] = world->GetDateText();
    }
    for (size_t i = 0; i < 3; ++i) m_wndStatusBar.SetPaneText(i + 1, texts[i]);
}

void CMainFrame::ResetStatusBar() {
    m_wndStatusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    for (size_t i = 0; i < 3; ++i) {
        m_wndStatusBar.SetPaneInfo(i + 1, kPaneIds[i], SBPS_DISABLED, 0);
        m_wndStatusBar.SetPaneText(i + 1, "");
    }
}

void CMainFrame::SetFullPage(uint8_t flag) {
    m_bFullPage = flag;
    RecalcLayout();
    SyncBackend();
}

void CMainFrame::ResizeTo800x600() {
    Rect r = WindowRect();
    Move(Rect::XYWH(r.left, r.top, kFrameWidth, kFrameMinHeight));
}

void CMainFrame::OnGetMinMaxInfo(MinMaxInfo& info) {
    info.minTrack = {kFrameWidth, kFrameMinHeight};
    info.maxTrack = {m_bFullPage ? kFrameWidth : kFrameMaxWidth, kFrameMinHeight};
}

void CMainFrame::OnSize(int cx, int cy) {
    // In full-page mode the layout stays as it is; only the backend hears.
    if (m_bFullPage) {
        SyncBackend();
        return;
    }
    FrameWindow::OnSize(cx, cy);
}

void CMainFrame::OnPaint(const PaintContext& pc) {
    // The sunken edge the view's client sits in.
    if (Window* view = ActiveView()) {
        Rect v = view->WindowRect();
        auto sys = [](int i) { return platform::gfx::ToPixel(platform::gfx::GetSysColor(i)); };
        const uint32_t shadow = sys(platform::gfx::COLOR_3DSHADOW), dark = sys(platform::gfx::COLOR_3DDKSHADOW),
                       light = sys(platform::gfx::COLOR_3DHIGHLIGHT), face = sys(platform::gfx::COLOR_3DFACE);
        pc.Line({v.left, v.top}, {v.right - 1, v.top}, shadow);
        pc.Line({v.left, v.top}, {v.left, v.bottom - 1}, shadow);
        pc.Line({v.left + 1, v.top + 1}, {v.right - 2, v.top + 1}, dark);
        pc.Line({v.left + 1, v.top + 1}, {v.left + 1, v.bottom - 2}, dark);
        pc.Line({v.left, v.bottom - 1}, {v.right - 1, v.bottom - 1}, light);
        pc.Line({v.right - 1, v.top}, {v.right - 1, v.bottom - 1}, light);
        pc.Line({v.left + 1, v.bottom - 2}, {v.right - 2, v.bottom - 2}, face);
        pc.Line({v.right - 2, v.top + 1}, {v.right - 2, v.bottom - 2}, face);
    }
}

void CMainFrame::OnClose() {
    const int answer = UserMessageBoxEx(787, kBoxExYesNo, 0, platform::LoadString(487), platform::LoadString(486), "",
                                        -1, 0, -1, 1);
    if (answer == kAnswerNo) return;
    Destroy();
}

void CMainFrame::OnKillFocus(Window*) {
    // The tree's title tip is hidden here while a game is in progress, once the tree exists.
}

void CMainFrame::OnHelp() {
    HelpModes modes;
    int context;
    if (QueryHelpModes(modes)) context = HelpContextFor(GetCurrentScreenId(), modes);
    else context = GetCurrentScreenId() + 1;
    ShowHelp(static_cast<uint32_t>(context));
}

bool CMainFrame::OnFrameCommand(uint32_t id, uint32_t) {
    if (id == ID_HELP) {
        OnHelp();
        return true;
    }
    return id == kEmptyCommand32835;
}

bool CMainFrame::PreTranslateKey(uint32_t msg, uint32_t vk) {
    // The frame's accelerators: F1 for help, Ctrl+F1 for the about box.
    if (msg != WM_KEYDOWN || vk != VK_F1) return false;
    const bool ctrl = Ui::Get().IsKeyDown(VK_CONTROL);
    Post(WM_COMMAND, MakeWParam(ctrl ? ID_APP_ABOUT : ID_HELP, 1), 0);
    return true;
}
