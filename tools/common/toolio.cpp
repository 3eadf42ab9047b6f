#include "toolio.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/cp1252.h"
#include "platform/files.h"

namespace toolio {

void Fail(const std::string& message) {
    std::fprintf(stderr, "error: %s\n", message.c_str());
    std::exit(1);
}

std::vector<AssetLine> ReadAssetLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail("cannot read " + file.string());
    std::vector<AssetLine> lines;
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        lines.push_back({n, line});
    }
    return lines;
}

std::string ToCp1252(const std::filesystem::path& file, int line, const std::string& utf8) {
    auto out = platform::Utf8ToCp1252(utf8);
    if (!out)
        Fail(file.string() + ":" + std::to_string(line) +
             ": a character here has no Windows-1252 form; transliterate it");
    return *out;
}

void WriteGameFile(const std::filesystem::path& gameDir, const std::string& gamePath,
                   const std::vector<uint8_t>& bytes) {
    auto path = platform::MapPath(gameDir, gamePath);
    if (!platform::WriteFileAtomic(path, bytes)) Fail("cannot write " + path.string());
}

}  // namespace toolio
