// The clip writer. Runs are cut at 127 bytes so every count fits the signed
// byte the player reads, and lines never run into each other.
#include "flcwriter.h"

#include <algorithm>
#include <stdexcept>

namespace flcw {
namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutChunk(std::vector<uint8_t>& out, uint16_t type, const std::vector<uint8_t>& data) {
    PutU32(out, static_cast<uint32_t>(data.size() + 6));
    PutU16(out, type);
    out.insert(out.end(), data.begin(), data.end());
}

// The length of the run of equal bytes at `x`, at most `limit`.
int RunAt(const uint8_t* line, int x, int width, int limit) {
    int n = 1;
    while (x + n < width && n < limit && line[x + n] == line[x]) ++n;
    return n;
}

}  // namespace

std::vector<uint8_t> EncodeBrun(const std::vector<uint8_t>& pixels, int width, int height) {
    std::vector<uint8_t> out;
    for (int y = 0; y < height; ++y) {
        const uint8_t* line = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        out.push_back(0);  // the packet count old players read
        int x = 0;
        while (x < width) {
            const int run = RunAt(line, x, width, 127);
            if (run >= 3) {
                out.push_back(static_cast<uint8_t>(run));
                out.push_back(line[x]);
                x += run;
                continue;
            }
            // Literals up to the next run worth packing.
            int n = 0;
            while (x + n < width && n < 127 && RunAt(line, x + n, width, 3) < 3) ++n;
            if (n == 0) n = 1;
            out.push_back(static_cast<uint8_t>(-n));
            out.insert(out.end(), line + x, line + x + n);
            x += n;
        }
    }
    return out;
}

std::vector<uint8_t> EncodeDelta(const std::vector<uint8_t>& previous, const std::vector<uint8_t>& pixels, int width,
                                 int height) {
    auto changed = [&](int y) {
        const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width);
        return !std::equal(pixels.begin() + static_cast<long>(at), pixels.begin() + static_cast<long>(at + width),
                           previous.begin() + static_cast<long>(at));
    };
    int first = 0, last = height - 1;
    while (first < height && !changed(first)) ++first;
    while (last >= first && !changed(last)) --last;
    std::vector<uint8_t> out;
    if (first > last) {  // nothing changed: an empty delta
        PutU16(out, 0);
        PutU16(out, 0);
        return out;
    }
    PutU16(out, static_cast<uint32_t>(first));
    PutU16(out, static_cast<uint32_t>(last - first + 1));
    for (int y = first; y <= last; ++y) {
        const uint8_t* now = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        const uint8_t* was = previous.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        std::vector<uint8_t> packets;
        int count = 0;
        int x = 0;
        while (x < width && count < 255) {
            int skip = 0;
            while (x + skip < width && now[x + skip] == was[x + skip]) ++skip;
            if (x + skip >= width) break;
            while (skip > 255) {  // a long skip: empty packets carry it
                packets.push_back(255);
                packets.push_back(0);
                ++count;
                skip -= 255;
                x += 255;
            }
            x += skip;
            const int run = RunAt(now, x, width, 127);
            packets.push_back(static_cast<uint8_t>(skip));
            if (run >= 3) {
                packets.push_back(static_cast<uint8_t>(-run));
                packets.push_back(now[x]);
                x += run;
            } else {
                int n = 0;
                while (x + n < width && n < 127 && now[x + n] != was[x + n] && RunAt(now, x + n, width, 3) < 3) ++n;
                if (n == 0) n = 1;
                packets.push_back(static_cast<uint8_t>(n));
                packets.insert(packets.end(), now + x, now + x + n);
                x += n;
            }
            ++count;
        }
        if (x < width && count >= 255) throw std::runtime_error("FLC line needs more than 255 packets");
        out.push_back(static_cast<uint8_t>(count));
        out.insert(out.end(), packets.begin(), packets.end());
    }
    return out;
}

std::vector<uint8_t> EncodePalette(const FlcPalette& palette, bool sixBit) {
    std::vector<uint8_t> out;
    PutU16(out, 1);    // one packet
    out.push_back(0);  // from entry 0
    out.push_back(0);  // 256 colours
    for (uint8_t c : palette) out.push_back(sixBit ? static_cast<uint8_t>(c >> 2) : c);
    return out;
}

FlcWriter::FlcWriter(int width, int height, bool sixBit) : width_(width), height_(height), sixBit_(sixBit) {
    if (width <= 0 || height <= 0 || width > 320 || height > 200)
        throw std::invalid_argument("FLC clips are at most 320 x 200");
}

void FlcWriter::AddFrame(const std::vector<uint8_t>& pixels, const std::optional<FlcPalette>& palette) {
    if (pixels.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_))
        throw std::invalid_argument("FLC frame of the wrong size");
    if (frames_ == 0 && !palette) throw std::invalid_argument("the first FLC frame needs a palette");
    std::vector<uint8_t> frame;
    uint16_t chunks = 0;
    if (palette && (!palette_ || *palette != *palette_)) {
        PutChunk(frame, sixBit_ ? 11 : 4, EncodePalette(*palette, sixBit_));
        palette_ = palette;
        ++chunks;
    }
    if (frames_ == 0)
        PutChunk(frame, 15, EncodeBrun(pixels, width_, height_));
    else
        PutChunk(frame, 12, EncodeDelta(previous_, pixels, width_, height_));
    ++chunks;
    PutU32(body_, static_cast<uint32_t>(frame.size() + 16));
    PutU16(body_, 0xF1FA);
    PutU16(body_, chunks);
    body_.insert(body_.end(), 8, 0);
    body_.insert(body_.end(), frame.begin(), frame.end());
    previous_ = pixels;
    ++frames_;
}

std::vector<uint8_t> FlcWriter::Finish() const {
    std::vector<uint8_t> out;
    PutU32(out, static_cast<uint32_t>(128 + body_.size()));
    PutU16(out, 0xAF12);
    PutU16(out, static_cast<uint32_t>(frames_));
    PutU16(out, static_cast<uint32_t>(width_));
    PutU16(out, static_cast<uint32_t>(height_));
    PutU16(out, 8);   // depth
    PutU16(out, 0);   // flags
    PutU32(out, 55);  // speed in ms: the match tick
    out.resize(128, 0);
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
}

}  // namespace flcw
