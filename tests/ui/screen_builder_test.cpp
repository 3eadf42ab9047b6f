// Pages built from the screen tables: the given page 1, pages without
// rows, rows the tables cannot serve, the pools' limits, and the colour a
// page sends its parent.
#include <gtest/gtest.h>

#include <tuple>

#include "page_fixture.h"
#include "platform/trace.h"
#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "ui/xmessages.h"

using namespace platform::win;
namespace st = screentables;

namespace {

// A screen area that notes the messages its pages send it.
class AreaRecorder : public Window {
public:
    std::vector<std::tuple<uint32_t, uintptr_t, intptr_t>> seen;

protected:
    void OnPaint(const PaintContext& pc) override { pc.Fill(ClientRect(), 0); }
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override {
        seen.emplace_back(msg, w, l);
        return 1;
    }
};

class ScreenBuilderTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        ASSERT_TRUE(area.Create(&main, {0, 0, 788, 550}, WS_CHILD | WS_VISIBLE));
    }
    void TearDown() override {
        built.reset();
        uitest::PageTest::TearDown();
    }
    CScreensInfo& Build(int page) {
        g_nScreenId = page;
        built = std::make_unique<CScreensInfo>();
        EXPECT_TRUE(built->Create(&area));
        built->BuildScreen(page);
        built->Show();
        built->Enable();
        Drain();
        return *built;
    }
    CScreensInfo& Empty() {
        built = std::make_unique<CScreensInfo>();
        EXPECT_TRUE(built->Create(&area));
        return *built;
    }

    AreaRecorder area;
    std::unique_ptr<CScreensInfo> built;
};

TEST_F(ScreenBuilderTest, PageOneBuildsItsTitlesListAndEmptyLine) {
    CScreensInfo& p = Build(1);
    EXPECT_EQ(CScreensInfo::GetCreatedScreenId(), 1);
    EXPECT_EQ(p.GetTitle(), "Cup Schedule");
    EXPECT_EQ(p.GetBackgroundName(), "gfx\\backgrounds\\2.bmp");
    ASSERT_EQ(p.GetListCount(), 1);
    CListControl& list = p.GetList(0);
    EXPECT_EQ(list.WindowRect(), (Rect{28, 119, 578, 441}));
    EXPECT_EQ(list.Id(), 21721u);
    ASSERT_EQ(list.GetColumnCount(), 2);
    EXPECT_STREQ(list.GetColumnHeader(0), "Date");
    EXPECT_STREQ(list.GetColumnHeader(1), "Round");
    EXPECT_EQ(list.GetColumnWidth(0), 190);
    EXPECT_EQ(list.GetColumnWidth(1), 324);
    EXPECT_EQ(list.m_nRowHeight, 23);
    EXPECT_EQ(list.m_nColumnGap, 4);
    EXPECT_EQ(list.m_crSelected, platform::gfx::RGB(255, 255, 0));
    EXPECT_TRUE(list.IsShownFlag());
    ASSERT_EQ(p.GetLabelCount(), 3);
    EXPECT_EQ(p.GetLabel(0).WindowRect(), (Rect{30, 61, 520, 95}));
    EXPECT_EQ(p.GetLabel(1).GetText(), "Cup Schedule");
    EXPECT_EQ(p.GetLabel(1).WindowRect(), (Rect{30, 22, 520, 56}));
    EXPECT_EQ(p.GetLabel(2).GetText(), "No Data Available");
    EXPECT_EQ(p.GetButtonCount(), 0);
    EXPECT_EQ(p.GetRecordCount(), 0);
    EXPECT_TRUE(area.seen.empty()) << "only pages 6 and 96 on send their colour";
    Save("page-001");
}

TEST_F(ScreenBuilderTest, APageWithoutRowsGetsItsTitleAndBackgroundOnly) {
    CScreensInfo& p = Build(64);
    EXPECT_EQ(p.GetTitle(), "Match Action");
    EXPECT_EQ(p.GetBackgroundName(), "") << "no background: the page shows black";
    EXPECT_EQ(p.GetListCount() + p.GetLabelCount() + p.GetButtonCount() + p.GetEditCount() + p.GetRecordCount(), 0);
    EXPECT_EQ(At(400, 300), 0u);
    // A page number outside the table builds nothing.
    platform::TraceCapture trace;
    built->BuildScreen(120);
    built->BuildScreen(-1);
    EXPECT_EQ(p.GetTitle(), "Match Action");
}

TEST_F(ScreenBuilderTest, RowsTheTablesCannotServeMakeNoWidgetAndSaySo) {
    CScreensInfo& p = Empty();
    const st::ControlRow rows[] = {
        {500, 735, 0, 0, 0x1},     // text 500: none
        {7000, 735, 0, 0, 0x1},    // far past the text table
        {2, 735, 0, 0, 0x1},       // an empty place of the text table
        {99, 1, 0, 0, 0x40},       // no such list
        {99, 1, 0, 0, 0x200},      // no such edit
        {99, 1, 0, 0, 0x10},       // no such animated button
        {99, 1, 0, 0, 0x102},      // no such check button
        {99, 1, 0, 0, 0x6},        // no such push button
        {99, 1, 0, 0, 0x2},        // no such normal button
    };
    platform::TraceCapture trace;
    p.BuildRows(rows, static_cast<int>(std::size(rows)));
    EXPECT_EQ(p.GetLabelCount() + p.GetListCount() + p.GetEditCount() + p.GetButtonCount() + p.GetRecordCount(), 0);
    for (const char* line : {"Failed to find Text!! 500\n", "Failed to find Text!! 7000\n", "Failed to find Text!! 2\n",
                             "Failed to find List Box!! 99\n", "Failed to find Edit Box!! 99\n",
                             "Failed to find Anim Button!! 99\n", "Failed to find Check Button!! 99\n",
                             "Failed to find Push Button!! 99\n", "Failed to find Norm Button!! 99\n"})
        EXPECT_TRUE(trace.Contains(line)) << line;
}

TEST_F(ScreenBuilderTest, EditsStartWithTheirTextAndButtonsTakeTheirPicturesAndFrames) {
    CScreensInfo& p = Empty();
    const st::ControlRow rows[] = {
        {0, 0, 10, 10, 0x200},      // edit, no text
        {0, 2, 10, 40, 0x200},      // edit, "21"
        {0, 23239, 10, 70, 0x200},  // a string id without an entry: empty
        {170, 600, 200, 10, 0x10},  // animated, two frames
        {4, 601, 200, 200, 0x102},  // check
        {0, 10002, 10, 300, 0x5},   // a text button
        {25, 10003, 200, 300, 0x7}, // a push button with its text
        {0, 602, 400, 400, 0x0},    // only a tool-tip area
    };
    p.BuildRows(rows, static_cast<int>(std::size(rows)));
    ASSERT_EQ(p.GetEditCount(), 3);
    EXPECT_EQ(p.GetEdit(0).GetText(), "");
    EXPECT_EQ(p.GetEdit(1).GetText(), "21");
    EXPECT_EQ(p.GetEdit(2).GetText(), "");
    EXPECT_EQ(p.GetEdit(1).WindowRect(), (Rect{10, 40, 50, 62}));

    // One count of buttons: the text button takes a pool button in row order
    // and the records name the button they made.
    ASSERT_EQ(p.GetButtonCount(), 4);
    ASSERT_EQ(p.GetRecordCount(), 4);
    EXPECT_EQ(p.GetRecord(0).button, 0);
    EXPECT_EQ(p.GetButton(0).GetFrameCount(), 2);
    EXPECT_EQ(p.GetButton(0).GetButtonStyle(), 0x10u);
    EXPECT_EQ(p.GetRecord(1).button, 1);
    EXPECT_EQ(p.GetRecord(1).bitmaps[1], "gfx\\buttons\\check_on.bmp");
    EXPECT_EQ(p.GetButton(2).Id(), 10002u) << "the text button";
    EXPECT_EQ(p.GetRecord(2).button, 3);
    EXPECT_EQ(p.GetButton(3).WindowRect(), (Rect{200, 300, 326, 329}));
    EXPECT_EQ(p.GetRecord(3).button, -1);
    EXPECT_EQ(p.GetRecord(3).id, 602u);
    EXPECT_EQ(p.GetHotSpot(3)->Id(), 602u);
}

TEST_F(ScreenBuilderTest, FullPoolsMakeNoMoreWidgetsAndSaySo) {
    CScreensInfo& p = Empty();
    std::vector<st::ControlRow> rows;
    for (int i = 0; i < 61; ++i) rows.push_back({25, 700 + i, (i % 4) * 130, (i / 4) * 30, 0x6});
    for (int i = 0; i < 9; ++i) rows.push_back({0, 21721, 0, 0, 0x40});
    platform::TraceCapture trace;
    p.BuildRows(rows.data(), static_cast<int>(rows.size()));
    EXPECT_EQ(p.GetButtonCount(), CScreensInfo::kButtons);
    EXPECT_EQ(p.GetRecordCount(), CScreensInfo::kButtons);
    EXPECT_EQ(p.GetListCount(), CScreensInfo::kLists);
    EXPECT_TRUE(trace.Contains("Ran out of Buttons Memory!! 60\n"));
    EXPECT_TRUE(trace.Contains("Ran out of List Box Memory!! 8\n"));
}

TEST_F(ScreenBuilderTest, SectionAndOptionPagesSendTheirColour) {
    for (int page : {6, 96, 100, 119}) {
        SCOPED_TRACE("page " + std::to_string(page));
        area.seen.clear();
        Build(page);
        const uint32_t colour = st::kColourTable[st::kScreens[page].colour];
        ASSERT_FALSE(area.seen.empty());
        EXPECT_EQ(area.seen.back(), std::make_tuple(ui::kMsgTreeColour, uintptr_t(colour), intptr_t(0)));
    }
    area.seen.clear();
    Build(95);
    for (auto& s : area.seen) EXPECT_NE(std::get<0>(s), ui::kMsgTreeColour);
}

TEST_F(ScreenBuilderTest, EveryPageOfTheTableBuilds) {
    for (int page = 0; page < st::kPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        CScreensInfo& p = Build(page);
        EXPECT_FALSE(p.GetTitle().empty());
        // Every row made its widget: text buttons are the pool buttons no record made.
        int recordButtons = 0;
        for (int i = 0; i < p.GetRecordCount(); ++i) recordButtons += p.GetRecord(i).button >= 0;
        EXPECT_EQ(p.GetLabelCount() + p.GetListCount() + p.GetEditCount() + p.GetRecordCount() +
                      (p.GetButtonCount() - recordButtons),
                  st::kScreens[page].controlCount);
        if (page == 99 || page == 2 || page == 49) Save("page-" + std::to_string(page));
    }
}

}  // namespace
