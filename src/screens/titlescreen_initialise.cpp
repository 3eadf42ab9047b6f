// The initialise page (112), which reads the start-up database in seven
// stages before a new game or a load, and the processing page's week
// summary (114).
#include <cmath>
#include <cstdio>

#include "platform/msgformat.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "screens/titlescreen.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"

using namespace platform::win;

namespace {

constexpr int kInitialiseStages = 7;
constexpr unsigned kInitialisingText = 29195;
constexpr int kStartPageScreen = 96;
constexpr int kManagerGenerationScreen = 97;

std::string InitialiseNumber(long long n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", n);
    return buf;
}

}  // namespace

void CTitleScreen::DrawInitialisePage() {
    CopySurface(m_pPicture.get(), m_pWork);
    DrawShadowText(2, platform::gfx::TA_CENTER, m_pWork.get(), platform::LoadString(kInitialisingText), 536, 107);
    FillSurfaceRect(m_pWork.get(), 386, 301, 381, 28, 0, 0, 0);
    const int width = ProgressBarWidth(379, m_nProgressStep, m_nProgressCount);
    if (width > 0) FillSurfaceRect(m_pWork.get(), 387, 302, width, 26, 254, 209, 69);
    BlitSurfaceToScreen(m_pWork.get(), 0, 0);
    ++m_nDraws;
}

void CTitleScreen::StepInitialise() {
    if (m_bStepDone) {
        FinishInitialise();
        return;
    }
    if (g_SetupState.gameData == kGameDataLoaded) {
        // The database is read already: this tick only draws, the next goes on.
        DrawPage();
        m_bStepDone = 1;
        return;
    }
    if (g_SetupState.gameData != kGameDataNone) return;
    CWorldData* world = GetWorldData();
    if (!world) return;
    g_SetupState.gameData = kGameDataLoading;
    // The timer must not start the stages again while one pending message
    // is handled between them.
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    m_nProgressCount = kInitialiseStages;
    DrawPage();
    Ui& ui = Ui::Get();
    ui.BeginWaitCursor();
    for (int stage = 0; stage < kInitialiseStages; ++stage) {
        try {
            world->NewGame(stage);
        } catch (const DataFileError& e) {
            ui.EndWaitCursor();
            ui.MessageBox(e.what(), "Vantorel 2000", 0);
            ui.PostQuitMessage(1);
            return;
        }
        SetProgress(stage, kInitialiseStages);
        if (stage == 3) {
            if (Message m; ui.PeekMessage(m)) ui.DispatchMessage(m);
            // A close answered Yes there ends the program: nothing more runs
            // over a frame that is going away.
            if (ui.QuitRequested() || !IsAlive()) {
                ui.EndWaitCursor();
                return;
            }
        }
    }
    ui.EndWaitCursor();
    m_bStepDone = 1;
    g_SetupState.gameData = kGameDataLoaded;
    g_SetupState.worldInitialised = 1;
    world->RefreshTree();
    FinishInitialise();
}

void CTitleScreen::FinishInitialise() {
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager) return;
    if (m_nTimer) KillTimer(m_nTimer);
    m_nTimer = 0;
    // A new world, new or loaded: no club has turned the manager down yet.
    g_SetupState.turnedDown.clear();
    if (!g_SetupState.loadPending) {
        g_nScreenId = kManagerGenerationScreen;
        manager->SetScreen(MakePage(PageClass::Option), true, false, false, false, false);
        return;
    }
    g_SetupState.loadPending = 0;
    // The chosen path is absolute: no folder changes.
    if (CWorldData::LoadGame(g_SetupState.loadPath) != 1) {
        platform::TraceF("Initialise: %s was not loaded; back to the title page\n", g_SetupState.loadPath.c_str());
        manager->StartNewGame();
        return;
    }
    if (CWorldData* world = GetWorldData()) world->RefreshTree();
    manager->ClearHistory();
    manager->RefreshTree(0);
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) frame->UpdateStatusBar();
    // The number first: the page records it as its own when it is made.
    g_nScreenId = kStartPageScreen;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
}

CTitleScreen::WeekSummary& CTitleScreen::GetWeekSummary() {
    static WeekSummary summary;
    return summary;
}

std::pair<unsigned, double> CTitleScreen::WeeklyResultLine(double net) {
    if (net > 0) return {848u, net};
    return {849u, std::trunc(-net)};
}

bool CTitleScreen::UpdateWeekSummary(CWorldData& world) {
    CHumanManager* user = world.GetCurrentUser();
    if (!user || !user->HasManager() || !user->IsEmployed()) return false;
    CManager* manager = user->GetManager();
    CClub* club = user->GetClub();
    if (!manager || !club) return false;
    WeekSummary& s = GetWeekSummary();
    const int64_t date = world.GetMatchTime().GetDays();
    const int slot = world.GetCurrentUserIndex();
    const int clubIndex = manager->GetClubIndex();
    if (s.valid && s.date == date && s.slot == slot && s.club == clubIndex) return true;
    s = WeekSummary{};
    s.valid = true;
    s.date = date;
    s.slot = slot;
    s.club = clubIndex;
    s.clubName = club->GetName();
    static constexpr unsigned kLabels[12] = {846, 847, 848, 850, 851, 852, 853, 854, 855, 856, 35, 36};
    for (int i = 0; i < 12; ++i) s.labels[i] = platform::LoadString(kLabels[i]);
    s.values[0] = club->FormatBankBalance();
    s.values[1] = club->FormatLoan();
    const auto [label, shown] = WeeklyResultLine(club->GetWeekNet());
    s.labels[2] = platform::LoadString(label);
    std::string money;
    if (CCountry* country = world.GetCurrentCountry())
        country->FormatMoney(money, shown);
    else
        money = InitialiseNumber(static_cast<long long>(shown));
    s.values[2] = money;
    s.values[3] = InitialiseNumber(club->GetStadiumCapacity());
    s.values[4] = InitialiseNumber(club->GetAverageAttendance());
    s.values[5] = InitialiseNumber(club->GetTablePosition() + 1);
    s.values[6] = InitialiseNumber(club->GetSquadSize());
    s.values[7] = InitialiseNumber(club->CountInjuredPlayers());
    s.values[8] = InitialiseNumber(club->CountSuspendedPlayers());
    s.values[9] = InitialiseNumber(club->Youths().GetSize());
    const CEmployee* coach = club->GetCoach();
    s.values[10] = coach ? coach->GetName() : "-";
    const int physio = club->FindEmployeeOfType(CEmployee::kHeadPhysio);
    const CEmployee* p = physio >= 0 ? club->Staff().GetAt(physio) : nullptr;
    s.values[11] = p ? p->GetName() : "-";
    return true;
}
