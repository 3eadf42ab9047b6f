// Text in the page's six fonts, the framed rectangle, the share bar and the
// match-state banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/png.h"
#include "platform/stringtable.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"
#include "shell/view.h"
#include "page_fixture.h"
#include "support/test_env.h"

using namespace platform::gfx;

namespace {

constexpr Pixel kShadow = MakePixel(97, 83, 89);

// The box holding every pixel that is not `background`.
std::optional<Rect> InkBox(const Surface& s, Pixel background = kBlack) {
    Rect box{s.Width(), s.Height(), -1, -1};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Get(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    if (box.right < 0) return std::nullopt;
    return box;
}

// One pass of text as GDI draws it, for comparison.
Surface Plain(const FontRef& font, unsigned align, std::string_view text, int x, int y, ColourRef colour,
              int w = 200, int h = 80) {
    Surface s(w, h, kBlack);
    Canvas dc(s);
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(align);
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text);
    return s;
}

class PageTextTest : public pagetest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        MakePage();
        // The view makes the scratch surface at start; here the test does.
        ASSERT_EQ(CreatePlainSurface(g_pScratchSurface, 320, 200), DD_OK);
        page->CreateFonts(g_pScratchSurface.get());
    }
    void TearDown() override {
        g_pScratchSurface.reset();
        PageFixture::TearDown();
    }
};

TEST_F(PageTextTest, TheSixFontsHaveTheirEmHeights) {
    const int em[6] = {16, 13, 19, 12, 21, 43};
    for (int i = 0; i < 6; ++i) {
        FontRef f = page->GetPageFont(i);
        ASSERT_TRUE(f) << i;
        EXPECT_EQ(f->Requested().height, -em[i]) << "font " << i;
        EXPECT_EQ(f->Metrics().height - f->Metrics().internalLeading, em[i]) << "font " << i;
        EXPECT_EQ(f->Bold(), i != 3) << "font " << i;
        EXPECT_EQ(f->Requested().face, i == 3 ? "MS Sans Serif" : "Arial Narrow") << "font " << i;
    }
    EXPECT_FALSE(page->GetPageFont(6));
    page->DeleteFonts();
    EXPECT_FALSE(page->GetPageFont(0));
}

TEST_F(PageTextTest, ShadowedTextAtItsPointInEachAlignment) {
    for (int font = 0; font < 6; ++font) {
        for (unsigned align : {TA_LEFT, TA_RIGHT, TA_CENTER}) {
            const int x = 200, y = 10;
            Surface s(400, 80, kBlack);
            page->DrawShadowText(font, align, &s, "Rovers", x, y);
            const Surface white = Plain(page->GetPageFont(font), align, "Rovers", x, y, RGB(255, 255, 255), 400);
            const Surface shadow =
                Plain(page->GetPageFont(font), align, "Rovers", x + 1, y + 1, RGB(97, 83, 89), 400);
            auto ink = InkBox(s), w = InkBox(white);
            ASSERT_TRUE(ink && w) << font;
            EXPECT_EQ(ink->left, w->left) << font << "/" << align;
            EXPECT_EQ(ink->top, w->top) << font << "/" << align;
            // The shadow reaches one pixel further right and down (where its
            // edge is faint enough to vanish in the dark, not at all).
            EXPECT_GE(ink->right, w->right);
            EXPECT_LE(ink->right, w->right + 1);
            EXPECT_GE(ink->bottom, w->bottom);
            EXPECT_LE(ink->bottom, w->bottom + 1);
            // Where only the shadow inks, it is the shadow colour; the face is white.
            int shadowOnly = 0, face = 0;
            for (int yy = 0; yy < 80; ++yy)
                for (int xx = 0; xx < 400; ++xx) {
                    if (white.Get(xx, yy) == kBlack && shadow.Get(xx, yy) == kShadow) {
                        EXPECT_EQ(s.Get(xx, yy), kShadow);
                        ++shadowOnly;
                    }
                    if (white.Get(xx, yy) == kWhite) {
                        EXPECT_EQ(s.Get(xx, yy), kWhite);
                        ++face;
                    }
                }
            EXPECT_GT(shadowOnly, 0);
            EXPECT_GT(face, 0);
            // The point is where the alignment says.
            if (align == TA_LEFT) {
                EXPECT_LE(std::abs(w->left - x), 3);
            }
            if (align == TA_RIGHT) {
                EXPECT_LE(std::abs(w->right - x), 3);
            }
            if (align == TA_CENTER) {
                EXPECT_LE(std::abs((w->left + w->right) / 2 - x), 3);
            }
        }
    }
    // The plain-string form draws the same.
    Surface a(200, 80, kBlack), b(200, 80, kBlack);
    page->DrawShadowText(1, TA_LEFT, &a, "Half time", 5, 5);
    page->DrawShadowTextSz(1, TA_LEFT, &b, "Half time", 5, 5);
    EXPECT_EQ(a, b);
}

TEST_F(PageTextTest, ColourTextHasNoShadowInBlack) {
    Surface s(200, 60, kWhite);
    page->DrawColourText(0, TA_LEFT, &s, "Goal", 10, 10, 0, 0, 0);
    bool inked = false;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const Pixel p = s.Get(x, y);
            if (p == kWhite) continue;
            inked = true;
            ASSERT_TRUE(PixelR(p) == PixelG(p) && PixelG(p) == PixelB(p)) << "a shadow pixel at " << x << "," << y;
        }
    EXPECT_TRUE(inked);
    // In a colour the shadow is there.
    Surface c(200, 60, kBlack);
    page->DrawColourTextSz(0, TA_LEFT, &c, "Goal", 10, 10, 255, 255, 0);
    auto ink = InkBox(c);
    auto face = InkBox(Plain(page->GetPageFont(0), TA_LEFT, "Goal", 10, 10, RGB(255, 255, 0), 200, 60));
    ASSERT_TRUE(ink && face);
    EXPECT_EQ(ink->right, face->right + 1);
}

TEST_F(PageTextTest, ClippedTextDropsCharactersUntilItFitsTheWidthLessFour) {
    const FontRef f = page->GetPageFont(1);
    const std::string text = "Wolverhampton";
    const int fits = f->Measure("Wolver");
    struct Case {
        int width;
        const char* drawn;
    };
    const Case cases[] = {
        {fits + 4, "Wolver"},
        {fits + 3, "Wolve"},
        {f->Measure(text) + 4, "Wolverhampton"},
        {2, ""},
    };
    for (const Case& c : cases) {
        Surface got(200, 40, kBlack), want(200, 40, kBlack);
        page->DrawClippedText(c.width, 1, TA_LEFT, &got, text, 3, 3, 200, 200, 0);
        page->DrawColourText(1, TA_LEFT, &want, c.drawn, 3, 3, 200, 200, 0);
        EXPECT_EQ(got, want) << c.width << " should draw \"" << c.drawn << "\"";
    }
}

TEST_F(PageTextTest, WrappedTextBreaksAtWordsWithItsShadowMovedByOne) {
    const FontRef f = page->GetPageFont(3);
    const int lineHeight = f->Metrics().height;
    const std::string text = "The board expects promotion this season";
    const int width = f->Measure("The board expects");
    Surface s(300, 200, kBlack);
    page->DrawWrappedShadowText(3, TA_LEFT, &s, text, 20, 30, width, 150);
    auto ink = InkBox(s);
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top, 30);
    EXPECT_GT(ink->bottom - ink->top, 2 * lineHeight) << "three lines";
    EXPECT_LT(ink->bottom - ink->top, 4 * lineHeight);
    EXPECT_LE(ink->right, 20 + width + 1) << "no line wider than the rectangle and its shadow";
    // The white pass alone, drawn the way DrawText wraps; the shadow adds
    // exactly one pixel right and below.
    Surface white(300, 200, kBlack);
    {
        Canvas dc(white);
        dc.SelectFont(f);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        Rect r{20, 30, 20 + width, 180};
        dc.DrawText(text, r, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
    }
    auto w = InkBox(white);
    ASSERT_TRUE(w);
    EXPECT_EQ(ink->left, w->left);
    EXPECT_EQ(ink->top, w->top);
    EXPECT_EQ(ink->right, w->right + 1);
    EXPECT_EQ(ink->bottom, w->bottom + 1);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if (white.Get(x, y) == kWhite) {
                ASSERT_EQ(s.Get(x, y), kWhite);
            }
}

TEST_F(PageTextTest, NothingIsDrawnWithoutADrawingSurface) {
    Surface s(50, 20, kBlack);
    s.SetRefuseLocks(true);
    page->DrawShadowText(0, TA_LEFT, &s, "Paused", 2, 2);
    page->DrawWrappedShadowText(0, TA_LEFT, &s, "Paused", 2, 2, 40, 20);
    page->DrawClippedText(40, 0, TA_LEFT, &s, "Paused", 2, 2, 255, 0, 0);
    page->DrawShadowText(0, TA_LEFT, nullptr, "Paused", 2, 2);
    page->DrawShadowText(9, TA_LEFT, &s, "Paused", 2, 2);
    EXPECT_EQ(s, Surface(50, 20, kBlack));
}

TEST_F(PageTextTest, ShareBarParts) {
    struct Case {
        int a, b, first;
    };
    const Case cases[] = {{3, 1, 73}, {1, 3, 24}, {4, 0, 98}, {0, 4, 0}, {0, 0, 49}, {5, -5, 49}, {7, 7, 49}};
    const Pixel c1 = MakePixel(200, 0, 0), c2 = MakePixel(0, 0, 200);
    for (const Case& c : cases) {
        Surface s(300, 40, MakePixel(0, 90, 0));
        page->DrawShareBar(&s, 60, 10, c.a, c.b, 200, 0, 0, 0, 0, 200);
        int first = 0, second = 0;
        for (int x = 61; x < 159; ++x) {
            if (s.Get(x, 18) == c1) ++first;
            if (s.Get(x, 18) == c2) ++second;
        }
        EXPECT_EQ(first, c.first) << c.a << ":" << c.b;
        EXPECT_EQ(second, 98 - c.first) << c.a << ":" << c.b;
        if (c.first > 0) {
            EXPECT_EQ(s.Get(61, 11), c1);
        }
        if (c.first < 98) {
            EXPECT_EQ(s.Get(158, 25), c2);
        }
        // The black frame round the parts.
        EXPECT_EQ(s.Get(60, 10), kBlack);
        EXPECT_EQ(s.Get(159, 26), kBlack);
        EXPECT_EQ(s.Get(100, 10), kBlack);
        EXPECT_EQ(s.Get(160, 18), MakePixel(0, 90, 0));
        // The two counts beside the bar.
        auto left = InkBox(s, MakePixel(0, 90, 0));
        ASSERT_TRUE(left);
        EXPECT_LT(left->left, 50);
        EXPECT_GT(left->right, 170);
    }
}

TEST_F(PageTextTest, FramedRectangles) {
    Surface s(20, 20, kWhite);
    page->DrawFramedRect(&s, 2, 2, 2, 10, 0, 200, 0);
    EXPECT_EQ(s, Surface(20, 20, kWhite)) << "a width of 2 draws nothing";
    page->DrawFramedRect(&s, 2, 3, 6, 4, 0, 200, 0);
    EXPECT_EQ(s.Get(2, 3), kBlack);
    EXPECT_EQ(s.Get(7, 6), kBlack);
    EXPECT_EQ(s.Get(3, 4), MakePixel(0, 200, 0));
    EXPECT_EQ(s.Get(6, 5), MakePixel(0, 200, 0));
    EXPECT_EQ(s.Get(8, 4), kWhite);
    page->DrawFramedRect(&s, 15, 15, 30, 30, 1, 1, 1);  // past the edge: clipped
    EXPECT_EQ(s.Get(19, 19), MakePixel(1, 1, 1));
}

TEST_F(PageTextTest, BannerTextsAreTheGamesOwn) {
    const char* texts[] = {"Paused",       "Half time",        "Full time",         "Player injured",
                           "Penalty",      "Match In Extra Time", "Penalty Shootout", "Full Time and AET",
                           "Press play to continue", "Choose player to take penalty",
                           "Choose 5 players to take penalties"};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(platform::LoadString(29229 + i), texts[i]) << 29229 + i;
}

TEST_F(PageTextTest, BannerLinesForEachState) {
    struct Case {
        int state;
        const char* first;
        const char* second;
        int firstY;
    };
    const Case cases[] = {
        {1, "Paused", nullptr, 90},
        {2, "Half time", "Press play to continue", 80},
        {3, "Full time", "Press play to continue", 80},
        {4, "Player injured", "Press play to continue", 80},
        {5, "Penalty", "Choose player to take penalty", 80},
        {6, "Match In Extra Time", "Press play to continue", 80},
        {7, "Penalty Shootout", "Choose 5 players to take penalties", 80},
        {8, "Full Time and AET", "Press play to continue", 80},
        {0, nullptr, nullptr, 0},
        {9, nullptr, nullptr, 0},
    };
    const Pixel grass = MakePixel(20, 110, 30);
    // Every banner on one sheet, for people to look at.
    Surface sheet(640, 800, kBlack);
    int drawn = 0;
    for (const Case& c : cases) {
        g_pScratchSurface->Fill(grass);
        page->m_nMatchState = c.state;
        page->DrawMatchStateBanner();
        if (c.first) {
            Canvas dc(sheet);
            dc.BitBlt((drawn % 2) * 320, (drawn / 2) * 200, 320, 200, *g_pScratchSurface, 0, 0);
            ++drawn;
        }
        Surface want(320, 200, grass);
        if (c.first) page->DrawShadowText(2, TA_CENTER, &want, c.first, 160, c.firstY);
        if (c.second) page->DrawShadowText(1, TA_CENTER, &want, c.second, 160, 100);
        EXPECT_EQ(*g_pScratchSurface, want) << "state " << c.state;
        // The scratch surface is on the window at (454, 13).
        for (Point p : {Point{0, 0}, Point{160, 85}, Point{319, 199}, Point{100, 105}})
            EXPECT_EQ(OnWindow(454 + p.x, 13 + p.y), g_pScratchSurface->Get(p.x, p.y)) << c.state;
        EXPECT_EQ(OnWindow(453, 13), 0u);
        EXPECT_EQ(OnWindow(774, 100), 0u);
    }
    const auto dir = testenv::BuildDir() / "widget-shots";
    std::filesystem::create_directories(dir);
    platform::gfx::WritePng(sheet, dir / "banners.png");
}

TEST_F(PageTextTest, EnlargedBannerHasTheMinuteAndLinesAndFillsThePage) {
    const Pixel grass = MakePixel(20, 110, 30);
    g_pScratchSurface->Fill(grass);
    page->m_nMatchState = kBannerHalfTime;
    page->m_bEnlargedView = 1;
    page->m_nMatchMinute = 45;
    page->m_strBanner = {"Rovers", "1", "Albion", "0"};
    page->DrawMatchStateBanner();
    Surface want(320, 200, grass);
    page->DrawShadowText(2, TA_CENTER, &want, "Half time", 160, 80);
    page->DrawShadowText(1, TA_CENTER, &want, "Press play to continue", 160, 100);
    page->DrawShadowText(1, TA_LEFT, &want, "45", 4, 4);
    page->DrawShadowText(3, TA_LEFT, &want, "Rovers 1", 8, 186);
    page->DrawShadowText(3, TA_LEFT, &want, "Albion 0", 160, 186);
    ASSERT_EQ(*g_pScratchSurface, want);
    // Stretched over the whole page: corners and middle.
    EXPECT_EQ(OnWindow(0, 0), want.Get(0, 0));
    EXPECT_EQ(OnWindow(787, 549), want.Get(319, 199));
    EXPECT_EQ(OnWindow(394, 275), want.Get(394 * 320 / 788, 275 * 200 / 550));
    EXPECT_EQ(OnWindow(788, 549), pagetest::kFrameColour);
}

}  // namespace
