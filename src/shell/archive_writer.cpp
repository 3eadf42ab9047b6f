#include "shell/archive_writer.h"

#include "platform/bytes.h"
#include "platform/cp1252.h"
#include "shell/archive.h"

bool ArchiveWriter::Put(std::string_view nameIn, std::span<const uint8_t> stored, uint32_t packed,
                        uint32_t unpackedSize) {
    const std::string name = platform::Cp1252Lower(nameIn);
    if (name.empty() || name.size() >= kArchiveNameSize) return false;
    platform::ByteWriter w;
    w.U32(packed);
    w.U32(static_cast<uint32_t>(data_.size()));
    w.U32(static_cast<uint32_t>(stored.size()));
    w.U32(unpackedSize);
    w.Raw(name);
    for (size_t i = name.size(); i < kArchiveNameSize; ++i) w.U8(0);
    const auto& rec = w.Bytes();
    index_.insert(index_.end(), rec.begin(), rec.end());
    data_.insert(data_.end(), stored.begin(), stored.end());
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
