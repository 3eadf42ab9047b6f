#include "platform/profile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/test_env.h"

namespace {

TEST(Profile, ValuesRoundTripAndMissingKeysGiveDefaults) {
    EXPECT_EQ(platform::GetProfileInt("Options", "Fade", 7), 7);
    EXPECT_EQ(platform::GetProfileString("manager1", "Name", "nobody"), "nobody");
    ASSERT_TRUE(platform::WriteProfileInt("Options", "Fade", 0));
    ASSERT_TRUE(platform::WriteProfileInt("Options", "Exchange", -3));
    ASSERT_TRUE(platform::WriteProfileString("manager1", "Name", "J\xF6rg Brandt"));
    EXPECT_EQ(platform::GetProfileInt("Options", "Fade", 7), 0);
    EXPECT_EQ(platform::GetProfileInt("options", "EXCHANGE", 7), -3);
    EXPECT_EQ(platform::GetProfileString("Manager1", "name", ""), "J\xF6rg Brandt");
    EXPECT_EQ(platform::GetProfileInt("Options", "Sfx", 1), 1);
    EXPECT_TRUE(std::filesystem::exists(testenv::TestFolder() / "config" / "vantorel2000" / "profile.ini"));
}

TEST(Profile, DamagedOrOddFilesGiveDefaults) {
    std::filesystem::create_directories(platform::ConfigFolder());
    static const char kGarbage[] = "\x00\xFF\x01garbage[[[\n=novalue\nFade=1\n[Options\nAmbient=2\n";
    std::ofstream(platform::ProfilePath(), std::ios::binary)
        << std::string(kGarbage, sizeof kGarbage - 1)
        << "[Options]\nMusicon=abc\nSfx = 12 \n\xFF\xFE\n";
    EXPECT_EQ(platform::GetProfileInt("Options", "Fade", 5), 5);     // before any section
    EXPECT_EQ(platform::GetProfileInt("Options", "Ambient", 5), 5);  // broken section header
    EXPECT_EQ(platform::GetProfileInt("Options", "Musicon", 5), 5);  // not a number
    EXPECT_EQ(platform::GetProfileInt("Options", "Sfx", 5), 12);
    // Writing keeps what survived.
    ASSERT_TRUE(platform::WriteProfileInt("Options", "Fade", 1));
    EXPECT_EQ(platform::GetProfileInt("Options", "Sfx", 5), 12);
    EXPECT_EQ(platform::GetProfileInt("Options", "Fade", 5), 1);
}

TEST(Profile, ValuesCannotInjectLines) {
    ASSERT_TRUE(platform::WriteProfileString("manager2", "Name", "Bob\n[Install]\nInstallDir=/x"));
    EXPECT_EQ(platform::GetProfileString("Install", "InstallDir", "none"), "none");
}

TEST(Profile, InstallSettingsLiveInTheirOwnSection) {
    std::filesystem::create_directories(platform::ConfigFolder());
    std::ofstream(platform::InstallSettingsPath())
        << "[Vantorel 2000]\nSrcDataPath=/media/cd\nDirectory=/opt/vantorel\nNumberOfShirts=12\n";
    EXPECT_EQ(platform::GetInstallSetting("SrcDataPath", ""), "/media/cd");
    EXPECT_EQ(platform::GetInstallSetting("Directory", ""), "/opt/vantorel");
    EXPECT_EQ(platform::GetInstallSettingInt("NumberOfShirts", 0), 12);
    EXPECT_EQ(platform::GetInstallSettingInt("NumberOfShorts", 4), 4);
    EXPECT_EQ(platform::GetProfileString("Vantorel 2000", "Directory", ""), "");
}

}  // namespace
