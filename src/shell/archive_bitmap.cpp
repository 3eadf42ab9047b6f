#include "shell/archive_bitmap.h"

using namespace platform::gfx;

std::optional<Bitmap8> LoadArchivedBitmap8(std::string_view path, PixelStart start, ArchiveError* error,
                                           BmpError* bmpError, const ArchiveTable& table) {
    if (bmpError) *bmpError = BmpError::None;
    auto bytes = LoadArchiveEntry(path, error, table);
    if (!bytes) return std::nullopt;
    auto b = DecodeBmp8(*bytes, start, bmpError);
    if (!b && error) *error = ArchiveError::Damaged;
    return b;
}

std::optional<Surface> LoadArchivedSurface(std::string_view path, ArchiveError* error, const ArchiveTable& table) {
    auto b = LoadArchivedBitmap8(path, PixelStart::AfterPalette, error, nullptr, table);
    if (!b) return std::nullopt;
    return ToSurface(*b);
}
