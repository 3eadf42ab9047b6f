#pragma once
// Builds the three people tables from their anchor files under
// assets/people/. Every tool that needs them builds them the same way.
#include <filesystem>
#include <string>

#include "../common/toolio.h"
#include "platform/files.h"
#include "soccerclasses/gamefile.h"

#include "soccerclasses/careerpath.h"
#include "soccerclasses/popularity.h"
#include "soccerclasses/skillmoneyvalue.h"

namespace peoplegen {

CPopularityList BuildPopularity(const std::filesystem::path& assets);
CSoccerPlayerCareerPathList BuildCareerPaths(const std::filesystem::path& assets);
CSkillMoneyValueList BuildPlayerValue(const std::filesystem::path& assets);

// Writes through the game's channel to a game path under `gameDir`; exits
// naming the file on failure.
template <class Write>
void WriteGameData(const std::filesystem::path& gameDir, const std::string& gamePath, Write&& write) {
    std::filesystem::path path = platform::MapPath(gameDir, gamePath);
    std::filesystem::create_directories(path.parent_path());
    FILE* f = OpenGameFile(path.string(), "wb");
    if (!f) toolio::Fail("cannot write " + path.string());
    write(f);
    if (CloseGameFile(f) != kGameFileClosed) toolio::Fail("cannot write " + path.string());
}

}  // namespace peoplegen
