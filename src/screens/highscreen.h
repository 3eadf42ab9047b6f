#pragma once
// The match-day page: a human manager's match shown as queued animation
// clips with panels and touchline controls while the engine plays it a
// minute at a time. It lives exactly as long as the match: the engine pumps
// the window loop until the page sets its state byte to 4.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/surface.h"
#include "shell/screensinfo.h"
#include "shell/surfacewidgets.h"

class CClub;
class CFixture;
class CMatchPlay;

// The page's program-wide widget records: they outlive every match and each
// match fills them again before it draws them.
namespace highscreen {
inline constexpr int kLevelButtons = 15;
inline constexpr int kIntroButtons = 4;
extern std::array<SurfaceButton, kLevelButtons> g_LevelButtons;
extern std::array<SurfaceButton, kIntroButtons> g_IntroButtons;
extern std::array<SurfaceButton, 4> g_ResultButtons;
extern SurfaceTable g_TeamSheet;
extern SurfaceScrollBar g_TeamSheetBar;
extern SurfaceTable g_LatestScores;
extern SurfaceScrollBar g_LatestScoresBar;
// The mirrors the help command reads: the page's mode and its view.
extern int g_nMatchMode;
extern int g_nMatchView;

inline constexpr int kScreenId = 64;
inline constexpr uint32_t kTimerId = 1;
inline constexpr uint32_t kTickMs = 55;
inline constexpr int kCrowdHomeSlot = 20;
inline constexpr int kCrowdAwaySlot = 21;
// The panels of the match page, in hit-test order.
enum Panel : int { kScorePanel = 0, kHomePanel = 1, kAwayPanel = 2, kStrip = 3, kPerformance = 4, kPanels = 5 };
// The panel a point of the page falls in (the last that holds it), or -1.
int PanelAt(int x, int y);
// The control strip's section at x within the strip, or -1.
int StripSectionAt(int x);
// The engine value of level button k (0 to 4) of a group.
int LevelValue(int k);
// The level button (0 to 4) an engine value 0 to 9 presses.
int LevelButtonFor(int value);
// The performance panel's background pictures.
enum CentrePicture : int {
    kCentreZones = 0, kCentreManMarking, kCentreTerritoryLight, kCentreTerritoryDark, kCentreStatistics,
    kCentreFormation, kCentreSubstitutions, kCentrePlayingStyles, kCentreMotivation, kCentreLatestScores
};
// The share of the left, middle and right thirds (the right one takes the
// rounding's remainder); 0, 100 and 0 before any play.
std::array<int, 3> ThirdShares(double left, double middle, double right);
// A power bar's length for a normalised value.
int PowerBarLength(int value);
// The typed keys and the hidden mode are kept for the program's run; a
// test that starts the program again starts them afresh.
void ForgetTypedKeys();
}  // namespace highscreen

class CHighScreen : public CScreensInfo {
public:
    static constexpr int kMaxSquadSlots = 16;
    static constexpr int kCardButtons = 6;

    // Dynamic creation only: no engine, no match set-up.
    CHighScreen();
    explicit CHighScreen(CMatchPlay* pMatchPlay);
    ~CHighScreen() override;

    void Initialise() override;
    void Show() override {}
    void Enable() override;
    void Close() override;
    void Refresh() override {}
    void OnTimerTick(uint32_t id) override;
    PageFactory GetPageFactory() const override;

    // The whole page by its mode.
    void Redraw();

    // --- the tick's parts ---
    void StartFastPlay();
    // One frame of the clip on show and the reaction when a clip ended.
    void PlayClipFrame();
    // Decodes a frame of the clip on show (or starts the next clip) and
    // reacts to every clip that ended or was passed over.
    void AdvanceClips(bool decode);
    void ReactToEndedClip(int clip);
    // Engine minutes until one brings an event, a break or an end.
    void RunMinuteLoop();
    void MoveCrowdLevels();
    void UpdateBallTrail();
    // True when any shown player's status changed.
    bool SyncPlayerMarkers();
    void SetDisplayedScoreFromFixture();
    void AdvanceScoresTicker();

    // --- the animations (the event clips, the closing clips, the crowd) ---
    void QueueEventAnimation(int event);
    // Queues a clip on the player; a refused push is counted.
    void QueueClip(int clip, int side);
    void QueueFinalWhistle();
    void UpdateCrowdVolume();

    // --- painters; `blit` copies the panel to the window at once ---
    void PaintScorePanel(bool blit);
    // A side's score as the score panel shows it, the first leg's in brackets.
    std::string DisplayedScoreText(int side) const;
    // The enlarged view's two score lines at its foot, from the displayed score.
    void FillEnlargedViewLines();
    void PaintControlStrip(bool blit);
    void PaintClipFrame(bool blit);
    void PaintHomePlayersPanel(bool blit) { PaintPlayersPanel(0, blit); }
    void PaintAwayPlayersPanel(bool blit) { PaintPlayersPanel(1, blit); }
    void PaintPlayersPanel(int side, bool blit);
    void DrawPerformancePanel(bool blit);
    void DrawShootoutBoard();
    void DrawPowerBars();
    void DrawActionAreas();
    void DrawBallTrail();
    void DrawMatchStatistics();
    void DrawLatestScores(bool blit);
    void DrawFormationView();
    void DrawTacticsView();
    void DrawSubstitutions();
    void DrawPlayerCard(int side);
    // A name in the room its panel leaves it: in `font` when it fits, else
    // in `smaller`, centred on the same line, cut to the room if need be.
    void DrawNameInRoom(int font, int smaller, unsigned align, platform::gfx::Surface* s, const std::string& name,
                        int x, int y, int room);
    // An event line ("name minute", "name (minute) ") in the room of its
    // list: font 3 when it fits, else font 1, and then the name is cut so
    // that the minute and its mark always show. Gives the font and text.
    std::pair<int, std::string> FitEventLine(const std::string& line, int room) const;
    // A poly-line of per-minute values, broken where a value is 0 or less.
    void DrawLineGraph(double x0, double y0, double xScale, double yScale, const std::vector<int>& values,
                       platform::gfx::Surface* surface, int red, int green, int blue);
    void PressPerformancePanel(int x, int y);
    void ReleasePerformancePanel();
    // The formation list of a side's club (its human manager's own).
    void FillFormationTable(int side);
    // The instruction buttons pressed for the card player of a side.
    void PressInstructionButtons(int side);
    // The side's manager's instruction table; null for a computer side.
    std::array<std::array<std::array<int32_t, 10>, 30>, 3>* InstructionTable(int side) const;
    int SelectedFormation(int side) const;
    // The shown side's tactic byte levels press the level buttons.
    void PressLevelButtonsFor(int side);
    void RedrawIntroPage();
    void DrawIntroPage();
    void DrawTeamSheet();
    void RedrawResultPage();
    void DrawResultPage();
    // The result page's lists of a side: goals (icon 0), bookings (1) and
    // sendings-off (2), each line with its y.
    struct ResultLine {
        int icon = 0, y = 0;
        std::string text;
    };
    std::vector<ResultLine> ResultPageLines(int side) const;
    // Each side's event lines stand in this room, clear of the other side's
    // icons and of the panel's edge.
    static constexpr int kResultLineRoom = 260;
    // The lowest y a list's last line may take, and the least step between
    // lines (the icons draw 12 of their 16 pixels).
    static constexpr int kResultListsFoot = 406, kResultLineLeast = 13;
    // The statistics view's player rows: at most 14 a side, rated for the
    // first eleven.
    struct ResultPlayerRow {
        int side = 0, index = 0;
        bool rated = false;
    };
    std::vector<ResultPlayerRow> ResultPlayerRows() const;
    // The ten statistics rows' home and away figures.
    std::array<std::array<int, 2>, 10> ResultStatistics() const;

    // --- team sheets and scores ---
    void FillHomeTeamSheet(SurfaceTable& table) { FillTeamSheet(0, table); }
    void FillAwayTeamSheet(SurfaceTable& table) { FillTeamSheet(1, table); }
    void FillTeamSheet(int side, SurfaceTable& table);
    void FillLatestScores();
    // Initialises the sheet table and bar for a side's filled slots.
    void SetUpTeamSheet(int side);
    // The numbered shirts in the sheet's "No." column, over its text.
    void DrawSheetMarkers(platform::gfx::Surface* surface, int side);

    // --- touchline controls ---
    void PressIntroPage(int x, int y);
    void PressResultPage(int x, int y);
    void PressScorePanel(int x, int y);
    void PressControlStrip(int x, int y);
    // The tips over the run and skip buttons and the scorers, the strip's
    // sections, and the tactics view's levels and check boxes.
    void HoverScorePanel(int x, int y);
    void HoverControlStrip(int x);
    void HoverPerformancePanel(int x, int y);
    void Proceed();
    // --- the players panels (side 0 home, 1 away; points within the panel) ---
    void PressPlayersPanel(int side, int x, int y);
    void PressPlayerCard(int side, int x, int y);
    void DragOverPlayersPanel(int side, int x, int y);
    void ReleasePlayersPanel(int side, int x, int y);
    void OpenCard(int side, int row);
    // `Substitute` with the rows in the order the drag gave them.
    void TrySubstitution(int side, int from, int to);
    // The pressing side's card player takes the penalty or joins the
    // shoot-out's kickers.
    void OnTakePenalty(int side);
    // The side whose card offers "Take Penalty" in the choice now open.
    int ChoosingSide() const;
    bool IsHumanSide(int side) const;
    // A squad row that holds a player.
    bool IsFilledRow(int side, int row) const;
    void ShowResultPage();
    void LeaveScreen();
    void ToggleRun();

    // --- loading ---
    void LoadIntroSurfaces();
    void LoadMatchPageSurfaces();
    void LoadResultSurfaces();
    // The crowd loops (playing at once), the kicks, the whistle and the
    // crowd's reactions in slots 20 to 27.
    void LoadMatchSamples();
    // The trophy picture of a competition id; empty for none.
    static std::string TrophyPath(int competitionId);

    CMatchPlay* GetMatchPlay() const { return m_pMatchPlay; }
    int GetSquadCount(int side) const { return m_nSquadCount[static_cast<size_t>(side & 1)]; }
    uint32_t GetTimerId() const { return m_nTimerId; }
    int GetDisplayedScore(int side) const { return m_nDisplayedScore[static_cast<size_t>(side & 1)]; }

    // --- state (Part of every painter's and handler's work) ---
    struct BallTrailEntry {
        int x = 173, y = 133, side = 0;
    };
    std::array<BallTrailEntry, 4> m_BallTrail{};
    std::array<int, 2> m_nCrowdLevel{10, 10};
    std::array<int, 2> m_nSquadCount{};
    std::array<int, 2> m_nDisplayedScore{};
    std::string m_strCaption, m_strCommentary;
    uint8_t m_bCommentaryHidden = 0;
    int m_nCaptionSide = -1;
    std::array<std::array<int, kMaxSquadSlots>, 2> m_nPlayerStatus{};
    uint8_t m_bBothHuman = 0;
    int m_nFormationSide = 0, m_nTacticsSide = 0;
    std::array<uint8_t, 2> m_bTouchlineUsed{};
    int m_nTickCounter = 0;
    uint32_t m_nTimerId = 0;
    uint8_t m_bRunning = 0;
    int m_nPhase = 0;
    int m_nHalfTimeHandled = 0;
    int m_nFinished = 0;
    uint8_t m_bExtraTime = 0, m_bExtraTimeShown = 0, m_bShootout = 0;
    int m_nShootoutKicks = 0;
    int m_nFastPlay = 0;
    uint8_t m_bQueueEmpty = 0;
    int m_nBlink = 0;
    int m_nMode = 0;
    int m_nPressMode = 0;
    int m_nSection = 0;
    std::array<int, 2> m_nPanelView{}, m_nCardTab{}, m_nCardPlayer{};
    int m_nMinute = 0;  // the displayed minute
    int m_nTipPanel = -1;
    uint8_t m_bRedrawAll = 1;
    uint8_t m_bClipFrameDirty = 1;
    std::array<uint8_t, highscreen::kPanels> m_bDirty{};
    int m_nTickerPosition = 0, m_nTickerLines = 0;
    int m_nSquadSlots = 11;
    uint8_t m_bFinalWhistle = 0, m_bPaused = 0, m_bHalfTimeBanner = 0;
    int m_nView = 0;  // intro sheet or result view
    uint8_t m_bModeRepaint = 1, m_bInjuryPending = 0, m_bPenaltyPending = 0;
    // The penalty choice: the side awarded it and the outcome the engine fixed.
    int m_nPenaltySide = 0, m_nPenaltyOutcome = 0;
    int m_nRefusedPushes = 0;
    // "Previous player", "Next player", "Take Penalty", "Praise",
    // "Encourage", "Discipline" on each side's card.
    std::array<std::array<SurfaceButton, kCardButtons>, 2> m_CardButtons{};
    // Each card's 18 instruction buttons: aggression, attacking bias and
    // passing style rows of six (0 the side's setting, 1 to 5 the levels).
    std::array<std::array<SurfaceButton, 18>, 2> m_InstructionButtons{};
    // The power bars' five switches a side, and each side's tactics view
    // buttons: the two check boxes, then the four takers' arrows.
    std::array<std::array<SurfaceButton, 5>, 2> m_SwitchButtons{};
    std::array<std::array<SurfaceButton, 10>, 2> m_TacticsButtons{};
    std::array<SurfaceTable, 2> m_FormationTable{};
    std::array<SurfaceScrollBar, 2> m_FormationBar{};
    // The set-piece takers' shirt numbers, one set for both sides.
    std::array<int, 4> m_nTakers{10, 2, 5, 6};
    int m_nDragState = 0, m_nPressSide = 0, m_nDragSource = 0;
    platform::win::Point m_DragPoint{-1, -1};
    std::array<std::array<int, kMaxSquadSlots>, 2> m_nDisplayOrder{};
    uint8_t m_bChoosing = 0;
    int m_nChoiceState = 0;
    int m_nTakersChosen = 0;
    struct Taker {
        std::string name;
        int player = -1;
    };
    std::array<Taker, 5> m_Takers{};
    std::array<std::array<uint8_t, 5>, 2> m_bPowerSwitch{};
    uint8_t m_bPageDirty = 1;
    uint8_t m_bLeaving = 0;
    uint8_t m_bSkipAsked = 0;
    int m_nSheetSide = 0;
    // Set when the half-time clip ends: the clips of the second half are
    // mirrored (the ends are swapped).
    uint8_t m_bSecondHalf = 0;

    CMatchPlay* m_pMatchPlay = nullptr;
    CClub* m_pCurrentClub = nullptr;
    CFixture* m_pFixture = nullptr;

    // The surfaces the intro and result pages and the panels are composed on.
    const platform::gfx::Surface* PageSurface() const { return m_pPage.get(); }
    const platform::gfx::Surface* IntroBackSurface() const { return m_pIntroBack.get(); }
    const platform::gfx::Surface* KitSurface(int side) const { return m_pKit[static_cast<size_t>(side & 1)].get(); }
    // Where the intro page stands each side's full kit: inside its name's band.
    static constexpr int kIntroKitLeft = 102;
    static constexpr int kIntroKitTop[2] = {96, 304};
    const platform::gfx::Surface* ScoreSurface() const { return m_pScore.get(); }
    const platform::gfx::Surface* PanelSurface(int side) const { return m_pPanel[static_cast<size_t>(side & 1)].get(); }
    const platform::gfx::Surface* PerformanceSurface() const { return m_pPerformance.get(); }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    using SurfacePtr = std::unique_ptr<platform::gfx::Surface>;
    // A picture of the match archive, or a drawn panel of the size given
    // when the archive does not hold it.
    void LoadMatchPicture(const char* name, SurfacePtr& surface, int width, int height, bool keyed);
    // Any picture of the archives, or a drawn panel of the size given.
    void LoadPicture(const std::string& path, SurfacePtr& surface, int width, int height, bool keyed);
    // A picture whose palette entry 255 takes the colour.
    void LoadRecolouredPicture(const std::string& path, SurfacePtr& surface, uint8_t red, uint8_t green, uint8_t blue);
    void BuildNumberedShirts();
    // The level, switch, instruction and tactics buttons' pictures.
    void SetUpLevelButtonPictures();
    void SetUpPanelButtons();
    void CountSquads();
    void ResetState();
    void SetUpIntroButtons();
    void SetUpLevelButtons();
    void ReleaseSurfaces();
    void DrawCompetitionHeader(platform::gfx::Surface* surface);
    void ShowTakePenaltyButton();
    void SetTakePenaltyButton(int side, bool shown);
    // "Praise", "Encourage" and "Discipline" show for a human side's starter.
    void ShowTouchlineButtons(int side);
    void SetUpCardButtons();
    void SetAllDirty();
    bool Valid() const { return m_pMatchPlay != nullptr; }
    // The club playing on a side of this match; null without a world.
    static CClub* SideClub(int side);

    SurfacePtr m_pPage;  // the intro and result pages are composed here
    SurfacePtr m_pIntroBack, m_pSheetBack, m_pResultBack, m_pScoresBack, m_pStatsBack;
    std::shared_ptr<platform::gfx::Surface> m_pIntroButton, m_pIntroButtonPressed;
    SurfacePtr m_pCompetition;
    std::array<SurfacePtr, 2> m_pKit, m_pSmallKit;
    SurfacePtr m_pScore, m_pScoreBack;
    SurfacePtr m_pStrip, m_pStripUnlit, m_pStripLit;
    SurfacePtr m_pClipFrame;
    std::array<SurfacePtr, 2> m_pPanel, m_pPanelBack, m_pCardBack, m_pCardTabBack;
    SurfacePtr m_pPerformance, m_pPerformanceBack;
    // The performance panel's backgrounds, by highscreen::CentrePicture.
    std::array<SurfacePtr, 10> m_pCentre;
    std::array<SurfacePtr, 2> m_pBall;  // the ball markers in the shirt colours
    SurfacePtr m_pPenGoal, m_pPenMiss;
    std::array<SurfacePtr, 3> m_pResultIcon;  // ball, yellow, red
    // Numbered shirts 1 to 16 (slot k holds number k + 1), small and tiny,
    // and the plain tiny numbers 1 to 11 of the set-piece takers.
    std::array<std::array<SurfacePtr, kMaxSquadSlots>, 2> m_pSmallShirt, m_pTinyShirt;
    std::array<SurfacePtr, 11> m_pTakerShirt;
    std::array<SurfacePtr, 2> m_pDimKit;  // kind 1, for the end not in possession
    SurfacePtr m_pPlay, m_pPause, m_pPauseDark, m_pExit, m_pExitDark;
    std::array<SurfacePtr, 4> m_pStatusIcon;
    uint8_t m_bMatchSurfaces = 0;
    uint8_t m_bStripPictures = 0;  // the strip's pictures carry the names
    uint8_t m_bTimerFailed = 0;
};

// Registers the match-day page and its engine-made form, and installs the
// driver that opens it for a human manager's match.
void RegisterHighScreen();
