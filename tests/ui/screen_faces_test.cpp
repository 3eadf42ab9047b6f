// Faces on pages: overlays at their offsets in drawing order, the face
// picture built on the face frame, a manager's face with his rear hair, and
// a photo in place of every layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "page_fixture.h"
#include "platform/files.h"
#include "shell/archive_bitmap.h"
#include "shell/archive_writer.h"
#include "shell/photofit.h"
#include "soccerclasses/manager.h"
#include "support/test_env.h"

using namespace platform::win;
using platform::gfx::Surface;

namespace {

constexpr platform::gfx::Pixel kFaceKey = ui::kKeyPixel;

int FacesLayeredColumn(int skin, int picture) {
    const HairStyleRow& row = GetHairStyleTable()[skin];
    for (int i = 0; i < kHairStyleCount; ++i)
        if (row[i].picture == picture && row[i].kind < kHairKindSingle) return i;
    return -1;
}

Surface FacesPicture(const std::string& path) {
    auto s = LoadArchivedSurface(path);
    EXPECT_TRUE(s) << path;
    return s ? std::move(*s) : Surface(1, 1, kFaceKey);
}

bool FacesOpaque(const Surface& s, int x, int y) {
    return x >= 0 && y >= 0 && x < s.Width() && y < s.Height() && (s.Get(x, y) & 0xFFFFFF) != (kFaceKey & 0xFFFFFF);
}

class ScreenFacesTest : public uitest::PageTest {};

TEST_F(ScreenFacesTest, OverlaysComeInOrderAtTheirOffsets) {
    page->AddOverlayBitmap("gfx\\trophies\\cup\\trophy01.bmp", 0, 0);
    const int layered = FacesLayeredColumn(0, 9);
    page->AddFaceOverlay(0, false, 100, 80, 0, 2, layered, 1, 2, 3, 4, 5, 3);
    ASSERT_EQ(page->GetOverlayCount(), 8) << "the trophy removed, eight layers";
    const int at[][2] = {{86, 82}, {99, 80}, {100, 80}, {100, 128}, {132, 159}, {136, 124}, {100, 80}, {101, 80}};
    const int size[][2] = {{90, 115}, {92, 120}, {92, 62}, {92, 72}, {28, 16}, {20, 30}, {92, 120}, {92, 120}};
    for (int i = 0; i < 8; ++i) {
        const OverlayBitmap* o = page->GetOverlay(i);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->x, at[i][0]) << i;
        EXPECT_EQ(o->y, at[i][1]) << i;
        EXPECT_EQ(o->bitmap.GetWidth(), size[i][0]) << i;
        EXPECT_EQ(o->bitmap.GetHeight(), size[i][1]) << i;
        EXPECT_FALSE(o->hidden);
    }
    // The rear layer is the style's own, the hair its picture 9.
    EXPECT_TRUE(backend->Boxes().empty());
    // Kept overlays stay; back -1 and a single-layer style leave two layers out.
    page->AddFaceOverlay(0, true, 300, 80, 1, 0, 0, 0, 0, 0, 0, 0, -1);
    ASSERT_EQ(page->GetOverlayCount(), 8 + 6);
    EXPECT_EQ(page->GetOverlay(8)->x, 300) << "the eyes come first";
    EXPECT_EQ(page->GetOverlay(8)->y, 80);
}

TEST_F(ScreenFacesTest, TheFacePictureStandsOnTheFrameWithItsBackdrop) {
    page->BuildFaceSurface(0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 4);
    ASSERT_TRUE(page->IsPicturePresent(kSlotFace));
    const Surface* face = page->GetPictureSurface(kSlotFace);
    ASSERT_EQ(face->Width(), 100);
    ASSERT_EQ(face->Height(), 125);
    const Surface frame = FacesPicture("gfx\\match\\surfaces\\faceback.bmp");
    const Surface back = FacesPicture("gfx\\photofit\\back\\5.bmp");
    const Surface eyes = FacesPicture("gfx\\photofit\\eyes\\asian\\1.bmp");
    EXPECT_EQ(face->Get(1, 1), frame.Get(1, 1)) << "the frame's border";
    EXPECT_EQ(face->Get(8, 105), back.Get(2, 100)) << "the backdrop copied at (6, 5)";
    EXPECT_EQ(face->Get(2 + 46, 40), eyes.Get(46, 40)) << "the eyes 2 px right";
    // Without a backdrop the frame shows there.
    page->BuildFaceSurface(0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, -1);
    EXPECT_EQ(page->GetPictureSurface(kSlotFace)->Get(8, 105), frame.Get(8, 105));
}

// Pixels where `only` is the one face layer showing, at the manager
// builder's offsets.
std::vector<std::pair<int, int>> FacesOnlyThere(const Surface& only, PhotofitFace f) {
    std::array<FaceLayer, 8> layers;
    const int n = PhotofitLayers(f, false, layers);
    std::vector<Surface> others;
    std::vector<std::pair<int, int>> offs;
    for (int i = 0; i < n; ++i) {
        if (layers[i].role == FaceLayerRole::Rear) continue;
        others.push_back(FacesPicture(layers[i].path));
        offs.push_back({layers[i].x + 2, layers[i].y});
    }
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < 120; ++y)
        for (int x = 3; x < 95; ++x) {
            if (!FacesOpaque(only, x - 3, y)) continue;
            bool covered = false;
            for (size_t k = 0; k < others.size(); ++k)
                covered = covered || FacesOpaque(others[k], x - offs[k].first, y - offs[k].second);
            if (!covered) out.push_back({x, y});
        }
    return out;
}

TEST_F(ScreenFacesTest, AManagersFaceHasHisRearHairAndASingleStyleNone) {
    CManager m;
    const int layered = FacesLayeredColumn(0, 18);  // long hair behind the head
    ASSERT_GE(layered, 0);
    m.Person().Face().SetHair(static_cast<unsigned>(layered));
    m.Person().Face().SetColour(3);
    std::unique_ptr<Surface> s;
    page->BuildManagerFaceSurface(0, &m, s);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->Width(), 100);
    PhotofitFace f = PhotofitFace::FromFace(m.Person().GetFace());
    f.GetHairPath(true);
    ASSERT_EQ(f.layered, 1);
    const Surface rear = FacesPicture(f.GetHairOverlayPath());
    const auto spots = FacesOnlyThere(rear, f);
    ASSERT_GT(spots.size(), 50u);
    for (auto [x, y] : spots) ASSERT_EQ(s->Get(x, y), rear.Get(x - 3, y)) << x << "," << y;

    // A single-layer style: the fixed rear picture is not drawn.
    CManager plain;
    // The bald style: the fixed rear picture, a crop, would show round it.
    const HairStyleRow& row = GetHairStyleTable()[0];
    int bald = -1;
    for (int i = 0; i < kHairStyleCount; ++i)
        if (row[i].picture == 13 && row[i].kind == kHairKindSingle) bald = i;
    ASSERT_GE(bald, 0);
    plain.Person().Face().SetHair(static_cast<unsigned>(bald));
    std::unique_ptr<Surface> p;
    page->BuildManagerFaceSurface(0, &plain, p);
    ASSERT_TRUE(p);
    PhotofitFace pf = PhotofitFace::FromFace(plain.Person().GetFace());
    const Surface fixed = FacesPicture(kSingleLayerOverlayPath);
    int differs = 0;
    const auto plainSpots = FacesOnlyThere(fixed, pf);
    for (auto [x, y] : plainSpots) differs += p->Get(x, y) != fixed.Get(x - 3, y);
    EXPECT_GT(plainSpots.size(), 20u);
    EXPECT_EQ(differs, static_cast<int>(plainSpots.size()));
    // No manager: the bare frame.
    std::unique_ptr<Surface> none;
    page->BuildManagerFaceSurface(0, nullptr, none);
    ASSERT_TRUE(none);
    const Surface frame = FacesPicture("gfx\\match\\surfaces\\faceback.bmp");
    EXPECT_EQ(none->Get(50, 60), frame.Get(50, 60));
}

// A photo replaces every layer: an installation whose photo-fit archive
// also holds a photo.
class ScreenFacesPhotoTest : public uitest::PageTest {
protected:
    void SetUp() override {
        uitest::PageTest::SetUp();
        FreeArchiveIndexes();
        root = testenv::TestFolder() / "install";
        const auto shipped = testenv::GameDir() / "gfx";
        std::filesystem::create_directories(root / "gfx");
        ArchiveWriter photofit;
        for (const char* name : kArchiveNames) {
            if (std::string(name) == "photofit") continue;
            for (const char* ext : {".idx", ".wad"})
                std::filesystem::create_symlink(shipped / (std::string(name) + ext), root / "gfx" / (std::string(name) + ext));
        }
        photo = Surface(60, 80, platform::gfx::MakePixel(200, 40, 40));
        platform::gfx::Bitmap8 b;
        b.width = 60;
        b.height = 80;
        b.coloursUsed = 256;
        b.palette[0] = 40, b.palette[1] = 40, b.palette[2] = 200;
        b.pixels.assign(60 * 80, 0);
        ASSERT_TRUE(photofit.Add("photos\\5.bmp", platform::gfx::EncodeBmp8(b)));
        auto write = [&](const char* ext, const std::vector<uint8_t>& bytes) {
            std::ofstream(root / "gfx" / (std::string("photofit") + ext), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        };
        write(".idx", photofit.Index());
        write(".wad", photofit.Data());
        platform::SetInstallFolder(root);
        ASSERT_TRUE(LoadArchiveIndexes());
    }
    void TearDown() override {
        uitest::PageTest::TearDown();
        platform::ResetFolders();
    }
    std::filesystem::path root;
    Surface photo;
};

TEST_F(ScreenFacesPhotoTest, APhotoIsTheOnlyLayer) {
    page->AddFaceOverlay(5, false, 100, 80, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    ASSERT_EQ(page->GetOverlayCount(), 1);
    EXPECT_EQ(page->GetOverlay(0)->x, 86);
    EXPECT_EQ(page->GetOverlay(0)->y, 82);
    EXPECT_EQ(page->GetOverlay(0)->bitmap.GetWidth(), 60);
    page->BuildFaceSurface(0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    ASSERT_TRUE(page->IsPicturePresent(kSlotFace));
    EXPECT_EQ(page->GetPictureSurface(kSlotFace)->Width(), 60);
    EXPECT_EQ(page->GetPictureSurface(kSlotFace)->Get(10, 10) & 0xFFFFFF, photo.Get(10, 10) & 0xFFFFFF);
    CManager m;
    std::unique_ptr<Surface> s;
    page->BuildManagerFaceSurface(5, &m, s);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Height(), 80);
    EXPECT_TRUE(backend->Boxes().empty()) << "no layer was asked for";
}

}  // namespace
