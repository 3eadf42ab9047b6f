#pragma once
// The one view of the main window. Creating it starts the drawing services
// and loads the archive indexes; its first paint reads the options and sets
// the interface up; it relays commands and messages between the frame, the
// tool bar, the tree and the pages.
#include <cstdint>
#include <memory>

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

class CBrixholmView : public platform::win::Window, public platform::win::CommandTarget {
public:
    static constexpr int kToolBarHeight = 75;
    static constexpr uint32_t kEndModalCommand = 399;

    CBrixholmView();
    ~CBrixholmView() override;

    // The frame's client child, with the sunken edge round its client.
    bool CreateView(CMainFrame* frame);

    void EndScreenModal(uint8_t busy, int result);
    int ModalResult() const { return m_nModalResult; }
    uint8_t ModalBusy() const { return m_bModalBusy; }
    uint8_t IsFullPage() const { return m_bFullPage; }
    // Sets the page mode and tells the frame (which limits its width).
    void SetFullPage(uint8_t flag);
    uint8_t TreeOnLeft() const { return m_bTreeOnLeft; }
    bool SetupDone() const { return m_bSetupDone != 0; }

    bool OnCmdMsg(uint32_t id, uint32_t code) override;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    void Setup();

public:
    CScreen* GetPage() const { return m_pPage.get(); }

    int m_nModalResult = -1;
    uint8_t m_bModalBusy = 0;
    uint8_t m_bTreeOnLeft = 0;
    uint8_t m_bSetupDone = 0;
    uint8_t m_bSetupStarted = 0;
    uint8_t m_bFullPage = 1;
    CMainFrame* m_pFrame = nullptr;
    // The page shown until the screen manager takes over the page area.
    std::unique_ptr<CScreen> m_pPage;
};
