// The surface widgets on a page: buttons pressed, released, toggled and
// drawn; scroll bars stepped and dragged; tables sorted, selected, edited,
// drawn and printed; the delayed tool tip.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "page_fixture.h"
#include "platform/gfx/pixelformat.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "platform/window/print.h"
#include "shell/archive.h"
#include "shell/soundengine.h"

namespace widgettest {
namespace {

using platform::gfx::MakePixel;
using platform::gfx::Pixel;
using platform::gfx::Rect;
using platform::gfx::Surface;

class SurfaceWidgetTest : public pagetest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_EQ(StartDirectSound(), 0);
        for (int i = 0; i < 20; ++i)
            LoadSample(i, (std::string("SND\\GEN\\") + kInterfaceSampleNames[i] + ".wav").c_str());
        MakePage();
        page->CreateFonts(&canvas);
        canvas.FillRect(canvas.Bounds(), kGround);
    }
    void TearDown() override {
        EndDirectSound();
        FreeArchiveIndexes();
        PageFixture::TearDown();
    }
    bool Played(int slot) {
        const SampleRecord* s = GetSample(slot);
        const bool was = s && s->playing;
        StopSample(slot);
        return was;
    }
    void ForgetSounds() {
        for (int i = 0; i < 20; ++i) StopSample(i);
    }
    int Count(const Surface& s, Rect r, const std::function<bool(Pixel)>& pick) {
        int n = 0;
        for (int y = std::max(0, r.top); y < std::min(s.Height(), r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(s.Width(), r.right); ++x) n += pick(s.Get(x, y));
        return n;
    }
    int CountColour(Rect r, Pixel p) { return Count(canvas, r, [p](Pixel q) { return q == p; }); }
    static std::shared_ptr<Surface> Solid(int w, int h, Pixel p) {
        auto s = std::make_shared<Surface>(w, h);
        s->FillRect(s->Bounds(), p);
        return s;
    }
    // Three 20 x 10 buttons side by side.
    void MakeButtons(int flags) {
        for (int i = 0; i < 3; ++i) {
            buttons[i] = SurfaceButton{};
            buttons[i].x = 10 + 30 * i;
            buttons[i].y = 10;
            buttons[i].flags = flags;
            buttons[i].released = Solid(20, 10, kRed);
            buttons[i].pressed = Solid(20, 10, kBlue);
            buttons[i].tip = "tip " + std::to_string(i);
        }
    }

    static constexpr Pixel kGround = MakePixel(10, 40, 10);
    static constexpr Pixel kRed = MakePixel(200, 0, 0);
    static constexpr Pixel kBlue = MakePixel(0, 0, 200);
    Surface canvas{400, 300};
    SurfaceButton buttons[3];
};

TEST_F(SurfaceWidgetTest, APressMovedOntoAnotherButtonReportsNoButton) {
    MakeButtons(kSbPicture | kSbMomentary);
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 15, 15, false), 0);
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 45, 15, true), -1);
    EXPECT_EQ(page->GetCurrentSurfaceButton(), -2);
    page->ReleaseSurfaceButtons(buttons, 3);
    EXPECT_EQ(page->GetCurrentSurfaceButton(), -1);
    EXPECT_EQ(buttons[0].state, 0);
}

TEST_F(SurfaceWidgetTest, HitTestsSkipHiddenAndDisabledButtonsAndToggleOrReleaseTheRest) {
    MakeButtons(kSbPicture);
    buttons[1].flags |= kSbHidden;
    buttons[2].flags |= kSbDisabled;
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 45, 15, false), -1);
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 75, 15, false), -1);
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 5, 5, false), -1);
    EXPECT_FALSE(Played(kSampleButtonPress));
    EXPECT_EQ(page->HoverSurfaceButtons(buttons, 3, 75, 15, 100), 0);
    // Only a momentary button answers a release.
    ForgetSounds();
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 15, 15, true), -1);
    buttons[0].flags |= kSbMomentary;
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 15, 15, true), 0);
    EXPECT_EQ(buttons[0].state, 1);
    EXPECT_TRUE(Played(kSampleButtonPress));
    page->ReleaseSurfaceButtons(buttons, 3);
    // A press releases the other plain buttons and leaves toggles alone.
    MakeButtons(kSbPicture);
    buttons[2].flags |= kSbToggle2;
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 75, 15, false), 2);
    EXPECT_EQ(buttons[2].state, 1);
    page->ClearCurrentSurfaceButton();
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 15, 15, false), 0);
    page->ClearCurrentSurfaceButton();
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 45, 15, false), 1);
    EXPECT_EQ(buttons[0].state, 0);
    EXPECT_EQ(buttons[1].state, 1);
    EXPECT_EQ(buttons[2].state, 1);
    page->ClearCurrentSurfaceButton();
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 75, 15, false), 2);
    EXPECT_EQ(buttons[2].state, 0);  // flipped back
    page->ReleaseSurfaceButtons(buttons, 3);
    EXPECT_EQ(buttons[1].state, 0);
    // The hover names the button's tip with its source id.
    EXPECT_EQ(page->HoverSurfaceButtons(buttons, 3, 45, 15, 100), 1);
    EXPECT_EQ(page->SurfaceWidgets().tip.candidate, "tip 1");
    EXPECT_EQ(page->SurfaceWidgets().tip.candidateSource, 101);
}

TEST_F(SurfaceWidgetTest, ButtonsDrawTheirStatePictureCaptionAndOverlay) {
    MakeButtons(kSbPicture);
    buttons[0].state = 1;                          // pressed: one pixel right and down
    buttons[1].state = 1;
    buttons[1].flags |= kSbNoOffset;               // pressed, no offset
    buttons[2].flags |= kSbHidden;
    page->DrawSurfaceButtons(&canvas, buttons, 3);
    EXPECT_EQ(canvas.Get(10, 10), kGround);
    EXPECT_EQ(canvas.Get(11, 11), kBlue);
    EXPECT_EQ(canvas.Get(30, 20), kBlue);
    EXPECT_EQ(canvas.Get(40, 10), kBlue);
    EXPECT_EQ(CountColour(Rect{70, 10, 90, 20}, kRed), 0);
    // Captions in their colours, grey when disabled; the overlay on top.
    canvas.FillRect(canvas.Bounds(), kGround);
    MakeButtons(kSbCaption | kSbOverlay);
    for (SurfaceButton& b : buttons) {
        b.Init("Proceed", 40, 15, 255, 255, 0, 0, 255, 255);
        b.overlay = Solid(4, 4, kRed);
        b.x = 10;
    }
    buttons[0].y = 10;
    buttons[1].y = 60;
    buttons[1].state = 1;
    buttons[2].y = 110;
    buttons[2].flags |= kSbDisabled;
    page->DrawSurfaceButtons(&canvas, buttons, 3);
    EXPECT_GT(CountColour(Rect{10, 10, 110, 45}, MakePixel(0, 255, 255)), 10);
    EXPECT_GT(CountColour(Rect{10, 60, 110, 95}, MakePixel(255, 255, 0)), 10);
    EXPECT_GT(CountColour(Rect{10, 110, 110, 145}, MakePixel(128, 128, 128)), 10);
    EXPECT_EQ(CountColour(Rect{10, 110, 110, 145}, MakePixel(0, 255, 255)), 0);
    EXPECT_EQ(canvas.Get(10, 10), kRed);
    EXPECT_EQ(canvas.Get(11, 61), kRed);
    // The hit rectangle is the overlay's with flag 4.
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 13, 13, false), 0);
    page->ClearCurrentSurfaceButton();
    EXPECT_EQ(page->HitTestSurfaceButtons(buttons, 3, 15, 13, false), -1);
}

TEST_F(SurfaceWidgetTest, ScrollBarsThatDoNotScrollAnswerNothingAndDrawNothing) {
    SurfaceScrollBar bar;
    bar.Init(300, 20, 16, 200, 10, 20);  // ten rows, ten fit
    EXPECT_EQ(bar.page, 10);
    for (int y = 0; y < 240; y += 3) ASSERT_EQ(bar.HitTest(305, y), -1) << y;
    EXPECT_EQ(bar.OnClick(305, 25), 0);
    bar.Draw(*page, &canvas);
    EXPECT_EQ(CountColour(canvas.Bounds(), kGround), canvas.Width() * canvas.Height());
    // The same bar with more items draws its arrows and thumb.
    bar.Init(300, 20, 16, 200, 30, 20);
    bar.Draw(*page, &canvas);
    EXPECT_GT(canvas.Width() * canvas.Height() - CountColour(Rect{300, 20, 316, 220}, kGround), 0);
}

TEST_F(SurfaceWidgetTest, ThumbPositionsDragsAndSteps) {
    SurfaceScrollBar bar;
    bar.Init(300, 20, 16, 200, 100, 20);
    EXPECT_EQ(bar.page, 10);
    bar.requested = 90;
    bar.UpdateThumb();
    EXPECT_EQ(bar.position, 90);
    EXPECT_EQ(bar.thumb, 148);  // the bottom of the track
    bar.requested = 500;
    bar.UpdateThumb();
    EXPECT_EQ(bar.position, 90);
    // Take the thumb and drag it above the track, then below it.
    bar.requested = 45;
    bar.UpdateThumb();
    const int thumbY = 20 + 3 + 13 + bar.thumb + 5;
    ASSERT_EQ(bar.HitTest(305, thumbY), 4);
    EXPECT_EQ(bar.OnClick(305, thumbY), 2);
    EXPECT_EQ(bar.OnDrag(305, -100), 1);
    EXPECT_EQ(bar.position, 0);
    EXPECT_EQ(bar.OnDrag(305, 900), 1);
    EXPECT_EQ(bar.position, 90);
    EXPECT_EQ(bar.EndDrag(), 0);
    EXPECT_EQ(bar.OnDrag(305, 100), 0);  // no longer dragging
    // Arrows step by one, the track by a page less one; each plays sample 13.
    struct Step {
        int y;
        int from, to;
    };
    const Step steps[] = {{25, 5, 4}, {25, 0, 0}, {210, 5, 6}, {210, 90, 90}, {150, 5, 14}, {195, 85, 90}, {60, 20, 11}, {40, 5, 0}};
    for (const Step& s : steps) {
        bar.position = s.from;
        bar.PlaceThumb();
        ForgetSounds();
        EXPECT_EQ(bar.OnClick(305, s.y), 1) << s.y << " from " << s.from;
        EXPECT_EQ(bar.position, s.to) << s.y << " from " << s.from;
        EXPECT_EQ(bar.thumb, 148 * s.to / 90);
        EXPECT_TRUE(Played(kSampleScroll));
        bar.EndDrag();
    }
}

TEST_F(SurfaceWidgetTest, ABarWithoutATrackKeepsItsThumbAtTheTop) {
    for (int height : {52, 40}) {
        SurfaceScrollBar bar;
        bar.Init(300, 20, 16, height, 100, 2);
        bar.requested = 10;
        bar.UpdateThumb();
        EXPECT_EQ(bar.thumb, 0);
        bar.dragging = 1;
        const int before = bar.position;
        EXPECT_EQ(bar.OnDrag(305, 60), 0);
        EXPECT_EQ(bar.position, before);
        EXPECT_EQ(bar.thumb, 0);
    }
}

class SurfaceTableTest : public SurfaceWidgetTest {
protected:
    void SetUp() override {
        SurfaceWidgetTest::SetUp();
        table.Init(20, 40, 300, 200, 3, 5, 20);
        table.headerTop = 20;
        table.columnStart = {0, 40, 200};
        table.SetColumn("No.", "Shirt number", 0, 0, kAlignRight);
        table.SetColumn("Name", "Players name", 1, 0, kAlignLeft);
        table.SetColumn("%", "Rating", 2, 0, kAlignCentre);
        const char* names[] = {"Okafor", "Berg", "Santos", "Lund", "Adeyemi"};
        const char* numbers[] = {"9", "10", "1", "23", "4"};
        for (int r = 0; r < 5; ++r) {
            page->SetSurfaceTableCell(table, 0, r, numbers[r], 1);
            page->SetSurfaceTableCell(table, 1, r, names[r], 2);
            page->SetSurfaceTableCell(table, 2, r, std::to_string(50 + r), 3);
        }
        bar.Init(320, 40, 16, 200, 5, 20);
    }
    std::string Column(int c) {
        std::string s;
        for (int r = 0; r < table.rowCount; ++r) s += table.cells[static_cast<size_t>(r)][static_cast<size_t>(c)].text + ",";
        return s;
    }
    SurfaceTable table;
    SurfaceScrollBar bar;
};

TEST_F(SurfaceTableTest, AHeaderClickedTwiceSortsOneWayThenTheOther) {
    ForgetSounds();
    EXPECT_EQ(table.OnClick(bar, 100, 25, 0, 0), 2);
    EXPECT_TRUE(Played(kSampleHeaderClick));
    EXPECT_EQ(Column(1), "Adeyemi,Berg,Lund,Okafor,Santos,");
    EXPECT_EQ(Column(0), "4,10,23,9,1,");  // whole rows move
    EXPECT_EQ(table.OnClick(bar, 100, 25, 0, 0), 2);
    EXPECT_EQ(Column(1), "Santos,Okafor,Lund,Berg,Adeyemi,");
    // Another column starts ascending again; numbers go by value.
    EXPECT_EQ(table.OnClick(bar, 30, 25, 0, 0), 2);
    EXPECT_EQ(table.sortColumn, 0);
    EXPECT_EQ(Column(0), "1,4,9,10,23,");
    table.SelectColumn(2);
    EXPECT_EQ(Column(2), "54,53,52,51,50,");
    // An unsortable table ignores its header.
    table.sortable = 0;
    EXPECT_EQ(table.OnClick(bar, 100, 25, 0, 0), 0);
}

TEST_F(SurfaceTableTest, RowClicksSelectWithAndWithoutTheMultiSelectKey) {
    ForgetSounds();
    EXPECT_EQ(table.OnClick(bar, 100, 65, 0, 0), 1);  // row 1
    EXPECT_TRUE(Played(kSampleRowClick));
    EXPECT_EQ(table.selected[1], 1);
    EXPECT_EQ(bar.requested, 1);
    EXPECT_EQ(table.clickedColumn, 1);
    EXPECT_EQ(table.OnClick(bar, 250, 105, 0, 8), 1);  // row 3, added
    EXPECT_EQ(table.selected[1] + table.selected[3], 2);
    EXPECT_EQ(table.clickedColumn, 2);
    EXPECT_EQ(table.OnClick(bar, 250, 65, 0, 8), 1);  // row 1 again: deselected
    EXPECT_EQ(table.selected[1], 0);
    EXPECT_EQ(bar.requested, 3);  // the first still selected
    EXPECT_EQ(table.OnClick(bar, 100, 125, 0, 0), 1);  // row 4 alone
    EXPECT_EQ(table.selected[3], 0);
    EXPECT_EQ(table.selected[4], 1);
    // Below the last row, and outside the table: nothing.
    EXPECT_EQ(table.OnClick(bar, 100, 145, 0, 0), 0);
    EXPECT_EQ(table.OnClick(bar, 10, 65, 0, 0), 0);
    EXPECT_EQ(table.selected[4], 1);
    // With a mode given, a row click is silent.
    ForgetSounds();
    EXPECT_EQ(table.OnClick(bar, 100, 45, 1, 0), 1);
    EXPECT_FALSE(Played(kSampleRowClick));
}

TEST_F(SurfaceTableTest, TheStripsAboveAndBelowTheBodyStepTheList) {
    table.Init(20, 40, 300, 60, 3, 10, 20);  // three rows show of ten
    bar.Init(320, 40, 16, 60, 10, 20);
    bar.position = 4;
    EXPECT_EQ(table.OnClick(bar, 100, 35, 1, 0), 1);
    EXPECT_EQ(bar.position, 3);
    EXPECT_EQ(table.OnClick(bar, 100, 35, 2, 0), 0);  // mode 2 refuses the step up
    EXPECT_EQ(bar.position, 3);
    EXPECT_EQ(table.OnClick(bar, 100, 104, 2, 0), 1);
    EXPECT_EQ(bar.position, 4);
    bar.position = 7;
    EXPECT_EQ(table.OnClick(bar, 100, 104, 1, 0), 1);
    EXPECT_EQ(bar.position, 7);  // already at the end
    // Without a mode the strips are not part of the body.
    EXPECT_EQ(table.OnClick(bar, 100, 104, 0, 0), 0);
    // A row seen through the scroll position.
    EXPECT_EQ(table.OnClick(bar, 100, 45, 0, 0), 1);
    EXPECT_EQ(table.selected[7], 1);
}

TEST_F(SurfaceTableTest, SixteenColumnsAllDrawAndSortAndMoreAreCut) {
    platform::TraceCapture trace;
    SurfaceTable wide;
    wide.Init(0, 20, 390, 100, 17, 41, 20);
    EXPECT_EQ(wide.columnCount, 16);
    EXPECT_EQ(wide.rowCount, 40);
    EXPECT_TRUE(trace.Contains("cut"));
    wide.Init(0, 20, 390, 100, 17, 3, 20);
    for (int c = 0; c < 16; ++c) {
        wide.columnStart[static_cast<size_t>(c)] = c * 24;
        wide.SetColumn("H", "", c, 0, kAlignLeft);
        for (int r = 0; r < 3; ++r) page->SetSurfaceTableCell(wide, c, r, std::string(1, static_cast<char>('C' - r)), 1);
    }
    page->SetSurfaceTableCell(wide, 16, 0, "X", 0);  // no 17th column
    page->SetSurfaceTableCell(wide, 0, 40, "X", 0);  // no 41st row
    EXPECT_TRUE(trace.Contains("no cell at column 16"));
    EXPECT_TRUE(trace.Contains("no cell at column 0, row 40"));
    wide.SortByColumn(15, true);
    EXPECT_EQ(wide.cells[0][15].text, "A");
    EXPECT_EQ(wide.cells[0][0].text, "A");
    SurfaceScrollBar b;
    b.Init(390, 20, 10, 100, 40, 20);
    wide.headerTop = 0;
    wide.Draw(*page, &canvas, b);
    const SurfaceRgb green = SurfaceCellColour(1);
    for (int c = 0; c < 16; ++c) {
        EXPECT_GT(CountColour(Rect{c * 24, 20, c * 24 + 24, 40}, MakePixel(green.red, green.green, green.blue)), 3) << c;
        EXPECT_GT(CountColour(Rect{c * 24, 0, c * 24 + 24, 20}, MakePixel(255, 255, 255)), 3) << c;
    }
}

TEST_F(SurfaceTableTest, DrawingColoursHeadersRowsAndMovementCells) {
    table.sortColumn = 1;
    table.columns[2].movement = 1;
    page->SetSurfaceTableCell(table, 2, 0, "Up", 3);
    page->SetSurfaceTableCell(table, 2, 1, "D", 3);
    table.selected[2] = 1;
    table.cells[3][1].highlight = {128, 0, 0};  // a highlight with a 128 shows silver
    table.selected[3] = 1;
    table.Draw(*page, &canvas, bar);
    auto has = [&](Rect r, SurfaceRgb c) { return CountColour(r, MakePixel(c.red, c.green, c.blue)) > 3; };
    EXPECT_TRUE(has(Rect{60, 20, 220, 40}, {255, 0, 0}));        // the sort column's header in red
    EXPECT_TRUE(has(Rect{20, 20, 60, 40}, {255, 255, 255}));     // the others white
    EXPECT_TRUE(has(Rect{20, 40, 60, 60}, SurfaceCellColour(1)));  // normal cells
    EXPECT_TRUE(has(Rect{60, 80, 220, 100}, {255, 0, 0}));       // a selected row in its highlight
    EXPECT_FALSE(has(Rect{60, 80, 220, 100}, SurfaceCellColour(2)));
    EXPECT_TRUE(has(Rect{60, 100, 220, 120}, {192, 192, 192}));  // silver
    // Right alignment: the number ends near the column's end, not at its start.
    EXPECT_EQ(CountColour(Rect{20, 40, 35, 60}, MakePixel(142, 255, 159)), 0);
    // Movement cells show their pictures, not their texts.
    const SurfaceRgb blue = SurfaceCellColour(3);
    EXPECT_FALSE(has(Rect{220, 40, 320, 80}, blue));
    EXPECT_GT(40 * 100 - CountColour(Rect{220, 40, 320, 80}, kGround), 20);
    EXPECT_TRUE(has(Rect{220, 120, 320, 140}, blue));
    // The first column left out.
    canvas.FillRect(canvas.Bounds(), kGround);
    table.hideFirstColumn = 1;
    table.Draw(*page, &canvas, bar);
    EXPECT_EQ(CountColour(Rect{20, 20, 60, 140}, kGround), 40 * 120);
}

TEST_F(SurfaceTableTest, TheEditFieldTakesKeysWithinSixteenCharactersAndReturnFillsTheCell) {
    using namespace platform::win;
    page->SetSurfaceTableCell(table, 1, 2, "Santos", 2);
    ForgetSounds();
    page->BeginSurfaceTableEdit(table, bar, 1, 2);
    const SurfaceEditField& e = page->SurfaceWidgets().edit;
    EXPECT_TRUE(Played(kSampleScroll));
    EXPECT_TRUE(e.active);
    EXPECT_EQ(e.text, "Santos");
    EXPECT_EQ(table.cells[2][1].text, "");
    EXPECT_EQ(e.x, 60);
    EXPECT_EQ(e.y, 80);
    EXPECT_EQ(e.width, 160);
    page->OnSurfaceEditKey(VK_END, 1, 0, false);
    for (char ch : std::string(" Silva")) page->OnSurfaceEditKey(static_cast<uint8_t>(ch), 1, 0, true);
    EXPECT_EQ(e.text, "Santos Silva");
    page->OnSurfaceEditKey(VK_HOME, 1, 0, false);
    page->OnSurfaceEditKey(VK_DELETE, 1, 0, false);
    page->OnSurfaceEditKey(VK_RIGHT, 1, 0, false);
    page->OnSurfaceEditKey(VK_BACK, 1, 0, false);
    page->OnSurfaceEditKey(VK_SPACE, 1, 0, false);
    EXPECT_EQ(e.text, " ntos Silva");
    EXPECT_FALSE(page->OnSurfaceEditKey(VK_F1, 1, 0, false));
    EXPECT_FALSE(page->OnSurfaceEditKey(7, 1, 0, true));
    // Sixteen characters and no more, at the end or at the start.
    for (char ch : std::string("abcdefgh")) page->OnSurfaceEditKey(static_cast<uint8_t>(ch), 1, 0, true);
    EXPECT_EQ(e.text.size(), 16u);
    page->OnSurfaceEditKey(VK_END, 1, 0, false);
    EXPECT_EQ(e.caret, 16);
    page->OnSurfaceEditKey('z', 1, 0, true);
    page->OnSurfaceEditKey(VK_HOME, 1, 0, false);
    page->OnSurfaceEditKey('z', 1, 0, true);
    page->OnSurfaceEditKey(VK_SPACE, 1, 0, false);
    EXPECT_EQ(e.text, " abcdentos Silva");
    page->OnSurfaceEditKey(VK_RIGHT, 1, 0, false);
    EXPECT_EQ(e.caret, 1);
    // Drawn with its caret, then Return puts the text in the cell.
    page->DrawSurfaceEdit(&canvas);
    EXPECT_GT(CountColour(Rect{60, 80, 220, 102}, MakePixel(255, 255, 0)), 30);
    ForgetSounds();
    EXPECT_TRUE(page->OnSurfaceEditKey(VK_RETURN, 1, 0, false));
    EXPECT_TRUE(Played(kSampleEditConfirmed));
    EXPECT_EQ(table.cells[2][1].text, " abcdentos Silva");
    EXPECT_FALSE(e.active);
    EXPECT_FALSE(page->OnSurfaceEditKey('q', 1, 0, true));
}

TEST_F(SurfaceTableTest, TheHeaderTipAndTheDelayedToolTip) {
    EXPECT_EQ(page->TrackSurfaceTableHeaderTip(table, 100, 25, 500), 1);
    EXPECT_EQ(page->SurfaceWidgets().tip.candidate, "Players name");
    EXPECT_EQ(page->SurfaceWidgets().tip.candidateSource, 501);
    EXPECT_EQ(page->TrackSurfaceTableHeaderTip(table, 100, 65, 500), 0);  // the body
    page->TrackToolTip(380, 285);
    const SurfaceToolTip& tip = page->SurfaceWidgets().tip;
    EXPECT_EQ(tip.counter, 1);
    int ticks = 0;
    while (!tip.shown && ticks < 200) {
        const int redraw = page->StepToolTip();
        EXPECT_EQ(redraw, tip.shown ? 1 : 0);
        ++ticks;
    }
    EXPECT_EQ(ticks, 17);  // count 18
    EXPECT_EQ(tip.counter, 18);
    // Moving over the same column keeps the tip where it is.
    page->TrackSurfaceTableHeaderTip(table, 110, 25, 500);
    page->TrackToolTip(10, 10);
    EXPECT_EQ(tip.x, 380);
    page->DrawToolTip(&canvas);
    // Kept inside the surface: a black frame, light yellow inside, black text.
    EXPECT_EQ(canvas.Get(398, 298), MakePixel(0, 0, 0));
    EXPECT_EQ(canvas.Get(399, 299), kGround);
    EXPECT_GT(CountColour(Rect{300, 250, 399, 299}, MakePixel(255, 255, 223)), 100);
    EXPECT_GT(CountColour(Rect{300, 250, 397, 297}, MakePixel(0, 0, 0)), 30);
    while (tip.shown && ticks < 200) {
        page->StepToolTip();
        ++ticks;
    }
    EXPECT_EQ(tip.counter, 90);
    // Nothing under the pointer: the tip goes at once.
    page->TrackSurfaceTableHeaderTip(table, 250, 25, 500);
    page->TrackToolTip(250, 25);
    EXPECT_EQ(tip.text, "Rating");
    for (int i = 0; i < 17; ++i) page->StepToolTip();
    ASSERT_TRUE(tip.shown);
    page->TrackToolTip(100, 200);
    EXPECT_FALSE(tip.shown);
    EXPECT_EQ(page->StepToolTip(), 1);
    EXPECT_EQ(page->StepToolTip(), 0);
    // A suppressed tip takes no header texts.
    page->SurfaceWidgets().tip.suppress = 1;
    EXPECT_EQ(page->TrackSurfaceTableHeaderTip(table, 100, 25, 500), 0);
}

TEST_F(SurfaceTableTest, PrintingPutsColumnsAtTheirOffsetsAndRowsTwoRowHeightsApart) {
    platform::win::PrintJob job("Team Sheet");
    platform::gfx::Canvas& dc = job.StartPage();
    // y up: logical y is minus the device row.
    dc.SetMapMode(platform::gfx::MapMode::Anisotropic);
    dc.SetWindowExt({1, 1});
    dc.SetViewportExt({1, -1});
    table.Print(*page, &dc, {100, -100});
    const Surface& p = job.Page(0);
    const Pixel black = MakePixel(0, 0, 0);
    // The header's line 60 below the origin, each row's two row heights lower.
    for (int line = 0; line <= 5; ++line) {
        const int y = 160 + line * 40;
        EXPECT_EQ(p.Get(150, y), black) << line;
        EXPECT_NE(p.Get(150, y + 20), black) << line;
    }
    // Column 1 starts at 40 x 3.6, column 2 at 200 x 3.6; the table ends at 300 x 3.6.
    for (int x : {100 + 144, 100 + 720, 100 + 1080}) EXPECT_EQ(p.Get(x, 190), black) << x;
    EXPECT_NE(p.Get(100 + 300, 190), black);
    // "Berg" (row 1) printed left in column 1, between its lines.
    int ink = 0;
    for (int y = 201; y < 240; ++y)
        for (int x = 244; x < 320; ++x) ink += p.Get(x, y) != MakePixel(255, 255, 255);
    EXPECT_GT(ink, 20);
}

}  // namespace
}  // namespace widgettest
