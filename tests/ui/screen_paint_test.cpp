// The page's transitions: the strips each wipe copies and the repaint that
// shows them only with the "Fade" option on.
#include <gtest/gtest.h>

#include <vector>

#include "page_fixture.h"
#include "shell/soundengine.h"

using namespace platform::win;

namespace {

// How often each pixel of a width x height page is copied.
std::vector<int> Coverage(const std::vector<Rect>& strips, int width, int height) {
    std::vector<int> hits(static_cast<size_t>(width * height), 0);
    for (const Rect& r : strips)
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) ++hits[size_t(y * width + x)];
    return hits;
}

TEST(Wipes, EveryModeCoversEveryPixelOnce) {
    for (auto [w, h] : {std::pair{CScreen::kWidth, CScreen::kHeight}, {21, 13}, {20, 12}, {1, 1}, {2, 3}}) {
        for (int mode = 0; mode <= 8; ++mode) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " at " + std::to_string(w) + "x" + std::to_string(h));
            const auto strips = CScreen::WipeStrips(mode, w, h);
            for (const Rect& r : strips) ASSERT_FALSE(r.IsEmpty());
            const auto hits = Coverage(strips, w, h);
            EXPECT_EQ(std::count(hits.begin(), hits.end(), 1), static_cast<long>(hits.size()));
        }
    }
}

TEST(Wipes, StripsComeInTheOrderOfTheirMode) {
    const int W = CScreen::kWidth, H = CScreen::kHeight;  // 788 x 550
    auto col = [&](int x) { return Rect{x, 0, x + 1, H}; };
    auto row = [&](int y) { return Rect{0, y, W, y + 1}; };
    struct Case {
        int mode;
        std::vector<Rect> first;
        Rect last;
    };
    const std::vector<Case> cases = {
        {0, {{0, 0, W, H}}, {0, 0, W, H}},
        {1, {col(7), col(15), col(23)}, col(784)},  // blinds from offset 7 down to 0
        {2, {row(7), row(15)}, row(544)},
        {3, {col(0), col(1)}, col(W - 1)},
        {4, {col(W - 1), col(W - 2)}, col(0)},
        {5, {col(787), col(0), col(785), col(2)}, col(786)},  // odd from the right, even from the left
        {6, {row(0), row(549), row(2), row(547)}, row(1)},    // even from the top, odd from the bottom
        {7, {row(0), row(1)}, row(H - 1)},
        {8, {row(H - 1), row(H - 2)}, row(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        const auto strips = CScreen::WipeStrips(c.mode, W, H);
        ASSERT_GE(strips.size(), c.first.size());
        for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(strips[i], c.first[i]) << "strip " << i;
        EXPECT_EQ(strips.back(), c.last);
    }
    // A mode the page does not know is the plain copy.
    EXPECT_EQ(CScreen::WipeStrips(9, W, H), CScreen::WipeStrips(0, W, H));
}

class RepaintTest : public uitest::PageTest {
protected:
    void TearDown() override {
        g_bFade = 1;
        uitest::PageTest::TearDown();
    }
    // Swaps the title picture for a missing one (a black page) and repaints
    // with `wipe`; the virtual time it took.
    uint64_t RepaintBlack(int wipe) {
        page->SetBackground("gfx\\backgrounds\\no_such_picture.bmp");
        const uint64_t start = Ui::Get().NowMs();
        page->Repaint(wipe);
        return Ui::Get().NowMs() - start;
    }
    // Points of the title picture that are not black, to see them change.
    std::vector<Point> LitPoints() {
        std::vector<Point> lit;
        for (int y = 5; y < CScreen::kHeight; y += 37)
            for (int x = 3; x < CScreen::kWidth; x += 41)
                if ((At(x, y) & 0xFFFFFF) != 0) lit.push_back({x, y});
        return lit;
    }
};

TEST_F(RepaintTest, WithFadeTheWipeStepsOnTheClockAndLeavesNothingOld) {
    g_bFade = 1;
    const auto lit = LitPoints();
    ASSERT_GT(lit.size(), 20u);
    const uint64_t took = RepaintBlack(6);
    EXPECT_GT(took, 0u);
    EXPECT_EQ(page->GetWipeMode(), 0);  // only for the one redraw
    Frame();
    for (Point p : lit) EXPECT_EQ(At(p.x, p.y) & 0xFFFFFF, 0u) << p.x << "," << p.y;
}

TEST_F(RepaintTest, WithoutFadeEveryRepaintIsAPlainCopy) {
    g_bFade = 0;
    const auto lit = LitPoints();
    ASSERT_GT(lit.size(), 20u);
    EXPECT_EQ(RepaintBlack(5), 0u);
    Frame();
    for (Point p : lit) EXPECT_EQ(At(p.x, p.y) & 0xFFFFFF, 0u) << p.x << "," << p.y;
}

TEST_F(RepaintTest, HiddenRepaintComposesWithoutShowing) {
    const auto lit = LitPoints();
    ASSERT_FALSE(lit.empty());
    page->SetBackground("gfx\\backgrounds\\no_such_picture.bmp");
    page->RepaintHidden();
    // The work buffer holds the new page; the window still the old one.
    EXPECT_EQ(page->GetWorkBuffer().Get(lit[0].x, lit[0].y) & 0xFFFFFF, 0u);
    EXPECT_NE(At(lit[0].x, lit[0].y) & 0xFFFFFF, 0u);
    page->RepaintWithWipe(0);
    EXPECT_EQ(At(lit[0].x, lit[0].y) & 0xFFFFFF, 0u);
}

}  // namespace
