// The widgets' hot-spot tips run on the window layer's tip timing: the
// reshow delay between neighbouring spots, the auto-pop, and a press.
#include <gtest/gtest.h>

#include "page_fixture.h"
#include "platform/window/tooltips.h"
#include "ui/xtooltip.h"
#include "ui/xwnd.h"

using namespace platform::win;

namespace {

class TipPage : public CScreen {
public:
    bool GetToolTipText(int i, std::string& text) override {
        text = i == 2 ? std::string() : "tip " + std::to_string(i) + (i == 1 ? std::string(100, '!') : "");
        return true;
    }
};

class SpotTipTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        page.reset();
        tips = new TipPage;
        page.reset(tips);
        tips->SetBackground("gfx\\backgrounds\\titlescreen.bmp");
        ASSERT_TRUE(tips->Create(&main));
        tips->Show();
        tips->Enable();
        tips->AddHotSpot({100, 100, 200, 150}, kSpotToolTip, 1);
        tips->AddHotSpot({200, 100, 300, 150}, kSpotToolTip, 2);
        tips->AddHotSpot({300, 100, 400, 150}, kSpotToolTip, 3);  // no text
        Drain();
    }
    std::string Shown() const {
        const CXToolTip* t = tips->GetShownToolTip();
        return t ? t->GetText() : std::string();
    }
    TipPage* tips = nullptr;
};

TEST_F(SpotTipTest, NeighbourSpotsReshowQuicklyAndTextsAreCut) {
    backend->MoveTo({150, 120});
    RunFor(kToolTipInitialMs + 20);
    EXPECT_EQ(Shown(), "tip 0");
    backend->MoveTo({250, 120});  // straight on to the next spot
    RunFor(kToolTipReshowMs - 30);
    EXPECT_EQ(Shown(), "");
    RunFor(60);
    EXPECT_EQ(Shown().size(), 79u);  // the notification's buffer
    EXPECT_EQ(Shown().rfind("tip 1", 0), 0u);
    backend->MoveTo({350, 120});  // a spot without text shows nothing
    RunFor(kToolTipInitialMs + 50);
    EXPECT_EQ(Shown(), "");
}

TEST_F(SpotTipTest, TipPopsAfterItsTimeAndOnAPress) {
    backend->MoveTo({150, 120});
    RunFor(kToolTipInitialMs + 20);
    EXPECT_EQ(Shown(), "tip 0");
    RunFor(kToolTipAutoPopMs);
    EXPECT_EQ(Shown(), "");
    backend->MoveTo({160, 125});  // still the same spot: it stays quiet
    RunFor(kToolTipInitialMs + 50);
    EXPECT_EQ(Shown(), "");
    backend->MoveTo({250, 120});
    RunFor(kToolTipInitialMs + 20);
    EXPECT_EQ(Shown(), "tip 1" + std::string(74, '!'));
    backend->Press({250, 120});
    RunFor(20);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
