// Contact sheets of the paper's photographs, one PNG per family, for people
// to look at: make_press_sheets <folder>.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "pictures.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"

using namespace platform::gfx;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_press_sheets <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::map<std::string, std::vector<const art::Picture*>> families;
    const std::vector<art::Picture> photos = art::PressPhotos();
    for (const art::Picture& p : photos) {
        const size_t slash = p.entry.find('\\');
        families[slash == std::string::npos ? "teamweek" : p.entry.substr(0, slash)].push_back(&p);
    }
    for (const auto& [name, list] : families) {
        const int cellW = list[0]->bitmap.width + 6, cellH = list[0]->bitmap.height + 6;
        const int columns = list.size() > 60 ? 12 : 10;
        const int rows = (static_cast<int>(list.size()) + columns - 1) / columns;
        Surface sheet(columns * cellW, rows * cellH, MakePixel(60, 56, 52));
        for (size_t i = 0; i < list.size(); ++i) {
            const Surface s = ToSurface(list[i]->bitmap);
            const int ox = static_cast<int>(i) % columns * cellW + 3, oy = static_cast<int>(i) / columns * cellH + 3;
            for (int y = 0; y < s.Height(); ++y)
                for (int x = 0; x < s.Width(); ++x) sheet.Set(ox + x, oy + y, s.Get(x, y));
        }
        if (!WritePng(sheet, folder / (name + ".png"))) {
            std::fprintf(stderr, "make_press_sheets: cannot write %s\n", (folder / (name + ".png")).string().c_str());
            return 1;
        }
    }
    return 0;
}
