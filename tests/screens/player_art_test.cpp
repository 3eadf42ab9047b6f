// The player section's pictures as the built archives ship them: the person
// page's sub-page buttons in their three looks, and every background the
// player pages load by name.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"
#include "support/test_env.h"
#include "ui/xmessages.h"

namespace {

using platform::gfx::Surface;

class PlayerArt : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes());
    }
    void TearDown() override {
        FreeArchiveIndexes();
        platform::ResetFolders();
    }
    static std::optional<platform::gfx::Bitmap8> Picture(const std::string& path) {
        auto bytes = LoadArchiveEntry(path);
        if (!bytes) return std::nullopt;
        return platform::gfx::DecodeBmp8(*bytes);
    }
    static uint32_t PlayerArtRgb(const Surface& s, int x, int y) { return s.Get(x, y) & 0xFFFFFF; }
};

TEST_F(PlayerArt, SubPageButtonsHaveThreeKeyedLooksOfTheirSize) {
    for (const char* name : {"ratings", "scoutmanager", "playercomment", "playerrecord", "playerhistory"}) {
        std::optional<Surface> looks[3];
        int i = 0;
        for (const char* suffix : {"", "_lo", "_dis"}) {
            const std::string path = std::string("gfx\\buttons\\") + name + suffix + ".bmp";
            auto b = Picture(path);
            ASSERT_TRUE(b) << path;
            looks[i] = platform::gfx::ToSurface(*b);
            const Surface& s = *looks[i++];
            EXPECT_EQ(s.Width(), 56) << path;
            EXPECT_EQ(s.Height(), 40) << path;
            int keyed = 0, nearKey = 0;
            for (int y = 0; y < s.Height(); ++y)
                for (int x = 0; x < s.Width(); ++x) {
                    const uint32_t p = PlayerArtRgb(s, x, y);
                    const int r = p >> 16, g = (p >> 8) & 255, bl = p & 255;
                    keyed += p == ui::kKeyPixel;
                    nearKey += p != ui::kKeyPixel && r > 235 && g < 20 && bl > 123 && bl < 163;
                }
            EXPECT_GT(keyed, 0) << path << ": the rounded corners are keyed";
            EXPECT_EQ(nearKey, 0) << path;
        }
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) {
                bool differ = false;
                for (int y = 0; y < 40 && !differ; ++y)
                    for (int x = 0; x < 56 && !differ; ++x)
                        differ = PlayerArtRgb(*looks[a], x, y) != PlayerArtRgb(*looks[b], x, y);
                EXPECT_TRUE(differ) << name << " looks " << a << " and " << b;
            }
    }
}

TEST_F(PlayerArt, TheTransferListsViewButtonsHaveTwoKeyedLooks) {
    for (const char* name : {"approach", "search", "scout"}) {
        std::optional<Surface> looks[2];
        for (int i = 0; i < 2; ++i) {
            const std::string path = std::string("gfx\\buttons\\") + name + (i ? "_lo" : "") + ".bmp";
            auto b = Picture(path);
            ASSERT_TRUE(b) << path;
            looks[i] = platform::gfx::ToSurface(*b);
            EXPECT_EQ(looks[i]->Width(), 80) << path;
            EXPECT_EQ(looks[i]->Height(), 28) << path;
            int keyed = 0;
            for (int y = 0; y < 28; ++y)
                for (int x = 0; x < 80; ++x) keyed += PlayerArtRgb(*looks[i], x, y) == ui::kKeyPixel;
            EXPECT_GT(keyed, 0) << path << ": the rounded corners are keyed";
        }
        bool differ = false;
        for (int y = 0; y < 28 && !differ; ++y)
            for (int x = 0; x < 80 && !differ; ++x) differ = PlayerArtRgb(*looks[0], x, y) != PlayerArtRgb(*looks[1], x, y);
        EXPECT_TRUE(differ) << name;
    }
}

TEST_F(PlayerArt, EveryBackgroundThePagesLoadIsAFull8BitPage) {
    for (const char* name : {"23", "24", "25", "26", "39", "48a", "48b", "50", "61", "61a", "61b", "61c", "62", "71",
                             "94", "103", "117"}) {
        const std::string path = std::string("gfx\\backgrounds\\") + name + ".bmp";
        auto b = Picture(path);
        ASSERT_TRUE(b) << path;
        EXPECT_EQ(b->width, 788) << path;
        EXPECT_EQ(b->height, 550) << path;
    }
}

}  // namespace
