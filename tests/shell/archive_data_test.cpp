// Every archive the tools ship, read back through the game's own readers.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "pictures.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/pixelformat.h"
#include "shell/archive.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/worlddata.h"
#include "platform/random.h"
#include "support/test_env.h"

using namespace platform::gfx;

namespace {

class ShippedArchivesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::SetInstallFolder(testenv::GameDir());
        ASSERT_TRUE(LoadArchiveIndexes(table_));
    }
    static void TearDownTestSuite() { platform::ResetFolders(); }
    void SetUp() override { platform::SetInstallFolder(testenv::GameDir()); }

    static ArchiveTable table_;
};
ArchiveTable ShippedArchivesTest::table_;

TEST_F(ShippedArchivesTest, AllEighteenPairsExist) {
    for (const char* name : kArchiveNames) {
        EXPECT_TRUE(platform::FindGameFile(std::string("gfx\\") + name + ".idx")) << name;
        EXPECT_TRUE(platform::FindGameFile(std::string("gfx\\") + name + ".wad")) << name;
    }
}

TEST_F(ShippedArchivesTest, EveryEntryKeepsTheLayoutRules) {
    const DesktopFormat k565 = DesktopFormatFromMasks(16, 0xF800, 0x07E0, 0x001F);
    int entries = 0;
    std::map<std::string, std::vector<uint8_t>> wads;
    for (int k = 0; k < kArchiveCount; ++k) {
        const ArchiveIndex& index = table_.indexes[k];
        EXPECT_EQ(index.block.size() % kArchiveRecordSize, 0u) << kArchiveNames[k];
        for (int i = 0; i < index.count; ++i) {
            const ArchiveRecord r = index.Record(i);
            const std::string where = std::string(kArchiveNames[k]) + "\\" + r.name;
            ++entries;
            // The name: lower case, under 48 bytes with its NUL, zero-padded.
            EXPECT_FALSE(r.name.empty());
            EXPECT_LT(r.name.size(), kArchiveNameSize);
            for (char c : r.name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << where;
            const uint8_t* rawName = index.block.data() + i * kArchiveRecordSize + 16;
            for (size_t j = r.name.size(); j < kArchiveNameSize; ++j) EXPECT_EQ(rawName[j], 0) << where;

            auto ref = FindArchiveEntry("gfx\\" + std::string(kArchiveNames[k]) + "\\" + r.name, table_);
            ASSERT_TRUE(ref) << where;
            auto bytes = ReadArchiveEntry(*ref);
            ASSERT_TRUE(bytes) << where;
            ASSERT_EQ(bytes->size(), r.unpackedSize) << where;
            if (r.packed) {
                // A packed stream pays, and unpacks to exactly its size.
                EXPECT_LT(r.storedSize, r.unpackedSize) << where;
                // Each data file is read once, not once per packed entry.
                auto cached = wads.find(ref->dataPath);
                if (cached == wads.end()) {
                    auto wad = platform::ReadWholeFile(*platform::FindGameFile(ref->dataPath));
                    ASSERT_TRUE(wad);
                    cached = wads.emplace(ref->dataPath, std::move(*wad)).first;
                }
                const std::vector<uint8_t>& wad = cached->second;
                ASSERT_LE(static_cast<size_t>(r.offset) + r.storedSize, wad.size()) << where;
                std::span<const uint8_t> stored(wad.data() + r.offset, r.storedSize);
                std::vector<uint8_t> out;
                EXPECT_EQ(RleUnpackChecked(stored, r.unpackedSize, out), RleResult::Exact) << where;
                EXPECT_EQ(stored.back(), 0) << where;
            } else {
                EXPECT_EQ(r.storedSize, r.unpackedSize) << where;
            }

            // Animation clips are not pictures; their own tests check them.
            if (r.name.size() > 4 && r.name.compare(r.name.size() - 4, 4, ".flc") == 0) continue;
            // A complete 8-bit BMP with a full palette and padded rows.
            const uint8_t* f = bytes->data();
            ASSERT_GE(bytes->size(), 1078u) << where;
            EXPECT_EQ(platform::LoadU32(f + 2), r.unpackedSize) << where;
            EXPECT_EQ(platform::LoadU32(f + 14), 40u) << where;
            const int32_t w = static_cast<int32_t>(platform::LoadU32(f + 18));
            const int32_t h = static_cast<int32_t>(platform::LoadU32(f + 22));
            EXPECT_GT(h, 0) << where;
            EXPECT_EQ(platform::LoadU16(f + 28), 8) << where;
            EXPECT_EQ(platform::LoadU32(f + 30), 0u) << where;
            const uint32_t used = platform::LoadU32(f + 46);
            EXPECT_TRUE(used == 0 || used == 256) << where;
            EXPECT_EQ(platform::LoadU32(f + 10), 54u + 4u * (used ? used : 256)) << where;
            EXPECT_EQ(bytes->size(), 1078u + static_cast<size_t>(BmpStride(w)) * h) << where;
            auto viaHeader = DecodeBmp8(*bytes, PixelStart::FromHeader);
            auto viaPalette = DecodeBmp8(*bytes, PixelStart::AfterPalette);
            ASSERT_TRUE(viaHeader && viaPalette) << where;
            EXPECT_EQ(viaHeader->pixels, viaPalette->pixels) << where;

            // No palette colour but the key itself collapses onto the key.
            for (int e = 0; e < 256; ++e) {
                const uint8_t* p = viaPalette->palette.data() + e * 4;
                const bool isKey = p[2] == 255 && p[1] == 0 && p[0] == 143;
                if (!isKey) {
                    EXPECT_NE(ConvertColour(k565, p[2], p[1], p[0]), 0xF811u) << where << " entry " << e;
                }
            }
        }
    }
    EXPECT_GT(entries, 0);
}

TEST_F(ShippedArchivesTest, PicturesAreWhatTheWriterDrew) {
    for (const art::Picture& p : art::AllPictures()) {
        const std::string path = "gfx\\" + p.archive + "\\" + p.entry;
        auto bytes = LoadArchiveEntry(path, nullptr, table_);
        ASSERT_TRUE(bytes) << path;
        auto b = DecodeBmp8(*bytes);
        ASSERT_TRUE(b) << path;
        EXPECT_EQ(b->width, p.bitmap.width) << path;
        EXPECT_EQ(b->height, p.bitmap.height) << path;
        EXPECT_EQ(b->palette, p.bitmap.palette) << path;
        const size_t w = static_cast<size_t>(b->width);
        EXPECT_TRUE(std::equal(b->pixels.begin(), b->pixels.begin() + w, p.bitmap.pixels.begin())) << path;
        EXPECT_TRUE(std::equal(b->pixels.end() - w, b->pixels.end(), p.bitmap.pixels.end() - w)) << path;
        if (p.keyed) {
            // The key is there, exactly, and the picture is more than key.
            Surface s = ToSurface(*b);
            int keys = 0;
            for (int y = 0; y < s.Height(); ++y)
                for (int x = 0; x < s.Width(); ++x) keys += s.Get(x, y) == kKeyPixel;
            EXPECT_GT(keys, 0) << path;
            // "No beard" and the blank list header are all key by design.
            const bool noBeard = p.entry.rfind("beards\\", 0) == 0 && p.entry.ends_with("\\0.bmp");
            const bool blankHeader = p.archive == "temp" && p.entry == "blank.bmp";
            if (!noBeard && !blankHeader) {
                EXPECT_LT(keys, s.Width() * s.Height()) << path;
            }
        }
    }
    auto title = DecodeBmp8(*LoadArchiveEntry("gfx\\backgrounds\\titlescreen.bmp", nullptr, table_));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->width, 788);
    EXPECT_EQ(title->height, 550);
}

}  // namespace

namespace {

// The start-up data number competitions by their place in the world; every
// number a division or cup carries must find its trophy, or the honours,
// the title boxes and the competition pages show an empty frame.
TEST_F(ShippedArchivesTest, EveryCompetitionOfTheStartUpDataHasItsTrophy) {
    platform::SetRandomClock([] { return int64_t(936000000); });
    CWorldData world;
    SetWorldData(&world);
    world.ClearGame();
    for (int stage = 0; stage <= 2; ++stage) world.NewGame(stage);
    auto has = [&](const char* format, int n) {
        char path[64];
        std::snprintf(path, sizeof path, format, n);
        return FindArchiveEntry(path, table_).has_value();
    };
    int divisions = 0, cups = 0;
    for (int i = 0; i < world.GetDivisionList().GetSize(); ++i)
        if (const CDivision* d = world.GetDivision(i)) {
            ++divisions;
            EXPECT_TRUE(has("gfx\\trophies\\division\\trophy%02d.bmp", d->GetPictureNumber())) << d->GetName();
        }
    for (int c = 0; c < world.GetCountryList().GetSize(); ++c)
        if (CCountry* country = world.GetCountry(c))
            for (int k = 0; k < country->GetCups().GetSize(); ++k)
                if (const CCup* cup = country->GetCups().GetAt(k)) {
                    ++cups;
                    EXPECT_TRUE(has("gfx\\trophies\\cup\\trophy%02d.bmp", cup->m_PictureNumber)) << cup->m_Name;
                }
    EXPECT_GT(divisions, 24);
    EXPECT_GT(cups, 24);
    SetWorldData(nullptr);
    platform::SetRandomClock(nullptr);
}

}  // namespace
