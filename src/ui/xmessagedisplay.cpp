#include "ui/xmessagedisplay.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

bool CXMessageDisplay::Create(const std::string&, uint32_t style, const Rect& rect, Window* parent, uint32_t id,
                              const std::string& face, int height, platform::gfx::ColourRef colour, uint8_t framed,
                              uint8_t spacing) {
    if (!parent) return false;
    m_pParent = parent;
    m_Colour = colour;
    m_bFramed = framed;
    m_nSpacing = spacing;
    platform::gfx::LogFont lf;
    lf.height = height;
    lf.weight = 600;
    lf.face = face;
    m_pFont = platform::gfx::Font::Create(lf);
    const Rect barRect{rect.right - 14, rect.top, rect.right, rect.bottom};
    m_WindowRect = {rect.left, rect.top, rect.right - 23, rect.bottom};
    m_Bar.Create("", WS_CHILD | WS_VISIBLE, barRect, parent, id, "gfx\\scroll\\uparrow.bmp",
                 "gfx\\scroll\\downarrow.bmp", "gfx\\scroll\\scrollball.bmp", this);
    m_Bar.SetScrollInfo(0, 0, 0, 0, 0);
    m_Bar.Show(false);
    m_nTopLine = 0;
    const auto& tm = m_pFont->Metrics();
    m_nLineHeight = std::max(1, tm.height + tm.externalLeading);
    m_nVisibleLines = (rect.Height() - 2) / m_nLineHeight;
    UpdateLayout();
    return Window::Create(parent, m_WindowRect, style | WS_CHILD, id + 1);
}

void CXMessageDisplay::Clear() {
    m_Lines.clear();
    m_Colours.clear();
    m_Heights.clear();
    m_bBarShown = 0;
    m_Bar.SetScrollInfo(0, 0, 0, 0, 0);
    m_Bar.Show(false);
    m_nScrollRange = 0;
    m_nTopLine = 0;
    m_TextArea = m_WindowRect.Inflate(-5, -5);
    Measure();
}

void CXMessageDisplay::Measure() {
    // Heights add up in pixels and become display lines once, at the end.
    platform::gfx::Surface scratch(1, 1);
    Canvas c(scratch);
    c.SelectFont(m_pFont);
    long total = 0;
    m_Heights.resize(m_Lines.size());
    for (size_t i = 0; i < m_Lines.size(); ++i) {
        Rect r{0, 0, std::max(1, m_TextArea.Width()), 0};
        c.DrawText(m_Lines[i], r, platform::gfx::DT_CALCRECT | platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX);
        int px = std::max(r.Height(), m_nLineHeight);
        m_Heights[i] = static_cast<uint16_t>((px + m_nLineHeight - 1) / m_nLineHeight);
        total += static_cast<long>(m_nSpacing) * m_nLineHeight + m_Heights[i] * m_nLineHeight;
    }
    m_nTotalLines = static_cast<int>(total / m_nLineHeight);
}

bool CXMessageDisplay::UpdateLayout() {
    m_TextArea = m_WindowRect.Inflate(-5, -5);
    if (m_bBarShown) {
        m_TextArea.right -= m_Bar.WindowRect().Width();
        Measure();
        m_nScrollRange = std::max(0, m_nTotalLines - m_nVisibleLines);
        m_Bar.SetScrollInfo(0, m_nScrollRange, m_nScrollRange, m_nVisibleLines, m_nScrollRange);
        return m_bShowBarPending != 0;
    }
    Measure();
    if (m_nTotalLines > m_nVisibleLines) {
        m_bBarShown = 1;
        m_TextArea.right -= m_Bar.WindowRect().Width();
        Measure();
        m_nScrollRange = std::max(0, m_nTotalLines - m_nVisibleLines);
        m_Bar.SetScrollInfo(0, m_nScrollRange, 0, m_nVisibleLines, 0);
        m_bShowBarPending = 1;
        return true;
    }
    return m_bShowBarPending != 0;
}

bool CXMessageDisplay::AddLine(const std::string& line) {
    if (static_cast<int>(m_Lines.size()) >= kMaxLines) {
        platform::Trace("CXMessageDisplay: more than 256 lines\n");
        return false;
    }
    m_Lines.push_back(line);
    m_Colours.push_back(m_Colour);
    return UpdateLayout();
}

bool CXMessageDisplay::AddLineId(unsigned id) {
    if (!platform::HasString(id)) return false;
    return AddLine(platform::LoadString(id));
}

bool CXMessageDisplay::AddLines(const std::vector<std::string>& lines) {
    bool appeared = false;
    for (const auto& l : lines) {
        if (static_cast<int>(m_Lines.size()) >= kMaxLines) break;
        m_Lines.push_back(l);
        m_Colours.push_back(m_Colour);
    }
    appeared = UpdateLayout();
    return appeared;
}

bool CXMessageDisplay::ScrollToEnd() {
    if (m_nTopLine == m_nScrollRange) return false;
    m_nTopLine = m_nScrollRange;
    m_Bar.SetScrollInfo(0, m_nScrollRange, m_nTopLine, m_nVisibleLines, m_nTopLine);
    return true;
}

bool CXMessageDisplay::ScrollToTop() {
    m_nTopLine = 0;
    m_Bar.SetScrollInfo(0, m_nScrollRange, 0, m_nVisibleLines, 0);
    return true;
}

void CXMessageDisplay::Redraw() {
    if (IsAlive() && IsVisible()) Draw(nullptr, true);
}

void CXMessageDisplay::ShowPanel(bool show) {
    Enable(show);
    Show(show);
    m_Bar.Show(show && m_bBarShown);
}

void CXMessageDisplay::Draw(const PaintContext* pc, bool invalidate) {
    Window* parent = m_pParent;
    if (!parent) return;
    // Asked at each drawing: the page's buffer is gone once its window is.
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        parent->Send(ui::kMsgDrawingDone);
        return;
    }
    Rect wr = WindowRect();
    parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&wr), 0);
    dc->SaveDC();
    dc->SelectFont(m_pFont);
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    if (m_bFramed) dc->FrameRect(m_WindowRect, m_Colour);
    dc->IntersectClipRect({m_TextArea.left, m_TextArea.top, m_TextArea.right,
                           m_TextArea.top + m_nVisibleLines * m_nLineHeight});
    int y = m_TextArea.top - m_nTopLine * m_nLineHeight;
    for (size_t i = 0; i < m_Lines.size(); ++i) {
        Rect r{m_TextArea.left, y, m_TextArea.right, y + (m_nSpacing + m_Heights[i]) * m_nLineHeight};
        if (dc->RectVisible(r)) {
            dc->SetTextColor(m_Colours[i]);
            dc->DrawText(m_Lines[i], r, platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX | platform::gfx::DT_NOCLIP);
        }
        y = r.bottom;
    }
    dc->RestoreDC(-1);
    if (m_bShowBarPending) {
        m_Bar.Show(true);
        m_bShowBarPending = 0;
    }
    if (pc) {
        Canvas out = pc->MakeCanvas();
        out.BitBlt(0, 0, wr.Width(), wr.Height(), dc->Target(), wr.left, wr.top);
    }
    if (invalidate) parent->InvalidateRect(wr, false);
    parent->Send(ui::kMsgDrawingDone);
}

void CXMessageDisplay::OnPaint(const PaintContext& pc) {
    if (IsVisible()) Draw(&pc, false);
}

void CXMessageDisplay::OnScroll(bool, uint32_t code, int pos, Window*) {
    int top = m_nTopLine;
    switch (code) {
        case SB_LINEUP: top -= 1; break;
        case SB_LINEDOWN: top += 1; break;
        case SB_PAGEUP: top -= m_nVisibleLines; break;
        case SB_PAGEDOWN: top += m_nVisibleLines; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: top = pos; break;
        default: return;
    }
    m_nTopLine = std::clamp(top, 0, m_nScrollRange);
    m_Bar.SetPos(m_nTopLine);
    Draw(nullptr, true);
}
