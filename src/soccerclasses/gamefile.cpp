// Least form of the save-file channel until the world's lands: plain stdio,
// with the damaged mark its readers rely on.
#include "soccerclasses/gamefile.h"

#include <cstring>
#include <type_traits>


namespace {
FILE* g_file = nullptr;
bool g_damaged = false;
bool g_reading = false;
}  // namespace

FILE* OpenGameFile(const std::string& path, const char* mode) {
    if (g_file) return nullptr;
    g_file = std::fopen(path.c_str(), mode);
    g_damaged = false;
    g_reading = mode && mode[0] == 'r';
    return g_file;
}

void ReadGameFile(void* dest, size_t count, FILE* file) {
    if (!file || !count) return;
    size_t got = std::fread(dest, 1, count, file);
    if (got < count) {
        std::memset(static_cast<char*>(dest) + got, 0, count - got);
        g_damaged = true;
    }
}

void SkipGameFile(void*, size_t count, FILE* file) {
    if (!file) return;
    if (count > GameFileBytesLeft()) g_damaged = true;
    std::fseek(file, static_cast<long>(count), SEEK_CUR);
}

void WriteGameFile(const void* source, size_t size, size_t count, FILE* file) {
    if (!file || !size || !count) return;
    if (std::fwrite(source, size, count, file) != count) g_damaged = true;
}

int CloseGameFile(FILE* file) {
    if (!file || file != g_file) return kGameFileNotOpen;
    bool bad = std::fclose(file) != 0 || g_damaged;
    g_file = nullptr;
    return bad ? kGameFileFailed : kGameFileClosed;
}

bool GameFileIsOpen() { return g_file != nullptr; }
bool GameFileDamaged() { return g_damaged; }
void MarkGameFileDamaged(const char*) { g_damaged = true; }

uint64_t GameFileBytesLeft() {
    if (!g_file || !g_reading) return 0;
    long here = std::ftell(g_file);
    std::fseek(g_file, 0, SEEK_END);
    long end = std::ftell(g_file);
    std::fseek(g_file, here, SEEK_SET);
    return end > here ? static_cast<uint64_t>(end - here) : 0;
}

void ResetGameFileChannel() {
    if (g_file) std::fclose(g_file);
    g_file = nullptr;
    g_damaged = false;
}

namespace {
template <typename T>
void PutLE(FILE* f, T v) {
    uint8_t b[sizeof(T)];
    auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<uint8_t>(u >> (8 * i));
    WriteGameFile(b, 1, sizeof(T), f);
}
template <typename T>
T GetLE(FILE* f) {
    uint8_t b[sizeof(T)] = {};
    ReadGameFile(b, sizeof(T), f);
    std::make_unsigned_t<T> u = 0;
    for (size_t i = 0; i < sizeof(T); ++i) u |= static_cast<std::make_unsigned_t<T>>(b[i]) << (8 * i);
    return static_cast<T>(u);
}
}  // namespace

void SaveByte(FILE* f, uint8_t v) { PutLE(f, v); }
void SaveWord(FILE* f, uint16_t v) { PutLE(f, v); }
void SaveInt16(FILE* f, int16_t v) { PutLE(f, v); }
void SaveInt32(FILE* f, int32_t v) { PutLE(f, v); }
void SaveUInt32(FILE* f, uint32_t v) { PutLE(f, v); }
void SaveDouble(FILE* f, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    PutLE(f, u);
}
uint8_t LoadByte(FILE* f) { return GetLE<uint8_t>(f); }
uint16_t LoadWord(FILE* f) { return GetLE<uint16_t>(f); }
int16_t LoadInt16(FILE* f) { return GetLE<int16_t>(f); }
int32_t LoadInt32(FILE* f) { return GetLE<int32_t>(f); }
uint32_t LoadUInt32(FILE* f) { return GetLE<uint32_t>(f); }
double LoadDouble(FILE* f) {
    uint64_t u = GetLE<uint64_t>(f);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

int32_t LoadCount(FILE* f, size_t minItemBytes) {
    int32_t n = LoadInt32(f);
    if (n < 0 || (minItemBytes && static_cast<uint64_t>(n) * minItemBytes > GameFileBytesLeft())) {
        g_damaged = true;
        return 0;
    }
    return n;
}

void SaveMarker(FILE* f, const char* marker) {
    int32_t n = static_cast<int32_t>(std::strlen(marker));
    SaveInt32(f, n);
    WriteGameFile(marker, 1, n, f);
}

bool LoadMarker(FILE* f, const char* marker) {
    int32_t n = LoadInt32(f);
    if (n < 0 || n > 64) {
        g_damaged = true;
        return false;
    }
    std::string s(static_cast<size_t>(n), '\0');
    ReadGameFile(s.data(), s.size(), f);
    if (s != marker) g_damaged = true;
    return s == marker;
}
