#include <gtest/gtest.h>

#include "platform/window/headless.h"
#include "platform/window/ui.h"
#include "ui/xstatusbar.h"

using namespace platform::win;

TEST(XStatusBarTest, CreationSetsTwoSeparatorsAndPane500) {
    Ui::Get().Start(std::make_unique<HeadlessBackend>());
    Window frame;
    ASSERT_TRUE(frame.Create(nullptr, {0, 0, 400, 300}, WS_VISIBLE));
    CXStatusBar bar;
    ASSERT_TRUE(bar.CreateBar(&frame));
    ASSERT_EQ(bar.PaneCount(), 3u);
    EXPECT_EQ(bar.GetPane(0).id, ID_SEPARATOR);
    EXPECT_EQ(bar.GetPane(1).id, ID_SEPARATOR);
    EXPECT_EQ(bar.GetPane(2).id, CXStatusBar::kTextPane);
    EXPECT_EQ(bar.CommandToIndex(500), 2);
    EXPECT_TRUE(bar.SetPaneText(2, "Ver 5.27"));
    EXPECT_EQ(bar.GetPaneText(2), "Ver 5.27");
    EXPECT_FALSE(bar.SetPaneText(3, "no such pane"));
    Ui::Get().Stop();
}
