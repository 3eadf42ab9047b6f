// Any bytes as an archive: the first byte picks where the index ends, the
// rest is the data file. Every entry the index names is looked up and read,
// and read again as the pages' loaders read pictures (8-bit, or 8- or 24-bit).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "shell/archive.h"
#include "shell/archive_bitmap.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path root = [] {
        fs::path p = fs::temp_directory_path() / ("vt_fuzz_archive_" + std::to_string(getpid()));
        fs::create_directories(p / "gfx");
        platform::SetInstallFolder(p);
        return p;
    }();
    if (size < 1) return 0;
    const size_t split = std::min<size_t>(size - 1, static_cast<size_t>(data[0]) * 4);
    std::ofstream(root / "gfx" / "kits.idx", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(split));
    std::ofstream(root / "gfx" / "kits.wad", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1 + split), static_cast<std::streamsize>(size - 1 - split));
    ArchiveTable table;
    ArchiveIndex& index = table.indexes[5];
    index.block.assign(data + 1, data + 1 + split);
    index.count = static_cast<int>(split / kArchiveRecordSize);
    for (int i = 0; i < index.count; ++i) {
        const ArchiveRecord r = index.Record(i);
        ArchiveError err;
        LoadArchiveEntry("gfx\\kits\\" + r.name, &err, table);
        if (auto ref = FindArchiveEntry("gfx\\kits\\" + r.name, table)) {
            LoadArchivedBitmap8(*ref, platform::gfx::PixelStart::AfterPalette, &err, nullptr);
            LoadArchivedPicture(*ref, &err, nullptr);
        }
    }
    return 0;
}
