#include <gtest/gtest.h>

#include <fstream>

#include "platform/files.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/gamefile.h"
#include "support/test_env.h"

namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, std::vector<uint8_t> bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        install = testenv::TestFolder() / "install";
        disc = testenv::TestFolder() / "disc";
        platform::SetInstallFolder(install);
        platform::SetDiscFolder(disc);
    }
    void TearDown() override {
        ResetGameFileChannel();
        platform::ResetFolders();
    }
    fs::path install, disc;
};

TEST_F(DataFileTest, InstallFolderFirstThenDisc) {
    Put(install / "Data" / "both.bin", {1});
    Put(disc / "Data" / "both.bin", {2});
    Put(disc / "Data" / "Disc.BIN", {3});
    EXPECT_EQ(FindDataFile("Data\\both.bin"), (install / "Data" / "both.bin").string());
    EXPECT_EQ(FindDataFile("DATA\\disc.bin"), (disc / "Data" / "Disc.BIN").string());
    EXPECT_EQ(FindDataFilePath("Data\\both.bin"), (install / "Data" / "both.bin").string());
    EXPECT_EQ(FindDataFilePath("Data\\none.bin"), (disc / "Data" / "none.bin").string())
        << "without a file, the disc path and no stop";
}

TEST_F(DataFileTest, MissingFileIsReportedToTheCaller) {
    try {
        FindDataFile("Data\\Currency.bin");
        FAIL() << "no exception";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.GetKind(), DataFileError::kMissing);
        EXPECT_EQ(e.GetPath(), "Data\\Currency.bin");
        EXPECT_EQ(std::string(e.what()),
                  "ERROR! Cannot find file : " + (disc / "Data" / "Currency.bin").string());
    }
}

TEST_F(DataFileTest, DamagedFileIsReportedOnClose) {
    Put(install / "Data" / "short.bin", {5, 0, 0, 0});
    FILE* f = OpenDataFile("Data\\short.bin");
    ASSERT_NE(f, nullptr);
    LoadInt32(f);
    LoadInt32(f);  // past the end
    try {
        CloseDataFile(f, "Data\\short.bin");
        FAIL() << "no exception";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.GetKind(), DataFileError::kDamaged);
        EXPECT_EQ(std::string(e.what()), "ERROR! Damaged file : Data\\short.bin");
    }
    EXPECT_FALSE(GameFileIsOpen());
}

}  // namespace
