// Making the game move on: half a week at a time, or on to the next day a
// human manager's club plays. The only place where the user makes time pass.
#include "platform/window/ui.h"
#include "shell/mainframe.h"
#include "shell/screenmanager.h"
#include "shell/view.h"
#include "soccerclasses/fixtureinfo.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/treewindow.h"

using namespace platform::win;

namespace {

constexpr int kTeamSelectionScreen = 4;

// Whether the current user's manager has a match on the clock's date.
bool AdvanceCurrentUserPlays(CWorldData& w) {
    CManager* m = w.GetCurrentManager();
    CFixtureInfo info;
    return m && m->FindMatchOn(w.GetMatchDay(), info);
}

// Every user slot's messages go, as a day is about to run.
void AdvanceClearMessages(CWorldData& w) {
    for (int i = 0; i < CUserList::kSlots; ++i)
        if (CHumanManager* h = w.GetUserList().GetAt(i); h && h->HasManager()) h->ClearMessages();
}

CMainFrame* AdvanceFrame() { return dynamic_cast<CMainFrame*>(Ui::Get().MainWindow()); }

void AdvanceEndWaitCursor() {
    while (Ui::Get().WaitCursorShown()) Ui::Get().EndWaitCursor();
}

}  // namespace

int CScreenManager::FindUnreadyUser(bool needsMatch) {
    CWorldData* w = GetWorldData();
    if (!w) return -1;
    for (int i = 0; i < CUserList::kSlots; ++i) {
        if (!w->SetCurrentUser(i)) continue;
        CHumanManager* h = w->GetCurrentUser();
        if (!h || h->CheckTeamReady()) continue;
        if (needsMatch && !AdvanceCurrentUserPlays(*w)) continue;
        return i;
    }
    return -1;
}

void CScreenManager::OpenTeamSelectionFor() {
    if (CMainFrame* frame = AdvanceFrame()) frame->UpdateStatusBar();
    AdvanceEndWaitCursor();
    OpenPage(PageClass::SquadSelect, kTeamSelectionScreen, true, true);
}

void CScreenManager::MoveHalfWeekAhead() {
    CWorldData* w = GetWorldData();
    CBrixholmView* view = GetView();
    if (!w) return;
    if (view) view->SetAllToolBarButtons(false);
    Ui::Get().BeginWaitCursor();
    w->SetCurrentUserByManager(-1);
    if (FindUnreadyUser(true) >= 0) {
        // The current user is the one whose team must be made ready.
        OpenTeamSelectionFor();
        return;
    }
    w->ResetCurrentUser();
    g_bNewspaperRefresh = 1;
    AdvanceClearMessages(*w);
    const uint8_t matchBefore = g_bHumanMatchToday;
    if (CMainFrame* frame = AdvanceFrame()) frame->ResizeTo800x600();
    w->ProcessDay(1, 0);
    if (view && g_bHumanMatchToday != matchBefore) view->ShowMatchDayButtons();
    SetTreeMode(0);
    AdvanceEndWaitCursor();
    if (!w->HasHumanManager())
        StartNewGame();
    else
        Send(WM_COMMAND, kCommandNewspaper, 0);
}

void CScreenManager::SkipToNextMatchDate() {
    CWorldData* w = GetWorldData();
    CBrixholmView* view = GetView();
    if (!w) return;
    g_bNewspaperRefresh = 1;
    if (!g_bHumanMatchToday) {
        if (view) view->SetAllToolBarButtons(false);
        Ui::Get().BeginWaitCursor();
        w->Continue();
    } else {
        if (view) view->SetAllToolBarButtons(false);
        Ui::Get().BeginWaitCursor();
        w->SetCurrentUserByManager(-1);
        if (FindUnreadyUser(false) >= 0) {
            g_bNewspaperRefresh = 0;
            OpenTeamSelectionFor();
            return;
        }
        w->ResetCurrentUser();
        AdvanceClearMessages(*w);
        const uint8_t matchBefore = g_bHumanMatchToday;
        w->ProcessDay(0, 1);
        if (view && g_bHumanMatchToday != matchBefore) view->ShowMatchDayButtons();
    }
    SetTreeMode(0);
    RedrawTree();
    AdvanceEndWaitCursor();
    if (!w->HasHumanManager()) StartNewGame();
}
