#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "platform/gfx/pixelformat.h"

namespace platform::gfx {
namespace {

Rect Inked(const Surface& s, Pixel bg) {
    Rect r;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Get(x, y) != bg) r = r.Union(Rect::XYWH(x, y, 1, 1));
    return r;
}

TEST(FontTest, FaceMap) {
    struct Case {
        const char* face;
        const char* family;
    } cases[] = {
        {"Arial", "Liberation Sans"},          {"MS Sans Serif", "Liberation Sans"},
        {"ms sans serif", "Liberation Sans"},  {"SSerife", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"}, {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},    {"Haettenschweiler", "DejaVu Sans"},
        {"Arial Black", "DejaVu Sans"},        {"AriBlk", "DejaVu Sans"},
        {"Wingdings", "Liberation Sans"},      {"", "Liberation Sans"},
    };
    for (const Case& c : cases) EXPECT_EQ(FaceFor(c.face).family, c.family) << c.face;
    EXPECT_TRUE(FaceFor("SSerife").smallestEight);
    EXPECT_TRUE(FaceFor("MS Sans Serif").smallestEight);
    EXPECT_FALSE(FaceFor("Arial").smallestEight);
    EXPECT_TRUE(FaceFor("Haettenschweiler").condensedHeavy);
}

TEST(FontTest, EveryMappedFaceDrawsAtItsPlace) {
    for (const char* face : {"Arial", "MS Sans Serif", "Arial Narrow", "Times New Roman", "Courier New",
                             "Haettenschweiler", "Arial Black", "AriBlk", "SSerife"}) {
        auto font = Font::Create(face, PointsToHeight(12), 400);
        ASSERT_TRUE(font) << face;
        Surface s(200, 40, kBlack);
        Canvas c(s);
        c.SelectFont(font);
        c.SetBkMode(TRANSPARENT);
        c.SetTextColor(RGB(255, 255, 255));
        c.TextOut(10, 5, "Hl");
        Rect ink = Inked(s, kBlack);
        ASSERT_FALSE(ink.IsEmpty()) << face;
        // The 'H' starts near the pen; its top is near the cell's top.
        EXPECT_NEAR(ink.left, 11, 2) << face;
        EXPECT_NEAR(ink.top, 5 + font->Metrics().internalLeading, 3) << face;
        EXPECT_LE(ink.bottom, 5 + font->Metrics().ascent + 1) << face;
        EXPECT_NEAR(ink.right, 10 + font->Measure("Hl"), 3) << face;
    }
}

TEST(FontTest, HeightSignRulesAndTheSmallestBitmapSize) {
    auto em = Font::Create("Arial", -16);
    EXPECT_EQ(em->Metrics().height, 18) << "an em of 16 has an 18-pixel cell";
    EXPECT_EQ(em->Metrics().internalLeading, 2);
    auto cell = Font::Create("Arial Black", 20, 600);
    EXPECT_EQ(cell->Metrics().height, 20) << "a positive height is the cell";
    EXPECT_EQ(cell->Metrics().ascent + cell->Metrics().descent, 20);
    EXPECT_EQ(Font::Create("MS Sans Serif", 8)->Metrics().height, 13);
    EXPECT_EQ(Font::Create("SSerife", 10)->Metrics().height, 13);
    EXPECT_EQ(Font::Create("MS Sans Serif", PointsToHeight(8))->Metrics().height, 13);
    EXPECT_EQ(Font::Create("Arial", 8)->Metrics().height, 8) << "other faces go as small as asked";
    EXPECT_EQ(PointsToHeight(8), -11);
    EXPECT_EQ(PointsToHeight(12), -16);
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(-10, 96, 72), -13);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    // Bold from 600 on: heavier ink.
    auto inkOf = [](int weight) {
        Surface s(100, 30, kBlack);
        Canvas c(s);
        c.SelectFont(Font::Create("Arial", -16, weight));
        c.SetTextColor(RGB(255, 255, 255));
        c.TextOut(2, 2, "Mmmm");
        int sum = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x) sum += PixelR(s.Get(x, y));
        return sum;
    };
    EXPECT_EQ(inkOf(400), inkOf(599));
    EXPECT_GT(inkOf(600), inkOf(400));
    EXPECT_NE(Font::Create("Arial", -16, 600)->File().find("Bold"), std::string::npos);
    EXPECT_EQ(Font::Create("Arial", -16, 599)->File().find("Bold"), std::string::npos);
}

TEST(FontTest, Windows1252TextDraws) {
    auto font = Font::Create("Arial", -16);
    EXPECT_GT(font->Advance(0xA3), 0) << "the pound sign";
    EXPECT_GT(font->Advance(0xE9), 0);
    EXPECT_GT(font->Advance(0x80), 0) << "the euro sign";
    EXPECT_EQ(font->Measure("\xA3" "5"), font->Advance(0xA3) + font->Advance('5'));
}

TEST(TextTest, AlignmentAndOpaqueBackground) {
    auto font = Font::Create("Arial", -16);
    const int w = font->Measure("Goal");
    struct Case {
        unsigned align;
        int expectedLeft;
    } cases[] = {{TA_LEFT, 100}, {TA_RIGHT, 100 - w}, {TA_CENTER, 100 - w / 2}};
    for (const Case& c : cases) {
        Surface s(200, 60, kBlack);
        Canvas dc(s);
        dc.SelectFont(font);
        dc.SetTextAlign(c.align);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.TextOut(100, 10, "Goal");
        Rect bk = Inked(s, kBlack);
        EXPECT_EQ(bk.left, c.expectedLeft) << c.align;
        EXPECT_EQ(bk.top, 10);
        EXPECT_EQ(bk.Height(), font->Metrics().height);
    }
    Surface s(200, 60, kBlack);
    Canvas dc(s);
    dc.SelectFont(font);
    dc.SetTextAlign(TA_BASELINE);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(10, 40, "H");
    EXPECT_NEAR(Inked(s, kBlack).bottom, 40, 1);
}

TEST(TextTest, WrappedDrawingAndMeasuring) {
    auto font = Font::Create("Arial Narrow", -14);
    Surface s(300, 200, kBlack);
    Canvas dc(s);
    dc.SelectFont(font);
    const std::string text = "Nobody has caught my eye in training at the moment boss.";
    Rect r{10, 10, 110, 10};
    const int h = dc.DrawText(text, r, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    const int lh = font->Metrics().height;
    EXPECT_EQ(h % lh, 0);
    EXPECT_GE(h / lh, 3);
    EXPECT_EQ(r.bottom, 10 + h);
    EXPECT_EQ(Inked(s, kBlack), Rect{}) << "measuring draws nothing";
    dc.SetTextColor(RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    Rect box{10, 10, 110, 200};
    EXPECT_EQ(dc.DrawText(text, box, DT_WORDBREAK | DT_NOPREFIX), h);
    Rect ink = Inked(s, kBlack);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 110);
    EXPECT_LE(ink.bottom, 10 + h);
    EXPECT_GT(ink.bottom, 10 + h - lh);
    // A clipped single line stays in its box; with no clip it runs out.
    Surface t(300, 40, kBlack);
    Canvas dt(t);
    dt.SelectFont(font);
    dt.SetTextColor(RGB(255, 255, 255));
    dt.SetBkMode(TRANSPARENT);
    Rect narrow{0, 0, 30, 20};
    dt.DrawText(text, narrow, DT_SINGLELINE);
    EXPECT_LE(Inked(t, kBlack).right, 30);
    dt.DrawText(text, narrow, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Inked(t, kBlack).right, 100);
    // Centred lines and the prefix rule.
    Rect calc{0, 0, 300, 0};
    dt.DrawText("&Save", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), font->Measure("Save"));
    Rect calc2{0, 0, 300, 0};
    dt.DrawText("&Save", calc2, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(calc2.Width(), font->Measure("&Save"));
}

TEST(TextTest, WrappedTextBreaksAtEachLineEndAndKeepsEmptyLines) {
    auto font = Font::Create("Arial Narrow", -14);
    ASSERT_TRUE(font);
    const int lh = font->Metrics().height;
    Surface s(400, 200, kBlack);
    Canvas dc(s);
    dc.SelectFont(font);
    struct Case {
        const char* text;
        int lines;
    } cases[] = {
        {"One short paragraph.", 1},
        // A CR LF pair is one break, not two; two pairs leave an empty line.
        {"First line.\r\nSecond line.", 2},
        {"First paragraph.\r\n\r\nSecond paragraph.", 3},
        {"A\r\n\r\nB\r\n\r\nC", 5},
        {"Lone feeds\nbreak too.", 2},
        {"A break after spaces   \r\nstill one.", 2},
    };
    for (const Case& c : cases) {
        Rect r{0, 0, 380, 0};
        EXPECT_EQ(dc.DrawText(c.text, r, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX), c.lines * lh) << c.text;
    }
    // The line after the empty one is drawn two lines down, at the left edge.
    dc.SetTextColor(RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    Rect box{10, 10, 390, 190};
    dc.DrawText("Top\r\n\r\nBottom", box, DT_WORDBREAK | DT_NOPREFIX);
    for (int y = 10 + lh; y < 10 + 2 * lh; ++y)
        for (int x = 0; x < 400; ++x) EXPECT_EQ(s.Get(x, y), kBlack) << "the empty line stays empty at y " << y;
    Rect ink = Inked(s, kBlack);
    EXPECT_GT(ink.bottom, 10 + 2 * lh);
    EXPECT_LE(ink.bottom, 10 + 3 * lh);
    EXPECT_LT(ink.left, 14);
    // Single-line drawing ignores the breaks.
    Rect one{0, 0, 380, 0};
    EXPECT_EQ(dc.DrawText("A\r\nB", one, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX), lh);
}

TEST(TextTest, NeverBlendsWithTheKeyColour) {
    const DesktopFormat k565 = DesktopFormatFromMasks(16, 0xF800, 0x07E0, 0x001F);
    for (ColourRef colour : {RGB(255, 255, 255), RGB(255, 0, 0), RGB(250, 10, 150), RGB(0, 0, 0)}) {
        Surface s(240, 40, kKeyPixel);
        Canvas dc(s);
        dc.SelectFont(Font::Create("Times New Roman", -22, 700, true));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(colour);
        dc.TextOut(4, 4, "Keyed & anti-aliased");
        int text = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                Pixel p = s.Get(x, y);
                if (p == kKeyPixel) continue;
                ++text;
                if (ToPixel(colour) != kKeyPixel) {
                    EXPECT_NE(ConvertColour(k565, PixelR(p), PixelG(p), PixelB(p)), 0xF811u) << x << "," << y;
                }
                EXPECT_EQ(p, ToPixel(colour)) << "over the key a glyph pixel is the text colour or nothing";
            }
        EXPECT_GT(text, 100);
    }
    // Over other colours the edges are blended.
    Surface s(100, 40, kBlack);
    Canvas dc(s);
    dc.SelectFont(Font::Create("Arial", -22));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(4, 4, "Ocean");
    int grey = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) grey += s.Get(x, y) != kBlack && s.Get(x, y) != kWhite;
    EXPECT_GT(grey, 10);
}

TEST(TextTest, UnderlineAndMetricsThroughTheCanvas) {
    Surface s(100, 30, kBlack);
    Canvas dc(s);
    auto f = Font::Create("Arial", -14, 400, false, true);
    dc.SelectFont(f);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(0, 0, "a b");
    const int y = f->Metrics().ascent + 1;
    EXPECT_EQ(s.Get(f->Advance('a') + 1, y), kWhite) << "the underline runs under the space";
    EXPECT_EQ(dc.GetTextExtent("a b").cx, f->Measure("a b"));
    EXPECT_EQ(dc.GetTextMetrics().height, f->Metrics().height);
    Canvas fresh(s);
    EXPECT_GT(fresh.GetTextMetrics().height, 0) << "a new canvas has the system font";
}

}  // namespace
}  // namespace platform::gfx

namespace platform::gfx {
namespace {

TEST(TextTest, PrintingMapModeScalesTheFont) {
    // 100 logical units across 600 pixels: a 10-unit font is 60 pixels tall.
    Surface s(600, 470, kWhite);
    Canvas dc(s);
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({600, -470});
    dc.SetViewportOrg({0, 470});
    dc.SelectFont(Font::Create("Arial", -10));
    const TextMetrics m = dc.GetTextMetrics();
    EXPECT_NEAR(m.height, 11, 1) << "metrics come back in logical units";
    const Size ext = dc.GetTextExtent("Table");
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(10, 90, "Table");
    Rect ink = Inked(s, kWhite);
    EXPECT_NEAR(ink.Width(), ext.cx * 6, 12);
    EXPECT_GT(ink.Height(), 30);
    EXPECT_LT(ink.top, 470 - 80 * 47 / 10);
}

TEST(TextTest, EndEllipsisCutsTheLine) {
    Surface s(300, 30, kBlack);
    Canvas dc(s);
    auto f = Font::Create("Arial", -14);
    dc.SelectFont(f);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    Rect r{0, 0, 80, 20};
    dc.DrawText("Wolverhampton Wanderers Reserves", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    EXPECT_LE(Inked(s, kBlack).right, 80);
    EXPECT_GT(Inked(s, kBlack).right, 60);
}

}  // namespace
}  // namespace platform::gfx

namespace platform::gfx {
namespace {

TEST(FontTest, TheSameRequestGivesTheSameFont) {
    auto a = Font::Create("Arial Narrow", -16, 700);
    auto b = Font::Create("arial narrow", -16, 700);
    auto c = Font::Create("Arial Narrow", -16, 400);
    EXPECT_EQ(a.get(), b.get());
    EXPECT_NE(a.get(), c.get());
    EXPECT_EQ(Font::CreatePoint(80, "MS Sans Serif")->Metrics().height, 13);
}

}  // namespace
}  // namespace platform::gfx
