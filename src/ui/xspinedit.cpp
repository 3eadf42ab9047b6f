#include "ui/xspinedit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gfx/canvas.h"
#include "platform/msgformat.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "soccerclasses/country.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/globals.h"
#include "soccerclasses/worlddata.h"
#include "ui/xmessages.h"

using namespace platform::win;
using platform::gfx::Canvas;

namespace {

const CCurrency* CurrencyOf(const CCountry* country) {
    CWorldData* w = GetWorldData();
    if (!country || !w) return nullptr;
    const CCurrencyList& list = w->GetCurrencyList();
    for (int i = 0; i < list.GetSize(); ++i)
        if (list.GetAt(i)->GetId() == country->GetCurrency()) return list.GetAt(i);
    return nullptr;
}

double ToLocal(const CCountry* country, double amount) {
    CWorldData* w = GetWorldData();
    return w ? w->GetCurrencyList().ToLocalMoney(country->GetCurrency(), amount) : amount;
}

}  // namespace

CXSpinedit::CXSpinedit() : m_pEdit(std::make_unique<CXEdit>()) {}

CXSpinedit::~CXSpinedit() = default;

bool CXSpinedit::Abbreviates() const {
    const CCurrency* c = CurrencyOf(m_pCountry);
    return c && c->GetAbbreviate() == 1;
}

bool CXSpinedit::Create(const std::string& windowName, uint32_t style, const Rect& rect, Window* parent, uint32_t id,
                        const char* decreasePicture, const char* increasePicture, int minimum, int maximum,
                        const CCountry* currencyCountry, int labelGap, int initialValue, double step,
                        const std::string& fontFace, int fontPoints, const std::string& label) {
    if (!Window::Create(parent, rect, style | WS_CHILD, id, windowName)) return false;
    m_pCountry = currencyCountry && CurrencyOf(currencyCountry) ? currencyCountry : nullptr;
    m_strLabel = label;
    m_nLabelGap = labelGap;
    if (!m_pCountry) {
        m_dMin = minimum;
        m_dMax = maximum;
        m_dValue = initialValue < 0 ? m_dMin : initialValue;
        m_nStep = static_cast<int32_t>(step);
    } else {
        const double scale = Abbreviates() ? 1000.0 : 1.0;
        m_dMin = std::round(ToLocal(m_pCountry, minimum) / scale);
        m_dMax = std::round(ToLocal(m_pCountry, maximum) / scale);
        m_dValue = initialValue < 0 ? m_dMin : std::round(ToLocal(m_pCountry, initialValue) / scale);
        m_nStep = std::max(1, static_cast<int32_t>(std::round(ToLocal(m_pCountry, step) / scale)));
    }
    m_dValue = std::clamp(m_dValue, m_dMin, std::max(m_dMin, m_dMax));
    m_strValue = platform::StrPrintf("%.0f", m_dValue);

    m_pFont = platform::gfx::Font::Create(fontFace.empty() ? std::string("MS Sans Serif") : fontFace,
                                          -platform::gfx::MulDiv(fontFace.empty() ? 12 : fontPoints,
                                                                 platform::gfx::kLogPixelsY, 72),
                                          700);
    if (!decreasePicture || !increasePicture) platform::Trace("CXSpinedit::Create: an arrow without a picture\n");
    if (decreasePicture) m_Decrease.Load(decreasePicture);
    if (increasePicture) m_Increase.Load(increasePicture);
    m_nArrowWidth = m_Decrease.GetWidth();
    m_nArrowHeight = m_Decrease.GetHeight();
    const Rect c = ClientRect();
    m_nClientWidth = c.Width();
    m_nClientHeight = c.Height();

    int left = m_nArrowWidth + 3;
    int right = m_nClientWidth - m_nArrowWidth - 3;
    if (m_pCountry) {
        const CCurrency* cur = CurrencyOf(m_pCountry);
        cur->GetSymbol(m_strSymbol);
        if (Abbreviates()) {
            std::string suffix;
            cur->GetSuffix(suffix);
            m_strSymbol += suffix;
        }
        m_bSymbolAfter = cur->IsSymbolAfter();
        const int w = m_pFont->Measure(m_strSymbol) + 2;
        if (m_bSymbolAfter)
            right -= w;
        else
            left += w;
    } else if (!m_strLabel.empty()) {
        left += m_nLabelGap + m_pFont->Measure(m_strLabel);
    }
    m_nEditWidth = std::max(right - left, 1);
    m_pEdit->SetFont("MS Sans Serif", 10, false, false, false);
    m_pEdit->Create(WS_VISIBLE, Rect{left, 0, left + m_nEditWidth, m_nClientHeight}, this, 1, 0,
                    kEditDigits | kEditTransparent | kEditRight, "", 0xFFFFFF, this);
    m_pEdit->m_nMaxLength = static_cast<int>(platform::StrPrintf("%.0f", m_dMax).size());
    m_pEdit->SetText(m_strValue);

    m_DecreaseRect = {0, 0, m_nArrowWidth + 1, m_nArrowHeight + 1};
    m_IncreaseRect = {m_nClientWidth - m_nArrowWidth - 1, 0, m_nClientWidth, m_nArrowHeight + 1};
    m_nDecreaseSpot = AddHotSpot(m_DecreaseRect, kSpotToolTip, kArrowIdBase + 2 * (id & 0xFFF));
    m_nIncreaseSpot = AddHotSpot(m_IncreaseRect, kSpotToolTip, kArrowIdBase + 2 * (id & 0xFFF) + 1);
    return true;
}

void CXSpinedit::ShowValue() {
    m_strValue = platform::StrPrintf("%.0f", m_dValue);
    if (m_pEdit->IsAlive()) m_pEdit->SetText(m_strValue);
}

void CXSpinedit::SetValue(double value, bool redraw) {
    m_dValue = std::clamp(value, m_dMin, std::max(m_dMin, m_dMax));
    ShowValue();
    if (redraw) Redraw();
}

bool CXSpinedit::GetToolTipText(int index, std::string& text) {
    text.clear();
    const CHotSpot* spot = GetHotSpot(index);
    Window* parent = Parent();
    if (!spot || !parent || !m_bEnabled) return false;
    return parent->Send(kMsgSpinArrowTip, spot->Id(), reinterpret_cast<intptr_t>(&text)) != 0;
}

void CXSpinedit::SetShownRange(double minimum, double maximum) {
    m_dMin = minimum;
    m_dMax = std::max(minimum, maximum);
    const double kept = std::clamp(m_dValue, m_dMin, m_dMax);
    if (kept != m_dValue) {
        m_dValue = kept;
        ShowValue();
    }
}

double CXSpinedit::GetValue() const { return Abbreviates() ? m_dValue * 1000 : m_dValue; }

void CXSpinedit::SetBaseValue(double amount, bool redraw) {
    const double local = m_pCountry ? ToLocal(m_pCountry, amount) : amount;
    SetValue(std::round(Abbreviates() ? local / 1000.0 : local), redraw);
}

double CXSpinedit::GetBaseValue() const {
    CWorldData* w = GetWorldData();
    if (!m_pCountry || !w) return GetValue();
    return w->GetCurrencyList().ToBaseMoney(m_pCountry->GetCurrency(), GetValue());
}

std::string CXSpinedit::GetText() const {
    return Abbreviates() ? platform::StrPrintf("%.0f", m_dValue * 1000) : m_strValue;
}

void CXSpinedit::SetStyle(uint8_t readOnly) {
    m_pEdit->m_dwFlags = readOnly == 1 ? (kEditReadOnly | kEditDigits | kEditTransparent | kEditRight)
                                       : (kEditDigits | kEditTransparent | kEditRight);
}

void CXSpinedit::Enable(bool enable) {
    m_bEnabled = enable ? 1 : 0;
    Show(enable);
    if (m_pEdit->IsAlive()) m_pEdit->Show(enable);
}

void CXSpinedit::TakeTypedText() {
    const std::string& t = m_pEdit->GetText();
    double v = t.empty() ? m_dMin : std::strtod(t.c_str(), nullptr);
    if (t.empty() || v < m_dMin) v = m_dMin;
    if (v > m_dMax) v = m_dMax;
    m_dValue = v;
    ShowValue();
}

void CXSpinedit::Step(bool up) {
    PlaySample(0, 0);
    if (m_pCountry) {
        const double next = up ? NextNiceAmountUp(m_dValue) : NextNiceAmountDown(m_dValue);
        if (up ? next <= m_dMax : next >= m_dMin) m_dValue = next;
    } else if (up) {
        m_dValue = std::min(m_dValue + static_cast<double>(m_nStep) * m_nMultiplier, m_dMax);
    } else {
        m_dValue = std::max(m_dValue - static_cast<double>(m_nStep) * m_nMultiplier, m_dMin);
    }
    ShowValue();
}

void CXSpinedit::Draw(const PaintContext* pc) {
    Window* parent = Parent();
    if (!parent || !IsAlive()) return;
    auto* dc = reinterpret_cast<Canvas*>(parent->Send(ui::kMsgGetWorkDC));
    if (dc) {
        Rect r = WindowRect();
        parent->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&r), 0);
        if (m_bEnabled) {
            const std::string& text = m_pCountry ? m_strSymbol : m_strLabel;
            if (!text.empty()) {
                const int h = m_pFont->Metrics().height;
                int x = r.left + m_nArrowWidth + 3;
                if (m_pCountry && m_bSymbolAfter) x = r.left + m_nClientWidth - m_nArrowWidth - 3 - m_pFont->Measure(text);
                const int y = r.top + (m_nClientHeight - h) / 2;
                dc->SelectFont(m_pFont);
                dc->SetBkMode(platform::gfx::TRANSPARENT);
                dc->SetTextColor(0x808080);
                dc->TextOut(x + 1, y + 1, text);
                dc->SetTextColor(0xFFFFFF);
                dc->TextOut(x, y, text);
            }
            const auto key = platform::gfx::kKeyColourRef;
            m_Decrease.DrawTransparent(*dc, r.left + m_bDecreasePressed, r.top + m_bDecreasePressed, key);
            m_Increase.DrawTransparent(*dc, r.left + m_IncreaseRect.left + 1 + m_bIncreasePressed,
                                       r.top + m_bIncreasePressed, key);
        }
        if (pc) {
            Canvas out = pc->MakeCanvas();
            out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
        }
    }
    parent->Send(ui::kMsgDrawingDone);
}

void CXSpinedit::Redraw() {
    if (!IsAlive() || !IsShownFlag()) return;
    Draw(nullptr);
    // Restoring the background under the field took the number with it.
    m_pEdit->Redraw();
    if (Parent()) Parent()->InvalidateRect(WindowRect(), false);
}

// The inner edit draws into the page through the spin field: the page's
// work buffer with the field's place as its origin, and the background
// restored under the edit's rectangle moved onto the page.
intptr_t CXSpinedit::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    Window* parent = Parent();
    switch (msg) {
        case ui::kMsgGetWorkDC: {
            auto* dc = parent ? reinterpret_cast<Canvas*>(parent->Send(msg, w, l)) : nullptr;
            if (dc) {
                const Rect r = WindowRect();
                dc->SetViewportOrg(dc->LPtoDP(Point{r.left, r.top}));
            }
            return reinterpret_cast<intptr_t>(dc);
        }
        case ui::kMsgRestoreBackground: {
            const auto* given = reinterpret_cast<const Rect*>(w);
            if (!parent || !given) return 0;
            const Rect r = WindowRect();
            Rect moved = given->Offset(r.left, r.top);
            return parent->Send(msg, reinterpret_cast<uintptr_t>(&moved), l);
        }
        case ui::kMsgDrawingDone: return parent ? parent->Send(msg, w, l) : 0;
        default: return CXWnd::OnMessage(msg, w, l);
    }
}

void CXSpinedit::OnPaint(const PaintContext& pc) { Draw(&pc); }

void CXSpinedit::OnLButtonDown(uint32_t, Point pt) {
    if (m_bButtonDown) return;
    m_bButtonDown = 1;
    Ui& ui = Ui::Get();
    ui.SetFocus(this);
    const bool dec = m_bEnabled && m_DecreaseRect.Contains(pt);
    const bool inc = m_bEnabled && !dec && m_IncreaseRect.Contains(pt);
    if (dec || inc) {
        m_bDecreasePressed = dec ? 1 : 0;
        m_bIncreasePressed = inc ? 1 : 0;
        m_nMultiplier = 1;
        m_nTicks = 0;
        ui.SetCapture(this);
        if (SetTimer(kRepeatTimer, kRepeatMs)) m_bTimer = 1;
    } else if (m_pEdit->IsAlive()) {
        ui.SetFocus(m_pEdit.get());
    }
    Redraw();
}

void CXSpinedit::OnLButtonUp(uint32_t, Point pt) {
    if (m_bTimer) KillTimer(kRepeatTimer);
    m_bTimer = 0;
    const bool dec = m_bDecreasePressed, inc = m_bIncreasePressed;
    m_bDecreasePressed = m_bIncreasePressed = 0;
    if (m_bEnabled && ((dec && m_DecreaseRect.Contains(pt)) || (inc && m_IncreaseRect.Contains(pt)))) {
        TakeTypedText();
        Step(inc);
        if (Window* parent = Parent()) parent->Send(kMsgSpinStepped, reinterpret_cast<uintptr_t>(this), 0);
    }
    m_bButtonDown = 0;
    Ui& ui = Ui::Get();
    if (ui.GetCapture() == this) ui.ReleaseCapture();
    Redraw();
}

void CXSpinedit::OnTimer(uint32_t id) {
    if (id != kRepeatTimer) return;
    if (!(m_bDecreasePressed || m_bIncreasePressed) || m_dValue < m_dMin || m_dValue > m_dMax) return;
    if (m_nTicks == 6 * m_nMultiplier) m_nMultiplier *= 6;
    TakeTypedText();
    Step(m_bIncreasePressed != 0);
    Redraw();
    ++m_nTicks;
}

void CXSpinedit::Unlock() {
    const bool arrow = m_bDecreasePressed || m_bIncreasePressed;
    if (m_bTimer) KillTimer(kRepeatTimer);
    m_bTimer = 0;
    m_bDecreasePressed = m_bIncreasePressed = 0;
    m_bButtonDown = 0;
    if (arrow) Redraw();
}

void CXSpinedit::OnKillFocus(Window* next) {
    // The edit taking the focus from a press is part of the press.
    if (next != m_pEdit.get()) Unlock();
    CXWnd::OnKillFocus(next);
}

void CXSpinedit::OnCaptureChanged(Window* next) {
    if (next != this) Unlock();
}

bool CXSpinedit::OnCommand(uint32_t id, uint32_t, Window*) {
    if (id != kEditConfirmed) return false;
    TakeTypedText();
    if (Window* parent = Parent()) parent->Send(kMsgSpinTyped, reinterpret_cast<uintptr_t>(this), 0);
    return true;
}
