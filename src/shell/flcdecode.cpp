// The clip decoders. A damaged clip must end, never scribble: every read is
// taken from a span that knows its end and every write is checked against
// the frame's width and height before it is made.
#include "shell/flcdecode.h"

#include <cstring>

#include "platform/trace.h"

namespace flc {
namespace {

uint16_t U16(std::span<const uint8_t> d, size_t at) {
    return static_cast<uint16_t>(d[at] | (d[at + 1] << 8));
}

uint32_t U32(std::span<const uint8_t> d, size_t at) {
    return static_cast<uint32_t>(d[at]) | (static_cast<uint32_t>(d[at + 1]) << 8) |
           (static_cast<uint32_t>(d[at + 2]) << 16) | (static_cast<uint32_t>(d[at + 3]) << 24);
}

// A reader that answers false instead of passing its end.
class FlcCursor {
public:
    explicit FlcCursor(std::span<const uint8_t> d) : d_(d) {}
    bool Byte(uint8_t& out) {
        if (at_ >= d_.size()) return false;
        out = d_[at_++];
        return true;
    }
    bool Signed(int& out) {
        uint8_t b;
        if (!Byte(b)) return false;
        out = static_cast<int8_t>(b);
        return true;
    }
    bool Word(uint16_t& out) {
        if (d_.size() - at_ < 2 || at_ > d_.size()) return false;
        out = U16(d_, at_);
        at_ += 2;
        return true;
    }
    bool Copy(uint8_t* to, size_t n) {
        if (d_.size() - at_ < n) return false;
        std::memcpy(to, d_.data() + at_, n);
        at_ += n;
        return true;
    }

private:
    std::span<const uint8_t> d_;
    size_t at_ = 0;
};

const char* NotDecodedName(uint16_t type) {
    switch (type) {
        case kSS2: return "FLI_SS2";
        case kBlack: return "FLI_BLACK";
        case kCopy: return "FLI_COPY";
        case kPstamp: return "FLI_PSTAMP";
        default: return nullptr;
    }
}

}  // namespace

bool ReadHeader(std::span<const uint8_t> file, Header& header) {
    if (file.size() < kFileHeaderSize) return false;
    Header h;
    h.frames = U16(file, 6);
    h.width = U16(file, 8);
    h.height = U16(file, 10);
    if (h.frames <= 0 || h.width <= 0 || h.height <= 0 || h.width > kMaxWidth || h.height > kMaxHeight) return false;
    header = h;
    return true;
}

bool ReadPalette(std::span<const uint8_t> data, bool sixBit, uint8_t* palette, int& transparentIndex) {
    if (data.size() < 4) return false;
    const int first = data[2];
    const int count = data[3] == 0 ? 256 : data[3];
    if (first + count > 256 || data.size() < 4 + 3 * static_cast<size_t>(count)) return false;
    const int shift = sixBit ? 2 : 0;
    for (int i = 0; i < count; ++i) {
        const uint8_t* rgb = data.data() + 4 + 3 * i;
        uint8_t* entry = palette + 4 * (first + i);
        entry[0] = static_cast<uint8_t>(rgb[2] << shift);
        entry[1] = static_cast<uint8_t>(rgb[1] << shift);
        entry[2] = static_cast<uint8_t>(rgb[0] << shift);
    }
    for (int i = 0; i < 256; ++i) {
        const uint8_t* e = palette + 4 * i;
        if (e[2] == kTransparentRed && e[1] == kTransparentGreen && e[0] == kTransparentBlue) {
            transparentIndex = i;
            break;
        }
    }
    return true;
}

bool DecodeBrun(std::span<const uint8_t> data, uint8_t* frame, int width, int height) {
    FlcCursor in(data);
    for (int y = 0; y < height; ++y) {
        uint8_t skip;
        if (!in.Byte(skip)) return false;  // the old packet count
        uint8_t* line = frame + static_cast<size_t>(y) * static_cast<size_t>(width);
        int x = 0;
        while (x < width) {
            int count;
            if (!in.Signed(count)) return false;
            if (count > 0) {
                uint8_t value;
                if (!in.Byte(value) || count > width - x) return false;
                std::memset(line + x, value, static_cast<size_t>(count));
                x += count;
            } else if (count < 0) {
                if (-count > width - x || !in.Copy(line + x, static_cast<size_t>(-count))) return false;
                x += -count;
            }
        }
    }
    return true;
}

bool DecodeDelta(std::span<const uint8_t> data, uint8_t* frame, int width, int height) {
    FlcCursor in(data);
    uint16_t first, lines;
    if (!in.Word(first) || !in.Word(lines)) return false;
    if (static_cast<int>(first) + static_cast<int>(lines) > height) return false;
    for (int y = first; y < first + lines; ++y) {
        uint8_t* line = frame + static_cast<size_t>(y) * static_cast<size_t>(width);
        uint8_t packets;
        if (!in.Byte(packets)) return false;
        int x = 0;
        for (int p = 0; p < packets; ++p) {
            uint8_t skip;
            int count;
            if (!in.Byte(skip) || !in.Signed(count)) return false;
            x += skip;
            if (x > width) return false;
            if (count > 0) {
                if (count > width - x || !in.Copy(line + x, static_cast<size_t>(count))) return false;
                x += count;
            } else if (count < 0) {
                uint8_t value;
                if (!in.Byte(value) || -count > width - x) return false;
                std::memset(line + x, value, static_cast<size_t>(-count));
                x += -count;
            }
        }
    }
    return true;
}

FrameResult DecodeFrame(std::span<const uint8_t> file, size_t& offset, FrameTarget& t, bool firstFrame) {
    if (offset > file.size() || file.size() - offset < kFrameHeaderSize) return FrameResult::NoFrame;
    const int chunks = U16(file, offset + 6);
    size_t at = offset + kFrameHeaderSize;
    bool stopped = false;
    for (int c = 0; c < chunks; ++c) {
        if (file.size() - at < kChunkHeaderSize) return FrameResult::Damaged;
        const uint32_t size = U32(file, at);
        const uint16_t type = U16(file, at + 4);
        if (size < kChunkHeaderSize || size > file.size() - at) return FrameResult::Damaged;
        std::span<const uint8_t> data = file.subspan(at + kChunkHeaderSize, size - kChunkHeaderSize);
        at += size;
        if (stopped) continue;
        bool ok = true;
        switch (type) {
            case kColor256:
            case kColor64:
                ok = ReadPalette(data, type == kColor64, t.palette, *t.transparentIndex);
                t.paletteChanged = true;
                break;
            case kBrun: ok = DecodeBrun(data, t.frame, t.width, t.height); break;
            case kLC: ok = DecodeDelta(data, t.frame, t.width, t.height); break;
            default:
                if (const char* name = NotDecodedName(type))
                    platform::TraceF("FLC file contains %s chunk\n", name);
                else
                    platform::TraceF("FLC file contains unknown chunk : %d\n", type);
                stopped = firstFrame;
                break;
        }
        if (!ok) {
            offset = at;
            return FrameResult::Damaged;
        }
    }
    offset = at;
    return stopped ? FrameResult::Stopped : FrameResult::Shown;
}

}  // namespace flc
