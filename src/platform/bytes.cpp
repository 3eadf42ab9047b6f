#include "platform/bytes.h"

#include <cstring>

namespace platform {

uint16_t LoadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void StoreU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void StoreU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void ByteWriter::U16(uint16_t v) {
    uint8_t b[2];
    StoreU16(b, v);
    Raw(b, 2);
}

void ByteWriter::U32(uint32_t v) {
    uint8_t b[4];
    StoreU32(b, v);
    Raw(b, 4);
}

void ByteWriter::F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    U32(static_cast<uint32_t>(bits));
    U32(static_cast<uint32_t>(bits >> 32));
}

void ByteWriter::Raw(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

bool ByteReader::Take(size_t n, const uint8_t*& at) {
    if (failed_ || n > size_ - pos_) {
        failed_ = true;
        return false;
    }
    at = data_ + pos_;
    pos_ += n;
    return true;
}

bool ByteReader::U8(uint8_t& v) {
    const uint8_t* p;
    v = 0;
    if (!Take(1, p)) return false;
    v = *p;
    return true;
}

bool ByteReader::U16(uint16_t& v) {
    const uint8_t* p;
    v = 0;
    if (!Take(2, p)) return false;
    v = LoadU16(p);
    return true;
}

bool ByteReader::I16(int16_t& v) {
    uint16_t u;
    bool ok = U16(u);
    v = static_cast<int16_t>(u);
    return ok;
}

bool ByteReader::U32(uint32_t& v) {
    const uint8_t* p;
    v = 0;
    if (!Take(4, p)) return false;
    v = LoadU32(p);
    return true;
}

bool ByteReader::I32(int32_t& v) {
    uint32_t u;
    bool ok = U32(u);
    v = static_cast<int32_t>(u);
    return ok;
}

bool ByteReader::F64(double& v) {
    const uint8_t* p;
    v = 0;
    if (!Take(8, p)) return false;
    uint64_t bits = LoadU32(p) | (static_cast<uint64_t>(LoadU32(p + 4)) << 32);
    std::memcpy(&v, &bits, 8);
    return true;
}

bool ByteReader::Raw(void* out, size_t size) {
    const uint8_t* p;
    // An empty read may come with a null buffer (an empty vector's data()).
    if (!Take(size, p)) {
        if (size) std::memset(out, 0, size);
        return false;
    }
    if (size) std::memcpy(out, p, size);
    return true;
}

bool ByteReader::RawString(std::string& out, size_t size) {
    const uint8_t* p;
    out.clear();
    if (!Take(size, p)) return false;
    out.assign(reinterpret_cast<const char*>(p), size);
    return true;
}

bool ByteReader::Skip(size_t size) {
    const uint8_t* p;
    return Take(size, p);
}

}  // namespace platform
