// The match-day page's life: construction with the engine, set-up, teardown,
// its program-wide widget records, and the driver that opens it for a
// human manager's match and pumps the window loop while it plays.
#include "screens/highscreen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/services.h"
#include "platform/window/ui.h"
#include "screens/highscreen_texts.h"
#include "shell/screenmanager.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "soccerclasses/club.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/worlddata.h"

using platform::LoadString;

namespace highscreen {
std::array<SurfaceButton, kLevelButtons> g_LevelButtons;
std::array<SurfaceButton, kIntroButtons> g_IntroButtons;
std::array<SurfaceButton, 4> g_ResultButtons;
SurfaceTable g_TeamSheet;
SurfaceScrollBar g_TeamSheetBar;
SurfaceTable g_LatestScores;
SurfaceScrollBar g_LatestScoresBar;
int g_nMatchMode = 0;
int g_nMatchView = 0;

int PanelAt(int x, int y) {
    struct Area {
        int left, top, right, bottom;
    };
    // The page is 550 high: the lower panels end there.
    static constexpr Area kAreas[kPanels] = {
        {0, 0, 535, 225}, {0, 225, 210, 550}, {575, 225, 789, 550}, {210, 493, 575, 550}, {210, 225, 575, 493}};
    int found = -1;
    for (int i = 0; i < kPanels; ++i) {
        const Area& a = kAreas[i];
        if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) found = i;
    }
    // Where the strip and the performance panel meet, the strip's row starts
    // at 493; the performance panel ends above it.
    if (found == kPerformance && y >= 493) found = kStrip;
    return found;
}

int StripSectionAt(int x) {
    static constexpr int kEdges[9] = {0, 49, 94, 139, 183, 229, 274, 318, 365};
    for (int s = 0; s < 8; ++s)
        if (x >= kEdges[s] && x < kEdges[s + 1]) return s;
    return -1;
}

int LevelValue(int k) { return static_cast<int>(std::clamp(k, 0, 4) * 2.25); }

int LevelButtonFor(int value) {
    // The nearest of the five levels 0, 2.25, 4.5, 6.75 and 9.
    return std::clamp(static_cast<int>(value / 2.25 + 0.5), 0, 4);
}
}  // namespace highscreen

using namespace highscreen;

namespace {

CScreen* MakeHighScreenPage() { return new CHighScreen(); }
CScreen* MakeHighScreenForMatch(CMatchPlay* engine) { return new CHighScreen(engine); }

// The view of the running program, found under the main window.
CBrixholmView* FindRunningView() {
    platform::win::Ui& ui = platform::win::Ui::Get();
    if (!ui.Started()) return nullptr;
    platform::win::Window* main = ui.MainWindow();
    if (!main) return nullptr;
    for (platform::win::Window* child : main->Children())
        if (auto* view = dynamic_cast<CBrixholmView*>(child)) return view;
    return nullptr;
}

// Opens the match-day page through the screen manager and pumps the window
// loop for the engine; with no window to show it in, the match is played at
// once.
class CScreenMatchDriver : public CMatchDriver {
public:
    void Open(CMatchPlay& engine) override {
        CBrixholmView* view = FindRunningView();
        CScreenManager* manager = view ? view->GetScreenManager() : nullptr;
        if (manager) manager->StartMatchScreen(&engine);
        m_bShown = manager && dynamic_cast<CHighScreen*>(manager->GetCurrentPage()) != nullptr;
        if (!m_bShown) m_Instant.Open(engine);
    }
    bool PumpOne(CMatchPlay& engine) override {
        if (!m_bShown) return m_Instant.PumpOne(engine);
        return platform::win::Ui::Get().PumpOne();
    }

private:
    CInstantMatchDriver m_Instant;
    bool m_bShown = false;
};

CScreenMatchDriver g_ScreenDriver;

}  // namespace

void RegisterHighScreen() {
    RegisterPageFactory(PageClass::High, &MakeHighScreenPage);
    RegisterMatchPageFactory(&MakeHighScreenForMatch);
    SetMatchDriver(&g_ScreenDriver);
}

CHighScreen::CHighScreen() { m_bDirectDrawPage = 1; }

CHighScreen::CHighScreen(CMatchPlay* pMatchPlay) : m_pMatchPlay(pMatchPlay) {
    m_bDirectDrawPage = 1;
    g_nMatchMode = 0;
    g_nMatchView = 0;
    if (!m_pMatchPlay) return;
    CWorldData* world = GetWorldData();
    const CClub* home = SideClub(0);
    const CClub* away = SideClub(1);
    const bool homeHuman = home && home->IsHumanManaged();
    m_nFormationSide = m_nTacticsSide = homeHuman ? 0 : 1;
    m_bBothHuman = homeHuman && away && away->IsHumanManaged() ? 1 : 0;
    m_pCurrentClub = world ? world->GetCurrentClub() : nullptr;
    m_pFixture = m_pMatchPlay->GetFixture();
    // Sixteen slots a side are drawn at most; our data never names more
    // than five substitutes.
    m_nSquadSlots = std::min(kMaxSquadSlots, 11 + (m_pFixture ? std::max<int>(0, m_pFixture->m_SubsNamed) : 0));
    ResetState();
    CountSquads();
    SetUpTeamSheet(0);
    SetAllDirty();
    m_bClipFrameDirty = 1;
    SetFlcMatch(m_pMatchPlay);
}

CHighScreen::~CHighScreen() = default;

CClub* CHighScreen::SideClub(int side) {
    CWorldData* world = GetWorldData();
    return world ? world->GetMatchVars()->GetClub(side & 1) : nullptr;
}

PageFactory CHighScreen::GetPageFactory() const { return &MakeHighScreenPage; }

void CHighScreen::ResetState() {
    m_BallTrail.fill({});
    m_nCrowdLevel = {10, 10};
    m_nDisplayedScore = {0, 0};
    m_strCaption.clear();
    m_strCommentary.clear();
    m_nCaptionSide = -1;
    for (auto& side : m_nPlayerStatus) side.fill(0);
    m_bTouchlineUsed = {0, 0};
    m_nTickCounter = 0;
    m_nTimerId = 0;
    m_bRunning = 0;
    m_nPhase = m_nHalfTimeHandled = m_nFinished = 0;
    m_bExtraTime = m_bExtraTimeShown = m_bShootout = 0;
    m_nShootoutKicks = m_nFastPlay = 0;
    m_bQueueEmpty = 0;
    m_nBlink = m_nMode = m_nPressMode = m_nSection = 0;
    m_nPanelView = m_nCardTab = m_nCardPlayer = {0, 0};
    m_nMinute = 0;
    m_nTipPanel = -1;
    m_bRedrawAll = 1;
    m_nTickerPosition = m_nTickerLines = 0;
    m_bFinalWhistle = m_bPaused = m_bHalfTimeBanner = 0;
    m_nView = 0;
    m_bModeRepaint = 1;
    m_bInjuryPending = m_bPenaltyPending = 0;
    m_nPenaltySide = m_nPenaltyOutcome = 0;
    m_nRefusedPushes = 0;
    m_nDragState = m_nPressSide = m_nDragSource = 0;
    m_DragPoint = {-1, -1};
    for (auto& order : m_nDisplayOrder)
        for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    m_bChoosing = 0;
    m_nChoiceState = m_nTakersChosen = 0;
    m_Takers.fill({});
    for (auto& side : m_bPowerSwitch) side.fill(1);
    m_bPageDirty = 1;
    m_bLeaving = m_bSkipAsked = 0;
    m_nSheetSide = 0;
    m_bSecondHalf = 0;
}

void CHighScreen::CountSquads() {
    for (int side = 0; side < 2; ++side) {
        const CClub* club = SideClub(side);
        int n = 0;
        for (int slot = 0; club && slot < m_nSquadSlots; ++slot)
            if (club->GetPlayerId(slot) < 0xFFFF) ++n;
        m_nSquadCount[static_cast<size_t>(side)] = n;
    }
}

void CHighScreen::SetUpTeamSheet(int side) {
    const int rows = m_nSquadCount[static_cast<size_t>(side & 1)];
    m_nSheetSide = side & 1;
    g_TeamSheet.Init(30, 180, 479, 276, 13, rows, 23);
    g_TeamSheet.headerTop = 152;
    g_TeamSheetBar.Init(513, 176, 30, 276, rows, 23);
    FillTeamSheet(side & 1, g_TeamSheet);
}

void CHighScreen::SetAllDirty() { m_bDirty.fill(1); }

void CHighScreen::Enable() { platform::win::Window::Enable(true); }

void CHighScreen::Initialise() {
    BuildScreen(g_nScreenId);
    if (!Valid()) return;
    LoadIntroSurfaces();
    SetUpIntroButtons();
    SetUpLevelButtons();
    CreateFonts(m_pPage.get());
    m_nTimerId = SetTimer(kTimerId, kTickMs);
    if (m_nTimerId == 0) {
        m_bTimerFailed = 1;
        platform::win::PlainMessageBox(LoadString(hstext::kNoTimers), LoadString(843), platform::win::MB_OK);
        // Without ticks the page can never play the match: the engine
        // finishes it on its own and the day goes on.
        m_pMatchPlay->SetState(CMatchPlay::kLeft);
    }
}

void CHighScreen::SetUpIntroButtons() {
    static constexpr int kX[kIntroButtons] = {138, 298, 454, 610};
    static constexpr unsigned kCaptions[kIntroButtons] = {hstext::kMatch, hstext::kHomeTeam, hstext::kAwayTeam,
                                                          hstext::kProceed};
    for (int i = 0; i < kIntroButtons; ++i) {
        SurfaceButton& b = g_IntroButtons[static_cast<size_t>(i)];
        b = SurfaceButton{};
        b.Init(LoadString(kCaptions[i]), 72, 10, 255, 255, 0, 255, 255, 255);
        b.x = kX[i];
        b.y = 477;
        b.flags = kSbPicture | kSbCaption | kSbNoOffset | kSbToggle2;
        b.state = i == 0 ? 1 : 0;
        b.released = m_pIntroButton;
        b.pressed = m_pIntroButtonPressed;
        b.tip = LoadString(hstext::kPress);
    }
}

void CHighScreen::SetUpLevelButtons() {
    static constexpr int kX[3][5] = {{202, 232, 261, 293, 323}, {202, 232, 261, 295, 323}, {207, 237, 265, 293, 324}};
    static constexpr int kY[3] = {32, 73, 54};
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 5; ++k) {
            SurfaceButton& b = g_LevelButtons[static_cast<size_t>(g * 5 + k)];
            b = SurfaceButton{};
            b.x = kX[g][k];
            b.y = kY[g];
            b.flags = kSbPicture | kSbToggle | kSbNoOffset;
            b.state = 0;
            b.tip = LoadString(hstext::kLevelTips + static_cast<unsigned>(g * 5 + k));
        }
    SetUpLevelButtonPictures();
}

void CHighScreen::ReleaseSurfaces() {
    m_pIntroButton.reset();
    m_pIntroButtonPressed.reset();
    for (SurfacePtr* s : {&m_pPage, &m_pIntroBack, &m_pSheetBack, &m_pResultBack, &m_pScoresBack, &m_pStatsBack,
                          &m_pCompetition, &m_pScore, &m_pScoreBack,
                          &m_pStrip, &m_pStripUnlit, &m_pStripLit, &m_pClipFrame, &m_pPerformance,
                          &m_pPerformanceBack, &m_pPlay, &m_pPause, &m_pPauseDark, &m_pExit, &m_pExitDark})
        s->reset();
    for (auto* group : {&m_pKit, &m_pSmallKit, &m_pPanel, &m_pPanelBack, &m_pCardBack})
        for (SurfacePtr& s : *group) s.reset();
    for (SurfacePtr& s : m_pStatusIcon) s.reset();
    for (auto* group : {&m_pBall, &m_pDimKit, &m_pCardTabBack})
        for (SurfacePtr& s : *group) s.reset();
    for (SurfacePtr& s : m_pCentre) s.reset();
    for (SurfacePtr& s : m_pResultIcon) s.reset();
    for (SurfacePtr& s : m_pTakerShirt) s.reset();
    for (auto* sides : {&m_pSmallShirt, &m_pTinyShirt})
        for (auto& side : *sides)
            for (SurfacePtr& s : side) s.reset();
    m_pPenGoal.reset();
    m_pPenMiss.reset();
    for (auto* sets : {&m_InstructionButtons})
        for (auto& side : *sets)
            for (SurfaceButton& b : side) b.released.reset(), b.pressed.reset();
    for (auto& side : m_SwitchButtons)
        for (SurfaceButton& b : side) b.released.reset(), b.pressed.reset();
    for (auto& side : m_TacticsButtons)
        for (SurfaceButton& b : side) b.released.reset(), b.pressed.reset();
    // The records outlive the page: they must not keep its pictures.
    for (auto* set : {&g_IntroButtons, &g_ResultButtons})
        for (SurfaceButton& b : *set) b.released.reset(), b.pressed.reset();
    for (SurfaceButton& b : g_LevelButtons) b.released.reset(), b.pressed.reset();
    for (auto& side : m_CardButtons)
        for (SurfaceButton& b : side) b.released.reset(), b.pressed.reset(), b.overlay.reset();
    m_bMatchSurfaces = 0;
}

void CHighScreen::Close() {
    if (m_nTimerId) KillTimer(m_nTimerId);
    m_nTimerId = 0;
    DeleteFonts();
    ReleaseSurfaces();
    // The crowd loops end with the page, however it was left.
    StopSample(kCrowdHomeSlot);
    StopSample(kCrowdAwaySlot);
    CScreensInfo::Close();
}
