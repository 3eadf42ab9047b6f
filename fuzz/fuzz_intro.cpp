// Any bytes as the intro clip: refused, or decoded frame by frame until the
// end or a damaged frame, never reading outside the file or the picture.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/introclip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto clip = CIntroClip::Read(std::vector<uint8_t>(data, data + size));
    if (!clip) return 0;
    platform::win::Picture picture;
    for (int i = 0; i < clip->FrameCount() && i < 64; ++i)
        if (!clip->DecodeFrame(i, picture)) break;
    return 0;
}
