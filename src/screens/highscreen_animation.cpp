// The clips of the match's events and its closing whistle, and the crowd's
// volume: the page queues what the match animations choose and keeps the
// penalty choice and the injury flag they raise.
#include "screens/highscreen.h"
#include "screens/matchanimation.h"
#include "soccerclasses/matchplay.h"

void CHighScreen::QueueClip(int clip, int side) {
    // A full queue drops the clip; the count lets a whole match prove it
    // never happened.
    if (!PushFlcEvent(clip, side)) ++m_nRefusedPushes;
}

void CHighScreen::QueueEventAnimation(int event) {
    const bool homeHuman = m_pMatchPlay->GetManagerKind(0) == 1;
    const bool awayHuman = m_pMatchPlay->GetManagerKind(1) == 1;
    const MatchEventAnimation a = BuildEventAnimation(event, homeHuman, awayHuman, m_bSecondHalf != 0);
    for (const FlcQueueEntry& c : a.clips) QueueClip(c.clip, c.side);
    if (a.penaltyPending) {
        m_bPenaltyPending = 1;
        m_nPenaltySide = a.penaltySide;
        m_nPenaltyOutcome = a.penaltyOutcome;
    }
    if (a.injury >= 0) m_bInjuryPending = a.injury ? 1 : 0;
}

void CHighScreen::QueueFinalWhistle() {
    m_bFinalWhistle = 1;
    for (const FlcQueueEntry& c : FinalWhistleClips()) QueueClip(c.clip, c.side);
}

void CHighScreen::UpdateCrowdVolume() { ApplyCrowdLevels(m_nCrowdLevel[0], m_nCrowdLevel[1]); }
