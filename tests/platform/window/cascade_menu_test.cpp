// Cascading sub-menus of the pop-up menu tracker, and menus that draw their
// own items.
#include <memory>

#include "platform/gfx/system.h"
#include "platform/window/menu.h"
#include "window_fixture.h"

namespace wintest {
namespace {

// Runs `fn` once, `ms` from now, inside whatever loop runs then.
void At(uint64_t ms, std::function<void()> fn) {
    auto id = std::make_shared<uint32_t>(0);
    *id = Ui::Get().StartPeriodicTimer(uint32_t(ms), [id, fn] {
        Ui::Get().StopPeriodicTimer(*id);
        fn();
    });
}

class CascadeTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        backend->SetEndWhenScriptDone(false);  // the checks below run after the script
        backend->SetTimeLimit(5000);
        auto sub = std::make_shared<Menu>();
        sub->Append(MF_STRING, 20, "Inner A").Append(MF_STRING, 21, "Inner B");
        auto grey = std::make_shared<Menu>();
        grey->Append(MF_STRING, 30, "Never");
        menu.Append(MF_STRING, 10, "First");
        menu.items.push_back({0, "More", MF_POPUP, 0, sub});
        menu.items.push_back({0, "Locked", MF_POPUP | MF_GRAYED, 0, grey});
        menu.Append(MF_STRING, 12, "Last");
        main.hook = [this](uint32_t m, uintptr_t, intptr_t l) {
            if (m == WM_INITMENUPOPUP) positions.push_back(int(l));
        };
    }
    uint32_t Track(Point client, uint32_t flags = TPM_RIGHTBUTTON) {
        return TrackPopupMenu(menu, flags, main.ClientToScreen(client), &main);
    }
    // The middle of item `i` (plain items are 18 px under a 3 px border) of an open menu.
    static Point ItemOf(const Rect& menuRect, int i) { return {menuRect.left + 30, menuRect.top + 3 + 18 * i + 9}; }
    Point ToClient(Point screen) const { return main.ScreenToClient(screen); }
    Menu menu;
    std::vector<int> positions;
};

TEST_F(CascadeTest, RestingOnAnItemOpensItsSubMenuBesideItAndAChoiceThereEndsAll) {
    backend->MoveTo({60, 50 + 3 + 18 + 9}, 10);  // over "More"
    size_t levelsEarly = 0;
    std::vector<Rect> open;
    At(10 + kSubMenuDelayMs - 50, [&] { levelsEarly = OpenMenuRects().size(); });
    At(10 + kSubMenuDelayMs + 50, [&] {
        open = OpenMenuRects();
        if (open.size() != 2) return;
        Point b = ItemOf(open[1], 1);
        backend->MoveTo(ToClient({b.x, ItemOf(open[1], 0).y}), 10);  // along the sub-menu's first item
        backend->MoveTo(ToClient(b), 10);
        backend->Release(ToClient(b), MouseButton::Left, 10);
    });
    EXPECT_EQ(Track({50, 50}), 21u);
    EXPECT_EQ(levelsEarly, 1u);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[1].left, open[0].right - 3);          // on the right of its parent
    EXPECT_EQ(open[1].top, open[0].top + 3 + 18 - 3);    // level with its item
    ASSERT_EQ(main.Count(WM_COMMAND), 1);
    EXPECT_EQ(positions, (std::vector<int>{0, 1}));  // the sub-menu's place in its parent
    EXPECT_TRUE(OpenMenuRects().empty());
}

TEST_F(CascadeTest, KeysOpenAndCloseTheInnermostMenu) {
    struct Step {
        uint32_t vk;
        size_t levelsAfter;
    };
    // Down twice reaches "More"; Right opens it, Left and Escape close only it.
    const Step steps[] = {{VK_DOWN, 1}, {VK_DOWN, 1}, {VK_RIGHT, 2}, {VK_LEFT, 1}, {VK_RIGHT, 2},
                          {VK_ESCAPE, 1}, {VK_RETURN, 2}, {VK_DOWN, 2}};
    std::vector<size_t> levels;
    uint64_t t = 0;
    for (const Step& s : steps) {
        backend->Key(s.vk, 80);  // down, and up 20 ms later
        t += 100;
        At(t + 30, [&] { levels.push_back(OpenMenuRects().size()); });
    }
    backend->Key(VK_RETURN, 80);  // the sub-menu's second item
    EXPECT_EQ(Track({50, 50}, TPM_RETURNCMD), 21u);
    std::vector<size_t> expected;
    for (const Step& s : steps) expected.push_back(s.levelsAfter);
    EXPECT_EQ(levels, expected);
    EXPECT_EQ(main.Count(WM_COMMAND), 0);
}

TEST_F(CascadeTest, NoRoomOnTheRightOpensOnTheLeftAndAClickOutsideEndsAll) {
    std::vector<Rect> open;
    backend->Click({350, 50 + 3 + 18 + 9}, MouseButton::Left, 10);  // a click on "More" opens it at once
    At(100, [&] {
        open = OpenMenuRects();
        backend->Press({5, 290}, MouseButton::Left, 10);
    });
    EXPECT_EQ(Track({300, 50}), 0u);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].right, 400);                   // moved in to stay inside the main window
    EXPECT_EQ(open[1].right, open[0].left + 3);      // opened to the left
    EXPECT_TRUE(OpenMenuRects().empty());
    EXPECT_EQ(main.Count(WM_COMMAND), 0);
}

TEST_F(CascadeTest, AGreyItemNeverOpensItsSubMenu) {
    size_t levels = 0;
    backend->MoveTo({60, 50 + 3 + 36 + 9}, 10);  // over "Locked"
    backend->Click({60, 50 + 3 + 36 + 9}, MouseButton::Left, 10);
    backend->Key(VK_RIGHT, 10);
    At(10 + kSubMenuDelayMs + 200, [&] {
        levels = OpenMenuRects().size();
        backend->Key(VK_ESCAPE, 10);
    });
    EXPECT_EQ(Track({50, 50}), 0u);
    EXPECT_EQ(levels, 1u);
    EXPECT_EQ(positions, (std::vector<int>{0}));
}

// A menu that measures and draws its own items, as the widgets' menu does.
class SelfDrawn : public MenuOwnerDraw {
public:
    void MeasureItem(MeasureItemInfo& info) override {
        ++measured;
        info.itemHeight = 25;
        info.itemWidth = 100;
    }
    void DrawItem(const MenuDrawItemInfo& info) override {
        actions.push_back({info.itemId, info.itemAction, (info.itemState & ODS_SELECTED) != 0});
        if (info.itemAction == ODA_SELECT && (info.itemState & ODS_SELECTED)) info.paint->Fill(info.item, 0x00FF00);
    }
    uint32_t BackgroundPixel() const override { return 0x123456; }
    struct Drawn {
        uint32_t id, action;
        bool selected;
        bool operator==(const Drawn&) const = default;
    };
    int measured = 0;
    std::vector<Drawn> actions;
};

TEST_F(CascadeTest, AMenuThatDrawsItselfGetsTheRequestsInsteadOfTheOwner) {
    SelfDrawn drawer;
    Menu own;
    own.ownerDraw = &drawer;
    own.Append(MF_OWNERDRAW, 1, "a").Append(MF_OWNERDRAW, 2, "b");
    backend->Key(VK_DOWN, 10);
    uint32_t border = 0, hot = 0;
    std::vector<Rect> open;
    At(100, [&] {
        open = OpenMenuRects();
        Ui::Get().PresentNow();
        border = Ui::Get().MainPicture()->Get(open[0].left + 2, open[0].top + 2);
        hot = Ui::Get().MainPicture()->Get(open[0].left + 20, open[0].top + 3 + 12);
        backend->Key(VK_ESCAPE, 10);
    });
    EXPECT_EQ(TrackPopupMenu(own, TPM_RIGHTBUTTON, main.ClientToScreen(Point{20, 20}), &main), 0u);
    EXPECT_EQ(drawer.measured, 2);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].Width(), 100 + 13 + 6);  // the item, the check mark the system adds, the borders
    EXPECT_EQ(open[0].Height(), 2 * 25 + 6);
    EXPECT_EQ(main.Count(WM_MEASUREITEM) + main.Count(WM_DRAWITEM), 0);
    // The highlighted item is drawn whole, then as a selection change.
    const SelfDrawn::Drawn selectOne{1, ODA_SELECT, true};
    EXPECT_NE(std::find(drawer.actions.begin(), drawer.actions.end(), selectOne), drawer.actions.end());
    for (const auto& d : drawer.actions) EXPECT_FALSE(d.id == 2 && d.action == ODA_SELECT);
    EXPECT_EQ(hot, 0x00FF00u);
    EXPECT_EQ(border, drawer.BackgroundPixel());  // inside the raised edge
}

}  // namespace
}  // namespace wintest
