// The list's columns, rows, cells, row data and emptying.
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "platform/trace.h"

using namespace platform::win;

namespace {

using ListData = uitest::ListTest;

TEST_F(ListData, AFreshListHasNothingAndCheckedReadsAnswerWithATraceLine) {
    EXPECT_EQ(list.GetRowCount(), 0);
    EXPECT_EQ(list.GetColumnCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetTopRow(), 0);
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_EQ(list.m_nMarkedSlotCount, 1);
    EXPECT_EQ(list.m_nRowHeight, 15);
    platform::TraceCapture trace;
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_TRUE(trace.Contains("GetItemData: no row 0"));
    EXPECT_EQ(list.GetItemData2(-1), 0u);
    list.SetRowData1(3, 9);
    list.SetRowData2(3, 9);
    list.SetRowColour(3, 0xFF);
    list.SetColumnText2(2, "tip");
    EXPECT_EQ(list.GetSelected(1), -1);  // beyond the one slot in use
    EXPECT_EQ(trace.Lines().size(), 7u);
    EXPECT_EQ(list.GetItemText(0, 0), nullptr);
    EXPECT_EQ(list.GetColumnHeader(0), nullptr);
    EXPECT_EQ(list.GetColumnWidth(0), -1);
}

TEST_F(ListData, ARowAddedWithoutColumnsIsCountedButHasNoCells) {
    EXPECT_EQ(list.AddRow("lonely", 0, 5, 6), 0);
    EXPECT_EQ(list.GetRowCount(), 1);
    platform::TraceCapture trace;
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_TRUE(trace.Contains("no row 0"));
    EXPECT_FALSE(list.SetItem(0, 0, "x"));
    EXPECT_EQ(list.GetItemText(0, 0), nullptr);
    // A column added later does not invent cells for it, and a sort leaves it.
    list.AddColumn("A", 0);
    EXPECT_EQ(list.GetItemText(0, 0), nullptr);
    list.Sort(0);
    EXPECT_EQ(list.GetRowCount(), 1);
}

TEST_F(ListData, CellsRowDataAndRanges) {
    Fill(3);
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_STREQ(list.GetItemText(1, 1), "r1");  // a new row's text goes to every column
    EXPECT_EQ(list.GetItemData(2), 2u);
    EXPECT_EQ(list.GetCell(2, 0)->rowAtInsertion, 2);

    EXPECT_TRUE(list.SetItem(1, 1, "changed", 1, 10, 11));
    EXPECT_FALSE(list.SetItem(1, 2, "beyond the columns"));
    EXPECT_FALSE(list.SetItem(3, 0, "beyond the rows"));
    EXPECT_FALSE(list.SetItem(-1, 0, "before the rows"));
    EXPECT_STREQ(list.GetItemText(1, 1), "changed");
    EXPECT_EQ(list.GetCell(1, 1)->style, 1);
    EXPECT_TRUE(list.SetItemNumber(0, 1, -42));
    EXPECT_STREQ(list.GetItemText(0, 1), "-42");
    EXPECT_TRUE(list.SetItemFromId(0, 0, 395));
    EXPECT_STREQ(list.GetItemText(0, 0), "G");

    // Row data lives in the column-0 cell, pointer-sized.
    const uintptr_t big = ~uintptr_t{0} - 5;
    list.SetRowData(2, big, 7);
    EXPECT_EQ(list.GetItemData(2), big);
    EXPECT_EQ(list.GetItemData2(2), 7u);
    list.SetRowData2(2, static_cast<uintptr_t>(-1));
    EXPECT_EQ(static_cast<intptr_t>(list.GetItemData2(2)), -1);

    list.SetRowColour(1, 0x123456);
    EXPECT_EQ(list.GetCell(1, 0)->colour, 0x123456u);
    EXPECT_EQ(list.GetCell(1, 1)->colour, 0x123456u);
    EXPECT_TRUE(list.SetItemColour(1, 1, 0x654321));
    EXPECT_FALSE(list.SetItemColour(1, 5, 0));
    EXPECT_EQ(list.GetCell(1, 1)->colour, 0x654321u);

    EXPECT_TRUE(list.SetColumnHeaderId(1, 21));
    EXPECT_STREQ(list.GetColumnHeader(1), "Goalkeeper");
    EXPECT_FALSE(list.SetColumnHeaderId(2, 21));
    EXPECT_FALSE(list.SetColumnWidth(-1, 5));
    EXPECT_FALSE(list.SetColumnColour(2, 5));
    list.SetColumnText2FromString(9, "ignored");
    list.SetColumnText2FromString(0, "The player's name");
}

TEST_F(ListData, InsertRowMovesTheLaterRowsDown) {
    Fill(3);
    EXPECT_EQ(list.InsertRow(1, "new", 0, 99, 0), 1);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"r0", "new", "r1", "r2"}));
    EXPECT_EQ(list.GetItemData(1), 99u);
    EXPECT_EQ(list.InsertRow(-1, "end", 0, 0, 0), 4);
    EXPECT_EQ(list.InsertRow(50, "end2", 0, 0, 0), 5);
    EXPECT_EQ(list.GetRowCount(), 6);
}

TEST_F(ListData, EmptyRowsAndResetKeepTheColumns) {
    Fill(2);
    EXPECT_EQ(list.AddEmptyRows(0), 1);
    EXPECT_EQ(list.GetRowCount(), 2);
    EXPECT_EQ(list.AddEmptyRows(2), 3);
    EXPECT_STREQ(list.GetItemText(3, 1), " ");
    EXPECT_EQ(static_cast<intptr_t>(list.GetItemData2(3)), -1);

    list.SetColumnColour(1, 0x00FF00);
    list.GetCell(0, 0);
    list.Sort(0);  // direction stays descending the first time, then
    list.Sort(0);  // flips to ascending
    list.AddSelected(1);
    list.SetSelection(1);
    list.ResetContent();
    EXPECT_EQ(list.GetRowCount(), 0);
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(list.GetColumnWidth(1), 90);
    EXPECT_EQ(list.GetColumnFormat(1), 0u);
    EXPECT_STREQ(list.GetColumnHeader(1), "Value");
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_FALSE(list.IsEnabled());
    // The default direction is back: refilled, the first sort is descending.
    for (const char* t : {"a", "c", "b"}) list.AddRow(t, 0, 0, 0);
    EXPECT_TRUE(list.IsEnabled());
    list.Sort(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"c", "b", "a"}));

    list.DeleteAllItems(true, true);
    EXPECT_EQ(list.GetColumnCount(), 0);
}

TEST_F(ListData, SelectionAndTopRow) {
    Fill(3);
    EXPECT_TRUE(list.SetSelection(1));
    EXPECT_FALSE(list.SetSelection(1));
    EXPECT_TRUE(list.SetSelection(2));
    EXPECT_EQ(list.GetPreviousSelection(), 1);
    list.ClearSelection();
    EXPECT_EQ(list.GetCurSel(), -1);
    list.SetTopRow(2);
    EXPECT_EQ(list.GetTopRow(), 2);
}

}  // namespace
