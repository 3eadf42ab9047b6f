#pragma once
// Our RIFF/WAVE reader and writer. The reader trusts nothing in the file: every
// chunk size is checked against what is really there, so a damaged or
// truncated file is refused and never read past its end.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace platform {

// The error codes the game's sound loader reports.
enum WaveError : uint32_t {
    kWaveOk = 0,
    kWaveOutOfMemory = 0xE000,
    kWaveCannotOpen = 0xE100,
    kWaveNotWave = 0xE101,
    kWaveBadFormat = 0xE102,
    kWaveShortData = 0xE103,
};

constexpr uint16_t kWaveFormatPcm = 1;

// The "fmt " chunk: the 16 bytes every format has, then the extra bytes of a
// non-PCM format.
struct WaveFormat {
    uint16_t formatTag = kWaveFormatPcm;
    uint16_t channels = 2;
    uint32_t samplesPerSec = 22050;
    uint32_t avgBytesPerSec = 88200;
    uint16_t blockAlign = 4;
    uint16_t bitsPerSample = 16;
    std::vector<uint8_t> extra;

    // PCM the mixer can play: 8 or 16 bits, 1 or 2 channels, a non-zero rate
    // and a block of channels × bytes per sample.
    bool IsPlayablePcm() const;
    static WaveFormat Pcm(uint16_t channels, uint32_t rate, uint16_t bits);
};

struct WaveFile {
    uint32_t error = kWaveOk;
    WaveFormat format;
    std::vector<uint8_t> data;  // the "data" chunk as stored
};

// Parses a whole file held in memory.
WaveFile ParseWave(std::span<const uint8_t> bytes);
// Reads and parses a file; a file that cannot be opened gives kWaveCannotOpen.
WaveFile ReadWaveFile(const std::filesystem::path& path);

// A canonical file: RIFF, "fmt " (16 bytes for PCM), "data", padded to even.
std::vector<uint8_t> EncodeWave(const WaveFormat& format, std::span<const uint8_t> data);
// 16-bit PCM at `rate` from interleaved samples of `channels` channels.
std::vector<uint8_t> EncodeWavePcm16(uint16_t channels, uint32_t rate,
                                     std::span<const int16_t> samples);

}  // namespace platform
