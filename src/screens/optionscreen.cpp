#include "screens/optionscreen.h"

#include <algorithm>
#include <cstdlib>

#include "platform/profile.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/titlescreen.h"
#include "shell/ambient.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xstatic.h"

using namespace platform::win;

namespace {

constexpr int kHubScreen = 98;
constexpr int kGameOptionsScreen = 6;
constexpr int kStartPageScreen = 96;
constexpr int kManagerSelectionScreen = 111;
constexpr int kTitleMenuScreen = 91;

// Inbox codes of the welcome messages: a Saturday start and any other day.
constexpr uint8_t kWelcomeSaturday = 198;
constexpr uint8_t kWelcomeOtherDay = 199;

CScreen* MakeOptionScreen() { return new COptionScreen(); }

CScreenManager* OptionManager(Window* parent) { return dynamic_cast<CScreenManager*>(parent); }

void UpdateOptionStatusBar() {
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) frame->UpdateStatusBar();
}

}  // namespace

COptionScreen::COptionScreen() {
    SetBackground("gfx\\backgrounds\\titlescreen2.bmp");
    m_nScreen = g_nScreenId;
}

COptionScreen::~COptionScreen() = default;

PageFactory COptionScreen::GetPageFactory() const { return &MakeOptionScreen; }

CXButton* COptionScreen::FindButton(uint32_t id) {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i).IsAlive() && GetButton(i).Id() == id) return &GetButton(i);
    return nullptr;
}

CXStatic* COptionScreen::FindLabel(int x, int y) {
    for (int i = 0; i < GetLabelCount(); ++i) {
        const Rect r = GetLabel(i).WindowRect();
        if (GetLabel(i).IsAlive() && r.left == x && r.top == y) return &GetLabel(i);
    }
    return nullptr;
}

CXEdit* COptionScreen::FindEdit(uint32_t id) {
    for (int i = 0; i < GetEditCount(); ++i)
        if (GetEdit(i).IsAlive() && GetEdit(i).Id() == id) return &GetEdit(i);
    return nullptr;
}

void COptionScreen::Initialise() {
    m_nScreen = g_nScreenId;
    BuildScreen(m_nScreen);
    switch (m_nScreen) {
        case kGameOptionsScreen: ShowGameOptions(); break;
        case kStartPageScreen: ShowStartPage(); break;
        case kManagerSelectionScreen: ShowManagerSelection(); break;
        case 97: SetUpManagerGeneration(); break;
        case 90: SetUpClubNegotiation(); break;
        case 61: SetUpConfirmation(); break;
        default: break;
    }
}

void COptionScreen::Show() {
    CScreensInfo::Show();
    // After the manager has set the tool box for the page: the hub and
    // Manager Generation keep it off, as Game Options does before a game.
    if (m_nScreen == kHubScreen || m_nScreen == 97 || (m_nScreen == kGameOptionsScreen && !g_bGameLoaded))
        NotifyToolboxState(false);
}

void COptionScreen::Close() {
    if (m_nScreen == kManagerSelectionScreen)
        if (CScreenManager* manager = OptionManager(Parent())) manager->SetTreeMode(0);
    if (m_nScreen == kGameOptionsScreen) {
        // Under "Use Default Currency" the display currency is Sterling; the
        // currency list keeps the file's rates.
        if (g_bGameLoaded)
            if (CWorldData* world = GetWorldData()) {
                if (g_bCurrency) g_nExchange = 1;
                world->ChangeCurrencyOptions(g_bCurrency, g_nExchange);
            }
        platform::WriteProfileInt("Options", "Fade", g_bFade);
        platform::WriteProfileInt("Options", "Ambient", g_bAmbient);
        platform::WriteProfileInt("Options", "Musicon", g_bMusicon);
        platform::WriteProfileInt("Options", "Sfx", g_bSfx);
        platform::WriteProfileInt("Options", "Currency", g_bCurrency);
        platform::WriteProfileInt("Options", "Exchange", g_nExchange);
    }
    CScreensInfo::Close();
}

bool COptionScreen::GetToolTipText(int index, std::string& text) {
    if (m_nScreen == kHubScreen) {
        text.clear();
        return true;
    }
    if (index < 0 || index >= GetButtonCount()) return CScreensInfo::GetToolTipText(index, text);
    text = platform::LoadString(GetButton(index).Id());
    const size_t br = text.find('\n');
    if (br != std::string::npos) text = text.substr(br + 1);
    return true;
}

// --- Game Options (6) ---

void COptionScreen::ShowGameOptions() {
    if (!g_bGameLoaded) {
        if (CXButton* b = FindButton(29003)) b->Enable(false);
        if (CXButton* b = FindButton(29002)) b->Enable(false);
    }
    if (CXButton* b = FindButton(21453)) b->SetTicked(g_bFade);
    if (CXButton* b = FindButton(21454)) b->SetTicked(g_bAmbient);
    if (CXButton* b = FindButton(21455)) b->SetTicked(g_bSfx);
    if (CXButton* b = FindButton(21452)) b->SetTicked(g_bCurrency);
    SetCurrencyControls();
}

void COptionScreen::SetCurrencyControls() {
    const bool fixed = g_bCurrency != 0;
    const platform::gfx::ColourRef colour = fixed ? platform::gfx::RGB(128, 128, 128) : platform::gfx::RGB(255, 255, 255);
    if (CXStatic* label = FindLabel(30, 243)) label->SetColours(colour, 0), label->Invalidate(false);
    if (CXStatic* name = FindLabel(350, 243)) {
        name->SetColours(colour, 0);
        name->SetText(platform::LoadString(34287u + std::min<unsigned>(g_nExchange, 9)));
    }
    if (CXButton* b = FindButton(21394)) b->Enable(!fixed);
    if (CXButton* b = FindButton(21395)) b->Enable(!fixed);
}

void COptionScreen::OnNewGame() {
    if (UserMessageBox(787, MB_YESNO | MB_ICONQUESTION, -1) == IDNO) return;
    if (CScreenManager* manager = OptionManager(Parent())) manager->StartNewGame();
    g_bGameLoaded = 0;
}

void COptionScreen::OnSaveGame() {
    CWorldData* world = GetWorldData();
    CScreenManager* manager = OptionManager(Parent());
    if (!world || !manager) return;
    g_bGameLoaded = 0;
    g_SetupState.saving = 1;
    const bool saved = world->SaveGameDialog();
    g_bGameLoaded = 1;
    if (saved) {
        if (!manager->GoBack(1)) {
            g_nScreenId = kGameOptionsScreen;
            manager->SetScreen(MakePage(PageClass::Option), true, false, false, true, false);
        }
    }
    g_SetupState.saving = 0;
}

void COptionScreen::OnLoadGame() {
    CWorldData* world = GetWorldData();
    CScreenManager* manager = OptionManager(Parent());
    if (!world || !manager) return;
    const uint8_t loadedBefore = g_bGameLoaded;
    if (g_bGameLoaded && UserMessageBox(828, MB_YESNO | MB_ICONQUESTION, -1) == IDYES) {
        g_SetupState.saving = 1;
        world->SaveGameDialog();
        g_SetupState.saving = 0;
    }
    g_bGameLoaded = 0;
    if (CWorldData::LoadGameDialog() == 1) {
        g_SetupState.turnedDown.clear();
        if (CWorldData* loaded = GetWorldData()) loaded->RefreshTree();
        manager->ClearHistory();
        manager->RefreshTree(0);
        UpdateOptionStatusBar();
        // The processing page has replaced this one: the manager shows the next.
        g_nScreenId = kStartPageScreen;
        manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
        g_bGameLoaded = 1;
        g_SetupState.saving = 0;
        return;
    }
    // A cancel or a failure leaves the flags as they were.
    g_bGameLoaded = loadedBefore;
    g_SetupState.saving = 0;
    if (m_nScreen == kGameOptionsScreen || m_nScreen == kHubScreen) {
        g_nScreenId = m_nScreen;
        manager->SetScreen(MakePage(PageClass::Option), true, false, false, m_nScreen == kGameOptionsScreen && loadedBefore,
                           false);
    }
}

// --- the start page (96) and Manager Selection (111) ---

void COptionScreen::ShowStartPage() {
    CWorldData* world = GetWorldData();
    if (!world) return;
    const CMatchTime clock = world->GetMatchTime();
    if (clock.GetSeason() != 0 || clock.GetWeek() != 0) return;
    const uint8_t code = clock.IsSaturday() ? kWelcomeSaturday : kWelcomeOtherDay;
    CUserList& users = world->GetUserList();
    for (int slot = 0; slot < CUserList::kSlots; ++slot) {
        CHumanManager* user = users.GetAt(slot);
        if (!user || !user->HasManager()) continue;
        // Once per game: the page opens again through Back and after a save.
        if (user->HasMessage(kWelcomeSaturday) || user->HasMessage(kWelcomeOtherDay)) continue;
        const CClub* club = user->GetClub();
        user->AddMessage(code, club ? club->GetName() : std::string(), "", "", -1);
    }
}

void COptionScreen::ShowManagerSelection() {
    CWorldData* world = GetWorldData();
    SelectManagerSlot(world ? std::max(0, world->GetCurrentUserIndex()) : 0);
}

void COptionScreen::SelectManagerSlot(int slot) {
    CWorldData* world = GetWorldData();
    if (!world || slot < 0 || slot >= CUserList::kSlots) return;
    CWorldData::SelectedUserSlot() = static_cast<uint8_t>(slot);
    for (int i = 0; i < CUserList::kSlots; ++i) {
        CXButton* b = FindButton(21480u + unsigned(i));
        if (!b) continue;
        const CHumanManager* user = world->GetUserList().GetAt(i);
        const bool used = user && user->HasManager();
        b->Enable(used);
        b->SetColours(platform::gfx::RGB(255, 255, 255), 0);
        if (i == slot) {
            b->Enable(true);
            b->SetColours(platform::gfx::RGB(255, 0, 0), 0);
        }
        b->Invalidate(false);
    }
    world->SetCurrentUser(slot);
    UpdateOptionStatusBar();
}

// --- commands ---

bool COptionScreen::OnCommand(uint32_t id, uint32_t code, Window* control) {
    if (m_nScreen == 97 && StepFace(EditedFace(), id)) {
        ApplyFaceRules(EditedFace());
        ShowFaceChoices();
        RedrawFace();
        return true;
    }
    switch (id) {
        case 21446:
            if (m_nScreen != kHubScreen) break;
            // In a running game a new game takes the options page's road.
            if (g_bGameLoaded) {
                OnNewGame();
            } else {
                NotifyToolboxState(false);
                OpenSetUpPage(97);
            }
            return true;
        case 21447:
        case 21488:
        case 21457:
        case 21458: return true;
        case 21448:
            if (m_nScreen != kHubScreen) break;
            g_nScreenId = kGameOptionsScreen;
            if (CScreenManager* manager = OptionManager(Parent()))
                manager->SetScreen(MakePage(PageClass::Option), true, true, false, g_bGameLoaded != 0, false);
            return true;
        case 21449:
        case 29002: OnLoadGame(); return true;
        case 29003: OnSaveGame(); return true;
        case 28999: OnNewGame(); return true;
        case 29004:
            if (CScreenManager* manager = OptionManager(Parent())) manager->GoBack(1);
            return true;
        case 21453:
            g_bFade = g_bFade ? 0 : 1;
            return true;
        case 21454:
            g_bAmbient = g_bAmbient ? 0 : 1;
            if (g_bAmbient)
                PlaySample(kAmbientLoopSlot, 1);
            else
                StopSample(kAmbientLoopSlot);
            return true;
        case 21455:
            g_bSfx = g_bSfx ? 0 : 1;
            if (!g_bSfx)
                StopSample(kAmbientLoopSlot);
            else if (g_bAmbient)
                PlaySample(kAmbientLoopSlot, 1);
            return true;
        case 21452:
            g_bCurrency = g_bCurrency ? 0 : 1;
            SetCurrencyControls();
            return true;
        case 21394:
        case 21395:
            if (g_bCurrency) return true;
            if (id == 21394 && g_nExchange > 0) --g_nExchange;
            if (id == 21395 && g_nExchange < 9) ++g_nExchange;
            SetCurrencyControls();
            return true;
        case 21505: OnManagerGenerationOk(); return true;
        case 21506:
            if (g_SetupState.managerCount > 1) {
                --g_SetupState.managerCount;
                CWorldData::SelectedUserSlot() = static_cast<uint8_t>(g_SetupState.managerCount - 1);
                OpenSetUpPage(61);
            }
            return true;
        case 10192: OnClubNegotiationOk(); return true;
        case 10193: OnClubNegotiationCancel(); return true;
        case 21511: OnAddManager(); return true;
        case 520: OnDeleteManager(); return true;
        case 21510: OnConfirmationOk(); return true;
        case 21520: {
            g_nScreenId = kTitleMenuScreen;
            auto* page = new CTitleScreen();
            page->SetBackground("gfx\\backgrounds\\92.bmp");
            if (CScreenManager* manager = OptionManager(Parent())) manager->SetScreen(page, true, false, true, false, false);
            return true;
        }
        default:
            if (m_nScreen == kManagerSelectionScreen && id >= 21480 && id <= 21487) {
                SelectManagerSlot(static_cast<int>(id - 21480));
                return true;
            }
            break;
    }
    return CScreensInfo::OnCommand(id, code, control);
}

void COptionScreen::OpenSetUpPage(int screen) {
    CScreenManager* manager = OptionManager(Parent());
    if (!manager) return;
    g_nScreenId = screen;
    manager->SetScreen(MakePage(PageClass::Option), true, false, false, false, false);
}

void RegisterOptionScreen() { RegisterPageFactory(PageClass::Option, &MakeOptionScreen); }
