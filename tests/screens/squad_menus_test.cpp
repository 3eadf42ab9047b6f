// The right-button menus of the squad pages in the running program: the
// hub's employee menu over a staff row and the squad menu elsewhere; the
// squad menu on the physio and youth pages wherever they are pressed; the
// player menu over a name on Team Selection; and the surface pages' squad
// menu, which a held left button keeps shut.
#include <gtest/gtest.h>

#include "screens/squadscreen.h"
#include "screens/squadselectscreen.h"
#include "shell/pagemenus.h"
#include "soccerclasses/employee.h"
#include "soccerclasses/injury.h"
#include "soccerclasses/player.h"
#include "support/human_game_app.h"
#include "ui/listcontrol.h"

namespace {

using platform::win::Point;

constexpr int kSquadMenuGroup = 3, kPlayerMenuGroup = 11, kEmployeeMenuGroup = 12;

class SquadMenus : public testsupport::HumanGameApp {
protected:
    // A point on row `row` of a page list, found through the list's own
    // row-at-point answer; {-1, -1} when the row is not shown.
    Point OnListRow(CScreensInfo& page, CListControl& list, int row) {
        const platform::win::Rect r = list.WindowRect();
        for (int y = r.top; y < r.bottom; ++y)
            if (page.HitTestListRow(r.left + 40, y) == row) return {r.left + 40, y + 4};
        return {-1, -1};
    }
    void Injure(CPlayer& p) {
        const int i = World().GetInjuryList().NewInjury();
        World().GetInjuryList().GetAt(i)->SetSeverity(100);
        World().GetInjuryList().GetAt(i)->m_TimeLeft = 20;
        p.m_Injury = i;
    }
};

TEST_F(SquadMenus, TheHubShowsTheEmployeeMenuOverAStaffRowAndTheSquadMenuElsewhere) {
    ASSERT_GE(club->HireNewEmployee(CBasicEmployee::kHeadPhysio), 0);
    auto* hub = Open<CSquadScreen>(PageClass::Squad, CSquadScreen::kHubPage);
    ASSERT_NE(hub, nullptr);
    CListControl* staff = hub->GetStaffList();
    ASSERT_NE(staff, nullptr);
    ASSERT_GE(staff->GetRowCount(), 2);
    const Point row1 = OnListRow(*hub, *staff, 1);
    ASSERT_GE(row1.y, 0);
    g_pSelectedEmployee = nullptr;
    EXPECT_EQ(RightClick(row1), kEmployeeMenuGroup);
    EXPECT_EQ(g_pSelectedEmployee, reinterpret_cast<CBasicEmployee*>(staff->GetItemData(1)))
        << "the menu acts on the row pressed";
    EXPECT_EQ(RightClick({300, 30}), kSquadMenuGroup) << "the page's header";
    EXPECT_EQ(RightClick({10, 300}), kSquadMenuGroup) << "beside the list";
}

TEST_F(SquadMenus, ThePhysioAndYouthPagesShowTheSquadMenuOverTheirListsToo) {
    CPlayer* hurt = club->GetPlayer(3);
    ASSERT_NE(hurt, nullptr);
    Injure(*hurt);
    auto* physio = Open<CSquadScreen>(PageClass::Squad, CSquadScreen::kPhysioPage);
    ASSERT_NE(physio, nullptr);
    CListControl* injuries = physio->GetInjuryList();
    ASSERT_NE(injuries, nullptr);
    ASSERT_EQ(injuries->GetRowCount(), 1);
    const Point row0 = OnListRow(*physio, *injuries, 0);
    ASSERT_GE(row0.y, 0);
    g_pSelectedPlayer = nullptr;
    EXPECT_EQ(RightClick(row0), kSquadMenuGroup);
    EXPECT_EQ(g_pSelectedPlayer, nullptr) << "no person menu on the physio's list";
    EXPECT_EQ(RightClick({300, 460}), kSquadMenuGroup);

    auto* youth = Open<CSquadScreen>(PageClass::Squad, CSquadScreen::kYouthPage);
    ASSERT_NE(youth, nullptr);
    EXPECT_EQ(RightClick({300, 30}), kSquadMenuGroup);
}

// A press on a list below its last row is a press on the page: the list
// passes it on, and the page shows its own menu there.
TEST_F(SquadMenus, APressBelowAListsLastRowShowsThePagesMenu) {
    Injure(*club->GetPlayer(3));
    auto* physio = Open<CSquadScreen>(PageClass::Squad, CSquadScreen::kPhysioPage);
    ASSERT_NE(physio, nullptr);
    CListControl* injuries = physio->GetInjuryList();
    ASSERT_NE(injuries, nullptr);
    ASSERT_EQ(injuries->GetRowCount(), 1);
    const platform::win::Rect r = injuries->WindowRect();
    const Point below{r.left + 40, r.bottom - 4};
    ASSERT_GT(below.y, OnListRow(*physio, *injuries, 0).y + 20);
    ASSERT_LT(physio->HitTestListRow(below.x, below.y), 0) << "no row there";
    EXPECT_EQ(RightClick(below), kSquadMenuGroup);
}

// The surface pages draw everything themselves: a right press anywhere off
// a player's name shows the squad menu, unless the left button is held
// (a drag may be under way).
TEST_F(SquadMenus, TheSurfacePagesShowTheSquadMenuUnlessTheLeftButtonIsHeld) {
    struct Case {
        PageClass kind;
        int screen;
    };
    for (const Case& c : {Case{PageClass::SquadSelect, 4}, Case{PageClass::Tact, 26}, Case{PageClass::Train, 35},
                          Case{PageClass::YTrain, 80}, Case{PageClass::YTrain, 94}}) {
        SCOPED_TRACE(c.screen);
        ASSERT_NE(Open<CScreen>(c.kind, c.screen), nullptr);
        EXPECT_EQ(RightClick({300, 30}), kSquadMenuGroup);
        EXPECT_EQ(RightClick({300, 30}, true), -1) << "the left button is down";
    }
}

TEST_F(SquadMenus, TeamSelectionShowsThePlayerMenuOverANameOfItsOwnClub) {
    auto* select = Open<CSquadSelectScreen>(PageClass::SquadSelect, CSquadSelectScreen::kScreen);
    ASSERT_NE(select, nullptr);
    ASSERT_FALSE(select->IsReadOnly());
    int nameX = -1;
    for (int x = CSquadSelectScreen::kTableX; x < CSquadSelectScreen::kTableX + CSquadSelectScreen::kTableWidth && nameX < 0; ++x)
        if (select->GetTable().ColumnAt(x) == 1) nameX = x + 10;
    ASSERT_GE(nameX, 0);
    const int row = 2, y = CSquadSelectScreen::kTableTop + CSquadSelectScreen::kRowHeight * row + 11;
    CPlayer* shown = club->GetPlayer(select->GetRows()[size_t(row)].slot);
    ASSERT_NE(shown, nullptr);
    g_pSelectedPlayer = nullptr;
    EXPECT_EQ(RightClick({nameX, y}), kPlayerMenuGroup);
    EXPECT_EQ(g_pSelectedPlayer, shown);
    int otherX = -1;
    for (int x = nameX; x < CSquadSelectScreen::kTableX + CSquadSelectScreen::kTableWidth && otherX < 0; ++x)
        if (select->GetTable().ColumnAt(x) == 4) otherX = x + 5;
    ASSERT_GE(otherX, 0);
    EXPECT_EQ(RightClick({otherX, y}), -1) << "another column of a row opens nothing";
}

}  // namespace
