#pragma once
// Writes the intro clip in the small AVI subset the game reads: RLE8
// pictures over one palette (a key frame every 30, the others coding only
// what changed) and 16-bit stereo PCM, one chunk of each per frame, with
// the index.
#include <array>
#include <cstdint>
#include <vector>

namespace aviwriter {

struct Clip {
    int width = 788;
    int height = 550;
    std::array<uint32_t, 256> palette{};      // 0x00RRGGBB
    std::vector<std::vector<uint8_t>> frames;  // width × height indexes, top row first
    std::vector<int16_t> sound;                // interleaved stereo, 1,470 frames per picture
};

// The RLE8 coding of `now`; with `before`, only what differs from it.
std::vector<uint8_t> EncodeRle8(const std::vector<uint8_t>& now, const std::vector<uint8_t>* before, int width,
                                int height);

std::vector<uint8_t> WriteAvi(const Clip& clip);

}  // namespace aviwriter
