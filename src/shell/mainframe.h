#pragma once
// The main window: 800 pixels wide (wider while the tree is shown), of fixed
// height, with the status bar that shows the current manager, his club and
// the date; context help for the page on display; the quit question.
#include <cstdint>
#include <string>

#include "platform/window/dialog.h"
#include "platform/window/framewnd.h"
#include "ui/xstatusbar.h"

// Framework command ids the frame answers.
inline constexpr uint32_t ID_APP_ABOUT = 0xE140;
inline constexpr uint32_t ID_HELP = 0xE146;
inline constexpr uint32_t kEmptyCommand32835 = 32835;

class CMainFrame : public platform::win::FrameWindow {
public:
    static constexpr uint32_t kPaneIds[3] = {369, 370, 371};
    static constexpr int kPaneWidth = 100;

    CMainFrame();
    ~CMainFrame() override;

    // Creates the window where the framework's start-up puts it: 800 wide,
    // caption + 581 high, centred on the desktop's full-screen client area.
    bool CreateMainFrame(std::string titleCp1252);
    static platform::win::Rect InitialRect();

    void UpdateStatusBar();
    void ResetStatusBar();
    void SetFullPage(uint8_t flag);
    uint8_t IsFullPage() const { return m_bFullPage; }
    void ResizeTo800x600();
    void OnHelp();

    CXStatusBar& GetStatusBar() { return m_wndStatusBar; }
    uint8_t StatusBarEmpty() const { return m_bStatusBarEmpty; }

protected:
    int OnCreate() override;
    void OnClose() override;
    void OnSize(int cx, int cy) override;
    void OnGetMinMaxInfo(platform::win::MinMaxInfo& info) override;
    void OnKillFocus(platform::win::Window* next) override;
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnFrameCommand(uint32_t id, uint32_t code) override;
    bool PreTranslateKey(uint32_t msg, uint32_t vk) override;

private:
    void OnUpdatePane(size_t index, platform::win::StatusBar::PaneUpdate& update);

    uint8_t m_bStatusBarEmpty = 1;
    CXStatusBar m_wndStatusBar;
    platform::win::ProgressCtrl m_wndProgress;
    uint8_t m_bFullPage = 1;
};
