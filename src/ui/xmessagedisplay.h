#pragma once
// A scrolling panel of coloured, word-wrapped lines drawn over the page,
// with its own scroll bar that appears once the text outgrows the panel.
// Advisors' and message texts are shown in it, filled line by line.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/window/window.h"
#include "soccerclasses/messagelines.h"
#include "ui/xscroll.h"

class CXMessageDisplay : public platform::win::Window {
public:
    static constexpr int kMaxLines = 256;

    bool Create(const std::string& text, uint32_t style, const platform::win::Rect& rect,
                platform::win::Window* parent, uint32_t id, const std::string& face, int height,
                platform::gfx::ColourRef colour, uint8_t framed, uint8_t spacing);
    void Clear();
    // True when the scroll bar was just made to appear; a line past the
    // 256th is refused (false, nothing added).
    bool AddLine(const std::string& line);
    bool AddLineId(unsigned id);
    bool AddLines(const std::vector<std::string>& lines);
    bool ScrollToEnd();
    bool ScrollToTop();
    void Redraw();
    void ShowPanel(bool show);

    int GetLineCount() const { return static_cast<int>(m_Lines.size()); }
    int GetTotalLines() const { return m_nTotalLines; }
    int GetTopLine() const { return m_nTopLine; }
    int GetVisibleLines() const { return m_nVisibleLines; }
    int GetScrollRange() const { return m_nScrollRange; }
    int GetLineHeight() const { return m_nLineHeight; }
    bool IsBarShown() const { return m_bBarShown != 0; }
    CXScroll& GetScrollBar() { return m_Bar; }
    void SetColour(platform::gfx::ColourRef c) { m_Colour = c; }
    // The panel as the model's line sink: an advisor's lines are added as
    // the inbox gives them, refused past the 256th as AddLine refuses them.
    CMessageLines& GetLineSink() { return m_Sink; }

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnScroll(bool vertical, uint32_t code, int pos, platform::win::Window* bar) override;

private:
    class LineSink : public CMessageLines {
    public:
        explicit LineSink(CXMessageDisplay& panel) : m_Panel(panel) {}
        void AddLine(const std::string& line) override { m_Panel.AddLine(line); }

    private:
        CXMessageDisplay& m_Panel;
    };

    bool UpdateLayout();
    void Measure();
    void Draw(const platform::win::PaintContext* pc, bool invalidate);

    platform::win::Rect m_TextArea;
    platform::win::Rect m_WindowRect;
    std::vector<std::string> m_Lines;
    std::vector<platform::gfx::ColourRef> m_Colours;
    std::vector<uint16_t> m_Heights;
    platform::gfx::FontRef m_pFont;
    platform::gfx::ColourRef m_Colour = 0;
    CXScroll m_Bar;
    platform::win::Window* m_pParent = nullptr;
    uint8_t m_bBarShown = 0;
    uint8_t m_bFramed = 0;
    uint8_t m_bShowBarPending = 0;
    int m_nTotalLines = 0;
    int m_nLineHeight = 1;
    int m_nTopLine = 0;
    int m_nVisibleLines = 0;
    int m_nScrollRange = 0;
    uint8_t m_nSpacing = 0;
    LineSink m_Sink{*this};
};
