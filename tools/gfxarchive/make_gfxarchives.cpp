// Writes the 18 graphics archives (gfx\<name>.idx and .wad) with every
// picture our own code draws. An archive with no pictures yet is written as
// an empty pair, so the game's start-up finds all 18 ("flc" is the clip
// generator's, "stadium" the stadium tool's).
//   make_gfxarchives <assets dir> <game dir>
#include <map>

#include "../common/toolio.h"
#include "pictures.h"
#include "shell/archive.h"
#include "shell/archive_writer.h"

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_gfxarchives <assets dir> <game dir>");
    const std::filesystem::path gameDir = argv[2];
    std::map<std::string, ArchiveWriter> archives;
    // The clip generator writes the "flc" archive, the stadium tool "stadium".
    for (const char* name : kArchiveNames)
        if (std::string(name) != "flc" && std::string(name) != "stadium") archives[name];
    std::vector<art::Picture> all = art::AllPictures();
    for (art::Picture& p : art::TreePictures(argv[1])) all.push_back(std::move(p));
    for (art::Picture& p : art::PageBackgrounds(argv[1])) all.push_back(std::move(p));
    for (art::Picture& p : art::CountryPictures(argv[1])) all.push_back(std::move(p));
    for (const art::Picture& p : all) {
        auto it = archives.find(p.archive);
        if (it == archives.end()) toolio::Fail("no archive named " + p.archive);
        if (!it->second.Add(p.entry, platform::gfx::EncodeBmp8(p.bitmap)))
            toolio::Fail("bad entry name " + p.entry);
    }
    for (auto& [name, writer] : archives) {
        toolio::WriteGameFile(gameDir, "gfx\\" + name + ".idx", writer.Index());
        toolio::WriteGameFile(gameDir, "gfx\\" + name + ".wad", writer.Data());
    }
    return 0;
}
