// The pictures of the list and the tool bar: each under its lower-case
// name, at its size, keyed pictures with the exact key and nothing near it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/archive.h"
#include "support/test_env.h"
#include "ui/xbitmap.h"

namespace {

struct Pic {
    std::string path;
    bool keyed;
    int w, h;
};

std::vector<Pic> ListAndToolBarPictures() {
    std::vector<Pic> pics = {
        {"gfx\\temp\\listblobs.bmp", true, 60, 12},        {"gfx\\temp\\shirt.bmp", true, 14, 14},
        {"gfx\\temp\\s10trophy.bmp", true, 14, 14},        {"gfx\\listcontrol\\pos_up.bmp", true, 11, 11},
        {"gfx\\listcontrol\\pos_down.bmp", true, 11, 11},  {"gfx\\listcontrol\\pos_same.bmp", true, 11, 11},
        {"gfx\\toolbar\\toolbar.bmp", false, 1588, 75},    {"gfx\\toolbar\\toolbar2.bmp", false, 1588, 75},
    };
    const char* set0[] = {"manager", "squad", "club", "player", "finance", "fixtures", "info", "news", "discip"};
    const char* set1[] = {"nsquad", "tactics", "physio", "kiteditor", "mom", "topscorers", "cupfixtures",
                          "playerdisc", "reftables"};
    const char* small[] = {"options", "back", "load", "help", "forward", "nextmanager"};
    const char* day[] = {"nextday", "skip", "match", "results"};
    pics.push_back({"gfx\\tree\\intro_logo.bmp", false, 183, 469});
    pics.push_back({"gfx\\tree\\intro.bmp", false, 64, 64});
    for (const char* n : {"manager", "squad", "club", "player", "financial", "fixtures", "info", "news", "discipline"}) {
        pics.push_back({std::string("gfx\\tree\\") + n + ".bmp", false, 64, 64});
        pics.push_back({std::string("gfx\\tree\\table\\backg_") + n + ".bmp", true, 166, 452});
        pics.push_back({std::string("gfx\\tree\\table\\row_") + n + ".bmp", true, 156, 14});
    }
    for (const char* n : {"expandable", "expanded", "shortcut"})
        pics.push_back({std::string("gfx\\tree\\") + n + ".bmp", false, 9, 9});
    for (const char* n : {"world", "europe", "restofworld", "division", "club", "player", "cup", "fed_cup", "americas",
                          "afc", "caf", "ofc"})
        pics.push_back({std::string("gfx\\tree\\icons\\") + n + ".bmp", true, 16, 16});
    auto both = [&](const char* name, int w, int h) {
        pics.push_back({std::string("gfx\\toolbar\\hi_") + name + ".bmp", true, w, h});
        pics.push_back({std::string("gfx\\toolbar\\dis_") + name + ".bmp", true, w, h});
    };
    for (const char* n : set0) both(n, 64, 54);
    for (const char* n : set1) both(n, 59, 55);
    for (const char* n : small) both(n, 25, 26);
    for (const char* n : day) {
        both(n, 54, 26);
        pics.push_back({std::string("gfx\\toolbar\\lo_") + n + ".bmp", true, 54, 26});
    }
    return pics;
}

TEST(ListAndToolBarArt, EveryPictureHasItsSizeAndTheExactKey) {
    ArchiveTable table;
    ASSERT_TRUE(LoadArchiveIndexes(table));
    const uint32_t key = 0xFF008F;
    const auto pics = ListAndToolBarPictures();
    EXPECT_EQ(pics.size(), 8u + 56u + 4u + 2u + 27u + 3u + 12u);
    for (const Pic& p : pics) {
        SCOPED_TRACE(p.path);
        CXBitmap b;
        ASSERT_TRUE(b.Load(p.path, table));
        EXPECT_EQ(b.GetWidth(), p.w);
        EXPECT_EQ(b.GetHeight(), p.h);
        int exact = 0, near = 0;
        const auto& s = b.GetSurface();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                const uint32_t px = s.Get(x, y) & 0xFFFFFF;
                if (px == key) {
                    ++exact;
                } else {
                    const int r = px >> 16, g = (px >> 8) & 255, bl = px & 255;
                    near += std::abs(r - 255) + g + std::abs(bl - 143) < 24;
                }
            }
        EXPECT_EQ(near, 0);
        if (p.keyed)
            EXPECT_GT(exact, 0);
        else
            EXPECT_EQ(exact, 0);
    }
    // The first blob fills the picture's top-left 12 x 12 square, and only that.
    CXBitmap blobs;
    ASSERT_TRUE(blobs.Load("gfx\\temp\\listblobs.bmp", table));
    EXPECT_NE(blobs.GetSurface().Get(6, 6) & 0xFFFFFF, key);
    EXPECT_EQ(blobs.GetSurface().Get(0, 0) & 0xFFFFFF, key);
    FreeArchiveIndexes(table);
}

// Every league country's flag loads under its lower-case flag name: the
// navigator shows one beside each country it lists.
TEST(ListAndToolBarArt, EveryLeagueCountryHasItsFlag) {
    ArchiveTable table;
    ASSERT_TRUE(LoadArchiveIndexes(table));
    int flags = 0;
    for (const auto& e : std::filesystem::directory_iterator(testenv::SourceDir() / "assets/world/leagues")) {
        const std::string code = e.path().stem().string();
        SCOPED_TRACE(code);
        CXBitmap b;
        ASSERT_TRUE(b.Load("gfx\\tree\\flags\\" + code + ".bmp", table));
        EXPECT_EQ(b.GetWidth(), 20);
        EXPECT_EQ(b.GetHeight(), 13);
        EXPECT_EQ(b.GetSurface().Get(0, 0) & 0xFFFFFF, 0xFF008Fu);  // keyed corners
        EXPECT_NE(b.GetSurface().Get(10, 6) & 0xFFFFFF, 0xFF008Fu);
        ++flags;
    }
    EXPECT_EQ(flags, 71);
    CXBitmap tile;
    ASSERT_TRUE(tile.Load("gfx\\tree\\intro.bmp", table));
    EXPECT_GT(tile.GetWidth(), 0);
    FreeArchiveIndexes(table);
}

}  // namespace
