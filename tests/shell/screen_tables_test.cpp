// The one check of the compiled screen tables: every row and definition
// points at something that exists, fits its page and its pools, and the
// rows the game's design gives hold as given.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>

#include "platform/stringtable.h"
#include "platform/window/geometry.h"
#include "shell/archive.h"
#include "shell/screentables.h"
#include "ui/xbitmap.h"

namespace st = screentables;

namespace {

bool HasString(int id) { return id > 0 && platform::StringTable().count(static_cast<uint32_t>(id)) != 0; }

bool FaceNamed(int face) { return face >= 0 && face < st::kFaceSlots && st::kFaceNames[face][0] != '\0'; }

bool Resolves(const char* path) { return path && path[0] && FindArchiveEntry(path).has_value(); }

std::string Where(int page, int row) { return "page " + std::to_string(page) + " row " + std::to_string(row); }

constexpr uint32_t kLabelStyles = 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x80 | 0x100 | 0x200 | 0x400 | 0x800;

class ScreenTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(LoadArchiveIndexes()); }
    void TearDown() override { FreeArchiveIndexes(); }
};

TEST_F(ScreenTablesTest, ScreenRowsNameTheirCaptionsColoursAndBackgrounds) {
    int rows = 0;
    for (int page = 0; page < st::kPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const st::ScreenRow& s = st::kScreens[page];
        EXPECT_TRUE(HasString(s.caption)) << s.caption;
        EXPECT_GE(s.colour, 0);
        EXPECT_LT(s.colour, st::kColours);
        ASSERT_GE(s.background, 0);
        if (s.background != st::kNoBackground) {
            ASSERT_LT(s.background, 75);
            EXPECT_TRUE(Resolves(st::kBackgroundNames[s.background])) << st::kBackgroundNames[s.background];
        }
        EXPECT_EQ(st::FirstControlRow(page), rows);
        rows += s.controlCount;
    }
    EXPECT_EQ(rows, st::kControlCount);
    EXPECT_EQ(st::FirstControlRow(-1), -1);
    EXPECT_EQ(st::FirstControlRow(120), -1);
}

TEST_F(ScreenTablesTest, EveryControlRowFindsItsDefinitionFitsItsPageAndItsPools) {
    for (int page = 0; page < st::kPageCount; ++page) {
        const st::ScreenRow& s = st::kScreens[page];
        const platform::win::Rect area = s.fullPage ? platform::win::Rect{0, 0, 788, 550}
                                                    : platform::win::Rect{0, 0, 599, 469};
        int lists = 0, edits = 0, labels = 0, buttons = 0, records = 0;
        const int first = st::FirstControlRow(page);
        for (int r = first; r < first + s.controlCount; ++r) {
            SCOPED_TRACE(Where(page, r - first));
            const st::ControlRow& row = st::kControls[r];
            const uint32_t f = row.flags;
            int w = 0, h = 0;
            bool needsString = false;
            if (f & 0x40) {
                const st::ListDefinition* d = st::FindList(row.definition);
                ASSERT_NE(d, nullptr);
                w = d->width, h = d->height;
                ++lists;
                // The bar is placed on the page and lies inside the list; the
                // columns end left of it.
                int right = row.x;
                for (int c = 0; c < st::kMaxColumns && d->columns[c].format; ++c) right += d->columns[c].width + d->gap;
                EXPECT_LE(right, d->barLeft);
                EXPECT_GE(d->barLeft, row.x);
                EXPECT_GE(d->barTop, row.y);
                EXPECT_LE(d->barLeft + d->barWidth, row.x + w);
                EXPECT_LE(d->barTop + d->barHeight, row.y + h);
            } else if (f & 0x200) {
                const st::EditDefinition* d = st::FindEdit(row.definition);
                ASSERT_NE(d, nullptr);
                w = d->width, h = d->height;
                ++edits;
            } else if ((f & 0x1) && !(f & 0x2)) {
                const st::TextDefinition* d = st::FindText(row.definition);
                ASSERT_NE(d, nullptr) << "text definitions lie below 500";
                w = d->width, h = d->height;
                needsString = true;
                ++((f & 0x4) ? buttons : labels);
            } else {
                ++records;
                if (f & (0x10 | 0x400)) {
                    const st::AnimButtonDefinition* d = st::FindAnimButton(row.definition);
                    ASSERT_NE(d, nullptr);
                    w = d->width, h = d->height;
                    ++buttons;
                } else if (!(f & 0x2)) {
                    needsString = true;  // a tool-tip area
                } else if (f & 0x100) {
                    const st::PushButtonDefinition* d = st::FindCheckButton(row.definition);
                    ASSERT_NE(d, nullptr);
                    w = d->width, h = d->height;
                    ++buttons;
                } else if (f & 0x4) {
                    const st::PushButtonDefinition* d = st::FindPushButton(row.definition);
                    ASSERT_NE(d, nullptr);
                    w = d->width, h = d->height;
                    needsString = (f & 0x1) != 0;
                    ++buttons;
                } else {
                    const st::NormalButtonDefinition* d = st::FindNormalButton(row.definition);
                    ASSERT_NE(d, nullptr);
                    w = d->width, h = d->height;
                    ++buttons;
                }
            }
            if (needsString) {
                EXPECT_TRUE(HasString(row.stringId)) << row.stringId;
            }
            EXPECT_GE(row.x, area.left);
            EXPECT_GE(row.y, area.top);
            EXPECT_LE(row.x + w, area.right) << "page " << page << " is " << (s.fullPage ? "full" : "normal");
            EXPECT_LE(row.y + h, area.bottom);
        }
        EXPECT_LE(lists, 8);
        EXPECT_LE(edits, 20);
        EXPECT_LE(labels, 500);
        EXPECT_LE(buttons, 60);
        EXPECT_LE(records, 1000);
    }
}

TEST_F(ScreenTablesTest, ListDefinitionsFitTheirColumnsAndScrollBar) {
    CXBitmap arrow;
    ASSERT_TRUE(arrow.Load("gfx\\scroll\\uparrow.bmp"));
    for (int i = 0; i < st::kListCount; ++i) {
        const st::ListDefinition& d = st::kLists[i];
        SCOPED_TRACE("list " + std::to_string(d.number));
        int columns = 0;
        for (int c = 0; c < st::kMaxColumns && d.columns[c].format; ++c) {
            const st::ColumnDefinition& col = d.columns[c];
            if (col.format & 0x6) {
                ASSERT_GE(col.headerBitmap, 0);
                ASSERT_LT(col.headerBitmap, st::kHeaderSlots);
                EXPECT_TRUE(Resolves(st::kHeaderNames[col.headerBitmap]));
            } else {
                EXPECT_EQ(col.headerBitmap, -1) << "only picture and blob columns name a header bitmap";
            }
            EXPECT_TRUE(HasString(col.heading));
            EXPECT_TRUE(HasString(col.text2));
            ++columns;
        }
        EXPECT_GE(columns, 1);
        EXPECT_EQ(d.barWidth, arrow.GetWidth()) << "the bar draws the scroll arrows";
        EXPECT_GE(d.barHeight, 3 * d.barWidth + 1);
        EXPECT_GE(d.rowHeight, static_cast<int>(std::ceil(d.rowSize * 96.0 / 72.0)));
        EXPECT_TRUE(FaceNamed(d.rowFace));
        EXPECT_TRUE(FaceNamed(d.headerFace));
    }
}

TEST_F(ScreenTablesTest, EditTextAndButtonDefinitionsResolve) {
    std::set<int> numbers;
    for (int i = 0; i < st::kEditCount; ++i) {
        EXPECT_TRUE(FaceNamed(st::kEdits[i].face)) << "edit " << st::kEdits[i].number;
        EXPECT_TRUE(numbers.insert(st::kEdits[i].number).second);
    }
    for (int i = 0; i < st::kTextDefinitions; ++i) {
        const st::TextDefinition& t = st::kTexts[i];
        if (t.number < 0) continue;
        EXPECT_EQ(t.number, i);
        EXPECT_TRUE(FaceNamed(t.face)) << "text " << i;
        EXPECT_EQ(t.labelStyle & ~kLabelStyles, 0u) << "text " << i;
    }
    auto resolves = [](int index) {
        return index >= 0 && index < st::kBitmapSlots && Resolves(st::kBitmapNames[index]);
    };
    numbers.clear();
    for (int i = 0; i < st::kNormalButtonCount; ++i) {
        EXPECT_TRUE(resolves(st::kNormalButtons[i].number));
        EXPECT_TRUE(numbers.insert(st::kNormalButtons[i].number).second);
    }
    using Table = std::pair<const st::PushButtonDefinition*, int>;
    for (auto [table, count] : {Table{st::kPushButtons, st::kPushButtonCount},
                                Table{st::kCheckButtons, st::kCheckButtonCount}}) {
        numbers.clear();
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE("button " + std::to_string(table[i].number));
            EXPECT_TRUE(resolves(table[i].number));
            EXPECT_TRUE(resolves(table[i].second));
            EXPECT_TRUE(resolves(table[i].third));
            EXPECT_TRUE(numbers.insert(table[i].number).second);
        }
    }
    numbers.clear();
    for (int i = 0; i < st::kAnimButtonCount; ++i) {
        const st::AnimButtonDefinition& a = st::kAnimButtons[i];
        SCOPED_TRACE("animated " + std::to_string(a.number));
        EXPECT_GE(a.frames, 1);
        EXPECT_GE(a.passMs, a.frames);
        ASSERT_GE(a.number, 0);
        ASSERT_LT(a.number, st::kBitmapSlots);
        for (int f = 0; f < a.frames; ++f) {
            char path[200];
            std::snprintf(path, sizeof path, st::kBitmapNames[a.number], f);
            EXPECT_TRUE(Resolves(path)) << path;
        }
        EXPECT_TRUE(numbers.insert(a.number).second);
    }
}

TEST_F(ScreenTablesTest, TheGivenRowsHoldAsGiven) {
    // Page 1, "Cup Schedule": two titles, the list, the empty-list line.
    ASSERT_EQ(st::kScreens[0].controlCount, 0);
    ASSERT_EQ(st::kScreens[1].controlCount, 4);
    const st::ControlRow want[4] = {{119, 29000, 30, 61, 0x1},
                                    {119, 10002, 30, 22, 0x1},
                                    {0, 21721, 28, 119, 0x40},
                                    {1, 735, 0, 230, 0x801}};
    for (int i = 0; i < 4; ++i) {
        const st::ControlRow& r = st::kControls[st::FirstControlRow(1) + i];
        EXPECT_EQ(r.definition, want[i].definition);
        EXPECT_EQ(r.stringId, want[i].stringId);
        EXPECT_EQ(r.x, want[i].x);
        EXPECT_EQ(r.y, want[i].y);
        EXPECT_EQ(r.flags, want[i].flags);
    }
    const st::ListDefinition* list = st::FindList(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->width, 550);
    EXPECT_EQ(list->height, 322);
    EXPECT_EQ(list->rowHeight, 23);
    EXPECT_EQ(list->gap, 4);
    EXPECT_EQ(list->rowFace, 6);
    EXPECT_EQ(list->rowSize, 11);
    EXPECT_EQ(list->headerFace, 2);
    EXPECT_EQ(list->barLeft, 557);
    EXPECT_EQ(list->barHeight, 288);
    EXPECT_EQ(list->barWidth, 14);
    EXPECT_EQ(list->columns[0].format, 0x101u);
    EXPECT_EQ(list->columns[0].width, 190);
    EXPECT_EQ(list->columns[0].heading, 30100);
    EXPECT_EQ(list->columns[1].format, 0x1u);
    EXPECT_EQ(list->columns[1].width, 324);
    EXPECT_EQ(list->columns[1].heading, 30101);
    EXPECT_EQ(list->columns[2].format, 0u);
    EXPECT_EQ(platform::LoadString(30100), "Date");
    EXPECT_EQ(platform::LoadString(30101), "Round");
    EXPECT_EQ(platform::LoadString(735), "No Data Available");

    const st::TextDefinition* t0 = st::FindText(0);
    ASSERT_NE(t0, nullptr);
    EXPECT_EQ(t0->width, 490);
    EXPECT_EQ(t0->height, 28);
    EXPECT_EQ(t0->labelStyle, 0x22u);
    EXPECT_EQ(t0->background.r, 100);
    EXPECT_EQ(st::FindText(500), nullptr);
    EXPECT_EQ(st::FindText(2), nullptr) << "an empty place is no definition";

    const st::PushButtonDefinition* check = st::FindCheckButton(4);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(std::string(st::kBitmapNames[check->second]), "gfx\\buttons\\check_on.bmp");
    EXPECT_EQ(std::string(st::kBitmapNames[check->third]), "gfx\\buttons\\check_off.bmp");
    EXPECT_EQ(std::string(st::kBitmapNames[4]), "gfx\\buttons\\check_dis.bmp");
    const st::PushButtonDefinition* push = st::FindPushButton(25);
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push->width, 126);
    EXPECT_EQ(push->height, 29);
    const st::AnimButtonDefinition* anim = st::FindAnimButton(170);
    ASSERT_NE(anim, nullptr);
    EXPECT_EQ(anim->frames, 2);
    EXPECT_EQ(anim->passMs, 1500);
    EXPECT_EQ(std::string(st::kBitmapNames[171]), "gfx\\animation\\menuanim\\credits%02d.bmp");

    EXPECT_EQ(std::string(st::FindEditText(2)), "21");
    EXPECT_EQ(std::string(st::FindEditText(5)), "0");
    EXPECT_EQ(st::FindEditText(0), nullptr);
    EXPECT_EQ(st::FindEditText(23239), nullptr) << "string ids past the table are no entry";
    EXPECT_EQ(std::string(st::kFaceNames[4]), "Haettenschweiler");
    EXPECT_EQ(std::string(st::kHeaderNames[2]), "gfx\\temp\\s10trophy.bmp");
    EXPECT_EQ(std::string(st::kHeaderNames[3]), "gfx\\temp\\blank.bmp") << "picture columns without a heading";
    // The three names 68 to 70 are one picture.
    EXPECT_EQ(std::string(st::kBackgroundNames[68]), "gfx\\backgrounds\\114.bmp");
    EXPECT_EQ(std::string(st::kBackgroundNames[70]), "gfx\\backgrounds\\114.bmp");
    EXPECT_EQ(std::string(st::kBackgroundNames[74]), "gfx\\backgrounds\\120.bmp");
    EXPECT_STREQ(st::kBackgroundNames[75], "");
}

TEST(ScreenTableRows, TheKitEditorAndTheAccountsChartTakeTheirRowsBackgrounds) {
    auto background = [](int page) -> std::string {
        const int b = st::kScreens[page].background;
        return b >= 0 && b < st::kBackgroundSlots ? st::kBackgroundNames[b] : "";
    };
    EXPECT_EQ(background(72), "gfx\\backgrounds\\74.bmp") << "the kit editor's row, not the picture its page names";
    EXPECT_EQ(background(113), "gfx\\backgrounds\\114.bmp");
    EXPECT_EQ(background(116), "gfx\\backgrounds\\114.bmp") << "Manager Vacancies shares the accounts chart's panel";
    for (int page : {7, 21, 25, 38, 103}) EXPECT_NE(background(page), "") << "finance page " << page;
}

}  // namespace
