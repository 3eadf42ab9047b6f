#include <gtest/gtest.h>

#include <set>

#include "soccerclasses/statictables.h"

namespace {

TEST(SurnameTables, EightTablesOfTheRightSizes) {
    EXPECT_TRUE(SurnameTableErrors().empty());
    const std::pair<int, size_t> sizes[] = {{47, 50}, {48, 50}, {55, 258}, {62, 172},
                                            {67, 165}, {69, 50}, {86, 118}, {160, 137}};
    EXPECT_EQ(SurnameTableCountries(), (std::vector<int>{47, 48, 55, 62, 67, 69, 86, 160}));
    for (auto [id, size] : sizes) {
        const auto& t = GetSurnameTable(id);
        ASSERT_EQ(t.size(), size) << id;
        std::set<std::string> unique(t.begin(), t.end());
        EXPECT_EQ(unique.size(), t.size()) << id << ": a surname twice";
        for (size_t i = 0; i < t.size(); ++i) {
            bool lastOfEngland = id == 55 && i + 1 == t.size();
            EXPECT_EQ(t[i].empty(), lastOfEngland) << id << " entry " << i;
        }
    }
    EXPECT_EQ(GetSurnameTable(55).front(), "Smith");
    EXPECT_EQ(GetSurnameTable(67).front(), "M\xFCller") << "Windows-1252 bytes";
    EXPECT_TRUE(GetSurnameTable(1).empty());
}

TEST(StaticTables, MenuPicturesAndNames) {
    EXPECT_EQ(GetMenuPicturePath(32792), "gfx\\menu\\man-honours.bmp");
    EXPECT_EQ(GetMenuPicturePath(32891), "gfx\\menu\\results_menu.bmp");
    EXPECT_EQ(GetMenuPicturePath(12345), "");
    std::set<unsigned> ids;
    for (const auto& m : kMenuPictures) ids.insert(m.commandId);
    EXPECT_EQ(ids.size(), 81u) << "every command once";
    EXPECT_STREQ(kWeatherFolders[2], "rain\\");
    EXPECT_STREQ(kArchiveNames[0], "animation");
    EXPECT_STREQ(kArchiveNames[17], "stadium");
    EXPECT_EQ(GetSetUpState().texts[1], "-");
    EXPECT_EQ(GetSetUpState().texts[3], "");
    EXPECT_TRUE(GetSetUpState().date.IsUnset());
}

}  // namespace
