#include "platform/files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/profile.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& p, const std::string& content = "x") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = testenv::TestFolder() / "install";
        Touch(root / "Data" / "Clubs.bin");
        Touch(root / "SND" / "AMB" / "CLUB" / "loop.wav");
        Touch(root / "gfx" / "Backgrounds.WAD");
    }
    fs::path root;
};

TEST_F(FilesTest, ResolvesBackslashPathsInAnyCase) {
    struct Case {
        const char* gamePath;
        fs::path expect;
    } cases[] = {
        {"Data\\Clubs.bin", root / "Data" / "Clubs.bin"},
        {"DATA\\CLUBS.BIN", root / "Data" / "Clubs.bin"},
        {"data/clubs.bin", root / "Data" / "Clubs.bin"},
        {"\\Data\\\\Clubs.bin", root / "Data" / "Clubs.bin"},
        {"snd\\amb\\club\\LOOP.wav", root / "SND" / "AMB" / "CLUB" / "loop.wav"},
        {"gfx\\backgrounds.wad", root / "gfx" / "Backgrounds.WAD"},
        {".\\Data\\Clubs.bin", root / "Data" / "Clubs.bin"},
    };
    for (const auto& c : cases) {
        auto found = platform::FindPath(root, c.gamePath);
        ASSERT_TRUE(found.has_value()) << c.gamePath;
        EXPECT_EQ(*found, c.expect) << c.gamePath;
    }
}

TEST_F(FilesTest, MissingFilesAreReportedNotCrashedOn) {
    EXPECT_FALSE(platform::FindPath(root, "Data\\Missing.bin"));
    EXPECT_FALSE(platform::FindPath(root, "NoFolder\\Clubs.bin"));
    EXPECT_FALSE(platform::FindPath(root, "Data\\Clubs.bin\\below"));
    EXPECT_FALSE(platform::FindPath(fs::path(), "Data\\Clubs.bin"));
    EXPECT_FALSE(platform::FindPath(root / "nowhere", "Data\\Clubs.bin"));
    EXPECT_FALSE(platform::ReadWholeFile(root / "nowhere.bin"));
}

TEST_F(FilesTest, MapPathKeepsExistingFoldersAndAppendsTheRest) {
    EXPECT_EQ(platform::MapPath(root, "data\\New.bin"), root / "Data" / "New.bin");
    EXPECT_EQ(platform::MapPath(root, "save\\game1.qzs"), root / "save" / "game1.qzs");
}

TEST_F(FilesTest, InstallFolderIsFoundInOrder) {
    // Lowest first: the environment (ctest sets it to the build's game folder).
    setenv("VANTOREL_GAME_DIR", "/from/env", 1);
    platform::ResetFolders();
    EXPECT_EQ(platform::InstallFolder(), fs::path("/from/env"));

    ASSERT_TRUE(platform::WriteInstallSetting("Directory", "/from/settings"));
    platform::ResetFolders();
    EXPECT_EQ(platform::InstallFolder(), fs::path("/from/settings"));

    ASSERT_TRUE(platform::WriteProfileString("Install", "InstallDir", "/from/profile"));
    platform::ResetFolders();
    EXPECT_EQ(platform::InstallFolder(), fs::path("/from/profile"));

    platform::SetInstallFolder(root);
    EXPECT_EQ(platform::InstallFolder(), root);
    setenv("VANTOREL_GAME_DIR", testenv::GameDir().c_str(), 1);
}

TEST_F(FilesTest, GameFilesFallBackToTheDiscFolder) {
    fs::path disc = testenv::TestFolder() / "disc";
    Touch(disc / "Data" / "OnDisc.bin");
    platform::SetInstallFolder(root);
    EXPECT_FALSE(platform::FindGameFile("Data\\OnDisc.bin"));  // no disc folder yet
    platform::SetDiscFolder(disc);
    EXPECT_EQ(platform::FindGameFile("Data\\OnDisc.bin"), disc / "Data" / "OnDisc.bin");
    EXPECT_EQ(platform::FindGameFile("Data\\Clubs.bin"), root / "Data" / "Clubs.bin");
}

TEST_F(FilesTest, UserFoldersFollowXdg) {
    EXPECT_EQ(platform::ConfigFolder(), testenv::TestFolder() / "config" / "vantorel2000");
    EXPECT_EQ(platform::SaveFolder(), testenv::TestFolder() / "data" / "vantorel2000" / "save");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(platform::SaveFolder(),
              testenv::TestFolder() / ".local" / "share" / "vantorel2000" / "save");
}

TEST_F(FilesTest, AtomicWriteReplacesOnlyWhenComplete) {
    fs::path target = root / "Data" / "Clubs.bin";
    const std::vector<uint8_t> bytes = {1, 2, 3, 4};
    ASSERT_TRUE(platform::WriteFileAtomic(target, bytes));
    EXPECT_EQ(platform::ReadWholeFile(target), bytes);
    EXPECT_FALSE(fs::exists(target.string() + ".tmp"));

    // A write that cannot complete (the target is a folder) leaves what was there.
    fs::path folder = root / "Data" / "Folder";
    fs::create_directories(folder);
    Touch(folder / "inside.bin", "kept");
    EXPECT_FALSE(platform::WriteFileAtomic(folder, bytes));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::exists(folder / "inside.bin"));
    EXPECT_FALSE(fs::exists(folder.string() + ".tmp"));
}

}  // namespace
