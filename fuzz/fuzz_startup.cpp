// Any start-up file of any bytes must be refused with DataFileError or read,
// never crash or read past its end. The first byte picks the file; the rest
// replaces it in a copy of the built game folder whose other files are the
// real ones, and a new game runs up to the stage that reads it.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gameinfo.h"
#include "soccerclasses/scriptedport.h"
#include "soccerclasses/worlddata.h"

namespace {

namespace fs = std::filesystem;

// Each file with the last new-game stage it needs: -1 for the tables the
// world reads when it is made, -2 for the game's information file.
struct StartupFile {
    const char* name;
    int stage;
};
constexpr StartupFile kStartupFiles[] = {
    {"Currency.bin", -1},  {"DivStren.bin", -1}, {"popularity.bin", -1}, {"fixtures.bin", -1},
    {"CareerPaths.bin", -1}, {"PlayerValue.bin", -1}, {"GameInfo.bin", -2}, {"fed.bin", 0},
    {"Stadiums.bin", 0},   {"Country.bin", 0},   {"Division.bin", 1},   {"Clubs.bin", 1},
    {"FedCups.bin", 1},    {"players.bin", 2},   {"Referees.bin", 2},   {"Plans.bin", 2},
    {"PlayOffs.bin", 2},   {"Shields.bin", 2},   {"cups.bin", 2},
};
constexpr size_t kStartupFileCount = sizeof kStartupFiles / sizeof kStartupFiles[0];

// The real game folder: the environment's, else the build tree's.
fs::path StartupGameFolder() {
    if (const char* dir = std::getenv("VANTOREL_GAME_DIR")) return dir;
    return VT_GAME_DIR;
}

// A folder of links to the real game's files, made once per process.
const fs::path& StartupScratch() {
    static const fs::path scratch = [] {
        const fs::path real = StartupGameFolder();
        const fs::path dir = fs::temp_directory_path() / ("fuzz_startup_" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "Data");
        for (const auto& e : fs::directory_iterator(real))
            if (e.path().filename() != "Data") fs::create_directory_symlink(e.path(), dir / e.path().filename());
        for (const auto& e : fs::directory_iterator(real / "Data"))
            fs::create_symlink(e.path(), dir / "Data" / e.path().filename());
        return dir;
    }();
    return scratch;
}

void StartupRun(int lastStage) {
    ResetModuleState();
    platform::SetInstallFolder(StartupScratch());
    platform::SetRandomClock([] { return int64_t(936000000); });
    ScriptedUserPort port;
    try {
        if (lastStage == -2) {
            LoadGameInfo();
        } else {
            CWorldData world;
            SetWorldData(&world);
            world.ClearGame();
            for (int stage = 0; stage <= lastStage; ++stage) world.NewGame(stage);
            SetWorldData(nullptr);
        }
    } catch (const DataFileError&) {
        // Refused with its message: what a damaged file must give.
    }
    SetWorldData(nullptr);
    platform::SetRandomClock(nullptr);
    ResetModuleState();
    platform::ResetFolders();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const StartupFile& file = kStartupFiles[data[0] % kStartupFileCount];
    const fs::path target = StartupScratch() / "Data" / file.name;
    const fs::path real = StartupGameFolder() / "Data" / file.name;
    std::error_code ignored;
    fs::remove(target, ignored);
    {
        std::ofstream out(target, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    StartupRun(file.stage);
    fs::remove(target, ignored);
    fs::create_symlink(real, target, ignored);
    return 0;
}
