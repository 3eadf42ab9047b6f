#include "soccerclasses/clubfile.h"

#include "soccerclasses/extstring.h"
#include "soccerclasses/gamefile.h"

namespace clubfile {

void PutU8(FILE* f, uint8_t v) { SaveByte(f, v); }
void PutI8(FILE* f, int8_t v) { SaveByte(f, static_cast<uint8_t>(v)); }
void PutU16(FILE* f, uint16_t v) { SaveWord(f, v); }
void PutI16(FILE* f, int16_t v) { SaveInt16(f, v); }
void PutU32(FILE* f, uint32_t v) { SaveUInt32(f, v); }
void PutI32(FILE* f, int32_t v) { SaveInt32(f, v); }
void PutF64(FILE* f, double v) { SaveDouble(f, v); }
void PutText(FILE* f, const std::string& s) { CExtString(s).Save(f); }
void PutBytes(FILE* f, const std::vector<uint8_t>& a) {
    SaveInt32(f, static_cast<int32_t>(a.size()));
    for (uint8_t v : a) SaveByte(f, v);
}
void PutWords(FILE* f, const std::vector<uint16_t>& a) {
    SaveInt32(f, static_cast<int32_t>(a.size()));
    for (uint16_t v : a) SaveWord(f, v);
}
void PutDWords(FILE* f, const std::vector<uint32_t>& a) {
    SaveInt32(f, static_cast<int32_t>(a.size()));
    for (uint32_t v : a) SaveUInt32(f, v);
}

uint8_t GetU8(FILE* f) { return LoadByte(f); }
int8_t GetI8(FILE* f) { return static_cast<int8_t>(LoadByte(f)); }
uint16_t GetU16(FILE* f) { return LoadWord(f); }
int16_t GetI16(FILE* f) { return LoadInt16(f); }
uint32_t GetU32(FILE* f) { return LoadUInt32(f); }
int32_t GetI32(FILE* f) { return LoadInt32(f); }
double GetF64(FILE* f) { return LoadDouble(f); }
std::string GetText(FILE* f) {
    CExtString s;
    s.Load(f);
    return static_cast<std::string&&>(s);
}
std::vector<uint8_t> GetBytes(FILE* f) {
    std::vector<uint8_t> a(static_cast<size_t>(LoadCount(f, 1)));
    for (auto& v : a) v = LoadByte(f);
    return a;
}
std::vector<uint16_t> GetWords(FILE* f) {
    std::vector<uint16_t> a(static_cast<size_t>(LoadCount(f, 2)));
    for (auto& v : a) v = LoadWord(f);
    return a;
}
std::vector<uint32_t> GetDWords(FILE* f) {
    std::vector<uint32_t> a(static_cast<size_t>(LoadCount(f, 4)));
    for (auto& v : a) v = LoadUInt32(f);
    return a;
}

}  // namespace clubfile
