// Kits on pages: the colour ramps, the three sizes built from the shipped
// patterns, the kit slots and their release, printing through the shirt
// mask, and every club's kits of a generated world.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "page_fixture.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/png.h"
#include "platform/trace.h"
#include "shell/kitcolours.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"
#include "soccerclasses/generated_world.h"
#include "support/test_env.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr uint32_t kKitKey = ui::kKeyPixel;

CKits KitOf(int sleeves, int shirt, int shorts, int c3, int c4, int c5, int c6, int c7) {
    CKits k;
    k.bytes = {static_cast<uint8_t>(sleeves), static_cast<uint8_t>(shirt), static_cast<uint8_t>(shorts),
               static_cast<uint8_t>(c3),      static_cast<uint8_t>(c4),    static_cast<uint8_t>(c5),
               static_cast<uint8_t>(c6),      static_cast<uint8_t>(c7)};
    return k;
}

class ScreenKitsTest : public uitest::PageTest {
protected:
    // The palette indexes of a shipped pattern.
    std::vector<uint8_t> Pattern(const std::string& path, int* w = nullptr) {
        uint8_t pal[1024];
        std::vector<uint8_t> px;
        int width = 0, height = 0;
        EXPECT_EQ(page->LoadBitmap8(path, pal, px, &width, &height), 0) << path;
        if (w) *w = width;
        return px;
    }
    void Paint() {
        page->Invalidate(false);
        page->UpdateNow();
    }
    uint32_t OnWindow(int x, int y) {
        Point origin;
        Picture* p = page->PaintPicture(&origin);
        return p ? p->Get(origin.x + x, origin.y + y) & 0xFFFFFF : 0xFFFFFFFF;
    }
};

TEST(KitColourRamp, EightStepsDownFromTheColourAndNothingForNoSteps) {
    uint8_t t[40];
    std::memset(t, 0xEE, sizeof t);
    CScreen::BuildColourRamp(t, 255, 255, 255, 8);
    const int want[] = {255, 223, 191, 159, 127, 95, 63, 31};
    for (int k = 0; k < 8; ++k)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(t[4 * k + c], want[k]) << k;
    CScreen::BuildColourRamp(t, 255 / 2.0, 255 / 2.0, 255 / 2.0, 8);
    EXPECT_EQ(t[0], 127) << "a dimmed white starts at 127";
    // Blue, green, red in that order.
    CScreen::BuildColourRamp(t, 200, 100, 40, 8);
    EXPECT_EQ(t[0], 40);
    EXPECT_EQ(t[1], 100);
    EXPECT_EQ(t[2], 200);
    std::memset(t, 0xEE, sizeof t);
    CScreen::BuildColourRamp(t, 255, 255, 255, 0);
    CScreen::BuildColourRamp(t, 255, 255, 255, -3);
    for (uint8_t b : t) EXPECT_EQ(b, 0xEE) << "no steps, no entries";
}

TEST_F(ScreenKitsTest, AFullKitPaintsTheMainRampWhereTheShirtUsesIt) {
    // Red shirt, white second colour and trim, blue shorts.
    const CKits kit = KitOf(2, 0, 0, 7, 15, 15, 11, 11);
    std::unique_ptr<Surface> s;
    page->BuildKitSurface(s, CScreen::kKitFull, kit);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->Width(), 128);
    ASSERT_EQ(s->Height(), 128);
    const auto shirt = Pattern("gfx\\kits\\kits\\shirt00.bmp");
    const auto sleeves = Pattern("gfx\\kits\\kits\\sleeves02.bmp");
    const auto shorts = Pattern("gfx\\kits\\kits\\shorts00.bmp");
    int red = 0, blue = 0;
    for (int i = 0; i < 128 * 128; ++i) {
        const int x = i % 128, y = i / 128;
        const uint32_t got = s->Get(x, y) & 0xFFFFFF;
        if (sleeves[i] != 0 || shorts[i] != 0) {
            if (shorts[i] >= 33 && shorts[i] <= 40 && sleeves[i] == 0) {
                const int k = shorts[i] - 33;
                EXPECT_EQ(got, platform::gfx::MakePixel(0, 0, static_cast<int>(255 - k * 31.875))) << x << "," << y;
                ++blue;
            }
            continue;
        }
        if (shirt[i] >= 1 && shirt[i] <= 8) {
            const int k = shirt[i] - 1;
            const int want = static_cast<int>(255 - k * 31.875);
            EXPECT_EQ(got, platform::gfx::MakePixel(want, 0, 0)) << x << "," << y;
            ++red;
        }
    }
    EXPECT_GT(red, 1000) << "most of the shirt";
    EXPECT_GT(blue, 500) << "most of the shorts";
}

TEST_F(ScreenKitsTest, TheThreeSizesAndTheirParts) {
    const CKits kit = KitOf(4, 5, 3, 10, 4, 15, 15, 10);
    struct Case {
        int flags;
        int size;
        const char* folder;
    };
    for (const Case c : {Case{0, 32, "smallkits"}, Case{CScreen::kKitTiny, 22, "tinykits"},
                         Case{CScreen::kKitTiny | CScreen::kKitDimmed, 22, "tinykits"},
                         Case{CScreen::kKitFull | CScreen::kKitTiny, 128, "kits"}}) {
        SCOPED_TRACE(c.flags);
        std::unique_ptr<Surface> s;
        page->BuildKitSurface(s, c.flags, kit);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->Width(), c.size);
        ASSERT_EQ(s->Height(), c.size);
        if (c.size == 128) continue;
        // Small and tiny kits are the shirt and its sleeves, nothing else.
        const auto shirt = Pattern(std::string("gfx\\kits\\") + c.folder + "\\shirt05.bmp");
        const auto sleeves = Pattern(std::string("gfx\\kits\\") + c.folder + "\\sleeves04.bmp");
        for (int i = 0; i < c.size * c.size; ++i) {
            const bool kitPixel = (s->Get(i % c.size, i / c.size) & 0xFFFFFF) != (kKitKey & 0xFFFFFF);
            EXPECT_EQ(kitPixel, shirt[i] != 0 || sleeves[i] != 0) << i;
        }
    }
    // Dimmed is darker: the brightest component of the kit halves.
    std::unique_ptr<Surface> bright, dim;
    page->BuildKitSurface(bright, 0, kit);
    page->BuildKitSurface(dim, CScreen::kKitDimmed, kit);
    int maxBright = 0, maxDim = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if ((bright->Get(x, y) & 0xFFFFFF) == (kKitKey & 0xFFFFFF)) continue;
            maxBright = std::max(maxBright, platform::gfx::PixelG(bright->Get(x, y)));
            maxDim = std::max(maxDim, platform::gfx::PixelG(dim->Get(x, y)));
        }
    EXPECT_EQ(maxBright, 255);
    EXPECT_EQ(maxDim, 127);
}

TEST_F(ScreenKitsTest, AFullKitStandsOnTheHighlight) {
    std::unique_ptr<Surface> s;
    page->BuildKitSurface(s, CScreen::kKitFull, KitOf(0, 0, 0, 7, 7, 7, 7, 7));
    ASSERT_TRUE(s);
    const auto high = Pattern("gfx\\kits\\kits\\kit_highlight.bmp");
    const auto shirt = Pattern("gfx\\kits\\kits\\shirt00.bmp");
    const auto sleeves = Pattern("gfx\\kits\\kits\\sleeves00.bmp");
    const auto shorts = Pattern("gfx\\kits\\kits\\shorts00.bmp");
    int shown = 0;
    for (int i = 0; i < 128 * 128; ++i) {
        const uint32_t got = s->Get(i % 128, i / 128) & 0xFFFFFF;
        if (high[i] == 0 && shirt[i] == 0 && sleeves[i] == 0 && shorts[i] == 0) {
            EXPECT_EQ(got, kKitKey & 0xFFFFFF) << "outside the kit stays see-through";
        }
        if (high[i] != 0 && shirt[i] == 0 && sleeves[i] == 0 && shorts[i] == 0) {
            // The inside of the neck: the highlight's grey, not the kit's red.
            EXPECT_EQ(platform::gfx::PixelR(got), platform::gfx::PixelG(got)) << i;
            ++shown;
        }
    }
    EXPECT_GT(shown, 20);
}

TEST_F(ScreenKitsTest, AColourPastTheTableIsColourZeroWithATrace) {
    platform::TraceCapture trace;
    std::unique_ptr<Surface> odd, zero;
    page->BuildKitSurface(odd, 0, KitOf(0, 0, 0, 16, 200, 16, 16, 16));
    page->BuildKitSurface(zero, 0, KitOf(0, 0, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(odd && zero);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(odd->Get(x, y), zero->Get(x, y));
    EXPECT_TRUE(trace.Contains("colour 16"));
    EXPECT_TRUE(trace.Contains("colour 200"));
}

TEST_F(ScreenKitsTest, ReleasingASlotDrawsItsWholeRectangleAgain) {
    Paint();
    const uint32_t kitBackground = OnWindow(554, 46), badgeBackground = OnWindow(495, 184);
    CClub club;
    club.HomeKit() = KitOf(0, 1, 0, 7, 15, 15, 15, 15);
    page->BuildClubKitSurface(reinterpret_cast<uintptr_t>(&club));
    page->BuildSecondKitSurface(reinterpret_cast<uintptr_t>(&club));
    ASSERT_TRUE(page->IsPicturePresent(kSlotKit));
    ASSERT_TRUE(page->IsPicturePresent(kSlotBadge));
    Paint();
    // Both points lie in the kits' pictures, outside the rectangles once
    // given for their release.
    EXPECT_NE(OnWindow(554, 46), kitBackground);
    EXPECT_NE(OnWindow(495, 184), badgeBackground);
    page->ReleaseKitSurface(true);
    page->ReleaseSecondKitSurface(true);
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
    EXPECT_FALSE(page->IsPicturePresent(kSlotBadge));
    EXPECT_EQ(OnWindow(554, 46), kitBackground);
    EXPECT_EQ(OnWindow(495, 184), badgeBackground);
    // An empty slot: only the flag, and the redraw when asked.
    page->ReleaseKitSurface(true);
    page->ReleaseSecondKitSurface(false);
    EXPECT_FALSE(page->IsPicturePresent(kSlotKit));
}

TEST_F(ScreenKitsTest, TheClubContextPictureIsItsHomeKit) {
    CClub club;
    club.HomeKit() = KitOf(3, 7, 2, 2, 15, 4, 0, 2);
    club.AwayKit() = KitOf(1, 1, 1, 4, 4, 4, 4, 4);
    page->ShowContextPicture(kContextClub, reinterpret_cast<uintptr_t>(&club), true, 0);
    ASSERT_TRUE(page->IsPicturePresent(kSlotKit));
    std::unique_ptr<Surface> want;
    page->BuildKitSurface(want, CScreen::kKitFull, club.GetHomeKit());
    Surface* got = page->GetPictureSurface(kSlotKit);
    ASSERT_EQ(got->Width(), 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) ASSERT_EQ(got->Get(x, y), want->Get(x, y));
}

TEST_F(ScreenKitsTest, PrintingSetsOnlyWhatIsNotBlackThroughTheMask) {
    std::unique_ptr<Surface> kit;
    page->BuildKitSurface(kit, CScreen::kKitFull, KitOf(6, 11, 5, 8, 15, 0, 15, 8));
    ASSERT_TRUE(kit);
    constexpr uint32_t kPaper = 0x010203;
    Surface paper(300, 300, kPaper);
    platform::gfx::Canvas dc(paper);
    // The printing canvas counts y upwards: put its origin at the bottom.
    dc.SetViewportOrg({0, 299});
    ASSERT_EQ(page->PrintKitWithMask(&dc, 40, 30, kit.get()), 0);
    // What the mask lets through, composed as printing composes it.
    std::unique_ptr<Surface> mask;
    ASSERT_EQ(page->BuildSurfaceFromBitmap("gfx\\match\\surfaces\\shirtmask.bmp", mask), 0);
    page->BlitSurfaceKeyedAt(0, 0, kit.get(), mask.get());
    int printed = 0, left = 0;
    for (int row = 0; row < 128; ++row)
        for (int col = 0; col < 128; ++col) {
            const uint32_t want = mask->Get(col, row) & 0xFFFFFF;
            const uint32_t got = paper.Get(40 + col, 299 - (30 + row)) & 0xFFFFFF;
            if (want == 0) {
                EXPECT_EQ(got, kPaper) << col << "," << row;
                ++left;
            } else {
                EXPECT_EQ(got, want);
                ++printed;
            }
        }
    EXPECT_GT(printed, 3000);
    EXPECT_GT(left, 3000);
    const auto dir = testenv::BuildDir() / "art-sheets";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(platform::gfx::WritePng(paper, dir / "kit_printed.png"));
}

// A sheet of every pattern in a few colourings, for people to look at.
TEST_F(ScreenKitsTest, SheetOfEveryPattern) {
    const int colourings[][5] = {{7, 15, 15, 15, 7}, {11, 4, 15, 11, 11}, {3, 15, 0, 0, 3}, {0, 6, 6, 15, 0}};
    Surface sheet(10 * 132, 5 * 132 * 2 + 3 * 80, platform::gfx::MakePixel(60, 64, 70));
    for (int shirt = 0; shirt < 50; ++shirt) {
        const int* c = colourings[shirt % 4];
        std::unique_ptr<Surface> s;
        page->BuildKitSurface(s, CScreen::kKitFull, KitOf(shirt % 30, shirt, shirt % 34, c[0], c[1], c[4], c[2], c[3]));
        page->BlitSurfaceKeyedAt((shirt % 10) * 132, (shirt / 10) * 132, s.get(), &sheet);
    }
    for (int shorts = 0; shorts < 34; ++shorts) {
        const int* c = colourings[(shorts + 1) % 4];
        std::unique_ptr<Surface> s;
        page->BuildKitSurface(s, CScreen::kKitFull, KitOf(shorts % 30, shorts % 50, shorts, c[0], c[1], c[4], c[2], c[3]));
        page->BlitSurfaceKeyedAt((shorts % 10) * 132, 660 + (shorts / 10) * 132, s.get(), &sheet);
    }
    for (int i = 0; i < 50; ++i) {
        const int* c = colourings[i % 4];
        for (int flags : {0, static_cast<int>(CScreen::kKitTiny)}) {
            std::unique_ptr<Surface> s;
            page->BuildKitSurface(s, flags, KitOf(i % 30, i, 0, c[0], c[1], c[4], c[2], c[3]));
            page->BlitSurfaceKeyedAt((i % 20) * 64 + (flags ? 36 : 0), 1330 + (i / 20) * 40, s.get(), &sheet);
        }
    }
    const auto dir = testenv::BuildDir() / "art-sheets";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(platform::gfx::WritePng(sheet, dir / "kits.png"));
    EXPECT_TRUE(backend->Boxes().empty()) << "no pattern missing";
}

// Every club of a generated world: both kits in all three sizes, nothing
// missing, and every pattern on the one palette.
class WorldKitsTest : public worldtest::GeneratedWorld {
protected:
    void SetUp() override {
        auto b = std::make_unique<HeadlessBackend>(Size{1024, 768});
        backend = b.get();
        Ui::Get().Start(std::move(b));
        ASSERT_TRUE(LoadArchiveIndexes());
    }
    void TearDown() override {
        Ui::Get().Stop();
        FreeArchiveIndexes();
        worldtest::GeneratedWorld::TearDown();
    }
    HeadlessBackend* backend = nullptr;
};

TEST_F(WorldKitsTest, EveryClubsKitsBuildInEverySizeFromPatternsOnOnePalette) {
    Build(7, [](int) { return true; });
    CScreen page;
    ForgetReportedPictures();
    int built = 0;
    for (int i = 0; i < world->GetClubCount(); ++i) {
        const CClub* club = world->GetClub(i);
        for (const CKits* kit : {&club->GetHomeKit(), &club->GetAwayKit()})
            for (int flags : {0, static_cast<int>(CScreen::kKitTiny), static_cast<int>(CScreen::kKitFull)}) {
                std::unique_ptr<Surface> s;
                page.BuildKitSurface(s, flags, *kit);
                ASSERT_TRUE(s);
                ++built;
            }
    }
    EXPECT_GT(built, 600);
    EXPECT_TRUE(backend->Boxes().empty()) << (backend->Boxes().empty() ? "" : backend->Boxes().front().text);

    std::array<uint8_t, 1024> first{};
    bool haveFirst = false;
    int patterns = 0;
    for (const char* folder : {"kits", "smallkits", "tinykits"})
        for (const auto& [stem, count] : {std::pair{"shirt", 50}, {"sleeves", 30}, {"shorts", 34}}) {
            if (std::string(stem) == "shorts" && std::string(folder) != "kits") continue;
            for (int n = 0; n < count; ++n) {
                char path[64];
                std::snprintf(path, sizeof path, "gfx\\kits\\%s\\%s%02d.bmp", folder, stem, n);
                std::array<uint8_t, 1024> pal{};
                std::vector<uint8_t> px;
                ASSERT_EQ(page.LoadBitmap8(path, pal.data(), px), 0) << path;
                if (!haveFirst) first = pal, haveFirst = true;
                EXPECT_EQ(pal, first) << path;
                // Colour areas use the ramps only; outlines and the key are
                // the only other entries a pattern paints with.
                for (uint8_t p : px)
                    ASSERT_TRUE(p == 0 || p == 80 || (p >= 1 && p <= 8) || (p >= 17 && p <= 24) ||
                                (p >= 33 && p <= 40) || (p >= 49 && p <= 56) || (p >= 65 && p <= 72))
                        << path << " entry " << int(p);
                ++patterns;
            }
        }
    EXPECT_EQ(patterns, 3 * 80 + 34);
    // The key colour at entry 0, exactly.
    EXPECT_EQ(first[0], 143);
    EXPECT_EQ(first[1], 0);
    EXPECT_EQ(first[2], 255);
}

}  // namespace
