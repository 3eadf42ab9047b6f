#pragma once
// Little-endian byte primitives. No record knowledge: the game's record
// format is built on these in the model.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ByteWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v);
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void F64(double v);
    void Raw(const void* data, size_t size);
    void Raw(std::string_view s) { Raw(s.data(), s.size()); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }
    size_t Size() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
};

// Reads from a byte range it does not own. A read past the end fails, leaves
// the output zeroed and sets Failed(); later reads fail too, so a caller may
// check once after a whole record.
class ByteReader {
public:
    ByteReader(const void* data, size_t size)
        : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    explicit ByteReader(const std::vector<uint8_t>& v) : ByteReader(v.data(), v.size()) {}

    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool I16(int16_t& v);
    bool U32(uint32_t& v);
    bool I32(int32_t& v);
    bool F64(double& v);
    bool Raw(void* out, size_t size);
    bool RawString(std::string& out, size_t size);
    bool Skip(size_t size);

    size_t Position() const { return pos_; }
    size_t Remaining() const { return failed_ ? 0 : size_ - pos_; }
    bool Failed() const { return failed_; }
    bool AtEnd() const { return !failed_ && pos_ == size_; }

private:
    bool Take(size_t n, const uint8_t*& at);

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// Direct conversions for buffers.
uint16_t LoadU16(const uint8_t* p);
uint32_t LoadU32(const uint8_t* p);
void StoreU16(uint8_t* p, uint16_t v);
void StoreU32(uint8_t* p, uint32_t v);

}  // namespace platform
