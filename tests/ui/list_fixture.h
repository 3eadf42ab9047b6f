#pragma once
// A page holding one list at (100, 100)-(300, 250) with its scroll bar
// inside its right edge, recording what the list tells it.
#include <gtest/gtest.h>

#include <vector>

#include "page_fixture.h"
#include "platform/gfx/colour.h"
#include "ui/listcontrol.h"
#include "ui/xmessages.h"

namespace uitest {

struct Notice {
    uint32_t msg;
    uintptr_t w;
    intptr_t l;
};

class ListPage : public CScreen {
public:
    std::vector<Notice> notices;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == kMsgListSorted || (w == ui::kRelayedFlags && (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
                                                                 msg == WM_RBUTTONDOWN || msg == WM_MOUSEMOVE)))
            notices.push_back({msg, w, l});
        if (msg == WM_RBUTTONDOWN && w == ui::kRelayedFlags) return 0;  // no menu in these tests
        return CScreen::WindowProc(msg, w, l);
    }
    int Count(uint32_t msg) const {
        int n = 0;
        for (const auto& x : notices) n += x.msg == msg;
        return n;
    }
};

class ListTest : public PageTest {
protected:
    static constexpr Rect kListRect{100, 100, 300, 250};
    static constexpr int kBarLeft = 286, kBarWidth = 14;

    void SetUp() override {
        PageTest::SetUp();
        page.reset();
        spy = new ListPage;
        page.reset(spy);
        spy->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(spy->Create(&main));
        spy->Show();
        spy->Enable();
        Drain();
        ASSERT_TRUE(list.Create(kListRect, spy, 77, kBarLeft, 100, 150, kBarWidth, 0, false));
        list.SetRowFont("Arial", 8, true, false, false);
        list.SetHeaderFont("Arial", 8, true, false, false);
    }
    void TearDown() override {
        list.Destroy();
        PageTest::TearDown();
    }
    // Two columns of 90 pixels, `rows` rows "r0", "r1"...
    void Fill(int rows, uint32_t format1 = 0) {
        list.AddColumn("Name", 0);
        list.AddColumn("Value", format1);
        list.SetColumnWidth(0, 90);
        list.SetColumnWidth(1, 90);
        for (int i = 0; i < rows; ++i) list.AddRow("r" + std::to_string(i), 0, static_cast<uintptr_t>(i), 0);
    }
    // The texts of a column, top to bottom.
    std::vector<std::string> Column(int col) {
        std::vector<std::string> out;
        for (int r = 0; r < list.GetRowCount(); ++r) out.push_back(list.GetItemText(r, col));
        return out;
    }
    // The middle of row `row` in column `col` (90-pixel columns), page coordinates.
    Point RowPoint(int row, int col = 0) {
        Rect r;
        list.GetRowRect(row, &r, false);
        return {kListRect.left + col * 90 + 45, kListRect.top + 1 + r.top + 7};
    }
    Point HeaderPoint(int col) { return {kListRect.left + col * 90 + 20, kListRect.top + 3}; }
    void Press(Point p, uint32_t flags = ui::kRelayedFlags) { list.Send(WM_LBUTTONDOWN, flags, MakePointParam(p)); }
    void Release(Point p) { list.Send(WM_LBUTTONUP, ui::kRelayedFlags, MakePointParam(p)); }
    void Click(Point p) {
        Press(p);
        Release(p);
    }
    void Move(Point p) { list.Send(WM_MOUSEMOVE, ui::kRelayedFlags, MakePointParam(p)); }
    Rect CellRect(int row, int col = 0) {
        Rect r;
        list.GetRowRect(row, &r, false);
        return {kListRect.left + col * 90, kListRect.top + 1 + r.top, kListRect.left + col * 90 + 90,
                kListRect.top + 1 + r.bottom};
    }
    Rect HeaderRect(int col) {
        return {kListRect.left + col * 90, kListRect.top, kListRect.left + col * 90 + 90,
                kListRect.top + 1 + list.GetHeaderHeight()};
    }
    // Pixels of `colour` with a black one right and down: text with its shadow.
    int Shadowed(const Rect& r, uint32_t colour) {
        const auto want = platform::gfx::ToPixel(colour) & 0xFFFFFF;
        const auto& w = spy->GetWorkBuffer();
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += (w.Get(x, y) & 0xFFFFFF) == want && (w.Get(x + 1, y + 1) & 0xFFFFFF) == 0;
        return n;
    }
    // Pixels of exactly `colour` (0x00BBGGRR) in a rectangle of the work buffer.
    int CountColour(const Rect& r, uint32_t colour) {
        const auto want = platform::gfx::ToPixel(colour);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += (spy->GetWorkBuffer().Get(x, y) & 0xFFFFFF) == (want & 0xFFFFFF);
        return n;
    }

    ListPage* spy = nullptr;
    CListControl list;
};

}  // namespace uitest
