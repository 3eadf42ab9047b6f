#include "shell/brixholmapp.h"
#include "shell/setupstate.h"

#include "platform/files.h"
#include "platform/gfx/system.h"
#include "platform/profile.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "shell/aboutbox.h"
#include "shell/brixholmdoc.h"
#include "shell/helpwindow.h"
#include "shell/programicon.h"
#include "shell/mainframe.h"
#include "shell/shellport.h"
#include "shell/view.h"
#include "soccerclasses/worlddata.h"

std::string g_strSourceDir;
std::string g_strInstallDir;
int NumberOfShirts = 50;
int NumberOfShorts = 34;
int NumberOfSleeves = 30;
std::unique_ptr<platform::win::InstanceLock> g_pInstanceLock;

namespace {
CBrixholmApp::WorldFactory g_worldFactory;
constexpr const char* kCdromSwitch = "-cdrom:";
}  // namespace

CBrixholmApp::CBrixholmApp() = default;

CBrixholmApp::~CBrixholmApp() {
    // The windows go first and the world last.
    RemoveShellPort();
    platform::win::SetHelpHandler(nullptr);
    if (m_pFrame && m_pFrame->IsAlive()) m_pFrame->Destroy();
    m_pView.reset();
    m_pFrame.reset();
    m_pDoc.reset();
    g_pInstanceLock.reset();
    SetWorldOwner(nullptr);
    if (GetWorldData() == m_pWorld.get()) SetWorldData(nullptr);
    m_pWorld.reset();
}

void CBrixholmApp::SetWorldFactory(WorldFactory factory) {
    g_worldFactory = std::move(factory);
}

bool CBrixholmApp::DisplayLargeEnough() {
    using namespace platform::gfx;
    const int height = GetSystemMetrics(SM_CYFULLSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const int width = GetSystemMetrics(SM_CXFULLSCREEN);
    return !(height + caption < 599 || width < 799);
}

void CBrixholmApp::ReadInstallSettings() {
    g_strSourceDir = platform::GetProfileString("Install", "SourceDir", "");
    g_strInstallDir = platform::GetProfileString("Install", "InstallDir", "");
    // A key the settings file lacks leaves its folder as the profile gave it.
    g_strSourceDir = platform::GetInstallSetting("SrcDataPath", g_strSourceDir);
    g_strInstallDir = platform::GetInstallSetting("Directory", g_strInstallDir);
    NumberOfShirts = platform::GetProfileInt("Install", "NumberOfShirts", 50);
    NumberOfShorts = platform::GetProfileInt("Install", "NumberOfShorts", 34);
    NumberOfSleeves = platform::GetProfileInt("Install", "NumberOfSleeves", 30);
}

bool CBrixholmApp::DiscFolderFromArguments(const std::vector<std::string>& args, std::string& folder) {
    for (const std::string& a : args) {
        if (a.rfind(kCdromSwitch, 0) == 0 && a.size() > std::char_traits<char>::length(kCdromSwitch)) {
            folder = a.substr(std::char_traits<char>::length(kCdromSwitch));
            return true;
        }
    }
    return false;
}

bool CBrixholmApp::InitInstance(const std::vector<std::string>& args) {
    if (!DisplayLargeEnough()) {
        platform::win::PlainMessageBox(kDisplayTooSmallText, platform::LoadString(843), platform::win::MB_OK);
        return false;
    }
    ReadInstallSettings();
    DiscFolderFromArguments(args, g_strSourceDir);
    if (!g_strSourceDir.empty()) platform::SetDiscFolder(g_strSourceDir);
    if (!g_strInstallDir.empty()) platform::SetInstallFolder(g_strInstallDir);
    // A second copy is not refused: the lock only marks that one runs.
    g_pInstanceLock = std::make_unique<platform::win::InstanceLock>("QZR2000EXE");
    platform::SeedRandomFromTime();
    // The human managers' faces, kept for the manager pages.
    LoadManagerFaces();
    // Start-up failures reach the user through the port, in the plain box.
    InstallShellPort(nullptr, nullptr);
    if (g_worldFactory) {
        m_pWorld = g_worldFactory();
        if (!m_pWorld) return false;  // the reason was shown
        SetWorldData(m_pWorld.get());
        // A loaded game's world replaces this one.
        SetWorldOwner([this](std::unique_ptr<CWorldData> world) { m_pWorld = std::move(world); });
    }

    m_pDoc = std::make_unique<CBrixholmDoc>();
    m_pFrame = std::make_unique<CMainFrame>();
    // The template's first title is the application's name alone.
    if (!m_pFrame->CreateMainFrame(platform::LoadString(843))) return false;
    m_pView = std::make_unique<CBrixholmView>();
    if (!m_pView->CreateView(m_pFrame.get())) return false;
    // The view has loaded the archive indexes the icon lives in.
    if (auto icon = LoadProgramIcon()) platform::win::Ui::Get().GetBackend().SetIcon(IconImage(*icon));
    m_pFrame->SetDocument(m_pDoc.get());
    m_pFrame->SetApplication(this);
    InstallShellPort(m_pFrame.get(), m_pView.get());
    platform::win::SetHelpHandler([this](uint32_t context) {
        CHelpWindow help;
        help.Show(m_pFrame.get(), int(context));
    });
    platform::win::Ui::Get().SetFocus(m_pView.get());
    return true;
}

void CBrixholmApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal(m_pFrame.get());
}

bool CBrixholmApp::OnCmdMsg(uint32_t id, uint32_t) {
    if (id == ID_APP_ABOUT) {
        OnAppAbout();
        return true;
    }
    return false;
}
