// The paper's photographs as the game reads them from the newspaper archive.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "pictures.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/colour.h"
#include "shell/archive.h"
#include "support/test_env.h"

using namespace platform::gfx;

namespace {

struct PressFamilyCase {
    const char* folder;
    int count;
    int width, height;
    bool grey;
};

constexpr PressFamilyCase kPressFamilies[] = {
    {"big", 108, 111, 150, false},
    {"side", 103, 111, 72, true},
    {"small", 101, 52, 44, true},
};

class PressPhotosTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes(table_));
    }
    static void TearDownTestSuite() { platform::ResetFolders(); }
    void SetUp() override { platform::SetInstallFolder(testenv::GameDir()); }

    static std::optional<Bitmap8> Shipped(const std::string& entry) {
        auto bytes = LoadArchiveEntry("gfx\\newspaper\\" + entry, nullptr, table_);
        if (!bytes) return std::nullopt;
        return DecodeBmp8(*bytes);
    }

    // Entry 255 is the key and no pixel takes it; every other entry stays
    // clear of the key; the picture is neither blank nor flat.
    static void ExpectPressPicture(const Bitmap8& b, bool grey, const std::string& where) {
        const uint8_t* key = b.palette.data() + 255 * 4;
        EXPECT_EQ(MakePixel(key[2], key[1], key[0]), kKeyPixel) << where;
        double sum = 0, sum2 = 0;
        for (uint8_t i : b.pixels) {
            ASSERT_NE(i, 255) << where << ": a pixel uses the key colour";
            const uint8_t* p = b.palette.data() + i * 4;
            if (grey) {
                EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << where << ": entry " << int(i) << " is not grey";
            }
            const double l = 0.299 * p[2] + 0.587 * p[1] + 0.114 * p[0];
            sum += l;
            sum2 += l * l;
        }
        const double n = double(b.pixels.size());
        const double mean = sum / n, sd = std::sqrt(std::max(0.0, sum2 / n - mean * mean));
        EXPECT_GE(mean, 50) << where;
        EXPECT_LE(mean, 200) << where;
        EXPECT_GE(sd, 20) << where;
    }

    static ArchiveTable table_;
};
ArchiveTable PressPhotosTest::table_;

TEST_F(PressPhotosTest, EveryFamilyShipsItsPicturesDistinctAndPrintable) {
    for (const PressFamilyCase& f : kPressFamilies) {
        std::set<std::vector<uint8_t>> seen;
        for (int n = 1; n <= f.count; ++n) {
            const std::string entry = std::string(f.folder) + "\\" + std::to_string(n) + ".bmp";
            auto b = Shipped(entry);
            ASSERT_TRUE(b) << entry;
            EXPECT_EQ(b->width, f.width) << entry;
            EXPECT_EQ(b->height, f.height) << entry;
            ExpectPressPicture(*b, f.grey, entry);
            EXPECT_TRUE(seen.insert(b->pixels).second) << entry << " repeats an earlier picture";
        }
        // The family ends where the paper's rolls end.
        EXPECT_FALSE(Shipped(std::string(f.folder) + "\\" + std::to_string(f.count + 1) + ".bmp")) << f.folder;
        EXPECT_FALSE(Shipped(std::string(f.folder) + "\\0.bmp")) << f.folder;
    }
    auto team = Shipped("teamweek.bmp");
    ASSERT_TRUE(team);
    EXPECT_EQ(team->width, 100);
    EXPECT_EQ(team->height, 60);
    ExpectPressPicture(*team, true, "teamweek.bmp");
}

// The page frames and the advert bar are opaque; the page buttons and the
// mastheads' emblems are drawn on the key colour, exactly, with no fringe of
// near-key colours, and show something beside it.
TEST_F(PressPhotosTest, TheFramesButtonsBarAndEmblemsHaveTheirSizesAndKeys) {
    struct Case {
        std::string entry;
        int width, height;
        bool keyed;
    };
    std::vector<Case> cases = {
        {"new\\fr4.bmp", 314, 422, false},        {"new\\in4.bmp", 596, 422, false},
        {"new\\bar1.bmp", 56, 34, false},         {"new\\newsright.bmp", 60, 36, true},
        {"new\\newsright1.bmp", 60, 36, true},    {"new\\newsleft.bmp", 60, 36, true},
        {"new\\newsleft1.bmp", 60, 36, true},     {"new\\newsdouble.bmp", 60, 36, true},
        {"new\\newsdouble1.bmp", 60, 36, true},   {"tlogo23b.bmp", 32, 40, true},
    };
    for (int n = 1; n <= 23; ++n) cases.push_back({"tlogo" + std::to_string(n) + ".bmp", 32, 40, true});
    std::set<std::vector<uint8_t>> emblems;
    for (const Case& c : cases) {
        auto b = Shipped(c.entry);
        ASSERT_TRUE(b) << c.entry;
        EXPECT_EQ(b->width, c.width) << c.entry;
        EXPECT_EQ(b->height, c.height) << c.entry;
        size_t keyed = 0;
        for (uint8_t i : b->pixels) {
            const uint8_t* p = b->palette.data() + i * 4;
            const bool key = MakePixel(p[2], p[1], p[0]) == kKeyPixel;
            keyed += key;
            const bool nearKey = std::abs(p[2] - 255) < 24 && p[1] < 24 && std::abs(p[0] - 143) < 24;
            if (nearKey && !key) ADD_FAILURE() << c.entry << ": a colour next to the key";
        }
        if (c.keyed) {
            EXPECT_GT(keyed, b->pixels.size() / 10) << c.entry << ": drawn on the key";
            EXPECT_GE(b->pixels.size() - keyed, 100u) << c.entry << ": shows something";
        } else {
            EXPECT_EQ(keyed, 0u) << c.entry;
        }
        if (c.entry.rfind("tlogo", 0) == 0 && c.entry != "tlogo23b.bmp") {
            EXPECT_TRUE(emblems.insert(b->pixels).second) << c.entry << " repeats an earlier emblem";
        }
    }
}

TEST_F(PressPhotosTest, ANewDrawGivesTheShippedBytes) {
    const std::vector<art::Picture> again = art::PressPhotos();
    ASSERT_EQ(again.size(), 108u + 103u + 101u + 1u);
    for (const art::Picture& p : again) {
        EXPECT_EQ(p.archive, "newspaper");
        EXPECT_FALSE(p.keyed) << p.entry;
        auto b = Shipped(p.entry);
        ASSERT_TRUE(b) << p.entry;
        EXPECT_EQ(b->palette, p.bitmap.palette) << p.entry;
        EXPECT_EQ(b->pixels, p.bitmap.pixels) << p.entry;
    }
}

}  // namespace
