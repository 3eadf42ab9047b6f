#include "soccerclasses/clubfile.h"

#include <cstring>

#include "soccerclasses/globals.h"

namespace clubfile {
namespace {

constexpr int32_t kMaxText = 99999;
constexpr int32_t kMaxArrayBytes = 102400;

template <typename T>
void PutLE(FILE* f, T v) {
    uint8_t b[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
    WriteGameFile(b, 1, sizeof(T), f);
}

template <typename T>
T GetLE(FILE* f) {
    uint8_t b[sizeof(T)];
    ReadGameFile(b, sizeof(T), f);
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i) v |= static_cast<uint64_t>(b[i]) << (8 * i);
    return static_cast<T>(v);
}

int32_t GetCount(FILE* f, size_t elementSize) {
    const int32_t n = GetI32(f);
    if (n < 0 || static_cast<int64_t>(n) * static_cast<int64_t>(elementSize) >= kMaxArrayBytes) {
        MarkGameFileDamaged();
        return 0;
    }
    return n;
}

}  // namespace

void PutU8(FILE* f, uint8_t v) { WriteGameFile(&v, 1, 1, f); }
void PutI8(FILE* f, int8_t v) { PutU8(f, static_cast<uint8_t>(v)); }
void PutU16(FILE* f, uint16_t v) { PutLE<uint16_t>(f, v); }
void PutI16(FILE* f, int16_t v) { PutLE<uint16_t>(f, static_cast<uint16_t>(v)); }
void PutU32(FILE* f, uint32_t v) { PutLE<uint32_t>(f, v); }
void PutI32(FILE* f, int32_t v) { PutLE<uint32_t>(f, static_cast<uint32_t>(v)); }
void PutF64(FILE* f, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    PutLE<uint64_t>(f, bits);
}
void PutText(FILE* f, const std::string& s) {
    PutI32(f, static_cast<int32_t>(s.size()));
    if (!s.empty()) WriteGameFile(s.data(), 1, s.size(), f);
}
void PutBytes(FILE* f, const std::vector<uint8_t>& a) {
    PutI32(f, static_cast<int32_t>(a.size()));
    for (uint8_t v : a) PutU8(f, v);
}
void PutWords(FILE* f, const std::vector<uint16_t>& a) {
    PutI32(f, static_cast<int32_t>(a.size()));
    for (uint16_t v : a) PutU16(f, v);
}
void PutDWords(FILE* f, const std::vector<uint32_t>& a) {
    PutI32(f, static_cast<int32_t>(a.size()));
    for (uint32_t v : a) PutU32(f, v);
}

uint8_t GetU8(FILE* f) {
    uint8_t v = 0;
    ReadGameFile(&v, 1, f);
    return v;
}
int8_t GetI8(FILE* f) { return static_cast<int8_t>(GetU8(f)); }
uint16_t GetU16(FILE* f) { return GetLE<uint16_t>(f); }
int16_t GetI16(FILE* f) { return static_cast<int16_t>(GetLE<uint16_t>(f)); }
uint32_t GetU32(FILE* f) { return GetLE<uint32_t>(f); }
int32_t GetI32(FILE* f) { return static_cast<int32_t>(GetLE<uint32_t>(f)); }
double GetF64(FILE* f) {
    const uint64_t bits = GetLE<uint64_t>(f);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
std::string GetText(FILE* f) {
    const int32_t n = GetI32(f);
    if (n < 0 || n > kMaxText) {
        MarkGameFileDamaged();
        return {};
    }
    std::string s(static_cast<size_t>(n), '\0');
    if (n > 0) ReadGameFile(s.data(), n, f);
    if (IsGameFileDamaged()) return {};
    return s;
}
std::vector<uint8_t> GetBytes(FILE* f) {
    std::vector<uint8_t> a(static_cast<size_t>(GetCount(f, 1)));
    for (auto& v : a) v = GetU8(f);
    return a;
}
std::vector<uint16_t> GetWords(FILE* f) {
    std::vector<uint16_t> a(static_cast<size_t>(GetCount(f, 2)));
    for (auto& v : a) v = GetU16(f);
    return a;
}
std::vector<uint32_t> GetDWords(FILE* f) {
    std::vector<uint32_t> a(static_cast<size_t>(GetCount(f, 4)));
    for (auto& v : a) v = GetU32(f);
    return a;
}

}  // namespace clubfile
