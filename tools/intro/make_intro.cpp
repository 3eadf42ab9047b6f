// Writes "SND\intro.avi" into the game folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "aviwriter.h"
#include "intro_clip.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_intro <assets dir> <game dir>\n");
        return 2;
    }
    const std::filesystem::path out = std::filesystem::path(argv[2]) / "SND" / "intro.avi";
    std::filesystem::create_directories(out.parent_path());
    const std::vector<uint8_t> bytes = aviwriter::WriteAvi(introart::MakeIntroClip());
    FILE* f = std::fopen(out.string().c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "make_intro: cannot write %s\n", out.string().c_str());
        if (f) std::fclose(f);
        return 1;
    }
    std::fclose(f);
    return 0;
}
