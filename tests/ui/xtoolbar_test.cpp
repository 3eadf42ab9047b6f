// The tool bar in both layouts: its spots, states, hover and press with
// their sounds, tips, section menus, the Back menu of the history, and the
// commands of its menus.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "platform/gfx/canvas.h"
#include "platform/window/menu.h"
#include "shell/history.h"
#include "shell/screenmanager.h"
#include "ui/xmenu.h"
#include "ui/xmessages.h"
#include "ui/xtoolbar.h"

using namespace platform::win;

namespace {

// Stands in for the view: answers the history and records what reaches it.
class ToolBarViewWnd : public Window {
public:
    CHistory history;
    std::vector<uintptr_t> jumps;
    std::vector<uint32_t> commands;
    intptr_t WindowProc(uint32_t msg, uintptr_t w, intptr_t l) override {
        if (msg == ui::kMsgGetHistory) return reinterpret_cast<intptr_t>(&history);
        if (msg == ui::kMsgGoHistory) {
            jumps.push_back(w);
            return 1;
        }
        if (msg == WM_COMMAND) {
            commands.push_back(static_cast<uint32_t>(w & 0xFFFF));
            return 0;
        }
        return Window::WindowProc(msg, w, l);
    }
};

class ToolBarTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        ASSERT_TRUE(view.Create(&main, Rect{0, 0, 800, 80}, WS_CHILD | WS_VISIBLE));
        ASSERT_TRUE(bar.Create(&view, Rect{0, 0, 788, 75}));
        bar.Show(true);
        Use(0);
        Drain();
    }
    void TearDown() override {
        g_bHumanMatchToday = 0;
        bar.Destroy();
        view.Destroy();
        uitest::PageTest::TearDown();
    }
    void Use(int set) {
        layout = ToolBarLayout(set);
        bar.SetButtons(kToolBarStrips[set], layout.data(), static_cast<int>(layout.size()));
    }
    Point Middle(int button) {
        const Rect& r = layout[size_t(button)].rect;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Hover(int button) { bar.Send(WM_MOUSEMOVE, 0, MakePointParam(Middle(button))); }
    void Press(int button) {
        bar.Send(WM_LBUTTONDOWN, 1, MakePointParam(Middle(button)));
        bar.Send(WM_LBUTTONUP, 0, MakePointParam(Middle(button)));
    }
    // The commands posted to the main window since the last call.
    std::vector<uintptr_t> Posted() {
        std::vector<uintptr_t> out;
        Message m;
        while (Ui::Get().PeekMessage(m)) {
            if (m.hwnd == main.Handle() && m.message == WM_COMMAND) out.push_back(m.wParam);
            else Ui::Get().DispatchMessage(m);
        }
        return out;
    }
    int Spots() {
        int n = 0;
        for (int i = 0; i < CXWnd::kMaxHotSpots; ++i) n += bar.GetHotSpot(i) != nullptr;
        return n;
    }

    ToolBarViewWnd view;
    CXToolBar bar;
    std::vector<ToolBarButton> layout;
};

TEST_F(ToolBarTest, EitherLayoutLeavesNineteenSpotsWhoseIndexIsTheButton) {
    for (int set : {0, 1, 0, 0}) {
        Use(set);
        EXPECT_EQ(Spots(), 19) << set;
        EXPECT_EQ(bar.GetButtonCount(), 17);
        for (int i = 0; i < 19; ++i) {
            Rect r;
            ASSERT_TRUE(bar.GetHotSpotRect(i, &r));
            EXPECT_EQ(r, layout[size_t(i)].rect) << set << " " << i;
            EXPECT_EQ(bar.GetHotSpot(i)->Id(), layout[size_t(i)].command);
            Point p = Middle(i);
            if (i < 13 || (i > 14 && i < 17)) {  // 17 and 18 lie under 13 and 14
                EXPECT_EQ(bar.HotSpotFromPoint(&p), i);
            }
        }
        Drain();
        Save("toolbar_set" + std::to_string(set));
    }
    bar.SetButtonState(3, 0);
    bar.SetButtonState(6, 2);
    Hover(1);
    Drain();
    Save("toolbar_set0_states");
}

TEST_F(ToolBarTest, StatesAndTheirBounds) {
    EXPECT_TRUE(bar.GetButtonState(0));
    EXPECT_TRUE(bar.GetButtonState(16));
    EXPECT_FALSE(bar.GetButtonState(17));  // the match buttons start off
    EXPECT_TRUE(bar.SetButtonState(17, 1));
    EXPECT_FALSE(bar.SetButtonState(18, 1));
    EXPECT_FALSE(bar.SetButtonState(-1, 1));
    EXPECT_FALSE(bar.GetButtonState(40));
    EXPECT_FALSE(bar.GetButtonState(-3));
    bar.SetAllButtonStates(0);
    EXPECT_FALSE(bar.GetButtonState(5));
    EXPECT_TRUE(bar.GetButtonState(17));  // beyond the button count
}

TEST_F(ToolBarTest, HoverAndPressPlayTheirSamplesAndPostTheCommand) {
    Hover(2);
    ASSERT_TRUE(bar.IsHovered(2));
    EXPECT_TRUE(Played(4));
    Press(2);
    EXPECT_TRUE(Played(2));
    EXPECT_EQ(Posted(), (std::vector<uintptr_t>{19412}));

    bar.SetButtonState(5, 0);
    Hover(5);
    EXPECT_FALSE(bar.IsHovered(2));
    EXPECT_TRUE(bar.IsHovered(5));
    EXPECT_FALSE(Played(4));  // no hover sound on a disabled button
    Press(5);
    EXPECT_TRUE(Played(3));
    EXPECT_FALSE(Played(2));
    EXPECT_TRUE(Posted().empty());
    int menu = -1;
    EXPECT_FALSE(bar.GetHotSpotMenu(5, &menu));  // its menu does not open
}

TEST_F(ToolBarTest, TipsAreTheTextAfterTheLineBreak) {
    std::string tip;
    ASSERT_TRUE(bar.GetToolTipText(10, tip));
    EXPECT_EQ(tip, "Back");
    ASSERT_TRUE(bar.GetToolTipText(13, tip));
    EXPECT_EQ(tip, "Move Half Week Ahead");
    EXPECT_EQ(bar.GetItemText(19421), "Save\nSave");
}

TEST_F(ToolBarTest, OnAMatchDayTheDayButtonsAreTheMatchButtons) {
    g_bHumanMatchToday = 1;
    std::string tip;
    ASSERT_TRUE(bar.GetToolTipText(13, tip));
    EXPECT_EQ(tip, "Play Match");
    ASSERT_TRUE(bar.GetToolTipText(14, tip));
    EXPECT_EQ(tip, "Get Result");
    // Hovered, button 13 shows the highlighted match picture.
    CXBitmap match;
    ASSERT_TRUE(match.Load("gfx\\toolbar\\hi_match.bmp"));
    Hover(13);
    Drain();
    const Rect r = layout[13].rect;
    int same = 0, all = 0;
    for (int y = 4; y < match.GetHeight() - 4; ++y)
        for (int x = 4; x < match.GetWidth() - 4; ++x) {
            const uint32_t want = match.GetSurface().Get(x, y) & 0xFFFFFF;
            if (want == (platform::gfx::kKeyPixel & 0xFFFFFF)) continue;
            ++all;
            same += (At(r.left + x, r.top + y) & 0xFFFFFF) == want;
        }
    EXPECT_GT(all, 500);
    EXPECT_EQ(same, all);
    // The press still posts the day button's own command, and what it
    // draws again is the match picture its hover shows.
    Press(13);
    EXPECT_EQ(Posted(), (std::vector<uintptr_t>{19423}));
    Drain();
    int after = 0;
    for (int y = 4; y < match.GetHeight() - 4; ++y)
        for (int x = 4; x < match.GetWidth() - 4; ++x) {
            const uint32_t want = match.GetSurface().Get(x, y) & 0xFFFFFF;
            if (want == (platform::gfx::kKeyPixel & 0xFFFFFF)) continue;
            after += (At(r.left + x, r.top + y) & 0xFFFFFF) == want;
        }
    EXPECT_EQ(after, all);
    Save("toolbar_matchday");
}

TEST_F(ToolBarTest, SectionMenusAndTheBackMenuOfTheHistory) {
    int menu = -1;
    for (auto [button, index] : {std::pair{0, 2}, std::pair{8, 10}, std::pair{9, 13}, std::pair{10, 14},
                                 std::pair{16, 20}}) {
        ASSERT_TRUE(bar.GetHotSpotMenu(button, &menu));
        EXPECT_EQ(menu, index);
    }
    EXPECT_EQ(GetSubMenu(22), nullptr);  // a menu that is not there shows none
    for (int i = 0; i < 10; ++i) view.history.Add("Screen " + std::to_string(i));
    view.history.SetCurrent(6);
    Menu items;
    EXPECT_FALSE(bar.FillPopupMenu(&items, 13));
    EXPECT_TRUE(items.items.empty());
    ASSERT_TRUE(bar.FillPopupMenu(&items, CXToolBar::kBackMenu));
    ASSERT_EQ(items.items.size(), 8u);
    for (size_t k = 0; k < 8; ++k) {
        const int entry = 9 - static_cast<int>(k);
        EXPECT_EQ(items.items[k].id, CXToolBar::kHistoryCommand + uint32_t(entry));
        EXPECT_EQ(items.items[k].text, "Screen " + std::to_string(entry));
        EXPECT_EQ((items.items[k].flags & MF_CHECKED) != 0, entry == 6) << entry;
    }
    // Chosen, an entry is a jump straight to it.
    bar.Send(WM_COMMAND, CXToolBar::kHistoryCommand + 3, 0);
    EXPECT_EQ(view.jumps, (std::vector<uintptr_t>{3}));
}

TEST_F(ToolBarTest, BackAndForwardStayWithinTheHistoryAndSectionCommandsReachTheView) {
    for (int i = 0; i < 3; ++i) view.history.Add("S" + std::to_string(i));
    view.history.SetCurrent(0);
    bar.Send(WM_COMMAND, 32786, 0);  // Back at the first entry
    EXPECT_TRUE(view.jumps.empty());
    bar.Send(WM_COMMAND, 32787, 0);
    view.history.SetCurrent(2);
    bar.Send(WM_COMMAND, 32787, 0);  // Forward at the last entry
    bar.Send(WM_COMMAND, 32786, 0);
    EXPECT_EQ(view.jumps, (std::vector<uintptr_t>{1, 1}));
    EXPECT_EQ(view.commands, (std::vector<uint32_t>{32786, 32786}));  // Back is a section command too
    bar.Send(WM_COMMAND, 32820, 0);
    bar.Send(WM_COMMAND, 32897, 0);  // not one of the view's
    EXPECT_EQ(view.commands.back(), 32820u);
    EXPECT_EQ(view.commands.size(), 3u);
}

// The art's rules for the buttons both layouts share: every picture lies
// inside the button's rectangle in either set, and the day buttons' own
// pictures are exactly what the strips show there, so a leave and a full
// paint agree.
TEST_F(ToolBarTest, SharedButtonPicturesFitBothLayoutsAndMatchTheStrips) {
    for (int set = 0; set < 2; ++set) {
        const std::vector<ToolBarButton> buttons = ToolBarLayout(set);
        ASSERT_EQ(buttons.size(), 19u);
        CXBitmap strip;
        ASSERT_TRUE(strip.Load(kToolBarStrips[set]));
        for (int i = 0; i < 19; ++i) {
            const ToolBarButton& b = buttons[size_t(i)];
            for (const std::string& path : {b.highlighted, b.disabled}) {
                CXBitmap pic;
                ASSERT_TRUE(pic.Load(path)) << path;
                EXPECT_LE(pic.GetWidth(), b.rect.Width()) << path << " in set " << set;
                EXPECT_LE(pic.GetHeight(), b.rect.Height()) << path << " in set " << set;
                EXPECT_LE(b.rect.right, 788);
            }
        }
        for (int i : {13, 14}) {
            const ToolBarButton& b = buttons[size_t(i)];
            CXBitmap lo;
            ASSERT_TRUE(lo.Load(b.alternative)) << b.alternative;
            int compared = 0, same = 0;
            for (int y = 0; y < lo.GetHeight(); ++y)
                for (int x = 0; x < lo.GetWidth(); ++x) {
                    const uint32_t p = lo.GetSurface().Get(x, y) & 0xFFFFFF;
                    if (p == (platform::gfx::kKeyPixel & 0xFFFFFF)) continue;
                    ++compared;
                    same += p == (strip.GetSurface().Get(b.rect.left + x, b.rect.top + y) & 0xFFFFFF);
                }
            EXPECT_GT(compared, 54 * 26 / 2) << b.alternative;
            EXPECT_EQ(same, compared) << b.alternative << " in set " << set;
        }
    }
}

TEST(XMenuTicks, ACheckedItemDrawsATickLeftOfItsText) {
    CXMenu menu(platform::gfx::RGB(198, 198, 198));
    menu.AppendItem(1, "Screen 1", {}, false, true);
    menu.AppendItem(2, "Screen 2", {}, false, false);
    EXPECT_TRUE(menu.IsItemChecked(0));
    EXPECT_FALSE(menu.IsItemChecked(1));
    platform::gfx::Surface s(200, 60, platform::gfx::MakePixel(198, 198, 198));
    platform::gfx::Canvas dc(s);
    menu.DrawItem(dc, 1, Rect{0, 0, 200, 25}, true, false, false);
    menu.DrawItem(dc, 2, Rect{0, 30, 200, 55}, true, false, false);
    auto dark = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += (s.Get(x, y) & 0xFFFFFF) == 0;
        return n;
    };
    EXPECT_GT(dark(4, 15, 5, 22), 8);   // the tick
    EXPECT_EQ(dark(4, 15, 35, 52), 0);  // none beside the other item
}

}  // namespace
