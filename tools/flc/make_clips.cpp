// The clip generator: renders every scene of assets/flc/scenes.txt into the
// "flc" archive (each clip beside its backdrop) and writes the clip table.
//   make_clips <assets dir> <game dir>            the clips and backdrops, and the
//                                                 short set in <game dir>\shortclips
//   make_clips <assets dir> --table <file>        the table alone
//   make_clips <assets dir> --sheets <dir> [n..]  contact sheets (PNG) of clips
// The short set holds the same clips cut to their first and last frames,
// for tests that play whole matches.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "../common/toolio.h"
#include "catalogue.h"
#include "clipgen.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "shell/archive.h"
#include "shell/archive_writer.h"
#include "shell/kitcolours.h"
#include "stadium.h"

namespace {

using namespace clipgen;

std::string ReadText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) toolio::Fail("cannot read " + p.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<uint8_t> BackdropFile(const Backdrop& b, bool flip) {
    platform::gfx::Bitmap8 bmp;
    bmp.width = kWidth;
    bmp.height = kHeight;
    bmp.coloursUsed = 256;
    bmp.palette = b.palette;
    art::Canvas8 c = b.pixels;
    if (flip) c.FlipHorizontal();
    bmp.pixels = c.Pixels();
    return platform::gfx::EncodeBmp8(bmp);
}

struct Job {
    const ClipSpec* spec;
    std::vector<int> mirrors;
    std::vector<uint8_t> clip, flipped, shortClip, shortFlipped;
    int frames = 0;
    std::vector<art::Canvas8> keep;  // for the contact sheets
};

// Renders the jobs on a few threads; each job is independent, so the
// bytes do not depend on the order.
void RenderAll(std::vector<Job>& jobs, bool keepFrames) {
    std::atomic<size_t> next{0};
    std::mutex failLock;
    std::string failure;
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            Job& j = jobs[i];
            RenderedClip r;
            std::string error;
            if (!RenderClip(*j.spec, r, &error)) {
                std::lock_guard<std::mutex> g(failLock);
                failure = "clip " + std::to_string(j.spec->number) + ": " + error;
                continue;
            }
            j.frames = static_cast<int>(r.frames.size());
            j.clip = EncodeClip(r.frames, false, false);
            j.shortClip = EncodeClip(r.frames, false, true);
            if (!j.mirrors.empty()) {
                j.flipped = EncodeClip(r.frames, true, false);
                j.shortFlipped = EncodeClip(r.frames, true, true);
            }
            if (keepFrames) j.keep = std::move(r.frames);
        }
    };
    const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < n; ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();
    if (!failure.empty()) toolio::Fail(failure);
}

void WriteArchive(const std::filesystem::path& gameDir, const std::vector<ClipRowInfo>& rows, std::vector<Job>& jobs,
                  bool shortSet) {
    std::map<int, Job*> bySource;
    for (Job& j : jobs) bySource[j.spec->number] = &j;
    std::map<std::pair<std::string, bool>, std::vector<uint8_t>> backdrops;
    ArchiveWriter w;
    long totalFrames = 0;
    for (const ClipRowInfo& r : rows) {
        Job& j = *bySource.at(r.source);
        const std::vector<uint8_t>& clip = shortSet ? (r.flipped ? j.shortFlipped : j.shortClip) : (r.flipped ? j.flipped : j.clip);
        if (!w.AddStored(r.name + ".flc", clip)) toolio::Fail("bad entry name " + r.name);
        auto key = std::make_pair(r.camera, r.flipped);
        auto it = backdrops.find(key);
        if (it == backdrops.end())
            it = backdrops.emplace(key, BackdropFile(DrawBackdrop(*FindCamera(r.camera)), r.flipped)).first;
        if (!w.Add(r.name + ".bmp", it->second)) toolio::Fail("bad entry name " + r.name);
        totalFrames += j.frames;
    }
    std::filesystem::create_directories(gameDir / "gfx");
    toolio::WriteGameFile(gameDir, "gfx\\flc.idx", w.Index());
    toolio::WriteGameFile(gameDir, "gfx\\flc.wad", w.Data());
    if (!shortSet)
        std::printf("make_clips: %zu clips, %ld frames (mean %.1f), %zu backdrops, archive %.1f MB\n", rows.size(), totalFrames,
                    rows.empty() ? 0.0 : static_cast<double>(totalFrames) / static_cast<double>(rows.size()),
                    backdrops.size(), static_cast<double>(w.Data().size()) / (1024.0 * 1024.0));
}

// Colours a clip's frame over its backdrop with two kit colours, as the
// match page would show it.
platform::gfx::Surface Compose(const art::Canvas8& frame, const Backdrop& back, int sideShirt, int sideShorts, int otherShirt,
                               int otherShorts) {
    platform::gfx::Surface s(kWidth, kHeight);
    const flcw::FlcPalette clip = ClipPalette();
    uint8_t rgb[256][3];
    for (int i = 0; i < 256; ++i)
        for (int k = 0; k < 3; ++k) rgb[i][k] = clip[static_cast<size_t>(3 * i + k)];
    const int kits[4] = {sideShirt, sideShorts, otherShirt, otherShorts};
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 32; ++k) {
            const KitColour c = KitColourAt(kits[r]);
            const double f = 1.0 - k / 32.0;
            rgb[128 + 32 * r + k][0] = static_cast<uint8_t>(c.red * f);
            rgb[128 + 32 * r + k][1] = static_cast<uint8_t>(c.green * f);
            rgb[128 + 32 * r + k][2] = static_cast<uint8_t>(c.blue * f);
        }
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const uint8_t v = frame.Get(x, y);
            uint8_t r, g, b;
            if (v == 0) {
                const uint8_t bv = back.pixels.Get(x, y);
                b = back.palette[static_cast<size_t>(4 * bv)];
                g = back.palette[static_cast<size_t>(4 * bv + 1)];
                r = back.palette[static_cast<size_t>(4 * bv + 2)];
            } else {
                r = rgb[v][0];
                g = rgb[v][1];
                b = rgb[v][2];
            }
            s.Set(x, y, (static_cast<platform::gfx::Pixel>(r) << 16) | (static_cast<platform::gfx::Pixel>(g) << 8) | b);
        }
    return s;
}

// Contact sheets: per folder, each clip at its first, middle and last
// frames over its backdrop at a quarter of the size, coloured with two
// clubs' kits (red and white against blue and white, the clip side
// alternating); and every camera's backdrop. Named clips get a sheet each
// at full size.
void WriteSheets(const std::filesystem::path& dir, const std::vector<ClipSpec>& specs, const std::vector<ClipRowInfo>& rows,
                 std::vector<Job>& jobs, const std::map<int, size_t>& jobOf, const std::vector<std::string>& only) {
    std::filesystem::create_directories(dir);
    std::map<std::string, Backdrop> backs;
    auto backdrop = [&](const std::string& cam) -> const Backdrop& {
        auto it = backs.find(cam);
        if (it == backs.end()) it = backs.emplace(cam, DrawBackdrop(*FindCamera(cam))).first;
        return it->second;
    };
    auto paste = [](platform::gfx::Surface& dst, const platform::gfx::Surface& src, int x0, int y0, int shrink) {
        for (int y = 0; y < src.Height() / shrink; ++y)
            for (int x = 0; x < src.Width() / shrink; ++x) dst.Set(x0 + x, y0 + y, src.Get(x * shrink, y * shrink));
    };
    if (!only.empty()) {
        std::vector<Job> some;
        for (const std::string& n : only)
            if (jobOf.count(std::stoi(n))) some.push_back(jobs[jobOf.at(std::stoi(n))]);
        RenderAll(some, true);
        for (const Job& j : some) {
            RenderedClip r;
            std::string e;
            DescribeClip(*j.spec, r, &e);
            platform::gfx::Surface sheet(kWidth * 3 + 8, kHeight);
            const size_t picks[3] = {0, j.keep.size() / 2, j.keep.size() - 1};
            for (int k = 0; k < 3; ++k) paste(sheet, Compose(j.keep[picks[k]], backdrop(r.camera), 7, 15, 11, 15), k * (kWidth + 4), 0, 1);
            char name[32];
            std::snprintf(name, sizeof name, "clip%03d.png", j.spec->number);
            platform::gfx::WritePng(sheet, dir / name);
        }
        return;
    }
    (void)specs;
    RenderAll(jobs, true);
    std::map<std::string, std::vector<const ClipRowInfo*>> byFolder;
    for (const ClipRowInfo& r : rows) byFolder[r.name.substr(0, r.name.find('\\'))].push_back(&r);
    const int tw = kWidth / 4, th = kHeight / 4, perRow = 4;
    for (const auto& [folder, list] : byFolder) {
        const int lines = (static_cast<int>(list.size()) + perRow - 1) / perRow;
        platform::gfx::Surface sheet(perRow * (3 * tw + 12), lines * (th + 4), 0x202020);
        for (size_t i = 0; i < list.size(); ++i) {
            const ClipRowInfo& r = *list[i];
            const Job& j = jobs[jobOf.at(r.source)];
            const bool home = (r.number % 2) == 0;
            const int x0 = static_cast<int>(i % perRow) * (3 * tw + 12), y0 = static_cast<int>(i / perRow) * (th + 4);
            const size_t picks[3] = {0, j.keep.size() / 2, j.keep.size() - 1};
            for (int k = 0; k < 3; ++k) {
                art::Canvas8 f = j.keep[picks[k]];
                Backdrop b = backdrop(r.camera);
                if (r.flipped) {
                    f.FlipHorizontal();
                    b.pixels.FlipHorizontal();
                }
                paste(sheet, Compose(f, b, home ? 7 : 11, 15, home ? 11 : 7, 15), x0 + k * tw, y0, 4);
            }
        }
        std::string file = folder;
        for (char& c : file)
            if (c == ' ') c = '_';
        platform::gfx::WritePng(sheet, dir / (file + ".png"));
    }
    platform::gfx::Surface cams(4 * (kWidth + 4), 4 * (kHeight + 4), 0x202020);
    int k = 0;
    for (const auto& [name, b] : backs) {
        paste(cams, Compose(art::Canvas8(kWidth, kHeight, 0), b, 7, 15, 11, 15), (k % 4) * (kWidth + 4), (k / 4) * (kHeight + 4), 1);
        ++k;
    }
    platform::gfx::WritePng(cams, dir / "backdrops.png");
    std::printf("make_clips: contact sheets of %zu folders in %s\n", byFolder.size(), dir.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) toolio::Fail("usage: make_clips <assets dir> <game dir> | --table <file> | --sheets <dir> [clip...]");
    const auto started = std::chrono::steady_clock::now();
    const std::filesystem::path assets = argv[1];
    std::vector<ClipSpec> specs;
    std::string error;
    if (!ParseCatalogue(ReadText(assets / "flc" / "scenes.txt"), specs, &error)) toolio::Fail(error);
    std::vector<ClipRowInfo> rows;
    if (!DescribeCatalogue(specs, rows, &error)) toolio::Fail(error);
    const std::string mode = argv[2];
    if (mode == "--table") {
        if (argc != 4) toolio::Fail("--table needs a file");
        const std::string text = TableText(rows);
        std::filesystem::create_directories(std::filesystem::path(argv[3]).parent_path());
        // Rewritten only when it changes, so the game is not rebuilt for nothing.
        std::ifstream old(argv[3], std::ios::binary);
        std::ostringstream was;
        if (old) was << old.rdbuf();
        if (!old || was.str() != text) {
            std::ofstream out(argv[3], std::ios::binary);
            out << text;
        }
        return 0;
    }
    std::vector<Job> jobs;
    std::map<int, size_t> jobOf;
    for (const ClipSpec& s : specs)
        if (s.mirrorOf < 0) {
            jobOf[s.number] = jobs.size();
            jobs.push_back({&s, {}, {}, {}, {}, {}, 0, {}});
        }
    for (const ClipSpec& s : specs)
        if (s.mirrorOf >= 0) jobs[jobOf.at(s.mirrorOf)].mirrors.push_back(s.number);
    if (mode == "--sheets") {
        if (argc < 4) toolio::Fail("--sheets needs a folder");
        WriteSheets(argv[3], specs, rows, jobs, jobOf, std::vector<std::string>(argv + 4, argv + argc));
        return 0;
    }
    const std::filesystem::path gameDir = mode;
    RenderAll(jobs, false);
    WriteArchive(gameDir, rows, jobs, false);
    WriteArchive(gameDir / "shortclips", rows, jobs, true);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("make_clips: the clips and the short set in %.1f s\n", secs);
    return 0;
}
