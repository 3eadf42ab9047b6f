// The page's side of the graphics archives: the lookup that keeps the
// record's numbers, the 8-bit loader and the surface builder, with the
// user's messages on top of the archive core's checks.
#include <cstdio>
#include <cstring>
#include <new>
#include <set>
#include <variant>

#include "platform/files.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/services.h"
#include "shell/archive_bitmap.h"
#include "shell/ddsurface.h"
#include "shell/screen.h"

using platform::gfx::Bitmap24;
using platform::gfx::Bitmap8;
using platform::gfx::BmpError;
using platform::gfx::Surface;

namespace {

constexpr const char* kCannotFindFile = "Cannot find file : %s\n";
constexpr const char* kNotEightBit = "Bitmap ' %s ' is not 8 Bit.";

std::set<std::string>& ReportedPictures() {
    static std::set<std::string> reported;
    return reported;
}

std::string FormatWithPath(const char* format, std::string_view path) {
    const std::string p(path);
    const int n = std::snprintf(nullptr, 0, format, p.c_str());
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, format, p.c_str());
    return out;
}

}  // namespace

void ReportPictureFailure(const char* format, std::string_view path) {
    const std::string text = FormatWithPath(format, path);
    if (!ReportedPictures().insert(text).second) {
        platform::Trace(text);
        return;
    }
    platform::win::PlainMessageBox(text, platform::LoadString(843), platform::win::MB_OK);
}

void ForgetReportedPictures() {
    ReportedPictures().clear();
}

int CScreen::OpenArchiveEntry(std::string_view path, ArchiveEntryRef& entry) {
    auto found = FindArchiveEntry(path);
    if (!found) return 1;
    const ArchiveRecord& r = found->record;
    m_ArchiveBitmap = {r.packed, r.offset, r.storedSize, r.unpackedSize};
    if (!platform::FindGameFile(found->dataPath)) {
        platform::TraceF("CXBitmap::LoadFromFile - WAD file %s does not exist!\n", found->dataPath.c_str());
        return 1;
    }
    entry = std::move(*found);
    return 0;
}

int CScreen::LoadBitmap8(std::string_view path, uint8_t* palette, std::vector<uint8_t>& pixels, int* width,
                         int* height) {
    ArchiveEntryRef entry;
    if (OpenArchiveEntry(path, entry) != 0) {
        ReportPictureFailure(kCannotFindFile, path);
        return 1;
    }
    ArchiveError err = ArchiveError::None;
    BmpError bmpErr = BmpError::None;
    std::optional<Bitmap8> b;
    try {
        b = LoadArchivedBitmap8(entry, platform::gfx::PixelStart::AfterPalette, &err, &bmpErr);
    } catch (const std::bad_alloc&) {
        platform::TraceF("LoadBitmap8: no memory for %s\n", std::string(path).c_str());
        return 1;
    }
    if (!b) {
        ReportPictureFailure(bmpErr == BmpError::NotEightBit ? kNotEightBit : kCannotFindFile, path);
        return 1;
    }
    // The decoder holds at most 256 entries, so the caller's palette of 256
    // can never be overrun, whatever the file's colour count says.
    if (palette) std::memcpy(palette, b->palette.data(), 4 * static_cast<size_t>(b->coloursUsed));
    pixels = std::move(b->pixels);
    if (width) *width = b->width;
    if (height) *height = b->height;
    return 0;
}

int CScreen::BuildSurfaceFromBitmap(std::string_view path, std::unique_ptr<Surface>& surface) {
    ArchiveEntryRef entry;
    if (OpenArchiveEntry(path, entry) != 0) {
        ReportPictureFailure(kCannotFindFile, path);
        return 1;
    }
    std::optional<ArchivedPicture> picture;
    try {
        picture = LoadArchivedPicture(entry, nullptr, nullptr);
    } catch (const std::bad_alloc&) {
        platform::TraceF("BuildSurfaceFromBitmap: no memory for %s\n", std::string(path).c_str());
        return 1;
    }
    if (!picture) {
        ReportPictureFailure(kCannotFindFile, path);
        return 1;
    }
    const bool eight = std::holds_alternative<Bitmap8>(*picture);
    const int w = eight ? std::get<Bitmap8>(*picture).width : std::get<Bitmap24>(*picture).width;
    const int h = eight ? std::get<Bitmap8>(*picture).height : std::get<Bitmap24>(*picture).height;
    std::unique_ptr<Surface> made;
    if (int r = CreatePlainSurface(made, w, h); r != DD_OK) {
        ReportDirectDrawError(r, __FILE__, __LINE__);
        return 1;
    }
    if (eight) {
        const Bitmap8& b = std::get<Bitmap8>(*picture);
        BuildBitmapSurface(b.pixels.data(), made.get(), b.palette.data(), w, h);
    } else {
        BuildBitmapSurface(std::get<Bitmap24>(*picture).pixels.data(), made.get(), w, h);
    }
    surface = std::move(made);
    return 0;
}
