#pragma once
// The one-line text field drawn over the page: its own text and caret,
// typed characters filtered by the field's flags, no text wider than the
// field, and a notice to its owner when a changed text is confirmed (Enter
// or leaving the field). The spin field holds one.
#include <cstdint>
#include <string>

#include "platform/gfx/font.h"
#include "platform/window/window.h"

inline constexpr uint32_t kEditDigits = 0x2;
inline constexpr uint32_t kEditLetters = 0x4;  // letters and blanks
inline constexpr uint32_t kEditTransparent = 0x20;
inline constexpr uint32_t kEditRight = 0x40;
inline constexpr uint32_t kEditReadOnly = 0x100;

// WM_COMMAND's wParam when a changed text is confirmed; lParam is 0.
inline constexpr uint32_t kEditConfirmed = 0x300;

class CXEdit : public platform::win::Window {
public:
    using platform::win::Window::Create;
    bool Create(uint32_t style, const platform::win::Rect& rect, platform::win::Window* parent, uint32_t id,
                uint32_t extra, uint32_t flags, const std::string& windowName, uint32_t textColour,
                platform::win::Window* notify);
    void SetFont(const std::string& face, int points, bool bold, bool italic, bool underline);
    void SetText(const std::string& text);
    void SetNumber(double value);
    void Refresh();
    // Draws the field into its page's work buffer now, and has it shown.
    void Redraw();

    const std::string& GetText() const { return m_strText; }
    int GetCaretIndex() const { return m_nCaret; }
    platform::win::Point GetCaretPoint() const { return m_CaretPoint; }
    bool IsEditing() const { return m_bEditing != 0; }
    // A letter of Windows-1252: A-Z, a-z, the accented capitals and small
    // letters, but not the multiplication and division signs.
    static bool IsLetter(uint8_t ch);

    // Read and set by the owning code directly.
    uint32_t m_dwFlags = kEditDigits | kEditLetters | 0x1;
    std::string m_strText;
    std::string m_strConfirmed;
    int32_t m_nMaxLength = 99;
    uint32_t m_crText = 0xFFFFFF;
    uint32_t m_crBackground = 0;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnSetFocus(platform::win::Window* old) override;
    void OnKillFocus(platform::win::Window* next) override;
    void OnChar(uint8_t ch, uint32_t repeatCount) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    void OnKeyUp(uint32_t vk, intptr_t flags) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;

private:
    void MakeFont();
    int Measure(const std::string& text);
    bool Fits(const std::string& text);
    void PlaceCaret();
    void Draw(const platform::win::PaintContext* pc);
    void NotifyIfChanged();

    platform::win::Window* m_pNotify = nullptr;
    uint8_t m_bEditing = 0;
    int32_t m_nCaret = 0;
    int32_t m_nTextWidth = 0, m_nTextHeight = 0;
    uint8_t m_bSettingText = 0;
    platform::win::Point m_CaretPoint;
    int32_t m_nFieldWidth = 0;
    platform::gfx::LogFont m_LogFont;
    int m_nPoints = 10;
    platform::gfx::FontRef m_pFont;
    uint8_t m_bFontChanged = 1;
    int32_t m_nTextTop = 5;
    uint8_t m_bEnter = 0;
};
