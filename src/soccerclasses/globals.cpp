#include "soccerclasses/globals.h"

#include <cstring>
#include <vector>

#include "platform/random.h"
#include "platform/trace.h"

namespace {

struct Channel {
    FILE* file = nullptr;
    bool reading = false;
    bool damaged = false;
    std::vector<uint8_t> bytes;
    size_t position = 0;
};

Channel& TheChannel() {
    static Channel channel;
    return channel;
}

}  // namespace

FILE* OpenGameFile(const char* path, const char* mode) {
    Channel& c = TheChannel();
    if (c.file) {
        platform::Trace("== File already open==\n");
        return nullptr;
    }
    FILE* f = std::fopen(path, mode);
    if (!f) return nullptr;
    c = Channel{};
    c.file = f;
    c.reading = mode[0] == 'r';
    if (c.reading) {
        uint8_t block[65536];
        size_t got;
        while ((got = std::fread(block, 1, sizeof block, f)) > 0) c.bytes.insert(c.bytes.end(), block, block + got);
    }
    return f;
}

void ReadGameFile(void* destination, int32_t count, FILE*) {
    Channel& c = TheChannel();
    if (count <= 0) return;
    const size_t n = static_cast<size_t>(count);
    if (!c.reading || c.damaged || c.position + n > c.bytes.size()) {
        std::memset(destination, 0, n);
        c.damaged = true;
        return;
    }
    std::memcpy(destination, c.bytes.data() + c.position, n);
    c.position += n;
}

void SkipGameFile(void*, int32_t count, FILE*) {
    Channel& c = TheChannel();
    if (count <= 0) return;
    if (c.position + static_cast<size_t>(count) > c.bytes.size()) {
        c.damaged = true;
        return;
    }
    c.position += static_cast<size_t>(count);
}

void WriteGameFile(const void* source, size_t size, size_t count, FILE*) {
    Channel& c = TheChannel();
    if (!c.file) {
        platform::Trace(" No file is open to read from \n");
        return;
    }
    const auto* p = static_cast<const uint8_t*>(source);
    c.bytes.insert(c.bytes.end(), p, p + size * count);
}

int CloseGameFile(FILE*) {
    Channel& c = TheChannel();
    if (!c.file) {
        platform::Trace("== No file open to close==\n");
        return -1;
    }
    int result = 0;
    if (!c.reading && !c.bytes.empty() && std::fwrite(c.bytes.data(), 1, c.bytes.size(), c.file) != c.bytes.size())
        result = -1;
    if (std::fclose(c.file) != 0) result = -1;
    const bool damaged = c.damaged;
    c = Channel{};
    c.damaged = damaged;
    return result;
}

bool IsGameFileDamaged() { return TheChannel().damaged; }
void MarkGameFileDamaged() { TheChannel().damaged = true; }

int Random(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(platform::Rand() / 32767.0 * n);
}
