// The match-day page's 55-ms tick: clips frame by frame, the reactions to
// each ended clip, the engine's minutes whenever the clip queue runs dry,
// the crowd levels, the panels' periodic refresh and painting.
#include <algorithm>
#include <vector>

#include "platform/window/ui.h"
#include "screens/highscreen.h"
#include "shell/flcclips.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/matchplay.h"

using namespace highscreen;

namespace {

bool HsBetween(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

void CHighScreen::OnTimerTick(uint32_t id) {
    if (id != m_nTimerId || m_nTimerId == 0 || !Valid()) {
        CScreensInfo::OnTimerTick(id);
        return;
    }
    if (m_nMode == 0) {
        RedrawIntroPage();
    } else if (m_nMode == 2) {
        RedrawResultPage();
    } else {
        m_nMinute = m_pMatchPlay->GetMinute() + m_pMatchPlay->GetStoppagePlayed();
        m_nMatchMinute = m_nMinute;
        // The enlarged view's frames carry the score lines: they are filled
        // before this tick's frame is drawn, not after it.
        if (m_bEnlargedView) FillEnlargedViewLines();
        if (m_bRedrawAll) {
            SetAllDirty();
            m_bClipFrameDirty = 1;
            PaintClipFrame(false);
            PaintHomePlayersPanel(false);
            PaintAwayPlayersPanel(false);
            PaintScorePanel(false);
            PaintControlStrip(false);
            DrawPerformancePanel(false);
            // A clip already on show goes on; only an idle player starts one.
            if (!FlcState().open) AdvanceClips(false);
            if (m_pScore) BlitSurfaceToScreen(m_pScore.get(), 0, 0);
            if (m_pClipFrame) BlitSurfaceToScreen(m_pClipFrame.get(), 440, 0);
            DrawMatchStateBanner();
            if (m_pPanel[0]) BlitSurfaceToScreen(m_pPanel[0].get(), 0, 225);
            if (m_pPerformance) BlitSurfaceToScreen(m_pPerformance.get(), 210, 225);
            if (m_pPanel[1]) BlitSurfaceToScreen(m_pPanel[1].get(), 575, 225);
            if (m_pStrip) BlitSurfaceToScreen(m_pStrip.get(), 210, 493);
            m_bRedrawAll = 0;
        } else {
            if (m_nFastPlay == 1) StartFastPlay();
            if (!m_bPaused) {
                PlayClipFrame();
                RunMinuteLoop();
                MoveCrowdLevels();
            }
            if (m_nTickCounter == 4) m_bDirty[kHomePanel] = 1;
            if (m_nTickCounter == 5) m_bDirty[kAwayPanel] = 1;
            if (m_nTickCounter == 10) m_bDirty[kScorePanel] = 1;
            if (m_nTickCounter == 14) m_bDirty[kPerformance] = 1;
            if (m_nSection == 4) {
                AdvanceScoresTicker();
                m_bDirty[kPerformance] = 1;
            }
            if (StepToolTip() && m_nTipPanel >= 0 && m_nTipPanel < kPanels) m_bDirty[static_cast<size_t>(m_nTipPanel)] = 1;
            PaintHomePlayersPanel(true);
            PaintAwayPlayersPanel(true);
            PaintScorePanel(true);
            PaintControlStrip(true);
            DrawPerformancePanel(true);
            PaintClipFrame(true);
            if (m_nMatchState != kBannerNone) DrawMatchStateBanner();
            UpdateCrowdVolume();
            if (m_nFinished == 2) ShowResultPage();
        }
    }
    m_nBlink = (m_nBlink + 1) % 48;
    m_nTickCounter = (m_nTickCounter + 1) % 18;
}

void CHighScreen::StartFastPlay() {
    CloseFlc(true);
    FlcState().pending.clear();
    FlcState().extraClip = -1;
    if (!m_bShootout) QueueFinalWhistle();
    QueueClip(0, 0);
    if (!m_bShootout) {
        platform::win::Ui::Get().BeginWaitCursor();
        m_pMatchPlay->PlayToEnd();
        platform::win::Ui::Get().EndWaitCursor();
    } else if (m_nChoiceState == 1) {
        // The kickers are still being chosen: the engine completes the list
        // and kicks it now, so the result page shows the tie decided.
        m_pMatchPlay->PlayShootoutAtOnce();
        m_nChoiceState = 0;
    }
    // A choice of taker ends with the skip (the engine's taker stepped up).
    m_bChoosing = 0;
    m_bPenaltyPending = 0;
    SetTakePenaltyButton(0, false);
    SetTakePenaltyButton(1, false);
    SyncPlayerMarkers();
    SetDisplayedScoreFromFixture();
    m_strCaption.clear();
    m_bDirty[kHomePanel] = m_bDirty[kAwayPanel] = m_bDirty[kScorePanel] = 1;
    PaintScorePanel(true);
    m_bRunning = 0;
    m_nPhase = 4;
    m_bPaused = 0;
    m_nMatchState = kBannerNone;
    m_nFinished = 1;
    m_nFastPlay = 2;
    AdvanceClips(false);
}

void CHighScreen::SetDisplayedScoreFromFixture() {
    if (!m_pFixture) return;
    m_nDisplayedScore = {m_pFixture->m_HomeGoals, m_pFixture->m_AwayGoals};
}

void CHighScreen::PlayClipFrame() {
    const FlcPlayerState& f = FlcState();
    // Nothing on show and nothing to start: the engine is stepped instead.
    if (!f.open && f.QueueEmpty() && f.pending.empty() && f.extraClip == -1) return;
    AdvanceClips(f.open != 0);
}

void CHighScreen::AdvanceClips(bool decode) {
    FlcPlayerState& f = FlcState();
    int index = f.readIndex;
    int ended = -1;
    bool dry = false;
    if (decode && f.open) {
        const int result = NextFlcFrame();
        if (result == -1) return;
        ended = result >= 1000 ? result - 1000 : result;
        dry = result >= 1000;
    } else if (StartFlcClip() == -1) {
        dry = true;
    }
    // The clips the player passed over without showing (no row or no file)
    // count as shown at once, so the match's flow never waits on a picture.
    struct Passed {
        int clip, index;
    };
    std::vector<Passed> passed;
    const int last = f.open ? (f.readIndex + FlcPlayerState::kQueueSize - 1) % FlcPlayerState::kQueueSize : f.readIndex;
    for (; index != last; index = (index + 1) % FlcPlayerState::kQueueSize)
        passed.push_back({f.queue[static_cast<size_t>(index)].clip, index});
    UpdateBallTrail();
    std::vector<Passed> clips;
    if (ended != -1) clips.push_back({ended, -1});
    clips.insert(clips.end(), passed.begin(), passed.end());
    for (const Passed& c : clips) {
        const uint8_t wasPaused = m_bPaused;
        const FlcClipRow* row = FlcClipAt(c.clip);
        if (row && row->side != 0 && !m_bShootout) {
            SetDisplayedScoreFromFixture();
            if (row->side == 1) m_nCaptionSide = 0;
            m_strCaption = m_pMatchPlay->GetSecondCommentaryText();
            m_bDirty[kScorePanel] = 1;
        }
        ReactToEndedClip(c.clip);
        if (c.index >= 0 && ((m_bPaused && !wasPaused) || m_nFinished == 2)) {
            // A hold stops the sequence here: what follows waits in the queue.
            if (f.open) CloseFlc(false);
            f.readIndex = (c.index + 1) % FlcPlayerState::kQueueSize;
            dry = f.QueueEmpty() && dry;
            break;
        }
    }
    if (dry) {
        m_bQueueEmpty = 1;
        m_nCaptionSide = -1;
        m_strCaption.clear();
        m_bDirty[kScorePanel] = 1;
        if (SyncPlayerMarkers()) m_bDirty[kHomePanel] = m_bDirty[kAwayPanel] = 1;
        m_bTouchlineUsed = {0, 0};
    }
}

void CHighScreen::ReactToEndedClip(int clip) {
    auto clearCaption = [this] {
        m_strCaption.clear();
        m_nCaptionSide = -1;
        m_bDirty[kScorePanel] = 1;
    };
    switch (clip) {
        case 0: m_nFinished = 2; return;
        case 4:
            m_bPaused = 1;
            m_nMatchState = kBannerShootout;
            m_bChoosing = 1;
            m_nChoiceState = 1;
            m_nTakersChosen = 0;
            m_Takers.fill({});
            ShowTakePenaltyButton();
            return;
        case 5:
            m_bRunning = 1;
            m_nPhase = 1;
            if (m_bExtraTime) {
                m_bExtraTimeShown = 1;
                m_bDirty[kScorePanel] = 1;
            }
            return;
        case 6:
            m_nMatchState = kBannerNone;
            m_bRunning = 1;
            m_nPhase = 3;
            m_nHalfTimeHandled = 2;
            m_bDirty[kScorePanel] = 1;
            return;
        case 9:
            SetDisplayedScoreFromFixture();
            clearCaption();
            m_bPaused = 1;
            m_bHalfTimeBanner = 1;
            m_nMatchState = kBannerHalfTime;
            m_bSecondHalf = 1;
            return;
        case 11: case 12: case 13:
            SetDisplayedScoreFromFixture();
            clearCaption();
            m_bPaused = 1;
            m_nMatchState = m_bExtraTime ? kBannerFullTimeAet : kBannerFullTime;
            return;
        case 14:
            m_nMatchState = kBannerExtraTime;
            clearCaption();
            m_bPaused = 1;
            m_bHalfTimeBanner = 1;
            return;
        default: break;
    }
    if (HsBetween(clip, 49, 66)) {
        clearCaption();
    } else if ((HsBetween(clip, 290, 295) || HsBetween(clip, 300, 309)) && m_bInjuryPending) {
        m_bPaused = 1;
        m_nMatchState = kBannerInjury;
        SetFlcInjury(true);
    } else if (HsBetween(clip, 320, 327) && m_bPenaltyPending) {
        m_bPaused = 1;
        m_nMatchState = kBannerPenalty;
        m_bChoosing = 1;
        m_nTakersChosen = 0;
        m_Takers.fill({});
        m_bPenaltyPending = 0;
        ShowTakePenaltyButton();
    } else if (HsBetween(clip, 346, 377) && m_nChoiceState == 2) {
        ++m_nShootoutKicks;
        m_bDirty[kPerformance] = 1;
    }
}

void CHighScreen::RunMinuteLoop() {
    if (!m_bRunning || !m_bQueueEmpty) return;
    CMatchPlay& e = *m_pMatchPlay;
    // A match has at most 130 minutes and four breaks: the loop is bounded
    // even should the engine stop answering.
    for (int guard = 0; guard < 400; ++guard) {
        bool played = false, stop = false;
        if (m_nChoiceState == 0) {
            played = true;
            const bool goesOn = e.PlayMinute();
            const int event = e.GetEventCode();
            m_strCommentary = e.GetCommentaryText();
            e.ClearCommentary();
            if (event != 0) {
                QueueEventAnimation(event);
                break;
            }
            if (!goesOn && e.GetState() == CMatchPlay::kNormalTime) {
                // The engine could play no further minute: the match ends here.
                m_bRunning = 0;
                m_nPhase = 4;
                m_nFinished = 1;
                QueueFinalWhistle();
                QueueClip(0, 0);
                break;
            }
        }
        if (e.IsHalfTime() && m_nHalfTimeHandled == 0 && m_nFastPlay == 0) {
            m_nHalfTimeHandled = 1;
            m_bRunning = 0;
            m_nPhase = 2;
            QueueClip(394, 0);
            QueueClip(9, 0);
            QueueClip(10, 1);
            QueueClip(396, 1);
            QueueClip(6, 1);
            stop = true;
        } else if (m_nFinished == 0 && e.GetState() == CMatchPlay::kNinetyOver) {
            if (e.WentToExtraTime()) {
                m_bExtraTime = 1;
                m_nPhase = 0;
                m_nHalfTimeHandled = 0;
                for (int clip : {394, 14, 3, 396, 5}) QueueClip(clip, 0);
                e.SetState(CMatchPlay::kExtraTime);
            } else {
                m_bRunning = 0;
                m_nPhase = 4;
                m_nFinished = 1;
                QueueFinalWhistle();
                QueueClip(0, 0);
            }
            stop = true;
        } else if (m_nFinished == 0 && e.GetState() == CMatchPlay::kShootout) {
            if (m_nChoiceState == 2) {
                m_bRunning = 0;
                m_nPhase = 4;
                m_nFinished = 1;
                QueueClip(11, 0);
                QueueClip(0, 0);
            } else if (!m_bShootout) {
                if (e.IsShootoutDue()) {
                    m_bShootout = 1;
                    for (int clip : {394, 4, 2}) QueueClip(clip, 0);
                } else {
                    m_bRunning = 0;
                    m_nPhase = 4;
                    m_nFinished = 1;
                    QueueFinalWhistle();
                    QueueClip(0, 0);
                }
            }
            stop = true;
        }
        // A pass that plays no minute cannot bring anything new.
        if (stop || !played) break;
    }
    m_bQueueEmpty = 0;
    AdvanceClips(false);
}

void CHighScreen::MoveCrowdLevels() {
    if (m_nTickCounter != 0 || m_pMatchPlay->GetMinute() < 1 || m_nFinished != 0) return;
    const bool awayHasBall = m_BallTrail[0].side == 1;
    int& home = m_nCrowdLevel[0];
    int& away = m_nCrowdLevel[1];
    if (awayHasBall) {
        home = std::max(5, home - 1);
        away = std::min(15, away + 1);
    } else {
        home = std::min(15, home + 1);
        away = std::max(5, away - 1);
    }
}

void CHighScreen::UpdateBallTrail() {
    FlcPlayerState& f = FlcState();
    if (f.started) {
        for (size_t i = m_BallTrail.size() - 1; i > 0; --i) m_BallTrail[i] = m_BallTrail[i - 1];
        m_BallTrail[0] = {35 + 23 * f.endColumn, 41 + 23 * f.endRow, m_pMatchPlay->GetPossessionSide()};
        f.started = 0;
        // The first clip of an event's sequence shows the minute's line,
        // whatever its kind.
        if (!m_strCommentary.empty()) m_strCaption = m_strCommentary;
    }
    if (f.kind > 2) {
        m_nCaptionSide = f.kind - 1;
        m_strCaption = m_strCommentary;
    }
}

bool CHighScreen::SyncPlayerMarkers() {
    bool changed = false;
    const int n = std::min(m_nSquadSlots, kMaxSquadSlots);
    for (int i = 0; i < n; ++i) {
        const int home = m_pMatchPlay->GetHomePlayerState(i), away = m_pMatchPlay->GetAwayPlayerState(i);
        int& h = m_nPlayerStatus[0][static_cast<size_t>(i)];
        int& a = m_nPlayerStatus[1][static_cast<size_t>(i)];
        if (h != home || a != away) changed = true;
        h = home;
        a = away;
    }
    return changed;
}

void CHighScreen::AdvanceScoresTicker() {
    m_nTickerLines = static_cast<int>(m_pMatchPlay->GetRelatedFixtures().size());
    if (++m_nTickerPosition > 32 * m_nTickerLines) m_nTickerPosition = 0;
}
