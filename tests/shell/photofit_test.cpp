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
