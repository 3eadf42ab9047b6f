#include "soccerclasses/gamefile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/bytes.h"
#include "platform/trace.h"
#include "soccerclasses/extstring.h"

namespace {

struct Channel {
    std::vector<uint8_t> block;  // kGameFileBlock bytes once a file is opened
    size_t position = 0;      // next byte in the block
    size_t blockLength = 0;   // valid bytes in the block (reading)
    FILE* file = nullptr;
    bool readMode = false;
    bool damaged = false;
    bool atEnd = false;       // the file has nothing after the block
    uint64_t fileSize = 0;
    uint64_t consumed = 0;    // bytes read or skipped so far
    std::string target;       // writing: the file the temporary one replaces
    std::string temporary;
};

Channel& Ch() {
    static Channel channel;
    return channel;
}

// The block is large; keep it allocated across files.
void ClearKeepingBlock(Channel& c) {
    std::vector<uint8_t> block = std::move(c.block);
    c = Channel();
    c.block = std::move(block);
}

bool IsOpenFile(FILE* file, const char* what) {
    Channel& c = Ch();
    if (!c.file || file != c.file) {
        platform::Trace(what);
        return false;
    }
    return true;
}

bool Refill() {
    Channel& c = Ch();
    if (c.atEnd) return false;
    c.blockLength = std::fread(c.block.data(), 1, kGameFileBlock, c.file);
    c.position = 0;
    if (c.blockLength < kGameFileBlock) c.atEnd = true;
    return c.blockLength > 0;
}

void Damage(const char* why) {
    Channel& c = Ch();
    if (!c.damaged) platform::TraceF("== damaged game file: %s ==\n", why);
    c.damaged = true;
}

bool FlushBlock() {
    Channel& c = Ch();
    if (c.position == 0) return true;
    bool ok = std::fwrite(c.block.data(), 1, c.position, c.file) == c.position;
    c.position = 0;
    if (!ok) Damage("write failed");
    return ok;
}

}  // namespace

FILE* OpenGameFile(const std::string& path, const char* mode) {
    Channel& c = Ch();
    if (c.file) {
        platform::Trace("== File already open==\n");
        return nullptr;
    }
    bool read = mode && mode[0] == 'r';
    bool replace = mode && mode[0] == 'w';
    std::string openPath = replace ? path + ".tmp" : path;
    FILE* f = std::fopen(openPath.c_str(), mode ? mode : "rb");
    if (!f) return nullptr;
    ClearKeepingBlock(c);
    c.block.resize(kGameFileBlock);
    c.file = f;
    c.readMode = read;
    if (replace) {
        c.target = path;
        c.temporary = openPath;
    }
    if (read) {
        struct stat st {};
        if (fstat(fileno(f), &st) == 0) c.fileSize = static_cast<uint64_t>(st.st_size);
        Refill();
    }
    return f;
}

void ReadGameFile(void* dest, size_t count, FILE* file) {
    auto* out = static_cast<uint8_t*>(dest);
    Channel& c = Ch();
    if (!IsOpenFile(file, " No file is open to read from \n") || !c.readMode) {
        if (count) std::memset(out, 0, count);
        if (c.file) Damage("read from a file not open for reading");
        return;
    }
    while (count > 0) {
        if (c.position == c.blockLength && !Refill()) {
            std::memset(out, 0, count);
            Damage("read past the end");
            return;
        }
        size_t take = std::min(count, c.blockLength - c.position);
        std::memcpy(out, c.block.data() + c.position, take);
        c.position += take;
        c.consumed += take;
        out += take;
        count -= take;
    }
}

void SkipGameFile(void*, size_t count, FILE* file) {
    Channel& c = Ch();
    if (!IsOpenFile(file, " No file is open to read from \n") || !c.readMode) {
        if (c.file) Damage("skip in a file not open for reading");
        return;
    }
    while (count > 0) {
        if (c.position == c.blockLength && !Refill()) {
            Damage("skip past the end");
            return;
        }
        size_t take = std::min(count, c.blockLength - c.position);
        c.position += take;
        c.consumed += take;
        count -= take;
    }
}

void WriteGameFile(const void* source, size_t size, size_t count, FILE* file) {
    Channel& c = Ch();
    if (!IsOpenFile(file, " No file is open to read from \n")) return;
    if (c.readMode) {
        Damage("write to a file open for reading");
        return;
    }
    const auto* in = static_cast<const uint8_t*>(source);
    size_t n = size * count;
    while (n > 0) {
        if (c.position == kGameFileBlock) FlushBlock();
        size_t take = std::min(n, kGameFileBlock - c.position);
        std::memcpy(c.block.data() + c.position, in, take);
        c.position += take;
        in += take;
        n -= take;
    }
}

int CloseGameFile(FILE* file) {
    Channel& c = Ch();
    if (!c.file || file != c.file) {
        platform::Trace("== No file open to close==\n");
        return kGameFileNotOpen;
    }
    if (!c.readMode) {
        FlushBlock();
        if (std::fflush(c.file) != 0) Damage("flush failed");
        if (!c.temporary.empty() && ::fsync(fileno(c.file)) != 0) Damage("sync failed");
    }
    if (std::fclose(c.file) != 0 && !c.readMode) Damage("close failed");
    c.file = nullptr;
    if (!c.temporary.empty()) {
        if (!c.damaged && std::rename(c.temporary.c_str(), c.target.c_str()) != 0)
            Damage("rename failed");
        if (c.damaged) std::remove(c.temporary.c_str());
    }
    return c.damaged ? kGameFileFailed : kGameFileClosed;
}

bool GameFileIsOpen() { return Ch().file != nullptr; }
bool GameFileDamaged() { return Ch().damaged; }
void MarkGameFileDamaged(const char* why) { Damage(why); }

uint64_t GameFileBytesLeft() {
    const Channel& c = Ch();
    if (!c.file || !c.readMode || c.consumed >= c.fileSize) return 0;
    return c.fileSize - c.consumed;
}

void ResetGameFileChannel() {
    Channel& c = Ch();
    if (c.file) {
        std::fclose(c.file);
        if (!c.temporary.empty()) std::remove(c.temporary.c_str());
    }
    ClearKeepingBlock(c);
}

void SaveByte(FILE* file, uint8_t v) { WriteGameFile(&v, 1, 1, file); }
void SaveWord(FILE* file, uint16_t v) {
    uint8_t b[2];
    platform::StoreU16(b, v);
    WriteGameFile(b, 1, 2, file);
}
void SaveInt16(FILE* file, int16_t v) { SaveWord(file, static_cast<uint16_t>(v)); }
void SaveUInt32(FILE* file, uint32_t v) {
    uint8_t b[4];
    platform::StoreU32(b, v);
    WriteGameFile(b, 1, 4, file);
}
void SaveInt32(FILE* file, int32_t v) { SaveUInt32(file, static_cast<uint32_t>(v)); }
void SaveDouble(FILE* file, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    SaveUInt32(file, static_cast<uint32_t>(bits));
    SaveUInt32(file, static_cast<uint32_t>(bits >> 32));
}

uint8_t LoadByte(FILE* file) {
    uint8_t v;
    ReadGameFile(&v, 1, file);
    return v;
}
uint16_t LoadWord(FILE* file) {
    uint8_t b[2];
    ReadGameFile(b, 2, file);
    return platform::LoadU16(b);
}
int16_t LoadInt16(FILE* file) { return static_cast<int16_t>(LoadWord(file)); }
uint32_t LoadUInt32(FILE* file) {
    uint8_t b[4];
    ReadGameFile(b, 4, file);
    return platform::LoadU32(b);
}
int32_t LoadInt32(FILE* file) { return static_cast<int32_t>(LoadUInt32(file)); }
double LoadDouble(FILE* file) {
    uint64_t lo = LoadUInt32(file);
    uint64_t hi = LoadUInt32(file);
    uint64_t bits = lo | (hi << 32);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

int32_t LoadCount(FILE* file, size_t minItemBytes) {
    int32_t n = LoadInt32(file);
    if (GameFileDamaged()) return 0;
    if (n < 0) {
        Damage("negative count");
        return 0;
    }
    if (minItemBytes > 0 && static_cast<uint64_t>(n) * minItemBytes > GameFileBytesLeft()) {
        Damage("count larger than the file");
        return 0;
    }
    return n;
}

void SaveMarker(FILE* file, const char* marker) { CExtString(marker).Save(file); }

bool LoadMarker(FILE* file, const char* marker) {
    CExtString read;
    read.Load(file);
    if (read != marker) {
        Damage("section marker");
        return false;
    }
    return true;
}

bool ReadWholeGameFile(const std::string& path, const std::function<bool(FILE*)>& load,
                       std::string* why) {
    FILE* f = OpenGameFile(path, "rb");
    if (!f) {
        if (why) *why = "cannot open " + path;
        return false;
    }
    bool ok = load(f);
    ok = CloseGameFile(f) == kGameFileClosed && ok;
    if (!ok && why) *why = "damaged " + path;
    return ok;
}
