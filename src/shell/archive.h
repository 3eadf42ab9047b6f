#pragma once
// The graphics archives: every picture lives in one of 18 pairs of files
// under gfx, an index of 64-byte records and a data file of entries. A
// picture is asked for by a path "gfx\<archive>\<entry>". Nothing here
// trusts the files: a damaged archive is refused, never read past its end.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "soccerclasses/statictables.h"  // kArchiveCount, kArchiveNames
constexpr size_t kArchiveRecordSize = 64;
constexpr size_t kArchiveNameSize = 48;  // with its terminating NUL

// One index record, decoded.
struct ArchiveRecord {
    uint32_t packed = 0;  // 0: stored; anything else: run-length packed
    uint32_t offset = 0;
    uint32_t storedSize = 0;
    uint32_t unpackedSize = 0;
    std::string name;
};

// An index file in memory: the whole file as one block and its record
// count (length / 64; a remainder is ignored).
struct ArchiveIndex {
    std::vector<uint8_t> block;
    int count = 0;
    ArchiveRecord Record(int i) const;
};

// The indexes the view loads at start, in the order of kArchiveNames.
struct ArchiveTable {
    std::array<ArchiveIndex, kArchiveCount> indexes;
    bool loaded = false;
};
extern ArchiveTable g_archives;

// Reads the 18 index files through the game-file lookup. A missing one
// writes the start-up trace line and stops there (false), leaving the table
// not loaded, as the view expects.
bool LoadArchiveIndexes(ArchiveTable& table = g_archives);
void FreeArchiveIndexes(ArchiveTable& table = g_archives);

// The run-length unpacker. Control bytes n: 1..127 repeat the next byte n
// times, -1..-128 copy -n bytes, 0 ends. Returns 0 when exactly `expected`
// bytes were written, 1 otherwise; never writes past `expected` nor reads
// past `source`. `destination` must hold `expected` bytes.
int RleUnpack(uint8_t* destination, std::span<const uint8_t> source, int expected);

enum class RleResult {
    Exact,    // the end marker after exactly the expected bytes
    Short,    // the stream ended (marker or data) before; the rest is zero
    Damaged,  // a run or literal would pass either buffer
};
// The bounded form the loaders use: `out` is resized to `expected`.
RleResult RleUnpackChecked(std::span<const uint8_t> source, size_t expected, std::vector<uint8_t>& out);

// Run-length packs `data` so RleUnpack restores it: runs of 1..127 copies,
// literals of 1..128 bytes, a closing 0.
std::vector<uint8_t> RlePack(std::span<const uint8_t> data);

enum class ArchiveError { None, NotFound, Damaged };

struct ArchiveEntryRef {
    int archive = -1;
    ArchiveRecord record;
    std::string dataPath;  // "gfx\backgrounds.wad"
};

// Splits "gfx\<archive>\<entry>" ("/" counts as "\", doubled separators
// as one), lower-cases archive and entry, and finds the first record of that
// name. Nothing when the path has fewer than two separators, the archive is
// not one of the 18, or the name is not in its index.
std::optional<ArchiveEntryRef> FindArchiveEntry(std::string_view path,
                                                const ArchiveTable& table = g_archives);

// Reads an entry's bytes, unpacked: only within its stored size and only
// inside the data file. Damaged when the record points outside the file or
// the packed stream runs past a buffer.
std::optional<std::vector<uint8_t>> ReadArchiveEntry(const ArchiveEntryRef& ref, ArchiveError* error = nullptr);

// Both steps at once.
std::optional<std::vector<uint8_t>> LoadArchiveEntry(std::string_view path, ArchiveError* error = nullptr,
                                                     const ArchiveTable& table = g_archives);
