#include "records_roundtrip.h"

#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace recordtest {

namespace {
std::string TempPath() { return (testenv::TestFolder() / "record.bin").string(); }
}  // namespace

std::vector<uint8_t> Write(const std::function<void(FILE*)>& save) {
    FILE* f = OpenGameFile(TempPath(), "wb");
    if (!f) return {};
    save(f);
    CloseGameFile(f);
    std::ifstream in(TempPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Read(const std::vector<uint8_t>& bytes, const std::function<void(FILE*)>& load) {
    {
        std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    FILE* f = OpenGameFile(TempPath(), "rb");
    if (!f) return false;
    load(f);
    bool whole = GameFileBytesLeft() == 0;
    bool damaged = GameFileDamaged();
    CloseGameFile(f);
    return whole && !damaged;
}

void InstallGameFile(const std::string& gamePath, const std::vector<uint8_t>& bytes) {
    auto dir = testenv::TestFolder() / "game";
    auto path = platform::MapPath(dir, gamePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    platform::SetInstallFolder(dir);
}

}  // namespace recordtest
