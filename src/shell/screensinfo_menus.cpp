// The pages' right-click menus, the list look-ups at a point and the
// manager slots of Manager Selection.
#include <algorithm>

#include "platform/trace.h"
#include "shell/pagemenus.h"
#include "shell/photofit.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "shell/setupstate.h"
#include "shell/soundengine.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/worlddata.h"
#include "ui/xmenu.h"
#include "ui/xmessages.h"

using platform::win::Point;

namespace {

constexpr int kMenuSample = 14;

}  // namespace

int CScreensInfo::HitTestListRow(int x, int y) {
    const Point p{x, y};
    platform::win::Window* child = ChildFromPoint(p);
    if (!child) return -1;
    for (int i = 0; i < 2 && i < m_nLists; ++i) {
        if (child != &m_ListBoxes[static_cast<size_t>(i)]) continue;
        const intptr_t row = child->Send(ui::kMsgRowAtPoint, reinterpret_cast<uintptr_t>(&p), 0);
        return row > -1 ? static_cast<int>(row) : -1;
    }
    return -1;
}

uintptr_t CScreensInfo::GetListRowData(int x, int y) {
    const int row = HitTestListRow(x, y);
    if (row < 0) return 0;
    const Point p{x, y};
    for (int i = 0; i < 2 && i < m_nLists; ++i) {
        CListControl& list = m_ListBoxes[static_cast<size_t>(i)];
        if (ChildFromPoint(p) == &list) return list.GetItemData(row);
    }
    return 0;
}

uint32_t CScreensInfo::ShowContextMenu(int page, int x, int y, uintptr_t person) {
    const int group = PageMenuGroup(page);
    if (group < 0) return 0;
    auto* manager = dynamic_cast<CScreenManager*>(Parent());
    if (!manager || !manager->IsToolBarFlagSet()) return 0;

    CWorldData* world = GetWorldData();
    PageMenuSubject subject;
    if (world) {
        const CManager* m = world->GetCurrentManager();
        subject.employed = m && m->IsEmployed();
        subject.userClub = world->GetCurrentClub();
        subject.user = world->GetCurrentUser();
    }
    const uintptr_t picked = person ? person : (group == 11 || group == 12 ? GetListRowData(x, y) : 0);
    if (group == 11) {
        g_pSelectedPlayer = reinterpret_cast<CPlayer*>(picked);
        subject.player = g_pSelectedPlayer;
    } else if (group == 12) {
        g_pSelectedEmployee = reinterpret_cast<CBasicEmployee*>(picked);
        subject.employee = g_pSelectedEmployee;
    }
    const std::vector<PageMenuChoice> items = BuildPageMenuItems(group, subject);
    if (items.empty()) return 0;

    PlaySample(kMenuSample, 0);
    // The person menus take the colour of the page they open on.
    int colourEntry = group;
    if (group == 11 || group == 12) colourEntry = std::max(PageMenuGroup(g_nScreenId), 0);
    CXMenu menu(MenuColourFor(colourEntry, g_nScreenId));
    for (const PageMenuChoice& item : items) menu.AppendItem(item.id, item.text, {}, item.disabled);
    return menu.Track(ClientToScreen(Point{x, y}), manager);
}

void CScreensInfo::AddManagerNameLabels(int /*x*/, int /*y*/, int user, int /*captionId*/) {
    CWorldData* world = GetWorldData();
    CHumanManager* h = world ? world->GetUser(user) : nullptr;
    if (!h || !h->HasManager() || user < 0 || user >= m_nButtons) return;
    GetButton(user).SetText(h->GetManagerName());
}

void CScreensInfo::AddManagerSlots() {
    CWorldData* world = GetWorldData();
    if (!world) return;
    for (int i = 0; i < kManagerSlotCount; ++i) {
        int x = -540 + 142 * i;
        if (x < 28) x += 568;
        const int y = i < 4 ? 89 : 276;
        CHumanManager* h = world->GetUser(i);
        const CManager* m = h && h->HasManager() ? h->GetManager() : nullptr;
        if (!m) continue;
        const PhotofitFace f = PhotofitFace::FromFace(m->Person().GetFace());
        AddFaceOverlay(0, true, x + 7, y - 6, f.skin, f.hairColour, f.hairStyle, f.eyes, f.nose, f.chin, f.mouth,
                       f.beard, -1);
        AddManagerNameLabels(x - 4, y + 118, i);
    }
}
