// Vantorel 2000. The windowed shell is not built yet: for now the program
// finds its data, reports what it found and says plainly what it cannot do.
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/stringtable.h"
#include "soccerclasses/gameinfo.h"
#include "soccerclasses/worlddata.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vantorel 2000\n");
            return 0;
        }
    }
    auto folder = platform::InstallFolder();
    auto info = LoadGameInfo();
    if (!info) {
        std::fprintf(stderr,
                     "Vantorel 2000: no game data found in \"%s\".\n"
                     "Build it with scripts/play.sh, or set VANTOREL_GAME_DIR.\n",
                     folder.c_str());
        return 1;
    }
    std::unique_ptr<CWorldData> world = StartWorld();
    if (!world) return 1;
    SetWorldData(world.get());
    std::printf("%s %s\n", info->title.c_str(), info->version.c_str());
    std::printf("Game data: %s\n", folder.c_str());
    std::printf("String table: %zu texts.\n", platform::StringTable().size());
    std::printf(
        "World: %d currencies read; the league schedules are in place.\n"
        "\nThis build holds the foundation and the world's core. The people, clubs,\n"
        "competitions, match engine and game window are not built yet, so there is\n"
        "nothing to play in this version.\n",
        world->GetCurrencyList().GetSize());
    return 0;
}
