// Kits: a club's three pattern pictures recoloured through one shared
// palette whose five ramps take the kit's colours, laid over each other in
// the kit slots; and a kit printed through the shirt mask.
#include <array>
#include <cstdio>

#include "platform/trace.h"
#include "shell/ddsurface.h"
#include "shell/kitcolours.h"
#include "shell/screen.h"
#include "soccerclasses/club.h"
#include "soccerclasses/clubrecords.h"

using platform::gfx::Surface;
using platform::win::Rect;

namespace {

// The kit slots' rectangles: what a release draws again.
const Rect kKitSlotRect{524, 31, 572, 79};
const Rect kSecondSlotRect{464, 137, 564, 237};

// Palette entries of the five ramps, by kit colour byte 3, 4, 6, 7, 5.
constexpr int kRampEntries[5] = {1, 17, 33, 49, 65};
constexpr int kRampBytes[5] = {3, 4, 6, 7, 5};

std::string PatternPath(const char* folder, const char* stem, int n) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "gfx\\kits\\%s\\%s%02d.bmp", folder, stem, n);
    return buf;
}

}  // namespace

void CScreen::BuildColourRamp(uint8_t* table, double red, double green, double blue, int n) {
    if (!table || n < 1) return;
    for (int k = 0; k < n; ++k) {
        table[4 * k + 0] = static_cast<uint8_t>(blue - k * (blue / n));
        table[4 * k + 1] = static_cast<uint8_t>(green - k * (green / n));
        table[4 * k + 2] = static_cast<uint8_t>(red - k * (red / n));
    }
}

void CScreen::BuildKitSurface(std::unique_ptr<Surface>& surface, int flags, const CKits& kit) {
    const bool full = (flags & kKitFull) != 0;
    const bool tiny = !full && (flags & kKitTiny) != 0;
    const char* folder = full ? "kits" : tiny ? "tinykits" : "smallkits";
    const int size = full ? 128 : tiny ? 22 : 32;
    const double divisor = (flags & kKitDimmed) ? 2.0 : 1.0;

    // The parts in laying order; each keeps its pixels until it is written.
    struct Part {
        std::string path;
        std::vector<uint8_t> pixels;
        int width = 0, height = 0;
        bool loaded = false;
    };
    std::vector<Part> parts(full ? 3 : 2);
    parts[0].path = PatternPath(folder, "Shirt", kit.bytes[CKits::kShirt]);
    parts[1].path = PatternPath(folder, "Sleeves", kit.bytes[CKits::kSleeves]);
    if (full) parts[2].path = PatternPath(folder, "Shorts", kit.bytes[CKits::kShorts]);
    std::array<uint8_t, 1024> palette{};
    for (Part& p : parts) p.loaded = LoadBitmap8(p.path, palette.data(), p.pixels, &p.width, &p.height) == 0;

    for (int i = 0; i < 5; ++i) {
        int index = kit.bytes[static_cast<size_t>(kRampBytes[i])];
        if (index >= kKitColourCount) {
            platform::TraceF("BuildKitSurface - colour %d out of range, drawn as colour 0\n", index);
            index = 0;
        }
        const KitColour c = kKitColours[static_cast<size_t>(index)];
        BuildColourRamp(palette.data() + 4 * kRampEntries[i], c.red / divisor, c.green / divisor, c.blue / divisor, 8);
    }

    std::unique_ptr<Surface> result;
    if (int r = CreatePlainSurface(result, size, size); r != DD_OK) {
        ReportDirectDrawError(r, __FILE__, __LINE__);
        surface.reset();
        return;
    }
    result->Fill(platform::gfx::kKeyPixel);
    if (full) {
        // The highlight is the kit's base: copied whole, its see-through
        // pixels staying see-through.
        std::unique_ptr<Surface> highlight;
        if (BuildSurfaceFromBitmap("gfx\\kits\\kits\\kit_highlight.bmp", highlight) == 0)
            BlitSurfaceToSurface(0, 0, highlight.get(), result.get());
    }
    for (Part& p : parts) {
        if (!p.loaded) continue;  // the kit is composed from what was found
        std::unique_ptr<Surface> s;
        if (CreatePlainSurface(s, p.width, p.height) != DD_OK) continue;
        BuildBitmapSurface(p.pixels.data(), s.get(), palette.data(), p.width, p.height);
        BlitSurfaceKeyedAt(0, 0, s.get(), result.get());
        p.pixels.clear();
    }
    surface = std::move(result);
}

void CScreen::BuildClubKitSurface(uintptr_t club) {
    const auto* c = reinterpret_cast<const CClub*>(club);
    if (!c) return;
    std::unique_ptr<Surface> s;
    BuildKitSurface(s, kKitFull, c->GetHomeKit());
    SetPictureSurface(kSlotKit, std::move(s));
}

void CScreen::BuildSecondKitSurface(uintptr_t club) {
    const auto* c = reinterpret_cast<const CClub*>(club);
    if (!c) return;
    std::unique_ptr<Surface> s;
    BuildKitSurface(s, kKitFull, c->GetHomeKit());
    SetPictureSurface(kSlotBadge, std::move(s));
}

void CScreen::ReleaseKitSurface(bool repaint) {
    ReleasePictureSurface(kSlotKit);
    if (repaint) {
        InvalidateRect(kKitSlotRect, false);
        UpdateNow();
    }
}

void CScreen::ReleaseSecondKitSurface(bool repaint) {
    ReleasePictureSurface(kSlotBadge);
    if (repaint) {
        InvalidateRect(kSecondSlotRect, false);
        UpdateNow();
    }
}

int CScreen::PrintKitWithMask(platform::gfx::Canvas* dc, int x, int y, Surface* kit) {
    if (!dc || !kit || kit->IsEmpty()) return DDERR_INVALIDPARAMS;
    std::unique_ptr<Surface> mask;
    if (BuildSurfaceFromBitmap("gfx\\match\\surfaces\\shirtmask.bmp", mask) != 0) return DDERR_INVALIDPARAMS;
    BlitSurfaceKeyedAt(0, 0, kit, mask.get());
    auto bits = mask->Lock();
    if (!bits) {
        platform::Trace("DDLock Error BuildBitmapSurface\n");
        return DDERR_SURFACELOST;
    }
    const int w = std::min(128, mask->Width()), h = std::min(128, mask->Height());
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const platform::gfx::Pixel p = mask->Get(col, row);
            if ((p & 0xFFFFFF) == 0) continue;
            dc->SetPixel(x + col, -(y + row), platform::gfx::ToColourRef(p));
        }
    mask->Unlock();
    return DD_OK;
}
