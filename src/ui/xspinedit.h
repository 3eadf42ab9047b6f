#pragma once
// The numeric field with a decrease arrow at its left end, an increase
// arrow at its right end and an edit field between them. The arrows step
// the value, faster the longer one is held; bound to a country's currency
// the field shows that currency (in thousands where it abbreviates) and
// steps along the ladder of tidy amounts.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gfx/font.h"
#include "ui/xbitmap.h"
#include "ui/xedit.h"
#include "ui/xwnd.h"

class CCountry;

// To the parent, w the spin field: a step made by a click, a typed value taken.
inline constexpr uint32_t kMsgSpinStepped = 0x60C;
inline constexpr uint32_t kMsgSpinTyped = 0x60D;
// Asks the page for the tip of an arrow: w the arrow's hot-spot id, l a
// std::string* to fill; nonzero when the page gave one.
inline constexpr uint32_t kMsgSpinArrowTip = 0x612;

class CXSpinedit : public CXWnd {
public:
    static constexpr uint32_t kRepeatTimer = 1;
    static constexpr uint32_t kRepeatMs = 300;
    // The arrows' hot-spot ids lie above every page's control ids.
    static constexpr uint32_t kArrowIdBase = 0xE000;

    CXSpinedit();
    ~CXSpinedit() override;

    using platform::win::Window::Create;
    bool Create(const std::string& windowName, uint32_t style, const platform::win::Rect& rect,
                platform::win::Window* parent, uint32_t id, const char* decreasePicture, const char* increasePicture,
                int minimum, int maximum, const CCountry* currencyCountry, int labelGap, int initialValue,
                double step, const std::string& fontFace, int fontPoints, const std::string& label);
    void SetValue(double value, bool redraw);
    // The range in the shown units (thousands where the currency
    // abbreviates); the value is kept inside it.
    void SetShownRange(double minimum, double maximum);
    double GetShownMin() const { return m_dMin; }
    double GetShownMax() const { return m_dMax; }
    // In the bound country's currency (not in base money).
    double GetValue() const;
    // The value in the game's base money, for fields bound to a currency
    // (the plain value otherwise).
    void SetBaseValue(double amount, bool redraw);
    double GetBaseValue() const;
    std::string GetText() const;
    int GetMin() const { return m_bEnabled ? static_cast<int>(m_dMin) : -1; }
    int GetMax() const { return m_bEnabled ? static_cast<int>(m_dMax) : -1; }
    // The hot-spot ids of the two arrows, -1 while disabled.
    int GetDownArrowId() const { return m_bEnabled ? static_cast<int>(kArrowIdBase + 2 * (Id() & 0xFFF)) : -1; }
    int GetUpArrowId() const { return m_bEnabled ? static_cast<int>(kArrowIdBase + 2 * (Id() & 0xFFF) + 1) : -1; }
    void SetStyle(uint8_t readOnly);
    void Enable(bool enable);
    bool IsSpinEnabled() const { return m_bEnabled != 0; }
    CXEdit& GetEdit() { return *m_pEdit; }
    double GetShownValue() const { return m_dValue; }
    int GetMultiplier() const { return m_nMultiplier; }
    bool IsButtonDown() const { return m_bButtonDown != 0; }
    void Redraw();
    // The arrows' tips are the page's.
    bool GetToolTipText(int index, std::string& text) override;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnMouseMove(uint32_t, platform::win::Point) override {}
    void OnTimer(uint32_t id) override;
    void OnKillFocus(platform::win::Window* next) override;
    void OnCaptureChanged(platform::win::Window* next) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    bool Abbreviates() const;
    void TakeTypedText();
    void Step(bool up);
    void ShowValue();
    void Draw(const platform::win::PaintContext* pc);
    void Unlock();

    double m_dMin = 0, m_dMax = 0, m_dValue = 0;
    int32_t m_nStep = 1;
    const CCountry* m_pCountry = nullptr;
    std::string m_strValue, m_strLabel, m_strSymbol;
    uint8_t m_bSymbolAfter = 0;
    int32_t m_nLabelGap = 0;
    std::unique_ptr<CXEdit> m_pEdit;
    CXBitmap m_Decrease, m_Increase;
    platform::win::Rect m_DecreaseRect, m_IncreaseRect;
    int m_nDecreaseSpot = -1, m_nIncreaseSpot = -1;
    int32_t m_nArrowWidth = 0, m_nArrowHeight = 0;
    int32_t m_nClientWidth = 0, m_nClientHeight = 0, m_nEditWidth = 0;
    uint8_t m_bDecreasePressed = 0, m_bIncreasePressed = 0, m_bButtonDown = 0;
    platform::gfx::FontRef m_pFont;
    uint8_t m_bEnabled = 1;
    uint8_t m_bTimer = 0;
    int32_t m_nMultiplier = 1;
    int32_t m_nTicks = 0;
};
