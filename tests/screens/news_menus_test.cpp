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

class NewsMenus : public testsupport::HumanGameApp {
protected:
    // A point on row `row` of the hub's staff list, found through the
    // list's own row-at-point answer; {-1, -1} when the row is not shown.
    Point OnStaffRow(CNewsScreen& hub, CListControl& staff, int row) {
        const platform::win::Rect r = staff.WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (hub.HitTestListRow(r.left + 40, y) == row) return {r.left + 40, y + 4};
        return {-1, -1};
    }
};

// Group 106 lists contacts only; a hired man's row, put there as another
// group's list makes it, shows that the menu over a row follows the
// manager: the person menu while he has a club, no menu at all without one
// (not the page's own), and the page's menu off the list either way.
TEST_F(NewsMenus, OverARowThePersonMenuWhileEmployedAndNoMenuWithoutAClub) {
    ASSERT_GE(club->HireNewEmployee(CNewsScreen::kRumourMole), 0);
    CEmployee* hired = nullptr;
    for (int i = 0; i < club->Staff().GetSize() && !hired; ++i)
        if (CEmployee* e = club->Staff().GetAt(i); e && !e->IsContact()) hired = e;
    if (!hired) {
        const int slot = club->HireNewEmployee(CBasicEmployee::kHeadCoach);
        ASSERT_GE(slot, 0);
        hired = club->Staff().GetAt(slot);
    }
    ASSERT_NE(hired, nullptr);
    auto* hub = Open<CNewsScreen>(PageClass::News, CNewsScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CListControl& staff = hub->GetList(0);
    ASSERT_EQ(staff.GetRowCount(), 1) << "the mole alone";
    hired->AddGroupRow(staff, 100);
    ASSERT_EQ(staff.GetRowCount(), 2);
    staff.SetRowData2(1, 1);
    staff.Invalidate();
    Run(100);
    const Point mole = OnStaffRow(*hub, staff, 0), man = OnStaffRow(*hub, staff, 1);
    ASSERT_GE(mole.y, 0);
    ASSERT_GE(man.y, 0);
    g_pSelectedEmployee = nullptr;
    EXPECT_EQ(RightClick(man), 12) << "the person menu over hired staff";
    EXPECT_EQ(g_pSelectedEmployee, hired);

    World().GetCurrentManager()->SetClubIndex(-1);
    ASSERT_FALSE(World().GetCurrentManager()->IsEmployed());
    for (const Point& p : {mole, man}) {
        // The pointer comes to the row over the page, as a hand brings it.
        backend->MoveTo(ToMain({p.x, 200}), 20);
        backend->MoveTo(ToMain(p), 20);
        Run(50);
        EXPECT_EQ(RightClick(p), -1) << "no menu over a row without a club: " << p.y;
    }
    EXPECT_EQ(RightClick({300, 30}), PageMenuGroup(CNewsScreen::kHubPage)) << "the page's menu off the list";
}

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
