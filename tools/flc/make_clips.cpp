// The clip generator: renders every scene of assets/flc/scenes.txt into the
// "flc" archive (each clip beside its backdrop) and writes the clip table.
//   make_clips <assets dir> <game dir>            the clips and backdrops, and the
//                                                 short set in <game dir>\shortclips
//   make_clips <assets dir> --table <file>        the table alone
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
#include "shell/archive.h"
#include "shell/archive_writer.h"
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
};

// Renders the jobs on a few threads; each job is independent, so the
// bytes do not depend on the order.
void RenderAll(std::vector<Job>& jobs) {
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) toolio::Fail("usage: make_clips <assets dir> <game dir> | --table <file>");
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
            jobs.push_back({&s, {}, {}, {}, {}, {}, 0});
        }
    for (const ClipSpec& s : specs)
        if (s.mirrorOf >= 0) jobs[jobOf.at(s.mirrorOf)].mirrors.push_back(s.number);
    const std::filesystem::path gameDir = mode;
    RenderAll(jobs);
    WriteArchive(gameDir, rows, jobs, false);
    WriteArchive(gameDir / "shortclips", rows, jobs, true);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("make_clips: the clips and the short set in %.1f s\n", secs);
    return 0;
}
