#pragma once
// The kit editor (72): the user's club's home and away kits, each three
// patterns and five colours stepped by 32 arrow buttons. Every change is
// written into the club at once; the page is drawn on surfaces.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "shell/screensinfo.h"
#include "shell/surfacewidgets.h"

class CClub;
class CKits;

class CKitScreen : public CScreensInfo {
public:
    static constexpr int kButtons = 32;
    static constexpr uint32_t kTipTimer = 2, kRepeatTimer = 3;
    static constexpr uint32_t kTipMs = 55, kRepeatMs = 125;
    static constexpr int kColourCount = 16;

    CKitScreen();
    ~CKitScreen() override;

    // Button b's action on the kits (home for b below 16, away above; byte
    // (b mod 16) / 2; previous for even b): false when b is no button.
    // Patterns wrap within their counts (each at least 1; a stored pattern
    // past its count steps as pattern 0); colours wrap within 16, and the
    // main shirt colours of the two kits never meet.
    static bool ApplyButton(CKits& home, CKits& away, int button);
    static int PatternCount(int part);

    void Initialise() override;
    void Close() override;
    PageFactory GetPageFactory() const override;
    bool GetToolTipText(int index, std::string& text) override;
    void OnTimerTick(uint32_t id) override;
    int GetHistoryParams(HistoryState* block) override;
    void SetHistoryParams(const HistoryState* block) override;

    CClub* GetClub() const { return m_pClub; }
    int GetPressedButton() const { return m_nPressed; }
    const SurfaceButton& GetSurfaceButton(int i) const { return m_Buttons[static_cast<size_t>(i)]; }
    // The corner's kit picture, built again at each change of the home kit.
    const platform::gfx::Surface* GetCornerKit() const { return m_pCorner.get(); }
    int GetCornerBuilds() const { return m_nCornerBuilds; }
    // Draws the whole page into its working surface and onto the window.
    void Compose();

    // What a history entry keeps of the page, to show the same again.
    HistoryState m_HistoryBlock{-1, -1, -1};

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;

private:
    void SetUpButtons();
    void BuildKits();
    bool Press(platform::win::Point pt);
    void DrawKit(platform::gfx::Surface* work, const CKits& kit, bool home);

    CClub* m_pClub = nullptr;
    std::array<SurfaceButton, kButtons> m_Buttons;
    std::unique_ptr<platform::gfx::Surface> m_pBack, m_pWork, m_pCorner, m_pHome, m_pAway;
    uint32_t m_nTipTimer = 0, m_nRepeatTimer = 0;
    int m_nPressed = -1;
    int m_nCornerBuilds = 0;
    platform::win::Point m_LastPoint{};
};

void RegisterKitScreen();
