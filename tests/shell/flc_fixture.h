#pragma once
// A page with an archive of small clips our writer made, one for each of
// the player's test rows (assets/flc/clips.txt, played in place of the
// game's table), their backdrops, the scratch surface and two match
// samples, for the animation player's tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "flcwriter.h"
#include "page_fixture.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "shell/archive.h"
#include "shell/archive_writer.h"
#include "shell/ddsurface.h"
#include "shell/flcclips.h"
#include "shell/soundengine.h"
#include "shell/view.h"
#include "support/test_env.h"

namespace flctest {

inline constexpr int kClipW = 40, kClipH = 30;
inline constexpr int kSeeThrough = 10;  // the clips' transparent index

// The clips' palette: their own colours below 64 (index 10 the see-through
// colour), grey ramps above, as the clip set's layout asks.
inline flcw::FlcPalette ClipPalette(int seed = 0) {
    flcw::FlcPalette p{};
    for (int i = 0; i < 256; ++i) {
        p[3 * i] = static_cast<uint8_t>((i * 3 + seed) & 0xFC);
        p[3 * i + 1] = static_cast<uint8_t>((i * 7) & 0xFC);
        p[3 * i + 2] = static_cast<uint8_t>((i * 11) & 0xFC);
    }
    p[3 * kSeeThrough] = 252;
    p[3 * kSeeThrough + 1] = 0;
    p[3 * kSeeThrough + 2] = 140;
    return p;
}

// Frame f of a test clip: a diagonal pattern that moves, see-through in the
// top-left corner block, whose size changes with the frame.
inline std::vector<uint8_t> ClipFrame(int w, int h, int f) {
    std::vector<uint8_t> px(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t v = static_cast<uint8_t>(20 + (x + 2 * y + 3 * f) % 40);
            if (x < 4 + f % 3 && y < 4) v = kSeeThrough;
            px[static_cast<size_t>(y * w + x)] = v;
        }
    return px;
}

inline std::vector<uint8_t> WriteClip(int frames, int w = kClipW, int h = kClipH, bool sixBit = false) {
    flcw::FlcWriter writer(w, h, sixBit);
    for (int f = 0; f < frames; ++f)
        writer.AddFrame(ClipFrame(w, h, f), f == 0 ? std::optional<flcw::FlcPalette>(ClipPalette()) : std::nullopt);
    return writer.Finish();
}

// A 320 x 200 backdrop in one colour (palette entry 1).
inline std::vector<uint8_t> Backdrop(uint8_t r, uint8_t g, uint8_t b) {
    platform::gfx::Bitmap8 bmp;
    bmp.width = 320;
    bmp.height = 200;
    bmp.coloursUsed = 256;
    bmp.palette[4] = b;
    bmp.palette[5] = g;
    bmp.palette[6] = r;
    bmp.pixels.assign(320 * 200, 1);
    return platform::gfx::EncodeBmp8(bmp);
}

inline std::string EntryName(const FlcClipRow& row, const char* ext) {
    return row.name + ext;
}

// The player's test rows.
inline std::vector<FlcClipRow> TestClipRows() {
    std::ifstream in(testenv::SourceDir() / "assets" / "flc" / "clips.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<FlcClipRow> rows;
    std::string error;
    EXPECT_TRUE(ParseFlcClipTable(text, rows, &error)) << error;
    return rows;
}

// Plays the test rows for as long as it lives.
struct FlcTestRowsInPlace {
    FlcTestRowsInPlace() { SetFlcClipTableForTesting(TestClipRows()); }
    ~FlcTestRowsInPlace() { RestoreFlcClipTable(); }
};

class FlcPageTest : public pagetest::PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        SetFlcClipTableForTesting(TestClipRows());
        root = testenv::TestFolder() / "install";
        std::filesystem::create_directories(root / "gfx");
        std::filesystem::create_directories(root / "SND" / "MAT");
        for (const char* s : {"buttonpress", "listscroll"})
            std::filesystem::copy_file(testenv::GameDir() / "SND" / "GEN" / (std::string(s) + ".wav"),
                                       root / "SND" / "MAT" / (std::string(s) + ".wav"),
                                       std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(CreatePlainSurface(g_pScratchSurface, 320, 200), DD_OK);
    }
    void TearDown() override {
        if (page) page->CloseFlc(true);
        g_pScratchSurface.reset();
        EndDirectSound();
        FreeArchiveIndexes();
        platform::ResetFolders();
        RestoreFlcClipTable();
        PageFixture::TearDown();
    }
    // Every row's clip (3 frames, or what `frames` says) and backdrop,
    // except those `skip` leaves out or `custom` replaces.
    void Install(const std::map<int, int>& frames = {}, const std::vector<int>& skip = {},
                 const std::map<int, std::vector<uint8_t>>& custom = {}) {
        ArchiveWriter w;
        for (const FlcClipRow& row : FlcClipRows()) {
            if (std::find(skip.begin(), skip.end(), row.number) != skip.end()) continue;
            auto it = custom.find(row.number);
            auto f = frames.find(row.number);
            const std::vector<uint8_t> clip = it != custom.end() ? it->second : WriteClip(f != frames.end() ? f->second : 3);
            ASSERT_TRUE(w.AddStored(EntryName(row, ".flc"), clip));
            ASSERT_TRUE(w.Add(EntryName(row, ".bmp"), Backdrop(0, 90, 30)));
        }
        for (const char* name : kArchiveNames) {
            const bool flc = std::string(name) == "flc";
            ArchiveWriter empty;
            const ArchiveWriter& use = flc ? w : empty;
            std::ofstream(root / "gfx" / (std::string(name) + ".idx"), std::ios::binary)
                .write(reinterpret_cast<const char*>(use.Index().data()), static_cast<std::streamsize>(use.Index().size()));
            std::ofstream(root / "gfx" / (std::string(name) + ".wad"), std::ios::binary)
                .write(reinterpret_cast<const char*>(use.Data().data()), static_cast<std::streamsize>(use.Data().size()));
        }
        platform::SetInstallFolder(root);
        ASSERT_TRUE(LoadArchiveIndexes());
        ASSERT_EQ(StartDirectSound(), 0);
        LoadSample(22, "SND\\MAT\\buttonpress.wav");
        LoadSample(23, "SND\\MAT\\listscroll.wav");
        MakePage();
        page->CreateFonts(g_pScratchSurface.get());
    }
    // Sample `slot` was played since the last call.
    bool Played(int slot) {
        const SampleRecord* s = GetSample(slot);
        const bool was = s && s->playing;
        StopSample(slot);
        return was;
    }
    uint32_t Scratch(int x, int y) { return g_pScratchSurface->Get(x, y); }

    std::filesystem::path root;
};

}  // namespace flctest
