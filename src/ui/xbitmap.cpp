#include "ui/xbitmap.h"

#include <set>
#include <string>

#include "platform/bytes.h"
#include "platform/gfx/bmp.h"
#include "platform/trace.h"

namespace {

// Each failing path is reported once, so a page that draws without its
// picture does not flood the trace.
void ReportOnce(const char* fmt, std::string_view path) {
    static std::set<std::string> seen;
    if (seen.insert(std::string(path)).second) platform::TraceF(fmt, std::string(path).c_str());
}

}  // namespace

int CXBitmap::LoadFromFile(std::string_view path, std::vector<uint8_t>& dib, uint32_t& bitsOffset,
                           const ArchiveTable& table) {
    const char* kMissing = "CXBitmap::LoadFromFile - file %s does not exist in any WAD index\n";
    size_t first = path.find('\\');
    size_t second = first == std::string_view::npos ? first : path.find('\\', first + 1);
    if (second == std::string_view::npos) {
        ReportOnce(kMissing, path);
        return 1;
    }
    std::string_view archive = path.substr(first + 1, second - first - 1);
    std::string_view entry = path.substr(second + 1);
    int k = 0;
    while (k < kArchiveCount && archive != kArchiveNames[k]) ++k;  // names compare with their case
    if (k == kArchiveCount || table.indexes[k].count == 0) {
        ReportOnce(kMissing, path);
        return 1;
    }
    ArchiveEntryRef ref;
    for (int i = 0; i < table.indexes[k].count; ++i) {
        ArchiveRecord r = table.indexes[k].Record(i);
        if (r.name == entry) {
            ref.archive = k;
            ref.record = r;
            break;
        }
    }
    if (ref.archive < 0) {
        ReportOnce(kMissing, path);
        return 1;
    }
    ref.dataPath = std::string(path.substr(0, second)) + ".wad";
    ArchiveError err = ArchiveError::None;
    auto bytes = ReadArchiveEntry(ref, &err);
    if (!bytes) {
        ReportOnce("CXBitmap::LoadFromFile - WAD file %s does not exist!\n", ref.dataPath);
        return 1;
    }
    // The entry's own size bounds everything; a header that claims more, or
    // rows that start outside, is refused rather than read past.
    if (bytes->size() < 14 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M') {
        ReportOnce("CXBitmap::LoadFromFile - %s is not a bitmap\n", path);
        return 1;
    }
    uint32_t fileSize = platform::LoadU32(bytes->data() + 2);
    bitsOffset = platform::LoadU32(bytes->data() + 10);
    if (fileSize > bytes->size() || bitsOffset < 14 || bitsOffset >= bytes->size()) {
        ReportOnce("CXBitmap::LoadFromFile - %s is damaged\n", path);
        return 1;
    }
    dib.assign(bytes->begin() + 14, bytes->end());
    return 0;
}

bool CXBitmap::Load(std::string_view path, const ArchiveTable& table) {
    m_Surface = {};
    std::vector<uint8_t> dib;
    uint32_t offset = 0;
    if (LoadFromFile(path, dib, offset, table) != 0) {
        ReportOnce("failed to load %s\n", path);
        return false;
    }
    // Put the file header back for the shared reader, which checks the rows.
    std::vector<uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    platform::StoreU32(file.data() + 2, static_cast<uint32_t>(dib.size() + 14));
    platform::StoreU32(file.data() + 10, offset);
    file.insert(file.end(), dib.begin(), dib.end());
    platform::gfx::BmpError why = platform::gfx::BmpError::None;
    auto b = platform::gfx::DecodeBmp8(file, platform::gfx::PixelStart::FromHeader, &why);
    if (!b) {
        ReportOnce("failed to load %s\n", path);
        return false;
    }
    m_Surface = platform::gfx::ToSurface(*b);
    return true;
}

void CXBitmap::Draw(platform::gfx::Canvas& dc, int x, int y) const {
    if (IsLoaded()) dc.BitBlt(x, y, GetWidth(), GetHeight(), m_Surface, 0, 0);
}

void CXBitmap::DrawTransparent(platform::gfx::Canvas& dc, int x, int y, platform::gfx::ColourRef key) const {
    if (IsLoaded()) dc.KeyedBlt(x, y, m_Surface, m_Surface.Bounds(), key);
}
