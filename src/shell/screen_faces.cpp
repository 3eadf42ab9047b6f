// Faces on pages: as overlays over the background, or built on the face
// frame as a picture (the page's face slot, the match-day panels). The
// layers, their order and their paths come from the photo-fit face.
#include <cstdio>

#include "shell/photofit.h"
#include "shell/screen.h"
#include "soccerclasses/manager.h"

using platform::gfx::Surface;

namespace {

constexpr const char* kFaceFrame = "gfx\\match\\surfaces\\faceback.bmp";

std::string PhotoPath(int photo) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "gfx\\photofit\\photos\\%d.bmp", photo);
    return buf;
}

PhotofitFace FaceOf(int race, int colour, int hair, int eyes, int nose, int chin, int mouth, int beard, int back) {
    PhotofitFace f;
    f.skin = static_cast<int8_t>(race);
    f.hairColour = static_cast<int8_t>(colour);
    f.hairStyle = static_cast<int8_t>(hair);
    f.eyes = static_cast<int8_t>(eyes);
    f.nose = static_cast<int8_t>(nose);
    f.chin = static_cast<int8_t>(chin);
    f.mouth = static_cast<int8_t>(mouth);
    f.beard = static_cast<int8_t>(beard);
    f.back = static_cast<int8_t>(back);
    return f;
}

}  // namespace

void CScreen::AddFaceOverlay(int photo, bool keep, int x, int y, int race, int colour, int hair, int eyes,
                             int nose, int chin, int mouth, int beard, int back) {
    if (!keep) RemoveOverlayBitmapsFrom(0);
    if (photo) {
        AddOverlayBitmap(PhotoPath(photo), x - 14, y + 2);
    } else {
        std::array<FaceLayer, 8> layers;
        const int n = PhotofitLayers(FaceOf(race, colour, hair, eyes, nose, chin, mouth, beard, back), back != -1,
                                     layers);
        for (int i = 0; i < n; ++i) {
            const FaceLayer& l = layers[static_cast<size_t>(i)];
            AddOverlayBitmap(l.path, x + l.x, y + l.y);
        }
    }
    ShowAllOverlayBitmaps(true);
}

namespace {

// Lays the face's layers on a surface built on the face frame: 2 px right
// of where overlays would lie, except the rear hair, which lies under the
// hair at (3, 0); the back as the caller places it.
void LayFaceOnFrame(CScreen& page, PhotofitFace face, bool withBack, bool copyBack, int backX, int backY,
                    Surface* frame) {
    std::array<FaceLayer, 8> layers;
    const int n = PhotofitLayers(face, withBack, layers);
    for (int i = 0; i < n; ++i) {
        const FaceLayer& l = layers[static_cast<size_t>(i)];
        std::unique_ptr<Surface> scratch;
        if (page.BuildSurfaceFromBitmap(l.path, scratch) != 0) continue;  // left out, reported by the loader
        if (l.role == FaceLayerRole::Back) {
            if (copyBack)
                page.CopySurfaceRectTo(0, 0, 90, 115, scratch.get(), backX, backY, frame);
            else
                page.BlitSurfaceFastKeyed(backX, backY, scratch.get(), frame);
            continue;
        }
        const int x = l.role == FaceLayerRole::Rear ? 3 : l.x + 2;
        page.BlitSurfaceFastKeyed(x, l.y, scratch.get(), frame);
    }
}

}  // namespace

void CScreen::BuildFaceSurface(int /*x*/, int /*y*/, int photo, int race, int colour, int hair, int eyes, int nose,
                               int chin, int mouth, int beard, int back) {
    std::unique_ptr<Surface> face;
    if (photo) {
        if (BuildSurfaceFromBitmap(PhotoPath(photo), face) == 0) SetPictureSurface(kSlotFace, std::move(face));
        return;
    }
    if (BuildSurfaceFromBitmap(kFaceFrame, face) != 0) return;
    LayFaceOnFrame(*this, FaceOf(race, colour, hair, eyes, nose, chin, mouth, beard, back), back != -1, true, 6, 5,
                   face.get());
    SetPictureSurface(kSlotFace, std::move(face));
}

void CScreen::BuildManagerFaceSurface(int photo, const CManager* manager, std::unique_ptr<Surface>& surface) {
    if (photo) {
        BuildSurfaceFromBitmap(PhotoPath(photo), surface);
        return;
    }
    std::unique_ptr<Surface> face;
    if (BuildSurfaceFromBitmap(kFaceFrame, face) != 0) return;
    if (manager) {
        PhotofitFace f = PhotofitFace::FromFace(manager->Person().GetFace());
        f.back = 0;
        LayFaceOnFrame(*this, f, true, false, 1, 0, face.get());
    }
    surface = std::move(face);
}
