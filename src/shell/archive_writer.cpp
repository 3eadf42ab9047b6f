#include "shell/archive_writer.h"

#include <algorithm>

#include "platform/bytes.h"
#include "platform/cp1252.h"
#include "shell/archive.h"

bool ArchiveWriter::Put(std::string_view nameIn, std::span<const uint8_t> stored, uint32_t packed,
                        uint32_t unpackedSize) {
    const std::string name = platform::Cp1252Lower(nameIn);
    if (name.empty() || name.size() >= kArchiveNameSize) return false;
    // FNV-1a over the stored bytes and the packing, to find an identical copy.
    uint64_t h = 1469598103934665603ull ^ packed;
    for (uint8_t b : stored) h = (h ^ b) * 1099511628211ull;
    uint32_t offset = static_cast<uint32_t>(data_.size());
    bool shared = false;
    for (auto [it, end] = stored_.equal_range(h); it != end; ++it) {
        const uint32_t at = it->second;
        if (at + stored.size() <= data_.size() && std::equal(stored.begin(), stored.end(), data_.begin() + at)) {
            offset = at;
            shared = true;
            break;
        }
    }
    platform::ByteWriter w;
    w.U32(packed);
    w.U32(offset);
    w.U32(static_cast<uint32_t>(stored.size()));
    w.U32(unpackedSize);
    w.Raw(name);
    for (size_t i = name.size(); i < kArchiveNameSize; ++i) w.U8(0);
    const auto& rec = w.Bytes();
    index_.insert(index_.end(), rec.begin(), rec.end());
    if (!shared) {
        stored_.emplace(h, offset);
        data_.insert(data_.end(), stored.begin(), stored.end());
    }
    return true;
}

bool ArchiveWriter::Add(std::string_view name, std::span<const uint8_t> bytes) {
    std::vector<uint8_t> packed = RlePack(bytes);
    if (packed.size() < bytes.size()) return Put(name, packed, 1, static_cast<uint32_t>(bytes.size()));
    return AddStored(name, bytes);
}

bool ArchiveWriter::AddStored(std::string_view name, std::span<const uint8_t> bytes) {
    return Put(name, bytes, 0, static_cast<uint32_t>(bytes.size()));
}
