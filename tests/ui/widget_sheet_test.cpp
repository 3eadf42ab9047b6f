// One page holding a filled list, an edit field, two spin fields and a
// meter, written as a picture for people to look at. The check is only that
// each widget drew over the page's background.
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "ui/xedit.h"
#include "ui/xmeter.h"
#include "ui/xspinedit.h"

using namespace platform::win;

namespace {

class WidgetSheet : public uitest::ListTest {
protected:
    // Pixels of the work buffer in `r` that differ from the back buffer.
    int Drawn(const Rect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += (spy->GetWorkBuffer().Get(x, y) & 0xFFFFFF) != (spy->GetBackBuffer().Get(x, y) & 0xFFFFFF);
        return n;
    }
};

TEST_F(WidgetSheet, ListFieldsAndMeterOnOnePage) {
    list.AddColumn("Player", 0);
    list.AddColumn("Form", kColumnBlobs, CListControl::kListPictures[0]);
    list.AddColumn("", kColumnPicture, CListControl::kListPictures[1]);
    list.SetColumnWidth(0, 90);
    list.SetColumnWidth(1, 64);
    list.SetColumnWidth(2, 20);
    list.m_bSelectable = 1;
    const char* names[] = {"J. Halloran", "P. Okafor", "M. Lindqvist", "R. Castell", "T. Brennan", "A. Moreau",
                           "S. Ivanov", "D. Kowalski", "L. Ferreira", "K. Nakamura", "B. Osei", "H. Larsen"};
    for (int i = 0; i < 12; ++i) {
        const int row = list.AddRow(names[i], 0, static_cast<uintptr_t>(i), 0);
        list.SetRowColour(row, 0xFFFFFF);
        list.SetItemValue(row, 1, 1 + i % 5);
        list.SetItemBitmap(row, 2, "gfx\\listcontrol\\pos_up.bmp");
    }
    list.SetRowColour(11, 0x00FFFF);
    list.SetItem(11, 0, "Total", 1);
    list.AddSelected(2);
    list.SetSelection(4);
    list.Redraw();

    CXEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, Rect::XYWH(340, 100, 160, 24), spy, 50, 0, 0x6, "", 0xFFFFFF, nullptr));
    edit.m_crBackground = 0x402010;
    edit.SetFont("Arial", 10, true, false, false);
    edit.SetText("Gillingham Town");
    CXSpinedit plain;
    ASSERT_TRUE(plain.Create("age", WS_VISIBLE, Rect::XYWH(340, 140, 160, 26), spy, 51, "gfx\\scroll\\leftarrow.bmp",
                             "gfx\\scroll\\rightarrow.bmp", 16, 40, nullptr, 4, 23, 1, "Arial", 10, "Age"));
    CXMeter meter;
    meter.m_nTarget = 70;
    meter.m_dwFlags = kMeterMarker | kMeterThreshold;
    meter.m_crLow = 0x00C000;
    meter.m_crHigh = 0x0000FF;
    meter.m_nPenWidth = 3;
    ASSERT_TRUE(meter.Create(spy, Rect::XYWH(340, 190, 80, 50), WS_CHILD | WS_VISIBLE));
    spy->Invalidate(true);
    main.UpdateNow();
    RunFor(70 * 30 + 100);
    EXPECT_FALSE(meter.TimerRunning());

    EXPECT_GT(Drawn(Rect{100, 100, 286, 250}), 500) << "the list";
    EXPECT_GT(Drawn(Rect::XYWH(340, 100, 160, 24)), 500) << "the edit field";
    EXPECT_GT(Drawn(Rect::XYWH(340, 140, 160, 26)), 100) << "the spin field";
    EXPECT_GT(Drawn(Rect::XYWH(340, 190, 80, 50)), 30) << "the meter";
    EXPECT_TRUE(list.IsScrollBarShown());
    Save("list_fields_meter");
    meter.Destroy();
    plain.Destroy();
    edit.Destroy();
}

}  // namespace
