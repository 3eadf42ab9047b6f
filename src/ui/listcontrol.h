#pragma once
// The multi-column list. What the widget base and the page need of it
// already lives here: the row and column a press hit, the drag-over flag,
// and clearing the selection when the mouse leaves it. Columns, rows,
// drawing and input come with the list itself, in this class.
#include <cstdint>

#include "ui/xwnd.h"

class CListControl : public CXWnd {
public:
    int GetPointerRow() const { return m_nPointerRow; }
    int GetPointerColumn() const { return m_nPointerColumn; }
    int GetCurSel() const { return m_nCurrentSelection; }
    virtual void SetSelection(int row) { m_nCurrentSelection = row; }
    virtual void ClearSelection() { m_nCurrentSelection = -1; }

    // Set while a drag from the page passes over the list, so it can show
    // where the item would go.
    void SetDragOver(bool on) { m_bDragOver = on ? 1 : 0; }
    bool IsDragOver() const { return m_bDragOver != 0; }

protected:
    int m_nPointerRow = -1;
    int m_nPointerColumn = -1;
    int m_nCurrentSelection = -1;
    uint8_t m_bDragOver = 0;
};
