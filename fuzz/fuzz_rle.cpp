// Any bytes as a packed stream, with an expected size taken from the input.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int expected = data[0] | (data[1] << 8);
    std::span<const uint8_t> s(data + 2, size - 2);
    std::vector<uint8_t> dst(static_cast<size_t>(expected));
    RleUnpack(dst.data(), s, expected);
    std::vector<uint8_t> out;
    RleUnpackChecked(s, static_cast<size_t>(expected), out);
    // What the packer writes must come back whole.
    auto packed = RlePack(s);
    if (RleUnpackChecked(packed, s.size(), out) != RleResult::Exact ||
        !std::equal(out.begin(), out.end(), s.begin()))
        __builtin_trap();
    return 0;
}
