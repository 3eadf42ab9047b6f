// Any bytes as an animation clip: refused, or played frame by frame to its
// end, never reading or writing outside the frame and the chunk.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/flcdecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> file(data, size);
    flc::Header h;
    if (!flc::ReadHeader(file, h)) return 0;
    std::vector<uint8_t> frame(static_cast<size_t>(h.width) * static_cast<size_t>(h.height));
    std::array<uint8_t, 1024> palette{};
    int transparent = -1;
    size_t offset = flc::kFileHeaderSize;
    for (int i = 0; i < h.frames; ++i) {
        flc::FrameTarget t{frame.data(), h.width, h.height, palette.data(), &transparent, false};
        const flc::FrameResult r = flc::DecodeFrame(file, offset, t, i == 0);
        if (r == flc::FrameResult::Damaged || r == flc::FrameResult::NoFrame) break;
    }
    return 0;
}
