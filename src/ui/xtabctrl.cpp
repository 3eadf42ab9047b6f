#include "ui/xtabctrl.h"

#include "platform/gfx/font.h"
#include "ui/treewindow.h"

using namespace platform::win;

bool CXTabCtrl::Create(Window* parent, const Rect& rect, uint32_t id) {
    if (!CreateTabs(parent, rect, WS_CHILD, id)) return false;
    SetFont(platform::gfx::Font::CreatePoint(80, "MS Sans Serif"));
    return true;
}

bool CXTabCtrl::OnSelChange() {
    if (auto* owner = dynamic_cast<CTreeWindow*>(Parent())) owner->SetCurrentTab(GetCurSel());
    return true;
}

void CXTabCtrl::OnRButtonDown(uint32_t flags, Point pt) {
    if (Window* parent = Parent())
        parent->Send(WM_RBUTTONDOWN, flags, MakePointParam(parent->ScreenToClient(ClientToScreen(pt))));
}
