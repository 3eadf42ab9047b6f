// Writes the stadium archive (gfx\stadium.idx and .wad): every plan part,
// mark, elevation and side-view picture the stadium pages can ask for,
// drawn from one model of the ground; and checks that the plan table in
// assets agrees with the one the pages use.
//   make_stadium <assets dir> <game dir> [--sheets <folder>]
// With --sheets it also writes contact sheets of every picture family (PNG)
// for people to look at.
#include <fstream>
#include <sstream>
#include <thread>

#include "../../common/toolio.h"
#include "platform/gfx/png.h"
#include "shell/archive_writer.h"
#include "shell/stadiumparts.h"
#include "stadium_model.h"

namespace {

// Sheets of one folder's pictures on a grey ground, as many as fit a page.
void WriteSheets(const std::vector<std::string>& names, const std::vector<platform::gfx::Bitmap8>& bitmaps,
                 const std::filesystem::path& folder) {
    using platform::gfx::Surface;
    std::filesystem::create_directories(folder);
    for (const char* family : {"plans", "stan3d", "stad3d"}) {
        std::vector<size_t> members;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i].rfind(std::string(family) + "\\", 0) == 0) members.push_back(i);
        int cellW = 0, cellH = 0;
        for (size_t i : members) cellW = std::max(cellW, bitmaps[i].width), cellH = std::max(cellH, bitmaps[i].height);
        const int cols = std::max(1, 1800 / (cellW + 4)), rows = std::max(1, 1400 / (cellH + 4));
        const size_t perSheet = static_cast<size_t>(cols * rows);
        for (size_t first = 0, sheet = 0; first < members.size(); first += perSheet, ++sheet) {
            const size_t n = std::min(perSheet, members.size() - first);
            const int usedRows = static_cast<int>((n + cols - 1) / cols);
            Surface page(cols * (cellW + 4) + 4, usedRows * (cellH + 4) + 4, platform::gfx::MakePixel(96, 96, 100));
            for (size_t k = 0; k < n; ++k) {
                const Surface pic = platform::gfx::ToSurface(bitmaps[members[first + k]]);
                const int x0 = 4 + static_cast<int>(k % cols) * (cellW + 4), y0 = 4 + static_cast<int>(k / cols) * (cellH + 4);
                for (int y = 0; y < pic.Height(); ++y)
                    for (int x = 0; x < pic.Width(); ++x)
                        if (pic.Get(x, y) != platform::gfx::kKeyPixel) page.Set(x0 + x, y0 + y, pic.Get(x, y));
            }
            platform::gfx::WritePng(page, folder / (std::string(family) + "_" + std::to_string(sheet) + ".png"));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--sheets"))
        toolio::Fail("usage: make_stadium <assets dir> <game dir> [--sheets <folder>]");
    std::ifstream in(std::filesystem::path(argv[1]) / "stadium" / "plan.txt");
    std::stringstream text;
    text << in.rdbuf();
    std::array<std::array<stadiumparts::PlanRect, 6>, 9> rects{};
    if (!in || !stadiumparts::ParsePlanTable(text.str(), rects)) toolio::Fail("assets/stadium/plan.txt is malformed");
    for (int part = 0; part <= 8; ++part)
        for (int size = 0; size <= 5; ++size) {
            const auto a = rects[static_cast<size_t>(part)][static_cast<size_t>(size)];
            const auto b = stadiumparts::GetPlanRect(part, size);
            if (a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom)
                toolio::Fail("assets/stadium/plan.txt differs from the pages' plan at part " + std::to_string(part));
        }
    const std::vector<std::string> names = stadiumparts::AllEntries();
    std::vector<std::vector<uint8_t>> files(names.size());
    std::vector<platform::gfx::Bitmap8> bitmaps(argc == 5 ? names.size() : 0);
    // The pictures are independent: draw them on a few threads, write in order.
    const unsigned workers = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    std::vector<std::string> failed(workers);
    for (unsigned w = 0; w < workers; ++w)
        pool.emplace_back([&, w] {
            for (size_t i = w; i < names.size(); i += workers) {
                platform::gfx::Bitmap8 b;
                bool keyed = false;
                if (!stadiumart::RenderEntry(names[i], b, keyed)) {
                    failed[w] = names[i];
                    return;
                }
                files[i] = platform::gfx::EncodeBmp8(b);
                if (!bitmaps.empty()) bitmaps[i] = std::move(b);
            }
        });
    for (auto& t : pool) t.join();
    for (const std::string& f : failed)
        if (!f.empty()) toolio::Fail("no picture for " + f);
    ArchiveWriter writer;
    for (size_t i = 0; i < names.size(); ++i)
        if (!writer.Add(names[i], files[i])) toolio::Fail("bad entry name " + names[i]);
    const std::filesystem::path gameDir = argv[2];
    toolio::WriteGameFile(gameDir, "gfx\\stadium.idx", writer.Index());
    toolio::WriteGameFile(gameDir, "gfx\\stadium.wad", writer.Data());
    if (argc == 5) WriteSheets(names, bitmaps, argv[4]);
    return 0;
}
