// Damaged inputs by the thousand: mutated index records, packed streams and
// bitmap files go through the readers, which must refuse or load them
// without reading or writing outside their buffers (the sanitizer build
// watches that).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "shell/archive.h"
#include "shell/archive_bitmap.h"
#include "shell/archive_writer.h"
#include "support/test_env.h"

using namespace platform::gfx;

namespace {

std::vector<uint8_t> Mutate(std::vector<uint8_t> v, std::mt19937& rng) {
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !v.empty(); ++e) {
        const size_t at = rng() % v.size();
        switch (rng() % 4) {
            case 0: v[at] = static_cast<uint8_t>(rng()); break;
            case 1: v[at] ^= static_cast<uint8_t>(1u << (rng() % 8)); break;
            case 2: v.resize(at); break;
            default: {
                static const uint32_t hostile[] = {0, 1, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 256, 257, 4096};
                if (at + 4 <= v.size()) platform::StoreU32(v.data() + at, hostile[rng() % 8]);
            }
        }
    }
    return v;
}

Bitmap8 Picture() {
    Bitmap8 b;
    b.width = 13;
    b.height = 7;
    b.coloursUsed = 256;
    for (int i = 0; i < 1024; ++i) b.palette[i] = static_cast<uint8_t>(i * 7);
    for (int i = 0; i < 13 * 7; ++i) b.pixels.push_back(static_cast<uint8_t>(i / 5));
    return b;
}

TEST(ReaderFuzzTest, BmpReaders) {
    std::mt19937 rng(1234);
    const auto good = EncodeBmp8(Picture());
    int loaded = 0;
    for (int i = 0; i < 4000; ++i) {
        auto f = Mutate(good, rng);
        for (PixelStart start : {PixelStart::AfterPalette, PixelStart::FromHeader}) {
            auto b = DecodeBmp8(f, start);
            if (b) {
                ++loaded;
                ASSERT_EQ(b->pixels.size(), static_cast<size_t>(b->width) * b->height);
                ASSERT_LE(b->coloursUsed, 256);
            }
        }
        auto b24 = DecodeBmp24(f);
        if (b24) {
            ASSERT_EQ(b24->pixels.size(), static_cast<size_t>(b24->width) * b24->height * 3);
        }
    }
    EXPECT_GT(loaded, 0) << "harmless mutations still load";
}

TEST(ReaderFuzzTest, RunLengthStreams) {
    std::mt19937 rng(99);
    std::vector<uint8_t> data;
    for (int i = 0; i < 600; ++i) data.push_back(static_cast<uint8_t>(i % 40 < 20 ? 7 : i));
    const auto packed = RlePack(data);
    for (int i = 0; i < 4000; ++i) {
        auto s = Mutate(packed, rng);
        const size_t expected = data.size() + (rng() % 3 == 0 ? rng() % 50 : 0) - (rng() % 3 == 0 ? rng() % 50 : 0);
        std::vector<uint8_t> out;
        RleResult r = RleUnpackChecked(s, expected, out);
        ASSERT_EQ(out.size(), expected);
        std::vector<uint8_t> dst(expected + 1, 0xCD);
        const int code = RleUnpack(dst.data(), s, static_cast<int>(expected));
        ASSERT_EQ(code == 0, r == RleResult::Exact);
        ASSERT_EQ(dst[expected], 0xCD) << "nothing written past the expected size";
    }
}

TEST(ReaderFuzzTest, IndexesAndEntries) {
    const auto root = testenv::TestFolder() / "install";
    std::filesystem::create_directories(root / "gfx");
    platform::SetInstallFolder(root);
    ArchiveWriter w;
    const auto bmp = EncodeBmp8(Picture());
    w.Add("a.bmp", bmp);
    w.AddStored("b.bmp", bmp);
    w.Add("sub\\c.bmp", std::vector<uint8_t>(3000, 1));
    auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(root / "gfx" / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    std::mt19937 rng(7);
    for (const char* name : kArchiveNames) {
        write(std::string(name) + ".idx", w.Index());
        write(std::string(name) + ".wad", w.Data());
    }
    for (int i = 0; i < 400; ++i) {
        write("menu.idx", Mutate(w.Index(), rng));
        write("menu.wad", Mutate(w.Data(), rng));
        ArchiveTable table;
        ASSERT_TRUE(LoadArchiveIndexes(table));
        for (const char* entry : {"a.bmp", "b.bmp", "sub\\c.bmp"}) {
            ArchiveError err;
            auto bytes = LoadArchiveEntry(std::string("gfx\\menu\\") + entry, &err, table);
            if (bytes) {
                auto ref = FindArchiveEntry(std::string("gfx\\menu\\") + entry, table);
                ASSERT_TRUE(ref);
                ASSERT_EQ(bytes->size(), ref->record.unpackedSize);
                DecodeBmp8(*bytes);
                // The pages' loaders on the same entry: refused or whole.
                if (auto b = LoadArchivedBitmap8(*ref, PixelStart::AfterPalette, &err, nullptr)) {
                    ASSERT_EQ(b->pixels.size(), static_cast<size_t>(b->width) * b->height);
                }
                if (auto p = LoadArchivedPicture(*ref, &err, nullptr); p && std::holds_alternative<Bitmap24>(*p)) {
                    const Bitmap24& b = std::get<Bitmap24>(*p);
                    ASSERT_EQ(b.pixels.size(), static_cast<size_t>(b.width) * b.height * 3);
                }
            } else {
                ASSERT_NE(err, ArchiveError::None);
            }
        }
    }
    platform::ResetFolders();
}

}  // namespace
