// Writes "Data\\GameInfo.bin" from assets/gameinfo.txt.
#include <string>

#include "../common/toolio.h"
#include "soccerclasses/gameinfo.h"

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_gameinfo <assets dir> <game dir>");
    std::filesystem::path src = std::filesystem::path(argv[1]) / "gameinfo.txt";
    GameInfo info;
    for (const auto& l : toolio::ReadAssetLines(src)) {
        auto eq = l.text.find('=');
        if (eq == std::string::npos) toolio::Fail(src.string() + ":" + std::to_string(l.number) + ": expected key=value");
        std::string key = l.text.substr(0, eq);
        std::string value = toolio::ToCp1252(src, l.number, l.text.substr(eq + 1));
        if (key == "title") info.title = value;
        else if (key == "version") info.version = value;
        else toolio::Fail(src.string() + ":" + std::to_string(l.number) + ": unknown key " + key);
    }
    toolio::WriteGameFile(argv[2], kGameInfoFile, EncodeGameInfo(info));
    return 0;
}
