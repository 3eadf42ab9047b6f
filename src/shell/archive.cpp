#include "shell/archive.h"

#include <cstring>
#include <fstream>

#include "platform/bytes.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/trace.h"

ArchiveTable g_archives;

ArchiveRecord ArchiveIndex::Record(int i) const {
    ArchiveRecord r;
    if (i < 0 || i >= count || block.size() < (static_cast<size_t>(i) + 1) * kArchiveRecordSize) return r;
    const uint8_t* p = block.data() + static_cast<size_t>(i) * kArchiveRecordSize;
    r.packed = platform::LoadU32(p);
    r.offset = platform::LoadU32(p + 4);
    r.storedSize = platform::LoadU32(p + 8);
    r.unpackedSize = platform::LoadU32(p + 12);
    const char* name = reinterpret_cast<const char*>(p + 16);
    r.name.assign(name, strnlen(name, kArchiveNameSize));
    return r;
}

bool LoadArchiveIndexes(ArchiveTable& table) {
    for (int k = 0; k < kArchiveCount; ++k) {
        const std::string rel = std::string("gfx\\") + kArchiveNames[k] + ".idx";
        auto path = platform::FindGameFile(rel);
        auto bytes = path ? platform::ReadWholeFile(*path) : std::nullopt;
        if (!bytes) {
            platform::TraceF("CBrixholmView::StartDirectDraw - WAD index file %s does not exist!\n", rel.c_str());
            return false;
        }
        table.indexes[k].count = static_cast<int>(bytes->size() / kArchiveRecordSize);
        table.indexes[k].block = std::move(*bytes);
    }
    table.loaded = true;
    return true;
}

void FreeArchiveIndexes(ArchiveTable& table) {
    for (auto& i : table.indexes) i = ArchiveIndex{};
    table.loaded = false;
}

// --- run-length packing -------------------------------------------------------

RleResult RleUnpackChecked(std::span<const uint8_t> src, size_t expected, std::vector<uint8_t>& out) {
    out.assign(expected, 0);
    size_t in = 0, written = 0;
    while (in < src.size()) {
        const int n = static_cast<int8_t>(src[in++]);
        if (n == 0) return written == expected ? RleResult::Exact : RleResult::Short;
        if (n > 0) {
            if (in >= src.size() || written + n > expected) return RleResult::Damaged;
            std::memset(out.data() + written, src[in++], static_cast<size_t>(n));
            written += n;
        } else {
            const size_t len = static_cast<size_t>(-n);
            if (len > src.size() - in || written + len > expected) return RleResult::Damaged;
            std::memcpy(out.data() + written, src.data() + in, len);
            in += len;
            written += len;
        }
    }
    // The stream ended without its marker.
    return RleResult::Short;
}

int RleUnpack(uint8_t* destination, std::span<const uint8_t> source, int expected) {
    if (!destination || expected < 0) return 1;
    std::vector<uint8_t> out;
    RleResult r = RleUnpackChecked(source, static_cast<size_t>(expected), out);
    std::memcpy(destination, out.data(), out.size());
    return r == RleResult::Exact ? 0 : 1;
}

std::vector<uint8_t> RlePack(std::span<const uint8_t> data) {
    std::vector<uint8_t> out;
    size_t i = 0;
    const size_t n = data.size();
    auto runAt = [&](size_t p) {
        size_t len = 1;
        while (p + len < n && data[p + len] == data[p] && len < 127) ++len;
        return len;
    };
    while (i < n) {
        size_t run = runAt(i);
        if (run >= 3) {
            out.push_back(static_cast<uint8_t>(run));
            out.push_back(data[i]);
            i += run;
            continue;
        }
        // A literal up to the next run worth packing.
        size_t start = i, len = 0;
        while (i < n && len < 128) {
            if (runAt(i) >= 3) break;
            ++i;
            ++len;
        }
        out.push_back(static_cast<uint8_t>(-static_cast<int>(len)));
        out.insert(out.end(), data.begin() + static_cast<ptrdiff_t>(start),
                   data.begin() + static_cast<ptrdiff_t>(start + len));
    }
    out.push_back(0);
    return out;
}

// --- lookup and reading -------------------------------------------------------

std::optional<ArchiveEntryRef> FindArchiveEntry(std::string_view path, const ArchiveTable& table) {
    // Normalise the separators: "/" is "\", and a doubled one is one.
    std::string norm;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !norm.empty() && norm.back() == '\\') continue;
        norm += c;
    }
    const size_t first = norm.find('\\');
    if (first == std::string::npos) return std::nullopt;
    const size_t second = norm.find('\\', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const std::string archive = platform::Cp1252Lower(norm.substr(first + 1, second - first - 1));
    const std::string entry = platform::Cp1252Lower(norm.substr(second + 1));
    int k = -1;
    for (int i = 0; i < kArchiveCount; ++i)
        if (archive == kArchiveNames[i]) k = i;
    if (k < 0 || entry.empty() || entry.size() >= kArchiveNameSize) return std::nullopt;
    const ArchiveIndex& index = table.indexes[k];
    for (int i = 0; i < index.count; ++i) {
        const uint8_t* name = index.block.data() + static_cast<size_t>(i) * kArchiveRecordSize + 16;
        if (std::memcmp(name, entry.data(), entry.size()) == 0 && name[entry.size()] == 0) {
            ArchiveEntryRef ref;
            ref.archive = k;
            ref.record = index.Record(i);
            ref.dataPath = norm.substr(0, first) + "\\" + archive + ".wad";
            return ref;
        }
    }
    return std::nullopt;
}

namespace {
std::nullopt_t Refuse(ArchiveError* out, ArchiveError e) {
    if (out) *out = e;
    return std::nullopt;
}
// Larger than any picture we ship; a record claiming more is damaged.
constexpr uint32_t kMaxEntrySize = 64u << 20;
}  // namespace

std::optional<std::vector<uint8_t>> ReadArchiveEntry(const ArchiveEntryRef& ref, ArchiveError* error) {
    if (error) *error = ArchiveError::None;
    auto path = platform::FindGameFile(ref.dataPath);
    if (!path) {
        platform::TraceF("CXBitmap::LoadFromFile - WAD file %s does not exist!\n", ref.dataPath.c_str());
        return Refuse(error, ArchiveError::NotFound);
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in) {
        platform::TraceF("CXBitmap::LoadFromFile - WAD file %s does not exist!\n", ref.dataPath.c_str());
        return Refuse(error, ArchiveError::NotFound);
    }
    const ArchiveRecord& r = ref.record;
    in.seekg(0, std::ios::end);
    const uint64_t fileSize = static_cast<uint64_t>(in.tellg());
    if (r.storedSize > kMaxEntrySize || r.unpackedSize > kMaxEntrySize ||
        static_cast<uint64_t>(r.offset) + r.storedSize > fileSize ||
        (r.packed == 0 && r.storedSize != r.unpackedSize))
        return Refuse(error, ArchiveError::Damaged);
    in.seekg(r.offset);
    if (!in) {
        platform::TraceF("CXBitmap::LoadFromFile - WAD file seek failed at pos %d!\n", static_cast<int>(r.offset));
        return Refuse(error, ArchiveError::Damaged);
    }
    std::vector<uint8_t> stored(r.storedSize);
    if (!in.read(reinterpret_cast<char*>(stored.data()), static_cast<std::streamsize>(stored.size())))
        return Refuse(error, ArchiveError::Damaged);
    if (r.packed == 0) return stored;
    std::vector<uint8_t> out;
    if (RleUnpackChecked(stored, r.unpackedSize, out) == RleResult::Damaged)
        return Refuse(error, ArchiveError::Damaged);
    return out;
}

std::optional<std::vector<uint8_t>> LoadArchiveEntry(std::string_view path, ArchiveError* error,
                                                     const ArchiveTable& table) {
    auto ref = FindArchiveEntry(path, table);
    if (!ref) return Refuse(error, ArchiveError::NotFound);
    return ReadArchiveEntry(*ref, error);
}
