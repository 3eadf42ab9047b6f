#include <gtest/gtest.h>

#include <fstream>

#include "platform/files.h"
#include "soccerclasses/gameinfo.h"
#include "support/test_env.h"

namespace {

TEST(GameData, GameInfoReadsBackThroughTheFileLookup) {
    auto path = platform::FindGameFile("DATA\\gameinfo.BIN");
    ASSERT_TRUE(path.has_value()) << "game folder: " << platform::InstallFolder();
    EXPECT_EQ(path->parent_path().parent_path(), testenv::GameDir());
    auto info = LoadGameInfo();
    ASSERT_TRUE(info.has_value());

    // What the tool wrote is what the asset says.
    std::ifstream asset(testenv::SourceDir() / "assets" / "gameinfo.txt");
    std::string line, title, version;
    while (std::getline(asset, line)) {
        if (line.rfind("title=", 0) == 0) title = line.substr(6);
        if (line.rfind("version=", 0) == 0) version = line.substr(8);
    }
    EXPECT_EQ(info->title, title);
    EXPECT_EQ(info->version, version);
}

TEST(GameData, DamagedGameInfoIsRefused) {
    GameInfo info{"Vantorel 2000", "1.0"};
    auto bytes = EncodeGameInfo(info);
    ASSERT_TRUE(DecodeGameInfo(bytes).has_value());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
        EXPECT_FALSE(DecodeGameInfo(part).has_value()) << cut;
    }
    bytes.push_back(0);
    EXPECT_FALSE(DecodeGameInfo(bytes).has_value());
}

}  // namespace
