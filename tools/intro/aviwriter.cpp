#include "aviwriter.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace aviwriter {
namespace {

constexpr int kKeySpacing = 30;
constexpr uint32_t kAudioFramesPerPicture = 1470;

struct Out {
    std::vector<uint8_t> b;
    void U8(uint8_t v) { b.push_back(v); }
    void U16(uint16_t v) {
        U8(uint8_t(v));
        U8(uint8_t(v >> 8));
    }
    void U32(uint32_t v) {
        U16(uint16_t(v));
        U16(uint16_t(v >> 16));
    }
    void Id(std::string_view id) { b.insert(b.end(), id.begin(), id.end()); }
    // Starts a chunk; returns where its size goes.
    size_t Begin(std::string_view id) {
        Id(id);
        U32(0);
        return b.size() - 4;
    }
    void End(size_t sizeAt) {
        const uint32_t size = uint32_t(b.size() - sizeAt - 4);
        std::memcpy(b.data() + sizeAt, &size, 4);  // little-endian hosts only, as the game
        if (size & 1) U8(0);
    }
};

// One row: runs of equal bytes, absolute runs of mixed ones.
void EncodeRow(Out& o, const uint8_t* row, int from, int to) {
    int x = from;
    while (x < to) {
        int run = 1;
        while (x + run < to && run < 255 && row[x + run] == row[x]) ++run;
        if (run >= 3 || to - x < 3) {
            o.U8(uint8_t(run));
            o.U8(row[x]);
            x += run;
            continue;
        }
        // Mixed bytes until a run of three starts.
        int n = 0;
        while (x + n < to && n < 254) {
            if (x + n + 2 < to && row[x + n] == row[x + n + 1] && row[x + n] == row[x + n + 2]) break;
            ++n;
        }
        if (n < 3) {  // too short for an absolute run: single pixels
            for (int i = 0; i < n; ++i) {
                o.U8(1);
                o.U8(row[x + i]);
            }
            x += n;
            continue;
        }
        o.U8(0);
        o.U8(uint8_t(n));
        for (int i = 0; i < n; ++i) o.U8(row[x + i]);
        if (n & 1) o.U8(0);
        x += n;
    }
}

}  // namespace

std::vector<uint8_t> EncodeRle8(const std::vector<uint8_t>& now, const std::vector<uint8_t>* before, int width,
                                int height) {
    Out o;
    int cx = 0, cy = 0;  // the decoder's position, in rows from the bottom
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = now.data() + size_t(height - 1 - y) * size_t(width);
        const uint8_t* old = before ? before->data() + size_t(height - 1 - y) * size_t(width) : nullptr;
        int x = 0;
        while (x < width) {
            if (old) {
                int same = x;
                while (same < width && row[same] == old[same]) ++same;
                if (same == width) break;
                x = same;
            }
            int end = x + 1;
            if (old) {
                // Changed pixels up to a stretch of 8 unchanged ones.
                int quiet = 0;
                while (end < width && quiet < 8) {
                    quiet = row[end] == old[end] ? quiet + 1 : 0;
                    ++end;
                }
                end -= quiet;
            } else {
                end = width;
            }
            // Move the decoder to (x, y): a line end when below, then deltas.
            if (cy < y && cx > x) {
                o.U8(0);
                o.U8(0);
                cx = 0;
                ++cy;
            }
            while (cy < y || cx < x) {
                const int dx = std::min(x - cx, 255), dy = std::min(y - cy, 255);
                o.U8(0);
                o.U8(2);
                o.U8(uint8_t(std::max(dx, 0)));
                o.U8(uint8_t(dy));
                cx += std::max(dx, 0);
                cy += dy;
            }
            EncodeRow(o, row, x, end);
            cx = end;
            x = end;
        }
        if (!old) {
            o.U8(0);
            o.U8(0);
            cx = 0;
            ++cy;
        }
    }
    o.U8(0);
    o.U8(1);
    return o.b;
}

std::vector<uint8_t> WriteAvi(const Clip& clip) {
    const uint32_t frames = uint32_t(clip.frames.size());
    std::vector<std::vector<uint8_t>> coded(frames);
    for (uint32_t i = 0; i < frames; ++i)
        coded[i] = EncodeRle8(clip.frames[i], i % kKeySpacing == 0 ? nullptr : &clip.frames[i - 1], clip.width,
                              clip.height);

    Out o;
    const size_t riff = o.Begin("RIFF");
    o.Id("AVI ");
    const size_t hdrl = o.Begin("LIST");
    o.Id("hdrl");
    const size_t avih = o.Begin("avih");
    o.U32(66667);
    o.U32(uint32_t(clip.width * clip.height * 15));
    o.U32(0);
    o.U32(0x10);  // has an index
    o.U32(frames);
    o.U32(0);
    o.U32(2);
    o.U32(uint32_t(clip.width * clip.height));
    o.U32(uint32_t(clip.width));
    o.U32(uint32_t(clip.height));
    for (int i = 0; i < 4; ++i) o.U32(0);
    o.End(avih);

    auto streamHeader = [&](std::string_view type, std::string_view handler, uint32_t scale, uint32_t rate,
                            uint32_t length, uint32_t sampleSize) {
        const size_t strh = o.Begin("strh");
        o.Id(type);
        if (handler.empty()) o.U32(0);
        else o.Id(handler);
        o.U32(0);
        o.U16(0);
        o.U16(0);
        o.U32(0);
        o.U32(scale);
        o.U32(rate);
        o.U32(0);
        o.U32(length);
        o.U32(0);
        o.U32(0xFFFFFFFFu);
        o.U32(sampleSize);
        o.U16(0);
        o.U16(0);
        o.U16(uint16_t(clip.width));
        o.U16(uint16_t(clip.height));
        o.End(strh);
    };
    size_t strl = o.Begin("LIST");
    o.Id("strl");
    streamHeader("vids", "mrle", 1, 15, frames, 0);
    size_t strf = o.Begin("strf");
    o.U32(40);
    o.U32(uint32_t(clip.width));
    o.U32(uint32_t(clip.height));
    o.U16(1);
    o.U16(8);
    o.U32(1);  // RLE8
    o.U32(0);
    o.U32(2835);
    o.U32(2835);
    o.U32(256);
    o.U32(0);
    for (uint32_t c : clip.palette) {
        o.U8(uint8_t(c));
        o.U8(uint8_t(c >> 8));
        o.U8(uint8_t(c >> 16));
        o.U8(0);
    }
    o.End(strf);
    o.End(strl);
    strl = o.Begin("LIST");
    o.Id("strl");
    const uint32_t soundFrames = uint32_t(clip.sound.size() / 2);
    streamHeader("auds", "", 4, 22050 * 4, soundFrames, 4);
    strf = o.Begin("strf");
    o.U16(1);
    o.U16(2);
    o.U32(22050);
    o.U32(22050 * 4);
    o.U16(4);
    o.U16(16);
    o.End(strf);
    o.End(strl);
    o.End(hdrl);

    struct Entry {
        std::string_view id;
        uint32_t flags, offset, size;
    };
    std::vector<Entry> index;
    const size_t movi = o.Begin("LIST");
    const size_t moviId = o.b.size();
    o.Id("movi");
    for (uint32_t i = 0; i < frames; ++i) {
        size_t c = o.Begin("00dc");
        index.push_back({"00dc", i % kKeySpacing == 0 ? 0x10u : 0u, uint32_t(c - 4 - moviId), uint32_t(coded[i].size())});
        o.b.insert(o.b.end(), coded[i].begin(), coded[i].end());
        o.End(c);
        c = o.Begin("01wb");
        const size_t first = size_t(i) * kAudioFramesPerPicture * 2;
        const size_t count = first < clip.sound.size()
                                 ? std::min<size_t>(kAudioFramesPerPicture * 2, clip.sound.size() - first)
                                 : 0;
        index.push_back({"01wb", 0x10u, uint32_t(c - 4 - moviId), uint32_t(count * 2)});
        for (size_t k = 0; k < count; ++k) o.U16(uint16_t(clip.sound[first + k]));
        o.End(c);
    }
    o.End(movi);
    const size_t idx = o.Begin("idx1");
    for (const Entry& e : index) {
        o.Id(e.id);
        o.U32(e.flags);
        o.U32(e.offset);
        o.U32(e.size);
    }
    o.End(idx);
    o.End(riff);
    return o.b;
}

}  // namespace aviwriter
