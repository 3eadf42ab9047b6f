#pragma once
// Writes animation clips in the FLC layout the game's player reads, and
// nothing it does not read: one palette packet (in the first frame and
// whenever the colours change), a byte-run first frame and line-compressed
// deltas after it. The clip tools and the tests build their clips with it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace flcw {

// 256 colours of red, green, blue.
using FlcPalette = std::array<uint8_t, 768>;

class FlcWriter {
public:
    // At most 320 x 200, the scratch surface; `sixBit` writes COLOR_64
    // chunks (components 0..63) instead of COLOR_256.
    FlcWriter(int width, int height, bool sixBit = false);

    // A frame of width x height palette indexes, top row first. The first
    // frame needs a palette; later ones carry one only when it changed.
    void AddFrame(const std::vector<uint8_t>& pixels, const std::optional<FlcPalette>& palette = std::nullopt);
    int FrameCount() const { return frames_; }

    // The whole file: the 128-byte header (speed 55 ms, depth 8) and the frames.
    std::vector<uint8_t> Finish() const;

private:
    int width_, height_;
    bool sixBit_;
    int frames_ = 0;
    std::vector<uint8_t> body_;
    std::vector<uint8_t> previous_;
    std::optional<FlcPalette> palette_;
};

// The chunk data of each kind (without the 6-byte chunk header).
std::vector<uint8_t> EncodeBrun(const std::vector<uint8_t>& pixels, int width, int height);
std::vector<uint8_t> EncodeDelta(const std::vector<uint8_t>& previous, const std::vector<uint8_t>& pixels, int width,
                                 int height);
std::vector<uint8_t> EncodePalette(const FlcPalette& palette, bool sixBit);

}  // namespace flcw
