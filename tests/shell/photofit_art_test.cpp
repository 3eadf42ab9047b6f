// The shipped photo-fit art: the hair-style table's rows, every path a face
// can name found in the archive at its layer's size, and a sheet of faces
// for people to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/gfx/blit.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/png.h"
#include "platform/random.h"
#include "shell/archive.h"
#include "shell/archive_bitmap.h"
#include "shell/photofit.h"
#include "soccerclasses/person.h"
#include "support/test_env.h"

namespace {

using platform::gfx::Surface;

class PhotofitArtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadArchiveIndexes(g_archives)); }
    static void TearDownTestSuite() { FreeArchiveIndexes(g_archives); }

    // The picture's size, from the archive; {-1, -1} when it is missing.
    static std::pair<int, int> SizeOf(const std::string& path) {
        static std::map<std::string, std::pair<int, int>> seen;
        if (auto it = seen.find(path); it != seen.end()) return it->second;
        std::pair<int, int> size{-1, -1};
        if (auto b = LoadArchivedBitmap8(path)) size = {b->width, b->height};
        seen[path] = size;
        return size;
    }
};

TEST(PhotofitHairTable, RowsHoldTheirSingleAndLayeredCountsAndBeginAlike) {
    const HairStyleTable& t = GetHairStyleTable();
    const int singles[] = {22, 17, 23, 21, 23}, layered[] = {20, 6, 19, 9, 21};
    for (int skin = 0; skin < kPhotofitSkinCount; ++skin) {
        SCOPED_TRACE(kSkinFolders[skin]);
        const HairStyleRow& row = t[skin];
        int s = 0, l = 0;
        bool emptySeen = false;
        for (const HairStyleEntry& e : row) {
            if (e.kind == kHairKindEmpty) {
                emptySeen = true;
                continue;
            }
            EXPECT_FALSE(emptySeen) << "a style after an empty entry";
            EXPECT_GE(e.picture, 1);
            (e.kind == kHairKindSingle ? s : l) += 1;
        }
        EXPECT_EQ(s, singles[skin]);
        EXPECT_EQ(l, layered[skin]);
        const int first[] = {1, 4, 5, 6};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(row[i].kind, kHairKindSingle);
            EXPECT_EQ(row[i].picture, first[i]);
        }
    }
    bool nineSingle = false, nineLayered = false;
    for (const HairStyleEntry& e : t[0])
        if (e.picture == 9) (e.kind == kHairKindSingle ? nineSingle : nineLayered) = true;
    EXPECT_TRUE(nineSingle && nineLayered);
}

TEST(PhotofitHairTable, TheReaderRefusesShortRowsAndBadEntries) {
    HairStyleTable t;
    std::string why;
    EXPECT_FALSE(ParseHairStyleTable("white: 1 2 3", t, &why));
    EXPECT_NE(why.find("white"), std::string::npos);
    EXPECT_FALSE(ParseHairStyleTable("purple: 1", t, &why));
    std::string row;
    for (int i = 0; i < 45; ++i) row += " 1";
    std::string all;
    for (const char* s : kSkinFolders) all += std::string(s) + ":" + row + "\n";
    EXPECT_TRUE(ParseHairStyleTable(all, t, &why)) << why;
    EXPECT_FALSE(ParseHairStyleTable(all + "white: 2\n", t, &why)) << "a row twice";
    std::string bad = all;
    bad.replace(bad.find(" 1"), 2, " 3/xx");
    EXPECT_FALSE(ParseHairStyleTable(bad, t, &why));
}

TEST_F(PhotofitArtTest, EveryPathAFaceCanNameExistsAtItsLayersSize) {
    const std::map<FaceLayerRole, std::pair<int, int>> sizes = {
        {FaceLayerRole::Back, {90, 115}},  {FaceLayerRole::Rear, {92, 120}}, {FaceLayerRole::Eyes, {92, 62}},
        {FaceLayerRole::Chin, {92, 72}},   {FaceLayerRole::Mouth, {28, 16}}, {FaceLayerRole::Nose, {20, 30}},
        {FaceLayerRole::Beard, {92, 120}}, {FaceLayerRole::Hair, {92, 120}},
    };
    int checked = 0;
    for (int skin = 0; skin < kPhotofitSkinCount; ++skin)
        for (int colour = 0; colour < kPhotofitHairColourCount; ++colour)
            for (int style = 0; style < kHairStyleCount; ++style)
                for (int layered = 0; layered < 2; ++layered)
                    for (int step = -1; step <= 1; ++step) {
                        PhotofitFace f;
                        f.skin = static_cast<int8_t>(skin);
                        f.hairColour = static_cast<int8_t>(colour);
                        f.hairStyle = static_cast<int8_t>(style);
                        f.layered = static_cast<int8_t>(layered);
                        f.step = static_cast<int8_t>(step);
                        // The other features run through their ranges alongside.
                        f.eyes = static_cast<int8_t>(style % 5);
                        f.nose = static_cast<int8_t>(style % 6);
                        f.mouth = static_cast<int8_t>(style % 7);
                        f.chin = static_cast<int8_t>(style % 12);
                        f.beard = static_cast<int8_t>(style % 8);
                        f.back = static_cast<int8_t>(style % 7);
                        const std::string hair = f.GetHairPath(false);
                        ASSERT_EQ(SizeOf(hair), (std::pair{92, 120})) << hair;
                        if (f.layered) {
                            ASSERT_EQ(SizeOf(f.GetHairOverlayPath()), (std::pair{92, 120}));
                        }
                        std::array<FaceLayer, 8> layers;
                        const int n = PhotofitLayers(f, true, layers);
                        for (int i = 0; i < n; ++i) {
                            ASSERT_EQ(SizeOf(layers[i].path), sizes.at(layers[i].role)) << layers[i].path;
                            ++checked;
                        }
                    }
    EXPECT_GT(checked, 5 * 5 * 45 * 6 * 7);
    // Every rear layer of every skin and colour, whatever the row uses.
    for (const char* skin : kSkinFolders)
        for (const char* colour : kHairColourFolders)
            for (const char* rear : kRearHairNames)
                EXPECT_EQ(SizeOf(std::string("gfx\\photofit\\hair\\") + skin + "\\" + colour + "\\" + rear + ".bmp"),
                          (std::pair{92, 120}));
    EXPECT_EQ(SizeOf("gfx\\match\\surfaces\\faceback.bmp"), (std::pair{100, 125}));
}

TEST_F(PhotofitArtTest, NoBeardIsAllKeyAndAFaceIsOpaqueWhereTheHeadIs) {
    auto none = LoadArchivedSurface("gfx\\photofit\\beards\\white\\black\\0.bmp");
    ASSERT_TRUE(none);
    for (int y = 0; y < none->Height(); ++y)
        for (int x = 0; x < none->Width(); ++x) ASSERT_EQ(none->Get(x, y), platform::gfx::kKeyPixel);
    // Eyes and chin together leave no key colour down the face's middle.
    Surface face(92, 120, platform::gfx::kKeyPixel);
    platform::gfx::Canvas dc(face);
    PhotofitFace f;
    f.back = -1;
    auto eyes = LoadArchivedSurface(f.GetEyesPath());
    auto chin = LoadArchivedSurface(f.GetChinPath());
    ASSERT_TRUE(eyes && chin);
    dc.KeyedBlt(0, 0, *eyes, eyes->Bounds(), platform::gfx::kKeyColourRef);
    dc.KeyedBlt(0, 48, *chin, chin->Bounds(), platform::gfx::kKeyColourRef);
    for (int y = 20; y < 96; ++y) EXPECT_NE(face.Get(46, y), platform::gfx::kKeyPixel) << y;
}

TEST_F(PhotofitArtTest, SheetOfFiftyGeneratedFaces) {
    platform::SeedRandom(2000);
    constexpr int kCols = 10, kW = 112, kH = 130;
    Surface sheet(kCols * kW, 5 * kH, platform::gfx::MakePixel(40, 40, 44));
    platform::gfx::Canvas dc(sheet);
    int drawn = 0;
    for (int i = 0; i < 50; ++i) {
        CFace face;
        face.Generate(i % 5, true);
        PhotofitFace p = PhotofitFace::FromFace(face);
        if (i % 7 == 3) p.beard = static_cast<int8_t>(1 + i % 7);  // more beards than chance gives
        drawn += DrawPhotofitFace(dc, p, (i % kCols) * kW + 18, (i / kCols) * kH + 4) ? 1 : 0;
    }
    EXPECT_EQ(drawn, 50);
    const auto dir = testenv::BuildDir() / "art-sheets";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(platform::gfx::WritePng(sheet, dir / "faces.png"));
    // The first row twice the size, to see the detail.
    Surface large(kCols * kW * 2 / 2, kH * 2, 0);
    Surface row(kCols * kW / 2, kH, 0);
    platform::gfx::Blit(row, 0, 0, sheet, platform::gfx::Rect::XYWH(0, 0, kCols * kW / 2, kH));
    platform::gfx::ScaleInteger(large, 0, 0, row, 2);
    EXPECT_TRUE(platform::gfx::WritePng(large, dir / "faces_large.png"));
}

}  // namespace
