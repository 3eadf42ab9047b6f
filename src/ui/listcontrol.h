#pragma once
// The multi-column list nearly every page shows. It draws itself into its
// owner page's work buffer with its own picture scroll bar, sorts on a
// header click, keeps a set of marked rows and tells its page about clicks
// with the point already in page coordinates. Model code fills it through
// the list-row port, keeping a model index in each row's item data.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/font.h"
#include "soccerclasses/listrows.h"
#include "ui/xbitmap.h"
#include "ui/xwnd.h"

namespace platform::gfx {
class Canvas;
}

// Column format bits.
inline constexpr uint32_t kColumnPicture = 0x2;
inline constexpr uint32_t kColumnBlobs = 0x4;
inline constexpr uint32_t kColumnRight = 0x10;
inline constexpr uint32_t kColumnCentre = 0x20;
inline constexpr uint32_t kColumnNumber = 0x40;
inline constexpr uint32_t kColumnDigits = 0x80;
inline constexpr uint32_t kColumnLongDate = 0x100;
inline constexpr uint32_t kColumnRole = 0x200;
inline constexpr uint32_t kColumnShortDate = 0x400;

// List flags.
inline constexpr uint32_t kListNumberRows = 0x2;

// Sent to the owner after every sort: w the control id, l the column.
inline constexpr uint32_t kMsgListSorted = 0x611;

struct CListCell {
    std::string text;
    int32_t value = 0;
    uint32_t colour = 0;
    uint8_t style = 0;  // 1: a fixed row
    int32_t rowAtInsertion = 0;
    int32_t pictureHeight = 0, pictureWidth = 0;
    std::unique_ptr<CXBitmap> picture;
    uintptr_t data1 = 0, data2 = 0;
};

struct CListColumn {
    uint32_t format = 0;
    uint32_t initialFormat = 0;
    std::string header;
    std::string text2;  // the column's tool tip
    int32_t width = 0;
    std::vector<CListCell> cells;
    std::unique_ptr<CXBitmap> picture;
    int32_t pictureWidth = 0, pictureHeight = 0;
    uint32_t colour = 0;  // 0: none
    int32_t direction = 0;  // 1 ascending, 0 descending
    int32_t defaultDirection = 0;
    uint8_t sortable = 1;
};

class CListControl : public CXWnd, public CListRows {
public:
    static constexpr int kMarkSlots = 10;
    static constexpr uint32_t kRepeatTimer = 1;
    static constexpr uint32_t kTipTimer = 2;
    static constexpr uint32_t kTimerMs = 300;
    // The pictures the screen tables name by index for blob and picture columns.
    static const char* const kListPictures[3];

    CListControl();
    ~CListControl() override;

    using platform::win::Window::Create;

    bool Create(const platform::win::Rect& rect, platform::win::Window* owner, uint32_t id, int barLeft,
                int barTop, int barHeight, int barWidth, uint32_t listFlags, bool headerHidden,
                uint8_t reserved = 0);
    void SetRowFont(const std::string& face, int points, bool bold, bool italic, bool underline);
    void SetHeaderFont(const std::string& face, int points, bool bold, bool italic, bool underline);
    // Enables and shows, or hides.
    void Show(bool show);

    // Columns.
    bool AddColumn(const std::string& header, uint32_t format, const char* picturePath = nullptr);
    bool SetColumnHeaderId(int col, unsigned stringId);
    const char* GetColumnHeader(int col) const;
    bool SetColumnWidth(int col, int width);
    int GetColumnWidth(int col) const;
    void SetColumnText2(int col, const std::string& text);
    void SetColumnText2FromString(int col, const char* text);
    bool SetColumnColour(int col, uint32_t colour);
    uint32_t GetColumnFormat(int col) const;
    int GetColumnCount() const { return m_nColumnCount; }
    int GetRowCount() const { return m_nRowCount; }

    // Rows and cells (the model's port).
    void ResetContent() override;
    int AddRow(const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) override;
    int InsertRow(int row, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) override;
    int AddEmptyRows(int count);
    bool SetItem(int row, int col, const std::string& text, uint8_t style = 0, uintptr_t data1 = 0,
                 uintptr_t data2 = 0) override;
    bool SetItemFromId(int row, int col, unsigned stringId, uint8_t style = 0, uintptr_t data1 = 0,
                       uintptr_t data2 = 0) override;
    bool SetItemNumber(int row, int col, int number, uint8_t style = 0, uintptr_t data1 = 0,
                       uintptr_t data2 = 0) override;
    bool SetItemBitmap(int row, int col, const std::string& path, uint8_t style = 0, uintptr_t data1 = 0,
                       uintptr_t data2 = 0) override;
    bool SetItemValue(int row, int col, int32_t value);
    using CXWnd::GetItemText;
    const char* GetItemText(int row, int col) const;
    const CListCell* GetCell(int row, int col) const;
    bool SetItemColour(int row, int col, uint32_t colour);
    void SetRowColour(int row, uint32_t colour) override;
    void SetRowData(int row, uintptr_t data1, uintptr_t data2) override;
    void SetRowData1(int row, uintptr_t data) override;
    void SetRowData2(int row, uintptr_t data) override;
    uintptr_t GetItemData(int row) const;
    uintptr_t GetItemData2(int row) const;
    void SetRowSetting(int setting) override { m_nTextOffset = setting; }

    // Emptying.
    void DeleteAllItems(bool deleteColumns, bool resetScroll);
    void ResetScroll();

    // Viewing and selection.
    void SetTopRow(int row);
    int GetTopRow() const { return m_nTopRow; }
    virtual bool SetSelection(int row);
    virtual void ClearSelection();
    int GetCurSel() const { return m_nCurrentSelection; }
    int GetPreviousSelection() const { return m_nPreviousSelection; }
    void Redraw() override;
    int RowFromPoint(int x, int y) const;
    int ColumnFromPoint(int x, int y, bool headerToo) const;
    bool GetRowRect(int row, platform::win::Rect* rect, bool strict) const;
    bool IsOnScrollBar(int x, int y) const;
    int GetPointerRow() const { return m_nPointerRow; }
    int GetPointerColumn() const { return m_nPointerColumn; }
    int GetPressedHeaderColumn() const { return m_nPressedHeader; }
    int GetDropRow() const { return m_nDropRow; }

    // Sorting and marking.
    void SetSortable(bool sortable) override;
    void Sort(int col);
    int GetSelectedCount() const;
    int GetSelected(int i) const;
    bool IsSelected(int row) const;
    bool AddSelected(int row);
    int ClearSelected();

    // Set while a drag from the page passes over the list, so it can show
    // where the item would go.
    void SetDragOver(bool on) { m_bDragOver = on ? 1 : 0; }
    bool IsDragOver() const { return m_bDragOver != 0; }

    // What painting laid out, for the page and tests.
    bool IsScrollBarShown() const { return m_bBarShown != 0; }
    int GetRowsThatFit() const { return m_nRowsFit; }
    int GetScrollPos() const { return m_nScrollPos; }
    int GetScrollMax() const { return m_nScrollMax; }
    int GetThumbPos() const { return m_nThumbPos; }
    int GetTrackLength() const { return m_nTrackLength; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    platform::win::Rect GetListRect() const { return m_ListRect; }
    platform::win::Rect GetBarRect() const { return m_BarRect; }
    const std::string& GetTipText() const { return m_strTip; }
    bool IsTipShown() const { return m_bTipShown != 0; }
    bool IsButtonDown() const { return m_bButtonDown != 0; }

    // Attributes the pages and the screen-table builder set directly.
    int32_t m_nRowLimit = -1;
    uint8_t m_bSelectable = 0;
    int32_t m_nMarkedSlotCount = 1;
    uint8_t m_bKeepMark = 0;
    int32_t m_nColumnGap = 0;
    int32_t m_nRowHeight = 15;
    int32_t m_nTextOffset = 0;
    uint8_t m_bHoverSelects = 1;
    uint8_t m_bFitText = 0;  // a left-aligned text too long for its cell is drawn ending with "."
    int32_t m_nDragColumn = 0;
    uint32_t m_crSelected = 0xFFFFFF;
    uint32_t m_crHeader = 0xFFFFFF;
    uint32_t m_crMarked = 0x0000FF;

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnTimer(uint32_t id) override;
    void OnSetFocus(platform::win::Window* old) override;
    void OnKillFocus(platform::win::Window* next) override;
    void OnCaptureChanged(platform::win::Window* next) override;
    void OnScroll(bool vertical, uint32_t code, int pos, platform::win::Window* bar) override;
    void OnDestroy() override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

    int m_nPointerRow = -1;
    int m_nPointerColumn = -1;
    int m_nCurrentSelection = -1;
    uint8_t m_bDragOver = 0;

private:
    struct FontSlot {
        platform::gfx::LogFont lf;
        int points = 8;
        platform::gfx::FontRef font;
        uint8_t changed = 1;
    };
    bool RowInRange(int row) const { return row >= 0 && row < m_nRowCount; }
    bool ColumnInRange(int col) const { return col >= 0 && col < static_cast<int>(m_Columns.size()); }
    CListCell* Cell(int row, int col);
    CListCell* RowCell0(int row, const char* what);
    const CListCell* RowCell0(int row, const char* what) const;
    void AppendRow(int at, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2);
    int ShownRows() const;
    platform::win::Point ClientOrigin() const { return {m_ListRect.left, m_ListRect.top + 1}; }
    int ClientHeight() const { return m_ListRect.Height() - 1; }
    int ClientWidth() const { return m_ListRect.Width() - 1; }
    platform::win::Point ToOwner(uint32_t flags, platform::win::Point pt) const;
    void SendToOwner(uint32_t msg, platform::win::Point ownerPt);
    bool InHeaderStrip(platform::win::Point ownerPt) const;
    platform::win::Rect RowsArea() const;

    // Drawing.
    void MakeFonts();
    void LayOut();
    void Draw(platform::gfx::Canvas& dc, bool invalidate);
    void DrawHeader(platform::gfx::Canvas& dc);
    void DrawRow(platform::gfx::Canvas& dc, int row, platform::win::Point shift = {0, 0});
    void DrawBar(platform::gfx::Canvas& dc);
    void Paint(bool invalidate);

    // Scrolling.
    int ThumbFor(int position) const;
    int TrackEnd() const { return m_BarRect.Height() - 2 * m_nArrowHeight; }
    void BarButtonDown(platform::win::Point ownerPt);
    void LineUp();
    void LineDown();
    void ThumbDrag(platform::win::Point ownerPt);
    void OnVScroll(uint32_t code, int position);
    void Unlock();

    // Sorting and marking.
    void MarkOnClick(int row, bool* ignored);

    // Tips.
    void HideTip();

    platform::win::Window* m_pOwner = nullptr;
    uint32_t m_dwListFlags = 0;
    uint8_t m_bEmpty = 1;
    int32_t m_nColumnCount = 0;
    int32_t m_nRowCount = 0;
    std::vector<std::unique_ptr<CListColumn>> m_Columns;
    int32_t m_nTopRow = 0;
    int32_t m_nPreviousSelection = -1;
    int32_t m_nPressedHeader = -1;
    std::array<int32_t, kMarkSlots> m_Marked;
    int32_t m_nDropRow = -1;
    platform::win::Rect m_ListRect, m_RowsRect, m_BarRect;
    FontSlot m_RowFont, m_HeaderFont;
    int32_t m_nHeaderHeight = 15;
    uint8_t m_bHeaderHidden = 0;
    int32_t m_nLastSorted = -1;
    uint8_t m_bSameColumnAgain = 0;
    int32_t m_nRowsFit = 0;
    uint8_t m_bBarShown = 0;
    uint8_t m_bRightDown = 0;
    uint8_t m_bLayoutChanged = 1;

    // The scroll bar.
    CXBitmap m_UpArrow, m_DownArrow, m_Thumb;
    uint8_t m_bUpPressed = 0, m_bDownPressed = 0;
    int32_t m_nArrowWidth = 0, m_nArrowHeight = 0, m_nTrackLength = 0;
    int32_t m_nScrollMin = 0, m_nScrollMax = 0, m_nScrollPos = 0, m_nScrollPage = 0;
    int32_t m_nThumbPos = 0;
    double m_dPixelsPerStep = 0;
    uint8_t m_bThumbDragging = 0;
    int32_t m_nDragLastY = 0;
    uint8_t m_bButtonDown = 0;
    uint8_t m_bRepeatRunning = 0;

    // The column tip.
    std::unique_ptr<CXToolTip> m_pTip;
    std::string m_strTip;
    platform::win::Point m_TipPoint{-1, -1};
    int32_t m_nTipColumn = -1;
    uint8_t m_bTipShown = 0;
    uint8_t m_bTipTimer = 0;
    platform::win::Point m_LastMouse{-100000, -100000};
};
