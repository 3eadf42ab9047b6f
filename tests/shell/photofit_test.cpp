// Faces: a person's saved face fields become the photo-fit record the
// builder draws from.
#include <gtest/gtest.h>

#include "shell/photofit.h"
#include "soccerclasses/person.h"

namespace {

TEST(PhotofitFaceTest, EveryFeatureComesFromItsSavedField) {
    CFace saved;
    saved.SetRace(3);
    saved.SetColour(4);
    saved.SetChin(11);
    saved.SetEye(2);
    saved.SetHair(44);
    saved.SetMouth(6);
    saved.SetNose(5);
    saved.SetBeard(7);
    saved.SetNinth(6);

    const PhotofitFace f = PhotofitFace::FromFace(saved);
    struct Field {
        const char* name;
        int got, want;
    };
    for (const Field& c : {Field{"skin", f.skin, 3}, {"hair colour", f.hairColour, 4}, {"chin", f.chin, 11},
                           {"eyes", f.eyes, 2}, {"hair style", f.hairStyle, 44}, {"mouth", f.mouth, 6},
                           {"nose", f.nose, 5}, {"beard", f.beard, 7}, {"back", f.back, 6},
                           {"layered", f.layered, 0}, {"step", f.step, 0}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(PhotofitFaceTest, DistinctFacesStayDistinctAndOutOfRangeValuesAreKeptForTheBuilder) {
    CFace a, b;
    a.SetNose(1);
    b.SetNose(2);
    EXPECT_NE(PhotofitFace::FromFace(a), PhotofitFace::FromFace(b));
    // A skin beyond the five types is the builder's to mend, not the copy's.
    CFace odd;
    odd.SetRace(9);
    odd.SetChin(31);
    EXPECT_EQ(PhotofitFace::FromFace(odd).skin, 9);
    EXPECT_EQ(PhotofitFace::FromFace(odd).chin, 31);
}

}  // namespace

namespace {

// A face of the shipped table at a style, in a mode and direction.
PhotofitFace PhotofitAt(int skin, int style, int layered, int step) {
    PhotofitFace f;
    f.skin = static_cast<int8_t>(skin);
    f.hairStyle = static_cast<int8_t>(style);
    f.layered = static_cast<int8_t>(layered);
    f.step = static_cast<int8_t>(step);
    return f;
}

int PhotofitColumnOf(int skin, int picture, bool layered) {
    const HairStyleRow& row = GetHairStyleTable()[skin];
    for (int i = 0; i < kHairStyleCount; ++i)
        if (row[i].picture == picture && (row[i].kind == kHairKindSingle) != layered && row[i].kind != kHairKindEmpty)
            return i;
    return -1;
}

TEST(PhotofitPathTest, FeaturesWrapAndNameTheirPictures) {
    struct Case {
        const char* what;
        std::string got, want;
    };
    PhotofitFace odd;
    odd.skin = 9;
    odd.nose = 6;
    odd.eyes = 5;
    odd.chin = -1;
    odd.mouth = 7;
    odd.back = -1;
    PhotofitFace low;
    low.nose = -1;
    low.back = 7;
    low.hairColour = 5;
    low.beard = 4;
    PhotofitFace five;
    five.beard = 5;
    for (const Case& c : {
             Case{"skin 9 is white, nose 6 wraps to picture 1", odd.GetNosePath(), "gfx\\photofit\\noses\\white\\1.bmp"},
             Case{"eyes 5 wrap to picture 1", odd.GetEyesPath(), "gfx\\photofit\\eyes\\white\\1.bmp"},
             Case{"chin -1 is the last", odd.GetChinPath(), "gfx\\photofit\\chins\\white\\12.bmp"},
             Case{"mouth 7 wraps", odd.GetMouthPath(), "gfx\\photofit\\mouths\\white\\1.bmp"},
             Case{"back -1 is the last", odd.GetBackPath(), "gfx\\photofit\\back\\7.bmp"},
             Case{"nose -1 is picture 6", low.GetNosePath(), "gfx\\photofit\\noses\\white\\6.bmp"},
             Case{"back 7 wraps", low.GetBackPath(), "gfx\\photofit\\back\\1.bmp"},
             Case{"beard 4 is picture 5, colour 5 wraps", low.GetBeardPath(),
                  "gfx\\photofit\\beards\\white\\black\\5.bmp"},
             Case{"beard 5", five.GetBeardPath(), "gfx\\photofit\\beards\\white\\black\\5.bmp"},
         }) {
        EXPECT_EQ(c.got, c.want) << c.what;
    }
    EXPECT_EQ(odd.skin, 0) << "the field itself is brought into range";
    EXPECT_EQ(low.nose, 5);
}

TEST(PhotofitPathTest, SwitchingOnTheRearLayerKeepsThePicture) {
    const int single9 = PhotofitColumnOf(0, 9, false), layered9 = PhotofitColumnOf(0, 9, true);
    ASSERT_GE(single9, 0);
    ASSERT_GT(layered9, single9);
    PhotofitFace f = PhotofitAt(0, single9, 1, 0);
    EXPECT_EQ(f.GetHairPath(false), "gfx\\photofit\\hair\\white\\black\\9.bmp");
    EXPECT_EQ(f.hairStyle, layered9);
    EXPECT_EQ(f.GetHairOverlayPath(), std::string("gfx\\photofit\\hair\\white\\black\\") +
                                          kRearHairNames[GetHairStyleTable()[0][layered9].kind] + ".bmp");
    // And back: the single-layer nine again.
    f.layered = 0;
    f.GetHairPath(false);
    EXPECT_EQ(f.hairStyle, single9);
}

TEST(PhotofitPathTest, ReevaluatingFollowsTheStyleAndSingleStylesHaveTheFixedRearPath) {
    PhotofitFace single = PhotofitAt(0, 0, 1, 0);
    single.GetHairPath(true);
    EXPECT_EQ(single.layered, 0);
    EXPECT_EQ(single.hairStyle, 0);
    EXPECT_EQ(single.GetHairOverlayPath(), kSingleLayerOverlayPath);
    PhotofitFace layered = PhotofitAt(0, PhotofitColumnOf(0, 9, true), 0, 0);
    layered.GetHairPath(true);
    EXPECT_EQ(layered.layered, 1);
}

// Every walk ends, wrapping round the row.
TEST(PhotofitPathTest, WalksWrapAndEnd) {
    const HairStyleRow& latin = GetHairStyleTable()[4];
    ASSERT_EQ(latin[44].kind, kHairKindEmpty);
    ASSERT_LT(latin[43].kind, kHairKindSingle);
    // Single-layer mode stepping forward from the last layered style runs
    // over the empty end and on from the first column.
    PhotofitFace f = PhotofitAt(4, 43, 0, +1);
    EXPECT_EQ(f.GetHairPath(false), "gfx\\photofit\\hair\\latin\\black\\1.bmp");
    EXPECT_EQ(f.hairStyle, 0);
    // Stepping back from the first column in layered mode wraps to the end.
    PhotofitFace back = PhotofitAt(4, 0, 1, -1);
    back.GetHairPath(false);
    EXPECT_EQ(back.hairStyle, 43);
    // An empty entry stepping back walks to the last style of the mode.
    const HairStyleRow& caribbean = GetHairStyleTable()[1];
    int lastLayered = -1;
    for (int i = 0; i < kHairStyleCount; ++i)
        if (caribbean[i].kind < kHairKindSingle) lastLayered = i;
    PhotofitFace empty = PhotofitAt(1, 40, 1, -1);
    empty.GetHairPath(false);
    EXPECT_EQ(empty.hairStyle, lastLayered);
    // An empty entry stepping forward starts again at the first style that suits.
    PhotofitFace forward = PhotofitAt(1, 40, 1, +1);
    forward.GetHairPath(false);
    int firstLayered = -1;
    for (int i = kHairStyleCount - 1; i >= 0; --i)
        if (caribbean[i].kind < kHairKindSingle) firstLayered = i;
    EXPECT_EQ(forward.hairStyle, firstLayered);
}

TEST(PhotofitPathTest, ARowWithoutLayeredStylesFallsBackToTheFirstSingleStyle) {
    HairStyleTable plain = GetHairStyleTable();
    for (HairStyleEntry& e : plain[2])
        if (e.kind < kHairKindSingle) e = {3, kHairKindSingle};
    UseHairStyleTable(&plain);
    PhotofitFace f = PhotofitAt(2, 7, 1, +1);
    const std::string path = f.GetHairPath(false);
    UseHairStyleTable(nullptr);
    EXPECT_EQ(f.hairStyle, 0);
    EXPECT_EQ(f.layered, 0);
    EXPECT_EQ(path, "gfx\\photofit\\hair\\asian\\black\\1.bmp");
}

TEST(PhotofitPathTest, LayersComeInDrawingOrderAtTheirOffsets) {
    PhotofitFace f = PhotofitAt(0, PhotofitColumnOf(0, 9, true), 0, 0);
    std::array<FaceLayer, 8> layers;
    ASSERT_EQ(PhotofitLayers(f, true, layers), 8);
    const FaceLayerRole order[] = {FaceLayerRole::Back,  FaceLayerRole::Rear, FaceLayerRole::Eyes,
                                   FaceLayerRole::Chin,  FaceLayerRole::Mouth, FaceLayerRole::Nose,
                                   FaceLayerRole::Beard, FaceLayerRole::Hair};
    const int at[][2] = {{-14, 2}, {-1, 0}, {0, 0}, {0, 48}, {32, 79}, {36, 44}, {0, 0}, {1, 0}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(layers[i].role, order[i]) << i;
        EXPECT_EQ(layers[i].x, at[i][0]) << i;
        EXPECT_EQ(layers[i].y, at[i][1]) << i;
    }
    // A single-layer style has no rear layer; without the back, no back.
    PhotofitFace plain = PhotofitAt(0, 0, 0, 0);
    ASSERT_EQ(PhotofitLayers(plain, false, layers), 6);
    EXPECT_EQ(layers[0].role, FaceLayerRole::Eyes);
}

}  // namespace
