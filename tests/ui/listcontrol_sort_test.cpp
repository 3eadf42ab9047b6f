// Sorting by a column (kinds, directions, fixed rows, numbering) and the
// set of marked rows.
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "platform/window/headless.h"

using namespace platform::win;

namespace {

using ListSort = uitest::ListTest;
using Texts = std::vector<std::string>;

TEST_F(ListSort, AHeaderClickSortsTwoRowsAndTellsTheOwner) {
    Fill(0);
    list.AddRow("a", 0, 0, 0);
    list.AddRow("b", 0, 1, 0);
    Drain();
    list.Redraw();
    Click(HeaderPoint(0));
    EXPECT_EQ(Column(0), (Texts{"b", "a"}));  // descending first
    EXPECT_EQ(list.GetItemData(0), 1u);       // whole rows move
    EXPECT_EQ(list.GetPressedHeaderColumn(), 0);
    ASSERT_EQ(spy->Count(kMsgListSorted), 1);
    EXPECT_EQ(spy->notices.back().w, 77u);
    EXPECT_EQ(spy->notices.back().l, 0);
    EXPECT_TRUE(Played(12));
    EXPECT_EQ(list.GetPointerRow(), -1);
}

TEST_F(ListSort, DirectionsFlipOnTheSameColumnOnly) {
    Fill(0);
    for (const char* t : {"b", "a", "c"}) list.AddRow(t, 0, 0, 0);
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"c", "b", "a"}));
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"a", "b", "c"}));
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"c", "b", "a"}));
    // Another column and back: column 0 starts again in its current
    // direction (descending), without flipping.
    list.Sort(1);
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"c", "b", "a"}));
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"a", "b", "c"}));
}

TEST_F(ListSort, FixedRowsStayAndSplitTheRuns) {
    Fill(0);
    for (const char* t : {"b", "a", "TOTAL", "d", "c"}) list.AddRow(t, 0, 0, 0);
    list.SetItem(2, 0, "TOTAL", 1);
    list.Sort(0);
    list.Sort(0);  // ascending
    EXPECT_EQ(Column(0), (Texts{"a", "b", "TOTAL", "c", "d"}));

    list.ResetContent();
    for (const char* t : {"b", "a", "c"}) list.AddRow(t, 1, 0, 0);
    const int before = spy->Count(kMsgListSorted);
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"b", "a", "c"}));
    EXPECT_EQ(spy->Count(kMsgListSorted), before + 1);
}

TEST_F(ListSort, NumberingRewritesTheFirstColumnOfSortedRuns) {
    CListControl numbered;
    ASSERT_TRUE(numbered.Create(kListRect, spy, 78, kBarLeft, 100, 150, kBarWidth, kListNumberRows, false));
    numbered.AddColumn("#", 0);
    numbered.AddColumn("Pts", kColumnNumber);
    const int pts[] = {3, 9, 0, 6, 8};
    for (int p : pts) {
        const int r = numbered.AddRow("", 0, 0, 0);
        numbered.SetItemNumber(r, 1, p);
    }
    numbered.SetItem(2, 0, "", 1);  // a fixed row between two runs
    numbered.SetItem(2, 1, "0", 1);
    numbered.Sort(1);
    EXPECT_STREQ(numbered.GetItemText(0, 1), "9");
    EXPECT_STREQ(numbered.GetItemText(1, 1), "3");
    EXPECT_STREQ(numbered.GetItemText(2, 1), "0");
    EXPECT_STREQ(numbered.GetItemText(3, 1), "8");
    EXPECT_STREQ(numbered.GetItemText(4, 1), "6");
    EXPECT_STREQ(numbered.GetItemText(0, 0), "1");
    EXPECT_STREQ(numbered.GetItemText(1, 0), "2");
    EXPECT_STREQ(numbered.GetItemText(2, 0), "");  // fixed: neither moved nor numbered
    EXPECT_STREQ(numbered.GetItemText(3, 0), "4");
    EXPECT_STREQ(numbered.GetItemText(4, 0), "5");
    // Sorting the same column again flips without renumbering.
    numbered.SetItem(0, 0, "x");
    numbered.Sort(1);
    EXPECT_STREQ(numbered.GetItemText(1, 0), "x");
    numbered.Destroy();
}

TEST_F(ListSort, KeysOfEveryKind) {
    struct Case {
        const char* what;
        uint32_t format;
        Texts in;        // any order
        Texts ascending;
    };
    const Case cases[] = {
        {"names agreeing in four letters", 0, {"Martinez", "Martin", "Martina"}, {"Martin", "Martina", "Martinez"}},
        {"accented after plain", 0, {"\xC9mile", "Zoltan", "Anders"}, {"Anders", "Zoltan", "\xC9mile"}},
        {"numbers", 0, {"10", "9", "100"}, {"9", "10", "100"}},
        {"forced numbers", kColumnNumber, {"3", "-2", "x"}, {"-2", "x", "3"}},
        {"money", kColumnDigits, {"\xA3" "5m", "\xA3" "1,500t", "\xA3" "900", "-\xA3" "100t", "\xA3" "0"},
         {"-\xA3" "100t", "\xA3" "0", "\xA3" "900", "\xA3" "1,500t", "\xA3" "5m"}},
        {"money with the symbol after", kColumnDigits, {"5mF", "900tF"}, {"900tF", "5mF"}},
        {"long dates", kColumnLongDate, {"Sat 10 Jul 99", "Sat 3 Jul 99", "Fri 2 Jul 99", "Sat 1 Jan 00", ""},
         {"", "Fri 2 Jul 99", "Sat 3 Jul 99", "Sat 10 Jul 99", "Sat 1 Jan 00"}},
        {"short dates", kColumnShortDate, {"01 Jan 00", "31 Dec 99", "5 Dec 99"}, {"5 Dec 99", "31 Dec 99", "01 Jan 00"}},
        {"roles", kColumnRole, {"F", "Midfielder", "Head Coach", "Trainer", "D"},
         {"Trainer", "Head Coach", "D", "Midfielder", "F"}},
    };
    for (const Case& c : cases) {
        list.DeleteAllItems(true, true);
        list.AddColumn("Sorted", c.format);
        for (const auto& t : c.in) list.AddRow(t, 0, 0, 0);
        list.Sort(0);  // descending
        Texts descending(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(Column(0), descending) << c.what;
        list.Sort(0);
        EXPECT_EQ(Column(0), c.ascending) << c.what;
    }
}

TEST_F(ListSort, EqualKeysKeepTheirOrderForATwoLevelSort) {
    Fill(0);
    const char* rows[][2] = {{"b", "1"}, {"a", "2"}, {"c", "1"}, {"d", "2"}};
    for (auto& r : rows) {
        const int i = list.AddRow(r[0], 0, 0, 0);
        list.SetItem(i, 1, r[1]);
    }
    list.Sort(0);
    list.Sort(0);  // by name, ascending
    list.Sort(1);  // by number, descending, names still in order within
    EXPECT_EQ(Column(0), (Texts{"a", "d", "b", "c"}));
}

TEST_F(ListSort, BlobColumnsSortByValueAndTheRowLimitBoundsTheSort) {
    list.AddColumn("Blobs", kColumnBlobs, CListControl::kListPictures[0]);
    for (int v : {2, 5, 1, 9}) list.SetItemValue(list.AddRow(std::to_string(v), 0, 0, 0), 0, v);
    list.m_nRowLimit = 3;
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"5", "2", "1", "9"}));
}

TEST_F(ListSort, NotSortableColumnsKeepTheOrderButSortingEmptiesTheMarks) {
    Fill(3);
    list.m_nMarkedSlotCount = 10;
    list.AddSelected(0);
    list.AddSelected(2);
    list.SetSortable(false);
    list.Redraw();
    Click(HeaderPoint(0));
    EXPECT_EQ(Column(0), (Texts{"r0", "r1", "r2"}));
    EXPECT_EQ(list.GetPressedHeaderColumn(), -1);
    EXPECT_FALSE(Played(12));
    EXPECT_EQ(list.GetSelectedCount(), 2);  // the click does not sort
    list.Sort(0);
    EXPECT_EQ(Column(0), (Texts{"r0", "r1", "r2"}));
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_EQ(spy->Count(kMsgListSorted), 0);
}

TEST_F(ListSort, MarkingBySlotCount) {
    Fill(5);
    list.m_bSelectable = 1;
    list.Redraw();
    // No slots: nothing is marked, but the click selects and notifies.
    list.m_nMarkedSlotCount = 0;
    Click(RowPoint(1));
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(spy->Count(WM_LBUTTONDOWN), 1);

    // One slot: the row clicked is the marked one; again unmarks it.
    list.m_nMarkedSlotCount = 1;
    Click(RowPoint(1));
    Click(RowPoint(3));
    EXPECT_TRUE(list.IsSelected(3));
    EXPECT_FALSE(list.IsSelected(1));
    Click(RowPoint(3));
    EXPECT_EQ(list.GetSelectedCount(), 0);

    // Ten slots: Ctrl adds, a plain click starts again, a marked row leaves.
    list.m_nMarkedSlotCount = 10;
    auto* backend = this->backend;
    Click(RowPoint(0));
    backend->KeyDown(VK_CONTROL);
    RunFor(10);
    ASSERT_LT(Ui::Get().GetKeyState(VK_CONTROL), 0);
    Click(RowPoint(2));
    Click(RowPoint(4));
    EXPECT_EQ(list.GetSelectedCount(), 3);
    Click(RowPoint(2));  // unmarked, the later slot moves down
    EXPECT_EQ(list.GetSelected(0), 0);
    EXPECT_EQ(list.GetSelected(1), 4);
    EXPECT_EQ(list.GetSelected(2), -1);
    backend->KeyUp(VK_CONTROL);
    RunFor(10);
    Click(RowPoint(1));
    EXPECT_EQ(list.GetSelectedCount(), 1);
    EXPECT_TRUE(list.IsSelected(1));
}

TEST_F(ListSort, KeepMarkIgnoresAClickOnTheMarkedRowEntirely) {
    Fill(3);
    list.m_bSelectable = 1;
    list.m_bKeepMark = 1;
    list.Redraw();
    Click(RowPoint(1));
    EXPECT_TRUE(Played(11));
    const size_t seen = spy->notices.size();
    list.ClearSelection();
    Click(RowPoint(1));
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(spy->notices.size(), seen);
    EXPECT_FALSE(Played(11));
}

TEST_F(ListSort, ClickingANonSelectableListTellsNothing) {
    Fill(3);
    list.Redraw();
    Click(RowPoint(1));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_TRUE(spy->notices.empty());
    EXPECT_FALSE(Played(11));
}

}  // namespace
