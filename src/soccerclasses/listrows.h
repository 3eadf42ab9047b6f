#pragma once
// The list-control operations that model code uses to fill a screen's list,
// one row at a time. The widget toolkit's list control implements them;
// tests record them.
#include <cstdint>
#include <string>

class CListRows {
public:
    virtual ~CListRows() = default;
    virtual void ResetContent() = 0;
    // The new row's index.
    virtual int AddRow(const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) = 0;
    // A new row at `row`; the rows from there move down one. A row beyond
    // the end, or a negative one, is appended. The new row's index.
    virtual int InsertRow(int row, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) = 0;
    // False, doing nothing, when the column lies beyond the list's columns.
    virtual bool SetItem(int row, int column, const std::string& text, uint8_t style = 0, uintptr_t data1 = 0,
                         uintptr_t data2 = 0) = 0;
    virtual bool SetItemFromId(int row, int column, unsigned stringId, uint8_t style = 0, uintptr_t data1 = 0,
                               uintptr_t data2 = 0) = 0;
    virtual bool SetItemNumber(int row, int column, int number, uint8_t style = 0, uintptr_t data1 = 0,
                               uintptr_t data2 = 0) = 0;
    // A picture column's cell shows the picture at `path` ("gfx\\...").
    // False, doing nothing, when the row or column lies beyond the list.
    virtual bool SetItemBitmap(int row, int column, const std::string& path, uint8_t style = 0, uintptr_t data1 = 0,
                               uintptr_t data2 = 0) = 0;
    // 0x00BBGGRR.
    virtual void SetRowColour(int row, uint32_t colour) = 0;
    virtual void SetRowData(int row, uintptr_t data1, uintptr_t data2) = 0;
    virtual void SetRowData1(int row, uintptr_t data) = 0;
    virtual void SetRowData2(int row, uintptr_t data) = 0;
    virtual void SetSortable(bool sortable) = 0;
    virtual void Redraw() = 0;
    // How the list lays its rows out (5: rows tall enough for a picture);
    // lists that have only one layout ignore it.
    virtual void SetRowSetting(int /*setting*/) {}
};
