// The widgets' menu on the window layer's tracker: its size, its colours and
// its highlight as the tracker asks it to draw.
#include <gtest/gtest.h>

#include <memory>

#include "page_fixture.h"
#include "platform/window/menu.h"
#include "ui/xmenu.h"

using namespace platform::win;
using platform::gfx::RGB;
using platform::gfx::ToPixel;

namespace {

class MenuTrackTest : public uitest::PageTest {};

TEST_F(MenuTrackTest, DrawnInItsColourWithTheHighlightUnderThePointer) {
    CXMenu menu(RGB(90, 156, 231));
    menu.AppendItem(1, "Squad", "", false);
    menu.AppendItem(2, "", "", false);  // a separator
    menu.AppendItem(3, "Tactics", "", true);
    std::vector<Rect> open;
    uint32_t hot = 0, plain = 0, border = 0;
    int highlighted = -2;
    backend->OnModalShown([&] {
        open = OpenMenuRects();
        if (open.empty()) return;
        const Point item0{open[0].left + 40, open[0].top + 3 + 12};
        backend->MoveTo(item0, 10);
        backend->Pause(20);
    });
    const uint32_t tick = Ui::Get().StartPeriodicTimer(100, [&] {
        if (open.empty() || highlighted != -2) return;
        Ui::Get().PresentNow();
        hot = Ui::Get().MainPicture()->Get(open[0].left + 100, open[0].top + 3 + 20);
        plain = Ui::Get().MainPicture()->Get(open[0].left + 100, open[0].top + 3 + 50 + 20);
        border = Ui::Get().MainPicture()->Get(open[0].left + 2, open[0].top + 2);
        highlighted = menu.GetHighlighted();
        backend->Key(VK_ESCAPE, 10);
    });
    backend->SetEndWhenScriptDone(false);
    backend->SetTimeLimit(3000);
    EXPECT_EQ(menu.Track({100, 100}, &main), 0u);
    Ui::Get().StopPeriodicTimer(tick);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].Width(), menu.GetMenuWidth() + 6);  // the item width given back plus the borders
    EXPECT_EQ(open[0].Height(), 3 * CXMenu::kItemHeight + 6);
    EXPECT_EQ(highlighted, 0);
    EXPECT_EQ(hot, ToPixel(menu.HighlightColour()));
    EXPECT_EQ(plain, ToPixel(menu.GetColour()));
    EXPECT_EQ(border, ToPixel(menu.GetColour()));
}

}  // namespace
