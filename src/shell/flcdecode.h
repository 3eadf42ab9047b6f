#pragma once
// Reading animation clips (FLC files): the header, the frames and the four
// chunk kinds our clips use. Nothing here trusts the file: every count is
// checked against the frame and the chunk it comes from, and a chunk that
// would pass either is reported as damaged instead of being applied.
#include <cstddef>
#include <cstdint>
#include <span>

namespace flc {

// The scratch surface the player composes on.
inline constexpr int kMaxWidth = 320;
inline constexpr int kMaxHeight = 200;
inline constexpr size_t kFileHeaderSize = 128;
inline constexpr size_t kFrameHeaderSize = 16;
inline constexpr size_t kChunkHeaderSize = 6;
inline constexpr uint16_t kFileMagic = 0xAF12;
inline constexpr uint16_t kFrameMagic = 0xF1FA;

enum ChunkType : uint16_t {
    kColor256 = 4,
    kSS2 = 7,
    kColor64 = 11,
    kLC = 12,
    kBlack = 13,
    kBrun = 15,
    kCopy = 16,
    kPstamp = 18,
};

// See-through pixels carry this colour in the clip's palette.
inline constexpr uint8_t kTransparentRed = 252, kTransparentGreen = 0, kTransparentBlue = 140;

struct Header {
    int frames = 0;
    int width = 0;
    int height = 0;
};

// False for a file too short for its header, without frames, or with a
// picture empty or larger than the scratch surface.
bool ReadHeader(std::span<const uint8_t> file, Header& header);

// A palette chunk's first packet into `palette` (256 entries of blue,
// green, red, reserved); six-bit components are widened. Then the lowest
// entry of the see-through colour becomes `transparentIndex` (kept when no
// entry has it). False, nothing changed, when the packet passes its chunk
// or the palette's end.
bool ReadPalette(std::span<const uint8_t> data, bool sixBit, uint8_t* palette, int& transparentIndex);

// A byte-run key frame. False when a run passes its line or the data ends
// before the frame is full; lines already written stay.
bool DecodeBrun(std::span<const uint8_t> data, uint8_t* frame, int width, int height);

// A line-compressed delta over the frame. False when a line or a packet
// passes the frame, or a packet passes the data.
bool DecodeDelta(std::span<const uint8_t> data, uint8_t* frame, int width, int height);

enum class FrameResult {
    Shown,      // every chunk read (those not decoded skipped or reported)
    NoFrame,    // no whole frame header left: the clip is over
    Stopped,    // the first frame met a chunk it does not decode
    Damaged,    // a chunk passes its frame, its data or the file
};

// Everything one frame changes.
struct FrameTarget {
    uint8_t* frame = nullptr;  // width x height bytes
    int width = 0;
    int height = 0;
    uint8_t* palette = nullptr;  // 1024 bytes
    int* transparentIndex = nullptr;
    bool paletteChanged = false;
};

// Reads the frame at `offset` and decodes its chunks, moving `offset` past
// the chunks read. On the first frame a chunk that is not decoded stops the
// frame there (its remaining chunks are passed over unread).
FrameResult DecodeFrame(std::span<const uint8_t> file, size_t& offset, FrameTarget& target, bool firstFrame);

}  // namespace flc
