// Contact sheets of the shipped match clips, for people to look at: the
// clips are read from a game folder's "flc" archive through the game's own
// reader and decoder, recoloured through the game's own palette conversion
// with the kits of two of the generated clubs, and drawn over their
// backdrops.
//   make_clip_sheets <game dir> <sheet dir> [home club] [away club] [clip...]
// writes one PNG per clip folder (each clip at its first, middle and last
// frames, at a quarter of the size; right-hand clips for the home side,
// left-hand ones for the away side) and backdrops.png (every distinct
// backdrop at full size); with clip numbers, clipNNN.png of each of them at
// full size instead.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../common/toolio.h"
#include "platform/files.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"
#include "shell/flcclips.h"
#include "shell/flcdecode.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/matchplay.h"
#include "soccerclasses/matchvars.h"
#include "soccerclasses/stadium.h"
#include "soccerclasses/worlddata.h"

namespace {

using platform::gfx::Pixel;
using platform::gfx::Surface;

constexpr int kW = 320, kH = 200;

// The kits the match page would use for the two clubs: read from the
// generated clubs through the game's own world and match.
FlcSideKits KitsOfClubs(int home, int away) {
    CWorldData world;
    ScopedWorld scope(&world);
    for (int id = 1; id < 255; ++id) world.SelectCountry(id, false);
    world.ReadFederationsAndCountries();
    FILE* f = OpenDataFile("Data\\Clubs.bin");
    const int32_t clubs = LoadInt32(f);
    CloseGameFile(f);
    if (home < 0 || away < 0 || home >= clubs || away >= clubs || home == away)
        toolio::Fail("clubs " + std::to_string(home) + " and " + std::to_string(away) + " are not two of the " +
                     std::to_string(clubs) + " clubs");
    for (int i = 0; i < clubs; ++i) world.GetClubList().AddRealClub(std::make_unique<CClub>());
    ReadDivisionsIntoWorld(world);
    world.GetStadiumList().ReadDataFile();
    world.GetClubList().ReadDataFile();
    world.GetMatchVars()->SetClubs(home, away);
    CMatchPlay match;
    FlcSideKits kits;
    kits.homeShirt = match.GetHomeKitByte(3);
    kits.homeShorts = match.GetHomeKitByte(6);
    kits.awayShirt = match.GetAwayKitByte(3);
    kits.awayShorts = match.GetAwayKitByte(6);
    std::printf("make_clip_sheets: %s (shirt %d, shorts %d) against %s (shirt %d, shorts %d)\n",
                world.GetClub(home)->GetName().c_str(), kits.homeShirt, kits.homeShorts,
                world.GetClub(away)->GetName().c_str(), kits.awayShirt, kits.awayShorts);
    ResetGameFileChannel();
    return kits;
}

struct SheetClip {
    std::vector<std::vector<uint8_t>> frames;  // first, middle, last
    std::array<uint8_t, 1024> palette{};       // as the file gives it
    int transparent = -1;
};

std::optional<SheetClip> DecodeClip(const std::vector<uint8_t>& file) {
    flc::Header h;
    if (!flc::ReadHeader(file, h) || h.width != kW || h.height != kH) return std::nullopt;
    SheetClip c;
    std::vector<uint8_t> frame(static_cast<size_t>(kW * kH), 0);
    size_t offset = flc::kFileHeaderSize;
    const int picks[3] = {0, h.frames / 2, h.frames - 1};
    for (int f = 0; f < h.frames; ++f) {
        flc::FrameTarget t{frame.data(), kW, kH, c.palette.data(), &c.transparent, false};
        if (flc::DecodeFrame(file, offset, t, f == 0) != flc::FrameResult::Shown) return std::nullopt;
        for (int p : picks)
            if (p == f && c.frames.size() < 3) c.frames.push_back(frame);
    }
    return c;
}

Pixel RgbOf(const uint8_t* bgrx) {
    return (static_cast<Pixel>(bgrx[2]) << 16) | (static_cast<Pixel>(bgrx[1]) << 8) | bgrx[0];
}

// A frame over its backdrop, as the page mixes them: see-through pixels
// show the backdrop, the rest take the converted palette.
Surface Compose(const std::vector<uint8_t>& frame, const uint8_t* converted, int transparent, const platform::gfx::Bitmap8& back) {
    Surface s(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const size_t i = static_cast<size_t>(y * kW + x);
            const uint8_t v = frame[i];
            if (v == transparent)
                s.Set(x, y, RgbOf(back.palette.data() + 4 * back.pixels[i]));
            else
                s.Set(x, y, RgbOf(converted + 4 * v));
        }
    return s;
}

void Paste(Surface& dst, const Surface& src, int x0, int y0, int shrink) {
    for (int y = 0; y < src.Height() / shrink; ++y)
        for (int x = 0; x < src.Width() / shrink; ++x) dst.Set(x0 + x, y0 + y, src.Get(x * shrink, y * shrink));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc < 5) toolio::Fail("usage: make_clip_sheets <game dir> <sheet dir> [home club] [away club] [clip...]");
    const std::filesystem::path gameDir = argv[1], sheetDir = argv[2];
    const int home = argc >= 5 ? std::atoi(argv[3]) : 0, away = argc >= 5 ? std::atoi(argv[4]) : 1;
    std::vector<int> only;
    for (int a = 5; a < argc; ++a) only.push_back(std::atoi(argv[a]));
    platform::SetInstallFolder(gameDir);
    const FlcSideKits kits = KitsOfClubs(home, away);
    ArchiveTable table;
    if (!LoadArchiveIndexes(table)) toolio::Fail("cannot read the archives in " + gameDir.string());
    auto entry = [&](const std::string& path) -> std::vector<uint8_t> {
        auto ref = FindArchiveEntry(path, table);
        auto bytes = ref ? ReadArchiveEntry(*ref) : std::nullopt;
        if (!bytes) toolio::Fail("cannot read " + path);
        return *bytes;
    };
    std::filesystem::create_directories(sheetDir);
    std::map<std::string, std::vector<const FlcClipRow*>> byFolder;
    for (const FlcClipRow& r : FlcClipRows()) byFolder[r.name.substr(0, r.name.find('\\'))].push_back(&r);
    if (!only.empty()) {
        byFolder.clear();
        for (int n : only) {
            const FlcClipRow* r = FlcClipAt(n);
            if (!r) toolio::Fail("no clip " + std::to_string(n));
            char name[16];
            std::snprintf(name, sizeof name, "clip%03d", n);
            byFolder[name].push_back(r);
        }
    }
    const bool whole = !only.empty();
    std::map<std::vector<uint8_t>, platform::gfx::Bitmap8> backdrops;
    const int shrink = whole ? 1 : 4, tw = kW / shrink, th = kH / shrink, perRow = whole ? 1 : 4, cellW = 3 * (tw + 4);
    for (const auto& [folder, rows] : byFolder) {
        const int lines = (static_cast<int>(rows.size()) + perRow - 1) / perRow;
        Surface sheet(perRow * cellW, lines * (th + 4), 0x202020);
        for (size_t i = 0; i < rows.size(); ++i) {
            const FlcClipRow& r = *rows[i];
            const std::optional<SheetClip> clip = DecodeClip(entry(FlcClipPath(r)));
            if (!clip) toolio::Fail("clip " + std::to_string(r.number) + " does not decode");
            const std::vector<uint8_t> backFile = entry(FlcBackdropPath(r));
            auto it = backdrops.find(backFile);
            if (it == backdrops.end()) {
                auto bmp = platform::gfx::DecodeBmp8(backFile, platform::gfx::PixelStart::AfterPalette);
                if (!bmp || bmp->width != kW || bmp->height != kH) toolio::Fail("backdrop of clip " + std::to_string(r.number));
                it = backdrops.emplace(backFile, *bmp).first;
            }
            // Play at the right-hand goal is the home side's before half
            // time; clips with no mirror take the sides in turn.
            const int side = FlcEndSwap(r.number) == r.number ? r.number % 2 : (r.name.back() == 'R' ? 0 : 1);
            std::array<uint8_t, 1024> converted{};
            ConvertFlcClipPalette(r.number, side, kits, clip->palette.data(), converted.data());
            const int x0 = static_cast<int>(i % perRow) * cellW, y0 = static_cast<int>(i / perRow) * (th + 4);
            for (size_t k = 0; k < clip->frames.size(); ++k)
                Paste(sheet, Compose(clip->frames[k], converted.data(), clip->transparent, it->second),
                      x0 + static_cast<int>(k) * (tw + 4), y0, shrink);
        }
        std::string file = folder;
        std::replace(file.begin(), file.end(), ' ', '_');
        if (!platform::gfx::WritePng(sheet, sheetDir / (file + ".png"))) toolio::Fail("cannot write " + file + ".png");
    }
    const int count = static_cast<int>(backdrops.size());
    if (whole) return 0;
    Surface all(4 * (kW + 4), ((count + 3) / 4) * (kH + 4), 0x202020);
    const std::vector<uint8_t> none(static_cast<size_t>(kW * kH), 0);
    std::array<uint8_t, 1024> unused{};
    int k = 0;
    for (const auto& [bytes, bmp] : backdrops) {
        Paste(all, Compose(none, unused.data(), 0, bmp), (k % 4) * (kW + 4), (k / 4) * (kH + 4), 1);
        ++k;
    }
    if (!platform::gfx::WritePng(all, sheetDir / "backdrops.png")) toolio::Fail("cannot write backdrops.png");
    FreeArchiveIndexes(table);
    std::printf("make_clip_sheets: %zu folders and %d backdrops in %s\n", byFolder.size(), count, sheetDir.string().c_str());
    return 0;
}
