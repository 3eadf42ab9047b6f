#include "ui/xedit.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/msgformat.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

bool CXEdit::IsLetter(uint8_t ch) {
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) return true;
    switch (ch) {
        case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: return true;
        default: break;
    }
    return ch >= 0xC0 && ch != 0xD7 && ch != 0xF7;
}

bool CXEdit::Create(uint32_t style, const Rect& rect, Window* parent, uint32_t id, uint32_t /*extra*/,
                    uint32_t flags, const std::string& windowName, uint32_t textColour, Window* notify) {
    if (!Window::Create(parent, rect, style | WS_CHILD, id, windowName)) return false;
    m_dwFlags = flags;
    m_pNotify = notify;
    m_crText = textColour;
    m_nFieldWidth = rect.Width();
    return true;
}

void CXEdit::SetFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
    m_LogFont = {};
    m_LogFont.weight = bold ? 700 : 400;
    m_LogFont.italic = italic;
    m_LogFont.underline = underline;
    m_LogFont.face = face.substr(0, 31);
    m_nPoints = points;
    m_bFontChanged = 1;
}

void CXEdit::MakeFont() {
    if (!m_bFontChanged && m_pFont) return;
    platform::gfx::LogFont lf = m_LogFont;
    int points = m_nPoints;
    if (platform::gfx::kLogPixelsY == 120) points -= 2;
    lf.height = -platform::gfx::MulDiv(points, platform::gfx::kLogPixelsY, 72);
    m_pFont = platform::gfx::Font::Create(lf);
    m_bFontChanged = 0;
}

int CXEdit::Measure(const std::string& text) {
    MakeFont();
    return m_pFont->Measure(text);
}

bool CXEdit::Fits(const std::string& text) { return Measure(text) + 5 < m_nFieldWidth; }

void CXEdit::SetText(const std::string& text) {
    std::string t = text;
    if (!Fits(t)) {
        while (!t.empty() && !Fits(t)) t.pop_back();
    }
    m_bSettingText = 1;
    m_strText = t;
    m_strConfirmed = t;
    m_nCaret = std::min<int>(m_nCaret, static_cast<int>(m_strText.size()));
    if (m_bEditing) m_nCaret = static_cast<int>(m_strText.size());
    if (m_bEditing) PlaceCaret();
    Redraw();
    m_bSettingText = 0;
}

void CXEdit::SetNumber(double value) {
    m_strText = platform::StrPrintf("%.0f", value);
    m_nCaret = std::min<int>(m_nCaret, static_cast<int>(m_strText.size()));
    Redraw();
}

void CXEdit::Refresh() {
    if (Window* parent = Parent()) {
        parent->InvalidateRect(WindowRect(), true);
        parent->UpdateNow();
    }
}

void CXEdit::Draw(const PaintContext* pc) {
    Window* parent = Parent();
    if (!parent || !IsAlive()) return;
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (!dc) {
        platform::Trace("CXEdit: the page gives no work buffer\n");
        parent->Send(ui::kMsgDrawingDone);
        return;
    }
    Rect r = WindowRect();
    if (m_dwFlags & kEditTransparent)
        parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
    else
        dc->FillSolidRect(r, m_crBackground);
    MakeFont();
    m_nTextWidth = m_pFont->Measure(m_strText.empty() ? std::string("W") : m_strText);
    m_nTextHeight = m_pFont->Metrics().height;
    m_nTextTop = (r.Height() - m_nTextHeight) / 2;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(r);
    dc->SelectFont(m_pFont);
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    dc->SetTextColor(m_crText);
    const int width = m_pFont->Measure(m_strText);
    const int x = (m_dwFlags & kEditRight) ? r.right - 5 - width : r.left + 5;
    dc->TextOut(x, r.top + m_nTextTop, m_strText);
    dc->RestoreDC(saved);
    if (pc) {
        // The work buffer's own pixels: the field may draw through a parent
        // that moved the buffer's origin.
        const Point at = dc->LPtoDP(Point{r.left, r.top});
        Canvas out = pc->MakeCanvas();
        out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), at.x, at.y);
    }
    parent->Send(ui::kMsgDrawingDone);
}

void CXEdit::Redraw() {
    if (!IsAlive() || !IsShownFlag()) return;
    Draw(nullptr);
    if (Parent()) Parent()->InvalidateRect(WindowRect(), false);
}

void CXEdit::OnPaint(const PaintContext& pc) { Draw(&pc); }

void CXEdit::PlaceCaret() {
    MakeFont();
    const int before = m_pFont->Measure(m_strText.substr(0, static_cast<size_t>(m_nCaret)));
    const int after = m_pFont->Measure(m_strText.substr(static_cast<size_t>(m_nCaret)));
    const int h = m_pFont->Metrics().height;
    m_nTextTop = (WindowRect().Height() - h) / 2;
    m_CaretPoint = {(m_dwFlags & kEditRight) ? m_nFieldWidth - 5 - after : 5 + before, m_nTextTop};
    if (m_bEditing) Ui::Get().SetCaretPos(m_CaretPoint);
}

void CXEdit::NotifyIfChanged() {
    if (m_strText == m_strConfirmed) return;
    m_strConfirmed = m_strText;
    if (m_pNotify && m_pNotify->IsAlive()) m_pNotify->Send(WM_COMMAND, kEditConfirmed, 0);
}

void CXEdit::OnSetFocus(Window*) {
    if (m_dwFlags & kEditReadOnly) return;
    m_bEditing = 1;
    m_bEnter = 0;
    m_nCaret = static_cast<int>(m_strText.size());
    MakeFont();
    Ui& ui = Ui::Get();
    ui.CreateCaret(this, 1, m_pFont->Metrics().height);
    PlaceCaret();
    ui.ShowCaret(this);
}

void CXEdit::OnKillFocus(Window*) {
    if (m_dwFlags & kEditReadOnly) return;
    Ui::Get().DestroyCaret();
    if (!m_bSettingText) Redraw();
    m_bEditing = 0;
    NotifyIfChanged();
}

void CXEdit::OnChar(uint8_t ch, uint32_t) {
    if (!m_bEditing || (m_dwFlags & kEditReadOnly)) return;
    m_bEnter = 0;
    const bool digit = ch >= '0' && ch <= '9';
    const bool accepted = ((m_dwFlags & kEditDigits) && digit) || ((m_dwFlags & kEditLetters) && (IsLetter(ch) || ch == ' '));
    if (ch == '\t') return;
    if (ch == '\r') {
        m_bEnter = 1;
        return;
    }
    if (accepted && static_cast<int>(m_strText.size()) < m_nMaxLength) {
        std::string next = m_strText;
        bool take = true;
        if (m_strText == "0" && m_nCaret == 1) {
            if (ch == '0')
                take = false;
            else
                next = std::string(1, static_cast<char>(ch));
        } else {
            next.insert(static_cast<size_t>(m_nCaret), 1, static_cast<char>(ch));
        }
        // A number never starts with a nought, but for the nought itself.
        if (take && (m_dwFlags & kEditDigits) && next.size() > 1 && next[0] == '0') take = false;
        if (take && Fits(next)) {
            const bool replaced = next.size() == m_strText.size();
            m_strText = next;
            if (!replaced) ++m_nCaret;
        }
    }
    PlaceCaret();
    Redraw();
}

void CXEdit::OnKeyDown(uint32_t vk, uint32_t, intptr_t) {
    if (!m_bEditing || (m_dwFlags & kEditReadOnly)) return;
    const int len = static_cast<int>(m_strText.size());
    switch (vk) {
        case VK_LEFT: m_nCaret = std::max(0, m_nCaret - 1); break;
        case VK_RIGHT: m_nCaret = std::min(len, m_nCaret + 1); break;
        case VK_HOME: m_nCaret = 0; break;
        case VK_END: m_nCaret = len; break;
        case VK_DELETE:
            if (m_nCaret < len) m_strText.erase(static_cast<size_t>(m_nCaret), 1);
            break;
        case VK_BACK:
            if (m_nCaret > 0) {
                m_strText.erase(static_cast<size_t>(m_nCaret - 1), 1);
                --m_nCaret;
            }
            break;
        case VK_RETURN: NotifyIfChanged(); break;
        default: return;
    }
    PlaceCaret();
    Redraw();
}

void CXEdit::OnKeyUp(uint32_t, intptr_t) { Redraw(); }

void CXEdit::OnLButtonDown(uint32_t, Point) {
    if (m_dwFlags & kEditReadOnly) return;
    m_bEditing = 1;
    // A clicked field takes the keys, as an edit control does; without it
    // the typing went to whichever window last had the focus.
    if (Ui::Get().GetFocus() != this) Ui::Get().SetFocus(this);
}
