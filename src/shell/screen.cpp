#include "shell/screen.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/commonctrls.h"
#include "platform/window/notify.h"
#include "platform/window/ui.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "ui/listcontrol.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xscroll.h"
#include "ui/xspinedit.h"

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
    StartAmbientSound();
    return true;
}

void CScreen::Close() {
    for (uint32_t* timer : {&m_nAnimationTimer, &m_nAmbientTimer, &m_nThirdTimer}) {
        if (*timer) KillTimer(*timer);
        *timer = 0;
    }
    for (int slot = 0; slot < kPictureSlotCount; ++slot) ReleasePictureSurface(slot);
    StopVideo();
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
    {
        Canvas dc(m_Work);
        dc.FillSolidRect(m_Work.Bounds(), 0);
        m_Back.Draw(dc, 0, 0);
    }
    DrawOverlaysAndLines();
    m_bWorkBuilt = 1;
}

void CScreen::Repaint(int wipe) {
    RepaintHidden();
    RepaintWithWipe(wipe);
}

void CScreen::RepaintHidden() {
    // A whole repaint composes the page afresh: text a label left in the
    // work buffer when it went goes with it.
    m_bWorkBuilt = 0;
    m_bShow = 0;
    Invalidate(true);
    UpdateNow();
    m_bShow = 1;
}

void CScreen::RepaintWithWipe(int wipe) {
    m_bShow = 1;
    m_nWipeMode = g_bFade ? wipe : 0;
    Invalidate(true);
    UpdateNow();
    m_nWipeMode = 0;
}

std::vector<Rect> CScreen::WipeStrips(int mode, int width, int height) {
    std::vector<Rect> strips;
    auto column = [&](int x) { strips.push_back({x, 0, x + 1, height}); };
    auto row = [&](int y) { strips.push_back({0, y, width, y + 1}); };
    switch (mode) {
        case 1:  // vertical blinds
            for (int k = 7; k >= 0; --k)
                for (int x = k; x < width; x += 8) column(x);
            break;
        case 2:  // horizontal blinds
            for (int k = 7; k >= 0; --k)
                for (int y = k; y < height; y += 8) row(y);
            break;
        case 3:
            for (int x = 0; x < width; ++x) column(x);
            break;
        case 4:
            for (int x = width - 1; x >= 0; --x) column(x);
            break;
        case 5: {  // odd columns from the right, even ones from the left, in turn
            int left = 0, right = (width - 1) % 2 ? width - 1 : width - 2;
            while (left < width || right >= 1) {
                if (right >= 1) column(right);
                if (left < width) column(left);
                left += 2;
                right -= 2;
            }
            break;
        }
        case 6: {  // even rows from the top, odd ones from the bottom, in turn
            int top = 0, bottom = (height - 1) % 2 ? height - 1 : height - 2;
            while (top < height || bottom >= 1) {
                if (top < height) row(top);
                if (bottom >= 1) row(bottom);
                top += 2;
                bottom -= 2;
            }
            break;
        }
        case 7:
            for (int y = 0; y < height; ++y) row(y);
            break;
        case 8:
            for (int y = height - 1; y >= 0; --y) row(y);
            break;
        default:
            strips.push_back({0, 0, width, height});
            break;
    }
    return strips;
}

void CScreen::CopyToWindow(const PaintContext& pc) {
    Canvas dc = pc.MakeCanvas();
    if (m_nWipeMode < 1 || m_nWipeMode > 8) {
        const Rect box = pc.clip;
        dc.BitBlt(box.left, box.top, box.Width(), box.Height(), m_Work, box.left, box.top);
        return;
    }
    // The page comes in strip by strip; shown in a few steps so the
    // transition can be seen, on the clock rather than by sleeping.
    constexpr int kSteps = 16;
    constexpr uint64_t kStepMs = 10;
    const std::vector<Rect> strips = WipeStrips(m_nWipeMode, m_nWidth, m_nHeight);
    const size_t per = std::max<size_t>(1, strips.size() / kSteps);
    Ui& ui = Ui::Get();
    for (size_t i = 0; i < strips.size(); ++i) {
        const Rect& r = strips[i];
        dc.BitBlt(r.left, r.top, r.Width(), r.Height(), m_Work, r.left, r.top);
        if ((i + 1) % per == 0 && i + 1 < strips.size()) {
            ui.PresentNow();
            ui.GetBackend().Wait(ui.NowMs() + kStepMs);
        }
    }
}

void CScreen::OnPaint(const PaintContext& pc) {
    if (!m_bDirectDrawPage) {
        if (m_bBackgroundDirty) {
            LoadBackground();
            RebuildWorkBuffer();
            m_bBackgroundDirty = 0;
        }
        if (!m_bWorkBuilt) RebuildWorkBuffer();
        if (m_bShow) {
            CopyToWindow(pc);
            DrawPictureSlots();
        }
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
        case ui::kMsgCopyBackBuffer: {
            auto* dc = reinterpret_cast<Canvas*>(w);
            auto* r = reinterpret_cast<const Rect*>(l);
            if (!dc || !r) {
                platform::Trace("CScreen: back-buffer copy without a rectangle\n");
                return 0;
            }
            const Rect page = ScreenToClient(*r);
            dc->BitBlt(0, 0, page.Width(), page.Height(), m_Back.GetSurface(), page.left, page.top);
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

CListControl* CScreen::GetListUnderMouse() const {
    return dynamic_cast<CListControl*>(Ui::Get().FromHandle(m_hListUnderMouse));
}

void CScreen::Relay(Window* child, uint32_t msg, uint32_t flags, Point pt) {
    child->Send(msg, flags, MakePointParam(child->ScreenToClient(ClientToScreen(pt))));
}

void CScreen::OnMouseMove(uint32_t flags, Point pt) {
    Window* fg = Ui::Get().GetForegroundWindow();
    if (!IsDragging() && (!fg || fg->TopLevel() != Ui::Get().MainWindow())) return;
    if (!IsDragging()) {
        const bool relayed = flags == ui::kRelayedFlags;
        Window* child = ChildFromPoint(pt, true);
        auto* list = dynamic_cast<CListControl*>(child);
        // The list the mouse came from loses its hover selection, also when
        // the mouse goes straight onto another list; a list passing back its
        // own drag keeps it.
        if (CListControl* previous = GetListUnderMouse(); previous && previous != list) {
            previous->ClearSelection();
            m_hListUnderMouse = 0;
        }
        if (list && !relayed) {
            // A button the mouse came straight from stops as if left for the page.
            if (m_pHoveredButton) {
                m_pHoveredButton->ReverseAnimation();
                m_pHoveredButton = nullptr;
                m_bNoHover = 1;
            }
            // The list works in page coordinates when told so.
            list->Send(WM_MOUSEMOVE, ui::kRelayedFlags, MakePointParam(pt));
            m_hListUnderMouse = list->Handle();
            return;
        }
        CXButton* b = ButtonAtPoint(pt.x, pt.y);
        // A greyed button answers no pointer: it keeps its still look.
        if (b && (!(b->GetButtonStyle() & (kButtonAnimated | kButtonTwoFrame)) || b->IsGreyed())) b = nullptr;
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
        if (auto* bar = dynamic_cast<CXScroll*>(child); bar && !relayed)
            Relay(bar, WM_MOUSEMOVE, ui::kRelayedFlags, pt);
    }
    CXWnd::OnMouseMove(flags, pt);
}

void CScreen::OnLButtonDown(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (auto* b = dynamic_cast<CXButton*>(child); b && (b->GetButtonStyle() & kButtonPush)) {
        Relay(b, WM_LBUTTONDOWN, flags, pt);
        return;
    }
    if (flags == ui::kRelayedFlags) {
        // A list passing back a press on one of its rows.
        if (auto* list = dynamic_cast<CListControl*>(child)) {
            OnListClick(list, list->GetPointerRow(), list->GetPointerColumn());
            return;
        }
        CXWnd::OnLButtonDown(0, pt);
        return;
    }
    if (dynamic_cast<CListControl*>(child) || dynamic_cast<CXScroll*>(child) || dynamic_cast<CXSpinedit*>(child)) {
        Relay(child, WM_LBUTTONDOWN, flags, pt);
        return;
    }
    if (auto* edit = dynamic_cast<CXEdit*>(child)) {
        Ui::Get().SetFocus(edit);
        return;
    }
    CXWnd::OnLButtonDown(flags, pt);
}

void CScreen::OnLButtonUp(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (auto* b = dynamic_cast<CXButton*>(child);
        b && (b->GetButtonStyle() & kButtonPush) && !IsDropTargetAt(pt.x, pt.y)) {
        Relay(b, WM_LBUTTONUP, flags, pt);
        return;
    }
    if (flags == ui::kRelayedFlags) {
        if (auto* list = dynamic_cast<CListControl*>(child))
            OnListClick(list, list->GetPointerRow(), list->GetPointerColumn());
    } else if (dynamic_cast<CListControl*>(child) || dynamic_cast<CXScroll*>(child) ||
               dynamic_cast<CXSpinedit*>(child)) {
        Relay(child, WM_LBUTTONUP, flags, pt);
    }
    CXWnd::OnLButtonUp(flags == ui::kRelayedFlags ? 0 : flags, pt);
}

void CScreen::OnRButtonDown(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (flags == ui::kRelayedFlags) m_bListPassedRightPress = 1;
    if (!dynamic_cast<CXButton*>(child) && flags != ui::kRelayedFlags) {
        if (auto* list = dynamic_cast<CListControl*>(child)) {
            // A press on a row comes back relayed and opens the menu there;
            // the menu is shown once, not again here.
            m_bListPassedRightPress = 0;
            Relay(list, WM_RBUTTONDOWN, flags, pt);
            if (m_bListPassedRightPress) {
                m_bListPassedRightPress = 0;
                return;
            }
        }
    }
    CXWnd::OnRButtonDown(flags == ui::kRelayedFlags ? 0 : flags, pt);
}

// No page gives a right double click a meaning: the second press is a press
// like the first, so a quick second press on a row shows its menu again.
void CScreen::OnRButtonDblClk(uint32_t flags, Point pt) { OnRButtonDown(flags, pt); }

void CScreen::OnRButtonUp(uint32_t flags, Point pt) {
    Window* child = ChildFromPoint(pt, true);
    if (dynamic_cast<CXButton*>(child) || flags == ui::kRelayedFlags) return;
    if (auto* list = dynamic_cast<CListControl*>(child)) Relay(list, WM_RBUTTONUP, flags, pt);
}

void CScreen::OnChar(uint8_t ch, uint32_t repeatCount) {
    if (auto* edit = dynamic_cast<CXEdit*>(Ui::Get().GetFocus()))
        edit->Send(WM_CHAR, ch, static_cast<intptr_t>(repeatCount));
}

void CScreen::OnKeyDown(uint32_t, uint32_t, intptr_t) { platform::Trace("CScreen::OnKeyDown()\n"); }

intptr_t CScreen::OnNotify(uintptr_t w, intptr_t l) {
    // An up-down control's step goes on to the field it drives.
    auto* hdr = reinterpret_cast<const NotifyHeader*>(l);
    if (hdr && hdr->code == UDN_DELTAPOS) {
        if (auto* updown = dynamic_cast<UpDownCtrl*>(hdr->from))
            if (Window* buddy = updown->GetBuddy()) return buddy->Send(WM_NOTIFY, UDN_DELTAPOS, l);
        return 0;
    }
    return CXWnd::OnNotify(w, l);
}

void CScreen::OnDestroy() {
    StopHover();
    CXWnd::OnDestroy();
}

uint32_t CScreen::StartPageTimer(uint32_t id, uint32_t intervalMs) {
    constexpr unsigned kNoTimersText = 44000;
    const uint32_t timer = SetTimer(id, intervalMs);
    if (!timer) {
        platform::win::Ui::Get().MessageBox(platform::LoadString(kNoTimersText), "Vantorel 2000", 0);
        platform::win::Ui::Get().PostQuitMessage(-1);
    }
    return timer;
}
