#pragma once
// The text label of the pages: draws its text straight into the page's work
// buffer over the background, in its font, colour, alignment and optional
// shadow or band; it can size its font or itself to the text.
#include <cstdint>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/window/window.h"

inline constexpr uint32_t kLabelShadow = 0x2;
inline constexpr uint32_t kLabelNoRestore = 0x4;
inline constexpr uint32_t kLabelGrow = 0x8;
inline constexpr uint32_t kLabelShrink = 0x10;
inline constexpr uint32_t kLabelCentred = 0x20;
inline constexpr uint32_t kLabelRight = 0x80;
inline constexpr uint32_t kLabelBand = 0x100;
inline constexpr uint32_t kLabelSingleLine = 0x200;
inline constexpr uint32_t kLabelNoClip = 0x400;
inline constexpr uint32_t kLabelAutoSize = 0x800;

class CXStatic : public platform::win::Window {
public:
    bool Create(const std::string& text, uint32_t windowStyle, const platform::win::Rect& rect,
                platform::win::Window* parent, uint32_t id);
    void SetFont(const std::string& face, int points, bool bold, bool italic = false, bool underline = false);
    void ResetFont();
    void SetText(const std::string& text);
    void SetTextId(unsigned id);
    void SetNumber(int n);
    void EraseBackground();
    void Refresh();
    platform::gfx::Size GetTextExtent();

    void SetLabelStyle(uint32_t style) { m_dwLabelStyle = style; }
    uint32_t GetLabelStyle() const { return m_dwLabelStyle; }
    void SetColours(platform::gfx::ColourRef text, platform::gfx::ColourRef second) {
        m_TextColour = text;
        m_SecondColour = second;
    }
    const std::string& GetText() const { return m_strText; }
    int GetPoints() const { return m_nPoints; }
    platform::gfx::FontRef GetFont() const { return m_pFont; }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override { Forward(platform::win::WM_LBUTTONDOWN, flags, pt); }
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override { Forward(platform::win::WM_LBUTTONUP, flags, pt); }
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override { Forward(platform::win::WM_MOUSEMOVE, flags, pt); }

private:
    void Forward(uint32_t msg, uint32_t flags, platform::win::Point pt);
    void BuildFont();
    platform::gfx::FontRef MakeFont(int points) const;

    uint32_t m_dwLabelStyle = 1;
    platform::gfx::ColourRef m_TextColour = platform::gfx::RGB(255, 255, 255);
    platform::gfx::ColourRef m_SecondColour = platform::gfx::RGB(0, 0, 0);
    platform::gfx::LogFont m_LogFont;
    int m_nPoints = 10;
    platform::gfx::FontRef m_pFont;
    uint8_t m_bFontDirty = 1;
    std::string m_strText;
};
