#pragma once
// The application: checks the display, reads the installation settings and
// the disc folder, creates the world and opens the main window with its
// view. It owns the world until the program ends.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/framewnd.h"
#include "platform/window/services.h"

class CWorldData;
class CBrixholmDoc;
class CBrixholmView;
class CMainFrame;

// The folders and kit counts the start-up fills.
extern std::string g_strSourceDir;   // the disc folder
extern std::string g_strInstallDir;  // the installation folder
extern int NumberOfShirts;
extern int NumberOfShorts;
extern int NumberOfSleeves;

inline constexpr const char* kDisplayTooSmallText = "This game requires a minimum screen resolution of 800x600";

class CBrixholmApp : public platform::win::CommandTarget {
public:
    CBrixholmApp();
    ~CBrixholmApp() override;

    // The program's start-up on the running backend, with the program's
    // arguments (without its name). False ends the program.
    bool InitInstance(const std::vector<std::string>& args);
    static void ReadInstallSettings();
    // The disc folder an argument "-cdrom:<folder>" gives, if any.
    static bool DiscFolderFromArguments(const std::vector<std::string>& args, std::string& folder);
    static bool DisplayLargeEnough();
    void OnAppAbout();

    // How the world is made; without a factory the program runs without one.
    using WorldFactory = std::function<std::unique_ptr<CWorldData>()>;
    static void SetWorldFactory(WorldFactory factory);

    CWorldData* GetWorld() const { return m_pWorld.get(); }
    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }
    CBrixholmView* GetView() const { return m_pView.get(); }

    bool OnCmdMsg(uint32_t id, uint32_t code) override;

private:
    std::unique_ptr<CWorldData> m_pWorld;
    std::unique_ptr<CBrixholmDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CBrixholmView> m_pView;
    std::unique_ptr<platform::win::InstanceLock> m_pLock;
};
