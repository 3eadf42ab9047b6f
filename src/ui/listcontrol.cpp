// The list's columns, rows, cells and row data.
#include "ui/listcontrol.h"

#include <algorithm>

#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/ui.h"
#include "ui/xtooltip.h"

using namespace platform::win;

const char* const CListControl::kListPictures[3] = {"gfx\\temp\\listblobs.bmp", "gfx\\temp\\shirt.bmp",
                                                     "gfx\\temp\\s10trophy.bmp"};

CListControl::CListControl() {
    m_Marked.fill(-1);
    m_RowFont.lf.face = m_HeaderFont.lf.face = "Arial";
}

CListControl::~CListControl() {
    DeleteAllItems(true, false);
    m_nColumnCount = 0;
}

bool CListControl::Create(const Rect& rect, Window* owner, uint32_t id, int barLeft, int barTop, int barHeight,
                          int barWidth, uint32_t listFlags, bool headerHidden, uint8_t /*reserved*/) {
    if (!owner) {
        platform::Trace("CListControl::Create: no owner\n");
        return false;
    }
    if (!Window::Create(owner, rect, WS_CHILD | WS_TABSTOP, id, "List Control")) return false;
    m_pOwner = owner;
    m_ListRect = rect;
    m_dwListFlags = listFlags;
    m_bHeaderHidden = headerHidden ? 1 : 0;
    m_BarRect = Rect::XYWH(barLeft, barTop, barWidth, barHeight);
    m_nArrowWidth = m_nArrowHeight = barWidth;
    m_nTrackLength = barHeight - 2 * barWidth;
    m_UpArrow.Load("gfx\\scroll\\uparrow.bmp");
    m_DownArrow.Load("gfx\\scroll\\downarrow.bmp");
    m_Thumb.Load("gfx\\scroll\\scrollball.bmp");
    m_nThumbPos = m_nArrowHeight;
    Window::Show(true);
    m_pTip = std::make_unique<CXToolTip>();
    m_pTip->Create(this);
    return true;
}

namespace {
void FillLogFont(platform::gfx::LogFont& lf, const std::string& face, bool bold, bool italic, bool underline) {
    lf = {};
    lf.weight = bold ? 700 : 400;
    lf.italic = italic;
    lf.underline = underline;
    lf.face = face.substr(0, 31);
}
}  // namespace

void CListControl::SetRowFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
    FillLogFont(m_RowFont.lf, face, bold, italic, underline);
    m_RowFont.points = points;
    m_RowFont.changed = 1;
}

void CListControl::SetHeaderFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
    FillLogFont(m_HeaderFont.lf, face, bold, italic, underline);
    m_HeaderFont.points = points;
    m_HeaderFont.changed = 1;
    m_bLayoutChanged = 1;
}

void CListControl::Show(bool show) {
    Enable(true);
    Window::Show(show);
    m_bBarShown = show ? 1 : 0;
}

// ---- columns ----

bool CListControl::AddColumn(const std::string& header, uint32_t format, const char* picturePath) {
    auto c = std::make_unique<CListColumn>();
    c->format = c->initialFormat = format;
    c->header = header;
    if (format & (kColumnPicture | kColumnBlobs)) {
        if (!picturePath) {
            platform::Trace("CListControl::AddColumn: a picture column without a picture\n");
        } else {
            c->picture = std::make_unique<CXBitmap>();
            c->picture->Load(picturePath);
            c->pictureWidth = c->picture->GetWidth();
            c->pictureHeight = c->picture->GetHeight();
        }
    }
    m_Columns.push_back(std::move(c));
    ++m_nColumnCount;
    m_bLayoutChanged = 1;
    return true;
}

bool CListControl::SetColumnHeaderId(int col, unsigned stringId) {
    if (!ColumnInRange(col)) return false;
    m_Columns[col]->header = platform::LoadString(stringId);
    return true;
}

const char* CListControl::GetColumnHeader(int col) const {
    return ColumnInRange(col) ? m_Columns[col]->header.c_str() : nullptr;
}

bool CListControl::SetColumnWidth(int col, int width) {
    if (!ColumnInRange(col)) return false;
    m_Columns[col]->width = width;
    m_bLayoutChanged = 1;
    return true;
}

int CListControl::GetColumnWidth(int col) const { return ColumnInRange(col) ? m_Columns[col]->width : -1; }

void CListControl::SetColumnText2(int col, const std::string& text) {
    if (!ColumnInRange(col)) {
        platform::TraceF("CListControl::SetColumnText2: no column %d\n", col);
        return;
    }
    m_Columns[col]->text2 = text;
}

void CListControl::SetColumnText2FromString(int col, const char* text) {
    if (ColumnInRange(col) && text) m_Columns[col]->text2 = text;
}

bool CListControl::SetColumnColour(int col, uint32_t colour) {
    if (!ColumnInRange(col)) return false;
    m_Columns[col]->colour = colour;
    return true;
}

uint32_t CListControl::GetColumnFormat(int col) const { return ColumnInRange(col) ? m_Columns[col]->format : 0; }

// ---- rows and cells ----

CListCell* CListControl::Cell(int row, int col) {
    if (!ColumnInRange(col) || !RowInRange(row)) return nullptr;
    auto& cells = m_Columns[col]->cells;
    // A row counted on a list without columns has no cells in columns added later.
    return static_cast<size_t>(row) < cells.size() ? &cells[row] : nullptr;
}

const CListCell* CListControl::GetCell(int row, int col) const {
    return const_cast<CListControl*>(this)->Cell(row, col);
}

CListCell* CListControl::RowCell0(int row, const char* what) {
    CListCell* c = Cell(row, 0);
    if (!c) platform::TraceF("CListControl::%s: no row %d\n", what, row);
    return c;
}

const CListCell* CListControl::RowCell0(int row, const char* what) const {
    return const_cast<CListControl*>(this)->RowCell0(row, what);
}

void CListControl::AppendRow(int at, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) {
    for (auto& c : m_Columns) {
        CListCell cell;
        cell.text = text;
        cell.style = style;
        cell.data1 = data1;
        cell.data2 = data2;
        cell.rowAtInsertion = at;
        const size_t place = std::min(static_cast<size_t>(at), c->cells.size());
        c->cells.insert(c->cells.begin() + static_cast<std::ptrdiff_t>(place), std::move(cell));
    }
    ++m_nRowCount;
    m_bEmpty = 0;
    m_bLayoutChanged = 1;
    if (IsAlive()) Enable(true);
}

int CListControl::AddRow(const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) {
    const int row = m_nRowCount;
    AppendRow(row, text, style, data1, data2);
    return row;
}

int CListControl::InsertRow(int row, const std::string& text, uint8_t style, uintptr_t data1, uintptr_t data2) {
    if (row < 0 || row > m_nRowCount) row = m_nRowCount;
    AppendRow(row, text, style, data1, data2);
    // Marks and the selection name rows, which moved down one.
    for (auto& m : m_Marked)
        if (m >= row) ++m;
    if (m_nCurrentSelection >= row) ++m_nCurrentSelection;
    return row;
}

int CListControl::AddEmptyRows(int count) {
    for (int i = 0; i < count; ++i) AppendRow(m_nRowCount, " ", 0, 0, static_cast<uintptr_t>(-1));
    return m_nRowCount - 1;
}

bool CListControl::SetItem(int row, int col, const std::string& text, uint8_t style, uintptr_t data1,
                           uintptr_t data2) {
    CListCell* c = Cell(row, col);
    if (!c) return false;
    c->text = text;
    c->style = style;
    c->data1 = data1;
    c->data2 = data2;
    return true;
}

bool CListControl::SetItemFromId(int row, int col, unsigned stringId, uint8_t style, uintptr_t data1,
                                 uintptr_t data2) {
    return SetItem(row, col, platform::LoadString(stringId), style, data1, data2);
}

bool CListControl::SetItemNumber(int row, int col, int number, uint8_t style, uintptr_t data1, uintptr_t data2) {
    return SetItem(row, col, std::to_string(number), style, data1, data2);
}

bool CListControl::SetItemBitmap(int row, int col, const std::string& path, uint8_t style, uintptr_t data1,
                                 uintptr_t data2) {
    CListCell* c = Cell(row, col);
    if (!c) return false;
    if (!(m_Columns[col]->format & kColumnPicture))
        platform::TraceF("CListControl::SetItemBitmap: column %d is no picture column\n", col);
    c->picture = std::make_unique<CXBitmap>();
    c->picture->Load(path);
    c->pictureWidth = c->picture->GetWidth();
    c->pictureHeight = c->picture->GetHeight();
    c->style = style;
    c->data1 = data1;
    c->data2 = data2;
    return true;
}

bool CListControl::SetItemValue(int row, int col, int32_t value) {
    CListCell* c = Cell(row, col);
    if (!c) return false;
    c->value = value;
    return true;
}

const char* CListControl::GetItemText(int row, int col) const {
    const CListCell* c = GetCell(row, col);
    return c ? c->text.c_str() : nullptr;
}

bool CListControl::SetItemColour(int row, int col, uint32_t colour) {
    CListCell* c = Cell(row, col);
    if (!c) return false;
    c->colour = colour;
    return true;
}

void CListControl::SetRowColour(int row, uint32_t colour) {
    if (!RowInRange(row)) {
        platform::TraceF("CListControl::SetRowColour: no row %d\n", row);
        return;
    }
    for (int col = 0; col < static_cast<int>(m_Columns.size()); ++col)
        if (CListCell* c = Cell(row, col)) c->colour = colour;
}

void CListControl::SetRowData(int row, uintptr_t data1, uintptr_t data2) {
    if (CListCell* c = Cell(row, 0)) {
        c->data1 = data1;
        c->data2 = data2;
    }
}

void CListControl::SetRowData1(int row, uintptr_t data) {
    if (CListCell* c = RowCell0(row, "SetRowData1")) c->data1 = data;
}

void CListControl::SetRowData2(int row, uintptr_t data) {
    if (CListCell* c = RowCell0(row, "SetRowData2")) c->data2 = data;
}

uintptr_t CListControl::GetItemData(int row) const {
    const CListCell* c = RowCell0(row, "GetItemData");
    return c ? c->data1 : 0;
}

uintptr_t CListControl::GetItemData2(int row) const {
    const CListCell* c = RowCell0(row, "GetItemData2");
    return c ? c->data2 : 0;
}

// ---- emptying ----

void CListControl::DeleteAllItems(bool deleteColumns, bool resetScroll) {
    for (auto& c : m_Columns) c->cells.clear();
    if (deleteColumns) {
        m_Columns.clear();
        m_nColumnCount = 0;
    }
    m_nRowCount = 0;
    m_nTopRow = 0;
    m_nCurrentSelection = m_nPreviousSelection = -1;
    m_Marked.fill(-1);
    m_nPressedHeader = -1;
    m_nPointerRow = -1;
    m_nDropRow = -1;
    m_bEmpty = 1;
    m_bSameColumnAgain = 0;
    m_bLayoutChanged = 1;
    if (IsAlive()) Enable(false);
    if (resetScroll) ResetScroll();
}

void CListControl::ResetContent() {
    for (auto& c : m_Columns) c->direction = c->defaultDirection;
    DeleteAllItems(false, true);
}

void CListControl::ResetScroll() {
    m_nThumbPos = m_nArrowHeight;
    m_nScrollMin = m_nScrollMax = m_nScrollPos = m_nScrollPage = 0;
    m_dPixelsPerStep = 0;
    m_bLayoutChanged = 1;
    m_bBarShown = 0;
}

// ---- viewing and selection ----

void CListControl::SetTopRow(int row) {
    m_nTopRow = row;
    m_bLayoutChanged = 1;
    if (row < m_nRowCount) m_bBarShown = 0;
    Redraw();
}

bool CListControl::SetSelection(int row) {
    if (row == m_nCurrentSelection) return false;
    m_nPreviousSelection = m_nCurrentSelection;
    m_nCurrentSelection = row;
    Redraw();
    return true;
}

void CListControl::ClearSelection() {
    m_nCurrentSelection = -1;
    Redraw();
}

void CListControl::Redraw() {
    if (m_Columns.empty() || m_nRowCount == 0 || !IsAlive() || !IsShownFlag()) return;
    Paint(true);
}
