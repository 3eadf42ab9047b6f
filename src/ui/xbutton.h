#pragma once
// The button of every page: an owner-drawn button that paints itself into
// its page's work buffer from archived pictures, with an optional shadowed
// text. It serves as push button, check box, radio button, plain picture,
// two-frame picture and animation.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/button.h"
#include "ui/xbitmap.h"

inline constexpr uint32_t kButtonText = 0x1;
inline constexpr uint32_t kButtonBitmaps = 0x2;
inline constexpr uint32_t kButtonPush = 0x4;
inline constexpr uint32_t kButtonTransparent = 0x8;
inline constexpr uint32_t kButtonAnimated = 0x10;
inline constexpr uint32_t kButtonTurnAtEnd = 0x20;
inline constexpr uint32_t kButtonFromStart = 0x80;
inline constexpr uint32_t kButtonCheck = 0x100;
inline constexpr uint32_t kButtonTwoFrame = 0x400;
inline constexpr uint32_t kButtonCentred = 0x800;
inline constexpr uint32_t kButtonRight = 0x1000;
inline constexpr uint32_t kButtonRadio = 0x8000;

class CXButton : public platform::win::Button {
public:
    enum Role { kBase, kTicked, kUnticked, kOverlay, kOverlayPressed, kOverlayGreyed, kBaseGreyed, kRoles };

    CXButton();
    ~CXButton() override;

    bool Create(const std::string& text, uint32_t windowStyle, const platform::win::Rect& rect,
                platform::win::Window* parent, uint32_t id, uint32_t buttonStyle);
    bool SetBitmaps(const char* p1, const char* p2 = nullptr, const char* p3 = nullptr, const char* p4 = nullptr,
                    const char* p5 = nullptr, const char* p6 = nullptr);
    void SetOverlayBitmaps(const char* p1, const char* p2 = nullptr, const char* p3 = nullptr);
    bool AddFrame(const std::string& path);
    void SetFont(const std::string& face, int points, bool bold, bool italic = false, bool underline = false);
    void SetText(const std::string& text);
    void SetTextId(unsigned id);
    // Wraps the text at spaces into lines centred in `box` (button
    // coordinates), for a caption that must share the button with its
    // picture; an empty box keeps one line centred on the button.
    void SetTextBox(const platform::win::Rect& box) { m_TextBox = box; }
    // Where the text stands unpressed (button coordinates), before the
    // button's clip; a boxed text is as wide as its box unless a word overflows it.
    platform::win::Rect GetTextRect();
    void SetColours(platform::gfx::ColourRef text, platform::gfx::ColourRef shadow) {
        m_TextColour = text;
        m_ShadowColour = shadow;
    }
    platform::gfx::ColourRef GetTextColour() const { return m_TextColour; }
    void SetDuration(uint32_t ms) { m_dwDuration = ms; }
    void SetLoopPause(uint32_t ms) { m_dwLoopPause = ms; }

    void StartAnimation(bool redraw);
    void ReverseAnimation();
    void StopAnimation();
    void Redraw();
    void UncheckGroup();
    // Draws into `dc`: at the button's place in its page when inParent.
    void Draw(platform::gfx::Canvas* dc, bool pressed, bool inParent);

    uint32_t GetButtonStyle() const { return m_dwButtonStyle; }
    bool IsTicked() const { return m_bTicked != 0; }
    void SetTicked(bool on) { m_bTicked = on ? 1 : 0; }
    // Drawn greyed and deaf to clicks: set inactive by its page, or disabled.
    bool IsGreyed() const { return m_bGreyed != 0 || !IsEnabled(); }
    void SetGreyed(bool on) { m_bGreyed = on ? 1 : 0; }
    int GetFrameCount() const { return static_cast<int>(m_Frames.size()); }
    int GetCurrentFrame() const { return m_nCurrentFrame; }
    void SetCurrentFrame(int f) { m_nCurrentFrame = f; }
    int GetAnimationState() const { return m_nAnimState; }
    bool HasTimer() const { return m_nTimer != 0; }
    // The period of the running timer in ms (0 when none).
    uint32_t GetTimerPeriod() const { return m_nTimer ? m_nPeriod : 0; }
    // One step of the animation (the timer calls it).
    void AnimationStep();

    void DrawItem(const platform::win::DrawItemInfo& info) override;

protected:
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnDestroy() override;
    void OnEnable(bool enabled) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    void KillAnimTimer();
    void StartAnimTimer(uint32_t period);
    platform::win::Rect RectInParent() const;
    platform::gfx::Canvas* GetWorkDC();
    const platform::gfx::FontRef& TextFont();
    platform::win::Rect TextRect(platform::gfx::Canvas& dc, platform::win::Point o);
    void DoneWithWorkDC();
    const CXBitmap* Role(int r) const { return m_Bitmaps[r] && m_Bitmaps[r]->IsLoaded() ? m_Bitmaps[r].get() : nullptr; }

    uint32_t m_dwButtonStyle = 0;
    std::array<std::unique_ptr<CXBitmap>, kRoles> m_Bitmaps;
    uint8_t m_bLastPressed = 0;
    std::string m_strLastText;
    uint8_t m_bHasBitmaps = 0;
    uint8_t m_bTicked = 0;
    uint8_t m_bLastTicked = 0;
    uint8_t m_bGreyed = 0;
    uint8_t m_bLastGreyed = 0;
    platform::gfx::ColourRef m_TextColour = platform::gfx::RGB(255, 255, 255);
    platform::gfx::ColourRef m_ShadowColour = platform::gfx::RGB(0, 0, 0);
    platform::gfx::LogFont m_LogFont;
    int m_nPoints = 10;
    platform::gfx::FontRef m_pFont;
    uint8_t m_bFontDirty = 1;
    platform::win::Rect m_TextBox{};
    std::vector<std::unique_ptr<CXBitmap>> m_Frames;
    int m_nCurrentFrame = 0;
    uint8_t m_bDirection = 1;
    uint8_t m_bTurnAtEnd = 0;
    uint32_t m_dwLoopPause = 0;
    uint32_t m_nTimer = 0;  // the layer's periodic timer, 0 none
    uint32_t m_nPeriod = 0;
    uint64_t m_PauseUntil = 0;
    int m_nAnimState = 0;
    uint32_t m_dwDuration = 1000;
    int m_nLastFrameDrawn = -1;
    uint8_t m_bPressedHere = 0;
    std::shared_ptr<bool> m_Alive;
};
