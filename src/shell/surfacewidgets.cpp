// The surface widgets' own records: scroll bars and tables. What needs the
// page (fonts, pictures) goes through the page given to the call.
#include "shell/surfacewidgets.h"

#include <algorithm>
#include <charconv>

#include "platform/trace.h"
#include "shell/screen.h"
#include "shell/soundengine.h"

using platform::gfx::Surface;

SurfaceRgb SurfaceCellColour(int index) {
    if (index < 0 || index >= static_cast<int>(kSurfaceCellColours.size())) index = 0;
    return kSurfaceCellColours[static_cast<size_t>(index)];
}

// --- buttons ---------------------------------------------------------------

void SurfaceButton::Init(const std::string& text, int cx, int cy, int pr, int pg, int pb, int rr, int rg, int rb) {
    caption = text;
    captionX = cx;
    captionY = cy;
    pressedColour = {static_cast<uint8_t>(pr), static_cast<uint8_t>(pg), static_cast<uint8_t>(pb)};
    releasedColour = {static_cast<uint8_t>(rr), static_cast<uint8_t>(rg), static_cast<uint8_t>(rb)};
}

platform::gfx::Rect SurfaceButton::HitRect() const {
    const Surface* s = (flags & kSbOverlay) ? overlay.get() : released.get();
    if (!s) return platform::gfx::Rect::XYWH(x, y, 0, 0);
    return platform::gfx::Rect::XYWH(x, y, s->Width(), s->Height());
}

// --- scroll bars -----------------------------------------------------------

void SurfaceScrollBar::Init(int nx, int ny, int w, int h, int items, int rowHeight) {
    x = nx;
    y = ny;
    width = w;
    height = h;
    total = items;
    page = rowHeight > 0 ? std::min(h / rowHeight, items) : items;
    position = 0;
    requested = -1;
    upPressed = downPressed = dragging = 0;
    thumb = grab = 0;
}

void SurfaceScrollBar::PlaceThumb() {
    // A bar of 52 pixels or less has no track: its thumb stays at the top.
    if (TrackRoom() <= 0 || !Scrolls()) {
        thumb = 0;
        return;
    }
    thumb = TrackRoom() * position / (total - page);
}

void SurfaceScrollBar::UpdateThumb() {
    if (requested != -1) position = std::clamp(requested, 0, std::max(0, total - page));
    PlaceThumb();
}

void SurfaceScrollBar::Draw(CScreen& pageWnd, Surface* surface) {
    if (!Scrolls() || !surface) return;
    if (Surface* up = pageWnd.SharedPicture("gfx\\scroll\\uparrow.bmp"))
        pageWnd.BlitSurfaceKeyedAt(x + upPressed, y + 3 + upPressed, up, surface);
    if (Surface* ball = pageWnd.SharedPicture("gfx\\scroll\\scrollball.bmp"))
        pageWnd.BlitSurfaceKeyedAt(x, y + 18 + thumb, ball, surface);
    if (Surface* down = pageWnd.SharedPicture("gfx\\scroll\\downarrow.bmp"))
        pageWnd.BlitSurfaceKeyedAt(x + downPressed, y + height - 19 + downPressed, down, surface);
}

int SurfaceScrollBar::HitTest(int px, int py) const {
    if (!Scrolls()) return -1;
    if (px < x || px > x + width || py < y + 3 || py > y + height - 6) return -1;
    const int t = py - (y + 3);
    if (t < 15) return 0;
    if (py >= y + height - 6 - 15) return 1;
    const int u = t - 13;
    if (u < thumb) return 2;
    if (u > thumb + 13) return 3;
    return 4;
}

int SurfaceScrollBar::OnClick(int px, int py) {
    const int part = HitTest(px, py);
    switch (part) {
        case 0:
            upPressed = 1;
            if (position >= 1) --position;
            break;
        case 1:
            downPressed = 1;
            if (position < total - page) ++position;
            break;
        case 2: position = std::max(0, position - (page - 1)); break;
        case 3: position = std::min(total - page, position + (page - 1)); break;
        case 4:
            dragging = 1;
            grab = py - thumb - y - 15;
            return 2;
        default: return 0;
    }
    PlaySample(kSampleScroll, 0);
    PlaceThumb();
    return 1;
}

int SurfaceScrollBar::OnDrag(int /*px*/, int py) {
    if (!dragging || !Scrolls() || TrackRoom() <= 0) return 0;
    thumb = std::clamp(py - grab - (y + 3) - 13, 0, TrackRoom());
    position = thumb * (total - page) / TrackRoom();
    return 1;
}

int SurfaceScrollBar::EndDrag() {
    if (dragging && Scrolls()) PlaceThumb();
    upPressed = downPressed = dragging = 0;
    return 0;
}

// --- tables ----------------------------------------------------------------

void SurfaceTable::Init(int nx, int ny, int w, int h, int cols, int rows, int rh) {
    if (cols > kMaxColumns || rows > kMaxRows)
        platform::TraceF("SurfaceTable: %d columns, %d rows cut to %d, %d\n", cols, rows, kMaxColumns, kMaxRows);
    x = nx;
    bodyTop = ny;
    width = w;
    height = h;
    rowHeight = std::max(1, rh);
    columnCount = std::clamp(cols, 0, kMaxColumns);
    rowCount = std::clamp(rows, 0, kMaxRows);
    visibleRows = std::min(h / rowHeight, rowCount);
    for (auto& c : columns) c = SurfaceTableColumn{};
    for (auto& r : cells)
        for (auto& c : r) c = SurfaceTableCell{};
    selected.fill(0);
    columnStart.fill(0);
    clickedColumn = -1;
    sortColumn = -1;
    sortAscending = 1;
    sortable = 1;
    hideFirstColumn = 0;
}

void SurfaceTable::SetColumn(const std::string& header, const std::string& longHeader, int column, int colourIndex,
                             int align) {
    if (column < 0 || column >= kMaxColumns) {
        platform::TraceF("SurfaceTable: no column %d\n", column);
        return;
    }
    SurfaceTableColumn& c = columns[static_cast<size_t>(column)];
    c.header = header;
    c.longHeader = longHeader;
    c.colour = SurfaceCellColour(colourIndex);
    c.align = align;
}

int SurfaceTable::ColumnEnd(int column) const {
    return column + 1 < columnCount ? columnStart[static_cast<size_t>(column + 1)] : width;
}

int SurfaceTable::ColumnAt(int px) const {
    const int rel = px - x;
    for (int c = 0; c < columnCount; ++c)
        if (rel >= columnStart[static_cast<size_t>(c)] && rel < ColumnEnd(c)) return c;
    return -1;
}

namespace {

// Where a text of the column starts and how it is aligned.
struct SurfaceTextPlace {
    int x;
    unsigned align;
};

SurfaceTextPlace PlaceInColumn(int left, int right, int align) {
    if (align & kAlignRight) return {right - 2, platform::gfx::TA_RIGHT};
    if (align & kAlignCentre) return {(left + right) / 2, platform::gfx::TA_CENTER};
    return {left + 2, platform::gfx::TA_LEFT};
}

bool SurfaceNumber(const std::string& s, long long& v) {
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// Cells that both hold whole numbers compare by value, so "9" comes before "10".
int SurfaceCompareCells(const std::string& a, const std::string& b) {
    long long na, nb;
    if (SurfaceNumber(a, na) && SurfaceNumber(b, nb)) return na < nb ? -1 : (na > nb ? 1 : 0);
    return a.compare(b);
}

}  // namespace

void SurfaceTable::Draw(CScreen& pageWnd, Surface* surface, const SurfaceScrollBar& bar) {
    if (!surface) return;
    for (int c = hideFirstColumn ? 1 : 0; c < columnCount; ++c) {
        const int left = x + columnStart[static_cast<size_t>(c)], right = x + ColumnEnd(c);
        const SurfaceTextPlace p = PlaceInColumn(left, right, columns[static_cast<size_t>(c)].align);
        const bool sorted = c == sortColumn;
        pageWnd.DrawClippedText(right - left, 1, p.align, surface, columns[static_cast<size_t>(c)].header, p.x,
                                headerTop, 255, sorted ? 0 : 255, sorted ? 0 : 255);
    }
    for (int r = 0; r < visibleRows; ++r) {
        const int index = bar.position + r;
        if (index < 0 || index >= rowCount) break;
        const int top = bodyTop + r * rowHeight;
        const bool lit = index == bar.requested || selected[static_cast<size_t>(index)];
        for (int c = hideFirstColumn ? 1 : 0; c < columnCount; ++c) {
            const SurfaceTableCell& cell = cells[static_cast<size_t>(index)][static_cast<size_t>(c)];
            const int left = x + columnStart[static_cast<size_t>(c)], right = x + ColumnEnd(c);
            if (columns[static_cast<size_t>(c)].movement && !cell.text.empty() &&
                (cell.text[0] == 'U' || cell.text[0] == 'D')) {
                Surface* pic = pageWnd.SharedPicture(cell.text[0] == 'U' ? "gfx\\listcontrol\\pos_up.bmp"
                                                                         : "gfx\\listcontrol\\pos_down.bmp");
                if (pic)
                    pageWnd.BlitSurfaceKeyedAt((left + right - pic->Width()) / 2,
                                               top + (rowHeight - pic->Height()) / 2, pic, surface);
                continue;
            }
            SurfaceRgb colour = cell.normal;
            if (lit) {
                colour = cell.highlight;
                if (colour.red == 128 || colour.green == 128 || colour.blue == 128) colour = {192, 192, 192};
            }
            const SurfaceTextPlace p = PlaceInColumn(left, right, columns[static_cast<size_t>(c)].align);
            pageWnd.DrawClippedText(right - left, 0, p.align, surface, cell.text, p.x, top, colour.red, colour.green,
                                    colour.blue);
        }
    }
}

int SurfaceTable::OnClick(SurfaceScrollBar& bar, int px, int py, int mode, uint32_t keyFlags) {
    if (px < x || px >= x + width) return 0;
    if (mode != 0) {
        // The strips just outside the body step the list.
        if (py >= bodyTop - 9 && py < bodyTop) {
            if (mode == 2) return 0;
            if (bar.position >= 1) --bar.position;
            bar.PlaceThumb();
            return 1;
        }
        if (py >= bodyTop + height && py < bodyTop + height + 9) {
            if (bar.position < bar.total - bar.page) ++bar.position;
            bar.PlaceThumb();
            return 1;
        }
    }
    if (py >= bodyTop && py < bodyTop + height) {
        const int row = (py - bodyTop) / rowHeight;
        if (row >= visibleRows) return 0;
        const int index = bar.position + row;
        if (index < 0 || index >= rowCount) return 0;  // below the last row: nothing to select
        if (!(keyFlags & 8)) {
            selected.fill(0);
            bar.requested = index;
        }
        if (selected[static_cast<size_t>(index)]) {
            selected[static_cast<size_t>(index)] = 0;
            bar.requested = -1;
            for (int i = 0; i < rowCount; ++i)
                if (selected[static_cast<size_t>(i)]) {
                    bar.requested = i;
                    break;
                }
        } else {
            selected[static_cast<size_t>(index)] = 1;
        }
        clickedColumn = ColumnAt(px);
        if (mode == 0) PlaySample(kSampleRowClick, 0);
        return 1;
    }
    if (py >= headerTop && py < bodyTop && sortable) {
        const int column = ColumnAt(px);
        if (column < 0) return 0;
        if (column != sortColumn) sortAscending = 1;
        sortColumn = column;
        SortByColumn(column, sortAscending != 0);
        bar.requested = -1;
        PlaySample(kSampleHeaderClick, 0);
        return 2;
    }
    return 0;
}

void SurfaceTable::SelectColumn(int column) {
    sortColumn = column;
    sortAscending = 0;
    SortByColumn(column, false);
}

void SurfaceTable::SortByColumn(int column, bool ascending) {
    if (column < 0 || column >= columnCount) return;
    const size_t c = static_cast<size_t>(column);
    for (int pass = 0; pass < rowCount; ++pass) {
        bool swapped = false;
        for (int i = 0; i + 1 < rowCount - pass; ++i) {
            const int cmp = SurfaceCompareCells(cells[static_cast<size_t>(i)][c].text, cells[static_cast<size_t>(i + 1)][c].text);
            if (ascending ? cmp > 0 : cmp < 0) {
                std::swap(cells[static_cast<size_t>(i)], cells[static_cast<size_t>(i + 1)]);
                std::swap(selected[static_cast<size_t>(i)], selected[static_cast<size_t>(i + 1)]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
    sortAscending = ascending ? 0 : 1;
}

void SurfaceTable::PrintRows(CScreen& pageWnd, platform::gfx::Canvas* dc, platform::gfx::Point origin,
                             bool withHeader) const {
    if (!dc) return;
    auto colX = [&](int offset) { return origin.x + static_cast<int>(offset * 3.6); };
    const int right = colX(width);
    const int step = 2 * rowHeight;
    const int firstLine = origin.y - 60;
    const int lines = rowCount + (withHeader ? 1 : 0);
    const int first = hideFirstColumn ? 1 : 0;
    dc->SelectPen(platform::gfx::Pen::Solid(platform::gfx::RGB(0, 0, 0)));
    dc->SetBkMode(platform::gfx::TRANSPARENT);
    dc->SetTextColor(platform::gfx::RGB(0, 0, 0));
    if (platform::gfx::FontRef f = pageWnd.GetPageFont(0)) dc->SelectFont(f);
    // The line above the first row, then one under every row.
    dc->MoveTo(colX(columnStart[static_cast<size_t>(first)]), firstLine + step);
    dc->LineTo(right, firstLine + step);
    for (int line = 0; line < lines; ++line) {
        const int lineY = firstLine - line * step;
        dc->MoveTo(colX(columnStart[static_cast<size_t>(first)]), lineY);
        dc->LineTo(right, lineY);
        const bool header = withHeader && line == 0;
        const int row = withHeader ? line - 1 : line;
        for (int c = first; c < columnCount; ++c) {
            const std::string& text = header ? columns[static_cast<size_t>(c)].header
                                             : cells[static_cast<size_t>(row)][static_cast<size_t>(c)].text;
            const SurfaceTextPlace p = PlaceInColumn(colX(columnStart[static_cast<size_t>(c)]), colX(ColumnEnd(c)),
                                                     columns[static_cast<size_t>(c)].align);
            dc->SetTextAlign(p.align | platform::gfx::TA_BOTTOM);
            dc->TextOut(p.x, lineY + 2, text);
        }
    }
    for (int c = first; c <= columnCount; ++c) {
        const int cx = c < columnCount ? colX(columnStart[static_cast<size_t>(c)]) : right;
        dc->MoveTo(cx, firstLine + step);
        dc->LineTo(cx, firstLine - (lines - 1) * step);
    }
}

void SurfaceTable::Print(CScreen& pageWnd, platform::gfx::Canvas* dc, platform::gfx::Point origin) const {
    PrintRows(pageWnd, dc, origin, true);
}

void SurfaceTable::PrintStats(CScreen& pageWnd, platform::gfx::Canvas* dc, platform::gfx::Point origin) const {
    PrintRows(pageWnd, dc, origin, false);
}
