#pragma once
// Light widgets for pages that compose their picture on surfaces: picture
// buttons, scroll bars and sortable tables are plain records of the page,
// drawn onto a surface and hit-tested by coordinates. The page's mouse,
// key and timer handlers call them and redraw when they report a change.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/surface.h"

class CScreen;

// Sample slots the widgets play.
inline constexpr int kSampleButtonPress = 0;
inline constexpr int kSampleEditConfirmed = 7;
inline constexpr int kSampleRowClick = 11;
inline constexpr int kSampleHeaderClick = 12;
inline constexpr int kSampleScroll = 13;

enum SurfaceButtonFlags : int32_t {
    kSbPicture = 1,       // draw the state picture
    kSbCaption = 2,       // draw the caption
    kSbOverlay = 4,       // draw the overlay picture (and take the size from it)
    kSbNoOffset = 8,      // no one-pixel press offset
    kSbMomentary = 16,    // also hit on release
    kSbToggle = 64,       // a click flips the state; others are left alone
    kSbToggle2 = 128,
    kSbHidden = 256,
    kSbDisabled = 512,    // caption in grey; neither hit nor hovered
};

struct SurfaceRgb {
    uint8_t red = 0, green = 0, blue = 0;
};

struct SurfaceButton {
    int32_t x = 0, y = 0;
    int32_t flags = 0;
    int32_t state = 0;  // 0 released, 1 pressed
    int32_t captionX = 0, captionY = 0;  // from the corner to the caption's centre
    // Pictures are often shared between the buttons of a set.
    std::shared_ptr<platform::gfx::Surface> released, pressed, overlay;
    std::string caption;
    std::string tip;
    SurfaceRgb pressedColour, releasedColour;

    void Init(const std::string& text, int cx, int cy, int pr, int pg, int pb, int rr, int rg, int rb);
    // The rectangle a hit test uses: the overlay's size with flag 4, else
    // the released picture's.
    platform::gfx::Rect HitRect() const;
    bool IsToggle() const { return (flags & (kSbToggle | kSbToggle2)) != 0; }
};

struct SurfaceScrollBar {
    int x = 0, y = 0, width = 0, height = 0;
    int total = 0;  // items
    int page = 0;   // visible items
    uint8_t upPressed = 0, downPressed = 0;
    int position = 0;   // first visible item
    int requested = -1; // -1 none
    int thumb = 0;      // pixels from the top of the track
    uint8_t dragging = 0;
    int grab = 0;

    void Init(int x, int y, int width, int height, int total, int rowHeight);
    // Takes the requested position (kept within the items), then places the thumb.
    void UpdateThumb();
    // The thumb from the position alone.
    void PlaceThumb();
    void Draw(CScreen& page, platform::gfx::Surface* surface);
    // -1 nothing, 0 up arrow, 1 down arrow, 2 page up, 3 page down, 4 thumb.
    int HitTest(int px, int py) const;
    // 1 scrolled, 2 the thumb was taken, 0 nothing.
    int OnClick(int px, int py);
    // 1 when the drag moved the position's thumb.
    int OnDrag(int px, int py);
    int EndDrag();
    // The track the thumb moves in; at 52 pixels or less it has no room.
    int TrackRoom() const { return height - 52; }
    bool Scrolls() const { return total > page; }
};

// The cell colour table: normal colours of cells by index.
inline constexpr std::array<SurfaceRgb, 6> kSurfaceCellColours = {{
    {192, 192, 192}, {142, 255, 159}, {255, 255, 128}, {131, 179, 255}, {255, 205, 132}, {128, 128, 128},
}};
SurfaceRgb SurfaceCellColour(int index);

enum SurfaceAlign : int { kAlignLeft = 0, kAlignRight = 16, kAlignCentre = 32 };

struct SurfaceTableColumn {
    int align = 0;
    uint8_t movement = 0;  // "U" and "D" cells show the movement pictures
    std::string header;
    std::string longHeader;  // the column's tip
    SurfaceRgb colour;
};

struct SurfaceTableCell {
    std::string text;
    SurfaceRgb highlight{255, 0, 0};
    SurfaceRgb normal;
};

struct SurfaceTable {
    static constexpr int kMaxColumns = 16;
    static constexpr int kMaxRows = 40;

    int headerTop = 0;  // the page sets it
    int sortColumn = -1;
    int x = 0;
    int bodyTop = 0;
    int width = 0, height = 0;
    int visibleRows = 0;
    int rowHeight = 1;
    int columnCount = 0;
    int rowCount = 0;
    int clickedColumn = -1;
    uint8_t sortAscending = 1;
    uint8_t sortable = 1;
    uint8_t hideFirstColumn = 0;  // the first column is neither drawn nor printed
    std::array<int, kMaxColumns> columnStart{};  // from the table's left edge
    std::array<SurfaceTableColumn, kMaxColumns> columns;
    std::array<std::array<SurfaceTableCell, kMaxColumns>, kMaxRows> cells;
    std::array<uint8_t, kMaxRows> selected{};

    // Counts beyond the table's storage are cut to it.
    void Init(int x, int y, int width, int height, int columns, int rows, int rowHeight);
    void SetColumn(const std::string& header, const std::string& longHeader, int column, int colourIndex, int align);
    int ColumnEnd(int column) const;
    int ColumnAt(int px) const;  // -1 outside every column
    void Draw(CScreen& page, platform::gfx::Surface* surface, const SurfaceScrollBar& bar);
    // 0 nothing, 1 a row (or a scroll step), 2 the header sorted the table.
    int OnClick(SurfaceScrollBar& bar, int px, int py, int mode, uint32_t keyFlags);
    void SelectColumn(int column);
    // Sorts the rows by the column's texts (numbers by value) and flips the direction.
    void SortByColumn(int column, bool ascending);
    // Grid and texts into a printer canvas whose y axis points up.
    void Print(CScreen& page, platform::gfx::Canvas* dc, platform::gfx::Point origin) const;
    // The statistics page's form: the rows without the header row.
    void PrintStats(CScreen& page, platform::gfx::Canvas* dc, platform::gfx::Point origin) const;

private:
    void PrintRows(CScreen& page, platform::gfx::Canvas* dc, platform::gfx::Point origin, bool withHeader) const;
};

// The page's one edit field over a table cell.
struct SurfaceEditField {
    static constexpr int kMaxText = 16;
    int x = 0, y = 0, width = 0, height = 0;
    uint8_t active = 0;
    int caret = 0;
    SurfaceRgb colour;
    std::string text;
    SurfaceTable* table = nullptr;
    int column = -1, row = -1;
};

// The page's one tool tip, shown after a delay of timer ticks.
struct SurfaceToolTip {
    static constexpr int kShowAt = 18;  // about a second of 55-ms ticks
    static constexpr int kHideAt = 90;  // about five
    std::string candidate;
    int candidateSource = -1;
    std::string text;
    int lastSource = -1;
    int x = 0, y = 0;
    uint8_t shown = 0;
    uint8_t redraw = 0;
    int counter = 0;
    uint8_t suppress = 0;
};

// What a page keeps of its surface widgets besides their records.
struct SurfaceWidgetState {
    int currentButton = -1;
    SurfaceEditField edit;
    SurfaceToolTip tip;
};
