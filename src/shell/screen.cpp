#include "shell/screen.h"

#include "platform/trace.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "ui/xbutton.h"
#include "ui/xscroll.h"

using namespace platform::win;
using platform::gfx::Canvas;
using platform::gfx::Surface;

CScreen::CScreen() = default;

CScreen::~CScreen() = default;

bool CScreen::Create(Window* parent) {
    if (!parent) {
        platform::Trace("CScreen::Create without a parent\n");
        return false;
    }
    if (!CreateChild(parent->ClientRect(), parent)) return false;
    Window::Enable(false);
    m_nWidth = kWidth;
    m_nHeight = kHeight;
    m_Work = Surface(kWidth, kHeight);
    LoadBackground();
    RebuildWorkBuffer();
    return true;
}

void CScreen::Close() {
    if (m_nAnimationTimer) KillTimer(m_nAnimationTimer);
    if (m_nAmbientTimer) KillTimer(m_nAmbientTimer);
    m_nAnimationTimer = m_nAmbientTimer = 0;
    StopHover();
    m_Back.Clear();
    m_Work = {};
    m_WorkDCs.clear();
}

void CScreen::StopHover() {
    if (m_pHoveredButton) m_pHoveredButton->StopAnimation();
    m_pHoveredButton = nullptr;
    m_bNoHover = 1;
}

void CScreen::SetBackground(const std::string& name) {
    m_strBackground = name;
    m_bBackgroundDirty = 1;
}

void CScreen::LoadBackground() {
    if (m_strBackground.empty() || !m_Back.Load(m_strBackground)) {
        // Without its picture the page shows black rather than garbage.
        m_Back.SetSurface(Surface(kWidth, kHeight));
    }
}

void CScreen::RebuildWorkBuffer() {
    if (m_Work.IsEmpty()) m_Work = Surface(kWidth, kHeight);
    Canvas dc(m_Work);
    dc.FillSolidRect(m_Work.Bounds(), 0);
    m_Back.Draw(dc, 0, 0);
    m_bWorkBuilt = 1;
}

void CScreen::Repaint(int wipe) {
    m_bShow = 0;
    Invalidate(true);
    UpdateNow();
    m_bShow = 1;
    m_nWipeMode = g_bFade ? wipe : 0;
    Invalidate(true);
    UpdateNow();
    m_nWipeMode = 0;
}

void CScreen::OnPaint(const PaintContext& pc) {
    if (m_bBackgroundDirty) {
        LoadBackground();
        RebuildWorkBuffer();
        m_bBackgroundDirty = 0;
    }
    if (!m_bWorkBuilt) RebuildWorkBuffer();
    if (m_bShow) {
        // The plain copy; the wipes come with the page transitions.
        Canvas dc = pc.MakeCanvas();
        const Rect box = pc.clip;
        dc.BitBlt(box.left, box.top, box.Width(), box.Height(), m_Work, box.left, box.top);
    }
    if (g_bFocusRequest) {
        Ui::Get().SetFocus(this);
        g_bFocusRequest = 0;
    }
}

intptr_t CScreen::OnMessage(uint32_t msg, uintptr_t w, intptr_t l) {
    switch (msg) {
        case ui::kMsgRestoreBackground: {
            auto* r = reinterpret_cast<const Rect*>(w);
            if (!r) {
                platform::Trace("CScreen: background restore without a rectangle\n");
                return 0;
            }
            if (m_Work.IsEmpty()) return 0;
            Canvas dc(m_Work);
            dc.BitBlt(r->left, r->top, r->Width(), r->Height(), m_Back.GetSurface(), r->left, r->top);
            return 1;
        }
        case ui::kMsgGetWorkDC: {
            if (!IsAlive() || m_Work.IsEmpty()) return 0;
            m_WorkDCs.push_back(std::make_unique<Canvas>(m_Work));
            return reinterpret_cast<intptr_t>(m_WorkDCs.back().get());
        }
        case ui::kMsgDrawingDone:
            if (!m_WorkDCs.empty()) m_WorkDCs.pop_back();
            return 1;
        default:
            return CXWnd::OnMessage(msg, w, l);
    }
}

CXButton* CScreen::ButtonAtPoint(int x, int y) {
    Window* w = ChildFromPoint({x, y}, true);
    return w == this ? nullptr : dynamic_cast<CXButton*>(w);
}

void CScreen::OnMouseMove(uint32_t flags, Point pt) {
    Window* fg = Ui::Get().GetForegroundWindow();
    if (!IsDragging() && (!fg || fg->TopLevel() != Ui::Get().MainWindow())) return;
    if (!IsDragging()) {
        CXButton* b = ButtonAtPoint(pt.x, pt.y);
        if (b && !(b->GetButtonStyle() & (kButtonAnimated | kButtonTwoFrame))) b = nullptr;
        if (b) {
            if (b != m_pHoveredButton) {
                if (m_pHoveredButton)
                    m_pHoveredButton->ReverseAnimation();
                else
                    PlaySample(4, 0);
                m_pHoveredButton = b;
                m_bNoHover = 0;
                b->StartAnimation(true);
            }
        } else if (m_pHoveredButton) {
            m_pHoveredButton->ReverseAnimation();
            m_pHoveredButton = nullptr;
            m_bNoHover = 1;
        }
        Window* child = ChildFromPoint(pt, true);
        if (auto* bar = dynamic_cast<CXScroll*>(child); bar && flags != ui::kRelayedFlags) {
            Point in = bar->ScreenToClient(ClientToScreen(pt));
            bar->Send(WM_MOUSEMOVE, ui::kRelayedFlags, MakePointParam(in));
        }
    }
    CXWnd::OnMouseMove(flags, pt);
}

void CScreen::OnLButtonDown(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (auto* b = dynamic_cast<CXButton*>(child); b && (b->GetButtonStyle() & kButtonPush)) {
        b->Send(WM_LBUTTONDOWN, flags, MakePointParam(b->ScreenToClient(ClientToScreen(pt))));
        return;
    }
    if (flags != ui::kRelayedFlags) {
        if (auto* bar = dynamic_cast<CXScroll*>(child)) {
            bar->Send(WM_LBUTTONDOWN, flags, MakePointParam(bar->ScreenToClient(ClientToScreen(pt))));
            return;
        }
    }
    CXWnd::OnLButtonDown(flags == ui::kRelayedFlags ? 0 : flags, pt);
}

void CScreen::OnLButtonUp(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (auto* b = dynamic_cast<CXButton*>(child);
        b && (b->GetButtonStyle() & kButtonPush) && !IsDropTargetAt(pt.x, pt.y)) {
        b->Send(WM_LBUTTONUP, flags, MakePointParam(b->ScreenToClient(ClientToScreen(pt))));
        return;
    }
    if (flags != ui::kRelayedFlags) {
        if (auto* bar = dynamic_cast<CXScroll*>(child))
            bar->Send(WM_LBUTTONUP, flags, MakePointParam(bar->ScreenToClient(ClientToScreen(pt))));
    }
    CXWnd::OnLButtonUp(flags == ui::kRelayedFlags ? 0 : flags, pt);
}

void CScreen::OnRButtonDown(uint32_t flags, Point pt) { CXWnd::OnRButtonDown(flags, pt); }

void CScreen::OnDestroy() {
    StopHover();
    CXWnd::OnDestroy();
}
