#pragma once
// The one view of the main window. Creating it starts the drawing services
// and loads the archive indexes; its first paint reads the options and sets
// the interface up; it relays commands and messages between the frame, the
// tool bar, the tree and the pages.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/surface.h"
#include "platform/window/framewnd.h"
#include "platform/window/window.h"

// The options of the profile's section "Options", read by the first paint.
extern uint8_t g_bFade;
extern uint8_t g_bAmbient;
extern uint8_t g_bMusicon;
extern uint8_t g_bSfx;
extern uint8_t g_bCurrency;
extern uint8_t g_nExchange;
extern double g_dExchange;

// The shared 320 by 200 scratch surface.
extern std::unique_ptr<platform::gfx::Surface> g_pScratchSurface;

void StartDirectDraw();
void EndDirectDraw();
void ReadOptions();

class CMainFrame;
class CScreen;
class CScreenManager;
class CTreeWindow;
class CXToolBar;

class CBrixholmView : public platform::win::Window, public platform::win::CommandTarget {
public:
    static constexpr int kToolBarHeight = 75;
    static constexpr uint32_t kEndModalCommand = 399;
    // The framework's print commands: print, print directly, print preview.
    static constexpr uint32_t kPrintCommand = 0xE107;
    static constexpr uint32_t kPrintDirectCommand = 0xE108;
    static constexpr uint32_t kPrintPreviewCommand = 0xE109;

    CBrixholmView();
    ~CBrixholmView() override;

    // The frame's client child, with the sunken edge round its client.
    bool CreateView(CMainFrame* frame);

    // Opens page `id` for model code (or sends the command `id`) and waits,
    // handling every other message, until the page ends the wait; its
    // result. Waits nest; a quit ends them all with 1.
    int RunScreenModal(int id, intptr_t a, intptr_t b, intptr_t c, intptr_t d);
    // Ends the innermost wait.
    void EndScreenModal(uint8_t busy, int result);
    int ModalResult() const { return m_nModalResult; }
    uint8_t ModalBusy() const { return m_bModalBusy; }
    int ModalDepth() const { return static_cast<int>(m_Waits.size()); }
    uint8_t IsFullPage() const { return m_bFullPage; }
    // Sets the page mode, tells the frame (which limits its width) and lays
    // the children out again.
    void SetFullPage(uint8_t flag);
    uint8_t TreeOnLeft() const { return m_bTreeOnLeft; }
    void SetTreeOnLeft(bool left);
    bool SetupDone() const { return m_bSetupDone != 0; }
    // Places the tool bar, the tree and the screen manager for the page mode.
    void Layout();

    CScreenManager* GetScreenManager() const { return m_pScreenManager.get(); }
    CTreeWindow* GetTreeWindow() const { return m_pTreeWindow.get(); }
    CXToolBar* GetToolBar() const { return m_pToolBar.get(); }

    // Tool-bar relays.
    void LoadToolBarButtons(int set);
    int GetToolBarSet() const { return m_nToolBarSet; }
    void SetAllToolBarButtons(bool enable);
    void SetToolBarButton(int button, bool enable);
    // Button 17 follows the match day; the tool bar shows the match buttons then.
    void ShowMatchDayButtons();
    // Tree relays.
    void SetTreeMarkLevel(int depth);
    void HideTreeTitleTip();
    // Redraws the screen manager, the tool bar and the tree now, and the dividers.
    void RedrawChildren();
    // Prints the page on display (mode 0 print, 1 directly, 2 preview);
    // true when the pages were written.
    bool PrintPage(int mode);

    bool OnCmdMsg(uint32_t id, uint32_t code) override;

    // The page on display, or null.
    CScreen* GetPage() const;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnSize(int cx, int cy) override;
    void OnKillFocus(platform::win::Window* next) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    void Setup();
    void DrawDividers(platform::gfx::Canvas& dc);

public:

    int m_nModalResult = -1;
    uint8_t m_bModalBusy = 0;
    uint8_t m_bTreeOnLeft = 0;
    uint8_t m_bSetupDone = 0;
    uint8_t m_bSetupStarted = 0;
    uint8_t m_bFullPage = 1;
    CMainFrame* m_pFrame = nullptr;
    std::unique_ptr<CScreenManager> m_pScreenManager;
    std::unique_ptr<CTreeWindow> m_pTreeWindow;
    std::unique_ptr<CXToolBar> m_pToolBar;
    int m_nToolBarSet = 0;
    // The waits of RunScreenModal, innermost last.
    struct Wait {
        uint8_t busy = 1;
        int result = -1;
    };
    std::vector<Wait> m_Waits;
};
