#include "ui/xbutton.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "ui/xmessages.h"
#include "ui/xwnd.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::ColourRef;
using platform::gfx::RGB;

CXButton::CXButton() : m_Alive(std::make_shared<bool>(true)) {}

CXButton::~CXButton() {
    *m_Alive = false;
    KillAnimTimer();
}

bool CXButton::Create(const std::string& text, uint32_t windowStyle, const Rect& rect, Window* parent, uint32_t id,
                      uint32_t buttonStyle) {
    m_dwButtonStyle = buttonStyle;
    if (buttonStyle & (kButtonAnimated | kButtonTwoFrame)) {
        m_nCurrentFrame = 0;
        m_nAnimState = 0;
        m_bTurnAtEnd = (buttonStyle & kButtonTurnAtEnd) ? 1 : 0;
    }
    m_strLastText = text;
    return CreateButton(text, (windowStyle | WS_CHILD) | BS_OWNERDRAW, rect, parent, id);
}

bool CXButton::SetBitmaps(const char* p1, const char* p2, const char* p3, const char* p4, const char* p5,
                          const char* p6) {
    if (!p1) return false;
    auto load = [&](int role, const char* path, bool again) {
        if (!path) return;
        if (m_Bitmaps[role] && !again) return;
        if (!m_Bitmaps[role]) m_Bitmaps[role] = std::make_unique<CXBitmap>();
        m_Bitmaps[role]->Load(path);
    };
    load(kBase, p1, true);
    load(kTicked, p2, false);
    load(kUnticked, p3, false);
    load(kOverlay, p4, false);
    load(kOverlayPressed, p5, false);
    load(kBaseGreyed, p6, false);
    m_bHasBitmaps = 1;
    return true;
}

void CXButton::SetOverlayBitmaps(const char* p1, const char* p2, const char* p3) {
    if (!p1) return;
    auto load = [&](int role, const char* path) {
        if (!path) return;
        if (!m_Bitmaps[role]) m_Bitmaps[role] = std::make_unique<CXBitmap>();
        m_Bitmaps[role]->Load(path);
    };
    load(kOverlay, p1);
    load(kOverlayPressed, p2);
    load(kOverlayGreyed, p3);
    m_bHasBitmaps = 1;
}

bool CXButton::AddFrame(const std::string& path) {
    auto b = std::make_unique<CXBitmap>();
    b->Load(path);
    m_Frames.push_back(std::move(b));
    return true;
}

void CXButton::SetFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
    m_LogFont = {};
    m_nPoints = points;
    m_LogFont.weight = bold ? 700 : 400;
    m_LogFont.italic = italic;
    m_LogFont.underline = underline;
    m_LogFont.face = face.substr(0, 31);
    m_bFontDirty = 1;
}

void CXButton::SetText(const std::string& text) {
    m_strLastText = Text();
    Button::SetText(text);
}

void CXButton::SetTextId(unsigned id) { SetText(platform::LoadString(id)); }

Rect CXButton::RectInParent() const { return WindowRect(); }

Canvas* CXButton::GetWorkDC() {
    if (!Parent()) {
        platform::Trace("CXButton: no parent to draw in\n");
        return nullptr;
    }
    return reinterpret_cast<Canvas*>(Parent()->Send(ui::kMsgGetWorkDC));
}

void CXButton::DoneWithWorkDC() {
    if (Parent()) Parent()->Send(ui::kMsgDrawingDone);
}

void CXButton::Draw(Canvas* dc, bool pressed, bool inParent) {
    if (!IsAlive() || !dc) return;
    const Rect r = RectInParent();
    const Point o = inParent ? Point{r.left, r.top} : Point{0, 0};
    const int w = r.Width(), h = r.Height();
    if (m_dwButtonStyle == 0) {
        dc->DrawPushButtonFrame(Rect::XYWH(o.x, o.y, w, h), pressed ? unsigned{platform::gfx::DFCS_PUSHED} : 0u);
        return;
    }
    auto restore = [&] {
        if (inParent && Parent()) {
            Rect rr = r;
            Parent()->Send(ui::kMsgRestoreBackground, reinterpret_cast<uintptr_t>(&rr), 0);
        }
    };
    const bool greyed = IsGreyed();
    bool erased = false;
    if ((pressed ? 1 : 0) != m_bLastPressed) {
        m_bLastPressed = pressed ? 1 : 0;
        erased = true;
    } else if (Text() != m_strLastText) {
        m_strLastText = Text();
        erased = true;
    } else if (m_bTicked != m_bLastTicked) {
        m_bLastTicked = m_bTicked;
        erased = true;
    } else if ((greyed ? 1 : 0) != m_bLastGreyed) {
        // A transparent greyed picture must not land on the normal one.
        erased = true;
    }
    m_bLastGreyed = greyed ? 1 : 0;
    if (erased) restore();

    if (m_dwButtonStyle & kButtonBitmaps) {
        const CXBitmap* base = nullptr;
        const CXBitmap* overlay = nullptr;
        int shift = 0;
        if (m_dwButtonStyle & kButtonTwoFrame) {
            if (m_nCurrentFrame >= 0 && m_nCurrentFrame < GetFrameCount()) base = m_Frames[m_nCurrentFrame].get();
            if (m_nCurrentFrame != m_nLastFrameDrawn && !erased) {
                restore();
                erased = true;
            }
            m_nLastFrameDrawn = m_nCurrentFrame;
            if (pressed && !greyed) shift = 1;
        } else if (m_dwButtonStyle & kButtonAnimated) {
            if (m_nCurrentFrame >= 0 && m_nCurrentFrame < GetFrameCount()) base = m_Frames[m_nCurrentFrame].get();
            if (m_nAnimState != 0 && !erased) {
                restore();
                erased = true;
            }
        } else {
            overlay = greyed ? Role(kOverlayGreyed)
                                : (pressed || m_bTicked) ? Role(kOverlayPressed)
                                                         : Role(kOverlay);
            base = greyed ? Role(kBaseGreyed) : Role(kBase);
            if (greyed && !base) base = Role(kBase);
            const bool check = (m_dwButtonStyle & kButtonCheck) != 0;
            if ((pressed && !greyed) || (check && m_bTicked && overlay)) shift = 1;
            if (check && !(m_dwButtonStyle & kButtonRadio) && !overlay) shift = 0;
        }
        if (!base || !base->IsLoaded()) {
            platform::Trace("CXButton: no base picture to draw\n");
        } else {
            const int x = o.x + shift, y = o.y + shift;
            const bool check = (m_dwButtonStyle & kButtonCheck) != 0;
            if (!(m_dwButtonStyle & kButtonTransparent)) {
                base->Draw(*dc, x, y);
            } else {
                if (overlay) overlay->DrawTransparent(*dc, x, y, platform::gfx::kKeyColourRef);
                if (!check) base->DrawTransparent(*dc, x, y, platform::gfx::kKeyColourRef);
            }
            if (check && !pressed) {
                const CXBitmap* mark = greyed ? Role(kBaseGreyed) : m_bTicked ? Role(kTicked) : Role(kUnticked);
                if (mark) {
                    if (m_dwButtonStyle & kButtonTransparent)
                        mark->DrawTransparent(*dc, o.x, o.y, platform::gfx::kKeyColourRef);
                    else
                        mark->Draw(*dc, o.x, o.y);
                }
            }
        }
    }

    if (m_dwButtonStyle & kButtonText) {
        dc->SaveDC();
        dc->SelectFont(TextFont());
        dc->SetBkMode(platform::gfx::TRANSPARENT);
        dc->IntersectClipRect(Rect::XYWH(o.x, o.y, w, h));
        Rect box = TextRect(*dc, o);
        if (pressed && (m_dwButtonStyle & kButtonPush) && !(m_dwButtonStyle & kButtonCheck)) box = box.Offset(1, 1);
        if (!m_TextBox.IsEmpty()) {
            const unsigned format = platform::gfx::DT_CENTER | platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX;
            Rect shadow = box.Offset(1, 1);
            dc->SetTextColor(m_ShadowColour);
            dc->DrawText(Text(), shadow, format);
            dc->SetTextColor(greyed ? RGB(128, 128, 128) : m_TextColour);
            dc->DrawText(Text(), box, format);
        } else {
            unsigned align = platform::gfx::TA_LEFT;
            int x = box.left;
            if (m_dwButtonStyle & kButtonCentred) {
                x = (box.left + box.right) / 2;
                align = platform::gfx::TA_CENTER;
            } else if (m_dwButtonStyle & kButtonRight) {
                x = box.right;
                align = platform::gfx::TA_RIGHT;
            }
            dc->SetTextAlign(align);
            dc->SetTextColor(m_ShadowColour);
            dc->TextOut(x + 1, box.top + 1, Text());
            dc->SetTextColor(greyed ? RGB(128, 128, 128) : m_TextColour);
            dc->TextOut(x, box.top, Text());
        }
        dc->RestoreDC(-1);
    }
}

const platform::gfx::FontRef& CXButton::TextFont() {
    if (m_bFontDirty || !m_pFont) {
        platform::gfx::LogFont lf = m_LogFont;
        lf.height = -platform::gfx::MulDiv(m_nPoints, platform::gfx::kLogPixelsY, 72);
        m_pFont = platform::gfx::Font::Create(lf);
        m_bFontDirty = 0;
    }
    return m_pFont;
}

// `dc` has the text font selected; `o` is the button's corner in it.
Rect CXButton::TextRect(Canvas& dc, Point o) {
    const Rect r = RectInParent();
    const int w = r.Width(), h = r.Height();
    if (!m_TextBox.IsEmpty()) {
        const Rect box = m_TextBox.Offset(o.x, o.y);
        Rect lines = box;
        dc.DrawText(Text(), lines, platform::gfx::DT_CENTER | platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX |
                                       platform::gfx::DT_CALCRECT);
        const int top = box.top + (box.Height() - lines.Height()) / 2;
        // The widest line, broken at spaces as DrawText breaks it.
        int widest = 0;
        std::string line;
        auto flush = [&] {
            while (!line.empty() && line.back() == ' ') line.pop_back();
            widest = std::max(widest, dc.GetTextExtent(line).cx);
            line.clear();
        };
        const std::string& text = Text();
        for (size_t i = 0; i < text.size();) {
            size_t end = text.find(' ', i);
            if (end == std::string::npos) end = text.size();
            const std::string word = text.substr(i, end - i);
            if (!line.empty() && dc.GetTextExtent(line + word).cx > box.Width()) flush();
            line += word;
            for (i = end; i < text.size() && text[i] == ' '; ++i)
                if (!line.empty()) line += ' ';
        }
        flush();
        const int left = box.left + (box.Width() - widest) / 2;
        return Rect{left, top, left + widest, top + lines.Height()};
    }
    const int width = dc.GetTextExtent(Text()).cx;
    const int height = m_pFont ? m_pFont->Metrics().height : 0;
    int x = o.x + 2;
    if (m_dwButtonStyle & kButtonCentred) x = o.x + w / 2 - 2 - width / 2;
    else if (m_dwButtonStyle & kButtonRight) x = o.x + w - 2 - width;
    const int y = o.y + h / 2 - height / 2;
    return Rect{x, y, x + width, y + height};
}

Rect CXButton::GetTextRect() {
    platform::gfx::Surface scratch(1, 1);
    Canvas dc(scratch);
    dc.SelectFont(TextFont());
    return TextRect(dc, Point{0, 0});
}

void CXButton::DrawItem(const DrawItemInfo& info) {
    Canvas* dc = GetWorkDC();
    if (dc) {
        const bool push = (m_dwButtonStyle & kButtonPush) && !(m_dwButtonStyle & kButtonCheck);
        Draw(dc, push && (info.itemState & ODS_SELECTED), true);
        // What the page now holds under the button is what the button shows.
        if (info.paint) {
            const Rect r = RectInParent();
            Canvas out = info.paint->MakeCanvas();
            out.BitBlt(0, 0, r.Width(), r.Height(), dc->Target(), r.left, r.top);
        }
    }
    DoneWithWorkDC();
}

void CXButton::Redraw() {
    if (!IsAlive()) return;
    if (Canvas* dc = GetWorkDC()) Draw(dc, false, true);
    DoneWithWorkDC();
    if (Parent()) Parent()->InvalidateRect(RectInParent(), true);
}

void CXButton::UncheckGroup() {
    auto visit = [&](Window* w) {
        auto* b = dynamic_cast<CXButton*>(w);
        if (!b || !(b->m_dwButtonStyle & kButtonRadio)) return false;
        if (b->m_bTicked) {
            b->m_bTicked = 0;
            if (b->IsAlive()) {
                if (Canvas* dc = b->GetWorkDC()) b->Draw(dc, false, true);
                b->DoneWithWorkDC();
                if (b->Parent()) b->Parent()->InvalidateRect(b->RectInParent(), true);
            }
        }
        return true;
    };
    for (Window* w = NextSibling(); w && visit(w); w = w->NextSibling()) {
    }
    for (Window* w = PrevSibling(); w && visit(w); w = w->PrevSibling()) {
    }
}

void CXButton::KillAnimTimer() {
    if (m_nTimer) {
        if (Ui::Get().Started()) Ui::Get().StopPeriodicTimer(m_nTimer);
        m_nTimer = 0;
    }
}

void CXButton::StartAnimTimer(uint32_t period) {
    if (m_nTimer) return;
    period = std::max<uint32_t>(period, 1);
    m_nPeriod = period;
    std::weak_ptr<bool> alive = m_Alive;
    m_nTimer = Ui::Get().StartPeriodicTimer(period, [this, alive] {
        // A step queued for a button that is gone is dropped.
        auto a = alive.lock();
        if (!a || !*a || !IsAlive()) return;
        AnimationStep();
    });
}

void CXButton::StartAnimation(bool redraw) {
    if (!(m_dwButtonStyle & (kButtonAnimated | kButtonTwoFrame))) {
        platform::Trace("CXButton: StartAnimation on a button that does not animate\n");
        return;
    }
    if (m_dwButtonStyle & kButtonAnimated) {
        if (GetFrameCount() == 0) return;  // nothing to step through
        if (m_nAnimState == 1)
            KillAnimTimer();
        else if (m_dwButtonStyle & kButtonFromStart)
            m_nCurrentFrame = 0;
        m_nAnimState = 2;
        m_bDirection = 1;
        m_PauseUntil = 0;
        if (!m_nTimer) StartAnimTimer(m_dwDuration / static_cast<uint32_t>(GetFrameCount()));
        if (redraw) Invalidate(true);
    } else {
        m_nCurrentFrame = 1;
        Invalidate(true);
    }
}

void CXButton::ReverseAnimation() {
    if (m_dwButtonStyle & kButtonAnimated) {
        if (GetFrameCount() == 0) return;
        KillAnimTimer();
        if (m_dwButtonStyle & kButtonFromStart) {
            // The pass finishes in the direction it runs, twice as fast,
            // and the step that brings it to frame 0 stops it.
            m_nAnimState = 1;
            m_PauseUntil = 0;
            StartAnimTimer(m_dwDuration / static_cast<uint32_t>(GetFrameCount()) / 2);
            Invalidate(true);
        } else {
            m_nAnimState = 3;
        }
    } else if (m_dwButtonStyle & kButtonTwoFrame) {
        m_nCurrentFrame = 0;
        Invalidate(true);
    }
}

void CXButton::StopAnimation() {
    if (m_dwButtonStyle & kButtonAnimated) {
        KillAnimTimer();
        if (Parent() && IsAlive()) Parent()->Send(ui::kMsgDrawingDone);
        m_nAnimState = 0;
    } else if (m_dwButtonStyle & kButtonTwoFrame) {
        m_nCurrentFrame = 0;
        if (IsAlive()) Invalidate(true);
    }
}

void CXButton::AnimationStep() {
    if (!IsAlive() || !(m_dwButtonStyle & kButtonAnimated) || m_nAnimState == 0) return;
    if (m_PauseUntil && Ui::Get().NowMs() < m_PauseUntil) return;  // the loop pause
    m_PauseUntil = 0;
    const int last = GetFrameCount() - 1;
    if (m_nAnimState != 3) {
        if (m_bDirection == 0) {
            if (--m_nCurrentFrame < 0) {
                m_nCurrentFrame = 0;
                if (m_nAnimState == 1) {
                    KillAnimTimer();
                    m_nAnimState = 3;
                } else {
                    m_bDirection = 1;
                }
            }
        } else if (++m_nCurrentFrame > last) {
            if (!m_bTurnAtEnd) {
                m_nCurrentFrame = 0;
                if (m_nAnimState == 1) m_nAnimState = 3;
            } else {
                m_nCurrentFrame = std::max(last, 0);
                m_bDirection = 0;
                if (m_nAnimState != 1 && m_dwLoopPause) m_PauseUntil = Ui::Get().NowMs() + m_dwLoopPause;
            }
        }
    }
    if (m_nAnimState != 0 && IsAlive()) {
        if (Canvas* dc = GetWorkDC()) Draw(dc, false, true);
        DoneWithWorkDC();
        if (Parent()) Parent()->InvalidateRect(RectInParent(), false);
    }
    if (m_nAnimState == 3) {
        m_nAnimState = 0;
        KillAnimTimer();
        Invalidate(true);
        UpdateNow();
    }
}

void CXButton::OnLButtonDown(uint32_t flags, Point pt) {
    m_bPressedHere = 1;
    const bool check = (m_dwButtonStyle & kButtonCheck) != 0;
    if (check && (m_dwButtonStyle & kButtonRadio) && m_bTicked) {
        m_bPressedHere = 0;
        return;
    }
    if (check)
        PlaySample(IsGreyed() ? 1 : 0, 0);
    else if (m_dwButtonStyle & kButtonPush) {
        if (IsGreyed())
            PlaySample(1, 0);
        else if (IsVisible())
            PlaySample(0, 0);
    }
    if (IsGreyed() || !IsVisible()) return;
    if (m_dwButtonStyle & kButtonTwoFrame) {
        m_nCurrentFrame = 0;
        Invalidate(true);
    } else if (m_dwButtonStyle & kButtonAnimated) {
        KillAnimTimer();
        m_nAnimState = 3;
    }
    Button::OnLButtonDown(flags, pt);
}

void CXButton::OnLButtonDblClk(uint32_t flags, Point pt) { OnLButtonDown(flags, pt); }

void CXButton::OnLButtonUp(uint32_t flags, Point pt) {
    if (!m_bPressedHere) return;
    Ui& ui = Ui::Get();
    if (IsGreyed() || !IsVisible()) {
        m_bPressedHere = 0;
        if (ui.GetCapture() == this) ui.ReleaseCapture();
        return;
    }
    if (m_dwButtonStyle & kButtonCheck) {
        if (ui.WindowFromPoint(ClientToScreen(pt)) == this) {
            if (!(m_dwButtonStyle & kButtonRadio)) {
                m_bTicked = m_bTicked ? 0 : 1;
            } else if (!m_bTicked) {
                m_bTicked = 1;
                UncheckGroup();
            }
        }
    }
    Point inParent = Parent() ? Parent()->ScreenToClient(ClientToScreen(pt)) : pt;
    auto* page = dynamic_cast<CXWnd*>(Parent());
    if (!(m_dwButtonStyle & kButtonPush) && !(page && page->IsDropTargetAt(inParent.x, inParent.y))) {
        m_bPressedHere = 0;
        if (ui.GetCapture() == this) ui.ReleaseCapture();
        if (Parent()) Parent()->Send(WM_LBUTTONUP, flags, MakePointParam(inParent));
        return;
    }
    m_bPressedHere = 0;
    Button::OnLButtonUp(flags, pt);
}

void CXButton::OnMouseMove(uint32_t flags, Point pt) {
    if ((m_dwButtonStyle & kButtonPush) && Ui::Get().GetCapture() == this) {
        Button::OnMouseMove(flags, pt);
        return;
    }
    if (Parent()) Parent()->Send(WM_MOUSEMOVE, flags, MakePointParam(Parent()->ScreenToClient(ClientToScreen(pt))));
}

void CXButton::OnDestroy() {
    KillAnimTimer();
    m_nAnimState = 0;
}

// Disabling or enabling shows at once in the page; a hidden button is drawn
// when it is shown.
void CXButton::OnEnable(bool) {
    if (IsVisible()) Redraw();
}

intptr_t CXButton::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    if (msg == ui::kMsgDrawDragItem) {
        Draw(reinterpret_cast<Canvas*>(w), false, false);
        return 1;
    }
    if (msg == ui::kMsgMayDrag) return 1;
    return Button::OnMessage(msg, w, l);
}
