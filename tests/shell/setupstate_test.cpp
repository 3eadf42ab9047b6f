// The human managers' faces as the profile keeps them.
#include <gtest/gtest.h>

#include "platform/profile.h"
#include "shell/setupstate.h"

namespace {

TEST(SetupStateTest, ManagerFacesComeFromTheirProfileSectionsAndMissingKeysAreZero) {
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Race", 2));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Colour", 4));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Eye", 3));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Nose", 5));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Chin", 11));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Mouth", 6));
    ASSERT_TRUE(platform::WriteProfileInt("manager3", "Beard", 7));
    ASSERT_TRUE(platform::WriteProfileInt("manager7", "Nose", 1));
    SetupState state;
    state.managerFaces[0].chin = 9;
    LoadManagerFaces(state);
    const PhotofitFace& f = state.managerFaces[3];
    EXPECT_EQ(f.skin, 2);
    EXPECT_EQ(f.hairColour, 4);
    EXPECT_EQ(f.eyes, 3);
    EXPECT_EQ(f.nose, 5);
    EXPECT_EQ(f.chin, 11);
    EXPECT_EQ(f.mouth, 6);
    EXPECT_EQ(f.beard, 7);
    EXPECT_EQ(f.hairStyle, 0);
    EXPECT_EQ(f.layered, 0) << "style 0 is a single-layer style";
    EXPECT_EQ(state.managerFaces[7].nose, 1);
    EXPECT_EQ(state.managerFaces[0], PhotofitFace{}) << "no section: every feature 0";
}

TEST(SetupStateTest, AStoredLayeredStyleStartsWithItsRearLayer) {
    int layered = -1;
    const HairStyleRow& row = GetHairStyleTable()[0];
    for (int i = 0; i < kHairStyleCount && layered < 0; ++i)
        if (row[i].kind < kHairKindSingle) layered = i;
    ASSERT_TRUE(platform::WriteProfileInt("manager1", "Hair", layered));
    SetupState state;
    LoadManagerFaces(state);
    EXPECT_EQ(state.managerFaces[1].hairStyle, layered);
    EXPECT_EQ(state.managerFaces[1].layered, 1);
}

}  // namespace
