// The news hub's right-button menus in the running program, the section
// hub's: over the mole's row the person menu of group 121 is asked for him,
// which holds nothing for a contact, so no menu shows and the page's own
// does not stand in; elsewhere the page's own menu. The hub marks the tool
// box's news button in use.
#include <gtest/gtest.h>

#include "screens/newsscreen.h"
#include "shell/pagemenus.h"
#include "soccerclasses/employee.h"
#include "support/human_game_app.h"
#include "shell/view.h"
#include "ui/listcontrol.h"
#include "ui/xtoolbar.h"

namespace {

using platform::win::Point;

class NewsMenus : public testsupport::HumanGameApp {};

TEST_F(NewsMenus, TheMolesRowAsksForHisMenuAndThePageGivesItsOwnElsewhere) {
    ASSERT_GE(club->HireNewEmployee(CNewsScreen::kRumourMole), 0);
    auto* hub = Open<CNewsScreen>(PageClass::News, CNewsScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    ASSERT_NE(view->GetToolBar(), nullptr);
    EXPECT_EQ(view->GetToolBar()->GetState(CNewsScreen::kNewsSection), 2) << "the news button marked in use";
    ASSERT_GE(hub->GetListCount(), 1);
    CListControl& staff = hub->GetList(0);
    ASSERT_GE(staff.GetRowCount(), 1);
    Point row0{-1, -1};
    const platform::win::Rect r = staff.WindowRect();
    for (int y = r.top; y < r.bottom && row0.y < 0; ++y)
        if (hub->HitTestListRow(r.left + 40, y) == 0) row0 = {r.left + 40, y + 4};
    ASSERT_GE(row0.y, 0);
    g_pSelectedEmployee = nullptr;
    EXPECT_EQ(PageMenuGroup(121), 12);
    EXPECT_EQ(RightClick(row0), -1) << "a contact has no person menu";
    EXPECT_EQ(g_pSelectedEmployee, reinterpret_cast<CBasicEmployee*>(staff.GetItemData(0)))
        << "the menu acts on the row pressed";
    EXPECT_EQ(RightClick({300, 30}), PageMenuGroup(CNewsScreen::kHubPage)) << "the page's header";
    EXPECT_EQ(RightClick({500, 300}), PageMenuGroup(CNewsScreen::kHubPage)) << "beside the list";
}

}  // namespace
