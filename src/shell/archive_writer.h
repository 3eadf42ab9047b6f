#pragma once
// Builds an archive pair (index and data file) in the layout the game reads.
// Used by the tool that writes the game's archives and by tests that need an
// archive of their own.
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ArchiveWriter {
public:
    // Adds an entry, packed when that makes it smaller. The name is stored
    // lower-cased; false (nothing added) when it is empty or longer than 47
    // characters. An entry whose stored bytes equal an earlier one's shares
    // that one's bytes: its index record points at the same offset.
    bool Add(std::string_view name, std::span<const uint8_t> bytes);
    // Adds an entry stored plain whatever its size.
    bool AddStored(std::string_view name, std::span<const uint8_t> bytes);

    const std::vector<uint8_t>& Index() const { return index_; }
    const std::vector<uint8_t>& Data() const { return data_; }
    int Count() const { return static_cast<int>(index_.size() / 64); }

private:
    bool Put(std::string_view name, std::span<const uint8_t> stored, uint32_t packed, uint32_t unpackedSize);
    std::vector<uint8_t> index_;
    std::vector<uint8_t> data_;
    // Offsets of the stored copies, by a hash of their bytes.
    std::multimap<uint64_t, uint32_t> stored_;
};
