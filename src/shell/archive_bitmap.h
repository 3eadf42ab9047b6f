#pragma once
// An archived picture in one call: look it up, read it within its bounds and
// decode it with the reader's checks. The page loader and the widget bitmap
// differ only in where they take the pixel rows to start.
#include <optional>
#include <string_view>
#include <variant>

#include "platform/gfx/bmp.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"

// Not found, damaged archive or a bitmap the reader refuses: nothing, with
// the reason in `error` (a refused bitmap counts as damaged) and, for a
// refused bitmap, the reader's own reason in `bmpError`.
std::optional<platform::gfx::Bitmap8> LoadArchivedBitmap8(
    std::string_view path, platform::gfx::PixelStart start = platform::gfx::PixelStart::AfterPalette,
    ArchiveError* error = nullptr, platform::gfx::BmpError* bmpError = nullptr,
    const ArchiveTable& table = g_archives);
// The same for an entry already looked up.
std::optional<platform::gfx::Bitmap8> LoadArchivedBitmap8(const ArchiveEntryRef& entry,
                                                          platform::gfx::PixelStart start, ArchiveError* error,
                                                          platform::gfx::BmpError* bmpError);

// An 8-bit picture or a 24-bit one, as the page's surface builder takes
// them; any other depth is refused (NotTwentyFourBit), never read as 24-bit.
using ArchivedPicture = std::variant<platform::gfx::Bitmap8, platform::gfx::Bitmap24>;
std::optional<ArchivedPicture> LoadArchivedPicture(const ArchiveEntryRef& entry, ArchiveError* error,
                                                   platform::gfx::BmpError* bmpError);

// The same picture as a 32-bit surface.
std::optional<platform::gfx::Surface> LoadArchivedSurface(std::string_view path, ArchiveError* error = nullptr,
                                                          const ArchiveTable& table = g_archives);
