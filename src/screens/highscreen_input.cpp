// The match-day page's touchline controls and keys: the intro and result
// pages' buttons, the run and skip-to-end buttons, the control strip's
// sections, the space bar and the hidden enlarged view.
#include <algorithm>
#include <array>

#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/highscreen.h"
#include "screens/highscreen_texts.h"
#include "platform/stringtable.h"
#include "shell/soundengine.h"
#include "soccerclasses/matchplay.h"

using namespace highscreen;

namespace {

// The keys typed on the page, newest first, kept for the whole run.
std::array<uint8_t, 6> g_HsKeyHistory{};
bool g_bHsHiddenMode = false;
// "REPLAY", newest key first.
constexpr std::array<uint8_t, 6> kHsHiddenCode{'Y', 'A', 'L', 'P', 'E', 'R'};

}  // namespace

void highscreen::ForgetTypedKeys() {
    g_HsKeyHistory.fill(0);
    g_bHsHiddenMode = false;
}

void CHighScreen::OnPaint(const platform::win::PaintContext& pc) {
    CScreensInfo::OnPaint(pc);
    if (Valid()) Redraw();
}

void CHighScreen::Redraw() {
    if (m_nMode == 0) {
        m_bPageDirty = 1;
        RedrawIntroPage();
    } else if (m_nMode == 2) {
        m_bPageDirty = 1;
        RedrawResultPage();
    } else {
        m_bModeRepaint = 1;
        SetAllDirty();
        m_bClipFrameDirty = 1;
        PaintClipFrame(false);
        PaintHomePlayersPanel(false);
        PaintAwayPlayersPanel(false);
        PaintScorePanel(false);
        PaintControlStrip(false);
        DrawPerformancePanel(true);
        if (m_pPanel[0]) BlitSurfaceToScreen(m_pPanel[0].get(), 0, 225);
        if (m_pPanel[1]) BlitSurfaceToScreen(m_pPanel[1].get(), 575, 225);
        if (m_pStrip) BlitSurfaceToScreen(m_pStrip.get(), 210, 493);
        if (m_pScore) BlitSurfaceToScreen(m_pScore.get(), 0, 0);
        if (m_pClipFrame) BlitSurfaceToScreen(m_pClipFrame.get(), 440, 0);
        DrawMatchStateBanner();
    }
}

intptr_t CHighScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    // A double click is a second press.
    if (msg == platform::win::WM_LBUTTONDBLCLK) {
        OnLButtonDown(static_cast<uint32_t>(w), platform::win::Point{static_cast<int16_t>(l & 0xFFFF),
                                                                     static_cast<int16_t>((l >> 16) & 0xFFFF)});
        return 0;
    }
    return CScreensInfo::OnMessage(msg, w, l);
}

void CHighScreen::OnLButtonDown(uint32_t flags, platform::win::Point pt) {
    if (!Valid()) {
        CScreensInfo::OnLButtonDown(flags, pt);
        return;
    }
    m_nPressMode = m_nMode;
    if (m_nMode == 0) {
        PressIntroPage(pt.x, pt.y);
    } else if (m_nMode == 2) {
        PressResultPage(pt.x, pt.y);
    } else {
        switch (PanelAt(pt.x, pt.y)) {
            case kScorePanel: PressScorePanel(pt.x, pt.y); break;
            case kStrip: PressControlStrip(pt.x - 210, pt.y - 493); break;
            case kHomePanel: PressPlayersPanel(0, pt.x, pt.y - 225); break;
            case kAwayPanel: PressPlayersPanel(1, pt.x - 575, pt.y - 225); break;
            case kPerformance: PressPerformancePanel(pt.x - 210, pt.y - 225); break;
            default: break;
        }
    }
}

void CHighScreen::OnLButtonUp(uint32_t flags, platform::win::Point pt) {
    if (!Valid()) {
        CScreensInfo::OnLButtonUp(flags, pt);
        return;
    }
    if (m_nPressMode == 0) {
        g_TeamSheetBar.EndDrag();
        ClearCurrentSurfaceButton();
        m_bPageDirty = 1;
    } else if (m_nPressMode == 2) {
        g_LatestScoresBar.EndDrag();
        ClearCurrentSurfaceButton();
    } else {
        switch (PanelAt(pt.x, pt.y)) {
            case kHomePanel: ReleasePlayersPanel(0, pt.x, pt.y - 225); break;
            case kAwayPanel: ReleasePlayersPanel(1, pt.x - 575, pt.y - 225); break;
            case kPerformance: ReleasePerformancePanel(); break;
            default: break;
        }
        m_nDragState = m_nPressSide = 0;
    }
    if (platform::win::Ui::Get().GetCapture() == this) platform::win::Ui::Get().ReleaseCapture();
    m_nPressMode = m_nMode;
}

void CHighScreen::OnMouseMove(uint32_t flags, platform::win::Point pt) {
    if (!Valid()) {
        CScreensInfo::OnMouseMove(flags, pt);
        return;
    }
    if (m_nMode == 0) {
        if (m_nView != 0 && g_TeamSheetBar.OnDrag(pt.x, pt.y)) m_bPageDirty = 1;
        return;
    }
    if (m_nMode == 2) {
        if (m_nView == 1 && g_LatestScoresBar.OnDrag(pt.x, pt.y)) m_bPageDirty = 1;
        return;
    }
    ClearToolTipText();
    const int panel = PanelAt(pt.x, pt.y);
    if (panel == kScorePanel) HoverScorePanel(pt.x, pt.y);
    if (panel == kStrip) HoverControlStrip(pt.x - 210);
    if (panel == kHomePanel) DragOverPlayersPanel(0, pt.x, pt.y - 225);
    if (panel == kAwayPanel) DragOverPlayersPanel(1, pt.x - 575, pt.y - 225);
    if (panel == kPerformance) HoverPerformancePanel(pt.x - 210, pt.y - 225);
    if (panel != m_nTipPanel && m_nTipPanel >= 0) m_bDirty[static_cast<size_t>(m_nTipPanel)] = 1;
    m_nTipPanel = panel;
    TrackToolTip(pt.x, pt.y);
}

void CHighScreen::PressIntroPage(int x, int y) {
    if (m_nView != 0 && g_TeamSheetBar.OnClick(x, y) == 1) {
        m_bPageDirty = 1;
        platform::win::Ui::Get().SetCapture(this);
        return;
    }
    const int hit = HitTestSurfaceButtons(g_IntroButtons.data(), kIntroButtons, x, y, false);
    if (hit >= 0) {
        // One of the four stands pressed: the view on show, or "Proceed".
        for (int i = 0; i < kIntroButtons; ++i) g_IntroButtons[static_cast<size_t>(i)].state = i == hit ? 1 : 0;
    }
    switch (hit) {
        case 0:
            if (m_nView != 0) {
                m_nView = 0;
                m_bPageDirty = 1;
            }
            break;
        case 1:
        case 2:
            if (m_nView != hit) {
                m_nView = hit;
                SetUpTeamSheet(hit - 1);
                m_bPageDirty = 1;
            }
            break;
        case 3: Proceed(); break;
        default: break;
    }
    g_nMatchView = m_nView;
    platform::win::Ui::Get().SetCapture(this);
}

void CHighScreen::Proceed() {
    platform::win::Ui& ui = platform::win::Ui::Get();
    ui.BeginWaitCursor();
    m_pMatchPlay->KickOff();
    LoadMatchPageSurfaces();
    QueueClip(3, 0);
    QueueClip(396, 0);
    QueueClip(5, 0);
    PauseAmbientSound();
    m_nMode = 1;
    g_nMatchMode = 1;
    m_bRunning = 0;
    m_nPhase = m_nHalfTimeHandled = m_nFinished = 0;
    m_nFastPlay = 0;
    m_bQueueEmpty = 0;
    m_bRedrawAll = 1;
    SyncPlayerMarkers();
    ui.EndWaitCursor();
}

void CHighScreen::PressScorePanel(int x, int y) {
    if (x >= 3 && x <= 47 && y >= 74 && y <= 119) {
        ToggleRun();
    } else if (x >= 3 && x <= 47 && y >= 126 && y <= 171) {
        if (m_nFastPlay == 0 && m_nFinished == 0 && !m_bFinalWhistle) {
            m_nFastPlay = 1;
            m_bSkipAsked = 1;
            m_bDirty[kScorePanel] = 1;
        }
    }
}

void CHighScreen::PressControlStrip(int x, int /*y*/) {
    if (m_nPhase < 1 || m_nChoiceState != 0) return;
    const int section = StripSectionAt(x);
    if (section < 0) return;
    m_nSection = section;
    m_bDirty[kStrip] = m_bDirty[kPerformance] = 1;
}

namespace {

void HsSetTip(SurfaceWidgetState& w, std::string text, int source) {
    w.tip.candidate = std::move(text);
    w.tip.candidateSource = source;
}

}  // namespace

void CHighScreen::HoverScorePanel(int x, int y) {
    SurfaceWidgetState& w = SurfaceWidgets();
    if (x >= 9 && x <= 56 && y >= 73 && y <= 121) {
        HsSetTip(w, platform::LoadString(m_bPaused ? hstext::kContinueMatch : hstext::kPauseMatch), 600);
        m_bDirty[kScorePanel] = 1;
    } else if (x >= 9 && x <= 56 && y >= 126 && y <= 173) {
        HsSetTip(w, platform::LoadString(hstext::kSkipToEnd), 601);
    } else if (x >= 70 && x <= 435 && y >= 38 && y <= 63) {
        HsSetTip(w, m_pMatchPlay->GetHomeScorers(), 602);
    } else if (x >= 70 && x <= 435 && y >= 71 && y <= 99) {
        HsSetTip(w, m_pMatchPlay->GetAwayScorers(), 603);
    }
}

void CHighScreen::HoverControlStrip(int x) {
    const int section = StripSectionAt(x);
    if (section < 0) return;
    HsSetTip(SurfaceWidgets(), platform::LoadString(hstext::kSections + static_cast<unsigned>(section)), 500 + section);
    m_bDirty[kStrip] = 1;
}

void CHighScreen::HoverPerformancePanel(int x, int y) {
    if (m_nPhase < 1) return;
    if (m_nSection == 5 && m_nPhase < 4 && m_FormationBar[static_cast<size_t>(m_nFormationSide & 1)].OnDrag(x, y))
        m_bDirty[kPerformance] = 1;
    if (m_nSection != 6) return;
    // Each button is a source of its own, so moving from one to the next
    // starts the next one's tip.
    if (!HoverSurfaceButtons(g_LevelButtons.data(), kLevelButtons, x, y, 100))
        HoverSurfaceButtons(m_TacticsButtons[static_cast<size_t>(m_nTacticsSide & 1)].data(), 2, x, y, 100 + kLevelButtons);
}

void CHighScreen::ToggleRun() {
    if (m_bChoosing) return;
    m_bPaused = m_bPaused ? 0 : 1;
    m_bDirty[kScorePanel] = 1;
    if (!m_bPaused) {
        if (m_bHalfTimeBanner) {
            m_pMatchPlay->StartNextPeriod();
            m_bHalfTimeBanner = 0;
        }
        m_nMatchState = kBannerNone;
    } else {
        m_nMatchState = kBannerPaused;
    }
    PlaySample(0, 0);
}

void CHighScreen::ShowResultPage() {
    CloseFlc(true);
    LoadResultSurfaces();
    static constexpr unsigned kCaptions[4] = {45005, 45006, 45007, 45003};
    for (int i = 0; i < 4; ++i) {
        SurfaceButton& b = g_ResultButtons[static_cast<size_t>(i)];
        b = g_IntroButtons[static_cast<size_t>(i)];
        b.caption = platform::LoadString(kCaptions[i]);
        b.state = i == 0 ? 1 : 0;
    }
    ClearCurrentSurfaceButton();
    m_nView = 0;
    g_nMatchView = 0;
    m_nMode = 2;
    g_nMatchMode = 2;
    m_nMatchState = kBannerNone;
    m_bPageDirty = 1;
    RedrawResultPage();
    ResumeAmbientSound();
}

void CHighScreen::PressResultPage(int x, int y) {
    const int hit = HitTestSurfaceButtons(g_ResultButtons.data(), 4, x, y, false);
    if (hit >= 0)
        for (int i = 0; i < 4; ++i) g_ResultButtons[static_cast<size_t>(i)].state = i == hit ? 1 : 0;
    switch (hit) {
        case 0:
        case 2:
            if (m_nView != hit) {
                m_nView = hit;
                m_bPageDirty = 1;
            }
            break;
        case 1:
            if (m_nView != 1) {
                FillLatestScores();
                m_nView = 1;
                m_bPageDirty = 1;
            }
            break;
        case 3: LeaveScreen(); return;
        default: break;
    }
    g_nMatchView = m_nView;
    if (m_nView == 1 && (g_LatestScoresBar.OnClick(x, y) || g_LatestScores.OnClick(g_LatestScoresBar, x, y, 0, 0)))
        m_bPageDirty = 1;
    platform::win::Ui::Get().SetCapture(this);
}

void CHighScreen::LeaveScreen() {
    m_bLeaving = 1;
    if (m_pPage) {
        m_pPage->Fill(0);
        BlitSurfaceToScreen(m_pPage.get(), 0, 0);
    }
    m_pMatchPlay->SetState(CMatchPlay::kLeft);
}

void CHighScreen::OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) {
    if (!Valid()) {
        CScreensInfo::OnKeyDown(vk, repeatCount, flags);
        return;
    }
    if (vk == ' ' && m_nMode == 1) ToggleRun();
    if (g_bHsHiddenMode && vk == 'F') {
        m_bEnlargedView = m_bEnlargedView ? 0 : 1;
        if (m_bEnlargedView) FillEnlargedViewLines();
        if (!m_bEnlargedView) {
            SetAllDirty();
            m_bClipFrameDirty = 1;
        }
    }
    std::copy_backward(g_HsKeyHistory.begin(), g_HsKeyHistory.end() - 1, g_HsKeyHistory.end());
    g_HsKeyHistory[0] = static_cast<uint8_t>(vk & 0xFF);
    if (g_HsKeyHistory == kHsHiddenCode) g_bHsHiddenMode = true;
}
