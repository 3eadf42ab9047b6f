#include "shell/archive_bitmap.h"

using namespace platform::gfx;

std::optional<Bitmap8> LoadArchivedBitmap8(std::string_view path, PixelStart start, ArchiveError* error,
                                           BmpError* bmpError, const ArchiveTable& table) {
    if (bmpError) *bmpError = BmpError::None;
    auto ref = FindArchiveEntry(path, table);
    if (!ref) {
        if (error) *error = ArchiveError::NotFound;
        return std::nullopt;
    }
    return LoadArchivedBitmap8(*ref, start, error, bmpError);
}

std::optional<Bitmap8> LoadArchivedBitmap8(const ArchiveEntryRef& entry, PixelStart start, ArchiveError* error,
                                           BmpError* bmpError) {
    if (bmpError) *bmpError = BmpError::None;
    auto bytes = ReadArchiveEntry(entry, error);
    if (!bytes) return std::nullopt;
    auto b = DecodeBmp8(*bytes, start, bmpError);
    if (!b && error) *error = ArchiveError::Damaged;
    return b;
}

std::optional<ArchivedPicture> LoadArchivedPicture(const ArchiveEntryRef& entry, ArchiveError* error,
                                                   BmpError* bmpError) {
    if (bmpError) *bmpError = BmpError::None;
    auto bytes = ReadArchiveEntry(entry, error);
    if (!bytes) return std::nullopt;
    auto refuse = [&] {
        if (error) *error = ArchiveError::Damaged;
        return std::nullopt;
    };
    if (BmpBitCount(*bytes) == 8) {
        auto b = DecodeBmp8(*bytes, PixelStart::AfterPalette, bmpError);
        if (!b) return refuse();
        return ArchivedPicture(std::move(*b));
    }
    auto b = DecodeBmp24(*bytes, bmpError);
    if (!b) return refuse();
    return ArchivedPicture(std::move(*b));
}

std::optional<Surface> LoadArchivedSurface(std::string_view path, ArchiveError* error, const ArchiveTable& table) {
    auto b = LoadArchivedBitmap8(path, PixelStart::AfterPalette, error, nullptr, table);
    if (!b) return std::nullopt;
    return ToSurface(*b);
}
