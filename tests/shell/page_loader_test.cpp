// The page-side picture loaders on archives of our own: palettes and rows
// as the pages take them, damaged pictures refused, missing ones reported
// once per path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "shell/archive.h"
#include "shell/archive_writer.h"
#include "shell/screen.h"
#include "page_fixture.h"
#include "support/test_env.h"

using namespace platform::gfx;

namespace {

// A BMP file written field by field, so tests can give it any header.
struct BmpSpec {
    int width = 4;
    int height = 3;
    int bitCount = 8;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t pixelOffset = 0;  // 0: right behind the palette
    int cutBytes = 0;          // bytes missing at the end
};

std::vector<uint8_t> MakeBmp(const BmpSpec& s, const std::function<uint8_t(int x, int y)>& pixel) {
    const int n = s.bitCount <= 8 ? (s.coloursUsed ? static_cast<int>(std::min<uint32_t>(s.coloursUsed, 256)) : 256) : 0;
    const int bytesPerRow = s.bitCount >= 8 ? s.width * s.bitCount / 8 : (s.width * s.bitCount + 7) / 8;
    const int stride = BmpStride(bytesPerRow);
    const uint32_t offset = s.pixelOffset ? s.pixelOffset : 54u + 4u * static_cast<uint32_t>(n);
    platform::ByteWriter w;
    w.U8('B');
    w.U8('M');
    w.U32(54 + 4 * n + stride * std::abs(s.height));
    w.U32(0);
    w.U32(offset);
    w.U32(40);
    w.I32(s.width);
    w.I32(s.height);
    w.U16(1);
    w.U16(static_cast<uint16_t>(s.bitCount));
    w.U32(s.compression);
    w.U32(static_cast<uint32_t>(stride * std::abs(s.height)));
    w.I32(3780);
    w.I32(3780);
    w.U32(s.coloursUsed);
    w.U32(0);
    for (int i = 0; i < n; ++i) {  // blue, green, red, reserved
        w.U8(static_cast<uint8_t>(i));
        w.U8(static_cast<uint8_t>(255 - i));
        w.U8(static_cast<uint8_t>(i * 3));
        w.U8(0);
    }
    std::vector<uint8_t> out = w.Take();
    for (int y = std::abs(s.height) - 1; y >= 0; --y) {
        for (int x = 0; x < bytesPerRow; ++x) out.push_back(pixel(x, y));
        out.insert(out.end(), static_cast<size_t>(stride - bytesPerRow), 0xEE);
    }
    out.resize(out.size() - static_cast<size_t>(std::min<int>(s.cutBytes, static_cast<int>(out.size()))));
    // The file header's size never claims more than the bytes hold.
    platform::StoreU32(out.data() + 2, static_cast<uint32_t>(out.size()));
    return out;
}

uint8_t Diagonal(int x, int y) { return static_cast<uint8_t>((x * 7 + y * 13) & 15); }

class PageLoaderTest : public pagetest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        root = testenv::TestFolder() / "install";
        std::filesystem::create_directories(root / "gfx");
    }
    void TearDown() override {
        FreeArchiveIndexes();
        platform::ResetFolders();
        PageFixture::TearDown();
    }
    // Every archive holds the same entries; the pages ask "gfx\backgrounds\...".
    void Install() {
        for (const char* name : kArchiveNames) {
            std::ofstream(root / "gfx" / (std::string(name) + ".idx"), std::ios::binary)
                .write(reinterpret_cast<const char*>(writer.Index().data()),
                       static_cast<std::streamsize>(writer.Index().size()));
            std::ofstream(root / "gfx" / (std::string(name) + ".wad"), std::ios::binary)
                .write(reinterpret_cast<const char*>(writer.Data().data()),
                       static_cast<std::streamsize>(writer.Data().size()));
        }
        platform::SetInstallFolder(root);
        ASSERT_TRUE(LoadArchiveIndexes());
        MakePage();
    }
    size_t Boxes() const { return backend->Boxes().size(); }

    std::filesystem::path root;
    ArchiveWriter writer;
};

TEST_F(PageLoaderTest, SixteenColoursGiveSixteenEntriesAndRowsAtOffset118) {
    BmpSpec s;
    s.width = 5;
    s.height = 2;
    s.coloursUsed = 16;
    s.pixelOffset = 1078;  // a wrong header offset: the loader goes by the palette
    auto file = MakeBmp(s, Diagonal);
    writer.AddStored("pal16.bmp", file);
    Install();
    uint8_t palette[1024];
    std::memset(palette, 0xAB, sizeof palette);
    std::vector<uint8_t> pixels;
    int w = 0, h = 0;
    ASSERT_EQ(page->LoadBitmap8("gfx\\backgrounds\\pal16.bmp", palette, pixels, &w, &h), 0);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 2);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(palette[4 * i + 0], i);
        EXPECT_EQ(palette[4 * i + 1], 255 - i);
        EXPECT_EQ(palette[4 * i + 2], i * 3);
    }
    EXPECT_EQ(palette[4 * 16], 0xAB) << "entries past the file's 16 are left as they were";
    EXPECT_EQ(palette[1023], 0xAB);
    ASSERT_EQ(pixels.size(), 10u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(pixels[static_cast<size_t>(y * 5 + x)], Diagonal(x, y));
    // The bottom row sits right at 118 in the file.
    EXPECT_EQ(file[118], Diagonal(0, 1));
}

TEST_F(PageLoaderTest, TenPixelsWideIsAStrideOfTwelveLoadedAsRowsOfTen) {
    BmpSpec s;
    s.width = 10;
    s.height = 3;
    auto file = MakeBmp(s, Diagonal);
    ASSERT_EQ(file.size(), 1078u + 12 * 3);
    writer.Add("wide10.bmp", file);  // packed
    Install();
    uint8_t palette[1024] = {};
    std::vector<uint8_t> pixels;
    ASSERT_EQ(page->LoadBitmap8("gfx\\Backgrounds\\WIDE10.BMP", palette, pixels), 0);
    ASSERT_EQ(pixels.size(), 30u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(pixels[static_cast<size_t>(y * 10 + x)], Diagonal(x, y)) << x << "," << y;
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xEE), 0) << "no padding byte in the rows";
    EXPECT_EQ(palette[4 * 255 + 2], static_cast<uint8_t>(255 * 3)) << "n = 0 copies all 256 entries";
    // The page kept the numbers of the record it found.
    const ArchiveBitmapState& st = page->GetArchiveBitmapState();
    auto ref = FindArchiveEntry("gfx\\backgrounds\\wide10.bmp");
    ASSERT_TRUE(ref);
    EXPECT_EQ(st.packed, ref->record.packed);
    EXPECT_NE(st.packed, 0u);
    EXPECT_EQ(st.offset, ref->record.offset);
    EXPECT_EQ(st.storedSize, ref->record.storedSize);
    EXPECT_EQ(st.unpackedSize, static_cast<uint32_t>(file.size()));
}

TEST_F(PageLoaderTest, AStrideAboveFourKilobytesIsNoOverflow) {
    BmpSpec s;
    s.width = 5001;
    s.height = 2;
    writer.Add("huge.bmp", MakeBmp(s, [](int x, int y) { return static_cast<uint8_t>(x + y); }));
    Install();
    uint8_t palette[1024];
    std::vector<uint8_t> pixels;
    ASSERT_EQ(page->LoadBitmap8("gfx\\backgrounds\\huge.bmp", palette, pixels), 0);
    ASSERT_EQ(pixels.size(), 10002u);
    EXPECT_EQ(pixels[5000], static_cast<uint8_t>(5000 + 0));
    EXPECT_EQ(pixels[5001 + 4999], static_cast<uint8_t>(4999 + 1));
}

struct Damaged {
    const char* what;
    BmpSpec spec;
    const char* loader8Message;  // the box LoadBitmap8 shows
};

TEST_F(PageLoaderTest, DamagedPicturesAreRefusedWithTheirMessage) {
    const char* kMissing = "Cannot find file : %s\n";
    const char* kNot8 = "Bitmap ' %s ' is not 8 Bit.";
    auto spec = [](auto f) {
        BmpSpec s;
        f(s);
        return s;
    };
    const std::vector<Damaged> cases = {
        {"zero width", spec([](BmpSpec& s) { s.width = 0; }), kMissing},
        {"top-down rows", spec([](BmpSpec& s) { s.height = -3; }), kMissing},
        {"four bits", spec([](BmpSpec& s) { s.bitCount = 4; s.coloursUsed = 16; }), kNot8},
        {"one bit", spec([](BmpSpec& s) { s.bitCount = 1; s.coloursUsed = 2; s.width = 13; }), kNot8},
        {"sixteen bits", spec([](BmpSpec& s) { s.bitCount = 16; s.width = 7; }), kNot8},
        {"compressed", spec([](BmpSpec& s) { s.compression = 1; }), kMissing},
        {"300 colours", spec([](BmpSpec& s) { s.coloursUsed = 300; }), kMissing},
        {"rows cut short", spec([](BmpSpec& s) { s.cutBytes = 5; }), kMissing},
        {"palette cut short", spec([](BmpSpec& s) { s.cutBytes = 1000 + 4 * 3; }), kMissing},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        writer.AddStored("bad" + std::to_string(i) + ".bmp", MakeBmp(cases[i].spec, Diagonal));
    Install();
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string path = "gfx\\backgrounds\\bad" + std::to_string(i) + ".bmp";
        uint8_t palette[1024] = {};
        std::vector<uint8_t> pixels{1, 2, 3};
        const size_t before = Boxes();
        EXPECT_EQ(page->LoadBitmap8(path, palette, pixels), 1) << cases[i].what;
        ASSERT_EQ(Boxes(), before + 1) << cases[i].what;
        char want[200];
        std::snprintf(want, sizeof want, cases[i].loader8Message, path.c_str());
        EXPECT_EQ(backend->Boxes().back().text, want) << cases[i].what;

        // The surface builder refuses them all, other depths included, and
        // leaves the surface it was given.
        auto surface = std::make_unique<Surface>(2, 2, MakePixel(1, 2, 3));
        Surface* kept = surface.get();
        EXPECT_EQ(page->BuildSurfaceFromBitmap(path, surface), 1) << cases[i].what;
        EXPECT_EQ(surface.get(), kept) << cases[i].what;
    }
}

// A picture too wide for any surface is refused by both loaders with
// result 1, and the builder leaves the caller's surface as it was: never
// an empty surface handed back as a success.
TEST_F(PageLoaderTest, APictureTooLargeForASurfaceIsAFailure) {
    BmpSpec wide;
    wide.width = Surface::kMaxSide + 4;
    wide.height = 1;
    writer.AddStored("wide.bmp", MakeBmp(wide, Diagonal));
    Install();
    const std::string path = "gfx\\backgrounds\\wide.bmp";
    uint8_t palette[1024] = {};
    std::vector<uint8_t> pixels{7};
    EXPECT_EQ(page->LoadBitmap8(path, palette, pixels), 1);
    EXPECT_EQ(pixels, std::vector<uint8_t>{7});
    auto surface = std::make_unique<Surface>(2, 2, MakePixel(1, 2, 3));
    Surface* kept = surface.get();
    EXPECT_EQ(page->BuildSurfaceFromBitmap(path, surface), 1);
    EXPECT_EQ(surface.get(), kept);
    EXPECT_EQ(surface->Get(1, 1), MakePixel(1, 2, 3));
}

TEST_F(PageLoaderTest, SurfacesFromEightAndTwentyFourBitPictures) {
    BmpSpec s8;
    s8.width = 3;
    s8.height = 2;
    writer.Add("p8.bmp", MakeBmp(s8, [](int x, int y) { return static_cast<uint8_t>(x + 3 * y); }));
    BmpSpec s24;
    s24.width = 3;
    s24.height = 2;
    s24.bitCount = 24;
    writer.Add("p24.bmp", MakeBmp(s24, [](int x, int y) { return static_cast<uint8_t>(10 * y + x); }));
    Install();
    std::unique_ptr<Surface> surface;
    ASSERT_EQ(page->BuildSurfaceFromBitmap("gfx\\backgrounds\\p8.bmp", surface), 0);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Width(), 3);
    EXPECT_EQ(surface->Height(), 2);
    // Index 4 at (1, 1): red 12, green 251, blue 4.
    EXPECT_EQ(surface->Get(1, 1), MakePixel(12, 251, 4));
    ASSERT_EQ(page->BuildSurfaceFromBitmap("gfx\\backgrounds\\p24.bmp", surface), 0);
    // Bytes blue, green, red of pixel (1, 0) are 3, 4, 5 of row 0.
    EXPECT_EQ(surface->Get(1, 0), MakePixel(5, 4, 3));
    EXPECT_EQ(surface->Get(2, 1), MakePixel(18, 17, 16));
}

TEST_F(PageLoaderTest, AMissingPictureIsShownOncePerPathThenTraced) {
    Install();
    platform::TraceCapture trace;
    uint8_t palette[1024];
    std::vector<uint8_t> pixels;
    std::unique_ptr<Surface> surface;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(page->LoadBitmap8("gfx\\backgrounds\\gone.bmp", palette, pixels), 1);
        EXPECT_EQ(page->BuildSurfaceFromBitmap("gfx\\backgrounds\\gone.bmp", surface), 1);
    }
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(backend->Boxes()[0].text, "Cannot find file : gfx\\backgrounds\\gone.bmp\n");
    EXPECT_EQ(backend->Boxes()[0].caption, platform::LoadString(843));
    int traced = 0;
    for (const std::string& l : trace.Lines())
        if (l == "Cannot find file : gfx\\backgrounds\\gone.bmp\n") ++traced;
    EXPECT_EQ(traced, 5);
    // Another path has its own first box; an unknown archive is missing too.
    EXPECT_EQ(page->LoadBitmap8("gfx\\nosuch\\gone.bmp", palette, pixels), 1);
    EXPECT_EQ(Boxes(), 2u);
    ArchiveEntryRef ref;
    EXPECT_EQ(page->OpenArchiveEntry("gfx\\backgrounds", ref), 1);
    EXPECT_FALSE(surface);
}

}  // namespace
