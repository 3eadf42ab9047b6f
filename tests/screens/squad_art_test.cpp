// The squad pages' pictures as the built archives ship them: every path the
// pages load resolves, at its size, keyed with exactly the key colour; the
// hub buttons carry their caption band; each chosen look differs from its
// plain twin.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"
#include "support/test_env.h"
#include "ui/xmessages.h"

namespace {

using platform::gfx::Surface;

class SquadArt : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes());
    }
    void TearDown() override {
        FreeArchiveIndexes();
        platform::ResetFolders();
    }
    static std::optional<Surface> Load(const std::string& path) {
        auto bytes = LoadArchiveEntry(path);
        if (!bytes) return std::nullopt;
        auto b = platform::gfx::DecodeBmp8(*bytes);
        if (!b) return std::nullopt;
        return platform::gfx::ToSurface(*b);
    }
    static uint32_t Rgb(const Surface& s, int x, int y) { return s.Get(x, y) & 0xFFFFFF; }
    static int CountKey(const Surface& s) {
        int n = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) n += Rgb(s, x, y) == ui::kKeyPixel;
        return n;
    }
    static int CountNearKey(const Surface& s) {
        int n = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                const uint32_t p = Rgb(s, x, y);
                const int r = p >> 16, g = (p >> 8) & 255, b = p & 255;
                n += p != ui::kKeyPixel && r > 235 && g < 20 && b > 123 && b < 163;
            }
        return n;
    }
    static bool Same(const Surface& a, const Surface& b) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (Rgb(a, x, y) != Rgb(b, x, y)) return false;
        return true;
    }
};

TEST_F(SquadArt, TheHubButtonsLoadEveryFrameWithItsCaptionBand) {
    const char* names[] = {"team selection", "youth squad", "training", "physio", "tactics editor", "youth training"};
    for (const char* name : names) {
        std::optional<Surface> rest;
        bool moves = false;
        for (int f = 0; f < 8; ++f) {
            char path[96];
            std::snprintf(path, sizeof path, "gfx\\animation\\squadhub\\%s%02d.bmp", name, f);
            auto s = Load(path);
            ASSERT_TRUE(s) << path;
            ASSERT_EQ(s->Width(), 84);
            ASSERT_EQ(s->Height(), 84);
            EXPECT_GT(CountKey(*s), 0) << path << ": the rounded corners are keyed";
            EXPECT_EQ(CountNearKey(*s), 0) << path;
            // The band along the foot: dark, with bright caption strokes.
            int dark = 0, bright = 0;
            for (int y = 66; y < 80; ++y)
                for (int x = 6; x < 78; ++x) {
                    const uint32_t p = Rgb(*s, x, y);
                    const int lum = ((p >> 16) + ((p >> 8) & 255) + (p & 255)) / 3;
                    dark += lum < 50;
                    bright += lum > 200;
                }
            EXPECT_GT(dark, 300) << path;
            EXPECT_GT(bright, 40) << path << ": the page's name is written in the band";
            if (!rest)
                rest = std::move(s);
            else
                moves |= !Same(*rest, *s);
        }
        EXPECT_TRUE(moves) << name << " animates";
    }
}

TEST_F(SquadArt, TheFilterButtonsAreKeyedAndTheirChosenLookDiffers) {
    for (const char* name : {"all", "keeper", "def", "mid", "strike"}) {
        auto plain = Load(std::string("gfx\\buttons\\") + name + ".bmp");
        auto chosen = Load(std::string("GFX\\Buttons\\") + name + "_LO.bmp");
        ASSERT_TRUE(plain && chosen) << name;
        EXPECT_EQ(plain->Width(), 64);
        EXPECT_EQ(plain->Height(), 30);
        EXPECT_EQ(chosen->Width(), 64);
        EXPECT_EQ(chosen->Height(), 30);
        EXPECT_GT(CountKey(*plain), 0);
        EXPECT_EQ(CountNearKey(*plain) + CountNearKey(*chosen), 0);
        EXPECT_FALSE(Same(*plain, *chosen)) << name;
    }
}

TEST_F(SquadArt, TheSectionBackgroundsHoldTheirPanels) {
    // Inside a panel the field is darker than just outside it.
    struct Case {
        const char* path;
        int insideX, insideY, outsideX, outsideY;
    };
    const Case cases[] = {
        {"gfx\\backgrounds\\101.bmp", 300, 160, 300, 104},  // the advisor panel
        {"gfx\\backgrounds\\38.bmp", 300, 200, 300, 290},   // the injury list
        {"gfx\\backgrounds\\43.bmp", 50, 200, 50, 285},     // the filter column
        {"gfx\\backgrounds\\5a.BMP", 300, 300, 300, 455},    // the squad table
        {"gfx\\backgrounds\\5b.BMP", 60, 300, 60, 420},      // the bench
    };
    for (const Case& c : cases) {
        auto s = Load(c.path);
        ASSERT_TRUE(s) << c.path;
        ASSERT_EQ(s->Width(), 788);
        auto lum = [&](int x, int y) {
            const uint32_t p = Rgb(*s, x, y);
            return int(p >> 16) + int((p >> 8) & 255) + int(p & 255);
        };
        EXPECT_LT(lum(c.insideX, c.insideY), lum(c.outsideX, c.outsideY)) << c.path;
    }
}

TEST_F(SquadArt, TheFormationBackgroundHasAGrassPitch) {
    auto s = Load("gfx\\backgrounds\\5b.bmp");
    ASSERT_TRUE(s);
    // Grass across the pitch: green above red and blue.
    for (const platform::gfx::Point p : {platform::gfx::Point{200, 170}, {450, 420}, {300, 300}}) {
        const uint32_t c = Rgb(*s, p.x, p.y);
        EXPECT_GT(int((c >> 8) & 255), int(c >> 16) + 30) << p.x << "," << p.y;
    }
}

TEST_F(SquadArt, ShirtNumbersHoldOnlyKeyWhiteAndOutline) {
    for (const char* folder : {"tinykits", "smallkits"}) {
        const int size = std::string(folder) == "tinykits" ? 22 : 32;
        for (int n = 1; n <= 16; ++n) {
            char path[64];
            std::snprintf(path, sizeof path, "gfx\\kits\\%s\\number%02d.bmp", folder, n);
            auto s = Load(path);
            ASSERT_TRUE(s) << path;
            ASSERT_EQ(s->Width(), size);
            ASSERT_EQ(s->Height(), size);
            int white = 0, outline = 0, other = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const uint32_t p = Rgb(*s, x, y);
                    if (p == ui::kKeyPixel) continue;
                    if ((p >> 16) >= 235 && ((p >> 8) & 255) >= 235 && (p & 255) >= 235)
                        ++white;
                    else if ((p >> 16) < 40 && ((p >> 8) & 255) < 40 && (p & 255) < 40)
                        ++outline;
                    else
                        ++other;
                }
            EXPECT_EQ(other, 0) << path;
            EXPECT_GT(white, 6) << path;
            EXPECT_GT(outline, white / 2) << path;
            // The number sits on the chest, clear of the picture's edges.
            for (int i = 0; i < size; ++i) {
                EXPECT_EQ(Rgb(*s, i, 0), ui::kKeyPixel) << path;
                EXPECT_EQ(Rgb(*s, 0, i), ui::kKeyPixel) << path;
            }
        }
    }
}

TEST_F(SquadArt, InjuryAndSuspensionIconsAreKeyedAndDistinct) {
    for (const char* kind : {"redcross", "red"}) {
        std::optional<Surface> previous;
        for (int n = 1; n <= 24; ++n) {
            const std::string path = std::string("gfx\\match\\surfaces\\") + kind + std::to_string(n) + ".bmp";
            auto s = Load(path);
            ASSERT_TRUE(s) << path;
            EXPECT_EQ(s->Width(), 20);
            EXPECT_EQ(s->Height(), 20);
            EXPECT_GT(CountKey(*s), 40) << path;
            EXPECT_EQ(CountNearKey(*s), 0) << path;
            if (previous) {
                EXPECT_FALSE(Same(*previous, *s)) << path;
            }
            previous = std::move(s);
        }
    }
    EXPECT_FALSE(Same(*Load("gfx\\match\\surfaces\\red3.bmp"), *Load("gfx\\match\\surfaces\\redcross3.bmp")));
}

TEST_F(SquadArt, TacticsButtonsComeInTwoSizesWithADistinctPressedLook) {
    const char* names[] = {"lowaggress", "belowavaggress", "avaggress", "abovavaggress", "hiaggress",
                           "shortpass",  "mainlyshort",    "mixpass",   "mainlong",      "allongpass",
                           "verydefens", "defensive",      "Avdefens",  "attacking",     "alloutattack"};
    std::optional<Surface> previous;
    for (const char* n : names) {
        const std::string base = std::string("gfx\\buttons\\tactics\\") + n;
        auto big = Load(base + ".bmp"), bigHi = Load(std::string("gfx\\buttons\\tactics\\hi") + n + ".bmp");
        auto small = Load(std::string("gfx\\buttons\\tactics\\a-") + n + ".bmp");
        auto smallHi = Load(std::string("gfx\\buttons\\tactics\\a-hi") + n + ".bmp");
        ASSERT_TRUE(big && bigHi && small && smallHi) << n;
        EXPECT_EQ(big->Width(), 56);
        EXPECT_EQ(big->Height(), 36);
        EXPECT_EQ(small->Width(), 28);
        EXPECT_EQ(small->Height(), 17);
        EXPECT_FALSE(Same(*big, *bigHi)) << n;
        EXPECT_FALSE(Same(*small, *smallHi)) << n;
        EXPECT_EQ(CountNearKey(*big) + CountNearKey(*small), 0) << n;
        if (previous) {
            EXPECT_FALSE(Same(*previous, *big)) << n;
        }
        previous = std::move(big);
    }
    for (const char* n : {"teamagg1", "teamagg2", "teamagg3"}) {
        auto plain = Load(std::string("gfx\\buttons\\tactics\\") + n + ".bmp");
        auto lit = Load(std::string("gfx\\buttons\\tactics\\") + n + " hi.bmp");
        ASSERT_TRUE(plain && lit) << n;
        EXPECT_EQ(plain->Width(), 28);
        EXPECT_FALSE(Same(*plain, *lit)) << n;
    }
}

TEST_F(SquadArt, DirectionArrowsOutlineAndTickFitTheirPlaces) {
    for (int d = 1; d <= 8; ++d) {
        auto s = Load("gfx\\match\\surfaces\\warrow" + std::to_string(d) + ".bmp");
        ASSERT_TRUE(s) << d;
        EXPECT_EQ(s->Width(), 10);
        EXPECT_EQ(s->Height(), 10);
        EXPECT_GT(CountKey(*s), 10);
    }
    // Up and down are mirror images; so are back and forward.
    auto up = Load("gfx\\match\\surfaces\\warrow2.bmp"), down = Load("gfx\\match\\surfaces\\warrow7.bmp");
    EXPECT_EQ(Rgb(*up, 5, 1) == ui::kKeyPixel, Rgb(*down, 5, 8) == ui::kKeyPixel);
    EXPECT_FALSE(Same(*up, *down));
    for (const char* n : {"tiny outline", "tiny tick"}) {
        auto s = Load(std::string("gfx\\match\\surfaces\\") + n + ".bmp");
        ASSERT_TRUE(s) << n;
        EXPECT_EQ(s->Width(), 22);
        EXPECT_EQ(s->Height(), 22);
        EXPECT_GT(CountKey(*s), 100) << n;
    }
    // The tick marks a kit in its corner and leaves every shirt number whole.
    auto tick = Load("gfx\\match\\surfaces\\tiny tick.bmp");
    EXPECT_GT(22 * 22 - CountKey(*tick), 30) << "a tick big enough to see";
    for (int n = 1; n <= 16; ++n) {
        char name[48];
        std::snprintf(name, sizeof name, "gfx\\kits\\tinykits\\number%02d.bmp", n);
        auto number = Load(name);
        ASSERT_TRUE(number) << n;
        int shared = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x)
                shared += Rgb(*tick, x, y) != ui::kKeyPixel && Rgb(*number, x, y) != ui::kKeyPixel;
        EXPECT_EQ(shared, 0) << "the tick over number " << n;
    }
    // The outline leaves the middle clear, so the marker shows through.
    EXPECT_EQ(Rgb(*Load("gfx\\match\\surfaces\\tiny outline.bmp"), 11, 11), ui::kKeyPixel);
}

}  // namespace
