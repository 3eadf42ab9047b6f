#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "shell/archive.h"
#include "shell/archive_bitmap.h"
#include "shell/archive_writer.h"
#include "platform/gfx/bmp.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> v) {
    std::vector<uint8_t> out;
    for (int b : v) out.push_back(static_cast<uint8_t>(b));
    return out;
}

TEST(RleTest, TheWorkedExample) {
    const auto src = Bytes({static_cast<uint8_t>(-3), 1, 2, 3, 4, 9, 0});
    uint8_t dst[7] = {};
    EXPECT_EQ(RleUnpack(dst, src, 7), 0);
    EXPECT_EQ(std::vector<uint8_t>(dst, dst + 7), Bytes({1, 2, 3, 9, 9, 9, 9}));
}

TEST(RleTest, BoundsAndShortStreams) {
    std::vector<uint8_t> out;
    // A run past the unpacked size; a literal past the source; a run missing its byte.
    EXPECT_EQ(RleUnpackChecked(Bytes({5, 7, 0}), 4, out), RleResult::Damaged);
    EXPECT_EQ(RleUnpackChecked(Bytes({static_cast<uint8_t>(-4), 1, 2}), 4, out), RleResult::Damaged);
    EXPECT_EQ(RleUnpackChecked(Bytes({3}), 4, out), RleResult::Damaged);
    // Ending early: the rest stays zero and the result says so.
    EXPECT_EQ(RleUnpackChecked(Bytes({2, 7, 0}), 4, out), RleResult::Short);
    EXPECT_EQ(out, Bytes({7, 7, 0, 0}));
    EXPECT_EQ(RleUnpackChecked(Bytes({2, 7}), 4, out), RleResult::Short);
    EXPECT_EQ(RleUnpackChecked({}, 0, out), RleResult::Short);
    uint8_t dst[4] = {9, 9, 9, 9};
    EXPECT_EQ(RleUnpack(dst, Bytes({2, 7, 0}), 4), 1);
    EXPECT_EQ(dst[3], 0);
}

TEST(RleTest, PackRoundTripsAndKeepsItsLimits) {
    std::vector<std::vector<uint8_t>> inputs = {{}, {5}, Bytes({1, 2, 3}), std::vector<uint8_t>(1000, 42)};
    std::vector<uint8_t> mixed;
    for (int i = 0; i < 3000; ++i) mixed.push_back(static_cast<uint8_t>((i / 7) % 3 == 0 ? 200 : i * 31));
    inputs.push_back(mixed);
    for (const auto& in : inputs) {
        auto packed = RlePack(in);
        ASSERT_FALSE(packed.empty());
        EXPECT_EQ(packed.back(), 0);
        // Every control byte within its range.
        for (size_t i = 0; i + 1 < packed.size();) {
            int n = static_cast<int8_t>(packed[i]);
            ASSERT_NE(n, 0) << "end marker only at the end";
            i += n > 0 ? 2 : 1 + static_cast<size_t>(-n);
        }
        std::vector<uint8_t> out;
        EXPECT_EQ(RleUnpackChecked(packed, in.size(), out), RleResult::Exact);
        EXPECT_EQ(out, in);
    }
    EXPECT_LT(RlePack(std::vector<uint8_t>(1000, 42)).size(), 20u);
}

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testenv::TestFolder() / "install";
        fs::create_directories(root_ / "gfx");
        platform::SetInstallFolder(root_);
    }
    void TearDown() override { platform::ResetFolders(); }

    void WriteFile(const std::string& rel, const std::vector<uint8_t>& bytes) {
        std::ofstream(root_ / "gfx" / rel, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void WriteAll(const ArchiveWriter& backgrounds) {
        for (const char* name : kArchiveNames) {
            if (std::string(name) == "backgrounds") {
                WriteFile("backgrounds.idx", backgrounds.Index());
                WriteFile("backgrounds.wad", backgrounds.Data());
            } else {
                WriteFile(std::string(name) + ".idx", {});
                WriteFile(std::string(name) + ".wad", {});
            }
        }
    }

    fs::path root_;
    ArchiveTable table_;
};

TEST_F(ArchiveTest, LookupRules) {
    ArchiveWriter w;
    const auto a = Bytes({1, 1, 1, 1, 1, 1, 2});
    const auto b = Bytes({9, 8, 7});
    ASSERT_TRUE(w.Add("108.BMP", a));
    ASSERT_TRUE(w.Add("hair\\white\\black\\1.bmp", b));
    ASSERT_TRUE(w.Add("108.bmp", b));  // a second record of the same name
    WriteAll(w);
    ASSERT_TRUE(LoadArchiveIndexes(table_));
    EXPECT_TRUE(table_.loaded);
    EXPECT_EQ(table_.indexes[1].count, 3);

    struct Case {
        const char* path;
        std::optional<std::vector<uint8_t>> expected;
    } cases[] = {
        {"gfx\\Backgrounds\\108.BMP", a},
        {"gfx\\backgrounds\\108.bmp", a},
        {"gfx/backgrounds/108.bmp", a},
        {"gfx//backgrounds//108.bmp", a},
        {"gfx\\\\backgrounds\\108.bmp", a},
        {"gfx\\backgrounds\\hair\\white\\black\\1.bmp", b},
        {"gfx\\backgrounds\\hair/white/black/1.bmp", b},
        {"backgrounds\\108.bmp", std::nullopt},
        {"108.bmp", std::nullopt},
        {"gfx\\nothere\\108.bmp", std::nullopt},
        {"gfx\\backgrounds\\109.bmp", std::nullopt},
        {"gfx\\backgrounds\\", std::nullopt},
        {"gfx\\kits\\108.bmp", std::nullopt},
    };
    for (const Case& c : cases) {
        ArchiveError err;
        auto got = LoadArchiveEntry(c.path, &err, table_);
        EXPECT_EQ(got, c.expected) << c.path;
        EXPECT_EQ(err, c.expected ? ArchiveError::None : ArchiveError::NotFound) << c.path;
    }
    auto ref = FindArchiveEntry("gfx\\BACKGROUNDS\\108.bmp", table_);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->dataPath, "gfx\\backgrounds.wad");
    EXPECT_NE(ref->record.packed, 0u) << "the run of ones pays for packing";
}

TEST_F(ArchiveTest, IdenticalEntriesShareOneStoredCopy) {
    ArchiveWriter w;
    const auto packed = Bytes({5, 5, 5, 5, 5, 5, 5, 5, 5, 1});
    const auto plain = Bytes({1, 2, 3, 4});
    ASSERT_TRUE(w.Add("a.bmp", packed));
    ASSERT_TRUE(w.AddStored("b.flc", plain));
    ASSERT_TRUE(w.Add("c.bmp", packed));
    ASSERT_TRUE(w.AddStored("d.flc", plain));
    ASSERT_TRUE(w.AddStored("e.flc", Bytes({1, 2, 3, 5})));
    const size_t once = RlePack(packed).size() + plain.size() + 4;
    EXPECT_EQ(w.Data().size(), once) << "each distinct entry is stored once";
    WriteAll(w);
    ASSERT_TRUE(LoadArchiveIndexes(table_));
    const ArchiveIndex& index = table_.indexes[1];
    ASSERT_EQ(index.count, 5);
    EXPECT_EQ(index.Record(0).offset, index.Record(2).offset);
    EXPECT_EQ(index.Record(1).offset, index.Record(3).offset);
    EXPECT_NE(index.Record(1).offset, index.Record(4).offset);
    for (const char* name : {"a.bmp", "c.bmp"}) EXPECT_EQ(LoadArchiveEntry(std::string("gfx\\backgrounds\\") + name, nullptr, table_), packed);
    for (const char* name : {"b.flc", "d.flc"}) EXPECT_EQ(LoadArchiveEntry(std::string("gfx\\backgrounds\\") + name, nullptr, table_), plain);
    EXPECT_EQ(LoadArchiveEntry("gfx\\backgrounds\\e.flc", nullptr, table_), Bytes({1, 2, 3, 5}));
}

TEST_F(ArchiveTest, IndexRemainderIsIgnoredAndMissingIndexStops) {
    ArchiveWriter w;
    w.Add("a.bmp", Bytes({1}));
    w.Add("b.bmp", Bytes({2}));
    auto idx = w.Index();
    idx.push_back(0xAA);
    idx.push_back(0xBB);
    ASSERT_EQ(idx.size(), 130u);
    WriteAll(w);
    WriteFile("backgrounds.idx", idx);
    ASSERT_TRUE(LoadArchiveIndexes(table_));
    EXPECT_EQ(table_.indexes[1].count, 2);
    EXPECT_TRUE(LoadArchiveEntry("gfx\\backgrounds\\b.bmp", nullptr, table_));

    fs::remove(root_ / "gfx" / "trophies.idx");
    ArchiveTable t2;
    platform::TraceCapture trace;
    EXPECT_FALSE(LoadArchiveIndexes(t2));
    EXPECT_FALSE(t2.loaded);
    EXPECT_TRUE(trace.Contains("WAD index file gfx\\trophies.idx does not exist!"));
    EXPECT_EQ(t2.indexes[17].count, 0) << "later indexes stay unloaded";
}

TEST_F(ArchiveTest, DamagedRecordsAreRefused) {
    ArchiveWriter w;
    w.AddStored("ok.bmp", Bytes({1, 2, 3, 4}));
    w.Add("packed.bmp", std::vector<uint8_t>(100, 5));
    WriteAll(w);
    ASSERT_TRUE(LoadArchiveIndexes(table_));

    auto patch = [&](int record, int field, uint32_t value) {
        platform::StoreU32(table_.indexes[1].block.data() + record * 64 + field * 4, value);
    };
    struct Case {
        const char* what;
        int record, field;
        uint32_t value;
    } cases[] = {
        {"offset past the file", 0, 1, 1000},
        {"size past the file", 0, 2, 1000},
        {"offset + size overflow", 0, 1, 0xFFFFFFF0u},
        {"stored size differs from unpacked", 0, 3, 3},
        {"packed stream longer than unpacked size", 1, 3, 50},
        {"huge unpacked size", 1, 3, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        ArchiveTable saved = table_;
        patch(c.record, c.field, c.value);
        ArchiveError err;
        EXPECT_FALSE(LoadArchiveEntry(c.record == 0 ? "gfx\\backgrounds\\ok.bmp" : "gfx\\backgrounds\\packed.bmp",
                                      &err, table_))
            << c.what;
        EXPECT_EQ(err, ArchiveError::Damaged) << c.what;
        table_ = saved;
    }
    // A packed stream that ends early loads, zero-filled.
    patch(1, 3, 200);
    auto longer = LoadArchiveEntry("gfx\\backgrounds\\packed.bmp", nullptr, table_);
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->size(), 200u);
    EXPECT_EQ((*longer)[99], 5);
    EXPECT_EQ((*longer)[100], 0);
}

TEST_F(ArchiveTest, BitmapsInOneCall) {
    platform::gfx::Bitmap8 b;
    b.width = 3;
    b.height = 2;
    b.pixels = {1, 2, 3, 4, 5, 6};
    b.palette[4 * 4 + 1] = 200;  // entry 4 green
    auto good = platform::gfx::EncodeBmp8(b);
    auto bad = good;
    platform::StoreU32(bad.data() + 46, 300);  // more colours than a palette holds
    ArchiveWriter w;
    w.Add("good.bmp", good);
    w.Add("bad.bmp", bad);
    WriteAll(w);
    ASSERT_TRUE(LoadArchiveIndexes(table_));
    ArchiveError err;
    platform::gfx::BmpError bmpErr;
    auto got = LoadArchivedBitmap8("gfx\\backgrounds\\good.bmp", platform::gfx::PixelStart::FromHeader, &err,
                                   &bmpErr, table_);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->pixels, b.pixels);
    auto surface = LoadArchivedSurface("gfx\\backgrounds\\good.bmp", &err, table_);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Get(0, 1), 0x00C800u);
    EXPECT_FALSE(LoadArchivedBitmap8("gfx\\backgrounds\\bad.bmp", platform::gfx::PixelStart::AfterPalette, &err,
                                     &bmpErr, table_));
    EXPECT_EQ(err, ArchiveError::Damaged);
    EXPECT_EQ(bmpErr, platform::gfx::BmpError::TooManyColours);
    EXPECT_FALSE(LoadArchivedSurface("gfx\\backgrounds\\none.bmp", &err, table_));
    EXPECT_EQ(err, ArchiveError::NotFound);
}

TEST_F(ArchiveTest, WriterRefusesBadNames) {
    ArchiveWriter w;
    EXPECT_FALSE(w.Add("", Bytes({1})));
    EXPECT_FALSE(w.Add(std::string(48, 'a'), Bytes({1})));
    EXPECT_TRUE(w.Add(std::string(47, 'a'), Bytes({1})));
    EXPECT_EQ(w.Count(), 1);
}

}  // namespace
