#include "platform/sound/wave.h"

#include <cstring>
#include <fstream>
#include <new>
#include <optional>

#include "platform/bytes.h"

namespace platform {

bool WaveFormat::IsPlayablePcm() const {
    if (formatTag != kWaveFormatPcm) return false;
    if (bitsPerSample != 8 && bitsPerSample != 16) return false;
    if (channels != 1 && channels != 2) return false;
    if (samplesPerSec == 0) return false;
    return blockAlign == channels * (bitsPerSample / 8);
}

WaveFormat WaveFormat::Pcm(uint16_t channels, uint32_t rate, uint16_t bits) {
    WaveFormat f;
    f.formatTag = kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<uint16_t>(channels * (bits / 8));
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

namespace {

struct Chunk {
    size_t body;       // offset of the first byte after the header
    uint64_t claimed;  // the size the header gives
    size_t available;  // the bytes really there, within the RIFF region
};

// Finds the first chunk `id` among the RIFF form's sub-chunks, walking the
// chain only as far as whole headers lie inside the region.
std::optional<Chunk> FindChunk(std::span<const uint8_t> bytes, size_t regionEnd, const char* id) {
    uint64_t at = 12;
    while (at + 8 <= regionEnd) {
        const uint8_t* h = bytes.data() + at;
        uint64_t size = LoadU32(h + 4);
        size_t body = static_cast<size_t>(at + 8);
        if (std::memcmp(h, id, 4) == 0) {
            uint64_t room = regionEnd - body;
            return Chunk{body, size, static_cast<size_t>(size < room ? size : room)};
        }
        at = at + 8 + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

WaveFile ParseWave(std::span<const uint8_t> bytes) {
    WaveFile out;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        out.error = kWaveNotWave;
        return out;
    }
    // A RIFF size that claims more than the file holds is cut to the file.
    uint64_t riffEnd = 8 + static_cast<uint64_t>(LoadU32(bytes.data() + 4));
    size_t regionEnd = static_cast<size_t>(riffEnd < bytes.size() ? riffEnd : bytes.size());

    auto fmt = FindChunk(bytes, regionEnd, "fmt ");
    if (!fmt || fmt->claimed < 16 || fmt->available < 16) {
        out.error = kWaveBadFormat;
        return out;
    }
    ByteReader r(bytes.data() + fmt->body, fmt->available);
    WaveFormat& f = out.format;
    r.U16(f.formatTag);
    r.U16(f.channels);
    r.U32(f.samplesPerSec);
    r.U32(f.avgBytesPerSec);
    r.U16(f.blockAlign);
    r.U16(f.bitsPerSample);
    if (f.formatTag != kWaveFormatPcm) {
        uint16_t extraCount = 0;
        if (!r.U16(extraCount) || extraCount > r.Remaining()) {
            out.error = kWaveBadFormat;
            return out;
        }
        f.extra.resize(extraCount);
        r.Raw(f.extra.data(), extraCount);
    }

    auto data = FindChunk(bytes, regionEnd, "data");
    if (!data || data->available < data->claimed) {
        out.error = kWaveShortData;
        return out;
    }
    try {
        out.data.assign(bytes.begin() + data->body, bytes.begin() + data->body + data->available);
    } catch (const std::bad_alloc&) {
        out = WaveFile{};
        out.error = kWaveOutOfMemory;
    }
    return out;
}

WaveFile ReadWaveFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    WaveFile out;
    if (!in) {
        out.error = kWaveCannotOpen;
        return out;
    }
    std::vector<uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::bad_alloc&) {
        out.error = kWaveOutOfMemory;
        return out;
    }
    if (in.bad()) {
        out.error = kWaveCannotOpen;
        return out;
    }
    return ParseWave(bytes);
}

std::vector<uint8_t> EncodeWave(const WaveFormat& format, std::span<const uint8_t> data) {
    bool pcm = format.formatTag == kWaveFormatPcm;
    uint32_t fmtSize = pcm ? 16 : static_cast<uint32_t>(18 + format.extra.size());
    uint32_t pad = data.size() & 1;
    ByteWriter w;
    w.Raw("RIFF");
    w.U32(static_cast<uint32_t>(4 + 8 + fmtSize + (fmtSize & 1) + 8 + data.size() + pad));
    w.Raw("WAVE");
    w.Raw("fmt ");
    w.U32(fmtSize);
    w.U16(format.formatTag);
    w.U16(format.channels);
    w.U32(format.samplesPerSec);
    w.U32(format.avgBytesPerSec);
    w.U16(format.blockAlign);
    w.U16(format.bitsPerSample);
    if (!pcm) {
        w.U16(static_cast<uint16_t>(format.extra.size()));
        w.Raw(format.extra.data(), format.extra.size());
        if (fmtSize & 1) w.U8(0);
    }
    w.Raw("data");
    w.U32(static_cast<uint32_t>(data.size()));
    w.Raw(data.data(), data.size());
    if (pad) w.U8(0);
    return w.Take();
}

std::vector<uint8_t> EncodeWavePcm16(uint16_t channels, uint32_t rate,
                                     std::span<const int16_t> samples) {
    std::vector<uint8_t> data(samples.size() * 2);
    for (size_t i = 0; i < samples.size(); ++i)
        StoreU16(data.data() + 2 * i, static_cast<uint16_t>(samples[i]));
    return EncodeWave(WaveFormat::Pcm(channels, rate, 16), data);
}

}  // namespace platform
