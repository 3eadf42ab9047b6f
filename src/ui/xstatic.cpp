#include "ui/xstatic.h"

#include <cstdlib>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

bool CXStatic::Create(const std::string& text, uint32_t windowStyle, const Rect& rect, Window* parent, uint32_t id) {
    m_strText = text;
    return Window::Create(parent, rect, windowStyle | WS_CHILD, id);
}

void CXStatic::SetFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
    m_LogFont = {};
    m_nPoints = points;
    m_LogFont.weight = bold ? 700 : 400;
    m_LogFont.italic = italic;
    m_LogFont.underline = underline;
    m_LogFont.face = face.substr(0, 31);
    m_bFontDirty = 1;
}

void CXStatic::ResetFont() {
    m_pFont.reset();
    m_bFontDirty = 1;
}

platform::gfx::FontRef CXStatic::MakeFont(int points) const {
    platform::gfx::LogFont lf = m_LogFont;
    lf.height = -platform::gfx::MulDiv(points, platform::gfx::kLogPixelsY, 72);
    return platform::gfx::Font::Create(lf);
}

void CXStatic::BuildFont() {
    if (!m_bFontDirty && m_pFont) return;
    m_pFont = MakeFont(m_nPoints);
    m_bFontDirty = 0;
}

void CXStatic::SetText(const std::string& text) {
    m_strText = text;
    Window* parent = Parent();
    if (!parent) {
        platform::Trace("CXStatic: no parent\n");
        return;
    }
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        platform::Trace("CXStatic: the page gives no work buffer\n");
        return;
    }
    const Rect r = WindowRect();
    if (m_bFontDirty && (m_dwLabelStyle & kLabelAutoSize)) {
        int chosen = 63;
        for (int size = 8; size <= 63; ++size) {
            auto f = MakeFont(size);
            const int w = f->Measure(m_strText), h = f->Metrics().height;
            if (w > r.Width() || h > r.Height()) {
                chosen = size - 1;
                break;
            }
        }
        m_nPoints = chosen;
    }
    BuildFont();
    const platform::gfx::Size ext{m_pFont->Measure(m_strText), m_pFont->Metrics().height};
    Rect nr = r;
    if ((m_dwLabelStyle & kLabelGrow) && (ext.cx > r.Width() || ext.cy > r.Height()))
        nr = Rect::XYWH(r.left, r.top, ext.cx, ext.cy);
    if ((m_dwLabelStyle & kLabelShrink) && (ext.cx < nr.Width() || ext.cy < nr.Height()))
        nr = Rect::XYWH(r.left, r.top, ext.cx, ext.cy);
    if (!(nr == r)) {
        // The old place shows the page again before the label moves.
        Rect old = r;
        parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&old), 0);
        parent->InvalidateRect(old, true);
        Move(nr, false);
    }
    parent->Send(ui::kMsgDrawingDone);
    // The new text shows at the next paint, as a label control's would.
    Invalidate(false);
}

void CXStatic::SetTextId(unsigned id) { SetText(platform::LoadString(id)); }

void CXStatic::SetNumber(int n) { SetText(std::to_string(n)); }

void CXStatic::EraseBackground() {
    Window* parent = Parent();
    if (!parent) return;
    if (parent->Send(ui::kMsgGetWorkDC)) {
        Rect r = WindowRect();
        parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
    }
    parent->Send(ui::kMsgDrawingDone);
    parent->InvalidateRect(WindowRect(), true);
    parent->UpdateNow();
}

void CXStatic::Refresh() {
    if (!Parent()) return;
    Parent()->InvalidateRect(WindowRect(), true);
    Parent()->UpdateNow();
}

platform::gfx::Size CXStatic::GetTextExtent() {
    BuildFont();
    return {m_pFont->Measure(m_strText), m_pFont->Metrics().height};
}

void CXStatic::Forward(uint32_t msg, uint32_t flags, Point pt) {
    // The point goes up in the page's coordinates, as every widget sends it.
    if (Window* parent = Parent()) parent->Send(msg, flags, MakePointParam(parent->ScreenToClient(ClientToScreen(pt))));
}

void CXStatic::OnPaint(const PaintContext& pc) {
    Window* parent = Parent();
    if (!parent) return;
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        parent->Send(ui::kMsgDrawingDone);
        return;
    }
    BuildFont();
    Rect r = WindowRect();
    if (!(m_dwLabelStyle & kLabelNoRestore)) parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
    dc->SaveDC();
    dc->SelectFont(m_pFont);
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    if (m_dwLabelStyle & kLabelBand) {
        const int h = std::abs(m_pFont->Requested().height);
        dc->FillSolidRect({r.left - 1, r.top + 3, r.right + 1, r.top + 2 + h}, m_SecondColour);
    }
    int x = r.left + 2;
    unsigned align = platform::gfx::TA_LEFT, fmt = platform::gfx::DT_LEFT;
    if (m_dwLabelStyle & kLabelCentred) {
        x = r.left + r.Width() / 2;
        align = platform::gfx::TA_CENTER;
        fmt = platform::gfx::DT_CENTER;
    } else if (m_dwLabelStyle & kLabelRight) {
        x = r.right - 2;
        align = platform::gfx::TA_RIGHT;
        fmt = platform::gfx::DT_RIGHT;
    }
    const bool clip = !(m_dwLabelStyle & kLabelNoClip);
    dc->SetTextAlign(align);
    auto line = [&](int px, int py) {
        dc->ExtTextOut(px, py, clip ? unsigned{platform::gfx::ETO_CLIPPED} : 0u, clip ? &r : nullptr, m_strText);
    };
    if (m_dwLabelStyle & kLabelShadow) {
        dc->SetTextColor(m_SecondColour);
        line(x + 1, r.top + 1);
        dc->SetTextColor(m_TextColour);
        line(x, r.top);
    } else if (m_dwLabelStyle & kLabelSingleLine) {
        dc->SetTextColor(m_TextColour);
        line(x, r.top);
    } else {
        dc->SetTextAlign(platform::gfx::TA_LEFT);
        dc->SetTextColor(m_TextColour);
        Rect box = r;
        dc->DrawText(m_strText, box, fmt | platform::gfx::DT_WORDBREAK | (clip ? 0u : unsigned{platform::gfx::DT_NOCLIP}));
    }
    dc->RestoreDC(-1);
    // The label shows what the page now holds under it.
    Canvas out = pc.MakeCanvas();
    out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
    parent->Send(ui::kMsgDrawingDone);
}
