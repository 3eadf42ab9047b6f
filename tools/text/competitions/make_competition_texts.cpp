// Writes the competition descriptions "text\\division\\%d.dat" and
// "text\\cup\\%d.dat" that the Cup & League Information page shows. The
// competitions are read back from the start-up database through the game's
// own loaders, so every figure a description gives is the one the game
// plays by. A picture number that more than one competition of its kind
// uses gets no file: the page builds that description itself.
//   make_competition_texts <assets dir> <game dir> <stamp file>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../../common/toolio.h"
#include "competition_texts.h"
#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/worlddata.h"

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out) toolio::Fail("cannot write " + file.string());
}

// Removes the folder's old descriptions so a number that became shared
// leaves no stale file behind.
void ClearFolder(const fs::path& dir) {
    fs::create_directories(dir);
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".dat") fs::remove(e.path());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) toolio::Fail("usage: make_competition_texts <assets dir> <game dir> <stamp file>");
    const fs::path game = argv[2];
    platform::SetInstallFolder(game);
    platform::SetRandomClock([] { return int64_t(936000000); });
    CWorldData world;
    SetWorldData(&world);
    world.ClearGame();
    for (int stage = 0; stage <= 2; ++stage) world.NewGame(stage);

    const competitiontexts::Catalogue catalogue = competitiontexts::Collect(world);
    const fs::path divisions = game / "text" / "division", cups = game / "text" / "cup";
    ClearFolder(divisions);
    ClearFolder(cups);
    int written = 0;
    for (const auto& [number, list] : catalogue.divisions)
        if (list.size() == 1) {
            WriteText(divisions / (std::to_string(number) + ".dat"), competitiontexts::DivisionText(world, *list[0]));
            ++written;
        }
    for (const auto& [number, list] : catalogue.cups)
        if (list.size() == 1) {
            WriteText(cups / (std::to_string(number) + ".dat"), competitiontexts::CupText(world, *list[0]));
            ++written;
        }
    SetWorldData(nullptr);
    std::ofstream(argv[3]) << written << " competition descriptions\n";
    return 0;
}
