// The match-day page's pictures as the built archives ship them: every
// picture at its size, keyed ones with exactly the key and some of it,
// the others without it; the ball marker's colour is palette entry 255
// only; the numbered shirts and tactics buttons the page loads resolve.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"
#include "shell/helpwindow.h"
#include "support/test_env.h"
#include "ui/xmessages.h"

namespace {

class HighScreenArt : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes());
    }
    void TearDown() override {
        FreeArchiveIndexes();
        platform::ResetFolders();
    }
    static std::optional<platform::gfx::Bitmap8> Load(const std::string& path) {
        auto bytes = LoadArchiveEntry(path);
        if (!bytes) return std::nullopt;
        return platform::gfx::DecodeBmp8(*bytes);
    }
    // Key pixels and pixels a 5-6-5 desktop would turn into the key.
    static void CountKey(const platform::gfx::Bitmap8& b, int& exact, int& near) {
        exact = near = 0;
        const platform::gfx::Surface s = platform::gfx::ToSurface(b);
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                const uint32_t p = s.Get(x, y) & 0xFFFFFF;
                const int r = p >> 16, g = (p >> 8) & 255, bl = p & 255;
                if (p == ui::kKeyPixel)
                    ++exact;
                else if ((r >> 3) == (255 >> 3) && (g >> 2) == 0 && (bl >> 3) == (143 >> 3))
                    ++near;
            }
    }
};

TEST_F(HighScreenArt, EveryPictureOfThePageIsThereAtItsSizeWithTheKeyOnlyWhereItBelongs) {
    struct Art {
        const char* name;
        int w, h;
        bool keyed;
    };
    const Art pictures[] = {
        {"intro", 788, 550, false},          {"squad", 788, 550, false},          {"result", 788, 550, false},
        {"scores", 788, 550, false},         {"match stats", 788, 550, false},    {"intro1", 144, 24, true},
        {"intro4", 144, 24, true},           {"introl1", 144, 24, true},          {"introl4", 144, 24, true},
        {"yellow", 12, 14, true},            {"injured", 12, 14, true},           {"injuredyellow", 12, 14, true},
        {"red", 12, 14, true},               {"players_left", 210, 327, false},   {"playerperf_left", 210, 327, false},
        {"playerperf_left2", 210, 327, false}, {"players_right", 213, 327, false}, {"playerperf_right", 213, 327, false},
        {"playerperf_right2", 213, 327, false}, {"4button1light", 60, 22, true},  {"4button3dark", 60, 22, true},
        {"4leftbuttonpenalty", 190, 18, true}, {"button pause light", 48, 50, true}, {"button pause dark", 48, 50, true},
        {"button play light", 48, 50, true}, {"button exit light", 48, 50, true}, {"button exit dark", 48, 50, true},
        {"top box", 440, 225, false},        {"action box", 348, 225, false},     {"buttons light", 365, 59, false},
        {"buttons dark", 365, 59, false},    {"centre zones", 365, 268, false},   {"centre manmarking", 365, 268, false},
        {"centre territory light", 365, 268, false}, {"centre territory dark", 365, 268, false},
        {"centre statistics", 365, 268, false}, {"centre formation", 365, 268, false},
        {"centresubstitutions", 365, 268, false}, {"centre playing styles", 365, 268, false},
        {"centre motivation", 365, 268, false}, {"centre latest scores", 365, 268, false},
        {"ball1", 20, 20, true},             {"pen-goal", 24, 24, true},          {"pen-miss", 24, 24, true},
        {"res_ball", 16, 16, true},          {"res_yellow", 16, 16, true},        {"res_red", 16, 16, true},
    };
    for (const Art& a : pictures) {
        SCOPED_TRACE(a.name);
        auto b = Load(std::string("gfx\\match\\surfaces\\") + a.name + ".bmp");
        ASSERT_TRUE(b);
        EXPECT_EQ(b->width, a.w);
        EXPECT_EQ(b->height, a.h);
        int exact = 0, near = 0;
        CountKey(*b, exact, near);
        EXPECT_EQ(near, 0) << "a colour a 5-6-5 desktop turns into the key";
        if (a.keyed) {
            EXPECT_GT(exact, 0);
        } else {
            EXPECT_EQ(exact, 0);
        }
    }
}

TEST_F(HighScreenArt, TheBallMarkersColourIsPaletteEntry255AndTheRestIsKeyRimOrWhite) {
    auto b = Load("gfx\\match\\surfaces\\ball1.bmp");
    ASSERT_TRUE(b);
    int coloured = 0;
    for (uint8_t v : b->pixels) coloured += v == 255;
    EXPECT_GT(coloured, 10);
    // The other entries in use are not the colour the page will set.
    const auto entry = [&](int i) {
        return std::array<int, 3>{b->palette[size_t(i) * 4 + 2], b->palette[size_t(i) * 4 + 1], b->palette[size_t(i) * 4]};
    };
    for (uint8_t v : b->pixels) {
        if (v != 255) {
            EXPECT_NE(entry(v), entry(255));
        }
    }
}

TEST_F(HighScreenArt, TheShirtsAndTacticsButtonsThePageLoadsResolve) {
    for (int n = 1; n <= 16; ++n)
        for (const char* size : {"smallkits", "tinykits"}) {
            char path[64];
            std::snprintf(path, sizeof path, "gfx\\kits\\%s\\number%02d.bmp", size, n);
            EXPECT_TRUE(Load(path)) << path;
        }
    EXPECT_FALSE(Load("gfx\\kits\\smallkits\\number17.bmp"));
    for (const char* name : {"teamagg1", "teamagg1 hi", "a-lowaggress", "a-hihiaggress", "teamagg2", "a-verydefens",
                             "a-hialloutattack", "teamagg3 hi", "a-shortpass", "a-hiallongpass"}) {
        auto b = Load(std::string("gfx\\buttons\\tactics\\") + name + ".bmp");
        ASSERT_TRUE(b) << name;
        EXPECT_EQ(b->width, 28) << name;
        EXPECT_EQ(b->height, 17) << name;
    }
    for (const char* name : {"radio_on", "radio_off"}) EXPECT_TRUE(Load(std::string("gfx\\match\\surfaces\\") + name + ".bmp"));
}

// The match page's background has the intro page's look: the same backdrop
// and panels wherever the intro page leaves its picture bare, its frames
// filled in, and no key colour.
TEST_F(HighScreenArt, TheMatchPagesBackgroundHasTheIntroPagesLook) {
    auto back = Load("gfx\\backgrounds\\65.bmp");
    auto intro = Load("gfx\\match\\surfaces\\intro.bmp");
    ASSERT_TRUE(back && intro);
    const platform::gfx::Surface b = platform::gfx::ToSurface(*back), i = platform::gfx::ToSurface(*intro);
    ASSERT_EQ(b.Width(), 788);
    ASSERT_EQ(b.Height(), 550);
    int exact = 0, near = 0;
    CountKey(*back, exact, near);
    EXPECT_EQ(exact + near, 0);
    // Close in colour, as the two pictures are quantised apart.
    auto close = [&](int x, int y) {
        const uint32_t p = b.Get(x, y), q = i.Get(x, y);
        for (int shift : {0, 8, 16})
            if (std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)) > 24) return false;
        return true;
    };
    struct Area {
        int x0, y0, x1, y1;
        bool same;
    };
    // The backdrop right of the kits and the panels' right ends are the
    // intro's; the crest, the kits and the buttons' places are framed.
    const Area areas[] = {{250, 130, 380, 190, true}, {520, 330, 690, 390, true}, {720, 100, 780, 460, true},
                          {30, 10, 76, 58, false},    {110, 106, 222, 210, false}, {150, 480, 270, 498, false}};
    for (const Area& a : areas) {
        int same = 0, all = 0;
        for (int y = a.y0; y < a.y1; ++y)
            for (int x = a.x0; x < a.x1; ++x) {
                ++all;
                same += close(x, y);
            }
        if (a.same) {
            EXPECT_GT(same, all * 9 / 10) << a.x0 << "," << a.y0;
        } else {
            EXPECT_LT(same, all / 2) << a.x0 << "," << a.y0;
        }
    }
    // For people to look at.
    const auto dir = testenv::BuildDir() / "screens-shots";
    std::filesystem::create_directories(dir);
    platform::gfx::WritePng(b, dir / "matchday-background-65.png");
    platform::gfx::WritePng(i, dir / "matchday-intro-picture.png");
}

}  // namespace

namespace {

TEST(HighScreenHelp, ThePageAndItsIntroAndResultViewsHaveTheirOwnTopics) {
    const HelpTopic& fallback = HelpTopicFor(1);
    for (int context : {65, 6511, 6512, 6513, 6521, 6522, 6523}) {
        const HelpTopic& t = HelpTopicFor(context);
        EXPECT_NE(&t, &fallback) << context;
        EXPECT_FALSE(t.title.empty()) << context;
    }
}

}  // namespace
