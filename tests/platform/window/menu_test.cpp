#include "platform/window/menu.h"
#include "window_fixture.h"

namespace wintest {
namespace {

class MenuTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        menu.Append(MF_STRING, 10, "First").Append(MF_SEPARATOR, 0).Append(MF_GRAYED, 11, "Grey");
        menu.Append(MF_OWNERDRAW, 12, "", 777);
        main.hook = [this](uint32_t m, uintptr_t, intptr_t l) {
            if (m == WM_MEASUREITEM) {
                auto* mi = reinterpret_cast<MeasureItemInfo*>(l);
                mi->itemHeight = 30;
                mi->itemWidth = 150;
                measuredData = mi->itemData;
            }
            if (m == WM_DRAWITEM) {
                auto* di = reinterpret_cast<const MenuDrawItemInfo*>(l);
                drawnStates.push_back(di->itemState);
                drawnData = di->itemData;
            }
        };
    }
    // Runs the menu at client point (50, 50) of the main window.
    uint32_t Track(uint32_t flags = TPM_RIGHTBUTTON) {
        return TrackPopupMenu(menu, flags, main.ClientToScreen(Point{50, 50}), &main);
    }
    Point Item(int y) const { return {60, 50 + y}; }  // client point over the menu
    Menu menu;
    uintptr_t measuredData = 0, drawnData = 0;
    std::vector<uint32_t> drawnStates;
};

TEST_F(MenuTest, ChoosingSendsTheCommand) {
    backend->MoveTo(Item(10), 10);
    backend->Release(Item(10), MouseButton::Right, 10);
    EXPECT_EQ(Track(), 10u);
    ASSERT_EQ(main.Count(WM_COMMAND), 1);
    EXPECT_EQ(main.Count(WM_INITMENUPOPUP), 1);
    EXPECT_EQ(measuredData, 777u);
    EXPECT_EQ(drawnData, 777u);
}

TEST_F(MenuTest, DismissedByEscapeOrAClickOutsideAndGreyItemsRefuse) {
    backend->Key(VK_ESCAPE, 10);
    EXPECT_EQ(Track(), 0u);
    backend->Press({350, 250}, MouseButton::Left, 10);
    EXPECT_EQ(Track(), 0u);
    // The grey item (third, after the separator) cannot be chosen; Escape then ends it.
    backend->MoveTo(Item(3 + 18 + 8 + 5), 10);
    backend->Release(Item(3 + 18 + 8 + 5), MouseButton::Right, 10);
    backend->Key(VK_ESCAPE, 10);
    EXPECT_EQ(Track(), 0u);
    EXPECT_EQ(main.Count(WM_COMMAND), 0);
}

TEST_F(MenuTest, KeyboardSkipsSeparatorsAndReturnsWithoutCommand) {
    backend->Key(VK_DOWN, 10);  // First
    backend->Key(VK_DOWN, 10);  // Grey (the separator is skipped)
    backend->Key(VK_DOWN, 10);  // the owner-drawn item
    backend->Key(VK_RETURN, 10);
    EXPECT_EQ(Track(TPM_RETURNCMD), 12u);
    EXPECT_EQ(main.Count(WM_COMMAND), 0);
    bool selectedDrawn = false;
    for (uint32_t s : drawnStates) selectedDrawn |= (s & ODS_SELECTED) != 0;
    EXPECT_TRUE(selectedDrawn);
}

TEST_F(MenuTest, ResourcesAndSubMenus) {
    Menu bar;
    auto sub = std::make_shared<Menu>();
    sub->Append(MF_STRING, 32775, "Squad");
    bar.items.push_back({0, "Pages", MF_POPUP, 0, sub});
    RegisterMenuResource(131, bar);
    const Menu* loaded = LoadMenuResource(131);
    ASSERT_NE(loaded, nullptr);
    ASSERT_NE(loaded->GetSubMenu(0), nullptr);
    EXPECT_EQ(loaded->GetSubMenu(0)->items[0].id, 32775u);
    EXPECT_EQ(LoadMenuResource(132), nullptr);
    Menu copy = *loaded;
    EXPECT_NE(copy.FindItem(32775), nullptr);
    EXPECT_EQ(copy.FindItem(1), nullptr);
}

TEST_F(MenuTest, ModalLoopFromPaintDoesNotRepaintThatWindow) {
    int paints = 0, nested = 0;
    main.hook = [&](uint32_t m, uintptr_t, intptr_t) {
        if (m != WM_PAINT) return;
        ++paints;
        if (nested++ == 0) {
            main.Invalidate();  // asked again from inside its own paint
            Ui::Get().RunModalLoop(nullptr, [&] { return paints < 50 && Ui::Get().NowMs() < 100; });
        }
    };
    main.Invalidate();
    backend->SetTimeLimit(200);
    Ui::Get().Run();
    EXPECT_LE(paints, 2);
}

}  // namespace
}  // namespace wintest
